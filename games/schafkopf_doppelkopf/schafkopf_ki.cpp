// The Schafkopf computer player: hand ratings for the bidding, the one-trick evaluation of every
// playable card, the lead heuristics, and the driver that answers the game's questions.
#include "games/schafkopf_doppelkopf/schafkopf_ki.h"

#include <algorithm>
#include <cmath>

#include "core/central.h"
#include "core/gtool.h"
#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"
#include "platform/num.h"
#include "platform/rnd.h"

namespace schafkopfki {

using sdki::kKlasseTrumpf;
using namespace schafkopf;

namespace {

// The runtime's rounding, halves to even.
int R(double x) { return static_cast<int>(num::round(x)); }
int nach(int seat, int n = 1) { return (seat - 1 + n) % 4 + 1; }

TSchafkopfZustand& Z() { return cg.schafkopf.z; }

// The level noise of the hand ratings.
int rauschen(int v, int stufe) {
    if (stufe == 2) v += -5 + rnd::random(10);
    if (stufe == 1) v += -10 + rnd::random(20);
    return std::clamp(v, 0, 100);
}

int trumpfAnzahl(const std::vector<karte>& h, const Ordnung& o) {
    int n = 0;
    for (const karte& k : h) n += istTrumpf(o, k);
    return n;
}

TKartenZahl zahl(const std::vector<karte>& h) {
    TKartenZahl z{};
    for (const karte& k : h) sdki::dazu(z, k);
    return z;
}

}  // namespace

int stufe(int seat) {
    if (central::dienste.staerke) return std::clamp(central::dienste.staerke(cg.spielIdMenue, seat), 0, 3);
    return 2;
}

const sdki::Regeln& regeln() {
    static sdki::Regeln r = sdki::regelnAus(trumpfOrdnung(kKeinSpiel, 0));
    static int typ = -1, farbe = -1;
    const TSchafkopfSpiel& sp = cg.schafkopf.spiel;
    if (sp.typ != typ || sp.farbe != farbe) {
        typ = sp.typ;
        farbe = sp.farbe;
        r = sdki::regelnAus(ordnung());
    }
    return r;
}

sdki::Sicht sicht(int beobachter) {
    sdki::Lage l;
    l.regeln = &regeln();
    l.ich = beobachter == 0 ? cg.aktSpieler : beobachter;
    l.istSolo = parteienOffen();
    l.solist = Z().spieler;
    for (int u = 1; u <= 4; ++u) {
        const TSpieler& st = sd::st(u);
        l.handAnz[u] = st.anz;
        for (int i = 1; i <= st.anz; ++i) sdki::dazu(u == l.ich ? l.eigeneHand : l.unsichtbar, st.at(i).c);
        const TSpieler& genommen = sd::st(u + 6);
        for (int i = 1; i <= genommen.anz; ++i) sdki::dazu(l.gespielt, genommen.at(i).c);
    }
    l.stichAnzahl = Z().stichAnz;
    l.wissen = Z().wissen;
    sdki::Sicht s = sdki::wissenAktualisieren(l);
    if (s.ich >= 1 && s.ich <= 4) sdki::partnerSetzen(s, Z().sichten, l.istSolo, Z().spieler);
    return s;
}

Tischlage tischlage() {
    Tischlage t;
    t.typ = cg.schafkopf.spiel.typ;
    t.farbe = cg.schafkopf.spiel.farbe;
    t.spieler = Z().spieler;
    t.offen = parteienOffen();
    t.o = &ordnung();
    t.stichAnz = std::clamp<int>(Z().stichAnz, 0, 4);
    for (int i = 0; i < t.stichAnz; ++i) t.stich[i] = Z().stich[i];
    t.sichten = Z().sichten;
    t.stufe = stufe(cg.aktSpieler);
    return t;
}

// ---------------------------------------------------------------------------------------------
// Bidding

int trumpfWert(const std::vector<karte>& hand, const Ordnung& o, int stufe) {
    const int n = static_cast<int>(o.trumpfListe.size());
    double score = 0;
    for (const karte& k : hand) {
        if (!istTrumpf(o, k)) continue;
        int h = 0;
        for (const karte& t : o.trumpfListe) h += rang(o, t) > rang(o, k);
        score += (2.0 - (n > 1 ? static_cast<double>(h) / (n - 1) : 0.0)) / n / 1.5;
    }
    int v = rauschen(R(score * 100), stufe);
    const int e = trumpfAnzahl(hand, o) - static_cast<int>(hand.size()) / 4;
    if (e == 1) v = R(v * 1.2);
    if (e == 2) v = R(v * 1.4);
    if (e >= 3) v = R(v * 1.6);
    return v;
}

int seitenWert(const std::vector<karte>& hand, const Ordnung& o, int rufFarbe, bool ohne, int stufe) {
    double summe = 0;
    int farben = 0;
    for (int f = 1; f <= 4; ++f) {
        if (istTrumpf(o, karte{kAs, static_cast<uint8_t>(f), 0})) continue;
        ++farben;
        int c = 0, alle = 0;
        bool a = false, z = false;
        for (const karte& k : hand) {
            if (k.f != f) continue;
            ++alle;
            if (istTrumpf(o, k)) continue;
            ++c;
            a = a || k.t == kAs;
            z = z || k.t == kZehn;
        }
        double w;
        if (alle == 0) {
            w = 1.0;
        } else if (f == rufFarbe) {
            if (ohne)
                w = 0;
            else if (c == 1)
                w = z ? 1.0 : 0.95;
            else if (c == 2)
                w = z ? 0.9 : 0.85;
            else if (c == 3)
                w = 0.75;
            else if (c == 4)
                w = 0.5;
            else
                w = 0.3;
        } else if (a && z) {
            w = 1.0;
        } else if (a && c == 1) {
            w = 1.0;
        } else if (c == 0) {
            w = 0.8;
        } else if (a) {
            w = 0.6;
        } else if (z && c == 1) {
            w = 0;
        } else if (z && c == 2) {
            w = 0.3;
        } else if (z) {
            w = 0.4;
        } else if (c == 1) {
            w = 0.2;
        } else {
            w = 0;
        }
        summe += w;
    }
    if (farben == 0) return rauschen(0, stufe);
    return rauschen(R(summe / farben * 100), stufe);
}

int bettelWert(const std::vector<karte>& hand, const std::vector<karte>& andere) {
    const Ordnung o = trumpfOrdnung(kBettel, 0);
    const sdki::Regeln r = sdki::regelnAus(o);
    const TKartenZahl pool = zahl(andere);
    int gefahr = 0;
    for (int f = 1; f <= 4; ++f) {
        std::vector<karte> eigene;
        for (const karte& k : hand)
            if (k.f == f) eigene.push_back(k);
        std::sort(eigene.begin(), eigene.end(), [&](const karte& a, const karte& b) { return rang(o, a) < rang(o, b); });
        for (size_t i = 0; i < eigene.size(); ++i) {
            const int pos = static_cast<int>(i) + 1;
            int l = sdki::niedrigerInHand(r, eigene[i], pool, true);
            const int u = sdki::hoeherInHand(r, eigene[i], pool, true);
            if (pos >= 2) l -= pos;
            if (pos == 1 && l == 1 && u >= 3) l = 0;
            if (pos == 1 && l == 2 && u > 4) l = 1;
            if (l >= 1 && l <= 3) gefahr += l;
        }
    }
    return 100 - gefahr;
}

bool toutWahl(const std::vector<karte>& hand, const std::vector<karte>& andere, const Ordnung& o) {
    const sdki::Regeln r = sdki::regelnAus(o);
    for (int kl : {1, 2, 3, 4, kKlasseTrumpf}) {
        if (kl != kKlasseTrumpf && istTrumpf(o, karte{kAs, static_cast<uint8_t>(kl), 0})) continue;
        int c = 0, eigen = 0, oben = 0;
        for (const karte& k : andere) c += sdki::farbklasse(r, k) == kl;
        for (const karte& k : hand) {
            if (sdki::farbklasse(r, k) != kl) continue;
            ++eigen;
            bool ueber = false;
            for (const karte& a : andere) ueber = ueber || (sdki::farbklasse(r, a) == kl && rang(o, a) > rang(o, k));
            oben += !ueber;
        }
        const int noetig = std::min(c < 4 ? 1 : (c <= 6 ? 2 : 3), eigen);
        if (oben < noetig) return false;
    }
    return true;
}

float stichSicher(const sdki::Sicht& s, const Tischlage& t, const karte& k) {
    const int kl = sdki::farbklasse(s.regeln, k);
    if (t.typ == kRufspiel && !t.offen && s.ich == t.spieler && kl != kKlasseTrumpf && k.f == t.farbe) {
        const int offen = sdki::klassenAnzahl(s.regeln, s.unsichtbar, kl);
        if (offen >= 4 || sdki::klassenAnzahl(s.regeln, s.unsichtbar, kKlasseTrumpf) == 0) return 1.0f;
        if (offen == 3) return 0.8f;
    }
    const int partner = s.partner1;
    karte c = k;
    if (partner >= 1 && partner <= 4) {
        // the partner's best known card above it stands in
        int best = -1;
        for (int id = 0; id < sdki::kIds; ++id)
            if (s.w[partner].bekannt.anz[id] && sdki::farbklasse(s.regeln, sdki::idKarte(id)) == kl &&
                s.regeln.wert[id] > sdki::prlwert(s.regeln, c) && (best < 0 || s.regeln.wert[id] > s.regeln.wert[best]))
                best = id;
        if (best >= 0) c = sdki::idKarte(best);
    }
    float keinStechen = 1.0f, keinHoeherer = 1.0f;
    for (int u = 1; u <= 4; ++u) {
        if (u == s.ich || u == partner) continue;
        if (kl != kKlasseTrumpf) {
            const float r = s.w[u].frei[kl] ? sdki::wktFarbe(s, u, kKlasseTrumpf)
                                            : static_cast<float>(num::round(sdki::wktFreiUndFarbe(s, u, kl, kKlasseTrumpf) * 100.0)) / 100.0f;
            keinStechen *= 1.0f - r;
        }
        if (partner >= 1) keinHoeherer *= 1.0f - sdki::wktHoeher(s, u, c);
    }
    if (partner < 1) keinHoeherer = sdki::hoeherUnbekannt(s, c, true) > 0 ? 0.0f : 1.0f;
    return keinStechen * keinHoeherer;
}

Schwellen schwellen(const Bietlage& b) {
    Schwellen s;
    if (b.optionen.ramsch) {
        s.summe = 128;
        if (b.gebote == 0 && b.stufe == 3) {
            if (b.seat == b.geber) s = {54, 54, 126};
            else if (nach(b.seat) == b.geber) s = {55, 55, 127};
        }
    }
    return s;
}

int kandidatStufe(int typ, int seite, int trumpf, const Schwellen& s) {
    double g;
    if (typ >= kSie && typ <= kFarbgeier)
        g = 0.95;
    else if (typ == kRufspiel)
        g = 1.15;
    else
        return 0;
    static constexpr double kFaktor[] = {1.1, 1.0, 0.85, 0.65};
    for (int i = 0; i < 4; ++i) {
        const double f = g * kFaktor[i];
        if (seite + trumpf >= R(s.summe * f) && trumpf >= R(s.trumpf * f) && seite >= R(s.seite * f)) return 4 - i;
    }
    return 0;
}

void rufspielBewerten(TSchafkopfKiGebot& g, const Bietlage& b, const sdki::Sicht& s) {
    const Ordnung o = trumpfOrdnung(kRufspiel, 1);
    Tischlage t;
    t.typ = kKeinSpiel;
    t.o = &o;
    g.asse = g.frei = g.blank = 0;
    for (const karte& k : b.hand)
        if (k.t == kAs && !istTrumpf(o, k)) {
            const float p = stichSicher(s, t, k);
            g.asse += p > 0.85f ? 5 : (p > 0.75f ? 4 : 0);
        }
    for (int f = 1; f <= 4; ++f) {
        int c = 0;
        bool as = false, zehn = false;
        for (const karte& k : b.hand)
            if (k.f == f && !istTrumpf(o, k)) {
                ++c;
                as = as || k.t == kAs;
                zehn = zehn || k.t == kZehn;
            }
        if (c == 0) g.frei += 5;
        if (c == 1 && as) g.blank += 1;
        if (c == 2 && as) g.blank += zehn ? 2 : 1;
    }
    if (nach(b.geber) == b.seat && g.frei > 0) g.frei += 2;
    int tr = -12;
    for (const karte& k : b.hand)
        if (istTrumpf(o, k)) tr += k.t == kOber ? 4 : (k.t == kUnter ? 3 : 2);
    g.truempfe = R(std::max(tr, 0) / 2.0);
    g.trumpfStaerke = g.truempfe;
    g.seitenStaerke = g.frei + g.blank + g.asse;
    g.rufSumme = g.trumpfStaerke + g.seitenStaerke;
    int fehl = 0;
    for (int grenze : {15, 13, 11, 9, 7}) fehl += g.trumpfStaerke < grenze;
    for (int grenze : {12, 10, 8, 6}) fehl += g.seitenStaerke < grenze;
    static constexpr double kErste[] = {1.0, 0.92, 0.84, 0.76, 0.68, 0.6, 0.5, 0.4};
    g.rufSumme = R(g.rufSumme * kErste[std::min(fehl, 7)]);
    g.fehlstufen = fehl;
    if (g.rufSumme >= 27) {
        fehl = 0;
        for (int grenze : {19, 18, 17}) fehl += g.trumpfStaerke < grenze;
        for (int grenze : {15, 13}) fehl += g.seitenStaerke < grenze;
        static constexpr double kZweite[] = {1.0, 0.94, 0.86, 0.78, 0.72, 0.64};
        g.rufSumme = std::max(26, R(g.rufSumme * kZweite[fehl]));
        g.fehlstufen = fehl;
    }
    if (b.stufe == 2) g.rufSumme += -2 + rnd::random(4);
    if (b.stufe == 1) g.rufSumme += -4 + rnd::random(8);
    g.rufKlasse = g.rufSumme >= 56 ? 5 : g.rufSumme >= 48 ? 4 : g.rufSumme >= 40 ? 3 : g.rufSumme >= 27 ? 2 : g.rufSumme >= 23 ? 1 : 0;
}

void spielWahl(TSchafkopfKiGebot& g, const Bietlage& b, const sdki::Sicht& s) {
    rufspielBewerten(g, b, s);
    const Schwellen basis = schwellen(b);
    const TSchafkopfOptionen& op = b.optionen;
    struct Spiel {
        int typ, farbe;
    };
    std::vector<Spiel> liste;
    if (op.bettel) liste.push_back({kBettel, 0});
    liste.push_back({kWenz, 0});
    liste.push_back({kGeier, 0});
    if (op.sie && sieHand(b.hand)) liste.push_back({kSie, 0});
    for (int f = 1; f <= 4; ++f) liste.push_back({kSolo, f});
    if (op.farbwenz)
        for (int f = 1; f <= 4; ++f) liste.push_back({kFarbwenz, f});
    if (op.farbgeier)
        for (int f = 1; f <= 4; ++f) liste.push_back({kFarbgeier, f});
    for (int f : {1, 2, 4})
        if (rufbar(b.hand, f, false)) liste.push_back({kRufspiel, f});
    g.typ = g.farbe = g.tout = 0;
    for (auto& z : g.eigeneStufe)
        for (uint8_t& x : z) x = 0;
    for (auto& z : g.gegenStufe)
        for (uint8_t& x : z) x = 0;
    int bestSumme = 0;
    for (int pass = 1; pass <= 2; ++pass)
        for (const Spiel& k : liste) {
            // rated on a copy of the trump order: the game record is never touched
            const Ordnung o = trumpfOrdnung(k.typ, k.farbe);
            int trumpf, seite, summe;
            if (k.typ == kBettel) {
                const int w = bettelWert(b.hand, b.andere);
                trumpf = basis.trumpf;
                seite = basis.seite;
                summe = w >= 100 ? 200 : (w == 99 ? basis.summe + 10 : (w == 98 ? basis.summe : 100));
            } else {
                trumpf = trumpfWert(b.hand, o, b.stufe);
                seite = seitenWert(b.hand, o, k.typ == kRufspiel ? k.farbe : 0, false, b.stufe);
                if (k.typ == kRufspiel) trumpf += 12;
                summe = trumpf + seite;
            }
            if (pass == 2) {
                g.gegenStufe[k.typ][k.farbe] = static_cast<uint8_t>(kandidatStufe(k.typ, seite, trumpf, basis));
                continue;
            }
            if (trumpf >= basis.trumpf && seite >= basis.seite && summe > basis.summe && summe > bestSumme) {
                bestSumme = summe;
                g.typ = static_cast<uint8_t>(k.typ);
                g.farbe = static_cast<uint8_t>(k.farbe);
                g.tout = op.tout && k.typ >= kSie && k.typ <= kFarbgeier && toutWahl(b.hand, b.andere, o) ? 1 : 0;
                int stufeEigen = 0;
                for (int i = 1; i <= 3; ++i)
                    if (trumpf >= basis.trumpf + 5 * i && seite >= basis.seite + 5 * i && summe >= basis.summe + 8 * i)
                        stufeEigen = i;
                g.eigeneStufe[k.typ][k.farbe] = static_cast<uint8_t>(stufeEigen);
            }
        }
}

void spielWahl(int seat) {
    if (seat < 1 || seat > 4) return;
    Bietlage b;
    b.seat = seat;
    b.hand = sd::karten(seat);
    for (int u = 1; u <= 4; ++u)
        if (u != seat) {
            const auto h = sd::karten(u);
            b.andere.insert(b.andere.end(), h.begin(), h.end());
        }
    b.geber = cg.geber;
    b.gebote = Z().gebote;
    b.stufe = stufe(cg.aktSpieler);
    b.optionen = cg.schafkopf.optionen;
    spielWahl(Z().kiGebot[seat - 1], b, sicht(seat));
}

// ---------------------------------------------------------------------------------------------
// Card play

namespace {

int siegerPos(const Ordnung& o, const karte* st, int n) {
    int best = 0;
    for (int i = 1; i < n; ++i)
        if (sticht(o, st[i], st[best])) best = i;
    return best;
}

// One candidate's trick and the chances around it.
struct Lauf {
    const sdki::Sicht& s;
    const Tischlage& t;
    karte T[4]{};
    int n = 0;  // cards in T
    int W = 0;
    karte H{}, X{};
    int n1 = 0, n2 = 0;
    bool bettel = false;
    bool F = false;

