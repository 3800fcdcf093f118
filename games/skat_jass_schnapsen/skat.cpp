// The Skat phase machine: one step per frame while nothing is pending. Every choice, the human's
// click and the computer seat's alike, arrives as the stored action of central::antwort.
#include "games/skat_jass_schnapsen/skat.h"

#include <algorithm>

#include "core/blockpruefung.h"
#include "core/central.h"
#include "core/entscheidung.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/kommentar.h"
#include "core/seams.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "platform/ticks.h"
#include "table/glu.h"
#include "table/tischhooks.h"

namespace skat {

using namespace skat_1;

namespace {

// Phases of the machine.
enum Phase : uint8_t {
    kStart = 0,
    kGeben = 1,
    kStiche = 4,
    kReizen = 6,
    kAnsage = 7,
    kKontra = 8,
    kRamschVorSpiel = 9,
    kEnde = 5,     // the deal is booked (the score table's phase); the game core starts the next one
    kBuchen = 19,  // the deal ends: booked in the next step
};

// Sub-states of the trick phase (cg.antwort.warten).
enum Stichzustand : uint8_t {
    kKarteGewaehlt = 1,
    kWartet = 3,
    kNaechsteKarte = 4,
    kStichVoll = 6,
    kPause = 7,
    kStichRaeumen = 8,
};

constexpr uint8_t kNichts = 7;  // stored-action kind: nothing stored

TGameResult g_ergebnis;
Statistik g_statistik;
bool g_abrechnungZeigen = false;
// "Skat mit Rum": when the first Skat card was turned up, and the times of the second card and
// of taking the open Skat up (ms).
uint32_t g_rumStart = 0;
constexpr uint32_t kRumAbstand = 300, kRumOffen = 1800;

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }
int anz(int stack) { return st(stack).anz; }

std::string w(std::string_view s) { return text::w(s); }

void sagen(const std::string& t, int seat, int code) { gtool::sagen(w(t), seat, code, false); }

// Opens a decision dialog for the seat on turn; the kind is kept for the answer.
void fragen(TCG& g, int art) {
    g.antwort.art = kNichts;
    g.phase.fluss3 = art;
    central::entscheidungAbfragen(g, art);
}

// The stored action, once: kind and value; the store is cleared.
struct Aktion {
    int art = kNichts;
    int wert = 0;
    int stapel = 0;  // the stack of a pile click
    int frage = 0;   // the dialog it answers
};
Aktion nehmen(TCG& g) {
    Aktion a;
    a.art = g.antwort.art;
    a.wert = g.antwort.wert2;
    a.stapel = g.antwort.wert1;
    a.frage = g.phase.fluss3;
    g.antwort.art = kNichts;
    return a;
}

// n cards from the top of the talon into the seat's hand (sorted for the human); the step waits
// for the packet's last card.
void austeilen(int seat, int n, int skip, float verzoegerung) {
    const int m = anz(11);
    if (n < 1 || m - skip < n) return;
    glu::dealcards(seat, n, skip, 0, 11, verzoegerung);
    central::bewegungAbwarten(cg, 11, m + 1 - skip - n);
}

// The top card of one stack onto the top of another; the step waits for it.
void obenAuf(int von, int nach) {
    const int slot = anz(von);
    if (slot < 1) return;
    if (glu::movecardrecord(von, slot, nach, anz(nach) + 1, 1, 2, 14, 0, 0)) cg.bewegungWarten.aktiv = 1;
}

// A card of the seat's hand onto a table stack (the trick, or the Skat when laying away).
karte ausspielen(int seat, int slot, int ziel) {
    const karte k = st(seat).at(slot).c;
    const int gespielt = glu::playcard(seat, slot, ziel, 0);
    if (gespielt >= 1) central::bewegungAbwarten(cg, seat, gespielt);
    return k;
}

void spiegeln(int stack) { glu::stapelZuHand(st(stack)); }

// Takes the card out of whichever stack holds it and lays it on top of the target, at once.
bool karteUmlegen(const karte& k, int ziel) {
    for (int s : {1, 2, 3, 7, 8, 9, 11, 12, 15}) {
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
            return true;
        }
    }
    return false;
}
void alleSpiegeln() {
    for (int s : {1, 2, 3, 11, 12}) spiegeln(s);
}

void menschSortieren(int typ) {
    TSpieler& s = st(1);
    glu::stapelZuHand(s);
    handOrdnen(s.hand, typ);
    glu::handZuStapel(s);
}

bool istComputer(int seat) { return seat >= 1 && seat <= 20 && cg.stapelListen[seat].computer == 1; }

// A computer seat's remark: event 1 it took a trick worth `wert` points, 2 the other party took
// it, 3 it said Kontra level `wert`. Tricks of less than 20 points and Null and Ramsch tricks
// pass without a word.
void kommentar(int ereignis, int seat, int wert) {
    const int typ = cg.skat.sk.typ;
    if (ereignis == 1 || ereignis == 2) {
        if (wert < 20 || typ == kNull || typ == kRamsch || cg.skat.spiel.ramsch) return;
        central::kommentar(seat, 0, ereignis == 1 ? 1 : -1, 0, 40);
        return;
    }
    if (ereignis != 3 || !istComputer(seat) || wert < 1 || wert > 4) return;
    static const int erregung[5] = {0, 60, 80, 90, 95};
    // Kontra and Sup go to the declarer, Re and Hirsch to both defenders.
    central::kommentar(seat, 2, wert % 2 == 1 ? 1 : 2, 0, erregung[wert]);
}

