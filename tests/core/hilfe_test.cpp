#include "core/hilfe.h"

#include <gtest/gtest.h>

#include "files_tempdir.h"
#include "platform/fileio.h"
#include "platform/text.h"

namespace {

class HelpFiles : public files_test::ProgramFolder {
protected:
    void SetUp() override {
        files_test::ProgramFolder::SetUp();
        saved_ = hilfe::log;
        hilfe::log = [this](const std::string& line) { logged.push_back(line); };
    }
    void TearDown() override {
        hilfe::log = saved_;
        files_test::ProgramFolder::TearDown();
    }
    void write(const std::string& name, const std::string& content) {
        ASSERT_TRUE(fileio::writeAll("data/help/" + name + ".txt", content));
    }
    std::vector<std::string> logged;

private:
    std::function<void(const std::string&)> saved_;
};

const char* const kRules =
    "Skat Regeln\n#!!3#Allgemeines#Kapitel\n#!1#Reizen#Abschnitt\n#5#Null#Beim Nullspiel\n"
    "#6#Grand#Nur Buben sind Trumpf.\nZweite Zeile";

}  // namespace

TEST(HelpParse, LevelsNumbersHeadingsAndLastTextToTheEnd) {
    THelpContainer h;
    h.parse(hilfe::joinLines(kRules));
    EXPECT_EQ(h.title, "Skat Regeln\r\n");
    ASSERT_EQ(h.count, 4);
    struct Case {
        int pos;
        int number;
        int level;
        const char* title;
        const char* heading;
    };
    const Case cases[] = {{1, 3, 2, "Allgemeines", "Allgemeines"},
                          {2, 1, 1, "Reizen", "Reizen"},
                          {3, 5, 0, "Null", "Reizen"},
                          {4, 6, 0, "Grand", "Reizen"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pos);
        EXPECT_EQ(h.chapters[c.pos].number, c.number);
        EXPECT_EQ(h.chapters[c.pos].level, c.level);
        EXPECT_EQ(h.chapters[c.pos].title, c.title);
        EXPECT_EQ(h.chapters[c.pos].heading, c.heading);
        EXPECT_EQ(h.topics.items[c.pos - 1].number, c.number);
    }
    EXPECT_EQ(h.chapters[4].text, "Nur Buben sind Trumpf.\r\nZweite Zeile\r\n");

    HelpPage page = h.inhaltZeigen();
    EXPECT_EQ(page.lines,
              (std::vector<std::string>{"Allgemeines", "   Reizen", "      Null", "      Grand"}));
    EXPECT_EQ(page.title, "Null");
    EXPECT_EQ(page.text, "Beim Nullspiel\r\n");
}

TEST(HelpParse, JoinLinesEndsEveryLineInCrLf) {
    struct Case {
        const char* raw;
        const char* joined;
    };
    const Case cases[] = {{"", ""},
                          {"a", "a\r\n"},
                          {"a\nb\n", "a\r\nb\r\n"},
                          {"a\r\nb", "a\r\nb\r\n"},
                          {"a\rb\r\r", "a\r\nb\r\n\r\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(hilfe::joinLines(c.raw), c.joined);
    }
}

TEST(HelpParse, DamagedTextKeepsTheTopicsBeforeTheFault) {
    std::string many = "T";
    for (int i = 1; i <= 105; ++i) many += "#" + std::to_string(i) + "#t" + std::to_string(i) + "#x";
    struct Case {
        std::string text;
        int count;
        bool logged;
    };
    const Case cases[] = {
        {"Nur ein Titel\r\n", 0, true},        // empty number token
        {"", 0, true},                         // empty file
        {"T#1#a#b#x1#c#d", 1, true},           // bad number token
        {"T#1#a#b#!!#c#d", 1, true},           // marks without a number
        {"T#1#a#b#99999999999#c#d", 1, true},  // out of range
        {"T#1#a#b\r\n#\r\n", 1, false},        // a trailing '#'
        {"T#1#a", 1, false},                   // file ends before the text
        {" T# !2 #a#b", 1, false},             // blanks around the number are allowed
        {many, 100, true},                     // the table holds 100 topics
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 30));
        std::vector<std::string> logged;
        auto saved = hilfe::log;
        hilfe::log = [&](const std::string& l) { logged.push_back(l); };
        THelpContainer h;
        h.parse(c.text);
        hilfe::log = saved;
        EXPECT_EQ(h.count, c.count);
        EXPECT_EQ(h.topics.count(), c.count);
        EXPECT_EQ(!logged.empty(), c.logged);
    }
}

TEST(HelpParse, EveryTokenPassesTheWordingFilter) {
    auto saved = hilfe::filter;
    hilfe::filter = [](const std::string& s) {
        std::string r = s;
        for (auto& ch : r)
            if (ch == 'K') ch = 'Q';
        return r;
    };
    THelpContainer h;
    h.parse(text::w("Karten#7#Kreuz#König"));
    hilfe::filter = saved;
    EXPECT_EQ(h.title, "Qarten");
    EXPECT_EQ(h.chapters[1].title, "Qreuz");
    EXPECT_EQ(h.chapters[1].text, text::w("Qönig"));
}

