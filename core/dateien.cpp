#include "core/dateien.h"

#include <fstream>

namespace dateien {

bool lesen(const std::filesystem::path& p, std::string& out) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(p, ec)) return false;
    const auto size = std::filesystem::file_size(p, ec);
    if (ec) return false;
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    std::string s(static_cast<size_t>(size), '\0');
    if (!in.read(s.data(), static_cast<std::streamsize>(s.size()))) return false;
    // A file that grew while it was read is read again by the next caller, not half taken.
    if (in.peek() != std::char_traits<char>::eof()) return false;
    out = std::move(s);
    return true;
}

}  // namespace dateien
