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

selfplay::Spiel mau() {
    selfplay::Spiel s;
    s.code = "mau";
    s.spielId = spiele::kMauMau;
    s.spielerStandard = 4;
    s.anmelden = [] {
        maumau::anmelden();
        cg.maumau = TMaumau{};
        maumau::standardOptionen(cg.maumau);
    };
    s.option = [](const std::string& name, const std::string& wert) {
        return maumau::optionSetzen(name, std::atoi(wert.c_str()));
    };
    s.vorbereiten = [](int) {
        for (int32_t& k : vorher) k = 0;
        maumau::abgewiesenLoeschen();
    };
    s.rundeVorbei = maumau::rundeVorbei;
    s.runde = [](std::vector<double>& punkte) -> std::string {
        const int n = cg.ablauf.anzSpieler;
        const TGameResult& r = maumau::letztesErgebnis();
        std::string warum;
        punkte.assign(static_cast<size_t>(n), 0.0);
        for (int i = 1; i <= n; ++i) {
            if (cg.konto[i] - vorher[i] != r.at(i)) warum = "Buchung von Sitz " + std::to_string(i);
            punkte[static_cast<size_t>(i - 1)] = static_cast<double>(cg.konto[i] - vorher[i]);
            vorher[i] = cg.konto[i];
        }
        if (maumau::abgewiesen() != 0) {
            warum = std::to_string(maumau::abgewiesen()) + " abgewiesene Antworten";
            maumau::abgewiesenLoeschen();
        }
        return warum;
    };
    s.partieVorbei = [](int& sieger) {
        if (!maumau::partieEnde()) return false;
        const int n = cg.ablauf.anzSpieler;
        sieger = 1;
        for (int i = 2; i <= n; ++i)
            if (cg.konto[i] > cg.konto[sieger]) sieger = i;
        for (int32_t& k : vorher) k = 0;
        return true;
    };
    s.invariante = [](const TCG&, std::string& warum) { return maumau::kartenErhalten(warum); };
    return s;
}

selfplay::Anmeldung mauAnmeldung{mau()};

selfplay::Spiel swi() {
    selfplay::Spiel s;
    s.code = "swi";
    s.spielId = spiele::kSchwimmen;
    s.spielerStandard = 4;
    s.anmelden = [] {
        schwimmen::anmelden();
        cg.schwimmen = TSchwimmen{};
        schwimmen::standardOptionen(cg.schwimmen);
    };
    s.option = [](const std::string& name, const std::string& wert) {
        return schwimmen::optionSetzen(name, std::atoi(wert.c_str()));
    };
    s.vorbereiten = [](int) {
        for (int32_t& k : vorher) k = 0;
        schwimmen::abgewiesenLoeschen();
    };
    s.rundeVorbei = schwimmen::rundeVorbei;
    s.runde = [](std::vector<double>& punkte) -> std::string {
        const int n = cg.ablauf.anzSpieler;
        const TGameResult& r = schwimmen::letztesErgebnis();
        std::string warum;
        punkte.assign(static_cast<size_t>(n), 0.0);
        int getroffen = 0;
        for (int i = 1; i <= n; ++i) {
            if (cg.konto[i] - vorher[i] != r.at(i)) warum = "Buchung von Sitz " + std::to_string(i);
            if (r.at(i) != 0) ++getroffen;
            punkte[static_cast<size_t>(i - 1)] = static_cast<double>(cg.konto[i] - vorher[i]);
            vorher[i] = cg.konto[i];
        }
        if (getroffen == 0) warum = "niemand bekam einen Punkt";
        if (schwimmen::abgewiesen() != 0) {
            warum = std::to_string(schwimmen::abgewiesen()) + " abgewiesene Antworten";
            schwimmen::abgewiesenLoeschen();
        }
        return warum;
    };
    s.partieVorbei = [](int& sieger) {
        if (!schwimmen::partieEnde()) return false;
        const int n = cg.ablauf.anzSpieler;
        sieger = 1;
        for (int i = 2; i <= n; ++i)
            if (cg.konto[i] > cg.konto[sieger]) sieger = i;
        for (int32_t& k : vorher) k = 0;
        return true;
    };
    s.invariante = [](const TCG&, std::string& warum) { return schwimmen::kartenErhalten(warum); };
    return s;
}

selfplay::Anmeldung swiAnmeldung{swi()};

}  // namespace
