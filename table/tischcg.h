// STAND-IN: values the table engine reads and writes that have no field yet in the central game
// record (core/cg.h) or in the table design parameters (core/envparam.h). Each moves to its
// owner once that exists, and this record goes.
#pragma once
#include <cstdint>

#include "core/karten.h"

namespace tischcg {

struct Felder {
    // central game record: not yet laid out in core/cg.h
    int32_t phase2 = 0;             // cg.phase: second value (the Schwimmen exchange is 4 / 4)
    float tischWinkel = 0;          // table turn angle (degrees)
    int32_t stichAnz = 0;           // cards in the current trick of Doppelkopf, Schafkopf, Schnapsen, Jass
};

extern Felder tz;

inline void reset() { tz = Felder{}; }

}  // namespace tischcg
