// The frame loop's model part, modal waits, message boxes, screen shapes and the library's
// own dialogs.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "gui/glstate.h"
#include "gui/pvl.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/text.h"
#include "platform/ticks.h"

namespace pvl {

namespace {
int rnd(double v) { return static_cast<int>(num::round(v)); }
int16_t i16(int64_t v) { return static_cast<int16_t>(num::clamp<int64_t>(v, INT16_MIN, INT16_MAX)); }
}  // namespace

// One open message box; boxes opened inside a waiting one stack up, each keeps its answer.
struct TPVLApplication::MsgLevel {
    bool done = false;
    int answer = 0;
};

// ---------------------------------------------------------------- frame loop

void TPVLApplication::timingFrame() {
    uint32_t now = ticks::now();
    if (ticks::elapsed(SmoothTick, now) > 1000) {
        FpsSmooth = 0.4f * Fps + 0.3f * FpsHistory[0] + 0.2f * FpsHistory[1] + 0.1f * FpsHistory[2];
        FpsHistory[2] = FpsHistory[1];
        FpsHistory[1] = FpsHistory[0];
        FpsHistory[0] = Fps;
        SmoothTick = now;
    }
    uint32_t el = ticks::elapsed(RateTick, now);
    if (el <= 200) return;
    RateIndex = RateIndex >= 1 && RateIndex < 5 ? RateIndex + 1 : 1;
    RawRate = static_cast<float>(FrameCount / (el / 200.0));
    float ring = RateRing[RateIndex - 1];
    // A ring still at 0 (first periods) cannot be divided by: start it afresh.
    float ratio = ring > 0.0f ? RawRate / ring : 0.0f;
    if (ratio < 0.7f || ratio > 1.3f)
        for (float& r : RateRing) r = RawRate;
    RateRing[RateIndex - 1] = RawRate;
    int64_t sum = 0;
    double genau = 0.0;
    for (float r : RateRing) {
        sum = static_cast<int64_t>(static_cast<double>(sum) + r);
        genau += r;
    }
    // Below five frames a second each period counts less than one frame, every step above drops
    // it and the rate would read 0, with which no card ever moves again: the whole sum serves.
    if (sum == 0 && genau > 0.0) sum = std::max<int64_t>(1, std::llround(genau));
    if (FpsBlendTick != 0) {
        uint32_t age = ticks::elapsed(FpsBlendTick, now);
        if (age > 80) Fps = 0.5f * Fps + 0.5f * static_cast<float>(sum);
        if (age > 500) FpsBlendTick = 0;
    } else {
        Fps = static_cast<float>(sum);
    }
    RateTick = now;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(Fps));
    std::string rate = buf;
    while (!rate.empty() && rate.back() == '0') rate.pop_back();
    if (!rate.empty() && rate.back() == '.') rate.pop_back();
    if (validElement(SettingsDialog, Lib.fps)) dlg(SettingsDialog).el(Lib.fps).Caption = rate;
    if (validElement(TopPanel, FpsLabel)) {
        SetCaption(TopPanel, FpsLabel, "FPS " + rate + "\r" + Options.StatusText.str());
        dlg(TopPanel).el(FpsLabel).X = 600;
    }
    FrameCount = 0;
    FpsUpdated = 1;
}

void TPVLApplication::Mainloop(bool modal) {
    ++FrameCount;
    FpsUpdated = 0;
    timingFrame();
    uint32_t now = ticks::now();
    const bool wire = Options.RenderFlags[dbgWireFrame - 2] != 0;
    const bool every200th = Options.RenderFlags[dbgEvery200th - 2] != 0;
    const bool debugDraw = wire || every200th;
    if (!Host.active() && !debugDraw && FrameCount % 50 != 0) {
        if (InactiveFrames == 0) {
            timingSaved_.rateTick = RateTick;
            timingSaved_.smoothTick = SmoothTick;
            timingSaved_.savedAt = now;
            timingSaved_.fps = Fps;
            std::copy(std::begin(RateRing), std::end(RateRing), timingSaved_.ring);
        }
        if (InactiveFrames < 100) ++InactiveFrames;
        Host.waitMessage();
        return;
    }
    if (InactiveFrames > 0) {
        // Back from the background: the rate goes on from where it stood, not from the
        // few frames drawn meanwhile.
        uint32_t away = ticks::elapsed(timingSaved_.savedAt, now);
        RateTick = timingSaved_.rateTick + away;
        SmoothTick = timingSaved_.smoothTick + away;
        restoreUntil_ = now + 200;
        restoring_ = true;
        InactiveFrames = 0;
    }
    if (restoring_) {
        const uint32_t left = ticks::elapsed(now, restoreUntil_);
        if (left > 0 && left <= 200) {
            Fps = timingSaved_.fps;
            std::copy(std::begin(timingSaved_.ring), std::end(timingSaved_.ring), RateRing);
        } else {
            restoring_ = false;
        }
    }
    for (TPVLBlendSlot& b : Options.Blend) {
        if (b.State == 0) continue;
        double f = b.Duration > 0 ? ticks::elapsed(b.Start, now) / static_cast<double>(b.Duration) : 1.0;
        double c = num::clamp(f, 0.0, 1.0);
        b.Level = static_cast<float>(b.State == 1 ? c : 1.0 - c);
        if (f > 0.99999) b.State = 0;
    }
    if (Minimized && Host.active()) {
        // Back from the task bar: the game runs again.
        Minimized = 0;
        Freeze = 0;
    }
    const bool drawThis = !every200th || FrameCount % 200 == 0;
    if (drawThis) {
        if (Hooks.beginFrame) Hooks.beginFrame();
        DialogBlendCheck();
    }
    event(peFrame, modal ? 0 : -2);
    if (drawThis && !NoPaint && Hooks.paintDialogs) {
        Hooks.paintDialogs();
        if (wire && Hooks.wireFrame) Hooks.wireFrame();
    }
    NoPaint = 0;
    if (!NoPresent && drawThis) Host.present();
    NoPresent = 0;
    Host.processMessages();
    frameRateTest();
    pvlhost::Point c = Host.cursor();
    pvlhost::Rect w = Host.window();
    int x = c.x - w.left, y = c.y - w.top;
    if (Is5x4()) x = rnd(4.0 * x / 5.0 / 0.75);
    bool same = x == LastX && y == LastY;
    MouseX = x;
    MouseY = y;
    Coords(x, y, 1, true, same, false);
}

