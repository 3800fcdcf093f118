#include "games/rummy_shedding/romme_regeln.h"

#include <cstring>

#include "core/gtool.h"
#include "platform/msgsink.h"
#include "platform/text.h"

namespace romme {

namespace {

bool gueltigeKarte(const karte& c) { return c.t >= 1 && c.t <= 14 && c.f >= 1 && c.f <= 4; }

int jokerAnzahl(const hand& m) {
    int n = 0;
    for (int i = 1; i <= m.anz; ++i) n += istJoker(m.at(i)) ? 1 : 0;
    return n;
}

bool doppelteKarte(const hand& m) {
    for (int i = 1; i <= m.anz; ++i)
        for (int j = i + 1; j <= m.anz; ++j)
            if (!istJoker(m.at(i)) && m.at(i).t == m.at(j).t && m.at(i).f == m.at(j).f) return true;
    return false;
}

bool gleicheFarbe(const hand& m) {
    int f = 0;
    for (int i = 1; i <= m.anz; ++i) {
        if (istJoker(m.at(i))) continue;
        if (f == 0) f = m.at(i).f;
        if (m.at(i).f != f) return false;
    }
    return true;
}

// Ascending by meld key, stable.
void nachSchluessel(hand& h) {
    for (int i = 2; i <= h.anz; ++i)
        for (int j = i; j >= 2 && meldSchluessel(h.at(j - 1)) > meldSchluessel(h.at(j)); --j) {
            const karte x = h.at(j);
            h.at(j) = h.at(j - 1);
            h.at(j - 1) = x;
        }
}

// The card points of a meld as it lies; an Ass in front of a 2 is the low Ass and counts 1.
int summe(const hand& m, bool roh, const Regeln& r) {
    int s = 0;
    for (int i = 1; i <= m.anz; ++i) {
        const karte& c = m.at(i);
        if (!roh && i == 1 && c.t == kAss && m.anz >= 2 && m.at(2).t == kZwei)
            s += 1;
        else
            s += kartenWert(c, r);
    }
    return s;
}

}  // namespace

void schluesselTabellen(bool nachWert) {
    for (int f = 1; f <= 4; ++f)
        for (int t = 1; t <= 14; ++t) {
            const int key = meldSchluessel(karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0});
            Kartenwerte0[f - 1][t - 1] = key;
            Kartenwerte[f - 1][t - 1] = !nachWert || t == kJoker ? key : (4 - f) + 4 * (rang(t) - 1);
        }
}

int kartenWert(const karte& c, const Regeln& r) {
    switch (c.t) {
        case kAss:
            return 11;
        case 4:
        case 5:
        case 6:
        case 7:
            return 10;
        case 1:
        case 2:
        case 3:
            return c.t + 6;
        case 9:
        case 10:
        case 11:
        case 12:
        case 13:
            return c.t - 7;
        case kJoker:
            return r.jokerWert;
        default:
            return 0;
    }
}

namespace {

[[gnu::noinline, gnu::cold]] int ungueltigeKarten() {
    msgsink::error(text::w("error: no valid cards at romme.getdif"));
    return 0;
}

}  // namespace

int getdif(const karte& a, const karte& b, bool first, const Regeln& r) {
    if (!gueltigeKarte(a) || !gueltigeKarte(b)) return ungueltigeKarten();
    int d = meldSchluessel(b) - meldSchluessel(a);
    if (a.t == kAss && b.t == kZwei && (first || r.ecke)) d = 1;
    if (a.t == kAss && b.t == kDrei && (first || r.ecke)) d = 2;
    if (a.t == kKoenig && b.t == kZwei && r.ecke) d = 2;
    return d;
}

bool satzGueltig(const hand& m, const Regeln& r) {
    int wert = 0;
    for (int i = 1; i <= m.anz; ++i) {
        if (istJoker(m.at(i))) continue;
        if (wert == 0) wert = m.at(i).t;
        if (m.at(i).t != wert) return false;
    }
    return m.anz < 5 || r.doppelteFarben;
}

