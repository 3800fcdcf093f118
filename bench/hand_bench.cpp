// The hand library's busiest calls: the computer players sort, count and shuffle hands many
// times per decision.
#include <benchmark/benchmark.h>

#include "core/cg.h"
#include "core/skat_1.h"
#include "core/spiele.h"
#include "platform/rnd.h"

namespace {

hand skatBlatt(int n) {
    hand h{};
    for (int i = 0; i < n; ++i) handaddk(h, skat_1::karteBilden(1 + (i * 5) % 8, 1 + (i * 3) % 4));
    return h;
}

void BM_HandOrdnen(benchmark::State& state) {
    cg.spielId = spiele::kSkat;
    cg.skat.sk.typ = static_cast<int32_t>(state.range(0));
    const hand h = skatBlatt(10);
    for (auto _ : state) {
        hand x = h;
        skat_1::handOrdnen(x, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(x);
    }
}
BENCHMARK(BM_HandOrdnen)->Arg(1)->Arg(10)->Arg(11);

void BM_Mischen(benchmark::State& state) {
    rnd::seed(1);
    hand h = skatBlatt(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        skat_1::mischen(h);
        benchmark::DoNotOptimize(h);
    }
}
BENCHMARK(BM_Mischen)->Arg(32)->Arg(104);

void BM_FarbAnzahl(benchmark::State& state) {
    cg.spielId = spiele::kSkat;
    cg.skat.sk.typ = 3;
    const hand h = skatBlatt(10);
    for (auto _ : state) {
        int n = 0;
        for (int f = 1; f <= 4; ++f) n += skat_1::farbAnzahl(h, f);
        n += skat_1::farbAnzahl(h, 6);
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_FarbAnzahl);

}  // namespace
