// Party estimation: a seat that puts points on a trick another seat is expected to win, though
// it could have played cheaper, is likely that seat's partner. The evidence is gathered per
// observer and turned into believed parties with a threshold and a hysteresis.
#include "games/schafkopf_doppelkopf/sd_partei.h"

#include "games/schafkopf_doppelkopf/sd_tisch.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/text.h"

namespace sdki {

namespace {

int nach(int seat, int n = 1) { return (seat - 1 + n) % 4 + 1; }

// The runtime's rounding, halves to even.
int runden(double x) { return static_cast<int>(num::round(x)); }

}  // namespace

int evidenzPunkte(float p) {
    struct Stufe {
        float ab;
        int punkte;
    };
    static constexpr Stufe kStufen[] = {{0.975f, 120}, {0.95f, 100}, {0.925f, 90}, {0.9f, 80},
                                        {0.875f, 72},  {0.85f, 65},  {0.825f, 58}, {0.8f, 52},
                                        {0.775f, 45},  {0.75f, 38},  {0.725f, 32}, {0.7f, 26},
                                        {0.675f, 20},  {0.65f, 15},  {0.625f, 10}, {0.6f, 5},
                                        {0.575f, 3},   {0.55f, 2},   {0.525f, 1}};
    for (const Stufe& s : kStufen)
        if (p > s.ab) return s.punkte;
    return 0;
}

int32_t& evidenz(TParteiSicht& v, int p, int w) { return v.frei1[4 * p + w - 1]; }
int32_t evidenz(const TParteiSicht& v, int p, int w) { return v.frei1[4 * p + w - 1]; }
int32_t& punkte(TParteiSicht& v, int u) { return v.frei1[u - 1]; }

int parteievt(const TParteiSicht* sichten, int seat, int viewer) {
    return sd::parteiCode(sichten, seat, viewer, "parteievt");
}

bool gegner(const TParteiSicht* sichten, int a, int b, int viewer, bool istSolo, int solist) {
    if (istSolo) return a != b && (a == solist || b == solist);
    return parteievt(sichten, a, viewer) != parteievt(sichten, b, viewer);
}

void partnerSetzen(Sicht& s, const TParteiSicht* sichten, bool istSolo, int solist) {
    s.partner1 = s.partner1Letzter = s.partner2 = s.partner2Letzter = 0;
    const int ich = s.ich;
    if (ich < 1 || ich > 4) return;
    if (istSolo) {
        if (s.letzter == ich || !partner(sichten, ich, s.letzter, ich, true, solist)) return;
        s.partner1Letzter = s.partner2Letzter = 1;
        for (int u = 1; u <= 4; ++u)
            if (u != ich && partner(sichten, ich, u, ich, true, solist)) s.partner1 = s.partner2 = u;
        return;
    }
    const TParteiSicht& row = sichten[ich];
    for (int u = 1; u <= 4; ++u) {
        if (u == ich) continue;
        if (row.code[u - 1] == row.code[ich - 1]) {
            s.partner1 = u;
            s.partner1Letzter = u == s.letzter ? 1 : 0;
        }
        if (parteievt(sichten, u, ich) == parteievt(sichten, ich, ich)) {
            s.partner2 = u;
            s.partner2Letzter = u == s.letzter ? 1 : 0;
        }
    }
}

Erwartung erwarteterSieger(const Sicht& sp, const LernLage& l) {
    Erwartung e{l.sieger, 0.0f};
    const int p = l.spieler;
    const int n1 = nach(p), n2 = nach(p, 2);
    const karte& c = l.besteKarte;
    const int klasseC = farbklasse(sp.regeln, c);
    if (l.stichAnz == 1) {
        const float h1 = wktHoeher(sp, n1, c), h2 = wktHoeher(sp, n2, c);
        float r1 = 0.0f, r2 = 0.0f;
        if (klasseC != kKlasseTrumpf) {
            r1 = wktFreiUndFarbe(sp, n1, klasseC, kKlasseTrumpf);
            r2 = wktFreiUndFarbe(sp, n2, klasseC, kKlasseTrumpf);
        }
        const float bleibt1 = (1 - h1) * (1 - r1), bleibt2 = (1 - h2) * (1 - r2);
        const float halten = bleibt1 * bleibt2, nimmt1 = 1 - bleibt1, nimmt2 = 1 - bleibt2;
        if (halten > 0.5f)
            e = {l.sieger, halten};
        else if (nimmt1 > 0.5f)
            e = {n1, nimmt1};
        else if (nimmt2 > 0.5f)
            e = {n2, nimmt2};
    } else if (l.stichAnz == 2) {
        const int klasseL = farbklasse(sp.regeln, l.stich[0]);
        float nimmt;
        if (klasseC == klasseL)
            nimmt = 1 - (1 - wktHoeher(sp, n1, c)) * (1 - wktFreiUndFarbe(sp, n1, klasseL, kKlasseTrumpf));
        else
            nimmt = wktFrei(sp, n1, klasseL) * wktHoeher(sp, n1, c);
        e = nimmt > 0.5f ? Erwartung{n1, nimmt} : Erwartung{l.sieger, 1 - nimmt};
    } else if (l.stichAnz == 3) {
        e = {l.sieger, 1.0f};
    }
    return e;
}

int evidenzAus(const Sicht& so, int spieler, const karte& k, const karte& led, float gewicht) {
    const int klasseL = farbklasse(so.regeln, led);
    // only positive evidence is kept: a low card played on a partner's trick proves nothing
    if (!istHochkarte(k)) return 0;
    const float q = wktWenigerAugen(so, spieler, k, klasseL);
    return evidenzPunkte(q * gewicht);
}

void konsistenz(TParteiSicht* sichten) {
    for (int o = 1; o <= 4; ++o) {
        TParteiSicht& v = sichten[o];
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j) {
                const int ci = v.code[i - 1], cj = v.code[j - 1];
                if (i == j || ci == 9 || cj == 9) continue;
                int32_t& e = evidenz(v, i, j);
                if (ci == cj ? e < 0 : e > 0) e = 0;
            }
    }
}

