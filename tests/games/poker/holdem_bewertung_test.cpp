#include "games/casino/holdem_bewertung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <unordered_map>
#include <vector>

#include "games/poker/holdem_karten.h"
#include "games/poker/holdem_schlicht.h"
#include "platform/text.h"

using holdem::HandValue;
using pokertest::handAus;

namespace {

// Ranks: 2 -> 9 .. 9 -> 16, T 17, J 18, Q 19, K 20, A 21.
struct Fall {
    const char* karten;
    int kategorie;
    std::array<int, 7> keys;
};

TEST(HoldemEvaluator, EdgeCasesGiveTheCategoryAndTieKeys) {
    const Fall faelle[] = {
        {"", 0, {0, 0, 0, 0, 0, 0, 0}},
        {"Kh", 1, {20, 0, 0, 0, 0, 0, 0}},
        {"Ah 2c 3d 4s 5h", 5, {21, 12, 10, 9, 21, 0, 0}},  // the wheel: As last
        {"2c 3d 4s 5h 6c", 5, {13, 12, 11, 10, 9, 0, 0}},
        {"Ah 2c 3d 4s 5h 6c Kd", 5, {13, 12, 11, 10, 9, 0, 0}},   // six high beats the wheel
        {"9c Tc Jd Qs Ks Kh 2d", 5, {20, 19, 18, 17, 16, 0, 0}},  // the pair does not break it
        {"Ac Ad Kc Kd Qc Qd 2s", 3, {21, 20, 19, 0, 0, 0, 0}},    // three pairs: the third kicks
        {"Ac Ad Kc Kd Kh 2c 2d", 7, {20, 21, 0, 0, 0, 0, 0}},     // kings full of aces
        {"Kc Kd Kh Qc Qd Qh 2s", 7, {20, 19, 0, 0, 0, 0, 0}},     // two threes
        {"Ah Kh 9h 7h 4h 2h", 6, {21, 20, 16, 14, 11, 0, 0}},
        {"Ah Kh 9h 7h 4h 3h 2h", 6, {21, 20, 16, 14, 11, 0, 0}},
        {"Ah Kh Qh Jh Th 9h", 10, {21, 20, 19, 18, 17, 0, 0}},
        {"Ad 2d 3d 4d 5d Kc", 9, {21, 12, 10, 9, 21, 0, 0}},
        {"7c 7d 7h 7s Ac Kd 2s", 8, {14, 0, 21, 0, 0, 0, 0}},
        {"Jc Jd Jh 9s 4c 3d 2s", 4, {18, 0, 16, 11, 0, 0, 0}},
        {"8c 8d Ah Ts 6c 3d 2s", 2, {15, 0, 21, 17, 13, 0, 0}},
        {"Ac Jd 9h 7s 5c 3d 2s", 1, {21, 0, 18, 16, 14, 12, 0}},
        {"Ac Ad 4c 4d Kh", 3, {21, 11, 20, 0, 0, 0, 0}},
        {"9s 9d", 2, {16, 0, 0, 0, 0, 0, 0}},
        {"9c Tc 3d Jc Ad 7c 4c", 6, {18, 17, 16, 14, 11, 0, 0}},  // the flush's suit is not the top card's
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.karten);
        // the fast evaluation and the pattern matcher alike
        for (auto* bewerten : {&holdem::evaluateHand, &holdem::evaluateHandReference}) {
            HandValue v;
            bewerten(handAus(f.karten), false, v);
            EXPECT_EQ(v.category, f.kategorie);
            EXPECT_EQ(v.categoryNumber, f.kategorie);
            for (int i = 0; i < 7; ++i) EXPECT_EQ(v.keys[i], f.keys[i]) << "key " << i + 1;
        }
    }
}

TEST(HoldemEvaluator, BestFiveTakesThePatternThenTheHighestRest) {
    struct B {
        const char* karten;
        const char* beste;
    };
    const B faelle[] = {
        {"Ac Ad Kc Kd Kh 2c 2d", "Kc Kd Kh Ac Ad"},
        {"Ah 2c 3d 4s 5h Kd Kc", "5h 4s 3d 2c Ah"},
        {"8c 8d Ah Ts 6c 3d 2s", "8c 8d Ah Ts 6c"},
        {"Ah Kh 9h 7h 4h 3h 2h", "Ah Kh 9h 7h 4h"},
    };
    for (const auto& f : faelle) {
        HandValue v;
        holdem::evaluateHand(handAus(f.karten), true, v);
        EXPECT_EQ(pokertest::text(v.bestFive), f.beste) << f.karten;
    }
}

