// The Jass computer player: Weis, trump choice or pushing it to the partner, and the card. It
// reads the game record and the stacks, rates on copies of the trick and answers through
// central::antwort like a click.
#include <algorithm>
#include <vector>

#include "core/central.h"
#include "core/gtool.h"
#include "games/skat_jass_schnapsen/jass.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace jasski {

using namespace jass;

namespace {

int g_rekursionen = 0;

void log(int seat, const std::string& t) { kiLog("Spieler " + std::to_string(seat) + " " + t); }

std::string kartenText(const karte& k) {
    std::string n;
    gtool::kartenName(k, n);
    return n;
}

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }

hand handVon(int seat) { return stapelHand(seat); }

int slotVon(int seat, const karte& k) {
    const TSpieler& s = st(seat);
    for (int i = 1; i <= s.anz; ++i)
        if (gleich(s.at(i).c, k)) return i;
    return 0;
}

Ordnung ordnungJetzt() { return stichOrdnung(cg.jass.trumpf, cg.jass.stichZahl); }

// The cards the seat on turn may play now (the flow's list).
const hand& spielbar() { return cg.jass.spielbareKarten; }

bool eigenesTeam(int seat, int wer) { return wer == seat || wer == partner(seat); }

bool karteSpielen(int seat, const karte& k) {
    const int slot = slotVon(seat, k);
    return slot >= 1 && central::antwort(cg, central::kKarte, 0, slot);
}

void zufallsKarte(int seat, const char* warum) {
    const hand& h = spielbar();
    if (h.anz < 1) return;
    const int start = rnd::random(100);
    for (int k = 1; k <= h.anz; ++k) {
        const karte c = h.at((start + k) % h.anz + 1);
        if (slotVon(seat, c)) {
            log(seat, std::string(warum) + kartenText(c));
            karteSpielen(seat, c);
            return;
        }
    }
}

int stichPunkte(const hand& stich) { return handPunkte(stich, cg.jass.trumpf); }

bool partnerSticht(int seat) {
    const karte b = stichBeste(cg.jass.stich, cg.jass.trumpf, ordnungJetzt());
    return b.t != 0 && b.nr == partner(seat);
}

bool schonGespielt(int seat) {
    for (int i = 1; i <= cg.jass.stich.anz; ++i)
        if (cg.jass.stich.at(i).nr == seat) return true;
    return false;
}

// Whether the seat, still to play in this trick, holds a card that would take it.
bool nachfolgerPruefen(int seat) {
    if (seat != cg.aktSpieler && (cg.jass.stich.anz >= 3 || schonGespielt(seat))) return false;
    log(seat, " guckt ob der nachfolgende Spieler den Stich noch holen könnte.");
    const Ordnung o = ordnungJetzt();
    hand legal;
    legaleKarten(handVon(seat), cg.jass.stich, cg.jass.trumpf, o, legal);
    for (int i = 1; i <= legal.anz; ++i)
        if (wuerdeStechen(legal.at(i), cg.jass.stich, cg.jass.trumpf, o)) return true;
    return false;
}

// The value of the rest of the trick for the seat's team: its card points when the team takes
// it. Opponents minimise, the team maximises.
int stichRekursion(hand& stich, int seat) {
    ++g_rekursionen;
    const int t = cg.jass.trumpf;
    const Ordnung o = ordnungJetzt();
    if (stich.anz >= 4) {
        const karte b = stichBeste(stich, t, o);
        return eigenesTeam(seat, b.nr) ? handPunkte(stich, t) : 0;
    }
    const int naechster = sitzZurueck(stich.at(stich.anz).nr, 1);
    const bool eigen = eigenesTeam(seat, naechster);
    int best = eigen ? -9999 : 9999;
    hand h = handVon(naechster);
    hand legal;
    legaleKarten(h, stich, t, o, legal);
    for (int i = 1; i <= legal.anz; ++i) {
        karte k = legal.at(i);
        k.nr = static_cast<uint16_t>(naechster);
        stich.at(++stich.anz) = k;
        int v = stichRekursion(stich, seat);
        --stich.anz;
        if (eigen && cg.jass.mitStoecken && (k.t == kDame || k.t == kKoenig) &&
            cg.jass.stoeckStatus[naechster - 1][k.f - 1] == 1)
            v += 20;
        best = eigen ? std::max(best, v) : std::min(best, v);
    }
    return best;
}

