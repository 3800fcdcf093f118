// The phase machine of a Schnapsen or Sechsundsechzig deal: dealing, turning up the trump card,
// leading and following, 20 and 40, closing the talon, exchanging the trump card, drawing after
// each trick, and the end of the deal. Every action, the human's click and the computer seat's
// alike, arrives as the stored action of central::antwort and is checked here before it counts.
#include "games/skat_jass_schnapsen/schnapsen.h"

#include <string_view>

#include "core/blockpruefung.h"
#include "core/central.h"
#include "core/entscheidung.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/highscore.h"
#include "core/seams.h"
#include "core/spiele.h"
#include "core/statunit.h"
#include "games/skat_jass_schnapsen/schnapsen_ki.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/renderstapel.h"
#include "table/tischhooks.h"

namespace schnapsen {

namespace {

enum Phase : uint8_t { kStart = 0, kGeben = 1, kSpiel = 4, kEnde = 5 };

// Sub-states of play (cg.antwort.warten).
enum Zustand : uint8_t {
    kZiehen = 0,       // the trick's winner draws
    kKarte = 2,        // a card was submitted
    kWartet = 3,       // the decision is open, or its answer has arrived
    kZugBeginn = 4,    // a seat's turn begins
    kAndererZieht = 5, // the other seat draws
    kStichAus = 6,     // the trick is complete: resolve it
    kPause = 7,        // a short pause before resolving
    kRaeumen = 8,      // the trick's cards go to the winner
    kTauschen = 9,     // the trump exchange: the open card to the hand, the exchange card to its place
};

constexpr uint8_t kNichts = 7;  // stored-action kind: nothing stored
constexpr int kTalon = 11, kStich = 12, kAtout = 13;

int g_abgelehnt = 0;  // actions refused as illegal since the start (soak checks)
int g_letzterZeiger = 0;  // the human's card whose reply was searched last in this turn

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }
int anz(int stack) { return st(stack).anz; }
std::string w(std::string_view s) { return text::w(s); }
int anderer(int seat) { return seat == 1 ? 2 : 1; }
TSchnapsen& sn() { return cg.schnapsen; }

// n cards from the top of the talon to the seat; the step waits for the last one.
void austeilen(int seat, int n) {
    const int m = anz(kTalon);
    if (n < 1 || m < n) return;
    glu::dealcards(seat, n, 0, 0, kTalon, 0);
    central::bewegungAbwarten(cg, kTalon, m + 1 - n);
}

// The top card of one stack onto the top of another; the step waits for it.
void obenAuf(int von, int nach) {
    const int slot = anz(von);
    if (slot < 1) return;
    if (glu::movecardrecord(von, slot, nach, anz(nach) + 1, 1, 2, 14, 0, 0)) cg.bewegungWarten.aktiv = 1;
}

hand handVonStapel(int stack) {
    hand h{};
    const TSpieler& s = st(stack);
    for (int i = 1; i <= s.anz && i <= kHandMax; ++i) h.at(++h.anz) = s.at(i).c;
    return h;
}

bool talonOffen() { return !sn().talon.streng; }

bool stichLeer() { return anz(kStich) == 0; }

bool tauschErlaubt(int seat) {
    return sn().tauschenErlaubt && talonOffen() && stichLeer() && anz(kAtout) >= 1 && anz(kTalon) >= 1 &&
           tauschKarteIndex(seat) >= 1;
}

bool sperrenErlaubt() { return sn().sperrenErlaubt && talonOffen() && stichLeer() && anz(kAtout) >= 1; }

void fragen(TCG& g) {
    g.antwort.art = kNichts;
    central::entscheidungAbfragen(g, 103);
}

void sagen(const std::string& t, int seat, int code) { gtool::sagen(w(t), seat, code, false); }

void talonAuslegen();

// The exchange is read from the table, so that a game saved while a card flies goes on from
// what has landed: while the open card is not yet the exchange card, it first goes into the hand
// and then the exchange card takes its place; once it lies there the talon is laid out again
// and the seat goes on with its turn.
void tauschSchritt(TCG& g) {
    const int seat = g.aktSpieler;
    const int tausch = tauschWert(sn().sechsundsechzig != 0);
    const bool liegt =
        anz(kAtout) >= 1 && st(kAtout).at(1).c.t == tausch && st(kAtout).at(1).c.f == sn().trumpf;
    if (liegt) {
        talonAuslegen();
        sn().tauschMarke = 0;
        g.antwort.warten = kZugBeginn;
        return;
    }
    if (anz(kAtout) >= 1) {
        glu::dealcards(seat, 1, 0, 0, kAtout, 0);
        central::bewegungAbwarten(cg, kAtout, 1);
        return;
    }
    const int i = tauschKarteIndex(seat);
    if (i < 1) {
        g.antwort.warten = kZugBeginn;
        return;
    }
    const int gespielt = glu::playcard(seat, i, kAtout, 1);
    if (gespielt >= 1) central::bewegungAbwarten(cg, seat, gespielt);
}

void karteTauschen(TCG& g, int seat) {
    if (tauschKarteIndex(seat) < 1) return;
    sn().tauschMarke = 1;
    schnapsenki::kommentar(8, seat);
    g.antwort.warten = kTauschen;
    tauschSchritt(g);
}

void zudrehen(int seat) {
    statunit::zaehlen(seat, 2, 1);
    sn().talon.streng = 1;
    sn().talon.zu = 1;
    sn().sperrSitz = seat;
    punkteAktualisieren();
    for (int s = 1; s <= 2; ++s) {
        sn().augenBeimSperren.at(s) = sn().augen.at(s);
        sn().stichBeimSperren.at(s) = hatStich(s) ? 1 : 0;
    }
    // The open trump card is turned down across the talon: no card is drawn in this deal again.
    const int oben = anz(kTalon) + 1;
    if (anz(kAtout) >= 1 && glu::movecardrecord(kAtout, anz(kAtout), kTalon, oben, 1, 2, 14, 0, 0)) {
        st(kTalon).at(oben).a3 += 90;
        cg.bewegungWarten.aktiv = 1;
    }
    schnapsenki::kommentar(2, seat);
    schnapsenki::kommentar(6, anderer(seat));
}

// A card from the seat's hand onto the trick, after its announcement.
void karteSpielen(TCG& g, int seat, int index) {
    const hand h = handVonStapel(seat);
    if (stichLeer() && paarPartner(h, index) > 0) {
        sn().angesagt.at(seat) += ansageWert(h.at(index), sn().trumpf);
        if (seat == 2) {
            sn().anzeige.paar[0] = index;
            sn().anzeige.paar[1] = paarPartner(h, index);
        }
        sagen(h.at(index).f == sn().trumpf ? "40" : "20", seat, 1);
        // Reaching 66 by the announcement ends the deal before the card is played.
        if (punkteAktualisieren()) {
            sn().dealAus = 1;
            return;
        }
    }
    if (stichLeer()) g.phase.fluss1 = seat;  // the trick's leader
    const int gespielt = glu::playcard(seat, index, kStich, 0);
    if (gespielt >= 1) central::bewegungAbwarten(cg, seat, gespielt);
    g.phase.schritt += 1;
    if (g.phase.fluss1 == seat) {
        g.aktSpieler = anderer(seat);
        g.antwort.warten = kZugBeginn;
    } else {
        g.antwort.warten = kPause;
    }
}

void aktionAuswerten(TCG& g) {
    const int art = g.antwort.art;
    const int wert = g.antwort.wert2;
    g.antwort.art = kNichts;
    const int seat = g.aktSpieler;
    g.antwort.warten = kZugBeginn;  // anything refused asks again
    if (art == central::kKnopf && wert == 105 && tauschErlaubt(seat)) {
        karteTauschen(g, seat);
        return;
    }
    if (art == central::kKnopf && wert == 104 && sperrenErlaubt()) {
        zudrehen(seat);
        return;
    }
    if (art == central::kKarte && wert >= 1 && wert <= anz(seat) && spielbar(st(seat).at(wert))) {
        karteSpielen(g, seat, wert);
        return;
    }
    ++g_abgelehnt;
}

void zugBeginn(TCG& g) {
    sn().anzeige.paar[0] = sn().anzeige.paar[1] = 0;
    sn().tauschMarke = 0;
    if (punkteAktualisieren() || anz(g.aktSpieler) == 0) {
        sn().dealAus = 1;
        return;
    }
    if (g.aktSpieler == 1) {
        schnapsenki::sucheZuruecksetzen();
        g_letzterZeiger = 0;
    }
    fragen(g);
}

void stichAufloesen(TCG& g) {
    const karte erste = st(kStich).at(1).c, zweite = st(kStich).at(2).c;
    const int zweiterSitz = anderer(g.phase.fluss1);
    const int sieger = stichSieger(erste, zweite, zweiterSitz, sn().trumpf);
    g.aktSpieler = sieger;
    if (anz(1) == 0) sn().anzeige.letzterStichSitz = sieger;
    g.antwort.warten = kRaeumen;
}

void raeumen(TCG& g) {
    const int sieger = g.aktSpieler;
    if (anz(kStich) > 0) {
        obenAuf(kStich, sieger + 6);
        return;
    }
    punkteAktualisieren();
    if (!sn().talon.streng)
        g.antwort.warten = kZiehen;
    else if (anz(sieger) == 0)
        sn().dealAus = 1;
    else
        g.antwort.warten = kZugBeginn;
}

void ziehen(TCG& g) {
    if (anz(kTalon) < 2) sn().talon.streng = 1;  // the last talon card goes now
    if (anz(kTalon) >= 1) austeilen(g.aktSpieler, 1);
    g.antwort.warten = kAndererZieht;
}

void andererZieht(TCG& g) {
    const int seat = anderer(g.aktSpieler);
    if (anz(kTalon) >= 1) {
        austeilen(seat, 1);
    } else if (anz(kAtout) >= 1) {
        // the loser of the trick that empties the talon takes the open trump card
        if (glu::movecardrecord(kAtout, anz(kAtout), seat, anz(seat) + 1, 1, 2, 14, 0, 0))
            cg.bewegungWarten.aktiv = 1;
    }
    g.antwort.warten = kZugBeginn;
}

void spiel(TCG& g) {
    if (sn().dealAus) {
        abrechnen();
        return;
    }
    switch (g.antwort.warten) {
        case kZugBeginn: zugBeginn(g); return;
        case kWartet: aktionAuswerten(g); return;
        case kPause:
            // The full trick stays a moment on the table before it is taken.
            gtool::sagen(w("warten.."), 0, 0, false);
            g.antwort.warten = kStichAus;
            return;
        case kStichAus: stichAufloesen(g); return;
        case kRaeumen: raeumen(g); return;
        case kZiehen: ziehen(g); return;
        case kAndererZieht: andererZieht(g); return;
        case kTauschen: tauschSchritt(g); return;
        default: g.antwort.warten = kZugBeginn; return;
    }
}

// After the deal the talon's cards lie across the open trump card: 350 towards the front and 20
// to the right of the talon's place, in every slot, so that the slots already dealt keep that
// place in the second stack array and laying out again changes nothing.
void talonAuslegen() {
    TSpieler& talon = st(kTalon);
    TSpieler& zwilling = glu::spielerZwilling[kTalon - 1];
    for (int i = 1; i <= kSlots; ++i) {
        TKartenSlot& k = talon.at(i);
        k.x = 20;
        k.y = 350;
        if (i > talon.anz) glu::copyplacement(zwilling.at(i), k);
    }
}

// Dealing: pass 1 three cards each, then (Schnapsen) the trump card and two cards each, or
// (Sechsundsechzig) three cards each and the trump card.
void geben(TCG& g) {
    if (sn().gebenFertig) {
        g.phase.nr = kSpiel;
        g.phase.schritt = 0;
        sn().gebenFertig = 0;
        sn().trumpf = st(kAtout).at(1).c.f;
        g.aktSpieler = sn().startSitz;
        g.antwort.warten = kZugBeginn;
        schnapsenki::kommentar(5, 2);
        return;
    }
    if (g.phase.schritt == 0) schnapsenki::kommentar(1, 2);
    const int c = ++g.phase.schritt;
    if (envParam.austeilen == 1) {
        // All at once: each seat its whole hand in one move, then the trump card.
        if (c <= 2) {
            g.aktSpieler = anderer(g.aktSpieler);
            austeilen(g.aktSpieler, sn().sechsundsechzig ? 6 : 5);
        } else if (c == 3) {
            obenAuf(kTalon, kAtout);
        } else {
            talonAuslegen();
            sn().gebenFertig = 1;
        }
        return;
    }
    if (c > 6) {
        talonAuslegen();
        sn().gebenFertig = 1;
        return;
    }
    g.aktSpieler = anderer(g.aktSpieler);
    const int pass = (c - 1) / 2 + 1;
    const bool trumpfPass = sn().sechsundsechzig ? pass == 3 : pass == 2;
    if (trumpfPass) {
        if (c % 2 == 1) obenAuf(kTalon, kAtout);
        return;
    }
    austeilen(g.aktSpieler, sn().sechsundsechzig || pass == 1 ? 3 : 2);
}

}  // namespace

