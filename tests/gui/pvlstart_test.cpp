// Start-up order, the first-start tests, the logged shut-down and the last-resort error log.
#include <stdexcept>

#include "guifixture.h"
#include "platform/fileio.h"
#include "platform/text.h"

namespace {

class Start : public GuiTest {
protected:
    Start() { live = false; }
    std::string file(const char* name) {
        std::string s;
        fileio::readAll(dir / name, s);
        return s;
    }
    // Runs the start with a program that closes after `frames` outer frames.
    void run(int frames, std::vector<std::string> args = {"/0"}) {
        auto prev = app->OnEvent;
        int outer = 0;
        app->OnEvent = [&, prev](int code, int arg) {
            prev(code, arg);
            if (code == pvl::peFrame && arg == -2 && ++outer >= frames) app->AppState = 3;
        };
        app->paintgoon(args);
        app->OnEvent = prev;
    }
    // Answers every message box in its first modal frame; counts them.
    void answerBoxes() {
        auto prev = app->OnEvent;
        app->OnEvent = [this, prev](int code, int arg) {
            prev(code, arg);
            if (code == pvl::peFrame && arg == 0 && app->InMsgBox) {
                ++boxes;
                app->CreateClickEvent(app->MsgDialog, app->MsgButtons[2]);
            }
        };
    }
    int boxes = 0;
    std::string marker() { return app->GetCaption(app->SettingsDialog, app->Lib.marker, false); }
};

TEST_F(Start, OrderIsPreStartThenStartupThenRunning) {
    std::vector<int> order;
    int stateAtStartup = -1;
    auto prev = app->OnEvent;
    app->OnEvent = [&](int code, int arg) {
        prev(code, arg);
        if (code == pvl::pePreStart || code == pvl::peStartup) order.push_back(code);
        if (code == pvl::peStartup) stateAtStartup = app->AppState;
        if (code == pvl::peFrame) {
            order.push_back(code * 100 + app->AppState);
            app->AppState = 3;
        }
    };
    app->Hooks.initWindow = [&](int w, int h) {
        order.push_back(w * 1000 + h);
        return 32;
    };
    app->SavedPaint = [&] { order.push_back(7); };  // the form's own paint handler comes first
    app->SetCaption(app->SettingsDialog, app->Lib.marker, "second");  // no graphics test
    app->paintgoon({"/0"});
    EXPECT_EQ(order, (std::vector<int>{7, pvl::pePreStart, 640480, pvl::peStartup, pvl::peFrame * 100 + 2}));
    EXPECT_EQ(stateAtStartup, 0);
    EXPECT_EQ(app->TestStart, -1);
    // A second call (the form painted again) starts nothing.
    order.clear();
    app->paintgoon({"/0"});
    EXPECT_TRUE(order.empty());
}

TEST_F(Start, DesktopBelowSixteenBitsEndsTheStart) {
    app->Hooks.initWindow = [](int, int) { return 8; };
    app->SetCaption(app->SettingsDialog, app->Lib.marker, "second");
    app->paintgoon({"/0"});
    EXPECT_EQ(app->AppState, 3);
    EXPECT_EQ(count(pvl::peStartup, -1), 0);
    EXPECT_TRUE(capture.contains("16 Bit"));
}

TEST_F(Start, FirstStartRunsTheTestsOnceAndTheMarkerSurvivesARestart) {
    app->listResolutions({{640, 480, 16}, {800, 600, 16}, {800, 600, 32}, {1024, 768, 32}});
    app->Hooks.videoMemory = [] { return 256; };  // class 256: no timed renders
    EXPECT_EQ(marker(), "first");
    answerBoxes();
    host.frameMs = 100;  // 20 frames in 2 s: the slow-frames box
    run(40);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(count(pvl::peGraphicsTest, 1), 0);
    EXPECT_EQ(marker(), "second");
    EXPECT_EQ(app->TestStart, -1);
    // Class 256: 32 bits, effects on; the desktop size is not listed, so 640 x 480 x 16.
    const auto& gd = app->dlg(app->GraphicsDialog);
    EXPECT_EQ(gd.el(app->Lib.resolutions).SelIndex, 1);
    EXPECT_EQ(gd.el(app->Lib.full).Checked, 1);
    EXPECT_EQ(gd.el(app->Lib.effects).TopIndex, 4);
    EXPECT_EQ(gd.el(app->Lib.geometry).TopIndex, 5);

    app->Destroy();
    pvlhost::FakeHost other;
    pvl::TPVLApplication second(other, dir);
    EXPECT_EQ(second.GetCaption(second.SettingsDialog, second.Lib.marker, false), "second");
    int tests = 0;
    second.OnEvent = [&](int code, int arg) {
        if (code == pvl::peGraphicsTest) ++tests;
        if (code == pvl::peFrame && arg == -2) second.AppState = 3;
    };
    second.paintgoon({"/0"});
    EXPECT_EQ(tests, 0);
    EXPECT_EQ(second.TestStart, -1);
    second.Destroy();
}

TEST_F(Start, SlowFirstFramesWarnAndFastOnesDoNot) {
    struct Case {
        uint32_t frameMs;
        int boxes;
    };
    const Case cases[] = {{100, 1}, {50, 0}};
    answerBoxes();
    app->Startup();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frameMs);
        boxes = 0;
        app->TestStart = 1;
        host.frameMs = c.frameMs;
        for (int i = 0; i < 60 && app->TestStart != -1; ++i) app->Mainloop(false);
        EXPECT_EQ(app->TestStart, -1);
        EXPECT_EQ(boxes, c.boxes);
        EXPECT_EQ(marker(), "second");
    }
}

