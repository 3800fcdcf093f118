#include "tools/cards/backs.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Mean absolute difference of the colour channels of two canvases of one size.
double meanDiff(const canvas::Canvas& a, const canvas::Canvas& b) {
    double s = 0;
    for (size_t i = 0; i < a.pixels().size(); ++i) {
        const auto p = a.pixels()[i], q = b.pixels()[i];
        s += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
    }
    return s / (3.0 * a.pixels().size());
}

}  // namespace

TEST(Backs, LookTheSameAfterAHalfTurn) {
    for (int d = 0; d < backs::kDesigns; ++d) {
        SCOPED_TRACE(d);
        const canvas::Canvas b = backs::draw(d, 178, 290);
        canvas::Canvas turned = b;
        turned.rotate180();
        EXPECT_LT(meanDiff(b, turned), 2.0);
    }
    // The designs differ from one another.
    EXPECT_GT(meanDiff(backs::draw(0, 178, 290), backs::draw(1, 178, 290)), 20.0);
}
