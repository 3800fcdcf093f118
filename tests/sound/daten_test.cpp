// The generated data/sound and data/music as the program will read them (skipped when the
// build did not generate data).
#include <gtest/gtest.h>

#include <vector>

#include "platform/rnd.h"
#include "sound/mixer.h"
#include "sound/mp3.h"
#include "sound/scode.h"
#include "sound/snd.h"
#include "table/glu.h"

namespace {

namespace fs = std::filesystem;

const fs::path kOrdner = KS_SOURCE_DIR;

bool daten() {
    return fs::exists(kOrdner / "data/sound/6/codes.txt") && fs::exists(kOrdner / "data/music/11.mp3");
}

}  // namespace

TEST(Daten, EverySentenceOfEveryTableHasItsRecording) {
    if (!daten()) GTEST_SKIP() << "no generated data";
    std::vector<std::string> meldungen, fehlt;
    TSCReader::Melder m;
    m.meldung = [&](const std::string& s) { meldungen.push_back(s); };
    m.log = [&](const std::string& s) { fehlt.push_back(s); };
    TSCReader r(kOrdner, m);
    EXPECT_TRUE(meldungen.empty());
    EXPECT_TRUE(fehlt.empty()) << fehlt.front();
    for (int v = 1; v <= 6; ++v)
        for (int k = 10; k <= 38; ++k) EXPECT_GE(r.anzahl(v, k), 1) << v << "." << k;
}

TEST(Daten, EffectsAreShortAndEveryKindFindsItsFile) {
    if (!daten()) GTEST_SKIP() << "no generated data";
    TSoundContainer::Umgebung u;
    u.ordner = kOrdner;
    u.ausgabe = isg::TISGSound::Ausgabe::Puffer;
    TSoundContainer s(u);
    for (const char* n :
         {"up", "down", "over", "_leg", "_sel", "_zieh", "_x", "applaus", "_cleg", "_eleg", "poch"}) {
        SCOPED_TRACE(n);
        const fs::path p = s.sampleDatei(n);
        ASSERT_FALSE(p.empty());
        auto pcm = isg::laden(p);
        ASSERT_TRUE(pcm);
        EXPECT_EQ(pcm->quellRate, 22050u);
        EXPECT_EQ(pcm->quellBlock, 2u);
        EXPECT_LE(pcm->frames(), static_cast<size_t>(mixer::kRate / 2 + 1));
    }
    for (const char* n : {"_leg", "_zieh"})
        EXPECT_TRUE(fs::exists(kOrdner / "data/sound" / (std::string(n) + "2.wav")));
}

TEST(Daten, ACardLandingIsHeardOnItsSide) {
    if (!daten()) GTEST_SKIP() << "no generated data";
    mixer::zuruecksetzen();
    glu::reset();
    rnd::seed(1);
    TSoundContainer::Umgebung u;
    u.ordner = kOrdner;
    u.ausgabe = isg::TISGSound::Ausgabe::Puffer;
    TSoundContainer s(u);
    s.lautstaerken(true);
    glu::spieler[1].pos.v[0] = 1200;  // far right of the table
    s.effekt(10, 2, 1);
    std::vector<int16_t> out(2 * 4410);
    mixer::mischen(out.data(), 4410);
    double l = 0, r = 0;
    for (size_t i = 0; i < out.size(); i += 2) {
        l += std::abs(out[i]);
        r += std::abs(out[i + 1]);
    }
    EXPECT_GT(r, 0);
    EXPECT_GT(r, 3 * l);  // full pan is 12 dB on the far side
    mixer::zuruecksetzen();
}

TEST(Daten, MusicTracksDecode) {
    if (!daten()) GTEST_SKIP() << "no generated data";
    for (const char* n : {"11", "23"}) {
        std::string grund;
        auto pcm = mp3::laden(kOrdner / "data/music" / (std::string(n) + ".mp3"), grund);
        ASSERT_TRUE(pcm) << grund;
        EXPECT_EQ(pcm->kanaele, 2);
        EXPECT_GT(pcm->frames(), static_cast<size_t>(5 * mixer::kRate));
    }
    std::string grund;
    EXPECT_FALSE(mp3::laden(kOrdner / "data/music/99.mp3", grund));
}

TEST(Daten, MusicPlaysThroughTheMixerAndTheNextTrackFollows) {
    if (!daten()) GTEST_SKIP() << "no generated data";
    mixer::zuruecksetzen();
    TSoundContainer::Umgebung u;
    u.ordner = kOrdner;
    u.ausgabe = isg::TISGSound::Ausgabe::Puffer;
    u.optionen = [] {
        TSoundContainer::Optionen o;
        o.musikWahl = 6;  // "13": one track, again and again
        return o;
    };
    TSoundContainer s(u);
    s.keinMusikSpieler = false;
    s.musikEinstellen(false);
    ASSERT_TRUE(s.musikOffen);
    std::string grund;
    const auto ganz = mp3::laden(kOrdner / "data/music/13.mp3", grund);
    ASSERT_TRUE(ganz);
    // Frame by frame as the program plays: decode ahead, mix one block, until the track ends.
    std::vector<int16_t> out(2 * 1024);
    size_t gespielt = 0, laut = 0;
    while (mixer::musikLaeuft() && gespielt < 2 * ganz->frames()) {
        s.schritt();
        mixer::mischen(out.data(), 1024);
        gespielt += 1024;
        for (int16_t v : out) laut += v != 0 ? 1 : 0;
    }
    EXPECT_GE(gespielt, ganz->frames());
    EXPECT_LT(gespielt, ganz->frames() + 2048);
    EXPECT_GT(laut, ganz->frames() / 2);
    // The end notice starts the track again.
    s.schritt();
    EXPECT_TRUE(mixer::musikLaeuft());
    EXPECT_EQ(fs::path(s.letzteMusik).filename(), "13.mp3");
    s.musikSchliessen();
    EXPECT_FALSE(mixer::musikLaeuft());
    mixer::zuruecksetzen();
}
