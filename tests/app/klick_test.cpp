// Clicks on the shell's dialogs: decision buttons, rule pages, the main menu, save and load.
#include <fstream>

#include "core/envparam.h"
#include "core/spiele.h"
#include "dialoge_fixture.h"
#include "platform/text.h"

namespace {

using Klick = Dialoge;

void frage(int n) {
    TEntscheidung& e = ::cg.entscheidung;
    e.mitKnoepfen = 1;
    e.knopfAnzahl = n;
    for (int i = 1; i <= 8; ++i) e.setzeCode(i, static_cast<int16_t>(100 + i));
    ::cg.antwort.offen = 2;
    ::cg.antwort.wert2 = 0;
}

TEST_F(Klick, DecisionButtonSendsTheCodeOfItsRowIndex) {
    // Row index by layout: every row counts its buttons from 1; the game types are 1..7 in the
    // rows for 7 and 8, and the extra "?" of the row for 8 is 8.
    for (int spiel : {0, 6}) {
        ::cg.spielId = static_cast<uint8_t>(spiel);
        for (int n = 1; n <= 8; ++n)
            for (int k = 1; k <= n; ++k) {
                SCOPED_TRACE(testing::Message() << spiel << " " << n << "/" << k);
                frage(n);
                const int e = central::ids.reihe[n][k];
                EXPECT_EQ(dialoge::reihenIndex(e), k);
                dialoge::klick(*app, d().ingame, e);
                EXPECT_EQ(::cg.antwort.offen, 0);
                EXPECT_EQ(::cg.antwort.art, central::kKnopf);
                EXPECT_EQ(::cg.antwort.wert2, 100 + k);
                EXPECT_EQ(::cg.antwort.wert1, spiel == 6 ? k : 0);  // Schafkopf sends the index
            }
    }
    EXPECT_EQ(dialoge::reihenIndex(d().ingameText), 0);
}

TEST_F(Klick, AmountArrowsNeverSendAnAction) {
    std::vector<int> schritte;
    dialoge::haken.blackjackEinsatz = [&](int delta) { schritte.push_back(delta); };
    int pokerPfeile = 0;
    dialoge::haken.pokerPfeil = [&](int) { ++pokerPfeile; };
    ::cg.spielId = spiele::kBlackJack;
    for (int variante : {0, 1}) {
        ::cg.blackjack.siebzehnUndVier = static_cast<uint8_t>(variante);
        for (int e : d().ingamePfeile) {
            frage(2);
            dialoge::klick(*app, d().ingame, e);
            EXPECT_EQ(::cg.antwort.offen, 2);
        }
    }
    EXPECT_EQ(schritte, (std::vector<int>{2, -2, 8, -8, 1, -1, 5, -5}));
    ::cg.spielId = spiele::kPoker;
    for (int e : d().ingamePfeile) {
        frage(4);
        dialoge::klick(*app, d().ingame, e);
        EXPECT_EQ(::cg.antwort.offen, 2);
    }
    EXPECT_EQ(pokerPfeile, 4);
}

TEST_F(Klick, PokerRaiseClampInItsOrderAndNeverNegative) {
    struct Fall {
        int32_t betrag, schritt;
        int pfeil;
        int32_t limit, minimum, geld, zuZahlen, erwartet;
    };
    const Fall faelle[] = {
        {100, 20, 1, 1000, 40, 5000, 0, 110},  // half a step up
        {100, 25, 2, 1000, 40, 5000, 0, 88},   // 25 / 2 = 12 toward zero
        {100, 20, 3, 1000, 40, 5000, 0, 140},  // twice the step
        {100, 20, 4, 1000, 40, 5000, 0, 60},  {990, 20, 3, 1000, 40, 5000, 0, 1000},  // the limit
        {50, 20, 4, 1000, 40, 5000, 0, 40},                                           // the minimum raise
        {300, 20, 3, 1000, 40, 200, 50, 150},  // what is left after calling
        {300, 20, 3, 1000, 40, 30, 50, 0},     // cannot even call: 0, not -20
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.betrag << " " << f.pfeil);
        EXPECT_EQ(dialoge::pokerBetrag(f.betrag, f.schritt, f.pfeil, f.limit, f.minimum, f.geld, f.zuZahlen),
                  f.erwartet);
    }
}

