#include <set>
#include <string>

#include "guifixture.h"
#include "platform/text.h"

using namespace pvl;

namespace {

class Input : public GuiTest {
protected:
    // An exclusive dialog at (100, 100), 400 x 300, shown on top.
    int top() {
        int d = dialogAt(100, 100, 400, 300);
        app->ShowDialog(d);
        return d;
    }
    int clicks(int d, int e) const { return count(d, e); }
};

TEST_F(Input, PressRegistersOnlyAfterAHoverFrame) {
    int d = top();
    int b = app->CreateCustomObject(ekButton, 50, 50, "!B", 140, 36, 0.0f, 1.0f);
    hover(10, 10);
    // The pointer arrives and presses in the same instant: no frame saw it over the button.
    EXPECT_TRUE(app->Coords(160, 160, 2, true, false, false));
    EXPECT_EQ(count(peElementDown, b), 0);
    app->Coords(160, 160, 0, true, false, false);
    EXPECT_EQ(clicks(d, b), 0);
    hover(160, 160);
    EXPECT_EQ(el(d, b).MouseState, 1);
    press();
    EXPECT_EQ(count(peElementDown, b), 1);
    EXPECT_EQ(el(d, b).MouseState, 2);
    release();
    EXPECT_EQ(clicks(d, b), 1);
    EXPECT_EQ(count(peFormMouseDown, -3), 1);
}

TEST_F(Input, ClicksCountAtTheirOwnPositionsHoweverManyAFrameHolds) {
    // The pointer rested elsewhere in the last frame; the window then reports press and release
    // events at their own positions, all before the next frame: each click reaches its button.
    int d = top();
    int a = app->CreateCustomObject(ekButton, 0, 0, "!A", 100, 30, 0.0f, 1.0f);
    int b = app->CreateCustomObject(ekButton, 200, 0, "!B", 100, 30, 0.0f, 1.0f);
    hover(400, 380);
    host.post([&] {
        app->FormMouseDown(150, 110);
        app->FormMouseUp(150, 110);
        app->FormMouseDown(350, 110);
        app->FormMouseUp(350, 110);
        app->FormMouseDown(150, 110);
        app->FormMouseUp(150, 110);
    });
    frames();
    std::vector<int> order;
    for (auto [code, arg] : events)
        if (code == d) order.push_back(arg);
    EXPECT_EQ(order, (std::vector<int>{a, b, a}));
    EXPECT_EQ(count(peElementDown, a), 2);
    EXPECT_EQ(count(peElementDown, b), 1);
}

TEST_F(Input, PressRightAfterAMoveClicksAndReleaseElsewhereDoesNot) {
    int d = top();
    int a = app->CreateCustomObject(ekButton, 0, 0, "!A", 100, 30, 0.0f, 1.0f);
    hover(400, 380);
    app->FormMouseDown(150, 110);
    EXPECT_EQ(el(d, a).MouseState, 2);
    app->FormMouseUp(150, 110);
    EXPECT_EQ(clicks(d, a), 1);
    app->FormMouseDown(150, 110);
    app->FormMouseUp(400, 380);  // dragged off before letting go
    EXPECT_EQ(clicks(d, a), 1);
}

TEST_F(Input, APressOnAnyShownElementIsOverTheGuiGreyedOrNot) {
    int d = top();
    int a = app->CreateCustomObject(ekButton, 0, 0, "!A", 100, 30, 0.0f, 1.0f);
    int b = app->CreateCustomObject(ekButton, 200, 0, "!B", 100, 30, 0.0f, 1.0f);
    app->SetEnabled(d, b, false);
    app->CreateCustomObject(ekButton, 0, 100, "!C", 100, 30, 0.0f, 1.0f);
    app->SetVisible(d, 3, false);
    struct Case {
        int x, y;
        bool over;
    };
    const Case cases[] = {{150, 110, true}, {350, 110, true}, {150, 210, false}, {450, 300, false}};
    hover(10, 10);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        int gui = -1;
        app->OnEvent = [&](int code, int arg) {
            events.emplace_back(code, arg);
            if (code == peFormMouseDown) gui = app->OverGui;
        };
        app->FormMouseDown(c.x, c.y);
        app->FormMouseUp(c.x, c.y);
        EXPECT_EQ(gui, c.over ? 1 : 0);
    }
    EXPECT_EQ(clicks(d, a), 1);
    EXPECT_EQ(clicks(d, b), 0);  // greyed: no click, but nothing beneath got the press either
}

