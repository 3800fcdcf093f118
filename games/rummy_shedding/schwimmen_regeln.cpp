// Schwimmen rules that depend on nothing but their inputs.
#include <algorithm>

#include "games/rummy_shedding/maumau.h"
#include "games/rummy_shedding/schwimmen.h"
#include "platform/text.h"

namespace schwimmen {

int kartenWert(int t) {
    static const int punkte[9] = {0, 7, 8, 9, 10, 10, 10, 10, 11};
    return t >= 1 && t <= 8 ? punkte[t] : 0;
}

int handWert(const karte* karten, int anz, bool mitPasch) {
    int summe[5] = {};
    int zahl[9] = {};
    for (int i = 0; i < anz; ++i) {
        const karte& c = karten[i];
        if (c.f >= 1 && c.f <= 4) summe[c.f] += kartenWert(c.t);
        if (c.t >= 1 && c.t <= 8) ++zahl[c.t];
    }
    int wert = 10 * *std::max_element(summe + 1, summe + 5);
    if (mitPasch && anz == 3)
        for (int t = 1; t <= 8; ++t)
            if (zahl[t] == 3) wert = t == 8 ? 310 : std::max(wert, 305);
    return wert;
}

int handWert(const hand& h, bool mitPasch) { return handWert(h.k, h.anz, mitPasch); }

std::string wertText(int wert) {
    std::string t = text::fromInt(wert / 10);
    if (wert % 10 != 0) t += "," + text::fromInt(wert % 10);
    return t;
}

int naechsterSitz(int seat, int n) { return seat >= n ? 1 : seat + 1; }
int vorigerSitz(int seat, int n) { return seat <= 1 ? n : seat - 1; }

Rundenergebnis rundenErgebnis(const std::vector<int>& werte, bool positiv, const std::vector<std::string>& namen) {
    Rundenergebnis r;
    const int n = static_cast<int>(werte.size());
    r.punkte.assign(werte.size(), 0);
    if (n == 0) return r;
    const int ziel = positiv ? *std::max_element(werte.begin(), werte.end())
                             : *std::min_element(werte.begin(), werte.end());
    std::vector<std::string> wer;
    for (int s = 0; s < n; ++s) {
        if (werte[static_cast<size_t>(s)] != ziel) continue;
        r.punkte[static_cast<size_t>(s)] = positiv ? 1 : -1;
        wer.push_back(static_cast<size_t>(s) < namen.size() ? namen[static_cast<size_t>(s)] : std::string());
    }
    for (size_t i = 0; i < wer.size(); ++i) {
        if (i > 0) r.text += i + 1 == wer.size() ? text::w(" und ") : ", ";
        r.text += wer[i];
    }
    const bool einer = wer.size() == 1;
    if (positiv)
        r.text += text::w(einer ? " gewinnt mit " : " gewinnen mit ");
    else
        r.text += text::w(einer ? " verliert mit " : " verlieren mit ");
    r.text += wertText(ziel) + text::w(" Augen.");
    r.kurz = wertText(ziel) + text::w(" Augen");
    return r;
}

bool partieEnde(const TSchwimmen& s, int runden, const int32_t* konto, int n) {
    return s.rundenLimit <= runden || maumau::limitErreicht(s.positiv != 0, s.punkteLimit, konto, n);
}

int zahlAusText(const std::string& t) {
    const size_t p = t.rfind(' ');
    if (p == std::string::npos) return 0;
    size_t a = t.rfind(' ', p == 0 ? 0 : p - 1);
    a = a == std::string::npos || a >= p ? 0 : a + 1;
    return static_cast<int>(text::toIntDef(t.substr(a, p - a), 0));
}

void standardOptionen(TSchwimmen& s) {
    s.geberWahl = 1;
    s.mitPasch = 1;
    s.alleTauschen = 1;
    s.positiv = 1;
    s.rundenLimit = 200;
    s.punkteLimit = 10;
}

bool nochDran(const TSchwimmen& s, int akt, int p, int n) {
    if (!s.geklopft) return true;
    const int abstand = ((p - akt) % n + n) % n;
    return abstand >= 1 && abstand <= n - 1 - s.zuegeNachKlopfen;
}

}  // namespace schwimmen
