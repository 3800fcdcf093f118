#include "tools/cards/room.h"

#include <algorithm>
#include <cmath>

namespace room {

using namespace canvas;

const char* const kKeys[kParams] = {
    "rund=",   "reflection=", "tbreite=", "thoehe=", "kbreite=", "bbreite=",     "bhoehe=",
    "blight=", "wbreite=",    "whoehe=",  "wlight=", "gray=",    "transparenz=", "ref_weg="};

namespace {

constexpr float kPi = 3.14159265f;

const char* const kNames[kEnvironments] = {"Holztisch", "Marmortisch", "Glastisch", "Gruft", "Pokertisch"};

// rund, reflection, tbreite, thoehe, kbreite, bbreite, bhoehe, blight, wbreite, whoehe, wlight,
// gray, transparenz, ref_weg. gray is never 0: the chips divide by it. ref_weg is never 0.
const Params kParamsOf[kEnvironments] = {
    {{0, 30, 2, 2, 6, 5, 5, 50, 4, 2, 50, 38, 0, 50}},  {{1, 45, 1, 1, 12, 6, 6, 50, 5, 2, 55, 42, 0, 55}},
    {{2, 25, 1, 1, 8, 4, 4, 45, 4, 2, 50, 45, 40, 45}}, {{1, 15, 1, 1, 10, 4, 4, 30, 5, 2, 30, 25, 0, 40}},
    {{3, 20, 3, 3, 8, 6, 6, 40, 6, 2, 40, 35, 0, 45}},
};

template <class F>
void paint(Canvas& c, F f) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) c.set(x, y, f(x, y));
}

// Tileable noise over a canvas of size s: p lattice cells across.
float tn(int x, int y, int s, int p, int octaves, uint32_t seed) {
    return canvas::noise(static_cast<float>(x) * p / s, static_cast<float>(y) * p / s, p, p, octaves, seed);
}

Canvas wood(int s, uint32_t seed, Color light, Color dark, int planks) {
    Canvas c(s, s);
    const float ph = static_cast<float>(s) / planks;
    paint(c, [&](int x, int y) {
        const int p = static_cast<int>(y / ph);
        const int xo = static_cast<int>(canvas::hash01(static_cast<uint32_t>(p), 7, seed) * s);
        const int xx = (x + xo) % s;
        const float g =
            canvas::noise(xx * 3.0f / s, y * 24.0f / s, 3, 24, 4, seed + static_cast<uint32_t>(p));
        const float ring = 0.5f + 0.5f * std::sin(g * 6 * 2 * kPi);
        const float fine = canvas::noise(xx * 64.0f / s, y * 512.0f / s, 64, 512, 1, seed + 99);
        float t = 0.3f + 0.45f * ring * ring + 0.25f * fine;
        t *= 0.85f + 0.3f * canvas::hash01(static_cast<uint32_t>(p), 3, seed);
        Color col = canvas::mix(dark, light, t);
        const float inPlank = y - p * ph;
        const float edge = std::min(inPlank, ph - inPlank);
        const int joint = (s - xo) % s;
        const int dj = std::min(std::abs(x - joint), s - std::abs(x - joint));
        if (edge < 1.2f || dj < 1) col = canvas::shade(col, 0.55f);
        return col;
    });
    return c;
}

Color marbleAt(int x, int y, int s, uint32_t seed, Color base, Color vein, float veins) {
    const float u = static_cast<float>(x) / s, v = static_cast<float>(y) / s;
    const float t = tn(x, y, s, 4, 5, seed);
    const float m = std::fabs(std::sin(2 * kPi * (2 * u + v) + t * 9));
    const float line = std::pow(1 - m, 10.0f) * veins;
    const float cloud = tn(x, y, s, 8, 4, seed + 5);
    return canvas::mix(canvas::shade(base, 0.92f + 0.12f * cloud), vein, std::min(1.0f, line));
}

Canvas marble(int s, uint32_t seed, Color base, Color vein, float veins) {
    Canvas c(s, s);
    paint(c, [&](int x, int y) { return marbleAt(x, y, s, seed, base, vein, veins); });
    return c;
}

