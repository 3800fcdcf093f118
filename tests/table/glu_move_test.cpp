#include <cmath>

#include "tisch_fixture.h"

namespace {

int gTon10 = 0, gTon12 = 0;
void zaehleTon(int sound, int, int) {
    if (sound == 10) ++gTon10;
    if (sound == 12) ++gTon12;
}

}  // namespace

using MoveCard = Tisch;

TEST_F(MoveCard, RefusedRequestLeavesNoTrace) {
    for (int i = 0; i < 5; ++i) legen(1, 1, 1, static_cast<uint16_t>(i + 1));
    legen(11, 2, 2);
    struct Case {
        int from, fromSlot, to, toSlot, kind;
        const char* text;
    };
    const Case cases[] = {
        {1, 0, 12, 1, 2, "Fehler 0: movecard from zero index at spi1.0:spi12.1"},
        {1, 167, 12, 1, 2, "Fehler: Bereichsüberschreitung bei glu.movecard:1.167"},
        {0, 1, 12, 1, 2, "Bereichs"},
        {21, 1, 12, 1, 2, "Bereichs"},
        {1, 1, 0, 1, 2, "Bereichs"},
        {1, 1, -21, 1, 2, "Bereichs"},
        {1, 1, 12, 0, 2, "Bereichs"},
        {1, 1, 12, 167, 2, "Bereichs"},
        {7, 1, 12, 1, 2, "nicht bewegt"},    // the motion step never visits stack 7
        {17, 1, 12, 1, 2, "nicht bewegt"},   // nor 17..20
        {-12, 1, 12, 1, 2, "nicht bewegt"},  // nor the twins of the table stacks
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << "." << c.fromSlot << " -> " << c.to << "." << c.toSlot);
        msgsink::clear();
        const TSpieler vorher = st(1);
        EXPECT_FALSE(glu::movecard(c.from, c.fromSlot, c.to, c.toSlot, 1, 2, c.kind, 0, 0, 0));
        EXPECT_EQ(+glu::zugliste.anz, 0);
        EXPECT_EQ(std::memcmp(&vorher, &st(1), sizeof(TSpieler)), 0);
        EXPECT_EQ(+st(14).anz, 0);
        EXPECT_EQ(tischhooks::schale().tischModus, 0);
        ASSERT_EQ(meldungen.texts().size(), 1u);
        EXPECT_TRUE(meldungen.contains(text::w(c.text)));
    }
}

TEST_F(MoveCard, FullMoveListAndFullStackAndFlyingCardAreRefused) {
    legen(1, 1, 1);
    for (int i = 0; i < kSlots; ++i) legen(13, 1, 1);
    EXPECT_FALSE(glu::movecard(1, 1, 13, 166, 1, 2, 14, 0, 0, 0));  // 13 holds 166 already
    EXPECT_TRUE(meldungen.contains("voll"));
    EXPECT_TRUE(glu::movecard(13, 166, 12, 1, 1, 2, 14, 0, 0, 0));
    msgsink::clear();
    EXPECT_FALSE(glu::movecard(13, 166, 2, 1, 1, 2, 14, 0, 0, 0));  // already flying
    EXPECT_TRUE(meldungen.contains("fliegt"));
    for (int i = 1; i < kZuege; ++i) ASSERT_TRUE(glu::movecard(13, i, 12, 1 + i, 1, 2, 14, 0, 0, 0));
    EXPECT_EQ(+glu::zugliste.anz, kZuege);
    msgsink::clear();
    EXPECT_FALSE(glu::movecard(1, 1, 2, 1, 1, 2, 14, 0, 0, 0));
    EXPECT_TRUE(meldungen.contains("Zugliste voll"));
    EXPECT_EQ(+glu::zugliste.anz, kZuege);
    EXPECT_EQ(+st(1).at(1).bewegung.active, 0);
}