TEST_F(Input, OverlappingButtonsBothClickInIdOrder) {
    int d = top();
    int a = app->CreateCustomObject(ekButton, 50, 50, "!A", 140, 36, 0.0f, 1.0f);
    int b = app->CreateCustomObject(ekButton, 100, 60, "!B", 140, 36, 0.0f, 1.0f);
    clickAt(210, 170);
    std::vector<int> order;
    for (auto [code, arg] : events)
        if (code == d) order.push_back(arg);
    EXPECT_EQ(order, (std::vector<int>{a, b}));
}

TEST_F(Input, PressOnOneReleaseOnAnotherClicksNothing) {
    int d = top();
    int a = app->CreateCustomObject(ekButton, 0, 0, "!A", 100, 30, 0.0f, 1.0f);
    int b = app->CreateCustomObject(ekButton, 200, 0, "!B", 100, 30, 0.0f, 1.0f);
    hover(110, 110);
    press();
    hover(310, 110);
    frames();
    release();
    EXPECT_EQ(clicks(d, a) + clicks(d, b), 0);
}

TEST_F(Input, ElementsBeforeTheFirstHitGetAMouseOut) {
    std::vector<int> ds;
    for (int i = 0; i < 3; ++i) {
        ds.push_back(app->CreateCustomDialog(10 + 200 * i, 300, 150, 100, false, "", 0, 0, "", 1.0f));
        app->CreateCustomObject(ekButton, 0, 0, "!a", 50, 20, 0.0f, 1.0f);
        app->CreateCustomObject(ekButton, 60, 0, "!b", 50, 20, 0.0f, 1.0f);
        app->CreateCustomObject(ekButton, 0, 40, "!c", 50, 20, 0.0f, 1.0f);
        app->VsbDialog(ds.back(), 1);
    }
    std::set<std::pair<int, int>> outs;
    app->OutCall = [&](int d, int e) { outs.insert({d, e}); };
    hover(410 + 70, 305);  // element 2 of the third dialog
    for (int d : {ds[0], ds[1]})
        for (int e = 1; e <= 3; ++e) EXPECT_TRUE(outs.count({d, e})) << d << "." << e;
    EXPECT_TRUE(outs.count({ds[2], 1}));
    EXPECT_FALSE(outs.count({ds[2], 2}));
    EXPECT_FALSE(outs.count({ds[2], 3}));
}

TEST_F(Input, ListScrollsOneLinePerArrowClickAndTheBarFollows) {
    int d = top();
    int l = app->CreateObject(ekList, 10, 10, "");
    for (int i = 1; i <= 10; ++i) app->AddString(l, "Zeile " + std::to_string(i), 0);
    const int down = el(d, l).child(2), bar = el(d, l).child(3);
    ASSERT_EQ(el(d, l).VisibleLines, 5);
    el(d, bar).AnimValue = 6;  // the painter's thumb for 5 of 10 lines: (70 - 58) x 5 / 10
    struct Step {
        int listTop, barTop;
    };
    const Step steps[] = {{1, 13}, {2, 26}, {3, 38}, {4, 51}, {5, 64}, {5, 64}};
    clickAt(100 + 10 + 200 + 5, 100 + 10 + 128 - 27 + 5);  // the down arrow, by mouse
    for (size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        if (i > 0) app->CreateClickEvent(d, down);
        EXPECT_EQ(el(d, l).TopIndex, steps[i].listTop);
        EXPECT_EQ(el(d, bar).TopIndex, steps[i].barTop);
        EXPECT_EQ(el(d, bar).AnimValue, 6);
    }
}

TEST_F(Input, WheelOverAListArrowMovesTheBarTenPixelsPerNotch) {
    int d = top();
    int l = app->CreateObject(ekList, 10, 10, "");
    for (int i = 1; i <= 10; ++i) app->AddString(l, "z", 0);
    const int up = el(d, l).child(1), bar = el(d, l).child(3);
    el(d, bar).AnimValue = 6;
    hover(100 + 10 + 200 + 5, 100 + 12 + 5);
    ASSERT_EQ(el(d, up).MouseState, 1);
    app->FormMouseWheel(-120);
    EXPECT_EQ(el(d, bar).TopIndex, 10);
    EXPECT_EQ(el(d, l).TopIndex, 1);  // round(10 / 64 x 5)
    app->FormMouseWheel(-120);
    EXPECT_EQ(el(d, bar).TopIndex, 20);
    app->FormMouseWheel(120);
    EXPECT_EQ(el(d, bar).TopIndex, 10);
}

