#include "games/casino/chipdraw.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "core/envparam.h"
#include "core/highscore.h"
#include "games/casino/chipanim.h"
#include "games/casino/chiplayout.h"
#include "games/casino/geldtext.h"
#include "games/casino/pokerchips.h"
#include "gui/gltex.h"
#include "platform/num.h"
#include "table/kamera.h"
#include "table/kartenmesh.h"
#include "table/overlays.h"
#include "table/render.h"

namespace chipdraw {

Texturen texturen;
int qualitaet = 3;
float (*panelBlende)(int seat) = nullptr;
float (*listeBlende)() = nullptr;

using pokerchips::Pose;

bool texturenLaden(const std::filesystem::path& ordner, bool euro, int detail) {
    bool alle = true;
    auto laden = [&](const char* name, unsigned& ziel) {
        std::error_code ec;
        if (!std::filesystem::exists(ordner / name, ec)) {
            alle = false;
            return;
        }
        // A file loaded before keeps its texture number; the library reloads it with a new context.
        const int id = gltex::registered(ordner / name);
        ziel = static_cast<unsigned>(id ? id : gltex::ctexLoad(ordner / name, detail));
    };
    laden(euro ? "_echips.jpg" : "chips.jpg", texturen.flaeche);
    laden(euro ? "_echipk.jpg" : "chipk.jpg", texturen.rand);
    laden("chips2.jpg", texturen.markeFlaeche);
    laden("chipk2.jpg", texturen.markeRand);
    return alle;
}

int segmente(int detail, int quality) {
    constexpr int tabelle[4][5] = {
        {8, 12, 22, 30, 40}, {7, 11, 18, 26, 32}, {7, 10, 14, 18, 24}, {6, 8, 10, 12, 16}};
    if (quality < 1 || quality > 5) return 48;
    return tabelle[detail >= 1 && detail <= 3 ? detail : 0][quality - 1];
}

namespace {

using namespace pokerchips;

Pose plus(const Pose& a, const Pose& b) {
    return Pose{a.x + b.x, a.y + b.y, a.z + b.z, a.a1 + b.a1, a.a2 + b.a2, a.a3 + b.a3};
}

Pose lerp(const Pose& a, const Pose& b, float t) {
    auto m = [t](float u, float v) { return u + (v - u) * t; };
    return Pose{m(a.x, b.x), m(a.y, b.y), m(a.z, b.z), m(a.a1, b.a1), m(a.a2, b.a2), m(a.a3, b.a3)};
}

// The resting pose of a slot: seat base, the base of its stack's column, its place in the stack.
Pose slotPose(int sitz, int typ, int slot) {
    const ChipSeat& cs = seat(sitz);
    const int spalte = typ == kMarke ? (sitz == kBank ? 3 : 4) : ChipStackColumn(sitz, typ, slot);
    Pose p = plus(cs.base, cs.stacks[typ].base);
    if (slot >= 0 && slot < cs.stacks[typ].count && cs.stacks[typ].entries[slot].zustand != kReserviert)
        return plus(p, cs.stacks[typ].entries[slot].pose);
    return plus(p, chiplayout::chipPose(2, slot, sitz, spalte, false, typ));
}

struct Form {
    float r, h;
};

Form form(int typ) {
    const float s = envParam.labelSkala;
    if (typ == kMarke) return cg.spielId == 9 ? Form{0.13f, 0.01872f} : Form{0.1f, 0.0144f};
    if (ChipsAsEuroCents()) {
        constexpr float r[5] = {0.728f, 0.767f, 0.864f, 0.942f, 0.98f};
        return Form{0.09348f * s * r[typ], 0.0123f * s * chiplayout::euroHoehe(typ)};
    }
    return Form{0.084f * s, 0.015f * s};
}

void farbe(int typ, float b, float a) {
    if (texturen.flaeche) {
        glColor4f(b, b, b, a);
        return;
    }
    constexpr float c[7][3] = {{0.9f, 0.9f, 0.9f}, {0.8f, 0.1f, 0.1f},    {0.1f, 0.3f, 0.8f},
                               {0.1f, 0.6f, 0.2f}, {0.15f, 0.15f, 0.15f}, {1, 1, 1},
                               {0.95f, 0.9f, 0.7f}};
    glColor4f(c[typ][0] * b, c[typ][1] * b, c[typ][2] * b, a);
}

void tischRahmen() {
    glu::setcamera();
    glTranslatef(0, 0.12f, 0);
    glRotatef(-55, 1, 0, 0);
    glTranslatef(0, 2.4f, 0.2f);
    glTranslatef(-0.1f, -0.7f, 0);
    glTranslatef(-1.62f, 3.15f, -2.57f);
    glTranslatef(1.68f, -2.1f, 0);
}

void stueck(const Pose& p, int typ, int code, uint8_t pass, float alpha, float shade, int detail) {
    const Form f = form(typ);
    glMatrixMode(GL_MODELVIEW);
    tischRahmen();
    if (pass == 3) {
        glRotatef(-180, 1, 0, 0);
        glTranslatef(p.x / 502, -p.y / 502, p.z / 502 + f.h);
        glRotatef(-p.a3, 0, 0, 1);
        glRotatef(-p.a1, 1, 0, 0);
        glRotatef(-p.a2, 0, 1, 0);
    } else {
        glTranslatef(p.x / 502, p.y / 502, p.z / 502);
        glRotatef(p.a3, 0, 0, 1);
        glRotatef(p.a1, 1, 0, 0);
        glRotatef(p.a2, 0, 1, 0);
    }
    const int n = segmente(detail, qualitaet);
    auto punkt = [&](int k, float& x, float& y) {
        const float t = static_cast<float>(k % n) / n * 2 * 3.1406f - 2.7f;
        x = f.r * std::cos(t);
        y = f.r * std::sin(t);
    };
    if (pass == 2) {
        // the piece casts the shadow of its upper rim
        float px[48], py[48], pz[48];
        for (int k = 0; k < n; ++k) {
            punkt(k, px[k], py[k]);
            pz[k] = f.h;
        }
        glDepthFunc(GL_LEQUAL);
        glu::shadowvolume(px, py, pz, n);
        return;
    }
    float b = typ == kMarke ? 1.0f : 1 - 0.3f * (1 - shade);
    float a = alpha;
    if (pass == 3) {
        const float weg = envParam.ref_weg > 0 ? static_cast<float>(envParam.ref_weg) : 1.0f;
        const float ma = std::clamp(envParam.reflection / 99.0f * (1 - (p.z / weg) / 2.4f), 0.0f, 1.0f);
        if (ma < 0.01f) return;
        a *= ma;
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else if (pass == 1) {
        glDisable(GL_BLEND);
        glDisable(GL_TEXTURE_2D);
        glColor4f(1, 0, 0, 1);
    } else if (a < 0.9999f) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        glDisable(GL_BLEND);
    }
    const float g = envParam.gray > 0 ? static_cast<float>(envParam.gray) : 99.0f;
    b = std::min(1.0f, (0.7f + 14 / g) * b);
    if (pass != 1) farbe(typ, b, a);

    const bool marke = typ == kMarke;
    const unsigned fl = marke ? texturen.markeFlaeche : texturen.flaeche;
    const unsigned rd = marke ? texturen.markeRand : texturen.rand;
    const float w = marke ? 1.0f / 3 : 1.0f / 5;
    // the marker atlas has three equal columns: small blind, dealer, big blind
    const float u0 = marke ? code / 3.0f : (code - 1) / 5.0f;
    const bool tex = pass != 1 && fl != 0;
    for (int seite = 0; seite < 2; ++seite) {
        const float z = seite == 0 ? 0.0f : f.h;
        if (tex) {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, fl);
        }
        glBegin(GL_TRIANGLE_FAN);
        glTexCoord2f(u0 + 0.5f * w, 0.5f);
        glVertex3f(0, 0, z);
        for (int j = 0; j <= n; ++j) {
            float x, y;
            punkt(seite == 0 ? n - j : j, x, y);
            glTexCoord2f(u0 + w * (x / f.r + 1) / 2, (y / f.r + 1) / 2);
            glVertex3f(x, y, z);
        }
        glEnd();
    }
    if (tex && rd) glBindTexture(GL_TEXTURE_2D, rd);
    glBegin(GL_QUAD_STRIP);
    for (int j = 0; j <= n; ++j) {
        float x, y;
        punkt(j, x, y);
        const float u = u0 + w * (0.02f + 0.96f * j / n);
        glTexCoord2f(u, 1);
        glVertex3f(x, y, f.h);
        glTexCoord2f(u, 0);
        glVertex3f(x, y, 0);
    }
    glEnd();
    if (tex) glDisable(GL_TEXTURE_2D);
}

void eintrag(const ChipEntry& e, int sitz, int typ, uint8_t pass) {
    const auto& h = chipanim::AnimationHandler;
    const int code = typ == kMarke ? e.wert : chipTypeToCode(typ);
    const int detail = pass == 1 ? 3 : 0;
    if (pass == 1) glLoadName(static_cast<GLuint>(chipTypeToCode(typ) + (sitz == 1 ? 10 : 20)));
    if (e.zustand == kFliegt && e.flug >= 0 && e.flug < h.fluege()) {
        const chipanim::ChipFlight& f = h.flug(e.flug);
        const float p = std::min(1.0f, f.progress);
        const Pose von = slotPose(f.von, f.vonTyp, f.vonSlot);
        const Pose nach = slotPose(f.nach, f.nachTyp, f.nachSlot);
        if (f.kind == 1 || f.kind == 5) {
            Pose m = lerp(von, nach, p);
            m.z += 400 * p * (1 - p);
            if (p < 0.2f)
                m.z += 150 * std::sin(2.5f * 3.14159f * p);
            else if (p > 0.8f)
                m.z += 150 * std::sin(2.5f * 3.14159f * (1 - p));
            else
                m.z += 150;
            if (f.kind == 5) m.a2 -= 360 * p;
            stueck(m, typ, code, pass, 1, e.shade, detail);
        } else if (f.kind == 6) {
            const float a1 = std::max(0.0f, 1 - (von.z / 400 + 1) * p);
            const float a2 = nach.z > 0 ? std::min(1.0f, (400 / nach.z + 1) * p) : (p > 0 ? 1.0f : 0.0f);
            if (a1 > 0 && !(pass == 2 && a1 < 0.6f)) stueck(von, typ, code, pass, a1, e.shade, detail);
            if (a2 > 0 && !(pass == 2 && a2 < 0.6f)) stueck(nach, typ, code, pass, a2, e.shade, detail);
        } else {
            stueck(slotPose(sitz, typ, e.slot), typ, code, pass, 1, e.shade, detail);
        }
        return;
    }
    stueck(slotPose(sitz, typ, e.slot), typ, code, pass, 1, e.shade, detail);
}

// The matrix of a seat's label, beside its chips.
void placeSeatLabel(int sitz, bool gehoben, bool gegner) {
    const int n = num::clamp<int>(cg.ablauf.anzSpieler, 1, 6);
    const ChipSeat& cs = seat(sitz);
    float x = cs.base.x - 90, y = cs.base.y - 175, z = cs.base.z;
    if (sitz >= 1 && sitz <= n) {
        x -= 60;
        y -= 10;
        if (sitz == 1 && cs.stacks[2].count > 66) x += 55;
    }
    if (sitz >= 2 && sitz <= n) {
        const float a = static_cast<float>(sitz - 1) / n, b = static_cast<float>(sitz) / n;
        if (a < 0.35f) x += 20;
        if (b >= 0.55f) y -= (b - 0.55f) / 0.45f * 55 + 20;
    }
    if (cg.spielId == 9) {
        if (sitz == 1) {
            x -= 50;
        } else {
            y -= 0.16f * x + 20;
            x += 100;
            z += 30;
        }
    }
    if (gehoben) z += 100;
    glu::setcamera();
    glTranslatef(0, 0.12f, 0);
    glRotatef(-55, 1, 0, 0);
    glTranslatef(0, 2.4f, 0.2f);
    glTranslatef(-0.1f, -0.7f, 0.02f);
    const int m = cs.stacks[kMarke].count;
    glTranslatef(-1.62f, 3.15f, (sitz != 1 && sitz != 7 && sitz != 8 && m > 1) ? -2.58f + 0.02f * m : -2.56f);
    glTranslatef(1.68f, -2.1f, 0);
    glTranslatef(x / 502, y / 502, z / 502);
    if (sitz >= 2 && sitz <= n && x < 400) glTranslatef(0.05f * (400 - x) / 497, -0.1f * (400 - x) / 497, 0);
    // a seat whose hand is not shown keeps its label lower (Black Jack never shows one)
    if (gegner) glTranslatef(0, -0.11f * (150 - x) / 502, 0);
}

void labels(int sitz) {
    const int n = num::clamp<int>(cg.ablauf.anzSpieler, 1, 6);
    const int32_t m = chipsAvailable(sitz, kKeinTyp);
    if (sitz == 1 || sitz == kPot) {
        if (m <= 0) return;
        placeSeatLabel(sitz, false, false);
        glu::drawseatlabel(geldtext::formatMoney(m), sitz, false, 1.0f);
        return;
    }
    if (sitz < 2 || sitz > n || (sitzImSpiel && !sitzImSpiel(sitz))) return;
    const float panel = panelBlende ? panelBlende(sitz) : 0.0f;
    const float liste = listeBlende ? listeBlende() : 0.0f;
    if (panel <= 0 && liste <= 0) return;
    const std::string name = highscore::spielerName(cg, sitz, true);
    placeSeatLabel(sitz, false, true);
    glDisable(GL_DEPTH_TEST);
    if (panel > 0)
        glu::drawseatlabel("!" + name + ": " + geldtext::formatMoney(m), sitz, false, std::max(panel, liste));
    else
        glu::drawseatlabel("!" + name, sitz, false, liste);
    glEnable(GL_DEPTH_TEST);
}

}  // namespace

