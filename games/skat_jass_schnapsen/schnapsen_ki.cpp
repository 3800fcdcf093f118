// The computer seat of Schnapsen and Sechsundsechzig: it runs the game-tree search a slice per
// frame and turns the finished result into one action (a card, closing, the trump exchange).
// While the human points at a card it already searches its reply to that card; a result is
// used only for the position it was computed for, and only when its move is legal there.
#include <memory>
#include <vector>

#include "core/central.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/kommentar.h"
#include "core/statunit.h"
#include "games/skat_jass_schnapsen/schnapsen.h"
#include "games/skat_jass_schnapsen/schnapsen_ki.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"

namespace schnapsenki {

float (*bildRate)() = nullptr;
void (*entwicklerText)(int feld, const std::string& text) = nullptr;

namespace {

std::unique_ptr<BaumBuilder> g_baum;
uint64_t g_schluessel = 0;  // the position the running or finished search belongs to
int g_suchSitz = 0;

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }
TSchnapsen& sn() { return cg.schnapsen; }

hand stapelHand(int stack) {
    hand h{};
    for (int i = 1; i <= st(stack).anz && i <= kHandMax; ++i) h.at(++h.anz) = st(stack).at(i).c;
    return h;
}

void hinzu(hand& h, const karte& k) { h.at(++h.anz) = k; }

int staerke(int seat) { return cg.sitzEinstellungen.at(seat).staerke; }

bool knopfAngeboten(int code) {
    const TEntscheidung& e = cg.entscheidung;
    if (!e.mitKnoepfen) return false;
    for (int i = 1; i <= e.knopfAnzahl && i <= 8; ++i)
        if (e.code(i) == code) return true;
    return false;
}

// A position key over what the searched seat sees: its hand, the trick, the talon's size, the
// strict rule and the closing seat.
uint64_t schluessel(const hand& eigen, const hand& stich, int talon, bool streng, int sperrSitz, int amZug) {
    uint64_t x = 1469598103934665603ull;
    auto mischen = [&](uint64_t v) {
        x ^= v;
        x *= 1099511628211ull;
    };
    for (int i = 1; i <= eigen.anz; ++i) mischen(eigen.at(i).t * 8u + eigen.at(i).f);
    mischen(99);
    for (int i = 1; i <= stich.anz; ++i) mischen(stich.at(i).t * 8u + stich.at(i).f);
    mischen(static_cast<uint64_t>(talon) * 1000 + (streng ? 100 : 0) + static_cast<uint64_t>(sperrSitz) * 10 +
            static_cast<uint64_t>(amZug));
    return x;
}

}  // namespace

Lage lageAusSpiel(int suchSitz, bool echt) {
    Lage l;
    l.sechsundsechzig = sn().sechsundsechzig != 0;
    l.sperrenErlaubt = sn().sperrenErlaubt != 0;
    l.trumpf = sn().trumpf;
    l.suchSitz = suchSitz;
    l.amZug = cg.aktSpieler;
    l.streng = sn().talon.streng != 0;
    l.sperrSitz = sn().sperrSitz;
    for (int s = 1; s <= 2; ++s) {
        l.haende[s] = stapelHand(s);
        l.gewonnen[s] = stapelHand(s + 6);
        l.angesagt[s] = sn().angesagt.at(s);
    }
    l.talon = stapelHand(11);
    if (st(13).anz >= 1) l.atout = st(13).at(1).c;
    // a closed talon carries the trump card turned down on top
    if (st(13).anz == 0 && sn().talon.zu && l.talon.anz >= 1) {
        l.atout = l.talon.at(l.talon.anz);
        l.talon.anz = static_cast<int16_t>(l.talon.anz - 1);
    }
    l.stich = stapelHand(12);
    if (echt) return l;
    // The hidden cards are guessed: the talon and the other seat's hand are pooled and dealt
    // again at random, the talon's bottom card and a pointed card staying where they are.
    const int gegner = suchSitz == 1 ? 2 : 1;
    hand pool{};
    for (int i = 1; i <= l.talon.anz; ++i) hinzu(pool, l.talon.at(i));
    const TSchnapsenAnzeige& a = sn().anzeige;
    karte gezeigt{};
    for (int i = 1; i <= l.haende[gegner].anz; ++i) {
        if (a.zeigerSitz == gegner && a.zeigerIndex == i)
            gezeigt = l.haende[gegner].at(i);
        else
            hinzu(pool, l.haende[gegner].at(i));
    }
    const int talonAnz = l.talon.anz, handAnz = l.haende[gegner].anz;
    hand talon{}, gegnerHand{};
    auto ziehen = [&pool]() {
        const int i = 1 + rnd::random(pool.anz);
        const karte k = pool.at(i);
        pool.at(i) = pool.at(pool.anz);
        pool.anz = static_cast<int16_t>(pool.anz - 1);
        return k;
    };
    if (gezeigt.t != 0) hinzu(gegnerHand, gezeigt);
    if (talonAnz >= 1 && pool.anz >= 1) {
        hinzu(talon, pool.at(1));
        pool.at(1) = pool.at(pool.anz);
        pool.anz = static_cast<int16_t>(pool.anz - 1);
    }
    while (talon.anz < talonAnz && pool.anz > 0) hinzu(talon, ziehen());
    while (gegnerHand.anz < handAnz && pool.anz > 0) hinzu(gegnerHand, ziehen());
    l.talon = talon;
    l.haende[gegner] = gegnerHand;
    return l;
}

