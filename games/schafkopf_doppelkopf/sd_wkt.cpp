// The card-holding probability engine: card piles by id, the knowledge refresh of one observer
// and the chance that a seat holds (or lacks) a card of a kind, drawing its open cards without
// replacement from the cards whose holder is open.
#include "games/schafkopf_doppelkopf/sd_wkt.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace sdki {

namespace {

constexpr int kKlassen[5] = {1, 2, 3, 4, kKlasseTrumpf};

bool gueltigeKlasse(int k) { return (k >= 1 && k <= 4) || k == kKlasseTrumpf; }

int klasseVonId(const Regeln& r, int id) { return r.trumpf[id] ? kKlasseTrumpf : id / 8 + 1; }

}  // namespace

void leeren(TKartenZahl& z) { z = TKartenZahl{}; }

void dazu(TKartenZahl& z, const karte& k) {
    const int id = kartenId(k);
    if (id < 0) return;
    ++z.anz[id];
    ++z.n;
}

void weg(TKartenZahl& z, const karte& k) {
    const int id = kartenId(k);
    if (id < 0 || z.anz[id] == 0) return;
    --z.anz[id];
    --z.n;
}

int anzahl(const TKartenZahl& z, const karte& k) {
    const int id = kartenId(k);
    return id < 0 ? 0 : z.anz[id];
}

TKartenZahl ohne(const TKartenZahl& a, const TKartenZahl& b) {
    TKartenZahl r{};
    for (int id = 0; id < kIds; ++id) {
        r.anz[id] = a.anz[id] > b.anz[id] ? static_cast<uint8_t>(a.anz[id] - b.anz[id]) : uint8_t{0};
        r.n += r.anz[id];
    }
    return r;
}

Regeln regelnAus(const schafkopf::Ordnung& o, int gleichHoeher) {
    Regeln r;
    for (int id = 0; id < kIds; ++id) {
        const karte k = idKarte(id);
        r.trumpf[id] = o.trumpf[k.f - 1][k.t - 1] ? 1 : 0;
        r.wert[id] = static_cast<int16_t>(o.rang[k.f - 1][k.t - 1]);
        r.augen[id] = static_cast<uint8_t>(schafkopf::augen(k));
    }
    r.gleichHoeher = gleichHoeher;
    return r;
}

int farbklasse(const Regeln& r, const karte& k) {
    const int id = kartenId(k);
    if (id < 0) return 0;
    return klasseVonId(r, id);
}

bool passtZuAbfrage(const Regeln& r, const karte& k, const Abfrage& q) {
    const int id = kartenId(k);
    if (id < 0) return false;
    if (q.art == 5) return r.wert[id] == q.hoeher;
    const bool trumpf = r.trumpf[id] != 0;
    const bool klassePasst = (k.f == q.farbe && !trumpf) || (q.farbe == kKlasseTrumpf && trumpf);
    if (!klassePasst && (q.art == 1 || q.art == 4) && q.farbe > 0) return false;
    if (q.art == 4) return istHochkarte(k);
    const int bezug = kartenId(q.bezugskarte);
    auto rangVon = [&](int i) { return i < 0 ? 0 : (q.nachAugen ? r.augen[i] : r.wert[i]); };
    if (q.hoeher >= 0) {
        if (!q.nachAugen && r.gleichHoeher >= 0 && id == r.gleichHoeher && bezug == r.gleichHoeher)
            return true;
        return rangVon(id) > rangVon(bezug);
    }
    if (q.niedriger >= 0) return rangVon(id) < rangVon(bezug);
    return true;
}

