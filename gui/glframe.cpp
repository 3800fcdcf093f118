#include "gui/glframe.h"

#include <GL/gl.h>

#include <cmath>
#include <iterator>
#include <numbers>

#include "gui/glstate.h"
#include "platform/num.h"

namespace glframe {

using glstate::gl;

namespace {

// The 2D painters draw some outlines clockwise; culling stays off while they draw.
struct NoCull {
    bool was = glIsEnabled(GL_CULL_FACE);
    NoCull() { glDisable(GL_CULL_FACE); }
    ~NoCull() {
        if (was) glEnable(GL_CULL_FACE);
    }
};

void lightingBack() {
    if (!gl().NoLighting) glEnable(GL_LIGHTING);
}

glstate::Color mix(const glstate::Color& a, float wa, const glstate::Color& b, float wb) {
    return {a.r * wa + b.r * wb, a.g * wa + b.g * wb, a.b * wa + b.b * wb, a.a * wa + b.a * wb};
}

void transQuad(int texture, float width, float height) {
    const float w = width / 639.0f, h = height / 639.0f;
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(0, -h);
    glTexCoord2f(1, 0);
    glVertex2f(w, -h);
    glTexCoord2f(1, 1);
    glVertex2f(w, 0);
    glTexCoord2f(0, 1);
    glVertex2f(0, 0);
    glEnd();
}

void transBegin() {
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
}

}  // namespace

void painttransquad(int texture, float width, float height, float alpha) {
    NoCull nc;
    transBegin();
    glBlendFunc(GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR);
    glColor4f(alpha, alpha, alpha, alpha);
    transQuad(texture, width, height);
    lightingBack();
}

void painttransquad_old(int texture, float width, float height, float alpha) {
    painttransquad(texture, width, height, alpha);
}

namespace {

void transQuad2(int texture, float width, float height, float dx, float dy, float r, float a) {
    NoCull nc;
    transBegin();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTranslated(dx / 497.0, -dy / 497.0, 0);
    glColor4f(r, r, r, a);
    transQuad(texture, width, height);
    glTranslated(-dx / 497.0, dy / 497.0, 0);
    lightingBack();
}

}  // namespace

void painttransquad2(int texture, float width, float height, float alpha, float dx, float dy) {
    transQuad2(texture, width, height, dx, dy, alpha, alpha);
}

void painttransquad2_old(int texture, float width, float height, float alpha, float dx, float dy) {
    transQuad2(texture, width, height, dx, dy, 0.4f + 0.6f * alpha, alpha * alpha * alpha);
}

float shapeFactor(float width) {
    const auto& g = gl();
    const bool narrow = width < 80;
    if (g.AspectFlags[1]) return narrow ? 0.78f : 0.86f;
    if (g.AspectFlags[2]) return narrow ? 0.85f : 0.92f;
    return 1.0f;
}

void paintcustomroundX(bool modeFlag, float width, float height, float radius, float s0, float t0, float s1,
                       float t1, bool colored, float alpha) {
    const auto& g = gl();
    NoCull nc;
    const float W = width / 639.0f, H = height / 639.0f;
    if (W <= 0 || H <= 0) return;
    int segments = 2;
    float r = radius;
    if (radius < 0) {
        if (modeFlag) {
            r = static_cast<float>(num::round(-radius * 0.3));
            segments = 3;
        } else {
            r = 0;
            segments = 1;
        }
    }
    float size = r / 100.0f;
    if (height > 100) size /= 2;
    size *= shapeFactor(width);
    size = std::min(size, std::min(W, H) / 2);
    glTranslated(-W / 2, -H / 2, 0);
    // Corners counter-clockwise from the bottom left; each runs from the edge it comes from
    // to the edge it goes to, eased towards both.
    const float cx[4] = {0, W, W, 0}, cy[4] = {0, 0, H, H};
    const float fromX[4] = {0, -1, 0, 1}, fromY[4] = {1, 0, -1, 0};
    const float toX[4] = {1, 0, -1, 0}, toY[4] = {0, 1, 0, -1};
    glBegin(GL_POLYGON);
    for (int c = 0; c < 4; ++c)
        for (int i = 0; i <= segments; ++i) {
            const float t = static_cast<float>(i) / segments;
            const float a = (1 - t) * (1 - t), b = t * t;
            const float x = cx[c] + size * (fromX[c] * a + toX[c] * b);
            const float y = cy[c] + size * (fromY[c] * a + toY[c] * b);
            const float fx = x / W, fy = y / H;
            if (colored) {
                const auto& k = g.CornerColor;
                glColor4f(k.r, k.g, k.b, (0.18f + 0.4f * (1 - fx) * fy) * 2 * k.a * alpha);
            }
            glTexCoord2f(s0 + (0.002f + 0.99f * fx) * (s1 - s0), t0 + (0.002f + 0.99f * fy) * (t1 - t0));
            glVertex2f(x, y);
        }
    glEnd();
    glTranslated(W / 2, H / 2, 0);
}

void paintcustomround(float width, float height, float alpha, bool opaque) {
    paintcustomroundNew(1, 0, 0, width, height, alpha, opaque);
    glTranslated(0, -height / 497.0, 0);
}

void paintcustomroundNew(int mode, float /*x*/, float y, float width, float height, float alpha, bool opaque) {
    const auto& g = gl();
    if (width * height <= 0) return;
    NoCull nc;
    int n = 12;
    if (g.GeometryDetail == 3) n = 10;
    if (g.GeometryDetail == 2) n = 8;
    if (g.GeometryDetail == 1) n = 7;
    const bool full = mode != 1 && height > 360;
    float length = height;
    if (mode != 1 && !full) length = height + 10;
    if (full) {
        glPushMatrix();
        glTranslated(0, y / 497.0, 0);
        length = 602;
    } else {
        n -= 3;
    }
    const float W = width / 497.0f, L = length / 497.0f;
    const auto colourAt = [&](float t) {
        if (!full) {
            if (t < 0.1f) {
                const float w = 0.4f + 0.6f * (0.1f - t) / 0.1f;
                return mix(g.FrameColorEnd, w, g.DialogColor, 1 - w);
            }
            if (t <= 0.7f) return mix(g.DialogColor, 1 - t, g.FrameColorLower, t);
            const float w = (t - 0.7f) / 0.3f;
            return mix(g.FrameColorEnd, w, g.FrameColorLower, 1 - w);
        }
        const float v = 600 * t;
        if (v < 31) {
            const float w = 0.4f + 0.6f * (1 - v / 31);
            return mix(g.FrameColorEnd, w, g.DialogColor, 1 - w);
        }
        if (v <= 500) return mix(g.DialogColor, 1 - t, g.FrameColorLower, t);
        const float w = 0.3f * (v - 500) / 100;
        return mix(g.FrameColorEnd, w, g.FrameColorLower, 1 - w);
    };
    const auto bAt = [&](float t) { return full ? std::sin(std::numbers::pi_v<float> * t) : 0.8f; };
    const auto put = [](float x, float yy, const glstate::Color& c, float k, float add, float a) {
        glColor4f(c.r * k + add, c.g * k + add, c.b * k + add, a);
        glVertex2f(x, yy);
    };
    const auto& dc = g.DialogColor;
    for (int strip = 0; strip < 4; ++strip) {
        glBegin(GL_QUAD_STRIP);
        for (int i = 0; i <= n; ++i) {
            const float t = static_cast<float>(i) / n;
            const float b = bAt(t);
            const float e = 0.05f * (b - 0.7f);
            const float yy = -t * L;
            const glstate::Color c = colourAt(t);
            const float body = opaque ? 1.0f : c.a;
            const float left = full ? -e : e;
            switch (strip) {
                case 0:
                    put(W - 0.05f * (b - 0.9f), yy, c, 1.0f / 3, 0, 0.9f * alpha);
                    put(W - e, yy, c, 1, 0, body * alpha);
                    break;
                case 1:
                    put(W - e, yy, c, 0.8f, 0, body * alpha);
                    put(left, yy, c, 1.2f, 0, body * alpha);
                    break;
                case 2: {
                    put(left, yy, c, 1.2f, 0, 1.2f * c.a * alpha);
                    const float outer = full ? -0.05f * (b - 0.5f) : 0.05f * (b - 0.9f);
                    glColor4f(2 * c.r + 0.1f + 0.3f * dc.r, 2 * c.g + 0.1f + 0.3f * dc.g,
                              2 * c.b + 0.1f + 0.3f * dc.b, 0.22f * alpha);
                    glVertex2f(outer, yy);
                    break;
                }
                default:
                    glColor4f(0, 0, 0, 0);
                    glVertex2f(W - 0.05f * (b - (full ? 1.4f : 1.1f)), yy);
                    put(W - 0.05f * (b - 0.9f), yy, g.DefaultColors, 0.5f, 0, 0.54f * alpha);
                    break;
            }
        }
        glEnd();
    }
    if (full) glPopMatrix();
}

namespace {

void place(float px, float py, bool noTurn, double unit) {
    glLoadIdentity();
    glTranslated(-0.635, 0.476, -1.5);
    if (!noTurn && gl().turn) gl().turn();
    glTranslated(px / unit, -py / unit, 0);
    glTranslated(0, 0, -0.005);
}

}  // namespace

void shadowFrame(float x, float y, float width, float height, bool noTurn, bool titleStrip, bool border,
                 float alpha) {
    const auto& g = gl();
    NoCull nc;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(g.LibTextures[0]));
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_LIGHTING);
    glMatrixMode(GL_MODELVIEW);
    const float m = 3 / 639.0f;  // mitre
    struct Piece {
        float px, py, pw, ph, s0, t0;
        int mitre;  // 0 bottom edge, 1 top edge, 2 right edge, 3 left edge
    };
    const Piece pieces[4] = {{x, y, width + 3, 3, 0.8875f, 0.275f, 0},
                             {x, y + height - 3, width + 3, 3, 0.8875f, 0.525f, 1},
                             {x, y, 3, height + 2, 0.7625f, 0.525f, 2},
                             {x + width - 3, y, 3, height + 2, 0.7625f, 0.275f, 3}};
    if (border)
        for (const Piece& p : pieces) {
            place(p.px, p.py, noTurn, 637.0);
            const float w = p.pw / 639.0f, h = p.ph / 639.0f;
            // Corners: bottom-left, bottom-right, top-right, top-left, then the mitre.
            float vx[4] = {0, w, w, 0}, vy[4] = {-h, -h, 0, 0};
            switch (p.mitre) {
                case 0:
                    vx[0] += m, vx[1] -= m;
                    break;
                case 1:
                    vx[3] += m, vx[2] -= m;
                    break;
                case 2:
                    vy[1] += m, vy[2] -= m;
                    break;
                default:
                    vy[0] += m, vy[3] -= m;
                    break;
            }
            const float ts[4] = {p.s0, p.s0 + 0.1f, p.s0 + 0.1f, p.s0};
            const float tt[4] = {p.t0, p.t0, p.t0 + 0.2f, p.t0 + 0.2f};
            glColor4f(1, 1, 1, 0.8f * alpha);
            glBegin(GL_QUADS);
            for (int i = 0; i < 4; ++i) {
                glTexCoord2f(ts[i], tt[i]);
                glVertex2f(vx[i], vy[i]);
            }
            glEnd();
        }
    if (titleStrip) {
        // The gradient lies in the top right tiles of elem.bmp (30 and 31), away from the
        // check-box tiles.
        place(x + 3, y + 3, noTurn, 637.0);
        const float w = (width - 6) / 639.0f, h = 26 / 639.0f, cut = 0.012f;
        const float xs[3] = {0, w / 2, w};
        const float ss[3] = {0.7525f, 0.875f, 0.9975f};
        const float bottomAlpha[3] = {0.3f * alpha, 0.7f * alpha, 0.3f * alpha};
        glBegin(GL_QUAD_STRIP);
        for (int i = 0; i < 3; ++i) {
            const float topX = i == 0 ? xs[i] + cut : i == 2 ? xs[i] - cut : xs[i];
            glColor4f(1, 1, 1, 0);
            glTexCoord2f(ss[i], 0.9975f);
            glVertex2f(topX, 0);
            glColor4f(1, 1, 1, bottomAlpha[i]);
            glTexCoord2f(ss[i], 0.7525f);
            glVertex2f(xs[i], -h);
        }
        glEnd();
    }
    glDisable(GL_BLEND);
    lightingBack();
}

