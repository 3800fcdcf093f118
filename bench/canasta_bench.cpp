// Canasta: the three move builders on a typical hand and on the worst case (a hand of 150 cards
// after a large discard pile, over twenty melds on the table, many wild cards), and one whole
// hand between four computer seats in the headless harness (frames simulated, nothing drawn).
// The builders copy their move record (TMultizug) whole; its size is reported per call.
#include <benchmark/benchmark.h>

#include "core/central.h"
#include "core/spiele.h"
#include "games/canasta/canasta_karten.h"
#include "harness/lib/harness.h"
#include "platform/rnd.h"

namespace {

using namespace canastatest;

// A shuffled deck of `saetze` sets; the first n cards (red threes left out) become seat 1's hand.
hand handAusDeck(int saetze, int n, uint64_t seed) {
    rnd::seed(seed);
    karte deck[162];
    int m = 0;
    for (int s = 0; s < saetze; ++s)
        for (uint8_t t = 1; t <= 14; ++t)
            for (uint8_t f = 1; f <= 4; ++f)
                if (t != Joker || f <= 2) deck[m++] = karte{t, f, 0};
    for (int i = m - 1; i > 0; --i) std::swap(deck[i], deck[rnd::random(i + 1)]);
    hand h = H({});
    for (int i = 0; i < m && h.anz < n; ++i)
        if (!canasta::istRoteDrei(deck[i])) h.at(++h.anz) = deck[i];
    return h;
}

void tischTypisch() {
    frisch(2);
    cg.aktSpieler = 1;
    cg.canasta.ausgelegt.at(1) = 1;
    meld(1, H({K(Dame), K(Dame, 2), K(Dame, 3), K(Joker)}));
    meld(1, H({K(Ass), K(Ass, 2), K(Ass, 3)}));
    meld(2, H({K(Koenig), K(Koenig, 2), K(Koenig, 3)}));
}

// Over twenty melds: every natural value on each side, some grown to canastas.
void tischGross() {
    frisch(2);
    cg.aktSpieler = 1;
    cg.canasta.ausgelegt.at(1) = 1;
    cg.canasta.wildeCanastas = 1;
    for (int seat = 1; seat <= 2; ++seat)
        for (int t : {1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13}) {
            hand m = H({K(t, 1), K(t, 2), K(t, 3)});
            if (t % 3 == 0)
                for (int f = 1; f <= 4; ++f) m.at(++m.anz) = K(t, f);
            meld(seat, m);
        }
}

template <int kArt>
void bauen(const hand& h) {
    TMultizug z;
    if (kArt == 0) canasta::maxpunktezug(1, h, karte{}, false, z);
    if (kArt == 1) canasta::fertigzug(1, h, karte{}, false, z);
    if (kArt == 2) canasta::minzug2(1, h, karte{}, z);
    benchmark::DoNotOptimize(z.anz);
}

template <int kArt>
void BM_Typisch(benchmark::State& state) {
    tischTypisch();
    const hand h = handAusDeck(2, 15, 11);
    stapel(1, h);
    for (auto _ : state) bauen<kArt>(h);
    state.counters["zugBytes"] = sizeof(TMultizug);
}

template <int kArt>
void BM_Schlimmster(benchmark::State& state) {
    tischGross();
    const hand h = handAusDeck(3, 150, 12);
    stapel(1, h);
    for (auto _ : state) bauen<kArt>(h);
    state.counters["zugBytes"] = sizeof(TMultizug);
}

BENCHMARK(BM_Typisch<0>)->Name("Maxpunktezug/typisch");
BENCHMARK(BM_Typisch<1>)->Name("Fertigzug/typisch");
BENCHMARK(BM_Typisch<2>)->Name("Minzug2/typisch");
BENCHMARK(BM_Schlimmster<0>)->Name("Maxpunktezug/150Karten");
BENCHMARK(BM_Schlimmster<1>)->Name("Fertigzug/150Karten");
BENCHMARK(BM_Schlimmster<2>)->Name("Minzug2/150Karten");

void BM_GanzeHand(benchmark::State& state) {
    uint64_t seed = 1;
    for (auto _ : state) {
        harness::Einstellung e;
        e.spielId = spiele::kCanasta;
        e.spieler = 4;
        e.seed = seed++;
        harness::Lauf lauf(e);
        canasta::anmelden();
        lauf.starten();
        benchmark::DoNotOptimize(lauf.bis(canasta::handVorbei));
    }
}
BENCHMARK(BM_GanzeHand)->Unit(benchmark::kMillisecond);

}  // namespace