bool reiheGueltig(const hand& m, const Regeln& r) {
    const int n = m.anz;
    if (n < 2) return true;
    if (n >= 100) {
        msgsink::show("getdif.outofrange error");
        return false;
    }
    for (int i = 1; i <= n - 1; ++i) {
        const bool first = i == 1;
        const karte& a = m.at(i);
        const karte& b = m.at(i + 1);
        int d = getdif(a, b, first, r);
        if (!istJoker(a) && istJoker(b)) {
            // a closing Joker after the Ass would be the 2 across the corner; the key distance
            // to the Joker must not decide it (it is 1 from the Kreuz Ass)
            if (i + 1 == n)
                d = a.t != kAss || r.ecke ? 1 : 0;
            else
                d = getdif(a, m.at(i + 2), first, r);
        }
        // a run may not start with a Joker in front of a 2
        if (istJoker(a)) d = i > 1 || b.t != kZwei ? 1 : d;
        if (d != 1 && d != 2) return false;
        if (d == 2 && !istJoker(b)) return false;
    }
    return true;
}

bool isset(const hand& m, bool hatMeldung, bool vorAuslageAblehnen, bool ohneMinimum, const Regeln& r) {
    if (m.anz < 3 || jokerAnzahl(m) >= 2) return false;
    if (!hatMeldung && !ohneMinimum) {
        if (vorAuslageAblehnen || meldungPunkte(m, false, false, r) < r.mindestpunkte) return false;
    }
    if (doppelteKarte(m) && !r.doppelteFarben) return false;
    if (gleicheFarbe(m) && reiheGueltig(m, r)) return true;
    return satzGueltig(m, r);
}

int meldungPunkte(const hand& m0, bool amPlatz, bool roh, const Regeln& r) {
    hand m;
    kartenKopieren(m, m0);
    const int n = m.anz;
    bool jokerGefunden = false;
    int jokerPos = 0;
    if (!roh) {
        int modus = 1;
        for (int i = 2; i <= n; ++i) {
            const karte& a = m.at(i - 1);
            const karte& b = m.at(i);
            if (istJoker(a) || istJoker(b)) continue;
            if (istNachfolger(a.t, b.t)) modus = 1;
            if (istNachfolger(b.t, a.t)) modus = 2;
        }
        if (n >= 3 && (m.at(2).t == m.at(1).t || m.at(2).t == m.at(3).t)) modus = 0;
        if (n == 3 && r.ecke && m.at(1).t != m.at(2).t && m.at(2).t != m.at(3).t) modus = 1;
        int letzteFarbe = 0, satzWert = 0;
        for (int i = 1; i <= n; ++i)
            if (!istJoker(m.at(i))) {
                letzteFarbe = m.at(i).f;
                satzWert = m.at(i).t;
            }
        for (int i = 1; i <= n; ++i) {
            if (!istJoker(m.at(i))) continue;
            jokerGefunden = true;
            if (jokerPos == 0) jokerPos = i;
            karte& j = m.at(i);
            j.f = static_cast<uint8_t>(letzteFarbe);
            int wert = 0;
            if (modus == 0) {
                wert = satzWert;
                for (int f = 4; f >= 1; --f) {
                    bool frei = true;
                    for (int k = 1; k <= n; ++k)
                        if (m.at(k).t == satzWert && m.at(k).f == f) frei = false;
                    if (frei) {
                        j.f = static_cast<uint8_t>(f);
                        break;
                    }
                }
            } else {
                const bool auf = modus == 1;
                if (i > 1) wert = auf ? nachfolger(m.at(i - 1).t) : vorgaenger(m.at(i - 1).t);
                if (i < n && !istJoker(m.at(i + 1)))
                    wert = auf ? vorgaenger(m.at(i + 1).t) : nachfolger(m.at(i + 1).t);
            }
            // a Joker between two Jokers stands for nothing it could be named after
            j.t = static_cast<uint8_t>(wert == 0 ? kJoker : wert);
        }
    }
    if (!amPlatz && jokerGefunden && n >= 3 && jokerAnzahl(m0) == 1) {
        hand ohne;
        kartenKopieren(ohne, m0);
        entfernen(ohne, jokerPos);
        eckeDrehen(ohne, r);
        const int farbe = m0.at(jokerPos == 1 ? 2 : 1).f;
        int punkte = summe(m, false, r);
        hand unten;
        kartenKopieren(unten, ohne);
        einfuegen(unten, 1,
                  karte{static_cast<uint8_t>(vorgaenger(ohne.at(1).t)), static_cast<uint8_t>(farbe), 0});
        if (unten.at(1).t != 0 && isset(unten, true, false, true, r)) {
            const int p = meldungPunkte(unten, false, false, r);
            if (p > punkte) {
                kartenKopieren(m, unten);
                punkte = p;
            }
        }
        hand oben;
        kartenKopieren(oben, ohne);
        einfuegen(
            oben, oben.anz + 1,
            karte{static_cast<uint8_t>(nachfolger(ohne.at(ohne.anz).t)), static_cast<uint8_t>(farbe), 0});
        if (oben.at(oben.anz).t != 0 && isset(oben, true, false, true, r)) {
            const int p = meldungPunkte(oben, false, false, r);
            if (p > punkte) kartenKopieren(m, oben);
        }
    }
    return summe(m, roh, r);
}

