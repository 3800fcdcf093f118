// Save lists, the test save, option files and the help and high-score dialogs.
#include <fstream>

#include "core/hilfe.h"
#include "core/spiele.h"
#include "dialoge_fixture.h"
#include "platform/text.h"

namespace {

void datei(const std::filesystem::path& p) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p) << "x";
}

using SaveListe = Dialoge;

TEST_F(SaveListe, ListsGameFilesOnly) {
    EXPECT_TRUE(dialoge::saveNamen(dir / "fehlt", "bjk").empty());
    const auto s = dir / "save";
    for (const char* n :
         {"x.bjk", "x._bjk", "autosave2.bjk", "autosave2._bjk", "poker.nlp", ".bjk", "a b.BJK"})
        datei(s / n);
    std::filesystem::create_directories(s / "ordner.bjk");
    EXPECT_EQ(dialoge::saveNamen(s, "bjk"), (std::vector<std::string>{"a b", "autosave2", "x"}));
    EXPECT_EQ(dialoge::saveNamen(s, "nlp"), (std::vector<std::string>{"poker"}));
}

TEST_F(SaveListe, AChosenVariantListsItsOwnSaves) {
    const auto s = dir / "save";
    datei(s / "bummerl.66_");
    datei(s / "schnapsen.snp");
    dialoge::klick(*app, d().kartenspiele, d().spielKnoepfe[10]);
    dialoge::klick(*app, d().gameMenue, d().gmLaden);
    ASSERT_EQ(el(d().laden, d().ladenListe).LineCount, 1);
    EXPECT_EQ(app->GetLine(d().laden, d().ladenListe, 1), "bummerl");
    dialoge::klick(*app, d().kartenspiele, d().spielKnoepfe[7]);
    dialoge::showladen(*app);
    EXPECT_EQ(app->GetLine(d().laden, d().ladenListe, 1), "schnapsen");
}

TEST_F(SaveListe, TestSaveTakesTheAutosaveBeforeTheSeatOnTurn) {
    ::cg.spielId = spiele::kBlackJack;
    ::cg.ablauf.anzSpieler = 4;
    ::cg.aktSpieler = 1;  // 1 - 2 < 1: the last seat
    const auto s = dir / "save";
    datei(s / "autosave4.bjk");
    datei(s / "autosave4._bjk");
    datei(s / "test.bjk");
    dialoge::testSave(*app, false);
    EXPECT_TRUE(std::filesystem::exists(s / "test.bjk"));
    EXPECT_TRUE(std::filesystem::exists(s / "test._bjk"));
    EXPECT_FALSE(std::filesystem::exists(s / "autosave4.bjk"));
}

TEST_F(SaveListe, EveryDialogStateSurvivesWriteAndReload) {
    const auto f = [&](int dlg) { return dir / ("di_" + std::to_string(dlg) + ".dco"); };
    int dialoge = 0;
    for (int dlg = d().optionen; dlg <= app->DialogList.Count; ++dlg) {
        if (app->dlg(dlg).Caption.str().rfind('#', 0) == 0) continue;
        ++dialoge;
        for (int e = 1; e <= app->dlg(dlg).ElementCount; ++e) {
            pvl::TPVLElement& x = el(dlg, e);
            if (x.Kind == pvl::ekCheckBox) x.Checked = static_cast<uint8_t>(e % 2);
            if (x.Kind == pvl::ekChooser) x.TopIndex = static_cast<int16_t>(std::min<int>(2, x.LineCount));
            if (x.Kind == pvl::ekEdit) app->SetCaption(dlg, e, "v" + std::to_string(e));
        }
        ASSERT_TRUE(app->SaveToFile(dlg, f(dlg)));
    }
    EXPECT_EQ(dialoge, 28);
    auto zweite = bauen();
    for (int dlg = d().optionen; dlg <= zweite->DialogList.Count; ++dlg) {
        if (zweite->dlg(dlg).Caption.str().rfind('#', 0) == 0) continue;
        SCOPED_TRACE(dlg);
        ASSERT_TRUE(zweite->LoadFromFile(dlg, f(dlg), 0));
        for (int e = 1; e <= zweite->dlg(dlg).ElementCount; ++e) {
            const pvl::TPVLElement& x = zweite->dlg(dlg).el(e);
            if (x.Kind == pvl::ekCheckBox) {
                EXPECT_EQ(x.Checked, e % 2) << e;
            } else if (x.Kind == pvl::ekChooser) {
                EXPECT_EQ(x.TopIndex, std::min<int>(2, x.LineCount)) << e;
            } else if (x.Kind == pvl::ekEdit) {
                EXPECT_EQ(zweite->GetCaption(dlg, e, false), "v" + std::to_string(e));
            }
        }
    }
}

