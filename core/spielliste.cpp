#include "core/spielliste.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "core/central.h"
#include "core/highscore.h"
#include "core/spiele.h"
#include "core/statunit.h"
#include "gui/pvl.h"
#include "platform/num.h"

namespace spielliste {

std::function<std::string(int64_t, bool)> formatMoney = [](int64_t amount, bool showPlus) {
    if (amount < 0) return "- " + text::fromInt(-amount);
    return (showPlus && amount > 0 ? "+" : "") + text::fromInt(amount);
};

namespace {

constexpr int kSkat = 1, kCanasta = 4, kSchafkopf = 6, kSchnapsen = 7, kPoker = 8, kBlackJack = 9,
              kSechsundsechzig = 10, kSiebzehnUndVier = 11;

int32_t clamp32(int64_t v) {
    return static_cast<int32_t>(
        num::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

int seats(size_t n) { return static_cast<int>(std::min<size_t>(n, 6)); }

bool isSchnapsen(int id) { return id == kSchnapsen || id == kSechsundsechzig; }
bool isMoneyGame(int id) { return id == kPoker || id == kBlackJack || id == kSiebzehnUndVier; }

// Header marks of a seat column: even seats are drawn as header cells, odd ones centred.
std::string nameCell(int seat, const std::string& name) { return (seat % 2 == 0 ? "!^" : "!") + name; }

}  // namespace

void eintragen(TSpielliste& l, const TGameResult& r, int spielId, int anzahl) {
    if (r.nurTabelle != 0) return;
    // A damaged record may hold any count; the slot must stay inside 1..200 whatever it says.
    int32_t runden = l.runden < 0 ? 0 : l.runden;
    if (runden < std::numeric_limits<int32_t>::max()) ++runden;
    l.runden = runden;
    const int slot = std::min(runden, kRundenMax);
    const int n = num::clamp(anzahl, 0, 6);
    for (int s = 1; s <= n; ++s) {
        const int32_t p = r.at(s);
        l.punkte[s][slot] = p;
        l.konto[s] = isSchnapsen(spielId) ? p : clamp32(int64_t{l.konto[s]} + p);
    }
    l.text[slot].assign(r.text1);
}

void summenBerechnen(TSpielliste& l, int anzahl) {
    const int n = num::clamp(anzahl, 0, 6);
    for (int s = 1; s <= n; ++s) {
        int64_t sum = 0;
        for (int o = 1; o <= n; ++o)
            if (o != s) sum += int64_t{l.konto[s]} - l.konto[o];
        l.summe[s] = clamp32(sum);
    }
}

int32_t geldSumme(int platz, int minStaerke, int runden) {
    int64_t v = platz == 0 ? 60000 : (7 - int64_t{platz}) * 10000;
    v += 1000 * int64_t{minStaerke};
    v += platz <= 1 ? 500 - int64_t{runden} : 500 + int64_t{runden};
    return clamp32(v);
}

std::string punkteText(int spielId, int64_t n, bool showZero) {
    if (isSchnapsen(spielId)) return text::fromInt(n);
    if (isMoneyGame(spielId)) {
        if (n == 0) return "";
        return (n > 0 ? "+ " : "") + formatMoney(n, false);
    }
    if (n == 0) return showZero ? "0" : "";
    return (n > 0 ? "+" : "") + text::fromInt(n);
}

std::string euro(int64_t cent) {
    // Built from whole cents so no locale can put its own separator in.
    uint64_t a = cent < 0 ? 0 - static_cast<uint64_t>(cent) : static_cast<uint64_t>(cent);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s%llu,%02llu", cent < 0 ? "-" : "",
                  static_cast<unsigned long long>(a / 100), static_cast<unsigned long long>(a % 100));
    return std::string(buf) + text::w(" €");
}

int64_t skatCent(int32_t summe, int option) {
    static const int divisor[5] = {10, 10, 4, 2, 1};
    const int d = (option >= 1 && option <= 4) ? divisor[option] : 10;
    return num::round(static_cast<double>(summe) / d);
}

std::string skatGeldLabel(int option) {
    switch (option) {
        case 2:
            return "[1/4 ct pro Punkt]";
        case 3:
            return "[1/2 ct pro Punkt]";
        case 4:
            return "[1 ct pro Punkt]";
        default:
            return "[1/10 ct pro Punkt]";
    }
}

Geld geldArt(int spielId, bool skatUmGeld, int skatOption, int schafkopfCent) {
    if (spielId == kCanasta) return {Geld::Keine, 0};
    if (spielId == kSchafkopf)
        return schafkopfCent == 0 ? Geld{Geld::Keine, 0} : Geld{Geld::Schafkopf, schafkopfCent};
    if (spielId == kSkat && skatUmGeld) return {Geld::Skat, skatOption};
    return {Geld::Punkte, 0};
}

Tabelle punkteZeilen(const TSpielliste& l, int spielId, const std::vector<std::string>& names) {
    const int n = seats(names.size());
    Tabelle t;
    Zeile head{"!^Spiel"};
    for (int s = 1; s <= n; ++s) head.push_back(nameCell(s, names[s - 1]));
    head.push_back("!");
    t.push_back(head);
    // Slots 1..199 are their rounds; slot 200 always holds the latest round.
    const int kept = num::clamp(l.runden, 0, kRundenMax);
    for (int slot = 1; slot <= kept; ++slot) {
        const int32_t round = slot < kRundenMax ? slot : l.runden;
        Zeile z{"!" + text::fromInt(round) + "."};
        for (int s = 1; s <= n; ++s) z.push_back("!" + punkteText(spielId, l.punkte[s][slot], false));
        z.push_back(l.text[slot].str());
        t.push_back(z);
    }
    t.push_back(Zeile(n + 2));
    return t;
}

Tabelle kassenZeilen(TSpielliste& l, int spielId, const std::vector<std::string>& names, const Geld& g) {
    const int n = seats(names.size());
    Tabelle t;
    Zeile head{"!"};
    for (int s = 1; s <= n; ++s) head.push_back(nameCell(s, names[s - 1]));
    head.push_back("!");
    head.push_back("!");
    t.push_back(head);

    // The label column sits last with six seats, so the "!" filler goes to the other side.
    auto closeRow = [n](Zeile& z, const std::string& label) {
        if (n < 6) z.push_back("!");
        z.push_back(label);
        if (n == 6) z.push_back("!");
    };
    Zeile totals{""};
    for (int s = 1; s <= n; ++s) totals.push_back("!" + punkteText(spielId, l.konto[s], true));
    closeRow(totals, "Summe");
    t.push_back(totals);

    if (g.art != Geld::Keine) {
        Zeile sum{""};
        std::string label = "Gewinn/Verlust";
        for (int s = 1; s <= n; ++s) {
            if (g.art == Geld::Schafkopf) {
                l.summe[s] = l.konto[s];
                sum.push_back("!" + euro(int64_t{l.konto[s]} * g.wert));
            } else if (g.art == Geld::Skat) {
                sum.push_back("!" + euro(skatCent(l.summe[s], g.wert)));
            } else {
                sum.push_back("!" + punkteText(spielId, l.summe[s], false));
            }
        }
        if (g.art == Geld::Schafkopf) label += " [" + text::fromInt(g.wert) + " ct/Pkt]";
        if (g.art == Geld::Skat) label += " " + skatGeldLabel(g.wert);
        closeRow(sum, label);
        t.push_back(sum);
    }
    t.push_back(Zeile(n + 3));
    return t;
}

GeldTabelle geldZeilen(int spielId, const std::vector<GeldSitz>& sitze, bool refresh) {
    const int n = seats(sitze.size());
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i) order[i] = i;
    // Seats still in the game by chips, highest first; then the departed by the place they got.
    // The sort is stable: equal values keep seat order.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const GeldSitz& x = sitze[a];
        const GeldSitz& y = sitze[b];
        if (x.imSpiel != y.imSpiel) return x.imSpiel;
        return x.imSpiel ? x.chips > y.chips : x.platz < y.platz;
    });

    GeldTabelle g;
    g.zeilen.push_back({"!Platz", "Name", refresh ? "!Im Pot" : "!Spiel", "!Cash"});
    g.zeilen.push_back(Zeile(4));
    int seat1Row = 0, firstOutRow = 0;
    for (int row = 1; row <= n; ++row) {
        const GeldSitz& s = sitze[order[row - 1]];
        int platz = s.platz;
        if (s.imSpiel) {
            platz = 1;
            for (int o = 0; o < n; ++o)
                if (sitze[o].imSpiel && sitze[o].chips > s.chips) ++platz;
        }
        if (order[row - 1] == 0) {
            seat1Row = row;
            g.platz = platz;
        }
        if (!s.spielt && firstOutRow == 0) firstOutRow = row;
        g.zeilen.push_back({"!" + text::fromInt(platz) + ".", s.name,
                            "!" + punkteText(spielId, s.wert, false),
                            s.spielt ? "!" + formatMoney(s.chips, false) : "!Ausgeschieden"});
    }
    g.zeilen.push_back(Zeile(4));
    g.highlight = text::fromInt(seat1Row + 1) + (firstOutRow ? text::fromInt(firstOutRow + 1) : "9");
    return g;
}

