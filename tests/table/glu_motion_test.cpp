#include <cmath>
#include <utility>

#include "table/kartenmesh.h"
#include "tisch_fixture.h"

using Motion = Tisch;

TEST_F(Motion, CardOfSpeedVLandsAfterTenOverVSecondsAtAnyFrameRate) {
    struct Case {
        int speed;
        float fps;
        int frames;
    };
    const Case cases[] = {{10, 50, 50}, {10, 25, 25}, {20, 60, 30}, {5, 100, 200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "speed " << c.speed << " at " << c.fps);
        glu::reset();
        glu::anzSitze = 4;
        glu::anzTischStapel = 6;
        envParam.kartenSpeed = c.speed;
        legen(13, 1, 1);
        ASSERT_TRUE(glu::movecard(13, 1, 2, 1, 1, 2, 14, 0, 0, 0));
        frames(c.frames - 1, c.fps);
        EXPECT_EQ(+glu::zugliste.anz, 1);
        frames(1, c.fps);
        EXPECT_EQ(+glu::zugliste.anz, 0);
        EXPECT_EQ(+st(2).anz, 1);
    }
}

TEST_F(Motion, FrameRateZeroMovesNothing) {
    legen(13, 1, 1);
    legen(1, 2, 2);
    ASSERT_TRUE(glu::movecard(13, 1, 2, 1, 1, 2, 14, 0, 0, 0));
    glu::liftcard(st(1).at(1).bewegung, 1, 1, 1);
    glu::movestack(Pos6{{100, 0, 0, 0, 0, 0}}, 3, 0);
    for (float fps : {0.0f, -5.0f, NAN}) {
        glu::stepanimation(glu::FrameTime{fps});
        EXPECT_EQ(+st(13).at(1).bewegung.progress, 0);
        EXPECT_EQ(+st(1).at(1).bewegung.progress, 0);
        EXPECT_EQ(+st(3).gleiten.progress, 0);
        EXPECT_EQ(tischcg::tz.tischWinkel, 0);
        EXPECT_TRUE(std::isfinite(glu::zeitschritt));
    }
    frames(1, 50);
    EXPECT_GT(+st(13).at(1).bewegung.progress, 0);
}

TEST_F(Motion, TurnAngleRestartsAtZeroAbove360) {
    tischcg::tz.tischWinkel = 359.5f;
    frames(1, 50);  // +0.6 degrees
    EXPECT_EQ(tischcg::tz.tischWinkel, 0.0f);
    frames(1, 50);
    EXPECT_FLOAT_EQ(tischcg::tz.tischWinkel, 0.6f);
}

TEST_F(Motion, StartDelayAndEndHold) {
    legen(13, 1, 1);
    legen(13, 2, 1);
    ASSERT_TRUE(glu::movecard(13, 2, 2, 1, 1, 2, 14, 0.1f, 0, 0));  // starts after 0.1 s
    ASSERT_TRUE(glu::movecard(13, 1, 3, 1, 1, 2, 14, 0, 0, 0.2f));  // waits 0.2 s before landing
    frames(4, 50);
    EXPECT_EQ(+st(13).at(2).bewegung.progress, 0);
    EXPECT_EQ(+st(13).at(2).bewegung.started, 0);
    frames(3, 50);
    EXPECT_GT(+st(13).at(2).bewegung.progress, 0);
    frames(50, 50);  // card 1 has flown 1.14 s: holding
    EXPECT_FLOAT_EQ(+st(13).at(1).bewegung.progress, 0.99998f);
    EXPECT_EQ(+st(13).at(1).bewegung.recorded, 0);
    EXPECT_EQ(+glu::fertigliste.anz, 1);  // only the delayed card (landed at 1.1 s)
    bisRuhe(50);
    EXPECT_EQ(+glu::fertigliste.anz, 2);
    EXPECT_EQ(+st(3).anz, 1);
}

