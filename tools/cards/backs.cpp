#include "tools/cards/backs.h"

#include <cmath>

namespace backs {

using namespace canvas;

namespace {

// Designs are laid out on a 178 x 290 card and scaled to the picture.
constexpr float kW = 178, kH = 290, kCx = kW / 2, kCy = kH / 2;
constexpr float kMargin = 9, kRadius = 10;
constexpr float kPi = 3.14159265f;

struct Ctx {
    Canvas& c;
    Affine s;
    Path path() const {
        Path p;
        p.setTransform(s);
        return p;
    }
    Pt at(float x, float y) const { return s.apply({x, y}); }
};

// A star of n points, outer radius r, inner radius ri.
void star(Path& p, float cx, float cy, int n, float r, float ri, float turn = 0) {
    std::vector<Pt> pts;
    for (int k = 0; k < 2 * n; ++k) {
        const float a = turn + k * kPi / n - kPi / 2;
        const float rr = k % 2 ? ri : r;
        pts.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
    }
    p.addPolygon(pts);
}

void panel(const Ctx& x, Color col) {
    x.c.fill(x.path().addRoundRect(kMargin, kMargin, kW - kMargin, kH - kMargin, kRadius), col);
}

// White border laid over the pattern, which may run past the panel's edge.
void border(const Ctx& x, Color line) {
    Path b = x.path();
    b.addRect(-2, -2, kW + 2, kH + 2).addRoundRect(kMargin, kMargin, kW - kMargin, kH - kMargin, kRadius);
    x.c.fillEvenOdd(b, rgb(0xFBFBF8));
    Path f = x.path();
    f.addRoundRect(kMargin + 5, kMargin + 5, kW - kMargin - 5, kH - kMargin - 5, kRadius - 4)
        .addRoundRect(kMargin + 6.5f, kMargin + 6.5f, kW - kMargin - 6.5f, kH - kMargin - 6.5f, kRadius - 5);
    x.c.fillEvenOdd(f, canvas::mix(line, rgb(0xFFFFFF), 0.45f));
}

// Diagonal lines through the centre's grid, so the pattern maps onto itself in a half turn.
void lattice(const Ctx& x, float step, float width, Color col) {
    Path p = x.path();
    for (int k = -40; k <= 40; ++k) {
        const float d = kCx - kCy + k * step, e = kCx + kCy + k * step;
        p.addStroke({{d - 20, -20}, {d + kH + 20, kH + 20}}, width);
        p.addStroke({{e + 20, -20}, {e - kH - 20, kH + 20}}, width);
    }
    x.c.fill(p, col);
}

void medallion(const Ctx& x, float rx, float ry, Color fill, Color ring) {
    x.c.fill(x.path().addEllipse(kCx, kCy, rx, ry), fill);
    Path r = x.path();
    r.addEllipse(kCx, kCy, rx + 1.5f, ry + 1.5f).addEllipse(kCx, kCy, rx - 1.5f, ry - 1.5f);
    x.c.fillEvenOdd(r, ring);
}

void design0(const Ctx& x) {  // blue lattice with a gold star
    panel(x, rgb(0x1C3A8A));
    lattice(x, 11, 1.3f, rgb(0x5574CC));
    Path dots = x.path();
    for (int j = -30; j <= 30; ++j)
        for (int i = -20; i <= 20; ++i)
            if ((i + j) % 2) dots.addCircle(kCx + 5.5f * i, kCy + 5.5f * j, 1.1f);
    x.c.fill(dots, rgb(0x9AB0F0));
    medallion(x, 42, 58, rgb(0x142C6A), rgb(0xE2B02E));
    Path s = x.path();
    star(s, kCx, kCy, 8, 34, 15);
    x.c.fill(s, Paint::radial(x.at(kCx, kCy), 34 * x.s.a, rgb(0xFFE58A), rgb(0xC8901A)));
    x.c.fill(x.path().addCircle(kCx, kCy, 7), rgb(0x142C6A));
    border(x, rgb(0x1C3A8A));
}

void design1(const Ctx& x) {  // red diamonds with a rosette
    panel(x, rgb(0x9E1C28));
    Path d = x.path();
    const float sx = 16, sy = 22;
    for (int j = -1; j * sy < kH + sy; ++j)
        for (int i = -1; i * sx < kW + sx; ++i) {
            if ((i + j) % 2) continue;
            const float cx = kCx + (i - 6) * sx, cy = kCy + (j - 7) * sy;
            d.addPolygon({{cx, cy - sy / 2}, {cx + sx / 2, cy}, {cx, cy + sy / 2}, {cx - sx / 2, cy}});
        }
    x.c.fill(d, rgb(0xC63846));
    medallion(x, 44, 44, rgb(0xFBF4EC), rgb(0xE2B02E));
    Path petals = x.path();
    for (int k = 0; k < 8; ++k) {
        const float a = k * kPi / 4;
        petals.addEllipse(kCx + 20 * std::cos(a), kCy + 20 * std::sin(a), 11, 11);
    }
    x.c.fill(petals, rgb(0xC63846));
    x.c.fill(x.path().addCircle(kCx, kCy, 13), rgb(0x9E1C28));
    Path s = x.path();
    star(s, kCx, kCy, 4, 10, 4);
    x.c.fill(s, rgb(0xFFE58A));
    border(x, rgb(0x9E1C28));
}

void design2(const Ctx& x) {  // green rings
    panel(x, rgb(0x1C6238));
    Path rings = x.path();
    const float step = 14;
    for (int j = 0; j * step < kH + step; ++j)
        for (int i = 0; i * step < kW + step; ++i) {
            const float cx = kCx + (i - 7) * step + (j % 2) * step / 2, cy = kCy + (j - 11) * step;
            rings.addCircle(cx, cy, 6.2f).addCircle(cx, cy, 4.6f);
        }
    x.c.fillEvenOdd(rings, rgb(0x4E9A62));
    medallion(x, 40, 64, rgb(0x134A28), rgb(0xE2B02E));
    // Two leaves, head to head, so the half turn keeps the picture.
    for (int k = 0; k < 2; ++k) {
        const Affine m = x.s * Affine::translate(kCx, kCy) * Affine::rotate(k * 180.0f);
        Path leaf;
        leaf.setTransform(m)
            .moveTo(0, -4)
            .cubicTo(16, -14, 14, -40, 0, -52)
            .cubicTo(-14, -40, -16, -14, 0, -4)
            .close();
        x.c.fill(leaf, rgb(0x8CCB6A));
        Path vein;
        vein.setTransform(m).addStroke({{0, -6}, {0, -48}}, 1.4f);
        x.c.fill(vein, rgb(0x134A28));
    }
    x.c.fill(x.path().addCircle(kCx, kCy, 5), rgb(0xE2B02E));
    border(x, rgb(0x1C6238));
}

void design3(const Ctx& x) {  // night blue sunburst in gold frames
    panel(x, rgb(0x0E1830));
    Path rays = x.path();
    const int n = 36;
    for (int k = 0; k < n; k += 2) {
        const float a0 = 2 * kPi * k / n, a1 = 2 * kPi * (k + 1) / n;
        rays.addPolygon({{kCx, kCy},
                         {kCx + 400 * std::cos(a0), kCy + 400 * std::sin(a0)},
                         {kCx + 400 * std::cos(a1), kCy + 400 * std::sin(a1)}});
    }
    x.c.fill(rays, rgb(0x1C2C52));
    Path frame = x.path();
    frame.addRoundRect(24, 24, kW - 24, kH - 24, 8).addRoundRect(27, 27, kW - 27, kH - 27, 6);
    x.c.fillEvenOdd(frame, rgb(0xD8A838));
    x.c.fill(x.path().addCircle(kCx, kCy, 30),
             Paint::radial(x.at(kCx - 8, kCy - 8), 38 * x.s.a, rgb(0xFFE58A), rgb(0xB07A14)));
    Path s = x.path();
    star(s, kCx, kCy, 12, 24, 14);
    x.c.fill(s, rgb(0x0E1830, 160));
    Path corners = x.path();
    for (const Pt p : {Pt{36, 36}, Pt{kW - 36, 36}, Pt{36, kH - 36}, Pt{kW - 36, kH - 36}})
        star(corners, p.x, p.y, 4, 7, 2.5f);
    x.c.fill(corners, rgb(0xD8A838));
    border(x, rgb(0x0E1830));
}

void design4(const Ctx& x) {  // woven burgundy tartan with a quatrefoil
    panel(x, rgb(0x5E1E24));
    Path h = x.path(), v = x.path();
    for (int k = -8; k <= 8; ++k) {
        const float y = kCy + k * 18, xx = kCx + k * 18;
        h.addRect(0, y - 4, kW, y + 4);
        v.addRect(xx - 4, 0, xx + 4, kH);
    }
    x.c.fill(h, rgb(0x1E3A2A, 110));
    x.c.fill(v, rgb(0x1E3A2A, 110));
    Path thin = x.path();
    for (int k = -8; k <= 8; ++k) {
        thin.addRect(0, kCy + k * 18 + 8.5f, kW, kCy + k * 18 + 9.5f);
        thin.addRect(kCx + k * 18 + 8.5f, 0, kCx + k * 18 + 9.5f, kH);
    }
    x.c.fill(thin, rgb(0xE2B02E, 150));
    Path q = x.path();
    for (int k = 0; k < 4; ++k) {
        const float a = k * kPi / 2;
        q.addCircle(kCx + 17 * std::cos(a), kCy + 17 * std::sin(a), 18);
    }
    x.c.fill(q, rgb(0xF4EAD2));
    x.c.fill(Path().addOutline(q, 2.0f * x.s.a), rgb(0xB8861C));
    Path s = x.path();
    star(s, kCx, kCy, 4, 22, 8, kPi / 4);
    x.c.fill(s, rgb(0x5E1E24));
    x.c.fill(x.path().addCircle(kCx, kCy, 5), rgb(0xE2B02E));
    border(x, rgb(0x5E1E24));
}

}  // namespace

Canvas draw(int design, int width, int height) {
    Canvas c(width, height, rgb(0xFBFBF8));
    const Ctx x{c, Affine::scale(width / kW, height / kH)};
    switch (design) {
        case 0:
            design0(x);
            break;
        case 1:
            design1(x);
            break;
        case 2:
            design2(x);
            break;
        case 3:
            design3(x);
            break;
        default:
            design4(x);
            break;
    }
    return c;
}

}  // namespace backs
