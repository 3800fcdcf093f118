// The form on a real window under Xvfb: start-up through InitWindow, the loading screen, a
// dialog with every element kind and a message box drawn by the painter, read back by pixels.
#include "gui/glpaint.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "gui/glfenster.h"
#include "gui/glform.h"
#include "gui/glstate.h"
#include "gui/gltex.h"
#include "gui/sdlhost.h"
#include "platform/image.h"
#include "platform/msgsink.h"
#include "platform/sdl/window.h"
#include "platform/text.h"
#include "platform/ticks.h"
#include "tools/pavlune/pavlune.h"

namespace fs = std::filesystem;

namespace {

using glfenster::H;
using glfenster::TestHost;
using glfenster::W;

struct Rgb {
    int r = 0, g = 0, b = 0;
    int sum() const { return r + g + b; }
};

class Painter : public testing::Test {
protected:
    static inline bool ready = false;
    static inline std::string why;
    static inline fs::path dir;
    static inline TestHost* host = nullptr;
    static inline pvl::TPVLApplication* app = nullptr;
    static inline std::function<void()> afterPaint;
    static inline int dlgId = 0, button = 0, check = 0, list = 0, label = 0, edit = 0, chooser = 0;
    static inline image::Image loading;

    static void SetUpTestSuite() {
        why = glfenster::oeffnen("ks_glpaint", dir, host, app, afterPaint);
        if (!why.empty()) return;
        // The loading screen as the texture loader leaves it.
        gltex::SetiCaption("Texturen laden..");
        gltex::SetPos(60, true);
        loading = grab();
        app->Startup();
        app->doCompatibilityChecks();
        buildDialog();
        ready = true;
    }
    static void TearDownTestSuite() { glfenster::schliessen(dir, host, app); }
    static void buildDialog() {
        using namespace pvl;
        // Not exclusive, so it stays in sight under the message box.
        dlgId = app->CreateCustomDialog(60, 60, 680, 470, false, "Alle Elemente", 1, 0, "", 1.0f);
        label = app->CreateCustomObject(ekLabel, 20, 40, text::w("Ein Text über zwei Zeilen, der umbricht"),
                                        24, 2, 0.0f, 1.0f);
        button = app->CreateObject(ekButton, 20, 110, "!Weiter");
        check = app->CreateObject(ekCheckBox, 20, 350, "Vollbild");
        app->SetBoolean(dlgId, check, true);
        edit = app->CreateObject(ekEdit, 20, 390, "Eingabe");
        app->SetCreateIn(dlgId);
        chooser = app->CreateCustomObject(ekChooser, 20, 430, "HorList2", 200, 25, 0.0f, 1.0f);
        for (const char* s : {"Niedrig", "Standard", "Hoch"}) app->AddString(chooser, s, 0);
        app->SetTopIndex(dlgId, chooser, 2);
        list = app->CreateCustomObject(ekList, 330, 40, "", 250, 110, 0.0f, 1.0f);
        for (int i = 1; i <= 9; ++i) app->AddString(list, "Zeile " + std::to_string(i), 0);
        app->SetSelIndex(dlgId, list, 2);
        const int pages = app->CreateCustomObject(ekPagedContainer, 330, 350, "", 300, 100, 1.0f, 1.0f);
        app->SetPageIndex(dlgId, pages, 1);
        const int grid = app->CreateCustomObject(ekScrollText, 340, 390, "", 260, 72, 3.0f, 1.0f);
        for (const char* t : {"Name", "!Punkte", "!Geld", "Anna", "!12", "!3,50", "Bernd", "!7", "!1,20",
                              "Clara", "!30", "!9,00"})
            app->AddString(grid, t, 0);
        app->CreateSpecialObject(ekImage, 250, 350, 22, 22, skLibIcon, "?");
        app->CallDialog(dlgId);
    }

    void SetUp() override {
        if (!ready) GTEST_SKIP() << why;
        afterPaint = nullptr;
    }
    void TearDown() override {
        if (ready) {
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        }
    }

