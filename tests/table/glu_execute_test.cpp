#include "tisch_fixture.h"

using Execute = Tisch;

namespace {

struct Zug {
    int kind, from, fromSlot, to, toSlot;
    bool operator==(const Zug& o) const {
        return kind == o.kind && from == o.from && fromSlot == o.fromSlot && to == o.to && toSlot == o.toSlot;
    }
};
std::ostream& operator<<(std::ostream& os, const Zug& z) {
    return os << "{" << z.kind << ", " << z.from << "." << z.fromSlot << " -> " << z.to << "." << z.toSlot
              << "}";
}

std::vector<Zug> zuege() {
    std::vector<Zug> v;
    for (int i = 1; i <= glu::zugliste.anz; ++i) {
        const TZug& z = glu::zugliste.at(i);
        v.push_back(Zug{z.kind, z.fromStack, z.fromSlot, z.toStack, z.toSlot});
    }
    return v;
}

}  // namespace

TEST_F(Execute, GeneralTransferRows) {
    struct Case {
        const char* name;
        int A, B, T, D, count;
        std::vector<Zug> moves;  // the first moves requested, in order
        int holder, slot;        // the awaited move (0, 0: unchanged)
    };
    // every stack holds 4 cards; seat 2 as well
    const std::vector<Case> cases = {
        {"discard pile to a seat", 13, 1, 2, 5, 2, {{14, 13, 1, 2, 5}, {14, 13, 2, 2, 6}}, 13, 2},
        {"one card from the middle into the sorted hand", 12, 2, 2, 0, 1, {{3, 12, 2, -2, 1}}, 12, 2},
        {"several from the middle into the seat's twin",
         16,
         4,
         2,
         6,
         2,
         {{3, 16, 4, -2, 6}, {3, 16, 3, -2, 5}},
         16,
         4},
        {"talon to a seat", 11, 4, 2, 0, 2, {{3, 11, 4, -2, 1}, {3, 11, 3, -2, 2}}, 11, 3},
        {"talon to stack 15", 11, 4, 15, 6, 2, {{14, 11, 4, 15, 6}, {14, 11, 3, 15, 5}}, 11, 3},
        {"seat onto the discard pile, several", 2, 1, 13, 0, 2, {{2, 2, 1, 13, 5}, {2, 2, 2, 13, 6}}, 2, 2},
        {"seat onto the discard pile, one", 2, 3, 13, 0, 1, {{2, 2, 3, 13, 5}}, 2, 3},
        {"talon to the middle", 11, 4, 12, 5, 2, {{7, 11, 4, 12, 5}, {7, 11, 3, 12, 6}}, 11, 3},
        {"between middle piles", 12, 4, 13, 6, 2, {{15, 12, 4, 13, 6}, {15, 12, 3, 13, 5}}, 12, 3},
        {"between talons", 15, 4, 11, 6, 2, {{14, 15, 4, 11, 6}, {14, 15, 3, 11, 5}}, 15, 3},
        {"middle back to the talon", 13, 4, 11, 6, 2, {{7, 13, 4, 11, 6}, {7, 13, 3, 11, 5}}, 13, 3},
        {"no row matches", 14, 1, 12, 1, 1, {}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        glu::reset();
        glu::anzSitze = 4;
        glu::anzTischStapel = 6;
        cg.bewegungWarten = TBewegungWarten{};
        for (int s : {2, 7, 11, 12, 13, 15, 16})
            for (uint8_t t = 1; t <= 4; ++t) legen(s, t, 1);
        glu::executemove(c.A, c.B, c.T, c.D, c.count, 0, 0);
        const auto v = zuege();
        ASSERT_GE(v.size(), c.moves.size());
        for (size_t i = 0; i < c.moves.size(); ++i) EXPECT_EQ(v[i], c.moves[i]) << i;
        if (c.moves.empty()) {
            EXPECT_TRUE(v.empty());
        }
        EXPECT_EQ(+cg.bewegungWarten.halter, c.holder);
        EXPECT_EQ(+cg.bewegungWarten.marke, c.slot);
        EXPECT_EQ(+cg.bewegungWarten.aktiv, c.holder ? 3 : 0);
        bisRuhe(50);
        EXPECT_EQ(+glu::zugliste.anz, 0);
    }
}

TEST_F(Execute, OneCardFromTheMiddleClosesTheGap) {
    for (uint8_t t = 1; t <= 4; ++t) legen(12, t, 1);
    glu::executemove(12, 2, 2, 0, 1, 0, 0);
    bisRuhe(50);
    EXPECT_EQ(werte(st(12)), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(werte(st(2)), (std::vector<int>{2}));
}

TEST_F(Execute, TakeFromTheDiscardPileOnlyFromThirteenToASeat) {
    struct Case {
        int A, T;
        bool deals;
    };
    const Case cases[] = {{13, 2, true}, {12, 2, false}, {13, 10, false}, {13, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.A << " -> " << c.T);
        glu::reset();
        glu::anzSitze = 4;
        glu::anzTischStapel = 6;
        cg.bewegungWarten = TBewegungWarten{};
        for (uint8_t t = 1; t <= 3; ++t) legen(c.A, t, 1);
        glu::executemove(c.A, 3, c.T, 0, 2, 5, 0);
        EXPECT_EQ(+glu::zugliste.anz > 0, c.deals);
        EXPECT_EQ(+cg.bewegungWarten.halter, c.deals ? 13 : 0);
        EXPECT_EQ(+cg.bewegungWarten.marke, c.deals ? 2 : 0);
    }
}

TEST_F(Execute, PlainRunOfNoCardsStillRecords) {
    glu::executemove(12, 3, 13, 1, 0, 6, 0);
    EXPECT_EQ(+glu::zugliste.anz, 0);
    EXPECT_EQ(+cg.bewegungWarten.halter, 12);
    EXPECT_EQ(+cg.bewegungWarten.marke, 1);
}

TEST_F(Execute, DiscardIntoItsSortedPlace) {
    // the pile lies strongest first
    legen(12, 5, 1);
    legen(12, 2, 1);
    legen(1, 3, 1);
    legen(1, 8, 1);
    glu::executemove(1, 1, 12, 0, 1, 2, 0);
    bisRuhe(50);
    EXPECT_EQ(werte(st(12)), (std::vector<int>{5, 3, 2}));
    EXPECT_EQ(werte(st(1)), (std::vector<int>{8}));
    EXPECT_EQ(+cg.bewegungWarten.halter, 1);
}

TEST_F(Execute, DiscardOntoAFullPileIsRefused) {
    for (int i = 0; i < kSlots; ++i) legen(12, 9, 1);
    legen(1, 3, 1);
    glu::executemove(1, 1, 12, 0, 1, 2, 0);
    EXPECT_EQ(+glu::zugliste.anz, 0);
    EXPECT_EQ(+st(12).anz, kSlots);
    EXPECT_EQ(meldungen.texts().size(), 1u);
}

TEST_F(Execute, CanastaLaysWildCardsFirst) {
    cg.spielId = 4;
    cg.ablauf.meldModus = 1;
    cg.aktSpieler = 1;
    for (uint8_t t : {5, 5, 9, 7}) legen(1, t, 2);
    hand& sel = cg.gespielteHand;
    sel.anz = 3;
    for (int i = 1; i <= 3; ++i) sel.at(i) = karte{st(1).at(i).c.t, 2, static_cast<uint16_t>(i)};
    glu::executemove(1, 0, 12, 0, 3, 3, 0);
    EXPECT_EQ(+k12.d.anz1, 1);
    bisRuhe(50);
    EXPECT_EQ(werte(st(12)), (std::vector<int>{9, 5, 5}));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(+st(12).at(i).hi, 1);
        EXPECT_EQ(+st(12).at(i).pilePos, i);
    }
    EXPECT_EQ(werte(st(1)), (std::vector<int>{7}));
    EXPECT_EQ(+cg.bewegungWarten.halter, 1);
    EXPECT_EQ(+cg.bewegungWarten.marke, 4);
}

TEST_F(Execute, NewMeldOfTheWholeHandEmptiesTheSeat) {
    cg.spielId = 3;
    cg.ablauf.meldModus = 1;
    cg.aktSpieler = 1;
    for (uint8_t t : {1, 2, 3}) legen(1, t, 3);
    hand& sel = cg.gespielteHand;
    sel.anz = 3;
    for (int i = 1; i <= 3; ++i) sel.at(i) = karte{st(1).at(i).c.t, 3, static_cast<uint16_t>(i)};
    glu::executemove(1, 0, 12, 0, 3, 3, 0);
    bisRuhe(50);
    EXPECT_EQ(+st(1).anz, 0);
    EXPECT_EQ(werte(st(12)), (std::vector<int>{1, 2, 3}));
}

TEST_F(Execute, RommeSendsTheJokerBack) {
    cg.spielId = 3;
    cg.ablauf.meldModus = 1;
    cg.aktSpieler = 1;
    // the meld 7, Joker, 9 of Herz in stack 12 as pile 1
    const karte meld[3] = {{1, 3, 0}, {14, 1, 0}, {3, 3, 0}};
    for (int i = 0; i < 3; ++i) {
        legen(12, meld[i].t, meld[i].f);
        st(12).at(i + 1).hi = 1;
        st(12).at(i + 1).pilePos = i + 1;
    }
    k12.d.anz1 = 1;
    k12.zellenAusKarten();
    legen(1, 2, 3);  // the 8 of Herz
    legen(1, 6, 1);
    hand& sel = cg.gespielteHand;
    sel.anz = 1;
    sel.at(1) = karte{2, 3, 1};
    glu::executemove(1, 0, 12, 1, 1, 4, 0);
    EXPECT_EQ(+k12.jokerFrei, 1);
    EXPECT_EQ(+k12.jokerSlot, 2);
    bisRuhe(50);
    EXPECT_EQ(werte(st(12)), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(werte(st(1)), (std::vector<int>{14, 6}));
    EXPECT_EQ(+k12.d.aktiv, 0);
    ASSERT_EQ(+k12.pile(1).anz, 3);
    EXPECT_EQ(+k12.pile(1).at(2).nr, 2);
    EXPECT_EQ(+st(12).at(2).hi, 1);
    EXPECT_EQ(+st(12).at(2).pilePos, 2);
    EXPECT_TRUE(meldungen.texts().empty());
}

TEST_F(Execute, LayingOffWithoutSelectionReportsAndMovesNothing) {
    cg.spielId = 3;
    legen(12, 1, 1);
    legen(1, 2, 1);
    glu::executemove(1, 0, 12, 1, 0, 4, 0);
    EXPECT_TRUE(meldungen.contains("FEHLER at amtAnlegen(1->12.12): cg.gs.bl.selhand.anz=0"));
    EXPECT_EQ(+glu::zugliste.anz, 0);
    EXPECT_EQ(+k12.d.aktiv, 0);
}

TEST_F(Execute, CanastaLaysOffOntoAMeldAndTheLayingEnds) {
    cg.spielId = 4;
    cg.ablauf.meldModus = 1;
    cg.aktSpieler = 1;
    for (int i = 1; i <= 3; ++i) {
        legen(12, 13, static_cast<uint8_t>(i));
        st(12).at(i).hi = 1;
        st(12).at(i).pilePos = i;
    }
    k12.d.anz1 = 1;
    k12.zellenAusKarten();
    legen(1, 13, 1);
    legen(1, 13, 4);
    legen(1, 8, 2);
    hand& sel = cg.gespielteHand;
    sel.anz = 2;
    sel.at(1) = karte{13, 1, 1};
    sel.at(2) = karte{13, 4, 2};
    glu::executemove(1, 0, 12, 2, 2, 4, 0);
    EXPECT_EQ(k12.d.aktiv, 1);
    EXPECT_EQ(k12.jokerFrei, 0);
    bisRuhe(50);
    EXPECT_EQ(k12.d.aktiv, 0);
    EXPECT_EQ(werte(st(12)), (std::vector<int>{13, 13, 13, 13, 13}));
    EXPECT_EQ(+k12.pile(1).anz, 5);
    EXPECT_EQ(+st(12).at(5).pilePos, 5);
    EXPECT_EQ(+st(12).at(5).c.f, 4);
    EXPECT_EQ(werte(st(1)), (std::vector<int>{8}));
    EXPECT_EQ(+cg.bewegungWarten.halter, 1);
    EXPECT_EQ(+cg.bewegungWarten.marke, 3);
    EXPECT_TRUE(meldungen.texts().empty());
}

TEST_F(Execute, TakeTheDiscardPileIntoTheSortedHand) {
    legen(1, 2, 1);
    legen(1, 6, 1);
    for (uint8_t t : {5, 3}) legen(13, t, 1);
    glu::executemove(13, 0, 1, 0, 2, 7, 0);
    EXPECT_EQ(+cg.bewegungWarten.halter, 13);
    EXPECT_EQ(+cg.bewegungWarten.marke, 1);
    bisRuhe(50);
    EXPECT_EQ(werte(st(1)), (std::vector<int>{2, 3, 5, 6}));
    EXPECT_EQ(+st(13).anz, 0);
}
