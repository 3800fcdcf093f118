// Where a chip lies: the chip seat's place on the table, the stack's place within the seat and
// the chip's place within its stack (column, height, a small jitter and a turn). One pose unit
// is 1/502 of a scene unit.
#pragma once
#include "games/casino/pokerchips.h"

namespace chiplayout {

// One layer of a chip's pose: level 0 the seat origin (absolute: computed from the table,
// else the stored base pose), level 1 the stack base within the seat (for chip type `type`),
// level 2 the chip within its stack (slot `index`, column `column`).
pokerchips::Pose chipPose(int level, int index, int seat, int column, bool absolute, int type);
// A repeatable pseudo-random number in [0, 1) (negative sums give a negative share).
float chipJitter(int a, int b, int d);
// Euro chips of types 0..3 are thinner or thicker than the others.
float euroHoehe(int type);
// The table engine's place of a seat's card stack (x, y, z, angles).
pokerchips::Pose tischPosition(int seat);
// The resting pose of every chip of seats 1..8 again (after the table layout changed).
void RelayoutChips();

}  // namespace chiplayout
