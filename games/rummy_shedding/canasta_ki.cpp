// The Canasta computer seats: where to draw from, which whole move to make (going out, the
// smallest first meld or the most points), single melds and lay-offs on the way to a canasta,
// the forced card, and the discard. It reads the table, rates on copies and answers through
// central::antwort exactly as a click does.
#include <algorithm>
#include <cmath>

#include "core/central.h"
#include "core/gtool.h"
#include "games/rummy_shedding/canasta.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "table/glu.h"
#include "table/k12.h"

namespace canastaki {

using namespace canasta;

namespace {

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }
int anz(int stack) { return st(stack).anz; }
int sitze() { return std::clamp<int>(cg.ablauf.anzSpieler, 1, 6); }
int stufe(int seat) { return cg.sitzEinstellungen.at(seat).staerke; }

hand spiegel(int stack) {
    glu::stapelZuHand(st(stack));
    return st(stack).hand;
}

int wertAnzahl(const hand& h, int t) {
    int n = 0;
    for (int i = 1; i <= h.anz; ++i) n += h.at(i).t == t ? 1 : 0;
    return n;
}

hand eins(const karte& k) {
    hand h;
    h.anz = 1;
    h.at(1) = k;
    return h;
}

void auslegen(hand sel, int seat) {
    if (!slotsZuordnen(seat, sel)) return;
    cg.canasta.auswahl = sel;
    central::antwort(cg, central::kAuswahl, 0, 1, &sel);
    central::antwort(cg, central::kKnopf, 1, 82);
}

void anlegen(hand sel, int seat, int pile) {
    if (!slotsZuordnen(seat, sel)) return;
    cg.canasta.auswahl = sel;
    central::antwort(cg, central::kAuswahl, 0, 1, &sel);
    central::antwort(cg, central::kStapel, 12, letzterSlot(pile));
}

void fertig() { central::antwort(cg, central::kKnopf, 1, 37); }

// A move can be carried out as it stands, section by section as the flow checks them: every
// card from the hand, each new meld valid and of a value the side has not laid, each lay-off onto
// a meld of the side that stays valid, after each section a card left to discard (exactly one
// only with a canasta), at the end the minimum reached and the taken card used.
bool zugAusfuehrbar(int seat, const TMultizug& z) {
    if (z.anz < 1) return false;
    hand h = spiegel(seat);
    hand piles;
    meldungen(seat, piles);
    static hand melds[kPiles + 1];
    bool eigen[kPiles + 1] = {};
    bool wertGelegt[15] = {};
    for (int i = 1; i <= piles.anz; ++i) {
        const int p = piles.at(i).nr;
        eigen[p] = true;
        melds[p] = stapelKarten(p);
        const int w = meldWert(melds[p]);
        if (w != kDrei) wertGelegt[w] = true;
    }
    const int unten = cg.canasta.ablageGenommen ? anz(13) : 0;
    bool canasta = hatCanasta(seat);
    bool zwangGelegt = cg.canasta.zwangkarte.t == 0;
    int punkte = 0;
    for (int i = 1; i <= z.anz; ++i) {
        const hand sel = abschnittHand(z.at(i));
        if (sel.anz < 1) return false;
        for (int j = 1; j <= sel.anz; ++j) {
            int gefunden = 0;
            for (int k = 1; k <= h.anz && !gefunden; ++k)
                if (gleich(h.at(k), sel.at(j))) gefunden = k;
            if (!gefunden) return false;
            for (int k = gefunden; k < h.anz; ++k) h.at(k) = h.at(k + 1);
            --h.anz;
            if (!zwangGelegt && gleich(sel.at(j), cg.canasta.zwangkarte)) zwangGelegt = true;
        }
        const int ziel = z.at(i).ziel;
        hand ergebnis = sel;
        if (ziel == 0) {
            const int w = meldWert(sel);
            if (w == 0 || wertGelegt[w]) return false;
            if (istSchwarzeDrei(sel.at(1)) && h.anz + unten != 1) return false;
            if (w != kDrei) wertGelegt[w] = true;
        } else {
            if (ziel < 1 || ziel > kPiles || !eigen[ziel]) return false;
            for (int j = 1; j <= sel.anz; ++j) {
                if (sel.at(j).t == kDrei) return false;
                melds[ziel].at(++melds[ziel].anz) = sel.at(j);
            }
            ergebnis = melds[ziel];
            if (!ismeldung(ergebnis)) return false;
        }
        if (istCanasta(ergebnis)) canasta = true;
        const int rest = h.anz + unten;
        if (rest < 1 || (rest == 1 && !canasta)) return false;
        punkte += kartenPunkte(sel);
    }
    if (!zwangGelegt) return false;
    return punkte + cg.canasta.gelegtePunkte >= cg.canasta.mindestpunkte;
}

// The urgency 0..100 of laying now: opponents close to going out, a short talon.
int bewerten(int seat) {
    int d = 0;
    const int s3 = stufe(seat) >= 3;
    for (int s = 1; s <= sitze(); ++s) {
        if (gleichePartei(s, seat) || !hatCanasta(s)) continue;
        const int n = anz(s);
        int x = 0;
        if (n < 4) x += 10;
        if (n < 2) x += 10;
        if (n < 6) x += 5;
        d += x;
        if (s3) d += x + (n < 9 ? 5 : 0);
    }
    if (anz(11) < sitze() || (s3 && anz(11) < static_cast<int>(num::round(sitze() * 1.5)))) d = 100;
    if (stufe(seat) == 2) {
        if (rnd::uniform() < 0.05) d = 100;
        if (rnd::uniform() < 0.2) d = 0;
    } else if (stufe(seat) <= 1) {
        if (rnd::uniform() < 0.1) d = 100;
        if (rnd::uniform() < 0.4) d = 0;
    }
    return std::clamp(d, 0, 100);
}

void planen(int art, const TMultizug& z) {
    TCanastaZugPlan& p = cg.canasta.multizug;
    p.aktiv = 1;
    p.index = 0;
    p.art = art;
    p.zug = z;
}

// Executes the next section of the pending move; false when the move no longer fits the table
// (it is dropped then and the seat decides afresh).
bool abschnittAusfuehren(int seat) {
    TCanastaZugPlan& p = cg.canasta.multizug;
    if (p.index >= p.zug.anz) {
        p.aktiv = 0;
        return false;
    }
    const TMultizugabschnitt& a = p.zug.at(++p.index);
    hand sel = abschnittHand(a);
    if (p.index >= p.zug.anz) p.aktiv = 0;
    if (!slotsZuordnen(seat, sel)) {
        p.aktiv = 0;
        return false;
    }
    if (a.ziel == 0) {
        if (!auslegenErlaubt(seat, sel)) {
            p.aktiv = 0;
            return false;
        }
        ablaufProtokoll("(1) Multizugabschnitt AUSLEGEN");
        auslegen(sel, seat);
        return true;
    }
    if (!anlegenErlaubt(seat, sel, a.ziel)) {
        p.aktiv = 0;
        return false;
    }
    ablaufProtokoll("(2) Multizugabschnitt ANLEGEN");
    anlegen(sel, seat, a.ziel);
    return true;
}

// Lays the taken card of an unfrozen discard pile: onto the team's meld of its value, or as
// the smallest meld of its value.
bool zwangLegen(int seat) {
    const karte z = cg.canasta.zwangkarte;
    if (z.t == 0) return false;
    const hand h = spiegel(seat);
    const int p = meldungMitWert(seat, z.t);
    if (p && hatMeldungWert(seat, z.t) && anlegenErlaubt(seat, eins(z), p)) {
        ablaufProtokoll("(4) Karte anlegen unter Zwang");
        anlegen(eins(z), seat, p);
        return true;
    }
    // the smallest meld of its value, built around the taken card itself
    hand rest = h;
    for (int i = 1; i <= rest.anz; ++i)
        if (gleich(rest.at(i), z)) {
            for (int j = i; j < rest.anz; ++j) rest.at(j) = rest.at(j + 1);
            --rest.anz;
            break;
        }
    hand m = eins(z);
    for (int i = 1; i <= rest.anz && m.anz < 3; ++i)
        if (rest.at(i).t == z.t) m.at(++m.anz) = rest.at(i);
    for (int i = 1; i <= rest.anz && m.anz == 2; ++i)
        if (istWild(rest.at(i))) m.at(++m.anz) = rest.at(i);
    if (auslegenErlaubt(seat, m)) {
        ablaufProtokoll("(6) Unter Zwang: Meldung auslegen mit Karte");
        auslegen(m, seat);
        return true;
    }
    // the smallest meld does not fit: the move with the most points that uses the card
    TMultizug mz;
    maxpunktezug(seat, h, z, false, mz);
    if (zugAusfuehrbar(seat, mz)) {
        planen(3, mz);
        return abschnittAusfuehren(seat);
    }
    return false;
}

// Single actions without a whole move: a canasta laid at once, or a card laid onto a meld on
// its way to a canasta.
bool einzelAktion(int seat) {
    const hand h = spiegel(seat);
    if (h.anz <= 1) return false;
    // the most frequent natural value without a meld of the team
    int haeufig = 0, haeufigN = 0;
    for (int i = 1; i <= h.anz; ++i) {
        const int t = h.at(i).t;
        if (istWild(h.at(i)) || hatMeldungWert(seat, t)) continue;
        const int n = wertAnzahl(h, t);
        if (n >= haeufigN) {
            haeufig = t;
            haeufigN = n;
        }
    }
    const int wild = wertAnzahl(h, kZwei) + wertAnzahl(h, kJoker);
    const int minimum = cg.canasta.mindestpunkte;
    for (int i = 1; i <= h.anz; ++i) {
        const karte k = h.at(i);
        hand m;
        m.anz = 0;
        if (istWild(k)) {
            if (!cg.canasta.wildeCanastas || wild < 7) continue;
            canastaMeldung(h, kJoker, m);
        } else {
            if (wertAnzahl(h, k.t) < 4 || haeufig == 0 || haeufigN + wild < 7) continue;
            canastaMeldung(h, haeufig, m);
        }
        if (auslegenErlaubt(seat, m) &&
            (minimum == 0 || kartenPunkte(m) + cg.canasta.gelegtePunkte >= minimum)) {
            auslegen(m, seat);
            return true;
        }
    }
    if (minimum > 0 && cg.canasta.gelegtePunkte < minimum) return false;
    hand piles;
    meldungen(seat, piles);
    for (int i = 1; i <= piles.anz; ++i) {
        const int p = piles.at(i).nr;
        const hand m = stapelKarten(p);
        const karte k = canastaErgaenzung(m, h);
        if (k.t == 0) continue;
        if (!(anz(seat) > 2 || (anz(seat) == 2 && m.anz == 6))) continue;
        if (!anlegenErlaubt(seat, eins(k), p)) continue;
        ablaufProtokoll("(8) Zum Canasta anlegen");
        anlegen(eins(k), seat, p);
        return true;
    }
    return false;
}

// One step toward a withheld "!Fertig": of every single meld and lay-off the flow would accept,
// the one with the most points. Each step lays points, so the search always ends.
bool punkteSammeln(int seat) {
    const hand h = spiegel(seat);
    hand wild;
    wild.anz = 0;
    for (int i = h.anz; i >= 1; --i)
        if (istWild(h.at(i))) wild.at(++wild.anz) = h.at(i);  // Jokers first: they count most
    int bestP = -1, bestPile = 0;
    hand best;
    best.anz = 0;
    const auto pruefen = [&](const hand& sel, int pile) {
        const int p = kartenPunkte(sel);
        if (p <= bestP) return;
        if (pile == 0 ? !auslegenErlaubt(seat, sel) : !anlegenErlaubt(seat, sel, pile)) return;
        bestP = p;
        best = sel;
        bestPile = pile;
    };
    for (int t = 1; t <= 13; ++t) {
        if (t == kZwei || t == kDrei) continue;
        hand sel;
        sel.anz = 0;
        for (int i = 1; i <= h.anz; ++i)
            if (h.at(i).t == t) sel.at(++sel.anz) = h.at(i);
        if (sel.anz < 2) continue;
        for (int k = 0; k <= 3 && k <= wild.anz; ++k) {
            hand mit = sel;
            for (int i = 1; i <= k; ++i) mit.at(++mit.anz) = wild.at(i);
            pruefen(mit, 0);
        }
    }
    hand piles;
    meldungen(seat, piles);
    for (int p = 1; p <= piles.anz; ++p)
        for (int i = 1; i <= h.anz; ++i) pruefen(eins(h.at(i)), piles.at(p).nr);
    if (bestP < 0) return false;
    if (bestPile == 0)
        auslegen(best, seat);
    else
        anlegen(best, seat, bestPile);
    return true;
}

void ziehenEntscheiden(int seat) {
    const TCanasta& c = cg.canasta;
    bool wunsch = true;
    const int a = anz(13);
    const bool nicht = nochNichtAusgelegt(seat);
    const int s = stufe(seat);
    if (s >= 3 && nicht && a < 2) wunsch = false;
    if (c.ziehKarten == 2 && (a < 2 || (s == 2 && nicht && a < 3) || (s >= 3 && nicht && a < 4)))
        wunsch = false;
    if (s <= 1 && rnd::uniform() < 0.2) wunsch = false;
    if (wunsch && c.ablageModus > 0) {
        ablaufProtokoll("Zieht von Ablage");
        central::antwort(cg, central::kStapel, 13, a);
    } else {
        ablaufProtokoll("Zieht von Talon");
        central::antwort(cg, central::kStapel, 11, anz(11));
    }
}

// The best move with the top card that the turn start found; true when it is under way.
bool maxzugNehmen(int seat) {
    const TMultizug& m = cg.canasta.maxzug;
    if (!zugAusfuehrbar(seat, m)) return false;
    planen(2, m);
    return abschnittAusfuehren(seat);
}

// The turn in which the seat took its melds back: it does not try the same moves again.
int ruecknahmeZug = -1;

void meldEntscheiden(int seat) {
    TCanasta& c = cg.canasta;
    if (c.multizug.aktiv && abschnittAusfuehren(seat)) return;
    if (ruecknahmeZug == c.zugZaehler) {
        if (c.gelegtePunkte < c.mindestpunkte && maxzugNehmen(seat)) return;
        if (c.zwangkarte.t != 0 && zwangLegen(seat)) return;
        if (fertigErlaubt(seat)) {
            fertig();
            return;
        }
        punkteSammeln(seat);
        return;
    }
    const hand h = spiegel(seat);
    const bool pflicht = c.zugQuelle != 11 && c.gelegtePunkte < c.mindestpunkte;
    TMultizug z;
    fertigzug(seat, h, c.zwangkarte, nochNichtAusgelegt(seat), z);
    if (stufe(seat) >= 2 && zugAusfuehrbar(seat, z)) {
        planen(1, z);
        if (abschnittAusfuehren(seat)) return;
    }
    if (pflicht) {
        minzug2(seat, h, c.zwangkarte, z);
        if (zugAusfuehrbar(seat, z)) {
            planen(2, z);
            if (abschnittAusfuehren(seat)) return;
        }
        // the best move of the turn start, which let the seat take the pile, still fits
        if (maxzugNehmen(seat)) return;
    }
    const int dringend = bewerten(seat);
    if (!pflicht && c.zwangkarte.t == 0 && dringend > 9) {
        maxpunktezug(seat, h, karte{}, false, z);
        if (zugAusfuehrbar(seat, z)) {
            planen(3, z);
            if (abschnittAusfuehren(seat)) return;
        }
    }
    // the taken card is laid before anything else is tried
    if (c.zwangkarte.t != 0 && zwangLegen(seat)) return;
    if (c.zwangkarte.t == 0 && einzelAktion(seat)) return;
    if (fertigErlaubt(seat)) {
        fertig();
        return;
    }
    if (c.gelegtePunkte < c.mindestpunkte && punkteSammeln(seat)) return;
    // nothing fits while "!Fertig" is withheld: the move with the most points reaches the minimum
    maxpunktezug(seat, h, c.zwangkarte, false, z);
    if (zugAusfuehrbar(seat, z)) {
        planen(3, z);
        if (abschnittAusfuehren(seat)) return;
    }
    // a turn that cannot be finished is begun again once: the laid cards come back
    if (c.rueckAnzahl > 0) {
        ruecknahmeZug = c.zugZaehler;
        central::antwort(cg, central::kKnopf, 2, 83);
        return;
    }
}

}  // namespace

