// Damaged files fed to every reader of stored data, a fixed number of seeded mutations each:
// nothing may crash (the sanitizer build watches), and a refused file changes nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>

#include "core/highscore.h"
#include "core/hilfe.h"
#include "core/spielliste.h"
#include "core/spielstand.h"
#include "files_tempdir.h"
#include "platform/fileio.h"
#include "platform/msgsink.h"
#include "platform/rnd.h"
#include "platform/ticks.h"

namespace {

constexpr int kRuns = 300;

// One mutation: flip bytes, write boundary values, cut, extend, or splice in help marks.
std::string mutate(std::string s, const std::vector<size_t>& hotSpots) {
    const int kind = rnd::random(7);
    const int n = 1 + rnd::random(8);
    auto pos = [&] {
        return s.empty() ? 0 : static_cast<size_t>(rnd::random(static_cast<int32_t>(s.size())));
    };
    switch (kind) {
        case 0:
            for (int i = 0; i < n && !s.empty(); ++i) s[pos()] ^= static_cast<char>(1 + rnd::random(255));
            break;
        case 1: {  // a field the readers check gets an extreme value
            if (hotSpots.empty()) break;
            const size_t at = hotSpots[rnd::random(static_cast<int32_t>(hotSpots.size()))];
            static const int32_t extremes[] = {0,   -1,  1,   6,   7,   13,        125,
                                               126, 166, 167, 200, 201, INT32_MAX, INT32_MIN};
            const int32_t v = extremes[rnd::random(static_cast<int32_t>(std::size(extremes)))];
            if (at + 4 <= s.size()) std::memcpy(s.data() + at, &v, 4);
            break;
        }
        case 2:
            s.resize(pos());
            break;
        case 3:
            s.append(static_cast<size_t>(1 + rnd::random(300)), static_cast<char>(rnd::random(256)));
            break;
        case 4:
            for (int i = 0; i < n; ++i) s.insert(pos(), 1, "#!0123456789\r\n x"[rnd::random(16)]);
            break;
        case 5:
            if (!s.empty()) s.erase(pos(), static_cast<size_t>(1 + rnd::random(40)));
            break;
        default:
            for (int i = 0; i < n && !s.empty(); ++i) s[pos()] = static_cast<char>(rnd::random(256));
            break;
    }
    return s;
}

// Test input goes straight to disk (no temporary file and sync: only the readers are tested).
void put(const std::string& path, const std::string& data) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << data;
}

std::string raw(const void* p, size_t n) { return std::string(static_cast<const char*>(p), n); }

using FilesFuzz = files_test::ProgramFolder;

}  // namespace

TEST_F(FilesFuzz, DamagedHighScoreFiles) {
    rnd::seed(20261210);
    auto original = std::make_unique<THighscore>();
    std::memset(static_cast<void*>(original.get()), 0, sizeof(THighscore));
    highscore::zuruecksetzen(*original, -1, 0);
    for (int g = 0; g < 13; ++g) highscore::eintragen(*original, g, 1 + g % 3, 100 + g, "Spieler");
    const std::string good = raw(original.get(), sizeof(THighscore));
    const std::vector<size_t> spots = {4, 8, 112 + 8, 94080 - 112 + 8};
    msgsink::Capture cap;
    for (int run = 0; run < kRuns; ++run) {
        const std::string file = mutate(good, spots);
        put("data/settings/hs.dat", file);
        auto hs = std::make_unique<THighscore>();
        std::memcpy(static_cast<void*>(hs.get()), good.data(), good.size());
        const bool ok = highscore::highscoreLaden(*hs);
        ASSERT_EQ(ok, file.size() == sizeof(THighscore)) << run;
        ASSERT_EQ(raw(hs.get(), sizeof(THighscore)), ok ? file : good) << run;
        // Whatever came in can be shown and entered into.
        for (int p = 1; p <= kHighscorePlaetze; ++p) (void)hs->at(3, 2, p).name.str();
        highscore::eintragen(*hs, 3, 2, 1 + rnd::random(1000), "Neu");
    }
}

