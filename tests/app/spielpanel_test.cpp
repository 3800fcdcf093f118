// What the shell shows around a running game, on the dialogs it really builds: the rule pages
// while their game runs, the poker pot panel, the poker row and high scores, the Black Jack bet
// icons and lists, the credits, the close request during a game and the decision's text line
// beside its buttons.
#include <string>
#include <utility>
#include <vector>

#include "app/diag_intern.h"
#include "app/spielanbindung.h"
#include "core/central.h"
#include "core/spiele.h"
#include "dialoge_fixture.h"
#include "games/casino/geldtext.h"
#include "games/casino/holdem.h"
#include "games/casino/pokerchips.h"
#include "games/skat_jass_schnapsen/jass.h"
#include "platform/text.h"

namespace {

using SpielPanel = Dialoge;

bool frei(glapp::Tglapp& a, int dlg, int e) { return a.dlg(dlg).el(e).Enabled != 0; }

TEST_F(SpielPanel, RulePageOfTheRunningGameOnlyShowsItsRules) {
    const int poker = d().regeln[spiele::kPoker];
    const auto& o = d().regelOptionen[spiele::kPoker];
    ASSERT_EQ(o.size(), 7u);
    struct Fall {
        int aktiv;
        int spiel;
        bool gesperrt;
    };
    const Fall faelle[] = {{1, spiele::kPoker, true},
                           {2, spiele::kPoker, true},
                           {0, spiele::kPoker, false},
                           {1, spiele::kSkat, false}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.aktiv << "/" << f.spiel);
        glapp::spielAktiv = static_cast<uint8_t>(f.aktiv);
        ::cg.spielId = ::cg.spielIdMenue = static_cast<uint8_t>(f.spiel);
        dialoge::endis(*app, poker);
        // start cash, blinds, their rise, the currency
        for (size_t i = 0; i < 4; ++i) EXPECT_EQ(frei(*app, poker, o[i]), !f.gesperrt) << i;
        EXPECT_EQ(frei(*app, poker, d().standardKnoepfe[spiele::kPoker]), !f.gesperrt);
        // the page can still be read and left; the wording may change during a hand
        EXPECT_TRUE(frei(*app, poker, d().allgemeinKnoepfe[spiele::kPoker]));
        EXPECT_TRUE(frei(*app, poker, d().regelnKnoepfe[spiele::kPoker]));
        EXPECT_TRUE(frei(*app, poker, d().zurueckKnoepfe[spiele::kPoker]));
        EXPECT_TRUE(frei(*app, poker, d().pokerBegriffe));
    }
    // "17 und 4" runs as game 9 with its flag: its own page is locked, Black Jack's is not
    glapp::spielAktiv = 1;
    ::cg.spielId = spiele::kBlackJack;
    ::cg.spielIdMenue = spiele::kSiebzehnUndVier;
    for (int g : {spiele::kBlackJack, spiele::kSiebzehnUndVier}) {
        dialoge::endis(*app, d().regeln[g]);
        EXPECT_EQ(frei(*app, d().regeln[g], d().regelOptionen[g][0]), g == spiele::kBlackJack) << g;
    }
    glapp::spielAktiv = 0;
}

TEST_F(SpielPanel, PotPanelShowsWhileAPokerHandIsPlayed) {
    struct Fall {
        int aktiv;
        int spiel;
        bool sichtbar;
    };
    const Fall faelle[] = {{0, spiele::kPoker, false},
                           {1, spiele::kPoker, true},
                           {2, spiele::kPoker, true},
                           {1, spiele::kBlackJack, false}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.aktiv << "/" << f.spiel);
        glapp::spielAktiv = static_cast<uint8_t>(f.aktiv);
        ::cg.spielId = static_cast<uint8_t>(f.spiel);
        glapp::panelsZeigen(*app);
        glapp::panelsZeigen(*app);  // every frame decides anew
        EXPECT_EQ(app->dlg(d().pokerpanel).Visible != 0, f.sichtbar);
    }
    glapp::spielAktiv = 0;
}

