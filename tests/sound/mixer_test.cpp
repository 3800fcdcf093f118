#include "sound/mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "wav_fixture.h"

namespace {

struct Mixer : ::testing::Test {
    void SetUp() override { mixer::zuruecksetzen(); }
    void TearDown() override { mixer::zuruecksetzen(); }
};

std::shared_ptr<const mixer::Pcm> ton(size_t frames, int16_t v) {
    const std::string s = wavfix::samples16(frames, v);
    return mixer::umwandeln(wavfix::bytes(s), s.size(), 1, 16, mixer::kRate);
}

// Sum of absolute values of each channel over a rendered stretch.
std::pair<double, double> pegel(int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
    mixer::mischen(out.data(), frames);
    double l = 0, r = 0;
    for (int i = 0; i < frames; ++i) {
        l += std::abs(out[2 * i]);
        r += std::abs(out[2 * i + 1]);
    }
    return {l, r};
}

}  // namespace

TEST_F(Mixer, PanAttenuatesOnlyTheFarChannel) {
    const int id = mixer::stimmeNeu(ton(1000, 10000));
    ASSERT_NE(id, 0);
    mixer::balance(id, 2000);  // right: the left channel 20 dB down
    mixer::abspielen(id);
    const auto [l, r] = pegel(100);
    EXPECT_NEAR(r / 100, 10000, 1);
    EXPECT_NEAR(l / 100, 1000, 1);
}

TEST_F(Mixer, LevelsAtTheirBoundaries) {
    EXPECT_EQ(mixer::faktor(0), 1.0f);
    EXPECT_EQ(mixer::faktor(100), 1.0f);
    EXPECT_EQ(mixer::faktor(-10000), 0.0f);
    EXPECT_EQ(mixer::faktor(-20000), 0.0f);
    EXPECT_NEAR(mixer::faktor(-600), 0.501, 0.001);  // 6 dB halves the amplitude
    EXPECT_GT(mixer::faktor(-9999), 0.0f);
}

TEST_F(Mixer, AVoiceAtMinus10000IsSilentAndStillRunsOut) {
    const int id = mixer::stimmeNeu(ton(100, 20000));
    mixer::lautstaerke(id, -10000);
    mixer::abspielen(id);
    const auto [l, r] = pegel(150);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(r, 0);
    EXPECT_FALSE(mixer::spielt(id));
}

TEST_F(Mixer, VoicesAddUpAndClip) {
    const int a = mixer::stimmeNeu(ton(50, 20000));
    const int b = mixer::stimmeNeu(ton(50, 20000));
    mixer::abspielen(a);
    mixer::abspielen(b);
    std::vector<int16_t> out(20);
    mixer::mischen(out.data(), 10);
    EXPECT_EQ(out[0], 32767);
}

TEST_F(Mixer, PositionCountsBytesOfTheSourceFormat) {
    // 8-bit mono at 11025 Hz: one source byte per frame, half the output rate.
    std::string s(1000, '\x80');
    auto pcm = mixer::umwandeln(wavfix::bytes(s), s.size(), 1, 8, 11025);
    ASSERT_EQ(pcm->frames(), 2000u);
    EXPECT_EQ(pcm->quellBytes(), 1000u);
    const int id = mixer::stimmeNeu(pcm);
    mixer::abspielen(id);
    pegel(500);
    EXPECT_EQ(mixer::position(id), 250u);
    EXPECT_TRUE(mixer::spielt(id));
    pegel(1500);
    EXPECT_FALSE(mixer::spielt(id));
}

TEST_F(Mixer, EightBitIsCentredAndRatesAreInterpolated) {
    const std::string s = "\x80\xFF";  // silence, then nearly full scale
    auto pcm = mixer::umwandeln(wavfix::bytes(s), s.size(), 1, 8, mixer::kRate / 2);
    ASSERT_EQ(pcm->frames(), 4u);
    EXPECT_EQ(pcm->daten[0], 0);
    EXPECT_EQ(pcm->daten[1], 127 * 256 / 2);  // halfway between the two source frames
    EXPECT_EQ(pcm->daten[2], 127 * 256);
    EXPECT_EQ(mixer::umwandeln(wavfix::bytes(s), s.size(), 3, 8, 100), nullptr);
}

TEST_F(Mixer, MusicPlaysWhatIsWrittenAheadAndReportsItsEndOnce) {
    const std::string s = wavfix::samples16(120, 1000);  // 60 stereo frames
    const auto* frames = reinterpret_cast<const int16_t*>(s.data());
    mixer::musikStarten();
    mixer::musikSchreiben(frames, 60);
    mixer::musikLautstaerke(500);
    std::vector<int16_t> out(2 * 50);
    mixer::mischen(out.data(), 50);
    EXPECT_EQ(out[0], 500);
    EXPECT_EQ(mixer::musikGepuffert(), 10u);
    mixer::musikSchreiben(frames, 60);  // more arrives in time
    mixer::mischen(out.data(), 50);
    EXPECT_EQ(out[2 * 49], 500);
    EXPECT_FALSE(mixer::musikZuEnde());  // a writer that is late is not an end
    mixer::musikFertig();
    mixer::mischen(out.data(), 50);
    EXPECT_EQ(out[2 * 19], 500);
    EXPECT_EQ(out[2 * 20], 0);  // past the last frame
    EXPECT_TRUE(mixer::musikZuEnde());
    EXPECT_FALSE(mixer::musikZuEnde());
    EXPECT_FALSE(mixer::musikLaeuft());
}

TEST_F(Mixer, NoVoiceIsGivenWhenAllAreTaken) {
    for (int i = 0; i < mixer::kStimmen; ++i) EXPECT_NE(mixer::stimmeNeu(ton(1, 1)), 0);
    EXPECT_EQ(mixer::stimmeNeu(ton(1, 1)), 0);
}
