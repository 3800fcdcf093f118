// The Schafkopf flow with scripted answers: the order of the bidding and every path through it
// (nobody plays, Ramsch, one bidder, two bidders, the first bidder passing), the Kontra and Re
// laps, the first lead, a Bettel ending early, and a game saved and restored inside a trick.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/central.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "harness/lib/harness.h"
#include "sd_lauf.h"
#include "table/glu.h"

namespace {

using sdtest::Frage;

// seat 1 can call Grün (seat 2 holds its ace) or Schellen (seat 3), not Eichel (its own ace)
const char* const kHaende[4] = {"EO GO HA HZ EA E7 G7 S7", "HO SO EU GU GA GZ G8 G9",
                                "HU SU HK H9 SA SZ SK S8", "H8 H7 EZ EK E8 E9 GK S9"};

class SchafkopfAblauf : public sdtest::Ablauf {
protected:
    SchafkopfAblauf() : Ablauf(sdtest::schafkopfSpiel()) {}
    void SetUp() override {
        Ablauf::SetUp();
        ASSERT_TRUE(schafkopf::optionSetzen("Laufende", 0));
    }
    void starten() { Ablauf::starten(kHaende); }
    std::array<int, 4> betraege() const {
        const TGameResult& r = schafkopf::letztesErgebnis();
        return {r.at(1), r.at(2), r.at(3), r.at(4)};
    }
};

constexpr int kSpielen = 93, kWeiter = 37, kPassen = 43, kAnsagen = 96, kNormal = 95;

}  // namespace

