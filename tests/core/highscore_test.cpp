#include "core/highscore.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>

#include "core/envparam.h"
#include "core/spiele.h"
#include "files_tempdir.h"
#include "platform/fileio.h"
#include "platform/msgsink.h"

namespace {

std::unique_ptr<THighscore> zeroBlock() {
    auto hs = std::make_unique<THighscore>();
    std::memset(static_cast<void*>(hs.get()), 0, sizeof(THighscore));
    return hs;
}

std::string bytes(const THighscore& hs) { return std::string(reinterpret_cast<const char*>(&hs), sizeof hs); }

using HighscoreFile = files_test::ProgramFolder;

}  // namespace

TEST(HighscoreEntry, EqualScoreRanksAboveTheOldEntry) {
    auto hs = zeroBlock();
    for (int p = 1; p <= 10; ++p) {
        hs->at(1, 2, p).punkte = 1000 - 100 * p;  // 900, 800, ..., 0
        hs->at(1, 2, p).name = "alt" + std::to_string(p);
        hs->at(1, 2, p).platz = static_cast<uint8_t>(p);
    }
    hs->at(1, 2, 11).name = "elf";
    EXPECT_EQ(highscore::eintragen(*hs, 1, 2, 600, "neu"), 4);
    EXPECT_EQ(hs->at(1, 2, 4).name.str(), "neu");
    EXPECT_EQ(hs->at(1, 2, 4).punkte, 600);
    EXPECT_EQ(hs->at(1, 2, 4).leer, 0);
    EXPECT_EQ(hs->at(1, 2, 5).name.str(), "alt4");
    EXPECT_EQ(hs->at(1, 2, 5).platz, 5);
    EXPECT_EQ(hs->at(1, 2, 10).name.str(), "alt9");  // alt10 is gone
    EXPECT_EQ(hs->at(1, 2, 10).platz, 10);
    EXPECT_EQ(hs->at(1, 2, 11).name.str(), "elf");  // places 11..20 never move
    EXPECT_EQ(highscore::platzText(4), "Sie haben den 4. Platz in der Highscoreliste erreicht.");
}

TEST(HighscoreEntry, WhatIsNeverEntered) {
    struct Case {
        int table;
        int level;
        int32_t score;
        int place;
    };
    const Case cases[] = {{0, 1, 0, 0},   {0, 1, -5, 0}, {0, 1, 1, 1},  {14, 1, 50, 0},
                          {-1, 1, 50, 0}, {0, 0, 50, 0}, {0, 4, 50, 0}, {13, 3, 50, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.table << "/" << c.level << "/" << c.score);
        auto hs = zeroBlock();  // empty places hold score 0: 0 must still not enter
        const std::string before = bytes(*hs);
        EXPECT_EQ(highscore::eintragen(*hs, c.table, c.level, c.score, "X"), c.place);
        EXPECT_EQ(bytes(*hs) == before, c.place == 0);
    }
    // A full list better than the score: place 11 is never given.
    auto hs = zeroBlock();
    for (int p = 1; p <= 10; ++p) hs->at(2, 1, p).punkte = 100;
    EXPECT_EQ(highscore::eintragen(*hs, 2, 1, 99, "X"), 0);
    EXPECT_EQ(highscore::eintragen(*hs, 2, 1, 100, "X"), 1);
}

TEST(HighscoreReset, OneGameLeavesTheRestPokerOnlyOneLevel) {
    auto hs = zeroBlock();
    highscore::eintragen(*hs, 3, 1, 77, "Romme");
    highscore::eintragen(*hs, 8, 1, 11, "P1");
    highscore::eintragen(*hs, 8, 3, 33, "P3");
    highscore::zuruecksetzen(*hs, 8, highscore::pokerStufe(false, true));
    EXPECT_EQ(hs->at(8, 3, 1).name.str(), "Leer");
    EXPECT_EQ(hs->at(8, 3, 1).leer, 1);
    EXPECT_EQ(hs->at(8, 3, 20).platz, 20);
    EXPECT_EQ(hs->at(8, 1, 1).name.str(), "P1");
    EXPECT_EQ(hs->at(3, 1, 1).name.str(), "Romme");

    highscore::zuruecksetzen(*hs, 3, 0);
    EXPECT_EQ(hs->at(3, 1, 1).name.str(), "Leer");
    EXPECT_EQ(hs->at(8, 1, 1).name.str(), "P1");
    highscore::zuruecksetzen(*hs, -1, 0);
    for (int g = 0; g < kHighscoreTabellen; ++g) EXPECT_EQ(hs->at(g, 3, 7).name.str(), "Leer");
    EXPECT_EQ(highscore::pokerStufe(false, false), 1);
    EXPECT_EQ(highscore::pokerStufe(true, false), 2);
    EXPECT_EQ(highscore::resetFrage("Skat"),
              text::w("Soll die Skat Highscoreliste wirklich gelöscht werden?"));
}

