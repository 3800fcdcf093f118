#include "core/spielstand.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "files_tempdir.h"
#include "platform/fileio.h"
#include "platform/msgsink.h"
#include "platform/ticks.h"

namespace {

namespace fs = std::filesystem;
using spielstand::anbindung;

void fill(void* p, size_t n, uint32_t seed) {
    auto* b = static_cast<uint8_t*>(p);
    for (size_t i = 0; i < n; ++i) {
        seed = seed * 1664525u + 1013904223u;
        b[i] = static_cast<uint8_t>(seed >> 24);
    }
}

// A central record full of noise whose checked fields hold sound values.
std::unique_ptr<TCG> noisyRecord(uint32_t seed, uint8_t spielId) {
    auto rec = std::make_unique<TCG>();
    fill(rec.get(), sizeof(TCG), seed);
    rec->spielId = spielId;
    rec->ablauf.anzSpieler = 3;
    for (int h = 1; h <= 20; ++h) rec->stapelListen[h].anz = h;
    rec->spielliste.runden = 5;
    rec->phase.nr = 4;
    rec->schrittZeit.tick = 10000;
    rec->schrittZeit.seit = 25;
    return rec;
}

std::unique_ptr<pvl::TPVLDialog> noisyDialog(uint32_t seed) {
    auto d = std::make_unique<pvl::TPVLDialog>();
    fill(d.get(), sizeof(pvl::TPVLDialog), seed);
    d->ElementCount = 12;
    for (int i = 1; i <= pvl::MaxElements; ++i) {
        pvl::TPVLElement& e = d->el(i);
        e.Kind = static_cast<uint8_t>(i % 20);
        std::memset(e.PaintCall, 0, sizeof e.PaintCall);
        // Sizes, factors and counts as a live dialog has them; the rest stays noise.
        e.Width = 100 + i;
        e.Height = 20 + i;
        e.ElemOrigX = i;
        e.ElemOrigWidth = 100 + i;
        e.Scale = 1.0f;
        e.Angle = 0.0f;
        e.AnimSpeed = 0.5f;
        e.Fade.Alpha = 1.0f;
        e.ChildCount = static_cast<int8_t>(i % 4);
    }
    for (float& c : d->Colors) c = 0.5f;
    d->Fade.Alpha = 1.0f;
    d->OrigX = 10;
    d->OrigWidth = 400;
    return d;
}

std::string image(const TCG& rec) {
    return std::string(reinterpret_cast<const char*>(&rec) + 4, spielstand::kBildGroesse);
}
std::string hsBytes(const TCG& rec) {
    return std::string(reinterpret_cast<const char*>(&rec.highscore), sizeof rec.highscore);
}
std::string bytesOf(const pvl::TPVLDialog& d) {
    return std::string(reinterpret_cast<const char*>(&d), sizeof d);
}

std::string readBack(const fs::path& p) {
    std::string s;
    EXPECT_TRUE(fileio::readAll(p, s));
    return s;
}

class SavedGames : public files_test::ProgramFolder {
protected:
    void SetUp() override {
        files_test::ProgramFolder::SetUp();
        panel = noisyDialog(7);
        anbindung = {};
        anbindung.ipanel = [this] { return panel.get(); };
    }
    void TearDown() override {
        anbindung = {};
        files_test::ProgramFolder::TearDown();
    }
    std::unique_ptr<pvl::TPVLDialog> panel;
};

}  // namespace

