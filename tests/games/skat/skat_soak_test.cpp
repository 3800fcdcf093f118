// Whole Skat deals between computer seats in the headless harness: every card stays on the
// table, every deal is booked, nothing stalls and no consistency message appears.
#include <gtest/gtest.h>

#include <set>

#include "core/central.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "harness/lib/harness.h"
#include "table/glu.h"

namespace {

// Each of the 32 cards exactly once on the table while no card is in flight.
bool kartenErhalten(const TCG&, std::string& warum) {
    if (glu::zugliste.anz > 0) return true;
    std::set<int> gesehen;
    int n = 0;
    for (int s : {1, 2, 3, 7, 8, 9, 11, 12, 15}) {
        const TSpieler& st = glu::spieler[s - 1];
        for (int i = 1; i <= st.anz; ++i) {
            const karte k = st.at(i).c;
            if (k.t == 0) continue;
            ++n;
            if (!gesehen.insert(k.t * 10 + k.f).second) {
                warum = "Karte doppelt auf Stapel " + std::to_string(s);
                return false;
            }
        }
    }
    if (n == 32) return true;
    warum = std::to_string(n) + " Karten auf dem Tisch";
    return false;
}

}  // namespace

TEST(SkatSoak, SeededDealsPlayToTheirEnd) {
    skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
    skat_1::musterVergessen();
    int deals = 0, frames = 0;
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        harness::Einstellung e;
        e.spielId = spiele::kSkat;
        e.spieler = 3;
        e.seed = seed;
        harness::Lauf lauf(e);
        skat::anmelden();
        lauf.invariante = kartenErhalten;
        ASSERT_TRUE(lauf.starten());
        const int f = lauf.bis(skat::dealVorbei);
        ASSERT_GE(f, 0);
        frames += f;
        ++deals;
    }
    std::printf("%d deals, %d frames\n", deals, frames);
}