void TPVLApplication::frameRateTest() {
    if (TestStart == -1) return;
    const uint32_t now = ticks::now();
    if (TestStart == 1) {
        TestStart = static_cast<int32_t>(now);
        TestFrames = 0;
        return;
    }
    if (ticks::elapsed(static_cast<uint32_t>(TestStart), now) < 2000) {
        ++TestFrames;
        return;
    }
    TestStart = -1;
    if (validElement(SettingsDialog, Lib.marker)) SetCaption(SettingsDialog, Lib.marker, "second");
    if (TestFrames <= 30)
        msgbox(text::w("HARDWARE-GRAFIKBESCHLEUNIGUNG FÜR OPENGL NICHT AKTIV.\r"
                       "INSTALLIEREN SIE DEN NEUSTEN GRAFIKKARTENTREIBER.\r\r"
                       "Das Spiel kann nur stark ruckelnd ausgeführt werden.\r"
                       "Hilfe zu dem Problem finden Sie im Startmenü unter \"Technische Probleme\"."),
               "Achtung!", 0, "", 0, false);
}

void TPVLApplication::waitforclick() {
    WaitFlag = 1;
    while (WaitFlag && validDialog(CurrentDialog) && dlg(CurrentDialog).Visible && AppState != 3)
        Mainloop(true);
    WaitFlag = 0;
}

void TPVLApplication::freezeme() {
    Freeze = 1;
    WaitFlag = 1;
    while (WaitFlag && validDialog(CurrentDialog) && dlg(CurrentDialog).Visible && AppState != 3)
        Mainloop(true);
    WaitFlag = 0;
    Freeze = 0;
}

void TPVLApplication::closeme() {
    if (CloseQueryCall && !CloseQueryCall()) return;
    AppState = 3;
}

// ---------------------------------------------------------------- message boxes

void TPVLApplication::msgLayout(std::string_view txt, std::string_view title, int kind,
                                std::string_view buttonLabel, int xmode) {
    TPVLDialog& g = dlg(MsgDialog);
    g.X = xmode == 1 ? 160 : 100;
    g.el(MsgText).Y = kind == 1 ? 50 : 60;
    const int yes = MsgButtons[0], no = MsgButtons[1], ok = MsgButtons[2];
    if (kind < 2) {
        SetVisibleAbsolute(MsgDialog, yes, false);
        SetVisibleAbsolute(MsgDialog, no, false);
        SetVisibleAbsolute(MsgDialog, ok, true);
        SetCaption(MsgDialog, ok,
                   buttonLabel.empty() ? std::string("!OK") : std::string(buttonLabel.substr(0, 24)));
        MsgValues[2] = idOk;
    } else if (kind == 4) {
        SetVisibleAbsolute(MsgDialog, yes, true);
        SetCaption(MsgDialog, yes, "!Ja");
        MsgValues[0] = idYes;
        SetVisibleAbsolute(MsgDialog, no, true);
        SetCaption(MsgDialog, no, "!Nein");
        MsgValues[1] = idNo;
        SetVisibleAbsolute(MsgDialog, ok, false);
    }
    int n = 0, col = 0;
    const int wrap = g.el(MsgText).Width - 5;
    for (char ch : txt) {
        ++col;
        if (col > wrap || ch == '\r') {
            ++n;
            col = 0;
        }
    }
    int buttonsY;
    if (kind == 1) {
        g.Height = i16(n * 22 + 135);
        g.Y = i16(450 - n * 11);
        buttonsY = n * 22 + 97;
    } else {
        g.Height = i16(n * 22 + 165);
        g.Y = i16(230 - n * 11);
        buttonsY = n * 22 + 115;
    }
    for (int b = std::min(ok, no); b <= std::max(ok, no); ++b) g.el(b).Y = i16(buttonsY);
    if (!title.empty()) SetCaption(MsgDialog, 1, title);
    SetCaption(MsgDialog, MsgText, txt);
}

