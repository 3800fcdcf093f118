// One frame of the card motion with every stack full and 50 cards in flight.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bench/stapel_fixture.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace {

void BM_StepAnimation(benchmark::State& state) {
    rnd::seed(1);
    benchstapel::fuellen();
    int frames = 0;
    for (auto _ : state) {
        if (++frames == 400) {  // refill before anything lands
            state.PauseTiming();
            benchstapel::fuellen();
            frames = 0;
            state.ResumeTiming();
        }
        glu::stepanimation(glu::FrameTime{60});
        benchmark::DoNotOptimize(glu::zugliste.anz);
    }
}
BENCHMARK(BM_StepAnimation)->Unit(benchmark::kNanosecond);

}  // namespace
