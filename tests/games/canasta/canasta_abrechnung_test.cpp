// Settlement of a hand, the match end and the options with their ranges, counted by hand.
#include <gtest/gtest.h>

#include <string>

#include "games/canasta/canasta_karten.h"
#include "platform/text.h"

using namespace canastatest;

namespace {

const hand kDamenCanasta = H({K(Dame), K(Dame, 2), K(Dame, 3), K(Dame, 4), K(Dame), K(Dame, 2), K(Dame, 3)});

// Seat 1: a natural canasta of Damen (70), Ass-Ass-Joker (90), two red threes, the hand 7 and
// König (15). Seat 2: two red threes and nothing else, the hand Joker and Ass (70).
void tisch() {
    frisch(2);
    meld(1, kDamenCanasta);
    meld(1, H({K(Ass), K(Ass, 2), K(Joker)}));
    meld(1, H({K(Drei, 3), K(Drei, 4)}));
    meld(2, H({K(Drei, 3), K(Drei, 4)}));
    stapel(1, H({K(W7), K(Koenig)}));
    stapel(2, H({K(Joker), K(Ass, 3)}));
}

}  // namespace

TEST(CanastaAbrechnung, SeatTotalsAndTexts) {
    struct Case {
        int von;
        bool inEinemZug, rote3Positiv, negativ;
        int seat;
        int total;
        const char* text;
    };
    const Case cases[] = {
        {1, false, false, false, 1, 945,
         "945 Punkte (Hand -15, Ausgelegt 160, Canasta 500, Dreier 200, Fertigmachen 100)"},
        {1, true, false, false, 1, 1045,
         "1045 Punkte (Hand -15, Ausgelegt 160, Canasta 500, Dreier 200, Hand ausmachen 200)"},
        {0, false, false, false, 1, 845, "845 Punkte (Hand -15, Ausgelegt 160, Canasta 500, Dreier 200)"},
        {1, false, false, false, 2, -270, "-270 Punkte (Hand -70, Dreier -200)"},
        {1, false, true, false, 2, 130, "130 Punkte (Hand -70, Dreier 200)"},
        // with a canasta the negative scoring leaves seat 1 alone
        {1, false, false, true, 1, 945,
         "945 Punkte (Hand -15, Ausgelegt 160, Canasta 500, Dreier 200, Fertigmachen 100)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        tisch();
        cg.canasta.ausgemachtVon = c.von;
        cg.canasta.handAusgemacht = c.inEinemZug;
        cg.canasta.rote3Positiv = c.rote3Positiv;
        cg.canasta.negativOhneCanasta = c.negativ;
        std::string t;
        EXPECT_EQ(canasta::abrechnung(c.seat, t), c.total);
        EXPECT_EQ(t, c.text);
    }
}

TEST(CanastaAbrechnung, MeldsWithoutACanastaCountNegativeWithTheOption) {
    frisch(2);
    meld(2, H({K(Koenig), K(Koenig, 2), K(Koenig, 3)}));  // 30
    meld(2, H({K(Ass), K(Ass, 2), K(Zwei)}));             // 60
    stapel(2, H({K(W7)}));
    std::string t;
    EXPECT_EQ(canasta::abrechnung(2, t), 85);
    cg.canasta.negativOhneCanasta = 1;
    EXPECT_EQ(canasta::abrechnung(2, t), -95);
    EXPECT_EQ(t, "-95 Punkte (Hand -5, Ausgelegt -90)");
}

TEST(CanastaAbrechnung, PartnersShareMeldsHandsAndTotal) {
    frisch(4, true);
    meld(1, kDamenCanasta);                               // 70 + 500, side 1
    meld(3, H({K(Bube), K(Bube, 2), K(Bube, 3)}));        // 30, the partner's
    meld(2, H({K(Koenig), K(Koenig, 2), K(Koenig, 3)}));  // the other team
    stapel(1, H({K(W7)}));
    stapel(3, H({K(Joker), K(Fuenf)}));
    stapel(2, H({K(Ass)}));
    stapel(4, H({}));
    cg.canasta.ausgemachtVon = 4;
    std::string t1, t3, t2, t4;
    EXPECT_EQ(canasta::abrechnung(1, t1), 570 + 30 - 60);
    EXPECT_EQ(canasta::abrechnung(3, t3), 540);
    EXPECT_EQ(t1, t3);
    EXPECT_EQ(canasta::abrechnung(2, t2), 100 + 30 - 20);
    EXPECT_EQ(canasta::abrechnung(4, t4), 110);
}

TEST(CanastaAbrechnung, MatchEndsByRoundsOrPoints) {
    frisch(3);
    struct Case {
        int rundenLimit, punkteLimit, runden, besterStand;
        bool ende;
    };
    const Case cases[] = {{3, 0, 2, 9000, false}, {3, 0, 3, 0, true},           {200, 0, 199, 50000, false},
                          {200, 0, 200, 0, true}, {200, 5000, 10, 4990, false}, {200, 5000, 10, 5000, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rundenLimit) + " " + std::to_string(c.punkteLimit));
        cg.canasta.rundenLimit = c.rundenLimit;
        cg.canasta.punkteLimit = c.punkteLimit;
        cg.spielliste.runden = c.runden;
        cg.konto[1] = 10;
        cg.konto[2] = c.besterStand;
        cg.konto[3] = -40;
        EXPECT_EQ(canasta::partieEnde(), c.ende);
    }
    cg.canasta.rundenLimit = 200;
    cg.canasta.punkteLimit = 0;
    cg.spielliste.runden = 7;
    cg.konto[2] = 1234;
    std::string t;
    canasta::limitText(t);
    EXPECT_EQ(t, text::w("7 von unbegrenzt Runden gespielt, 1234 von unbegrenzt max. Punkten erreicht"));
}

