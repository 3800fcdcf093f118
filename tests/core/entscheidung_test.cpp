#include "core/entscheidung.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using entscheidung::Ergebnis;
using entscheidung::fragen;
using entscheidung::Fragen;

struct Knopf {
    std::string text;
    int code;
};

std::vector<Knopf> knoepfe(const Ergebnis& e) {
    std::vector<Knopf> v;
    if (!e.mitKnoepfen) return v;
    for (int i = 1; i <= e.knoepfe.anzahl; ++i) v.push_back({e.knoepfe.text[i], e.knoepfe.code[i]});
    return v;
}

void erwarteKnoepfe(const Ergebnis& e, const std::vector<Knopf>& soll) {
    const auto ist = knoepfe(e);
    ASSERT_EQ(ist.size(), soll.size());
    for (size_t i = 0; i < soll.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(ist[i].text, soll[i].text);
        EXPECT_EQ(ist[i].code, soll[i].code);
    }
}

class Entscheidung : public testing::Test {
protected:
    void SetUp() override { fragen = Fragen{}; }
    void TearDown() override { fragen = Fragen{}; }
};

// Every kind with the games' questions answered by their defaults (options off, lists empty).
TEST_F(Entscheidung, EveryKindBuildsItsRow) {
    struct Case {
        int art;
        int spiel;
        int piles, cards;
        std::vector<Knopf> buttons;
        int stored;
    };
    const std::vector<Case> cases = {
        {31, 0, 0, 1, {{"!2 Ziehen", 31}}, 31},
        {32, 0, 0, 1, {{"!Aussetzen", 32}}, 32},
        {33, 0, 0, 0, {{"! Kreuz", 1}, {"! Pik", 2}, {"! Herz", 3}, {"! Karo", 4}}, 33},
        {35, 0, 0, 1, {{"!Weiter", 37}}, 37},
        {37, 0, 0, 1, {{"!Weiter", 37}}, 37},
        {44, 1, 0, 0, {{"! Kontra", 1}, {"! Kein Kontra", -1}}, 44},
        {47, 6, 0, 1, {}, 47},
        {48, 1, 0, 0, {{"! 0 reizen", 41}, {"! Passen", 43}}, 48},
        {49, 1, 0, 0, {{"! 0 halten", 42}, {"! Passen", 43}}, 49},
        {50, 1, 0, 0, {{"! Skat nehmen", 51}, {"! Handspiel", 45}}, 50},
        {53, 1, 1, 0, {{"! Fertig", 53}}, 53},
        {54, 1, 1, 1, {}, 54},
        {55,
         1,
         0,
         0,
         {{"!Kein Spiel", 14},
          {"! Kreuz", 1},
          {"! Pik", 2},
          {"! Herz", 3},
          {"! Karo", 4},
          {"! Grand", 11},
          {"! Null", 10}},
         55},
        {56, 1, 0, 0, {{"!Nichts", 1}, {"! Schneider", 2}, {"! Schwarz", 3}, {"! Ouvert", 4}}, 56},
        {57, 1, 0, 0, {{"! Null", 1}, {"! Null Ouvert", 4}}, 57},
        {58, 1, 0, 1, {}, 58},
        {59, 1, 0, 0, {{"!Spitze ansagen", 61}, {"! Keine Spitze", 62}}, 59},
        {60, 1, 0, 0, {{"!Skat ohne Rum", 51}, {"! Skat mit Rum", 46}, {"! Handspiel", 45}}, 60},
        {63, 1, 0, 0, {{"! Re", 2}, {"! Kein Re", -1}}, 63},
        {64, 1, 0, 0, {{"! Sup", 3}, {"! Kein Sup", -1}}, 64},
        {65, 1, 0, 0, {{"! Hirsch", 4}, {"! Kein Hirsch", -1}}, 65},
        {66, 1, 0, 0, {{"!Gesund", 66}, {"!Grand Hand", 84}}, 66},
        {66, 5, 0, 0, {{"!Gesund", 66}, {"!Vorbehalt", 84}}, 66},
        {67, 1, 0, 0, {{"! Skat nehmen", 51}, {"! Schieben", 45}}, 67},
        {68, 1, 0, 0, {{"!Jungfrau sagen", 68}, {"!Nichts sagen", 0}}, 68},
        {69, 2, 0, 0, {{"!Neue Karten", 69}, {"!Behalten", 0}}, 69},
        {70, 2, 0, 1, {{"!Schieben", 72}, {"!Klopfen", 71}}, 70},
        {75, 2, 1, 0, {}, 75},
        {76, 2, 0, 1, {{"!Schieben", 72}, {"!Klopfen", 71}, {"!Alle tauschen", 77}}, 70},
        {78, 3, 1, 0, {}, 78},
        {79, 3, 1, 1, {{"!Auslegen", 79}, {"!Fertig", 0}}, 79},
        {80, 3, 0, 1, {}, 80},
        {81, 4, 1, 0, {}, 81},
        {84, 5, 0, 0, {{"!Solo", 86}}, 84},
        {89, 5, 0, 0, {{"!", 89}, {"!Keine Ansage", 0}}, 89},
        {93, 6, 0, 0, {{"!Spielen", 93}, {"!Weiter", 37}}, 93},
        {94, 6, 0, 0, {{"!Tout", 94}, {"!Normal", 95}}, 94},
        {97, 6, 0, 0, {{"!Spiel ansagen", 96}, {"!Passen", 43}}, 97},
        {102, 8, 0, 0, {{"!Weiter", 37}}, 102},
        {103, 7, 0, 1, {}, 103},
        {106, 9, 0, 0, {{"!0 setzen", 0}}, 106},
        {107, 9, 0, 0, {{"!Karte ziehen", 75}, {"!Keine Karte", 37}}, 107},
        {110,
         12,
         0,
         0,
         {{"! Kreuz", 1}, {"! Pik", 2}, {"! Herz", 3}, {"! Karo", 4}, {"! Schieben", 72}},
         110},
        {111, 12, 0, 0, {{"! Kreuz", 1}, {"! Pik", 2}, {"! Herz", 3}, {"! Karo", 4}}, 110},
        {112, 12, 0, 0, {{"!Slalom Obenabe", 18}, {"!Slalom Undenufe", 19}}, 112},
        {113, 12, 0, 1, {}, 115},
        {114, 12, 0, 1, {}, 115},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.art << " game " << c.spiel);
        const Ergebnis e = entscheidung::bauen(c.art, 1, c.spiel);
        EXPECT_TRUE(e.hatZeile);
        EXPECT_EQ(e.stapelKlicks, c.piles);
        EXPECT_EQ(e.kartenSpiel, c.cards);
        EXPECT_EQ(e.mitKnoepfen, !c.buttons.empty());
        erwarteKnoepfe(e, c.buttons);
        EXPECT_EQ(e.gespeicherteArt, c.stored);
    }
}

