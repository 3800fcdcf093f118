// The frame's pass sequence, the camera helpers and the table-part tables, without a display.
#include <gtest/gtest.h>

#include <string>

#include "core/envparam.h"
#include "gui/glstate.h"
#include "table/kamera.h"
#include "table/render.h"
#include "table/tischbilder.h"
#include "table/tischteile.h"

namespace {

std::string scenes(const glu::FramePlan& p) {
    std::string s;
    for (int i = 0; i < p.n; ++i)
        if (p.s[i].step == glu::Step::Scene)
            s += std::to_string(p.s[i].layer) + std::to_string(p.s[i].kind) + (p.s[i].maskOnly ? "m " : " ");
    return s;
}

}  // namespace

TEST(RenderPasses, PassCountsPerModeAndEffects) {
    struct Case {
        int mode;
        bool mirror;
        int reflection;
        bool noEffects;
        int passes;
    };
    const Case cases[] = {
        {0, true, 30, false, 7},   {1, true, 30, false, 1},  {2, true, 30, false, 10},
        {3, true, 30, false, 11},  {4, true, 30, false, 14}, {3, false, 30, false, 7},  // no mirror flag
        {4, false, 30, false, 10}, {3, true, 0, false, 7},   {4, true, 0, false, 10},   // reflection 0
        {2, true, 30, true, 7},    {3, true, 30, true, 7},   {4, true, 30, true, 7},    // NoEffects
        {1, true, 30, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " mirror " << c.mirror << " refl "
                                        << c.reflection << " noEffects " << c.noEffects);
        EXPECT_EQ(glu::frameplan(static_cast<uint8_t>(c.mode), c.mirror, c.reflection, c.noEffects).scenes(),
                  c.passes);
    }
}

TEST(RenderPasses, FullFrameOrder) {
    EXPECT_EQ(scenes(glu::frameplan(4, true, 30, false)), "00 01 10 11 17m 34 24 16 22 32 42 42 52 72 ");
    EXPECT_EQ(scenes(glu::frameplan(1, true, 30, false)), "27 ");
    // the stencil steps sit between the passes: the mirror mask before the mirrored chips
    const glu::FramePlan p = glu::frameplan(3, true, 30, false);
    int mask = -1, mirrored = -1;
    for (int i = 0; i < p.n; ++i) {
        if (p.s[i].step == glu::Step::BeginDrawMirror) mask = i;
        if (p.s[i].step == glu::Step::Scene && p.s[i].layer == 3 && p.s[i].kind == 4) mirrored = i;
    }
    EXPECT_GT(mirrored, mask);
    EXPECT_GE(mask, 0);
}

TEST(RenderCamera, ZoomByScreenShape) {
    auto& g = glstate::gl();
    const auto saved = g;
    struct Case {
        int flag;  // index into AspectFlags
        int w, h;
        float offset, factor;
    };
    const Case cases[] = {{0, 800, 600, 0, 1.0f},
                          {1, 1920, 1080, -2, 1.16f},
                          {2, 1680, 1050, -1, 1.08f},
                          {0, 1024, 600, -1, 1.08f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flag);
        for (auto& f : g.AspectFlags) f = 0;
        g.AspectFlags[c.flag] = 1;
        g.ViewWidth = c.w;
        g.ViewHeight = c.h;
        EXPECT_FLOAT_EQ(glu::zoomoffset(), c.offset);
        EXPECT_FLOAT_EQ(glu::zoomfactor(), c.factor);
    }
    g = saved;
}

TEST(RenderCamera, AspectOfAZeroHeightWindowIsTheDefault) {
    EXPECT_DOUBLE_EQ(glu::safeaspect(800, 0), 4.0 / 3.0);
    EXPECT_DOUBLE_EQ(glu::safeaspect(0, 0), 4.0 / 3.0);
    EXPECT_DOUBLE_EQ(glu::safeaspect(1600, 900), 16.0 / 9.0);
}

