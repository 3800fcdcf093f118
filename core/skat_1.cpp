#include "core/skat_1.h"

#include <cstring>
#include <type_traits>

#include "core/cg.h"
#include "core/seams.h"
#include "core/spiele.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"

namespace {

constexpr int kBube = 4;
constexpr int kTrumpf = 6;  // the "suit" that stands for all trumps of the current game

// A count read from a damaged record must never walk past the array.
int anzahl(const hand& h) { return num::clamp<int>(h.anz, 0, kHandMax); }
int anzahl(const hand64& h) { return num::clamp<int>(h.anz, 0, kHand64Max); }
int anzahl(const hand25& h) { return num::clamp<int>(h.anz, 0, kHand25Max); }

void bereichsFehler(const char* routine, const std::string& werte = {}) {
    std::string t = text::w("ACHTUNG! ") + routine + text::w(": Fehler bei Bereichsüberprüfung");
    if (!werte.empty()) t += " (" + werte + ")";
    msgsink::show(t);
}

int spielId() { return cg.spielId; }

bool trumpfImSpiel(const karte& k) {
    const int id = spielId();
    return (id == spiele::kDoppelkopf || id == spiele::kSchafkopf) ? skat_1::istTrumpfSpiel(k)
                                                                   : skat_1::istTrumpf(k);
}

// Whether a card belongs to farbe in the suit filters: 1..4 the suit without its trumps, 6 the trumps.
bool gewaehlt(const karte& k, int farbe) {
    if (farbe == kTrumpf) return trumpfImSpiel(k);
    return farbe >= 1 && farbe <= 4 && k.f == farbe && !trumpfImSpiel(k);
}

template <class H>
void entfernenBei(H& h, int i) {
    const int n = anzahl(h);
    for (int j = i; j < n; ++j) h.at(j) = h.at(j + 1);
    h.anz = static_cast<decltype(h.anz)>(n - 1);
}

template <class H>
karte entfernenBeiGeprueft(H& h, int index, const char* routine) {
    const int n = anzahl(h);
    if (n == 0) {
        bereichsFehler(routine, "Index " + text::fromInt(index) + ", 0 Karten");
        return karte{0, 0, 0};
    }
    if (index < 1 || index > n) {
        bereichsFehler(routine, "Index " + text::fromInt(index) + ", " + text::fromInt(n) + " Karten");
        index = num::clamp(index, 1, n);
    }
    karte k{h.at(index).t, h.at(index).f, 0};
    if constexpr (std::is_same_v<H, hand> || std::is_same_v<H, hand64>) k.nr = h.at(index).nr;
    entfernenBei(h, index);
    return k;
}

template <class H>
void ersteEntfernen(H& h, const karte& k) {
    const int n = anzahl(h);
    for (int i = 1; i <= n; ++i)
        if (h.at(i).t == k.t && h.at(i).f == k.f) {
            entfernenBei(h, i);
            return;
        }
}

// Removes every card for which drop(card) holds, keeping the order of the rest; returns the new count.
template <class H, class Pred>
int entfernenWenn(H& h, Pred drop) {
    const int n = anzahl(h);
    int m = 0;
    for (int i = 1; i <= n; ++i)
        if (!drop(h.at(i))) h.at(++m) = h.at(i);
    h.anz = static_cast<decltype(h.anz)>(m);
    return m;
}

template <class H, class Pred>
int zaehlen(const H& h, Pred p) {
    const int n = anzahl(h);
    int c = 0;
    for (int i = 1; i <= n; ++i)
        if (p(h.at(i))) ++c;
    return c;
}

int kartenIndexT(const auto& h, const karte& k) {
    const int n = anzahl(h);
    for (int i = n; i >= 1; --i)
        if (gleich(h.at(i), k) && h.at(i).nr == k.nr) return i;
    for (int i = n; i >= 1; --i)
        if (gleich(h.at(i), k)) return i;
    return 0;
}

double gewicht(int t, const char* routine) {
    if (t < 1 || t > 8) {
        bereichsFehler(routine, "Kartenwert " + text::fromInt(t));
        t = num::clamp(t, 1, 8);
    }
    return skat_1::gewichte[t - 1];
}

// Stable adjacent-swap sort over cards 1..n: vor(a, b) says b must stand before its neighbour a.
template <class Pred>
void bubble(hand& h, Pred vor) {
    const int n = anzahl(h);
    for (int pass = 1; pass < n; ++pass) {
        bool getauscht = false;
        for (int j = 1; j < n; ++j)
            if (vor(h.at(j), h.at(j + 1))) {
                skat_1::kartenTauschen(h.at(j), h.at(j + 1));
                getauscht = true;
            }
        if (!getauscht) break;
    }
}

}  // namespace

