// What the game core reads from the shell's dialogs: the player's name, difficulty and seat
// count of the chosen game's rule page, and the in-game hints.
#include "app/dialoge.h"
#include "app/glapp.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/hilfe.h"
#include "core/spiele.h"

namespace dialoge {

namespace {

int chooser(int dialog, int element) {
    glapp::Tglapp* a = glapp::glapp;
    if (!a || !a->validElement(dialog, element)) return 0;
    int v = 0;
    a->ReadTopIndex(dialog, element, v);
    return v;
}

int menueSpiel(int id) { return id >= 0 && id <= 12 ? id : ::cg.spielIdMenue % 13; }

}  // namespace

int spielerZahl(int spielIdMenue) {
    const int g = menueSpiel(spielIdMenue);
    const Ids& d = ids();
    if (d.spielerzahlWahl[g]) {
        const int v = chooser(d.regeln[g], d.spielerzahlWahl[g]);
        return v >= 1 && v <= 5 ? v + 1 : 4;
    }
    // The games without a seat chooser have their fixed table.
    switch (g) {
        case spiele::kSkat:
            return 3;
        case spiele::kSchnapsen:
        case spiele::kSechsundsechzig:
            return 2;
        default:
            return 4;
    }
}

int schwierigkeit(int spielIdMenue) {
    const int g = menueSpiel(spielIdMenue);
    const int v = chooser(ids().regeln[g], ids().schwierigkeitsWahl[g]);
    return v >= 1 && v <= 3 ? v : 2;
}

void anbinden() {
    central::Dienste& s = central::dienste;
    if (!s.spielerAnzahl) s.spielerAnzahl = [] { return spielerZahl(::cg.spielIdMenue); };
    if (!s.menschName)
        s.menschName = [](int id) -> std::string {
            glapp::Tglapp* a = glapp::glapp;
            const int g = menueSpiel(id);
            if (!a || !a->validElement(ids().regeln[g], ids().nameFeld[g])) return "";
            return a->GetCaption(ids().regeln[g], ids().nameFeld[g], false);
        };
    if (!s.staerke) s.staerke = [](int id, int) { return schwierigkeit(id); };
    if (!s.optionenWahl)
        s.optionenWahl = [] { return static_cast<int16_t>(schwierigkeit(::cg.spielIdMenue)); };
    if (!s.hinweisThema)
        s.hinweisThema = [](int nr) {
            if (!glapp::ihc) return false;
            THelpChapter c;
            glapp::ihc->themaHolen(nr, c);
            return c.number == nr && glapp::ihc->count > 0 && !c.text.empty() && c.text != "0";
        };
    if (!s.hinweisZeigen)
        s.hinweisZeigen = [] {
            if (glapp::glapp) showinnerhelp(*glapp::glapp);
        };
    if (!s.hinweiseLaden)
        s.hinweiseLaden = [](bool laden) {
            if (glapp::ihc) hilfe::hinweiseLaden(*glapp::ihc, ::cg.spielId, laden);
        };
}

}  // namespace dialoge