TEST_F(Entscheidung, KindWithoutRowKeepsDefaults) {
    for (int art : {0, 1, 36, 90, 999, -5}) {
        SCOPED_TRACE(art);
        const Ergebnis e = entscheidung::bauen(art, 1, 0);
        EXPECT_FALSE(e.hatZeile);
        EXPECT_EQ(e.stapelKlicks, 1);
        EXPECT_EQ(e.kartenSpiel, 1);
        EXPECT_FALSE(e.mitKnoepfen);
    }
}

TEST_F(Entscheidung, ClickableStacksAndMultiSelect) {
    struct Case {
        int art;
        bool ablage;
        int s1, s2, multi;
    };
    const Case cases[] = {{75, false, 12, 0, 0}, {78, false, 11, 13, 0}, {79, false, 12, 0, 1},
                          {81, false, 11, 0, 0}, {81, true, 11, 13, 0},  {82, false, 12, 0, 1},
                          {54, false, 11, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.art << " " << c.ablage);
        static bool ablage;
        ablage = c.ablage;
        fragen.canasta = [](int) {
            entscheidung::CanastaLage l;
            l.ablageNehmbar = ablage;
            return l;
        };
        const Ergebnis e = entscheidung::bauen(c.art, 1, 4);
        EXPECT_EQ(e.stapel1, c.s1);
        EXPECT_EQ(e.stapel2, c.s2);
        EXPECT_EQ(e.mehrfach, c.multi);
    }
}

