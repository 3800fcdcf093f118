// Jass scoring: the bookings of Stöck, Weis and trick points in the order of the option, the
// goal that ends a round at once, the round result, the match end, the high score; and the
// options.
#include <algorithm>

#include "core/central.h"
#include "core/gtool.h"
#include "core/highscore.h"
#include "games/skat_jass_schnapsen/jass.h"
#include "platform/text.h"

namespace jass {

namespace {

std::string w(std::string_view s) { return text::w(s); }
std::string zahl(int64_t n) { return text::fromInt(n); }
std::string name(int seat) { return highscore::spielerName(cg, seat, false); }

void sagen(const std::string& utf8, int seat) { gtool::sagen(w(utf8), seat, 0, false); }

}  // namespace

Optionen optionen;
bool (*seiteLesen)(Optionen& o) = nullptr;

int rundenPunkte(int seat, int modus) {
    const TJass& j = cg.jass;
    int n = 0;
    for (int s : {seat, partner(seat)}) {
        n += j.stichPunkte.at(s) + j.weisPunkte.at(s) + j.stoeckPunkte.at(s) + j.letzterStichBonus.at(s);
        if (modus != 1) n += j.weisOffen.at(s) + j.stoeckOffen.at(s);
    }
    return n;
}

int teamPunkte(int t) { return rundenPunkte(t, 1) + cg.konto[t]; }

bool zielErreicht() {
    const int z = cg.jass.punkteLimit;
    return z >= 1 && (teamPunkte(1) >= z || teamPunkte(2) >= z);
}

void teamNotiz(int t, const std::string& text) {
    TJassNotizen& n = cg.jass.teamNotizen.at(t);
    if (n.anzahl >= 0 && n.anzahl < 3) n.text[n.anzahl] = w(text);
    n.anzahl += 1;
}

void stoeckBuchen() {
    TJass& j = cg.jass;
    bool markiert[3] = {};
    for (int s = 1; s <= 4; ++s) {
        if (j.stoeckOffen.at(s) < 1) continue;
        sagen("+20 Punkte", s);
        j.stoeckPunkte.at(s) += j.stoeckOffen.at(s);
        j.stoeckOffen.at(s) = 0;
        markiert[team(s)] = true;
    }
    for (int t = 1; t <= 2; ++t)
        if (markiert[t]) teamNotiz(t, "Stöck");
}

void weisBuchen() {
    TJass& j = cg.jass;
    bool markiert[3] = {};
    for (int s = 1; s <= 4; ++s) {
        if (j.weisOffen.at(s) >= 1) markiert[team(s)] = true;
        j.weisPunkte.at(s) += j.weisOffen.at(s);
        j.weisOffen.at(s) = 0;
    }
    for (int t = 1; t <= 2; ++t)
        if (markiert[t]) teamNotiz(t, "Weis");
}

void stichBuchen() {
    TJass& j = cg.jass;
    const int g = std::clamp<int>(j.stichGewinner, 1, 4);
    bool markiert = false;
    for (int i = 1; i <= j.stich.anz; ++i) {
        const int p = kartenPunkte(j.stich.at(i), j.trumpf);
        if (p >= 1) markiert = true;
        j.stichPunkte.at(g) += p;
    }
    if (markiert) teamNotiz(team(g), "Stich");
}

bool stichEndeBuchen() {
    TJass& j = cg.jass;
    for (int t = 1; t <= 2; ++t) j.teamNotizen.at(t).anzahl = 0;
    void (*const folge[3][3])() = {{stoeckBuchen, weisBuchen, stichBuchen},
                                   {stoeckBuchen, stichBuchen, weisBuchen},
                                   {stichBuchen, stoeckBuchen, weisBuchen}};
    const int r = std::clamp<int>(j.reihenfolge, 1, 3) - 1;
    for (int i = 0; i < 3; ++i) {
        folge[r][i]();
        if (zielErreicht()) return true;
    }
    return false;
}

TGameResult rundenErgebnis() {
    TGameResult r;
    r.zweiterWert = 1;
    for (int s = 1; s <= 4; ++s) r.at(s) = rundenPunkte(team(s), 1);
    r.text1 = spieltypName(cg.jass.trumpf) + " gespielt";
    const TJass& j = cg.jass;
    if (!zielErreicht()) {
        std::string t;
        for (int tm = 1; tm <= 2; ++tm) {
            t += name(tm) + " und " + name(tm + 2) + w(" erhalten ") + zahl(rundenPunkte(tm, 1)) + " Punkte";
            t += (j.letzterStich == tm || j.letzterStich == tm + 2) ? w(" (5 Punkte für den letzten Stich).")
                                                                    : std::string(".");
            t += "\n";
        }
        r.text2 = t;
    } else {
        const int tm = teamPunkte(1) > teamPunkte(2) ? 1 : 2;
        r.spieler = tm;
        r.gewonnen = 1;
        std::string t = name(tm) + " und " + name(tm + 2) + " erreichen ";
        const TJassNotizen& n = j.teamNotizen.at(tm);
        const int anzahl = n.anzahl;  // by value: the notes lie unaligned in the record
        const int k = std::clamp(anzahl, 0, 3);
        if (k > 0) {
            t += "(mit Punkten aus ";
            for (int i = 0; i < k; ++i) {
                if (i > 0) t += i == k - 1 ? " und " : ", ";
                t += n.text[i].str();
            }
            t += ") ";
        }
        t += "zuerst " + zahl(j.punkteLimit) + " Punkte und gewinnen die Partie.";
        r.text2 = t;
    }
    return r;
}

bool partieEnde() {
    if (cg.jass.rundenLimit <= cg.spielliste.runden) return true;
    if (cg.jass.punkteLimit < 1) return false;
    for (int s = 1; s <= 4; ++s)
        if (cg.konto[s] >= cg.jass.punkteLimit) return true;
    return false;
}

void limitText(std::string& text) {
    const int runden = cg.spielliste.runden;
    int beste = cg.konto[1];
    for (int s = 2; s <= 4; ++s) beste = std::max(beste, cg.konto[s]);
    text = zahl(runden) + (runden == 1 ? " Runde gespielt, " : " Runden gespielt, ") + zahl(beste) + " von " +
           (cg.jass.punkteLimit >= 1 ? zahl(cg.jass.punkteLimit) : std::string("unbegrenzt")) +
           " Punkten erreicht";
}

void abrechnungText(const TGameResult& r, std::string& text) { text = r.text2; }

void highscoreText(std::string& text) {
    text.clear();
    const int32_t k1 = cg.konto[1], k2 = cg.konto[2];
    const int32_t punkte = k1 - k2 > 0 ? k1 - k2 : 0;
    int stufe = cg.sitzEinstellungen.at(2).staerke;
    if (stufe < 1 || stufe > 3) stufe = 1;
    const std::string n = (name(1) + " (Endstand " + zahl(k1) + " : " + zahl(k2) + " Punkte)").substr(0, 100);
    text = highscore::eintragenText(cg.highscore, spiele::kJass, stufe, punkte, n);
}

spielliste::Tabelle punkteZeilen() {
    auto kurz = [](int seat) { return highscore::spielerName(cg, seat, true, true); };
    spielliste::Tabelle t;
    // Two names make a header wider than its column: the first team's stands on the header row,
    // the second team's a line above it, as the seats' names of the other games alternate.
    t.push_back({"!^Spiel", "!" + kurz(1) + "+" + kurz(3), "!^" + kurz(2) + "+" + kurz(4), "!"});
    const int runden = std::clamp<int>(cg.spielliste.runden, 0, kRundenMax);
    for (int r = 1; r <= runden; ++r) {
        // Slot 200 holds the latest round once there are more.
        const int nr = r < kRundenMax ? r : cg.spielliste.runden;
        t.push_back({"!" + zahl(nr) + ".", "!" + zahl(cg.spielliste.punkte[1][r]),
                     "!" + zahl(cg.spielliste.punkte[2][r]), cg.spielliste.text[r].str()});
    }
    t.push_back({"!", "!" + zahl(cg.konto[1]), "!" + zahl(cg.konto[2]), "Gesamtpunkte"});
    return t;
}

// ---------------------------------------------------------------------------------------------
// Options

int limitZahl(const std::string& t) {
    const size_t p = t.rfind(' ');
    if (p == std::string::npos) return 99999;
    size_t a = p;
    while (a > 0 && t[a - 1] != ' ') --a;
    return static_cast<int>(text::toIntDef(t.substr(a, p - a), 99999));
}

void optionenLesen() {
    if (seiteLesen) seiteLesen(optionen);
    TJass& j = cg.jass;
    cg.ablauf.anzSpieler = 4;
    j.mitWeisen = optionen.weisen;
    j.mitStoecken = optionen.stoecke;
    j.obenabe = optionen.obenabe;
    j.undenufe = optionen.undenufe;
    j.slalom = optionen.slalom;
    j.reihenfolge = std::clamp(optionen.reihenfolge, 1, 3);
    j.ersterGeber = 0;
    j.rundenLimit = optionen.runden >= 1 && optionen.runden <= 200 ? optionen.runden : 200;
    j.punkteLimit = std::max(0, optionen.punkte);
}

bool optionSetzen(const std::string& n, int wert) {
    Optionen& o = optionen;
    const bool an = wert != 0;
    if (n == "Weisen")
        o.weisen = an;
    else if (n == "Stoecke" || n == w("Stöcke"))
        o.stoecke = an;
    else if (n == "Obenabe")
        o.obenabe = an;
    else if (n == "Undenufe")
        o.undenufe = an;
    else if (n == "Slalom")
        o.slalom = an;
    else if (n == "Reihenfolge")
        o.reihenfolge = std::clamp(wert, 1, 3);
    else if (n == "Runden")
        o.runden = wert >= 1 && wert < 200 ? wert : 200;
    else if (n == "Punkte")
        o.punkte = std::max(0, wert);
    else
        return false;
    return true;
}

}  // namespace jass
