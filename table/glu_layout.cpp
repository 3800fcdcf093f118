// Table layout: where every stack stands for the current game and seat count, and where each
// card lies within its stack.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/seams.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "table/glu_intern.h"

namespace glu {

namespace {

constexpr float kPi = 3.14159f;
auto& tz = tischcg::tz;
auto& hk = tischhooks::tab;

float R() { return static_cast<float>(rnd::uniform()); }
float Rn(int n) { return static_cast<float>(rnd::random(n)); }

void setPos(Pos6& p, float x, float y, float z) {
    p.v[0] = x;
    p.v[1] = y;
    p.v[2] = z;
}

}  // namespace

void fanposition(const TSpieler& s, int slot, TKartenSlot& out, float count) {
    const float N = count;
    const int i = s.id;
    const int g = cg.spielId;
    float u = N != 1 ? ((static_cast<float>(slot) - 1) / (N - 1) - 0.5f) * 2 : 0.0f;
    if (g == 1) u *= i == 1 ? 1.1f : 1.4f;
    if (N == 1) u = 0.3f;
    if (N == 3) u *= 0.8f;
    if (N == 2) u *= 0.5f;
    if (i > 1) u *= 0.5f;
    if (g == 7 && i == 1) u *= 0.7f;

    if (g == 4) {
        float w = 1.15f * u;
        if (N <= 10) w *= N / 20 + 0.5f;
        out.x = 200 * w;
        out.y = -20 * std::cos(0.5f * kPi * w);
        out.z = 80 * w * (N <= 20 ? N / 40 + 0.5f : 1.0f) + (w > 0 ? 30 * w * w : 0.0f);
        out.a1 = 3 * w;
        out.a2 = out.a3 = -12 * w;
        out.face = 1;
        out.draw1 = 0.4f;
        out.draw2 = 3.0f;
        return;
    }
    out.a3 = -25 * u;
    out.a2 = -29 * u;
    out.a1 = u > 0 ? 12 * u : 5 * u;
    out.x = 120 * u;
    if (g == 8) {
        out.x = 80 * u;
        out.a3 *= 0.6f;
        out.a2 *= 0.6f;
    }
    out.y = -5 * std::cos(0.8f * kPi * u);
    out.z = -std::cos(0.8f * kPi * u) + (N / 5 + 0.2f) * 25 * u;
    if (u > 0)
        out.z += 60 * u * u;
    else if (u < 0)
        out.z += 16 * u * u;
    out.face = 1;
    out.draw1 = 0.4f;
    out.draw2 = 6.0f;
}

void seatposition(TSpieler& s, uint8_t open, float count) {
    const int i = s.id;
    const int n = anzSitze;
    const int g = cg.spielId;
    Pos6& p = s.pos;
    auto grund = [&]() {
        return n > 2 ? ((static_cast<float>(i) - 2) / (static_cast<float>(n) - 2) - 0.5f) * 2 : 0.0f;
    };
    if (g == 3 || g == 4 || g == 8) {
        if (i == 1) {
            p = Pos6{{630, 30, 80, -20, 3, 3}};
            if (g == 4) setPos(p, 670, 60, 80);
            if (g == 8) {
                // The two hole cards stand high enough that the action buttons along the bottom
                // edge leave their values readable, at 4:3 as at 16:9.
                p.v[0] -= 160;
                p.v[2] -= 20;
            }
        } else if (i >= 2) {
            float w = grund();
            if (g == 8) w = 0.895f * w - 0.025f;
            if (g == 4) w = 0.9f * w - 0.08f + (open ? 0.06f : 0.0f);
            if (g == 3) w = 0.85f * w - 0.06f + (open ? 0.1f : 0.0f);
            if (n == 2) w = 0;
            if (n == 3) w *= 0.8f;
            if (n == 4) w *= 0.9f;
            p.v[3] = 9;
            if (open) w -= 0.13f;
            p.v[4] = 180 - 70 * w;
            w *= 0.98f;
            p.v[5] = 0;
            p.v[0] = 1.3f * (1050 * std::sin(w) - 90 * w * w - 300 * w) + 770;
            p.v[2] = 1.3f * (120 * w - 1100 * std::cos(w)) - 160;
            p.v[1] = 155;
        }
    } else {
        const bool dsj = g == 5 || g == 6 || g == 12;
        if (i == 1) {
            p = Pos6{{550, 0, 80, -20, 3, 3}};
            if (g == 7 || g == 10) {
                p.v[1] += 250;
                p.v[2] += 100;
            }
            if (dsj) p.v[0] = 590;
        } else if (i >= 2) {
            float w = 0;
            if (n >= 3) {
                w = 0.98f * grund();
                if (n == 3) w *= 0.8f;
                if (n == 4) w *= 0.9f;
                if (g == 1 && n == 3) w *= 0.8f;
                if (g == 5) w *= 0.9f;
                if (g == 6) w *= 0.94f;
                if (g == 12) w *= 0.9f;
            }
            if (g == 9) w -= 0.12f;
            p.v[3] = 9;
            if (open) w -= 0.13f;
            p.v[4] = 180 - 70 * w;
            if (dsj) w -= 0.06f;
            p.v[5] = 0;
            if (g == 1) {
                if (i == 3) p.v[4] += 20;
                if (i == 2) p.v[4] -= 6;
                if (i == 2 || i == 3) p.v[3] = 7;
            }
            const float sinAnteil = (dsj ? 1.1f : 1.0f) * 1050 * std::sin(w);
            p.v[0] = sinAnteil + 720 - 90 * w * w - 300 * w + 50;
            p.v[2] = 120 * w - 160 - 1100 * std::cos(w);
            p.v[1] = 125;
        }
    }
    if (i >= 2 && g != 1) {
        if (g == 0 || g == 2 || g == 3 || g == 4 || g == 8) p.v[4] = 16.65f + 0.91f * p.v[4];
        if (g == 5 || g == 6 || g == 12) p.v[4] = 33.3f + 0.82f * p.v[4];
    }
    if (g == 9) {
        if (hk().bjStapelLegen) hk().bjStapelLegen(s);
        return;
    }
    const int anz = num::clamp<int>(s.anz, 0, kSlots);
    for (int k = 1; k <= anz; ++k) fanposition(s, k, s.at(k), count);
}

void LayoutCardPositions(int seat, int first, int count, int mode, uint8_t kind, int other) {
    (void)other;
    if (seat < 1 || seat > anzSitze || seat > kStapel) return;
    const int last = std::min(first + count - 1, kSlots);
    if (first < 1) return;
    if (kind != 6) {
        for (int side = 0; side < 2; ++side) {
            TSpieler& s = st(side == 0 ? seat : -seat);
            for (int i = first; i <= last; ++i) {
                TKartenSlot& k = s.at(i);
                const float fi = static_cast<float>(i);
                if (mode == 1) {
                    k.a1 = k.a2 = k.a3 = 0;
                    k.x = 180 * fi - 500;
                    k.y = 150;
                    k.z = -97;
                    k.draw1 = k.draw2 = 0;
                    k.face = 0;
                } else {
                    k.draw1 = k.draw2 = 0;
                    k.face = 0;
                    k.a2 = 0;
                    if (seat == 1) {
                        k.a1 = first >= 3 ? -1.3f : -1.0f;
                        k.a3 = 0;
                        k.y = 50 - 60 * (fi - 1) + (first == 1 ? 20.0f : 0.0f);
                        // each later card stands in front of the earlier ones: it steps to the
                        // right, so that their value corners show beside it
                        k.x = (R() - 0.5f) * 10 - 280 + 100 * (fi - 1);
                        k.z = 4.5f + (first >= 3 ? 1.2f * fi : 0.0f);
                    } else {
                        k.a1 = first == 1 ? 0.0f : 2.0f;
                        k.a3 = 0;
                        k.y = 120 + 60 * (fi - 1);
                        k.x = (R() - 0.5f) * 40;
                        k.z = 0.3f * fi + 1.0f;
                    }
                }
                k.a2 = mode == 2 ? -180.0f : 0.0f;
            }
        }
        return;
    }
    TSpieler& s = st(seat);
    TSpieler& t = st(-seat);
    for (int i = first; i <= last; ++i) {
        TKartenSlot& z = t.at(i);
        copyplacement(z, s.at(i));
        if (cg.spielId == 9 && hk().bjKarteOffen && hk().bjKarteOffen(seat, i)) {
            if (seat == 1) {
                z.z += 250;
            } else {
                z.a3 += 30;
                z.a1 += 30;
                z.z += 120;
                z.y += 400;
            }
            z.face = 0;
            z.draw2 = 1.5f;
        } else {
            if (cg.blackjack.siebzehnUndVier) {
                const int j = s.anz + 1 - i;
                if (slotOk(j)) {
                    const TKartenSlot& q = s.at(j);
                    z.x = q.x;
                    z.y = q.y;
                    z.z = q.z;
                    z.a1 = q.a1;
                    z.a2 = q.a2;
                    z.a3 = q.a3;
                }
            }
            z.a2 += 180;
            z.z += 120;
            z.face = 0;
        }
    }
}

void openhandposition(int seat, Pos6& out) {
    if (seat < 1 || seat > kStapel) return;
    TSpieler& s = st(seat);
    out = s.pos;
    if (cg.spielId == 1) {
        if (seat == 2) {
            out.v[0] -= 160;
            out.v[2] += 100;
        }
        if (seat == 3) {
            out.v[0] -= 100;
            out.v[2] -= 100;
        }
        out.v[4] -= 180;
        return;
    }
    static TSpieler kopie;
    kopie = s;
    seatposition(kopie, 1, static_cast<float>(s.anz));
    out = kopie.pos;
    out.v[0] -= 120;
    out.v[4] = (out.v[4] - 180) / 2;
    if (cg.spielId == 4) out.v[0] += 80;
}

void throwposition(int seat, int turns, TKartenSlot& out) {
    copyplacement(out, st(12).at(1));
    const int g = cg.spielId;
    const float fs = static_cast<float>(seat);
    const float u = seat == 1 ? 1.02f : -(fs - 0.5f) * kPi / 2 - 0.18f;
    out.x = 12 * std::sin(kPi * u) + 40 * R() - 20;
    out.y = -12 * std::cos(kPi * u) + 40 * R() - 20 - 60 + 100;
    if (!(g == 1 || g == 5 || g == 6 || g == 7 || g == 9 || g == 12)) out.z = -120 - 10 * fs;
    out.a1 = out.a2 = 0;
    out.a3 = 180 - 180 * u + 100 * R() + 180 - 70;
    if (turns > 1) out.a3 -= 360.0f * static_cast<float>(turns);
    out.face = R() < 0.5f ? 1 : 0;
    out.draw1 = R();
    out.draw2 = R();
    auto stichWinkel = [&]() {
        float a = 180 - 180 * u - 45 + 90 * R() + 180 - 70;
        if (turns > 1) a -= 360.0f * static_cast<float>(turns);
        return a;
    };
    if (g == 5 || g == 6 || g == 7 || g == 12) {
        out.z = 0.5f * static_cast<float>(tz.stichAnz) - 97;
        if (seat == 1) out.y -= 10;
        if (seat == 2) {
            out.y -= 90;
            out.x -= 140;
        }
        if (seat == 4) {
            out.y -= 90;
            out.x += 140;
        }
        if (seat == 3) out.y -= 160;
        out.a3 = stichWinkel();
        out.draw1 = out.draw2 = 0;
        if (g == 12) {
            out.x *= 1.3f;
            out.y *= 1.3f;
            out.a3 *= 0.3f;
        }
    }
    if (g == 1) {
        // Skat keeps its own trick: each card thrown lies half a unit above the ones before it.
        const hand* stich = seams::skatStich();
        out.z = 0.5f * static_cast<float>(stich ? stich->anz : 0) - 97;
        if (seat == 1) out.y -= 10;
        if (seat == 2) {
            out.y -= 100;
            out.x -= 120;
        }
        if (seat == 3) {
            out.y -= 100;
            out.x += 120;
        }
        out.a3 = stichWinkel();
        out.draw1 = out.draw2 = 0;
    }
    if (g == 7 && hk().schnapsenWurf) hk().schnapsenWurf(seat, out);
}

void setuptablelayout(uint8_t full) {
    const int g = cg.spielId;
    if (g == 9) full = 0;
    const float dz = static_cast<float>((tischhooks::schale().varz - 50) * 2);
    const float dx = static_cast<float>(tischhooks::schale().varx - 50);
    const float dy = static_cast<float>(tischhooks::schale().vary - 50);

    if (g != 9) {
        st(7).id = 7;
        setPos(st(7).pos, -300, 874 + dz, 690);
        st(8).id = 8;
        setPos(st(8).pos, -2200, 574 + dz, -1310);
        st(9).id = 9;
        setPos(st(9).pos, 2800, 574 + dz, -1310);
    }
    anzTischStapel = 6;
    for (int s = 11; s <= 16; ++s) {
        TSpieler& t = st(s);
        t.id = s;
        t.pos = Pos6{{520, 50, -600, -80, -6, 0}};
        if (full) t.anz = kSlots;
        for (int i = 1; i <= kSlots; ++i) {
            TKartenSlot& k = t.at(i);
            if (full) {
                k.c.t = static_cast<uint8_t>(num::round(R() * 7 + 0.6));
                k.c.f = 2;
            }
            const float j = (R() - 0.5f) * 6;
            k.face = R() < 0.5f ? 1 : 0;
            k.draw1 = R();
            k.draw2 = j / 2;
            k.x = k.y = k.z = 0;
            k.a3 = R() - 0.5f - 20;
        }
    }
    for (int s = 1; s <= std::min<int>(anzSitze, kStapel); ++s) {
        seatposition(st(s), 0, static_cast<float>(st(s).anz));
        st(-s) = st(s);
    }

    TSpieler& talon = st(11);
    if (full) talon.anz = 0;
    setPos(talon.pos, 40, 274 + dz, -310);
    if (g == 2) talon.pos.v[2] += 80;
    if (g == 9) {
        talon.pos.v[2] += 190;
        if (cg.blackjack.deckAnzahl == 3) talon.pos.v[2] += 60;
        talon.pos.v[0] += 70;
        talon.pos.v[5] = -30;
    }
    // the deck count is every game's: a talon of more decks lies denser
    float kz = 2.0f;
    if (cg.blackjack.deckAnzahl == 3 && !cg.blackjack.siebzehnUndVier)
        kz = 1.4f;
    else if ((cg.blackjack.deckAnzahl == 2 && !cg.blackjack.siebzehnUndVier) ||
             (cg.blackjack.deckAnzahl == 3 && cg.blackjack.siebzehnUndVier))
        kz = 1.8f;
    for (int i = 1; i <= kSlots; ++i) {
        TKartenSlot& k = talon.at(i);
        k.a1 = 180;
        k.a3 = 20;
        k.face = 0;
        k.draw1 = k.draw2 = 0;
        k.z = kz * static_cast<float>(i);
    }

    TSpieler& s15 = st(15);
    if (full) s15.anz = 0;
    setPos(s15.pos, -160, 274 + dz, -470);
    s15.pos.v[4] = dx - 5;
    s15.pos.v[3] = s15.pos.v[3] - 9 + dy;
    if (g == 1 || g == 2) {
        s15.pos.v[3] = -80;
        s15.pos.v[4] = -6;
        s15.pos.v[5] = 0;
        s15.pos.v[2] = -640;
        s15.pos.v[0] = 80;
        if (g == 2) {
            s15.pos.v[0] -= 240;
            s15.pos.v[2] += 90;
        }
    }
    for (int i = 1; i <= kSlots; ++i) {
        TKartenSlot& k = s15.at(i);
        k.a1 = 180;
        k.a3 = 2.0f * static_cast<float>(i) - 60;
        k.z = 2.0f * static_cast<float>(i);
        k.face = 0;
        k.draw1 = k.draw2 = 0;
    }

    TSpieler& s14 = st(14);
    if (full) s14.anz = 0;
    setPos(s14.pos, 264, -125, 140);
    s14.pos.v[4] = -5;
    s14.pos.v[3] = s14.pos.v[3] - 9 + 52;
    for (int i = 1; i <= std::min<int>(s14.anz + 20, kSlots); ++i) {
        TKartenSlot& k = s14.at(i);
        k.y = -50;
        k.z = 300;
        k.a1 = k.a3 = 0;
    }

    TSpieler& mitte = st(12);
    setPos(mitte.pos, 550, 177, -780);
    if (g == 7 || g == 10)
        mitte.pos.v[2] += 200;
    else if (full)
        mitte.anz = 60;
    for (int i = 1; i <= 60; ++i) {
        TKartenSlot wurf = mitte.at(i);
        throwposition(1, 1, wurf);
        TKartenSlot& k = mitte.at(i);
        copyplacementkeepcell(k, wurf);
        k.z = static_cast<float>(i) - 98;
        k.face = 0;
        k.draw1 = k.draw2 = 0;
    }
    if (g == 8) {
        mitte.pos.v[0] += 90;
        mitte.pos.v[2] += 100;
        static const float px[5] = {-370, -190, -10, 170, 350};
        for (int i = 1; i <= 60; ++i) {
            TKartenSlot& k = mitte.at(i);
            k.z = -97;
            k.a1 = k.a2 = 0;
            k.a3 = Rn(4) - 2;
            if (i <= 5) {
                k.x = px[i - 1];
                switch (i) {
                    case 1:
                        k.y = Rn(6) - 5;
                        break;
                    case 2:
                        k.y = -5 - Rn(6);
                        break;
                    case 3:
                        k.y = Rn(6) - 5;
                        break;
                    default:
                        k.y = -5 - Rn(12);
                        break;
                }
            }
            k.y += 140;
            k.x += 20;
        }
    } else if (g == 2) {
        static const float px[4] = {-310, -80, 150, 370};
        for (int i = 1; i <= 60; ++i) {
            TKartenSlot& k = mitte.at(i);
            k.z = -97;
            k.a1 = k.a2 = 0;
            k.a3 = Rn(20) - 10;
            if (i <= 4) {
                k.x = px[i - 1];
                k.y = (i % 2 == 1) ? Rn(20) - 10 : -10 - Rn(20);
            }
        }
    }
    if (full) mitte.anz = 0;

    TSpieler& s16 = st(16);
    s16.pos = mitte.pos;
    s16.aktPos = mitte.aktPos;
    for (int i = 1; i <= 10; ++i) copyplacement(s16.at(i), mitte.at(i));
    if (full) s16.anz = 0;

    TSpieler& ablage = st(13);
    setPos(ablage.pos, 550, 174, -380);
    if (full) ablage.anz = 0;
    // a pile of fewer than two cards has no spread to divide
    const float teiler = ablage.anz >= 2 ? static_cast<float>(ablage.anz - 1) : 1.0f;
    for (int i = 1; i <= 10; ++i) {
        TKartenSlot& k = ablage.at(i);
        float u = -0.18f + kPi * ((static_cast<float>(i) - 1) / teiler - 0.5f) / 2;
        if (i == 1) u = 1.02f;
        k.x = R() * 20 - 10;
        k.y = R() * 20 - 10;
        k.z = static_cast<float>(i) - 100;
        k.a3 = 180 - 180 * u + R() * 40 - 20;
        k.face = R() < 0.5f ? 1 : 0;
        k.draw1 = R();
        k.draw2 = R();
    }

    if (g == 8) {
        if (full) talon.anz = 0;
        setPos(talon.pos, 85, 274 + dz, -350);
        for (int i = 1; i <= kSlots; ++i) talon.at(i).a3 = 12;
    }
    if (g == 3 || g == 4) {
        if (full) talon.anz = 0;
        setPos(talon.pos, -18, 274 + dz, -210);
        for (int i = 1; i <= kSlots; ++i) talon.at(i).a3 = 38;
        ablage.pos = Pos6{{212, 274, -240, -80, -6, 0}};
        for (int i = 1; i <= kSlots; ++i) {
            TKartenSlot& k = ablage.at(i);
            clearplacement(k);
            k.x = Rn(20) - 10;
            k.y = Rn(20) - 10;
            k.z = 2.0f * static_cast<float>(i) - 1;
            k.a1 = k.a2 = 0;
            k.a3 = Rn(20) + 5;
        }
    }
    if (g == 5 || g == 6 || g == 7 || g == 9 || g == 12) {
        for (int s = 7; s <= 10; ++s) {
            TSpieler& t = st(s);
            t.pos.v[3] = -80;
            t.pos.v[4] = -6;
            t.pos.v[5] = 0;
            const float a3 = 1.08f * st(s - 6).pos.v[4] - 30;
            for (int i = 1; i <= kSlots; ++i) {
                TKartenSlot& k = t.at(i);
                k.x = k.y = 0;
                k.z = 2.0f * static_cast<float>(i);
                k.a1 = 180;
                k.a2 = 0;
                k.a3 = a3;
            }
            t.id = s;
            t.pos.v[1] = 274;
        }
        TSpieler& s7 = st(7);
        s7.pos.v[0] = -20;
        s7.pos.v[2] = -380;
        s7.pos.v[5] += 55;
        if (g == 9) {
            s7.pos.v[0] += 160;
            s7.pos.v[2] -= 60;
        }
        if (g == 7 || g == 10) {
            s7.pos.v[2] += 200;
            s7.pos.v[0] -= 100;
        }
        setPos(st(8).pos, 180, 274, -1200);
        setPos(st(9).pos, 780, 274, -1240);
        setPos(st(10).pos, 1100, 274, -820);
    }
    if (g == 7 && hk().schnapsenLayout) hk().schnapsenLayout();
}

}  // namespace glu
