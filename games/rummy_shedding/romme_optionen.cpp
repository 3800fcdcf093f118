// The options of the Rommé rule page as the record holds them, their standard values and the
// checks that keep them sound for the seat count.
#include <algorithm>
#include <cctype>

#include "core/cg.h"
#include "games/rummy_shedding/romme.h"

namespace romme {

void (*seiteLesen)() = nullptr;

int grenzeLesen(const std::string& text, int keine) {
    if (text.rfind("Keine", 0) == 0) return keine;
    const size_t blank = text.find_last_of(' ');
    if (blank == std::string::npos || blank == 0) return 99999;
    size_t anfang = blank;
    while (anfang > 0 && std::isdigit(static_cast<unsigned char>(text[anfang - 1]))) --anfang;
    if (anfang == blank) return 99999;
    return std::stoi(text.substr(anfang, blank - anfang));
}

void optionenPruefen() {
    TRomme& o = cg.romme;
    if (o.saetze == 0) {
        // never read: the standard rules of the page
        o.ersterGeber = 1;
        o.naechsterGeber = 5;
        o.saetze = 2;
        o.positiv = 0;
        o.rundenGrenze = kRundenMax;
        o.punkteGrenze = 500;
        o.jokerWert = 20;
        o.mindestpunkte = 40;
        o.ecke = 0;
        o.doppelteFarben = 0;
        o.fremdAnlegen = 1;
        o.nachWert = 0;
    }
    o.saetze = std::clamp<int32_t>(o.saetze, 1, 3);
    if (o.rundenGrenze <= 0 || o.rundenGrenze > kRundenMax) o.rundenGrenze = kRundenMax;
    // four or more seats cannot be dealt 13 cards each from one deck with a talon to spare
    if (cg.ablauf.anzSpieler >= 4 && o.saetze < 2) o.saetze = 2;
}

void optionenLesen() {
    if (seiteLesen) seiteLesen();
    optionenPruefen();
}

int geberVerschieben(int position, int richtung, int seats) {
    int p = std::clamp(position, 1, 7);
    const int d = richtung < 0 ? -1 : 1;
    for (int i = 0; i < 7 && p != 1 && p - 1 > seats; ++i) p = (p - 1 + d + 7) % 7 + 1;
    return p;
}

}  // namespace romme
