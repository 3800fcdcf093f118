#include "tools/common/canvas.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <mutex>

#include "platform/fileio.h"

namespace canvas {

namespace {

constexpr float kPi = 3.14159265358979f;
// Sub-scanlines per pixel row: vertical anti-aliasing steps; horizontal coverage is exact.
constexpr int kSubRows = 8;

float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
uint8_t toByte(float v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 255.0f))); }

float signedArea(const std::vector<Pt>& c) {
    float a = 0;
    for (size_t i = 0, n = c.size(); i < n; ++i) {
        const Pt& p = c[i];
        const Pt& q = c[(i + 1) % n];
        a += p.x * q.y - q.x * p.y;
    }
    return a / 2;
}

// Positive area (clockwise on screen) for the whole shapes, so their union fills cleanly.
void orient(std::vector<Pt>& c) {
    if (signedArea(c) < 0) std::reverse(c.begin(), c.end());
}

uint32_t mixBits(uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

// Decodes UTF-8; broken sequences give U+FFFD and move on by one byte.
std::u32string decodeUtf8(std::string_view s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<uint8_t>(s[i]);
        int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (len == 0 || i + static_cast<size_t>(len) > s.size()) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t cp = len == 1 ? c : (c & (0x7F >> len));
        bool good = true;
        for (int k = 1; k < len; ++k) {
            const auto cc = static_cast<uint8_t>(s[i + k]);
            if ((cc & 0xC0) != 0x80) good = false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!good) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += static_cast<size_t>(len);
    }
    return out;
}

}  // namespace

// ---- colours, maps, paints ----

Color mix(Color a, Color b, float t) {
    t = clamp01(t);
    auto m = [t](uint8_t x, uint8_t y) { return toByte(x + (static_cast<float>(y) - x) * t); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), m(a.a, b.a)};
}

Color shade(Color c, float f) { return {toByte(c.r * f), toByte(c.g * f), toByte(c.b * f), c.a}; }

Color withAlpha(Color c, uint8_t a) { return {c.r, c.g, c.b, a}; }

Affine Affine::rotate(float degrees) {
    const float r = degrees * kPi / 180.0f;
    const float cs = std::cos(r), sn = std::sin(r);
    return {cs, sn, -sn, cs, 0, 0};
}

Affine Affine::operator*(const Affine& o) const {
    return {a * o.a + c * o.b, b * o.a + d * o.b,     a * o.c + c * o.d,
            b * o.c + d * o.d, a * o.e + c * o.f + e, b * o.e + d * o.f + f};
}

Paint Paint::linear(Pt from, Color a, Pt to, Color b) {
    Paint p;
    p.kind = Linear;
    p.c0 = a;
    p.c1 = b;
    p.p0 = from;
    p.p1 = to;
    return p;
}

Paint Paint::radial(Pt centre, float radius, Color inner, Color outer) {
    Paint p;
    p.kind = Radial;
    p.c0 = inner;
    p.c1 = outer;
    p.p0 = centre;
    p.radius = radius > 0 ? radius : 1;
    return p;
}

Color Paint::at(float x, float y) const {
    switch (kind) {
        case Solid:
            return c0;
        case Linear: {
            const float dx = p1.x - p0.x, dy = p1.y - p0.y;
            const float len2 = dx * dx + dy * dy;
            const float t = len2 > 0 ? ((x - p0.x) * dx + (y - p0.y) * dy) / len2 : 0;
            return mix(c0, c1, t);
        }
        case Radial:
            return mix(c0, c1, std::hypot(x - p0.x, y - p0.y) / radius);
    }
    return c0;
}

// ---- paths ----

Path& Path::setTransform(const Affine& m) {
    m_ = m;
    return *this;
}

float Path::scale() const { return std::sqrt(std::fabs(m_.a * m_.d - m_.b * m_.c)); }

void Path::emit(Pt p) {
    if (contours_.empty()) contours_.push_back({cur_});
    contours_.back().push_back(p);
    cur_ = p;
}

Path& Path::moveTo(float x, float y) {
    const Pt p = m_.apply({x, y});
    contours_.push_back({p});
    start_ = cur_ = p;
    return *this;
}

