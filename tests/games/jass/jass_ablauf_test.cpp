// The Jass round in the headless harness: pushing the trump choice to the partner, Slalom with
// its direction, the Vorhand's lead, the deal, the dealer's turn, the preview of a trump choice,
// the goal reached mid-round, and the Weis comparison chain with its showing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "core/central.h"
#include "core/envparam.h"
#include "core/spielstand.h"
#include "games/jass/jass_karten.h"
#include "harness/lib/harness.h"
#include "harness/lib/tabelle_weiter.h"
#include "table/glu.h"
#include "table/tischdienste.h"

namespace {

using jasstest::h;

bool hatKnopf(int code) {
    for (int i = 1; i <= cg.entscheidung.knopfAnzahl && i <= 8; ++i)
        if (cg.entscheidung.code(i) == code) return true;
    return false;
}

harness::Einstellung einstellung(uint64_t seed, bool menschen) {
    harness::Einstellung e;
    e.spielId = spiele::kJass;
    e.spieler = 4;
    e.seed = seed;
    e.menschAlsComputer = !menschen;
    return e;
}

void alleMenschen() {
    for (int s = 1; s <= 4; ++s) cg.stapelListen[s].computer = 0;
}

TEST(JassAblauf, PushedChoiceGoesToThePartnerWhoCannotPushBackAndVorhandLeads) {
    jass::optionen = jass::Optionen{};
    jass::optionen.slalom = true;
    for (uint64_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        harness::Lauf lauf(einstellung(seed, true));
        jass::anmelden();
        ASSERT_TRUE(lauf.starten());
        alleMenschen();
        std::vector<int> waehler;
        int ausspieler = 0;
        bool schiebenBeimPartner = true, richtungGefragt = false;
        lauf.antworter = [&](TCG& g) {
            const int art = g.entscheidung.art;
            if (art == 110) {
                waehler.push_back(g.aktSpieler);
                if (waehler.size() == 1) return central::antwort(g, central::kKnopf, 0, jass::kSchieben);
                schiebenBeimPartner = hatKnopf(jass::kSchieben);
                return central::antwort(g, central::kKnopf, 0, jass::kSlalom);
            }
            if (art == 112) {
                richtungGefragt = hatKnopf(18) && hatKnopf(19);
                return central::antwort(g, central::kKnopf, 0, jass::kSlalomUndenufe);
            }
            if (ausspieler == 0 && g.phase.nr == 4) ausspieler = g.aktSpieler;
            jass::zufallsAntwort();
            return true;
        };
        lauf.invariante = [](const TCG&, std::string& warum) { return jass::kartenErhalten(warum); };
        ASSERT_GE(lauf.bis(jass::rundeVorbei), 0);
        ASSERT_EQ(waehler.size(), 2u);
        EXPECT_EQ(waehler[0], cg.jass.vorhand);
        EXPECT_EQ(waehler[1], jass::partner(cg.jass.vorhand));
        EXPECT_FALSE(schiebenBeimPartner);
        EXPECT_TRUE(richtungGefragt);
        EXPECT_EQ(cg.jass.trumpf, jass::kSlalomUndenufe);
        EXPECT_EQ(ausspieler, cg.jass.vorhand);
        std::string warum;
        EXPECT_TRUE(jass::rundePruefen(warum)) << warum;
    }
}

TEST(JassAblauf, ChoosingSlalomStoresObenabeAndAPreviewOnlySorts) {
    jass::optionen = jass::Optionen{};
    harness::Lauf lauf(einstellung(7, true));
    jass::anmelden();
    ASSERT_TRUE(lauf.starten());
    alleMenschen();
    ASSERT_GE(lauf.bis([](const TCG& g) { return g.phase.nr == 7 && g.antwort.offen == 2; }), 0);
    ASSERT_EQ(cg.jass.trumpf, jass::kKeinTrumpf);
    // The hovered button sorts the human's hand for Herz, strongest first; the trump stays open.
    jass::vorschau(3);
    EXPECT_EQ(cg.jass.trumpf, jass::kKeinTrumpf);
    const jass::Ordnung herz = jass::ordnung(false, 3);
    const TSpieler& s = glu::spieler[0];
    ASSERT_EQ(s.anz, 9);
    for (int i = 1; i < s.anz; ++i) EXPECT_GT(herz.wert(s.at(i).c), herz.wert(s.at(i + 1).c));
    jass::trumpfSetzen(jass::kSlalom);
    EXPECT_EQ(cg.jass.trumpf, jass::kSlalomObenabe);
}

TEST(JassAblauf, OneByOneDealAndTheDealerMovesBackEachRound) {
    jass::optionen = jass::Optionen{};
    harness::Lauf lauf(einstellung(3, false));
    jass::anmelden();
    envParam.austeilen = 2;  // three cards at a time
    ASSERT_TRUE(lauf.starten());
    // the new deck lies face down on the talon in the layout's heights until it is dealt
    ASSERT_EQ(harness::anzahl(11), 36);
    for (int i = 1; i <= 36; ++i) {
        EXPECT_FLOAT_EQ(+glu::spieler[10].at(i).a1, 180) << i;
        EXPECT_FLOAT_EQ(+glu::spieler[10].at(i).z, 2.0f * static_cast<float>(i)) << i;
    }
    const int geber = cg.geber;
    int schritte = 0;
    ASSERT_GE(lauf.bis([&](const TCG& g) {
        if (g.phase.nr == 1) schritte = g.phase.schritt;
        return g.phase.nr == 7;
    }),
              0);
    EXPECT_EQ(schritte, 12);
    for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(harness::anzahl(seat), 9);
    EXPECT_EQ(harness::anzahl(11), 0);
    EXPECT_EQ(cg.jass.vorhand, jass::sitzZurueck(geber, 1));
    ASSERT_GE(lauf.bis(jass::rundeVorbei), 0);
    ASSERT_TRUE(lauf.starten(1));
    EXPECT_EQ(cg.geber, jass::sitzZurueck(geber, 1));
}

TEST(JassAblauf, ReachingTheGoalMidRoundEndsTheRoundAtOnce) {
    jass::optionen = jass::Optionen{};
    jass::optionen.punkte = 50;
    int mitten = 0;
    for (uint64_t seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE(seed);
        harness::Lauf lauf(einstellung(seed, false));
        jass::anmelden();
        ASSERT_TRUE(lauf.starten());
        ASSERT_GE(lauf.bis(jass::rundeVorbei), 0);
        EXPECT_TRUE(jass::zielErreicht());
        EXPECT_NE(jass::letztesErgebnis().text2.find("zuerst 50 Punkte und gewinnen die Partie."),
                  std::string::npos);
        if (cg.jass.letzterStich == 0) {
            ++mitten;
            EXPECT_LT(cg.jass.stichZahl, 9);
        }
        std::string warum;
        EXPECT_TRUE(jass::rundePruefen(warum)) << warum;
        EXPECT_TRUE(jass::partieEnde());
    }
    EXPECT_GE(mitten, 3);
}

TEST(JassAblauf, ASavedRoundGoesOnFromTheMiddleOfATrickAndOfTheDeal) {
    // Saved with the table at rest, with a card on its way to the trick, and while dealing.
    struct Case {
        const char* name;
        bool (*wann)(const TCG& g);
        int stichKarten;
    };
    const Case cases[] = {
        {"at rest",
         [](const TCG& g) {
             return g.phase.nr == 4 && g.jass.stichZahl == 2 && g.jass.stich.anz == 2 &&
                    glu::zugliste.anz == 0 && g.bewegungWarten.aktiv == 0;
         },
         2},
        {"card in flight",
         [](const TCG& g) {
             return g.phase.nr == 4 && g.jass.stichZahl == 3 && g.jass.stich.anz == 1 &&
                    g.bewegungWarten.aktiv;
         },
         1},
        {"dealing", [](const TCG& g) { return g.phase.nr == 1 && glu::zugliste.anz > 0; }, 0},
    };
    // A folder per process: ctest runs the tests that save side by side.
    const std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("jass_ablauf_test_" + std::to_string(getpid()));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        jass::optionen = jass::Optionen{};
        harness::Lauf lauf(einstellung(5, false));
        jass::anmelden();
        std::filesystem::create_directories(ordner);
        tischdienste::anbinden(spielstand::anbindung);
        static pvl::TPVLDialog panel{};
        spielstand::anbindung.ipanel = [] { return &panel; };
        lauf.invariante = [](const TCG&, std::string& warum) { return jass::kartenErhalten(warum); };
        ASSERT_TRUE(lauf.starten());
        ASSERT_GE(lauf.bis(c.wann), 0);
        const TJass vorher = cg.jass;
        ASSERT_TRUE(spielstand::spielSpeichern(cg, ordner, "mitte", true));
        lauf.frames(300);  // play on, then go back
        ASSERT_TRUE(spielstand::spielLaden(cg, ordner, "mitte", "jas") && central::nachLaden(cg));
        for (int s = 1; s <= 4; ++s) cg.stapelListen[s].computer = 1;
        EXPECT_EQ(cg.jass.trumpf, vorher.trumpf);
        EXPECT_EQ(cg.jass.stichZahl, vorher.stichZahl);
        ASSERT_EQ(cg.jass.stich.anz, c.stichKarten);
        EXPECT_EQ(harness::anzahl(12), c.stichKarten);
        EXPECT_EQ(std::memcmp(&cg.jass.stichPunkte, &vorher.stichPunkte, sizeof(vorher.stichPunkte)), 0);
        ASSERT_GE(lauf.bis(jass::rundeVorbei), 0);
        std::string warum;
        EXPECT_TRUE(jass::rundePruefen(warum)) << warum;
        std::filesystem::remove_all(ordner);
        spielstand::anbindung = spielstand::Anbindung{};
    }
}

