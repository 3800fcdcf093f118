// Frames and translucent quads of the library: rounded plates, the bowed dialog body, the
// shadow frame of dialogs and of the window, the tabbed page frame, and the fade slots.
#pragma once
#include <cstdint>

#include "platform/msgsink.h"
#include "platform/ticks.h"

namespace glframe {

// Translucent quads at the current transform, sizes in 1/639, offsets in 1/497.
void painttransquad(int texture, float width, float height, float alpha);
void painttransquad2(int texture, float width, float height, float alpha, float dx, float dy);
void painttransquad_old(int texture, float width, float height, float alpha);
void painttransquad2_old(int texture, float width, float height, float alpha, float dx, float dy);

// Rounded rectangle centred on the current point as one polygon. The texture region
// (s0, t0)-(s1, t1) is spread over it; colored tints it with the corner colour.
void paintcustomroundX(bool modeFlag, float width, float height, float radius, float s0, float t0, float s1,
                       float t1, bool colored, float alpha);
// Stacking plate: the body frame in mode 1, then the transform moves down by its height.
// `opaque` (a dialog's body) hides what lies behind: the colours' own alpha is not applied.
void paintcustomround(float width, float height, float alpha, bool opaque = false);
// The bowed body of a dialog (mode 0) or a plate (mode 1).
void paintcustomroundNew(int mode, float x, float y, float width, float height, float alpha,
                         bool opaque = false);

// The shadow frame of dialogs, containers and the window border.
void shadowFrame(float x, float y, float width, float height, bool noTurn, bool titleStrip, bool border,
                 float alpha);
// The frame of a paged container with its tab over page `page`.
void pageFrame(float x, float y, float width, float height, float tabWidth, int page, bool noTurn,
               float alpha);

// Records a fade request in one of the 11 slots [0..10] (fields Level, State, Start, Duration).
template <class Slot>
void blendinout(Slot (&slots)[11], int slot, int32_t value, bool fadeIn) {
    if (slot < 0 || slot > 10) {
        msgsink::error("blendinout: slot " + std::to_string(slot) + " out of range");
        return;
    }
    Slot& s = slots[slot];
    if (s.State == 0) {
        s.Duration = value;
        s.Start = ticks::now();
    }
    s.State = fadeIn ? 1 : 2;
}

// The corner-size factor of the screen shape for a rectangle of the width.
float shapeFactor(float width);

}  // namespace glframe
