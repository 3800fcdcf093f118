// Choosing a card: leads by a few direct rules, following by a one-trick rating of every playable
// card (who takes the trick, whether the card shows the seat's party, a Fuchs or a trick of 40 at
// stake, what the card is worth).
#include <algorithm>

#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/doppelkopf_ki.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"
#include "platform/num.h"
#include "platform/rnd.h"

namespace doppelkopfki {

namespace {

int R(double x) { return static_cast<int>(num::round(x)); }

bool imSolo() { return arbeit().istSolo; }
bool istSolist(int seat) { return imSolo() && seat == arbeit().lage.solist; }

bool hochzeitWartet() { return arbeit().lage.hochzeitOffen; }

// The seat knows a partner.
bool kenntPartner() {
    const Arbeit& a = arbeit();
    if (imSolo()) return a.ich != a.lage.solist;
    return !hochzeitWartet() && a.partner2 != 0;
}

bool partnerLetzter() { return arbeit().partner1Letzter || arbeit().partner2Letzter; }

int offenbartFlag(int seat) { return arbeit().lage.sichten[static_cast<size_t>(seat)].frei2[3]; }

int kreuzDamenGespielt() {
    int n = 0;
    for (int s = 1; s <= 4; ++s) n += arbeit().lage.kreuzDamenGespielt[static_cast<size_t>(s)];
    return n;
}

bool jemandOeffentlichRe() {
    for (int s = 0; s < 4; ++s)
        if (arbeit().lage.sichten[0].code[s] == 10) return true;
    return false;
}

struct Stich {
    std::vector<karte> t;  // the trick with the candidate
    int w = 0;             // its winner
    karte b{};             // its winning card
    karte a{};             // the led card
    int l = 0;             // the seat that led
};

Stich mitKarte(const karte& e) {
    const Arbeit& a = arbeit();
    Stich s;
    s.t = a.lage.stich;
    s.t.push_back(karte{e.t, e.f, static_cast<uint16_t>(a.ich)});
    const int i = doppelkopf::stichSieger(a.ord, s.t, a.lage.zweiteDulle);
    s.b = s.t[static_cast<size_t>(i)];
    s.w = s.b.nr;
    s.a = s.t.front();
    s.l = s.a.nr;
    return s;
}

}  // namespace

bool sicherFreund(int seat) {
    const Arbeit& a = arbeit();
    if (imSolo()) return partner(seat, a.ich, a.ich);
    return seat == a.ich || (kenntPartner() && seat == a.partner1);
}

bool evtFreund(int seat) {
    const Arbeit& a = arbeit();
    if (imSolo()) return partner(seat, a.ich, a.ich);
    return seat == a.ich || (kenntPartner() && (seat == a.partner1 || seat == a.partner2));
}

float nichtUeberbieten(int seat, const karte& a, const karte& b) {
    const bool at = farbklasse(a) == 6, bt = farbklasse(b) == 6;
    if (at && bt) return 1.0f - wktHoeher(seat, b);
    if (!at && bt) return 1.0f - wktFrei(seat, farbklasse(a)) * wktHoeher(seat, b);
    if (!at && !bt) return (1.0f - wktFreiUndFarbe(seat, farbklasse(a), 6)) * (1.0f - wktHoeher(seat, b));
    return 0.0f;
}

float wktZwilling(int seat, const karte& k, int klasse, bool flag) {
    if (farbklasse(k) != 6) return 0.0f;
    sdki::Abfrage q;
    q.art = 5;
    q.hoeher = kartenRang(k);
    if (!flag) {
        if (klasse != 6) q.auchFrei = klasse;
        return wktHat(seat, q, 1);
    }
    if (klasse == 6) return wktHat(seat, q, 1) * (1.0f - wktHoeher(seat, k)) * (1.0f - wktNiedriger(seat, k));
    return 0.0f;  // no seat's hand lies open in this game
}

int vergleichStufe(float v, float q) {
    if (v > 2 * q) return -200;
    if (v > 1.5f * q) return -60;
    if (v > 1.2f * q) return -30;
    if (v > q) return -10;
    if (v < 0.4f * q) return 90;
    if (v > 0.6f * q) return 50;
    return 0;  // from 0.4q to 0.6q: no bonus either way
}

int kandidatPunkte(const Kandidat& c) {
    // single floats throughout, as the chances are kept: p = 0.3 is not above 0.3
    const float p = c.pGewinn, a = c.stichAugen;
    int score = R(10.0f * p * a) - R((1.0f - p) * 10.0f * a);
    if (c.offenbar > 1)
        score += R(220.0f * p + 120.0f);
    else if (p > 0.3f && c.offenbar == 1)
        score += R(100.0f * p + 80.0f);
    const int fig = c.fig1 + c.fig2;
    if (fig > 50)
        score += R(fig * 20.0);
    else if (fig >= -50)
        score += fig * 5;
    else
        score -= R(-fig * 20.0);
    score -= R(c.kartenWert * (p > 0.5f ? 2.0f : 1.0f));
    if (p > 0.5f) {
        const int r = vergleichStufe(c.vergleich, a / 4.0f);
        score += r >= 0 ? R(static_cast<float>(r) * (p - 0.5f)) : R((2.0f - p) * static_cast<float>(r));
    }
    return score;
}

std::vector<Kandidat> kartenBewertung() {
    const Arbeit& a = arbeit();
    const int ich = a.ich;
    const int k = a.stichAnzahl;
    const int s1 = sd::naechster(ich, 1), s2 = sd::naechster(ich, 2), s3 = sd::naechster(ich, 3);
    const int v = sd::naechster(ich, 3);
    const int st = stufeIch();
    std::vector<Kandidat> out;
    for (const karte& e : a.spielbar) {
        Kandidat c;
        const Stich t = mitKarte(e);
        auto N = [&](int seat) { return nichtUeberbieten(seat, t.a, t.b); };
        float p = 0.0f;
        if (k == 3) {
            p = sicherFreund(t.w) ? 1.0f : (evtFreund(t.w) ? 0.9f : 0.0f);
            c.text = p > 0 ? "den nehm ich / meine Partei" : "den nehm nicht ich, evt. Gegenpartei";
        } else if (k == 2) {
            if (evtFreund(t.w) && evtFreund(s1)) {
                p = sicherFreund(t.w) && sicherFreund(s1) ? 1.0f : 0.9f;
                c.text = p == 1.0f ? "winner und letzter sind partei" : "letzter ist partei und gewinnt";
            } else if (evtFreund(t.w)) {
                p = N(s1);
                c.text = "letzter ist nicht partei, kanner er \xfc" "berbieten?";
            } else if (evtFreund(s1)) {
                p = 1.0f - N(s1);
                if (!sicherFreund(s1)) p *= 0.9f;
                c.text = "n\xe4" "chster ist partei: wkt, letzter freund nimmt";
            } else {
                c.text = "Winner = Feind, letzter = Feind";
            }
        } else if (k == 1) {
            if (evtFreund(t.l)) {
                if (!imSolo()) {
                    p = N(s1) * N(s2);
                } else {
                    const int g = istSolist(s1) ? s1 : s2;
                    const int kk = g == s1 ? s2 : s1;
                    const float x = 1.0f - N(g);
                    p = kk == s2 ? 1.0f - N(kk) * x : 1.0f - x;
                }
                c.text = "wkt, dass letzte beiden gegner nicht \xfc" "berbieten";
            } else if (t.w == ich && !kenntPartner()) {
                p = N(s1) * N(s2);
                c.text = "ohne Kumpel";
            } else if (!kenntPartner()) {
                c.text = "Kein Kumpel!";
            } else if (imSolo()) {
                p = evtFreund(t.w) ? 1.0f : 1.0f - N(s1) * N(s2);
                c.text = "Wkt, dass Kumpel den Solosp. \xfc" "berbietet";
            } else {
                int kk = 0, g = 0;
                for (int s : {s1, s2}) (evtFreund(s) ? kk : g) = s;
                const float f = kk ? 1.0f - N(kk) : 0.0f;
                const float gg = g ? 1.0f - N(g) : 0.0f;
                const float halten = (1 - f) * (1 - gg);
                if (halten > 0.6f) {
                    p = evtFreund(t.w) ? (partnerLetzter() ? halten : 0.7f * halten) : 0.0f;
                } else if (f > 0.8f && gg < 0.5f) {
                    p = partnerLetzter() ? 0.85f : 0.6f;
                    c.text = "wkt, dass von beiden freund sicher durchbringt";
                } else if (gg > 0.8f && f < 0.5f) {
                    p = partnerLetzter() ? 0.3f : 0.15f;
                    c.text = "ich glaub, dass von beiden feind sicher durchbringt";
                }
            }
        }
        if (hochzeitWartet() && ich == a.lage.hochzeit) p = 1.0f;
        if (st == 2) p = p - 0.1f + 0.2f * static_cast<float>(rnd::uniform());
        if (st <= 1) p = p - 0.15f + 0.3f * static_cast<float>(rnd::uniform());
        p = std::clamp(p, 0.0f, 1.0f);
        c.pGewinn = p;
        if (c.text.size() > 50) c.text.resize(50);

        // showing the party
        if (!imSolo()) {
            bool offen = a.parteiOffen || a.lage.sichten[0].code[ich - 1] != 9;
            if (offenbartFlag(ich) == 0 && a.ichRe && !offen) {
                if (istKreuzDame(e)) {
                    c.offenbar = kreuzDamenGespielt() == 0 && !jemandOeffentlichRe() ? 2 : 1;
                } else if (a.partner1 != 0) {
                    bool nimmt = false;
                    const bool ruff = farbklasse(t.a) != 6 && farbklasse(t.b) == 6;
                    if (k == 3) {
                        nimmt = t.w == a.partner1;
                    } else if (a.partner1Letzter) {
                        float x = ruff ? wktFrei(a.partner1, farbklasse(t.a)) * wktHoeher(a.partner1, t.b)
                                       : wktHoeher(a.partner1, t.b);
                        if (k == 1 && (wktHoeher(s1, t.b) > 0.2f || (ruff && wktFrei(s1, farbklasse(t.a)) > 0.2f)))
                            x = 0.0f;
                        nimmt = x > 0.8f;
                    } else if (t.w == a.partner1) {
                        if (ruff) {
                            const float x = k == 2 ? wktFarbe(s1, farbklasse(t.a))
                                                   : wktFarbe(s1, farbklasse(t.a)) * wktFarbe(s2, farbklasse(t.a));
                            nimmt = x > 0.8f;
                        }
                        if (farbklasse(t.b) == 6 && hoehereKarten(t.b, a.sicht.unbekannt) == 0) nimmt = true;
                    }
                    const auto hochwertig = [](const karte& x) {
                        return x.t == doppelkopf::kZehn || x.t == doppelkopf::kAs;
                    };
                    const bool andere = std::any_of(a.spielbar.begin(), a.spielbar.end(),
                                                    [&](const karte& x) { return !hochwertig(x); });
                    if (nimmt && hochwertig(e) && (andere || a.spielbar.size() >= 3)) c.offenbar = e.t;
                }
            }
        }

        // the Fuchs and a trick of 40
        const int augenT = doppelkopf::augenSumme(t.t);
        if (!imSolo()) {
            if (a.lage.fuchsFangen) {
                const karte fuchs{doppelkopf::kAs, doppelkopf::kKaro, 0};
                const int ka = farbklasse(t.a);
                auto Z = [&](int seat, bool flag) { return wktZwilling(seat, fuchs, ka, flag); };
                float f = std::any_of(t.t.begin(), t.t.end(), istFuchs) ? 1.0f : 0.0f;
                if (k == 2) {
                    if (sicherFreund(t.w))
                        f = s1 == a.partner2 || istFuchs(t.b) ? Z(s1, false) : Z(s1, true);
                    else
                        f = s1 == a.partner2 && !istFuchs(t.b) ? Z(s1, true) : Z(s1, false);
                } else if (k == 1) {
                    if (sicherFreund(v)) {
                        f = 1 - (1 - Z(s1, true)) * (1 - Z(s2, true));
                    } else {
                        const int kk = sicherFreund(s2) ? s2 : s1;
                        const int o = kk == s2 ? s1 : s2;
                        f = sicherFreund(t.w) ? 1 - (1 - Z(kk, false)) * (1 - Z(o, true))
                                              : 1 - (1 - Z(kk, true)) * (1 - Z(o, false));
                    }
                } else if (k == 0) {
                    f = 1 - (1 - Z(s1, true)) * (1 - Z(s2, false)) * (1 - Z(s3, false));
                }
                c.fig1 = R((p - 0.5) * f * 200);
            }
            if (a.lage.doppelkopfPunkte) {
                const bool trumpfA = farbklasse(t.a) == 6;
                const karte d1 = trumpfA ? karte{doppelkopf::kDame, doppelkopf::kKreuz, 0}
                                         : karte{doppelkopf::kKoenig, t.a.f, 0};
                const karte d2 = trumpfA ? karte{doppelkopf::kZehn, doppelkopf::kHerz, 0}
                                         : karte{doppelkopf::kZehn, t.a.f, 0};
                auto H = [&](int s) { return wktHoeher(s, d1); };
                auto U = [&](int s) { return 1.0f - wktNiedriger(s, d2); };
                float x = 0.0f;
                if (p < 0.4f) {
                    if (augenT >= 40) {
                        c.fig2 = -R(100 * (1 - p));
                    } else if (k == 2 && augenT >= 30) {
                        x = partnerLetzter() ? H(s1) * U(s1) : H(s1);
                        c.fig2 = -R(100 * x * (1 - p));
                    } else if (k == 1 && augenT >= 20) {
                        if (v == a.partner2)
                            x = H(s1) * H(s2);
                        else if (s1 == a.partner2)
                            x = H(s2) * H(s1) * U(s1);
                        else if (s2 == a.partner2)
                            x = H(s1) * H(s2) * U(s2);
                        c.fig2 = -R(100 * x * (1 - p));
                    }
                } else if (p > 0.6f) {
                    if (augenT >= 40) {
                        c.fig2 = R(100 * p);
                    } else if (k == 2 && augenT >= 30) {
                        x = partnerLetzter() ? H(s1) : H(s1) * U(s1);
                        c.fig2 = R(100 * x * p);
                    } else if (k == 1 && augenT >= 20) {
                        if (v == a.partner2)
                            x = H(s1) * U(s1) * H(s2) * U(s2);
                        else if (s2 == a.partner2)
                            x = H(s2) * H(s1) * U(s1);
                        else if (s1 == a.partner2)
                            x = H(s1) * H(s2) * U(s2);
                        c.fig2 = R(100 * x * p);
                    }
                }
            }
            if (hochzeitWartet() && ich != a.lage.hochzeit) c.fig2 = R(100 * p);
        }

        c.stichAugen = static_cast<float>(augenT);
        if (k < 3) c.stichAugen += 0.85f * static_cast<float>(3 - k) * augenSchnitt();

        // what spending the card costs
        if (farbklasse(e) == 6) {
            int w = trumpfKosten(hoeherUnbekannt(e));
            if (istDulle(e)) w += 40;
            if (!imSolo() && offenbartFlag(ich) == 0) {
                if (istDulle(e)) w += 20;
                if (istKreuzDame(e)) w -= 20;
            }
            c.kartenWert = static_cast<float>(w);
            if (k > 0) {
                const int vorher = a.lage.stich[static_cast<size_t>(
                                                    doppelkopf::stichSieger(a.ord, a.lage.stich, a.lage.zweiteDulle))]
                                       .nr;
                if (parteievt(vorher, ich) == parteievt(ich, ich) && p > 0.85f) c.kartenWert *= 3;
            }
        }

        // the points below the card per unseen card
        if (!a.unsichtbar.empty()) {
            int summe = 0;
            for (const karte& x : a.unsichtbar)
                if (kartenRang(x) < kartenRang(e)) summe += doppelkopf::augen(x);
            c.vergleich = static_cast<float>(summe) / static_cast<float>(a.unsichtbar.size());
        }
        out.push_back(c);
    }
    return out;
}

int stichBewertung(const std::vector<Kandidat>& c) {
    const int n = static_cast<int>(c.size());
    if (n == 0) return 0;
    int beste = rnd::random(n);
    const int st = stufeIch();
    if (st <= 1 && rnd::uniform() < 0.3) return beste;
    int max = -10000;
    for (int i = 0; i < n; ++i) {
        int score = kandidatPunkte(c[static_cast<size_t>(i)]);
        if (st <= 2) score += rnd::random(70) - 35;
        if (score > max) {
            max = score;
            beste = i;
        }
    }
    return beste;
}

int trumpfAnspielen() {
    const Arbeit& a = arbeit();
    const auto& sp = a.spielbar;
    if (sp.empty()) return 0;
    int t = 0;
    for (const karte& x : sp) t += hoeherInHand(x, a.unsichtbar) == 0;
    int trumpfUnbekannt = 0;
    for (const karte& x : a.unsichtbar) trumpfUnbekannt += farbklasse(x) == 6;
    if (trumpfUnbekannt / 2 <= t) t = 5;
    int beste = 0, max = 0;
    for (size_t i = 0; i < sp.size(); ++i) {
        const karte& x = sp[i];
        int w = kartenRang(x);
        const bool trumpf = farbklasse(x) == 6;
        if (trumpf && (x.t == doppelkopf::kBube || x.t == doppelkopf::kDame || istDulle(x))) w += 1;
        const int ueber = hoeherInHand(x, a.unsichtbar);
        if (a.lage.soloTyp >= 1 && a.lage.soloTyp <= 4 && trumpf && ueber > 0) {
            if (x.t == doppelkopf::kZehn) w -= 5;
            if (x.t == doppelkopf::kAs) w -= 6;
        }
        if (t < 3) w += ueber == 1 ? 2 : (ueber == 2 ? 1 : 0);
        if (i == 0 || w > max) {
            max = w;
            beste = static_cast<int>(i);
        }
    }
    const int ueberBeste = hoeherInHand(sp[static_cast<size_t>(beste)], a.unsichtbar);
    for (int i = static_cast<int>(sp.size()) - 1; i > beste; --i)
        if (hoeherInHand(sp[static_cast<size_t>(i)], a.unsichtbar) == ueberBeste) return i;
    return beste;
}

namespace {

int billigsteKarte(bool trumpfSchonen) {
    const auto& sp = arbeit().spielbar;
    int beste = 0, min = 1 << 30;
    for (size_t i = 0; i < sp.size(); ++i) {
        const int w = doppelkopf::augen(sp[i]) + (trumpfSchonen && farbklasse(sp[i]) == 6 ? 50 : 0);
        if (w < min) {
            min = w;
            beste = static_cast<int>(i);
        }
    }
    return beste;
}

int hoechsteKarte() {
    const auto& sp = arbeit().spielbar;
    int beste = 0;
    for (size_t i = 1; i < sp.size(); ++i)
        if (kartenRang(sp[i]) > kartenRang(sp[static_cast<size_t>(beste)])) beste = static_cast<int>(i);
    return beste;
}

int niedrigsteKarte() {
    const auto& sp = arbeit().spielbar;
    int beste = 0;
    for (size_t i = 1; i < sp.size(); ++i)
        if (kartenRang(sp[i]) < kartenRang(sp[static_cast<size_t>(beste)])) beste = static_cast<int>(i);
    return beste;
}

int anzahlHoechste() {
    const Arbeit& a = arbeit();
    int n = 0;
    for (const karte& x : a.spielbar) n += hoeherInHand(x, a.unsichtbar) == 0;
    return n;
}

// -1: no card scores.
int partnerAnspielen() {
    const Arbeit& a = arbeit();
    const int p2 = a.partner2;
    if (p2 < 1) return -1;
    int beste = -1, max = 0;
    for (size_t i = 0; i < a.spielbar.size(); ++i) {
        const karte& x = a.spielbar[i];
        const int kl = farbklasse(x);
        float v = wktFrei(p2, kl);
        for (int u = 1; u <= 4; ++u) {
            if (u == a.ich || u == p2) continue;
            const float q = wktFrei(u, kl);
            if (q <= 0.5f) continue;
            if (!a.partner1Letzter && u == sd::naechster(p2)) v = 0.0f;
            if (q > v) v = 0.0f;
            v -= 0.2f;
        }
        const int augen = doppelkopf::augen(x);
        const int score = v > 0.6f ? (v > 0.8f ? augen : -augen) + R(v * 100) : 0;
        if (score > max) {
            max = score;
            beste = static_cast<int>(i);
        }
    }
    return beste;
}

int bildAnspielen() {
    const auto& sp = arbeit().spielbar;
    int beste = 0, max = -1;
    for (size_t i = 0; i < sp.size(); ++i) {
        int w = 1 + rnd::random(10);
        if (sp[i].t == doppelkopf::kKoenig) w += 100;
        if (sp[i].t == doppelkopf::kBube || sp[i].t == doppelkopf::kDame) w += 50;
        if (w > max) {
            max = w;
            beste = static_cast<int>(i);
        }
    }
    return beste;
}

}  // namespace

karte kartenWahl(bool& offenbart) {
    const Arbeit& a = arbeit();
    offenbart = false;
    const auto& sp = a.spielbar;
    if (sp.empty()) return karte{};
    int wahl = rnd::random(static_cast<int>(sp.size()));
    const int st = stufeIch();
    if (a.stichAnzahl > 0) {
        const auto c = kartenBewertung();
        wahl = stichBewertung(c);
        const Kandidat& k = c[static_cast<size_t>(wahl)];
        if (!imSolo() && k.offenbar > 0) offenbart = true;
        logZeile(std::to_string(a.ich) + ": " + std::to_string(R(k.pGewinn * 100)) + "% - " + k.text);
        return sp[static_cast<size_t>(wahl)];
    }
    float best = 0.0f;
    int bester = 0;
    for (size_t i = 0; i < sp.size(); ++i) {
        if (farbklasse(sp[i]) == 6) continue;
        const float s = stichSicher(sp[i]);
        if (s > best) {
            best = s;
            bester = static_cast<int>(i);
        }
    }
    if (st >= 2 && (best > 0.7f || (best > 0.4f && a.partner2Letzter))) {
        logZeile("Wkt: " + std::to_string(best));
        return sp[static_cast<size_t>(bester)];
    }
    if (istSolist(a.ich)) {
        int h = 0, u = 0;
        for (const karte& x : a.eigeneHand) h += farbklasse(x) == 6;
        for (const karte& x : a.unsichtbar) u += farbklasse(x) == 6;
        const bool trumpf = u > 0 && ((h > 4 && h >= u / 3) || (h >= 1 && h < 4 && h >= u / 2));
        return sp[static_cast<size_t>(trumpf ? trumpfAnspielen() : billigsteKarte(true))];
    }
    if (st <= 1) return sp[static_cast<size_t>(wahl)];
    if (!a.partner2Letzter) {
        const int p = partnerAnspielen();
        wahl = p >= 0 ? p : billigsteKarte(false);
    } else if (st == 2) {
        wahl = niedrigsteKarte();
    } else {
        const int p = partnerAnspielen();
        wahl = p >= 0 ? p : (anzahlHoechste() < 2 ? bildAnspielen() : hoechsteKarte());
    }
    return sp[static_cast<size_t>(wahl)];
}

}  // namespace doppelkopfki
