// Whole Schafkopf series in the headless harness with every seat answering at random among the
// legal answers, under several rule sets: the 32 cards stay on the table, every card played was
// legal for its seat, every deal holds 120 card points and is booked as settled with amounts that
// add up to zero, nothing stalls and no consistency message appears.
#include <gtest/gtest.h>

#include <set>

#include "sd_lauf.h"

TEST(SchafkopfSoak, RandomSeriesUnderSeveralRuleSetsReachEveryGame) {
    std::set<int> typen;
    bool tout = false, kontra = false, re = false;
    int deals = 0;
    const std::vector<sdtest::Optionen> saetze = {
        {{"Runden", 12}},
        {{"Runden", 12}, {"Farbwenz", 1}, {"Farbgeier", 1}, {"Bettel", 1}, {"Ramsch", 1}},
        {{"Runden", 12}, {"StillesSolo", 1}, {"Tout", 0}, {"Spielwert", 2}, {"Laufende", 0}},
        {{"Runden", 12}, {"Kontra", 0}, {"Ramsch", 1}, {"Bettel", 1}},
    };
    for (uint64_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        int dealsDerSerie = 0;
        sdtest::serie(sdtest::schafkopfSpiel(), seed, saetze[seed % saetze.size()], [&] {
            ++deals;
            ++dealsDerSerie;
            const TSchafkopfSpiel& sp = cg.schafkopf.spiel;
            // every deal of the series is counted once in the statistics, in its own pair
            const schafkopf::Statistik& st = schafkopf::statistik();
            EXPECT_EQ(st.ohneSpieler + st.gewonnen + st.verloren + st.toutGewonnen + st.toutVerloren, dealsDerSerie);
            if (sp.typ == schafkopf::kRamsch || sp.typ == schafkopf::kKeinSpiel) {
                EXPECT_GE(st.ohneSpieler, 1);
            }
            if (sp.tout) {
                EXPECT_GE(st.toutGewonnen + st.toutVerloren, 1);
            }
            typen.insert(sp.typ);
            tout = tout || sp.tout;
            kontra = kontra || cg.schafkopf.z.kontra >= 1;
            re = re || cg.schafkopf.z.kontra >= 2;
        });
        if (HasFatalFailure()) return;
    }
    EXPECT_GE(deals, 144);
    for (int typ :
         {schafkopf::kSolo, schafkopf::kWenz, schafkopf::kGeier, schafkopf::kFarbwenz, schafkopf::kFarbgeier,
          schafkopf::kBettel, schafkopf::kRufspiel, schafkopf::kRamsch, schafkopf::kKeinSpiel})
        EXPECT_TRUE(typen.count(typ)) << typ;
    EXPECT_TRUE(tout);
    EXPECT_TRUE(kontra);
    EXPECT_TRUE(re);
}
