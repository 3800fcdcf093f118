#include "games/casino/chiplayout.h"

#include <cmath>

#include "core/cg.h"
#include "core/envparam.h"
#include "platform/num.h"
#include "table/glu.h"

namespace chiplayout {

using pokerchips::Pose;

namespace {

bool blackjack() { return cg.spielId == 9; }

void drehen(float& x, float& y, float grad) {
    const float w = grad * 3.14159265f / 180.0f;
    const float c = std::cos(w), s = std::sin(w);
    const float nx = x * c - y * s, ny = x * s + y * c;
    x = nx;
    y = ny;
}

}  // namespace

float chipJitter(int a, int b, int d) {
    const int64_t summe = num::round(std::sin(a / 10.0) * 2000) + 41237LL * a + 23157LL * b + 5171LL * d +
                          num::round(std::sin(b / 10.0) * 4000);
    return static_cast<float>(summe % 77) / 77.0f;
}

float euroHoehe(int type) {
    constexpr float f[4] = {0.759f, 0.877f, 0.973f, 1.082f};
    return type >= 0 && type <= 3 ? f[type] : 1.0f;
}

Pose tischPosition(int seat) {
    Pose p;
    if (seat < 1 || seat > kStapel) return p;
    const Pos6& q = glu::spieler[seat - 1].pos;
    p.x = q.v[0];
    p.y = q.v[1];
    p.z = q.v[2];
    p.a1 = q.v[3];
    p.a2 = q.v[4];
    p.a3 = q.v[5];
    return p;
}

Pose chipPose(int level, int index, int seat, int column, bool absolute, int type) {
    using namespace pokerchips;
    Pose p;
    const int n = num::clamp<int>(cg.ablauf.anzSpieler, 1, 6);
    const int q = type == kMarke ? 10 : chipTypeToCode(type);
    if (level == 0) {
        if (!absolute) return seatOk(seat) ? pokerchips::seat(seat).base : p;
        if (seat == kBank) {
            p.x = -570;
            p.y = blackjack() ? -190 : -50;
        } else if (seat == kPot) {
            p.x = 40;
            p.y = 520;
        } else if (seatOk(seat)) {
            const Pose& t = pokerchips::seat(seat).tischPos;
            if (seat == 1 || seat == 9) {
                if (blackjack()) {
                    p.x = t.x - 500 + 150;
                    p.y = -t.z - 250;
                } else {
                    const Pose s = tischPosition(1);
                    p.x = s.x - 500 + 390;
                    p.y = -s.z - 250 + 30;
                }
            } else {
                p.x = 0.85f * (t.x - 500 - 100 + 18);
                p.y = 0.85f * (-t.z - 250 - 170);
            }
            if (seat == 9) {
                p.x *= 0.76f;
                p.y *= 0.4f;
            } else if (seat > 9) {
                p.x = 0.84f * p.x + 120;
                p.y *= 0.72f;
            }
        }
        return p;
    }
    if (level == 1 && seat != kBank && seat != kPot) {
        if (q == 10) {
            if (seat == 1) {
                p.x = blackjack() ? -300 : 160;
                p.y = blackjack() ? 80 : 10;
            } else if (!blackjack()) {
                p.x = -50;
                p.y = -160;
            }
        } else if (q <= 2) {
            p.x = (q - 2) * 90.0f;
            p.y = 45;
        } else {
            p.x = (q - 4.5f) * 90.0f;
            p.y = -45;
        }
        if (seat >= 1 && seat <= n && seatOk(seat)) drehen(p.x, p.y, pokerchips::seat(seat).tischPos.a2);
        return p;
    }
    if (level == 1 || level == 3) {
        if (q == 10) {
            p.x = 125;
            p.y = (blackjack() && seat == kBank) ? 210 : -190;
        } else {
            p.x = 5.0f * q - 20;
            p.y = (3.5f - q) * 90;
            if (q == 5 && ChipsAsEuroCents()) p.y -= 15;
        }
        return p;
    }
    // level 2: a chip within its stack
    const int r = chipRowInColumn(index, seat);
    const float s = envParam.labelSkala;
    if (column == 40) return p;
    if (type == kMarke && seat == kBank)
        p.z = r * s * 502 * 1.2f * 0.012f;
    else
        p.z = r * s * 502 * (ChipsAsEuroCents() ? 0.0123f : 0.015f);
    if (!gleicheChips) {
        const float j = chipJitter(2 * r, seat, 0);
        if (r > 0) {
            p.x = 5 * j - 2.5f;
            p.y = 3.5f * j - 1.5f;
        }
        p.a3 = 28 * j - 14;
    }
    // a stack of more than a column's chips goes on beside the first column
    if (column == 1 || column == 2) {
        if (seat == kBank || seat == kPot) {
            p.x -= 90.0f * column;
        } else if (q >= 1 && q <= 4) {
            float dx = 0, dy = 0;
            if (q == 1) {
                dx = column == 1 ? -95.0f : -58.0f;
                dy = column == 1 ? -24.0f : 56.0f;
            } else if (q == 2) {
                dx = column == 1 ? 95.0f : 58.0f;
                dy = column == 1 ? -24.0f : 56.0f;
            } else if (q == 3 || column == 1) {
                dx = 33;
                dy = -74;
            }
            if (seat >= 1 && seat <= n && seatOk(seat)) drehen(dx, dy, pokerchips::seat(seat).tischPos.a2);
            p.x += dx;
            p.y += dy;
        }
    }
    return p;
}

void RelayoutChips() {
    using namespace pokerchips;
    for (int s = 1; s <= 8; ++s)
        for (int t = 0; t < kTypen; ++t) {
            ChipStack& st = seat(s).stacks[t];
            for (int i = 0; i < st.count; ++i) {
                const int spalte = t == kMarke ? (s == kBank ? 3 : 4) : ChipStackColumn(s, t, i);
                st.entries[i].pose = chipPose(2, i, s, spalte, false, t);
                if (ChipsAsEuroCents() && t <= 3) st.entries[i].pose.z *= euroHoehe(t);
            }
        }
}

}  // namespace chiplayout