TEST_F(Start, TimedRendersWithoutMemoryClassSumIntoF640) {
    // 96 MB (no class), no 640 x 480 x 16: only the 800 x 600 renders run.
    app->listResolutions({{800, 600, 32}, {1024, 768, 32}});
    app->Hooks.videoMemory = [] { return 96; };
    std::vector<std::pair<int, int>> switches;
    app->Hooks.testMode = [&](int w, int h, int) {
        switches.emplace_back(w, h);
        return true;
    };
    host.frameMs = 20;  // 50 frames per second in every render
    app->graphicsTest(true);
    EXPECT_EQ(count(pvl::peGraphicsTest, 1), 50);
    EXPECT_EQ(count(pvl::peGraphicsTest, 2), 50);
    EXPECT_EQ(count(pvl::peGraphicsTest, 3), 50);
    EXPECT_EQ(switches.front(), std::make_pair(800, 600));
    EXPECT_EQ(switches.back(), std::make_pair(0, 0));
    // FH 50 >= 40 lifts FS to 200 before F640 takes the sum; then 32 bits with effects.
    EXPECT_TRUE(capture.contains("640x480x16:300\n\r800x600x32(shadow):200\n\r800x600x32:50"));
    EXPECT_EQ(app->dlg(app->GraphicsDialog).el(app->Lib.effects).TopIndex, 4);
}

TEST_F(Start, PresetsByScoreAndMemory) {
    struct Case {
        int f640, fs, f800, p;
        bool c128, c256;
        int bits, effects, res, geometry, detail;
    };
    const Case cases[] = {
        {0, 0, 0, 0, false, true, 32, 1, 4, 4, 2},    {0, 180, 0, 0, false, false, 32, 1, 4, 5, 2},
        {0, 130, 0, 0, true, false, 32, 1, 4, 4, 2},  {0, 100, 0, 0, false, false, 32, 1, 3, 4, 1},
        {0, 92, 0, 8, false, false, 32, 1, 3, 4, 1},  {0, 50, 0, 0, false, false, 32, 1, 2, 3, 1},
        {0, 0, 160, 0, false, false, 32, 0, 3, 4, 1}, {0, 0, 80, 0, false, false, 32, 0, 2, 3, 1},
        {90, 0, 0, 0, false, false, 16, 0, 2, 4, 1},  {30, 0, 0, 0, false, false, 16, 0, 2, 2, 1},
        {29, 0, 0, 16, true, false, 16, 0, 2, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.f640 << "/" << c.fs << "/" << c.f800 << " p" << c.p);
        pvl::GraphicsPreset p = pvl::choosePreset(c.f640, c.fs, c.f800, c.p, c.c128, c.c256);
        EXPECT_EQ(p.bits, c.bits);
        EXPECT_EQ(p.effects, c.effects != 0);
        EXPECT_EQ(p.resolutionClass, c.res);
        EXPECT_EQ(p.geometry, c.geometry);
        EXPECT_EQ(p.effectsDetail, c.detail);
    }
    struct Mem {
        int mb;
        bool c64, c128, c256;
    };
    const Mem mems[] = {{64, true, false, false},  {128, true, true, false}, {256, true, true, true},
                        {96, false, false, false}, {2048, true, true, true}, {3000, false, false, false}};
    for (const auto& m : mems) {
        SCOPED_TRACE(m.mb);
        EXPECT_EQ(pvl::memoryClass(m.mb, 64), m.c64);
        EXPECT_EQ(pvl::memoryClass(m.mb, 128), m.c128);
        EXPECT_EQ(pvl::memoryClass(m.mb, 256), m.c256);
    }
}

