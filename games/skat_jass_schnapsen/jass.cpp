// The Jass phase machine: one step per frame while nothing is pending. Every choice, the human's
// click and the computer seat's alike, arrives as the stored action of central::antwort and is
// checked against the rules before it counts.
#include "games/skat_jass_schnapsen/jass.h"

#include <algorithm>

#include "core/blockpruefung.h"
#include "core/central.h"
#include "core/entscheidung.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/panel.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/tischhooks.h"

namespace jass {

namespace {

enum Phase : uint8_t { kStart = 0, kGeben = 1, kSpiel = 4, kEnde = 5, kTrumpfWahl = 7 };

// Sub-states of cg.antwort.warten.
enum Zustand : uint8_t { kBeantwortet = 3, kFragen = 4, kEingesammelt = 5, kStichVoll = 6, kImFlug = 8 };

constexpr uint8_t kNichts = 7;      // stored-action kind: nothing stored
constexpr int kWeisVergleich = 77;  // phase mode while the Weis are compared and shown
constexpr int kRundeVorbei = 99;    // sub-step: the round ends

TGameResult g_ergebnis;

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }
int anz(int stack) { return st(stack).anz; }

void sagen(const std::string& utf8, int seat) { gtool::sagen(text::w(utf8), seat, 0, false); }

void fragen(TCG& g, int art) {
    g.antwort.art = kNichts;
    g.phase.fluss3 = art;
    central::entscheidungAbfragen(g, art);
}

struct Aktion {
    int art = kNichts;
    int wert = 0;
    int frage = 0;
};
Aktion nehmen(TCG& g) {
    Aktion a;
    a.art = g.antwort.art;
    a.wert = g.antwort.wert2;
    a.frage = g.phase.fluss3;
    g.antwort.art = kNichts;
    return a;
}

int trumpfFarbe() { return cg.jass.trumpf >= 1 && cg.jass.trumpf <= 4 ? cg.jass.trumpf : 0; }

Ordnung aktuelleOrdnung() { return stichOrdnung(cg.jass.trumpf, cg.jass.stichZahl); }

void ordnungSchreiben(const Ordnung& o, bool zweite) {
    for (int f = 0; f < 4; ++f)
        for (int t = 0; t < 14; ++t) (zweite ? ::Kartenwerte0 : ::Kartenwerte)[f][t] = o.w[f][t];
}

// The human's hand sorted strongest first in the order o.
void menschSortieren(const Ordnung& o) {
    TSpieler& s = st(1);
    glu::stapelZuHand(s);
    std::stable_sort(s.hand.k, s.hand.k + std::clamp<int>(s.hand.anz, 0, kHandMax),
                     [&](const karte& a, const karte& b) { return o.wert(a) > o.wert(b); });
    glu::handZuStapel(s);
}

Ordnung ordnungFuer(int code) {
    const bool unten = code == kUndenufe || code == kSlalomUndenufe;
    return ordnung(unten, code >= 1 && code <= 4 ? code : 0);
}

// The playable cards of the seat on turn into cg.jass.spielbareKarten.
void spielbareBerechnen() {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 4) return;
    cg.jass.handAmZug = stapelHand(seat);
    legaleKarten(cg.jass.handAmZug, cg.jass.stich, cg.jass.trumpf, aktuelleOrdnung(),
                 cg.jass.spielbareKarten);
}

// ---------------------------------------------------------------------------------------------
// Deal

void nachDemGeben(TCG& g) {
    g.phase.nr = kTrumpfWahl;
    g.phase.schritt = 0;
    g.antwort.warten = kFragen;
    g.aktSpieler = sitzZurueck(g.aktSpieler, 1);
    g.jass.vorhand = g.aktSpieler;
    menschSortieren(ordnung(false, 0));
}

