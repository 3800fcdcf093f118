// The packed card-set records are plain values: copies made by the compiler (braced lists,
// vectors, assignment) keep every field, wherever the record lies in memory.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <vector>

#include "core/karten.h"

namespace {

hand haendchen(int anz, uint8_t farbe, uint8_t besitzer) {
    hand h{};
    h.anz = static_cast<int16_t>(anz);
    for (int i = 1; i <= anz; ++i) h.at(i) = karte{static_cast<uint8_t>(i), farbe, static_cast<uint16_t>(100 + i)};
    h.besitzer = besitzer;
    h.zaehler1[5] = 7;
    h.zaehler2[5][2] = 9;
    return h;
}

void pruefen(const hand& h, int anz, uint8_t farbe, uint8_t besitzer) {
    EXPECT_EQ(+h.anz, anz);
    for (int i = 1; i <= anz; ++i) {
        EXPECT_EQ(+h.at(i).t, i);
        EXPECT_EQ(+h.at(i).f, farbe);
        EXPECT_EQ(+h.at(i).nr, 100 + i);
    }
    EXPECT_EQ(+h.at(anz + 1).t, 0);
    EXPECT_EQ(+h.besitzer, besitzer);
    EXPECT_EQ(h.zaehler1[5], 7);
    EXPECT_EQ(h.zaehler2[5][2], 9);
}

TEST(Hand, CopiesKeepCountCardsOwnerAndCounters) {
    // A braced list copies its elements out of an initializer list of temporaries.
    const std::vector<hand> v = {haendchen(3, 1, 2), haendchen(0, 2, 3), haendchen(166 - 1, 4, 6)};
    ASSERT_EQ(v.size(), 3u);
    pruefen(v[0], 3, 1, 2);
    pruefen(v[1], 0, 2, 3);
    pruefen(v[2], 165, 4, 6);

    // Growing the vector moves the records to new storage.
    std::vector<hand> w;
    for (int n = 1; n <= 9; ++n) w.push_back(haendchen(n, 3, static_cast<uint8_t>(n % 6 + 1)));
    for (int n = 1; n <= 9; ++n) pruefen(w[static_cast<size_t>(n - 1)], n, 3, static_cast<uint8_t>(n % 6 + 1));

    hand a = haendchen(5, 2, 4);
    a = v[0];
    pruefen(a, 3, 1, 2);
}

// Three cards laid one by one into a fresh record, the shape test fixtures build hands in.
hand drei(karte a, karte b, karte c) {
    hand h{};
    h.anz = 3;
    h.at(1) = a;
    h.at(2) = b;
    h.at(3) = c;
    return h;
}

// Read out of line, as a game's routine reads the hands it is handed.
[[gnu::noinline]] int anzahlen(const std::vector<hand>& v, const hand& dazu) {
    int summe = 0;
    for (const hand& h : v) summe = summe * 100 + h.anz;
    return summe * 100 + dazu.anz;
}
karte kk(int t, int f) { return karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0}; }

TEST(Hand, BracedListOfFreshlyBuiltRecordsKeepsTheirCounts) {
    // GCC 12.2 at -O2 loses the first record's count here unless its scalar replacement of
    // aggregates is off (the build turns it off there).
    // Built inline into the list's backing array; the cards and the count must both survive.
    const std::vector<hand> v = {drei(kk(7, 1), kk(3, 1), kk(1, 4)), drei(kk(8, 2), kk(4, 2), kk(1, 3))};
    const hand dazu = drei(kk(8, 1), kk(6, 2), kk(5, 2));
    EXPECT_EQ(anzahlen(v, dazu), 30303);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(+v[0].anz, 3);
    EXPECT_EQ(+v[1].anz, 3);
    EXPECT_EQ(+v[0].at(1).t, 7);
    EXPECT_EQ(+v[0].at(3).f, 4);
    EXPECT_EQ(+v[1].at(2).t, 4);
}

TEST(Hand, RecordAtAnOddAddressCopiesWhole) {
    // The record has alignment 1: it may start at any byte inside the central record.
    alignas(8) unsigned char puffer[1 + sizeof(hand)] = {};
    static_assert(alignof(hand) == 1);
    hand* schief = new (puffer + 1) hand(haendchen(4, 3, 5));
    pruefen(*schief, 4, 3, 5);
    const hand kopie = *schief;
    pruefen(kopie, 4, 3, 5);
    EXPECT_EQ(std::memcmp(&kopie, puffer + 1, sizeof(hand)), 0);
}

}  // namespace
