#include "core/entscheidung.h"

#include "core/envparam.h"
#include "core/gtool.h"
#include "platform/text.h"

namespace entscheidung {

Fragen fragen;

namespace {

std::string kuerzen(std::string s) {
    if (s.size() > kTextLaenge) s.resize(kTextLaenge);
    return s;
}

std::string farbe(int f) {
    if (fragen.farbName) return fragen.farbName(f);
    if (f < 1 || f > 4) return std::string();
    const int stil = envParam.Kartenstil;
    if (stil >= 1 && stil <= gtool::kFarbStile && !gtool::umgebung.farbNamen[stil - 1][f].empty())
        return gtool::umgebung.farbNamen[stil - 1][f];
    static const char* const namen[] = {"Kreuz", "Pik", "Herz", "Karo"};
    return namen[f - 1];
}

// The answer of an installed question, or its type's default when the game is not there.
template <class R, class... P, class... A>
R frage(R (*f)(P...), A... args) {
    return f ? f(args...) : R{};
}

std::string zahl(int64_t v) { return text::fromInt(v); }
std::string w(std::string_view s) { return text::w(s); }

// In a Rufspiel every Ober, every Unter and every Herz is trump; a suit can be called only
// with a plain card of it in the hand and (unless the option allows it) without its Ace.
bool rufTrumpf(const karte& k) { return k.t == 4 || k.t == 5 || k.f == 3; }

bool rufbar(const hand& h, int f, bool eigenesAs) {
    if (f == 3) return false;
    int frei = 0;
    bool as = false;
    for (int i = 1; i <= h.anz; ++i) {
        const karte& k = h.at(i);
        if (k.f != f) continue;
        if (!rufTrumpf(k)) ++frei;
        if (k.t == 8) as = true;
    }
    return frei > 0 && (!as || eigenesAs);
}

hand handVon(int seat) {
    hand h{};
    if (fragen.handVon) fragen.handVon(seat, h);
    if (h.anz < 0 || h.anz > kHandMax) h.anz = 0;
    return h;
}

bool sieHand(const hand& h) {
    int ober = 0, unter = 0;
    for (int i = 1; i <= h.anz; ++i) {
        if (h.at(i).t == 5) ++ober;
        if (h.at(i).t == 4) ++unter;
    }
    return ober == 4 && unter == 4;
}

void jassFilter(Knoepfe& k, const JassLage& j) {
    const std::pair<int, bool> regeln[] = {{15, j.obenabe}, {16, j.undenufe}, {17, j.slalom}};
    for (const auto& [code, erlaubt] : regeln)
        if (!erlaubt)
            for (int i = k.finden(code); i != 0; i = k.finden(code)) k.entfernen(i);
}

void schafkopfWahl(Ergebnis& e, int seat) {
    const SchafkopfLage s = frage(fragen.schafkopf, seat);
    if (s.wahlen == 1)
        e.knoepfe = Knoepfe::fuellen({{"!Passen", 43},
                                      {"!Sie", 1},
                                      {"!Farbsolo", 2},
                                      {"!Wenz", 3},
                                      {"!Geier", 4},
                                      {"!Farbwenz", 5},
                                      {"!Farbgeier", 6},
                                      {"!Bettel", 7}});
    else
        e.knoepfe = Knoepfe::fuellen({{"!Sie", 1},
                                      {"!Farbsolo", 2},
                                      {"!Wenz", 3},
                                      {"!Geier", 4},
                                      {"!Farbwenz", 5},
                                      {"!Farbgeier", 6},
                                      {"!Bettel", 7},
                                      {"!Rufspiel", 8}});
    Knoepfe& k = e.knoepfe;
    const hand h = handVon(seat);
    auto weg = [&k](int code) {
        if (int i = k.finden(code)) k.entfernen(i);
    };
    if (!s.farbgeier) weg(6);
    if (!s.farbwenz) weg(5);
    if (!s.bettel) weg(7);
    if (!s.sie || !sieHand(h)) weg(1);
    // A Rufspiel needs a suit to call: without one the suit question would have no answer.
    bool rufFarbe = false;
    for (int f = 1; f <= 4; ++f) rufFarbe = rufFarbe || rufbar(h, f, s.eigenesAs);
    if (!rufFarbe) weg(8);
    if (s.stufe >= 2 && s.spielWert) {
        // Only games above the highest named may be named; one that is above it only as Tout
        // is offered as Tout. The scanned button itself goes, not the last one.
        for (int i = k.anzahl; i > 1; --i) {
            const int typ = k.code[i];
            if (s.spielWert(typ, 0, false) > s.hoechsterWert) continue;
            if (s.tout && s.spielWert(typ, 0, true) > s.hoechsterWert)
                k.text[i] = kuerzen(k.text[i] + "-Tout");
            else
                k.entfernen(i);
        }
    }
}

void schafkopfFarbe(Ergebnis& e, int seat) {
    e.knoepfe = Knoepfe::fuellen(
        {{"!" + farbe(1), 1}, {"!" + farbe(2), 2}, {"!" + farbe(3), 3}, {"!" + farbe(4), 4}});
    const SchafkopfLage s = frage(fragen.schafkopf, seat);
    if (s.eigenerTyp != 8) return;
    const hand h = handVon(seat);
    for (int f = 4; f >= 1; --f)
        if (!rufbar(h, f, s.eigenesAs))
            if (int i = e.knoepfe.finden(f)) e.knoepfe.entfernen(i);
}

void canastaMelden(Ergebnis& e, int seat) {
    const CanastaLage c = frage(fragen.canasta, seat);
    const bool mussLegen = c.mussLegen.t != 0;
    const bool ohneFertig =
        (c.kartenAnzahl == 1 && !c.hatCanasta) || mussLegen || (c.mitPunktenBegonnen && c.punkte < c.minimum);
    e.knoepfe = Knoepfe::fuellen({{"!Melden", 82}, {"!Neu beginnen", 83}, {"!Fertig", 37}});
    if (ohneFertig) e.knoepfe.entfernen(e.knoepfe.finden(37));
    std::string zeile;
    if (!c.herausgekommen) zeile = zahl(c.punkte) + " von " + zahl(c.minimum) + " Mindestpunktzahl";
    if (mussLegen) {
        if (!zeile.empty()) zeile += " - ";
        zeile += "Bitte " + c.mussLegenName + " legen";
    }
    e.knoepfe.text[0] = kuerzen("!" + zeile);
}

void schnapsenVorAusspiel(Ergebnis& e, int seat) {
    const SchnapsenLage s = frage(fragen.schnapsen, seat);
    e.gespeicherteArt = 103;
    if (!s.talonOffen || !s.fuehrt) return;
    if (s.tauschMoeglich && s.tauschRegel) {
        e.mitKnoepfen = true;
        if (s.sperrRegel) {
            e.knoepfe = Knoepfe::fuellen({{"! Talon sperren", 104}, {"! Trumpf tauschen", 105}});
            e.gespeicherteArt = 108;
        } else {
            e.knoepfe = Knoepfe::fuellen({{"! Trumpf tauschen", 105}});
            e.gespeicherteArt = 106;
        }
    } else if (s.sperrRegel) {
        e.mitKnoepfen = true;
        e.knoepfe = Knoepfe::fuellen({{"! Talon sperren", 104}});
        e.gespeicherteArt = 107;
    }
}

void jassWeis(Ergebnis& e, int seat, bool mitSchluss) {
    const JassLage j = frage(fragen.jass, seat);
    const int n = j.weisAnzahl < 0 ? 0 : (j.weisAnzahl > kMaxKnoepfe ? kMaxKnoepfe : j.weisAnzahl);
    if (n == 0) {
        e.gespeicherteArt = 115;
        return;
    }
    // The closing "Kein Weis mehr" always keeps its place as the last of the eight buttons.
    const int platz = mitSchluss ? kMaxKnoepfe - 1 : kMaxKnoepfe;
    Knoepfe k;
    for (int i = 0; i < n && i < platz; ++i) {
        k.text[k.anzahl + 1] = kuerzen(j.weisText[i]);
        k.code[k.anzahl + 1] = static_cast<int16_t>(j.weisCode[i]);
        ++k.anzahl;
    }
    if (mitSchluss) {
        k.text[k.anzahl + 1] = w("!Kein Weis mehr");
        k.code[k.anzahl + 1] = 0;
        ++k.anzahl;
    }
    jassFilter(k, j);
    e.knoepfe = k;
    e.mitKnoepfen = true;
}

}  // namespace

Knoepfe Knoepfe::fuellen(std::initializer_list<std::pair<std::string, int>> liste) {
    Knoepfe k;
    int i = 0;
    for (const auto& [t, c] : liste) {
        if (++i > kMaxKnoepfe) break;
        k.text[i] = kuerzen(t);
        k.code[i] = static_cast<int16_t>(c);
    }
    k.anzahl = kMaxKnoepfe;
    for (int j = kMaxKnoepfe; j >= 2; --j)
        if (k.text[j].empty()) k.anzahl = j - 1;
    return k;
}

void Knoepfe::entfernen(int i) {
    if (i < 1 || i > anzahl) return;
    --anzahl;
    for (int j = i; j <= anzahl; ++j) {
        text[j] = text[j + 1];
        code[j] = code[j + 1];
    }
    text[anzahl + 1].clear();
    code[anzahl + 1] = 0;
}

int Knoepfe::finden(int c) const {
    for (int i = 1; i <= anzahl; ++i)
        if (code[i] == c) return i;
    return 0;
}

Ergebnis bauen(int art, int seat, int spielId) {
    Ergebnis e;
    e.gespeicherteArt = art;
    e.hatZeile = true;
    auto zeile = [&e](int piles, int cards, std::initializer_list<std::pair<std::string, int>> knoepfe) {
        e.stapelKlicks = static_cast<uint8_t>(piles);
        e.kartenSpiel = static_cast<uint8_t>(cards);
        if (knoepfe.size() > 0) {
            e.knoepfe = Knoepfe::fuellen(knoepfe);
            e.mitKnoepfen = true;
        }
    };
    const std::string f1 = farbe(1), f2 = farbe(2), f3 = farbe(3), f4 = farbe(4);
    switch (art) {
        case 31: {
            MauMauLage m = frage(fragen.maumau);
            if (m.ziehenSummieren || m.ziehAnzahl == 0) ++m.ziehAnzahl;
            if (fragen.maumauSetzen) fragen.maumauSetzen(m.ziehAnzahl, 31);
            zeile(0, 1, {{"!" + zahl(2 * int64_t{m.ziehAnzahl}) + " Ziehen", 31}});
            break;
        }
        case 32: {
            zeile(0, 1, {{"!Aussetzen", 32}});
            MauMauLage m = frage(fragen.maumau);
            if (m.mehrereAussetzen || m.ziehAnzahl == 0) ++m.ziehAnzahl;
            if (fragen.maumauSetzen) fragen.maumauSetzen(m.ziehAnzahl, 32);
            break;
        }
        case 33:
            zeile(0, 0, {{"! " + f1, 1}, {"! " + f2, 2}, {"! " + f3, 3}, {"! " + f4, 4}});
            break;
        case 35:
            zeile(0, 1, {{"!Weiter", 37}});
            e.stapelAusKopie = true;
            e.gespeicherteArt = 37;
            break;
        case 37:
            zeile(0, 1, {{"!Weiter", 37}});
            break;
        case 44:
            zeile(0, 0, {{"! Kontra", 1}, {"! Kein Kontra", -1}});
            break;
        case 47:
            zeile(0, 1, {});
            // The hint topic fits the question: leading (+100) or following, and in Doppelkopf
            // with the announcement button (+200) or after its deadline.
            if (spielId == 5 && fragen.doppelkopf) {
                const DoppelkopfLage d = fragen.doppelkopf(seat);
                if (d.ansageErlaubt) zeile(0, 1, {{"!" + d.ansageText, 0}});
                e.gespeicherteArt = 47 + (d.fuehrt ? 100 : 0) + (d.ansageErlaubt ? 200 : 0);
            }
            if (spielId == 6 && frage(fragen.schafkopf, seat).fuehrt) e.gespeicherteArt = 147;
            break;
        case 48: {
            const int wert = frage(fragen.skatReizwert);
            zeile(0, 0, {{"! " + zahl(wert) + " reizen", 41}, {"! Passen", 43}});
            break;
        }
        case 49: {
            const int wert = frage(fragen.skatGebot);
            zeile(0, 0, {{"! " + zahl(wert) + " halten", 42}, {"! Passen", 43}});
            break;
        }
        case 50:
            zeile(0, 0, {{"! Skat nehmen", 51}, {"! Handspiel", 45}});
            break;
        case 53:
            zeile(1, 0, {{"! Fertig", 53}});
            break;
        case 54:
            zeile(1, 1, {});
            break;
        case 55:
            zeile(0, 0,
                  {{"!Kein Spiel", 14},
                   {"! " + f1, 1},
                   {"! " + f2, 2},
                   {"! " + f3, 3},
                   {"! " + f4, 4},
                   {"! Grand", 11},
                   {"! Null", 10}});
            break;
        case 56:
            zeile(0, 0, {{"!Nichts", 1}, {"! Schneider", 2}, {"! Schwarz", 3}, {"! Ouvert", 4}});
            break;
        case 57:
            zeile(0, 0, {{"! Null", 1}, {"! Null Ouvert", 4}});
            break;
        case 58:
            zeile(0, 1, {});
            break;
        case 59:
            zeile(0, 0, {{"!Spitze ansagen", 61}, {"! Keine Spitze", 62}});
            break;
        case 60:
            zeile(0, 0, {{"!Skat ohne Rum", 51}, {"! Skat mit Rum", 46}, {"! Handspiel", 45}});
            break;
        case 63:
            zeile(0, 0, {{"! Re", 2}, {"! Kein Re", -1}});
            break;
        case 64:
            zeile(0, 0, {{"! Sup", 3}, {"! Kein Sup", -1}});
            break;
        case 65:
            zeile(0, 0, {{"! Hirsch", 4}, {"! Kein Hirsch", -1}});
            break;
        case 66:
            if (spielId == 1)
                zeile(0, 0, {{"!Gesund", 66}, {"!Grand Hand", 84}});
            else
                zeile(0, 0, {{"!Gesund", 66}, {"!Vorbehalt", 84}});
            break;
        case 67:
            zeile(0, 0, {{"! Skat nehmen", 51}, {"! Schieben", 45}});
            break;
        case 68:
            zeile(0, 0, {{"!Jungfrau sagen", 68}, {"!Nichts sagen", 0}});
            break;
        case 69:
            zeile(0, 0, {{"!Neue Karten", 69}, {"!Behalten", 0}});
            break;
        case 70:
            zeile(0, 1, {{"!Schieben", 72}, {"!Klopfen", 71}});
            break;
        case 75:
            zeile(1, 0, {});
            e.stapel1 = 12;
            break;
        case 76:
            zeile(0, 1, {{"!Schieben", 72}, {"!Klopfen", 71}, {"!Alle tauschen", 77}});
            e.gespeicherteArt = 70;
            break;
        case 78:
            zeile(1, 0, {});
            e.stapel1 = 11;
            e.stapel2 = 13;
            break;
        case 79:
            zeile(1, 1, {{"!Auslegen", 79}, {"!Fertig", 0}});
            e.stapel1 = 12;
            e.mehrfach = 1;
            break;
        case 80:
            zeile(0, 1, {});
            break;
        case 81: {
            zeile(1, 0, {});
            const CanastaLage c = frage(fragen.canasta, seat);
            e.stapel1 = 11;
            e.stapel2 = c.ablageNehmbar ? 13 : 0;
            break;
        }
        case 82:
            zeile(1, 1, {});
            e.mitKnoepfen = true;
            canastaMelden(e, seat);
            e.stapel1 = 12;
            e.mehrfach = 1;
            break;
        case 84: {
            const DoppelkopfLage d = frage(fragen.doppelkopf, seat);
            if (d.kreuzDamen)
                zeile(0, 0, {{"!Solo", 86}, {"!Hochzeit", 87}});
            else
                zeile(0, 0, {{"!Solo", 86}});
            break;
        }
        case 88: {
            const DoppelkopfLage d = frage(fragen.doppelkopf, seat);
            zeile(0, 0,
                  {{"!" + d.soloWort8Kurz, 8},
                   {"!" + d.soloWort6, 6},
                   {"!" + d.soloWort5, 5},
                   {"!" + f1, 1},
                   {"!" + f2, 2},
                   {"!" + f3, 3},
                   {"!" + f4, 4},
                   {"!Fleischlos", 7}});
            if (!d.bubenDamenSolo) e.knoepfe.entfernen(e.knoepfe.finden(8));
            break;
        }
        case 89: {
            const DoppelkopfLage d = frage(fragen.doppelkopf, seat);
            zeile(0, 0, {{"!" + d.ansageText, 89}, {"!Keine Ansage", 0}});
            break;
        }
        case 91:
            zeile(0, 0, {});
            e.mitKnoepfen = true;
            schafkopfFarbe(e, seat);
            break;
        case 92:
            zeile(0, 0, {});
            e.mitKnoepfen = true;
            schafkopfWahl(e, seat);
            break;
        case 93: {
            const SchafkopfLage s = frage(fragen.schafkopf, seat);
            zeile(0, 0, {{s.stufe == 0 ? "!Spielen" : "!Auch spielen", 93}, {"!Weiter", 37}});
            if (s.stufe >= 2)
                e.knoepfe.text[0] = kuerzen(s.hoechsterSpieler + ": " + s.hoechstesSpiel + " will spielen");
            else if (s.stufe == 1)
                e.knoepfe.text[0] = kuerzen(s.ersterSpieler + " will spielen");
            break;
        }
        case 94:
            zeile(0, 0, {{"!Tout", 94}, {"!Normal", 95}});
            break;
        case 97:
            zeile(0, 0, {{"!Spiel ansagen", 96}, {"!Passen", 43}});
            break;
        case 98: {
            const PokerLage p = frage(fragen.poker, seat);
            std::pair<std::string, int> zweiter =
                p.nichtsZuZahlen ? std::pair<std::string, int>{"!" + p.label[2], 42}
                                 : std::pair<std::string, int>{"!" + p.label[2] + " " + p.zuZahlen, 99};
            zeile(0, 0,
                  {{"!" + p.label[3], 43},
                   zweiter,
                   {"!" + p.label[0] + " " + p.erhoehung, 100},
                   {"!" + p.label[4], 101}});
            break;
        }
        case 102: {
            const PokerLage p = frage(fragen.poker, seat);
            zeile(0, 0, {{"!Weiter", 37}});
            e.knoepfe.text[0] = kuerzen(p.potGewinner);
            break;
        }
        case 103:
            zeile(0, 1, {});
            schnapsenVorAusspiel(e, seat);
            break;
        case 106: {
            const std::string geld = fragen.blackjackEinsatz ? fragen.blackjackEinsatz() : std::string("0");
            zeile(0, 0, {{"!" + geld + " setzen", 0}});
            break;
        }
        case 107:
            if (fragen.blackjackVerdoppeln && fragen.blackjackVerdoppeln()) {
                zeile(0, 0, {{"!Verdoppeln", 109}, {"!Karte ziehen", 75}, {"!Keine Karte", 37}});
                e.gespeicherteArt = 109;
            } else {
                zeile(0, 0, {{"!Karte ziehen", 75}, {"!Keine Karte", 37}});
            }
            break;
        case 110:
        case 111: {
            const JassLage j = frage(fragen.jass, seat);
            zeile(0, 0,
                  {{"! " + f1, 1},
                   {"! " + f2, 2},
                   {"! " + f3, 3},
                   {"! " + f4, 4},
                   {"! Obenabe", 15},
                   {"! Undenufe", 16},
                   {"! Slalom", 17},
                   {"! Schieben", 72}});
            if (art == 111) e.knoepfe.entfernen(e.knoepfe.finden(72));
            jassFilter(e.knoepfe, j);
            e.gespeicherteArt = 110;
            break;
        }
        case 112:
            zeile(0, 0, {{"!Slalom Obenabe", 18}, {"!Slalom Undenufe", 19}});
            break;
        case 113:
        case 114:
            zeile(0, 1, {});
            jassWeis(e, seat, art == 114);
            break;
        default:
            e = Ergebnis{};
            e.hatZeile = false;
            break;
    }
    // A filter may leave no button at all; then the question has no row of buttons to show.
    if (e.mitKnoepfen && e.knoepfe.anzahl < 1) e.mitKnoepfen = false;
    return e;
}

void anwenden(TCG& cg, const Ergebnis& e) {
    TEntscheidung& st = cg.entscheidung;
    st.stapelKlick = 1;
    st.kartenSpiel = 1;
    st.mitKnoepfen = 0;
    st.klickStapel1 = 11;
    st.klickStapel2 = 0;
    st.mehrfachWahl = 0;
    if (!e.hatZeile) return;
    st.stapelKlick = e.stapelAusKopie ? cg.entscheidungKopie.stapelKlick : e.stapelKlicks;
    st.kartenSpiel = e.kartenSpiel;
    st.klickStapel1 = e.stapel1;
    st.klickStapel2 = e.stapel2;
    st.mehrfachWahl = e.mehrfach;
    if (e.mitKnoepfen || e.knoepfe.anzahl > 0 || !e.knoepfe.text[0].empty()) {
        st.knopfAnzahl = e.knoepfe.anzahl;
        for (int k = 0; k <= kMaxKnoepfe; ++k) st.texte[k] = e.knoepfe.text[k];
        for (int k = 1; k <= kMaxKnoepfe; ++k) st.setzeCode(k, e.knoepfe.code[k]);
        st.mitKnoepfen = e.mitKnoepfen && e.knoepfe.anzahl >= 1 ? 1 : 0;
    }
    st.art = e.gespeicherteArt;
}

}  // namespace entscheidung
