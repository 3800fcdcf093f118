#include "table/tischteile.h"

#include <GL/gl.h>

#include <cmath>

#include "core/cg.h"
#include "core/envparam.h"
#include "gui/glstate.h"
#include "table/kamera.h"
#include "table/render.h"

namespace glu {

namespace {

int detailIndex(int detail) { return detail >= 1 && detail <= 5 ? detail - 1 : -1; }

void tc(const TischTeil& w, float u, float v) {
    if (!w.maskPass) glTexCoord2f(u, v);
}

void bind(uint32_t t) { glBindTexture(GL_TEXTURE_2D, t); }

void roomBase(float windowLift) {
    setcamera();
    glTranslatef(0, windowLift, 0);
    glRotatef(-55, 1, 0, 0);
}

}  // namespace

int roundsegments(int detail, bool shapeFlag) {
    static const int normal[5] = {40, 54, 68, 88, 110};
    static const int shaped[5] = {30, 44, 60, 80, 104};
    const int i = detailIndex(detail);
    if (i < 0) return 48;
    return shapeFlag ? shaped[i] : normal[i];
}

int ovalstrips(int detail) {
    static const int n[5] = {10, 16, 22, 30, 40};
    const int i = detailIndex(detail);
    // an unknown detail level takes the middle count instead of none
    return i < 0 ? 22 : n[i];
}

int shapedsegments(int detail) {
    static const int n[5] = {30, 44, 60, 80, 104};
    const int i = detailIndex(detail);
    return i < 0 ? 48 : n[i];
}

float ovaledge(int k, float t, float y0, float height) {
    float a, s;
    const float q = std::sin((0.5f * t + 0.25f) * 3.14159f);
    if (k == 0) {
        a = t < 0.3f ? 0.3f - t : t > 0.7f ? t - 0.7f : 0.0f;
        s = 1.2f - q * q;
    } else {
        a = 1.0f;
        if (t < 0.08f) a -= 0.08f - t;
        if (t > 0.92f) a -= t - 0.92f;
        s = -0.2f + q * q;
    }
    return y0 + height * (0.27f * k + 0.3f * s + 0.6f * a);
}

float ovalsag(float x) { return (0.0125f - std::sin(x) / 80) / 2; }

float cushionshade(float h, float u, float t) {
    float g = 8 * h;
    if (t < 0.5f && u > 0.55f) g += (1 - u) * (u - 0.55f) * (u - 0.55f) * 30;
    if (t > 0.5f && u < 0.45f) g += (0.45f - u) * (0.45f - u) * u * 30;
    return g;
}

float tablescale(uint8_t flag) { return blackjackzoom(flag); }

void windowframe(TischTeil& w) {
    roomBase(0.12f);
    glTranslatef(w.ox - 3.72f - 1.71362f, 6.25978f + 4.05f + 1.5f, -8.7f + 6.43f - 3.28638f);
    w.x0 = -2.6f + 0.45f * zoomoffset();
    w.y0 = 3.05f;
    w.width = 3.2f * zoomfactor();
    w.z = -1.52f;
    w.depth = 0.2f;
    w.height = 2.85f;
}

void drawwindowview(TischTeil& w) {
    const float zb = w.z - w.depth, zt = zb + w.height;
    for (int q = 0; q < 2; ++q) {
        const float x = w.x0 + (q ? 1.9f * w.width : 0);
        const float u0 = q ? 0.3f : 0.0f, u1 = u0 + 0.7f * w.repeatW;
        glBegin(GL_QUADS);
        tc(w, u0, 0);
        glVertex3f(x, w.y0, zb);
        tc(w, u1, 0);
        glVertex3f(x + w.width, w.y0, zb);
        tc(w, u1, static_cast<float>(w.repeatH));
        glVertex3f(x + w.width, w.y0, zt);
        tc(w, u0, static_cast<float>(w.repeatH));
        glVertex3f(x, w.y0, zt);
        glEnd();
    }
}

void wallframe(TischTeil& w) {
    roomBase(0.1f);
    glTranslatef(w.ox - 3.72f, 4.05f + 1.5f, -8.7f + 6.43f);
    glRotatef(8, 0, 0, 1);
    w.x0 = -2.6f + 0.3f * zoomoffset();
    w.y0 = 0.05f + 2.5f;
    w.width = (5.4f + 3.3f + 0.5f) * zoomfactor();
    w.z = -1.52f;
    w.depth = 0.2f;
    w.height = 1.8f;
}

namespace {

// The frame of one window opening over the column at xl, 10 vertices.
void windowFrameStrip(const TischTeil& w, float xl) {
    static const float pts[10][2] = {{0, 0}, {0.08f, 0.08f}, {1, 0}, {0.92f, 0.08f}, {1, 1}, {0.92f, 0.92f},
                                     {0, 1}, {0.08f, 0.92f}, {0, 0}, {0.08f, 0.08f}};
    const float foot = w.z - w.depth;
    glBegin(GL_QUAD_STRIP);
    for (int i = 0; i < 10; ++i) {
        const float a = pts[i][0], b = pts[i][1];
        tc(w, (a + b) / 2, i % 2 ? 1.0f : 0.0f);
        glVertex3f(xl + a * w.width / 7, w.y0 - 0.01f, foot + 0.32f * w.height + (1 - b) * 1.28f);
    }
    glEnd();
}

}  // namespace

void drawwall(TischTeil& w) {
    const float foot = w.z - w.depth;
    const auto colX = [&](int i) { return w.x0 + w.width * i / 7 + ((i == 1 || i == 4) ? 0.002f : 0.0f); };
    if (w.maskPass) {
        glBegin(GL_QUADS);
        glVertex3f(w.x0, w.y0, foot);
        glVertex3f(w.x0 + w.width, w.y0, foot);
        glVertex3f(w.x0 + w.width, w.y0, foot + w.height);
        glVertex3f(w.x0, w.y0, foot + w.height);
        glEnd();
        return;
    }
    const bool windows = !w.lightMapPass;
    for (int i = 0; i < 7; ++i) {
        const bool opening = windows && (i == 1 || i == 4);
        const float f = opening ? 0.32f : 1.0f;
        glBegin(GL_QUADS);
        tc(w, w.repeatW * i / 7.0f, 0);
        glVertex3f(colX(i), w.y0, foot);
        tc(w, w.repeatW * (i + 1) / 7.0f, 0);
        glVertex3f(colX(i + 1), w.y0, foot);
        tc(w, w.repeatW * (i + 1) / 7.0f, w.repeatH * f);
        glVertex3f(colX(i + 1), w.y0, foot + w.height * f);
        tc(w, w.repeatW * i / 7.0f, w.repeatH * f);
        glVertex3f(colX(i), w.y0, foot + w.height * f);
        glEnd();
        if (opening) {
            bind(tex.tischk2 ? tex.tischk2 : tex.tischk);
            windowFrameStrip(w, colX(i));
            bind(w.texture);
        }
    }
}

void floorframe(TischTeil& w) {
    roomBase(0.1f);
    glTranslatef(w.ox - 3.72f, 4.05f + 1.5f, -8.7f + 6.43f);
    glRotatef(8, 0, 0, 1);
    w.x0 = -2.6f + 0.3f * zoomoffset();
    w.width = (5.4f + 3.3f + 0.5f) * zoomfactor();
    w.y0 = 2.55f;
    w.z = 0.5f - 2.0f;
    w.depth = 0.2f;
    w.height = (-3.625f - 3.5f) * zoomfactor();
    if (!w.maskPass) bind(w.texture);
    if (w.lightMapPass) glBlendFunc(GL_DST_COLOR, GL_SRC_COLOR);
}

void drawfloor(TischTeil& w) {
    const float zz = w.z - w.depth;
    const float x1 = w.x0 + w.width, y1 = w.y0 + w.height;
    const float rw = static_cast<float>(w.repeatW), rh = static_cast<float>(w.repeatH);
    glBegin(GL_TRIANGLE_FAN);
    tc(w, rw / 2, rh / 2);
    glVertex3f((w.x0 + x1) / 2, (w.y0 + y1) / 2, zz);
    tc(w, 0, 0);
    glVertex3f(w.x0, w.y0, zz);
    tc(w, rw, 0);
    glVertex3f(x1, w.y0, zz);
    tc(w, rw, rh);
    glVertex3f(x1, y1, zz);
    tc(w, 0, rh);
    glVertex3f(w.x0, y1, zz);
    tc(w, 0, 0);
    glVertex3f(w.x0, w.y0, zz);
    glEnd();
}

void tablesetup(TischTeil& w) {
    setcamera();
    glTranslatef(0, 0.12f, 0);
    glRotatef(-55, 1, 0, 0);
    glTranslatef(0, 2.4f, 0.2f);
    glTranslatef(0.05f + w.ox - 3.72f, 1.65f + 1.5f, -9.0f + 6.43f);
    w.x0 = 0;
    w.y0 = 0.02f;
    w.width = 3.3f;
    w.height = -3.625f;
    w.z = 0;
    w.segments = 3;
    if (!w.lightMapPass && !w.maskPass && envParam.transparenz > 0) {
        enablegl(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColor4f(1, 1, 1, 1 - envParam.transparenz / 99.0f);
    }
    if (cg.spielId == 9) glTranslatef(-0.08f, 0.12f, 0);
}

void drawtablerect(TischTeil& w) {
    const float width = w.width * 1.065f, height = w.height * 0.935f, y0 = w.y0 - 0.16f;
    glRotatef(3, 0, 0, 1);
    glTranslatef(-0.2f, -0.2f, 0);
    const float rw = static_cast<float>(w.repeatW), rh = static_cast<float>(w.repeatH);
    const float x1 = w.x0 + width, y1 = y0 + height;
    glBegin(GL_TRIANGLE_FAN);
    tc(w, rw / 2, rh / 2);
    glVertex3f((w.x0 + x1) / 2, (y0 + y1) / 2, w.z);
    tc(w, 0, 0);
    glVertex3f(w.x0, y0, w.z);
    tc(w, 0, rh);
    glVertex3f(w.x0, y1, w.z);
    tc(w, rw, rh);
    glVertex3f(x1, y1, w.z);
    tc(w, rw, 0);
    glVertex3f(x1, y0, w.z);
    tc(w, 0, 0);
    glVertex3f(w.x0, y0, w.z);
    glEnd();
    if (w.edgeTexture != 0 && !w.maskOnly && !w.maskPass) {
        bind(w.edgeTexture);
        const float kb = static_cast<float>(envParam.kbreite);
        glBegin(GL_QUADS);
        tc(w, 0, 0);
        glVertex3f(w.x0, y1, w.z - 0.2f);
        tc(w, kb, 0);
        glVertex3f(x1, y1, w.z - 0.2f);
        tc(w, kb, 1);
        glVertex3f(x1, y1, w.z);
        tc(w, 0, 1);
        glVertex3f(w.x0, y1, w.z);
        glEnd();
    }
}

void drawtableround(TischTeil& w) {
    const auto& f = glstate::gl().AspectFlags;
    const int n = roundsegments(renderOptions.detail, f[1] || f[2]);
    const float r = 1.8f * tablescale(0);
    const float cx = 1.68f, cy = -2.1f;
    if (cg.spielId == 9) glTranslatef(0.06f, 0, 0);
    const float rw = static_cast<float>(w.repeatW), rh = static_cast<float>(w.repeatH);
    const int tr = envParam.transparenz;
    const bool fade = tr > 10 && !w.maskPass && !w.lightMapPass;
    glBegin(GL_TRIANGLE_FAN);
    tc(w, 0.48f * rw, 0.48f * rh);
    glVertex3f(cx, cy, w.z);
    for (int i = 0; i <= n; ++i) {
        if (i % 2 != 0 && i > n / 3) continue;
        const int k = i == n ? 0 : i;
        const float a = 2 * 3.1406f * k / n - 2.7f;
        if (fade) glColor4f(1, 1, 1, 1 - (tr / 150.0f) / (1.2f + 0.8f * std::sin(a)));
        tc(w, rw * 0.96f * (std::cos(a) + 1) / 2, rh * (std::sin(a) + 1) / 2);
        glVertex3f(cx + r * std::cos(a), cy + r * std::sin(a), w.z);
    }
    glEnd();
    if (w.edgeTexture != 0 && !w.maskOnly && !w.maskPass) {
        bind(w.edgeTexture);
        const float drop = tr > 10 ? 0.06f : 0.18f;
        if (tr > 10) glColor4f(1, 1, 1, 1 - tr / 198.0f);
        glBegin(GL_QUAD_STRIP);
        for (int i = 0; i <= n && i <= n / 2.8f; ++i) {
            const float a = 2 * 3.1406f * i / n - 2.7f;
            const float u = static_cast<float>(envParam.kbreite) * i / n;
            const float x = cx + r * std::cos(a), y = cy + r * std::sin(a);
            tc(w, u, 0.01f);
            glVertex3f(x, y, w.z);
            tc(w, u, 0.99f);
            glVertex3f(x, y, w.z - drop);
        }
        glEnd();
    }
}

void drawtableoval(TischTeil& w) {
    glRotatef(7, 0, 0, 1);
    glTranslatef(-1.3f, -1.12f, 0);
    glRotatef(30, 0, 0, 1);
    if (cg.spielId == 9) glTranslatef(-0.25f, 0.2f, 0);
    const float s = tablescale(1);
    const float width = w.width * s, height = w.height * s;
    const int n = ovalstrips(renderOptions.detail);
    const float y0 = -0.15f;
    const float rw = static_cast<float>(w.repeatW), rh = static_cast<float>(w.repeatH);
    for (int i = 0; i < n; ++i) {
        const float t0 = static_cast<float>(i) / n, t1 = static_cast<float>(i + 1) / n;
        const float xa = 1.06f * t0 * width, xb = 1.06f * t1 * width;
        const float na = ovaledge(0, t0, y0, height), nb = ovaledge(0, t1, y0, height);
        const float fa = ovaledge(1, t0, y0, height), fb = ovaledge(1, t1, y0, height);
        const float za = w.z - ovalsag(xa), zb = w.z - ovalsag(xb);
        glBegin(GL_TRIANGLE_FAN);
        tc(w, rw * (t0 + t1) / 2, rh / 2);
        glVertex3f((xa + xb) / 2, (na + nb + fa + fb) / 4, (za + zb) / 2);
        tc(w, rw * t0, 0);
        glVertex3f(xa, na, za);
        tc(w, rw * t1, 0);
        glVertex3f(xb, nb, zb);
        tc(w, rw * t1, rh);
        glVertex3f(xb, fb, zb);
        tc(w, rw * t0, rh);
        glVertex3f(xa, fa, za);
        tc(w, rw * t0, 0);
        glVertex3f(xa, na, za);
        glEnd();
    }
}

namespace {

// Outline point i of n of the shaped tables (unit size).
void contour(int i, int n, float& px, float& py, float& t) {
    const int k = i == n ? 0 : i;
    t = static_cast<float>(k) / n;
    px = 0.8f * std::cos(6.2812f * t - 1.4f);
    py = 0.8f * std::sin(6.2812f * t - 1.4f);
}

bool contourUsed(int i, int n) { return i % 2 == 0 || i <= 0.2f * n || i >= 0.8f * n; }

}  // namespace

void drawtableshaped(TischTeil& w) {
    const int shape = envParam.rund;
    glTranslatef(w.width / 2, w.height / 2, 0);
    glRotatef(-18, 0, 0, 1);
    glTranslatef(-w.width / 2, -w.height / 2, 0);
    glTranslatef(-0.256651f, 0, 0);
    if (cg.spielId == 9) glTranslatef(0.07f, 0, 0);
    const float cx = 1.97f, cy = -2.1f;
    const int n = shapedsegments(renderOptions.detail);
    const int m = n / 16 + 3;
    float radius = 2.16f * tablescale(1);
    if (cg.spielId == 3 || cg.spielId == 4) radius *= 1.05f;
    const float rw = static_cast<float>(w.repeatW), rh = static_cast<float>(w.repeatH);
    float px, py, t;

    // inner cloth
    if (!(w.flatMask && shape != 4)) {
        float factor = 0.88f, sx = 1, sy = 1;
        if (!(w.lightMapPass || shape == 6)) {
            if (!w.maskPass && tex.tisch2) bind(tex.tisch2);
            factor = shape == 4 ? 0.2f : 2.4f;
            sx = 0.65f * 1.19f;
            sy = 0.65f;
            if (shape == 5) glColor4f(1, 1, 1, 1);
        }
        glBegin(GL_TRIANGLE_FAN);
        tc(w, rw * 0.96f * 0.5f * factor, rh * 0.5f * factor);
        glVertex3f(cx, cy, w.z);
        for (int i = 0; i <= n; ++i) {
            if (!contourUsed(i, n)) continue;
            contour(i, n, px, py, t);
            tc(w, rw * 0.96f * (px * sx + 1) / 2 * factor, rh * (py * sy + 1) / 2 * factor);
            glVertex3f(cx + px * sx * radius, cy + py * sy * radius, w.z);
        }
        glEnd();
    }
    // rail
    if (!w.lightMapPass && shape != 6 && !(w.flatMask && shape != 3 && shape != 5)) {
        float factor = 1;
        if (!w.maskPass) bind(tex.tisch);
        if (shape == 5) {
            factor = 0.2f;
            glColor4f(1, 1, 1, 1 - envParam.transparenz / 99.0f);
        }
        if (shape == 4) glColor4f(1, 1, 1, 1);
        glBegin(GL_TRIANGLE_STRIP);
        for (int i = 0; i <= n; ++i) {
            if (!contourUsed(i, n)) continue;
            contour(i, n, px, py, t);
            const float ix = 0.85f * 1.4f * 0.65f * px, iy = 0.65f * py;
            tc(w, rw * (ix + 1) / 2 * factor, rh * (iy + 1) / 2 * factor);
            glVertex3f(cx + ix * radius, cy + iy * radius, w.z);
            tc(w, rw * (px + 1) / 2 * factor, rh * (py + 1) / 2 * factor);
            glVertex3f(cx + px * radius, cy + py * radius, w.z);
        }
        glEnd();
    }
    // cushion
    if (!w.flatMask) {
        if (!w.maskPass) {
            if (tex.tisch3) bind(tex.tisch3);
            enablegl(GL_LIGHTING);
        }
        for (int j = 0; j < m; ++j) {
            const float s0 = 0.15f * j / m, s1 = 0.15f * (j + 1) / m;
            const auto ringH = [&](int jj) {
                float h = 0.1f * std::sin(3.141f * jj / m);
                if (h > 0.07f) h = 0.07f + 0.3f * (h - 0.07f);
                return h;
            };
            const float h0 = ringH(j), h1 = ringH(j + 1);
            glBegin(GL_TRIANGLE_STRIP);
            for (int i = 0; i <= n; ++i) {
                if (!contourUsed(i, n)) continue;
                contour(i, n, px, py, t);
                for (int side = 0; side < 2; ++side) {
                    const float s = side ? s1 : s0, h = side ? h1 : h0;
                    const float u = static_cast<float>(side ? j + 1 : j) / m;
                    if (!w.maskPass) {
                        const float g = std::fmin(1.0f, 0.55f + cushionshade(h, u, t));
                        glColor4f(g, g, g, 1);
                    }
                    tc(w, rw * 6 * t, rh * 6 * s);
                    glVertex3f(cx + (s + 1) * px * radius, cy + (1.4f * s + 1) * py * radius, w.z + h);
                }
            }
            glEnd();
        }
        if (!w.maskPass) glColor4f(1, 1, 1, 1);
    }
}

void drawroomandtable(uint8_t layer, uint8_t kind, bool maskOnly) {
    setcamera();
    if (kind == 1 || layer == 0) glDisable(GL_LIGHTING);
    // the parts are seen from either side (the mirror flips them); the caller's culling returns
    const GLboolean culling = glIsEnabled(GL_CULL_FACE);
    glDisable(GL_CULL_FACE);
    TischTeil w;
    w.maskOnly = maskOnly;
    w.lightMapPass = kind == 1;
    w.maskPass = kind == 6 || kind == 7;
    w.flatMask = kind == 7;
    if (kind == 1) {
        enablegl(GL_TEXTURE_2D);
        enablegl(GL_BLEND);
        glBlendFunc(GL_DST_COLOR, GL_SRC_COLOR);
        glColor4f(1, 1, 1, 1);
        glDisable(GL_DEPTH_TEST);
    } else if (kind == 0) {
        enablegl(GL_TEXTURE_2D);
        glColor4f(1, 1, 1, 1);
        glDisable(GL_BLEND);
    } else if (w.maskPass) {
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        glDisable(GL_LIGHTING);
        glColor4f(1, 1, 1, 1);
    } else {
        if (culling) glEnable(GL_CULL_FACE);
        return;
    }
    const auto repeats = [&](int rw, int rh) {
        w.repeatW = w.lightMapPass ? 1 : rw;
        w.repeatH = w.lightMapPass ? 1 : rh;
    };
    if (layer == 0) {
        if (kind != 1) {
            windowframe(w);
            repeats(1, 1);
            w.texture = tex.out;
            if (!w.maskPass) bind(w.texture);
            drawwindowview(w);
        }
        wallframe(w);
        repeats(envParam.wbreite, envParam.whoehe);
        w.texture = w.lightMapPass ? tex.wandlm : tex.wand;
        if (!w.maskPass) bind(w.texture);
        drawwall(w);
        repeats(envParam.bbreite, envParam.bhoehe);
        w.texture = w.lightMapPass ? tex.bodenlm : tex.boden;
        floorframe(w);
        drawfloor(w);
    } else if (layer == 1) {
        repeats(envParam.tbreite, envParam.thoehe);
        w.texture = w.lightMapPass ? tex.tischlm : tex.tisch;
        w.edgeTexture = w.lightMapPass ? 0 : tex.tischk;
        tablesetup(w);
        if (!w.maskPass) bind(w.texture);
        switch (envParam.rund) {
            case 0:
                drawtablerect(w);
                break;
            case 1:
                drawtableround(w);
                break;
            case 2:
                drawtableoval(w);
                break;
            case 3:
            case 4:
            case 5:
            case 6:
                drawtableshaped(w);
                break;
            default:
                break;  // no table top for an unknown shape
        }
    }
    if (culling) glEnable(GL_CULL_FACE);
    glColor4f(1, 1, 1, 1);
    glDisable(GL_BLEND);
    enablegl(GL_LIGHTING);
    enablegl(GL_DEPTH_TEST);
}

}  // namespace glu
