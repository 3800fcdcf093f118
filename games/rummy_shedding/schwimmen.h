// Schwimmen (game id 2): three cards per seat and three open on the table; a seat swaps one card,
// swaps all (when allowed), passes or knocks; 31 ends the round at once. The rules, the per-frame
// flow, the round result, match end and high score, and the computer player.
#pragma once
#include <string>
#include <vector>

#include "core/cg.h"
#include "core/spielliste.h"
#include "table/tspieler.h"

namespace schwimmen {

// Stacks: seats 1..6, the talon 11, the table 12, used table cards 15.
constexpr int kTalon = 11;
constexpr int kTisch = 12;
constexpr int kAblage = 15;

// Decision kinds and answer codes.
enum : int {
    kNeueKarten = 69,  // dialog: "Neue Karten" (69) or "Behalten" (0)
    kZug = 70,         // dialog: "Schieben" (72), "Klopfen" (71), or a card of the hand
    kTischKarte = 75,  // dialog: click a table card
    kZugAlle = 76,     // dialog 70 with "Alle tauschen" (77)
    kKlopfen = 71,
    kSchieben = 72,
    kAlle = 77,
};

// ---- rules (pure)
// Card points by value code: As 11; Bube, Dame, König, Zehn 10; Neun 9; Acht 8; Sieben 7.
int kartenWert(int t);
// A hand's value in tenths: the best suit's points x 10; with "Mit 3er Pasch" three cards of one
// value are at least 305, three Asse 310.
int handWert(const karte* karten, int anz, bool mitPasch);
int handWert(const hand& h, bool mitPasch);
// "30,5" for 305, "31" for 310.
std::string wertText(int wert);
int naechsterSitz(int seat, int n);
int vorigerSitz(int seat, int n);
// Points per seat 1..n (index s - 1) and the round's text: in the positive mode each seat with the
// highest value gets +1, in the negative mode each with the lowest -1.
struct Rundenergebnis {
    std::vector<int> punkte;
    std::string text;   // names joined by ", " and " und ", verb, value text, " Augen."
    std::string kurz;   // value text + " Augen"
};
Rundenergebnis rundenErgebnis(const std::vector<int>& werte, bool positiv, const std::vector<std::string>& namen);
bool partieEnde(const TSchwimmen& s, int runden, const int32_t* konto, int n);
// The number before a list text's last blank ("12 Punkte" -> 12); 0 without one.
int zahlAusText(const std::string& text);
void standardOptionen(TSchwimmen& s);
// Whether seat p still gets a turn in this round with the seat on turn `akt` among n seats:
// always before a knock; after it only the seats that follow `akt` within the knock round, counted
// round the table (the round may wrap past the last seat).
bool nochDran(const TSchwimmen& s, int akt, int p, int n);

// ---- hooks and flow
// Reads the rule page into cg.schwimmen at a fresh start (the shell fills it).
extern void (*optionenLesen)();
bool spielbar(const TKartenSlot& slot);
bool passtAuf(const karte& card, const karte& lead, int alt);
bool handOffen(int seat);
void spielSchritt(TCG& g);
// The status marker beside a seat: on turn, passed in the row of passes that leads to the seat
// on turn, or the seat that knocked; none outside the turns.
enum class Marke { keine, dran, geschoben, geklopft };
Marke statusMarke(const TCG& g, int seat);
// Shows every seat's status marker in the panel.
void statusAnzeige(const TCG& g);
void neuesSpiel(bool frisch);
// The game's part of a loaded record: empty when the game can go on from it, else the fault.
std::string blockPruefen(const TCG& g);
void spielLaden();
void abrechnungText(const TGameResult& r, std::string& text);
bool partieEnde();
void limitText(std::string& text);
void highscoreText(std::string& text);

// Spoken reactions: event 1, a computer seat's hand of value `wert` as it swaps; event 2, a seat
// knocked (the first other seat with a weak hand reacts).
void kommentar(int ereignis, int seat, int wert);

// ---- whole-game runs
bool rundeVorbei(const TCG& g);
const TGameResult& letztesErgebnis();
bool kartenErhalten(std::string& warum);
int abgewiesen();
void abgewiesenLoeschen();
bool optionSetzen(const std::string& name, int wert);
// The cards of a stack as a hand.
hand stapelHand(int stack);

void anmelden();

}  // namespace schwimmen

namespace schwimmenki {
// One evaluated decision: 0 keep, 1 swap own card i (1..3) for table card j (1..3), 2 swap all.
struct Wahl {
    int entscheidung = 0;
    int i = -1, j = 0;
    karte eigene{}, tisch{};
    int schluessel = 0;
    int wert = 0;  // the decision's score
};
// The swap that reaches 31 at once (entscheidung 0 when there is none).
Wahl direktWahl(const hand& eigene, const hand& tisch, const TSchwimmen& s);
// The evaluated swap for seat `akt` of n seats (hands[p - 1] is seat p's hand), at level stufe.
Wahl tauschWahl(const std::vector<hand>& haende, const hand& tisch, const TSchwimmen& s, int akt, int stufe);
void kiTick();
// Watch hook after every accepted action: the table cards a seat was seen to take (less those it
// laid down again) and the suit and value each seat collects.
void nachZug(int art, int wert1, int wert2);
}  // namespace schwimmenki
