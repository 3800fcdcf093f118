// Small routines of the form: the preview of a decision button under the mouse, the report of
// a finished card move, one motion step, the layout pass over the dialogs, the developer's
// card exchange.
#include "app/dialoge.h"
#include "app/glapp.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/spiele.h"
#include "table/glu.h"

namespace glapp {

Vorschau vorschau[13] = {};

void Tglapp::mouseover(int dialog, int element) {
    if (dialog == 0 || dialog != central::ids.ingame) return;
    int platz = 0, code = 0;
    if (!central::knopfCode(cg, element, platz, code)) return;
    if (cg.spielId < 13 && vorschau[cg.spielId]) vorschau[cg.spielId](cg.entscheidung.art, code);
}

void Tglapp::carddone(int holder, int slot) { central::bewegungFertig(cg, holder, 0, slot); }

void Tglapp::ziehrunter() {
    const dialoge::Ids& d = dialoge::ids();
    for (int id = 7; id <= DialogList.Count; ++id) {
        pvl::TPVLDialog& dl = dlg(id);
        const std::string cap = dl.Caption.str();
        if ((!cap.empty() && cap[0] == '#') || dl.Width < 80 || dl.Height < 80 || dl.ElementCount == 0)
            continue;
        const int schritt = (id == d.tiefer[0] || id == d.tiefer[1]) ? 44 : dl.Y > 30 ? 18 : 26;
        for (int e = 1; e <= dl.ElementCount; ++e) {
            pvl::TPVLElement& el = dl.el(e);
            const std::string c = el.Caption.str();
            if (el.X == 40 && (c == "Ende" || c == "Zur\xFC"
                                                   "ck"))
                el.Y = 425;
            else
                el.Y = static_cast<decltype(el.Y)>(el.Y + schritt);
        }
    }
}

void Tglapp::ktausch(const karte& a, const karte& b) {
    const int n = glu::anzSitze;
    int sa = 0, ka = 0, sb = 0, kb = 0;
    for (int s = 1; s <= n; ++s) {
        TSpieler* st = glu::stapel(s, "Tglapp.ktausch");
        if (!st) continue;
        glu::stapelZuHand(*st);
        for (int i = 1; i <= st->anz; ++i) {
            const karte& c = st->at(i).c;
            if (!sa && c.t == a.t && c.f == a.f) sa = s, ka = i;
            if (!sb && c.t == b.t && c.f == b.f) sb = s, kb = i;
        }
    }
    if (!sa || !sb) return;
    glu::stapel(sa, "Tglapp.ktausch")->at(ka).c = b;
    glu::stapel(sb, "Tglapp.ktausch")->at(kb).c = a;
    for (int s = 1; s <= n; ++s)
        if (TSpieler* st = glu::stapel(s, "Tglapp.ktausch")) glu::stapelZuHand(*st);
}

}  // namespace glapp
