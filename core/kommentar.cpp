#include "core/kommentar.h"

#include "core/central.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/spiele.h"
#include "gui/pvl.h"
#include "platform/rnd.h"

namespace central {

namespace {

int32_t g_letzterSchritt[6] = {};

bool schnellLauf() { return dienste.schnellModus && dienste.schnellModus(); }

}  // namespace

void kommentarZuruecksetzen() {
    for (int32_t& s : g_letzterSchritt) s = 0;
}

double kommentarSchwelle(int t, int e) {
    // Columns: excitement >= 100, 95, 90, 80, 60, below 60.
    static constexpr double kTabelle[3][6] = {
        {0.5, 0.7, 0.85, 0.92, 0.96, 1.0},
        {0.2, 0.4, 0.6, 0.75, 0.85, 0.92},
        {0.0, 0.2, 0.35, 0.5, 0.7, 0.7},
    };
    if (t < 2 || t > 4) return 1.0;
    const int spalte = e >= 100 ? 0 : e >= 95 ? 1 : e >= 90 ? 2 : e >= 80 ? 3 : e >= 60 ? 4 : 5;
    return kTabelle[t - 2][spalte];
}

bool kommentar(int seat, int art, int b, int a, int erregung) {
    if (a != 0 && a < b) std::swap(a, b);
    const int t = envParam.kommentare;
    const double x = rnd::uniform();
    bool spricht = x > kommentarSchwelle(t, erregung);
    if (t == 4 && dienste.app && dienste.app->DevMode) spricht = true;
    if (seat == 1) spricht = false;
    // The meld and shedding games comment at most once per seat and game step.
    const int id = cg.spielId;
    if (id == spiele::kMauMau || id == spiele::kRomme || id == spiele::kCanasta ||
        id == spiele::kDoppelkopf) {
        const int s = cg.aktSpieler;
        if (s >= 1 && s <= 6) {
            if (g_letzterSchritt[s - 1] == cg.ablauf.schrittZaehler) spricht = false;
            g_letzterSchritt[s - 1] = cg.ablauf.schrittZaehler;
        }
    }
    if (!spricht || schnellLauf()) return spricht;
    switch (art) {
        case 1:
            gtool::sagen("Canasta", seat, 1, false);
            break;
        case 3:
            gtool::sagen("IchGewinn", seat, b, false);
            break;
        case 2:
            if (b < 2)
                gtool::sagen("KontraReDu", seat, 34, false);
            else if (b == 2)
                gtool::sagen("KontraReIhr", seat, 35, false);
            break;
        case 4:
            gtool::sagen("Comment", seat, b, false);
            break;
        case 0:
            if (b != 0) {
                const int r = (a == 0 || a == b) ? b : b + rnd::random(a - b + 1);
                gtool::sagen("Emotion", seat, 30 + r, false);
            }
            break;
        default:
            break;
    }
    return spricht;
}

}  // namespace central
