#include "sound/isg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

#include "core/files_tempdir.h"
#include "sound/mixer.h"
#include "wav_fixture.h"

namespace {

class Isg : public files_test::ProgramFolder {
protected:
    void SetUp() override {
        files_test::ProgramFolder::SetUp();
        mixer::zuruecksetzen();
        isg::cacheLeeren();
    }
    void TearDown() override {
        mixer::zuruecksetzen();
        isg::cacheLeeren();
        files_test::ProgramFolder::TearDown();
    }
};

}  // namespace

TEST_F(Isg, VolumeAndPanAreClamped) {
    wavfix::schreiben(dir_ / "a.wav", wavfix::pcm16(100));
    isg::TISGSound s(isg::TISGSound::Ausgabe::Puffer);
    isg::TISGSoundFileSample b(s, 8 + 4, dir_ / "a.wav");
    ASSERT_TRUE(b.hatPuffer());
    b.SetVol(100);
    EXPECT_EQ(b.vol(), 0);
    b.SetVol(-20000);
    EXPECT_EQ(b.vol(), -10000);
    b.SetPan(20000);
    EXPECT_EQ(b.pan(), 10000);
    b.SetPan(-20000);
    EXPECT_EQ(b.pan(), -10000);
    EXPECT_EQ(b.groesse(), 200u);
    EXPECT_EQ(b.byteRate(), 44100u);
}

TEST_F(Isg, FailingCallsRaiseWithClassOperationAndText) {
    wavfix::schreiben(dir_ / "a.wav", wavfix::pcm16(100));
    wavfix::schreiben(dir_ / "kaputt.wav", "RIFF");
    isg::TISGSound s(isg::TISGSound::Ausgabe::Puffer);
    isg::TISGSoundFileSample ohnePan(s, 8, dir_ / "a.wav");
    try {
        ohnePan.SetPan(100);
        FAIL();
    } catch (const isg::EISGSoundError& e) {
        EXPECT_EQ(e.code(), isg::DSERR_CONTROLUNAVAIL);
        EXPECT_STREQ(
            e.what(),
            "TISGSoundFileSample.SetPan:\rThe control (volume, pan, and so forth) requested by the caller is "
            "not available.");
    }
    isg::TISGSoundFileSample kaputt(s, 12, dir_ / "kaputt.wav");
    EXPECT_FALSE(kaputt.hatPuffer());
    EXPECT_THROW(kaputt.Play(), isg::EISGSoundError);
    try {
        isg::TISGSoundFileSample fehlt(s, 12, dir_ / "fehlt.wav");
        FAIL();
    } catch (const isg::EISGError& e) {
        EXPECT_NE(std::string(e.what()).find("File not Found: "), std::string::npos);
    }
    EXPECT_THROW(s.SetCooperativeLevel(4), isg::EISGSoundError);
    s.SetCooperativeLevel(2);
    EXPECT_EQ(s.level(), 2);
}

TEST_F(Isg, ErrorTexts) {
    EXPECT_EQ(isg::DSErrorText(isg::DS_OK), "The request completed successfully.");
    EXPECT_EQ(isg::DSErrorText(isg::DSERR_NODRIVER), "No sound driver is available for use.");
    EXPECT_EQ(isg::DSErrorText(isg::DSERR_UNSUPPORTED), "The function called is not supported at this time.");
    EXPECT_EQ(isg::DSErrorText(12345), "Unrecognized Error");
}

TEST_F(Isg, SamplesAreConvertedOnceAndCachedByPath) {
    wavfix::schreiben(dir_ / "a.wav", wavfix::pcm16(100));
    auto a = isg::laden(dir_ / "a.wav");
    ASSERT_TRUE(a);
    std::filesystem::remove(dir_ / "a.wav");
    wavfix::schreiben(dir_ / "a.wav", wavfix::pcm16(5));
    EXPECT_EQ(isg::laden(dir_ / "a.wav"), a);  // from the cache, not read again
    EXPECT_EQ(isg::cacheGroesse(), 1u);
}

// The real device path: SDL's disk driver writes what the mixer plays into a file.
TEST_F(Isg, SdlDiskDriverRecordsWhatPlays) {
    const std::string datei = (dir_ / "aufnahme.raw").string();
    const char* alt = std::getenv("SDL_AUDIODRIVER");
    const std::string altWert = alt ? alt : "";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", datei.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1);
    wavfix::schreiben(dir_ / "a.wav", wavfix::pcm16(2205, 12000));
    {
        isg::TISGSound s;
        ASSERT_TRUE(s.vorhanden());
        isg::TISGSoundFileSample b(s, 12, dir_ / "a.wav");
        b.SetPan(-3000);
        b.Play();
        for (int i = 0; i < 200 && b.GetPlayStatus(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_FALSE(b.GetPlayStatus());
    }
    if (alt)
        setenv("SDL_AUDIODRIVER", altWert.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
    std::ifstream f(datei, std::ios::binary);
    std::vector<char> roh((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    ASSERT_GE(roh.size(), 4u * 2205);
    double l = 0, r = 0;
    for (size_t i = 0; i + 3 < roh.size(); i += 4) {
        l += std::abs(static_cast<int16_t>(uint16_t(uint8_t(roh[i])) | uint16_t(uint8_t(roh[i + 1])) << 8));
        r += std::abs(
            static_cast<int16_t>(uint16_t(uint8_t(roh[i + 2])) | uint16_t(uint8_t(roh[i + 3])) << 8));
    }
    EXPECT_GT(l, 12000.0 * 2000);  // the whole sample, on the left
    EXPECT_GT(l, 10 * r);          // 30 dB down on the right
}
