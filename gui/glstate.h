// What the GL drawing units (textures, loading screen, frames, bitmap text) read and write
// besides their arguments: the library's texture numbers and the few view and option values
// they need. One program-wide record; the form class keeps it filled (see each field).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace glstate {

struct Color {
    float r = 1, g = 1, b = 1, a = 1;
};

struct State {
    // ---- textures (written by the texture loader)
    // 0 elem.bmp, 1 logo, 2 logo2, 3 logo3, 6 font, 7 fonth; the others are tiles of elem.bmp.
    int32_t LibTextures[17] = {};
    uint16_t LoadTextures[5] = {};  // 3 load1.jpg, 4 load0.jpg, 2 the frame tile
    uint16_t BorderTextures[5] = {};
    int32_t IconTexture = 0;
    int32_t TexCounter = 0;              // last library texture name; restarts with each context
    int32_t TexFilter = 0;               // minification filter; magnification follows it without mipmaps
    int32_t TextureDetail = 3;           // option 1..4
    int16_t GlyphWidths[251] = {};       // [1..250]
    std::vector<std::string> Names{""};  // registered program textures, [1..Count]
    std::vector<int32_t> Ids{0};
    int32_t Count = 0;
    int32_t ColorBits = 32;
    uint8_t NoTextureEvent = 0;
    std::string LoadingCaption;
    int32_t LoadingPos = 0;
    std::string FontName = "Arial";
    std::string ProgramTexturePath;  // fall-back folder of the library textures

    // ---- view (the form keeps these current: window set-up and resize handler)
    double ViewAspect = 4.0 / 3.0;
    uint8_t Windowed = 1;
    int32_t ViewWidth = 800, ViewHeight = 600;
    uint8_t AspectFlags[5] = {1, 0, 0, 0, 0};  // Is4x3, Is16x9, Is16x10, Is5x4, IsFree
    int32_t MouseX = 0, MouseY = 0;
    float RotAngle[3] = {};  // the animated angles 1..3 as [0..2]

    // ---- options (copied from the library's options)
    Color TextColor{1, 1, 1, 1}, HighlightTextColor{1, 1, 1, 1}, DisabledTextColor{1, 1, 1, 1};
    Color DefaultColors, DialogColor, FrameColorLower, FrameColorEnd, CornerColor;
    float TextWidthFactor = 1.0f;
    float GlyphSpacing = 1.0f;
    int32_t TextEffect = 0;
    int32_t GeometryDetail = 3;
    uint8_t NoLighting = 0;
    uint8_t NoBlend = 0;      // developer switch: quads and text draw without blending
    uint8_t NoTexturing = 0;  // the painter leaves 2D texturing off after a dialog body
    int32_t DeckStyle = 0;    // 2: the second set of suit glyphs in library icons

    // ---- hooks into the form (all optional)
    std::function<void()> turn;                     // the dialog turn transform (drehen)
    std::function<void()> pump;                     // process pending window messages
    std::function<void()> present;                  // show the finished frame
    std::function<void(int code)> event;            // library event (-4 after the textures)
    std::function<void(const std::string&)> fatal;  // missing texture: message, then end
};

// The one record.
State& gl();

// The screen-shape picker of the library (linRatAddition and linRatMultiplication): value4x3 by
// default, value16x10 on 16:10, value16x9 on 16:9 (it wins when both are set), and on a free shape
// the mean of both wide values rescaled to the actual aspect.
float linRat(const uint8_t (&aspectFlags)[5], double viewAspect, float v16x9, float v16x10, float v4x3);
// The same from the record, for the drawing units that have no library object at hand.
inline float linRatMultiplication(float v16x9, float v16x10, float v4x3) {
    return linRat(gl().AspectFlags, gl().ViewAspect, v16x9, v16x10, v4x3);
}

}  // namespace glstate
