// The WAVE reader and the conversion to the mixer's format on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "sound/isg.h"
#include "sound/wave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    wave::Kopf k;
    bool kurz = false;
    if (wave::lesen(data, size, k, &kurz) && (k.datenPos > size || k.datenGroesse > size - k.datenPos))
        __builtin_trap();  // the data must lie inside the file
    std::string grund;
    auto pcm = isg::ausBytes(data, size, grund);
    if (pcm && pcm->daten.size() % static_cast<size_t>(pcm->kanaele) != 0) __builtin_trap();
    return 0;
}
