// The rule pages of the thirteen games and their arrangement into the two tabs "Allgemein"
// and "Regeln". Element ids are positional: the saved option files depend on this order.
#include <set>

#include "app/diag_intern.h"
#include "app/dialoge.h"

namespace dialoge::bau {

std::vector<std::string> r16(bool b) {
    return {"1 Runde",     "2 Runden",  "3 Runden",  "6 Runden",  "9 Runden",
            "10 Runden",   "12 Runden", "15 Runden", "18 Runden", "20 Runden",
            "25 Runden",   "30 Runden", "36 Runden", "50 Runden", b ? "100 Runden" : "200 Runden",
            "Keine Grenze"};
}
std::vector<std::string> punkte(std::initializer_list<int> werte, bool ohneGrenze) {
    std::vector<std::string> v;
    for (int w : werte) v.push_back(std::to_string(w) + " Punkte");
    if (ohneGrenze) v.push_back("Keine Grenze");
    return v;
}
std::vector<std::string> p14() { return punkte({3, 5, 10, 12, 15, 20, 25, 30, 40, 50, 75, 100, 200}, true); }
std::vector<std::string> geber(int n) {
    std::vector<std::string> v{"Zufall"};
    for (int i = 1; i <= n; ++i) v.push_back("Spieler " + std::to_string(i));
    return v;
}
std::vector<std::string> naechster() {
    return {"Zufall",        "Letzter Spieler", "Gewinner",    "Verlierer",
            "Uhrzeigersinn", "gegen Uhrzeiger", "wie 1. Geber"};
}
std::vector<std::string> b16() {
    std::vector<std::string> v;
    for (int n : {1, 2, 3, 6, 9, 10, 12, 15, 18, 20, 25, 30, 36, 50, 100})
        v.push_back(std::to_string(n) + " Bummerl");
    v.push_back("Keine Grenze");
    return v;
}

void seiteZeigen(glapp::Tglapp& a, int spiel, int seite) {
    const Ids& d = ids();
    const int s = d.regeln[spiel], k = d.regelContainer[spiel];
    if (!a.validElement(s, k)) return;
    a.SetPageIndex(s, k, seite);
    // The Skat page's rule-set elements stay hidden although their radio group shows its
    // members with its page.
    if (spiel == 1)
        for (int e : {3, 4, 5}) a.SetVisibleAbsolute(s, e, false);
}

namespace {

int seite(Bauer& b, int spiel, std::string_view cap) {
    Ids& d = ids();
    const int dlg = b.gross(cap);
    d.regeln[spiel] = dlg;
    b.knopf(310, 460, 140, 40, "Spiel starten");
    if (spiel != 1)
        d.standardKnoepfe[spiel] = b.knopf(440, spiel == 4 ? 400 : 397, 140, 40, "Standardregeln");
    return dlg;
}
int opt(int spiel, int e) {
    ids().regelOptionen[spiel].push_back(e);
    return e;
}

bool istKnopf(const pvl::TPVLElement& el) { return el.Kind == pvl::ekButton || el.Kind == pvl::ekCheckBox; }

// Rearranges a finished page into the paged container: duration choosers and the general
// options on page 1, the rules on page 2, then the player block and the tab buttons.
void maketabcon(Bauer& b, int spiel) {
    Ids& ids_ = ids();
    glapp::Tglapp& a = b.a;
    const int d = ids_.regeln[spiel];
    const int g = regelSpiel(d);
    const int n = a.dlg(d).ElementCount;
    const int k = b.obj(19, 35, 100, 570, 345, 240.0f, 1.0f, "Allgemein/Regeln");
    const int dy = g == 4 ? 28 : (g == 5 || g == 6) ? -30 : 0;

    std::string laenge = "Rundenzahl", grenze = "Spielen bis";
    if (g == 0) grenze = "Bis Punktzahl";
    if (g == 7 || g == 10) laenge = "Bummerl/Partie", grenze = "Punkte/Bummerl";
    if (g == 9 || g == 11) grenze.clear();
    if (g == 1 || g == 8) laenge.clear(), grenze.clear();
    // Element -> its place (x, y) on page 1.
    std::vector<std::pair<int, std::pair<int, int>>> dauer;
    for (int i = 3; i < n; ++i) {
        const pvl::TPVLElement& el = a.dlg(d).el(i);
        if (el.Kind != pvl::ekLabel) continue;
        const std::string c = el.Caption.str();
        if (!laenge.empty() && c == text::w(laenge)) {
            dauer.push_back({i, {140, 326 + dy}});
            dauer.push_back({i + 1, {270, 330 + dy}});
        } else if (!grenze.empty() && c == text::w(grenze)) {
            dauer.push_back({i, {140, 363 + dy}});
            dauer.push_back({i + 1, {270, 367 + dy}});
        }
    }
    auto dauerPlatz = [&](int i) -> const std::pair<int, int>* {
        for (const auto& p : dauer)
            if (p.first == i) return &p.second;
        return nullptr;
    };
    auto allgemein = [&](int i) {
        if (g == 8) return ids_.pokerBegriffe > 0 && i >= ids_.pokerBegriffe;
        if (g == 1) return (i >= 6 && i <= 12) || i == 19 || i == 20;
        if (g == 4)
            // A long caption lives in the string container: compare the whole text.
            return a.GetCaption(d, i, false) == text::w("In Zweierteams spielen (gegenübersitzende Spieler)");
        return false;
    };

    bool hatDauer = false, hatAllgemein = false;
    for (int i = 3; i <= n; ++i) {
        if (g == 1 && i <= 5) continue;
        pvl::TPVLElement& el = a.dlg(d).el(i);
        if (const auto* p = dauerPlatz(i)) {
            const int ox = p->first - el.X, oy = p->second - el.Y;
            el.X = static_cast<int16_t>(p->first);
            el.Y = static_cast<int16_t>(p->second);
            for (int c = 1; c <= el.ChildCount; ++c) {
                pvl::TPVLElement& ch = a.dlg(d).el(el.child(c));
                ch.X = static_cast<int16_t>(ch.X + ox);
                ch.Y = static_cast<int16_t>(ch.Y + oy);
            }
            a.SetPageIndex(d, i, 1);
            a.AddChild(k, i);
            hatDauer = true;
            continue;
        }
        if (allgemein(i)) {
            hatAllgemein = true;
            if (el.ParentElement != 0) continue;
            if (istKnopf(el)) el.Ti = -1;
            a.SetPageIndex(d, i, 1);
            a.AddChild(k, i);
            continue;
        }
        if (el.ParentElement != 0) {
            // A radio member brings its group onto the rules page, once.
            const int p = el.ParentElement;
            if (istKnopf(el) && p != k && a.dlg(d).el(p).ParentElement != k) {
                a.SetPageIndex(d, p, 2);
                a.AddChild(k, p);
            }
            continue;
        }
        if (istKnopf(el)) el.Ti = -1;
        a.SetPageIndex(d, i, 2);
        a.AddChild(k, i);
    }

    const int erster = a.dlg(d).ElementCount + 1;
    b.label(140, 157, "Name");
    ids_.nameFeld[g] = b.obj(12, 278, 161, 163, 0, 24.0f, 1.0f, "Name");
    b.label(140, 194, "Schwierigkeit");
    ids_.schwierigkeitsWahl[g] = b.wahl(270, 198, 140, 22, {"Anfänger", "Normal", "Profi"});
    if (g == 0 || g == 2 || g == 3 || g == 4 || g == 8 || g == 9 || g == 11) {
        b.label(140, 233, "Spielerzahl");
        ids_.spielerzahlWahl[g] =
            b.wahl(270, 238, 140, 22, {"2 Spieler", "3 Spieler", "4 Spieler", "5 Spieler", "6 Spieler"});
    }
    if (g == 1) {
        // The Skat unit fills in the characters' names when it is connected.
        b.label(140, 219, "Computer");
        ids_.skatCharakter = b.wahl(270, 223, 140, 20, {});
    }
    b.rahmen(75, 121, 490, 150, "Spieler");
    if (hatDauer) b.rahmen(75, 290 + dy, 490, 150, "Spieldauer");
    // Canasta's one general option sits right under the players; its durations move down to
    // make room, and an "Optionen" frame there would lie across theirs.
    if (hatAllgemein && g != 1 && g != 4) b.rahmen(75, 287, 490, 150, "Optionen");
    for (int i = erster; i <= a.dlg(d).ElementCount; ++i) {
        if (a.dlg(d).el(i).ParentElement != 0) continue;
        a.SetPageIndex(d, i, 1);
        a.AddChild(k, i);
    }
    ids_.zurueckKnoepfe[g] = b.knopf(150, 460, 140, 40, "Zurück");
    ids_.allgemeinKnoepfe[g] = b.knopf(57, 64, 140, 40, "Allgemein");
    ids_.regelnKnoepfe[g] = b.knopf(180, 64, 140, 40, "Regeln");
    ids_.regelContainer[g] = k;
    seiteZeigen(a, g, 1);
}

}  // namespace

void skatUnterseiten(Bauer& b, int welche) {
    Ids& d = ids();
    if (welche == 0) {
        d.kontra = b.gross("Kontra");
        b.knopf(270, 440, 140, 40, "Zurück");
        b.rahmen(88, 90, 470, 150, "Kontra");
        const int k1 = b.check(250, 130, "Mit Kontra"), k2 = b.check(250, 165, "Mit Kontra und Re"),
                  k3 = b.check(250, 200, "Mit Kontra, Re, Sup, Hirsch");
        b.gruppe("Kontra", {k1, k2, k3});
        b.rahmen(88, 255, 470, 150, "Kontra/Re Ansage");
        const int a1 = b.check(250, 295, "Nach der Spielansage"),
                  a2 = b.check(250, 330, "Nach dem ersten Stich");
        b.gruppe("Kontraansage", {a1, a2});
        d.kontraOptionen = {k1, k2, k3, a1, a2};
    } else if (welche == 1) {
        d.bockRamsch = b.gross("Bock und Ramsch");
        b.knopf(270, 440, 140, 40, "Zurück");
        b.rahmen(38, 55, 280, 150, "Bock/Ramschspiele");
        const char* wann[] = {"Bei eingepasstem Spiel",   "Kontra verloren",   "Wenn Grand Hand gewonnen",
                              "Wenn Grand Hand verloren", "Nach 60:60",        "Bei Spiel über 100",
                              "Spieler ist Schneider",    "Bei Spielabschluss"};
        int w[8];
        for (int i = 0; i < 8; ++i) w[i] = b.check(50, 90 + 30 * i, wann[i]);
        b.gruppe("BockWenn", {w[0], w[2], w[3], w[4], w[5], w[6], w[7]}, false);
        b.label(28, 335, "Bockrunden");
        b.label(28, 370, "Ramschrunden");
        const std::vector<std::string> runden{"Keine", "Ein Spiel", "Eine Runde", "Zwei Runden",
                                              "Drei Runden"};
        const int bock = b.wahl(200, 340, 200, 22, runden), ramsch = b.wahl(200, 375, 200, 22, runden);
        const int o1 = b.check(360, 90, "Buben schieben erlaubt"),
                  o2 = b.check(360, 120, "Jungfrau ansagen erlaubt"),
                  o3 = b.check(360, 150, "Grand Hand erlaubt"), o4 = b.check(360, 180, "Durchmarsch erlaubt");
        b.rahmen(348, 225, 270, 150, "Skat beim Ramsch geht an");
        const int s1 = b.check(360, 260, "Spieler mit meisten Augen"),
                  s2 = b.check(360, 290, "Gewinner des letzten Stichs");
        b.gruppe("Skatgehtan", {s1, s2});
        b.rahmen(348, 55, 270, 150, "Ramschoptionen");
        const int r = b.check(50, 410, "Ramsch, wenn keiner reizt");
        d.bockRamschOptionen = {w[0],   w[1], w[2], w[3], w[4], w[5], w[6], w[7], bock,
                                ramsch, o1,   o2,   o3,   o4,   s1,   s2,   r};
    } else {
        d.umGeld = b.gross("Um Geld spielen");
        b.knopf(270, 440, 140, 40, "Zurück");
        b.rahmen(78, 100, 470, 150, "Geldbetrag pro Punkt");
        const int g1 = b.check(250, 150, "1/10 Cent"), g2 = b.check(250, 185, "1/4 Cent"),
                  g3 = b.check(250, 220, "1/2 Cent"), g4 = b.check(250, 255, "1 Cent");
        b.gruppe("Geldbetrag", {g1, g2, g3, g4});
        d.umGeldOptionen = {g1, g2, g3, g4};
    }
}

void regelnSkat(Bauer& b) {
    seite(b, 1, "Skat");
    glapp::Tglapp& a = b.a;
    const int d = ids().regeln[1];
    const int l3 = b.label(4, 35, "REGELWERK");
    const int c4 = b.check(30, 75, "Internationale Skatordnung");
    const int c5 = b.check(30, 105, "Eigene");
    for (int e : {l3, c4, c5}) a.SetVisibleAbsolute(d, e, false);
    b.gruppe("Regelwerk", {4, 5});                       // 6
    b.rahmen(75, 247, 490, 150, "Spieldauer");           // 7
    b.check(225, 287, "6 Runden (18 Spiele)");           // 8
    b.check(225, 317, "12 Runden (36 Spiele)");          // 9
    b.check(225, 347, "24 Runden (72 Spiele)");          // 10
    b.obj(4, 225, 377, 125, 30, 0.0f, 1.0f, "Eigene:");  // 11
    b.gruppe("Runden", {8, 9, 10, 11});                  // 12
    b.rahmen(266, 270, 270, 150, "Geber (1. Spiel)");    // 13
    b.check(280, 310, "1. Spieler (Mensch)");            // 14
    b.check(280, 340, "2. Spieler (Computer)");
    b.check(280, 370, "3. Spieler (Computer)");
    b.check(280, 400, "Zufällig");                 // 17
    b.gruppe("Geber", {14, 15, 16, 17, 13});       // 18
    b.obj(12, 318, 377, 40, 1, 3.0f, 1.0f, "10");  // 19
    b.label(345, 374, "Spiele");                   // 20
    b.check(60, 165, "Mit Rum");                   // 21
    b.check(60, 195, "Mit Spitze");
    b.check(60, 225, "Grand zählt nur 20");
    b.check(280, 165, "Kontra/Re");  // 24
    b.check(280, 195, "Bock/Ramsch");
    b.check(280, 225, "Um Geld");  // 26
    for (int i = 0; i < 3; ++i)
        ids().skatOptionen[i] = b.obj(0, 430, 165 + 30 * i, 90, 28, 0.0f, 1.0f, "Optionen");
    b.rahmen(48, 270, 200, 150, "Spielliste");  // 30
    b.check(60, 310, "Standardwertung");        // 31
    b.check(60, 340, "Turnierwertung");
    b.check(60, 370, "Nur Minuspunkte");
    b.check(60, 400, "Nur Pluspunkte");                               // 34
    const int wertung = b.obj(5, 0, 0, 0, 0, 0.0f, 1.0f, "Wertung");  // 35
    a.AddBaby(wertung, 30);
    for (int m = 31; m <= 34; ++m) a.AddChild(wertung, m);
    const int sonst = b.label(308, 40, "#SONSTIGES");  // 36
    for (int m = 21; m <= 25; ++m) a.AddBaby(sonst, m);
    b.obj(4, 60, 120, 140, 30, 0.02f, 1.0f, "Internationale Skatordnung (ISkO)");  // 37
    for (int m : {11, 36, 35}) a.AddBaby(5, m);
    ids().standardKnoepfe[1] = b.knopf(440, 397, 140, 40, "Standardregeln");  // 38
    for (int e = 3; e <= 37; ++e) opt(1, e);
    maketabcon(b, 1);
}

void regelnMauMau(Bauer& b) {
    seite(b, 0, "Mau Mau");
    b.label(35, 115, "Kartengeber");
    opt(0, b.wahl(145, 120, 140, 20, geber(6)));
    b.label(35, 150, "Kartenblatt");
    opt(0, b.wahl(145, 155, 140, 20, {"1x 32 Karten", "2x 32 Karten"}));
    b.label(315, 115, "Startkarten");
    opt(0, b.wahl(450, 120, 100, 20, {"3 Karten", "4 Karten", "5 Karten", "6 Karten"}));
    b.label(315, 150, "Punkte-Wertung");
    opt(0, b.wahl(450, 155, 100, 20, {"Positiv", "Negativ"}));
    b.label(35, 255, "Rundenzahl");
    opt(0, b.wahl(145, 260, 140, 20, r16(true)));
    b.label(10, 290, "Bis Punktzahl");
    opt(0, b.wahl(120, 295, 140, 20,
                  punkte({50, 100, 150, 200, 250, 300, 400, 500, 600, 800, 1000, 1200, 1500, 2000}, true)));
    struct S {
        int lx, ly;
        const char* t;
        int cx, cy;
    };
    const S sonder[5] = {{335, 195, "Karte \"2 Ziehen\"", 473, 200},
                         {335, 230, "Karte \"Aussetzen\"", 473, 235},
                         {35, 195, "Karte \"Richtungswechsel\"", 230, 200},
                         {35, 230, "Karte \"Nochmal ablegen\"", 230, 235},
                         {35, 265, "Karte \"Farbe wählen\"", 230, 270}};
    for (int i = 0; i < 5; ++i) {
        b.label(sonder[i].lx, sonder[i].ly, sonder[i].t);
        ids().maumauSonder[i] = opt(0, b.wahl(sonder[i].cx, sonder[i].cy, 78, 20, {}));
    }
    b.label(35, 310, "Mehrere \"2 Ziehen\"-Karten aufeinander gelegt");
    opt(0, b.wahl(365, 315, 187, 20, {"Nur 2 Karten ziehen", "4,6 usw. Karten ziehen"}));
    b.label(35, 345, "Mehrere \"Aussetzen\"-Karten aufeinander gel.");
    opt(0, b.wahl(365, 350, 187, 20, {"Nur einer setzt aus", "Mehrere setzen aus"}));
    opt(0, b.check(56, 383, "Bube darf auf Bube gelegt werden"));
    maketabcon(b, 0);
}

void regelnSchwimmen(Bauer& b) {
    seite(b, 2, "Schwimmen");
    b.label(130, 145, "Kartengeber");
    opt(2, b.wahl(270, 150, 150, 20, geber(6)));
    b.label(130, 185, "Punkte-Wertung");
    opt(2, b.wahl(270, 190, 150, 20, {"Positiv", "Negativ"}));
    b.label(130, 225, "Rundenzahl");
    opt(2, b.wahl(270, 230, 140, 20, r16(false)));
    b.label(10, 250, "Spielen bis");
    opt(2, b.wahl(120, 255, 140, 20, p14()));
    opt(2, b.check(150, 230, "Mit 3er Pasch"));
    opt(2, b.check(150, 270, "Alle Karten tauschen erlaubt"));
    maketabcon(b, 2);
}

void regelnRomme(Bauer& b) {
    seite(b, 3, "Rommé");
    b.label(35, 122, "1. Kartengeber");
    opt(3, b.wahl(170, 127, 150, 20, geber(6)));
    b.label(35, 159, "Nächster Geber");
    opt(3, b.wahl(170, 164, 150, 20, naechster()));
    b.label(35, 196, "Kartenblatt");
    opt(3, b.wahl(170, 199, 150, 20, {"1 Satz (52+3)", "2 Sätze (104+6)", "3 Sätze (156+9)"}));
    b.label(35, 233, "Punkte-Wertung");
    opt(3, b.wahl(170, 237, 150, 20, {"Positiv", "Negativ"}));
    b.label(35, 270, "Rundenzahl");
    opt(3, b.wahl(170, 275, 150, 20, r16(false)));
    b.label(35, 225, "Spielen bis");
    opt(3, b.wahl(170, 230, 150, 20,
                  punkte({100, 200, 300, 400, 500, 750, 1000, 1500, 2000, 2500, 3000, 4000, 5000, 10000},
                         true)));
    b.label(350, 120, "Joker zählt");
    opt(3, b.wahl(450, 125, 105, 20, punkte({20, 25, 40}, false)));
    b.label(350, 160, "1. Satz ab");
    opt(3, b.wahl(450, 165, 105, 20, punkte({0, 20, 30, 40}, false)));
    opt(3, b.check(56, 318, "Um die Ecke legen erlauben"));
    opt(3, b.check(56, 358, "Doppelte Farben in Sätzen erlauben"));
    opt(3, b.check(56, 398, "Anlegen an fremde Sätze erlauben"));
    b.label(35, 268, "Sortieren nach");
    ids().rommeSortieren = opt(3, b.wahl(170, 272, 150, 20, {"Kartenfarbe", "Kartenwert"}));
    maketabcon(b, 3);
}

void regelnCanasta(Bauer& b) {
    seite(b, 4, "Canasta");
    b.label(37, 108, "1. Kartengeber");
    opt(4, b.wahl(169, 113, 145, 20, geber(6)));
    b.label(37, 141, "Nächster Geber");
    opt(4, b.wahl(169, 146, 145, 20, naechster()));
    b.label(37, 174, "Kartenblatt");
    opt(4, b.wahl(169, 179, 145, 20, {"1 Satz (52+2)", "2 Sätze (104+4)", "3 Sätze (156+6)"}));
    b.label(37, 207, "Rundenzahl");
    opt(4, b.wahl(169, 212, 145, 20, r16(false)));
    b.label(37, 240, "Spielen bis");
    opt(4, b.wahl(169, 245, 145, 20,
                  punkte({1000, 1500, 2000, 2500, 3000, 4000, 5000, 6000, 7500, 10000, 15000, 20000, 25000,
                          30000, 50000},
                         true)));
    b.label(342, 108, "Startkarten");
    opt(4, b.wahl(452, 113, 102, 20,
                  {"Standard", "8 Karten", "9 Karten", "10 Karten", "11 Karten", "12 Karten", "13 Karten",
                   "14 Karten", "15 Karten", "16 Karten"}));
    b.label(342, 141, "Karten ziehen");
    opt(4, b.wahl(452, 146, 102, 20, {"1 Karte", "2 Karten"}));
    opt(4, b.check(160, 274, "In Zweierteams spielen (gegenübersitzende Spieler)"));
    opt(4, b.check(362, 180, "Wilde Canastas erlauben"));
    opt(4, b.check(60, 215, "Ablagestapel immer eingefroren"));
    b.rahmen(58, 250, 528, 150, "Abrechnung");
    opt(4, b.check(282, 285, "Negative Wertung ohne Canasta"));
    opt(4, b.check(282, 315, "Rote 3 immer positiv"));
    struct F {
        const char* t;
        int lx, ly, fx, fy;
        const char* wert;
    };
    const F felder[8] = {{"Joker", 262, 400, 340, 403, "50"},
                         {"Fertigmachen Bonus", 262, 340, 460, 343, "100"},
                         {"Hand fertigmachen Bonus", 262, 370, 460, 373, "200"},
                         {"Rote 3 Bonus", 43, 370, 200, 373, "100"},
                         {"4x Rote 3 Bonus", 43, 400, 200, 403, "800"},
                         {"Unechter Canasta", 43, 280, 200, 283, "300"},
                         {"Echter Canasta", 43, 310, 200, 313, "500"},
                         {"Wilder Canasta", 43, 340, 200, 343, "1000"}};
    for (int i = 0; i < 8; ++i) {
        b.label(felder[i].lx, felder[i].ly, felder[i].t);
        opt(4, b.obj(12, felder[i].fx, felder[i].fy, 48, 2, i == 0 ? 3.0f : 4.0f, 1.0f, felder[i].wert));
    }
    maketabcon(b, 4);
}

void regelnDoppelkopf(Bauer& b) {
    seite(b, 5, "Doppelkopf");
    b.label(46, 110, "Kartengeber");
    opt(5, b.wahl(166, 115, 120, 20, geber(4)));
    b.label(310, 130, "Rundenzahl");
    opt(5, b.wahl(450, 135, 140, 20, r16(false)));
    b.label(310, 170, "Spielen bis");
    opt(5, b.wahl(450, 175, 140, 20, p14()));
    opt(5, b.check(66, 147, "2. Dulle (Herz Zehn) zählt höher"));
    b.rahmen(400, 109, 190, 150, "Sonderpunkte");
    opt(5, b.check(415, 154, "Fuchs fangen"));
    opt(5, b.check(415, 194, "Karlchen Müller"));
    opt(5, b.check(415, 234, "Doppelkopf"));
    b.rahmen(55, 291, 335, 150, "Limits");
    opt(5, b.check(65, 331, "Re / Kontra"));
    opt(5, b.check(65, 366, "Keine 90"));
    opt(5, b.check(65, 401, "Keine 60"));
    opt(5, b.check(215, 331, "Keine 30"));
    opt(5, b.check(215, 366, "Schwarz"));
    b.rahmen(55, 188, 335, 150, "Solo");
    b.label(45, 219, "Bei Solo zieht an");
    opt(5, b.wahl(185, 223, 160, 20, {"Solospieler", "normal", "nicht Solospieler"}));
    opt(5, b.check(65, 255, "Buben-Damensolo erlaubt"));
    maketabcon(b, 5);
}

void regelnSchafkopf(Bauer& b) {
    seite(b, 6, "Schafkopf");
    b.label(37, 110, "Kartengeber");
    opt(6, b.wahl(182, 115, 160, 20, geber(4)));
    b.label(10, 108, "Rundenzahl");
    opt(6, b.wahl(155, 113, 140, 20, r16(false)));
    b.label(10, 146, "Spielen bis");
    opt(6, b.wahl(155, 151, 140, 20, p14()));
    b.rahmen(427, 113, 165, 150, "Spielvarianten");
    const char* varianten[] = {"Tout", "Farbgeier", "Farbwenz", "Bettel", "Sie"};
    for (int i = 0; i < 5; ++i) opt(6, b.check(442, 153 + 38 * i, varianten[i]));
    b.rahmen(50, 253, 370, 150, "Kontra und Re");
    opt(6, b.check(57, 291, "Kontra"));
    opt(6, b.check(197, 291, "Re"));
    b.label(37, 144, "Um Geld spielen");
    opt(6, b.wahl(182, 149, 160, 20,
                  {"Ohne Geld", "1 Cent / Punkt", "2 Cent / Punkt", "5 Cent / Punkt", "10 Cent / Punkt",
                   "20 Cent / Punkt", "50 Cent / Punkt"}));
    opt(6, b.check(57, 182, "Ramsch, wenn keiner spielen will"));
    opt(6, b.check(57, 216, "Eigenes As rufen erlauben (Stilles Solo)"));
    b.rahmen(52, 329, 370, 150, "Wertung");
    b.label(37, 359, "Solo, Wenz und Geier Spielwert");
    opt(6, b.wahl(277, 364, 105, 20, punkte({2, 4, 5}, false)));
    opt(6, b.check(57, 395, "Laufende zählen"));
    maketabcon(b, 6);
}

void regelnPoker(Bauer& b) {
    seite(b, 8, "Texas Hold`em Poker");
    const struct {
        const char* t;
        int y;
        std::vector<std::string> e;
    } zeilen[4] = {{"Startguthaben", 130, {"1000 €", "2000 €", "5000 €"}},
                   {"Blinds", 168, {"20 (B), 10 (S)", "40 (B), 20 (S)", "100 (B), 50 (S)"}},
                   {"Blinds erhöhen",
                    206,
                    {"Nie", "Alle 7 Spiele", "Alle 10 Spiele", "Alle 15 Spiele", "Alle 20 Spiele",
                     "Alle 25 Spiele", "Alle 30 Spiele"}},
                   {"Spielwährung", 244, {"Euromünzen", "Chips (Euro)", "Chips (Dollar)"}}};
    for (const auto& z : zeilen) {
        b.label(130, z.y, z.t);
        opt(8, b.wahl(275, z.y + 5, 170, 20, z.e));
    }
    // Whole tables at one click; the boxes are rules like the lists they set.
    const char* vorwahl[3] = {"Voreinstellung 1: No Limit, Chips (Euro)",
                              "Voreinstellung 2: Pot Limit, Euromünzen",
                              "Voreinstellung 3: Split Limit, Chips (Dollar)"};
    for (int i = 0; i < 3; ++i) ids().pokerVorwahl[i] = b.check(97, 295 + 30 * i, vorwahl[i]);
    ids().pokerBegriffe = opt(8, b.check(97, 322, "Offizielle Pokerbegriffe verwenden (Englisch)"));
    opt(8, b.check(97, 357, "Abkürzungen verwenden (z.B. \"Paar K\" statt \"Paar König\")"));
    b.label(77, 387, "Geschwindigkeit, wenn man gepasst hat");
    opt(8, b.wahl(364, 392, 120, 20, {"Normal", "Doppelt", "Dreifach"}));
    maketabcon(b, 8);
}

void regelnSchnapsen(Bauer& b, bool sechsundsechzig) {
    const int g = sechsundsechzig ? 10 : 7;
    seite(b, g, sechsundsechzig ? "Sechsundsechzig" : "Schnapsen");
    b.label(35, 255, "Bummerl/Partie");
    opt(g, b.wahl(145, 260, 140, 20, b16()));
    b.label(10, 290, "Punkte/Bummerl");
    opt(g, b.wahl(120, 295, 140, 20, {"7 Punkte", "11 Punkte"}));
    opt(g, b.check(90, 150, "Sperren des Talons (Zudrehen) erlaubt "));
    opt(g, b.check(90, 190,
                   sechsundsechzig ? "Tauschen der Atout-Karte (Trumpfkarte) mit Atout-Neun erlaubt  "
                                   : "Tauschen der Atout-Karte (Trumpfkarte) mit Atout-Bube erlaubt  "));
    maketabcon(b, g);
}

void regelnBlackJack(Bauer& b, bool siebzehnUndVier) {
    const int g = siebzehnUndVier ? 11 : 9;
    const int v = siebzehnUndVier ? 1 : 0;
    seite(b, g, siebzehnUndVier ? "17 und 4" : "Black Jack");
    const std::vector<std::string> blatt =
        siebzehnUndVier
            ? std::vector<std::string>{"1 Satz (32 Karten)", "2 Sätze (64 Karten)", "3 Sätze (96 Karten)"}
            : std::vector<std::string>{"1 Satz (52 Karten)", "2 Sätze (104 Karten)", "3 Sätze (156 Karten)"};
    const std::vector<std::string> letzte =
        siebzehnUndVier
            ? std::vector<std::string>{"Nur wenn D. pleite ist", "Alle 3 Runden", "Alle 5 Runden",
                                       "Alle 10 Runden"}
            : std::vector<std::string>{"Bei allen offen", "Bei Dealer verdeckt", "Bei allen verdeckt"};
    auto utf8 = [](const std::vector<std::string>& cp) {
        std::vector<std::string> u;
        for (const auto& s : cp) u.push_back(text::toUtf8(s));
        return u;
    };
    const struct {
        const char* t;
        std::vector<std::string> e;
    } zeilen[6] = {{"Kartenblatt", blatt},
                   {"Startguthaben", {"1000 €", "2000 €", "5000 €"}},
                   {"Spielwährung", {"Euromünzen", "Chips (Euro)", "Chips (Dollar)"}},
                   {"Mindesteinsatz", utf8(einsatzTexte(false, v))},
                   {"Höchsteinsatz", utf8(einsatzTexte(true, v))},
                   {siebzehnUndVier ? "Dealer wechselt" : "Zweite Karte", letzte}};
    for (int k = 0; k < 6; ++k) {
        b.label(120, 112 + 32 * k, zeilen[k].t);
        opt(g, b.wahl(265, 115 + 32 * k, 176, 20, zeilen[k].e));
    }
    const std::vector<const char*> boxen =
        siebzehnUndVier
            ? std::vector<const char*>{"Zwei Asse gewinnen doppelt   ", "Stapel vor jedem Spiel mischen   "}
            : std::vector<const char*>{"Wenn ein Spieler einen Black Jack hatte, wird er zum Dealer   ",
                                       "Dealer zieht bei \"Soft 17\" (As und 6) keine weitere Karte   ",
                                       "Stapel vor jedem Spiel mischen   ", "Verdoppeln erlaubt  "};
    for (size_t j = 0; j < boxen.size(); ++j)
        opt(g, b.obj(4, 140, 313 + 30 * static_cast<int>(j), 170, 20, 0.02f, 1.0f, boxen[j]));
    b.label(35, 255, "Rundenzahl");
    opt(g, b.wahl(145, 260, 140, 20, r16(true)));
    maketabcon(b, g);
}

void regelnJass(Bauer& b) {
    seite(b, 12, "Jass");
    b.label(310, 130, "Rundenzahl");
    opt(12, b.wahl(450, 135, 140, 20, r16(false)));
    b.label(310, 170, "Spielen bis");
    opt(12, b.wahl(450, 175, 140, 20, punkte({500, 750, 1000, 1500, 2000, 2500, 3000, 5000}, true)));
    b.rahmen(58, 120, 528, 150, "Weis und Stöck");
    opt(12, b.check(90, 162, "Mit Weisen "));
    opt(12, b.check(90, 194, "Mit Stöcken "));
    b.label(65, 226, "Reihenfolge bei Spielausgang");
    opt(12, b.wahl(285, 231, 160, 20, {"Stöck-Weis-Stich", "Stöck-Stich-Weis", "Stich-Stöck-Weis"}));
    b.rahmen(58, 280, 528, 150, "Spielrichtungen");
    opt(12, b.check(90, 322, "Obenabe - Spiele erlaubt "));
    opt(12, b.check(90, 354, "Undenufe - Spiele erlaubt "));
    opt(12, b.check(90, 386, "Slalom - Spiele erlaubt "));
    maketabcon(b, 12);
}

}  // namespace dialoge::bau