TEST_F(SpielPanel, PokerHighScoresShowThePlacingNotMoney) {
    ::cg.spielId = ::cg.spielIdMenue = spiele::kPoker;
    THighscoreEintrag& erster = ::cg.highscore.at(spiele::kPoker, 1, 1);
    erster.punkte = 60000 + 3000 + 500 - 42;  // first place after 42 hands, Profi
    erster.name = "Anna";
    dialoge::buildhighscore(*app, 1);
    const int h = d().highscore, l = d().hsListe;
    EXPECT_EQ(app->GetLine(h, l, 8), "Anna");
    EXPECT_EQ(app->GetLine(h, l, 10), "1. Platz nach 42 Spielen (Profi)");
    EXPECT_EQ(app->GetLine(h, l, 15), "-");  // an empty place
    const std::string titel = app->GetCaption(h, 1, false);
    EXPECT_EQ(titel.substr(titel.size() - 11), "\n Highscore");
}

TEST_F(SpielPanel, BlackJackBetIconsNeverOverlap) {
    ::cg.spielId = spiele::kBlackJack;
    ::cg.aktSpieler = 1;
    ::cg.entscheidung.art = 106;
    ::cg.phase.nr = 10;
    geldtext::UpdateBlackJackBetButtons();
    const pvl::TPVLDialog& g = app->dlg(d().ingame);
    for (int i = 0; i < 4; ++i) {
        const pvl::TPVLElement& a = g.el(d().ingamePfeile[i]);
        EXPECT_TRUE(a.Visible) << i;
        for (int j = i + 1; j < 4; ++j) {
            const pvl::TPVLElement& b = g.el(d().ingamePfeile[j]);
            const bool getrennt = a.X + a.Width <= b.X || b.X + b.Width <= a.X || a.Y + a.Height <= b.Y ||
                                  b.Y + b.Height <= a.Y;
            EXPECT_TRUE(getrennt) << i << " and " << j;
        }
    }
}

std::vector<std::string> zeilen(glapp::Tglapp& a, int dlg, int e) {
    std::vector<std::string> z;
    for (int i = 1; i <= a.dlg(dlg).el(e).LineCount; ++i) z.push_back(text::toUtf8(a.GetLine(dlg, e, i)));
    return z;
}

TEST_F(SpielPanel, BlackJackBetListsOfferTheBetsTheGamePlays) {
    // The game reads list entry i as the bet step of its rules: Black Jack 2, 4, 6, 8, 10 chips
    // at least and 10..50 at most, "17 und 4" 1, 2, 3, 5, 10 and 10, 15, 25, 40, 50; a chip
    // is 10 € or, in coins, 2 ct.
    using V = std::vector<std::string>;
    const int bj = d().regeln[spiele::kBlackJack], s17 = d().regeln[spiele::kSiebzehnUndVier];
    const auto& ob = d().regelOptionen[spiele::kBlackJack];
    const auto& o17 = d().regelOptionen[spiele::kSiebzehnUndVier];
    EXPECT_EQ(zeilen(*app, bj, ob[3]), (V{"20 €", "40 €", "60 €", "80 €", "100 €"}));
    EXPECT_EQ(zeilen(*app, bj, ob[4]), (V{"100 €", "200 €", "300 €", "400 €", "500 €"}));
    EXPECT_EQ(zeilen(*app, s17, o17[3]), (V{"10 €", "20 €", "30 €", "50 €", "100 €"}));
    EXPECT_EQ(zeilen(*app, s17, o17[4]), (V{"100 €", "150 €", "250 €", "400 €", "500 €"}));
    // a change of currency on the page rewrites the lists in it
    app->casinoVerbinden();
    app->SetTopIndex(bj, ob[2], 1);
    dialoge::haken.optionenJe[spiele::kBlackJack](ob[2], false);
    EXPECT_EQ(zeilen(*app, bj, ob[1]), (V{"2,00 €", "4,00 €", "10,00 €"}));
    EXPECT_EQ(zeilen(*app, bj, ob[3]), (V{"4 ct", "8 ct", "12 ct", "16 ct", "20 ct"}));
    app->SetTopIndex(bj, ob[2], 3);
    dialoge::haken.optionenJe[spiele::kBlackJack](ob[2], false);
    EXPECT_EQ(zeilen(*app, bj, ob[4]), (V{"100 $", "200 $", "300 $", "400 $", "500 $"}));
}

