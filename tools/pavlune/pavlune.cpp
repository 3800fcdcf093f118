#include "tools/pavlune/pavlune.h"

#include <cmath>
#include <numbers>

#include "platform/image.h"
#include "platform/text.h"

namespace pavlune {

using namespace canvas;

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

// Em sizes that make the glyphs of the grid match the advances of the measured width table
// (a 32-point face at 96 dpi x 0.94 = one font unit per 1/100): 49.3 texels per em across,
// 45.6 down, because the sampled cell is drawn as a 0.08 x 0.1 quad.
constexpr float kEmDown = 45.6f;
constexpr float kStretch = 49.3f / 45.6f;
constexpr float kBaselineUp = 11.0f;  // baseline above the bottom of the sampled rectangle

struct Cell {
    float x0, y0, x1, y1;  // sampled rectangle in image pixels (y down)
};

Cell cellOf(int n) {
    const int col = n % 16, row = 7 - n / 16;
    const float s0 = 0.003f + 0.062f * col, t0 = 0.034f + 0.12f * row;
    const float sw = 0.8f * 0.2f * 0.3f, th = 0.2f * 0.3f / 0.54f;
    return {s0 * FontWidth, FontHeight - (t0 + th) * FontHeight, (s0 + sw) * FontWidth,
            FontHeight - t0 * FontHeight};
}

std::string utf8Of(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// A text glyph centred across its cell on the common baseline.
void glyphText(Canvas& c, const canvas::Font& f, int cell, const std::string& utf8, Color col) {
    const Cell r = cellOf(cell);
    const float adv = f.measure(kEmDown, utf8) * kStretch;
    const float cx = (r.x0 + r.x1) / 2;
    const Path p = f.textPath(kEmDown, 0, 0, utf8)
                       .transformed(canvas::Affine::translate(cx - adv / 2, r.y1 - kBaselineUp) *
                                    canvas::Affine::scale(kStretch, 1));
    c.fill(p, col);
}

// Shapes drawn in a unit box (0..1, y down), placed on the cell's baseline at cap height.
void glyphShape(Canvas& c, int cell, const Path& unit, Color col) {
    const Cell r = cellOf(cell);
    const float size = 36.0f;
    const float cx = (r.x0 + r.x1) / 2, base = r.y1 - kBaselineUp;
    c.fill(unit.transformed(canvas::Affine::translate(cx - size * kStretch / 2, base - size) *
                            canvas::Affine::scale(size * kStretch, size)),
           col);
}

Path acorn() {
    Path p;
    p.addEllipse(0.5f, 0.62f, 0.24f, 0.3f);              // nut
    p.addRoundRect(0.22f, 0.3f, 0.78f, 0.5f, 0.12f);     // cap
    p.addStroke({{0.5f, 0.3f}, {0.56f, 0.04f}}, 0.09f);  // stalk
    return p;
}

Path leaf() {
    Path p;
    p.moveTo(0.5f, 0.0f)
        .cubicTo(0.95f, 0.25f, 0.9f, 0.65f, 0.5f, 0.85f)
        .cubicTo(0.1f, 0.65f, 0.05f, 0.25f, 0.5f, 0.0f);
    p.addStroke({{0.5f, 0.8f}, {0.5f, 1.0f}}, 0.08f);
    return p;
}

Path heart() {
    Path p;
    p.moveTo(0.5f, 0.95f)
        .cubicTo(0.05f, 0.6f, 0.0f, 0.3f, 0.2f, 0.12f)
        .cubicTo(0.35f, 0.0f, 0.48f, 0.1f, 0.5f, 0.25f)
        .cubicTo(0.52f, 0.1f, 0.65f, 0.0f, 0.8f, 0.12f)
        .cubicTo(1.0f, 0.3f, 0.95f, 0.6f, 0.5f, 0.95f);
    return p;
}

Path bell() {
    Path p;
    p.addCircle(0.5f, 0.55f, 0.36f);
    Path slot;
    slot.addRect(0.18f, 0.6f, 0.82f, 0.66f);
    p.append(slot.reversed());
    p.addCircle(0.5f, 0.12f, 0.07f);
    return p;
}

void fontGlyphs(Canvas& c, Color col) {
    const canvas::Font sans(canvas::fonts::sans);
    const canvas::Font dejavu(canvas::fonts::dejaVuSans);
    const canvas::Font& symbols = dejavu.ok() ? dejavu : sans;
    // Codes 32..126 in cells 0..94, the free cells 96..111 with their Windows-1252 letters.
    for (int cell = 0; cell <= 111; ++cell) {
        const int code = cell + 32;
        if (code == 127) continue;
        switch (cell) {
            case 97:
                glyphText(c, sans, cell, "¢", col);
                continue;
            case 99:
                glyphText(c, sans, cell, "€", col);
                continue;
            case 101:
                glyphText(c, sans, cell, "é", col);
                continue;
            case 105:
                glyphText(c, symbols, cell, utf8Of(0x2699), col);
                continue;  // settings wheel
            case 106:
                glyphText(c, symbols, cell, utf8Of(0x266A), col);
                continue;  // music note
            case 107: {
                // The long bar: drawn ten glyphs wide, so it fills its cell across.
                const Cell r = cellOf(cell);
                const float mid = (r.y0 + r.y1) / 2;
                c.fillRect(static_cast<int>(r.x0) - 1, static_cast<int>(mid - 8), static_cast<int>(r.x1) + 2,
                           static_cast<int>(mid + 8), col);
                continue;
            }
            case 108:
                glyphText(c, sans, cell, "-", col);
                continue;
            default:
                break;
        }
        const char32_t u = text::toUnicode(static_cast<uint8_t>(code));
        if (u < 0x20 || (u >= 0x80 && u < 0xA0)) continue;
        glyphText(c, sans, cell, utf8Of(u), col);
    }
    const char* const letters[] = {"Ä", "Ö", "Ü", "ä", "ö", "ü", "ß", "_"};
    for (int i = 0; i < 8; ++i) glyphText(c, sans, 112 + i, letters[i], col);
    // Suits: French (clubs, spades, hearts, diamonds), then German (acorns, leaves, hearts, bells).
    const char32_t french[] = {0x2663, 0x2660, 0x2665, 0x2666};
    for (int i = 0; i < 4; ++i) glyphText(c, symbols, 120 + i, utf8Of(french[i]), col);
    glyphShape(c, 124, acorn(), col);
    glyphShape(c, 125, leaf(), col);
    glyphShape(c, 126, heart(), col);
    glyphShape(c, 127, bell(), col);
}

Canvas alphaOnly(const Canvas& c) {
    Canvas m(c.width(), c.height(), rgb(0));
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const uint8_t a = c.get(x, y).a;
            m.set(x, y, Color{a, a, a, 255});
        }
    return m;
}

}  // namespace

