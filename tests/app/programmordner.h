// A program folder of its own for a test or benchmark that runs the shell: the data the build
// made (linked), but its own settings folder holding only the default option files, as at a
// first start, and the card cache and configuration below it.
#pragma once
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace testordner {

inline std::filesystem::path programmOrdner(const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / (name + "_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "data" / "settings");
    for (const auto& e : fs::directory_iterator(fs::path(KS_SOURCE_DIR) / "data"))
        if (e.path().filename() != "settings")
            fs::create_directory_symlink(e.path(), dir / "data" / e.path().filename());
    setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    return dir;
}

}  // namespace testordner
