#include "games/casino/geldtext.h"

#include "core/central.h"
#include "core/cg.h"
#include "games/casino/bjregeln.h"
#include "games/casino/pokerchips.h"
#include "gui/pvl.h"
#include "platform/num.h"
#include "platform/text.h"

namespace geldtext {

int (*bildHoehe)() = nullptr;

namespace {
// The bet icons are 18 units square; 22 leaves a gap between neighbours.
constexpr int kPfeilAbstand = 22;
}  // namespace

int waehrung() {
    if (cg.spielId == 9) return cg.blackjack.waehrung;
    if (cg.spielId == 8 && pokerchips::pokerWaehrung) return pokerchips::pokerWaehrung();
    return 0;
}

void formatMoney(int64_t amount, bool showPlus, std::string& text) {
    text = formatMoneyIn(amount, waehrung() == 3 ? 3 : pokerchips::ChipsAsEuroCents() ? 1 : 2, showPlus);
}

std::string formatMoneyIn(int64_t amount, int waehrungListe, bool showPlus) {
    const int64_t m = amount < 0 ? -amount : amount;
    const std::string plus = showPlus && amount > 0 ? "+" : "";
    std::string text;
    if (waehrungListe == 3) {
        text = plus + text::fromInt(m * 10) + " $";
    } else if (waehrungListe == 1) {
        const int64_t v = m * 2, e = v / 100, k = v % 100;
        if (e >= 1)
            text = plus + text::fromInt(e) + "," + (k < 10 ? "0" : "") + text::fromInt(k) + text::w(" €");
        else
            text = plus + text::fromInt(k) + " ct";
    } else {
        text = plus + text::fromInt(m * 10) + text::w(" €");
    }
    if (amount < 0) text = "- " + text;
    return text;
}

std::string formatMoney(int64_t amount, bool showPlus) {
    std::string t;
    formatMoney(amount, showPlus, t);
    return t;
}

void actionLabel(int code, std::string& text, bool deutsch, bool gesetzt, bool mussZahlen) {
    const char* de = "";
    const char* en = "";
    switch (code) {
        case 5:
            de = "Erhöht um", en = "Raised";
            break;
        case 10:
            de = "Setzt", en = "Bet";
            break;
        case 6:
            de = "Geht mit", en = "Called";
            break;
        case 7:
            de = "Weiter", en = "Checked";
            break;
        case 8:
            de = "Passt", en = "Folded";
            break;
        case 9:
            de = "Alles gesetzt", en = "All-In";
            break;
        case 0:
            de = gesetzt ? "Erhöhen " : "Setzen ";
            en = gesetzt ? "Raise " : "Bet ";
            break;
        case 1:
        case 2:
            de = mussZahlen ? "Mitgehen " : "Weiter ";
            en = mussZahlen ? "Call " : "Check";
            break;
        case 3:
            de = "Passen", en = "Fold";
            break;
        case 4:
            de = "Alles setzen", en = "All-In";
            break;
        default:
            break;
    }
    text = text::w(deutsch ? de : en);
}

void UpdateBlackJackBetButtons() {
    pvl::TPVLApplication* a = central::dienste.app;
    const int d = central::ids.ingame;
    if (!a || !a->validDialog(d)) return;
    const int h = bildHoehe ? bildHoehe() : 600;
    // Two columns (small and large steps) of two icons (up, down), apart so that one click
    // never lands on two of them.
    const int zeile1 = 236 - static_cast<int>(num::round(h / 2.5));
    const int zeile2 = zeile1 + kPfeilAbstand;
    const bool sichtbar = cg.aktSpieler == 1 && cg.entscheidung.art == 106 && cg.phase.nr == 10;
    const int32_t vorschlag = cg.blackjack.einsatzVorschlag;
    int32_t grenze = cg.blackjack.regeln.maxEinsatz;
    if (cg.aktSpieler == 1) grenze = std::min(grenze, pokerchips::seatChipTotal(1));
    for (int k = 0; k < 4; ++k) {
        const int e = central::ids.chip[k];
        if (!a->validElement(d, e)) continue;
        pvl::TPVLElement& el = a->dlg(d).el(e);
        el.X = static_cast<int16_t>(k < 2 ? zeile1 : zeile2);
        el.Y = static_cast<int16_t>(k % 2 == 0 ? 0 : kPfeilAbstand);
        a->SetEnabled(d, e, false);
        a->SetVisible(d, e, sichtbar);
        if (!sichtbar) continue;
        const bool erhoehen = k % 2 == 0;
        a->SetEnabled(d, e, erhoehen ? grenze > vorschlag : vorschlag > cg.blackjack.regeln.minEinsatz);
    }
}

}  // namespace geldtext
