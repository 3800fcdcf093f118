// The pieces every game's check of a loaded record is made of. A Befund keeps the first fault
// found as a short German text; once it has one, every further check answers false and adds
// nothing, so a game's check is a plain sequence of checks that returns the text at its end.
#pragma once
#include <cstdint>
#include <string>

#include "core/cg.h"

namespace blockpruefung {

class Befund {
public:
    // v lies in lo..hi; `was` names the value in the text ("Startsitz 7").
    bool zahl(int64_t v, int64_t lo, int64_t hi, const std::string& was);
    // A card of a deck whose value codes go up to tMax: value 0..tMax and suit 0..4 (0/0 is an
    // empty place, which the table engine clears away).
    bool karte(const ::karte& k, int tMax, const std::string& was);
    // A card list with 0..max cards, each one as karte() takes it.
    bool hand(const ::hand& h, int max, int tMax, const std::string& was);
    bool hand64(const ::hand64& h, int max, int tMax, const std::string& was);
    // Holders 1..20 of the record: the lists' cards (counts are checked for every game).
    bool stapel(const TCG& g, int tMax);
    // A fault the game states itself.
    bool fehler(const std::string& text);
    // The first fault, empty when none was found.
    const std::string& text() const { return text_; }
    bool ok() const { return text_.empty(); }

private:
    std::string text_;
};

// What a game's record may hold in the common part.
struct Rahmen {
    int spielerMin, spielerMax;  // seats at the table
    int phaseMax;                // phase numbers 0..phaseMax
    int amZugMax;                // the seat on turn 0..amZugMax (a holder where the game lets one be)
    int tMax;                    // value codes of the game's deck
};
// The checks every game shares: seat count, phase, the seat on turn, the cards of the holders, the
// human's handed-over cards and the known-cards lists of the computer players.
void gemeinsam(Befund& b, const TCG& g, const Rahmen& r);

}  // namespace blockpruefung
