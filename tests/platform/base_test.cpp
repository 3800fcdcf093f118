#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/fileio.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "platform/ticks.h"

namespace fs = std::filesystem;

TEST(Text, Windows1252RoundTripsThroughUtf8) {
    std::string w = text::w("Grün Ä ö ß € é");
    EXPECT_EQ(w, std::string("Gr\xFCn \xC4 \xF6 \xDF \x80 \xE9"));
    EXPECT_EQ(text::toUtf8(w), "Grün Ä ö ß € é");
    // Characters Windows-1252 cannot hold, and broken UTF-8, become '?'.
    EXPECT_EQ(text::fromUtf8("a\xE2\x86\x92z"), "a?z");
    EXPECT_EQ(text::fromUtf8("a\xC3"), "a?");
}

TEST(Text, CaseFoldsUmlauts) {
    EXPECT_EQ(text::lower(text::w("ÄÖÜ Kreuz")), text::w("äöü kreuz"));
    EXPECT_EQ(text::upper(text::w("äöü ß")), text::w("ÄÖÜ ß"));
}

TEST(Text, ToIntReportsInsteadOfThrowing) {
    struct Case {
        const char* s;
        bool ok;
        int64_t v;
    };
    const Case cases[] = {{"12", true, 12},
                          {" -7 ", true, -7},
                          {"+3", true, 3},
                          {"", false, 0},
                          {"1a", false, 0},
                          {"-", false, 0},
                          {"99999999999999999999", false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.s);
        int64_t v = 0;
        EXPECT_EQ(text::toInt(c.s, v), c.ok);
        if (c.ok) {
            EXPECT_EQ(v, c.v);
        }
    }
}

TEST(ShortString, CutsAtCapacityAndNeverReadsPast) {
    ShortString<4> s("Bummerl");
    EXPECT_EQ(s.str(), "Bumm");
    static_assert(sizeof(ShortString<4>) == 5);
    s.len = 200;  // as a damaged file may hold
    EXPECT_EQ(s.size(), 4);
}

TEST(Num, RoundsHalfToEven) {
    struct Case {
        double x;
        int64_t r;
    };
    const Case cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {2.6, 3}, {-0.4, 0},
                          // just below a half, and halves and whole numbers around 2^51 and 2^52
                          {0.49999999999999994, 0}, {-0.5, 0}, {-1.5, -2}, {1e15 + 0.5, 1000000000000000},
                          {2251799813685247.5, 2251799813685248}, {-2251799813685246.5, -2251799813685246},
                          {2251799813685249.0, 2251799813685249}, {-4503599627370497.0, -4503599627370497}};
    for (const auto& c : cases) EXPECT_EQ(num::round(c.x), c.r) << c.x;
}

TEST(Rnd, SeedReplaysAndStaysInRange) {
    rnd::seed(42);
    std::vector<int> a;
    for (int i = 0; i < 100; ++i) a.push_back(rnd::random(7));
    rnd::seed(42);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(rnd::random(7), a[i]);
    for (int i = 0; i < 1000; ++i) {
        double u = rnd::uniform();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
    }
    EXPECT_EQ(rnd::random(0), 0);
    EXPECT_EQ(rnd::random(-3), 0);
}

TEST(Ticks, ManualClockAndWrapSafeElapsed) {
    ticks::Manual clock(0xFFFFFF00u);
    uint32_t t0 = ticks::now();
    clock.advance(0x200);
    EXPECT_EQ(ticks::since(t0), 0x200u);
}

TEST(MsgSink, CaptureRecordsTexts) {
    msgsink::Capture cap;
    msgsink::show("ACHTUNG! test");
    msgsink::error("Fehler in x");
    EXPECT_EQ(cap.texts().size(), 2u);
    EXPECT_TRUE(cap.contains("ACHTUNG!"));
}

