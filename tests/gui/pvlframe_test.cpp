#include <cstring>
#include <string>

#include "guifixture.h"
#include "platform/text.h"
#include "platform/ticks.h"

using namespace pvl;

namespace {

// ---------------------------------------------------------------- message boxes

class MsgBox : public GuiTest {
protected:
    void clickLater(int button) {
        host.post([this, button] { app->CreateClickEvent(app->MsgDialog, app->MsgButtons[button]); });
    }
    static constexpr int Yes = 0, No = 1, Ok = 2;
};

TEST_F(MsgBox, HeightsByLinesAndKind) {
    struct Case {
        std::string text;
        int kind, height, y, buttonY;
    };
    const Case cases[] = {
        {"Ein Satz.", 0, 165, 230, 115},
        {"eins\rzwei\rdrei", 0, 209, 208, 159},
        {std::string(120, 'x'), 0, 209, 208, 159},  // 53 characters to a line
        {"Ein Satz.", 1, 135, 450, 97},
        {"eins\rzwei", 1, 157, 439, 119},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        clickLater(Ok);
        EXPECT_EQ(app->msgbox(c.text, "Titel", c.kind, "", 0, false), idOk);
        const TPVLDialog& g = app->dlg(app->MsgDialog);
        EXPECT_EQ(g.Height, c.height);
        EXPECT_EQ(g.Y, c.y);
        EXPECT_EQ(g.el(app->MsgButtons[Ok]).Y, c.buttonY);
        EXPECT_EQ(g.el(app->MsgText).Y, c.kind == 1 ? 50 : 60);
        EXPECT_EQ(app->GetCaption(app->MsgDialog, app->MsgText, false), c.text);
        EXPECT_EQ(app->GetCaption(app->MsgDialog, 1, false), "Titel");
        EXPECT_FALSE(g.Visible);
    }
}

TEST_F(MsgBox, AnswersOfTheButtons) {
    struct Case {
        int kind, button, answer;
        const char* label;
    };
    const Case cases[] = {
        {4, Yes, idYes, "!Ja"}, {4, No, idNo, "!Nein"}, {0, Ok, idOk, "!OK"}, {1, Ok, idOk, "!Weiter"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        clickLater(c.button);
        const bool custom = std::string(c.label) == "!Weiter";
        EXPECT_EQ(app->msgbox("Frage?", "", c.kind, custom ? c.label : "", 1, false), c.answer);
        EXPECT_EQ(app->GetCaption(app->MsgDialog, app->MsgButtons[c.button], false), c.label);
        EXPECT_EQ(app->dlg(app->MsgDialog).X, 160);
        EXPECT_EQ(app->dlg(app->MsgDialog).el(app->MsgButtons[c.button]).Fade.Target, 1);
    }
}

TEST_F(MsgBox, ABoxInsideAWaitingBoxGivesEachItsOwnAnswer) {
    int inner = 0;
    host.post([&] {
        clickLater(No);
        inner = app->msgbox("Innen?", "Innen", 4, "", 0, false);
        clickLater(Yes);
    });
    int outer = app->msgbox("Aussen?", "Aussen", 4, "", 0, false);
    EXPECT_EQ(inner, idNo);
    EXPECT_EQ(outer, idYes);
    EXPECT_FALSE(app->dlg(app->MsgDialog).Visible);
}

TEST_F(MsgBox, TheOuterBoxComesBackAfterTheInnerOne) {
    std::string shownAfterInner;
    host.post([&] {
        clickLater(Ok);
        app->msgbox("Innen", "", 0, "", 0, false);
        host.post([&] {
            shownAfterInner = app->GetCaption(app->MsgDialog, app->MsgText, false);
            EXPECT_TRUE(app->dlg(app->MsgDialog).Visible);
            EXPECT_EQ(app->CurrentDialog, app->MsgDialog);
            EXPECT_EQ(app->dlg(app->MsgDialog).el(app->MsgButtons[Yes]).Visible, 1);
            clickLater(No);
        });
    });
    EXPECT_EQ(app->msgbox("Aussen", "", 4, "", 0, false), idNo);
    EXPECT_EQ(shownAfterInner, "Aussen");
}

TEST_F(MsgBox, ABoxOverDialogsCalledOverAWaitingBoxLeavesThemOpen) {
    const int menu = dialogAt(280, 80, 260, 440), save = dialogAt(280, 80, 260, 460);
    int currentAfterInner = 0, currentAfterBack = 0;
    std::string shownAfterBack;
    host.post([&] {
        app->CallDialog(menu);
        app->CallDialog(save);
        clickLater(Ok);
        app->msgbox("Gespeichert", "", 0, "", 0, false);
        currentAfterInner = app->CurrentDialog;
        EXPECT_TRUE(app->dlg(menu).Visible);
        EXPECT_TRUE(app->dlg(save).Visible);
        app->HideDialog(save);
        app->HideDialog(menu);
        currentAfterBack = app->CurrentDialog;
        shownAfterBack = app->GetCaption(app->MsgDialog, app->MsgText, false);
        clickLater(Ok);
    });
    EXPECT_EQ(app->msgbox("Aussen", "", 0, "!Weiter", 0, false), idOk);
    EXPECT_EQ(currentAfterInner, save);
    EXPECT_EQ(currentAfterBack, app->MsgDialog);
    EXPECT_EQ(shownAfterBack, "Aussen");
}

TEST_F(MsgBox, ABoxThatDoesNotWaitRunsItsAnswerOnceOrNeverWhenDropped) {
    int answered = 0;
    app->msgboxThen("Ergebnis", "Spielergebnis", "!Weiter", [&] { ++answered; });
    EXPECT_EQ(app->CurrentDialog, app->MsgDialog);
    EXPECT_EQ(answered, 0);
    // A waiting box over it answers only itself and brings it back.
    clickLater(Ok);
    EXPECT_EQ(app->msgbox("Innen", "", 0, "", 0, false), idOk);
    EXPECT_EQ(answered, 0);
    EXPECT_EQ(app->CurrentDialog, app->MsgDialog);
    EXPECT_EQ(app->GetCaption(app->MsgDialog, app->MsgText, false), "Ergebnis");
    EXPECT_EQ(app->GetCaption(app->MsgDialog, app->MsgButtons[Ok], false), "!Weiter");
    app->CreateClickEvent(app->MsgDialog, app->MsgButtons[Ok]);
    app->CreateClickEvent(app->MsgDialog, app->MsgButtons[Ok]);
    EXPECT_EQ(answered, 1);
    EXPECT_FALSE(app->dlg(app->MsgDialog).Visible);

    app->msgboxThen("Ergebnis", "Spielergebnis", "!Weiter", [&] { ++answered; });
    app->msgboxDrop();
    EXPECT_FALSE(app->dlg(app->MsgDialog).Visible);
    app->CreateClickEvent(app->MsgDialog, app->MsgButtons[Ok]);
    EXPECT_EQ(answered, 1);
}

TEST_F(MsgBox, EnterAnswersWithTheFirstVisibleButton) {
    clickLater(Ok);
    app->msgbox("Hinweis", "", 0, "", 0, false);  // leaves the OK button's value at 1
    struct Case {
        int kind, answer;
    };
    const Case cases[] = {{4, idYes}, {0, idOk}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        host.post([this] {
            app->KeyDown(vk::Return);
            app->KeyUp(vk::Return);
        });
        EXPECT_EQ(app->msgbox("Frage?", "", c.kind, "", 0, false), c.answer);
    }
}

TEST_F(MsgBox, StatisticsRefreshClicksElementThreeOfTheShownBox) {
    // The program's statistics refresh with its display on: element 3 of the box is its OK.
    int calls = 0;
    app->Hooks.statisticsRefresh = [&] {
        ++calls;
        EXPECT_EQ(app->CurrentDialog, app->MsgDialog);
        EXPECT_TRUE(app->dlg(app->MsgDialog).Visible);
        app->CreateClickEvent(app->CurrentDialog, 3);
    };
    EXPECT_EQ(app->msgbox("Weiter?", "", 0, "", 0, false), idOk);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(app->dlg(app->MsgDialog).Visible);
    // Inside a waiting yes/no box the click answers only the inner box.
    app->Hooks.statisticsRefresh = nullptr;
    int inner = 0;
    host.post([&] {
        app->Hooks.statisticsRefresh = [&] { app->CreateClickEvent(app->CurrentDialog, 3); };
        inner = app->msgbox("Innen", "", 0, "", 0, false);
        app->Hooks.statisticsRefresh = nullptr;
        clickLater(No);
    });
    EXPECT_EQ(app->msgbox("Aussen?", "", 4, "", 0, false), idNo);
    EXPECT_EQ(inner, idOk);
}

TEST_F(MsgBox, WaitingFramesAreModal) {
    clickLater(Ok);
    app->msgbox("x", "", 0, "", 0, false);
    EXPECT_GE(count(peFrame, 0), 1);
    EXPECT_EQ(count(peFrame, -2), 0);
    EXPECT_EQ(count(app->MsgDialog, app->MsgButtons[Ok]), 1);  // the program sees the click too
}

TEST_F(MsgBox, ClosingEndsTheWait) {
    app->MsgAnswer = 42;
    host.post([&] { app->AppState = 3; });
    EXPECT_EQ(app->msgbox("x", "", 0, "", 0, false), 42);
}

TEST_F(MsgBox, ConsistencyMessagesOfOtherUnitsAppearInABox) {
    clickLater(Ok);
    msgsink::show(text::w("ACHTUNG! glu.movecard: Stapel 0"));
    EXPECT_EQ(app->GetCaption(app->MsgDialog, app->MsgText, false),
              text::w("ACHTUNG! glu.movecard: Stapel 0"));
    EXPECT_TRUE(capture.contains("ACHTUNG! glu.movecard"));
    msgsink::error(text::w("Fehler in glu.getcard"));
    EXPECT_TRUE(app->dlg(app->ErrorDialog).Visible);
    EXPECT_EQ(app->GetCaption(app->ErrorDialog, app->ErrorText, false), text::w("Fehler in glu.getcard"));
}

TEST_F(MsgBox, ShowmeSizesTheErrorDialog) {
    app->showme(std::string(100, 'e'), "Fehler");
    const TPVLDialog& g = app->dlg(app->ErrorDialog);
    EXPECT_EQ(g.Height, 184);
    EXPECT_EQ(g.Y, 208);
    EXPECT_EQ(g.el(app->ErrorOk).Y, 139);
    EXPECT_TRUE(g.Visible);
    EXPECT_EQ(app->CurrentDialog, app->ErrorDialog);
    app->CreateClickEvent(app->ErrorDialog, app->ErrorOk);
    EXPECT_FALSE(app->dlg(app->ErrorDialog).Visible);
}

// ---------------------------------------------------------------- frame loop

class Frames : public GuiTest {};

TEST_F(Frames, RateJumpsAtOnceWhenItDoubles) {
    host.frameMs = 20;
    frames(200);
    EXPECT_NEAR(app->Fps, 50.0f, 5.0f);
    host.frameMs = 10;
    int guard = 0;
    do frames();
    while (!app->FpsUpdated && ++guard < 100);
    EXPECT_NEAR(app->Fps, 95.0f, 6.0f);  // not 4 x 10 + 19
}

// A slow machine (or a frame that takes long under load) still gets a rate above 0: with 0 the
// table stands still for good. From five frames a second on, each 200 ms period's count is added
// and cut to whole frames as before (150 ms a frame: 1.33 a period, read as 5).
TEST_F(Frames, ASlowFrameRateIsMeasuredNotDroppedToZero) {
    struct Fall {
        uint32_t ms;
        float fps;
    };
    for (const Fall f : {Fall{250, 4.0f}, Fall{333, 3.0f}, Fall{500, 2.0f}, Fall{1000, 1.0f}, Fall{150, 5.0f}}) {
        host.frameMs = f.ms;
        frames(60);
        EXPECT_GT(app->Fps, 0.0f) << f.ms << " ms a frame";
        EXPECT_NEAR(app->Fps, f.fps, 1.01f) << f.ms << " ms a frame";
    }
}

TEST_F(Frames, BackgroundWindowDrawsEveryFiftiethFrame) {
    frames(100);
    const float rate = app->Fps;
    ASSERT_GT(rate, 0.0f);
    events.clear();
    host.setActive(false);
    app->FrameCount = 0;
    frames(100);
    EXPECT_EQ(count(peFrame, -2), 2);
    EXPECT_EQ(host.waits, 98);
    host.setActive(true);
    frames();
    EXPECT_EQ(count(peFrame, -2), 3);
    EXPECT_EQ(app->InactiveFrames, 0);
    EXPECT_FLOAT_EQ(app->Fps, rate);  // the shown rate does not collapse
}

TEST_F(Frames, WaitOnAHiddenDialogReturnsAtOnce) {
    int d = dialogAt(0, 0, 100, 100);
    app->CurrentDialog = d;
    app->waitforclick();
    EXPECT_EQ(count(peFrame, 0), 0);
    app->ShowDialog(d);
    host.post([&] { app->WaitFlag = 0; });
    app->freezeme();
    EXPECT_EQ(count(peFrame, 0), 1);
    EXPECT_EQ(app->Freeze, 0);
}

// ---------------------------------------------------------------- screen shapes

class Shapes : public GuiTest {};

TEST_F(Shapes, FiveShapes) {
    app->AppState = 0;  // during start-up only the shape fields change
    struct Case {
        int w, h, flag;
        float aspect;
        int offset0;
    };
    const Case cases[] = {
        {640, 480, 0, 4.0f / 3, 0},         {800, 600, 0, 4.0f / 3, 0},      {1280, 1024, 3, 4.0f / 3, 0},
        {1024, 600, 4, 1024.0f / 600, 115}, {1920, 1080, 1, 16.0f / 9, 140}, {1280, 800, 2, 1.6f, 90},
        {2000, 600, 4, 1.85f, 115},         {600, 600, 4, 1.33f, 115},       {1000, 740, 0, 4.0f / 3, 0},
    };
    const pvlhost::Rect before = host.window();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        app->FormResize(c.w, c.h);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(app->Options.AspectFlags[i], i == c.flag ? 1 : 0) << i;
        EXPECT_NEAR(app->Options.Aspect, c.aspect, 1e-5);
        EXPECT_EQ(app->Options.WideOffsets[0], c.offset0);
    }
    EXPECT_EQ(host.window().width, before.width);
    EXPECT_EQ(host.window().height, before.height);
}

TEST_F(Shapes, RunningWindowSnapsOnceAndIgnoresItsOwnSize) {
    int calls = 0;
    app->SavedResize = [&] { ++calls; };
    struct Case {
        int w, h, wantW, wantH, calls;
    };
    const Case cases[] = {
        {1000, 740, 993, 745, 1},
        {993, 745, 993, 745, 1},    // the size just applied comes back: ignored
        {1500, 900, 1500, 900, 2},  // free shape inside the clamp keeps its size
        {1500, 900, 1500, 900, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        app->FormResize(c.w, c.h);
        EXPECT_EQ(host.window().width, c.wantW);
        EXPECT_EQ(host.window().height, c.wantH);
        EXPECT_EQ(app->WindowWidth, c.wantW);
        EXPECT_EQ(calls, c.calls);
        EXPECT_EQ(app->AppState, 2);
    }
    EXPECT_EQ(app->GetCaption(app->SettingsDialog, app->Lib.winWidth, false), "1500");
}

TEST_F(Shapes, WideLayoutAndBackRestoresEveryDialogExactly) {
    host.setScreen(1920, 1200);
    int centred = app->CreateCustomDialog(200, 100, 400, 300, true, "Mitte", 1, 0, "", 1.0f);
    int b = app->CreateCustomObject(ekButton, 100, 50, "!B", 140, 36, 0.0f, 1.0f);
    int lbl = app->CreateCustomObject(ekLabel, 20, 90, "Text", 120, 2, 0.0f, 1.0f);
    int left = app->CreateCustomDialog(10, 100, 200, 300, false, "", 1, 0, "", 1.0f);
    int lb = app->CreateCustomObject(ekButton, 100, 50, "!L", 140, 36, 0.0f, 1.0f);
    int right = app->CreateCustomDialog(600, 100, 190, 300, false, "", 1, 0, "", 1.0f);
    while (app->DialogList.Count < 14) dialogAt(300, 100, 200, 200);
    app->CreateCustomObject(ekButton, 10, 10, "!n", 40, 20, 0.0f, 1.0f);
    app->CreateCustomObject(ekButton, 10, 40, "!w", 100, 20, 0.0f, 1.0f);
    const std::vector<TPVLDialog> before(app->DialogList.Dialogs);

    app->FormResize(1920, 1080);
    ASSERT_TRUE(app->Is16x9());
    EXPECT_EQ(count(peRelayout, 0), 1);
    struct Case {
        int d, x, w;
    };
    const Case dialogs[] = {
        {centred, 248, 300}, {left, 10, 165}, {right, 600 + 190 - 142, 190}, {14, 300, 200}};
    for (const auto& c : dialogs) {
        EXPECT_EQ(app->dlg(c.d).X, c.x) << c.d;
        EXPECT_EQ(app->dlg(c.d).Width, c.w) << c.d;
    }
    EXPECT_EQ(el(centred, b).X, 75);
    EXPECT_EQ(el(centred, b).Width, 105);
    EXPECT_EQ(el(centred, lbl).Width, 120);  // labels keep their width
    EXPECT_EQ(el(left, lb).X, 79);           // x 1.05 in a left-anchored dialog
    EXPECT_EQ(el(14, 1).Width, 30);          // dialog 14: only narrow elements
    EXPECT_EQ(el(14, 2).Width, 100);
    EXPECT_EQ(el(14, 1).X, 10);

    app->FormResize(1280, 800);
    ASSERT_TRUE(app->Is16x10());
    app->FormResize(800, 600);
    ASSERT_TRUE(app->Is4x3());
    for (int d = 1; d <= app->DialogList.Count; ++d) {
        const TPVLDialog& now = app->DialogList.Dialogs[d];
        EXPECT_EQ(now.X, before[d].X) << d;
        EXPECT_EQ(now.Width, before[d].Width) << d;
        for (int e = 1; e <= now.ElementCount; ++e) {
            EXPECT_EQ(now.el(e).X, before[d].el(e).X) << d << "." << e;
            EXPECT_EQ(now.el(e).Width, before[d].el(e).Width) << d << "." << e;
        }
        // The settings dialog's information fields show the new window size; all else is as it was.
        if (d != app->SettingsDialog) {
            EXPECT_EQ(std::memcmp(&now, &before[d], sizeof(TPVLDialog)), 0) << d;
        }
    }
}

TEST_F(Shapes, LayoutValuePerShape) {
    host.setScreen(1920, 1200);
    struct Case {
        int w, h;
        float want;
    };
    const Case cases[] = {{800, 600, 1.0f}, {1280, 800, 1.8f}, {1920, 1080, 2.0f}, {1024, 600, 1.92f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.w);
        app->FormResize(c.w, c.h);
        EXPECT_NEAR(app->linRatAddition(2.0f, 1.8f, 1.0f), c.want, 1e-4);
        EXPECT_NEAR(app->linRatMultiplication(2.0f, 1.8f, 1.0f), c.want, 1e-4);
    }
}

}  // namespace

namespace {

// ---------------------------------------------------------------- stopwatches and GL info

class Tools : public MsgBox {};

TEST_F(Tools, StopwatchesAddTheirTimesAndShowShares) {
    ticks::Manual clock(5000);
    app->timeini(3);
    app->timestart(1, "Zug");
    clock.advance(250);
    app->timestop(1);
    app->timestart0(2);
    clock.advance(500);
    app->timestop(2);
    app->timestart(1, "Zug");
    clock.advance(250);
    app->timestop(1);
    EXPECT_EQ(app->Timer.Ms[1], 500);
    EXPECT_EQ(app->Timer.Ms[2], 500);
    EXPECT_EQ(app->Timer.Names[1], "Zug");
    // 1000 ms in all: 500 of them are half.
    EXPECT_EQ(app->timeText(), "Nr. 1: 500 ms 50 %\rNr. 2: 500 ms 50 %\rNr. 3: 0 ms 0 %\rZeit gesamt: 1000");
    clickLater(Ok);
    app->timeshow();
    EXPECT_EQ(app->GetCaption(app->MsgDialog, 1, false), "Spielergebnis");
    EXPECT_EQ(app->GetCaption(app->MsgDialog, app->MsgText, false), app->timeText());
    app->timeini(1);
    EXPECT_EQ(app->Timer.Ms[1], 0);
    EXPECT_EQ(app->timeText(), "Nr. 1: 0 ms 0 %\rZeit gesamt: 0");
}

TEST_F(Tools, GlInfoButtonShowsTheContextsStrings) {
    clickLater(Ok);
    app->CreateClickEvent(app->SettingsDialog, app->Lib.glinfo);
    EXPECT_EQ(app->GetCaption(app->MsgDialog, 1, false), "OpenGL");
    const std::string t = app->GetCaption(app->MsgDialog, app->MsgText, false);
    EXPECT_EQ(t.rfind("Renderer: ", 0), 0u) << t;
    EXPECT_NE(t.find("\rVersion: "), std::string::npos);
    EXPECT_NE(t.find("\rErweiterungen: "), std::string::npos);
}

TEST_F(Tools, OpenGlChoosersOnTheSecondPage) {
    const int sd = app->SettingsDialog;
    struct Case {
        int i;
        int lines;
        const char* first;
        const char* last;
    };
    const Case cases[] = {{0, 2, "Enabled", "Disabled"},
                          {2, 6, "Disabled", "GL_AMBIENT&D."},
                          {4, 8, "Disabled", "GL_COLOR_INDEXES"},
                          {6, 2, "Enabled", "Disabled"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.i);
        const int e = app->Lib.glSwitches[c.i];
        ASSERT_TRUE(app->validElement(sd, e));
        EXPECT_EQ(app->dlg(sd).el(e).Kind, ekChooser);
        EXPECT_EQ(app->dlg(sd).el(e).PageIndex, 2);
        EXPECT_EQ(app->dlg(sd).el(e).LineCount, c.lines);
        EXPECT_EQ(app->GetLine(sd, e, 1), c.first);
        EXPECT_EQ(app->GetLine(sd, e, c.lines), c.last);
    }
    EXPECT_LE(app->dlg(sd).ElementCount, MaxElements);
}

}  // namespace
