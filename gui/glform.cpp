#include "gui/glform.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <type_traits>
#include <vector>

#include "gui/glpaint.h"
#include "gui/glstate.h"
#include "gui/gltex.h"
#include "gui/gltext.h"
#include "platform/fileio.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/sdl/window.h"
#include "platform/text.h"

namespace glform {

namespace {

int rnd(double v) { return static_cast<int>(num::round(v)); }

struct Dof {
    GLuint tex = 0;
    int width = 0, height = 0;
    bool probed = false, fboOk = false;
    GLuint fbo = 0, color = 0, depth = 0;
    int fboW = 0, fboH = 0;
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC framebufferTexture2D = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
};
Dof dof;

void lastViewport(int& w, int& h) {
    int cw = 0, ch = 0;
    window::clientSize(cw, ch);
    w = std::max(1, cw);
    h = std::max(1, ch);
}

// Every new context loses the buffers of the old one.
void forgetContextObjects() {
    dof.tex = 0;
    dof.fbo = dof.color = dof.depth = 0;
    dof.fboW = dof.fboH = 0;
    dof.probed = false;
    dof.fboOk = false;
}

void viewportHook(pvl::TPVLApplication& app) {
    int w = 0, h = 0;
    lastViewport(w, h);
    glwin::viewport(0, 0, w, h, app.ViewAspect);
    createBufferTexture(w, h);
}

std::vector<pvl::DisplayMode> modesOf(const glwin::TFullScreen& fs) {
    std::vector<pvl::DisplayMode> out;
    for (const auto& m : fs.Modes) out.push_back({m.width, m.height, m.bits});
    return out;
}

}  // namespace

Display& display() {
    static Display d;
    return d;
}

void install(pvl::TPVLApplication& app, sdlhost::SdlHost& host, const std::filesystem::path& texturePath) {
    host.attach(&app);
    Display& ds = display();
    ds.TexturePath = texturePath;
    ds.FullScreen.Create();
    app.listResolutions(modesOf(ds.FullScreen));

    auto& g = glstate::gl();
    g.turn = [&app] { glpaint::drehen(app); };
    g.pump = [&host] { host.processMessages(); };
    g.present = [] { window::swap(); };
    g.event = [&app](int code) { app.event(code, code); };
    g.fatal = [&app](const std::string& m) {
        msgsink::show(m);
        app.AppState = 3;
    };
    app.Hooks.beginFrame = [&app] { glpaint::beginFrame(app); };
    app.Hooks.paintDialogs = [&app] { glpaint::DialogPaint(app); };
    app.Hooks.wireFrame = [&app] { glpaint::wireFrame(app); };
    app.Hooks.viewport = [&app] { viewportHook(app); };
    app.Hooks.charwidth = [](std::string_view t) { return gltext::charwidth(t); };
    app.Hooks.initWindow = [&app](int w, int h) { return InitWindow(app, w, h); };
    app.Hooks.leaveFullScreen = [&app] { nofu(app); };
    app.Hooks.freeFullScreen = [] { display().FullScreen.Destroy(); };
    app.Hooks.doneGL = [] {
        window::deleteContext();
        forgetContextObjects();
    };
    app.Hooks.videoMemory = [] { return window::videoMemoryMb(); };
    app.Hooks.testMode = [&app](int w, int h, int bits) {
        Display& d = display();
        if (w == 0) {
            d.FullScreen.Restore();
            window::setWindowed();
            return true;
        }
        if (!d.FullScreen.Switch(glwin::TFullScreen::MakeMode(w, h, bits), true)) return false;
        glwin::viewport(0, 0, w, h, app.ViewAspect);
        return true;
    };
    app.Hooks.auxBuffers = [] { return auxAvailable() ? 1 : 0; };
    app.Hooks.windowMode = [&app] { norms(app); };
    app.Hooks.rebuildContext = [&app] {
        int cw = 0, ch = 0;
        window::clientSize(cw, ch);
        if (SetupGL(app, cw, ch) == 0) return;
        const std::filesystem::path dir = fileio::local(app.Options.TexturePath.str());
        gltex::LoadText(std::filesystem::exists(dir / "border.bmp") ? dir : display().TexturePath);
        app.ResizeViewport(cw, ch);
    };
    app.Hooks.changeDisplay = [&app] {
        Display& d = display();
        if (app.Options.FullScreen) {
            fulls(app, -1, true);
        } else {
            // Leaving full screen makes a new context, which needs the textures again.
            const bool wasFull = d.FullScreen.Active != 0;
            norms(app);
            if (wasFull) gltex::LoadText(d.TexturePath);
        }
        int cw = 0, ch = 0;
        window::clientSize(cw, ch);
        app.ResizeViewport(cw, ch);
    };
}

int SetupGL(pvl::TPVLApplication& app, int width, int height) {
    if (!window::createContext()) {
        msgsink::show(text::w("Fehler: OpenGL nicht verfügbar (") + text::fromUtf8(window::lastError()) +
                      ")");
        return 0;
    }
    forgetContextObjects();
    gltex::newContext();
    glwin::setupState();
    glwin::viewport(0, 0, width, height, app.ViewAspect);
    glwin::setupView();
    createBufferTexture(width, height);
    return window::colorBits();
}

int InitWindow(pvl::TPVLApplication& app, int width, int height) {
    Display& ds = display();
    ds.NoDisplayChange = 0;
    if (!window::isOpen()) {
        if (!window::open(text::toUtf8(app.ExeName), 0, 0, width, height)) {
            msgsink::show(text::w("Fehler: Fenster nicht geöffnet (") + text::fromUtf8(window::lastError()) +
                          ")");
            return 0;
        }
        window::show();
    }
    int bits = 0;
    if (app.Options.FullScreen) {
        if (!fulls(app, -1, true)) return 0;
        bits = window::colorBits();
    } else {
        bits = SetupGL(app, width, height);
        if (bits == 0) return 0;
        norms(app);
    }
    if (!ds.NoDisplayChange) {
        std::filesystem::path dir = fileio::local(app.Options.TexturePath.str());
        gltex::LoadText(std::filesystem::exists(dir / "border.bmp") ? dir : ds.TexturePath);
        int cw = 0, ch = 0;
        window::clientSize(cw, ch);
        app.ResizeViewport(cw, ch);
    }
    return bits;
}

void norms(pvl::TPVLApplication& app) {
    Display& ds = display();
    app.PVLOptionFromDialog(true);
    int w = app.Options.WindowWidth, h = app.Options.WindowHeight;
    if (w <= 0) w = 640;
    if (h < 200) h = 480;
    int ux = 0, uy = 0, uw = 0, uh = 0;
    window::usableArea(ux, uy, uw, uh);
    if (uw > 0 && w > uw) {
        const double shape = static_cast<double>(w) / h;
        w = uw;
        h = rnd(w / shape);
    }
    pvlhost::Rect r = app.Host.window();
    const pvlhost::Point screen = app.Host.screen();
    if (r.left + w > screen.x) r.left = 0;
    if (ds.FullScreen.Active) {
        ds.FullScreen.Restore();
        window::setWindowed();
        ds.FullScreenActive = 0;
        window::setBounds(r.left, r.top, w, h);
        SetupGL(app, w, h);
    }
    int res = ds.FullScreen.IndexOf(w, h, 32) - 1;
    h = glwin::checksize(h, r.left, r.top, screen.y, ds.FullScreen.Modes, res);
    app.ViewWidth = w;
    app.ViewHeight = h;
    if (app.AppState != 3) app.AppState = 1;
    app.Host.setWindow({r.left, r.top, w, h});
    if (app.AppState != 3) app.AppState = 2;
    app.FormResize(w, h);
    // The form ignores a size it already has; the viewport must still follow a new context.
    int cw = 0, ch = 0;
    window::clientSize(cw, ch);
    app.ResizeViewport(cw, ch);
    setbuttons(app);
}

bool fulls(pvl::TPVLApplication& app, int mode, bool revertOnFailure) {
    Display& ds = display();
    app.PVLOptionFromDialog(true);
    if (mode == -1) mode = app.dlg(app.GraphicsDialog).el(app.Lib.resolutions).SelIndex;
    if (app.AppState != 3) app.AppState = 1;
    if (mode < 1 || mode > ds.FullScreen.Count) mode = ds.FullScreen.Count > 0 ? 1 : 0;
    bool ok = false;
    std::string why;
    if (mode >= 1) {
        const glwin::Mode m = ds.FullScreen.Modes[static_cast<size_t>(mode - 1)];
        if (ds.FullScreen.Active) ds.FullScreen.Restore();
        window::setBounds(0, 0, m.width, m.height);
        ok = ds.FullScreen.Switch(m, true);
        char buf[80];
        std::snprintf(buf, sizeof buf, "Could not change screen resolution to %d x %d", m.width, m.height);
        if (!ok) why = buf;
    } else {
        why = "no display modes";
    }
    ds.FullScreenActive = ok ? 1 : 0;
    int cw = 0, ch = 0;
    window::clientSize(cw, ch);
    const int bits = SetupGL(app, cw, ch);
    if (!ok && revertOnFailure) {
        const int gd = app.GraphicsDialog;
        app.SetBoolean(gd, app.Lib.full, false);
        app.SetBoolean(gd, app.Lib.windowed, true);
        app.SetSelIndex(gd, app.Lib.resolutions, 4);
        app.Options.FullScreen = 0;
        app.SetCaption(app.SettingsDialog, app.Lib.winWidth, "640");
        app.SetCaption(app.SettingsDialog, app.Lib.winHeight, "480");
        app.savelibrary();
        msgsink::show(
            text::w("Beim Einstellen einer neuer Auflösung ist ein Fehler aufgetreten.\r Fehlermeldung: ") +
            why + text::w(" Fehlernr.:0\rDie Bildschirmauflösung wird auf den Standard zurückgesetzt."));
        app.AppState = 3;
        return false;
    }
    if (revertOnFailure && !ds.NoDisplayChange) {
        gltex::LoadText(ds.TexturePath);
        window::showCursor(true);
        if (app.AppState != 3) app.AppState = 2;
        setbuttons(app);
    }
    return ok && bits > 0;
}

void nofu(pvl::TPVLApplication& app) {
    Display& ds = display();
    app.AppState = 2;
    if (ds.FullScreen.Active) {
        ds.FullScreen.Restore();
        window::setWindowed();
    }
    ds.FullScreenActive = 0;
    app.AppState = 3;
}

void setbuttons(pvl::TPVLApplication& app) {
    const int p = app.TopPanel;
    if (app.validElement(p, 3)) app.SetVisible(p, 3, !display().FullScreen.Active);
    if (app.validElement(p, 4)) app.SetVisible(p, 4, false);
}

// ---------------------------------------------------------------- depth of field

bool createBufferTexture(int width, int height) {
    if (width <= 0 || height <= 0) return false;
    if (dof.tex > 0) glDeleteTextures(1, &dof.tex);
    std::vector<uint8_t> buffer(static_cast<size_t>(width) * height * 3);
    dof.tex = gltex::freshName();
    glBindTexture(GL_TEXTURE_2D, dof.tex);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, buffer.data());
    dof.width = width;
    dof.height = height;
    return true;
}