Canvas font(bool glow) {
    Canvas glyphs(FontWidth, FontHeight);
    fontGlyphs(glyphs, rgb(0xFFFFFF));
    if (!glow) return glyphs;
    // The glow font: a soft halo around each glyph, brightest at the glyph itself.
    Canvas halo(FontWidth, FontHeight);
    fontGlyphs(halo, rgb(0xFFE8B0));
    halo.blur(4);
    Canvas out(FontWidth, FontHeight);
    out.blit(halo, 0, 0, FontWidth, FontHeight);
    out.blit(halo, 0, 0, FontWidth, FontHeight);
    out.blit(glyphs, 0, 0, FontWidth, FontHeight);
    return out;
}

namespace {

constexpr int kTile = 64;  // elem.bmp: 8 x 4 tiles of 64 pixels, 512 x 256

// Pixel rectangle of a tile area given in texture coordinates (t from the bottom).
void area(float s0, float t0, float s1, float t1, float& x0, float& y0, float& x1, float& y1) {
    x0 = s0 * 8 * kTile;
    x1 = s1 * 8 * kTile;
    y0 = (1 - t1) * 4 * kTile;
    y1 = (1 - t0) * 4 * kTile;
}

void tileRect(int n, float& x0, float& y0, float& x1, float& y1) {
    const float w = n == 1 ? 0.5f : 0.125f, h = n == 5 ? 0.5f : 0.25f;
    area((n % 8) * 0.125f, (n / 8) * 0.25f, (n % 8) * 0.125f + w, (n / 8) * 0.25f + h, x0, y0, x1, y1);
}

void arrowPlate(Canvas& c, float x0, float y0, float x1, float y1) {
    c.roundRect(x0 + 6, y0 + 6, x1 - 6, y1 - 6, 12,
                Paint::linear({0, y0}, rgb(0x6E8FB8), {0, y1}, rgb(0x24406A)));
    c.roundRectOutline(x0 + 6, y0 + 6, x1 - 6, y1 - 6, 12, 2, rgb(0xDDE6F2));
}

void arrow(Canvas& c, int tile, int dir) {  // dir 0 left, 1 right, 2 up, 3 down
    float x0, y0, x1, y1;
    tileRect(tile, x0, y0, x1, y1);
    arrowPlate(c, x0, y0, x1, y1);
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, r = 14;
    std::vector<Pt> tri;
    switch (dir) {
        case 0:
            tri = {{cx - r, cy}, {cx + r * 0.7f, cy - r}, {cx + r * 0.7f, cy + r}};
            break;
        case 1:
            tri = {{cx + r, cy}, {cx - r * 0.7f, cy + r}, {cx - r * 0.7f, cy - r}};
            break;
        case 2:
            tri = {{cx, cy - r}, {cx + r, cy + r * 0.7f}, {cx - r, cy + r * 0.7f}};
            break;
        default:
            tri = {{cx, cy + r}, {cx - r, cy - r * 0.7f}, {cx + r, cy - r * 0.7f}};
            break;
    }
    c.fill(Path().addPolygon(tri), rgb(0xFFFFFF));
}

// The large steps beside the single arrows: two heads one above the other, so that the
// pair reads as "faster" next to the plain up and down arrows.
void doubleArrow(Canvas& c, int tile, bool up) {
    float x0, y0, x1, y1;
    tileRect(tile, x0, y0, x1, y1);
    arrowPlate(c, x0, y0, x1, y1);
    const float cx = (x0 + x1) / 2, r = 12, h = 9;
    for (const float cy : {y0 + 22, y0 + 42}) {
        const float tip = up ? cy - h : cy + h, base = up ? cy + h : cy - h;
        c.fill(Path().addPolygon({{cx, tip}, {cx + r, base}, {cx - r, base}}), rgb(0xFFFFFF));
    }
}

}  // namespace