TEST_F(Entscheidung, FillerCountsCaptionsUpToFirstEmptyAndCutsAt80) {
    const std::string lang(100, 'x');
    auto k = entscheidung::Knoepfe::fuellen({{lang, 1}, {"", 2}, {"!c", 3}});
    EXPECT_EQ(k.anzahl, 1);
    EXPECT_EQ(k.text[1].size(), 80u);
    k = entscheidung::Knoepfe::fuellen({{"", 1}, {"!b", 2}});
    EXPECT_EQ(k.anzahl, 2);  // position 1 always counts
    k = entscheidung::Knoepfe::fuellen({{"!a", 1}, {"!b", 2}, {"!c", 3}});
    k.entfernen(2);
    EXPECT_EQ(k.anzahl, 2);
    EXPECT_EQ(k.text[2], "!c");
    EXPECT_EQ(k.code[2], 3);
}

// Mau Mau's pending draw count: only the first draw card counts without "4,6 usw.", each one with it.
TEST_F(Entscheidung, MauMauDrawCount) {
    static entscheidung::MauMauLage lage;
    static int rolle;
    fragen.maumau = [] { return lage; };
    fragen.maumauSetzen = [](int32_t n, int32_t r) {
        lage.ziehAnzahl = n;
        rolle = r;
    };
    for (bool summieren : {false, true}) {
        SCOPED_TRACE(summieren);
        lage = {};
        lage.ziehenSummieren = summieren;
        EXPECT_EQ(entscheidung::bauen(31, 1, 0).knoepfe.text[1], "!2 Ziehen");
        EXPECT_EQ(rolle, 31);
        EXPECT_EQ(entscheidung::bauen(31, 1, 0).knoepfe.text[1], summieren ? "!4 Ziehen" : "!2 Ziehen");
        EXPECT_EQ(entscheidung::bauen(31, 1, 0).knoepfe.text[1], summieren ? "!6 Ziehen" : "!2 Ziehen");
    }
    lage = {};
    entscheidung::bauen(32, 1, 0);
    EXPECT_EQ(lage.ziehAnzahl, 1);
    EXPECT_EQ(rolle, 32);
    entscheidung::bauen(32, 1, 0);
    EXPECT_EQ(lage.ziehAnzahl, 1);
    lage.mehrereAussetzen = true;
    entscheidung::bauen(32, 1, 0);
    EXPECT_EQ(lage.ziehAnzahl, 2);
}

TEST_F(Entscheidung, BlackJackDoubleStores109) {
    static bool verdoppeln;
    fragen.blackjackVerdoppeln = [] { return verdoppeln; };
    verdoppeln = true;
    Ergebnis e = entscheidung::bauen(107, 1, 9);
    erwarteKnoepfe(e, {{"!Verdoppeln", 109}, {"!Karte ziehen", 75}, {"!Keine Karte", 37}});
    EXPECT_EQ(e.gespeicherteArt, 109);
    verdoppeln = false;
    e = entscheidung::bauen(107, 1, 9);
    EXPECT_EQ(e.knoepfe.anzahl, 2);
    EXPECT_EQ(e.gespeicherteArt, 107);
}