TEST(HoldemEvaluator, ComparisonOrdersHandsAndFindsSplits) {
    struct C {
        const char* a;
        const char* b;
        int ergebnis;
    };
    const C faelle[] = {
        {"2c 3d 4s 5h 6c", "Ah 2c 3d 4s 5h", 1},              // six high over the wheel
        {"Ah 2c 3d 4s 5h", "Kc Kd Ah Qs 9c", 1},              // the wheel still beats a pair
        {"Ac Kd Qh Js 9c", "Ad Kh Qs Jc 9d", 0},              // a split
        {"Ah Kh 9h 7h 4h 2h", "Ah Kh 9h 7h 4h 3h 2h", 0},     // sixth and seventh card do not count
        {"Ac Ad Kc Kd Qc Qd 2s", "Ah As Kh Ks Jc Td 9d", 1},  // third pair kicks
        {"Kc Kd Kh Ac Ad", "Kc Kd Kh Qc Qd", 1},
        {"Th Jh Qh Kh Ah", "9d Td Jd Qd Kd", 1},
        {"7c 7d 7h 7s 2c", "7c 7d 7h 7s 3c", 2},
        {"8c 8d Ah Ts 6c", "8h 8s Ad Tc 5c", 1},
        {"Ac Jd 9h 7s 5c", "Ac Jd 9h 7s 4c", 1},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.a) + " / " + f.b);
        EXPECT_EQ(holdem::compareHands(handAus(f.a), handAus(f.b)), f.ergebnis);
        const int umgekehrt = f.ergebnis == 0 ? 0 : 3 - f.ergebnis;
        EXPECT_EQ(holdem::compareHands(handAus(f.b), handAus(f.a)), umgekehrt);
    }
}

TEST(HoldemEvaluator, NamesFollowTheWordingOptions) {
    struct N {
        const char* karten;
        bool deutsch;
        int option;
        const char* name;
    };
    const N faelle[] = {
        {"Kc Kd 5h 5s 2c", true, 2, "Zwei Paare (K,5)"},
        {"Kc Kd 9h 5s 2c", false, 2, "Pair (K)"},
        {"Ac Ad Ah Tc Td", true, 3, "?Full House (Asse,10er)"},
        {"6c 6d 6h Tc Td", false, 3, "?Full House (6es,10s)"},
        {"Ah 2c 3d 4s 5h", true, 3, "?Straße (5)"},
        {"Ah 2c 3d 4s 5h", false, 2, "Straight (5)"},
        {"Ac Jd 9h 7s 5c", true, 0, "Höchste Karte"},
        {"Tc Td Th 5s 2c", true, 2, "Drilling (10)"},
        {"Qc Qd Qh Qs 2c", false, 3, "?Four Of A Kind (Queens)"},
        {"Th Jh Qh Kh Ah", true, 2, "Royal Flush (A)"},
    };
    for (const auto& f : faelle) {
        HandValue v;
        holdem::evaluateHand(handAus(f.karten), false, v);
        std::string t;
        holdem::handName(v, t, f.deutsch, f.option);
        EXPECT_EQ(text::toUtf8(t), f.name) << f.karten;
    }
}

TEST(HoldemEvaluator, StraightPredecessorWalksDownAndWrapsToTheAce) {
    // 2 3 4 5 6 7 8 9 10 J Q K A as value codes
    const int folge[] = {9, 10, 11, 12, 13, 1, 2, 3, 7, 4, 5, 6, 8};
    for (int i = 1; i < 13; ++i) EXPECT_EQ(holdem::straightPredecessor(folge[i]), folge[i - 1]);
    EXPECT_EQ(holdem::straightPredecessor(9), 8);
    EXPECT_EQ(holdem::straightPredecessor(14), 0);
    EXPECT_EQ(holdem::straightPredecessor(0), 0);
}

