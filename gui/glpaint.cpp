#include "gui/glpaint.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

#include "gui/glframe.h"
#include "gui/glstate.h"
#include "gui/gltex.h"
#include "gui/gltext.h"
#include "platform/num.h"
#include "platform/text.h"
#include "platform/ticks.h"

namespace glpaint {

using namespace pvl;

namespace {

int rnd(double v) { return static_cast<int>(num::round(v)); }

glstate::Color col(const TPVLColor& c) { return {c.r, c.g, c.b, c.a}; }

// Everything one element's rules need.
struct Ctx {
    TPVLApplication& app;
    int d = 0, e = 0;
    TPVLDialog* g = nullptr;
    TPVLElement* el = nullptr;
    int x = 0, y = 0;
    int state = 0;
    float depth = 0, alpha = 1, scale = 1;
};

float pulse(float a) {
    const float r = glstate::gl().RotAngle[2];
    return a * (0.8f + 0.2f * std::sin(2 * r * std::numbers::pi_v<float> / 180.0f));
}

void quad(const Ctx& c, int t, float x, float y, float w, float h, int state, uint8_t tile, float blend = 0) {
    if (t <= -1 && t != -2 && t != -3 && t != -4 && t != -5) return;
    gltex::paintquadcustom(t, x, y, w, h, state, false, blend, c.depth, tile, c.alpha, 1.0f);
}
void overlay(const Ctx& c, float x, float y, float w, float h, uint8_t tile, int t = -2) {
    if (c.state != 1 && c.state != 2) return;
    gltex::paintquadcustom(t, x, y, w, h, c.state, false, 0, c.depth, tile, pulse(c.alpha), 1.0f);
}
void text(const Ctx& c, const std::string& s, float x, float y, int state, uint8_t style = 2,
          int maxRight = 0, const std::string& mask = "", float scale = 0) {
    std::string rest;
    gltext::bprintit(s, state, scale > 0 ? scale : c.scale, x, y, c.depth, style, 0, c.alpha, maxRight, 0,
                     mask, rest);
}
float cw(const std::string& s) { return gltext::charwidth(s); }
std::string noBang(std::string s) {
    if (!s.empty() && s[0] == '!') s.erase(0, 1);
    return s;
}
TPVLElement* parentOf(const Ctx& c) {
    const int p = c.el->ParentElement;
    return c.app.validElement(c.d, p) ? &c.g->el(p) : nullptr;
}

void button(Ctx& c) {
    TPVLElement& el = *c.el;
    const std::string cap = c.app.GetCaption(c.d, c.e, false);
    const int tex = glstate::gl().LibTextures[4];
    if (cap == " ") {
        quad(c, tex, c.x, c.y, el.Width, el.Height, c.state, 0, -7);
    } else {
        // A hovered button keeps its plate in place; only the caption lifts.
        const int plate = c.state == 1 ? 0 : c.state;
        const float depth = c.depth;
        if (c.state == 1) c.depth = 0;
        quad(c, tex, c.x, c.y, el.Width, el.Height, plate, 0);
        overlay(c, c.x, c.y, el.Width, el.Height, 0);
        c.depth = depth;
    }
    if (el.Height > 35 || (!cap.empty() && cap[0] == '!')) {
        const std::string s = noBang(cap);
        text(c, s, c.x - 5 + rnd(el.Width / 2.0 - 5.5 * c.scale * cw(s)), c.y + 10, c.state);
    } else if (el.Height > 30) {
        text(c, cap, c.x + 6, c.y + 7, c.state);
    } else {
        text(c, cap, c.x + 8, c.y + 5, c.state);
    }
}

void label(Ctx& c) {
    TPVLElement& el = *c.el;
    std::string cap = c.app.GetCaption(c.d, c.e, false);
    if (TPVLElement* p = parentOf(c); p && p->Kind == ekChooser)
        cap = c.app.GetCaption(c.d, el.ParentElement, false);
    if (el.Kind == ekContainer) {
        glframe::shadowFrame(c.x, c.y, el.Width, el.Height, true, true, false, c.alpha);
        text(c, cap, c.x - 20 + rnd(el.Width / 2.0 - 6 * c.scale * cw(cap)), c.y + 8, c.state, 0);
        return;
    }
    // A leading "!" marks a button label (a game's message line carries it too): never drawn.
    const std::vector<std::string> lines = wrapLines(noBang(cap), std::max(1, el.Width));
    const int right = c.g->X + c.g->Width - 15;
    for (size_t n = 0; n < lines.size(); ++n) {
        const float ly = c.y + 8 + 20.0f * static_cast<float>(n);
        if ((el.Ti == 123 || el.Ti == 124) && lines[n].size() > 3 && (el.Ti == 123 || n == 0)) {
            // A plate behind the line, untextured, at the text transform.
            gltext::pre_text(c.x + 12, ly - 19);
            glDisable(GL_TEXTURE_2D);
            glEnable(GL_BLEND);
            const float w = el.Ti == 124 ? rnd(cw(lines[n] + "  ") * 6) : rnd(cw(lines[n] + "  ") * 9.8365);
            glframe::paintcustomround(w, el.Ti == 124 ? 42.0f : 27.0f, el.Enabled ? c.alpha : c.alpha / 2);
        }
        text(c, lines[n], c.x + 15, ly, c.state, 0, right);
    }
    el.Height = static_cast<int32_t>(lines.size());
}

void checkBox(Ctx& c) {
    TPVLElement& el = *c.el;
    const auto& g = glstate::gl();
    const std::string cap = c.app.GetCaption(c.d, c.e, false);
    const float w = rnd(25 / c.app.ViewAspect * 4 / 3);
    quad(c, el.Checked ? g.LibTextures[9] : g.LibTextures[8], c.x, c.y, w, 25, c.state, 1);
    const int xs = c.x + rnd(c.app.linRatAddition(-8, -6, 0));
    overlay(c, c.x, c.y, w, 25, 1);
    overlay(c, xs + 31, c.y, el.Width - 32, 25, 1);
    el.Width = rnd(cw(cap) * 11.5 + 42);
    text(c, cap, xs + 30, c.y + 4, c.state);
}

// Arrows and bars hide while the parent's lines all fit.
bool scrollable(Ctx& c) {
    TPVLElement* p = parentOf(c);
    if (!p) return true;
    if (p->Kind == ekChooser) {
        c.el->Enabled = p->Enabled ? 1 : c.el->Enabled;
        return true;
    }
    const bool needed = p->VisibleLines < p->ScrollLimit;
    if (p->Enabled) c.el->Enabled = needed ? 1 : 0;
    return needed;
}

void arrow(Ctx& c) {
    if (!scrollable(c)) return;
    const auto& g = glstate::gl();
    TPVLElement* p = parentOf(c);
    const bool horizontal = p && p->Kind == ekChooser;
    const int t = horizontal ? (c.el->Checked ? g.LibTextures[13] : g.LibTextures[12])
                             : (c.el->Checked ? g.LibTextures[11] : g.LibTextures[10]);
    if (!c.el->Enabled) c.state = 3;
    quad(c, t, c.x + 2, c.y, c.el->Width, c.el->Height, c.state, 1);
    overlay(c, c.x + 2, c.y, c.el->Width, c.el->Height, 1);
}

void vbar(Ctx& c) {
    if (!scrollable(c)) return;
    TPVLElement* p = parentOf(c);
    TPVLElement& el = *c.el;
    if (p && p->ScrollLimit > 0) el.AnimValue = rnd((p->Height - 58.0) * p->VisibleLines / p->ScrollLimit);
    gltex::paintquad3v(c.x, c.y + el.TopIndex, el.Width, el.AnimValue, c.state, c.depth, c.alpha);
    overlay(c, c.x, c.y + el.TopIndex, el.Width, el.AnimValue, 1, -5);
}

void hbar(Ctx& c) {
    TPVLElement* p = parentOf(c);
    TPVLElement& el = *c.el;
    if (p && p->Kind == ekChooser) el.Enabled = 1;
    if (p && p->LineCount > 0) el.AnimValue = rnd(static_cast<double>(el.Width) / p->LineCount);
    gltex::paintquad3h(c.x + 2 + el.TopIndex, c.y, el.AnimValue, el.Height - 2, c.state, c.depth, c.alpha);
    overlay(c, c.x + 2 + el.TopIndex, c.y, el.AnimValue, el.Height - 2, 1);
}

void special(Ctx& c) {
    TPVLElement& el = *c.el;
    const auto& g = glstate::gl();
    const std::string cap = c.app.GetCaption(c.d, c.e, false);
    TPVLElement* p = parentOf(c);
    const bool underChooser = p && p->Kind == ekChooser;
    if (el.SubKind == skCaptionButton || el.SubKind == 10) {
        const std::string s = noBang(cap);
        const float x = c.x + (el.SubKind == skCaptionButton ? el.VisibleLines : 0);
        if (c.state == 1) text(c, s, x, c.y + 10, 0, 5);
        if (c.state == 2) text(c, s, x, c.y + 10, 2, 5);
        text(c, s, x, c.y + 10, c.state);
        return;
    }
    if (el.SubKind == skLibIcon) {
        gltex::paintquadcustom(g.LibTextures[5], c.x, c.y, el.Width, el.Height, c.state, false, 0, c.depth, 0,
                               c.alpha, 1.0f);
        overlay(c, c.x, c.y, el.Width, el.Height, 0);
        const float u = static_cast<float>(1.0 / c.app.ViewAspect);
        std::string glyph = cap;
        float dx = 2.667f * u;
        float dy = -2;
        if (cap == "?") {
            dx = 5.333f * u;
            dy = -1;
        } else if (cap == "\x8a") {
            dx = 4 * u;
        } else if (cap != "G" && cap != "N" && cap != "\x89") {
            const int n = static_cast<int>(text::toIntDef(cap, 0));
            glyph = std::string(1, static_cast<char>((g.DeckStyle == 2 ? 155 : 151) + n));
        }
        text(c, glyph, c.x + dx - 12 + el.Width / 2.0f, c.y + dy, c.state);
        return;
    }
    int t;
    switch (el.SubKind) {
        case 1:
        case 2:
            t = g.BorderTextures[0];
            break;
        case 3:
            t = g.BorderTextures[1];
            break;
        case 4:
        case 12:
            t = g.BorderTextures[2];
            break;
        case 5:
            t = g.BorderTextures[4];
            break;
        case 13:
            t = g.LibTextures[10];
            break;
        case 14:
            t = g.LibTextures[11];
            break;
        case 15:
            t = g.LibTextures[14];
            break;
        case 16:
            t = g.LibTextures[15];
            break;
        default:
            t = el.Ti;
    }
    if (cap == "ListText") t = -1;  // the text strip of a chooser has no plate
    if (el.SubKind == 8 || el.SubKind == 9) {
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslated(-0.803, 0.605, -1.9);
        drehen(c.app);
        const float dz = el.SubKind == 9 && c.state == 1 ? c.depth : 0;
        glTranslated(c.x / 502.0, -c.y / 502.0, dz);
        if (t > 0) glframe::painttransquad2(t, el.Width, el.Height, c.alpha, 0, 0);
    } else if (t > -1) {  // -1 or less: no quad, only the text
        quad(c, t, c.x, c.y, el.Width, el.Height, c.state, 0);
        overlay(c, c.x, c.y, el.Width, el.Height, 0);
    }
    if (underChooser) {
        const std::string line = c.app.GetLine(c.d, el.ParentElement, p->TopIndex);
        std::string rest;
        gltext::bprintit(line, c.state, c.scale, c.x + el.Width / 2.0f - 11, c.y - 2, c.depth, 2, 1, c.alpha,
                         0, 0, "", rest);
    }
}

void edit(Ctx& c) {
    TPVLElement& el = *c.el;
    const std::string cap = c.app.GetCaption(c.d, c.e, false);
    el.TopIndex = static_cast<int16_t>(std::clamp<int>(el.TopIndex, 0, static_cast<int>(cap.size())));
    gltex::paintquad3h(c.x, c.y, el.Width, el.Height, c.state, c.depth, c.alpha);
    if (c.state == 1 || c.state == 2 || el.Active)
        gltex::paintquadcustom(-2, c.x, c.y, el.Width, el.Height, 1, false, 0, c.depth, 1, pulse(c.alpha),
                               1.0f);
    std::string shown = cap.substr(static_cast<size_t>(el.TopIndex), std::max<int>(0, el.TextLimit));
    const int p = el.TopIndex > 0 ? 4 : 0;
    const size_t full = shown.size();
    while (!shown.empty() && cw(shown) * 11.5f + 13 + p > el.Width) shown.pop_back();
    const float tx = c.x + p;
    text(c, shown, tx, c.y + 6, c.state);
    const bool more = shown.size() < full || el.TopIndex + full < cap.size();
    if (more)
        text(c, "..", tx + cw(shown) * 11.5f + 1, c.y + 6 + rnd(2.5 * c.scale), c.state, 2, 0, "",
             0.6f * c.scale);
    if (el.TopIndex > 0)
        text(c, "..", c.x - 4, c.y + 6 + rnd(2.5 * c.scale), c.state, 2, 0, "", 0.6f * c.scale);
    if (el.Active && blink().CursorBlink && (c.state == 1 || c.state == 2 || el.Active)) {
        const int n = std::max(0, el.SelIndex - el.TopIndex);
        const std::string before = cap.substr(static_cast<size_t>(el.TopIndex), static_cast<size_t>(n));
        gltex::paintquadcustom(-4, rnd(tx + (cw(before) + 0.8) * 11.48 - 5), c.y + 6, 4, 18, 0, false, 0, 0,
                               1, c.alpha, 1.0f);
    }
}

void listRows(Ctx& c) {
    TPVLElement& el = *c.el;
    const int lh = el.LineHeight > 0 ? el.LineHeight : 24;
    const int hoverRow = (el.PointerPos - 5) / lh + 1;
    const std::string mask = c.app.GetHighlight(c.d, c.e, false);
    for (int r = 1; r * lh < el.Height && r <= el.ScrollLimit - el.TopIndex; ++r) {
        int st = r == hoverRow ? el.MouseState : 0;
        if (c.state == 3) st = 3;
        if (el.SelIndex - el.TopIndex == r && lh != 19)
            gltex::paintquadcustom(-3, c.x + 2, c.y + (r - 1) * lh + 2, el.Width - 8, lh, 0, false, 0, 0, 1,
                                   c.alpha, 1.0f);
        const int line = el.TopIndex + r;
        const std::string under = mask.empty() ? "" : c.app.ReadLine(c.d + 1000, c.e, line);
        text(c, c.app.GetLine(c.d, c.e, line), c.x + 4, c.y + (r - 1) * lh + 5, st, 2, 0, under);
    }
}

void list(Ctx& c) {
    TPVLElement& el = *c.el;
    const float depth = c.depth;
    c.depth = 0;
    quad(c, -1, c.x, c.y, el.Width + 29, el.Height, 2, 1);
    c.depth = depth;
    if (el.Kind == ekList) listRows(c);
}

bool wirePass = false;  // the debug wire-frame pass is drawing

void rolling(Ctx& c) {
    TPVLElement& el = *c.el;
    const float fps = c.app.Fps;
    // The rolling text moves once per frame, not once per pass.
    if (el.MouseState != 2 && fps > 0 && !wirePass) el.Angle += 17.0f / fps;
    const float L = el.ScrollLimit * 24.0f;
    if (el.Angle > L) el.Angle = 0;
    if (el.Angle < 0) el.Angle += L;
    for (int r = 1; r <= el.ScrollLimit - el.TopIndex; ++r) {
        std::string s = c.app.GetLine(c.d, c.e, el.TopIndex + r);
        float p = c.y + 180 + 24.0f * (r - 1) - el.Angle - 30;
        if (p < c.y) p += L;
        if (p <= c.y) continue;
        float a = c.alpha;
        if (p < c.y + 50)
            a = c.alpha * (p - c.y) / 50;
        else if (p >= el.Height + 30)
            a = c.alpha * (el.Height + 80 - p) / 50;
        if (a <= 0) continue;
        float x = c.x;
        if (!s.empty() && s[0] == '!') {
            s.erase(0, 1);
            x = c.x + rnd(el.Width / 2.0 - cw(s) * 11.5 * c.scale / 2);
        }
        const float sx = static_cast<float>(x - 36 * std::sin(std::numbers::pi * (c.g->Y + p) / 600) + 34);
        std::string rest;
        gltext::bprintit(s, c.state, r == 1 ? 1.5f * c.scale : c.scale, sx, p, c.depth, 2, 0, a, 0, 0, "",
                         rest);
    }
}

// Grid text: a title row that never scrolls, then ListOption columns per row. A cell too long
// for its column continues, while hovered, on the rows below it in the same column.
void grid(Ctx& c) {
    TPVLElement& el = *c.el;
    const int cols = std::max<int>(1, el.ListOption);
    const bool wide = !c.app.Is4x3() && !c.app.Is5x4();
    const int colW = el.Ti == -7 ? (wide ? 95 : 100) : 68;
    const float f = c.app.linRatMultiplication(0.75f, 0.833f, 1.0f);
    const int right = c.g->X + el.X + el.Width - 20;
    const std::string hl = c.app.GetHighlight(c.d, c.e, false);
    // A Ti -7 grid reads the glowing row and the first dimmed row from the highlight's two digits;
    // anything else there switches both off.
    const bool digits = hl.size() >= 2 && std::isdigit(static_cast<uint8_t>(hl[0])) &&
                        std::isdigit(static_cast<uint8_t>(hl[1]));
    const int glowRow = el.Ti == -7 && digits ? hl[0] - '0' : -1;
    const int dimFrom = el.Ti == -7 && digits ? hl[1] - '0' : -1;
    auto offset = [&](int k) {
        const int o = k == 1 ? (el.Ti == -7 && wide ? -30 : -10)
                             : (k - 1) * colW - 30 - (k == 2 && el.Ti == -7 ? 4 : 0);
        return rnd(o * f);
    };
    std::vector<int> coveredTo(static_cast<size_t>(cols) + 1, -1);  // last row a continuation covers
    auto cell = [&](int n, int row, float ty) {
        const int k = (n - 1) % cols + 1;
        if (row <= coveredTo[static_cast<size_t>(k)]) return;  // drawn empty under a continuation
        std::string s = c.app.GetLine(c.d, c.e, n);
        float tx = c.x + 8 + offset(k);
        if (!s.empty() && s[0] == '!') {
            s.erase(0, 1);
            tx += rnd((colW - cw(s) * 11.5 * c.scale) / 2);
        }
        if (!s.empty() && s[0] == '^') {
            s.erase(0, 1);
            const std::string next = c.app.GetLine(c.d, c.e, n + 1);
            const bool skipBar = n == 1 && cw(next) * 11.5f > 90 && !(el.Caption == "highlight");
            if (!skipBar) text(c, "|", tx + rnd(cw(s) * 11.5 * c.scale / 2), ty, c.state, 2, right);
            ty -= 17;
        }
        std::string rest;
        gltext::bprintit(s, c.state, c.scale, tx, ty, c.depth, 6, 0, c.alpha, right, 0, "", rest);
        if (dimFrom >= 0 && row >= dimFrom) {
            gltext::bprintit(s, c.state, c.scale, tx, ty, c.depth, 2, 0, 0.35f * c.alpha, right, 0, "", rest);
            return;
        }
        std::string dummy;
        if (!rest.empty() && rest[0] == '>') {
            gltext::bprintit(s, c.state, c.scale, tx, ty, c.depth, 5, 0, c.alpha, right, 0, "", dummy);
            rest.erase(0, 1);
        }
        if (glowRow >= 0 && row == glowRow) {
            gltext::bprintit(s, c.state, c.scale, tx, ty, c.depth, 5, 0, c.alpha, right, 0, "", dummy);
            gltext::bprintit(s, c.state, c.scale, tx, ty, c.depth, 2, 0, c.alpha, right, 0, "", dummy);
        } else if (!hl.empty()) {
            gltext::bprintit(s, c.state, c.scale, tx, ty, c.depth, 2, 0, c.alpha, right, 0,
                             c.app.ReadLine(c.d + 1000, c.e, n), dummy);
        } else {
            gltext::bprintit(s, c.state, c.scale, tx, ty, c.depth, 2, 0, c.alpha, right, 0, "", dummy);
        }
        for (int more = 1; !rest.empty() && row >= 1 && row + more <= el.VisibleLines; ++more) {
            const float cy = c.y + 5 + 24.0f * (row - 1 + more);
            std::string piece = rest;
            if (!piece.empty() && piece[0] == '>') piece.erase(0, 1);
            rest.clear();
            gltext::bprintit(piece, c.state, c.scale, tx, cy, c.depth, 5, 0, c.alpha, right, 1, "", dummy);
            gltext::bprintit(piece, c.state, c.scale, tx, cy, c.depth, 2, 0, c.alpha, right, 1, "", rest);
            coveredTo[static_cast<size_t>(k)] = row + more;
        }
    };
    for (const GridCell& g : gridCells(el)) cell(g.n, g.row, c.y + g.y);
}

void chooser(Ctx& c) {
    TPVLElement& el = *c.el;
    const int bar = c.e + 3;
    const bool pressed = el.MouseState == 2 && c.app.validElement(c.d, bar) && c.g->el(bar).MouseState == 2;
    float x = c.x + 32, w = el.Width - 22;
    if (c.app.Is16x10() || c.app.Is16x9() || c.app.IsFree()) {
        const bool n10 = c.app.Is16x10();
        x = c.x + (n10 ? 30 : 27);
        w = el.Width - (n10 ? 26 : 22);
        if (el.Width < 45) {
            w += n10 ? 6 : 5;
            x -= 4;
        }
    }
    const float depth = c.depth;
    c.depth = 0;
    quad(c, -1, x, c.y, w, 25, pressed ? 2 : 0, 1);
    c.depth = depth;
}

void paged(Ctx& c) {
    TPVLElement& el = *c.el;
    const double lines = el.VisibleLines > 0 ? el.VisibleLines : 1;
    const float tab = rnd(el.Ti / lines / (c.app.ViewAspect * 3 / 4));
    glframe::pageFrame(c.x, c.y, el.Width, el.Height, tab, el.PageIndex, false, c.alpha);
}

void element(TPVLApplication& app, int d, int e) {
    TPVLDialog& g = app.dlg(d);
    TPVLElement& el = g.el(e);
    if (el.Caption == "_" || el.Kind == ekText) return;
    if (!el.Visible && !el.Fade.Shown && el.Fade.State != 2) return;
    Ctx c{app, d, e, &g, &el};
    c.x = g.X + el.X;
    c.y = g.Y + el.Y;
    if (el.Kind == ekImage && el.SubKind == skCaptionButton && g.Height >= 360)
        c.x = g.X + el.X - rnd(36 * std::sin(std::numbers::pi * (g.Y + el.Y) / 600)) + 10;
    if (app.KbdFocusOn && app.KbdFocusDialog == d && app.KbdFocusElement == e) el.MouseState = 1;
    c.state = el.MouseState;
    if (!el.Enabled || (g.Exclusive && d != app.CurrentDialog)) c.state = 3;
    c.depth = el.AnimSpeed;
    c.alpha = el.Fade.Alpha;
    c.scale = el.Scale > 0 ? el.Scale : 1.0f;
    switch (el.Kind) {
        case ekButton:
            button(c);
            break;
        case ekLabel:
        case ekContainer:
            label(c);
            break;
        case ekCheckBox:
            checkBox(c);
            break;
        case ekCustomPaint:
            if (const TPVLPaintCall* call = app.PaintCallOf(d, e)) (*call)(d, e, el.X, el.Y);
            break;
        case ekArrow:
            arrow(c);
            break;
        case ekVBar:
            vbar(c);
            break;
        case ekHBar:
            hbar(c);
            break;
        case ekImage:
            special(c);
            break;
        case ekEdit:
            edit(c);
            break;
        case ekList:
            list(c);
            break;
        case ekPlainList:
            rolling(c);
            break;
        case ekScrollText:
            list(c);
            grid(c);
            break;
        case ekChooser:
            chooser(c);
            break;
        case ekPagedContainer:
            paged(c);
            break;
        default:  // kinds 3, 5, 11, 16 draw nothing
            break;
    }
}

}  // namespace

int bodyHeight(const TPVLDialog& g) {
    int h = g.Height;
    if (g.Width <= 0 || g.Height <= 0) return h;
    // The body reaches under the lowest shown button: the menus' "Zurück", moved down with the
    // other elements, would else stand half below the body on whatever the table shows there.
    for (int e = 1; e <= g.ElementCount && e <= MaxElements; ++e) {
        const TPVLElement& el = g.el(e);
        // Sub-kinds 7 and 10 of special objects are drawn as caption buttons.
        const bool button =
            el.Kind == ekButton || (el.Kind == ekImage && (el.SubKind == skCaptionButton || el.SubKind == 10));
        const bool shown = el.Caption != "_" && (el.Visible || el.Fade.Shown || el.Fade.State == 2);
        if (button && shown) h = std::max(h, el.Y + el.Height + 6);
    }
    return h;
}

namespace {

void dialogBody(TPVLApplication& app, int d) {
    TPVLDialog& g = app.dlg(d);
    const auto& s = glstate::gl();
    const float fade = g.Fade.Alpha;
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    if (s.NoBlend) {
        glDisable(GL_BLEND);
    } else {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(-0.803, 0.605, -1.9);
    drehen(app);
    glTranslated(g.X / 502.0, -g.Y / 502.0, 0);
    const TPVLColor& c =
        (d == app.CurrentDialog || !g.Exclusive) ? app.Options.DialogColor : app.Options.DefaultColors;
    g.Colors[0] = c.r, g.Colors[1] = c.g, g.Colors[2] = c.b, g.Colors[3] = c.a;
    // A dialog stands above the table: its body hides the cards and labels behind it (through
    // a body of the colours' own alpha a hand of white cards washed out the captions).
    glColor4f(c.r, c.g, c.b, fade);
    const int style = app.Options.WindowStyle;
    const int height = bodyHeight(g);
    const float w = g.Width / 497.0f, h = -height / 497.0f;
    if (g.Extra > 0 && style == 3) {
        glframe::paintcustomroundNew(0, g.X, g.Y, g.Width, height, fade, true);
    } else if (g.Extra > 0 && style == 2) {
        glframe::paintcustomround(g.Width, height, fade, true);
    } else {
        if (g.PaintFlag != 0) {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(g.PaintFlag));
            glColor4f(1, 1, 1, fade);
        }
        glBegin(GL_QUADS);
        glTexCoord2f(0, 1);
        glVertex3f(0, 0, 0);
        glTexCoord2f(0, 0);
        glVertex3f(0, h, 0);
        glTexCoord2f(1, 0);
        glVertex3f(w, h, 0);
        glTexCoord2f(1, 1);
        glVertex3f(w, 0, 0);
        glEnd();
    }
    glDisable(GL_BLEND);
    if (!s.NoTexturing) glEnable(GL_TEXTURE_2D);
    if (!s.NoLighting) glEnable(GL_LIGHTING);
    if (g.Style != 0 && g.Width != 0 && g.Height != 0) {
        const bool title = !(g.Caption.size() > 0 && g.Caption.str()[0] == '#');
        glframe::shadowFrame(g.X, g.Y, rnd(g.Width * 1.008) + 6, rnd(height * 1.01), false, title, true,
                             fade);
    }
}

}  // namespace

void Blink::step(uint32_t now) {
    if (!started) {
        started = true;
        last = now;
    }
    sum += static_cast<int32_t>(ticks::elapsed(last, now));
    last = now;
    if ((CursorBlink && sum > 500) || (!CursorBlink && sum > 300)) {
        CursorBlink = CursorBlink ? 0 : 1;
        sum = 0;
    }
}

Blink& blink() {
    static Blink b;
    return b;
}

std::vector<std::string> wrapLines(const std::string& s, int width) {
    std::vector<std::string> out;
    size_t i = 0;
    const size_t w = static_cast<size_t>(std::max(1, width));
    while (i < s.size()) {
        // A carriage return, a line feed or a pair of them (either way round) ends a line.
        const size_t cr = s.find_first_of("\r\n", i);
        const size_t end = cr == std::string::npos ? s.size() : cr;
        if (end - i <= w) {
            out.push_back(s.substr(i, end - i));
            i = end;
            if (cr != std::string::npos) {
                const char partner = s[cr] == '\r' ? '\n' : '\r';
                i += cr + 1 < s.size() && s[cr + 1] == partner ? 2 : 1;
                if (i == s.size()) out.emplace_back();
            }
            continue;
        }
        const size_t blank = s.rfind(' ', i + w);
        if (blank != std::string::npos && blank > i) {
            out.push_back(s.substr(i, blank - i));
            i = blank + 1;
        } else {
            out.push_back(s.substr(i, w));
            i += w;
        }
    }
    if (out.empty()) out.emplace_back();
    return out;
}

std::vector<int> paintOrder(const TPVLApplication& app) {
    std::vector<int> order;
    const int n = app.DialogList.Count;
    auto shown = [&](int d) {
        const TPVLDialog& g = app.DialogList.Dialogs[d];
        if (!g.Exists) return false;
        const bool fading = g.Fade.Shown || g.Fade.State == 2;
        if (g.Caption == "#" || (g.Exclusive && d != app.CurrentDialog)) return fading;
        return g.Visible || fading;
    };
    for (int d = 1; d <= n; ++d)
        if (!app.DialogList.Dialogs[d].Exclusive && d != 3 && shown(d)) order.push_back(d);
    for (int d = 1; d <= n; ++d)
        if (app.DialogList.Dialogs[d].Exclusive && d != 3 && shown(d)) order.push_back(d);
    if (n >= 3 && shown(3)) order.push_back(3);
    return order;
}

void drehen(const TPVLApplication& app) {
    if (!app.TurnOn) return;
    if (app.TurnAngle * 10 < 90)
        glTranslated(0, app.TurnAngle / 2, 0);
    else
        glRotatef(180, 0, 1, 0);
}

void syncState(TPVLApplication& app) {
    auto& g = glstate::gl();
    const TPVLOptions& o = app.Options;
    g.TextColor = col(o.TextColor);
    g.HighlightTextColor = col(o.HighlightTextColor);
    g.DisabledTextColor = col(o.DisabledTextColor);
    g.DefaultColors = col(o.DefaultColors);
    g.DialogColor = col(o.DialogColor);
    g.FrameColorLower = col(o.FrameColorLower);
    g.FrameColorEnd = col(o.FrameColorEnd);
    g.CornerColor = col(o.ElementColor);
    g.TextWidthFactor = app.TextWidthFactor;
    g.GeometryDetail = o.GeometryDetail;
    g.ViewAspect = app.ViewAspect;
    g.ViewWidth = app.ViewWidth;
    g.ViewHeight = app.ViewHeight;
    std::copy(std::begin(o.AspectFlags), std::end(o.AspectFlags), g.AspectFlags);
    g.Windowed = o.FullScreen ? 0 : 1;
    g.MouseX = app.MouseX;
    g.MouseY = app.MouseY;
    std::copy(std::begin(app.RotAngle), std::end(app.RotAngle), g.RotAngle);
    if (!g.turn) g.turn = [&app] { drehen(app); };
}

void beginFrame(TPVLApplication& app) {
    const auto& g = glstate::gl();
    (void)app;
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_LINE_SMOOTH);
    glEnable(GL_TEXTURE_2D);
    if (!g.NoLighting) glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glClear(GL_DEPTH_BUFFER_BIT);
    glClear(GL_COLOR_BUFFER_BIT);
}