TEST(RenderCamera, InvertMatrix3UndoesTheRotationAndRefusesASingularMatrix) {
    // rotation about z by 30 degrees, scaled by 2 in x, with a translation that must not count
    const double c = 0.8660254037844387, s = 0.5;
    const double m[16] = {2 * c, 2 * s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 5, 6, 7, 1};
    double inv[9];
    ASSERT_TRUE(glu::invertmatrix3(m, inv));
    double v[3];
    glu::rotatebymatrix(m, v, 1, 2, 3);
    // inverse (column-major 3 x 3) times v gives back (1, 2, 3)
    for (int r = 0; r < 3; ++r)
        EXPECT_NEAR(inv[r] * v[0] + inv[3 + r] * v[1] + inv[6 + r] * v[2], r + 1.0, 1e-9);

    const double flat[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};  // z squashed to 0
    double out[9];
    EXPECT_FALSE(glu::invertmatrix3(flat, out));
    for (int i = 0; i < 9; ++i) EXPECT_DOUBLE_EQ(out[i], i % 4 == 0 ? 1.0 : 0.0);
}

TEST(RenderTable, SegmentCountsByDetailWithDefaultsOutsideTheRange) {
    struct Case {
        int detail, round, roundShape, oval, shaped;
    };
    const Case cases[] = {{1, 40, 30, 10, 30}, {3, 68, 60, 22, 60}, {5, 110, 104, 40, 104},
                          {0, 48, 48, 22, 48}, {6, 48, 48, 22, 48}, {-3, 48, 48, 22, 48}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.detail);
        EXPECT_EQ(glu::roundsegments(c.detail, false), c.round);
        EXPECT_EQ(glu::roundsegments(c.detail, true), c.roundShape);
        EXPECT_EQ(glu::ovalstrips(c.detail), c.oval);
        EXPECT_EQ(glu::shapedsegments(c.detail), c.shaped);
    }
}

TEST(RenderTable, OvalEdgesAndCushionShade) {
    // the near edge lies in front of the far edge all along the table
    for (float t = 0; t <= 1.0f; t += 0.125f)
        EXPECT_GT(glu::ovaledge(0, t, -0.15f, -3.625f), glu::ovaledge(1, t, -0.15f, -3.625f));
    EXPECT_FLOAT_EQ(glu::ovalsag(0), 0.00625f);
    EXPECT_FLOAT_EQ(glu::cushionshade(0.05f, 0.5f, 0.3f), 0.4f);
    EXPECT_NEAR(glu::cushionshade(0, 0.75f, 0.25f), 0.25f * 0.04f * 30, 1e-6);
    EXPECT_NEAR(glu::cushionshade(0, 0.25f, 0.75f), 0.04f * 0.25f * 30, 1e-6);
}

TEST(RenderTable, ParamFileKeysInOrderWithTwoDigits) {
    const std::string good =
        "Tisch\nrund=01\nreflection=30\ntbreite=02\nthoehe=02\nkbreite=06\nbbreite=05\nbhoehe=05\n"
        "blight=50\nwbreite=04\nwhoehe=02\nwlight=50\ngray=38\ntransparenz=07\nref_weg=50\n";
    TEnvParam p;
    std::string err;
    ASSERT_TRUE(tischbilder::readparams(good, p, err)) << err;
    EXPECT_EQ(p.rund, 1);
    EXPECT_EQ(p.transparenz, 7);
    EXPECT_EQ(p.gray, 38);
    EXPECT_EQ(p.ref_weg, 50);

    struct Case {
        const char* name;
        std::string text;
    };
    std::string swapped = good;
    swapped.replace(swapped.find("gray=38\n"), 8, "");
    swapped += "gray=38\n";  // gray after ref_weg: already passed
    std::string letter = good;
    letter.replace(letter.find("tbreite=02"), 10, "tbreite=2x");
    const Case cases[] = {
        {"key out of order", swapped}, {"digit and letter", letter}, {"cut short", good.substr(0, 60)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TEnvParam q;
        q.rund = 9;
        std::string e;
        EXPECT_FALSE(tischbilder::readparams(c.text, q, e));
        EXPECT_FALSE(e.empty());
        EXPECT_EQ(q.rund, 9);  // nothing applied
    }
}

TEST(RenderTable, GlassAndPokerTablesDrawNoMirrorImage) {
    const bool expected[] = {true, true, false, true, false};  // environments 1..5
    for (int env = 1; env <= 5; ++env) {
        SCOPED_TRACE(env);
        EXPECT_EQ(tischbilder::spiegelerlaubt(env), expected[env - 1]);
    }
}
