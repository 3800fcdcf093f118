#include "gui/gltext.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

#include "gui/glstate.h"
#include "platform/num.h"
#include "platform/text.h"

namespace gltext {

using glstate::gl;

namespace {

float glowAlpha = 1.0f;

// Letters of codes 160..255 without a cell of their own fall back to their base letter.
constexpr char kFold[] =
    " ???????????????????????????????"   // 160..191
    "AAAAAAACEEEEIIIIDNOOOOO?OUUUUY?s"   // 192..223
    "aaaaaaaceeeeiiiidnooooo?ouuuuy?y";  // 224..255
static_assert(sizeof(kFold) == 96 + 1);

float sinDeg(float d) { return std::sin(d * std::numbers::pi_v<float> / 180.0f); }

}  // namespace

int fontindex(uint8_t ch) {
    switch (ch) {
        case 0xE9:
            return 101;  // é
        case 162:
            return 97;  // ¢
        case 128:
            return 99;  // €
        case '-':
            return 108;
        case 0xC4:
            return 112;  // Ä
        case 0xD6:
            return 113;  // Ö
        case 0xDC:
            return 114;  // Ü
        case 0xE4:
            return 115;  // ä
        case 0xF6:
            return 116;  // ö
        case 0xFC:
            return 117;  // ü
        case 0xDF:
            return 118;  // ß
        case '_':
            return 119;
        default:
            break;
    }
    if (ch >= 160) ch = static_cast<uint8_t>(kFold[ch - 160]);
    if (ch == '-') return 108;
    const int cell = ch - 32;
    return cell < 0 ? 0 : cell;
}

void cellRect(int cell, float& s0, float& t0, float& sw, float& th) {
    const int col = cell % 16, row = 7 - cell / 16;
    s0 = 0.003f + 0.062f * col;
    t0 = 0.034f + 0.12f * row;
    sw = 0.8f * 0.2f * 0.3f;
    th = 0.2f * 0.3f / 0.54f;
}

float charwidth(std::string_view t, bool aspectCorrect) {
    const auto& g = gl();
    float sum = 0;
    for (char c : t) {
        const uint8_t u = static_cast<uint8_t>(c);
        if (u >= 152 && u <= 159)
            sum += g.GlyphWidths[static_cast<uint8_t>('X')] / 70.0f;
        else if (u == 252)
            sum += g.GlyphWidths[static_cast<uint8_t>('u')] / 100.0f;
        else if (u >= 151)
            sum += g.GlyphWidths[static_cast<uint8_t>('o')] / 100.0f;
        else
            sum += g.GlyphWidths[u] / 100.0f;
    }
    sum *= g.TextWidthFactor;
    if (aspectCorrect) {
        if (g.AspectFlags[4]) sum = sum / 0.75f * 0.5859375f;
        if (g.AspectFlags[1]) sum = sum / 0.75f * 0.5625f;
        if (g.AspectFlags[2]) sum = sum / 0.75f * 0.625f;
    }
    return sum;
}

bool pre_text(float x, float y) {
    glLoadIdentity();
    glTranslated(-0.635, 0.445, -1.5);
    if (gl().turn) gl().turn();
    glTranslated(x / 639.0, -y / 639.0, 0);
    return true;
}

void TextPre() {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(gl().LibTextures[6]));
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void paintglyph(uint8_t ch, int mode, float scale) {
    const auto& g = gl();
    const float s = scale;
    float s0, t0, sw, th;
    cellRect(fontindex(ch), s0, t0, sw, th);
    float H = 0.1f * s;
    float W = mode > 0 ? mode / 1000.0f * 0.1f * s : 0.08f * s * g.TextWidthFactor;
    if (ch == 139) {
        // The long bar: ten and a half glyphs wide, the pen stays.
        W = 0.08f * s * 10.5f;
        H = 0.05f;
        glBegin(GL_QUADS);
        glTexCoord2f(s0, t0);
        glVertex2f(0, 0);
        glTexCoord2f(s0 + sw, t0);
        glVertex2f(W, 0);
        glTexCoord2f(s0 + sw, t0 + th);
        glVertex2f(W, H);
        glTexCoord2f(s0, t0 + th);
        glVertex2f(0, H);
        glEnd();
        return;
    }
    const float h = charwidth(std::string_view(reinterpret_cast<const char*>(&ch), 1)) / 2 * g.GlyphSpacing;
    glTranslatef(mode > 0 ? s * h / 60 + s * h / 15 : s * h / 15, 0, 0);
    glBegin(GL_QUADS);
    if (mode == -3) {
        const float a = (0.65f + 0.4f * sinDeg(2 * g.RotAngle[1])) * glowAlpha;
        glColor4f(1, 1, 1, 0);
        glTexCoord2f(s0, t0 + th);
        glVertex2f(-0.008f, 0);
        glTexCoord2f(s0 + sw, t0 + th);
        glVertex2f(W - 0.008f, 0);
        glColor4f(1, 1, 1, a);
        glTexCoord2f(s0 + sw, t0);
        glVertex2f(W + 0.001f, H);
        glTexCoord2f(s0, t0);
        glVertex2f(0.001f, H);
    } else if (mode == -4) {
        const float a = 0.7f + 0.3f * sinDeg(2 * g.RotAngle[1]);
        const float H2 = H * 1.2f;
        glColor4f(1, 1, 1, 0);
        glTexCoord2f(s0, t0);
        glVertex2f(0.001f, 0.011f);
        glTexCoord2f(s0 + sw, t0);
        glVertex2f(W + 0.001f, 0.011f);
        glColor4f(1, 1, 1, a);
        glTexCoord2f(s0 + sw, t0 + th);
        glVertex2f(W - 0.048f, 0.011f + H2);
        glTexCoord2f(s0, t0 + th);
        glVertex2f(-0.048f, 0.011f + H2);
    } else {
        glTexCoord2f(s0, t0);
        glVertex2f(0, 0);
        glTexCoord2f(s0 + sw, t0);
        glVertex2f(W, 0);
        glTexCoord2f(s0 + sw, t0 + th);
        glVertex2f(W, H);
        glTexCoord2f(s0, t0 + th);
        glVertex2f(0, H);
    }
    glEnd();
    glTranslatef(mode > 0 ? -s * h / 12 : s * h / 15, 0, 0);
}

namespace {

bool endsWith(const std::string& s, std::string_view end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// Characters moved since the last moved blank: the run of non-blanks at the front of rest.
int leadingWord(const std::string& rest) {
    int n = 0;
    while (n < static_cast<int>(rest.size()) && rest[n] != ' ') ++n;
    return n;
}

}  // namespace

void bprintit(std::string text, int state, float scale, float x, float y, float depth, uint8_t style,
              int align, float alpha, int maxRight, int showRest, std::string mask, std::string& rest) {
    auto& g = gl();
    rest.clear();
    if (maxRight > 0 && maxRight - x > 20) {
        const float bottom = y + num::round(16 * scale);
        std::string cut;
        const float room = maxRight - x;
        while (!text.empty() && charwidth(text) * 11.5f * scale - 8 > room) {
            cut.insert(cut.begin(), text.back());
            text.pop_back();
        }
        // Break between words unless the word is longer than 15 characters.
        while (!cut.empty() && !text.empty() && text.back() != ' ' && leadingWord(cut) < 15) {
            cut.insert(cut.begin(), text.back());
            text.pop_back();
        }
        const bool wasCut = !cut.empty();
        const int vx = g.ViewWidth > 0 ? num::round(g.MouseX * 807.0 / g.ViewWidth) : 0;
        const int vy = g.ViewHeight > 0 ? num::round(g.MouseY * 607.0 / g.ViewHeight) : 0;
        const bool over = vx >= x && vx <= maxRight && vy >= y && vy <= bottom;
        if ((showRest != 0 && wasCut) || over)
            rest = ">" + cut;
        else if (wasCut && !endsWith(text, ".."))
            text += "..";
    }
    if (style == 6 || (!text.empty() && text[0] == '>')) return;

    const float k = state == 3 ? 0.4f : 1.0f;
    const float s1 = scale - 1;
    const float gs = scale / 4.1f;
    if (g.NoBlend)
        glDisable(GL_BLEND);
    else
        glEnable(GL_BLEND);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    double z = -1.5;
    if (style != 2 && state == 1) z += depth;
    if (state == 2) z -= depth;
    glTranslated(-0.635, 0.445, z);
    if (g.turn) g.turn();
    glTranslated((x - 5 * s1) / 639.0, -(y + 10 * s1) / 639.0, 0);
    const float w = (0.076f * charwidth(text) + 0.04f) * gs;
    if (align == 1) glTranslatef(-w / 2, 0, 0);
    if (align == 2) glTranslatef(-w, 0, 0);

    const glstate::Color& c = ((style == 1 || style == 2) && (state == 1 || state == 2))
                                  ? g.HighlightTextColor
                              : state == 3 ? g.DisabledTextColor
                                           : g.TextColor;
    const float a = c.a * k * alpha;
    glColor4f(c.r, c.g, c.b, a);
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    int mode = 0;
    if (style == 5) {
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(g.LibTextures[7]));
        if (g.TextEffect == 4 || g.TextEffect == 3) {
            glTranslated(0, (-12 - y / 40) * scale / 497.0, 0);
            if (g.TextEffect == 4) {
                mode = -4;
                glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
            } else {
                mode = -3;
                glowAlpha = alpha;
                glBlendFunc(GL_SRC_ALPHA, GL_ONE);
                glRotatef(-40, 1, 0, 0);
            }
        } else {
            const auto& d = g.DisabledTextColor;
            glColor4f(d.r, d.g, d.b, d.a * k * alpha * (0.6f + 0.4f * sinDeg(2 * g.RotAngle[1])));
            glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        }
    } else {
        TextPre();
    }
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '#') break;
        paintglyph(static_cast<uint8_t>(text[i]), mode, 1.08f * gs);
        if (i < mask.size() && mask[i] == '#') {
            size_t n = 0;
            while (i + n < mask.size() && mask[i + n] == '#') mask[i + n++] = ' ';
            const std::string under = text.substr(std::min(i + 1, text.size()), n);
            const int m = num::round(charwidth(under) * 0.9 * 1000 * 0.8);
            if (m > 0) paintglyph('_', m, 1.08f * gs);
        }
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_BLEND);
    if (!g.NoLighting) glEnable(GL_LIGHTING);
}

void printonly(std::string_view t, float scale, float /*spare*/, float barScale) {
    for (char c : t) {
        glTranslatef(0, 0, 0.0005f);
        const uint8_t u = static_cast<uint8_t>(c);
        paintglyph(u, 0, u == 139 ? barScale : scale);
    }
}

bool parseColor(std::string_view t, float out[4]) {
    std::string s(t);
    if (s.size() < 8) s.append(8 - s.size(), '0');
    float v[4];
    for (int i = 0; i < 4; ++i) {
        int64_t n = 0;
        const std::string_view pair = std::string_view(s).substr(static_cast<size_t>(i) * 2, 2);
        // Only two digits make a channel; signs and blanks are not colours.
        if (pair[0] < '0' || pair[0] > '9' || pair[1] < '0' || pair[1] > '9' || !text::toInt(pair, n))
            return false;
        v[i] = static_cast<float>(n / 99.0);
    }
    for (int i = 0; i < 4; ++i) out[i] = v[i];
    return true;
}

}  // namespace gltext