void TPVLApplication::msgShow(bool overlay) {
    if (overlay) {
        VsbDialog(MsgDialog, 1);
    } else if (dlg(MsgDialog).Visible && CurrentDialog != MsgDialog) {
        // The box is up under dialogs called over it (the game menu, the save dialog): the new
        // box goes on top of them. Calling it would close every dialog above the box below.
        dlg(MsgDialog).Parent = i16(CurrentDialog);
        ShowDialog(MsgDialog);
    } else {
        CallDialog(MsgDialog);
    }
}

int TPVLApplication::msgbox(std::string_view txt, std::string_view title, int kind,
                            std::string_view buttonLabel, int xmode, bool overlay) {
    if (!validDialog(MsgDialog) || !validElement(MsgDialog, MsgButtons[1]) ||
        !validElement(MsgDialog, MsgText)) {
        // Before start-up there is no box to show: the text is only recorded.
        msgsink::show(std::string(txt));
        return MsgAnswer;
    }
    // A box opened while another is up: keep the outer one to bring it back afterwards.
    struct Outer {
        TPVLDialog rec;
        std::string title, text, buttons[3];
        int values[3];
        int current, key;
    };
    std::unique_ptr<Outer> outer;
    const bool outerWaits = !msgStack_.empty() && !msgStack_.back()->done;
    if (outerWaits || (msgThen_ && dlg(MsgDialog).Visible)) {
        outer = std::make_unique<Outer>();
        std::memcpy(static_cast<void*>(&outer->rec), &dlg(MsgDialog), sizeof(TPVLDialog));
        outer->title = GetCaption(MsgDialog, 1, false);
        outer->text = GetCaption(MsgDialog, MsgText, false);
        for (int i = 0; i < 3; ++i) {
            outer->buttons[i] = GetCaption(MsgDialog, MsgButtons[i], false);
            outer->values[i] = MsgValues[i];
        }
        outer->current = CurrentDialog;
        outer->key = DialogList.KeyDialog;
    }

    msgLayout(txt, title, kind, buttonLabel, xmode);
    msgShow(overlay);

    MsgLevel level;
    level.answer = MsgAnswer;
    msgStack_.push_back(&level);
    InMsgBox = 1;
    // After the level is pushed, so that its click answers this box and not a waiting outer one.
    if (Hooks.statisticsRefresh) Hooks.statisticsRefresh();
    while (!level.done && InMsgBox && dlg(MsgDialog).Visible && AppState != 3) Mainloop(true);
    msgStack_.pop_back();
    InMsgBox = 0;

    if (outer) {
        std::memcpy(static_cast<void*>(&dlg(MsgDialog)), &outer->rec, sizeof(TPVLDialog));
        SetCaption(MsgDialog, 1, outer->title);
        SetCaption(MsgDialog, MsgText, outer->text);
        for (int i = 0; i < 3; ++i) {
            SetCaption(MsgDialog, MsgButtons[i], outer->buttons[i]);
            MsgValues[i] = outer->values[i];
        }
        CurrentDialog = outer->current;
        DialogList.KeyDialog = outer->key;
        InMsgBox = outerWaits ? 1 : 0;
    }
    return level.done ? level.answer : MsgAnswer;
}

void TPVLApplication::msgboxThen(std::string_view txt, std::string_view title, std::string_view buttonLabel,
                                 std::function<void()> answered) {
    if (!validDialog(MsgDialog) || !validElement(MsgDialog, MsgButtons[2]) ||
        !validElement(MsgDialog, MsgText)) {
        msgsink::show(std::string(txt));
        if (answered) answered();
        return;
    }
    msgLayout(txt, title, 0, buttonLabel, 0);
    msgShow(false);
    msgThen_ = std::move(answered);
    if (Hooks.statisticsRefresh) Hooks.statisticsRefresh();
}

void TPVLApplication::msgboxDrop() {
    if (!msgThen_) return;
    msgThen_ = nullptr;
    if (!validDialog(MsgDialog)) return;
    if (CurrentDialog == MsgDialog) {
        HideDialog(MsgDialog);
    } else {
        // Under other dialogs: it only goes; they keep their order.
        dlg(MsgDialog).Visible = 0;
        dlg(MsgDialog).Parent = -1;
    }
}

void TPVLApplication::showme(std::string_view txt, std::string_view title) {
    if (!validElement(ErrorDialog, ErrorOk) || !validElement(ErrorDialog, ErrorText)) return;
    int n = static_cast<int>(txt.size() / 47);
    TPVLDialog& g = dlg(ErrorDialog);
    g.Height = i16(n * 22 + 140);
    g.Y = i16(230 - n * 11);
    g.el(ErrorOk).Y = i16(n * 22 + 95);
    if (!title.empty()) SetCaption(ErrorDialog, 1, title);
    SetCaption(ErrorDialog, ErrorText, txt);
    CallDialog(ErrorDialog);
}

