// The Skat computer player's card play: the cards it cannot see are dealt into two guessed
// hands, then the lead rules (suit games and Grand, or Null and Ramsch) or the following rules
// choose the card. All comparisons go through the rules core; in Null and Ramsch those compare
// rank numbers, so that "beating" there means staying under.
#include <algorithm>

#include "core/gtool.h"
#include "games/skat_jass_schnapsen/skat_ki.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace skatki {

using namespace skat_1;

namespace {

constexpr int kTrumpfe = 6;

int punkteVon(const karte& k) { return k.t >= 1 && k.t <= 8 ? augen[k.t - 1] : 0; }

bool da(const karte& k) { return k.t >= 1 && k.t <= 8 && k.f >= 1 && k.f <= 4; }

int sitzNach(int seat, int n) { return (seat - 1 + n) % 3 + 1; }

// The suit group of a card for following: its suit, or the trumps.
int gruppe(const karte& k) { return istTrumpf(k) ? kTrumpfe : k.f; }

hand teilVon(const hand& h, int g) {
    hand r;
    farbKarten(h, g, r);
    return r;
}

// The cards of h that follow the led card of the current trick; the whole hand when none does or
// the trick is empty (mitAllen), or nothing then (without).
hand folgeKarten(const hand& h, bool mitAllen) {
    const hand& s = stich();
    if (s.anz < 1) return mitAllen ? h : hand{};
    hand r = teilVon(h, gruppe(s.at(1)));
    if (r.anz == 0 && mitAllen) return h;
    return r;
}

bool wahrsTest(const Lage& l) { return l.wahrs > rnd::uniform() * 100.0; }

bool traegtKarte(const hand& h, const karte& k) { return da(k) && enthaeltKarte(h, k); }

// Whether a seat of the other party (by the real hands) holds the card.
bool gegnerHat(const Lage& l, const karte& k) {
    if (l.partner != 0) return traegtKarte(l.real[l.allein], k);
    return traegtKarte(l.real[l.next], k) || traegtKarte(l.real[l.zweit], k);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Neighbours

namespace {

// The value code one rank step from t (schritt +1 or -1 in rank numbers), passing over the Bube
// where it is a trump; 0 past the end of the order.
int rangNachbar(int t, int schritt, bool bubeAuslassen) {
    for (int rg = Rangtabelle[t] + schritt; rg >= 1 && rg <= 8; rg += schritt) {
        const int x = RangInvers[rg];
        if (!(x == kBube && bubeAuslassen)) return x;
    }
    return 0;
}

// A plain card's neighbour in its suit, one step stronger or weaker; itself at the end. In Null
// and Ramsch a lower rank number is the stronger card, elsewhere a higher one.
karte farbNachbar(const karte& k, bool staerker) {
    const int typ = cg.skat.sk.typ;
    const bool umgekehrt = typ == kNull || typ == kRamsch;
    const int t = rangNachbar(k.t, staerker != umgekehrt ? 1 : -1, typ != kNull);
    karte r = k;
    if (t != 0) r.t = static_cast<uint8_t>(t);
    return r;
}

}  // namespace

karte naechstHoehere(const karte& k) {
    if (!da(k)) return k;
    if (!istTrumpf(k)) return farbNachbar(k, true);
    karte r = k;
    if (k.t == kBube) {
        if (k.f > 1) r.f = static_cast<uint8_t>(k.f - 1);
        return r;
    }
    // the plain trumps go up by rank, past the As to the lowest Bube
    const int t = rangNachbar(k.t, 1, true);
    if (t == 0) return karteBilden(kBube, 4);
    r.t = static_cast<uint8_t>(t);
    return r;
}

karte naechstNiedrigere(const karte& k) {
    if (!da(k)) return k;
    if (!istTrumpf(k)) return farbNachbar(k, false);
    const int typ = cg.skat.sk.typ;
    karte r = k;
    if (k.t == kBube) {
        if (k.f < 4) {
            r.f = static_cast<uint8_t>(k.f + 1);
            return r;
        }
        if (typ >= 1 && typ <= 4) return karteBilden(8, typ);
        return k;  // Grand and Ramsch: the Karo Bube is the lowest trump
    }
    r.t = static_cast<uint8_t>(rangNachbar(k.t, -1, true));  // below the trump 7: 0, a card nobody holds
    return r;
}

// ---------------------------------------------------------------------------------------------
// The working values and the guessed hands

int trumpfAnteil(int n, int reizwert) {
    if (n <= 0) return 0;
    int k = 0;
    if (n <= 3) k = 1;
    if (reizwert > 24) {
        if (n == 4) k = 1;
        if (n > 4) k = static_cast<int>(num::round(n / 3.0));
    } else {
        if (n == 4) k = 2;
        if (n > 4) k = static_cast<int>(num::round(n / 2.5));
    }
    if (k >= n) k = n - 1;
    return std::max(k, 0);
}

void lageAufbauen(int seat, Lage& l, bool mitRaten) {
    l = Lage{};
    l.seat = seat;
    l.next = sitzNach(seat, 1);
    l.zweit = sitzNach(seat, 2);
    l.allein = std::clamp<int>(cg.skat.sk.alleinspieler, 1, 3);
    if (seat != l.allein) l.partner = l.next != l.allein ? l.next : l.zweit;
    for (int s = 1; s <= 3; ++s) {
        const TSpieler& x = glu::spieler[s - 1];
        for (int i = 1; i <= x.anz; ++i) handaddk(l.real[s], x.at(i).c);
    }
    l.eigene = l.real[seat];
    l.erlaubt = folgeKarten(l.eigene, true);
    const TSkatCharakter& ch = cg.sitzEinstellungen.at(seat).skat;
    l.wahrs = ch.wahrs;
    if (!mitRaten) return;
    bool anteil = true;
    if (ch.wafe != 0 && ch.wafe >= rnd::uniform() * 100.0) anteil = false;
    raten(l, anteil);
}

void raten(Lage& l, bool mitAnteil) {
    hand pool;
    unbekannteKarten(l.seat, l.real[l.next], l.real[l.zweit], pool);
    for (hand& g : l.geraten) g = hand{};
    if (mitAnteil && !nullOderRamsch() && l.partner != 0) {
        hand trumpfe = teilVon(pool, kTrumpfe);
        const int k = trumpfAnteil(trumpfe.anz, cg.skat.spiel.reizwert);
        for (int i = 0; i < k; ++i) {
            const karte t = zufallsKarte(trumpfe);
            handaddk(l.geraten[l.allein], t);
            karteAlleEntfernen(pool, t);
        }
    }
    mischen(pool);
    for (int f = 1; f <= 4; ++f) {
        for (;;) {
            hand teil = teilVon(pool, f);
            if (teil.anz < 2) break;
            handaddk(l.geraten[l.next], teil.at(1));
            handaddk(l.geraten[l.zweit], teil.at(2));
            karteAlleEntfernen(pool, teil.at(1));
            karteAlleEntfernen(pool, teil.at(2));
        }
    }
    for (int i = 1; i <= pool.anz; ++i) {
        const int a = l.geraten[l.next].anz, b = l.geraten[l.zweit].anz;
        const bool zuNext = a < b || (a == b && rnd::uniform() < 0.5);
        handaddk(l.geraten[zuNext ? l.next : l.zweit], pool.at(i));
    }
    if (cg.skat.spiel.stufe == kOffen && l.partner != 0) {
        if (cg.skat.spiel.rum) {
            l.geraten[l.next] = l.real[l.next];
            l.geraten[l.zweit] = l.real[l.zweit];
        } else {
            l.geraten[l.allein] = l.real[l.allein];
            l.geraten[l.partner] = l.real[l.partner];
            handAnhaengen(l.geraten[l.partner], skatKopie());
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Leading in a suit game or Grand

karte vorhand(Lage& l) {
    const hand& own = l.eigene;
    const bool geraten = wahrsTest(l);
    const hand& h1 = geraten ? l.geraten[l.next] : l.real[l.next];
    const hand& h2 = geraten ? l.geraten[l.zweit] : l.real[l.zweit];
    karte best{};
    int prio = 0;
    const bool keineTrumpfe = farbAnzahlOhneTrumpf(h1, kTrumpfe) == 0 && farbAnzahlOhneTrumpf(h2, kTrumpfe) == 0;
    for (int i = 1; i <= 5; ++i) {
        int s = i;
        if (i <= 4 && farbAnzahl(own, i) == 0) continue;
        if (i == 5) {
            if (farbAnzahlOhneTrumpf(own, kTrumpfe) == 0) continue;
            s = kTrumpfe;
        }
        const hand o = teilVon(own, s), n1 = teilVon(h1, s), n2 = teilVon(h2, s);
        if (o.anz == 0) continue;
        const karte top = hoechsteKarte(o);
        const karte top1 = n1.anz ? hoechsteKarte(n1) : karte{};
        const karte top2 = n2.anz ? hoechsteKarte(n2) : karte{};
        const bool trumpf = istTrumpf(top);
        // Rule A: nobody else holds the suit.
        if (n1.anz == 0 && n2.anz == 0 && !trumpf && prio < 20) {
            best = top;
            prio = 20;
        }
        // Rule B: the top trump beats every other trump, with at least as many trumps.
        if (trumpf && o.anz >= n1.anz && o.anz >= n2.anz && (n1.anz == 0 || sticht(top, top1)) &&
            (n2.anz == 0 || sticht(top, top2)) && (n1.anz > 0 || n2.anz > 0 || o.anz == own.anz)) {
            best = top;
            prio = 20;
        }
        // Rules C and D: the top card stands against both other seats' cards of the suit.
        bool steht = (n1.anz == 0 || winsu2(top, top1)) && (n2.anz == 0 || winsu2(top, top2));
        if (steht && top.t == kBube) steht = (n1.anz > 0 && istTrumpf(top1)) || (n2.anz > 0 && istTrumpf(top2));
        if (steht && prio < 10) {
            best = top;
            prio = 10;
        }
        if (steht && prio < 30 && keineTrumpfe) {
            best = top;
            prio = 30;
        }
    }
    if (!da(best)) {
        best = kleinsteKarte(own);
        if (best.t == kBube && istTrumpf(best)) {
            const karte n = niedrigsteKarte(own);
            if (n.t != 7 && n.t != 8) best = n;
        }
    }
    // The declarer leading a Bube leads the lowest of its run down through the played cards.
    if (l.partner == 0 && best.t == kBube && istTrumpf(best)) {
        karte x = best;
        for (int n = 0; n < 32; ++n) {
            const karte y = naechstNiedrigere(x);
            if (!da(y) || gleich(y, x)) break;
            if (!enthaeltKarte(own, y) && !enthaeltKarte(alleGespielt(), y)) break;
            x = y;
        }
        if (enthaeltKarte(own, x)) best = x;
    }
    // Now and then an As stays back behind a low card of its suit.
    if (rnd::uniform() < 0.5 && best.t == 8 && !istTrumpf(best)) {
        const int f = best.f;
        if (farbAnzahlOhneTrumpf(h1, f) > 1 && farbAnzahlOhneTrumpf(h2, f) > 1) {
            const karte tief = kleinsteKarte(teilVon(own, f));
            if (tief.t >= 1 && tief.t <= 3) best = tief;
        }
    }
    return best;
}

// ---------------------------------------------------------------------------------------------
// Leading in Null and Ramsch

karte nullAnspiel(Lage& l, const hand& handNext, const hand& handZweit) {
    const hand& own = l.erlaubt;
    karte r{};
    if (l.partner == 0) {
        hand kand;
        for (int i = 1; i <= own.anz; ++i) {
            const karte c = own.at(i);
            for (const hand* h : {&handNext, &handZweit}) {
                const hand teil = teilVon(*h, gruppe(c));
                if (teil.anz > 0 && winsu(c, hoechsteKarte(teil))) handaddk(kand, c);
            }
        }
        if (kand.anz > 0) r = kand.at(kand.anz);
        for (int i = 1; i <= kand.anz; ++i) {
            const karte c = kand.at(i);
            const karte up = naechstHoehere(c), down = naechstNiedrigere(c);
            if ((enthaeltKarte(l.eigene, up) && up.t != c.t) ||
                (enthaeltKarte(l.eigene, down) && down.t != c.t && c.t <= 3))
                r = c;
        }
        for (int i = 1; i <= kand.anz; ++i) {
            const karte c = kand.at(i);
            if (c.t > 2) continue;
            const int n = farbAnzahlOhneTrumpf(l.eigene, c.f);
            const bool nachbar =
                enthaeltKarte(l.eigene, naechstHoehere(c)) || enthaeltKarte(l.eigene, naechstNiedrigere(c));
            if (n == 1 || (n == 2 && nachbar)) r = c;
        }
        return r;
    }
    const hand& partnerHand = l.real[l.partner];
    const hand& alleinHand = l.real[l.allein];
    for (int i = 1; i <= own.anz; ++i) {
        const karte c = own.at(i);
        karte x = c;
        const hand p = teilVon(partnerHand, gruppe(c));
        if (p.anz > 0 && winsu(c, hoechsteKarte(p))) x = hoechsteKarte(p);
        const hand a = teilVon(alleinHand, gruppe(c));
        if (a.anz > 0 && !winsu(hoechsteKarte(a), x)) r = c;
    }
    return r;
}

// ---------------------------------------------------------------------------------------------
// The second seat's forecast of the third card

void vorhersage(Lage& l) {
    hand a = wahrsTest(l) ? folgeKarten(l.geraten[l.next], true) : folgeKarten(l.real[l.next], true);
    l.naechsteNiedrigste = kleinsteKarte(a);
    if (a.anz == 0) a = teilVon(l.real[l.next], kTrumpfe);
    l.gewinner = l.angespielt;
    l.zweiterPlatz = true;
    l.zweite = karte{};
    if (a.anz == 0) return;  // nothing to forecast: the led card stays alone
    hand w, v;
    winhand(a, l.angespielt, w);
    loosehand(a, l.angespielt, v);
    karte f = a.at(1);
    if (nullOderRamsch()) {
        if (w.anz > 0) {
            f = niedrigsteKarte(w);
            l.gewinner = f;
        } else {
            f = niedrigsteKarte(v);
        }
    } else if (w.anz > 0) {
        f = hoechsteKarte(w);
        if (l.next == l.partner) {
            if (punkteVon(l.angespielt) >= 10)
                f = niedrigsteKarte(w);
            else
                f = v.anz > 0 ? niedrigsteKarte(v) : niedrigsteKarte(w);
        }
        if (sticht(f, l.angespielt)) l.gewinner = f;
    }
    l.zweite = f;
}

// ---------------------------------------------------------------------------------------------
// Choice within a set

karte abwurfKarte(const Lage& l, const hand& h) {
    karte best{};
    int bestZahl = 0;
    for (int i = 1; i <= h.anz; ++i) {
        const karte c = h.at(i);
        int zahl = 0;
        hand r;
        if (l.partner == 0) {
            loosehand2(l.real[l.next], c, r);
            zahl = r.anz;
            loosehand2(l.real[l.zweit], c, r);
            zahl += r.anz;
        } else {
            loosehand2(l.real[l.allein], c, r);
            zahl = r.anz;
        }
        if (!da(best) || zahl < bestZahl || (zahl == bestZahl && c.t < best.t)) {
            best = c;
            bestZahl = zahl;
        } else if (best.t == 8 && c.t == 7 && zahl == bestZahl + 1) {
            best = c;
            bestZahl = zahl;
        }
    }
    return best;
}

karte stechKarte(const Lage& l, const hand& h) {
    if (h.anz == 0) return karte{};
    karte c = hoechsteAugenKarte(h);
    if (da(l.gewinner) && !istTrumpf(l.gewinner) && !istTrumpf(h.at(1))) {
        const int f = l.gewinner.f;
        hand a = teilVon(h, f);
        karteAlleEntfernen(a, c);
        const hand b = teilVon(l.real[l.next], f), d = teilVon(l.real[l.zweit], f);
        if (a.anz > 0 && b.anz > 0 && d.anz > 0) {
            const karte topA = hoechsteKarte(a);
            if (sticht(hoechsteKarte(b), topA) && sticht(hoechsteKarte(d), topA) && augenSumme(h) <= 20)
                c = niedrigsteKarte(h);
        }
    }
    if (istTrumpf(h.at(1))) c = niedrigsteKarte(h);
    // Climb over the cards that are gone or safe with the partner while the next one up is ours
    // and worth as much.
    for (int runde = 0; runde < 32; ++runde) {
        karte x = naechstHoehere(c);
        if (gleich(x, c)) break;
        for (int n = 0; n < 32; ++n) {
            const bool weg = enthaeltKarte(gewonnenAllein(), x) || enthaeltKarte(gewonnenGegner(), x) ||
                             (l.partnerGewinnt && enthaeltKarte(stich(), x)) ||
                             (l.partner != 0 && enthaeltKarte(l.real[l.partner], x));
            if (!weg) break;
            const karte y = naechstHoehere(x);
            if (gleich(y, x)) break;
            x = y;
        }
        if (enthaeltKarte(h, x) && punkteVon(x) >= punkteVon(c))
            c = x;
        else
            break;
    }
    return c;
}

// ---------------------------------------------------------------------------------------------
// Following

karte mithint(Lage& l) {
    if (nullOderRamsch()) {
        const hand farbe = folgeKarten(l.eigene, false);
        karte gew = l.angespielt;
        if (!l.zweiterPlatz && da(l.zweite) && winsu(l.angespielt, l.zweite)) gew = l.zweite;
        if (farbe.anz > 0) return l.zweiterPlatz ? hoechsteKarte(farbe) : billigsterStecher(farbe, gew);
        return niedrigsteKarte(l.eigene);
    }

    const bool allein = l.partner == 0;
    // Whether the partner holds the trick.
    l.partnerGewinnt = false;
    if (!allein) {
        if (wahrsTest(l)) {
            hand g1 = l.geraten[l.next], g2 = l.geraten[l.zweit];
            if (!l.zweiterPlatz && da(stichKarten().at(l.next))) handaddk(g1, stichKarten().at(l.next));
            if (da(stichKarten().at(l.zweit))) handaddk(g2, stichKarten().at(l.zweit));
            l.partnerGewinnt = (l.partner == l.next && enthaeltKarte(g1, l.gewinner)) ||
                               (l.partner == l.zweit && enthaeltKarte(g2, l.gewinner));
        } else {
            l.partnerGewinnt = enthaeltKarte(gegebeneHand(l.partner), l.gewinner);
            if (l.zweiterPlatz && l.partner == l.zweit && !gleich(l.gewinner, l.angespielt))
                l.partnerGewinnt = false;
        }
    }
    hand w, v;
    kartenPruefen(l.gewinner, "spielta.mithint.wink");
    winhand(l.erlaubt, l.gewinner, w);
    loosehand(l.erlaubt, l.gewinner, v);
    bool stechen = w.anz > 0 && !l.partnerGewinnt;

    // An As stays back while a König or Zehn of its suit can still come behind it.
    if (w.anz >= 2) {
        int asIndex = 0;
        for (int i = 1; i <= w.anz; ++i)
            if (w.at(i).t == 8) asIndex = i;
        if (asIndex > 0 && !istTrumpf(w.at(asIndex))) {
            const karte as = w.at(asIndex);
            bool wartet = false;
            for (int s : {l.next, l.zweit}) {
                if (s == l.partner) continue;
                wartet = wartet || enthaeltKarte(l.real[s], karteBilden(7, as.f)) ||
                         enthaeltKarte(l.real[s], karteBilden(6, as.f));
            }
            if (wartet) {
                karteAlleEntfernen(w, as);
                karteAlleEntfernen(l.erlaubt, as);
            }
        }
    }

    // A trick worth little is not bought with a trump.
    if (stechen && istTrumpf(hoechsteAugenKarte(w))) {
        const int wert = l.zweiterPlatz ? punkteVon(l.angespielt) + punkteVon(l.naechsteNiedrigste)
                                        : punkteVon(l.angespielt) + punkteVon(l.zweite);
        if (wert < 7 && v.anz > 0 && punkteVon(abwurfKarte(l, v)) < 4) stechen = false;
    }
    if (!stechen && !l.partnerGewinnt) {
        bool gefaehrdet = false;
        for (int i = 1; i <= v.anz && !gefaehrdet; ++i) {
            hand r;
            if (allein) {
                winhand(l.real[l.next], v.at(i), r);
                gefaehrdet = r.anz > 0;
                winhand(l.real[l.zweit], v.at(i), r);
                gefaehrdet = gefaehrdet || r.anz > 0;
            } else {
                winhand(l.real[l.allein], v.at(i), r);
                gefaehrdet = r.anz > 0;
            }
        }
        stechen = !gefaehrdet || (w.anz >= v.anz && punkteVon(abwurfKarte(l, v)) >= 2);
    }
    const int stufe = cg.skat.spiel.stufe;
    if (allein && (stufe == kSchneiderAngesagt || stufe == kSchwarzAngesagt || stufe == kOffen)) stechen = true;
    if (allein && w.anz > 0 && farbAnzahlOhneTrumpf(l.eigene, l.angespielt.f) == 0 && !istTrumpf(l.angespielt) &&
        augenSumme(gewonnenGegner()) >= 45 &&
        (l.zweiterPlatz || l.angespielt.t >= kBube || (da(l.zweite) && l.zweite.t >= kBube)))
        stechen = true;
    const int andere = augenSumme(allein ? gewonnenGegner() : gewonnenAllein());
    if (andere + punkteVon(l.angespielt) + punkteVon(l.zweite) >= 60) stechen = true;
    if (!stechen && v.anz == 0) stechen = true;
    if (stechen && w.anz == 0) stechen = false;

    karte r{};
    if (stechen) {
        r = hoechsteAugenKarte(w);
        hand x;
        winhand(l.geraten[l.next], r, x);
        int schlagen = x.anz;
        winhand(l.geraten[l.zweit], r, x);
        schlagen += x.anz;
        if (schlagen == 0) r = stechKarte(l, w);
    } else if (l.partnerGewinnt) {
        r = hoechsteAugenKarte(v);
        if (istTrumpf(r)) {
            hand x;
            winhand(l.real[l.allein], r, x);
            if (x.anz + 1 < farbAnzahlOhneTrumpf(l.eigene, kTrumpfe)) r = stechKarte(l, v);
        }
    } else {
        r = abwurfKarte(l, v);
        if (r.t == kBube && istTrumpf(r)) {
            const karte n = niedrigsteKarte(v);
            if (n.t != 7 && n.t != 8) r = n;
        }
        const hand farbe = teilVon(v, r.f);
        const bool hoch = enthaeltKarte(farbe, karteBilden(7, r.f)) || enthaeltKarte(farbe, karteBilden(6, r.f));
        const bool andereFarben = teilVon(l.erlaubt, r.f).anz < l.erlaubt.anz;
        if (!istTrumpf(r) && farbe.anz == 2 && hoch && andereFarben &&
            (gegnerHat(l, karteBilden(8, r.f)) || gegnerHat(l, karteBilden(7, r.f)))) {
            hand ohne = l.erlaubt;
            ohneFarbe(ohne, r.f);
            const karte d = abwurfKarte(l, ohne);
            if (da(d) && punkteVon(d) < 4) r = d;
        }
    }
    if (!enthaeltKarte(l.eigene, r)) ::kiLog("FALSCHE KARTE GESPIELT!");
    return r;
}

// ---------------------------------------------------------------------------------------------

karte spielta(int seat) {
    Lage l;
    lageAufbauen(seat, l, true);
    const TSkatCharakter& ch = cg.sitzEinstellungen.at(seat).skat;
    const bool kraft = ch.krafe > rnd::uniform() * 100.0;
    const hand& s = stich();
    if (s.anz == 0) {
        if (l.geraten[l.next].anz == 0 || l.geraten[l.zweit].anz == 0) ::kiLog("UBEKANZ1/2=0");
        if (!nullOderRamsch()) return vorhand(l);
        const bool geraten = wahrsTest(l);
        karte r = nullAnspiel(l, geraten ? l.geraten[l.next] : l.real[l.next],
                              geraten ? l.geraten[l.zweit] : l.real[l.zweit]);
        if (!da(r) && l.partner != 0) {
            for (int f = 1; f <= 4; ++f) {
                const hand teil = teilVon(l.eigene, f);
                if (teil.anz == 0) continue;
                const karte c = hoechsteKarte(teil);
                if (!da(r) || Rangtabelle[c.t] > Rangtabelle[r.t]) r = c;
            }
        }
        if (!da(r)) r = hoechsteKarte(l.erlaubt);
        return r;
    }
    l.angespielt = s.at(1);
    if (s.anz == 1) {
        kartenPruefen(l.angespielt, "spielta(noch=1).wink");
        vorhersage(l);
        if (kraft) return hoechsteKarte(l.erlaubt);
        return mithint(l);
    }
    l.zweite = s.at(2);
    l.gewinner = sticht(l.zweite, l.angespielt) ? l.zweite : l.angespielt;
    l.zweiterPlatz = false;
    return mithint(l);
}

}  // namespace skatki