namespace {

// Appends at anz + 1; a full hand (or a damaged count) is reported and only its count repaired.
template <class H, class K>
void anhaengen(H& h, const K& k, int max) {
    using Anz = decltype(h.anz);
    if (h.anz < 0 || h.anz >= max) {
        bereichsFehler("handaddk");
        h.anz = static_cast<Anz>(anzahl(h));
        return;
    }
    h.anz = static_cast<Anz>(h.anz + 1);
    h.at(h.anz) = k;
}

}  // namespace

void handaddk(hand& h, const karte& k) { anhaengen(h, k, kHandMax); }
void handaddk64(hand64& h, const karte& k) { anhaengen(h, k, kHand64Max); }
void handaddk25k(hand25& h, const kurzkarte& k) { anhaengen(h, k, kHand25Max); }

void handaddk25(hand25& h, const karte& k) { handaddk25k(h, kurzkarte{k.t, k.f}); }

void xassignfromto(const hand& hsrc, hand& hdst) {
    hand kopie = hsrc;
    const int n = anzahl(hdst);
    for (int i = 1; i <= n; ++i) {
        const int j = skat_1::kartenIndex(kopie, hdst.at(i));
        if (j > 0) {
            kopie.at(j).t = 99;  // used: never matches again
            hdst.at(i).nr = static_cast<uint16_t>(j);
        } else {
            msgsink::show(text::w("ACHTUNG! xassignfromto: hdst.k nicht in hsrc.k enthalten"));
        }
    }
}

namespace skat_1 {

namespace {
constexpr int kSkatAugen[15] = {0, 0, 0, 2, 3, 4, 10, 11, 0, 0, 0, 0, 0, 0, 0};
}

int augen[15] = {0, 0, 0, 2, 3, 4, 10, 11, 0, 0, 0, 0, 0, 0, 0};
double gewichte[8] = {1.0, 2.0, 3.0, 9.0, 5.0, 6.0, 7.0, 8.0};

void augenZuruecksetzen() { std::memcpy(augen, kSkatAugen, sizeof(augen)); }

karte karteBilden(int t, int f) { return karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0}; }

void einzelkarte(const karte& k, hand& h) {
    h.anz = 0;
    handaddk(h, k);
}

void karteEinfuegen(hand& h, const karte& k, int pos) {
    const hand alt = h;
    const int n = anzahl(alt);
    pos = num::clamp(pos, 1, n + 1);
    h.anz = 0;
    for (int i = 1; i < pos; ++i) handaddk(h, alt.at(i));
    handaddk(h, k);
    for (int i = pos; i <= n; ++i) handaddk(h, alt.at(i));
}

void handAnhaengen(hand& dst, const hand& src) {
    const hand s = src;  // dst and src may be the same record
    for (int i = 1; i <= anzahl(s); ++i) handaddk(dst, s.at(i));
}

void hand64Anhaengen(hand64& dst, const hand64& src) {
    const hand64 s = src;
    for (int i = 1; i <= anzahl(s); ++i) handaddk64(dst, s.at(i));
}

void hand64Anhaengen2(hand64& dst, const hand64& src) {
    const hand64 s = src;
    const int d = anzahl(dst);
    int n = anzahl(s);
    if (dst.anz < 0 || dst.anz > kHand64Max || d + n > kHand64Max) {
        bereichsFehler("skat_1.hand64Anhaengen2", text::fromInt(dst.anz) + " + " + text::fromInt(s.anz));
        n = kHand64Max - d;
    }
    for (int i = 1; i <= n; ++i) dst.at(d + i) = s.at(i);
    dst.anz = static_cast<int16_t>(d + n);
}

void handAbziehen(hand& dst, const hand& src) {
    const hand s = src;
    for (int i = 1; i <= anzahl(s); ++i) karteEntfernen(dst, s.at(i));
}

