#include "table/tischdienste.h"

#include "tisch_fixture.h"

using Dienste = Tisch;

TEST_F(Dienste, PackedStacksComeBackIntoTheirHolders) {
    legen(1, 3, 2);
    legen(1, 5, 4);
    legen(12, 7, 1);
    tischdienste::packen();
    EXPECT_EQ(cg.stapelListen[1].anz, 2);
    EXPECT_EQ(cg.stapelListen[1].id, 1);
    EXPECT_EQ(cg.stapelListen[12].k[0].t, 7);
    EXPECT_EQ(st(1).hand.anz, 2);  // mirrored into the hand
    st(1).anz = 0;
    st(12).anz = 0;
    tischdienste::entpacken();
    EXPECT_EQ(werte(st(1)), (std::vector<int>{3, 5}));
    EXPECT_EQ(werte(st(12)), (std::vector<int>{7}));
}

TEST_F(Dienste, LoadingFillsEachHolderAndItsTwin) {
    legen(2, 4, 1);
    legen(2, 6, 3);
    spielstand::Anbindung a;
    tischdienste::anbinden(a);
    a.stapelPacken(cg);
    EXPECT_EQ(cg.stapelListen[2].anz, 2);
    st(2).anz = 0;
    a.stapelEntpacken(cg);
    EXPECT_EQ(werte(st(2)), (std::vector<int>{4, 6}));
    EXPECT_EQ(werte(st(-2)), (std::vector<int>{4, 6}));
}

TEST_F(Dienste, InvalidStacksAndSlotsAnswerEmpty) {
    legen(2, 4, 1);
    struct Case {
        int stack, slot, count, value;
    };
    const Case cases[] = {{2, 1, 1, 4}, {2, 2, 1, 0},  {2, 0, 1, 0},
                          {0, 1, 0, 0}, {21, 1, 0, 0}, {-2, 1, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stack << "/" << c.slot);
        EXPECT_EQ(tischdienste::anzahl(c.stack), c.count);
        EXPECT_EQ(tischdienste::karteBei(c.stack, c.slot).t, c.value);
    }
    tischdienste::karteEntfernen(2, 1);
    EXPECT_EQ(tischdienste::anzahl(2), 0);
}

TEST_F(Dienste, FillsOnlyTheTableEntries) {
    central::Dienste d;
    d.spielerAnzahl = [] { return 3; };
    tischdienste::eintragen(d);
    EXPECT_NE(d.packen, nullptr);
    EXPECT_NE(d.stapelAnzahl, nullptr);
    ASSERT_NE(d.spielerAnzahl, nullptr);
    EXPECT_EQ(d.spielerAnzahl(), 3);
    EXPECT_EQ(d.app, nullptr);
}
