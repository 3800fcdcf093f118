// Mau Mau rules: roles, the laying rule under pending effects and wishes, card points, seat order,
// round points, match end and the option page's role lists.
#include <gtest/gtest.h>

#include <memory>

#include "core/spiele.h"
#include "games/rummy_shedding/maumau.h"
#include "karten_helfer.h"

namespace {

using kartentest::k;

// Sieben draws two, Acht sits out, Bube wishes, Neun reverses, Dame lays another.
TMaumau regeln() {
    TMaumau m{};
    maumau::standardOptionen(m);
    m.sonderWert[maumau::kNochmal] = 5;
    return m;
}

hand haendchen(std::initializer_list<karte> karten) {
    hand h{};
    for (const karte& c : karten) h.at(++h.anz) = c;
    return h;
}

TEST(MauMauRegeln, RolesFollowTheOptionValues) {
    TMaumau m = regeln();
    EXPECT_EQ(maumau::rolle(m, k(1, 3)), 31);
    EXPECT_EQ(maumau::rolle(m, k(2, 1)), 32);
    EXPECT_EQ(maumau::rolle(m, k(4, 4)), 33);
    EXPECT_EQ(maumau::rolle(m, k(3, 2)), 34);
    EXPECT_EQ(maumau::rolle(m, k(5, 2)), 35);
    EXPECT_EQ(maumau::rolle(m, k(8, 2)), 0);
    // Two roles on one value: the higher role answers.
    m.sonderWert[maumau::kRichtung] = 1;
    EXPECT_EQ(maumau::rolle(m, k(1, 3)), 34);
}

TEST(MauMauRegeln, LayingRule) {
    struct Case {
        karte c, offen;
        int wunsch;
        int frage;
        bool aufWunsch;
        bool passt;
    };
    const Case cases[] = {
        {k(8, 1), k(6, 1), 0, 0, false, true},    // same suit
        {k(6, 3), k(6, 1), 0, 0, false, true},    // same value
        {k(8, 3), k(6, 1), 0, 0, false, false},   // neither
        {k(4, 3), k(6, 1), 0, 0, false, true},    // the wish card fits anywhere
        {k(8, 3), k(4, 1), 3, 0, false, true},    // wished suit on the wish card
        {k(8, 1), k(4, 1), 3, 0, false, false},   // the wish card's own suit no longer counts
        {k(4, 3), k(4, 1), 3, 0, false, false},   // same value (a wish card) without the option
        {k(4, 2), k(4, 1), 3, 0, true, true},     // wish on wish with the option
        {k(8, 3), k(4, 1), 0, 0, false, false},   // no suit wished yet: nothing fits
        {k(1, 3), k(1, 2), 0, 31, false, true},   // draw-two answers a draw-two, any suit
        {k(6, 2), k(1, 2), 0, 31, false, false},  // same suit does not answer a pending draw
        {k(2, 4), k(2, 2), 0, 32, false, true},   // sit-out on sit-out
        {k(8, 2), k(2, 2), 0, 32, false, false},  // same suit does not answer a pending sit-out
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.c.t) << "/" << int(c.c.f) << " on " << int(c.offen.t) << "/"
                                        << int(c.offen.f) << " frage " << c.frage);
        TMaumau m = regeln();
        m.wunschFarbe = c.wunsch;
        m.wunschAufWunsch = c.aufWunsch;
        EXPECT_EQ(maumau::passt(m, c.c, c.offen, c.frage), c.passt);
    }
}

TEST(MauMauRegeln, PenaltyPointsOfAHand) {
    EXPECT_EQ(maumau::strafPunkte(haendchen({k(4, 1)})), 20);  // a Bube left in hand costs 20
    // Sieben 7 + Acht 8 + Neun 9 + Bube 20 + Dame 3 + König 4 + Zehn 10 + Ass 11 = 72
    EXPECT_EQ(maumau::strafPunkte(haendchen({k(1, 1), k(2, 2), k(3, 3), k(4, 4), k(5, 1), k(6, 2), k(7, 3), k(8, 4)})),
              72);
    EXPECT_EQ(maumau::strafPunkte(hand{}), 0);
}

TEST(MauMauRegeln, RoundPointsPositiveAndNegative) {
    const std::vector<hand> h = {haendchen({}), haendchen({k(4, 1), k(8, 2)}), haendchen({k(5, 3)})};
    // Positive: the winner (seat 1) takes 20 + 11 + 3 = 34.
    EXPECT_EQ(maumau::rundenPunkte(h, 1, true), (std::vector<int>{34, 0, 0}));
    EXPECT_EQ(maumau::rundenPunkte(h, 1, false), (std::vector<int>{0, -31, -3}));
}

