// What the Skat table shows beside the seats and in the information panel: the turn marker while
// bidding and declaring, the declared game's icon and its name at the declarer while it is
// played, and the game type's icon in the panel.
#include <string>

#include "core/central.h"
#include "core/cg.h"
#include "core/panel.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"

namespace skat {

using namespace skat_1;

namespace {

// Phases of the flow (see skat.cpp).
constexpr int kStart = 0, kGeben = 1, kStiche = 4, kEnde = 5, kReizen = 6, kAnsage = 7, kKontra = 8,
              kRamschVorSpiel = 9, kBuchen = 19;

bool typMitBild(int typ) { return (typ >= 1 && typ <= 4) || typ == kNull || typ == kGrand || typ == kRamsch; }

bool gesprochen(int seat) { return !panel::sitz[seat].bubble.empty() && panel::sitz[seat].bubble[0] == '?'; }

// A lasting caption: written when the seat's bubble is free (a spoken bubble keeps its slot until
// it closes; the next step then writes the caption again).
void dauertext(int seat, const std::string& t) {
    if (gesprochen(seat) || panel::sitz[seat].bubble == t) return;
    panel::text(seat, t);
}

bool gespielt() {
    const int p = cg.phase.nr;
    return p == kStiche || p == kKontra || p == kEnde || p == kBuchen;
}

}  // namespace

std::string spielInfoText() {
    const TSkatSpiel& sp = cg.skat.spiel;
    if (sp.ramsch || !typMitBild(cg.skat.sk.typ) || sp.alleinspieler < 1 || sp.alleinspieler > 3) return "";
    std::string t = spielName();
    if (sp.kontra >= 1 && sp.kontra <= 4) t += " - " + skat_1::kontraNamen[sp.kontra];
    return t;
}

void spielerSymbole() {
    const int p = cg.phase.nr;
    const TSkatSpiel& sp = cg.skat.spiel;
    const int allein = sp.alleinspieler;
    if (p == kReizen || p == kAnsage) {
        panel::amZug(cg.aktSpieler);
    } else if (gespielt() && !sp.ramsch && allein >= 1 && allein <= 3 && typMitBild(cg.skat.sk.typ)) {
        for (int s = 1; s <= 3; ++s)
            if (s != allein) panel::icon(s, 0);
        const int32_t bild = panel::bilder.ansage[cg.skat.sk.typ];
        if (panel::sitz[allein].icon != bild || !panel::sitz[allein].iconVisible) panel::icon(allein, bild);
    } else {
        panel::iconsVerbergen();
    }
    const std::string info = gespielt() ? spielInfoText() : "";
    for (int s = 1; s <= 3; ++s) dauertext(s, s == allein ? info : "");
}

void spielInfo() {
    const int p = cg.phase.nr;
    const int typ = cg.skat.sk.typ;
    const bool zeigen = p != kStart && p != kGeben && p != kReizen && p != kAnsage && p != kRamschVorSpiel;
    if (!zeigen || !typMitBild(typ)) {
        central::spielSymbol(0, 0);
        return;
    }
    // The suit icons follow the card picture chosen now.
    central::spielSymbol(typ, typ <= 4 ? panel::bilder.ansage[typ] : 0);
}

}  // namespace skat