// Scores every card of the hand; the card with the lowest score is discarded (the first of
// equal scores).
int abwurfWahl(int seat) {
    const hand h = spiegel(seat);
    if (h.anz < 1) return 0;
    const int s = stufe(seat);
    if (s <= 1 && rnd::uniform() < 0.2) return 1 + rnd::random(h.anz);
    const int naechster = naechsterSitz(seat);
    const int c = anz(13);
    const bool frozen = cg.canasta.eingefroren != 0;
    const auto P = [](int n) {
        int x = 0;
        if (n >= 1) x += 100;
        for (int k : {2, 3, 4, 5, 6, 7, 8, 9})
            if (n >= k) x += 50;
        if (n >= 10) x += 100;
        if (n >= 15) x += 100;
        return x;
    };
    const auto Q = [](int n) {
        int x = 0;
        if (n >= 1) x += 100;
        for (int k : {2, 3, 4, 5, 7, 10, 15})
            if (n >= k) x += 50;
        return x;
    };
    const hand ablage = spiegel(13);
    hand piles;
    meldungen(naechster, piles);
    // what the next seat is known to hold, to have discarded and to have drawn lately; the
    // draws are worked on a copy, the record stays as the watch hook left it
    const hand& genommen = cg.bekannteKarten.at(naechster);
    const hand& abgeworfen = cg.bekannteKarten.at(naechster + 7);
    hand gezogen = cg.bekannteKarten.at(naechster + 14);
    const int runde = (cg.canasta.zugZaehler - 3) / sitze() + 1;
    // the share of cards on the seat's side against the others' (wild cards are kept while the
    // other side holds few cards)
    int eigene = 0, eigeneSitze = 0, andere = 0, andereSitze = 0;
    for (int x = 1; x <= sitze(); ++x) {
        if (gleichePartei(x, seat)) {
            eigene += anz(x);
            ++eigeneSitze;
        } else {
            andere += anz(x);
            ++andereSitze;
        }
    }
    int anteilWert = 0;
    {
        // no opponent card left (or none at all) must not divide by zero: the side is then ahead
        float a = andere > 0 ? static_cast<float>(eigene) / static_cast<float>(andere) : 3.0f;
        anteilWert += a > 1.0f ? -50 : 50;
        if (andereSitze > 0 && static_cast<float>(andere) / static_cast<float>(andereSitze) <= 3.0f)
            a += 1.0f;
        if (eigeneSitze > 0 && static_cast<float>(eigene) / static_cast<float>(eigeneSitze) <= 3.0f)
            a -= 1.0f;
        if (frozen) a -= 0.5f;
        if (a >= 2.5f)
            anteilWert -= 450;
        else if (a >= 2.3f)
            anteilWert -= 400;
        else if (a >= 2.1f)
            anteilWert -= 350;
        else if (a >= 1.9f)
            anteilWert -= 300;
        else if (a > 1.7f)
            anteilWert -= 250;
        else if (a > 1.55f)
            anteilWert -= 200;
        else if (a > 1.4f)
            anteilWert -= 150;
        else if (a > 1.25f)
            anteilWert -= 100;
        else if (a > 1.1f)
            anteilWert -= 50;
    }
    int best = 0, bestWert = 0;
    for (int i = 1; i <= h.anz; ++i) {
        const karte k = h.at(i);
        const int t = k.t;
        const bool natur = !istWild(k) && !istSchwarzeDrei(k);
        int wert = 0;
        if (istSchwarzeDrei(k)) wert += s >= 3 ? -50 * std::min(c, 7) : -100;
        if (s >= 2 && natur)
            for (int p = 1; p <= piles.anz; ++p) {
                const hand m = stapelKarten(piles.at(p).nr);
                if (meldWert(m) != t) continue;
                if (s >= 3 && frozen) {
                    wert -= 200;
                    continue;
                }
                wert += 200 + (s >= 3 ? P(c) : 0);
                const int n = wertAnzahl(ablage, t) + wertAnzahl(m, t);
                const int w = wertAnzahl(ablage, kZwei) + wertAnzahl(ablage, kJoker) + wertAnzahl(m, kZwei) +
                              wertAnzahl(m, kJoker);
                const bool rein = wertAnzahl(m, t) == m.anz;
                if (n + w >= 7 && n >= 4) wert += 800 + (n >= 7 && rein ? 1000 : 0);
                if (n + w >= 6 && n >= 3) wert += 400 + (n >= 6 && rein ? 600 : 0);
            }
        if (s >= 3) {
            const int n = wertAnzahl(genommen, t);
            if (n == 1) wert += 100 + (frozen ? 100 : 0) + Q(c);
            if (n >= 2) wert += 200 + (frozen ? 200 : 0) + P(c);
        }
        if (s >= 3 && natur) {
            bool frisch = false;
            for (int j = gezogen.anz; j >= 1; --j) {
                if (gezogen.at(j).t != t) continue;
                frisch = frisch || gezogen.at(j).nr >= runde - 6;
                for (int x = j; x < gezogen.anz; ++x) gezogen.at(x) = gezogen.at(x + 1);
                --gezogen.anz;
            }
            if (frisch) wert -= 200;
        }
        if (natur && wertAnzahl(h, t) >= 2) wert += 400;
        wert += kartePunkte(k);
        if (s >= 3 && istWild(k)) wert += 250 - (t == kZwei ? 10 : 0) + anteilWert;
        if (s >= 3) {
            const int n = wertAnzahl(h, t);
            if (n >= 3) wert += 110;
            if (n >= 4) wert += 110;
            if (n >= 5) wert += 200;
        }
        if (s >= 3) {
            const int n = wertAnzahl(abgeworfen, t);
            if (n == 1) wert -= 100;
            if (n >= 2) wert -= 150;
        }
        if (s == 2) wert += static_cast<int>(num::round((rnd::uniform() - 0.5) * 100));
        if (s <= 1) wert += static_cast<int>(num::round((rnd::uniform() - 0.5) * 300));
        if (best == 0 || wert < bestWert) {
            best = i;
            bestWert = wert;
        }
    }
    return best;
}