void geben(TCG& g) {
    if (envParam.austeilen == 1) {
        if (g.phase.schritt == 0) {
            g.phase.schritt = 12;
            const int m = anz(11);
            int seat = g.aktSpieler;
            for (int i = 0; i < 4; ++i) {
                seat = envParam.spielrichtung == 2 ? sitzZurueck(seat, 1) : sitzVor(seat, 1);
                glu::dealcards(seat, 9, 9 * i, 0, 11, 0.25f * static_cast<float>(i));
            }
            central::bewegungAbwarten(cg, 11, m + 1 - 36);
            return;
        }
        nachDemGeben(g);
        return;
    }
    if (g.phase.schritt >= 12) {
        nachDemGeben(g);
        return;
    }
    g.aktSpieler = envParam.spielrichtung == 2 ? sitzZurueck(g.aktSpieler, 1) : sitzVor(g.aktSpieler, 1);
    ++g.phase.schritt;
    const int m = anz(11);
    if (m < 3) return;
    glu::dealcards(g.aktSpieler, 3, 0, 0, 11, 0);
    central::bewegungAbwarten(cg, 11, m + 1 - 3);
}

// ---------------------------------------------------------------------------------------------
// Trump choice

bool trumpfErlaubt(int code) {
    if (code >= 1 && code <= 4) return true;
    if (code == kObenabe) return cg.jass.obenabe != 0;
    if (code == kUndenufe) return cg.jass.undenufe != 0;
    return (code == kSlalomObenabe || code == kSlalomUndenufe) && cg.jass.slalom != 0;
}

void trumpfWahl(TCG& g) {
    if (g.antwort.warten == kFragen) {
        if (g.phase.schritt == 0) {
            for (int s = 1; s <= 4; ++s) g.jass.handKopien.at(s) = stapelHand(s);
            fragen(g, 110);
        } else {
            fragen(g, 111);
        }
        return;
    }
    const Aktion a = nehmen(g);
    const int seat = g.aktSpieler;
    if (a.art != central::kKnopf) {
        g.antwort.warten = kFragen;
        return;
    }
    if (a.wert == kSlalom && g.jass.slalom) {
        fragen(g, 112);
        return;
    }
    if (a.wert == kSchieben && g.phase.schritt == 0) {
        // The partner chooses; it cannot push back, and the Vorhand still leads.
        sagen("Schiebt", seat);
        g.aktSpieler = partner(seat);
        g.phase.schritt = 1;
        g.antwort.warten = kFragen;
        return;
    }
    if (!trumpfErlaubt(a.wert)) {
        g.antwort.warten = kFragen;
        return;
    }
    gtool::sagen(spieltypName(a.wert), seat, 0, false);
    trumpfSetzen(a.wert);
    g.phase.nr = kSpiel;
    g.phase.schritt = 1;
    g.phase.fluss1 = 0;
    g.antwort.warten = kFragen;
    g.jass.stichPosition = 1;
    g.jass.stich = hand{};
    g.aktSpieler = g.jass.vorhand;
}

// ---------------------------------------------------------------------------------------------
// Weis: announcing in the first trick, comparing after its fourth card, showing

void ansagen(TCG& g, int seat, int wert) {
    TJass& j = g.jass;
    j.angesagterWeis.at(seat) = wert;
    if (wert > j.hoechsterWeis)
        j.weisGleichAnzahl = 1;
    else if (wert == j.hoechsterWeis)
        j.weisGleichAnzahl += 1;
    j.hoechsterWeis = std::max(j.hoechsterWeis, wert);
    sagen(std::to_string(wert), seat);
    weisSuchen(j.handKopien.at(seat), wert, j.trumpf, j.weisHand.at(seat));
}

bool angeboten(int wert) {
    for (int i = 0; i < cg.jass.weisAnzahl && i < 8; ++i)
        if (cg.jass.weisEintraege[i].wert == wert) return true;
    return false;
}

// The announcement order of a seat: the Vorhand is 1, each later seat holding a Weis one more.
int ansagePosition(int seat) {
    int pos = 1;
    int s = cg.jass.vorhand;
    for (int i = 0; i < 4 && s != seat; ++i) {
        s = sitzZurueck(s, 1);
        if (cg.jass.weisHand.at(s).anz > 0) ++pos;
    }
    return pos;
}