    Lauf(const sdki::Sicht& si, const Tischlage& ti, const karte& k) : s(si), t(ti) {
        for (int i = 0; i < t.stichAnz; ++i) T[i] = t.stich[i];
        T[t.stichAnz] = karte{k.t, k.f, static_cast<uint16_t>(s.ich)};
        n = t.stichAnz + 1;
        const int p = siegerPos(*t.o, T, n);
        W = T[p].nr;
        H = T[p];
        bettel = t.typ == kBettel;
        const bool gewoehnlich = t.typ != kBettel && t.typ != kRamsch;
        X = gewoehnlich || t.stichAnz > 0 ? T[0] : k;
        n1 = nach(s.ich);
        n2 = nach(s.ich, 2);
        F = s.istSolo ? s.ich != t.spieler : s.partner2 > 0;
    }
    int kl(const karte& k) const { return sdki::farbklasse(s.regeln, k); }
    bool eigenSicher(int u) const {
        if (s.istSolo) return sdki::partner(t.sichten, u, s.ich, s.ich, true, t.spieler);
        return u == s.ich || (F && u == s.partner1);
    }
    bool eigenVermutet(int u) const {
        if (s.istSolo) return eigenSicher(u);
        return u == s.ich || (F && (u == s.partner1 || u == s.partner2));
    }
    float haelt(int u) const {
        const bool xT = kl(X) == kKlasseTrumpf, hT = kl(H) == kKlasseTrumpf;
        if (xT && hT) return 1 - sdki::wktHoeher(s, u, H);
        if (!xT && hT) return 1 - sdki::wktFrei(s, u, kl(X)) * sdki::wktHoeher(s, u, H);
        return (1 - sdki::wktFreiUndFarbe(s, u, kl(X), kKlasseTrumpf)) * (1 - sdki::wktHoeher(s, u, X));
    }
    float alleFrei(int u) const {
        if (bettel) return 0;
        float p = 1;
        for (int k = 1; k <= 4; ++k) p *= sdki::wktFrei(s, u, k);
        return p;
    }
    float drunter(int u, const karte& ref) const {
        float p = 1 - (1 - sdki::wktNiedriger(s, u, ref)) * sdki::wktHoeher(s, u, ref);
        if (kl(ref) != kKlasseTrumpf) p *= 1 - alleFrei(u);
        return p;
    }
};

float gewoehnlich(const Lauf& l, const char*& grund) {
    const sdki::Sicht& s = l.s;
    const int k = l.t.stichAnz;
    if (k == 3) return l.eigenSicher(l.W) ? 1.0f : (l.eigenVermutet(l.W) ? 0.9f : 0.0f);
    if (k == 2) {
        const bool w = l.eigenVermutet(l.W), n1 = l.eigenVermutet(l.n1);
        if (w && n1) return l.eigenSicher(l.W) && l.eigenSicher(l.n1) ? 1.0f : 0.9f;
        if (w) return l.haelt(l.n1);
        if (n1) return (1 - l.haelt(l.n1)) * (l.eigenSicher(l.n1) ? 1.0f : 0.9f);
        return 0.0f;
    }
    if (k == 1) {
        const int v = l.t.stich[0].nr;
        if (l.eigenVermutet(v)) {
            if (!s.istSolo) return l.haelt(l.n1) * l.haelt(l.n2);
            const int d = l.n1 == l.t.spieler ? l.n1 : (l.n2 == l.t.spieler ? l.n2 : 0);
            if (d == 0) return l.haelt(l.n1) * l.haelt(l.n2);
            const int r = d == l.n1 ? l.n2 : l.n1;
            if (d == l.n2) return l.haelt(d);
            return 1 - l.haelt(r) * (1 - l.haelt(d));
        }
        if (l.W == s.ich && !l.F) return l.haelt(l.n1) * l.haelt(l.n2);
        if (!l.F) {
            grund = "Kein Kumpel!";
            return 0.0f;
        }
        if (s.istSolo) return l.eigenVermutet(l.W) ? 1.0f : 1 - l.haelt(l.n1) * l.haelt(l.n2);
        int r = 0, d = 0;
        for (int u : {l.n1, l.n2}) (l.eigenVermutet(u) ? r : d) = u;
        const float a = r ? 1 - l.haelt(r) : 0.0f, b = d ? 1 - l.haelt(d) : 0.0f;
        const bool letzter = s.partner1Letzter || s.partner2Letzter;
        if ((1 - a) * (1 - b) > 0.6f) return l.eigenVermutet(l.W) ? (1 - a) * (1 - b) * (letzter ? 1.0f : 0.7f) : 0.0f;
        if (a > 0.8f && b < 0.5f) return letzter ? 0.85f : 0.6f;
        if (b > 0.8f && a < 0.5f) return letzter ? 0.3f : 0.15f;
        return 0.0f;
    }
    return 0.0f;
}

float bettelGegner(const Lauf& l, const karte& k, const char*& grund) {
    const int b = l.t.spieler;
    switch (l.t.stichAnz) {
        case 3:
            grund = l.W == b ? "0 Chance" : "100 Chance";
            return l.W == b ? 0.0f : 1.0f;
        case 2:
            if (l.n1 == b) return l.drunter(b, l.X);
            if (l.W == b) {
                grund = "letzter muss nicht nehmen, so dass bettler kriegt";
                return 1 - l.drunter(l.n1, l.X);
            }
            grund = "jemand ist schon \xfc" "ber bettler";
            return 1.0f;
        case 1:
            if (l.n1 == b) {
                grund = "1- bettler muss UND 2- mitspieler nicht muss";
                return 1 - (1 - l.drunter(b, l.X)) * l.drunter(l.n2, l.X);
            }
            if (l.n2 == b) return 1 - (1 - l.drunter(b, l.X)) * l.drunter(l.n1, l.X);
            if (l.W == b) {
                grund = "beide k\xf6" "nnen drunter bleiben";
                return 1 - l.drunter(l.n1, l.X) * l.drunter(l.n2, l.X);
            }
            return 1.0f;
        default:
            grund = "chance, bettler zu zwingen";
            return l.drunter(b, k);
    }
}

float selbstNehmen(const Lauf& l, const karte& k, const char*& grund) {
    const sdki::Sicht& s = l.s;
    if (l.W != s.ich) {
        grund = "0 Chance";
        return 0.0f;
    }
    if (l.t.stichAnz == 3) {
        grund = "100 Chance";
        return 1.0f;
    }
    float p = 1.0f;
    const int folgen = 3 - l.t.stichAnz;
    const bool gestochen = l.t.stichAnz > 0 && l.kl(l.H) != l.kl(l.T[0]);
    for (int i = 1; i <= folgen; ++i) {
        const int u = nach(s.ich, i);
        if (l.t.stichAnz == 0) {
            grund = "wkt dass NIEMAND anderes muss";
            p *= l.drunter(u, k);
        } else if (!gestochen) {
            grund = folgen == 1 ? "wkt dass letzter NICHT nehmen muss" : "wkt dass von letzten beiden KEINER nehmen muss";
            p *= l.drunter(u, l.H);
        } else {
            grund = folgen == 1 ? "wkt dass letzter nur h\xf6" "here tr\xfc" "mpfe hat" : "wkt dass einer von letzten nur h\xf6" "here tr\xfc" "mpfe hat";
            p *= 1 - l.alleFrei(u) * (1 - sdki::wktNiedriger(s, u, l.H));
        }
    }
    return p;
}

float trumpfKosten(const sdki::Sicht& s, const karte& k) {
    return static_cast<float>(sdki::trumpfKosten(sdki::hoeherUnbekannt(s, k, false)));
}

}  // namespace

void bewerten(const sdki::Sicht& s, const Tischlage& t, const std::vector<karte>& spielbar,
              std::vector<Kandidat>& out) {
    out.assign(spielbar.size(), Kandidat{});
    const bool ramsch = t.typ == kRamsch, bettel = t.typ == kBettel;
    const bool gewoehnlichesSpiel = !ramsch && !bettel;
    const float schnitt = sdki::augenSchnitt(s);
    for (size_t i = 0; i < spielbar.size(); ++i) {
        const karte& k = spielbar[i];
        Kandidat& c = out[i];
        const Lauf l(s, t, k);
        float p;
        if (gewoehnlichesSpiel) {
            p = std::clamp(gewoehnlich(l, c.grund), 0.0f, 1.0f);
            const float r = static_cast<float>(rnd::uniform());
            if (t.stufe == 2) p = p - 0.1f + 0.2f * r;
            if (t.stufe == 1) p = p - 0.15f + 0.3f * r;
        } else if (bettel && s.ich != t.spieler) {
            p = bettelGegner(l, k, c.grund);
        } else {
            p = selbstNehmen(l, k, c.grund);
        }
        c.pGewinn = std::clamp(p, 0.0f, 1.0f);
        int augen = 0;
        for (int j = 0; j < l.n; ++j) augen += schafkopf::augen(l.T[j]);
        const int m = 3 - t.stichAnz;
        c.stichAugen = static_cast<float>(augen) + (m > 0 ? 0.85f * static_cast<float>(m) * schnitt : 0.0f);
        if (!bettel && sdki::farbklasse(s.regeln, k) == kKlasseTrumpf) {
            c.kartenWert = trumpfKosten(s, k);
            if (gewoehnlichesSpiel && t.stichAnz > 0 && c.pGewinn > 0.85f) {
                const int vorher = t.stich[siegerPos(*t.o, t.stich, t.stichAnz)].nr;
                if (sdki::parteievt(t.sichten, vorher, s.ich) == sdki::parteievt(t.sichten, s.ich, s.ich))
                    c.kartenWert *= 3;
            }
        }
        if (gewoehnlichesSpiel && s.unsichtbar.n > 0) {
            const int wert = sdki::prlwert(s.regeln, k);
            int summe = 0;
            for (int j = 0; j < sdki::kIds; ++j)
                if (s.unsichtbar.anz[j] && s.regeln.wert[j] < wert) summe += s.unsichtbar.anz[j] * s.regeln.augen[j];
            c.vergleich = static_cast<float>(summe) / static_cast<float>(s.unsichtbar.n);
        }
    }
}

int kandidatPunkte(const sdki::Sicht& s, const Tischlage& t, const karte& k, const Kandidat& c) {
    const double p = c.pGewinn, a = c.stichAugen, w = c.kartenWert, v = c.vergleich;
    if (t.typ == kRamsch) {
        const double g = p >= 0.999 ? 11 : 10;
        return -R(g * p * a) + R(11 * (1 - p) * a) + R(w);
    }
    if (t.typ == kBettel) {
        int score = R((1 - p) * 10000);
        if (!(t.stichAnz == 0 && s.ich != t.spieler))
            score += 110 * sdki::niedrigerUnbekannt(s, k, true) + sdki::prlwert(s.regeln, k);
        return score;
    }
    int score = R(10 * p * a) - R((1.08 - p) * 12.5 * a);
    const double f = p > 0.7 ? 2.0 : (p > 0.6 ? 1.6 : (p > 0.5 ? 1.3 : 1.0));
    score -= R(w * f);
    if (p > 0.5) {
        const double q = a / 4;
        // the band between 0.4q and 0.6q gets nothing
        double r = 0;
        if (v > 2 * q)
            r = -200;
        else if (v > 1.5 * q)
            r = -60;
        else if (v > 1.2 * q)
            r = -30;
        else if (v > q)
            r = -10;
        else if (v < 0.4 * q)
            r = 90;
        else if (v > 0.6 * q)
            r = 50;
        score += r < 0 ? R((2 - p) * r) : R(r * (p - 0.5));
    }
    return score;
}

int stichBewertung(const sdki::Sicht& s, const Tischlage& t, const std::vector<karte>& spielbar,
                   const std::vector<Kandidat>& ks) {
    const int n = static_cast<int>(std::min(spielbar.size(), ks.size()));
    if (n == 0) return 0;
    if (t.stufe == 1 && rnd::uniform() <= 0.3) return rnd::random(n);
    const bool gewoehnlichesSpiel = t.typ != kBettel && t.typ != kRamsch;
    int best = 0, bestScore = -10000;
    for (int i = 0; i < n; ++i) {
        int score = kandidatPunkte(s, t, spielbar[static_cast<size_t>(i)], ks[static_cast<size_t>(i)]);
        if (gewoehnlichesSpiel && (t.stufe == 1 || t.stufe == 2)) score += -35 + rnd::random(70);
        if (score > bestScore) {
            bestScore = score;
            best = i;
        }
    }
    return best;
}

namespace {

int billigsteKarte(const sdki::Sicht& s, const std::vector<karte>& sp, bool ohneTrumpf) {
    int best = 1, min = 1 << 30;
    for (size_t i = 0; i < sp.size(); ++i) {
        int a = schafkopf::augen(sp[i]);
        if (ohneTrumpf && sdki::farbklasse(s.regeln, sp[i]) == kKlasseTrumpf) a += 50;
        if (a < min) {
            min = a;
            best = static_cast<int>(i) + 1;
        }
    }
    return best;
}

int nachWert(const sdki::Sicht& s, const std::vector<karte>& sp, bool hoechste) {
    int best = 1;
    for (size_t i = 1; i < sp.size(); ++i) {
        const int w = sdki::prlwert(s.regeln, sp[i]), b = sdki::prlwert(s.regeln, sp[static_cast<size_t>(best - 1)]);
        if (hoechste ? w > b : w < b) best = static_cast<int>(i) + 1;
    }
    return best;
}

int anzahlHoechste(const sdki::Sicht& s, const std::vector<karte>& sp) {
    int n = 0;
    for (const karte& k : sp) n += sdki::hoeherUnbekannt(s, k, false) == 0;
    return n;
}

int bildAnspielen(const std::vector<karte>& sp) {
    int best = 1, max = -1;
    for (size_t i = 0; i < sp.size(); ++i) {
        int v = 1 + rnd::random(10);
        if (sp[i].t == kKoenig) v += 100;
        if (sp[i].t == kUnter || sp[i].t == kOber) v += 50;
        if (v > max) {
            max = v;
            best = static_cast<int>(i) + 1;
        }
    }
    return best;
}

}  // namespace

int partnerAnspielen(const sdki::Sicht& s, const std::vector<karte>& sp) {
    const int p = s.partner2;
    if (p < 1 || p > 4) return 0;
    int best = 0, bestScore = 0;
    for (size_t i = 0; i < sp.size(); ++i) {
        const int k = sdki::farbklasse(s.regeln, sp[i]);
        float v = sdki::wktFrei(s, p, k);
        for (int u = 1; u <= 4; ++u) {
            if (u == s.ich || u == p) continue;
            const float q = sdki::wktFrei(s, u, k);
            if (q <= 0.5f) continue;
            if (!s.partner1Letzter && u == nach(p)) v = 0;
            if (q > v) v = 0;
            v -= 0.2f;
        }
        const int a = schafkopf::augen(sp[i]);
        const int punkte = v > 0.8f ? a : -a;
        const int score = v > 0.6f ? punkte + R(v * 100) : 0;
        if (score > bestScore) {
            bestScore = score;
            best = static_cast<int>(i) + 1;
        }
    }
    return best;
}

int trumpfAnspielen(const sdki::Sicht& s, const std::vector<karte>& sp) {
    if (sp.empty()) return 0;
    int t = 0;
    for (const karte& k : sp) t += sdki::hoeherInHand(s.regeln, k, s.unsichtbar, false) == 0;
    if (sdki::klassenAnzahl(s.regeln, s.unsichtbar, kKlasseTrumpf) / 2 <= t) t = 5;
    int best = 0, max = 0;
    for (size_t i = 0; i < sp.size(); ++i) {
        const karte& k = sp[i];
        int v = sdki::prlwert(s.regeln, k);
        if ((k.t == kUnter || k.t == kOber) && sdki::farbklasse(s.regeln, k) == kKlasseTrumpf) v += 1;
        const int drueber = sdki::hoeherInHand(s.regeln, k, s.unsichtbar, false);
        if (drueber == 1 && t < 3) v += 2;
        if (drueber == 2 && t < 3) v += 1;
        if (v > max) {
            max = v;
            best = static_cast<int>(i) + 1;
        }
    }
    if (best == 0) best = 1;
    const int ziel = sdki::hoeherInHand(s.regeln, sp[static_cast<size_t>(best - 1)], s.unsichtbar, false);
    for (size_t i = 0; i < sp.size(); ++i)
        if (sdki::hoeherInHand(s.regeln, sp[i], s.unsichtbar, false) == ziel) best = static_cast<int>(i) + 1;
    return best;
}

karte kartenWahl(const sdki::Sicht& s, const Tischlage& t, const std::vector<karte>& sp) {
    if (sp.empty()) return karte{};
    const karte zufall = sp[static_cast<size_t>(rnd::random(static_cast<int>(sp.size())))];
    const bool gewoehnlichesSpiel = t.typ != kBettel && t.typ != kRamsch;
    if (t.stichAnz > 0 || !gewoehnlichesSpiel) {
        static thread_local std::vector<Kandidat> ks;  // kept: no allocation per decision
        bewerten(s, t, sp, ks);
        const size_t pos = static_cast<size_t>(stichBewertung(s, t, sp, ks));
        if (gtool::kiLogAn && pos < ks.size())
            kiLog(std::to_string(s.ich) + ": _" + std::to_string(std::lround(ks[pos].pGewinn * 100)) + "% - " +
                  ks[pos].grund);
        return sp[pos];
    }
    int bestPos = 1;
    float best = 0;
    for (size_t i = 0; i < sp.size(); ++i) {
        const float p = sdki::farbklasse(s.regeln, sp[i]) == kKlasseTrumpf ? 0.0f : stichSicher(s, t, sp[i]);
        if (p > best) {
            best = p;
            bestPos = static_cast<int>(i) + 1;
        }
    }
    auto an = [&](int pos) { return sp[static_cast<size_t>(std::clamp(pos, 1, static_cast<int>(sp.size())) - 1)]; };
    const bool sicher = t.stufe >= 2 && (best > 0.7f || (best > 0.4f && s.partner2Letzter));
    if (gtool::kiLogAn) {
        const std::string w = std::to_string(std::lround(best * 100));
        kiLog(std::to_string(s.ich) + ": " + (sicher ? "Wkt0: " + w : "NOMAX(" + w + ")"));
    }
    if (sicher) return an(bestPos);
    if (s.istSolo && s.ich == t.spieler) {
        const int h = sdki::klassenAnzahl(s.regeln, s.eigeneHand, kKlasseTrumpf);
        const int u = sdki::klassenAnzahl(s.regeln, s.unsichtbar, kKlasseTrumpf);
        if (u > 0 && ((h >= 5 && h >= u / 3) || (h >= 1 && h <= 4 && h >= u / 2))) return an(trumpfAnspielen(s, sp));
        return an(billigsteKarte(s, sp, true));
    }
    if (t.stufe <= 1) return zufall;
    if (s.partner2Letzter) {
        if (t.stufe == 2) return an(nachWert(s, sp, false));
        if (const int p = partnerAnspielen(s, sp)) return an(p);
        if (anzahlHoechste(s, sp) >= 2) return an(nachWert(s, sp, true));
        return an(bildAnspielen(sp));
    }
    if (const int p = partnerAnspielen(s, sp)) return an(p);
    return an(billigsteKarte(s, sp, false));
}

// ---------------------------------------------------------------------------------------------
// Driver

namespace {

bool angeboten(int code) { return sd::angeboten(cg, code); }

void druecken(int code) { central::antwort(cg, central::kKnopf, 0, code); }

int ersterKnopf() { return cg.entscheidung.code(1); }

// The seat's wish outranks the game named so far (or none is named).
bool wuenschtSpiel(int seat) {
    const TSchafkopfKiGebot& g = Z().kiGebot[seat - 1];
    if (g.typ == kKeinSpiel) return false;
    if (Z().angesagt == 0) return true;
    return spielWert(g.typ, g.tout != 0) > spielWert(Z().hoechstes);
}

std::vector<karte> sortiertSpielbar() {
    std::vector<karte> sp = schafkopf::spielbareKarten();
    const sdki::Regeln& r = regeln();
    std::stable_sort(sp.begin(), sp.end(),
                     [&](const karte& a, const karte& b) { return sdki::prlwert(r, a) > sdki::prlwert(r, b); });
    return sp;
}

}  // namespace

void kiTick() {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 4) return;
    if (stufe(seat) == 0) {
        schafkopf::zufallsAntwort();
        return;
    }
    const TEntscheidung& e = cg.entscheidung;
    const int knoepfe = e.mitKnoepfen ? std::clamp<int>(e.knopfAnzahl, 0, 8) : 0;
    const TSchafkopfKiGebot& g = Z().kiGebot[seat - 1];
    if (knoepfe > 0) {
        switch (e.art) {
            case 93:
                spielWahl(seat);
                druecken(wuenschtSpiel(seat) ? 93 : 37);
                return;
            case 97:
                druecken(96);
                return;
            case 91:
                druecken(angeboten(g.farbe) ? g.farbe : ersterKnopf());
                return;
            case 92:
                // the wish when it is offered and still outranks; else pass when passing is
                // offered; else the wish or the first game offered
                if (g.typ != kKeinSpiel && angeboten(g.typ) && wuenschtSpiel(seat))
                    druecken(g.typ);
                else if (angeboten(43))
                    druecken(43);
                else if (g.typ != kKeinSpiel && angeboten(g.typ))
                    druecken(g.typ);
                else
                    druecken(ersterKnopf());
                return;
            case 94:
                druecken(g.tout ? 94 : 95);
                return;
            case 44:
            case 63: {
                const TSchafkopfSpiel& sp = cg.schafkopf.spiel;
                const int typ = std::clamp<int>(sp.typ, 0, 9), farbe = std::clamp<int>(sp.farbe, 0, 4);
                const bool spielerSeite = Z().sichten[seat].code[seat - 1] == 10;
                const int ziel = spielerSeite ? g.eigeneStufe[typ][farbe] : g.gegenStufe[typ][farbe];
                const int ja = e.art == 44 ? 1 : 2;
                druecken(Z().kontra < ziel && angeboten(ja) ? ja : -1);
                return;
            }
            default:
                return;  // not a question of this player
        }
    }
    if (cg.phase.nr == 4 && cg.phase.fluss3 == 47) {
        const std::vector<karte> sp = sortiertSpielbar();
        if (sp.empty()) return;
        const karte k = kartenWahl(sicht(seat), tischlage(), sp);
        // the card goes by the slot that holds it in the seat's stack
        const TSpieler& st = sd::st(seat);
        for (int i = 1; i <= st.anz; ++i)
            if (gleich(st.at(i).c, k)) {
                central::antwort(cg, central::kKarte, 0, i);
                return;
            }
    }
}

