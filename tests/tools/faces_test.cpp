#include "tools/cards/faces.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tools/cards/suits.h"

TEST(Faces, PipLayoutsHaveTheirCountAndReadBothWays) {
    for (int count = 1; count <= 10; ++count) {
        SCOPED_TRACE(count);
        const auto pips = faces::pipLayout(count);
        ASSERT_EQ(pips.size(), static_cast<size_t>(count));
        for (const auto& p : pips) {
            // Inside the part of the face the table shows, clear of the corner indices' column.
            EXPECT_GT(p.x, faces::kLeft + 45);
            EXPECT_LT(p.x, faces::kRight - 45);
            EXPECT_GT(p.y, 40);
            EXPECT_LT(p.y, faces::kHeight - 40);
            EXPECT_EQ(p.upsideDown, p.y > faces::kCentreY + 0.01f);
            // After a half turn every pip lands on a pip (the seven keeps its one pip above
            // the middle, as seven cards do).
            if (count == 7) continue;
            bool found = false;
            for (const auto& q : pips)
                found = found || (std::fabs(q.x - (2 * faces::kCentreX - p.x)) < 0.01f &&
                                  std::fabs(q.y - (2 * faces::kCentreY - p.y)) < 0.01f);
            EXPECT_TRUE(found) << p.x << "," << p.y;
        }
    }
    EXPECT_TRUE(faces::pipLayout(0).empty());
    EXPECT_TRUE(faces::pipLayout(11).empty());
}

TEST(Faces, RanksGiveTheirPipsAndIndices) {
    struct Case {
        int rank, pips;
        const char *french, *german;
    };
    const Case cases[] = {{1, 7, "7", "7"}, {2, 8, "8", "8"},  {3, 9, "9", "9"},    {4, 0, "B", "U"},
                          {5, 0, "D", "O"}, {6, 0, "K", "K"},  {7, 10, "10", "10"}, {8, 1, "A", "A"},
                          {9, 2, "2", "2"}, {13, 6, "6", "6"}, {14, 0, "J", "J"},   {0, 0, "", ""},
                          {15, 0, "", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rank);
        EXPECT_EQ(faces::pipCount(c.rank), c.pips);
        EXPECT_EQ(faces::rankLabel(suits::French, c.rank), c.french);
        EXPECT_EQ(faces::rankLabel(suits::German, c.rank), c.german);
    }
}
