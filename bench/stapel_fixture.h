// Every stack of a six-seat table full and 50 cards in flight onto the trick pile 8, slow enough
// that none lands for a few hundred frames: the load of the card motion benchmarks.
#pragma once
#include <cstdlib>

#include "core/envparam.h"
#include "table/glu.h"

namespace benchstapel {

inline void fuellen() {
    glu::reset();
    envParam.kartenSpeed = 1;  // slow: no card lands while the benchmark runs
    glu::anzSitze = 6;
    glu::anzTischStapel = 6;
    glu::setuptablelayout(0);
    // every stack the motion step visits: six seats with their twins and the six table stacks
    for (int s = 1; s <= 16; ++s) {
        if (s >= 7 && s <= 10) continue;
        TSpieler& t = glu::spieler[s - 1];
        t.anz = kSlots;
        for (int i = 1; i <= kSlots; ++i) t.at(i).c = karte{static_cast<uint8_t>(1 + i % 8), 1, 0};
        if (s <= 6) glu::spielerZwilling[s - 1] = t;
    }
    // 50 cards in flight from the talon, the seats and the middle onto the trick pile 8
    const int quellen[] = {11, 1, 2, 3, 12};
    const uint8_t arten[] = {2, 3, 4, 7, 16};
    for (int i = 0; i < 50; ++i) {
        const int q = quellen[i % 5];
        glu::movecard(q, kSlots - i / 5, 8, 1 + i, 1, 2, arten[i % 5], 0, 0, 0);
    }
    if (glu::zugliste.anz != 50) std::abort();
}

}  // namespace benchstapel
