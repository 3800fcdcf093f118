#include <cmath>
#include <cstring>
#include <string>

#include "guifixture.h"
#include "platform/fileio.h"
#include "platform/text.h"

using namespace pvl;

namespace {

class Records : public GuiTest {};

TEST_F(Records, LibraryDialogsHaveFixedIds) {
    EXPECT_EQ(app->ErrorDialog, 1);
    EXPECT_EQ(app->MsgDialog, 2);
    EXPECT_EQ(app->FirstPanel, 3);
    EXPECT_EQ(app->HelpPanel, 4);
    EXPECT_EQ(app->TopPanel, 5);
    EXPECT_EQ(app->SettingsDialog, 6);
    EXPECT_EQ(app->GraphicsDialog, 7);
    EXPECT_EQ(dialogAt(0, 0, 10, 10), 8);
}

TEST_F(Records, NewDialogRecordHasZeroReservedBytesAndNoPainterPointer) {
    int d = dialogAt(10, 20, 300, 200, "Titel");
    app->CreateObject(ekButton, 5, 5, "!OK");
    app->CreateObject(ekList, 5, 50, "");
    app->SetPaintCall(d, 2, [](int, int, int, int) {});
    std::filesystem::path f = dir / "raw._x";
    ASSERT_TRUE(app->SaveExactlyToFile(d, f));
    std::string raw;
    ASSERT_TRUE(fileio::readAll(f, raw));
    ASSERT_EQ(raw.size(), 36184u);
    auto zero = [&](size_t at, size_t n) {
        for (size_t i = 0; i < n; ++i)
            if (raw[at + i] != 0) return false;
        return true;
    };
    const std::pair<size_t, size_t> dialogReserved[] = {{10, 2}, {28, 4}, {36040, 1}, {36145, 1}, {36180, 4}};
    for (auto [at, n] : dialogReserved) EXPECT_TRUE(zero(at, n)) << "dialog +" << at;
    const std::pair<size_t, size_t> elementReserved[] = {{1, 1},   {83, 1},  {90, 2},  {108, 4}, {219, 1},
                                                         {227, 1}, {230, 6}, {241, 7}, {248, 8}, {284, 4}};
    for (int e = 1; e <= app->dlg(d).ElementCount; ++e)
        for (auto [at, n] : elementReserved)
            EXPECT_TRUE(zero(32 + (e - 1) * 288 + at, n)) << "element " << e << " +" << at;
    EXPECT_NE(app->PaintCallOf(d, 2), nullptr);
}

TEST_F(Records, DefaultsPerKind) {
    dialogAt(0, 0, 800, 600);
    struct Case {
        int kind, width, height;
        int wantW, wantH, wantReserve;
        float speed;
    };
    const Case cases[] = {
        {ekButton, -1, -1, 140, 36, 1, 0.05f},        {ekLabel, -1, -1, 58, 17, 2, 0.0f},
        {ekLabel, 640, -1, 640, 17, 640, 0.0f},       {ekText, -1, -1, 58, 17, 4, 0.0f},
        {ekArrow, -1, -1, 25, 25, 1, 0.01f},          {ekVBar, -1, 80, 25, 80, 1, 0.01f},
        {ekEdit, -1, -1, 200, 26, 1, 0.015f},         {ekEdit, 130, 3, 130, 26, 1, 0.015f},
        {ekPlainList, -1, -1, 200, 128, 200, 0.015f}, {ekLongText, -1, -1, -1, -1, 2000, 0.05f},
        {ekContainer, -1, -1, 100, 100, 1, 0.0f},     {ekHeading, -1, -1, 0, 0, 1, 0.05f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " " << c.width << "x" << c.height);
        int before = app->Scon.SlotCount;
        int e = app->CreateCustomObject(c.kind, 1, 2, "x", c.width, c.height, 0.0f, 1.0f);
        const TPVLElement& x = el(8, e);
        if (c.wantW >= 0) {
            EXPECT_EQ(x.Width, c.wantW);
        }
        if (c.wantH >= 0) {
            EXPECT_EQ(x.Height, c.wantH);
        }
        EXPECT_EQ(x.SlotReserve, c.wantReserve);
        EXPECT_EQ(app->Scon.SlotCount - before, c.wantReserve + 1);  // n + 1 slots
        EXPECT_FLOAT_EQ(x.AnimSpeed, c.speed);
        EXPECT_FLOAT_EQ(x.Angle, -100.0f);
        EXPECT_EQ(x.Enabled, 1);
        EXPECT_EQ(x.Visible, 1);
    }
    // A check box is as wide as its caption, also one long enough for the string container.
    const std::string longBox = "Computer spielt schneller!";  // 26 characters
    int box = app->CreateCustomObject(ekCheckBox, 0, 0, longBox, -1, -1, 0.0f, 1.0f);
    EXPECT_EQ(el(8, box).Caption.str(), "@scon");
    EXPECT_EQ(el(8, box).Width, static_cast<int>(std::lround(app->charwidth(longBox) * 11.5 + 42)));
    int edit = app->CreateCustomObject(ekEdit, 0, 0, "", -1, -1, 0.0f, 1.0f);
    EXPECT_EQ(el(8, edit).Ti, -1);  // a text field made with height -1
    EXPECT_EQ(el(8, edit).VisibleLines, 20);
    EXPECT_EQ(el(8, edit).TextView, 200 / 13);
}

TEST_F(Records, SpecialObjects) {
    int d = dialogAt(0, 0, 800, 600);
    int before = app->Scon.SlotCount;
    struct Case {
        uint8_t sub;
        const char* caption;
        int w, h;
        float speed;
        int ti;
    };
    const Case cases[] = {{skLibIcon, "", 22, 22, 0.01f, 0},
                          {skImage, "", 64, 48, 0.0001f, 0},
                          {0, "ListText", 64, 48, 0.01f, -1},
                          {skCloseIcon, "", 22, 22, 0.005f, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.sub));
        int e = app->CreateSpecialObject(ekImage, 5, 5, 64, 48, c.sub, c.caption);
        EXPECT_EQ(el(d, e).Width, c.w);
        EXPECT_EQ(el(d, e).Height, c.h);
        EXPECT_FLOAT_EQ(el(d, e).AnimSpeed, c.speed);
        EXPECT_EQ(el(d, e).Ti, c.ti);
        EXPECT_EQ(el(d, e).Fade.Shown, 0);  // fades in when first shown
        EXPECT_EQ(el(d, e).SlotReserve, 0);
    }
    EXPECT_EQ(app->Scon.SlotCount, before);  // no slots of their own
    app->Hooks.charwidth = [](std::string_view t) { return static_cast<float>(t.size()) * 0.5f; };
    int b = app->CreateCustomSpecialObject(ekImage, 275, 135, 140, 40, skCaptionButton, "!Center", "", 45, 40,
                                           20, 5, 1.3f);
    EXPECT_EQ(el(d, b).X, 235);
    EXPECT_EQ(el(d, b).VisibleLines, 40);
    EXPECT_EQ(el(d, b).Width, 140);  // at least 140
    EXPECT_EQ(el(d, b).SelIndex, 20);
    EXPECT_EQ(el(d, b).TopIndex, 5);
    app->SetCaption(d, b, "!Ein sehr langer Knopf");  // 22 characters: 11 x 11.5 x 1.3 + 83
    EXPECT_EQ(el(d, b).Width, 247);
}