TEST_F(Start, ResolutionLinesNameTheWideShapes) {
    app->listResolutions({{640, 480, 32}, {1280, 800, 32}, {1920, 1080, 32}});
    EXPECT_EQ(app->GetLine(app->GraphicsDialog, app->Lib.resolutions, 1), "640 x 480");
    EXPECT_EQ(app->GetLine(app->GraphicsDialog, app->Lib.resolutions, 2), "1280 x 800 (16:10)");
    EXPECT_EQ(app->GetLine(app->GraphicsDialog, app->Lib.resolutions, 3), "1920 x 1080 (16:9)");
}

TEST_F(Start, ShutDownLogsEveryStepFollowedByOk) {
    int doneGl = 0, destroyEvents = 0;
    app->Hooks.doneGL = [&] { ++doneGl; };
    auto prev = app->OnEvent;
    app->OnEvent = [&](int code, int arg) {
        prev(code, arg);
        if (code == pvl::peDestroy) ++destroyEvents;
    };
    app->SetCaption(app->SettingsDialog, app->Lib.marker, "second");
    run(3);
    app->Destroy();
    app->Destroy();  // once only
    EXPECT_EQ(
        file("proto2.txt"),
        ">DESTROY_CALLUNIT1\r\n>OK\r\n>DESTROY_SAVEINC\r\n>OK\r\n>DESTROY_FINALIZE_DIALOGS\r\n>OK\r\n"
        ">DESTROY_FINALIZE_SCON\r\n>OK1\r\n>OK2\r\n>OK\r\n>DESTROY_FINALIZE_TEXLIST\r\n>OK1\r\n>OK2\r\n>"
        "OK\r\n"
        ">DESTROY_FINALIZE_RESOLUTIONS\r\n>OK\r\n>DESTROY_FULLSCR_FREE\r\n>OK\r\n>DESTROY_DONEOGL\r\n>OK\r\n"
        ">OK_INHERITED\r\n");
    EXPECT_EQ(doneGl, 1);
    EXPECT_EQ(destroyEvents, 1);
}

TEST_F(Start, EscapedExceptionIsAppendedToErrorsAndCloses) {
    fileio::writeAll(dir / "errors.txt", std::string("old line"));
    app->SetCaption(app->SettingsDialog, app->Lib.marker, "second");
    int frames = 0;
    auto prev = app->OnEvent;
    app->OnEvent = [&](int code, int arg) {
        prev(code, arg);
        if (code == pvl::peFrame && ++frames == 2) throw std::runtime_error("kaputt");
        if (frames > 10) app->AppState = 3;  // the handler must have closed long before
    };
    app->paintgoon({"/0"});
    EXPECT_EQ(frames, 2);
    EXPECT_EQ(file("errors.txt"), "old line\r\nkaputt");
    EXPECT_EQ(app->AppState, 3);
}

TEST_F(Start, CloseQueryCanRefuseTheEscapedExceptionClose) {
    app->Quiet = 1;
    app->CloseQueryCall = [] { return false; };
    app->pException("eins");
    app->pException("zwei");
    EXPECT_EQ(file("errors.txt"), "\r\neins\r\nzwei");
    EXPECT_NE(app->AppState, 3);
    EXPECT_TRUE(capture.texts().empty());
}

}  // namespace

