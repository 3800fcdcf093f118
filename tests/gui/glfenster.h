// A form on the real window under Xvfb for the GL tests of the dialog painter and the
// program's dialogs: the library images drawn into a folder of the test's own, the painter
// with a hook after it, an 800 x 600 window, and the frame read back.
#pragma once
#include <GL/gl.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

#include "gui/glform.h"
#include "gui/glpaint.h"
#include "gui/sdlhost.h"
#include "platform/image.h"
#include "platform/sdl/window.h"
#include "tools/pavlune/pavlune.h"

namespace glfenster {

constexpr int W = 800, H = 600;

// The real window, with the pointer and the focus scripted: Xvfb has neither a user nor a
// window manager.
class TestHost : public sdlhost::SdlHost {
public:
    pvlhost::Point cursor() override {
        const pvlhost::Rect r = window();
        return {r.left + px, r.top + py};
    }
    bool active() override { return true; }
    int px = 799, py = 599;
};

// Opens the window for a new form of type App in a fresh folder named after `name`; empty on
// success, else why not. `afterPaint` runs after every painting of the dialogs.
template <class App>
std::string oeffnen(const std::string& name, std::filesystem::path& dir, TestHost*& host, App*& app,
                    std::function<void()>& afterPaint) {
    if (!window::init()) return "no display: " + window::lastError();
    dir = std::filesystem::temp_directory_path() / (name + "_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    if (!pavlune::writeAll(dir / "pavlune")) return "could not draw the library images";
    host = new TestHost;
    app = new App(*host, dir, "kartenspiele");
    glform::install(*app, *host, dir / "pavlune");
    App* a = app;
    std::function<void()>* nach = &afterPaint;
    app->Hooks.paintDialogs = [a, nach] {
        glpaint::DialogPaint(*a);
        if (*nach) (*nach)();
    };
    app->Options.WindowWidth = W;
    app->Options.WindowHeight = H;
    app->SetCaption(app->SettingsDialog, app->Lib.winWidth, "800");
    app->SetCaption(app->SettingsDialog, app->Lib.winHeight, "600");
    if (app->Hooks.initWindow(W, H) < 16) return "no GL context: " + window::lastError();
    return "";
}

template <class App>
void schliessen(const std::filesystem::path& dir, TestHost*& host, App*& app) {
    if (app) {
        app->Destroy();
        delete app;
        app = nullptr;
    }
    delete host;
    host = nullptr;
    window::shutdown();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}

// The frame as drawn so far (rows bottom-up, RGB), width x height from the lower left corner.
inline image::Image grab(int width = W, int height = H) {
    image::Image img;
    img.width = width;
    img.height = height;
    img.channels = 3;
    img.pixels.resize(static_cast<size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, img.pixels.data());
    return img;
}

}  // namespace glfenster