TEST_F(Records, CompoundKindsBringTheirChildren) {
    dialogAt(0, 0, 800, 600);
    int list = app->CreateCustomObject(ekList, 100, 50, "", 200, 128, 0.0f, 1.0f);
    const TPVLElement& l = el(8, list);
    ASSERT_EQ(l.ChildCount, 3);
    EXPECT_EQ(el(8, l.child(1)).Kind, ekArrow);
    EXPECT_EQ(el(8, l.child(1)).Checked, 0);
    EXPECT_EQ(el(8, l.child(2)).Y, 50 + 128 - 27);
    EXPECT_EQ(el(8, l.child(2)).Checked, 1);
    EXPECT_EQ(el(8, l.child(3)).Kind, ekVBar);
    EXPECT_EQ(el(8, l.child(3)).Height, 128 - 58);
    EXPECT_EQ(el(8, l.child(3)).ParentElement, list);
    EXPECT_EQ(l.VisibleLines, 128 / 24);
    int ch = app->CreateCustomObject(ekChooser, 10, 10, "", 200, 30, 0.0f, 1.0f);
    EXPECT_EQ(el(8, ch).ChildCount, 4);
    EXPECT_EQ(el(8, ch).VisibleLines, 1);
    // The text strips of both chooser forms are special objects: given size, no icon, no slots.
    int ch2 = app->CreateCustomObject(ekChooser, 10, 200, "HorList2", 200, 30, 0.0f, 1.0f);
    struct Strip {
        int chooser, child, x, w, h;
    };
    const Strip strips[] = {{ch, 4, 10 + 36, 200 - 30, 30 + 4}, {ch2, 3, 10 + 35, 200 - 29, 25}};
    for (const auto& c : strips) {
        SCOPED_TRACE(c.chooser);
        const TPVLElement& t = el(8, el(8, c.chooser).child(c.child));
        EXPECT_EQ(t.Caption.str(), "ListText");
        EXPECT_EQ(t.Kind, ekImage);
        EXPECT_EQ(t.X, c.x);
        EXPECT_EQ(t.Width, c.w);
        EXPECT_EQ(t.Height, c.h);
        EXPECT_EQ(t.Ti, -1);
        EXPECT_EQ(t.SlotReserve, 0);
        EXPECT_FLOAT_EQ(t.AnimSpeed, 0.01f);
        EXPECT_EQ(t.ParentElement, c.chooser);
    }
}