TEST_F(Klick, StandardRulesOnlyOnTheChosenGamesPage) {
    std::vector<std::pair<int, int>> handler;
    dialoge::haken.optionen = [&](int g, int e, bool) { handler.push_back({g, e}); };
    const int skat = d().regeln[1];
    std::filesystem::create_directories(dir / "data" / "settings");
    app->SetBoolean(skat, 21, true);
    ASSERT_TRUE(
        app->SaveToFile(skat, dir / "data" / "settings" / ("di_" + std::to_string(skat) + "_def.dco")));
    app->SetBoolean(skat, 21, false);

    ::cg.spielIdMenue = 0;  // Mau Mau chosen: the Skat page only runs its handler
    dialoge::klick(*app, skat, d().standardKnoepfe[1]);
    EXPECT_FALSE(app->isChecked(skat, 21));
    ASSERT_EQ(handler.size(), 1u);
    EXPECT_EQ(handler[0], (std::pair<int, int>{1, d().standardKnoepfe[1]}));

    ::cg.spielIdMenue = 1;
    dialoge::klick(*app, skat, d().regelnKnoepfe[1]);
    dialoge::klick(*app, skat, d().standardKnoepfe[1]);
    EXPECT_TRUE(app->isChecked(skat, 21));
    // The file was written on the first tab; the rules tab stays in front.
    EXPECT_TRUE(el(skat, 21).Visible);
    EXPECT_FALSE(el(skat, 19).Visible);
}

TEST_F(Klick, CompoundPartsReachTheHandlerThroughTheirParent) {
    std::vector<std::tuple<int, int, bool>> handler;
    dialoge::haken.optionen = [&](int g, int e, bool f) { handler.push_back({g, e, f}); };
    const int s = d().regeln[2];
    const int wahl = d().regelOptionen[2][0];  // "Kartengeber"
    dialoge::klick(*app, s, wahl + 1);         // its left arrow
    dialoge::klick(*app, s, wahl + 2);         // its right arrow
    dialoge::klick(*app, s, wahl);
    ASSERT_EQ(handler.size(), 3u);
    EXPECT_EQ(handler[0], std::make_tuple(2, wahl, true));
    EXPECT_EQ(handler[1], std::make_tuple(2, wahl, false));
    EXPECT_EQ(handler[2], std::make_tuple(2, wahl, false));
}

TEST_F(Klick, StartingAGameClearsTheVariantFlagsAndAnUnbuiltGameSaysSo) {
    ::cg.blackjack.siebzehnUndVier = 1;
    ::cg.schnapsen.sechsundsechzig = 1;
    const int jass = d().regeln[12];
    app->VsbDialog(jass, 1);
    dialoge::klick(*app, jass, 2);
    EXPECT_EQ(::cg.blackjack.siebzehnUndVier, 0);
    EXPECT_EQ(::cg.schnapsen.sechsundsechzig, 0);
    EXPECT_EQ(glapp::spielAktiv, 0);
    EXPECT_TRUE(app->dlg(jass).Visible);
    EXPECT_TRUE(cap->contains(text::w("Das Spiel \"Jass\" gibt es in dieser Version noch nicht.")));
}

