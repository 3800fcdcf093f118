// The card mesh tables: corner segments, body rows, bend, crop, shade and mirror alpha.
#include <gtest/gtest.h>

#include <utility>

#include "platform/text.h"
#include "table/kartenmesh.h"
#include "table/overlays.h"

TEST(CardMesh, CornerSegmentsByDetailAndCase) {
    struct Case {
        int detail;
        bool menu, coarse;
        int stack;
        bool restingTalon;
        int n;
    };
    const Case cases[] = {
        {1, false, false, 2, false, 1}, {3, false, false, 2, false, 3},
        {5, false, false, 2, false, 5}, {0, false, false, 2, false, 4},  // outside 1..5: the default
        {9, false, false, 2, false, 4}, {4, true, false, -5, false, 5},  // the menu adds one
        {5, false, true, 2, false, 2},  {5, false, true, 1, false, 3},   // coarse, then the hand's extra
        {1, false, false, 1, false, 1},                                  // one segment gets no extra
        {2, false, false, 11, true, 4},                                  // resting talon card below the top
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.detail << " " << c.stack);
        EXPECT_EQ(glu::cornersegments(c.detail, c.menu, c.coarse, c.stack, c.restingTalon), c.n);
    }
}

TEST(CardMesh, BodyRows) {
    struct Case {
        int detail;
        bool coarse, lowest, moving;
        int rows;
    };
    const Case cases[] = {{1, false, false, true, 1}, {2, false, false, true, 2}, {5, false, false, true, 8},
                          {7, false, false, true, 4}, {5, true, false, true, 3},  {5, true, true, true, 2},
                          {5, false, false, false, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.detail);
        EXPECT_EQ(glu::bodyrows(c.detail, c.coarse, c.lowest, c.moving), c.rows);
    }
}

TEST(CardMesh, BendModes) {
    EXPECT_FLOAT_EQ(glu::cardbend(1, 1, 8, false), -64.0f / 6400);
    EXPECT_FLOAT_EQ(glu::cardbend(1, -1, 8, false), 64.0f / 6400);  // an S: the ends bend apart
    EXPECT_FLOAT_EQ(glu::cardbend(3, 0.5f, 20, false), 0.05f);
    EXPECT_FLOAT_EQ(glu::cardbend(3, 0.5f, 20, true), -0.05f);  // the arch turns with the side
    EXPECT_FLOAT_EQ(glu::cardbend(3, 0, 20, false), 0.0f);
    EXPECT_FLOAT_EQ(glu::cardbend(6, 1, 20, false), 0.0f);  // other modes lie flat
}

TEST(CardMesh, FaceCropByGameAndDeckStyle) {
    struct Case {
        int game, style;
        float lo, hi;
    };
    const Case cases[] = {{5, 2, 0.04f, 0.95f},
                          {6, 2, 0.07f, 0.92f},
                          {6, 3, 0.04f, 0.95f},
                          {5, 1, 0.05f, 0.94f},
                          {1, 2, 0.05f, 0.94f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.game << "/" << c.style);
        EXPECT_FLOAT_EQ(glu::facecrop(c.game, c.style).lo, c.lo);
        EXPECT_FLOAT_EQ(glu::facecrop(c.game, c.style).hi, c.hi);
    }
}

TEST(CardMesh, ShadeDarkensTowardTheLowerEnd) {
    EXPECT_FLOAT_EQ(glu::shadefactor(3, false, true), 0.12f);
    EXPECT_FLOAT_EQ(glu::shadefactor(9, true, true), 0.3f);
    EXPECT_FLOAT_EQ(glu::shadefactor(1, false, true), 0.2f);
    EXPECT_FLOAT_EQ(glu::shadefactor(4, false, false), 0.15f);
    EXPECT_FLOAT_EQ(glu::shadefactor(1, false, false), 0.25f);
    EXPECT_LT(glu::cardshade(0, 1, 0.2f), glu::cardshade(1, 1, 0.2f));
    EXPECT_FLOAT_EQ(glu::cardshade(1, 1, 0.2f), 1 - 0.08f * 0.2f);
}

