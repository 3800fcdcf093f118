#include "tools/cards/chips.h"

#include <gtest/gtest.h>

TEST(Chips, AtlasesHaveOneColumnPerKind) {
    const canvas::Canvas f = chips::faces(64, false);
    EXPECT_EQ(f.width(), 5 * 64);
    EXPECT_EQ(f.height(), 64);
    EXPECT_EQ(chips::rims(64, true).width(), 5 * 64);
    EXPECT_EQ(chips::markerFaces(32).width(), 3 * 32);
    EXPECT_EQ(chips::markerRims(32).width(), 3 * 32);
    // The 5 chip is red at its rim and the 10 chip blue: each column holds its own chip.
    const auto red = f.get(64 + 32, 6), blue = f.get(2 * 64 + 32 + 26, 32 - 14);
    EXPECT_GT(red.r, 150);
    EXPECT_LT(red.b, 100);
    EXPECT_GT(blue.b, 120);
    EXPECT_LT(blue.r, 100);
}
