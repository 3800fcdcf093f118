// Pointer and keyboard input: hit test, element reactions, keyboard focus and text fields.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "gui/pvl.h"
#include "platform/num.h"
#include "platform/text.h"

namespace pvl {

namespace {
int rnd(double v) { return static_cast<int>(num::round(v)); }
int16_t i16(int64_t v) { return static_cast<int16_t>(num::clamp<int64_t>(v, INT16_MIN, INT16_MAX)); }
bool oneOf(int k, std::initializer_list<int> l) { return std::find(l.begin(), l.end(), k) != l.end(); }
const std::initializer_list<int> kFocusKinds = {0, 4, 7, 8, 9, 10, 12, 13, 15, 17};
constexpr double kPi = 3.14159265358979323846;
}  // namespace

// ---------------------------------------------------------------- pointer

// A press or release counts where it happened: the pointer is first moved there, so a quick
// click, a tap, or several clicks in one slow frame each reach the element under them.
void TPVLApplication::pointAt(int x, int y) { Coords(x, y, 1, true, x == LastX && y == LastY, false); }

void TPVLApplication::FormMouseDown(int x, int y) {
    PressPoint = {x, y};
    if (Is5x4()) x = rnd(4.0 * x / 5.0 / 0.75);
    pointAt(x, y);
    event(peFormMouseDown, -3);
    if (SavedMouseDown) SavedMouseDown(x, y);
    Coords(x, y, 2, true, false, false);
    MouseButtonDown = 1;
    KbdFocusOn = 0;
}

void TPVLApplication::FormMouseUp(int x, int y) {
    if (Is5x4()) x = rnd(4.0 * x / 5.0 / 0.75);
    if (SavedMouseUp) SavedMouseUp(x, y);
    pointAt(x, y);
    Coords(x, y, 0, true, false, false);
    MouseButtonDown = 0;
}

void TPVLApplication::FormMouseWheel(int delta) { Coords(MouseX, MouseY, delta, true, false, true); }

bool TPVLApplication::Coords(int x, int y, int mode, bool allowDrag, bool samePos, bool wheel) {
    LastX = x;
    LastY = y;
    LastMode = mode;
    for (int i = 0; i < 3; ++i) {
        if (Fps <= 0.0f || Freeze) break;  // no rate measured yet, or frozen: nothing turns
        float step = RotSpeed[i] * 5.0f / Fps / 5.0f;
        if (DebugRotation != 0) step /= 2.0f;
        RotAngle[i] += step;
        if (RotAngle[i] > 180.0f) RotAngle[i] = -180.0f;
        // A negative speed must wrap round as well instead of sticking at -180.
        if (RotAngle[i] < -180.0f) RotAngle[i] = 180.0f;
    }
    if (CurrentDialog != 0 && (CurrentDialog == SettingsDialog || CurrentDialog == GraphicsDialog))
        PVLOptionFromDialog(false);
    MouseX = x;
    MouseY = y;
    bool hit = false, covered = false;
    // The point in virtual units (807 x 607 over the view).
    const int vx = ViewWidth > 0 ? rnd(static_cast<double>(x) / ViewWidth * 807) : 0;
    const int vy = ViewHeight > 0 ? rnd(static_cast<double>(y) / ViewHeight * 607) : 0;
    for (int d = 1; d <= DialogList.Count; ++d) {
        {
            const TPVLDialog& g = dlg(d);
            if (!g.Exists || !g.Visible || (d != CurrentDialog && g.Exclusive)) continue;
        }
        for (int e = 1; validDialog(d) && e <= std::min<int>(dlg(d).ElementCount, MaxElements); ++e) {
            TPVLDialog& g = dlg(d);
            TPVLElement& el = g.el(e);
            if (oneOf(el.Kind, {ekHeading, ekContainer, ekPagedContainer})) continue;
            if (CaptionRelayout == 10 && el.Kind == ekImage && el.SubKind == skCaptionButton) {
                std::string c = GetCaption(d, e, false);
                dlg(d).el(e).Width =
                    rnd(charwidth(c) * 11.5 * el.Scale + 83) + (!c.empty() && c[0] == '!' ? 40 : 0);
            }
            bool testable = el.Enabled && el.Visible && el.SubKind != skImage && el.SubKind != skNoFocus;
            // A greyed element takes no press, but what lies under it must not get the press either.
            if (!testable && !el.Enabled && el.Visible && el.SubKind != skImage && el.SubKind != skNoFocus &&
                ViewWidth > 0 && ViewHeight > 0) {
                const int ex = g.X + el.X, ey = g.Y + el.Y;
                covered = covered || (ex <= vx && vx < ex + el.Width && ey <= vy && vy < ey + el.Height);
            }
            if (testable && ViewWidth > 0 && ViewHeight > 0) {
                int ex = g.X + el.X, ey = g.Y + el.Y;
                int mx = 0, my = 0;
                if ((el.Kind == ekVBar || el.Kind == ekHBar) && mode == 1 && el.MouseState == 2) mx = my = 26;
                if (el.Kind == ekImage && el.SubKind == skCaptionButton) {
                    mx = -24;
                    ex = ex - rnd(36 * std::sin((el.Y + g.Y) / 600.0 * kPi)) + 10;
                }
                if (el.Kind == ekImage && (el.SubKind == skMoveHandle || el.SubKind == skResizeHandle) &&
                    mode == 1 && el.MouseState == 2)
                    mx = my = 400;
                bool in =
                    ex - mx <= vx && vx < ex + el.Width + mx && ey - my <= vy && vy < ey + el.Height + my;
                if (!in) {
                    el.MouseState = 0;
                } else if (!wheel) {
                    hit = true;
                    if (mode == 2) KbdFocusOn = 0;
                    if (mode == 1 && !samePos) CreateMouseOverEvent(d, e);
                    if (!validElement(d, e)) break;
                    if (mode == 1 && dlg(d).el(e).MouseState == 2 && allowDrag) CreateMouseDragEvent(d, e);
                    if (!validElement(d, e)) break;
                    TPVLElement& m = dlg(d).el(e);
                    if (mode == 2 && m.MouseState == 1) {
                        CreateMouseDownEvent(d, e);
                        if (!validElement(d, e)) break;
                        dlg(d).el(e).MouseState = 2;
                    } else if (mode == 1 && m.MouseState == 0) {
                        m.MouseState = 1;
                    } else if (mode == 0 && m.MouseState == 2) {
                        m.MouseState = 1;
                        CreateClickEvent(d, e);
                        if (!validElement(d, e)) break;
                    }
                    TPVLElement& p = dlg(d).el(e);
                    int ey2 = dlg(d).Y + p.Y, ex2 = dlg(d).X + p.X;
                    if (oneOf(p.Kind, {ekVBar, ekList, ekPlainList, ekScrollText}))
                        p.PointerPos = i16(vy - ey2);
                    if (oneOf(p.Kind, {ekHBar, ekEdit})) p.PointerPos = i16(vx - ex2);
                } else if (oneOf(el.Kind, {ekArrow, ekVBar, ekList, ekPlainList, ekScrollText, ekLongText}) ||
                           (el.Kind == ekImage && el.Caption == "ListText")) {
                    const int delta = mode;
                    int t = e;
                    if (oneOf(el.Kind, {ekList, ekScrollText, ekLongText}))
                        t = el.ChildCount >= 3 ? el.child(3) : 0;
                    else if (el.Kind == ekImage)
                        t = el.ParentElement;
                    else if (el.Kind == ekArrow) {
                        int p = el.ParentElement;
                        if (validElement(d, p) && g.el(p).Kind == ekChooser)
                            t = p;
                        else
                            t = el.Checked ? e + 1 : e + 2;
                    }
                    if (validElement(d, t)) {
                        TPVLElement& te = g.el(t);
                        if (te.Kind == ekVBar) {
                            te.PointerPos = i16(te.TextView - delta / 12);
                            CreateMouseDragEvent(d, t);
                            hit = true;
                        } else if (te.Kind == ekChooser) {
                            int v = te.TopIndex + (delta > 0 ? 1 : -1);
                            if (te.LineCount >= 1)
                                te.TopIndex = i16(num::clamp(v, 1, static_cast<int>(te.LineCount)));
                        } else if (te.Kind == ekPlainList) {
                            te.PointerPos = i16(delta / 24 + te.TextView);
                            CreateMouseDragEvent(d, t);
                            hit = true;
                        }
                    }
                }
            }
            if (!hit) CreateMouseOutEvent(d, e);
        }
    }
    CaptionRelayout = 0;
    OverGui = hit || covered ? 1 : 0;
    return hit;
}

void TPVLApplication::CreateMouseOverEvent(int d, int e) {
    event(peElementOver, d * 100 + e);
    if (!validElement(d, e)) return;
    TPVLElement& el = dlg(d).el(e);
    if (KbdNavigation && oneOf(el.Kind, kFocusKinds) && el.SubKind != skNoFocus && dlg(d).LastClicked == 0) {
        KbdFocusElement = e;
        KbdFocusDialog = d;
    }
    if (el.Kind == ekPlainList) el.Active = 1;
    if (el.Kind == ekImage && el.SubKind == skCaptionButton) dlg(d).Focused = i16(e);
    if (HintsOn) {
        std::string h = GetHint(d, e, false);
        if (!h.empty() && h != "0" && validElement(HintDialog, HintLabel)) {
            SetCaption(HintDialog, HintLabel, h);
            VsbDialog(HintDialog, 1);
            HintedDialog = d;
            HintedElement = e;
            HintShown = 1;
        }
    }
    if (OverCall) OverCall(d, e);
}

void TPVLApplication::CreateMouseOutEvent(int d, int e) {
    event(peElementOut, -14);
    if (!validElement(d, e)) return;
    if (dlg(d).el(e).Kind == ekPlainList) dlg(d).el(e).Active = 0;
    if (HintShown && validDialog(HintDialog)) {
        if (d == HintedDialog && e == HintedElement) {
            VsbDialog(HintDialog, 0);
            HintShown = 0;
        }
        bool still = validElement(HintedDialog, HintedElement) && dlg(HintedDialog).Visible &&
                     isVisible(HintedDialog, HintedElement);
        if (!still) {
            VsbDialog(HintDialog, 0);
            HintShown = 0;
        }
    }
    if (OutCall) OutCall(d, e);
}

void TPVLApplication::CreateMouseDownEvent(int d, int e) {
    if (!validElement(d, e)) return;
    {
        TPVLElement& el = dlg(d).el(e);
        if (oneOf(el.Kind, {0, 4, 7, 8, 9, 10, 12, 13})) event(peElementDown, e);
    }
    if (!validElement(d, e)) return;
    TPVLElement& el = dlg(d).el(e);
    if (el.Kind == ekImage && (el.SubKind == skMoveHandle || el.SubKind == skResizeHandle)) {
        DragStart = {MouseX, MouseY};
    } else if (el.Kind == ekVBar || el.Kind == ekHBar) {
        if (el.TopIndex < el.PointerPos && el.PointerPos < el.TopIndex + el.AnimValue)
            el.TextView = el.PointerPos;
    } else if (el.Kind == ekPlainList) {
        el.TextView = el.PointerPos;
    } else if (el.Kind == ekEdit) {
        std::string c = GetCaption(d, e, false);
        const int len = static_cast<int>(c.size());
        const size_t from = static_cast<size_t>(std::max(1, static_cast<int>(el.TopIndex)) - 1);
        const double target = el.PointerPos / 12.0 * ViewAspect / 4.0 * 3.0 * 1.065 - 0.8;
        int n = 0;
        while (n <= len &&
               charwidth(from < c.size() ? std::string_view(c).substr(from, static_cast<size_t>(n))
                                         : std::string_view()) < target)
            ++n;
        dlg(d).el(e).SelIndex = i16(num::clamp(el.TopIndex + n, 0, len));
    }
    const int kd = DialogList.KeyDialog;
    if (kd > 0 && validDialog(kd) && validElement(kd, dlg(kd).Pressed)) {
        dlg(d).LastClicked = 0;
        int pe = dlg(kd).Pressed;
        TPVLElement& p = dlg(kd).el(pe);
        p.Active = 0;
        if (p.Kind == ekEdit && p.Ti == 1) {
            std::string c = GetCaption(kd, pe, false);
            // A numeric field is never left below 1.
            if (c.empty() || c == "0" || c == "00" || c == "000") SetCaption(kd, pe, "1");
        }
    }
    const int kind = dlg(d).el(e).Kind;
    if (KbdFocusOn && (kind == ekButton || kind == ekImage) && DownCall) DownCall(d, e);
    if (!validElement(d, e)) return;
    if (KbdFocusOn && !KbdNavigation && kind != ekEdit) return;
    DialogList.KeyDialog = d;
    dlg(d).Pressed = i16(e);
    if (kind == ekEdit) {
        dlg(d).el(e).Active = 1;
        dlg(d).LastClicked = i16(e);
        KbdFocusElement = e;
    }
    if (DownCall) DownCall(d, e);
}

void TPVLApplication::CreateMouseDragEvent(int d, int e) {
    e = std::abs(e);
    if (!validElement(d, e)) return;
    TPVLElement& el = dlg(d).el(e);
    if (el.Kind == ekImage && el.SubKind == skMoveHandle) {
        pvlhost::Rect w = Host.window();
        w.left += MouseX - DragStart.x;
        w.top += MouseY - DragStart.y;
        Host.setWindow(w);
    } else if (el.Kind == ekImage && el.SubKind == skResizeHandle) {
        pvlhost::Rect w = Host.window();
        w.width = std::max(400, w.width + MouseX - DragStart.x);
        w.height = std::max(300, w.height + MouseY - DragStart.y);
        DragStart = {MouseX, MouseY};
        Host.setWindow(w);
    } else if (el.Kind == ekHBar) {
        const int thumb = el.AnimValue;
        const int travel = el.Width - thumb;
        el.TopIndex = i16(num::clamp(el.PointerPos - thumb, 0, std::max(0, travel)));
        int p = el.ParentElement;
        // A bar with no travel has no position to map onto the chooser's lines.
        if (travel > 0 && validElement(d, p) && dlg(d).el(p).LineCount >= 1) {
            TPVLElement& c = dlg(d).el(p);
            int top = rnd(static_cast<double>(el.TopIndex) / travel * c.LineCount + 0.5);
            c.TopIndex = i16(num::clamp(top, 1, static_cast<int>(c.LineCount)));
            c.Caption = ReadLine(d, p, c.TopIndex).substr(0, 24);
        }
    } else if (el.Kind == ekPlainList) {
        if (el.TextView != el.PointerPos) {
            el.Angle -= static_cast<float>(el.PointerPos - el.TextView);
            el.TextView = el.PointerPos;
        }
    } else if (el.Kind == ekVBar) {
        if (el.TextView != el.PointerPos) {
            const int thumb = el.AnimValue;
            el.TopIndex = i16(el.TopIndex + el.PointerPos - el.TextView);
            el.TextView = el.PointerPos;
            el.TopIndex = i16(num::clamp(static_cast<int>(el.TopIndex), 0, std::max(0, el.Height - thumb)));
            el.VisibleLines = i16(el.Height - thumb);
            int p = el.ParentElement;
            if (validElement(d, p) && el.VisibleLines > 0) {
                TPVLElement& l = dlg(d).el(p);
                if (l.ScrollLimit - l.VisibleLines > 0)
                    l.TopIndex = i16(rnd(static_cast<double>(el.TopIndex) / el.VisibleLines *
                                         (l.ScrollLimit - l.VisibleLines)));
            }
        }
    }
    if (DragCall) DragCall(d, e);
}

// A list's bar follows the list's first shown line.
void TPVLApplication::listBarFollow(int d, int list) {
    TPVLElement& p = dlg(d).el(list);
    int b = p.ChildCount >= 3 ? p.child(3) : 0;
    if (validElement(d, b)) {
        TPVLElement& bar = dlg(d).el(b);
        const int span = p.ScrollLimit - p.VisibleLines;
        int top = span > 0 ? rnd(static_cast<double>(bar.Height - bar.AnimValue) * p.TopIndex / span) : 0;
        top = std::max(0, top);
        if (p.ScrollLimit != 0)
            bar.AnimValue = rnd(static_cast<double>(bar.Height - 58) * p.VisibleLines / p.ScrollLimit);
        bar.TopIndex = i16(std::min(top, bar.Height - bar.AnimValue));
    }
    p.TopIndex = i16(std::max(0, std::min<int>(p.TopIndex, p.ScrollLimit - p.VisibleLines)));
}

void TPVLApplication::CreateClickEvent(int d, int e) {
    if (!validElement(d, e)) return;
    TPVLElement& el = dlg(d).el(e);
    if (el.Kind == ekImage && el.SubKind == skMoveHandle) {
        pvlhost::Rect w = Host.window();
        pvlhost::Point s = Host.screen();
        if (w.left >= -12 && w.left <= 12) w.left = 0;
        if (w.top >= -12 && w.top <= 12) w.top = 0;
        if (std::abs(w.left + w.width - s.x) <= 12) w.left = s.x - w.width;
        if (std::abs(w.top + w.height - s.y) <= 12) w.top = s.y - w.height;
        Host.setWindow(w);
        if (validElement(SettingsDialog, Lib.winLeft))
            SetCaption(SettingsDialog, Lib.winLeft, text::fromInt(w.left));
        if (validElement(SettingsDialog, Lib.winTop))
            SetCaption(SettingsDialog, Lib.winTop, text::fromInt(w.top));
    }
    if (el.Kind == ekImage && el.SubKind == skMinimize && !Minimized) {
        Minimized = 1;
        if (!DevMode) Freeze = 1;
        Host.minimize();
    }
    if (el.Kind == ekImage && el.SubKind == skCloseIcon) event(peCloseButton, -33);
    if (!validElement(d, e)) return;
    TPVLElement& c = dlg(d).el(e);
    if (c.Kind == ekImage && c.SubKind == skHintSwitch) HintsOn = HintsOn ? 0 : 1;
    if (c.Kind == ekEdit) {
        c.Active = 1;
        dlg(d).LastClicked = i16(e);
    }
    const int parent = c.ParentElement;
    const bool parentValid = validElement(d, parent);
    if (c.Kind == ekImage && parentValid && dlg(d).el(parent).Kind == ekChooser) {
        TPVLElement& p = dlg(d).el(parent);
        p.TopIndex = i16(p.TopIndex >= p.LineCount ? 1 : p.TopIndex + 1);
        p.Caption = ReadLine(d, parent, p.TopIndex).substr(0, 24);
    }
    if (c.Kind == ekCheckBox) {
        c.Checked = c.Checked ? 0 : 1;
        if (parentValid && c.Ti != -1) {
            const TPVLElement& p = dlg(d).el(parent);
            for (int i = 1; i <= p.ChildCount; ++i) {
                int ch = p.child(i);
                if (validElement(d, ch) && dlg(d).el(ch).Kind == ekCheckBox)
                    dlg(d).el(ch).Checked = ch == e ? 1 : 0;
            }
            for (int i = 1; i <= dlg(d).el(parent).ChildCount; ++i) {
                int ch = dlg(d).el(parent).child(i);
                AbleChilds(d, ch, ch == e);
            }
        } else {
            AbleChilds(d, e, c.Checked != 0);
        }
    }
    if (dlg(d).el(e).Kind == ekArrow && parentValid) {
        const int dir = dlg(d).el(e).Checked ? 1 : -1;
        TPVLElement& p = dlg(d).el(parent);
        if (p.Kind == ekList || p.Kind == ekScrollText || p.Kind == ekPlainList) {
            p.TopIndex = i16(p.TopIndex + dir);
            listBarFollow(d, parent);
        } else if (p.Kind == ekChooser) {
            if (p.LineCount >= 1)
                p.TopIndex = i16(num::clamp(p.TopIndex + dir, 1, static_cast<int>(p.LineCount)));
            p.Caption = ReadLine(d, parent, p.TopIndex).substr(0, 24);
            int h = p.ChildCount >= 3 ? p.child(3) : 0;
            if (validElement(d, h) && dlg(d).el(h).Kind == ekHBar) {
                TPVLElement& bar = dlg(d).el(h);
                // A chooser of one line has nowhere to move its bar.
                bar.TopIndex = p.LineCount > 1 ? i16(rnd(static_cast<double>(p.TopIndex) / (p.LineCount - 1) *
                                                         (bar.Width - bar.AnimValue)))
                                               : 0;
            }
        }
    }
    if (dlg(d).el(e).Kind == ekList) {
        TPVLElement& l = dlg(d).el(e);
        if (KbdFocusOn) {
            l.SelIndex = i16(l.SelIndex >= l.LineCount ? 1 : l.SelIndex + 1);
            if (l.SelIndex > l.VisibleLines) l.TopIndex = i16(l.SelIndex - l.VisibleLines);
            if (l.SelIndex < l.TopIndex) l.TopIndex = i16(l.SelIndex - 1);
            listBarFollow(d, e);
        } else if (l.LineHeight > 0) {
            int line = (l.PointerPos - 5) / l.LineHeight + l.TopIndex + 1;
            if (line <= l.LineCount) l.SelIndex = i16(line);
            l.Caption = ReadLine(d, e, l.SelIndex).substr(0, 24);
        }
    }
    libraryClick(d, e);
    if (ClickCall) ClickCall(d, e);
    event(d, e);
}

void TPVLApplication::CreateExitEvent(int d, int e) {
    if (!validElement(d, e)) return;
    dlg(d).el(e).Active = 0;
    dlg(d).LastClicked = 0;
}

void TPVLApplication::AbleChilds(int d, int e, bool enabled) {
    // Children lists come from the program and raw files: a cycle must not recurse forever.
    static int depth = 0;
    if (!validElement(d, e) || depth > MaxElements) return;
    ++depth;
    const int n = dlg(d).el(e).ChildCount;
    for (int i = 1; i <= n && i <= MaxChildren; ++i) {
        int c = dlg(d).el(e).child(i);
        if (!validElement(d, c)) continue;
        TPVLElement& ch = dlg(d).el(c);
        ch.Enabled = enabled ? 1 : 0;
        if (ch.ChildCount > 0) AbleChilds(d, c, enabled && (ch.Kind != ekCheckBox || ch.Checked));
    }
    --depth;
}

void TPVLApplication::VsbChilds(int d, int e, bool visible) {
    static int depth = 0;
    if (!validElement(d, e) || depth > MaxElements) return;
    ++depth;
    const int n = dlg(d).el(e).ChildCount;
    for (int i = 1; i <= n && i <= MaxChildren; ++i) {
        int c = dlg(d).el(e).child(i);
        if (!validElement(d, c)) continue;
        SetVisible(d, c, visible);
        VsbChilds(d, c, visible);
    }
    --depth;
}

void TPVLApplication::buttonup() {
    int kd = DialogList.KeyDialog;
    if (validDialog(kd) && validElement(kd, dlg(kd).Pressed)) dlg(kd).el(dlg(kd).Pressed).MouseState = 0;
}

// ---------------------------------------------------------------- keyboard focus

bool TPVLApplication::canFocusDialog(int d) const {
    if (!validDialog(d)) return false;
    const TPVLDialog& g = DialogList.Dialogs[d];
    return g.Visible && (d == CurrentDialog || !g.Exclusive);
}

bool TPVLApplication::canFocusElement(int d, int e) const {
    if (!validElement(d, e)) return false;
    const TPVLElement& el = DialogList.Dialogs[d].el(e);
    if (!el.Visible || !el.Enabled) return false;
    if (oneOf(el.Kind, {1, 2, 3, 5, 6, 7, 8, 9, 15, 16, 17, 18})) return false;
    if ((el.Kind == ekButton || el.Kind == ekImage) && el.SubKind == skNoFocus) return false;
    return el.SubKind != skMoveHandle && el.SubKind != skResizeHandle;
}

namespace {
std::tuple<int, int, int> posKey(const TPVLDialog& g, int e) { return {g.el(e).Y, g.el(e).X, e}; }
}  // namespace

int TPVLApplication::neighbour(int d, int e, bool forward) const {
    const TPVLDialog& g = DialogList.Dialogs[d];
    if (!validElement(d, e)) return firstLast(d, !forward);
    auto key = posKey(g, e);
    int best = 0;
    for (int i = 1; i <= g.ElementCount && i <= MaxElements; ++i) {
        auto k = posKey(g, i);
        if (forward ? !(key < k) : !(k < key)) continue;
        if (best == 0 || (forward ? k < posKey(g, best) : posKey(g, best) < k)) best = i;
    }
    return best;
}

int TPVLApplication::firstLast(int d, bool last) const {
    const TPVLDialog& g = DialogList.Dialogs[d];
    int best = 0;
    for (int i = 1; i <= g.ElementCount && i <= MaxElements; ++i)
        if (best == 0 || (last ? posKey(g, best) < posKey(g, i) : posKey(g, i) < posKey(g, best))) best = i;
    return best;
}

void TPVLApplication::kbcActivateNext(TkbcNext direction) {
    if (validDialog(CurrentDialog)) {
        TPVLDialog& g = dlg(CurrentDialog);
        if (validElement(CurrentDialog, g.LastClicked)) g.el(g.LastClicked).Active = 0;
        g.LastClicked = 0;
    }
    KbdDirection = direction;
    if (direction == kbcUp || direction == kbcTab) {
        const bool fwd = direction == kbcTab;
        int d = KbdFocusDialog, e = KbdFocusElement;
        int total = DialogList.Count + 2;
        for (int i = 1; i <= DialogList.Count; ++i) total += dlg(i).ElementCount;
        bool found = false;
        // One full round over every element of every dialog at most.
        for (int step = 0; step < total && !found; ++step) {
            int n = validDialog(d) ? neighbour(d, e, fwd) : 0;
            if (n == 0) {
                int tries = 0;
                do {
                    d = fwd ? (d >= DialogList.Count ? 1 : d + 1) : (d <= 1 ? DialogList.Count : d - 1);
                } while (!canFocusDialog(d) && ++tries <= DialogList.Count);
                if (!canFocusDialog(d)) break;
                n = firstLast(d, !fwd);
            }
            e = n;
            found = canFocusDialog(d) && canFocusElement(d, e);
        }
        if (!found) {
            KbdFocusOn = 0;
            return;
        }
        KbdFocusDialog = d;
        KbdFocusElement = e;
    }
    if (validElement(KbdFocusDialog, KbdFocusElement)) CreateMouseOverEvent(KbdFocusDialog, KbdFocusElement);
}

void TPVLApplication::kbcJumpTo(int d, int e) {
    if (validDialog(CurrentDialog)) {
        TPVLDialog& g = dlg(CurrentDialog);
        if (validElement(CurrentDialog, g.LastClicked)) g.el(g.LastClicked).Active = 0;
        g.LastClicked = 0;
    }
    KbdFocusDialog = d;
    KbdFocusElement = e;
    if (canFocusDialog(d) && canFocusElement(d, e)) return;
    kbcActivateNext(kbcUp);
}

// ---------------------------------------------------------------- keys

void TPVLApplication::KeyDown(int key) {
    bool shift = Host.keyDown(vk::Shift);
    MessageKeyDown(key, shift);
    FormKeyDown(key, shift);
}

void TPVLApplication::KeyUp(int key) {
    // Enter may close the dialog that had the focus; its release must still end the hold, or the
    // next Enter would be swallowed.
    if (KbdFocusOn || key == vk::Return) EnterHeld = 0;
}

void TPVLApplication::MessageKeyDown(int key, bool) {
    event(peKey, key);
    if (!KbdFocusOn) KbdFocusOn = KbdNavigation;
    const int kd = DialogList.KeyDialog;
    if (validDialog(kd) && validElement(kd, dlg(kd).Pressed) && dlg(kd).el(dlg(kd).Pressed).Active) {
        if (oneOf(key, {vk::Return, vk::Space, vk::Left, vk::Right})) return;  // the text field keeps them
        if (oneOf(key, {vk::Tab, vk::Up, vk::Down})) {
            dlg(kd).el(dlg(kd).Pressed).Active = 0;
            dlg(kd).LastClicked = 0;
        }
    }
    if (!oneOf(key, {vk::Tab, vk::Return, vk::Space, vk::Left, vk::Up, vk::Right, vk::Down})) return;
    if (KbdFocusOn) {
        if (key == vk::Tab || key == vk::Right || key == vk::Down) {
            kbcActivateNext(kbcTab);
        } else if (key == vk::Up || key == vk::Left) {
            kbcActivateNext(kbcUp);
        } else if (key == vk::Return) {
            if (validElement(KbdFocusDialog, KbdFocusElement) && !EnterHeld) {
                int d = KbdFocusDialog, e = KbdFocusElement;
                CreateMouseDownEvent(d, e);
                CreateClickEvent(d, e);
            }
            EnterHeld = 1;  // a held Enter repeats the key but clicks once
        }
        return;
    }
    KbdFocusOn = 1;
    KbdFocusDialog = CurrentDialog;
    if (!validDialog(CurrentDialog)) return;
    const bool back = key == vk::Left || key == vk::Up;
    KbdFocusElement = firstLast(CurrentDialog, back);
    if (canFocusElement(CurrentDialog, KbdFocusElement)) return;
    kbcActivateNext(back ? kbcUp : kbcTab);
}

void TPVLApplication::FormKeyDown(int key, bool shift) {
    TypedKeys.push_back(static_cast<char>(key & 0xFF));
    if (TypedKeys.size() > 3) TypedKeys.erase(0, TypedKeys.size() - 3);  // only the last three matter
    if (text::upper(TypedKeys) == "FPS") Options.ShowFps = Options.ShowFps ? 0 : 1;
    auto flag = [&](int f) -> uint8_t& { return f == 1 ? Options.ShowFps : Options.RenderFlags[f - 2]; };
    auto toggle = [&](int f) { flag(f) = flag(f) ? 0 : 1; };
    if (DevMode && shift) {
        const int k = key & 0xFF;
        if (k == vk::Oem5 && validDialog(SettingsDialog)) {
            if (!dlg(SettingsDialog).Visible) {
                SetPageIndex(SettingsDialog, Lib.pages, 1);
                CallDialog(SettingsDialog);
            } else {
                HideDialog(SettingsDialog);
            }
        } else if (k >= '1' && k <= '5') {
            toggle(k - '0');
            if (k == '3') flag(2) = flag(3);
        } else if (k == '6') {
            DebugRotation = (DebugRotation + 1) % 4;
        } else if (k == '7') {
            toggle(6);
        } else if (k == '8' || k == '9') {
            toggle(k - '8' + 7);
        } else if (k == '0') {
            toggle(9);
        } else if (k == 'Q') {
            toggle(10);
        } else if (k == 'W') {
            toggle(11);
            flag(10) = flag(11);
        } else if (k == 'Y') {
            // The statistics panel belongs to the program; the library only passes the key on.
            if (Hooks.toggleStatistics) Hooks.toggleStatistics();
        } else if (k == 'S') {
            toggle(12);
            flag(10) = flag(12);
        } else if (k == 'D') {
            toggle(12);
            flag(10) = flag(6) = flag(12);
            DebugRotation = flag(12) ? 3 : 0;
        }
    }
    if (DevMode && key == vk::Space) Freeze = Freeze ? 0 : 1;
    if (validElement(TopPanel, FpsLabel)) SetVisible(TopPanel, FpsLabel, Options.ShowFps != 0);
    const int kd = DialogList.KeyDialog;
    if (validDialog(kd) && validElement(kd, dlg(kd).Pressed)) {
        int ch = key & 0xFF;
        // The number pad's codes are those of lower-case letters: map them before lower-casing.
        if (ch >= vk::Numpad0 && ch <= vk::Numpad9)
            ch = '0' + ch - vk::Numpad0;
        else if (ch >= 106 && ch <= 111)
            ch = -1;  // its operators type nothing
        else if (!shift && ch >= 'A' && ch <= 'Z')
            ch += 32;
        CreateKeyDownEvent(kd, dlg(kd).Pressed, ch, shift);
    }
}

void TPVLApplication::CreateKeyDownEvent(int d, int e, int ch, bool shift) {
    if (!validElement(d, e) || dlg(d).el(e).Kind != ekEdit) return;
    std::string t = GetCaption(d, e, false);
    TPVLElement& el = dlg(d).el(e);
    int cursor = num::clamp(static_cast<int>(el.SelIndex), 0, static_cast<int>(t.size()));
    int scroll = std::max(0, static_cast<int>(el.TopIndex));
    const int len = static_cast<int>(t.size());
    if (ch == vk::Home) {
        cursor = scroll = 0;
    } else if (ch == vk::End) {
        cursor = len;
    } else if (ch == vk::Delete) {
        if (cursor < len) t.erase(static_cast<size_t>(cursor), 1);
    } else if (ch == vk::Back) {
        if (cursor > 0) {
            t.erase(static_cast<size_t>(cursor - 1), 1);
            --cursor;
            if (scroll > 0) --scroll;
        }
    } else if (ch == vk::Left) {
        if (cursor > 0) --cursor;
    } else if (ch == vk::Right) {
        if (cursor < len) ++cursor;
    } else {
        const int mode = el.Ti;
        int c = -1;
        if (mode == 1 || mode == 2) {
            if (ch >= '0' && ch <= '9') c = ch;
        } else if (mode == 0 || mode == 3) {
            bool allowed = mode == 0
                               ? (ch == 32 || (ch >= 48 && ch <= 122) || oneOf(ch, {186, 188, 189, 192, 222}))
                               : (ch == 32 || (ch >= 48 && ch <= 122) ||
                                  oneOf(ch, {186, 187, 188, 189, 190, 192, 219, 222, 226}));
            if (allowed) {
                c = ch;
                if (mode == 3) {
                    if (shift) {
                        switch (ch) {
                            case 226:
                                c = '>';
                                break;
                            case '1':
                                c = '!';
                                break;
                            case '2':
                                c = '"';
                                break;
                            case '3':
                                c = 0xA7;
                                break;  // §
                            case '4':
                                c = '$';
                                break;
                            case '5':
                                c = '%';
                                break;
                            case '6':
                                c = '&';
                                break;
                            case '7':
                                c = '/';
                                break;
                            case '8':
                                c = '(';
                                break;
                            case '9':
                                c = ')';
                                break;
                            case '0':
                                c = '=';
                                break;
                            case 219:
                                c = '?';
                                break;
                            case 190:
                                c = ':';
                                break;
                            case 188:
                                c = ';';
                                break;
                            case 187:
                                c = '*';
                                break;
                            default:
                                break;
                        }
                    } else {
                        switch (ch) {
                            case 190:
                                c = '.';
                                break;
                            case 219:
                                c = 0xDF;
                                break;  // ß
                            case 187:
                                c = '+';
                                break;
                            case 226:
                                c = '<';
                                break;
                            default:
                                break;
                        }
                    }
                }
                if (shift && c >= '0' && c <= '9') c -= 16;
                if (c == 222)
                    c = shift ? 0xC4 : 0xE4;  // Ä ä
                else if (c == 192)
                    c = shift ? 0xD6 : 0xF6;  // Ö ö
                else if (c == 186)
                    c = shift ? 0xDC : 0xFC;  // Ü ü
                else if (c == 188)
                    c = ',';
                else if (c == 189)
                    c = shift ? '_' : '-';
            }
        }
        if (c >= 0 && len < el.VisibleLines) {
            t.insert(t.begin() + cursor, static_cast<char>(c));
            ++cursor;
        }
    }
    if (cursor < scroll) --scroll;
    scroll = num::clamp(scroll, 0, std::max(0, cursor));
    const double room = el.TextView - 0.2;
    auto width = [&](int from, int count) {
        return charwidth(std::string_view(t).substr(static_cast<size_t>(from), static_cast<size_t>(count)));
    };
    if (width(scroll, cursor - scroll) > room) {
        scroll = 0;
        while (scroll < cursor && width(scroll, cursor - scroll) > room) ++scroll;
    }
    int fit = 0;
    while (scroll + fit < static_cast<int>(t.size()) && width(scroll, fit + 1) <= room) ++fit;
    SetCaption(d, e, t);
    TPVLElement& after = dlg(d).el(e);
    after.SelIndex = i16(cursor);
    after.TopIndex = i16(scroll);
    after.TextLimit = i16(fit);
}

}  // namespace pvl