Path& Path::lineTo(float x, float y) {
    emit(m_.apply({x, y}));
    return *this;
}

Path& Path::quadTo(float cx, float cy, float x, float y) {
    const Pt p0 = cur_, c = m_.apply({cx, cy}), p = m_.apply({x, y});
    const float len = std::hypot(c.x - p0.x, c.y - p0.y) + std::hypot(p.x - c.x, p.y - c.y);
    const int n = std::clamp(static_cast<int>(len / 2.0f), 4, 64);
    for (int i = 1; i <= n; ++i) {
        const float t = static_cast<float>(i) / n, u = 1 - t;
        emit({u * u * p0.x + 2 * u * t * c.x + t * t * p.x, u * u * p0.y + 2 * u * t * c.y + t * t * p.y});
    }
    return *this;
}

Path& Path::cubicTo(float c1x, float c1y, float c2x, float c2y, float x, float y) {
    const Pt p0 = cur_, c1 = m_.apply({c1x, c1y}), c2 = m_.apply({c2x, c2y}), p = m_.apply({x, y});
    const float len = std::hypot(c1.x - p0.x, c1.y - p0.y) + std::hypot(c2.x - c1.x, c2.y - c1.y) +
                      std::hypot(p.x - c2.x, p.y - c2.y);
    const int n = std::clamp(static_cast<int>(len / 2.0f), 6, 96);
    for (int i = 1; i <= n; ++i) {
        const float t = static_cast<float>(i) / n, u = 1 - t;
        const float a = u * u * u, b = 3 * u * u * t, cc = 3 * u * t * t, d = t * t * t;
        emit({a * p0.x + b * c1.x + cc * c2.x + d * p.x, a * p0.y + b * c1.y + cc * c2.y + d * p.y});
    }
    return *this;
}

Path& Path::close() {
    cur_ = start_;
    contours_.emplace_back();
    return *this;
}

Path& Path::addPolygon(const std::vector<Pt>& pts) {
    if (pts.size() < 3) return *this;
    std::vector<Pt> c;
    c.reserve(pts.size());
    for (const Pt& p : pts) c.push_back(m_.apply(p));
    orient(c);
    contours_.push_back(std::move(c));
    contours_.emplace_back();
    return *this;
}

