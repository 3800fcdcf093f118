// The Schwimmen computer player: takes a direct 31 whenever there is one, otherwise weighs every
// swap by its own value and by what it leaves on the table for the seats still to play, never
// repeats a swap it chose two or three decisions ago, and knocks at 29 or more.
#include <algorithm>

#include "core/central.h"
#include "games/rummy_shedding/schwimmen.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace schwimmenki {

using schwimmen::handWert;

namespace {

int bestesErreichbar(const hand& h, const hand& tisch, bool pasch) {
    int best = 0;
    for (int a = 1; a <= h.anz; ++a)
        for (int b = 1; b <= tisch.anz; ++b) {
            hand x = h;
            x.at(a) = tisch.at(b);
            best = std::max(best, handWert(x, pasch));
        }
    return best;
}

struct Kandidat {
    Wahl wahl;
    int ov = 0, nr = 0, ar = 0;
};

int punkte(const Kandidat& k, const TSchwimmen& s) {
    int p = k.ov;
    if (!s.positiv) return p;
    if (k.ov < k.nr) {
        if (k.nr >= 300)
            p -= 155;
        else if (k.nr >= 290)
            p -= 45;
        else if (k.nr >= 280)
            p -= 15;
    } else if (k.ov < k.ar) {
        if (k.ar >= 305)
            p -= 25;
        else if (k.ar >= 300)
            p -= 5;
    }
    return p;
}

bool besser(const Kandidat& k, const Kandidat& best, const TSchwimmen& s, int stufe) {
    if (stufe == 2) return k.ov > best.ov;
    if (stufe == 1) {
        if (rnd::uniform() < 0.2) return rnd::uniform() > 0.5;
        return k.ov > best.ov;
    }
    return punkte(k, s) > punkte(best, s);
}

}  // namespace

Wahl direktWahl(const hand& eigene, const hand& tisch, const TSchwimmen& s) {
    Wahl w;
    const bool pasch = s.mitPasch != 0;
    if (s.alleTauschen && handWert(tisch, pasch) == 310) {
        w.entscheidung = 2;
        w.i = 0;
        return w;
    }
    for (int i = 1; i <= eigene.anz; ++i)
        for (int j = 1; j <= tisch.anz; ++j) {
            hand x = eigene;
            x.at(i) = tisch.at(j);
            if (handWert(x, pasch) != 310) continue;
            w.entscheidung = 1;
            w.i = i;
            w.j = j;
            w.eigene = eigene.at(i);
            w.tisch = tisch.at(j);
        }
    return w;
}

Wahl tauschWahl(const std::vector<hand>& haende, const hand& tisch, const TSchwimmen& s, int akt, int stufe) {
    const int n = static_cast<int>(haende.size());
    const bool pasch = s.mitPasch != 0;
    const hand& eigene = haende[static_cast<size_t>(akt - 1)];
    const int jetzt = handWert(eigene, pasch);
    const int naechster = schwimmen::naechsterSitz(akt, n);

    Kandidat best;
    best.ov = jetzt;
    best.wahl.wert = jetzt;

    auto pruefen = [&](Kandidat k, const hand& neu, const hand& neuerTisch) {
        k.ov = handWert(neu, pasch);
        k.nr = handWert(neuerTisch, pasch);
        if (schwimmen::nochDran(s, akt, naechster, n))
            k.nr = std::max(k.nr, bestesErreichbar(haende[static_cast<size_t>(naechster - 1)], neuerTisch, pasch));
        for (int p = 1; p <= n; ++p)
            if (p != akt && p != naechster && schwimmen::nochDran(s, akt, p, n))
                k.ar = std::max(k.ar, bestesErreichbar(haende[static_cast<size_t>(p - 1)], neuerTisch, pasch));
        k.wahl.wert = punkte(k, s);
        if (besser(k, best, s, stufe)) best = k;
    };

    if (s.alleTauschen) {
        Kandidat k;
        k.wahl.entscheidung = 2;
        k.wahl.i = 0;
        k.wahl.schluessel = 2 * 10000 + tisch.at(1).t * 100 + tisch.at(1).t + s.schiebenInFolge * 33;
        pruefen(k, tisch, eigene);
    }
    for (int i = 1; i <= eigene.anz; ++i)
        for (int j = 1; j <= tisch.anz; ++j) {
            hand neu = eigene;
            hand neuerTisch = tisch;
            neu.at(i) = tisch.at(j);
            neuerTisch.at(j) = eigene.at(i);
            Kandidat k;
            k.wahl.entscheidung = 1;
            k.wahl.i = i;
            k.wahl.j = j;
            k.wahl.eigene = eigene.at(i);
            k.wahl.tisch = tisch.at(j);
            k.wahl.schluessel = 10000 + eigene.at(i).t * 1000 + tisch.at(j).t * 100 + eigene.at(i).f + tisch.at(j).t +
                                s.schiebenInFolge * 33;
            pruefen(k, neu, neuerTisch);
        }
    Wahl w = best.wahl;
    // Holding 29 or more in the positive mode the seat stops swapping.
    if (s.positiv && jetzt >= 290) w.entscheidung = 0;
    return w;
}