TEST(JassStoeck, BothOfKoenigAndDameEarnTwentyWhenTheSecondIsPlayed) {
    harness::Lauf lauf(einstellung(1, false));
    jass::anmelden();
    cg.spielId = spiele::kJass;
    cg.jass.mitStoecken = 1;
    auto geben = [](int seat, const hand& x) {
        TSpieler& st = glu::spieler[seat - 1];
        st.anz = x.anz;
        for (int i = 1; i <= x.anz; ++i) st.at(i).c = x.at(i);
    };
    // Seat 2 plays the Herz Dame, later the Herz König: the König earns Stöck, whatever the trump.
    cg.jass.trumpf = jass::kUndenufe;
    geben(2, h({"HD", "HK", "P6"}));
    jass::stoeckPruefen(2, jasstest::k("HD"));
    EXPECT_EQ(cg.jass.stoeckOffen.at(2), 0);
    geben(2, h({"HK", "P6"}));
    jass::stoeckPruefen(2, jasstest::k("HK"));
    EXPECT_EQ(cg.jass.stoeckOffen.at(2), 20);
    // Seat 3 never held both: nothing.
    geben(3, h({"PK", "HA"}));
    jass::stoeckPruefen(3, jasstest::k("PK"));
    EXPECT_EQ(cg.jass.stoeckOffen.at(3), 0);
    // Without the option nothing counts.
    cg.jass.mitStoecken = 0;
    geben(4, h({"KD", "KK"}));
    jass::stoeckPruefen(4, jasstest::k("KD"));
    geben(4, h({"KK"}));
    jass::stoeckPruefen(4, jasstest::k("KK"));
    EXPECT_EQ(cg.jass.stoeckOffen.at(4), 0);
}

