#include "games/schafkopf_doppelkopf/doppelkopf_ki_wissen.h"

#include <algorithm>

#include "core/central.h"
#include "core/gtool.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/sd_partei.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"

namespace doppelkopfki {

namespace {

Arbeit g_arbeit;

void logStandard(const std::string& text) { kiLog(text); }

TKartenZahl zahl(const std::vector<karte>& h) {
    TKartenZahl z{};
    for (const karte& k : h) sdki::dazu(z, k);
    return z;
}

}  // namespace

void (*logZeile)(const std::string& text) = logStandard;

Arbeit& arbeit() { return g_arbeit; }

int stufeIch() { return g_arbeit.lage.stufe[static_cast<size_t>(std::clamp(g_arbeit.ich, 1, 4))]; }

bool istDulle(const karte& k) { return k.t == doppelkopf::kZehn && k.f == doppelkopf::kHerz; }
bool istKreuzDame(const karte& k) { return k.t == doppelkopf::kDame && k.f == doppelkopf::kKreuz; }
bool istFuchs(const karte& k) { return k.t == doppelkopf::kAs && k.f == doppelkopf::kKaro; }

int farbklasse(const karte& k) { return sdki::farbklasse(g_arbeit.sicht.regeln, k); }
int kartenRang(const karte& k) {
    const int id = sdki::kartenId(k);
    return id < 0 ? 0 : g_arbeit.sicht.regeln.wert[id];
}

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
        const auto i = static_cast<size_t>(s);
        l.stufe[i] = central::dienste.staerke ? central::dienste.staerke(cg.spielIdMenue, s) : 2;
        l.haende[i] = sd::karten(s);
        for (const karte& k : sd::karten(s + 6)) l.gespielt.push_back(k);
        l.kreuzDamenGespielt[i] = z.sitz[s - 1].kreuzDamen;
        l.wissen[i - 1] = z.wissen[s - 1];
    }
    l.stich.assign(z.stich, z.stich + std::clamp<int>(z.stichAnz, 0, 4));
    for (size_t v = 0; v < 5; ++v) l.sichten[v] = z.sichten[v];
    return l;
}

// ---------------------------------------------------------------------------------------------
// Parties

int parteievt(int seat, int sicht) { return sdki::parteievt(g_arbeit.lage.sichten.data(), seat, sicht); }

bool partner(int a, int b, int sicht) {
    return sdki::partner(g_arbeit.lage.sichten.data(), a, b, sicht, g_arbeit.istSolo, g_arbeit.lage.solist);
}

// ---------------------------------------------------------------------------------------------
// The refresh

sdki::Regeln regeln(const doppelkopf::Ordnung& o, bool zweiteDulle) {
    const karte dulle{doppelkopf::kZehn, doppelkopf::kHerz, 0};
    return sdki::regelnAus(o, zweiteDulle && doppelkopf::istTrumpf(o, dulle) ? sdki::kartenId(dulle) : -1);
}

sdki::Sicht sichtAus(const Lage& lage, const doppelkopf::Ordnung& o, int ich) {
    const sdki::Regeln r = regeln(o, lage.zweiteDulle);
    sdki::Lage e;
    e.regeln = &r;
    e.ich = ich >= 1 && ich <= 4 ? ich : lage.amZug;
    e.istSolo = lage.soloTyp > 0;
    e.solist = lage.solist;
    e.solistTrumpfRegel = false;  // a Doppelkopf soloist's trumps are not guessed
    for (int u = 1; u <= 4; ++u) {
        const auto& h = lage.haende[static_cast<size_t>(u)];
        e.handAnz[u] = static_cast<int>(h.size());
        for (const karte& k : h) sdki::dazu(u == e.ich ? e.eigeneHand : e.unsichtbar, k);
    }
    e.gespielt = zahl(lage.gespielt);
    e.stichAnzahl = static_cast<int>(lage.stich.size());
    e.wissen = lage.wissen.data();
    sdki::Sicht s = sdki::wissenAktualisieren(e);
    // no partner is known while a Hochzeit waits for one
    if (e.istSolo || !lage.hochzeitOffen) sdki::partnerSetzen(s, lage.sichten.data(), e.istSolo, lage.solist);
    return s;
}

