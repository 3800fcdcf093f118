#include "platform/fileio.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <system_error>

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

bool (*beforeRename)(size_t) = nullptr;

int64_t fileSize(const fs::path& p) {
    std::error_code ec;
    if (!fs::is_regular_file(p, ec)) return -1;
    const auto size = fs::file_size(p, ec);
    return ec ? -1 : static_cast<int64_t>(size);
}

bool readAll(const fs::path& p, std::string& out, uint64_t maxSize) {
    const int64_t size = fileSize(p);
    if (size < 0 || static_cast<uint64_t>(size) > maxSize) return false;
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    std::string s(static_cast<size_t>(size), '\0');
    if (!s.empty() && !in.read(s.data(), static_cast<std::streamsize>(s.size()))) return false;
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

bool writeIfChanged(const fs::path& p, const std::string& s) {
    std::string alt;
    if (fileSize(p) == static_cast<int64_t>(s.size()) && readAll(p, alt, s.size()) && alt == s) return true;
    return writeAll(p, s);
}

bool append(const fs::path& p, const std::string& s) {
    std::error_code ec;
    if (p.has_parent_path()) fs::create_directories(p.parent_path(), ec);
    FILE* f = std::fopen(p.c_str(), "ab");
    if (!f) return false;
    bool ok = s.empty() || std::fwrite(s.data(), 1, s.size(), f) == s.size();
    ok = (std::fclose(f) == 0) && ok;
    return ok;
}

namespace {
fs::path journalFor(const fs::path& first) {
    auto j = first;
    j += ".journal";
    return j;
}

// A journal line names a file by its name alone when it lies beside the journal.
std::string journalName(const fs::path& p, const fs::path& dir) {
    return p.parent_path() == dir ? p.filename().string() : fs::absolute(p).string();
}

// "<temporary>\t<target>\n" per file, in rename order. The journal goes only once every rename
// in it is done, so a rename that fails now is tried again by the next recovery.
bool rollForward(const fs::path& journal) {
    std::string lines;
    std::error_code ec;
    if (!readAll(journal, lines, 1 << 16)) return false;
    bool done = true;
    const fs::path dir = journal.parent_path();
    size_t at = 0;
    while (at < lines.size()) {
        size_t end = lines.find('\n', at);
        if (end == std::string::npos) end = lines.size();
        const std::string line = lines.substr(at, end - at);
        at = end + 1;
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const fs::path tmp = dir / line.substr(0, tab), target = dir / line.substr(tab + 1);
        // A temporary already renamed is gone; one still there holds the new content.
        if (!fs::is_regular_file(tmp, ec)) continue;
        fs::rename(tmp, target, ec);
        if (ec) done = false;
    }
    if (done) fs::remove(journal, ec);
    return done;
}

bool writerGone(const std::string& digits) {
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const long pid = std::stol(digits);
    if (pid == getpid()) return false;
    return kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}
}  // namespace

bool writeAllTogether(const std::vector<Part>& parts) {
    if (parts.empty()) return true;
    std::vector<fs::path> tmps;
    std::error_code ec;
    auto dropTemps = [&] {
        for (auto& t : tmps) fs::remove(t, ec);
    };
    for (const auto& part : parts) {
        auto tmp = tempFor(part.path);
        if (!writeTemp(tmp, part.data.data(), part.data.size())) {
            dropTemps();
            return false;
        }
        tmps.push_back(tmp);
    }
    const fs::path dir = parts[0].path.parent_path();
    std::string lines;
    for (size_t i = 0; i < parts.size(); ++i)
        lines += journalName(tmps[i], dir) + "\t" + journalName(parts[i].path, dir) + "\n";
    const fs::path journal = journalFor(parts[0].path);
    if (!writeAll(journal, lines)) {
        dropTemps();
        return false;
    }
    // From here on the new set is committed: a rename that fails is retried by recover().
    bool ok = true;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (beforeRename && !beforeRename(i)) return false;
        fs::rename(tmps[i], parts[i].path, ec);
        if (ec) ok = false;
    }
    if (!ok) return rollForward(journal);
    fs::remove(journal, ec);
    return true;
}

void recover(const fs::path& dir) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return;
    std::vector<fs::path> journals, temps;
    for (auto it = fs::directory_iterator(dir, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::path p = it->path();
        const std::string name = p.filename().string();
        if (p.extension() == ".journal") {
            journals.push_back(p);
            continue;
        }
        const size_t at = name.rfind(".tmp");
        if (at != std::string::npos && at > 0 && writerGone(name.substr(at + 4))) temps.push_back(p);
    }
    for (const auto& j : journals) rollForward(j);
    for (const auto& t : temps)
        if (fs::is_regular_file(t, ec)) fs::remove(t, ec);
}

fs::path local(const std::string& programPath) {
    std::string s = programPath;
    for (auto& c : s)
        if (c == '\\') c = '/';
    return fs::path(s);
}

}  // namespace fileio
