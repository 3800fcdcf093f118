// The poker computer player: one win-probability estimate on the flop, the turn and the river
// (a walk over every board and opponent hand still possible), and one whole decision on the
// flop (the estimate, the situation record, the advice of a full store and the rules).
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "games/casino/holdem_ki.h"

namespace {

using namespace holdem::ki;

// As Dame of Herz in the hand; the board König 7 of Herz, Kreuz 2, then Pik 9 and Karo 5.
const std::array<uint8_t, 2> kHole = {12 * 4 + 2, 10 * 4 + 2};
const std::vector<uint8_t> kBoard = {11 * 4 + 2, 5 * 4 + 2, 0 * 4 + 0, 7 * 4 + 1, 3 * 4 + 3};

// With gewichte the opponents' hole cards are weighted by rank, as for a "Profi" seat.
void schaetzung(benchmark::State& state, size_t karten, const std::array<float, 13>* gewichte = nullptr) {
    const std::vector<uint8_t> board(kBoard.begin(), kBoard.begin() + static_cast<long>(karten));
    for (auto _ : state) {
        Schaetzer s;
        s.start(kHole, board, 3, 6, gewichte);
        s.weiter(0);
        benchmark::DoNotOptimize(s.ergebnis().erste);
    }
}
void BM_EstimateFlop(benchmark::State& state) { schaetzung(state, 3); }
void BM_EstimateTurn(benchmark::State& state) { schaetzung(state, 4); }
void BM_EstimateRiver(benchmark::State& state) { schaetzung(state, 5); }
void BM_EstimateFlopWeighted(benchmark::State& state) {
    std::array<float, 13> g{};
    for (size_t r = 0; r < 13; ++r) g[r] = 0.4f + 0.04f * static_cast<float>(r);
    schaetzung(state, 3, &g);
}
BENCHMARK(BM_EstimateFlop)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EstimateTurn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EstimateRiver)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EstimateFlopWeighted)->Unit(benchmark::kMicrosecond);

void BM_DecisionOnTheFlop(benchmark::State& state) {
    Clusterer store;
    for (int i = 0; i < kLernMax; ++i) {
        PokerSituation s;
        s.win = s.winFirst = s.winSecond = static_cast<uint8_t>(i * 7 % 256);
        s.pot = static_cast<int16_t>(i % 120);
        s.toCall = static_cast<int16_t>(i % 17);
        s.street = static_cast<uint8_t>(13 + i % 4);
        s.calm = static_cast<uint8_t>(i * 13 % 256);
        s.label = static_cast<int16_t>(i % 9 - 2);
        store.anhaengen(s);
    }
    if (state.range(0) == 0) store.ClearStore();
    Tisch t;
    t.level = 3;
    t.strasse = 3;
    t.bigBlind = 4;
    t.einsatz = 8;
    t.pot = 30;
    t.chips = 180;
    t.imSpiel = 3;
    t.inPartie = 6;
    const Zufall z = programmZufall();
    const std::vector<uint8_t> flop(kBoard.begin(), kBoard.begin() + 3);
    for (auto _ : state) {
        Schaetzer s;
        s.start(kHole, flop, t.imSpiel, t.inPartie, nullptr);
        s.weiter(0);
        PokerDecision d;
        decideAction(t, s.ergebnis(), store, z, d);
        benchmark::DoNotOptimize(d.kind);
    }
}
// 0: an empty store (the rules decide), 1: a full store of 10,000 situations
BENCHMARK(BM_DecisionOnTheFlop)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