void zuordnen(TParteiSicht* sichten, int o) {
    TParteiSicht& v = sichten[o];
    const int own = parteievt(sichten, o, o);
    const int other = own == 10 ? 11 : 10;
    int ownCount = 0, otherCount = 0;
    for (int u = 1; u <= 4; ++u) {
        if (u == o) continue;
        ownCount += v.code[u - 1] == own;
        otherCount += v.code[u - 1] == other;
    }
    int ownZuerst = 0;  // the seat given the own party in this round
    for (int u = 1; u <= 4; ++u) {
        if (u == o || v.code[u - 1] != 9) continue;
        int score = runden(evidenz(v, u, o) * 3.5);
        for (int w = 1; w <= 4; ++w) {
            if (w == o || w == u) continue;
            score += parteievt(sichten, w, o) == own ? evidenz(v, u, w) : -evidenz(v, u, w);
        }
        punkte(v, u) = score;
        const int schwelle = v.code2[u - 1] == 9 ? 40 : 0;
        if (score > schwelle) {
            ++ownCount;
            if (ownCount <= 1) {
                v.code2[u - 1] = own;
                ownZuerst = u;
            } else if (ownZuerst != 0 && ownZuerst != u && punkte(v, ownZuerst) < score) {
                v.code2[ownZuerst - 1] = 9;
                v.code2[u - 1] = own;
                ownZuerst = u;
            }
        } else if (score < -schwelle) {
            ++otherCount;
            if (otherCount <= 2) {
                v.code2[u - 1] = other;
            } else {
                for (int w = 1; w <= 4; ++w)
                    if (w != o && w != u && v.code[w - 1] == 9 && v.code2[w - 1] == other &&
                        punkte(v, w) > score) {
                        v.code2[w - 1] = 9;
                        v.code2[u - 1] = other;
                        break;
                    }
            }
        }
    }
    // never more than one partner and two opponents
    int inOwn = 0, inOther = 0;
    for (int u = 1; u <= 4; ++u) {
        if (u == o) continue;
        inOwn += parteievt(sichten, u, o) == own;
        inOther += parteievt(sichten, u, o) == other;
    }
    if (inOwn > 1) {
        int tief = 0, min = 100000;
        for (int u = 1; u <= 4; ++u)
            if (u != o && v.code[u - 1] == 9 && v.code2[u - 1] == own && punkte(v, u) < min) {
                min = punkte(v, u);
                tief = u;
            }
        if (tief) v.code2[tief - 1] = 9;
    }
    if (inOther > 2) {
        int hoch = 0, max = -100000;
        for (int u = 1; u <= 4; ++u)
            if (u != o && v.code[u - 1] == 9 && v.code2[u - 1] == other && punkte(v, u) > max) {
                max = punkte(v, u);
                hoch = u;
            }
        if (hoch) v.code2[hoch - 1] = 9;
    }
}

void parteiLernen(const LernLage& l) {
    if (!l.sichten || !l.sichtFuer || l.spieler < 1 || l.spieler > 4) return;
    if (l.stichAnz > 0 && l.stich) {
        const Sicht sp = l.sichtFuer(0, l.ctx);
        const Erwartung x = erwarteterSieger(sp, l);
        if (x.seat != l.spieler && x.seat >= 1 && x.seat <= 4) {
            for (int o = 0; o <= 4; ++o) {
                const Sicht so = l.sichtFuer(o, l.ctx);
                evidenz(l.sichten[o], l.spieler, x.seat) += evidenzAus(so, l.spieler, l.karte_, l.stich[0], x.gewicht);
            }
        }
    }
    konsistenz(l.sichten);
    for (int o = 1; o <= 4; ++o) zuordnen(l.sichten, o);
}

bool signal(TParteiSicht* sichten, int p, int code, int w) {
    bool alle = true;
    for (int v = 1; v <= 4; ++v) {
        if (v == p) continue;
        const int eigen = parteievt(sichten, v, v);
        if (eigen != 10 && eigen != 11) {
            msgsink::show("ACHTUNG! Logikfehler: partei_evt[" + text::fromInt(v) + "," + text::fromInt(v) +
                          "]=" + text::fromInt(eigen));
            alle = false;
            continue;
        }
        evidenz(sichten[v], p, v) += eigen == code ? w : -w;
    }
    return alle;
}

}  // namespace sdki
