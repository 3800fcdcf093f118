#include "sound/wave.h"

#include <algorithm>
#include <cstring>

namespace wave {

namespace {

uint32_t u32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool fehler(Kopf& k, Fehler f) {
    k.fehler = f;
    return false;
}

}  // namespace

bool lesen(const uint8_t* daten, size_t n, Kopf& k, bool* kurz) {
    k = Kopf{};
    if (kurz) *kurz = false;
    if (!daten || n == 0) return fehler(k, kLeer);
    if (n < 8 || u32(daten) != fourcc("RIFF")) return fehler(k, kKeinRiff);
    if (uint64_t(u32(daten + 4)) != uint64_t(n) - 8) return fehler(k, kFormat);
    if (n < 12 || u32(daten + 8) != fourcc("WAVE")) return fehler(k, kKeinWave);

    bool formatGelesen = false;
    bool sampleZahl = false;
    size_t pos = 12;
    // The walk ends at the end of the file: a file without "data" fails there.
    for (;;) {
        if (n - pos < 8) return fehler(k, kKeineDaten);
        const uint32_t id = u32(daten + pos);
        const uint32_t groesse = u32(daten + pos + 4);
        pos += 8;
        const size_t rest = n - pos;
        if (id == fourcc("data")) {
            if (!formatGelesen) return fehler(k, kKeinFormat);
            k.datenPos = static_cast<uint32_t>(pos);
            k.datenGroesse = static_cast<uint32_t>(std::min<size_t>(groesse, rest));
            if (kurz) *kurz = groesse > rest;
            break;
        }
        if (id == fourcc("fmt ") && !formatGelesen) {
            std::memcpy(&k.format, daten + pos, std::min<size_t>({groesse, sizeof(Format), rest}));
            formatGelesen = true;
        } else if (id == fourcc("fact") && !sampleZahl && k.format.formatTag == 2 && groesse >= 4 &&
                   rest >= 4) {
            k.samples = u32(daten + pos);
            sampleZahl = true;
        }
        // Chunks of odd size are followed by one pad byte.
        const uint64_t weiter = uint64_t(groesse) + (groesse & 1u);
        if (weiter > rest) return fehler(k, kKeineDaten);
        pos += static_cast<size_t>(weiter);
    }

    const Format& f = k.format;
    if (f.formatTag == 2) return fehler(k, kKomprimiert);
    if (f.formatTag != 1) return fehler(k, kFormat);
    // A rate of 0 would divide by zero below; shapes the mixer cannot convert are refused too.
    if (f.sampleRate == 0 || (f.channels != 1 && f.channels != 2) ||
        (f.bitsPerSample != 8 && f.bitsPerSample != 16) || f.blockAlign != f.channels * f.bitsPerSample / 8)
        return fehler(k, kFormat);
    k.samples = k.datenGroesse / f.blockAlign;
    return true;
}

}  // namespace wave
