// The program's menus and rule pages on a real window under Xvfb: each is drawn and read back.
// With KS_SHOTS set to a folder the pictures are written there as BMP files to look at.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "core/cg.h"
#include "core/hilfe.h"
#include "gui/glfenster.h"
#include "gui/glform.h"
#include "gui/glpaint.h"
#include "gui/gltext.h"
#include "gui/sdlhost.h"
#include "platform/fileio.h"
#include "platform/image.h"
#include "platform/sdl/window.h"
#include "platform/text.h"
#include "platform/ticks.h"
#include "tools/pavlune/pavlune.h"

namespace fs = std::filesystem;

namespace {

using glfenster::H;
using glfenster::TestHost;
using glfenster::W;

class DialogeGl : public testing::Test {
protected:
    static inline bool ready = false;
    static inline std::string why;
    static inline fs::path dir;
    static inline TestHost* host = nullptr;
    static inline glapp::Tglapp* app = nullptr;
    static inline std::function<void()> afterPaint;

    static void SetUpTestSuite() {
        why = glfenster::oeffnen("ks_dialoge_gl", dir, host, app, afterPaint);
        if (!why.empty()) return;
        app->Startup();
        dialoge::diagcreate(*app);
        dialoge::standardWerte(*app);
        ready = true;
    }
    static void TearDownTestSuite() { glfenster::schliessen(dir, host, app); }
    void SetUp() override {
        if (!ready) GTEST_SKIP() << why;
    }

    // Shows only dialog d (and the icon layer), lets the fades finish and reads the frame back.
    static image::Image zeigen(int d, const std::string& name) {
        for (int x = app->GraphicsDialog + 1; x <= app->DialogList.Count; ++x)
            if (x != d && x != app->FirstPanel) app->InvsbDialog(x);
        app->CallDialog(d);
        const uint32_t t0 = ticks::now();
        while (ticks::since(t0) < 700) app->Mainloop(false);
        image::Image shot;
        afterPaint = [&] { shot = glfenster::grab(); };
        app->Mainloop(false);
        afterPaint = nullptr;
        if (const char* ordner = std::getenv("KS_SHOTS"))
            image::writeBmp(fs::path(ordner) / (name + ".bmp"), shot);
        return shot;
    }
    // Pixels that are not the black of the empty scene inside a rectangle (window rows from top).
    static int gezeichnet(const image::Image& img, int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const uint8_t* p = img.at(x, H - 1 - y);
                n += p[0] + p[1] + p[2] > 60;
            }
        return n;
    }
};

TEST_F(DialogeGl, MainMenuAndGameMenuAreDrawn) {
    const dialoge::Ids& d = dialoge::ids();
    const image::Image haupt = zeigen(d.kartenspiele, "kartenspiele");
    EXPECT_GT(gezeichnet(haupt, 300, 100, 520, 500), 2000);
    EXPECT_LT(gezeichnet(haupt, 10, 200, 100, 400), 50);  // nothing beside the menu
    dialoge::spielWaehlen(*app, 1, d.spielKnoepfe[1]);
    EXPECT_GT(gezeichnet(zeigen(d.gameMenue, "gamemenue"), 300, 150, 520, 450), 1000);
    EXPECT_GT(gezeichnet(zeigen(d.anzeige, "anzeige"), 100, 100, 700, 500), 3000);
}

TEST_F(DialogeGl, EveryRulePageOnBothTabs) {
    const dialoge::Ids& d = dialoge::ids();
    for (int g = 0; g <= 12; ++g) {
        SCOPED_TRACE(g);
        const int s = d.regeln[g];
        app->SetPageIndex(s, d.regelContainer[g], 1);
        EXPECT_GT(gezeichnet(zeigen(s, "regeln" + std::to_string(g) + "a"), 100, 100, 700, 500), 3000);
        app->SetPageIndex(s, d.regelContainer[g], 2);
        EXPECT_GT(gezeichnet(zeigen(s, "regeln" + std::to_string(g) + "b"), 100, 100, 700, 500), 3000);
    }
}

TEST_F(DialogeGl, HelpHighScoresSaveLoadAndCredits) {
    const dialoge::Ids& d = dialoge::ids();
    std::string roh;
    ASSERT_TRUE(fileio::readAll(fs::path(KS_SOURCE_DIR) / "tools" / "help" / "skat.txt", roh));
    THelpContainer hilfe;
    hilfe.parse(hilfe::joinLines(text::fromUtf8(roh)));
    glapp::hc = &hilfe;
    ::cg.spielId = 1;
    ::cg.spielIdMenue = 1;
    const HelpPage p = hilfe.inhaltZeigen();
    app->SetCreateIn(d.hilfe);
    for (const std::string& z : p.lines) app->AddString(d.hilfeThemen, z, 0);
    dialoge::writehelptext(*app, p.caption, p.title, "", hilfe.chapters[6].text);
    EXPECT_GT(gezeichnet(zeigen(d.hilfe, "hilfe"), 100, 100, 700, 500), 3000);
    glapp::hc = nullptr;
    dialoge::buildhighscore(*app, 1);
    EXPECT_GT(gezeichnet(zeigen(d.highscore, "highscore"), 100, 100, 700, 500), 3000);
    EXPECT_GT(gezeichnet(zeigen(d.speichern, "speichern"), 300, 100, 520, 500), 1000);
    EXPECT_GT(gezeichnet(zeigen(d.laden, "laden"), 300, 100, 520, 500), 1000);
    EXPECT_GT(gezeichnet(zeigen(d.dlgCredits, "credits"), 250, 100, 550, 500), 1000);
    EXPECT_GT(gezeichnet(zeigen(d.spielmenue, "spielmenue"), 300, 100, 520, 500), 1000);
    EXPECT_GT(gezeichnet(zeigen(d.einstellungen, "einstellungen"), 300, 100, 520, 500), 1000);
}

