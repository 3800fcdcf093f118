#include "platform/image.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/fileio.h"

namespace fs = std::filesystem;

namespace {

image::Image pattern(int w, int h, int channels) {
    image::Image img;
    img.width = w;
    img.height = h;
    img.channels = channels;
    img.pixels.resize(static_cast<size_t>(w) * h * channels);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = img.at(x, y);
            p[0] = static_cast<uint8_t>(x * 40);
            p[1] = static_cast<uint8_t>(y * 30);
            p[2] = static_cast<uint8_t>(200 - x * 10);
            if (channels == 4) p[3] = static_cast<uint8_t>(x * 30 + y);
        }
    return img;
}

// A TGA with a given header, an ID field and raw pixel bytes.
std::string tga(uint8_t type, int w, int h, uint8_t bpp, uint8_t desc, const std::string& id,
                const std::string& pixels) {
    std::string d(18, '\0');
    d[0] = static_cast<char>(id.size());
    d[2] = static_cast<char>(type);
    d[12] = static_cast<char>(w);
    d[14] = static_cast<char>(h);
    d[16] = static_cast<char>(bpp);
    d[17] = static_cast<char>(desc);
    return d + id + pixels;
}

class ImageFiles : public testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("ks_image_" + std::to_string(getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
};

}  // namespace

TEST_F(ImageFiles, BmpRoundTripsRgbAndRgba) {
    // Odd widths exercise the row padding.
    for (int channels : {3, 4})
        for (int w : {1, 3, 5}) {
            SCOPED_TRACE(testing::Message() << channels << " channels, width " << w);
            const image::Image img = pattern(w, 4, channels);
            const fs::path p = dir / "a.bmp";
            ASSERT_TRUE(image::writeBmp(p, img));
            image::Image back;
            ASSERT_TRUE(image::readImage(p, back));
            EXPECT_EQ(back.width, w);
            EXPECT_EQ(back.height, 4);
            EXPECT_EQ(back.channels, channels);
            EXPECT_EQ(back.pixels, img.pixels);
        }
}

TEST(Image, BmpTopDownAndPaletteAreReadBottomUp) {
    // An 8-bit palette BMP, 2x2, stored top-down (negative height).
    std::string d = "BM";
    auto p32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) d.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto p16 = [&](uint32_t v) {
        d.push_back(static_cast<char>(v & 0xFF));
        d.push_back(static_cast<char>(v >> 8));
    };
    p32(14 + 40 + 8 + 8);
    p32(0);
    p32(14 + 40 + 8);
    p32(40);
    p32(2);
    p32(static_cast<uint32_t>(-2));
    p16(1);
    p16(8);
    p32(0);
    p32(8);
    p32(0);
    p32(0);
    p32(2);
    p32(0);
    p32(0x000000FF);                          // palette 0: blue (BGRA order)
    p32(0x00FF0000);                          // palette 1: red
    d += std::string("\x01\x00\x00\x00", 4);  // top row: red, blue
    d += std::string("\x00\x01\x00\x00", 4);  // bottom row: blue, red
    image::Image img;
    ASSERT_TRUE(image::decodeBmp(d, img));
    ASSERT_EQ(img.channels, 3);
    EXPECT_EQ(img.at(0, 1)[0], 255);  // top left red
    EXPECT_EQ(img.at(0, 0)[2], 255);  // bottom left blue
    EXPECT_EQ(img.at(1, 0)[0], 255);  // bottom right red
}

