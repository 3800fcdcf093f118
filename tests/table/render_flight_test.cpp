// The flying cards of the menu scene: arming, staggered start, motion and recycling.
#include <gtest/gtest.h>

#include "platform/rnd.h"
#include "platform/ticks.h"
#include "table/flugkarten.h"
#include "table/render.h"

namespace {

class Flight : public testing::Test {
protected:
    ticks::Manual uhr{5000};
    void SetUp() override {
        glu::tex = glu::TableTextures{};
        for (int f = 1; f <= 4; ++f)
            for (int t = 1; t <= 14; ++t) glu::tex.face[f][t] = static_cast<uint32_t>(100 * f + t);
        glu::sceneFrozen = false;
    }
};

}  // namespace

TEST_F(Flight, FacesAreNeverOfSuitFourOrAboveValueSix) {
    glu::TFlugKarte k{};
    rnd::seed(3);
    for (int i = 0; i < 2000; ++i) {
        k.nr = 1 + i % 10;
        glu::armflyingcard(k);
        const int suit = static_cast<int>(k.texture / 100), value = static_cast<int>(k.texture % 100);
        ASSERT_GE(suit, 1);
        ASSERT_LE(suit, 3);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 6);
        ASSERT_GE(k.wobble, 0);
        ASSERT_LE(k.wobble, 10);
        ASSERT_FLOAT_EQ(k.y, 1800);
        ASSERT_FLOAT_EQ(k.vy, -1500);
        ASSERT_FLOAT_EQ(k.z, k.nr * 175.0f - 2000);
    }
}

TEST_F(Flight, StartStaggersTheCardsRising) {
    glu::startflyingcards();
    for (int i = 1; i <= glu::kFlugKarten; ++i) {
        const glu::TFlugKarte& k = glu::flugKarten[i - 1];
        SCOPED_TRACE(i);
        EXPECT_EQ(k.nr, i);
        EXPECT_EQ(k.rising, 1);
        EXPECT_FLOAT_EQ(k.y, i * 1000.0f / 3 + 500);
        EXPECT_FLOAT_EQ(k.vy, -1500.0f / 6 - k.y / 5);
    }
}

TEST_F(Flight, FrameRateZeroAndAFrozenSceneMoveNothing) {
    glu::startflyingcards();
    const glu::TFlugKarte before = glu::flugKarten[4];
    glu::stepflyingcards(0);
    EXPECT_FLOAT_EQ(glu::flugKarten[4].y, before.y);
    glu::sceneFrozen = true;
    glu::stepflyingcards(60);
    EXPECT_FLOAT_EQ(glu::flugKarten[4].y, before.y);
    EXPECT_FLOAT_EQ(glu::flugKarten[4].a1, before.a1);
    glu::sceneFrozen = false;
    glu::stepflyingcards(60);
    EXPECT_LT(glu::flugKarten[4].y, before.y);  // rising: up the screen
}

TEST_F(Flight, CardsFallBackAndAreThrownAgain) {
    glu::startflyingcards();
    bool rearmed = false;
    for (int f = 0; f < 60 * 60 && !rearmed; ++f) {
        glu::stepflyingcards(60);
        for (const auto& k : glu::flugKarten) {
            ASSERT_LE(k.y, 2600 + 1500.0f / 60 * 0.8f + 1);
            ASSERT_GE(k.y, -800 - 1500.0f / 60 * 0.8f * 4);
            if (k.y == 1800 && k.vy == -1500) rearmed = true;
        }
    }
    EXPECT_TRUE(rearmed);
}