TEST_F(HelpFiles, MissingFileEmptiesTheContainerAndLogs) {
    write("skati", "Hinweise#20#Reizen#Sagen Sie eine Zahl.");
    THelpContainer h;
    ASSERT_TRUE(h.laden("skati"));
    ASSERT_EQ(h.count, 1);
    EXPECT_TRUE(logged.empty());

    // The next game has no hint file: none of Skat's hints may remain.
    EXPECT_FALSE(h.laden("maumaui"));
    EXPECT_EQ(h.count, 0);
    EXPECT_EQ(h.topics.count(), 0);
    EXPECT_EQ(h.title, "");
    THelpChapter c;
    h.themaHolen(20, c);
    EXPECT_EQ(c.number, 0);
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_NE(logged[0].find("maumaui"), std::string::npos);

    // neuLaden reads the remembered name again.
    write("maumaui", "M#1#a#b");
    h.neuLaden();
    EXPECT_EQ(h.count, 1);
}

TEST_F(HelpFiles, GameStartLoadsTheHintFileOfTheFolder) {
    write("skati", "Hinweise#20#Reizen#Sagen Sie eine Zahl.");
    THelpContainer hints;
    hilfe::hinweiseLaden(hints, "skat", false);
    EXPECT_EQ(hints.count, 0);
    hilfe::hinweiseLaden(hints, "skat", true);
    EXPECT_EQ(hints.count, 1);
    hilfe::hinweiseLaden(hints, "jass", true);
    EXPECT_EQ(hints.count, 0);
    hilfe::hinweiseLaden(hints, 1, true);  // Skat by its folder name
    EXPECT_EQ(hints.count, 1);
    EXPECT_EQ(hints.fileName, "skati");
}

TEST(HelpLookup, UnknownTopicGivesChapterZero) {
    THelpContainer h;
    h.parse("T#7#Sieben#a#7#Zweite Sieben#b#!!2#Kapitel#c");
    struct Case {
        int number;
        const char* title;
    };
    const Case cases[] = {{7, "Sieben"}, {2, "Kapitel"}, {3, "0"}, {0, "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        THelpChapter ch;
        ch.title = "vorher";
        h.themaHolen(c.number, ch);
        EXPECT_EQ(ch.title, c.title);
    }
}

TEST(HelpSearch, CountingIsCaseInsensitiveAndNonOverlapping) {
    struct Case {
        const char* text;
        const char* word;
        int n;
    };
    const Case cases[] = {{"Trumpf trumpf TRUMPF", "trumpf", 3},
                          {"aaaa", "aa", 2},
                          {"aaa", "aa", 1},
                          {"abc", "", 0},
                          {"", "a", 0},
                          {"\xC4rger \xE4rger", "\xE4RGER", 2},
                          {"Bube", "Buben", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(THelpContainer::zaehlen(c.text, c.word), c.n);
    }
}

TEST(HelpSearch, MostHitsFirstTiesInFileOrderHeadingsNeverHit) {
    THelpContainer h;
    h.parse("T#!!1#Bube Bube Bube#Bube#2#Erstes#Bube#3#Zweites#bube BUBE#4#Drittes#Bube#5#Leer#nichts");
    HelpPage page = h.suchen("bube");
    EXPECT_EQ(page.lines, (std::vector<std::string>{"Zweites (2)", "Erstes (1)", "Drittes (1)"}));
    ASSERT_EQ(h.results.count(), 3);
    EXPECT_EQ(h.results.items[0].position, 3);
    EXPECT_EQ(h.results.items[1].position, 2);
    EXPECT_EQ(h.results.items[0].word, "bube");
    EXPECT_EQ(page.title, "Zweites");
    EXPECT_EQ(page.text, "bube BUBE");

    page = h.suchen("Dame");
    EXPECT_TRUE(page.lines.empty());
    EXPECT_EQ(h.results.count(), 0);
    EXPECT_EQ(page.text, "Keine Themen gefunden");
}

// A help text far beyond any real one (a sparse 2 GB file here) is refused by its size before
// anything is read, and the previous game's texts go as with a missing file.
TEST_F(HelpFiles, HugeFileIsRefusedByItsSize) {
    write("riesig", "");
    std::filesystem::resize_file("data/help/riesig.txt", 2147483648u);
    THelpContainer h;
    h.parse(hilfe::joinLines(kRules));
    ASSERT_EQ(h.count, 4);
    EXPECT_FALSE(h.laden("riesig"));
    EXPECT_EQ(h.count, 0);
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0], text::w("THelpContainer.laden: data\\help\\riesig.txt ist zu groß"));
}
