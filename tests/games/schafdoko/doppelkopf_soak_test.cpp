// Whole Doppelkopf series in the headless harness with every seat answering at random among the
// legal answers, under several rule sets: the 48 cards stay on the table, every card played was
// legal for its seat, every deal holds 240 card points and is booked as settled with amounts that
// add up to zero, nothing stalls and no consistency message appears.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/central.h"
#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "harness/lib/harness.h"
#include "table/glu.h"

namespace {

// Every card that reaches the trick was among the legal cards of its seat just before.
struct Legalitaet {
    std::vector<karte> erlaubt;
    int seat = 0;
    int stichAnz = 0;
    bool pruefen(std::string& warum) {
        const TDoppelkopfZustand& z = cg.doppelkopf.z;
        if (z.stichAnz > stichAnz && z.stichAnz >= 1 && seat >= 1) {
            const karte k = z.stich[z.stichAnz - 1];
            if (k.nr != seat ||
                std::none_of(erlaubt.begin(), erlaubt.end(), [&](const karte& x) { return gleich(x, k); })) {
                warum = "Sitz " + std::to_string(k.nr) + " spielt eine Karte, die nicht erlaubt war";
                return false;
            }
        }
        stichAnz = z.stichAnz;
        seat = cg.phase.nr == 4 ? cg.aktSpieler : 0;
        erlaubt = seat ? doppelkopf::spielbareKarten() : std::vector<karte>{};
        return true;
    }
};

struct Zahlen {
    std::set<int> solos;
    bool hochzeit = false, hochzeitSolo = false, stilles = false, remis = false, fuchs = false,
         karlchen = false;
    int reStufe = 0, kontraStufe = 0;
    int deals = 0;
};

void serie(uint64_t seed, const std::vector<std::pair<const char*, int>>& optionen, Zahlen& z) {
    harness::Einstellung e;
    e.spielId = spiele::kDoppelkopf;
    e.spieler = 4;
    e.seed = seed;
    e.menschAlsComputer = false;
    harness::Lauf lauf(e);
    doppelkopf::anmelden();
    doppelkopf::optionenStandard();
    for (const auto& [name, wert] : optionen) ASSERT_TRUE(doppelkopf::optionSetzen(name, wert)) << name;
    lauf.antworter = [](TCG&) {
        doppelkopf::zufallsAntwort();
        return true;
    };
    Legalitaet legal;
    lauf.invariante = [&](const TCG&, std::string& warum) {
        return doppelkopf::kartenErhalten(warum) && legal.pruefen(warum);
    };
    bool erstes = true;
    while (erstes || !doppelkopf::partieEnde()) {
        const int32_t vorher[5] = {0, cg.konto[1], cg.konto[2], cg.konto[3], cg.konto[4]};
        ASSERT_TRUE(lauf.starten(erstes ? 0 : 1));
        for (int s = 1; s <= 4; ++s) cg.stapelListen[s].computer = 0;
        erstes = false;
        legal = Legalitaet{};
        ASSERT_GE(lauf.bis(doppelkopf::dealVorbei), 0) << "seed " << seed;
        std::string warum;
        EXPECT_TRUE(doppelkopf::dealPruefen(vorher, warum)) << warum << " seed " << seed;
        ++z.deals;
        const TDoppelkopfZustand& dz = cg.doppelkopf.z;
        if (!dz.stilles) z.solos.insert(dz.soloTyp);
        z.hochzeit = z.hochzeit || (dz.hochzeit != 0 && dz.partner != 0);
        z.hochzeitSolo = z.hochzeitSolo || (dz.hochzeit != 0 && dz.stilles);
        z.stilles = z.stilles || (dz.hochzeit == 0 && dz.stilles);
        z.reStufe = std::max<int>(z.reStufe, dz.reStufe);
        z.kontraStufe = std::max<int>(z.kontraStufe, dz.kontraStufe);
        z.remis = z.remis || doppelkopf::letztesErgebnis().text1.rfind("Unentschieden", 0) == 0;
        z.fuchs = z.fuchs || doppelkopf::letztesErgebnis().text1.find("Fuchs") != std::string::npos;
        z.karlchen = z.karlchen || doppelkopf::letztesErgebnis().text1.find("Karlchen") != std::string::npos;
        ASSERT_FALSE(::testing::Test::HasFailure());
    }
}

}  // namespace

TEST(DoppelkopfSoak, RandomSeriesUnderSeveralRuleSetsReachEverySoloHochzeitAndAnnouncement) {
    Zahlen z;
    const std::vector<std::vector<std::pair<const char*, int>>> saetze = {
        {{"Runden", 15}},
        {{"Runden", 15}, {"BubenDamensolo", 1}, {"ZweiteDulle", 0}, {"SoloAnzug", 1}},
        {{"Runden", 15}, {"Re", 0}, {"Keine60", 0}, {"SoloAnzug", 3}, {"Fuchs", 0}},
        {{"Runden", 15}, {"Doppelkopf", 0}, {"Karlchen", 0}, {"BubenDamensolo", 1}},
    };
    for (uint64_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        serie(seed, saetze[seed % saetze.size()], z);
        if (HasFatalFailure()) return;
    }
    EXPECT_GE(z.deals, 180);
    for (int solo = 0; solo <= 8; ++solo) EXPECT_TRUE(z.solos.count(solo)) << solo;
    EXPECT_TRUE(z.hochzeit);
    EXPECT_TRUE(z.stilles);
    EXPECT_EQ(z.reStufe, 5);
    EXPECT_EQ(z.kontraStufe, 5);
    EXPECT_TRUE(z.remis);
    EXPECT_TRUE(z.fuchs);
    EXPECT_TRUE(z.karlchen);
}
