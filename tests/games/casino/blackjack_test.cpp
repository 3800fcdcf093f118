// The Black Jack rules that work on the seats' records and chips: face-up cards, bets, the end
// of a series, broke seats and the high score.
#include "games/casino/blackjack.h"

#include <gtest/gtest.h>

#include <cstring>

#include "chip_fixture.h"
#include "core/highscore.h"
#include "platform/text.h"
#include "table/glu.h"

namespace {

class BlackJackSitze : public ChipTisch {
protected:
    void SetUp() override {
        ChipTisch::SetUp();
        glu::reset();
        auto& r = cg.blackjack.regeln;
        r.minEinsatz = 2;
        r.maxEinsatz = 10;
        r.startGeld = 100;
        r.rundenLimit = 50;
        cg.blackjack.dealer = 3;
        for (int s = 1; s <= 4; ++s) {
            cg.blackjack.sitz.at(s).imSpiel = 1;
            cg.blackjack.sitz.at(s).zustand = 1;
            cg.sitzEinstellungen.at(s).staerke = 3;
        }
        blackjack::automatik = false;
    }
    static void geld(int s, int einser) { pokerchips::AddChipsToStack(s, 0, einser, -1); }
};

TEST_F(BlackJackSitze, WhichCardsShowTheirFace) {
    glu::spieler[0].anz = 2;
    glu::spieler[2].anz = 2;
    cg.blackjack.regeln.spielerZweiteOffen = 1;
    EXPECT_TRUE(blackjack::BlackJackCardFaceUp(1, 2));
    EXPECT_FALSE(blackjack::BlackJackCardFaceUp(3, 2));  // the dealer's second card
    EXPECT_TRUE(blackjack::BlackJackCardFaceUp(-3, 1));
    EXPECT_EQ(blackjack::BlackJackLastHiddenCard(3), 2);
    cg.blackjack.offen[2][1] = 1;  // turned
    EXPECT_TRUE(blackjack::BlackJackCardFaceUp(3, 2));
    EXPECT_FALSE(blackjack::BlackJackCardFaceUp(5, 1));  // beyond the seats
    EXPECT_FALSE(blackjack::BlackJackCardFaceUp(1, 21));

    cg.blackjack.siebzehnUndVier = 1;  // every card hidden but the dealer's from the second on
    cg.blackjack.offen[2][1] = 0;
    EXPECT_FALSE(blackjack::BlackJackCardFaceUp(1, 1));
    EXPECT_FALSE(blackjack::BlackJackCardFaceUp(3, 1));
    EXPECT_TRUE(blackjack::BlackJackCardFaceUp(3, 2));
}

TEST_F(BlackJackSitze, BetsAreClampedToTheSeatsChips) {
    cg.aktSpieler = 2;
    geld(2, 7);
    EXPECT_EQ(blackjack::BlackJackClampBet(1), 2);
    EXPECT_EQ(blackjack::BlackJackClampBet(9), 7);
    pokerchips::leeren();
    geld(2, 1);
    EXPECT_EQ(blackjack::BlackJackClampBet(5), -1);
}

TEST_F(BlackJackSitze, BrokeSeatsLeaveWithTheirPlaces) {
    geld(1, 50);
    geld(2, 1);
    geld(3, 120);
    geld(4, 0);
    blackjack::BlackJackRemoveBrokeSeats(true);
    EXPECT_EQ(+cg.blackjack.sitz.at(2).platz, 3);
    EXPECT_EQ(+cg.blackjack.sitz.at(4).platz, 3);
    EXPECT_TRUE(blackjack::BlackJackSeatActive(2));  // a dry run only gives the places
    EXPECT_EQ(blackjack::BlackJackCountPlayableSeats(), 2);
    cg.spielliste.runden = 7;
    blackjack::BlackJackRemoveBrokeSeats(false);
    EXPECT_FALSE(blackjack::BlackJackSeatActive(2));
    EXPECT_EQ(+cg.blackjack.sitz.at(2).ausgeschieden, 7);
    EXPECT_EQ(blackjack::BlackJackCountActiveSeats(), 2);
}

TEST_F(BlackJackSitze, TheSeriesEnds) {
    geld(1, 50);
    geld(2, 50);
    geld(3, 50);
    cg.spielliste.runden = 10;
    EXPECT_FALSE(blackjack::BlackJackCheckGameEnd());
    EXPECT_EQ(+cg.blackjack.sitz.at(1).startChips, 50);
    cg.spielliste.runden = 50;
    EXPECT_TRUE(blackjack::BlackJackCheckGameEnd());
    cg.spielliste.runden = 10;
    pokerchips::leeren();
    geld(1, 1);  // the human cannot pay the minimum
    geld(2, 50);
    geld(3, 50);
    EXPECT_TRUE(blackjack::BlackJackCheckGameEnd());
    blackjack::automatik = true;  // unless the computer plays for him
    EXPECT_FALSE(blackjack::BlackJackCheckGameEnd());
}

TEST_F(BlackJackSitze, HighScoreIsTheWinTimesTen) {
    cg.spieler.at(1).name = "Eva";
    cg.sitzEinstellungen.at(2).staerke = 1;
    cg.blackjack.sitz.at(1).startChips = 137;
    std::string text;
    blackjack::BlackJackEnterHighscore(text);
    EXPECT_EQ(text::toUtf8(text), "Sie haben den 1. Platz in der Highscoreliste erreicht.");
    const THighscoreEintrag& e = cg.highscore.at(9, 1, 1);
    EXPECT_EQ(e.punkte, 370);
    EXPECT_EQ(e.name.str(), "Eva");
    cg.blackjack.sitz.at(1).startChips = 100;  // no win, no entry
    blackjack::BlackJackEnterHighscore(text);
    EXPECT_TRUE(text.empty());
    cg.blackjack.siebzehnUndVier = 1;
    cg.blackjack.sitz.at(1).startChips = 120;
    blackjack::BlackJackEnterHighscore(text);
    EXPECT_EQ(cg.highscore.at(11, 1, 1).punkte, 200);
}

TEST_F(BlackJackSitze, SeatPilesStandRoundTheTable) {
    TSpieler s{};
    s.id = 1;
    blackjack::BlackJackPlaceSeatPile(s);
    EXPECT_FLOAT_EQ(s.pos.v[0], 750.0f);
    EXPECT_FLOAT_EQ(s.pos.v[2], -160.0f);
    // four seats: seat 3 at x = 2 - 0.2 = 1.8, r = -(1.8 / 3 - 0.6) x 100 = 0
    s.id = 3;
    blackjack::BlackJackPlaceSeatPile(s);
    EXPECT_NEAR(s.pos.v[5], 0.0f, 1e-4);
    EXPECT_NEAR(s.pos.v[0], 504.22f, 0.01f);    // 950 cos 97° + 620
    EXPECT_NEAR(s.pos.v[2], -1052.55f, 0.01f);  // -1000 sin 97° - 60
}

}  // namespace