// ---------------------------------------------------------------------------------------------

int stapelAugen(int stack) {
    int n = 0;
    for (int i = 1; i <= anz(stack); ++i) n += kartenAugen(st(stack).at(i).c);
    return n;
}

bool hatStich(int seat) { return anz(seat + 6) > 0; }

int sitzPunkte(int stack) {
    const int seat = stack - 6;
    if (seat < 1 || seat > 2) return 0;
    return stapelAugen(stack) + sn().angesagt.at(seat);
}

std::string stichPunkteText(int stack) {
    const int seat = stack - 6;
    if (seat < 1 || seat > 2) return "";
    if (!hatStich(seat)) return "(" + text::fromInt(sn().angesagt.at(seat)) + ")";
    return text::fromInt(sitzPunkte(stack));
}

bool punkteAktualisieren() {
    bool erreicht = false;
    for (int s = 1; s <= 2; ++s) {
        sn().augen.at(s) = dealAugen(stapelAugen(s + 6), sn().angesagt.at(s), hatStich(s));
        erreicht = erreicht || sn().augen.at(s) >= 66;
    }
    return erreicht;
}

int tauschKarteIndex(int seat) {
    if (seat < 1 || seat > 2) return -1;
    const int t = tauschWert(sn().sechsundsechzig != 0);
    for (int i = 1; i <= anz(seat); ++i)
        if (st(seat).at(i).c.t == t && st(seat).at(i).c.f == sn().trumpf) return i;
    return -1;
}

