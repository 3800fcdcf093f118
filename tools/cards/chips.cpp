#include "tools/cards/chips.h"

#include <cmath>
#include <string>

namespace chips {

using namespace canvas;

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kSpots = 6;

const canvas::Font& bold() {
    thread_local canvas::Font f(canvas::fonts::sansBold);
    return f;
}

struct ChipLook {
    Color base, spot, text;
};

ChipLook chipLook(int kind) {
    const ChipLook looks[kChipKinds] = {{rgb(0xEDEDE8), rgb(0x2A5AC0), rgb(0x1A3A80)},
                                        {rgb(0xC21E2A), rgb(0xF6F6F0), rgb(0xFFFFFF)},
                                        {rgb(0x1E4EB0), rgb(0xF6F6F0), rgb(0xFFFFFF)},
                                        {rgb(0x1E8044), rgb(0xF6F6F0), rgb(0xFFFFFF)},
                                        {rgb(0x1C1C1C), rgb(0xE2B02E), rgb(0xF2D070)}};
    return looks[kind];
}

// Text centred on (cx, cy) by its cap height, squeezed to maxWidth.
void centredText(Canvas& c, const std::string& s, float size, float cx, float cy, float maxWidth, Color col) {
    const canvas::Font& f = bold();
    const float w = f.measure(size, s);
    const float sx = w > maxWidth ? maxWidth / w : 1.0f;
    const float cap = 0.72f * size;
    c.fill(f.textPath(size, 0, 0, s)
               .transformed(Affine::translate(cx - w * sx / 2, cy + cap / 2) * Affine::scale(sx, 1)),
           col);
}

void chipFace(Canvas& c, float cx, float cy, float r, int kind) {
    const ChipLook l = chipLook(kind);
    c.fill(Path().addCircle(cx, cy, r), l.base);
    // Edge inlays.
    Path spots;
    for (int k = 0; k < kSpots; ++k) {
        const float a0 = 2 * kPi * k / kSpots, a1 = a0 + 2 * kPi / kSpots / 2.2f;
        std::vector<canvas::Pt> pts;
        for (int i = 0; i <= 8; ++i) {
            const float a = a0 + (a1 - a0) * i / 8;
            pts.push_back({cx + r * 1.01f * std::cos(a), cy + r * 1.01f * std::sin(a)});
        }
        for (int i = 8; i >= 0; --i) {
            const float a = a0 + (a1 - a0) * i / 8;
            pts.push_back({cx + r * 0.78f * std::cos(a), cy + r * 0.78f * std::sin(a)});
        }
        spots.addPolygon(pts);
    }
    c.fill(spots, l.spot);
    // Inner field with a dashed ring.
    c.fill(Path().addCircle(cx, cy, r * 0.7f), canvas::shade(l.base, kind == 0 ? 0.96f : 1.08f));
    Path dashes;
    for (int k = 0; k < 24; ++k) {
        const float a = 2 * kPi * k / 24;
        dashes.addCircle(cx + r * 0.62f * std::cos(a), cy + r * 0.62f * std::sin(a), r * 0.035f);
    }
    c.fill(dashes, l.spot);
    centredText(c, std::to_string(kValues[kind]), r * 0.62f, cx, cy, r * 0.95f, l.text);
}

void coinFace(Canvas& c, float cx, float cy, float r, int kind) {
    const Color copperL = rgb(0xF0A878), copperD = rgb(0x9A4A22);
    const Color goldL = rgb(0xFFE48A), goldD = rgb(0xB88A20);
    const Color silverL = rgb(0xF4F4F4), silverD = rgb(0x8A8E96);
    const bool copper = kind <= 1, bimetal = kind == 4;
    const Color l = copper    ? copperL
                    : bimetal ? silverL
                              : goldL,
                d = copper    ? copperD
                    : bimetal ? silverD
                              : goldD;
    c.fill(Path().addCircle(cx, cy, r), Paint::radial({cx - r * 0.3f, cy - r * 0.3f}, r * 1.5f, l, d));
    c.ring(cx, cy, r * 0.9f, r * 0.05f, canvas::shade(d, 0.9f));
    if (bimetal)
        c.fill(Path().addCircle(cx, cy, r * 0.68f),
               Paint::radial({cx - r * 0.2f, cy - r * 0.2f}, r, goldL, goldD));
    // Stars round the edge.
    Path stars;
    for (int k = 0; k < 12; ++k) {
        const float a = 2 * kPi * k / 12;
        stars.addCircle(cx + r * 0.8f * std::cos(a), cy + r * 0.8f * std::sin(a), r * 0.035f);
    }
    c.fill(stars, canvas::shade(d, 0.8f));
    const std::string value = bimetal ? "1" : std::to_string(kValues[kind]);
    const Color ink = canvas::shade(d, 0.6f);
    centredText(c, value, r * (bimetal ? 0.75f : 0.62f), cx, cy - r * 0.1f, r * 0.95f, ink);
    centredText(c, bimetal ? "EURO" : "CENT", r * 0.2f, cx, cy + r * 0.42f, r, ink);
}

struct MarkerLook {
    Color base, ring, text;
    const char* label;
};

MarkerLook markerLook(int kind) {
    const MarkerLook looks[kMarkerKinds] = {{rgb(0x2A5AC0), rgb(0xF6F6F0), rgb(0xFFFFFF), "SB"},
                                            {rgb(0xF8F8F2), rgb(0x1C1C1C), rgb(0x1C1C1C), "DEALER"},
                                            {rgb(0xE0A020), rgb(0x1C1C1C), rgb(0x1C1C1C), "BB"}};
    return looks[kind];
}

Canvas rimStrip(int columns, int column, bool markers, bool euro) {
    const int h = std::max(8, column / 4);
    Canvas c(columns * column, h);
    for (int k = 0; k < columns; ++k) {
        const float x0 = static_cast<float>(k * column), w = static_cast<float>(column);
        Color base, stripe;
        if (markers) {
            base = markerLook(k).base;
            stripe = markerLook(k).ring;
        } else if (euro) {
            base = k <= 1 ? rgb(0xB86A3A) : k == 4 ? rgb(0xC8CCD2) : rgb(0xD8B048);
            stripe = canvas::shade(base, 0.75f);
        } else {
            base = chipLook(k).base;
            stripe = chipLook(k).spot;
        }
        // Shaded across the thickness: lighter at the middle of the rim.
        c.fillRect(static_cast<int>(x0), 0, static_cast<int>(x0 + w), h,
                   Paint::linear({0, 0}, canvas::shade(base, 0.8f), {0, static_cast<float>(h)},
                                 canvas::shade(base, 0.8f)));
        c.fillRect(static_cast<int>(x0), h / 4, static_cast<int>(x0 + w), h - h / 4, base);
        if (euro && !markers) {
            // Reeded edge: fine ridges.
            Path ridges;
            for (float x = x0; x < x0 + w; x += 3) ridges.addRect(x, 0, x + 1.2f, static_cast<float>(h));
            c.fill(ridges, stripe);
            continue;
        }
        // The face's inlays go round the rim: u runs from 0.02 to 0.98 of the column.
        Path stripes;
        const int n = markers ? 8 : kSpots;
        for (int s = 0; s < n; ++s) {
            const float u = 0.02f + 0.96f * (s + 0.1f) / n;
            stripes.addRect(x0 + u * w, 0, x0 + (u + 0.96f * 0.45f / n) * w, static_cast<float>(h));
        }
        c.fill(stripes, stripe);
    }
    return c;
}

}  // namespace

