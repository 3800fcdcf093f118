// The Doppelkopf flow with scripted answers: the reservation laps, a solo and who leads it, the
// Hochzeit clarified in the first, second or third trick or turned into a silent solo, the silent
// solo of both Kreuz-Damen, announcements before the first card and their deadline in play, and a
// game saved and restored inside a trick.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/central.h"
#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "harness/lib/harness.h"
#include "sd_lauf.h"
#include "table/glu.h"

namespace {

using sdtest::Frage;

// Seat 1 holds both Kreuz-Damen and both Dullen; seat 2 only trumps; a Kreuz led by seat 1 goes
// to seat 2's trump.
const char* const kHaende[4] = {"hZ hZ cD cD sD sD c9 c9 s9 s9 h9 h9", "hD hD dD dD cB cB sB sB hB hB dB dB",
                                "dA dA dZ dZ dK dK d9 d9 cA cA cZ cZ", "cK cK sA sA sZ sZ sK sK hA hA hK hK"};
// Seats 1 and 3 each hold one Kreuz-Dame: a normal game of Re 1 and 3 against 2 and 4.
const char* const kNormaleHaende[4] = {
    "hZ cD sD c9 c9 s9 s9 h9 h9 dA dZ dK", "hZ hD hD dD dD cB cB sB sB hB hB dB",
    "cD sD dB dA dZ dK d9 d9 cA cA cZ cZ", "cK cK sA sA sZ sZ sK sK hA hA hK hK"};

class DoppelkopfAblauf : public sdtest::Ablauf {
protected:
    DoppelkopfAblauf() : Ablauf(sdtest::doppelkopfSpiel()) {}
    std::array<int, 4> betraege() const {
        const TGameResult& r = doppelkopf::letztesErgebnis();
        return {r.at(1), r.at(2), r.at(3), r.at(4)};
    }
};

constexpr int kGesund = 66, kVorbehalt = 84, kSolo = 86, kHochzeit = 87;

}  // namespace

