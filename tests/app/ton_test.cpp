// The shell's sound calls on the generated data (skipped without it).
#include "app/ton.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/seams.h"
#include "platform/msgsink.h"
#include "platform/rnd.h"
#include "sound/scode.h"
#include "sound/snd.h"
#include "table/tischhooks.h"

namespace {

class Ton : public ::testing::Test {
protected:
    void TearDown() override {
        ton::sndFreigeben();
        ton::scodeFreigeben();
        seams::ton = {};
        tischhooks::tab().effekt = nullptr;
    }
};

}  // namespace

TEST_F(Ton, CreationFillsTheSeamsAndFreeingEmptiesThem) {
    const std::filesystem::path ordner = KS_SOURCE_DIR;
    if (!std::filesystem::exists(ordner / "data/sound/1/codes.txt")) GTEST_SKIP() << "no generated data";
    msgsink::Capture cap;
    rnd::seed(5);
    ton::erstellen(ordner);
    ASSERT_TRUE(ton::scode && ton::snd);
    ton::musikEinstellen(false);  // as at start-up: the options' volumes (no dialogs: full)
    EXPECT_TRUE(cap.texts().empty());
    const std::string satz = seams::satzHolen(4, 24);
    EXPECT_TRUE(satz == "Ich spiele" || satz == "Ich will spielen") << satz;
    if (!ton::snd->keinSound) {
        ASSERT_TRUE(tischhooks::tab().effekt);
        tischhooks::tab().effekt(1, 0, 0);
        ton::guiTon(2);
        EXPECT_EQ(ton::snd->ringZaehler, 2);
        seams::sprachEinreihen("data/sound/4/Mist.wav", "", 2);
        EXPECT_EQ(ton::snd->queueAnzahl, 1);
    }
    ton::musikSchliessen();
    ton::sndFreigeben();
    ton::scodeFreigeben();
    EXPECT_EQ(seams::sprachQueue(0), 0);
    EXPECT_EQ(seams::satzHolen(4, 24), "");
    tischhooks::tab().effekt(1, 0, 0);  // nothing to play, nothing happens
}

TEST_F(Ton, MissingTablesAreReportedOncePerVoice) {
    msgsink::Capture cap;
    ton::erstellen(std::filesystem::temp_directory_path() / "ks_ton_kein_ordner");
    EXPECT_EQ(cap.texts().size(), 6u);
    EXPECT_EQ(seams::satzHolen(1, 10), "");
}