TEST_F(SavedGames, RoundTripGivesTheSameImageAndLeavesTheHighScores) {
    auto saved = noisyRecord(1, 1);
    ticks::Manual clock(saved->schrittZeit.tick + 25);  // the same moment: no tick moves
    ChipSaveRecord chipsOut;
    fill(&chipsOut, sizeof chipsOut, 3);
    anbindung.chipsSichern = [&](ChipSaveRecord& r) { r = chipsOut; };
    anbindung.tischModus = [] { return uint8_t{2}; };
    const std::string panelSaved = bytesOf(*panel);

    msgsink::Capture cap;
    ASSERT_TRUE(spielstand::spielSpeichern(*saved, "save", "Runde 1", true));
    EXPECT_EQ(fs::file_size("save/Runde 1.ska"), 194028u);
    EXPECT_EQ(fs::file_size("save/Runde 1._ska"), 36184u);
    EXPECT_EQ(saved->ablauf.tischModus, 2);

    auto loaded = noisyRecord(99, 4);
    const std::string hs = hsBytes(*loaded);
    panel = noisyDialog(8);
    const int32_t liveSlot = panel->el(3).FirstSlot;
    ChipSaveRecord chipsIn{};
    uint8_t modus = 0;
    anbindung.chipsLaden = [&](const ChipSaveRecord& r) { chipsIn = r; };
    anbindung.setzeTischModus = [&](uint8_t m) { modus = m; };
    ASSERT_TRUE(spielstand::spielLaden(*loaded, "save", "Runde 1", "ska"));
    EXPECT_TRUE(cap.texts().empty());
    EXPECT_EQ(image(*loaded), image(*saved));
    EXPECT_EQ(hsBytes(*loaded), hs);
    EXPECT_EQ(std::memcmp(&chipsIn, &chipsOut, sizeof chipsIn), 0);
    EXPECT_EQ(modus, 2);
    EXPECT_EQ(panel->el(3).FirstSlot, liveSlot);  // this run's string slots stay
    EXPECT_EQ(panel->ElementCount, 12);
    EXPECT_EQ(panel->el(5).X, reinterpret_cast<const pvl::TPVLDialog*>(panelSaved.data())->el(5).X);
}

TEST_F(SavedGames, SkatSaveLoadedDuringAnotherGameRestoresTheSkatHands) {
    // Stand-in for the Skat unit's own variables and its mirror routines.
    static hand skatHands[5];
    static uint8_t skatFlag;
    anbindung.spiegelSichern = [](int id, TCG& g) {
        if (id != 1) return;
        for (int i = 0; i < 5; ++i) g.skat.spiegel1[i] = skatHands[i];
        g.skat.spiegelFlag = skatFlag;
    };
    anbindung.spiegelLaden = [](int id, const TCG& g) {
        if (id != 1) return;
        for (int i = 0; i < 5; ++i) skatHands[i] = g.skat.spiegel1[i];
        skatFlag = g.skat.spiegelFlag;
    };
    ticks::Manual clock(0);
    auto rec = noisyRecord(5, 1);
    fill(skatHands, sizeof skatHands, 11);
    skatFlag = 1;
    const std::string handsSaved(reinterpret_cast<const char*>(skatHands), sizeof skatHands);
    ASSERT_TRUE(spielstand::spielSpeichern(*rec, "save", "Skat", true));

    // Now Mau Mau runs and the Skat unit's variables hold something else.
    auto running = noisyRecord(6, 0);
    fill(skatHands, sizeof skatHands, 12);
    skatFlag = 0;
    ASSERT_TRUE(spielstand::spielLaden(*running, "save", "Skat", "ska"));
    EXPECT_EQ(running->spielId, 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(skatHands), sizeof skatHands), handsSaved);
    EXPECT_EQ(skatFlag, 1);
}

