#include "games/schafkopf_doppelkopf/doppelkopf_regeln.h"

#include <algorithm>
#include <cstdlib>

#include "core/entscheidung.h"
#include "core/gtool.h"
#include "platform/text.h"

namespace doppelkopf {

namespace {

std::string zahl(int v) { return text::fromInt(v); }

std::string farbWort(int f) {
    if (entscheidung::fragen.farbName) return entscheidung::fragen.farbName(f);
    static const char* const namen[] = {"Kreuz", "Pik", "Herz", "Karo"};
    return f >= 1 && f <= 4 ? namen[f - 1] : std::string();
}

// The deck style's word for the Bube (value 4) or the Dame (5) as the first part of a solo's
// name: "Bube" and "Dame" become "Buben" and "Damen", "Unter" and "Ober" stay.
std::string wertWort(int t) {
    std::string w;
    gtool::wertName(t, w);
    if (w.empty()) w = t == kBube ? "Bube" : "Dame";
    if (w.back() == 'e') w += 'n';
    return w;
}

}  // namespace

Ordnung trumpfOrdnung(int soloTyp) {
    Ordnung o;
    bool dulle = true, damen = true, buben = true;
    int farbe = kKaro;
    switch (soloTyp) {
        case 1:
        case 2:
        case 3:
            farbe = soloTyp;
            break;
        case kBubensolo:
            dulle = damen = false;
            farbe = 0;
            break;
        case kDamensolo:
            dulle = buben = false;
            farbe = 0;
            break;
        case kFleischlos:
            dulle = damen = buben = false;
            farbe = 0;
            break;
        case kBubenDamen:
            dulle = false;
            farbe = 0;
            break;
        default:  // normal game, Karo solo and the silent solo
            break;
    }
    int z = 25;
    auto trumpf = [&](int t, int f) {
        o.rang[f - 1][t - 1] = --z;
        o.trumpf[f - 1][t - 1] = true;
        o.trumpfListe.push_back(karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0});
    };
    if (dulle) trumpf(kZehn, kHerz);
    if (damen)
        for (int f = 1; f <= 4; ++f) trumpf(kDame, f);
    if (buben)
        for (int f = 1; f <= 4; ++f) trumpf(kBube, f);
    if (farbe != 0)
        for (int t : {kAs, kZehn, kKoenig, k9})
            if (!o.trumpf[farbe - 1][t - 1]) trumpf(t, farbe);
    for (int f = 1; f <= 4; ++f)
        for (int t : {kAs, kZehn, kKoenig, kDame, kBube, k9})
            if (!o.trumpf[f - 1][t - 1]) o.rang[f - 1][t - 1] = --z;
    return o;
}

std::vector<karte> kartenSatz() {
    std::vector<karte> d;
    for (uint8_t t = k9; t <= kAs; ++t)
        for (uint8_t f = 1; f <= 4; ++f)
            for (int kopie = 0; kopie < 2; ++kopie) d.push_back(karte{t, f, 0});
    return d;
}

std::vector<karte> spielbareKarten(const Ordnung& o, const std::vector<karte>& hand,
                                   const std::vector<karte>& stich) {
    if (stich.empty()) return hand;
    std::vector<karte> r;
    for (const karte& k : hand)
        if (bedient(o, k, stich.front())) r.push_back(k);
    return r.empty() ? hand : r;
}

bool istDulle(const karte& k) { return k.t == kZehn && k.f == kHerz; }

bool sticht(const Ordnung& o, const karte& k, const karte& best, bool zweiteDulle) {
    if (zweiteDulle && istDulle(k) && istDulle(best) && istTrumpf(o, k)) return true;
    return schafkopf::sticht(o, k, best);
}

int stichSieger(const Ordnung& o, const std::vector<karte>& stich, bool zweiteDulle) {
    int best = 0;
    for (int i = 1; i < static_cast<int>(stich.size()); ++i)
        if (sticht(o, stich[static_cast<size_t>(i)], stich[static_cast<size_t>(best)], zweiteDulle)) best = i;
    return best;
}

