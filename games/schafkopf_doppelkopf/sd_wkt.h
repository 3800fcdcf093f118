// The card-holding probability engine of the Schafkopf and Doppelkopf computer players.
//
// Usage (both games):
//   1. Once per game (or when the trumps change): `Regeln r = regelnAus(ordnung, dulle)`, the
//      game's trump test, card order and card points as tables by card id.
//   2. Keep one `TKartenWissen` per seat in the game's record; clear it at the start of a game
//      and call `nachKarte` after every card played (human or computer): it marks the voids and
//      drops the card from the seat's known cards (one copy).
//   3. Before a decision: fill a `Lage` (observer, hand sizes, the observer's hand, the other
//      seats' cards as one pile, the game's knowledge records, whether one plays alone) and take
//      `Sicht s = wissenAktualisieren(lage)`. The working set is returned by value: refreshing
//      for another observer never disturbs a caller's set. Partners are filled by sd_partei.h
//      (`partnerSetzen`).
//   4. Ask: `wktFarbe(s, seat, klasse)`, `wktHoeher(s, seat, card)`, ... or `wktHat` with an
//      `Abfrage`. Seats are 1..4, classes 1..4 (plain suits) and 6 (every trump).
// No routine allocates; every probability is a single float in [0, 1].
#pragma once
#include <cstdint>

#include "core/cg.h"
#include "core/karten.h"
#include "games/schafkopf_doppelkopf/schafkopf_regeln.h"

