#include "core/kommentar.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/central.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "core/seams.h"
#include "core/spiele.h"
#include "platform/rnd.h"

namespace {

struct Gesagt {
    std::vector<int> codes;            // codes asked of the sentence tables
    std::vector<std::string> dateien;  // samples queued
};
Gesagt g;

class Kommentar : public ::testing::Test {
protected:
    void SetUp() override {
        g = {};
        saved_ = seams::ton;
        seams::ton.satzHolen = [](int, int code) {
            g.codes.push_back(code);
            return std::string("Na so was");
        };
        seams::ton.sprachEinreihen = [](const std::string& d, const std::string&, int) {
            g.dateien.push_back(d);
        };
        seams::ton.sprachQueue = [](int) { return 0; };
        cg.spielId = spiele::kSkat;
        envParam.kommentare = 4;
        envParam.stimmen[3] = 5;
        central::kommentarZuruecksetzen();
        rnd::seed(3);
    }
    void TearDown() override {
        seams::ton = saved_;
        envParam = TEnvParam{};
    }
    seams::Ton saved_;
};

}  // namespace

TEST_F(Kommentar, ThresholdTable) {
    struct Case {
        int t, e;
        double s;
    };
    const Case cases[] = {{1, 100, 1.0}, {0, 100, 1.0}, {5, 100, 1.0}, {2, 100, 0.5}, {2, 95, 0.7},
                          {2, 94, 0.85}, {2, 80, 0.92}, {2, 60, 0.96}, {2, 59, 1.0},  {3, 100, 0.2},
                          {3, 59, 0.92}, {3, 0, 0.92},  {4, 100, 0.0}, {4, 99, 0.2},  {4, 90, 0.35},
                          {4, 89, 0.5},  {4, 79, 0.7},  {4, 0, 0.7}};
    for (const Case& c : cases) EXPECT_EQ(central::kommentarSchwelle(c.t, c.e), c.s) << c.t << "/" << c.e;
}

TEST_F(Kommentar, WhatEachEventSays) {
    struct Case {
        int art, b, a;
        std::vector<int> codes;
    };
    const Case cases[] = {
        {3, 17, 0, {17}}, {4, 26, 0, {26}}, {2, 0, 0, {34}}, {2, 1, 0, {34}}, {2, 2, 0, {35}},
        {2, 3, 0, {}},    {0, 0, 5, {}},    {0, 4, 0, {34}}, {0, 2, 2, {32}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.art << " " << c.b << " " << c.a);
        g = {};
        EXPECT_TRUE(central::kommentar(3, c.art, c.b, c.a, 100));  // talkativeness 4 at 100: always
        EXPECT_EQ(g.codes, c.codes);
    }
    g = {};
    EXPECT_TRUE(central::kommentar(3, 1, 0, 0, 100));
    ASSERT_EQ(g.dateien.size(), 1u);
    EXPECT_EQ(g.dateien[0], "data/sound/5/Canasta.wav");
}

TEST_F(Kommentar, EmotionRangeIsTakenSmallestFirst) {
    std::vector<int> gesehen(10);
    for (int i = 0; i < 200; ++i) {
        g = {};
        ASSERT_TRUE(central::kommentar(3, 0, 4, 2, 100));  // swapped to 2..4
        ASSERT_EQ(g.codes.size(), 1u);
        ASSERT_GE(g.codes[0], 32);
        ASSERT_LE(g.codes[0], 34);
        ++gesehen[static_cast<size_t>(g.codes[0] - 30)];
    }
    EXPECT_GT(gesehen[2], 0);
    EXPECT_GT(gesehen[3], 0);
    EXPECT_GT(gesehen[4], 0);
}

TEST_F(Kommentar, TheHumanAndTheQuietNeverSpeak) {
    EXPECT_FALSE(central::kommentar(1, 4, 20, 0, 100));
    envParam.kommentare = 2;
    for (int i = 0; i < 100; ++i) ASSERT_FALSE(central::kommentar(3, 4, 20, 0, 59));
    envParam.kommentare = 1;
    for (int i = 0; i < 100; ++i) ASSERT_FALSE(central::kommentar(3, 4, 20, 0, 100));
    envParam.kommentare = 9;  // out of range: as 1
    for (int i = 0; i < 100; ++i) ASSERT_FALSE(central::kommentar(3, 4, 20, 0, 100));
    EXPECT_TRUE(g.codes.empty());
}

TEST_F(Kommentar, ChanceFollowsTheThreshold) {
    envParam.kommentare = 3;
    int ja = 0;
    for (int i = 0; i < 4000; ++i) ja += central::kommentar(3, 4, 20, 0, 90) ? 1 : 0;
    EXPECT_NEAR(ja / 4000.0, 0.4, 0.03);  // threshold 0.6
}

TEST_F(Kommentar, MeldGamesCommentOncePerSeatAndStep) {
    cg.spielId = spiele::kRomme;
    cg.aktSpieler = 3;
    cg.ablauf.schrittZaehler = 40;
    EXPECT_TRUE(central::kommentar(3, 4, 20, 0, 100));
    EXPECT_FALSE(central::kommentar(3, 4, 20, 0, 100));
    cg.ablauf.schrittZaehler = 41;
    EXPECT_TRUE(central::kommentar(3, 4, 20, 0, 100));
    // Skat is not limited.
    cg.spielId = spiele::kSkat;
    EXPECT_TRUE(central::kommentar(3, 4, 20, 0, 100));
    EXPECT_TRUE(central::kommentar(3, 4, 20, 0, 100));
}

TEST_F(Kommentar, FastRunDecidesButSaysNothing) {
    central::dienste.schnellModus = [] { return true; };
    EXPECT_TRUE(central::kommentar(3, 4, 20, 0, 100));
    central::dienste.schnellModus = nullptr;
    EXPECT_TRUE(g.codes.empty());
}
