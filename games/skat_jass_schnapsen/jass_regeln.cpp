// The card rules of Jass and the Weis search: pure routines over explicit hands, trump code and
// card order, so the flow, the computer player and the tests ask the same questions.
#include <algorithm>
#include <array>

#include "games/skat_jass_schnapsen/jass.h"

namespace jass {

namespace {

constexpr int kWerte[] = {kSechs, kSieben, kAcht, kNeun, kZehn, kBube, kDame, kKoenig, kAss};

// Position in the natural order Sechs .. Ass, -1 for a code Jass does not use.
int rang(int t) {
    for (int i = 0; i < 9; ++i)
        if (kWerte[i] == t) return i;
    return -1;
}

bool gueltig(const karte& k) { return k.f >= 1 && k.f <= 4 && k.t >= 1 && k.t <= 14; }

int trumpfFarbe(int trumpf) { return trumpf >= 1 && trumpf <= 4 ? trumpf : 0; }

void anhaengen(hand& h, const karte& k) {
    if (h.anz < kHandMax) h.at(++h.anz) = k;
}

// The order's base value of a card without its suit: Ass 90 .. Sechs 10, reversed in Undenufe.
int basis(const karte& k, bool undenufe) {
    const int r = rang(k.t);
    if (r < 0) return 0;
    return undenufe ? (9 - r) * 10 : (r + 1) * 10;
}

}  // namespace

int32_t Ordnung::wert(const karte& k) const { return gueltig(k) ? w[k.f - 1][k.t - 1] : 0; }

namespace {

Ordnung ordnungBauen(bool undenufe, int tf) {
    Ordnung o;
    for (int f = 1; f <= 4; ++f)
        for (int t : kWerte) {
            int v = basis(karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0}, undenufe);
            if (f == tf && !undenufe) {
                v += 1000;
                if (t == kBube) v += 2000;
                if (t == kNeun) v += 1000;
            } else {
                v += (4 - f) * 100;
            }
            o.w[f - 1][t - 1] = v;
        }
    return o;
}

}  // namespace

Ordnung ordnung(bool undenufe, int trumpfF) {
    // Ten orders in all, built once: the computer player asks for one in every trick it tries.
    static const std::array<Ordnung, 10> alle = [] {
        std::array<Ordnung, 10> a;
        for (int u = 0; u <= 1; ++u)
            for (int tf = 0; tf <= 4; ++tf) a[static_cast<size_t>(u * 5 + tf)] = ordnungBauen(u == 1, tf);
        return a;
    }();
    return alle[static_cast<size_t>((undenufe ? 5 : 0) + trumpfFarbe(trumpfF))];
}

bool undenufeImStich(int trumpf, int stichZahl) {
    return trumpf == kUndenufe || (trumpf == kSlalomObenabe && stichZahl % 2 == 1) ||
           (trumpf == kSlalomUndenufe && stichZahl % 2 == 0);
}

Ordnung stichOrdnung(int trumpf, int stichZahl) {
    return ordnung(undenufeImStich(trumpf, stichZahl), trumpf);
}

bool istTrumpf(const karte& k, int trumpf) { return trumpfFarbe(trumpf) != 0 && k.f == trumpf; }

int kartenPunkte(const karte& k, int trumpf) {
    const bool unten = trumpf == kUndenufe || trumpf == kSlalomUndenufe;
    const bool richtung = trumpf == kObenabe || trumpf == kSlalomObenabe || unten;
    switch (k.t) {
        case kBube:
            return istTrumpf(k, trumpf) ? 20 : 2;
        case kNeun:
            return istTrumpf(k, trumpf) ? 14 : 0;
        case kAss:
            return unten ? 0 : 11;
        case kZehn:
            return 10;
        case kKoenig:
            return 4;
        case kDame:
            return 3;
        case kAcht:
            return richtung ? 8 : 0;
        case kSechs:
            return unten ? 11 : 0;
        default:
            return 0;
    }
}

int handPunkte(const hand& h, int trumpf) {
    int n = 0;
    for (int i = 1; i <= h.anz; ++i) n += kartenPunkte(h.at(i), trumpf);
    return n;
}

karte stichBeste(const hand& stich, int trumpf, const Ordnung& o) {
    if (stich.anz < 1) return karte{};
    karte beste = stich.at(1);
    const bool trumpfAus = istTrumpf(beste, trumpf);
    const int farbe = beste.f;
    for (int i = 2; i <= stich.anz; ++i) {
        const karte k = stich.at(i);
        const bool hoeher = o.wert(k) > o.wert(beste);
        if (trumpfAus ? hoeher : (hoeher && (k.f == farbe || istTrumpf(k, trumpf)))) beste = k;
    }
    return beste;
}

bool wuerdeStechen(const karte& k, const hand& stich, int trumpf, const Ordnung& o) {
    hand mit = stich;
    karte x = k;
    x.nr = 0xFFFF;  // a tag no seat carries
    anhaengen(mit, x);
    const karte b = stichBeste(mit, trumpf, o);
    return gleich(b, k) && b.nr == 0xFFFF;
}

