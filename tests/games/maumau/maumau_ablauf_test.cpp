// The Mau Mau flow with scripted seats: stacked draw-twos, sit-outs in a row, a reverse card
// turned up at the start, and rounds that run out of cards to draw.
#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <set>

#include "core/central.h"
#include "core/envparam.h"
#include "core/spiele.h"
#include "games/rummy_shedding/maumau.h"
#include "harness/lib/harness.h"
#include "karten_helfer.h"
#include "table/glu.h"

namespace {

using kartentest::k;
using kartentest::legen;
using kartentest::st;

// A game of n seats whose every seat the test answers itself.
struct MauMauAblauf : testing::Test {
    std::unique_ptr<harness::Lauf> lauf;

    void starten(int n, uint64_t seed = 3) {
        harness::Einstellung e;
        e.spielId = spiele::kMauMau;
        e.spieler = n;
        e.seed = seed;
        e.menschAlsComputer = false;
        e.maxFrames = 20000;
        lauf.reset();  // the old run empties the services when it goes
        lauf = std::make_unique<harness::Lauf>(e);
        maumau::anmelden();
        cg.maumau = TMaumau{};
        maumau::standardOptionen(cg.maumau);
        maumau::abgewiesenLoeschen();
        ASSERT_TRUE(lauf->starten(0));
        for (int s = 1; s <= 6; ++s) cg.stapelListen[s].computer = 0;
    }
    // Runs until a seat is asked; returns the question's kind.
    int gefragt() {
        EXPECT_GE(lauf->bis([](const TCG& g) { return g.antwort.offen == 2; }), 0);
        return cg.phase.fluss2;
    }
    // Lays the table out afresh and asks seat `seat` about the card just laid.
    void aufstellen(int seat, karte zuletzt) {
        gefragt();
        cg.aktSpieler = seat;
        cg.maumau.richtung = 1;
        cg.maumau.offen = 0;
        cg.maumau.offenArt = 0;
        cg.maumau.wunschFarbe = 0;
        cg.maumau.letzteKarte = zuletzt;
        cg.phase.fluss1 = 4;
        cg.phase.schritt = 0;
        cg.antwort.offen = 0;
    }
    void karteLegen(int slot) { ASSERT_TRUE(central::antwort(cg, central::kKarte, 0, slot)); }
    void knopf(int code) { ASSERT_TRUE(central::antwort(cg, central::kKnopf, 0, code)); }
    std::string knopfText() { return cg.entscheidung.texte[1].str(); }
};

TEST_F(MauMauAblauf, StackedDrawTwosCostTwoOrFourByTheOption) {
    for (const bool sammeln : {false, true}) {
        SCOPED_TRACE(sammeln ? "4,6 usw. Karten ziehen" : "Nur 2 Karten ziehen");
        starten(3);
        cg.maumau.ziehenSammeln = sammeln;
        aufstellen(1, karte{});
        legen(1, {k(1, 1), k(8, 3)});          // Sieben Kreuz, Ass Herz
        legen(2, {k(1, 2), k(6, 4), k(5, 4)});  // Sieben Pik, König and Dame Karo
        legen(3, {k(7, 4), k(2, 3)});
        legen(11, {k(3, 1), k(3, 2), k(3, 3), k(3, 4), k(5, 1), k(5, 2)});
        legen(13, {k(6, 1)});  // König Kreuz open
        EXPECT_EQ(gefragt(), 0);
        karteLegen(1);
        EXPECT_EQ(gefragt(), 31);
        EXPECT_EQ(cg.aktSpieler, 2);
        EXPECT_EQ(knopfText(), "!2 Ziehen");
        karteLegen(1);  // the Sieben Pik answers the pending draw
        EXPECT_EQ(gefragt(), 31);
        EXPECT_EQ(cg.aktSpieler, 3);
        EXPECT_EQ(knopfText(), sammeln ? "!4 Ziehen" : "!2 Ziehen");
        knopf(31);
        EXPECT_EQ(gefragt(), 0);  // the same seat goes on after drawing
        EXPECT_EQ(cg.aktSpieler, 3);
        EXPECT_EQ(st(3).anz, sammeln ? 6 : 4);
        EXPECT_EQ(cg.maumau.offen, 0);
        EXPECT_EQ(maumau::abgewiesen(), 0);
    }
}

TEST_F(MauMauAblauf, ComputerAnswersAPendingDrawWithADrawTwoWhenItHasOne) {
    struct Case {
        std::initializer_list<karte> hand;
        uint8_t art;
        int wert;
    };
    const Case cases[] = {
        {{k(6, 4), k(1, 3), k(8, 3)}, central::kKarte, 2},  // the Sieben Herz answers in kind
        {{k(6, 4), k(5, 1), k(8, 3)}, central::kKnopf, 31},  // none: it draws
    };
    for (const auto& c : cases) {
        starten(2);
        aufstellen(1, k(1, 1));  // a Sieben Kreuz was laid on seat 1
        legen(1, c.hand);
        legen(2, {k(7, 2), k(5, 2)});
        legen(11, {k(3, 1), k(3, 2), k(3, 3)});
        legen(maumau::kAblage, {k(1, 1)});
        ASSERT_EQ(gefragt(), 31);
        cg.sitzEinstellungen.at(1).staerke = 3;
        maumauki::kiTick();
        EXPECT_EQ(cg.antwort.art, c.art);
        EXPECT_EQ(cg.antwort.wert2, c.wert);
    }
}

TEST_F(MauMauAblauf, TwoSitOutsInARowAreEachCountedOnce) {
    for (const bool mehrere : {false, true}) {
        SCOPED_TRACE(mehrere ? "Mehrere setzen aus" : "Nur einer setzt aus");
        starten(4);
        cg.maumau.aussetzenSammeln = mehrere;
        aufstellen(1, karte{});
        legen(1, {k(2, 1), k(8, 3)});  // Acht Kreuz
        legen(2, {k(2, 2), k(6, 4)});  // Acht Pik
        legen(3, {k(7, 4), k(5, 3)});
        legen(4, {k(7, 1), k(5, 2)});
        legen(11, {k(3, 1), k(3, 2), k(3, 3), k(3, 4)});
        legen(13, {k(6, 1)});
        EXPECT_EQ(gefragt(), 0);
        karteLegen(1);
        EXPECT_EQ(gefragt(), 32);
        EXPECT_EQ(cg.aktSpieler, 2);
        karteLegen(1);
        EXPECT_EQ(gefragt(), 32);
        EXPECT_EQ(cg.aktSpieler, 3);
        EXPECT_EQ(cg.maumau.offen, mehrere ? 2 : 1);
        knopf(32);
        if (mehrere) {
            EXPECT_EQ(gefragt(), 32);  // the second sit-out reaches seat 4
            EXPECT_EQ(cg.aktSpieler, 4);
            EXPECT_EQ(cg.maumau.offen, 1);  // asking again did not count it down
            knopf(32);
            EXPECT_EQ(gefragt(), 0);
            EXPECT_EQ(cg.aktSpieler, 1);
        } else {
            EXPECT_EQ(gefragt(), 0);
            EXPECT_EQ(cg.aktSpieler, 4);
        }
        EXPECT_EQ(cg.maumau.offen, 0);
        EXPECT_EQ(maumau::abgewiesen(), 0);
    }
}

TEST_F(MauMauAblauf, ReverseCardTurnedUpTurnsTheDirectionBeforeTheFirstTurn) {
    starten(4);
    // The card below the dealt hands is the one turned up: make it a Neun (the reverse card).
    const int n = 4 * cg.maumau.startKarten;
    TSpieler& t = st(11);
    for (int i = 1; i <= t.anz; ++i)
        if (t.at(i).c.t == 3) std::swap(t.at(i).c, t.at(t.anz - n).c);
    ASSERT_EQ(t.at(t.anz - n).c.t, 3);
    const int geber = cg.geber;
    gefragt();
    EXPECT_EQ(cg.maumau.richtung, 2);
    EXPECT_EQ(maumau::offeneKarte().t, 3);
    EXPECT_EQ(cg.aktSpieler, geber == 1 ? 4 : geber - 1);
}

TEST_F(MauMauAblauf, ASeatWithNothingToDrawPassesInsteadOfStopping) {
    starten(2);
    aufstellen(1, k(1, 4));      // a Sieben Karo was just laid on seat 1
    legen(1, {k(8, 3), k(6, 3)});
    legen(2, {k(7, 2), k(5, 2)});
    legen(11, {});
    legen(13, {k(1, 4)});  // no other card on the discard pile
    EXPECT_EQ(gefragt(), 31);
    knopf(31);  // two to draw, none there
    EXPECT_EQ(gefragt(), 0);
    EXPECT_EQ(st(1).anz, 2);
    ASSERT_TRUE(central::antwort(cg, central::kStapel, 11, 0));  // draw: nothing left
    EXPECT_EQ(gefragt(), 0);
    EXPECT_EQ(cg.aktSpieler, 2);
}

TEST_F(MauMauAblauf, TheTalonIsRefilledFromTheDiscardPileWhoseTopStays) {
    starten(2);
    aufstellen(1, karte{});
    legen(1, {k(8, 3), k(6, 3)});
    legen(2, {k(7, 2), k(5, 2)});
    legen(11, {});
    legen(13, {k(3, 1), k(3, 2), k(6, 1)});
    EXPECT_EQ(gefragt(), 0);
    ASSERT_TRUE(central::antwort(cg, central::kStapel, 11, 0));
    EXPECT_EQ(gefragt(), 37);  // drew one: lay or go on
    EXPECT_EQ(st(1).anz, 3);
    EXPECT_EQ(st(11).anz, 1);
    ASSERT_EQ(st(13).anz, 1);
    EXPECT_TRUE(gleich(st(13).at(1).c, k(6, 1)));
    knopf(37);
    EXPECT_EQ(gefragt(), 0);
    EXPECT_EQ(cg.aktSpieler, 2);
}

TEST_F(MauMauAblauf, ACardThatDoesNotFitIsRefusedAndTheQuestionStays) {
    starten(2);
    aufstellen(1, karte{});
    legen(1, {k(8, 3), k(6, 3)});
    legen(2, {k(7, 2), k(5, 2)});
    legen(11, {k(3, 3)});
    legen(13, {k(7, 1)});  // Zehn Kreuz: neither Herz card fits
    EXPECT_EQ(gefragt(), 0);
    karteLegen(1);
    EXPECT_EQ(gefragt(), 0);
    EXPECT_EQ(cg.aktSpieler, 1);
    EXPECT_EQ(st(1).anz, 2);
    EXPECT_EQ(maumau::abgewiesen(), 1);
}

// The deal serves the seats from the dealer's neighbour in the deal's direction, the dealer last,
// in both deal styles: the talon's top five cards all Kreuz go to the first seat, the next five
// Pik to the second, the Herz to the dealer. In the normal style one seat is served per step.
TEST_F(MauMauAblauf, TheDealServesTheSeatsInTheDirectionOnePerStepInTheNormalStyle) {
    struct Fall {
        int stil, richtung, geber;
        int kreuz, pik, herz;
    };
    const Fall faelle[] = {{2, 1, 1, 2, 3, 1}, {2, 2, 1, 3, 2, 1}, {2, 1, 2, 3, 1, 2}, {1, 1, 1, 2, 3, 1},
                           {1, 2, 1, 3, 2, 1}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "style " << f.stil << ", direction " << f.richtung << ", dealer "
                                        << f.geber);
        starten(3);
        envParam.spielrichtung = f.richtung;
        cg.ablaufEinstellung = static_cast<int16_t>(f.stil);
        cg.geber = f.geber;
        TSpieler& talon = glu::spieler[10];
        const int k5 = cg.maumau.startKarten;
        ASSERT_EQ(k5, 5);
        for (int block = 0; block < 3; ++block)
            for (int i = 0; i < k5; ++i)
                talon.at(talon.anz - block * k5 - i).c =
                    karte{static_cast<uint8_t>(i + 1), static_cast<uint8_t>(block + 1), 0};
        glu::stapelZuHand(talon);
        if (f.stil == 2) {
            // the first step's moves all head for the first seat (or its sorted twin, -seat)
            ASSERT_GE(lauf->bis([](const TCG& g) { return g.phase.fluss3 >= 1; }), 0);
            ASSERT_GE(+glu::zugliste.anz, 1);
            for (int i = 1; i <= glu::zugliste.anz; ++i)
                EXPECT_EQ(std::abs(+glu::zugliste.at(i).toStack), f.kreuz);
        }
        ASSERT_GE(lauf->bis([](const TCG& g) { return g.phase.schritt >= 2 && glu::zugliste.anz == 0; }), 0);
        envParam.spielrichtung = 1;
        const int seats[3] = {f.kreuz, f.pik, f.herz};
        for (int block = 0; block < 3; ++block) {
            const TSpieler& s = glu::spieler[seats[block] - 1];
            ASSERT_EQ(+s.anz, k5) << "seat " << seats[block];
            for (int i = 1; i <= s.anz; ++i) EXPECT_EQ(+s.at(i).c.f, block + 1) << "seat " << seats[block];
        }
    }
}

}  // namespace