TEST(CardMesh, HighlightPulse) {
    EXPECT_FLOAT_EQ(glu::highlightalpha(-1, false, 4), 0.6f);
    EXPECT_FLOAT_EQ(glu::highlightalpha(0.5f, false, 4), 0.8f);
    EXPECT_FLOAT_EQ(glu::highlightalpha(1, false, 4), 1.0f);
    EXPECT_FLOAT_EQ(glu::highlightalpha(0, true, 4), 0.7f);
    EXPECT_FLOAT_EQ(glu::highlightalpha(1, true, 4), 1.0f);
    EXPECT_FLOAT_EQ(glu::highlightalpha(0, true, 9), 1.0f);
}

TEST(CardMesh, MirrorAlphaCaps) {
    EXPECT_FLOAT_EQ(glu::mirroralpha(99, 0, 1, 0, 1, 2), 1.0f);
    EXPECT_FLOAT_EQ(glu::mirroralpha(99, 1, 1, -1, 1, 2), 0.0f);  // never below 0
    EXPECT_FLOAT_EQ(glu::mirroralpha(99, 0, 1, 0, 9, 2), 0.4f);
    EXPECT_FLOAT_EQ(glu::mirroralpha(99, 0, 1, 0, 9, 1), 0.08f);
    EXPECT_FLOAT_EQ(glu::mirroralpha(99, 0, 1, 0, 7, 11), 0.3f);
}

TEST(Overlays, MarkersFadeOutAndBackInDuringASlide) {
    EXPECT_FLOAT_EQ(glu::markerfade(0.8f, false, 0.5f), 0.8f);
    EXPECT_FLOAT_EQ(glu::markerfade(1.0f, true, 0.0f), 1.0f);
    EXPECT_FLOAT_EQ(glu::markerfade(1.0f, true, 0.25f), 0.5f);
    EXPECT_FLOAT_EQ(glu::markerfade(1.0f, true, 0.5f), 0.0f);
    EXPECT_FLOAT_EQ(glu::markerfade(1.0f, true, 0.75f), 0.5f);
    EXPECT_FLOAT_EQ(glu::markerfade(1.0f, true, 1.0f), 1.0f);
}