Canvas felt(int s, uint32_t seed, Color col) {
    Canvas c(s, s);
    paint(c, [&](int x, int y) {
        const float n = tn(x, y, s, 8, 3, seed);
        return canvas::shade(col, 0.9f + 0.16f * n);
    });
    c.addNoise(seed, 6);
    return c;
}

Canvas leather(int s, uint32_t seed, Color col) {
    Canvas c(s, s);
    paint(c, [&](int x, int y) {
        const float n = tn(x, y, s, 6, 4, seed);
        const float pebble = tn(x, y, s, std::max(8, s / 10), 1, seed + 3);
        return canvas::shade(col, 0.75f + 0.35f * n + 0.18f * pebble);
    });
    return c;
}

Canvas bricks(int s, uint32_t seed, Color col, Color mortar, int rows, int cols, float jitter) {
    Canvas c(s, s);
    const float rh = static_cast<float>(s) / rows, bw = static_cast<float>(s) / cols;
    const float mw = std::max(1.5f, s / 160.0f);
    paint(c, [&](int x, int y) {
        const int r = static_cast<int>(y / rh);
        const float off = (r % 2) * bw / 2;
        const float xs = std::fmod(x + off, static_cast<float>(s));
        const int b = static_cast<int>(xs / bw);
        const float dx = std::min(xs - b * bw, (b + 1) * bw - xs),
                    dy = std::min(y - r * rh, (r + 1) * rh - y);
        const float n = tn(x, y, s, 16, 3, seed);
        if (std::min(dx, dy) < mw) return canvas::shade(mortar, 0.85f + 0.3f * n);
        const float tint =
            1 + jitter * (canvas::hash01(static_cast<uint32_t>(r), static_cast<uint32_t>(b), seed) - 0.5f);
        const float edge = std::min(1.0f, std::min(dx, dy) / (mw * 3));
        return canvas::shade(col, tint * (0.8f + 0.3f * n) * (0.85f + 0.15f * edge));
    });
    c.addNoise(seed + 1, 5);
    return c;
}

Canvas checker(int s, uint32_t seed, Color a, Color b, int tiles) {
    Canvas c(s, s);
    const float t = static_cast<float>(s) / tiles;
    paint(c, [&](int x, int y) {
        const int i = static_cast<int>(x / t), j = static_cast<int>(y / t);
        const float dx = std::min(x - i * t, (i + 1) * t - x), dy = std::min(y - j * t, (j + 1) * t - y);
        if (std::min(dx, dy) < 1.0f) return rgb(0x606060);
        return (i + j) % 2 ? marbleAt(x, y, s, seed + 9, b, canvas::shade(b, 1.8f), 0.5f)
                           : marbleAt(x, y, s, seed, a, canvas::shade(a, 0.7f), 0.6f);
    });
    return c;
}

Canvas plaster(int s, uint32_t seed, Color col, float depth) {
    Canvas c(s, s);
    paint(c, [&](int x, int y) {
        const float n = tn(x, y, s, 6, 5, seed);
        return canvas::shade(col, 1 - depth / 2 + depth * n);
    });
    c.addNoise(seed, 4);
    return c;
}

// Stripes with a small repeated ornament: wallpaper.
Canvas wallpaper(int s, uint32_t seed, Color base, Color stripe, Color motif) {
    Canvas c(s, s);
    const int n = 8;
    const float w = static_cast<float>(s) / n;
    paint(c, [&](int x, int y) {
        const int k = static_cast<int>(x / w);
        const float n1 = tn(x, y, s, 8, 2, seed);
        return canvas::shade(k % 2 ? stripe : base, 0.95f + 0.08f * n1);
    });
    Path m;
    const float r = w * 0.28f;
    for (int i = 0; i < n; i += 2)
        for (int j = 0; j < n; ++j) {
            const float cx = (i + 0.5f) * w, cy = (j + 0.5f) * w + (i / 2 % 2) * w / 2;
            for (float oy : {-static_cast<float>(s), 0.0f, static_cast<float>(s)}) {
                const float yy = cy + oy;
                m.moveTo(cx, yy - r)
                    .quadTo(cx + r * 0.2f, yy - r * 0.2f, cx + r * 0.7f, yy)
                    .quadTo(cx + r * 0.2f, yy + r * 0.2f, cx, yy + r)
                    .quadTo(cx - r * 0.2f, yy + r * 0.2f, cx - r * 0.7f, yy)
                    .quadTo(cx - r * 0.2f, yy - r * 0.2f, cx, yy - r)
                    .close();
            }
        }
    c.fill(m.orientContours(), motif);
    return c;
}

