// Shared inside the table engine only.
#pragma once
#include <string>

#include "core/cg.h"
#include "core/envparam.h"
#include "table/glu.h"
#include "table/tischcg.h"
#include "table/tischhooks.h"

namespace glu {

// Unchecked access for ids the caller has already validated.
inline TSpieler& st(int spi) { return spi > 0 ? spieler[spi - 1] : spielerZwilling[-spi - 1]; }
inline bool slotOk(int slot) { return slot >= 1 && slot <= kSlots; }
inline std::string zahl(long v) { return std::to_string(v); }

// Frame rate of the current motion step (> 0 while the step runs).
extern float aktFps;

// One frame of a card's flight (motion kinds 2, 3, 6), of the talon shuffle (5) and of the
// hover lift (1).
void flightstep(TBewegung& b, int spi, int slot, int moveKind);
bool shufflestep(TBewegung& b, int spi, int slot);  // true when the shuffle ended this frame
void liftstep(TBewegung& b, int spi, int slot);

// Sound effect through the hook (none when no sound manager is installed).
void effekt(int sound, int stack, int slot);

}  // namespace glu
