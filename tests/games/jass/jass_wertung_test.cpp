// Booking towards the points goal in the three orders of the option, the round result, the
// match end, the limit text and the high score of Jass, each value worked out by hand.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "core/central.h"
#include "games/jass/jass_karten.h"
#include "table/glu.h"

namespace {

using jasstest::stich;

class JassWertung : public testing::Test {
protected:
    // The high-score file is written below the working folder: one of the test's own.
    std::filesystem::path alt = std::filesystem::current_path();
    std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("jass_wertung_test_" + std::to_string(getpid()));

    void SetUp() override {
        std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
        cg.spielId = spiele::kJass;
        std::filesystem::create_directories(ordner / "data" / "settings");
        std::filesystem::current_path(ordner);
    }
    void TearDown() override {
        std::filesystem::current_path(alt);
        std::filesystem::remove_all(ordner);
    }
};

TEST_F(JassWertung, BookingStopsAtTheGoalInTheOptionsOrder) {
    // Team 1 stands at 980 of 1000. Seat 1 takes a trick of 11 + 10 + 4 + 3 = 28 points, seat 1
    // has a pending 50 Weis and seat 3 a pending 20 Stöck. Whatever is booked first reaches the
    // goal; the bookings after it wait.
    struct Case {
        int reihenfolge;
        int stich, weis, stoeck;  // booked points of team 1 after the trick
        const char* notiz;
    };
    const Case cases[] = {
        {1, 0, 0, 20, "Stöck"},
        {2, 0, 0, 20, "Stöck"},
        {3, 28, 0, 0, "Stich"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reihenfolge);
        cg.jass = TJass{};
        cg.konto[1] = cg.konto[3] = 980;
        cg.konto[2] = cg.konto[4] = 400;
        cg.jass.punkteLimit = 1000;
        cg.jass.reihenfolge = c.reihenfolge;
        cg.jass.trumpf = 3;
        cg.jass.stich = stich({"PA", "P10", "PK", "PD"});
        cg.jass.stichGewinner = 1;
        cg.jass.weisOffen.at(1) = 50;
        cg.jass.stoeckOffen.at(3) = 20;
        EXPECT_TRUE(jass::stichEndeBuchen());
        EXPECT_EQ(cg.jass.stichPunkte.at(1), c.stich);
        EXPECT_EQ(cg.jass.weisPunkte.at(1), c.weis);
        EXPECT_EQ(cg.jass.stoeckPunkte.at(3), c.stoeck);
        EXPECT_EQ(int{cg.jass.teamNotizen.at(1).anzahl}, 1);
        EXPECT_EQ(cg.jass.teamNotizen.at(1).text[0].str(), text::w(c.notiz));
        const TGameResult r = jass::rundenErgebnis();
        EXPECT_EQ(r.spieler, 1);
        EXPECT_NE(r.text2.find(text::w(std::string("erreichen (mit Punkten aus ") + c.notiz +
                                       ") zuerst 1000 Punkte und gewinnen die Partie.")),
                  std::string::npos)
            << r.text2;
    }
}

TEST_F(JassWertung, AllThreeBookedWithoutAGoalAndNotesJoined) {
    cg.jass.punkteLimit = 0;  // no goal: every booking runs
    cg.jass.reihenfolge = 1;
    cg.jass.trumpf = jass::kObenabe;
    cg.jass.stich = stich({"P8", "P7", "P6", "PA"});  // 8 + 0 + 0 + 11
    cg.jass.stichGewinner = 4;
    cg.jass.weisOffen.at(2) = 100;
    cg.jass.stoeckOffen.at(4) = 20;
    EXPECT_FALSE(jass::stichEndeBuchen());
    EXPECT_EQ(jass::rundenPunkte(2, 1), 19 + 100 + 20);
    EXPECT_EQ(int{cg.jass.teamNotizen.at(2).anzahl}, 3);
    EXPECT_EQ(int{cg.jass.teamNotizen.at(1).anzahl}, 0);
    // A trick without points is booked without a note.
    cg.jass.stich = stich({"P7", "P6", "K7", "K6"});
    cg.jass.stichGewinner = 1;
    cg.jass.teamNotizen.at(1).anzahl = 0;
    jass::stichEndeBuchen();
    EXPECT_EQ(int{cg.jass.teamNotizen.at(1).anzahl}, 0);
}

TEST_F(JassWertung, EqualTotalsAtTheGoalGoToTeamTwo) {
    struct Case {
        int konto1, konto2;
        int sieger;
    };
    const Case cases[] = {{1000, 1000, 2}, {1001, 1000, 1}, {1000, 1001, 2}, {1200, 990, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.konto1 << ":" << c.konto2);
        cg.jass = TJass{};
        cg.jass.punkteLimit = 1000;
        cg.konto[1] = cg.konto[3] = c.konto1;
        cg.konto[2] = cg.konto[4] = c.konto2;
        ASSERT_TRUE(jass::zielErreicht());
        EXPECT_EQ(jass::rundenErgebnis().spieler, c.sieger);
    }
}

TEST_F(JassWertung, RoundResultNamesTheLastTrickOnlyForItsTeam) {
    cg.jass.trumpf = jass::kObenabe;
    cg.jass.stichPunkte.at(1) = 50;
    cg.jass.stichPunkte.at(3) = 30;
    cg.jass.stichPunkte.at(2) = 60;
    cg.jass.stichPunkte.at(4) = 12;
    cg.jass.letzterStichBonus.at(4) = 5;
    cg.jass.letzterStich = 4;
    cg.jass.weisPunkte.at(3) = 20;
    cg.jass.weisOffen.at(1) = 50;  // pending points are not the round's
    const TGameResult r = jass::rundenErgebnis();
    EXPECT_EQ(r.at(1), 100);
    EXPECT_EQ(r.at(3), 100);
    EXPECT_EQ(r.at(2), 77);
    EXPECT_EQ(r.at(4), 77);
    EXPECT_EQ(r.text1, "Obenabe gespielt");
    const size_t eins = r.text2.find(" erhalten 100 Punkte.\n");
    const size_t zwei = r.text2.find(text::w(" erhalten 77 Punkte (5 Punkte für den letzten Stich).\n"));
    EXPECT_NE(eins, std::string::npos) << r.text2;
    EXPECT_NE(zwei, std::string::npos) << r.text2;
    EXPECT_LT(eins, zwei);
    EXPECT_EQ(jass::rundenPunkte(1, 0), 150);  // with the pending Weis
}

TEST_F(JassWertung, MatchEndsAtTheRoundsOrThePointsLimit) {
    struct Case {
        int rundenLimit, punkteLimit, runden, bester;
        bool ende;
    };
    const Case cases[] = {
        {200, 0, 199, 5000, false},  // "Keine Grenze" for both: only 200 rounds end it
        {200, 0, 200, 0, true},     {10, 1000, 9, 999, false},
        {10, 1000, 9, 1000, true},  {10, 1000, 10, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rundenLimit << "/" << c.punkteLimit << "/" << c.runden);
        cg.jass.rundenLimit = c.rundenLimit;
        cg.jass.punkteLimit = c.punkteLimit;
        cg.spielliste.runden = c.runden;
        for (int s = 1; s <= 4; ++s) cg.konto[s] = 0;
        cg.konto[4] = c.bester;
        EXPECT_EQ(jass::partieEnde(), c.ende);
    }
    cg.spielliste.runden = 1;
    cg.konto[2] = 350;
    cg.konto[4] = 0;
    cg.jass.punkteLimit = 1000;
    std::string t;
    jass::limitText(t);
    EXPECT_EQ(t, "1 Runde gespielt, 350 von 1000 Punkten erreicht");
    cg.spielliste.runden = 3;
    cg.jass.punkteLimit = 0;
    jass::limitText(t);
    EXPECT_EQ(t, "3 Runden gespielt, 350 von unbegrenzt Punkten erreicht");
    EXPECT_EQ(jass::limitZahl("1500 Punkte"), 1500);
    EXPECT_EQ(jass::limitZahl("bis 12 Runden"), 12);
    EXPECT_EQ(jass::limitZahl("ohne"), 99999);
}

TEST_F(JassWertung, HighScoreByLeadOverTheOpponentsAtTheirLevel) {
    cg.sitzEinstellungen.at(2).staerke = 3;
    cg.konto[1] = 300;
    cg.konto[2] = 100;
    std::string t;
    jass::highscoreText(t);
    EXPECT_EQ(t, "Sie haben den 1. Platz in der Highscoreliste erreicht.");
    EXPECT_EQ(cg.highscore.at(spiele::kJass, 3, 1).punkte, 200);
    EXPECT_NE(cg.highscore.at(spiele::kJass, 3, 1).name.str().find("(Endstand 300 : 100 Punkte)"),
              std::string::npos);
    // A match lost or drawn enters nothing.
    cg.konto[1] = 100;
    jass::highscoreText(t);
    EXPECT_EQ(t, "");
    // A level outside 1..3 counts as the first; a score equal to place 10 still enters there.
    cg.sitzEinstellungen.at(2).staerke = 7;
    for (int p = 1; p <= 10; ++p) cg.highscore.at(spiele::kJass, 1, p).punkte = 550 - 50 * p;
    cg.konto[1] = 150;
    jass::highscoreText(t);
    EXPECT_EQ(t, "Sie haben den 10. Platz in der Highscoreliste erreicht.");
    cg.konto[1] = 149;
    jass::highscoreText(t);
    EXPECT_EQ(t, "");
}

TEST_F(JassWertung, OptionsByNameReachTheGameRecordAtAFreshStart) {
    jass::optionen = jass::Optionen{};
    EXPECT_TRUE(jass::optionSetzen("Punkte", 0));  // "Keine Grenze"
    EXPECT_TRUE(jass::optionSetzen("Runden", 12));
    EXPECT_TRUE(jass::optionSetzen("Reihenfolge", 3));
    EXPECT_TRUE(jass::optionSetzen("Weisen", 0));
    EXPECT_TRUE(jass::optionSetzen("Slalom", 1));
    EXPECT_FALSE(jass::optionSetzen("Gibt es nicht", 1));
    jass::optionenLesen();
    EXPECT_EQ(cg.jass.punkteLimit, 0);
    EXPECT_EQ(cg.jass.rundenLimit, 12);
    EXPECT_EQ(cg.jass.reihenfolge, 3);
    EXPECT_EQ(cg.jass.mitWeisen, 0);
    EXPECT_EQ(cg.jass.mitStoecken, 1);
    EXPECT_EQ(cg.jass.slalom, 1);
    EXPECT_EQ(cg.jass.ersterGeber, 0);
    // "Keine Grenze" for the rounds stores 200.
    EXPECT_TRUE(jass::optionSetzen("Runden", 0));
    jass::optionenLesen();
    EXPECT_EQ(cg.jass.rundenLimit, 200);
    jass::optionen = jass::Optionen{};
}

TEST_F(JassWertung, PileOfTricksIsLabelledWithItsCardPoints) {
    glu::reset();
    TSpieler& st = glu::spieler[7 - 1];
    const hand x = jasstest::h({"HB", "H9", "PA", "P8"});
    st.anz = x.anz;
    for (int i = 1; i <= x.anz; ++i) st.at(i).c = x.at(i);
    cg.jass.trumpf = 3;
    EXPECT_EQ(jass::stapelPunkteText(7), "45");  // 20 + 14 + 11 + 0
    cg.jass.trumpf = jass::kObenabe;
    EXPECT_EQ(jass::stapelPunkteText(7), "21");  // 2 + 0 + 11 + 8
    glu::reset();
}

TEST_F(JassWertung, ScoreListHasTheTeamsRoundsAndTotals) {
    cg.spielliste.runden = 2;
    cg.spielliste.punkte[1][1] = 126;
    cg.spielliste.punkte[2][1] = 71;
    cg.spielliste.text[1] = "Pik gespielt";
    cg.spielliste.punkte[1][2] = 40;
    cg.spielliste.punkte[2][2] = 117;
    cg.spielliste.text[2] = "Obenabe gespielt";
    cg.konto[1] = 166;
    cg.konto[2] = 188;
    const spielliste::Tabelle t = jass::punkteZeilen();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[1], (spielliste::Zeile{"!1.", "!126", "!71", "Pik gespielt"}));
    EXPECT_EQ(t[2], (spielliste::Zeile{"!2.", "!40", "!117", "Obenabe gespielt"}));
    EXPECT_EQ(t[3], (spielliste::Zeile{"!", "!166", "!188", "Gesamtpunkte"}));
    EXPECT_EQ(t[0].size(), 4u);
    EXPECT_NE(t[0][1][1], '^');             // on the header row
    EXPECT_EQ(t[0][2].substr(0, 2), "!^");  // a line above
}

}  // namespace
