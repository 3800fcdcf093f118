// The meld rules: which melds are valid, what they count, the circular value order and the
// order a raised selection is laid in. Expected values are counted by hand from the rules.
#include "games/rummy_shedding/romme_regeln.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "platform/msgsink.h"

namespace {

using namespace romme;

// Value codes: 7 1, 8 2, 9 3, Bube 4, Dame 5, König 6, 10 7, Ass 8, 2..6 9..13, Joker 14.
constexpr uint8_t S7 = 1, S8 = 2, S9 = 3, B = 4, D = 5, K = 6, S10 = 7, A = 8, Z2 = 9, Z3 = 10, Z4 = 11,
                  Z5 = 12, Z6 = 13, J = 14;
constexpr uint8_t kKreuz = 1, kPik = 2, kHerz = 3, kKaro = 4;

hand meld(std::initializer_list<karte> karten) {
    hand h{};
    for (const karte& k : karten) h.at(++h.anz) = k;
    return h;
}
karte kr(uint8_t t) { return karte{t, kKreuz, 0}; }
karte he(uint8_t t) { return karte{t, kHerz, 0}; }
const karte joker{J, 1, 0};

Regeln regeln(bool ecke = false, bool doppelt = false, int minimum = 0, int jokerWert = 20) {
    Regeln r;
    r.ecke = ecke;
    r.doppelteFarben = doppelt;
    r.mindestpunkte = minimum;
    r.jokerWert = jokerWert;
    return r;
}

TEST(RommeOrder, ValuesFollowInACircle) {
    struct Case {
        uint8_t t;
        int next;
        int prev;
    };
    const Case cases[] = {{K, A, D},   {A, Z2, K},   {S10, B, S9}, {S9, S10, S8}, {Z2, Z3, A},
                          {B, D, S10}, {S7, S8, Z6}, {Z6, S7, Z5}, {0, 0, 0},     {J, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.t));
        EXPECT_EQ(nachfolger(c.t), c.next);
        EXPECT_EQ(vorgaenger(c.t), c.prev);
    }
    EXPECT_TRUE(istNachfolger(K, A));
    EXPECT_FALSE(istNachfolger(A, K));
}

TEST(RommeOrder, CardPointsAndRunDistance) {
    const Regeln r = regeln(false, false, 0, 25);
    struct Case {
        uint8_t t;
        int punkte;
    };
    for (const Case c : {Case{A, 11}, Case{S10, 10}, Case{B, 10}, Case{D, 10}, Case{K, 10}, Case{S9, 9},
                         Case{S7, 7}, Case{Z2, 2}, Case{Z6, 6}, Case{J, 25}, Case{0, 0}})
        EXPECT_EQ(kartenWert(kr(c.t), r), c.punkte) << static_cast<int>(c.t);
    // the Ass goes before the 2 only at the start of a run or across the corner
    EXPECT_EQ(getdif(kr(A), kr(Z2), true, r), 1);
    EXPECT_EQ(getdif(kr(A), kr(Z3), true, r), 2);
    EXPECT_EQ(getdif(kr(A), kr(Z2), false, r), -12);
    EXPECT_EQ(getdif(kr(A), kr(Z2), false, regeln(true)), 1);
    EXPECT_EQ(getdif(kr(K), kr(Z2), false, regeln(true)), 2);
    EXPECT_EQ(getdif(kr(D), kr(K), false, r), 1);
    msgsink::Capture meldungen;
    EXPECT_EQ(getdif(karte{0, 1, 0}, kr(Z2), false, r), 0);
    EXPECT_TRUE(meldungen.contains("no valid cards at romme.getdif"));
}

TEST(RommeMelds, RunsSetsAndJokers) {
    struct Case {
        const char* name;
        hand m;
        bool ohne;     // plain rules
        bool ecke;     // "Um die Ecke legen erlauben"
        bool doppelt;  // "Doppelte Farben in Sätzen erlauben"
    };
    const Case cases[] = {
        {"2 3 4", meld({kr(Z2), kr(Z3), kr(Z4)}), true, true, true},
        {"A 2 3", meld({kr(A), kr(Z2), kr(Z3)}), true, true, true},
        {"D K A", meld({kr(D), kr(K), kr(A)}), true, true, true},
        {"K A 2", meld({kr(K), kr(A), kr(Z2)}), false, true, false},
        {"2 4 3", meld({kr(Z2), kr(Z4), kr(Z3)}), false, false, false},
        {"2 3 4 of two suits", meld({kr(Z2), he(Z3), kr(Z4)}), false, false, false},
        {"J 2 3", meld({joker, kr(Z2), kr(Z3)}), false, false, false},
        {"J 3 4", meld({joker, kr(Z3), kr(Z4)}), true, true, true},
        {"2 3 J", meld({kr(Z2), kr(Z3), joker}), true, true, true},
        {"5 J 7", meld({kr(Z5), joker, kr(S7)}), true, true, true},
        {"5 J J 8", meld({kr(Z5), joker, joker, kr(S8)}), false, false, false},
        {"A J 3", meld({kr(A), joker, kr(Z3)}), true, true, true},
        {"K A J of Kreuz", meld({kr(K), kr(A), joker}), false, true, false},
        {"K A J of Karo", meld({karte{K, kKaro, 0}, karte{A, kKaro, 0}, joker}), false, true, false},
        {"7 7 7", meld({kr(S7), karte{S7, kPik, 0}, he(S7)}), true, true, true},
        {"7 7 7 with a suit twice", meld({kr(S7), kr(S7), he(S7)}), false, false, true},
        {"7 7 7 7 J", meld({kr(S7), karte{S7, kPik, 0}, he(S7), karte{S7, kKaro, 0}, joker}), false, false,
         true},
        {"7 7 J", meld({kr(S7), he(S7), joker}), true, true, true},
        {"two cards", meld({kr(Z2), kr(Z3)}), false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isset(c.m, true, false, false, regeln()), c.ohne);
        EXPECT_EQ(isset(c.m, true, false, false, regeln(true)), c.ecke);
        EXPECT_EQ(isset(c.m, true, false, false, regeln(false, true)), c.doppelt);
    }
}

