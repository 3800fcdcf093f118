#include "core/central.h"
#include "tisch_fixture.h"

using Rules = Tisch;

namespace {
bool nie(const TKartenSlot&) { return false; }
bool passtNie(const karte&, const karte&, int) { return false; }
bool waehltNie() { return false; }
bool offen(int seat) { return seat == 2; }
}  // namespace

TEST_F(Rules, GateForcesTheAnswersBeforeTheGameWaitsForACard) {
    for (auto& f : tischhooks::tab().spielbar) f = nie;
    for (auto& f : tischhooks::tab().passtAuf) f = passtNie;
    for (auto& f : tischhooks::tab().alleKartenWaehlbar) f = waehltNie;
    TKartenSlot k{};
    struct Case {
        int game;
        bool gate, legal, fits, selectable;
    };
    const Case cases[] = {
        {0, false, false, false, true}, {1, false, false, false, true}, {0, true, false, false, false},
        {1, true, false, false, false}, {3, true, true, true, true},    {12, true, false, false, true},
        {8, true, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "game " << c.game << " gate " << c.gate);
        cg.spielId = static_cast<uint8_t>(c.game);
        cg.entscheidung.kartenSpiel = c.gate ? 1 : 0;
        EXPECT_EQ(glu::islegalcard(k), c.legal);
        EXPECT_EQ(glu::cardfitslead(k.c, k.c, 0), c.fits);
        EXPECT_EQ(glu::anycardselectable(), c.selectable);
    }
}

TEST_F(Rules, OpenHandsFaceDownStacksAndHighlight) {
    tischhooks::tab().handOffen[3] = offen;
    cg.spielId = 3;
    EXPECT_TRUE(glu::ishandopen(2));
    EXPECT_FALSE(glu::ishandopen(3));
    tischhooks::schale().passSelector = 2;
    EXPECT_FALSE(glu::ishandopen(2));
    cg.spielId = 5;
    EXPECT_TRUE(glu::isfacedownstack(7));
    EXPECT_TRUE(glu::isfacedownstack(11));
    EXPECT_FALSE(glu::isfacedownstack(12));
    cg.spielId = 0;
    EXPECT_FALSE(glu::isfacedownstack(7));
    EXPECT_TRUE(glu::isfacedownstack(11));
    envParam.hervorheben = 2;
    EXPECT_TRUE(glu::highlightlegal());
    cg.spielId = 3;
    cg.romme.fremdAnlegen = 1;
    EXPECT_FALSE(glu::highlightlegal());
    envParam.hervorheben = 1;
    cg.spielId = 0;
    cg.romme.fremdAnlegen = 0;
    EXPECT_FALSE(glu::highlightlegal());
}

TEST_F(Rules, CardVisibleScansPastFlyingCards) {
    for (int i = 0; i < 4; ++i) legen(12, 1, 1);
    st(12).at(4).bewegung.active = 1;
    EXPECT_TRUE(glu::iscardvisible(12, 1));
    EXPECT_TRUE(glu::iscardvisible(12, 3));
    EXPECT_FALSE(glu::iscardvisible(12, 4));
    EXPECT_FALSE(glu::iscardvisible(12, 2));
    EXPECT_FALSE(glu::iscardvisible(12, 5));
    EXPECT_FALSE(glu::iscardvisible(11, 1));
    EXPECT_FALSE(glu::iscardvisible(0, 1));
}

TEST_F(Rules, SuitToFollowTakesTheWishOnlyAfterAWishCard) {
    legen(13, 4, 3);
    tischhooks::tab().sonderKarte = [](const karte& c) { return c.t == 4 ? 33 : 0; };
    EXPECT_EQ(glu::suittofollow(), 3);  // no wish stored: the wish card's own suit
    cg.maumau.wunschFarbe = 2;
    EXPECT_EQ(glu::suittofollow(), 2);
    st(13).at(1).c.t = 5;
    EXPECT_EQ(glu::suittofollow(), 3);
}

TEST_F(Rules, PanelElementIndexIsClamped) {
    central::ids.tab[25] = 9;
    central::ids.tab[0] = 4;
    EXPECT_EQ(glu::panelelement(40), 9);
    EXPECT_EQ(glu::panelelement(-3), 4);
    central::ids = central::PanelIds{};
}

TEST_F(Rules, PickDecodingLargestNameWins) {
    struct Case {
        std::vector<uint32_t> buffer;
        int hits;
        int hand, stack, slot;
    };
    const Case cases[] = {
        {{1, 0, 0, 103}, 1, 3, 0, 0},
        {{1, 0, 0, 103, 1, 0, 0, 2405}, 2, 0, 12, 5},  // a table card beats the hand card above it
        {{2, 0, 0, 0, 2610}, 1, 0, 13, 10},
        {{1, 0, 0, 2201}, 1, 0, 11, 1},
        {{1, 0, 0, 15}, 1, 0, 0, 0},    // a chip stack
        {{1, 0, 0, 2100}, 1, 0, 0, 0},  // a name never loaded
        {{1, 0, 0, 103}, -1, 3, 0, 0},  // overflow counts as one hit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.buffer.back());
        glu::hover = glu::Hover{};
        glu::hover.tableStack = 12;
        glu::hover.tableSlot = 9;
        glu::pickdecode(c.buffer.data(), static_cast<int>(c.buffer.size()), c.hits);
        EXPECT_EQ(glu::hover.handCard, c.hand);
        EXPECT_EQ(glu::hover.tableStack, c.stack);
        EXPECT_EQ(glu::hover.tableSlot, c.slot);
        EXPECT_EQ(glu::hover.prevTableStack, 12);
        EXPECT_EQ(glu::hover.prevTableSlot, 9);
    }
}

TEST_F(Rules, PickWithoutHitsKeepsAKeyboardHeldCardAndAppliesTheForcedOne) {
    glu::hover.handCard = 4;
    glu::hover.keyboardHold = true;
    EXPECT_EQ(glu::pickdecode(nullptr, 0, 0), 0);
    EXPECT_EQ(glu::hover.handCard, 4);
    glu::hover.keyboardHold = false;
    glu::hover.forcedHandCard = 6;
    glu::pickdecode(nullptr, 0, 0);
    EXPECT_EQ(glu::hover.handCard, 6);
    EXPECT_EQ(glu::hover.forcedHandCard, 0);
    const uint32_t zuKurz[] = {5, 0, 0, 101};  // a record running past the buffer is ignored
    EXPECT_EQ(glu::pickdecode(zuKurz, 4, 1), 0);
}
