// Strength: a series of deals with a "Profi" in seat 1 against two "Anfänger" seats. The Profi
// must gain more game points per deal than the Anfänger seats on average. SKAT_KI_DEALS sets a
// longer series, SKAT_KI_GEGNER another level for seats 2 and 3 (0: the random-legal player); the
// figures (game points per deal with their 95% interval, declarer win rates) are printed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/central.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "harness/lib/harness.h"

namespace {

int kStufen[4] = {0, 3, 1, 1};

struct Sitz {
    double summe = 0, quadrate = 0;
    int spiele = 0, gewonnen = 0;
};

}  // namespace

TEST(SkatKiStaerke, ProfiGainsMoreThanAnfaenger) {
    skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
    skat_1::musterVergessen();
    const char* env = std::getenv("SKAT_KI_DEALS");
    const int deals = env ? std::max(1, std::atoi(env)) : 400;
    const char* gegner = std::getenv("SKAT_KI_GEGNER");
    kStufen[2] = kStufen[3] = gegner ? std::clamp(std::atoi(gegner), 0, 3) : 1;
    harness::Einstellung e;
    e.spielId = spiele::kSkat;
    e.spieler = 3;
    e.seed = 11;
    e.menschAlsComputer = true;
    harness::Lauf lauf(e);
    skat::anmelden();
    central::dienste.staerke = [](int, int seat) { return seat >= 1 && seat <= 3 ? kStufen[seat] : 2; };
    cg.skat.optionen.grandGrundwert = 24;
    ASSERT_TRUE(skat::optionSetzen("Wertung", 1));
    ASSERT_TRUE(skat::optionSetzen("Spiele", 36));
    Sitz sitze[4];
    int32_t vorher[4] = {};
    int gespielt = 0;
    bool neu = true;  // a new match starts every account at 0
    while (gespielt < deals) {
        ASSERT_TRUE(lauf.starten(neu ? 0 : 1));
        cg.sitzEinstellungen.at(1).staerke = kStufen[1];
        ASSERT_GE(lauf.bis(skat::dealVorbei), 0);
        ASSERT_FALSE(lauf.fehlgeschlagen());
        ++gespielt;
        for (int s = 1; s <= 3; ++s) {
            const double p = cg.konto[s] - vorher[s];
            sitze[s].summe += p;
            sitze[s].quadrate += p * p;
            vorher[s] = cg.konto[s];
        }
        neu = skat::partieEnde();
        if (neu)
            for (int32_t& k : vorher) k = 0;
        const TSkatSpiel& sp = cg.skat.spiel;
        const TGameResult& r = skat::letztesErgebnis();
        if (!sp.ramsch && sp.typ != skat_1::kEingepasst && r.spieler >= 1 && r.spieler <= 3) {
            sitze[r.spieler].spiele += 1;
            sitze[r.spieler].gewonnen += r.gewonnen ? 1 : 0;
        }
    }
    central::dienste.staerke = nullptr;
    double mittel[4] = {};
    for (int s = 1; s <= 3; ++s) {
        const Sitz& x = sitze[s];
        mittel[s] = x.summe / deals;
        const double var = std::max(0.0, x.quadrate / deals - mittel[s] * mittel[s]);
        const double ci = 1.96 * std::sqrt(var / deals);
        const double rate = x.spiele ? 100.0 * x.gewonnen / x.spiele : 0.0;
        std::printf("seat %d (level %d): %.2f game points per deal (95%% CI +-%.2f), declarer %d of %d won (%.1f%%)\n",
                    s, kStufen[s], mittel[s], ci, x.gewonnen, x.spiele, rate);
    }
    EXPECT_GT(mittel[1], (mittel[2] + mittel[3]) / 2);
}
