// The Doppelkopf computer seats in the flow, at level "Profi": both Kreuz-Damen without a solo
// wish reserve and marry, a hand of twelve trumps reserves and plays the first suit solo, the
// announcement questions are answered up to the seat's class and with "!Keine Ansage" beyond
// it, and the watch hook marks voids and removes one copy of a card while the party inference
// waits for the Hochzeit to find its partner.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/central.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/sd_wkt.h"
#include "sd_lauf.h"

namespace {

// Seat 1 holds both Kreuz-Damen and nothing for a solo; no other seat has a solo.
const char* const kHochzeit[4] = {"cD cD c9 c9 s9 s9 h9 h9 sK sK hK hK", "hZ sD hD dD cB sB hB dB cA sA hA dA",
                                  "hZ sD hD dD cB sB hB dB cZ sZ dZ dK", "cK cK sA hA dA cA sZ cZ dZ dK d9 d9"};
// Seat 2 holds twelve trumps of every suit solo and nothing else.
const char* const kSolo[4] = {"cD hB dB dZ dK d9 cZ cK c9 sZ sK hK", "hZ hZ sD sD hD hD dD dD cB cB sB sB",
                              "cD hB dB dA dZ dK d9 cZ cK c9 sZ s9", "dA cA cA sA sA hA hA sK s9 hK h9 h9"};
// Seats 1 and 3 each hold one Kreuz-Dame.
const char* const kNormal[4] = {"hZ cD sD c9 c9 s9 s9 h9 h9 dA dZ dK", "hZ hD hD dD dD cB cB sB sB hB hB dB",
                                "cD sD dB dA dZ dK d9 d9 cA cA cZ cZ", "cK cK sA sA sZ sZ sK sK hA hA hK hK"};

int profi(int, int) { return 3; }

class DoppelkopfKiAblauf : public sdtest::Ablauf {
protected:
    DoppelkopfKiAblauf() : Ablauf(sdtest::doppelkopfSpiel()) {}
    void SetUp() override {
        Ablauf::SetUp();
        alteStaerke = central::dienste.staerke;
        central::dienste.staerke = profi;
    }
    void TearDown() override {
        central::dienste.staerke = alteStaerke;
        Ablauf::TearDown();
    }
    int (*alteStaerke)(int, int) = nullptr;
};

TEST_F(DoppelkopfKiAblauf, BothKreuzDamenWithoutASoloReserveAndMarry) {
    starten(kHochzeit);
    bis([this] { return ersterAusspieler() != 0; });
    EXPECT_EQ(sitze(66), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(sitze(84), (std::vector<int>{1}));
    EXPECT_TRUE(von(88).empty());
    EXPECT_EQ(cg.doppelkopf.z.hochzeit, 1);
    EXPECT_EQ(cg.doppelkopf.z.soloTyp, 0);
}

TEST_F(DoppelkopfKiAblauf, TwelveTrumpsReserveAndPlayTheFirstSuitSolo) {
    starten(kSolo);
    bis([this] { return ersterAusspieler() != 0; });
    EXPECT_EQ(sitze(84), (std::vector<int>{2}));
    EXPECT_EQ(sitze(88), (std::vector<int>{2}));
    // every suit solo rates 200; the first, Kreuz, is kept
    EXPECT_EQ(cg.doppelkopf.z.soloTyp, 1);
    EXPECT_EQ(cg.doppelkopf.z.solist, 2);
    zuEnde();
}

TEST_F(DoppelkopfKiAblauf, ASoloQuestionWithoutAWishStillNamesASolo) {
    // seat 2 is made to reserve a solo it never wished: the solo dialog gets one of its buttons
    skript[66] = {66, 84, 66, 66};
    skript[84] = {86};
    starten(kNormal);
    bis([this] { return ersterAusspieler() != 0; });
    EXPECT_EQ(sitze(88), (std::vector<int>{2}));
    EXPECT_EQ(cg.doppelkopf.z.solist, 2);
    EXPECT_GE(cg.doppelkopf.z.soloTyp, 1);
    EXPECT_LE(cg.doppelkopf.z.soloTyp, 7);
}

TEST_F(DoppelkopfKiAblauf, AnnouncementsGoUpToTheSeatsClassAndNoFurther) {
    skript[66] = {66, 66, 66, 66};
    std::vector<std::pair<int, int>> antworten;
    auto alt = lauf->antworter;
    lauf->antworter = [&, alt](TCG& g) {
        if (g.phase.nr != 8 || g.phase.fluss3 != 89) return alt(g);
        const int seat = g.aktSpieler;
        // seat 1 (Re) of class 2, every other seat of class 0
        g.doppelkopf.z.kiWahl[seat - 1].klasse = seat == 1 ? 2 : 0;
        doppelkopf::kiTick();
        EXPECT_EQ(g.antwort.art, central::kKnopf);
        antworten.emplace_back(seat, g.antwort.wert2);
        return true;
    };
    starten(kNormal);
    bis([this] { return ersterAusspieler() != 0; });
    // Re and "Keine 90", then "!Keine Ansage" (code 0) for "Keine 60" and for every other seat
    EXPECT_EQ(antworten, (std::vector<std::pair<int, int>>{{1, 89}, {1, 89}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
    EXPECT_EQ(cg.doppelkopf.z.reStufe, 2);
    EXPECT_EQ(cg.doppelkopf.z.kontraStufe, 0);
}

// Seat 1 leads the Herz 9; seat 3, void in Herz, trumps with the Karo König while it is known to
// hold two of them.
class DoppelkopfKiWache : public DoppelkopfKiAblauf {
protected:
    void ersterStich() {
        karten[1] = {"h9"};
        karten[3] = {"dK"};
        auto alt = lauf->antworter;
        lauf->antworter = [this, alt](TCG& g) {
            if (g.phase.fluss3 == 47 && g.aktSpieler == 3 && !eingetragen) {
                eingetragen = true;
                for (int i = 0; i < 2; ++i) sdki::dazu(g.doppelkopf.z.wissen[2].bekannt, sdtest::DK("dK"));
            }
            return alt(g);
        };
        starten(kHochzeit);
        bis([] { return cg.doppelkopf.z.stichNr == 2; });
        ASSERT_TRUE(eingetragen);
    }
    bool evidenzLeer() const {
        for (const TParteiSicht& v : cg.doppelkopf.z.sichten)
            for (int32_t x : v.frei1)
                if (x != 0) return false;
        return true;
    }
    bool eingetragen = false;
};

TEST_F(DoppelkopfKiWache, DuringAnOpenHochzeitVoidsAreMarkedButNoPartyIsInferred) {
    ersterStich();
    EXPECT_EQ(cg.doppelkopf.z.hochzeit, 1);
    const TKartenWissen& w = cg.doppelkopf.z.wissen[2];
    EXPECT_EQ(w.frei[3], 1);  // seat 3 holds no Herz
    EXPECT_EQ(w.frei[6], 0);
    EXPECT_EQ(sdki::anzahl(w.bekannt, sdtest::DK("dK")), 1);  // one copy went, one stays
    EXPECT_TRUE(evidenzLeer());
}

TEST_F(DoppelkopfKiWache, InANormalGameTheSameTrumpSpeaksForKontra) {
    skript[66] = {66, 66, 66, 66};  // no Hochzeit: seat 1 keeps both Kreuz-Damen silently
    ersterStich();
    EXPECT_EQ(cg.doppelkopf.z.hochzeit, 0);
    EXPECT_EQ(cg.doppelkopf.z.wissen[2].frei[3], 1);
    EXPECT_FALSE(evidenzLeer());
}

}  // namespace
