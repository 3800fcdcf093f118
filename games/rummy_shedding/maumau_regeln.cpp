// Mau Mau rules that depend on nothing but their inputs: roles, the laying rule, card points,
// seat order, round points, the match end and the option page's consistency.
#include "games/rummy_shedding/maumau.h"

#include "platform/text.h"

namespace maumau {

int rolle(const TMaumau& m, const karte& c) {
    if (c.t == 0) return 0;
    for (int r = kNochmal; r >= kZiehen; --r)
        if (m.sonderWert[r] == c.t) return r;
    return 0;
}

bool passt(const TMaumau& m, const karte& c, const karte& offen, int frage) {
    if (c.t == 0) return false;
    const int r = rolle(m, c);
    // A pending draw or sit-out is answered only in kind; any suit will do.
    if (frage == kZiehen) return r == kZiehen;
    if (frage == kAussetzen) return r == kAussetzen;
    if (rolle(m, offen) == kWunsch) {
        if (m.wunschFarbe == 0) return false;
        if (r == kWunsch) return m.wunschAufWunsch != 0;
        return c.f == m.wunschFarbe;
    }
    return c.t == offen.t || c.f == offen.f || r == kWunsch;
}

int kartenPunkte(const karte& c) {
    static const int punkte[9] = {0, 7, 8, 9, 20, 3, 4, 10, 11};
    return c.t >= 1 && c.t <= 8 ? punkte[c.t] : 0;
}

int strafPunkte(const hand& h) {
    int s = 0;
    for (int i = 1; i <= h.anz; ++i) s += kartenPunkte(h.at(i));
    return s;
}

int folgeSitz(int seat, int k, int richtung, int n) {
    if (n < 1) return seat;
    const int r = richtung == 2 ? seat - k : seat + k;
    return ((r - 1) % n + n) % n + 1;
}

std::vector<int> rundenPunkte(const std::vector<hand>& haende, int sieger, bool positiv) {
    std::vector<int> p(haende.size(), 0);
    int summe = 0;
    for (size_t i = 0; i < haende.size(); ++i) {
        const int s = strafPunkte(haende[i]);
        summe += s;
        if (!positiv) p[i] = -s;
    }
    if (positiv && sieger >= 1 && sieger <= static_cast<int>(p.size())) p[static_cast<size_t>(sieger - 1)] = summe;
    return p;
}

bool limitErreicht(bool positiv, int32_t limit, const int32_t* konto, int n) {
    if (limit <= 0) return false;
    for (int s = 1; s <= n; ++s)
        if ((positiv ? konto[s] : -konto[s]) >= limit) return true;
    return false;
}

bool partieEnde(const TMaumau& m, int runden, const int32_t* konto, int n) {
    return m.rundenLimit <= runden || limitErreicht(m.positiv != 0, m.punkteLimit, konto, n);
}

std::string highscoreEintragen(TCG& g, int spielId, int punkte) {
    const int stufe = g.spielliste.runden > 10 ? 2 : 1;
    if (punkte < 1) return {};
    int platz = 1;
    while (platz <= 10 && !g.highscore.at(spielId, stufe, platz).leer &&
           punkte < g.highscore.at(spielId, stufe, platz).punkte)
        ++platz;
    if (platz > 10) return {};
    for (int p = 10; p > platz; --p) {
        g.highscore.at(spielId, stufe, p) = g.highscore.at(spielId, stufe, p - 1);
        g.highscore.at(spielId, stufe, p).platz = static_cast<uint8_t>(p);
    }
    THighscoreEintrag& e = g.highscore.at(spielId, stufe, platz);
    e = THighscoreEintrag{};
    e.platz = static_cast<uint8_t>(platz);
    e.punkte = punkte;
    e.name = g.spieler.at(1).name.str().substr(0, 100);
    e.leer = 0;
    return text::w("Sie haben den ") + text::fromInt(platz) + text::w(". Platz in der Highscoreliste erreicht.");
}

void standardOptionen(TMaumau& m) {
    for (int r = 0; r <= kNochmal; ++r) m.sonderWert[r] = 9;
    m.sonderWert[kZiehen] = 1;     // Sieben
    m.sonderWert[kAussetzen] = 2;  // Acht
    m.sonderWert[kWunsch] = 4;     // Bube
    m.sonderWert[kRichtung] = 3;   // Neun
    m.sonderWert[kNochmal] = 8;    // Ass
    m.decks = 1;
    m.geberWahl = 1;
    m.startKarten = 5;
    m.positiv = 1;
    m.rundenLimit = 10;
    m.punkteLimit = 0;
    m.wunschAufWunsch = 0;
    m.ziehenSammeln = 1;
    m.aussetzenSammeln = 0;
}

int rollenPosition(const TMaumau& m, int rolle, int p, bool abwaerts) {
    auto belegt = [&](int wert) {
        if (wert >= 9) return false;
        for (int r = kZiehen; r <= kNochmal; ++r)
            if (r != rolle && m.sonderWert[r] == wert) return true;
        return false;
    };
    // Position 9 ("none") is never taken, so the search always ends.
    for (int schritte = 0; schritte < 10 && belegt(p); ++schritte) {
        p += abwaerts ? -1 : 1;
        if (p > 9) p = 1;
        if (p < 1) p = 9;
    }
    return p;
}

int geberPosition(int wahl, int spieler, bool abwaerts) {
    for (int schritte = 0; schritte < 8 && wahl != 1 && (wahl < 1 || wahl - 1 > spieler); ++schritte) {
        wahl += abwaerts ? -1 : 1;
        if (wahl > 7 || wahl < 1) wahl = 1;
    }
    return wahl;
}

}  // namespace maumau
