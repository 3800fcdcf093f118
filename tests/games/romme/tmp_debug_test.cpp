#include <gtest/gtest.h>
#include <cstdio>
#include "core/central.h"
#include "core/spiele.h"
#include "games/rummy_shedding/romme.h"
#include "harness/lib/harness.h"
#include "table/glu.h"
#include "table/k12.h"
TEST(TmpDebug, Stall) {
    harness::Einstellung e;
    e.spielId = spiele::kRomme; e.spieler = 4; e.seed = 1; e.maxFrames = 200000;
    harness::Lauf lauf(e);
    romme::anmelden();
    central::dienste.staerke = [](int, int) { return 3; };
    bool erstes = true;
    for (int r = 0; r < 2100; ++r) {
        lauf.starten(erstes || romme::partieEnde() ? 0 : 1); erstes = false;
        cg.sitzEinstellungen.at(1).staerke = 3;
        int f = lauf.bis(romme::rundeVorbei);
        if (f < 0) { std::printf("round %d\n", r); break; }
    }
    for (int s = 1; s <= 4; ++s) { std::printf("seat %d:", s); for (int i = 1; i <= glu::spieler[s-1].anz; ++i) std::printf(" %d/%d", glu::spieler[s-1].at(i).c.t, glu::spieler[s-1].at(i).c.f); std::printf("\n"); }
    for (int p = 1; p <= 60; ++p) if (k12.inUse(p)) { hand m; k12.stapelZuHand(p, m); std::printf("pile %d (owner %d):", p, k12.pile(p).besitzer); for (int i = 1; i <= m.anz; ++i) std::printf(" %d/%d", m.at(i).t, m.at(i).f); std::printf("\n"); }
    for (int s : {11, 13}) { TSpieler& S = glu::spieler[s-1]; std::printf("stack %d:", s); for (int i = 1; i <= S.anz; ++i) std::printf(" %d/%d", S.at(i).c.t, S.at(i).c.f); std::printf("\n"); }
}
