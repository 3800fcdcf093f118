// The one entry from the GUI library into the program: system events (start-up stages, the
// frame, texture reload, shut-down, keys, a click on the table, the close icon) and the clicks
// on dialog elements.
#include <string>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/klick.h"
#include "app/ton.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "core/hilfe.h"
#include "core/spiele.h"
#include "core/statunit.h"
#include "games/casino/blackjack.h"
#include "games/casino/chipanim.h"
#include "platform/num.h"
#include "platform/vk.h"
#include "table/flugkarten.h"
#include "table/glu.h"
#include "table/render.h"

namespace glapp {

namespace {

// A click on the table: a pile, a chip stack, or a card of the human's hand.
void tischKlick(Tglapp& a) {
    if (zeigerStapel != 0 && aStatus == asEingabe) {
        central::antwort(cg, central::kStapel, zeigerStapel, zeigerStapelKarte);
        zeigerStapel = 0;
        zeigerStapelKarte = 0;
    }
    chipanim::AnimationHandler.ClickStack();
    if (zeigerKarte != 0 && aStatus == asEingabe) {
        const dialoge::Ids& d = dialoge::ids();
        if (!cg.entscheidung.mehrfachWahl) {
            if (a.validDialog(d.buttonpanel)) a.HideDialog(d.buttonpanel);
            central::antwort(cg, central::kKarte, 0, zeigerKarte);
            aStatus = asAnimation;
        } else {
            TSpieler* s = glu::stapel(1, "Tglapp.FormMouseWheelDown");
            if (!s || zeigerKarte > s->anz) return;
            TKartenSlot& k = s->at(zeigerKarte);
            glu::liftcard(k.bewegung, gehoben(k.bewegung) ? 0 : 1, 1, zeigerKarte);
            ton::effekt(15, 1, zeigerKarte);
            if (cg.spielId == spiele::kRomme || cg.spielId == spiele::kCanasta) {
                if (central::dienste.rommeAuswahlPruefen) central::dienste.rommeAuswahlPruefen();
            } else if (a.validDialog(d.ingame)) {
                a.SetEnabled(d.ingame, central::ids.reihe[1][1], true);
            }
        }
    }
}

}  // namespace

bool entwicklerVersatz(int ziffer) {
    // The number pad moves the seats' layout: 4 and 6 sideways, 2 and 8 up and down, 1 and 9
    // nearer and farther; every step lays the table out anew.
    int32_t* wert = nullptr;
    int schritt = 0;
    switch (ziffer) {
        case 4:
            wert = &schale.varx, schritt = -5;
            break;
        case 6:
            wert = &schale.varx, schritt = 5;
            break;
        case 2:
            wert = &schale.vary, schritt = -5;
            break;
        case 8:
            wert = &schale.vary, schritt = 5;
            break;
        case 1:
            wert = &schale.varz, schritt = -5;
            break;
        case 9:
            wert = &schale.varz, schritt = 5;
            break;
        default:
            return false;
    }
    *wert = num::clamp(*wert + schritt, 0, 100);
    glu::setuptablelayout(1);
    return true;
}

namespace {

bool endetAuf(const std::string& s, const char* code) {
    const std::string c(code);
    return s.size() >= c.size() && s.compare(s.size() - c.size(), c.size(), c) == 0;
}

void taste(Tglapp& a, int key) {
    cg.ablauf.leerlauf = 0;
    const dialoge::Ids& d = dialoge::ids();
    if (key == vk::Escape) {
        if (spielAktiv == 1)
            a.FormMouseWheelDown(d.iconLayer, d.iconMenue, 56);
        else if (a.CurrentDialog != 0 && a.CurrentDialog == d.kartenspiele)
            a.closeme();
    }
    if (tastenPuffer.size() > 32) tastenPuffer.erase(0, 1);
    tastenPuffer.push_back(static_cast<char>(key & 0xFF));
    if (endetAuf(tastenPuffer, "FPS")) {
        fpsAnzeige = !fpsAnzeige;
        tastenPuffer.clear();
    }
    // the developer panel: shown and hidden with the library's info-panel switch
    if (key == vk::Oem5 && a.DevMode) a.Options.RenderFlags[8 - 2] = a.Options.RenderFlags[8 - 2] ? 0 : 1;
    if (endetAuf(tastenPuffer, "KWEDL")) {
        a.DevMode = a.DevMode ? 0 : 1;
        ton::guiTon(2);
    }
    if (endetAuf(tastenPuffer, "MUROZ")) {
        a.DevMode = 1;
        a.FormKeyDown('Q', true);
        a.FormKeyDown('9', true);
        statunit::umschalten();
        envParam.kiVerzoegerung = 0;
        envParam.zweiteVerzoegerung = 0;
        envParam.kartenSpeed = 1000000;
        envParam.animationsStufe = envParam.anzeigeStufe = 6;
        ton::guiTon(2);
    }
    if (key == vk::F1 && a.validElement(d.iconLayer, d.iconHilfe) &&
        a.dlg(d.iconLayer).el(d.iconHilfe).Visible)
        dialoge::showinnerhelp(a);
    if (!a.DevMode) return;
    if (key >= vk::Numpad0 && key <= vk::Numpad9 && entwicklerVersatz(key - vk::Numpad0)) return;
    if (key == vk::OemPlus && cg.spielId <= 12) {
        // Developer restart of the running game.
        spielAktiv = 0;
        if (dialoge::haken.maumauDialogeSchliessen) dialoge::haken.maumauDialogeSchliessen();
        if (a.validDialog(d.helppanel)) a.InvsbDialog(d.helppanel);
        if (a.validDialog(d.spielmenue)) a.HideDialog(d.spielmenue);
        if (a.validDialog(d.kartenspiele)) a.ShowDialog(d.kartenspiele);
        glu::startflyingcards();
        if (a.validDialog(d.gameMenue)) a.InvsbDialog(d.gameMenue);
        if (a.validDialog(d.kartenspiele)) a.HideDialog(d.kartenspiele);
        spielAktiv = 1;
        central::neuesSpiel(cg, cg.spielId, 0);
    } else if (key == vk::Oem2) {
        dialoge::dotestsave(a);
    }
}

void relayout(Tglapp& a) {
    if (cg.entscheidung.inBenutzung) central::dialogAnordnen(cg, false, true);
    const dialoge::Ids& d = dialoge::ids();
    if (a.validElement(d.hilfe, d.hilfeSuche))
        a.dlg(d.hilfe).el(d.hilfeSuche).X =
            static_cast<int16_t>(d.hilfeSucheX - static_cast<int>(a.Options.WideOffsets[0] / 6.2 + 0.5));
    const int vorher = a.CreateInDialog;
    if (hc) hc->inhaltZeigen();
    a.SetCreateIn(vorher);
}

}  // namespace

void Tglapp::FormMouseWheelDown(int code, int arg, int shift) {
    const dialoge::Ids& d = dialoge::ids();
    if (code == pvl::peCloseButton) {
        if (spielAktiv == 1) {
            code = d.iconLayer;
            arg = d.iconMenue;
        } else {
            closeme();
        }
    }
    if (cg.spielId == spiele::kBlackJack) blackjack::BlackJackEventHook(code);
    if (code == pvl::peWindowInit) return windowInit();
    if (code == pvl::peAfterTest) return;
    if (code == pvl::peGraphicsTest) {
        // Warm-up renders of the table for the first-start test.
        const int runden = arg == 3 ? 5 : 1;
        for (int i = 0; i < runden; ++i) {
            glu::drawwithreflection(arg == 1 ? 0 : 4, true);
            if (arg == 3) glu::drawwithreflection(0, true);
        }
        return;
    }
    if (code == -11) return ton::guiTon(1);
    if (code == pvl::peElementDown) return ton::guiTon(2);
    if (shift != 56) return;
    // A press on the table is always a table click, taken at the press's own point: the library
    // drops its keyboard focus only after reporting the press, and a mouse player's first click
    // must not be lost to it. A press on a dialog element, greyed or not, belongs to the dialog.
    // With the keyboard, a click on "#ipanel" stands for a click on the table.
    if (code == pvl::peFormMouseDown && !OverGui) {
        // Without a window nothing can be picked: the last frame's pick stands.
        if (spielAktiv != 0 && mitGL()) pick(*this, PressPoint.x, PressPoint.y);
        tischKlick(*this);
    } else if (KbdFocusOn && code != 0 && code == d.ipanel) {
        tischKlick(*this);
    }
    switch (code) {
        case pvl::peDestroy:
            return shutdown();
        case pvl::peLoadTextures:
            wrp2("Texture load callback started..OK");
            wrp2("Loadenv proc..");
            loadenv(true);
            wrp2("OK");
            return;
        case pvl::peFrame:
            return main(arg == 0);
        case pvl::peKey:
            return taste(*this, arg);
        case pvl::peRelayout:
            return relayout(*this);
        case pvl::peOptionsApplied:
            detailNachladen();
            return ton::musikEinstellen(false);
        case pvl::peDisplayReset:
            return ton::musikEinstellen(true);
        case pvl::pePreStart:
            return;
        case pvl::peStartup:
            return startup();
        default:
            break;
    }
    if (code > 0) dialoge::klick(*this, code, arg);
}

}  // namespace glapp