void nachZug(int art, int, int wert2) {
    if (cg.phase.nr != 4) return;
    const uint8_t zustand = central::dienste.spielZustand ? central::dienste.spielZustand() : 1;
    if (zustand != 1 && zustand != 2) return;
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 6) return;
    hand& bekannt = cg.bekannteKarten.at(seat);
    const hand tisch = schwimmen::stapelHand(schwimmen::kTisch);
    const hand eigene = schwimmen::stapelHand(seat);
    if (art == central::kStapel && wert2 >= 1 && wert2 <= tisch.anz && bekannt.anz < kHandMax) {
        bekannt.at(++bekannt.anz) = tisch.at(wert2);
    } else if (art == central::kKnopf && wert2 == schwimmen::kAlle) {
        bekannt.anz = tisch.anz;
        for (int i = 1; i <= tisch.anz; ++i) bekannt.at(i) = tisch.at(i);
    } else if (art == central::kKarte && wert2 >= 1 && wert2 <= eigene.anz) {
        for (int i = 1; i <= bekannt.anz; ++i) {
            if (!gleich(bekannt.at(i), eigene.at(wert2))) continue;
            for (int j = i; j < bekannt.anz; ++j) bekannt.at(j) = bekannt.at(j + 1);
            --bekannt.anz;
            break;
        }
    }
    int32_t* info = cg.schwimmen.sitzInfo[seat - 1];
    info[7] = info[8] = 0;
    for (int i = 1; i <= eigene.anz; ++i) {
        int farbe = 0, wert = 0;
        for (int j = 1; j <= eigene.anz; ++j) {
            farbe += eigene.at(j).f == eigene.at(i).f;
            wert += eigene.at(j).t == eigene.at(i).t;
        }
        if (farbe >= 2 || (farbe == 1 && !cg.schwimmen.mitPasch)) info[7] = eigene.at(i).f;
        if (cg.schwimmen.mitPasch && wert >= 2) info[8] = eigene.at(i).t;
    }
}