bool paarKarteOffen(int stack, int index) {
    return stack == 2 && index >= 1 && (index == sn().anzeige.paar[0] || index == sn().anzeige.paar[1]);
}

bool spielbar(const TKartenSlot& slot) {
    if (cg.phase.nr != kSpiel) return false;
    if (stichLeer()) return true;
    return passtAuf(slot.c, st(kStich).at(1).c, 0);
}

bool passtAuf(const karte& card, const karte& lead, int) {
    if (cg.phase.nr != kSpiel) return false;
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 2) return false;
    return regelPruefen(card, lead, handVonStapel(seat), sn().talon.streng != 0, sn().trumpf);
}

bool dealVorbei(const TCG& g) { return g.spielId == spiele::kSchnapsen && g.phase.nr == kEnde; }
int abgelehnteZuege() { return g_abgelehnt; }

void neuesSpiel(bool frisch) {
    schnapsenki::sucheZuruecksetzen();
    const uint8_t variante = sn().sechsundsechzig;
    if (frisch) {
        optionenLesen();
        sn().bummerl.at(1) = sn().bummerl.at(2) = 0;
        schnapsenki::neueRunde();
    }
    sn().trumpf = 0;
    sn().talon = TSchnapsenTalon{};
    sn().anzeige = TSchnapsenAnzeige{};
    for (int s = 1; s <= 2; ++s) {
        sn().angesagt.at(s) = sn().augen.at(s) = sn().augenBeimSperren.at(s) = 0;
        sn().stichBeimSperren.at(s) = 0;
    }
    sn().sperrSitz = 0;
    sn().tauschMarke = sn().gebenFertig = sn().dealAus = 0;
    sn().sechsundsechzig = variante;
    central::neuesSpielAllgemein(cg);
    for (int s = 1; s <= 20; ++s) glu::spieler[s - 1].anz = 0;
    for (int s = 1; s <= 20; ++s) glu::spielerZwilling[s - 1].anz = 0;
    cg.ablauf.anzSpieler = 2;
    for (int f = 1; f <= 4; ++f)
        for (int t = 1; t <= 14; ++t) ::Kartenwerte[f - 1][t - 1] = t <= 8 ? (5 - f) * 100 + t : 0;
    TSpieler& talon = st(kTalon);
    const int unten = sn().sechsundsechzig ? kNeun : kBube;
    int n = 0;
    for (int t = unten; t <= kAss; ++t)
        for (int f = 1; f <= 4; ++f)
            glu::karteEinlegen(talon.at(++n), karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0});
    talon.anz = n;
    gtool::stapelMischen(kTalon);
    sn().richtung = 1;
    if (frisch || sn().startSitz < 1 || sn().startSitz > 2)
        sn().startSitz = 1 + rnd::random(2);
    else
        sn().startSitz = anderer(sn().startSitz);
    cg.aktSpieler = sn().startSitz;
    const int proBummerl = bummerlPunkte(sn().punkteProBummerl);
    if (!frisch && (cg.konto[1] <= 0 || cg.konto[2] <= 0)) cg.konto[1] = cg.konto[2] = proBummerl;
    cg.phase.schritt = 0;
    cg.phase.fluss1 = cg.phase.fluss2 = cg.phase.fluss3 = 0;
    cg.antwort.art = kNichts;
    cg.antwort.warten = 0;
}