void handAbziehenAlle(hand& dst, const hand& src) {
    const hand s = src;
    entfernenWenn(dst, [&](const karte& k) { return enthaeltKarte(s, k); });
}

void karteEntfernen(hand& h, const karte& k) { ersteEntfernen(h, k); }
void karteEntfernen64(hand64& h, const karte& k) { ersteEntfernen(h, k); }
void karteEntfernen25(hand25& h, const karte& k) { ersteEntfernen(h, k); }
void karteAlleEntfernen(hand& h, const karte& k) {
    const karte c = k;
    entfernenWenn(h, [&](const karte& x) { return gleich(x, c); });
}

karte karteEntfernenBei(hand& h, int index) {
    return entfernenBeiGeprueft(h, index, "skat_1.karteEntfernenBei");
}
karte karteEntfernenBei64(hand64& h, int index) {
    return entfernenBeiGeprueft(h, index, "skat_1.karteEntfernenBei64");
}
karte karteEntfernenBei25(hand25& h, int index) {
    return entfernenBeiGeprueft(h, index, "skat_1.karteEntfernenBei25");
}

int wertEntfernen(hand& h, int t) {
    return entfernenWenn(h, [t](const karte& k) { return k.t == t; });
}

void wertKarten(const hand& src, int t, hand& dst) {
    dst = src;
    entfernenWenn(dst, [t](const karte& k) { return k.t != t; });
}

void wertKartenNehmen(hand& src, int t, hand& dst) {
    for (int i = 1; i <= anzahl(src); ++i)
        if (src.at(i).t == t) handaddk(dst, src.at(i));
    wertEntfernen(src, t);
}

void handLeeren(hand& h) {
    h.anz = 0;
    if (spielId() != spiele::kCanasta) {
        std::memset(h.zaehler1, 0, sizeof(h.zaehler1));
        std::memset(h.zaehler2, 0, sizeof(h.zaehler2));
    }
}

template <class H>
static void ersteZehnLeeren(H& h) {
    h.anz = 0;
    for (int i = 1; i <= 10; ++i) {
        h.at(i).t = 0;
        h.at(i).f = 0;
    }
}

void handLeeren2(hand& h) { ersteZehnLeeren(h); }
void hand64Leeren(hand64& h) { h.anz = 0; }
void hand64Leeren2(hand64& h) { ersteZehnLeeren(h); }
void hand25Leeren(hand25& h) { ersteZehnLeeren(h); }

void nrNummerieren(hand& h) {
    for (int i = 1; i <= anzahl(h); ++i) h.at(i).nr = static_cast<uint16_t>(i);
}

void kartenTauschen(karte& a, karte& b) {
    const karte t = a;
    a = b;
    b = t;
}

int kartenIndex(const hand& h, const karte& k) { return kartenIndexT(h, k); }
int kartenIndex64(const hand64& h, const karte& k) { return kartenIndexT(h, k); }

int letzterKartenIndex(const hand& h, const karte& k) {
    for (int i = anzahl(h); i >= 1; --i)
        if (gleich(h.at(i), k)) return i;
    return 0;
}

int letzterWertIndex(const hand& h, int t) {
    for (int i = anzahl(h); i >= 1; --i)
        if (h.at(i).t == t) return i;
    return 0;
}

bool enthaeltKarte(const hand& h, const karte& k) { return letzterKartenIndex(h, k) > 0; }
bool enthaeltKarte64(const hand64& h, const karte& k) {
    return zaehlen(h, [&](const karte& x) { return gleich(x, k); }) > 0;
}
bool enthaeltGenau(const hand& h, const karte& k) {
    return zaehlen(h, [&](const karte& x) { return gleich(x, k) && x.nr == k.nr; }) > 0;
}
bool enthaeltWert(const hand& h, int t) { return letzterWertIndex(h, t) > 0; }
bool enthaeltWert64(const hand64& h, int t) { return wertAnzahl64(h, t) > 0; }

int kartenAnzahl(const hand& h, const karte& k) {
    return zaehlen(h, [&](const karte& x) { return gleich(x, k); });
}
int kartenAnzahl2(const hand& h, const karte& k) { return kartenAnzahl(h, k); }
int wertAnzahl(const hand& h, int t) {
    return zaehlen(h, [t](const karte& x) { return x.t == t; });
}
int wertAnzahl64(const hand64& h, int t) {
    return zaehlen(h, [t](const karte& x) { return x.t == t; });
}
int wertAnzahl64Ref(const hand64& h, int t) { return wertAnzahl64(h, t); }

