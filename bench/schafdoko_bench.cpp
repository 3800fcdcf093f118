// Schafkopf and Doppelkopf: the trick winner and the settlement that the flow asks every trick
// and every deal, and one whole deal between computer seats in the headless harness (frames
// simulated, nothing drawn).
#include <benchmark/benchmark.h>

#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "harness/lib/harness.h"

namespace {

void BM_DoppelkopfStichSieger(benchmark::State& state) {
    const doppelkopf::Ordnung o = doppelkopf::trumpfOrdnung(doppelkopf::kNormal);
    const std::vector<karte> stich = {karte{7, 3, 1}, karte{5, 1, 2}, karte{7, 3, 3}, karte{8, 4, 4}};
    for (auto _ : state) benchmark::DoNotOptimize(doppelkopf::stichSieger(o, stich, true));
}
BENCHMARK(BM_DoppelkopfStichSieger);

void BM_SchafkopfAbrechnung(benchmark::State& state) {
    schafkopf::Abrechnung a;
    a.spiel.typ = schafkopf::kRufspiel;
    a.spiel.farbe = 1;
    a.spieler = a.gewerteterSpieler = 1;
    a.spielerPartei = {false, true, true, false, false};
    const auto deck = schafkopf::kartenSatz();
    for (size_t i = 0; i < deck.size(); ++i) a.stiche[1 + i % 4].push_back(deck[i]);
    a.laufendeZaehlen = true;
    a.laufende = 3;
    a.kontra = 1;
    for (auto _ : state) benchmark::DoNotOptimize(schafkopf::abrechnen(a));
}
BENCHMARK(BM_SchafkopfAbrechnung);

template <int SpielId>
void BM_GanzerDeal(benchmark::State& state) {
    uint64_t seed = 1;
    int64_t frames = 0;
    for (auto _ : state) {
        harness::Einstellung e;
        e.spielId = SpielId;
        e.seed = seed++;
        harness::Lauf lauf(e);
        if (SpielId == spiele::kSchafkopf) {
            schafkopf::anmelden();
            schafkopf::optionenStandard();
        } else {
            doppelkopf::anmelden();
            doppelkopf::optionenStandard();
        }
        lauf.starten();
        frames += lauf.bis(SpielId == spiele::kSchafkopf ? schafkopf::dealVorbei : doppelkopf::dealVorbei);
    }
    state.counters["frames/deal"] =
        benchmark::Counter(static_cast<double>(frames) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_GanzerDeal<spiele::kSchafkopf>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GanzerDeal<spiele::kDoppelkopf>)->Unit(benchmark::kMillisecond);

}  // namespace