bool regelPruefen(const karte& k, const hand& h, const hand& stich, int trumpf, const Ordnung& o) {
    if (stich.anz < 1 || stich.at(1).t == 0) return true;
    const karte aus = stich.at(1);
    if (istTrumpf(aus, trumpf)) {
        // The trump Bube never has to follow: with it as the only trump any card goes.
        int truempfe = 0;
        bool nurBube = true;
        for (int i = 1; i <= h.anz; ++i)
            if (istTrumpf(h.at(i), trumpf)) {
                ++truempfe;
                if (h.at(i).t != kBube) nurBube = false;
            }
        return truempfe == 0 || nurBube || istTrumpf(k, trumpf);
    }
    bool hatFarbe = false;
    for (int i = 1; i <= h.anz; ++i) hatFarbe = hatFarbe || h.at(i).f == aus.f;
    if (hatFarbe && k.f != aus.f && !istTrumpf(k, trumpf)) return false;
    // No undertrumping: a trump lower than the trump now winning is refused (the caller gives
    // the whole hand when nothing else passes).
    const karte beste = stichBeste(stich, trumpf, o);
    if (istTrumpf(beste, trumpf) && istTrumpf(k, trumpf) && o.wert(beste) > o.wert(k)) return false;
    return true;
}

void legaleKarten(const hand& h, const hand& stich, int trumpf, const Ordnung& o, hand& out) {
    out = hand{};
    for (int i = 1; i <= h.anz; ++i)
        if (regelPruefen(h.at(i), h, stich, trumpf, o)) anhaengen(out, h.at(i));
    if (out.anz == 0)
        for (int i = 1; i <= h.anz; ++i) anhaengen(out, h.at(i));
}

bool enthalten(const hand& h, const karte& k) {
    for (int i = 1; i <= h.anz; ++i)
        if (gleich(h.at(i), k)) return true;
    return false;
}

karte hoechsteKarte(const hand& h, const Ordnung& o) {
    karte b{};
    for (int i = 1; i <= h.anz; ++i)
        if (b.t == 0 || o.wert(h.at(i)) > o.wert(b)) b = h.at(i);
    return b;
}

// ---------------------------------------------------------------------------------------------
// Weis

namespace {

bool unten(int trumpf) { return trumpf == kUndenufe || trumpf == kSlalomUndenufe; }

// The dealt hand sorted by suit and, within a suit, strongest first in the search's order.
hand sortiert(const hand& gegeben, bool undenufe) {
    hand h = gegeben;
    const Ordnung o = ordnung(undenufe, 0);
    std::stable_sort(h.k, h.k + std::clamp<int>(h.anz, 0, kHandMax),
                     [&](const karte& a, const karte& b) { return o.wert(a) > o.wert(b); });
    return h;
}

// The best run: the longest; of equal ones the one whose top card is not lower.
hand besteFolge(const hand& h, bool undenufe) {
    hand beste{};
    int i = 1;
    while (i <= h.anz) {
        int j = i;
        while (j < h.anz && h.at(j + 1).f == h.at(j).f && rang(h.at(j).t) >= 0 &&
               std::abs(rang(h.at(j + 1).t) - rang(h.at(j).t)) == 1)
            ++j;
        const int len = j - i + 1;
        if (len >= 2) {
            const int top = basis(h.at(i), undenufe);
            const int besterTop = beste.anz > 0 ? basis(beste.at(1), undenufe) : -1;
            if (len > beste.anz || (len == beste.anz && top >= besterTop)) {
                beste = hand{};
                for (int k = i; k <= j; ++k) anhaengen(beste, h.at(k));
            }
        }
        i = j + 1;
    }
    return beste;
}

bool vierGleiche(const hand& h, int t, hand& out) {
    hand v{};
    for (int i = 1; i <= h.anz; ++i)
        if (h.at(i).t == t) anhaengen(v, h.at(i));
    if (v.anz != 4) return false;
    out = v;
    return true;
}

}  // namespace

int weisSuchen(const hand& gegeben, int wert, int trumpf, hand& out) {
    out = hand{};
    const bool u = unten(trumpf);
    const hand h = sortiert(gegeben, u);
    const hand folge = besteFolge(h, u);
    switch (wert) {
        case 200:
            vierGleiche(h, kBube, out);
            break;
        case 150:
            vierGleiche(h, kNeun, out);
            break;
        case 100:
            if (folge.anz >= 5) out = folge;
            // In Undenufe the four Sechsen take the place of the four Asse.
            for (int t : {kDame, kKoenig, kZehn, u ? kSechs : kAss}) vierGleiche(h, t, out);
            break;
        case 50:
        case 20: {
            const int n = wert == 50 ? 4 : 3;
            if (folge.anz >= n) {
                out = folge;
                out.anz = static_cast<int16_t>(n);
            }
            break;
        }
        default:
            break;
    }
    return folge.anz;
}

bool hatWeis(const hand& gegeben, int wert, int trumpf) {
    hand h;
    weisSuchen(gegeben, wert, trumpf, h);
    return h.anz > 0;
}

namespace {
bool istVierling(const hand& w) {
    return w.anz == 4 && w.at(1).t == w.at(2).t && w.at(2).t == w.at(3).t && w.at(3).t == w.at(4).t;
}
}  // namespace

int weisSchluessel(const hand& weis, int art, int trumpf, int position) {
    switch (art) {
        case 1:
            return weis.anz;
        case 2:
            return weis.anz > 0 ? basis(hoechsteKarte(weis, ordnung(unten(trumpf), 0)), unten(trumpf)) : 0;
        case 3:
            return weis.anz > 0 && !istVierling(weis) && istTrumpf(weis.at(1), trumpf) ? 1 : 0;
        case 4:
            return 10 - position;
        default:
            return 0;  // kind 5 draws at random in the flow; kind 6 is zero
    }
}

std::string weisName(int karten) {
    static const char* const namen[] = {"Dreiblatt",   "Vierblatt", "Fünfblatt", "Sechsblatt",
                                        "Siebenblatt", "Achtblatt", "Neunblatt"};
    return karten >= 3 && karten <= 9 ? namen[karten - 3] : std::string();
}

}  // namespace jass