Path& Path::addRect(float x0, float y0, float x1, float y1) {
    return addPolygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

Path& Path::addEllipse(float cx, float cy, float rx, float ry) {
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    const float per = 2 * kPi * std::max(rx, ry) * scale();
    const int n = std::clamp(static_cast<int>(per / 1.5f), 12, 720);
    std::vector<Pt> c;
    c.reserve(n);
    for (int i = 0; i < n; ++i) {
        const float a = 2 * kPi * i / n;
        c.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return addPolygon(c);
}

Path& Path::addRoundRect(float x0, float y0, float x1, float y1, float radius) {
    if (x1 < x0) std::swap(x0, x1);
    if (y1 < y0) std::swap(y0, y1);
    radius = std::clamp(radius, 0.0f, std::min(x1 - x0, y1 - y0) / 2);
    if (radius <= 0) return addRect(x0, y0, x1, y1);
    const int n = std::clamp(static_cast<int>(radius * scale()), 4, 64);
    std::vector<Pt> c;
    const Pt centres[4] = {{x1 - radius, y0 + radius},
                           {x1 - radius, y1 - radius},
                           {x0 + radius, y1 - radius},
                           {x0 + radius, y0 + radius}};
    for (int k = 0; k < 4; ++k) {
        const float a0 = -kPi / 2 + k * kPi / 2;
        for (int i = 0; i <= n; ++i) {
            const float a = a0 + (kPi / 2) * i / n;
            c.push_back({centres[k].x + radius * std::cos(a), centres[k].y + radius * std::sin(a)});
        }
    }
    return addPolygon(c);
}

Path& Path::addStroke(const std::vector<Pt>& pts, float width) {
    // Built in mapped space, so the round ends stay round under any map.
    const float r = width / 2 * scale();
    if (pts.empty() || r <= 0) return *this;
    std::vector<Pt> mp;
    mp.reserve(pts.size());
    for (const Pt& p : pts) mp.push_back(m_.apply(p));
    const Affine keep = m_;
    m_ = Affine();
    for (size_t i = 0; i + 1 < mp.size(); ++i) {
        const Pt a = mp[i], b = mp[i + 1];
        const float dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
        if (len <= 0) continue;
        const float nx = -dy / len * r, ny = dx / len * r;
        addPolygon({{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}});
    }
    // Joints only where the line turns or ends: a round cap per point would cost a circle each.
    for (size_t i = 0; i < mp.size(); ++i) {
        bool needed = i == 0 || i + 1 == mp.size();
        if (!needed) {
            const float ax = mp[i].x - mp[i - 1].x, ay = mp[i].y - mp[i - 1].y;
            const float bx = mp[i + 1].x - mp[i].x, by = mp[i + 1].y - mp[i].y;
            const float cross = std::fabs(ax * by - ay * bx), dot = ax * bx + ay * by;
            const float la = std::hypot(ax, ay), lb = std::hypot(bx, by);
            // The gap a sharp turn leaves is r * sin(angle); below a tenth of a pixel it is invisible.
            needed = dot < 0 || (la > 0 && lb > 0 && r * cross / (la * lb) > 0.1f);
        }
        if (needed) addCircle(mp[i].x, mp[i].y, r);
    }
    m_ = keep;
    return *this;
}

Path& Path::addOutline(const Path& shape, float width) {
    const Affine keep = m_;
    m_ = Affine();
    for (const auto& c : shape.contours()) {
        if (c.size() < 2) continue;
        std::vector<Pt> pts = c;
        pts.push_back(c.front());
        addStroke(pts, width);
    }
    m_ = keep;
    return *this;
}

Path& Path::append(const Path& other) {
    for (const auto& c : other.contours_)
        if (!c.empty()) contours_.push_back(c);
    contours_.emplace_back();
    return *this;
}

Path Path::transformed(const Affine& m) const {
    Path out;
    for (const auto& c : contours_) {
        if (c.empty()) continue;
        std::vector<Pt> t;
        t.reserve(c.size());
        for (const Pt& p : c) t.push_back(m.apply(p));
        out.contours_.push_back(std::move(t));
    }
    out.contours_.emplace_back();
    return out;
}

Path Path::reversed() const {
    Path out = *this;
    for (auto& c : out.contours_) std::reverse(c.begin(), c.end());
    return out;
}

Path& Path::orientContours() {
    for (auto& c : contours_)
        if (c.size() >= 3) orient(c);
    return *this;
}

bool Path::empty() const {
    for (const auto& c : contours_)
        if (c.size() >= 3) return false;
    return true;
}

bool Path::bounds(float& x0, float& y0, float& x1, float& y1) const {
    bool any = false;
    for (const auto& c : contours_)
        for (const Pt& p : c) {
            if (!any) {
                x0 = x1 = p.x;
                y0 = y1 = p.y;
                any = true;
            }
            x0 = std::min(x0, p.x);
            x1 = std::max(x1, p.x);
            y0 = std::min(y0, p.y);
            y1 = std::max(y1, p.y);
        }
    return any;
}

// ---- canvas ----

Canvas::Canvas(int width, int height, Color fill)
    : w_(std::max(0, width)), h_(std::max(0, height)), px_(static_cast<size_t>(w_) * h_, fill) {}

Color Canvas::get(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return Color{0, 0, 0, 0};
    return px_[static_cast<size_t>(y) * w_ + x];
}

void Canvas::set(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    px_[static_cast<size_t>(y) * w_ + x] = c;
}

void Canvas::blend(int x, int y, Color c, float coverage) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    const float sa = c.a / 255.0f * clamp01(coverage);
    if (sa <= 0) return;
    Color& d = px_[static_cast<size_t>(y) * w_ + x];
    const float da = d.a / 255.0f;
    const float oa = sa + da * (1 - sa);
    if (oa <= 0) return;
    const float kd = da * (1 - sa) / oa, ks = sa / oa;
    d.r = toByte(c.r * ks + d.r * kd);
    d.g = toByte(c.g * ks + d.g * kd);
    d.b = toByte(c.b * ks + d.b * kd);
    d.a = toByte(oa * 255.0f);
}

void Canvas::clear(Color c) { std::fill(px_.begin(), px_.end(), c); }

void Canvas::fill(const Path& p, const Paint& paint) { rasterize(p, paint, false); }

void Canvas::fillEvenOdd(const Path& p, const Paint& paint) { rasterize(p, paint, true); }

void Canvas::rasterize(const Path& p, const Paint& paint, bool evenOdd) {
    struct Edge {
        float x0, y0, x1, y1;
        int dir;
    };
    std::vector<Edge> edges;
    for (const auto& c : p.contours()) {
        if (c.size() < 3) continue;
        for (size_t i = 0, n = c.size(); i < n; ++i) {
            const Pt a = c[i], b = c[(i + 1) % n];
            if (a.y == b.y) continue;
            if (a.y < b.y)
                edges.push_back({a.x, a.y, b.x, b.y, 1});
            else
                edges.push_back({b.x, b.y, a.x, a.y, -1});
        }
    }
    if (edges.empty() || w_ == 0 || h_ == 0) return;
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });
    float ymin = edges.front().y0, ymax = ymin;
    for (const Edge& e : edges) ymax = std::max(ymax, e.y1);
    const int row0 = std::max(0, static_cast<int>(std::floor(ymin)));
    const int row1 = std::min(h_ - 1, static_cast<int>(std::ceil(ymax)));

    std::vector<float> cov(static_cast<size_t>(w_) + 2), acc(static_cast<size_t>(w_) + 2);
    std::vector<const Edge*> active;
    std::vector<std::pair<float, int>> xs;
    size_t next = 0;
    const float wt = 1.0f / kSubRows;

    auto addSpan = [&](float xa, float xb, int& lo, int& hi) {
        xa = std::max(xa, 0.0f);
        xb = std::min(xb, static_cast<float>(w_));
        if (xb <= xa) return;
        const int ia = static_cast<int>(xa), ib = static_cast<int>(xb);
        lo = std::min(lo, ia);
        hi = std::max(hi, std::min(ib, w_ - 1));
        if (ia == ib) {
            cov[ia] += (xb - xa) * wt;
            return;
        }
        cov[ia] += (ia + 1 - xa) * wt;
        acc[ia + 1] += wt;
        acc[ib] -= wt;
        if (ib < w_) cov[ib] += (xb - ib) * wt;
    };

    for (int row = row0; row <= row1; ++row) {
        int lo = w_, hi = -1;
        for (int s = 0; s < kSubRows; ++s) {
            const float sy = row + (s + 0.5f) / kSubRows;
            while (next < edges.size() && edges[next].y0 <= sy) active.push_back(&edges[next++]);
            active.erase(
                std::remove_if(active.begin(), active.end(), [sy](const Edge* e) { return e->y1 <= sy; }),
                active.end());
            xs.clear();
            for (const Edge* e : active) {
                if (sy < e->y0) continue;
                const float t = (sy - e->y0) / (e->y1 - e->y0);
                xs.push_back({e->x0 + (e->x1 - e->x0) * t, e->dir});
            }
            std::sort(xs.begin(), xs.end());
            int wind = 0;
            for (size_t i = 0; i + 1 < xs.size(); ++i) {
                wind = evenOdd ? (wind ^ 1) : wind + xs[i].second;
                if (wind != 0) addSpan(xs[i].first, xs[i + 1].first, lo, hi);
            }
        }
        if (hi < lo) continue;
        float run = 0;
        for (int x = lo; x <= hi + 1 && x < w_; ++x) {
            run += acc[x];
            const float c = cov[x] + run;
            if (c > 0.0005f) blend(x, row, paint.at(x + 0.5f, row + 0.5f), c);
        }
        std::fill(cov.begin() + lo, cov.begin() + std::min(hi + 2, w_ + 1) + 1, 0.0f);
        std::fill(acc.begin() + lo, acc.end(), 0.0f);
    }
}