BaumBuilder& baum() {
    if (!g_baum) g_baum = std::make_unique<BaumBuilder>();
    return *g_baum;
}

void sucheZuruecksetzen() {
    if (g_baum) g_baum->zuruecksetzen();
}
bool sucheFertig() { return g_baum && g_baum->zustand() == 3; }
int suchSitz() { return zeigerKarteGesetzt() ? 2 : cg.aktSpieler; }
bool zeigerKarteGesetzt() { return sn().anzeige.zeigerSitz >= 1 && sn().anzeige.zeigerIndex > 0; }

namespace {
bool g_gegruesst = false;  // the greeting comes once per match

// Trumps and Asse in the seat's hand: what its remarks on the hand go by.
int starkeKarten(int seat) {
    int n = 0;
    for (int i = 1; i <= st(seat).anz; ++i) {
        const karte k = st(seat).at(i).c;
        if (k.f == sn().trumpf || k.t == schnapsen::kAss) ++n;
    }
    return n;
}
}  // namespace

void kommentar(int event, int seat) {
    if (seat == -1) seat = cg.aktSpieler;
    if (seat != 2) return;  // only the computer seat remarks
    auto sagen = [seat](const char* t, int code) { gtool::sagen(text::w(t), seat, code, false); };
    auto gefuehl = [seat](int kind, int erregung) { central::kommentar(seat, 0, kind, kind, erregung); };
    switch (event) {
        case 1:
            if (!g_gegruesst && envParam.kommentare >= 2) {
                g_gegruesst = true;
                sagen("GrüßDich", 20);
            }
            return;
        case 2: sagen("Zugedreht", 21); return;
        case 5: {
            const hand h = stapelHand(seat);
            bool paar = false;
            for (int i = 1; i <= h.anz; ++i) paar = paar || schnapsen::paarPartner(h, i) > 0;
            if (!paar && starkeKarten(seat) <= 1 && envParam.kommentare >= 2 && rnd::uniform() > 0.3)
                central::kommentar(seat, 4, 17, 17, 40);
            return;
        }
        case 6:
            switch (starkeKarten(seat)) {
                case 0: gefuehl(-3 + rnd::random(2), 75); return;
                case 1: gefuehl(-3 + rnd::random(3), 60); return;
                case 2: gefuehl(-2 + rnd::random(2), 60); return;
                default: return;
            }
        case 7: central::kommentar(seat, 4, 23, 23, 60); return;
        case 8: sagen("Ich tausche", 22); return;
        default: return;
    }
}

void neueRunde() { g_gegruesst = false; }

