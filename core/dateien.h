// Reading the program's own data files whole.
#pragma once
#include <filesystem>
#include <string>

namespace dateien {

// Reads a regular file whole; false for anything else (missing, a folder, a read error), and
// out is then left as it was.
bool lesen(const std::filesystem::path& p, std::string& out);

}  // namespace dateien
