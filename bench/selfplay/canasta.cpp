// Canasta ("can") in self-play: two to six computer seats (teams with four and six), every hand
// checked for its whole deck on the table, no refused answer, and a booking that matches the
// settlement of every seat.
#include "games/rummy_shedding/canasta.h"

#include <cstdlib>

#include "core/spiele.h"
#include "selfplay.h"

namespace {

int32_t vorher[7] = {};
int sitze = 4;

selfplay::Spiel spiel() {
    selfplay::Spiel s;
    s.code = "can";
    s.spielId = spiele::kCanasta;
    s.spielerStandard = 4;
    s.anmelden = canasta::anmelden;
    s.option = [](const std::string& name, const std::string& wert) {
        return canasta::optionSetzen(name, std::atoi(wert.c_str()));
    };
    s.vorbereiten = [](int n) {
        sitze = n;
        for (int32_t& k : vorher) k = 0;
        canasta::abgelehnt = 0;
    };
    s.rundeVorbei = canasta::handVorbei;
    s.runde = [](std::vector<double>& punkte) -> std::string {
        const TGameResult& r = canasta::letztesErgebnis();
        punkte.assign(static_cast<size_t>(sitze), 0.0);
        std::string warum;
        for (int i = 1; i <= sitze; ++i) {
            const int32_t d = cg.konto[i] - vorher[i];
            if (d != r.at(i) && warum.empty())
                warum = "seat " + std::to_string(i) + " booked " + std::to_string(d) + ", settled " +
                        std::to_string(r.at(i));
            punkte[static_cast<size_t>(i - 1)] = static_cast<double>(d);
            vorher[i] = cg.konto[i];
        }
        if (canasta::abgelehnt != 0 && warum.empty()) {
            warum = std::to_string(canasta::abgelehnt) + " answers refused";
            canasta::abgelehnt = 0;
        }
        return warum;
    };
    s.partieVorbei = [](int& sieger) {
        if (!canasta::partieEnde()) return false;
        sieger = 0;
        for (int i = 1; i <= sitze; ++i)
            if (sieger == 0 || cg.konto[i] > cg.konto[sieger]) sieger = i;
        for (int32_t& k : vorher) k = 0;
        return true;
    };
    s.invariante = [](const TCG&, std::string& warum) { return canasta::kartenErhalten(warum); };
    return s;
}

selfplay::Anmeldung can{spiel()};

}  // namespace
