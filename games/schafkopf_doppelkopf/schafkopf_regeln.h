// Schafkopf rules: the game types and their precedence, the trump order each type sets up,
// following suit, the trick, card points, Laufende and the settlement of one game. Pure routines
// over explicit inputs; the flow (schafkopf.h) asks them.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/cg.h"
#include "core/karten.h"
#include "core/spielliste.h"

namespace schafkopf {

// Game types as the game record holds them.
enum Typ : int {
    kKeinSpiel = 0,
    kSie = 1,
    kSolo = 2,
    kWenz = 3,
    kGeier = 4,
    kFarbwenz = 5,
    kFarbgeier = 6,
    kBettel = 7,
    kRufspiel = 8,
    kRamsch = 9,
};

// Value codes of the 32-card deck.
enum Wert : int { k7 = 1, k8 = 2, k9 = 3, kUnter = 4, kOber = 5, kKoenig = 6, kZehn = 7, kAs = 8 };
constexpr int kHerz = 3;

// Ranks of one game: higher beats lower; trumps outrank every plain card. Doppelkopf's ranks
// are of the same form.
// The 32 cards, value by value and suit by suit (unshuffled).
std::vector<karte> kartenSatz();

struct Ordnung {
    int rang[4][8] = {};             // [suit - 1][value - 1]
    bool trumpf[4][8] = {};          // the card is a trump
    std::vector<karte> trumpfListe;  // strongest first
};
Ordnung trumpfOrdnung(int typ, int farbe);

bool istTrumpf(const Ordnung& o, const karte& k);
int rang(const Ordnung& o, const karte& k);
// The card follows the led card (an empty led card, value 0, accepts everything).
bool bedient(const Ordnung& o, const karte& k, const karte& led);
// The cards of `hand` that may be played onto `stich` (the cards played so far, in order).
std::vector<karte> spielbareKarten(const Ordnung& o, const TSchafkopfSpiel& spiel,
                                   const std::vector<karte>& hand, const std::vector<karte>& stich);
bool sticht(const Ordnung& o, const karte& k, const karte& best);
// Position (0-based) of the winning card of a trick in play order.
int stichSieger(const Ordnung& o, const std::vector<karte>& stich);

int augen(const karte& k);
int augenSumme(const std::vector<karte>& h);

// Precedence of a game in the bidding.
int spielWert(int typ, bool tout);
int spielWert(const TSchafkopfSpiel& s);

// A Rufspiel may call suit f with this hand: never Herz, only with a plain card of the suit, and
// without its ace unless calling one's own ace is allowed.
bool rufbar(const std::vector<karte>& hand, int f, bool eigenesAs);
// The hand holds all four Ober and all four Unter.
bool sieHand(const std::vector<karte>& hand);

// The side's trumps that rank above every trump of the opponents: only trumps count, a side
// holding all trumps never adds its plain cards.
int laufende(const Ordnung& o, const std::vector<karte>& seite, const std::vector<karte>& gegner);

// Names; the suits as the decision dialogs name them (the deck style the program sets).
std::string farbName(int farbe);
std::string spielTypName(int typ, bool kurz);
std::string spielName(const TSchafkopfSpiel& s);

// What the settlement of one game needs. Seats 1..4 at index 1..4.
struct Abrechnung {
    TSchafkopfSpiel spiel{};
    bool niemandSpielt = false;  // no card was played: "Kein Spiel"
    int spieler = 0;             // declarer seat
    int gewerteterSpieler = 0;   // the seat scored as playing alone (x3)
    bool eigenesAs = false;      // the declarer called and showed his own ace
    int kontra = 0;              // 0, 1 Kontra, 2 Re
    bool laufendeZaehlen = false;
    int laufende = 0;                            // the declarer's Laufende
    int soloWert = 2;                            // base of every game but Rufspiel, Bettel and Ramsch
    std::array<bool, 5> spielerPartei{};         // the seat plays on the declarer's side
    std::array<std::vector<karte>, 5> stiche{};  // the cards each seat won
    std::array<std::string, 5> namen{};
};
TGameResult abrechnen(const Abrechnung& a);

// Ramsch: the seat that loses, by card points, then tricks, then trumps, then the highest rank
// in its tricks; on full equality the later seat.
int ramschVerlierer(const Ordnung& o, const std::array<std::vector<karte>, 5>& stiche);

}  // namespace schafkopf
