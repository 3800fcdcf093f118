// The program: the main form on its window, the start, the frame loop until it closes, the
// shut-down.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/glapp.h"
#include "gui/glform.h"
#include "gui/sdlhost.h"
#include "platform/sdl/window.h"

namespace fs = std::filesystem;

namespace {

// The program folder holds data/: the current folder, else the folder above the program's
// own (the build folder beside the data).
fs::path programmOrdner(const char* argv0) {
    std::error_code ec;
    if (fs::is_directory(fs::current_path(ec) / "data" / "pavlune", ec)) return fs::current_path(ec);
    const fs::path exe = fs::weakly_canonical(fs::path(argv0), ec).parent_path();
    for (fs::path p = exe; !p.empty(); p = p.parent_path()) {
        if (fs::is_directory(p / "data" / "pavlune", ec)) return p;
        if (p == p.parent_path()) break;
    }
    return fs::current_path(ec);
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path ordner = programmOrdner(argc > 0 ? argv[0] : "kartenspiele");
    std::error_code ec;
    fs::current_path(ordner, ec);
    if (!fs::is_directory(ordner / "data" / "pavlune", ec)) {
        std::fprintf(stderr, "Kartenspiele: Der Ordner data fehlt (%s). Bitte ./run.sh aufrufen.\n",
                     ordner.string().c_str());
        return 1;
    }
    if (!window::init()) {
        std::fprintf(stderr, "Kartenspiele: Kein Bildschirm: %s\n", window::lastError().c_str());
        return 1;
    }
    const std::vector<std::string> args(argv + 1, argv + argc);
    {
        sdlhost::SdlHost host;
        // The application title is the window caption.
        glapp::Tglapp app(host, ordner, "Kartenspiele");
        host.attach(&app);
        glform::install(app, host, ordner / "data" / "pavlune");
        app.FormCreate();
        app.paintgoon(args);
        app.Destroy();
        host.attach(nullptr);
        glapp::glapp = nullptr;
    }
    window::shutdown();
    return 0;
}