// ---------------------------------------------------------------- string container

class Strings : public GuiTest {};

TEST_F(Strings, BlocksAreHandedOutUpwardAndAddressedDownward) {
    dialogAt(0, 0, 800, 600);
    int a = app->CreateObject(ekList, 0, 0, "");
    int b = app->CreateObject(ekText, 0, 0, "");
    const TPVLElement& ea = el(8, a);
    const TPVLElement& eb = el(8, b);
    EXPECT_LT(ea.FirstSlot, eb.FirstSlot - eb.SlotReserve);  // no shared slot
    app->SetCreateIn(8);
    for (int i = 1; i <= 200; ++i) app->WriteLine(8, a, i, "a" + std::to_string(i));
    for (int i = 0; i <= 4; ++i) app->WriteLine(8, b, i, "b" + std::to_string(i));
    EXPECT_EQ(app->ReadLine(8, a, 200), "a200");
    EXPECT_EQ(app->ReadLine(8, b, 0), "b0");
}

TEST_F(Strings, LineRangeAndOverflow) {
    dialogAt(0, 0, 800, 600);
    int t = app->CreateObject(ekText, 0, 0, "");  // 4 + 1 slots
    EXPECT_EQ(app->ReadLine(8, t, 0), "");        // fresh line 0: empty, not the end marker
    EXPECT_EQ(app->ReadLine(8, t, 5), TPVLStringContainer::EndMarker);
    EXPECT_TRUE(app->WriteLine(8, t, 4, "last"));
    EXPECT_EQ(app->ReadLine(8, t, 4), "last");
    EXPECT_FALSE(app->WriteLine(8, t, 5, "over"));
    EXPECT_TRUE(capture.contains("PVLStringContainer Error\rOverflow at d8.e" + std::to_string(t)));
    EXPECT_FALSE(app->WriteLine(8, t, -1, "neg"));
}

TEST_F(Strings, PoolOfSixteenBitIndexesRefusesTheNextWrite) {
    TPVLStringContainer s;
    int top = s.Reserve(65536);
    for (int i = 0; i < 65535; ++i) ASSERT_TRUE(s.Write(top - i, "x"));
    EXPECT_FALSE(s.Write(top - 65535, "one too many"));
    EXPECT_EQ(s.Read(top - 65535), "");
    EXPECT_TRUE(s.Write(top, "overwrite still works"));
}

TEST_F(Strings, AddStringPositions) {
    dialogAt(0, 0, 800, 600);
    int l = app->CreateObject(ekList, 0, 0, "");
    for (const char* s : {"a", "b", "c"}) app->AddString(l, s, 0);
    app->AddString(l, "new", -1);
    EXPECT_EQ(el(8, l).LineCount, 4);
    EXPECT_EQ(el(8, l).ScrollLimit, 4);
    const char* want[] = {"new", "a", "b", "c"};
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(app->GetLine(8, l, i), want[i - 1]);
    int p = app->CreateObject(ekList, 0, 0, "highlight");
    app->AddString(p, "one", 0);
    app->AddString(p, "two", 0);
    app->AddString(p, "second of one", 1);
    EXPECT_EQ(app->GetLine(8, p, 2), "two");
    EXPECT_EQ(app->GetLine(1008, p, 1), "second of one");
    EXPECT_EQ(el(8, p).LineCount, 2);
}

