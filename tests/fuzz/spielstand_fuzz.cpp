// Saved games: the pair save/<name>.<code> and save/<name>._<code>, read and applied. An input
// whose first byte is odd patches the pair as our own writer saved it (see fuzz::patch; offsets
// run over the game file, then the dialog file); otherwise it is the game file itself beside the
// saved dialog file.
#include <memory>

#include "core/spielstand.h"
#include "fuzz_folder.h"

using spielstand::anbindung;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::programFolder();
    static auto panel = std::make_unique<pvl::TPVLDialog>();
    static auto g = std::make_unique<TCG>();
    static std::string spiel, dialog;
    if (spiel.empty()) {
        anbindung = {};
        anbindung.ipanel = [] { return panel.get(); };
        anbindung.dialogAnordnen = [] {};
        anbindung.phaseFuenf = [] {};
        anbindung.info = [](const std::string&, const std::string&) {};
        g->spielId = 1;
        g->ablauf.anzSpieler = 3;
        g->spielliste.runden = 2;
        panel->ElementCount = 3;
        panel->el(1).Kind = pvl::ekButton;
        panel->el(2).Kind = pvl::ekLabel;
        panel->el(3).Kind = pvl::ekList;
        for (int e = 1; e <= 3; ++e) panel->el(e).Scale = 1.0f;
        if (!spielstand::spielSpeichern(*g, "save", "Fuzz", true) ||
            !fileio::readAll("save/Fuzz.ska", spiel) || !fileio::readAll("save/Fuzz._ska", dialog))
            std::abort();
    }
    std::string s = spiel, d = dialog;
    if (size > 0 && (data[0] & 1)) {
        std::string pair = s + d;
        fuzz::patch(pair, data + 1, size - 1);
        s = pair.substr(0, spiel.size());
        d = pair.substr(spiel.size());
    } else {
        s.assign(reinterpret_cast<const char*>(data), size);
    }
    fuzz::put("save/Fuzz.ska", reinterpret_cast<const uint8_t*>(s.data()), s.size());
    fuzz::put("save/Fuzz._ska", reinterpret_cast<const uint8_t*>(d.data()), d.size());
    spielstand::spielLaden(*g, "save", "Fuzz", "ska");
    msgsink::clear();
    return 0;
}
