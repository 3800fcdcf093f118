#include "gui/glstate.h"

namespace glstate {

State& gl() {
    static State s;
    return s;
}

}  // namespace glstate