void DialogPaint(TPVLApplication& app) {
    syncState(app);
    auto& g = glstate::gl();
    const bool wide = app.Is16x9() || app.Is16x10() || app.IsFree();
    GLint vp[4] = {};
    const float savedFactor = app.TextWidthFactor;
    if (wide) {
        // The 4:3 picture stretched over the whole wide viewport: the pointer maps the full width
        // to the virtual screen, the relayout narrows the dialogs and the text factor the glyphs
        // to match, and the window border lies around the whole window.
        glGetIntegerv(GL_VIEWPORT, vp);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(0.75 * 47, 4.0 / 3.0, 1, 50);
        glMatrixMode(GL_MODELVIEW);
        g.TextWidthFactor = static_cast<float>(0.98 * (app.TextWidthFactor / 0.75) / app.ViewAspect);
    }
    glDepthFunc(GL_ALWAYS);
    blink().step(ticks::now());
    for (int d : paintOrder(app)) {
        dialogBody(app, d);
        TPVLDialog& dg = app.dlg(d);
        for (int e = 1; e <= dg.ElementCount && e <= MaxElements; ++e) element(app, d, e);
    }
    if (g.Windowed) glframe::shadowFrame(-2, -1, 813, 609, true, false, true, 1.0f);
    glDepthFunc(GL_LEQUAL);
    if (wide) {
        glViewport(vp[0], vp[1], vp[2], vp[3]);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(0.75 * 47, app.ViewAspect, 1, 50);
        glMatrixMode(GL_MODELVIEW);
        g.TextWidthFactor = savedFactor;
    }
}