// The card of the given list with the fewest (or most) card points; non-trumps first.
bool punkteWahl(const hand& h, bool wenigste, bool nurGewinner, karte& wahl) {
    const Ordnung o = ordnungJetzt();
    for (int lauf = 0; lauf < 2; ++lauf) {
        bool gefunden = false;
        int bestP = 0;
        for (int i = 1; i <= h.anz; ++i) {
            const karte k = h.at(i);
            if (lauf == 0 && istTrumpf(k, cg.jass.trumpf)) continue;
            if (nurGewinner && !wuerdeStechen(k, cg.jass.stich, cg.jass.trumpf, o)) continue;
            const int p = kartenPunkte(k, cg.jass.trumpf);
            if (!gefunden || (wenigste ? p < bestP : p > bestP)) {
                gefunden = true;
                bestP = p;
                wahl = k;
            }
        }
        if (gefunden) return true;
    }
    return false;
}

}  // namespace

int billigsteStechkarte() {
    karte k{};
    return punkteWahl(spielbar(), true, true, k) ? slotVon(cg.aktSpieler, k) : -1;
}

int wertlosePassendeKarte() {
    karte k{};
    return punkteWahl(spielbar(), true, false, k) ? slotVon(cg.aktSpieler, k) : -1;
}

int trumpfWaehlen(int seat, bool schiebenErlaubt) {
    log(seat, schiebenErlaubt ? "muss sich überlegen welchen Trumpf er spielt..."
                              : "guckt nach ob sein Mitspieler mehr Trümpfe hat.");
    const hand h = handVon(seat);
    int zahl[5] = {};
    for (int i = 1; i <= h.anz; ++i)
        if (h.at(i).f >= 1 && h.at(i).f <= 4) ++zahl[h.at(i).f];
    int wahl = 1;
    for (int f = 2; f <= 4; ++f)
        if (zahl[f] > zahl[wahl]) wahl = f;
    const int meiste = zahl[wahl];
    // Among the longest suits, one holding the Bube or the Neun makes the better trump.
    for (int i = 1; i <= h.anz; ++i) {
        const karte k = h.at(i);
        if ((k.t == kBube || k.t == kNeun) && k.f >= 1 && k.f <= 4 && zahl[k.f] == meiste) wahl = k.f;
    }
    if (!schiebenErlaubt) return wahl;
    const int p = partner(seat);
    const int seine = trumpfWaehlen(p, false);
    const hand ph = handVon(p);
    int pz = 0;
    for (int i = 1; i <= ph.anz; ++i)
        if (ph.at(i).f == seine) ++pz;
    log(seat, " merkt der Partner hat " + std::to_string(pz) + " Trümpfe.");
    if (pz > meiste) {
        log(seat, " entscheidet sich zu schieben.");
        return 65535;
    }
    return wahl;
}

int gewinnKarteSuchen() {
    const int seat = cg.aktSpieler;
    const TJass& j = cg.jass;
    if (j.punkteLimit < 1 || seat < 1 || seat > 4) return 0;
    g_rekursionen = 0;
    hand stich = j.stich;
    int best = -99999;
    karte bestK{};
    const hand& h = spielbar();
    for (int i = 1; i <= h.anz; ++i) {
        karte k = h.at(i);
        k.nr = static_cast<uint16_t>(seat);
        stich.at(++stich.anz) = k;
        const int v = stichRekursion(stich, seat);
        --stich.anz;
        if (v >= best) {
            best = v;
            bestK = h.at(i);
        }
    }
    if (bestK.t == 0) return 0;
    int stoeck = 0;
    for (int i = 1; i <= j.stich.anz; ++i) {
        const karte k = j.stich.at(i);
        if (eigenesTeam(seat, k.nr) && k.nr >= 1 && k.nr <= 4 && k.f >= 1 && k.f <= 4 &&
            j.stoeckStatus[k.nr - 1][k.f - 1] == 2 && j.stoeckOffen.at(k.nr) > 0)
            stoeck += 20;
    }
    int weis = 0;
    if (j.stichZahl == 0) {
        int eigenHoch = 0, fremdHoch = 0, summe = 0;
        for (int s = 1; s <= 4; ++s) {
            const int a = j.angesagterWeis.at(s);
            if (eigenesTeam(seat, s)) {
                eigenHoch = std::max(eigenHoch, a);
                summe += a;
            } else {
                fremdHoch = std::max(fremdHoch, a);
            }
        }
        weis = eigenHoch >= fremdHoch ? summe : 0;
    }
    if (teamPunkte(team(seat)) + best + weis + stoeck < j.punkteLimit) return 0;
    log(seat,
        "HAT EINE KARTE GEFUNDEN MIT DER ER DIE PARTIE GEWINNEN KANN (EVT. MIT HILFE SEINES PARTNERS) "
        "UND SPIELT DIESE KARTE. - Karte: " +
            kartenText(bestK) + " " + std::to_string(g_rekursionen) + " Rekursionen.");
    return slotVon(seat, bestK);
}

