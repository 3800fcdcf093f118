// The draw requests of the stack drawing as data: order, sides, pictures, pick names, what the
// cheaper passes leave out.
#include <string>

#include "table/kamera.h"
#include "table/kartenmesh.h"
#include "table/overlays.h"
#include "table/render.h"
#include "table/renderstapel.h"
#include "tisch_fixture.h"

namespace {

class Stacks : public Tisch {
protected:
    glu::DrawList list;
    void SetUp() override {
        Tisch::SetUp();
        glu::tex = glu::TableTextures{};
        for (int f = 1; f <= 4; ++f)
            for (int t = 1; t <= 14; ++t) glu::tex.face[f][t] = static_cast<uint32_t>(100 * f + t);
        glu::tex.back = 7;
        glu::tex.s0 = 8;
        glu::renderOptions = glu::RenderOptions{};
        glu::pickingFlag = false;
        cg.spielId = 1;
        cg.ablauf.anzSpieler = 3;
        glu::anzSitze = 3;
        cg.aktSpieler = 1;
    }
    void TearDown() override {
        glu::renderPass = 0;
        glu::pickingFlag = false;
        Tisch::TearDown();
    }
    void collect(int pass) {
        glu::renderPass = static_cast<uint8_t>(pass);
        glu::collectstacks(list);
    }
    // "stack/slot:f|b" per request
    std::string text() const {
        std::string s;
        for (int i = 0; i < list.n; ++i) {
            const auto& q = list.r[i];
            s += std::to_string(q.stack) + "/" + std::to_string(q.slot) + (q.backSide ? "b " : "f ");
        }
        return s;
    }
    bool hasStack(int stack) const {
        for (int i = 0; i < list.n; ++i)
            if (list.r[i].stack == stack) return true;
        return false;
    }
};

}  // namespace

TEST_F(Stacks, NormalPassOrderSidesAndPictures) {
    legen(11, 3, 2);  // talon: backs
    legen(12, 5, 1);  // trick pile: faces
    legen(14, 2, 2);  // never drawn
    legen(1, 1, 1);
    legen(1, 4, 3);
    legen(2, 6, 4);  // computer hand: backs
    collect(0);
    EXPECT_EQ(text(), "12/1f 11/1b 1/1f 1/2f 2/1b ");
    EXPECT_EQ(list.r[0].texture, 101u + 4);  // face of suit 1, value 5
    EXPECT_EQ(list.r[0].pickName, 12 * 200 + 1);
    EXPECT_EQ(list.r[1].texture, 7u);  // the chosen back
    EXPECT_TRUE(list.r[1].roundX);
    EXPECT_EQ(list.r[3].pickName, 102);
    EXPECT_FALSE(hasStack(14));
}

TEST_F(Stacks, EmptySlotsAndOutOfRangeValuesAreSkipped) {
    legen(1, 0, 1);
    legen(1, 100, 1);
    legen(1, 3, 1);
    legen(12, 0, 1);
    collect(0);
    EXPECT_EQ(text(), "1/3f ");
}

TEST_F(Stacks, PickNamesOfTableStacks) {
    EXPECT_EQ(glu::picknamefor(11, 5), 2205);
    EXPECT_EQ(glu::picknamefor(13, 166), 2766);
    EXPECT_EQ(glu::picknamefor(12, 200), 2401);
    EXPECT_EQ(glu::picknamefor(1, 7), 107);
}

TEST_F(Stacks, SelectionPassDrawsNothingOnAComputerTurn) {
    legen(1, 3, 1);
    legen(11, 4, 1);
    cg.entscheidung.kartenSpiel = 1;
    cg.aktSpieler = 2;
    collect(1);
    EXPECT_EQ(list.n, 0);
    cg.aktSpieler = 1;
    collect(1);
    EXPECT_EQ(text(), "11/1b 1/1f ");
}

TEST_F(Stacks, PickingDrawsOnlyClickableTableStacksAndTheHand) {
    for (int i = 0; i < 3; ++i) legen(11, 4, 1);
    legen(12, 5, 1);
    legen(1, 3, 1);
    legen(2, 3, 1);
    cg.entscheidung.kartenSpiel = 1;
    glu::pickingFlag = true;
    collect(1);
    EXPECT_EQ(text(), "1/1f ");  // no pile clicks accepted
    cg.entscheidung.stapelKlick = 1;
    cg.entscheidung.klickStapel1 = 11;
    collect(1);
    EXPECT_EQ(text(), "11/1b 11/2b 11/3b 1/1f ");
}

