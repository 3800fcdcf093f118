// Whole Skat matches between computer seats in the headless harness, under several rule sets:
// every card stays on the table, every card played follows suit when it must, every deal adds
// up to 120 card points and is booked as settled, nothing stalls and no consistency message
// appears. The same seeds replay the same matches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/central.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "harness/lib/harness.h"
#include "table/glu.h"

namespace {

struct Zahlen {
    int proTyp[13] = {}, gewonnenProTyp[13] = {};
    int deals = 0, mitSpieler = 0, gewonnen = 0, ramsch = 0, ramschOhneReizen = 0, eingepasst = 0,
        ueberreizt = 0, frames = 0;
};

void optionenSetzen(int satz) {
    TSkatOptionen& o = cg.skat.optionen;
    o.grandGrundwert = 24;
    o.bockrunden = o.ramschrunden = 1;
    o.geldProPunkt = 1;
    ASSERT_TRUE(skat::optionSetzen("Wertung", 1 + satz % 4));
    ASSERT_TRUE(skat::optionSetzen("Spiele", 18));
    if (satz % 2 == 1) {
        ASSERT_TRUE(skat::optionSetzen("Kontra", 3));
        o.nachSpielansage = satz % 4 == 1;  // else after the first trick
        ASSERT_TRUE(skat::optionSetzen("Rum", 1));
        ASSERT_TRUE(skat::optionSetzen("Spitze", 1));
    }
    if (satz % 3 == 2) {
        ASSERT_TRUE(skat::optionSetzen("Bock", 3));
        ASSERT_TRUE(skat::optionSetzen("Ramsch", 1));
        o.bubenSchieben = satz % 2;
    }
    EXPECT_FALSE(skat::optionSetzen("Gibt es nicht", 1));
}

Zahlen matchSpielen(uint64_t seed, int satz, bool zufall = false) {
    Zahlen z;
    harness::Einstellung e;
    e.spielId = spiele::kSkat;
    e.spieler = 3;
    e.seed = seed;
    e.menschAlsComputer = !zufall;
    harness::Lauf lauf(e);
    skat::anmelden();
    optionenSetzen(satz);
    if (zufall) {
        lauf.antworter = [](TCG&) {
            skat::zufallsAntwort();
            return true;
        };
    }
    skat::Bedienpruefung bedienen;
    lauf.invariante = [&](const TCG&, std::string& warum) {
        return skat::kartenErhalten(warum) && bedienen.pruefen(warum);
    };
    bool erstes = true;
    while (erstes || !skat::partieEnde()) {
        int32_t vorher[4] = {0, cg.konto[1], cg.konto[2], cg.konto[3]};
        if (!lauf.starten(erstes ? 0 : 1)) break;
        if (zufall)
            for (int s = 1; s <= 3; ++s) cg.stapelListen[s].computer = 0;
        erstes = false;
        const int f = lauf.bis(skat::dealVorbei);
        EXPECT_GE(f, 0);
        if (f < 0) break;
        z.frames += f;
        ++z.deals;
        const TGameResult& r = skat::letztesErgebnis();
        const TSkatSpiel& sp = cg.skat.spiel;
        std::string warum;
        EXPECT_TRUE(skat::dealPruefen(vorher, warum)) << "Deal " << z.deals << ": " << warum;
        if (sp.ramsch) {
            ++z.ramsch;
            if (!sp.schieberamsch) ++z.ramschOhneReizen;
        } else if (sp.typ == skat_1::kEingepasst) {
            ++z.eingepasst;
        } else {
            ++z.mitSpieler;
            if (sp.typ == skat_1::kUeberreizt) ++z.ueberreizt;
            if (r.gewonnen) ++z.gewonnen;
            const int t = sp.typ == skat_1::kUeberreizt ? 0 : sp.typ;
            if (t >= 0 && t <= 12) {
                ++z.proTyp[t];
                if (r.gewonnen) ++z.gewonnenProTyp[t];
            }
        }
    }
    // the developer line's counters saw each deal with a declarer once, Null apart
    const skat::Statistik& st = skat::statistik();
    EXPECT_EQ(st.nullGewonnen, z.gewonnenProTyp[10]);
    EXPECT_EQ(st.nullVerloren, z.proTyp[10] - z.gewonnenProTyp[10]);
    EXPECT_EQ(st.gewonnen + st.nullGewonnen, z.gewonnen);
    EXPECT_EQ(st.gewonnen + st.verloren + st.nullGewonnen + st.nullVerloren, z.mitSpieler);
    return z;
}

}  // namespace

class SkatSoak : public testing::Test {
protected:
    void SetUp() override {
        skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
        skat_1::musterVergessen();
    }
};

