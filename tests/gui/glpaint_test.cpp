// The painter's rules that need no GL: label wrapping, the drawing order, the cursor blink.
#include "gui/glpaint.h"

#include <algorithm>

#include "guifixture.h"

namespace {

TEST(GlPaint, LabelLinesBreakAtBlanksLineEndsOrTheLimit) {
    struct Case {
        const char* text;
        int width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"kurz", 10, {"kurz"}},
        {"ein Text der umbricht", 10, {"ein Text", "der", "umbricht"}},
        {"Donaudampfschiff", 6, {"Donaud", "ampfsc", "hiff"}},
        {"eins\rzwei", 20, {"eins", "zwei"}},
        {"Poker\n Highscore", 20, {"Poker", " Highscore"}},
        {"eins\r\nzwei\r\n", 20, {"eins", "zwei", ""}},
        {"eins\n\rzwei\r\rdrei", 20, {"eins", "zwei", "", "drei"}},
        {"", 5, {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(glpaint::wrapLines(c.text, c.width), c.lines);
    }
}

TEST(GlPaint, CursorShowsFiveHundredAndHidesThreeHundredMs) {
    glpaint::Blink b;
    b.step(1000);
    b.step(1500);
    EXPECT_EQ(b.CursorBlink, 1);
    b.step(1501);
    EXPECT_EQ(b.CursorBlink, 0);
    b.step(1801);
    EXPECT_EQ(b.CursorBlink, 0);
    b.step(1802);
    EXPECT_EQ(b.CursorBlink, 1);
}

class PaintOrder : public GuiTest {};

TEST_F(PaintOrder, PlainDialogsFirstThenExclusiveThenTheFirstPanelOnTop) {
    const int excl = dialogAt(100, 100, 200, 100);
    const int plain = app->CreateCustomDialog(10, 10, 100, 100, false, "", 1, 0, "", 1.0f);
    app->ShowDialog(plain);
    app->ShowDialog(app->FirstPanel);
    app->CallDialog(excl);
    frames(25);
    const std::vector<int> order = glpaint::paintOrder(*app);
    auto pos = [&](int d) { return std::find(order.begin(), order.end(), d) - order.begin(); };
    ASSERT_NE(pos(excl), static_cast<long>(order.size()));
    ASSERT_NE(pos(plain), static_cast<long>(order.size()));
    EXPECT_LT(pos(plain), pos(excl));
    EXPECT_EQ(order.back(), app->FirstPanel);
    // A hidden dialog is still drawn while it fades out, then no more.
    app->HideDialog(plain);
    host.frameMs = 100;
    frames(1);
    const std::vector<int> fading = glpaint::paintOrder(*app);
    EXPECT_NE(std::find(fading.begin(), fading.end(), plain), fading.end());
    frames(5);
    const std::vector<int> after = glpaint::paintOrder(*app);
    EXPECT_EQ(std::find(after.begin(), after.end(), plain), after.end());
}

TEST(GlPaint, GridShowsTheFinalRowOnAFooterLineWhenScrolledOutOfSight) {
    using C = glpaint::GridCell;
    pvl::TPVLElement el{};
    el.ListOption = 2;
    el.VisibleLines = 2;
    el.Height = 50;
    el.LineCount = 10;  // title row 1-2, rows 3-4, 5-6, 7-8, final row 9-10
    EXPECT_EQ(glpaint::gridCells(el), (std::vector<C>{{1, 0, -19},
                                                      {2, 0, -19},
                                                      {3, 1, 8},
                                                      {4, 1, 8},
                                                      {5, 2, 32},
                                                      {6, 2, 32},
                                                      {9, 4, 53},
                                                      {10, 4, 53}}));
    // One row down: rows 3-4 slide under the title row; 7-8 come into sight.
    el.TopIndex = 1;
    EXPECT_EQ(glpaint::gridCells(el), (std::vector<C>{{1, 0, -19},
                                                      {2, 0, -19},
                                                      {5, 1, 8},
                                                      {6, 1, 8},
                                                      {7, 2, 32},
                                                      {8, 2, 32},
                                                      {9, 3, 53},
                                                      {10, 3, 53}}));
    // Scrolled two rows, the final row is an ordinary row again.
    el.TopIndex = 2;
    EXPECT_EQ(glpaint::gridCells(el),
              (std::vector<C>{{1, 0, -19}, {2, 0, -19}, {7, 1, 8}, {8, 1, 8}, {9, 2, 32}, {10, 2, 32}}));
    // Everything fits: no footer.
    el.TopIndex = 0;
    el.LineCount = 5;
    EXPECT_EQ(glpaint::gridCells(el),
              (std::vector<C>{{1, 0, -19}, {2, 0, -19}, {3, 1, 8}, {4, 1, 8}, {5, 2, 32}}));
    // Only a title row.
    el.LineCount = 1;
    EXPECT_EQ(glpaint::gridCells(el), (std::vector<C>{{1, 0, -19}}));
}

}  // namespace
