#include "tools/cards/atlas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "tools/cards/faces.h"
#include "tools/cards/suits.h"

TEST(Atlas, EveryCardHasItsOwnCell) {
    struct Case {
        int suit, rank;
        bool ok;
        int column, row;
        bool second;
    };
    const Case cases[] = {
        {1, 1, true, 0, 0, false},  {4, 8, true, 3, 7, false},  {2, 9, true, 1, 0, true},
        {3, 13, true, 2, 4, true},  {1, 14, true, 0, 5, true},  {0, 1, false, 0, 0, false},
        {5, 1, false, 0, 0, false}, {1, 0, false, 0, 0, false}, {1, 15, false, 0, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.suit << "/" << c.rank);
        atlas::Cell cell;
        ASSERT_EQ(atlas::cell(c.suit, c.rank, cell), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(cell.column, c.column);
        EXPECT_EQ(cell.row, c.row);
        EXPECT_EQ(cell.second, c.second);
    }
    std::set<int> used;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 14; ++rank) {
            atlas::Cell cell;
            ASSERT_TRUE(atlas::cell(suit, rank, cell));
            EXPECT_LT(cell.row, atlas::kRows);
            EXPECT_TRUE(used.insert((cell.second ? 100 : 0) + cell.row * 4 + cell.column).second);
        }
}

TEST(Atlas, CellsHoldTheFacesUnscaled) {
    // The shell copies a cell of exactly 178 x 290 pixels into a card picture: the atlas cell
    // of the Herz-Unter must be that face, pixel for pixel.
    const canvas::Canvas a = atlas::build(suits::German, false);
    ASSERT_EQ(a.width(), 4 * 178);
    ASSERT_EQ(a.height(), 8 * 290);
    canvas::Canvas face(faces::kWidth, faces::kHeight);
    faces::draw(face, suits::German, 3, 4);
    atlas::Cell cell;
    ASSERT_TRUE(atlas::cell(3, 4, cell));
    int differing = 0;
    for (int y = 0; y < faces::kHeight; ++y)
        for (int x = 0; x < faces::kWidth; ++x) {
            const auto p = face.get(x, y), q = a.get(cell.column * 178 + x, cell.row * 290 + y);
            differing += std::abs(p.r - q.r) > 1 || std::abs(p.g - q.g) > 1 || std::abs(p.b - q.b) > 1;
        }
    EXPECT_EQ(differing, 0);
}
