#include "tisch_fixture.h"

using Deal = Tisch;

TEST_F(Deal, ThreeCardsToTheHumanLandAtTheirSortedPlaces) {
    legen(1, 2, 1);
    legen(1, 6, 1);
    for (uint8_t t : {1, 7, 4, 5, 3}) legen(11, t, 1);  // top of the talon: 3, 5, 4
    glu::dealcards(1, 3, 0, 0, 11, 0);
    EXPECT_EQ(+st(-1).anz, 5);
    // the hand's own cards move to their new places in the same frame as the deal starts
    EXPECT_EQ(+st(1).at(1).bewegung.active, 1);
    EXPECT_EQ(+st(1).at(2).bewegung.toSlot, 5);
    EXPECT_EQ(+glu::zugliste.anz, 5);
    bisRuhe(50);
    EXPECT_EQ(werte(st(1)), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(+st(11).anz, 2);
    EXPECT_TRUE(meldungen.texts().empty());
}

TEST_F(Deal, DealingCases) {
    struct Case {
        const char* name;
        int game, seat, n, skip, seatCards;
        std::vector<int> hand;  // the seat's values after landing
        int talonLeft;
        int message;  // messages expected
    };
    // talon values bottom..top: 1, 2, 3, 4, 5, 6 (top 6); seat cards 10, 11
    const std::vector<Case> cases = {
        {"computer seat: dealt cards in 1..n, old cards up by n", 0, 2, 2, 0, 2, {6, 5, 10, 11}, 4, 0},
        {"skip leaves the top cards", 0, 3, 2, 1, 0, {5, 4}, 4, 0},
        {"zero cards only lays the hand out again", 0, 2, 0, 0, 2, {10, 11}, 6, 0},
        {"Black Jack appends", 9, 2, 1, 0, 2, {10, 11, 6}, 5, 0},
        {"more than the talon holds deals what exists", 0, 2, 9, 0, 0, {6, 5, 4, 3, 2, 1}, 0, 1},
        {"32-card game with a 52-card value", 1, 2, 1, 0, 0, {12}, 5, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        glu::reset();
        glu::anzSitze = 4;
        glu::anzTischStapel = 6;
        cg.spielId = static_cast<uint8_t>(c.game);
        msgsink::clear();
        for (uint8_t t = 1; t <= 6; ++t) legen(11, t == 6 && c.game == 1 ? 12 : t, 1);
        for (int i = 0; i < c.seatCards; ++i) legen(c.seat, static_cast<uint8_t>(10 + i), 1);
        glu::dealcards(c.seat, c.n, c.skip, 0, 11, 0);
        bisRuhe(50);
        EXPECT_EQ(werte(st(c.seat)), c.hand);
        EXPECT_EQ(+st(11).anz, c.talonLeft);
        EXPECT_EQ(static_cast<int>(meldungen.texts().size()), c.message);
    }
}

TEST_F(Deal, CountAbove166IsRefusedBeforeAnyMove) {
    legen(11, 1, 1);
    glu::dealcards(2, 167, 0, 0, 11, 0);
    EXPECT_EQ(+glu::zugliste.anz, 0);
    EXPECT_EQ(+st(-2).anz, 0);
    EXPECT_EQ(meldungen.texts().size(), 1u);
}

TEST_F(Deal, DealNumbersMarkStackAndSlot) {
    legen(2, 9, 1);
    for (uint8_t t = 1; t <= 3; ++t) legen(11, t, 1);
    glu::dealcards(2, 1, 0, 0, 11, 0);
    EXPECT_EQ(+st(2).at(1).dealNr, 2 * 50 + 1);
    EXPECT_EQ(+st(11).at(3).dealNr, 11 * 50 + 3);
    EXPECT_EQ(+st(11).at(3).bewegung.marker, 1);
}

TEST_F(Deal, PlayOntoTheMiddleTargetsTheNextSlot) {
    for (int i = 0; i < 3; ++i) legen(12, 1, 1);
    for (uint8_t t = 1; t <= 4; ++t) legen(2, t, 1);
    EXPECT_EQ(glu::playcard(2, 2, 12, 0), 2);
    EXPECT_EQ(+st(2).at(2).bewegung.toSlot, 4);
    EXPECT_EQ(+st(-2).anz, 3);
    bisRuhe(50);
    EXPECT_EQ(+st(12).anz, 4);
    EXPECT_EQ(+st(12).at(4).c.t, 2);
    EXPECT_EQ(werte(st(2)), (std::vector<int>{1, 3, 4}));
}

TEST_F(Deal, HiddenComputerHandMayPlayAnotherSlot) {
    cg.spielId = 1;  // Skat
    cg.aktSpieler = 2;
    cg.sitzEinstellungen.at(2).staerke = 3;
    for (uint8_t t = 1; t <= 8; ++t) legen(2, t, 1);
    int anders = 0;
    for (int runde = 0; runde < 20; ++runde) {
        glu::reset();
        glu::anzSitze = 3;
        glu::anzTischStapel = 6;
        for (uint8_t t = 1; t <= 8; ++t) legen(2, t, 1);
        const int slot = glu::playcard(2, 1, 12, 0);
        ASSERT_GE(slot, 1);
        ASSERT_LE(slot, 8);
        EXPECT_EQ(+st(2).at(slot).bewegung.toStack, 12);
        // the card that flies is the one that was asked for: only its place was hidden
        EXPECT_EQ(+st(2).at(slot).c.t, 1);
        if (slot != 1) ++anders;
        bisRuhe(50);
        EXPECT_EQ(+st(12).at(1).c.t, 1);
        EXPECT_EQ(+st(2).anz, 7);
    }
    EXPECT_GT(anders, 0);
}

TEST_F(Deal, PlayRefusesAnEmptySlot) {
    legen(2, 1, 1);
    EXPECT_EQ(glu::playcard(2, 2, 12, 0), 0);
    EXPECT_EQ(+glu::zugliste.anz, 0);
    EXPECT_EQ(meldungen.texts().size(), 1u);
}
