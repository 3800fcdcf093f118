#include "core/kartenzaehler.h"

#include <gtest/gtest.h>

namespace {

karte k(int t, int f) { return karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0}; }

TEST(Kartenzaehler, CountsEachCardApartAndNamesTheLowestCodeOverTheLimit) {
    Kartenzaehler z;
    EXPECT_EQ(z.zaehlen(k(11, 2)), 1);
    EXPECT_EQ(z.zaehlen(k(2, 11)), 1);  // another card, though value and suit are swapped
    EXPECT_EQ(z.zaehlen(k(11, 2)), 2);
    EXPECT_EQ(z.zaehlen(k(3, 4)), 1);
    EXPECT_EQ(z.zaehlen(k(3, 4)), 2);
    int wieOft = 0;
    EXPECT_EQ(z.ueber(2, wieOft), -1);
    EXPECT_EQ(z.ueber(1, wieOft), 34);  // 3 of suit 4 comes before 11 of suit 2 (112)
    EXPECT_EQ(wieOft, 2);
    // a damaged record with the largest value and suit is counted, not written past the end
    EXPECT_EQ(z.zaehlen(k(255, 255)), 1);
    EXPECT_EQ(z.zaehlen(k(255, 255)), 2);
    EXPECT_EQ(z.zaehlen(k(0, 0)), 1);
}

}  // namespace
