#include "table/render.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>

#include "core/cg.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "gui/glstate.h"
#include "gui/gltext.h"
#include "table/glu.h"
#include "table/kamera.h"
#include "table/overlays.h"
#include "table/renderstapel.h"
#include "table/tischteile.h"

namespace glu {

uint8_t renderPass = 0;
uint8_t shadowFrontPass = 0;
uint8_t coarseCards = 0;
RenderOptions renderOptions;
TableTextures tex;
std::function<void(const std::string&)> renderLog = [](const std::string& s) {
    std::fprintf(stderr, "%s\n", s.c_str());
};
void (*chipDraw)(uint8_t pass) = nullptr;

int FramePlan::scenes() const {
    int k = 0;
    for (int i = 0; i < n; ++i) k += s[i].step == Step::Scene;
    return k;
}

bool mirrorflag() { return envParam.spiegelErlaubt != 0; }

FramePlan frameplan(uint8_t mode, bool mirrorFlag, int reflectionValue, bool noEffects) {
    FramePlan p;
    const auto add = [&](Step st, uint8_t layer = 0, uint8_t kind = 0, bool mask = false) {
        p.s[p.n++] = FrameStep{st, layer, kind, mask};
    };
    const auto scene = [&](uint8_t layer, uint8_t kind, bool mask = false) {
        add(Step::Scene, layer, kind, mask);
    };
    if (mode == 1) {
        scene(2, 7);
        return p;
    }
    bool r = false, s = false;
    if (mode == 2) s = true;
    if (mode == 3) r = mirrorFlag;
    if (mode == 4) {
        s = true;
        r = mirrorFlag;
    }
    if (noEffects) r = s = false;
    if (reflectionValue == 0) r = false;
    p.reflection = r;
    p.shadows = s;

    add(Step::DepthMaskOff);
    scene(0, 0);
    scene(0, 1);
    add(Step::DepthMaskOn);
    if (r) {
        add(Step::DepthMaskOff);
        scene(1, 0);
        scene(1, 1);
        add(Step::DepthMaskOn);
        add(Step::BeginMirrorMask);
        scene(1, 7, true);
        add(Step::BeginDrawMirror);
        scene(3, 4);
        scene(2, 4);
        add(Step::EndMirror);
        add(Step::ColorMaskOff);
        scene(1, 6);
        add(Step::ColorMaskOn);
    } else {
        scene(1, 0);
        scene(1, 1);
    }
    scene(2, 2);
    scene(3, 2);
    if (s) {
        add(Step::BeginShadowVolume);
        scene(4, 2);
        add(Step::ShadowBackFaces);
        scene(4, 2);
        add(Step::BeginShadowDarken);
        add(Step::DepthTestOff);
        scene(5, 2);
        add(Step::DepthTestOn);
        add(Step::EndShadow);
    }
    add(Step::DepthLequal);
    scene(7, 2);
    return p;
}

void enablegl(unsigned cap) {
    const auto& o = renderOptions;
    const bool off = (cap == GL_LIGHTING && (o.NoLighting || glstate::gl().NoLighting)) ||
                     (cap == GL_BLEND && (o.NoBlend || glstate::gl().NoBlend)) ||
                     (cap == GL_TEXTURE_2D && o.NoTextures);
    if (off)
        glDisable(cap);
    else
        glEnable(cap);
}

void clearcolor(int grey) {
    const float g = grey / 99.0f;
    glClearColor(g, g, g, 0);
}

void beginmirrormask() {
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_STENCIL_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_POLYGON_BIT);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_FALSE);
    glClear(GL_STENCIL_BUFFER_BIT);
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, 0, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_INCR);
}

void begindrawmirror() {
    glPopAttrib();
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_NOTEQUAL, 0, 255);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_CLIP_PLANE0);
}

void endmirror() {
    glDepthFunc(GL_LEQUAL);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_CLIP_PLANE0);
}

void beginshadowvolume() {
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_STENCIL_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_POLYGON_BIT);
    glDepthMask(GL_FALSE);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glClear(GL_STENCIL_BUFFER_BIT);
    glFrontFace(GL_CW);
    enablegl(GL_CULL_FACE);
    enablegl(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, 0, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_INCR);
    shadowFrontPass = 1;
}

void shadowbackfaces() {
    glStencilFunc(GL_ALWAYS, 0, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_DECR);
    shadowFrontPass = 0;
}

void beginshadowdarken() {
    glPopAttrib();
    glDepthFunc(GL_EQUAL);
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_NOTEQUAL, 0, 255);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glDisable(GL_LIGHT0);
}

