// Rommé ("rom") in self-play: every round checked for its cards (all decks on the table), its
// melds (each one valid) and a booking that matches the settlement.
#include "games/rummy_shedding/romme.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "core/spiele.h"
#include "selfplay.h"

namespace {

int32_t vorher[7] = {};  // each seat's account when the round began
int sitze = 4;

selfplay::Spiel spiel() {
    selfplay::Spiel s;
    s.code = "rom";
    s.spielId = spiele::kRomme;
    s.spielerStandard = 4;
    s.anmelden = romme::anmelden;
    s.option = [](const std::string& name, const std::string& wert) {
        return romme::optionSetzen(name, std::atoi(wert.c_str()));
    };
    s.vorbereiten = [](int spieler) {
        sitze = spieler;
        for (int32_t& k : vorher) k = 0;
        cg.ablauf.anzSpieler = spieler;
    };
    s.rundeVorbei = romme::rundeVorbei;
    s.runde = [](std::vector<double>& punkte) -> std::string {
        const TGameResult& r = romme::letztesErgebnis();
        punkte.assign(static_cast<size_t>(sitze), 0.0);
        for (int i = 1; i <= sitze; ++i) {
            if (cg.konto[i] - vorher[i] != r.at(i))
                return "Sitz " + std::to_string(i) + " anders gebucht als abgerechnet";
            punkte[static_cast<size_t>(i - 1)] = static_cast<double>(r.at(i));
            vorher[i] = cg.konto[i];
        }
        // with penalty points the seat that went out scores 0, every other seat at most 0
        if (!cg.romme.positiv && r.spieler >= 1 && r.at(r.spieler) != 0) return "der Sieger hat Strafpunkte";
        return {};
    };
    s.partieVorbei = [](int& sieger) {
        if (!romme::partieEnde()) return false;
        sieger = 1;
        for (int i = 2; i <= sitze; ++i)
            if (cg.konto[i] > cg.konto[sieger]) sieger = i;
        for (int32_t& k : vorher) k = 0;
        return true;
    };
    s.invariante = [](const TCG&, std::string& warum) {
        return romme::kartenErhalten(warum) && romme::meldungenGueltig(warum);
    };
    return s;
}

selfplay::Anmeldung rom{spiel()};

}  // namespace