TEST_F(SaveListe, MissingStateFilesTakeTheDefaults) {
    const auto s = dir / "data" / "settings";
    std::filesystem::create_directories(s);
    const int mau = d().regeln[0], skat = d().regeln[1];
    const int wahl = d().regelOptionen[0][0];
    app->SetTopIndex(mau, wahl, 3);
    app->SetBoolean(skat, 21, true);
    ASSERT_TRUE(app->SaveToFile(mau, s / ("di_" + std::to_string(mau) + "_def.dco")));
    ASSERT_TRUE(app->SaveToFile(skat, s / ("di_" + std::to_string(skat) + "_def.dco")));
    app->SetBoolean(skat, 21, false);
    ASSERT_TRUE(app->SaveToFile(skat, s / ("di_" + std::to_string(skat) + ".dco")));
    auto zweite = bauen();
    zweite->loadall();
    dialoge::standardLaden(*zweite);
    int top = 0;
    zweite->ReadTopIndex(mau, wahl, top);
    EXPECT_EQ(top, 3);                          // no saved state: the default
    EXPECT_FALSE(zweite->isChecked(skat, 21));  // the saved state wins
}

using HilfeDlg = Dialoge;

TEST_F(HilfeDlg, TopicTextWrapsAndTheSearchTopNeverGoesNegative) {
    const int h = d().hilfe, e = d().hilfeText;
    // the file's title comes with its line break: no gap before the colon, no heading mark
    dialoge::writehelptext(*app, "Skat\r\n", "Reizen", "", "\r\nErste Zeile\r\nZweite Zeile");
    EXPECT_EQ(app->GetLine(h, e, 1), " Skat: Reizen");
    EXPECT_EQ(app->GetLine(h, e, 2), " Erste Zeile");
    EXPECT_EQ(app->GetLine(h, e, 3), " Zweite Zeile");
    EXPECT_EQ(app->GetLine(h, e, 4), " ");
    dialoge::writehelptext(*app, "Skat", "", "ERSTE", "Erste Zeile");
    EXPECT_EQ(app->GetLine(h, e, 1), " Skat");
    // the search word is marked: the painter underlines after each "#" run of the line's mask
    EXPECT_EQ(app->ReadLine(h + 1000, e, 2), "#####       ");
    EXPECT_EQ(el(h, e).TopIndex, 0);
    std::string lang;
    for (int i = 0; i < 60; ++i) lang += "wort ";
    dialoge::writehelptext(*app, "K", "T", "", lang + "\r\nende");
    const int n = el(h, e).LineCount;
    EXPECT_GT(n, 4);
    EXPECT_EQ(app->GetLine(h, e, n - 1), " ende");
    dialoge::writehelptext(*app, "K", "T", "ende", lang + "\r\nende");
    // The line before "ende" already holds it in its window: two above that.
    EXPECT_EQ(el(h, e).TopIndex, n - 4);
}

TEST_F(HilfeDlg, AMissingHelpFileSaysSoAndAPresentOneIsListed) {
    THelpContainer regeln;
    glapp::hc = &regeln;
    ::cg.spielIdMenue = spiele::kJass;
    dialoge::buildhelp(*app);
    EXPECT_EQ(app->GetLine(d().hilfe, d().hilfeText, 2), text::w(" Für dieses Spiel gibt es keine Hilfe."));
    EXPECT_EQ(el(d().hilfe, d().hilfeThemen).LineCount, 0);
    std::filesystem::create_directories(dir / "data" / "help");
    std::ofstream(dir / "data" / "help" / "jass.txt")
        << "Jass#!!1#Jass#Vier Spieler.#2#Trumpf#Puur und Nell.#";
    dialoge::buildhelp(*app);
    EXPECT_EQ(el(d().hilfe, d().hilfeThemen).LineCount, 2);
    EXPECT_EQ(app->GetLine(d().hilfe, d().hilfeText, 1), " Jass: Trumpf");
    EXPECT_EQ(app->GetLine(d().hilfe, d().hilfeText, 2), " Puur und Nell.");
    glapp::hc = nullptr;
}

