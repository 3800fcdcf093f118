// The rules core: card points, base values, the bidding list, the smallest bid, Spitzen and the
// multiplier, the card order of each game type and the trick rule.
#include "games/skat_jass_schnapsen/skat_regeln.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/seams.h"
#include "games/skat/skat_karten.h"

namespace {

using namespace skat_1;

using skattest::H;
using skattest::K;

std::vector<int> liste() {
    std::vector<int> v;
    for (int i = 1; i <= cg.skat.reizAnzahl; ++i) v.push_back(reizwert(i));
    return v;
}

class SkatRegeln : public testing::Test {
protected:
    void SetUp() override {
        std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
        cg.spielId = 1;
        tabellenSetzen();
        seams::spiele.winsu = winsu;
    }
    void TearDown() override { seams::spiele = seams::Spiele{}; }
    void typ(int t) {
        cg.skat.sk.typ = t;
        cg.skat.spiel.typ = t;
        rangTabelle(t);
    }
};

}  // namespace

TEST_F(SkatRegeln, DeckHas120CardPointsAndTheBaseValues) {
    hand deck{};
    for (int f = 1; f <= 4; ++f)
        for (int t = 1; t <= 8; ++t) handaddk(deck, K(t, f));
    EXPECT_EQ(augenSumme(deck), 120);
    EXPECT_EQ(Grundwert[kKaro], 9);
    EXPECT_EQ(Grundwert[kHerz], 10);
    EXPECT_EQ(Grundwert[kPik], 11);
    EXPECT_EQ(Grundwert[kKreuz], 12);
    EXPECT_EQ(Grundwert[kGrand], 24);
    EXPECT_EQ(nullWert(false, false), 23);
    EXPECT_EQ(nullWert(true, false), 35);
    EXPECT_EQ(nullWert(false, true), 46);
    EXPECT_EQ(nullWert(true, true), 59);
}

TEST_F(SkatRegeln, BiddingListWithGrand24And20) {
    reizliste(24);
    const std::vector<int> l = liste();
    const std::vector<int> anfang = {18, 20, 22, 23, 24, 27, 30, 33, 35, 36,
                                     40, 44, 45, 46, 48, 50, 54, 55, 59, 60};
    ASSERT_GE(l.size(), anfang.size());
    EXPECT_EQ(std::vector<int>(l.begin(), l.begin() + 20), anfang);
    EXPECT_EQ(std::count(l.begin(), l.end(), 72), 1);
    EXPECT_EQ(std::count(l.begin(), l.end(), 144), 1);
    EXPECT_EQ(l.back(), 216);  // Kreuz x 18
    EXPECT_TRUE(std::is_sorted(l.begin(), l.end()));
    EXPECT_EQ(std::adjacent_find(l.begin(), l.end()), l.end());
    EXPECT_LE(cg.skat.reizAnzahl, 80);
    EXPECT_EQ(cg.skat.reizPos, 0);

    reizliste(20);
    const std::vector<int> z = liste();
    for (int v : {20, 40, 60, 80, 100, 120, 140, 160}) EXPECT_EQ(std::count(z.begin(), z.end(), v), 1) << v;
    EXPECT_EQ(Grundwert[kGrand], 20);
    // the list is the same in every deal: 59 stays
    reizliste(24);
    EXPECT_EQ(liste(), l);
}

TEST_F(SkatRegeln, SmallestBidOfAGame) {
    struct Fall {
        int wert, typ, ergebnis;
    };
    const Fall faelle[] = {{19, kKreuz, 24}, {19, kNull, 23}, {24, kKaro, 27},
                           {72, kPik, 77},   {18, kKaro, 18}, {250, kKreuz, 252},
                           {24, kNull, 35},  {47, kNull, 59}, {100, kGrand, 120}};
    for (const Fall& f : faelle)
        EXPECT_EQ(kleinsterReizwert(f.wert, f.typ), f.ergebnis) << f.wert << "/" << f.typ;
}

TEST_F(SkatRegeln, SpitzenMitAndOhne) {
    bool mit = true;
    // no Bube, no Kreuz As, no Kreuz 10, but the König: "ohne 6"
    const hand ohne6 =
        H({K(6, 1), K(5, 1), K(8, 2), K(8, 3), K(7, 4), K(1, 2), K(2, 2), K(3, 3), K(2, 4), K(1, 4)});
    EXPECT_EQ(mitOhne(ohne6, mit, kKreuz), 6);
    EXPECT_FALSE(mit);
    // all four Buben, Kreuz As, 10, König but not the Dame: "mit 7"
    const hand mit7 =
        H({K(4, 1), K(4, 2), K(4, 3), K(4, 4), K(8, 1), K(7, 1), K(6, 1), K(3, 1), K(1, 2), K(2, 2)});
    EXPECT_EQ(mitOhne(mit7, mit, kKreuz), 7);
    EXPECT_TRUE(mit);
    // Grand counts only the Buben
    EXPECT_EQ(mitOhne(mit7, mit, kGrand), 4);
    const hand mit1 = H({K(4, 1), K(4, 3), K(8, 1)});
    EXPECT_EQ(mitOhne(mit1, mit, kKreuz), 1);
    EXPECT_TRUE(mit);
}

