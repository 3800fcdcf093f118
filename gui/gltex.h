// The library's textures: image files to GL textures, the reload after every new context,
// the loading screen and the textured quads of the 800 x 600 virtual screen.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace gltex {

// An image file as texture pixels: RGB, or RGBA when alpha was asked for; rows bottom-up.
struct TTexture {
    int32_t Id = 0;
    int32_t Width = 0, Height = 0;
    std::vector<uint8_t> RGB;
    std::vector<uint8_t> RGBA;
    // False when the image could not be read (the texture is then empty). A missing file
    // ends the program through the fatal hook.
    bool load(const std::filesystem::path& fileName, int id, bool withAlpha,
              const std::filesystem::path& maskFile = {});
};

// The mask file of a texture: "font.bmp" -> "fonta.bmp".
std::filesystem::path maskOf(const std::filesystem::path& fileName);

// GL filters of a texture-detail option (1..4); false for other values.
bool filterFor(int detail, int& minFilter, int& magFilter);

// Loads a texture into the GL name textureId, or the next library name when 0; returns it.
int ltexLoad(const std::filesystem::path& fileName, int textureId, bool forceAlpha);
// The same; `glyphs` marks a glyph atlas, filtered smoothly at every texture detail and with
// levels that keep thin strokes.
int texLoad(const std::filesystem::path& fileName, int textureId, bool forceAlpha, bool glyphs);
// Registers a program texture under the fixed names 1001, 1002, ... and loads it.
int ctexLoad(const std::filesystem::path& fileName, int detail);
// The texture number of a registered program texture file, 0 when the file is not registered.
int registered(const std::filesystem::path& fileName);
// The reload after a new context: library textures, glyph widths, tile numbers, registered
// program textures, then event -4. Returns the last library texture name.
int LoadText(const std::filesystem::path& path);
// Forget every texture name; call when a new context is made (names restart at 1).
void newContext();
// A name for a texture that is not loaded from a file (a copy of the screen, a render target).
// The loaders bind their fixed names without asking GL; a name GL handed out could be one of
// them, so that a loader put its picture into the screen copy and its next deletion took the
// picture with it. These names lie far above every name the loaders use.
unsigned freshName();

void SetiCaption(const std::string& text);
// The loading screen at percent (0..100), drawn and shown at once.
void SetPos(int percent, bool clear = false);

// One textured quad of the virtual screen; texture numbers 0..31 are tiles of elem.bmp,
// negative ones plain shades.
void paintquadcustom(int texture, float x, float y, float width, float height, int layerMode, bool plain,
                     float blendMode, float depth, uint8_t tileMode, float alphaFactor, float uScale);
// The same for a texture of the program by its GL name, whatever the number (names up to 31
// would be taken as tiles above): textured, opaque, at the library's quad depth.
void paintquadtexture(unsigned name, float x, float y, float width, float height);
// Three-slice quads whose ends keep their size: horizontal (button backgrounds) and vertical
// (bar backgrounds).
void paintquad3h(float x, float y, float width, float height, int layerMode, float depth, float alpha);
void paintquad3v(float x, float y, float width, float height, int layerMode, float depth, float alpha);

}  // namespace gltex