TEST_F(FilesFuzz, DamagedSavedGames) {
    rnd::seed(777);
    ticks::Manual clock(5000);
    auto panel = std::make_unique<pvl::TPVLDialog>();
    std::memset(static_cast<void*>(panel.get()), 0, sizeof(pvl::TPVLDialog));
    panel->ElementCount = 20;
    spielstand::anbindung = {};
    spielstand::anbindung.ipanel = [&] { return panel.get(); };

    auto base = std::make_unique<TCG>();
    base->spielId = 4;
    base->ablauf.anzSpieler = 4;
    base->spielliste.runden = 3;
    for (int h = 1; h <= 20; ++h) base->stapelListen[h].anz = h * 5;
    ASSERT_TRUE(spielstand::spielSpeichern(*base, "save", "Basis", true));
    std::string spiel, dialog;
    ASSERT_TRUE(fileio::readAll("save/Basis.can", spiel));
    ASSERT_TRUE(fileio::readAll("save/Basis._can", dialog));

    std::vector<size_t> spots = {offsetof(TCG, spielId) - 4, offsetof(TCG, ablauf) + 4 - 4,
                                 offsetof(TCG, spielliste) - 4, offsetof(TCG, phase) - 4};
    for (int h = 1; h <= 20; ++h)
        spots.push_back(offsetof(TCG, stapelListen) + sizeof(TStapelListe) * h + offsetof(TStapelListe, anz) -
                        4);
    const std::vector<size_t> dialogSpots = {offsetof(pvl::TPVLDialog, ElementCount),
                                             offsetof(pvl::TPVLDialog, Elements)};

    // One record reused for every run: the same noise before each load, kept once for comparing.
    auto target = std::make_unique<TCG>();
    std::memset(static_cast<void*>(target.get()), 0x11, sizeof(TCG));
    target->spielId = 0;
    const std::string before = raw(target.get(), sizeof(TCG));
    const std::string panelBefore = raw(panel.get(), sizeof(pvl::TPVLDialog));
    msgsink::Capture cap;
    for (int run = 0; run < kRuns; ++run) {
        const bool damageDialog = rnd::random(3) == 0;
        const std::string s = damageDialog ? spiel : mutate(spiel, spots);
        const std::string d = damageDialog ? mutate(dialog, dialogSpots) : dialog;
        put("save/F.can", s);
        put("save/F._can", d);
        const bool ok = spielstand::spielLaden(*target, "save", "F", "can");
        // Only a Canasta record may come from a .can file.
        auto gelesen = std::make_unique<TCG>();
        gelesen->spielId = static_cast<uint8_t>(s[0]);
        ASSERT_EQ(ok, spielstand::spielPruefen(s).empty() && spielstand::dialogPruefen(d).empty() &&
                          spielstand::codePasst(*gelesen, "can"))
            << run;
        if (!ok) {
            ASSERT_EQ(std::memcmp(target.get(), before.data(), before.size()), 0) << run;
            ASSERT_EQ(std::memcmp(panel.get(), panelBefore.data(), panelBefore.size()), 0) << run;
            continue;
        }
        ASSERT_EQ(
            std::memcmp(&target->highscore, before.data() + offsetof(TCG, highscore), sizeof(THighscore)), 0);
        // An accepted record can be shown: the result table reads every round and text.
        std::vector<std::string> names(static_cast<size_t>(target->ablauf.anzSpieler), "X");
        auto rows = spielliste::punkteZeilen(target->spielliste, target->spielId, names);
        ASSERT_GE(rows.size(), 2u);
        TGameResult r;
        spielliste::eintragen(target->spielliste, r, target->spielId, target->ablauf.anzSpieler);
        std::memcpy(static_cast<void*>(target.get()), before.data(), before.size());
        std::memcpy(static_cast<void*>(panel.get()), panelBefore.data(), panelBefore.size());
    }
    spielstand::anbindung = {};
}

TEST(FilesFuzzHelp, DamagedHelpTexts) {
    rnd::seed(4711);
    std::string good = "Skat Regeln\r\n";
    for (int i = 1; i <= 30; ++i)
        good += "#" + std::string(static_cast<size_t>(i % 3), '!') + std::to_string(i) + "#Thema " +
                std::to_string(i) + "#Text mit Trumpf und Bube " + std::to_string(i) + "\r\n";
    auto savedLog = hilfe::log;
    hilfe::log = [](const std::string&) {};
    for (int run = 0; run < kRuns; ++run) {
        std::string text = good;
        const int rounds = 1 + rnd::random(4);
        for (int i = 0; i < rounds; ++i) text = mutate(text, {});
        if (rnd::random(10) == 0)  // now and then far too many topics
            for (int i = 0; i < 120; ++i) text += "#" + std::to_string(i) + "#t#x";
        THelpContainer h;
        h.parse(hilfe::joinLines(text));
        ASSERT_GE(h.count, 0);
        ASSERT_LE(h.count, THelpContainer::kMaxTopics);
        ASSERT_EQ(h.topics.count(), h.count);
        (void)h.inhaltZeigen();
        HelpPage page = h.suchen(rnd::random(2) ? "trumpf" : "#");
        ASSERT_EQ(page.lines.size(), static_cast<size_t>(h.results.count()));
        THelpChapter c;
        h.themaHolen(rnd::random(40), c);
    }
    hilfe::log = savedLog;
}
