// Skat: the bidding evaluation that runs for three seats at every deal, the settlement, and one
// whole deal between computer seats in the headless harness (frames simulated, nothing drawn).
#include <benchmark/benchmark.h>

#include <cstring>

#include "core/seams.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "harness/lib/harness.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace {

void geben(uint64_t seed) {
    rnd::seed(seed);
    hand deck{};
    for (int f = 1; f <= 4; ++f)
        for (int t = 1; t <= 8; ++t) handaddk(deck, skat_1::karteBilden(t, f));
    skat_1::mischen(deck);
    for (int s = 0; s < 3; ++s) {
        hand& h = glu::spieler[s].hand;
        h.anz = 0;
        for (int i = 1; i <= 10; ++i) handaddk(h, deck.at(s * 10 + i));
    }
    skat_1::skatKopie().anz = 0;
    handaddk(skat_1::skatKopie(), deck.at(31));
    handaddk(skat_1::skatKopie(), deck.at(32));
}

void BM_ReizwertDreiSitze(benchmark::State& state) {
    std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
    cg.spielId = spiele::kSkat;
    skat_1::tabellenSetzen();
    seams::spiele.winsu = skat_1::winsu;
    skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
    uint64_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        geben(seed++);
        state.ResumeTiming();
        for (int s = 1; s <= 3; ++s) benchmark::DoNotOptimize(skat_1::reizwertBerechnen(s));
    }
}
BENCHMARK(BM_ReizwertDreiSitze);

void BM_GanzerDeal(benchmark::State& state) {
    skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
    uint64_t seed = 1;
    int64_t frames = 0;
    for (auto _ : state) {
        harness::Einstellung e;
        e.spielId = spiele::kSkat;
        e.spieler = 3;
        e.seed = seed++;
        harness::Lauf lauf(e);
        skat::anmelden();
        cg.skat.optionen.wertung = 1;
        cg.skat.optionen.limit = 36;
        lauf.starten();
        frames += lauf.bis(skat::dealVorbei);
    }
    state.counters["frames/deal"] =
        benchmark::Counter(static_cast<double>(frames) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_GanzerDeal)->Unit(benchmark::kMillisecond);

}  // namespace