// The refill flies every card of the discard pile but the open one onto the talon through the
// table engine, shows two shuffle passes, and loses no card on the way.
TEST_F(MauMauAblauf, TheRefillFliesEveryCardButTheOpenOneAndLosesNone) {
    starten(2);
    aufstellen(1, karte{});
    legen(1, {k(8, 3), k(6, 3)});
    legen(2, {k(7, 2), k(5, 2)});
    legen(11, {});
    legen(13, {k(3, 1), k(3, 2), k(4, 4), k(2, 3), k(5, 1), k(6, 1)});
    EXPECT_EQ(gefragt(), 0);
    ASSERT_TRUE(central::antwort(cg, central::kStapel, 11, 0));
    std::set<int> geflogen, gemischt;  // talon slots the cards flew to, talon slots that swung
    ASSERT_GE(lauf->bis([&](const TCG& g) {
        for (int i = 1; i <= glu::zugliste.anz; ++i) {
            const TZug& z = glu::zugliste.at(i);
            if (z.fromStack == 13 && z.toStack == 11) geflogen.insert(z.toSlot);
            if (z.fromStack == 11 && z.toStack == 11) gemischt.insert(z.toSlot);
        }
        return g.antwort.offen == 2 && g.phase.fluss2 == 37;
    }),
              0);
    EXPECT_EQ(geflogen, (std::set<int>{1, 2, 3, 4, 5})) << "the cards changed places without flying";
    EXPECT_EQ(gemischt, (std::set<int>{1, 2, 3, 4, 5})) << "no shuffle was shown";
    EXPECT_EQ(cg.phase.fluss3, 0);
    ASSERT_EQ(st(13).anz, 1);
    EXPECT_TRUE(gleich(st(13).at(1).c, k(6, 1)));
    EXPECT_EQ(st(1).anz, 3);
    EXPECT_EQ(st(11).anz, 4);
    // the five cards under the open one are in the talon or the drawn card, each once
    int gefunden = 0;
    for (const karte c : {k(3, 1), k(3, 2), k(4, 4), k(2, 3), k(5, 1)}) {
        int n = 0;
        for (int s : {1, 11})
            for (int i = 1; i <= st(s).anz; ++i) n += gleich(st(s).at(i).c, c) ? 1 : 0;
        EXPECT_EQ(n, 1) << int(c.t) << "/" << int(c.f);
        gefunden += n;
    }
    EXPECT_EQ(gefunden, 5);
}