// The deciding of tied announcements, run step by step on a record set up by hand.
class JassWeisVergleich : public testing::Test {
protected:
    harness::Lauf lauf{einstellung(11, false)};
    void SetUp() override { jass::anmelden(); }

    void ansage(int seat, const hand& gegeben, int wert) {
        cg.jass.handKopien.at(seat) = gegeben;
        if (wert == 0) return;
        cg.jass.angesagterWeis.at(seat) = wert;
        jass::weisSuchen(gegeben, wert, cg.jass.trumpf, cg.jass.weisHand.at(seat));
        if (wert > cg.jass.hoechsterWeis) cg.jass.weisGleichAnzahl = 0;
        cg.jass.hoechsterWeis = std::max(cg.jass.hoechsterWeis, wert);
        if (wert == cg.jass.hoechsterWeis) cg.jass.weisGleichAnzahl += 1;
    }

    // Steps until the showing ends; a further Weis offered is shown (its first button).
    void entscheiden() {
        cg.spielId = spiele::kJass;
        cg.phase.nr = 4;
        cg.phase.fluss1 = 77;
        cg.jass.mitWeisen = 1;
        for (int i = 0; i < 60 && cg.phase.fluss1 == 77; ++i) {
            if (cg.antwort.offen == 2) {
                ASSERT_EQ(cg.entscheidung.art, 114);
                central::antwort(cg, central::kKnopf, 0, cg.entscheidung.code(1));
            }
            jass::spielSchritt(cg);
        }
        ASSERT_NE(cg.phase.fluss1, 77);
    }
};

