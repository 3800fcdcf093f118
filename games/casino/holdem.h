// Texas Hold'em: the match of two to six seats with rising blinds, the betting rounds under No
// Limit, Pot Limit and Split Limit, the showdown with pots and side pots, elimination and the
// end of the match; the seat captions, the options and the texts of the result tables. The
// human plays seat 1; money is casino chips.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "core/cg.h"
#include "games/casino/holdem_regeln.h"

namespace holdem {

constexpr int kTalon = 11;
constexpr int kBoard = 12;

TPokerSitz& sitz(int s);
int anzahl();
int variante();

// Seat helpers.
bool PokerSeatInGame(int s);
bool PokerSeatInHand(int s);
int PokerCountSeatsInGame();
int PokerCountSeatsInHand();
int PokerCountAllInSeats();
int PokerCountOthersWithRaises(int s);
bool PokerOthersAllIn(int s);
int PokerDealerSeat();
int32_t PokerStartCash();
int nextSeat(int steps, bool inHandOnly, bool strict);
int previousSeat(int steps, bool inHandOnly, bool strict);

// The betting situation of a seat now, from which the legal answers follow.
Lage lage(int s);
int32_t chips(int s);

// The flow.
void pokerStep(TCG& g);
void newPokerGame(bool full);
// The game's part of a loaded record: empty when the game can go on from it, else the fault.
std::string blockPruefen(const TCG& g);
void PokerRestoreView();

// Showdown.
void seatSevenCards(int s, hand64& cards);
void determineWinners(const bool (&kandidat)[kSitze + 1]);
void markBestHands();
bool splitPot();
void announcePotWinners(std::string& text);

// End of hand and match.
void PokerRemoveBrokeSeats(bool dryRun);
int PokerCountPlayableSeats();
bool PokerCheckMatchEnd();
int PokerMinOpponentLevel();
void PokerLimitText(std::string& text);
void PokerPotResultText(std::string& text);
void PokerEnterHighscore(std::string& text);

// Captions and wording.
void PokerSeatCaptions();
// The table panel's lines: "Pot: " and "Einsatz: " with the pot and the current bet in the
// chosen currency. The seat captions hand them to the shell each tick (empty: nobody shows them).
std::string PokerPotText();
std::string PokerBetText();
extern void (*panelTexte)(const std::string& pot, const std::string& einsatz);
bool PokerGermanTerms();
float PokerSpeedFactor();
bool PokerSpeedUpActive();
bool PokerRevealSeatCards(int s);
bool PokerRevealAtShowdown(int s);

// Table talk and the aggression measure.
bool PokerTableTalk(int event, int seat, int excitement);
// The computer player's recomputation of a seat's situation (its win probability); empty until
// that player exists, and the stored values stand.
extern void (*situationNeu)(int seat);
bool PokerShowdownComment();
void updateAggression();
void PokerTrace(const std::string& tag);
const std::string& pokerTrace();

// The options page as values: what PokerReadOptions reads. The shell fills it from the page
// (list positions count from 1); tests and self-play set it directly.
struct Optionen {
    int spieler = 5;    // list position: p + 1 seats
    int waehrung = 2;   // 1 cents, 2 euros, 3 dollars
    int startGeld = 2;  // 1: 100, 2: 200, else 500
    int blinds = 1;     // 1: 2, 2: 4, else 10
    int intervall = 3;  // 1 never, 2: 7, 3: 10, 4: 15, 5: 20, 6: 25, else 30 hands
    int tempo = 1;      // 1..3
    bool abkuerzungen = true;
    bool englisch = false;
};
extern Optionen optionen;
extern void (*optionenLesen)(Optionen& o);
// Writes the record's options back onto the page (the shell installs it; empty: nothing).
extern void (*optionenSchreiben)();
void PokerReadOptions();

// The three preset boxes of the options page: the last checked one wins. A preset sets the
// list positions below (six seats and 200 start cash for each); false when no box is checked.
struct Vorwahl {
    int spieler = 5, startGeld = 2, waehrung = 2, blinds = 1, variante = 3, intervall = 3;
};
bool PokerPreset(const bool (&boxen)[3], Vorwahl& v);
// The record holds the first preset: No Limit, 6 seats, euro chips, every 10 hands, big blind 2,
// start cash 200.
bool PokerMatchesFirstPreset();
// The list texts that follow the currency (1 cents, 2 euros, 3 dollars), which becomes the
// record's: the start cash 100, 200, 500 and the blinds (2, 1), (4, 2), (10, 5) as
// "<big> (B), <small> (S)".
std::array<std::string, 3> PokerStartCashTexts(int waehrung);
std::array<std::string, 3> PokerBlindsTexts(int waehrung);
// The abbreviation box's caption, with the example in the chosen wording.
std::string PokerAbbreviationCaption(bool deutsch);

// The automatic play of the main form and of self-play: a broke seat 1 leaves like any other
// instead of ending the match, the cards are not laid open by sliding.
extern bool automatik;

// Game-core entry points.
bool partieEnde();
// The last hand ended the match (as the result table was told).
bool partieVorbei();
bool handVorbei(const TCG& g);
// The money of seats 1..6, the pot and the areas before the seats (chips at rest).
int64_t tischGeld();
// No chip is queued, flying or waiting to leave its stack.
bool chipsInRuhe();
// Answers refused because the seat could not give them.
extern int abgelehnt;

// The computer seat on turn answers (simple rules, or uniformly among the legal answers for
// level 0).
void kiTick();

void anmelden();

}  // namespace holdem
