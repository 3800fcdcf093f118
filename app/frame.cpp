// One frame of the program: panels, finished card moves, the game step, card motion, the pick
// of the card under the mouse, the hover lift and the table with its shadow and reflection
// passes as the options and the measured speed allow.
#include <algorithm>
#include <string>

#include "app/dialoge.h"
#include "app/entwickler.h"
#include "app/glapp.h"
#include "app/rahmen.h"
#include "app/spielanbindung.h"
#include "app/ton.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/gtool.h"
#include "core/spiele.h"
#include "games/casino/chipanim.h"
#include "games/casino/chipdraw.h"
#include "gui/glstate.h"
#include "platform/ticks.h"
#include "table/flugkarten.h"
#include "table/glu.h"
#include "table/k12.h"
#include "table/kamera.h"
#include "table/render.h"
#include "table/tischhooks.h"

namespace glapp {

void (*spielProFrame)() = nullptr;

// The frame's own values: the previous pick, the slow-frame counter and the developer line.
int32_t zeigerKarteAlt = 0, zeigerStapelAlt = 0, zeigerStapelKarteAlt = 0;
int langsameFrames = 0;
std::string statusZeile;

namespace {

int32_t zeigerPileAlt = 0;  // the meld pile raised as a whole, 0 none

rahmen::Maus letzteMaus;

// Render debug flags of the library that the shell reads.
bool autoplay(const Tglapp& a) { return a.Options.RenderFlags[10 - 2] != 0; }
bool infoPanel(const Tglapp& a) { return a.Options.RenderFlags[8 - 2] != 0; }

// The developer status text in the lines of the developer panel, one line each; what does not
// fit goes into the last one.
void statusZeigen(Tglapp& a) {
    const dialoge::Ids& d = dialoge::ids();
    if (!a.validDialog(d.infopanel)) return;
    std::string zeilen[5];
    int n = 0;
    for (size_t i = 0; i <= statusZeile.size();) {
        const size_t ende = std::min(statusZeile.find("\n\r", i), statusZeile.size());
        std::string& z = zeilen[std::min(n, 4)];
        z += (z.empty() ? "" : "  ") + statusZeile.substr(i, ende - i);
        ++n;
        i = ende + 2;
    }
    for (int k = 0; k < 5; ++k)
        if (a.validElement(d.infopanel, d.debugTexte[k])) a.SetCaption(d.infopanel, d.debugTexte[k], zeilen[k]);
}

}  // namespace

void panelsZeigen(Tglapp& a) {
    const dialoge::Ids& d = dialoge::ids();
    if (a.validDialog(d.infopanel)) a.VsbDialog(d.infopanel, infoPanel(a) ? 1 : 0);
    if (a.validDialog(d.fpspanel)) {
        a.VsbDialog(d.fpspanel, fpsAnzeige ? 1 : 0);
        if (fpsAnzeige && a.validElement(d.fpspanel, d.fpsText))
            a.SetCaption(d.fpspanel, d.fpsText, "FPS: " + std::to_string(static_cast<int>(a.Fps)));
    }
    if (a.validElement(d.iconLayer, d.iconMenue))
        a.SetVisibleAbsolute(d.iconLayer, d.iconMenue, spielAktiv != 0);
    const bool imSpiel = spielAktiv == 1 || spielAktiv == 2;
    const int phase = cg.phase.nr;
    if (a.validDialog(d.sortSkat))
        a.VsbDialog(
            d.sortSkat,
            imSpiel && cg.spielId == spiele::kSkat && (phase == 1 || phase == 6 || phase == 7) ? 1 : 0);
    if (a.validDialog(d.sortRomme)) a.VsbDialog(d.sortRomme, imSpiel && cg.spielId == spiele::kRomme ? 1 : 0);
    // Pot and stake stand beside the table while a hand is played and while its result shows.
    if (a.validDialog(d.pokerpanel)) a.VsbDialog(d.pokerpanel, imSpiel && cg.spielId == spiele::kPoker ? 1 : 0);
    if (a.validElement(d.textpanel, d.textZeile)) {
        const bool zeile =
            imSpiel && cg.spielId == spiele::kJass && !a.GetCaption(d.textpanel, d.textZeile, false).empty();
        if ((a.dlg(d.textpanel).Visible != 0) != zeile) a.VsbDialog(d.textpanel, zeile ? 1 : 0);
    }
}

namespace {

void paarVorschau(TSpieler& hand) {
    // Pointing at a Dame or König of a pair raises its partner as well; every other raised card
    // but the pointed one goes down.
    int partner = 0;
    if (zeigerKarte >= 1 && zeigerKarte <= hand.anz && glu::islegalcard(hand.at(zeigerKarte)) &&
        tischhooks::tab().schnapsenPaarPruefen) {
        tischhooks::tab().schnapsenPaarPruefen(1, 0);
        partner = cg.schnapsen.anzeige.partner;
    }
    for (int i = 1; i <= hand.anz; ++i) {
        if (i == zeigerKarte) continue;
        TBewegung& b = hand.at(i).bewegung;
        if (i == partner && !gehoben(b)) glu::liftcard(b, 1, 1, i);
        if (i != partner && gehoben(b) && i != zeigerKarteAlt) glu::liftcard(b, 0, 1, i);
    }
}

bool pileAllowed(int stack) {
    const TEntscheidung& e = cg.entscheidung;
    return stack != 0 && (stack == e.klickStapel1 || stack == e.klickStapel2);
}

}  // namespace

// The card, pile or chip stack under the window point (x, y); a press picks at its own point.
void pick(Tglapp& a, int x, int y) {
    int karte = 0;
    const bool schnapsen = cg.spielId == spiele::kSchnapsen || cg.spielId == spiele::kSechsundsechzig;
    const dialoge::Ids& d = dialoge::ids();
    bool keiner = spielAktiv == 2;
    if (spielAktiv == 1 && a.CurrentDialog != 0 && a.CurrentDialog == d.spielliste &&
        a.validDialog(d.spielliste) && a.dlg(d.spielliste).Visible)
        keiner = true;
    if (schnapsen && (a.OverGui || cg.antwort.offen != 2)) keiner = true;
    if (!keiner) {
        if (mitGL()) glu::pickobject(x, y);
        chipanim::AnimationHandler.SetHoverStack(glu::hover.chipName, false);
        karte = glu::hover.handCard;
        zeigerStapel = glu::hover.tableStack;
        zeigerStapelKarte = glu::hover.tableSlot;
        if (!cg.entscheidung.stapelKlick) zeigerStapelKarte = 0;
        if (cg.spielId != spiele::kRomme && cg.spielId != spiele::kCanasta) tastaturZeiger(a, karte);
    }
    zeigerKarte = karte;
}

void tastaturZeiger(Tglapp& a, int& karte) {
    const int panel = central::ids.ipanel;
    const bool tastatur = a.KbdFocusOn && panel != 0 && a.KbdFocusDialog == panel;
    // The position 1..25 of the focused element in the panel's table, 0 for none.
    int platz = 0;
    for (int k = 1; k <= 25 && tastatur; ++k)
        if (central::ids.tab[k] != 0 && central::ids.tab[k] == a.KbdFocusElement) platz = k;
    const int talon = glu::stapel(11, "Tglapp.main") ? glu::stapel(11, "Tglapp.main")->anz : 0;
    const int mitte = glu::stapel(12, "Tglapp.main") ? glu::stapel(12, "Tglapp.main")->anz : 0;
    if (zeigerStapelKarte == 0 && platz == 20) zeigerStapelKarte = talon;
    const TSpieler* s1 = glu::stapel(1, "Tglapp.main");
    if (s1 && karte > s1->anz) karte = 0;
    if (s1 && karte > 0 && !glu::islegalcard(s1->at(karte))) karte = 0;
    if (platz >= 1 && platz <= 19) {
        karte = platz;
    } else if (platz == 20) {
        karte = 0;
        if (talon > 0) zeigerStapel = 11, zeigerStapelKarte = talon;
    } else if (platz >= 21) {
        karte = 0;
        if (mitte > 0) zeigerStapel = 12, zeigerStapelKarte = platz - 21;
    }
}

void Tglapp::main(bool modal) {
    panelsZeigen(*this);
    ton::schritt();
    rahmen::Takt t;
    t.modal = modal;
    t.spiel = spielAktiv != 0;
    t.schnell = Options.RenderFlags[11 - 2] != 0;
    t.eingefroren = Freeze != 0;
    t.fps = Fps;
    rahmen::ablauf(cg, t);
    if (cg.ablauf.schrittZaehler % 5 == 0 && cg.spielId != spiele::kPoker) gtool::sitzPanelZeigen();

    if (spielAktiv == 0) {
        if (mitGL()) glu::drawframe(Fps);
        return;
    }
    cg.stapelListen[1].computer = autoplay(*this) ? 1 : 0;

    const pvlhost::Point c = Host.cursor();
    const rahmen::Maus jetzt{c.x / 2, c.y / 2};
    cg.ablauf.rahmenWert = jetzt.x + jetzt.y * 65536;
    if (rahmen::pickFaellig(cg.ablauf.schrittZaehler, Fps, jetzt, letzteMaus)) {
        const pvlhost::Rect w = Host.window();
        pick(*this, c.x - w.left, c.y - w.top);
    }

    if (infoPanel(*this)) {
        if (glstate::gl().ColorBits < 32)
            statusZeile = "No 32 Bit: Shad/Refl off";
        else if (langsameFrames > 2)
            statusZeile = "Too slow: Shad/Refl off";
        else
            statusZeile = std::to_string(glu::zugliste.anz);
        if (const std::string z = entwickler::statusZaehler(cg.spielId); !z.empty()) statusZeile += "\n\r" + z;
        statusZeile += "\n\rFPS: " + std::to_string(static_cast<int>(Fps));
        statusZeile += "\n\raStatus: ";
        statusZeile += aStatus == asEingabe ? "asEingabe" : aStatus == asAnimation ? "asAnimation" : "asNone";
        SetTes(statusZeile);
        statusZeigen(*this);
    }

    if (cg.spielId != spiele::kPoker) checkupdownmoves(modal);
    if (spielProFrame) spielProFrame();

    const uint32_t zeichenTick = ticks::now();
    cg.ablauf.schrittZaehler += 1;
    if (mitGL() && !t.schnell) {
        const bool aus = langsameFrames > 2;
        const bool schatten = Options.ShadowsOn && !aus, spiegel = Options.ReflectionOn && !aus;
        glu::drawwithreflection(schatten && spiegel ? 4 : spiegel ? 3 : schatten ? 2 : 0, false);
        // the hint panel keeps clear of the plates and bubbles just drawn
        dialoge::placeinnerhelp(*this);
    } else if (cg.spielId == spiele::kPoker || cg.spielId == spiele::kBlackJack) {
        // The chips' upkeep still runs when the table is not drawn.
        chipdraw::DrawChips(6);
    }
    langsameFrames = rahmen::langsam(langsameFrames, ticks::elapsed(zeichenTick, ticks::now()));
}

void Tglapp::checkupdownmoves(bool) {
    TSpieler* s1 = glu::stapel(1, "Tglapp.checkupdownmoves");
    if (!s1) return;
    if (aStatus != asEingabe) {
        zeigerKarte = 0;
        zeigerKarteAlt = 0;
        // Cards the hover raised go down; a meld selection stays up.
        if (!cg.entscheidung.mehrfachWahl)
            for (int i = 1; i <= s1->anz; ++i) {
                TBewegung& b = s1->at(i).bewegung;
                if (gehoben(b)) glu::liftcard(b, 0, 1, i);
            }
        return;
    }
    // The top cards of the talon and the discard pile follow the pointer.
    if (zeigerStapel != zeigerStapelAlt) {
        if ((zeigerStapel == 11 || zeigerStapel == 13) && pileAllowed(zeigerStapel)) {
            TSpieler* s = glu::stapel(zeigerStapel, "Tglapp.checkupdownmoves");
            if (s && zeigerStapelKarte >= 1 && zeigerStapelKarte <= s->anz) {
                TBewegung& b = s->at(zeigerStapelKarte).bewegung;
                if (!gehoben(b)) ton::effekt(15, zeigerStapel, zeigerStapelKarte);
                glu::liftcard(b, 1, zeigerStapel, zeigerStapelKarte);
            }
        }
        if ((zeigerStapelAlt == 11 || zeigerStapelAlt == 13) && pileAllowed(zeigerStapelAlt)) {
            TSpieler* s = glu::stapel(zeigerStapelAlt, "Tglapp.checkupdownmoves");
            if (s && s->anz > 0 && zeigerStapelKarteAlt >= 1 && zeigerStapelKarteAlt <= s->anz)
                glu::liftcard(s->at(zeigerStapelKarteAlt).bewegung, 0, zeigerStapelAlt, zeigerStapelKarteAlt);
        }
    }
    // The meld area: whole piles where the game asks for it, else single cards.
    if (pileAllowed(12) && cg.ablauf.meldStapelHover) {
        TSpieler* s = glu::stapel(12, "Tglapp.checkupdownmoves");
        const int neu = s && zeigerStapel == 12 && zeigerStapelKarte >= 1 && zeigerStapelKarte <= s->anz
                            ? s->at(zeigerStapelKarte).hi
                            : 0;
        // The pile left goes down wherever the pointer went: off the table or onto the talon.
        if (s && neu != zeigerPileAlt) {
            bool erste = true;
            for (int i = 1; i <= s->anz; ++i) {
                TBewegung& b = s->at(i).bewegung;
                if (zeigerPileAlt != 0 && s->at(i).hi == zeigerPileAlt && gehoben(b)) glu::liftcard(b, 0, 12, i);
                if (neu == 0 || s->at(i).hi != neu) continue;
                if (erste && !gehoben(b)) ton::effekt(13, 12, i);
                erste = false;
                glu::liftcard(b, 1, 12, i);
            }
            zeigerPileAlt = neu;
        }
    } else if (pileAllowed(12)) {
        TSpieler* s = glu::stapel(12, "Tglapp.checkupdownmoves");
        if (s && zeigerStapel == 12 && zeigerStapelKarte != zeigerStapelKarteAlt) {
            if (zeigerStapelKarte >= 1 && zeigerStapelKarte <= s->anz) {
                TBewegung& b = s->at(zeigerStapelKarte).bewegung;
                if (!gehoben(b)) ton::effekt(13, 12, zeigerStapelKarte);
                glu::liftcard(b, 1, 12, zeigerStapelKarte);
            }
            if (zeigerStapelKarteAlt >= 1 && zeigerStapelKarteAlt <= s->anz)
                glu::liftcard(s->at(zeigerStapelKarteAlt).bewegung, 0, 12, zeigerStapelKarteAlt);
        }
    }
    zeigerStapelAlt = zeigerStapel;
    zeigerStapelKarteAlt = zeigerStapelKarte;
    // The hand: the card under the pointer rises if the game allows it, the one left sinks.
    if (!cg.entscheidung.mehrfachWahl) {
        if (zeigerKarteAlt != zeigerKarte && zeigerKarteAlt >= 1 && zeigerKarteAlt <= s1->anz)
            glu::liftcard(s1->at(zeigerKarteAlt).bewegung, 0, 1, zeigerKarteAlt);
        if (zeigerKarte >= 1 && zeigerKarte <= s1->anz && glu::islegalcard(s1->at(zeigerKarte))) {
            TBewegung& b = s1->at(zeigerKarte).bewegung;
            const bool neu = !gehoben(b);
            schale.gehobeneKarte = zeigerKarte;
            glu::liftcard(b, 1, 1, zeigerKarte);
            if (neu && zeigerKarte != zeigerKarteAlt) ton::effekt(15, 1, zeigerKarte);
        }
        if (cg.spielId == spiele::kSchnapsen) paarVorschau(*s1);
    }
    zeigerKarteAlt = zeigerKarte;
}

void Tglapp::onestep() { glu::stepanimation(glu::FrameTime{Fps}); }

}  // namespace glapp