    static image::Image grab() { return glfenster::grab(); }
    // A frame of the outer loop, the picture read back before any swap.
    static image::Image frame() {
        image::Image shot;
        afterPaint = [&] { shot = grab(); };
        app->Mainloop(false);
        afterPaint = nullptr;
        return shot;
    }
    static void frames(int n) {
        for (int i = 0; i < n; ++i) app->Mainloop(false);
    }
    // Runs frames until the dialog and its elements have finished fading, so a test sees the
    // same picture whether it runs alone or after others (alone, the dialogs still fade in).
    static void settle(int d) {
        auto fading = [d] {
            const pvl::TPVLDialog& dl = app->dlg(d);
            if (dl.Fade.State != 0) return true;
            for (int e = 1; e <= dl.ElementCount && e <= pvl::MaxElements; ++e)
                if (app->dlg(d).el(e).Fade.State != 0) return true;
            return false;
        };
        const uint32_t t0 = ticks::now();
        do {
            app->Mainloop(false);
        } while (fading() && ticks::since(t0) < 3000);
    }
    // Virtual units to pixels: one virtual pixel is about 0.99 window pixels; rows from the bottom.
    static Rgb at(const image::Image& img, int vx, int vy) {
        const int x = std::clamp(static_cast<int>(vx * 0.988 + 4), 0, W - 1);
        const int y = std::clamp(H - 1 - static_cast<int>(vy * 0.988 + 3), 0, H - 1);
        const uint8_t* p = img.at(x, y);
        return {p[0], p[1], p[2]};
    }
    // Bright pixels (all channels above 150) in a rectangle of virtual units.
    static int bright(const image::Image& img, int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const Rgb c = at(img, x, y);
                n += c.r > 150 && c.g > 150 && c.b > 150;
            }
        return n;
    }
    static long brightness(const image::Image& img, int x0, int y0, int x1, int y1) {
        long s = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) s += at(img, x, y).sum();
        return s;
    }
    static void pointTo(int vx, int vy) {
        host->px = vx;
        host->py = vy;
    }
};

}  // namespace

TEST_F(Painter, StartUpGaveTheWindowAContextAndTheLibraryTextures) {
    int w = 0, h = 0;
    window::clientSize(w, h);
    EXPECT_EQ(w, W);
    EXPECT_EQ(h, H);
    EXPECT_GT(glstate::gl().LibTextures[6], 0);
    EXPECT_GT(glform::BufferTexture(), 0);
    EXPECT_EQ(app->AppState, 2);
    // Mesa offers framebuffer objects: the blur pass stays on.
    EXPECT_EQ(app->BlurOn, 1);
    // The loading screen filled the window.
    EXPECT_GT(bright(loading, 0, 0, 800, 600), 1000);
}

TEST_F(Painter, TextIsDrawnWhereItBelongs) {
    frames(25);  // the fades have run
    const image::Image img = frame();
    const int gx = 60, gy = 60;
    // Label lines at (x + 15, y + 8) and 20 lower; the blank dialog body to the right of them.
    EXPECT_GT(bright(img, gx + 35, gy + 48, gx + 200, gy + 66), 40);
    EXPECT_GT(bright(img, gx + 35, gy + 68, gx + 200, gy + 86), 40);
    EXPECT_EQ(bright(img, gx + 230, gy + 48, gx + 320, gy + 90), 0);
    // List rows: "Zeile 1" at (x + 4, y + 5).
    EXPECT_GT(bright(img, gx + 334, gy + 45, gx + 420, gy + 62), 30);
    // The label's height became its number of lines.
    EXPECT_EQ(app->dlg(dlgId).el(label).Height, 2);
    // The check box's clickable width follows its caption.
    EXPECT_GT(app->dlg(dlgId).el(check).Width, 60);
}

TEST_F(Painter, LabelDoesNotDrawTheButtonMark) {
    frames(25);
    const int gx = 60, gy = 60;
    const std::string text = app->GetCaption(dlgId, label, false);
    const image::Image plain = frame();
    app->SetCaption(dlgId, label, "!" + text);
    frames(2);
    const image::Image marked = frame();
    app->SetCaption(dlgId, label, text);
    frames(2);
    // The same two lines in the same place: no "!" before the first.
    for (int zeile = 0; zeile < 2; ++zeile) {
        const int y0 = gy + 48 + 20 * zeile;
        EXPECT_EQ(bright(marked, gx + 20, y0, gx + 320, y0 + 18), bright(plain, gx + 20, y0, gx + 320, y0 + 18))
            << zeile;
    }
}

TEST_F(Painter, HoveredButtonIsDrawnLighter) {
    frames(2);
    pointTo(700, 590);
    frames(2);
    const image::Image away = frame();
    const int bx = 60 + 20, by = 60 + 110;
    pointTo(bx + 70, by + 18);
    frames(2);
    const image::Image over = frame();
    EXPECT_EQ(app->dlg(dlgId).el(button).MouseState, 1);
    EXPECT_GT(brightness(over, bx, by, bx + 140, by + 36),
              brightness(away, bx, by, bx + 140, by + 36) + 2000);
    pointTo(700, 590);
    frames(2);
}