TEST_F(Entscheidung, SchnapsenBeforeLeading) {
    struct Case {
        bool offen, fuehrt, tausch, tauschRegel, sperrRegel;
        std::vector<Knopf> buttons;
        int stored;
    };
    const std::vector<Case> cases = {
        {true, true, true, true, true, {{"! Talon sperren", 104}, {"! Trumpf tauschen", 105}}, 108},
        {true, true, true, true, false, {{"! Trumpf tauschen", 105}}, 106},
        {true, true, false, true, true, {{"! Talon sperren", 104}}, 107},
        {true, true, true, false, true, {{"! Talon sperren", 104}}, 107},
        {true, true, false, false, false, {}, 103},
        {false, true, true, true, true, {}, 103},
        {true, false, true, true, true, {}, 103},
    };
    static entscheidung::SchnapsenLage lage;
    fragen.schnapsen = [](int) { return lage; };
    for (const auto& c : cases) {
        lage = {c.offen, c.fuehrt, c.tausch, c.tauschRegel, c.sperrRegel};
        SCOPED_TRACE(testing::Message() << c.offen << c.fuehrt << c.tausch << c.tauschRegel << c.sperrRegel);
        const Ergebnis e = entscheidung::bauen(103, 1, 7);
        erwarteKnoepfe(e, c.buttons);
        EXPECT_EQ(e.gespeicherteArt, c.stored);
        EXPECT_EQ(e.kartenSpiel, 1);
    }
}

TEST_F(Entscheidung, PokerSecondButtonByAmountToCall) {
    static entscheidung::PokerLage lage;
    lage.label[0] = "Erhöhen ";
    lage.label[2] = "Weiter ";
    lage.label[3] = "Passen";
    lage.label[4] = "Alles setzen";
    lage.erhoehung = "20 $";
    fragen.poker = [](int) { return lage; };
    lage.nichtsZuZahlen = true;
    erwarteKnoepfe(entscheidung::bauen(98, 1, 8),
                   {{"!Passen", 43}, {"!Weiter ", 42}, {"!Erhöhen  20 $", 100}, {"!Alles setzen", 101}});
    lage.nichtsZuZahlen = false;
    lage.label[2] = "Mitgehen ";
    lage.zuZahlen = "5 $";
    EXPECT_EQ(entscheidung::bauen(98, 1, 8).knoepfe.text[2], "!Mitgehen  5 $");
    EXPECT_EQ(entscheidung::bauen(98, 1, 8).knoepfe.code[2], 99);
}

TEST_F(Entscheidung, JassFilterAndWeis) {
    static entscheidung::JassLage lage;
    fragen.jass = [](int) { return lage; };
    lage = {};
    lage.slalom = true;
    erwarteKnoepfe(
        entscheidung::bauen(110, 1, 12),
        {{"! Kreuz", 1}, {"! Pik", 2}, {"! Herz", 3}, {"! Karo", 4}, {"! Slalom", 17}, {"! Schieben", 72}});
    lage = {};
    lage.weisAnzahl = 2;
    lage.weisText[0] = "!20";
    lage.weisCode[0] = 20;
    lage.weisText[1] = "!Vier Buben";
    lage.weisCode[1] = 200;
    Ergebnis e = entscheidung::bauen(114, 1, 12);
    erwarteKnoepfe(e, {{"!20", 20}, {"!Vier Buben", 200}, {"!Kein Weis mehr", 0}});
    EXPECT_EQ(e.gespeicherteArt, 114);
    EXPECT_EQ(lage.weisAnzahl, 2);  // the game's list is not touched
    e = entscheidung::bauen(113, 1, 12);
    EXPECT_EQ(e.knoepfe.anzahl, 2);
    EXPECT_EQ(e.gespeicherteArt, 113);
}

