// The program's start-up from the form's creation to the first frame of the main menu, with
// the card cache warm and cold (a real window under Xvfb; skipped without a display), and one
// frame of the shell's routine without drawing while 50 cards fly.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/glapp.h"
#include "app/programmordner.h"
#include "bench/stapel_fixture.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "gui/glform.h"
#include "gui/pvlhost.h"
#include "gui/sdlhost.h"
#include "platform/rnd.h"
#include "platform/sdl/window.h"
#include "platform/ticks.h"
#include "table/glu.h"

namespace fs = std::filesystem;

namespace {

fs::path programmOrdner() {
    static const fs::path dir = testordner::programmOrdner("ks_shell_bench");
    return dir;
}

// Xvfb has no window manager to give the window the focus, and an inactive program draws one
// frame in fifty: the benchmark's window counts as active, as on a desktop.
class AktiverHost : public sdlhost::SdlHost {
public:
    bool active() override { return true; }
};

// One start: creation, the library's start with the preset that skips the first-start test,
// every start-up stage, frames until the main menu has drawn once (and then for `bleibenMs`
// more), then the shut-down.
void einStart(uint32_t bleibenMs = 0) {
    const fs::path dir = programmOrdner();
    fs::current_path(dir);
    AktiverHost host;
    glapp::Tglapp app(host, dir, "Kartenspiele");
    host.attach(&app);
    glform::install(app, host, dir / "data" / "pavlune");
    app.FormCreate();
    const auto weiter = app.OnEvent;
    uint32_t menue = 0;
    app.OnEvent = [&](int code, int arg) {
        weiter(code, arg);
        if (code != pvl::peFrame || glapp::spielAktiv != 0 || app.CurrentDialog == 0) return;
        if (menue == 0) menue = ticks::now() | 1;
        if (ticks::since(menue) >= bleibenMs) app.closeme();
    };
    app.paintgoon({"02"});
    app.Destroy();
    host.attach(nullptr);
    glapp::glapp = nullptr;
}

void start(benchmark::State& state, bool kalt) {
    if (!window::init()) {
        state.SkipWithError("no display");
        return;
    }
    // The first start fills the cache and stays until the frame-rate test of a first start is
    // over: only then is the next start a player's everyday one, without the graphics test and
    // its second loading of every texture.
    einStart(2500);
    for (auto _ : state) {
        if (kalt) {
            state.PauseTiming();
            fs::remove_all(programmOrdner() / "cache" / "kartenspiele");
            state.ResumeTiming();
        }
        einStart();
    }
    window::shutdown();
}
void BM_StartToMenuWarmCache(benchmark::State& state) { start(state, false); }
void BM_StartToMenuColdCache(benchmark::State& state) { start(state, true); }
BENCHMARK(BM_StartToMenuWarmCache)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartToMenuColdCache)->Unit(benchmark::kMillisecond)->Iterations(5);

// One frame of the shell in a game, without a window: panels, moves, the step, motion, the
// pick schedule and the hover, with every stack full and 50 cards in flight.
void BM_FrameWithoutDrawing(benchmark::State& state) {
    pvlhost::FakeHost host;
    glapp::Tglapp app(host, programmOrdner());
    app.FormCreate();
    app.event(pvl::peStartup, -1);
    glapp::spielAktiv = 1;
    app.Fps = 60;
    rnd::seed(1);
    benchstapel::fuellen();
    int frames = 0;
    for (auto _ : state) {
        if (++frames == 400) {
            state.PauseTiming();
            benchstapel::fuellen();
            frames = 0;
            state.ResumeTiming();
        }
        app.main(false);
        benchmark::DoNotOptimize(glu::zugliste.anz);
    }
    glapp::spielAktiv = 0;
}
BENCHMARK(BM_FrameWithoutDrawing)->Unit(benchmark::kMicrosecond);

}  // namespace