karte stichBesteKarte(const Ordnung& o, const std::vector<karte>& stich, bool zweiteDulle) {
    return stich.empty() ? karte{} : stich[static_cast<size_t>(stichSieger(o, stich, zweiteDulle))];
}

int naechsteAnsage(int stufe, const std::array<bool, 5>& erlaubt) {
    for (int l = std::max(stufe, 0) + 1; l <= 5; ++l)
        if (erlaubt[static_cast<size_t>(l - 1)]) return l;
    return 0;
}

bool ansageErlaubt(int naechste, int karten, bool hochzeitOffen, int hochzeitKarten) {
    const int h = hochzeitKarten > 0 ? 12 - hochzeitKarten : 0;
    return naechste >= 1 && !hochzeitOffen && (naechste - 1) + karten + h >= 11;
}

std::string ansageText(bool kontra, int stufe) {
    switch (stufe) {
        case 1:
            return kontra ? "Kontra" : "Re";
        case 2:
            return "Keine 90";
        case 3:
            return "Keine 60";
        case 4:
            return "Keine 30";
        case 5:
            return "Schwarz";
        default:
            return {};
    }
}

void ziele(int reStufe, int kontraStufe, int& reZiel, int& kontraZiel) {
    static const int ziel[] = {121, 151, 181, 211, 240};
    reZiel = reStufe >= 1 && reStufe <= 5 ? ziel[reStufe - 1] : 121;
    kontraZiel = kontraStufe >= 1 && kontraStufe <= 5 ? ziel[kontraStufe - 1] : 120;
    if (reStufe >= 1 && kontraStufe == 0) kontraZiel = 241 - reZiel;
    if (kontraStufe >= 1 && reStufe == 0) reZiel = 241 - kontraZiel;
}

std::string soloWort(int code, bool kurz) {
    if (code >= 1 && code <= 4) return farbWort(code);
    switch (code) {
        case kBubensolo:
            return wertWort(kBube);
        case kDamensolo:
            return wertWort(kDame);
        case kBubenDamen:
            return kurz ? wertWort(kBube).substr(0, 2) + ".-" + wertWort(kDame) : wertWort(kBube) + "-" + wertWort(kDame);
        default:
            return {};
    }
}

std::string soloName(int code) {
    if (code == kFleischlos) return "Fleischloses Solo";
    return soloWort(code, false) + "solo";
}

std::string prozentText(int n, int total, int stellen) {
    long long p = 0, f = 0;
    bool minus = false;
    if (total > 0) {
        // The sign is written once in front; the parts are computed from the magnitude.
        minus = n < 0;
        const long long a = std::llabs(static_cast<long long>(n));
        p = a * 100 / total;
        long long r = a * 100 - p * total;
        for (int i = 0; i < stellen; ++i) r *= 10;
        f = r / total;
        minus = minus && (p != 0 || f != 0);
    }
    std::string frac = text::fromInt(f);
    while (static_cast<int>(frac.size()) < stellen) frac = "0" + frac;
    return (minus ? "-" : "") + text::fromInt(p) + "." + frac + "%";
}