void Canvas::fillRect(int x0, int y0, int x1, int y1, const Paint& paint) {
    x0 = std::max(0, x0);
    y0 = std::max(0, y0);
    x1 = std::min(w_, x1);
    y1 = std::min(h_, y1);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) blend(x, y, paint.at(x + 0.5f, y + 0.5f));
}

void Canvas::line(float x0, float y0, float x1, float y1, float width, const Paint& paint) {
    fill(Path().addStroke({{x0, y0}, {x1, y1}}, width), paint);
}

void Canvas::circle(float cx, float cy, float r, const Paint& paint) {
    fill(Path().addCircle(cx, cy, r), paint);
}

void Canvas::ring(float cx, float cy, float r, float width, const Paint& paint) {
    Path p;
    p.addCircle(cx, cy, r + width / 2).addCircle(cx, cy, std::max(0.0f, r - width / 2));
    fillEvenOdd(p, paint);
}

void Canvas::ellipse(float cx, float cy, float rx, float ry, const Paint& paint) {
    fill(Path().addEllipse(cx, cy, rx, ry), paint);
}

void Canvas::roundRect(float x0, float y0, float x1, float y1, float radius, const Paint& paint) {
    fill(Path().addRoundRect(x0, y0, x1, y1, radius), paint);
}

void Canvas::roundRectOutline(float x0, float y0, float x1, float y1, float radius, float width,
                              const Paint& paint) {
    const float h = width / 2;
    Path p;
    p.addRoundRect(x0 - h, y0 - h, x1 + h, y1 + h, radius + h);
    p.addRoundRect(x0 + h, y0 + h, x1 - h, y1 - h, std::max(0.0f, radius - h));
    fillEvenOdd(p, paint);
}

