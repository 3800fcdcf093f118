#include "gui/gltex.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "gui/glstate.h"
#include "platform/fileio.h"
#include "platform/image.h"
#include "platform/msgsink.h"

namespace fs = std::filesystem;

namespace {

image::Image solid(int w, int h, uint8_t r, uint8_t g, uint8_t b) {
    image::Image img;
    img.width = w;
    img.height = h;
    img.channels = 3;
    img.pixels.resize(static_cast<size_t>(w) * h * 3);
    for (size_t i = 0; i < img.pixels.size(); i += 3)
        img.pixels[i] = r, img.pixels[i + 1] = g, img.pixels[i + 2] = b;
    return img;
}

class TexFiles : public testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("ks_gltex_" + std::to_string(getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
};

}  // namespace

TEST(GlTex, MaskNamesAndFilters) {
    EXPECT_EQ(gltex::maskOf("data/pavlune/font.bmp"), fs::path("data/pavlune/fonta.bmp"));
    EXPECT_EQ(gltex::maskOf("cards.jpg"), fs::path("cardsa.bmp"));
    struct Case {
        int detail;
        bool ok;
        int minF, magF;
    };
    // The magnification filter is never a mipmap filter.
    const Case cases[] = {{1, true, GL_NEAREST, GL_NEAREST},
                          {2, true, GL_NEAREST_MIPMAP_NEAREST, GL_NEAREST},
                          {3, true, GL_LINEAR, GL_LINEAR},
                          {4, true, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR},
                          {0, false, 0, 0},
                          {5, false, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.detail);
        int mi = 0, ma = 0;
        EXPECT_EQ(gltex::filterFor(c.detail, mi, ma), c.ok);
        if (c.ok) {
            EXPECT_EQ(mi, c.minF);
            EXPECT_EQ(ma, c.magF);
        }
    }
}

TEST_F(TexFiles, AlphaFromMaskBlueOrFromTheRedKey) {
    // A JPEG texture with a mask beside it: alpha is the mask's blue byte.
    ASSERT_TRUE(image::writeJpeg(dir / "cards.jpg", solid(4, 2, 10, 200, 30), 95));
    image::Image mask = solid(4, 2, 0, 0, 0);
    mask.at(1, 0)[2] = 77;  // blue
    mask.at(2, 1)[0] = 99;  // red is not read
    ASSERT_TRUE(image::writeBmp(dir / "cardsa.bmp", mask));
    std::string maskBytes;
    ASSERT_TRUE(fileio::readAll(dir / "cardsa.bmp", maskBytes));
    gltex::TTexture t;
    ASSERT_TRUE(t.load(dir / "cards.jpg", 5, true));
    ASSERT_EQ(t.RGBA.size(), 4u * 2 * 4);
    EXPECT_TRUE(t.RGB.empty());
    EXPECT_EQ(t.RGBA[(0 * 4 + 1) * 4 + 3], 77);
    EXPECT_EQ(t.RGBA[(1 * 4 + 2) * 4 + 3], 0);
    // The mask file is never written back.
    std::string after;
    ASSERT_TRUE(fileio::readAll(dir / "cardsa.bmp", after));
    EXPECT_EQ(after, maskBytes);

    // Without a mask, pure red is transparent and (255, 0, 1) stays opaque.
    image::Image keyed = solid(2, 1, 255, 0, 0);
    keyed.at(1, 0)[2] = 1;
    ASSERT_TRUE(image::writeBmp(dir / "font.bmp", keyed));
    ASSERT_TRUE(t.load(dir / "font.bmp", 6, true));
    ASSERT_EQ(t.RGBA.size(), 8u);
    EXPECT_EQ(t.RGBA[3], 0);
    EXPECT_EQ(t.RGBA[7], 255);
    EXPECT_EQ(t.RGBA[4], 255);
}

TEST_F(TexFiles, TgaColoursAndMissingFiles) {
    std::string tga(18, '\0');
    tga[2] = 2;
    tga[12] = 1;
    tga[14] = 1;
    tga[16] = 24;
    tga += std::string("\x0A\x14\x1E", 3);
    ASSERT_TRUE(fileio::writeAll(dir / "t.tga", tga));
    gltex::TTexture t;
    ASSERT_TRUE(t.load(dir / "t.tga", 1, true));  // alpha asked: a TGA gives colour only
    ASSERT_EQ(t.RGB.size(), 3u);
    EXPECT_EQ(t.RGB[0], 30);
    EXPECT_EQ(t.RGB[1], 20);
    EXPECT_EQ(t.RGB[2], 10);

    auto& g = glstate::gl();
    std::string fatal;
    g.fatal = [&](const std::string& m) { fatal = m; };
    EXPECT_FALSE(t.load(dir / "none.bmp", 1, false));
    EXPECT_NE(fatal.find("none.bmp not found"), std::string::npos);
    fatal.clear();
    ASSERT_TRUE(fileio::writeAll(dir / "bad.tga", std::string(18, '\x07')));
    EXPECT_FALSE(t.load(dir / "bad.tga", 1, false));
    EXPECT_NE(fatal.find(" - unrecognized format"), std::string::npos);
    g.fatal = nullptr;

    // A damaged bitmap is reported and gives an empty texture; the program goes on.
    msgsink::Capture cap;
    ASSERT_TRUE(fileio::writeAll(dir / "bad.bmp", std::string("BMxx")));
    EXPECT_FALSE(t.load(dir / "bad.bmp", 1, false));
    EXPECT_TRUE(cap.contains("Error: cannot open/write "));
    EXPECT_EQ(t.Width, 0);
}