TEST_F(SkatRegeln, MultiplierCountsEachLevelOnce) {
    const hand mit2 = H({K(4, 1), K(4, 2)});
    const hand mit1 = H({K(4, 1)});
    EXPECT_EQ(spielFaktor(mit2, kGrand, false, 0, 0), 3);
    EXPECT_EQ(spielFaktor(mit1, kKreuz, false, kSchwarz, 0), 4);  // Schneider and Schwarz reached
    EXPECT_EQ(spielFaktor(mit1, kKreuz, true, kSchwarz, 0), 5);   // Hand: one more, not two
    EXPECT_EQ(spielFaktor(mit1, kKreuz, false, 0, 0) + 1, spielFaktor(mit1, kKreuz, true, 0, 0));
    EXPECT_EQ(spielFaktor(mit1, kKreuz, true, 0, kSchneiderAngesagt), 5);
    EXPECT_EQ(spielFaktor(mit1, kKreuz, true, kSchwarz, kSchneiderAngesagt), 6);
    EXPECT_EQ(spielFaktor(mit1, kKreuz, true, 0, kSchwarzAngesagt), 7);
    EXPECT_EQ(spielFaktor(mit1, kKreuz, true, 0, kOffen), 8);
}

TEST_F(SkatRegeln, RankTablesAndTheirInverses) {
    typ(kNull);
    const int nullRang[9] = {0, 8, 7, 6, 4, 3, 2, 5, 1};
    for (int t = 1; t <= 8; ++t) EXPECT_EQ(Rangtabelle[t], nullRang[t]) << t;
    const int nullInvers[9] = {0, 8, 6, 5, 4, 7, 3, 2, 1};
    for (int r = 1; r <= 8; ++r) EXPECT_EQ(RangInvers[r], nullInvers[r]) << r;
    typ(kRamsch);
    // As 1, 10 2, König 3, Dame 4, Bube 5, 9 6, 8 7, 7 8 and its true inverse
    const int ramschRang[9] = {0, 8, 7, 6, 5, 4, 3, 2, 1};
    for (int t = 1; t <= 8; ++t) {
        EXPECT_EQ(Rangtabelle[t], ramschRang[t]) << t;
        EXPECT_EQ(RangInvers[Rangtabelle[t]], t) << t;
    }
    typ(kHerz);
    for (int t = 1; t <= 8; ++t) EXPECT_EQ(Rangtabelle[t], t);
}

TEST_F(SkatRegeln, TrickRulePerGameType) {
    struct Fall {
        int typ;
        karte a, b;
        bool sticht;
    };
    const Fall faelle[] = {
        {kNull, K(7, 3), K(3, 3), true},  // Null: the 10 of Herz after the 9 wins
        {kNull, K(4, 3), K(7, 3), true},  // Null: the Bube after the 10 wins
        {kNull, K(7, 3), K(4, 3), false},  {kNull, K(8, 2), K(1, 3), false},  // another suit never wins
        {kKreuz, K(4, 4), K(8, 1), true},   // suit game: Karo Bube after the trump As
        {kKreuz, K(4, 2), K(4, 1), false},  // the Kreuz Bube is the highest
        {kKreuz, K(1, 1), K(8, 3), true},   // a trump 7 over a plain As
        {kKreuz, K(8, 3), K(7, 3), true},  {kKreuz, K(7, 3), K(7, 3), false},  // equal cards never win
        {kGrand, K(4, 4), K(8, 1), true},                                      // Grand: any Bube over any As
        {kGrand, K(8, 1), K(7, 1), true},  {kGrand, K(7, 2), K(6, 1), false},
        {kRamsch, K(4, 3), K(4, 4), true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.typ << " " << int(f.a.t) << "/" << int(f.a.f) << " after "
                                        << int(f.b.t) << "/" << int(f.b.f));
        typ(f.typ);
        EXPECT_EQ(sticht(f.a, f.b), f.sticht);
    }
}

TEST_F(SkatRegeln, TrickWinnerAndSeats) {
    typ(kPik);
    cg.skat.geber = 3;
    EXPECT_EQ(vorhand(), 1);
    EXPECT_EQ(mittelhand(), 2);
    EXPECT_EQ(hinterhand(), 3);
    stichKarten().anz = 3;
    stichKarten().at(2) = K(8, 3);  // leads the Herz As
    stichKarten().at(3) = K(7, 3);
    stichKarten().at(1) = K(1, 2);  // trumps with the Pik 7
    EXPECT_EQ(stichGewinner(2), 1);
    stichKarten().at(1) = K(2, 4);  // a plain Karo 8
    EXPECT_EQ(stichGewinner(2), 2);
}

TEST_F(SkatRegeln, BadCardIsReportedAndTheOperationGoesOn) {
    typ(kGrand);
    karte schlecht{9, 1, 0};
    EXPECT_FALSE(kartenPruefen(schlecht, "winsu.uk1"));
    EXPECT_TRUE(kartenPruefen(K(8, 4), "winsu.uk1"));
    hand r;
    winhand(H({K(4, 1), K(8, 2)}), K(8, 1), r);
    EXPECT_EQ(r.anz, 1);  // only the Bube beats the Kreuz As in Grand
}