namespace {

// The ids of the cards that fit the question (passtZuAbfrage), one bit each: a question is asked
// of several piles, and what it asks is worked out once.
uint32_t maskeRechnen(const Regeln& r, const Abfrage& q) {
    uint32_t m = 0;
    if (q.art == 5) {
        for (int id = 0; id < kIds; ++id)
            if (r.wert[id] == q.hoeher) m |= 1u << id;
        return m;
    }
    const bool nurKlasse = (q.art == 1 || q.art == 4) && q.farbe > 0;
    const int bezug = kartenId(q.bezugskarte);
    auto rangVon = [&](int i) { return i < 0 ? 0 : (q.nachAugen ? r.augen[i] : r.wert[i]); };
    const int bezugRang = rangVon(bezug);
    const bool gleichZaehlt = !q.nachAugen && r.gleichHoeher >= 0 && bezug == r.gleichHoeher;
    for (int id = 0; id < kIds; ++id) {
        const bool trumpf = r.trumpf[id] != 0;
        const bool klassePasst = (id / 8 + 1 == q.farbe && !trumpf) || (q.farbe == kKlasseTrumpf && trumpf);
        if (!klassePasst && nurKlasse) continue;
        bool passt = true;
        if (q.art == 4)
            passt = istHochkarte(idKarte(id));
        else if (q.hoeher >= 0)
            passt = (gleichZaehlt && id == r.gleichHoeher) || rangVon(id) > bezugRang;
        else if (q.niedriger >= 0)
            passt = rangVon(id) < bezugRang;
        if (passt) m |= 1u << id;
    }
    return m;
}

// The same few questions come again and again under the same rules while a seat thinks: their
// answers are kept until the rules change. A question is known by its kind, class, the direction
// of its rank test, whether it counts points, and its reference card.
uint32_t abfrageMaske(const Regeln& r, const Abfrage& q) {
    constexpr int kBezug = kIds + 1;
    constexpr int kSchluessel = 7 * 7 * 3 * 2 * kBezug;
    struct Speicher {
        Regeln regeln;
        bool gefuellt = false;
        uint32_t runde = 1;
        uint32_t maske[kSchluessel] = {};
        uint32_t stand[kSchluessel] = {};  // the round the answer belongs to
    };
    static Speicher sp;
    if (q.art < 1 || q.art > 6 || q.art == 5 || q.farbe < 0 || q.farbe > 6) return maskeRechnen(r, q);
    if (!sp.gefuellt || std::memcmp(&sp.regeln, &r, sizeof(Regeln)) != 0) {
        sp.regeln = r;
        sp.gefuellt = true;
        ++sp.runde;
    }
    const int rangTest = q.hoeher >= 0 ? 1 : (q.niedriger >= 0 ? 2 : 0);
    const int schluessel =
        (((q.art * 7 + q.farbe) * 3 + rangTest) * 2 + (q.nachAugen ? 1 : 0)) * kBezug + kartenId(q.bezugskarte) + 1;
    if (sp.stand[schluessel] != sp.runde) {
        sp.maske[schluessel] = maskeRechnen(r, q);
        sp.stand[schluessel] = sp.runde;
    }
    return sp.maske[schluessel];
}

int anzahlIn(const TKartenZahl& h, uint32_t maske) {
    int n = 0;
    for (uint32_t m = maske; m != 0; m &= m - 1) n += h.anz[std::countr_zero(m)];
    return n;
}

}  // namespace

int abfrageAnzahl(const Regeln& r, const TKartenZahl& h, const Abfrage& q) {
    return anzahlIn(h, abfrageMaske(r, q));
}

float wktHat(const Sicht& s, int seat, const Abfrage& q, int modus) {
    if (seat < 1 || seat > 4) return 0.0f;
    float f = 1.0f;
    if (q.auchFrei > 0) {
        Abfrage u = q;
        u.art = 1;
        u.farbe = q.auchFrei;
        u.auchFrei = 0;
        if (q.art == 5) u.hoeher = u.niedriger = -1;
        f = wktHat(s, seat, u, 0);
    }
    const bool klassenFrage = q.art == 1 && gueltigeKlasse(q.farbe);
    const TKartenWissen& w = s.w[seat];
    int n = std::max(0, s.handAnz[seat] - w.bekannt.n);
    if (klassenFrage && w.frei[q.farbe]) n = 0;
    int t = 0;
    for (int u = 1; u <= 4; ++u) {
        if (u == seat || u == s.ich) continue;
        if (klassenFrage && s.w[u].frei[q.farbe]) continue;
        t += std::max(0, s.handAnz[u] - s.w[u].bekannt.n);
    }
    const uint32_t maske = abfrageMaske(s.regeln, q);
    const int k = anzahlIn(s.unbekannt, maske);
    float p = 0.0f;
    if (n > 0) {
        // none of the k open matching cards among the seat's n open slots
        float a = static_cast<float>(t), b = static_cast<float>(n + t);
        p = 1.0f;
        for (int i = 0; i < k; ++i) {
            if (b <= 0.0f || a <= 0.0f) {
                p = 0.0f;
                break;
            }
            p = p * a / b;
            a -= 1.0f;
            b -= 1.0f;
        }
        p = std::clamp(p, 0.0f, 1.0f);
        if (modus == 1) p = 1.0f - p;
    }
    if (modus == 1 && anzahlIn(w.bekannt, maske) > 0) p = 1.0f;
    if (modus == 0 && anzahlIn(w.ungewiss, maske) + anzahlIn(w.bekannt, maske) == 0) p = 1.0f;
    return std::clamp(p * f, 0.0f, 1.0f);
}

namespace {

Abfrage klassenAbfrage(int klasse) {
    Abfrage q;
    q.art = 1;
    q.farbe = klasse;
    return q;
}

}  // namespace

float wktFarbe(const Sicht& s, int seat, int klasse) { return wktHat(s, seat, klassenAbfrage(klasse), 1); }
float wktFrei(const Sicht& s, int seat, int klasse) { return wktHat(s, seat, klassenAbfrage(klasse), 0); }