std::string vergleichText(int seat, int art) {
    const hand& w = cg.jass.weisHand.at(seat);
    const bool vierling = w.anz == 4 && w.at(1).t == w.at(4).t && w.at(1).t == w.at(2).t;
    std::string name = vierling ? weisZeigeText(w) : weisName(w.anz);
    std::string wert;
    switch (art) {
        case 1:
            return name;
        case 2:
        case 3: {
            const bool unten = cg.jass.trumpf == kUndenufe || cg.jass.trumpf == kSlalomUndenufe;
            const karte k = hoechsteKarte(w, ordnung(art == 2 && unten, 0));
            gtool::wertName(k.t, wert);
            return name + " mit " + text::toUtf8(wert);
        }
        case 4:
            return "Als " + std::to_string(ansagePosition(seat)) + ". angesagt";
        default:
            return name;
    }
}

void weisVergleichen(TCG& g) {
    TJass& j = g.jass;
    if (j.weisSchritt == 0) {
        // Only the seats at the highest value take part: a lower announcement must never win the
        // comparison of a later kind.
        for (int s = 1; s <= 4; ++s)
            if (j.angesagterWeis.at(s) != j.hoechsterWeis) {
                j.angesagterWeis.at(s) = 0;
                j.weisVergleich.at(s) = 0;
            }
    }
    if (j.weisGleichAnzahl <= 1) {
        for (int s = 1; s <= 4 && j.weisSieger == 0; ++s)
            if (j.angesagterWeis.at(s) == j.hoechsterWeis && j.hoechsterWeis > 0) j.weisSieger = s;
        if (j.weisSieger == 0) {
            j.weisSchritt = 99;  // nothing announced after all: on with the trick
            return;
        }
        g.aktSpieler = j.weisSieger;
        j.weisSchritt = 10;
        return;
    }
    const int art = j.weisSchritt + 1;
    int groesster = -1;
    int s = j.vorhand;
    for (int i = 0; i < 4; ++i, s = sitzZurueck(s, 1)) {
        if (j.angesagterWeis.at(s) == 0) continue;
        const int v =
            art == 5 ? rnd::random(100) : weisSchluessel(j.weisHand.at(s), art, j.trumpf, ansagePosition(s));
        j.weisVergleich.at(s) = v;
        groesster = std::max(groesster, v);
        sagen(vergleichText(s, art), s);
    }
    for (int x = 1; x <= 4; ++x)
        if (j.angesagterWeis.at(x) != 0 && j.weisVergleich.at(x) < groesster) {
            j.angesagterWeis.at(x) = 0;
            j.weisVergleich.at(x) = 0;
            j.weisGleichAnzahl -= 1;
        }
    if (j.weisGleichAnzahl >= 2 && art < 6) {
        j.weisSchritt += 1;
        return;
    }
    int letzter = 0;
    for (int x = 1; x <= 4; ++x)
        if (j.angesagterWeis.at(x) != 0) letzter = x;
    j.weisGleichAnzahl = 1;
    j.weisSieger = letzter;
    g.aktSpieler = letzter;
    sagen("Hat Vorrang", letzter);
    j.weisSchritt = 10;
}

void weisPhase(TCG& g) {
    TJass& j = g.jass;
    const int seat = g.aktSpieler;
    if (j.weisSchritt < 10) {
        weisVergleichen(g);
        return;
    }
    switch (j.weisSchritt) {
        case 10: {
            sagen(weisZeigeText(j.weisHand.at(seat)), seat);
            hand& kopie = j.handKopien.at(seat);
            const hand& w = j.weisHand.at(seat);
            hand rest{};
            for (int i = 1; i <= kopie.anz; ++i)
                if (!enthalten(w, kopie.at(i))) rest.at(++rest.anz) = kopie.at(i);
            kopie = rest;
            j.weisSchritt = 20;
            return;
        }
        case 20:
            sagen("+" + std::to_string(j.angesagterWeis.at(seat)) + " Punkte", seat);
            j.weisOffen.at(seat) += j.angesagterWeis.at(seat);
            j.weisSchritt = 30;
            return;
        case 30:
            j.hoechsterWeis = 0;
            weisAngebot();
            if (j.weisAnzahl == 0) {
                j.weisSchritt = 98;
                return;
            }
            j.weisSchritt = 31;
            fragen(g, 114);
            return;
        case 31: {
            const Aktion a = nehmen(g);
            if (a.art == central::kKnopf && a.wert == 0) {
                j.weisSchritt = 98;
            } else if (a.art == central::kKnopf && angeboten(a.wert)) {
                j.angesagterWeis.at(seat) = a.wert;
                weisSuchen(j.handKopien.at(seat), a.wert, j.trumpf, j.weisHand.at(seat));
                j.weisSchritt = 10;
            } else {
                j.weisSchritt = 30;
            }
            return;
        }
        case 98:
            if (seat == j.weisSieger) {
                g.aktSpieler = partner(seat);
                j.weisSchritt = 30;
            } else {
                j.weisSchritt = 99;
            }
            return;
        default:
            j.weisGleichAnzahl = 0;
            j.weisAnzahl = 0;
            g.phase.fluss1 = 0;
            g.antwort.warten = kStichVoll;  // on with the end of the first trick
            return;
    }
}