void TPVLApplication::exceptme(std::string_view txt) {
    static bool inside = false;  // an error while showing an error is only recorded
    if (inside) return;
    inside = true;
    msgsink::error(std::string(txt));  // once running, the sink shows it in the error dialog
    inside = false;
}

void TPVLApplication::showglinfo() {
    // Without a context GL gives no strings.
    auto str = [](GLenum e) {
        const auto* p = reinterpret_cast<const char*>(glGetString(e));
        return p ? std::string(p) : std::string("-");
    };
    std::string t = "Renderer: " + str(GL_RENDERER) + "\rVersion: " + str(GL_VERSION) +
                    "\rHersteller: " + str(GL_VENDOR) + "\rErweiterungen: " + str(GL_EXTENSIONS);
    msgbox(t, "OpenGL", 0, "!OK", 0, false);
}

// ---------------------------------------------------------------- stopwatches

void TPVLApplication::timeini(int count) {
    Timer = TPVLTimer{};
    Timer.Count = std::clamp(count, 0, 20);
    Timer.Start[0] = ticks::now();
}

void TPVLApplication::timestart(int i, std::string_view name) {
    if (i < 1 || i > 20) return;
    Timer.Names[i] = name;
    timestart0(i);
}

void TPVLApplication::timestart0(int i) {
    if (i >= 1 && i <= 20) Timer.Start[i] = ticks::now();
}

void TPVLApplication::timestop(int i) {
    if (i < 1 || i > 20) return;
    const uint32_t ms = ticks::elapsed(Timer.Start[i], ticks::now());
    if (ms > 0 && ms < 0x80000000u) Timer.Ms[i] += ms;
}

std::string TPVLApplication::timeText() const {
    const uint32_t total = ticks::elapsed(Timer.Start[0], ticks::now());
    std::string t;
    for (int i = 1; i <= Timer.Count; ++i) {
        const int64_t share = total > 0 ? static_cast<int64_t>(num::round(Timer.Ms[i] * 100.0 / total)) : 0;
        t += "Nr. " + text::fromInt(i) + ": " + text::fromInt(Timer.Ms[i]) + " ms " + text::fromInt(share) +
             " %\r";
    }
    return t + "Zeit gesamt: " + text::fromInt(total);
}

void TPVLApplication::timeshow() { msgbox(timeText(), "Spielergebnis", 0, "!Weiter", 0, false); }

// ---------------------------------------------------------------- screen shape

void TPVLApplication::FormResize(int width, int height) {
    if (width <= 0 || height <= 0) return;
    // The snap below resizes the window, which comes back here with the size just applied.
    if (AppState == 2 && width == WindowWidth && height == WindowHeight) return;
    const double r = static_cast<double>(height) / width;
    const double d43 = std::fabs(r - 0.75), d169 = std::fabs(r - 0.5625), d1024 = std::fabs(r - 0.5859375),
                 d1610 = std::fabs(r - 0.625), d54 = std::fabs(r - 0.8);
    uint8_t* f = Options.AspectFlags;
    std::fill(f, f + 5, 0);
    auto freeAspect = [&] {
        return static_cast<float>(num::clamp(static_cast<double>(width) / height, 1.33, 1.85));
    };
    if (d1024 < d1610 && d1024 < d169) {
        f[4] = 1;
        Options.Aspect = freeAspect();
    } else if (d54 < d1610 && d54 < d43 && d54 < d169 && d54 < 0.015) {
        f[3] = 1;
        Options.Aspect = 4.0f / 3.0f;
    } else if (d43 < d1610 && d43 < d169 && d43 < 0.015) {
        f[0] = 1;
        Options.Aspect = 4.0f / 3.0f;
    } else if (d169 < d1610 && d169 < 0.015) {
        f[1] = 1;
        Options.Aspect = 16.0f / 9.0f;
    } else if (d1610 < 0.015) {
        f[2] = 1;
        Options.Aspect = 1.6f;
    } else {
        f[4] = 1;
        Options.Aspect = freeAspect();
    }
    int32_t* o = Options.WideOffsets;
    if (f[2]) {
        o[0] = 90, o[1] = 68, o[2] = -20;
    } else if (f[1]) {
        o[0] = 140, o[1] = 110, o[2] = -30;
    } else if (f[4]) {
        o[0] = 115, o[1] = 89, o[2] = -25;
    } else {
        o[0] = o[1] = o[2] = 0;
    }
    if (AppState > 1 && AppState != 3) {
        AppState = 1;
        if (SavedResize) SavedResize();
        int ch = rnd((width / static_cast<double>(Options.Aspect) + height) / 2.0);
        int cw = rnd(ch * static_cast<double>(Options.Aspect));
        AppState = 2;
        pvlhost::Rect w = Host.window();
        WindowWidth = cw;
        WindowHeight = ch;
        Host.setWindow({w.left, w.top, cw, ch});
        ResizeViewport(cw, ch);
        if (validElement(SettingsDialog, Lib.winWidth))
            SetCaption(SettingsDialog, Lib.winWidth, text::fromInt(cw));
        if (validElement(SettingsDialog, Lib.winHeight))
            SetCaption(SettingsDialog, Lib.winHeight, text::fromInt(ch));
    }
}

