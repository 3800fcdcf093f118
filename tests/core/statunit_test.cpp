#include "core/statunit.h"

#include <gtest/gtest.h>

#include <string>

#include "core/cg.h"
#include "core/spiele.h"

namespace {

std::string g_panel;
uint16_t g_y = 0;
int g_klick = 0;

class StatUnit : public testing::Test {
protected:
    void SetUp() override {
        if (statunit::anzeige()) statunit::umschalten();
        statunit::leeren();
        statunit::spieleOffset = 0;
        statunit::matchAnzahl = 0;
        g_panel = "alt";
        g_y = 0;
        g_klick = 0;
        statunit::oberflaeche.panelText = [](const std::string& t) { g_panel = t; };
        statunit::oberflaeche.panelY = [](uint16_t y) { g_y = y; };
        statunit::oberflaeche.klickAktuellerDialog = [](int e) { g_klick = e; };
        cg.spielId = spiele::kSchnapsen;
        cg.ablauf.anzSpieler = 2;
        cg.spielliste.runden = 0;
    }
    void TearDown() override {
        if (statunit::anzeige()) statunit::umschalten();
        statunit::oberflaeche = {};
        cg.spielId = 0;
        cg.ablauf.anzSpieler = 0;
        cg.spielliste.runden = 0;
    }
};

TEST_F(StatUnit, ToggleReturnsTheNewState) {
    EXPECT_TRUE(statunit::umschalten());
    EXPECT_FALSE(statunit::umschalten());
}

TEST_F(StatUnit, SchnapsenShowsPointsAndClosingsPerSeat) {
    statunit::umschalten();
    statunit::zaehlen(1, 1, 66);
    statunit::zaehlen(2, 1, 40);
    statunit::zaehlen(2, 1, 12);
    statunit::zaehlen(2, 2, 1);
    statunit::statisticsCaption();
    EXPECT_EQ(g_panel,
              "Spieler 1 hat 66 Punkte. Zugemacht: 0 mal.\r"
              "Spieler 2 hat 52 Punkte. Zugemacht: 1 mal.\r");
    EXPECT_EQ(g_y, 0);  // only the games count moves the panel
    statunit::leeren();
    statunit::statisticsCaption();
    EXPECT_EQ(g_panel,
              "Spieler 1 hat 0 Punkte. Zugemacht: 0 mal.\r"
              "Spieler 2 hat 0 Punkte. Zugemacht: 0 mal.\r");
}

TEST_F(StatUnit, SchnapsenTextStaysWhileTheDisplayIsOff) {
    statunit::zaehlen(1, 1, 5);
    statunit::statisticsCaption();
    EXPECT_EQ(g_panel, "alt");
    std::string t = "vorher";
    EXPECT_FALSE(statunit::statistikText(t));
    EXPECT_EQ(t, "vorher");
    statunit::aktualisieren();
    EXPECT_EQ(g_klick, 0);
    statunit::umschalten();
    statunit::aktualisieren();
    EXPECT_EQ(g_klick, 3);
}

TEST_F(StatUnit, OtherGamesShowGamesAndMatches) {
    cg.spielId = spiele::kBlackJack;
    cg.spielliste.runden = 7;
    statunit::spieleOffset = 12;
    statunit::matchAnzahl = 2;
    statunit::statisticsCaption();
    EXPECT_EQ(g_panel, "Spiele: 19\rMatches: 2");
    EXPECT_EQ(g_y, 65286);
}

TEST_F(StatUnit, CountsOutsideTheMatrixAreIgnored) {
    struct Case {
        int column;
        int row;
    };
    const Case cases[] = {{-1, 1}, {11, 1}, {1, -1}, {1, 11}, {1000000, 0}, {0, -1000000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.column << "," << c.row);
        statunit::zaehlen(c.column, c.row, 5);
        EXPECT_EQ(statunit::zaehler(c.column, c.row), 0);
    }
    for (int r = 0; r < statunit::kGroesse; ++r)
        for (int c = 0; c < statunit::kGroesse; ++c) EXPECT_EQ(statunit::zaehler(c, r), 0);
    statunit::zaehlen(10, 10, 3);
    statunit::zaehlen(0, 0, -4);
    EXPECT_EQ(statunit::zaehler(10, 10), 3);
    EXPECT_EQ(statunit::zaehler(0, 0), -4);
}

}  // namespace
