#include "table/flugkarten.h"

#include <GL/gl.h>

#include "core/cg.h"
#include "gui/glstate.h"
#include "gui/gltex.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/sdl/window.h"
#include "platform/ticks.h"
#include "table/kamera.h"
#include "table/kartenmesh.h"
#include "table/render.h"

namespace glu {

TFlugKarte flugKarten[kFlugKarten];
bool sceneFrozen = false;

namespace {
float R() { return static_cast<float>(rnd::uniform()); }
}  // namespace

void armflyingcard(TFlugKarte& k) {
    k.x = 380;
    k.y = 1800;
    k.z = static_cast<float>(k.nr) * 350 / 2 - 2000;
    k.vx = (R() - 0.56f) * 600;
    k.vy = -1500;
    k.vz = 0;
    k.rx = (R() - 0.5f) * 300;
    k.ry = (R() - 0.5f) * 300;
    k.rz = (R() - 0.5f) * 300;
    // suits 1..3, values 1..6 only
    const int suit = rnd::random(3) + 1;
    const int value = num::round(R() * 5) + 1;
    k.texture = tex.face[suit][value];
    k.sideways = R() >= 0.5f ? 1 : 0;
    k.tilt = R();
    k.wobble = num::round(R() * 10);
    k.rising = 0;
}

void startflyingcards() {
    cg.kartenSkala = 1.0f;
    rnd::seed(ticks::now());
    for (int i = 1; i <= kFlugKarten; ++i) {
        TFlugKarte& k = flugKarten[i - 1];
        k.nr = k.nr2 = i;
        armflyingcard(k);
        k.y = static_cast<float>(i) * 1000 / 3 + 500;
        k.vy = k.vy / 6 - k.y / 5;
        k.rising = 1;
    }
    if (window::hasContext()) setprojection();
}

void stepflyingcards(float fps) {
    for (TFlugKarte& k : flugKarten) {
        if (!sceneFrozen && fps != 0) {
            const float dt = 0.8f / fps;  // the effect runs at 0.8 times real time
            k.spin += 100 * dt;
            if (k.spin > 360) k.spin -= 360;
            k.x += k.vx * dt;
            k.y += k.vy * dt;
            k.z += k.vz * dt;
            k.a1 += k.rx * dt;
            k.a2 += k.ry * dt;
            k.a3 += k.rz * dt;
            if (!k.rising) k.vy += 600 * dt;
        }
        for (float* a : {&k.a1, &k.a2, &k.a3})
            if (*a > 10000 || *a < -10000) *a = 0;
        if (k.y < 600) k.rising = 0;
        if (k.y > 2600 || k.y < -800) armflyingcard(k);
        if (k.z > 0) k.vz -= 20;
    }
}

void drawframe(float fps) {
    const auto& g = glstate::gl();
    glDepthMask(GL_FALSE);
    // Far larger than any screen and centred on the virtual screen's middle (400, 300), so every
    // shape sees the middle of the picture.
    if (tex.backdrop) {
        const float w = 2.0f * g.ViewWidth + 808, h = 2.0f * g.ViewHeight + 608;
        gltex::paintquadtexture(tex.backdrop, 400 - w / 2, 300 - h / 2, w, h);
    }
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    coarseCards = 0;
    renderPass = 0;
    stepflyingcards(fps);
    for (const TFlugKarte& k : flugKarten) {
        if (g.ViewWidth > 767) glClear(GL_DEPTH_BUFFER_BIT);
        CardArgs a;
        a.sideways = k.sideways;
        a.x = k.x;
        a.y = k.y;
        a.z = k.z;
        a.width = 200;
        a.height = 350;
        a.corner = 7;
        a.bend = k.wobble * R() * 2.5f;
        a.tilt = k.tilt;
        a.a1 = k.a1;
        a.a2 = k.a2;
        a.a3 = k.a3;
        a.stack = a.slot = -5;
        a.texture = k.texture;
        drawcard(a);
        a.texture = tex.back;
        a.backSide = true;
        drawcard(a);
    }
}

}  // namespace glu
