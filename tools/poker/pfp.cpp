// Writes data/pfp.txt, the preflop win-chance table, by simulation with a fixed seed: 200,000
// deals per starting hand keep the error of a cell near 0.001, a quarter of one step of 1/255.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "games/casino/holdem_preflop.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: holdem_pfp DATA_FOLDER [DEALS]\n");
        return 2;
    }
    const std::filesystem::path ordner = argv[1];
    const int deals = argc > 2 ? std::atoi(argv[2]) : 200000;
    static uint8_t table[holdem::kPreflopBytes];
    holdem::preflopBerechnen(deals, 20260101, table);
    std::error_code ec;
    std::filesystem::create_directories(ordner, ec);
    const std::filesystem::path ziel = ordner / "pfp.txt", tmp = ordner / "pfp.txt.tmp";
    {
        std::ofstream out(tmp, std::ios::binary);
        out.write(reinterpret_cast<const char*>(table), sizeof table);
        if (!out) {
            std::fprintf(stderr, "holdem_pfp: cannot write %s\n", tmp.string().c_str());
            return 1;
        }
    }
    std::filesystem::rename(tmp, ziel, ec);
    if (ec) {
        std::fprintf(stderr, "holdem_pfp: cannot rename to %s\n", ziel.string().c_str());
        return 1;
    }
    return 0;
}
