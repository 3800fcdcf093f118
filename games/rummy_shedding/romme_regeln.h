// Rommé rule core: the value order of runs (circular: 2 .. König, Ass, 2), the meld test, the
// points of a meld with its Joker, the run distance and the order of a selection. Pure routines
// over explicit inputs; the flow and the computer player pass the options of cg.romme.
#pragma once
#include <cstring>

#include "core/karten.h"

namespace romme {

constexpr int kJoker = 14;
constexpr int kAss = 8;
constexpr int kKoenig = 6;
constexpr int kDame = 5;
constexpr int kZwei = 9;
constexpr int kDrei = 10;

// The rule options the meld routines read.
struct Regeln {
    bool ecke = false;            // "Um die Ecke legen erlauben"
    bool doppelteFarben = false;  // "Doppelte Farben in Sätzen erlauben"
    int mindestpunkte = 0;        // "1. Satz ab"
    int jokerWert = 20;           // "Joker zählt"
};

// These small routines sit in the header: the computer player's search calls them in its
// innermost loops.
inline bool istJoker(const karte& c) { return c.t == kJoker; }
// Small edits of a hand record (1-based; a full hand takes no more cards).
inline void anhaengen(hand& h, const karte& c) {
    if (h.anz >= kHandMax) return;
    h.anz = static_cast<int16_t>(h.anz + 1);
    h.at(h.anz) = c;
}
inline void einfuegen(hand& h, int pos, const karte& c) {
    if (h.anz >= kHandMax) return;
    for (int i = h.anz; i >= pos; --i) h.at(i + 1) = h.at(i);
    h.at(pos) = c;
    h.anz = static_cast<int16_t>(h.anz + 1);
}
inline void entfernen(hand& h, int pos) {
    if (pos < 1 || pos > h.anz) return;
    for (int i = pos; i < h.anz; ++i) h.at(i) = h.at(i + 1);
    h.anz = static_cast<int16_t>(h.anz - 1);
}
// The cards in use and their count, no more: the meld routines read no card behind the count,
// and a whole hand record is a hundred times the size of a meld.
inline void kartenKopieren(hand& ziel, const hand& quelle) {
    const int n = quelle.anz;
    ziel.anz = quelle.anz;
    if (n > 0) std::memcpy(static_cast<void*>(ziel.k), quelle.k, sizeof(karte) * static_cast<size_t>(n));
}
// Rank in the run order: 1 for the 2 up to 13 for the Ass; 0 outside 1..13.
inline int rang(int t) {
    constexpr int kRang[14] = {0, 6, 7, 8, 10, 11, 12, 9, 13, 1, 2, 3, 4, 5};
    return t >= 1 && t <= 13 ? kRang[t] : 0;
}
inline int ausRang(int r) {
    constexpr int kCode[14] = {0, 9, 10, 11, 12, 13, 1, 2, 3, 7, 4, 5, 6, 8};
    return r >= 1 && r <= 13 ? kCode[r] : 0;
}
// The next and the previous value code in the circular order; 0 outside 1..13.
inline int nachfolger(int t) {
    const int r = rang(t);
    return r == 0 ? 0 : ausRang(r == 13 ? 1 : r + 1);
}
inline int vorgaenger(int t) {
    const int r = rang(t);
    return r == 0 ? 0 : ausRang(r == 1 ? 13 : r - 1);
}
inline bool istNachfolger(int a, int b) { return b != 0 && nachfolger(a) == b; }
// Meld key: each suit its own block of 13 (Kreuz 40..52 .. Karo 1..13), the Joker 53.
inline int meldSchluessel(const karte& c) {
    if (istJoker(c)) return 53;
    if (c.f < 1 || c.f > 4) return 0;
    return (4 - c.f) * 13 + rang(c.t);
}
// Fills the meld key table and the display sort table (by value or by suit).
void schluesselTabellen(bool nachWert);
int kartenWert(const karte& c, const Regeln& r);

// Run distance from a to b (0 and a report for a card that is not valid).
int getdif(const karte& a, const karte& b, bool first, const Regeln& r);
bool satzGueltig(const hand& m, const Regeln& r);
bool reiheGueltig(const hand& m, const Regeln& r);
// Is m a valid meld for a seat that has (hatMeldung) or has not yet laid a meld. Before the
// first meld the meld must reach the minimum by itself, or is refused outright with
// vorAuslageAblehnen.
bool isset(const hand& m, bool hatMeldung, bool vorAuslageAblehnen, bool ohneMinimum, const Regeln& r);
// Points of a meld: the Joker counts as the card it stands for (the better end of a run unless
// amPlatz), with roh the Joker counts the option's value.
int meldungPunkte(const hand& m, bool amPlatz, bool roh, const Regeln& r);
// Sorts by the meld keys and, with the corner option, turns a run that goes across the corner.
void eckeDrehen(hand& m, const Regeln& r);
// The raised cards (sorted by the meld keys) in laying order: Ass low in front of 2 and 3, a run
// across the corner turned, a Joker in the gap or at the end.
void auswahlOrdnen(hand& m, const Regeln& r);

}  // namespace romme