Canvas elem() {
    Canvas c(8 * kTile, 4 * kTile);
    float x0, y0, x1, y1;
    const Paint metal = Paint::linear({0, 0}, rgb(0x5A7FB0), {0, 64}, rgb(0x1E3558));
    // 0: the library's icon.
    tileRect(0, x0, y0, x1, y1);
    c.circle((x0 + x1) / 2, (y0 + y1) / 2, 26,
             Paint::radial({x0 + 26, y0 + 24}, 34, rgb(0x8FB4E0), rgb(0x1E3558)));
    c.ring((x0 + x1) / 2, (y0 + y1) / 2, 26, 3, rgb(0xE8EEF6));
    // 1: push button (double width).
    tileRect(1, x0, y0, x1, y1);
    c.roundRect(x0 + 3, y0 + 6, x1 - 3, y1 - 6, 14,
                Paint::linear({0, y0}, rgb(0x7C9CC8), {0, y1}, rgb(0x1C3050)));
    c.roundRect(x0 + 8, y0 + 9, x1 - 8, (y0 + y1) / 2, 10, rgb(0xFFFFFF, 60));
    c.roundRectOutline(x0 + 3, y0 + 6, x1 - 3, y1 - 6, 14, 2, rgb(0xC8D6EA));
    // 5: scroll-bar knob (double height).
    tileRect(5, x0, y0, x1, y1);
    c.roundRect(x0 + 14, y0 + 4, x1 - 14, y1 - 4, 16,
                Paint::linear({x0, 0}, rgb(0x9BB8DE), {x1, 0}, rgb(0x2A4670)));
    c.roundRectOutline(x0 + 14, y0 + 4, x1 - 14, y1 - 4, 16, 2, rgb(0xE0E8F4));
    // 6, 7: check box unchecked and checked.
    for (int t = 6; t <= 7; ++t) {
        tileRect(t, x0, y0, x1, y1);
        c.roundRect(x0 + 10, y0 + 10, x1 - 10, y1 - 10, 8, rgb(0x10203A, 220));
        c.roundRectOutline(x0 + 10, y0 + 10, x1 - 10, y1 - 10, 8, 3, rgb(0xDDE6F2));
        if (t == 7)
            c.fill(Path().addStroke({{x0 + 20, y0 + 33}, {x0 + 29, y0 + 43}, {x0 + 45, y0 + 21}}, 7),
                   rgb(0xFFFFFF));
    }
    // 8, 9: the icons of the large-step arrows (special objects of sub-kinds 15 and 16).
    doubleArrow(c, 8, true);
    doubleArrow(c, 9, false);
    // 16..19: minimise, resize handle, move handle, close.
    tileRect(16, x0, y0, x1, y1);
    c.circle((x0 + x1) / 2, (y0 + y1) / 2, 22, metal);
    c.line(x0 + 20, y0 + 40, x1 - 20, y0 + 40, 5, rgb(0xFFFFFF));
    tileRect(17, x0, y0, x1, y1);
    for (int i = 0; i < 3; ++i)
        c.line(x0 + 24 + i * 10, y1 - 14, x1 - 14, y0 + 24 + i * 10, 4, rgb(0xDDE6F2));
    tileRect(18, x0, y0, x1, y1);
    c.circle((x0 + x1) / 2, (y0 + y1) / 2, 22, metal);
    c.line(x0 + 18, (y0 + y1) / 2, x1 - 18, (y0 + y1) / 2, 4, rgb(0xFFFFFF));
    c.line((x0 + x1) / 2, y0 + 18, (x0 + x1) / 2, y1 - 18, 4, rgb(0xFFFFFF));
    tileRect(19, x0, y0, x1, y1);
    c.circle((x0 + x1) / 2, (y0 + y1) / 2, 22, Paint::linear({0, y0}, rgb(0xD05050), {0, y1}, rgb(0x701818)));
    c.line(x0 + 22, y0 + 22, x1 - 22, y1 - 22, 5, rgb(0xFFFFFF));
    c.line(x1 - 22, y0 + 22, x0 + 22, y1 - 22, 5, rgb(0xFFFFFF));
    // 20: the horizontal three-slice background (caps at both ends, a stretchable middle).
    area(0.5f, 0.5f, 0.625f, 0.75f, x0, y0, x1, y1);
    c.roundRect(x0, y0 + 8, x1, y1 - 8, 12, Paint::linear({0, y0}, rgb(0x6886B0), {0, y1}, rgb(0x1A2E4E)));
    c.fillRect(static_cast<int>(x0) + 13, static_cast<int>(y0) + 8, static_cast<int>(x1) - 13,
               static_cast<int>(y0) + 12, rgb(0xFFFFFF, 70));
    // 21 + 29: the vertical three-slice background of bars.
    area(0.625f, 0.5f, 0.75f, 1.0f, x0, y0, x1, y1);
    c.roundRect(x0 + 18, y0 + 2, x1 - 18, y1 - 2, 12,
                Paint::linear({x0, 0}, rgb(0x0E1A2E, 220), {x1, 0}, rgb(0x2A4266, 220)));
    // 24..27: arrows left, right, up, down.
    arrow(c, 24, 0);
    arrow(c, 25, 1);
    arrow(c, 26, 2);
    arrow(c, 27, 3);
    // The frame pieces: the four border strips (across their thickness: light to clear).
    const struct {
        float s0, t0;
        bool across;  // gradient along s (left and right borders) instead of t
    } borders[] = {
        {0.8875f, 0.275f, false}, {0.8875f, 0.525f, false}, {0.7625f, 0.525f, true}, {0.7625f, 0.275f, true}};
    for (const auto& b : borders) {
        area(b.s0, b.t0, b.s0 + 0.1f, b.t0 + 0.2f, x0, y0, x1, y1);
        const Paint p = b.across ? Paint::linear({x0, 0}, rgb(0xE8EEF8), {x1, 0}, rgb(0x405A80, 120))
                                 : Paint::linear({0, y0}, rgb(0xE8EEF8), {0, y1}, rgb(0x405A80, 120));
        c.fillRect(static_cast<int>(x0) - 2, static_cast<int>(y0) - 2, static_cast<int>(x1) + 2,
                   static_cast<int>(y1) + 2, p);
    }
    // 30 + 31: the title-strip gradient (the vertex colours give it its fade).
    area(0.75f, 0.75f, 1.0f, 1.0f, x0, y0, x1, y1);
    c.fillRect(static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1), static_cast<int>(y1),
               Paint::linear({0, y0}, rgb(0xFFFFFF), {0, y1}, rgb(0xA8C0E0)));
    return c;
}

