// Music tracks: an MP3 file decoded whole with libmpg123 into the mixer's stereo format.
#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "sound/mixer.h"

namespace mp3 {

// The decoded track, or nullptr with the reason in grund. Tracks longer than ten minutes are
// refused before they fill memory.
std::shared_ptr<const mixer::Pcm> laden(const std::filesystem::path& datei, std::string& grund);

}  // namespace mp3
