// Mau Mau (game id 0): the laying rule with the five special-card roles, the per-frame flow of a
// round (deal, turns, drawing, penalties, refilling the talon from the discard pile), the round
// result and the match end, the option page's consistency, and the computer player.
#pragma once
#include <string>
#include <vector>

#include "core/cg.h"
#include "core/spielliste.h"
#include "table/tspieler.h"

namespace maumau {

// Roles of special cards (the values in cg.maumau.sonderWert).
enum Rolle : int { kZiehen = 31, kAussetzen = 32, kWunsch = 33, kRichtung = 34, kNochmal = 35 };

// Stacks: seats 1..6, the talon 11, the discard pile 13 (its top card is the open card).
constexpr int kTalon = 11;
constexpr int kAblage = 13;

// ---- rules (pure)
// The role whose card value equals the card's value (the highest role when several match), 0 none.
int rolle(const TMaumau& m, const karte& c);
// Whether `c` may be laid on `offen`. frage is the open question's kind: while a draw (31) or a
// sit-out (32) is pending only a card of that role answers it.
bool passt(const TMaumau& m, const karte& c, const karte& offen, int frage);
// Card points left in a hand: Bube 20, Ass 11, Zehn 10, Neun 9, Acht 8, Sieben 7, König 4, Dame 3.
int kartenPunkte(const karte& c);
int strafPunkte(const hand& h);
// The seat k places on from `seat` in direction richtung (1 upwards, 2 downwards) among n seats.
int folgeSitz(int seat, int k, int richtung, int n);
// Round points per seat 1..n (index s - 1): with positiv the winner gets every seat's card points,
// else each seat loses its own.
std::vector<int> rundenPunkte(const std::vector<hand>& haende, int sieger, bool positiv);
// Whether the match is over after `runden` rounds with the seats' totals konto[1..n].
bool partieEnde(const TMaumau& m, int runden, const int32_t* konto, int n);
// Whether a seat's total reached the points limit (0: none); in the negative mode the loss counts.
bool limitErreicht(bool positiv, int32_t limit, const int32_t* konto, int n);
// Enters seat 1's match total `punkte` into the high scores of game `spielId` (level 2 after more
// than 10 rounds, else 1): the first of places 1..10 whose score it reaches takes it, the places
// below move down. The placing text, or empty when the score is below 1 or below every place.
std::string highscoreEintragen(TCG& g, int spielId, int punkte);
// The option values every new installation starts with.
void standardOptionen(TMaumau& m);
// The option page's role lists: after list `rolle` moved to position p (1..9) in direction
// abwaerts, the position it must take so that no card value has two roles (9 "none" may repeat).
int rollenPosition(const TMaumau& m, int rolle, int p, bool abwaerts);
// The dealer choice (1 "Zufall", k + 1 seat k) after the seat count or the choice changed.
int geberPosition(int wahl, int spieler, bool abwaerts);

// ---- hooks and flow
// Reads the rule page into cg.maumau at a fresh start (the shell fills it; empty: the options
// stay as they are).
extern void (*optionenLesen)();
int sonderKarte(const karte& c);  // rolle of cg.maumau
bool passtAuf(const karte& card, const karte& offen, int alt);
bool spielbar(const TKartenSlot& slot);
bool handOffen(int seat);
void spielSchritt(TCG& g);
void neuesSpiel(bool frisch);
// The game's part of a loaded record: empty when the game can go on from it, else the fault.
std::string blockPruefen(const TCG& g);
void spielLaden();
// What the panel shows while the seats play: one marker per pending draw or sit-out (at most
// eight, of that kind: 31 or 32), else the wished suit (0: none), the direction of play and the
// seat on turn (0: none, also outside the play).
struct Anzeige {
    int marken = 0, markenArt = 0;
    int wunsch = 0;
    int richtung = 0;
    int amZug = 0;
};
Anzeige anzeige(const TCG& g);
void anzeigeAktualisieren(const TCG& g);
// The game's panels hidden (the game ends or is left).
void dialogeSchliessen();
int naechsterSitz(int k);  // the seat k places against the play direction from the seat on turn
karte offeneKarte();

// ---- result and match
void abrechnen(TCG& g);
void abrechnungText(const TGameResult& r, std::string& text);
bool partieEnde();
void limitText(std::string& text);
void highscoreText(std::string& text);

// ---- whole-game runs (soak tests, bench/selfplay)
bool rundeVorbei(const TCG& g);
const TGameResult& letztesErgebnis();
// Every card of the packs exactly once on the table while no card is in flight.
bool kartenErhalten(std::string& warum);
// Answers that the flow refused as not allowed (a computer player must never give one).
int abgewiesen();
void abgewiesenLoeschen();
// A rule option by its page name; false for an unknown name.
bool optionSetzen(const std::string& name, int wert);

void anmelden();

}  // namespace maumau

namespace maumauki {
// b fits on a: b is the wish card, or has a's value or a's suit.
bool passt(const karte& a, const karte& b);
// The suit (1..4) of which the seat holds the most cards that are not wish cards; the later suit
// wins ties.
int wunschFarbe(const hand& h);
// Scores of the candidate cards (slots of the seat's hand that may be laid), as the computer
// player weighs them; used by kiTick and its tests.
struct Lage {
    hand eigene{};               // the seat's cards
    std::vector<int> kandidaten;  // slots that fit
    int naechsterAnz = 0;        // cards of the next seat in play direction
    int vorigerAnz = 0;          // cards of the seat that played before
    int ueberspringAnz = 99;     // cards of the seat a sit-out card would reach
    karte offen{};
    hand ablage{};  // discard pile
    hand rest{};    // talon and the other seats' hands
};
std::vector<float> bewerten(const Lage& l);
// The candidate to lay: index into l.kandidaten, or -1 to draw / press the first button.
int waehlen(const Lage& l, const std::vector<float>& punkte);
void kiTick();
}  // namespace maumauki
