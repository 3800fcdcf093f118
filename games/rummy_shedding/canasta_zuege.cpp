// Canasta move builders: the move that lays the most points, the move that goes out and the
// smallest first meld. They only compute on copies: the caller's hand and the table stay as they
// are, and an impossible move is an empty one.
#include <algorithm>
#include <cstring>

#include "core/gtool.h"
#include "games/rummy_shedding/canasta.h"
#include "table/glu.h"
#include "table/k12.h"

namespace canasta {

namespace {

void leer(hand& h) { h.anz = 0; }
void dazu(hand& h, const karte& k) {
    if (h.anz < kHandMax) h.at(++h.anz) = k;
}
void weg(hand& h, int i) {
    for (int j = i; j < h.anz; ++j) h.at(j) = h.at(j + 1);
    --h.anz;
}
int wertAnzahl(const hand& h, int t) {
    int n = 0;
    for (int i = 1; i <= h.anz; ++i) n += h.at(i).t == t ? 1 : 0;
    return n;
}
// Removes one card equal in value and suit (the tag decides first when it matches); false when
// there is none.
bool entferne(hand& h, const karte& k) {
    for (int i = 1; i <= h.anz; ++i)
        if (gleich(h.at(i), k) && h.at(i).nr == k.nr) {
            weg(h, i);
            return true;
        }
    for (int i = 1; i <= h.anz; ++i)
        if (gleich(h.at(i), k)) {
            weg(h, i);
            return true;
        }
    return false;
}

// The builders' copy of a hand: red threes left out (they are laid at once, never in a move),
// every card tagged with its index in the hand, the taken card keeping its tag.
hand arbeitsHand(const hand& eingabe) {
    hand h;
    leer(h);
    for (int i = 1; i <= eingabe.anz; ++i) {
        if (istRoteDrei(eingabe.at(i))) continue;
        karte k = eingabe.at(i);
        if (k.nr != kZwangTag) k.nr = static_cast<uint16_t>(i);
        dazu(h, k);
    }
    return h;
}

// Moves the cards of h that pass `passt` to the end of out, in hand order.
template <class P>
void herausnehmen(hand& h, P passt, hand& out) {
    hand rest;
    leer(rest);
    for (int i = 1; i <= h.anz; ++i) dazu(passt(h.at(i)) ? out : rest, h.at(i));
    h.anz = rest.anz;
    for (int i = 1; i <= rest.anz; ++i) h.at(i) = rest.at(i);
}

hand64 zu64(const hand& h) {
    hand64 r;
    std::memset(static_cast<void*>(&r), 0, sizeof(r));
    const int n = std::min<int>(h.anz, kHand64Max);
    for (int i = 1; i <= n; ++i) r.at(i) = h.at(i);
    r.anz = static_cast<int16_t>(n);
    return r;
}

int ablageRest() {
    const int n = glu::spieler[12].anz;
    return n > 1 ? n - 1 : 0;
}

// The shared rule on the cards left: one card to discard at least, exactly one only with a canasta.
bool restOk(int seat, int rest, const TMultizug& z) {
    return rest >= 2 || (rest == 1 && (hatCanasta(seat) || zugMachtCanasta(z, seat)));
}

}  // namespace

hand abschnittHand(const TMultizugabschnitt& a) {
    hand h;
    h.anz = 0;
    for (int i = 1; i <= a.karten.anz; ++i) dazu(h, a.karten.at(i));
    return h;
}

int zugKarten(const TMultizug& z) {
    int n = 0;
    for (int i = 1; i <= z.anz; ++i) n += z.at(i).karten.anz;
    return n;
}

namespace {
void abschnittSetzen(TMultizug& z, const hand& karten, int ziel, int index) {
    if (index == 0) {
        if (z.anz >= kMultizugMax) return;
        index = ++z.anz;
    } else {
        if (z.anz >= kMultizugMax) return;
        for (int j = z.anz; j >= index; --j) z.at(j + 1) = z.at(j);
        ++z.anz;
    }
    TMultizugabschnitt& a = z.at(index);
    a.karten = zu64(karten);
    a.ziel = static_cast<int16_t>(ziel);
    a.punkte = static_cast<int16_t>(kartenPunkte(karten));
    a.wert = static_cast<int16_t>(meldungWertung(karten, 0));
}
}  // namespace

void abschnittNeu(TMultizug& z, const hand& karten, int index) { abschnittSetzen(z, karten, 0, index); }
void abschnittAnlegen(TMultizug& z, const hand& karten, int ziel, int index) {
    abschnittSetzen(z, karten, ziel, index);
}

void abschnittLoeschen(TMultizug& z, int index) {
    if (index < 1 || index > z.anz) return;
    for (int j = index; j < z.anz; ++j) z.at(j) = z.at(j + 1);
    --z.anz;
}

void abschnitteTauschen(TMultizug& z, int i, int j) {
    if (i < 1 || j < 1 || i > z.anz || j > z.anz || i == j) return;
    std::swap(z.at(i), z.at(j));
}

void zugPunkte(TMultizug& z) {
    z.punkte = 0;
    for (int i = 1; i <= z.anz; ++i) {
        const hand h = abschnittHand(z.at(i));
        z.at(i).punkte = static_cast<int16_t>(kartenPunkte(h));
        z.at(i).wert = static_cast<int16_t>(meldungWertung(h, 0));
        z.punkte += z.at(i).punkte;
    }
}

void anlegeReihenfolge(TMultizug& z) {
    for (int i = 1; i <= z.anz; ++i) {
        if (z.at(i).karten.anz != 1 || !istWild(z.at(i).karten.at(1)) || z.at(i).ziel == 0) continue;
        int spaeter = 0;
        for (int j = i + 1; j <= z.anz; ++j)
            if (z.at(j).karten.anz == 1 && !istWild(z.at(j).karten.at(1)) && z.at(j).ziel == z.at(i).ziel)
                spaeter = j;
        if (spaeter) abschnitteTauschen(z, i, spaeter);
    }
}

bool zugMachtCanasta(const TMultizug& z, int seat) {
    (void)seat;
    int zusatz[kPiles + 1] = {};
    for (int i = 1; i <= z.anz; ++i) {
        const TMultizugabschnitt& a = z.at(i);
        if (a.ziel == 0) {
            if (a.karten.anz >= 7 && istCanasta(abschnittHand(a))) return true;
        } else if (a.ziel >= 1 && a.ziel <= kPiles) {
            zusatz[a.ziel] += a.karten.anz;
        }
    }
    for (int p = 1; p <= kPiles; ++p)
        if (zusatz[p] > 0 && k12.inUse(p) && k12.pile(p).anz + zusatz[p] >= 7) return true;
    return false;
}

// ---------------------------------------------------------------------------------------------

void maxpunktezug(int seat, const hand& eingabe, const karte& zwangIn, bool mitAblage, TMultizug& z) {
    z.anz = 0;
    z.punkte = 0;
    karte zwang = istWild(zwangIn) ? karte{} : zwangIn;
    hand h = arbeitsHand(eingabe);
    int zwangAbschnitt = 0, paarAbschnitt = 0, schwarzAbschnitt = 0;
    const auto zwangMarkieren = [&](hand& s) {
        if (zwang.t == 0) return false;
        for (int i = s.anz; i >= 1; --i)
            if (gleich(s.at(i), zwang)) {
                s.at(i).nr = kZwangTag;
                return true;
            }
        return false;
    };
    // groups of three and more
    for (int i = 1; i <= h.anz; ++i) {
        const int t = h.at(i).t;
        if (istWild(h.at(i)) || wertAnzahl(h, t) < 3 || hatMeldungWert(seat, t)) continue;
        hand s;
        leer(s);
        herausnehmen(
            h, [t](const karte& k) { return k.t == t; }, s);
        const bool mitZwang = zwang.t == t && zwangMarkieren(s);
        abschnittNeu(z, s, 0);
        if (mitZwang) zwangAbschnitt = z.anz;
        if (t == kDrei) schwarzAbschnitt = z.anz;
        i = 0;
    }
    // the taken card with a pair of its value and a wild card
    // (threes never take a wild card)
    if (zwang.t != 0 && zwang.t != kDrei && zwangAbschnitt == 0 && wertAnzahl(h, zwang.t) >= 2 &&
        !hatMeldungWert(seat, zwang.t)) {
        int wild = 0;
        for (int i = 1; i <= h.anz && !wild; ++i)
            if (istWild(h.at(i))) wild = i;
        if (wild) {
            hand s;
            leer(s);
            dazu(s, h.at(wild));
            weg(h, wild);
            herausnehmen(
                h, [&zwang](const karte& k) { return k.t == zwang.t; }, s);
            zwangMarkieren(s);
            if (s.anz == 3 && !ismeldung(s)) logikfehler("ACHTUNG! Fehler bei Maximalpunktzahlberechnung");
            abschnittNeu(z, s, 0);
            paarAbschnitt = z.anz;
        }
    }
    // the wild pool
    hand pool;
    leer(pool);
    herausnehmen(
        h, [](const karte& k) { return istWild(k); }, pool);
    // pairs with a wild card: Asse first, then the ten-point values, then the five-point ones
    static const int paesse[3][6] = {{8, 0, 0, 0, 0, 0}, {2, 3, 7, 4, 5, 6}, {1, 11, 12, 13, 0, 0}};
    for (const auto& pass : paesse)
        for (int v : pass) {
            if (v == 0) continue;
            if (pool.anz < 1 || wertAnzahl(h, v) != 2 || hatMeldungWert(seat, v)) continue;
            hand s;
            leer(s);
            herausnehmen(
                h, [v](const karte& k) { return k.t == v; }, s);
            dazu(s, pool.at(1));
            weg(pool, 1);
            if (zwang.t == v) zwangMarkieren(s);
            abschnittNeu(z, s, 0);
        }
    // fill the new melds with the remaining wild cards
    for (int i = 1; i <= z.anz && pool.anz > 0; ++i) {
        hand s = abschnittHand(z.at(i));
        while (pool.anz > 0) {
            hand t = s;
            dazu(t, pool.at(1));
            if (!ismeldung(t)) break;
            s = t;
            weg(pool, 1);
        }
        const int ziel = z.at(i).ziel;
        z.at(i).karten = zu64(s);
        z.at(i).ziel = static_cast<int16_t>(ziel);
    }
    // black threes only when they let the seat go out; the rest of a discard pile still to come
    // means it cannot
    const int unten = mitAblage ? ablageRest() : 0;
    if (schwarzAbschnitt && h.anz + pool.anz + unten != 1) {
        const hand s = abschnittHand(z.at(schwarzAbschnitt));
        for (int i = 1; i <= s.anz; ++i) dazu(h, s.at(i));
        abschnittLoeschen(z, schwarzAbschnitt);
        if (zwangAbschnitt > schwarzAbschnitt) --zwangAbschnitt;
        if (paarAbschnitt > schwarzAbschnitt) --paarAbschnitt;
        schwarzAbschnitt = 0;
    }
    bool reduziert = false;
    while (!restOk(seat, h.anz + pool.anz + unten, z) && z.anz > 0) {
        reduziert = true;
        bool genommen = false;
        for (int i = z.anz; i >= 1 && !genommen; --i) {
            const hand s = abschnittHand(z.at(i));
            if (s.anz <= 3 || z.at(i).ziel != 0) continue;
            int j = 0;
            for (int m = 1; m <= s.anz && !j; ++m) {
                if (s.at(m).nr == kZwangTag) continue;
                hand t = s;
                weg(t, m);
                if (ismeldung(t)) j = m;
            }
            if (!j) continue;
            const TMultizugabschnitt vorher = z.at(i);
            hand t = s;
            weg(t, j);
            z.at(i).karten = zu64(t);
            // the section as the move now stores it must still be a meld
            if (!ismeldung(abschnittHand(z.at(i)))) {
                logikfehler(
                    "ACHTUNG! Fehler bei Maximalpunktzahlberechnung - Karte herausnehmen aus Meldung");
                z.at(i) = vorher;
                continue;
            }
            dazu(istWild(s.at(j)) ? pool : h, s.at(j));
            genommen = true;
        }
        if (genommen) continue;
        int loesch = 0;
        for (int i = z.anz; i >= 1 && !loesch; --i)
            if (i != zwangAbschnitt && i != paarAbschnitt) loesch = i;
        if (!loesch) {
            z.anz = 0;
            return;
        }
        const hand s = abschnittHand(z.at(loesch));
        for (int i = 1; i <= s.anz; ++i) dazu(istWild(s.at(i)) ? pool : h, s.at(i));
        abschnittLoeschen(z, loesch);
        if (zwangAbschnitt > loesch) --zwangAbschnitt;
        if (paarAbschnitt > loesch) --paarAbschnitt;
    }
    // lay-offs onto the team's melds with what is left
    if (!reduziert && !mitAblage) {
        hand rest = h;
        for (int i = 1; i <= pool.anz; ++i) dazu(rest, pool.at(i));
        hand piles;
        meldungen(seat, piles);
        for (int p = 1; p <= piles.anz; ++p) {
            const int pile = piles.at(p).nr;
            hand kopie = stapelKarten(pile);
            if (kopie.anz > 0 && istRoteDrei(kopie.at(1))) continue;
            for (int i = 1; i <= rest.anz;) {
                if (rest.anz < 2 || z.anz >= kMultizugMax) break;
                const karte k = rest.at(i);
                hand mit = kopie;
                dazu(mit, k);
                hand eins;
                leer(eins);
                dazu(eins, k);
                TMultizug probe = z;
                abschnittAnlegen(probe, eins, pile, 0);
                if (!istSchwarzeDrei(k) && ismeldung(mit) && restOk(seat, rest.anz - 1, probe)) {
                    z = probe;
                    kopie = mit;
                    weg(rest, i);
                    continue;
                }
                ++i;
            }
        }
        h = rest;
        pool.anz = 0;
    }
    if (zwang.t != 0)
        for (int i = 1; i <= h.anz; ++i)
            if (gleich(h.at(i), zwang) && h.at(i).nr == kZwangTag) {
                z.anz = 0;
                return;
            }
    if (zwang.t != 0) {
        bool verbaut = false;
        for (int i = 1; i <= z.anz; ++i)
            for (int j = 1; j <= z.at(i).karten.anz; ++j)
                verbaut =
                    verbaut || (gleich(z.at(i).karten.at(j), zwang) && z.at(i).karten.at(j).nr == kZwangTag);
        if (!verbaut) {
            // a taken card that found no place is the same fault as one left in the hand
            bool inHand = false;
            for (int i = 1; i <= h.anz; ++i) inHand = inHand || gleich(h.at(i), zwang);
            if (inHand) {
                z.anz = 0;
                return;
            }
        }
    }
    zugPunkte(z);
    // points laid earlier in this turn (the forced meld of a frozen pile) count toward the minimum
    if (cg.canasta.mindestpunkte > z.punkte + cg.canasta.gelegtePunkte) {
        z.anz = 0;
        z.punkte = 0;
        return;
    }
    anlegeReihenfolge(z);
}

void maxzugMitAblage(int seat, TMultizug& z) {
    TSpieler& s = glu::spieler[seat - 1];
    glu::stapelZuHand(s);
    hand h = s.hand;
    karte zwang = cg.canasta.zwangkarte;
    const TSpieler& a = glu::spieler[12];
    if (a.anz > 0) {
        zwang = a.at(a.anz).c;
        zwang.nr = kZwangTag;
        dazu(h, zwang);
    }
    maxpunktezug(seat, h, zwang, true, z);
}

namespace {
// The place of card k in a section: the copy tagged as the taken card first, else the first equal
// card; 0 for none.
int kartenStelle(const hand& s, const karte& k) {
    int gleiche = 0;
    for (int i = 1; i <= s.anz; ++i) {
        if (!gleich(s.at(i), k)) continue;
        if (s.at(i).nr == kZwangTag) return i;
        if (!gleiche) gleiche = i;
    }
    return gleiche;
}
}  // namespace

bool zwangMeldung(const TMultizug& z, const karte& zwang, hand& sel) {
    leer(sel);
    int gefunden = 0;
    for (int i = 1; i <= z.anz; ++i) {
        const hand s = abschnittHand(z.at(i));
        if (s.anz >= 3 && kartenStelle(s, zwang) && ismeldung(s)) gefunden = i;
    }
    if (!gefunden) return false;
    hand s = abschnittHand(z.at(gefunden));
    weg(s, kartenStelle(s, zwang));
    dazu(sel, zwang);
    dazu(sel, s.at(1));
    dazu(sel, s.at(2));
    return true;
}

bool zwangAbziehen(TMultizug& z, const hand& sel, int ziel) {
    bool alle = true;
    for (int k = 1; k <= sel.anz; ++k) {
        int in = 0;
        for (int i = 1; i <= z.anz && !in; ++i) {
            hand s = abschnittHand(z.at(i));
            const int stelle = kartenStelle(s, sel.at(k));
            if (!stelle) continue;
            weg(s, stelle);
            z.at(i).karten = zu64(s);
            // what a section keeps of a meld once the forced meld has taken its cards is laid
            // onto that meld
            if (s.anz <= 2) z.at(i).ziel = 0;
            in = i;
        }
        alle = alle && in != 0;
    }
    for (int i = z.anz; i >= 1; --i) {
        const hand s = abschnittHand(z.at(i));
        if (s.anz == 0) {
            abschnittLoeschen(z, i);
        } else if (z.at(i).ziel == 0 && s.anz <= 2) {
            abschnittLoeschen(z, i);
            for (int m = s.anz; m >= 1; --m) {
                hand eins;
                leer(eins);
                dazu(eins, s.at(m));
                abschnittAnlegen(z, eins, ziel, i);
            }
        }
    }
    zugPunkte(z);
    return alle;
}

// ---------------------------------------------------------------------------------------------

void fertigzug(int seat, const hand& eingabe, const karte& zwangIn, bool letzteMeldung, TMultizug& z) {
    z.anz = 0;
    z.punkte = 0;
    const karte zwang = istWild(zwangIn) ? karte{} : zwangIn;
    hand h = arbeitsHand(eingabe);
    if (zwang.t != 0)
        for (int i = 1; i <= h.anz; ++i)
            if (gleich(h.at(i), zwang)) {
                karte k = h.at(i);
                k.nr = kZwangTag;
                weg(h, i);
                for (int j = h.anz; j >= 1; --j) h.at(j + 1) = h.at(j);
                ++h.anz;
                h.at(1) = k;
                break;
            }
    hand piles;
    meldungen(seat, piles);
    int pseudoPile = 0;
    hand pseudo;
    leer(pseudo);
    if (letzteMeldung && piles.anz > 0) {
        const int p = piles.at(piles.anz).nr;
        pseudo = stapelKarten(p);
        if (pseudo.anz > 0 && pseudo.at(1).t != kDrei)
            pseudoPile = p;
        else
            leer(pseudo);
    }
    const int pseudoWert = pseudoPile ? meldWert(pseudo) : 0;
    if (!hatCanasta(seat)) {
        int best = 0, bestN = -1;
        for (int i = 1; i <= h.anz; ++i) {
            const int t = h.at(i).t;
            const int n = wertAnzahl(h, t) + (t == pseudoWert ? 3 : 0);
            if (n > bestN) {
                best = t;
                bestN = n;
            }
        }
        bool gebaut = false;
        if (pseudoPile && best == pseudoWert) {
            // the pile's cards carry a tag of their own, so that only the hand's cards are laid
            constexpr uint16_t kVomStapel = 60000;
            hand beide = pseudo;
            for (int i = 1; i <= beide.anz; ++i) beide.at(i).nr = kVomStapel;
            for (int i = 1; i <= h.anz; ++i) dazu(beide, h.at(i));
            hand c;
            canastaMeldung(beide, best, c);
            if (istCanasta(c)) {
                for (int i = 1; i <= c.anz && z.anz < kMultizugMax; ++i) {
                    if (c.at(i).nr == kVomStapel || !entferne(h, c.at(i))) continue;
                    hand eins;
                    leer(eins);
                    dazu(eins, c.at(i));
                    abschnittAnlegen(z, eins, pseudoPile, 0);
                }
                gebaut = true;
            }
        }
        if (!gebaut) {
            hand c;
            canastaMeldung(h, best, c);
            if (istCanasta(c) && best != kDrei) {
                for (int i = 1; i <= c.anz; ++i) entferne(h, c.at(i));
                abschnittNeu(z, c, 0);
                gebaut = true;
            }
        }
        if (!gebaut) {
            z.anz = 0;
            return;
        }
    }
    for (int runde = 1; runde <= 3 && h.anz > 1; ++runde) {
        for (int i = 1; i <= h.anz && h.anz > 1 && z.anz < kMultizugMax; ++i) {
            const int t = h.at(i).t;
            if (istWild(h.at(i)) || wertAnzahl(h, t) < 3 || hatMeldungWert(seat, t)) continue;
            if (t == kDrei && runde < 3) continue;
            hand m;
            kleinsteMeldung(h, t, m);
            if (!ismeldung(m) || m.anz >= h.anz) continue;
            for (int j = 1; j <= m.anz; ++j) entferne(h, m.at(j));
            abschnittNeu(z, m, 0);
            i = 0;
        }
        if (runde >= 2)
            for (int i = 1; i <= h.anz && h.anz > 1;) {
                bool gelegt = false;
                for (int a = 1; a <= z.anz && !gelegt; ++a) {
                    if (z.at(a).ziel != 0) continue;
                    hand s = abschnittHand(z.at(a));
                    dazu(s, h.at(i));
                    if (!ismeldung(s) || istSchwarzeDrei(h.at(i))) continue;
                    z.at(a).karten = zu64(s);
                    weg(h, i);
                    gelegt = true;
                }
                if (!gelegt) ++i;
            }
        for (int i = 1; i <= h.anz && h.anz > 1 && z.anz < kMultizugMax; ++i) {
            const int t = h.at(i).t;
            if (istWild(h.at(i)) || wertAnzahl(h, t) != 2 || hatMeldungWert(seat, t)) continue;
            if (t == kDrei && runde == 1) continue;
            hand m;
            kleinsteMeldung(h, t, m);
            if (!ismeldung(m) || m.anz >= h.anz) continue;
            for (int j = 1; j <= m.anz; ++j) entferne(h, m.at(j));
            abschnittNeu(z, m, 0);
            i = 0;
        }
    }
    if (!letzteMeldung) {
        if (cg.sitzEinstellungen.at(seat).staerke == 3) gtool::handSortieren(h, 1, 0, true);
        for (int p = 1; p <= piles.anz && h.anz > 1; ++p) {
            const int pile = piles.at(p).nr;
            hand kopie = stapelKarten(pile);
            if (kopie.anz > 0 && kopie.at(1).t == kDrei) continue;
            for (int i = 1; i <= h.anz && h.anz > 1 && z.anz < kMultizugMax;) {
                hand mit = kopie;
                dazu(mit, h.at(i));
                if (h.at(i).t != kDrei && ismeldung(mit)) {
                    hand eins;
                    leer(eins);
                    dazu(eins, h.at(i));
                    abschnittAnlegen(z, eins, pile, 0);
                    kopie = mit;
                    weg(h, i);
                    continue;
                }
                ++i;
            }
        }
    }
    bool zwangDa = false;
    for (int i = 1; i <= h.anz; ++i) zwangDa = zwangDa || h.at(i).nr == kZwangTag;
    if (zwangDa || h.anz != 1) {
        z.anz = 0;
        return;
    }
    // black threes are laid last
    for (int i = 1, n = z.anz; n > 0; --n) {
        if (z.at(i).karten.anz > 0 && istSchwarzeDrei(z.at(i).karten.at(1)) && i < z.anz) {
            const TMultizugabschnitt a = z.at(i);
            abschnittLoeschen(z, i);
            z.at(++z.anz) = a;
        } else {
            ++i;
        }
    }
    // every card of the move must come from the seat's hand
    hand pruef = eingabe;
    for (int i = 1; i <= z.anz; ++i)
        for (int j = 1; j <= z.at(i).karten.anz; ++j)
            if (!entferne(pruef, z.at(i).karten.at(j)))
                logikfehler(
                    "ACHTUNG! Logikfehler: Fertigzug nicht konsistent mit Spielerkarten: Karte fehlt");
    int rot = 0;
    for (int i = 1; i <= pruef.anz; ++i) rot += istRoteDrei(pruef.at(i)) ? 1 : 0;
    if (pruef.anz - rot != 1)
        logikfehler("ACHTUNG! Logikfehler: Fertigzug nicht konsistent mit Spielerkarten: Kartenzahl falsch");
    anlegeReihenfolge(z);
    zugPunkte(z);
    if (z.punkte + cg.canasta.gelegtePunkte < cg.canasta.mindestpunkte) z.anz = 0;
}

// ---------------------------------------------------------------------------------------------

namespace {
// A move is carried out as it is: every card from the hand, the taken card laid, at least one card left
// (exactly one only with a canasta) and the minimum reached.
bool zugAusfuehrbar(int seat, const hand& h, const TMultizug& z, const karte& zwang) {
    if (z.anz == 0) return false;
    hand pruef = h;
    bool zwangGelegt = zwang.t == 0;
    for (int i = 1; i <= z.anz; ++i)
        for (int j = 1; j <= z.at(i).karten.anz; ++j) {
            if (!entferne(pruef, z.at(i).karten.at(j))) return false;
            zwangGelegt = zwangGelegt || gleich(z.at(i).karten.at(j), zwang);
        }
    if (!zwangGelegt) return false;
    return restOk(seat, pruef.anz, z) && z.punkte + cg.canasta.gelegtePunkte >= cg.canasta.mindestpunkte;
}
}  // namespace

void minzug2(int seat, const hand& eingabe, const karte& zwangIn, TMultizug& z) {
    z.anz = 0;
    z.punkte = 0;
    const karte zwang = istWild(zwangIn) ? karte{} : zwangIn;
    int need = cg.canasta.mindestpunkte - cg.canasta.gelegtePunkte;
    hand h = arbeitsHand(eingabe);
    // the smallest meld of the taken card's value, built around that very card
    if (zwang.t != 0 && entferne(h, zwang)) {
        hand m;
        leer(m);
        dazu(m, zwang);
        for (int i = 1; i <= h.anz && m.anz < 3; ++i)
            if (h.at(i).t == zwang.t) dazu(m, h.at(i));
        for (int i = h.anz; i >= 1 && m.anz == 2; --i)
            if (h.at(i).t == kJoker) dazu(m, h.at(i));
        for (int i = 1; i <= h.anz && m.anz == 2; ++i)
            if (h.at(i).t == kZwei) dazu(m, h.at(i));
        if (ismeldung(m)) {
            for (int i = 2; i <= m.anz; ++i) entferne(h, m.at(i));
            abschnittNeu(z, m, 0);
            need -= kartenPunkte(m);
        } else {
            dazu(h, zwang);
        }
    }
    hand pool;
    leer(pool);
    herausnehmen(
        h, [](const karte& k) { return istWild(k); }, pool);
    gtool::handSortieren(pool, 1, 0, true);
    // groups of equal value, two cards and more, no threes, best points first
    struct Gruppe {
        hand karten;
        int punkte;
    };
    static Gruppe gruppen[16];
    int anzG = 0;
    for (int t = 1; t <= 13; ++t) {
        if (t == kZwei || t == kDrei || t == zwang.t || hatMeldungWert(seat, t)) continue;
        if (wertAnzahl(h, t) < 2) continue;
        Gruppe& g = gruppen[anzG++];
        leer(g.karten);
        for (int i = 1; i <= h.anz; ++i)
            if (h.at(i).t == t) dazu(g.karten, h.at(i));
        g.punkte = kartenPunkte(g.karten);
    }
    std::stable_sort(gruppen, gruppen + anzG, [](const Gruppe& a, const Gruppe& b) {
        return a.punkte != b.punkte ? a.punkte > b.punkte : a.karten.anz > b.karten.anz;
    });
    for (int k = 1; k <= anzG && need > 0; ++k) {
        TMultizug probe = z;
        hand hp = h, pp = pool;
        int np = need, gelegt = 0;
        for (int g = 0; g < anzG && gelegt < k; ++g) {
            hand s = gruppen[g].karten;
            if (s.anz == 2) {
                if (pp.anz < 1) continue;
                dazu(s, pp.at(1));
                weg(pp, 1);
            }
            if (!ismeldung(s)) continue;
            for (int i = 1; i <= s.anz; ++i) entferne(hp, s.at(i));
            abschnittNeu(probe, s, 0);
            np -= kartenPunkte(s);
            ++gelegt;
        }
        for (int a = 1; a <= probe.anz && np > 0 && pp.anz > 0; ++a) {
            if (probe.at(a).ziel != 0) continue;
            while (np > 0 && pp.anz > 0) {
                hand s = abschnittHand(probe.at(a));
                dazu(s, pp.at(1));
                if (!ismeldung(s)) break;
                probe.at(a).karten = zu64(s);
                np -= kartePunkte(pp.at(1));
                weg(pp, 1);
            }
        }
        if (np <= 0) {
            z = probe;
            h = hp;
            pool = pp;
            need = np;
        }
    }
    zugPunkte(z);
    // the search may not find a move that can be carried out: the move with the most points
    // of the hand as it is now (never one computed before the draw) stands in
    if (!zugAusfuehrbar(seat, eingabe, z, zwang)) {
        maxpunktezug(seat, eingabe, zwang, false, z);
        if (!zugAusfuehrbar(seat, eingabe, z, zwang)) z.anz = 0;
        return;
    }
    anlegeReihenfolge(z);
}

}  // namespace canasta
