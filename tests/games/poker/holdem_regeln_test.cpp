#include "games/casino/holdem_regeln.h"

#include <gtest/gtest.h>

#include <array>

#include "games/poker/holdem_karten.h"
#include "platform/text.h"

using namespace holdem;

namespace {

// A seat in the pot: state, set and its seven cards (empty for a folded seat).
struct S {
    int zustand;
    int gesetzt;
    const char* karten;
};

std::array<PotAnteil, kSitze> teilen(const std::vector<S>& sitze) {
    PotSitz in[kSitze];
    for (size_t i = 0; i < sitze.size(); ++i) {
        in[i].zustand = static_cast<uint8_t>(sitze[i].zustand);
        in[i].gesetzt = sitze[i].gesetzt;
        evaluateHand(pokertest::handAus(sitze[i].karten), false, in[i].wert);
    }
    PotAnteil a[kSitze];
    splitPot(in, a);
    std::array<PotAnteil, kSitze> r;
    for (int i = 0; i < kSitze; ++i) r[static_cast<size_t>(i)] = a[i];
    return r;
}

const char* const kBoard = "2c 7d 9h Js 4c";
std::string mit(const char* hole) { return std::string(hole) + " " + kBoard; }

TEST(HoldemPot, SharesAndSidePotsAsTheRulesGive) {
    const std::string paarA = mit("Ah Ad"), paarA2 = mit("As Ac"), paarA3 = mit("Ah As"),
                      paarK = mit("Kh Kd"), paarQ = mit("Qh Qd");
    const std::string nichts = mit("3h 5d");
    struct Fall {
        const char* name;
        std::vector<S> sitze;
        std::array<int, 4> betrag;
        std::array<int, 4> pot;
    };
    const Fall faelle[] = {
        {"even split", {{1, 50, paarA.c_str()}, {1, 50, paarA2.c_str()}}, {50, 50, 0, 0}, {1, 1, 0, 0}},
        // 101 chips: 50.5 each; the odd chip goes to the later winner
        {"odd split",
         {{1, 50, paarA.c_str()}, {1, 50, paarA2.c_str()}, {2, 1, ""}},
         {50, 51, 0, 0},
         {1, 1, 0, 0}},
        // the short all-in wins 3 x 30, the side pot of 2 x 70 goes to the better of the others
        {"short all-in",
         {{1, 30, paarA.c_str()}, {1, 100, paarK.c_str()}, {1, 100, paarQ.c_str()}},
         {90, 140, 0, 0},
         {1, 2, 0, 0}},
        // the folded seat's 40 pays 20 into the main pot and 20 into the side pot
        {"folded money",
         {{1, 20, paarA.c_str()}, {1, 100, paarK.c_str()}, {2, 40, ""}},
         {60, 100, 0, 0},
         {1, 2, 0, 0}},
        // money of a folded seat above every contender's set stays in the last pot
        {"folded above all",
         {{1, 50, paarA.c_str()}, {1, 50, paarK.c_str()}, {2, 100, ""}},
         {200, 0, 0, 0},
         {1, 0, 0, 0}},
        // a third of 100 each: 33, 33 and the three thirds together for the last
        {"three-way split",
         {{1, 33, paarA.c_str()}, {1, 33, paarA2.c_str()}, {1, 33, paarA3.c_str()}, {2, 1, ""}},
         {33, 33, 34, 0},
         {1, 1, 1, 0}},
        {"all others folded", {{2, 2, ""}, {1, 4, nichts.c_str()}, {2, 10, ""}}, {0, 16, 0, 0}, {0, 1, 0, 0}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const auto a = teilen(f.sitze);
        int summe = 0, pot = 0;
        for (size_t i = 0; i < f.sitze.size(); ++i) {
            EXPECT_EQ(a[i].betrag, f.betrag[i]) << "seat " << i + 1;
            EXPECT_EQ(a[i].potNummer, f.pot[i]) << "seat " << i + 1;
            EXPECT_EQ(a[i].gewinnt, f.betrag[i] > 0) << "seat " << i + 1;
            summe += a[i].betrag;
            pot += f.sitze[i].gesetzt;
        }
        EXPECT_EQ(summe, pot);
    }
}

TEST(HoldemPot, EverySplitOfUpToSixAddsUpToThePot) {
    // k equal winners and a folded seat with r chips: nothing is lost to rounding
    const char* gleich[] = {"Ah Ad", "As Ac", "Ah As", "Ad Ac", "Ah Ac", "Ad As"};
    for (int k = 2; k <= 5; ++k)
        for (int r = 1; r <= 7; ++r) {
            std::vector<std::string> karten;
            std::vector<S> sitze;
            for (int i = 0; i < k; ++i) karten.push_back(mit(gleich[i]));
            for (int i = 0; i < k; ++i) sitze.push_back({1, 17, karten[static_cast<size_t>(i)].c_str()});
            sitze.push_back({2, r, ""});
            const auto a = teilen(sitze);
            int summe = 0;
            for (int i = 0; i < k; ++i) {
                summe += a[static_cast<size_t>(i)].betrag;
                // nobody gets less than the whole chips of an equal share
                EXPECT_GE(a[static_cast<size_t>(i)].betrag, (17 * k + r) / k) << k << "/" << r;
            }
            EXPECT_EQ(summe, 17 * k + r) << k << "/" << r;
        }
}

Lage lageMit(int variante, int32_t chips, int32_t gesetzt, int32_t einsatz, int32_t minE, int32_t stufe,
             int32_t pot, int raises, bool preflop) {
    Lage l;
    l.variante = variante;
    l.chips = chips;
    l.gesetzt = gesetzt;
    l.einsatz = einsatz;
    l.minErhoehung = minE;
    l.limitStufe = stufe;
    l.pot = pot;
    l.erhoehungenRunde = raises;
    l.preflop = preflop;
    return l;
}

TEST(HoldemBetting, TheSeatsFreedomByVariant) {
    struct Fall {
        const char* name;
        Lage l;
        bool mitgehen, erhoehen, allIn;
        int32_t maxE;
    };
    const Fall faelle[] = {
        {"no limit, deep", lageMit(kNoLimit, 200, 2, 2, 2, 2, 3, 0, true), true, true, true, 1000000},
        {"no limit, short of the call", lageMit(kNoLimit, 5, 0, 10, 2, 2, 13, 0, true), false, false, true,
         1000000},
        {"no limit, call but no raise", lageMit(kNoLimit, 11, 0, 10, 2, 2, 13, 1, false), true, false, true,
         1000000},
        // pot limit: all in only when the chips fit into the call plus the pot
        {"pot limit, too rich for all in", lageMit(kPotLimit, 200, 0, 4, 2, 2, 6, 1, true), true, true, false,
         6},
        {"pot limit, all in fits", lageMit(kPotLimit, 9, 0, 4, 2, 2, 6, 1, true), true, true, true, 6},
        {"split limit, third raise preflop", lageMit(kSplitLimit, 200, 2, 8, 2, 2, 20, 3, true), true, false,
         false, 2},
        {"split limit, third raise on the flop", lageMit(kSplitLimit, 200, 2, 8, 2, 2, 20, 3, false), true,
         true, false, 2},
        {"split limit, fourth raise on the turn", lageMit(kSplitLimit, 200, 0, 16, 4, 4, 40, 4, false), true,
         false, false, 4},
        {"split limit, short seat may still go all in", lageMit(kSplitLimit, 1, 0, 8, 2, 2, 20, 4, false),
         false, false, true, 2},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const Freiheit r = freiheit(f.l);
        EXPECT_EQ(r.kannMitgehen, f.mitgehen);
        EXPECT_EQ(r.kannErhoehen, f.erhoehen);
        EXPECT_EQ(r.allInErlaubt, f.allIn);
        EXPECT_EQ(r.maxErhoehung, f.maxE);
    }
}

TEST(HoldemBetting, LegalAnswersFollowTheFreedom) {
    // nothing to call: check, raise 2..197 (the raise that spends everything is the all-in)
    const Lage frei = lageMit(kNoLimit, 200, 2, 2, 2, 2, 4, 0, false);
    EXPECT_TRUE(erlaubt(frei, {kCheck, 0}));
    EXPECT_FALSE(erlaubt(frei, {kCall, 0}));
    EXPECT_TRUE(erlaubt(frei, {kRaise, 2}));
    EXPECT_TRUE(erlaubt(frei, {kRaise, 199}));
    EXPECT_FALSE(erlaubt(frei, {kRaise, 200}));
    EXPECT_FALSE(erlaubt(frei, {kRaise, 1}));
    EXPECT_TRUE(erlaubt(frei, {kAllIn, 0}));
    EXPECT_TRUE(erlaubt(frei, {kFold, 0}));
    // facing a bet the seat cannot cover: fold or all in
    const Lage kurz = lageMit(kNoLimit, 5, 0, 10, 2, 2, 13, 0, false);
    EXPECT_FALSE(erlaubt(kurz, {kCheck, 0}));
    EXPECT_FALSE(erlaubt(kurz, {kCall, 0}));
    EXPECT_FALSE(erlaubt(kurz, {kRaise, 2}));
    EXPECT_TRUE(erlaubt(kurz, {kAllIn, 0}));
    // split limit: the raise is exactly the step
    const Lage split = lageMit(kSplitLimit, 200, 0, 4, 4, 4, 10, 1, false);
    EXPECT_TRUE(erlaubt(split, {kRaise, 4}));
    EXPECT_FALSE(erlaubt(split, {kRaise, 5}));
    EXPECT_FALSE(erlaubt(split, {kRaise, 8}));
}

TEST(HoldemBetting, BigBlindRisesAsTheIntervalSays) {
    struct Fall {
        int32_t bb, start, haende, intervall;
        bool zwei;
        int32_t neu;
    };
    const Fall faelle[] = {
        {2, 100, 7, 7, true, 4},           {2, 100, 6, 7, true, 2},       {32, 100, 14, 7, true, 64},
        {64, 100, 21, 7, true, 114},       {114, 100, 28, 7, true, 164},  {2, 100, 7, 7, false, 2},
        {2, 100, 100000, 100000, true, 4}, {2, 100, 50, 100000, true, 2}, {10, 500, 30, 10, true, 20},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(nextBigBlind(f.bb, f.start, f.haende, f.intervall, f.zwei), f.neu)
            << f.bb << " after " << f.haende << " hands";
}

TEST(HoldemTexts, HighscoreEntryReadsPlaceHandsAndLevel) {
    struct Fall {
        int32_t score;
        const char* text;
    };
    const Fall faelle[] = {
        {0, "-"},
        {-5, "-"},
        {60000 + 3000 + 500 - 42, "1. Platz nach 42 Spielen (Profi)"},
        {60000 + 1000 + 500 - 1, "1. Platz nach 1 Spiel (Anfänger)"},
        {40000 + 2000 + 500 + 17, "3. Platz nach 17 Spielen (Normal)"},
    };
    for (const auto& f : faelle) {
        std::string t;
        formatHighscoreEntry(f.score, t);
        EXPECT_EQ(text::toUtf8(t), f.text) << f.score;
    }
}

}  // namespace