TEST(CanastaOptionen, NumbersOutOfRangeFallBackToTheirDefaults) {
    frisch(2);
    cg.canasta.jokerWert = -7;
    cg.canasta.bonusFertig = 2000000;
    cg.canasta.bonusEcht = 650;
    cg.canasta.kartenblatt = 9;
    cg.canasta.ziehKarten = 0;
    cg.canasta.kartenzahlWahl = 30;
    canasta::optionenPruefen();
    EXPECT_EQ(cg.canasta.jokerWert, 50);
    EXPECT_EQ(cg.canasta.bonusFertig, 100);
    EXPECT_EQ(cg.canasta.bonusEcht, 650);  // in range: kept
    EXPECT_EQ(cg.canasta.kartenblatt, 2);
    EXPECT_EQ(cg.canasta.ziehKarten, 1);
    EXPECT_EQ(cg.canasta.kartenzahlWahl, 0);
    EXPECT_EQ(cg.canasta.handKarten, 15);
    const int texte[][2] = {{canasta::zahlAusText("1500 Punkte"), 1500},
                            {canasta::zahlAusText("75"), 75},
                            {canasta::zahlAusText(""), 0},
                            {canasta::zahlAusText("viel"), -1}};
    for (const auto& t : texte) EXPECT_EQ(t[0], t[1]);
}

TEST(CanastaOptionen, DeckIsCheckedAgainstSeatsAndHandSizeWhenRead) {
    struct Case {
        int seats, kartenblatt, wahl;
        int kartenblattDanach, handKarten;
    };
    const Case cases[] = {
        {2, 1, 0, 1, 15}, {3, 1, 0, 1, 13},  {4, 1, 0, 2, 11},  {4, 3, 0, 3, 13},
        {6, 1, 0, 2, 11}, {6, 1, 16, 2, 16}, {4, 2, 16, 2, 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.seats) + " seats, " + std::to_string(c.kartenblatt) + " sets");
        frisch(c.seats);
        cg.canasta.kartenblatt = c.kartenblatt;
        cg.canasta.kartenzahlWahl = c.wahl;
        canasta::optionenPruefen();
        EXPECT_EQ(cg.canasta.kartenblatt, c.kartenblattDanach);
        EXPECT_EQ(cg.canasta.handKarten, c.handKarten);
        EXPECT_GE(54 * cg.canasta.kartenblatt, c.seats * cg.canasta.handKarten + c.seats + 2);
    }
}