// ---------------------------------------------------------------------------------------------
// Tricks

void karteSpielen(TCG& g, int seat, int slot) {
    TJass& j = g.jass;
    const karte k = st(seat).at(slot).c;
    j.gespielteKarte = k;
    stoeckPruefen(seat, k);
    ordnungSchreiben(stichOrdnung(j.trumpf, j.stichZahl + 1), true);
    j.kartenHoehe = 0.5f * static_cast<float>(j.stichPosition);
    const int neu = glu::playcard(seat, slot, 12, 0);
    if (neu >= 1) central::bewegungAbwarten(cg, seat, neu);
    g.phase.schritt = 3;
    g.antwort.warten = kImFlug;
    karte mitSitz = k;
    mitSitz.nr = static_cast<uint16_t>(seat);
    if (j.stich.anz < kHandMax) j.stich.at(++j.stich.anz) = mitSitz;
}

void stichEnde(TCG& g) {
    TJass& j = g.jass;
    const int gewinner = std::clamp<int>(stichBeste(j.stich, j.trumpf, aktuelleOrdnung()).nr, 1, 4);
    j.stichGewinner = gewinner;
    g.aktSpieler = gewinner;
    if (stichEndeBuchen())
        g.phase.schritt = kRundeVorbei;
    else
        g.antwort.warten = kEingesammelt;
}

void rundeBeenden(TCG& g) {
    g_ergebnis = rundenErgebnis();
    g.antwort.art = kNichts;
    // The table may start the next round itself (the developer's unattended run): the end phase
    // is set before, never over the new round's start.
    g.phase.nr = kEnde;
    spielliste::punkteTabelle(g, g_ergebnis, false);
}