TEST_F(MoveCard, FlightCodeByMoveKindMarkerAndGame) {
    struct Case {
        int game, phase, phase2, kind, flag, from, to, marker;
        int32_t code;  // -1: any of the four random variations of `base`
        int32_t base;
        float random;  // -1: drawn
        int32_t recMarker, option;
        float speed;
    };
    const Case cases[] = {
        {0, 0, 0, 8, 1, 11, 2, 0, 0x2020, 0, 0, 0, 0, 1.0f},
        {0, 0, 0, 7, 1, 11, 12, 0, -1, 0x2021, -1, 0, 0, 10},
        {0, 0, 0, 7, 1, 12, 13, 5, 0x12121, 0, 0.5f, 0, 0, 10},
        {7, 0, 0, 7, 1, 12, 11, 0, 0x12141, 0, -1, 0, 0, 10},  // Schnapsen to the talon
        {0, 0, 0, 16, 1, 11, 12, 0, 0x12241, 0, 0, 0, 0, 10},
        {0, 0, 0, 14, 1, 13, 2, 0, 0x2020, 0, 0, 0, 0, 10},
        {0, 0, 0, 5, 1, 13, 12, 0, 0x2020, 0, 0, 0, 0, 10},
        {0, 0, 0, 15, 1, 12, 13, 0, 0, 0, 0, 0, 0, 10},
        {0, 0, 0, 19, 1, 12, 13, 0, 0, 0, 0, 0, 0, 10},
        {0, 0, 0, 4, 1, 12, 13, 0, -1, 0x3231, -1, 0, 0, 10},
        {0, 0, 0, 4, 1, 12, 11, 5, 0x13331, 0, 0.5f, 0, 0, 10},  // kind 4 drops the marker
        {0, 0, 0, 3, 1, 11, 2, 0, -1, 0x201, 1.0f, 0, 0, 10},
        {0, 0, 0, 3, 1, 11, -1, 0, -1, 0xd09, 1.0f, 0, 0, 10},
        {0, 0, 0, 3, 1, 11, 2, 5, 0x202, 0, 0.8f, 5, 0, 10},
        {0, 0, 0, 3, 1, 11, 2, -1, 0x202, 0, 0.8f, -1, 0, 10},
        {2, 4, 4, 3, 1, 16, -1, 0, 0, 0, 1.0f, 0, 0, 10},  // Schwimmen exchange
        {2, 4, 4, 3, 1, 16, 2, 0, 0x1230, 0, 1.0f, 0, 0, 10},
        {9, 0, 0, 3, 1, 11, 2, 0, 0x2021, 0, 1.0f, 0, 0, 10},  // Black Jack override
        {0, 0, 0, 2, 0, 1, 12, 0, 0, 0, 0, 0, 0, 10},
        {0, 0, 0, 2, 1, 1, 11, 0, 0x161, 0, 0, 0, 0, 10},
        {0, 0, 0, 2, 1, 2, 11, 0, 0x8c89, 0, 0, 0, 0, 10},
        {0, 0, 0, 2, 1, 1, 12, 0, 0x3091, 0, -1, 0, 0, 10},
        {0, 0, 0, 2, 1, 2, 12, 0, -1, 0x1471, -1, 0, 1, 10},
        {2, 4, 4, 2, 1, 1, 12, 0, 0x3091, 0, 0, 0, 0, 10},
        {2, 4, 4, 2, 1, 2, 12, 0, -1, 0x1471, 0, 0, 1, 10},
        {0, 0, 0, 2, 1, 2, 8, 0, -1, 0x1471, -1, 0, 1, 8},  // stacks 7..10 fly slower
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "game " << c.game << " kind " << c.kind << " " << c.from << "->"
                                        << c.to << " marker " << c.marker);
        glu::reset();
        glu::anzSitze = 4;
        glu::anzTischStapel = 6;
        cg.spielId = static_cast<uint8_t>(c.game);
        cg.phase.nr = static_cast<uint8_t>(c.phase);
        tischcg::tz.phase2 = c.phase2;
        legen(c.from, 1, 1);
        ASSERT_TRUE(glu::movecard(c.from, 1, c.to, 1, static_cast<uint8_t>(c.flag), 2,
                                  static_cast<uint8_t>(c.kind), 0.3f, c.marker, 0));
        const TBewegung& b = st(c.from).at(1).bewegung;
        if (c.code >= 0) {
            EXPECT_EQ(+b.flightCode, c.code);
        } else {
            const int32_t v = b.flightCode - c.base;
            EXPECT_TRUE(v == 0 || v == 1 || v == 0x80 || v == 0x81) << std::hex << b.flightCode;
        }
        if (c.random >= 0) {
            EXPECT_FLOAT_EQ(+b.flightRandom, c.random);
        }
        EXPECT_EQ(+b.marker, c.recMarker);
        EXPECT_EQ(+b.option, c.option);
        EXPECT_FLOAT_EQ(+b.speed, c.speed);
        const bool tausch = c.game == 2 && c.kind == 2 && c.flag == 1 && c.to != 11;
        EXPECT_FLOAT_EQ(+b.startDelay, tausch ? 0.05f : 0.3f);
        EXPECT_EQ(+b.state, 3);
        EXPECT_EQ(+b.active, 1);
    }
}