std::string geldInfo(int spielId, int32_t runden, int32_t blindInterval, int64_t bigBlind) {
    std::string s = text::fromInt(runden) + (runden == 1 ? " Spiel gespielt." : " Spiele gespielt.") + "\r";
    if (spielId == kPoker && runden > 0 && blindInterval > 0 && runden % blindInterval == 0)
        s += text::w("Blinds wurden erhöht auf ") + formatMoney(bigBlind, false) + " (B), " +
             formatMoney(bigBlind / 2, false) + " (S).";
    return s;
}

Layout tabellenLayoutPunkte() { return {80, 50, 640, 500, 0, 0, 580, 180, 401, 230, 440, true}; }
Layout tabellenLayoutGeld() { return {170, 95, 460, 420, -7, 4, 395, 190, 320, 160, 390, false}; }

std::string knopfText(bool partieEnde) { return partieEnde ? "Ende" : "Weiter"; }

Ids ids;
Anbindung anbindung;

namespace {

pvl::TPVLApplication* app() { return central::dienste.app; }
bool elementDa(int d, int e) { return app() && d > 0 && e > 0 && app()->validElement(d, e); }

int spielerZahl(const TCG& g) { return num::clamp(g.ablauf.anzSpieler, 1, 6); }

void layoutSchreiben(const Layout& l, bool geld) {
    if (!app() || !app()->validDialog(ids.dialog)) return;
    pvl::TPVLDialog& d = app()->dlg(ids.dialog);
    if (!geld) d.X = static_cast<int16_t>(l.x);  // the money table keeps its X
    d.OrigX = l.x;
    d.Y = static_cast<int16_t>(l.y);
    d.Width = static_cast<int16_t>(l.breite);
    d.OrigWidth = l.breite;
    d.Height = static_cast<int16_t>(l.hoehe);
    if (elementDa(ids.dialog, ids.haupt)) {
        pvl::TPVLElement& e = d.el(ids.haupt);
        e.Ti = static_cast<int16_t>(l.ti);
        if (l.spalten) e.ListOption = static_cast<int16_t>(l.spalten);
        e.Width = e.ElemOrigWidth = l.tabBreite;
        e.Height = l.tabHoehe;
    }
    if (elementDa(ids.dialog, ids.info)) d.el(ids.info).Y = static_cast<int16_t>(l.infoY);
    if (elementDa(ids.dialog, ids.weiter)) {
        pvl::TPVLElement& e = d.el(ids.weiter);
        e.X = static_cast<int16_t>(l.knopfX);
        e.ElemOrigX = l.knopfX;
        e.Y = static_cast<int16_t>(l.knopfY);
    }
    if (elementDa(ids.dialog, ids.kasse)) d.el(ids.kasse).Visible = l.kasseSichtbar ? 1 : 0;
    app()->newAspect();
}

void zeilenSchreiben(int e, const Tabelle& t) {
    if (!elementDa(ids.dialog, e)) return;
    const int vorher = app()->CreateInDialog;
    app()->SetCreateIn(ids.dialog);
    for (const auto& z : t)
        for (const auto& zelle : z) app()->AddString(e, zelle, 0);
    app()->SetCreateIn(vorher);
}

void infoSetzen(const std::string& t) {
    if (elementDa(ids.dialog, ids.info)) app()->SetCaption(ids.dialog, ids.info, t);
}

// Filling the table, shared by both routines; r is the round just handed over (nullptr for a
// refresh from the history).
// The developer switches of the library's render debug flags 11 and 12.
bool entwicklerFlag(int f) { return app() && app()->Options.RenderFlags[f - 2] != 0; }

void fuellen(TCG& g, const TGameResult* r, bool flag, const std::string& limit) {
    const int n = spielerZahl(g);
    const int id = g.spielId;
    // Flag 12 runs matches unattended at full speed: only Schnapsen and Jass fill their tables.
    const bool ohneTabelle = entwicklerFlag(12);
    if (ohneTabelle && !isSchnapsen(id) && id != 12) return;
    if (!ohneTabelle && elementDa(ids.dialog, ids.haupt)) {
        app()->DelStrings(ids.dialog, ids.haupt, false);
        app()->dlg(ids.dialog).el(ids.haupt).ListOption = static_cast<int16_t>(n + 2);
        app()->dlg(ids.dialog).el(ids.haupt).Ti = 0;
    }
    if (!ohneTabelle && elementDa(ids.dialog, ids.kasse)) {
        app()->DelStrings(ids.dialog, ids.kasse, false);
        app()->dlg(ids.dialog).el(ids.kasse).ListOption = static_cast<int16_t>(n + 3);
    }
    const std::vector<std::string> namen = tabellenNamen(g, n);

    if (isMoneyGame(id)) {
        layoutSchreiben(tabellenLayoutGeld(), true);
        const int64_t einsatz = anbindung.mindestEinsatz ? anbindung.mindestEinsatz() : 0;
        const int dealer = anbindung.dealer ? anbindung.dealer() : 0;
        std::vector<GeldSitz> sitze;
        for (int s = 1; s <= n; ++s) {
            GeldSitz z;
            z.name = namen[s - 1] + (id != kPoker && s == dealer ? " (Dealer)" : "");
            z.chips = anbindung.chips ? anbindung.chips(s) : 0;
            z.imSpiel = anbindung.imSpiel ? anbindung.imSpiel(s) : true;
            z.spielt = z.imSpiel && z.chips >= einsatz;
            z.platz = anbindung.platz ? anbindung.platz(s) : 0;
            z.wert = r ? r->at(s) : (anbindung.pot ? anbindung.pot(s) : 0);
            sitze.push_back(z);
        }
        const GeldTabelle t = geldZeilen(id, sitze, r == nullptr);
        zeilenSchreiben(ids.haupt, t.zeilen);
        if (elementDa(ids.dialog, ids.haupt)) app()->SetHighlight(ids.dialog, ids.haupt, t.highlight);
        g.platz = t.platz;
        infoSetzen(geldInfo(id, g.spielliste.runden, anbindung.blindInterval ? anbindung.blindInterval() : 0,
                            g.poker.bigBlind));
        return;
    }
    if (isSchnapsen(id)) {
        layoutSchreiben(tabellenLayoutPunkte(), false);
        if (anbindung.schnapsenTabelle) anbindung.schnapsenTabelle(flag);
        return;
    }
    if (id == 12) {
        infoSetzen(r && r->nurTabelle == 0 ? limit : "");
        layoutSchreiben(tabellenLayoutPunkte(), false);
        if (anbindung.jassTabelle) anbindung.jassTabelle(flag);
        return;
    }
    layoutSchreiben(tabellenLayoutPunkte(), false);
    zeilenSchreiben(ids.haupt, punkteZeilen(g.spielliste, id, namen));
    const Geld geld = geldArt(id, anbindung.skatUmGeld && anbindung.skatUmGeld(),
                              anbindung.skatGeldOption ? anbindung.skatGeldOption() : 1,
                              anbindung.schafkopfCent ? anbindung.schafkopfCent() : 0);
    zeilenSchreiben(ids.kasse, kassenZeilen(g.spielliste, id, namen, geld));
}

}  // namespace

