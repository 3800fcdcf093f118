#include "core/dateien.h"

#include <exception>

#include "platform/fileio.h"

namespace dateien {

bool lesen(const std::filesystem::path& p, std::string& out) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(p, ec)) return false;
    try {
        return fileio::readAll(p, out);
    } catch (const std::exception&) {  // a stream error must not end the program
        return false;
    }
}

}  // namespace dateien
