// Card faces: one 178 x 290 picture per card, as the atlases hold them.
// Ranks follow the game's value codes: 1..8 = 7, 8, 9, Bube/Unter, Dame/Ober, König, 10, As;
// 9..13 = 2..6; 14 the joker.
#pragma once
#include <string>
#include <vector>

#include "tools/common/canvas.h"

namespace faces {

constexpr int kWidth = 178, kHeight = 290;
// The table shows only u 0.05..0.94 of a face texture across the card; the face is laid out
// symmetrically inside that band.
constexpr float kLeft = 0.05f * kWidth, kRight = 0.94f * kWidth;
constexpr float kCentreX = (kLeft + kRight) / 2, kCentreY = kHeight / 2.0f;

struct Pip {
    float x, y;
    bool upsideDown;
};
// Pip places of a number card (count 1 for the ace's single symbol, 2..10), in face pixels;
// empty for any other count.
std::vector<Pip> pipLayout(int count);
// Number of pips of a rank, 0 for the court cards and the joker.
int pipCount(int rank);
// Corner index text of a rank in a style ("10", "B", "U", "A"...); "" for an invalid rank.
std::string rankLabel(int style, int rank);

// Draws a whole face (background included) into c, which must be kWidth x kHeight.
// style: suits::French or suits::German.
void draw(canvas::Canvas& c, int style, int suit, int rank);
// An empty face for the unused atlas cells.
void drawBlank(canvas::Canvas& c);

}  // namespace faces
