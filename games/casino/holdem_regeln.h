// Texas Hold'em rules as pure routines: the division of the pot and side pots, the betting
// limits of the three variants, the answers a seat may give, the rise of the blinds.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "games/casino/holdem_bewertung.h"

namespace holdem {

constexpr int kSitze = 6;

// Answer codes of a seat (value 2 of the action; a raise carries its amount in value 1).
enum Antwort : int {
    kCheck = 42,
    kFold = 43,
    kCall = 99,
    kRaise = 100,
    kAllIn = 101,
};

// ---- the pot ----
struct PotSitz {
    uint8_t zustand = 0;  // 1 in the hand, 2 folded, 0 out
    int32_t gesetzt = 0;  // put into the pot in this hand
    HandValue wert{};     // the seat's best hand (read for seats in the hand)
};
struct PotAnteil {
    bool gewinnt = false;
    int32_t potNummer = 0;  // the first pot won: 1 main pot, 2.. side pots
    int32_t betrag = 0;
};
// Divides the whole pot: the main pot goes to the best hands among all seats in the hand, each
// side pot to the best among the seats still having money in it; folded seats pay but never win.
// A split shares every payer's part equally; the odd chips of a split go to the last winner in
// seat order. Shares are kept in sixtieths of a chip, so every split of up to six is exact and the
// amounts always add up to the pot. Seats 1..6 at [0..5].
void splitPot(const PotSitz (&sitze)[kSitze], PotAnteil (&anteile)[kSitze]);

// ---- betting ----
enum Variante : int { kNoLimit = 0, kPotLimit = 1, kSplitLimit = 2 };

struct Lage {
    int variante = kNoLimit;
    int32_t chips = 0;    // the seat's chips (not yet in the pot)
    int32_t gesetzt = 0;  // the seat's set in this hand
    int32_t einsatz = 0;  // current bet: the highest set
    int32_t minErhoehung = 0;
    int32_t limitStufe = 0;  // Split Limit's step
    int32_t pot = 0;
    int32_t erhoehungenRunde = 0;
    bool preflop = false;
    bool allIn = false;  // the seat is all in already
};
struct Freiheit {
    int32_t maxErhoehung = 0;
    bool kannMitgehen = false;
    bool kannErhoehen = false;
    bool allInErlaubt = false;
};
// What a seat may do when its turn begins.
Freiheit freiheit(const Lage& l);
int32_t maxErhoehung(int variante, int32_t limitStufe, int32_t pot);

struct Zug {
    int code = kFold;
    int32_t betrag = 0;  // raise amount on top of the call
};
// Every answer the seat may give; a raise is listed with its smallest and its largest amount
// (all amounts between are legal too).
std::vector<Zug> erlaubteZuege(const Lage& l);
bool erlaubt(const Lage& l, const Zug& z);

// The big blind after a hand: it rises every `intervall` hands while some seat can still pay
// twice the blind, doubling while it is below half the start cash, else by half the start cash.
int32_t nextBigBlind(int32_t bigBlind, int32_t startGeld, int32_t haende, int32_t intervall,
                     bool zweiBlindsDa);

// The text of a poker high-score value: place, hands and the weakest opponent's level.
void formatHighscoreEntry(int32_t score, std::string& text);

}  // namespace holdem
