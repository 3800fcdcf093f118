// The rule core: card points, meld validity with and without wild canastas, the worth of melds,
// the first-meld minimum, the going-out bonus, the right to take the discard pile and the lay-out
// test of a selection. Every expected value is counted by hand from the rules.
#include <gtest/gtest.h>

#include <string>

#include "games/canasta/canasta_karten.h"

using namespace canastatest;

namespace {

class CanastaRegeln : public testing::Test {
protected:
    void SetUp() override { frisch(2); }
};

std::string name(const hand& h) {
    std::string s;
    for (int i = 1; i <= h.anz; ++i) s += std::to_string(h.at(i).t) + "/" + std::to_string(h.at(i).f) + " ";
    return s;
}

}  // namespace

TEST_F(CanastaRegeln, CardPointsByValue) {
    struct Case {
        karte k;
        int punkte;
    };
    const Case cases[] = {{K(Joker), 50},  {K(Zwei), 20},  {K(Ass), 20},  {K(Koenig), 10}, {K(Dame), 10},
                          {K(Bube), 10},   {K(W10), 10},   {K(W9), 10},   {K(W8), 10},     {K(W7), 5},
                          {K(Vier), 5},    {K(Fuenf), 5},  {K(Sechs), 5}, {K(Drei, 1), 5}, {K(Drei, 2), 5},
                          {K(Drei, 3), 0}, {K(Drei, 4), 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(name(H({c.k})));
        EXPECT_EQ(canasta::kartePunkte(c.k), c.punkte);
    }
    cg.canasta.jokerWert = 25;
    EXPECT_EQ(canasta::kartePunkte(K(Joker)), 25);
}

TEST_F(CanastaRegeln, RedThreeCountsNothingButTheOtherCardsOfTheSetStillCount) {
    EXPECT_EQ(canasta::kartenPunkte(H({K(Drei, 3), K(Dame), K(W7)})), 15);
    EXPECT_EQ(canasta::kartenPunkte(H({K(Dame), K(Drei, 4)})), 10);
    EXPECT_EQ(canasta::kartenPunkte(H({K(Drei, 3), K(Drei, 4)})), 0);
}

TEST_F(CanastaRegeln, MeldValidityWithAndWithoutWildCanastas) {
    struct Case {
        hand h;
        bool ohne, mit;
    };
    const Case cases[] = {
        {H({K(Dame), K(Dame, 2), K(Dame, 3), K(Joker)}), true, true},
        {H({K(Dame), K(Dame, 2), K(Joker), K(Joker, 2)}), false, false},  // wild cards not fewer than half
        {H({K(Dame), K(Dame, 2), K(Dame, 3), K(Dame, 4), K(Zwei), K(Zwei, 2), K(Zwei, 3)}), true, true},
        {H({K(Dame), K(Dame, 2), K(Dame, 3), K(Dame, 4), K(Dame), K(Joker), K(Joker, 2), K(Zwei),
            K(Zwei, 2)}),
         false, true},
        {H({K(Zwei), K(Zwei, 2), K(Zwei, 3)}), false, true},
        {H({K(Zwei), K(Zwei, 2), K(Joker), K(Dame)}), false, false},
        {H({K(Joker), K(Joker, 2), K(Joker), K(Zwei), K(Zwei, 2), K(Zwei, 3), K(Zwei, 4)}), false, true},
        {H({K(Dame), K(Dame, 2)}), false, false},
        {H({K(Dame), K(Dame, 2), K(Koenig)}), false, false},
        {H({K(Drei, 3)}), true, true},
        {H({K(Drei, 3), K(Drei, 4), K(Drei, 3), K(Drei, 4)}), true, true},
        {H({K(Drei, 1), K(Drei, 2)}), false, false},
        {H({K(Drei, 1), K(Drei, 2), K(Drei, 1)}), true, true},
        {H({K(Drei, 1), K(Drei, 2), K(Joker)}), false, false},
        // threes never join wild cards, not even in a wild canasta
        {H({K(Drei, 1), K(Drei, 2), K(Drei, 1), K(Drei, 2), K(Zwei), K(Zwei, 2), K(Joker)}), false, false},
        {H({K(Drei, 3), K(Drei, 4), K(Drei, 3), K(Drei, 4), K(Zwei), K(Zwei, 2), K(Joker)}), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(name(c.h));
        cg.canasta.wildeCanastas = 0;
        EXPECT_EQ(canasta::ismeldung(c.h), c.ohne);
        cg.canasta.wildeCanastas = 1;
        EXPECT_EQ(canasta::ismeldung(c.h), c.mit);
    }
}

TEST_F(CanastaRegeln, MeldWorthByKind) {
    const hand rot3 = H({K(Drei, 3), K(Drei, 4), K(Drei, 3)});
    const hand rot4 = H({K(Drei, 3), K(Drei, 4), K(Drei, 3), K(Drei, 4)});
    const hand echt = H({K(Dame), K(Dame, 2), K(Dame, 3), K(Dame, 4), K(Dame), K(Dame, 2), K(Dame, 3)});
    const hand unecht = H({K(Dame), K(Dame, 2), K(Dame, 3), K(Dame, 4), K(Dame), K(Dame, 2), K(Joker)});
    const hand wild = H({K(Joker), K(Joker, 2), K(Joker), K(Zwei), K(Zwei, 2), K(Zwei, 3), K(Zwei, 4)});
    const hand klein = H({K(Dame), K(Dame, 2), K(Dame, 3), K(Joker)});
    struct Case {
        const hand* h;
        int art;
        bool wildOption;
        int wert;
    };
    const Case cases[] = {
        {&rot3, 0, false, 300},   {&rot3, 2, false, 300}, {&rot3, 1, false, 0},  {&rot4, 0, false, 800},
        {&echt, 0, false, 570},   {&echt, 3, false, 500}, {&echt, 1, false, 70}, {&unecht, 0, false, 410},
        {&unecht, 3, false, 300}, {&wild, 0, true, 1230}, {&wild, 1, true, 230}, {&klein, 0, false, 80},
        {&klein, 3, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(name(*c.h) + " kind " + std::to_string(c.art));
        cg.canasta.wildeCanastas = c.wildOption;
        EXPECT_EQ(canasta::meldungWertung(*c.h, c.art), c.wert);
    }
    EXPECT_EQ(canasta::meldungWertung(H({}), 0), 0);
    cg.canasta.bonusRote3 = 150;
    cg.canasta.bonus4Rote3 = 1000;
    EXPECT_EQ(canasta::meldungWertung(rot3, 0), 450);
    EXPECT_EQ(canasta::meldungWertung(rot4, 0), 1000);
}

TEST_F(CanastaRegeln, FirstMeldMinimumByTotal) {
    const int cases[][2] = {{-5, 15},   {-1, 15},   {0, 50},     {1, 50},     {1499, 50},
                            {1500, 90}, {2999, 90}, {3000, 120}, {10000, 120}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        EXPECT_EQ(canasta::mindestpunkteFuer(c[0]), c[1]);
    }
}

TEST_F(CanastaRegeln, GoingOutBonusGoesToTheSeatAndItsPartner) {
    frisch(4, true);
    struct Case {
        int von;
        bool inEinemZug;
        int seat;
        int bonus;
    };
    const Case cases[] = {{2, false, 2, 100}, {2, false, 4, 100}, {2, false, 1, 0}, {2, true, 2, 200},
                          {2, true, 4, 200},  {2, true, 3, 0},    {0, false, 1, 0}, {0, true, 2, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.von) + " " + std::to_string(c.seat));
        cg.canasta.ausgemachtVon = c.von;
        cg.canasta.handAusgemacht = c.inEinemZug;
        EXPECT_EQ(canasta::fertigBonus(c.seat, 4), c.bonus);
        EXPECT_EQ(canasta::fertigBonus(c.seat, 0), 0);
    }
    cg.canasta.teamSpiel = 0;
    cg.canasta.ausgemachtVon = 2;
    cg.canasta.handAusgemacht = 0;
    EXPECT_EQ(canasta::fertigBonus(4, 4), 0);
}

TEST_F(CanastaRegeln, BlockingTopCardRefusesThePileWhateverTheHandHolds) {
    cg.aktSpieler = 1;
    stapel(1, H({K(Zwei), K(Zwei, 2), K(Dame), K(Dame, 2), K(Koenig), K(W7)}));
    cg.canasta.maxMitAblage = 500;
    cg.canasta.maxzugPunkte = 500;
    for (const karte oben : {K(Zwei, 3), K(Joker), K(Drei, 1), K(Drei, 2)}) {
        SCOPED_TRACE(name(H({oben})));
        stapel(13, H({K(Dame, 3), oben}));
        EXPECT_FALSE(canasta::ablageNehmbar());
        EXPECT_EQ(cg.canasta.ablageModus, 0);
    }
}

TEST_F(CanastaRegeln, FrozenPileNeedsAMoveThatReachesTheMinimum) {
    cg.aktSpieler = 1;
    cg.canasta.mindestpunkte = 50;
    stapel(1, H({K(Dame), K(Dame, 2), K(Koenig), K(W7), K(Fuenf)}));
    stapel(13, H({K(W8), K(Zwei), K(Dame, 3)}));  // a wild card inside freezes the pile
    struct Case {
        int maxMitAblage;
        bool nehmbar;
    };
    const Case cases[] = {{60, true}, {50, true}, {40, false}, {-1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.maxMitAblage);
        cg.canasta.maxMitAblage = c.maxMitAblage;
        EXPECT_EQ(canasta::ablageNehmbar(), c.nehmbar);
        EXPECT_TRUE(cg.canasta.eingefroren);
        EXPECT_EQ(cg.canasta.ablageModus, c.nehmbar ? 1 : 0);
    }
    // with the option every pile is frozen
    stapel(13, H({K(W8), K(Dame, 3)}));
    cg.canasta.maxMitAblage = 40;
    cg.canasta.maxzugPunkte = 100;
    EXPECT_TRUE(canasta::ablageNehmbar());
    EXPECT_FALSE(cg.canasta.eingefroren);
    cg.canasta.immerEingefroren = 1;
    EXPECT_FALSE(canasta::ablageNehmbar());
    EXPECT_TRUE(cg.canasta.eingefroren);
}

TEST_F(CanastaRegeln, UnfrozenPileBeforeAndAfterTheFirstMeld) {
    cg.aktSpieler = 1;
    cg.canasta.mindestpunkte = 50;
    stapel(13, H({K(W8), K(Dame, 3)}));
    // not laid out: a natural pair of the top card's value and a move that reaches the minimum
    stapel(1, H({K(Dame), K(Dame, 2), K(Koenig), K(W7), K(Fuenf)}));
    cg.canasta.maxzugPunkte = 60;
    EXPECT_TRUE(canasta::ablageNehmbar());
    EXPECT_EQ(cg.canasta.ablageModus, 2);
    EXPECT_TRUE(gleich(cg.canasta.ablageKarte, K(Dame, 3)));
    cg.canasta.maxzugPunkte = 30;
    EXPECT_FALSE(canasta::ablageNehmbar());

    // laid out: one Dame and a wild card are enough while a card stays; the card below counts
    cg.canasta.ausgelegt.at(1) = 1;
    cg.canasta.mindestpunkte = 0;
    stapel(1, H({K(Dame), K(Zwei), K(Koenig)}));
    stapel(13, H({K(Dame, 3)}));
    EXPECT_FALSE(canasta::ablageNehmbar());  // 3 - 2 leaves a single card without a canasta
    stapel(13, H({K(W8), K(Dame, 3)}));
    EXPECT_TRUE(canasta::ablageNehmbar());  // the 8 below comes along
    EXPECT_EQ(cg.canasta.ablageModus, 3);

    // a table meld of the value takes the top card alone
    stapel(1, H({K(Koenig), K(W7)}));
    stapel(13, H({K(Dame, 3)}));
    EXPECT_FALSE(canasta::ablageNehmbar());
    meld(1, H({K(Dame), K(Dame, 2), K(Dame, 4)}));
    EXPECT_TRUE(canasta::ablageNehmbar());
}

TEST_F(CanastaRegeln, LayOutOfASelection) {
    cg.aktSpieler = 1;
    const hand dreiDamen = H({K(Dame), K(Dame, 2), K(Dame, 3)});
    const hand schwarz = H({K(Drei, 1), K(Drei, 2), K(Drei, 1)});
    const hand siebenDamen =
        H({K(Dame), K(Dame, 2), K(Dame, 3), K(Dame, 4), K(Dame), K(Dame, 2), K(Dame, 3)});
    struct Case {
        hand karten;
        const hand* sel;
        bool canasta;
        bool erlaubt;
    };
    const Case cases[] = {
        {H({K(Dame), K(Dame, 2), K(Dame, 3), K(W7), K(Fuenf)}), &dreiDamen, false, true},
        {H({K(Dame), K(Dame, 2), K(Dame, 3), K(W7)}), &dreiDamen, false, false},  // one card left
        {H({K(Dame), K(Dame, 2), K(Dame, 3), K(W7)}), &dreiDamen, true, true},
        {H({K(Dame), K(Dame, 2), K(Dame, 3)}), &dreiDamen, true, false},  // nothing to discard
        // a canasta laid out brings the canasta that keeping one card needs
        {H({K(Dame), K(Dame, 2), K(Dame, 3), K(Dame, 4), K(Dame), K(Dame, 2), K(Dame, 3), K(W7)}),
         &siebenDamen, false, true},
        {H({K(Drei, 1), K(Drei, 2), K(Drei, 1), K(W7), K(Fuenf)}), &schwarz, true, false},
        {H({K(Drei, 1), K(Drei, 2), K(Drei, 1), K(W7)}), &schwarz, true, true},
        {H({K(Drei, 1), K(Drei, 2), K(Drei, 1), K(W7)}), &schwarz, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(name(c.karten) + (c.canasta ? " with canasta" : ""));
        frisch(2);
        cg.aktSpieler = 1;
        stapel(1, c.karten);
        if (c.canasta)
            meld(1, H({K(Koenig), K(Koenig, 2), K(Koenig, 3), K(Koenig, 4), K(Koenig), K(Koenig, 2),
                       K(Koenig, 3)}));
        EXPECT_EQ(canasta::auslegbar(*c.sel, 0), c.erlaubt);
    }
    // a second meld of a value the side has already laid is refused
    frisch(2);
    cg.aktSpieler = 1;
    stapel(1, H({K(Dame), K(Dame, 2), K(Dame, 3), K(W7), K(Fuenf)}));
    meld(1, H({K(Dame, 4), K(Dame, 4), K(Joker)}));
    EXPECT_FALSE(canasta::auslegbar(dreiDamen, 0));
    // the opponents' melds do not count
    frisch(2);
    cg.aktSpieler = 1;
    stapel(1, H({K(Dame), K(Dame, 2), K(Dame, 3), K(W7), K(Fuenf)}));
    meld(2, H({K(Dame, 4), K(Dame, 4), K(Joker)}));
    EXPECT_TRUE(canasta::auslegbar(dreiDamen, 0));
}

TEST_F(CanastaRegeln, SmallestAndCanastaMeldsTakeNaturalsFirst) {
    const hand h = H({K(Zwei), K(Dame), K(Dame, 2), K(Koenig), K(Joker), K(Zwei, 2)});
    hand m;
    canasta::kleinsteMeldung(h, Dame, m);
    ASSERT_EQ(m.anz, 3);
    EXPECT_TRUE(gleich(m.at(1), K(Dame)));
    EXPECT_TRUE(gleich(m.at(2), K(Dame, 2)));
    EXPECT_TRUE(gleich(m.at(3), K(Joker)));  // the Joker goes before the Zwei
    canasta::canastaMeldung(h, Dame, m);
    EXPECT_EQ(m.anz, 5);  // two Damen and all three wild cards: no canasta
    EXPECT_FALSE(canasta::istCanasta(m));
}
