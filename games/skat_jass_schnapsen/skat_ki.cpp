// The Skat computer player's turn: every decision dialog of a deal answered by its answer codes,
// the Skat laid away card by card, and the card of a trick sent by its real slot.
#include "games/skat_jass_schnapsen/skat_ki.h"

#include <algorithm>

#include "core/central.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace skatki {

using namespace skat_1;

namespace {

constexpr int kStiche = 4;  // the trick phase of the flow

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }

// The stack's cards as a hand, slot i at place i; the mirror hand is left alone.
hand stapelHand(int stack) {
    hand h{};
    const TSpieler& s = st(stack);
    for (int i = 1; i <= s.anz; ++i) handaddk(h, s.at(i).c);
    return h;
}

int stapelSlot(int stack, const karte& k) {
    const TSpieler& s = st(stack);
    for (int i = 1; i <= s.anz; ++i)
        if (gleich(s.at(i).c, k)) return i;
    return 0;
}

// Button i of the open dialog, by its answer code; the first when there is no button i.
void knopfNr(int i) {
    const TEntscheidung& e = cg.entscheidung;
    const int n = std::clamp<int>(e.knopfAnzahl, 1, 8);
    central::antwort(cg, central::kKnopf, 0, e.code(i >= 1 && i <= n ? i : 1));
}

// The button that carries the code; the first button when the open dialog has none.
void knopfCode(int code) {
    const TEntscheidung& e = cg.entscheidung;
    const int n = std::clamp<int>(e.knopfAnzahl, 1, 8);
    for (int i = 1; i <= n; ++i)
        if (e.code(i) == code) {
            central::antwort(cg, central::kKnopf, 0, code);
            return;
        }
    central::antwort(cg, central::kKnopf, 0, e.code(1));
}

bool farbOderGrand(int typ) { return (typ >= 1 && typ <= 4) || typ == kGrand; }

// The type the declarer names when its evaluated type is not offered (no evaluation): the type
// whose value on the twelve cards is highest.
int ersatzTyp(int seat) {
    hand zwoelf = gegebeneHand(seat);
    handAnhaengen(zwoelf, skatOriginal());
    int best = kKreuz, bestWert = 0;
    for (int t : {1, 2, 3, 4, kGrand}) {
        const int w = Grundwert[t] * spielFaktor(zwoelf, t, cg.skat.spiel.hand != 0, 0, 0);
        if (w > bestWert) best = t, bestWert = w;
    }
    return best;
}

// Taking the Skat: 51 take it, 46 take it with Rum, 45 Hand (or Schieben in Ramsch).
int skatAntwort(const Bewertung& b, int art) {
    bool handSpiel = false;
    if (cg.skat.spiel.ramsch) {
        handSpiel = b.spielTyp == kNull || b.punkte < 91;
    } else {
        if (b.nullArt > 0) handSpiel = true;
        if (b.hoechstgebot == 46) handSpiel = false;
        if (b.spielTyp != kNull && b.hand) handSpiel = true;
    }
    const bool rum = art == 60 && b.punkte >= 124;
    return rum ? 46 : handSpiel ? 45 : 51;
}

// The level button of dialog 56 (1 normal, 2 Schneider, 3 Schwarz, 4 Offen) or the Null button
// of dialog 57 (code 1 Null, 4 Null Ouvert).
int stufenKnopf(const Bewertung& b, int art) {
    if (art == 57) return b.offen || b.nullArt == 2 ? 4 : 1;
    return b.offen ? 4 : b.schwarzAnsagen ? 3 : b.schneiderAnsagen ? 2 : 1;
}

// The card the seat plays: the chosen card when it is legal, else the first legal card.
int kartenSlot(int seat) {
    const karte k = spielta(seat);
    const int slot = stapelSlot(seat, k);
    if (slot >= 1 && skat::spielbar(st(seat).at(slot))) return slot;
    for (int i = 1; i <= st(seat).anz; ++i)
        if (skat::spielbar(st(seat).at(i))) return i;
    return 1;
}

// The chance that a seat of this level plays a legal card at random instead of its choice.
double zufallsAnteil(int stufe) { return stufe <= 1 ? 0.35 : stufe == 2 ? 0.1 : 0.0; }

int zufallsSlot(int seat) {
    int slots[kSlots] = {};
    int n = 0;
    for (int i = 1; i <= st(seat).anz && n < kSlots; ++i)
        if (skat::spielbar(st(seat).at(i))) slots[n++] = i;
    return n == 0 ? 1 : slots[rnd::random(n)];
}

}  // namespace

