// The shell's Skat pages: the main rule page and its three sub-pages handed to the Skat unit by
// their ids, and the computer characters' chooser filled from the characters file.
#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/spielanbindung.h"
#include "core/spiele.h"
#include "games/skat_jass_schnapsen/skat.h"

namespace glapp {

void skatSeiten(Tglapp& a) {
    const dialoge::Ids& d = dialoge::ids();
    skat::seiten.haupt = d.regeln[spiele::kSkat];
    skat::seiten.kontra = d.kontra;
    skat::seiten.bock = d.bockRamsch;
    skat::seiten.geld = d.umGeld;
    skat::seiten.charakterListe = d.skatCharakter;
    skatCharaktere(a);
}

void skatCharaktere(Tglapp& a) {
    const int s = skat::seiten.haupt, e = skat::seiten.charakterListe;
    if (!a.validElement(s, e)) return;
    if (a.dlg(s).el(e).LineCount == 0) {
        const int vorher = a.CreateInDialog;
        a.SetCreateIn(s);
        for (const std::string& n : skat::charakterNamen()) a.AddString(e, n, 0);
        a.SetCreateIn(vorher);
    }
    // A state file written before the names were there chose none: the standard character.
    int v = 0;
    a.ReadTopIndex(s, e, v);
    const int n = a.dlg(s).el(e).LineCount;
    if ((v < 1 || v > n) && n >= skat::standardCharakter) a.SetTopIndex(s, e, skat::standardCharakter);
}

}  // namespace glapp