Canvas carpet(int s, uint32_t seed, Color base, Color pattern) {
    Canvas c(s, s);
    const int n = 8;
    const float w = static_cast<float>(s) / n;
    paint(c, [&](int x, int y) {
        const float u = std::fmod(static_cast<float>(x), w) / w - 0.5f,
                    v = std::fmod(static_cast<float>(y), w) / w - 0.5f;
        const float d = std::fabs(u) + std::fabs(v);
        const float n1 = tn(x, y, s, 32, 2, seed);
        Color col = base;
        if (std::fabs(d - 0.32f) < 0.05f || d < 0.08f) col = pattern;
        return canvas::shade(col, 0.85f + 0.25f * n1);
    });
    c.addNoise(seed, 10);
    return c;
}

Canvas glass(int s, uint32_t seed) {
    Canvas c(s, s);
    paint(c, [&](int x, int y) {
        const float u = static_cast<float>(x) / s, v = static_cast<float>(y) / s;
        const float streak = 0.5f + 0.5f * std::sin(2 * kPi * (u + v) * 2 + tn(x, y, s, 3, 2, seed) * 3);
        return canvas::mix(rgb(0x9CC4CC), rgb(0xDDF0F2), 0.3f + 0.5f * streak * streak);
    });
    return c;
}

// A strip along the table's rim: u runs along the edge, v across it.
Canvas edgeBand(int s, uint32_t seed, Color light, Color dark, bool grain) {
    const int h = std::max(16, s / 8);
    Canvas c(s, h);
    paint(c, [&](int x, int y) {
        const float v = static_cast<float>(y) / h;
        const float g = grain ? canvas::noise(x * 2.0f / s, y * 8.0f / h, 2, 8, 4, seed) : 0.5f;
        const float ring = grain ? 0.5f + 0.5f * std::sin(g * 40) : 0.5f;
        const float profile = 0.75f + 0.35f * std::sin(v * kPi);  // rounded edge catches the light
        return canvas::shade(canvas::mix(dark, light, 0.35f + 0.4f * ring), profile);
    });
    if (!grain) c.addNoise(seed, 8);
    return c;
}

// Window frames: u along the frame, v from the outer (0) to the inner (1) edge.
Canvas frame(int s, Color col) {
    const int w = std::max(32, s / 2), h = std::max(16, s / 8);
    Canvas c(w, h);
    paint(c, [&](int, int y) {
        const float v = static_cast<float>(y) / h;
        const float step = v < 0.3f ? 1.0f : v < 0.35f ? 0.7f : v < 0.8f ? 0.92f : v < 0.85f ? 0.7f : 1.05f;
        return canvas::shade(col, step);
    });
    c.addNoise(11, 4);
    return c;
}

