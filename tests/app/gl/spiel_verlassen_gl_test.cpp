// Leaving a game in the real program under Xvfb: whichever way the player goes back to the main
// menu, or loads another game over the running one, nothing the game left showed over the table
// stays: its game symbol ("Grand"), its hint and the hint icon, its decision buttons and the
// seats' bubbles. With KS_SHOTS set to a folder the main menu afterwards is written there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/dialoge.h"
#include "app/gl/programm_gl.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/gtool.h"
#include "core/panel.h"
#include "core/spiele.h"
#include "core/spielstand.h"

namespace fs = std::filesystem;

namespace {

// Entry 11 of the game symbols: Grand.
constexpr int kGrand = 11;

bool gezeigt(glapp::Tglapp& app, int d, int e) {
    return app.validElement(d, e) && app.dlg(d).Visible && app.dlg(d).el(e).Visible;
}

// What of the game left is still shown, by name; over the main menu nothing of a game at all,
// over a game loaded what that game does not show by itself.
std::vector<std::string> uebrig(glapp::Tglapp& app, bool menue) {
    const dialoge::Ids& d = dialoge::ids();
    std::vector<std::string> r;
    if (gezeigt(app, d.ipanel, central::ids.icon1Elem[kGrand])) r.push_back("the Grand symbol");
    if (app.validDialog(d.helppanel) && app.dlg(d.helppanel).Visible) r.push_back("the hint");
    if (panel::sitz[2].bubble.find("Grand Hand") != std::string::npos && panel::sitz[2].bubbleVisible)
        r.push_back("seat 2's bubble");
    if (!menue) return r;
    for (int s = 1; s <= 6; ++s)
        if (gezeigt(app, d.ipanel, central::ids.zugMarke[s]))
            r.push_back("seat " + std::to_string(s) + "'s marker");
    if (gezeigt(app, d.iconLayer, d.iconHilfe)) r.push_back("the hint icon");
    if (app.validDialog(d.ingame) && app.dlg(d.ingame).Visible) r.push_back("the decision buttons");
    for (int s = 1; s < panel::kSitze; ++s)
        if (panel::sitz[s].bubbleVisible || panel::sitz[s].iconVisible)
            r.push_back("seat " + std::to_string(s) + "'s bubble or icon");
    return r;
}

std::string liste(const std::vector<std::string>& v) {
    std::string t;
    for (const std::string& s : v) t += (t.empty() ? "" : ", ") + s;
    return t;
}

// A box the step opens (the high-score congratulation) is answered as the player would, in the
// frame after it shows.
struct BoxenBeantworten {
    glapp::Tglapp& app;
    std::function<void()> malen;
    explicit BoxenBeantworten(glapp::Tglapp& a) : app(a), malen(a.Hooks.paintDialogs) {
        app.Hooks.paintDialogs = [this] {
            malen();
            if (!app.InMsgBox) return;
            for (int i = 0; i < 3; ++i)
                if (app.isVisible(app.MsgDialog, app.MsgButtons[i])) {
                    app.CreateClickEvent(app.MsgDialog, app.MsgButtons[i]);
                    return;
                }
        };
    }
    ~BoxenBeantworten() { app.Hooks.paintDialogs = malen; }
};

TEST(SpielVerlassen, NothingOfTheGameLeftStaysOverTheMenuOrTheGameLoaded) {
    programm_gl::imSpiel(spiele::kSkat, [](glapp::Tglapp& app) {
        const dialoge::Ids& d = dialoge::ids();
        const BoxenBeantworten boxen(app);
        // The game as it was just after the deal: the save the last case loads.
        ASSERT_TRUE(spielstand::spielSpeichern(::cg, app.AppDir / "save", "vorher", true));
        struct Weg {
            const char* name;
            bool menue;  // ends in the main menu
            void (*gehen)(glapp::Tglapp&);
        };
        const Weg wege[] = {
            {"Beenden in the game menu", true,
             [](glapp::Tglapp& a) {
                 const dialoge::Ids& i = dialoge::ids();
                 a.CreateClickEvent(i.iconLayer, i.iconMenue);
                 a.CreateClickEvent(i.spielmenue, i.smBeenden);
             }},
            {"Ende on the score list at the end of the match", true,
             [](glapp::Tglapp& a) {
                 const dialoge::Ids& i = dialoge::ids();
                 a.SetCaption(i.spielliste, i.slWeiter, "Ende");
                 a.CallDialog(i.spielliste);
                 a.CreateClickEvent(i.spielliste, i.slWeiter);
             }},
            {"loading a game over it", false,
             [](glapp::Tglapp& a) {
                 const dialoge::Ids& i = dialoge::ids();
                 a.CreateClickEvent(i.iconLayer, i.iconMenue);
                 a.CreateClickEvent(i.spielmenue, 2);
                 dialoge::showladen(a);
                 int n = 0;
                 for (int z = 1; z <= a.dlg(i.laden).el(i.ladenListe).LineCount; ++z)
                     if (a.GetLine(i.laden, i.ladenListe, z) == "vorher") n = z;
                 a.SetSelIndex(i.laden, i.ladenListe, n);
                 a.CreateClickEvent(i.laden, i.ladenOk);
             }},
        };
        bool erstes = true;
        for (const Weg& w : wege) {
            SCOPED_TRACE(w.name);
            if (!erstes) {
                ASSERT_TRUE(programm_gl::bisZurFrage(app, spiele::kSkat));
            }
            erstes = false;
            // What a declared Grand shows while it is played: its symbol, a seat's remark, the
            // hint of the question open.
            central::spielSymbol(kGrand, 0);
            gtool::sagen("Grand Hand", 2, 0, false);
            dialoge::showinnerhelp(app);
            ASSERT_TRUE(gezeigt(app, d.ipanel, central::ids.icon1Elem[kGrand]));
            ASSERT_TRUE(app.dlg(d.helppanel).Visible);
            w.gehen(app);
            EXPECT_EQ(glapp::spielAktiv, w.menue ? 0 : 1);
            programm_gl::laufen(app, 500);
            EXPECT_EQ(liste(uebrig(app, w.menue)), "") << "still shown";
            if (const char* ordner = std::getenv("KS_SHOTS"); ordner && w.menue) {
                image::writeBmp(fs::path(ordner) / ("verlassen_" + std::to_string(&w - wege) + ".bmp"),
                                programm_gl::bild());
            }
        }
    });
}

}  // namespace
