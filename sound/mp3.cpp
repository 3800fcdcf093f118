#include "sound/mp3.h"

#include <mpg123.h>

#include <vector>

namespace mp3 {

namespace {

struct Bibliothek {
    bool ok = mpg123_init() == MPG123_OK;
    ~Bibliothek() {
        if (ok) mpg123_exit();
    }
};

constexpr size_t kMaxFrames = static_cast<size_t>(10) * 60 * 48000;

}  // namespace

std::shared_ptr<const mixer::Pcm> laden(const std::filesystem::path& datei, std::string& grund) {
    static Bibliothek bib;
    if (!bib.ok) {
        grund = "mpg123 not available";
        return nullptr;
    }
    int err = 0;
    mpg123_handle* h = mpg123_new(nullptr, &err);
    if (!h) {
        grund = mpg123_plain_strerror(err);
        return nullptr;
    }
    struct Schliessen {
        mpg123_handle* h;
        ~Schliessen() {
            mpg123_close(h);
            mpg123_delete(h);
        }
    } schliessen{h};
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    // Any rate, always 16-bit stereo (mono tracks are doubled); the mixer converts the rate.
    mpg123_format_none(h);
    for (const long rate : {8000L, 11025L, 12000L, 16000L, 22050L, 24000L, 32000L, 44100L, 48000L})
        mpg123_format(h, rate, MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(h, datei.string().c_str()) != MPG123_OK) {
        grund = mpg123_strerror(h);
        return nullptr;
    }
    long rate = 0;
    int kanaele = 0, enc = 0;
    if (mpg123_getformat(h, &rate, &kanaele, &enc) != MPG123_OK || kanaele != 2 || rate <= 0) {
        grund = "no stereo 16-bit format";
        return nullptr;
    }
    std::vector<uint8_t> pcm;
    unsigned char puffer[16384];
    for (;;) {
        size_t fertig = 0;
        const int r = mpg123_read(h, puffer, sizeof puffer, &fertig);
        pcm.insert(pcm.end(), puffer, puffer + fertig);
        if (pcm.size() / 4 > kMaxFrames) {
            grund = "track too long";
            return nullptr;
        }
        if (r == MPG123_DONE) break;
        if (r == MPG123_NEW_FORMAT) continue;
        if (r != MPG123_OK) {
            grund = mpg123_strerror(h);
            return nullptr;
        }
    }
    if (pcm.empty()) {
        grund = "no audio";
        return nullptr;
    }
    return mixer::umwandeln(pcm.data(), pcm.size(), 2, 16, static_cast<uint32_t>(rate));
}

}  // namespace mp3
