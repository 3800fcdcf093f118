#include "gui/glwin.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

#include "platform/num.h"

namespace glwin {

std::vector<Mode> filterModes(std::vector<Mode> modes) {
    std::vector<Mode> out;
    for (const Mode& m : modes) {
        if (m.width == 0 || m.width > 4000 || m.width < 512) continue;
        if (m.bits != 16 && m.bits != 32) continue;
        if (!out.empty() && out.back() == m) continue;
        out.push_back(m);
    }
    return out;
}

void TFullScreen::Create() {
    Active = 0;
    Modes = filterModes(window::displayModes());
    Count = static_cast<int32_t>(Modes.size());
}

bool TFullScreen::Switch(const Mode& m, bool hideCursor) {
    if (!Contains(m)) {
        window::beep();
        return false;
    }
    if (!window::setFullscreen(m)) {
        Active = 0;
        return false;
    }
    Active = 1;
    if (hideCursor) window::showCursor(false);
    return true;
}

void TFullScreen::Restore() {
    if (!Active) return;
    window::setWindowed();
    window::showCursor(true);
    Active = 0;
}

int TFullScreen::IndexOf(int width, int height, int bits) const {
    for (int i = 0; i < static_cast<int>(Modes.size()); ++i)
        if (Modes[i] == Mode{width, height, bits}) return i;
    return 0;
}

bool TFullScreen::Contains(const Mode& m) const {
    return std::find(Modes.begin(), Modes.end(), m) != Modes.end();
}

double viewAspect(const uint8_t flags[5], int width, int height) {
    if (height <= 0) return 4.0 / 3.0;
    const double ratio = static_cast<double>(width) / height;
    if (flags[4]) return std::clamp(ratio, 1.33, 1.85);
    if (flags[1]) return ratio;
    if (flags[2]) return 1.6;
    return 4.0 / 3.0;
}

ViewportPlan planViewport(int width, int height, int screenHeight, const uint8_t flags[5], bool normalState) {
    ViewportPlan p;
    height = std::min(height, screenHeight);
    p.aspect = viewAspect(flags, width, height);
    if (normalState) width = num::round(height * p.aspect);
    p.viewWidth = width;
    p.viewHeight = height;
    if (flags[3]) width = num::round(height * 5.0 / 4.0);
    p.glWidth = width;
    p.glHeight = height;
    return p;
}

int checksize(int h, int& left, int& top, int screenHeight, const std::vector<Mode>& modes, int& resIndex) {
    while (top + h > screenHeight) {
        left = top = 0;
        if (top + h <= screenHeight) break;
        if (resIndex <= 0 || modes.empty()) break;
        resIndex = std::min(resIndex - 1, static_cast<int>(modes.size()) - 1);
        h = modes[resIndex].height;
    }
    return h;
}

float Light0[5][4] = {
    {0.6f, 3.2f, 15.0f, 1.0f}, {0.85f, 0.85f, 0.85f, 0.85f}, {0.85f, 0.85f, 0.85f, 0.85f},
    {0.2f, 0.2f, 0.2f, 0.2f},  {0.0f, -0.15f, -1.0f, 0.0f},
};
float Light1[5][4] = {
    {0.6f, 3.2f, 15.0f, 1.0f},   {0, 0, 0, 0}, {0, 0, 0, 0}, {0.2f, 0.2f, 0.2f, 0.2f},
    {0.0f, -0.15f, -1.0f, 0.0f},
};

namespace {

void light(GLenum l, float (&t)[5][4]) {
    glLightfv(l, GL_POSITION, t[0]);
    glLightfv(l, GL_DIFFUSE, t[1]);
    glLightfv(l, GL_SPECULAR, t[2]);
    glLightfv(l, GL_AMBIENT, t[3]);
    glLightfv(l, GL_SPOT_DIRECTION, t[4]);
    glLightf(l, GL_SPOT_EXPONENT, 128);
    glLightf(l, GL_SPOT_CUTOFF, 60);
}

}  // namespace

void Gamelight() {
    light(GL_LIGHT0, Light0);
    light(GL_LIGHT1, Light1);
}

void setupState() {
    glClearColor(0, 0, 0, 1);
    glClearDepth(1.0);
    const float pos[4] = {-2, 4, 0, 1}, one[4] = {1, 1, 1, 0.5f}, amb[4] = {0.1f, 0.1f, 0.1f, 0.1f};
    glLightfv(GL_LIGHT0, GL_POSITION, pos);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, one);
    glLightfv(GL_LIGHT0, GL_SPECULAR, one);
    glLightfv(GL_LIGHT0, GL_AMBIENT, amb);
    glShadeModel(GL_SMOOTH);
    Gamelight();
    glDepthFunc(GL_LEQUAL);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_FOG);
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogf(GL_FOG_START, 12.0f);
    glFogf(GL_FOG_END, 40.0f);
}

void viewport(int x, int y, int width, int height, double aspect, int fovBase) {
    glViewport(x, y, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fovBase / 4.0 * 3.0, aspect, 1.0, 50.0);
    glMatrixMode(GL_MODELVIEW);
}

void setupView() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 50, 20, 0, 10, -30, 0, 1, 0);
}

}  // namespace glwin
