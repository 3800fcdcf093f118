// The suit symbols of both card pictures, drawn from outlines in a unit box.
// Suits are numbered as in the game: 1 Kreuz/Eichel, 2 Pik/Grün, 3 Herz, 4 Karo/Schellen.
#pragma once
#include "tools/common/canvas.h"

namespace suits {

enum Style { French = 1, German = 2 };

// Silhouette of a suit symbol, centred on (0, 0), 1 unit high (y from -0.5 to 0.5, y down),
// mapped by m. Invalid style or suit gives an empty path.
canvas::Path shape(int style, int suit, const canvas::Affine& m = canvas::Affine());
// The colour that names the suit (black, red, green, gold...).
canvas::Color color(int style, int suit);
// Draws the symbol centred at (cx, cy), size pixels high; upside down turns it by 180 degrees.
void draw(canvas::Canvas& c, int style, int suit, float cx, float cy, float size, bool upsideDown = false);

}  // namespace suits