TEST(Image, TgaHonoursIdLengthAndOriginBits) {
    // 2x2 true colour, BGR. File order: A B / C D.
    const std::string px = std::string("\x00\x00\x01", 3) + std::string("\x00\x00\x02", 3) +
                           std::string("\x00\x00\x03", 3) + std::string("\x00\x00\x04", 3);
    struct Case {
        uint8_t desc;
        const char* id;
        int bottomLeft;  // red value ending at (0,0)
        int topRight;
    };
    const Case cases[] = {{0x00, "", 1, 4}, {0x20, "", 3, 2}, {0x10, "", 2, 3}, {0x30, "name", 4, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "desc " << int(c.desc) << " id '" << c.id << "'");
        image::Image img;
        ASSERT_TRUE(image::decodeTga(tga(2, 2, 2, 24, c.desc, c.id, px), img));
        EXPECT_EQ(img.at(0, 0)[0], c.bottomLeft);
        EXPECT_EQ(img.at(1, 1)[0], c.topRight);
    }
}

TEST(Image, TgaRleAndAlpha) {
    // 3x1 RLE, 32 bit: a run of two, then one raw pixel.
    const std::string px = std::string("\x81\x10\x20\x30\x40", 5) + std::string("\x00\x01\x02\x03\x04", 5);
    image::Image img;
    ASSERT_TRUE(image::decodeTga(tga(10, 3, 1, 32, 0x08, "", px), img));
    ASSERT_EQ(img.channels, 4);
    EXPECT_EQ(img.at(1, 0)[0], 0x30);
    EXPECT_EQ(img.at(1, 0)[3], 0x40);
    EXPECT_EQ(img.at(2, 0)[2], 0x01);
    // A run longer than the image is damage, not an overrun.
    EXPECT_FALSE(image::decodeTga(tga(10, 1, 1, 32, 0, "", std::string("\x85\x10\x20\x30\x40", 5)), img));
}

TEST_F(ImageFiles, JpegRoundTripsCloseAndWritesToMemory) {
    const image::Image img = pattern(16, 8, 4);
    std::string mem;
    ASSERT_TRUE(image::encodeJpeg(img, 95, mem));
    ASSERT_TRUE(image::writeJpeg(dir / "a.jpg", img, 95));
    std::string file;
    ASSERT_TRUE(fileio::readAll(dir / "a.jpg", file));
    EXPECT_EQ(file, mem);
    image::Image back;
    ASSERT_TRUE(image::readImage(dir / "a.jpg", back));
    ASSERT_EQ(back.width, 16);
    ASSERT_EQ(back.height, 8);
    ASSERT_EQ(back.channels, 3);
    // Bottom row stays the bottom row (green rises from 0 to 210 upwards).
    EXPECT_LT(back.at(8, 0)[1], 40);
    EXPECT_GT(back.at(8, 7)[1], 170);
}

TEST(Image, DamagedInputIsRefusedAndLeavesTheTargetAlone) {
    std::string bmp, jpg;
    ASSERT_TRUE(image::encodeBmp(pattern(7, 5, 3), bmp));
    ASSERT_TRUE(image::encodeJpeg(pattern(7, 5, 3), 80, jpg));
    const std::string tgaFile = tga(2, 7, 5, 24, 0, "id", std::string(7 * 5 * 3, '\x55'));
    const image::Image keep = pattern(2, 2, 3);
    struct Case {
        const char* name;
        const std::string* data;
        bool (*decode)(const std::string&, image::Image&);
    };
    const Case cases[] = {{"bmp", &bmp, image::decodeBmp},
                          {"jpg", &jpg, image::decodeJpeg},
                          {"tga", &tgaFile, image::decodeTga}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        image::Image img = keep;
        ASSERT_TRUE(c.decode(*c.data, img));
        // Every truncation, and garbage after a valid start.
        for (size_t n = 0; n < c.data->size(); ++n) {
            img = keep;
            if (c.decode(c.data->substr(0, n), img)) continue;  // jpeg may pad a short tail
            EXPECT_EQ(img.pixels, keep.pixels) << n;
        }
        for (uint32_t seed = 1; seed < 200; ++seed) {
            std::string g = c.data->substr(0, 20);
            uint32_t s = seed;
            for (int i = 0; i < 300; ++i) {
                s = s * 1103515245u + 12345u;
                g.push_back(static_cast<char>(s >> 24));
            }
            img = keep;
            c.decode(g, img);  // must not crash; the sanitizers watch it
        }
    }
    image::Image img;
    EXPECT_FALSE(image::readImage("/nonexistent/x.bmp", img));
    EXPECT_FALSE(image::readImage("x.png", img));
}

