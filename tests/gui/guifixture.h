// A library on the fake host: a fresh program folder per test, every event recorded, the
// viewport 807 x 607 so that window pixels are virtual units.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gui/pvl.h"
#include "gui/pvlhost.h"
#include "platform/msgsink.h"

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              (std::string("ks_gui_") + info->test_suite_name() + "_" + info->name() + "_" +
               std::to_string(getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        app = std::make_unique<pvl::TPVLApplication>(host, dir);
        app->OnEvent = [this](int code, int arg) {
            events.emplace_back(code, arg);
            // A modal wait that nobody answers would run for ever: end it and fail.
            if (code == pvl::peFrame && ++frameCount == 20000) {
                ADD_FAILURE() << "modal wait never answered";
                app->AppState = 3;
            }
        };
        if (live) app->Startup();
        app->ViewWidth = 807;
        app->ViewHeight = 607;
        events.clear();
    }
    void TearDown() override {
        app.reset();
        std::filesystem::remove_all(dir);
    }

    // A program dialog shown on top, with nothing else exclusive in the way.
    int dialogAt(int x, int y, int w, int h, const char* caption = "") {
        return app->CreateCustomDialog(x, y, w, h, true, caption, 1, 0, "", 1.0f);
    }
    void frames(int n = 1) {
        for (int i = 0; i < n; ++i) app->Mainloop(false);
    }
    // Pointer to a virtual point (the window is at 0, 0), then one frame for the hover.
    void hover(int vx, int vy) {
        host.moveCursor(vx, vy);
        frames();
    }
    void press() { app->FormMouseDown(app->MouseX, app->MouseY); }
    void release() { app->FormMouseUp(app->MouseX, app->MouseY); }
    void clickAt(int vx, int vy) {
        hover(vx, vy);
        press();
        release();
    }
    int count(int code, int arg) const {
        int n = 0;
        for (const auto& e : events) n += e.first == code && e.second == arg;
        return n;
    }
    pvl::TPVLElement& el(int d, int e) { return app->dlg(d).el(e); }

    bool live = true;
    int frameCount = 0;
    msgsink::Capture capture;  // restores the message sink after the test
    std::filesystem::path dir;
    pvlhost::FakeHost host;
    std::unique_ptr<pvl::TPVLApplication> app;
    std::vector<std::pair<int, int>> events;
};