TEST_F(Klick, PokerButtonsChooseTheirVariantAndJassIsNoCreditsButton) {
    const int poker = d().spielKnoepfe[8];
    dialoge::klick(*app, d().kartenspiele, poker + 1);
    EXPECT_EQ(::cg.spielId, spiele::kPoker);
    EXPECT_EQ(::cg.poker.potLimit, 1);
    EXPECT_EQ(central::spielNamen.code[8], "plp");
    EXPECT_EQ(central::spielNamen.ordner[8], "plpoker");
    EXPECT_EQ(app->GetCaption(d().regeln[8], 1, false), "Pot Limit Poker");
    EXPECT_EQ(app->GetCaption(d().gameMenue, d().gmTitel[1], false), "Texas Hold`em Poker");
    EXPECT_EQ(app->CurrentDialog, d().gameMenue);
    dialoge::klick(*app, d().kartenspiele, poker);
    EXPECT_EQ(::cg.poker.potLimit, 0);
    EXPECT_EQ(::cg.poker.splitLimit, 0);
    EXPECT_EQ(central::spielNamen.code[8], "nlp");

    dialoge::klick(*app, d().kartenspiele, d().spielKnoepfe[12]);
    EXPECT_EQ(::cg.spielIdMenue, spiele::kJass);
    EXPECT_EQ(app->CurrentDialog, d().gameMenue);
    EXPECT_FALSE(app->dlg(d().dlgCredits).Visible);

    dialoge::klick(*app, d().kartenspiele, d().spielKnoepfe[10]);
    EXPECT_EQ(::cg.spielIdMenue, spiele::kSechsundsechzig);
    EXPECT_EQ(::cg.spielId, spiele::kSchnapsen);
}

TEST_F(Klick, AFailedLoadLeavesTheDialogOpen) {
    ::cg.spielId = spiele::kBlackJack;
    std::filesystem::create_directories(dir / "save");
    std::ofstream(dir / "save" / "kaputt.bjk") << "zu kurz";
    std::ofstream(dir / "save" / "kaputt._bjk") << "zu kurz";
    dialoge::showladen(*app);
    ASSERT_EQ(app->dlg(d().laden).el(d().ladenListe).LineCount, 1);
    EXPECT_EQ(app->GetLine(d().laden, d().ladenListe, 1), "kaputt");
    app->SetSelIndex(d().laden, d().ladenListe, 1);
    glapp::spielAktiv = 0;
    dialoge::klick(*app, d().laden, d().ladenOk);
    EXPECT_TRUE(app->dlg(d().laden).Visible);
    EXPECT_EQ(glapp::spielAktiv, 0);
    EXPECT_FALSE(cap->texts().empty());
}

TEST_F(Klick, GameMenuAndPausedGameMenu) {
    ::cg.spielId = spiele::kSkat;
    ::cg.spielIdMenue = spiele::kSkat;
    glapp::spielAktiv = 1;
    dialoge::klick(*app, d().iconLayer, d().iconMenue);
    EXPECT_EQ(glapp::spielAktiv, 2);
    EXPECT_EQ(app->CurrentDialog, d().spielmenue);
    EXPECT_EQ(app->GetCaption(d().spielmenue, d().smTitel[1], false), "Skat");
    dialoge::klick(*app, d().spielmenue, 2);
    EXPECT_EQ(glapp::spielAktiv, 1);

    dialoge::klick(*app, d().gameMenue, d().gmNeu);
    EXPECT_EQ(app->CurrentDialog, d().regeln[1]);
    EXPECT_EQ(app->dlg(d().regeln[1]).el(d().regelContainer[1]).PageIndex, 1);
    dialoge::klick(*app, d().regeln[1], d().regelnKnoepfe[1]);
    EXPECT_EQ(app->dlg(d().regeln[1]).el(d().regelContainer[1]).PageIndex, 2);
    EXPECT_FALSE(app->dlg(d().regeln[1]).el(37).Visible == 0);
}

}  // namespace

