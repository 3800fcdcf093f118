// A program folder of its own for the fuzz targets whose readers take a file: made once per
// process, the working directory for every run.
#pragma once
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/fileio.h"
#include "platform/msgsink.h"

namespace fuzz {

inline void programFolder() {
    static bool done = false;
    if (done) return;
    done = true;
    // libFuzzer's corpus folders are given relative to where it was started: it is left here
    // only for the folder made below, so the paths must be absolute (.ci/run passes them so).
    // In memory where there is such a folder: every run writes and syncs its files.
    std::error_code ec;
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string tmpl = (base / "ks_fuzz_XXXXXX").string();
    if (!mkdtemp(tmpl.data())) std::abort();
    std::filesystem::current_path(tmpl);
    static std::string made;
    made = tmpl;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(made, ignored);
    });
    // Messages are recorded, never shown; the record is dropped after every run.
    msgsink::setHandler({});
}

inline void put(const std::filesystem::path& p, const uint8_t* data, size_t size) {
    if (!fileio::writeAll(p, data, size)) std::abort();
}

// Byte patches over a record made by our own writer: each patch is a 4-byte little-endian offset
// (taken modulo the record's size) and one byte. So a short input reaches every field of a
// record of hundreds of kilobytes.
inline void patch(std::string& rec, const uint8_t* data, size_t size) {
    if (rec.empty()) return;
    for (size_t i = 0; i + 5 <= size; i += 5) {
        const uint32_t at =
            data[i] | data[i + 1] << 8 | data[i + 2] << 16 | static_cast<uint32_t>(data[i + 3]) << 24;
        rec[at % rec.size()] = static_cast<char>(data[i + 4]);
    }
}

// Writes the file a run reads: patches over `written` when the input's first byte is odd, else
// the input itself (so the reader's size checks are reached too).
inline void record(const std::filesystem::path& p, const std::string& written, const uint8_t* data,
                   size_t size) {
    if (size > 0 && (data[0] & 1)) {
        std::string file = written;
        patch(file, data + 1, size - 1);
        put(p, reinterpret_cast<const uint8_t*>(file.data()), file.size());
    } else {
        put(p, data, size);
    }
}

}  // namespace fuzz
