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
