// The pattern files, the characters file and the bidding evaluation built on them.
#include "games/skat_jass_schnapsen/skat_bewertung.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/seams.h"
#include "games/skat/skat_karten.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "table/glu.h"

namespace {

using namespace skat_1;

using skattest::H;
using skattest::K;

class SkatBewertung : public testing::Test {
protected:
    void SetUp() override {
        std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
        cg.spielId = 1;
        glu::reset();
        tabellenSetzen();
        seams::spiele.winsu = winsu;
        datenOrdner = KS_SOURCE_DIR "/tools/skat/";
        musterVergessen();
    }
    void TearDown() override {
        seams::spiele = seams::Spiele{};
        musterVergessen();
    }
    static void geben(const hand& a, const hand& b, const hand& c, const hand& skat) {
        glu::spieler[0].hand = a;
        glu::spieler[1].hand = b;
        glu::spieler[2].hand = c;
        skatKopie() = skat;
    }
};

}  // namespace

TEST_F(SkatBewertung, PatternFileParsing) {
    std::string meldung;
    Mustertabelle t;
    EXPECT_EQ(musterParsen("#1(4,1)20# but no data mark", t, meldung), 0);
    EXPECT_EQ(t.anzahl, 0);

    const std::string text =
        "Kopf #1(8,0)99# zaehlt nicht\n|data|\n#1(4,1)20# Text #2(8,0)5# #1(8,0)7#\n"
        "#1(7,5)-4# #1(9,1)3# #1(8,x)2# #1(6,2)5";
    EXPECT_EQ(musterParsen(text, t, meldung), 3);  // value 9, the "x" and the rule without its end
    ASSERT_EQ(t.anzahl, 3);
    EXPECT_EQ(t.regel[0].t, 4);
    EXPECT_EQ(t.regel[0].punkte, 20);
    EXPECT_EQ(t.regel[1].t, 8);
    EXPECT_EQ(t.regel[1].f, 0);
    EXPECT_EQ(t.regel[2].f, 5);
    EXPECT_EQ(t.regel[2].punkte, -4);

    std::string viele = "|data|";
    for (int i = 0; i < 25; ++i) viele += "#1(8,0)1#";
    EXPECT_EQ(musterParsen(viele, t, meldung), 1);
    EXPECT_EQ(t.anzahl, 20);
    EXPECT_NE(meldung.find("mehr als 20 Regeln"), std::string::npos);
}

TEST_F(SkatBewertung, PatternScoreAnySuitAndTrumpSuit) {
    Mustertabelle t;
    std::string m;
    musterParsen("|data|#1(8,0)7##1(7,5)4##1(4,1)3#", t, m);
    const hand h = H({K(8, 2), K(8, 3), K(7, 3), K(4, 1)});
    EXPECT_EQ(musterWert(t, h, 0), 7 + 3);      // the As rule counts once; no trump given
    EXPECT_EQ(musterWert(t, h, 3), 7 + 4 + 3);  // Herz tried as trump: its 10 counts
    EXPECT_EQ(musterWert(t, h, 2), 7 + 3);
}

TEST_F(SkatBewertung, MissingFilesScoreNothingAndGoOn) {
    datenOrdner = "/nirgends/";
    musterVergessen();
    EXPECT_EQ(musterLesen("buben.txt", H({K(4, 1), K(4, 2)}), 0, 1), 0);
    EXPECT_EQ(muster(3).anzahl, 0);
}

TEST_F(SkatBewertung, BidLimitFromTheEvaluation) {
    EXPECT_EQ(hoechstgebotAus(102, 48), 0);
    EXPECT_EQ(hoechstgebotAus(103, 48), 19);
    EXPECT_EQ(hoechstgebotAus(117, 48), 19);
    EXPECT_EQ(hoechstgebotAus(103, 18), 18);  // never above the highest value
    EXPECT_EQ(hoechstgebotAus(130, 48), 48);
}