void Canvas::blit(const Canvas& src, float dx, float dy, float dw, float dh, float opacity) {
    blitPart(src, 0, 0, static_cast<float>(src.w_), static_cast<float>(src.h_), dx, dy, dw, dh, opacity);
}

void Canvas::blitPart(const Canvas& src, float sx, float sy, float sw, float sh, float dx, float dy, float dw,
                      float dh, float opacity) {
    if (src.w_ == 0 || src.h_ == 0 || dw == 0 || dh == 0) return;
    if (dw < 0) {
        dx += dw;
        dw = -dw;
        sx += sw;
        sw = -sw;
    }
    if (dh < 0) {
        dy += dh;
        dh = -dh;
        sy += sh;
        sh = -sh;
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(dx))),
              x1 = std::min(w_, static_cast<int>(std::ceil(dx + dw)));
    const int y0 = std::max(0, static_cast<int>(std::floor(dy))),
              y1 = std::min(h_, static_cast<int>(std::ceil(dy + dh)));
    auto sample = [&](float fx, float fy, float out[4]) {
        fx = std::clamp(fx, 0.0f, static_cast<float>(src.w_ - 1));
        fy = std::clamp(fy, 0.0f, static_cast<float>(src.h_ - 1));
        const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
        const int jx = std::min(ix + 1, src.w_ - 1), jy = std::min(iy + 1, src.h_ - 1);
        const float tx = fx - ix, ty = fy - iy;
        const Color cs[4] = {src.get(ix, iy), src.get(jx, iy), src.get(ix, jy), src.get(jx, jy)};
        const float ws[4] = {(1 - tx) * (1 - ty), tx * (1 - ty), (1 - tx) * ty, tx * ty};
        // Premultiplied, so transparent texels do not bleed their colour.
        out[0] = out[1] = out[2] = out[3] = 0;
        for (int k = 0; k < 4; ++k) {
            const float a = cs[k].a / 255.0f * ws[k];
            out[0] += cs[k].r * a;
            out[1] += cs[k].g * a;
            out[2] += cs[k].b * a;
            out[3] += a;
        }
    };
    for (int y = y0; y < y1; ++y) {
        const float covY = clamp01(std::min(y + 1.0f, dy + dh) - std::max(static_cast<float>(y), dy));
        for (int x = x0; x < x1; ++x) {
            const float covX = clamp01(std::min(x + 1.0f, dx + dw) - std::max(static_cast<float>(x), dx));
            const float fx = sx + (x + 0.5f - dx) / dw * sw - 0.5f;
            const float fy = sy + (y + 0.5f - dy) / dh * sh - 0.5f;
            float s[4];
            sample(fx, fy, s);
            if (s[3] <= 0) continue;
            const Color c{toByte(s[0] / s[3]), toByte(s[1] / s[3]), toByte(s[2] / s[3]),
                          toByte(s[3] * 255.0f)};
            blend(x, y, c, covX * covY * opacity);
        }
    }
}