// Every per-deal field back to its start, so nothing of the last deal counts in this one.
void dealZuruecksetzen() {
    cg.skat.spiel = TSkatSpiel{};
    cg.skat.sk = TSkatSk{};
    cg.skat.anspieler = 0;
    for (int i = 0; i < 5; ++i) handLeeren2(cg.skat.spiegel1[i]);
    for (int i = 0; i < 3; ++i) {
        handLeeren2(cg.skat.spiegelFeld1[i]);
        handLeeren2(cg.skat.spiegel2[i]);
        handLeeren2(cg.skat.spiegelFeld2[i]);
    }
    stichKarten().anz = 3;
    cg.skat.spiegelFlag = 0;
    for (int s = 1; s <= 3; ++s) cg.skat.spiel.ohneStich.at(s) = 1;
    g_abrechnungZeigen = false;
}

void typSetzen(int typ) {
    cg.skat.spiel.typ = typ;
    cg.skat.spiel.typ2 = typ;
    cg.skat.sk.typ = typ;
}

void alleinspielerSetzen(TCG& g, int seat) {
    TSkatSpiel& sp = g.skat.spiel;
    sp.spitzeFalsch = 0;
    sp.spitze = 0;
    g.skat.spiegelFlag = 0;
    sp.alleinspieler = seat;
    g.skat.sk.alleinspieler = seat;
    g.skat.sk.typ = bewertung(seat).spielTyp;
    g.aktSpieler = seat;
    g.phase.nr = kAnsage;
    g.phase.schritt = 0;
    g.phase.fluss1 = 0;
    fragen(g, g.skat.optionen.rum ? 60 : 50);
}

// ---------------------------------------------------------------------------------------------
// Deal

// The seat that gets the next packet after `seat`: the next one, or the previous one when the
// table deals against the clock.
int gebeFolge(int seat) { return envParam.spielrichtung == 2 ? voriger(seat) : naechster(seat); }

// Who gets the n-th packet: the three seats in dealing order from the dealer on, the Skat (15)
// after the first round.
int paketZiel(int schritt) {
    const int erster = gebeFolge(hinterhand());
    const int zweiter = gebeFolge(erster);
    switch (schritt) {
        case 1:
        case 5:
        case 8:
            return erster;
        case 2:
        case 6:
        case 9:
            return zweiter;
        case 3:
        case 7:
        case 10:
            return gebeFolge(zweiter);
        case 4:
            return 15;
        default:
            return 0;
    }
}

void nachDemGeben(TCG& g) {
    menschSortieren(11);
    alleSpiegeln();
    handLeeren(skatKopie());
    handAnhaengen(skatKopie(), st(11).hand);
    if (g.skat.sonderMarke.str() == "R") {
        g.skat.spiel.ramsch = 1;
        g.skat.spiel.schieberamsch = 1;
        typSetzen(kRamsch);
        g.skat.spiel.geschoben = 0;
        for (int s = 3; s >= 1; --s) reizwertBerechnen(s);
        rangTabelle(kRamsch);
        g.aktSpieler = hinterhand();
        g.phase.nr = kRamschVorSpiel;
        g.phase.schritt = 0;
        g.antwort.art = kNichts;
        return;
    }
    g.skat.spiel.ramsch = 0;
    for (int s = 3; s >= 1; --s) reizwertBerechnen(s);
    TSkatSpiel& sp = g.skat.spiel;
    g.phase.nr = kReizen;
    g.phase.schritt = 0;
    g.phase.fluss1 = 0;
    sp.hinterhandSitz = hinterhand();
    sp.hoererSitz = vorhand();
    sp.sagerSitz = mittelhand();
    sp.reizwertAktuell = 1;
    sp.sagerFragen = 1;
    g.skat.reizPos = 1;
    while (reizwert(g.skat.reizPos) <= 1 && g.skat.reizPos < g.skat.reizAnzahl) ++g.skat.reizPos;
    g.aktSpieler = sp.sagerSitz;
    fragen(g, 48);
}

void geben(TCG& g) {
    // Quick deal: the three hands at once, the Skat stays on the talon.
    if (envParam.austeilen == 1) {
        if (g.phase.schritt == 0) {
            g.phase.schritt = 100;
            const int m = anz(11);
            int seat = hinterhand();
            for (int i = 0; i < 3; ++i) {
                seat = gebeFolge(seat);
                glu::dealcards(seat, 10, 10 * i, 0, 11, 0.3f * static_cast<float>(i));
            }
            central::bewegungAbwarten(cg, 11, m + 1 - 30);
            return;
        }
        nachDemGeben(g);
        return;
    }
    const int s = ++g.phase.schritt;
    if (s <= 10) {
        const int n = s == 4 ? 2 : (s >= 5 && s <= 7 ? 4 : 3);
        const int ziel = paketZiel(s);
        g.aktSpieler = ziel == 15 ? g.aktSpieler : ziel;
        austeilen(ziel, n, 0, 0);
        return;
    }
    if (anz(15) > 0) {
        --g.phase.schritt;  // the two cards from beside the table back onto the talon place
        obenAuf(15, 11);
        return;
    }
    nachDemGeben(g);
}

// ---------------------------------------------------------------------------------------------
// Bidding

int naechsterListenwert(int ueber) {
    int pos = 1;
    while (pos <= cg.skat.reizAnzahl && reizwert(pos) <= ueber) ++pos;
    return pos;
}

// The bidder is asked for the next list value above the value reached; past the end of the list
// nothing can be bid and the bidder passes.
void bieterFragen(TCG& g) {
    TSkatSpiel& sp = g.skat.spiel;
    g.skat.reizPos = naechsterListenwert(sp.reizwertAktuell);
    sp.sagerFragen = 1;
    g.aktSpieler = sp.sagerSitz;
    if (g.skat.reizPos > g.skat.reizAnzahl) {
        g.antwort.art = central::kKnopf;
        g.antwort.wert2 = 43;
        return;
    }
    fragen(g, 48);
}

