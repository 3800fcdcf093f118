// What the dialog clicks need of the game units that sit beside the shell, and the pure parts
// of the decision buttons. The units fill their hooks at start; an empty hook does nothing.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace dialoge {

struct Haken {
    // The option handler of a game's rule page: the clicked element (or its compound parent)
    // and whether the parent sits right before it; element 0 when the page is about to open.
    std::function<void(int spielId, int element, bool flag)> optionen;
    // The same per game (index spielId 0..12), for the games that read their own page.
    std::array<std::function<void(int element, bool flag)>, 13> optionenJe;
    std::function<void()> pokerReadOptions;
    std::function<void()> relayoutChips;
    std::function<void(int delta)> blackjackEinsatz;  // changes, clamps and captions the bet
    std::function<void(int pfeil)> pokerPfeil;        // 1 small up, 2 small down, 3 large up, 4 large down
    std::function<int32_t()> pokerBetrag;             // the raise amount sent with a poker answer
    std::function<void()> pokerSitzeLoeschen;         // the per-seat flags at the end of a match
    std::function<void(int sortierung)> skatSortieren;
    std::function<void(bool nachFarbe)> rommeSortieren;
    std::function<void()> skatStandardRegeln;
    std::function<void()> maumauDialogeSchliessen;
    std::function<void(const std::string& track)> musikDatei;
    std::function<void()> flyingCards;
    std::function<void(int dialog, int element)> entwickler;  // the developer panels' test data
};
extern Haken haken;

// The row index 1..8 of a decision button ("!Weiter", "Ja" 1, "Nein" 2, ... the extra "?" 8);
// 0 for an element that is no decision button.
int reihenIndex(int element);
// The amount arrow 1..4 of "#ingamedialog", 0 for another element.
int pfeilIndex(int element);
// Black Jack's bet change for an arrow: +-1/+-5 in "17 und 4", +-2/+-8 otherwise.
int blackjackSchritt(int pfeil, bool siebzehnUndVier);
// Poker's raise amount after an arrow: large steps twice the raise step, small ones half of it
// (toward zero); then at most the limit, at least the minimum raise, at most what the seat has
// left after calling, and never below 0.
int32_t pokerBetrag(int32_t betrag, int32_t schritt, int pfeil, int32_t limit, int32_t minimum, int32_t geld,
                    int32_t zuZahlen);

}  // namespace dialoge