namespace {

sdki::Sicht lernSicht(int o, void*) { return sicht(o == 0 ? cg.aktSpieler : o); }

bool hatUnbekannt() {
    for (int s = 0; s < 4; ++s)
        if (Z().sichten[0].code[s] == 9) return true;
    return false;
}

}  // namespace

void nachZug(int art, int, int wert2) {
    if (cg.spielId != spiele::kSchafkopf || cg.phase.nr != 4 || art != central::kKarte) return;
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 4 || wert2 < 1 || wert2 > sd::anz(seat)) return;
    const karte k = sd::st(seat).at(wert2).c;
    // only a card the step will accept changes the knowledge
    if (!sd::enthalten(schafkopf::spielbareKarten(), k)) return;
    const int n = std::clamp<int>(Z().stichAnz, 0, 3);
    sdki::nachKarte(Z().wissen, regeln(), Z().stich, n, k, seat);
    if (parteienOffen() || cg.schafkopf.spiel.typ == kRamsch || !hatUnbekannt()) return;
    karte mit[4]{};
    for (int i = 0; i < n; ++i) mit[i] = Z().stich[i];
    mit[n] = karte{k.t, k.f, static_cast<uint16_t>(seat)};
    const int p = siegerPos(ordnung(), mit, n + 1);
    sdki::LernLage l;
    l.sichten = Z().sichten;
    l.spieler = seat;
    l.karte_ = k;
    l.stich = Z().stich;
    l.stichAnz = n;
    l.sieger = mit[p].nr;
    l.besteKarte = mit[p];
    l.sichtFuer = lernSicht;
    sdki::parteiLernen(l);
    parteiEreignis(8, 0);
}

}  // namespace schafkopfki
