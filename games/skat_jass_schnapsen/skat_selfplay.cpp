// What whole-game runs (the soak tests, bench/selfplay) check of Skat, the rule options they may
// set by name, and the yardstick player that picks uniformly among the legal answers.
#include <algorithm>

#include "core/central.h"
#include "core/kartenzaehler.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace skat {

using namespace skat_1;

namespace {

constexpr int kStapelMitKarten[] = {1, 2, 3, 7, 8, 9, 11, 12, 15};

// The seat's cards into h, which keeps no more than the count and the cards in use.
void kartenLesen(int seat, hand& h) {
    h.anz = 0;
    const TSpieler& sp = glu::spieler[seat - 1];
    for (int i = 1; i <= sp.anz; ++i)
        if (sp.at(i).c.t != 0) handaddk(h, sp.at(i).c);
}

hand kartenVon(int seat) {
    hand h{};
    kartenLesen(seat, h);
    return h;
}

}  // namespace

bool kartenErhalten(std::string& warum) {
    if (glu::zugliste.anz > 0) return true;  // a card in flight is counted where it lands
    Kartenzaehler gesehen;
    int n = 0;
    for (int s : kStapelMitKarten) {
        const TSpieler& st = glu::spieler[s - 1];
        for (int i = 1; i <= st.anz; ++i) {
            const karte k = st.at(i).c;
            if (k.t == 0) continue;
            ++n;
            if (gesehen.zaehlen(k) > 1) {
                warum = "Karte doppelt auf Stapel " + std::to_string(s);
                return false;
            }
        }
    }
    if (n == 32) return true;
    warum = std::to_string(n) + " Karten auf dem Tisch";
    return false;
}

bool Bedienpruefung::pruefen(std::string& warum) {
    const hand& st = stich();
    if (st.anz > stichAnz && st.anz >= 2) {
        const karte lead = st.at(1);
        const karte k = st.at(st.anz);
        const int seat = k.nr;
        auto folgt = [&](const karte& x) {
            return istTrumpf(lead) ? istTrumpf(x) : (x.f == lead.f && !istTrumpf(x));
        };
        if (!folgt(k) && seat >= 1 && seat <= 3)
            for (int i = 1; i <= vorher[seat].anz; ++i)
                if (folgt(vorher[seat].at(i))) {
                    warum = "Sitz " + std::to_string(seat) + " bedient nicht";
                    return false;
                }
    }
    stichAnz = st.anz;
    // read in place: this runs after every frame, and a whole hand record is 794 bytes
    for (int s = 1; s <= 3; ++s) kartenLesen(s, vorher[s]);
    return true;
}

bool dealPruefen(const int32_t kontoVorher[4], std::string& warum) {
    const TSkatSpiel& sp = cg.skat.spiel;
    const TGameResult& r = letztesErgebnis();
    int inHaenden = 0;
    for (int s = 1; s <= 3; ++s) inHaenden += augenSumme(kartenVon(s));
    const int alle = augenSumme(alleGespielt()) + inHaenden + augenSumme(skatKopie());
    if (alle != 120) {
        warum = "Augen zusammen " + std::to_string(alle);
        return false;
    }
    if (!sp.ramsch && sp.typ != kEingepasst && sp.augen + sp.gegenAugen + inHaenden != 120) {
        warum = "Augen der Parteien " + std::to_string(sp.augen) + ":" + std::to_string(sp.gegenAugen);
        return false;
    }
    for (int s = 1; s <= 3; ++s)
        if (cg.konto[s] - kontoVorher[s] != r.at(s)) {
            warum = "Sitz " + std::to_string(s) + " anders gebucht als abgerechnet";
            return false;
        }
    return true;
}

bool optionSetzen(const std::string& name, int wert) {
    grundwerteWennLeer();
    TSkatOptionen& o = cg.skat.optionen;
    const uint8_t an = wert != 0;
    if (name == "Wertung") {
        o.wertung = std::clamp(wert, 1, 4);
    } else if (name == "Spiele") {
        o.limit = std::clamp(wert, 0, 200);
    } else if (name == "Rum") {
        o.rum = an;
    } else if (name == "Spitze") {
        o.spitze = an;
    } else if (name == "Grand20") {
        o.grand20 = an;
        o.grandGrundwert = an ? 20 : 24;
    } else if (name == "Kontra") {  // 0 none, 1 Kontra, 2 Kontra und Re, 4 up to Hirsch
        o.kontraRe = an;
        o.mitKontra = wert == 1;
        o.mitKontraRe = wert == 2;
        o.mitKontraAlle = wert >= 3;
        o.nachSpielansage = 1;
    } else if (name == "Bock") {  // Bock/Ramsch with every trigger; the value is the list position
        o.bockRamsch = an;
        o.bockrunden = o.ramschrunden = std::clamp(wert, 1, 5);
        o.beiEingepasst = o.kontraVerloren = o.grandHandGewonnen = o.grandHandVerloren = an;
        o.nach6060 = o.ueber100 = o.schneider = o.spielabschluss = an;
        o.grandHand = o.jungfrauAnsagen = o.durchmarsch = an;
    } else if (name == "Ramsch") {  // a Ramsch when all pass
        o.bockRamsch = o.bockRamsch || an;
        o.ramschKeinerReizt = an;
    } else {
        return false;
    }
    return true;
}

void zufallsAntwort() {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 3) return;
    const int art = cg.entscheidung.art;
    TSpieler& st = glu::spieler[seat - 1];
    std::vector<int> slots;
    if (art == 58 || art == 54) {
        for (int i = 1; i <= st.anz; ++i)
            if (spielbar(st.at(i))) slots.push_back(i);
        if (!slots.empty()) {
            central::antwort(cg, central::kKarte, 0,
                             slots[static_cast<size_t>(rnd::random(static_cast<int>(slots.size())))]);
            return;
        }
    }
    const int n = std::clamp<int>(cg.entscheidung.knopfAnzahl, 0, 8);
    if (n == 0) {
        skatki::kiTick();
        return;
    }
    const int code = cg.entscheidung.code(1 + rnd::random(n));
    central::antwort(cg, central::kKnopf, 0, code);
}

}  // namespace skat
