// The window, the library's textures, the loading screen, text, frames and quads on a real
// GL context (under Xvfb with Mesa's software renderer), checked by reading pixels back.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "gui/glfenster.h"
#include "gui/glframe.h"
#include "gui/glstate.h"
#include "gui/gltex.h"
#include "gui/gltext.h"
#include "gui/glwin.h"
#include "platform/image.h"
#include "platform/sdl/window.h"
#include "platform/text.h"
#include "platform/ticks.h"
#include "tools/pavlune/pavlune.h"

namespace fs = std::filesystem;

namespace {

constexpr int W = 800, H = 600;

struct Rgb {
    int r, g, b;
    int sum() const { return r + g + b; }
};

class Screen : public testing::Test {
protected:
    static inline bool ready = false;
    static inline std::string why;
    static inline fs::path data;
    static inline int events = 0;

    static void SetUpTestSuite() {
        if (!window::init()) {
            why = "no display: " + window::lastError();
            return;
        }
        if (!window::open("Kartenspiele", 0, 0, W, H)) {
            why = "no window: " + window::lastError();
            return;
        }
        window::show();
        data = fs::temp_directory_path() / ("ks_glscreen_" + std::to_string(getpid()));
        if (!pavlune::writeAll(data)) {
            why = "could not draw the library images";
            return;
        }
        auto& g = glstate::gl();
        g.event = [](int code) {
            if (code == -4) ++events;
        };
        ready = newContext();
        if (!ready) why = "no GL context: " + window::lastError();
    }
    static void TearDownTestSuite() {
        window::shutdown();
        std::error_code ec;
        fs::remove_all(data, ec);
    }
    static bool newContext() {
        if (!window::createContext()) return false;
        glwin::setupState();
        glwin::viewport(0, 0, W, H, 4.0 / 3.0);
        glwin::setupView();
        gltex::LoadText(data);
        return true;
    }
    void SetUp() override {
        if (!ready) {
            GTEST_SKIP() << why;
        }
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void TearDown() override {
        if (ready) {
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        }
    }

    // A point of the 800 x 600 virtual screen (1/637 GL units from the top at 0.476)
    // in window pixels, row 0 at the bottom as glReadPixels counts.
    static void toPixel(float vx, float vy, int& px, int& py) {
        const double unit = 637, top = 0.476;
        const double halfH = 1.5 * 0.3177128, halfW = halfH * 4.0 / 3.0;
        const double gx = -0.635 + vx / unit, gy = top - vy / unit;
        px = static_cast<int>((gx + halfW) / (2 * halfW) * W);
        py = static_cast<int>((gy + halfH) / (2 * halfH) * H);
    }
    static Rgb at(float vx, float vy) {
        int px, py;
        toPixel(vx, vy, px, py);
        uint8_t p[4] = {};
        glReadPixels(px, py, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return {p[0], p[1], p[2]};
    }
    // Lit pixels (any channel above 60) in a rectangle of the virtual screen.
    static int lit(float x0, float y0, float x1, float y1) {
        int ax, ay, bx, by;
        toPixel(x0, y0, ax, ay);
        toPixel(x1, y1, bx, by);
        const int w = bx - ax, h = ay - by;
        if (w <= 0 || h <= 0) return 0;
        std::vector<uint8_t> px(static_cast<size_t>(w) * h * 4);
        glReadPixels(ax, by, w, h, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
        int n = 0;
        for (size_t i = 0; i < px.size(); i += 4) n += (px[i] > 60 || px[i + 1] > 60 || px[i + 2] > 60);
        return n;
    }
    static void whiteText() {
        auto& g = glstate::gl();
        g.TextColor = {1, 1, 1, 1};
        g.HighlightTextColor = {1, 1, 0, 1};
        g.DisabledTextColor = {0.6f, 0.6f, 0.6f, 1};
    }
};

}  // namespace

TEST_F(Screen, LibraryTexturesGetTheirNames) {
    const auto& g = glstate::gl();
    EXPECT_EQ(g.LoadTextures[4], 1001);  // load0.jpg
    EXPECT_EQ(g.LoadTextures[3], 1002);  // load1.jpg
    EXPECT_EQ(g.LibTextures[3], 1003);   // logo3.bmp
    EXPECT_GT(g.LibTextures[0], 0);
    EXPECT_GT(g.LibTextures[6], g.LibTextures[0]);
    EXPECT_EQ(g.LibTextures[7], g.LibTextures[6] + 1);
    EXPECT_EQ(g.LibTextures[8], 6);
    EXPECT_EQ(g.BorderTextures[3], 20);
    EXPECT_GT(g.GlyphWidths[static_cast<uint8_t>('o')], 40);
    EXPECT_GT(g.GlyphWidths[static_cast<uint8_t>('M')], g.GlyphWidths[static_cast<uint8_t>('o')]);
    EXPECT_EQ(g.GlyphWidths[static_cast<uint8_t>('/')], 70);
    EXPECT_GE(g.ColorBits, 24);
    EXPECT_GE(events, 1);
    GLint env = 0;
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(g.LibTextures[6]));
    GLint w = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    EXPECT_GT(w, 0);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
    EXPECT_EQ(env, GL_MODULATE);
}

TEST_F(Screen, NewContextRestartsLibraryNamesAndKeepsProgramNames) {
    auto& g = glstate::gl();
    const int firstElem = g.LibTextures[0], firstFont = g.LibTextures[6];
    const int before = events;
    ASSERT_TRUE(newContext());
    EXPECT_EQ(g.LibTextures[0], firstElem);
    EXPECT_EQ(g.LibTextures[6], firstFont);
    EXPECT_EQ(g.LoadTextures[4], 1001);
    EXPECT_EQ(g.LibTextures[3], 1003);
    EXPECT_EQ(g.Count, 3);
    EXPECT_EQ(events, before + 1);
}

TEST_F(Screen, LoadingScreenFillsTheBar) {
    auto& g = glstate::gl();
    g.Windowed = 1;
    gltex::SetPos(50, true);
    EXPECT_EQ(g.LoadingPos, 50);
    const Rgb filled = at(300, 565), empty = at(500, 565);
    EXPECT_GT(filled.r, 140) << filled.g;
    EXPECT_LT(empty.r, 90);
    EXPECT_GT(lit(194, 256, 607, 344), 2000);  // the logo
    gltex::SetPos(150, true);
    EXPECT_EQ(g.LoadingPos, 100);
    EXPECT_GT(at(540, 565).r, 140);
    EXPECT_GT(at(0.5f, 300).sum(), 200);  // the window frame's left border
}

TEST_F(Screen, TextIsDrawnWhereExpectedAndStopsAtHash) {
    whiteText();
    std::string rest;
    gltext::bprintit("HHHH", 0, 2.0f, 100, 100, 0, 0, 0, 1, 0, 0, "", rest);
    const int text = lit(95, 90, 200, 135);
    EXPECT_GT(text, 200);
    EXPECT_EQ(lit(300, 90, 400, 135), 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gltext::bprintit("HH#HH", 0, 2.0f, 100, 100, 0, 0, 0, 1, 0, 0, "", rest);
    const int cut = lit(95, 90, 200, 135);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gltext::bprintit("HH", 0, 2.0f, 100, 100, 0, 0, 0, 1, 0, 0, "", rest);
    EXPECT_EQ(cut, lit(95, 90, 200, 135));
    EXPECT_LT(cut, text);
    // Right-aligned text ends at x.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gltext::bprintit("HHHH", 0, 2.0f, 300, 100, 0, 0, 2, 1, 0, 0, "", rest);
    EXPECT_EQ(lit(305, 90, 400, 135), 0);
    EXPECT_GT(lit(200, 90, 305, 135), 200);
}

TEST_F(Screen, APlusKeepsItsUprightStrokeAtEveryPositionAndTextureDetail) {
    // A score list's "+16" once read as "-16": at some positions the thin upright stroke fell
    // between the texels the minified glyph was sampled from.
    whiteText();
    auto& g = glstate::gl();
    const int32_t detail = g.TextureDetail;
    for (int d = 1; d <= 4; ++d) {
        g.TextureDetail = d;
        ASSERT_TRUE(newContext());
        whiteText();
        for (float scale : {0.8f, 0.9f, 1.0f, 1.2f})
            for (int k = 0; k < 16; ++k) {
                const float x = 100 + k / 8.0f;
                SCOPED_TRACE(testing::Message() << "detail " << d << ", scale " << scale << ", x " << x);
                glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
                std::string rest;
                // The sign of "+16" alone, so that its ink cannot run into the digit's.
                gltext::bprintit("+", 0, scale, x, 100, 0, 0, 0, 1, 0, 0, "", rest);
                int ax, ay, bx, by;
                toPixel(x - 6, 90, ax, ay);
                toPixel(x + 40, 125, bx, by);
                const int w = bx - ax, h = ay - by;
                std::vector<uint8_t> px(static_cast<size_t>(w) * h * 4);
                glReadPixels(ax, by, w, h, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
                const auto on = [&](int c, int r) {
                    const uint8_t* p = &px[(static_cast<size_t>(r) * w + c) * 4];
                    return p[0] > 60 || p[1] > 60 || p[2] > 60;
                };
                int first = -1, last = -1, top = -1, bottom = -1;
                for (int c = 0; c < w; ++c) {
                    bool any = false;
                    for (int r = 0; r < h; ++r)
                        if (on(c, r)) {
                            any = true;
                            bottom = bottom < 0 ? r : std::min(bottom, r);
                            top = std::max(top, r);
                        }
                    if (any && first < 0) first = c;
                    if (any) last = c;
                    if (!any && first >= 0) break;
                }
                ASSERT_GE(first, 0) << "nothing drawn";
                const int width = last - first + 1, height = top - bottom + 1;
                EXPECT_GE(width, 4);
                EXPECT_GE(height * 10, width * 7) << width << " wide, " << height << " high";
            }
    }
    g.TextureDetail = detail;
    ASSERT_TRUE(newContext());
}

TEST_F(Screen, EmptyTextStillLeavesTheTextState) {
    auto& g = glstate::gl();
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, 0);
    std::string rest;
    gltext::bprintit("", 0, 1.0f, 10, 10, 0, 0, 0, 1, 0, 0, "", rest);
    GLint bound = 0, env = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
    EXPECT_EQ(bound, g.LibTextures[6]);
    EXPECT_EQ(env, GL_MODULATE);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(Screen, ShadowFrameBorderAndTitleStrip) {
    glframe::shadowFrame(200, 200, 300, 150, true, true, true, 1);
    EXPECT_GT(at(350, 201).sum(), 250);  // top border
    // The frame lies 0.005 behind the quads, so its left edge shows a little to the right.
    EXPECT_GT(at(202, 280).sum(), 250);  // left border
    EXPECT_GT(at(497, 280).sum(), 250);  // right border
    EXPECT_GT(at(350, 225).sum(), 60);   // the title strip, strongest at its bottom middle
    EXPECT_LT(at(350, 204).sum(), at(350, 226).sum());
    EXPECT_EQ(at(350, 300).sum(), 0);  // inside stays clear
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glframe::shadowFrame(200, 200, 300, 150, true, false, false, 1);
    EXPECT_EQ(lit(190, 190, 510, 360), 0);
}

// The tab stands above the top edge over its page; a tab too narrow for its leaning sides once
// crossed itself into a small triangle above the corner, now the top edge runs through.
TEST_F(Screen, PageFrameTabSitsOverItsPage) {
    glstate::gl().DialogColor = {0.3f, 0.3f, 0.6f, 1.0f};
    struct Case {
        float tab;
        int page;
        float tabLeft;  // -1: no tab
    };
    for (const Case c :
         {Case{80, 2, 280}, Case{80, 1, 200}, Case{80, 0, 200}, Case{1, 1, -1}, Case{10, 3, -1}}) {
        SCOPED_TRACE(testing::Message() << "tab " << c.tab << " page " << c.page);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glframe::pageFrame(200, 200, 300, 150, c.tab, c.page, true, 1);
        EXPECT_GT(lit(215, 199, 485, 204), 300);  // the top edge
        EXPECT_GT(lit(199, 215, 204, 335), 100);  // the left side
        EXPECT_EQ(lit(215, 215, 485, 335), 0);    // inside stays clear
        if (c.tabLeft < 0) {
            EXPECT_EQ(lit(180, 160, 520, 196), 0);
        } else {
            EXPECT_GT(lit(c.tabLeft + 20, 166, c.tabLeft + 60, 171), 50);  // the tab's top
            EXPECT_EQ(lit(c.tabLeft + 15, 175, c.tabLeft + 65, 196), 0);   // open below it
            EXPECT_EQ(lit(c.tabLeft + 100, 160, c.tabLeft + 140, 196), 0);
        }
    }
}

TEST_F(Screen, QuadsTilesAndShades) {
    gltex::paintquadcustom(-2, 100, 100, 50, 50, 0, false, 0, 0, 0, 1, 1);  // white shade
    const Rgb shade = at(125, 125);

    EXPECT_GT(shade.r, 100);
    EXPECT_EQ(shade.r, shade.b);
    gltex::paintquadcustom(7, 300, 100, 64, 64, 0, false, 0, 0, 1, 1, 1);  // checked box
    EXPECT_GT(lit(300, 100, 364, 164), 300);
    gltex::paintquad3h(100, 300, 200, 40, 0, 0, 1);
    EXPECT_GT(at(200, 320).sum(), 100);
    gltex::paintquadcustom(0, 500, 300, 50, 50, 3, true, 1.0f, 0, 0, 1, 1);  // plain red
    const Rgb red = at(525, 325);
    EXPECT_GT(red.r, 80);
    EXPECT_EQ(red.g, 0);
}

TEST_F(Screen, ContextHasTheAskedBuffers) {
    GLint depth = 0, stencil = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    glGetIntegerv(GL_STENCIL_BITS, &stencil);
    EXPECT_GE(depth, 24);
    EXPECT_GE(stencil, 8);
    EXPECT_GE(window::colorBits(), 24);
    EXPECT_GE(window::videoMemoryMb(), 0);
    const auto modes = window::displayModes();
    ASSERT_FALSE(modes.empty());
    for (const auto& m : modes) EXPECT_NE(m.bits, 24);
    int w = 0, h = 0;
    window::clientSize(w, h);
    EXPECT_EQ(w, W);
    EXPECT_EQ(h, H);
    // Waiting for a message never blocks long, even when asked to.
    window::Event e;
    while (window::poll(e)) {
    }
    const uint32_t start = ticks::now();
    window::wait(e, 5000);
    EXPECT_LT(ticks::since(start), 1000u);
}

TEST_F(Screen, Screenshot) {
    auto& g = glstate::gl();
    whiteText();
    g.Windowed = 1;
    g.DialogColor = {0.0f, 0.0f, 0.33f, 0.8f};
    g.FrameColorLower = {0.0f, 0.1f, 0.25f, 0.8f};
    g.FrameColorEnd = {0.2f, 0.3f, 0.5f, 0.8f};
    g.DefaultColors = {0.0f, 0.35f, 0.45f, 0.7f};
    gltex::SetPos(60, true);
    glDisable(GL_DEPTH_TEST);
    // A dialog body as the painter places it: 1/502 per unit at depth -1.9.
    glLoadIdentity();
    glTranslated(-0.803 + 40 / 502.0, 0.605 - 40 / 502.0, -1.9);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glframe::paintcustomroundNew(0, 40, 40, 250, 180, 1);
    glframe::shadowFrame(40, 40, 260, 190, true, true, true, 1);
    std::string rest;
    gltext::bprintit(text::w("Grüße aus Köln: Ä Ö Ü ß € é"), 0, 1.4f, 60, 60, 0, 0, 0, 1, 0, 0, "", rest);
    gltext::bprintit(std::string("Kreuz \x98 Pik \x99 Herz \x9A Karo \x9B"), 0, 1.4f, 60, 90, 0, 0, 0, 1, 0,
                     0, "", rest);
    gltext::bprintit(text::w("Eichel ") + "\x9C" + text::w(" Grün ") + "\x9D" + text::w(" Herz ") + "\x9E" +
                         text::w(" Schellen ") + "\x9F",
                     3, 1.4f, 60, 120, 0, 0, 0, 1, 0, 0, "", rest);
    gltex::paintquadcustom(1, 60, 160, 160, 40, 0, false, 0, 0, 0, 1, 1);
    gltext::bprintit("OK", 1, 1.4f, 140, 170, 0, 1, 1, 1, 0, 0, "", rest);
    gltex::paintquadcustom(7, 240, 165, 30, 30, 0, false, 0, 0, 1, 1, 1);
    glframe::pageFrame(420, 100, 300, 150, 80, 2, true, 1);
    gltext::bprintit("Seite 2", 0, 1.2f, 510, 75, 0, 0, 0, 1, 0, 0, "", rest);
    EXPECT_GT(lit(60, 60, 300, 140), 500);

    EXPECT_TRUE(image::writeBmp("gui_gl_screenshot.bmp", glfenster::grab(W, H)));
    window::swap();
}
