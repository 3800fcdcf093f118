// Flight geometry: where a moving card is in this frame, from its flight code.
#include <algorithm>
#include <cmath>

#include "platform/num.h"
#include "table/glu_intern.h"

namespace glu {

namespace {

constexpr float kPi = 3.14159f;

float sq(float v) { return v * v; }
float lin(float d, float s, float t) { return d * t + s * (1 - t); }

const TKartenSlot kOhnePlatz{};

// The placement a flight starts from or heads to, as getcardslot gives it: the slot itself, a
// copy where the meld piles place the card, and no placement at all for a slot that does not
// exist. Read in place, as every flying card needs two of them in every frame.
const TKartenSlot& platz(int stack, int slot, bool ziel, TKartenSlot& kopie) {
    if (slot < 1 || slot > kSlots || !gueltig(stack)) return kOhnePlatz;
    if (cg.ablauf.meldModus && (stack == 12 || stack == -12)) {
        getcardslot(stack, slot, ziel, kopie);
        return kopie;
    }
    return st(stack).at(slot);
}

}  // namespace

void flightstep(TBewegung& b, int spi, int slot, int moveKind) {
    int32_t code = b.flightCode;
    bool f6 = false, f5 = false, f4 = false, f2 = false, f3 = false, f1 = false;
    if (code >= 0x10100) {
        code -= 0x10100;
        f6 = true;
    }
    if (code >= 0x8080) {
        code -= 0x8080;
        f5 = true;
    }
    if (code >= 0x4040) {
        code -= 0x4040;
        f4 = true;
    }
    if (code >= 0x2020) {
        code -= 0x2020;
        (cg.spielId == 9 ? f3 : f2) = true;
    }
    if (code >= 0x1010) code -= 0x1010;
    if (code >= 0x808) code -= 0x808;
    if (code >= 0x400) {
        code -= 0x400;
        f1 = true;
    }
    const int rest = code;

    TKartenSlot kopieS, kopieD;
    const bool zumZwilling = b.toStack == b.fromStack && b.fromStack != 11;
    const TKartenSlot& S = b.kind == 6 ? st(spi).at(slot) : platz(b.fromStack, b.fromSlot, false, kopieS);
    const TKartenSlot& D = b.kind == 6 ? st(-spi).at(slot)
                                       : platz(zumZwilling ? -b.toStack : b.toStack, b.toSlot, true, kopieD);

    const float p = b.progress;
    float t = p < 0.15f ? 0.0f : (p - 0.15f) / 0.85f;
    if (moveKind == 17) t = 4 * t * (1 - t);
    const float r = num::clamp((p - 0.075f) / 0.85f, 0.0f, 1.0f);
    float A = 0, B = 0;
    float x = lin(D.x, S.x, t), y = lin(D.y, S.y, t), z = lin(D.z, S.z, t);
    if (moveKind == 21) {
        float h = p < 0.1f ? p * 10 : (p <= 0.9f ? (p - 0.1f) * (0.9f - p) * 2 + 1 : (1 - p) * 10);
        z += 250 * h;
        x -= 30 * h;
    } else if (moveKind == 20) {
        float f = t * (1 - t);
        z += 600 * f;
        if (cg.phase.nr == 4) x += 400 * f;
    } else if (moveKind == 19) {
        float f = 4 * t * (1 - t);
        x += 24.0f * static_cast<float>(b.fromSlot) * r;
        z = D.z * f + S.z * (1 - f);
    } else if (moveKind == 18) {
        float f = 4 * t * (1 - t);
        x = lin(D.x, S.x, f);
        y = lin(D.y, S.y, f);
        z = lin(D.z, S.z, f);
    }
    if (f4 && p < 0.2f) x += 150 * std::sin(5 * kPi * p);
    if (f2 || f3) {
        if (cg.spielId == 7 || cg.spielId == 10)
            z += 850 * p * p * p * sq(std::sin(kPi * p));
        else if (cg.spielId == 1 && b.toSlot == 2)
            z += 540 * sq(std::sin(kPi * p));
        else if (f2)
            z += 500 * sq(std::sin(kPi * p));
        else
            z += 140 * sq(std::sin(kPi * p));
    }
    if (f5) {
        z -= 150 * std::sin(2 * kPi * p);
        x -= 400 * (1 - p) * sq(std::sin(kPi * p));
    }
    if (f6 && p > 0.2f) z -= 150 * std::sin(2.5f * kPi * (p - 0.2f));

    float a1 = lin(D.a1, S.a1, f1 ? std::min(2 * t, 1.0f) : t);
    float a2 = lin(D.a2, S.a2, t), a3 = lin(D.a3, S.a3, t);
    if (cg.spielId == 9 && p > 0.12f) a2 -= 160 * (p - 0.12f) * (1 - p);
    if (cg.spielId == 1) {
        if (b.toStack == 11 && (b.fromStack == 2 || b.fromStack == 3)) a3 += 180 * p;
        if (cg.phase.nr == 7 && b.fromStack == 11 && b.toStack == -1 && p < 0.7f)
            x -= 120 * std::sin(kPi * p / 0.7f);
    }

    uint8_t face = b.fface;
    float tilt1 = 1.0f, tilt2 = 0.0f;
    if (p < 0.15f) {
        face = S.face;
        tilt1 = (0.15f - p) * S.draw1 / 0.15f;
        tilt2 = (0.15f - p) * S.draw2 / 0.15f;
    } else if (p > 0.85f) {
        face = D.face;
        tilt1 = (p - 0.85f) * D.draw1 / 0.15f;
        tilt2 = (p - 0.85f) * D.draw2 / 0.15f;
    }

    if (rest & 0x200) {
        const float w = std::min(1.8f * t, 1.0f);
        a1 = lin(D.a1, S.a1, w);
        a2 = lin(D.a2, S.a2, w);
        a3 = lin(D.a3, S.a3, w);
        if (p < 0.1f)
            a3 += 180;
        else if (p < 0.5f)
            a3 += 180 * (1 - (p - 0.1f) / 0.4f);
        if (p > 0.3f && p < 0.95f && b.fromStack != 16) a2 += 70 * std::sin(kPi * (p - 0.3f) / 0.65f);
        z += 75 * std::sin(kPi * p);
        if (p < 0.7f) z += 75 * std::sin(kPi * p / 0.7f);
        if (p > 0.3f) z -= 60 * std::sin(kPi * (p - 0.3f) / 0.7f);
        if (p > 0.65f) z -= 30 * std::sin(kPi * (p - 0.65f) / 0.35f);
        if (p > 0.4f) x -= 120 * std::sin(kPi * (p - 0.4f) / 0.6f);
        if (p < 0.4f) x -= 0.4f * S.x * std::sin(kPi * p / 0.4f);
        if (p < 0.9f) x -= 0.6f * S.x * std::sin(kPi * p / 0.9f);
        if (b.fromStack == 16) {
            z += 30.0f * static_cast<float>(b.fromSlot) * std::sin(kPi * p);
            if (p < 0.4f) y -= 120 * std::sin(kPi * p / 0.4f);
            if (p > 0.3f) y -= 100 * std::sin(kPi * (p - 0.3f) / 0.7f);
        } else {
            if (p > 0.1f && p < 0.4f)
                y -= 60 * std::sin(kPi / 2 * (p - 0.1f) / 0.3f);
            else if (p >= 0.4f && p <= 0.7f)
                y -= 60;
            else if (p > 0.7f)
                y -= 60 * std::sin(kPi / 2 * (1 - p) / 0.3f);
            if (p <= 0.8f) y -= 120 * std::sin(kPi * p / 0.8f);
        }
        if (cg.spielId == 8 && p > 0.666666f) y -= 120 * std::sin(3 * kPi * (1 - p));
        if (cg.spielId == 2 && b.fromStack == 11 && cg.phase.nr == 4) {
            x -= 400 * std::sin(kPi * p);
            y -= 120 * std::sin(kPi * p);
        }
    }
    if (rest & 0x100) {
        if (6 * p < kPi) {
            z += 50 * std::sin(6 * p);
            x -= 50 * std::sin(6 * p);
        }
        if (p < 0.7f)
            z += 100 * p;
        else if (p <= 0.9f)
            z += std::max(70 - 1400 * (p - 0.7f), -10.0f);
        else
            z += std::min(800 * (p - 0.9f) / 3 - 10, 0.0f);
        if (p < 0.8f)
            A -= 800 * p;
        else
            A = 3200 * (p - 0.8f) + A - 640;
        const float w = std::min(1.4f * t, 1.0f);
        a1 = lin(D.a1, S.a1, w);
        a2 = lin(D.a2, S.a2, w);
        a3 = lin(D.a3, S.a3, w);
    }
    const bool negativ = (rest & 0x80) != 0;
    if (rest & 0x40) {
        B -= 150 * std::sin(kPi * p);
        if (cg.spielId == 2 && b.toSlot == 4 && p > 0.3f) x -= 0.4f * D.x * std::sin(kPi * (p - 0.3f) / 0.7f);
        if (cg.spielId == 1 && b.fromStack == 1 && b.toStack == 11) {
            if (p > 0.3f) a3 -= 180 * (p - 0.3f) / 0.7f;
            y -= 80 * std::sin(kPi * p);
            if (p < 0.6f) z -= 80 * std::sin(kPi * p / 0.6f);
        }
    }
    if (rest & 0x20) {
        float v = p < 0.15f ? p : (p <= 0.85f ? (0.15f - p) * 0.15f / 0.7f + 0.15f : 0.0f);
        A = -3200 * v;
    }
    if (rest & 0x10) a3 -= 360 * r;
    if (rest & 0x08) a2 += 360 * r;
    if (rest & 0x04) a1 -= 360 * r;
    const bool wobble = (rest & 0x03) != 0;
    if (wobble && p > 0.15f && p < 0.85f) {
        const float wv = 8 * b.flightRandom * std::sin(kPi * (p - 0.15f) / 0.7f);
        tilt2 += negativ ? -wv : wv;
        tilt1 = 0;
        face = (rest & 0x02) ? 1 : 0;
    }

    if (moveKind != 3 && moveKind != 4 && moveKind != 5) {
        if (moveKind == 1) {
            const float q = num::clamp(p, 0.0f, 1.0f);
            tilt2 = D.draw2 * q + S.draw2 * (1 - q);
            face = S.face;
            tilt1 = S.draw1;
            B = 0;
        } else if (moveKind == 17) {
            tilt2 = 20 * p * (1 - p);
        } else if (!wobble) {
            face = D.face;
            tilt1 = D.draw1;
            tilt2 = D.draw2;
        }
    }

    b.fx = x;
    b.fy = y;
    b.fz = z;
    b.fa1 = a1;
    b.fa2 = a2;
    b.fa3 = a3;
    b.extraA = A;
    b.extraB = B;
    b.fface = face;
    b.ftilt1 = tilt1;
    b.ftilt2 = tilt2;
}

bool shufflestep(TBewegung& b, int spi, int slot) {
    b.progress += zeitschritt * b.speed;
    if (b.progress > 1.0f) b.progress = 1.0f;
    b.fx = b.fy = b.fz = 0;
    b.fa1 = b.fa2 = b.fa3 = 0;
    b.extraA = b.extraB = 0;
    const float p = b.progress;
    if (p >= 1.0f) return true;
    float g = 0;
    if (p > 0.04f && p <= 0.5f)
        g = sq(std::sin(kPi / 2 * (p - 0.04f) / 0.46f));
    else if (p > 0.5f && p < 0.96f)
        g = sq(std::sin(kPi / 2 * (0.96f - p) / 0.46f));
    const float rho = b.flightRandom;
    const float dx = std::cos(rho), dy = 1.5f * std::sin(rho);
    const int anz = std::max(1, static_cast<int>(st(spi).anz));
    const float abstand = static_cast<float>(anz - slot);
    float rise = 0, dz = 0, dir = 0;
    switch (slot % 3) {
        case 0:
            dir = 1;
            rise = 200;
            dz = 2.0f / 3;
            break;
        case 1:
            dir = -1;
            rise = 10;
            dz = -2.0f / 3;
            break;
        default:
            dir = 0;
            rise = 400;
            dz = 4.0f / 3;
            break;
    }
    b.fx = dir * dx * 220 * g;
    b.fy = dir * dy * 220 * g;
    b.fz = (rise + dz * abstand + 30.0f * static_cast<float>(slot) / static_cast<float>(anz)) * g;
    return false;
}

void liftstep(TBewegung& b, int spi, int slot) {
    const float fps = aktFps;
    if (!(fps > 0)) return;
    const bool tisch = spi >= 11 && spi <= 13;
    float h = 40;
    if (cg.spielId == 7 && spi == 1 && slot != tischhooks::schale().gehobeneKarte) h = 26;
    switch (b.state) {
        case 0:
            b.progress += 8 / fps;
            if (b.progress > 0.99999f) {
                b.progress = 1.0f;
                b.state = 2;
            }
            break;
        case 2: {
            b.liftPhase += 5 / fps;
            const float k = tisch ? 2.0f : (cg.spielId == 4 ? 0.5f : 1.0f);
            b.fa1 = -2 * k * std::sin(b.liftPhase) - 0.2f;
            break;
        }
        default: {
            const float step = 1 / fps;
            auto hin = [step](float v) { return v > step ? v - step : (v < -step ? v + step : 0.0f); };
            b.fa1 = hin(b.fa1);
            b.ftilt1 = hin(b.ftilt1);
            b.ftilt2 = hin(b.ftilt2);
            b.progress -= 8 / fps;
            if (b.progress < 0) b.progress = 0;
            if (b.progress < 0.2f) b.fa1 = 0;
            break;
        }
    }
    if (tisch) {
        b.fz = h * b.progress;
        b.fy = 0;
    } else {
        b.fy = -h * b.progress;
        b.fz = 0;
    }
    if (b.state == 1 && b.progress <= 0) {
        b.fx = b.fy = b.fz = 0;
        b.fa1 = 0;
        b.active = 0;
    }
}

}  // namespace glu
