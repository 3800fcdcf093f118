// The series limits both games share: the numbers read from the rule page's lists, the end of a
// series by rounds or by points, and the limit text.
#include <gtest/gtest.h>

#include <array>

#include "games/schafkopf_doppelkopf/sd_tisch.h"

namespace {

void stand(int runden, std::array<int32_t, 4> konten) {
    cg.spielliste.runden = runden;
    for (int s = 1; s <= 4; ++s) cg.konto[s] = konten[static_cast<size_t>(s - 1)];
}

}  // namespace

TEST(SdSerie, NumbersOfTheListLines) {
    const std::pair<const char*, int> cases[] = {
        {"1 Runde", 1}, {"10 Runden", 10}, {"200 Runden", 200}, {"5 Punkte", 5}, {"Keine", 99999}};
    for (const auto& [t, n] : cases) EXPECT_EQ(sd::zahlAusText(t), n) << t;
}

TEST(SdSerie, EndsByRoundsOrByTheBestTotal) {
    struct Case {
        int runden;
        std::array<int32_t, 4> konten;
        int rundenLimit, punkteLimit;
        bool ende;
    };
    const Case cases[] = {
        {9, {0, 0, 0, 0}, 10, 0, false},      {10, {0, 0, 0, 0}, 10, 0, true},
        {3, {4, 9, -13, 0}, 10, 10, false},   {3, {4, 10, -14, 0}, 10, 10, true},
        {3, {-30, 10, 20, 0}, 200, 0, false},  // no points limit
        {199, {0, 0, 0, 0}, 200, 0, false},   {200, {0, 0, 0, 0}, 200, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.runden << " / " << c.rundenLimit << " / " << c.punkteLimit);
        stand(c.runden, c.konten);
        EXPECT_EQ(sd::partieEnde(c.rundenLimit, c.punkteLimit), c.ende);
    }
    stand(0, {0, 0, 0, 0});
}

TEST(SdSerie, LimitTextSaysUnlimitedForNoLimit) {
    stand(3, {-2, 7, 1, -6});
    EXPECT_EQ(sd::limitText(200, 0),
              "3 von unbegrenzt Runden gespielt, 7 von unbegrenzt max. Punkten erreicht");
    EXPECT_EQ(sd::limitText(10, 50), "3 von 10 Runden gespielt, 7 von 50 max. Punkten erreicht");
    stand(0, {0, 0, 0, 0});
}