TEST_F(Motion, ArrivalByMoveKindSetsCountsAndCards) {
    struct Case {
        int kind, motion, from, to, marker;
        int fromCount, toCount;  // counts after the landing
        uint8_t toCardT;         // value in the destination's live slot 1
    };
    // sources hold 3 cards (values 1..3), the moving card is slot 3 (value 3); the twins of
    // seats hold 1 card (value 9) with placement x = 77.
    const Case cases[] = {
        {14, 2, 13, 2, 0, 2, 1, 3}, {15, 2, 12, 13, 0, 2, 1, 3}, {16, 3, 11, 12, 0, 2, 1, 3},
        {4, 2, 12, 13, 0, 2, 1, 3}, {5, 2, 11, 12, 0, 2, 1, 3},  {7, 2, 11, 12, 0, 2, 1, 3},
        {2, 2, 1, 12, 0, 1, 1, 3},  {2, 2, 1, 12, -1, 3, 1, 3},  {8, 2, 13, 2, 0, 3, 0, 3},
        {17, 2, 13, 2, 0, 3, 0, 0}, {3, 2, 11, -2, 0, 2, 1, 3},  {1, 2, 1, -1, 0, 3, 0, 9},
        {1, 2, 1, -1, -1, 1, 0, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "kind " << c.kind << " " << c.from << "->" << c.to << " marker " << c.marker);
        glu::reset();
        glu::anzSitze = 4;
        glu::anzTischStapel = 6;
        for (int i = 1; i <= 3; ++i) legen(c.from, static_cast<uint8_t>(i), 1);
        legen(-1, 9, 1);
        legen(-2, 9, 1);
        st(-1).at(1).x = 77;
        st(-2).at(1).x = 77;
        ASSERT_TRUE(glu::movecard(c.from, 3, c.to, 1, 1, static_cast<uint8_t>(c.motion),
                                  static_cast<uint8_t>(c.kind), 0, c.marker, 0));
        bisRuhe(50);
        ASSERT_EQ(+glu::zugliste.anz, 0);
        EXPECT_EQ(+st(c.from).anz, c.fromCount);
        const int live = c.to < 0 ? -c.to : c.to;
        if (c.kind != 1) {
            EXPECT_EQ(+st(live).anz, c.toCount);
        }
        EXPECT_EQ(+st(live).at(1).c.t, c.toCardT);
        if (c.to < 0) {
            EXPECT_FLOAT_EQ(+st(live).at(1).x, 77);
        }
        EXPECT_EQ(+st(c.from).at(3).bewegung.active, 0);
        EXPECT_EQ(+glu::fertigliste.anz, 1);
        EXPECT_EQ(+glu::fertigliste.at(1).toStack, live);
    }
}

TEST_F(Motion, LastDiscardGoesToTheEmptyMiddleByItself) {
    legen(13, 4, 1);
    legen(13, 5, 2);
    ASSERT_TRUE(glu::movecard(13, 2, 11, 1, 1, 2, 4, 0, 0, 0));
    bisRuhe(50);
    EXPECT_EQ(+st(13).anz, 0);
    ASSERT_EQ(+st(12).anz, 1);
    EXPECT_EQ(+st(12).at(1).c.t, 4);
    EXPECT_EQ(+glu::fertigliste.anz, 2);
    EXPECT_EQ(+glu::fertigliste.at(2).kind, 5);
}

TEST_F(Motion, FlightCodeZeroIsAStraightLineAfterAStandstill) {
    legen(13, 1, 1);
    st(13).at(1).x = 0;
    st(13).at(1).face = 0;
    st(12).at(1).x = 100;
    st(12).at(1).a3 = 90;
    st(12).at(1).face = 1;
    st(12).at(1).draw2 = 6;
    ASSERT_TRUE(glu::movecard(13, 1, 12, 1, 1, 2, 15, 0, 0, 0));
    const TBewegung& b = st(13).at(1).bewegung;
    frames(5, 50);  // p = 0.1: still at the source
    EXPECT_FLOAT_EQ(+b.fx, 0);
    EXPECT_EQ(+b.fface, 1);  // move kind 15 shows the destination's face throughout
    EXPECT_FLOAT_EQ(+b.ftilt2, 6);
    frames(26, 50);  // the flight shown after 31 frames is that of p = 0.6
    const float t = (0.6f - 0.15f) / 0.85f;
    EXPECT_NEAR(+b.fx, 100 * t, 1e-3);
    EXPECT_NEAR(+b.fa3, 90 * t, 1e-3);
    EXPECT_NEAR(+b.fz, 0, 1e-4);
}

