#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <functional>
#include <limits>
#include <string>

#include "guifixture.h"
#include "platform/fileio.h"
#include "platform/text.h"

using namespace pvl;

namespace {

class Dco : public GuiTest {
protected:
    std::string read(const std::filesystem::path& p) {
        std::string s;
        fileio::readAll(p, s);
        return s;
    }
    void write(const std::filesystem::path& p, const std::string& s) { ASSERT_TRUE(fileio::writeAll(p, s)); }
    // Dialog 8: check box, text field, list; element ids 1, 2, 3 (+ the list's three children).
    int options() {
        int d = app->CreateCustomDialog(100, 100, 400, 300, true, "#Optionen", 1, 0, "", 1.0f);
        EXPECT_EQ(app->CreateCustomObject(ekCheckBox, 10, 10, "Bock", -1, -1, 0.0f, 1.0f), 1);
        EXPECT_EQ(app->CreateCustomObject(ekEdit, 10, 40, "Name", 200, 0, 0.0f, 1.0f), 2);
        EXPECT_EQ(app->CreateObject(ekList, 10, 80, ""), 3);
        for (const char* s : {"eins", "zwei", "drei"}) app->AddString(3, s, 0);
        return d;
    }
};

TEST_F(Dco, FormatToTheCharacter) {
    dialogAt(0, 0, 10, 10);
    int d = app->CreateCustomDialog(0, 0, 100, 100, true, "", 0, 0, "", 1.0f);
    ASSERT_EQ(d, 9);
    app->CreateObject(ekButton, 10, 10, "!OK");
    const std::string want = "*|9|>|1|1|1|!OK|0|0|0|0|0||";
    EXPECT_EQ(app->PVLDcoFile(d), want);
    std::filesystem::path f = dir / "data" / "settings" / "di_9.dco";
    ASSERT_TRUE(app->SaveToFile(d, f));
    EXPECT_EQ(read(f), want);
    EXPECT_EQ(read(dir / "data" / "settings" / "indexes.txt"),
              " <= " + text::fromUtf8(std::filesystem::absolute(f).string()) + "\r\n");
    int empty = app->CreateCustomDialog(0, 0, 100, 100, true, "", 0, 0, "", 1.0f);
    EXPECT_EQ(app->PVLDcoFile(empty), "*|10|");
}

TEST_F(Dco, ElementStatesRoundTrip) {
    int d = options();
    app->SetBoolean(d, 1, true);
    app->SetCaption(d, 2, "Hans");
    app->SetSelIndex(d, 3, 2);
    app->SetTopIndex(d, 3, -1);
    app->SetEnabled(d, 4, false);
    const std::string saved = app->PVLDcoFile(d);
    EXPECT_NE(saved.find(">|3|1|1||0|0|2|-1|3|eins<zwei<drei<|"), std::string::npos);
    std::filesystem::path f = dir / "o.dco";
    write(f, saved);
    app->SetBoolean(d, 1, false);
    app->SetCaption(d, 1, "anders");
    app->SetCaption(d, 2, "Fritz");
    app->SetSelIndex(d, 3, 0);
    app->SetTopIndex(d, 3, 0);
    app->SetEnabled(d, 4, true);
    app->WriteString(d, 3, "ZWEI", 2);
    app->AddString(3, "vier", 0);
    ASSERT_TRUE(app->LoadFromFile(d, f, 0));
    EXPECT_TRUE(app->isChecked(d, 1));
    EXPECT_EQ(app->GetCaption(d, 1, false), "anders");  // only text fields take their caption back
    EXPECT_EQ(app->GetCaption(d, 2, false), "Hans");
    int sel = 0, top = 0;
    app->ReadSelIndex(d, 3, sel);
    app->ReadTopIndex(d, 3, top);
    EXPECT_EQ(sel, 2);
    EXPECT_EQ(top, -1);
    EXPECT_FALSE(app->isEnabled(d, 4));
    EXPECT_EQ(app->GetLine(d, 3, 2), "zwei");
    EXPECT_EQ(el(d, 3).LineCount, 4);  // loading writes lines, never the count
    EXPECT_EQ(app->GetLine(d, 3, 4), "vier");
}

TEST_F(Dco, DelimitersInTextsCannotCorruptTheFile) {
    int d = options();
    app->ChangeCaption(d, 2, "a|b<c>d");
    app->WriteString(d, 3, "x<y|z", 1);
    app->SetBoolean(d, 1, true);
    app->SetSelIndex(d, 3, 3);
    std::filesystem::path f = dir / "o.dco";
    write(f, app->PVLDcoFile(d));
    app->SetBoolean(d, 1, false);
    app->SetSelIndex(d, 3, 0);
    ASSERT_TRUE(app->LoadFromFile(d, f, 0));
    EXPECT_EQ(app->GetCaption(d, 2, false), "ab<c>d");
    EXPECT_EQ(app->GetLine(d, 3, 1), "xy|z");
    EXPECT_TRUE(app->isChecked(d, 1));
    int sel = 0;
    app->ReadSelIndex(d, 3, sel);
    EXPECT_EQ(sel, 3);
}

TEST_F(Dco, DamagedFilesAreAbandonedWholeWithALogLine) {
    int d = options();
    app->SetCaption(d, 2, "Hans");
    const std::string good = app->PVLDcoFile(d);
    struct Case {
        const char* what;
        std::string data;
    };
    std::string notNumber = good;
    notNumber.replace(notNumber.find("|0|0|0|0|0|"), 11, "|0|0|zz|0|0|");
    const Case cases[] = {
        {"cut in the middle", good.substr(0, good.size() - 20)},
        {"cut in the second element", good.substr(0, good.find(">|2|") + 9)},
        {"not a number", notNumber},
        {"no header", "hallo welt"},
        {"empty", ""},
        {"flag not 0 or 1", "*|8|>|1|1|1|x|7|0|0|0|0||"},
        {"SelIndex beyond 16 bits", "*|8|>|1|1|1|x|1|0|40000|0|0||"},
        {"more lines than room", "*|8|>|1|1|1|x|1|0|0|0|0||>|2|1|1|Neu|0|0|0|0|0||>|3|1|1||0|0|0|0|300|" +
                                     std::string(300, '<') + "|"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::path f = dir / "bad.dco";
        write(f, c.data);
        app->SetBoolean(d, 1, false);
        EXPECT_FALSE(app->LoadFromFile(d, f, 0));
        EXPECT_FALSE(app->isChecked(d, 1));
        EXPECT_EQ(app->GetCaption(d, 2, false), "Hans");
        EXPECT_NE(read(dir / "proto2.txt").find("bad.dco abandoned"), std::string::npos);
    }
    EXPECT_FALSE(app->LoadFromFile(d, dir / "missing.dco", 0));  // missing: silently skipped
}

TEST_F(Dco, FewerOrMoreElementsAndThePageFilter) {
    int d = options();
    std::filesystem::path f = dir / "o.dco";
    write(f, "*|8|>|1|1|1|x|1|0|0|0|0||");
    ASSERT_TRUE(app->LoadFromFile(d, f, 0));
    EXPECT_TRUE(app->isChecked(d, 1));
    EXPECT_EQ(app->GetCaption(d, 2, false), "Name");
    std::string more = app->PVLDcoFile(d);
    for (int i = 7; i <= 9; ++i) more += ">|" + std::to_string(i) + "|0|0|x|1|0|0|0|0||";
    write(f, more);
    EXPECT_TRUE(app->LoadFromFile(d, f, 0));
    EXPECT_TRUE(app->isEnabled(d, 6));

    el(d, 2).PageIndex = 2;
    app->SetBoolean(d, 1, false);
    write(f, "*|8|>|1|1|1|x|1|0|0|0|0||>|2|1|1|Seite2|0|0|0|0|0||");
    ASSERT_TRUE(app->LoadFromFile(d, f, 2));
    EXPECT_FALSE(app->isChecked(d, 1));
    EXPECT_EQ(app->GetCaption(d, 2, false), "Seite2");
    write(f, "*|8|>|1|1|1|x|1|0|0|0|0||>|2|1|1|" + std::string(30, 'L') + "|0|0|0|0|0||");
    ASSERT_TRUE(app->LoadFromFile(d, f, 0));
    EXPECT_EQ(app->GetCaption(d, 2, false), std::string(24, 'L'));
}

TEST_F(Dco, SaveAllAndLoadAll) {
    int hashed = options();
    int plain = app->CreateCustomDialog(0, 0, 100, 100, true, "Regeln", 1, 0, "", 1.0f);
    int box = app->CreateCustomObject(ekCheckBox, 10, 40, "Ramsch", -1, -1, 0.0f, 1.0f);
    app->SetBoolean(hashed, 1, true);
    app->SetBoolean(plain, box, true);
    app->saveall();
    const auto settings = dir / "data" / "settings";
    EXPECT_TRUE(std::filesystem::exists(settings / "di_8.dco"));
    EXPECT_TRUE(std::filesystem::exists(settings / "di_9.dco"));
    EXPECT_FALSE(std::filesystem::exists(settings / "di_7.dco"));
    std::string idx = read(settings / "indexes.txt");
    EXPECT_EQ(idx.find("#Optionen <= "), 0u);
    EXPECT_NE(idx.find("\r\nRegeln <= "), std::string::npos);
    app->SetBoolean(hashed, 1, false);
    app->SetBoolean(plain, box, false);
    app->loadall();
    EXPECT_FALSE(app->isChecked(hashed, 1));  // "#" dialogs are saved, never loaded
    EXPECT_TRUE(app->isChecked(plain, box));
}

// A session's end saves every dialog; only a dialog whose state changed is written again, and
// the log of saved dialogs still names each one once.
TEST_F(Dco, SaveAllWritesOnlyChangedDialogs) {
    options();
    const int plain = app->CreateCustomDialog(0, 0, 100, 100, true, "Regeln", 1, 0, "", 1.0f);
    const int box = app->CreateCustomObject(ekCheckBox, 10, 40, "Ramsch", -1, -1, 0.0f, 1.0f);
    const auto settings = dir / "data" / "settings";
    auto inode = [](const std::filesystem::path& p) {
        struct stat st {};
        return ::stat(p.c_str(), &st) == 0 ? st.st_ino : ino_t{0};
    };
    app->saveall();
    const std::string idx = read(settings / "indexes.txt");
    const ino_t a = inode(settings / "di_8.dco"), b = inode(settings / "di_9.dco");
    ASSERT_NE(a, 0u);
    app->SetBoolean(plain, box, true);
    app->saveall();
    EXPECT_EQ(inode(settings / "di_8.dco"), a);
    EXPECT_NE(inode(settings / "di_9.dco"), b);
    EXPECT_EQ(read(settings / "indexes.txt"), idx);
    EXPECT_EQ(idx.find("#Optionen <= "), 0u);
    EXPECT_EQ(idx.find("#Optionen <= ", 1), std::string::npos);
    app->SetBoolean(plain, box, false);
    app->loadall();
    EXPECT_TRUE(app->isChecked(plain, box));
}

TEST_F(Dco, LibrarySettingsLiveWhereTheirFileIs) {
    app->SetCaption(app->SettingsDialog, app->Lib.winWidth, "1024");
    app->SetCaption(app->SettingsDialog, app->Lib.winHeight, "768");
    app->SetCaption(app->SettingsDialog, app->Lib.winTop, "500");
    app->savelibrary();
    EXPECT_TRUE(std::filesystem::exists(dir / "pvlopt.dco"));
    EXPECT_TRUE(std::filesystem::exists(dir / "pvlgraph.dco"));
    std::filesystem::create_directories(dir / "data" / "pavlune");
    write(dir / "data" / "pavlune" / "pvlopt.dco", "");
    app->savelibrary();
    EXPECT_NE(read(dir / "data" / "pavlune" / "pvlopt.dco").size(), 0u);
    pvlhost::FakeHost other;
    TPVLApplication second(other, dir);
    EXPECT_EQ(other.window().width, 1024);
    EXPECT_EQ(other.window().height, 768);
    EXPECT_EQ(other.window().top, 1024 - 768);  // kept on the screen
}

TEST_F(Dco, WindowFieldsBeyondTheScreenAreClampedToIt) {
    // A hand-edited pvlopt.dco: positions and sizes at the end of int32 and past int64.
    app->SetCaption(app->SettingsDialog, app->Lib.winLeft, "2147483647");
    app->SetCaption(app->SettingsDialog, app->Lib.winTop, "-2147483648");
    app->SetCaption(app->SettingsDialog, app->Lib.winWidth, "99999999999999999999");
    app->SetCaption(app->SettingsDialog, app->Lib.winHeight, "2147483647");
    app->savelibrary();
    pvlhost::FakeHost other;
    TPVLApplication second(other, dir);
    const pvlhost::Point screen = other.screen();
    const pvlhost::Rect w = other.window();
    EXPECT_EQ(w.width, 640);  // not a number: the default
    EXPECT_EQ(w.height, screen.y);
    EXPECT_EQ(w.left, screen.x - 640);
    EXPECT_EQ(w.top, -screen.y);
}

TEST_F(Dco, FailedSaveIsReportedAndKeepsTheOldFile) {
    int d = options();
    const auto file = dir / "data" / "settings" / "di_8.dco";
    app->saveall();
    const std::string old = read(file);
    ASSERT_FALSE(old.empty());
    // The temporary file cannot be created (a folder holds its name), as on a full or read-only
    // disk: the old file stays and the player is told once for the whole save.
    const auto blocker = dir / "data" / "settings" / ("di_8.dco.tmp" + std::to_string(::getpid()));
    std::filesystem::create_directories(blocker / "x");
    app->SetBoolean(d, 1, true);
    msgsink::Capture told;  // recorded here instead of the message box
    app->saveall();
    EXPECT_EQ(read(file), old);
    ASSERT_EQ(told.texts().size(), 1u);
    EXPECT_TRUE(told.contains("Fehler beim Speichern der Einstellungen: di_8.dco konnte nicht"));
    msgsink::clear();
    EXPECT_FALSE(app->SaveToFile(d, file));
    EXPECT_TRUE(told.contains("di_8.dco konnte nicht geschrieben werden"));
    std::filesystem::remove_all(blocker);
    EXPECT_TRUE(app->SaveToFile(d, file));
    EXPECT_NE(read(file), old);
}

// Each colour field of the settings dialog feeds the option its label names; the lower body
// colour once came from the "Border 1" field and started white, washing out the message box.
TEST_F(Dco, ColourFieldsFeedTheOptionsTheirLabelsName) {
    struct Case {
        int field;
        TPVLColor TPVLOptions::*option;
        TPVLColor atStart;
    };
    const float k = 1.0f / 99;
    const Case cases[] = {
        {0, &TPVLOptions::TextColor, {1, 1, 1, 1}},
        {1, &TPVLOptions::HighlightTextColor, {1, 1, 1, 1}},
        {2, &TPVLOptions::DisabledTextColor, {1, 1, 1, 1}},
        {3, &TPVLOptions::DefaultColors, {0, 35 * k, 45 * k, 70 * k}},  // Border 1 (oben)
        {4, &TPVLOptions::DialogColor, {0, 0, 33 * k, 80 * k}},         // Border 2 (def)
        {5, &TPVLOptions::FrameColorLower, {0, 0, 33 * k, 80 * k}},     // Border 3 (unten)
        {6, &TPVLOptions::FrameColorEnd, {0, 35 * k, 45 * k, 70 * k}},  // Border 4 (weg)
        {7, &TPVLOptions::ElementColor, {0, 35 * k, 45 * k, 70 * k}},   // Elem-Backgr.
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const TPVLColor s = app->Options.*c.option;
        EXPECT_NEAR(s.r, c.atStart.r, 1e-6f);
        EXPECT_NEAR(s.g, c.atStart.g, 1e-6f);
        EXPECT_NEAR(s.b, c.atStart.b, 1e-6f);
        EXPECT_NEAR(s.a, c.atStart.a, 1e-6f);
        app->SetCaption(app->SettingsDialog, app->Lib.colors[c.field], "10203040");
        app->PVLOptionFromDialog(false);
        const TPVLColor now = app->Options.*c.option;
        EXPECT_NEAR(now.r, 10 * k, 1e-6f);
        EXPECT_NEAR(now.a, 40 * k, 1e-6f);
        // A short string is padded with "0"; a field that is not a colour changes nothing.
        app->SetCaption(app->SettingsDialog, app->Lib.colors[c.field], "99");
        app->PVLOptionFromDialog(false);
        EXPECT_NEAR((app->Options.*c.option).r, 1.0f, 1e-6f);
        EXPECT_NEAR((app->Options.*c.option).g, 0.0f, 1e-6f);
        app->SetCaption(app->SettingsDialog, app->Lib.colors[c.field], "blau");
        app->PVLOptionFromDialog(false);
        EXPECT_NEAR((app->Options.*c.option).r, 1.0f, 1e-6f);
    }
}

// A speed field that is not a number: the defaults replace the text colours and the two colours
// after them (borders 1 and 2); the other borders keep what the fields gave them.
TEST_F(Dco, UnreadableNumberFieldTakesTheDefaultColours) {
    for (int i = 0; i < 8; ++i) app->SetCaption(app->SettingsDialog, app->Lib.colors[i], "10203040");
    app->PVLOptionFromDialog(false);
    app->SetCaption(app->SettingsDialog, app->Lib.rot[0], "schnell");
    app->PVLOptionFromDialog(false);
    struct Case {
        TPVLColor TPVLOptions::*option;
        float r;
    };
    const float k = 1.0f / 99;
    const Case cases[] = {
        {&TPVLOptions::TextColor, 1},          {&TPVLOptions::HighlightTextColor, 1},
        {&TPVLOptions::DisabledTextColor, 1},  {&TPVLOptions::DefaultColors, 50 * k},
        {&TPVLOptions::DialogColor, 50 * k},   {&TPVLOptions::FrameColorLower, 10 * k},
        {&TPVLOptions::FrameColorEnd, 10 * k}, {&TPVLOptions::ElementColor, 10 * k},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_NEAR((app->Options.*c.option).r, c.r, 1e-6f);
    }
    EXPECT_EQ(app->Options.RotSpeeds[0], 550);
}

// "Jetzt ändern" lights for a new resolution line, a switch between window and full screen on
// that line, a new volume or music choice; the detail and effect choosers take effect at once.
TEST_F(Dco, ApplyButtonFollowsResolutionAndSound) {
    const int gd = app->GraphicsDialog;
    struct Case {
        const char* what;
        std::function<void()> change;
        bool lit;
    };
    const Case cases[] = {
        {"nothing", [] {}, false},
        {"resolution line", [&] { app->dlg(gd).el(app->Lib.resolutions).SelIndex = 3; }, true},
        {"full screen", [&] { app->SetBoolean(gd, app->Lib.full, true); }, true},
        {"volume 1", [&] { app->SetTopIndex(gd, app->Lib.volume[0], 2); }, true},
        {"volume 3", [&] { app->SetTopIndex(gd, app->Lib.volume[2], 5); }, true},
        {"music", [&] { app->SetTopIndex(gd, app->Lib.music, 3); }, true},
        {"geometry detail", [&] { app->SetTopIndex(gd, app->Lib.geometry, 5); }, false},
        {"effects", [&] { app->SetTopIndex(gd, app->Lib.effects, 4); }, false},
        {"effects detail", [&] { app->SetTopIndex(gd, app->Lib.effectsDetail, 4); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app->dlg(gd).el(app->Lib.resolutions).SelIndex = 2;
        app->SetBoolean(gd, app->Lib.full, false);
        app->PVLOptionFromDialog(true);
        c.change();
        app->PVLOptionFromDialog(false);
        EXPECT_EQ(app->dlg(gd).el(app->Lib.change).Enabled, c.lit ? 1 : 0);
        app->PVLOptionFromDialog(true);  // in force now
        app->PVLOptionFromDialog(false);
        EXPECT_EQ(app->dlg(gd).el(app->Lib.change).Enabled, 0);
    }
    // Volumes are kept as 7 minus the chooser's position.
    app->SetTopIndex(gd, app->Lib.volume[1], 6);
    app->PVLOptionFromDialog(false);
    EXPECT_EQ(app->Volumes[1], 1);
}

// ---------------------------------------------------------------- raw records

class Raw : public GuiTest {};

TEST_F(Raw, RoundTripKeepsRecordAndPainters) {
    int d = dialogAt(10, 20, 300, 200, "Tisch");
    int b = app->CreateObject(ekButton, 5, 5, "!OK");
    int painted = 0;
    app->SetPaintCall(d, b, [&](int, int, int, int) { ++painted; });
    app->SetBoolean(d, b, true);
    std::filesystem::path f = dir / "spiel._sk";
    ASSERT_TRUE(app->SaveExactlyToFile(d, f));
    std::vector<char> saved(sizeof(TPVLDialog));
    std::memcpy(saved.data(), &app->dlg(d), sizeof(TPVLDialog));
    app->SetBoolean(d, b, false);
    app->dlg(d).X = 99;
    ASSERT_TRUE(app->LoadExactlyFromFile(d, f));
    EXPECT_EQ(std::memcmp(saved.data(), &app->dlg(d), sizeof(TPVLDialog)), 0);
    ASSERT_NE(app->PaintCallOf(d, b), nullptr);
    (*app->PaintCallOf(d, b))(d, b, 0, 0);
    EXPECT_EQ(painted, 1);
}

TEST_F(Raw, DamagedRecordsAreRefusedBeforeAnythingIsApplied) {
    int d = dialogAt(10, 20, 300, 200, "Tisch");
    app->CreateObject(ekButton, 5, 5, "!OK");
    std::filesystem::path f = dir / "r._x";
    ASSERT_TRUE(app->SaveExactlyToFile(d, f));
    std::string good;
    ASSERT_TRUE(fileio::readAll(f, good));
    auto patch = [&](size_t at, const void* v, size_t n) {
        std::string s = good;
        std::memcpy(s.data() + at, v, n);
        return s;
    };
    const int16_t tooMany = 126, negative = -1;
    const int32_t slot = app->Scon.SlotCount, badSlot = -3;
    const int8_t children = 81;
    const int32_t wide = 2147483000;
    const float huge = 1.6e19f, nan = std::numeric_limits<float>::quiet_NaN();
    const size_t el1 = offsetof(TPVLDialog, Elements);
    struct Case {
        const char* what;
        std::string data;
        const char* message;
    };
    const Case cases[] = {
        {"short", good.substr(0, 36183), "statt 36184 Bytes"},
        {"long", good + "x", "statt 36184 Bytes"},
        {"ElementCount 126", patch(36032, &tooMany, 2), "ElementCount 126"},
        {"ElementCount -1", patch(36032, &negative, 2), "ElementCount -1"},
        {"FirstSlot at SlotCount", patch(32 + 220, &slot, 4), "FirstSlot"},
        {"FirstSlot negative", patch(32 + 220, &badSlot, 4), "FirstSlot -3"},
        {"ChildCount 81", patch(32 + 218, &children, 1), "ChildCount 81"},
        // Values the painters and the hit test would overflow on.
        {"Width near 2^31", patch(el1 + offsetof(TPVLElement, Width), &wide, 4), "Width 2147483000 (e1)"},
        {"Height near 2^31", patch(el1 + offsetof(TPVLElement, Height), &wide, 4), "Height 2147483000 (e1)"},
        {"Scale 1.6e19", patch(el1 + offsetof(TPVLElement, Scale), &huge, 4), "Scale (e1)"},
        {"Scale NaN", patch(el1 + offsetof(TPVLElement, Scale), &nan, 4), "Scale (e1)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(fileio::writeAll(f, c.data));
        app->dlg(d).X = 77;
        msgsink::clear();
        EXPECT_FALSE(app->LoadExactlyFromFile(d, f));
        EXPECT_EQ(app->dlg(d).X, 77);
        EXPECT_TRUE(capture.contains(text::w("Fehler in pvl.LoadExactlyFromFile")));
        EXPECT_TRUE(capture.contains(c.message));
    }
    // Bytes where a painter pointer once lay never come back.
    const uint64_t stale = 0x1122334455667788ull;
    ASSERT_TRUE(fileio::writeAll(f, patch(32 + 248, &stale, 8)));
    ASSERT_TRUE(app->LoadExactlyFromFile(d, f));
    for (uint8_t byte : el(d, 1).PaintCall) EXPECT_EQ(byte, 0);
}

}  // namespace

namespace {

// "Einstellungen" in the settings dialog: a changed graphics choice makes a new GL context
// with the textures and reads the option files again; an unchanged one does neither.
TEST_F(Dco, SettingsApplyRebuildsTheContextWhenTheGraphicsChanged) {
    const int gd = app->GraphicsDialog, sd = app->SettingsDialog;
    int rebuilt = 0;
    app->Hooks.rebuildContext = [&] { ++rebuilt; };
    app->dlg(gd).el(app->Lib.resolutions).SelIndex = 2;
    app->PVLOptionFromDialog(true);
    app->CreateClickEvent(sd, app->Lib.apply);
    EXPECT_EQ(rebuilt, 0);
    app->dlg(gd).el(app->Lib.resolutions).SelIndex = 3;
    app->CreateClickEvent(sd, app->Lib.apply);
    EXPECT_EQ(rebuilt, 1);
    EXPECT_EQ(app->Options.AppliedGraphics, app->Options.ChosenGraphics);
    EXPECT_TRUE(std::filesystem::exists(dir / "pvlopt.dco"));
    EXPECT_EQ(count(pvl::peOptionsApplied, -9), 2);
    app->CreateClickEvent(sd, app->Lib.apply);
    EXPECT_EQ(rebuilt, 1);
}

// "Zurück" in the graphics dialog: in window mode, with the display as applied, the window
// takes the height of the chosen mode and four thirds of it as width.
TEST_F(Dco, BackInWindowModeResizesToTheChosenMode) {
    const int gd = app->GraphicsDialog;
    app->listResolutions({{640, 480, 32}, {1280, 800, 32}, {1920, 1080, 32}});
    int resized = 0;
    app->Hooks.windowMode = [&] { ++resized; };
    struct Case {
        const char* what;
        int line;
        bool full;
        int resizes, width, height;
    };
    const Case cases[] = {
        {"1280 x 800", 2, false, 1, 1067, 800},
        {"1920 x 1080", 3, false, 1, 1440, 1080},
        {"full screen", 2, true, 0, 0, 0},
        {"no such line", 9, false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        resized = 0;
        app->Options.WindowWidth = app->Options.WindowHeight = 0;
        app->SetBoolean(gd, app->Lib.full, c.full);
        app->dlg(gd).el(app->Lib.resolutions).SelIndex = static_cast<int16_t>(c.line);
        app->CallDialog(gd);
        app->CreateClickEvent(gd, app->Lib.back);
        EXPECT_FALSE(app->dlg(gd).Visible);
        EXPECT_EQ(resized, c.resizes);
        EXPECT_EQ(app->Options.WindowWidth, c.width);
        EXPECT_EQ(app->Options.WindowHeight, c.height);
    }
}

}  // namespace