void Canvas::flipH() {
    for (int y = 0; y < h_; ++y)
        std::reverse(px_.begin() + static_cast<size_t>(y) * w_,
                     px_.begin() + static_cast<size_t>(y + 1) * w_);
}

void Canvas::flipV() {
    for (int y = 0; y < h_ / 2; ++y)
        std::swap_ranges(px_.begin() + static_cast<size_t>(y) * w_,
                         px_.begin() + static_cast<size_t>(y + 1) * w_,
                         px_.begin() + static_cast<size_t>(h_ - 1 - y) * w_);
}

void Canvas::rotate180() { std::reverse(px_.begin(), px_.end()); }

void Canvas::addNoise(uint32_t seed, int amount) {
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            const float n =
                (hash01(static_cast<uint32_t>(x), static_cast<uint32_t>(y), seed) * 2 - 1) * amount;
            Color& c = px_[static_cast<size_t>(y) * w_ + x];
            c.r = toByte(c.r + n);
            c.g = toByte(c.g + n);
            c.b = toByte(c.b + n);
        }
}

void Canvas::scalePixel(int x, int y, float f) {
    f = std::clamp(f, 0.0f, 2.0f);
    Color& c = px_[static_cast<size_t>(y) * w_ + x];
    c.r = toByte(c.r * f);
    c.g = toByte(c.g * f);
    c.b = toByte(c.b * f);
}

void Canvas::blur(int radius) {
    if (radius <= 0 || w_ == 0 || h_ == 0) return;
    std::vector<float> buf(px_.size() * 4);
    for (size_t i = 0; i < px_.size(); ++i) {
        buf[i * 4] = px_[i].r;
        buf[i * 4 + 1] = px_[i].g;
        buf[i * 4 + 2] = px_[i].b;
        buf[i * 4 + 3] = px_[i].a;
    }
    // One box pass along a line of n values with stride, edges clamped.
    std::vector<float> line;
    auto pass = [&](size_t start, int n, size_t stride) {
        for (int ch = 0; ch < 4; ++ch) {
            line.assign(static_cast<size_t>(n), 0);
            for (int i = 0; i < n; ++i) line[static_cast<size_t>(i)] = buf[(start + stride * i) * 4 + ch];
            float sum = 0;
            for (int k = -radius; k <= radius; ++k) sum += line[static_cast<size_t>(std::clamp(k, 0, n - 1))];
            for (int i = 0; i < n; ++i) {
                buf[(start + stride * i) * 4 + ch] = sum / (2 * radius + 1);
                sum += line[static_cast<size_t>(std::min(i + radius + 1, n - 1))] -
                       line[static_cast<size_t>(std::max(i - radius, 0))];
            }
        }
    };
    for (int it = 0; it < 3; ++it) {
        for (int y = 0; y < h_; ++y) pass(static_cast<size_t>(y) * w_, w_, 1);
        for (int x = 0; x < w_; ++x) pass(static_cast<size_t>(x), h_, static_cast<size_t>(w_));
    }
    for (size_t i = 0; i < px_.size(); ++i)
        px_[i] = {toByte(buf[i * 4]), toByte(buf[i * 4 + 1]), toByte(buf[i * 4 + 2]), toByte(buf[i * 4 + 3])};
}

image::Image Canvas::toImage(int channels) const {
    image::Image img;
    img.width = w_;
    img.height = h_;
    img.channels = channels == 4 ? 4 : 3;
    img.pixels.resize(static_cast<size_t>(w_) * h_ * img.channels);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            const Color c = px_[static_cast<size_t>(y) * w_ + x];
            uint8_t* d = img.at(x, h_ - 1 - y);
            d[0] = c.r;
            d[1] = c.g;
            d[2] = c.b;
            if (img.channels == 4) d[3] = c.a;
        }
    return img;
}

Canvas Canvas::fromImage(const image::Image& img) {
    Canvas c(img.width, img.height);
    if (img.empty() || img.channels < 3) return c;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const uint8_t* s = img.at(x, img.height - 1 - y);
            c.set(x, y, {s[0], s[1], s[2], img.channels == 4 ? s[3] : uint8_t{255}});
        }
    return c;
}

