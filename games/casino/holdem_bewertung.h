// Poker hands: the best hand in a list of cards as a comparable value, the comparison of two
// values and the caption name of a value. Pure routines over card lists; the only state read is
// the wording options of the running poker game (German terms, rank-name style).
#pragma once
#include <cstdint>
#include <string>

#include "core/karten.h"

namespace holdem {

#pragma pack(push, 1)
struct HandValue {
    uint8_t category;  // 1 High Card .. 10 Royal Flush; 0 for an empty list
    hand64 bestFive;   // only filled when asked for
    int32_t categoryNumber;
    int32_t keys[7];  // ranks that break ties, 0 where a category has fewer
};
#pragma pack(pop)

struct HandPattern {
    uint8_t category = 0;
    int32_t needed = 0;
    uint8_t twoGroups = 0;
    int32_t group1 = 0;
    int32_t group2 = 0;
    uint8_t straight = 0;
    uint8_t sameRank = 0;
    uint8_t sameSuit = 0;
    uint8_t aceFirst = 0;
};

enum Kategorie : uint8_t {
    kHighCard = 1,
    kPair = 2,
    kTwoPairs = 3,
    kThreeOfAKind = 4,
    kStraight = 5,
    kFlush = 6,
    kFullHouse = 7,
    kFourOfAKind = 8,
    kStraightFlush = 9,
    kRoyalFlush = 10,
};

// Value codes of the 52-card deck: 1..8 = 7, 8, 9, Bube, Dame, König, 10, As; 9..13 = 2..6.
constexpr int kAs = 8;

// The poker card order (2 -> 9 .. As -> 21, code 14 -> 22), the same for all suits.
int cardRank(const karte& k);
// Fills the shared card order table with the poker order (start and restore of a game).
void PokerCardOrder();
karte rankToCard(int rank);
int nthDistinctRank(const hand64& cards, int n);
int straightPredecessor(int t);
void handPattern(int category, HandPattern& p);

void evaluateHand(const hand64& cards, bool wantBestFive, HandValue& result);
// The evaluation by the pattern matcher alone: the definition of every value, which the fast
// path for up to seven distinct cards must match key for key.
void evaluateHandReference(const hand64& cards, bool wantBestFive, HandValue& result);
// 1: a is better, 2: b is better, 0: equal.
int compareHandValues(const HandValue& a, const HandValue& b);
int compareHands(const hand64& a, const hand64& b);

// The caption text; wording from the running game's options unless given.
void handName(const HandValue& v, std::string& text);
void handName(const HandValue& v, std::string& text, bool deutsch, int nameOption);

// Small helpers of the card lists.
void leeren(hand64& h);
void anhaengen(hand64& h, const karte& k);
// The sorted copy, highest rank first (stable for equal ranks).
void sortiert(const hand64& in, hand64& out);

}  // namespace holdem