TGameResult abrechnen(const Abrechnung& a) {
    TGameResult r;
    int reZiel = 0, kontraZiel = 0;
    ziele(a.reStufe, a.kontraStufe, reZiel, kontraZiel);
    const bool reGewinnt = a.reAugen >= reZiel;
    const bool kontraGewinnt = !reGewinnt && a.kontraAugen >= kontraZiel;
    const bool keiner = !reGewinnt && !kontraGewinnt;
    auto idx = [](int s) { return static_cast<size_t>(s); };
    // In a draw the Re side takes the place of the winners: its special points count for it,
    // the Kontra side's against it, and both sides are paid the net.
    std::array<bool, 5> sieger{};
    for (int s = 1; s <= 4; ++s) sieger[idx(s)] = keiner || reGewinnt ? a.re[idx(s)] : !a.re[idx(s)];
    r.gewonnen = reGewinnt;
    r.spieler = a.solist;
    int v = 0;
    std::string sum, zeile;
    const bool solo = a.solist != 0;
    if (keiner) {
        zeile = "Keiner gewinnt das Spiel, weil beide Absagen nicht erreicht wurden. \rDie Re - Partei hat " +
                zahl(a.reAugen) + " Augen.\rDie Kontra - Partei hat " + zahl(a.kontraAugen) + " Augen.";
        sum = "Unentschieden 0";
    } else {
        const int W = reGewinnt ? a.reAugen : a.kontraAugen;
        std::vector<int> w;
        for (int s = 1; s <= 4; ++s)
            if (sieger[idx(s)]) w.push_back(s);
        auto n = [&](int s) { return a.namen[idx(s)]; };
        if (w.size() == 1)
            zeile = n(w[0]) + " gewinnt mit " + zahl(W) + " Augen.";
        else if (w.size() == 2)
            zeile = n(w[0]) + " und " + n(w[1]) + " gewinnen mit " + zahl(W) + " Augen.";
        else if (w.size() == 3)
            zeile = n(w[0]) + ", " + n(w[1]) + " und " + n(w[2]) + " gewinnen mit " + zahl(W) + " Augen.";
        v = 1;
        if (solo) {
            sum = soloName(a.soloTyp) + " " + (kontraGewinnt ? "verloren" : "gewonnen");
        } else {
            sum = "Gewonnen 1";
            if (kontraGewinnt) {
                v += 1;
                sum += " - Gegen die Alten " + zahl(v);
            }
        }
        int e = 0;
        if (W >= 240)
            e = 4;
        else if (W >= 211)
            e = 3;
        else if (W >= 181)
            e = 2;
        else if (W >= 151)
            e = 1;
        static const char* const extra[] = {"", "Keine 90", "Keine 60", "Keine 30", "Schwarz"};
        if (e > 0) {
            v += e;
            sum += std::string(" - ") + extra[e] + " gespielt " + zahl(v);
        }
        const int lw = reGewinnt ? a.reStufe : a.kontraStufe;
        const int ll = reGewinnt ? a.kontraStufe : a.reStufe;
        for (const auto& [stufe, kontra] : {std::pair{lw, kontraGewinnt}, std::pair{ll, !kontraGewinnt}}) {
            if (stufe < 1) continue;
            v += 2;
            sum += " - " + ansageText(kontra, 1) + " gesagt " + zahl(v);
            if (stufe > 1) {
                v += stufe - 1;
                sum += " - " + ansageText(kontra, stufe) + " gesagt " + zahl(v);
            }
        }
    }
    if (!solo)
        for (int s = 1; s <= 4; ++s) {
            const Sonderpunkte& sp = a.sonder[idx(s)];
            const int vz = sieger[idx(s)] ? 1 : -1;
            const std::string marke = vz > 0 ? "" : " (-)";
            for (int opfer : sp.fuchsOpfer) {
                if (opfer < 1 || opfer > 4 || a.re[idx(opfer)] == a.re[idx(s)]) continue;
                v += vz;
                sum += " - Fuchs" + marke + " " + zahl(v);
            }
            if (sp.doppelkopf > 0) {
                v += sp.doppelkopf * vz;
                if (sp.doppelkopf > 1)
                    sum += " - Doppelkopf " + zahl(sp.doppelkopf) + "x" + marke + " " + zahl(v);
                else
                    sum += " - Doppelkopf" + marke + " " + zahl(v);
            }
            if (sp.karlchen) {
                v += vz;
                sum += " - Karlchen" + marke + " " + zahl(v);
            }
        }
    for (int s = 1; s <= 4; ++s) {
        int x = sieger[idx(s)] ? v : -v;
        if (s == a.solist) x *= 3;
        r.at(s) = x;
    }
    r.spielWerte[0] = a.reAugen;
    r.spielWerte[1] = v;
    r.text1 = sum;
    r.text2 = sum + "\r\r" + zeile;
    return r;
}

}  // namespace doppelkopf
