// The sentence-table reader (codes.txt) on arbitrary text, then a choice from every code.
#include <cstddef>
#include <cstdint>
#include <string>

#include "sound/scode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TSCReader r;
    r = TSCReader();
    r.tabelleLesen(1, std::string(reinterpret_cast<const char*>(data), size), {}, {});
    for (int k = scode::kErsterCode; k <= scode::kLetzterCode; ++k) {
        if (r.anzahl(1, k) < 0 || r.anzahl(1, k) > 12) __builtin_trap();
        if (r.satzHolen(k, 1).size() > 36) __builtin_trap();
    }
    return 0;
}
