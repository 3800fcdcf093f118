// What the Schnapsen table shows: the trump suit's icon in the information panel (the open trump
// card's suit, and the trump once the card is gone under the closed talon or into a hand), and the
// turn marker at the seat on turn while the deal is played.
#include "core/central.h"
#include "core/cg.h"
#include "core/panel.h"
#include "games/skat_jass_schnapsen/schnapsen.h"
#include "table/glu.h"

namespace schnapsen {

int anzeigeFarbe() {
    const TSpieler& atout = glu::spieler[13 - 1];
    if (atout.anz >= 1) return atout.at(1).c.f;
    return cg.phase.nr == 4 ? cg.schnapsen.trumpf : 0;
}

void anzeigeAktualisieren() {
    const int farbe = anzeigeFarbe();
    if (farbe >= 1 && farbe <= 4)
        central::spielSymbol(farbe, panel::bilder.ansage[farbe]);
    else
        central::spielSymbol(0, 0);
    panel::amZug(cg.phase.nr == 4 && !cg.schnapsen.dealAus ? cg.aktSpieler : 0);
}

}  // namespace schnapsen
