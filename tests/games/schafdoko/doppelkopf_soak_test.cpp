// Whole Doppelkopf series in the headless harness with every seat answering at random among the
// legal answers, under several rule sets: the 48 cards stay on the table, every card played was
// legal for its seat, every deal holds 240 card points and is booked as settled with amounts that
// add up to zero, nothing stalls and no consistency message appears.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "sd_lauf.h"

TEST(DoppelkopfSoak, RandomSeriesUnderSeveralRuleSetsReachEverySoloHochzeitAndAnnouncement) {
    std::set<int> solos;
    bool hochzeit = false, stilles = false, remis = false, fuchs = false, karlchen = false;
    int reStufe = 0, kontraStufe = 0, deals = 0;
    const std::vector<sdtest::Optionen> saetze = {
        {{"Runden", 15}},
        {{"Runden", 15}, {"BubenDamensolo", 1}, {"ZweiteDulle", 0}, {"SoloAnzug", 1}},
        {{"Runden", 15}, {"Re", 0}, {"Keine60", 0}, {"SoloAnzug", 3}, {"Fuchs", 0}},
        {{"Runden", 15}, {"Doppelkopf", 0}, {"Karlchen", 0}, {"BubenDamensolo", 1}},
    };
    for (uint64_t seed = 1; seed <= 48; ++seed) {
        SCOPED_TRACE(seed);
        sdtest::serie(sdtest::doppelkopfSpiel(), seed, saetze[seed % saetze.size()], [&] {
            ++deals;
            const TDoppelkopfZustand& z = cg.doppelkopf.z;
            const std::string& t = doppelkopf::letztesErgebnis().text1;
            if (!z.stilles) solos.insert(z.soloTyp);
            hochzeit = hochzeit || (z.hochzeit != 0 && z.partner != 0);
            stilles = stilles || (z.hochzeit == 0 && z.stilles);
            reStufe = std::max<int>(reStufe, z.reStufe);
            kontraStufe = std::max<int>(kontraStufe, z.kontraStufe);
            remis = remis || t.rfind("Unentschieden", 0) == 0;
            fuchs = fuchs || t.find("Fuchs") != std::string::npos;
            karlchen = karlchen || t.find("Karlchen") != std::string::npos;
        });
        if (HasFatalFailure()) return;
    }
    EXPECT_GE(deals, 180);
    for (int solo = 0; solo <= 8; ++solo) EXPECT_TRUE(solos.count(solo)) << solo;
    EXPECT_TRUE(hochzeit);
    EXPECT_TRUE(stilles);
    EXPECT_EQ(reStufe, 5);
    EXPECT_EQ(kontraStufe, 5);
    EXPECT_TRUE(remis);
    EXPECT_TRUE(fuchs);
    EXPECT_TRUE(karlchen);
}
