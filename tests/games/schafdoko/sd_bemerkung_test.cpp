// The spoken remarks of both trick games: which events say something at which trick value or
// level, with what excitement and which remark values, and which seat answers a trick.
#include <gtest/gtest.h>

#include "games/schafkopf_doppelkopf/sd_tisch.h"

TEST(SdBemerkung, EventsMapToKindExcitementAndRemarks) {
    struct Case {
        bool dk;
        int ereignis, seat, wert;
        int art, erregung, a, b;
    };
    const Case cases[] = {
        // Schafkopf, the trick's winner: grades at 40, 36, 33, 30 card points; nothing below.
        {false, 1, 2, 45, 0, 95, 2, 3},
        {false, 1, 2, 40, 0, 95, 2, 3},
        {false, 1, 2, 39, 0, 90, 2, 3},
        {false, 1, 2, 35, 0, 80, 2, 3},
        {false, 1, 2, 32, 0, 60, 1, 2},
        {false, 1, 2, 29, -1, 0, 0, 0},
        // Schafkopf, the other party's seat.
        {false, 2, 3, 40, 0, 95, -3, -2},
        {false, 2, 3, 36, 0, 90, -3, -2},
        {false, 2, 3, 33, 0, 80, -2, -1},
        {false, 2, 3, 30, 0, 60, -2, -1},
        {false, 2, 3, 0, -1, 0, 0, 0},
        {false, 3, 4, 0, 0, 90, 2, 3},
        {false, 4, 4, 0, 0, 90, -3, -2},
        // Doppelkopf: a special trick without a value, an ordinary one graded at 36, 33, 30.
        {true, 1, 2, 0, 0, 90, 2, 3},
        {true, 2, 2, 0, 0, 90, -3, -2},
        {true, 3, 2, 44, 0, 90, 2, 3},
        {true, 3, 2, 34, 0, 80, 2, 3},
        {true, 3, 2, 31, 0, 60, 1, 2},
        {true, 3, 2, 20, -1, 0, 0, 0},
        {true, 4, 3, 36, 0, 90, -3, -2},
        {true, 4, 3, 33, 0, 80, -3, -2},
        {true, 4, 3, 30, 0, 60, -2, -1},
        // Kontra and announcements, by level; the human seat never remarks.
        {false, 5, 2, 1, 2, 60, 1, 0},
        {false, 6, 2, 2, 2, 80, 2, 0},
        {true, 5, 3, 3, 2, 90, 1, 0},
        {true, 6, 4, 4, 2, 95, 2, 0},
        {true, 6, 4, 5, 2, 95, 2, 0},
        {true, 5, 1, 2, -1, 0, 0, 0},
        {false, 6, 1, 1, -1, 0, 0, 0},
        // Unknown events say nothing.
        {false, 7, 2, 40, -1, 0, 0, 0},
        {true, 0, 2, 40, -1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const sd::Bemerkung b = sd::bemerkung(c.dk, c.ereignis, c.seat, c.wert);
        SCOPED_TRACE(testing::Message() << (c.dk ? "Doppelkopf" : "Schafkopf") << " event " << c.ereignis
                                        << " seat " << c.seat << " value " << c.wert);
        EXPECT_EQ(b.art, c.art);
        if (c.art < 0) continue;
        EXPECT_EQ(b.erregung, c.erregung);
        EXPECT_EQ(b.a, c.a);
        EXPECT_EQ(b.b, c.b);
    }
}

TEST(SdBemerkung, TheNearestSeatOfTheOtherSideAnswersATrick) {
    struct Case {
        int code[4];
        int sieger, erwartet;
    };
    const Case cases[] = {
        {{10, 11, 10, 11}, 1, 2},  // the next seat
        {{10, 10, 11, 11}, 2, 3},
        {{10, 10, 11, 10}, 4, 3},  // the seat before
        {{11, 10, 11, 10}, 3, 4},
        {{10, 11, 11, 11}, 3, 1},  // two seats on, across seat 4
        {{9, 9, 9, 9}, 2, 0},      // nothing known: nobody
    };
    for (const Case& c : cases) {
        TParteiSicht v{};
        for (int s = 0; s < 4; ++s) v.code[s] = c.code[s];
        EXPECT_EQ(sd::gegenueber(v, c.sieger), c.erwartet) << "winner " << c.sieger;
    }
}