TEST_F(Stacks, MirrorPassSweepsAndRestingMiddleCardsLeaveNoImage) {
    legen(11, 3, 2);
    legen(11, 4, 2);
    legen(12, 5, 1);  // resting trick card: no mirror image
    legen(1, 1, 1);   // the human's resting cards: none either
    legen(2, 6, 4);
    collect(3);
    // table stacks first: the talon mirrors in sweep 1 as face sides with the back picture;
    // then the seats: computer backs in sweep 0
    EXPECT_EQ(text(), "11/1f 11/2f 2/1b ");
    EXPECT_EQ(list.r[0].texture, 8u);
    EXPECT_EQ(list.r[1].texture, 8u);
    EXPECT_FLOAT_EQ(glu::mirrorSign, -1.0f);
    collect(0);
    EXPECT_FLOAT_EQ(glu::mirrorSign, 1.0f);
}

TEST_F(Stacks, LowDetailThinsTheShadowsOfABigComputerHand) {
    cg.spielId = 0;  // not Skat
    for (int i = 0; i < 12; ++i) legen(2, static_cast<uint8_t>(1 + i % 8), 1);
    glu::renderOptions.LowDetailShadows = 1;
    collect(2);
    EXPECT_EQ(text(), "2/1f 2/2f 2/4f 2/6f 2/8f 2/10f 2/12f ");
    glu::renderOptions.LowDetailShadows = 0;
    collect(2);
    EXPECT_EQ(list.n, 12);
}

TEST_F(Stacks, DeveloperSwitchDrawsNoCards) {
    legen(1, 1, 1);
    legen(11, 1, 1);
    glu::renderOptions.keineTische = 1;
    collect(0);
    EXPECT_EQ(list.n, 0);
}

TEST_F(Stacks, MeldGridWalkOrderAndThePlainOrderWithoutHighlight) {
    cg.spielId = 3;  // Rommé
    cg.ablauf.meldModus = 1;
    // stack 12: slots 1..4; pile 1 holds slots 2, 1; pile 21 holds slots 4, 3
    for (int i = 1; i <= 4; ++i) legen(12, static_cast<uint8_t>(i), 1);
    k12.d.anz1 = 1;
    k12.d.anz2 = 1;
    const auto fill = [](int p, std::initializer_list<int> slots) {
        TPile& pile = k12.pile(p);
        int pos = 0;
        for (int sl : slots) {
            pile.at(++pos).nr = static_cast<uint16_t>(sl);
            st(12).at(sl).hi = p;
            st(12).at(sl).pilePos = pos;
        }
        pile.anz = static_cast<int16_t>(pos);
    };
    fill(1, {2, 1});
    fill(21, {4, 3});
    envParam.hervorheben = 2;
    int walk[16];
    glu::renderPass = 0;
    ASSERT_TRUE(glu::highlightlegal());
    // the other side first, each pile from its last entry
    ASSERT_EQ(glu::meldwalk(walk, 16), 4);
    EXPECT_EQ(walk[0], 21 * 1000 + 3);
    EXPECT_EQ(walk[1], 21 * 1000 + 4);
    EXPECT_EQ(walk[2], 1 * 1000 + 1);
    EXPECT_EQ(walk[3], 1 * 1000 + 2);
    glu::renderPass = 3;
    ASSERT_EQ(glu::meldwalk(walk, 16), 4);
    EXPECT_EQ(walk[0], 1 * 1000 + 2);  // mirror: side 1 first, first entry first
    EXPECT_EQ(walk[3], 21 * 1000 + 3);
    // with the highlight option off the normal pass takes the plain slot order
    envParam.hervorheben = 1;
    glu::renderPass = 0;
    ASSERT_FALSE(glu::highlightlegal());
    EXPECT_EQ(glu::meldwalk(walk, 16), 0);
    collect(0);
    EXPECT_EQ(text(), "12/1f 12/2f 12/3f 12/4f ");
    // a slot that no longer names its pile is left out of the walk's step
    envParam.hervorheben = 2;
    st(12).at(3).hi = 5;
    collect(3);
    for (int i = 0; i < list.n; ++i) EXPECT_NE(list.r[i].slot, 3);
}

TEST_F(Stacks, BlackJackShowsSeatCardsByTheirFaceUpRule) {
    cg.spielId = 9;
    glu::anzSitze = 2;
    tischhooks::tab().bjKarteOffen = [](int stack, int slot) { return !(stack == 2 && slot == 1); };
    legen(13, 3, 1);  // discard: back only
    legen(2, 4, 1);   // dealer's hole card: face down
    legen(2, 5, 1);   // face up
    legen(1, 6, 1);   // the human keeps both sides
    collect(0);
    // seats run from the top card down in Black Jack
    EXPECT_EQ(text(), "13/1b 1/1f 1/1b 2/2f 2/1b ");
}

