#include "gui/glwin.h"

#include <gtest/gtest.h>

using glwin::Mode;

TEST(GlWin, ModeListKeepsUsableDistinctModes) {
    const std::vector<Mode> raw = {{640, 480, 8}, {800, 600, 16}, {800, 600, 16}, {5000, 3000, 32}};
    EXPECT_EQ(glwin::filterModes(raw), (std::vector<Mode>{{800, 600, 16}}));
    const std::vector<Mode> more = {{1024, 768, 32},  {511, 400, 32}, {1024, 768, 32},
                                    {1280, 1024, 24}, {0, 0, 32},     {1024, 768, 16}};
    EXPECT_EQ(glwin::filterModes(more), (std::vector<Mode>{{1024, 768, 32}, {1024, 768, 16}}));
    glwin::TFullScreen fs;
    fs.Modes = glwin::filterModes(more);
    EXPECT_EQ(fs.IndexOf(1024, 768, 16), 1);
    EXPECT_EQ(fs.IndexOf(1, 1, 1), 0);
    EXPECT_TRUE(fs.Contains(glwin::TFullScreen::MakeMode(1024, 768, 32)));
    EXPECT_FALSE(fs.Switch({640, 480, 32}, false));  // not in the list: no change
    EXPECT_EQ(fs.Active, 0);
}

TEST(GlWin, ViewAspectByShape) {
    struct Case {
        uint8_t flags[5];
        int w, h;
        double aspect;
    };
    const Case cases[] = {
        {{0, 0, 0, 1, 0}, 1280, 1024, 4.0 / 3.0}, {{0, 0, 0, 0, 1}, 1024, 600, 1024.0 / 600},
        {{0, 0, 0, 0, 1}, 2560, 1080, 1.85},      {{0, 1, 0, 0, 0}, 1920, 1080, 1920.0 / 1080},
        {{0, 0, 1, 0, 0}, 1680, 1050, 1.6},       {{1, 0, 0, 0, 0}, 800, 600, 4.0 / 3.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        EXPECT_DOUBLE_EQ(glwin::viewAspect(c.flags, c.w, c.h), c.aspect);
    }
}

TEST(GlWin, ChecksizeStepsDownAndStopsAtTheSmallestMode) {
    const std::vector<Mode> modes = {{640, 480, 32}, {800, 600, 32}, {1024, 768, 32}, {1280, 1024, 32}};
    int left = 100, top = 50, index = 3;
    EXPECT_EQ(glwin::checksize(1024, left, top, 800, modes, index), 768);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(top, 0);
    // Moving to the corner is enough.
    left = 10, top = 100, index = 1;
    EXPECT_EQ(glwin::checksize(600, left, top, 650, modes, index), 600);
    EXPECT_EQ(index, 1);
    // Even the smallest mode is too tall: stop at index 0 instead of looping.
    left = top = 0, index = 2;
    EXPECT_EQ(glwin::checksize(768, left, top, 300, modes, index), 480);
    EXPECT_EQ(index, 0);
}

TEST(GlWin, ViewportPlanByShape) {
    struct Case {
        uint8_t flags[5];
        int w, h, screenH;
        bool normal;
        double aspect;
        int viewW, glW, glH;
    };
    const Case cases[] = {
        {{0, 0, 0, 1, 0}, 1280, 1024, 1024, false, 4.0 / 3.0, 1280, 1280, 1024},  // 5:4 full screen
        {{0, 0, 0, 1, 0}, 1280, 1024, 1024, true, 4.0 / 3.0, 1365, 1280, 1024},
        {{0, 0, 0, 0, 1}, 1024, 600, 768, true, 1024.0 / 600, 1024, 1024, 600},
        {{1, 0, 0, 0, 0}, 800, 900, 768, true, 4.0 / 3.0, 1024, 1024, 768},  // held to the screen
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        const auto p = glwin::planViewport(c.w, c.h, c.screenH, c.flags, c.normal);
        EXPECT_DOUBLE_EQ(p.aspect, c.aspect);
        EXPECT_EQ(p.viewWidth, c.viewW);
        EXPECT_EQ(p.glWidth, c.glW);
        EXPECT_EQ(p.glHeight, c.glH);
    }
}
