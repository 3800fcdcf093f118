// Skat ("ska") in self-play: three computer seats, every deal checked for its 32 cards, its 120
// card points and a booking that matches the settlement.
#include "games/skat_jass_schnapsen/skat.h"

#include <cstdlib>

#include "core/spiele.h"
#include "selfplay.h"

namespace {

const skat::SelfplayEintrag eintrag = skat::selfplayEintrag();
int32_t vorher[4] = {};  // each seat's account when the deal began
skat::Bedienpruefung bedienen;

selfplay::Spiel spiel() {
    selfplay::Spiel s;
    s.code = eintrag.kuerzel;
    s.spielId = eintrag.spielId;
    s.spielerStandard = eintrag.spieler;
    s.anmelden = eintrag.anmelden;
    s.option = [](const std::string& name, const std::string& wert) {
        return eintrag.optionSetzen(name, std::atoi(wert.c_str()));
    };
    s.vorbereiten = [](int) {
        for (int32_t& k : vorher) k = 0;
        bedienen = skat::Bedienpruefung{};
    };
    s.rundeVorbei = eintrag.dealVorbei;
    s.runde = [](std::vector<double>& punkte) -> std::string {
        std::string warum;
        if (!eintrag.dealPruefen(vorher, warum)) return warum;
        punkte.assign(3, 0.0);
        for (int i = 1; i <= 3; ++i) {
            punkte[static_cast<size_t>(i - 1)] = static_cast<double>(cg.konto[i] - vorher[i]);
            vorher[i] = cg.konto[i];
        }
        return {};
    };
    s.partieVorbei = [](int& sieger) {
        if (!skat::partieEnde()) return false;
        sieger = 0;
        for (int i = 1; i <= 3; ++i)
            if (sieger == 0 || cg.konto[i] > cg.konto[sieger]) sieger = i;
        // A new match starts every account at 0.
        for (int32_t& k : vorher) k = 0;
        return true;
    };
    s.invariante = [](const TCG&, std::string& warum) {
        return eintrag.kartenErhalten(warum) && bedienen.pruefen(warum);
    };
    return s;
}

selfplay::Anmeldung ska{spiel()};

}  // namespace
