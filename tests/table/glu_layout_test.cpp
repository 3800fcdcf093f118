#include <cmath>

#include "tisch_fixture.h"

using Layout = Tisch;

TEST_F(Layout, TwoSeatsSitStraightAcross) {
    for (int game : {0, 1, 2, 3, 4, 8}) {
        SCOPED_TRACE(game);
        cg.spielId = static_cast<uint8_t>(game);
        glu::anzSitze = 2;
        st(2).id = 2;
        glu::seatposition(st(2), 0, 0);
        const float w = 0;
        if (game == 3 || game == 4 || game == 8) {
            EXPECT_FLOAT_EQ(+st(2).pos.v[0], 1.3f * (1050 * std::sin(w)) + 770);
            EXPECT_FLOAT_EQ(+st(2).pos.v[2], 1.3f * (-1100.0f) - 160);
        } else {
            EXPECT_FLOAT_EQ(+st(2).pos.v[0], 720 + 50);
            EXPECT_FLOAT_EQ(+st(2).pos.v[2], -160 - 1100.0f);
        }
    }
}

TEST_F(Layout, FanOfOneCardIsOffCentre) {
    st(1).id = 1;
    TKartenSlot k{};
    glu::fanposition(st(1), 1, k, 1);
    EXPECT_FLOAT_EQ(+k.x, 120 * 0.3f);
    EXPECT_FLOAT_EQ(+k.a3, -25 * 0.3f);
    EXPECT_EQ(+k.face, 1);
    EXPECT_FLOAT_EQ(+k.draw2, 6.0f);
    glu::fanposition(st(1), 1, k, 5);  // first of five: u = -1
    EXPECT_FLOAT_EQ(+k.x, -120);
    glu::fanposition(st(1), 5, k, 5);
    EXPECT_FLOAT_EQ(+k.x, 120);
}

TEST_F(Layout, BlackJackGetsNoFan) {
    cg.spielId = 9;
    static int gerufen = 0;
    gerufen = 0;
    tischhooks::tab().bjStapelLegen = [](TSpieler&) { ++gerufen; };
    legen(2, 1, 1);
    st(2).id = 2;
    st(2).at(1).x = 55;
    glu::seatposition(st(2), 0, 1);
    EXPECT_FLOAT_EQ(+st(2).at(1).x, 55);
    EXPECT_EQ(gerufen, 1);
}

TEST_F(Layout, LayoutWithoutFullKeepsCardsAndCounts) {
    for (int s : {1, 2, 11, 12, 13, 14, 15, 16}) {
        legen(s, 3, 2, 77);
        legen(s, 4, 2, 78);
    }
    st(12).at(1).hi = 5;
    st(12).at(1).pilePos = 2;
    glu::setuptablelayout(0);
    for (int s : {1, 2, 11, 12, 13, 14, 15, 16}) {
        SCOPED_TRACE(s);
        EXPECT_EQ(+st(s).anz, 2);
        EXPECT_EQ(+st(s).at(2).c.nr, 78);
    }
    EXPECT_EQ(+st(12).at(1).hi, 5);
    EXPECT_EQ(+st(12).at(1).pilePos, 2);
    EXPECT_EQ(glu::anzTischStapel, 6);
    EXPECT_EQ(+st(-2).anz, 2);  // a seat is copied into its twin
    EXPECT_FLOAT_EQ(+st(-2).pos.v[0], +st(2).pos.v[0]);
}

TEST_F(Layout, FullLayoutEmptiesTheTableStacks) {
    legen(11, 1, 1);
    legen(2, 1, 1);
    glu::setuptablelayout(1);
    for (int s : {11, 12, 13, 14, 15, 16}) EXPECT_EQ(+st(s).anz, 0) << s;
    EXPECT_EQ(+st(2).anz, 1);
}

TEST_F(Layout, DiscardPileOfFewCardsGetsFiniteAngles) {
    for (int n : {0, 1, 2}) {
        SCOPED_TRACE(n);
        glu::reset();
        glu::anzSitze = 2;
        for (int i = 0; i < n; ++i) legen(13, 1, 1);
        glu::setuptablelayout(0);
        for (int i = 1; i <= 10; ++i) EXPECT_TRUE(std::isfinite(st(13).at(i).a3)) << i;
    }
}

TEST_F(Layout, GamePositionsOfTalonAndMiddle) {
    struct Case {
        int game;
        float talonX, talonZ, middleZ;
    };
    const Case cases[] = {{0, 40, -310, -780},
                          {2, 40, -230, -780},
                          {7, 40, -310, -580},
                          {8, 85, -350, -680},
                          {3, -18, -210, -780}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.game);
        cg.spielId = static_cast<uint8_t>(c.game);
        glu::setuptablelayout(1);
        EXPECT_FLOAT_EQ(+st(11).pos.v[0], c.talonX);
        EXPECT_FLOAT_EQ(+st(11).pos.v[2], c.talonZ);
        EXPECT_FLOAT_EQ(+st(12).pos.v[2], c.middleZ);
        EXPECT_FLOAT_EQ(+st(16).pos.v[2], +st(12).pos.v[2]);
    }
}