void endshadow() {
    enablegl(GL_LIGHT0);
    glDisable(GL_STENCIL_TEST);
}

namespace {

// The rectangle of the plane z = 0 of the current frame that the view sees, grown to hold
// [x0, x1] x [y0, y1]: the corners of the viewport are cast onto the plane. The screen quad is
// meant to fill the screen, and its design sizes fall short on wide and free shapes with our
// camera.
void coverView(float& x0, float& x1, float& y0, float& y1) {
    GLdouble model[16], proj[16];
    GLint view[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, proj);
    glGetIntegerv(GL_VIEWPORT, view);
    float lo[2] = {std::min(x0, x1), std::min(y0, y1)}, hi[2] = {std::max(x0, x1), std::max(y0, y1)};
    for (int corner = 0; corner < 4; ++corner) {
        const double wx = view[0] + (corner & 1 ? view[2] : 0), wy = view[1] + (corner & 2 ? view[3] : 0);
        GLdouble n[3], f[3];
        if (!gluUnProject(wx, wy, 0.0, model, proj, view, &n[0], &n[1], &n[2]) ||
            !gluUnProject(wx, wy, 1.0, model, proj, view, &f[0], &f[1], &f[2]) || n[2] == f[2])
            return;  // a frame the view cannot see into: keep the design sizes
        const double t = n[2] / (n[2] - f[2]);
        if (t < 0) return;  // the plane lies behind the viewer along this corner
        for (int k = 0; k < 2; ++k) {
            // A sliver beyond the corner, so rounding never leaves the edge pixels out.
            const auto v = static_cast<float>(n[k] + t * (f[k] - n[k]));
            lo[k] = std::min(lo[k], v - 0.01f);
            hi[k] = std::max(hi[k], v + 0.01f);
        }
    }
    // The quad keeps its orientation (its height is negative in its frame).
    const bool xUp = x0 <= x1, yUp = y0 <= y1;
    x0 = xUp ? lo[0] : hi[0];
    x1 = xUp ? hi[0] : lo[0];
    y0 = yUp ? lo[1] : hi[1];
    y1 = yUp ? hi[1] : lo[1];
}

void backdropQuad(float left, float bottom, float width, float height, uint8_t kind, float shadowAlpha) {
    if (kind == 0) {
        glDisable(GL_LIGHTING);
        enablegl(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, tex.backdrop);
        glColor4f(1, 1, 1, 1);
    } else {
        enablegl(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_LIGHTING);
        glColor4f(0, 0, 0, shadowAlpha);
    }
    // the quad's height is negative in its frame, so it winds the other way: draw either side
    const GLboolean culling = glIsEnabled(GL_CULL_FACE);
    glDisable(GL_CULL_FACE);
    float x0 = left, x1 = left + width, y0 = bottom, y1 = bottom + height;
    coverView(x0, x1, y0, y1);
    glBegin(GL_TRIANGLE_FAN);
    glTexCoord2f(0.5f, 0.5f);
    glVertex3f((x0 + x1) / 2, (y0 + y1) / 2, 0);
    glTexCoord2f(0, 0);
    glVertex3f(x0, y0, 0);
    glTexCoord2f(1, 0);
    glVertex3f(x1, y0, 0);
    glTexCoord2f(1, 1);
    glVertex3f(x1, y1, 0);
    glTexCoord2f(0, 1);
    glVertex3f(x0, y1, 0);
    glTexCoord2f(0, 0);
    glVertex3f(x0, y0, 0);
    glEnd();
    if (culling) glEnable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    enablegl(GL_LIGHTING);
}

void backdropFrame() {
    glTranslatef(-0.44f, -3.6f, -2.6f);
    glTranslatef(0, 2.4f, 0.2f);
    glTranslatef(-1.62f, 3.15f, -2.57f);
}

}  // namespace

void drawbackdrop(uint8_t kind) {
    setcamera();
    backdropFrame();
    float width = 0.908f * 4.62f;
    const float height = 1.2f * -3.625f;
    float left = -0.006f * 4.62f;
    width *= glstate::linRatMultiplication(1.0f, 1.3f, 1.35f);
    left += glstate::linRatMultiplication(0, 0.12f, 0.126f) * width;
    backdropQuad(left, 0.02f, width, height, kind, envParam.gray / 99.0f);
}