TEST(RommeMelds, FirstMeldMustReachTheMinimumByItself) {
    const Regeln r = regeln(false, false, 40);
    const hand dreissig = meld({he(S10), he(B), he(D)});
    const hand vierzig = meld({he(S10), he(B), he(D), he(K)});
    const hand neun = meld({he(Z2), he(Z3), he(Z4)});
    EXPECT_FALSE(isset(dreissig, false, false, false, r));
    EXPECT_TRUE(isset(vierzig, false, false, false, r));
    EXPECT_FALSE(isset(neun, false, false, false, r));
    EXPECT_TRUE(isset(neun, true, false, false, r));
    EXPECT_TRUE(isset(neun, false, false, true, r));
    // a seat without a meld on the table may not lay off at all
    EXPECT_FALSE(isset(vierzig, false, true, false, r));
}

TEST(RommeMelds, PointsCountTheJokerAsTheBestCard) {
    struct Case {
        const char* name;
        hand m;
        int punkte;
        int roh;
    };
    const Case cases[] = {
        {"A 2 3: the low Ass counts 1", meld({kr(A), kr(Z2), kr(Z3)}), 6, 16},
        {"D K A", meld({kr(D), kr(K), kr(A)}), 31, 31},
        {"J D K: the high end D K A", meld({joker, kr(D), kr(K)}), 31, 40},
        {"D K A J: the low end B D K A", meld({kr(D), kr(K), kr(A), joker}), 41, 51},
        {"2 3 J: the 4", meld({kr(Z2), kr(Z3), joker}), 9, 25},
        {"5 J 7: the 6 in its place", meld({kr(Z5), joker, kr(S7)}), 18, 32},
        {"7 7 J: a third 7", meld({kr(S7), he(S7), joker}), 21, 34},
        {"6 7 8", meld({kr(Z6), kr(S7), kr(S8)}), 21, 21},
        {"6 7 8 9", meld({kr(Z6), kr(S7), kr(S8), kr(S9)}), 30, 30},
    };
    const Regeln r = regeln();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(meldungPunkte(c.m, false, false, r), c.punkte);
        EXPECT_EQ(meldungPunkte(c.m, false, true, r), c.roh);
    }
    // in its place the Joker in front of D K stands for the Bube
    EXPECT_EQ(meldungPunkte(meld({joker, kr(D), kr(K)}), true, false, r), 30);
    // "Joker zählt" 25 counts only for the raw points
    const hand mitJoker = meld({kr(Z5), joker, kr(S7)});
    EXPECT_EQ(meldungPunkte(mitJoker, false, true, regeln(false, false, 0, 25)), 37);
    EXPECT_EQ(meldungPunkte(mitJoker, false, false, regeln(false, false, 0, 25)), 18);
}

TEST(RommeMelds, RaisedCardsAreLaidInRunOrder) {
    struct Case {
        const char* name;
        hand raised;
        hand laid;
        bool ecke;
    };
    const Case cases[] = {
        {"Ass low", meld({kr(Z3), kr(A), kr(Z2)}), meld({kr(A), kr(Z2), kr(Z3)}), false},
        {"Joker in the gap", meld({joker, kr(S7), kr(Z5)}), meld({kr(Z5), joker, kr(S7)}), false},
        {"Joker at the end", meld({joker, kr(Z3), kr(Z2)}), meld({kr(Z2), kr(Z3), joker}), false},
        {"across the corner", meld({kr(Z2), kr(K), kr(A)}), meld({kr(K), kr(A), kr(Z2)}), true},
        {"a set keeps its suits in key order", meld({kr(S7), joker, he(S7)}), meld({he(S7), kr(S7), joker}),
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hand h = c.raised;
        auswahlOrdnen(h, regeln(c.ecke));
        ASSERT_EQ(h.anz, c.laid.anz);
        for (int i = 1; i <= h.anz; ++i) {
            EXPECT_EQ(h.at(i).t, c.laid.at(i).t) << i;
            EXPECT_EQ(h.at(i).f, c.laid.at(i).f) << i;
        }
        EXPECT_TRUE(isset(h, true, false, false, regeln(c.ecke)));
    }
}

}  // namespace