namespace {

// A card of the class ranking above (or below) the card, by card order or by card points; class
// 0 means any class.
float rangFrage(const Sicht& s, int seat, int klasse, const karte& k, bool hoeher, bool nachAugen) {
    Abfrage q = klassenAbfrage(klasse);
    if (klasse == 0) q.art = 6;
    (hoeher ? q.hoeher : q.niedriger) = 1;
    q.nachAugen = nachAugen ? 1 : 0;
    q.bezugskarte = k;
    return wktHat(s, seat, q, 1);
}

}  // namespace

float wktHoeher(const Sicht& s, int seat, const karte& k) {
    return rangFrage(s, seat, farbklasse(s.regeln, k), k, true, false);
}
float wktNiedriger(const Sicht& s, int seat, const karte& k) {
    return rangFrage(s, seat, farbklasse(s.regeln, k), k, false, false);
}
float wktMehrAugenFarbe(const Sicht& s, int seat, int klasse, const karte& k) {
    return rangFrage(s, seat, klasse, k, true, true);
}
float wktWenigerAugenFarbe(const Sicht& s, int seat, int klasse, const karte& k) {
    return rangFrage(s, seat, klasse, k, false, true);
}

float wktMehrAugen(const Sicht& s, int seat, const karte& k, int klasse) {
    const int kk = farbklasse(s.regeln, k);
    return wktMehrAugenFarbe(s, seat, kk == klasse ? kk : 0, k);
}

float wktWenigerAugen(const Sicht& s, int seat, const karte& k, int klasse) {
    const int kk = farbklasse(s.regeln, k);
    return wktWenigerAugenFarbe(s, seat, kk == klasse ? kk : 0, k);
}

float wktFreiUndFarbe(const Sicht& s, int seat, int freiKlasse, int klasse) {
    Abfrage q = klassenAbfrage(klasse);
    q.auchFrei = freiKlasse;
    return wktHat(s, seat, q, 1);
}

namespace {

int zaehlen(const Regeln& r, const karte& k, const TKartenZahl& h, bool gleicheKlasse, bool hoeher) {
    const int id = kartenId(k);
    if (id < 0) return 0;
    const int kl = klasseVonId(r, id);
    int n = 0;
    for (int i = 0; i < kIds; ++i) {
        if (!h.anz[i] || (gleicheKlasse && klasseVonId(r, i) != kl)) continue;
        if (hoeher ? r.wert[i] > r.wert[id] : r.wert[i] < r.wert[id]) n += h.anz[i];
    }
    return n;
}

}  // namespace

int niedrigerInHand(const Regeln& r, const karte& k, const TKartenZahl& h, bool gleicheKlasse) {
    return zaehlen(r, k, h, gleicheKlasse, false);
}
int hoeherInHand(const Regeln& r, const karte& k, const TKartenZahl& h, bool gleicheKlasse) {
    return zaehlen(r, k, h, gleicheKlasse, true);
}
int niedrigerUnbekannt(const Sicht& s, const karte& k, bool gleicheKlasse) {
    return niedrigerInHand(s.regeln, k, s.unsichtbar, gleicheKlasse);
}
int hoeherUnbekannt(const Sicht& s, const karte& k, bool gleicheKlasse) {
    return hoeherInHand(s.regeln, k, s.unsichtbar, gleicheKlasse);
}

TKartenZahl hoehereKarten(const Regeln& r, const karte& k, const TKartenZahl& h) {
    TKartenZahl out{};
    const int id = kartenId(k);
    if (id < 0) return out;
    const int kl = klasseVonId(r, id);
    for (int i = 0; i < kIds; ++i)
        if (h.anz[i] && klasseVonId(r, i) == kl && r.wert[i] > r.wert[id]) {
            out.anz[i] = h.anz[i];
            out.n += h.anz[i];
        }
    return out;
}

float augenSchnitt(const Sicht& s) {
    if (s.unsichtbar.n <= 0) return 0.0f;
    int summe = 0;
    for (int i = 0; i < kIds; ++i) summe += s.unsichtbar.anz[i] * s.regeln.augen[i];
    return static_cast<float>(summe) / static_cast<float>(s.unsichtbar.n);
}

int klassenAnzahl(const Regeln& r, const TKartenZahl& h, int klasse) {
    int n = 0;
    for (int i = 0; i < kIds; ++i)
        if (klasseVonId(r, i) == klasse) n += h.anz[i];
    return n;
}

