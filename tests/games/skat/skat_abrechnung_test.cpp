// The settlement of finished deals under the international rules and the scoring variants,
// each value worked out by hand from the rules of Skat.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "core/envparam.h"
#include "core/files_tempdir.h"
#include "core/highscore.h"
#include "games/skat/skat_karten.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"

namespace {

using namespace skat_1;

using skattest::H;
using skattest::K;

// Cards worth p points (repeats are fine: the settlement only adds them up).
hand punkte(int p) {
    hand h{};
    for (int w : {11, 10, 4, 3, 2})
        while (p >= w && p - w != 1) {
            handaddk(h, K(w == 11 ? 8 : w == 10 ? 7 : w == 4 ? 6 : w == 3 ? 5 : 4, 4));
            p -= w;
        }
    return h;
}

// A dealt hand with the given Buben of the Kreuz, Pik, Herz, Karo order, filled up with Karo 7s.
hand mitBuben(std::initializer_list<int> farben) {
    hand h{};
    for (int f : farben) handaddk(h, K(kBube, f));
    while (h.anz < 10) handaddk(h, K(1, 4));
    return h;
}

class SkatAbrechnung : public testing::Test {
protected:
    void SetUp() override {
        std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
        envParam = TEnvParam{};
        envParam.namen[1] = "Anna";
        envParam.namen[2] = "Bernd";
        envParam.namen[3] = "Clara";
        TSkatOptionen& o = cg.skat.optionen;
        o.wertung = 1;
        o.grandGrundwert = 24;
        o.limit = 36;
        o.bockrunden = o.ramschrunden = 1;
        tabellenSetzen();
    }

    // A declarer (seat 1) game: type, dealt hand, Skat, bid, the declarer's points, whether each
    // side took a trick.
    TGameResult spiel(int typ, const hand& gegeben, const hand& skat, int gebot, int augen,
                      bool gegnerStich = true, bool alleinStich = true) {
        TSkatSpiel& sp = cg.skat.spiel;
        sp.typ = sp.typ2 = typ;
        cg.skat.sk.typ = typ;
        sp.alleinspieler = 1;
        cg.skat.sk.alleinspieler = 1;
        sp.gebot.at(1) = gebot;
        gegebeneHand(1) = gegeben;
        skatOriginal() = skat;
        gewonnenAllein() = punkte(augen);
        gewonnenGegner() = punkte(120 - augen);
        gewonnenSitz(1) = alleinStich ? H({K(1, 1)}) : hand{};
        gewonnenSitz(2) = gegnerStich ? H({K(1, 2)}) : hand{};
        gewonnenSitz(3) = hand{};
        TGameResult r;
        skat::abrechnung(r);
        return r;
    }
};

}  // namespace

TEST_F(SkatAbrechnung, InternationalRulesTable) {
    const hand leer = H({K(1, 3), K(2, 3)});
    struct Fall {
        const char* was;
        int typ;
        hand gegeben;
        hand skat;
        int gebot, augen;
        bool handSpiel, gegnerStich;
        int angesagt, kontra;
        int wert;
    };
    const Fall faelle[] = {
        {"Grand mit 2", kGrand, mitBuben({1, 2}), leer, 18, 70, false, true, 0, 0, 72},
        {"Grand mit 2, Kontra", kGrand, mitBuben({1, 2}), leer, 18, 70, false, true, 0, 1, 144},
        {"Grand mit 2 verloren, Kontra und Re", kGrand, mitBuben({1, 2}), leer, 18, 50, false, true, 0, 2,
         -576},
        {"Kreuz mit 1 Schneider Schwarz", kKreuz, mitBuben({1}), leer, 18, 120, false, false, 0, 0, 48},
        {"Kreuz Hand mit 1, Schwarz nicht angesagt", kKreuz, mitBuben({1}), leer, 18, 120, true, false, 0, 0,
         60},
        {"Kreuz Hand mit 1 Schneider angesagt", kKreuz, mitBuben({1}), leer, 18, 95, true, true, 2, 0, 60},
        {"Kreuz Hand Schneider angesagt, nur 80", kKreuz, mitBuben({1}), leer, 18, 80, true, true, 2, 0,
         -120},
        {"Karo mit 1 bei 24 gereizt", kKaro, mitBuben({1}), leer, 24, 70, false, true, 0, 0, -54},
        {"Pik Hand bei 72, Kreuz Bube im Skat", kPik, mitBuben({}), H({K(kBube, 1), K(1, 3)}), 72, 70, true,
         true, 0, 0, -154},
        {"60 Augen verlieren", kHerz, mitBuben({2}), leer, 18, 60, false, true, 0, 0, -40},
        {"Herz ohne 1 mit 61", kHerz, mitBuben({2}), leer, 18, 61, false, true, 0, 0, 20},
        {"Schwarz gewonnen hebt den Wert über das Gebot", kKaro, mitBuben({1}), leer, 36, 120, false, false,
         0, 0, 36},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        SetUp();
        cg.skat.optionen.kontraRe = 1;
        cg.skat.spiel.hand = f.handSpiel;
        cg.skat.spiel.stufeAngesagt = static_cast<uint8_t>(f.angesagt);
        cg.skat.spiel.kontra = f.kontra;
        const TGameResult r = spiel(f.typ, f.gegeben, f.skat, f.gebot, f.augen, f.gegnerStich);
        EXPECT_EQ(r.spielWerte[1], f.wert);
        EXPECT_EQ(r.at(1), f.wert);
        EXPECT_EQ(r.at(2), 0);
        EXPECT_EQ(r.gewonnen, f.wert > 0);
    }
}