TEST(MauMauRegeln, SeatOrderWrapsBothWays) {
    struct Case {
        int seat, k, richtung, n, erwartet;
    };
    const Case cases[] = {{1, 1, 1, 4, 2}, {4, 1, 1, 4, 1}, {1, 1, 2, 4, 4}, {2, 2, 2, 3, 3}, {3, 2, 1, 3, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.seat << "+" << c.k << " r" << c.richtung << " n" << c.n);
        EXPECT_EQ(maumau::folgeSitz(c.seat, c.k, c.richtung, c.n), c.erwartet);
    }
}

TEST(MauMauRegeln, MatchEnd) {
    TMaumau m = regeln();
    m.rundenLimit = 200;
    m.punkteLimit = 100;
    int32_t konto[4] = {0, -99, -40, 0};
    m.positiv = 0;
    EXPECT_FALSE(maumau::partieEnde(m, 5, konto, 3));
    konto[1] = -100;  // a seat has lost 100 points
    EXPECT_TRUE(maumau::partieEnde(m, 5, konto, 3));
    m.positiv = 1;  // positive: a loss of 100 is no reason to stop
    EXPECT_FALSE(maumau::partieEnde(m, 5, konto, 3));
    konto[3] = 100;
    EXPECT_TRUE(maumau::partieEnde(m, 5, konto, 3));
    m.punkteLimit = 0;
    m.rundenLimit = 6;
    EXPECT_FALSE(maumau::partieEnde(m, 5, konto, 3));
    EXPECT_TRUE(maumau::partieEnde(m, 6, konto, 3));
}

TEST(MauMauRegeln, OptionPageKeepsCardRolesUnique) {
    TMaumau m = regeln();  // 31 Sieben(1), 32 Acht(2), 33 Bube(4), 34 Neun(3), 35 Dame(5)
    struct Case {
        int rolle, p;
        bool abwaerts;
        int erwartet;
    };
    const Case cases[] = {
        {35, 6, false, 6},  // König is free
        {35, 4, false, 5},  // Bube is the wish card: on to Dame, which this list holds itself
        {35, 4, true, 9},   // down past Neun, Acht and Sieben, wrapping to "none"
        {31, 9, false, 9},  // "none" may repeat
        {34, 4, false, 6},  // the reverse list moved onto Bube: past Dame to König
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rolle << " -> " << c.p);
        EXPECT_EQ(maumau::rollenPosition(m, c.rolle, c.p, c.abwaerts), c.erwartet);
    }
}

TEST(MauMauRegeln, HighScoreEntryTakesTheFirstPlaceItReaches) {
    auto g = std::make_unique<TCG>();
    g->spieler.at(1).name = std::string("Ute");
    for (int p = 1; p <= 10; ++p) {
        THighscoreEintrag& e = g->highscore.at(spiele::kMauMau, 1, p);
        e.platz = static_cast<uint8_t>(p);
        e.leer = p > 3;
        e.punkte = p <= 3 ? 600 - 100 * p : 0;  // 500, 400, 300, then empty places
    }
    g->spielliste.runden = 10;
    EXPECT_EQ(maumau::highscoreEintragen(*g, spiele::kMauMau, 400), "Sie haben den 2. Platz in der Highscoreliste erreicht.");
    EXPECT_EQ(g->highscore.at(spiele::kMauMau, 1, 3).punkte, 400);  // the old second moved down
    EXPECT_EQ(g->highscore.at(spiele::kMauMau, 1, 4).punkte, 300);
    EXPECT_EQ(g->highscore.at(spiele::kMauMau, 1, 2).name.str(), "Ute");
    EXPECT_EQ(maumau::highscoreEintragen(*g, spiele::kMauMau, 0), "");  // below 1: no entry
    // More than 10 rounds: the second level's table.
    g->spielliste.runden = 11;
    EXPECT_EQ(maumau::highscoreEintragen(*g, spiele::kMauMau, 7), "Sie haben den 1. Platz in der Highscoreliste erreicht.");
    EXPECT_EQ(g->highscore.at(spiele::kMauMau, 2, 1).punkte, 7);
}

TEST(MauMauRegeln, DealerChoiceStaysWithinTheSeats) {
    EXPECT_EQ(maumau::geberPosition(5, 4, false), 5);  // seat 4 of 4
    EXPECT_EQ(maumau::geberPosition(6, 4, false), 1);  // seat 5 of 4: on to "Zufall"
    EXPECT_EQ(maumau::geberPosition(7, 3, true), 4);   // down to seat 3
    EXPECT_EQ(maumau::geberPosition(1, 2, true), 1);
}

// The computer player reads the roles from the central record.
struct MauMauKi : testing::Test {
    void SetUp() override {
        cg.maumau = TMaumau{};
        maumau::standardOptionen(cg.maumau);
        cg.maumau.sonderWert[maumau::kNochmal] = 5;
    }
};

