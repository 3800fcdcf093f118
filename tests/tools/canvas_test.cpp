#include "tools/common/canvas.h"

#include <gtest/gtest.h>

#include <cmath>

using canvas::Canvas;
using canvas::Color;
using canvas::Path;
using canvas::rgb;

namespace {

// Sum of alpha over the canvas, in pixels.
float alphaArea(const Canvas& c) {
    float s = 0;
    for (const Color& p : c.pixels()) s += p.a / 255.0f;
    return s;
}

}  // namespace

TEST(Canvas, FilledShapesCoverTheirArea) {
    struct Case {
        const char* name;
        Path path;
        float area;
    };
    const float pi = 3.14159265f;
    const Case cases[] = {
        {"rect on pixel edges", Path().addRect(10, 10, 30, 20), 200},
        {"rect off pixel edges", Path().addRect(10.25f, 10.5f, 30.75f, 20.5f), 20.5f * 10},
        {"circle", Path().addCircle(32, 32, 20), pi * 400},
        {"round rect", Path().addRoundRect(4, 4, 60, 40, 8), 56 * 36 - (4 - pi) * 64},
        {"overlapping circles join", Path().addCircle(32, 32, 10).addCircle(32, 32, 10), pi * 100},
        {"clipped at the edge", Path().addRect(-10, -10, 10, 10), 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas cv(64, 64);
        cv.fill(c.path, rgb(0xFF0000));
        EXPECT_NEAR(alphaArea(cv), c.area, c.area * 0.01f + 1);
    }
}

TEST(Canvas, EdgePixelsAreBlendedByCoverage) {
    Canvas cv(4, 1, rgb(0x000000));
    cv.fill(Path().addRect(0, 0, 1.5f, 1), rgb(0xFFFFFF));
    EXPECT_EQ(cv.get(0, 0).r, 255);
    EXPECT_NEAR(cv.get(1, 0).r, 128, 2);
    EXPECT_EQ(cv.get(2, 0).r, 0);
}

TEST(Canvas, EvenOddRingLeavesTheHoleEmpty) {
    Canvas cv(64, 64);
    cv.ring(32, 32, 20, 6, rgb(0x00FF00));
    EXPECT_EQ(cv.get(32, 32).a, 0);    // centre
    EXPECT_EQ(cv.get(52, 32).a, 255);  // on the ring
    EXPECT_EQ(cv.get(2, 2).a, 0);      // outside
    EXPECT_NEAR(alphaArea(cv), 3.14159f * (23 * 23 - 17 * 17), 8);
}

TEST(Canvas, SourceOverBlending) {
    Canvas cv(1, 1, rgb(0x0000FF));
    cv.blend(0, 0, rgb(0xFF0000, 128));
    const Color c = cv.get(0, 0);
    EXPECT_NEAR(c.r, 128, 1);
    EXPECT_NEAR(c.b, 127, 1);
    EXPECT_EQ(c.a, 255);
    // Over a transparent pixel the colour is the source's, the alpha the source's.
    Canvas t(1, 1);
    t.blend(0, 0, rgb(0x204060, 100));
    EXPECT_EQ(t.get(0, 0).r, 0x20);
    EXPECT_EQ(t.get(0, 0).a, 100);
    // Outside the canvas nothing happens (and nothing is read or written out of bounds).
    t.blend(-1, 0, rgb(0xFFFFFF));
    t.set(1, 0, rgb(0xFFFFFF));
    EXPECT_EQ(t.get(5, 5).a, 0);
}

TEST(Canvas, GradientsRunBetweenTheirEnds) {
    const auto lin = canvas::Paint::linear({0, 0}, rgb(0x000000), {100, 0}, rgb(0xFFFFFF));
    EXPECT_EQ(lin.at(-5, 3).r, 0);
    EXPECT_NEAR(lin.at(50, 7).r, 128, 1);
    EXPECT_EQ(lin.at(200, 0).r, 255);
    const auto rad = canvas::Paint::radial({10, 10}, 10, rgb(0xFFFFFF), rgb(0x000000));
    EXPECT_EQ(rad.at(10, 10).g, 255);
    EXPECT_NEAR(rad.at(15, 10).g, 128, 1);
    EXPECT_EQ(rad.at(40, 10).g, 0);
}

TEST(Canvas, BlitScalesAndFlipsOrientation) {
    Canvas src(2, 2);
    src.set(0, 0, rgb(0xFF0000));
    src.set(1, 0, rgb(0x00FF00));
    src.set(0, 1, rgb(0x0000FF));
    src.set(1, 1, rgb(0xFFFFFF));
    Canvas dst(8, 8, rgb(0));
    dst.blit(src, 0, 0, 8, 8);
    EXPECT_EQ(dst.get(0, 0).r, 255);  // corners keep their texel
    EXPECT_EQ(dst.get(7, 0).g, 255);
    EXPECT_EQ(dst.get(0, 7).b, 255);
    // A negative width mirrors.
    Canvas m(8, 8, rgb(0));
    m.blit(src, 8, 0, -8, 8);
    EXPECT_EQ(m.get(0, 0).g, 255);
    EXPECT_EQ(m.get(7, 0).r, 255);
}

TEST(Canvas, FlipsAndRotationMoveThePixels) {
    Canvas c(3, 2);
    c.set(0, 0, rgb(0x010203));
    Canvas h = c, v = c, r = c;
    h.flipH();
    v.flipV();
    r.rotate180();
    EXPECT_EQ(h.get(2, 0).r, 1);
    EXPECT_EQ(v.get(0, 1).r, 1);
    EXPECT_EQ(r.get(2, 1).r, 1);
}

TEST(Canvas, ImageRowsAreBottomUp) {
    Canvas c(2, 3, rgb(0));
    c.set(1, 0, rgb(0xAABBCC, 7));  // top row
    const image::Image img = c.toImage(4);
    ASSERT_EQ(img.channels, 4);
    const uint8_t* p = img.at(1, 2);  // last row in memory
    EXPECT_EQ(p[0], 0xAA);
    EXPECT_EQ(p[2], 0xCC);
    EXPECT_EQ(p[3], 7);
    const Canvas back = Canvas::fromImage(img);
    EXPECT_EQ(back.get(1, 0).g, 0xBB);
    EXPECT_EQ(c.toImage(3).pixels.size(), 2u * 3u * 3u);
}

TEST(Canvas, NoiseIsDeterministicAndTiles) {
    for (int i = 0; i < 20; ++i) {
        const float x = i * 0.37f, y = i * 0.61f;
        const float n = canvas::noise(x, y, 4, 3, 3, 99);
        EXPECT_GE(n, 0.0f);
        EXPECT_LE(n, 1.0f);
        EXPECT_FLOAT_EQ(n, canvas::noise(x, y, 4, 3, 3, 99));
        // One period further gives the same value, so textures repeat without seams.
        EXPECT_NEAR(n, canvas::noise(x + 4, y + 3, 4, 3, 3, 99), 1e-5f);
    }
    EXPECT_NE(canvas::noise(0.5f, 0.5f, 4, 4, 1, 1), canvas::noise(0.5f, 0.5f, 4, 4, 1, 2));
    Canvas a(16, 16, rgb(0x808080)), b(16, 16, rgb(0x808080));
    a.addNoise(5, 10);
    b.addNoise(5, 10);
    EXPECT_EQ(a.pixels().size(), b.pixels().size());
    bool same = true, changed = false;
    for (size_t i = 0; i < a.pixels().size(); ++i) {
        same = same && a.pixels()[i].r == b.pixels()[i].r;
        changed = changed || a.pixels()[i].r != 0x80;
    }
    EXPECT_TRUE(same);
    EXPECT_TRUE(changed);
}

TEST(Canvas, AffineMapsCompose) {
    const auto m =
        canvas::Affine::translate(10, 0) * canvas::Affine::rotate(90) * canvas::Affine::scale(2, 2);
    const canvas::Pt p = m.apply({1, 0});
    EXPECT_NEAR(p.x, 10, 1e-5);
    EXPECT_NEAR(p.y, 2, 1e-5);  // clockwise on screen: +x turns to +y
    float x0, y0, x1, y1;
    ASSERT_TRUE(Path().addRect(0, 0, 1, 1).transformed(m).bounds(x0, y0, x1, y1));
    EXPECT_NEAR(x0, 8, 1e-5);
    EXPECT_NEAR(y1, 2, 1e-5);
}

TEST(Font, DrawsAndMeasuresText) {
    canvas::Font f(canvas::fonts::sansBold);
    ASSERT_TRUE(f.ok()) << "fonts-liberation2 missing";
    EXPECT_GT(f.measure(20, "WW"), f.measure(20, "ii"));
    EXPECT_NEAR(f.measure(40, "Ab"), 2 * f.measure(20, "Ab"), 1.0f);
    Canvas c(80, 40);
    const float adv = c.drawText(f, 24, 4, 30, "Grün", rgb(0));
    EXPECT_NEAR(adv, f.measure(24, "Grün"), 4.0f);
    EXPECT_GT(alphaArea(c), 50);
    // The outline of a glyph fills about the same area as its bitmap.
    Canvas o(80, 40);
    o.fill(f.textPath(24, 4, 30, "Grün"), rgb(0));
    EXPECT_NEAR(alphaArea(o), alphaArea(c), alphaArea(c) * 0.15f);
    // Broken UTF-8 and a missing font draw without harm.
    c.drawText(f, 24, 4, 30, "\xC3", rgb(0));
    canvas::Font none("no-such-font.ttf");
    EXPECT_FALSE(none.ok());
    EXPECT_EQ(c.drawText(none, 20, 0, 20, "x", rgb(0)), 0.0f);
    EXPECT_TRUE(none.textPath(20, 0, 0, "x").empty());
}

TEST(Font, GlyphBitmapsForBitmapFonts) {
    canvas::Font f(canvas::fonts::sans);
    ASSERT_TRUE(f.ok());
    canvas::Font::Glyph g;
    ASSERT_TRUE(f.glyph(32, U'Ä', g));
    EXPECT_GT(g.width, 10);
    EXPECT_GT(g.top, 20);  // the umlaut dots reach above the cap height
    EXPECT_EQ(g.coverage.size(), static_cast<size_t>(g.width * g.height));
    EXPECT_GT(g.advance, 15);
}

TEST(Path, TransformFlattensAfterMapping) {
    // A unit circle scaled by 100 must stay round: its area is pi r^2 within half a percent.
    Path p;
    p.setTransform(canvas::Affine::translate(128, 128) * canvas::Affine::scale(100, 100)).addCircle(0, 0, 1);
    Canvas c(256, 256);
    c.fill(p, rgb(0));
    EXPECT_NEAR(alphaArea(c), 3.14159f * 10000, 3.14159f * 50);
    // Outline bands of a square: the band is width wide on both sides of the edge.
    Canvas o(64, 64);
    o.fill(Path().addOutline(Path().addRect(16, 16, 48, 48), 4), rgb(0));
    EXPECT_EQ(o.get(32, 32).a, 0);
    EXPECT_EQ(o.get(16, 32).a, 255);
    EXPECT_NEAR(alphaArea(o), 36 * 36 - (4 - 3.14159f) * 4 - 28 * 28, 3);
}