TEST_F(HilfeDlg, HintPanelHeightByLineCount) {
    THelpContainer hinweise;
    hinweise.parse("Hinweise#31#Ziehen#" + std::string(12 * 70, 'x') + "#32#Kurz#kurz#");
    glapp::ihc = &hinweise;
    ::cg.entscheidung.art = 31;
    dialoge::showinnerhelp(*app);
    EXPECT_EQ(app->dlg(d().helppanel).Height, 410);
    EXPECT_TRUE(app->dlg(d().helppanel).Visible);
    ::cg.entscheidung.art = 32;
    dialoge::showinnerhelp(*app);
    EXPECT_EQ(app->dlg(d().helppanel).Height, 77);
    EXPECT_EQ(app->GetCaption(d().helppanel, d().hilfePanelText, false), "kurz");
    EXPECT_FALSE(el(d().iconLayer, d().iconHilfe).Visible);
    glapp::ihc = nullptr;
}

TEST_F(HilfeDlg, HighScoreListShowsLeerForEmptyPlaces) {
    ::cg.spielId = spiele::kSkat;
    ::cg.spielIdMenue = spiele::kSkat;
    THighscoreEintrag& erster = ::cg.highscore.at(1, 2, 1);
    erster.punkte = 512;
    erster.name = "Anna";
    ::cg.highscore.at(1, 2, 2).punkte = 7;
    ::cg.highscore.at(1, 2, 2).leer = 1;
    dialoge::buildhighscore(*app, 2);
    const int h = d().highscore, l = d().hsListe;
    EXPECT_EQ(app->GetCaption(h, d().hsTitel, false), "!Nicht ISkO");
    EXPECT_EQ(app->GetLine(h, l, 3), "Punkte");
    EXPECT_EQ(app->GetLine(h, l, 7), "1.");
    EXPECT_EQ(app->GetLine(h, l, 8), "512");
    EXPECT_EQ(app->GetLine(h, l, 10), "Anna");
    EXPECT_EQ(app->GetLine(h, l, 13), "7");
    EXPECT_EQ(app->GetLine(h, l, 15), "Leer");
    EXPECT_EQ(el(h, l).LineCount, 5 * 12);
    EXPECT_TRUE(el(h, d().hsTab[2]).Visible);
    ::cg.spielId = spiele::kMauMau;
    dialoge::buildhighscore(*app, 1);
    EXPECT_FALSE(el(h, d().hsTab[2]).Visible);
}

}  // namespace

namespace {

using Standard = Dialoge;

// Every chooser of the option dialogs stands on an entry and every radio group has one member
// ticked: a first start never reads an impossible combination.
TEST_F(Standard, DefaultsLeaveNoChooserEmptyAndEveryRadioGroupDecided) {
    dialoge::standardWerte(*app);
    std::vector<int> dialoge(std::begin(d().regeln), std::begin(d().regeln) + 13);
    for (int x : {d().kontra, d().bockRamsch, d().umGeld, d().anzeige}) dialoge.push_back(x);
    for (int dlg : dialoge) {
        SCOPED_TRACE(dlg);
        for (int e = 1; e <= app->dlg(dlg).ElementCount; ++e) {
            const pvl::TPVLElement& x = el(dlg, e);
            if (x.Kind == pvl::ekChooser && x.LineCount > 0) {
                EXPECT_GE(x.TopIndex, 1) << e;
            }
            if (x.Kind != pvl::ekHeading) continue;
            int radio = 0, tick = 0;
            for (int c = 1; c <= x.ChildCount; ++c) {
                const pvl::TPVLElement& m = el(dlg, x.child(c));
                if (m.Kind != pvl::ekCheckBox || m.ParentElement != e) continue;
                ++radio;
                tick += m.Checked;
            }
            if (radio > 0) {
                EXPECT_EQ(tick, 1) << e;
            }
        }
    }
    // The Mau Mau special cards: 7 draws two, the Bube chooses the suit.
    EXPECT_EQ(app->GetCaption(d().regeln[0], d().maumauSonder[0], false), "7");
    EXPECT_EQ(app->GetCaption(d().regeln[0], d().maumauSonder[4], false), "Bube");
}

}  // namespace