TEST_F(Motion, StandardArcAndWobble) {
    struct Case {
        int game;
        int32_t code;
        float random;
        float zMid;      // height at p = 0.5
        float maxTilt2;  // largest wobble
    };
    const Case cases[] = {
        {0, 0x2020, 0, 500, 0}, {9, 0x2020, 0, 140, 0}, {0, 0x201 - 0x200 + 0x2020, 0.8f, 500, 6.4f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.code);
        glu::reset();
        glu::anzSitze = 4;
        glu::anzTischStapel = 6;
        cg.spielId = static_cast<uint8_t>(c.game);
        legen(13, 1, 1);
        ASSERT_TRUE(glu::movecard(13, 1, 12, 1, 1, 2, 15, 0, 0, 0));
        TBewegung& b = st(13).at(1).bewegung;
        b.flightCode = c.code;
        b.flightRandom = c.random;
        float groesst = 0;
        for (int i = 0; i < 26; ++i) {  // the flight of frame 26 is that of p = 0.5
            frames(1, 50);
            groesst = std::max(groesst, std::fabs(b.ftilt2));
        }
        EXPECT_NEAR(+b.fz, c.zMid, 1e-2);
        for (int i = 0; i < 23; ++i) {
            frames(1, 50);
            groesst = std::max(groesst, std::fabs(b.ftilt2));
        }
        EXPECT_LE(groesst, c.maxTilt2 + 1e-4);
        if (c.maxTilt2 > 0) {
            EXPECT_GT(groesst, c.maxTilt2 - 0.1f);
        }
        frames(1, 50);
        EXPECT_EQ(+glu::zugliste.anz, 0);
    }
}

TEST_F(Motion, WholeTurnsOverTheFlight) {
    struct Case {
        int32_t code;
        float a1, a2, a3;
    };
    const Case cases[] = {{0x04, -360, 0, 0}, {0x08, 0, 360, 0}, {0x10, 0, 0, -360}};
    for (const auto& c : cases) {
        glu::reset();
        glu::anzSitze = 4;
        glu::anzTischStapel = 6;
        legen(13, 1, 1);
        ASSERT_TRUE(glu::movecard(13, 1, 12, 1, 1, 2, 15, 0, 0, 0));
        TBewegung& b = st(13).at(1).bewegung;
        b.flightCode = c.code;
        frames(49, 50);  // p = 0.98: r reached 1
        EXPECT_NEAR(+b.fa1, c.a1, 1e-2);
        EXPECT_NEAR(+b.fa2, c.a2, 1e-2);
        EXPECT_NEAR(+b.fa3, c.a3, 1e-2);
    }
}

TEST_F(Motion, LiftRisesSwaysAndSettles) {
    legen(1, 1, 1);
    TBewegung& b = st(1).at(1).bewegung;
    glu::liftcard(b, 0, 1, 1);  // lowering a card never raised
    EXPECT_EQ(+b.liftDuration, 100u);
    frames(1, 50);
    EXPECT_EQ(+b.active, 0);
    EXPECT_FLOAT_EQ(+b.fy, 0);
    glu::liftcard(b, 1, 1, 1);
    frames(7, 50);
    EXPECT_EQ(+b.state, 2);
    EXPECT_FLOAT_EQ(+b.fy, -40);
    for (int i = 0; i < 3; ++i) {  // the hover raises its card every frame
        glu::liftcard(b, 1, 1, 1);
        frames(1, 50);
        EXPECT_EQ(+b.state, 2);
    }
    EXPECT_NE(+b.fa1, 0);
    glu::liftcard(b, 0, 1, 1);
    frames(8, 50);
    EXPECT_EQ(+b.active, 0);
    EXPECT_FLOAT_EQ(+b.fy, 0);
}

