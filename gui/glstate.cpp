#include "gui/glstate.h"

namespace glstate {

State& gl() {
    static State s;
    return s;
}

float linRat(const uint8_t (&f)[5], double viewAspect, float v16x9, float v16x10, float v4x3) {
    if (f[1]) return v16x9;
    if (f[2]) return v16x10;
    if (f[4])
        return static_cast<float>((v16x9 / (16.0 / 9.0) * viewAspect + v16x10 / 1.6 * viewAspect) * 0.5);
    return v4x3;
}

}  // namespace glstate
