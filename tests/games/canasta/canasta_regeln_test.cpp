// The rule core: card points, meld validity, meld worth, the first-meld minimum.
#include <gtest/gtest.h>

#include "games/canasta/canasta_karten.h"

using namespace canastatest;

TEST(CanastaRegeln, CardPoints) {
    frisch(2);
    EXPECT_EQ(canasta::kartePunkte(K(Joker)), 50);
}