// The view through the windows: sky, hills and trees; or a night sky.
Canvas view(int s, int env) {
    const int w = s, h = std::max(64, s / 2);
    Canvas c(w, h);
    const bool night = env == 4, evening = env == 3 || env == 5;
    const Color skyTop = night ? rgb(0x070B1E) : evening ? rgb(0x2A3A78) : rgb(0x4A8AD8);
    const Color skyLow = night ? rgb(0x1A2448) : evening ? rgb(0xE89A6A) : rgb(0xCDE6F6);
    c.fillRect(0, 0, w, h, Paint::linear({0, 0}, skyTop, {0, h * 0.7f}, skyLow));
    if (night) {
        Path stars;
        for (int k = 0; k < 60; ++k)
            stars.addCircle(canvas::hash01(static_cast<uint32_t>(k), 1, 4) * w,
                            canvas::hash01(static_cast<uint32_t>(k), 2, 4) * h * 0.6f,
                            0.6f + canvas::hash01(static_cast<uint32_t>(k), 3, 4) * h / 220.0f);
        c.fill(stars, rgb(0xF0F0FF));
        c.circle(w * 0.72f, h * 0.22f, h * 0.09f, rgb(0xF4F0D8));
    } else {
        // Clouds.
        paint(c, [&](int x, int y) {
            const Color sky = c.get(x, y);
            const float n = canvas::noise(x * 4.0f / w, y * 4.0f / h, 4, 4, 5, 31);
            const float cl =
                std::clamp((n - 0.55f) * 4, 0.0f, 1.0f) * std::clamp(1 - y / (h * 0.7f), 0.0f, 1.0f);
            return canvas::mix(sky, evening ? rgb(0xF6C0A0) : rgb(0xFFFFFF), cl * 0.8f);
        });
    }
    // Two ranges of hills.
    for (int layer = 0; layer < 2; ++layer) {
        Path hill;
        hill.moveTo(0, static_cast<float>(h));
        for (int x = 0; x <= w; x += 4) {
            const float n = canvas::noise(x * 3.0f / w, static_cast<float>(layer), 3, 4, 3, 17 + layer);
            hill.lineTo(static_cast<float>(x), h * (0.52f + 0.12f * layer) - n * h * 0.22f);
        }
        hill.lineTo(static_cast<float>(w), static_cast<float>(h)).close();
        const Color col = night     ? rgb(layer ? 0x0A1008 : 0x141C20)
                          : evening ? rgb(layer ? 0x3A2A3A : 0x5A4A6A)
                                    : rgb(layer ? 0x3E7A34 : 0x7AA878);
        c.fill(hill, col);
    }
    if (evening) {
        Path lights;
        for (int k = 0; k < 40; ++k)
            lights.addCircle(canvas::hash01(static_cast<uint32_t>(k), 5, 9) * w,
                             h * (0.8f + 0.18f * canvas::hash01(static_cast<uint32_t>(k), 6, 9)),
                             std::max(0.8f, h / 200.0f));
        c.fill(lights, rgb(0xFFE0A0));
    }
    return c;
}

// Light maps: drawn with (dst colour, src colour) blending, so mid-grey (128) leaves the
// picture as it is, brighter lightens and darker darkens.
Canvas lightMap(int s, float centre, float edge, float cy) {
    Canvas c(s, s);
    paint(c, [&](int x, int y) {
        const float dx = (x + 0.5f) / s - 0.5f, dy = (y + 0.5f) / s - cy;
        const float d = std::min(1.0f, std::sqrt(dx * dx + dy * dy) / 0.7f);
        const float l = centre + (edge - centre) * d * d * (3 - 2 * d);
        const uint8_t g = static_cast<uint8_t>(std::clamp(l * 255.0f, 0.0f, 255.0f));
        return Color{g, g, g, 255};
    });
    return c;
}

Canvas wallLight(int s, float level) {
    Canvas c(s, s);
    paint(c, [&](int x, int y) {
        const float u = (x + 0.5f) / s - 0.5f, v = (y + 0.5f) / s;
        // Brightest low in the middle, where the table's lamp reaches the wall.
        const float l = level * (0.78f + 0.32f * v) * (1 - 0.5f * u * u * 2);
        const uint8_t g = static_cast<uint8_t>(std::clamp(l * 255.0f, 0.0f, 255.0f));
        return Color{g, g, g, 255};
    });
    return c;
}

}  // namespace

Params params(int env) { return kParamsOf[(env >= 1 && env <= kEnvironments) ? env - 1 : 0]; }

std::string paramText(int env, const Params& p) {
    const int e = (env >= 1 && env <= kEnvironments) ? env : 1;
    std::string s = std::string("Tischgestaltung ") + std::to_string(e) + " (" + kNames[e - 1] + ")\r\n";
    for (int i = 0; i < kParams; ++i) {
        const int v = std::clamp(p.v[i], 0, 99);
        s += kKeys[i];
        s += static_cast<char>('0' + v / 10);
        s += static_cast<char>('0' + v % 10);
        s += "\r\n";
    }
    return s;
}

std::vector<std::string> pictures(int env) {
    std::vector<std::string> names = {"wand.jpg",    "wandlm.jpg", "boden.jpg",   "bodenlm.jpg", "tisch.jpg",
                                      "tischlm.jpg", "tischk.jpg", "tischk2.jpg", "out.jpg"};
    if (env == 5) {
        names.push_back("tisch2.jpg");
        names.push_back("tisch3.jpg");
    }
    return names;
}

