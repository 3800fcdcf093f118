// Black Jack ("bjk") and 17 und 4 ("174") in self-play.
#include "games/casino/blackjack.h"

#include <cmath>
#include <map>

#include "core/spiele.h"
#include "games/casino/pokerchips.h"
#include "selfplay.h"

namespace {

int64_t serienGeld = 0;  // the money of the seats at the table, fixed within a series

bool option(const std::string& name, const std::string& wert, bool kurz) {
    blackjack::Optionen& o = blackjack::optionen[kurz ? 1 : 0];
    const int v = std::atoi(wert.c_str());
    const std::map<std::string, int*> zahlen = {{"Startgeld", &o.startGeld},
                                                {"Mindesteinsatz", &o.minEinsatz},
                                                {"Maximaleinsatz", &o.maxEinsatz},
                                                {"Zweite Karte", &o.zweiteKarte},
                                                {"Kartensätze", &o.decks},
                                                {"Währung", &o.waehrung},
                                                {"Dealer wechselt", &o.dealerWechsel}};
    const std::map<std::string, bool*> schalter = {{"Black Jack wird Dealer", &o.naturalDealer},
                                                   {"Keine Karte bei Soft 17", &o.keinSoft17},
                                                   {"Verdoppeln erlaubt", &o.verdoppeln},
                                                   {"Stapel vor jedem Spiel mischen", &o.mischen},
                                                   {"Zwei Asse gewinnen doppelt", &o.zweiAsseDoppelt}};
    if (name == "Runden") {
        o.runden = wert + " Runden";
        return true;
    }
    if (auto z = zahlen.find(name); z != zahlen.end()) {
        *z->second = v;
        return true;
    }
    if (auto s = schalter.find(name); s != schalter.end()) {
        *s->second = v != 0;
        return true;
    }
    return false;
}

selfplay::Spiel spiel(const char* code, int id, bool kurz) {
    selfplay::Spiel s;
    s.code = code;
    s.spielId = id;
    s.spielerStandard = 4;
    s.anmelden = blackjack::anmelden;
    s.option = [kurz](const std::string& n, const std::string& w) { return option(n, w, kurz); };
    s.vorbereiten = [kurz](int spieler) {
        blackjack::optionen[kurz ? 1 : 0].spieler = spieler;
        blackjack::automatik = true;
        serienGeld = -1;
    };
    s.rundeVorbei = blackjack::rundeVorbei;
    s.runde = [](std::vector<double>& punkte) -> std::string {
        const int n = blackjack::anzahl();
        punkte.assign(static_cast<size_t>(n), 0.0);
        // The dealer plays by a fixed rule and keeps the table's edge: a seat's strength shows
        // in the rounds it plays against the dealer, so the dealer's round is not counted.
        for (int i = 1; i <= n; ++i)
            punkte[static_cast<size_t>(i - 1)] =
                i == cg.blackjack.dealer ? std::nan("") : static_cast<double>(cg.blackjack.sitz.at(i).betrag);
        int64_t summe = 0;
        for (int i = 1; i <= n; ++i) summe += cg.blackjack.sitz.at(i).betrag;
        const int64_t geld = blackjack::tischGeld();
        if (serienGeld < 0) serienGeld = int64_t{n} * cg.blackjack.regeln.startGeld;
        if (geld != serienGeld)
            return "money not conserved: seats and boxes hold " + std::to_string(geld) +
                   ", the series started with " + std::to_string(serienGeld);
        if (summe != 0) return "round results do not sum to zero: " + std::to_string(summe);
        return {};
    };
    s.partieVorbei = [](int& sieger) {
        if (!blackjack::partieEnde()) return false;
        sieger = 0;
        int64_t best = -1;
        for (int i = 1; i <= blackjack::anzahl(); ++i)
            if (pokerchips::seatChipTotal(i) > best) {
                best = pokerchips::seatChipTotal(i);
                sieger = i;
            }
        serienGeld = -1;
        return true;
    };
    return s;
}

selfplay::Anmeldung bjk{spiel("bjk", spiele::kBlackJack, false)};
selfplay::Anmeldung siebzehn{spiel("174", spiele::kSiebzehnUndVier, true)};

}  // namespace