// A full Weis list of eight keeps "Kein Weis mehr" as its eighth button instead of a ninth.
TEST_F(Entscheidung, JassFullWeisListKeepsClosingButtonLast) {
    static entscheidung::JassLage lage;
    fragen.jass = [](int) { return lage; };
    lage = {};
    lage.weisAnzahl = 8;
    for (int i = 0; i < 8; ++i) {
        lage.weisText[i] = "!" + std::to_string(20 + i);
        lage.weisCode[i] = static_cast<int32_t>(20 + i);
    }
    Ergebnis e = entscheidung::bauen(114, 1, 12);
    ASSERT_EQ(e.knoepfe.anzahl, 8);
    EXPECT_EQ(e.knoepfe.text[7], "!26");
    EXPECT_EQ(e.knoepfe.text[8], "!Kein Weis mehr");
    EXPECT_EQ(e.knoepfe.code[8], 0);
    e = entscheidung::bauen(113, 1, 12);
    EXPECT_EQ(e.knoepfe.anzahl, 8);
    EXPECT_EQ(e.knoepfe.text[8], "!27");
    lage.weisAnzahl = 5;
    EXPECT_EQ(entscheidung::bauen(114, 1, 12).knoepfe.anzahl, 6);
}

TEST_F(Entscheidung, CanastaMeldRow) {
    static entscheidung::CanastaLage lage;
    fragen.canasta = [](int) { return lage; };
    lage = {};
    lage.kartenAnzahl = 5;
    lage.punkte = 30;
    lage.minimum = 50;
    lage.mussLegen = karte{8, 3, 0};
    lage.mussLegenName = "Herz As";
    Ergebnis e = entscheidung::bauen(82, 1, 4);
    erwarteKnoepfe(e, {{"!Melden", 82}, {"!Neu beginnen", 83}});
    EXPECT_EQ(e.knoepfe.text[0], "!30 von 50 Mindestpunktzahl - Bitte Herz As legen");

    struct Case {
        int karten;
        bool canasta, mitPunkten, heraus;
        int punkte, minimum;
        bool fertig;
        std::string zeile;
    };
    const Case cases[] = {
        {5, false, false, true, 0, 50, true, "!"},
        {1, false, false, true, 0, 50, false, "!"},
        {1, true, false, true, 0, 50, true, "!"},
        {5, false, true, false, 30, 50, false, "!30 von 50 Mindestpunktzahl"},
        {5, false, true, false, 60, 50, true, "!60 von 50 Mindestpunktzahl"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zeile + std::to_string(c.karten));
        lage = {};
        lage.kartenAnzahl = c.karten;
        lage.hatCanasta = c.canasta;
        lage.mitPunktenBegonnen = c.mitPunkten;
        lage.herausgekommen = c.heraus;
        lage.punkte = c.punkte;
        lage.minimum = c.minimum;
        e = entscheidung::bauen(82, 1, 4);
        EXPECT_EQ(e.knoepfe.finden(37) != 0, c.fertig);
        EXPECT_EQ(e.knoepfe.text[0], c.zeile);
    }
}

TEST_F(Entscheidung, DoppelkopfRows) {
    static entscheidung::DoppelkopfLage lage;
    fragen.doppelkopf = [](int) { return lage; };
    lage = {};
    lage.ansageErlaubt = true;
    lage.ansageText = "Re";
    lage.kreuzDamen = true;
    lage.soloWort5 = "Damensolo";
    lage.soloWort6 = "Bubensolo";
    lage.soloWort8Kurz = "B-D";
    erwarteKnoepfe(entscheidung::bauen(47, 1, 5), {{"!Re", 0}});
    EXPECT_FALSE(entscheidung::bauen(47, 1, 6).mitKnoepfen);  // Schafkopf: never
    erwarteKnoepfe(entscheidung::bauen(84, 1, 5), {{"!Solo", 86}, {"!Hochzeit", 87}});
    erwarteKnoepfe(entscheidung::bauen(89, 1, 5), {{"!Re", 89}, {"!Keine Ansage", 0}});
    Ergebnis e = entscheidung::bauen(88, 1, 5);
    EXPECT_EQ(e.knoepfe.anzahl, 7);
    EXPECT_EQ(e.knoepfe.text[1], "!Bubensolo");
    lage.bubenDamenSolo = true;
    e = entscheidung::bauen(88, 1, 5);
    erwarteKnoepfe(e, {{"!B-D", 8},
                       {"!Bubensolo", 6},
                       {"!Damensolo", 5},
                       {"!Kreuz", 1},
                       {"!Pik", 2},
                       {"!Herz", 3},
                       {"!Karo", 4},
                       {"!Fleischlos", 7}});
}

