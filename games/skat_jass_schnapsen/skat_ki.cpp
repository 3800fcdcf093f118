// The computer seats' answers in Skat until the Skat computer player takes them over: bidding,
// Skat and declaration follow the bidding evaluation, the rest is the plainest legal answer.
#include <algorithm>

#include "core/central.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "table/glu.h"

namespace skatki {

using namespace skat_1;

namespace {

void knopf(int code) { central::antwort(cg, central::kKnopf, 0, code); }

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }

// The type the declarer names: the evaluated one, unless the twelve cards cannot reach the bid
// with it; then the type with the highest value.
int ansageTyp(int seat) {
    const Bewertung& b = bewertung(seat);
    const TSkatSpiel& sp = cg.skat.spiel;
    if (b.spielTyp == kNull) return kNull;
    hand zwoelf = gegebeneHand(seat);
    handAnhaengen(zwoelf, skatOriginal());
    auto wert = [&](int typ) { return Grundwert[typ] * spielFaktor(zwoelf, typ, sp.hand != 0, 0, 0); };
    if (wert(b.spielTyp) >= sp.reizwert) return b.spielTyp;
    int best = b.spielTyp;
    for (int t : {1, 2, 3, 4, kGrand})
        if (wert(t) > wert(best)) best = t;
    return best;
}

}  // namespace

int karteWaehlen(int seat) {
    for (int i = 1; i <= st(seat).anz; ++i)
        if (skat::spielbar(st(seat).at(i))) return i;
    return 1;
}

void druecken(int seat, int& slot1, int& slot2) {
    slot1 = slot2 = 0;
    TSpieler& s = st(seat);
    glu::stapelZuHand(s);
    const Bewertung& b = bewertung(seat);
    const int altTyp = cg.skat.sk.typ;
    cg.skat.sk.typ = cg.skat.spiel.ramsch ? kRamsch : b.spielTyp;
    auto punkte = [&](int i) {
        const karte k = s.at(i).c;
        if (cg.skat.sk.typ == kNull) {
            for (const karte& d : b.nullDrueckKarten)
                if (gleich(d, k)) return 1000;
            return static_cast<int>(k.t) * 10;  // high cards are the dangerous ones in Null
        }
        if (cg.skat.sk.typ == kRamsch) return augen[k.t - 1] * 10 - (k.t == kBube ? 500 : 0);
        if (istTrumpf(k)) return -100 + k.t;
        if (k.t == 8) return 0;  // an As stands
        return augen[k.t - 1] * 10 + (8 - farbAnzahlOhneTrumpf(s.hand, k.f));
    };
    for (int i = 1; i <= s.anz; ++i) {
        if (cg.skat.spiel.ramsch && s.at(i).c.t == kBube && !cg.skat.optionen.bubenSchieben) continue;
        if (slot1 == 0 || punkte(i) > punkte(slot1)) {
            slot2 = slot1;
            slot1 = i;
        } else if (slot2 == 0 || punkte(i) > punkte(slot2)) {
            slot2 = i;
        }
    }
    cg.skat.sk.typ = altTyp;
    if (slot1 == 0) slot1 = 1;
    if (slot2 == 0) slot2 = slot1 == 1 ? 2 : 1;
}

void kiTick() {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 3) return;
    const Bewertung& b = bewertung(seat);
    const TSkatSpiel& sp = cg.skat.spiel;
    switch (cg.entscheidung.art) {
        case 48:
            knopf(reizwert(cg.skat.reizPos) <= b.hoechstgebot ? 41 : 43);
            return;
        case 49:
            knopf(sp.reizwertAktuell <= b.hoechstgebot ? 42 : 43);
            return;
        case 50:
        case 60:
            knopf(b.hand ? 45 : 51);
            return;
        case 53:
            knopf(53);
            return;
        case 54: {
            int s1 = 0, s2 = 0;
            druecken(seat, s1, s2);
            central::antwort(cg, central::kKarte, 0, s1);
            return;
        }
        case 55:
            knopf(ansageTyp(seat));
            return;
        case 56:
            knopf(b.offen ? 4 : b.schwarzAnsagen ? 3 : b.schneiderAnsagen ? 2 : 1);
            return;
        case 57:
            knopf(b.offen ? 4 : 1);
            return;
        case 59:
            knopf(62);
            return;
        case 44:
        case 63:
        case 64:
        case 65:
            knopf(-1);
            return;
        case 66:
            knopf(66);
            return;
        case 67:
            knopf(45);
            return;
        case 68:
            knopf(0);
            return;
        case 58:
            central::antwort(cg, central::kKarte, 0, karteWaehlen(seat));
            return;
        default:
            return;
    }
}

}  // namespace skatki