TEST_F(SchafkopfAblauf, NobodyPlaysEndsWithoutACard) {
    skript[93] = {kWeiter, kWeiter, kWeiter, kWeiter};
    starten();
    zuEnde();
    EXPECT_EQ(sitze(93), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(schafkopf::letztesErgebnis().text1, "Kein Spiel");
    EXPECT_EQ(betraege(), (std::array<int, 4>{0, 0, 0, 0}));
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(harness::anzahl(s), 8);
    EXPECT_EQ(ersterAusspieler(), 0);
    const schafkopf::Statistik& st = schafkopf::statistik();
    EXPECT_EQ(st.ohneSpieler, 1);
    EXPECT_EQ(st.gewonnen + st.verloren + st.toutGewonnen + st.toutVerloren, 0);
}

TEST_F(SchafkopfAblauf, NobodyPlaysWithRamschPlaysARamsch) {
    ASSERT_TRUE(schafkopf::optionSetzen("Ramsch", 1));
    skript[93] = {kWeiter, kWeiter, kWeiter, kWeiter};
    starten();
    zuEnde();
    EXPECT_EQ(cg.schafkopf.spiel.typ, schafkopf::kRamsch);
    EXPECT_TRUE(von(44).empty());  // no Kontra in a Ramsch
    EXPECT_EQ(schafkopf::letztesErgebnis().text1.rfind("Ramsch ", 0), 0u);
    const auto b = betraege();
    EXPECT_EQ(std::count(b.begin(), b.end(), -6), 1);
    EXPECT_EQ(std::count(b.begin(), b.end(), 2), 3);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(harness::anzahl(s), 0);
    EXPECT_EQ(schafkopf::statistik().ohneSpieler, 1);  // a Ramsch has no declarer
    EXPECT_EQ(schafkopf::statistik().verloren, 0);
}

TEST_F(SchafkopfAblauf, OneBidderNamesARufspielAfterTheLapAndTheSeatAfterTheDealerLeads) {
    skript[93] = {kSpielen, kWeiter, kWeiter, kWeiter};
    skript[92] = {8};
    skript[91] = {2};  // Grün
    skript[44] = {-1, -1, -1, -1};
    starten();
    bis([this] { return ersterAusspieler() != 0; });
    const std::vector<Frage> erwartet = {{1, 93, {}}, {2, 93, {}}, {3, 93, {}}, {4, 93, {}},
                                         {1, 92, {}}, {1, 91, {}}, {3, 44, {}}, {4, 44, {}}};
    EXPECT_EQ(vorDemSpiel(), erwartet);
    // the suits offered to call: not Eichel (own ace), never Herz
    EXPECT_EQ(von(91)[0].knoepfe, (std::vector<std::string>{"!Pik", "!Karo"}));
    EXPECT_EQ(cg.schafkopf.spiel.typ, schafkopf::kRufspiel);
    EXPECT_EQ(cg.schafkopf.spiel.farbe, 2);
    EXPECT_EQ(cg.schafkopf.z.spieler, 1);
    // seat 2 holds the called ace: it knows itself on the declarer's side and is not offered Kontra
    EXPECT_EQ(schafkopf::parteiCode(2, 2), 10);
    EXPECT_EQ(schafkopf::parteiCode(2, 3), 9);
    EXPECT_EQ(ersterAusspieler(), 1);  // dealer 4: seat 1 leads
    zuEnde();
    EXPECT_EQ(schafkopf::letztesErgebnis().text1.rfind("Pik-Rufspiel", 0), 0u);
    const auto b = betraege();
    EXPECT_EQ(b[0], b[1]);
    EXPECT_EQ(b[2], b[3]);
    EXPECT_EQ(b[0], -b[2]);
    // counted as a Rufspiel, won when seats 1 and 2 gained
    const schafkopf::Statistik& st = schafkopf::statistik();
    EXPECT_EQ(st.rufGewonnen, b[0] > 0 ? 1 : 0);
    EXPECT_EQ(st.rufVerloren, b[0] > 0 ? 0 : 1);
    EXPECT_EQ(st.gewonnen + st.verloren, 1);
}

TEST_F(SchafkopfAblauf, TwoBiddersTheSecondMayOnlyNameAHigherGame) {
    skript[93] = {kSpielen, kSpielen, kWeiter, kWeiter};
    skript[97] = {kAnsagen};
    skript[92] = {3, 2};  // seat 1 a Wenz, seat 2 a Farbsolo
    skript[94] = {kNormal, kNormal};
    skript[91] = {4};
    skript[44] = {-1, -1, -1, -1};
    starten();
    bis([this] { return ersterAusspieler() != 0; });
    const std::vector<Frage> erwartet = {{1, 93, {}}, {2, 93, {}}, {1, 97, {}}, {1, 92, {}}, {1, 94, {}},
                                         {2, 92, {}}, {2, 91, {}}, {2, 94, {}}, {3, 93, {}}, {4, 93, {}}};
    std::vector<Frage> bieten(fragen.begin(),
                              fragen.begin() + std::min<size_t>(fragen.size(), erwartet.size()));
    EXPECT_EQ(bieten, erwartet);
    // the first bidder chooses among all games; the second may pass, and a Wenz or Geier only Tout
    EXPECT_EQ(von(92)[0].knoepfe, (std::vector<std::string>{"!Farbsolo", "!Wenz", "!Geier", "!Rufspiel"}));
    EXPECT_EQ(von(92)[1].knoepfe,
              (std::vector<std::string>{"!Passen", "!Farbsolo", "!Wenz-Tout", "!Geier-Tout"}));
    EXPECT_EQ(cg.schafkopf.spiel.typ, schafkopf::kSolo);
    EXPECT_EQ(cg.schafkopf.spiel.farbe, 4);
    EXPECT_EQ(cg.schafkopf.spiel.tout, 0);
    EXPECT_EQ(cg.schafkopf.z.spieler, 2);
    zuEnde();
    const auto b = betraege();
    EXPECT_EQ(b[0] + b[1] + b[2] + b[3], 0);
    EXPECT_EQ(b[1], -3 * b[0]);
}

TEST_F(SchafkopfAblauf, FirstBidderPassesAndTheSecondPlaysAlone) {
    skript[93] = {kSpielen, kSpielen, kWeiter, kWeiter};
    skript[97] = {kPassen};
    skript[92] = {2};
    skript[91] = {1};
    skript[94] = {kNormal};
    skript[44] = {-1, -1, -1, -1};
    starten();
    bis([this] { return ersterAusspieler() != 0; });
    const std::vector<Frage> erwartet = {{1, 93, {}}, {2, 93, {}}, {1, 97, {}}, {3, 93, {}},
                                         {4, 93, {}}, {2, 92, {}}, {2, 91, {}}, {2, 94, {}}};
    std::vector<Frage> bieten(fragen.begin(),
                              fragen.begin() + std::min<size_t>(fragen.size(), erwartet.size()));
    EXPECT_EQ(bieten, erwartet);
    // seat 2 cannot call any suit: no Rufspiel for it, and no pass either
    EXPECT_EQ(von(92)[0].knoepfe, (std::vector<std::string>{"!Farbsolo", "!Wenz", "!Geier"}));
    EXPECT_EQ(cg.schafkopf.z.spieler, 2);
    EXPECT_EQ(cg.schafkopf.spiel.typ, schafkopf::kSolo);
}

TEST_F(SchafkopfAblauf, KontraThenReDoubleTwice) {
    skript[93] = {kSpielen, kWeiter, kWeiter, kWeiter};
    skript[92] = {2};
    skript[91] = {1};
    skript[94] = {kNormal};
    skript[44] = {-1, 1};  // seat 2 no, seat 3 Kontra
    skript[63] = {2};      // the declarer says Re
    starten();
    zuEnde();
    EXPECT_EQ(sitze(44), (std::vector<int>{2, 3}));
    EXPECT_EQ(sitze(63), (std::vector<int>{1}));
    EXPECT_EQ(cg.schafkopf.z.kontra, 2);
    const std::string& t = schafkopf::letztesErgebnis().text1;
    EXPECT_NE(t.find(" - Kontra "), std::string::npos) << t;
    EXPECT_NE(t.find(" - Re "), std::string::npos) << t;
}

TEST_F(SchafkopfAblauf, ABettelEndsWithTheDeclarersFirstTrick) {
    ASSERT_TRUE(schafkopf::optionSetzen("Bettel", 1));
    ASSERT_TRUE(schafkopf::optionSetzen("Kontra", 0));
    skript[93] = {kSpielen, kWeiter, kWeiter, kWeiter};
    skript[92] = {7};
    starten();
    zuEnde();
    // seat 1 leads its Kreuz-As first and nobody can beat it
    EXPECT_EQ(harness::anzahl(7), 4);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(harness::anzahl(s), 7);
    EXPECT_EQ(betraege(), (std::array<int, 4>{-9, 3, 3, 3}));
    EXPECT_EQ(schafkopf::letztesErgebnis().text1, "Bettel 3");
}

TEST_F(SchafkopfAblauf, AToutEndsWithTheFirstTrickTheDeclarerLoses) {
    skript[93] = {kSpielen, kWeiter, kWeiter, kWeiter};
    skript[92] = {2};
    skript[91] = {3};   // Herz
    skript[94] = {94};  // Tout
    skript[44] = {-1, -1, -1};
    karten[1] = {"S7"};  // seat 2 cannot follow and trumps it
    starten();
    zuEnde();
    EXPECT_EQ(cg.schafkopf.spiel.tout, 1);
    EXPECT_EQ(harness::anzahl(8), 4);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(harness::anzahl(s), 7);
    // the solo's value 5 (the option's standard), doubled for the Tout; the declarer pays three
    EXPECT_EQ(schafkopf::letztesErgebnis().text1, "Herz-Solo-Tout (verloren) 5 - Tout 10");
    EXPECT_EQ(betraege(), (std::array<int, 4>{-30, 10, 10, 10}));
    const schafkopf::Statistik& st = schafkopf::statistik();
    EXPECT_EQ(st.toutVerloren, 1);
    EXPECT_EQ(st.ohneSpieler + st.gewonnen + st.verloren + st.toutGewonnen, 0);
    EXPECT_EQ(st.rufGewonnen + st.rufVerloren, 0);
}

TEST_F(SchafkopfAblauf, RestoreInTheMiddleOfATrickPlaysOnFromThere) {
    sdtest::Speicher speicher("shk");
    skript[93] = {kSpielen, kWeiter, kWeiter, kWeiter};
    skript[92] = {2};
    skript[91] = {3};
    skript[94] = {kNormal};
    skript[44] = {-1, -1, -1, -1};
    starten();
    bis([] {
        return cg.phase.nr == 4 && cg.schafkopf.z.stichNr == 2 && cg.schafkopf.z.stichAnz == 2 &&
               glu::zugliste.anz == 0 && cg.bewegungWarten.aktiv == 0;
    });
    const TSchafkopfZustand vorher = cg.schafkopf.z;
    int anzahl[5] = {0, harness::anzahl(1), harness::anzahl(2), harness::anzahl(3), harness::anzahl(4)};
    const int amZug = cg.aktSpieler;
    ASSERT_TRUE(speicher.sichern());
    lauf->frames(300);  // play on, then go back
    ASSERT_TRUE(speicher.laden());
    for (int s = 1; s <= 4; ++s) cg.stapelListen[s].computer = 0;
    EXPECT_EQ(cg.schafkopf.z.stichAnz, 2);
    EXPECT_TRUE(gleich(cg.schafkopf.z.stich[0], vorher.stich[0]));
    EXPECT_TRUE(gleich(cg.schafkopf.z.stich[1], vorher.stich[1]));
    EXPECT_EQ(cg.aktSpieler, amZug);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(harness::anzahl(s), anzahl[s]) << s;
    EXPECT_EQ(harness::anzahl(12), 2);
    zuEnde();
    EXPECT_TRUE(schafkopf::dealVorbei(cg));
    std::string warum;
    EXPECT_TRUE(schafkopf::kartenErhalten(warum)) << warum;
    EXPECT_EQ(stichAugen(), 120);
}

TEST_F(SchafkopfAblauf, TheMoneyListSetsTheCentsPerPointOfTheScoreTable) {
    struct Case {
        int eintrag, cent;
        spielliste::Geld::Art art;
    };
    using G = spielliste::Geld;
    // entries 1 "Ohne Geld" .. 7 "50 Cent / Punkt"; values outside the list take its nearest end
    const Case cases[] = {{1, 0, G::Keine},      {2, 1, G::Schafkopf},  {3, 2, G::Schafkopf},
                          {4, 5, G::Schafkopf},  {5, 10, G::Schafkopf}, {6, 20, G::Schafkopf},
                          {7, 50, G::Schafkopf}, {0, 0, G::Keine},      {9, 50, G::Schafkopf}};
    ASSERT_TRUE(spielliste::anbindung.schafkopfCent);
    for (const Case& c : cases) {
        ASSERT_TRUE(schafkopf::optionSetzen("Geld", c.eintrag));
        EXPECT_EQ(spielliste::anbindung.schafkopfCent(), c.cent) << c.eintrag;
        const G g = spielliste::geldArt(spiele::kSchafkopf, false, 0, spielliste::anbindung.schafkopfCent());
        EXPECT_EQ(g.art, c.art) << c.eintrag;
    }
}