void kiTick() {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > sitze() || cg.phase.nr != 4) return;
    // the seat only reads the table until its answer is taken in the next game step
    const canasta::TischStill still;
    if (stufe(seat) == 0) {
        zufallsAntwort();
        return;
    }
    switch (cg.phase.schritt) {
        case 1:
            ziehenEntscheiden(seat);
            break;
        case 3:
            meldEntscheiden(seat);
            break;
        case 6:
            central::antwort(cg, central::kKarte, 0, abwurfWahl(seat));
            break;
        default:
            break;
    }
}

// The yardstick: a uniformly random draw and discard; in the meld phase "!Fertig" whenever it
// may be pressed, otherwise what the duty of the turn asks (the taken card, the minimum).
void zufallsAntwort() {
    const int seat = cg.aktSpieler;
    switch (cg.phase.schritt) {
        case 1: {
            const bool ablage = cg.canasta.ablageModus > 0 && rnd::random(2) == 0;
            central::antwort(cg, central::kStapel, ablage ? 13 : 11, ablage ? anz(13) : anz(11));
            break;
        }
        case 3:
            if (!cg.canasta.multizug.aktiv && fertigErlaubt(seat))
                fertig();
            else
                meldEntscheiden(seat);
            break;
        case 6:
            central::antwort(cg, central::kKarte, 0, 1 + rnd::random(std::max(1, anz(seat))));
            break;
        default:
            break;
    }
}

