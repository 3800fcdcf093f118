#include "table/overlays.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "core/envparam.h"
#include "gui/glframe.h"
#include "gui/glstate.h"
#include "gui/gltext.h"
#include "platform/num.h"
#include "table/glu.h"
#include "table/kamera.h"
#include "table/kartenmesh.h"
#include "table/render.h"
#include "table/tischcg.h"

namespace glu {

bool (*pokerSeatView)(int seat, PokerSeatView& out) = nullptr;
bool (*pokerRevealSeatCards)(int seat) = nullptr;
float plateColor[4] = {0.08f, 0.1f, 0.25f, 0.85f};
bool (*seatMarks)(int seat, SeatMarks& out) = nullptr;
MarkerIcons markerIcons;
SeatAreas seatAreas[11];

void clearseatareas() {
    for (SeatAreas& a : seatAreas) a = SeatAreas{};
}

int markercount(int gameId, int seat, int phase, const SeatMarks& m) {
    if (gameId == 6) {
        if (seat != m.declarer) return 0;
        const SeatMarks::Spiel& g = phase == 3 || phase == 7 ? m.ansage : m.spiel;
        int n = g.tout ? 1 : 0;
        if (g.suit > 0 && g.type != 8) n += seat == 1 ? 2 : 1;
        return n;
    }
    if (gameId == 5) return (m.marks[0] > 0) + (m.marks[1] > 0) + (m.marks[2] > 0);
    return 0;
}

float markerscale(int viewHeight) {
    if (viewHeight <= 480) return 1.5f;
    if (viewHeight >= 720) return 1.0f;
    return 1.5f - 0.5f * static_cast<float>(viewHeight - 480) / 240.0f;
}

namespace {

constexpr float kPi = 3.14159265f;
// How far the human's marker row stands above its place, clear of the fanned hand.
constexpr float kMenschMarkeHoch = 0.33f;

float cw(const std::string& s) { return gltext::charwidth(s); }

const TSpieler* seatStack(int seat) {
    if (seat < 1 || seat > kStapel) return nullptr;
    return &spieler[seat - 1];
}

Pos6 seatPlace(int seat) {
    const TSpieler* s = seatStack(seat);
    if (!s) return Pos6{};
    return s->gleiten.active ? s->aktPos : s->pos;
}

// The rectangle (x0, y0)-(x1, y1) of the current model plane as it lands in the view: the
// bounds of its four projected corners. Only the label pass proper counts, not its mirror
// image in the table.
void noteseatarea(ViewRect& into, float x0, float y0, float x1, float y1) {
    if (renderPass != 5) return;
    GLdouble mv[16], pr[16];
    GLint vp[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    glGetIntegerv(GL_VIEWPORT, vp);
    if (vp[2] <= 0 || vp[3] <= 0) return;
    ViewRect r{1e9f, 1e9f, -1e9f, -1e9f};
    const float xs[4] = {x0, x1, x1, x0}, ys[4] = {y0, y0, y1, y1};
    for (int c = 0; c < 4; ++c) {
        double eye[4], clip[4];
        for (int i = 0; i < 4; ++i) eye[i] = mv[i] * xs[c] + mv[4 + i] * ys[c] + mv[12 + i];
        for (int i = 0; i < 4; ++i)
            clip[i] = pr[i] * eye[0] + pr[4 + i] * eye[1] + pr[8 + i] * eye[2] + pr[12 + i] * eye[3];
        if (!(clip[3] > 0)) return;  // behind the eye: no sensible area
        const float fx = static_cast<float>((clip[0] / clip[3] + 1) / 2);
        const float fy = static_cast<float>(1 - (clip[1] / clip[3] + 1) / 2);
        r.left = std::fmin(r.left, fx);
        r.right = std::fmax(r.right, fx);
        r.top = std::fmin(r.top, fy);
        r.bottom = std::fmax(r.bottom, fy);
    }
    into = r;
}

}  // namespace

BubbleMotion pokerbubblemotion(const PokerSeatView& p, bool reveal, int phaseStep, float tableAngle,
                               int gameId) {
    BubbleMotion m;
    if (p.bobbing) {
        const float bob = 0.5f * std::sin(kPi * p.bobPhase) / 8;
        if (gameId == 9)
            m.lift = bob;
        else if (gameId == 8 && phaseStep != 10 && phaseStep != 11 && phaseStep != 12)
            m.lift = reveal ? -bob : bob;
    }
    if (gameId == 8 && p.inHand)
        m.swayDeg =
            p.actions >= 2 ? std::sin(kPi * tableAngle / 36) * 3 : std::sin(kPi * tableAngle / 18) * 8;
    return m;
}

BubbleText bubbletext(const std::string& caption, bool visible, int seat, int gameId, int seatCount,
                      bool pokerState3) {
    BubbleText b;
    std::string t = caption;
    if (!visible || t.empty() || t == "?") return b;
    b.show = true;
    b.scale = seat == 1 ? 0.6f : 0.8f;
    b.line1 = t;
    if (t[0] == '?') {
        t.erase(0, 1);
        b.scale = 0.7f;
        b.line1 = t;
        const size_t len = t.size();
        if (gameId == 8 && !t.empty() && t.back() == ')' && len > 21) {
            const size_t sp = t.rfind(' ');
            if (sp != std::string::npos) {
                std::string l1 = t.substr(0, sp), l2 = t.substr(sp);
                // pad the narrower line so both sit centred (bounded: widths grow by a space)
                for (int guard = 0; guard < 64 && cw(l2) > cw(l1 + "   "); ++guard) l1 = " " + l1 + " ";
                for (int guard = 0; guard < 64 && cw(l1) > cw(l2 + " "); ++guard) {
                    l2 = " " + l2;
                    if (cw(l1) > cw(l2 + " ")) l2 += " ";
                }
                b.line1 = l1;
                b.line2 = l2;
                b.lines = 2;
            }
        } else if (len > 32 || (gameId == 8 && seatCount >= 5 && seat == 2 && len > 21)) {
            const size_t start = len < 32 ? len - 8 : 24;  // character 25, or length - 7
            const size_t sp = t.find(' ', start);
            if (sp != std::string::npos) {
                b.line1 = t.substr(0, sp + 1);
                b.line2 = t.substr(sp);
                b.lines = 2;
                b.lengthSplit = true;
            }
        }
    }
    if (gameId == 8 && b.lines == 1 && pokerState3) b.scale = 0.8f;
    if (gameId == 9 && seat == 1) b.scale *= 1.14f;
    if (b.line1.empty()) b.show = b.lines == 2;
    return b;
}

float bubblewidth(const BubbleText& b) {
    float w = (0.12f + 0.07f * cw(b.line1)) * b.scale;
    if (b.lengthSplit) w = std::fmax(w, (0.12f + 0.07f * cw(b.line2)) * b.scale);
    return w;
}

float blackjackbubblelift() {
    if (!cg.blackjack.siebzehnUndVier) return -0.1f;
    // in 17 und 4 the human's bubble climbs with the hand, already while its cards fly in
    const TSpieler& hand = spieler[0];
    const TSpieler& shoe = spieler[10];
    float f = static_cast<float>(std::max(-1, hand.anz - 3));
    const int top = num::clamp<int>(shoe.anz, 0, kSlots);
    for (int i = top; i >= 1 && i > top - 5; --i) {
        const TBewegung& b = shoe.at(i).bewegung;
        if (b.active && b.toStack == -1) f += b.progress;
    }
    return 0.08f * f;
}

float blackjackbubbleshift(int seat, int seatCount, size_t line1Length, bool narrowScreen) {
    if (seatCount < 5 || !narrowScreen) return 0;
    // a long text at the table's ends would run off a narrow screen
    const float step = line1Length > 17 ? 1.0f : line1Length >= 13 ? 0.5f : 0.0f;
    if (seat == 2) return step == 1.0f ? 0.18f : step * 0.2f;
    if (seat == seatCount) return -0.1f * step;
    return 0;
}

float markerfade(float fade, bool sliding, float p) {
    if (!sliding) return fade;
    return fade * (p >= 0.5f ? 2 * p - 1 : 1 - 2 * p);
}

void seatmatrix(int seat) {
    setcamera();
    glTranslatef(-1.196f, -0.405f, -2.6f);
    glTranslatef(0, 0.12f, 0);
    glRotatef(35, 1, 0, 0);
    Pos6 p = seatPlace(seat);
    float x = p.v[0], y = p.v[1], z = p.v[2];
    const int g = cg.spielId;
    const int n = anzSitze > 0 ? anzSitze : 1;
    if (g == 4) z -= 20 + static_cast<float>(n - seat) / n;
    if (g == 1 || g == 5 || g == 6 || g == 12) y -= 180;
    // The Schnapsen opponent's cards lie where its plate would stand: the plate goes behind them.
    if (g == 7 && seat == 2) y -= 180;
    const bool open = ishandopen(seat);
    glTranslatef((open ? x + 180 : x) / 502, -y / 502, z / 502);
    glRotatef(-90, 1, 0, 0);
    if (!open) {
        glTranslatef(0, 0.12f * -(1100 - x) / 502, 0);
        if (x < 800) glTranslatef(0.12f * (800 - x) / 502, 0, 0);
    }
    glTranslatef(-0.318725f, -0.358566f, -0.179283f);
}

void overlaymatrix(int seat) {
    setcamera();
    glTranslatef(-1.196f, -0.405f, -2.6f);
    const bool mirror = renderPass == 3;
    if (mirror) {
        glRotatef(-70, 1, 0, 0);
        savemodelview();
        savedModelview[1] = -savedModelview[1];
        savedModelview[5] = -savedModelview[5];
        savedModelview[9] = -savedModelview[9];
        glLoadMatrixd(savedModelview);
    }
    glTranslatef(0, 0.12f, 0);
    glRotatef(35, 1, 0, 0);
    if (mirror) {
        glTranslatef(-0.008f, 1.105f, -0.02f);
        glTranslatef(0, -0.1f, 0);
        glTranslatef(0.008f, 0, 0.02f);
    }
    const Pos6 p = seatPlace(seat);
    const float x = p.v[0];
    glTranslatef(x / 502, -p.v[1] / 502, p.v[2] / 502);
    glRotatef(p.v[3] - 15, 1, 0, 0);
    const int g = cg.spielId;
    if ((seat == 2 || seat == 4) && (g == 5 || g == 6 || g == 12)) {
        glRotatef((seat == 2 ? 0.95f : 1.04f) * p.v[4] + 6, 0, 1, 0);
        glTranslatef(0, seat == 2 ? -0.03f : 0.03f, 0);
    } else if (seat != 1) {
        glRotatef(p.v[4], 0, 1, 0);
    }
    if (seat == 1)
        glTranslatef(70.0f / 502, -0.209163f, 0);
    else
        glTranslatef(130.0f / 502, -0.209163f, -0.4375f / 502);
    if (g == 9) {
        glRotatef(90, 1, 0, 0);
        if (seat == 1) {
            glTranslatef(-0.26f, -0.4f, 0.1f);
            glRotatef(-40, 1, 0, 0);
        } else {
            glRotatef(15 - 0.055f * x, 0, 1, 0);
            glTranslatef(0.00002f * x - 0.12f, -0.0001f * x, 0);
            glRotatef(-10, 1, 0, 0);
        }
    } else if (seat > 1) {
        glRotatef(180, 0, 1, 0);
    }
}

void drawseatlabel(const std::string& textIn, int seat, bool framed, float alpha) {
    std::string t = textIn;
    const bool poker = cg.spielId == 8;
    glTranslatef(0.08f, 0.15f, 0.07f);
    glRotatef(framed || poker ? 60.0f : 45.0f, 1, 0, 0);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const float plateAlpha = plateColor[3] * (seat == 1 ? 0.9f : 0.85f) * alpha;
    glColor4f(plateColor[0], plateColor[1], plateColor[2], plateAlpha);
    if (!t.empty() && t[0] == '!') {
        t.erase(0, 1);
        glTranslatef(-0.018f * cw(t), 0, 0);
    }
    float width;
    if (framed) {
        width = (0.12f + 0.07f * cw(t)) * 0.6f;
    } else {
        width = 0.075f + 0.04f * (t.size() > 1 ? static_cast<float>(t.size() - 1) : 0.0f);
        if (cg.spielId == 9 && t.size() > 3) width *= 0.7f;
    }
    if (seat == 77) {
        glRotatef(180, 0, 1, 0);
        glRotatef(-75, 1, 0, 0);
        glTranslatef(-0.125196f, 0, 0);
    }
    // the plate hangs down from its top edge; the text stands on the line below it
    const float plateH = static_cast<float>(num::round(67.5 * 0.6));
    glPushMatrix();
    glTranslatef(-0.01f, plateH * 0.8f / 497, -0.002f);
    const float plateW = static_cast<float>(num::round(width * 497));
    if (seat >= 1 && seat <= 10) noteseatarea(seatAreas[seat].plate, 0, 0, plateW / 497, -plateH / 497);
    glframe::paintcustomround(plateW, plateH, plateAlpha);
    glPopMatrix();
    if (seat == 77) {
        glTranslatef(0.125196f, 0, 0);
        glRotatef(75, 1, 0, 0);
        glRotatef(-180, 0, 1, 0);
    }
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glColor4f(1, 1, 1, alpha);
    gltext::TextPre();
    if (framed) glTranslatef(0.009f, 0.004f, 0);
    gltext::printonly(t, 1.05f * 0.6f, 0, 1.05f * 0.6f);
    enablegl(GL_LIGHTING);
    glDepthFunc(GL_LEQUAL);
    glDisable(GL_BLEND);
}

void drawseatname(int seat) {
    if (seat < 1 || seat > 6) return;
    const std::string name = envParam.namen[seat].str();
    if (name.empty()) return;
    seatmatrix(seat);
    drawseatlabel(name, seat, true, 1.0f);
}

void drawseatbubble(int seat) {
    if (seat < 1 || seat > 10) return;
    const SeatOverlay& o = seatOverlay[seat];
    const int g = cg.spielId;
    PokerSeatView ps;
    const bool chips = (g == 8 || g == 9) && pokerSeatView && pokerSeatView(seat, ps);
    const bool state3 = g == 8 && seat >= 1 && seat < kBlasenSlots && cg.sprechblasen.zustand[seat] == 3;
    const BubbleText b = bubbletext(o.bubble, o.bubbleVisible, seat, g, anzSitze, state3);
    if (!b.show) return;
    BubbleMotion motion;
    if (chips) {
        const bool reveal = pokerRevealSeatCards && pokerRevealSeatCards(seat);
        motion = pokerbubblemotion(ps, reveal, cg.phase.schritt, tischcg::tz.tischWinkel, g);
    }
    overlaymatrix(seat);
    const bool one = seat == 1;
    switch (g) {
        case 4:
            glTranslatef(0.08f, one ? 0.65f : 0.55f, 0.1f);
            break;
        case 3:
        case 8:
        case 9:
            if (g == 9) {
                glTranslatef(-0.03f, 0.15f, -0.15f);
                if (one) glTranslatef(0, blackjackbubblelift(), 0);
                const auto& af = glstate::gl().AspectFlags;
                glTranslatef(blackjackbubbleshift(seat, anzSitze, b.line1.size(), af[0] || af[3]), 0, 0);
            }
            glTranslatef(0, motion.lift, 0);
            glTranslatef(0.08f, one ? 0.65f : 0.55f, one ? 0.15f : 0.12f);
            break;
        case 1:
            glTranslatef(0.08f, one ? 0.75f : 0.72f, -0.1f);
            break;
        case 5:
        case 6:
            // the trick games' captions sit close above the seat's name plate
            glTranslatef(0, one ? 0.4f : 0.45f, -0.1f);
            break;
        case 7:
            glTranslatef(0.08f, one ? 0.73f : 0.7f, 0.3f);
            glDisable(GL_DEPTH_TEST);
            break;
        case 0:
        case 2:
            // The other seats' three or five cards stand low: their bubbles sit just above them,
            // not up at the wall, where a narrow window cuts them off at its top corners.
            glTranslatef(0.08f, one ? 0.73f : 0.38f, -0.1f);
            break;
        default:
            glTranslatef(0.08f, one ? 0.73f : 0.7f, -0.1f);
            break;
    }
    const float w = bubblewidth(b);
    const float fade = o.bubbleFade;
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(plateColor[0], plateColor[1], plateColor[2], plateColor[3] * fade);
    if (chips && g == 8 && ps.state == 8 && b.lines == 2) glTranslatef(0, one ? 0.055f : 0.05f, 0);
    if (motion.swayDeg != 0) glRotatef(motion.swayDeg, 0, 0, 1);
    if (!b.line1.empty()) {
        const TSpieler* s = seatStack(seat);
        if (ishandopen(seat) || (s && s->gleiten.active)) {
            glRotatef(180, 0, 1, 0);
            glTranslatef(-w / 2, 0, 0);
            if (g == 3 || g == 4 || g == 8) glTranslatef(0, 0, 0.4f);
        } else {
            glTranslatef(-w / 2, 0, 0);
        }
        const float h = static_cast<float>(num::round(67.5 * b.scale)) * b.lines;
        glPushMatrix();
        glTranslatef(0, (h - 0.2f * 67.5f * b.scale) / 497, -0.002f);
        noteseatarea(seatAreas[seat].bubble, 0, 0, w, -h / 497);
        glframe::paintcustomround(static_cast<float>(num::round(w * 497)), h, fade);
        glPopMatrix();
    }
    glTranslatef(0.02f, 0.01f, 0);
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    gltext::TextPre();
    glColor4f(1, 1, 1, fade);
    if (b.lines == 2) glTranslatef(0, 0.07f * b.scale * 1.75f, 0);
    gltext::printonly(b.line1, b.scale, 0, b.scale);
    if (b.lines == 2) {
        glTranslatef(-0.85f * w, -1.4f * 0.07f * b.scale, 0);
        gltext::printonly(b.line2, b.scale, 0, b.scale);
    }
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    enablegl(GL_LIGHTING);
}

bool markersontop(int gameId) {
    return gameId == 0 || gameId == 1 || gameId == 2 || gameId == 3 || gameId == 4 || gameId == 7 || gameId == 12;
}

void drawseatmarkers(int seat, float xOffset) {
    if (seat < 1 || seat > 10) return;
    const int g = cg.spielId;
    const SeatOverlay& o = seatOverlay[seat];
    if (!o.iconVisible && g != 5 && g != 6 && g != 12) return;
    if (o.icon <= 0 && g != 5 && g != 6) return;
    overlaymatrix(seat);
    const TSpieler* s = seatStack(seat);
    const bool sliding = s && s->gleiten.active;
    const float fade = markerfade(o.iconFade, sliding, sliding ? s->gleiten.progress : 0);
    switch (g) {
        case 9:
            if (seat == 1) glTranslatef(0, 0.312989f, 0.594679f);
            break;
        case 3:
            glTranslatef(0,
                         seat == 1 ? 0.0500782f
                                   : (static_cast<float>(seat) / (anzSitze > 0 ? anzSitze : 1) + 10) / 639,
                         0);
            break;
        case 8:
            glTranslatef(0, seat == 1 ? 0.0500782f : 0.0516432f, 0);
            break;
        case 4:
            glTranslatef(0, 0.0907668f, 0);
            break;
        case 0:
            if (seat == 1) glTranslatef(0.0187793f, 0.0156495f, 0);
            break;
        case 1:
            if (seat == 1) glTranslatef(0, 0.0125196f, 0);
            break;
        case 5:
        case 6:
        case 12:
            glTranslatef(0, seat == 1 ? 0.00938967f : 0.00625978f, 0);
            break;
        default:
            break;
    }
    glTranslatef(xOffset / 639, 0, 0);
    if (g == 5 || g == 6) {
        SeatMarks m;
        if (!seatMarks || !seatMarks(seat, m)) m = SeatMarks{};
        const int count = markercount(g, seat, cg.phase.nr, m);
        // Larger in a small window, and never hidden by a hand: the human's row stands above
        // its fanned cards, every row is drawn over the cards of the table.
        const float k = markerscale(glstate::gl().ViewHeight);
        const auto icon = [&](int32_t t) {
            if (t > 0) glframe::painttransquad2(t, 60 * k, 60 * k, fade, 0, 0);
        };
        glDisable(GL_DEPTH_TEST);
        if (seat == 1) glTranslatef(0, kMenschMarkeHoch, 0);
        if (g == 6) {
            const float per = seat == 1 ? 2.5f : 2.0f;
            glTranslatef(-58.0f * k * count / per / 639, 0.0156495f, 0);
            icon(o.icon);
            if (seat == m.declarer) {
                const SeatMarks::Spiel& sp = cg.phase.nr == 3 || cg.phase.nr == 7 ? m.ansage : m.spiel;
                if (sp.suit > 0 && sp.type != 8) {
                    glTranslatef(0.0907668f * k, 0, 0);
                    icon(sp.suit <= 12 ? markerIcons.suit[sp.suit] : 0);
                }
                if (sp.tout) {
                    glTranslatef(0.0907668f * k, 0, 0);
                    icon(markerIcons.tout);
                }
            }
        } else {
            glTranslatef(-55.0f * k * count / 2 / 639, 0.0156495f, 0);
            icon(o.icon);
            for (int i = 0; i < 3; ++i) {
                if (m.marks[i] == 0) continue;
                glTranslatef(0.086072f * k, 0, 0);
                icon(markerIcons.marks[i]);
                if (m.marks[i] == 2) drawdoublemark(fade);
            }
        }
        glEnable(GL_DEPTH_TEST);
        return;
    }
    float size = markerIcons.small > 0 && o.icon == markerIcons.small ? 50.0f : 60.0f;
    const bool open = ishandopen(seat);
    // In the rummy and shedding games the marker stands where the seat's cards stand up (the
    // computer seats) or fan out (the human's): drawn over them, no hand hides it, and a computer
    // seat's stands above its name plate, which lies where the seat's place is. In Skat,
    // Schnapsen and Jass it is drawn over the cards too; there the other seats' cards stand low.
    const bool ueberKarten = markersontop(g);
    if (ueberKarten) {
        glDisable(GL_DEPTH_TEST);
        size *= markerscale(glstate::gl().ViewHeight);
        const bool stichspiel = g == 1 || g == 7 || g == 12;
        if (!stichspiel && seat != 1 && g != 4) glTranslatef(0, 0.13f, 0);
        // the human's stands above its fanned cards, clear of the decision buttons below them;
        // in Mau Mau the discard pile lies there, whose top card the player must see
        if (seat == 1 && g != 0) glTranslatef(0, kMenschMarkeHoch, 0);
    }
    // A Black Jack seat's marker lies on the cloth beyond its cards: at their corner it lay
    // under them and could not be seen.
    const bool nebenKarten = g == 9 && seat != 1;
    if (nebenKarten) {
        glTranslatef(0, 0.15f, 0);
        glDisable(GL_DEPTH_TEST);
    }
    if (!open || sliding) glframe::painttransquad2(o.icon, size, size, fade, 0, 0);
    if (open || sliding) {
        glTranslatef(0.156495f, 0, -0.12f);
        glframe::painttransquad2(o.icon, -size, size, fade, 0, 0);
    }
    if (ueberKarten || nebenKarten) glEnable(GL_DEPTH_TEST);
}

void drawdoublemark(float alpha) {
    glTranslatef(0.00782473f, -0.0469484f, 0.00312989f);
    // a veil over the mark's corner, the mark still showing through: at full alpha the light
    // blend would paint a white block
    glframe::painttransquad(0, 25, 25, 0.5f * alpha);
    glTranslatef(-0.00782473f, 0.0469484f, -0.00312989f);
}

}  // namespace glu
