#include "table/kamera.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/cg.h"
#include "gui/glstate.h"
#include "table/glu.h"
#include "table/render.h"
#include "table/tischhooks.h"

namespace glu {

int32_t fieldOfView = 47;
int32_t kameraModus = 0;
float kameraWinkel = 0;
bool pickingFlag = false;
char pickText[64] = {};

namespace {

bool is16x9() { return glstate::gl().AspectFlags[1] != 0; }
bool is16x10() {
    const auto& g = glstate::gl();
    return g.AspectFlags[2] != 0 || (g.ViewWidth == 1024 && g.ViewHeight == 600);
}

}  // namespace

float zoomoffset() { return is16x9() ? -2.0f : is16x10() ? -1.0f : 0.0f; }
float zoomfactor() { return is16x9() ? 1.16f : is16x10() ? 1.08f : 1.0f; }
float blackjackzoom(uint8_t flag) {
    if (cg.spielId != 9) return 1.0f;
    return flag ? 1.16f * 1.04f : 1.16f;
}

double safeaspect(int width, int height) {
    if (width <= 0 || height <= 0) return 4.0 / 3.0;
    return static_cast<double>(width) / height;
}

void perspective(float fovy, float aspect, float znear, float zfar) {
    gluPerspective(static_cast<double>(fovy), static_cast<double>(aspect), static_cast<double>(znear),
                   static_cast<double>(zfar));
}

namespace {
float viewAspect() {
    const double a = glstate::gl().ViewAspect;
    return static_cast<float>(a > 0 && std::isfinite(a) ? a : 4.0 / 3.0);
}
}  // namespace

void setprojection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    perspective(fieldOfView * 0.75f, viewAspect(), 1.0f, 50.0f);
    glMatrixMode(GL_MODELVIEW);
}

void setcamera() {
    glLoadIdentity();
    if (kameraModus == 1 || kameraModus == 2) {
        // the view turns about a pivot on the tilted table plane
        if (kameraModus == 2) glTranslatef(0, 0, -3.0f);
        glTranslatef(0, 0.12f, 0);
        glRotatef(-55, 1, 0, 0);
        glTranslatef(0, 2.4f, 0.2f);
        glTranslatef(-1.62f, 3.15f, -2.57f);
        glTranslatef(1.68f, -2.1f, 0);
        glRotatef(kameraWinkel, 0, 0, 1);
        glTranslatef(-1.68f, 2.1f, 0);
        glTranslatef(1.62f, -3.15f, 2.57f);
        glTranslatef(0, -2.4f, -0.2f);
        glRotatef(55, 1, 0, 0);
        glTranslatef(0, -0.12f, 0);
    } else if (kameraModus == 3) {
        glRotatef(kameraWinkel, 0, 0, 1);
    }
}

void rotatebymatrix(const double m[16], double out[3], float x, float y, float z) {
    for (int r = 0; r < 3; ++r) out[r] = m[r] * x + m[4 + r] * y + m[8 + r] * z;
}

bool invertmatrix3(const double m[16], double out[9]) {
    // a(r, c) of the column-major 4 x 4
    const auto a = [&](int r, int c) { return m[c * 4 + r]; };
    const double c00 = a(1, 1) * a(2, 2) - a(1, 2) * a(2, 1);
    const double c01 = a(1, 2) * a(2, 0) - a(1, 0) * a(2, 2);
    const double c02 = a(1, 0) * a(2, 1) - a(1, 1) * a(2, 0);
    const double det = a(0, 0) * c00 + a(0, 1) * c01 + a(0, 2) * c02;
    if (det == 0 || !std::isfinite(det)) {
        for (int i = 0; i < 9; ++i) out[i] = (i % 4 == 0) ? 1.0 : 0.0;
        return false;
    }
    double inv[3][3];  // inv[r][c]
    inv[0][0] = c00;
    inv[1][0] = c01;
    inv[2][0] = c02;
    inv[0][1] = a(0, 2) * a(2, 1) - a(0, 1) * a(2, 2);
    inv[1][1] = a(0, 0) * a(2, 2) - a(0, 2) * a(2, 0);
    inv[2][1] = a(0, 1) * a(2, 0) - a(0, 0) * a(2, 1);
    inv[0][2] = a(0, 1) * a(1, 2) - a(0, 2) * a(1, 1);
    inv[1][2] = a(0, 2) * a(1, 0) - a(0, 0) * a(1, 2);
    inv[2][2] = a(0, 0) * a(1, 1) - a(0, 1) * a(1, 0);
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r) out[c * 3 + r] = inv[r][c] / det;
    return true;
}

bool pickallowed() {
    const int akt = cg.aktSpieler;
    if (akt >= 1 && akt <= 20 && cg.stapelListen[akt].computer != 0) return false;
    if (tischhooks::schale().tischModus != 1) return false;
    // the first three answer bytes of the decision: pile click, card play, the third kind
    return cg.entscheidung.stapelKlick != 0 || cg.entscheidung.kartenSpiel != 0 ||
           cg.entscheidung.inBenutzung != 0;
}

void pickobject(int x, int y) {
    pickingFlag = true;
    if (pickallowed()) {
        GLint vp[4];
        glGetIntegerv(GL_VIEWPORT, vp);
        static GLuint buffer[100];
        std::memset(buffer, 0, sizeof(buffer));
        glSelectBuffer(100, buffer);
        glRenderMode(GL_SELECT);
        clearcolor(0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        GLint pv[4] = {vp[0], 0, vp[2], vp[3]};
        gluPickMatrix(x, vp[3] - y, 1.0, 1.0, pv);
        perspective(fieldOfView * 0.75f, viewAspect(), 1.0f, 50.0f);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glInitNames();
        glPushName(0);
        drawwithreflection(1, false);
        glLoadName(0);
        const int hits = glRenderMode(GL_RENDER);
        const int best = pickdecode(buffer, 100, hits);
        std::snprintf(pickText, sizeof(pickText), "%d hits, name %d", hits, best);
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    perspective(fieldOfView * 0.75f, viewAspect(), 1.0f, 50.0f);
    glMatrixMode(GL_MODELVIEW);
    pickingFlag = false;
}

}  // namespace glu