TEST(FileIo, WritesWholeOrLeavesTheOldFile) {
    auto dir = fs::temp_directory_path() / ("ks_fileio_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    auto f = dir / "sub" / "a.dat";
    ASSERT_TRUE(fileio::writeAll(f, std::string("old")));
    std::string s;
    ASSERT_TRUE(fileio::readAll(f, s));
    EXPECT_EQ(s, "old");
    // A pair whose second target cannot be written (its folder is a file) leaves the first intact.
    std::string ignored;
    ASSERT_TRUE(fileio::writeAll(dir / "plain", std::string("x")));
    EXPECT_FALSE(fileio::writeAllTogether({{f, "new"}, {dir / "plain" / "b.dat", "new"}}));
    ASSERT_TRUE(fileio::readAll(f, s));
    EXPECT_EQ(s, "old");
    EXPECT_FALSE(fileio::readAll(dir / "missing", ignored));
    EXPECT_EQ(fileio::local("data\\help\\skat.txt"), fs::path("data/help/skat.txt"));
    fs::remove_all(dir);
}

namespace {
ino_t inode(const fs::path& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 ? st.st_ino : 0;
}
}  // namespace

// A file that already holds the bytes is left alone (same inode: no temporary renamed over it);
// other bytes, a shorter text included, replace it. A log grows line by line.
TEST(FileIo, SameBytesAreNotWrittenAgainAndLogsGrow) {
    auto dir = fs::temp_directory_path() / ("ks_fileio_same_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    const auto f = dir / "a.dco";
    ASSERT_TRUE(fileio::writeIfChanged(f, "abc"));
    const ino_t erst = inode(f);
    ASSERT_NE(erst, 0u);
    ASSERT_TRUE(fileio::writeIfChanged(f, "abc"));
    EXPECT_EQ(inode(f), erst);
    std::string s;
    for (const char* neu : {"abd", "ab", ""}) {
        const ino_t vorher = inode(f);
        ASSERT_TRUE(fileio::writeIfChanged(f, neu));
        EXPECT_NE(inode(f), vorher) << neu;
        ASSERT_TRUE(fileio::readAll(f, s));
        EXPECT_EQ(s, neu);
    }
    const auto log = dir / "neu" / "proto2.txt";
    ASSERT_TRUE(fileio::append(log, "eins\r\n"));
    ASSERT_TRUE(fileio::append(log, "zwei\r\n"));
    ASSERT_TRUE(fileio::readAll(log, s));
    EXPECT_EQ(s, "eins\r\nzwei\r\n");
    EXPECT_FALSE(fileio::append(f / "x", "y"));  // a file stands where the folder should be
    fs::remove_all(dir);
}

namespace {
std::string content(const fs::path& p) {
    std::string s;
    return fileio::readAll(p, s) ? s : "<missing>";
}
}  // namespace

// A writer stopped before each rename (its journal already written), as a kill between the steps
// leaves it: recovery yields the new pair whole. A writer stopped before its journal leaves the
// old pair, as WritesWholeOrLeavesTheOldFile shows.
TEST(FileIo, PairStoppedBetweenRenamesIsFinishedByRecovery) {
    const auto dir = fs::temp_directory_path() / ("ks_pair_" + std::to_string(::getpid()));
    for (size_t stopAt = 0; stopAt <= 2; ++stopAt) {
        SCOPED_TRACE(stopAt);
        fs::remove_all(dir);
        ASSERT_TRUE(fileio::writeAllTogether({{dir / "a._ska", "old dialog"}, {dir / "a.ska", "old game"}}));
        static size_t stop;
        stop = stopAt;
        fileio::beforeRename = [](size_t done) { return done < stop; };
        const bool done =
            fileio::writeAllTogether({{dir / "a._ska", "new dialog"}, {dir / "a.ska", "new game"}});
        fileio::beforeRename = nullptr;
        EXPECT_EQ(done, stopAt == 2);
        if (stopAt < 2) {
            EXPECT_TRUE(fs::exists(dir / "a._ska.journal"));
        }
        if (stopAt == 1) {
            // The mix a reader took before: new dialog file, old game file.
            EXPECT_EQ(content(dir / "a._ska"), "new dialog");
            EXPECT_EQ(content(dir / "a.ska"), "old game");
        }
        fileio::recover(dir);
        EXPECT_EQ(content(dir / "a._ska"), "new dialog");
        EXPECT_EQ(content(dir / "a.ska"), "new game");
        EXPECT_FALSE(fs::exists(dir / "a._ska.journal"));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
    }
    fs::remove_all(dir);
}

TEST(FileIo, RecoveryRemovesTemporariesOfWritersThatAreGone) {
    const auto dir = fs::temp_directory_path() / ("ks_stale_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    // A process id that surely runs no more: a child that has exited and been reaped.
    const pid_t child = fork();
    if (child == 0) _exit(0);
    ASSERT_GT(child, 0);
    int status = 0;
    waitpid(child, &status, 0);
    const std::string gone = std::to_string(child), mine = std::to_string(::getpid());
    for (const char* name : {"hs.dat", "x.ska", "x._ska"}) {
        std::ofstream(dir / (std::string(name) + ".tmp" + gone)) << "half";
        std::ofstream(dir / (std::string(name) + ".tmp" + mine)) << "being written";
    }
    std::ofstream(dir / "hs.dat") << "kept";
    std::ofstream(dir / "notes.tmpx") << "not ours";
    fileio::recover(dir);
    for (const char* name : {"hs.dat", "x.ska", "x._ska"}) {
        EXPECT_FALSE(fs::exists(dir / (std::string(name) + ".tmp" + gone))) << name;
        EXPECT_TRUE(fs::exists(dir / (std::string(name) + ".tmp" + mine))) << name;
    }
    EXPECT_EQ(content(dir / "hs.dat"), "kept");
    EXPECT_TRUE(fs::exists(dir / "notes.tmpx"));
    fs::remove_all(dir);
}
