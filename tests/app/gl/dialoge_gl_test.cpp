// The program's menus and rule pages on a real window under Xvfb: each is drawn and read back.
// With KS_SHOTS set to a folder the pictures are written there as BMP files to look at.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "core/cg.h"
#include "core/hilfe.h"
#include "gui/glfenster.h"
#include "gui/glform.h"
#include "gui/glpaint.h"
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

}  // namespace
