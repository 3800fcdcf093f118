// Whole Schafkopf series in the headless harness with every seat answering at random among the
// legal answers, under several rule sets: the 32 cards stay on the table, every card played was
// legal for its seat, every deal holds 120 card points and is booked as settled with amounts that
// add up to zero, nothing stalls and no consistency message appears.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/central.h"
#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "harness/lib/harness.h"
#include "table/glu.h"

namespace {

// Every card that reaches the trick was among the legal cards of its seat just before.
struct Legalitaet {
    std::vector<karte> erlaubt;
    int seat = 0;
    int stichAnz = 0;
    bool pruefen(std::string& warum) {
        const TSchafkopfZustand& z = cg.schafkopf.z;
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
        erlaubt = seat ? schafkopf::spielbareKarten() : std::vector<karte>{};
        return true;
    }
};

struct Zahlen {
    std::set<int> typen;
    bool tout = false, kontra = false, re = false, keinSpiel = false;
    int deals = 0;
};

void serie(uint64_t seed, const std::vector<std::pair<const char*, int>>& optionen, Zahlen& z) {
    harness::Einstellung e;
    e.spielId = spiele::kSchafkopf;
    e.spieler = 4;
    e.seed = seed;
    e.menschAlsComputer = false;
    harness::Lauf lauf(e);
    schafkopf::anmelden();
    schafkopf::optionenStandard();
    for (const auto& [name, wert] : optionen) ASSERT_TRUE(schafkopf::optionSetzen(name, wert)) << name;
    lauf.antworter = [](TCG&) {
        schafkopf::zufallsAntwort();
        return true;
    };
    Legalitaet legal;
    lauf.invariante = [&](const TCG&, std::string& warum) {
        return schafkopf::kartenErhalten(warum) && legal.pruefen(warum);
    };
    bool erstes = true;
    while (erstes || !schafkopf::partieEnde()) {
        const int32_t vorher[5] = {0, cg.konto[1], cg.konto[2], cg.konto[3], cg.konto[4]};
        ASSERT_TRUE(lauf.starten(erstes ? 0 : 1));
        for (int s = 1; s <= 4; ++s) cg.stapelListen[s].computer = 0;
        erstes = false;
        legal = Legalitaet{};
        ASSERT_GE(lauf.bis(schafkopf::dealVorbei), 0) << "seed " << seed;
        std::string warum;
        EXPECT_TRUE(schafkopf::dealPruefen(vorher, warum)) << warum << " seed " << seed;
        ++z.deals;
        const TSchafkopfSpiel& sp = cg.schafkopf.spiel;
        z.typen.insert(sp.typ);
        z.tout = z.tout || sp.tout;
        z.kontra = z.kontra || cg.schafkopf.z.kontra >= 1;
        z.re = z.re || cg.schafkopf.z.kontra >= 2;
        z.keinSpiel = z.keinSpiel || sp.typ == schafkopf::kKeinSpiel;
        ASSERT_FALSE(::testing::Test::HasFailure());
    }
}

}  // namespace

TEST(SchafkopfSoak, RandomSeriesUnderSeveralRuleSetsReachEveryGame) {
    Zahlen z;
    const std::vector<std::vector<std::pair<const char*, int>>> saetze = {
        {{"Runden", 12}},
        {{"Runden", 12}, {"Farbwenz", 1}, {"Farbgeier", 1}, {"Bettel", 1}, {"Ramsch", 1}},
        {{"Runden", 12}, {"StillesSolo", 1}, {"Tout", 0}, {"Spielwert", 2}, {"Laufende", 0}},
        {{"Runden", 12}, {"Kontra", 0}, {"Ramsch", 1}, {"Bettel", 1}},
    };
    for (uint64_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE(seed);
        serie(seed, saetze[seed % saetze.size()], z);
        if (HasFatalFailure()) return;
    }
    EXPECT_GE(z.deals, 96);
    for (int typ : {schafkopf::kSolo, schafkopf::kWenz, schafkopf::kGeier, schafkopf::kFarbwenz,
                    schafkopf::kFarbgeier, schafkopf::kBettel, schafkopf::kRufspiel, schafkopf::kRamsch})
        EXPECT_TRUE(z.typen.count(typ)) << typ;
    EXPECT_TRUE(z.tout);
    EXPECT_TRUE(z.kontra);
    EXPECT_TRUE(z.re);
}
