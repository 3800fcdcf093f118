// The .dco text form of a dialog's element states, read whole and by page, then written again.
#include "fuzz_library.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto [app, d] = fuzz::library();
    fuzz::put("state.dco", data, size);
    app.LoadFromFile(d, "state.dco", 0);
    app.LoadFromFile(d, "state.dco", 1);
    app.PVLDcoFile(d);
    fuzz::libraryRunDone();
    return 0;
}