TEST_F(DoppelkopfAblauf, AllHealthyIsANormalGameWithoutReservationQuestions) {
    skript[66] = {kGesund, kGesund, kGesund, kGesund};
    starten(kNormaleHaende);
    zuEnde();
    EXPECT_EQ(sitze(66), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(von(84).empty());
    EXPECT_TRUE(von(88).empty());
    EXPECT_EQ(cg.doppelkopf.z.soloTyp, 0);
    EXPECT_EQ(ersterAusspieler(), 1);
    const auto b = betraege();
    EXPECT_EQ(b[0], b[2]);  // Re: the two Kreuz-Damen
    EXPECT_EQ(b[1], b[3]);
    EXPECT_EQ(b[0], -b[1]);
}

TEST_F(DoppelkopfAblauf, ASoloIsChosenInTheSecondLapAndLedAsTheOptionSays) {
    struct Case {
        int anzug;
        int vorhand;
    };
    // seat 2 plays the solo; the dealer is seat 4
    const Case cases[] = {{1, 2}, {2, 1}, {3, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.anzug);
        fragen.clear();
        skript.clear();
        ASSERT_TRUE(doppelkopf::optionSetzen("SoloAnzug", c.anzug));
        skript[66] = {kGesund, kVorbehalt, kVorbehalt, kGesund};
        skript[84] = {kSolo, kSolo};
        skript[88] = {3};  // Herz
        starten(kNormaleHaende);
        bis([this] { return ersterAusspieler() != 0; });
        EXPECT_EQ(sitze(84), (std::vector<int>{2, 3}));
        EXPECT_EQ(sitze(88), (std::vector<int>{2}));  // the first reserving seat after the dealer
        EXPECT_EQ(von(84)[0].knoepfe, (std::vector<std::string>{"!Solo"}));
        EXPECT_EQ(von(88)[0].knoepfe.size(), 7u);  // no Buben-Damensolo without its option
        EXPECT_EQ(cg.doppelkopf.z.soloTyp, 3);
        EXPECT_EQ(cg.doppelkopf.z.solist, 2);
        EXPECT_EQ(ersterAusspieler(), c.vorhand);
        zuEnde();
        const auto b = betraege();
        EXPECT_EQ(b[1], -3 * b[0]);
        EXPECT_EQ(doppelkopf::letztesErgebnis().text1.rfind("Herzsolo ", 0), 0u);
        // each case starts a new series: one suit solo counted, won or lost as it was paid
        const doppelkopf::Statistik& st = doppelkopf::statistik();
        EXPECT_EQ(st.farbsoloGewonnen, b[1] > 0 ? 1 : 0);
        EXPECT_EQ(st.farbsoloVerloren, b[1] < 0 ? 1 : 0);
        EXPECT_EQ(st.fleischlosGewonnen + st.fleischlosVerloren + st.andereGewonnen + st.andereVerloren, 0);
    }
}

TEST_F(DoppelkopfAblauf, HochzeitFindsItsPartnerInTheFirstThreeTricksOrPlaysAlone) {
    struct Case {
        std::vector<std::string> ausspiel;  // seat 1 leads these
        int partner;                        // 0: silent solo
        int partnerKarten;
    };
    const Case cases[] = {
        {{"c9"}, 2, 11},
        {{"hZ", "c9"}, 2, 10},
        {{"hZ", "hZ", "c9"}, 2, 9},
        {{"hZ", "hZ", "cD"}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ausspiel.size());
        fragen.clear();
        skript.clear();
        karten.clear();
        skript[66] = {kVorbehalt, kGesund, kGesund, kGesund};
        skript[84] = {kHochzeit};
        karten[1] = c.ausspiel;
        starten(kHaende);
        bis([this] { return cg.doppelkopf.z.stichNr == 5 && cg.phase.schritt == 1; });
        EXPECT_EQ(von(84)[0].knoepfe, (std::vector<std::string>{"!Solo", "!Hochzeit"}));
        EXPECT_EQ(cg.doppelkopf.z.hochzeit, 1);
        EXPECT_EQ(cg.doppelkopf.z.partner, c.partner);
        EXPECT_EQ(cg.doppelkopf.z.partnerKarten, c.partnerKarten);
        EXPECT_EQ(cg.doppelkopf.z.stilles, c.partner == 0 ? 1 : 0);
        // nobody was asked to announce while the Hochzeit sought its partner
        EXPECT_TRUE(von(89).empty());
        zuEnde();
        const auto b = betraege();
        if (c.partner) {
            EXPECT_EQ(b[0], b[1]);
            EXPECT_EQ(b[2], b[3]);
            EXPECT_EQ(b[0], -b[2]);
        } else {
            EXPECT_EQ(b[0], -3 * b[1]);
        }
    }
}

TEST_F(DoppelkopfAblauf, BothKreuzDamenWithoutHochzeitMakeASilentSolo) {
    skript[66] = {kGesund, kGesund, kGesund, kGesund};
    karten[1] = {"cD", "cD"};
    starten(kHaende);
    bis([] { return cg.doppelkopf.z.stichNr == 2 && cg.doppelkopf.z.stichAnz == 0; });
    EXPECT_EQ(cg.doppelkopf.z.soloTyp, 0);
    EXPECT_EQ(doppelkopf::parteiCode(1, 0), 10);
    bis([] { return cg.doppelkopf.z.stichNr == 3; });
    EXPECT_EQ(cg.doppelkopf.z.soloTyp, doppelkopf::kKaroSolo);
    EXPECT_EQ(cg.doppelkopf.z.solist, 1);
    EXPECT_EQ(cg.doppelkopf.z.stilles, 1);
    zuEnde();
    const auto b = betraege();
    EXPECT_EQ(b[0], -3 * b[1]);
    EXPECT_EQ(b[1], b[2]);
    EXPECT_EQ(b[2], b[3]);
}

TEST_F(DoppelkopfAblauf, AnnouncementsBeforeTheFirstCardAskTheSameSeatAgain) {
    skript[66] = {kGesund, kGesund, kGesund, kGesund};
    skript[89] = {89, 89, 0, 89, 0};
    starten(kNormaleHaende);
    bis([this] { return ersterAusspieler() != 0; });
    // seat 1 (Re) twice and then no more; seat 2 (Kontra) once
    EXPECT_EQ(sitze(89), (std::vector<int>{1, 1, 1, 2, 2, 3, 4}));
    const auto f = von(89);
    EXPECT_EQ(f[0].knoepfe, (std::vector<std::string>{"!Re", "!Keine Ansage"}));
    EXPECT_EQ(f[1].knoepfe, (std::vector<std::string>{"!Keine 90", "!Keine Ansage"}));
    EXPECT_EQ(f[2].knoepfe[0], "!Keine 60");
    EXPECT_EQ(f[3].knoepfe[0], "!Kontra");
    EXPECT_EQ(f[5].knoepfe[0], "!Keine 60");  // seat 3 is Re too
    EXPECT_EQ(cg.doppelkopf.z.reStufe, 2);
    EXPECT_EQ(cg.doppelkopf.z.kontraStufe, 1);
}

TEST_F(DoppelkopfAblauf, TheAnnouncementButtonGoesWithTheDeadline) {
    skript[66] = {kGesund, kGesund, kGesund, kGesund};
    skript[89] = {0, 0, 0, 0};
    starten(kNormaleHaende);
    zuEnde();
    // during play a seat sees "Re" or "Kontra" while it holds 12 or 11 cards, never later
    int spaet = 0;
    int gesehen = 0;
    int gespielt[5] = {};
    for (const Frage& f : fragen) {
        if (f.art != 47) continue;
        const bool angebot = !f.knoepfe.empty() && (f.knoepfe[0] == "!Re" || f.knoepfe[0] == "!Kontra");
        if (angebot) {
            ++gesehen;
            if (gespielt[f.seat] >= 2) ++spaet;
        }
        ++gespielt[f.seat];  // every 47 of a seat ends with one card played, nothing announced
    }
    EXPECT_EQ(gesehen, 8);  // each seat in its first two tricks
    EXPECT_EQ(spaet, 0);
}

TEST_F(DoppelkopfAblauf, RestoreInTheMiddleOfATrickPlaysOnFromThere) {
    sdtest::Speicher speicher("dok");
    skript[66] = {kGesund, kGesund, kGesund, kGesund};
    starten(kNormaleHaende);
    bis([] {
        return cg.phase.nr == 4 && cg.doppelkopf.z.stichNr == 3 && cg.doppelkopf.z.stichAnz == 3 &&
               glu::zugliste.anz == 0 && cg.bewegungWarten.aktiv == 0;
    });
    const TDoppelkopfZustand vorher = cg.doppelkopf.z;
    int anzahl[5] = {0, harness::anzahl(1), harness::anzahl(2), harness::anzahl(3), harness::anzahl(4)};
    const int amZug = cg.aktSpieler;
    ASSERT_TRUE(speicher.sichern());
    lauf->frames(300);
    ASSERT_TRUE(speicher.laden());
    for (int s = 1; s <= 4; ++s) cg.stapelListen[s].computer = 0;
    EXPECT_EQ(cg.doppelkopf.z.stichAnz, 3);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(gleich(cg.doppelkopf.z.stich[i], vorher.stich[i])) << i;
    EXPECT_EQ(cg.aktSpieler, amZug);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(harness::anzahl(s), anzahl[s]) << s;
    EXPECT_EQ(harness::anzahl(12), 3);
    zuEnde();
    EXPECT_TRUE(doppelkopf::dealVorbei(cg));
    std::string warum;
    EXPECT_TRUE(doppelkopf::kartenErhalten(warum)) << warum;
    EXPECT_EQ(stichAugen(), 240);
    const auto b = betraege();
    EXPECT_EQ(b[0] + b[1] + b[2] + b[3], 0);
}

// A new deck lies face down on the talon in the layout's heights until it is dealt: the slots
// keep the places the table laid out, the cards alone are new.
TEST(SdTisch, TheNewDeckLiesFaceDownOnTheTalon) {
    for (const sdtest::Spiel& sp : {sdtest::schafkopfSpiel(), sdtest::doppelkopfSpiel()}) {
        SCOPED_TRACE(sp.spielId);
        harness::Einstellung e;
        e.spielId = sp.spielId;
        e.spieler = 4;
        e.seed = 7;
        harness::Lauf lauf(e);
        sp.anmelden();
        sp.optionenStandard();
        ASSERT_TRUE(lauf.starten());
        const TSpieler& talon = glu::spieler[10];
        ASSERT_EQ(+talon.anz, 4 * sp.karten);
        for (int i = 1; i <= talon.anz; ++i) {
            EXPECT_FLOAT_EQ(+talon.at(i).a1, 180) << i;
            EXPECT_FLOAT_EQ(+talon.at(i).z, 2.0f * static_cast<float>(i)) << i;
        }
    }
}
