#include "platform/fileio.h"

#include <cstdio>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace fileio {
namespace fs = std::filesystem;

namespace {
fs::path tempFor(const fs::path& p) {
    auto t = p;
    t += ".tmp" + std::to_string(getpid());
    return t;
}

bool writeTemp(const fs::path& tmp, const void* data, size_t size) {
    std::error_code ec;
    if (tmp.has_parent_path()) fs::create_directories(tmp.parent_path(), ec);
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return false;
    bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
    ok = (std::fflush(f) == 0) && ok;
    ok = (fsync(fileno(f)) == 0) && ok;
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) fs::remove(tmp, ec);
    return ok;
}
}  // namespace

bool readAll(const fs::path& p, std::string& out) {
    std::error_code ec;
    if (!fs::is_regular_file(p, ec)) return false;
    const auto size = fs::file_size(p, ec);
    if (ec) return false;
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    std::string s(static_cast<size_t>(size), '\0');
    if (!in.read(s.data(), static_cast<std::streamsize>(s.size()))) return false;
    // A file that grew while it was read is refused rather than taken half.
    if (in.peek() != std::char_traits<char>::eof()) return false;
    out = std::move(s);
    return true;
}

bool writeAll(const fs::path& p, const void* data, size_t size) {
    auto tmp = tempFor(p);
    if (!writeTemp(tmp, data, size)) return false;
    std::error_code ec;
    fs::rename(tmp, p, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

bool writeAllTogether(const std::vector<Part>& parts) {
    std::vector<fs::path> tmps;
    std::error_code ec;
    for (const auto& part : parts) {
        auto tmp = tempFor(part.path);
        if (!writeTemp(tmp, part.data.data(), part.data.size())) {
            for (auto& t : tmps) fs::remove(t, ec);
            return false;
        }
        tmps.push_back(tmp);
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        fs::rename(tmps[i], parts[i].path, ec);
        if (ec) {
            for (size_t j = i; j < parts.size(); ++j) fs::remove(tmps[j], ec);
            return false;
        }
    }
    return true;
}

fs::path local(const std::string& programPath) {
    std::string s = programPath;
    for (auto& c : s)
        if (c == '\\') c = '/';
    return fs::path(s);
}

}  // namespace fileio