int karteWaehlen() {
    const int seat = cg.aktSpieler;
    log(seat, "muss mitspielen und eine Karte wählen...");
    const hand& stich = cg.jass.stich;
    enum { kNehmen, kButtern, kZufall } schritt = kZufall;
    if (stich.anz > 0) {
        const int naechster = sitzZurueck(seat, 1);
        const bool partnerVorn = partnerSticht(seat);
        if (partnerVorn && (stich.anz >= 3 || !nachfolgerPruefen(naechster)))
            schritt = kButtern;
        else if (nachfolgerPruefen(naechster))
            schritt = kNehmen;
        else
            schritt = nachfolgerPruefen(sitzZurueck(naechster, 1)) ? kButtern : kNehmen;
    }
    karte k{};
    if (schritt == kNehmen) {
        const int punkte = stichPunkte(stich);
        log(seat, "überlegt den Stich zu holen. Im Topf sind " + std::to_string(punkte));
        if (punkte > 0 && stich.anz >= 3) {
            if (punkteWahl(spielbar(), true, true, k)) {
                log(seat, "sucht die billigste Karte um den Stich zu holen, die " + kartenText(k));
                return slotVon(seat, k);
            }
            // Nothing takes the trick: the least valuable card goes instead.
            log(seat, "findet nix zum stechen!");
        }
        if (punkteWahl(spielbar(), true, false, k)) {
            log(seat, "sucht die wertloseste Karte, die " + kartenText(k));
            return slotVon(seat, k);
        }
    } else if (schritt == kButtern) {
        if (punkteWahl(spielbar(), false, false, k)) {
            log(seat, "sucht als größte passende Karte die " + kartenText(k));
            return slotVon(seat, k);
        }
        log(seat, "findet keine Karte zum reinbuttern!");
    }
    const hand& h = spielbar();
    if (h.anz < 1) return 0;
    k = h.at(rnd::random(h.anz) + 1);
    log(seat, "spielt zufällig eine passende Karte die " + kartenText(k));
    return slotVon(seat, k);
}

void kiTick() {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 4) return;
    const TEntscheidung& e = cg.entscheidung;
    const int art = e.art;
    const int staerke = cg.sitzEinstellungen.at(seat).staerke;
    if (staerke == 0) {
        zufallsAntwort();
        return;
    }
    const int n = std::clamp<int>(e.knopfAnzahl, 0, 8);
    if (e.mitKnoepfen && n >= 1 && (art == 113 || art == 114)) {
        central::antwort(cg, central::kKnopf, 0, e.code(1));  // the highest Weis offered
        return;
    }
    if (e.mitKnoepfen && n >= 1 && (art == 110 || art == 111)) {
        if (rnd::random(100) < 95) return;  // takes its time over the choice
        const bool schieben = e.code(n) == kSchieben;
        const int wahl = trumpfWaehlen(seat, schieben);
        const int code = wahl >= 65535 ? (schieben ? kSchieben : 1) : wahl;
        central::antwort(cg, central::kKnopf, 0, code);
        return;
    }
    if (e.kartenSpiel && spielbar().anz > 0 && (art == 47 || art == 113 || art == 115)) {
        if (staerke == 1 && seat != 3 && rnd::random(10) < 3) {
            zufallsKarte(seat, "ist Anfänger und spielt zufällig eine passende Karte die ");
            return;
        }
        int slot = 0;
        if (staerke == 3 || seat == 3) slot = gewinnKarteSuchen();
        if (slot <= 0) slot = karteWaehlen();
        if (slot >= 1 && central::antwort(cg, central::kKarte, 0, slot)) return;
        zufallsKarte(seat, "spielt zufällig eine passende Karte die ");
        return;
    }
    // A question this player does not know: the first button, or a playable card, so the game
    // never waits for it.
    log(seat, "kennt die Frage " + std::to_string(art) + " nicht und nimmt die erste Antwort.");
    if (e.mitKnoepfen && n >= 1)
        central::antwort(cg, central::kKnopf, 0, e.code(1));
    else if (e.kartenSpiel)
        zufallsKarte(seat, "spielt zufällig eine passende Karte die ");
}

}  // namespace jasski
