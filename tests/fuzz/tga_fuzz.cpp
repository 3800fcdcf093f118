// TGA files from memory.
#include "platform/image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    image::Image img;
    if (image::decodeTga(std::string(reinterpret_cast<const char*>(data), size), img) &&
        img.pixels.size() != static_cast<size_t>(img.width) * img.height * img.channels)
        __builtin_trap();
    return 0;
}