// ---- fonts ----

namespace {
// FreeType wants face creation and disposal serialised; each face then serves one thread.
std::mutex& ftMutex() {
    static std::mutex m;
    return m;
}

FT_Library ftLibrary() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) l = nullptr;
        return l;
    }();
    return lib;
}
}  // namespace

struct Font::Impl {
    std::string data;  // FreeType reads the face from this memory for its whole life
    FT_Face face = nullptr;
    ~Impl() {
        if (!face) return;
        std::lock_guard<std::mutex> lock(ftMutex());
        FT_Done_Face(face);
    }
    bool size(float px) const {
        return FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(px * 64), 72, 72) == 0;
    }
};

std::string fonts::find(const std::string& fileName) {
    namespace fs = std::filesystem;
    if (fs::exists(fileName)) return fileName;
    const char* dirs[] = {"/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/liberation",
                          "/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/TTF",
                          "/usr/share/fonts/truetype"};
    for (const char* d : dirs) {
        const fs::path p = fs::path(d) / fileName;
        std::error_code ec;
        if (fs::exists(p, ec)) return p.string();
    }
    return {};
}

Font::Font(const std::string& file) {
    const std::string path = fonts::find(file);
    if (path.empty()) return;
    auto impl = std::make_unique<Impl>();
    if (!fileio::readAll(path, impl->data)) return;
    std::lock_guard<std::mutex> lock(ftMutex());
    if (!ftLibrary()) return;
    if (FT_New_Memory_Face(ftLibrary(), reinterpret_cast<const FT_Byte*>(impl->data.data()),
                           static_cast<FT_Long>(impl->data.size()), 0, &impl->face) != 0) {
        impl->face = nullptr;
        return;
    }
    impl_ = std::move(impl);
}

Font::~Font() = default;
Font::Font(Font&&) noexcept = default;
Font& Font::operator=(Font&&) noexcept = default;

bool Font::ok() const { return impl_ != nullptr; }

