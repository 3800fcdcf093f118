// The seat under the mouse: the cursor is mapped to a grid of 80 x 60 points, and a table of
// seat spots by player count decides which seat it points at. Used by the seat panels of every
// game and by the chip games' money labels.
#pragma once

namespace sitzwahl {

struct Gitter {
    int gx = 0, gy = 0;
};
// cx, cy the cursor in screen pixels; (l, t) the window's client origin; w, h its size; a the
// display's aspect factor.
Gitter cursorGitter(int cx, int cy, int l, int t, int w, int h, float a);

// The seat 1..n whose spot lies under the grid point (the last that matches), 0 when none; a
// found seat is kept. With useCached the kept seat is returned. `imSpiel` tells whether a seat
// is still in the hand (empty: every seat).
int PokerSeatUnderCursor(const Gitter& g, bool useCached, bool (*imSpiel)(int seat) = nullptr);
// The last seat 2..n whose money spot lies within squared distance 40; 0 when none.
int SeatMoneySpotUnderCursor(const Gitter& g);

}  // namespace sitzwahl