// The preset boxes of the poker page, each alone and the last of two: the lists take the preset's
// lines and lock, the table read from the page is the preset's. By the rules: start cash line 2
// is 200, blinds line 1 a big blind of 2, line 2 of 4, interval line 3 every 10 hands, and Split
// Limit raises late in a hand by twice the big blind.
TEST_F(SpielPanel, PokerPresetsSetTheTableAndLockItsLists) {
    const int seite = d().regeln[spiele::kPoker];
    const auto& e = d().regelOptionen[spiele::kPoker];
    const int spieler = d().spielerzahlWahl[spiele::kPoker];
    const int(&box)[3] = d().pokerVorwahl;
    glapp::pokerVerbinden(*app);
    const TPoker& pk = ::cg.poker;
    struct Case {
        bool boxen[3];
        int waehrung, bigBlind, split, pot, spaeteStufe;
        const char* titel;
    };
    const Case cases[] = {
        {{true, false, false}, 2, 2, 0, 0, 2, "No Limit Poker"},
        {{false, true, false}, 1, 2, 0, 1, 2, "Pot Limit Poker"},
        {{false, false, true}, 3, 4, 1, 0, 8, "Split Limit Poker"},
        {{true, false, true}, 3, 4, 1, 0, 8, "Split Limit Poker"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.titel);
        // lists elsewhere first: 2 players, 500 start cash, blinds 10, never rising, coins
        for (int l : {spieler, e[2], e[3]}) app->SetTopIndex(seite, l, 1);
        for (int l : {e[0], e[1]}) app->SetTopIndex(seite, l, 3);
        for (int i = 0; i < 3; ++i) app->SetBoolean(seite, box[i], c.boxen[i]);
        dialoge::haken.optionenJe[spiele::kPoker](box[0], false);
        holdem::PokerReadOptions();
        EXPECT_EQ(+::cg.ablauf.anzSpieler, 6);
        EXPECT_EQ(+pk.startGeld, 200);
        EXPECT_EQ(+pk.intervall, 10);
        EXPECT_EQ(+pk.waehrung, c.waehrung);
        EXPECT_EQ(+pk.bigBlindStart, c.bigBlind);
        EXPECT_EQ(+pk.splitLimit, c.split);
        EXPECT_EQ(+pk.potLimit, c.pot);
        EXPECT_EQ(+pk.spaeteStufe, c.spaeteStufe);
        EXPECT_EQ(app->GetCaption(seite, 1, false), c.titel);
        for (int l : {spieler, e[0], e[1], e[2], e[3]}) {
            EXPECT_FALSE(frei(*app, seite, l)) << l;
            EXPECT_FALSE(frei(*app, seite, l + 2)) << "right arrow of " << l;
        }
        EXPECT_EQ(holdem::PokerMatchesFirstPreset(), c.boxen[0] && !c.boxen[2]);
    }
    // No box: the lists are free and what they show is the table.
    for (int i = 0; i < 3; ++i) app->SetBoolean(seite, box[i], false);
    app->SetTopIndex(seite, e[0], 3);
    dialoge::haken.optionenJe[spiele::kPoker](box[0], false);
    holdem::PokerReadOptions();
    EXPECT_EQ(+pk.startGeld, 500);
    for (int l : {spieler, e[0], e[1], e[2], e[3]}) EXPECT_TRUE(frei(*app, seite, l)) << l;
    // A table set up like the first preset, written back while a preset is in use, ticks the
    // first box alone; without a preset in use no box is ticked.
    app->SetBoolean(seite, box[0], true);
    dialoge::haken.optionenJe[spiele::kPoker](box[0], false);
    holdem::PokerReadOptions();
    ASSERT_TRUE(holdem::PokerMatchesFirstPreset());
    app->SetBoolean(seite, box[0], false);
    holdem::optionenSchreiben();
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(app->isChecked(seite, box[i])) << i;
    app->SetBoolean(seite, box[2], true);
    holdem::optionenSchreiben();
    EXPECT_TRUE(app->isChecked(seite, box[0]));
    EXPECT_FALSE(app->isChecked(seite, box[1]));
    EXPECT_FALSE(app->isChecked(seite, box[2]));
}

