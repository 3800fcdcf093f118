// One full frame of the table under Xvfb with Mesa's software renderer: Skat dealt (30 cards in
// the hands, the 2 of the Skat on the talon), reflection and shadows on. Reports ms per frame.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "table/gl/render_fixture.h"

namespace {

bool openTable(std::string& why) {
    if (!rendertest::openWindow(why)) return false;
    rendertest::loadPictures();
    rendertest::dealSkat();
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
        rendertest::frame(4);
        ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    }
    state.counters["ms_per_frame"] =
        state.iterations() > 0 ? ms / static_cast<double>(state.iterations()) : 0;
    state.counters["cards"] =
        glu::spieler[0].anz + glu::spieler[1].anz + glu::spieler[2].anz + glu::spieler[10].anz;
}
BENCHMARK(BM_TableFrameReflectionAndShadows)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
