#include "table/kartenmesh.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "core/envparam.h"
#include "gui/glframe.h"
#include "gui/gltext.h"
#include "platform/num.h"
#include "table/glu.h"
#include "table/kamera.h"
#include "table/overlays.h"
#include "table/render.h"
#include "table/tischhooks.h"

namespace glu {

int32_t pickName = 0;
float mirrorSign = 1.0f;
double savedModelview[16] = {};

void savemodelview() {
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glGetDoublev(GL_MODELVIEW_MATRIX, savedModelview);
    glPopMatrix();
}

bool ismeshpass() { return renderPass != 2; }
bool ismirrorpass() { return renderPass == 3; }

int cornersegments(int detail, bool menuScene, bool coarse, int stack, bool restingTalonBelowTop) {
    int n = detail >= 1 && detail <= 5 ? detail : 4;
    if (menuScene) ++n;
    if (coarse) n = std::min(n, 2);
    if ((stack == 1 || stack == 11) && n > 1) ++n;
    if (restingTalonBelowTop) n = 4;
    return n;
}

int bodyrows(int detail, bool coarse, bool lowest, bool moving) {
    static const int rows[5] = {1, 2, 4, 6, 8};
    int n = detail >= 1 && detail <= 5 ? rows[detail - 1] : 4;
    if (coarse) n = std::min(n, 3);
    if (lowest) n = std::min(n, 2);
    if (!moving) n = 1;
    return n;
}

float cardbend(int mode, float s, float k, bool backSide) {
    if (mode == 1) return -s * s * s * k * k / 400 / 16;
    if (mode == 3) {
        const float z = s * s * k / 100;
        return backSide ? -z : z;
    }
    return 0;
}

Crop facecrop(int gameId, int deckStyle) {
    if (gameId == 5 && deckStyle == 2) return {0.04f, 0.95f};
    if (gameId == 6 && deckStyle == 2) return {0.07f, 0.92f};
    if (gameId == 6 && deckStyle == 3) return {0.04f, 0.95f};
    return {0.05f, 0.94f};
}

float (*cardPulse)(int stack, int slot) = nullptr;

float highlightalpha(float p, bool meldGrid, int phase) {
    if (meldGrid) {
        if (phase == 9 || phase == 10) return 1.0f;
        return p < 0 ? 0.7f : 0.7f + 0.3f * p;
    }
    return p < 0 ? 0.6f : 0.6f + 0.4f * p;
}

float cardshade(float v, float light, float factor) { return 1 - (1.08f - v) * light * factor; }

float vertexshade(float v, float factor, bool poker, bool human, int gray, bool unshaded) {
    if (unshaded) return 1.0f;
    return poker ? pokershade(v, 1.0f, human, gray) : cardshade(v, 1.0f, factor);
}

float shadefactor(int gameId, bool blackJackSeat, bool optionsOn) {
    const bool meld = gameId == 3 || gameId == 4;
    if (!optionsOn) return meld ? 0.15f : 0.25f;
    if (meld) return 0.12f;
    if (gameId == 9 && blackJackSeat) return 0.3f;
    return 0.2f;
}

float mirroralpha(int strength, float v, float fadeBottom, float fadeTop, int gameId, int stack) {
    float a = strength / 99.0f * (fadeBottom * (1 - v) + fadeTop * v);
    if (a < 0) a = 0;
    if (gameId == 9) a = std::min(a, stack == 1 ? 0.08f : 0.4f);
    if (gameId == 7 && stack == 11) a = std::min(a, 0.3f);
    return a;
}

float pokershade(float v, float light, bool human, int gray) {
    const float d = (1.08f - v) * light;
    return 1 - d * d * (human ? 0.3f : 0.22f) / 38 * static_cast<float>(gray - 12);
}

int translucentVariant = 0;

Rgba translucentcolor(float s, float a, int variant) {
    if (a >= 1) return {s, s, s, 1};
    if (variant == 2) {
        const float sharp = std::max(0.0f, 1 - (1 - a) * 1.5f);
        const float c = s * sharp * 0.8f + (s + sharp) * 0.1f;
        return {c, c, c, 1};
    }
    const float c = s * a * 0.8f + (s + a) * 0.1f;
    if (variant == 1) return {c, c, c, c};
    return {c, c, c, a};
}

float trickpileshare(int stack, bool moving, int fromStack, int fromSlot, int toStack, float progress) {
    const float pr = std::clamp(progress, 0.0f, 1.0f);
    if (moving) {
        if (fromStack == 12 && toStack != 12) return 1 - pr;
        if (toStack == 12 && fromStack >= 1 && fromStack <= 4 && fromSlot >= 1 && fromSlot <= 10) return pr;
        return stack == 12 && fromStack == 12 ? 1.0f : 0.0f;
    }
    return stack == 12 ? 1.0f : 0.0f;
}

Size2 trickpilescale(float f, int seat) {
    if (seat == 3) f *= 1.2f;
    const float g = seat == 1 ? 0.8f : 1.0f;
    return {1 + 0.12f * f, 1 + 0.12f * g * f};
}

MixWeights flightmix(int flightCode, float progress) {
    float p = (std::min(1.0f, progress) - 0.2f) / 0.8f;
    if (p < 0) p = 0;
    const float w = std::min(1.0f, 1.5f * p);
    if (flightCode <= 0x807) return {p, p};
    if (flightCode <= 0x100f) return {w, w};
    return {p, w};
}

DealOffset bjdealoffset(bool human, float p, float m) {
    DealOffset d;
    const float q = 1 - p;
    if (human)
        d = {110 * p, 155 * p - (1 - m) * 40 * p, -38.5f * p - (1 - m) * 40 * p, -13 * p};
    else
        d = {-205 * (1 - q * q) * m * m, -63 * p - (1 - m) * 30 * p, 24 * p + (1 - m) * 30 * p, -10.9f * p};
    return d;
}

std::string (*cardLabel)(int stack, int slot) = nullptr;

bool haslabel(int gameId, int stack, int slot, int anz, int pilePos, int firstShown, int seatCount) {
    if (slot < 1 || slot > anz) return false;
    switch (gameId) {
        case 9:
            return stack >= 1 && stack <= seatCount && slot == firstShown;
        case 3:
        case 4:
            return stack == 12 && pilePos == 1;
        case 7:
            return (stack == 7 || stack == 8) && slot == anz;
        case 12:
            return stack >= 7 && stack <= 10 && slot == anz;
        default:
            return false;
    }
}

float labelscale(int gameId, int stack) {
    // The other seats' piles of won tricks lie far across the table: their labels are drawn
    // twice as large, so that their points can be read.
    return (gameId == 7 || gameId == 12) && stack >= 8 && stack <= 10 ? 2.0f : 1.0f;
}

namespace {

// What one card's mesh needs besides its arguments.
struct Mesh {
    float w = 0, h = 0;  // GL units
    float q = 0.05f;     // depth of a rounded end, share of the height
    float qu = 0;        // the same across the width, share of the width
    int n = 4, rows = 1;
    int bendMode = 0;
    float bendK = 0;
    bool back = false;
    bool textured = false, face = false;
    Crop crop{0, 1};
    float alpha = 1;
    float factor = 0.2f;
    bool poker = false, human = false;
    bool shade = false, mirror = false;
    int mirrorStrength = 0;
    int stack = 0;
    // shadow outline (card frame)
    float px[40], py[40], pz[40];
    int np = 0;
};

float bendAt(const Mesh& m, float u, float v) {
    (void)u;
    return cardbend(m.bendMode, (v - 0.5f) * 2, m.bendK, m.back) / 497.0f * 100;
}

void vertex(Mesh& m, float u, float v) {
    const float z = bendAt(m, u, v);
    if (renderPass == 2) {
        if (m.np < 40) {
            m.px[m.np] = u * m.w;
            m.py[m.np] = v * m.h;
            m.pz[m.np] = z;
            ++m.np;
        }
        return;
    }
    if (m.textured) {
        const float s = m.face ? m.crop.lo + (m.crop.hi - m.crop.lo) * u : u;
        glTexCoord2f(s, m.mirror ? 1 - v : v);
    }
    if (m.mirror) {
        const float a = mirroralpha(m.mirrorStrength, v, 1.0f, 0.2f, cg.spielId, m.stack);
        glColor4f(1, 1, 1, a * m.alpha);
    } else if (m.shade) {
        const float s =
            vertexshade(v, m.factor, m.poker, m.human, envParam.gray, renderOptions.Unshaded != 0);
        const Rgba c = translucentcolor(s, m.alpha, translucentVariant);
        glColor4f(c.r, c.g, c.b, c.a);
    }
    glVertex3f(u * m.w, v * m.h, z);
}

// One rounded end: the lower (dir +1, at v = 0) or upper (dir -1, at v = 1).
void cardcorner(Mesh& m, int dir) {
    const float v0 = dir > 0 ? 0.0f : 1.0f;
    if (renderPass != 2) glBegin(GL_POLYGON);
    // left corner then right corner, walking the outline in one direction
    const auto point = [&](int corner, int i) {
        const float a = static_cast<float>(i) / m.n;
        const float fa = a * a, fb = (1 - a) * (1 - a);
        if (corner == 0)
            vertex(m, fa * m.qu, v0 + dir * fb * m.q);
        else
            vertex(m, 1 - fb * m.qu, v0 + dir * fa * m.q);
    };
    if (dir > 0) {
        for (int i = 0; i <= m.n; ++i) point(0, i);
        for (int i = 0; i <= m.n; ++i) point(1, i);
    } else {
        for (int i = m.n; i >= 0; --i) point(1, i);
        for (int i = m.n; i >= 0; --i) point(0, i);
    }
    if (renderPass != 2) glEnd();
}

void cardbody(Mesh& m) {
    if (renderPass == 2) return;
    glBegin(GL_QUAD_STRIP);
    for (int r = 0; r <= m.rows; ++r) {
        const float v = m.q + (1 - 2 * m.q) * r / m.rows;
        vertex(m, 0, v);
        vertex(m, 1, v);
    }
    glEnd();
}

void cardmesh(Mesh& m) {
    glNormal3f(0, 0, 1);
    cardcorner(m, +1);
    if (renderPass == 2) {
        // the outline: lower end left to right, up the right edge, upper end, down the left
        cardcorner(m, -1);
        return;
    }
    cardbody(m);
    cardcorner(m, -1);
}

void cardshadowvolume(Mesh& m) { shadowvolume(m.px, m.py, m.pz, m.np); }

}  // namespace

// The shadow volume of a closed outline in the current model-view frame, extruded away from
// the light; the cards and the casino chips cast theirs through it.
void shadowvolume(const float* px, const float* py, const float* pz, int np) {
    if (np < 3) return;
    double mv[16], inv[9];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    if (!invertmatrix3(mv, inv)) return;
    // a light above and to the right of the viewer, as a direction in the piece's frame
    const double lx = -20, ly = -20, lz = -40;
    double d[3];
    for (int r = 0; r < 3; ++r) d[r] = inv[r] * lx + inv[3 + r] * ly + inv[6 + r] * lz;
    const double len = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (len <= 0) return;
    for (double& c : d) c = c / len * 10;
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor4f(1, 1, 1, 1);
    // walls whose winding shows their outside under the volume pass's front face
    const bool flip = d[2] <= 0;
    glCullFace(shadowFrontPass ? GL_BACK : GL_FRONT);
    glBegin(GL_QUAD_STRIP);
    for (int k = 0; k <= np; ++k) {
        const int i = flip ? (np - k % np) % np : k % np;
        glVertex3f(px[i], py[i], pz[i]);
        glVertex3f(px[i] + static_cast<float>(d[0]), py[i] + static_cast<float>(d[1]),
                   pz[i] + static_cast<float>(d[2]));
    }
    glEnd();
}

void mirroracrosstable() {
    // into the table's frame, where the top is z = 0, flip z, and back
    glTranslatef(0, 0.12f, 0);
    glRotatef(-55, 1, 0, 0);
    glTranslatef(0, 2.4f, 0.2f);
    glTranslatef(-1.62f, 3.15f, -2.57f);
    // whatever of a card dips below the top would mirror above it, in front of the cards
    const double below[4] = {0, 0, -1, 0};
    glClipPlane(GL_CLIP_PLANE0, below);
    glScalef(1, 1, -1);
    glTranslatef(1.62f, -3.15f, 2.57f);
    glTranslatef(0, -2.4f, -0.2f);
    glRotatef(55, 1, 0, 0);
    glTranslatef(0, -0.12f, 0);
}

namespace {

// The first card of a Black Jack seat's hand that lies face up (0: none).
int firstShownSlot(int stack) {
    const TSpieler& s = spieler[stack - 1];
    const auto offen = tischhooks::tab().bjKarteOffen;
    for (int i = 1; i <= s.anz && i <= kSlots; ++i)
        if (!offen || offen(stack, i)) return i;
    return 0;
}

// The game's label over the side just drawn, lifted off it: seen from the other side it lies
// behind the card.
void cardlabel(const CardArgs& a, const TKartenSlot& slot, float cardW, float cardH) {
    const int g = cg.spielId;
    if (!cardLabel || (g != 9 && g != 3 && g != 4 && g != 7 && g != 12)) return;
    const TSpieler& s = spieler[a.stack - 1];
    const int first = g == 9 ? firstShownSlot(a.stack) : 0;
    if (!haslabel(g, a.stack, a.slot, s.anz, slot.pilePos, first, anzSitze)) return;
    const std::string t = cardLabel(a.stack, a.slot);
    if (t.empty()) return;
    const float skala = cg.kartenSkala > 0 ? cg.kartenSkala : 1.0f;
    const float k = (skala * 0.5f + 0.5f) * labelscale(g, a.stack);
    glPushMatrix();
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_CULL_FACE);
    // the pictures stand with their top at v = 0, so the text turns with them; on a card that
    // lies turned half round to the viewer (the human's won tricks in Schnapsen) the text would
    // stand on its head, so it goes to the opposite corner the other way round
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    if (g != 9 && m[0] > 0) {
        glTranslatef(0.03f, cardH * 0.55f, 0.006f);
    } else {
        glTranslatef(cardW - 0.03f, cardH * 0.45f, g == 9 ? 0.02f : 0.006f);
        glRotatef(180, 0, 0, 1);
    }
    if (g == 9 && a.stack == 1) glRotatef(-30, 1, 0, 0);
    glScalef(k, k, k);
    // a small plate like the seats' labels, the text on it
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    enablegl(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    float width = 0.075f + 0.04f * static_cast<float>(t.size() > 1 ? t.size() - 1 : 0);
    if (g == 9 && t.size() > 3) width *= 0.7f;
    const float plateH = static_cast<float>(num::round(67.5 * 0.6));
    const float alpha = plateColor[3] * 0.9f;
    glColor4f(plateColor[0], plateColor[1], plateColor[2], alpha);
    glPushMatrix();
    glTranslatef(-0.01f, plateH * 0.8f / 497, -0.002f);
    glframe::paintcustomround(static_cast<float>(num::round(width * 497)), plateH, alpha);
    glPopMatrix();
    enablegl(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    gltext::TextPre();
    gltext::printonly(t, 1.05f * 0.6f, 0, 1.05f * 0.6f);
    glPopAttrib();
    glPopMatrix();
}

void stackPlace(int stack, Pos6& out) {
    out = Pos6{};
    if (!gueltig(stack)) return;
    const TSpieler& s = stack > 0 ? spieler[stack - 1] : spielerZwilling[-stack - 1];
    out = s.gleiten.active ? s.aktPos : s.pos;
}

}  // namespace

void liftoffset(const TBewegung& b, CardArgs& a) {
    if (!b.active || b.kind != 1) return;
    a.x += b.fx;
    a.y += b.fy;
    a.z += b.fz;
    a.a1 += b.fa1;
}

void drawcard(const CardArgs& a) {
    const float skala = cg.kartenSkala > 0 ? cg.kartenSkala : 1.0f;
    float width = a.width * 0.99f * skala;
    float height = a.height * skala;
    if (a.stack == 14) {
        width *= 0.36f;
        height *= 0.36f;
    }
    Mesh m;
    m.back = a.backSide;
    m.stack = a.stack;
    m.q = a.corner / 100;
    m.qu = m.q * height / width;
    m.w = width / 497;
    m.h = height / 497;

    const TKartenSlot* slot = nullptr;
    if (a.stack > 0 && a.stack <= kStapel && a.slot >= 1 && a.slot <= kSlots)
        slot = &spieler[a.stack - 1].at(a.slot);
    const bool moving = slot && slot->bewegung.active &&
                        (slot->bewegung.kind == 2 || slot->bewegung.kind == 3 || slot->bewegung.kind == 6);
    if (cg.spielId == 7 && slot) {
        const TBewegung& b = slot->bewegung;
        const float f = trickpileshare(a.stack, moving, b.fromStack, b.fromSlot, b.toStack, b.progress);
        if (f > 0) {
            // a lying card remembers the seat it was dealt to; a flying one belongs to the seat on turn
            const int seat = moving ? cg.aktSpieler : slot->dealNr / 50;
            const Size2 k = trickpilescale(f, seat);
            width *= k.w;
            height *= k.h;
        }
    }
    const bool menu = a.stack < 0;
    const bool restingTalon = a.stack == 11 && slot && !moving && a.slot < spieler[10].anz;
    m.n = cornersegments(renderOptions.detail, menu, coarseCards != 0, a.stack, restingTalon);
    m.rows =
        bodyrows(renderOptions.detail, coarseCards != 0, renderOptions.LowestDetail != 0, moving || menu);
    m.bendMode = static_cast<int>(a.bend);
    m.bendK = moving ? a.tilt * 10 * (1 - std::fabs(slot->bewegung.progress * 2 - 1)) : 0;
    if (menu) {
        m.bendMode = 3;
        m.bendK = a.bend;
    }

    // texture and colour
    if (pickingFlag || renderPass == 1) {
        glDisable(GL_TEXTURE_2D);
        glLoadName(static_cast<GLuint>(pickName));
    } else if (renderPass != 2) {
        glLoadName(static_cast<GLuint>(pickName));
        uint32_t t = a.texture;
        if (renderPass == 3 && a.backSide && a.stack >= 2 && a.stack <= anzSitze && tex.backAlt &&
            envParam.reflection < 56 && t == tex.back)
            t = tex.backAlt;
        m.textured = t != 0;
        if (m.textured) {
            enablegl(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, t);
        } else {
            glDisable(GL_TEXTURE_2D);
        }
        m.face = !a.backSide && t != tex.s0 && t != tex.back && t != tex.backAlt;
        m.crop = facecrop(cg.spielId, envParam.Kartenstil);
        glDisable(GL_BLEND);
        const bool ownMeldHand = (cg.spielId == 3 || cg.spielId == 4) && a.stack == 1;
        if (a.highlight && !ownMeldHand) {
            float p = -1;
            if (cardPulse) p = cardPulse(a.stack, a.slot);
            const int ph = cg.phase.nr;
            const bool grid = a.stack == 12 && cg.ablauf.meldModus && (ph == 4 || ph == 9 || ph == 10);
            m.alpha = highlightalpha(p, grid, ph);
            enablegl(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        }
        m.mirror = renderPass == 3;
        m.mirrorStrength = envParam.reflection;
        if (m.mirror) {
            enablegl(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        }
        m.shade = renderPass == 0;
        m.factor = shadefactor(cg.spielId, cg.spielId == 9 && a.stack >= 1 && a.stack <= anzSitze, true);
        m.poker = cg.spielId == 8;
        m.human = a.stack == 1;
        glColor4f(1, 1, 1, m.alpha);
    }
    // A card is two one-sided meshes back to back (the back side turned about y): only the side
    // facing the viewer may be drawn, else the two coplanar sides fight in the depth buffer. The
    // mirror's scale by -1 reverses the winding, so the front face swaps while it is active.
    const bool cullHere = renderPass != 2;
    if (cullHere) {
        glPushAttrib(GL_POLYGON_BIT);
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        glFrontFace(renderPass == 3 ? GL_CW : GL_CCW);
    }

    // placement
    // a free card (no stack) has the stack position and angles zero
    setcamera();
    if (renderPass == 3) mirroracrosstable();
    glTranslatef(-1.196f, -0.405f, -2.6f);
    glTranslatef(0, 0.12f, 0);
    glRotatef(35, 1, 0, 0);
    Pos6 p{};
    if (a.stack != -5) stackPlace(a.stack, p);
    float x = a.x, y = a.y, z = a.z, a1 = a.a1, a2 = a.a2, a3 = a.a3;
    if (moving) {
        const TBewegung& b = slot->bewegung;
        Pos6 src, dst;
        stackPlace(b.fromStack, src);
        stackPlace(b.toStack, dst);
        const MixWeights w = flightmix(b.flightCode, b.progress);
        for (int i = 0; i < 6; ++i) {
            const float k = i < 3 ? w.pos : w.ang;
            p.v[i] = src.v[i] * (1 - k) + dst.v[i] * k;
        }
        x = b.fx;
        y = b.fy;
        z = b.fz;
        a1 = b.fa1;
        a2 = b.fa2;
        a3 = b.fa3;
        if (cg.spielId == 9 && b.fromStack == 11 && b.toStack != 11 && b.toStack != 13) {
            const DealOffset d = bjdealoffset(b.toStack == 1 || b.toStack == -1,
                                              num::clamp(float(b.progress), 0.0f, 1.0f), skala);
            x += d.x;
            y += d.y;
            z += d.z;
            a1 += d.a1;
        }
    }
    glTranslatef(p.v[0] / 502, -p.v[1] / 502, p.v[2] / 502);
    if (a.stack != -5) {
        glRotatef(p.v[3] - 10, 1, 0, 0);
        glRotatef(p.v[4] + 6, 0, 1, 0);
        glRotatef(p.v[5], 0, 0, 1);
    }
    glTranslatef((width / 2 + x) / 502, -(height / 2 + y) / 502, z / 502);
    if (moving) {
        // the flight's own turns: a spin in the card's plane, a swing about its lower edge
        const TBewegung& b = slot->bewegung;
        if (b.extraA != 0) glRotatef(b.extraA, 0, 0, 1);
        if (b.extraB != 0) {
            const float edge = 1.3f * height / 2 / 497;
            glTranslatef(0, -edge, 0);
            glRotatef(b.extraB, 1, 0, 0);
            glTranslatef(0, edge, 0);
        }
    }
    glRotatef(a3, 0, 0, 1);
    glRotatef(a1, 1, 0, 0);
    glRotatef(a2, 0, 1, 0);
    if (a.sideways) glRotatef(90, 0, 0, 1);
    if (a.backSide) glRotatef(180, 0, 1, 0);
    glTranslatef(-width / 2 / 497, -height / 2 / 497, 0);

    // stack 14 and the human's Black Jack cards that are not shown face up stay unlit
    const auto offen = tischhooks::tab().bjKarteOffen;
    const bool unlit =
        a.stack == 14 || (cg.spielId == 9 && a.stack == 1 && slot && offen && !offen(1, a.slot));
    if (unlit) glDisable(GL_LIGHTING);
    cardmesh(m);
    if (unlit) enablegl(GL_LIGHTING);
    if (renderPass == 0 && !pickingFlag && slot) cardlabel(a, *slot, m.w, m.h);
    if (cullHere) glPopAttrib();

    glDepthFunc(GL_LEQUAL);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    if (renderPass == 2) cardshadowvolume(m);
    glColor4f(1, 1, 1, 1);
}

}  // namespace glu
