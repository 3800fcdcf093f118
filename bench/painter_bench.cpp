// One frame of the dialog painter under Xvfb with Mesa's software renderer, with the library's
// largest dialog open over a cleared screen. Reports ns per frame.
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "gui/glform.h"
#include "gui/glpaint.h"
#include "gui/pvl.h"
#include "gui/sdlhost.h"
#include "platform/msgsink.h"
#include "platform/sdl/window.h"
#include "tools/pavlune/pavlune.h"

namespace {

constexpr int W = 800, H = 600;

struct Form {
    sdlhost::SdlHost host;
    std::unique_ptr<pvl::TPVLApplication> app;
    std::filesystem::path dir;
    std::string why;
    bool ready = false;
};

Form& form() {
    static Form f;
    static bool tried = false;
    if (tried) return f;
    tried = true;
    if (!window::init()) {
        f.why = "no display: " + window::lastError();
        return f;
    }
    f.dir = std::filesystem::temp_directory_path() / ("ks_painter_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(f.dir);
    if (!pavlune::writeAll(f.dir / "pavlune")) {
        f.why = "could not draw the library images";
        return f;
    }
    f.app = std::make_unique<pvl::TPVLApplication>(f.host, f.dir);
    glform::install(*f.app, f.host, f.dir / "pavlune");
    f.app->Options.WindowWidth = W;
    f.app->Options.WindowHeight = H;
    if (f.app->Hooks.initWindow(W, H) < 16) {
        f.why = "no GL context: " + window::lastError();
        return f;
    }
    f.app->Startup();
    // The dialog with the most elements.
    int largest = 1;
    for (int d = 1; d <= f.app->DialogList.Count; ++d)
        if (f.app->dlg(d).ElementCount > f.app->dlg(largest).ElementCount) largest = d;
    f.app->CallDialog(largest);
    f.app->DialogBlendCheck();
    f.ready = true;
    return f;
}

void BM_PainterFrame(benchmark::State& state) {
    msgsink::Capture quiet;
    Form& f = form();
    if (!f.ready) {
        state.SkipWithError(f.why.c_str());
        return;
    }
    for (auto _ : state) {
        glpaint::beginFrame(*f.app);
        glpaint::DialogPaint(*f.app);
        glFinish();
    }
    state.counters["elements"] = f.app->dlg(f.app->CurrentDialog).ElementCount;
}
BENCHMARK(BM_PainterFrame)->Unit(benchmark::kNanosecond);

}  // namespace
