// The poker learning store brain.txt: any bytes are taken whole or not at all (exactly 200,024
// bytes with a count of 0..10,000), a store taken is searched without leaving its records and
// written back byte for byte.
#include <cstring>
#include <string>

#include "fuzz_folder.h"
#include "games/casino/holdem_ki.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::programFolder();
    // Odd first byte: a store of our own writer with byte patches, so that inputs of any length
    // reach every field of the 200,024 bytes. Even: the bytes are the file.
    std::string datei;
    if (size > 0 && (data[0] & 1)) {
        holdem::ki::Clusterer eigen;
        for (int i = 0; i < 40; ++i) {
            holdem::ki::PokerSituation s;
            s.win = static_cast<uint8_t>(6 * i);
            s.label = static_cast<int16_t>(i % 7 - 2);
            eigen.anhaengen(s);
        }
        if (!eigen.saveClusters("data/settings/eigen.txt")) __builtin_trap();
        if (!fileio::readAll("data/settings/eigen.txt", datei)) __builtin_trap();
        fuzz::patch(datei, data + 1, size - 1);
    } else {
        datei.assign(reinterpret_cast<const char*>(data), size);
    }
    data = reinterpret_cast<const uint8_t*>(datei.data());
    size = datei.size();
    fuzz::put("data/settings/brain.txt", data, size);
    holdem::ki::Clusterer c;
    std::string fehler;
    const bool ok = c.loadClusters("data/settings/brain.txt", fehler);
    int32_t anz = -1;
    if (size == holdem::ki::kBrainBytes) std::memcpy(&anz, data + size - 4, 4);
    if (ok != (anz >= 0 && anz <= holdem::ki::kLernMax)) __builtin_trap();
    if (!ok) {
        if (c.lernAnz() != 0 || fehler.empty()) __builtin_trap();
        return 0;
    }
    if (c.lernAnz() != anz) __builtin_trap();
    holdem::ki::PokerSituation q;
    q.win = q.winFirst = q.winSecond = data[size / 2];
    const holdem::ki::Zufall z{[] { return 0.5; }};
    const int rat = c.nearestAdvice(q, 2, 3, z);
    if (anz == 0 && rat != -10) __builtin_trap();
    if (anz == 1 && rat != c.gelernt(0).label) __builtin_trap();
    if (!c.saveClusters("data/settings/zurueck.txt")) __builtin_trap();
    holdem::ki::Clusterer d;
    if (!d.loadClusters("data/settings/zurueck.txt", fehler) || d.lernAnz() != anz) __builtin_trap();
    for (int i = 0; i < anz; ++i)
        if (std::memcmp(&d.gelernt(i), data + 20 * static_cast<size_t>(i), 20) != 0) __builtin_trap();
    return 0;
}