TEST_F(ImageFiles, InvalidImageIsNotWrittenAndOldFileStays) {
    const fs::path p = dir / "keep.bmp";
    ASSERT_TRUE(fileio::writeAll(p, std::string("old")));
    image::Image bad = pattern(2, 2, 3);
    bad.pixels.pop_back();
    EXPECT_FALSE(image::writeBmp(p, bad));
    EXPECT_FALSE(image::writeJpeg(p, image::Image{}, 80));
    std::string d;
    ASSERT_TRUE(fileio::readAll(p, d));
    EXPECT_EQ(d, "old");
}

namespace {
fs::path fixture(const char* name) { return fs::path(KS_SOURCE_DIR) / "tests/fixtures/bilder" / name; }
}  // namespace

// Headers that claim far more than the file holds are refused from the header, before any pixel
// buffer is allocated; the sanitizer build would report the gigabytes otherwise, and the clock
// shows the difference (these took seconds to minutes before).
TEST(Image, ClaimsBeyondTheDataAreRefusedBeforeDecoding) {
    struct Case {
        const char* file;
        uintmax_t size;
    };
    const Case cases[] = {
        {"huge_claim.jpg", 647},        // baseline, 16384 x 16384
        {"huge_progressive.jpg", 647},  // progressive, 8000 x 8000 from 647 bytes
        {"huge.tga", 18},               // raw 8000 x 8000 with no data at all
        {"huge_rle.tga", 26},           // RLE: 8 bytes cannot hold 64 million pixels
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_EQ(fs::file_size(fixture(c.file)), c.size);
        image::Image img;
        img.width = 3;
        EXPECT_FALSE(image::readImage(fixture(c.file), img));
        EXPECT_EQ(img.width, 3);
        EXPECT_TRUE(img.pixels.empty());
    }
}

TEST(Image, JpegWithMissingDataIsRefused) {
    image::Image whole, cut;
    ASSERT_TRUE(image::readJpeg(fixture("whole_atlas.jpg"), whole));
    EXPECT_EQ(whole.width, 64);
    EXPECT_EQ(whole.height, 128);
    // The same picture cut in half: libjpeg would fill the lower half with grey.
    EXPECT_FALSE(image::readJpeg(fixture("cut_atlas.jpg"), cut));
    EXPECT_TRUE(cut.empty());
    // A marker inside the entropy-coded data is corrupt data too.
    std::string bytes;
    ASSERT_TRUE(fileio::readAll(fixture("whole_atlas.jpg"), bytes));
    std::string damaged = bytes;
    damaged.insert(damaged.size() / 2 + 200, "\xFF\xD5", 2);  // a restart marker nobody announced
    EXPECT_FALSE(image::decodeJpeg(damaged, cut));
    // Arithmetic coding is not ours: such a header (SOF9) is refused.
    std::string arith = bytes;
    const size_t sof = arith.find("\xFF\xC0", 2);
    ASSERT_NE(sof, std::string::npos);
    arith[sof + 1] = static_cast<char>(0xC9);
    EXPECT_FALSE(image::decodeJpeg(arith, cut));
}

TEST(Image, OversizedFilesAreNotRead) {
    const auto dir = fs::temp_directory_path() / ("ks_big_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    // A sparse file: its size is claimed without the disk holding it.
    const auto big = dir / "big.bmp";
    { std::ofstream(big, std::ios::binary) << "BM"; }
    fs::resize_file(big, image::kMaxFile + 1);
    image::Image img;
    EXPECT_FALSE(image::readImage(big, img));
    std::string s = "kept";
    EXPECT_FALSE(fileio::readAll(big, s, 1000));
    EXPECT_EQ(s, "kept");
    fs::remove_all(dir);
}