namespace sdki {

constexpr int kKlasseTrumpf = 6;
constexpr int kIds = 32;

// Card id (suit - 1) * 8 + value - 1, 0..31; -1 for a card outside the deck.
inline int kartenId(const karte& k) {
    return k.f >= 1 && k.f <= 4 && k.t >= 1 && k.t <= 8 ? (k.f - 1) * 8 + k.t - 1 : -1;
}
inline karte idKarte(int id) { return karte{static_cast<uint8_t>(id % 8 + 1), static_cast<uint8_t>(id / 8 + 1), 0}; }

// ---- piles of cards counted by id (a card may be there twice)
void leeren(TKartenZahl& z);
void dazu(TKartenZahl& z, const karte& k);
// Removes one copy; nothing when the pile holds none.
void weg(TKartenZahl& z, const karte& k);
int anzahl(const TKartenZahl& z, const karte& k);
// a minus b, copy by copy.
TKartenZahl ohne(const TKartenZahl& a, const TKartenZahl& b);

// ---- the game's facts about each card
struct Regeln {
    uint8_t trumpf[kIds] = {};
    int16_t wert[kIds] = {};   // card order: higher beats lower, trumps above every plain card
    uint8_t augen[kIds] = {};  // card points
    // When the card and the reference card are both this card, the card counts as higher when
    // not below it (the second of two equal cards beats the first); -1: no such card.
    int gleichHoeher = -1;
};
Regeln regelnAus(const schafkopf::Ordnung& o, int gleichHoeher = -1);

// Card order value of a card; 0 for a card outside the deck.
inline int prlwert(const Regeln& r, const karte& k) {
    const int id = kartenId(k);
    return id < 0 ? 0 : r.wert[id];
}
// Class of a card: 6 for a trump, else its suit 1..4.
int farbklasse(const Regeln& r, const karte& k);
// König, Zehn, As.
inline bool istHochkarte(const karte& k) { return k.t >= 6 && k.t <= 8; }
// 7, 8, 9, Unter (Bube).
inline bool istNiederkarte(const karte& k) { return k.t >= 1 && k.t <= 4; }

// ---- the question
struct Abfrage {
    int32_t art = 1;         // 1 a card of class `farbe`; 4 a König, Zehn or As of it; 5 a card of
                             // order value `hoeher`; 6 a card of any class
    int32_t farbe = 0;       // class 1..4 or 6 (0 with art 6)
    int32_t hoeher = -1;     // >= 0: the card ranks above `bezugskarte` (art 5: the exact value)
    int32_t niedriger = -1;  // >= 0: the card ranks below `bezugskarte` (only without `hoeher`)
    int32_t auchFrei = -1;   // a class 1..6: the seat must in addition hold none of it
    uint8_t nachAugen = 0;   // rank by card points, not by card order
    karte bezugskarte{};
};

// ---- the facts a refresh starts from (the caller's game)
struct Lage {
    const Regeln* regeln = nullptr;
    int ich = 0;                    // the observer 1..4
    bool istSolo = false;           // one plays alone against three, openly
    int solist = 0;                 // that seat; 0 in games without the lone-trump rule below
    bool solistTrumpfRegel = true;  // a declarer playing alone surely holds one unseen trump
    int handAnz[5] = {};            // cards in hand, seats 1..4
    TKartenZahl eigeneHand{};       // the observer's hand
    TKartenZahl unsichtbar{};       // the cards in the other seats' hands, all together
    TKartenZahl gespielt{};         // the cards of the taken tricks
    int stichAnzahl = 0;            // cards in the current trick
    const TKartenWissen* wissen = nullptr;  // the game's records, seats 1..4 at [seat - 1]
};

// ---- the working set of one observer
struct Sicht {
    Regeln regeln;
    int ich = 0;
    bool istSolo = false;
    int stichAnzahl = 0;
    int letzter = 0;  // the seat playing the last card of the current trick
    int partner1 = 0, partner1Letzter = 0, partner2 = 0, partner2Letzter = 0;
    int handAnz[5] = {};
    TKartenZahl eigeneHand{}, unsichtbar{}, unbekannt{}, gespielt{};
    TKartenWissen w[5]{};  // seats 1..4
};

Sicht wissenAktualisieren(const Lage& lage);

// The game's records after a card: `stich` the trick before the card, `k` the card, `seat` who
// played it. Marks the seat void in the led class when the card is of another, and removes the
// trick's cards from their seats' known cards.
void nachKarte(TKartenWissen wissen[4], const Regeln& r, const karte* stich, int stichAnz,
               const karte& k, int seat);

bool passtZuAbfrage(const Regeln& r, const karte& k, const Abfrage& q);
int abfrageAnzahl(const Regeln& r, const TKartenZahl& h, const Abfrage& q);
// Mode 1: the chance that the seat holds at least one matching card; mode 0: that it holds none.
// 0 for a seat outside 1..4 or the observer's own seat on inconsistent knowledge.
float wktHat(const Sicht& s, int seat, const Abfrage& q, int modus);

float wktFarbe(const Sicht& s, int seat, int klasse);
float wktFrei(const Sicht& s, int seat, int klasse);
float wktHoeher(const Sicht& s, int seat, const karte& k);
float wktNiedriger(const Sicht& s, int seat, const karte& k);
float wktMehrAugenFarbe(const Sicht& s, int seat, int klasse, const karte& k);
float wktWenigerAugenFarbe(const Sicht& s, int seat, int klasse, const karte& k);
float wktMehrAugen(const Sicht& s, int seat, const karte& k, int klasse);
float wktWenigerAugen(const Sicht& s, int seat, const karte& k, int klasse);
float wktFreiUndFarbe(const Sicht& s, int seat, int freiKlasse, int klasse);

// Counting over `unsichtbar` or a given pile, by card order (of the card's class when
// `gleicheKlasse`).
int niedrigerUnbekannt(const Sicht& s, const karte& k, bool gleicheKlasse);
int hoeherUnbekannt(const Sicht& s, const karte& k, bool gleicheKlasse);
int niedrigerInHand(const Regeln& r, const karte& k, const TKartenZahl& h, bool gleicheKlasse);
int hoeherInHand(const Regeln& r, const karte& k, const TKartenZahl& h, bool gleicheKlasse);
// The cards of `h` of the card's class above it.
TKartenZahl hoehereKarten(const Regeln& r, const karte& k, const TKartenZahl& h);
// Card points of the unseen cards per unseen card; 0 when none is unseen.
float augenSchnitt(const Sicht& s);
// Cards of the class in a pile.
int klassenAnzahl(const Regeln& r, const TKartenZahl& h, int klasse);
// What spending a trump costs by the unseen trumps above it.
int trumpfKosten(int hoeherUnbekannt);

}  // namespace sdki