// ---------------------------------------------------------------- properties

class Props : public GuiTest {};

TEST_F(Props, CaptionsOfTwentyFourAndTwentyFiveCharacters) {
    dialogAt(0, 0, 800, 600);
    int b = app->CreateObject(ekButton, 0, 0, "");
    const std::string long1020(1020, 'z');
    struct Case {
        std::string text;
        bool scon;
    };
    const Case cases[] = {{std::string(24, 'a'), false},
                          {std::string(25, 'b'), true},
                          {std::string(300, 'c') + "end", true},
                          {long1020, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.size());
        app->SetCaption(8, b, c.text);
        EXPECT_EQ(el(8, b).Caption == "@scon", c.scon);
        EXPECT_EQ(app->GetCaption(8, b, false), c.text);
    }
    // More than a fresh block holds: reported, the caption stays as it was.
    app->SetCaption(8, b, std::string(1021, 'q'));
    EXPECT_TRUE(capture.contains("PVLStringContainer Error"));
    EXPECT_EQ(app->GetCaption(8, b, false), long1020);
}

TEST_F(Props, LongHintAndHighlightDoNotLeakIntoALongCaption) {
    dialogAt(0, 0, 800, 600);
    int b = app->CreateObject(ekButton, 0, 0, "");
    const std::string cap = "Ein sehr langer Knopftext, der nicht passt";
    const std::string hint = "Ein langer Hinweis zu diesem Knopf, der auch nicht passt";
    const std::string high = std::string(600, 'h');
    app->SetCaption(8, b, cap);
    app->SetHint(8, b, hint);
    app->SetHighlight(8, b, high);
    EXPECT_EQ(app->GetCaption(8, b, false), cap);
    EXPECT_EQ(app->GetHint(8, b, false), hint);
    EXPECT_EQ(app->GetHighlight(8, b, false), high);
    app->SetHint(8, b, "kurz");
    EXPECT_EQ(app->GetHint(8, b, false), "kurz");
    EXPECT_EQ(app->GetCaption(8, b, false), cap);
}

TEST_F(Props, ZeroIfEmptyAndTextAtTopIndex) {
    dialogAt(0, 0, 800, 600);
    int b = app->CreateObject(ekButton, 0, 0, "");
    EXPECT_EQ(app->GetCaption(8, b, true), "0");
    EXPECT_EQ(app->GetCaption(8, b, false), "");
    int c = app->CreateCustomObject(ekChooser, 0, 0, "HorList2", 200, 25, 0.0f, 1.0f);
    app->AddString(c, "eins", 0);
    app->AddString(c, "zwei", 0);
    app->SetTopIndex(8, c, 2);
    EXPECT_EQ(app->GetText(8, c, false), "zwei");
    app->SetTopIndex(8, c, 7);
    EXPECT_EQ(app->GetText(8, c, true), "0");
    app->WriteString(8, c, "drei", 3);  // beyond LineCount: ignored
    EXPECT_EQ(app->GetLine(8, c, 3), "");
    app->WriteString(8, c, "ZWEI", 2);
    EXPECT_EQ(app->GetLine(8, c, 2), "ZWEI");
}

TEST_F(Props, InvalidIdsAreReportedNeverTouched) {
    dialogAt(0, 0, 800, 600);
    app->CreateObject(ekButton, 0, 0, "!OK");
    struct Case {
        int d, e;
    };
    const Case cases[] = {{0, 1}, {-1, 1}, {99, 1}, {8, 0}, {8, 2}, {8, 126}, {8, -5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.d << "." << c.e);
        msgsink::clear();
        app->SetBoolean(c.d, c.e, true);
        EXPECT_FALSE(app->isChecked(c.d, c.e));
        EXPECT_EQ(app->GetCaption(c.d, c.e, true), "0");
        app->SetCaption(c.d, c.e, "x");
        EXPECT_TRUE(capture.contains("PVLApplication Error"));
    }
    msgsink::clear();
    app->ShowDialog(1234);
    EXPECT_TRUE(capture.contains("ShowDialog: invalid id d1234"));
}