TEST_F(SavedGames, DamagedPairsAreRefusedAndNothingChanges) {
    ticks::Manual clock(0);
    auto good = noisyRecord(1, 1);
    ASSERT_TRUE(spielstand::spielSpeichern(*good, "save", "Gut", true));
    const std::string spiel = readBack("save/Gut.ska");
    const std::string dialog = readBack("save/Gut._ska");

    auto at = [](std::string s, size_t cgOffset, const void* v, size_t n) {
        std::memcpy(s.data() + cgOffset - 4, v, n);
        return s;
    };
    auto dlgAt = [](std::string s, size_t off, const void* v, size_t n) {
        std::memcpy(s.data() + off, v, n);
        return s;
    };
    const uint8_t id10 = 10, id13 = 13;
    const int32_t zero = 0, seven = 7, minus1 = -1, n167 = 167;
    const int16_t c126 = 126, cMinus = -1;
    const uint8_t kind20 = 20;
    const size_t list20 =
        offsetof(TCG, stapelListen) + 20 * sizeof(TStapelListe) + offsetof(TStapelListe, anz);
    const size_t list1 = offsetof(TCG, stapelListen) + sizeof(TStapelListe) + offsetof(TStapelListe, anz);
    const size_t spieler = offsetof(TCG, ablauf) + offsetof(TAblauf, anzSpieler);
    const size_t count = offsetof(pvl::TPVLDialog, ElementCount);
    const size_t kind12 = offsetof(pvl::TPVLDialog, Elements) + 11 * sizeof(pvl::TPVLElement);

    struct Case {
        const char* what;
        std::string spiel;
        std::string dialog;
        bool writeDialog;
    };
    const Case cases[] = {
        {"short game file", spiel.substr(0, 194027), dialog, true},
        {"long game file", spiel + "x", dialog, true},
        {"empty game file", "", dialog, true},
        {"game id 10", at(spiel, offsetof(TCG, spielId), &id10, 1), dialog, true},
        {"game id 13", at(spiel, offsetof(TCG, spielId), &id13, 1), dialog, true},
        {"no seats", at(spiel, spieler, &zero, 4), dialog, true},
        {"seven seats", at(spiel, spieler, &seven, 4), dialog, true},
        {"list of 167", at(spiel, list20, &n167, 4), dialog, true},
        {"negative list", at(spiel, list1, &minus1, 4), dialog, true},
        {"negative rounds", at(spiel, offsetof(TCG, spielliste), &minus1, 4), dialog, true},
        {"short dialog", spiel, dialog.substr(1), true},
        {"126 elements", spiel, dlgAt(dialog, count, &c126, 2), true},
        {"negative element count", spiel, dlgAt(dialog, count, &cMinus, 2), true},
        {"unknown element kind", spiel, dlgAt(dialog, kind12, &kind20, 1), true},
        {"no dialog file", spiel, dialog, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all("save");
        ASSERT_TRUE(fileio::writeAll("save/Kaputt.ska", c.spiel));
        if (c.writeDialog) {
            ASSERT_TRUE(fileio::writeAll("save/Kaputt._ska", c.dialog));
        }
        auto rec = noisyRecord(42, 0);
        const std::string before = std::string(reinterpret_cast<const char*>(rec.get()), sizeof(TCG));
        const std::string panelBefore = bytesOf(*panel);
        bool touched = false;
        anbindung.stapelEntpacken = [&](const TCG&) { touched = true; };
        anbindung.chipsLaden = [&](const ChipSaveRecord&) { touched = true; };
        msgsink::Capture cap;
        EXPECT_FALSE(spielstand::spielLaden(*rec, "save", "Kaputt", "ska"));
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(rec.get()), sizeof(TCG)), before);
        EXPECT_EQ(bytesOf(*panel), panelBefore);
        EXPECT_FALSE(touched);
        ASSERT_EQ(cap.texts().size(), 1u);
        EXPECT_EQ(cap.texts()[0].rfind("Fehler", 0), 0u);
    }
    fs::remove_all("save");
    EXPECT_FALSE(spielstand::spielLaden(*good, "save", "Gut", "ska"));  // no game file at all
}

TEST_F(SavedGames, OnlySafeNamesReachAPath) {
    struct Case {
        std::string name;
        bool ok;
    };
    const Case cases[] = {{"Spiel 1", true},
                          {"autosave3", true},
                          {"\xDC"
                           "bung (2)",
                           true},
                          {"a-b_c", true},
                          {"", false},
                          {"..", false},
                          {"../etc", false},
                          {"a/b", false},
                          {"a\\b", false},
                          {"x.y", false},
                          {" vorne", false},
                          {std::string(41, 'a'), false},
                          {std::string(40, 'a'), true},
                          {"a:b", false},
                          {"a\nb", false},
                          {std::string("a\0b", 3), false},
                          {"\xD7", false}};
    ticks::Manual clock(0);
    auto rec = noisyRecord(1, 2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(spielstand::nameGueltig(c.name), c.ok);
        if (c.ok) continue;
        msgsink::Capture cap;
        EXPECT_FALSE(spielstand::spielSpeichern(*rec, "save", c.name, true));
        EXPECT_FALSE(spielstand::spielLaden(*rec, "save", c.name, "swi"));
        EXPECT_EQ(cap.texts().size(), 2u);
    }
    EXPECT_FALSE(fs::exists("save"));
    EXPECT_FALSE(fs::exists("etc"));
}