namespace {

using Punkteliste = Dialoge;

// The score sheet's one button acts by its caption: back, the next round, or the match's end.
TEST_F(Punkteliste, SecondButtonActsByItsCaption) {
    const int s = d().spielliste;
    ::cg.spielId = spiele::kSkat;
    ::cg.spielIdMenue = spiele::kSkat;
    glapp::spielAktiv = 2;
    app->CallDialog(s);
    app->SetCaption(s, d().slWeiter, text::w("Zurück"));
    dialoge::klick(*app, s, d().slWeiter);
    EXPECT_FALSE(app->dlg(s).Visible);
    EXPECT_EQ(glapp::spielAktiv, 2);

    app->CallDialog(s);
    app->SetCaption(s, d().slWeiter, "Weiter");
    dialoge::klick(*app, s, d().slWeiter);
    EXPECT_FALSE(app->dlg(s).Visible);
    EXPECT_EQ(glapp::spielAktiv, 1);  // the next round (Skat is not built here: the core says so)

    glapp::spielAktiv = 2;
    app->InvsbDialog(d().kartenspiele);
    app->CallDialog(s);
    app->SetCaption(s, d().slWeiter, "Ende");
    dialoge::klick(*app, s, d().slWeiter);
    EXPECT_FALSE(app->dlg(s).Visible);
    EXPECT_EQ(glapp::spielAktiv, 0);
    EXPECT_TRUE(app->dlg(d().kartenspiele).Visible);

    // While no game is paused and the sheet is not in front, a click there does nothing.
    glapp::spielAktiv = 1;
    app->VsbDialog(s, 1);
    app->CallDialog(d().kartenspiele);
    app->SetCaption(s, d().slWeiter, text::w("Zurück"));
    dialoge::klick(*app, s, d().slWeiter);
    EXPECT_TRUE(app->dlg(s).Visible);
}

TEST_F(Punkteliste, DisplayChoosersFeedTheSettings) {
    app->SetTopIndex(d().anzeige, d().rueckseite, 4);
    app->SetTopIndex(d().anzeige, d().ausblenden, 3);
    dialoge::klick(*app, d().anzeige, d().rueckseite + 2);
    EXPECT_EQ(envParam.rueckseite, 4);
    EXPECT_EQ(envParam.ausblenden, 3);
}

}  // namespace

namespace {

using Anbindung = Dialoge;

TEST_F(Anbindung, GameCoreReadsNameDifficultyAndSeatsOfTheChosenPage) {
    central::dienste = {};
    central::dienste.app = app.get();
    dialoge::anbinden();
    const auto& s = central::dienste;
    ASSERT_TRUE(s.spielerAnzahl && s.menschName && s.staerke);
    const int romme = d().regeln[3];
    app->SetCaption(romme, d().nameFeld[3], "Paula");
    app->SetTopIndex(romme, d().spielerzahlWahl[3], 2);  // "3 Spieler"
    app->SetTopIndex(romme, d().schwierigkeitsWahl[3], 3);
    ::cg.spielIdMenue = spiele::kRomme;
    EXPECT_EQ(s.spielerAnzahl(), 3);
    EXPECT_EQ(s.menschName(spiele::kRomme), "Paula");
    EXPECT_EQ(s.staerke(spiele::kRomme, 2), 3);
    struct Fall {
        int spiel, sitze;
    };
    for (const Fall f : {Fall{1, 3}, Fall{7, 2}, Fall{10, 2}, Fall{5, 4}, Fall{12, 4}}) {
        ::cg.spielIdMenue = static_cast<uint8_t>(f.spiel);
        EXPECT_EQ(s.spielerAnzahl(), f.sitze) << f.spiel;
    }
    central::dienste = {};
}

}  // namespace

namespace {

using Nachbarn = Dialoge;

// The dialogs right after the poker page are no poker pages: a click on the poker pot panel
// starts nothing and reaches no option handler.
TEST_F(Nachbarn, DialogsAfterThePokerPageAreNoRulePages) {
    EXPECT_EQ(d().dlgCredits, d().regeln[8] + 1);
    EXPECT_EQ(d().pokerpanel, d().regeln[8] + 2);
    EXPECT_EQ(dialoge::regelSpiel(d().pokerpanel), 13);
    int handler = 0;
    dialoge::haken.optionen = [&](int, int, bool) { ++handler; };
    glapp::spielAktiv = 0;
    dialoge::klick(*app, d().pokerpanel, 2);
    EXPECT_EQ(handler, 0);
    EXPECT_EQ(glapp::spielAktiv, 0);
    EXPECT_TRUE(cap->texts().empty());
}

}  // namespace
