// The Skat rules core: the value tables of the 32-card deck, the card order per game type, the
// trick rule, base values and the bidding list, the smallest bid, Spitzen and the game
// multiplier, the seats at the table, and the card-choice operations the computer player uses.
// The shared hand library (core/skat_1.h) lives in the same namespace.
#pragma once
#include <string>

#include "core/cg.h"
#include "core/skat_1.h"

namespace skat_1 {

constexpr int kBube = 4;  // value code of the Buben

// Game types.
constexpr int kKreuz = 1, kPik = 2, kHerz = 3, kKaro = 4, kNull = 10, kGrand = 11, kRamsch = 12,
              kKeinSpiel = 14, kEingepasst = 100, kUeberreizt = 0;

// Levels (`Reizstufe`).
constexpr int kNormal = 0, kSchneider = 1, kSchneiderAngesagt = 2, kSchwarz = 3, kSchwarzAngesagt = 4,
              kOffen = 5;

extern int Grundwert[21];   // base value by game type 1..20 (entry 0 unused)
extern int Rangtabelle[9];  // rank number by value code 1..8
extern int RangInvers[9];   // value code by rank number 1..8
extern std::string kartenNamen[9];
extern std::string kontraNamen[5];  // level 1..4
extern std::string stufenNamen[6];  // level 0..5

// The Skat unit's hands, kept in the Skat block so that a saved game carries them.
hand& stich();                 // the current trick in playing order, each tag the seat
hand& stichKarten();           // at(seat): the card the seat played to the current trick
hand& skatKopie();             // the Skat as it lies now
hand& letzterStich();          // stichKarten of the last finished trick
hand& skatOriginal();          // the Skat as dealt
hand& gegebeneHand(int seat);  // the seat's hand as dealt
hand& gewonnenAllein();        // won cards of the declarer
hand& gewonnenGegner();        // won cards of the defenders
hand& alleGespielt();          // every card played in the deal
hand& gewonnenSitz(int seat);

void tabellenSetzen();
void rangTabelle(int typ);
// Builds the whole bidding list (every deal, 59 included) and stores the Grand base.
void reizliste(int grandGrundwert);
int reizwert(int pos);  // list value at pos 1..reizAnzahl, 0 outside
// The smallest bid a game of `typ` reaches that is not below w: the smallest multiple of the
// base at or above w, for Null the smallest Null value at or above w (59 at most).
int kleinsterReizwert(int w, int typ);
int kleinsterReizwert(int w);  // for the type an overbid game was declared as

int mitOhne(const hand& h, bool& mit, int typ);
// The multiplier of a declarer's twelve (or ten) cards: Spitzen + 1 for the game, +1 Hand, and
// +1 for each of Schneider, Schneider angesagt, Schwarz, Schwarz angesagt and Ouvert, where an
// announcement includes the levels below it. `erreicht`: 0, 1 Schneider or 3 Schwarz in play;
// `angesagt`: 0, 2, 4 or 5.
int spielFaktor(const hand& h, int typ, bool handSpiel, int erreicht, int angesagt);
// The Null values: 23, 35 Hand, 46 Ouvert, 59 Hand Ouvert.
int nullWert(bool handSpiel, bool offen);

// Trick rule under the declared type of cg.skat.sk: a, played after b, wins over b.
bool sticht(const karte& a, const karte& b);
int stichGewinner(int anspieler);

int hinterhand();
int vorhand();
int mittelhand();
int naechster(int seat);
int voriger(int seat);

bool nullOderRamsch();
bool augenSpiel();

// Computer-player operations; they leave their hands unchanged.
bool winsu(const karte& a, const karte& b);
bool winsu2(const karte& a, const karte& b);
void loosehand(const hand& h, const karte& kar, hand& r);
void loosehand2(const hand& h, const karte& kar, hand& r);
void winhand(const hand& h, const karte& kar, hand& r);
karte kleinsteKarte(const hand& h);
karte hoechsteAugenKarte(const hand& h);
karte hoechsteKarte(const hand& h);
karte billigsterStecher(const hand& h, const karte& kar);
karte niedrigsteKarte(const hand& h);
int rangZaehlen(const hand& h, int t, bool unter);
bool gegnerHatKarte(int seat, const karte& kar);
void unbekannteKarten(int seat, const hand& a, const hand& b, hand& r);
void handVereinen(const hand& a, const hand& b, hand& r);
bool kartenPruefen(const karte& kar, const std::string& tag);

}  // namespace skat_1
