// Series of deals between Doppelkopf computer seats of every level (1, 2, 3 and the random
// yardstick 0) under several rule sets: every card legal and on the table, the points and the
// booking adding up after every deal, and the seats reserving, playing solos and announcing.
#include <gtest/gtest.h>

#include <set>

#include "core/central.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "sd_lauf.h"

namespace {

int stufen(int, int seat) { return seat == 4 ? 0 : seat; }

TEST(DoppelkopfKiSerie, SeatsOfEveryLevelPlayWholeSeriesUnderSeveralRuleSets) {
    auto alt = central::dienste.staerke;
    central::dienste.staerke = stufen;
    sdtest::Spiel sp = sdtest::doppelkopfSpiel();
    sp.zufallsAntwort = doppelkopf::kiTick;  // each seat answers by its level
    const std::vector<sdtest::Optionen> saetze = {
        {{"Runden", 6}},
        {{"Runden", 6}, {"BubenDamensolo", 1}, {"ZweiteDulle", 0}, {"SoloAnzug", 1}},
        {{"Runden", 6}, {"Keine60", 0}, {"SoloAnzug", 3}, {"Fuchs", 0}},
    };
    std::set<int> solos;
    int deals = 0, angesagt = 0, hochzeit = 0;
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        sdtest::serie(sp, seed, saetze[seed % saetze.size()], [&] {
            const TDoppelkopfZustand& z = cg.doppelkopf.z;
            ++deals;
            if (!z.stilles) solos.insert(z.soloTyp);
            angesagt += z.reStufe > 0 || z.kontraStufe > 0;
            hochzeit += z.hochzeit != 0;
        });
        if (HasFatalFailure()) break;
    }
    central::dienste.staerke = alt;
    EXPECT_GE(deals, 36);
    EXPECT_TRUE(solos.count(0));
    EXPECT_GE(solos.size(), 2u);  // a normal game and some solo
    EXPECT_GT(angesagt, 0);
    EXPECT_GT(hochzeit, 0);
}

}  // namespace