float Font::measure(float sizePx, std::string_view utf8) const {
    if (!impl_ || !impl_->size(sizePx)) return 0;
    float w = 0;
    for (char32_t cp : decodeUtf8(utf8)) {
        if (FT_Load_Char(impl_->face, cp, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) continue;
        w += impl_->face->glyph->advance.x / 64.0f;
    }
    return w;
}

float Font::ascent(float sizePx) const {
    if (!impl_) return 0;
    return impl_->face->ascender * sizePx / impl_->face->units_per_EM;
}

float Font::descent(float sizePx) const {
    if (!impl_) return 0;
    return impl_->face->descender * sizePx / impl_->face->units_per_EM;
}

Path Font::textPath(float sizePx, float x, float baseline, std::string_view utf8) const {
    Path path;
    if (!impl_ || !impl_->size(sizePx)) return path;
    struct Ctx {
        Path* p;
        float ox, oy;
        float X(const FT_Vector* v) const { return ox + v->x / 64.0f; }
        float Y(const FT_Vector* v) const { return oy - v->y / 64.0f; }
    } ctx{&path, x, baseline};
    FT_Outline_Funcs funcs{};
    funcs.move_to = [](const FT_Vector* to, void* u) {
        auto* c = static_cast<Ctx*>(u);
        c->p->close().moveTo(c->X(to), c->Y(to));
        return 0;
    };
    funcs.line_to = [](const FT_Vector* to, void* u) {
        auto* c = static_cast<Ctx*>(u);
        c->p->lineTo(c->X(to), c->Y(to));
        return 0;
    };
    funcs.conic_to = [](const FT_Vector* ct, const FT_Vector* to, void* u) {
        auto* c = static_cast<Ctx*>(u);
        c->p->quadTo(c->X(ct), c->Y(ct), c->X(to), c->Y(to));
        return 0;
    };
    funcs.cubic_to = [](const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* u) {
        auto* c = static_cast<Ctx*>(u);
        c->p->cubicTo(c->X(c1), c->Y(c1), c->X(c2), c->Y(c2), c->X(to), c->Y(to));
        return 0;
    };
    for (char32_t cp : decodeUtf8(utf8)) {
        if (FT_Load_Char(impl_->face, cp, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) continue;
        FT_GlyphSlot g = impl_->face->glyph;
        if (g->format == FT_GLYPH_FORMAT_OUTLINE) FT_Outline_Decompose(&g->outline, &funcs, &ctx);
        ctx.ox += g->advance.x / 64.0f;
    }
    path.close();
    return path;
}

bool Font::glyph(float sizePx, char32_t codepoint, Glyph& out) const {
    if (!impl_ || !impl_->size(sizePx)) return false;
    if (FT_Load_Char(impl_->face, codepoint, FT_LOAD_RENDER) != 0) return false;
    FT_GlyphSlot g = impl_->face->glyph;
    const FT_Bitmap& bm = g->bitmap;
    out.width = static_cast<int>(bm.width);
    out.height = static_cast<int>(bm.rows);
    out.left = g->bitmap_left;
    out.top = g->bitmap_top;
    out.advance = g->advance.x / 64.0f;
    out.coverage.assign(static_cast<size_t>(out.width) * out.height, 0);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            uint8_t v = 0;
            if (bm.pixel_mode == FT_PIXEL_MODE_GRAY)
                v = bm.buffer[y * bm.pitch + x];
            else if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                v = (bm.buffer[y * bm.pitch + x / 8] & (0x80 >> (x % 8))) ? 255 : 0;
            out.coverage[static_cast<size_t>(y) * out.width + x] = v;
        }
    return true;
}

float Canvas::drawText(const Font& font, float sizePx, float x, float baseline, std::string_view utf8,
                       const Paint& paint) {
    float pen = x;
    Font::Glyph g;
    for (char32_t cp : decodeUtf8(utf8)) {
        if (!font.glyph(sizePx, cp, g)) continue;
        const int ox = static_cast<int>(std::lround(pen)) + g.left;
        const int oy = static_cast<int>(std::lround(baseline)) - g.top;
        for (int y = 0; y < g.height; ++y)
            for (int gx = 0; gx < g.width; ++gx) {
                const uint8_t v = g.coverage[static_cast<size_t>(y) * g.width + gx];
                if (v) blend(ox + gx, oy + y, paint.at(ox + gx + 0.5f, oy + y + 0.5f), v / 255.0f);
            }
        pen += g.advance;
    }
    return pen - x;
}

float Canvas::drawTextCentred(const Font& font, float sizePx, float cx, float baseline, std::string_view utf8,
                              const Paint& paint) {
    return drawText(font, sizePx, cx - font.measure(sizePx, utf8) / 2, baseline, utf8, paint);
}

// ---- noise ----

float hash01(uint32_t a, uint32_t b, uint32_t seed) {
    const uint32_t h = mixBits(a * 0x9E3779B1U ^ mixBits(b * 0x85EBCA77U ^ mixBits(seed + 0x27D4EB2FU)));
    return (h >> 8) / 16777216.0f;
}

float noise(float x, float y, int periodX, int periodY, int octaves, uint32_t seed) {
    float sum = 0, weight = 1, total = 0;
    int px = std::max(1, periodX), py = std::max(1, periodY);
    for (int o = 0; o < std::max(1, octaves); ++o) {
        const float fx = std::floor(x), fy = std::floor(y);
        const float tx = x - fx, ty = y - fy;
        const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
        auto wrap = [](long v, int p) { return static_cast<uint32_t>(((v % p) + p) % p); };
        const long ix = static_cast<long>(fx), iy = static_cast<long>(fy);
        const uint32_t x0 = wrap(ix, px), x1 = wrap(ix + 1, px), y0 = wrap(iy, py), y1 = wrap(iy + 1, py);
        const uint32_t s = seed + static_cast<uint32_t>(o) * 1013U;
        const float a = hash01(x0, y0, s), b = hash01(x1, y0, s), c = hash01(x0, y1, s),
                    d = hash01(x1, y1, s);
        sum += weight * ((a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy);
        total += weight;
        weight *= 0.5f;
        x *= 2;
        y *= 2;
        px *= 2;
        py *= 2;
    }
    return sum / total;
}

}  // namespace canvas