void spielSchritt(TCG& g) {
    switch (g.phase.nr) {
        case kStart:
            g.phase.nr = kGeben;
            g.phase.schritt = 0;
            break;
        case kGeben: geben(g); break;
        case kSpiel: spiel(g); break;
        default: break;
    }
    anzeigeAktualisieren();
}

std::string blockPruefen(const TCG& g) {
    blockpruefung::Befund b;
    blockpruefung::gemeinsam(b, g, {2, 2, 5, 2, 8});
    const TSchnapsen& s = g.schnapsen;
    // The seat that leads a deal's first trick becomes the seat on turn: a stack number.
    b.zahl(s.startSitz, 1, 2, "Startsitz");
    b.zahl(s.sperrSitz, 0, 2, "Sperrsitz");
    b.zahl(s.trumpf, 0, 4, "Trumpf");
    b.zahl(s.anzeige.letzterStichSitz, 0, 2, "letzter Stich");
    b.zahl(s.anzeige.zeigerSitz, 0, 2, "Zeiger");
    b.zahl(s.anzeige.zeigerIndex, 0, kHandMax, "Zeiger");
    b.zahl(s.anzeige.partner, 0, kHandMax, "Paar");
    for (int i = 0; i < 2; ++i) b.zahl(s.anzeige.paar[i], 0, kHandMax, "Paar");
    return b.text();
}