TEST_F(MauMauKi, WishedSuitIsTheLongestWithLaterSuitOnTies) {
    // Two Herz, one Kreuz, the Buben do not count: Herz.
    EXPECT_EQ(maumauki::wunschFarbe(haendchen({k(8, 3), k(7, 3), k(1, 1), k(4, 1), k(4, 2)})), 3);
    // One Kreuz and one Karo: the later suit, Karo.
    EXPECT_EQ(maumauki::wunschFarbe(haendchen({k(8, 1), k(7, 4), k(4, 3)})), 4);
}

TEST_F(MauMauKi, SingleReverseCardIsWithheldWhenThePreviousSeatIsAboutToWin) {
    maumauki::Lage l;
    l.eigene = haendchen({k(3, 1), k(8, 3)});  // Neun (reverse) fits the open Kreuz König
    l.offen = k(6, 1);
    l.kandidaten = {1};
    struct Case {
        int voriger, naechster;
        int wahl;
    };
    const Case cases[] = {
        {1, 4, -1},  // the seat before holds one card, fewer than the next: draw instead
        {1, 1, 0},   // not fewer than the next seat: reverse
        {2, 4, 0},   // two cards left: reverse
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.voriger << " / " << c.naechster);
        l.vorigerAnz = c.voriger;
        l.naechsterAnz = c.naechster;
        EXPECT_EQ(maumauki::waehlen(l, maumauki::bewerten(l)), c.wahl);
    }
    // A last card is always laid.
    l.eigene = haendchen({k(3, 1)});
    l.vorigerAnz = 1;
    EXPECT_EQ(maumauki::waehlen(l, maumauki::bewerten(l)), 0);
}

TEST_F(MauMauKi, DrawTwoPreferredWhenTheNextSeatIsShort) {
    maumauki::Lage l;
    l.eigene = haendchen({k(8, 1), k(1, 1), k(4, 2)});  // Ass, Sieben (draw two), Bube (wish)
    l.offen = k(6, 1);
    l.kandidaten = {1, 2, 3};
    l.naechsterAnz = 2;
    l.vorigerAnz = 5;
    const std::vector<float> p = maumauki::bewerten(l);
    EXPECT_FLOAT_EQ(p[1], 82.0f);
    EXPECT_FLOAT_EQ(p[2], 0.0f);  // the wish card is kept back
    // Ass: 50 + 10 x (Sieben fits of Sieben and Bube: both fit: 2/2) = 60, no discard or rest.
    EXPECT_FLOAT_EQ(p[0], 60.0f);
    EXPECT_EQ(maumauki::waehlen(l, p), 1);
    l.naechsterAnz = 5;  // nobody is short: the plain card wins, the draw-two scores 5
    EXPECT_EQ(maumauki::waehlen(l, maumauki::bewerten(l)), 0);
}

}  // namespace

// The panel while the seats play: a marker per pending draw or sit-out (at most eight), the
// wished suit only while nothing is pending, the direction and the seat on turn.
TEST(MauMauAnzeige, MarkersWishDirectionAndTurn) {
    struct Fall {
        const char* name;
        int offen, offenArt, wunsch, richtung, schritt;
        maumau::Anzeige soll;
    };
    const Fall faelle[] = {
        {"two pending sevens", 2, maumau::kZiehen, 0, 1, 1, {2, maumau::kZiehen, 0, 1, 3}},
        {"a pending sit-out against the clock", 1, maumau::kAussetzen, 0, 2, 1, {1, maumau::kAussetzen, 0, 2, 3}},
        {"more than eight pending", 11, maumau::kZiehen, 0, 1, 0, {8, maumau::kZiehen, 0, 1, 3}},
        {"a wished suit", 0, 0, 3, 1, 1, {0, 0, 3, 1, 3}},
        {"a wish under a pending draw", 1, maumau::kZiehen, 2, 1, 1, {1, maumau::kZiehen, 0, 1, 3}},
        {"the round is over", 2, maumau::kZiehen, 0, 1, 99, {0, 0, 0, 0, 0}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TCG g{};
        g.spielId = spiele::kMauMau;
        g.phase.nr = 4;
        g.phase.schritt = f.schritt;
        g.aktSpieler = 3;
        g.maumau.offen = f.offen;
        g.maumau.offenArt = f.offenArt;
        g.maumau.wunschFarbe = f.wunsch;
        g.maumau.richtung = f.richtung;
        const maumau::Anzeige z = maumau::anzeige(g);
        EXPECT_EQ(z.marken, f.soll.marken);
        EXPECT_EQ(z.markenArt, f.soll.markenArt);
        EXPECT_EQ(z.wunsch, f.soll.wunsch);
        EXPECT_EQ(z.richtung, f.soll.richtung);
        EXPECT_EQ(z.amZug, f.soll.amZug);
    }
}
