// What the Jass table shows while a round runs: the trump suit's icon or the direction's icon in
// the information panel, the turn marker at the seat on turn, and the teams' points.
#include <string>
#include <utility>

#include "core/central.h"
#include "core/cg.h"
#include "core/highscore.h"
#include "core/panel.h"
#include "games/skat_jass_schnapsen/jass.h"
#include "platform/text.h"

namespace jass {

void (*punkteZeigen)(const std::string& text) = nullptr;

namespace {
constexpr int kStart = 0, kGeben = 1, kSpiel = 4, kEnde = 5, kTrumpfWahl = 7;
}

std::string teamText() {
    std::string t;
    for (int team = 1; team <= 2; ++team) {
        if (team == 2) t += "\r";
        t += highscore::spielerName(cg, team, false) + " + " + highscore::spielerName(cg, team + 2, false) +
             ": " + text::fromInt(teamPunkte(team));
    }
    return t;
}

int symbolFuer(int trumpf, int32_t& textur) {
    const panel::Bilder& b = panel::bilder;
    textur = 0;
    if (trumpf >= 1 && trumpf <= 4) {
        textur = b.ansage[trumpf];
        return trumpf;
    }
    // The directions share the panel's fifth place, each with its own picture.
    static constexpr std::pair<int, int32_t panel::Bilder::*> richtungen[] = {
        {kObenabe, &panel::Bilder::obenabe},
        {kUndenufe, &panel::Bilder::undenufe},
        {kSlalomObenabe, &panel::Bilder::slalomO},
        {kSlalomUndenufe, &panel::Bilder::slalomU},
    };
    for (const auto& [code, bild] : richtungen)
        if (code == trumpf) {
            textur = b.*bild;
            return 5;
        }
    return 0;
}

void anzeigeAktualisieren() {
    const int p = cg.phase.nr;
    int32_t textur = 0;
    const int k = p == kSpiel || p == kEnde ? symbolFuer(cg.jass.trumpf, textur) : 0;
    central::spielSymbol(textur > 0 ? k : 0, textur);
    const bool amZug = p == kSpiel || p == kTrumpfWahl;
    panel::amZug(amZug ? cg.aktSpieler : 0);
    if (punkteZeigen) punkteZeigen(p == kStart || p == kGeben || p == kEnde ? "" : teamText());
}

}  // namespace jass