TEST_F(SpielPanel, PokerButtonsFitTheirCaptions) {
    ::cg.spielId = spiele::kPoker;
    ::cg.aktSpieler = 2;  // a computer seat: only the layout runs
    central::dienste.pokerDeutsch = [] { return true; };
    const int dlg = d().ingame;
    const char* texte[4] = {"!Passen", "!Mitgehen 2.400 €", "!Erhöhen 12.000 €", "!Alles setzen"};
    for (double aspekt : {4.0 / 3.0, 16.0 / 9.0}) {
        SCOPED_TRACE(aspekt);
        app->ViewAspect = aspekt;
        for (int k = 1; k <= 4; ++k) app->SetCaption(dlg, central::ids.reihe[4][k], text::w(texte[k - 1]));
        central::dialogAnordnen(::cg, true, false);
        const pvl::TPVLDialog& g = app->dlg(dlg);
        int rechts = -1000;
        for (int k = 1; k <= 4; ++k) {
            const pvl::TPVLElement& b = g.el(central::ids.reihe[4][k]);
            EXPECT_GE(b.X, rechts) << k;  // left to right, none over the one before
            rechts = b.X + b.Width;
            const std::string t = b.Caption.str().substr(1);
            EXPECT_LE(11.0f * b.Scale * app->charwidth(t), b.Width - 12 + 0.01f) << k;
        }
        EXPECT_LE(rechts, g.Width);
        // the raise icons stand between the raise button and "all in"
        const pvl::TPVLElement& erhoehen = g.el(central::ids.reihe[4][3]);
        const pvl::TPVLElement& alles = g.el(central::ids.reihe[4][4]);
        for (int e : d().ingamePfeile) {
            EXPECT_GE(g.el(e).X, erhoehen.X + erhoehen.Width);
            EXPECT_LE(g.el(e).X + g.el(e).Width, alles.X);
        }
    }
    central::dienste.pokerDeutsch = nullptr;
}

TEST_F(SpielPanel, CreditsLinesStandInColumns) {
    // Without the font the library counts 0.55 widths a character: the dots fill "Spielkern"
    // and its two blanks to 25 characters, the first reaching 13.5 widths.
    EXPECT_EQ(dialoge::bau::creditsZeile(*app, "Spielkern", "Team Kern"),
              "Spielkern  ..............Team Kern");
    EXPECT_EQ(dialoge::bau::creditsZeile(*app, "", "X"), std::string(13, ' ') + "............X");
    EXPECT_EQ(dialoge::bau::creditsZeile(*app, "- Musik -", ""), "!     - Musik -");
    EXPECT_EQ(dialoge::bau::creditsZeile(*app, " ", ""), " ");
    const auto z = zeilen(*app, d().dlgCredits, d().creditsListe);
    ASSERT_GT(z.size(), 26u + 10u);
    EXPECT_EQ(z.front(), "!     CREDITS");
    std::vector<std::string> gruppen;
    for (const std::string& s : z)
        if (s.rfind("!     - ", 0) == 0) gruppen.push_back(s.substr(6));
    EXPECT_EQ(gruppen, (std::vector<std::string>{"- Produktion -", "- Programmierung -", "- Kartenbilder -",
                                                 "- Musik -", "- Sound -", "- Sounds -", "- Sprecher -",
                                                 "- Grafik -", "- Betatest -"}));
    for (size_t i = z.size() - 26; i < z.size(); ++i) EXPECT_EQ(z[i], " ") << i;
}

TEST_F(SpielPanel, ClosingTheWindowDuringAGameOpensTheGameMenu) {
    app->CloseQueryCall = [this] { return app->ccapp(); };
    glapp::spielAktiv = 1;
    app->closeme();
    EXPECT_NE(app->AppState, 3);
    EXPECT_EQ(glapp::spielAktiv, 2);  // paused, the game menu open
    EXPECT_EQ(app->CurrentDialog, d().spielmenue);
    app->closeme();  // again while paused: still nothing is lost
    EXPECT_NE(app->AppState, 3);
    glapp::spielAktiv = 0;
    app->closeme();
    EXPECT_EQ(app->AppState, 3);
}

