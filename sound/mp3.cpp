#include "sound/mp3.h"

#include <mpg123.h>

#include <cmath>

namespace mp3 {

namespace {

struct Bibliothek {
    bool ok = mpg123_init() == MPG123_OK;
    ~Bibliothek() {
        if (ok) mpg123_exit();
    }
};

bool bereit() {
    static Bibliothek bib;
    return bib.ok;
}

mpg123_handle* handle(void* h) { return static_cast<mpg123_handle*>(h); }

constexpr size_t kMaxFrames = static_cast<size_t>(10) * 60 * mixer::kRate;

}  // namespace

Strom::~Strom() {
    if (h_) {
        mpg123_close(handle(h_));
        mpg123_delete(handle(h_));
    }
}

bool Strom::oeffnen(const std::filesystem::path& datei, std::string& grund) {
    if (!bereit()) {
        grund = "mpg123 not available";
        return false;
    }
    int err = 0;
    mpg123_handle* h = mpg123_new(nullptr, &err);
    if (!h) {
        grund = mpg123_plain_strerror(err);
        return false;
    }
    h_ = h;
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    // Any rate, always 16-bit stereo (mono tracks are doubled); the rate is converted here.
    mpg123_format_none(h);
    for (const long rate : {8000L, 11025L, 12000L, 16000L, 22050L, 24000L, 32000L, 44100L, 48000L})
        mpg123_format(h, rate, MPG123_STEREO, MPG123_ENC_SIGNED_16);
    int kanaele = 0, enc = 0;
    if (mpg123_open(h, datei.string().c_str()) != MPG123_OK) {
        grund = mpg123_strerror(h);
        return false;
    }
    if (mpg123_getformat(h, &rate_, &kanaele, &enc) != MPG123_OK || kanaele != 2 || rate_ <= 0) {
        grund = "no stereo 16-bit format";
        return false;
    }
    return true;
}

size_t Strom::lesen(std::vector<int16_t>& out, size_t frames) {
    if (!h_ || fertig_) return 0;
    const size_t vorher = out.size();
    // Enough source bytes for about `frames` output frames.
    const size_t quell = static_cast<size_t>(static_cast<double>(frames) * rate_ / mixer::kRate) + 1;
    roh_.resize(quell * 2);
    size_t bytes = 0;
    const int r = mpg123_read(handle(h_), roh_.data(), roh_.size() * 2, &bytes);
    if (r == MPG123_DONE) {
        fertig_ = true;
    } else if (r != MPG123_OK && r != MPG123_NEW_FORMAT) {
        grund_ = mpg123_strerror(handle(h_));
        fertig_ = true;
    }
    const size_t n = bytes / 4;
    if (n == 0) return 0;
    const int16_t* s = roh_.data();
    if (erster_) {
        vorher_[0] = s[0];
        vorher_[1] = s[1];
        erster_ = false;
    }
    // Linear interpolation; position -1 is the last frame of the previous piece.
    const double schritt = static_cast<double>(rate_) / mixer::kRate;
    auto frame = [&](long i, int k) { return i < 0 ? vorher_[k] : s[2 * i + k]; };
    while (pos_ <= static_cast<double>(n - 1)) {
        const long i = static_cast<long>(std::floor(pos_));
        const double t = pos_ - static_cast<double>(i);
        const long j = std::min<long>(i + 1, static_cast<long>(n - 1));
        for (int k = 0; k < 2; ++k)
            out.push_back(static_cast<int16_t>(std::lrint(frame(i, k) * (1.0 - t) + frame(j, k) * t)));
        pos_ += schritt;
    }
    pos_ -= static_cast<double>(n);
    vorher_[0] = s[2 * (n - 1)];
    vorher_[1] = s[2 * (n - 1) + 1];
    return (out.size() - vorher) / 2;
}

std::shared_ptr<const mixer::Pcm> laden(const std::filesystem::path& datei, std::string& grund) {
    Strom s;
    if (!s.oeffnen(datei, grund)) return nullptr;
    auto p = std::make_shared<mixer::Pcm>();
    p->kanaele = 2;
    p->quellBlock = 4;
    while (!s.fertig()) {
        s.lesen(p->daten, 8192);
        if (p->daten.size() / 2 > kMaxFrames) {
            grund = "track too long";
            return nullptr;
        }
    }
    if (!s.grund().empty() || p->daten.empty()) {
        grund = s.grund().empty() ? "no audio" : s.grund();
        return nullptr;
    }
    return p;
}

}  // namespace mp3
