// The GL side of the window: display-mode list and switching, the default GL state of a new
// context, the table lights, the viewport and projection, and the window-height fitting.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/sdl/window.h"

namespace glwin {

using Mode = window::Mode;

// The usable modes: width 512..4000, 16 or 32 bits, no entry equal to the one before it.
std::vector<Mode> filterModes(std::vector<Mode> modes);

// The display-mode object of the library.
struct TFullScreen {
    uint8_t Active = 0;
    std::vector<Mode> Modes;
    int32_t Count = 0;

    void Create();  // reads and filters the display's modes
    void Destroy() {
        Restore();
        Modes.clear();
        Count = 0;
    }
    // Full screen at the mode; false (and no change) for a mode not in the list or refused.
    bool Switch(const Mode& m, bool hideCursor);
    void Restore();
    int IndexOf(int width, int height, int bits) const;  // 0 when none
    bool Contains(const Mode& m) const;
    static Mode MakeMode(int width, int height, int bits) { return Mode{width, height, bits}; }
};

// Projection ratio by the first set shape flag: IsFree (kept within 1.33..1.85), Is16x9
// (width / height), Is16x10 (1.6), Is5x4 and Is4x3 (4/3). flags: Is4x3, Is16x9, Is16x10,
// Is5x4, IsFree.
double viewAspect(const uint8_t flags[5], int width, int height);

// The sizes the resize handler derives from a window of width x height: the height is held to
// the screen, a normal (not maximised) window takes the projection's shape, 5:4 screens draw a
// 5:4 viewport of the 4:3 picture.
struct ViewportPlan {
    double aspect = 4.0 / 3.0;
    int32_t viewWidth = 0, viewHeight = 0;  // ViewWidth, ViewHeight
    int32_t glWidth = 0, glHeight = 0;      // the GL viewport
};
ViewportPlan planViewport(int width, int height, int screenHeight, const uint8_t flags[5], bool normalState);

// Fits a window of height h below its top edge on a screen of screenHeight: first moves the
// window to the corner, then steps the resolution index down. Stops at index 0 even when the
// smallest mode does not fit. Returns the height to use.
int checksize(int h, int& left, int& top, int screenHeight, const std::vector<Mode>& modes, int& resIndex);

// Light tables (position, diffuse, specular, ambient, spot direction), changeable at run time.
extern float Light0[5][4];
extern float Light1[5][4];
void Gamelight();

// Default state of a new context: clear values, lights, shading, depth, blending function,
// enabled switches, fog. The caller then sets the viewport and the view (setupView).
void setupState();
// Viewport and perspective (field-of-view base / 4 x 3 degrees, near 1, far 50).
void viewport(int x, int y, int width, int height, double aspect, int fovBase = 47);
// The table camera of a new context.
void setupView();

}  // namespace glwin
