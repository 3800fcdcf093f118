// The RIFF/WAVE reader: walks the chunks of a file held in memory and finds its PCM format and
// its sample data.
#pragma once
#include <cstddef>
#include <cstdint>

namespace wave {

// Reader error codes.
enum Fehler : uint8_t {
    kOk = 0,
    kLeer = 1,         // no data or an empty file
    kKeinRiff = 3,     // does not start with "RIFF"
    kKeinWave = 4,     // the RIFF form is not "WAVE"
    kFormat = 5,       // RIFF size wrong, or a format tag other than 1 or 2, or a PCM shape we cannot play
    kKomprimiert = 9,  // format tag 2 (compressed): samples cannot take it
    kKeineDaten = 10,  // no "data" chunk before the end of the file
    kKeinFormat = 11,  // no "fmt " chunk before "data"
};

#pragma pack(push, 1)
// The first up to 18 bytes of the "fmt " chunk.
struct Format {
    uint16_t formatTag;
    uint16_t channels;
    uint32_t sampleRate;
    uint32_t bytesPerSec;
    uint16_t blockAlign;
    uint16_t bitsPerSample;
    uint16_t extraSize;
};
#pragma pack(pop)
static_assert(sizeof(Format) == 18);

struct Kopf {
    uint32_t datenPos = 0;      // byte offset of the first sample byte
    uint32_t datenGroesse = 0;  // bytes of sample data present in the file
    uint32_t samples = 0;       // sample frames ("fact" chunk, else data size / block size)
    uint8_t fehler = kOk;
    Format format{};
};

// The chunk id of four characters, as the file stores it.
constexpr uint32_t fourcc(const char (&s)[5]) {
    return uint32_t(uint8_t(s[0])) | uint32_t(uint8_t(s[1])) << 8 | uint32_t(uint8_t(s[2])) << 16 |
           uint32_t(uint8_t(s[3])) << 24;
}

// ReadWaveChunks: true for a playable PCM file (format tag 1, 8 or 16 bits, one or two channels).
// A "data" chunk that claims more bytes than the file holds is cut to what is there, so the
// caller sees a short file by datenGroesse < the claimed size only through kurz.
bool lesen(const uint8_t* daten, size_t n, Kopf& k, bool* kurz = nullptr);

}  // namespace wave
