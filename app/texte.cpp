// The program's card words and the text filter, the game-list helpers around the main menu,
// the display options and the credits.
#include <algorithm>
#include <cctype>

#include "app/diag_intern.h"
#include "app/dialoge.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/spiele.h"

namespace dialoge {

std::string farbNamen[4][31];
std::string wertNamen[6][21];

namespace bau {

void wortTabellen() {
    for (auto& s : farbNamen)
        for (auto& t : s) t.clear();
    const char* farben[4][5] = {{},
                                {"", "Kreuz", "Pik", "Herz", "Karo"},
                                {"", "Eichel", "Grün", "Herz", "Schellen"},
                                {"", "Kreuz", "Pik", "Herz", "Karo"}};
    const std::pair<int, const char*> typen[] = {
        {0, "Überreizt"}, {10, "Null"},     {11, "Grand"},  {12, "Ramsch"},         {14, "Kein Spiel"},
        {15, "Obenabe"},  {16, "Undenufe"}, {17, "Slalom"}, {18, "Slalom Obenabe"}, {19, "Slalom Undenufe"}};
    for (int s = 1; s <= 3; ++s) {
        for (int f = 1; f <= 4; ++f) farbNamen[s][f] = text::w(farben[s][f]);
        for (const auto& [i, t] : typen) farbNamen[s][i] = text::w(t);
    }
    const char* werte[6][9] = {{},
                               {"", "7", "8", "9", "Bube", "Dame", "König", "10", "As"},
                               {"", "7", "8", "9", "Unter", "Ober", "König", "10", "As"},
                               {"", "7", "8", "9", "Bube", "Dame", "König", "10", "As"},
                               {"", "7er", "8er", "9er", "Buben", "Damen", "Könige", "10er", "Asse"},
                               {"", "7", "8", "9", "Jack", "Queen", "King", "10", "Ace"}};
    for (int s = 1; s <= 5; ++s) {
        for (auto& t : wertNamen[s]) t.clear();
        for (int v = 1; v <= 8; ++v) wertNamen[s][v] = text::w(werte[s][v]);
        for (int v = 9; v <= 13; ++v) wertNamen[s][v] = std::to_string(v - 7) + (s == 4 ? "er" : "");
        wertNamen[s][14] = "Joker";
    }
    // The game core names cards from its own copy (styles counted from 0 there).
    for (int s = 1; s <= gtool::kStile; ++s)
        for (int v = 0; v <= 20; ++v) gtool::umgebung.wertNamen[s - 1][v] = wertNamen[s][v];
    for (int s = 1; s <= gtool::kFarbStile; ++s)
        for (int f = 0; f <= 30; ++f) gtool::umgebung.farbNamen[s - 1][f] = farbNamen[s][f];
}

}  // namespace bau

namespace bau {

std::string creditsZeile(const glapp::Tglapp& a, const std::string& rolle, const std::string& name) {
    if (name.empty()) return rolle == " " ? " " : "!     " + rolle;
    std::string z = (rolle.empty() ? std::string(11, ' ') : rolle) + "  ";
    // the dots fill to one width, so that the names stand in a column
    while (a.charwidth(z) < 13.5f) z += '.';
    return z + name;
}

void creditsFuellen(glapp::Tglapp& a, int dialog, int liste) {
    struct Zeile {
        const char* rolle;
        const char* name;
    };
    const Zeile zeilen[] = {{"CREDITS", ""},
                            {" ", ""},
                            {"- Produktion -", ""},
                            {"Leitung", "Team Kartentisch"},
                            {" ", ""},
                            {"- Programmierung -", ""},
                            {"Spielkern", "Team Kern"},
                            {"3D-Tisch", "Team Tisch"},
                            {"Oberfläche", "Team Schale"},
                            {"Gegner", "Team Taktik"},
                            {"Casino", "Team Casino"},
                            {"Tempo", "Team Tempo"},
                            {" ", ""},
                            {"- Kartenbilder -", ""},
                            {"Zeichnung", "Team Tisch"},
                            {"Alle Karten entstehen", ""},
                            {"beim Bauen des Programms", ""},
                            {"und sind frei nutzbar", ""},
                            {" ", ""},
                            {"- Musik -", ""},
                            {"Stücke", "Team Klang"},
                            {" ", ""},
                            {"- Sound -", ""},
                            {"Klangbild", "Team Klang"},
                            {" ", ""},
                            {"- Sounds -", ""},
                            {"Geräusche", "Team Klang"},
                            {" ", ""},
                            {"- Sprecher -", ""},
                            {"Stimmen", "Team Klang"},
                            {" ", ""},
                            {"- Grafik -", ""},
                            {"Tisch, Räume", "Team Tisch"},
                            {"Schrift", "Team Schale"},
                            {" ", ""},
                            {"- Betatest -", ""},
                            {"Testspieler", "Team Kartentisch"},
                            {" ", ""},
                            {" ", ""},
                            {"Danke fürs Spielen!", ""}};
    const int alt = a.CreateInDialog;
    a.SetCreateIn(dialog);
    a.DelStrings(dialog, liste, true);
    for (const Zeile& z : zeilen) a.AddString(liste, creditsZeile(a, text::w(z.rolle), text::w(z.name)), 0);
    // blank lines let the last text scroll out of the window
    for (int i = 0; i < 26; ++i) a.AddString(liste, " ", 0);
    a.SetCreateIn(alt);
}

}  // namespace bau

// ---------------------------------------------------------------------------------------------
// The text filter

namespace {

// Replaces every occurrence of `such`; a following "n" goes with it (the plural of "Bube" and
// "Dame"), but only when the search word ends in a letter, so "Herz neun" keeps its "neun".
// The search goes on after the inserted text, so a replacement that contains the search word
// cannot loop.
bool ersetzen(std::string& t, std::string_view such, std::string_view durch) {
    bool ersetzt = false;
    const unsigned char letztes = static_cast<unsigned char>(such.back());
    const bool buchstabe = std::isalpha(letztes) || letztes >= 0xC0;
    size_t von = 0;
    for (size_t p; (p = t.find(such, von)) != std::string::npos;) {
        size_t n = such.size();
        if (buchstabe && p + n < t.size() && t[p + n] == 'n') ++n;
        t.replace(p, n, durch);
        von = p + durch.size();
        ersetzt = true;
    }
    return ersetzt;
}

void paare(std::string& t, std::initializer_list<std::pair<const char*, const char*>> liste) {
    for (const auto& [s, r] : liste) ersetzen(t, text::w(s), text::w(r));
}

}  // namespace

std::string filtertext(std::string_view text_, int spielId, int bild, bool pokerDeutsch) {
    std::string t(text_);
    if (spielId == spiele::kPoker) {
        const std::pair<const char*, char> symbole[] = {
            {"Kreuz", '\x98'}, {"Pik", '\x99'}, {"Herz", '\x9A'}, {"Karo", '\x9B'}};
        for (const auto& [w, c] : symbole) ersetzen(t, std::string(w) + " ", std::string(1, c) + " ");
        for (int i = 0; i < 3; ++i)
            ersetzen(t, std::string(symbole[i].first) + ",", std::string(1, symbole[i].second) + ",");
        ersetzen(t, "Karo.", "\x9B.");
        if (pokerDeutsch) {
            paare(t, {{"@call2", "Call"},
                      {"@fold2", "Fold"},
                      {"@raise2", "Raise"},
                      {"@bet2", "Bet"},
                      {"@check2", "Check"},
                      {"@allin2", "All-In"},
                      {"@call", "Mitgehen"},
                      {"@fold", "Passen"},
                      {"@raise", "Erhöhen"},
                      {"@bet", "Setzen"},
                      {"@check", "Weiter"},
                      {"@allin", "Alles setzen"},
                      {"@straight2", "Straight"},
                      {"@straight", "Straße"},
                      {"Two Pairs", "Zwei Paare"},
                      {"Pair", "Paar"},
                      {"Four Of A Kind", "Poker"},
                      {"Three Of A Kind", "Drilling"},
                      {"High Card", "Höchste Karte"},
                      {"(Zwei Paare)", "(Two Pairs)"},
                      {"(Paar)", "(Pair)"},
                      {"(Poker)", "(Four Of A Kind)"},
                      {"(Drilling)", "(Three Of A Kind)"},
                      {"(Höchste Karte)", "(High Card)"}});
        } else {
            paare(t, {{"@straight2", "Straße"},
                      {"@straight", "Straight"},
                      {"@call2", "Mitgehen"},
                      {"@fold2", "Passen"},
                      {"@raise2", "Erhöhen"},
                      {"@bet2", "Setzen"},
                      {"@check2", "Weiter"},
                      {"@allin2", "Alles setzen"},
                      {"@call", "Call"},
                      {"@fold", "Fold"},
                      {"@raise", "Raise"},
                      {"@bet", "Bet"},
                      {"@check", "Check"},
                      {"@allin", "All-In"}});
        }
        return t;
    }
    if (bild == 2)
        paare(t, {{"Kreuz", "Eichel"},
                  {"Pik", "Grün"},
                  {"Karo", "Schellen"},
                  {"Bube", "Unter"},
                  {"Dame", "Ober"}});
    return t;
}

int kartenbild(glapp::Tglapp& a) {
    const Ids& d = ids();
    if (!a.validElement(d.anzeige, d.kartenbild)) return 1;
    int v = 0;
    a.ReadTopIndex(d.anzeige, d.kartenbild, v);
    return v == 2 ? 2 : 1;
}

namespace {
bool pokerDeutsch(glapp::Tglapp* a) {
    if (central::dienste.pokerDeutsch) return central::dienste.pokerDeutsch();
    const Ids& d = ids();
    if (!a || !a->validElement(d.regeln[8], d.pokerBegriffe)) return true;
    return !a->isChecked(d.regeln[8], d.pokerBegriffe);
}
}  // namespace

std::string filtertext(std::string_view t) {
    glapp::Tglapp* a = glapp::glapp;
    return filtertext(t, ::cg.spielId, a ? kartenbild(*a) : 1, pokerDeutsch(a));
}

void bildrebuild(glapp::Tglapp& a) {
    envParam.Kartenstil = kartenbild(a);
    mauMauListen(a);
}

void mauMauListen(glapp::Tglapp& a) {
    const Ids& d = ids();
    const int dlg = d.regeln[0];
    if (!a.validDialog(dlg)) return;
    const int stil = kartenbild(a);
    // Values 7, 8, 9, Bube, Dame, König, 10, As in the words of the chosen picture.
    const int alt = a.CreateInDialog;
    a.SetCreateIn(dlg);
    for (int e : d.maumauSonder) {
        if (!a.validElement(dlg, e)) continue;
        int top = 0;
        a.ReadTopIndex(dlg, e, top);
        a.DelStrings(dlg, e, false);
        // positions 1..8 are the value codes, "Keine" the ninth
        for (int v = 1; v <= 8; ++v) a.AddString(e, wertNamen[stil][v], 0);
        a.AddString(e, text::w("Keine"), 0);
        const int n = a.dlg(dlg).el(e).LineCount;
        if (top >= 1 && top <= n) a.SetCaption(dlg, e, a.ReadLine(dlg, e, top).substr(0, 24));
    }
    a.SetCreateIn(alt);
}

// ---------------------------------------------------------------------------------------------
// Game-list helpers

bool isinga(int id, const int (&liste)[14]) {
    for (int v : liste)
        if (v != 0 && v == id) return true;
    return liste[8] != 0 && (id == liste[8] + 1 || id == liste[8] + 2);
}

int getga(int id, const int (&liste)[14]) {
    int g = 13;
    for (int i = 0; i <= 12; ++i)
        if (liste[i] != 0 && liste[i] == id) g = i;
    if (liste[8] != 0 && (id == liste[8] + 1 || id == liste[8] + 2)) g = 8;
    return g;
}

int regelSpiel(int dialog) {
    for (int g = 0; g <= 12; ++g)
        if (dialog > 0 && ids().regeln[g] == dialog) return g;
    return 13;
}

void pokerVariante(glapp::Tglapp& a, int variante) {
    const Ids& d = ids();
    central::SpielNamen& n = central::spielNamen;
    ::cg.poker.splitLimit = variante == 1 ? 1 : 0;
    ::cg.poker.potLimit = variante == 2 ? 1 : 0;
    const char* zeile[3] = {"No Limit Poker", "nlp", "nlpoker"};
    if (variante == 1) {
        zeile[0] = "Split Limit Poker", zeile[1] = "slp", zeile[2] = "slpoker";
    } else if (variante == 2) {
        zeile[0] = "Pot Limit Poker", zeile[1] = "plp", zeile[2] = "plpoker";
    }
    n.anzeige[8] = zeile[0];
    n.code[8] = zeile[1];
    n.ordner[8] = zeile[2];
    if (a.validElement(d.regeln[8], 1)) a.SetCaption(d.regeln[8], 1, n.anzeige[8]);
}

void spielWaehlen(glapp::Tglapp& a, int spiel, int element) {
    Ids& d = ids();
    ::cg.spielIdMenue = static_cast<uint8_t>(spiel);
    ::cg.spielId = static_cast<uint8_t>(std::max(0, spiele::basisId(spiel)));
    central::SpielNamen& n = central::spielNamen;
    if (spiel != spiele::kPoker) {
        for (int i = 0; i < 5; ++i) {
            const int e = d.kartenbildLabel + i;
            if (!a.validElement(d.anzeige, e)) continue;
            a.SetEnabled(d.anzeige, e, i == 0);
            a.SetVisible(d.anzeige, e, true);
        }
    } else {
        pokerVariante(a, element == d.spielKnoepfe[8] + 2 ? 1 : element == d.spielKnoepfe[8] + 1 ? 2 : 3);
    }
    if (a.validDialog(d.gameMenue)) {
        a.SetCaption(d.gameMenue, d.gmTitel[0], "");
        a.SetCaption(d.gameMenue, 1, n.anzeige[spiel]);
        a.SetCaption(d.gameMenue, d.gmTitel[1], spiel == spiele::kPoker ? "Texas Hold`em Poker" : "");
        a.CallDialog(d.gameMenue);
    }
}

void resetGameNames(glapp::Tglapp&) {
    // Only the rows of the variants go back; the record keeps the id the game core set (7 or 9
    // with its flag), and the menu id still names the variant.
    central::SpielNamen& n = central::spielNamen;
    n.anzeige[7] = "Schnapsen", n.ordner[7] = "schnapsen", n.code[7] = "snp";
    n.anzeige[9] = "Black Jack", n.ordner[9] = "blackjack", n.code[9] = "bjk";
}

void endis(glapp::Tglapp& a, int dialog) {
    const Ids& d = ids();
    if (!a.validDialog(dialog)) return;
    // While the page's own game runs its rules are only shown: the tabs and "Zurück" still work,
    // and what may change during a game (Rommé's sort order, the poker wording) is left alone.
    const int g = regelSpiel(dialog);
    const int laufend = ::cg.spielIdMenue <= 12 ? ::cg.spielIdMenue : ::cg.spielId;
    const bool gesperrt = glapp::spielAktiv != 0 && g < 13 && g == laufend;
    auto blaettern = [&](int i) {
        return g < 13 && (i == d.allgemeinKnoepfe[g] || i == d.regelnKnoepfe[g] || i == d.regelContainer[g] ||
                          i == d.zurueckKnoepfe[g]);
    };
    a.SetEnabled(dialog, 1, true);
    const std::string zurueck = text::w("Zurück");
    for (int i = 2; i <= a.dlg(dialog).ElementCount; ++i) {
        const pvl::TPVLElement& el = a.dlg(dialog).el(i);
        if (el.Width == 777) {
            a.SetVisible(dialog, i, false);
            continue;
        }
        if (el.Caption.str() == zurueck) continue;
        if (dialog == d.regeln[3] && d.rommeSortieren > 0 && i >= d.rommeSortieren - 1) continue;
        // The poker wording starts at its check box: what lies before it (the presets) is a rule.
        if (dialog == d.regeln[8] && d.pokerBegriffe > 0 && i >= d.pokerBegriffe) continue;
        a.SetEnabled(dialog, i, !gesperrt || blaettern(i));
    }
}

void anzactualize(glapp::Tglapp& a, int element) {
    const Ids& d = ids();
    if (element >= d.kartengroesse && element <= d.kartengroesse + 3) a.setksize();
    int v = 0;
    a.ReadTopIndex(d.anzeige, d.rueckseite, v);
    if (v >= 1 && v <= 10) envParam.rueckseite = v;
    a.ReadTopIndex(d.anzeige, d.ausblenden, v);
    envParam.ausblenden = v;
    if (element >= d.kartenbild && element <= d.kartenbild + 3) bildrebuild(a);
}

int zeilenZahl(std::string_view t, int width) {
    int zeilen = 0;
    std::string rest(t);
    for (size_t p; (p = rest.find('\r')) != std::string::npos;) {
        zeilen += static_cast<int>((p + 1) / 70) + 1;
        rest.erase(0, p + 1);
    }
    const int breite = std::max(width - 3, 1);
    return zeilen + static_cast<int>(rest.size()) / breite;
}

}  // namespace dialoge
