#include "games/casino/sitzwahl.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/cg.h"

namespace {

class SitzWahl : public testing::Test {
protected:
    void SetUp() override {
        std::memset(static_cast<void*>(&cg), 0, sizeof(TCG));
        cg.spielId = 8;
    }
};

TEST_F(SitzWahl, SpotsByPlayerCount) {
    cg.ablauf.anzSpieler = 6;
    EXPECT_EQ(sitzwahl::PokerSeatUnderCursor({58, 11}, false), 6);
    cg.ablauf.anzSpieler = 5;
    EXPECT_EQ(sitzwahl::PokerSeatUnderCursor({58, 11}, false), 5);
    EXPECT_EQ(sitzwahl::PokerSeatUnderCursor({30, 32}, false), 1);
}

TEST_F(SitzWahl, NothingWithinTheLimitKeepsTheSeatFoundBefore) {
    cg.ablauf.anzSpieler = 2;
    ASSERT_EQ(sitzwahl::PokerSeatUnderCursor({34, 5}, false), 2);
    // (34, 5) + (5, 4): squared distance 41 from seat 2, far from seat 1
    EXPECT_EQ(sitzwahl::PokerSeatUnderCursor({39, 9}, false), 0);
    EXPECT_EQ(sitzwahl::PokerSeatUnderCursor({39, 9}, true), 2);
    EXPECT_EQ(sitzwahl::PokerSeatUnderCursor({38, 9}, false), 2);  // 16 + 16 = 32
}

TEST_F(SitzWahl, OtherGamesMoveTheSpotsAndWidenTheLimit) {
    cg.spielId = 1;  // Skat: seat 2 four to the right and three down
    cg.ablauf.anzSpieler = 3;
    EXPECT_EQ(sitzwahl::PokerSeatUnderCursor({18 + 8, 11}, false), 2);  // 64 <= 75
    EXPECT_EQ(sitzwahl::PokerSeatUnderCursor({64, 5}, false), 0);       // the top right corner
}

TEST_F(SitzWahl, MoneySpotsOfBlackJack) {
    cg.spielId = 9;
    cg.ablauf.anzSpieler = 4;
    EXPECT_EQ(sitzwahl::SeatMoneySpotUnderCursor({32, 7}), 3);
    EXPECT_EQ(sitzwahl::SeatMoneySpotUnderCursor({30, 32}), 0);
    cg.spielId = 8;
    EXPECT_EQ(sitzwahl::SeatMoneySpotUnderCursor({34, 9}), 3);
}

TEST_F(SitzWahl, CursorGrid) {
    const auto g = sitzwahl::cursorGitter(400, 300, 0, 0, 800, 600, 4.0f / 3.0f);
    EXPECT_EQ(g.gx, 32);  // 400 / 800 / 1.25 * 80
    EXPECT_EQ(g.gy, 23);  // 300 / 600 / 1.33 * 60 = 22.56
}

}  // namespace