// Opened from the main menu, the credits show their heading in the lower part of the text's
// window from the first moment, not an empty window for seconds while the text rolls in.
TEST_F(DialogeGl, CreditsHeadingShowsAsSoonAsTheCreditsOpen) {
    const dialoge::Ids& d = dialoge::ids();
    app->CallDialog(d.kartenspiele);
    app->FormMouseWheelDown(d.kartenspiele, d.credits, 56);
    const image::Image bild = zeigen(d.dlgCredits, "credits_offen");
    // white text in the rolling list: (235..515, 135..500) of the 807 x 607 virtual screen
    int weiss = 0;
    for (int y = 135 * H / 607; y < 500 * H / 607; ++y)
        for (int x = 235 * W / 807; x < 515 * W / 807; ++x) {
            const uint8_t* p = bild.at(x, H - 1 - y);
            weiss += p[0] > 190 && p[1] > 190 && p[2] > 190;
        }
    EXPECT_GT(weiss, 40) << "the credits' text window is empty";
    app->HideDialog(d.dlgCredits);
}

}  // namespace

namespace {

// Where an element of the graphics dialog draws, in dialog units: a label's text from its x + 15
// and 8 below its y, a chooser from its left arrow to the end of its right arrow, a heading's
// strip along its top.
struct Kasten {
    int e;
    float x0, y0, x1, y1;
};
Kasten kasten(pvl::TPVLApplication& a, int d, int e) {
    const pvl::TPVLElement& el = a.dlg(d).el(e);
    const float x = el.X, y = el.Y, w = el.Width, h = el.Height;
    const float text = gltext::charwidth(a.GetCaption(d, e, false)) * 11.5f * el.Scale;
    switch (el.Kind) {
        case pvl::ekLabel:
            return {e, x + 15, y + 8, x + 15 + text, y + 25};
        case pvl::ekChooser:
            return {e, x + 6, y, x + w + 33, y + 25};
        case pvl::ekCheckBox:
            return {e, x, y, x + text + 42, y + 25};
        case pvl::ekList:
            return {e, x, y, x + w + 27, y + h};
        case pvl::ekContainer:
            return {e, x, y, x + w, y + 25};
        default:
            return {e, x, y, x + w, y + h};
    }
}

// Every label, chooser, box, list, heading and button of "Grafik/Sound" as the program sets it
// up has a place of its own inside the dialog, and the three section headings are drawn.
TEST_F(DialogeGl, GraphicsDialogKeepsEveryElementApartAndShowsItsHeadings) {
    const int gd = app->GraphicsDialog;
    const pvl::TPVLDialog& g = app->dlg(gd);
    std::vector<Kasten> k;
    for (int e = 2; e <= g.ElementCount; ++e) {
        const pvl::TPVLElement& el = g.el(e);
        // The parts of a chooser or list go with it; a bare heading draws nothing.
        const bool teil =
            app->validElement(gd, el.ParentElement) && g.el(el.ParentElement).Kind != pvl::ekHeading;
        if (el.Kind == pvl::ekHeading || teil) continue;
        k.push_back(kasten(*app, gd, e));
    }
    ASSERT_GE(k.size(), 20u);
    for (size_t i = 0; i < k.size(); ++i) {
        const Kasten& a = k[i];
        SCOPED_TRACE(testing::Message() << "e" << a.e << " " << app->GetCaption(gd, a.e, false) << " " << a.x0
                                        << "," << a.y0 << " - " << a.x1 << "," << a.y1);
        EXPECT_GE(a.x0, 0);
        EXPECT_GE(a.y0, 0);
        EXPECT_LE(a.x1, g.Width);
        EXPECT_LE(a.y1, g.Height);
        for (size_t j = i + 1; j < k.size(); ++j) {
            const Kasten& b = k[j];
            const bool ueber = a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
            EXPECT_FALSE(ueber) << "covers " << app->GetCaption(gd, b.e, false);
        }
    }
    const image::Image bild = zeigen(gd, "grafik");
    for (const char* titel : {"Bildschirmmodus", "Detail", "Sound/Musik"}) {
        SCOPED_TRACE(titel);
        int e = 0;
        for (int i = 2; i <= g.ElementCount; ++i)
            if (g.el(i).Kind == pvl::ekContainer && app->GetCaption(gd, i, false) == titel) e = i;
        ASSERT_NE(e, 0);
        // White caption pixels on the heading's strip (the window shows dialog units as pixels).
        const pvl::TPVLElement& el = g.el(e);
        int weiss = 0;
        for (int y = g.Y + el.Y; y < g.Y + el.Y + 50; ++y)
            for (int x = g.X + el.X; x < g.X + el.X + el.Width; ++x) {
                const uint8_t* p = bild.at(x, H - 1 - y);
                weiss += p[0] > 200 && p[1] > 200 && p[2] > 200;
            }
        EXPECT_GT(weiss, 40);
    }
}

}  // namespace
