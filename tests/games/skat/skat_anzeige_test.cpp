// What the table shows of a Skat deal: the turn marker while bidding, the declared game's icon and
// name at the declarer while it is played, Kontra in the caption, and a spoken bubble left alone.
#include <gtest/gtest.h>

#include <cstring>

#include "core/cg.h"
#include "core/entscheidung.h"
#include "core/panel.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"

namespace {

using namespace skat_1;

class SkatAnzeige : public testing::Test {
protected:
    void SetUp() override {
        std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
        cg.spielId = spiele::kSkat;
        panel::leeren();
        panel::bilder = panel::Bilder{};
        panel::bilder.dran = 500;
        for (int k = 1; k <= 12; ++k) panel::bilder.ansage[k] = 100 + k;
        tabellenSetzen();
        farbName = entscheidung::fragen.farbName;
        entscheidung::fragen.farbName = nullptr;  // the French suit names
    }
    void TearDown() override {
        panel::leeren();
        panel::bilder = panel::Bilder{};
        entscheidung::fragen.farbName = farbName;
    }
    decltype(entscheidung::fragen.farbName) farbName = nullptr;
    void spiel(int typ, int allein) {
        cg.skat.sk.typ = typ;
        cg.skat.spiel.typ = typ;
        cg.skat.spiel.alleinspieler = allein;
        cg.skat.sk.alleinspieler = allein;
    }
    static int32_t icon(int s) { return panel::sitz[s].iconVisible ? panel::sitz[s].icon : 0; }
};

TEST_F(SkatAnzeige, TurnMarkerOnlyAtTheSeatOnTurnWhileBiddingAndDeclaring) {
    for (int phase : {6, 7}) {
        SCOPED_TRACE(phase);
        cg.phase.nr = static_cast<uint8_t>(phase);
        for (int seat = 1; seat <= 3; ++seat) {
            cg.aktSpieler = seat;
            skat::spielerSymbole();
            for (int s = 1; s <= 3; ++s) EXPECT_EQ(icon(s), s == seat ? 500 : 0) << seat << "/" << s;
        }
    }
    // The deal shows none.
    cg.phase.nr = 1;
    skat::spielerSymbole();
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(icon(s), 0);
}

TEST_F(SkatAnzeige, DeclarerShowsTheIconOfTheGameTypeWhilePlaying) {
    struct Case {
        int typ, allein, bild;
        const char* name;
    };
    // The suit icons 1..4, then the announcement icons 10 Null and 11 Grand.
    const Case cases[] = {{kKreuz, 2, 101, "Kreuz"}, {kPik, 3, 102, "Pik"},   {kHerz, 1, 103, "Herz"},
                          {kKaro, 2, 104, "Karo"},   {kNull, 3, 110, "Null"}, {kGrand, 1, 111, "Grand"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typ);
        panel::leeren();
        spiel(c.typ, c.allein);
        cg.phase.nr = 4;
        cg.aktSpieler = c.allein == 3 ? 1 : c.allein + 1;
        skat::spielerSymbole();
        for (int s = 1; s <= 3; ++s) {
            EXPECT_EQ(icon(s), s == c.allein ? c.bild : 0) << s;
            EXPECT_EQ(panel::sitz[s].bubble, s == c.allein ? std::string(c.name) : "") << s;
        }
    }
}

TEST_F(SkatAnzeige, RamschShowsNoDeclarer) {
    spiel(kRamsch, 1);
    cg.skat.spiel.ramsch = 1;
    cg.phase.nr = 4;
    skat::spielerSymbole();
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(icon(s), 0);
        EXPECT_EQ(panel::sitz[s].bubble, "");
    }
}

TEST_F(SkatAnzeige, CaptionNamesHandLevelAndKontraAndWaitsForASpokenBubble) {
    spiel(kGrand, 2);
    cg.skat.spiel.hand = 1;
    cg.skat.spiel.stufeAngesagt = kSchneiderAngesagt;
    cg.phase.nr = 8;
    cg.skat.spiel.kontra = 2;
    skat::spielerSymbole();
    EXPECT_EQ(panel::sitz[2].bubble, "Grand Hand Schneider - Re");
    EXPECT_TRUE(panel::sitz[2].bubbleVisible);
    // The declarer speaks: its words stay until their bubble closes, then the caption is back.
    panel::text(2, "?Kontra");
    skat::spielerSymbole();
    EXPECT_EQ(panel::sitz[2].bubble, "?Kontra");
    panel::text(2, "");
    skat::spielerSymbole();
    EXPECT_EQ(panel::sitz[2].bubble, "Grand Hand Schneider - Re");
}

}  // namespace