void spielen(TCG& g) {
    TJass& j = g.jass;
    if (g.phase.fluss1 == kWeisVergleich) {
        weisPhase(g);
        return;
    }
    if (g.phase.schritt == kRundeVorbei) {
        rundeBeenden(g);
        return;
    }
    const int seat = g.aktSpieler;
    switch (g.antwort.warten) {
        case kFragen:
            slalomReihenfolge(false);
            spielbareBerechnen();
            if (j.stichZahl == 0) {
                weisAngebot();
                fragen(g, 113);
            } else {
                fragen(g, 47);
            }
            g.phase.schritt = 2;
            return;
        case kBeantwortet: {
            const Aktion a = nehmen(g);
            if (a.art == central::kKnopf && (a.frage == 113 || a.frage == 115) && j.stichZahl == 0 &&
                angeboten(a.wert) && a.wert > 0) {
                ansagen(g, seat, a.wert);
                fragen(g, 47);
                return;
            }
            const int slot = a.art == central::kKarte ? a.wert : 0;
            if (slot >= 1 && slot <= anz(seat) && enthalten(j.spielbareKarten, st(seat).at(slot).c)) {
                karteSpielen(g, seat, slot);
                return;
            }
            // Not a card of this trick: the seat is asked again (and a Weis already announced stays).
            g.antwort.warten = kFragen;
            if (j.angesagterWeis.at(seat) != 0) {
                spielbareBerechnen();
                fragen(g, 47);
            }
            return;
        }
        case kImFlug:
            if (j.stichPosition >= 4) {
                panel::text(seat, "");  // the trick is full: the last seat's words go
                g.antwort.warten = kStichVoll;
                return;
            }
            g.aktSpieler = sitzZurueck(seat, 1);
            j.stichPosition += 1;
            g.antwort.warten = kFragen;
            g.phase.schritt = 1;
            return;
        case kStichVoll:
            if (j.weisGleichAnzahl > 0 && j.stichZahl == 0) {
                j.weisSchritt = 0;
                g.phase.schritt = 0;
                g.phase.fluss1 = kWeisVergleich;
                return;
            }
            stichEnde(g);
            return;
        case kEingesammelt:
        default: {
            if (anz(12) > 0) {
                const int slot = anz(12);
                if (glu::movecardrecord(12, slot, j.stichGewinner + 6, anz(j.stichGewinner + 6) + 1, 1, 2, 14,
                                        0, 0))
                    cg.bewegungWarten.aktiv = 1;
                return;
            }
            j.stichZahl += 1;
            j.stich = hand{};
            j.stichPosition = 1;
            g.antwort.warten = kFragen;
            g.phase.schritt = 1;
            if (anz(1) == 0 && anz(2) == 0 && anz(3) == 0 && anz(4) == 0) {
                // The ninth trick: its 5 points come without a further goal test.
                j.letzterStich = j.stichGewinner;
                j.letzterStichBonus.at(j.stichGewinner) += 5;
                g.phase.schritt = kRundeVorbei;
            }
            return;
        }
    }
}

}  // namespace

// ---------------------------------------------------------------------------------------------

hand stapelHand(int stack) {
    hand h{};
    const TSpieler& s = st(stack);
    for (int i = 1; i <= s.anz && i <= kHandMax; ++i)
        if (s.at(i).c.t != 0) h.at(++h.anz) = s.at(i).c;
    return h;
}

void stoeckPruefen(int seat, const karte& k) {
    if (!cg.jass.mitStoecken || (k.t != kDame && k.t != kKoenig) || k.f < 1 || k.f > 4) return;
    const karte anderer{static_cast<uint8_t>(k.t == kDame ? kKoenig : kDame), k.f, 0};
    int32_t& status = cg.jass.stoeckStatus[seat - 1][k.f - 1];
    if (enthalten(stapelHand(seat), anderer)) {
        status = 1;
    } else if (status == 1) {
        cg.jass.stoeckOffen.at(seat) = 20;
        status = 2;
        sagen("Stöck", seat);
    }
}

std::string stapelPunkteText(int stack) {
    if (stack < 1 || stack > 20) return "";
    return text::fromInt(handPunkte(stapelHand(stack), cg.jass.trumpf));
}

int sitzZurueck(int seat, int n) {
    int s = seat == -1 ? cg.aktSpieler : seat;
    for (int i = 0; i < n; ++i) s = s <= 1 ? 4 : s - 1;
    return std::clamp(s, 1, 4);
}

int sitzVor(int seat, int n) {
    int s = seat == -1 ? cg.aktSpieler : seat;
    for (int i = 0; i < n; ++i) s = s >= 4 ? 1 : s + 1;
    return std::clamp(s, 1, 4);
}

int partner(int seat) { return sitzVor(seat, 2); }
int team(int seat) { return seat == 1 || seat == 3 ? 1 : 2; }

void kartenwerteSetzen(bool undenufe, bool zweiteTabelle, bool ohneTrumpf) {
    ordnungSchreiben(ordnung(undenufe, ohneTrumpf ? 0 : trumpfFarbe()), zweiteTabelle);
}

void slalomReihenfolge(bool zweiteTabelle) { ordnungSchreiben(aktuelleOrdnung(), zweiteTabelle); }

void trumpfSetzen(int code) {
    cg.jass.trumpf = code == kSlalom ? kSlalomObenabe : code;
    ordnungSchreiben(ordnungFuer(cg.jass.trumpf), false);
    menschSortieren(ordnungFuer(cg.jass.trumpf));
}