// Matches with seeds erster, erster + 1, ... under the rule sets in turn, summed and shown.
Zahlen spielen(int matches, uint64_t erster) {
    Zahlen g;
    for (int m = 0; m < matches; ++m) {
        SCOPED_TRACE(erster + static_cast<uint64_t>(m));
        const Zahlen z = matchSpielen(erster + static_cast<uint64_t>(m), static_cast<int>((erster + m) % 6));
        if (testing::Test::HasFailure()) break;
        g.deals += z.deals;
        g.mitSpieler += z.mitSpieler;
        g.gewonnen += z.gewonnen;
        g.ramsch += z.ramsch;
        g.ramschOhneReizen += z.ramschOhneReizen;
        g.eingepasst += z.eingepasst;
        g.ueberreizt += z.ueberreizt;
        g.frames += z.frames;
        for (int t = 0; t <= 12; ++t) {
            g.proTyp[t] += z.proTyp[t];
            g.gewonnenProTyp[t] += z.gewonnenProTyp[t];
        }
    }
    for (int t = 0; t <= 12; ++t)
        if (g.proTyp[t]) std::printf("type %d: %d games, %d won\n", t, g.proTyp[t], g.gewonnenProTyp[t]);
    const int gereizt = g.mitSpieler + g.eingepasst + g.ramschOhneReizen;
    std::printf(
        "%d deals, %d bid, %d with a declarer (%.1f%%), declarers won %d (%.1f%%), %d overbid, "
        "%d Ramsch (%d after all passed), %d passed in, %d frames\n",
        g.deals, gereizt, g.mitSpieler, 100.0 * g.mitSpieler / std::max(1, gereizt), g.gewonnen,
        100.0 * g.gewonnen / std::max(1, g.mitSpieler), g.ueberreizt, g.ramsch, g.ramschOhneReizen,
        g.eingepasst, g.frames);
    return g;
}

TEST_F(SkatSoak, MatchesUnderEveryRuleSetPlayToTheirEnd) {
    const Zahlen z = spielen(24, 1);
    EXPECT_GE(z.deals, 24 * 18);
}

TEST_F(SkatSoak, RandomLegalAnswersNeverBreakTheDeal) {
    for (uint64_t seed = 100; seed < 112; ++seed) {
        SCOPED_TRACE(seed);
        const Zahlen z = matchSpielen(seed, static_cast<int>(seed % 6), true);
        ASSERT_FALSE(HasFailure());
        EXPECT_GE(z.deals, 18);
    }
}

TEST_F(SkatSoak, OneSeedReplaysTheSameMatch) {
    const Zahlen a = matchSpielen(77, 5);
    const int32_t konto1 = cg.konto[1];
    const Zahlen b = matchSpielen(77, 5);
    EXPECT_EQ(a.frames, b.frames);
    EXPECT_EQ(konto1, cg.konto[1]);
}

// The long run for figures: SKAT_SOAK_MATCHES=n plays n matches of 18 deals (skipped without it).
TEST_F(SkatSoak, LongRunFromTheEnvironment) {
    const char* n = std::getenv("SKAT_SOAK_MATCHES");
    if (!n) GTEST_SKIP() << "SKAT_SOAK_MATCHES not set";
    spielen(std::atoi(n), 1001);
}

// bench/selfplay drives Skat through its entry alone: registration, options by name, rounds to
// their end, the checks after each round, and the yardstick player.
TEST_F(SkatSoak, SelfplayEntryPlaysRoundsOnItsOwn) {
    const skat::SelfplayEintrag s = skat::selfplayEintrag();
    EXPECT_EQ(s.spielId, spiele::kSkat);
    EXPECT_STREQ(s.kuerzel, "ska");
    harness::Einstellung e;
    e.spielId = s.spielId;
    e.spieler = s.spieler;
    e.seed = 9;
    e.menschAlsComputer = false;
    harness::Lauf lauf(e);
    s.anmelden();
    ASSERT_TRUE(s.optionSetzen("Spiele", 3));
    ASSERT_TRUE(s.optionSetzen("Kontra", 3));
    lauf.antworter = [&](TCG&) {
        s.zufallsAntwort();
        return true;
    };
    lauf.invariante = [&](const TCG&, std::string& warum) { return s.kartenErhalten(warum); };
    for (int runde = 0; runde < 3; ++runde) {
        const int32_t vorher[4] = {0, cg.konto[1], cg.konto[2], cg.konto[3]};
        ASSERT_TRUE(lauf.starten(runde == 0 ? 0 : 1));
        for (int sitz = 1; sitz <= 3; ++sitz) cg.stapelListen[sitz].computer = 0;
        ASSERT_GE(lauf.bis(s.dealVorbei), 0);
        std::string warum;
        EXPECT_TRUE(s.dealPruefen(vorher, warum)) << warum;
        EXPECT_FALSE(s.ergebnis().text2.empty());
    }
    EXPECT_TRUE(skat::partieEnde());
}