TEST_F(MoveCard, DrawSoundOnlyForTheTopTwoCardsOfATablePile) {
    tischhooks::tab().effekt = zaehleTon;
    struct Case {
        int from, slot, to;
        bool sound;
    };
    const Case cases[] = {{11, 10, 2, true},    {11, 9, 2, true},   {11, 8, 2, false}, {11, 10, 11, false},
                          {11, 10, -11, false}, {12, 10, 13, true}, {13, 9, 1, true},  {2, 4, 12, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << "." << c.slot << " -> " << c.to);
        glu::reset();
        glu::anzSitze = 4;
        glu::anzTischStapel = 6;
        for (int i = 0; i < 10; ++i) legen(c.from, 1, 1);
        gTon12 = 0;
        ASSERT_TRUE(glu::movecard(c.from, c.slot, c.to, 1, 1, 2, 14, 0, 0, 0));
        EXPECT_EQ(gTon12, c.sound ? 1 : 0);
    }
}

TEST_F(MoveCard, StackFourteenShowsTheCardSentToTheMiddleBeforeItLands) {
    legen(1, 5, 3);
    legen(14, 1, 1);
    legen(14, 2, 2);
    ASSERT_TRUE(glu::movecard(1, 1, 12, 1, 1, 2, 2, 0, 0, 0));
    EXPECT_EQ(+st(14).anz, 1);
    EXPECT_EQ(+st(14).at(1).c.t, 5);
    EXPECT_EQ(+st(14).at(1).c.f, 3);
    EXPECT_EQ(+st(12).anz, 0);
    EXPECT_EQ(tischhooks::schale().tischModus, 2);
}

TEST_F(MoveCard, RaisedCardStartsFromItsLiftedPlace) {
    legen(1, 1, 1);
    legen(1, 2, 1);
    st(1).at(2).x = 10;
    st(1).at(2).y = 20;
    st(1).at(2).z = 30;
    glu::liftcard(st(1).at(2).bewegung, 1, 1, 2);
    frames(30, 50);  // fully raised
    const TBewegung& b = st(1).at(2).bewegung;
    ASSERT_EQ(+b.state, 2);
    EXPECT_FLOAT_EQ(+b.fy, -40);
    ASSERT_TRUE(glu::movecard(1, 2, 12, 1, 1, 2, 2, 0, 0, 0));
    EXPECT_FLOAT_EQ(+st(1).at(2).x, 10);
    EXPECT_FLOAT_EQ(+st(1).at(2).y, -20);
    EXPECT_FLOAT_EQ(+st(1).at(2).z, 30);
    EXPECT_EQ(+b.kind, 2);
}

TEST_F(MoveCard, MoveNumbersFollowWhenAnEarlierMoveLands) {
    legen(13, 1, 1);
    legen(13, 2, 1);
    legen(13, 3, 1);
    ASSERT_TRUE(glu::movecard(13, 3, 2, 1, 1, 2, 14, 0, 0, 0));
    ASSERT_TRUE(glu::movecard(13, 2, 3, 1, 1, 2, 14, 0.5f, 0, 0));
    ASSERT_TRUE(glu::movecard(13, 1, 4, 1, 1, 2, 14, 1.0f, 0, 0));
    EXPECT_EQ(+st(13).at(2).bewegung.moveNr, 2);
    EXPECT_EQ(+st(13).at(1).bewegung.moveNr, 3);
    frames(60, 50);  // the first lands after one second, the others wait
    ASSERT_EQ(+glu::zugliste.anz, 2);
    EXPECT_EQ(+st(13).at(2).bewegung.moveNr, 1);
    EXPECT_EQ(+st(13).at(1).bewegung.moveNr, 2);
    EXPECT_EQ(+glu::zugliste.at(1).fromSlot, 2);
    EXPECT_EQ(+glu::zugliste.at(2).fromSlot, 1);
}

