// Schnapsen ("snp") and Sechsundsechzig ("66_") in self-play: two computer seats, every deal
// checked for its cards, its 120 card points, legal play and a booking that matches the
// settlement; the score of a round is the game points the seat won.
#include <cstdlib>

#include "core/spiele.h"
#include "games/skat_jass_schnapsen/schnapsen.h"
#include "selfplay.h"

namespace {

int32_t vorher[3] = {};
int abgelehntVorher = 0;
schnapsen::Zugpruefung zuege;

selfplay::Spiel spiel(const char* code, int id) {
    selfplay::Spiel s;
    s.code = code;
    s.spielId = id;
    s.spielerStandard = 2;
    s.anmelden = schnapsen::anmelden;
    s.option = [](const std::string& name, const std::string& wert) {
        return schnapsen::optionSetzen(name, std::atoi(wert.c_str()));
    };
    s.vorbereiten = [](int) {
        zuege = schnapsen::Zugpruefung{};
        vorher[1] = vorher[2] = 0;
        abgelehntVorher = schnapsen::abgelehnteZuege();
    };
    s.rundeVorbei = schnapsen::dealVorbei;
    s.runde = [](std::vector<double>& punkte) -> std::string {
        std::string warum;
        const TGameResult& r = schnapsen::letztesErgebnis();
        // the first deal of a match starts from the points per Bummerl
        if (vorher[1] == 0 && vorher[2] == 0) vorher[1] = vorher[2] = cg.konto[3 - r.spieler];
        if (!schnapsen::dealPruefen(vorher, warum)) return warum;
        if (schnapsen::abgelehnteZuege() != abgelehntVorher) {
            abgelehntVorher = schnapsen::abgelehnteZuege();
            return "illegal action refused";
        }
        punkte.assign(2, 0.0);
        punkte[static_cast<size_t>(r.spieler - 1)] = r.spielWerte[0];
        punkte[static_cast<size_t>(2 - r.spieler)] = -r.spielWerte[0];
        // a new Bummerl starts both seats afresh
        const bool neu = cg.konto[1] == 0 || cg.konto[2] == 0;
        for (int i = 1; i <= 2; ++i) vorher[i] = neu ? 0 : cg.konto[i];
        return {};
    };
    s.partieVorbei = [](int& sieger) {
        if (!schnapsen::partieEnde()) return false;
        sieger = schnapsen::letztesErgebnis().spieler;
        vorher[1] = vorher[2] = 0;
        return true;
    };
    s.invariante = [](const TCG&, std::string& warum) {
        return schnapsen::kartenErhalten(warum) && zuege.pruefen(warum);
    };
    return s;
}

selfplay::Anmeldung snp{spiel("snp", spiele::kSchnapsen)};
selfplay::Anmeldung sechsundsechzig{spiel("66_", spiele::kSechsundsechzig)};

}  // namespace
