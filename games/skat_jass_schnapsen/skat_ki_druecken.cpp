// Laying away the Skat: short suits without an As go first (in Null the suits that are not safe
// low), else the weakest cards; in Null the evaluation's dangerous cards take precedence.
#include <algorithm>

#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/skat_jass_schnapsen/skat_ki.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"

namespace skatki {

using namespace skat_1;

namespace {

bool istNull() { return cg.skat.sk.typ == kNull; }

// A card the flow takes as laid away: in Schieberamsch no Bube unless the option allows it.
bool legbar(const karte& k) { return !(cg.skat.spiel.ramsch && k.t == kBube && !cg.skat.optionen.bubenSchieben); }

int farbZahl(const hand& h, int f) { return farbAnzahlOhneTrumpf(h, f); }

bool hatWert(const hand& h, int f, int t) { return enthaeltKarte(h, karteBilden(t, f)); }

// Cards of suit f above the Neun in Null (Zehn, Bube, Dame, König, As).
int ueberNeun(const hand& h, int f) {
    int n = 0;
    for (int i = 1; i <= h.anz; ++i) n += h.at(i).f == f && h.at(i).t >= 4;
    return n;
}

}  // namespace

void drueckKarten(const hand& h, int seat, karte& erste, karte& zweite) {
    erste = zweite = karte{};
    const Bewertung& b = bewertung(seat);
    const bool nullSpiel = istNull();
    hand kand{};
    if (cg.skat.spiel.schieberamsch && cg.skat.optionen.bubenSchieben)
        kand = h;
    else
        farbeTeilen(h, 2, "", false, kand);
    const bool nullKarten = nullSpiel && b.nullDrueckKarten[0].t != 0;

    int farben[4] = {};
    int anzFarben = 0;
    if (kand.anz >= 2 && !nullKarten) {
        for (int f = 1; f <= 4; ++f) {
            const int n = farbZahl(kand, f);
            if (n < 1 || n > 2) continue;
            if (!nullSpiel && hatWert(kand, f, 8)) continue;
            if (nullSpiel) {
                bool nurKlein = true;  // the suit's highest card is a Sieben or an Acht
                for (int i = 1; i <= kand.anz; ++i)
                    if (kand.at(i).f == f && kand.at(i).t > 2) nurKlein = false;
                if (nurKlein) continue;
            }
            farben[anzFarben++] = f;
        }
    }

    if (anzFarben < 2 && !(anzFarben == 1 && farbZahl(kand, farben[0]) == 2)) {
        // Too few candidates: the whole hand fills in.
        hand quelle = kand.anz >= 2 ? kand : h;
        if (anzFarben == 1) {
            hand teil;
            farbKarten(kand, farben[0], teil);
            erste = teil.at(1);
        } else {
            erste = niedrigsteKarte(quelle);
        }
        karteAlleEntfernen(quelle, erste);
        if (quelle.anz == 0) {
            quelle = h;
            karteAlleEntfernen(quelle, erste);
        }
        zweite = niedrigsteKarte(quelle);
        if (!istTrumpf(zweite)) {
            hand rest = h;
            karteAlleEntfernen(rest, erste);
            karteAlleEntfernen(rest, zweite);
            hand teil;
            farbKarten(rest, zweite.f, teil);
            if (teil.anz == 1 && augen[teil.at(1).t - 1] > augen[zweite.t - 1] && teil.at(1).t != 8 &&
                legbar(teil.at(1)))
                zweite = teil.at(1);
        }
    } else {
        // Order the discard suits: the shorter first (not in Null), a suit with a Zehn before
        // one without, in Null the suit with more high cards first.
        for (int pass = 0; pass + 1 < anzFarben; ++pass)
            for (int i = 0; i + 1 < anzFarben; ++i) {
                const int a = farben[i], c = farben[i + 1];
                bool tauschen = !nullSpiel && farbZahl(kand, c) < farbZahl(kand, a);
                if (!tauschen) tauschen = hatWert(kand, a, 7) && !hatWert(kand, c, 7);
                if (!tauschen && nullSpiel) tauschen = ueberNeun(kand, a) < ueberNeun(kand, c);
                if (tauschen) std::swap(farben[i], farben[i + 1]);
            }
        int n = 0;
        for (int i = 0; i < anzFarben && n < 2; ++i) {
            hand teil;
            farbKarten(kand, farben[i], teil);
            for (int j = 1; j <= teil.anz && n < 2; ++j) (n++ == 0 ? erste : zweite) = teil.at(j);
        }
    }

    if (nullSpiel) {
        const karte n1 = b.nullDrueckKarten[0], n2 = b.nullDrueckKarten[1];
        if (n1.t != 0 && enthaeltKarte(h, n1) && !gleich(erste, n1) && !gleich(zweite, n1)) erste = n1;
        if (n2.t != 0 && enthaeltKarte(h, n2) && !gleich(zweite, n2) && !gleich(erste, n2)) zweite = n2;
    }

    // Two different cards of the hand that may be laid away, whatever the rules above gave.
    auto gut = [&](const karte& k) { return k.t != 0 && enthaeltKarte(h, k) && legbar(k); };
    if (!gut(erste)) erste = karte{};
    if (!gut(zweite) || gleich(zweite, erste)) zweite = karte{};
    for (int i = 1; i <= h.anz && (erste.t == 0 || zweite.t == 0); ++i) {
        const karte k = h.at(i);
        if (!legbar(k) || gleich(k, erste) || gleich(k, zweite)) continue;
        (erste.t == 0 ? erste : zweite) = k;
    }
    erste.nr = zweite.nr = 0;
}

}  // namespace skatki