void eckeDrehen(hand& m, const Regeln& r) {
    nachSchluessel(m);
    if (m.anz < 2 || !r.ecke) return;
    for (int i = 1; i < m.anz; ++i) {
        const int a = m.at(i).t, b = m.at(i + 1).t;
        if (b != nachfolger(a) && b != a) {
            hand g;
            g.anz = m.anz;
            int k = 0;
            for (int x = i + 1; x <= m.anz; ++x) g.at(++k) = m.at(x);
            for (int x = 1; x <= i; ++x) g.at(++k) = m.at(x);
            kartenKopieren(m, g);
            return;
        }
    }
}

void auswahlOrdnen(hand& m, const Regeln& r) {
    nachSchluessel(m);
    hand joker;
    std::memset(static_cast<void*>(&joker), 0, sizeof(joker));
    hand k = m;
    k.anz = 0;
    int asse = 0;
    for (int i = 1; i <= m.anz; ++i) {
        if (istJoker(m.at(i))) {
            joker.at(++joker.anz) = m.at(i);
        } else {
            k.at(++k.anz) = m.at(i);
            asse += m.at(i).t == kAss ? 1 : 0;
        }
    }
    if (joker.anz >= 2 || k.anz == 0) return;
    auto hat = [&](int t) {
        for (int i = 1; i <= k.anz; ++i)
            if (k.at(i).t == t) return true;
        return false;
    };
    if (asse == 1 && (hat(kZwei) || hat(kDrei))) {
        for (int i = 1; i <= k.anz; ++i)
            if (k.at(i).t == kAss) {
                const karte a = k.at(i);
                entfernen(k, i);
                einfuegen(k, 1, a);
                break;
            }
    }
    if (r.ecke) {
        int zahl = 0;
        if ((hat(kZwei) || hat(kDrei)) && (hat(kKoenig) || hat(kDame)))
            zahl = (hat(kKoenig) ? 1 : 0) + (hat(kAss) ? 1 : 0) + (hat(kZwei) ? 1 : 0);
        if (zahl > 0 && zahl >= 3 - joker.anz) {
            int start = k.anz;
            for (int i = 1; i < k.anz; ++i)
                if (getdif(k.at(i), k.at(i + 1), i == 1, r) > joker.anz + 1) {
                    start = i + 1;
                    break;
                }
            hand g = k;
            int n = 0;
            for (int x = start; x <= k.anz; ++x) g.at(++n) = k.at(x);
            for (int x = 1; x < start; ++x) g.at(++n) = k.at(x);
            k = g;
        }
    }
    if (joker.anz == 1) {
        int pos = k.anz + 1;
        for (int i = 1; i < k.anz; ++i)
            if (getdif(k.at(i), k.at(i + 1), i == 1, r) == 2) {
                pos = i + 1;
                break;
            }
        einfuegen(k, pos, joker.at(1));
    }
    m = k;
}

}  // namespace romme
