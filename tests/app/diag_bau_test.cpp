// The fixed building order: dialog and element ids that option files and game units rely on.
#include "app/diag_intern.h"
#include "dialoge_fixture.h"
#include "platform/text.h"

namespace {

using DiagBau = Dialoge;

TEST_F(DiagBau, DialogIdsFollowTheLibraryWithoutGaps) {
    EXPECT_EQ(app->GraphicsDialog, 7);
    EXPECT_EQ(d().optionen, 8);
    EXPECT_EQ(d().regeln[1], 19);
    EXPECT_EQ(d().regeln[12], 47);
    EXPECT_EQ(app->DialogList.Count, 47);
    // Every rule page by game id, as the building order puts them.
    const int seiten[13] = {20, 19, 33, 34, 35, 36, 37, 43, 38, 44, 46, 45, 47};
    for (int g = 0; g <= 12; ++g) EXPECT_EQ(d().regeln[g], seiten[g]) << g;
    EXPECT_EQ(app->dlg(d().kartenspiele).Caption.str(), "Kartenspiele");
    EXPECT_EQ(d().kartenspiele, 24);
    EXPECT_EQ(d().spielliste, 32);
    EXPECT_EQ(d().dlgCredits, 39);
}

TEST_F(DiagBau, MainMenuButtonsAndPokerSiblings) {
    EXPECT_EQ(d().kartenspieleTitel, 2);
    const int knopf[13] = {3, 7, 4, 5, 6, 8, 9, 14, 11, 16, 15, 17, 10};
    for (int g = 0; g <= 12; ++g) EXPECT_EQ(d().spielKnoepfe[g], knopf[g]) << g;
    EXPECT_EQ(d().spielKnoepfe[13], 0);
    EXPECT_EQ(app->GetCaption(d().kartenspiele, 12, false), "Pot Limit Poker");
    EXPECT_EQ(app->GetCaption(d().kartenspiele, 13, false), "Split Limit Poker");
    EXPECT_EQ(d().credits, 18);
    EXPECT_EQ(d().ende, 19);
    EXPECT_EQ(app->CurrentDialog, d().kartenspiele);
}

TEST_F(DiagBau, SkatPageKeepsItsFixedElements) {
    const int s = d().regeln[1];
    EXPECT_EQ(app->GetCaption(s, 2, false), "Spiel starten");
    EXPECT_EQ(d().standardKnoepfe[1], 38);
    EXPECT_EQ(app->GetCaption(s, 37, false), "Internationale Skatordnung (ISkO)");
    const int k = d().regelContainer[1];
    EXPECT_EQ(k, 39);
    for (int e : {3, 4, 5}) {
        EXPECT_EQ(el(s, e).PageIndex, 0) << e;
        EXPECT_NE(el(s, e).ParentElement, k) << e;
    }
    for (int e : {6, 7, 12, 19, 20}) EXPECT_EQ(el(s, e).PageIndex, 1) << e;
    for (int e : {21, 24, 26, 27, 30, 36, 37, 38}) EXPECT_EQ(el(s, e).PageIndex, 2) << e;
    // The radio groups whose members are rules join page 2 once.
    EXPECT_EQ(el(s, 18).PageIndex, 2);
    EXPECT_EQ(el(s, 35).PageIndex, 2);
    int mal = 0;
    for (int c = 1; c <= el(s, k).ChildCount; ++c) mal += el(s, k).child(c) == 18;
    EXPECT_EQ(mal, 1);
    // Skat has no duration choosers and no "Optionen" frame.
    for (int e = 40; e <= app->dlg(s).ElementCount; ++e) {
        EXPECT_NE(el(s, e).Caption.str(), "Spieldauer");
        EXPECT_NE(el(s, e).Caption.str(), "Optionen");
    }
    EXPECT_EQ(app->GetCaption(s, d().zurueckKnoepfe[1], false), text::w("Zurück"));
    EXPECT_EQ(d().regelnKnoepfe[1], app->dlg(s).ElementCount);
}

int findeCaption(glapp::Tglapp& a, int d, const std::string& c) {
    for (int e = 1; e <= a.dlg(d).ElementCount; ++e)
        if (a.dlg(d).el(e).Caption.str() == text::w(c)) return e;
    return 0;
}

TEST_F(DiagBau, DurationChoosersMoveByTheGamesOffset) {
    struct Fall {
        int spiel;
        const char* laenge;
        int dy;
    };
    const Fall faelle[] = {{0, "Rundenzahl", 0},   {4, "Rundenzahl", 28},    {5, "Rundenzahl", -30},
                           {6, "Rundenzahl", -30}, {7, "Bummerl/Partie", 0}, {12, "Rundenzahl", 0}};
    // The layout pass at the end of the building moves every element of a rule page down by 18.
    constexpr int pass = 18;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.spiel);
        const int s = d().regeln[f.spiel];
        const int l = findeCaption(*app, s, f.laenge);
        ASSERT_GT(l, 0);
        EXPECT_EQ(el(s, l).X, 140);
        EXPECT_EQ(el(s, l).Y, 326 + f.dy + pass);
        EXPECT_EQ(el(s, l + 1).X, 270);
        EXPECT_EQ(el(s, l + 1).Y, 330 + f.dy + pass);
        EXPECT_EQ(el(s, l + 1).PageIndex, 1);
        // The chooser's arrows follow it: the left arrow sits 6 to its right.
        EXPECT_EQ(el(s, l + 2).X, 276);
        EXPECT_EQ(el(s, l + 2).Y, 330 + f.dy + pass);
        const int frame = findeCaption(*app, s, "Spieldauer");
        ASSERT_GT(frame, 0);
        EXPECT_EQ(el(s, frame).Y, 290 + f.dy + pass);
    }
}

