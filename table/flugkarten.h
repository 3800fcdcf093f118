// The menu scene: ten playing cards thrown up from below the screen that tumble and fall
// back, over and over, behind the main menu; and the table engine's frame entry for it.
#pragma once
#include <cstdint>

namespace glu {

// One flying card (program-wide, numbered 1..10). Never stored, so laid out naturally.
struct TFlugKarte {
    float x, y, z;  // y grows downwards on the screen
    float a1, a2, a3;
    uint8_t sideways;
    float tilt;  // fixed random value 0..1
    float spin;  // degrees 0..360
    float vx, vy, vz;
    float rx, ry, rz;  // degrees per second
    uint32_t texture;
    uint8_t rising;
    int32_t nr, nr2;
    int32_t wobble;  // 0..10
};

constexpr int kFlugKarten = 10;
extern TFlugKarte flugKarten[kFlugKarten];  // [0..9] = cards 1..10
// The scene animation is frozen (a modal wait of the library).
extern bool sceneFrozen;

// Gives card k its start values.
void armflyingcard(TFlugKarte& k);
// Arms the ten cards staggered, sets the card scale to 1 and the projection.
void startflyingcards();
// One frame of the ten cards at the smoothed frame rate fps (0 moves nothing).
void stepflyingcards(float fps);
// The menu scene: backdrop, then the ten cards (each face and back).
void drawframe(float fps);

}  // namespace glu
