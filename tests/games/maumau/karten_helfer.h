// Small helpers of the Mau Mau and Schwimmen tests: a card by value code and suit, and stacks of
// the table engine filled with chosen cards.
#pragma once
#include <initializer_list>

#include "core/karten.h"
#include "table/glu.h"

namespace kartentest {

// Value codes: 1 Sieben, 2 Acht, 3 Neun, 4 Bube, 5 Dame, 6 König, 7 Zehn, 8 Ass; suits 1 Kreuz,
// 2 Pik, 3 Herz, 4 Karo.
inline karte k(int t, int f) { return karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0}; }

inline TSpieler& st(int s) { return glu::spieler[s - 1]; }

inline void legen(int stack, std::initializer_list<karte> karten) {
    TSpieler& s = st(stack);
    s.anz = 0;
    for (const karte& c : karten) s.at(++s.anz).c = c;
}

}  // namespace kartentest