TEST_F(SavedGames, FailedSaveLeavesTheOldPair) {
    ticks::Manual clock(0);
    auto rec = noisyRecord(1, 3);
    ASSERT_TRUE(spielstand::spielSpeichern(*rec, "save", "Alt", true));
    const std::string oldSpiel = readBack("save/Alt.rom");
    const std::string oldDialog = readBack("save/Alt._rom");

    // The game file's temporary file cannot be created: neither file may change.
    fs::create_directories("save/Alt.rom.tmp" + std::to_string(getpid()));
    auto other = noisyRecord(2, 3);
    panel = noisyDialog(9);
    msgsink::Capture cap;
    EXPECT_FALSE(spielstand::spielSpeichern(*other, "save", "Alt", true));
    EXPECT_TRUE(cap.contains("Fehler"));
    EXPECT_EQ(readBack("save/Alt.rom"), oldSpiel);
    EXPECT_EQ(readBack("save/Alt._rom"), oldDialog);
}

TEST_F(SavedGames, OverwritingAsksUnlessSilent) {
    ticks::Manual clock(0);
    auto rec = noisyRecord(1, 12);
    std::vector<std::string> asked, told;
    int answer = 7;
    anbindung.frage = [&](const std::string& t, const std::string& c) {
        asked.push_back(c + "|" + t);
        return answer;
    };
    anbindung.info = [&](const std::string& t, const std::string& c) { told.push_back(c + "|" + t); };
    ASSERT_TRUE(spielstand::spielSpeichern(*rec, "save", "Jass", false));
    EXPECT_TRUE(asked.empty());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], "Speichern|Spielstand \"Jass\" wurde gespeichert.");
    const std::string first = readBack("save/Jass.jas");

    auto other = noisyRecord(2, 12);
    EXPECT_FALSE(spielstand::spielSpeichern(*other, "save", "Jass", false));  // answered no
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0],
              text::w("Spielstand existiert schon|Soll der Spielstand \"Jass\" überschrieben werden?"));
    EXPECT_EQ(readBack("save/Jass.jas"), first);
    answer = 6;
    EXPECT_TRUE(spielstand::spielSpeichern(*other, "save", "Jass", false));
    EXPECT_NE(readBack("save/Jass.jas"), first);
    EXPECT_TRUE(spielstand::spielSpeichern(*rec, "save", "Jass", true));  // silent: no question
    EXPECT_EQ(asked.size(), 2u);
}

TEST_F(SavedGames, SavedTicksStartAgainFromNow) {
    struct Case {
        uint32_t tick;
        int32_t seit;
        uint32_t bubble;
        uint32_t fade;
        uint32_t now;
    };
    const Case cases[] = {{10000, 25, 9000, 9990, 5000000},
                          {0xFFFFFF00u, 0x200, 0xFFFFFE00u, 0x50, 1000},
                          {500, 0, 400, 300, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.now);
        auto rec = noisyRecord(1, 0);
        rec->schrittZeit.tick = c.tick;
        rec->schrittZeit.seit = c.seit;
        rec->sprechblasen.slot[2].start = c.bubble;
        panel->el(4).Fade.Start = c.fade;
        spielstand::ticksVerschieben(*rec, panel.get(), c.now);
        // Every saved tick keeps its distance to the save's last frame.
        const uint32_t then = c.tick + static_cast<uint32_t>(c.seit);
        EXPECT_EQ(ticks::elapsed(rec->schrittZeit.tick, c.now), static_cast<uint32_t>(c.seit));
        EXPECT_EQ(ticks::elapsed(rec->sprechblasen.slot[2].start, c.now), then - c.bubble);
        EXPECT_EQ(ticks::elapsed(panel->el(4).Fade.Start, c.now), then - c.fade);
    }
}