TEST_F(Props, ElementAndChildLimits) {
    int d = dialogAt(0, 0, 800, 600);
    for (int i = 1; i <= MaxElements; ++i) ASSERT_EQ(app->CreateObject(ekButton, 0, 0, "b"), i);
    EXPECT_EQ(app->CreateObject(ekButton, 0, 0, "126"), 0);
    EXPECT_TRUE(capture.contains("more than 125 elements in d8"));
    EXPECT_EQ(app->dlg(d).ElementCount, 125);
    int d2 = dialogAt(0, 0, 800, 600);
    app->SetCreateIn(d2);
    int parent = app->CreateObject(ekContainer, 0, 0, "");
    for (int i = 0; i < 82; ++i) {
        int c = app->CreateObject(ekButton, 0, 0, "c");
        app->AddChild(parent, c);
    }
    EXPECT_EQ(el(d2, parent).ChildCount, 80);
    EXPECT_TRUE(capture.contains("more than 80 children"));
}

TEST_F(Props, PagedContainerShowsOnlyItsPage) {
    int d = dialogAt(0, 0, 800, 600);
    int pc = app->CreateCustomObject(ekPagedContainer, 0, 0, "", 400, 300, 1.0f, 1.0f);
    int a = app->CreateObject(ekButton, 0, 0, "a");
    int b = app->CreateObject(ekButton, 0, 0, "b");
    int always = app->CreateObject(ekButton, 0, 0, "c");
    for (int c : {a, b, always}) app->AddChild(pc, c);
    el(d, a).PageIndex = 1;
    el(d, b).PageIndex = 2;
    app->SetPageIndex(d, pc, 2);
    EXPECT_FALSE(el(d, a).Visible);
    EXPECT_TRUE(el(d, b).Visible);
    EXPECT_TRUE(el(d, always).Visible);
    EXPECT_EQ(el(d, pc).TopIndex, 1);
    EXPECT_EQ(el(d, pc).VisibleLines, 2);
}

// ---------------------------------------------------------------- showing, calling, fading

class Dialogs : public GuiTest {};

TEST_F(Dialogs, CallDialogClosesTheDialogsAboveUnlessStay) {
    struct Case {
        bool stay;
        int current;
        bool bVisible;
    };
    const Case cases[] = {{false, 0, false}, {true, 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stay);
        int a = dialogAt(0, 0, 100, 100), b = dialogAt(0, 0, 100, 100), x = dialogAt(0, 0, 100, 100);
        app->ShowDialog(a);
        app->CallDialog(b);
        app->CallDialog(x);
        app->dlg(b).Stay = c.stay ? 1 : 0;
        app->CallDialog(a);
        EXPECT_FALSE(app->dlg(x).Visible);
        EXPECT_EQ(app->dlg(b).Visible != 0, c.bVisible);
        if (c.stay) {
            EXPECT_EQ(app->CurrentDialog, a);  // opened again on top
            EXPECT_EQ(app->dlg(a).Parent, b);
        } else {
            EXPECT_EQ(app->CurrentDialog, a);
            EXPECT_EQ(app->dlg(a).Parent, -1);
        }
    }
}

TEST_F(Dialogs, HidingTheLastExclusiveFallsBack) {
    int fb = app->CreateCustomDialog(0, 0, 100, 100, false, "", 0, 0, "", 1.0f);
    int d = dialogAt(0, 0, 100, 100);
    app->FallbackDialog = fb;
    app->VsbDialog(d, 1);
    app->CurrentDialog = d;
    app->HideDialog(d);
    EXPECT_EQ(app->CurrentDialog, fb);
    EXPECT_EQ(app->DialogList.KeyDialog, fb);
}

