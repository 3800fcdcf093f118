#include "tools/cards/icons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

TEST(Icons, EveryNamedPictureIsDrawn) {
    const auto names = icons::names();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    for (const auto& n : names) EXPECT_GT(icons::draw(n).width(), 0) << n;
    for (const char* n : {"f11.jpg", "f24.jpg", "f110.jpg", "f_u5.jpg", "logo3.bmp"})
        EXPECT_NE(std::find(names.begin(), names.end(), n), names.end()) << n;
    EXPECT_EQ(icons::draw("f15.jpg").width(), 0);
}