void pageFrame(float x, float y, float width, float height, float tabWidth, int page, bool noTurn,
               float alpha) {
    const auto& g = gl();
    NoCull nc;
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_MODELVIEW);
    const int p = page >= 1 ? page - 1 : 0;
    const float tabL = static_cast<float>(num::round(tabWidth * p));
    const float tabR = static_cast<float>(num::round(tabWidth * (p + 1)));
    struct Strip {
        float X, Y, ex, ey;
        bool vertical, inverted;
        int side;
        float dx;
    };
    const Strip tabbed[8] = {
        {x, y, tabL + 5, 5, false, true, 4, 0},
        {x + tabL, y - 34, 5, 39, true, false, 2, 8},
        {x + tabL + 8, y - 34, tabR - tabL - 16, 5, false, true, 0, 0},
        {x + tabR, y - 34, 5, 39, true, true, 3, -8},
        {x + tabR + 5, y, width - tabR - 5, 5, false, true, 2, 0},
        {x + width, y, 5, height, true, true, 0, 0},
        {x + 5, y + height, width, 5, false, false, 0, 0},
        {x, y, 5, height, true, false, 0, 0},
    };
    // A tab narrower than its two leaning sides would cross itself into a small triangle: then
    // the top edge runs unbroken, mitred at both ends like the tabbed one.
    const Strip plain[4] = {
        {x, y, width, 5, false, true, 0, 0},
        tabbed[5],
        tabbed[6],
        tabbed[7],
    };
    const bool hasTab = tabR - tabL >= 16;
    const Strip* first = hasTab ? tabbed : plain;
    const Strip* last = hasTab ? std::end(tabbed) : std::end(plain);
    const auto& dc = g.DialogColor;
    for (const Strip* sp = first; sp != last; ++sp) {
        const Strip& s = *sp;
        place(s.X, s.Y, noTurn, 639.0);
        const float ox[4] = {s.dx, 0, s.ex, s.ex + s.dx};
        const float oy[4] = {0, -s.ey, -s.ey, 0};
        glBegin(GL_QUADS);
        for (int c = 0; c < 4; ++c) {
            const int corner = c + 1;
            float shade =
                s.vertical ? (corner <= 2 ? 1.0f : 0.0f) : (corner == 1 || corner == 4 ? 0.0f : 1.0f);
            if (s.inverted) shade = 1 - shade;
            const float ty = (s.Y - oy[c] - y) / height;
            const float u = 2 * (1 - ty) * (1 - shade);
            const float t = width > height ? ty + ox[c] / width : ty + oy[c] / height / 2 + ox[c] / width / 2;
            glColor4f((u + t) * dc.r, (u + t) * dc.g, (u + t) * (dc.b + 0.03f),
                      (0.2f + 0.8f * shade) * alpha);
            float vx = ox[c], vy = oy[c];
            const bool atSide = corner == s.side;
            if (s.vertical) {
                const bool moves = s.inverted ? (corner == 1 || corner == 3) : (corner == 2 || corner == 4);
                if (moves || atSide) vy += atSide ? 5 : -5;
            } else if (corner == 2 || corner == 4 || atSide) {
                const float dir = s.inverted ? 5 : -5;
                vx += atSide ? -dir : dir;
            }
            glVertex2f(vx / 639.0f, vy / 639.0f);
        }
        glEnd();
    }
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    lightingBack();
}

}  // namespace glframe