TEST_F(Input, ListClickSelectsTheLineUnderThePointer) {
    int d = top();
    int l = app->CreateObject(ekList, 10, 10, "");
    for (const char* s : {"eins", "zwei", "drei"}) app->AddString(l, s, 0);
    clickAt(100 + 10 + 20, 100 + 10 + 24 + 10);  // second line
    EXPECT_EQ(el(d, l).SelIndex, 2);
    EXPECT_EQ(el(d, l).Caption.str(), "zwei");
    clickAt(100 + 10 + 20, 100 + 10 + 100);  // below the last line: selection stays
    EXPECT_EQ(el(d, l).SelIndex, 2);
}

TEST_F(Input, ChooserArrowsClampAndItsTextWraps) {
    int d = top();
    int c = app->CreateObject(ekChooser, 10, 10, "");
    for (const char* s : {"Aus", "Mittel", "An"}) app->AddString(c, s, 0);
    app->SetTopIndex(d, c, 1);
    const int left = el(d, c).child(1), right = el(d, c).child(2), text = el(d, c).child(4);
    struct Step {
        int element, top;
        const char* caption;
    };
    const Step steps[] = {{right, 2, "Mittel"}, {right, 3, "An"}, {right, 3, "An"}, {text, 1, "Aus"},
                          {text, 2, "Mittel"},  {left, 1, "Aus"}, {left, 1, "Aus"}, {text, 2, "Mittel"}};
    for (const auto& s : steps) {
        app->CreateClickEvent(d, s.element);
        EXPECT_EQ(el(d, c).TopIndex, s.top);
        EXPECT_EQ(el(d, c).Caption.str(), s.caption);
    }
}

TEST_F(Input, ChooserGuardsTheirDivisions) {
    int d = top();
    int c = app->CreateObject(ekChooser, 10, 10, "");
    app->AddString(c, "nur eine", 0);
    app->SetTopIndex(d, c, 1);
    const int right = el(d, c).child(2), bar = el(d, c).child(3);
    app->CreateClickEvent(d, right);  // LineCount - 1 is 0
    EXPECT_EQ(el(d, c).TopIndex, 1);
    EXPECT_EQ(el(d, bar).TopIndex, 0);
    el(d, bar).AnimValue = el(d, bar).Width;  // the thumb fills the bar: no travel
    el(d, bar).PointerPos = 50;
    app->CreateMouseDragEvent(d, bar);
    EXPECT_EQ(el(d, bar).TopIndex, 0);
    EXPECT_EQ(el(d, c).TopIndex, 1);
    el(d, bar).AnimValue = 20;  // with travel the bar picks the line
    el(d, bar).PointerPos = 20 + el(d, bar).Width;
    app->CreateMouseDragEvent(d, bar);
    EXPECT_EQ(el(d, c).TopIndex, 1);
}

TEST_F(Input, EnterHeldDownClicksOnce) {
    int d = top();
    int b = app->CreateObject(ekButton, 10, 10, "!OK");
    app->kbcJumpTo(d, b);
    app->KbdFocusOn = 1;
    for (int i = 0; i < 3; ++i) app->KeyDown(vk::Return);
    EXPECT_EQ(clicks(d, b), 1);
    app->KeyUp(vk::Return);
    app->KeyDown(vk::Return);
    EXPECT_EQ(clicks(d, b), 2);
    EXPECT_EQ(count(peKey, vk::Return), 4);
    // Enter that closes its dialog takes the focus with it; the release still ends the hold.
    app->KbdFocusOn = 0;  // as after Enter closed a called dialog
    app->KeyUp(vk::Return);
    EXPECT_EQ(app->EnterHeld, 0);
}