// The talon's card spacing follows the deck count of whatever game runs, not only Black Jack.
TEST_F(Layout, TalonSpacingFollowsTheDeckCount) {
    struct Case {
        int game, decks;
        uint8_t kurz;
        float spacing;
    };
    const Case cases[] = {{3, 2, 0, 1.8f}, {4, 3, 0, 1.4f}, {1, 1, 0, 2.0f},
                          {9, 3, 0, 1.4f}, {9, 3, 1, 1.8f}, {9, 2, 1, 2.0f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.game << " " << c.decks << " " << int{c.kurz});
        cg.spielId = static_cast<uint8_t>(c.game);
        cg.blackjack.deckAnzahl = c.decks;
        cg.blackjack.siebzehnUndVier = c.kurz;
        glu::setuptablelayout(0);
        EXPECT_FLOAT_EQ(+st(11).at(10).z, 10 * c.spacing);
    }
}

TEST_F(Layout, BlackJackRowsInStackAndTwin) {
    cg.spielId = 9;
    glu::anzSitze = 3;
    glu::LayoutCardPositions(1, 1, 2, 2, 0, 0);
    EXPECT_FLOAT_EQ(+st(1).at(1).y, 70);
    EXPECT_FLOAT_EQ(+st(1).at(2).y, 10);
    EXPECT_FLOAT_EQ(+st(-1).at(2).y, 10);
    EXPECT_FLOAT_EQ(+st(1).at(1).a2, -180);
    glu::LayoutCardPositions(2, 3, 1, 3, 0, 0);
    EXPECT_FLOAT_EQ(+st(2).at(3).y, 240);
    EXPECT_FLOAT_EQ(+st(2).at(3).a2, 0);
    glu::LayoutCardPositions(5, 1, 1, 3, 0, 0);  // beyond the seats in use: nothing
    EXPECT_FLOAT_EQ(+st(5).at(1).y, 0);
}

TEST_F(Layout, ThrowPositionOfTrickGames) {
    cg.spielId = 5;
    tischcg::tz.stichAnz = 2;
    TKartenSlot k{};
    glu::throwposition(3, 1, k);
    EXPECT_FLOAT_EQ(+k.z, 0.5f * 2 - 97);
    EXPECT_EQ(+k.draw1, 0);
    EXPECT_EQ(+k.a1, 0);
}

TEST_F(Layout, OpenHandPositionOfSkat) {
    cg.spielId = 1;
    st(2).pos = Pos6{{500, 0, 0, 0, 10, 0}};
    Pos6 p{};
    glu::openhandposition(2, p);
    EXPECT_FLOAT_EQ(+p.v[0], 340);
    EXPECT_FLOAT_EQ(+p.v[2], 100);
    EXPECT_FLOAT_EQ(+p.v[4], -170);
}

// Seats 2..n of three to six players, the expected places worked out by hand from the layout
// formulas (angle w from the seat's share of the arc, then x = 1050 sin w + 720 - 90 w^2 -
// 300 w + 50 and z = 120 w - 160 - 1100 cos w, the casino and meld games scaled by 1.3).
TEST_F(Layout, SeatsOfThreeToSixPlayers) {
    struct Case {
        int game, seats, seat;
        bool open;
        float x, z, a2;
    };
    const Case cases[] = {
        {0, 3, 3, false, 1220.904f, -844.824f, 130.509f},  {0, 4, 2, false, 153.975f, -965.009f, 236.633f},
        {0, 5, 3, false, 521.464f, -1241.029f, 201.259f},  {0, 6, 6, false, 1261.586f, -655.125f, 118.024f},
        {1, 3, 2, false, 306.532f, -1125.905f, 217.904f},  {1, 3, 3, false, 1162.660f, -975.377f, 156.096f},
        {3, 4, 2, false, 25.971f, -1278.808f, 232.620f},   {3, 6, 4, true, 683.251f, -1598.201f, 186.183f},
        {4, 5, 5, false, 1363.649f, -1027.230f, 128.216f}, {8, 6, 6, false, 1380.272f, -967.974f, 125.031f},
        {5, 4, 4, false, 1274.898f, -888.842f, 135.336f},  {6, 4, 3, false, 718.418f, -1265.221f, 180.900f},
        {12, 4, 2, false, 89.913f, -985.292f, 226.464f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "game " << c.game << ", " << c.seats << " seats, seat " << c.seat);
        cg.spielId = static_cast<uint8_t>(c.game);
        glu::anzSitze = c.seats;
        st(c.seat).id = c.seat;
        st(c.seat).anz = 0;
        glu::seatposition(st(c.seat), c.open ? 1 : 0, 0);
        EXPECT_NEAR(st(c.seat).pos.v[0], c.x, 0.05f);
        EXPECT_NEAR(st(c.seat).pos.v[2], c.z, 0.05f);
        EXPECT_NEAR(st(c.seat).pos.v[4], c.a2, 0.01f);
    }
}
