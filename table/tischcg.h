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
    karte jassKarte{};              // Jass: card field written on arrival
    float jassHoehe = 0;            // Jass: card height
    uint8_t rommeFremdAnlegen = 0;  // Rommé rule "Anlegen an fremde Sätze erlauben"
    uint8_t maumauWunsch = 0;       // Mau Mau wished suit
    int32_t schwimmenP = 0;         // Schwimmen: place of the last exchanged card
    int32_t stichAnz = 0;           // cards in the current trick of Doppelkopf, Schafkopf, Schnapsen, Jass
    uint8_t schnapsenKeinPaar = 0;  // Schnapsen flag that suppresses the pair check
};

extern Felder tz;

inline void reset() { tz = Felder{}; }

}  // namespace tischcg