int BufferTexture() { return static_cast<int>(dof.tex); }

bool auxAvailable() {
    if (dof.probed) return dof.fboOk;
    dof.probed = true;
    auto load = [](auto& fn, const char* name) {
        fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(window::proc(name));
        return fn != nullptr;
    };
    dof.fboOk = load(dof.genFramebuffers, "glGenFramebuffers") &&
                load(dof.deleteFramebuffers, "glDeleteFramebuffers") &&
                load(dof.bindFramebuffer, "glBindFramebuffer") &&
                load(dof.framebufferTexture2D, "glFramebufferTexture2D") &&
                load(dof.genRenderbuffers, "glGenRenderbuffers") &&
                load(dof.deleteRenderbuffers, "glDeleteRenderbuffers") &&
                load(dof.bindRenderbuffer, "glBindRenderbuffer") &&
                load(dof.renderbufferStorage, "glRenderbufferStorage") &&
                load(dof.framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
                load(dof.checkFramebufferStatus, "glCheckFramebufferStatus");
    return dof.fboOk;
}

bool beginAux() {
    if (!window::hasContext() || !auxAvailable()) return false;
    int w = 0, h = 0;
    lastViewport(w, h);
    if (dof.fbo == 0 || dof.fboW != w || dof.fboH != h) {
        if (dof.fbo) {
            dof.deleteFramebuffers(1, &dof.fbo);
            dof.deleteRenderbuffers(1, &dof.depth);
            glDeleteTextures(1, &dof.color);
        }
        dof.genFramebuffers(1, &dof.fbo);
        dof.bindFramebuffer(GL_FRAMEBUFFER, dof.fbo);
        dof.color = gltex::freshName();
        glBindTexture(GL_TEXTURE_2D, dof.color);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, w, h, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
        dof.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, dof.color, 0);
        dof.genRenderbuffers(1, &dof.depth);
        dof.bindRenderbuffer(GL_RENDERBUFFER, dof.depth);
        dof.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, w, h);
        dof.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, dof.depth);
        dof.fboW = w;
        dof.fboH = h;
        if (dof.checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
            dof.bindFramebuffer(GL_FRAMEBUFFER, 0);
            dof.fboOk = false;
            return false;
        }
    }
    dof.bindFramebuffer(GL_FRAMEBUFFER, dof.fbo);
    return true;
}

