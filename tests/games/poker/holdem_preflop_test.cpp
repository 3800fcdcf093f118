#include "games/casino/holdem_preflop.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "games/poker/holdem_karten.h"

using namespace holdem;
namespace fs = std::filesystem;

namespace {

TEST(HoldemPreflop, CellsAreFoundByRankSuitAndPlayers) {
    std::memset(PreflopTable, 0, sizeof PreflopTable);
    // As-König suited with 2 players
    EXPECT_EQ(preflopOffset(13, 12, true, 2), 2010);
    PreflopTable[2010] = 255;
    EXPECT_FLOAT_EQ(preflopWinChance(pokertest::karteAus("Ah"), pokertest::karteAus("Kh"), 2), 1.0f);
    EXPECT_FLOAT_EQ(preflopWinChance(pokertest::karteAus("Ah"), pokertest::karteAus("Kd"), 2), 0.0f);
    // the caller's order picks the cell: the mirrored pair reads another byte
    EXPECT_FLOAT_EQ(preflopWinChance(pokertest::karteAus("Kh"), pokertest::karteAus("Ah"), 2), 0.0f);
    PreflopTable[preflopOffset(1, 6, false, 7)] = 51;  // 2 and 7 offsuit, seven players
    EXPECT_FLOAT_EQ(preflopWinChance(pokertest::karteAus("2c"), pokertest::karteAus("7d"), 7), 0.2f);
    EXPECT_FLOAT_EQ(preflopWinChance(pokertest::karteAus("2c"), pokertest::karteAus("7d"), 8), 0.0f);
    EXPECT_EQ(preflopRankIndex(9), 1);   // the 2
    EXPECT_EQ(preflopRankIndex(8), 13);  // the As
    EXPECT_EQ(preflopRankIndex(7), 9);   // the 10
    EXPECT_EQ(preflopRankIndex(14), 0);
}

TEST(HoldemPreflop, OnlyAWholeFileIsRead) {
    const fs::path ordner = fs::temp_directory_path() / ("holdem_pfp_" + std::to_string(::getpid()));
    fs::create_directories(ordner / "data");
    std::memset(PreflopTable, 7, sizeof PreflopTable);
    EXPECT_FALSE(loadPreflopTable(ordner));  // missing
    auto schreiben = [&](size_t n, char c) {
        std::ofstream out(ordner / "data" / "pfp.txt", std::ios::binary);
        out << std::string(n, c);
    };
    schreiben(2027, 1);
    EXPECT_FALSE(loadPreflopTable(ordner));
    schreiben(2029, 1);
    EXPECT_FALSE(loadPreflopTable(ordner));
    EXPECT_EQ(PreflopTable[0], 7);  // kept what it held
    schreiben(2028, 9);
    EXPECT_TRUE(loadPreflopTable(ordner));
    EXPECT_EQ(PreflopTable[2027], 9);
    fs::remove_all(ordner);
}

TEST(HoldemPreflop, SimulationMatchesKnownChancesAndTheTable) {
    // a small sample: about 0.007 of standard error at 4,000 deals
    const int deals = 4000;
    double aa[6], aks[6], o72[6];
    preflopSimulation(13, 13, false, deals, 7, aa);
    preflopSimulation(13, 12, true, deals, 7, aks);
    preflopSimulation(6, 1, false, deals, 7, o72);
    // Aces against one random hand win about 85 % and split about 0.5 %, a split counting half.
    EXPECT_NEAR(aa[0], 0.852, 0.025);
    for (int o = 1; o < 6; ++o) {
        EXPECT_LT(aa[o], aa[o - 1]);
        EXPECT_LT(aks[o], aa[o]);
        EXPECT_LT(o72[o], aks[o]);
    }
    EXPECT_GT(o72[0], 0.25);
    EXPECT_LT(o72[0], 0.45);
    // The table the build made agrees with the small sample within its error.
    std::ifstream in(fs::path(KS_SOURCE_DIR) / "data" / "pfp.txt", std::ios::binary);
    if (!in) GTEST_SKIP() << "data/pfp.txt has not been made";
    ASSERT_TRUE(loadPreflopTable(KS_SOURCE_DIR));
    for (int p = 2; p <= 7; ++p) {
        EXPECT_NEAR(preflopWinChance(pokertest::karteAus("Ah"), pokertest::karteAus("Ad"), p), aa[p - 2],
                    0.03)
            << p;
        EXPECT_NEAR(preflopWinChance(pokertest::karteAus("Ah"), pokertest::karteAus("Kh"), p), aks[p - 2],
                    0.03)
            << p;
        EXPECT_NEAR(preflopWinChance(pokertest::karteAus("7s"), pokertest::karteAus("2c"), p), o72[p - 2],
                    0.03)
            << p;
    }
}

}  // namespace