void spielLaden() {
    glu::bewegungenVerwerfen();
    central::tischWiederherstellen(cg);
    if (cg.phase.nr == kSpiel) talonAuslegen();
    if (cg.phase.nr == kSpiel && sn().talon.zu && anz(kTalon) >= 1) st(kTalon).at(anz(kTalon)).a3 += 90;
    cg.ablauf.anzSpieler = 2;
    for (int f = 1; f <= 4; ++f)
        for (int t = 1; t <= 14; ++t) ::Kartenwerte[f - 1][t - 1] = t <= 8 ? (5 - f) * 100 + t : 0;
    schnapsenki::sucheZuruecksetzen();
    anzeigeAktualisieren();
}

void zeigerKarteSetzen(int index, int seat) {
    TSchnapsenAnzeige& a = sn().anzeige;
    if (index == a.zeigerIndex && seat == a.zeigerSitz) return;
    // The card stays raised after its reply was found: that result waits, nothing restarts.
    if (index == g_letzterZeiger && schnapsenki::sucheFertig()) return;
    g_letzterZeiger = index;
    a.zeigerSitz = seat;
    a.zeigerIndex = index;
    schnapsenki::sucheZuruecksetzen();
    schnapsenki::kiTick();
}

namespace {
bool spielbarHook(const TKartenSlot& s) { return spielbar(s); }
entscheidung::SchnapsenLage lage(int seat) {
    entscheidung::SchnapsenLage l;
    l.talonOffen = talonOffen() && anz(kAtout) >= 1;
    l.fuehrt = stichLeer();
    l.tauschMoeglich = tauschKarteIndex(seat) >= 1 && anz(kTalon) >= 1;
    l.tauschRegel = sn().tauschenErlaubt != 0;
    l.sperrRegel = sn().sperrenErlaubt != 0;
    return l;
}
bool talonZu() { return sn().talon.zu != 0; }
void paarPruefenHook(int mode, int suit) {
    if (mode == 1) {
        // The human points at a card while leading: the other card of its pair is found so that
        // the table raises it too, a preview of the 20 or 40 it would announce.
        sn().anzeige.partner = 0;
        const int i = tischhooks::schale().gehobeneKarte;
        if (cg.phase.nr != kSpiel || cg.aktSpieler != 1 || !stichLeer()) return;
        sn().talon.paarTest = 1;
        sn().anzeige.partner = paarPartner(handVonStapel(1), i, suit);
        sn().talon.paarTest = 0;
        return;
    }
    // The human points at a card: the computer already searches its reply to it.
    if (mode != 2 || cg.aktSpieler != 1) return;
    sn().talon.paarTest = 1;  // the lift it starts must not ask again
    zeigerKarteSetzen(tischhooks::schale().gehobeneKarte, 1);
    sn().talon.paarTest = 0;
}
int32_t bummerlStart() { return bummerlPunkte(sn().punkteProBummerl); }
// A card thrown onto the trick lies to one side, the other seat's to the other; which side is
// the human's is chosen anew for every trick.
int g_wurfSeite = 1;
void wurf(int seat, TKartenSlot& k) {
    if (anz(kStich) == 0) g_wurfSeite = rnd::uniform() < 0.5 ? 1 : -1;
    const float seite = static_cast<float>(seat == 1 ? g_wurfSeite : -g_wurfSeite);
    k.x += seite * static_cast<float>(30 + rnd::random(20));
    k.a3 += static_cast<float>(rnd::random(20) - 10);
}

// The table: the won tricks beside each seat, the talon to the side, the open trump card across
// it in a loose pile.
void tischLayout() {
    // The human's hand is held where the other trick games hold it: the table's own place for
    // it in this game lies below the view.
    st(1).pos.v[1] -= 250;
    st(1).pos.v[2] -= 100;
    st(7).pos.v[0] += 1300;
    st(7).pos.v[2] += 250;
    st(7).pos.v[5] = 195;
    st(8).pos.v[0] += 700;
    st(8).pos.v[5] = 0;
    // the talon waits behind the trump card's place until the deal is done
    st(kTalon).pos.v[0] -= 100;
    st(kTalon).pos.v[2] -= 400;
    TSpieler& atout = st(kAtout);
    atout.pos = Pos6{{0, 274, -350, -80, -6, 0}};
    for (int i = 1; i <= kSlots; ++i) {
        TKartenSlot& k = atout.at(i);
        k.x = static_cast<float>(rnd::random(20) - 10);
        k.y = static_cast<float>(rnd::random(20) - 10);
        k.z = 2.0f * static_cast<float>(i) - 1;
        k.a3 = static_cast<float>(95 + rnd::random(20));
    }
}
}  // namespace

