// What the Jass table shows: the icon of each trump code in the information panel, the turn
// marker, and the teams' points line.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/cg.h"
#include "core/envparam.h"
#include "core/panel.h"
#include "games/skat_jass_schnapsen/jass.h"

namespace {

class JassAnzeige : public testing::Test {
protected:
    void SetUp() override {
        std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
        cg.spielId = spiele::kJass;
        panel::leeren();
        panel::bilder = panel::Bilder{};
        for (int k = 1; k <= 4; ++k) panel::bilder.ansage[k] = 100 + k;
        panel::bilder.obenabe = 201;
        panel::bilder.undenufe = 202;
        panel::bilder.slalomO = 203;
        panel::bilder.slalomU = 204;
        panel::bilder.dran = 300;
        jass::punkteZeigen = [](const std::string& t) { gezeigt = t; };
    }
    void TearDown() override {
        jass::punkteZeigen = nullptr;
        panel::leeren();
        panel::bilder = panel::Bilder{};
    }
    static inline std::string gezeigt;
};

TEST_F(JassAnzeige, EachTrumpCodeHasItsIcon) {
    struct Case {
        int trumpf, platz, bild;
    };
    // The suits at their own places; the directions share the fifth place with their own pictures.
    const Case cases[] = {{1, 1, 101},
                          {2, 2, 102},
                          {3, 3, 103},
                          {4, 4, 104},
                          {jass::kObenabe, 5, 201},
                          {jass::kUndenufe, 5, 202},
                          {jass::kSlalomObenabe, 5, 203},
                          {jass::kSlalomUndenufe, 5, 204},
                          {jass::kKeinTrumpf, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.trumpf);
        int32_t bild = -1;
        EXPECT_EQ(jass::symbolFuer(c.trumpf, bild), c.platz);
        EXPECT_EQ(bild, c.bild);
    }
}

TEST_F(JassAnzeige, TurnMarkerAndTeamPointsWhilePlaying) {
    envParam.namen[1] = "Anna";
    envParam.namen[2] = "Bernd";
    envParam.namen[3] = "Clara";
    envParam.namen[4] = "Dora";
    cg.phase.nr = 4;
    cg.aktSpieler = 3;
    cg.jass.trumpf = jass::kObenabe;
    cg.konto[1] = 300;
    cg.konto[2] = 250;
    cg.jass.stichPunkte.at(1) = 30;
    cg.jass.stichPunkte.at(3) = 12;  // the partner's points count for the team
    cg.jass.stichPunkte.at(4) = 7;
    jass::anzeigeAktualisieren();
    for (int s = 1; s <= 4; ++s)
        EXPECT_EQ(panel::sitz[s].iconVisible ? panel::sitz[s].icon : 0, s == 3 ? 300 : 0) << s;
    EXPECT_EQ(gezeigt, "Anna + Clara: 342\rBernd + Dora: 257");
    // The round's end hides the points line.
    cg.phase.nr = 5;
    jass::anzeigeAktualisieren();
    EXPECT_EQ(gezeigt, "");
}

}  // namespace
