// The logic of one frame, the part that needs no window: finished card moves reported to the
// game core, the game step and card motion, in the order the program relies on. The program's
// frame and the headless game harness both run it, so what the harness tests is what runs.
#pragma once
#include <cstdint>

#include "core/cg.h"

namespace rahmen {

struct Takt {
    bool modal = false;        // a modal wait draws this frame: no game step
    bool spiel = false;        // a game is on the table (running or paused)
    bool schnell = false;      // fast mode: 100 game steps and 101 motion steps a frame
    bool eingefroren = false;  // motion frozen (the application is in the background)
    float fps = 0;             // smoothed frame rate; card motion moves by 1 / fps / 10
};

// Finished moves (newest first, and only once no requested move is still flying), the game
// step, card motion.
void ablauf(TCG& cg, const Takt& t);

// Every how many frames the table is picked: 4 above 105 frames a second, 3 above 65, 2 above
// 45, else every frame.
int pickIntervall(float fps);

// Where the mouse was at the last pick, in steps of two pixels.
struct Maus {
    int32_t x = -1, y = -1;
    bool operator==(const Maus&) const = default;
};
// Whether this frame picks: every pickIntervall-th frame; below 40 frames a second only when
// the mouse moved since the last pick (which is then remembered in `letzte`).
bool pickFaellig(int32_t frame, float fps, Maus jetzt, Maus& letzte);

// The slow-frame counter after a frame that took `dauerMs` to draw: a frame over 150 ms counts
// up (at most 10); a quick one counts down only while the counter is 1 or 2, so after three
// slow frames shadows and reflection stay off for good.
int langsam(int zaehler, uint32_t dauerMs);

}  // namespace rahmen
