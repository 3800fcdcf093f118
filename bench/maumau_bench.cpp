// Mau Mau and Schwimmen: the computer players' weighing of one turn, and one whole round between
// computer seats in the headless harness (frames simulated, nothing drawn).
#include <benchmark/benchmark.h>

#include <vector>

#include "core/spiele.h"
#include "games/rummy_shedding/maumau.h"
#include "games/rummy_shedding/schwimmen.h"
#include "harness/lib/harness.h"
#include "platform/rnd.h"

namespace {

karte zufallsKarte() {
    return karte{static_cast<uint8_t>(1 + rnd::random(8)), static_cast<uint8_t>(1 + rnd::random(4)), 0};
}

hand zufallsHand(int n) {
    hand h{};
    for (int i = 1; i <= n; ++i) h.at(++h.anz) = zufallsKarte();
    return h;
}

void BM_MauMauBewertung(benchmark::State& state) {
    cg.maumau = TMaumau{};
    maumau::standardOptionen(cg.maumau);
    rnd::seed(1);
    maumauki::Lage l;
    l.eigene = zufallsHand(8);
    l.offen = l.eigene.at(1);
    for (int i = 1; i <= l.eigene.anz; ++i) l.kandidaten.push_back(i);
    l.ablage = zufallsHand(10);
    l.rest = zufallsHand(20);
    l.naechsterAnz = 4;
    l.vorigerAnz = 5;
    for (auto _ : state) benchmark::DoNotOptimize(maumauki::waehlen(l, maumauki::bewerten(l)));
}
BENCHMARK(BM_MauMauBewertung);

void BM_SchwimmenTauschWahl(benchmark::State& state) {
    TSchwimmen s{};
    schwimmen::standardOptionen(s);
    s.positiv = 1;
    rnd::seed(2);
    std::vector<hand> haende;
    for (int p = 0; p < 6; ++p) haende.push_back(zufallsHand(3));
    const hand tisch = zufallsHand(3);
    for (auto _ : state) benchmark::DoNotOptimize(schwimmenki::tauschWahl(haende, tisch, s, 1, 3));
}
BENCHMARK(BM_SchwimmenTauschWahl);

template <int Spiel>
void BM_GanzeRunde(benchmark::State& state) {
    uint64_t seed = 1;
    int64_t frames = 0;
    for (auto _ : state) {
        harness::Einstellung e;
        e.spielId = Spiel;
        e.spieler = 4;
        e.seed = seed++;
        harness::Lauf lauf(e);
        if (Spiel == spiele::kMauMau) {
            maumau::anmelden();
            cg.maumau = TMaumau{};
            maumau::standardOptionen(cg.maumau);
        } else {
            schwimmen::anmelden();
            cg.schwimmen = TSchwimmen{};
            schwimmen::standardOptionen(cg.schwimmen);
        }
        lauf.starten();
        frames += lauf.bis(Spiel == spiele::kMauMau ? maumau::rundeVorbei : schwimmen::rundeVorbei);
    }
    state.counters["frames/round"] =
        benchmark::Counter(static_cast<double>(frames) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_GanzeRunde<spiele::kMauMau>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GanzeRunde<spiele::kSchwimmen>)->Unit(benchmark::kMillisecond);

}  // namespace
