// Rommé: one move search of a computer seat at both depth limits on the worst table (14 cards
// with two Jokers, 45 piles of three decks, laying off on every seat's melds), and the cards a
// bounded search lays on small hands against an exhaustive search of the same moves.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>

#include "games/rummy_shedding/romme.h"
#include "platform/rnd.h"

namespace {

using rommeki::Suche;
using rommeki::Tisch;
using rommeki::Zugbuffer;

karte k(int t, int f) { return karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0}; }

void anhaengen(hand& h, const karte& c) {
    h.anz = static_cast<int16_t>(h.anz + 1);
    h.at(h.anz) = c;
}

// 45 piles: a set of every value in three suits for two seats, runs of three in every suit.
Tisch schwererTisch() {
    Tisch t;
    auto pile = [&](int owner, std::initializer_list<karte> karten) {
        const int p = ++t.anzahl;
        std::memset(static_cast<void*>(&t.pile[p]), 0, sizeof(hand));
        for (const karte& c : karten) anhaengen(t.pile[p], c);
        t.besitzer[p] = static_cast<uint8_t>(owner);
    };
    for (int v = 1; v <= 13; ++v) pile(2 + v % 2, {k(v, 1), k(v, 2), k(v, 3)});
    for (int f = 1; f <= 4; ++f)
        for (int r = 1; r <= 8; ++r) {
            if (t.anzahl >= 45) break;
            const int a = romme::ausRang(r), b = romme::ausRang(r + 1), c = romme::ausRang(r + 2);
            pile(1 + (f + r) % 3, {k(a, f), k(b, f), k(c, f)});
        }
    return t;
}

Suche suche(int limit) {
    Suche s;
    s.seat = 1;
    s.limit = limit;
    s.fremd = true;
    s.druck = 20;
    s.sitzHatMeldung = true;
    s.r.doppelteFarben = true;
    s.r.ecke = true;
    s.r.jokerWert = 20;
    return s;
}

void BM_ZugSuche(benchmark::State& state) {
    static Zugbuffer b;
    Suche s = suche(static_cast<int>(state.range(0)));
    s.tisch = schwererTisch();
    hand h{};
    for (const karte& c : {k(14, 1), k(14, 2), k(9, 1), k(10, 1), k(11, 1), k(12, 1), k(12, 2), k(12, 3),
                           k(12, 4), k(1, 2), k(2, 2), k(3, 2), k(5, 3), k(6, 3)})
        anhaengen(h, c);
    for (auto _ : state) {
        rommeki::zugSuche(b, h, s);
        benchmark::DoNotOptimize(b.anzahl);
    }
    state.counters["nodes"] = static_cast<double>(b.knoten);
    state.counters["entries"] = b.anzahl;
}
BENCHMARK(BM_ZugSuche)->Arg(3)->Arg(8)->Unit(benchmark::kMicrosecond);

// The most hand cards that any sequence of the same melds and lay-offs can lay while one card
// stays for the discard: every valid meld of three or more hand cards and every single lay-off.
int erschoepfend(const hand& h, Tisch& t, const romme::Regeln& r) {
    int best = 0;
    const int n = h.anz;
    for (int i = 1; i <= n && n > 1; ++i)
        for (int p = 1; p <= t.anzahl; ++p) {
            karte frei{};
            const hand neu = rommeki::angelegt(t.pile[p], h.at(i), &frei);
            if (!romme::isset(neu, true, true, false, r)) continue;
            hand rest{};
            for (int x = 1; x <= n; ++x)
                if (x != i) anhaengen(rest, h.at(x));
            if (frei.t) anhaengen(rest, frei);
            const hand alt = t.pile[p];
            t.pile[p] = neu;
            best = std::max(best, 1 + erschoepfend(rest, t, r));
            t.pile[p] = alt;
        }
    for (int maske = 1; maske < (1 << n); ++maske) {
        const int bits = __builtin_popcount(static_cast<unsigned>(maske));
        if (bits < 3 || bits >= n) continue;
        hand m{}, rest{};
        for (int x = 1; x <= n; ++x) anhaengen((maske >> (x - 1)) & 1 ? m : rest, h.at(x));
        romme::auswahlOrdnen(m, r);
        if (!romme::isset(m, true, false, false, r)) continue;
        if (t.anzahl >= rommeki::kTischMax) continue;
        t.pile[++t.anzahl] = m;
        best = std::max(best, bits + erschoepfend(rest, t, r));
        --t.anzahl;
    }
    return best;
}

// Random 7-card hands from two decks on a table of a few piles: the cards the bounded search's
// best entry lays against the exhaustive count (the mean shortfall per hand).
void BM_GebundenGegenErschoepfend(benchmark::State& state) {
    static Zugbuffer b;
    long haende = 0, fehlend = 0, schlechter = 0;
    for (auto _ : state) {
        rnd::seed(static_cast<uint64_t>(haende + 1));
        hand deck{};
        for (int d = 0; d < 2; ++d) {
            for (int f = 1; f <= 4; ++f)
                for (int t = 1; t <= 13; ++t) anhaengen(deck, k(t, f));
            for (int f = 1; f <= 3; ++f) anhaengen(deck, k(14, f));
        }
        for (int i = deck.anz; i >= 2; --i) std::swap(deck.at(i), deck.at(1 + rnd::random(i)));
        Suche s = suche(static_cast<int>(state.range(0)));
        s.druck = 20;
        int pos = 0;
        auto ziehen = [&] { return deck.at(++pos); };
        for (int p = 0; p < 4; ++p) {
            // a set of three of the next card's value
            const karte c = ziehen();
            if (c.t == 14) continue;
            const int q = ++s.tisch.anzahl;
            std::memset(static_cast<void*>(&s.tisch.pile[q]), 0, sizeof(hand));
            for (int f = 1; f <= 3; ++f) anhaengen(s.tisch.pile[q], k(c.t, f));
            s.tisch.besitzer[q] = static_cast<uint8_t>(1 + p % 2);
        }
        hand h{};
        for (int i = 0; i < 7; ++i) anhaengen(h, ziehen());
        for (int i = 1; i <= h.anz; ++i) h.at(i).nr = static_cast<uint16_t>(i);
        rommeki::zugSuche(b, h, s);
        int gebunden = 0;
        for (int e = 1; e <= b.anzahl; ++e)
            gebunden = std::max(gebunden, b.e[e].kartenSumme - b.e[e].zurueck);
        Tisch t = s.tisch;
        const int voll = erschoepfend(h, t, s.r);
        fehlend += std::max(0, voll - gebunden);
        schlechter += voll > gebunden ? 1 : 0;
        ++haende;
    }
    state.counters["hands"] = static_cast<double>(haende);
    state.counters["shortfall_per_hand"] = haende ? static_cast<double>(fehlend) / haende : 0.0;
    state.counters["hands_worse"] = haende ? static_cast<double>(schlechter) / haende : 0.0;
}
BENCHMARK(BM_GebundenGegenErschoepfend)->Arg(3)->Arg(8)->Iterations(300)->Unit(benchmark::kMillisecond);

}  // namespace
