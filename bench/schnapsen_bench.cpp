// Schnapsen and Sechsundsechzig: one whole search of the computer seat, slice by slice as the
// frames run it, over seeded positions at four stages of a deal: the first lead, the talon half
// drawn, the talon just closed, the talon used up. Counters: nodes processed, depth reached and
// the node pool used; items per second are nodes per second. Then whole matches through the
// frame routine of the headless harness, each frame timed in CPU time: the worst frame is what
// a player feels as a frozen table (the first one pays for whatever the search sets up).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

#include "core/spiele.h"
#include "games/skat_jass_schnapsen/schnapsen.h"
#include "games/skat_jass_schnapsen/schnapsen_suche.h"
#include "harness/lib/harness.h"
#include "platform/rnd.h"

namespace {

using namespace schnapsenki;

enum Stufe { kErstesAusspiel = 0, kHalberTalon, kZugedreht, kTalonLeer };

void dazu(hand& h, const karte& k) { h.at(++h.anz) = k; }

Lage lage(bool sechsundsechzig, int stufe, uint64_t seed) {
    rnd::seed(seed);
    hand deck{};
    const int unten = sechsundsechzig ? schnapsen::kNeun : schnapsen::kBube;
    for (int f = 1; f <= 4; ++f)
        for (int t = unten; t <= schnapsen::kAss; ++t) dazu(deck, karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0});
    for (int i = deck.anz; i > 1; --i) std::swap(deck.at(i), deck.at(1 + rnd::random(i)));
    Lage l;
    l.sechsundsechzig = sechsundsechzig;
    const int n = sechsundsechzig ? 6 : 5;
    int p = 1;
    for (int s = 1; s <= 2; ++s)
        for (int i = 0; i < n; ++i) dazu(l.haende[s], deck.at(p++));
    l.atout = deck.at(p++);
    l.trumpf = l.atout.f;
    for (; p <= deck.anz; ++p) dazu(l.talon, deck.at(p));
    l.suchSitz = l.amZug = 2;
    // tricks already taken: talon cards stand in for the cards played and drawn
    const int weg = stufe == kErstesAusspiel ? 0 : stufe == kTalonLeer ? l.talon.anz : l.talon.anz / 2 / 2 * 2;
    for (int i = 0; i < weg; ++i) {
        dazu(l.gewonnen[1 + (i / 2) % 2], l.talon.at(l.talon.anz));
        l.talon.anz -= 1;
    }
    if (stufe == kTalonLeer) {
        dazu(l.gewonnen[1], l.atout);
        l.atout = karte{};
        l.streng = true;
    }
    if (stufe == kZugedreht) {
        l.streng = true;
        l.sperrSitz = 2;
    }
    return l;
}

void BM_Suche(benchmark::State& state) {
    static BaumBuilder b;
    const bool sechsundsechzig = state.range(0) != 0;
    const int stufe = static_cast<int>(state.range(1));
    uint64_t seed = 1;
    int64_t knoten = 0, tiefe = 0, pool = 0, suchen = 0;
    for (auto _ : state) {
        b.starten(lage(sechsundsechzig, stufe, seed++), sechsundsechzig ? 8 : 10, 200, kKnotenMax);
        while (b.zustand() != 3) b.rechnen(60.0f);
        knoten += b.verarbeitet();
        tiefe += b.tiefe();
        pool += b.poolAnzahl();
        ++suchen;
        if (seed > 8) seed = 1;  // a fixed set of eight positions
    }
    state.SetItemsProcessed(knoten);
    state.counters["nodes"] = static_cast<double>(knoten) / static_cast<double>(std::max<int64_t>(1, suchen));
    state.counters["depth"] = static_cast<double>(tiefe) / static_cast<double>(std::max<int64_t>(1, suchen));
    state.counters["pool"] = static_cast<double>(pool) / static_cast<double>(std::max<int64_t>(1, suchen));
}

// variant (0 Schnapsen, 1 Sechsundsechzig) x stage
BENCHMARK(BM_Suche)->ArgsProduct({{0, 1}, {0, 1, 2, 3}})->Unit(benchmark::kMillisecond);

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

// One whole match (deals until a seat has won the Bummerl), both seats computer players at the
// strongest level. Counters: the worst frame of all matches run and the mean frame, in ms CPU.
void BM_GanzePartie(benchmark::State& state) {
    const bool sechsundsechzig = state.range(0) != 0;
    uint64_t seed = 1;
    double schlimmst = 0, summe = 0;
    int64_t frames = 0, deals = 0;
    for (auto _ : state) {
        harness::Einstellung e;
        e.spielId = sechsundsechzig ? spiele::kSechsundsechzig : spiele::kSchnapsen;
        e.spieler = 2;
        e.seed = seed++;
        harness::Lauf lauf(e);
        schnapsen::anmelden();
        bool ok = lauf.starten(0);
        while (ok && !lauf.fehlgeschlagen()) {
            while (!schnapsen::dealVorbei(cg) && !lauf.fehlgeschlagen() && lauf.frameNr() < e.maxFrames) {
                const double t0 = cpuMs();
                lauf.frame();
                const double d = cpuMs() - t0;
                schlimmst = std::max(schlimmst, d);
                summe += d;
                ++frames;
            }
            ++deals;
            if (schnapsen::partieEnde()) break;
            ok = lauf.starten(1);
        }
    }
    state.counters["worst_frame_ms"] = schlimmst;
    state.counters["mean_frame_ms"] = summe / static_cast<double>(std::max<int64_t>(1, frames));
    state.counters["deals"] = static_cast<double>(deals) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_GanzePartie)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