std::vector<std::string> tabellenNamen(const TCG& g, int n) {
    std::vector<std::string> namen;
    for (int s = 1; s <= n; ++s) namen.push_back(highscore::spielerName(g, s, true));
    return namen;
}

namespace {

// Developer switches 11 and 12: the result table goes on by itself instead of waiting for the
// player. A finished Poker match starts the next of its series while the series lasts.
void weiterOhneSpieler(TCG& g, bool ende) {
    const int id = g.spielId;
    auto& a = anbindung;
    if (a.pokerTrace) a.pokerTrace("");
    const bool serieVorbei = a.pokerSerieVorbei && a.pokerSerieVorbei();
    if (id == kPoker && ende && !serieVorbei) {
        if (a.spielZustandSetzen) a.spielZustandSetzen(1);
        central::neuesSpiel(g, g.spielIdMenue, 0);
        if (a.pokerNaechstePartie) a.pokerNaechstePartie();
        g.poker.bigBlind = g.poker.bigBlindStart;
        return;
    }
    if (app()) app()->CreateClickEvent(ids.dialog, ids.weiter);
    if (id == kPoker) {
        if (serieVorbei && a.pokerSerieAbschliessen) a.pokerSerieAbschliessen();
        if (a.pokerNaechsteRunde) a.pokerNaechsteRunde();
    }
    if (app() && app()->validDialog(ids.dialog)) app()->InvsbDialog(ids.dialog);
    // The button's own handler takes the click while the table is in front or the game waits in
    // its menu: it has started the next game itself (the phase is no longer the table's), or at
    // the match's end gone to the main menu. Exactly one next game starts, none behind the menu.
    const bool imMenue = central::dienste.spielZustand && central::dienste.spielZustand() == 0;
    if (g.phase.nr != 5 || imMenue) return;
    if (a.spielZustandSetzen) a.spielZustandSetzen(1);
    central::neuesSpiel(g, g.spielIdMenue, 1);
}

}  // namespace