TEST_F(SavedGames, LoadInPhaseFiveClosesTheDecisionAndRefillsTheTable) {
    ticks::Manual clock(0);
    auto rec = noisyRecord(1, 5);
    rec->phase.nr = 5;
    rec->entscheidung.mitKnoepfen = 1;
    ASSERT_TRUE(spielstand::spielSpeichern(*rec, "save", "Ende", true));
    int calls = 0;
    std::vector<std::string> order;
    anbindung.phaseFuenf = [&] { ++calls; };
    anbindung.dialogAnordnen = [&] {
        order.push_back("anordnen");
        rec->phase.schritt = 12345;  // whatever the layout writes into the second piece is undone
    };
    anbindung.setzeSpielerAnzahl = [&](int32_t n) { order.push_back("spieler " + std::to_string(n)); };
    const int32_t savedStep = rec->phase.schritt;
    rec->phase.schritt = 1;
    ASSERT_TRUE(spielstand::spielLaden(*rec, "save", "Ende", "dok"));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(rec->entscheidung.mitKnoepfen, 0);
    EXPECT_EQ(rec->phase.schritt, savedStep);
    EXPECT_EQ(order, (std::vector<std::string>{"anordnen", "spieler 3"}));
}

TEST(CompactLists, PackAndUnpackKeepEntriesBeyondTheCount) {
    TStapelListe l;
    fill(&l, sizeof l, 4);
    const TStapelListe before = l;
    karte slots[4] = {{1, 1, 7}, {2, 2, 8}, {3, 3, 9}, {4, 4, 10}};
    spielstand::stapelKompakt(l, 0, 5, [&](int i) { return slots[i - 1]; });
    EXPECT_EQ(l.anz, 0);
    EXPECT_EQ(l.id, 5);
    EXPECT_EQ(std::memcmp(l.k, before.k, sizeof l.k), 0);
    EXPECT_EQ(l.computer, before.computer);

    spielstand::stapelKompakt(l, 3, 2, [&](int i) { return slots[i - 1]; });
    EXPECT_EQ(l.k[2].nr, 9);
    EXPECT_EQ(l.k[3].t, before.k[3].t);
    karte back[4] = {};
    EXPECT_EQ(spielstand::stapelEntpacken(l, [&](int i, const karte& k) { back[i - 1] = k; }), 3);
    EXPECT_EQ(back[1].f, 2);
    EXPECT_EQ(back[3].t, 0);
    l.anz = 9999;  // never more than a hand holds
    int calls = 0;
    EXPECT_EQ(spielstand::stapelEntpacken(l, [&](int, const karte&) { ++calls; }), kHandMax);
    EXPECT_EQ(calls, kHandMax);
}

TEST(Companion, KeepsThisRunsSlotsAndPainters) {
    auto live = noisyDialog(1);
    live->el(7).FirstSlot = 4711;
    live->el(7).SlotReserve = 200;
    live->el(7).PairedLines = 1;
    std::memset(live->el(7).PaintCall, 0xAB, sizeof live->el(7).PaintCall);
    auto file = noisyDialog(2);  // another run: other slots, a painter address of its own
    file->el(7).FirstSlot = 99999;
    file->el(7).SlotReserve = 30000;
    std::memset(file->el(7).PaintCall, 0x5C, sizeof file->el(7).PaintCall);
    file->el(7).X = 321;
    spielstand::dialogUebernehmen(*live, bytesOf(*file));
    EXPECT_EQ(live->el(7).FirstSlot, 4711);
    EXPECT_EQ(live->el(7).SlotReserve, 200);
    EXPECT_EQ(live->el(7).PairedLines, 1);
    EXPECT_EQ(live->el(7).PaintCall[3], 0xAB);
    EXPECT_EQ(live->el(7).X, 321);  // the rest is the saved state
    EXPECT_EQ(live->ElementCount, file->ElementCount);
}

