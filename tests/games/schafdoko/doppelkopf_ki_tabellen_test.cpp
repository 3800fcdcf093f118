// The Doppelkopf computer player's number tables: the cost of spending a trump, the score of a
// candidate card (winning chance against the trick's points, showing the party, the Fuchs and
// Doppelkopf terms, the card's cost and the bonus by the points below it), the normal-game
// rating's reductions and classes, the solo levels of an opponent's hand and the announcement
// rule. Every expected value is worked out by hand from the rules.
#include <gtest/gtest.h>

#include "games/schafkopf_doppelkopf/doppelkopf_ki.h"

namespace {

using doppelkopfki::Kandidat;

TEST(DoppelkopfKiTabellen, SpendingATrumpCostsByTheUnseenCardsAboveIt) {
    const std::pair<int, int> faelle[] = {{0, 120}, {1, 80}, {2, 60}, {3, 40}, {4, 20}, {5, 20}, {6, 10},
                                          {8, 10},  {9, 5},  {11, 5}, {12, 0}, {20, 0}};
    for (const auto& [n, kosten] : faelle) EXPECT_EQ(doppelkopfki::trumpfKosten(n), kosten) << n;
}

TEST(DoppelkopfKiTabellen, TheBonusRungsByThePointsBelowTheCardLeaveNoBandUndefined) {
    // q = 10: the rungs lie at 20, 15, 12, 10 above and 4 and 6 below
    // exactly 2q is the -60 rung (no second rung at 2q), 9 above 0.8q is still 50 (no rung of 25)
    const std::pair<float, int> faelle[] = {{25.0f, -200}, {20.0f, -60}, {16.0f, -60}, {13.0f, -30}, {11.0f, -10},
                                            {10.0f, 50},   {9.0f, 50},   {8.0f, 50},   {6.5f, 50},   {6.0f, 0},
                                            {5.0f, 0},     {4.0f, 0},    {3.0f, 90},   {0.0f, 90}};
    for (const auto& [v, r] : faelle) EXPECT_EQ(doppelkopfki::vergleichStufe(v, 10.0f), r) << v;
}

struct Punkte {
    float p, augen;
    int offenbar, fig1, fig2;
    float kartenWert, vergleich;
    int erwartet;
};

TEST(DoppelkopfKiTabellen, ACandidatesScoreAddsItsTermsAsTheRulesSay) {
    const Punkte faelle[] = {
        // an even chance: the points cancel, the card costs its value once, no bonus
        {0.5f, 20, 0, 0, 0, 40, 100, -40},
        // the Fuchs and Doppelkopf terms: up to 50 five times, above twenty times
        {0.0f, 0, 0, 51, 0, 0, 0, 1020},
        {0.0f, 0, 0, 30, 20, 0, 0, 250},
        {0.0f, 0, 0, -20, -30, 0, 0, -250},
        {0.0f, 0, 0, 0, -51, 0, 0, -1020},
        // showing the party: a Kreuz-Dame that opens it, one that confirms it above p 0.3
        {0.5f, 0, 2, 0, 0, 0, 0, 230},
        {0.5f, 0, 1, 0, 0, 0, 0, 130},
        {0.3f, 0, 1, 0, 0, 0, 0, 0},
        {0.5f, 0, 7, 0, 0, 0, 0, 230},
        // p 0.9 on 40 points: 360 - 40 = 320, then the bonus by the points below (q = 10)
        {0.9f, 40, 0, 0, 0, 0, 25, 100},  // -200 x 1.1
        {0.9f, 40, 0, 0, 0, 0, 16, 254},  // -60 x 1.1
        {0.9f, 40, 0, 0, 0, 0, 11, 309},  // -10 x 1.1
        {0.9f, 40, 0, 0, 0, 0, 8, 340},   // 50 x 0.4
        {0.9f, 40, 0, 0, 0, 0, 5, 320},   // the open band gives nothing
        {0.9f, 40, 0, 0, 0, 0, 3, 356},   // 90 x 0.4
        // a sure trick costs the card twice: 400 - 2 x 120, and nothing below it gives 90 x 0.5
        {1.0f, 40, 0, 0, 0, 120, 0, 205},
    };
    for (const Punkte& f : faelle) {
        Kandidat c;
        c.pGewinn = f.p;
        c.stichAugen = f.augen;
        c.offenbar = f.offenbar;
        c.fig1 = f.fig1;
        c.fig2 = f.fig2;
        c.kartenWert = f.kartenWert;
        c.vergleich = f.vergleich;
        EXPECT_EQ(doppelkopfki::kandidatPunkte(c), f.erwartet)
            << f.p << " " << f.augen << " " << f.offenbar << " " << f.fig1 << "+" << f.fig2 << " " << f.kartenWert
            << " " << f.vergleich;
    }
}

TEST(DoppelkopfKiTabellen, TheNormalGameSumIsReducedByTheMissedThresholds) {
    struct Fall {
        int trumpf, seite, summe, fehl;
    };
    const Fall faelle[] = {
        {30, 20, 50, 0},  // nothing missed
        {10, 5, 6, 7},    // 3 trump and 4 side thresholds missed: 15 x 0.4
        {14, 11, 21, 2},  // 25 x 0.84 = 21, below 27: no second count
        {16, 14, 26, 4},  // 30 kept, then 3 + 1 missed of the higher ones: 21.6 -> 22, raised to 26
        {8, 9, 8, 6},     // 17 x 0.5 = 8.5, rounded half to even
        {20, 16, 36, 0},  // both counts clear
        {18, 14, 28, 2},  // second count 18 < 19 and 14 < 15: 32 x 0.86 = 27.52 -> 28
        {19, 12, 27, 2},  // 12 clears the first side thresholds, misses 15 and 13: 31 x 0.86 = 26.66
    };
    for (const Fall& f : faelle) {
        int fehl = -1;
        const int s = doppelkopfki::reduziert(f.trumpf, f.seite, fehl);
        EXPECT_EQ(s, f.summe) << f.trumpf << "/" << f.seite;
        EXPECT_EQ(fehl, f.fehl) << f.trumpf << "/" << f.seite;
    }
}

TEST(DoppelkopfKiTabellen, TheAnnouncementClassFollowsTheSum) {
    const std::pair<int, int> faelle[] = {{60, 5}, {56, 5}, {55, 4}, {48, 4}, {47, 3}, {40, 3}, {39, 2},
                                          {27, 2}, {26, 1}, {23, 1}, {22, 0}, {0, 0}};
    for (const auto& [summe, klasse] : faelle) EXPECT_EQ(doppelkopfki::klasseAus(summe), klasse) << summe;
}

TEST(DoppelkopfKiTabellen, AnOpponentsLevelInASoloByTheThresholds) {
    struct Fall {
        int code, trumpf, seite, stufe;
    };
    // thresholds 78, 58, 152: x 1.1 gives 86, 64, 167; x 0.85 gives 66, 49, 129; x 0.65 gives 51,
    // 38, 99
    const Fall faelle[] = {
        {1, 86, 81, 4}, {1, 86, 80, 3}, {1, 78, 74, 3}, {1, 77, 90, 2}, {1, 66, 63, 2},
        {1, 66, 62, 1}, {1, 51, 48, 1}, {1, 50, 60, 0}, {5, 51, 38, 0},  // 89 < 99
        // the Fleischlose by its side rating alone
        {7, 0, 60, 3},  {7, 100, 59, 2}, {7, 0, 50, 2}, {7, 0, 49, 1}, {7, 0, 40, 1}, {7, 0, 39, 0},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(doppelkopfki::kandidatStufe(f.code, f.trumpf, f.seite, 78, 58, 152), f.stufe)
            << f.code << " " << f.trumpf << "/" << f.seite;
}

TEST(DoppelkopfKiTabellen, TheNextAnnouncementIsMadeUpToTheHandsClass) {
    // levels 1 Re/Kontra, 2 Keine 90, 3 Keine 60, 4 Keine 30, 5 Schwarz; 0 nothing left to say
    for (int naechste = 0; naechste <= 5; ++naechste)
        for (int klasse = 0; klasse <= 5; ++klasse)
            EXPECT_EQ(doppelkopfki::ansagen(naechste, klasse), naechste >= 1 && naechste <= klasse)
                << naechste << " " << klasse;
    EXPECT_TRUE(doppelkopfki::ansagen(2, 2));   // class 2: Keine 90
    EXPECT_FALSE(doppelkopfki::ansagen(3, 2));  // but not Keine 60
}

TEST(DoppelkopfKiTabellen, InASoloTheClassIsTheHandsLevelForThatSolo) {
    TDoppelkopfKiWahl w{};
    w.klasse = 3;
    w.stufenSolo[7 - 1] = 4;  // a Fleischloser held as the soloist may reach level 4
    w.stufenGegner[7 - 1] = 1;
    w.stufenSolo[2 - 1] = 2;
    w.stufenGegner[2 - 1] = 0;
    EXPECT_EQ(doppelkopfki::ansageKlasse(w, 0, false), 3);
    EXPECT_EQ(doppelkopfki::ansageKlasse(w, 7, true), 4);
    EXPECT_EQ(doppelkopfki::ansageKlasse(w, 7, false), 1);
    EXPECT_EQ(doppelkopfki::ansageKlasse(w, 2, true), 2);
    EXPECT_EQ(doppelkopfki::ansageKlasse(w, 2, false), 0);
    EXPECT_TRUE(doppelkopfki::ansagen(4, doppelkopfki::ansageKlasse(w, 7, true)));   // Keine 30
    EXPECT_FALSE(doppelkopfki::ansagen(5, doppelkopfki::ansageKlasse(w, 7, true)));  // not Schwarz
}

}  // namespace