TEST_F(SkatBewertung, StrongHandBidsAndNothingLeaks) {
    const hand stark =
        H({K(4, 1), K(4, 2), K(4, 3), K(8, 1), K(7, 1), K(6, 1), K(5, 1), K(8, 2), K(8, 3), K(7, 3)});
    const hand mittel =
        H({K(4, 4), K(1, 1), K(2, 1), K(3, 1), K(7, 2), K(6, 2), K(5, 2), K(3, 2), K(2, 2), K(1, 2)});
    const hand schwach =
        H({K(6, 3), K(5, 3), K(3, 3), K(2, 3), K(1, 3), K(8, 4), K(7, 4), K(6, 4), K(5, 4), K(3, 4)});
    geben(stark, mittel, schwach, H({K(2, 4), K(1, 4)}));
    cg.skat.sk.typ = kHerz;
    rangTabelle(kHerz);
    const int limit = reizwertBerechnen(1);
    EXPECT_EQ(cg.skat.sk.typ, kHerz);  // the trial types leave nothing behind
    EXPECT_EQ(Rangtabelle[7], 7);
    EXPECT_GE(limit, 48);
    // three Buben and three Asse: a Grand "mit 3", game 4, one more when it is played Hand
    EXPECT_EQ(bewertung(1).spielTyp, kGrand);
    EXPECT_EQ(bewertung(1).faktor, bewertung(1).hand ? 5 : 4);
    EXPECT_EQ(bewertung(1).hoechsterWert, 24 * bewertung(1).faktor);
    EXPECT_EQ(gegebeneHand(1).anz, 10);
    EXPECT_EQ(skatOriginal().anz, 2);
}

TEST_F(SkatBewertung, LowCardsInEverySuitMakeANullHand) {
    // 7, 8, 9 of each suit and the Kreuz 10: nothing the others cannot undercut
    const hand null =
        H({K(1, 1), K(2, 1), K(3, 1), K(1, 2), K(2, 2), K(3, 2), K(1, 3), K(2, 3), K(1, 4), K(2, 4)});
    const hand b =
        H({K(4, 1), K(5, 1), K(6, 1), K(7, 1), K(8, 1), K(4, 2), K(5, 2), K(6, 2), K(7, 2), K(8, 2)});
    const hand c =
        H({K(3, 3), K(4, 3), K(5, 3), K(6, 3), K(7, 3), K(8, 3), K(3, 4), K(4, 4), K(5, 4), K(6, 4)});
    geben(null, b, c, H({K(7, 4), K(8, 4)}));
    reizwertBerechnen(1);
    EXPECT_EQ(bewertung(1).spielTyp, kNull);
    EXPECT_GE(bewertung(1).hoechstgebot, 23);
    EXPECT_EQ(cg.skat.sk.typ, 0);
}

TEST_F(SkatBewertung, CharacterRecordsAndItems) {
    const std::string ch = "Kopf ohne Trenner\nVorsichtig,44,40,50;\nNormal,50,51,52,;\nMutig,58";
    std::string t;
    EXPECT_TRUE(skat::charakterFeld(ch, 1, 1, t));
    EXPECT_EQ(t, "44");
    EXPECT_TRUE(skat::charakterFeld(ch, 0, 2, t));  // record 0 is record 1
    EXPECT_EQ(t, "40");
    EXPECT_TRUE(skat::charakterFeld(ch, 2, 0, t));
    EXPECT_EQ(t, "\nNormal");  // a line break after ';' belongs to the next label
    EXPECT_TRUE(skat::charakterFeld(ch, 2, 3, t));
    EXPECT_EQ(t, "52");
    EXPECT_TRUE(skat::charakterFeld(ch, 3, 0, t));
    EXPECT_EQ(t, "\nMutig");
    EXPECT_FALSE(skat::charakterFeld(ch, 3, 2, t));  // past the end
    EXPECT_FALSE(skat::charakterFeld(ch, 9, 1, t));
    EXPECT_FALSE(skat::charakterFeld(ch, 1, 5, t));  // past the record's end
}

TEST_F(SkatBewertung, CharactersGoIntoTheSeatsAndAMissingFileIsNeutral) {
    skat::standardCharakter = 3;
    skat::optionenLesen(true);
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(+cg.sitzEinstellungen.at(s).skat.index, 3);
        EXPECT_EQ(+cg.sitzEinstellungen.at(s).skat.reizen, 58);
        EXPECT_EQ(+cg.sitzEinstellungen.at(s).skat.wafe, 14);
        EXPECT_EQ(+cg.sitzEinstellungen.at(s).skat.krafe, 50);
    }
    skat::standardCharakter = 2;
    datenOrdner = "/nirgends/";
    skat::optionenLesen(true);
    EXPECT_EQ(+cg.sitzEinstellungen.at(2).skat.reizen, 0);  // 0: bids as the patterns say
    EXPECT_EQ(+cg.skat.optionen.wertung, 1);                // a never-read record gets the standard rules
    EXPECT_EQ(+cg.skat.optionen.limit, 36);
}

TEST_F(SkatBewertung, IskoBoxFollowsTheRules) {
    TSkatOptionen o{};
    o.wertung = 1;
    EXPECT_TRUE(skat::iskoRegeln(o));
    o.spitze = 1;
    EXPECT_FALSE(skat::iskoRegeln(o));
    o.spitze = 0;
    o.wertung = 2;
    EXPECT_FALSE(skat::iskoRegeln(o));
}