void reizen(TCG& g) {
    TSkatSpiel& sp = g.skat.spiel;
    const Aktion a = nehmen(g);
    const int seat = g.aktSpieler;
    if (a.art == central::kKnopf) {
        if (a.wert == 41 && seat == sp.sagerSitz) {
            sp.reizwertAktuell = reizwert(g.skat.reizPos);
            sp.gebot.at(seat) = sp.reizwertAktuell;
            sagen(text::fromInt(sp.reizwertAktuell), seat,
                  sp.reizwertAktuell > 46 || g.phase.schritt == 2 ? 19 : 14);
            if (g.phase.schritt == 2) {
                alleinspielerSetzen(g, seat);
                return;
            }
            g.phase.fluss1 = 1;  // go on with the other seat
            return;
        }
        if (a.wert == 42 && seat == sp.hoererSitz) {
            sp.gebot.at(seat) = sp.reizwertAktuell;
            sagen(text::fromInt(sp.reizwertAktuell), seat, 15);
            g.phase.fluss1 = 1;
            return;
        }
        if (a.wert == 43) {
            const bool bieter = seat == sp.sagerSitz;
            sagen("Passe", seat, bieter ? (sp.reizwertAktuell < 2 ? 18 : 16) : 17);
            sp.passSitz = seat;
            g.phase.fluss1 = 2;
            return;
        }
    }
    if (g.phase.fluss1 == 2) {
        g.phase.fluss1 = 0;
        switch (g.phase.schritt) {
            case 0: {
                g.phase.schritt = 1;
                const int passer = sp.passSitz;
                const int hh = sp.hinterhandSitz;
                sp.sagerSitz = hh;
                // The holder is the seat that is neither the passer nor Hinterhand.
                for (int s = 1; s <= 3; ++s)
                    if (s != passer && s != hh) sp.hoererSitz = s;
                break;
            }
            case 1: {
                const int bleibt = sp.passSitz == sp.sagerSitz ? sp.hoererSitz : sp.sagerSitz;
                if (sp.reizwertAktuell < 2) {
                    g.phase.schritt = 2;
                    sp.sagerSitz = bleibt;
                    break;
                }
                alleinspielerSetzen(g, bleibt);
                return;
            }
            default:
                if (g.skat.optionen.bockRamsch && g.skat.optionen.ramschKeinerReizt) {
                    sagen("Ramsch", g.aktSpieler, 1);
                    sp.ramsch = 1;
                    sp.schieberamsch = 0;
                    typSetzen(kRamsch);
                    rangTabelle(kRamsch);
                    g.aktSpieler = hinterhand();
                    g.phase.nr = kRamschVorSpiel;
                    g.phase.schritt = 7;
                    return;
                }
                typSetzen(kEingepasst);
                g.phase.nr = kAnsage;
                g.phase.schritt = 4;
                return;
        }
        bieterFragen(g);
        return;
    }
    // go on: the other side of the bidding is asked
    g.phase.fluss1 = 0;
    if (seat == sp.sagerSitz && sp.reizwertAktuell >= 2) {
        sp.sagerFragen = 0;
        g.aktSpieler = sp.hoererSitz;
        fragen(g, 49);
        return;
    }
    bieterFragen(g);
}

// ---------------------------------------------------------------------------------------------
// Declaration

void spielBeginnt(TCG& g) {
    TSkatSpiel& sp = g.skat.spiel;
    const int allein = sp.alleinspieler;
    if (istComputer(allein) && sp.stufeAngesagt >= kOffen && allein >= 1 && allein <= 3) {
        Pos6 p{};
        glu::openhandposition(allein, p);
        glu::movestack(p, allein, 200.0f);
    }
    alleSpiegeln();
    handLeeren(skatKopie());
    handAnhaengen(skatKopie(), st(11).hand);
    rangTabelle(g.skat.sk.typ);
    menschSortieren(g.skat.sk.typ);
    if (!sp.ramsch) sagen(spielName(), allein, 4);
    g.phase.nr = kStiche;
    g.antwort.warten = kNaechsteKarte;
    g.skat.anspieler = vorhand();
    g.skat.sk.anspieler = vorhand();
    g.aktSpieler = vorhand();
    g.skat.sk.rest = 2;
    handLeeren(stich());
    handLeeren(alleGespielt());
    stichKarten() = hand{};
    stichKarten().anz = 3;
    const TSkatOptionen& o = g.skat.optionen;
    if (o.kontraRe && o.nachSpielansage && !sp.ramsch) {
        g.phase.nr = kKontra;
        g.phase.schritt = 0;
    }
}

// Slot 1..anz of the seat's stack, or 0.
int gueltigerSlot(int seat, int slot) { return slot >= 1 && slot <= anz(seat) ? slot : 0; }

// The seat takes the Skat into its hand and lays two cards away in sub-step `drueckSchritt`.
void skatNehmen(TCG& g, int seat, int drueckSchritt) {
    austeilen(seat, anz(11), 0, 0);
    g.phase.schritt = drueckSchritt;
}

// Laying away: a card onto the Skat, a card back from it, or done (then sub-step `fertig`).
void drueckenSchritt(TCG& g, const Aktion& a, int seat, int fertig) {
    if (a.art == central::kKarte && gueltigerSlot(seat, a.wert) && anz(11) < 2 && anz(seat) > 10 &&
        spielbar(st(seat).at(a.wert))) {
        ausspielen(seat, a.wert, 11);
        return;
    }
    if (a.art == central::kStapel && a.stapel == 11 && anz(11) > 0) {
        austeilen(seat, 1, 0, 0);
        return;
    }
    if (a.art == central::kKnopf && a.wert == 53 && anz(11) == 2) {
        g.phase.schritt = fertig;
        return;
    }
    spiegeln(seat);
    // Pushing in a Ramsch weighs the cards in the Ramsch order, not in the seat's best suit game.
    rangTabelle(g.skat.spiel.ramsch ? kRamsch : bewertung(seat).spielTyp);
    fragen(g, anz(11) == 2 ? 53 : 54);
}

