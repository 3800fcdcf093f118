// A plain ranker of exactly five cards, independent of the program's evaluator: category and
// tie ranks packed in one number (ranks 2..14, the As high and below the 2 in the wheel). The
// evaluator's tests check their order against it; the benchmark runs it for scale.
#pragma once
#include <algorithm>
#include <cstdint>
#include <utility>

namespace pokertest {

inline uint32_t schlicht(const int rang[5], const int farbe[5]) {
    int anz[15] = {};
    for (int i = 0; i < 5; ++i) ++anz[rang[i]];
    bool flush = true;
    for (int i = 1; i < 5; ++i) flush = flush && farbe[i] == farbe[0];
    int hoch = 0;
    for (int r = 14; r >= 5 && !hoch; --r) {
        bool ok = true;
        for (int j = 0; j < 5; ++j) ok = ok && anz[r - j == 1 ? 14 : r - j] == 1;
        if (ok) hoch = r;
    }
    // groups by size, then rank
    std::pair<int, int> g[5];
    int n = 0;
    for (int r = 14; r >= 2; --r)
        if (anz[r]) g[n++] = {anz[r], r};
    std::stable_sort(g, g + n, [](const auto& a, const auto& b) { return a.first > b.first; });
    int kat;
    if (hoch && flush)
        kat = 9;
    else if (g[0].first == 4)
        kat = 8;
    else if (g[0].first == 3 && g[1].first == 2)
        kat = 7;
    else if (flush)
        kat = 6;
    else if (hoch)
        kat = 5;
    else if (g[0].first == 3)
        kat = 4;
    else if (g[0].first == 2 && g[1].first == 2)
        kat = 3;
    else if (g[0].first == 2)
        kat = 2;
    else
        kat = 1;
    uint32_t w = static_cast<uint32_t>(kat);
    if (hoch && (kat == 9 || kat == 5)) return (w << 20) | static_cast<uint32_t>(hoch);
    for (int i = 0; i < n; ++i) w = (w << 4) | static_cast<uint32_t>(g[i].second);
    return w << (4 * (5 - n));
}

}  // namespace pokertest
