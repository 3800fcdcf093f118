// The card rules of Schnapsen and Sechsundsechzig and the settlement of a deal, as plain routines
// over explicit inputs.
#include <cstdlib>

#include "games/skat_jass_schnapsen/schnapsen.h"

namespace schnapsen {

int kartenAugen(const karte& k) {
    switch (k.t) {
        case kAss: return 11;
        case kZehn: return 10;
        case kKoenig: return 4;
        case kDame: return 3;
        case kBube: return 2;
        default: return 0;
    }
}

int kartenAugen(const kurzkarte& k) { return kartenAugen(karte{k.t, k.f, 0}); }

int tauschWert(bool sechsundsechzig) { return sechsundsechzig ? kNeun : kBube; }

int ansageWert(const karte& k, int trumpf) { return k.f == trumpf ? 40 : 20; }


namespace {
// Game points by the loser's standing: no trick 3, under 33 points 2, else 1.
int punkteNach(int augen, bool stich, int& grund, int grundOhne, int grundWeniger) {
    if (!stich) {
        grund = grundOhne;
        return 3;
    }
    if (augen < 33) {
        grund = grundWeniger;
        return 2;
    }
    grund = kKeinGrund;
    return 1;
}
}  // namespace

Wertung werten(const Deal& d) {
    Wertung w;
    if (d.sperrSitz == 1 || d.sperrSitz == 2) {
        const int zu = d.sperrSitz, anderer = 3 - zu;
        if (d.augen[zu] >= 66) {
            w.sieger = zu;
            w.ausgang = kZugedrehtGewonnen;
            w.spielPunkte = punkteNach(d.augenBeimSperren[anderer], d.stichBeimSperren[anderer], w.grund,
                                       kNullBeimSperren, kWenigerBeimSperren);
        } else {
            w.sieger = anderer;
            w.ausgang = kZugedrehtVerloren;
            // A failed closer pays 2, or 3 when the other had no trick yet when it closed.
            w.spielPunkte = d.stichBeimSperren[anderer] ? 2 : 3;
            w.grund = d.stichBeimSperren[anderer] ? kKeinGrund : kNullBeimSperren;
        }
        w.augenSieger = d.augen[w.sieger];
        return w;
    }
    int augen[3] = {0, d.augen[1], d.augen[2]};
    if (d.letzterStich == 1 || d.letzterStich == 2) {
        w.sieger = d.letzterStich;
        w.ausgang = kLetzterStich;
        if (d.sechsundsechzig) augen[w.sieger] += 10;
    } else {
        w.sieger = augen[1] > augen[2] ? 1 : 2;
        w.ausgang = kErreicht;
    }
    const int verlierer = 3 - w.sieger;
    w.spielPunkte = punkteNach(augen[verlierer], d.hatStich[verlierer], w.grund, kOhneStich, kWeniger);
    w.augenSieger = augen[w.sieger];
    return w;
}

int bummerlPunkte(int proBummerl) { return proBummerl >= 1 ? proBummerl : 7; }

bool bummerlAbziehen(int& rest, int spielPunkte) {
    rest -= spielPunkte;
    if (rest >= 1) return false;
    rest = 0;
    return true;
}

int optionZahl(const std::string& text, int keineGrenze) {
    if (text.rfind("Keine Grenze", 0) == 0) return keineGrenze;
    const size_t blank = text.find(' ');
    if (blank == std::string::npos) return 99999;
    return std::atoi(text.substr(0, blank).c_str());
}

}  // namespace schnapsen
