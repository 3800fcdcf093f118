// The Schafkopf computer player: one probability question, one knowledge refresh (from given
// facts and from the running game), one whole decision of a computer seat and one pass of the
// watch hook after a card, in the middle of a deal.
#include <benchmark/benchmark.h>

#include <climits>
#include <memory>

#include "core/central.h"
#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "games/schafkopf_doppelkopf/schafkopf_ki.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"
#include "harness/lib/harness.h"

namespace {

// Seat 1 observes; seats 2..4 hold the other 24 cards, seat 3 is known void in Gras.
sdki::Lage lage() {
    static const sdki::Regeln r = sdki::regelnAus(schafkopf::trumpfOrdnung(schafkopf::kRufspiel, 1));
    static TKartenWissen wissen[4];
    wissen[2].frei[2] = 1;
    sdki::Lage l;
    l.regeln = &r;
    l.ich = 1;
    const auto deck = schafkopf::kartenSatz();
    for (size_t i = 0; i < deck.size(); ++i) {
        const int seat = static_cast<int>(i % 4) + 1;
        sdki::dazu(seat == 1 ? l.eigeneHand : l.unsichtbar, deck[i]);
        ++l.handAnz[seat];
    }
    l.wissen = wissen;
    return l;
}

void BM_WktHat(benchmark::State& state) {
    const sdki::Sicht s = sdki::wissenAktualisieren(lage());
    const karte k{schafkopf::kKoenig, 2, 0};
    int seat = 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sdki::wktFreiUndFarbe(s, seat, 2, 6));
        benchmark::DoNotOptimize(sdki::wktHoeher(s, seat, k));
        seat = seat == 4 ? 2 : seat + 1;
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_WktHat);

void BM_WissenAktualisieren(benchmark::State& state) {
    const sdki::Lage l = lage();
    for (auto _ : state) benchmark::DoNotOptimize(sdki::wissenAktualisieren(l));
}
BENCHMARK(BM_WissenAktualisieren);

// A deal of computer seats of level "Profi" stopped in the frame where a seat is asked for the
// second card of the second or a later trick (no frame runs after it, so the question
// stays open).
struct Mitten {
    std::unique_ptr<harness::Lauf> lauf;
    bool ok = false;
    // the first seed from 1 whose deal is a Rufspiel with a party still hidden there
    Mitten() {
        central::dienste.staerke = [](int, int) { return 3; };
        for (uint64_t seed = 1; seed <= 200 && !ok; ++seed) {
            harness::Einstellung e;
            e.spielId = spiele::kSchafkopf;
            e.seed = seed;
            e.watchdog = INT_MAX;
            lauf.reset();
            lauf = std::make_unique<harness::Lauf>(e);
            schafkopf::anmelden();
            schafkopf::optionenStandard();
            lauf->starten();
            const bool da = lauf->bis([](const TCG& g) {
                return schafkopf::dealVorbei(g) ||
                       (g.phase.nr == 4 && g.phase.fluss3 == 47 && g.schafkopf.z.stichAnz == 1 &&
                        g.schafkopf.z.stichNr >= 2 && g.antwort.art == sd::kNichts);
            }) >= 0;
            bool offen = false;
            for (int u = 0; u < 4; ++u) offen = offen || cg.schafkopf.z.sichten[0].code[u] == 9;
            ok = da && !schafkopf::dealVorbei(cg) && cg.schafkopf.spiel.typ == schafkopf::kRufspiel && offen;
        }
    }
    ~Mitten() { central::dienste.staerke = nullptr; }
};

void BM_WissenAusDemSpiel(benchmark::State& state) {
    Mitten m;
    if (!m.ok) {
        state.SkipWithError("no trick reached");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(schafkopfki::sicht(0));
}
BENCHMARK(BM_WissenAusDemSpiel);

// One whole decision of the seat on turn: refresh, evaluation of every playable card, the
// answer through the action entry (which runs the watch hook).
void BM_KiTick(benchmark::State& state) {
    Mitten m;
    if (!m.ok) {
        state.SkipWithError("no trick reached");
        return;
    }
    for (auto _ : state) {
        cg.antwort.art = sd::kNichts;
        schafkopfki::kiTick();
    }
}
BENCHMARK(BM_KiTick);

// The watch hook after the first playable card of the seat on turn: voids, known cards and the
// party inference for every observer.
void BM_NachZug(benchmark::State& state) {
    Mitten m;
    const auto sp = schafkopf::spielbareKarten();
    if (!m.ok || sp.empty()) {
        state.SkipWithError("no trick reached");
        return;
    }
    int slot = 0;
    const TSpieler& st = sd::st(cg.aktSpieler);
    for (int i = 1; i <= st.anz; ++i)
        if (gleich(st.at(i).c, sp.front())) slot = i;
    for (auto _ : state) schafkopfki::nachZug(central::kKarte, 0, slot);
}
BENCHMARK(BM_NachZug);

}  // namespace
