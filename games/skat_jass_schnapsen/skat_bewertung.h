// The bidding evaluation: at every deal each seat's hand is scored with three pattern tables
// (Buben, other cards, trump-suit cards) for every suit game, Grand and Null; the result names
// the game the seat would declare, its multiplier, the highest value and the bid limit.
#pragma once
#include <cstdint>
#include <string>

#include "core/karten.h"

namespace skat_1 {

constexpr int kMusterRegeln = 20;

struct MusterRegel {
    int8_t t;  // value code
    int8_t f;  // 0 any suit, 1..4 a suit, 5 the trump suit
    int8_t punkte;
};

// One pattern table (`Mustertabelle`); slots 1 buben.txt, 2 karten.txt, 3 kartenf.txt.
struct Mustertabelle {
    MusterRegel regel[kMusterRegeln];
    int32_t anzahl = 0;
    uint8_t geladen = 0;
};

// Parses a pattern file's text: everything up to the first "|data|" is a comment; then rules
// "#1(t,f)points#". Rules of another kind are skipped, so are malformed ones; beyond 20 rules
// the rest is dropped. Returns the number of problems met (each gets a line in `meldung`).
int musterParsen(const std::string& text, Mustertabelle& tab, std::string& meldung);
// Score of a hand by a table: a rule with suit 0 counts when any card of its value is held,
// suit 5 stands for `trumpf` (when one is given).
int musterWert(const Mustertabelle& tab, const hand& h, int trumpf);

// The folder the pattern files and ch.txt are read from ("data\oldsk\" by default).
extern std::string datenOrdner;
// Table n (1..3) from its file, read and parsed once per program run; a missing file gives an
// empty table and a log line.
const Mustertabelle& muster(int n);
int musterLesen(const std::string& datei, const hand& h, int trumpf, int n);
// Forgets the loaded tables (a test that changes the folder).
void musterVergessen();

// Evaluation of one seat (`SkatHandBewertung`).
struct Bewertung {
    int16_t spielTyp = 0;
    int16_t basis = 0, buben = 0, karten = 0;
    int16_t typWert[5] = {};  // Kreuz, Pik, Herz, Karo, Grand
    int16_t punkte = 0;
    int16_t augen = 0;
    int16_t faktor = 0;
    int16_t hoechsterWert = 0;
    int16_t hoechstgebot = 0;  // 0: no bid
    int16_t nullArt = 0;       // 0 plain Null or none, 1 Null Hand, 2 Null Ouvert
    uint8_t hand = 0, schneiderAnsagen = 0, schwarzAnsagen = 0, offen = 0;
    karte nullDrueckKarten[2] = {};
    int16_t nullDrueckAnzahl = 0;
    int32_t sitz = 0;
};

// The last evaluation of seats 1..3.
Bewertung& bewertung(int seat);

// Evaluates the seat from the mirrored hands of the three seats and the Skat copy, keeps the
// seat's hand as dealt and the Skat as dealt; returns the bid limit. The declaration's type and
// the rank table are as before when it returns.
int reizwertBerechnen(int seat);
// The bid limit from the total evaluation and the highest value.
int hoechstgebotAus(int punkte, int hoechsterWert);

}  // namespace skat_1
