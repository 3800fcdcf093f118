// Canasta settlement, options and match: the options with their ranges, the settlement of a
// hand per seat or team, the end of a match by rounds or points, and the high-score entry.
#include <algorithm>
#include <map>

#include "core/central.h"
#include "core/highscore.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "games/rummy_shedding/canasta.h"
#include "gui/pvl.h"
#include "platform/num.h"
#include "platform/text.h"
#include "table/glu.h"

namespace canasta {

namespace {

// Options set by name before a match (self-play, tests); applied over the defaults whenever the
// options are read, since the harness starts every run from an empty record.
std::map<std::string, int>& vorgaben() {
    static std::map<std::string, int> m;
    return m;
}

std::string zahl(int64_t n) { return text::fromInt(n); }

// A numeric option outside its range gets its default: a damaged options file or a typing
// slip must not turn a Joker into minus a million points.
void klemmen(int32_t& wert, int32_t standard, int32_t lo, int32_t hi) {
    if (wert < lo || wert > hi) wert = standard;
}

pvl::TPVLApplication* app() { return central::dienste.app; }
bool da(int e) { return app() && seiten.haupt > 0 && e > 0 && app()->validElement(seiten.haupt, e); }

// The list's selected line, 1-based.
int liste(int e, int alt) {
    if (!da(e)) return alt;
    int v = 0;
    app()->ReadTopIndex(seiten.haupt, e, v);
    return v;
}
// The number of the list's selected line ("15 Runden" 15); a line without one ("Keine Grenze")
// gives keine.
int listenZahl(int e, int alt, int keine) {
    if (!da(e)) return alt;
    std::string t;
    app()->ReadText(seiten.haupt, e, t);
    const int n = zahlAusText(t);
    return n > 0 ? n : keine;
}
uint8_t box(int e, uint8_t alt) {
    return da(e) ? static_cast<uint8_t>(app()->isChecked(seiten.haupt, e)) : alt;
}
int32_t feld(int e, int32_t alt) {
    if (!da(e)) return alt;
    return zahlAusText(app()->GetCaption(seiten.haupt, e, false));
}

}  // namespace

Seiten seiten;

void optionenAbgleichen(int, bool rueckwaerts) {
    if (!app() || seiten.haupt <= 0) return;
    const int n = central::dienste.spielerAnzahl ? central::dienste.spielerAnzahl() : cg.ablauf.anzSpieler;
    const bool ruht = !central::dienste.spielZustand || central::dienste.spielZustand() == 0;
    // the first dealer is a seat that plays: "Spieler k" (position k + 1) steps past the seats
    if (da(seiten.e[0])) {
        int pos = liste(seiten.e[0], 1);
        while (pos >= 2 && pos <= 7 && pos - 1 > n) pos += rueckwaerts ? -1 : 1;
        if (pos < 1 || pos > 7) pos = 1;
        app()->SetTopIndex(seiten.haupt, seiten.e[0], pos);
    }
    // one set is too few for three seats and more: two sets then
    if (da(seiten.e[2]) && (n <= 3 || liste(seiten.e[2], 2) == 1)) app()->SetTopIndex(seiten.haupt, seiten.e[2], 2);
    if (da(seiten.e[7])) {
        const bool teams = (n == 4 || n == 6) && ruht;
        app()->SetEnabled(seiten.haupt, seiten.e[7], teams);
        if (n != 4 && n != 6) app()->SetBoolean(seiten.haupt, seiten.e[7], false);
    }
    if (da(seiten.e[19])) {
        const bool wild = box(seiten.e[8], 0) && ruht;
        app()->SetEnabled(seiten.haupt, seiten.e[19], wild);
        // the field's caption is the label built just before it
        const int label = seiten.e[19] - 1;
        if (da(label) && app()->GetCaption(seiten.haupt, label, false) == text::w("Wilder Canasta"))
            app()->SetEnabled(seiten.haupt, label, wild);
    }
}

void optionenStandard() {
    TCanasta& c = cg.canasta;
    c.ersterGeber = 1;
    c.naechsterGeber = 5;
    c.rundenLimit = 200;
    c.punkteLimit = 5000;
    c.kartenblatt = 2;
    c.ziehKarten = 1;
    c.kartenzahlWahl = 0;
    c.teamSpiel = 1;
    c.wildeCanastas = 0;
    c.immerEingefroren = 0;
    c.negativOhneCanasta = 0;
    c.rote3Positiv = 0;
    c.jokerWert = 50;
    c.bonusFertig = 100;
    c.bonusHandFertig = 200;
    c.bonusRote3 = 100;
    c.bonus4Rote3 = 800;
    c.bonusUnecht = 300;
    c.bonusEcht = 500;
    c.bonusWild = 1000;
}

int zahlAusText(const std::string& t) {
    const size_t b = t.find(' ');
    const std::string z = b == std::string::npos ? t : t.substr(0, b);
    if (z.empty()) return 0;
    char* ende = nullptr;
    const long v = std::strtol(z.c_str(), &ende, 10);
    if (ende == z.c_str() || *ende != '\0') return -1;  // no number: out of every range
    return static_cast<int>(std::clamp<long>(v, -1000000000L, 1000000000L));
}

bool optionSetzen(const std::string& name, int wert) {
    // short names, and the page's own captions for the same options
    static const char* const namen[][2] = {
        {"Kartenblatt", "Kartenblatt"},
        {"Teams", "In Zweierteams spielen (gegenübersitzende Spieler)"},
        {"Wild", "Wilde Canastas erlauben"},
        {"Eingefroren", "Ablagestapel immer eingefroren"},
        {"Ziehen", "Karten ziehen"},
        {"Runden", "Rundenzahl"},
        {"Punkte", "Spielen bis"},
        {"Joker", "Joker"},
        {"Negativ", "Negative Wertung ohne Canasta"},
        {"Rote3Positiv", "Rote 3 immer positiv"},
        {"Handkarten", "Startkarten"},
        {"Geber", "1. Kartengeber"},
        {"Fertig", "Fertigmachen Bonus"},
        {"HandFertig", "Hand fertigmachen Bonus"},
        {"Rote3", "Rote 3 Bonus"},
        {"Rote3x4", "4x Rote 3 Bonus"},
        {"Unecht", "Unechter Canasta"},
        {"Echt", "Echter Canasta"},
        {"WildCanasta", "Wilder Canasta"},
    };
    for (const auto& n : namen)
        if (name == n[0] || name == n[1] || name == text::w(n[1])) {
            vorgaben()[n[0]] = wert;
            return true;
        }
    return false;
}

void optionenLesen() {
    optionenStandard();
    TCanasta& c = cg.canasta;
    const int* e = seiten.e;
    c.ersterGeber = liste(e[0], c.ersterGeber);
    c.naechsterGeber = liste(e[1], c.naechsterGeber);
    c.kartenblatt = liste(e[2], c.kartenblatt);
    c.rundenLimit = listenZahl(e[3], c.rundenLimit, 200);
    c.punkteLimit = listenZahl(e[4], c.punkteLimit, 0);
    c.kartenzahlWahl = da(e[5]) ? (liste(e[5], 1) <= 1 ? 0 : liste(e[5], 1) + 6) : c.kartenzahlWahl;
    c.ziehKarten = liste(e[6], c.ziehKarten);
    c.teamSpiel = box(e[7], c.teamSpiel);
    c.wildeCanastas = box(e[8], c.wildeCanastas);
    c.immerEingefroren = box(e[9], c.immerEingefroren);
    c.negativOhneCanasta = box(e[10], c.negativOhneCanasta);
    c.rote3Positiv = box(e[11], c.rote3Positiv);
    int32_t* zahlen[8] = {&c.jokerWert,   &c.bonusFertig, &c.bonusHandFertig, &c.bonusRote3,
                          &c.bonus4Rote3, &c.bonusUnecht, &c.bonusEcht,       &c.bonusWild};
    for (int i = 0; i < 8; ++i) *zahlen[i] = feld(e[12 + i], *zahlen[i]);
    for (const auto& [name, v] : vorgaben()) {
        if (name == "Kartenblatt") c.kartenblatt = v;
        if (name == "Teams") c.teamSpiel = v ? 1 : 0;
        if (name == "Wild") c.wildeCanastas = v ? 1 : 0;
        if (name == "Eingefroren") c.immerEingefroren = v ? 1 : 0;
        if (name == "Ziehen") c.ziehKarten = v;
        if (name == "Runden") c.rundenLimit = v;
        if (name == "Punkte") c.punkteLimit = v;
        if (name == "Joker") c.jokerWert = v;
        if (name == "Negativ") c.negativOhneCanasta = v ? 1 : 0;
        if (name == "Rote3Positiv") c.rote3Positiv = v ? 1 : 0;
        if (name == "Handkarten") c.kartenzahlWahl = v;
        if (name == "Geber") c.ersterGeber = v;
        if (name == "Fertig") c.bonusFertig = v;
        if (name == "HandFertig") c.bonusHandFertig = v;
        if (name == "Rote3") c.bonusRote3 = v;
        if (name == "Rote3x4") c.bonus4Rote3 = v;
        if (name == "Unecht") c.bonusUnecht = v;
        if (name == "Echt") c.bonusEcht = v;
        if (name == "WildCanasta") c.bonusWild = v;
    }
    optionenPruefen();
}

int standardKartenzahl(int seats) {
    const TCanasta& c = cg.canasta;
    if (c.kartenzahlWahl != 0) return c.kartenzahlWahl;
    if (seats <= 2) return 15;
    if (seats == 3) return 13;
    return c.kartenblatt == 2 ? 11 : 13;
}

void optionenPruefen() {
    TCanasta& c = cg.canasta;
    klemmen(c.ersterGeber, 1, 1, 7);
    klemmen(c.naechsterGeber, 5, 1, 7);
    klemmen(c.rundenLimit, 200, 1, 200);
    klemmen(c.punkteLimit, 5000, 0, 1000000);
    klemmen(c.kartenblatt, 2, 1, 3);
    klemmen(c.ziehKarten, 1, 1, 2);
    if (c.kartenzahlWahl != 0) klemmen(c.kartenzahlWahl, 0, 8, 16);
    klemmen(c.jokerWert, 50, 0, 10000);
    klemmen(c.bonusFertig, 100, 0, 100000);
    klemmen(c.bonusHandFertig, 200, 0, 100000);
    klemmen(c.bonusRote3, 100, 0, 100000);
    klemmen(c.bonus4Rote3, 800, 0, 100000);
    klemmen(c.bonusUnecht, 300, 0, 100000);
    klemmen(c.bonusEcht, 500, 0, 100000);
    klemmen(c.bonusWild, 1000, 0, 100000);
    // the deck must leave a talon after the deal and the first discard card; checked whenever
    // the options are read, not only when the page changes
    const int n = std::clamp<int>(cg.ablauf.anzSpieler, 1, 6);
    while (54 * c.kartenblatt < n * standardKartenzahl(n) + n + 2 && c.kartenblatt < 3) ++c.kartenblatt;
    if (54 * c.kartenblatt < n * standardKartenzahl(n) + n + 2) c.kartenzahlWahl = 8;
    c.handKarten = standardKartenzahl(n);
}

// ---------------------------------------------------------------------------------------------

int abrechnung(int seat, std::string& text) {
    const TCanasta& c = cg.canasta;
    hand piles;
    meldungen(seat, piles);
    const bool canasta = hatCanasta(seat);
    int ausgelegt = 0, dreier = 0, canastaBonus = 0;
    for (int i = 1; i <= piles.anz; ++i) {
        const hand m = stapelKarten(piles.at(i).nr);
        const int p = meldungWertung(m, 1);
        ausgelegt += (c.negativOhneCanasta && !canasta) ? -p : p;
        canastaBonus += meldungWertung(m, 3);
    }
    for (int i = 1; i <= piles.anz; ++i) {
        const int d = meldungWertung(stapelKarten(piles.at(i).nr), 2);
        dreier += (!c.rote3Positiv && ausgelegt == 0) ? -d : d;
    }
    int handPunkte = 0;
    const int n = std::clamp<int>(cg.ablauf.anzSpieler, 1, 6);
    for (int s = 1; s <= n; ++s) {
        if (!(s == seat || (teamSpiel() && team(s) == team(seat)))) continue;
        glu::stapelZuHand(glu::spieler[s - 1]);
        handPunkte += kartenPunkte(glu::spieler[s - 1].hand);
    }
    const int bonus = fertigBonus(seat, 4);
    const int total = bonus + canastaBonus + dreier + ausgelegt - handPunkte;
    text = zahl(total) + " Punkte " + "(Hand -" + zahl(handPunkte);
    if (ausgelegt != 0) text += ", Ausgelegt " + zahl(ausgelegt);
    if (canastaBonus != 0) text += ", Canasta " + zahl(canastaBonus);
    if (dreier != 0) text += ", Dreier " + zahl(dreier);
    if (bonus != 0) text += (c.handAusgemacht ? ", Hand ausmachen " : ", Fertigmachen ") + zahl(bonus);
    text += ")";
    return total;
}

void rundenAbrechnung() {
    TGameResult r;
    r.nurTabelle = 0;
    r.zweiterWert = 1;
    r.spieler = cg.canasta.ausgemachtVon;
    const int n = std::clamp<int>(cg.ablauf.anzSpieler, 1, 6);
    std::string texte[7];
    for (int s = 1; s <= n; ++s) r.at(s) = abrechnung(s, texte[s]);
    std::string lang;
    if (teamSpiel()) {
        for (int t = 1; t <= n / 2; ++t) {
            std::string namen;
            for (int s = 1; s <= n; ++s)
                if (team(s) == t) {
                    if (!namen.empty()) namen += " und ";
                    namen += highscore::spielerName(cg, s, false);
                }
            lang += "\rTeam " + zahl(t) + " (" + namen + "): \r" + texte[t] + "\r";
        }
    } else {
        for (int s = 1; s <= n; ++s) lang += "\r" + highscore::spielerName(cg, s, false) + ": " + texte[s];
    }
    r.text2 = text::w(lang);
    ergebnisSpeicher() = r;
    spielliste::punkteTabelle(cg, r, false);
}

bool partieEnde() {
    const TCanasta& c = cg.canasta;
    if (c.rundenLimit <= cg.spielliste.runden) return true;
    if (c.punkteLimit > 0) {
        const int n = std::clamp<int>(cg.ablauf.anzSpieler, 1, 6);
        for (int s = 1; s <= n; ++s)
            if (cg.konto[s] >= c.punkteLimit) return true;
    }
    return false;
}

void limitText(std::string& text) {
    const TCanasta& c = cg.canasta;
    const int n = std::clamp<int>(cg.ablauf.anzSpieler, 1, 6);
    int32_t best = 0;
    for (int s = 1; s <= n; ++s) best = std::max(best, cg.konto[s]);
    text = zahl(cg.spielliste.runden) + " von " +
           (c.rundenLimit >= 200 ? "unbegrenzt" : zahl(c.rundenLimit)) + " Runden gespielt, " + zahl(best) +
           " von " + (c.punkteLimit == 0 ? "unbegrenzt" : zahl(c.punkteLimit)) + " max. Punkten erreicht";
    text = text::w(text);
}

void abrechnungText(const TGameResult& r, std::string& text) { text = r.text2; }

void highscoreText(std::string& text) {
    int kategorie = teamSpiel() ? 1 : 2;
    if (cg.spielliste.runden >= 16) kategorie = 3;
    text = highscore::eintragenText(cg.highscore, spiele::kCanasta, kategorie, cg.konto[1],
                                    highscore::spielerName(cg, 1, false));
}

}  // namespace canasta
