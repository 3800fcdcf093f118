// The Skat rule page as the shell builds it, read and written by the Skat unit: the ISkO box and
// the computer characters' chooser.
#include "app/spielanbindung.h"
#include "dialoge_fixture.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"

namespace {

class SkatSeite : public Dialoge {
protected:
    void SetUp() override {
        Dialoge::SetUp();
        skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
        glapp::skatSeiten(*app);
        s = skat::seiten.haupt;
    }
    void TearDown() override {
        skat::seiten = skat::Seiten{};
        Dialoge::TearDown();
    }
    int finde(const std::string& c) {
        for (int e = 1; e <= app->dlg(s).ElementCount; ++e)
            if (app->GetCaption(s, e, false) == text::w(c)) return e;
        return 0;
    }
    int s = 0;
};

TEST_F(SkatSeite, IskoBoxFollowsTheRulesOnTheRealPage) {
    const int isko = finde("Internationale Skatordnung (ISkO)");
    ASSERT_GT(isko, 0);
    EXPECT_EQ(el(s, isko).Kind, pvl::ekCheckBox);
    app->SetBoolean(s, finde("Standardwertung"), true);
    skat::optionenAbgleichen();
    EXPECT_TRUE(app->isChecked(s, isko));
    // Each of the five rule boxes alone unticks it.
    for (const char* regel : {"Mit Rum", "Mit Spitze", "Grand zählt nur 20", "Kontra/Re", "Bock/Ramsch"}) {
        SCOPED_TRACE(regel);
        const int e = finde(regel);
        ASSERT_GT(e, 0);
        app->SetBoolean(s, e, true);
        skat::optionenAbgleichen();
        EXPECT_FALSE(app->isChecked(s, isko));
        app->SetBoolean(s, e, false);
        skat::optionenAbgleichen();
        EXPECT_TRUE(app->isChecked(s, isko));
    }
    app->SetBoolean(s, finde("Standardwertung"), false);
    app->SetBoolean(s, finde("Turnierwertung"), true);
    skat::optionenAbgleichen();
    EXPECT_FALSE(app->isChecked(s, isko));
    // The standard rules tick it again and leave the "Optionen" buttons alone.
    app->SetBoolean(s, finde("Mit Spitze"), true);
    skat::standardRegeln();
    EXPECT_TRUE(app->isChecked(s, isko));
    EXPECT_FALSE(app->isChecked(s, finde("Mit Spitze")));
    for (int e : dialoge::ids().skatOptionen) EXPECT_FALSE(app->isChecked(s, e)) << e;
}

TEST_F(SkatSeite, ChosenCharacterGoesToEveryComputerSeat) {
    const int liste = dialoge::ids().skatCharakter;
    ASSERT_EQ(skat::seiten.charakterListe, liste);
    ASSERT_EQ(el(s, liste).LineCount, 3);
    EXPECT_EQ(app->GetLine(s, liste, 1), "Vorsichtig");
    EXPECT_EQ(app->GetLine(s, liste, 2), "Normal");
    EXPECT_EQ(app->GetLine(s, liste, 3), "Mutig");
    EXPECT_EQ(el(s, liste).PageIndex, 1);  // on the "Allgemein" tab beside the level
    // The values of ch.txt: Kontra readiness 30 / 50 / 70, bidding 44 / 50 / 58.
    struct Case {
        int position, kont, reizen;
    };
    for (const Case c : {Case{3, 70, 58}, Case{1, 30, 44}, Case{2, 50, 50}}) {
        SCOPED_TRACE(c.position);
        app->SetTopIndex(s, liste, c.position);
        skat::optionenLesen(false);
        for (int seat = 1; seat <= 3; ++seat) {
            const TSkatCharakter& ch = cg.sitzEinstellungen.at(seat).skat;
            EXPECT_EQ(ch.index, c.position);
            EXPECT_EQ(ch.kont, c.kont);
            EXPECT_EQ(ch.reizen, c.reizen);
        }
    }
}

}  // namespace