TEST_F(JassWeisVergleich, TieBreakChainDecidesAndTheWinningTeamShows) {
    const hand lauf6 = h({"H6", "H7", "H8", "H9", "H10", "HB", "P7", "K6", "RA"});
    const hand damen = h({"KD", "PD", "HD", "RD", "K7", "P9", "HA", "R6", "K10"});
    const hand herz50 = h({"H7", "H8", "H9", "H10", "PA", "K6", "R8", "KK", "PD"});
    const hand pik50 = h({"P9", "P10", "PB", "PD", "KA", "H6", "R8", "KK", "RB"});
    const hand kreuz50 = h({"K7", "K8", "K9", "K10", "PA", "H6", "R8", "PK", "HD"});
    struct Case {
        const char* name;
        int trumpf, vorhand;
        const hand *eins, *zwei;  // announcements of seats 1 and 2
        int wert, sieger;
    };
    const Case cases[] = {
        {"more cards", 4, 1, &damen, &lauf6, 100, 2},
        {"higher top card", 4, 1, &herz50, &pik50, 50, 2},
        {"run in trump", 1, 1, &kreuz50, &herz50, 50, 1},
        {"announced first", 4, 1, &kreuz50, &herz50, 50, 1},
        {"announced first", 4, 2, &kreuz50, &herz50, 50, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cg.jass = TJass{};
        cg.jass.trumpf = c.trumpf;
        cg.jass.vorhand = c.vorhand;
        ansage(1, *c.eins, c.wert);
        ansage(2, *c.zwei, c.wert);
        // Seat 4 holds a run of three but announced nothing; seat 3 holds nothing.
        ansage(4, h({"R6", "R7", "R8", "K10", "PA", "HK", "K8", "P6", "H9"}), 0);
        ansage(3, h({"KA", "P7", "HD", "R10", "K6", "PK", "H8", "RB", "P9"}), 0);
        ASSERT_EQ(cg.jass.weisGleichAnzahl, 2);
        entscheiden();
        EXPECT_EQ(cg.jass.weisSieger, c.sieger);
        EXPECT_EQ(cg.jass.weisOffen.at(c.sieger), c.wert);
        const int verlierer = c.sieger == 1 ? 2 : 1;
        EXPECT_EQ(cg.jass.weisOffen.at(verlierer), 0);
        // The winner's partner shows its Weis too; the losing team's partner shows nothing.
        EXPECT_EQ(cg.jass.weisOffen.at(4), c.sieger == 2 ? 20 : 0);
        EXPECT_EQ(cg.jass.weisOffen.at(3), 0);
    }
}

TEST_F(JassWeisVergleich, TheWinnerShowsEveryWeisItHolds) {
    // Four Buben and a run of four in Pik: 200 announced, then the 50 shown after it.
    cg.jass = TJass{};
    cg.jass.trumpf = 2;
    cg.jass.vorhand = 3;
    ansage(3, h({"KB", "PB", "HB", "RB", "P6", "P7", "P8", "P9", "HA"}), 200);
    ansage(2, h({"K7", "K8", "K9", "H6", "PA", "R6", "R8", "PK", "HD"}), 20);
    entscheiden();
    EXPECT_EQ(cg.jass.weisSieger, 3);
    EXPECT_EQ(cg.jass.weisOffen.at(3), 250);
    EXPECT_EQ(cg.jass.weisOffen.at(2), 0);
}

}  // namespace

// With the developer's switch the result table starts the next round from inside the
// settlement: the round's end phase must not fall on the new round, which would wait forever.
TEST(JassAblauf, ATableThatGoesOnByItselfStartsTheNextRound) {
    jass::optionen = jass::Optionen{};
    harness::Lauf lauf(einstellung(4, false));
    jass::anmelden();
    harness::TabelleGehtWeiter weiter(lauf);
    ASSERT_TRUE(lauf.starten());
    ASSERT_GE(lauf.bis([](const TCG& g) { return g.spielliste.runden == 1; }), 0);
    EXPECT_NE(+cg.phase.nr, 5);
    ASSERT_GE(lauf.bis([](const TCG& g) { return g.spielliste.runden == 2; }), 0);
}