TEST_F(Stacks, SchnapsenClosedTalonMirrorsItsTopCardAndAnAnnouncedPairLiesOpen) {
    cg.spielId = 7;
    glu::anzSitze = 2;
    cg.ablauf.anzSpieler = 2;
    legen(11, 3, 2);
    legen(11, 4, 2);  // the top card: the trump
    legen(2, 5, 3);
    legen(2, 6, 3);
    static bool closed = false;
    glu::schnapsenTalonZu = [] { return closed; };
    glu::schnapsenPaarKarteOffen = [](int stack, int slot) { return stack == 2 && slot == 2; };
    collect(3);
    ASSERT_EQ(text(), "11/1f 11/2f 2/1b 2/2b ");
    EXPECT_EQ(list.r[1].texture, 8u);    // open talon: the back picture
    EXPECT_EQ(list.r[3].texture, 306u);  // the announced card's face, seen from behind
    EXPECT_FALSE(list.r[3].roundX);
    closed = true;
    collect(3);
    EXPECT_EQ(list.r[0].texture, 8u);
    EXPECT_EQ(list.r[1].texture, 204u);  // closed: the trump keeps its face
    collect(0);
    EXPECT_EQ(text(), "11/1b 11/2b 2/1b 2/2b ");
    EXPECT_EQ(list.r[3].texture, 306u);  // open in the normal pass too
    collect(2);
    EXPECT_EQ(list.r[list.n - 1].texture, 306u);
    EXPECT_FALSE(list.r[list.n - 1].backSide);  // the shadow is drawn as usual
    glu::schnapsenTalonZu = nullptr;
    glu::schnapsenPaarKarteOffen = nullptr;
}

namespace {

class CanastaStacks : public Stacks {
protected:
    // Stack 12: one more pile of n cards on the next slots, owned by the seat.
    static void canastaPile(int pile, int n, int owner) {
        TPile& p = k12.pile(pile);
        for (int i = 1; i <= n; ++i) {
            legen(12, static_cast<uint8_t>(1 + i % 8), 1);
            const int slot = st(12).anz;
            p.at(i).nr = static_cast<uint16_t>(slot);
            st(12).at(slot).hi = pile;
            st(12).at(slot).pilePos = i;
        }
        p.anz = static_cast<int16_t>(n);
        p.besitzer = static_cast<uint8_t>(owner);
    }
};

}  // namespace

TEST_F(CanastaStacks, CanastaPartnersMeldsStayDarkAndACanastaThinsAtTheLowestDetail) {
    cg.spielId = 4;
    glu::anzSitze = 4;
    cg.ablauf.anzSpieler = 4;
    cg.ablauf.meldModus = 1;
    k12.d.anz1 = 1;
    k12.d.anz2 = 1;
    canastaPile(1, 7, 3);   // the partner's canasta
    canastaPile(21, 3, 2);  // an opponent's meld
    tischhooks::tab().gleichePartei = [](int a, int b) { return (a + b) % 2 == 0; };
    envParam.hervorheben = 2;
    collect(0);
    int lit = 0;
    for (int i = 0; i < list.n; ++i) {
        const int hi = glu::spieler[11].at(list.r[i].slot).hi;
        EXPECT_EQ(list.r[i].highlight, hi == 21) << list.r[i].slot;
        lit += list.r[i].highlight;
    }
    EXPECT_EQ(lit, 3);
    // mirror: only the canasta stands out, by its back side in sweep 1 (not while highlighted)
    envParam.hervorheben = 1;
    collect(3);
    EXPECT_EQ(text(), "12/1b 12/2b 12/3b 12/4b 12/5b 12/6b 12/7b ");
    // the lowest detail: every other card of the canasta, counted from its end
    glu::renderOptions.LowestDetail = 1;
    collect(0);
    EXPECT_EQ(text(), "12/1f 12/3f 12/5f 12/7f 12/8f 12/9f 12/10f ");
    collect(3);
    EXPECT_EQ(list.n, 0);
    cg.bewegungWarten.aktiv = 1;  // a move awaited: the whole canasta
    collect(0);
    EXPECT_EQ(list.n, 10);
}

