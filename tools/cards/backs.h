// Card backs: five designs ("Rückseite 1" .. "Rückseite 5"), written as h0..h4 and their
// left-right mirrored second variants hr0..hr4. Every design looks the same after a half
// turn, so a back never tells which way up its card lies.
#pragma once
#include "tools/common/canvas.h"

namespace backs {

constexpr int kDesigns = 5;
// Design 0..4 at width x height pixels (the card's proportions, 178 x 290 or a multiple).
canvas::Canvas draw(int design, int width, int height);

}  // namespace backs