// Keeps what every seat is known to hold: the discard piles it took, less what it laid or
// discarded since, the values it discarded, and its recent talon draws.
void nachZug(int art, int wert1, int wert2) {
    if (cg.phase.nr != 4) return;
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 6) return;
    hand& genommen = cg.bekannteKarten.at(seat);
    hand& abgeworfen = cg.bekannteKarten.at(seat + 7);
    hand& gezogen = cg.bekannteKarten.at(seat + 14);
    const auto dazu = [](hand& h, const karte& k) {
        if (h.anz < kHandMax) h.at(++h.anz) = k;
    };
    const auto entferne = [](hand& h, const karte& k) {
        for (int i = 1; i <= h.anz; ++i)
            if (gleich(h.at(i), k)) {
                for (int j = i; j < h.anz; ++j) h.at(j) = h.at(j + 1);
                --h.anz;
                return;
            }
    };
    if (art == central::kStapel && wert1 == 11 && anz(11) > 0) {
        karte k = st(11).at(anz(11)).c;
        if (!istWild(k) && !istSchwarzeDrei(k)) {
            const int runde = (cg.canasta.zugZaehler - 3) / sitze() + 1;
            k.nr = static_cast<uint16_t>(std::max(0, runde));
            dazu(gezogen, k);
        }
    }
    const hand& sel = cg.gespielteHand;
    const bool auslegen = art == central::kKnopf && wert2 == 82;
    const bool anlegenAn = art == central::kStapel && wert1 == 12;
    if (art == central::kStapel && wert1 == 13 && anz(13) >= 3) {
        kommentieren(4, seat, anz(13));
    } else if ((anlegenAn || (auslegen && sel.anz != 1)) && anz(seat) - sel.anz == 1) {
        kommentieren(1, seat, 0);
    } else if (cg.phase.schritt == 3 && auslegen && sel.anz >= 7) {
        kommentieren(10, seat, 0);
    } else if (cg.phase.schritt == 3 && anlegenAn && wert2 >= 1 && wert2 <= anz(12)) {
        const int p = st(12).at(wert2).hi;
        const int n = p >= 1 && p <= kPiles ? k12.pile(p).anz : 0;
        if (n < 7 && n + sel.anz >= 7) kommentieren(10, seat, 0);
    }
    if (art == central::kStapel && wert1 == 13)
        for (int i = 1; i <= anz(13); ++i) dazu(genommen, st(13).at(i).c);
    if (art == central::kKarte && wert2 >= 1 && wert2 <= anz(seat)) {
        const karte k = st(seat).at(wert2).c;
        entferne(genommen, k);
        if (k.t != kZwei && k.t != kDrei && k.t != kJoker) dazu(abgeworfen, k);
        for (int i = abgeworfen.anz; i >= 1; --i) {
            const int t = abgeworfen.at(i).t;
            if (wertAnzahl(genommen, t) > 0 || teamHatMeldungWert(seat, t)) {
                for (int j = i; j < abgeworfen.anz; ++j) abgeworfen.at(j) = abgeworfen.at(j + 1);
                --abgeworfen.anz;
            }
        }
    }
    if (auslegen || anlegenAn) {
        for (int i = 1; i <= sel.anz && i <= kHandMax; ++i) entferne(genommen, sel.at(i));
    }
}

}  // namespace canastaki