void vorschau(int code) {
    // Only the order of the human's hand follows the hovered button; the trump stays unchosen.
    menschSortieren(ordnungFuer(code == kSlalom ? kSlalomObenabe : code));
}

void weisAngebot() {
    TJass& j = cg.jass;
    j.weisAnzahl = 0;
    const int seat = cg.aktSpieler;
    if (!j.mitWeisen || seat < 1 || seat > 4) return;
    for (int wert : {200, 150, 100, 50, 20}) {
        if (wert < j.hoechsterWeis || j.weisAnzahl >= 8) continue;
        hand w;
        weisSuchen(j.handKopien.at(seat), wert, j.trumpf, w);
        if (w.anz == 0) continue;
        std::string t = "!";
        if (cg.phase.fluss1 == kWeisVergleich) {
            for (int i = 1; i <= w.anz; ++i) {
                std::string k;
                gtool::kartenKuerzel(w.at(i), k);
                t += (i > 1 ? "," : "") + k;
            }
        } else {
            t += std::to_string(wert);
        }
        j.weisEintraege[j.weisAnzahl].text = t;
        j.weisEintraege[j.weisAnzahl].wert = wert;
        ++j.weisAnzahl;
    }
}

std::string weisZeigeText(const hand& w) {
    if (w.anz == 4 && w.at(1).t == w.at(2).t && w.at(2).t == w.at(3).t && w.at(3).t == w.at(4).t) {
        switch (w.at(1).t) {
            case kBube:
                return "Vier Buben";
            case kNeun:
                return "Vier Neunen";
            case kZehn:
                return "Vier Zehner";
            case kAss:
                return "Vier Asse";
            case kKoenig:
                return "Vier Könige";
            case kDame:
                return "Vier Damen";
            case kSechs:
                return "Vier Sechser";
            default:
                break;
        }
    }
    std::string t = weisName(w.anz);
    for (int i = 1; i <= w.anz; ++i) {
        std::string k;
        gtool::kartenKuerzel(w.at(i), k);
        t += " " + text::toUtf8(k);
    }
    return t;
}

std::string spieltypName(int code) {
    static const char* const farben[] = {"Kreuz", "Pik", "Herz", "Karo"};
    if (code >= 1 && code <= 4) {
        const std::string f = entscheidung::fragen.farbName ? entscheidung::fragen.farbName(code) : "";
        return f.empty() ? std::string(farben[code - 1]) : f;
    }
    switch (code) {
        case kObenabe:
            return "Obenabe";
        case kUndenufe:
            return "Undenufe";
        case kSlalom:
            return "Slalom";
        case kSlalomObenabe:
            return "Slalom Obenabe";
        case kSlalomUndenufe:
            return "Slalom Undenufe";
        default:
            return "";
    }
}

bool rundeVorbei(const TCG& g) { return g.spielId == spiele::kJass && g.phase.nr == kEnde; }
const TGameResult& letztesErgebnis() { return g_ergebnis; }

