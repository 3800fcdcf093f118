// The games that build/selfplay can play. A game adds itself with one registration in its own
// file of this folder:
//
//     static selfplay::Anmeldung bjk{{"bjk", spiele::kBlackJack, ...}};
//
// The program runs whole rounds in the headless harness with every seat a computer player,
// checks the game's invariants after every frame and every round, and reports per seat.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/cg.h"

namespace selfplay {

struct Spiel {
    std::string code;  // the three-letter code of the game-name table
    int spielId = 0;   // as chosen in the menu (10 and 11 start their variants)
    int spielerStandard = 4;
    // Registers the game's entry points; called after the harness has set up its services.
    std::function<void()> anmelden;
    // A rule option by its name on the rule page; false for a name the game does not know.
    std::function<bool(const std::string& name, const std::string& wert)> option;
    // Seat count and automatic play before the first start.
    std::function<void(int spieler)> vorbereiten;
    // A round is complete and waits for the next.
    std::function<bool(const TCG&)> rundeVorbei;
    // After a complete round: each seat's score of the round (seats 1..n at [s - 1], NaN for a
    // seat the round does not score, like Black Jack's dealer); a broken invariant is a
    // non-empty text.
    std::function<std::string(std::vector<double>& punkte)> runde;
    // The match is over; sieger gets the winning seat (0 for none).
    std::function<bool(int& sieger)> partieVorbei;
    // Checked after every frame (empty: nothing).
    std::function<bool(const TCG&, std::string& warum)> invariante;
};

std::vector<Spiel>& spiele();

struct Anmeldung {
    explicit Anmeldung(Spiel s) { spiele().push_back(std::move(s)); }
};

}  // namespace selfplay
