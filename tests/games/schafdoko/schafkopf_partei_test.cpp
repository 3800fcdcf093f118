// The Schafkopf party views: what the table and each seat know of who plays with whom as the
// game goes on.
#include <gtest/gtest.h>

#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "sd_karten.h"

namespace {

// A Rufspiel of seat 1 on the Eichel-As, which seat 3 holds; the views as the flow builds them.
void rufspiel() {
    schafkopf::optionenStandard();  // Kontra and Re allowed
    cg.schafkopf.z = TSchafkopfZustand{};
    cg.schafkopf.spiel = TSchafkopfSpiel{};
    cg.schafkopf.spiel.typ = schafkopf::kRufspiel;
    cg.schafkopf.spiel.farbe = 1;
    TSchafkopfZustand& z = cg.schafkopf.z;
    z.spieler = z.gewerteterSpieler = 1;
    const char* haende[4] = {"EO GO HA HZ E7 G7 S7 EK", "HO SO EU GU GA GZ G8 G9", "EA SU HK H9 SA SZ SK S8",
                             "H8 H7 EZ HU E8 E9 GK S9"};
    for (int s = 0; s < 4; ++s) {
        const auto h = sdtest::SH(haende[s]);
        for (int i = 0; i < 8; ++i) z.gegeben[s][i] = h[static_cast<size_t>(i)];
    }
    schafkopf::parteiEreignis(0, 0);
    schafkopf::parteiEreignis(5, 1);
    for (int s = 2; s <= 4; ++s) schafkopf::parteiEreignis(9, s);
}

void spielt(int seat, const char* k) {
    TSchafkopfZustand& z = cg.schafkopf.z;
    karte c = sdtest::SK(k);
    c.nr = static_cast<uint16_t>(seat);
    z.stich[z.stichAnz++] = c;
    schafkopf::parteiEreignis(2, seat);
}

std::string sicht(int v) {
    std::string r;
    for (int s = 1; s <= 4; ++s) r += std::to_string(schafkopf::parteiCode(s, v)) + (s < 4 ? " " : "");
    return r;
}

}  // namespace

TEST(SchafkopfPartei, RufspielViewsFollowTheCalledAce) {
    rufspiel();
    EXPECT_EQ(sicht(0), "10 9 9 9");
    EXPECT_EQ(sicht(3), "10 9 10 9");  // the ace's holder knows itself a partner
    EXPECT_EQ(sicht(2), "10 11 9 9");
    EXPECT_FALSE(schafkopf::parteienOffen());
    EXPECT_TRUE(schafkopf::kontraErlaubt(2));
    EXPECT_FALSE(schafkopf::kontraErlaubt(3));
    EXPECT_FALSE(schafkopf::kontraErlaubt(1));
    // the called ace played: its seat is known to all; the others follow once inferred
    spielt(4, "E8");
    spielt(3, "EA");
    EXPECT_EQ(sicht(0), "10 9 10 9");
    schafkopf::parteiEreignis(8, 0);
    EXPECT_EQ(sicht(0), "10 11 10 11");
    EXPECT_EQ(sicht(4), "10 11 10 11");
}

TEST(SchafkopfPartei, OwnAceCalledMakesThePartiesPublic) {
    rufspiel();
    spielt(1, "EA");  // the declarer shows the ace he called himself
    EXPECT_TRUE(schafkopf::parteienOffen());
    EXPECT_EQ(sicht(0), "10 11 11 11");
}

TEST(SchafkopfPartei, ReadingOutsideTheSeatsIsReported) {
    rufspiel();
    EXPECT_EQ(schafkopf::parteiCode(5, 0), 9);
    EXPECT_EQ(schafkopf::parteiCode(1, 5), 9);
}
