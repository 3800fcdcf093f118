// The table's small pictures below bilder/: suit symbols ("f" + picture + suit), the status
// and announcement icons of the in-game panels, and the credits pictures.
#pragma once
#include <string>
#include <vector>

#include "tools/common/canvas.h"

namespace icons {

// File names, without folder; a name ending in ".bmp" is written as a bitmap.
std::vector<std::string> names();
// The picture of one name (an empty canvas for an unknown name).
canvas::Canvas draw(const std::string& name);

}  // namespace icons
