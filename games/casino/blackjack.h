// Black Jack and "17 und 4": the seats' records in the central record, the round flow (bets,
// deal, the seats' decisions, the dealer, showdown, payment and collecting the cards), the
// settlement, the end of a series, the high score and the restore of a saved game. Up to six
// seats play against a dealer who is one of them; money is casino chips.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/cg.h"

struct TSpieler;

namespace blackjack {

// The seat record the running code works on (the step's view while it runs).
TBlackjackSitz& sitz(int s);
int anzahl();
bool kurz();  // the 32-card deck of 17 und 4

// Hand and card state of a seat's stack.
int handWert(int s, int mode);
bool BlackJackIsNatural(int s);
bool zweiAsse(int s);
bool weicheSiebzehn(int s);
bool BlackJackCardFaceUp(int s, int nr);
int BlackJackLastHiddenCard(int s);
bool BlackJackCanDouble();
int32_t BlackJackClampBet(int32_t bet);
// The five entries of the rule page's minimum or maximum bet list, the very steps the game
// reads (`bjregeln::minBetStep`), in the page's currency (1 cents, 2 euros, 3 dollars).
std::vector<std::string> BlackJackBetTexts(bool hoechst, bool kurz, int waehrungListe);
std::string BlackJackHandText(int s);
std::string BlackJackHandTextDative(int s);

bool BlackJackSeatActive(int s);
int BlackJackCountActiveSeats();
int BlackJackCountPlayableSeats();
int BlackJackMinOpponentLevel();
void BlackJackRemoveBrokeSeats(bool dryRun);
bool BlackJackCheckGameEnd();
void BlackJackEnterHighscore(std::string& text);
void BlackJackStatText(std::string& text);
void BlackJackPlaceSeatPile(TSpieler& s);

// The rule page as the options: what BlackJackReadOptions reads. The shell fills it from the
// rule page (chooser indexes count from 1); tests and self-play set it directly.
struct Optionen {
    int spieler = 4;  // chooser index + 1
    std::string runden = "50 Runden";
    int waehrung = 2;    // 1 euros and cents, 3 dollars, else euros
    int startGeld = 1;   // 1 -> 100, 2 -> 200, else 500
    int minEinsatz = 1;  // list index 1..5
    int maxEinsatz = 3;
    int zweiteKarte = 2;  // 1 all face up, 2 the dealer's face down, 3 all face down
    bool naturalDealer = false;
    bool keinSoft17 = true;  // "Dealer zieht bei "Soft 17" (As und 6) keine weitere Karte"
    bool verdoppeln = true;
    int dealerWechsel = 1;  // 17 und 4: 1 only when broke, 2 every 3, 3 every 5, 4 every 10 rounds
    bool zweiAsseDoppelt = true;
    bool mischen = false;
    int decks = 1;  // 1..3
};
extern Optionen optionen[2];  // [0] Black Jack, [1] 17 und 4
// Where the rule page is read from; the shell installs its reader (empty: optionen as set).
extern void (*optionenLesen)(Optionen& o, bool kurz);
void BlackJackReadOptions();

// The shell's game state: the round is settled and waits for the score sheet's "Weiter"
// (state 2). Empty: nothing is paused, and the round simply stops at its end.
extern void (*spielAktivSetzen)(uint8_t zustand);

// The automatic play of the main form (and of self-play): a broke seat 1 leaves like any
// other instead of ending the series.
extern bool automatik;

// Game-core entry points.
void spielSchritt(TCG& g);
void rundeStarten(bool neueSerie);
// The game's part of a loaded record: empty when the game can go on from it, else the fault.
std::string blockPruefen(const TCG& g);
void BlackJackRestoreView();
bool partieEnde();
void limitText(std::string& text);

// The round is settled and waits for the next one.
bool rundeVorbei(const TCG& g);
// The money of seats 1..n and their bet boxes (chips at rest), the table's invariant.
int64_t tischGeld();

// The shell's event hook while Black Jack runs: it accepts every event.
bool BlackJackEventHook(int code);
// The four bet buttons of the bet dialog changed the proposal by d (+2, -2, +8, -8 in Black
// Jack, +1, -1, +5, -5 in 17 und 4); the shell calls this with the button's index 0..3.
void einsatzKnopf(int knopf);

// Registers the game with the game core, the decision dialogs, the table engine, the result
// tables, the high scores and the saved games. Call again after anything resets those tables.
void anmelden();

}  // namespace blackjack