TEST_F(DiagBau, PokerGeneralOptionsOnPageOneInAnOptionsFrame) {
    const int s = d().regeln[8];
    EXPECT_EQ(el(s, d().pokerBegriffe).PageIndex, 1);
    EXPECT_EQ(el(s, d().pokerBegriffe + 1).PageIndex, 1);
    EXPECT_EQ(el(s, d().pokerBegriffe).Ti, -1);
    EXPECT_GT(findeCaption(*app, s, "Optionen"), 0);
    EXPECT_EQ(findeCaption(*app, s, "Spieldauer"), 0);
    EXPECT_GT(d().spielerzahlWahl[8], 0);
    EXPECT_EQ(d().spielerzahlWahl[1], 0);
    // Canasta's team option is general although its caption is long, and gets no frame.
    const int c = d().regeln[4];
    const int team = d().regelOptionen[4][7];
    EXPECT_EQ(el(c, team).PageIndex, 1);
    EXPECT_EQ(findeCaption(*app, c, "Optionen"), 0);
    // The Skat page's rule-set boxes stay hidden whichever tab is shown.
    dialoge::klick(*app, d().regeln[1], d().allgemeinKnoepfe[1]);
    for (int e : {3, 4, 5}) EXPECT_FALSE(el(d().regeln[1], e).Visible) << e;
    // "Startguthaben" is a rule: page 2.
    EXPECT_EQ(el(s, findeCaption(*app, s, "Startguthaben")).PageIndex, 2);
}

TEST_F(DiagBau, EveryPageFitsItsElementsAndCaptionsFitTheirField) {
    for (int dlg = 8; dlg <= app->DialogList.Count; ++dlg) {
        EXPECT_LE(app->dlg(dlg).ElementCount, pvl::MaxElements) << dlg;
        EXPECT_LE(app->dlg(dlg).Caption.size(), 100u);
    }
    for (const std::string& t : cap->texts()) ADD_FAILURE() << t;
}

