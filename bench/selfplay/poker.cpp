// Texas Hold'em ("pok") in self-play: every hand checked for the money on the table, zero-sum
// results, and every answer the flow had to refuse.
#include <cstdio>
#include <filesystem>
#include <map>

#include "core/spiele.h"
#include "games/casino/chipanim.h"
#include "games/casino/holdem.h"
#include "games/casino/holdem_ki.h"
#include "games/casino/holdem_preflop.h"
#include "games/casino/pokerchips.h"
#include "selfplay.h"

namespace {

int64_t matchGeld = -1;  // the money on the table, fixed within a match
int varianteWahl = 3;
bool eigenerSpeicher = false;  // a learning store was named: the program's is not read    // as the game list offers them: 1 Split Limit, 2 Pot Limit, 3 No Limit

bool option(const std::string& name, const std::string& wert) {
    holdem::Optionen& o = holdem::optionen;
    const int v = std::atoi(wert.c_str());
    // the learning store: its file (read when present, written when it learns) and learning
    // from the winners of every seat
    if (name == "Lernspeicher") {
        eigenerSpeicher = true;
        holdem::ki::brainDatei = wert;
        std::string meldung;
        if (!holdem::ki::brainLaden(meldung)) std::fprintf(stderr, "pok: %s\n", meldung.c_str());
        return true;
    }
    if (name == "Lernen") {
        holdem::ki::clusterer().learn = v != 0;
        holdem::ki::clusterer().mode = v != 0 ? 1 : 0;
        return true;
    }
    if (name == "Variante") {
        varianteWahl = v;
        return v >= 1 && v <= 3;
    }
    const std::map<std::string, int*> zahlen = {{"Startgeld", &o.startGeld},
                                                {"Blinds", &o.blinds},
                                                {"Blinds erhöhen", &o.intervall},
                                                {"Währung", &o.waehrung},
                                                {"Tempo", &o.tempo}};
    if (auto z = zahlen.find(name); z != zahlen.end()) {
        *z->second = v;
        return true;
    }
    return false;
}

selfplay::Spiel spiel() {
    selfplay::Spiel s;
    s.code = "pok";
    s.spielId = spiele::kPoker;
    s.spielerStandard = 6;
    s.anmelden = holdem::anmelden;
    s.option = option;
    s.vorbereiten = [](int spieler) {
        // the computer seats look their preflop chances up in the program's table
        static const bool tabelle = holdem::loadPreflopTable(std::filesystem::current_path()) ||
                                    holdem::loadPreflopTable(KS_POKER_PROGRAMM);
        if (!tabelle) std::fprintf(stderr, "pok: data/pfp.txt fehlt, alle Preflop-Chancen 0\n");
        // and take the advice of the learning store the program brings (read only)
        static const bool speicher = [] {
            if (eigenerSpeicher) return true;
            std::string fehler;
            for (const std::filesystem::path& p : {std::filesystem::current_path(), std::filesystem::path(KS_POKER_PROGRAMM)})
                if (holdem::ki::clusterer().loadClusters(p / "data" / "brain.txt", fehler)) return true;
            std::fprintf(stderr, "pok: data/brain.txt %s, der Lernspeicher ist leer\n", fehler.c_str());
            return false;
        }();
        (void)speicher;
        holdem::optionen.spieler = spieler - 1;
        holdem::automatik = true;
        cg.poker.splitLimit = varianteWahl == 1 ? 1 : 0;
        cg.poker.potLimit = varianteWahl == 2 ? 1 : 0;
        holdem::abgelehnt = 0;
        matchGeld = -1;
    };
    s.rundeVorbei = holdem::handVorbei;
    s.invariante = [](const TCG& g, std::string& warum) {
        if (holdem::abgelehnt != 0) {
            warum = "an answer was refused";
            holdem::abgelehnt = 0;
            return false;
        }
        // after every action, once the chips have landed, the money on the table is unchanged
        if (g.phase.nr == 4 && matchGeld > 0 && holdem::chipsInRuhe() && holdem::tischGeld() != matchGeld) {
            warum = "chips not conserved: " + std::to_string(holdem::tischGeld()) + " instead of " +
                    std::to_string(matchGeld);
            return false;
        }
        if (g.phase.nr == 4 && matchGeld < 0) matchGeld = int64_t{holdem::anzahl()} * g.poker.startGeld;
        return true;
    };
    s.runde = [](std::vector<double>& punkte) -> std::string {
        const int n = holdem::anzahl();
        punkte.assign(static_cast<size_t>(n), 0.0);
        int64_t summe = 0;
        for (int i = 1; i <= n; ++i) {
            const int32_t r = holdem::sitz(i).gewinn - holdem::sitz(i).gesetzt;
            punkte[static_cast<size_t>(i - 1)] = r;
            summe += r;
        }
        if (summe != 0) return "hand results do not sum to zero: " + std::to_string(summe);
        return {};
    };
    s.partieVorbei = [](int& sieger) {
        if (!holdem::handVorbei(cg)) return false;
        int zahlen = 0;
        sieger = 0;
        for (int i = 1; i <= holdem::anzahl(); ++i)
            if (holdem::PokerSeatInGame(i) && pokerchips::seatChipTotal(i) >= cg.poker.bigBlind) {
                ++zahlen;
                sieger = i;
            }
        if (zahlen > 1) return false;
        matchGeld = -1;
        return true;
    };
    return s;
}

selfplay::Anmeldung pok{spiel()};

}  // namespace
