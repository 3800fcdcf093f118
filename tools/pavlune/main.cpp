// Draws the GUI library's images into <data folder>/pavlune.
// Usage: ks_pavlune <data folder>
#include <cstdio>
#include <filesystem>

#include "tools/pavlune/pavlune.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    if (!pavlune::writeAll(std::filesystem::path(argv[1]) / "pavlune")) {
        std::fprintf(stderr, "ks_pavlune: could not write every image\n");
        return 1;
    }
    return 0;
}
