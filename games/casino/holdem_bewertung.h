// Poker hands: the best hand in a list of cards as a comparable value, the comparison of two
// values and the caption name of a value. Pure routines over card lists; the only state read is
// the wording options of the running poker game (German terms, rank-name style).
#pragma once
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
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

// Rank of each value code 0..14 in poker order (0: no card).
inline constexpr int kPokerRang[15] = {0, 14, 15, 16, 18, 19, 20, 17, 21, 9, 10, 11, 12, 13, 22};

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
const Staerketabellen* baueStaerketabellen();
inline const Staerketabellen& staerketabellen() {
    static const Staerketabellen* const t = baueStaerketabellen();
    return *t;
}

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

// ---- evaluateHand's fast path: inline, so that a caller's evaluations overlap ----

// A card's part of a Kartensumme, found by the card's first two bytes as they lie in memory
// (value code, suit) with all but the low four bits of the code and the low three of the suit
// masked off: its rank counts and its bit among the suits' ranks. Only the 52 entries of the
// deck are ever read in play. Anything outside the deck counts in bits 40..47, which real cards
// never reach.
struct KartenTeil {
    uint64_t zaehler;
    uint64_t bit;
};
inline constexpr uint32_t kKartenTeilMaske = 0x070F;
inline constexpr std::array<KartenTeil, kKartenTeilMaske + 1> kKartenTeil = [] {
    std::array<KartenTeil, kKartenTeilMaske + 1> x{};
    for (auto& k : x) k = {uint64_t{1} << 40, 0};
    for (int t = 1; t <= 13; ++t)
        for (int f = 1; f <= 4; ++f)
            x[static_cast<size_t>(t | f << 8)] = {
                kKartenZaehler[static_cast<size_t>((kPokerRang[t] - 9) * 4 + f - 1)],
                uint64_t{1} << (16 * (f - 1) + kPokerRang[t] - 9)};
    return x;
}();

// Two tie keys from one byte of rank nibbles (high nibble first): a nibble is a rank index
// plus one (2 = 1 .. As = 13), the key its rank in the card order (9 .. 21), 0 for 0.
inline constexpr std::array<uint64_t, 256> kZweiKeys = [] {
    std::array<uint64_t, 256> x{};
    for (uint32_t b = 0; b < 256; ++b) {
        const uint32_t hi = b >> 4, lo = b & 15;
        x[b] = uint64_t{hi ? hi + 8 : 0} | uint64_t{lo ? lo + 8 : 0} << 32;
    }
    return x;
}();

// The tie keys 1..6 of evaluateHand for a value of staerke(), as six rank nibbles in key order.
inline uint32_t keyNibbles(uint32_t w) {
    const uint32_t kat = w >> 20;
    if ((1u << kStraight | 1u << kStraightFlush | 1u << kRoyalFlush) >> kat & 1u) {
        // a straight is known by its top card; the matcher takes the wheel 5-4-3-2-As, which
        // gives the keys As, 5, 3, 2, As
        const uint32_t spitze = (w >> 16) & 15;
        return spitze == 4 ? 0xD421D0u : spitze * 0x111110u - 0x012340u;
    }
    // High Card, Pair, Three and Four Of A Kind leave the second key 0 (a select, not a branch:
    // random hands fall on both sides)
    const uint32_t luecke =
        (1u << kHighCard | 1u << kPair | 1u << kThreeOfAKind | 1u << kFourOfAKind) >> kat & 1u;
    const uint32_t maske = 0u - luecke;
    return (((w & 0xF0000u) << 4 | (w & 0xFFFFu)) & maske) | (((w & 0xFFFFFu) << 4) & ~maske);
}

// The value of up to seven distinct cards of the 52-card deck (the common case of play) without
// the best five; false for anything else, which the matcher evaluates.
[[gnu::always_inline]] inline bool evaluateFast(const hand64& c, HandValue& v) {
    const int n = c.anz;
    if (n < 1 || n > 7) return false;
    // The bits of distinct cards add up to what they give together: a card twice carries.
    Kartensumme s;
    uint64_t summe = 0;
    uint32_t roh = 0;
    auto nimm = [&](int i) {
        uint32_t x;  // value code in the low byte, suit in the next
        std::memcpy(&x, &c.k[i], 4);
        roh |= x;
        const KartenTeil& k = kKartenTeil[x & kKartenTeilMaske];
        s.zaehler += k.zaehler;
        summe += k.bit;
        s.farben |= k.bit;
    };
    switch (n) {  // card by card without a loop's count
        case 7:
            nimm(6);
            [[fallthrough]];
        case 6:
            nimm(5);
            [[fallthrough]];
        case 5:
            nimm(4);
            [[fallthrough]];
        case 4:
            nimm(3);
            [[fallthrough]];
        case 3:
            nimm(2);
            [[fallthrough]];
        case 2:
            nimm(1);
            [[fallthrough]];
        default:
            nimm(0);
    }
    // value codes of 16 and more, suits of 8 and more
    if ((roh & 0xF8F0u) | (summe ^ s.farben) | (s.zaehler & (uint64_t{0xFF} << 40))) return false;
    const uint32_t w = staerke(s, staerketabellen());
    const auto kat = static_cast<uint8_t>(w >> 20);
    const uint32_t u = keyNibbles(w);
    // the record is packed and may lie at any address: whole fields by memcpy, two keys a store
    auto* r = reinterpret_cast<unsigned char*>(&v);
    const int32_t nummer = kat;
    const uint64_t zwei[3] = {kZweiKeys[u >> 16], kZweiKeys[(u >> 8) & 0xFF], kZweiKeys[u & 0xFF]};
    const int32_t letzter = 0;
    const int16_t keineKarten = 0;
    r[offsetof(HandValue, category)] = kat;
    std::memcpy(r + offsetof(HandValue, bestFive) + offsetof(hand64, anz), &keineKarten, 2);
    std::memcpy(r + offsetof(HandValue, categoryNumber), &nummer, 4);
    std::memcpy(r + offsetof(HandValue, keys), &zwei[0], 8);
    std::memcpy(r + offsetof(HandValue, keys) + 8, &zwei[1], 8);
    std::memcpy(r + offsetof(HandValue, keys) + 16, &zwei[2], 8);
    std::memcpy(r + offsetof(HandValue, keys) + 24, &letzter, 4);
    return true;
}

[[gnu::always_inline]] inline void evaluateHand(const hand64& cards, bool wantBestFive, HandValue& result) {
    if (!wantBestFive && evaluateFast(cards, result)) return;
    evaluateHandReference(cards, wantBestFive, result);
}

// 1: a is better, 2: b is better, 0: equal.
inline int compareHandValues(const HandValue& a, const HandValue& b) {
    const int32_t ca = a.categoryNumber, cb = b.categoryNumber;
    if (ca != cb) return ca > cb ? 1 : 2;
    // straights are ranked from the second key on: it puts 5-4-3-2-As below 6-5-4-3-2
    const bool strasse = ca == kStraight || ca == kStraightFlush || ca == kRoyalFlush;
    for (int i = strasse ? 1 : 0; i < 7; ++i) {
        const int32_t x = a.keys[i], y = b.keys[i];
        if (x != y) return x > y ? 1 : 2;
    }
    return 0;
}
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