bool kontraEntscheidung(int seat) {
    const TSkatSpiel& sp = cg.skat.spiel;
    if (!farbOderGrand(cg.skat.sk.typ)) return false;
    const int allein = std::clamp<int>(cg.skat.sk.alleinspieler, 1, 3);
    const int gegner = bewertung(allein).punkte;
    const int level = sp.kontra;
    const int kont = cg.sitzEinstellungen.at(std::clamp(seat, 1, 3)).skat.kont;
    // Before the play the level is the announced one (0, 2, 4 or 5); Schneider and Schwarz as
    // reached levels (1, 3) exist only after the last trick, so of the odd levels only an open
    // game weighs in here.
    const bool offen = sp.stufe == kOffen;
    if (level == 1 || level == 3) {
        double t = 10 * level + 105;
        if (sp.hand) t += 11;
        if (offen) t += 41;
        if (kont != 0) t = static_cast<double>(num::round(t * (1.0 + (50 - kont) / 100.0)));
        return t < gegner;
    }
    if (level == 0 || level == 2) {
        const Bewertung& eigen = bewertung(seat);
        double t = 95 - 10 * level;
        if (farbOderGrand(eigen.spielTyp) && gegner < eigen.punkte) t += 20;
        if (sp.hand) t += 10;
        if (offen) t += 40;
        if (kont != 0) t = static_cast<double>(num::round(t * (1.0 + (kont - 50) / 100.0)));
        return t > gegner;
    }
    return false;
}

int karteWaehlen(int seat) { return kartenSlot(seat); }

void druecken(int seat, int& slot1, int& slot2) {
    karte a{}, b{};
    hand h = stapelHand(seat);
    handAnhaengen(h, stapelHand(11));
    drueckKarten(h, seat, a, b);
    slot1 = stapelSlot(seat, a);
    slot2 = stapelSlot(seat, b);
}

void kiTick() {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 3) return;
    const TEntscheidung& e = cg.entscheidung;
    const int art = e.art;
    const int stufe = cg.sitzEinstellungen.at(seat).staerke;
    const int knoepfe = e.mitKnoepfen ? e.knopfAnzahl : 0;
    if (stufe == 0 && (knoepfe >= 1 || art == 54 || art == 58)) {
        skat::zufallsAntwort();  // the yardstick player
        return;
    }
    const Bewertung& b = bewertung(seat);
    const TSkatSpiel& sp = cg.skat.spiel;
    if (knoepfe == 1) {
        knopfNr(1);
        return;
    }
    switch (art) {
        case 66:
            knopfNr(b.hand && b.spielTyp == kGrand && b.punkte >= 140 ? 2 : 1);
            return;
        case 44:
        case 63:
        case 64:
        case 65:
            knopfNr(kontraEntscheidung(seat) ? 1 : 2);
            return;
        case 48:
        case 49: {
            const int wert = art == 48 ? reizwert(cg.skat.reizPos) : sp.reizwertAktuell;
            knopfNr(wert > b.hoechstgebot ? 2 : 1);
            return;
        }
        case 50:
        case 60:
        case 67:
            knopfCode(skatAntwort(b, art));
            return;
        case 59:
            knopfCode(62);
            return;
        case 55: {
            const int typ = b.spielTyp;
            const bool angeboten = farbOderGrand(typ) || typ == kNull;
            knopfCode(angeboten ? typ : ersatzTyp(seat));
            return;
        }
        case 56:
        case 57:
            knopfCode(stufenKnopf(b, art));
            return;
        case 68:
            knopfNr(b.spielTyp == kNull && b.nullArt > 0 ? 1 : 2);
            return;
        case 53:
            knopfNr(1);
            return;
        case 54: {
            int s1 = 0, s2 = 0;
            druecken(seat, s1, s2);
            central::antwort(cg, central::kKarte, 0, s1 >= 1 ? s1 : s2 >= 1 ? s2 : 1);
            return;
        }
        case 58: {
            if (cg.phase.nr != kStiche) return;
            const bool zufall = rnd::uniform() < zufallsAnteil(stufe);
            central::antwort(cg, central::kKarte, 0, zufall ? zufallsSlot(seat) : kartenSlot(seat));
            return;
        }
        default:
            if (knoepfe >= 1) knopfNr(1);
            return;
    }
}

}  // namespace skatki
