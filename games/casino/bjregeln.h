// The rules of Black Jack (52-card deck) and of "17 und 4" (32-card deck) as plain routines over
// explicit inputs: card and hand values, naturals, the dealer's rule, bets and payouts.
#pragma once
#include <cstdint>
#include <string>

#include "core/karten.h"

namespace bjregeln {

// Points of a card by its value code; the As 11, or 1 with aceLow (52-card deck only).
int kartenWert(int t, bool aceLow, bool kurz);

// A hand's value. Mode -1: one As counts 11 while the total stays at most 21, the others 1;
// mode 1: every As 1. In the 32-card deck two aces alone are 21 and an As never counts 1.
int handWert(const karte* k, int n, int mode, bool kurz);
// Two cards worth 21 (52-card deck only).
bool istNatural(const karte* k, int n, bool kurz);
// Exactly two aces (32-card deck only).
bool zweiAsse(const karte* k, int n, bool kurz);
// A 17 that counts an As as 11.
bool weicheSiebzehn(const karte* k, int n, bool kurz);
// The dealer of the 52-card deck draws to 16 and, with the option, on a soft 17.
bool dealerZieht(const karte* k, int n, bool soft17);

// The bet a seat can make: within minimum and maximum and its chips; -1 when it cannot pay the
// minimum.
int32_t clampBet(int32_t bet, int32_t minimum, int32_t maximum, int32_t chips);
// The choices of the rule page's bet lists, index 1..5; any other index gives the default.
int32_t minBetStep(int index, bool kurz, int32_t standard);
int32_t maxBetStep(int index, bool kurz, int32_t standard);
// What a winning seat receives besides its bet: a natural pays 3 to 2 (rounded down), two aces
// with the option twice the bet, any other win the bet.
int32_t gewinn(int32_t bet, bool natural, bool zweiAsseDoppelt, bool zweiAsse);
// The round limit from the chosen list text: the number before the first blank, "Keine
// Grenze" 200, a text without a blank 99999.
int32_t rundenLimit(const std::string& text);

// Hi-Lo value of a card for the computer player's count: 2..6 +1, 7..9 0, the rest -1.
int zaehlWert(int t);

}  // namespace bjregeln