Canvas border() {
    Canvas c(64, 64);
    c.roundRectOutline(2, 2, 62, 62, 6, 3, rgb(0xDDE6F2));
    return c;
}

Canvas logo(int which) {
    const int w = 512, h = which == 3 ? 128 : 256;
    Canvas c(w, h);
    const canvas::Font serif(canvas::fonts::serifBold);
    const canvas::Font sans(canvas::fonts::sans);
    // A small fan of cards beside the title.
    const float fx = which == 3 ? 64 : 256, fy = which == 3 ? 100 : 150, fs = which == 3 ? 0.55f : 1.0f;
    for (int i = 0; i < 3; ++i) {
        const float angle = (i - 1) * 18.0f;
        const Path card = Path().addRoundRect(-28, -84, 28, 0, 6);
        const auto m =
            canvas::Affine::translate(fx, fy) * canvas::Affine::scale(fs, fs) * canvas::Affine::rotate(angle);
        c.fill(card.transformed(m), rgb(0xFAF6EC));
        const Path rim = Path().addStroke({{-28, -84}, {28, -84}, {28, 0}, {-28, 0}, {-28, -84}}, 2.5f);
        c.fill(rim.transformed(m), rgb(0x7A6A50));
        const Path pip =
            (i == 1 ? heart() : acorn())
                .transformed(canvas::Affine::translate(-14, -56) * canvas::Affine::scale(28, 28));
        c.fill(pip.transformed(m), rgb(i == 1 ? 0xC01818 : 0x202020));
    }
    const std::string title = "Kartenspiele";
    if (which == 3) {
        c.drawText(serif, 64, 124, 84, title, Paint::linear({0, 30}, rgb(0xFFF0C0), {0, 90}, rgb(0xC89830)));
    } else {
        c.drawTextCentred(serif, which == 1 ? 80 : 64, 256, 240 - (which == 1 ? 0 : 10), title,
                          Paint::linear({0, 170}, rgb(0xFFF0C0), {0, 240}, rgb(0xC89830)));
        if (which == 2) c.drawTextCentred(sans, 22, 256, 252, "am Kartentisch", rgb(0xE0E6F0));
    }
    return c;
}

