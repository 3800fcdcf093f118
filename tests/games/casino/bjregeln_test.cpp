#include "games/casino/bjregeln.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// value codes: 1..3 = 7..9, 4 Bube, 5 Dame, 6 König, 7 = 10, 8 As, 9..13 = 2..6
constexpr uint8_t As = 8, Zehn = 7, Bube = 4, Dame = 5, Koenig = 6, Neun = 3, Sieben = 1;
constexpr uint8_t Zwei = 9, Drei = 10, Vier = 11, Fuenf = 12, Sechs = 13;

std::vector<karte> hand(std::initializer_list<uint8_t> werte) {
    std::vector<karte> h;
    uint8_t f = 1;
    for (uint8_t t : werte) h.push_back(karte{t, static_cast<uint8_t>(f++ % 4 + 1), 0});
    return h;
}

TEST(BjRegeln, HandValuesOfBothDecks) {
    struct Case {
        std::vector<karte> h;
        bool kurz;
        int normal, low;
    };
    const Case cases[] = {
        {hand({As, As}), false, 12, 2},
        {hand({As, As, Neun}), false, 21, 11},
        {hand({As, Sechs}), false, 17, 7},
        {hand({As, Sechs, Zehn}), false, 17, 17},
        {hand({As, As, As, As, Sieben}), false, 21, 11},
        {hand({Koenig, Dame, Zwei}), false, 22, 22},
        {hand({As, Bube}), false, 21, 11},
        {hand({Drei, Fuenf, As, As}), false, 20, 10},
        // 17 und 4: picture cards 2, 3, 4; two aces alone are 21; an As never counts 1
        {hand({As, As}), true, 21, 21},
        {hand({As, As, Sieben}), true, 29, 29},
        {hand({Bube, Dame, Koenig}), true, 9, 9},
        {hand({As, Zehn}), true, 21, 21},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "cards " << c.h.size() << " kurz " << c.kurz << " expect " << c.normal);
        EXPECT_EQ(bjregeln::handWert(c.h.data(), static_cast<int>(c.h.size()), -1, c.kurz), c.normal);
        EXPECT_EQ(bjregeln::handWert(c.h.data(), static_cast<int>(c.h.size()), 1, c.kurz), c.low);
    }
}

TEST(BjRegeln, NaturalsSoftSeventeenAndTheDealer) {
    const auto bj = hand({As, Koenig}), drei21 = hand({Sieben, Sieben, Sieben}), asse = hand({As, As});
    EXPECT_TRUE(bjregeln::istNatural(bj.data(), 2, false));
    EXPECT_FALSE(bjregeln::istNatural(drei21.data(), 3, false));
    EXPECT_FALSE(bjregeln::istNatural(bj.data(), 2, true));  // 17 und 4 knows no natural
    EXPECT_TRUE(bjregeln::zweiAsse(asse.data(), 2, true));
    EXPECT_FALSE(bjregeln::zweiAsse(asse.data(), 2, false));

    const auto weich2 = hand({As, Sechs}), weich3 = hand({As, Zwei, Vier}), hart = hand({Zehn, Sieben});
    EXPECT_TRUE(bjregeln::weicheSiebzehn(weich2.data(), 2, false));
    EXPECT_TRUE(bjregeln::weicheSiebzehn(weich3.data(), 3, false));
    EXPECT_FALSE(bjregeln::weicheSiebzehn(hart.data(), 2, false));

    const auto sechzehn = hand({Zehn, Sechs});
    EXPECT_TRUE(bjregeln::dealerZieht(sechzehn.data(), 2, false));
    EXPECT_FALSE(bjregeln::dealerZieht(hart.data(), 2, true));
    EXPECT_FALSE(bjregeln::dealerZieht(weich3.data(), 3, false));
    EXPECT_TRUE(bjregeln::dealerZieht(weich3.data(), 3, true));
}

TEST(BjRegeln, BetsAndPayouts) {
    EXPECT_EQ(bjregeln::clampBet(1, 2, 10, 100), 2);
    EXPECT_EQ(bjregeln::clampBet(40, 2, 10, 100), 10);
    EXPECT_EQ(bjregeln::clampBet(8, 2, 10, 5), 5);
    EXPECT_EQ(bjregeln::clampBet(8, 2, 10, 1), -1);
    EXPECT_EQ(bjregeln::gewinn(5, true, false, false), 7);  // 3 to 2, rounded down
    EXPECT_EQ(bjregeln::gewinn(4, true, false, false), 6);
    EXPECT_EQ(bjregeln::gewinn(5, false, true, true), 10);
    EXPECT_EQ(bjregeln::gewinn(5, false, false, true), 5);
    EXPECT_EQ(bjregeln::minBetStep(3, false, 2), 6);
    EXPECT_EQ(bjregeln::minBetStep(4, true, 1), 5);
    EXPECT_EQ(bjregeln::maxBetStep(2, true, 10), 15);
    EXPECT_EQ(bjregeln::maxBetStep(0, false, 10), 10);
    EXPECT_EQ(bjregeln::maxBetStep(6, false, 30), 30);
    EXPECT_EQ(bjregeln::rundenLimit("Keine Grenze"), 200);
    EXPECT_EQ(bjregeln::rundenLimit("50 Runden"), 50);
    EXPECT_EQ(bjregeln::rundenLimit("ohne"), 99999);
}

TEST(BjRegeln, HiLoCount) {
    for (uint8_t t : {Zwei, Drei, Fuenf, Sechs}) EXPECT_EQ(bjregeln::zaehlWert(t), 1);
    for (uint8_t t : {Sieben, Neun}) EXPECT_EQ(bjregeln::zaehlWert(t), 0);
    for (uint8_t t : {Zehn, Bube, Dame, Koenig, As}) EXPECT_EQ(bjregeln::zaehlWert(t), -1);
}

}  // namespace
