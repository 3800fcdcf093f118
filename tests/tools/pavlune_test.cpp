#include "tools/pavlune/pavlune.h"

#include <gtest/gtest.h>

namespace {

// Width of the white glyph in one pixel row of a 64-pixel tile.
int whiteWidth(const canvas::Canvas& c, int x0, int y) {
    int n = 0;
    for (int x = x0; x < x0 + 64; ++x) {
        const auto p = c.get(x, y);
        if (p.r > 240 && p.g > 240 && p.b > 240 && p.a > 240) ++n;
    }
    return n;
}

}  // namespace

// The arrow icons of the element atlas: each arrowhead is a run of rows whose white width grows
// away from its tip. Tiles 8 and 9 are the large steps of the bet and raise arrows (two heads),
// 26 and 27 the small steps and list arrows (one head).
TEST(PavluneArt, ArrowTilesPointTheirWayWithTheirNumberOfHeads) {
    const canvas::Canvas c = pavlune::elem();
    ASSERT_EQ(c.width(), 512);
    ASSERT_EQ(c.height(), 256);
    // Tile n lies in column n % 8 and, counted from the bottom of the atlas, row n / 8.
    struct Case { int tile; int x0; int y0; int heads; bool up; };
    const Case cases[] = {{8, 0, 128, 2, true}, {9, 64, 128, 2, false}, {26, 128, 0, 1, true},
                          {27, 192, 0, 1, false}};
    for (const auto& t : cases) {
        SCOPED_TRACE(testing::Message() << "tile " << t.tile);
        int heads = 0, prev = 0, first = 0, last = 0;
        bool pointsRight = true;
        for (int y = t.y0; y <= t.y0 + 64; ++y) {
            const int w = y < t.y0 + 64 ? whiteWidth(c, t.x0, y) : 0;
            if (w > 0 && prev == 0) {
                ++heads;
                first = w;
            }
            if (w == 0 && prev > 0 && (t.up ? first >= last : first <= last)) pointsRight = false;
            last = w > 0 ? w : last;
            prev = w;
        }
        EXPECT_EQ(heads, t.heads);
        EXPECT_TRUE(pointsRight);
    }
}