void skatGedrueckt(TCG& g) {
    TSkatSpiel& sp = g.skat.spiel;
    spiegeln(11);
    spiegeln(sp.alleinspieler);
    handLeeren(skatKopie());
    handAnhaengen(skatKopie(), st(11).hand);
    fragen(g, 55);
}

void ansage(TCG& g) {
    TSkatSpiel& sp = g.skat.spiel;
    const int allein = sp.alleinspieler;
    const Aktion a = nehmen(g);
    if (a.art == central::kKnopf) {
        switch (a.frage) {
            case 55: {
                const int t = a.wert;
                if (!((t >= 1 && t <= 4) || t == kNull || t == kGrand || t == kKeinSpiel)) {
                    fragen(g, 55);
                    return;
                }
                typSetzen(t);
                rangTabelle(t == kKeinSpiel ? kGrand : t);
                if (t == kKeinSpiel) {
                    typSetzen(kUeberreizt);
                    g.phase.schritt = 4;
                } else {
                    g.phase.schritt = (!sp.hand && t != kNull) ? 10 : 3;
                }
                return;
            }
            case 53:
                skatGedrueckt(g);
                return;
            case 56:
            case 57: {
                static const int stufen[5] = {0, kNormal, kSchneiderAngesagt, kSchwarzAngesagt, kOffen};
                const int x = a.wert;
                if (x < 1 || x > 4 || (a.frage == 57 && x != 1 && x != 4)) {
                    fragen(g, a.frage);
                    return;
                }
                sp.stufe = static_cast<uint8_t>(stufen[x]);
                sp.stufeAngesagt = sp.stufe;
                g.phase.schritt = 10;
                return;
            }
            default:
                break;
        }
    }
    switch (g.phase.schritt) {
        case 0:
            sp.reizwert = sp.reizwertAktuell;
            if (a.art == central::kKnopf && a.wert == 51) {
                sp.hand = 0;
                sagen("Nimmt Skat auf", allein, 1);
                g.phase.schritt = 21;
                return;
            }
            if (a.art == central::kKnopf && a.wert == 45) {
                sp.hand = 1;
                g.phase.schritt = 2;
                return;
            }
            if (a.art == central::kKnopf && a.wert == 46 && g.skat.optionen.rum) {
                // "Skat mit Rum": the Skat is turned up for everyone before the declarer takes it
                sp.rum = 1;
                sp.hand = 0;
                g.phase.fluss2 = 0;
                g.phase.schritt = 5;
                return;
            }
            fragen(g, g.skat.optionen.rum ? 60 : 50);
            return;
        case 5: {
            // The Skat is turned up card by card, 0.3 s apart, and lies open a while for everyone.
            const uint32_t jetzt = ticks::now();
            if (g.phase.fluss2 == 0) {
                g.phase.fluss2 = 1;
                g_rumStart = jetzt;
                if (anz(11) >= 1) st(11).at(anz(11)).face = 1;
                sagen("Rum", allein, 1);
                return;
            }
            const uint32_t offen = ticks::elapsed(g_rumStart, jetzt);
            if (offen >= kRumAbstand)
                for (int i = 1; i <= anz(11); ++i) st(11).at(i).face = 1;
            if (offen >= kRumOffen) {
                for (int i = 1; i <= anz(11); ++i) st(11).at(i).face = 0;
                g.phase.schritt = 21;
            }
            return;
        }
        case 21:
            skatNehmen(g, allein, 1);
            return;
        case 1:
            drueckenSchritt(g, a, allein, 2);
            return;
        case 2:
            skatGedrueckt(g);
            return;
        case 3:
            fragen(g, g.skat.sk.typ == kNull ? 57 : 56);
            return;
        case 10:
            if (a.art == central::kKnopf && (a.wert == 61 || a.wert == 62) && a.frage == 59) {
                sp.spitze = a.wert == 61 ? 1 : 0;
                g.phase.schritt = 11;
                return;
            }
            if (!g.skat.optionen.spitze || g.skat.sk.typ == kNull || g.skat.sk.typ == kGrand) {
                sp.spitze = 0;
                g.phase.schritt = 11;
                return;
            }
            fragen(g, 59);
            return;
        case 11:
            spielBeginnt(g);
            return;
        case 4:
        default:
            g.skat.spiegelFlag = 0;
            g_abrechnungZeigen = false;
            g.phase.nr = kBuchen;
            return;
    }
}

// ---------------------------------------------------------------------------------------------
// Kontra

bool kontraMoeglich(int stufe) {
    const TSkatOptionen& o = cg.skat.optionen;
    switch (stufe) {
        case 0:
            return o.mitKontra || o.mitKontraRe || o.mitKontraAlle;
        case 1:
            return o.mitKontraRe || o.mitKontraAlle;
        case 2:
        case 3:
            return o.mitKontraAlle != 0;
        default:
            return false;
    }
}

void kontraPhase(TCG& g) {
    TSkatSpiel& sp = g.skat.spiel;
    const int allein = sp.alleinspieler;
    const Aktion a = nehmen(g);
    switch (g.phase.schritt) {
        case 0:
            g.phase.fluss2 = 0;  // the second defender not asked yet
            sp.kontraSitz = naechster(allein);
            g.phase.schritt = 2;
            return;
        case 1:
            if (a.art == central::kKnopf && a.wert == sp.kontra + 1 && a.wert >= 1 && a.wert <= 4) {
                sp.kontra = a.wert;
                if (sp.kontra == 1) sp.kontraSitz = g.aktSpieler;
                kommentar(3, g.aktSpieler, sp.kontra);
                sagen(kontraNamen[sp.kontra], g.aktSpieler, 1);
                g.phase.schritt = 2;
                return;
            }
            if (a.art == central::kKnopf && a.wert == -1) {
                if ((sp.kontra == 0 || sp.kontra == 2) && g.phase.fluss2 == 0) {
                    g.phase.fluss2 = 1;
                    sp.kontraSitz = sp.kontraSitz == naechster(allein) ? voriger(allein) : naechster(allein);
                    g.phase.schritt = 2;
                    return;
                }
                g.phase.schritt = 10;
                return;
            }
            g.phase.schritt = 2;  // no valid answer: ask again
            return;
        case 2: {
            static const int dialog[4] = {44, 63, 64, 65};
            if (sp.kontra > 3 || !kontraMoeglich(sp.kontra)) {
                g.phase.schritt = 10;
                return;
            }
            g.aktSpieler = sp.kontra % 2 == 1 ? allein : sp.kontraSitz;
            g.phase.schritt = 1;
            fragen(g, dialog[sp.kontra]);
            return;
        }
        default:
            g.phase.nr = kStiche;
            g.antwort.warten = kNaechsteKarte;
            g.aktSpieler = g.skat.sk.anspieler;
            return;
    }
}

