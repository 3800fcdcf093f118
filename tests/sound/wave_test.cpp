#include "sound/wave.h"

#include <gtest/gtest.h>

#include "wav_fixture.h"

using namespace wavfix;

TEST(Wave, FilesAcceptedAndRefusedWithTheirCode) {
    const std::string data = chunk("data", samples16(10, 100));
    struct Case {
        const char* what;
        std::string file;
        bool ok;
        uint8_t code;
    };
    const Case cases[] = {
        {"good PCM", riff(fmt(1, 1, 22050, 16) + data), true, wave::kOk},
        {"RIFF size one too large", riff(fmt(1, 1, 22050, 16) + data, 1), false, wave::kFormat},
        {"RIFF size one too small", riff(fmt(1, 1, 22050, 16) + data, -1), false, wave::kFormat},
        {"RIFX", riff(fmt(1, 1, 22050, 16) + data, 0, "WAVE", "RIFX"), false, wave::kKeinRiff},
        {"not WAVE", riff(fmt(1, 1, 22050, 16) + data, 0, "AVI "), false, wave::kKeinWave},
        {"18-byte fmt", riff(fmt(1, 1, 22050, 16, 18) + data), true, wave::kOk},
        {"fmt of 40 bytes", riff(fmt(1, 2, 11025, 8, 40) + data), true, wave::kOk},
        {"LIST before data", riff(fmt(1, 1, 22050, 16) + chunk("LIST", "INFOabc") + data), true, wave::kOk},
        {"compressed (tag 2)", riff(fmt(2, 1, 22050, 4) + chunk("fact", "\x10\0\0\0") + data), false,
         wave::kKomprimiert},
        {"float (tag 3)", riff(fmt(3, 1, 22050, 32) + data), false, wave::kFormat},
        {"empty", "", false, wave::kLeer},
        {"no data chunk", riff(fmt(1, 1, 22050, 16) + chunk("LIST", "abcd")), false, wave::kKeineDaten},
        {"sample rate 0", riff(fmt(1, 1, 0, 16) + data), false, wave::kFormat},
        {"24-bit", riff(fmt(1, 1, 22050, 24) + data), false, wave::kFormat},
        {"data before fmt", riff(data + fmt(1, 1, 22050, 16)), false, wave::kKeinFormat},
        {"only the RIFF header", riff(""), false, wave::kKeineDaten},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        wave::Kopf k;
        EXPECT_EQ(wave::lesen(bytes(c.file), c.file.size(), k), c.ok);
        EXPECT_EQ(k.fehler, c.code);
    }
}

TEST(Wave, FindsTheDataAfterPaddedAndSkippedChunks) {
    // "LIST" of 3 bytes is followed by a pad byte; the walk must land on "data" after it.
    const std::string file =
        riff(fmt(1, 2, 11025, 8, 18) + chunk("LIST", "abc") + chunk("data", "\x01\x02\x03\x04"));
    wave::Kopf k;
    ASSERT_TRUE(wave::lesen(bytes(file), file.size(), k));
    EXPECT_EQ(int{k.format.channels}, 2);  // copied out of the packed record
    EXPECT_EQ(uint32_t{k.format.sampleRate}, 11025u);
    EXPECT_EQ(k.datenGroesse, 4u);
    EXPECT_EQ(k.samples, 2u);  // two stereo 8-bit frames
    EXPECT_EQ(file.substr(k.datenPos, 4), "\x01\x02\x03\x04");
}

TEST(Wave, ADataChunkLongerThanTheFileIsShort) {
    std::string data = "data";
    u32(data, 1000);
    data += samples16(10, 1);
    const std::string file = riff(fmt(1, 1, 22050, 16) + data);
    wave::Kopf k;
    bool kurz = false;
    ASSERT_TRUE(wave::lesen(bytes(file), file.size(), k, &kurz));
    EXPECT_TRUE(kurz);
    EXPECT_EQ(k.datenGroesse, 20u);
}
