// Text of the library and the 3D table from the bitmap font: a 16 x 8 grid of glyph cells,
// one textured quad per character, advanced by the measured width table.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace gltext {

// The glyph cell (0..127) of a Windows-1252 character.
int fontindex(uint8_t ch);
// Texture rectangle of a cell: (s0, t0) and the sampled width and height.
void cellRect(int cell, float& s0, float& t0, float& sw, float& th);

// Width of the text in font units; on the virtual screen it is the result x 11.5 x scale.
float charwidth(std::string_view text, bool aspectCorrect = false);

bool pre_text(float x, float y);
void TextPre();
// One glyph at the current transform. mode 0 plain, -3 and -4 glow variants, > 0 an
// underline quad mode/1000 wide that leaves the pen where it was.
void paintglyph(uint8_t ch, int mode, float scale);
// One line at (x, y) of the virtual screen. state 0 normal, 1 hovered, 2 pressed, 3 disabled;
// style 1/2 highlight when hovered or pressed, 5 glow, 6 measure only; align 0 left, 1 centre,
// 2 right. With maxRight > 0 the line is fitted up to maxRight and rest receives ">" + the
// cut-off part when the pointer is over the line or showRest asks for it.
void bprintit(std::string text, int state, float scale, float x, float y, float depth, uint8_t style,
              int align, float alpha, int maxRight, int showRest, std::string mask, std::string& rest);
void printonly(std::string_view text, float scale, float spare, float barScale);

// "RRGGBBAA" as four two-digit decimal numbers / 99, padded with "0" on the right. A pair that
// is not a number leaves the colour as it was and returns false.
bool parseColor(std::string_view text, float out[4]);
template <class C>
bool colorFromString(std::string_view text, C& color) {
    float v[4] = {color.r, color.g, color.b, color.a};
    if (!parseColor(text, v)) return false;
    color.r = v[0], color.g = v[1], color.b = v[2], color.a = v[3];
    return true;
}

}  // namespace gltext
