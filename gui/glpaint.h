// The dialog painter: every shown dialog and element drawn over the scene once per frame, and
// the scene-pass start of the frame. The form's hooks call these.
#pragma once
#include <string>
#include <vector>

#include "gui/pvl.h"

namespace glpaint {

// Copies the form's options and view values into the GL units' record (glstate::gl()).
void syncState(pvl::TPVLApplication& app);
// Start of the frame: fill mode, texturing, lighting, colour material, both buffers cleared.
void beginFrame(pvl::TPVLApplication& app);
// The dialog turn transform (drehen).
void drehen(const pvl::TPVLApplication& app);
// Draws every shown dialog: non-exclusive ones, then exclusive ones, then dialog 3 on top.
void DialogPaint(pvl::TPVLApplication& app);

// The debug wire-frame pass: every shown dialog again as outlines, untextured and unlit; fill
// mode and the enables are as before afterwards.
void wireFrame(pvl::TPVLApplication& app);

// A grid text's cell as drawn: line n, its row (0 the title row) and its text y from the
// element's top.
struct GridCell {
    int n = 0;
    int row = 0;
    float y = 0;
    bool operator==(const GridCell&) const = default;
};
std::vector<GridCell> gridCells(const pvl::TPVLElement& el);

// The text-cursor phase: on 500 ms, off 300 ms, by the painter's own clock.
struct Blink {
    uint8_t CursorBlink = 1;
    int32_t sum = 0;
    uint32_t last = 0;
    bool started = false;
    void step(uint32_t now);
};
Blink& blink();

// The wrapped lines of a label: at most width characters, broken at the last blank before the
// limit (cut at the limit when there is none) or at a carriage return.
std::vector<std::string> wrapLines(const std::string& text, int width);

// The order in which dialogs are drawn (ids), as DialogPaint walks them.
std::vector<int> paintOrder(const pvl::TPVLApplication& app);

// The height of a dialog's painted body: its own, or more so that it reaches under its lowest
// shown button.
int bodyHeight(const pvl::TPVLDialog& g);

}  // namespace glpaint
