// The preflop win-chance table: for every pair of hole-card ranks, suited or not, and two to
// seven players, the share of hands such a start wins (ties count as won). Read once from
// data/pfp.txt; computed by the generator of tools/poker with the simulation below.
#pragma once
#include <cstdint>
#include <filesystem>

#include "core/karten.h"

namespace holdem {

constexpr int kPreflopBytes = 2028;
extern uint8_t PreflopTable[kPreflopBytes];

// 1..13 for 2 .. As from a value code of the 52-card deck; 0 outside 1..13.
int preflopRankIndex(int t);
// The table's byte offset of a cell (rank indexes 1..13, players 2..7).
int preflopOffset(int r, int k, bool suited, int players);
// Reads the program folder's data/pfp.txt whole; false (table unchanged) when it is missing or
// not exactly 2,028 bytes.
bool loadPreflopTable(const std::filesystem::path& appDir);
// The table's value for two hole cards and 2..7 players; 0 outside the table.
float preflopWinChance(const karte& a, const karte& b, int players);

// The simulated share for hole ranks r, k (indexes 1..13) against 1..6 opponents: deals random
// opponents' cards and a board from the rest of the deck, `deals` times with a fixed seed;
// chance[o - 1] for o opponents (a hand is won when no opponent beats it).
void preflopSimulation(int r, int k, bool suited, int deals, uint64_t seed, double (&chance)[6]);
// The whole table by simulation.
void preflopBerechnen(int deals, uint64_t seed, uint8_t (&table)[kPreflopBytes]);

}  // namespace holdem
