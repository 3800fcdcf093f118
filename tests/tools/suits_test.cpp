#include "tools/cards/suits.h"

#include <gtest/gtest.h>

TEST(Suits, ShapesFillTheirUnitBox) {
    for (int style : {suits::French, suits::German})
        for (int suit = 1; suit <= 4; ++suit) {
            SCOPED_TRACE(testing::Message() << style << "/" << suit);
            const canvas::Path p = suits::shape(style, suit);
            float x0, y0, x1, y1;
            ASSERT_TRUE(p.bounds(x0, y0, x1, y1));
            EXPECT_GE(x0, -0.51f);
            EXPECT_LE(x1, 0.51f);
            EXPECT_GE(y0, -0.51f);
            EXPECT_LE(y1, 0.51f);
            EXPECT_GT(y1 - y0, 0.9f);
        }
    EXPECT_TRUE(suits::shape(3, 1).empty());
    EXPECT_TRUE(suits::shape(suits::French, 5).empty());
    canvas::Canvas c(8, 8);
    suits::draw(c, suits::German, 0, 4, 4, 8);  // draws nothing, touches nothing
    EXPECT_EQ(c.get(4, 4).a, 0);
}
