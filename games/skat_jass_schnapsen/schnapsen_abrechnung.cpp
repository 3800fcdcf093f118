// Settling a Schnapsen or Sechsundsechzig deal, the Bummerl match, the options, the score list,
// the high score, and the checks the soak tests and self-play run over whole deals.
#include <algorithm>
#include <set>
#include <string_view>

#include "core/central.h"
#include "core/highscore.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "core/statunit.h"
#include "games/skat_jass_schnapsen/schnapsen.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"

namespace schnapsen {

void (*optionenVonSeite)(TSchnapsen& s) = nullptr;
void (*tabelleSchreiben)(const std::vector<std::string>& zeilen, bool matchOver) = nullptr;

namespace {

TGameResult g_letztes;

TSchnapsen& sn() { return cg.schnapsen; }
std::string w(std::string_view s) { return text::w(s); }
std::string zahl(int n) { return text::fromInt(n); }
std::string name(int seat) { return highscore::spielerName(cg, seat, false); }
TSpieler& st(int stack) { return glu::spieler[stack - 1]; }

}  // namespace

void optionenLesen() {
    TSchnapsen& o = sn();
    if (optionenVonSeite) optionenVonSeite(o);
    // An options record never filled gets the usual rules: 7 points, closing and exchange allowed.
    if (o.bummerlLimit == 0 && o.punkteProBummerl == 0 && !o.sperrenErlaubt && !o.tauschenErlaubt) {
        o.bummerlLimit = 1;
        o.punkteProBummerl = 7;
        o.sperrenErlaubt = o.tauschenErlaubt = 1;
    }
    if (o.bummerlLimit < 1) o.bummerlLimit = 1;
    cg.ablauf.anzSpieler = 2;
}

bool optionSetzen(const std::string& name, int wert) {
    optionenLesen();
    TSchnapsen& o = sn();
    if (name == "Bummerl") o.bummerlLimit = std::max(1, wert);
    else if (name == "Punkte") o.punkteProBummerl = wert;
    else if (name == "Zudrehen") o.sperrenErlaubt = wert != 0;
    else if (name == "Tauschen") o.tauschenErlaubt = wert != 0;
    else if (name == "Sechsundsechzig") o.sechsundsechzig = wert != 0;
    else return false;
    return true;
}

void abrechnen() {
    TCG& g = cg;
    punkteAktualisieren();
    Deal d;
    d.sechsundsechzig = sn().sechsundsechzig != 0;
    d.sperrSitz = sn().sperrSitz;
    for (int s = 1; s <= 2; ++s) {
        d.augen[s] = sn().augen.at(s);
        d.hatStich[s] = hatStich(s);
        d.augenBeimSperren[s] = sn().augenBeimSperren.at(s);
        d.stichBeimSperren[s] = sn().stichBeimSperren.at(s) != 0;
    }
    // Hands played out: the last trick decides; a seat that reached 66 ended the deal earlier.
    const bool ausgespielt = st(1).anz == 0 && st(2).anz == 0 && d.augen[1] < 66 && d.augen[2] < 66;
    d.letzterStich = ausgespielt ? sn().anzeige.letzterStichSitz : 0;
    const Wertung wt = werten(d);
    const int sieger = wt.sieger, verlierer = 3 - sieger;

    std::string zeile;
    switch (wt.ausgang) {
        case kZugedrehtGewonnen:
            zeile = name(sieger) + " hat mit " + zahl(d.augen[sieger]) + " Augen gewonnen.";
            break;
        case kZugedrehtVerloren:
            zeile = name(d.sperrSitz) + " hat mit " + zahl(d.augen[d.sperrSitz]) + " Augen verloren.";
            break;
        case kErreicht:
            zeile = name(sieger) + " hat " + zahl(d.augen[sieger]) + " Augen erzielt.";
            break;
        default:
            zeile = d.sechsundsechzig ? name(sieger) + w(" erhält zusätzlich 10 Augen für den letzten Stich.")
                                      : name(sieger) + " hat den letzten Stich erzielt.";
            break;
    }
    std::string grund;
    switch (wt.grund) {
        case kNullBeimSperren:
            grund = name(wt.ausgang == kZugedrehtVerloren ? sieger : verlierer) +
                    " hatte beim Sperren des Talons 0 Augen.";
            break;
        case kWenigerBeimSperren:
            grund = name(verlierer) + " hatte beim Sperren des Talons weniger als 33 Augen.";
            break;
        case kOhneStich: grund = name(verlierer) + " hat 0 Augen."; break;
        case kWeniger: grund = name(verlierer) + " hat weniger als 33 Augen."; break;
        default: break;
    }
    std::string punkte = name(sieger) + w(" erhält ") + zahl(wt.spielPunkte) +
                         (wt.spielPunkte == 1 ? " Punkt." : " Punkte.");
    std::string text2 = zeile;
    if (!grund.empty()) text2 += "\n\r" + grund;
    text2 += "\n\r\n\r" + punkte;

    statunit::zaehlen(sieger, 1, wt.spielPunkte);
    int rest = g.konto[sieger];
    if (bummerlAbziehen(rest, wt.spielPunkte)) {
        punkte = punkte.substr(0, punkte.size() - 1) + w(" und erhält ein Bummerl.");
        sn().bummerl.at(sieger) += 1;
    }
    TGameResult r;
    r.spieler = sieger;
    r.gewonnen = 1;
    r.spielWerte[0] = wt.spielPunkte;
    r.at(sieger) = rest;
    r.at(verlierer) = g.konto[verlierer];
    r.text1 = punkte;
    r.text2 = text2;
    g_letztes = r;
    g.antwort.art = 7;
    // The table may start the next deal itself (the developer's unattended run): the end phase is
    // set before, never over the new deal's start.
    g.phase.nr = 5;
    spielliste::punkteTabelle(g, r, false);
}

const TGameResult& letztesErgebnis() { return g_letztes; }

bool partieEnde() {
    const int s = g_letztes.spieler;
    return s >= 1 && s <= 2 && sn().bummerl.at(s) >= std::max(1, static_cast<int>(sn().bummerlLimit));
}

void limitText(std::string& text) { text.clear(); }

void abrechnungText(const TGameResult& r, std::string& text) { text = r.text2; }

std::vector<std::string> punkteZeilen() {
    // Four columns as in the other games' tables: the deal's number, each seat's remaining
    // points, the deal's text (which may run on to the right).
    std::vector<std::string> z;
    const TSpielliste& l = cg.spielliste;
    z.push_back("!\t!^" + name(1) + "\t!^" + name(2) + "\t");
    const int pro = bummerlPunkte(sn().punkteProBummerl);
    const int n = std::min<int>(l.runden, kRundenMax);
    for (int r = 1; r <= n; ++r) {
        if (r > 1) {
            const bool gestiegen = l.punkte[1][r] > l.punkte[1][r - 1] || l.punkte[2][r] > l.punkte[2][r - 1];
            if (gestiegen && std::max(l.punkte[1][r - 1], l.punkte[2][r - 1]) <= pro) {
                z.push_back("\t!----------\t!----------\t");
                z.push_back("\t!" + zahl(pro) + "\t!" + zahl(pro) + "\t");
            }
        }
        z.push_back("!" + zahl(r) + ".\t!" + zahl(l.punkte[1][r]) + "\t!" + zahl(l.punkte[2][r]) + "\t" +
                    l.text[r].str());
    }
    z.push_back("Bummerl\t!" + zahl(sn().bummerl.at(1)) + "\t!" + zahl(sn().bummerl.at(2)) + "\t");
    return z;
}

void punkteTabelle(bool matchOver) {
    for (int s = 1; s <= 2; ++s) cg.spielliste.summe[s] = sn().bummerl.at(s);
    if (tabelleSchreiben) tabelleSchreiben(punkteZeilen(), matchOver);
}

void highscoreText(std::string& text) {
    text.clear();
    const int tabelle = sn().sechsundsechzig ? spiele::kSechsundsechzig : spiele::kSchnapsen;
    const int k = cg.sitzEinstellungen.at(2).staerke;
    const int stufe = k == 2 || k == 3 ? k : 1;
    const int punkte = sn().bummerl.at(1) - sn().bummerl.at(2);
    if (punkte < 1) return;
    std::string eintrag = name(1) + " (Endstand " + zahl(sn().bummerl.at(1)) + " : " + zahl(sn().bummerl.at(2)) +
                          " Bummerl)";
    if (eintrag.size() > 100) eintrag.resize(100);
    text = highscore::eintragenText(cg.highscore, tabelle, stufe, punkte, eintrag);
}

// ---------------------------------------------------------------------------------------------
// Whole-game checks

bool kartenErhalten(std::string& warum) {
    if (glu::zugliste.anz > 0 || cg.phase.nr < 1) return true;  // a card in flight counts where it lands
    std::set<int> gesehen;
    int n = 0;
    for (int s : {1, 2, 7, 8, 11, 12, 13}) {
        const TSpieler& x = st(s);
        for (int i = 1; i <= x.anz; ++i) {
            const karte k = x.at(i).c;
            if (k.t == 0) continue;
            ++n;
            if (!gesehen.insert(k.t * 10 + k.f).second) {
                warum = "Karte doppelt auf Stapel " + std::to_string(s);
                return false;
            }
        }
    }
    const int soll = sn().sechsundsechzig ? 24 : 20;
    if (n == soll) return true;
    warum = std::to_string(n) + " Karten auf dem Tisch";
    return false;
}

bool Zugpruefung::pruefen(std::string& warum) {
    // A played card stays in the hand until it lands on the trick: the hands are taken only
    // while nothing flies, and a card that has landed is looked up in them.
    if (glu::zugliste.anz > 0) return true;
    const int n = cg.phase.nr == 4 ? st(12).anz : 0;
    bool ok = true;
    if (n > stichAnz && n >= 1) {
        const karte k = st(12).at(n).c;
        int seat = 0;
        for (int s = 1; s <= 2; ++s)
            for (int i = 1; i <= vorher[s].anz; ++i)
                if (gleich(vorher[s].at(i), k)) seat = s;
        if (seat == 0) {
            warum = "Karte aus keiner Hand auf dem Stich";
            ok = false;
        } else if (n == 2 && !regelPruefen(k, st(12).at(1).c, vorher[seat], strengVorher, cg.schnapsen.trumpf)) {
            warum = "Regelwidrige Karte von Sitz " + std::to_string(seat);
            ok = false;
        }
    }
    stichAnz = n;
    for (int s = 1; s <= 2; ++s) {
        vorher[s] = hand{};
        for (int i = 1; i <= st(s).anz; ++i) vorher[s].at(++vorher[s].anz) = st(s).at(i).c;
    }
    strengVorher = sn().talon.streng != 0;
    return ok;
}

bool dealPruefen(const int32_t kontoVorher[3], std::string& warum) {
    const TGameResult& r = g_letztes;
    int alle = 0;
    for (int s : {1, 2, 7, 8, 11, 12, 13})
        for (int i = 1; i <= st(s).anz; ++i) alle += kartenAugen(st(s).at(i).c);
    if (alle != 120) {
        warum = "Augen zusammen " + std::to_string(alle);
        return false;
    }
    const int sieger = r.spieler;
    if (sieger < 1 || sieger > 2) {
        warum = "kein Sieger";
        return false;
    }
    const int p = r.spielWerte[0];
    if (p < 1 || p > 3) {
        warum = "Spielpunkte " + std::to_string(p);
        return false;
    }
    const int soll = std::max(0, kontoVorher[sieger] - p);
    if (cg.konto[sieger] != soll || cg.konto[3 - sieger] != kontoVorher[3 - sieger]) {
        warum = "Restpunkte anders gebucht als abgerechnet";
        return false;
    }
    return true;
}

void zufallsAntwort() {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 2) return;
    std::vector<std::pair<int, int>> wahl;  // kind, value
    TSpieler& s = st(seat);
    for (int i = 1; i <= s.anz; ++i)
        if (spielbar(s.at(i))) wahl.emplace_back(central::kKarte, i);
    const TEntscheidung& e = cg.entscheidung;
    if (e.mitKnoepfen)
        for (int i = 1; i <= e.knopfAnzahl && i <= 8; ++i) wahl.emplace_back(central::kKnopf, e.code(i));
    if (wahl.empty()) return;
    const auto& [art, wert] = wahl[static_cast<size_t>(rnd::random(static_cast<int>(wahl.size())))];
    central::antwort(cg, art, 0, wert);
}

}  // namespace schnapsen
