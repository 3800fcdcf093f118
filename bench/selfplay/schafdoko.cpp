// Schafkopf ("shk") and Doppelkopf ("dok") in self-play: four computer seats, every deal checked
// for its cards, its card points (120 and 240), legal plays and a zero-sum booking that matches
// the settlement.
#include <algorithm>
#include <cstdlib>

#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"
#include "selfplay.h"

namespace {

int32_t vorher[5] = {};  // each seat's account when the deal began

sd::Legalitaet legalSk, legalDk;

bool legal(sd::Legalitaet& l, const TCG& g, const karte* stich, int anz, std::vector<karte> (*spielbar)(),
           std::string& warum) {
    const int amZug = g.phase.nr == 4 ? g.aktSpieler : 0;
    return l.pruefen(stich, anz, amZug, spielbar, warum);
}

template <typename Pruefen>
std::string runde(std::vector<double>& punkte, Pruefen dealPruefen) {
    std::string warum;
    if (!dealPruefen(vorher, warum)) return warum;
    punkte.assign(4, 0.0);
    for (int i = 1; i <= 4; ++i) {
        punkte[static_cast<size_t>(i - 1)] = static_cast<double>(cg.konto[i] - vorher[i]);
        vorher[i] = cg.konto[i];
    }
    return {};
}

bool partieVorbei(bool ende, int& sieger) {
    if (!ende) return false;
    sieger = 1;
    for (int i = 2; i <= 4; ++i)
        if (cg.konto[i] > cg.konto[sieger]) sieger = i;
    for (int32_t& k : vorher) k = 0;  // a new match starts every account at 0
    return true;
}

selfplay::Spiel schafkopfSpiel() {
    selfplay::Spiel s;
    s.code = "shk";
    s.spielId = spiele::kSchafkopf;
    s.spielerStandard = 4;
    s.anmelden = [] {
        schafkopf::anmelden();
        schafkopf::optionenStandard();
    };
    s.option = [](const std::string& name, const std::string& wert) {
        return schafkopf::optionSetzen(name, std::atoi(wert.c_str()));
    };
    s.vorbereiten = [](int) {
        for (int32_t& k : vorher) k = 0;
        legalSk = {};
    };
    s.rundeVorbei = schafkopf::dealVorbei;
    s.runde = [](std::vector<double>& punkte) { return runde(punkte, schafkopf::dealPruefen); };
    s.partieVorbei = [](int& sieger) { return partieVorbei(schafkopf::partieEnde(), sieger); };
    s.invariante = [](const TCG& g, std::string& warum) {
        return schafkopf::kartenErhalten(warum) &&
               legal(legalSk, g, g.schafkopf.z.stich, g.schafkopf.z.stichAnz, schafkopf::spielbareKarten,
                     warum);
    };
    return s;
}

selfplay::Spiel doppelkopfSpiel() {
    selfplay::Spiel s;
    s.code = "dok";
    s.spielId = spiele::kDoppelkopf;
    s.spielerStandard = 4;
    s.anmelden = [] {
        doppelkopf::anmelden();
        doppelkopf::optionenStandard();
    };
    s.option = [](const std::string& name, const std::string& wert) {
        return doppelkopf::optionSetzen(name, std::atoi(wert.c_str()));
    };
    s.vorbereiten = [](int) {
        for (int32_t& k : vorher) k = 0;
        legalDk = {};
    };
    s.rundeVorbei = doppelkopf::dealVorbei;
    s.runde = [](std::vector<double>& punkte) { return runde(punkte, doppelkopf::dealPruefen); };
    s.partieVorbei = [](int& sieger) { return partieVorbei(doppelkopf::partieEnde(), sieger); };
    s.invariante = [](const TCG& g, std::string& warum) {
        return doppelkopf::kartenErhalten(warum) &&
               legal(legalDk, g, g.doppelkopf.z.stich, g.doppelkopf.z.stichAnz, doppelkopf::spielbareKarten,
                     warum);
    };
    return s;
}

selfplay::Anmeldung shk{schafkopfSpiel()};
selfplay::Anmeldung dok{doppelkopfSpiel()};

}  // namespace
