#include "tools/cards/room.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

namespace {

// The reader of param.txt: each key is searched forward from where the last one ended and is
// followed by exactly two digits.
bool readParams(const std::string& text, int out[room::kParams]) {
    size_t pos = 0;
    for (int i = 0; i < room::kParams; ++i) {
        const size_t at = text.find(room::kKeys[i], pos);
        if (at == std::string::npos) return false;
        pos = at + std::string(room::kKeys[i]).size();
        if (pos + 2 > text.size() || !std::isdigit(static_cast<unsigned char>(text[pos])) ||
            !std::isdigit(static_cast<unsigned char>(text[pos + 1])))
            return false;
        out[i] = (text[pos] - '0') * 10 + (text[pos + 1] - '0');
        pos += 2;
    }
    return true;
}

}  // namespace

TEST(Room, ParamFilesReadBackInTheFixedKeyOrder) {
    for (int env = 1; env <= room::kEnvironments; ++env) {
        SCOPED_TRACE(env);
        const room::Params p = room::params(env);
        int read[room::kParams];
        ASSERT_TRUE(readParams(room::paramText(env, p), read));
        for (int i = 0; i < room::kParams; ++i) EXPECT_EQ(read[i], p.v[i]) << room::kKeys[i];
        // Values the renderer and the chips divide by, and the table shapes it knows.
        EXPECT_GT(p.v[11], 0);  // gray
        EXPECT_GT(p.v[13], 0);  // ref_weg
        EXPECT_GE(p.v[0], 0);
        EXPECT_LE(p.v[0], 6);  // rund
    }
    // Out-of-range values are written as two digits all the same.
    room::Params odd = room::params(1);
    odd.v[0] = 123;
    odd.v[1] = -4;
    int read[room::kParams];
    ASSERT_TRUE(readParams(room::paramText(1, odd), read));
    EXPECT_EQ(read[0], 99);
    EXPECT_EQ(read[1], 0);
    // The heading holds no key, so it cannot be mistaken for one.
    const std::string text = room::paramText(2, room::params(2));
    EXPECT_EQ(text.find("rund="), text.find('\n') + 1);
}

TEST(Room, EveryEnvironmentHasTheRequiredPictures) {
    const char* required[] = {"wand.jpg",    "wandlm.jpg", "boden.jpg",
                              "bodenlm.jpg", "tisch.jpg",  "tischlm.jpg"};
    for (int env = 1; env <= room::kEnvironments; ++env) {
        SCOPED_TRACE(env);
        const auto names = room::pictures(env);
        for (const char* r : required) EXPECT_NE(std::find(names.begin(), names.end(), r), names.end()) << r;
        const bool shaped = room::params(env).v[0] >= 3;
        EXPECT_EQ(std::find(names.begin(), names.end(), "tisch2.jpg") != names.end(), shaped);
        for (const auto& n : names) EXPECT_GT(room::picture(env, n, 32).width(), 0) << n;
    }
    EXPECT_EQ(room::picture(1, "nichts.jpg", 32).width(), 0);
}

TEST(Room, RepeatedTexturesTileWithoutSeams) {
    // Opposite edges of a repeated picture must match as well as neighbouring rows do.
    for (int env = 1; env <= room::kEnvironments; ++env)
        for (const char* name : {"tisch.jpg", "wand.jpg", "boden.jpg"}) {
            SCOPED_TRACE(testing::Message() << env << " " << name);
            const canvas::Canvas c = room::picture(env, name, 128);
            double seam = 0, inner = 0;
            for (int i = 0; i < 128; ++i) {
                auto d = [](canvas::Color a, canvas::Color b) {
                    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
                };
                seam += d(c.get(127, i), c.get(0, i)) + d(c.get(i, 127), c.get(i, 0));
                inner += d(c.get(63, i), c.get(64, i)) + d(c.get(i, 63), c.get(i, 64));
            }
            EXPECT_LT(seam, inner * 2.5 + 128 * 8);
        }
}
