// The computer seat of Schnapsen and Sechsundsechzig.
#include "core/central.h"
#include "games/skat_jass_schnapsen/schnapsen.h"
#include "table/glu.h"

namespace schnapsenki {

namespace {
int g_zustand = 0;
}

void sucheZuruecksetzen() { g_zustand = 0; }
bool sucheFertig() { return g_zustand == 3; }
int suchSitz() { return zeigerKarteGesetzt() ? 2 : cg.aktSpieler; }
bool zeigerKarteGesetzt() { return cg.schnapsen.anzeige.zeigerSitz >= 1 && cg.schnapsen.anzeige.zeigerIndex > 0; }
void kommentar(int, int) {}

void kiTick() {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 2) return;
    if (cg.sitzEinstellungen.at(seat).staerke == 0) {
        schnapsen::zufallsAntwort();
        return;
    }
    TSpieler& s = glu::spieler[seat - 1];
    for (int i = 1; i <= s.anz; ++i)
        if (schnapsen::spielbar(s.at(i))) {
            central::antwort(cg, central::kKarte, 0, i);
            return;
        }
}

}  // namespace schnapsenki
