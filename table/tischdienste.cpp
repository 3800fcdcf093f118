#include "table/tischdienste.h"

#include <cstring>

#include "core/cg.h"
#include "core/skat_1.h"
#include "core/spielstand.h"
#include "table/glu.h"
#include "table/k12.h"
#include "table/overlays.h"

namespace tischdienste {

namespace {

TSpieler* st(int spi) { return glu::gueltig(spi) ? glu::stapel(spi, "tischdienste") : nullptr; }

void packenIn(TCG& g) {
    for (int h = 1; h <= kStapel; ++h) {
        TSpieler& s = glu::spieler[h - 1];
        spielstand::stapelKompakt(g.stapelListen[h], s.anz, h, [&s](int i) { return s.at(i).c; });
        glu::stapelZuHand(s);
    }
}

void entpackenAus(const TCG& g, TSpieler* reihe) {
    for (int h = 1; h <= kStapel; ++h) {
        TSpieler& s = reihe[h - 1];
        s.anz =
            spielstand::stapelEntpacken(g.stapelListen[h], [&s](int i, const karte& k) { s.at(i).c = k; });
    }
}

}  // namespace

int anzahl(int stapel) {
    const TSpieler* s = st(stapel);
    return s ? s->anz : 0;
}

karte karteBei(int stapel, int slot) {
    const TSpieler* s = st(stapel);
    if (!s || slot < 1 || slot > s->anz || slot > kSlots) return karte{};
    return s->at(slot).c;
}

void karteEntfernen(int stapel, int slot) {
    TSpieler* s = st(stapel);
    if (!s) return;
    glu::stapelZuHand(*s);
    skat_1::karteEntfernenBei(s->hand, slot);
    glu::handZuStapel(*s);
}

void stapelNeu() {
    for (int s = 1; s <= kStapel; ++s) {
        glu::spieler[s - 1].id = s;
        glu::spielerZwilling[s - 1].id = s;
    }
    glu::setuptablelayout(1);
    for (TSpieler* reihe : {glu::spieler, glu::spielerZwilling})
        for (int s = 0; s < kStapel; ++s) {
            reihe[s].gleiten.active = 0;
            for (int i = 1; i <= kSlots; ++i) reihe[s].at(i).bewegung.active = 0;
        }
    // a new deal starts without the captions an earlier game left beside the seats
    for (glu::SeatOverlay& o : glu::seatOverlay) o.bubbleVisible = false;
}

void offeneHand(int seat) {
    TSpieler* s = st(seat);
    if (!s) return;
    Pos6 p{};
    glu::openhandposition(seat, p);
    s->pos = p;
    s->aktPos = p;
}

void packen() { packenIn(cg); }

void entpacken() { entpackenAus(cg, glu::spieler); }

void anbinden(spielstand::Anbindung& a) {
    a.stapelPacken = packenIn;
    a.stapelEntpacken = [](const TCG& g) {
        entpackenAus(g, glu::spieler);
        entpackenAus(g, glu::spielerZwilling);
    };
}

void meldZellen(bool bewegungLoeschen) {
    k12.zellenAusKarten();
    if (!bewegungLoeschen) return;
    // The 32-bit field at byte 32 of the motion record of every resting card of stack 12.
    static_assert(sizeof(TBewegung) >= 36);
    TSpieler& s = glu::spieler[11];
    for (int i = 1; i <= kSlots; ++i)
        if (!s.at(i).bewegung.active) std::memset(reinterpret_cast<uint8_t*>(&s.at(i).bewegung) + 32, 0, 4);
}

void eintragen(central::Dienste& d) {
    d.spielerAnzahlSetzen = [](int n) { glu::anzSitze = n; };
    d.setuptablelayout = [](int v) { glu::setuptablelayout(static_cast<uint8_t>(v)); };
    d.handOffen = [](int seat) { return glu::ishandopen(seat); };
    d.offeneHandSetzen = offeneHand;
    d.stapelNeu = stapelNeu;
    d.stapelLeeren = [](int s) {
        if (TSpieler* p = st(s)) p->anz = 0;
    };
    d.zuglisteLeeren = [] { glu::zugliste.anz = 0; };
    d.stapelAnzahl = anzahl;
    d.stapelKarte = karteBei;
    d.stapelKarteEntfernen = karteEntfernen;
    d.karteLegal = [](int slot) {
        return slot >= 1 && slot <= kSlots && glu::islegalcard(glu::spieler[0].at(slot));
    };
    d.packen = packen;
    d.entpacken = entpacken;
    d.meldZellen = meldZellen;
}

}  // namespace tischdienste