void TPVLApplication::ResizeViewport(int width, int height) {
    int sh = Host.screen().y;
    if (sh > 0) height = std::min(height, sh);
    if (height <= 0) return;
    double a = 4.0 / 3.0;
    if (IsFree())
        a = num::clamp(static_cast<double>(width) / height, 1.33, 1.85);
    else if (Is16x9())
        a = static_cast<double>(width) / height;
    else if (Is16x10())
        a = 1.6;
    bool changed = a != ViewAspect;
    ViewAspect = a;
    if (changed) newAspect();
    width = rnd(height * ViewAspect);
    ViewWidth = width;
    ViewHeight = height;
    if (Hooks.viewport) Hooks.viewport();
}

void TPVLApplication::Relayout(bool save) {
    const int n = DialogList.Count;
    if (save) {
        WideLayout = 1;
        for (int d = 1; d <= n; ++d) {
            TPVLDialog& g = dlg(d);
            g.OrigX = g.X;
            g.OrigWidth = g.Width;
            for (int e = 1; e <= g.ElementCount; ++e) {
                g.el(e).ElemOrigX = g.el(e).X;
                g.el(e).ElemOrigWidth = g.el(e).Width;
            }
        }
    }
    if (!WideLayout) return;
    if (Is4x3() || Is5x4()) {
        // Dialog 14 keeps its place but its narrow elements were resized: restore them too.
        for (int d = 1; d <= n; ++d) {
            if (d == MsgDialog) continue;
            TPVLDialog& g = dlg(d);
            if (d != 14) {
                g.X = i16(g.OrigX);
                g.Width = i16(g.OrigWidth);
            }
            for (int e = 1; e <= g.ElementCount; ++e) {
                g.el(e).X = i16(g.el(e).ElemOrigX);
                g.el(e).Width = g.el(e).ElemOrigWidth;
            }
        }
    } else if (Is16x9() || Is16x10() || IsFree()) {
        const double f = (4.0 / 3.0) / ViewAspect;
        for (int d = 1; d <= n; ++d) {
            if (d == MsgDialog) continue;
            TPVLDialog& g = dlg(d);
            bool left = false;
            if (d != 14) {
                if (g.OrigX < 21 && g.OrigX + g.OrigWidth / 2.0 < 300) {
                    left = true;
                    g.Width = i16(rnd(g.OrigWidth * f * 1.1));
                } else if (g.OrigX >= 20 && g.OrigX + g.OrigWidth / 2.0 > 500) {
                    g.X = i16(g.OrigX + g.Width - rnd(g.OrigWidth * f));
                } else {
                    g.Width = i16(rnd(g.OrigWidth * f));
                    g.X = i16(rnd(400 - g.Width * 0.505));
                }
            }
            const double k = left ? 1.05 : 1.0;
            for (int e = 1; e <= g.ElementCount; ++e) {
                TPVLElement& el = g.el(e);
                if (d != 14) {
                    if (d <= 6 || d == 15 || d == 41) {
                        int ox = el.ElemOrigX;
                        el.X = i16(ox - rnd((813 - ox) * 1.09 * f - (813 - ox)));
                    } else {
                        el.X = i16(rnd(el.ElemOrigX * f * k));
                    }
                }
                if (el.Kind != ekLabel && (d != 14 || el.ElemOrigWidth <= 45))
                    el.Width = rnd(el.ElemOrigWidth * f * k);
            }
        }
    }
    event(peRelayout, 0);
}

float TPVLApplication::linRatAddition(float v16x9, float v16x10, float v4x3) const {
    return glstate::linRat(Options.AspectFlags, ViewAspect, v16x9, v16x10, v4x3);
}

// ---------------------------------------------------------------- library dialogs

