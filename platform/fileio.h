// Whole-file reading and writing. Writes go to a temporary file beside the target and are
// renamed over it, so a file is either the old one or the new one, never half written.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace fileio {

// Files larger than this are never read whole, whatever their kind.
constexpr uint64_t kMaxRead = 256ull << 20;
// Reads a regular file whole; false for anything else (missing, a folder, a read error, more
// than maxSize bytes), and out is then left as it was. The size is checked before anything is
// allocated.
bool readAll(const std::filesystem::path& p, std::string& out, uint64_t maxSize = kMaxRead);
// The size of a regular file, or -1.
int64_t fileSize(const std::filesystem::path& p);
// Writes data whole or not at all; creates missing folders. On failure the old file stays.
bool writeAll(const std::filesystem::path& p, const void* data, size_t size);
inline bool writeAll(const std::filesystem::path& p, const std::string& s) {
    return writeAll(p, s.data(), s.size());
}
// The same, unless the file already holds exactly these bytes: then nothing is written (no
// temporary file, no sync). True when the file holds them afterwards.
bool writeIfChanged(const std::filesystem::path& p, const std::string& s);
// Appends to a log file, creating it (and missing folders) when needed. A log line is no state
// to keep whole, so it goes straight to the end of the file.
bool append(const std::filesystem::path& p, const std::string& s);
// Several files that belong together: every one is written to its temporary file first, then a
// journal naming the renames (beside the first file, "<first>.journal"), then the renames, then
// the journal goes. A writer stopped anywhere leaves either the old set, or the new temporaries
// with their journal, which recover() finishes.
struct Part {
    std::filesystem::path path;
    std::string data;
};
bool writeAllTogether(const std::vector<Part>& parts);
// Finishes the renames of every journal in the folder and removes temporary files
// ("<name>.tmp<pid>") whose writer no longer runs. Call before reading files of that folder.
void recover(const std::filesystem::path& dir);
// Tests stop a writer here: called before each rename of writeAllTogether with the number of
// renames done; false leaves everything as a killed process would.
extern bool (*beforeRename)(size_t done);

// Turns a program path with '\' separators into the path used here.
std::filesystem::path local(const std::string& programPath);

}  // namespace fileio
