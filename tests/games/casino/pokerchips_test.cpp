#include "games/casino/pokerchips.h"

#include <gtest/gtest.h>

#include <vector>

#include "chip_fixture.h"
#include "games/casino/chipanim.h"

using namespace pokerchips;

namespace {

using Chips = ChipTisch;

std::vector<int> queueWerte() {
    std::vector<int> v;
    const auto& h = chipanim::AnimationHandler;
    for (int i = 0; i < h.anfragen(); ++i) v.push_back(h.anfrage(i).wert);
    return v;
}

TEST_F(Chips, TypesCodesAndValues) {
    const int werte[] = {1, 5, 10, 25, 100};
    for (int t = 0; t <= 4; ++t) {
        EXPECT_EQ(chipValue(t), werte[t]);
        EXPECT_EQ(chipValueToType(werte[t]), t);
        EXPECT_EQ(chipCodeToType(chipTypeToCode(t)), t);
    }
    EXPECT_EQ(chipValueToType(-111), kMarke);
    EXPECT_EQ(chipValueToType(7), kKeinTyp);
    EXPECT_EQ(chipCodeToType(10), kMarke);
    std::vector<int> walk;
    for (int t = 4; t != kKeinTyp; t = lowerType(t)) walk.push_back(t);
    EXPECT_EQ(walk, (std::vector<int>{4, 3, 2, 1, 0}));
}

TEST_F(Chips, TotalsIgnoreMarkersAndQueuedChipsAreNotAvailable) {
    AddChipsToStack(1, kMarke, 2, -1);
    EXPECT_EQ(seatChipTotal(1), 0);
    AddChipsToStack(1, 3, 1, -1);
    AddChipsToStack(1, 0, 3, -1);
    EXPECT_EQ(seatChipTotal(1), 28);
    chipanim::queueChipMove(1, 9, 25, true, 0, 0);
    chipanim::queueChipMove(1, 9, 25, true, 0, 0);
    EXPECT_EQ(chipsAvailable(1, 3), -1);
    EXPECT_EQ(chipsAvailable(1, kKeinTyp), 3 - 25);
    EXPECT_TRUE(higherChipsAvailable(1, 0) == false);
}

TEST_F(Chips, AddingAtAnIndexReservesTheSlotsBelow) {
    AddChipsToStack(2, 1, 1, 3);
    const ChipStack& st = seat(2).stacks[1];
    ASSERT_EQ(st.count, 4);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(st.entries[i].zustand, kReserviert);
    EXPECT_EQ(st.entries[3].zustand, kRuht);
    EXPECT_EQ(seatChipTotal(2), 20);  // reserved slots still count as the chips on their way
    AddChipsToStack(2, 0, kStapelMax + 1, -1);
    EXPECT_EQ(anzahl(2, 0), 0);  // a stack never holds more than 169
}

TEST_F(Chips, ColumnsEvery66AndEvery33OnBankAndPot) {
    struct Case {
        int sitz, index, spalte, reihe;
    };
    const Case cases[] = {{1, 0, 0, 0},   {1, 65, 0, 65}, {1, 66, 1, 0}, {1, 132, 2, 0}, {1, 140, 2, 8},
                          {7, 32, 0, 32}, {7, 33, 1, 0},  {8, 66, 2, 0}, {8, 70, 2, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sitz << "/" << c.index);
        EXPECT_EQ(ChipStackColumn(c.sitz, 0, c.index), c.spalte);
        EXPECT_EQ(chipRowInColumn(c.index, c.sitz), c.reihe);
    }
}

TEST_F(Chips, BreakingAHundredInThePot) {
    AddChipsToStack(kPot, 4, 1, -1);
    breakPotChip();
    // the queue is taken from its end: this is the order the chips come back in
    EXPECT_EQ(queueWerte(), (std::vector<int>{25, 10, 5, 1, 25, 10, 5, 1, 10, 5, 1, 1, 1, 100}));
    ruhen();
    EXPECT_EQ(seatChipTotal(kPot), 100);
    EXPECT_EQ(anzahl(kPot, 4), 0);
    EXPECT_EQ(anzahl(kPot, 0), 5);
}

TEST_F(Chips, BreakingAFiveAndBreakingNothing) {
    AddChipsToStack(kPot, 1, 1, -1);
    breakPotChip();
    EXPECT_EQ(queueWerte(), (std::vector<int>{1, 1, 1, 1, 1, 5}));
    chipanim::AnimationHandler.Clear();
    leeren();
    AddChipsToStack(kPot, 0, 3, -1);
    breakPotChip();  // only 1-chips: nothing to break, and it returns
    EXPECT_TRUE(queueWerte().empty());
}

TEST_F(Chips, ChangeForASeatShortOfSmallChips) {
    AddChipsToStack(2, 0, 4, -1);
    AddChipsToStack(2, 1, 1, -1);
    EXPECT_TRUE(needsChange());
    LowTerminateNew();
    // five 1-chips come from the bank, the 5-chip goes to it
    std::vector<int> zurBank, vomBank;
    const auto& h = chipanim::AnimationHandler;
    for (int i = 0; i < h.anfragen(); ++i) {
        const auto& r = h.anfrage(i);
        if (r.von == 2) zurBank.push_back(r.wert);
        if (r.nach == 2) vomBank.push_back(r.wert);
    }
    EXPECT_EQ(zurBank, (std::vector<int>{5}));
    EXPECT_EQ(vomBank, (std::vector<int>(5, 1)));
    ruhen();
    EXPECT_EQ(seatChipTotal(2), 9);
    EXPECT_EQ(anzahl(2, 0), 9);
    EXPECT_FALSE(needsChange());
}

TEST_F(Chips, ASaveWhileChipsFlyStoresThemAtTheirDestination) {
    AddChipsToStack(1, 2, 3, -1);
    AddChipsToStack(3, kMarke, 1, -1);
    seat(3).stacks[kMarke].entries[0].wert = 2;
    chipanim::queueChipMove(1, 9, 20, false, 4, 0);
    chipanim::animationStep();  // the split
    chipanim::animationStep();  // the flights start
    ASSERT_GT(chipanim::AnimationHandler.fluege(), 0);
    ChipSaveRecord rec{};
    SaveChipCounts(rec);
    EXPECT_EQ(rec.at(1).anzahl[2], 1);
    EXPECT_EQ(rec.at(9).anzahl[2], 2);
    EXPECT_EQ(rec.at(3).marke1, 2);
    EXPECT_EQ(rec.at(3).marke2, 0);

    chipanim::AnimationHandler.Clear();
    rec.at(5).anzahl[0] = 500;  // a count no stack holds comes from a damaged file
    RestoreChipCounts(rec);
    EXPECT_EQ(seatChipTotal(1), 10);
    EXPECT_EQ(seatChipTotal(9), 20);
    EXPECT_EQ(anzahl(5, 0), 0);
    EXPECT_EQ(seat(3).stacks[kMarke].entries[0].wert, 2);
}

TEST_F(Chips, AMarkerPutOverAtOnceKeepsItsCode) {
    AddChipsToStack(10, kMarke, 1, -1);
    seat(10).stacks[kMarke].entries[0].wert = 2;
    markeVersetzen(10, 12);
    EXPECT_EQ(seat(10).stacks[kMarke].count, 0);
    ASSERT_EQ(seat(12).stacks[kMarke].count, 1);
    EXPECT_EQ(seat(12).stacks[kMarke].entries[0].wert, 2);
    markeVersetzen(10, 12);  // nothing left to move
    EXPECT_EQ(seat(12).stacks[kMarke].count, 1);
}

TEST_F(Chips, BankSupplyByStartingMoney) {
    // 100 with four seats: k = 5; (3n + 4) k + 7 = 87 ones, 86 fives, 24 tens, 16 25s, 5 100s
    startGeld = [] { return int32_t{100}; };
    initChipSeat(kBank, false);
    EXPECT_EQ(anzahl(kBank, 0), 87);
    EXPECT_EQ(anzahl(kBank, 1), 86);
    EXPECT_EQ(anzahl(kBank, 2), 24);
    EXPECT_EQ(anzahl(kBank, 3), 16);
    EXPECT_EQ(anzahl(kBank, 4), 5);
    EXPECT_EQ(anzahl(kBank, kMarke), 1);
    // 500: k = 10, r = round(5.6) = 6; 2n(k + 2) + 3 = 99, r(k + 3) + 14 = 92, (k + 3) n + 32 = 84
    startGeld = [] { return int32_t{500}; };
    initChipSeat(kBank, false);
    EXPECT_EQ(anzahl(kBank, 0), 99);
    EXPECT_EQ(anzahl(kBank, 1), 92);
    EXPECT_EQ(anzahl(kBank, 2), 84);
    startGeld = nullptr;
}

}  // namespace
