// The whole program on a real window under Xvfb, in a folder of its own whose data is the data
// the build made: started as the user starts it ("02": no first-start test), it runs a test's
// steps in the first frame that shows the main menu and then ends.
#pragma once
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "core/cg.h"
#include "gui/glform.h"
#include "gui/sdlhost.h"
#include "platform/image.h"
#include "platform/sdl/window.h"
#include "platform/ticks.h"

namespace programm_gl {

// Xvfb gives no window the focus; an inactive program would draw one frame in fifty.
class AktiverHost : public sdlhost::SdlHost {
public:
    bool active() override { return true; }
};

// Runs `imMenue` once in the main menu's first frame; false with the reason when there is no
// display or no data, or when the menu never came.
inline bool imHauptmenue(const std::function<void(glapp::Tglapp&)>& imMenue, std::string& warum) {
    namespace fs = std::filesystem;
    const fs::path daten = fs::path(KS_SOURCE_DIR) / "data";
    if (!fs::exists(daten / "bilder" / "1" / "kb1.dat")) {
        warum = "data/ has not been made";
        return false;
    }
    if (!window::init()) {
        warum = "no display";
        return false;
    }
    const fs::path dir = fs::temp_directory_path() / ("ks_programm_gl_" + std::to_string(getpid()));
    fs::create_directories(dir / "data" / "settings");
    for (const auto& e : fs::directory_iterator(daten))
        if (e.path().filename() != "settings")
            fs::create_directory_symlink(e.path(), dir / "data" / e.path().filename());
    setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    const fs::path vorher = fs::current_path();
    fs::current_path(dir);
    bool gelaufen = false;
    {
        AktiverHost host;
        glapp::Tglapp app(host, dir, "Kartenspiele");
        host.attach(&app);
        glform::install(app, host, dir / "data" / "pavlune");
        app.FormCreate();
        const auto weiter = app.OnEvent;
        app.OnEvent = [&](int code, int arg) {
            weiter(code, arg);
            if (code != pvl::peFrame || glapp::spielAktiv != 0 || app.CurrentDialog == 0 || gelaufen) return;
            gelaufen = true;
            // A test's frames are slow under a software renderer: the frame-rate test of the
            // first seconds would stop them with its warning.
            app.TestStart = -1;
            imMenue(app);
            // A game the test left running would turn the close request into its menu.
            glapp::spielAktiv = 0;
            app.closeme();
        };
        app.paintgoon({"02"});
        app.Destroy();
        host.attach(nullptr);
    }
    window::shutdown();
    fs::current_path(vorher);
    std::error_code ec;
    fs::remove_all(dir, ec);
    unsetenv("XDG_CACHE_HOME");
    unsetenv("XDG_CONFIG_HOME");
    if (!gelaufen) warum = "the main menu never drew";
    return gelaufen;
}

// Runs frames of the outer loop until `fertig` holds or `ms` have passed.
template <class F>
bool laufenBis(glapp::Tglapp& app, F fertig, uint32_t ms) {
    const uint32_t t0 = ticks::now();
    while (!fertig()) {
        if (ticks::since(t0) > ms) return false;
        app.Mainloop(false);
    }
    return true;
}

// Runs frames of the outer loop for `ms`.
inline void laufen(glapp::Tglapp& app, uint32_t ms) {
    laufenBis(
        app, [] { return false; }, ms);
}

// Starts game `spiel` from its rule page and deals until the human is asked; false when the game
// did not start or the question never came.
inline bool bisZurFrage(glapp::Tglapp& app, int spiel) {
    app.CreateClickEvent(dialoge::ids().regeln[spiel], 2);
    return glapp::spielAktiv == 1 && laufenBis(
                                         app, [] { return ::cg.entscheidung.inBenutzung != 0; }, 120000);
}

// A test's steps in game `spiel` once it has reached the human's first question; skipped where
// there is no display or no data.
inline void imSpiel(int spiel, const std::function<void(glapp::Tglapp&)>& schritte) {
    std::string warum;
    bool gespielt = false;
    const bool lief = imHauptmenue(
        [&](glapp::Tglapp& app) {
            ASSERT_TRUE(bisZurFrage(app, spiel)) << "the deal never reached the human's question";
            gespielt = true;
            schritte(app);
        },
        warum);
    if (!lief && warum != "the main menu never drew") GTEST_SKIP() << warum;
    ASSERT_TRUE(lief) << warum;
    EXPECT_TRUE(gespielt);
}

// The window's picture as drawn so far (rows bottom-up, RGB).
inline image::Image bild() {
    int w = 0, h = 0;
    window::clientSize(w, h);
    image::Image img;
    img.width = w;
    img.height = h;
    img.channels = 3;
    img.pixels.resize(static_cast<size_t>(w) * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, img.pixels.data());
    return img;
}

// One frame's picture read right after the dialogs are painted; with `leer` the screen is
// cleared to black just before they are.
inline image::Image aufnahme(glapp::Tglapp& app, bool leer) {
    image::Image shot;
    const auto malen = app.Hooks.paintDialogs;
    app.Hooks.paintDialogs = [&] {
        if (leer) {
            glClearColor(0, 0, 0, 1);
            glClear(GL_COLOR_BUFFER_BIT);
        }
        malen();
        shot = bild();
    };
    app.Mainloop(true);
    app.Hooks.paintDialogs = malen;
    return shot;
}

}  // namespace programm_gl