void wireFrame(TPVLApplication& app) {
    glPushAttrib(GL_POLYGON_BIT | GL_ENABLE_BIT | GL_TEXTURE_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glBindTexture(GL_TEXTURE_2D, 0);
    auto& g = glstate::gl();
    const uint8_t texturing = g.NoTexturing;
    g.NoTexturing = 1;
    wirePass = true;
    DialogPaint(app);
    wirePass = false;
    g.NoTexturing = texturing;
    glPopAttrib();
}

std::vector<GridCell> gridCells(const TPVLElement& el) {
    const int cols = std::max<int>(1, el.ListOption);
    std::vector<GridCell> out;
    for (int n = 1; n <= cols && n <= el.LineCount; ++n) out.push_back({n, 0, -19.0f});
    // The scrolled cells count their rows from 0; row 0 lies under the title row.
    const int first = std::max(rnd(el.TopIndex * static_cast<double>(cols)), 0) + 1;
    const int lastRowStart = el.LineCount - cols + 1;  // the final row always shows
    for (int n = first; n <= el.LineCount; ++n) {
        const int row = (n - first) / cols;
        if (row == 0) continue;
        if (row <= el.VisibleLines)
            out.push_back({n, row, 8 + 24.0f * (row - 1)});
        else if (n >= lastRowStart)
            // Scrolled out of sight, the final row sits on a footer line under the grid.
            out.push_back({n, row, el.Height + 3.0f});
    }
    return out;
}

}  // namespace glpaint
