// The Doppelkopf computer player: one reservation rating (the normal game and every solo), one
// card decision following a trick (knowledge refresh and the rating of every playable card), and
// one watch-hook call after a card in a game under way (voids, known cards and party inference
// for every observer).
#include <benchmark/benchmark.h>

#include "core/central.h"
#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/doppelkopf_ki.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"
#include "harness/lib/harness.h"

namespace {

// A deal as the seats hold it, the dealer seat 4; `stich` cards already lie in the trick.
doppelkopfki::Lage lage(int stich) {
    doppelkopfki::Lage l = doppelkopfki::leereLage();
    const auto deck = doppelkopf::kartenSatz();
    for (size_t i = 0; i < deck.size(); ++i) l.haende[1 + i % 4].push_back(deck[i]);
    for (int s = 1; s <= stich; ++s) {
        karte k = l.haende[static_cast<size_t>(s)].back();
        l.haende[static_cast<size_t>(s)].pop_back();
        k.nr = static_cast<uint16_t>(s);
        l.stich.push_back(k);
    }
    l.amZug = stich + 1;
    for (int s = 1; s <= 4; ++s) l.sichten[static_cast<size_t>(s)].code[s - 1] = s % 2 ? 10 : 11;
    return l;
}

void BM_DoppelkopfKiVorbehalt(benchmark::State& state) {
    const doppelkopfki::Lage l = lage(0);
    TDoppelkopfKiWahl w{};
    for (auto _ : state) {
        doppelkopfki::vorbehaltWahl(l, 1, doppelkopfki::Optionen{}, w);
        benchmark::DoNotOptimize(w.summe);
    }
}
BENCHMARK(BM_DoppelkopfKiVorbehalt)->Unit(benchmark::kMicrosecond);

void BM_DoppelkopfKiKartenWahl(benchmark::State& state) {
    const doppelkopfki::Lage l = lage(2);
    for (auto _ : state) {
        doppelkopfki::wissenAktualisieren(l, 3);
        bool offenbart = false;
        benchmark::DoNotOptimize(doppelkopfki::kartenWahl(offenbart));
    }
}
BENCHMARK(BM_DoppelkopfKiKartenWahl)->Unit(benchmark::kMicrosecond);

void BM_DoppelkopfKiNachZug(benchmark::State& state) {
    harness::Einstellung e;
    e.spielId = spiele::kDoppelkopf;
    e.seed = 5;
    harness::Lauf lauf(e);
    doppelkopf::anmelden();
    doppelkopf::optionenStandard();
    doppelkopf::optionSetzen("Re", 0);  // no announcements: a normal game whose parties stay open
    lauf.starten();
    // play until the second card of a trick is asked for, in a normal game
    lauf.bis([](const TCG& g) {
        return g.phase.nr == 4 && g.phase.fluss3 == 47 && g.doppelkopf.z.stichAnz == 1 && g.doppelkopf.z.soloTyp == 0;
    });
    // the slot of a card the seat on turn may play
    const auto erlaubt = doppelkopf::spielbareKarten();
    const auto hand = sd::karten(cg.aktSpieler);
    int slot = 0;
    for (size_t i = 0; i < hand.size() && !slot; ++i)
        if (!erlaubt.empty() && gleich(hand[i], erlaubt.front())) slot = static_cast<int>(i) + 1;
    if (!slot) state.SkipWithError("no card to play");
    for (auto _ : state) doppelkopfki::nachZug(central::kKarte, 0, slot);
}
BENCHMARK(BM_DoppelkopfKiNachZug)->Unit(benchmark::kMicrosecond);

}  // namespace
