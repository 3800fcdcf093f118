// Loading the table's pictures into GL textures: the card faces cut from the atlases, the
// backs, and the environment's pictures and design values. The shell calls these when the
// display options change; tests and benchmarks call them directly.
#pragma once
#include <filesystem>
#include <string>

#include "core/envparam.h"
#include "platform/image.h"

namespace tischbilder {

// One cell of a 4 x 8 card atlas; row 0 is the top row as the picture is viewed.
image::Image cell(const image::Image& atlas, int column, int row);
// A card atlas: JPEG whatever its extension says; false when it is missing or damaged.
bool readAtlas(const std::filesystem::path& p, image::Image& out);

// Reads the design values of param.txt: each key followed by two digits, in the fixed order,
// `ref_weg=` last. A missing key or a value that is not two digits leaves `out` untouched
// and returns false with the reason in `error`.
bool readparams(const std::string& content, TEnvParam& out, std::string& error);

// Whether the environment may draw its mirror image: not the glass table (3) nor the poker
// table (5).
bool spiegelerlaubt(int env);

// data/bilder/<detail>/kb<picture>.dat and kbp<picture>.dat (or kbp.dat) cut into the face
// textures; s0, the backs h<back-1> and hr<back-1>. False when the first atlas is missing or
// damaged (the textures already loaded stay).
bool loadcards(const std::filesystem::path& bilder, int detail, int picture, int back);
// data/bilder/<detail>/env<env>: the pictures (optional ones may be missing) and param.txt
// into envParam. False, with nothing applied, when param.txt or a required picture is bad.
bool loadenvironment(const std::filesystem::path& bilder, int detail, int env, std::string& error);
// Deletes every texture loaded here.
void release();

}  // namespace tischbilder