TEST(Overlays, BubbleTextRules) {
    struct Case {
        const char* name;
        std::string caption;
        bool visible;
        int seat, game, seats;
        bool show;
        int lines;
        float scale;
        std::string line1, line2;
    };
    const std::string longText = text::w("?Ich habe gerade kein Glück, aber morgen wird es besser");
    const std::string noSpace = "?" + std::string(40, 'x');
    const Case cases[] = {
        {"hidden", "Hallo", false, 2, 1, 3, false, 1, 0.8f, "", ""},
        {"empty", "", true, 2, 1, 3, false, 1, 0.8f, "", ""},
        {"question mark alone", "?", true, 2, 1, 3, false, 1, 0.8f, "", ""},
        {"plain", "Hallo", true, 2, 1, 3, true, 1, 0.8f, "Hallo", ""},
        {"seat 1 smaller", "Hallo", true, 1, 1, 3, true, 1, 0.6f, "Hallo", ""},
        {"leading ? shrinks", "?Hallo", true, 2, 1, 3, true, 1, 0.7f, "Hallo", ""},
        {"long without ? stays one line", longText.substr(1), true, 2, 1, 3, true, 1, 0.8f,
         longText.substr(1), ""},
        {"long with ? splits at the first space from 25", longText, true, 2, 1, 3, true, 2, 0.7f,
         text::w("Ich habe gerade kein Glück, "), " aber morgen wird es besser"},
        {"Black Jack seat 1 larger", "Hallo", true, 1, 9, 3, true, 1, 0.6f * 1.14f, "Hallo", ""},
        {"no space: one line", noSpace, true, 2, 1, 3, true, 1, 0.7f, noSpace.substr(1), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const glu::BubbleText b = glu::bubbletext(c.caption, c.visible, c.seat, c.game, c.seats, false);
        EXPECT_EQ(b.show, c.show);
        if (!c.show) continue;
        EXPECT_EQ(b.lines, c.lines);
        EXPECT_FLOAT_EQ(b.scale, c.scale);
        EXPECT_EQ(b.line1, c.line1);
        EXPECT_EQ(b.line2, c.line2);
    }
}

TEST(Overlays, ShortBubbleTextSplitsFromLengthMinusSevenInPokerSeatTwo) {
    const std::string t = text::w("?Ich erhöhe jetzt um zehn");  // 24 characters after the ?
    const glu::BubbleText b = glu::bubbletext(t, true, 2, 8, 6, false);
    ASSERT_EQ(b.lines, 2);
    EXPECT_EQ(b.line1, text::w("Ich erhöhe jetzt "));  // the search starts at character 17
    EXPECT_EQ(b.line2, " um zehn");
    EXPECT_EQ(glu::bubbletext(t, true, 3, 8, 6, false).lines, 1);  // not seat 2
}

TEST(Overlays, PokerBubbleBobsAndSwaysByTheSeatRecord) {
    glu::PokerSeatView p;
    p.bobbing = 1;
    p.bobPhase = 0.5f;
    const float bob = 0.5f / 8;
    EXPECT_FLOAT_EQ(glu::pokerbubblemotion(p, false, 0, 0, 8).lift, bob);
    EXPECT_FLOAT_EQ(glu::pokerbubblemotion(p, true, 0, 0, 8).lift, -bob);  // cards revealed: down
    EXPECT_FLOAT_EQ(glu::pokerbubblemotion(p, false, 11, 0, 8).lift, 0.0f);
    EXPECT_FLOAT_EQ(glu::pokerbubblemotion(p, true, 11, 0, 9).lift, bob);  // Black Jack always up
    p.bobbing = 0;
    EXPECT_FLOAT_EQ(glu::pokerbubblemotion(p, false, 0, 0, 8).lift, 0.0f);
    p.inHand = 1;
    EXPECT_FLOAT_EQ(glu::pokerbubblemotion(p, false, 0, 9, 8).swayDeg, 8.0f);  // sin(pi/2) x 8
    p.actions = 2;
    EXPECT_FLOAT_EQ(glu::pokerbubblemotion(p, false, 0, 18, 8).swayDeg, 3.0f);
    EXPECT_FLOAT_EQ(glu::pokerbubblemotion(p, false, 0, 18, 9).swayDeg, 0.0f);
}

TEST(CardMesh, PokerShadeGrowsWithTheSquareAndTheGreyValue) {
    struct Case {
        float v;
        bool human;
        int gray;
        float shade;
    };
    const Case cases[] = {
        {1.08f, false, 50, 1.0f},                         // no darkening at the top
        {0.08f, false, 50, 1 - 0.22f / 38 * 38},          // one unit down: 0.22 x (gray - 12) / 38
        {0.08f, true, 50, 1 - 0.3f / 38 * 38},            // the human's cards a little more
        {0.58f, false, 50, 1 - 0.25f * 0.22f / 38 * 38},  // the square of half a unit
        {0.08f, false, 12, 1.0f},                         // grey 12: flat
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.v << " " << c.human << " " << c.gray);
        EXPECT_NEAR(glu::pokershade(c.v, 1.0f, c.human, c.gray), c.shade, 1e-5);
    }
}

TEST(CardMesh, TranslucentColourByVariant) {
    struct Case {
        float s, a;
        int variant;
        glu::Rgba c;
    };
    const float mix = 0.9f * 0.5f * 0.8f + (0.9f + 0.5f) * 0.1f;  // 0.5
    const float sharp = 0.9f * 0.25f * 0.8f + (0.9f + 0.25f) * 0.1f;
    const Case cases[] = {
        {0.9f, 1.0f, 0, {0.9f, 0.9f, 0.9f, 1}},  // opaque cards keep their shade in every variant
        {0.9f, 1.0f, 2, {0.9f, 0.9f, 0.9f, 1}},    {0.9f, 0.5f, 0, {mix, mix, mix, 0.5f}},
        {0.9f, 0.5f, 1, {mix, mix, mix, mix}},     {0.9f, 0.5f, 2, {sharp, sharp, sharp, 1}},
        {0.9f, 0.2f, 2, {0.09f, 0.09f, 0.09f, 1}},  // sharpened below zero: held at 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " variant " << c.variant);
        const glu::Rgba r = glu::translucentcolor(c.s, c.a, c.variant);
        EXPECT_NEAR(r.r, c.c.r, 1e-5);
        EXPECT_NEAR(r.b, c.c.b, 1e-5);
        EXPECT_NEAR(r.a, c.c.a, 1e-5);
    }
}