TEST_F(DiagBau, PanelsFillTheGameCoresIds) {
    const central::PanelIds& c = central::ids;
    EXPECT_EQ(c.ingame, d().ingame);
    EXPECT_EQ(app->GetCaption(c.ingame, c.reihe[1][1], false), "!Weiter");
    EXPECT_EQ(app->GetCaption(c.ingame, c.reihe[2][2], false), "Nein");
    EXPECT_EQ(app->GetCaption(c.ingame, c.reihe[7][6], false), "Grand");
    EXPECT_EQ(c.reihe[8][3], c.reihe[7][3]);
    EXPECT_EQ(app->GetCaption(c.ingame, c.reihe[8][8], false), "?");
    EXPECT_EQ(c.knopfBis, c.reihe[6][6]);
    EXPECT_EQ(app->GetCaption(d().buttonpanel, d().buttonWeiter, false), "!Weiter");
    EXPECT_EQ(c.ipanel, d().ipanel);
    EXPECT_EQ(c.helpPanel, d().helppanel);
    EXPECT_EQ(c.hinweisDialog, app->FirstPanel);
    EXPECT_EQ(d().iconMenue, 1);
    EXPECT_FALSE(app->dlg(d().sortSkat).Visible);
    for (int k = 0; k <= 25; ++k) EXPECT_GT(c.tab[k], 0);
}

}  // namespace

namespace {

using GrafikDialog = Dialoge;

// "Fenster" and "Vollbild" are alternatives: a click on either leaves exactly that one ticked,
// also a second click on the one already ticked.
TEST_F(GrafikDialog, WindowAndFullScreenTickEachOtherOff) {
    const int gd = app->GraphicsDialog;
    const int fenster = app->Lib.windowed, voll = app->Lib.full;
    ASSERT_TRUE(app->isChecked(gd, fenster));
    ASSERT_FALSE(app->isChecked(gd, voll));
    struct Case {
        int click;
        bool fenster, voll;
    };
    const Case cases[] = {
        {voll, false, true}, {voll, false, true}, {fenster, true, false}, {fenster, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        app->CreateClickEvent(gd, c.click);
        EXPECT_EQ(app->isChecked(gd, fenster), c.fenster);
        EXPECT_EQ(app->isChecked(gd, voll), c.voll);
    }
    // What the dialog hands on is the ticked one.
    app->CreateClickEvent(gd, voll);
    app->PVLOptionFromDialog(false);
    EXPECT_EQ(+app->Options.FullScreen, 1);
}

// Ticking "Vollbild" chooses the line of the screen's own size (1280 x 1024 here), whatever
// window size the list showed; a line picked afterwards stays.
TEST_F(GrafikDialog, FullScreenTakesTheScreensOwnMode) {
    const int gd = app->GraphicsDialog;
    app->listResolutions({{640, 480, 32}, {800, 600, 32}, {1280, 1024, 16}, {1280, 1024, 32}});
    app->SetCreateIn(gd);
    app->SetSelIndex(gd, app->Lib.resolutions, 1);
    app->CreateClickEvent(gd, app->Lib.full);
    EXPECT_EQ(el(gd, app->Lib.resolutions).SelIndex, 4);
    app->SetSelIndex(gd, app->Lib.resolutions, 2);
    app->PVLOptionFromDialog(false);
    EXPECT_EQ(el(gd, app->Lib.resolutions).SelIndex, 2);
    // Without a mode of the screen's size the line is left as it is.
    app->CreateClickEvent(gd, app->Lib.windowed);
    app->listResolutions({{640, 480, 32}, {800, 600, 32}});
    app->SetSelIndex(gd, app->Lib.resolutions, 2);
    app->CreateClickEvent(gd, app->Lib.full);
    EXPECT_EQ(el(gd, app->Lib.resolutions).SelIndex, 2);
}

// The arrows of "Texturdetail" move it like every other chooser, and the live reading of the
// dialog on every mouse move keeps the line the player chose.
TEST_F(GrafikDialog, TextureDetailFollowsItsArrows) {
    const int gd = app->GraphicsDialog, t = app->Lib.texture;
    const int links = t + 1, rechts = t + 2;
    ASSERT_EQ(el(gd, rechts).Kind, pvl::ekArrow);
    struct Case {
        int arrow;
        int line;
        const char* shown;
    };
    const Case cases[] = {
        {rechts, 3, "Hoch"}, {rechts, 3, "Hoch"}, {links, 2, "Standard"}, {links, 1, "Niedrig"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        app->CreateClickEvent(gd, c.arrow);
        app->PVLOptionFromDialog(false);
        EXPECT_EQ(el(gd, t).TopIndex, c.line);
        EXPECT_EQ(app->Options.TextureDetail, c.line);
        EXPECT_EQ(app->GetLine(gd, t, el(gd, t).TopIndex), c.shown);
    }
}

}  // namespace