int farbAnzahl(const hand& h, int farbe) {
    const int id = spielId();
    if (farbe == kTrumpf || id == spiele::kDoppelkopf || id == spiele::kSchafkopf)
        return zaehlen(h, [farbe](const karte& k) { return gewaehlt(k, farbe); });
    // Elsewhere a trump of the suit still counts with its suit.
    return zaehlen(h, [farbe](const karte& k) { return k.f == farbe; });
}

int farbAnzahlOhneTrumpf(const hand& h, int farbe) {
    return zaehlen(h, [farbe](const karte& k) { return gewaehlt(k, farbe); });
}
int farbAnzahl64(const hand64& h, int farbe) {
    return zaehlen(h, [farbe](const karte& k) { return gewaehlt(k, farbe); });
}
int farbAnzahl64Ref(const hand64& h, int farbe) { return farbAnzahl64(h, farbe); }

int nurFarbe(hand& h, int farbe) {
    if (spielId() == spiele::kSchnapsen) return anzahl(h);
    return entfernenWenn(h, [farbe](const karte& k) { return !gewaehlt(k, farbe); });
}

int nurFarbe64(hand64& h, int farbe) {
    if (spielId() == spiele::kSchnapsen) return anzahl(h);
    return entfernenWenn(h, [farbe](const karte& k) { return !gewaehlt(k, farbe); });
}

int ohneFarbe(hand& h, int farbe) {
    if (spielId() == spiele::kSchnapsen) return anzahl(h);
    return entfernenWenn(h, [farbe](const karte& k) { return gewaehlt(k, farbe); });
}

void farbKarten(const hand& src, int farbe, hand& dst) {
    dst = src;
    nurFarbe(dst, farbe);
}

void farbeTeilen(const hand& h, int mode, const std::string& farbText, bool teil, hand& dst) {
    int farbe = 0;  // selects nothing
    if (mode == 0) farbe = static_cast<int>(text::toIntDef(farbText, 0));
    if (mode == 2) farbe = kTrumpf;
    dst = h;
    if (teil)
        nurFarbe(dst, farbe);
    else
        ohneFarbe(dst, farbe);
}

void bedienbareKarten(const hand& h, hand& dst) {
    const hand* stich = seams::skatStich();
    if (stich && stich->anz >= 1) {
        const karte lead = stich->at(1);
        farbKarten(h, istTrumpf(lead) ? kTrumpf : lead.f, dst);
        if (dst.anz > 0) return;
    }
    dst = h;
}

bool istTrumpf(const karte& k) {
    switch (spielId()) {
        case spiele::kPoker:
            return false;
        case spiele::kDoppelkopf:
            return seams::doppelkopfIstTrumpf(k);
        case spiele::kSchafkopf:
            return seams::schafkopfIstTrumpf(k);
        default:
            break;
    }
    const int typ = cg.skat.sk.typ;
    if (typ >= 1 && typ <= 4) return k.f == typ || k.t == kBube;
    if (typ == 11 || typ == 12) return k.t == kBube;
    return false;  // Null or no game yet
}

bool istTrumpfSpiel(const karte& k) {
    const int id = spielId();
    if (id == spiele::kDoppelkopf || id == spiele::kSchafkopf || id == spiele::kSkat) return istTrumpf(k);
    return false;
}

karte zufallsKarte(hand& h) {
    const int n = anzahl(h);
    if (n == 0) return karte{0, 0, 0};
    // Uniform over 1..n: every card equally likely, and never the unused slot 0.
    const int i = 1 + rnd::random(n);
    const karte k = h.at(i);
    entfernenBei(h, i);
    return k;
}

void mischen(hand& h) {
    hand kopie = h;
    const int n = anzahl(h);
    h.anz = 0;
    for (int i = 0; i < n; ++i) handaddk(h, zufallsKarte(kopie));
}

int augenSumme(const hand& h) {
    int s = 0;
    for (int i = 1; i <= anzahl(h); ++i) {
        int t = h.at(i).t;
        if (t < 1 || t > 15) {
            bereichsFehler("skat_1.augenSumme", "Kartenwert " + text::fromInt(t));
            t = num::clamp(t, 1, 15);
        }
        s += augen[t - 1];
    }
    return s;
}