void kiTick() {
    const int seat = cg.aktSpieler;
    const int n = std::clamp<int>(cg.ablauf.anzSpieler, 2, 6);
    if (seat < 1 || seat > n) return;
    TSchwimmen& s = cg.schwimmen;
    const int frage = cg.phase.fluss2;
    const hand eigene = schwimmen::stapelHand(seat);
    const hand tisch = schwimmen::stapelHand(schwimmen::kTisch);
    const bool pasch = s.mitPasch != 0;
    int32_t* info = s.sitzInfo[seat - 1];
    const int stufe = cg.sitzEinstellungen.at(seat).staerke;

    if (frage == schwimmen::kTischKarte) {
        int slot = 0;
        if (stufe == 0) {
            slot = 1 + rnd::random(tisch.anz);
        } else {
            for (int j = 1; j <= tisch.anz; ++j)
                if (tisch.at(j).t == info[3] % 100 && tisch.at(j).f == info[3] / 100) slot = j;
            if (slot == 0) slot = 1;
        }
        central::antwort(cg, central::kStapel, schwimmen::kTisch, slot);
        return;
    }
    if (frage == schwimmen::kNeueKarten) {
        const hand talon = schwimmen::stapelHand(schwimmen::kTalon);
        hand oben{};
        for (int i = 0; i < 3 && i < talon.anz; ++i) oben.at(++oben.anz) = talon.at(talon.anz - i);
        bool neu = handWert(oben, pasch) > handWert(eigene, pasch);
        if (stufe == 0) neu = rnd::random(2) == 0;
        central::antwort(cg, central::kKnopf, 0, neu ? schwimmen::kNeueKarten : 0);
        return;
    }
    if (frage != schwimmen::kZug && frage != schwimmen::kZugAlle) return;

    if (stufe == 0) {
        std::vector<int> knoepfe = {schwimmen::kSchieben};
        if (!s.geklopft) knoepfe.push_back(schwimmen::kKlopfen);
        if (s.alleTauschen) knoepfe.push_back(schwimmen::kAlle);
        const int k = rnd::random(eigene.anz + static_cast<int>(knoepfe.size()));
        if (k < eigene.anz) {
            central::antwort(cg, central::kKarte, 0, k + 1);
        } else {
            central::antwort(cg, central::kKnopf, 0, knoepfe[static_cast<size_t>(k - eigene.anz)]);
        }
        return;
    }

    auto merken = [&](const Wahl& w) {
        info[0] = w.i;
        info[1] = w.j;
        info[2] = w.eigene.f * 100 + w.eigene.t;
        info[3] = w.tisch.f * 100 + w.tisch.t;
        info[4] = w.entscheidung;
        info[5] = w.schluessel;
        info[6] = w.wert;
    };
    Wahl w = direktWahl(eigene, tisch, s);
    if (w.entscheidung == 0) {
        std::vector<hand> haende;
        for (int p = 1; p <= n; ++p) haende.push_back(schwimmen::stapelHand(p));
        w = tauschWahl(haende, tisch, s, seat, stufe);
        // A swap chosen two or three decisions ago would only undo and redo itself.
        if (w.schluessel != 0 && (w.schluessel == info[10] || w.schluessel == info[11])) w.entscheidung = 0;
        info[11] = info[10];
        info[10] = info[9];
        info[9] = w.schluessel;
    }
    merken(w);
    if (w.entscheidung == 2) {
        central::antwort(cg, central::kKnopf, 0, schwimmen::kAlle);
    } else if (w.entscheidung == 1) {
        // A good swap may be remarked on first: the card the seat before just laid down, or a
        // ten or eleven, that lifts the hand well.
        const int jetzt = handWert(eigene, pasch);
        const bool gerade = w.j == s.abgelegtPos && w.wert >= jetzt + 30 && w.wert >= 250;
        const bool hoch = schwimmen::kartenWert(w.tisch.t) >= 10 && w.wert >= jetzt + 30 && w.wert >= 260;
        if (gerade)
            schwimmen::kommentar(1, seat, w.wert);
        else if (hoch)
            schwimmen::kommentar(1, seat, w.wert - 30);
        central::antwort(cg, central::kKarte, 0, w.i);
    } else if (!s.geklopft && handWert(eigene, pasch) >= 290) {
        central::antwort(cg, central::kKnopf, 0, schwimmen::kKlopfen);
    } else {
        central::antwort(cg, central::kKnopf, 0, schwimmen::kSchieben);
    }
}

}  // namespace schwimmenki