TEST_F(MoveCard, PlayMoveSoundRemovesOneEntryAndKeepsTheOrder) {
    for (int i = 0; i < 5; ++i) legen(13, 1, 1);
    for (int i = 5; i >= 1; --i) ASSERT_TRUE(glu::movecard(13, i, 2, 6 - i, 1, 2, 14, 0, 0, 0));
    glu::playmovesound(2);
    ASSERT_EQ(+glu::zugliste.anz, 4);
    const int erwartet[4] = {5, 3, 2, 1};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(+glu::zugliste.at(i).fromSlot, erwartet[i - 1]);
        EXPECT_EQ(+st(13).at(erwartet[i - 1]).bewegung.moveNr, i);
    }
    EXPECT_EQ(+st(13).at(4).bewegung.active, 0);
    EXPECT_EQ(+cg.letzterZug.quellSlot, 4);
    EXPECT_EQ(+cg.letzterZug.zielStapel, 2);
    glu::playmovesound(9);
    EXPECT_TRUE(meldungen.contains("glu.playmovesound"));
    EXPECT_EQ(+glu::zugliste.anz, 4);
}

TEST_F(MoveCard, ArrivalSoundFollowsTargetSourceAndGame) {
    tischhooks::tab().effekt = zaehleTon;
    struct Case {
        int game, from, to, toSlot;
        bool sound;
    };
    const Case cases[] = {{0, 1, -1, 1, false},  {0, 12, 12, 2, false}, {0, 1, 12, 1, true},
                          {2, 15, 12, 2, false}, {2, 12, 15, 4, true},  {9, 13, 12, 1, false},
                          {9, 12, 11, 2, false}, {9, 12, 11, 3, true},  {0, 2, 8, 1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "game " << c.game << " " << c.from << "->" << c.to << "." << c.toSlot);
        glu::zugliste.anz = 1;
        glu::zugliste.at(1) = TZug{2, c.from, 1, c.to, c.toSlot};
        cg.spielId = static_cast<uint8_t>(c.game);
        gTon10 = 0;
        glu::playmovesound(1);
        EXPECT_EQ(gTon10, c.sound ? 1 : 0);
    }
}

TEST_F(MoveCard, CompletedMovesAreReportedNewestFirstAndOnlyAtRest) {
    for (int i = 0; i < 2; ++i) legen(13, static_cast<uint8_t>(i + 1), 1);
    ASSERT_TRUE(glu::movecard(13, 2, 2, 1, 1, 2, 14, 0, 0, 0));
    ASSERT_TRUE(glu::movecard(13, 1, 3, 1, 1, 2, 14, 0.5f, 0, 0));
    static std::vector<int> ziele;
    ziele.clear();
    auto done = [](int, int to, int, int, int) { ziele.push_back(to); };
    frames(55, 50);
    EXPECT_EQ(+glu::fertigliste.anz, 1);
    EXPECT_EQ(glu::drainfinished(done), 0);  // one card still flies
    bisRuhe(50);
    EXPECT_EQ(glu::drainfinished(done), 2);
    EXPECT_EQ(ziele, (std::vector<int>{3, 2}));
}

TEST_F(MoveCard, InsertSortedAtBothEndsAndEmpty) {
    TSpieler& s = st(2);
    TKartenSlot k{};
    k.c.t = 5;
    EXPECT_EQ(glu::insertsorted(s, k), 1);  // empty
    legen(2, 6, 1);
    legen(2, 7, 1);
    EXPECT_EQ(glu::insertsorted(s, k), 1);  // all higher
    k.c.t = 8;
    EXPECT_EQ(glu::insertsorted(s, k), 3);  // all lower
    k.c.t = 7;
    EXPECT_EQ(glu::insertsorted(s, k), 2);  // after the last lower one
}

TEST_F(MoveCard, ClearPlacementKeepsCardCellAndMotion) {
    TKartenSlot k{};
    k.c = karte{3, 4, 9};
    k.x = k.a3 = k.draw2 = 1;
    k.face = 1;
    for (int i = 0; i < 8; ++i) k.words[i] = 7;
    k.hi = 2;
    k.bewegung.active = 1;
    glu::clearplacement(k);
    EXPECT_EQ(+k.x, 0);
    EXPECT_EQ(+k.a3, 0);
    EXPECT_EQ(+k.face, 0);
    EXPECT_EQ(+k.words[5], 0u);
    EXPECT_EQ(+k.words[6], 7u);
    EXPECT_EQ(+k.hi, 2);
    EXPECT_EQ(+k.c.t, 3);
    EXPECT_EQ(+k.bewegung.active, 1);
}

TEST_F(MoveCard, MoveCardRecordSetsTheAwaitedMove) {
    legen(11, 1, 1);
    EXPECT_TRUE(glu::movecardrecord(11, 1, 12, 1, 0, 3, 7, 0, 0));
    EXPECT_EQ(+cg.bewegungWarten.halter, 11);
    EXPECT_EQ(+cg.bewegungWarten.marke, 1);
}