Canvas faces(int column, bool euro) {
    Canvas c(kChipKinds * column, column);
    // The disc fills its column; the corners take the rim's colour, so filtering at the
    // disc's edge never picks up a foreign colour.
    const float r = column * 0.5f;
    for (int k = 0; k < kChipKinds; ++k) {
        const float cx = (k + 0.5f) * column, cy = column / 2.0f;
        const Color corner = euro ? (k <= 1   ? rgb(0x9A4A22)
                                     : k == 4 ? rgb(0x8A8E96)
                                              : rgb(0xB88A20))
                                  : chipLook(k).spot;
        c.fillRect(k * column, 0, (k + 1) * column, column, corner);
        if (euro)
            coinFace(c, cx, cy, r, k);
        else
            chipFace(c, cx, cy, r, k);
    }
    return c;
}

Canvas rims(int column, bool euro) { return rimStrip(kChipKinds, column, false, euro); }

Canvas markerFaces(int column) {
    Canvas c(kMarkerKinds * column, column);
    const float r = column * 0.5f;
    for (int k = 0; k < kMarkerKinds; ++k) {
        const MarkerLook l = markerLook(k);
        const float cx = (k + 0.5f) * column, cy = column / 2.0f;
        c.fillRect(k * column, 0, (k + 1) * column, column, canvas::shade(l.base, 0.85f));
        c.fill(Path().addCircle(cx, cy, r),
               Paint::radial({cx - r * 0.3f, cy - r * 0.3f}, r * 1.6f, canvas::shade(l.base, 1.1f),
                             canvas::shade(l.base, 0.85f)));
        c.ring(cx, cy, r * 0.84f, r * 0.06f, l.ring);
        centredText(c, l.label, r * (k == 1 ? 0.42f : 0.8f), cx, cy, r * 1.4f, l.text);
    }
    return c;
}

Canvas markerRims(int column) { return rimStrip(kMarkerKinds, column, true, false); }

}  // namespace chips