TEST(HoldemEvaluator, AllFiveCardHandsCountAndOrderAsKnown) {
    // value code of rank 2..14 (2 .. As)
    const uint8_t code[15] = {0, 0, 9, 10, 11, 12, 13, 1, 2, 3, 7, 4, 5, 6, 8};
    // Every hand of one plain rank must get the same value; the 7,462 plain ranks, in order,
    // must get strictly rising values.
    std::unordered_map<uint32_t, HandValue> wert;
    wert.reserve(8000);
    int64_t anzahl[11] = {};
    int abweichend = 0;
    hand64 h{};
    h.anz = 5;
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
            for (int c = b + 1; c < 52; ++c)
                for (int d = c + 1; d < 52; ++d)
                    for (int e = d + 1; e < 52; ++e) {
                        const int idx[5] = {a, b, c, d, e};
                        int r[5], f[5];
                        for (int i = 0; i < 5; ++i) {
                            r[i] = idx[i] / 4 + 2, f[i] = idx[i] % 4;
                            h.k[i] = karte{code[r[i]], static_cast<uint8_t>(f[i] + 1), 0};
                        }
                        HandValue v;
                        holdem::evaluateHand(h, false, v);
                        ++anzahl[v.category];
                        const auto [it, neu] = wert.try_emplace(pokertest::schlicht(r, f), v);
                        if (!neu && holdem::compareHandValues(it->second, v) != 0 && ++abweichend == 1)
                            ADD_FAILURE() << "equal hands differ at " << pokertest::text(h);
                    }
    EXPECT_EQ(abweichend, 0);
    EXPECT_EQ(wert.size(), 7462u);
    std::vector<std::pair<uint32_t, HandValue>> folge(wert.begin(), wert.end());
    std::sort(folge.begin(), folge.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    for (size_t i = 1; i < folge.size(); ++i)
        ASSERT_EQ(holdem::compareHandValues(folge[i].second, folge[i - 1].second), 1)
            << "order differs at plain rank " << folge[i].first;
    EXPECT_EQ(anzahl[9] + anzahl[10], 40);
    EXPECT_EQ(anzahl[10], 4);
    EXPECT_EQ(anzahl[8], 624);
    EXPECT_EQ(anzahl[7], 3744);
    EXPECT_EQ(anzahl[6], 5108);
    EXPECT_EQ(anzahl[5], 10200);
    EXPECT_EQ(anzahl[4], 54912);
    EXPECT_EQ(anzahl[3], 123552);
    EXPECT_EQ(anzahl[2], 1098240);
    EXPECT_EQ(anzahl[1], 1302540);
}

}  // namespace

namespace {

TEST(HoldemEvaluator, FastValuesEqualThePatternMatcherOnRandomHands) {
    // every length 1..7, random distinct cards of the 52-card deck; plus lists with a repeated
    // card, which must fall back to the matcher and give its value
    uint64_t z = 12345;
    auto zufall = [&z](int n) {
        z = z * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((z >> 33) % static_cast<uint64_t>(n));
    };
    for (int runde = 0; runde < 70000; ++runde) {
        const int n = runde % 7 + 1;
        bool genommen[52] = {};
        hand64 h{};
        while (h.anz < n) {
            const int c = zufall(52);
            if (genommen[c] && runde % 50 != 0) continue;
            genommen[c] = true;
            h.at(++h.anz) = karte{static_cast<uint8_t>(c / 4 + 1), static_cast<uint8_t>(c % 4 + 1), 0};
        }
        HandValue a, b;
        holdem::evaluateHand(h, false, a);
        holdem::evaluateHandReference(h, false, b);
        ASSERT_EQ(a.category, b.category) << pokertest::text(h);
        ASSERT_EQ(a.categoryNumber, b.categoryNumber) << pokertest::text(h);
        for (int i = 0; i < 7; ++i) ASSERT_EQ(a.keys[i], b.keys[i]) << pokertest::text(h) << " key " << i + 1;
    }
}

}  // namespace

