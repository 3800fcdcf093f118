// The five table environments ("Holztisch", "Marmortisch", "Glastisch", "Gruft",
// "Pokertisch"): their pictures (wall, floor, table top, edges, window view, light maps) and
// their design values in param.txt.
#pragma once
#include <string>
#include <vector>

#include "tools/common/canvas.h"

namespace room {

constexpr int kEnvironments = 5;
constexpr int kParams = 14;
// The keys of param.txt in the one order the reader accepts.
extern const char* const kKeys[kParams];

// Design values, in the order of kKeys.
struct Params {
    int v[kParams];
};
// Environment 1..5 (anything else gives environment 1's values).
Params params(int env);
// The text of param.txt: a heading line, then each key with its value as two digits.
// Values are clamped to 0..99.
std::string paramText(int env, const Params& p);

// Names of the pictures of an environment, without folder ("tisch.jpg", ...).
std::vector<std::string> pictures(int env);
// One picture; size is the edge of the repeated base textures (light maps and views are
// drawn smaller or wider as they need). Unknown names give an empty canvas.
canvas::Canvas picture(int env, const std::string& name, int size);

}  // namespace room