// A save stopped between its two renames (the new dialog file already in place, the old game
// file still there) is finished by the next load: it loads the new pair, never the mix.
TEST_F(SavedGames, SaveStoppedBetweenTheRenamesIsFinishedOnLoad) {
    ticks::Manual clock(0);
    auto alt = noisyRecord(1, 3);
    ASSERT_TRUE(spielstand::spielSpeichern(*alt, "save", "Paar", true));
    const std::string altesSpiel = readBack("save/Paar.rom");
    auto neu = noisyRecord(2, 3);
    panel = noisyDialog(9);
    const std::string neuerDialog = bytesOf(*panel);
    fileio::beforeRename = [](size_t done) { return done < 1; };
    spielstand::spielSpeichern(*neu, "save", "Paar", true);
    fileio::beforeRename = nullptr;
    ASSERT_EQ(readBack("save/Paar._rom"), neuerDialog);  // the mix on disk
    ASSERT_EQ(readBack("save/Paar.rom"), altesSpiel);

    auto geladen = noisyRecord(5, 4);
    panel = noisyDialog(11);
    ASSERT_TRUE(spielstand::spielLaden(*geladen, "save", "Paar", "rom"));
    EXPECT_EQ(readBack("save/Paar.rom").substr(0, spielstand::kBildGroesse), image(*neu));
    EXPECT_EQ(readBack("save/Paar._rom"), neuerDialog);
    EXPECT_FALSE(fs::exists("save/Paar._rom.journal"));
    EXPECT_EQ(geladen->spielId, 3);
}