void TPVLApplication::buildLibraryDialogs() {
    const std::string exe = ExeName;
    ErrorDialog = CreateCustomDialog(100, 200, 600, 190, true, text::w("Fehler in ") + exe, 1, 0, "", 1.0f);
    ErrorText = CreateCustomObject(ekLabel, 20, 45, "Unbekannter Fehler", 47, 2, 0.0f, 1.0f);
    ErrorOk = CreateCustomObject(ekButton, 240, 140, "!OK", 120, 32, 0.0f, 1.0f);
    MsgDialog = CreateCustomDialog(100, 200, 600, 190, true, exe, 0, 10, "", 1.5f);
    MsgText = CreateObject(ekLabel, 20, 60, "Messagetext");

    FirstPanel = CreateCustomDialog(0, 0, 0, 0, false, "#firstpanel", 0, 0, "", 1.0f);
    HelpPanel = CreateCustomDialog(4, 6, 680, 160, false, "", 1, 0, "", 1.0f);
    HintDialog = HelpPanel;
    HintLabel = CreateCustomObject(ekLabel, 10, 10, "Hilfetext", 80, 2, 0.0f, 1.0f);
    TopPanel = CreateCustomDialog(0, 0, 0, 0, false, "", 1, 0, "", 1.0f);
    CreateSpecialObject(ekImage, 785, 3, 22, 22, skCloseIcon, "");
    CreateSpecialObject(ekImage, 785, 25, 22, 22, skMinimize, "");
    CreateSpecialObject(ekImage, 785, 47, 22, 22, skMoveHandle, "");
    CreateSpecialObject(ekImage, 785, 582, 22, 22, skResizeHandle, "");
    FpsLabel = CreateObject(ekLabel, 692, 29, "FPS:0");
    int status = CreateObject(ekLabel, 2, 2, "");
    SetVisibleAbsolute(TopPanel, FpsLabel, false);
    SetVisibleAbsolute(TopPanel, status, false);
    VsbDialog(TopPanel, 1);

    // Settings dialog: two pages of a paged container.
    SettingsDialog = CreateCustomDialog(50, 50, 700, 500, true, "Pavlunekit - Einstellungen", 1, 0, "", 1.0f);
    Lib.pages = CreateCustomObject(ekPagedContainer, 10, 40, "", 680, 400, 1.0f, 1.0f);
    auto onPage = [&](int e, int page) {
        if (e <= 0) return;
        AddChild(Lib.pages, e);
        dlg(SettingsDialog).el(e).PageIndex = static_cast<int16_t>(page);
    };
    auto field = [&](int page, int y, const char* label, const char* value, int mode) {
        onPage(CreateObject(ekLabel, 20, y, text::w(label)), page);
        int f = CreateCustomObject(ekEdit, 260, y, text::w(value), 200, mode, 0.0f, 1.0f);
        onPage(f, page);
        return f;
    };
    onPage(CreateObject(ekHeading, 20, 50, "Schrift/Border"), 1);
    Lib.font = field(1, 70, "Font (Charwidth):", "Arial", 0);
    const char* colorLabels[8] = {
        "Schrift (normal) RGBA:", "Schrift (fokus) RGBA:", "Schrift (disabled) RGBA:",
        "Border 1 (oben) RGBA:",  "Border 2 (def) RGBA:",  "Border 3 (unten) RGBA:",
        "Border 4 (weg) RGBA:",   "Elem-Backgr. RGBA:"};
    // Border 1 and 2 are the start values of DefaultColors and DialogColor; the lower body stays
    // as dark as the dialog colour so that white text reads on the whole of a bowed frame.
    const char* colorValues[8] = {"99999999", "99999999", "99999999", "00354570",
                                  "00003380", "00003380", "00354570", "00354570"};
    for (int i = 0; i < 8; ++i) Lib.colors[i] = field(1, 96 + 26 * i, colorLabels[i], colorValues[i], 0);
    Lib.folder = field(1, 304, "Pavlune-Ordner:", "data\\pavlune\\", 0);
    Lib.percent = field(1, 330, "Schriftabstand %:", "100", 1);
    onPage(CreateObject(ekLabel, 20, 356, "Windowstyle:"), 1);
    Lib.windowStyle = CreateCustomObject(ekChooser, 260, 356, "HorList2", 200, 25, 0.0f, 1.0f);
    onPage(Lib.windowStyle, 1);
    for (const char* s : {"Default", "Rounded", "Gebogen"}) AddString(Lib.windowStyle, s, 0);
    SetTopIndex(SettingsDialog, Lib.windowStyle, 2);
    onPage(CreateObject(ekLabel, 20, 386, "Highlight:"), 1);
    Lib.highlight = CreateCustomObject(ekChooser, 260, 386, "HorList2", 200, 25, 0.0f, 1.0f);
    onPage(Lib.highlight, 1);
    for (const char* s : {"Shining", "Shining+Turning", "Spiegel", "Schatten"})
        AddString(Lib.highlight, s, 0);
    SetTopIndex(SettingsDialog, Lib.highlight, 1);
    onPage(CreateObject(ekHeading, 20, 50, "Infos"), 2);
    Lib.fps = field(2, 70, "FPS:", "0", 0);
    Lib.winLeft = field(2, 96, "Position:", "0", 1);
    Lib.winTop = field(2, 122, "", "0", 1);
    Lib.winWidth = field(2, 148, "Fenster:", "640", 1);
    Lib.winHeight = field(2, 174, "", "480", 1);
    // Developer choosers for single GL states; the first start leaves every one at its first line.
    onPage(CreateObject(ekHeading, 400, 50, "OpenGL"), 2);
    const char* glLabels[7] = {"GL_CULL_FACE:", "GL_DEPTH_TEST:", "GL_COL.MATERIAL:", "GL_BLEND:",
                               "GL_MATERIAL:",  "Stenciltest:",   "16 Bit Test:"};
    for (int i = 0; i < 7; ++i) {
        const int y = 70 + 40 * i;
        onPage(CreateObject(ekLabel, 400, y, glLabels[i]), 2);
        const int c = CreateCustomObject(ekChooser, 400, y + 16, "HorList2", 240, 22, 0.0f, 1.0f);
        onPage(c, 2);
        if (i == 2 || i == 4) {
            for (const char* l :
                 {"Disabled", "GL_EMISSION", "GL_AMBIENT", "GL_DIFFUSE", "GL_SPECULAR", "GL_AMBIENT&D."})
                AddString(c, l, 0);
            // The material chooser offers two modes more.
            if (i == 4)
                for (const char* l : {"GL_SHININESS", "GL_COLOR_INDEXES"}) AddString(c, l, 0);
        } else {
            for (const char* l : {"Enabled", "Disabled"}) AddString(c, l, 0);
        }
        SetTopIndex(SettingsDialog, c, 1);
        Lib.glSwitches[i] = c;
    }
    onPage(CreateObject(ekHeading, 20, 210, "Sonstige"), 2);
    Lib.rot[0] = field(2, 230, "Drehgeschw.", "550", 1);
    Lib.rot[1] = field(2, 256, "", "200", 1);
    Lib.rot[2] = field(2, 282, "", "50", 1);
    // The first-start marker is a hidden text field: text fields are what the settings file
    // brings back, so the graphics test runs on the first start only.
    Lib.marker = CreateCustomObject(ekEdit, 20, 470, "first", 200, 0, 0.0f, 1.0f);
    SetVisibleAbsolute(SettingsDialog, Lib.marker, false);
    Lib.page1 = CreateObject(ekButton, 20, 450, "!Schrift");
    Lib.page2 = CreateObject(ekButton, 170, 450, "!Border");
    Lib.apply = CreateObject(ekButton, 320, 450, "!Einstellungen");
    Lib.graphics = CreateObject(ekButton, 470, 450, "!Grafikoptionen");
    Lib.glinfo = CreateCustomObject(ekButton, 620, 10, "!GLInfo", 70, 26, 0.0f, 1.0f);
    Lib.close = CreateCustomObject(ekButton, 620, 40, "!Aktualisieren", 70, 26, 0.0f, 1.0f);
    SetPageIndex(SettingsDialog, Lib.pages, 1);
    Options.SettingsDialog = SettingsDialog;

    // Graphics and sound dialog: the display modes on the left, the detail and sound choosers on
    // the right, each label on its chooser's row as in the program's own option pages.
    GraphicsDialog = CreateCapDialog(true, "Grafik/Sound");
    Lib.back = CreateObject(ekButton, 470, 430, text::w("!Zurück"));
    Lib.resolutions = CreateCustomObject(ekList, 40, 85, "", 230, 240, 0.0f, 1.0f);
    // "Fenster" and "Vollbild" are alternatives: the heading is their group, so a click on one
    // clears the other.
    const int modeGroup = CreateObject(ekHeading, 20, 230, "Bildschirmmodus");
    Lib.windowed = CreateCustomObject(ekCheckBox, 40, 340, "Fenster", -1, -1, 0.0f, 1.0f);
    Lib.full = CreateCustomObject(ekCheckBox, 40, 375, "Vollbild", -1, -1, 0.0f, 1.0f);
    AddChild(modeGroup, Lib.windowed);
    AddChild(modeGroup, Lib.full);
    SetBoolean(GraphicsDialog, Lib.windowed, true);
    Lib.change = CreateObject(ekButton, 20, 430, text::w("!Jetzt ändern"));
    CreateObject(ekHeading, 330, 50, "Detail");
    auto chooser = [&](int y, int x, int width, const char* label, std::initializer_list<const char*> lines,
                       int top) {
        CreateObject(ekLabel, 320, y, text::w(label));
        int c = CreateCustomObject(ekChooser, x, y + 5, "HorList2", width, 20, 0.0f, 1.0f);
        for (const char* s : lines) AddString(c, text::w(s), 0);
        SetTopIndex(GraphicsDialog, c, top);
        return c;
    };
    // The detail labels are longer than the sound labels; both columns end at the same arrow.
    Lib.texture = chooser(85, 460, 120, "Texturdetail", {"Niedrig", "Standard", "Hoch"}, 2);
    Lib.geometry = chooser(121, 460, 120, "Geometr. Detail",
                           {"Sehr niedrig", "Niedrig", "Standard", "Hoch", "Sehr hoch"}, 3);
    Lib.effects =
        chooser(157, 460, 120, "Effekte (nur 32 Bit)", {"Keine", "Reflektion", "Schatten", "Alle"}, 1);
    Lib.effectsDetail =
        chooser(193, 460, 120, "Effekte Detail", {"Niedrig", "Standard", "Hoch", "Sehr hoch"}, 1);
    CreateObject(ekHeading, 330, 232, "Sound/Musik");
    const char* vol[] = {"Effekte", "Sprache", "Musik (Lautst.)"};
    for (int i = 0; i < 3; ++i)
        Lib.volume[i] = chooser(267 + 36 * i, 430, 150, vol[i],
                                {"Aus", "Ein (20%)", "Ein (40%)", "Ein (60%)", "Ein (80%)", "Ein (100%)"}, 6);
    Lib.music = chooser(375, 430, 150, "Musik", {"Alle", "Chill (1 bis 9)", "Action (10 bis 18)"}, 1);
    // The visible section headings come last so that the saved states of the elements above keep
    // their places.
    CreateCustomObject(ekContainer, 30, 50, "Bildschirmmodus", 290, 150, 0.0f, 1.0f);
    CreateCustomObject(ekContainer, 325, 50, "Detail", 295, 150, 0.0f, 1.0f);
    CreateCustomObject(ekContainer, 325, 232, "Sound/Musik", 295, 150, 0.0f, 1.0f);
    Options.GraphicsDialog = GraphicsDialog;
    Options.TopPanel = TopPanel;
    Options.FpsLabel = FpsLabel;
}