void neuesSpiel(bool frisch) {
    if (frisch) optionenLesen();
    central::neuesSpielAllgemein(cg);
    for (int s = 1; s <= 20; ++s) glu::spieler[s - 1].anz = 0;
    for (int s = 1; s <= 20; ++s) glu::spielerZwilling[s - 1].anz = 0;
    cg.ablauf.anzSpieler = 4;
    TJass& j = cg.jass;
    for (int s = 1; s <= 4; ++s) {
        j.stichPunkte.at(s) = j.weisPunkte.at(s) = j.stoeckPunkte.at(s) = 0;
        j.weisOffen.at(s) = j.stoeckOffen.at(s) = j.letzterStichBonus.at(s) = 0;
        j.angesagterWeis.at(s) = j.weisVergleich.at(s) = 0;
        j.weisHand.at(s) = hand{};
        j.handKopien.at(s) = hand{};
        for (int f = 0; f < 4; ++f) j.stoeckStatus[s - 1][f] = 0;
    }
    for (int t = 1; t <= 2; ++t) j.teamNotizen.at(t) = TJassNotizen{};
    j.hoechsterWeis = 0;
    j.weisGleichAnzahl = 0;
    j.weisSchritt = 0;
    j.weisSieger = 0;
    j.weisAnzahl = 0;
    j.trumpf = kKeinTrumpf;
    j.stichZahl = 0;
    j.stichPosition = 1;
    j.stichGewinner = 0;
    j.letzterStich = 0;
    j.stich = hand{};
    j.spielbareKarten = hand{};
    j.handAmZug = hand{};
    ordnungSchreiben(ordnung(false, 0), false);
    // The deck: nine values in each suit onto the talon, shuffled.
    TSpieler& talon = st(11);
    int n = 0;
    for (uint8_t f = 1; f <= 4; ++f)
        for (uint8_t t : {1, 2, 3, 4, 5, 6, 7, 8, 13}) glu::karteEinlegen(talon.at(++n), karte{t, f, 0});
    talon.anz = n;
    gtool::stapelMischen(11);
    if (frisch)
        cg.geber = j.ersterGeber >= 1 && j.ersterGeber <= 4 ? j.ersterGeber : 1 + rnd::random(4);
    else
        cg.geber = sitzZurueck(std::clamp<int>(cg.geber, 1, 4), 1);
    cg.aktSpieler = cg.geber;
    cg.phase.schritt = 0;
    cg.phase.fluss1 = 0;
    cg.phase.fluss2 = 0;
    cg.phase.fluss3 = 0;
    cg.antwort.art = kNichts;
    cg.antwort.warten = 0;
}

void spielSchritt(TCG& g) {
    switch (g.phase.nr) {
        case kStart:
            g.phase.nr = kGeben;
            g.phase.schritt = 0;
            g.phase.fluss1 = 0;
            break;
        case kGeben:
            geben(g);
            break;
        case kTrumpfWahl:
            trumpfWahl(g);
            break;
        case kSpiel:
            spielen(g);
            break;
        default:
            break;
    }
    anzeigeAktualisieren();
}

namespace {

// Takes the card out of whichever stack holds it and lays it on top of the target, at once.
void karteUmlegen(const karte& k, int ziel) {
    for (int s : {1, 2, 3, 4, 7, 8, 9, 10, 11, 12}) {
        if (s == ziel) continue;
        TSpieler& x = st(s);
        for (int i = 1; i <= x.anz; ++i) {
            if (!gleich(x.at(i).c, k)) continue;
            const TKartenSlot slot = x.at(i);
            for (int j = i; j < x.anz; ++j) x.at(j) = x.at(j + 1);
            x.anz -= 1;
            TSpieler& z = st(ziel);
            z.anz += 1;
            z.at(z.anz) = slot;
            z.at(z.anz).bewegung = TBewegung{};
            return;
        }
    }
}

}  // namespace

std::string blockPruefen(const TCG& g) {
    blockpruefung::Befund b;
    blockpruefung::gemeinsam(b, g, {4, 4, 7, 4, kSechs});
    const TJass& j = g.jass;
    const int t = j.trumpf;
    if (!(t == kKeinTrumpf || (t >= 0 && t <= 4) || (t >= kObenabe && t <= kSlalomUndenufe)))
        b.zahl(t, kKeinTrumpf, kKeinTrumpf, "Trumpf");
    b.zahl(j.vorhand, 0, 4, "Vorhand");
    b.zahl(j.stichPosition, 0, 5, "Stichposition");
    b.zahl(j.stichZahl, 0, 9, "Stichzahl");
    b.zahl(j.stichGewinner, 0, 4, "Stichgewinner");
    b.zahl(j.letzterStich, 0, 4, "letzter Stich");
    b.zahl(j.weisSieger, 0, 4, "Weis-Sieger");
    b.zahl(j.weisAnzahl, 0, 8, "Weis");
    b.karte(j.gespielteKarte, kSechs, "gespielte Karte");
    b.hand(j.spielbareKarten, kHandMax, kSechs, "spielbare Karten");
    b.hand(j.handAmZug, kHandMax, kSechs, "Hand am Zug");
    b.hand(j.stich, 4, kSechs, "Stich");
    for (int s = 1; s <= 4; ++s) {
        b.hand(j.handKopien.at(s), kHandMax, kSechs, "Blatt " + text::fromInt(s));
        b.hand(j.weisHand.at(s), kHandMax, kSechs, "Weis " + text::fromInt(s));
    }
    for (int i = 1; i <= 2; ++i) b.zahl(j.teamNotizen.at(i).anzahl, 0, 3, "Notizen");
    return b.text();
}

