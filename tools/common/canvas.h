// A small RGBA drawing canvas for the image generators (cards, chips, rooms, GUI textures).
//
// Coordinates are floating-point pixels, origin at the top-left corner, y downwards; pixel
// (x, y) covers the square [x, x+1) x [y, y+1), so its centre is (x + 0.5, y + 0.5).
// Pixels are 8-bit RGBA with straight (not premultiplied) alpha; every drawing call blends
// "source over" with anti-aliased edges. Nothing here draws at random: noise takes a seed.
//
// Typical use:
//     canvas::Canvas c(178, 290, canvas::rgb(0xFFFFFF));
//     canvas::Path heart = ...;                          // or Path().addCircle(...)
//     c.fill(heart, canvas::rgb(0xC00000));
//     canvas::Font serif(canvas::fonts::serifBold);
//     c.drawText(serif, 40, 10, 50, "K", canvas::rgb(0));   // baseline at y = 50
//     image::writeJpeg("x.jpg", c.toImage(3), 92);
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/image.h"

namespace canvas {

struct Color {
    uint8_t r = 0, g = 0, b = 0, a = 255;
};
// 0xRRGGBB with the given alpha.
constexpr Color rgb(uint32_t hex, uint8_t a = 255) {
    return Color{static_cast<uint8_t>(hex >> 16), static_cast<uint8_t>(hex >> 8), static_cast<uint8_t>(hex),
                 a};
}
// Linear mix, t = 0 gives a, t = 1 gives b (t is clamped).
Color mix(Color a, Color b, float t);
// Brightness scaled by f (1 keeps it; alpha unchanged), each channel clamped to 0..255.
Color shade(Color c, float f);
Color withAlpha(Color c, uint8_t a);

struct Pt {
    float x = 0, y = 0;
};

// 2D affine map: x' = a x + c y + e, y' = b x + d y + f.
struct Affine {
    float a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    Pt apply(Pt p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    static Affine translate(float x, float y) { return {1, 0, 0, 1, x, y}; }
    static Affine scale(float sx, float sy) { return {sx, 0, 0, sy, 0, 0}; }
    static Affine rotate(float degrees);  // clockwise on screen (y points down)
    // this after other: (A * B).apply(p) == A.apply(B.apply(p)).
    Affine operator*(const Affine& o) const;
};

// How a shape is coloured: one colour, or a linear or radial gradient between two colours.
struct Paint {
    enum Kind { Solid, Linear, Radial } kind = Solid;
    Color c0, c1;
    Pt p0, p1;  // Linear: c0 at p0, c1 at p1. Radial: centre p0, c1 at distance radius.
    float radius = 1;
    Paint() = default;
    Paint(Color c) : c0(c), c1(c) {}  // NOLINT: implicit, so a Color can be passed as a Paint
    static Paint linear(Pt from, Color a, Pt to, Color b);
    static Paint radial(Pt centre, float radius, Color inner, Color outer);
    Color at(float x, float y) const;
};

// Closed outlines (contours) filled by the non-zero winding rule, so overlapping pieces of the
// same orientation join; curves are flattened to short lines when they are added.
class Path {
public:
    // Every point added from now on is mapped by m first (curves and circles are flattened
    // after mapping, so a shape drawn in unit coordinates and scaled up stays smooth).
    Path& setTransform(const Affine& m);
    Path& moveTo(float x, float y);
    Path& lineTo(float x, float y);
    Path& quadTo(float cx, float cy, float x, float y);
    Path& cubicTo(float c1x, float c1y, float c2x, float c2y, float x, float y);
    Path& close();  // contours close themselves anyway; this only starts a new one
    // Whole shapes, each its own clockwise contour (on screen).
    Path& addRect(float x0, float y0, float x1, float y1);
    Path& addRoundRect(float x0, float y0, float x1, float y1, float radius);
    Path& addEllipse(float cx, float cy, float rx, float ry);
    Path& addCircle(float cx, float cy, float r) { return addEllipse(cx, cy, r, r); }
    Path& addPolygon(const std::vector<Pt>& pts);
    // A thick line through the points with round ends and joins (width in the same units).
    Path& addStroke(const std::vector<Pt>& pts, float width);
    // A band of the given width along every contour of shape (closed): its outline stroke.
    // shape's points are taken as they are (already mapped).
    Path& addOutline(const Path& shape, float width);
    Path& append(const Path& other);
    // The same path with every point mapped (curves stay as flattened when they were added:
    // to scale a small shape up, build it under setTransform instead).
    Path transformed(const Affine& m) const;
    // Every contour's orientation reversed: appended inside a shape of the other orientation
    // it cuts a hole under either filling rule (Canvas::fillEvenOdd needs no reversing).
    Path reversed() const;
    // Turns every contour clockwise, so all pieces of a shape join under non-zero filling.
    // Only for shapes built of pieces without holes.
    Path& orientContours();

    const std::vector<std::vector<Pt>>& contours() const { return contours_; }
    bool empty() const;
    // Bounding box of all points; false when empty.
    bool bounds(float& x0, float& y0, float& x1, float& y1) const;

private:
    void emit(Pt mapped);
    float scale() const;
    std::vector<std::vector<Pt>> contours_;
    Pt start_, cur_;  // mapped
    Affine m_;
};

class Font;

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, Color fill = Color{0, 0, 0, 0});
    int width() const { return w_; }
    int height() const { return h_; }

    Color get(int x, int y) const;    // transparent black outside
    void set(int x, int y, Color c);  // ignored outside
    // Source-over blend of c with the given coverage 0..1.
    void blend(int x, int y, Color c, float coverage = 1.0f);

