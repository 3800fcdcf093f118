// The Mau Mau computer player: every card it may lay gets a score from fixed weights for the
// special cards and a fit measure for plain cards; it answers through central::antwort.
#include <algorithm>

#include "core/central.h"
#include "games/rummy_shedding/maumau.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace maumauki {

using maumau::kAblage;
using maumau::kTalon;

namespace {

int rolle(const karte& c) { return maumau::rolle(cg.maumau, c); }

// Fitting cards among h (without slot `ohne`) and the count looked at.
void zaehlen(const karte& kandidat, const hand& h, int ohne, int& passend, int& gesamt) {
    passend = gesamt = 0;
    for (int i = 1; i <= h.anz; ++i) {
        if (i == ohne) continue;
        ++gesamt;
        if (passt(kandidat, h.at(i))) ++passend;
    }
}
float anteil(int a, int b) { return b > 0 ? static_cast<float>(a) / static_cast<float>(b) : 0.0f; }

hand stapelHand(int stack, hand* anhaengen = nullptr) {
    hand h{};
    if (anhaengen) h = *anhaengen;
    const TSpieler& s = glu::spieler[stack - 1];
    for (int i = 1; i <= s.anz && h.anz < kHandMax; ++i) h.at(++h.anz) = s.at(i).c;
    return h;
}

}  // namespace

bool passt(const karte& a, const karte& b) { return rolle(b) == maumau::kWunsch || b.t == a.t || b.f == a.f; }

int wunschFarbe(const hand& h) {
    int best = 1, bestAnz = -1;
    for (int f = 1; f <= 4; ++f) {
        int n = 0;
        for (int i = 1; i <= h.anz; ++i)
            if (h.at(i).f == f && rolle(h.at(i)) != maumau::kWunsch) ++n;
        if (n >= bestAnz) {
            best = f;
            bestAnz = n;
        }
    }
    return best;
}

std::vector<float> bewerten(const Lage& l) {
    const size_t n = l.kandidaten.size();
    std::vector<float> p(n, 0.0f);
    if (n == 1) {
        p[0] = 100;
        const karte c = l.eigene.at(l.kandidaten[0]);
        if (l.eigene.anz > 1) {
            const int r = rolle(c);
            // Reversing would hand the turn back to a seat about to go out.
            if (r == maumau::kRichtung && l.vorigerAnz <= 1 && l.vorigerAnz < l.naechsterAnz) p[0] = 0;
            if (r == maumau::kAussetzen && l.ueberspringAnz < 2) p[0] = 0;
        }
        return p;
    }
    for (size_t i = 0; i < n; ++i) {
        const karte c = l.eigene.at(l.kandidaten[i]);
        const int r = rolle(c);
        if (r == maumau::kNochmal) {
            int k = 0;
            for (int s : l.kandidaten) {
                const karte d = l.eigene.at(s);
                const int rd = rolle(d);
                if (d.f == c.f) ++k;
                if (rd == maumau::kNochmal) ++k;
                if (rd == maumau::kWunsch) ++k;
            }
            if (k > 2) {
                p[i] = static_cast<float>(100 - k);
                continue;
            }
        }
        if (l.naechsterAnz < 3) {
            if (r == maumau::kZiehen || r == maumau::kAussetzen) {
                p[i] = 82;
                continue;
            }
            if (r == maumau::kRichtung && l.naechsterAnz < l.vorigerAnz) {
                p[i] = 81;
                continue;
            }
        } else if (l.vorigerAnz < 3 && l.vorigerAnz < l.naechsterAnz && r == maumau::kRichtung) {
            p[i] = 0;
            continue;
        }
        if (r == maumau::kZiehen || r == maumau::kAussetzen || r == maumau::kRichtung) {
            p[i] = 5;
            continue;
        }
        if (r == maumau::kNochmal) {
            p[i] = 10;
            continue;
        }
        if (r == maumau::kWunsch) {
            p[i] = 0;
            continue;
        }
        int a = 0, b = 0;
        float s = 50;
        zaehlen(c, l.eigene, l.kandidaten[i], a, b);
        s += 10 * anteil(a, b);
        zaehlen(c, l.ablage, 0, a, b);
        s += 10 * anteil(a, b);
        zaehlen(c, l.rest, 0, a, b);
        s -= 5 * anteil(a, b);
        if (c.t == l.offen.t) s += 1;
        p[i] = s;
    }
    return p;
}

