// The developer's unattended run in the program: the result table presses its own "Weiter". The
// button's handler takes that press while the game waits in its menu, and then it is the one
// that goes on: exactly one next game starts, and at the match's end none starts behind the main
// menu.
#include <gtest/gtest.h>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/klick.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "programm_fixture.h"

namespace {

using TabelleWeiter = ProgrammOhneBild;

int g_starts = 0;

TEST_F(TabelleWeiter, OneNextGameAndNoneBehindTheMainMenu) {
    const dialoge::Ids& d = dialoge::ids();
    // Every game start reseeds chance once: counting the reseeds counts the starts.
    central::dienste.zufallNeu = [] { ++g_starts; };
    struct Fall {
        const char* was;
        bool menue;  // the player has opened the game menu
        bool ende;   // the round ends the match
        int starts;
        uint8_t zustand;  // the shell's state afterwards: 0 main menu, 1 a game runs
    };
    const Fall faelle[] = {
        {"table alone, match goes on", false, false, 1, 1},
        {"game menu open, match goes on", true, false, 1, 1},
        {"game menu open, match over", true, true, 0, 0},
        // Nobody answers the button: the unattended run plays on.
        {"table alone, match over", false, true, 1, 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        ASSERT_TRUE(central::neuesSpiel(cg, spiele::kMauMau, 0));
        glapp::spielAktiv = 1;
        app->InvsbDialog(d.kartenspiele);
        cg.maumau.punkteLimit = 0;
        cg.maumau.rundenLimit = f.ende ? 1 : 50;
        if (f.menue) {
            dialoge::klick(*app, d.iconLayer, d.iconMenue);
            ASSERT_EQ(glapp::spielAktiv, 2);
        }
        app->Options.RenderFlags[11 - 2] = 1;
        g_starts = 0;
        TGameResult r;
        r.spieler = 2;
        r.at(2) = 12;
        spielliste::punkteTabelle(cg, r, false);
        app->Options.RenderFlags[11 - 2] = 0;
        EXPECT_EQ(g_starts, f.starts);
        EXPECT_EQ(glapp::spielAktiv, f.zustand);
        EXPECT_EQ(app->dlg(d.kartenspiele).Visible != 0, f.zustand == 0);
        EXPECT_FALSE(app->dlg(d.spielliste).Visible);
        if (f.starts == 1) {
            EXPECT_EQ(+cg.phase.nr, 0);
        }
        if (app->validDialog(d.spielmenue)) app->InvsbDialog(d.spielmenue);
    }
}

}  // namespace