Canvas picture(int env, const std::string& name, int size) {
    const uint32_t seed = 1000u * static_cast<uint32_t>(env);
    const int lm = std::max(64, size / 2);
    const float dim = env == 4 ? 0.42f : 0.5f;  // the crypt is lit by candles
    if (name == "wandlm.jpg") return wallLight(lm, dim);
    if (name == "bodenlm.jpg") return lightMap(lm, dim * 1.2f, dim * 0.78f, 0.35f);
    if (name == "tischlm.jpg") return lightMap(lm, dim * 1.22f, dim * 0.86f, 0.5f);
    if (name == "out.jpg") return view(size, env);
    switch (env) {
        case 1:
            if (name == "tisch.jpg") return wood(size, seed + 1, rgb(0xD8A868), rgb(0x8A5A2A), 4);
            if (name == "tischk.jpg") return edgeBand(size, seed + 2, rgb(0x7A4A24), rgb(0x3A200C), true);
            if (name == "tischk2.jpg") return frame(size, rgb(0xF2EEE4));
            if (name == "wand.jpg")
                return wallpaper(size, seed + 3, rgb(0xEFE2C4), rgb(0xE6D6B2), rgb(0xD8C49A));
            if (name == "boden.jpg") return wood(size, seed + 4, rgb(0xB07A44), rgb(0x5A3416), 8);
            break;
        case 2:
            if (name == "tisch.jpg") return marble(size, seed + 1, rgb(0xF0EEEA), rgb(0x8A8A92), 0.9f);
            if (name == "tischk.jpg") return edgeBand(size, seed + 2, rgb(0x3A5A4A), rgb(0x16261E), false);
            if (name == "tischk2.jpg") return frame(size, rgb(0x6A4A2A));
            if (name == "wand.jpg") return plaster(size, seed + 3, rgb(0xE4D2B0), 0.16f);
            if (name == "boden.jpg") return checker(size, seed + 4, rgb(0xEAE6DE), rgb(0x2A2A2E), 4);
            break;
        case 3:
            if (name == "tisch.jpg") return glass(size, seed + 1);
            if (name == "tischk.jpg") return edgeBand(size, seed + 2, rgb(0xD8DCE2), rgb(0x8A9098), false);
            if (name == "tischk2.jpg") return frame(size, rgb(0xA8ACB4));
            if (name == "wand.jpg") return plaster(size, seed + 3, rgb(0xC8C8C4), 0.22f);
            if (name == "boden.jpg") return wood(size, seed + 4, rgb(0x6A4A34), rgb(0x2A1A10), 6);
            break;
        case 4:
            if (name == "tisch.jpg") return plaster(size, seed + 1, rgb(0x8A8680), 0.35f);
            if (name == "tischk.jpg") return edgeBand(size, seed + 2, rgb(0x77736C), rgb(0x3A3834), false);
            if (name == "tischk2.jpg") return frame(size, rgb(0x3A3A3E));
            if (name == "wand.jpg") return bricks(size, seed + 3, rgb(0x7A7266), rgb(0x4A463E), 8, 4, 0.35f);
            if (name == "boden.jpg") return bricks(size, seed + 4, rgb(0x6A6660), rgb(0x2E2C28), 4, 3, 0.45f);
            break;
        case 5:
            if (name == "tisch.jpg") return leather(size, seed + 1, rgb(0x3A2418));
            if (name == "tisch2.jpg") return felt(size, seed + 5, rgb(0x1E6E3A));
            if (name == "tisch3.jpg") return leather(size, seed + 6, rgb(0x5A1E1A));
            if (name == "tischk.jpg") return edgeBand(size, seed + 2, rgb(0x6A3A1E), rgb(0x2A160A), true);
            if (name == "tischk2.jpg") return frame(size, rgb(0x4A2A18));
            if (name == "wand.jpg")
                return wallpaper(size, seed + 3, rgb(0x6A1A1E), rgb(0x5E161A), rgb(0x8A2A2A));
            if (name == "boden.jpg") return carpet(size, seed + 4, rgb(0x2A1A3A), rgb(0x8A6A2A));
            break;
        default:
            break;
    }
    return Canvas();
}

}  // namespace room
