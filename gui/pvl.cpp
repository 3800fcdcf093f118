#include "gui/pvl.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/fileio.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/text.h"

namespace pvl {

namespace {
int16_t i16(int64_t v) { return static_cast<int16_t>(num::clamp<int64_t>(v, INT16_MIN, INT16_MAX)); }
int rnd(double v) { return static_cast<int>(num::round(v)); }
std::string num2(int64_t v) { return text::fromInt(v); }
}  // namespace

// ---------------------------------------------------------------- string container

int32_t TPVLStringContainer::Reserve(int n) {
    if (n < 0) n = 0;
    SlotCount += n + 1;
    Slots.resize(static_cast<size_t>(SlotCount), 0);
    return SlotCount - 1;
}

bool TPVLStringContainer::Write(int32_t s, std::string_view t) {
    if (s <= 0 || s >= SlotCount) return false;  // slot 0 stays the empty string
    if (t.size() > 255) t = t.substr(0, 255);
    uint16_t& slot = Slots[static_cast<size_t>(s)];
    if (slot != 0) {
        Pool[slot] = std::string(t);
        return true;
    }
    if (PoolCount >= 65535) return false;  // pool indexes are 16-bit
    ++PoolCount;
    Pool.emplace_back(t);
    slot = static_cast<uint16_t>(PoolCount);
    return true;
}

std::string TPVLStringContainer::Read(int32_t s) const {
    if (s <= 0 || s >= SlotCount) return {};
    return Pool[Slots[static_cast<size_t>(s)]];
}

// ---------------------------------------------------------------- construction

TPVLApplication::TPVLApplication(pvlhost::Host& host, std::filesystem::path appDir, std::string exeName)
    : Host(host), AppDir(std::move(appDir)), ExeName(std::move(exeName)) {
    fileio::writeAll(AppDir / "proto2.txt", std::string());
    auto slash = ExeName.find_last_of("\\/:");
    if (slash != std::string::npos) ExeName = ExeName.substr(slash + 1);
    ClickCall = [this](int d, int e) {
        ClickedDialog = d;
        ClickedElement = e;
        if (DblClick) DblClick(d, e);
    };
    DragCall = [](int, int) {};
    DownCall = [](int, int) {};
    Options.FontName = "Arial";
    Options.TexturePath = text::w("data\\pavlune\\");
    Options.TextColor = Options.HighlightTextColor = Options.DisabledTextColor = {1.0f, 1.0f, 1.0f, 1.0f};
    Options.DefaultColors = {0.0f, 35.0f / 99, 45.0f / 99, 70.0f / 99};
    Options.DialogColor = {0.0f, 0.0f, 33.0f / 99, 80.0f / 99};
    Options.TextFactor = 1.0f;
    Options.AspectFlags[0] = 1;
    Options.Aspect = 4.0f / 3.0f;
    buildLibraryDialogs();
    loadcompletely();
}

TPVLApplication::~TPVLApplication() {
    if (AppState >= 2) msgsink::setHandler(nullptr);
}

void TPVLApplication::Startup() {
    event(peStartup, -1);
    AppState = 2;
    FrameCount = 20;
    RateTick = SmoothTick = ticks::now();
    msgButtons();
    Relayout(true);
    msgsink::setHandler([this](msgsink::Kind k, const std::string& t) {
        if (k == msgsink::Kind::Error)
            showme(t, "");
        else
            msgbox(t, "", 0, "", 0, false);
    });
}

void TPVLApplication::event(int code, int arg) {
    if (OnEvent) OnEvent(code, arg);
}

float TPVLApplication::charwidth(std::string_view t) const {
    if (Hooks.charwidth) return Hooks.charwidth(t);
    // Without the font's width table: an average glyph.
    return static_cast<float>(t.size()) * 0.55f * TextWidthFactor;
}

void TPVLApplication::wrp2(std::string_view line) {
    fileio::append(AppDir / "proto2.txt", std::string(line) + "\r\n");
}

// ---------------------------------------------------------------- ids and errors

bool TPVLApplication::validElement(int d, int e) const {
    return validDialog(d) && e >= 1 && e <= DialogList.Dialogs[d].ElementCount && e <= MaxElements;
}

void TPVLApplication::idError(const char* where, int d, int e) {
    exceptme("PVLApplication Error\r" + std::string(where) + ": invalid id d" + num2(d) + ".e" + num2(e));
}

TPVLDialog* TPVLApplication::dialog(int d, const char* where) {
    if (!validDialog(d)) {
        idError(where, d, 0);
        return nullptr;
    }
    return &DialogList.Dialogs[d];
}

TPVLElement* TPVLApplication::element(int d, int e, const char* where) {
    if (!validElement(d, e)) {
        idError(where, d, e);
        return nullptr;
    }
    return &DialogList.Dialogs[d].el(e);
}

void TPVLApplication::stringError(int d, int e) {
    int first = validElement(d % 1000, e) ? dlg(d % 1000).el(e).FirstSlot : 0;
    exceptme("PVLStringContainer Error\rOverflow at d" + num2(d) + ".e" + num2(e) + ".i" + num2(first));
}

// ---------------------------------------------------------------- lines

bool TPVLApplication::lineValid(int d, int e, int line) const {
    int second = d >= 1000 ? 1 : 0;
    if (d >= 1000) d -= 1000;
    if (!validElement(d, e) || line < 0) return false;
    const TPVLElement& el = DialogList.Dialogs[d].el(e);
    int offset = el.PairedLines ? 2 * line + second : line + second;
    int32_t first = el.FirstSlot;
    return first >= 0 && first < Scon.SlotCount && offset <= el.SlotReserve;
}

std::string TPVLApplication::ReadLine(int d, int e, int line) const {
    if (!lineValid(d, e, line)) return std::string(TPVLStringContainer::EndMarker);
    int second = d >= 1000 ? 1 : 0;
    if (d >= 1000) d -= 1000;
    const TPVLElement& el = DialogList.Dialogs[d].el(e);
    int offset = el.PairedLines ? 2 * line + second : line + second;
    return Scon.Read(el.FirstSlot - offset);
}

bool TPVLApplication::WriteLine(int d, int e, int line, std::string_view t) {
    if (!lineValid(d, e, line)) {
        stringError(d, e);
        return false;
    }
    int second = d >= 1000 ? 1 : 0;
    int dd = d >= 1000 ? d - 1000 : d;
    const TPVLElement& el = dlg(dd).el(e);
    int offset = el.PairedLines ? 2 * line + second : line + second;
    if (!Scon.Write(el.FirstSlot - offset, t)) {
        stringError(d, e);
        return false;
    }
    return true;
}

std::string TPVLApplication::joinLines(int d, int e, int from, int to) const {
    std::string r;
    for (int i = from; i <= to; ++i) {
        std::string l = ReadLine(d, e, i);
        if (l.compare(0, 20, "_pvl-stringcontainer") == 0) break;
        r += l;
    }
    return r;
}

// ---------------------------------------------------------------- creation

int TPVLApplication::CreateCustomDialog(int x, int y, int width, int height, bool exclusive,
                                        std::string_view caption, uint8_t style, uint16_t extra,
                                        std::string_view txt, float scale) {
    int d = ++DialogList.Count;
    CreateInDialog = d;
    DialogList.Dialogs.resize(static_cast<size_t>(d) + 1);
    std::memset(static_cast<void*>(&DialogList.Dialogs[d]), 0, sizeof(TPVLDialog));
    TPVLDialog& g = DialogList.Dialogs[d];
    if (!txt.empty()) g.PaintFlag = 0;
    g.Exists = 1;
    g.X = i16(x);
    g.Y = i16(y);
    g.Width = i16(width);
    g.Height = i16(height);
    const TPVLColor c = Options.DefaultColors;
    g.Colors[0] = c.r;
    g.Colors[1] = c.g;
    g.Colors[2] = c.b;
    g.Colors[3] = c.a;
    g.Exclusive = exclusive ? 1 : 0;
    g.Parent = -1;
    g.Caption = caption.substr(0, 100);
    g.Style = style;
    g.Extra = static_cast<int16_t>(extra);
    if (WideLayout) {
        g.OrigX = g.X;
        g.OrigWidth = g.Width;
    }
    if (!caption.empty() && caption != "h" && caption[0] != '#')
        CreateCustomObject(ekLabel, 0, rnd((scale - 1.0) * 20.0), caption, width, 32, 1.0f, 0.95f * scale);
    return d;
}

void TPVLApplication::SetNewDialog(int d, int16_t extra, std::string_view txt, float scale, uint8_t style) {
    TPVLDialog* g = dialog(d, "SetNewDialog");
    if (!g) return;
    g->Extra = extra;
    if (txt.empty()) return;
    g->PaintFlag = 0;
    g->Style = style;
    const int shift = rnd((scale - 1.0) * 12.0);
    const int n = std::min<int>(g->ElementCount, MaxElements);
    for (int e = 1; e <= n; ++e) {
        TPVLElement& el = g->el(e);
        if (e == 1) {
            el.Scale = scale;
            el.Y = i16(el.Y + rnd(shift * 1.5));
        } else {
            el.Y = i16(el.Y + shift);
        }
    }
}

int TPVLApplication::CreateCapDialog(bool large, std::string_view caption) {
    if (large) return CreateCustomDialog(80, 50, 640, 500, true, caption, 1, 0, "", 1.0f);
    return CreateCustomDialog(300, 80, 220, 410, true, caption, 1, 0, "", 1.0f);
}

int TPVLApplication::CreateCustomObject(int kind, int x, int y, std::string_view caption, int width,
                                        int height, float option, float scale) {
    int d = CreateInDialog;
    TPVLDialog* g = dialog(d, "CreateCustomObject");
    if (!g) return 0;
    if (g->ElementCount >= MaxElements) {
        exceptme("PVLApplication Error\rCreateCustomObject: more than " + num2(MaxElements) +
                 " elements in d" + num2(d));
        return 0;
    }
    int id = ++g->ElementCount;
    TPVLElement& el = g->el(id);
    std::memset(static_cast<void*>(&el), 0, sizeof(TPVLElement));
    el.Kind = static_cast<uint8_t>(kind);
    int slots = 1;
    switch (kind) {
        case ekList:
        case ekPlainList:
        case ekChooser:
            slots = 200;
            break;
        case ekScrollText:
        case ekLongText:
            slots = 2000;
            break;
        case ekLabel:
            slots = width > 0 ? width : 2;
            break;
        case ekText:
            slots = 4;
            break;
        default:
            break;
    }
    el.FirstSlot = Scon.Reserve(slots);
    el.SlotReserve = i16(slots);
    el.PairedLines = caption == "highlight" ? 1 : 0;
    el.X = i16(x);
    el.Y = i16(y);
    el.Enabled = 1;
    el.Visible = 1;
    el.Angle = -100.0f;
    el.Fade.Shown = 1;
    el.Fade.Target = 1;
    el.Fade.Alpha = 1.0f;
    el.AnimSpeed = 0.05f;
    SetCaption(d, id, caption);
    // SetCaption may have re-created the block: re-read the record.
    TPVLElement& e = dlg(d).el(id);
    e.Scale = scale;
    auto def = [](int v, int dv) { return v == -1 ? dv : v; };
    switch (kind) {
        case ekButton:
            e.Width = def(width, 140);
            e.Height = def(height, 36);
            break;
        case ekLabel:
        case ekText: {
            const int w = width == -1 ? 58 : width;
            e.Width = rnd(w / static_cast<double>(TextWidthFactor));
            e.Height = def(height, 17);
            e.AnimSpeed = 0.0f;
            if (option == 1.0f) e.TopIndex = 1;
            break;
        }
        case ekCheckBox:
            // The caption argument: a long one is only "@scon" in the record by now.
            e.Width = rnd(charwidth(caption) * 11.5 + 42);
            e.Height = def(height, 26);
            e.AnimSpeed = 0.015f;
            e.Checked = 0;
            break;
        case ekArrow:
            e.Width = 25;
            e.Height = 25;
            break;
        case ekVBar:
            e.Width = 25;
            e.Height = height;
            break;
        case ekHBar:
            e.Width = width;
            e.Height = height;
            break;
        case ekImage:
            e.Width = width == -1 ? 0 : width;
            e.Height = height == 0 ? e.Width : height;
            e.Ti = i16(height);
            break;
        case ekEdit:
            e.Width = def(width, 200);
            e.Height = 26;
            e.Ti = i16(height);
            e.SelIndex = 0;
            e.TextView = i16(e.Width / 13);
            e.VisibleLines = i16(option == 0.0f ? 20 : rnd(option));
            e.TopIndex = 0;
            e.TextLimit = e.VisibleLines;
            e.AnimSpeed = 0.015f;
            break;
        case ekList:
        case ekPlainList:
        case ekScrollText:
        case ekChooser:
            e.Width = def(width, 200);
            e.Height = def(height, 128);
            e.AnimSpeed = 0.015f;
            break;
        case ekContainer:
        case ekPagedContainer:
            e.Width = def(width, 100);
            e.Height = def(height, 100);
            e.AnimSpeed = 0.0f;
            if (option == 1.0f) e.TopIndex = 1;
            if (kind == ekPagedContainer) {
                e.VisibleLines = 2;
                e.Ti = i16(rnd(option));
            }
            break;
        default:
            break;
    }
    if (kind == ekButton || kind == ekImage) {
        if (option == -1.0f)
            e.AnimSpeed = 0.0f;
        else if (option != 0.0f)
            e.AnimSpeed = option;
    }
    if (kind == ekList || kind == ekPlainList || kind == ekScrollText || kind == ekChooser) {
        e.LineHeight = scale <= 0.9f ? 19 : 24;
        e.VisibleLines = kind == ekChooser ? 1 : i16(e.Height / e.LineHeight);
        e.ListOption = (kind == ekList || kind == ekChooser) ? 1 : i16(rnd(option));
    }
    if (WideLayout) {
        e.ElemOrigX = e.X;
        e.ElemOrigWidth = e.Width;
    }
    // Compound kinds bring their children; they are made with the list's own geometry.
    const int w = e.Width, h = e.Height;
    auto attach = [&](int c) {
        if (c > 0) AddChild(id, c);
        return c;
    };
    if (kind == ekList || kind == ekScrollText) {
        attach(CreateObject(ekArrow, x + w, y + 2, "Up"));
        int dn = attach(CreateObject(ekArrow, x + w, y + h - 27, "Down"));
        if (dn > 0) dlg(d).el(dn).Checked = 1;
        attach(CreateCustomObject(ekVBar, x + w + 2, y + 28, "UpDown", -1, h - 58, 0.0f, 1.0f));
    } else if (kind == ekChooser) {
        int yo = caption == "HorList2" ? 0 : 28;
        attach(CreateObject(ekArrow, x + 6, y + yo, "Left"));
        int r = attach(CreateObject(ekArrow, x + w + 6, y + yo, "Right"));
        if (r > 0) dlg(d).el(r).Checked = 1;
        if (caption == "HorList2") {
            attach(CreateSpecialObject(ekImage, x + 35, y, w - 29, 25, 0, "ListText"));
        } else {
            attach(CreateCustomObject(ekHBar, x + 34, y + 28, "LeftRight", w - 30, h + 4, 0.0f, 1.0f));
            attach(CreateSpecialObject(ekImage, x + 36, y, w - 30, h + 4, 0, "ListText"));
        }
    }
    if (kind == ekArrow || kind == ekVBar || kind == ekHBar) {
        TPVLElement& f = dlg(d).el(id);
        if (kind != ekHBar) f.Width = 25;
        if (kind == ekArrow) f.Height = 25;
        f.AnimSpeed = 0.01f;
        if (WideLayout) f.ElemOrigWidth = f.Width;
    }
    return id;
}

int TPVLApplication::CreateSpecialObject(int kind, int x, int y, int width, int height, uint8_t subKind,
                                         std::string_view caption) {
    int d = CreateInDialog;
    TPVLDialog* g = dialog(d, "CreateSpecialObject");
    if (!g) return 0;
    if (g->ElementCount >= MaxElements) {
        exceptme("PVLApplication Error\rCreateSpecialObject: more than " + num2(MaxElements) +
                 " elements in d" + num2(d));
        return 0;
    }
    int id = ++g->ElementCount;
    TPVLElement& el = g->el(id);
    std::memset(static_cast<void*>(&el), 0, sizeof(TPVLElement));
    el.Kind = static_cast<uint8_t>(kind);
    el.X = i16(x);
    el.Y = i16(y);
    el.Visible = 1;
    el.Enabled = 1;
    SetCaption(d, id, caption);
    TPVLElement& e = dlg(d).el(id);
    e.SlotReserve = 0;
    e.AnimSpeed = 0.05f;
    e.SubKind = subKind;
    e.Scale = 1.0f;
    if (kind == ekImage) {
        if (subKind == skLibIcon) {
            e.Width = e.Height = 22;
            e.AnimSpeed = 0.01f;
        } else if (subKind == skImage) {
            e.Width = width;
            e.Height = height;
            e.AnimSpeed = 0.0001f;
        } else if (caption == "ListText") {
            e.Width = width;
            e.Height = height;
            e.AnimSpeed = 0.01f;
            e.Ti = -1;
        } else {
            e.Width = e.Height = 22;
            e.AnimSpeed = 0.005f;
        }
    }
    if (WideLayout) {
        e.ElemOrigX = e.X;
        e.ElemOrigWidth = e.Width;
    }
    return id;
}

int TPVLApplication::CreateCustomSpecialObject(int kind, int x, int y, int width, int height, uint8_t subKind,
                                               std::string_view caption, std::string_view, int textView,
                                               int shift, int selIndex, int topIndex, float scale) {
    int id = CreateCustomObject(kind, x - shift, y, caption, width + shift, height, 0.04f, 1.0f);
    if (id <= 0) return id;
    TPVLElement& e = dlg(CreateInDialog).el(id);
    if (subKind == skCaptionButton) {
        int w = rnd(charwidth(caption) * 11.5 * scale + 83);
        e.Width = w <= 140 ? 140 : w;
    }
    e.TextView = i16(textView);
    e.VisibleLines = i16(shift);
    e.SelIndex = i16(selIndex);
    e.Scale = scale;
    e.SubKind = subKind;
    e.TopIndex = i16(topIndex);
    if (subKind == skNoFocus) e.AnimSpeed = textView / 100.0f;
    if (WideLayout) e.ElemOrigWidth = e.Width;
    return id;
}

void TPVLApplication::AddString(int e, std::string_view t, int position) {
    int d = CreateInDialog;
    TPVLElement* el = element(d, e, "AddString");
    if (!el) return;
    if (position == -1) {
        int n = el->LineCount;
        if (!lineValid(d, e, n + 1)) {
            stringError(d, e);
            return;
        }
        for (int i = n; i >= 1; --i) WriteLine(d, e, i + 1, ReadLine(d, e, i));
        WriteLine(d, e, 1, t);
        el->LineCount = i16(n + 1);
    } else if (position == 0) {
        int n = el->LineCount + 1;
        if (!WriteLine(d, e, n, t)) return;
        el->LineCount = i16(n);
    } else {
        WriteLine(d + 1000, e, position, t);
    }
    el->ScrollLimit = el->LineCount;
    if (el->Kind == ekScrollText)
        el->ScrollLimit = i16(el->ListOption != 0 ? el->LineCount / el->ListOption - 2 : 0);
}

void TPVLApplication::AddChild(int parent, int child) {
    TPVLElement* p = element(CreateInDialog, parent, "AddChild");
    TPVLElement* c = element(CreateInDialog, child, "AddChild");
    if (!p || !c) return;
    if (p->ChildCount >= MaxChildren) {
        exceptme("PVLApplication Error\rAddChild: more than " + num2(MaxChildren) + " children at d" +
                 num2(CreateInDialog) + ".e" + num2(parent));
        return;
    }
    p->Children[p->ChildCount] = static_cast<int8_t>(child);
    p->ChildCount = static_cast<int8_t>(p->ChildCount + 1);
    c->ParentElement = i16(parent);
}

void TPVLApplication::AddBaby(int parent, int child) {
    TPVLElement* p = element(CreateInDialog, parent, "AddBaby");
    if (!p || !element(CreateInDialog, child, "AddBaby")) return;
    if (p->ChildCount >= MaxChildren) {
        exceptme("PVLApplication Error\rAddBaby: more than " + num2(MaxChildren) + " children at d" +
                 num2(CreateInDialog) + ".e" + num2(parent));
        return;
    }
    p->Children[p->ChildCount] = static_cast<int8_t>(child);
    p->ChildCount = static_cast<int8_t>(p->ChildCount + 1);
}

// ---------------------------------------------------------------- showing and hiding

void TPVLApplication::ShowDialog(int d) {
    TPVLDialog* g = dialog(d, "ShowDialog");
    if (!g) return;
    g->Visible = 1;
    CurrentDialog = d;
    DialogList.KeyDialog = d;
    if (!KbdNavigation) return;
    for (int e = 1; e <= g->ElementCount; ++e) {
        const TPVLElement& el = g->el(e);
        static const int focusable[] = {0, 4, 7, 8, 9, 10, 12, 13, 15, 17};
        if (std::find(std::begin(focusable), std::end(focusable), el.Kind) == std::end(focusable)) continue;
        if (el.SubKind == skNoFocus) continue;
        // A hidden button (the OK of a yes/no box) must not take Enter.
        if (!el.Visible || !el.Enabled) continue;
        bool captionButton = el.Kind == ekImage && el.SubKind == skCaptionButton;
        if (captionButton || KbdFocusOn) {
            KbdFocusOn = 1;
            KbdFocusElement = e;
            KbdFocusDialog = d;
            g->Focused = i16(e);
            break;
        }
    }
}

void TPVLApplication::CallDialog(int d) {
    TPVLDialog* g = dialog(d, "CallDialog");
    if (!g) return;
    int cur = CurrentDialog;
    for (int steps = 0; steps < 100; ++steps) {
        if (cur == 0 || cur == -1 || !validDialog(cur) || !dlg(cur).Visible || cur == d) break;
        cur = dlg(cur).Parent;
    }
    if (cur == d && g->Visible) {
        for (int guard = 0; guard < 1000 && CurrentDialog != d && validDialog(CurrentDialog); ++guard) {
            if (dlg(CurrentDialog).Stay) break;
            HideDialog(CurrentDialog);
        }
        if (CurrentDialog == d) return;
    }
    g->Parent = i16(CurrentDialog);
    ShowDialog(d);
}

void TPVLApplication::HideDialog(int d) {
    TPVLDialog* g = dialog(d, "HideDialog");
    if (!g) return;
    g->Visible = 0;
    if (g->Parent != -1) {
        int p = g->Parent;
        CurrentDialog = p;
        DialogList.KeyDialog = p;
        g->Parent = -1;
        KbdFocusOn = 0;
        if (KbdNavigation && validDialog(p)) {
            KbdFocusDialog = p;
            KbdFocusElement = dlg(p).Focused;
            KbdFocusOn = 1;
        }
    }
    if (!(validDialog(CurrentDialog) && dlg(CurrentDialog).Visible && dlg(CurrentDialog).Exclusive)) {
        CurrentDialog = FallbackDialog;
        DialogList.KeyDialog = FallbackDialog;
    }
}

void TPVLApplication::VsbDialog(int d, uint8_t visible) {
    if (TPVLDialog* g = dialog(d, "VsbDialog")) g->Visible = visible == 1 ? 1 : 0;
}

void TPVLApplication::fadeStep(TPVLFade& f, bool target) {
    uint32_t now = ticks::now();
    f.Target = target ? 1 : 0;
    if (target && !f.Shown) {
        f.Start = now;
        f.Duration = FadeDuration;
        f.State = 1;
    } else if (!target && f.Shown) {
        f.Start = now;
        f.Duration = FadeDuration;
        f.State = 2;
    }
    if (f.State != 0) {
        double frac = f.Duration > 0 ? ticks::elapsed(f.Start, now) / static_cast<double>(f.Duration) : 1.0;
        frac = num::clamp(frac, 0.0, 1.0);
        f.Alpha = static_cast<float>(f.State == 1 ? frac : 1.0 - frac);
        if (frac > 0.99999) f.State = 0;
    }
    f.Shown = f.Target;
}

void TPVLApplication::DialogBlendCheck() {
    for (int d = 1; d <= DialogList.Count; ++d) {
        TPVLDialog& g = dlg(d);
        bool wish = !(g.Caption == "#") && g.Exists && g.Visible && (d == CurrentDialog || !g.Exclusive);
        fadeStep(g.Fade, wish);
        for (int e = 1; e <= g.ElementCount && e <= MaxElements; ++e)
            fadeStep(g.el(e).Fade, wish && g.el(e).Visible);
    }
}

// ---------------------------------------------------------------- properties

bool TPVLApplication::isChecked(int d, int e) {
    TPVLElement* el = element(d, e, "isChecked");
    return el && el->Checked;
}
void TPVLApplication::SetBoolean(int d, int e, bool v) {
    if (TPVLElement* el = element(d, e, "SetBoolean")) el->Checked = v ? 1 : 0;
}
bool TPVLApplication::isEnabled(int d, int e) {
    TPVLElement* el = element(d, e, "isEnabled");
    return el && el->Enabled;
}
void TPVLApplication::SetEnabled(int d, int e, bool v) {
    if (TPVLElement* el = element(d, e, "SetEnabled")) el->Enabled = v ? 1 : 0;
}
bool TPVLApplication::isVisible(int d, int e) {
    TPVLElement* el = element(d, e, "isVisible");
    return el && (el->Visible || el->Fade.Shown || el->Fade.State == 2);
}
void TPVLApplication::SetVisible(int d, int e, bool v) {
    if (TPVLElement* el = element(d, e, "SetVisible")) el->Visible = v ? 1 : 0;
}
void TPVLApplication::SetVisibleAbsolute(int d, int e, bool v) {
    if (TPVLElement* el = element(d, e, "SetVisibleAbsolute")) {
        el->Visible = el->Fade.Shown = el->Fade.Target = v ? 1 : 0;
        el->Fade.State = 0;
        el->Fade.Alpha = v ? 1.0f : 0.0f;
    }
}

std::string TPVLApplication::GetCaption(int d, int e, bool zeroIfEmpty) {
    TPVLElement* el = element(d, e, "GetCaption");
    if (!el) return zeroIfEmpty ? "0" : "";
    std::string t = el->Caption.str();
    if (t == "@scon") t = joinLines(d, e, 0, 5);
    return t.empty() && zeroIfEmpty ? "0" : t;
}

// The hint (block 1) or the highlight (block 2): the record's short text, or the long text in
// the element's own block when the record only holds "@scon".
std::string TPVLApplication::shortOrLong(int d, int e, int which, const char* routine, bool zeroIfEmpty) {
    TPVLElement* el = element(d, e, routine);
    if (!el) return zeroIfEmpty ? "0" : "";
    std::string t = (which == 1 ? el->Hint : el->Highlight).str();
    if (t == "@scon") t = readLongText(d, e, which);
    return t.empty() && zeroIfEmpty ? "0" : t;
}

std::string TPVLApplication::GetHint(int d, int e, bool zeroIfEmpty) {
    return shortOrLong(d, e, 1, "GetHint", zeroIfEmpty);
}

std::string TPVLApplication::GetHighlight(int d, int e, bool zeroIfEmpty) {
    return shortOrLong(d, e, 2, "GetHighlight", zeroIfEmpty);
}

std::string TPVLApplication::GetText(int d, int e, bool zeroIfEmpty) {
    TPVLElement* el = element(d, e, "GetText");
    if (!el) return zeroIfEmpty ? "0" : "";
    std::string t = ReadLine(d, e, el->TopIndex);
    if (t.compare(0, 20, "_pvl-stringcontainer") == 0) t.clear();
    return t.empty() && zeroIfEmpty ? "0" : t;
}

void TPVLApplication::ReadSelIndex(int d, int e, int& v) {
    TPVLElement* el = element(d, e, "ReadSelIndex");
    v = el ? el->SelIndex : 0;
}
void TPVLApplication::ReadTopIndex(int d, int e, int& v) {
    TPVLElement* el = element(d, e, "ReadTopIndex");
    v = el ? el->TopIndex : 0;
}
void TPVLApplication::SetSelIndex(int d, int e, int v) {
    if (TPVLElement* el = element(d, e, "SetSelIndex")) el->SelIndex = static_cast<int16_t>(v);
}
void TPVLApplication::SetTopIndex(int d, int e, int v) {
    if (TPVLElement* el = element(d, e, "SetTopIndex")) el->TopIndex = static_cast<int16_t>(v);
}
void TPVLApplication::SetTi(int d, int e, int v) {
    if (TPVLElement* el = element(d, e, "SetTi")) el->Ti = static_cast<int16_t>(v);
}

void TPVLApplication::SetPageIndex(int d, int e, int page) {
    TPVLElement* el = element(d, e, "SetPageIndex");
    if (!el) return;
    el->PageIndex = static_cast<int16_t>(page);
    if (el->Kind != ekPagedContainer) return;
    for (int i = 1; i <= el->ChildCount; ++i) {
        int c = el->child(i);
        if (!validElement(d, c) || dlg(d).el(c).PageIndex == 0) continue;
        bool v = dlg(d).el(c).PageIndex == page;
        SetVisible(d, c, v);
        VsbChilds(d, c, v);
    }
}

void TPVLApplication::SetCaption(int d, int e, std::string_view t) {
    TPVLElement* el = element(d, e, "SetCaption");
    if (!el) return;
    if (t.size() < 25) {
        el->Caption = t;
    } else {
        if (el->SlotReserve < 4) {
            Scon.SlotCount += 4;  // these four are skipped for good: slot numbers depend on it
            Scon.Slots.resize(static_cast<size_t>(Scon.SlotCount), 0);
            el->SlotReserve = 4;
            el->FirstSlot = Scon.Reserve(4);
        }
        size_t pieces = (t.size() + 254) / 255;
        if (!lineValid(d, e, static_cast<int>(pieces))) {
            // No room for the text and its end line: report and keep the old caption.
            stringError(d, e);
            return;
        }
        el->Caption = "@scon";
        for (size_t i = 0; i < pieces; ++i) WriteLine(d, e, static_cast<int>(i), t.substr(i * 255, 255));
        WriteLine(d, e, static_cast<int>(pieces), TPVLStringContainer::EndMarker);
    }
    if (el->Kind == ekImage && el->SubKind == skCaptionButton)
        el->Width = rnd(charwidth(t) * 11.5 * el->Scale + 83);
}

void TPVLApplication::setLongText(int d, int e, int which, std::string_view t) {
    TPVLElement* el = element(d, e, which == 1 ? "SetHint" : "SetHighlight");
    if (!el) return;
    ShortString<24>& field = which == 1 ? el->Hint : el->Highlight;
    if (t.size() < 25) {
        field = t;
        return;
    }
    int pieces = static_cast<int>((t.size() + 254) / 255);
    LongText& lt = longTexts_[{d, e, which}];
    if (lt.reserve < pieces) {
        lt.reserve = static_cast<int16_t>(pieces);
        lt.firstSlot = Scon.Reserve(pieces);
    }
    for (int i = 0; i < pieces; ++i)
        Scon.Write(lt.firstSlot - i, t.substr(static_cast<size_t>(i) * 255, 255));
    Scon.Write(lt.firstSlot - pieces, TPVLStringContainer::EndMarker);
    field = "@scon";
}

std::string TPVLApplication::readLongText(int d, int e, int which) const {
    auto it = longTexts_.find({d, e, which});
    if (it == longTexts_.end()) return {};
    std::string r;
    for (int i = 0; i <= it->second.reserve; ++i) {
        std::string l = Scon.Read(it->second.firstSlot - i);
        if (l.compare(0, 20, "_pvl-stringcontainer") == 0) break;
        r += l;
    }
    return r;
}

void TPVLApplication::SetHint(int d, int e, std::string_view t) { setLongText(d, e, 1, t); }
void TPVLApplication::SetHighlight(int d, int e, std::string_view t) { setLongText(d, e, 2, t); }

void TPVLApplication::ChangeCaption(int d, int e, std::string_view t) {
    if (TPVLElement* el = element(d, e, "ChangeCaption")) el->Caption = t.substr(0, 24);
}

void TPVLApplication::DelStrings(int d, int e, bool reset) {
    TPVLElement* el = element(d, e, "DelStrings");
    if (!el) return;
    el->LineCount = 0;
    el->ScrollLimit = 0;
    if (!reset) return;
    el->SelIndex = el->TopIndex = el->TextView = 0;
    if (el->Kind != ekList) return;
    for (int i = 1; i <= el->ChildCount; ++i) {
        int c = el->child(i);
        if (!validElement(d, c)) continue;
        TPVLElement& ch = dlg(d).el(c);
        ch.SelIndex = ch.TopIndex = ch.TextView = 0;
    }
}

std::string TPVLApplication::GetLine(int d, int e, int line) {
    std::string t = ReadLine(d, e, line);
    return t == TPVLStringContainer::EndMarker ? std::string() : t;
}

void TPVLApplication::WriteString(int d, int e, std::string_view t, int line) {
    TPVLElement* el = element(d % 1000, e, "WriteString");
    if (el && line >= 0 && line <= el->LineCount) WriteLine(d, e, line, t);
}

void TPVLApplication::DrehDialog(int value, bool set, bool reverse) {
    TurnAngle = std::max(0.0f, value / 20.0f);
    if (set) TurnAngle = reverse ? -100.0f : 0.0f;
}

void TPVLApplication::SetPaintCall(int d, int e, TPVLPaintCall call) {
    if (!element(d, e, "SetPaintCall")) return;
    if (call)
        painters_[{d, e}] = std::move(call);
    else
        painters_.erase({d, e});
}

const TPVLPaintCall* TPVLApplication::PaintCallOf(int d, int e) const {
    auto it = painters_.find({d, e});
    return it == painters_.end() ? nullptr : &it->second;
}

}  // namespace pvl
