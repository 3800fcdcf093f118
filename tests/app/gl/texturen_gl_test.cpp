// The card and table textures in a real GL context: a rebuilt context (event -4) reloads only
// what is not registered yet: the faces keep their numbers and the cache is not cut again.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/glapp.h"
#include "app/programmordner.h"
#include "gui/glform.h"
#include "gui/glstate.h"
#include "gui/sdlhost.h"
#include "platform/sdl/window.h"
#include "table/render.h"

namespace fs = std::filesystem;

namespace {

// Xvfb gives no window the focus; an inactive program would draw one frame in fifty.
class AktiverHost : public sdlhost::SdlHost {
public:
    bool active() override { return true; }
};

TEST(Texturen, ANewContextKeepsTheRegisteredTexturesAndTheCache) {
    const fs::path daten = fs::path(KS_SOURCE_DIR) / "data";
    if (!fs::exists(daten / "bilder" / "1" / "kb1.dat")) GTEST_SKIP() << "data/ has not been made";
    if (!window::init()) GTEST_SKIP() << "no display";
    const fs::path dir = fs::temp_directory_path() / ("ks_texturen_" + std::to_string(getpid()));
    fs::create_directories(dir / "data" / "settings");
    for (const auto& e : fs::directory_iterator(daten))
        if (e.path().filename() != "settings")
            fs::create_directory_symlink(e.path(), dir / "data" / e.path().filename());
    setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    const fs::path vorher = fs::current_path();
    fs::current_path(dir);
    const fs::path kb11 = dir / "cache" / "kartenspiele" / "kb11.tmp";
    {
        AktiverHost host;
        glapp::Tglapp app(host, dir, "Kartenspiele");
        host.attach(&app);
        glform::install(app, host, dir / "data" / "pavlune");
        app.FormCreate();
        const auto weiter = app.OnEvent;
        bool geprueft = false;
        app.OnEvent = [&](int code, int arg) {
            weiter(code, arg);
            if (code != pvl::peFrame || glapp::spielAktiv != 0 || app.CurrentDialog == 0 || geprueft) return;
            geprueft = true;
            const int registriert = glstate::gl().Count;
            const uint32_t gesicht = glu::tex.face[1][1], tisch = glu::tex.tisch;
            EXPECT_NE(gesicht, 0u);
            EXPECT_NE(tisch, 0u);
            ASSERT_TRUE(fs::exists(kb11));
            const auto geschnitten = fs::last_write_time(kb11);
            app.event(pvl::peLoadTextures, -4);
            EXPECT_EQ(glstate::gl().Count, registriert) << "textures were registered anew";
            EXPECT_EQ(glu::tex.face[1][1], gesicht);
            EXPECT_EQ(glu::tex.tisch, tisch);
            EXPECT_EQ(fs::last_write_time(kb11), geschnitten) << "the faces were cut again";
            app.closeme();
        };
        app.paintgoon({"02"});
        EXPECT_TRUE(geprueft) << "the main menu never drew";
        app.Destroy();
        host.attach(nullptr);
    }
    window::shutdown();
    fs::current_path(vorher);
    std::error_code ec;
    fs::remove_all(dir, ec);
    unsetenv("XDG_CACHE_HOME");
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