TEST_F(Input, TabMovesInPositionOrder) {
    int d = top();
    int c = app->CreateObject(ekButton, 200, 50, "!c");
    int a = app->CreateObject(ekButton, 10, 10, "!a");
    int lbl = app->CreateObject(ekLabel, 10, 30, "label");
    int b = app->CreateObject(ekButton, 10, 50, "!b");
    (void)lbl;
    app->kbcJumpTo(d, a);
    std::vector<int> seen;
    for (int i = 0; i < 3; ++i) {
        app->kbcActivateNext(kbcTab);
        seen.push_back(app->KbdFocusDialog == d ? app->KbdFocusElement : -app->KbdFocusDialog);
    }
    EXPECT_EQ(seen[0], b);
    EXPECT_EQ(seen[1], c);
    app->kbcJumpTo(d, c);
    app->kbcActivateNext(kbcUp);
    EXPECT_EQ(app->KbdFocusElement, b);
}

TEST_F(Input, FocusSearchEndsWhenNothingCanTakeIt) {
    int d = top();
    app->CreateObject(ekLabel, 10, 10, "nur Text");
    app->VsbDialog(app->TopPanel, 0);
    app->KbdFocusDialog = d;
    app->KbdFocusElement = 1;
    app->KbdFocusOn = 1;
    app->kbcActivateNext(kbcTab);
    EXPECT_EQ(app->KbdFocusOn, 0);
    app->kbcJumpTo(d, 1);
    EXPECT_EQ(app->KbdFocusOn, 0);
}

class Typing : public Input {};

TEST_F(Typing, KeysByInputMode) {
    int d = top();
    struct Case {
        int mode;
        std::vector<int> keys;
        bool shift;
        std::string want;
    };
    const std::string sz = text::w("§ß");
    const Case cases[] = {
        {0, {'H', 'A', 'L', 'L', 'O'}, false, "hallo"},
        {0, {'H', 'A', 'L', 'L', 'O'}, true, "HALLO"},
        {0, {vk::Numpad0 + 1, vk::Numpad0 + 2}, false, "12"},  // the number pad types digits
        {0, {106, 107, 111}, false, ""},                       // number pad operators
        {0, {'J', 'K', 'O'}, false, "jko"},                    // the letters of the same codes
        {0, {vk::OemMinus}, false, "-"},
        {0, {vk::OemMinus}, true, "_"},
        {0, {'1'}, true, "!"},
        {0, {vk::OemPeriod}, false, ""},
        {3, {'3', vk::Oem4}, true, "\xA7?"},
        {3, {vk::Oem4, vk::Oem102}, false, "\xDF<"},
        {3, {vk::Oem7}, false, "\xE4"},
        {3, {vk::Oem7}, true, "\xC4"},
        {1, {'A', '5', vk::Numpad0 + 7}, false, "57"},
        {2, {vk::Space, '0'}, false, "0"},
        {5, {'5'}, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " -> " << c.want);
        int f = app->CreateCustomObject(ekEdit, 10, 10, "", 200, c.mode, 0.0f, 1.0f);
        app->CreateMouseDownEvent(d, f);
        if (c.shift) host.press(vk::Shift);
        for (int k : c.keys) app->KeyDown(k);
        host.release(vk::Shift);
        EXPECT_EQ(app->GetCaption(d, f, false), c.want);
        EXPECT_EQ(el(d, f).SelIndex, static_cast<int>(c.want.size()));
    }
}

TEST_F(Typing, EditingKeysAndMaximumLength) {
    int d = top();
    int f = app->CreateCustomObject(ekEdit, 10, 10, "", 200, 1, 4.0f, 1.0f);
    app->CreateMouseDownEvent(d, f);
    for (int k : {'1', '2', '3', '4', '5', '6'}) app->KeyDown(k);
    EXPECT_EQ(app->GetCaption(d, f, false), "1234");  // full at 4
    app->KeyDown(vk::Back);
    EXPECT_EQ(app->GetCaption(d, f, false), "123");
    app->KeyDown(vk::Home);
    app->KeyDown(vk::Delete);
    EXPECT_EQ(app->GetCaption(d, f, false), "23");
    app->KeyDown(vk::Right);
    app->KeyDown('9');
    EXPECT_EQ(app->GetCaption(d, f, false), "293");
    app->KeyDown(vk::End);
    EXPECT_EQ(el(d, f).SelIndex, 3);
    app->KeyDown(vk::Left);
    app->KeyDown(vk::Back);
    EXPECT_EQ(app->GetCaption(d, f, false), "23");
}