int waehlen(const Lage& l, const std::vector<float>& punkte) {
    if (punkte.empty()) return -1;
    if (punkte.size() == 1 && punkte[0] <= 0) return -1;
    int best = 0;
    for (size_t i = 1; i < punkte.size(); ++i)
        if (punkte[i] >= punkte[static_cast<size_t>(best)]) best = static_cast<int>(i);
    (void)l;
    return best;
}

void kiTick() {
    const int seat = cg.aktSpieler;
    const int n = std::clamp<int>(cg.ablauf.anzSpieler, 2, 6);
    if (seat < 1 || seat > n) return;
    const int frage = cg.phase.fluss2;
    const TEntscheidung& e = cg.entscheidung;
    Lage l;
    l.eigene = stapelHand(seat);
    l.offen = maumau::offeneKarte();
    for (int i = 1; i <= l.eigene.anz; ++i)
        if (e.kartenSpiel && maumau::passt(cg.maumau, l.eigene.at(i), l.offen, frage)) l.kandidaten.push_back(i);
    const int knoepfe = e.mitKnoepfen ? e.knopfAnzahl : 0;
    const int ersterKnopf = knoepfe > 0 ? e.code(1) : 0;

    // Level 0: a uniformly random legal answer (the yardstick of self-play).
    if (cg.sitzEinstellungen.at(seat).staerke == 0) {
        const int talon = e.stapelKlick ? 1 : 0;
        const int gesamt = static_cast<int>(l.kandidaten.size()) + talon + knoepfe;
        if (gesamt == 0) return;
        int k = rnd::random(gesamt);
        if (k < static_cast<int>(l.kandidaten.size())) {
            central::antwort(cg, central::kKarte, 0, l.kandidaten[static_cast<size_t>(k)]);
            return;
        }
        k -= static_cast<int>(l.kandidaten.size());
        if (k < talon) {
            central::antwort(cg, central::kStapel, kTalon, 0);
            return;
        }
        central::antwort(cg, central::kKnopf, 0, e.code(k - talon + 1));
        return;
    }

    if (frage == maumau::kWunsch) {
        central::antwort(cg, central::kKnopf, 0, wunschFarbe(l.eigene));
        return;
    }
    if (frage == maumau::kZiehen || frage == maumau::kAussetzen || frage == maumau::kNochmal) {
        if (!l.kandidaten.empty())
            central::antwort(cg, central::kKarte, 0, l.kandidaten[0]);
        else if (ersterKnopf != 0)
            central::antwort(cg, central::kKnopf, 0, ersterKnopf);
        else
            central::antwort(cg, central::kStapel, kTalon, 0);
        return;
    }

    const int r = cg.maumau.richtung;
    const int naechster = maumau::folgeSitz(seat, 1, r, n);
    const int voriger = maumau::folgeSitz(seat, 1, r == 1 ? 2 : 1, n);
    l.naechsterAnz = glu::spieler[naechster - 1].anz;
    l.vorigerAnz = glu::spieler[voriger - 1].anz;
    const int k = 2 + (frage == maumau::kAussetzen ? knoepfe : 0);
    const int ueber = maumau::folgeSitz(seat, k, r, n);
    if (k <= 4 && ueber != seat) l.ueberspringAnz = glu::spieler[ueber - 1].anz;
    l.ablage = stapelHand(kAblage);
    l.rest = stapelHand(kTalon);
    for (int s = 1; s <= n; ++s)
        if (s != seat) l.rest = stapelHand(s, &l.rest);

    int wahl = waehlen(l, bewerten(l));
    // A beginner misjudges one turn in five: any card that fits, or none.
    if (cg.sitzEinstellungen.at(seat).staerke == 1 && rnd::uniform() < 0.2)
        wahl = rnd::random(static_cast<int>(l.kandidaten.size()) + 1) - 1;
    if (wahl >= 0) {
        central::antwort(cg, central::kKarte, 0, l.kandidaten[static_cast<size_t>(wahl)]);
        return;
    }
    if (knoepfe == 0)
        central::antwort(cg, central::kStapel, kTalon, 0);
    else
        central::antwort(cg, central::kKnopf, 0, ersterKnopf);
}

}  // namespace maumauki