void wissenAktualisieren(const Lage& lage, int ich) {
    Arbeit& a = g_arbeit;
    a.lage = lage;
    a.ord = doppelkopf::trumpfOrdnung(lage.soloTyp);
    a.sicht = sichtAus(lage, a.ord, ich);
    a.ich = a.sicht.ich;
    ich = a.ich;
    a.istSolo = lage.soloTyp > 0;
    a.eigeneHand = lage.haende[static_cast<size_t>(ich)];
    a.stichAnzahl = static_cast<int>(lage.stich.size());
    a.spielbar = ich == lage.amZug ? doppelkopf::spielbareKarten(a.ord, a.eigeneHand, lage.stich) : a.eigeneHand;
    std::stable_sort(a.spielbar.begin(), a.spielbar.end(),
                     [](const karte& x, const karte& y) { return kartenRang(x) > kartenRang(y); });
    a.unsichtbar.clear();
    for (int u = 1; u <= 4; ++u)
        if (u != ich) {
            const auto& h = lage.haende[static_cast<size_t>(u)];
            a.unsichtbar.insert(a.unsichtbar.end(), h.begin(), h.end());
        }
    a.partner1 = a.sicht.partner1;
    a.partner2 = a.sicht.partner2;
    a.partner1Letzter = a.sicht.partner1Letzter != 0;
    a.partner2Letzter = a.sicht.partner2Letzter != 0;
    const int ichCode = lage.sichten[0].code[ich - 1];
    a.ichRe = !a.istSolo &&
              (std::any_of(a.eigeneHand.begin(), a.eigeneHand.end(), istKreuzDame) || ichCode == 10);
    a.kreuzDameSpielbar = !a.istSolo && std::any_of(a.spielbar.begin(), a.spielbar.end(), istKreuzDame);
    a.parteiOffen = a.istSolo || ichCode != 9;
    a.stichNummer = 13 - static_cast<int>(a.eigeneHand.size());
}

void wissenAktualisieren(int ich) { wissenAktualisieren(lageAusSpiel(), ich); }

// ---------------------------------------------------------------------------------------------
// Queries over the working set

float wktHat(int seat, const sdki::Abfrage& q, int modus) { return sdki::wktHat(g_arbeit.sicht, seat, q, modus); }
float wktFarbe(int seat, int klasse) { return sdki::wktFarbe(g_arbeit.sicht, seat, klasse); }
float wktFrei(int seat, int klasse) { return sdki::wktFrei(g_arbeit.sicht, seat, klasse); }
float wktHoeher(int seat, const karte& k) { return sdki::wktHoeher(g_arbeit.sicht, seat, k); }
float wktNiedriger(int seat, const karte& k) { return sdki::wktNiedriger(g_arbeit.sicht, seat, k); }
float wktWenigerAugen(int seat, const karte& k, int klasse) {
    return sdki::wktWenigerAugen(g_arbeit.sicht, seat, k, klasse);
}
float wktFreiUndFarbe(int seat, int freiKlasse, int klasse) {
    return sdki::wktFreiUndFarbe(g_arbeit.sicht, seat, freiKlasse, klasse);
}

int hoeherUnbekannt(const karte& k, bool gleicheKlasse) {
    return sdki::hoeherUnbekannt(g_arbeit.sicht, k, gleicheKlasse);
}

int hoeherInHand(const karte& k, const std::vector<karte>& h) {
    return sdki::hoeherInHand(g_arbeit.sicht.regeln, k, zahl(h), false);
}

int hoehereKarten(const karte& k, const TKartenZahl& h) { return sdki::hoehereKarten(g_arbeit.sicht.regeln, k, h).n; }

float augenSchnitt() { return sdki::augenSchnitt(g_arbeit.sicht); }

bool freiBekannt(int seat, int klasse) {
    return seat >= 1 && seat <= 4 && klasse >= 1 && klasse <= 6 && g_arbeit.sicht.w[seat].frei[klasse] != 0;
}

const TKartenZahl& bekannt(int seat) { return g_arbeit.sicht.w[std::clamp(seat, 0, 4)].bekannt; }

}  // namespace doppelkopfki
