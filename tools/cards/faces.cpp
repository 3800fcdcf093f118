#include "tools/cards/faces.h"

#include <cmath>

#include "tools/cards/suits.h"

namespace faces {

using namespace canvas;

namespace {

// Pip rows run between these heights (symmetric about the centre line).
constexpr float kPipTop = 50, kPipBottom = kHeight - kPipTop;
constexpr float kPipDx = 26;
// The court frame.
constexpr float kFrameX0 = 45, kFrameX1 = 2 * kCentreX - kFrameX0, kFrameY0 = 22,
                kFrameY1 = kHeight - kFrameY0;

const canvas::Font& boldFont() {
    thread_local canvas::Font f(canvas::fonts::sansBold);
    return f;
}
const canvas::Font& serifFont() {
    thread_local canvas::Font f(canvas::fonts::serifBold);
    return f;
}

// The half-turn about the face's centre that makes the lower half of a double-ended card.
Affine halfTurn() {
    return Affine::translate(kCentreX, kCentreY) * Affine::rotate(180) *
           Affine::translate(-kCentreX, -kCentreY);
}

Color indexColor(int style, int suit) {
    if (style == suits::German) {
        const Color c[4] = {rgb(0x6A4416), rgb(0x1F6E26), rgb(0xC8141A), rgb(0xA86000)};
        return c[(suit - 1) & 3];
    }
    return suits::color(style, suit);
}

// Text as an outline, centred on cx, squeezed across to at most maxWidth.
Path labelPath(const canvas::Font& font, float size, float cx, float baseline, const std::string& s,
               float maxWidth) {
    const float w = font.measure(size, s);
    const float sx = w > maxWidth ? maxWidth / w : 1.0f;
    const Path p = font.textPath(size, 0, 0, s);
    return p.transformed(Affine::translate(cx - w * sx / 2, baseline) * Affine::scale(sx, 1));
}

void drawIndex(Canvas& c, int style, int suit, int rank, const Affine& m) {
    const std::string label = rankLabel(style, rank);
    const float cx = kLeft + 21;
    c.fill(labelPath(boldFont(), 43, cx, 48, label, 28).transformed(m), indexColor(style, suit));
    const Pt p = m.apply({cx, 70});
    suits::draw(c, style, suit, p.x, p.y, 25, m.a < 0);
}

void background(Canvas& c) {
    c.fillRect(0, 0, kWidth, kHeight,
               Paint::linear({0, 0}, rgb(0xFFFFFF), {0, static_cast<float>(kHeight)}, rgb(0xF3F1EA)));
    // A fine edge line, so a card stands out on a light table. It sits inside the card's
    // rounded ends and inside the narrowest crop some games use (u 0.07..0.92).
    c.roundRectOutline(kLeft + 5, 3, kRight - 5, kHeight - 3, 11, 1.2f, rgb(0xB8BCC4));
}

// ---- court figures: drawn for the upper half in the upright frame, then half-turned ----

struct Palette {
    Color robe, accent, trim;
};

Palette palette(int suit, int rank) {
    const Palette p[4] = {{rgb(0x28479A), rgb(0xE2B02E), rgb(0xC0282C)},
                          {rgb(0x2C7A3A), rgb(0xC0282C), rgb(0xE2B02E)},
                          {rgb(0xC0282C), rgb(0xE2B02E), rgb(0x28479A)},
                          {rgb(0xD8901A), rgb(0x28479A), rgb(0x2C7A3A)}};
    Palette q = p[(suit - 1) & 3];
    if (rank == 5) std::swap(q.robe, q.trim);  // the queen / Ober wears the third colour
    return q;
}

const Color kInk = rgb(0x1E1A2A);
const Color kSkin = rgb(0xF7D3B2);

void stroke(Canvas& c, const Affine& m, std::vector<Pt> pts, float width, Color col) {
    c.fill(Path().setTransform(m).addStroke(pts, width), col);
}

void filled(Canvas& c, const Path& p, const Paint& paint, float outline = 1.3f) {
    c.fill(p, paint);
    if (outline > 0) c.fill(Path().addOutline(p, outline), kInk);
}

void drawHead(Canvas& c, const Affine& m, int style, int rank, const Palette& pal) {
    const float hx = kCentreX, hy = 66;
    // Hair behind the face.
    const Color hair = rank == 6 ? rgb(0xB8B0A0) : rank == 5 ? rgb(0xD9A441) : rgb(0x6A4020);
    if (rank == 5 && style == suits::French) {
        filled(c, Path().setTransform(m).addRoundRect(hx - 17, hy - 10, hx + 17, hy + 24, 9), hair);
    } else {
        filled(c, Path().setTransform(m).addEllipse(hx, hy - 2, 15.5f, 15), hair);
    }
    // Face.
    filled(c, Path().setTransform(m).addEllipse(hx, hy + 1, 12, 14), kSkin);
    c.fill(Path().setTransform(m).addCircle(hx - 4.5f, hy - 1, 1.5f).addCircle(hx + 4.5f, hy - 1, 1.5f),
           kInk);
    stroke(c, m, {{hx, hy}, {hx - 1.2f, hy + 4.5f}, {hx + 0.8f, hy + 5}}, 1.0f, rgb(0x9A6040));
    stroke(c, m, {{hx - 3.5f, hy + 8.5f}, {hx, hy + 9.8f}, {hx + 3.5f, hy + 8.5f}}, 1.3f, rgb(0xB0303A));
    c.fill(Path().setTransform(m).addCircle(hx - 7, hy + 5, 2.6f).addCircle(hx + 7, hy + 5, 2.6f),
           rgb(0xF08080, 90));
    // Beard of the king, moustache of the knaves.
    if (rank == 6) {
        Path b;
        b.setTransform(m)
            .moveTo(hx - 12, hy + 4)
            .cubicTo(hx - 12, hy + 20, hx - 5, hy + 25, hx, hy + 26)
            .cubicTo(hx + 5, hy + 25, hx + 12, hy + 20, hx + 12, hy + 4)
            .cubicTo(hx + 8, hy + 12, hx - 8, hy + 12, hx - 12, hy + 4)
            .close();
        filled(c, b, hair, 1.0f);
        stroke(c, m, {{hx - 3.5f, hy + 8.5f}, {hx, hy + 9.8f}, {hx + 3.5f, hy + 8.5f}}, 1.3f, rgb(0x8A2028));
    } else if (rank == 4) {
        stroke(c, m, {{hx - 5, hy + 6.5f}, {hx, hy + 5.5f}, {hx + 5, hy + 6.5f}}, 1.8f, hair);
    }
    // Headwear.
    const float top = hy - 14;
    if (rank == 6) {  // crown
        Path crown;
        crown.setTransform(m)
            .moveTo(hx - 15, top + 3)
            .lineTo(hx - 17, top - 15)
            .lineTo(hx - 9, top - 6)
            .lineTo(hx, top - 19)
            .lineTo(hx + 9, top - 6)
            .lineTo(hx + 17, top - 15)
            .lineTo(hx + 15, top + 3)
            .close();
        filled(c, crown,
               Paint::linear(m.apply({hx, top - 18}), rgb(0xFFE27A), m.apply({hx, top + 3}), rgb(0xC8901A)));
        c.fill(Path().setTransform(m).addCircle(hx, top - 4, 2.6f), pal.trim);
        c.fill(Path().setTransform(m).addCircle(hx - 9, top - 2, 1.8f).addCircle(hx + 9, top - 2, 1.8f),
               pal.robe);
        c.fill(Path()
                   .setTransform(m)
                   .addCircle(hx - 17, top - 16, 1.8f)
                   .addCircle(hx, top - 20, 1.8f)
                   .addCircle(hx + 17, top - 16, 1.8f),
               rgb(0xFFE27A));
    } else if (rank == 5) {
        if (style == suits::French) {  // small crown over a veil
            Path veil;
            veil.setTransform(m)
                .moveTo(hx - 16, top + 6)
                .quadTo(hx, top - 12, hx + 16, top + 6)
                .lineTo(hx + 12, top + 8)
                .quadTo(hx, top - 2, hx - 12, top + 8)
                .close();
            filled(c, veil, pal.accent);
            Path tiara;
            tiara.setTransform(m)
                .moveTo(hx - 10, top - 1)
                .lineTo(hx - 8, top - 11)
                .lineTo(hx - 3, top - 5)
                .lineTo(hx, top - 13)
                .lineTo(hx + 3, top - 5)
                .lineTo(hx + 8, top - 11)
                .lineTo(hx + 10, top - 1)
                .close();
            filled(c, tiara, rgb(0xF2C24A));
        } else {  // the Ober's tall hat with a plume
            Path hat;
            hat.setTransform(m)
                .moveTo(hx - 19, top + 4)
                .lineTo(hx - 12, top - 14)
                .quadTo(hx, top - 19, hx + 12, top - 14)
                .lineTo(hx + 19, top + 4)
                .close();
            filled(c, hat, pal.robe);
            filled(c, Path().setTransform(m).addRect(hx - 19, top, hx + 19, top + 5), pal.accent);
            Path plume;
            plume.setTransform(m)
                .moveTo(hx + 8, top - 12)
                .cubicTo(hx + 22, top - 28, hx + 30, top - 14, hx + 26, top - 4)
                .cubicTo(hx + 22, top - 14, hx + 16, top - 14, hx + 8, top - 12)
                .close();
            filled(c, plume, rgb(0xF4F4F4), 1.0f);
        }
    } else {  // knave: beret with a feather
        Path cap;
        cap.setTransform(m)
            .moveTo(hx - 20, top + 5)
            .cubicTo(hx - 20, top - 12, hx + 16, top - 16, hx + 19, top + 2)
            .quadTo(hx, top + 0, hx - 20, top + 5)
            .close();
        filled(c, cap, pal.trim);
        Path feather;
        feather.setTransform(m)
            .moveTo(hx - 8, top - 4)
            .cubicTo(hx - 24, top - 14, hx - 30, top - 4, hx - 30, top + 4)
            .cubicTo(hx - 22, top - 4, hx - 16, top - 2, hx - 8, top - 4)
            .close();
        filled(c, feather, rgb(0xF4F4F4), 1.0f);
        stroke(c, m, {{hx - 20, top + 5}, {hx, top + 1.5f}, {hx + 19, top + 2}}, 2.2f, pal.accent);
    }
}

void drawBody(Canvas& c, const Affine& m, int rank, const Palette& pal) {
    const float cx = kCentreX, y0 = 86, y1 = kCentreY;
    Path robe;
    robe.setTransform(m)
        .moveTo(cx - 38, y1)
        .lineTo(cx - 36, y0 + 14)
        .quadTo(cx - 34, y0 + 2, cx - 16, y0)
        .lineTo(cx + 16, y0)
        .quadTo(cx + 34, y0 + 2, cx + 36, y0 + 14)
        .lineTo(cx + 38, y1)
        .close();
    filled(c, robe,
           Paint::linear(m.apply({cx - 38, y0}), canvas::shade(pal.robe, 1.25f), m.apply({cx + 38, y1}),
                         canvas::shade(pal.robe, 0.85f)));
    // Front panel and collar.
    Path panel;
    panel.setTransform(m)
        .moveTo(cx - 9, y0 + 4)
        .lineTo(cx + 9, y0 + 4)
        .lineTo(cx + 12, y1)
        .lineTo(cx - 12, y1)
        .close();
    filled(c, panel, pal.accent, 1.0f);
    for (int k = 0; k < 4; ++k)
        filled(c, Path().setTransform(m).addCircle(cx, y0 + 16 + k * 12, 2.4f), pal.trim, 0.8f);
    Path collar;
    collar.setTransform(m)
        .moveTo(cx - 18, y0 - 1)
        .lineTo(cx, y0 + 12)
        .lineTo(cx + 18, y0 - 1)
        .quadTo(cx, y0 + 4, cx - 18, y0 - 1)
        .close();
    filled(c, collar, rgb(0xFBFBF6), 1.0f);
    // Shoulder trim.
    stroke(c, m, {{cx - 36, y0 + 16}, {cx - 22, y0 + 12}, {cx - 22, y1}}, 2.4f, pal.trim);
    stroke(c, m, {{cx + 36, y0 + 16}, {cx + 22, y0 + 12}, {cx + 22, y1}}, 2.4f, pal.trim);
    // The arm that holds the item: a sleeve from the shoulder to the hand at (hx, hy),
    // drawn before the item, so the item lies over the sleeve and under the hand.
    auto arm = [&](float side, float hx, float hy) {
        const std::vector<Pt> sleeve = {
            {cx + side * 26, y0 + 8}, {cx + side * 33, y0 + 22}, {hx - side * 3, hy - 3}};
        stroke(c, m, sleeve, 11.5f, kInk);
        stroke(c, m, sleeve, 9.0f, canvas::shade(pal.robe, 0.8f));
        stroke(c, m, {{hx - side * 6, hy - 6}, {hx - side * 4, hy - 1}}, 4.5f, pal.accent);
    };
    // The held item.
    if (rank == 6) {  // sceptre
        arm(1, cx + 29, y1 - 26);
        stroke(c, m, {{cx + 30, y1 - 4}, {cx + 26, y0 - 22}}, 3.2f, kInk);
        stroke(c, m, {{cx + 30, y1 - 4}, {cx + 26, y0 - 22}}, 2.0f, rgb(0xE8B838));
        filled(c, Path().setTransform(m).addCircle(cx + 25.8f, y0 - 25, 4.2f), rgb(0xF2C24A), 1.0f);
        filled(c, Path().setTransform(m).addEllipse(cx + 29, y1 - 26, 6, 4.5f), kSkin, 1.0f);
    } else if (rank == 5) {  // flower
        arm(-1, cx - 28, y1 - 24);
        stroke(c, m, {{cx - 28, y1 - 10}, {cx - 31, y0 - 12}}, 1.8f, rgb(0x2C7A3A));
        Path petals;
        petals.setTransform(m);
        for (int k = 0; k < 5; ++k) {
            const float a = k * 2 * 3.14159f / 5;
            petals.addCircle(cx - 31 + 3.6f * std::sin(a), y0 - 15 - 3.6f * std::cos(a), 2.8f);
        }
        filled(c, petals, rgb(0xE84A5A), 0.8f);
        c.fill(Path().setTransform(m).addCircle(cx - 31, y0 - 15, 1.8f), rgb(0xF2C24A));
        filled(c, Path().setTransform(m).addEllipse(cx - 28, y1 - 24, 6, 4.5f), kSkin, 1.0f);
    } else {  // halberd
        arm(-1, cx - 29, y1 - 26);
        stroke(c, m, {{cx - 29, y1 - 2}, {cx - 31, y0 - 30}}, 3.0f, kInk);
        stroke(c, m, {{cx - 29, y1 - 2}, {cx - 31, y0 - 30}}, 1.8f, rgb(0x8A5A2A));
        Path blade;
        blade.setTransform(m)
            .moveTo(cx - 31, y0 - 40)
            .lineTo(cx - 27, y0 - 29)
            .quadTo(cx - 20, y0 - 32, cx - 19, y0 - 22)
            .quadTo(cx - 25, y0 - 24, cx - 30.5f, y0 - 22)
            .quadTo(cx - 38, y0 - 24, cx - 40, y0 - 30)
            .lineTo(cx - 34, y0 - 29)
            .close();
        filled(c, blade,
               Paint::linear(m.apply({cx - 40, y0 - 40}), rgb(0xF0F2F6), m.apply({cx - 20, y0 - 20}),
                             rgb(0x9AA2B0)),
               1.0f);
        filled(c, Path().setTransform(m).addEllipse(cx - 29, y1 - 26, 6, 4.5f), kSkin, 1.0f);
    }
}

void drawCourt(Canvas& c, int style, int suit, int rank) {
    const Palette pal = palette(suit, rank);
    // Frame, tinted inside.
    c.roundRect(kFrameX0, kFrameY0, kFrameX1, kFrameY1, 6,
                Paint::linear({0, kFrameY0}, rgb(0xF8F0DA), {0, kCentreY}, rgb(0xFDF9EE)));
    for (const Affine& m : {Affine(), halfTurn()}) {
        drawBody(c, m, rank, pal);
        drawHead(c, m, style, rank, pal);
        // The suit symbol inside the frame, clear of the held item: at the top corner; the
        // German Unter holds it low, the German König has it on his other side.
        Pt at = {kFrameX1 - 13, kFrameY0 + 14};
        float size = 20;
        if (style == suits::German) {
            if (rank == 4) at = {kFrameX1 - 13, kCentreY - 22};
            if (rank == 6) at = {kFrameX0 + 13, kFrameY0 + 14};
            size = 22;
        }
        const Pt p = m.apply(at);
        suits::draw(c, style, suit, p.x, p.y, size, m.a < 0);
    }
    // The line between the halves and the frame.
    c.line(kFrameX0, kCentreY, kFrameX1, kCentreY, 1.4f, kInk);
    c.roundRectOutline(kFrameX0, kFrameY0, kFrameX1, kFrameY1, 6, 1.6f, rgb(0x22306A));
}

void drawJoker(Canvas& c) {
    c.roundRect(kFrameX0, kFrameY0, kFrameX1, kFrameY1, 6, rgb(0xFDF6E4));
    const Color colours[3] = {rgb(0xC0282C), rgb(0x28479A), rgb(0x2C7A3A)};
    for (const Affine& m : {Affine(), halfTurn()}) {
        const float hx = kCentreX, hy = 92;
        // Jester's cap: three floppy points with bells.
        const Pt tips[3] = {{hx - 30, hy - 22}, {hx, hy - 44}, {hx + 30, hy - 22}};
        for (int k = 0; k < 3; ++k) {
            Path lobe;
            lobe.setTransform(m)
                .moveTo(hx - 14 + k * 8.0f, hy - 10)
                .quadTo((hx - 14 + k * 8.0f + tips[k].x) / 2 - 4, tips[k].y + 6, tips[k].x, tips[k].y)
                .quadTo((hx - 6 + k * 8.0f + tips[k].x) / 2 + 6, tips[k].y + 14, hx - 2 + k * 8.0f, hy - 10)
                .close();
            filled(c, lobe, colours[k]);
            filled(c, Path().setTransform(m).addCircle(tips[k].x, tips[k].y, 3.6f), rgb(0xF2C24A), 1.0f);
        }
        filled(c, Path().setTransform(m).addEllipse(hx, hy + 4, 12, 14), kSkin);
        c.fill(Path().setTransform(m).addCircle(hx - 4.5f, hy + 2, 1.5f).addCircle(hx + 4.5f, hy + 2, 1.5f),
               kInk);
        stroke(c, m, {{hx - 6, hy + 9}, {hx, hy + 13}, {hx + 6, hy + 9}}, 1.5f, rgb(0xB0303A));
        filled(c, Path().setTransform(m).addRect(hx - 16, hy - 12, hx + 16, hy - 7), rgb(0xF2C24A), 1.0f);
        // Ruff collar.
        Path ruff;
        ruff.setTransform(m);
        for (int k = -3; k <= 3; ++k) ruff.addCircle(hx + k * 7.0f, hy + 22 - std::abs(k) * 1.5f, 5);
        filled(c, ruff, rgb(0xFBFBF6), 1.0f);
        Path label = labelPath(serifFont(), 22, kCentreX, kCentreY - 10, "JOKER", 70);
        c.fill(label.transformed(m), rgb(0x22306A));
    }
    c.roundRectOutline(kFrameX0, kFrameY0, kFrameX1, kFrameY1, 6, 1.6f, rgb(0x22306A));
}

void drawAce(Canvas& c, int style, int suit) {
    if (style == suits::German) {
        // The Daus: a large symbol in an oval wreath.
        c.ellipse(kCentreX, kCentreY, 56, 80,
                  Paint::radial({kCentreX, kCentreY}, 80, rgb(0xFFF8E0), rgb(0xF4E4B8)));
        c.fill(Path().addOutline(Path().addEllipse(kCentreX, kCentreY, 56, 80), 2.2f), rgb(0x8A6A2A));
        Path dots;
        for (int k = 0; k < 24; ++k) {
            const float a = k * 2 * 3.14159f / 24;
            dots.addCircle(kCentreX + 63 * std::cos(a), kCentreY + 87 * std::sin(a), 2.2f);
        }
        c.fill(dots, rgb(0xC8901A));
        suits::draw(c, style, suit, kCentreX, kCentreY, 96);
        return;
    }
    suits::draw(c, style, suit, kCentreX, kCentreY, 92);
}

}  // namespace

std::vector<Pip> pipLayout(int count) {
    const float l = kCentreX - kPipDx, r = kCentreX + kPipDx, m = kCentreX;
    const float h = kPipBottom - kPipTop;
    auto y = [&](float f) { return kPipTop + h * f; };
    std::vector<Pip> out;
    auto add = [&](float x, float f) { out.push_back({x, y(f), f > 0.5f}); };
    auto sides = [&](std::initializer_list<float> fs) {
        for (float f : fs) {
            add(l, f);
            add(r, f);
        }
    };
    switch (count) {
        case 1:
            add(m, 0.5f);
            break;
        case 2:
            add(m, 0);
            add(m, 1);
            break;
        case 3:
            add(m, 0);
            add(m, 0.5f);
            add(m, 1);
            break;
        case 4:
            sides({0, 1});
            break;
        case 5:
            sides({0, 1});
            add(m, 0.5f);
            break;
        case 6:
            sides({0, 0.5f, 1});
            break;
        case 7:
            sides({0, 0.5f, 1});
            add(m, 0.25f);
            break;
        case 8:
            sides({0, 0.5f, 1});
            add(m, 0.25f);
            add(m, 0.75f);
            break;
        case 9:
            sides({0, 1.0f / 3, 2.0f / 3, 1});
            add(m, 0.5f);
            break;
        case 10:
            sides({0, 1.0f / 3, 2.0f / 3, 1});
            add(m, 1.0f / 6);
            add(m, 5.0f / 6);
            break;
        default:
            break;
    }
    return out;
}

int pipCount(int rank) {
    switch (rank) {
        case 1:
            return 7;
        case 2:
            return 8;
        case 3:
            return 9;
        case 7:
            return 10;
        case 8:
            return 1;
        default:
            return rank >= 9 && rank <= 13 ? rank - 7 : 0;
    }
}

std::string rankLabel(int style, int rank) {
    static const char* french[] = {"7", "8", "9", "B", "D", "K", "10", "A", "2", "3", "4", "5", "6", "J"};
    static const char* german[] = {"7", "8", "9", "U", "O", "K", "10", "A", "2", "3", "4", "5", "6", "J"};
    if (rank < 1 || rank > 14) return {};
    return (style == suits::German ? german : french)[rank - 1];
}

void drawBlank(Canvas& c) { background(c); }

void draw(Canvas& c, int style, int suit, int rank) {
    background(c);
    if (rank == 14) {
        drawJoker(c);
        for (const Affine& m : {Affine(), halfTurn()}) {
            c.fill(labelPath(boldFont(), 40, kLeft + 21, 44, "J", 28).transformed(m), rgb(0x22306A));
            const Pt p = m.apply({kLeft + 21, 64});
            c.fill(Path()
                       .setTransform(Affine::translate(p.x, p.y) * Affine::scale(9, 9))
                       .moveTo(0, -1)
                       .lineTo(0.3f, -0.3f)
                       .lineTo(1, 0)
                       .lineTo(0.3f, 0.3f)
                       .lineTo(0, 1)
                       .lineTo(-0.3f, 0.3f)
                       .lineTo(-1, 0)
                       .lineTo(-0.3f, -0.3f)
                       .close(),
                   rgb(0xC0282C));
        }
        return;
    }
    const int pips = pipCount(rank);
    if (pips == 1)
        drawAce(c, style, suit);
    else if (pips > 1) {
        const float size = pips >= 9 ? 31 : 36;
        for (const Pip& p : pipLayout(pips)) suits::draw(c, style, suit, p.x, p.y, size, p.upsideDown);
    } else if (rank >= 4 && rank <= 6) {
        drawCourt(c, style, suit, rank);
    }
    drawIndex(c, style, suit, rank, Affine());
    drawIndex(c, style, suit, rank, halfTurn());
}

}  // namespace faces