// A frame steps every card in motion wherever it lies in its stack: above a count that the game
// lowered meanwhile, and in a slot the game copied it to.
TEST_F(Motion, EveryMovingCardStepsWhereverItLies) {
    for (int i = 1; i <= 6; ++i) legen(13, static_cast<uint8_t>(i), 1);
    ASSERT_TRUE(glu::movecard(13, 6, 2, 1, 1, 2, 14, 0, 0, 0));
    frames(3, 50);
    st(13).anz = 2;  // as an earlier arrival would have left it
    bisRuhe(50);
    EXPECT_EQ(+glu::zugliste.anz, 0);
    ASSERT_EQ(+st(2).anz, 1);
    EXPECT_EQ(+st(2).at(1).c.t, 6);

    for (int i = 1; i <= 5; ++i) legen(1, static_cast<uint8_t>(i), 2);
    glu::liftcard(st(1).at(2).bewegung, 1, 1, 2);
    frames(10, 50);  // raised, and the frames have seen nothing moving above slot 2
    ASSERT_EQ(+st(1).at(2).bewegung.state, 2);
    std::swap(st(1).k[1], st(1).k[4]);  // the game re-sorts the hand: the raised card is now 5th
    const float phase = st(1).at(5).bewegung.liftPhase;
    frames(1, 50);
    EXPECT_FLOAT_EQ(+st(1).at(5).bewegung.liftPhase, phase + 0.1f);  // sways on: 5 / 50 fps
}

// A raised card is drawn where it rests plus its lift: a hand card 40 units up the card's own
// face, a meld-area card 40 units off the table; resting and flying cards are drawn unchanged.
TEST_F(Motion, RaisedCardIsDrawnRaised) {
    struct Case {
        int stack;
        float x, y, z;  // offset from the resting place once fully up
    } const faelle[] = {{1, 0, -40, 0}, {12, 0, 0, 40}};
    for (const Case& c : faelle) {
        SCOPED_TRACE(c.stack);
        legen(c.stack, 1, 1);
        TKartenSlot& k = st(c.stack).at(st(c.stack).anz);
        TBewegung& b = k.bewegung;
        glu::CardArgs ruhe;
        ruhe.x = 10, ruhe.y = 20, ruhe.z = 30;
        glu::CardArgs a = ruhe;
        glu::liftoffset(b, a);
        EXPECT_FLOAT_EQ(a.y, 20) << "a card at rest moved";
        glu::liftcard(b, 1, c.stack, st(c.stack).anz);
        frames(7, 50);
        a = ruhe;
        glu::liftoffset(b, a);
        EXPECT_FLOAT_EQ(a.x, 10 + c.x);
        EXPECT_FLOAT_EQ(a.y, 20 + c.y);
        EXPECT_FLOAT_EQ(a.z, 30 + c.z);
        glu::liftcard(b, 0, c.stack, st(c.stack).anz);
        frames(8, 50);
        a = ruhe;
        glu::liftoffset(b, a);
        EXPECT_FLOAT_EQ(a.y, 20) << "a lowered card stayed up";
        EXPECT_FLOAT_EQ(a.z, 30) << "a lowered card stayed up";
    }
    // a card that landed keeps its flight's last offsets in its record: its lift starts afresh
    legen(13, 1, 1);
    TBewegung& gelandet = st(13).at(1).bewegung;
    gelandet.fx = 120, gelandet.fy = -60, gelandet.fz = 80, gelandet.fa1 = 90;
    glu::liftcard(gelandet, 1, 13, 1);
    frames(7, 50);
    glu::CardArgs oben;
    glu::liftoffset(gelandet, oben);
    EXPECT_FLOAT_EQ(oben.x, 0) << "a pile card rose with the offset of its flight";
    EXPECT_FLOAT_EQ(oben.y, 0);
    EXPECT_FLOAT_EQ(oben.z, 40);
    // a card in flight is placed by its flight alone
    TBewegung flug;
    flug.active = 1;
    flug.kind = 2;
    flug.fy = -99;
    glu::CardArgs a;
    glu::liftoffset(flug, a);
    EXPECT_FLOAT_EQ(a.y, 0);
}

TEST_F(Motion, TalonShuffleReturnsToItsSlot) {
    for (int i = 0; i < 6; ++i) legen(11, 1, 1);
    ASSERT_TRUE(glu::movecard(11, 5, 11, 5, 0, 5, 17, 0, 0, 0));
    st(11).at(5).bewegung.flightRandom = 0.3f;
    frames(25, 50);
    EXPECT_GT(+st(11).at(5).bewegung.fz, 0);
    bisRuhe(50);
    EXPECT_EQ(+st(11).at(5).bewegung.active, 0);
    EXPECT_FLOAT_EQ(+st(11).at(5).bewegung.fz, 0);
    EXPECT_EQ(+st(11).anz, 6);
    EXPECT_EQ(+glu::fertigliste.anz, 1);
}

