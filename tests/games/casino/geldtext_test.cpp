#include "games/casino/geldtext.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/cg.h"
#include "platform/text.h"

namespace {

TEST(GeldText, AmountsInEachCurrency) {
    std::memset(static_cast<void*>(&cg), 0, sizeof(TCG));
    cg.spielId = 9;
    struct Case {
        int waehrung;
        int64_t betrag;
        bool plus;
        const char* text;
    };
    const Case cases[] = {
        {2, 25, false, "250 €"}, {3, 25, false, "250 $"},  {1, 25, false, "50 ct"}, {1, 60, true, "+1,20 €"},
        {2, 0, true, "0 €"},     {2, -5, false, "- 50 €"}, {2, -5, true, "- 50 €"}, {1, 50, false, "1,00 €"},
        {1, -3, true, "- 6 ct"}, {3, 7, true, "+70 $"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.waehrung << " " << c.betrag);
        cg.blackjack.waehrung = c.waehrung;
        EXPECT_EQ(text::toUtf8(geldtext::formatMoney(c.betrag, c.plus)), c.text);
    }
}

TEST(GeldText, ActionLabels) {
    std::string a, b;
    geldtext::actionLabel(1, a, true, false, true);
    geldtext::actionLabel(2, b, true, false, true);
    EXPECT_EQ(a, b);
    EXPECT_EQ(text::toUtf8(a), "Mitgehen ");
    geldtext::actionLabel(0, a, false, true, false);
    EXPECT_EQ(a, "Raise ");
    geldtext::actionLabel(5, a, true, false, false);
    EXPECT_EQ(text::toUtf8(a), "Erhöht um");
    geldtext::actionLabel(42, a, true, false, false);
    EXPECT_EQ(a, "");
}

}  // namespace
