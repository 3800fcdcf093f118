// Cards, hands and table melds written short in the Canasta tests.
#pragma once
#include <cstring>
#include <initializer_list>

#include "games/rummy_shedding/canasta.h"
#include "table/glu.h"
#include "table/k12.h"
#include "table/tischhooks.h"

namespace canastatest {

// Value codes: 1 = 7, 2 = 8, 3 = 9, 4 = Bube, 5 = Dame, 6 = König, 7 = 10, 8 = Ass, 9 = Zwei,
// 10 = Drei, 11..13 = Vier..Sechs, 14 = Joker; suits 1 Kreuz, 2 Pik, 3 Herz, 4 Karo.
enum : uint8_t { W7 = 1, W8, W9, Bube, Dame, Koenig, W10, Ass, Zwei, Drei, Vier, Fuenf, Sechs, Joker };

inline karte K(int t, int f = 1) { return karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0}; }

inline hand H(std::initializer_list<karte> ks) {
    hand h{};
    for (const karte& k : ks) h.at(++h.anz) = k;
    return h;
}

// A clean record with the default options, the table empty and the game's hooks installed.
inline void frisch(int seats, bool teams = false) {
    std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
    cg.spielId = 4;
    cg.ablauf.anzSpieler = seats;
    glu::reset();
    k12.leeren();
    tischhooks::reset();
    canasta::anmelden();
    canasta::optionenStandard();
    cg.canasta.teamSpiel = teams ? 1 : 0;
    for (int s = 1; s <= 6; ++s)
        cg.canasta.teamId.at(s) = teams ? (seats == 4 ? (s - 1) % 2 + 1 : (s - 1) % 3 + 1) : s;
    for (int s = 1; s <= 6; ++s) cg.sitzEinstellungen.at(s).staerke = 3;
}

// The cards into a stack (a seat's hand, the talon, the discard pile).
inline void stapel(int stack, const hand& h) {
    TSpieler& s = glu::spieler[stack - 1];
    s.anz = 0;
    for (int i = 1; i <= h.anz; ++i) {
        s.at(++s.anz) = TKartenSlot{};
        s.at(s.anz).c = h.at(i);
    }
    glu::stapelZuHand(s);
}

// Lays a meld of the seat onto the table as the move executor does; returns its pile.
inline int meld(int seat, const hand& h) {
    const int alt = cg.aktSpieler;
    cg.aktSpieler = seat;
    const int p = k12.neuerStapel(seat, h.anz);
    cg.aktSpieler = alt;
    TSpieler& m = glu::spieler[11];
    for (int i = 1; i <= h.anz; ++i) {
        m.at(++m.anz) = TKartenSlot{};
        m.at(m.anz).c = h.at(i);
        m.at(m.anz).hi = p;
        m.at(m.anz).pilePos = i;
        k12.pile(p).at(i) = h.at(i);
        k12.pile(p).at(i).nr = static_cast<uint16_t>(m.anz);
    }
    return p;
}

}  // namespace canastatest
