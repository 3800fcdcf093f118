// Chip and marker textures. A face atlas holds one square column per kind, the disc inscribed
// in it (chip codes 1..5 = values 1, 5, 10, 25, 100 from the left; markers 0 small blind,
// 1 dealer button, 2 big blind); a rim texture holds one column per kind, u running once
// round the rim and v across its thickness.
#pragma once
#include "tools/common/canvas.h"

namespace chips {

constexpr int kChipKinds = 5, kMarkerKinds = 3;
constexpr int kValues[kChipKinds] = {1, 5, 10, 25, 100};

// column: pixels per column (the faces are column x column each).
canvas::Canvas faces(int column, bool euro);
canvas::Canvas rims(int column, bool euro);
canvas::Canvas markerFaces(int column);
canvas::Canvas markerRims(int column);

}  // namespace chips