Canvas loadBar(bool filled) {
    Canvas c(256, 16, rgb(0x000000));
    if (filled) {
        c.fillRect(0, 0, 256, 16, Paint::linear({0, 0}, rgb(0xFFE9A0), {0, 16}, rgb(0xB07818)));
        c.addNoise(7, 10);
    } else {
        c.fillRect(0, 0, 256, 16, Paint::linear({0, 0}, rgb(0x101820), {0, 16}, rgb(0x304058)));
        c.addNoise(3, 6);
    }
    c.fillRect(0, 0, 256, 1, rgb(0x8090A0));
    c.fillRect(0, 15, 256, 16, rgb(0x000000));
    return c;
}

bool writeWithMask(const std::filesystem::path& dir, const std::string& name, const Canvas& c) {
    return image::writeBmp(dir / (name + ".bmp"), c.toImage(3)) &&
           image::writeBmp(dir / (name + "a.bmp"), alphaOnly(c).toImage(3));
}

bool writeAll(const std::filesystem::path& dir) {
    bool ok = true;
    ok = writeWithMask(dir, "font", font(false)) && ok;
    ok = writeWithMask(dir, "fonth", font(true)) && ok;
    ok = writeWithMask(dir, "elem", elem()) && ok;
    ok = writeWithMask(dir, "border", border()) && ok;
    ok = writeWithMask(dir, "logo", logo(1)) && ok;
    ok = writeWithMask(dir, "logo2", logo(2)) && ok;
    ok = writeWithMask(dir, "logo3", logo(3)) && ok;
    ok = image::writeJpeg(dir / "load0.jpg", loadBar(false).toImage(3), 92) && ok;
    ok = image::writeJpeg(dir / "load1.jpg", loadBar(true).toImage(3), 92) && ok;
    return ok;
}

}  // namespace pavlune
