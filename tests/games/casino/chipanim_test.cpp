#include "games/casino/chipanim.h"

#include <gtest/gtest.h>

#include <vector>

#include "chip_fixture.h"
#include "games/casino/pokerchips.h"

using namespace pokerchips;

namespace {

using ChipMoves = ChipTisch;

// The chip values of the flights in the air, in flight order.
std::vector<int> flugWerte() {
    std::vector<int> v;
    const auto& h = chipanim::AnimationHandler;
    for (int i = 0; i < h.fluege(); ++i) v.push_back(chipValue(h.flug(i).vonTyp));
    return v;
}

TEST_F(ChipMoves, AnAmountIsTakenGreedilyFromTheChipsThereAre) {
    AddChipsToStack(1, 3, 1, -1);
    AddChipsToStack(1, 2, 1, -1);
    AddChipsToStack(1, 0, 5, -1);
    ASSERT_TRUE(chipanim::queueChipMove(1, 9, 37, false, 4, 0));
    EXPECT_FALSE(chipanim::animationStep());
    // split greedily as 25, 10, 1, 1; the queue is taken from its end
    EXPECT_EQ(flugWerte(), (std::vector<int>{1, 1, 10, 25}));
    EXPECT_GT(ruhen(), 0);
    EXPECT_EQ(seatChipTotal(1), 3);
    EXPECT_EQ(seatChipTotal(9), 37);
    EXPECT_TRUE(meldungen.texts().empty());
}

TEST_F(ChipMoves, PayoutsFromTheBankStartWithSmallChips) {
    ASSERT_TRUE(chipanim::queueChipMove(kBank, 2, 100, false, 0, 0));
    chipanim::animationStep();
    std::vector<int> n(5, 0);
    for (int w : flugWerte()) n[chipValueToType(w)] += 1;
    EXPECT_EQ(n, (std::vector<int>{15, 15, 1, 0, 0}));
    ruhen();
    EXPECT_EQ(seatChipTotal(2), 100);
}

TEST_F(ChipMoves, RefusedRequestsAndTheMarker) {
    EXPECT_FALSE(chipanim::queueChipMove(1, 9, 0, true, 0, 0));
    EXPECT_FALSE(chipanim::queueChipMove(1, 9, -5, false, 4, 0));
    EXPECT_EQ(chipanim::AnimationHandler.anfragen(), 0);
    // the marker comes from the bank, which makes one when it has none, and says nothing
    EXPECT_TRUE(chipanim::queueChipMove(kBank, 12, kMarkenWert, true, 0, 0));
    ruhen();
    EXPECT_EQ(seat(12).stacks[kMarke].count, 1);
    EXPECT_TRUE(meldungen.texts().empty());
    // asking a seat for more than it has is reported, and the request stays
    EXPECT_TRUE(chipanim::queueChipMove(3, 9, 5, true, 0, 0));
    EXPECT_EQ(meldungen.texts().size(), 1u);
}

TEST_F(ChipMoves, TheChipStartedLastLandsLowest) {
    AddChipsToStack(1, 0, 2, -1);
    chipanim::queueChipMove(1, 9, 1, true, 0, 0);
    chipanim::queueChipMove(1, 9, 1, true, 0, 0);
    chipanim::animationStep();
    ASSERT_EQ(chipanim::AnimationHandler.fluege(), 2);
    // the queue is taken from its end: the second started flight takes slot 0
    EXPECT_EQ(chipanim::AnimationHandler.flug(1).nachSlot, 0);
    EXPECT_EQ(chipanim::AnimationHandler.flug(0).nachSlot, 1);
    ruhen();
    EXPECT_EQ(seat(9).stacks[0].count, 2);
    EXPECT_EQ(seat(1).stacks[0].count, 0);
}

TEST_F(ChipMoves, FlightsTakeTheirTimeAndAStallCountsAsThreeHundredMs) {
    envParam.kartenSpeed = 16;  // chip speed 24: a flight lasts about a third of a second
    AddChipsToStack(1, 1, 1, -1);
    chipanim::queueChipMove(1, 9, 5, true, 0, 0);
    chipanim::animationStep();
    chipanim::AnimationHandler.Frame();
    uhr.advance(100);
    chipanim::AnimationHandler.Frame();
    EXPECT_EQ(chipanim::AnimationHandler.fluege(), 1);
    uhr.advance(60000);  // a long stall moves it by 300 ms only: it lands, and no further
    chipanim::AnimationHandler.Frame();
    EXPECT_EQ(chipanim::AnimationHandler.fluege(), 0);
    EXPECT_EQ(seatChipTotal(9), 5);
}

TEST_F(ChipMoves, TheQueueIsBounded) {
    AddChipsToStack(kBank, 0, 10, -1);
    int angenommen = 0;
    for (int i = 0; i < chipanim::kAnfragenMax + 20; ++i)
        angenommen += chipanim::queueChipMove(1, 2, 5, false, 4, 0) ? 1 : 0;
    EXPECT_EQ(angenommen, chipanim::kAnfragenMax);
}

TEST_F(ChipMoves, AChipForAFullStackKeepsItsMoney) {
    AddChipsToStack(2, 0, kStapelMax, -1);
    AddChipsToStack(1, 0, 1, -1);
    chipanim::queueChipMove(1, 2, 1, true, 0, 0);
    ruhen();
    EXPECT_EQ(seatChipTotal(2), kStapelMax);
    EXPECT_EQ(seatChipTotal(1), 0);
    EXPECT_EQ(seatChipTotal(kBank), 1);  // the bank holds it
}

TEST_F(ChipMoves, AmountsWithoutExactChangeAreChangedByTheBank) {
    AddChipsToStack(3, 3, 1, -1);  // one 25, and 6 to pay
    chipanim::queueChipMove(3, 9, 6, false, 4, 0);
    ruhen();
    EXPECT_EQ(seatChipTotal(9), 6);
    EXPECT_EQ(seatChipTotal(3), 19);
    EXPECT_TRUE(meldungen.texts().empty());
}

TEST_F(ChipMoves, AClickOnTheHoveredStackHoldsTheQueueForThatFrame) {
    AddChipsToStack(1, 1, 3, -1);
    chipanim::AnimationHandler.SetHoverStack(12, false);  // seat 1's 5-chips
    chipanim::queueChipMove(1, 9, 5, true, 0, 0);
    chipanim::AnimationHandler.ClickStack();
    EXPECT_TRUE(chipanim::animationStep());
    EXPECT_EQ(chipanim::AnimationHandler.anfragen(), 1);
    EXPECT_EQ(cg.antwort.art, 6);
    EXPECT_EQ(cg.antwort.wert1, 1);
    EXPECT_EQ(cg.antwort.wert2, 2);
    // the lifted chip does not hold the game; the next frame starts the move
    EXPECT_FALSE(chipanim::animationStep());
    EXPECT_EQ(chipanim::AnimationHandler.anfragen(), 0);
}

TEST_F(ChipMoves, MovingTheMouseSinksOneChipFromWhereItIs) {
    AddChipsToStack(1, 0, 2, -1);
    AddChipsToStack(1, 1, 2, -1);
    auto& h = chipanim::AnimationHandler;
    h.Frame();  // the handler's clock starts
    h.SetHoverStack(11, false);
    uhr.advance(20);
    h.Frame();
    ASSERT_EQ(h.fluege(), 1);
    const float hoch = h.flug(0).progress;
    ASSERT_GT(hoch, 0.0f);
    h.SetHoverStack(12, false);
    ASSERT_EQ(h.fluege(), 2);
    EXPECT_EQ(h.flug(0).kind, 4);
    EXPECT_FLOAT_EQ(h.flug(0).progress, 1.0f - hoch);
    EXPECT_EQ(h.flug(1).kind, 2);
}

}  // namespace
