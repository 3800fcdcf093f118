// Mau Mau ("mau") and Schwimmen ("swi") in self-play: cards conserved after every frame, no
// answer refused, each round's booking equal to its result.
#include <cstdlib>
#include <string>

#include "core/spiele.h"
#include "games/rummy_shedding/maumau.h"
#include "games/rummy_shedding/schwimmen.h"
#include "selfplay.h"

namespace {

int32_t vorher[7] = {};

// What differs between the two games; the checks are the same.
struct Teile {
    const char* code;
    int spielId;
    void (*anmelden)();
    bool (*option)(const std::string& name, int wert);
    bool (*rundeVorbei)(const TCG& g);
    const TGameResult& (*ergebnis)();
    int (*abgewiesen)();
    void (*abgewiesenLoeschen)();
    bool (*partieEnde)();
    bool (*kartenErhalten)(std::string& warum);
};

selfplay::Spiel spiel(const Teile& t) {
    selfplay::Spiel s;
    s.code = t.code;
    s.spielId = t.spielId;
    s.spielerStandard = 4;
    s.anmelden = t.anmelden;
    s.option = [t](const std::string& name, const std::string& wert) { return t.option(name, std::atoi(wert.c_str())); };
    s.vorbereiten = [t](int) {
        for (int32_t& k : vorher) k = 0;
        t.abgewiesenLoeschen();
    };
    s.rundeVorbei = t.rundeVorbei;
    s.runde = [t](std::vector<double>& punkte) -> std::string {
        const int n = cg.ablauf.anzSpieler;
        const TGameResult& r = t.ergebnis();
        std::string warum;
        punkte.assign(static_cast<size_t>(n), 0.0);
        for (int i = 1; i <= n; ++i) {
            if (cg.konto[i] - vorher[i] != r.at(i)) warum = "Buchung von Sitz " + std::to_string(i);
            punkte[static_cast<size_t>(i - 1)] = static_cast<double>(cg.konto[i] - vorher[i]);
            vorher[i] = cg.konto[i];
        }
        if (t.abgewiesen() != 0) {
            warum = std::to_string(t.abgewiesen()) + " abgewiesene Antworten";
            t.abgewiesenLoeschen();
        }
        return warum;
    };
    s.partieVorbei = [t](int& sieger) {
        if (!t.partieEnde()) return false;
        const int n = cg.ablauf.anzSpieler;
        sieger = 1;
        for (int i = 2; i <= n; ++i)
            if (cg.konto[i] > cg.konto[sieger]) sieger = i;
        for (int32_t& k : vorher) k = 0;
        return true;
    };
    s.invariante = [t](const TCG&, std::string& warum) { return t.kartenErhalten(warum); };
    return s;
}

selfplay::Anmeldung mau{spiel({"mau", spiele::kMauMau,
                               [] {
                                   maumau::anmelden();
                                   cg.maumau = TMaumau{};
                                   maumau::standardOptionen(cg.maumau);
                               },
                               maumau::optionSetzen, maumau::rundeVorbei, maumau::letztesErgebnis,
                               maumau::abgewiesen, maumau::abgewiesenLoeschen, [] { return maumau::partieEnde(); },
                               maumau::kartenErhalten})};

selfplay::Anmeldung swi{spiel({"swi", spiele::kSchwimmen,
                               [] {
                                   schwimmen::anmelden();
                                   cg.schwimmen = TSchwimmen{};
                                   schwimmen::standardOptionen(cg.schwimmen);
                               },
                               schwimmen::optionSetzen, schwimmen::rundeVorbei, schwimmen::letztesErgebnis,
                               schwimmen::abgewiesen, schwimmen::abgewiesenLoeschen,
                               [] { return schwimmen::partieEnde(); }, schwimmen::kartenErhalten})};

}  // namespace