// ---------------------------------------------------------------------------------------------
// Tricks

int stichPruefen(TCG& g, int gewinner) {
    TSkatSpiel& sp = g.skat.spiel;
    const int allein = sp.alleinspieler;
    if (sp.spitze) {
        const karte spitze = karteBilden(1, g.skat.sk.typ >= 1 && g.skat.sk.typ <= 4 ? g.skat.sk.typ : 1);
        for (int s = 1; s <= 3; ++s)
            if (gleich(letzterStich().at(s), spitze)) {
                const bool letzter = anz(1) == 0;
                if (!(letzter && gewinner == allein)) sp.spitzeFalsch = 1;
            }
        // The Spitze must be kept for the last trick: a last trick without it fails too.
        if (anz(1) == 0 && !sp.spitzeFalsch) {
            bool dabei = false;
            for (int s = 1; s <= 3; ++s) dabei = dabei || gleich(letzterStich().at(s), spitze);
            if (!dabei) sp.spitzeFalsch = 1;
        }
    }
    sp.ohneStich.at(gewinner) = 0;
    if (sp.jungfrau.at(gewinner) && sp.ramsch) sp.jungfrauFehler = gewinner;
    g.skat.sk.anspieler = gewinner;
    int code = 0;
    if (anz(gewinner) == 0) code = 1;
    const bool nullSpiel = g.skat.sk.typ == kNull;
    if (!code && !sp.ramsch && !nullSpiel && gewinner != allein && sp.stufeAngesagt >= kSchwarzAngesagt)
        code = 2;
    if (!code && !sp.ramsch && nullSpiel && gewinner == allein) code = 3;
    if (!code && sp.ramsch && sp.jungfrau.at(gewinner)) code = 4;
    if (!code && sp.spitzeFalsch) code = 5;
    if (code) g.skat.spiegelFlag = code == 1 ? 0 : 1;
    return code;
}

void spielEnde(TCG& g);

