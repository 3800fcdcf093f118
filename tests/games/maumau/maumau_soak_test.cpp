// Whole Mau Mau matches in the headless harness: cards conserved after every frame, no answer
// refused, every round booked with points that match its hands, every match ending.
#include <gtest/gtest.h>

#include "core/central.h"
#include "core/spiele.h"
#include "games/rummy_shedding/maumau.h"
#include "harness/lib/harness.h"

namespace {

struct Variante {
    const char* name;
    int spieler;
    bool positiv, ziehenSammeln, aussetzenSammeln, aufWunsch;
    int nochmal;  // value of the lay-another card, 9 none
    int levels;   // 0: random legal answers, 3: the computer player
};

void spielen(const Variante& v, uint64_t seed) {
    harness::Einstellung e;
    e.spielId = spiele::kMauMau;
    e.spieler = v.spieler;
    e.seed = seed;
    harness::Lauf lauf(e);
    maumau::anmelden();
    cg.maumau = TMaumau{};
    maumau::standardOptionen(cg.maumau);
    cg.maumau.positiv = v.positiv;
    cg.maumau.ziehenSammeln = v.ziehenSammeln;
    cg.maumau.aussetzenSammeln = v.aussetzenSammeln;
    cg.maumau.wunschAufWunsch = v.aufWunsch;
    cg.maumau.sonderWert[maumau::kNochmal] = v.nochmal;
    cg.maumau.punkteLimit = 60;
    const int level = v.levels;
    central::dienste.staerke = [](int, int) { return 3; };
    if (level == 0) central::dienste.staerke = [](int, int) { return 0; };
    maumau::abgewiesenLoeschen();
    lauf.invariante = [](const TCG&, std::string& warum) { return maumau::kartenErhalten(warum); };
    ASSERT_TRUE(lauf.starten(0));
    cg.sitzEinstellungen.at(1).staerke = level;
    for (int runde = 1; runde <= 40; ++runde) {
        int32_t vorher[7] = {};
        for (int s = 1; s <= v.spieler; ++s) vorher[s] = cg.konto[s];
        ASSERT_GE(lauf.bis(maumau::rundeVorbei), 0);
        const TGameResult& r = maumau::letztesErgebnis();
        int summe = 0, nullen = 0;
        for (int s = 1; s <= v.spieler; ++s) {
            EXPECT_EQ(cg.konto[s] - vorher[s], r.at(s)) << "seat " << s;
            summe += r.at(s);
            if (r.at(s) == 0) ++nullen;
            if (v.positiv) {
                EXPECT_GE(r.at(s), 0);
            } else {
                EXPECT_LE(r.at(s), 0);
            }
        }
        EXPECT_EQ(r.at(r.spieler), v.positiv ? summe : 0);
        if (v.positiv) {
            EXPECT_GE(nullen, v.spieler - 1);
        }
        if (maumau::partieEnde()) break;
        ASSERT_LT(runde, 40) << "the match did not end";
        ASSERT_TRUE(lauf.starten(1));
        cg.sitzEinstellungen.at(1).staerke = level;
    }
    EXPECT_EQ(maumau::abgewiesen(), 0);
}

TEST(MauMauSoak, MatchesEndWithCardsConservedAndPointsBooked) {
    const Variante varianten[] = {
        {"4 seats, negative", 4, false, true, false, false, 9, 3},
        {"2 seats, positive, lay-another", 2, true, false, true, true, 5, 3},
        {"6 seats, two packs", 6, false, false, true, false, 6, 3},
        {"3 seats, random answers", 3, false, true, true, true, 5, 0},
    };
    for (const auto& v : varianten) {
        for (uint64_t seed = 1; seed <= 4; ++seed) {
            SCOPED_TRACE(testing::Message() << v.name << ", seed " << seed);
            spielen(v, seed);
            if (HasFatalFailure()) return;
        }
    }
}

}  // namespace
