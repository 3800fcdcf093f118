// One full frame of the table under Xvfb with Mesa's software renderer: Skat dealt (30 cards in
// the hands, the 2 of the Skat on the talon), reflection and shadows on. Reports ms per frame.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/cg.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "gui/glstate.h"
#include "gui/gltex.h"
#include "gui/glwin.h"
#include "platform/rnd.h"
#include "platform/sdl/window.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/kamera.h"
#include "table/overlays.h"
#include "table/render.h"
#include "table/tischbilder.h"

namespace {

constexpr int W = 800, H = 600;

bool openTable(std::string& why) {
    if (!window::init()) {
        why = "no display: " + window::lastError();
        return false;
    }
    if (!window::open("Kartenspiele", 0, 0, W, H) || !window::createContext()) {
        why = "no window or GL context: " + window::lastError();
        return false;
    }
    glwin::setupState();
    glViewport(0, 0, W, H);
    auto& g = glstate::gl();
    g.ViewWidth = W;
    g.ViewHeight = H;
    const std::filesystem::path data = std::filesystem::path(__FILE__).parent_path().parent_path() / "data";
    g.fatal = [](const std::string&) {};
    if (std::filesystem::exists(data / "pavlune" / "font.bmp")) gltex::LoadText(data / "pavlune");
    std::string err;
    tischbilder::loadcards(data / "bilder", 1, 1, 1);
    tischbilder::loadenvironment(data / "bilder", 1, 1, err);

    glu::reset();
    std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
    cg.spielId = 1;
    cg.ablauf.anzSpieler = 3;
    cg.kartenSkala = 0.96f;
    cg.aktSpieler = 2;
    glu::anzSitze = 3;
    glu::anzTischStapel = 6;
    rnd::seed(11);
    glu::setuptablelayout(0);
    envParam.namen[2] = text::w("Anna");
    envParam.namen[3] = text::w("Bernd");
    gtool::sitze.namensschild = glu::drawseatname;
    TSpieler& talon = glu::spieler[10];
    talon.anz = 32;
    int n = 0;
    for (uint8_t f = 1; f <= 4; ++f)
        for (uint8_t t = 1; t <= 8; ++t) talon.at(++n).c = karte{t, f, 0};
    envParam.kartenSpeed = 1000;
    for (int seat = 1; seat <= 3; ++seat) {
        glu::dealcards(seat, 10, 0, 0, 11, 0);
        for (int f = 0; f < 20000 && glu::zugliste.anz > 0; ++f) glu::stepanimation(glu::FrameTime{60});
    }
    glu::setuptablelayout(0);
    glu::renderOptions = glu::RenderOptions{};
    glu::renderOptions.ShadowsOn = 1;
    glu::renderOptions.ReflectionOn = 1;
    return true;
}

void BM_TableFrameReflectionAndShadows(benchmark::State& state) {
    static std::string why;
    static const bool ready = openTable(why);
    if (!ready) {
        state.SkipWithError(why.c_str());
        return;
    }
    double ms = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        glu::setprojection();
        glu::drawwithreflection(4, false);
        glFinish();
        ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    }
    state.counters["ms_per_frame"] =
        state.iterations() > 0 ? ms / static_cast<double>(state.iterations()) : 0;
    state.counters["cards"] =
        glu::spieler[0].anz + glu::spieler[1].anz + glu::spieler[2].anz + glu::spieler[10].anz;
}
BENCHMARK(BM_TableFrameReflectionAndShadows)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