void stiche(TCG& g) {
    TSkatSpiel& sp = g.skat.spiel;
    if (g.antwort.warten == kWartet) g.antwort.warten = kKarteGewaehlt;
    switch (g.antwort.warten) {
        case kNaechsteKarte:
            if (anz(g.aktSpieler) == 0) {
                g.skat.spiegelFlag = 0;
                g_abrechnungZeigen = true;
                spielEnde(g);
                return;
            }
            fragen(g, 58);
            return;
        case kKarteGewaehlt: {
            const Aktion a = nehmen(g);
            const int seat = g.aktSpieler;
            const int slot = a.art == central::kKarte ? gueltigerSlot(seat, a.wert) : 0;
            if (!slot || !spielbar(st(seat).at(slot))) {
                g.antwort.warten = kNaechsteKarte;  // not a card of this trick: ask again
                return;
            }
            const karte k = ausspielen(seat, slot, 12);
            g.skat.sk.rest -= 1;
            karte mitSitz = k;
            mitSitz.nr = static_cast<uint16_t>(seat);
            handaddk(stich(), mitSitz);
            stichKarten().at(seat) = k;
            if (stich().anz == 1) g.skat.anspieler = seat;
            if (stich().anz < 3) {
                g.aktSpieler = naechster(seat);
                g.antwort.warten = kNaechsteKarte;
            } else {
                g.antwort.warten = kPause;
            }
            return;
        }
        case kPause:
            // The full trick stays a moment on the table before it is taken.
            gtool::sagen(w("warten.."), 0, 0, false);
            g.antwort.warten = kStichVoll;
            return;
        case kStichVoll: {
            const int gewinner = stichGewinner(g.skat.anspieler);
            g.aktSpieler = gewinner;
            const bool allein = gewinner == sp.alleinspieler && !sp.ramsch;
            const int augen = augenSumme(stich());
            if (rnd::uniform() < 0.5) {
                kommentar(1, gewinner, augen);
            } else {
                // Someone of the party that lost the trick.
                const int gegen = gewinner == sp.alleinspieler
                                      ? (rnd::uniform() < 0.5 ? naechster(gewinner) : voriger(gewinner))
                                      : sp.alleinspieler;
                kommentar(2, gegen, augen);
            }
            handAnhaengen(allein ? gewonnenAllein() : gewonnenGegner(), stich());
            handAnhaengen(gewonnenSitz(gewinner), stich());
            handAnhaengen(alleGespielt(), stich());
            g.skat.sk.anspieler = gewinner;
            g.skat.sk.rest = 2;
            letzterStich() = stichKarten();
            stichKarten() = hand{};
            stichKarten().anz = 3;
            handLeeren(stich());
            g.antwort.warten = kStichRaeumen;
            return;
        }
        case kStichRaeumen:
        default: {
            const int gewinner = g.skat.sk.anspieler;
            if (anz(12) > 0) {
                obenAuf(12, gewinner + 6);
                return;
            }
            for (int s = 1; s <= 3; ++s) spiegeln(s);
            const int code = stichPruefen(g, gewinner);
            if (code) {
                g_abrechnungZeigen = true;
                spielEnde(g);
                return;
            }
            g.antwort.warten = kNaechsteKarte;
            const TSkatOptionen& o = g.skat.optionen;
            if (alleGespielt().anz == 3 && o.kontraRe && !o.nachSpielansage && !sp.ramsch) {
                g.phase.nr = kKontra;
                g.phase.schritt = 0;
            }
            return;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Ramsch before play

void ramschVorSpiel(TCG& g) {
    TSkatSpiel& sp = g.skat.spiel;
    const TSkatOptionen& o = g.skat.optionen;
    const Aktion a = nehmen(g);
    const int seat = g.aktSpieler;
    if (!sp.schieberamsch && g.phase.schritt != 7) g.phase.schritt = 7;
    switch (g.phase.schritt) {
        case 0:
            if (!o.grandHand) {
                g.phase.schritt = 2;
                g.phase.fluss2 = 0;
                return;
            }
            g.phase.schritt = 1;
            fragen(g, 66);
            return;
        case 1:
            if (a.art == central::kKnopf && a.wert == 84) {
                sp.ramsch = 0;
                sp.schieberamsch = 0;
                typSetzen(kGrand);
                sp.hand = 1;
                sp.alleinspieler = seat;
                g.skat.sk.alleinspieler = seat;
                rangTabelle(kGrand);
                sp.reizwertAktuell = 0;
                sp.reizwert = 0;
                g.phase.nr = kAnsage;
                g.phase.schritt = 3;
                return;
            }
            if (a.art == central::kKnopf && a.wert == 66) {
                sagen("Gesund", seat, 13);
                g.aktSpieler = naechster(seat);
                g.phase.schritt = 0;
                if (++g.phase.fluss2 >= 3) {
                    g.phase.schritt = 2;
                    g.phase.fluss2 = 0;
                }
                return;
            }
            fragen(g, 66);
            return;
        case 2:
            g.phase.schritt = 3;
            fragen(g, 67);
            return;
        case 3:
            if (a.art == central::kKnopf && a.wert == 51) {
                sagen("Nimmt Skat auf", seat, 1);
                g.phase.schritt = 22;
                return;
            }
            if (a.art == central::kKnopf && a.wert == 45) {
                sp.geschoben += 1;
                sagen("Schiebt", seat, 12);
                g.phase.schritt = 5;
                return;
            }
            fragen(g, 67);
            return;
        case 22:
            skatNehmen(g, seat, 4);
            return;
        case 4:
            drueckenSchritt(g, a, seat, 5);
            return;
        case 5:
            if (a.art == central::kKnopf && a.frage == 68) {
                if (a.wert == 68) {
                    sagen("Jungfrau", seat, 1);
                    sp.jungfrau.at(seat) = 1;
                }
                g.phase.schritt = 6;
                return;
            }
            if (!o.jungfrauAnsagen) {
                g.phase.schritt = 6;
                return;
            }
            fragen(g, 68);
            return;
        case 6:
            if (++g.phase.fluss2 >= 3) {
                g.phase.schritt = 7;
                return;
            }
            g.aktSpieler = naechster(seat);
            g.phase.schritt = 2;
            return;
        case 7:
        default:
            sp.hand = 0;
            sp.stufe = 0;
            sp.stufeAngesagt = 0;
            sp.alleinspieler = 1;
            g.skat.sk.alleinspieler = 1;
            typSetzen(kRamsch);
            g.aktSpieler = vorhand();
            g.phase.nr = kAnsage;
            g.phase.schritt = 11;
            return;
    }
}

// ---------------------------------------------------------------------------------------------
// End of a deal

void spielEnde(TCG& g) {
    TSkatSpiel& sp = g.skat.spiel;
    TGameResult r;
    if (!sp.ramsch && sp.typ != kEingepasst) handAnhaengen(gewonnenAllein(), skatKopie());
    r.spieler = sp.alleinspieler;
    r.spielWerte[0] = augenSumme(gewonnenAllein());
    r.gewonnen = r.spielWerte[0] >= 61;
    abrechnung(r);
    std::string grund;
    bockRamsch(r, grund);
    r.text2 += grund;
    g_ergebnis = r;
    if (!sp.ramsch && sp.typ != kEingepasst) {
        const bool null = sp.typ == kNull;
        ++(r.gewonnen ? (null ? g_statistik.nullGewonnen : g_statistik.gewonnen)
                      : (null ? g_statistik.nullVerloren : g_statistik.verloren));
    }
    g.antwort.art = kNichts;
    // The table may start the next deal itself (the developer's unattended run): the end phase is
    // set before, never over the new deal's start.
    g.phase.nr = kEnde;
    spielliste::punkteTabelle(g, r, false);
}

}  // namespace

// ---------------------------------------------------------------------------------------------

void stapelZuHand(TSpieler& s) { glu::stapelZuHand(s); }
void handZuStapel(TSpieler& s) { glu::handZuStapel(s); }

int naechsterSitz(int seat) { return naechster(seat == -1 ? cg.aktSpieler : seat); }
int vorigerSitz(int seat) { return voriger(seat == -1 ? cg.aktSpieler : seat); }

bool dealVorbei(const TCG& g) { return g.spielId == spiele::kSkat && g.phase.nr == kEnde; }
const TGameResult& letztesErgebnis() { return g_ergebnis; }
const Statistik& statistik() { return g_statistik; }

void sortierSchluessel() {
    for (int f = 1; f <= 4; ++f)
        for (int t = 1; t <= 14; ++t) ::Kartenwerte[f - 1][t - 1] = t <= 8 ? (5 - f) * 100 + t : 0;
    for (int f = 1; f <= 4; ++f) ::Kartenwerte[f - 1][kBube - 1] = 1005 - f;
}

std::string spielName() {
    const TSkatSpiel& sp = cg.skat.spiel;
    const int typ = cg.skat.sk.typ;
    std::string n;
    if (typ >= 1 && typ <= 4) {
        static const char* const namen[] = {"Kreuz", "Pik", "Herz", "Karo"};
        n = entscheidung::fragen.farbName ? entscheidung::fragen.farbName(typ) : namen[typ - 1];
    } else if (typ == kGrand) {
        n = "Grand";
    } else if (typ == kNull) {
        n = "Null";
    } else if (typ == kRamsch) {
        n = "Ramsch";
    }
    if (sp.hand) n += " Hand";
    if (sp.stufeAngesagt == kOffen) n += " Offen";
    if (sp.stufeAngesagt == kSchwarzAngesagt) n += " Schwarz";
    if (sp.stufeAngesagt == kSchneiderAngesagt) n += " Schneider";
    if (sp.spitze) n += " Spitze";
    return n;
}

void neuesSpiel(bool frisch) {
    central::neuesSpielAllgemein(cg);
    for (int s = 1; s <= 20; ++s) glu::spieler[s - 1].anz = 0;
    for (int s = 1; s <= 20; ++s) glu::spielerZwilling[s - 1].anz = 0;
    if (frisch) {
        optionenLesen(false);
        g_statistik = Statistik{};
        cg.skat.spiegelText = "";
        cg.skat.sonderMarke = "";
    }
    const std::string q = cg.skat.spiegelText.str();
    if (!q.empty()) {
        cg.skat.sonderMarke = q.substr(0, 1);
        cg.skat.spiegelText = q.substr(1);
    } else {
        cg.skat.sonderMarke = "";
    }
    cg.ablauf.anzSpieler = 3;
    tabellenSetzen();
    sortierSchluessel();
    reizliste(cg.skat.optionen.grand20 ? 20 : 24);
    if (frisch) {
        const int g = cg.skat.optionen.ersterGeber;
        // every seat equally likely as the first dealer
        cg.skat.geber = g >= 1 && g <= 3 ? g : 1 + rnd::random(3);
    } else {
        cg.skat.geber = naechster(num::clamp<int>(cg.skat.geber, 1, 3));
    }
    dealZuruecksetzen();
    TSpieler& talon = st(11);
    int n = 0;
    for (uint8_t f = 1; f <= 4; ++f)
        for (uint8_t t = 1; t <= 8; ++t) glu::karteEinlegen(talon.at(++n), karte{t, f, 0});
    talon.anz = 32;
    gtool::stapelMischen(11);
    cg.aktSpieler = hinterhand();
    cg.geber = hinterhand();
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
            break;
        case kGeben:
            geben(g);
            break;
        case kReizen:
            reizen(g);
            break;
        case kAnsage:
            ansage(g);
            break;
        case kKontra:
            kontraPhase(g);
            break;
        case kStiche:
            stiche(g);
            break;
        case kRamschVorSpiel:
            ramschVorSpiel(g);
            break;
        case kBuchen:
            spielEnde(g);
            break;
        default:
            break;
    }
    spielerSymbole();
    spielInfo();
}

std::string blockPruefen(const TCG& g) {
    blockpruefung::Befund b;
    blockpruefung::gemeinsam(b, g, {3, 3, 19, 3, 8});
    const TSkat& s = g.skat;
    const TSkatSpiel& sp = s.spiel;
    b.zahl(s.geber, 0, 3, "Geber");
    b.zahl(s.anspieler, 0, 3, "Anspieler");
    b.zahl(sp.alleinspieler, 0, 3, "Alleinspieler");
    b.zahl(sp.stufe, 0, 5, "Spielstufe");
    b.zahl(sp.jungfrauFehler, 0, 3, "Jungfrau");
    b.zahl(sp.kontra, 0, 4, "Kontra");
    b.zahl(sp.kontraSitz, 0, 3, "Kontra-Sitz");
    b.zahl(sp.hinterhandSitz, 0, 3, "Hinterhand");
    b.zahl(sp.hoererSitz, 0, 3, text::w("Hörer"));
    b.zahl(sp.sagerSitz, 0, 3, "Sager");
    b.zahl(sp.passSitz, 0, 3, "Passer");
    b.zahl(s.reizAnzahl, 0, kReizlisteMax, "Reizliste");
    b.zahl(s.reizPos, 0, s.reizAnzahl + 1, "Reizposition");
    b.zahl(s.sk.alleinspieler, 0, 3, "Alleinspieler");
    b.zahl(s.sk.anspieler, 0, 3, "Anspieler");
    for (int i = 0; i < 5; ++i) b.hand(s.spiegel1[i], kHandMax, 8, "Skat-Karten " + text::fromInt(i + 1));
    for (int i = 0; i < 3; ++i) {
        b.hand(s.spiegelFeld1[i], kHandMax, 8, "Blatt " + text::fromInt(i + 1));
        b.hand(s.spiegel2[i], kHandMax, 8, "Stiche " + text::fromInt(i + 1));
        b.hand(s.spiegelFeld2[i], kHandMax, 8, "Stiche von Spieler " + text::fromInt(i + 1));
    }
    return b.text();
}

void spielLaden() {
    glu::bewegungenVerwerfen();
    // A card that was still flying when the game was saved lies where it came from: the table
    // is brought to what the flow has already booked.
    if (cg.phase.nr == kGeben) {
        for (int s : {1, 2, 3, 15})
            while (anz(s) > 0) karteUmlegen(st(s).at(anz(s)).c, 11);
        cg.phase.schritt = 0;
    }
    if (cg.phase.nr == kStiche || cg.phase.nr == kKontra)
        for (int i = 1; i <= stich().anz; ++i) {
            bool liegt = false;
            for (int j = 1; j <= anz(12); ++j) liegt = liegt || gleich(st(12).at(j).c, stich().at(i));
            if (!liegt) karteUmlegen(stich().at(i), 12);
        }
    central::tischWiederherstellen(cg);
    cg.ablauf.anzSpieler = 3;
    for (int s : {1, 2, 3, 7, 8, 9, 11, 12, 15}) spiegeln(s);
    tabellenSetzen();
    sortierSchluessel();
    const int typ = cg.skat.sk.typ;
    if (typ == kNull || typ == kGrand || typ == kRamsch || (typ >= 1 && typ <= 4)) rangTabelle(typ);
    if (cg.phase.nr == kReizen || cg.phase.nr == kAnsage) {
        // the evaluation is not stored: bidding and declaring go on from the hands as dealt
        // (from the hands and the Skat as dealt, which stay as they were)
        hand jetzt[4];
        const hand skatJetzt = skatKopie();
        const hand skatGegeben = skatOriginal();
        for (int s = 1; s <= 3; ++s) {
            jetzt[s] = st(s).hand;
            if (gegebeneHand(s).anz == 10) st(s).hand = gegebeneHand(s);
        }
        if (skatGegeben.anz == 2) skatKopie() = skatGegeben;
        for (int s = 3; s >= 1; --s) reizwertBerechnen(s);
        for (int s = 1; s <= 3; ++s) st(s).hand = jetzt[s];
        skatKopie() = skatJetzt;
        skatOriginal() = skatGegeben;
    }
    const int allein = cg.skat.spiel.alleinspieler;
    if ((cg.phase.nr == kStiche || cg.phase.nr == kKontra) && istComputer(allein) &&
        cg.skat.spiel.stufeAngesagt >= kOffen && allein >= 1 && allein <= 3) {
        Pos6 p{};
        glu::openhandposition(allein, p);
        glu::movestack(p, allein, 200.0f);
    }
    // the trick's cards back where the seats threw them
    for (int i = 1; i <= stich().anz && i <= anz(12); ++i) {
        const int seat = std::clamp<int>(stich().at(i).nr, 1, 3);
        glu::throwposition(seat, 1, st(12).at(i));
        st(12).at(i).z = static_cast<float>(i) * 0.5f - 97.5f;
    }
    spielerSymbole();
    spielInfo();
}

bool spielbar(const TKartenSlot& slot) {
    const karte k = slot.c;
    // The seat whose stack (or its twin) holds the slot; the human's when none does.
    int seat = 1;
    for (int s = 1; s <= 3; ++s)
        for (const TSpieler* x : {&st(s), &glu::spielerZwilling[s - 1]})
            if (&slot >= &x->k[0] && &slot < &x->k[kSlots]) seat = s;
    const int p = cg.phase.nr;
    if (p == kGeben || p == kReizen || p == kAnsage) return true;
    if (p == kRamschVorSpiel) return k.t != kBube || cg.skat.optionen.bubenSchieben;
    hand h;
    spiegeln(seat);
    bedienbareKarten(st(seat).hand, h);
    return enthaeltKarte(h, k);
}

bool passtAuf(const karte&, const karte&, int) { return true; }

void vorschau(int code) {
    // "Kein Spiel" shows the hand as a Grand would hold it.
    const int typ = code == 14 ? kGrand : code;
    if ((typ >= 1 && typ <= 4) || typ == kNull || typ == kGrand) menschSortieren(typ);
}

bool handOffen(int seat) {
    const int p = cg.phase.nr;
    return (p == kStiche || p == kKontra) && seat != 1 && istComputer(seat) &&
           seat == cg.skat.spiel.alleinspieler && cg.skat.spiel.stufeAngesagt >= kOffen;
}

bool tischHook() { return cg.phase.nr == kReizen || cg.phase.nr == kAnsage; }

// ---------------------------------------------------------------------------------------------

namespace {
bool spielbarHook(const TKartenSlot& s) { return spielbar(s); }
bool handOffenHook(int seat) { return handOffen(seat); }
const hand* stichHook() { return &stich(); }
int reizwertFrage() { return reizwert(cg.skat.reizPos); }
int gebotFrage() { return cg.skat.spiel.reizwertAktuell; }
}  // namespace

void anmelden() {
    spiele::Eintrag e;
    e.spielSchritt = spielSchritt;
    e.kiTick = skatki::kiTick;
    e.neuesSpiel = neuesSpiel;
    e.blockPruefen = blockPruefen;
    e.spielLaden = spielLaden;
    e.highscoreText = highscoreText;
    e.partieEnde = partieEnde;
    e.limitText = limitText;
    e.abrechnungText = abrechnungText;
    spiele::anmelden(spiele::kSkat, e);
    tischhooks::Tabelle& t = tischhooks::tab();
    t.spielbar[spiele::kSkat] = spielbarHook;
    t.passtAuf[spiele::kSkat] = passtAuf;
    t.handOffen[spiele::kSkat] = handOffenHook;
    seams::spiele.skatStich = stichHook;
    seams::spiele.winsu = skat_1::winsu;
    entscheidung::fragen.skatReizwert = reizwertFrage;
    entscheidung::fragen.skatGebot = gebotFrage;
    entscheidung::fragen.handVon = glu::handVonSitz;
    spielliste::anbindung.skatUmGeld = [] { return cg.skat.optionen.umGeld != 0; };
    spielliste::anbindung.skatGeldOption = [] { return static_cast<int>(cg.skat.optionen.geldProPunkt); };
}

SelfplayEintrag selfplayEintrag() {
    SelfplayEintrag e;
    e.anmelden = anmelden;
    e.dealVorbei = dealVorbei;
    e.ergebnis = letztesErgebnis;
    e.kartenErhalten = kartenErhalten;
    e.dealPruefen = dealPruefen;
    e.optionSetzen = optionSetzen;
    e.zufallsAntwort = zufallsAntwort;
    return e;
}

}  // namespace skat
