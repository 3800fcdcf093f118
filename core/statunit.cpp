#include "core/statunit.h"

#include <cstring>

#include "core/cg.h"
#include "core/spiele.h"
#include "platform/num.h"
#include "platform/text.h"

namespace statunit {

int32_t spieleOffset = 0;
int32_t matchAnzahl = 0;
Oberflaeche oberflaeche;

namespace {
int32_t g_zaehler[kGroesse][kGroesse] = {};
bool g_anzeige = false;

bool imBereich(int i) { return i >= 0 && i < kGroesse; }
// Counters wrap like the runtime's unchecked integers instead of overflowing.
int32_t plus(int32_t a, int64_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
}  // namespace

bool umschalten() {
    g_anzeige = !g_anzeige;
    return g_anzeige;
}

bool anzeige() { return g_anzeige; }

void aktualisieren() {
    if (g_anzeige && oberflaeche.klickAktuellerDialog) oberflaeche.klickAktuellerDialog(3);
}

void klicken() {
    if (oberflaeche.klickSpielliste) oberflaeche.klickSpielliste(2);
}

void leeren() { std::memset(g_zaehler, 0, sizeof(g_zaehler)); }

void zaehlen(int column, int row, int n) {
    if (!imBereich(column) || !imBereich(row)) return;
    g_zaehler[row][column] = plus(g_zaehler[row][column], n);
}

int32_t zaehler(int column, int row) {
    return imBereich(column) && imBereich(row) ? g_zaehler[row][column] : 0;
}

bool statistikText(std::string& text) {
    if (cg.spielId == spiele::kSchnapsen) {
        if (!g_anzeige) return false;
        std::string t;
        const int sitze = num::clamp<int>(cg.ablauf.anzSpieler, 0, kGroesse - 1);
        for (int i = 1; i <= sitze; ++i)
            t += "Spieler " + text::fromInt(i) + " hat " + text::fromInt(g_zaehler[1][i]) + " Punkte." +
                 " Zugemacht: " + text::fromInt(g_zaehler[2][i]) + " mal." + "\r";
        text = t;
        return true;
    }
    text = "Spiele: " + text::fromInt(static_cast<int64_t>(cg.spielliste.runden) + spieleOffset) + "\r" +
           "Matches: " + text::fromInt(matchAnzahl);
    return true;
}

void statisticsCaption() {
    std::string t;
    if (!statistikText(t)) return;
    if (cg.spielId != spiele::kSchnapsen && oberflaeche.panelY)
        oberflaeche.panelY(65286);  // the 16-bit pattern of -250: the panel sits above the table's edge
    if (oberflaeche.panelText) oberflaeche.panelText(t);
}

}  // namespace statunit
