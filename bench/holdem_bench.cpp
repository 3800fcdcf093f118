// Seven-card poker evaluations per second: evaluateHand with compareHandValues over random
// hands, the table evaluation alone on card indexes as the computer player's walk calls it,
// beside a plain ranker written here (every 5 of the 7 cards, ranked by counting) for scale,
// and the pattern matcher that defines the values.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <vector>

#include "games/casino/holdem_bewertung.h"
#include "games/casino/holdem_ki.h"
#include "games/poker/holdem_schlicht.h"

namespace {

std::vector<hand64> zufallsHaende(int n) {
    std::vector<hand64> v;
    uint64_t z = 99;
    for (int i = 0; i < n; ++i) {
        bool genommen[52] = {};
        hand64 h{};
        while (h.anz < 7) {
            z = z * 6364136223846793005ULL + 1442695040888963407ULL;
            const int c = static_cast<int>((z >> 33) % 52);
            if (genommen[c]) continue;
            genommen[c] = true;
            h.at(++h.anz) = karte{static_cast<uint8_t>(c / 4 + 1), static_cast<uint8_t>(c % 4 + 1), 0};
        }
        v.push_back(h);
    }
    return v;
}

// The plain ranker: the best of the 21 five-card hands, each ranked on its own.
uint32_t schlicht(const hand64& h) {
    static const int rang[14] = {0, 7, 8, 9, 11, 12, 13, 10, 14, 2, 3, 4, 5, 6};
    uint32_t best = 0;
    int r[5], f[5];
    for (int a = 1; a <= 7; ++a)
        for (int b = a + 1; b <= 7; ++b) {
            int k = 0;
            for (int i = 1; i <= 7; ++i)
                if (i != a && i != b) r[k] = rang[h.at(i).t], f[k] = h.at(i).f, ++k;
            best = std::max(best, pokertest::schlicht(r, f));
        }
    return best;
}

const std::vector<hand64>& haende() {
    static const std::vector<hand64> v = zufallsHaende(4096);
    return v;
}

void BM_EvaluateAndCompare(benchmark::State& state) {
    const auto& v = haende();
    size_t i = 0;
    holdem::HandValue a, b;
    for (auto _ : state) {
        holdem::evaluateHand(v[i & 4095], false, a);
        holdem::evaluateHand(v[(i + 1) & 4095], false, b);
        benchmark::DoNotOptimize(holdem::compareHandValues(a, b));
        i += 2;
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 2);
}
BENCHMARK(BM_EvaluateAndCompare);

// evaluateHand alone, hand after hand into one value record.
void BM_EvaluateHand(benchmark::State& state) {
    const auto& v = haende();
    size_t i = 0;
    holdem::HandValue a;
    for (auto _ : state) {
        holdem::evaluateHand(v[i++ & 4095], false, a);
        benchmark::DoNotOptimize(a);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_EvaluateHand);

void BM_StaerkeOfCardIndexes(benchmark::State& state) {
    static const std::vector<std::array<uint8_t, 7>> v = [] {
        std::vector<std::array<uint8_t, 7>> x;
        for (const hand64& h : haende()) {
            std::array<uint8_t, 7> k{};
            for (int i = 0; i < 7; ++i)
                k[static_cast<size_t>(i)] = static_cast<uint8_t>(holdem::ki::kartenIndex(h.at(i + 1)));
            x.push_back(k);
        }
        return x;
    }();
    const holdem::Staerketabellen& t = holdem::staerketabellen();
    size_t i = 0;
    for (auto _ : state) {
        holdem::Kartensumme s;
        for (uint8_t c : v[i++ & 4095]) holdem::dazu(s, c);
        benchmark::DoNotOptimize(holdem::staerke(s, t));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_StaerkeOfCardIndexes);

void BM_PatternMatcher(benchmark::State& state) {
    const auto& v = haende();
    size_t i = 0;
    holdem::HandValue a;
    for (auto _ : state) {
        holdem::evaluateHandReference(v[i++ & 4095], false, a);
        benchmark::DoNotOptimize(a.keys[0]);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_PatternMatcher);

void BM_PlainRanker(benchmark::State& state) {
    const auto& v = haende();
    size_t i = 0;
    for (auto _ : state) {
        const uint32_t a = schlicht(v[i & 4095]), b = schlicht(v[(i + 1) & 4095]);
        benchmark::DoNotOptimize(a > b);
        i += 2;
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 2);
}
BENCHMARK(BM_PlainRanker);

}  // namespace
