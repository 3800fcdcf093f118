// Poker hands: the best hand in a list of cards as a comparable value, the comparison of two
// values and the caption name of a value. Pure routines over card lists; the only state read is
// the wording options of the running poker game (German terms, rank-name style).
#pragma once
#include <array>
#include <bit>
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
// ---- the fast evaluation, one for the game and the computer player ----
// Up to seven distinct cards of the 52-card deck, as indexes 0..51 (rank 0 = 2 .. 12 = As, times 4,
// plus the suit 0..3), are added into a Kartensumme; staerke() gives the value of the best five in
// one number: the category times 2^20, then the ranks of evaluateHand's tie keys in their order,
// four bits each (2 = 1 .. As = 13; 0 where the cards run out; a straight only by its top card, the
// 5 for the wheel). A larger number is a better hand, an equal one a split.
struct Kartensumme {
    uint64_t zaehler = 0;  // rank counts as two base-5 numbers (2..8, 9..As), suit counts in the top nibbles
    uint64_t farben = 0;   // the ranks held in each suit, 16 bits a suit
};

constexpr int kRangSchluesselLo = 78125;  // 5^7: the counts of the ranks 2..8
constexpr int kRangSchluesselHi = 15625;  // 5^6: the counts of the ranks 9..As
constexpr int kRangMuster = 76155;        // rank count patterns of up to seven cards

// Built on first use, from the values of evaluateHand's definition (a few milliseconds).
struct Staerketabellen {
    // A count pattern's place in `werte` is basis[high ranks] + dicht[low ranks]: the patterns are
    // laid out by their high ranks, each block holding the low patterns that still fit in seven cards.
    std::array<uint16_t, kRangSchluesselLo> dicht;
    std::array<uint32_t, kRangSchluesselHi> basis;
    std::array<uint32_t, kRangMuster> werte;
    std::array<uint32_t, 8192> flush;  // by the rank mask of a suit with five or more cards
};
const Staerketabellen& staerketabellen();

constexpr std::array<uint64_t, 52> kKartenZaehler = [] {
    std::array<uint64_t, 52> z{};
    for (int i = 0; i < 52; ++i) {
        const int r = i / 4;
        uint64_t p = 1;
        for (int j = 0; j < (r < 7 ? r : r - 7); ++j) p *= 5;
        z[static_cast<size_t>(i)] = (r < 7 ? p : p << 20) | uint64_t{1} << (48 + 4 * (i % 4));
    }
    return z;
}();

inline void dazu(Kartensumme& s, int index) {
    s.zaehler += kKartenZaehler[static_cast<size_t>(index)];
    s.farben |= uint64_t{1} << (16 * (index & 3) + (index >> 2));
}

// The value of the ranks alone: right for any cards in which no suit holds five.
inline uint32_t rangStaerke(uint64_t zaehler, const Staerketabellen& t) {
    return t.werte[t.basis[(zaehler >> 20) & 0x3FFF] + t.dicht[zaehler & 0x1FFFF]];
}

inline uint32_t staerke(const Kartensumme& s, const Staerketabellen& t) {
    // a suit count of five or more carries into the nibble's top bit
    const auto voll = static_cast<unsigned>(((s.zaehler >> 48) + 0x3333u) & 0x8888u);
    if (voll) return t.flush[(s.farben >> ((std::countr_zero(voll) >> 2) * 16)) & 0x1FFF];
    return rangStaerke(s.zaehler, t);
}

inline int staerkeKategorie(uint32_t w) { return static_cast<int>(w >> 20); }

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
