// The computer player's rules: the strength classes before the flop and on the later streets,
// the decision by level with the advice of the learning store, and the rules every decision
// ends with (limits, pot commitment, short stacks).
#include <algorithm>
#include <cmath>

#include "core/gtool.h"
#include "games/casino/holdem_ki.h"
#include "platform/num.h"

namespace holdem::ki {

namespace {

double blur(double p, int n) { return std::clamp<double>(num::round(p + n), 0, 100); }

void erhoehen(PokerDecision& d, int32_t bbs) {
    d.kind = kErhoehen;
    d.unit = kBigBlinds;
    d.amount = bbs;
}
void mitgehen(PokerDecision& d) {
    d.kind = kMitgehen;
    d.unit = kOhne;
    d.amount = 0;
}
void setzen(PokerDecision& d, uint8_t kind) {
    d.kind = kind;
    d.unit = kOhne;
    d.amount = 0;
}

// Class to decision; limits[i] is the largest minimum raise (in big blinds) at which class 5 - i
// still raises (no limit on the later streets).
void klasseZuEntscheidung(const Tisch& t, int c, bool mitGrenzen, PokerDecision& d) {
    const int32_t bb = std::max(1, t.bigBlind);
    const int m = t.minErhoehungBB();
    struct Stufe {
        int klasse, grenze, groesse;
    };
    static constexpr Stufe kStufen[] = {{5, 20, 10}, {4, 8, 4}, {3, 4, 2}, {2, 2, 1}};
    if (c >= 6) {
        setzen(d, kAllesRein);
        return;
    }
    for (const Stufe& s : kStufen) {
        if (c < s.klasse || (mitGrenzen && m > s.grenze)) continue;
        const int32_t x = std::max(m, s.groesse);
        if (t.kannZahlen(int64_t{x} * bb > INT32_MAX ? INT32_MAX : x * bb)) {
            erhoehen(d, x);
            return;
        }
    }
    if (c >= 1 && t.kannZahlen(0)) {
        mitgehen(d);
        return;
    }
    // A seat that cannot cover the call calls with all it has, as the flow takes a short call.
    if (c >= 1 && t.chips > 0) {
        setzen(d, kAllesRein);
        return;
    }
    if (t.gesetzt == t.einsatz) {
        mitgehen(d);
        return;
    }
    setzen(d, kPassen);
}

}  // namespace

int talkBonus(int32_t b) {
    if (b >= 30) return 10;
    if (b >= 25) return 8;
    if (b >= 20) return 5;
    if (b >= 10) return 2;
    if (b >= 8) return 0;
    if (b >= 6) return -5;
    if (b >= 4) return -10;
    return 0;
}

// ---- before the flop ----

void preflopRules(const Tisch& t, double e1, double e2, const Zufall& z, PokerDecision& d) {
    const int32_t bb = std::max(1, t.bigBlind);
    double p1 = std::clamp(e1 * 100, 0.0, 100.0), p2 = std::clamp(e2 * 100, 0.0, 100.0);
    if (t.level == 2) {
        const int n = z.random(18) - 10;
        p1 = blur(p1, n);
        p2 = blur(p2, n);
    } else if (t.level == 1) {
        int n = z.draw() < 0.6 ? z.random(56) - 33 : 0;
        n -= 4;
        p1 = blur(p1, n);
        p2 = blur(p2, n);
    } else {
        int n = -6 + t.aggressionOffset;
        if (!t.splitLimit) p1 = blur(p1, n);
        n = -7 + (t.splitLimit ? 0 : t.aggressionOffset);
        p2 = std::max(0.0, std::min(p1, blur(p2, n)));
    }
    const double p = (p1 + p2) / 2;
    const double f = t.level == 1 ? 0.45 : 1.1;
    const double o = t.level == 3 ? (t.seat == 1 || t.seat == 5 ? 0.02 : 0.08) : t.level == 1 ? -0.08 : 0.0;
    const double anteil = num::round(t.position * 100.0 / std::max(1, t.spieler));
    const bool erhoeht = t.erhoehungenRunde > 0;
    int c = 0;
    if (!erhoeht && !t.allInHand) {
        if (anteil < 70 && t.imSpiel > 2) {
            if (anteil < 50 && t.imSpiel > 3)
                c = p >= 32 * (1 + o) || p1 >= 42 * (1 + o) ? 1 : 0;
            else
                c = p1 >= 29 * (1 + o) || (p1 >= 19 * (1 + o) && t.ersterBlind) ? 1 : 0;
        } else {
            c = p >= 22 * (1 + o) ? 1 : 0;
        }
    } else if (p2 >= 48 || p1 >= 50 || (p1 >= 45 && t.zuZahlen() <= bb)) {
        c = 1;
        if (t.allInHand && t.chips <= t.zuZahlen() && ((p1 >= 50 && t.allInSitze == 1) || p1 >= 60)) c = 6;
    }
    // the strength ladder
    const int k = 3 * t.andereErhoeht - 2;
    int reihe = 0;
    if (p >= k + 75 || (p >= k + 70 && p1 >= k + 80)) reihe = 1;
    else if (p >= k + 70 || (p >= k + 64 && p1 >= k + 75)) reihe = 2;
    else if (p >= k + 60 || (p >= k + 53 && p1 >= k + 65)) reihe = 3;
    else if (p >= k + 48 || (p >= k + 43 && p1 >= k + 56)) reihe = 4;
    else if (p >= k + 40 || (p >= k + 35 && p1 >= k + 52)) reihe = 5;
    if (reihe > 0) {
        struct Zug {
            double chance;
            int klasse;
        };
        static constexpr Zug kErste[5][4] = {{{0.15, 4}, {0.21, 2}, {0.32, 2}, {0.43, 1}},
                                             {{0.05, 4}, {0.2, 3}, {0.3, 2}, {0.4, 1}},
                                             {{0.1, 5}, {0.2, 4}, {0.3, 3}, {0, 0}},
                                             {{0.18, 6}, {0.2, 5}, {0.3, 4}, {0, 0}},
                                             {{0.1, 5}, {0.2, 4}, {0, 0}, {0, 0}}};
        static constexpr Zug kZweite[5][4] = {{{0.15, 6}, {0.21, 4}, {0.32, 3}, {0.43, 2}},
                                              {{0.05, 6}, {0.2, 4}, {0.3, 3}, {0.4, 2}},
                                              {{0.1, 4}, {0.2, 3}, {0.3, 2}, {0, 0}},
                                              {{0.1, 4}, {0.15, 3}, {0.3, 2}, {0, 0}},
                                              {{0.1, 3}, {0.2, 2}, {0, 0}, {0, 0}}};
        const bool erste = !erhoeht || z.draw() > 0.7;
        double fr = f;
        if (erste && erhoeht && reihe >= 3) {
            static constexpr double kEin[3] = {0.5, 0.3, 0.2}, kMehr[3] = {0.2, 0.1, 0.0};
            fr = (t.erhoehungenRunde == 1 ? kEin : kMehr)[reihe - 3];
        }
        const auto& zeile = (erste ? kErste : kZweite)[reihe - 1];
        for (const Zug& zug : zeile) {
            if (zug.klasse == 0) break;
            if (z.draw() < zug.chance * fr) {
                c = zug.klasse;
                break;
            }
        }
    }
    c = std::min(c, 6);
    if (t.level == 1 && c > 1 && z.draw() < 0.3) c = 1;
    klasseZuEntscheidung(t, c, true, d);
}

// ---- the later streets without advice ----

void ruleDecision(const Tisch& t, double e1, double e2, const Zufall& z, PokerDecision& d) {
    const int32_t bb = std::max(1, t.bigBlind);
    const double p1 = std::clamp(e1 * 100, 0.0, 100.0), p2 = std::clamp(e2 * 100, 0.0, 100.0);
    const double calm = ruhe(t);
    const double p = mischung(calm, p1, p2);
    int c;
    if (t.strasse == 5) {
        c = p >= 90 ? 6 : p >= 84 ? 5 : p >= 75 ? 4 : p >= 68 ? 3 : p >= 60 ? 2 : p >= 50 ? 1 : 0;
        if (c > 1) {
            if (z.draw() < 0.12) --c;
            if (z.draw() < 0.9) c += 2;
            else if (z.draw() < 0.8) c += 1;
        } else if (z.draw() < 0.9) {
            ++c;
        }
    } else {
        c = p >= 95 ? 6 : p >= 90 ? 5 : p >= 80 ? 4 : p >= 72 ? 3 : p >= 65 ? 2 : p >= 50 ? 1 : 0;
        if (t.andereErhoeht == 0) {
            if (p >= 30 && t.zuZahlen() <= bb) c = 1;
            if (p >= 40 && t.zuZahlen() <= 2 * bb) c = 1;
        }
        if (c > 1) {
            if (t.strasse == 3) {
                if (z.draw() < 1 - 0.6 * p / 100) c = 1;
                if (z.draw() < 1 - 0.7 * p / 100) c -= 1;
            }
            if (calm >= 70 && p >= 60) {
                for (int plus : {3, 2, 1})
                    if (z.draw() < 0.8) c += plus;
            } else if (calm >= 50 && p >= 40) {
                for (int plus : {2, 1})
                    if (z.draw() < 0.8) c += plus;
            } else if (calm >= 30 && p >= 20) {
                if (z.draw() < 0.8) c += 1;
            }
        }
        if (c > 1 && z.draw() < 0.1) c -= 1;
        if (z.draw() < 0.3) c = 1;
    }
    c = std::clamp(c, 0, 6);
    if (gtool::kiLogAn)
        kiLog("\n\rNr" + std::to_string(t.seat) + " - G:" + std::to_string(c) + ", Win:" + tausendstel(p * 10));
    klasseZuEntscheidung(t, c, false, d);
}

// ---- the final rules ----

void commonFinalRules(const Tisch& t, const PokerSituation& s, PokerDecision& d) {
    const int32_t bb = std::max(1, t.bigBlind);
    const int32_t zu = t.zuZahlen();
    const double p0 = s.win / 2.55, p1 = s.winFirst / 2.55, p2 = s.winSecond / 2.55;
    const int b1 = s.winFirst;
    const int32_t v = s.value;
    const bool spaeter = t.strasse > 1;
    if (t.andereAllIn && d.kind == kErhoehen) mitgehen(d);
    if (spaeter && d.kind == kPassen) {
        const int k = 3 * t.andereErhoeht - 4 + t.erhoehungenRunde;
        const bool bleibt = p0 < 44 + k && (p0 < 36 + k || b1 < 49) &&
                            (v < -10 * bb || (p0 < 40 + k && (p0 < 32 + k || b1 < 46))) &&
                            (v < -4 * bb || (p0 < 36 + k && (p0 < 30 + k || b1 < 43))) &&
                            (v < -2 * bb || (p0 < 22 + k && (p0 < 18 + k || b1 < 36))) &&
                            (v < -bb || (p0 < 18 + k && (p0 < 15 + k || b1 < 28))) &&
                            (v < 0 || (p0 < 11 + k && (p0 < 8 + k || b1 < 25)));
        if (!bleibt && t.kannZahlen(0)) mitgehen(d);
    }
    if (spaeter && d.kind == kPassen && (p0 >= 70 || p2 >= 60) && t.kannZahlen(0)) mitgehen(d);
    if (d.kind == kErhoehen && d.unit == kBigBlinds) {
        d.amount = static_cast<int32_t>(std::min<int64_t>(int64_t{d.amount} * bb, INT32_MAX));
        d.unit = kChips;
    }
    if (d.kind == kAllesRein && !t.allInErlaubt) {
        if (t.kannErhoehen) {
            d.kind = kErhoehen;
            d.unit = kChips;
            d.amount = t.maxErhoehung;
        } else {
            mitgehen(d);
        }
    }
    if (d.kind == kErhoehen && d.unit == kChips) d.amount = std::min(d.amount, t.maxErhoehung);
    if (t.splitLimit && d.kind == kErhoehen && !t.kannErhoehen) mitgehen(d);
    if (v <= bb && (int64_t{zu / bb} * bb + t.gesetzt) * 4 >= t.tischEinsatz && zu > 2 * bb &&
        (d.kind == kErhoehen || d.kind == kMitgehen) && (p0 <= 48 || p1 <= 68))
        setzen(d, kPassen);
    int64_t rest = t.chips;
    if (d.kind == kMitgehen) rest = int64_t{t.chips} - zu;
    if (d.kind == kErhoehen) rest = int64_t{t.chips} - zu - (d.unit == kChips ? d.amount : 0);
    if (t.allInErlaubt && ((rest > 0 && rest < bb) ||
                           (rest > 0 && rest < 2 * bb && t.teiler > 0 && (t.ablaufZaehler + 1) % t.teiler == 0)))
        setzen(d, kAllesRein);
}

// ---- the decision ----

void decideAction(const Tisch& t, const Schaetzung& e, Clusterer& store, const Zufall& z, PokerDecision& d) {
    d = PokerDecision{};
    const int32_t bb = std::max(1, t.bigBlind);
    if (t.strasse <= 1) {
        preflopRules(t, e.erste, e.zweite, z, d);
        const PokerSituation s = computeBringSetSums(t, e.erste, e.zweite, z);
        const double p = s.win / 2.55;
        const int32_t v = s.value;
        if (t.erhoehungenRunde > 0 && d.kind == kPassen && t.kannZahlen(0) &&
            ((v >= 1 && p >= 48) || (v >= bb && p >= 38) || (v >= 2 * bb && p >= 28)))
            mitgehen(d);
        commonFinalRules(t, s, d);
        return;
    }
    const PokerSituation s = computeBringSetSums(t, e.erste, e.zweite, z);
    if (gtool::kiLogAn)
        kiLog("\n\rNr" + std::to_string(t.seat) + " - E:" + tausendstel(s.value) + ", Win:" + tausendstel(s.win * 10));
    int advice = store.nearestAdvice(s, t.seat, t.level, z);
    if (t.level == 1 && advice > 1 && z.draw() < 0.8)
        advice = advice == 100 ? 4 + z.random(8) : static_cast<int>(num::round(advice * 0.5));
    if (advice == -10) {
        ruleDecision(t, e.ersteExakt, e.zweiteExakt, z, d);
        commonFinalRules(t, s, d);
        return;
    }
    const int32_t v = s.value;
    double f = 0;
    if (v >= -bb) f = t.strasse == 3 ? 0.6 : t.strasse == 5 ? 0.75 : 1.0;
    if (v > -bb) {
        if (2 * v > -bb) {
            if (v < 0) f *= 0.6;
            else if (v >= bb) f *= 1.15;
        } else {
            f *= 0.5;
        }
    } else {
        f *= 0.35;
    }
    if (2 * v < bb) f = 0.85;
    if (!t.splitLimit) {
        const int r = t.erhoehungenRunde;
        f -= r >= 7 ? 0.44 : r == 6 ? 0.32 : r == 5 ? 0.2 : r == 4 ? 0.12 : r == 3 ? 0.06 : 0.0;
    }
    const double p0 = s.win / 2.55, p1 = s.winFirst / 2.55;
    struct Reihe {
        double a, b, c, chance;
        int plus, spanne;
    };
    static constexpr Reihe kReihen[] = {{68, 62, 76, 0.7, 8, 21},
                                        {63, 56, 72, 0.6, 4, 21},
                                        {58, 50, 65, 0.52, 2, 21},
                                        {40, 32, 58, 0.46, 1, 13},
                                        {28, 22, 50, 0.36, 1, 9}};
    for (const Reihe& r : kReihen) {
        if (!(p0 >= r.a || (p0 >= r.b && p1 >= r.c))) continue;
        if (z.draw() < r.chance * f) advice += r.plus + z.random(r.spanne);
        break;
    }
    if (s.win > 42 && s.winFirst > 52 && advice > 0) {
        const double g = (t.strasse == 3 ? 0.75 : 1.0) * (t.strasse == 7 ? 1.25 : 1.0);
        const double c = (bb <= 200 ? 0.3 : 0.2) * g;
        if (z.draw() < c) advice *= 2;
        else if (z.draw() < c) advice += 1 + z.random(6);
        else if (z.draw() < c) advice += z.random(5);
    }
    const int m = t.minErhoehungBB();
    if (!t.kannZahlen(0) && (advice > -2 || v >= 0)) advice = 100;
    if (t.level == 1 && advice > 0 && z.draw() < 0.4) advice = -1;
    const int32_t zu = t.zuZahlen();
    if (advice == 100) {
        setzen(d, kAllesRein);
    } else {
        const int32_t betrag = std::max(m, advice);
        if (advice >= 0 && t.kannZahlen(static_cast<int32_t>(std::min<int64_t>(int64_t{betrag} * bb, INT32_MAX)))) {
            erhoehen(d, betrag);
        } else if (advice == -1 && t.kannZahlen(0)) {
            mitgehen(d);
        } else if (t.gesetzt == t.einsatz) {
            mitgehen(d);
        } else {
            setzen(d, kPassen);
        }
        int64_t rest = t.chips;
        if (d.kind == kErhoehen) rest = int64_t{t.chips} - zu - int64_t{d.amount} * bb;
        else if (d.kind == kMitgehen) rest = int64_t{t.chips} - zu;
        if (rest < bb) setzen(d, kAllesRein);
    }
    commonFinalRules(t, s, d);
}

}  // namespace holdem::ki
