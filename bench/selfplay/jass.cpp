// Jass ("jas") in self-play: four computer seats in two teams, every frame checked for its 36
// cards and every round for its 157 points and a booking that matches the round result.
#include "games/skat_jass_schnapsen/jass.h"

#include <cstdlib>

#include "core/spiele.h"
#include "selfplay.h"

namespace {

int32_t vorher[5] = {};  // each seat's match total when the round began

selfplay::Spiel spiel() {
    selfplay::Spiel s;
    s.code = "jas";
    s.spielId = spiele::kJass;
    s.spielerStandard = 4;
    s.anmelden = jass::anmelden;
    s.option = [](const std::string& name, const std::string& wert) {
        return jass::optionSetzen(name, std::atoi(wert.c_str()));
    };
    s.vorbereiten = [](int) {
        for (int32_t& k : vorher) k = 0;
    };
    s.rundeVorbei = jass::rundeVorbei;
    s.runde = [](std::vector<double>& punkte) -> std::string {
        std::string warum;
        if (!jass::rundePruefen(warum)) return warum;
        const TGameResult& r = jass::letztesErgebnis();
        punkte.assign(4, 0.0);
        for (int i = 1; i <= 4; ++i) {
            if (cg.konto[i] - vorher[i] != r.at(i)) return "Sitz " + std::to_string(i) + " anders gebucht";
            punkte[static_cast<size_t>(i - 1)] = static_cast<double>(r.at(i));
            vorher[i] = cg.konto[i];
        }
        return {};
    };
    s.partieVorbei = [](int& sieger) {
        if (!jass::partieEnde()) return false;
        // Equal totals go to team 2, as on the table.
        sieger = cg.konto[1] > cg.konto[2] ? 1 : 2;
        for (int32_t& k : vorher) k = 0;
        return true;
    };
    s.invariante = [](const TCG&, std::string& warum) { return jass::kartenErhalten(warum); };
    return s;
}

selfplay::Anmeldung jas{spiel()};

}  // namespace