bool TPVLApplication::windowSizeFromChoice() {
    const int line = dlg(GraphicsDialog).el(Lib.resolutions).SelIndex;
    if (line < 1 || line > static_cast<int>(DisplayModes.size())) return false;
    const int h = DisplayModes[static_cast<size_t>(line - 1)].height;
    if (h <= 0) return false;
    Options.WindowHeight = h;
    Options.WindowWidth = static_cast<int32_t>(num::round(h / 3.0 * 4.0));
    return true;
}

void TPVLApplication::msgButtons() {
    if (validElement(MsgDialog, MsgButtons[2])) return;  // made once
    SetCreateIn(MsgDialog);
    MsgButtons[2] = CreateCustomSpecialObject(ekImage, 275, 135, 140, 40, skCaptionButton, "!Center", "", 45,
                                              40, 20, 5, 1.3f);
    MsgButtons[0] = CreateCustomSpecialObject(ekImage, 215, 135, 140, 40, skCaptionButton, "!Left", "", 45,
                                              40, 20, 5, 1.3f);
    MsgButtons[1] = CreateCustomSpecialObject(ekImage, 335, 135, 140, 40, skCaptionButton, "!Right", "", 45,
                                              40, 20, 5, 1.3f);
}

void TPVLApplication::libraryClick(int d, int e) {
    if (d == ErrorDialog && e == ErrorOk) HideDialog(ErrorDialog);
    if (d == MsgDialog) {
        for (int i = 0; i < 3; ++i) {
            if (e != MsgButtons[i] || e == 0) continue;
            MsgAnswer = MsgValues[i];
            std::function<void()> then;
            if (!msgStack_.empty()) {
                msgStack_.back()->done = true;
                msgStack_.back()->answer = MsgValues[i];
            } else {
                then = std::move(msgThen_);
                msgThen_ = nullptr;
            }
            HideDialog(MsgDialog);
            if (then) then();
        }
    }
    if (d == GraphicsDialog) {
        if (e == Lib.full && isChecked(GraphicsDialog, Lib.full)) {
            // In window mode the list's line is the window's size; a full screen of that size
            // leaves most of a larger screen empty, so the screen's own mode becomes the choice
            // (another line can still be picked before "Jetzt ändern").
            const pvlhost::Point s = Host.screen();
            int idx = modeIndex(s.x, s.y, 32);
            if (!idx) idx = modeIndex(s.x, s.y, 16);
            if (idx) {
                SetSelIndex(GraphicsDialog, Lib.resolutions, idx);
                SetTopIndex(GraphicsDialog, Lib.resolutions, idx - 1);
            }
        }
        if (e == Lib.back) {
            HideDialog(GraphicsDialog);
            event(peOptionsApplied, -9);
            // Back in window mode with the display as applied: the window takes the chosen size.
            PVLOptionFromDialog(false);
            if (!Options.FullScreen && Options.ChosenDisplay == Options.AppliedDisplay &&
                windowSizeFromChoice() && Hooks.windowMode)
                Hooks.windowMode();
        } else if (e == Lib.change) {
            PVLOptionFromDialog(true);
            savelibrary();
            if (Hooks.changeDisplay) Hooks.changeDisplay();
            event(peOptionsApplied, -9);
        }
    }
    if (d == SettingsDialog) {
        if (e == Lib.page1) SetPageIndex(SettingsDialog, Lib.pages, 1);
        if (e == Lib.page2) SetPageIndex(SettingsDialog, Lib.pages, 2);
        if (e == Lib.close) HideDialog(SettingsDialog);
        if (e == Lib.glinfo) showglinfo();
        if (e == Lib.graphics) CallDialog(GraphicsDialog);
        if (e == Lib.apply) {
            PVLOptionFromDialog(false);
            const bool graphicsChanged = Options.ChosenGraphics != Options.AppliedGraphics;
            PVLOptionFromDialog(true);
            savelibrary();
            if (graphicsChanged) {
                if (Hooks.rebuildContext) Hooks.rebuildContext();
                loadcompletely();
            }
            event(peOptionsApplied, -9);
        }
    }
}

}  // namespace pvl