TEST_F(CanastaStacks, ARaisedMeldCardMirrorsAndAloneCastsAShadowAtLowDetail) {
    cg.spielId = 3;
    cg.ablauf.meldModus = 1;
    k12.d.anz1 = 1;
    canastaPile(1, 3, 1);
    glu::spieler[11].at(3).bewegung.kind = 4;  // lifted by its owner's panel, at rest
    collect(3);
    EXPECT_EQ(text(), "12/3b ");
    collect(2);
    EXPECT_EQ(text(), "12/1f 12/2f 12/3f ");
    glu::renderOptions.LowDetailShadows = 1;
    collect(2);
    EXPECT_EQ(text(), "12/3f ");
    collect(3);
    EXPECT_EQ(text(), "12/3b ");
    glu::spieler[11].at(3).bewegung.kind = 0;
    collect(3);
    EXPECT_EQ(list.n, 0);
}

TEST_F(CanastaStacks, SelectionPassOffersOnlyThePilesTheSelectionFits) {
    cg.spielId = 3;
    cg.ablauf.meldModus = 1;
    cg.entscheidung.stapelKlick = 1;
    cg.entscheidung.klickStapel1 = 12;
    k12.d.anz1 = 2;
    canastaPile(1, 2, 1);
    canastaPile(2, 2, 3);
    // the selection fits only the human's own meld
    tischhooks::tab().isset = [](const hand& h) { return h.besitzer == 1; };
    collect(1);
    EXPECT_EQ(list.n, 0);  // nothing selected
    tischhooks::tab().auswahlHand = [](hand& h) {
        h.anz = 1;
        h.at(1) = karte{5, 1, 0};
    };
    collect(1);
    EXPECT_EQ(text(), "12/1f 12/2f ");
    cg.ablauf.meldModus = 0;  // outside the meld grid stack 12 is not filtered
    collect(1);
    EXPECT_EQ(list.n, 4);
}

TEST_F(Stacks, ShadowPassDrawsEveryTableCardByItsFace) {
    legen(11, 3, 2);  // the talon at rest shows only its back elsewhere
    legen(12, 5, 1);
    collect(2);
    EXPECT_EQ(text(), "12/1f 11/1f ");
}

TEST_F(Stacks, BlackJackFlightPicturesFollowTheFaceUpRule) {
    cg.spielId = 9;
    glu::anzSitze = 2;
    cg.ablauf.anzSpieler = 2;
    tischhooks::tab().bjKarteOffen = [](int stack, int) { return stack != -2; };
    legen(11, 3, 2);  // the shoe's card, value 3 of suit 2
    auto& b = st(11).at(1).bewegung;
    b.active = 1;
    b.kind = 2;
    b.fromStack = 11;
    b.fromSlot = 1;
    struct Case {
        int to;
        int pass;
        uint32_t texture;
    };
    const Case cases[] = {
        {-2, 0, 8u},    // to a twin slot where it lands face down: the back picture
        {-3, 0, 203u},  // lands face up: its face
        {11, 0, 203u},  // within its own stack, landing face up
        {2, 3, 203u},   // mirrored on its way to a seat, landing face up
    };
    cg.entscheidung.stapelKlick = 0;
    tischhooks::schale().tischModus = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.to << " pass " << c.pass);
        b.toStack = c.to;
        b.toSlot = 1;
        collect(c.pass);
        int faces = 0;
        for (int i = 0; i < list.n; ++i) {
            if (list.r[i].stack != 11 || list.r[i].backSide) continue;
            ++faces;
            EXPECT_EQ(list.r[i].texture, c.texture);
        }
        EXPECT_EQ(faces, 1);
    }
}

TEST_F(Stacks, BlackJackHumanBubbleClimbsWithTheHandIn17und4) {
    cg.spielId = 9;
    EXPECT_FLOAT_EQ(glu::blackjackbubblelift(), -0.1f);
    cg.blackjack.siebzehnUndVier = 1;
    EXPECT_FLOAT_EQ(glu::blackjackbubblelift(), -0.08f);  // no cards: f is held at -1
    for (int i = 0; i < 4; ++i) legen(1, 3, 1);
    for (int i = 0; i < 7; ++i) legen(11, 3, 1);
    // the top five cards of the shoe count with their flight progress when they fly to the hand
    st(11).at(7).bewegung = TBewegung{};
    st(11).at(7).bewegung.active = 1;
    st(11).at(7).bewegung.toStack = -1;
    st(11).at(7).bewegung.progress = 0.5f;
    st(11).at(2).bewegung = st(11).at(7).bewegung;  // below the top five
    st(11).at(6).bewegung = st(11).at(7).bewegung;
    st(11).at(6).bewegung.toStack = 2;  // to another seat
    EXPECT_FLOAT_EQ(glu::blackjackbubblelift(), 0.08f * 1.5f);
}