void sortierGewichte(int typ) {
    for (int t = 1; t <= 8; ++t) gewichte[t - 1] = t;
    if (typ == 10) {
        gewichte[7 - 1] = 3.5;  // the 10 ranks between 9 and Bube in Null
    } else {
        gewichte[kBube - 1] = 9.0;  // Buben on top
    }
}

void handOrdnen(hand& h, int typ) {
    auto nachGewicht = [](const karte& a, const karte& b) {
        return gewicht(b.t, "skat_1.handOrdnen") > gewicht(a.t, "skat_1.handOrdnen");
    };
    if (typ == 10) {
        sortierGewichte(10);
        bubble(h, nachGewicht);
        bubble(h, [](const karte& a, const karte& b) { return b.f < a.f; });
        sortierGewichte(11);
        return;
    }
    bubble(h, nachGewicht);
    // A Bube never moves behind a card that is not a Bube.
    bubble(h, [](const karte& a, const karte& b) { return b.f < a.f && !(a.t == kBube && b.t != kBube); });
    if (typ >= 1 && typ <= 4)
        bubble(h, [typ](const karte& a, const karte& b) { return b.f == typ && a.f != typ && a.t != kBube; });
}

int nullUnsicher(const hand& a, const hand& b, const hand& c, karte& erste, karte& zweite) {
    int unsicher = 0;
    for (int farbe = 1; farbe <= 4; ++farbe) {
        hand eigene;
        farbKarten(a, farbe, eigene);
        handOrdnen(eigene, 10);
        hand fb, fc;
        farbKarten(b, farbe, fb);
        farbKarten(c, farbe, fc);
        auto niedrigste = [](const hand& x) {
            karte m = x.at(1);
            for (int i = 2; i <= anzahl(x); ++i)
                if (x.at(i).t < m.t) m = x.at(i);
            return m;
        };
        int s = 0;
        auto haelt = [&](const karte& x, const hand& gegner) {
            return anzahl(gegner) <= s || seams::winsu(x, niedrigste(gegner));
        };
        for (int i = anzahl(eigene); i >= 1; --i) {  // from the lowest card upward
            const karte x = eigene.at(i);
            if (haelt(x, fb) && haelt(x, fc)) {
                ++s;
            } else {
                ++unsicher;
                if (unsicher == 1) erste = x;
                if (unsicher == 2) zweite = x;
            }
        }
    }
    return unsicher;
}

namespace {

// Copies a hand into one of another size: the count is kept within what both hold (a count
// outside that is reported) and the owner goes along.
template <class Von, class Nach, class Karte>
void umkopieren(const Von& src, Nach& dst, int max, const char* routine, Karte karteBei) {
    const Von s = src;
    ersteZehnLeeren(dst);
    const int n = num::clamp<int>(s.anz, 0, max);
    if (s.anz != n) bereichsFehler(routine, text::fromInt(s.anz) + " Karten");
    for (int i = 1; i <= n; ++i) dst.at(i) = karteBei(s, i);
    dst.anz = static_cast<decltype(dst.anz)>(n);
    dst.besitzer = s.besitzer;
}

}  // namespace

void handZuHand64(const hand& src, hand64& dst) {
    umkopieren(src, dst, kHand64Max, "skat_1.handZuHand64", [](const hand& s, int i) { return s.at(i); });
}

void hand64ZuHand(const hand64& src, hand& dst) {
    umkopieren(src, dst, kHand64Max, "skat_1.hand64ZuHand", [](const hand64& s, int i) { return s.at(i); });
}

void handZuHand25(const hand& src, hand25& dst) {
    umkopieren(src, dst, kHand25Max, "skat_1.handZuHand25", [](const hand& s, int i) {
        return kurzkarte{s.at(i).t, s.at(i).f};
    });
}

void hand25ZuHand(const hand25& src, hand& dst) {
    umkopieren(src, dst, kHand25Max, "skat_1.hand25ZuHand", [](const hand25& s, int i) {
        return karte{s.at(i).t, s.at(i).f, static_cast<uint16_t>(i)};
    });
}

}  // namespace skat_1
