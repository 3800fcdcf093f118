// Rommé rule core: the value order of runs (circular: 2 .. König, Ass, 2), the meld test, the
// points of a meld with its Joker, the run distance and the order of a selection. Pure routines
// over explicit inputs; the flow and the computer player pass the options of cg.romme.
#pragma once
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

bool istJoker(const karte& c);
// Small edits of a hand record (1-based; a full hand takes no more cards).
void anhaengen(hand& h, const karte& c);
void einfuegen(hand& h, int pos, const karte& c);
void entfernen(hand& h, int pos);
// Rank in the run order: 1 for the 2 up to 13 for the Ass; 0 outside 1..13.
int rang(int t);
int ausRang(int r);
// The next and the previous value code in the circular order; 0 outside 1..13.
int nachfolger(int t);
int vorgaenger(int t);
bool istNachfolger(int a, int b);
// Meld key: each suit its own block of 13 (Kreuz 40..52 .. Karo 1..13), the Joker 53.
int meldSchluessel(const karte& c);
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