TEST_F(Dialogs, FadesTakeThreeHundredMillisecondsAndTurnAround) {
    int d = dialogAt(0, 0, 100, 100);
    int b = app->CreateObject(ekButton, 0, 0, "b");
    app->ShowDialog(d);
    host.frameMs = 0;  // the clock moves only by hand here
    frames();          // fade-in starts
    EXPECT_EQ(app->dlg(d).Fade.State, 1);
    host.clock().advance(100);
    frames();
    EXPECT_NEAR(app->dlg(d).Fade.Alpha, 100.0f / 300, 1e-4);
    app->SetVisible(d, b, false);
    frames();  // hidden halfway: the fade-out starts at once from alpha 1.0 and takes 300 ms
    EXPECT_EQ(el(d, b).Fade.State, 2);
    EXPECT_FLOAT_EQ(el(d, b).Fade.Alpha, 1.0f);
    struct Step {
        uint32_t ms;
        bool visible;
        float alpha;
    };
    const Step steps[] = {{150, true, 0.5f}, {149, true, 1.0f / 300}, {1, false, 0.0f}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.ms);
        host.clock().advance(s.ms);
        frames();
        EXPECT_EQ(app->isVisible(d, b), s.visible);
        EXPECT_NEAR(el(d, b).Fade.Alpha, s.alpha, 1e-4);
    }
    app->SetVisibleAbsolute(d, b, true);
    EXPECT_TRUE(app->isVisible(d, b));
    app->SetVisibleAbsolute(d, b, false);
    EXPECT_FALSE(app->isVisible(d, b));
}

TEST_F(Dialogs, HashCaptionNeverFadesIn) {
    int d = app->CreateCustomDialog(0, 0, 100, 100, false, "#", 0, 0, "", 1.0f);
    app->VsbDialog(d, 1);
    frames(30);
    EXPECT_EQ(app->dlg(d).Fade.Shown, 0);
    EXPECT_EQ(app->dlg(d).ElementCount, 0);
}

TEST_F(Dialogs, SetNewDialogMovesTheElementsDownByTheCaptionScale) {
    struct Case {
        float scale;
        int captionShift, shift;
    };
    // d = round((scale - 1) x 12), the caption element moves round(1.5 d), half to even.
    const Case cases[] = {{1.0f, 0, 0}, {1.5f, 9, 6}, {1.25f, 4, 3}, {1.75f, 14, 9}, {0.5f, -9, -6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scale);
        const int d = dialogAt(100, 100, 400, 300, "Titel");
        app->CreateObject(ekButton, 20, 100, "!OK");
        app->CreateObject(ekLabel, 20, 150, "Text");
        TPVLDialog& g = app->dlg(d);
        g.PaintFlag = 7;  // a record loaded from a file may bring a background texture
        const int y1 = g.el(1).Y, y2 = g.el(2).Y, y3 = g.el(3).Y;
        app->SetNewDialog(d, 42, "Neuer Text", c.scale, 3);
        EXPECT_EQ(g.Extra, 42);
        EXPECT_EQ(g.PaintFlag, 0);
        EXPECT_EQ(g.Style, 3);
        EXPECT_FLOAT_EQ(g.el(1).Scale, c.scale);
        EXPECT_EQ(g.el(1).Y, y1 + c.captionShift);
        EXPECT_EQ(g.el(2).Y, y2 + c.shift);
        EXPECT_EQ(g.el(3).Y, y3 + c.shift);
        EXPECT_FLOAT_EQ(g.el(2).Scale, 1.0f);
    }
}

TEST_F(Dialogs, SetNewDialogWithoutTextOnlyChangesExtra) {
    const int d = dialogAt(100, 100, 400, 300, "Titel");
    app->CreateObject(ekButton, 20, 100, "!OK");
    app->dlg(d).PaintFlag = 7;
    TPVLDialog before = app->dlg(d);
    app->SetNewDialog(d, -5, "", 2.0f, 9);
    before.Extra = -5;
    EXPECT_EQ(std::memcmp(&before, &app->dlg(d), sizeof(TPVLDialog)), 0);
}

TEST_F(Dialogs, SetNewDialogOnAnEmptyOrUnknownDialog) {
    // No elements: nothing to move, and no element 1 is written.
    const int d = dialogAt(0, 0, 100, 100);
    app->SetNewDialog(d, 1, "Text", 2.0f, 2);
    EXPECT_EQ(app->dlg(d).ElementCount, 0);
    EXPECT_EQ(app->dlg(d).Style, 2);
    EXPECT_EQ(app->dlg(d).el(1).Scale, 0.0f);
    msgsink::clear();
    app->SetNewDialog(999, 1, "Text", 2.0f, 2);
    EXPECT_TRUE(capture.contains("PVLApplication Error"));
}

}  // namespace