Sicht wissenAktualisieren(const Lage& lage) {
    Sicht s;
    if (lage.regeln) s.regeln = *lage.regeln;
    const Regeln& r = s.regeln;
    s.ich = lage.ich >= 1 && lage.ich <= 4 ? lage.ich : 0;
    s.istSolo = lage.istSolo;
    s.stichAnzahl = lage.stichAnzahl;
    s.letzter = s.ich + (3 - s.stichAnzahl);
    while (s.letzter > 4) s.letzter -= 4;
    for (int u = 1; u <= 4; ++u) s.handAnz[u] = lage.handAnz[u];
    s.eigeneHand = lage.eigeneHand;
    s.unsichtbar = lage.unsichtbar;
    s.gespielt = lage.gespielt;
    if (lage.wissen)
        for (int u = 1; u <= 4; ++u) s.w[u] = lage.wissen[u - 1];
    // each card's class once, and the observer's cards counted by class
    uint8_t klasse[kIds];
    int eigene[kKlasseTrumpf + 1] = {};
    for (int i = 0; i < kIds; ++i) {
        klasse[i] = static_cast<uint8_t>(klasseVonId(r, i));
        eigene[klasse[i]] += s.eigeneHand.anz[i];
    }

    // what each other seat may hold: the unseen cards outside its voids
    for (int u = 1; u <= 4; ++u) {
        if (u == s.ich) continue;
        TKartenZahl& m = s.w[u].moeglich;
        leeren(m);
        for (int i = 0; i < kIds; ++i)
            if (s.unsichtbar.anz[i] && !s.w[u].frei[klasse[i]]) {
                m.anz[i] = s.unsichtbar.anz[i];
                m.n += m.anz[i];
            }
    }
    for (int kl : kKlassen) {
        for (int u = 1; u <= 4; ++u) {
            TKartenWissen& w = s.w[u];
            if (u == s.ich) {
                w.bekannt = s.eigeneHand;
                w.moeglich = s.eigeneHand;
                w.frei[kl] = eigene[kl] == 0 ? 1 : 0;
                w.freiWkt[kl] = w.frei[kl] ? 1.0f : 0.0f;
                continue;
            }
            if (s.ich == 0 || w.frei[kl]) continue;
            bool andereFrei = true;
            for (int v = 1; v <= 4; ++v)
                if (v != u && v != s.ich) andereFrei = andereFrei && s.w[v].frei[kl];
            if (!andereFrei) continue;
            // every other seat lacks the class: its unseen cards are all this seat's
            for (int i = 0; i < kIds; ++i)
                if (klasse[i] == kl && s.unsichtbar.anz[i] > w.bekannt.anz[i]) {
                    w.bekannt.n += s.unsichtbar.anz[i] - w.bekannt.anz[i];
                    w.bekannt.anz[i] = s.unsichtbar.anz[i];
                }
        }
    }
    // a declarer playing alone has led with trumps: one unseen trump is surely his
    const int d = lage.solist;
    if (s.istSolo && lage.solistTrumpfRegel && d >= 1 && d <= 4 && d != s.ich && !s.w[d].frei[kKlasseTrumpf]) {
        const int tr = klassenAnzahl(r, s.unsichtbar, kKlasseTrumpf);
        if (tr >= 1 && tr <= 4) {
            for (int i = 0; i < kIds; ++i)
                if (r.trumpf[i] && s.unsichtbar.anz[i]) {
                    TKartenWissen& w = s.w[d];
                    if (w.bekannt.anz[i] == 0 && w.bekannt.n < s.handAnz[d]) {
                        ++w.bekannt.anz[i];
                        ++w.bekannt.n;
                    }
                    break;
                }
        }
    }
    s.unbekannt = s.unsichtbar;
    for (int u = 1; u <= 4; ++u) {
        if (u == s.ich) continue;
        s.w[u].ungewiss = ohne(s.w[u].moeglich, s.w[u].bekannt);
        s.unbekannt = ohne(s.unbekannt, s.w[u].bekannt);
        for (int kl : kKlassen) s.w[u].freiWkt[kl] = s.w[u].frei[kl] ? 1.0f : 0.0f;
    }
    return s;
}

void nachKarte(TKartenWissen wissen[4], const Regeln& r, const karte* stich, int stichAnz,
               const karte& k, int seat) {
    if (seat < 1 || seat > 4) return;
    if (stichAnz > 0) {
        const int l = farbklasse(r, stich[0]);
        if (l > 0 && farbklasse(r, k) != l) {
            wissen[seat - 1].frei[l] = 1;
            wissen[seat - 1].freiWkt[l] = 1.0f;
        }
    }
    weg(wissen[seat - 1].bekannt, k);
}

int trumpfKosten(int n) {
    if (n <= 0) return 120;
    if (n == 1) return 80;
    if (n == 2) return 60;
    if (n == 3) return 40;
    if (n <= 5) return 20;
    if (n <= 8) return 10;
    if (n <= 11) return 5;
    return 0;
}

}  // namespace sdki
