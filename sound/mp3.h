// Music tracks: MP3 files decoded with libmpg123 into the mixer's stereo format, a piece at a
// time, ahead of what the mixer plays.
#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "sound/mixer.h"

namespace mp3 {

class Strom {
public:
    Strom() = default;
    ~Strom();
    Strom(const Strom&) = delete;
    Strom& operator=(const Strom&) = delete;

    // false with the reason in grund.
    bool oeffnen(const std::filesystem::path& datei, std::string& grund);
    // Appends up to about `frames` stereo frames at mixer::kRate to out; returns how many. After
    // the last frame (or a damaged frame, whose reason goes to grund()) fertig() holds.
    size_t lesen(std::vector<int16_t>& out, size_t frames);
    bool fertig() const { return fertig_; }
    const std::string& grund() const { return grund_; }

private:
    void* h_ = nullptr;  // the mpg123 handle
    long rate_ = 0;
    bool fertig_ = false;
    std::string grund_;
    // The rate conversion carries over from one piece to the next.
    double pos_ = 0.0;
    int16_t vorher_[2] = {};
    bool erster_ = true;
    std::vector<int16_t> roh_;
};

// A whole track decoded at once (tests, the benchmark); nullptr with the reason in grund.
// Tracks longer than ten minutes are refused before they fill memory.
std::shared_ptr<const mixer::Pcm> laden(const std::filesystem::path& datei, std::string& grund);

}  // namespace mp3