namespace {

class Loop : public GuiTest {};

TEST_F(Loop, AModalWaitInsideAFrameReentersTheLoop) {
    const int d = dialogAt(100, 100, 300, 200);
    app->CallDialog(d);
    std::vector<int> args;
    int depth = 0, deepest = 0;
    app->OnEvent = [&](int code, int arg) {
        if (code != pvl::peFrame) return;
        args.push_back(arg);
        ++depth;
        deepest = std::max(deepest, depth);
        if (arg == -2 && args.size() == 1) {
            // The program waits for a click from inside its own frame event.
            host.post([] {});
            host.post([&] { app->WaitFlag = 0; });
            app->waitforclick();
        }
        --depth;
    };
    frames(2);
    EXPECT_EQ(deepest, 2);
    ASSERT_GE(args.size(), 4u);
    EXPECT_EQ(args.front(), -2);
    EXPECT_EQ(args[1], 0);
    EXPECT_EQ(args.back(), -2);
    EXPECT_EQ(app->WaitFlag, 0);
}

TEST_F(Loop, SuppressedPaintAndSwapLastOneFrame) {
    int paints = 0;
    app->Hooks.paintDialogs = [&] { ++paints; };
    app->NoPaint = 1;
    app->NoPresent = 1;
    frames(1);
    EXPECT_EQ(paints, 0);
    EXPECT_EQ(host.presents, 0);
    frames(1);
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(host.presents, 1);
}

TEST_F(Loop, DebugModeDrawsEveryTwoHundredthFrame) {
    int paints = 0, clears = 0;
    app->Hooks.paintDialogs = [&] { ++paints; };
    app->Hooks.beginFrame = [&] { ++clears; };
    app->Options.RenderFlags[10] = 1;
    host.frameMs = 0;  // no rate update restarts the frame counter
    frames(400);
    EXPECT_EQ(paints, 2);
    EXPECT_EQ(clears, 2);
    EXPECT_EQ(count(pvl::peFrame, -2), 400);  // the game goes on
}

TEST_F(Loop, ActiveAgainAfterMinimiseUnfreezes) {
    app->Minimized = 1;
    app->Freeze = 1;
    host.setActive(false);
    frames(3);
    EXPECT_EQ(app->Minimized, 1);
    host.setActive(true);
    frames(1);
    EXPECT_EQ(app->Minimized, 0);
    EXPECT_EQ(app->Freeze, 0);
}

TEST_F(Loop, WireFramePassFollowsEachDrawnPaintWhileItsFlagIsOn) {
    std::string trace;
    app->Hooks.paintDialogs = [&] { trace += 'p'; };
    app->Hooks.wireFrame = [&] { trace += 'w'; };
    host.frameMs = 0;
    frames(2);
    EXPECT_EQ(trace, "pp");
    trace.clear();
    app->Options.RenderFlags[pvl::dbgWireFrame - 2] = 1;
    frames(2);
    app->NoPaint = 1;  // a suppressed paint has no wire-frame either
    frames(1);
    EXPECT_EQ(trace, "pwpw");
    // A background window keeps drawing every frame while the pass is on.
    trace.clear();
    host.setActive(false);
    frames(3);
    EXPECT_EQ(trace, "pwpwpw");
    EXPECT_EQ(host.waits, 0);
    // With only every 200th frame drawn, the pass goes with those frames.
    trace.clear();
    host.setActive(true);
    app->Options.RenderFlags[pvl::dbgEvery200th - 2] = 1;
    app->FrameCount = 0;
    frames(400);
    EXPECT_EQ(trace, "pwpw");
}

TEST_F(Loop, ShiftYTogglesTheStatisticsOnlyInDeveloperMode) {
    struct Case {
        bool dev, shift;
        int key, toggles;
    };
    const Case cases[] = {
        {true, true, 'Y', 1}, {true, false, 'Y', 0}, {false, true, 'Y', 0}, {true, true, 'Z', 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dev << c.shift << static_cast<char>(c.key));
        int toggles = 0;
        app->Hooks.toggleStatistics = [&] { ++toggles; };
        app->DevMode = c.dev ? 1 : 0;
        if (c.shift) host.press(pvl::vk::Shift);
        app->KeyDown(c.key);
        host.release(pvl::vk::Shift);
        EXPECT_EQ(toggles, c.toggles);
    }
    // Without a program behind the hook the key does nothing.
    app->Hooks.toggleStatistics = nullptr;
    app->DevMode = 1;
    host.press(pvl::vk::Shift);
    app->KeyDown('Y');
    host.release(pvl::vk::Shift);
}

}  // namespace