// Files of another size are refused by their size, before they are read: a 2 GB file (sparse
// here) costs nothing. A dialog record is checked as strictly as a raw dialog file.
TEST_F(SavedGames, OversizedFilesAndDamagedDialogRecordsAreRefused) {
    ticks::Manual clock(0);
    auto rec = noisyRecord(1, 3);
    ASSERT_TRUE(spielstand::spielSpeichern(*rec, "save", "Gross", true));
    const std::string spiel = readBack("save/Gross.rom"), dialog = readBack("save/Gross._rom");
    auto ziel = noisyRecord(4, 4);
    const std::string vorher = image(*ziel);
    const size_t el1 = offsetof(pvl::TPVLDialog, Elements);
    auto patch = [&](size_t at, const void* v, size_t n) {
        std::string s = dialog;
        std::memcpy(s.data() + at, v, n);
        return s;
    };
    const int8_t kinder = 127;
    const float scale = 1.6e19f;
    const int32_t breite = 2147483000;
    struct Case {
        const char* was;
        const char* datei;
        std::string inhalt;  // empty: a sparse 2 GB file
        const char* meldung;
    };
    const Case cases[] = {
        {"2 GB game file", "save/Gross.rom", "", "hat 2147483648 statt 194028 Bytes"},
        {"2 GB dialog file", "save/Gross._rom", "", "hat 2147483648 statt 36184 Bytes"},
        {"127 children", "save/Gross._rom", patch(el1 + offsetof(pvl::TPVLElement, ChildCount), &kinder, 1),
         "ChildCount 127 (e1)"},
        {"label scale", "save/Gross._rom", patch(el1 + offsetof(pvl::TPVLElement, Scale), &scale, 4),
         "Scale (e1)"},
        {"element width", "save/Gross._rom", patch(el1 + offsetof(pvl::TPVLElement, Width), &breite, 4),
         "Width 2147483000 (e1)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.was);
        ASSERT_TRUE(fileio::writeAll("save/Gross.rom", spiel));
        ASSERT_TRUE(fileio::writeAll("save/Gross._rom", dialog));
        if (c.inhalt.empty()) {
            fs::resize_file(c.datei, 2147483648u);
        } else {
            ASSERT_TRUE(fileio::writeAll(c.datei, c.inhalt));
        }
        msgsink::Capture cap;
        EXPECT_FALSE(spielstand::spielLaden(*ziel, "save", "Gross", "rom"));
        EXPECT_TRUE(cap.contains(c.meldung));
        EXPECT_EQ(image(*ziel), vorher);
    }
}

// The file image as spielSpeichern writes it, read back byte by byte: a field of the central
// record at record offset o lies at file offset o - 4 (the object header is not saved), up to
// the high-score block (offset 0x2F4F0, file offset 193,772), where the 256-byte chip record
// follows.
TEST_F(SavedGames, FileOffsetIsRecordOffsetMinusFourAndTheChipsFollow) {
    ticks::Manual clock(0);
    auto rec = noisyRecord(3, 5);
    rec->spielId = 5;
    rec->ablauf.anzSpieler = 4;
    rec->kartenSkala = 0.75f;
    ChipSaveRecord chips{};
    std::memset(&chips, 0xC3, sizeof chips);
    anbindung.chipsSichern = [&](ChipSaveRecord& r) { r = chips; };
    ASSERT_TRUE(spielstand::spielSpeichern(*rec, "save", "Bild", true));
    const std::string f = readBack("save/Bild.dok");
    ASSERT_EQ(f.size(), 194028u);
    EXPECT_EQ(static_cast<uint8_t>(f[0]), 5);  // spielId at record offset 4
    int32_t spieler = 0;
    std::memcpy(&spieler, f.data() + offsetof(TCG, ablauf) + offsetof(TAblauf, anzSpieler) - 4, 4);
    EXPECT_EQ(spieler, 4);
    float skala = 0;
    std::memcpy(&skala, f.data() + 17784, 4);  // the card scale at record offset 17,788
    EXPECT_EQ(skala, 0.75f);
    // The last byte before the high scores, then the chip record and nothing after it.
    EXPECT_EQ(f[193771], reinterpret_cast<const char*>(rec.get())[0x2F4F0 - 1]);
    EXPECT_EQ(f.substr(193772), std::string(256, '\xC3'));
}

// A journal whose renames cannot be finished (here the game file's place is taken by a folder)
// stays, and the load refuses the pair rather than take a mix.
TEST_F(SavedGames, UnfinishableJournalRefusesTheLoad) {
    ticks::Manual clock(0);
    auto rec = noisyRecord(1, 3);
    ASSERT_TRUE(spielstand::spielSpeichern(*rec, "save", "Fest", true));
    fs::remove("save/Fest.rom");
    fs::create_directories("save/Fest.rom/belegt");
    ASSERT_TRUE(fileio::writeAll("save/Fest.rom.tmp1", std::string(spielstand::kSpielGroesse, '\0')));
    ASSERT_TRUE(fileio::writeAll("save/Fest._rom.journal", std::string("Fest.rom.tmp1\tFest.rom\n")));
    auto ziel = noisyRecord(4, 4);
    msgsink::Capture cap;
    EXPECT_FALSE(spielstand::spielLaden(*ziel, "save", "Fest", "rom"));
    EXPECT_TRUE(cap.contains("ein unterbrochenes Speichern von Fest.rom konnte nicht abgeschlossen werden."));
    EXPECT_TRUE(fs::exists("save/Fest._rom.journal"));
    EXPECT_EQ(ziel->spielId, 4);
}

// A file's code must name the record's game; a variant's and a poker form's codes name theirs.
TEST(SaveCode, OnlyTheCodesOfTheRecordsGameFit) {
    struct Case {
        uint8_t spielId;
        const char* code;
        bool passt;
    };
    const Case cases[] = {
        {0, "mau", true},   {1, "ska", true},   {1, "SKA", true},  {4, "can", true},   {4, "ska", false},
        {1, "can", false},  {7, "snp", true},   {7, "66_", true},  {7, "bjk", false},  {9, "bjk", true},
        {9, "174", true},   {9, "66_", false},  {8, "pok", true},  {8, "nlp", true},   {8, "plp", true},
        {8, "slp", true},   {8, "ska", false},  {12, "jas", true}, {12, "mau", false}, {10, "66_", false},
        {11, "174", false}, {13, "xxx", false}, {2, "swi", true},  {3, "rom", true},   {5, "dok", true},
        {6, "shk", true},   {6, "dok", false},
    };
    auto rec = std::make_unique<TCG>();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.spielId) << " " << c.code);
        rec->spielId = c.spielId;
        EXPECT_EQ(spielstand::codePasst(*rec, c.code), c.passt);
    }
}