void endAux() {
    if (dof.fboOk && dof.bindFramebuffer) dof.bindFramebuffer(GL_FRAMEBUFFER, 0);
}

bool renderDOF(pvl::TPVLApplication& app, bool fromAux) {
    if (dof.tex == 0) return false;
    if (fromAux && (!dof.fboOk || dof.fbo == 0)) return false;
    int w = 0, h = 0;
    lastViewport(w, h);
    w = std::min(w, dof.width);
    h = std::min(h, dof.height);
    auto copy = [&] {
        glBindTexture(GL_TEXTURE_2D, dof.tex);
        if (fromAux) {
            dof.bindFramebuffer(GL_READ_FRAMEBUFFER, dof.fbo);
            glReadBuffer(GL_COLOR_ATTACHMENT0);
        } else {
            glReadBuffer(GL_BACK);
        }
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, w, h);
        if (fromAux) {
            dof.bindFramebuffer(GL_READ_FRAMEBUFFER, 0);
            glReadBuffer(GL_BACK);
        }
    };
    copy();
    const int n = fromAux ? 18 : 24;
    const float factor = fromAux ? 1.8f : 2.6f;
    bool drawn = false;
    const bool wide = app.Is16x9() || app.Is16x10() || app.IsFree();
    for (int i = 1; i <= n; ++i) {
        if (fromAux && i <= 2) continue;
        if (!fromAux && i > 1 && i % 3 == 0) copy();
        const float t = static_cast<float>(i) / n;
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_BLEND);
        const float a = fromAux ? 3.0f / n * factor : 0.3f * (0.05f * i / n + factor / n) * factor;
        glColor4f(1, 1, 1, a);
        glDisable(GL_LIGHTING);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, dof.tex);
        glDepthMask(GL_FALSE);
        if (fromAux) {
            glDisable(GL_DEPTH_TEST);
            glBlendFunc(GL_ZERO, GL_SRC_COLOR);
        } else {
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        }
        glTranslatef(-0.44f, -3.6f, 0);
        glTranslatef(0, 2.4f, 0);
        glTranslatef(-1.62f, 3.15f, -2.57f);
        float x0 = -0.006f * 4.62f - 1.1f, y0 = 0.02f + 0.42f;
        float qw = 4.62f * 1.382f, qh = -3.625f * 1.318f, z = -4.97f;
        if (wide) {
            const float grown = qw * app.Options.Aspect / 4 * 3;
            x0 -= (grown - qw) / 2;
            qw = grown;
        }
        const float ang = t * 2 * 3.14159f * 5;
        if (!fromAux) {
            const float s = 1.9f - 1.5f * t;
            z = -4.97f * (1 + s);
            x0 -= qw * s / 2;
            y0 -= qh * s / 2;
            qw *= 1 + s;
            qh *= 1 + s;
            const float r = 0.005f + 0.008f * factor * t;
            x0 += r * std::cos(ang);
            y0 += r * std::sin(ang);
        } else {
            x0 += 0.005f * 0.65f * (factor + 2.4f * t) * std::cos(ang);
            y0 += 0.005f * 1.15f * (factor + 2.4f * t) * std::sin(ang);
        }
        glBegin(GL_TRIANGLE_FAN);
        glTexCoord2f(0.5f, 0.5f);
        glVertex3f(x0 + qw / 2, y0 + qh / 2, z);
        glTexCoord2f(0, 1);
        glVertex3f(x0, y0, z);
        glTexCoord2f(0, 0);
        glVertex3f(x0, y0 + qh, z);
        glTexCoord2f(1, 0);
        glVertex3f(x0 + qw, y0 + qh, z);
        glTexCoord2f(1, 1);
        glVertex3f(x0 + qw, y0, z);
        glTexCoord2f(0, 1);
        glVertex3f(x0, y0, z);
        glEnd();
        glDepthMask(GL_TRUE);
        glEnable(GL_DEPTH_TEST);
        drawn = true;
    }
    glDisable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    return drawn;
}

}  // namespace glform
