// Start-up and shut-down of the form: the first-start graphics test and its presets, the outer
// frame loop, the logged shut-down and the last-resort error handler.
#include <cmath>
#include <cstdio>
#include <exception>

#include "gui/glstate.h"
#include "gui/pvl.h"
#include "platform/fileio.h"
#include "platform/msgsink.h"
#include "platform/text.h"

namespace pvl {

bool memoryClass(int mb, int cls) {
    struct Range {
        int lo, hi;
    };
    static constexpr Range ranges[] = {{56, 72},   {112, 144},  {224, 288},
                                       {448, 576}, {824, 1224}, {1536, 2560}};
    // The larger classes leave out the smallest ranges.
    const int first = cls >= 256 ? 2 : cls >= 128 ? 1 : 0;
    for (int i = first; i < 6; ++i)
        if (mb >= ranges[i].lo && mb <= ranges[i].hi) return true;
    return false;
}

GraphicsPreset choosePreset(int f640, int fs, int f800, int p, bool class128, bool class256) {
    GraphicsPreset r;
    if (fs >= 150 - p || class256) {
        r = {32, true, 4, fs >= 180 ? 5 : 4, 2};
    } else if (fs >= 100 - p) {
        r = {32, true, class128 ? 4 : 3, 4, fs >= 130 ? 2 : 1};
    } else if (fs >= 50 - p) {
        r = {32, true, 2, 3, 1};
    } else if (f800 >= 160 - p) {
        r = {32, false, class128 ? 4 : 3, 4, 1};
    } else if (f800 >= 80 - p) {
        r = {32, false, 2, 3, 1};
    } else if (f640 >= 90 - p) {
        r = {16, false, 2, 4, 1};
    } else if (f640 >= 30) {
        r = {16, false, 2, 2, 1};
    } else {
        r = {16, false, 2, 1, 1};
    }
    return r;
}

int TPVLApplication::modeIndex(int width, int height, int bits) const {
    for (size_t i = 0; i < DisplayModes.size(); ++i) {
        const DisplayMode& m = DisplayModes[i];
        if (m.width == width && m.height == height && m.bits == bits) return static_cast<int>(i) + 1;
    }
    return 0;
}

void TPVLApplication::listResolutions(const std::vector<DisplayMode>& modes) {
    DisplayModes = modes;
    if (!validElement(GraphicsDialog, Lib.resolutions)) return;
    DelStrings(GraphicsDialog, Lib.resolutions, true);
    for (const DisplayMode& m : modes) {
        if (m.height <= 0) continue;
        const double r = static_cast<double>(m.width) / m.height;
        char buf[48];
        if (std::fabs(r - 1.6) < 0.01)
            std::snprintf(buf, sizeof buf, "%d x %d (16:10)", m.width, m.height);
        else if (std::fabs(r - 16.0 / 9.0) < 0.01)
            std::snprintf(buf, sizeof buf, "%d x %d (16:9)", m.width, m.height);
        else
            std::snprintf(buf, sizeof buf, "%d x %d", m.width, m.height);
        AddString(Lib.resolutions, buf, 0);
    }
}

void TPVLApplication::checkEffects(int bits) {
    const int e =
        validElement(GraphicsDialog, Lib.effects) ? dlg(GraphicsDialog).el(Lib.effects).TopIndex : 1;
    if (bits >= 32) {
        Options.ReflectionOn = (e == 2 || e == 4 || e == 5) ? 1 : 0;
        Options.ShadowsOn = (e == 3 || e == 4 || e == 5) ? 1 : 0;
        EffectsBlocked = 0;
    } else {
        Options.ReflectionOn = 0;
        Options.ShadowsOn = 0;
        EffectsBlocked = 1;
    }
}

void TPVLApplication::doCompatibilityChecks() {
    // The blur pass needs an off-screen buffer; without one the depth of field stays off.
    if (!Hooks.auxBuffers) {
        BlurOn = 0;  // no GL at all (headless)
        return;
    }
    BlurOn = Hooks.auxBuffers() > 0 ? 1 : 0;
    if (!BlurOn) wrp2("INFO: no off-screen buffer, depth of field off");
}

void TPVLApplication::graphicsTest(bool showCounts) {
    TestStart = 1;  // arms the frame-rate test of the first frames
    event(peWindowInit, -17);
    int bits = Hooks.initWindow ? Hooks.initWindow(640, 480) : 32;
    event(peWindowInit, -17);
    if (bits < 16) return;

    const int mb = Hooks.videoMemory ? Hooks.videoMemory() : 0;
    const bool c64 = memoryClass(mb, 64), c128 = memoryClass(mb, 128), c256 = memoryClass(mb, 256);
    int f640 = 0, fs = 0, f800 = 0, fh = 0;
    bool skip = false;
    auto anyOf = [&](std::initializer_list<DisplayMode> list) {
        for (const DisplayMode& m : list)
            if (modeIndex(m.width, m.height, m.bits)) return true;
        return false;
    };
    if (c256) {
        fs = 200;
    } else if (c128) {
        fs = 120;
    } else if (c64) {
        fs = 60;
    }
    if (c64 && anyOf({{800, 600, 32}, {800, 600, 16}, {640, 480, 16}})) skip = true;

    if (!skip) {
        fs = 0;
        // Frames drawn in ms milliseconds of the program's test scene.
        auto render = [&](int arg, uint32_t ms) {
            int n = 0;
            const uint32_t t0 = ticks::now();
            while (ticks::elapsed(t0, ticks::now()) < ms && AppState != 3) {
                event(peGraphicsTest, arg);
                Host.present();
                ++n;
            }
            return n;
        };
        auto settle = [&] {
            const uint32_t t0 = ticks::now();
            while (ticks::elapsed(t0, ticks::now()) < 200) {
                const uint32_t before = ticks::now();
                Host.waitMessage();
                if (ticks::now() == before) break;  // a clock that stands still (tests)
            }
        };
        auto mode = [&](int w, int h, int b) { return !Hooks.testMode || Hooks.testMode(w, h, b); };
        try {
            if (modeIndex(640, 480, 16) && mode(640, 480, 16)) {
                event(peWindowInit, -17);
                settle();
                f640 = render(1, 1000);
                mode(0, 0, 0);
            }
            if (modeIndex(800, 600, 32) && mode(800, 600, 32)) {
                event(peWindowInit, -17);
                settle();
                fs = render(2, 1000);
                f800 = render(1, 1000);
                if (fs > 1) fh = render(3, 1000);
            }
        } catch (const std::exception&) {
            f640 = fs = f800 = 0;
        }
    }
    int p = 0;
    if (fh >= 40)
        fs = 200;
    else if (c128 && fh >= 28)
        fs = 200;
    else if (c64 && fh >= 16)
        fs = 120;
    else
        p = c128 ? 16 : c64 ? 8 : 0;
    if (f640 <= 1 && fs > 1 && f800 > 1) f640 = fs + f800 + fh;

    event(peAfterTest, -18);
    if (Hooks.testMode) Hooks.testMode(0, 0, 0);
    if (showCounts) {
        std::string m = "640x480x16:" + text::fromInt(f640) + "\n\r800x600x32(shadow):" + text::fromInt(fs) +
                        "\n\r800x600x32:" + text::fromInt(f800) +
                        "\n\r800x600x32(shadowHIGH):" + text::fromInt(fh) +
                        "\n\rVideoMemory:" + text::fromInt(mb) + " (" + text::fromInt(p) + ")";
        msgbox(m, "", 0, "", 0, false);
    }

    const GraphicsPreset pr = choosePreset(f640, fs, f800, p, c128, c256);
    pvlhost::Point screen = Host.screen();
    int w = 640, h = 480;
    if (pr.resolutionClass == 4)
        w = screen.x, h = screen.y;
    else if (pr.resolutionClass == 3)
        w = 1024, h = 768;
    else if (pr.resolutionClass == 2)
        w = 800, h = 600;
    int idx = modeIndex(w, h, pr.bits);
    if (!idx) idx = modeIndex(640, 480, 16);
    if (!idx) idx = modeIndex(800, 600, 32);
    if (!idx) idx = modeIndex(640, 480, 32);
    const int gd = GraphicsDialog;
    if (!validDialog(gd)) return;
    SetBoolean(gd, Lib.windowed, idx == 0);
    SetBoolean(gd, Lib.full, idx != 0);
    if (idx) {
        SetSelIndex(gd, Lib.resolutions, idx);
        SetTopIndex(gd, Lib.resolutions, idx - 1);
        SetTopIndex(gd, Lib.effects, pr.effects ? 4 : 1);
        SetTopIndex(gd, Lib.texture, 2);
        SetTopIndex(gd, Lib.geometry, pr.geometry);
        SetTopIndex(gd, Lib.effectsDetail, pr.effectsDetail);
    }
    PVLOptionFromDialog(true);
}

void TPVLApplication::paintgoon(const std::vector<std::string>& args) {
    if (AppState != 0) return;
    Options.ShowFps = 0;
    for (uint8_t& f : Options.RenderFlags) f = 0;
    TestStart = -1;
    const std::string marker = GetCaption(SettingsDialog, Lib.marker, false);
    const char a1 = !args.empty() && args[0].size() >= 2 ? args[0][1] : '\0';
    int bits = 32;
    if (a1 == '1' || a1 == '9' || marker == "first") {
        graphicsTest(a1 == '9');
    } else if (a1 == '2' || a1 == '3') {
        const int gd = GraphicsDialog;
        SetBoolean(gd, Lib.windowed, true);
        SetBoolean(gd, Lib.full, false);
        const bool wide = Host.screen().x >= 800;
        SetSelIndex(gd, Lib.resolutions, wide ? 5 : 3);
        SetTopIndex(gd, Lib.resolutions, wide ? 4 : 2);
        if (a1 == '3') {
            SetTopIndex(gd, Lib.effects, 1);
            SetTopIndex(gd, Lib.texture, 2);
            SetTopIndex(gd, Lib.geometry, 3);
            SetTopIndex(gd, Lib.effectsDetail, 1);
        }
        PVLOptionFromDialog(true);
    }
    if (AppState == 3) return;
    if (SavedPaint) SavedPaint();
    event(pePreStart, -7);
    if (Hooks.initWindow) bits = Hooks.initWindow(640, 480);
    if (bits < 16) {
        msgsink::show(text::w("Fehler: Bitte Desktop Farbtiefe auf mindestens 16 Bit einstellen."));
        AppState = 3;
        return;
    }
    checkEffects(bits);
    Startup();
    doCompatibilityChecks();
    while (AppState != 3) {
        // No exception crosses a frame: the last resort logs it and closes.
        try {
            Mainloop(false);
        } catch (const std::exception& e) {
            pException(e.what());
        } catch (...) {
            pException("Unbekannter Fehler");
        }
    }
    if (Options.FullScreen && Hooks.leaveFullScreen) Hooks.leaveFullScreen();
}

void TPVLApplication::appendfile(const std::filesystem::path& file, std::string_view line) {
    std::string old;
    std::error_code ec;
    if (std::filesystem::exists(file, ec) && !fileio::readAll(file, old)) return;  // never lose the old log
    old.append(line);
    old.append("\r\n");
    fileio::writeAll(file, old);
}

void TPVLApplication::pException(std::string_view message) {
    const std::filesystem::path file = AppDir / "errors.txt";
    std::string log;
    std::error_code ec;
    if (std::filesystem::exists(file, ec) && !fileio::readAll(file, log)) log.clear();
    log += "\r\n";
    log += message;
    fileio::writeAll(file, log);
    if (!Quiet) msgsink::error(std::string(message));
    closeme();
}

void TPVLApplication::Destroy() {
    if (Destroyed) return;
    Destroyed = 1;
    wrp2(">DESTROY_CALLUNIT1");
    EventHandled = 0;
    event(peDestroy, -5);
    wrp2(">OK");
    wrp2(">DESTROY_SAVEINC");
    savelibrary();
    wrp2(">OK");
    msgsink::setHandler(nullptr);  // no dialogs left to show a message in
    wrp2(">DESTROY_FINALIZE_DIALOGS");
    DialogList.Dialogs.resize(1);
    DialogList.Count = 0;
    DialogList.KeyDialog = 0;
    CurrentDialog = 0;
    wrp2(">OK");
    wrp2(">DESTROY_FINALIZE_SCON");
    Scon.Slots.assign(1, 0);
    Scon.SlotCount = 1;
    wrp2(">OK1");
    Scon.Pool.assign(1, std::string());
    Scon.PoolCount = 0;
    wrp2(">OK2");
    wrp2(">OK");
    wrp2(">DESTROY_FINALIZE_TEXLIST");
    glstate::State& g = glstate::gl();
    g.Names.assign(1, std::string());
    wrp2(">OK1");
    g.Ids.assign(1, 0);
    g.Count = 0;
    wrp2(">OK2");
    wrp2(">OK");
    wrp2(">DESTROY_FINALIZE_RESOLUTIONS");
    DisplayModes.clear();
    wrp2(">OK");
    wrp2(">DESTROY_FULLSCR_FREE");
    if (Hooks.freeFullScreen) Hooks.freeFullScreen();
    wrp2(">OK");
    wrp2(">DESTROY_DONEOGL");
    if (Hooks.doneGL) Hooks.doneGL();
    wrp2(">OK");
    wrp2(">OK_INHERITED");
}

}  // namespace pvl