TEST_F(Painter, HoveredCaptionButtonTakesTheHighlightColour) {
    using namespace pvl;
    const int d = app->CreateCustomDialog(100, 535, 400, 60, false, "", 1, 0, "", 1.0f);
    app->SetCreateIn(d);
    app->CreateCustomSpecialObject(ekImage, 140, 5, 140, 40, skCaptionButton, "!Weiter", "", 45, 40, 20, 5,
                                   1.3f);
    app->ShowDialog(d);
    // Keyboard focus would light the button without the pointer.
    const uint8_t focus = app->KbdFocusOn;
    app->KbdFocusOn = 0;
    const TPVLColor saved = app->Options.HighlightTextColor;
    app->Options.HighlightTextColor = {1, 0, 0, 1};
    auto red = [](const image::Image& img) {
        int n = 0;
        for (int y = 545; y < 580; ++y)
            for (int x = 235; x < 420; ++x) {
                const Rgb c = at(img, x, y);
                n += c.r > 150 && c.g < 90 && c.b < 90;
            }
        return n;
    };
    pointTo(700, 590);
    frames(25);
    const image::Image away = frame();
    pointTo(260, 560);
    frames(3);
    const image::Image over = frame();
    EXPECT_EQ(red(away), 0);
    EXPECT_GT(red(over), 20);
    app->Options.HighlightTextColor = saved;
    app->KbdFocusOn = focus;
    app->HideDialog(d);
    pointTo(700, 590);
    frames(25);
}

TEST_F(Painter, MessageBoxIsDrawnOverTheDialog) {
    image::Image shot;
    bool grabbing = false;
    app->OnEvent = [&](int code, int arg) {
        if (code != pvl::peFrame || arg != 0) return;
        if (!shot.empty()) {
            app->CreateClickEvent(app->MsgDialog, app->MsgButtons[2]);
        } else if (!grabbing && app->dlg(app->MsgDialog).Fade.State == 0) {
            // Faded in: this frame is the picture.
            grabbing = true;
            afterPaint = [&] {
                shot = grab();
                afterPaint = nullptr;
            };
        }
    };
    const int answer = app->msgbox(text::w("Spiel speichern?\rDie Runde ist noch nicht zu Ende."), "Frage", 0,
                                   "!OK", 0, false);
    app->OnEvent = nullptr;
    EXPECT_EQ(answer, pvl::idOk);
    ASSERT_FALSE(shot.empty());
    const pvl::TPVLDialog& m = app->dlg(app->MsgDialog);
    // The box's text lines and its button caption are lit.
    EXPECT_GT(bright(shot, m.X + 30, m.Y + 60, m.X + 300, m.Y + 80), 40);
    // The lower body stays dark beside the button, so its white caption reads (a white lower
    // frame colour once washed the whole strip out), and the caption itself is lit.
    const pvl::TPVLElement& ok = m.el(app->MsgButtons[2]);
    const int by = m.Y + ok.Y;
    EXPECT_EQ(bright(shot, m.X + 20, by, m.X + ok.X - 20, by + 40), 0);
    EXPECT_LT(brightness(shot, m.X + 20, by, m.X + ok.X - 20, by + 40) / ((ok.X - 40) * 40), 200);
    EXPECT_GT(bright(shot, m.X + ok.X, by + 5, m.X + ok.X + ok.Width, by + 35), 10);
    // The screenshot: the loading screen beside the dialogs with the open box.
    image::Image both;
    both.width = 2 * W;
    both.height = H;
    both.channels = 3;
    both.pixels.resize(static_cast<size_t>(both.width) * H * 3);
    for (int y = 0; y < H; ++y) {
        std::copy(loading.at(0, y), loading.at(0, y) + W * 3, both.at(0, y));
        std::copy(shot.at(0, y), shot.at(0, y) + W * 3, both.at(W, y));
    }
    EXPECT_TRUE(image::writeBmp("gui_paint_screenshot.bmp", both));
}