TEST(CardMesh, TrickPileShareAndScale) {
    struct Case {
        int stack;
        bool moving;
        int from, fromSlot, to;
        float progress, share;
    };
    const Case cases[] = {
        {12, false, 0, 0, 0, 0, 1.0f},        // lying on the pile
        {3, false, 0, 0, 0, 0, 0.0f},         // a hand card
        {15, true, 12, 3, 15, 0.25f, 0.75f},  // leaving the pile
        {12, true, 2, 4, 12, 0.4f, 0.4f},     // played from seat 2
        {12, true, 2, 11, 12, 0.4f, 0.0f},    // a slot beyond the hand does not grow
        {12, true, 11, 1, 12, 0.4f, 0.0f},    // from the talon: no
        {12, true, 12, 2, 12, 0.4f, 1.0f},    // moving within the pile
        {15, true, 12, 3, 15, 1.5f, 0.0f},    // progress past the end counts as 1
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stack << " " << c.from << "->" << c.to);
        EXPECT_FLOAT_EQ(glu::trickpileshare(c.stack, c.moving, c.from, c.fromSlot, c.to, c.progress),
                        c.share);
    }
    struct Scale {
        float f;
        int seat;
        float w, h;
    };
    const Scale scales[] = {{1, 2, 1.12f, 1.12f},
                            {1, 1, 1.12f, 1.096f},
                            {1, 3, 1.144f, 1.144f},
                            {0.5f, 4, 1.06f, 1.06f},
                            {0, 3, 1, 1}};
    for (const auto& c : scales) {
        SCOPED_TRACE(testing::Message() << c.f << " seat " << c.seat);
        const glu::Size2 k = glu::trickpilescale(c.f, c.seat);
        EXPECT_NEAR(k.w, c.w, 1e-5);
        EXPECT_NEAR(k.h, c.h, 1e-5);
    }
}

TEST(CardMesh, FlightMixesPlacesByCode) {
    struct Case {
        int code;
        float progress, pos, ang;
    };
    const Case cases[] = {
        {0x100, 0.1f, 0, 0},                                // the first fifth waits
        {0x100, 0.6f, 0.5f, 0.5f},                          // up to 0x807 both by p
        {0x807, 1.4f, 1, 1},                                // progress held at 1
        {0x808, 0.6f, 0.75f, 0.75f}, {0x100f, 0.9f, 1, 1},  // w = min(1, 1.5 p)
        {0x1010, 0.6f, 0.5f, 0.75f},                        // above: positions by p, angles by w
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.code << " " << c.progress);
        const glu::MixWeights w = glu::flightmix(c.code, c.progress);
        EXPECT_NEAR(w.pos, c.pos, 1e-5);
        EXPECT_NEAR(w.ang, c.ang, 1e-5);
    }
}

TEST(CardMesh, BlackJackDealOffsets) {
    struct Case {
        bool human;
        float p, m;
        glu::DealOffset d;
    };
    const Case cases[] = {
        {true, 0, 1, {0, 0, 0, 0}},
        {true, 1, 1, {110, 155, -38.5f, -13}},
        {true, 0.5f, 0.7f, {55, 77.5f - 6, -19.25f - 6, -6.5f}},
        {false, 1, 1, {-205, -63, 24, -10.9f}},
        {false, 0.5f, 1, {-205 * 0.75f, -31.5f, 12, -5.45f}},
        {false, 1, 0.85f, {-205 * 0.7225f, -63 - 4.5f, 24 + 4.5f, -10.9f}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.human << " " << c.p << " " << c.m);
        const glu::DealOffset d = glu::bjdealoffset(c.human, c.p, c.m);
        EXPECT_NEAR(d.y, c.d.y, 1e-3);
        EXPECT_NEAR(d.z, c.d.z, 1e-3);
        EXPECT_NEAR(d.a1, c.d.a1, 1e-3);
        EXPECT_NEAR(d.x, c.d.x, 1e-3);
    }
}

TEST(CardMesh, UnshadedOptionGivesFullShadeInEveryGame) {
    struct Case {
        float v;
        bool poker, human, unshaded;
        float shade;
    };
    const Case cases[] = {
        {0, false, false, false, 1 - 1.08f * 0.2f},
        {0, false, false, true, 1},
        {0.5f, true, true, true, 1},
        {1, true, false, true, 1},
        {0.5f, true, false, false, glu::pokershade(0.5f, 1, false, 40)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.v << " " << c.poker << " " << c.unshaded);
        EXPECT_NEAR(glu::vertexshade(c.v, 0.2f, c.poker, c.human, 40, c.unshaded), c.shade, 1e-5);
    }
}

