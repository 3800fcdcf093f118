// The card mesh tables: corner segments, body rows, bend, crop, shade and mirror alpha.
#include <gtest/gtest.h>

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