TEST_F(SkatAbrechnung, GrandReckoningLineAndTexts) {
    const TGameResult r = spiel(kGrand, mitBuben({1, 2}), H({K(1, 3), K(2, 3)}), 18, 70);
    EXPECT_NE(r.text2.find("Mit 2 - Spiel 3 - mal Grand ergibt 72"), std::string::npos) << r.text2;
    EXPECT_NE(r.text2.find("gewinnt mit 70 Augen"), std::string::npos);
    std::string t;
    skat::abrechnungText(r, t);
    EXPECT_EQ(t.rfind("Anna gewinnt das Spiel mit 70 Augen.\rAnna gewinnt mit 70 Augen", 0), 0u) << t;
}

TEST_F(SkatAbrechnung, APassedInDealNamesNoLoser) {
    const TGameResult r = spiel(kEingepasst, hand{}, hand{}, 0, 0, false, false);
    std::string t;
    skat::abrechnungText(r, t);
    EXPECT_EQ(t, "Spiel wurde eingepasst");
    EXPECT_EQ(r.at(1), 0);
}

TEST_F(SkatAbrechnung, NullGames) {
    struct Fall {
        bool handSpiel, offen, alleinStich;
        int gebot, wert;
    };
    const Fall faelle[] = {
        {false, false, false, 18, 23},  {true, false, false, 18, 35},  {false, true, false, 18, 46},
        {true, true, false, 18, 59},    {false, false, true, 18, -46},  // one trick, even the last, loses
        {false, false, false, 30, -70},  // overbid: the smallest Null value at or above 30, doubled
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.handSpiel << f.offen << f.alleinStich << f.gebot);
        SetUp();
        cg.skat.spiel.hand = f.handSpiel;
        cg.skat.spiel.stufeAngesagt = static_cast<uint8_t>(f.offen ? kOffen : 0);
        const TGameResult r = spiel(kNull, mitBuben({}), H({K(1, 3), K(2, 3)}), f.gebot,
                                    f.alleinStich ? 10 : 0, true, f.alleinStich);
        EXPECT_EQ(r.spielWerte[1], f.wert);
    }
}

TEST_F(SkatAbrechnung, ScoringVariants) {
    struct Fall {
        int wertung, augen;
        int s1, s2, s3;
    };
    // Grand mit 2: 72 won, -144 lost.
    const Fall faelle[] = {
        {1, 70, 72, 0, 0},    {1, 50, -144, 0, 0}, {2, 70, 122, 0, 0}, {2, 50, -194, 40, 40},
        {3, 70, 0, -72, -72}, {3, 50, -144, 0, 0}, {4, 70, 72, 0, 0},  {4, 50, 0, 144, 144},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.wertung << "/" << f.augen);
        SetUp();
        cg.skat.optionen.wertung = f.wertung;
        const TGameResult r = spiel(kGrand, mitBuben({1, 2}), H({K(1, 3), K(2, 3)}), 18, f.augen);
        EXPECT_EQ(r.at(1), f.s1);
        EXPECT_EQ(r.at(2), f.s2);
        EXPECT_EQ(r.at(3), f.s3);
    }
}

TEST_F(SkatAbrechnung, PassedInAndNoGame) {
    cg.skat.spiel.typ = kEingepasst;
    TGameResult r;
    skat::abrechnung(r);
    EXPECT_EQ(r.text2, "Spiel wurde eingepasst");
    EXPECT_EQ(r.spielWerte[1], 0);
    // "Kein Spiel" after taking the Skat at 30: the bid itself, doubled
    SetUp();
    const TGameResult k = spiel(kUeberreizt, mitBuben({1}), H({K(1, 3), K(2, 3)}), 30, 70);
    EXPECT_EQ(k.spielWerte[1], -60);
}