namespace {

void gleichWieMatcher(const hand64& h) {
    HandValue a, b;
    holdem::evaluateHand(h, false, a);
    holdem::evaluateHandReference(h, false, b);
    ASSERT_EQ(a.category, b.category) << pokertest::text(h);
    ASSERT_EQ(a.categoryNumber, b.categoryNumber) << pokertest::text(h);
    for (int i = 0; i < 7; ++i) ASSERT_EQ(a.keys[i], b.keys[i]) << pokertest::text(h) << " key " << i + 1;
}

TEST(HoldemEvaluator, EveryRankPatternOfUpToSevenCardsGivesTheMatchersValue) {
    // Each count pattern of the 13 ranks (0..4 cards a rank, 1..7 cards) once, its cards spread
    // over the suits so that none holds five; then every suit mask of five to seven ranks.
    const uint8_t code[13] = {9, 10, 11, 12, 13, 1, 2, 3, 7, 4, 5, 6, 8};  // 2 .. As
    int muster = 0;
    int anzahl[13] = {};
    auto pruefen = [&] {
        hand64 h{};
        for (int rang = 0; rang < 13; ++rang)
            for (int j = 0; j < anzahl[rang]; ++j) {
                const auto farbe = static_cast<uint8_t>(h.anz % 4 + 1);  // card by card round the suits
                h.at(++h.anz) = karte{code[rang], farbe, 0};
            }
        ++muster;
        gleichWieMatcher(h);
    };
    // all patterns with ranks from `rang` on still to fill and `frei` cards left
    auto fuellen = [&](auto&& selbst, int rang, int frei) -> void {
        if (rang == 13) {
            if (frei < 7) pruefen();
            return;
        }
        for (int a = 0; a <= std::min(4, frei) && !HasFatalFailure(); ++a) {
            anzahl[rang] = a;
            selbst(selbst, rang + 1, frei - a);
        }
        anzahl[rang] = 0;
    };
    fuellen(fuellen, 0, 7);
    if (HasFatalFailure()) return;
    EXPECT_EQ(muster, 76154);  // the count patterns of one to seven cards
    for (uint8_t suit = 1; suit <= 4; ++suit)
        for (unsigned maske = 0; maske < 8192; ++maske) {
            if (std::popcount(maske) < 5 || std::popcount(maske) > 7) continue;
            hand64 h{};
            for (int rang = 0; rang < 13; ++rang)
                if (maske >> rang & 1u) h.at(++h.anz) = karte{code[rang], suit, 0};
            gleichWieMatcher(h);
            if (HasFatalFailure()) return;
        }
}

TEST(HoldemEvaluator, ListsOutsideTheDeckOfFiftyTwoGiveTheMatchersValue) {
    // A joker (code 14), an empty card, suits 0 and 5, a value code above the table, a repeated
    // card, eight cards.
    const std::vector<std::vector<karte>> faelle = {
        {{14, 1, 0}, {8, 1, 0}, {8, 2, 0}, {6, 3, 0}, {5, 4, 0}},
        {{0, 0, 0}, {8, 1, 0}, {8, 2, 0}},
        {{8, 0, 0}, {8, 1, 0}, {8, 2, 0}, {8, 3, 0}},
        {{8, 5, 0}, {6, 5, 0}, {5, 5, 0}, {4, 5, 0}, {7, 5, 0}},
        {{24, 1, 0}, {8, 2, 0}, {6, 3, 0}},
        {{8, 1, 0}, {8, 1, 0}, {6, 1, 0}, {5, 1, 0}, {4, 1, 0}},
        {{8, 1, 0}, {6, 1, 0}, {5, 1, 0}, {4, 1, 0}, {7, 1, 0}, {3, 2, 0}, {2, 3, 0}, {1, 4, 0}},
        // suits and value codes whose low bits look like a card of the deck: 9 and 17 as suit 1,
        // 12 as suit 4, 15 as a code, 200 (low bits 8, the As) with a card number beside it
        {{8, 9, 0}, {6, 9, 0}, {5, 9, 0}, {4, 9, 0}, {7, 9, 0}},
        {{8, 17, 0}, {8, 1, 0}, {6, 2, 0}},
        {{8, 12, 0}, {6, 4, 0}, {5, 4, 0}, {4, 4, 0}, {7, 4, 0}},
        {{15, 1, 0}, {8, 1, 0}, {8, 2, 0}},
        {{200, 2, 7}, {8, 1, 0}, {8, 3, 0}},
    };
    for (const auto& f : faelle) {
        hand64 h{};
        for (const karte& k : f) h.at(++h.anz) = k;
        gleichWieMatcher(h);
    }
}

}  // namespace
