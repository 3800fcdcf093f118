// The environment loader on a real GL context: every required picture is decoded before
// anything is applied.
#include <gtest/gtest.h>

#include <fstream>

#include "render_fixture.h"

using namespace rendertest;
namespace fs = std::filesystem;

namespace {

const char* const kParam =
    "rund=01 reflection=00 tbreite=40 thoehe=30 kbreite=05 bbreite=50 bhoehe=50 blight=80 wbreite=50 "
    "whoehe=30 wlight=70 gray=45 transparenz=20 ref_weg=00";

// bilder/1/env7 with param.txt and every picture (the small test picture), wand.jpg replaced
// as the case says.
fs::path environment(const std::string& wand) {
    const fs::path bilder = fs::temp_directory_path() / ("ks_env_" + std::to_string(::getpid()));
    const fs::path dir = bilder / "1" / "env7";
    fs::remove_all(bilder);
    fs::create_directories(dir);
    std::ofstream(dir / "param.txt") << kParam;
    const fs::path good = fs::path(KS_SOURCE_DIR) / "tests/fixtures/bilder/small.jpg";
    for (const char* n : {"wandlm.jpg", "bodenlm.jpg", "wand.jpg", "boden.jpg", "tisch.jpg", "tischlm.jpg"})
        fs::copy_file(good, dir / n);
    fs::remove(dir / "wand.jpg");
    if (wand == "dir")
        fs::create_directories(dir / "wand.jpg");
    else if (wand == "cut")
        fs::copy_file(fs::path(KS_SOURCE_DIR) / "tests/fixtures/bilder/cut_atlas.jpg", dir / "wand.jpg");
    else if (wand == "good")
        fs::copy_file(good, dir / "wand.jpg");
    else if (wand != "missing")
        std::ofstream(dir / "wand.jpg") << wand;
    return bilder;
}

}  // namespace

class EnvironmentGl : public testing::Test {
protected:
    void SetUp() override {
        std::string why;
        if (!openWindow(why)) GTEST_SKIP() << why;
    }
};

TEST_F(EnvironmentGl, ABadRequiredPictureAppliesNothing) {
    const glu::TableTextures savedTex = glu::tex;
    const TEnvParam savedParam = envParam;
    struct Case {
        const char* wand;
        const char* error;
    };
    const Case cases[] = {{"", "Bild beschädigt: wand.jpg"},
                          {"garbage, not a picture", "Bild beschädigt: wand.jpg"},
                          {"dir", "Bild beschädigt: wand.jpg"},
                          {"cut", "Bild beschädigt: wand.jpg"},
                          {"missing", "Bild fehlt: wand.jpg"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wand);
        const fs::path bilder = environment(c.wand);
        glu::tex.wand = 4711;
        glu::tex.boden = 4712;
        envParam.gray = 38;
        std::string error;
        EXPECT_FALSE(tischbilder::loadenvironment(bilder, 1, 7, error));
        EXPECT_EQ(error, text::w(c.error));
        EXPECT_EQ(glu::tex.wand, 4711u);
        EXPECT_EQ(glu::tex.boden, 4712u);
        EXPECT_EQ(envParam.gray, 38);
        fs::remove_all(bilder);
    }
    const fs::path bilder = environment("good");
    std::string error;
    ASSERT_TRUE(tischbilder::loadenvironment(bilder, 1, 7, error)) << error;
    EXPECT_NE(glu::tex.wand, 4711u);
    EXPECT_NE(glu::tex.wand, 0u);
    EXPECT_EQ(glu::tex.out, 0u);  // optional and absent
    EXPECT_EQ(envParam.gray, 45);
    glu::tex = savedTex;
    envParam = savedParam;
    fs::remove_all(bilder);
}
