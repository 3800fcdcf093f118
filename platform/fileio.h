// Whole-file reading and writing. Writes go to a temporary file beside the target and are
// renamed over it, so a file is either the old one or the new one, never half written.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace fileio {

// Reads a regular file whole; false for anything else (missing, a folder, a read error), and
// out is then left as it was.
bool readAll(const std::filesystem::path& p, std::string& out);
// Writes data whole or not at all; creates missing folders. On failure the old file stays.
bool writeAll(const std::filesystem::path& p, const void* data, size_t size);
inline bool writeAll(const std::filesystem::path& p, const std::string& s) { return writeAll(p, s.data(), s.size()); }
// Several files that belong together: every one is written to its temporary file first and
// only then are they renamed, so a failure before the renames leaves every old file intact.
struct Part {
    std::filesystem::path path;
    std::string data;
};
bool writeAllTogether(const std::vector<Part>& parts);

// Turns a program path with '\' separators into the path used here.
std::filesystem::path local(const std::string& programPath);

}  // namespace fileio