TEST_F(SkatAbrechnung, RamschLoserJungfrauAndDurchmarsch) {
    TSkatSpiel& sp = cg.skat.spiel;
    sp.ramsch = 1;
    sp.typ = kRamsch;
    cg.skat.sk.typ = kRamsch;
    cg.aktSpieler = 2;  // won the last trick: the Skat (7 and 8, no points) goes there
    skatKopie() = H({K(1, 3), K(2, 3)});
    gewonnenSitz(1) = punkte(30);
    gewonnenSitz(2) = punkte(90);
    gewonnenSitz(3) = hand{};  // Jungfrau: doubles
    TGameResult r;
    skat::abrechnung(r);
    EXPECT_EQ(r.spieler, 2);
    EXPECT_EQ(r.spielWerte[1], -180);
    EXPECT_EQ(r.at(2), -180);

    SetUp();
    cg.skat.optionen.durchmarsch = 1;
    sp.ramsch = 1;
    sp.typ = kRamsch;
    cg.skat.sk.typ = kRamsch;
    cg.aktSpieler = 3;
    skatKopie() = H({K(1, 3), K(2, 3)});
    gewonnenSitz(3) = punkte(120);
    skat::abrechnung(r);
    EXPECT_TRUE(r.gewonnen);
    EXPECT_EQ(r.spielWerte[1], 120);
    EXPECT_EQ(r.at(3), 120);
}

TEST_F(SkatAbrechnung, BockDoublesAndTriggersQueueTogether) {
    TSkatOptionen& o = cg.skat.optionen;
    o.bockRamsch = 1;
    o.kontraRe = 1;
    o.kontraVerloren = 1;
    o.ueber100 = 1;
    o.bockrunden = 2;    // one Bock game per series
    o.ramschrunden = 3;  // three Ramsch games per series
    cg.skat.sonderMarke = "B";
    cg.skat.spiel.kontra = 1;
    const TGameResult r = spiel(kGrand, mitBuben({1, 2}), H({K(1, 3), K(2, 3)}), 18, 50);
    // 72, Bock 144, Kontra 288, lost -576
    EXPECT_EQ(r.spielWerte[1], -576);
    EXPECT_EQ(r.spielWerte[2], 1);
    std::string grund;
    skat::bockRamsch(r, grund);
    EXPECT_EQ(cg.skat.spiegelText.str(), "BRRRBRRR");
    EXPECT_NE(grund.find("Kontra verloren - Neue Bock/Ramschrunde"), std::string::npos);
    std::string limit;
    skat::limitText(limit);
    EXPECT_EQ(limit, "0 Spiele von 36 gespielt. Sonderspiele: BRRRBRRR");
}

namespace {

// The high scores are written to the program folder's file: the test runs in a folder of its own.
class SkatHighscore : public files_test::ProgramFolder {
protected:
    void SetUp() override {
        files_test::ProgramFolder::SetUp();
        std::filesystem::create_directories("data/settings");
        std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
        envParam = TEnvParam{};
        envParam.namen[1] = "Anna";
        cg.skat.optionen.wertung = 1;
        cg.skat.optionen.limit = 36;
    }
};

}  // namespace

TEST_F(SkatHighscore, MatchEndEntersTheScoreAndWritesTheFileAtOnce) {
    cg.skat.optionen.limit = 0;  // "Eigene:" left empty: over after the first deal
    cg.spielliste.runden = 1;
    EXPECT_TRUE(skat::partieEnde());
    cg.konto[1] = 250;
    std::string t;
    skat::highscoreText(t);
    EXPECT_EQ(t, "Sie haben den 1. Platz in der Highscoreliste erreicht.");
    cg.konto[1] = 100;
    skat::highscoreText(t);
    EXPECT_EQ(t, "Sie haben den 2. Platz in der Highscoreliste erreicht.");
    EXPECT_EQ(cg.highscore.at(spiele::kSkat, 2, 1).punkte, 250);
    // Both entries are in the file already.
    auto gelesen = std::make_unique<THighscore>();
    ASSERT_TRUE(highscore::highscoreLaden(*gelesen));
    EXPECT_EQ(gelesen->at(spiele::kSkat, 2, 1).punkte, 250);
    EXPECT_EQ(gelesen->at(spiele::kSkat, 2, 2).punkte, 100);
    EXPECT_EQ(gelesen->at(spiele::kSkat, 2, 2).name.str(), "Anna");
    cg.konto[1] = 0;
    skat::highscoreText(t);
    EXPECT_EQ(t, "");
}