void anmelden() {
    spiele::Eintrag e;
    e.spielSchritt = spielSchritt;
    e.kiTick = schnapsenki::kiTick;
    e.neuesSpiel = neuesSpiel;
    e.blockPruefen = blockPruefen;
    e.spielLaden = spielLaden;
    e.highscoreText = highscoreText;
    e.partieEnde = partieEnde;
    e.limitText = limitText;
    e.abrechnungText = abrechnungText;
    spiele::anmelden(spiele::kSchnapsen, e);
    tischhooks::Tabelle& t = tischhooks::tab();
    t.spielbar[spiele::kSchnapsen] = spielbarHook;
    t.passtAuf[spiele::kSchnapsen] = passtAuf;
    t.schnapsenPaarPruefen = paarPruefenHook;
    t.schnapsenLayout = tischLayout;
    t.schnapsenWurf = wurf;
    glu::schnapsenTalonZu = talonZu;
    glu::schnapsenPaarKarteOffen = paarKarteOffen;
    entscheidung::fragen.schnapsen = lage;
    entscheidung::fragen.handVon = glu::handVonSitz;
    central::dienste.schnapsenBummerl = bummerlStart;
    // after loading a game the computer seat greets again
    central::dienste.schnapsenGruss = [] {
        schnapsenki::neueRunde();
        schnapsenki::kommentar(1, 2);
    };
    spielliste::anbindung.schnapsenTabelle = punkteTabelle;
    highscore::anbindung.bummerl = [](int seat) { return seat >= 1 && seat <= 2 ? sn().bummerl.at(seat) : 0; };
}

}  // namespace schnapsen