// The decision's text line stands on its plate left of the buttons; a long line moves left
// until its plate ends before the first button (it once lay over "Melden"), a short one keeps
// its game's place.
TEST_F(SpielPanel, DecisionTextLineEndsBeforeTheFirstButton) {
    const int dlg = d().ingame, zeile = central::ids.textZeile;
    struct Fall {
        int spiel;
        const char* text;
        int platz;  // the game's own place of the line
        bool bleibt;
    };
    const Fall faelle[] = {{spiele::kCanasta, "!30 von 50 Mindestpunktzahl - Bitte Herz As legen", -205, false},
                           {spiele::kCanasta, "!30 von 50 Mindestpunktzahl", -205, false},
                           {spiele::kRomme, "!45 von 40 Mindestpunktzahl", -160, false},
                           {spiele::kCanasta, "!Karo", -205, true}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        ::cg.spielId = static_cast<uint8_t>(f.spiel);
        ::cg.aktSpieler = 1;
        TEntscheidung& e = ::cg.entscheidung;
        e.mitKnoepfen = 1;
        e.knopfAnzahl = 3;
        e.texte[0] = f.text;
        e.texte[1] = "!Melden";
        e.texte[2] = "!Neu beginnen";
        e.texte[3] = "!Fertig";
        central::dialogAnordnen(::cg, true, false);
        ASSERT_TRUE(el(dlg, zeile).Visible);
        int links = 10000;
        for (int k = 1; k <= 3; ++k) links = std::min(links, static_cast<int>(el(dlg, central::ids.reihe[3][k]).X));
        // The plate the painter puts behind the line: from x + 12, as wide as the line and two
        // blanks at 9.8365 units per font unit.
        const std::string ohne = std::string(f.text).substr(1);
        const int ende = el(dlg, zeile).X + 12 + static_cast<int>(app->charwidth(ohne + "  ") * 9.8365 + 0.5);
        EXPECT_LT(ende, links);
        if (f.bleibt)
            EXPECT_EQ(+el(dlg, zeile).X, f.platz);
        else
            EXPECT_LT(+el(dlg, zeile).X, f.platz);
    }
}

TEST_F(SpielPanel, GameSymbolComesBackWhileItStillFadesOut) {
    const int p = central::ids.ipanel;
    const int grand = central::ids.icon1Elem[11], kreuz = central::ids.icon1Elem[1];
    ASSERT_TRUE(app->validElement(p, grand));
    ASSERT_TRUE(app->validElement(p, kreuz));
    central::spielSymbol(11, 0);
    EXPECT_TRUE(el(p, grand).Visible);
    EXPECT_FALSE(el(p, kreuz).Visible);
    // the frames have faded it in; then a new deal hides it, and the fade-out has only begun
    el(p, grand).Fade.Shown = 1;
    central::spielSymbol(0, 0);
    EXPECT_FALSE(el(p, grand).Visible);
    // the next game is a Grand again before the fade-out is over
    central::spielSymbol(11, 0);
    EXPECT_TRUE(el(p, grand).Visible) << "the symbol stays hidden";
    central::spielSymbol(0, 0);
}

}  // namespace

// The Jass information line holds both teams' points, one team a line, inside its panel in the
// 4:3 and the 16:9 window: each line ends before the panel's right edge, where the label cuts
// (it once began at the middle and the second team's points were cut away).
TEST_F(SpielPanel, JassTeamPointsStandWholeInTheInformationLine) {
    glapp::jassVerbinden(*app);
    ASSERT_NE(jass::punkteZeigen, nullptr);
    const int p = d().textpanel, e = d().textZeile;
    const std::string erste = "Annemarie + Thomas: 1234", zweite = "Bernhard + Lena: 987";
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1280, 720}}) {
        SCOPED_TRACE(w);
        app->FormResize(w, h);
        jass::punkteZeigen(erste + "\r" + zweite);
        app->Relayout(false);
        const pvl::TPVLDialog& g = app->dlg(p);
        // The label writes from its x + 15 at 11.5 units per font unit; the painter cuts at the
        // panel's right edge less 15.
        const int rechts = g.X + g.Width - 15;
        for (const std::string& zeile : {erste, zweite})
            EXPECT_LE(g.X + el(p, e).X + 15 + app->charwidth(zeile) * 11.5, rechts) << zeile;
        // two lines of 20 units from y + 8 on the panel
        EXPECT_GE(g.Height, el(p, e).Y + 8 + 2 * 20);
    }
}
