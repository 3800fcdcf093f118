#include "tools/cards/icons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

TEST(Icons, EveryNamedPictureIsDrawn) {
    const auto names = icons::names();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    for (const auto& n : names) EXPECT_GT(icons::draw(n).width(), 0) << n;
    for (const char* n : {"f11.jpg", "f24.jpg", "f110.jpg", "f_u5.jpg", "f_re.jpg", "f_kontra.jpg", "logo3.bmp"})
        EXPECT_NE(std::find(names.begin(), names.end(), n), names.end()) << n;
    EXPECT_EQ(icons::draw("f15.jpg").width(), 0);
}

// Mau Mau shows its direction of play with r1 (seat numbers upwards) and r2 (downwards): two
// arrows round the table that turn opposite ways, so each picture is the other one mirrored.
TEST(Icons, TheTwoDirectionPicturesMirrorEachOther) {
    const auto r1 = icons::draw("r1.jpg"), r2 = icons::draw("r2.jpg");
    ASSERT_EQ(r1.width(), r2.width());
    ASSERT_EQ(r1.height(), r2.height());
    const int w = r1.width(), h = r1.height();
    int verschieden = 0, gespiegeltAnders = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const auto& a = r1.pixels()[static_cast<size_t>(y * w + x)];
            const auto& b = r2.pixels()[static_cast<size_t>(y * w + x)];
            const auto& m = r2.pixels()[static_cast<size_t>(y * w + (w - 1 - x))];
            verschieden += a.r != b.r || a.g != b.g || a.b != b.b;
            gespiegeltAnders += std::abs(a.r - m.r) > 8 || std::abs(a.g - m.g) > 8 || std::abs(a.b - m.b) > 8;
        }
    EXPECT_GT(verschieden, w * h / 50);        // they differ
    EXPECT_LT(gespiegeltAnders, w * h / 100);  // up to the tile's rounded, lit frame
}