TEST(SeatMarkers, IconsBesideTheMarkerBySchafkopfGameAndDoppelkopfMarks) {
    glu::SeatMarks sk;
    sk.declarer = 2;
    sk.spiel = {1, 3, 1};   // a suit game, Tout
    sk.ansage = {8, 3, 0};  // announced without a called suit
    glu::SeatMarks dk;
    dk.marks[0] = 1;
    dk.marks[2] = 2;
    struct Case {
        int game, seat, phase;
        const glu::SeatMarks* m;
        int count;
    };
    const Case cases[] = {
        {6, 2, 5, &sk, 2},                     // the declarer: Tout and the suit
        {6, 3, 5, &sk, 0},                     // every other seat: none
        {6, 2, 3, &sk, 0},                     // phases 3 and 7 show the announcement
        {6, 2, 7, &sk, 0}, {5, 4, 5, &dk, 2},  // Doppelkopf: one per mark set
        {0, 2, 5, &sk, 0},                     // other games: none
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.game << " seat " << c.seat << " phase " << c.phase);
        EXPECT_EQ(glu::markercount(c.game, c.seat, c.phase, *c.m), c.count);
    }
    glu::SeatMarks own = sk;
    own.declarer = 1;
    EXPECT_EQ(glu::markercount(6, 1, 5, own), 3);  // the human's suit icon counts twice
    own.spiel.type = 8;
    EXPECT_EQ(glu::markercount(6, 1, 5, own), 1);  // no called suit: Tout only
    // the markers grow as the window shrinks: half again at 640x480, plain from 720 lines on
    const std::pair<int, float> groessen[] = {{400, 1.5f}, {480, 1.5f}, {600, 1.25f}, {720, 1.0f}, {1080, 1.0f}};
    for (const auto& [hoehe, k] : groessen) EXPECT_FLOAT_EQ(glu::markerscale(hoehe), k) << hoehe;
}

TEST(CardLabels, WhichCardCarriesTheGamesLabel) {
    struct Case {
        int game, stack, slot, anz, pilePos, firstShown;
        bool label;
    };
    const Case cases[] = {
        {9, 2, 2, 3, 0, 2, true},    // Black Jack: the first shown card of a seat
        {9, 2, 1, 3, 0, 2, false},   // the hole card below it
        {9, 5, 1, 3, 0, 1, false},   // beyond the seats
        {3, 12, 4, 9, 1, 0, true},   // Rommé: the first card of a meld
        {4, 12, 5, 9, 2, 0, false},  // Canasta: a later card of it
        {4, 1, 1, 9, 1, 0, false},   // not on a hand
        {7, 7, 5, 5, 0, 0, true},    // Schnapsen: the top card of 7 and 8
        {7, 8, 4, 5, 0, 0, false},   {7, 9, 5, 5, 0, 0, false}, {12, 10, 3, 3, 0, 0, true},  // Jass: 7..10
        {12, 11, 3, 3, 0, 0, false}, {1, 7, 5, 5, 1, 1, false},  // other games: none
        {7, 7, 6, 5, 0, 0, false},                               // a slot beyond the stack
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.game << " " << c.stack << "/" << c.slot);
        EXPECT_EQ(glu::haslabel(c.game, c.stack, c.slot, c.anz, c.pilePos, c.firstShown, 3), c.label);
    }
}

TEST(Overlays, BlackJackBubblesAtTheTableEndsMoveInOnNarrowScreens) {
    struct Case {
        int seat, seats;
        size_t len;
        bool narrow;
        float shift;
    };
    const Case cases[] = {
        {2, 5, 18, true, 0.18f}, {2, 5, 17, true, 0.1f},  {2, 5, 13, true, 0.1f},
        {2, 5, 12, true, 0.0f},  {5, 5, 18, true, -0.1f}, {5, 5, 13, true, -0.05f},
        {3, 5, 18, true, 0.0f},  {2, 4, 18, true, 0.0f},  {2, 5, 18, false, 0.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.seat << "/" << c.seats << " len " << c.len << " " << c.narrow);
        EXPECT_FLOAT_EQ(glu::blackjackbubbleshift(c.seat, c.seats, c.len, c.narrow), c.shift);
    }
}
