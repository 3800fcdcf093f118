// The Jass computer player on hands laid out by hand: its trump choice and pushing, the card it
// takes or dumps a trick with, and the answers it gives to every question, known or not.
#include <gtest/gtest.h>

#include "core/central.h"
#include "games/jass/jass_karten.h"
#include "harness/lib/harness.h"
#include "table/glu.h"

namespace {

using jasstest::h;
using jasstest::k;
using jasstest::stich;

class JassKi : public testing::Test {
protected:
    harness::Lauf lauf{[] {
        harness::Einstellung e;
        e.spielId = spiele::kJass;
        return e;
    }()};
    void SetUp() override {
        jass::anmelden();
        cg.spielId = spiele::kJass;
        for (int s = 1; s <= 4; ++s) cg.sitzEinstellungen.at(s).staerke = 2;
    }
    void geben(int seat, const hand& x) {
        TSpieler& st = glu::spieler[seat - 1];
        st.anz = x.anz;
        for (int i = 1; i <= x.anz; ++i) st.at(i).c = x.at(i);
    }
    // The seat on turn with the trick so far; its playable cards as the flow lists them.
    void amZug(int seat, int trumpf, const hand& s) {
        cg.phase.nr = 4;
        cg.aktSpieler = seat;
        cg.jass.trumpf = trumpf;
        cg.jass.stich = s;
        cg.jass.stichZahl = 1;
        hand eigen{};
        const TSpieler& st = glu::spieler[seat - 1];
        for (int i = 1; i <= st.anz; ++i) eigen.at(++eigen.anz) = st.at(i).c;
        jass::legaleKarten(eigen, s, trumpf, jass::stichOrdnung(trumpf, 1), cg.jass.spielbareKarten);
    }
    karte gewaehlt(int seat, int slot) { return glu::spieler[seat - 1].at(slot).c; }
    void frage(int art, std::initializer_list<int> codes, bool karten) {
        TEntscheidung& e = cg.entscheidung;
        e.art = art;
        e.mitKnoepfen = codes.size() > 0;
        e.knopfAnzahl = static_cast<int32_t>(codes.size());
        int i = 0;
        for (int c : codes) e.setzeCode(++i, static_cast<int16_t>(c));
        e.kartenSpiel = karten;
        cg.antwort.offen = 2;
    }
};

TEST_F(JassKi, TrumpIsTheLongestSuitPreferringOneWithBubeOrNeun) {
    struct Case {
        hand hand_;
        int trumpf;
    };
    const Case cases[] = {
        {h({"K6", "K7", "K8", "K10", "PB", "P6", "P7", "P8", "HA"}), 2},  // four each: the Bube's suit
        {h({"K6", "K7", "K8", "K10", "P9", "P6", "P7", "P8", "HA"}), 2},  // ... or the Neun's
        {h({"K6", "K7", "K8", "K10", "PA", "P6", "P7", "P8", "HA"}), 1},  // neither: the first suit
        {h({"K6", "K7", "K8", "K10", "K9", "PB", "P9", "H8", "HA"}), 1},  // a short suit's Bube counts not
        {h({"R6", "R7", "R8", "HB", "H9", "K8", "PA", "P6", "KA"}), 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(jasstest::text(c.hand_));
        geben(1, c.hand_);
        EXPECT_EQ(jasski::trumpfWaehlen(1, false), c.trumpf);
    }
}

TEST_F(JassKi, PushesOnlyWhenThePartnerHoldsTheLongerSuit) {
    geben(1, h({"K6", "K7", "K8", "P6", "P7", "P8", "H6", "H7", "R6"}));   // three Kreuz at most
    geben(3, h({"R7", "R8", "R9", "R10", "RB", "K9", "PA", "H8", "HK"}));  // five Karo
    EXPECT_GE(jasski::trumpfWaehlen(1, true), 65535);
    geben(3, h({"R7", "R8", "R9", "K10", "KB", "K9", "PA", "H8", "HK"}));  // three at most
    EXPECT_EQ(jasski::trumpfWaehlen(1, true), 1);
    // Asked with the buttons of the partner's dialog (no "Schieben"), it always names a suit.
    geben(1, h({"K6", "K7", "K8", "P6", "P7", "P8", "H6", "H7", "R6"}));
    geben(3, h({"R7", "R8", "R9", "R10", "RB", "K9", "PA", "H8", "HK"}));
    EXPECT_EQ(jasski::trumpfWaehlen(1, false), 1);
}

TEST_F(JassKi, LastSeatTakesPointsWithTheCheapestCardOrDumpsTheLeast) {
    // Seat 2 plays last after 1, 4 and 3; the opponents' Pik Ass leads the trick.
    const hand s = stich({"PA", "P10", "PK"});
    struct Case {
        hand hand_;
        const char* karte;
    };
    const Case cases[] = {
        {h({"P6", "H6", "KA"}), "H6"},  // only the trump takes it
        {h({"PD", "P6", "KA"}), "P6"},  // nothing takes it: the least valuable card
        {h({"HB", "H6", "P7"}), "H6"},  // of two winning trumps the cheaper
        {h({"RK", "R6", "KA"}), "R6"},  // no Pik, no trump: the least valuable card
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(jasstest::text(c.hand_));
        geben(2, c.hand_);
        amZug(2, 3, s);
        const int slot = jasski::karteWaehlen();
        ASSERT_GE(slot, 1);
        EXPECT_TRUE(gleich(gewaehlt(2, slot), k(c.karte)));
    }
}

TEST_F(JassKi, FeedsPointsWhenThePartnerHasTheTrickSafe) {
    // Seat 4, the partner of seat 2, takes the trump lead with the Herz Bube; seat 2 plays last.
    geben(2, h({"H6", "HA", "PA", "K7"}));
    amZug(2, 3, stich({"H7", "HB", "H8"}, 1));
    const int slot = jasski::karteWaehlen();
    ASSERT_GE(slot, 1);
    // Trump led: trumps only; the richest of them is the Ass.
    EXPECT_TRUE(gleich(gewaehlt(2, slot), k("HA")));
}

TEST_F(JassKi, AnswersEveryQuestionAndNeverAnUnlistedOne) {
    geben(2, h({"P6", "H6", "KA"}));
    amZug(2, 3, stich({"PA", "P10", "PK"}));
    // The highest Weis offered.
    frage(113, {100, 50, 20}, true);
    jasski::kiTick();
    EXPECT_EQ(cg.antwort.offen, 0);
    EXPECT_EQ(cg.antwort.art, central::kKnopf);
    EXPECT_EQ(cg.antwort.wert2, 100);
    // A card question: a playable card.
    frage(47, {}, true);
    jasski::kiTick();
    EXPECT_EQ(cg.antwort.art, central::kKarte);
    EXPECT_TRUE(jass::enthalten(cg.jass.spielbareKarten, gewaehlt(2, cg.antwort.wert2)));
    // A question the player does not know: the first button, not a stall.
    frage(37, {37}, false);
    jasski::kiTick();
    EXPECT_EQ(cg.antwort.offen, 0);
    EXPECT_EQ(cg.antwort.wert2, 37);
    // The trump dialog: some frames of thought, then a suit (never a direction).
    geben(2, h({"K6", "K7", "K8", "K10", "PB", "P6", "P7", "P8", "HA"}));
    frage(111, {1, 2, 3, 4, 15, 16, 17}, false);
    for (int i = 0; i < 500 && cg.antwort.offen == 2; ++i) jasski::kiTick();
    EXPECT_EQ(cg.antwort.offen, 0);
    EXPECT_EQ(cg.antwort.wert2, 2);
}

}  // namespace