    void clear(Color c);
    void fill(const Path& p, const Paint& paint);         // non-zero winding
    void fillEvenOdd(const Path& p, const Paint& paint);  // even-odd (rings, holes)
    // Whole-canvas or rectangle gradients, axis-aligned, without anti-aliasing at the edges.
    void fillRect(int x0, int y0, int x1, int y1, const Paint& paint);
    // Convenience shapes.
    void line(float x0, float y0, float x1, float y1, float width, const Paint& paint);
    void circle(float cx, float cy, float r, const Paint& paint);
    void ring(float cx, float cy, float r, float width, const Paint& paint);  // r is the mid radius
    void ellipse(float cx, float cy, float rx, float ry, const Paint& paint);
    void roundRect(float x0, float y0, float x1, float y1, float radius, const Paint& paint);
    void roundRectOutline(float x0, float y0, float x1, float y1, float radius, float width,
                          const Paint& paint);

    // Draws src scaled into the rectangle (dx, dy, dw, dh) with bilinear filtering and
    // source-over blending; opacity multiplies the source alpha.
    void blit(const Canvas& src, float dx, float dy, float dw, float dh, float opacity = 1.0f);
    // The same for a part of src (sx, sy, sw, sh in src pixels).
    void blitPart(const Canvas& src, float sx, float sy, float sw, float sh, float dx, float dy, float dw,
                  float dh, float opacity = 1.0f);

    // In-place whole-canvas operations.
    void flipH();
    void flipV();
    void rotate180();
    // Adds grain: each pixel's colour moves by up to +-amount (0..255) of one deterministic value.
    void addNoise(uint32_t seed, int amount);
    // Multiplies the colour channels by f(x, y) clamped to 0..2 (light maps, vignettes).
    template <class F>
    void modulate(F f) {
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) scalePixel(x, y, f(x, y));
    }
    // Gaussian-like blur (three box passes) of every channel with the given radius in pixels.
    void blur(int radius);

    // Text. drawText renders hinted glyph bitmaps: crisp, for upright text; x is the pen start,
    // baseline the baseline's y. textPath gives the glyph outlines for free transformation.
    // Both take UTF-8. Returns the pen advance in pixels.
    float drawText(const Font& font, float sizePx, float x, float baseline, std::string_view utf8,
                   const Paint& paint);
    // Centred horizontally on cx.
    float drawTextCentred(const Font& font, float sizePx, float cx, float baseline, std::string_view utf8,
                          const Paint& paint);

    // RGB (channels 3) or RGBA (channels 4) image, rows bottom-up as image::Image wants them.
    image::Image toImage(int channels) const;
    static Canvas fromImage(const image::Image& img);

    const std::vector<Color>& pixels() const { return px_; }

private:
    void scalePixel(int x, int y, float f);
    void rasterize(const Path& p, const Paint& paint, bool evenOdd);

    int w_ = 0, h_ = 0;
    std::vector<Color> px_;  // top row first
};

// A TrueType font through FreeType. A font that failed to load draws nothing and measures 0;
// ok() tells. Glyphs the font lacks come out as the font's missing-glyph box. One Font serves
// one thread at a time (threads each make their own; creating them in parallel is safe).
class Font {
public:
    Font() = default;
    explicit Font(const std::string& file);  // a path, or a name from fonts:: below
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    Font(Font&&) noexcept;
    Font& operator=(Font&&) noexcept;

    bool ok() const;
    // Advance width of the text at the size (pixels, unhinted).
    float measure(float sizePx, std::string_view utf8) const;
    // Ascender and descender (descender negative) in pixels at the size.
    float ascent(float sizePx) const;
    float descent(float sizePx) const;
    // Outline of the text with the pen starting at (x, baseline).
    Path textPath(float sizePx, float x, float baseline, std::string_view utf8) const;

    // One glyph as a grey coverage bitmap (hinted), for building bitmap fonts.
    struct Glyph {
        int width = 0, height = 0;      // bitmap size
        int left = 0, top = 0;          // bitmap origin relative to the pen: x + left, baseline - top
        float advance = 0;              // pen advance in pixels
        std::vector<uint8_t> coverage;  // width * height, top row first
    };
    bool glyph(float sizePx, char32_t codepoint, Glyph& out) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Font files shipped with the system (fonts-liberation2, fonts-dejavu); pass to Font().
namespace fonts {
inline constexpr const char* sans = "LiberationSans-Regular.ttf";
inline constexpr const char* sansBold = "LiberationSans-Bold.ttf";
inline constexpr const char* serif = "LiberationSerif-Regular.ttf";
inline constexpr const char* serifBold = "LiberationSerif-Bold.ttf";
inline constexpr const char* dejaVuSans = "DejaVuSans.ttf";
inline constexpr const char* dejaVuSansBold = "DejaVuSans-Bold.ttf";
inline constexpr const char* dejaVuSerifBold = "DejaVuSerif-Bold.ttf";
// Full path of a font file name found in the system's font folders ("" when none).
std::string find(const std::string& fileName);
}  // namespace fonts

// Tileable smooth noise in 0..1: value noise on an integer lattice that repeats every
// periodX x periodY lattice cells, summed over octaves (each twice the frequency, half the
// weight). Same seed, same values.
float noise(float x, float y, int periodX, int periodY, int octaves, uint32_t seed);
// A deterministic hash of three integers to 0..1.
float hash01(uint32_t a, uint32_t b, uint32_t seed);

}  // namespace canvas