TEST_F(Painter, HiddenDialogFadesOut) {
    // The fade-in runs on real time: on a fast machine 25 frames end before it does, and the
    // fade-out starts from full opacity, so wait until the dialog is fully shown.
    const pvl::TPVLDialog& g = app->dlg(dlgId);
    const uint32_t shownAt = ticks::now();
    do frames(1);
    while ((g.Fade.State != 0 || g.Fade.Alpha < 1.0f) && ticks::elapsed(shownAt, ticks::now()) < 3000);
    ASSERT_EQ(g.Fade.Alpha, 1.0f);
    const image::Image shown = frame();
    const long full = brightness(shown, g.X + 30, g.Y + 40, g.X + 300, g.Y + 100);
    // The fade-out on a clock moved by hand, so a slow frame (a loaded machine, the sanitizers)
    // cannot jump past the middle of it.
    ticks::Manual clock(ticks::now());
    app->HideDialog(dlgId);
    frames(1);
    clock.advance(120);
    const image::Image half = frame();
    const long mid = brightness(half, g.X + 30, g.Y + 40, g.X + 300, g.Y + 100);
    clock.advance(380);
    frames(1);
    const image::Image gone = frame();
    const long none = brightness(gone, g.X + 30, g.Y + 40, g.X + 300, g.Y + 100);
    EXPECT_GT(g.Fade.Alpha, -0.01f);
    EXPECT_LT(mid, full);
    EXPECT_GT(mid, none);
    app->CallDialog(dlgId);
    frames(25);
}

