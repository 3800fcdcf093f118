// The Skat computer player: one card decision (the guessed hands, then the lead or the following
// rules) and one seat's bidding evaluation, each against a frame's budget of about 16 ms.
#include <benchmark/benchmark.h>

#include <cstring>

#include "core/seams.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/skat_jass_schnapsen/skat_ki.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace {

void tisch() {
    std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
    cg.spielId = 1;
    skat_1::tabellenSetzen();
    skat_1::reizliste(24);
    seams::spiele.winsu = skat_1::winsu;
    skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
    for (int s = 1; s <= 3; ++s) cg.sitzEinstellungen.at(s).skat.wahrs = 50;
}

// A fresh deal into the three stacks and the Skat.
void geben(uint64_t seed) {
    rnd::seed(seed);
    hand deck{};
    for (int f = 1; f <= 4; ++f)
        for (int t = 1; t <= 8; ++t) handaddk(deck, skat_1::karteBilden(t, f));
    skat_1::mischen(deck);
    for (int s = 0; s < 3; ++s) {
        TSpieler& st = glu::spieler[s];
        st.anz = 0;
        st.hand.anz = 0;
        for (int i = 1; i <= 10; ++i) {
            st.at(i) = TKartenSlot{};
            st.at(i).c = deck.at(s * 10 + i);
            st.anz = i;
            handaddk(st.hand, deck.at(s * 10 + i));
        }
    }
    skat_1::skatKopie().anz = 0;
    handaddk(skat_1::skatKopie(), deck.at(31));
    handaddk(skat_1::skatKopie(), deck.at(32));
}

// Seat 2 answers a lead of seat 1 in a Kreuz game that seat 1 declares.
void BM_KarteWaehlen(benchmark::State& state) {
    tisch();
    cg.skat.sk.typ = cg.skat.spiel.typ = 1;
    cg.skat.sk.alleinspieler = cg.skat.spiel.alleinspieler = 1;
    cg.skat.spiel.reizwert = 18;
    skat_1::rangTabelle(1);
    uint64_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        geben(seed++);
        hand& st = skat_1::stich();
        st = hand{};
        skat_1::stichKarten() = hand{};
        skat_1::stichKarten().anz = 3;
        karte k = glu::spieler[0].at(1).c;
        skat_1::stichKarten().at(1) = k;
        k.nr = 1;
        handaddk(st, k);
        state.ResumeTiming();
        benchmark::DoNotOptimize(skatki::spielta(2));
    }
}
BENCHMARK(BM_KarteWaehlen)->Unit(benchmark::kMicrosecond);

void BM_ReizwertEinSitz(benchmark::State& state) {
    tisch();
    uint64_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        geben(seed++);
        state.ResumeTiming();
        benchmark::DoNotOptimize(skat_1::reizwertBerechnen(2));
    }
}
BENCHMARK(BM_ReizwertEinSitz)->Unit(benchmark::kMicrosecond);

}  // namespace
