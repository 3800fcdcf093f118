// Raw dialog records (the in-game table dialog of saved games): read, then clicked, paged and
// cleared, which walk children and lines. Inputs are patches or the file itself (fuzz::record).
#include "fuzz_library.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto [app, d] = fuzz::library();
    static std::string written;
    if (written.empty() &&
        (!app.SaveExactlyToFile(d, "panel._ska") || !fileio::readAll("panel._ska", written)))
        std::abort();
    fuzz::record("panel._ska", written, data, size);
    if (app.LoadExactlyFromFile(d, "panel._ska")) {
        const int n = app.dlg(d).ElementCount;
        for (int e = 1; e <= n; ++e) {
            const pvl::TPVLElement& el = app.dlg(d).el(e);
            const int x = app.dlg(d).X + el.X + el.Width / 2, y = app.dlg(d).Y + el.Y + el.Height / 2;
            app.FormMouseDown(x, y);
            app.FormMouseUp(x, y);
            app.SetPageIndex(d, e, 1);
            app.GetCaption(d, e, false);
            app.DelStrings(d, e, true);
        }
    }
    // The next run starts from the dialog as it was made.
    if (!fileio::writeAll("panel._ska", written) || !app.LoadExactlyFromFile(d, "panel._ska")) std::abort();
    fuzz::libraryRunDone();
    return 0;
}
