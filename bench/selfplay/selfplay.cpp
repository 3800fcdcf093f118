// build/selfplay GAME ROUNDS [--seed S] [--levels L1,L2,...] [--seats N] [--option NAME=VALUE ...]
//
// Plays complete rounds of a game in the headless harness with every seat a computer player
// (level 0 picks uniformly among the legal answers), checks the game's invariants after every
// frame and round, and prints per seat the mean score per round with its 95% interval and the
// matches won, then the speed and the number of faults. Exit status 0 only without faults.
#include "selfplay.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/central.h"
#include "core/envparam.h"
#include "harness/lib/harness.h"
#include "platform/text.h"

namespace {

struct Sitz {
    int level = 3;
    long runden = 0;
    double summe = 0, quadrate = 0;
    int siege = 0;
};

int fehler(const char* text) {
    std::fprintf(stderr, "selfplay: %s\n", text);
    return 2;
}

std::vector<int> levels;

int staerke(int, int seat) {
    if (seat >= 1 && seat <= static_cast<int>(levels.size())) return levels[static_cast<size_t>(seat - 1)];
    return 3;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return fehler(
            "usage: selfplay GAME ROUNDS [--seed S] [--levels L1,...] [--seats N] [--option NAME=VALUE]");
    const std::string code = argv[1];
    const long runden = std::atol(argv[2]);
    if (runden < 1) return fehler("ROUNDS must be at least 1");
    const selfplay::Spiel* spiel = nullptr;
    for (const auto& s : selfplay::spiele())
        if (s.code == code) spiel = &s;
    if (!spiel) return fehler(("unknown game " + code).c_str());

    uint64_t seed = 1;
    int spieler = spiel->spielerStandard;
    std::vector<std::pair<std::string, std::string>> optionen;
    for (int i = 3; i < argc; ++i) {
        const std::string a = argv[i];
        const bool wert = i + 1 < argc;
        if (a == "--seed" && wert) {
            seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (a == "--seats" && wert) {
            spieler = std::atoi(argv[++i]);
        } else if (a == "--levels" && wert) {
            levels.clear();
            std::string l = argv[++i];
            for (size_t p = 0; p <= l.size();) {
                size_t q = l.find(',', p);
                if (q == std::string::npos) q = l.size();
                levels.push_back(std::atoi(l.substr(p, q - p).c_str()));
                p = q + 1;
            }
        } else if (a == "--option" && wert) {
            const std::string o = argv[++i];
            const size_t g = o.find('=');
            if (g == std::string::npos) return fehler(("option without value: " + o).c_str());
            optionen.emplace_back(o.substr(0, g), o.substr(g + 1));
        } else {
            return fehler(("unknown argument " + a).c_str());
        }
    }
    if (spieler < 1 || spieler > 6) return fehler("--seats must be 1..6");
    for (int l : levels)
        if (l < 0 || l > 3) return fehler("levels are 0..3");
    while (static_cast<int>(levels.size()) < spieler) levels.push_back(3);

    harness::Einstellung e;
    e.spielId = spiel->spielId;
    e.spieler = spieler;
    e.seed = seed;
    e.menschAlsComputer = true;
    e.maxFrames = 200000;
    harness::Lauf lauf(e);
    spiel->anmelden();
    // The run has reset the settings: the options go in after it, or they would be lost.
    for (const auto& [name, w] : optionen)
        if (!spiel->option(name, text::w(w)) && !spiel->option(text::w(name), text::w(w)) &&
            !spiel->option(name, w))
            return fehler(("unknown option " + name).c_str());
    central::dienste.staerke = staerke;
    if (spiel->invariante) lauf.invariante = spiel->invariante;
    // Cards fly at the speed of the fastest animation setting ("Blitzschnell"): the frames of the
    // flights are most of a round, and no decision or result depends on how many they are.
    envParam.kartenSpeed = 50;
    spiel->vorbereiten(spieler);

    std::vector<Sitz> sitze(static_cast<size_t>(spieler));
    for (int s = 0; s < spieler; ++s) sitze[static_cast<size_t>(s)].level = levels[static_cast<size_t>(s)];
    long fehlerAnz = 0;
    auto melden = [&](long runde, const std::string& text) {
        ++fehlerAnz;
        std::fprintf(stderr, "fault: seed %llu, round %ld: %s\n", static_cast<unsigned long long>(seed),
                     runde, text.c_str());
    };
    auto starten = [&](int weiter) {
        const bool ok = lauf.starten(weiter);
        cg.sitzEinstellungen.at(1).staerke = levels[0];
        return ok;
    };

    const auto t0 = std::chrono::steady_clock::now();
    long gespielt = 0;
    bool ok = starten(0);
    std::vector<double> punkte;
    while (ok && gespielt < runden) {
        if (lauf.bis(spiel->rundeVorbei) < 0) break;
        ++gespielt;
        const std::string warum = spiel->runde(punkte);
        if (!warum.empty()) melden(gespielt, warum);
        for (size_t s = 0; s < sitze.size() && s < punkte.size(); ++s) {
            if (std::isnan(punkte[s])) continue;  // a round the game does not score for this seat
            sitze[s].runden += 1;
            sitze[s].summe += punkte[s];
            sitze[s].quadrate += punkte[s] * punkte[s];
        }
        int sieger = 0;
        const bool ende = spiel->partieVorbei(sieger);
        if (ende && sieger >= 1 && sieger <= spieler) sitze[static_cast<size_t>(sieger - 1)].siege += 1;
        if (gespielt < runden) ok = starten(ende ? 0 : 1);
    }
    const double sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    for (const std::string& f : lauf.fehler()) melden(gespielt + 1, f);

    for (size_t s = 0; s < sitze.size(); ++s) {
        const Sitz& z = sitze[s];
        const double n = static_cast<double>(std::max(1L, z.runden));
        const double mittel = z.summe / n;
        const double varianz = z.runden > 1 ? (z.quadrate - n * mittel * mittel) / (n - 1) : 0.0;
        const double ci = 1.96 * std::sqrt(std::max(0.0, varianz) / n);
        std::printf("seat %zu (level %d): rounds %ld, mean %.2f, 95%% CI \xC2\xB1%.2f, matches won %d\n",
                    s + 1, z.level, z.runden, mittel, ci, z.siege);
    }
    std::printf("%s: %ld rounds, %.1f rounds/s, %ld faults\n", code.c_str(), gespielt,
                sekunden > 0 ? gespielt / sekunden : 0.0, fehlerAnz);
    return fehlerAnz == 0 && gespielt == runden ? 0 : 1;
}