void spielLaden() {
    glu::bewegungenVerwerfen();
    // A card still flying when the game was saved lies where it came from: the table is brought
    // to what the flow has booked. A deal in progress starts again from the talon.
    if (cg.phase.nr == kGeben) {
        for (int s : {1, 2, 3, 4})
            while (anz(s) > 0) karteUmlegen(st(s).at(anz(s)).c, 11);
        cg.phase.schritt = 0;
        cg.aktSpieler = cg.geber;
    }
    if (cg.phase.nr == kSpiel)
        for (int i = 1; i <= cg.jass.stich.anz; ++i) {
            bool liegt = false;
            for (int j = 1; j <= anz(12); ++j) liegt = liegt || gleich(st(12).at(j).c, cg.jass.stich.at(i));
            if (!liegt) karteUmlegen(cg.jass.stich.at(i), 12);
        }
    central::tischWiederherstellen(cg);
    cg.ablauf.anzSpieler = 4;
    ordnungSchreiben(ordnung(false, 0), false);
    if (cg.jass.trumpf != kKeinTrumpf) slalomReihenfolge(false);
    for (int i = 1; i <= cg.jass.stich.anz && i <= anz(12); ++i) {
        const int seat = std::clamp<int>(cg.jass.stich.at(i).nr, 1, 4);
        glu::throwposition(seat, 1, st(12).at(i));
        st(12).at(i).z = static_cast<float>(i) * 0.5f - 97.0f;
    }
    if (cg.phase.nr == kSpiel) spielbareBerechnen();
    for (int s = 1; s <= 4; ++s) {
        int32_t& k = cg.sitzEinstellungen.at(s).staerke;
        if (k < 1 || k > 6) k = 4;
    }
    anzeigeAktualisieren();
}

// ---------------------------------------------------------------------------------------------
// Hooks of the table engine and the decision dialogs

namespace {

bool spielbarHook(const TKartenSlot& slot) {
    if (cg.phase.nr != kSpiel) return false;
    return enthalten(cg.jass.spielbareKarten, slot.c);
}

bool passtAufHook(const karte& k, const karte& aus, int) {
    if (cg.phase.nr != kSpiel) return false;
    hand stich = cg.jass.stich;
    if (stich.anz == 0 && aus.t != 0) stich.at(++stich.anz) = aus;
    return regelPruefen(k, cg.jass.handAmZug, stich, cg.jass.trumpf, aktuelleOrdnung());
}

entscheidung::JassLage lage(int) {
    entscheidung::JassLage l;
    l.obenabe = cg.jass.obenabe != 0;
    l.undenufe = cg.jass.undenufe != 0;
    l.slalom = cg.jass.slalom != 0;
    l.weisAnzahl = std::clamp<int>(cg.jass.weisAnzahl, 0, 8);
    for (int i = 0; i < l.weisAnzahl; ++i) {
        l.weisText[i] = cg.jass.weisEintraege[i].text.str();
        l.weisCode[i] = cg.jass.weisEintraege[i].wert;
    }
    return l;
}

}  // namespace

void anmelden() {
    spiele::Eintrag e;
    e.spielSchritt = spielSchritt;
    e.kiTick = jasski::kiTick;
    e.neuesSpiel = neuesSpiel;
    e.blockPruefen = blockPruefen;
    e.spielLaden = spielLaden;
    e.highscoreText = highscoreText;
    e.partieEnde = partieEnde;
    e.limitText = limitText;
    e.abrechnungText = abrechnungText;
    spiele::anmelden(spiele::kJass, e);
    tischhooks::Tabelle& t = tischhooks::tab();
    t.spielbar[spiele::kJass] = spielbarHook;
    t.passtAuf[spiele::kJass] = passtAufHook;
    entscheidung::fragen.jass = lage;
    entscheidung::fragen.handVon = glu::handVonSitz;
}

}  // namespace jass