TEST_F(Motion, StackGlidesToItsTargetAtAnyFrameRate) {
    for (float fps : {25.0f, 80.0f}) {
        SCOPED_TRACE(fps);
        glu::reset();
        glu::anzSitze = 4;
        st(2).pos = Pos6{{0, 0, 0, 0, 0, 0}};
        const Pos6 ziel{{100, 200, -50, 10, 20, 30}};
        glu::movestack(ziel, 2, 200);
        const int halb = static_cast<int>(fps / 2);
        frames(halb, fps);
        Pos6 p{};
        ASSERT_TRUE(glu::pvl_getplayerpos(2, 0, p));
        EXPECT_NEAR(+p.v[0], 100.0f * static_cast<float>(halb) / fps, 0.01);
        Pos6 z{};
        ASSERT_TRUE(glu::pvl_getplayerpos(-2, 0, z));
        EXPECT_FLOAT_EQ(+z.v[0], +p.v[0]);
        frames(static_cast<int>(fps) - halb + 1, fps);
        EXPECT_EQ(+st(2).gleiten.active, 0);
        for (int i = 0; i < 6; ++i) {
            EXPECT_FLOAT_EQ(+st(2).pos.v[i], ziel.v[i]);
            EXPECT_FLOAT_EQ(+st(-2).pos.v[i], ziel.v[i]);
        }
    }
}

TEST_F(Motion, PlayerPosRejectsZeroAndOutOfRange) {
    for (int spi : {0, 21, -21}) {
        msgsink::clear();
        Pos6 p{{1, 1, 1, 1, 1, 1}};
        EXPECT_FALSE(glu::pvl_getplayerpos(spi, 1, p));
        EXPECT_EQ(+p.v[0], 1);
        EXPECT_TRUE(meldungen.contains("pvl_getplayerpos:illegal playerid"));
    }
}

TEST_F(Motion, StackAccessorRejectsZero) {
    EXPECT_EQ(glu::stapel(0, "test"), nullptr);
    EXPECT_TRUE(meldungen.contains("Fehler in test"));
    EXPECT_EQ(glu::stapel(-20, "test"), &glu::spielerZwilling[19]);
    EXPECT_EQ(glu::stapel(20, "test"), &glu::spieler[19]);
}

namespace {
int umgestecktSeat = 0, umgestecktSlot = 0, umgestecktCalls = 0;
void merkeUmgesteckt(int seat, int slot) {
    umgestecktSeat = seat;
    umgestecktSlot = slot;
    ++umgestecktCalls;
}
}  // namespace

TEST_F(Motion, ReSlottedCardTellsTheGameExceptInSchwimmen) {
    tischhooks::tab().umgesteckt = merkeUmgesteckt;
    struct Case {
        int game, to;
        int calls, seat;
    };
    // a twin destination re-slots the seat's card; a flight to a live stack, or a middle pile
    // closing its gap through its twin, is no seat's re-slotting
    const Case cases[] = {{0, -2, 1, 2}, {1, -1, 1, 1}, {2, -2, 0, 0}, {4, 12, 0, 0}, {1, -13, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "game " << c.game << " to " << c.to);
        glu::reset();
        glu::anzSitze = 4;
        glu::anzTischStapel = 6;
        cg.spielId = static_cast<uint8_t>(c.game);
        umgestecktSeat = umgestecktSlot = umgestecktCalls = 0;
        const int from = c.to < 0 ? -c.to : 1;  // 13 -> -13 lands as 13 -> 13 through the twin
        for (int i = 1; i <= 3; ++i) legen(from, static_cast<uint8_t>(i), 1);
        for (int i = 1; i <= 3; ++i) legen(-from, static_cast<uint8_t>(i), 1);
        ASSERT_TRUE(glu::movecard(from, 3, c.to, 2, 1, 2, 1, 0, 0, 0));
        bisRuhe(50);
        EXPECT_EQ(umgestecktCalls, c.calls);
        EXPECT_EQ(umgestecktSeat, c.seat);
        EXPECT_EQ(umgestecktSlot, c.calls ? 2 : 0);
    }
}
