// The GUI library's own images (data/pavlune): the bitmap fonts, the element atlas, the
// frame, the logos and the loading bar, drawn from free fonts and shapes.
#pragma once
#include <filesystem>
#include <string>

#include "tools/common/canvas.h"

namespace pavlune {

// Font image size; the glyph grid lies at fixed texture coordinates inside it.
constexpr int FontWidth = 1024, FontHeight = 512;

canvas::Canvas font(bool glow);
canvas::Canvas elem();
canvas::Canvas border();
canvas::Canvas logo(int which);  // 1 logo, 2 logo2, 3 logo3 (the loading screen's)
canvas::Canvas loadBar(bool filled);

// Writes name.bmp (colour) and namea.bmp (the alpha as grey) into dir.
bool writeWithMask(const std::filesystem::path& dir, const std::string& name, const canvas::Canvas& c);
// Writes everything; false when a file could not be written.
bool writeAll(const std::filesystem::path& dir);

}  // namespace pavlune
