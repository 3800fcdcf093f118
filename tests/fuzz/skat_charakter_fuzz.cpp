// The Skat characters-file reader on any bytes: every record and item is found or refused
// without reading past the text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "games/skat_jass_schnapsen/skat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string inhalt(reinterpret_cast<const char*>(data), size);
    std::string t;
    for (int record = 0; record <= 5; ++record)
        for (int item = 0; item <= 8; ++item)
            if (skat::charakterFeld(inhalt, record, item, t) && t.size() > inhalt.size()) __builtin_trap();
    return 0;
}