void drawbackdropflat(uint8_t kind) {
    glLoadIdentity();
    backdropFrame();
    float width = 1.4f * 4.62f;
    const float height = 1.8f * -3.625f;
    float left = -0.2f * width;
    float bottom = 0.02f - 0.2f * height;
    const auto& f = glstate::gl().AspectFlags;
    if (f[1] || f[2] || f[4]) {
        width *= 2;
        left -= 0.36f * width;
        bottom -= 0.1f * height;
    }
    backdropQuad(left, bottom, width, height, kind,
                 renderOptions.SoftShadows ? 0.05f : envParam.gray / 99.0f);
}

namespace {

bool chipGame() { return cg.spielId == 8 || cg.spielId == 9; }

void drawchips() {
    if (chipDraw && (renderPass == 0 || renderPass == 1 || renderPass == 2 || renderPass == 3))
        chipDraw(renderPass);
}

}  // namespace

void drawscene(uint8_t layer, uint8_t kind, bool maskOnly, bool test) {
    const auto& o = renderOptions;
    if (test) {
        setcamera();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        std::string rest;
        gltext::bprintit("1234567890", 0, 1.0f, 10, 10, 0, 0, 0, 1.0f, 0, 0, "", rest);
        return;
    }
    switch (layer) {
        case 3:
            if (!chipGame()) return;
            if (kind == 2) renderPass = 0;
            if (kind == 4) renderPass = 3;
            drawchips();
            return;
        case 7: {
            renderPass = 5;
            if (kind == 4) renderPass = 3;
            if (renderPass == 5) clearseatareas();
            const int seats = anzSitze;
            const bool obenauf = markersontop(cg.spielId);
            for (int seat = 1; seat <= seats && seat <= 10; ++seat) {
                if (!obenauf) drawseatmarkers(seat, 0);
                gtool::sitzNameZeigen(seat);
                drawseatbubble(seat);
                if (obenauf) drawseatmarkers(seat, 0);
            }
            glEnable(GL_DEPTH_TEST);
            return;
        }
        case 5: {
            // The soft shadow is drawn into an auxiliary buffer and blurred; our GL has no
            // such buffer, so the hard shadow is drawn instead (said once in the log).
            static bool softLogged = false;
            if (o.gameOnTable && o.SoftShadows && !softLogged) {
                softLogged = true;
                renderLog("Soft shadows off: no auxiliary buffer, hard shadows drawn");
            }
            drawbackdrop(kind);
            return;
        }
        case 2:
            if (kind == 4) {
                coarseCards = o.LowDetailShadows;
                renderPass = 3;
            } else if (kind == 2) {
                coarseCards = 0;
                renderPass = 0;
            } else if (kind == 6 || kind == 7) {
                coarseCards = 1;
                renderPass = 1;
            } else {
                return;
            }
            drawstacks(0);
            // Chips carry pick names too: in the pick pass they are drawn with the stacks.
            if (pickingFlag && chipGame()) drawchips();
            return;
        case 4:
            coarseCards = o.LowDetailShadows;
            renderPass = 2;
            drawstacks(0);
            if (chipGame()) drawchips();
            return;
        case 0:
        case 1:
            drawroomandtable(layer, kind, maskOnly);
            return;
        default:
            return;
    }
}

void drawwithreflection(uint8_t mode, bool test) {
    const FramePlan p = frameplan(mode, mirrorflag(), envParam.reflection, renderOptions.NoEffects != 0);
    for (int i = 0; i < p.n; ++i) {
        const FrameStep& f = p.s[i];
        switch (f.step) {
            case Step::Scene:
                drawscene(f.layer, f.kind, f.maskOnly, test);
                break;
            case Step::DepthMaskOff:
                glDepthMask(GL_FALSE);
                break;
            case Step::DepthMaskOn:
                glDepthMask(GL_TRUE);
                break;
            case Step::ColorMaskOff:
                glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
                break;
            case Step::ColorMaskOn:
                glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
                break;
            case Step::BeginMirrorMask:
                beginmirrormask();
                break;
            case Step::BeginDrawMirror:
                begindrawmirror();
                break;
            case Step::EndMirror:
                endmirror();
                break;
            case Step::BeginShadowVolume:
                beginshadowvolume();
                break;
            case Step::ShadowBackFaces:
                shadowbackfaces();
                break;
            case Step::BeginShadowDarken:
                beginshadowdarken();
                break;
            case Step::DepthTestOff:
                glDisable(GL_DEPTH_TEST);
                break;
            case Step::DepthTestOn:
                glEnable(GL_DEPTH_TEST);
                break;
            case Step::EndShadow:
                endshadow();
                break;
            case Step::DepthLequal:
                glDepthFunc(GL_LEQUAL);
                break;
        }
    }
}

}  // namespace glu