TEST_F(Typing, NumericFieldLeftEmptyReadsOne) {
    int d = top();
    int f = app->CreateCustomObject(ekEdit, 10, 10, "", 200, 1, 0.0f, 1.0f);
    int b = app->CreateObject(ekButton, 10, 100, "!B");
    app->CreateMouseDownEvent(d, f);
    app->CreateMouseDownEvent(d, b);
    EXPECT_EQ(app->GetCaption(d, f, false), "1");
}

TEST_F(Typing, TypedKeysKeepsTheLastThreeAndFpsToggles) {
    top();
    for (int k : {'X', 'Y', 'F', 'P', 'S'}) app->KeyDown(k);
    EXPECT_EQ(app->TypedKeys, "FPS");
    EXPECT_EQ(app->Options.ShowFps, 1);
    EXPECT_TRUE(el(app->TopPanel, app->FpsLabel).Visible);
    for (int i = 0; i < 1000; ++i) app->KeyDown('A');
    EXPECT_EQ(app->TypedKeys.size(), 3u);
    for (int k : {'F', 'P', 'S'}) app->KeyDown(k);
    EXPECT_EQ(app->Options.ShowFps, 0);
}

TEST_F(Input, RotationWrapsBothWaysAndNeedsARate) {
    struct Case {
        float fps, start;
        int speed;
        float want;
        uint8_t freeze = 0;
    };
    const Case cases[] = {
        {100.0f, 175.0f, 1000, -180.0f},   // above 180
        {100.0f, -175.0f, -1000, 180.0f},  // below -180: wraps, does not stick at -180
        {100.0f, 0.0f, 500, 5.0f},        {0.0f, 10.0f, 1000, 10.0f},  // no rate measured yet
        {100.0f, 10.0f, 1000, 10.0f, 1},                               // frozen
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        app->Fps = c.fps;
        app->RotSpeed[0] = c.speed;
        app->RotAngle[0] = c.start;
        app->Freeze = c.freeze;
        app->Coords(0, 0, 1, true, true, false);
        EXPECT_FLOAT_EQ(app->RotAngle[0], c.want);
    }
}

TEST_F(Input, NoViewportMeansNoHit) {
    int d = top();
    app->CreateCustomObject(ekButton, 0, 0, "!B", 100, 30, 0.0f, 1.0f);
    app->ViewWidth = 0;
    app->ViewHeight = 0;
    EXPECT_FALSE(app->Coords(110, 110, 1, true, false, false));
    EXPECT_EQ(el(d, 1).MouseState, 0);
}

TEST_F(Input, HintFollowsThePointer) {
    int d = top();
    int b = app->CreateCustomObject(ekButton, 0, 0, "!A", 100, 30, 0.0f, 1.0f);
    app->CreateCustomObject(ekButton, 200, 0, "!B", 100, 30, 0.0f, 1.0f);
    const std::string hint = "Startet das Spiel mit den gewählten Regeln";
    app->SetHint(d, b, hint);
    app->HintsOn = 1;
    hover(110, 110);
    EXPECT_TRUE(app->dlg(app->HintDialog).Visible);
    EXPECT_EQ(app->GetCaption(app->HintDialog, app->HintLabel, false), hint);
    frames(3);  // resting on it keeps the hint
    EXPECT_TRUE(app->dlg(app->HintDialog).Visible);
    hover(310, 110);
    EXPECT_FALSE(app->dlg(app->HintDialog).Visible);
    EXPECT_EQ(app->HintShown, 0);
}

TEST_F(Input, RadioButtonsOfOneParent) {
    int d = top();
    int box = app->CreateObject(ekContainer, 0, 0, "");
    int r1 = app->CreateObject(ekCheckBox, 10, 10, "eins");
    int r2 = app->CreateObject(ekCheckBox, 10, 40, "zwei");
    int under = app->CreateObject(ekButton, 30, 70, "!x");
    app->AddChild(box, r1);
    app->AddChild(box, r2);
    app->AddChild(r2, under);
    app->CreateClickEvent(d, r1);
    EXPECT_TRUE(app->isChecked(d, r1));
    EXPECT_FALSE(app->isChecked(d, r2));
    EXPECT_FALSE(app->isEnabled(d, under));
    app->CreateClickEvent(d, r2);
    EXPECT_FALSE(app->isChecked(d, r1));
    EXPECT_TRUE(app->isChecked(d, r2));
    EXPECT_TRUE(app->isEnabled(d, under));
}

}  // namespace
