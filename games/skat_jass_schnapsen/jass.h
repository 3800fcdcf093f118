// Jass (game id 12), played by two teams of two with 36 cards: the card rules with the trump
// codes and the three no-trump directions, Weis and Stöck, the per-frame phase machine of a
// round (deal, trump choice or pushing it to the partner, nine tricks), the booking towards the
// points goal, the match end and the high score, and the hooks the game core and the table call.
#pragma once
#include <cstdint>
#include <string>

#include "core/cg.h"
#include "core/spiele.h"
#include "core/spielliste.h"

namespace jass {

// ---- cards and trump codes
constexpr int kSieben = 1, kAcht = 2, kNeun = 3, kBube = 4, kDame = 5, kKoenig = 6, kZehn = 7, kAss = 8,
              kSechs = 13;
constexpr int kKeinTrumpf = -1, kObenabe = 15, kUndenufe = 16, kSlalom = 17, kSlalomObenabe = 18,
              kSlalomUndenufe = 19;
constexpr int kSchieben = 72;  // the answer code of "Schieben"

// A card order: [suit-1][value-1], the higher number the stronger card.
struct Ordnung {
    int32_t w[4][14] = {};
    int32_t wert(const karte& k) const;
};

// Normal or Undenufe order; trumpfFarbe 1..4 ranks that suit above all others (its Bube and
// Neun on top), any other value ranks no suit as trump.
Ordnung ordnung(bool undenufe, int trumpfFarbe);
// The order of the trick with stichZahl tricks completed before it: Slalom alternates.
bool undenufeImStich(int trumpf, int stichZahl);
Ordnung stichOrdnung(int trumpf, int stichZahl);
bool istTrumpf(const karte& k, int trumpf);
// Card points, fixed for the whole round (Slalom counts as its starting direction).
int kartenPunkte(const karte& k, int trumpf);
int handPunkte(const hand& h, int trumpf);
// The follow rule for card k onto the trick, counted in the hand of the seat on turn.
bool regelPruefen(const karte& k, const hand& handAmZug, const hand& stich, int trumpf, const Ordnung& o);
// The card now winning the trick (its tag names the seat); an empty card for an empty trick.
karte stichBeste(const hand& stich, int trumpf, const Ordnung& o);
bool wuerdeStechen(const karte& k, const hand& stich, int trumpf, const Ordnung& o);
// The playable cards of hand h onto the trick: every card passing the follow rule, or the whole
// hand when none passes.
void legaleKarten(const hand& h, const hand& stich, int trumpf, const Ordnung& o, hand& out);
bool enthalten(const hand& h, const karte& k);
karte hoechsteKarte(const hand& h, const Ordnung& o);

// ---- Weis and Stöck
// The Weis cards of the given value (20, 50, 100, 150, 200) in a dealt hand; returns the length
// of the longest run.
int weisSuchen(const hand& gegeben, int wert, int trumpf, hand& out);
bool hatWeis(const hand& gegeben, int wert, int trumpf);
// Comparison value of a Weis for comparison kind 1..6 (position: the announcement order, kind 4).
int weisSchluessel(const hand& weis, int art, int trumpf, int position);
// The bubble text when a Weis is shown ("Vier Buben", "Vierblatt K D B 10").
std::string weisZeigeText(const hand& weis);
// "Dreiblatt" .. "Neunblatt" by card count.
std::string weisName(int karten);

// ---- flow (the game core's entry points)
void spielSchritt(TCG& g);
void neuesSpiel(bool frisch);
// The game's part of a loaded record: empty when the game can go on from it, else the fault.
std::string blockPruefen(const TCG& g);
void spielLaden();
// Stores the trump (17 becomes 18), sets the order and sorts the human's hand. The final
// choice only: a preview of the choice dialog calls vorschau.
void trumpfSetzen(int code);
// Sorts the human's hand as the trump code would, without touching the game's trump.
void vorschau(int code);
void kartenwerteSetzen(bool undenufe, bool zweiteTabelle, bool ohneTrumpf);
void slalomReihenfolge(bool zweiteTabelle);
int sitzZurueck(int seat, int n);  // the next seat in playing order (-1: the seat on turn)
int sitzVor(int seat, int n);
int partner(int seat);
hand stapelHand(int stack);  // the cards of a stack (1..20) in slot order
// The card points of a stack as decimal text: the label on a seat's pile of tricks.
std::string stapelPunkteText(int stack);
int team(int seat);  // 1 for seats 1 and 3, 2 for seats 2 and 4
// The Stöck test for a card the seat plays, while the card is still in its stack: the first of
// König and Dame of a suit marks the pair, the second earns 20 pending points.
void stoeckPruefen(int seat, const karte& k);
// The Weis entries (cg.jass.weisEintraege) for the seat on turn.
void weisAngebot();
// The game-type name of a trump code (the suit's name in the deck style), Windows-1252.
std::string spieltypName(int code);
// The panel: the trump's or the direction's icon, the turn marker and the teams' points; every
// step and after a load.
void anzeigeAktualisieren();
// Per team the two seat names joined by " + ", ": " and the team's points, one line each.
std::string teamText();
// The panel place (1..4 the suits, 5 a direction) and picture of a trump code; 0 for none.
int symbolFuer(int trumpf, int32_t& textur);
// The shell's score line: shows the text, or hides it for an empty one.
extern void (*punkteZeigen)(const std::string& text);
// The round has ended and its result is booked.
bool rundeVorbei(const TCG& g);
const TGameResult& letztesErgebnis();

// ---- options
struct Optionen {
    int runden = 200, punkte = 1000;
    bool weisen = true, stoecke = true, obenabe = true, undenufe = true, slalom = false;
    int reihenfolge = 1;
};
// Fills the option bytes (the shell reads its page into `seite` first when it has one).
void optionenLesen();
extern bool (*seiteLesen)(Optionen& o);  // the shell's page reader; empty: keep the options
extern Optionen optionen;                // the options a game starts with
int limitZahl(const std::string& text);  // the number before the last blank; 99999 without one
bool optionSetzen(const std::string& name, int wert);

// ---- scoring
int rundenPunkte(int seat, int modus);
int teamPunkte(int t);
bool zielErreicht();
void stoeckBuchen();
void weisBuchen();
void stichBuchen();
void teamNotiz(int t, const std::string& text);
// The booking at the end of a trick (cg.jass.stichGewinner takes cg.jass.stich), in the order of
// the option; the bookings after the one that reaches the goal are skipped. True at the goal.
bool stichEndeBuchen();
// The round's result record (points per seat of the seat's team, the lines of text).
TGameResult rundenErgebnis();
bool partieEnde();
void limitText(std::string& text);
void abrechnungText(const TGameResult& r, std::string& text);
void highscoreText(std::string& text);
// The score list: a header with the two teams, one row per round played (its line and the
// teams' points), the match totals last.
spielliste::Tabelle punkteZeilen();

// ---- whole-game runs
// The 36 cards each exactly once on the table while no card is in flight.
bool kartenErhalten(std::string& warum);
// After a completed round: 157 points of cards and last trick booked (fewer only when the goal
// ended the round early), the round result matches the booking.
bool rundePruefen(std::string& warum);
void zufallsAntwort();  // the yardstick: a uniformly random legal answer

void anmelden();

}  // namespace jass

namespace jasski {
void kiTick();
// A suit 1..4, or 65535 and above to push the choice to the partner.
int trumpfWaehlen(int seat, bool schiebenErlaubt);
// The card of the seat on turn (its stack slot) the computer plays.
int karteWaehlen();
int gewinnKarteSuchen();
int billigsteStechkarte();
int wertlosePassendeKarte();
}  // namespace jasski
