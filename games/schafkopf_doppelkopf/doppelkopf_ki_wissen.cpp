#include "games/schafkopf_doppelkopf/doppelkopf_ki_wissen.h"

#include <algorithm>

#include "core/central.h"
#include "core/gtool.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"

namespace doppelkopfki {

namespace {

Arbeit g_arbeit;

void logStandard(const std::string& text) { kiLog(text); }

bool hatKarte(const std::vector<karte>& h, const TWktAbfrage& q) { return abfrageAnzahl(h, q) > 0; }

}  // namespace

void (*logZeile)(const std::string& text) = logStandard;

Arbeit& arbeit() { return g_arbeit; }

void eineEntfernen(std::vector<karte>& h, const karte& k) {
    auto it = std::find_if(h.begin(), h.end(), [&](const karte& x) { return gleich(x, k); });
    if (it != h.end()) h.erase(it);
}

std::vector<karte> ohne(std::vector<karte> a, const std::vector<karte>& b) {
    for (const karte& k : b) eineEntfernen(a, k);
    return a;
}

int anzahl(const std::vector<karte>& h, const karte& k) {
    return static_cast<int>(std::count_if(h.begin(), h.end(), [&](const karte& x) { return gleich(x, k); }));
}

bool istDulle(const karte& k) { return k.t == doppelkopf::kZehn && k.f == doppelkopf::kHerz; }
bool istKreuzDame(const karte& k) { return k.t == doppelkopf::kDame && k.f == doppelkopf::kKreuz; }
bool istFuchs(const karte& k) { return k.t == doppelkopf::kAs && k.f == doppelkopf::kKaro; }

int farbklasse(const karte& k) { return doppelkopf::istTrumpf(g_arbeit.ord, k) ? 6 : k.f; }
int kartenRang(const karte& k) { return doppelkopf::rang(g_arbeit.ord, k); }

// ---------------------------------------------------------------------------------------------
// The situation

Lage leereLage() {
    Lage l;
    for (TParteiSicht& v : l.sichten)
        for (int s = 0; s < 4; ++s) v.code[s] = v.code2[s] = 9;
    return l;
}

Lage lageAusSpiel() {
    const TDoppelkopfZustand& z = cg.doppelkopf.z;
    const TDoppelkopfOptionen& o = cg.doppelkopf.optionen;
    Lage l;
    l.soloTyp = z.soloTyp;
    l.solist = z.solist;
    l.hochzeitOffen = doppelkopf::hochzeitOffen();
    l.hochzeit = z.hochzeit;
    l.zweiteDulle = o.zweiteDulle != 0;
    l.fuchsFangen = o.fuchs != 0;
    l.doppelkopfPunkte = o.doppelkopf != 0;
    l.geber = cg.geber;
    l.amZug = cg.aktSpieler;
    for (int s = 1; s <= 4; ++s) {
        l.stufe[static_cast<size_t>(s)] =
            central::dienste.staerke ? central::dienste.staerke(cg.spielIdMenue, s) : 2;
        l.haende[static_cast<size_t>(s)] = sd::karten(s);
        for (const karte& k : sd::karten(s + 6)) l.gespielt.push_back(k);
        l.kreuzDamenGespielt[static_cast<size_t>(s)] = z.sitz[s - 1].kreuzDamen;
        l.wissen[static_cast<size_t>(s - 1)] = z.wissen[s - 1];
    }
    l.stich.assign(z.stich, z.stich + std::clamp<int>(z.stichAnz, 0, 4));
    for (int v = 0; v < 5; ++v) l.sichten[static_cast<size_t>(v)] = z.sichten[v];
    return l;
}

// ---------------------------------------------------------------------------------------------
// Parties

int parteievt(int seat, int sicht) {
    if (seat < 1 || seat > 4 || sicht < 0 || sicht > 4) return 9;
    const TParteiSicht& v = g_arbeit.lage.sichten[static_cast<size_t>(sicht)];
    return v.code[seat - 1] != 9 ? v.code[seat - 1] : v.code2[seat - 1];
}

bool gegner(int a, int b, int sicht) {
    if (g_arbeit.istSolo) return a != b && (a == g_arbeit.lage.solist || b == g_arbeit.lage.solist);
    return parteievt(a, sicht) != parteievt(b, sicht);
}

bool partner(int a, int b, int sicht) { return !gegner(a, b, sicht); }

// ---------------------------------------------------------------------------------------------
// The refresh

void ordnungSetzen(const doppelkopf::Ordnung& o) { g_arbeit.ord = o; }

void wissenAktualisieren(const Lage& lage, int ich) {
    Arbeit& a = g_arbeit;
    a.lage = lage;
    a.ord = doppelkopf::trumpfOrdnung(lage.soloTyp);
    a.ich = ich >= 1 && ich <= 4 ? ich : lage.amZug;
    ich = a.ich;
    a.istSolo = lage.soloTyp > 0;
    a.eigeneHand = lage.haende[static_cast<size_t>(ich)];
    a.stichAnzahl = static_cast<int>(lage.stich.size());
    a.spielbar = ich == lage.amZug ? doppelkopf::spielbareKarten(a.ord, a.eigeneHand, lage.stich) : a.eigeneHand;
    std::stable_sort(a.spielbar.begin(), a.spielbar.end(),
                     [&](const karte& x, const karte& y) { return kartenRang(x) > kartenRang(y); });
    a.letzter = sd::naechster(ich, 3 - a.stichAnzahl);
    if (a.stichAnzahl >= 3) a.letzter = ich;

    // partners
    a.partner1 = a.partner2 = 0;
    a.partner1Letzter = a.partner2Letzter = false;
    if (a.istSolo) {
        if (a.letzter != ich && partner(ich, a.letzter, ich)) {
            for (int u = 1; u <= 4; ++u)
                if (u != ich && partner(u, ich, ich)) a.partner1 = a.partner2 = u;
            a.partner1Letzter = a.partner2Letzter = true;
        }
    } else if (!lage.hochzeitOffen) {
        const TParteiSicht& eigene = lage.sichten[static_cast<size_t>(ich)];
        const int selbst = eigene.code[ich - 1];
        for (int u = 1; u <= 4; ++u) {
            if (u == ich) continue;
            if (selbst != 9 && eigene.code[u - 1] == selbst) {
                a.partner1 = u;
                a.partner1Letzter = u == a.letzter;
            }
            if (parteievt(ich, ich) != 9 && parteievt(u, ich) == parteievt(ich, ich)) {
                a.partner2 = u;
                a.partner2Letzter = u == a.letzter;
            }
        }
    }

    a.gespielt = lage.gespielt;
    a.unsichtbar.clear();
    for (int u = 1; u <= 4; ++u) {
        if (u == ich) continue;
        const auto& h = lage.haende[static_cast<size_t>(u)];
        a.unsichtbar.insert(a.unsichtbar.end(), h.begin(), h.end());
    }
    for (int u = 1; u <= 4; ++u) {
        SitzWissen& w = a.sitz[static_cast<size_t>(u)];
        const TDoppelkopfWissen& g = lage.wissen[static_cast<size_t>(u - 1)];
        w = SitzWissen{};
        w.anz = static_cast<int>(lage.haende[static_cast<size_t>(u)].size());
        for (int k : {1, 2, 3, 4, 6}) w.frei[static_cast<size_t>(k)] = g.frei[k] != 0;
        w.bekannt.assign(g.bekannt, g.bekannt + std::clamp<int>(g.bekanntAnz, 0, 24));
        // a known card that has gone out of the unseen cards is no longer held
        std::vector<karte> rest = a.unsichtbar;
        std::vector<karte> gilt;
        for (const karte& k : w.bekannt)
            if (anzahl(rest, k) > 0) {
                eineEntfernen(rest, k);
                gilt.push_back(k);
            }
        w.bekannt = gilt;
    }
    for (int u = 1; u <= 4; ++u) {
        if (u == ich) continue;
        SitzWissen& w = a.sitz[static_cast<size_t>(u)];
        w.moeglich.clear();
        for (const karte& k : a.unsichtbar)
            if (!w.frei[static_cast<size_t>(farbklasse(k))]) w.moeglich.push_back(k);
    }
    for (int k : {1, 2, 3, 4, 6}) {
        const auto kl = static_cast<size_t>(k);
        for (int u = 1; u <= 4; ++u) {
            SitzWissen& w = a.sitz[static_cast<size_t>(u)];
            if (u == ich) {
                w.bekannt = a.eigeneHand;
                w.frei[kl] = std::none_of(a.eigeneHand.begin(), a.eigeneHand.end(),
                                          [&](const karte& x) { return farbklasse(x) == k; });
                continue;
            }
            if (w.frei[kl]) continue;
            bool andereFrei = true;
            for (int v = 1; v <= 4; ++v)
                if (v != u && v != ich && !a.sitz[static_cast<size_t>(v)].frei[kl]) andereFrei = false;
            if (!andereFrei) continue;
            // every unseen card of the class is this seat's, copy by copy
            std::vector<karte> fehlt;
            for (const karte& x : a.unsichtbar)
                if (farbklasse(x) == k) fehlt.push_back(x);
            fehlt = ohne(fehlt, w.bekannt);
            w.bekannt.insert(w.bekannt.end(), fehlt.begin(), fehlt.end());
        }
    }
    a.unbekannt = a.unsichtbar;
    for (int u = 1; u <= 4; ++u) {
        if (u == ich) continue;
        SitzWissen& w = a.sitz[static_cast<size_t>(u)];
        w.ungewiss = ohne(w.moeglich, w.bekannt);
        a.unbekannt = ohne(a.unbekannt, w.bekannt);
    }

    const int ichCode = lage.sichten[0].code[ich - 1];
    a.ichRe = !a.istSolo &&
              (std::any_of(a.eigeneHand.begin(), a.eigeneHand.end(), istKreuzDame) || ichCode == 10);
    a.kreuzDameSpielbar =
        !a.istSolo && std::any_of(a.spielbar.begin(), a.spielbar.end(), istKreuzDame);
    a.parteiOffen = a.istSolo || ichCode != 9;
    a.stichNummer = 13 - static_cast<int>(a.eigeneHand.size());
}

void wissenAktualisieren(int ich) { wissenAktualisieren(lageAusSpiel(), ich); }

// ---------------------------------------------------------------------------------------------
// Queries

bool passtZuAbfrage(const karte& k, const TWktAbfrage& q) {
    if (q.art == 5) return kartenRang(k) == q.hoeher;
    const bool trumpf = farbklasse(k) == 6;
    const bool klasse = (q.farbe == 6 && trumpf) || (!trumpf && k.f == q.farbe);
    if (!klasse && (q.art == 1 || q.art == 4) && q.farbe > 0) return false;
    if (q.art == 4) return k.t >= doppelkopf::kKoenig && k.t <= doppelkopf::kAs;
    auto wert = [&](const karte& x) { return q.nachAugen ? doppelkopf::augen(x) : kartenRang(x); };
    if (q.hoeher >= 0) {
        // the second Dulle beats the first
        if (!q.nachAugen && g_arbeit.lage.zweiteDulle && istDulle(k) && istDulle(q.bezugskarte) &&
            doppelkopf::istTrumpf(g_arbeit.ord, k))
            return true;
        return wert(k) > wert(q.bezugskarte);
    }
    if (q.niedriger >= 0) return wert(k) < wert(q.bezugskarte);
    return true;
}

int abfrageAnzahl(const std::vector<karte>& h, const TWktAbfrage& q) {
    return static_cast<int>(std::count_if(h.begin(), h.end(), [&](const karte& k) { return passtZuAbfrage(k, q); }));
}

float wktHat(int seat, const TWktAbfrage& q, int modus) {
    const Arbeit& a = g_arbeit;
    if (seat < 1 || seat > 4) return 0.0f;
    float f = 1.0f;
    if (q.auchFrei > 0) {
        TWktAbfrage u = q;
        u.art = 1;
        u.farbe = q.auchFrei;
        u.auchFrei = 0;
        if (q.art == 5) u.hoeher = u.niedriger = -1;
        f = wktHat(seat, u, 0);
    }
    const SitzWissen& w = a.sitz[static_cast<size_t>(seat)];
    const bool klassenFrage = q.art == 1 && q.farbe >= 1 && q.farbe <= 6;
    int n = w.anz - static_cast<int>(w.bekannt.size());
    if (klassenFrage && w.frei[static_cast<size_t>(q.farbe)]) n = 0;
    int t = 0;
    for (int u = 1; u <= 4; ++u) {
        if (u == seat || u == a.ich) continue;
        const SitzWissen& x = a.sitz[static_cast<size_t>(u)];
        if (klassenFrage && x.frei[static_cast<size_t>(q.farbe)]) continue;
        t += x.anz - static_cast<int>(x.bekannt.size());
    }
    const int k = abfrageAnzahl(a.unbekannt, q);
    float p = 0.0f;
    if (n > 0) {
        float za = static_cast<float>(t), nb = static_cast<float>(n + t);
        p = 1.0f;
        for (int i = 0; i < k; ++i) {
            if (nb <= 0.0f) {
                p = 0.0f;
                break;
            }
            p = p * za / nb;
            za -= 1.0f;
            nb -= 1.0f;
            if (p <= 0.0f) {
                p = 0.0f;
                break;
            }
        }
        if (modus == 1) p = 1.0f - p;
    }
    if (modus == 1 && hatKarte(w.bekannt, q)) p = 1.0f;
    if (modus == 0 && !hatKarte(w.ungewiss, q) && !hatKarte(w.bekannt, q)) p = 1.0f;
    return p * f;
}

namespace {

TWktAbfrage klassenAbfrage(int klasse) {
    TWktAbfrage q;
    q.art = 1;
    q.farbe = klasse;
    return q;
}

float augenFrage(int seat, int klasse, const karte& k, bool mehr) {
    TWktAbfrage q;
    q.art = klasse == 0 ? 6 : 1;
    q.farbe = klasse;
    q.nachAugen = 1;
    q.bezugskarte = k;
    (mehr ? q.hoeher : q.niedriger) = 0;
    return wktHat(seat, q, 1);
}

}  // namespace

float wktFarbe(int seat, int klasse) { return wktHat(seat, klassenAbfrage(klasse), 1); }
float wktFrei(int seat, int klasse) { return wktHat(seat, klassenAbfrage(klasse), 0); }

float wktHoeher(int seat, const karte& k) {
    TWktAbfrage q = klassenAbfrage(farbklasse(k));
    q.hoeher = 0;
    q.bezugskarte = k;
    return wktHat(seat, q, 1);
}

float wktNiedriger(int seat, const karte& k) {
    TWktAbfrage q = klassenAbfrage(farbklasse(k));
    q.niedriger = 0;
    q.bezugskarte = k;
    return wktHat(seat, q, 1);
}

float wktMehrAugen(int seat, const karte& k, int klasse) {
    return augenFrage(seat, klasse == farbklasse(k) ? klasse : 0, k, true);
}

float wktWenigerAugen(int seat, const karte& k, int klasse) {
    return augenFrage(seat, klasse == farbklasse(k) ? klasse : 0, k, false);
}

float wktFreiUndFarbe(int seat, int freiKlasse, int klasse) {
    TWktAbfrage q = klassenAbfrage(klasse);
    q.auchFrei = freiKlasse;
    return wktHat(seat, q, 1);
}

// ---------------------------------------------------------------------------------------------
// Counting

int hoeherInHand(const karte& k, const std::vector<karte>& h, bool gleicheKlasse) {
    const int kl = farbklasse(k), w = kartenRang(k);
    return static_cast<int>(std::count_if(h.begin(), h.end(), [&](const karte& x) {
        return (!gleicheKlasse || farbklasse(x) == kl) && kartenRang(x) > w;
    }));
}

int hoeherUnbekannt(const karte& k, bool gleicheKlasse) { return hoeherInHand(k, g_arbeit.unsichtbar, gleicheKlasse); }

int niedrigerUnbekannt(const karte& k, bool gleicheKlasse) {
    const int kl = farbklasse(k), w = kartenRang(k);
    return static_cast<int>(std::count_if(g_arbeit.unsichtbar.begin(), g_arbeit.unsichtbar.end(), [&](const karte& x) {
        return (!gleicheKlasse || farbklasse(x) == kl) && kartenRang(x) < w;
    }));
}

std::vector<karte> hoehereKarten(const karte& k, const std::vector<karte>& h) {
    std::vector<karte> r;
    for (const karte& x : h)
        if (farbklasse(x) == farbklasse(k) && kartenRang(x) > kartenRang(k)) r.push_back(x);
    return r;
}

float augenSchnitt() {
    const auto& u = g_arbeit.unsichtbar;
    if (u.empty()) return 0.0f;
    return static_cast<float>(doppelkopf::augenSumme(u)) / static_cast<float>(u.size());
}

}  // namespace doppelkopfki