void DrawChips(uint8_t pass) {
    if (!IsChipGame()) return;
    abgangEntfernen();
    // the upkeep pass draws nothing
    if (pass > 3) return;
    const int n = num::clamp<int>(cg.ablauf.anzSpieler, 1, 6);
    int reihe[16];
    int k = 0;
    reihe[k++] = kBank;
    reihe[k++] = kPot;
    if (cg.spielId == 9)
        for (int s = 9; s <= 8 + n; ++s) reihe[k++] = s;
    for (int s = 1; s <= n; ++s) reihe[k++] = s;
    glPushMatrix();
    for (int i = 0; i < k; ++i) {
        const int sitz = reihe[i];
        for (int typ : {kMarke, 4, 3, 2, 1, 0}) {
            if (pass == 1 && typ == kMarke) continue;
            const ChipStack& st = seat(sitz).stacks[typ];
            for (int j = 0; j < st.count; ++j) {
                const ChipEntry& e = st.entries[j];
                if (e.zustand == kReserviert || e.zustand == kFort) continue;
                eintrag(e, sitz, typ, pass);
            }
        }
        if (glu::renderPass == 0 && pass == 0) labels(sitz);
    }
    glPopMatrix();
    glDisable(GL_BLEND);
    glColor4f(1, 1, 1, 1);
}

}  // namespace chipdraw
