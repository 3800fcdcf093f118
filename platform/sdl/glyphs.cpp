#include "platform/sdl/glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>

#include "platform/text.h"

namespace glyphs {

namespace {

FT_Library lib = nullptr;
FT_Face face = nullptr;
std::string file;

const char* const kFaces[] = {
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
};

}  // namespace

bool load(const std::string& /*fontName*/) {
    if (face) return true;
    if (!lib && FT_Init_FreeType(&lib) != 0) return false;
    for (const char* f : kFaces) {
        std::error_code ec;
        if (!std::filesystem::exists(f, ec)) continue;
        if (FT_New_Face(lib, f, 0, &face) == 0) {
            file = f;
            return true;
        }
        face = nullptr;
    }
    return false;
}

bool loaded() { return face != nullptr; }

std::string faceFile() { return file; }

int textWidth(std::string_view cp1252, int pointSize) {
    if (!face || pointSize <= 0) return 0;
    // Points at 96 dpi, in 26.6 fixed point.
    if (FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(pointSize) * 64, 96, 96) != 0) return 0;
    long sum = 0;
    for (char c : cp1252) {
        const FT_UInt idx = FT_Get_Char_Index(face, text::toUnicode(static_cast<uint8_t>(c)));
        if (FT_Load_Glyph(face, idx, FT_LOAD_DEFAULT) != 0) continue;
        sum += (face->glyph->advance.x + 32) >> 6;
    }
    return static_cast<int>(sum);
}

}  // namespace glyphs
