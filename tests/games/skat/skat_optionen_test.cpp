// The Skat option pages read into the options record and written back, on the GUI library
// over a fake host: the own games limit, the ISkO box, the standard rules.
#include <gtest/gtest.h>

#include <cstring>

#include "core/central.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "gui/guifixture.h"

namespace {

class SkatOptionen : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
        skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
        // the main page: check boxes 1..38 with an edit at 19; the other pages 20 boxes each
        skat::seiten.haupt = seite(38, 19);
        skat::seiten.kontra = seite(20, 0);
        skat::seiten.bock = seite(20, 0);
        skat::seiten.geld = seite(20, 0);
        central::dienste.app = app.get();
    }
    void TearDown() override {
        central::dienste = central::Dienste{};
        skat::seiten = skat::Seiten{};
        GuiTest::TearDown();
    }
    int seite(int n, int edit) {
        const int d = dialogAt(0, 0, 600, 500);
        for (int e = 1; e <= n; ++e)
            app->CreateCustomObject(e == edit ? pvl::ekEdit : pvl::ekCheckBox, 10, 10 + e, "x", -1, -1, 0.0f,
                                    1.0f);
        return d;
    }
    void box(int d, int e, bool v) { app->SetBoolean(d, e, v); }
    const TSkatOptionen& o() const { return cg.skat.optionen; }
};

}  // namespace

TEST_F(SkatOptionen, OwnGamesLimitIsCappedAndEmptyMeansNone) {
    const int h = skat::seiten.haupt;
    box(h, 11, true);  // "Eigene:"
    app->SetCaption(h, 19, "250");
    skat::optionenLesen(false);
    EXPECT_EQ(+o().limit, 200);
    EXPECT_EQ(app->GetCaption(h, 19, false), "200");
    app->SetCaption(h, 19, "");
    skat::optionenLesen(false);
    EXPECT_EQ(+o().limit, 0);
    cg.spielliste.runden = 1;
    EXPECT_TRUE(skat::partieEnde());  // the match ends after the first deal
    box(h, 9, true);                  // "12 Runden (36 Spiele)" overrides the edit
    skat::optionenLesen(false);
    EXPECT_EQ(+o().limit, 36);
}

TEST_F(SkatOptionen, IskoBoxFollowsTheFiveRulesAndTheScoring) {
    const int h = skat::seiten.haupt;
    box(h, 31, true);  // "Standardwertung"
    skat::optionenAbgleichen();
    EXPECT_TRUE(app->isChecked(h, 37));
    box(h, 22, true);  // "Mit Spitze"
    skat::optionenAbgleichen();
    EXPECT_FALSE(app->isChecked(h, 37));
    EXPECT_EQ(+o().spitze, 1);
    skat::standardRegeln();
    EXPECT_FALSE(app->isChecked(h, 22));
    EXPECT_TRUE(app->isChecked(h, 37));
    EXPECT_EQ(+o().grandGrundwert, 24);
}

TEST_F(SkatOptionen, OptionsRoundTripThroughThePages) {
    TSkatOptionen& x = cg.skat.optionen;
    x.wertung = 3;
    x.limit = 72;
    x.ersterGeber = 2;
    x.kontraRe = 1;
    x.mitKontraRe = 1;
    x.nachSpielansage = 0;
    x.bockRamsch = 1;
    x.durchmarsch = 1;
    x.geldProPunkt = 4;
    skat::optionenSchreiben();
    EXPECT_TRUE(app->isChecked(skat::seiten.kontra, 10));  // "Nach dem ersten Stich"
    x = TSkatOptionen{};
    skat::optionenLesen(false);
    EXPECT_EQ(+x.wertung, 3);
    EXPECT_EQ(+x.limit, 72);
    EXPECT_EQ(+x.ersterGeber, 2);
    EXPECT_EQ(+x.kontraRe, 1);
    EXPECT_EQ(+x.mitKontraRe, 1);
    EXPECT_EQ(+x.bockRamsch, 1);
    EXPECT_EQ(+x.durchmarsch, 1);
    EXPECT_EQ(+x.geldProPunkt, 4);
    EXPECT_EQ(+x.grandGrundwert, 24);
}
