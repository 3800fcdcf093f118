// A window with a GL context for the table drawing tests and the render benchmark: the card and environment pictures
// of data/bilder when they exist, the library font, and a dealt Skat table.
#pragma once
#include <GL/gl.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "core/cg.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "gui/glstate.h"
#include "gui/gltex.h"
#include "gui/glwin.h"
#include "platform/image.h"
#include "platform/rnd.h"
#include "platform/sdl/window.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/kamera.h"
#include "table/overlays.h"
#include "table/render.h"
#include "table/tischbilder.h"
#include "table/tischcg.h"
#include "table/tischhooks.h"

namespace rendertest {

constexpr int W = 800, H = 600;

// Opens the window once per program; false (with the reason) when there is no display.
inline bool openWindow(std::string& why) {
    static int state = 0;  // 0 not tried, 1 ready, 2 failed
    static std::string reason;
    if (state == 0) {
        state = 2;
        if (!window::init()) {
            reason = "no display: " + window::lastError();
        } else if (!window::open("Kartenspiele", 0, 0, W, H)) {
            reason = "no window: " + window::lastError();
        } else if (!window::createContext()) {
            reason = "no GL context: " + window::lastError();
        } else {
            window::show();
            glwin::setupState();
            glViewport(0, 0, W, H);
            auto& g = glstate::gl();
            g.ViewWidth = W;
            g.ViewHeight = H;
            g.ViewAspect = 4.0 / 3.0;
            g.DialogColor = {0.16f, 0.22f, 0.5f, 0.85f};
            g.FrameColorLower = {0.08f, 0.1f, 0.3f, 0.85f};
            g.FrameColorEnd = {0.3f, 0.4f, 0.8f, 0.85f};
            const std::filesystem::path pav = std::filesystem::path(KS_SOURCE_DIR) / "data" / "pavlune";
            if (std::filesystem::exists(pav / "font.bmp")) {
                g.fatal = [](const std::string&) {};
                gltex::LoadText(pav);
            }
            state = 1;
        }
    }
    why = reason;
    return state == 1;
}

// The pictures of data/bilder; false when they are not there (the tests then draw untextured).
inline bool loadPictures() {
    const std::filesystem::path bilder = std::filesystem::path(KS_SOURCE_DIR) / "data" / "bilder";
    static int state = 0;
    if (state == 0) {
        std::string err;
        const bool cards = tischbilder::loadcards(bilder, 1, 1, 1);
        const bool env = tischbilder::loadenvironment(bilder, 1, 1, err);
        state = cards && env ? 1 : 2;
    }
    return state == 1;
}

// An empty table in Skat with three seats.
inline void emptyTable() {
    glu::reset();
    tischcg::reset();
    tischhooks::reset();
    std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
    cg.spielId = 1;
    cg.ablauf.anzSpieler = 3;
    cg.kartenSkala = 0.96f;
    cg.aktSpieler = 1;
    glu::anzSitze = 3;
    glu::anzTischStapel = 6;
    glu::renderOptions = glu::RenderOptions{};
    glu::kameraModus = 0;
    for (auto& o : glu::seatOverlay) o = glu::SeatOverlay{};
    rnd::seed(11);
    glu::setuptablelayout(0);
}

// A Skat deal: ten cards to each of the three seats, the two cards of the Skat left on the
// talon, everything at rest.
inline void dealSkat() {
    emptyTable();
    envParam.namen[1] = text::w("Du");
    envParam.namen[2] = text::w("Anna");
    envParam.namen[3] = text::w("Bernd");
    gtool::sitze.namensschild = glu::drawseatname;
    TSpieler& talon = glu::spieler[10];
    talon.anz = 32;
    int n = 0;
    for (uint8_t f = 1; f <= 4; ++f)
        for (uint8_t t = 1; t <= 8; ++t) talon.at(++n).c = karte{t, f, 0};
    for (int i = 32; i > 1; --i) std::swap(talon.at(i).c, talon.at(1 + rnd::random(i)).c);
    envParam.kartenSpeed = 1000;
    for (int seat = 1; seat <= 3; ++seat) {
        glu::dealcards(seat, 10, 0, 0, 11, 0);
        for (int f = 0; f < 20000 && glu::zugliste.anz > 0; ++f) glu::stepanimation(glu::FrameTime{60});
    }
    glu::setuptablelayout(0);
}

inline void clearFrame() {
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

// One frame of the table in the mode, into the back buffer.
inline void frame(uint8_t mode) {
    clearFrame();
    glu::setprojection();
    glu::drawwithreflection(mode, false);
    glFinish();
}

struct Rgb {
    int r = 0, g = 0, b = 0;
    int sum() const { return r + g + b; }
};
// Pixel at (x, y) with y from the top.
inline Rgb pixel(int x, int y) {
    uint8_t p[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(x, H - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return Rgb{p[0], p[1], p[2]};
}

inline bool screenshot(const std::filesystem::path& file) {
    image::Image img;
    img.width = W;
    img.height = H;
    img.channels = 3;
    img.pixels.resize(static_cast<size_t>(W) * H * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, W, H, GL_RGB, GL_UNSIGNED_BYTE, img.pixels.data());
    return image::writeBmp(file, img);
}

}  // namespace rendertest
