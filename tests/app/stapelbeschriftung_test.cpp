// The labels on the piles of won tricks, by game.
#include <gtest/gtest.h>

#include "app/spielanbindung.h"
#include "core/cg.h"
#include "core/spiele.h"
#include "games/skat_jass_schnapsen/schnapsen.h"
#include "table/glu.h"

namespace {

// Schnapsen: a seat's trick points plus its announcements; without a trick only the announced
// points, in parentheses. Other games without labels get none.
TEST(StapelBeschriftung, SchnapsenTrickPointsWithAnnouncements) {
    cg.spielId = spiele::kSchnapsen;
    TSpieler& stiche1 = glu::spieler[6];
    stiche1.anz = 2;
    stiche1.at(1).c = karte{schnapsen::kAss, 1, 0};   // 11
    stiche1.at(2).c = karte{schnapsen::kZehn, 1, 0};  // 10
    glu::spieler[7].anz = 0;
    cg.schnapsen.angesagt.at(1) = 20;
    cg.schnapsen.angesagt.at(2) = 40;
    EXPECT_EQ(glapp::stapelBeschriftung(7, 2), "41");
    EXPECT_EQ(glapp::stapelBeschriftung(8, 1), "(40)");
    cg.spielId = spiele::kMauMau;
    EXPECT_EQ(glapp::stapelBeschriftung(7, 2), "");
    stiche1.anz = 0;
    cg = TCG{};
}

}  // namespace
