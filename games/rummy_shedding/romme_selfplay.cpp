// What whole-game runs (the soak tests, bench/selfplay) check of Rommé, the rule options they
// may set by name, and the yardstick player that picks uniformly among the legal answers.
#include <algorithm>

#include "core/central.h"
#include "core/kartenzaehler.h"
#include "games/rummy_shedding/romme.h"
#include "platform/rnd.h"
#include "table/glu.h"
#include "table/k12.h"

namespace romme {

namespace {
constexpr int kStapelMitKarten[] = {1, 2, 3, 4, 5, 6, 11, 12, 13};
}

bool kartenErhalten(std::string& warum) {
    if (glu::zugliste.anz > 0 || k12.d.aktiv) return true;  // a card in flight is counted where it lands
    Kartenzaehler anzahl;
    int n = 0;
    for (int s : kStapelMitKarten) {
        const TSpieler& st = glu::spieler[s - 1];
        for (int i = 1; i <= st.anz; ++i) {
            const karte k = st.at(i).c;
            if (k.t == 0) continue;
            ++n;
            anzahl.zaehlen(k);
        }
    }
    const int saetze = std::clamp<int>(cg.romme.saetze, 1, 3);
    if (n != 55 * saetze) {
        warum = std::to_string(n) + " Karten auf dem Tisch";
        return false;
    }
    int z = 0;
    if (const int k = anzahl.ueber(saetze, z); k >= 0) {
        warum = "Karte " + std::to_string(k) + " " + std::to_string(z) + "-mal";
        return false;
    }
    return true;
}

bool meldungenGueltig(std::string& warum) {
    if (glu::zugliste.anz > 0 || k12.d.aktiv) return true;
    const Regeln r = regeln();
    hand m;  // the meld test reads the cards in use only; this runs after every frame
    for (int p = 1; p <= kPiles; ++p) {
        if (!k12.inUse(p)) continue;
        k12.stapelKarten(p, m);
        if (!romme::isset(m, true, false, true, r)) {
            warum = "Stapel " + std::to_string(p) + " ist keine Meldung";
            return false;
        }
    }
    return true;
}

bool optionSetzen(const std::string& name, int wert) {
    optionenPruefen();
    TRomme& o = cg.romme;
    const uint8_t an = wert != 0;
    if (name == "Positiv") {
        o.positiv = an;
    } else if (name == "Runden") {
        o.rundenGrenze = wert <= 0 ? kRundenMax : std::min(wert, kRundenMax);
    } else if (name == "Punkte") {
        o.punkteGrenze = std::max(wert, 0);
    } else if (name == "Saetze") {
        o.saetze = std::clamp(wert, 1, 3);
    } else if (name == "Joker") {
        o.jokerWert = wert;
    } else if (name == "Mindestpunkte") {
        o.mindestpunkte = wert;
    } else if (name == "Ecke") {
        o.ecke = an;
    } else if (name == "DoppelteFarben") {
        o.doppelteFarben = an;
    } else if (name == "FremdAnlegen") {
        o.fremdAnlegen = an;
    } else if (name == "Geber") {
        o.naechsterGeber = std::clamp(wert, 1, 7);
    } else {
        return false;
    }
    return true;
}

void zufallsAntwort() {
    const int seat = cg.aktSpieler;
    const TSpieler& st = glu::spieler[seat - 1];
    switch (cg.phase.schritt) {
        case kZiehen: {
            const int n13 = glu::spieler[12].anz;
            if (n13 >= 1 && rnd::random(2) == 0)
                central::antwort(cg, central::kStapel, 13, n13);
            else
                central::antwort(cg, central::kStapel, 11, glu::spieler[10].anz);
            return;
        }
        case kAuslegeAntwort: {
            // one of the single melds and lay-offs, or none
            const hand h = stapelHand(seat);
            static rommeki::Zugbuffer b;
            rommeki::Suche s;
            s.seat = seat;
            s.fremd = cg.romme.fremdAnlegen != 0;
            s.sitzHatMeldung = hatMeldung(seat);
            s.r = regeln();
            s.tisch = rommeki::tischLesen();
            rommeki::einfacheSuche(b, h, s);
            const int k = rnd::random(b.anzahl + 1);
            if (k == 0) {
                hand leer{};
                central::antwort(cg, central::kAuswahl, 0, 0, &leer);
                central::antwort(cg, central::kKnopf, 0, 0);
                return;
            }
            const rommeki::Meldung& m = b.e[k].m[0];
            hand sel = m.karten;
            central::antwort(cg, central::kAuswahl, 0, 0, &sel);
            if (m.art == 0)
                central::antwort(cg, central::kKnopf, 0, 79);
            else
                central::antwort(cg, central::kStapel, 12, s.tisch.pile[m.ziel].at(1).nr);
            return;
        }
        case kAbwerfen:
            central::antwort(cg, central::kKarte, 0, 1 + rnd::random(std::max(1, static_cast<int>(st.anz))));
            return;
        default:
            return;
    }
}

}  // namespace romme
