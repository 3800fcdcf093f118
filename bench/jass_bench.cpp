// Jass: the computer's search for a match-winning card (every card of the seat against every
// answer of the seats after it), the playable cards, the Weis search, and one whole round
// between computer teams in the headless harness (frames simulated, nothing drawn).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>

#include "games/skat_jass_schnapsen/jass.h"
#include "harness/lib/harness.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace {

// A shuffled deck dealt to the four seats' stacks.
hand geben(uint64_t seed) {
    rnd::seed(seed);
    hand deck{};
    for (uint8_t f = 1; f <= 4; ++f)
        for (uint8_t t : {1, 2, 3, 4, 5, 6, 7, 8, 13}) deck.at(++deck.anz) = karte{t, f, 0};
    for (int i = deck.anz; i > 1; --i) std::swap(deck.at(i), deck.at(1 + rnd::random(i)));
    for (int s = 0; s < 4; ++s) {
        TSpieler& st = glu::spieler[s];
        st.anz = 9;
        for (int i = 1; i <= 9; ++i) st.at(i).c = deck.at(s * 9 + i);
    }
    return deck;
}

void BM_GewinnKarteSuchen(benchmark::State& state) {
    std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
    cg.spielId = spiele::kJass;
    cg.jass.trumpf = 3;
    cg.jass.punkteLimit = 100000;  // never reached: every card is rated in full
    cg.aktSpieler = 1;
    uint64_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        geben(seed++);
        cg.jass.stich = hand{};
        hand eigen = jass::stapelHand(1);
        jass::legaleKarten(eigen, cg.jass.stich, 3, jass::stichOrdnung(3, 0), cg.jass.spielbareKarten);
        state.ResumeTiming();
        benchmark::DoNotOptimize(jasski::gewinnKarteSuchen());
    }
}
BENCHMARK(BM_GewinnKarteSuchen)->Unit(benchmark::kMicrosecond);

void BM_LegaleKartenUndWeis(benchmark::State& state) {
    const hand deck = geben(7);
    hand h{};
    for (int i = 1; i <= 9; ++i) h.at(++h.anz) = deck.at(i);
    hand stich{};
    stich.at(++stich.anz) = deck.at(10);
    stich.at(++stich.anz) = deck.at(11);
    const jass::Ordnung o = jass::stichOrdnung(2, 1);
    for (auto _ : state) {
        hand aus;
        jass::legaleKarten(h, stich, 2, o, aus);
        benchmark::DoNotOptimize(aus.anz);
        for (int w : {200, 150, 100, 50, 20}) benchmark::DoNotOptimize(jass::hatWeis(h, w, 2));
    }
}
BENCHMARK(BM_LegaleKartenUndWeis);

void BM_GanzeRunde(benchmark::State& state) {
    uint64_t seed = 1;
    int64_t frames = 0;
    for (auto _ : state) {
        harness::Einstellung e;
        e.spielId = spiele::kJass;
        e.spieler = 4;
        e.seed = seed++;
        harness::Lauf lauf(e);
        jass::anmelden();
        lauf.starten();
        frames += lauf.bis(jass::rundeVorbei);
    }
    state.counters["frames/round"] =
        benchmark::Counter(static_cast<double>(frames) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_GanzeRunde)->Unit(benchmark::kMillisecond);

}  // namespace
