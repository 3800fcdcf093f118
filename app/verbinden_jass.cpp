// The shell's connection to the game unit: registration and hooks, then its pages.
#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/klick.h"
#include "app/spielanbindung.h"
#include "core/cg.h"
#include "core/highscore.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "games/skat_jass_schnapsen/jass.h"

namespace glapp {

namespace {

// The Jass page's elements in creation order: Rundenzahl, Spielen bis, "Mit Weisen ",
// "Mit Stöcken ", Reihenfolge bei Spielausgang, then the three directions.
enum { kRunden, kPunkte, kWeisen, kStoecke, kReihenfolge, kObenabe, kUndenufe, kSlalom, kAnzahl };

// The information panel's height for two lines of 20 units each.
constexpr int16_t kZweiZeilen = 52;

bool seiteLesen(jass::Optionen& o) {
    if (!glapp) return false;
    Tglapp& a = *glapp;
    const dialoge::Ids& d = dialoge::ids();
    const int seite = d.regeln[spiele::kJass];
    const auto& e = d.regelOptionen[spiele::kJass];
    if (!a.validDialog(seite) || e.size() != kAnzahl) return false;
    auto wahl = [&](int el) {
        int v = 0;
        a.ReadTopIndex(seite, el, v);
        return v;
    };
    auto limit = [&](int el, int ohne) {
        const std::string t = a.GetLine(seite, el, wahl(el));
        return t == "Keine Grenze" ? ohne : jass::limitZahl(t);
    };
    o.runden = limit(e[kRunden], 200);
    o.punkte = limit(e[kPunkte], 0);
    o.weisen = a.isChecked(seite, e[kWeisen]);
    o.stoecke = a.isChecked(seite, e[kStoecke]);
    o.reihenfolge = wahl(e[kReihenfolge]);
    o.obenabe = a.isChecked(seite, e[kObenabe]);
    o.undenufe = a.isChecked(seite, e[kUndenufe]);
    o.slalom = a.isChecked(seite, e[kSlalom]);
    return true;
}

// The order of the bookings matters only with Weis or Stöck: its group is enabled with them.
void optionenAbgleichen(int, bool) {
    if (!glapp) return;
    Tglapp& a = *glapp;
    const dialoge::Ids& d = dialoge::ids();
    const int seite = d.regeln[spiele::kJass];
    const auto& e = d.regelOptionen[spiele::kJass];
    jass::Optionen o = jass::optionen;
    if (!seiteLesen(o)) return;
    const bool an = o.weisen || o.stoecke;
    for (int el = e[kReihenfolge] - 1; el <= e[kReihenfolge] + 3; ++el)
        if (a.validElement(seite, el)) a.SetEnabled(seite, el, an);
}

void tabelle(bool) {
    if (!glapp) return;
    Tglapp& a = *glapp;
    const spielliste::Ids& ids = spielliste::ids;
    if (!a.validDialog(ids.dialog) || !a.validElement(ids.dialog, ids.haupt)) return;
    a.DelStrings(ids.dialog, ids.haupt, false);
    a.dlg(ids.dialog).el(ids.haupt).ListOption = 4;
    const int vorher = a.CreateInDialog;
    a.SetCreateIn(ids.dialog);
    for (const auto& zeile : jass::punkteZeilen())
        for (const auto& zelle : zeile) a.AddString(ids.haupt, zelle, 0);
    a.SetCreateIn(vorher);
}

// The teams' points in the information line at the top of the table (the frame shows the line
// while a Jass round runs and the text is not empty), one team a line. The label writes from its
// left edge and cuts what passes the panel's right edge: it starts at the panel's left edge, which
// keeps it there in every window shape, and the panel is high enough for both lines.
void punkteZeigen(const std::string& text) {
    if (!glapp) return;
    Tglapp& a = *glapp;
    const dialoge::Ids& d = dialoge::ids();
    if (!a.validElement(d.textpanel, d.textZeile)) return;
    pvl::TPVLDialog& panel = a.dlg(d.textpanel);
    pvl::TPVLElement& zeile = panel.el(d.textZeile);
    zeile.X = 0;
    zeile.ElemOrigX = 0;
    panel.Height = kZweiZeilen;
    if (a.GetCaption(d.textpanel, d.textZeile, false) != text) a.SetCaption(d.textpanel, d.textZeile, text);
}

}  // namespace

void jassVerbinden(Tglapp&) {
    jass::anmelden();
    jass::seiteLesen = seiteLesen;
    jass::punkteZeigen = punkteZeigen;
    dialoge::haken.optionenJe[spiele::kJass] = optionenAbgleichen;
    highscore::anbindung.jassLimit = [] { return cg.jass.punkteLimit; };
    spielliste::anbindung.jassTabelle = tabelle;
    // The hovered trump button sorts the human's hand for that choice; the trump stays open.
    vorschau[spiele::kJass] = [](int art, int code) {
        if ((art == 110 || art == 112) && code >= 1 && code <= 19) jass::vorschau(code);
    };
}

void jassSeiten(Tglapp&) {}

}  // namespace glapp
