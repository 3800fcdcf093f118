// What whole-game runs (the soak tests, bench/selfplay) check of Jass, and the yardstick player
// that picks uniformly among the legal answers of every question.
#include <vector>

#include "core/central.h"
#include "core/kartenzaehler.h"
#include "games/skat_jass_schnapsen/jass.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace jass {

namespace {

constexpr int kStapelMitKarten[] = {1, 2, 3, 4, 7, 8, 9, 10, 11, 12};

const TSpieler& st(int s) { return glu::spieler[s - 1]; }

int stapelPunkte(int s) {
    int n = 0;
    for (int i = 1; i <= st(s).anz; ++i) n += kartenPunkte(st(s).at(i).c, cg.jass.trumpf);
    return n;
}

}  // namespace

bool kartenErhalten(std::string& warum) {
    if (glu::zugliste.anz > 0) return true;  // a card in flight is counted where it lands
    Kartenzaehler gesehen;
    int n = 0;
    for (int s : kStapelMitKarten) {
        for (int i = 1; i <= st(s).anz; ++i) {
            const karte k = st(s).at(i).c;
            if (k.t == 0) continue;
            ++n;
            if (gesehen.zaehlen(k) > 1) {
                warum = "Karte doppelt auf Stapel " + std::to_string(s);
                return false;
            }
        }
    }
    // Before the deal the talon is being filled; after it every card is somewhere.
    if (n == 36 || (n == 0 && cg.phase.nr == 0)) return true;
    warum = std::to_string(n) + " Karten auf dem Tisch";
    return false;
}

bool rundePruefen(std::string& warum) {
    const TJass& j = cg.jass;
    int alle = 0;
    for (int s : kStapelMitKarten) alle += stapelPunkte(s);
    if (alle != 152) {
        warum = "Kartenpunkte zusammen " + std::to_string(alle);
        return false;
    }
    int stiche = 0, bonus = 0;
    for (int s = 1; s <= 4; ++s) {
        stiche += j.stichPunkte.at(s);
        bonus += j.letzterStichBonus.at(s);
        // Every trick point booked to a seat lies on its trick stack.
        if (j.stichPunkte.at(s) != stapelPunkte(s + 6) && !(zielErreicht() && j.letzterStich == 0)) {
            warum = "Sitz " + std::to_string(s) + " hat " + std::to_string(j.stichPunkte.at(s)) +
                    " Stichpunkte gebucht, auf dem Stapel " + std::to_string(stapelPunkte(s + 6));
            return false;
        }
    }
    if (j.letzterStich != 0 && stiche + bonus != 157) {
        warum = "Runde mit " + std::to_string(stiche + bonus) + " statt 157 Punkten";
        return false;
    }
    if (j.letzterStich == 0 && (!zielErreicht() || stiche > 152)) {
        warum = "Runde vor dem neunten Stich beendet ohne Ziel";
        return false;
    }
    // Only one team books Weis.
    if ((j.weisPunkte.at(1) + j.weisPunkte.at(3)) > 0 && (j.weisPunkte.at(2) + j.weisPunkte.at(4)) > 0) {
        warum = "beide Teams mit Weis";
        return false;
    }
    const TGameResult& r = letztesErgebnis();
    if (r.at(1) != r.at(3) || r.at(2) != r.at(4) || r.at(1) != rundenPunkte(1, 1) ||
        r.at(2) != rundenPunkte(2, 1)) {
        warum = "Rundenergebnis anders als gebucht";
        return false;
    }
    return true;
}

void zufallsAntwort() {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 4) return;
    const TEntscheidung& e = cg.entscheidung;
    std::vector<std::pair<int, int>> wahl;  // (kind, value)
    if (e.kartenSpiel && cg.phase.nr == 4) {
        const TSpieler& s = st(seat);
        for (int i = 1; i <= s.anz; ++i)
            if (enthalten(cg.jass.spielbareKarten, s.at(i).c)) wahl.emplace_back(central::kKarte, i);
    }
    if (e.mitKnoepfen)
        for (int i = 1; i <= e.knopfAnzahl && i <= 8; ++i) wahl.emplace_back(central::kKnopf, e.code(i));
    if (wahl.empty()) return;  // every question of the game has buttons or cards
    const auto [art, wert] = wahl[static_cast<size_t>(rnd::random(static_cast<int>(wahl.size())))];
    central::antwort(cg, art, 0, wert);
}

}  // namespace jass