void punkteTabelle(TCG& g, const TGameResult& r, bool flag) {
    const int id = g.spielId;
    const int n = spielerZahl(g);
    const bool f11 = entwicklerFlag(11), f12 = entwicklerFlag(12);
    g.phase.nr = 5;
    eintragen(g.spielliste, r, id, n);
    if (isMoneyGame(id)) {
        if (anbindung.pleiteSitze && !f12) anbindung.pleiteSitze();
        const int staerke = anbindung.minStaerke ? anbindung.minStaerke() : 1;
        for (int s = 1; s <= n; ++s)
            g.spielliste.summe[s] =
                geldSumme(anbindung.platz ? anbindung.platz(s) : 0, staerke, g.spielliste.runden);
    } else {
        summenBerechnen(g.spielliste, n);
    }

    std::string abrechnung, limit;
    bool ende = false;
    if (const spiele::Eintrag* e = spiele::eintrag(id)) {
        if (e->abrechnungText && !f12) e->abrechnungText(r, abrechnung);
        if (e->partieEnde) ende = e->partieEnde();
        if (e->limitText) e->limitText(limit);
    }
    fuellen(g, &r, flag, limit);
    if (elementDa(ids.dialog, ids.weiter)) app()->SetCaption(ids.dialog, ids.weiter, knopfText(ende));
    if (!isMoneyGame(id)) infoSetzen(limit);

    // The unattended statistics run: a finished Black Jack match is counted and started again,
    // and every result table goes on by itself.
    auto statistik = [&g, id, ende] {
        if (!statunit::anzeige()) return;
        if (id == kBlackJack && ende) {
            ++statunit::matchAnzahl;
            statunit::spieleOffset += g.spielliste.runden;
            if (anbindung.blackjackSerie) anbindung.blackjackSerie();
        }
        statunit::klicken();
    };
    const bool casino = id == kPoker || id == kBlackJack;
    if (f11 || (f12 && (!ende || !casino))) {
        weiterOhneSpieler(g, ende);
        return statistik();
    }
    if (!app()) return statistik();
    // What follows the result box: the score list.
    auto danach = [flag, statistik] {
        const bool zustand = central::dienste.spielZustand && central::dienste.spielZustand() != 0;
        if ((flag || zustand) && app() && app()->validDialog(ids.dialog)) app()->CallDialog(ids.dialog);
        statistik();
    };
    if (r.nurTabelle == 0) {
        if (app()->validDialog(central::ids.helpPanel)) app()->InvsbDialog(central::ids.helpPanel);
        if (elementDa(central::ids.hinweisDialog, central::ids.hinweisKnopf))
            app()->SetVisible(central::ids.hinweisDialog, central::ids.hinweisKnopf, false);
        if (id != 1 && id != 5 && id != 6 && id != 12) {
            if (anbindung.zugMarkenVerbergen)
                anbindung.zugMarkenVerbergen();
            else
                central::zugMarkenVerbergen(g);
        }
        // The step that ended the round returns at once; the box goes on when it is answered.
        if (id != kBlackJack) return app()->msgboxThen(abrechnung, "Spielergebnis", "!Weiter", danach);
    }
    danach();
}

void pokerTabelle(TCG& g) {
    // Opened before a round has ended, the list still says how far the match has gone.
    std::string limit;
    const spiele::Eintrag* e = spiele::eintrag(g.spielId);
    if (!isMoneyGame(g.spielId) && e && e->limitText) e->limitText(limit);
    fuellen(g, nullptr, false, limit);
    if (!isMoneyGame(g.spielId)) infoSetzen(limit);
}

}  // namespace spielliste
