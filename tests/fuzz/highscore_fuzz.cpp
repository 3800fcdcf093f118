// data/settings/hs.dat: read, and when taken, ranked into and written back. Inputs are patches
// over a block our own writer wrote, or the file itself (fuzz::record).
#include <cstring>
#include <memory>

#include "core/highscore.h"
#include "fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::programFolder();
    static std::string written;
    if (written.empty()) {
        auto fresh = std::make_unique<THighscore>();
        highscore::zuruecksetzen(*fresh, -1, 0);
        if (!highscore::highscoreSpeichern(*fresh) || !fileio::readAll("data/settings/hs.dat", written))
            std::abort();
    }
    fuzz::record("data/settings/hs.dat", written, data, size);
    auto hs = std::make_unique<THighscore>();
    if (highscore::highscoreLaden(*hs)) {
        for (int t = 0; t < kHighscoreTabellen; ++t)
            for (int s = 1; s <= kHighscoreStufen; ++s) highscore::eintragen(*hs, t, s, 1000 + t, "Fuzz");
        highscore::highscoreSpeichern(*hs);
    }
    msgsink::clear();
    return 0;
}
