// The series limits both games share: the numbers read from the rule page's lists, the end of a
// series by rounds or by points, and the limit text.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/envparam.h"
#include "core/files_tempdir.h"
#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"

namespace {

void stand(int runden, std::array<int32_t, 4> konten) {
    cg.spielliste.runden = runden;
    for (int s = 1; s <= 4; ++s) cg.konto[s] = konten[static_cast<size_t>(s - 1)];
}

}  // namespace

TEST(SdSerie, NumbersOfTheListLines) {
    const std::pair<const char*, int> cases[] = {
        {"1 Runde", 1}, {"10 Runden", 10}, {"200 Runden", 200}, {"5 Punkte", 5}, {"Keine", 99999}};
    for (const auto& [t, n] : cases) EXPECT_EQ(sd::zahlAusText(t), n) << t;
}

TEST(SdSerie, EndsByRoundsOrByTheBestTotal) {
    struct Case {
        int runden;
        std::array<int32_t, 4> konten;
        int rundenLimit, punkteLimit;
        bool ende;
    };
    const Case cases[] = {
        {9, {0, 0, 0, 0}, 10, 0, false},      {10, {0, 0, 0, 0}, 10, 0, true},
        {3, {4, 9, -13, 0}, 10, 10, false},   {3, {4, 10, -14, 0}, 10, 10, true},
        {3, {-30, 10, 20, 0}, 200, 0, false},  // no points limit
        {199, {0, 0, 0, 0}, 200, 0, false},   {200, {0, 0, 0, 0}, 200, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.runden << " / " << c.rundenLimit << " / " << c.punkteLimit);
        stand(c.runden, c.konten);
        EXPECT_EQ(sd::partieEnde(c.rundenLimit, c.punkteLimit), c.ende);
    }
    stand(0, {0, 0, 0, 0});
}

TEST(SdSerie, LimitTextSaysUnlimitedForNoLimit) {
    stand(3, {-2, 7, 1, -6});
    EXPECT_EQ(sd::limitText(200, 0),
              "3 von unbegrenzt Runden gespielt, 7 von unbegrenzt max. Punkten erreicht");
    EXPECT_EQ(sd::limitText(10, 50), "3 von 10 Runden gespielt, 7 von 50 max. Punkten erreicht");
    stand(0, {0, 0, 0, 0});
}

namespace {

// The test runs inside a fresh folder of its own process, so hs.dat is written there and never
// into the build tree or a colleague's run.
class SdHighscore : public files_test::ProgramFolder {
protected:
    void SetUp() override {
        files_test::ProgramFolder::SetUp();
        std::filesystem::create_directories("data/settings");
        std::memset(static_cast<void*>(&cg.highscore), 0, sizeof(cg.highscore));
        envParam.namen[1] = "Anna";
    }
};

}  // namespace

TEST_F(SdHighscore, TheHumansTotalEntersTheListOfItsSeriesLengthAndIsSaved) {
    struct Case {
        int spielId;
        void (*eintragen)(std::string&);
        int runden, punkte;
        int liste, platz;  // 0: nothing entered
    };
    // lists by rounds: up to 10 list 1, 11..25 list 2, from 26 list 3; a total below 1 enters nothing;
    // an equal total goes above the older entry
    const Case cases[] = {
        {spiele::kSchafkopf, schafkopf::highscoreText, 10, 30, 1, 1},
        {spiele::kSchafkopf, schafkopf::highscoreText, 8, 12, 1, 2},
        {spiele::kSchafkopf, schafkopf::highscoreText, 9, 30, 1, 1},
        {spiele::kSchafkopf, schafkopf::highscoreText, 11, 5, 2, 1},
        {spiele::kSchafkopf, schafkopf::highscoreText, 26, 0, 0, 0},
        {spiele::kDoppelkopf, doppelkopf::highscoreText, 25, 7, 2, 1},
        {spiele::kDoppelkopf, doppelkopf::highscoreText, 26, 3, 3, 1},
        {spiele::kDoppelkopf, doppelkopf::highscoreText, 30, -4, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "game " << c.spielId << ", " << c.runden << " rounds, " << c.punkte);
        cg.spielliste.runden = c.runden;
        cg.konto[1] = c.punkte;
        std::string t = "alt";
        c.eintragen(t);
        if (c.platz == 0) {
            EXPECT_EQ(t, "");
            continue;
        }
        EXPECT_EQ(t, "Sie haben den " + std::to_string(c.platz) + ". Platz in der Highscoreliste erreicht.");
        const THighscoreEintrag& e = cg.highscore.at(c.spielId, c.liste, c.platz);
        EXPECT_EQ(e.punkte, c.punkte);
        EXPECT_EQ(e.platz, c.platz);
    }
    // Schafkopf's short list: 30 (the later), 30, 12
    EXPECT_EQ(cg.highscore.at(spiele::kSchafkopf, 1, 3).punkte, 12);
    EXPECT_EQ(cg.highscore.at(spiele::kDoppelkopf, 1, 1).punkte, 0);  // the other game's lists stay
    EXPECT_TRUE(std::filesystem::exists("data/settings/hs.dat"));
    EXPECT_EQ(std::filesystem::file_size("data/settings/hs.dat"), sizeof(THighscore));
}
