#include "tools/cards/suits.h"

#include <cmath>

namespace suits {

using namespace canvas;

namespace {

void heart(Path& p) {
    p.moveTo(0, -0.3f)
        .cubicTo(0.1f, -0.56f, 0.48f, -0.56f, 0.48f, -0.2f)
        .cubicTo(0.48f, 0.04f, 0.22f, 0.2f, 0, 0.5f)
        .cubicTo(-0.22f, 0.2f, -0.48f, 0.04f, -0.48f, -0.2f)
        .cubicTo(-0.48f, -0.56f, -0.1f, -0.56f, 0, -0.3f)
        .close();
}

// The foot of spades and clubs: a flared stem from the body down to the base line.
void stem(Path& p, float top) {
    p.moveTo(0.035f, top)
        .quadTo(0.05f, 0.4f, 0.2f, 0.5f)
        .lineTo(-0.2f, 0.5f)
        .quadTo(-0.05f, 0.4f, -0.035f, top)
        .close();
}

void spade(Path& p) {
    p.moveTo(0, -0.5f)
        .cubicTo(0.18f, -0.28f, 0.47f, -0.14f, 0.47f, 0.09f)
        .cubicTo(0.47f, 0.3f, 0.2f, 0.36f, 0.04f, 0.2f)
        .lineTo(-0.04f, 0.2f)
        .cubicTo(-0.2f, 0.36f, -0.47f, 0.3f, -0.47f, 0.09f)
        .cubicTo(-0.47f, -0.14f, -0.18f, -0.28f, 0, -0.5f)
        .close();
    stem(p, 0.1f);
}

void club(Path& p) {
    p.addCircle(0, -0.27f, 0.21f).addCircle(-0.255f, 0.06f, 0.21f).addCircle(0.255f, 0.06f, 0.21f);
    p.addCircle(0, -0.02f, 0.14f);
    stem(p, 0.0f);
}

void diamond(Path& p) {
    p.moveTo(0, -0.5f)
        .quadTo(0.15f, -0.2f, 0.38f, 0)
        .quadTo(0.15f, 0.2f, 0, 0.5f)
        .quadTo(-0.15f, 0.2f, -0.38f, 0)
        .quadTo(-0.15f, -0.2f, 0, -0.5f)
        .close();
}

void leaf(Path& p) {
    p.moveTo(0, -0.5f)
        .cubicTo(0.2f, -0.34f, 0.47f, -0.14f, 0.42f, 0.12f)
        .cubicTo(0.38f, 0.3f, 0.16f, 0.36f, 0.04f, 0.34f)
        .lineTo(0.045f, 0.5f)
        .lineTo(-0.045f, 0.5f)
        .lineTo(-0.04f, 0.34f)
        .cubicTo(-0.16f, 0.36f, -0.38f, 0.3f, -0.42f, 0.12f)
        .cubicTo(-0.47f, -0.14f, -0.2f, -0.34f, 0, -0.5f)
        .close();
}

// Acorn parts: nut below, cup above it, a short stalk on top.
void acornNut(Path& p) {
    p.moveTo(0, 0.5f)
        .cubicTo(-0.14f, 0.46f, -0.25f, 0.3f, -0.25f, 0.08f)
        .cubicTo(-0.25f, -0.08f, -0.18f, -0.18f, 0, -0.18f)
        .cubicTo(0.18f, -0.18f, 0.25f, -0.08f, 0.25f, 0.08f)
        .cubicTo(0.25f, 0.3f, 0.14f, 0.46f, 0, 0.5f)
        .close();
}
void acornCup(Path& p) {
    p.moveTo(-0.3f, -0.04f)
        .cubicTo(-0.33f, -0.26f, -0.18f, -0.38f, 0, -0.38f)
        .cubicTo(0.18f, -0.38f, 0.33f, -0.26f, 0.3f, -0.04f)
        .quadTo(0, 0.03f, -0.3f, -0.04f)
        .close();
}
void acornStalk(Path& p) { p.addRoundRect(-0.035f, -0.5f, 0.035f, -0.34f, 0.02f); }

constexpr float kBellR = 0.42f, kBellY = 0.06f;
void bellBall(Path& p) { p.addCircle(0, kBellY, kBellR); }
void bellRing(Path& p) { p.addCircle(0, -0.42f, 0.08f); }
// The band across the bell's middle, following the ball's curve at its ends.
void bellBand(Path& p) {
    std::vector<canvas::Pt> pts;
    const float y0 = kBellY - 0.16f, y1 = kBellY - 0.05f;
    for (int i = 0; i <= 8; ++i) {
        const float y = y0 + (y1 - y0) * i / 8;
        pts.push_back({std::sqrt(kBellR * kBellR - (y - kBellY) * (y - kBellY)) - 0.005f, y});
    }
    for (int i = 8; i >= 0; --i) {
        const float y = y0 + (y1 - y0) * i / 8;
        pts.push_back({-std::sqrt(kBellR * kBellR - (y - kBellY) * (y - kBellY)) + 0.005f, y});
    }
    p.addPolygon(pts);
}
void bellSlot(Path& p) {
    p.addCircle(0, 0.22f, 0.065f);
    p.addRect(-0.022f, 0.22f, 0.022f, 0.47f);
}

bool valid(int style, int suit) { return (style == French || style == German) && suit >= 1 && suit <= 4; }

}  // namespace

Path shape(int style, int suit, const Affine& m) {
    Path p;
    if (!valid(style, suit)) return p;
    p.setTransform(m);
    if (style == French) {
        switch (suit) {
            case 1:
                club(p);
                break;
            case 2:
                spade(p);
                break;
            case 3:
                heart(p);
                break;
            default:
                diamond(p);
                break;
        }
    } else {
        switch (suit) {
            case 1:
                acornNut(p);
                acornCup(p);
                acornStalk(p);
                break;
            case 2:
                leaf(p);
                break;
            case 3:
                heart(p);
                break;
            default:
                bellBall(p);
                bellRing(p);
                break;
        }
    }
    return p.orientContours();
}

Color color(int style, int suit) {
    if (style == German) {
        const Color c[4] = {rgb(0x8A5A1E), rgb(0x2E8B34), rgb(0xD41A1A), rgb(0xE3A81E)};
        return c[(suit - 1) & 3];
    }
    return suit == 3 || suit == 4 ? rgb(0xD0121A) : rgb(0x141414);
}

void draw(Canvas& c, int style, int suit, float cx, float cy, float size, bool upsideDown) {
    if (!valid(style, suit)) return;
    const Affine m =
        Affine::translate(cx, cy) * Affine::rotate(upsideDown ? 180.0f : 0.0f) * Affine::scale(size, size);
    auto part = [&](void (*build)(Path&)) {
        Path p;
        p.setTransform(m);
        build(p);
        return p.orientContours();
    };
    // Gradients run from top-left light to bottom-right dark in the symbol's own frame.
    auto grad = [&](Color light, Color dark) {
        return Paint::linear(m.apply({-0.3f, -0.4f}), light, m.apply({0.3f, 0.45f}), dark);
    };
    if (style == French) {
        const Color col = color(style, suit);
        c.fill(shape(style, suit, m), grad(canvas::shade(col, suit >= 3 ? 1.12f : 2.2f), col));
        return;
    }
    const Color ink = rgb(0x2A1A0A);
    const float line = 0.035f * size;
    switch (suit) {
        case 1: {
            const Path nut = part(acornNut), cup = part(acornCup), stalk = part(acornStalk);
            c.fill(Path().addOutline(nut, line).addOutline(cup, line).addOutline(stalk, line), ink);
            c.fill(nut, grad(rgb(0xF2C862), rgb(0xB07A22)));
            c.fill(Path().setTransform(m).addEllipse(-0.1f, 0.1f, 0.05f, 0.16f), rgb(0xFFF0C0, 150));
            c.fill(stalk, rgb(0x5A3A18));
            c.fill(cup, grad(rgb(0x9A6A30), rgb(0x5C3A14)));
            // The cup's scales: a lattice of short strokes.
            Path scales;
            scales.setTransform(m);
            for (int r = 0; r < 3; ++r)
                for (int k = -3; k <= 3; ++k) {
                    const float y = -0.28f + r * 0.09f, x = k * 0.08f + (r % 2) * 0.04f;
                    if (std::fabs(x) > 0.26f - (r == 0 ? 0.08f : 0)) continue;
                    scales.addStroke({{x - 0.03f, y}, {x, y + 0.04f}, {x + 0.03f, y}}, 0.018f);
                }
            c.fill(scales, rgb(0x3A220A, 200));
            c.fill(Path().addOutline(cup, line), ink);
            break;
        }
        case 2: {
            const Path l = part(leaf);
            c.fill(Path().addOutline(l, line), ink);
            c.fill(l, grad(rgb(0x6CC060), rgb(0x1E6A24)));
            Path veins;
            veins.setTransform(m);
            veins.addStroke({{0, 0.42f}, {0, -0.38f}}, 0.035f);
            for (int k = 0; k < 3; ++k) {
                const float y = -0.16f + k * 0.14f;
                veins.addStroke({{0, y + 0.08f}, {0.22f, y - 0.04f}}, 0.022f);
                veins.addStroke({{0, y + 0.08f}, {-0.22f, y - 0.04f}}, 0.022f);
            }
            c.fill(veins, rgb(0x154A18, 220));
            break;
        }
        case 3: {
            const Path h = part(heart);
            c.fill(Path().addOutline(h, line), ink);
            c.fill(h, grad(rgb(0xF25050), rgb(0xB00E0E)));
            c.fill(Path().setTransform(m).addEllipse(-0.22f, -0.24f, 0.08f, 0.13f), rgb(0xFFFFFF, 110));
            break;
        }
        default: {
            const Path ball = part(bellBall), ring = part(bellRing);
            Path ringHole;
            ringHole.setTransform(m);
            ringHole.addCircle(0, -0.42f, 0.04f);
            c.fill(Path().addOutline(ball, line).addOutline(ring, line), ink);
            c.fill(ring, rgb(0xC89018));
            c.fill(ringHole, rgb(0x2A1A0A));
            c.fill(ball,
                   Paint::radial(m.apply({-0.14f, -0.08f}), 0.55f * size, rgb(0xFFE27A), rgb(0xC07A08)));
            const Path band = part(bellBand);
            c.fill(band, rgb(0xC41818));
            c.fill(Path().addOutline(band, line * 0.7f), ink);
            c.fill(part(bellSlot), ink);
            c.fill(Path().setTransform(m).addEllipse(-0.16f, -0.16f, 0.09f, 0.06f), rgb(0xFFFFFF, 140));
            break;
        }
    }
}

}  // namespace suits