// --- Schafkopf ---

hand handAus(std::initializer_list<std::pair<int, int>> karten) {
    hand h{};
    for (auto [t, f] : karten) h.at(++h.anz) = karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0};
    return h;
}

class Schafkopf : public Entscheidung {
protected:
    static inline entscheidung::SchafkopfLage lage;
    static inline hand karten{};
    void SetUp() override {
        Entscheidung::SetUp();
        lage = {};
        karten = handAus({{1, 1}, {2, 2}, {3, 4}, {6, 1}});
        fragen.schafkopf = [](int) { return lage; };
        fragen.handVon = [](int, hand& h) { h = karten; };
    }
    static std::vector<int> codes(const Ergebnis& e) {
        std::vector<int> v;
        for (auto& k : knoepfe(e)) v.push_back(k.code);
        return v;
    }
};

TEST_F(Schafkopf, GameChoiceByOptions) {
    EXPECT_EQ(codes(entscheidung::bauen(92, 1, 6)), (std::vector<int>{2, 3, 4, 8}));
    lage.farbgeier = lage.farbwenz = lage.bettel = true;
    EXPECT_EQ(codes(entscheidung::bauen(92, 1, 6)), (std::vector<int>{2, 3, 4, 5, 6, 7, 8}));
    lage.sie = true;  // the option alone is not enough: the hand must hold all Ober and Unter
    EXPECT_EQ(codes(entscheidung::bauen(92, 1, 6))[0], 2);
    karten = handAus({{4, 1}, {4, 2}, {4, 3}, {4, 4}, {5, 1}, {5, 2}, {5, 3}, {5, 4}});
    EXPECT_EQ(codes(entscheidung::bauen(92, 1, 6))[0], 1);
    lage.wahlen = 1;
    EXPECT_EQ(codes(entscheidung::bauen(92, 1, 6)), (std::vector<int>{43, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(Schafkopf, RufspielOnlyWithACallableSuit) {
    struct Case {
        hand h;
        bool eigenesAs;
        bool ruf;
    };
    const Case cases[] = {
        {handAus({{8, 1}, {1, 1}, {8, 2}, {1, 2}, {8, 4}, {1, 4}}), false, false},  // all three Aces
        {handAus({{8, 1}, {1, 1}, {8, 2}, {1, 2}, {8, 4}, {1, 4}}), true, true},
        {handAus({{8, 1}, {1, 1}, {8, 2}, {1, 2}, {2, 4}}), false, true},
        {handAus({{1, 3}, {4, 1}, {5, 2}}), false, false},  // only trumps
        {handAus({{1, 3}, {4, 1}, {2, 2}}), false, true},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        karten = cases[i].h;
        lage.eigenesAs = cases[i].eigenesAs;
        EXPECT_EQ(entscheidung::bauen(92, 1, 6).knoepfe.finden(8) != 0, cases[i].ruf);
    }
}

int spielWertTest(int typ, int, bool tout) { return typ * 10 + (tout ? 100 : 0); }

// At bidding stage 2 the games not above the highest named are dropped or offered as Tout;
// the scanned button goes, not whichever is last.
TEST_F(Schafkopf, HigherGamesOnlyAtStageTwo) {
    lage.farbgeier = lage.farbwenz = lage.bettel = true;
    lage.stufe = 2;
    lage.spielWert = spielWertTest;
    lage.hoechsterWert = 45;  // above Geier (40), below Farbwenz (50)
    Ergebnis e = entscheidung::bauen(92, 1, 6);
    EXPECT_EQ(codes(e), (std::vector<int>{2, 5, 6, 7, 8}));  // position 1 is never scanned
    lage.tout = true;
    e = entscheidung::bauen(92, 1, 6);
    EXPECT_EQ(codes(e), (std::vector<int>{2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(e.knoepfe.text[2], "!Wenz-Tout");
    EXPECT_EQ(e.knoepfe.text[4], "!Farbwenz");
    // The last button is worth more than the highest game and must survive the scan.
    lage.tout = false;
    lage.hoechsterWert = 75;
    e = entscheidung::bauen(92, 1, 6);
    EXPECT_EQ(codes(e), (std::vector<int>{2, 8}));
}

TEST_F(Schafkopf, SuitChoiceForRufspiel) {
    lage.eigenerTyp = 8;
    karten = handAus({{1, 1}, {8, 2}, {1, 2}, {2, 3}, {4, 4}});
    EXPECT_EQ(codes(entscheidung::bauen(91, 1, 6)), (std::vector<int>{1}));
    lage.eigenesAs = true;
    EXPECT_EQ(codes(entscheidung::bauen(91, 1, 6)), (std::vector<int>{1, 2}));
    lage.eigenerTyp = 2;  // a solo may name any suit
    EXPECT_EQ(codes(entscheidung::bauen(91, 1, 6)), (std::vector<int>{1, 2, 3, 4}));
    // Nothing to call leaves no button row rather than a stale one.
    lage.eigenerTyp = 8;
    karten = handAus({{4, 1}, {2, 3}});
    const Ergebnis e = entscheidung::bauen(91, 1, 6);
    EXPECT_FALSE(e.mitKnoepfen);
    EXPECT_EQ(e.knoepfe.anzahl, 0);
}

TEST_F(Schafkopf, WantToPlayMessageLine) {
    lage.hoechsterSpieler = "Anna";
    lage.hoechstesSpiel = "Wenz";
    lage.ersterSpieler = "Bernd";
    const std::pair<int, std::string> cases[] = {{0, ""}, {1, "Bernd will spielen"}, {2, "Anna: Wenz will spielen"}};
    for (const auto& [stufe, zeile] : cases) {
        lage.stufe = stufe;
        const Ergebnis e = entscheidung::bauen(93, 1, 6);
        EXPECT_EQ(e.knoepfe.text[0], zeile);
        EXPECT_EQ(e.knoepfe.text[1], stufe == 0 ? "!Spielen" : "!Auch spielen");
    }
}

}  // namespace

namespace {

// The hint of a card question fits it: leading or following, and in Doppelkopf whether the
// announcement button is there; other games keep the kind itself.
TEST_F(Entscheidung, CardQuestionHintTopicFitsTheQuestion) {
    static entscheidung::DoppelkopfLage dk;
    static entscheidung::SchafkopfLage sk;
    fragen.doppelkopf = [](int) { return dk; };
    fragen.schafkopf = [](int) { return sk; };
    struct Case {
        int spielId;
        bool fuehrt, ansage;
        int thema;
    };
    const Case cases[] = {
        {5, false, false, 47}, {5, true, false, 147}, {5, false, true, 247}, {5, true, true, 347},
        {6, false, false, 47}, {6, true, false, 147}, {12, true, false, 47},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spielId << " " << c.fuehrt << " " << c.ansage);
        dk = {};
        dk.fuehrt = c.fuehrt;
        dk.ansageErlaubt = c.ansage;
        dk.ansageText = "Re";
        sk = {};
        sk.fuehrt = c.fuehrt;
        EXPECT_EQ(entscheidung::bauen(47, 1, c.spielId).gespeicherteArt, c.thema);
    }
}

}  // namespace
