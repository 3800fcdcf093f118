// The help sources: every game folder has its rules and its hints, every file reads to its end,
// and every hint topic is a question its game asks.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/central.h"
#include "core/hilfe.h"
#include "platform/fileio.h"
#include "platform/text.h"

namespace {

const std::filesystem::path quellen = std::filesystem::path(KS_SOURCE_DIR) / "tools" / "help";

struct Gelesen {
    THelpContainer c;
    std::vector<std::string> log;
};

bool lesen(const std::string& name, Gelesen& g) {
    std::string roh;
    if (!fileio::readAll(quellen / (name + ".txt"), roh)) return false;
    const auto alt = hilfe::log;
    hilfe::log = [&g](const std::string& z) { g.log.push_back(z); };
    g.c.parse(hilfe::joinLines(text::fromUtf8(roh)));
    hilfe::log = alt;
    return true;
}

TEST(HilfeTexte, EveryGameHasRulesAndHintsThatReadToTheEnd) {
    // The poker help is written once and copied under the three betting forms' folders.
    std::set<std::string> ordner;
    for (int g = 0; g <= 12; ++g) ordner.insert(central::spielNamen.ordner[g]);
    for (const std::string& o : ordner) {
        for (const std::string& name : {o, o + "i"}) {
            SCOPED_TRACE(name);
            Gelesen g;
            ASSERT_TRUE(lesen(name, g));
            EXPECT_TRUE(g.log.empty()) << g.log.front();
            EXPECT_GE(g.c.count, 1);
            for (int i = 1; i <= g.c.count; ++i) EXPECT_FALSE(text::trim(g.c.chapters[i].text).empty()) << i;
        }
    }
    std::string roh;
    ASSERT_TRUE(fileio::readAll(quellen / "namecheck.txt", roh));
    EXPECT_EQ(roh.front(), '#');
    EXPECT_EQ(text::trim(roh).back(), '#');
}

TEST(HilfeTexte, HintTopicsAreTheGamesDecisionKinds) {
    // The decision kinds each game asks, as the stored kind names its hint (a card question of
    // Schafkopf and Doppelkopf: 47, +100 leading, +200 with the announcement button).
    const std::map<std::string, std::set<int>> arten = {
        {"maumaui", {31, 32, 33, 37}},
        {"skati", {44, 48, 49, 50, 53, 54, 55, 56, 57, 58, 59, 60, 63, 64, 65, 66, 67, 68}},
        {"schwimmeni", {69, 70, 75}},
        {"rommei", {78, 79, 80}},
        {"canastai", {80, 81, 82}},
        {"doppelkopfi", {47, 66, 84, 88, 89, 147, 247, 347}},
        {"schafkopfi", {44, 47, 63, 91, 92, 93, 94, 97, 147}},
        {"schnapseni", {103, 106, 107, 108}},
        {"66i", {103, 106, 107, 108}},
        {"pokeri", {98, 102}},
        {"blackjacki", {106, 107, 109}},
        {"17und4i", {106, 107, 109}},
        {"jassi", {47, 110, 112, 113, 114, 115}},
    };
    for (const auto& [name, erwartet] : arten) {
        SCOPED_TRACE(name);
        Gelesen g;
        ASSERT_TRUE(lesen(name, g));
        std::set<int> themen;
        for (int i = 1; i <= g.c.count; ++i) themen.insert(g.c.chapters[i].number);
        EXPECT_EQ(themen, erwartet);
    }
}

}  // namespace
