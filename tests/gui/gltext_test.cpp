#include "gui/gltext.h"

#include <gtest/gtest.h>

#include "gui/glstate.h"
#include "platform/text.h"

namespace {

// Widths as the loader would measure them, simplified: every character 50, a few distinct.
class TextWidths : public testing::Test {
protected:
    void SetUp() override {
        auto& g = glstate::gl();
        saved_ = g;
        for (int c = 1; c <= 250; ++c) g.GlyphWidths[c] = 50;
        g.GlyphWidths[static_cast<uint8_t>('o')] = 60;
        g.GlyphWidths[static_cast<uint8_t>('u')] = 55;
        g.GlyphWidths[static_cast<uint8_t>('X')] = 70;
        g.GlyphWidths[static_cast<uint8_t>(' ')] = 30;
        g.TextWidthFactor = 1.0f;
        for (auto& f : g.AspectFlags) f = 0;
        g.ViewWidth = 807;
        g.ViewHeight = 607;
        g.MouseX = g.MouseY = 0;
    }
    void TearDown() override { glstate::gl() = saved_; }

private:
    glstate::State saved_;
};

}  // namespace

TEST(GlText, FontIndexCellsAndFolding) {
    struct Case {
        const char* utf8;
        int cell;
    };
    const Case cases[] = {
        {"A", 33},
        {" ", 0},
        {"ß", 118},
        {"é", 101},
        {"¢", 97},
        {"€", 99},
        {"-", 108},
        {"_", 119},
        {"Ä", 112},
        {"Ö", 113},
        {"Ü", 114},
        {"ä", 115},
        {"ö", 116},
        {"ü", 117},
        // Letters without a cell of their own fall back to their base letter, others to "?".
        {"à", 'a' - 32},
        {"Ç", 'C' - 32},
        {"ñ", 'n' - 32},
        {"Ø", 'O' - 32},
        {"ÿ", 'y' - 32},
        {"§", '?' - 32},
        {"°", '?' - 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        const std::string w = text::w(c.utf8);
        ASSERT_EQ(w.size(), 1u);
        EXPECT_EQ(gltext::fontindex(static_cast<uint8_t>(w[0])), c.cell);
    }
    EXPECT_EQ(gltext::fontindex(7), 0);  // control characters
    for (int code = 151; code <= 159; ++code)
        EXPECT_EQ(gltext::fontindex(static_cast<uint8_t>(code)), code - 32);
    for (int code = 0; code <= 255; ++code) {
        const int cell = gltext::fontindex(static_cast<uint8_t>(code));
        EXPECT_TRUE(cell >= 0 && cell <= 127) << code;
    }
}

TEST(GlText, CellRectsFollowTheGrid) {
    float s0, t0, sw, th;
    gltext::cellRect(0, s0, t0, sw, th);  // top left of the image: texture row 7
    EXPECT_FLOAT_EQ(s0, 0.003f);
    EXPECT_FLOAT_EQ(t0, 0.034f + 0.12f * 7);
    EXPECT_NEAR(sw, 0.048f, 1e-6);
    EXPECT_NEAR(th, 0.1111f, 1e-4);
    gltext::cellRect(127, s0, t0, sw, th);
    EXPECT_FLOAT_EQ(s0, 0.003f + 0.062f * 15);
    EXPECT_FLOAT_EQ(t0, 0.034f);
}

TEST_F(TextWidths, CharWidthMapsUmlautsAndSuits) {
    EXPECT_FLOAT_EQ(gltext::charwidth(text::w("üü")), gltext::charwidth("uu"));
    EXPECT_FLOAT_EQ(gltext::charwidth(text::w("ää")), gltext::charwidth("oo"));
    EXPECT_FLOAT_EQ(gltext::charwidth("\x98"), 1.0f);  // suit: 'X' / 70
    EXPECT_FLOAT_EQ(gltext::charwidth("ab"), 1.0f);
    auto& g = glstate::gl();
    g.AspectFlags[1] = 1;  // 16:9
    EXPECT_FLOAT_EQ(gltext::charwidth("ab", true), 1.0f / 0.75f * 0.5625f);
    EXPECT_FLOAT_EQ(gltext::charwidth("ab", false), 1.0f);
}

TEST_F(TextWidths, FittingBreaksBetweenWordsAndReportsTheRest) {
    // "ab" is 1.0 font unit = 11.5 virtual units at scale 1; each character 5.75.
    struct Case {
        const char* text;
        int maxRight;
        int showRest;
        bool pointerOver;
        const char* rest;
    };
    const Case cases[] = {
        {"aaaa aaaa", 200, 0, false, ""},      // fits
        {"aaaa aaaa", 200, 0, true, ">"},      // fits, pointer over: a lone ">"
        {"aaaa aaaa", 35, 1, false, ">aaaa"},  // cut at the blank
        {"aaaa aaaa", 35, 0, true, ">aaaa"},
        {"aaaaaaaaaaaaaaaaaaaaaaaaa", 100, 1, false, ">aaaaaaaaaaaaaaa"},  // a long word breaks after 15
        {"aaaa aaaa", 15, 1, false, ""},  // too little room: no fitting at all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " / " << c.maxRight << " / " << c.pointerOver);
        auto& g = glstate::gl();
        g.MouseX = c.pointerOver ? 20 : 700;
        g.MouseY = c.pointerOver ? 105 : 500;
        std::string rest = "old";
        gltext::bprintit(c.text, 0, 1.0f, 0, 100, 0, 6, 0, 1, c.maxRight, c.showRest, "", rest);
        EXPECT_EQ(rest, c.rest);
    }
}

TEST(GlText, ColorStringsAndNonNumbersKeepTheColour) {
    glstate::Color c{0.1f, 0.2f, 0.3f, 0.4f};
    EXPECT_TRUE(gltext::colorFromString("99999999", c));
    EXPECT_FLOAT_EQ(c.r, 1.0f);
    EXPECT_FLOAT_EQ(c.a, 1.0f);
    EXPECT_TRUE(gltext::colorFromString("00354570", c));
    EXPECT_FLOAT_EQ(c.r, 0.0f);
    EXPECT_NEAR(c.g, 0.3535f, 1e-3);
    EXPECT_NEAR(c.b, 0.4545f, 1e-3);
    EXPECT_NEAR(c.a, 0.7070f, 1e-3);
    EXPECT_TRUE(gltext::colorFromString("99", c));  // padded with "0"
    EXPECT_FLOAT_EQ(c.g, 0.0f);
    const glstate::Color before = c;
    for (const char* bad : {"99xx9999", "-1999999", " 9999999", "abcdefgh"}) {
        SCOPED_TRACE(bad);
        glstate::Color k = before;
        EXPECT_FALSE(gltext::colorFromString(bad, k));
        EXPECT_EQ(k.r, before.r);
        EXPECT_EQ(k.g, before.g);
        EXPECT_EQ(k.b, before.b);
        EXPECT_EQ(k.a, before.a);
    }
}