TEST_F(Painter, BlurPassDrawsOverTheFrame) {
    frames(1);
    EXPECT_TRUE(glform::renderDOF(*app, false));
    ASSERT_TRUE(glform::beginAux());
    glClearColor(0.5f, 0.5f, 0.5f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glform::endAux();
    glClearColor(0, 0, 0, 0);
    EXPECT_TRUE(glform::renderDOF(*app, true));
}

TEST_F(Painter, WindowMessagesReachTheForm) {
    const int bx = 60 + 20, by = 60 + 110;
    pointTo(bx + 70, by + 18);
    frames(2);
    window::Event down;
    down.type = window::Event::MouseDown;
    down.button = 1;
    down.x = bx + 70;
    down.y = by + 18;
    window::Event up = down;
    up.type = window::Event::MouseUp;
    app->ClickedElement = 0;
    host->dispatch(down);
    host->dispatch(up);
    EXPECT_EQ(app->ClickedDialog, dlgId);
    EXPECT_EQ(app->ClickedElement, button);
    // The close button asks the program first.
    int asked = 0;
    app->CloseQueryCall = [&] {
        ++asked;
        return false;
    };
    window::Event quit;
    quit.type = window::Event::Quit;
    host->dispatch(quit);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(app->AppState, 2);
    app->CloseQueryCall = nullptr;
    pointTo(700, 590);
    frames(2);
}

TEST_F(Painter, WireFramePassDrawsOutlinesAndRestoresTheFill) {
    frames(25);
    const image::Image filled = frame();
    const auto pass = app->Hooks.wireFrame;
    ASSERT_TRUE(pass);
    image::Image wired;
    GLint mode[2] = {};
    GLboolean texBefore = GL_FALSE, texAfter = GL_TRUE;
    app->Hooks.wireFrame = [&] {
        // Only the pass itself on a black screen.
        glClear(GL_COLOR_BUFFER_BIT);
        texBefore = glIsEnabled(GL_TEXTURE_2D);
        pass();
        texAfter = glIsEnabled(GL_TEXTURE_2D);
        glGetIntegerv(GL_POLYGON_MODE, mode);
        wired = grab();
    };
    app->Options.RenderFlags[pvl::dbgWireFrame - 2] = 1;
    app->Mainloop(false);
    app->Options.RenderFlags[pvl::dbgWireFrame - 2] = 0;
    app->Hooks.wireFrame = pass;
    ASSERT_FALSE(wired.empty());
    EXPECT_EQ(mode[0], GL_FILL);
    EXPECT_EQ(texAfter, texBefore);
    auto lit = [](const image::Image& img) {
        int n = 0;
        for (int y = 60; y < 530; ++y)
            for (int x = 60; x < 740; ++x) n += at(img, x, y).sum() > 60;
        return n;
    };
    const int outline = lit(wired), full = lit(filled);
    EXPECT_GT(outline, 500);       // the outlines are there
    EXPECT_LT(outline, full / 2);  // and are no filled bodies
}

TEST_F(Painter, FullScreenAndBackKeepTheTextures) {
    glform::Display& ds = glform::display();
    ASSERT_GT(ds.FullScreen.Count, 0);
    const int idx = ds.FullScreen.Count;  // the last listed mode
    const glwin::Mode m = ds.FullScreen.Modes[static_cast<size_t>(idx - 1)];
    if (!glform::fulls(*app, idx, false))
        GTEST_SKIP() << "the display refused " << m.width << " x " << m.height;
    EXPECT_EQ(ds.FullScreenActive, 1);
    gltex::LoadText(dir / "pavlune");
    frames(2);
    app->Options.FullScreen = 0;
    glform::norms(*app);
    gltex::LoadText(dir / "pavlune");
    EXPECT_EQ(ds.FullScreenActive, 0);
    int w = 0, h = 0;
    window::clientSize(w, h);
    EXPECT_EQ(w, W);
    EXPECT_EQ(h, H);
    EXPECT_EQ(app->AppState, 2);
    frames(25);
    const image::Image img = frame();
    EXPECT_GT(bright(img, 60 + 35, 60 + 48, 60 + 200, 60 + 66), 40);  // the label again
}

TEST_F(Painter, WideWindowDrawsWhereThePointerMaps) {
    int x = 0, y = 0, w0 = 0, h0 = 0;
    window::getBounds(x, y, w0, h0);
    window::setBounds(x, y, 1280, 720);
    app->FormResize(1280, 720);
    pointTo(1270, 700);
    frames(30);
    int cw = 0, ch = 0;
    window::clientSize(cw, ch);
    ASSERT_TRUE(app->Is16x9());
    image::Image shot;
    afterPaint = [&] { shot = glfenster::grab(cw, ch); };
    app->Mainloop(false);
    afterPaint = nullptr;
    // Virtual to window pixels as the pointer maps them: the full width is 807 units.
    auto lit = [&](double vx0, double vy0, double vx1, double vy1) {
        int n = 0;
        for (int py = static_cast<int>(vy0 * ch / 607); py < static_cast<int>(vy1 * ch / 607); ++py)
            for (int px = static_cast<int>(vx0 * cw / 807); px < static_cast<int>(vx1 * cw / 807); ++px) {
                const uint8_t* p = shot.at(std::clamp(px, 0, cw - 1), std::clamp(ch - 1 - py, 0, ch - 1));
                n += p[0] + p[1] + p[2] > 300;
            }
        return n;
    };
    const pvl::TPVLDialog& g = app->dlg(dlgId);
    const pvl::TPVLElement& b = g.el(button);
    const double bx = g.X + b.X, by = g.Y + b.Y;
    // The button's plate where a click on it lands, and the window border at the window's edges.
    EXPECT_GT(lit(bx + 10, by + 8, bx + b.Width - 10, by + 14), 100);
    EXPECT_GT(lit(0, 200, 4, 400), 20);
    EXPECT_GT(lit(803, 200, 807, 400), 20);
    window::setBounds(x, y, w0, h0);
    app->FormResize(w0, h0);
    frames(5);
    EXPECT_TRUE(app->Is4x3());
}

// A special object whose texture number is -1 or less draws no quad: -2, the white shade of
// the overlays, included.
TEST_F(Painter, SpecialObjectWithNegativeTextureDrawsNoQuad) {
    app->SetCreateIn(dlgId);
    const int img = app->CreateSpecialObject(pvl::ekImage, 230, 190, 80, 40, pvl::skImage, "");
    const int gx = 60 + 230, gy = 60 + 190;
    pointTo(700, 590);
    app->dlg(dlgId).el(img).Ti = -1;
    settle(dlgId);
    const long none = brightness(frame(), gx, gy, gx + 80, gy + 40);
    app->dlg(dlgId).el(img).Ti = -2;
    frames(3);
    const long shade = brightness(frame(), gx, gy, gx + 80, gy + 40);
    app->SetVisibleAbsolute(dlgId, img, false);
    frames(3);
    EXPECT_EQ(shade, none);
}

// A context rebuild (the settings' apply with a changed graphics choice) makes a new context,
// loads the library textures into it and sends the texture event as at start-up; the dialogs
// draw as before.
TEST_F(Painter, ContextRebuildLoadsTheTexturesAgain) {
    int textureEvents = 0;
    const auto saved = glstate::gl().event;
    glstate::gl().event = [&](int code) {
        textureEvents += code == -4;
        if (saved) saved(code);
    };
    ASSERT_TRUE(app->Hooks.rebuildContext);
    app->Hooks.rebuildContext();
    glstate::gl().event = saved;
    EXPECT_EQ(textureEvents, 1);
    EXPECT_GT(glstate::gl().LibTextures[6], 0);
    EXPECT_TRUE(glIsTexture(static_cast<GLuint>(glstate::gl().LibTextures[6])));
    int w = 0, h = 0;
    window::clientSize(w, h);
    EXPECT_EQ(w, W);
    EXPECT_EQ(h, H);
    frames(25);
    const image::Image img = frame();
    EXPECT_GT(bright(img, 60 + 35, 60 + 48, 60 + 200, 60 + 66), 40);  // the label again
}
