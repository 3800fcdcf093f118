// Text widths of the system font the library measures its bitmap font with, through FreeType.
// "Arial" and any unknown name are served by Liberation Sans (the same metrics), DejaVu Sans
// when that is missing.
#pragma once
#include <string>
#include <string_view>

namespace glyphs {

// Loads the face for the font name; false when no face file could be opened.
bool load(const std::string& fontName);
bool loaded();
// Width in pixels of Windows-1252 text at the point size on a 96-dpi screen, as a label
// of that font would measure it (sum of the hinted advances).
int textWidth(std::string_view cp1252, int pointSize);
// The file behind the loaded face ("" when none).
std::string faceFile();

}  // namespace glyphs
