// Where the in-game hint panel stands: the panel (x 122..678 of the 800 x 600 screen) takes the
// highest place that covers least of the seats' plates and bubbles, and stays put while no
// better place comes up.
#include <gtest/gtest.h>

#include <vector>

#include "app/dialoge.h"

namespace {

using dialoge::Flaeche;

TEST(HinweisPlatz, HighestPlaceThatCoversLeastOfThePlatesAndBubbles) {
    const Flaeche obenSchild{380, 40, 420, 90};      // the plate of the seat across
    const Flaeche seitlich{10, 140, 100, 160};       // a side seat's plate left of the panel
    const Flaeche eigeneBlase{380, 350, 420, 370};   // the human's bubble
    const Flaeche linkesSchild{100, 140, 160, 160};  // the panel covers 38 of its 60 units
    const Flaeche breiteBlase{200, 300, 600, 320};
    struct Case {
        const char* name;
        int hoehe;
        std::vector<Flaeche> frei;
        int jetzt;
        int oben;
    };
    const Case cases[] = {
        {"nothing on the table", 77, {}, 20, 20},
        {"a plate beside the panel", 77, {seitlich}, 20, 20},
        // 4 units below the plate's bottom at 90
        {"under the plate across", 77, {obenSchild}, 20, 94},
        // the bottom limit is 555 - 410 = 145: every place covers the human's bubble, the
        // highest clear of the plate across is 94
        {"tall panel", 410, {obenSchild, eigeneBlase}, 20, 94},
        // under the plate across the panel would cover 38/60 of the side plate; above, the
        // whole plate across: 94 covers the side plate, from 164 on nothing is covered
        {"under the side plate as well", 77, {obenSchild, linkesSchild}, 20, 164},
        // 20 covers the plate across and 38/60 of the side plate, 46 (above the bubble) 44/50 of
        // the plate across and the side plate, 94 the side plate and the bubble, 164 the whole
        // bubble; at the bottom limit 555 - 250 = 305 only the bubble's lower 15 of 20 units
        {"a wide bubble below", 250, {obenSchild, linkesSchild, breiteBlase}, 20, 305},
        // where it stands now is as good as the top: it stays
        {"stays where it is", 77, {}, 300, 300},
        {"stays under the plate", 77, {obenSchild}, 200, 200},
        // below the bottom limit (555 - 410 = 145) it cannot stay
        {"moves up from below the limit", 410, {}, 300, 20},
        // where it stands now covers the plate: it moves
        {"leaves the plate it covers", 77, {obenSchild}, 30, 94},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(dialoge::hinweisOben(c.hoehe, c.frei, c.jetzt), c.oben);
    }
}

}  // namespace
