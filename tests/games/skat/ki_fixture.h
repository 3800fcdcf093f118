// A Skat table for the computer player's tests: an empty game record, the rules tables, the three
// seats as "Profi" with a character that never draws a chance, hands laid into the stacks.
#pragma once
#include <gtest/gtest.h>

#include <cstring>

#include "core/central.h"
#include "core/seams.h"
#include "games/skat/skat_karten.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/skat_jass_schnapsen/skat_ki.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace skattest {

class KiTisch : public testing::Test {
protected:
    void SetUp() override {
        std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
        cg.spielId = 1;
        skat_1::tabellenSetzen();
        skat_1::reizliste(24);
        seams::spiele.winsu = skat_1::winsu;
        for (int s = 1; s <= 3; ++s) {
            cg.sitzEinstellungen.at(s).staerke = 3;
            glu::spieler[s - 1].anz = 0;
            skat_1::bewertung(s) = skat_1::Bewertung{};
        }
        for (int s : {11, 12}) glu::spieler[s - 1].anz = 0;
        skat_1::stichKarten().anz = 3;
        rnd::seed(7);
    }
    void TearDown() override { seams::spiele = seams::Spiele{}; }

    // The declared game: type, declarer, level.
    void spiel(int typ, int allein, int stufe = 0) {
        cg.skat.sk.typ = typ;
        cg.skat.spiel.typ = typ;
        cg.skat.sk.alleinspieler = allein;
        cg.skat.spiel.alleinspieler = allein;
        cg.skat.spiel.stufe = static_cast<uint8_t>(stufe);
        cg.skat.spiel.ramsch = typ == skat_1::kRamsch;
        skat_1::rangTabelle(typ);
    }
    void legen(int stack, const hand& h) {
        TSpieler& s = glu::spieler[stack - 1];
        s.anz = 0;
        for (int i = 1; i <= h.anz; ++i) {
            s.at(i) = TKartenSlot{};
            s.at(i).c = h.at(i);
            s.anz = i;
        }
        s.hand = h;
    }
    // Cards already in the trick, in playing order from the seat that led.
    void stichLegen(int anspieler, const hand& karten) {
        hand& st = skat_1::stich();
        st = hand{};
        int seat = anspieler;
        for (int i = 1; i <= karten.anz; ++i) {
            karte k = karten.at(i);
            skat_1::stichKarten().at(seat) = k;
            k.nr = static_cast<uint16_t>(seat);
            handaddk(st, k);
            seat = skat_1::naechster(seat);
        }
    }
    void charakter(int seat, int wahrs, int krafe = 0, int wafe = 0, int kont = 0) {
        TSkatCharakter& c = cg.sitzEinstellungen.at(seat).skat;
        c.wahrs = wahrs;
        c.krafe = krafe;
        c.wafe = wafe;
        c.kont = kont;
    }
};

}  // namespace skattest