TEST(HighscoreNames, FittedNamesEndInAPointWithoutABlankBeforeIt) {
    auto saved = highscore::textBreite;
    highscore::textBreite = [](const std::string& s) {
        return static_cast<double>(s.size());
    };  // 11.5 units a char
    const std::array<std::string, 6> names = {"Ich", "Maximilian Hubertus", "Hans Peter", "Anna", "", "Bo"};
    struct Case {
        int player;
        bool fit;
        bool narrow;
        const char* override;
        bool poker;
        const char* name;
    };
    const Case cases[] = {
        {1, true, false, "", false, "Ich"},
        {2, false, false, "", false, "Maximilian Hubertus"},
        {2, true, false, "", false, "Maximilia."},  // 125 / 11.5: at most 10 characters
        {3, true, true, "", false, "Hans."},        // 70 / 11.5: "Hans ." loses its blank
        {2, true, false, "", true, "Maximilia."},   // Poker: 120
        {7, false, false, "", false, "Spieler 7"},
        {4, false, false, "Dealer", false, "Dealer"},
        {4, true, false, "Ein sehr langer Ersatzname", false, "Ein sehr."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(highscore::spielerName(names, c.player, c.fit, c.narrow, c.override, c.poker), c.name);
    }
    highscore::textBreite = saved;
}

TEST(HighscoreResult, WinnerSearchStartsFromTheFirstSeat) {
    struct Case {
        std::vector<int32_t> v;
        std::vector<int> w;
    };
    const Case cases[] = {{{-50, -20, -300}, {2}}, {{-5, -5}, {1, 2}}, {{0, 3, 3, 1}, {2, 3}}, {{}, {}}};
    for (const auto& c : cases) EXPECT_EQ(highscore::gewinner(c.v), c.w);

    highscore::Ergebnis e;
    e.spielId = 3;  // Rommé compares the totals
    e.namen = {"Ich", "Anna", "Otto"};
    e.konto = {-120, -40, -300};
    e.summe = {0, 0, 0};
    EXPECT_EQ(highscore::spielergebnisText(e),
              text::w("Anna gewinnt das Spiel mit einem Punktestand von -40.\r\rPunktestände: "
                      "\rIch: -120 Punkte\rAnna: -40 Punkte\rOtto: -300 Punkte"));
}

TEST(HighscoreResult, TextsByGame) {
    highscore::Ergebnis jass;
    jass.spielId = 12;
    jass.namen = {"Ich", "B", "C", "D"};
    jass.konto = {0, 0, 0, 0};
    jass.summe = {800, 1000, 800, 990};  // one seat holds the maximum: its team wins
    jass.jassLimit = 1000;
    EXPECT_EQ(highscore::spielergebnisText(jass),
              "B und D haben zuerst 1000 Punkte erreicht und gewinnen die Partie.\r\rGesamtpunkte: "
              "\rIch und C: 800 Punkte\rB und D: 1000 Punkte");

    highscore::Ergebnis other;
    other.spielId = 1;
    other.namen = {"Ich", "B", "C"};
    other.konto = {0, 0, 0};
    other.summe = {30, 30, -60};
    EXPECT_EQ(highscore::spielergebnisText(other),
              "Ich und B gewinnen das Spiel mit einem Gewinn von +30.\r\rGewinn / Verlust: "
              "\rIch: +30 Punkte\rB: +30 Punkte\rC: -60 Punkte");

    highscore::Ergebnis poker;
    poker.spielId = 8;
    poker.namen = {"Ich", "B", "C", "D", "E", "F"};
    poker.konto = {0, 0, 0, 0, 0, 0};
    poker.summe = {50000 + 2000 + 512, 0, 0, 0, 0, 0};
    EXPECT_EQ(highscore::spielergebnisText(poker),
              "Sie erreichen den 2. Platz nach 12 Spielen.\r\rGewerteter Schwierigkeitsgrad: Normal");
    poker.namen.resize(4);
    poker.konto.resize(4);
    poker.summe.resize(4);
    poker.summe[0] = 60000 + 3000 + 499;  // place 1 after one game
    EXPECT_EQ(highscore::spielergebnisText(poker),
              "Sie erreichen den 1. Platz nach 1 Spiel.\r\rSpiele mit weniger als 6 Spielern werden nicht in "
              "die Highscoreliste aufgenommen.");

    highscore::Ergebnis bj;
    bj.spielId = 9;
    bj.namen = {"Ich", "B"};
    bj.konto = {0, 0};
    bj.summe = {0, 0};
    bj.bjPlatz = 1;
    bj.bjGeld = 120;
    bj.bjStartGeld = 100;
    bj.bjMinStufe = 1;
    EXPECT_EQ(
        highscore::spielergebnisText(bj),
        text::w(
            "Sie erreichen 200 Punkte und den 1. Platz mit 120.\r\rGewerteter Schwierigkeitsgrad: Anfänger"));
}

TEST_F(HighscoreFile, FreshInstallWritesTheBlockAndReadsItBack) {
    auto hs = zeroBlock();
    highscore::eintragen(*hs, 5, 1, 42, "Ich");
    msgsink::Capture cap;
    ASSERT_TRUE(highscore::highscoreLaden(*hs));
    EXPECT_EQ(std::filesystem::file_size("data/settings/hs.dat"), 94080u);
    EXPECT_TRUE(cap.texts().empty());
    EXPECT_EQ(hs->at(5, 1, 1).punkte, 42);

    auto other = zeroBlock();
    ASSERT_TRUE(highscore::highscoreLaden(*other));
    EXPECT_EQ(bytes(*other), bytes(*hs));
}

TEST(HighscoreEntry, DispatchByGameId) {
    spiele::Eintrag e;
    e.spielSchritt = [](TCG&) {};
    e.kiTick = [] {};
    e.neuesSpiel = [](bool) {};
    e.spielLaden = [] {};
    e.highscoreText = [](std::string& t) { t = "Platz"; };
    ASSERT_TRUE(spiele::anmelden(9, e));
    auto rec = std::make_unique<TCG>();
    rec->spielId = 9;
    EXPECT_EQ(highscore::highscoreEintragen(*rec), "Platz");
    rec->spielId = 13;  // no such game
    EXPECT_EQ(highscore::highscoreEintragen(*rec), "");
    rec->spielId = 2;  // a game without an entry routine
    EXPECT_EQ(highscore::highscoreEintragen(*rec), "");
    spiele::abmelden(9);
}

TEST_F(HighscoreFile, AnEntryIsWrittenAtOnce) {
    auto hs = zeroBlock();
    EXPECT_EQ(highscore::eintragenText(*hs, 2, 1, 0, "Ich"), "");
    EXPECT_FALSE(std::filesystem::exists("data/settings/hs.dat"));
    EXPECT_EQ(highscore::eintragenText(*hs, 2, 1, 55, "Ich"),
              "Sie haben den 1. Platz in der Highscoreliste erreicht.");
    std::string file;
    ASSERT_TRUE(fileio::readAll("data/settings/hs.dat", file));
    EXPECT_EQ(file, bytes(*hs));
}

TEST_F(HighscoreFile, DamagedFileIsReportedAndMemoryKept) {
    auto hs = zeroBlock();
    highscore::eintragen(*hs, 0, 1, 9, "Ich");
    const std::string before = bytes(*hs);
    struct Case {
        size_t size;
    };
    const Case cases[] = {{0}, {100}, {94079}, {94081}, {200000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        const std::string junk(c.size, '\x5A');
        ASSERT_TRUE(fileio::writeAll("data/settings/hs.dat", junk));
        msgsink::Capture cap;
        EXPECT_FALSE(highscore::highscoreLaden(*hs));
        EXPECT_EQ(bytes(*hs), before);
        ASSERT_EQ(cap.texts().size(), 1u);
        EXPECT_EQ(cap.texts()[0].rfind("Fehler", 0), 0u);
        std::string still;
        ASSERT_TRUE(fileio::readAll("data/settings/hs.dat", still));
        EXPECT_EQ(still, junk);  // the damaged file is left for the player to look at
    }
}

TEST_F(HighscoreFile, HugeFileIsRefusedByItsSizeAndStaleTemporariesGo) {
    auto hs = zeroBlock();
    const std::string before = bytes(*hs);
    ASSERT_TRUE(fileio::writeAll("data/settings/hs.dat", std::string("x")));
    std::filesystem::resize_file("data/settings/hs.dat", 2147483648u);  // sparse: costs no disk
    // Left by a writer that is gone: a child that has exited and been reaped.
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    const std::string stale = "data/settings/hs.dat.tmp" + std::to_string(child);
    ASSERT_TRUE(fileio::writeAll(stale, std::string("half")));
    msgsink::Capture cap;
    EXPECT_FALSE(highscore::highscoreLaden(*hs));
    ASSERT_EQ(cap.texts().size(), 1u);
    EXPECT_NE(cap.texts()[0].find("hat 2147483648 statt 94080 Bytes"), std::string::npos);
    EXPECT_EQ(bytes(*hs), before);
    EXPECT_FALSE(std::filesystem::exists(stale));
}

TEST_F(HighscoreFile, UnwritableFileIsReported) {
    // A folder where the file should be: neither writing nor reading can succeed.
    std::filesystem::create_directories("data/settings/hs.dat/x");
    auto hs = zeroBlock();
    highscore::eintragen(*hs, 0, 1, 9, "Ich");
    const std::string before = bytes(*hs);
    msgsink::Capture cap;
    EXPECT_FALSE(highscore::highscoreSpeichern(*hs));
    EXPECT_FALSE(highscore::highscoreLaden(*hs));
    EXPECT_EQ(bytes(*hs), before);
    ASSERT_EQ(cap.texts().size(), 2u);
    EXPECT_EQ(cap.texts()[0].rfind("Fehler", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_directory("data/settings/hs.dat/x"));
}

TEST(HighscoreRecord, ResultBoxAndResetOnTheRecord) {
    auto rec = std::make_unique<TCG>();
    for (int s = 1; s <= 6; ++s) envParam.namen[s] = "S" + std::to_string(s);
    rec->spielId = 4;  // Canasta: every total below -1 still has a winner
    rec->ablauf.anzSpieler = 2;
    rec->spielliste.konto[1] = -700;
    rec->spielliste.konto[2] = -90;
    {
        msgsink::Capture cap;
        highscore::spielergebnis(*rec);
        ASSERT_EQ(cap.texts().size(), 1u);
        EXPECT_EQ(cap.texts()[0].rfind("S2 gewinnt das Spiel mit einem Punktestand von -90.", 0), 0u);
    }
    envParam = TEnvParam{};

    rec->spielId = 8;
    rec->poker.potLimit = 1;
    for (int l = 1; l <= 3; ++l) highscore::eintragen(rec->highscore, 8, l, 10, "P");
    highscore::eintragen(rec->highscore, 1, 2, 10, "Skat");
    highscore::highscoreReset(*rec, true);
    EXPECT_EQ(rec->highscore.at(8, 2, 1).name.str(), "Leer");
    EXPECT_EQ(rec->highscore.at(8, 1, 1).name.str(), "P");
    EXPECT_EQ(rec->highscore.at(8, 3, 1).name.str(), "P");
    EXPECT_EQ(rec->highscore.at(1, 2, 1).name.str(), "Skat");
    highscore::highscoreReset(*rec, false);
    EXPECT_EQ(rec->highscore.at(1, 2, 1).name.str(), "Leer");
    EXPECT_EQ(rec->highscore.at(13, 3, 20).leer, 1);
}