namespace {

void entwickler(int feld, const std::string& t) {
    if (gtool::kiLogAn && entwicklerText) entwicklerText(feld, t);
}

// The end of a search: the debug line starts afresh with the line the search expects, the list
// shows every first move, and the statistics panel counts on.
void abschliessen(const BaumBuilder& b) {
    if (entwicklerText) entwicklerText(0, "");
    entwickler(0, b.besterText());
    entwickler(1, b.baumText());
    statunit::statisticsCaption();
}

uint64_t jetzigerSchluessel(int seat) {
    return schluessel(stapelHand(seat), stapelHand(12), st(11).anz, sn().talon.streng != 0, sn().sperrSitz,
                      cg.aktSpieler);
}

void zeigerLoeschen() {
    sn().anzeige.zeigerSitz = 0;
    sn().anzeige.zeigerIndex = 0;
}

// No usable result: the first decision button now and then, else the first legal card.
void ersatzZug(int seat) {
    const TEntscheidung& e = cg.entscheidung;
    if (e.mitKnoepfen && e.knopfAnzahl >= 1 && rnd::uniform() > 0.9) {
        central::antwort(cg, central::kKnopf, 0, e.code(1));
        return;
    }
    for (int i = 1; i <= st(seat).anz; ++i)
        if (schnapsen::spielbar(st(seat).at(i))) {
            central::antwort(cg, central::kKarte, 0, i);
            return;
        }
}

void suchen(int seat) {
    const TSchnapsenAnzeige& a = sn().anzeige;
    const bool ponder = seat == 1 && zeigerKarteGesetzt();
    const int gesucht = ponder ? 2 : seat;
    const int k = staerke(gesucht);
    const int zeit = k == 1 ? 100 : k == 2 ? 150 : 200;
    const bool echt = k >= 3 || (k == 2 && rnd::uniform() < 0.5);
    Lage l = lageAusSpiel(gesucht, echt);
    int zeiger = 0;
    if (ponder) {
        const karte gezeigt = st(1).at(a.zeigerIndex).c;
        for (int i = 1; i <= l.haende[1].anz; ++i)
            if (gleich(l.haende[1].at(i), gezeigt)) zeiger = i;
        // the position the reply will be played in: the pointed card on the trick
        hand stich = stapelHand(12);
        hinzu(stich, gezeigt);
        g_schluessel = schluessel(stapelHand(2), stich, st(11).anz, sn().talon.streng != 0, sn().sperrSitz, 2);
    } else {
        g_schluessel = jetzigerSchluessel(seat);
    }
    g_suchSitz = gesucht;
    baum().starten(l, sn().sechsundsechzig ? 8 : 10, zeit, kKnotenMax, zeiger);
}

void ergebnisSpielen(int seat) {
    BaumBuilder& b = baum();
    b.zuruecksetzen();
    if (g_suchSitz != seat || g_schluessel != jetzigerSchluessel(seat)) return;  // searched for another position
    if (staerke(seat) == 1 && rnd::uniform() < 0.25) {
        ersatzZug(seat);
        return;
    }
    const BesterKnoten best = b.besterKnoten();
    if (best.index < 0) {
        zeigerLoeschen();
        ersatzZug(seat);
        return;
    }
    if (best.kartenIndex == kSchliessen) {
        if (knopfAngeboten(104)) {
            kommentar(7, seat);
            central::antwort(cg, central::kKnopf, 0, 104);
        }
        else
            ersatzZug(seat);
        return;
    }
    if (best.seite == 2) {
        // The search has proven the outcome: the seat lets it show.
        if (best.win > 0.1f) {
            const int art = 1 + rnd::random(3);
            central::kommentar(seat, 0, art, art, 60);
        } else if (best.win <= -0.1f) {
            const int art = -1 - rnd::random(3);
            central::kommentar(seat, 0, art, art, 60);
        }
    }
    for (int i = 1; i <= st(seat).anz; ++i)
        if (gleich(st(seat).at(i).c, b.karteAn(best.gespielt))) {
            if (schnapsen::spielbar(st(seat).at(i))) central::antwort(cg, central::kKarte, 0, i);
            return;  // an illegal result is dropped: the next frame searches again
        }
}

}  // namespace

void kiTick() {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 2) return;
    const bool ponder = seat == 1 && zeigerKarteGesetzt();
    if (!ponder && staerke(seat) == 0) {
        schnapsen::zufallsAntwort();
        return;
    }
    // The exchange is offered: take it first, then search for the card.
    if (!ponder && cg.antwort.offen == 2 && knopfAngeboten(105)) {
        sucheZuruecksetzen();
        central::antwort(cg, central::kKnopf, 0, 105);
        return;
    }
    BaumBuilder& b = baum();
    switch (b.zustand()) {
        case 0:
            suchen(seat);
            return;
        case 1:
        case 2:
            entwickler(0, b.statistikText());
            b.rechnen(bildRate ? bildRate() : 60.0f);
            if (b.zustand() == 3) {
                abschliessen(b);
                if (ponder) zeigerLoeschen();
            }
            return;
        default:
            if (ponder || (seat == 1 && cg.antwort.offen != 2)) return;  // the result waits for the seat's turn
            ergebnisSpielen(seat);
            return;
    }
}

}  // namespace schnapsenki
