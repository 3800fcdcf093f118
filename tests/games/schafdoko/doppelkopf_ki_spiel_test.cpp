// The Doppelkopf computer player's knowledge and card choice on situations written out card by
// card: the chance that a seat holds a card with every card twice, the second Dulle, what a card
// costs, the winning chance with a sure or a possible partner, the Kreuz-Dame that shows the
// party, the trick of 40 points, the soloist's trump lead and the watch hook's bookkeeping.
#include <gtest/gtest.h>

#include "games/schafkopf_doppelkopf/doppelkopf_ki.h"
#include "games/schafkopf_doppelkopf/sd_partei.h"
#include "platform/msgsink.h"
#include "sd_karten.h"

namespace {

using doppelkopfki::Lage;
using sdtest::DH;
using sdtest::DK;

// A normal game: hands by seat, the trick as "seat card" pairs.
Lage lage(const char* h1, const char* h2, const char* h3, const char* h4,
          std::vector<std::pair<int, const char*>> stich = {}) {
    Lage l = doppelkopfki::leereLage();
    const char* h[4] = {h1, h2, h3, h4};
    for (int s = 1; s <= 4; ++s) l.haende[static_cast<size_t>(s)] = DH(h[s - 1]);
    for (const auto& [seat, k] : stich) {
        karte c = DK(k);
        c.nr = static_cast<uint16_t>(seat);
        l.stich.push_back(c);
    }
    l.amZug = stich.empty() ? 1 : (stich.back().first % 4) + 1;
    return l;
}

// What seat `sicht` knows: its own side and those of the listed seats (10 Re, 11 Kontra);
// `vermutet` puts the code among the inferred ones.
void sieht(Lage& l, int sicht, std::vector<std::pair<int, int>> codes, bool vermutet = false) {
    TParteiSicht& v = l.sichten[static_cast<size_t>(sicht)];
    for (const auto& [seat, code] : codes) (vermutet && seat != sicht ? v.code2 : v.code)[seat - 1] = code;
}

const doppelkopfki::Kandidat& fuer(const std::vector<doppelkopfki::Kandidat>& c, const char* karte_) {
    const auto& sp = doppelkopfki::arbeit().spielbar;
    for (size_t i = 0; i < sp.size(); ++i)
        if (gleich(sp[i], DK(karte_))) return c[i];
    ADD_FAILURE() << karte_ << " is not playable";
    return c.front();
}

// ---------------------------------------------------------------------------------------------
// Knowledge

TEST(DoppelkopfKiWissen, ACardHeldOnceOrTwiceByTheOthersIsFoundByDrawingWithoutReplacement) {
    // seat 1 observes; 36 unseen cards lie in three hands of 12
    Lage l = lage("hZ cD cD sD sD hD hD dD dD cB cB sB", "sB hB hB dB dB dA dA dZ dZ dK dK d9",
                  "hZ d9 cA cA cZ cZ cK cK c9 c9 sA sA", "sZ sZ sK sK s9 s9 hA hA hK hK h9 h9");
    doppelkopfki::wissenAktualisieren(l, 1);
    // one copy unseen: the chance that seat 2 holds it is 12 / 36
    sdki::Abfrage q;
    q.art = 5;
    q.hoeher = doppelkopfki::kartenRang(DK("hZ"));
    EXPECT_NEAR(doppelkopfki::wktHat(2, q, 1), 12.0f / 36.0f, 1e-6f);
    // both copies unseen: 1 - (24/36)(23/35)
    q.hoeher = doppelkopfki::kartenRang(DK("cA"));
    EXPECT_NEAR(doppelkopfki::wktHat(2, q, 1), 1.0f - (24.0f / 36.0f) * (23.0f / 35.0f), 1e-6f);
}

TEST(DoppelkopfKiWissen, TheSecondDulleRanksAboveThePlayedOneOnlyWithItsOption) {
    Lage l = lage("hZ cD cD sD sD hD hD dD dD cB cB", "sB hB hB dB dB dA dA dZ dZ dK dK d9",
                  "hZ d9 cA cA cZ cZ cK cK c9 c9 sA sA", "sZ sZ sK sK s9 s9 hA hA hK hK h9", {{4, "h9"}});
    l.amZug = 1;
    // the other Dulle is unseen: with the option, holding a card above a Dulle means holding it
    doppelkopfki::wissenAktualisieren(l, 1);
    EXPECT_NEAR(doppelkopfki::wktHoeher(3, DK("hZ")), 12.0f / 35.0f, 1e-6f);
    l.zweiteDulle = false;
    doppelkopfki::wissenAktualisieren(l, 1);
    EXPECT_EQ(doppelkopfki::wktHoeher(3, DK("hZ")), 0.0f);
}

TEST(DoppelkopfKiWissen, NoPartnerIsKnownWhileAHochzeitWaits) {
    Lage l = lage("cD cD c9 c9 s9 s9 h9 h9 sK sK hK hK", "hZ sD hD dD cB sB hB dB cA sA hA dA",
                  "hZ sD hD dD cB sB hB dB cZ sZ dZ dK", "cK cK sA hA dA cA sZ cZ dZ dK d9 d9");
    sieht(l, 3, {{3, 11}, {4, 11}});
    doppelkopfki::wissenAktualisieren(l, 3);
    EXPECT_EQ(doppelkopfki::arbeit().partner1, 4);
    l.hochzeitOffen = true;
    l.hochzeit = 1;
    doppelkopfki::wissenAktualisieren(l, 3);
    EXPECT_EQ(doppelkopfki::arbeit().partner1, 0);
    EXPECT_EQ(doppelkopfki::arbeit().partner2, 0);
}

TEST(DoppelkopfKiWissen, PartyInferenceRunsOnlyInAnOpenNormalGame) {
    TParteiSicht offen{};
    for (int s = 0; s < 4; ++s) offen.code[s] = offen.code2[s] = 9;
    offen.code[0] = 10;
    TParteiSicht bekannt = offen;
    for (int s = 0; s < 4; ++s) bekannt.code[s] = s < 2 ? 10 : 11;
    struct Fall {
        int solo;
        bool hochzeit;
        const TParteiSicht* v;
        bool laeuft;
    };
    const Fall faelle[] = {{0, false, &offen, true},   {3, false, &offen, false}, {7, false, &offen, false},
                           {0, true, &offen, false},   {0, false, &bekannt, false}};
    for (const Fall& f : faelle)
        EXPECT_EQ(doppelkopfki::parteiInferenz(f.solo, f.hochzeit, *f.v), f.laeuft) << f.solo << " " << f.hochzeit;
}

std::vector<std::string> g_log;
void merken(const std::string& t) { g_log.push_back(t); }

TEST(DoppelkopfKiWissen, ADirectSignalMovesEveryOtherObserverByItsOwnSide) {
    // seat 3 discards on a trump trick: a push towards Kontra. Seats 1 (Re) and 2, 4 (Kontra) see
    // it by their own sides; in a second round seat 2 does not know its side yet.
    TParteiSicht v[5]{};
    for (auto& r : v)
        for (int s = 0; s < 4; ++s) r.code[s] = r.code2[s] = 9;
    v[1].code[0] = 10;
    v[2].code[1] = 11;
    v[4].code[3] = 11;
    msgsink::Capture boxen;
    auto alt = doppelkopfki::logZeile;
    doppelkopfki::logZeile = merken;
    g_log.clear();
    doppelkopfki::parteiSignal(v, 3, 11, 100);
    EXPECT_EQ(sdki::evidenz(v[1], 3, 1), -100);
    EXPECT_EQ(sdki::evidenz(v[2], 3, 2), 100);
    EXPECT_EQ(sdki::evidenz(v[4], 3, 4), 100);
    EXPECT_EQ(sdki::evidenz(v[3], 3, 3), 0);  // the player itself learns nothing
    EXPECT_TRUE(g_log.empty());
    v[2].code[1] = 9;
    doppelkopfki::parteiSignal(v, 3, 11, 60);
    EXPECT_EQ(sdki::evidenz(v[1], 3, 1), -160);
    EXPECT_EQ(sdki::evidenz(v[2], 3, 2), 100);  // skipped
    EXPECT_EQ(sdki::evidenz(v[4], 3, 4), 160);
    ASSERT_EQ(g_log.size(), 1u);
    EXPECT_EQ(g_log[0], "ACHTUNG! Logikfehler: partei_evt[2,2]=9");
    EXPECT_TRUE(boxen.texts().empty());  // logged, no message box
    doppelkopfki::logZeile = alt;
}

// ---------------------------------------------------------------------------------------------
// Card choice

TEST(DoppelkopfKiSpiel, SpendingATrumpCostsByWhatIsAboveItTheDulleAndTheParty) {
    // seat 4 plays last onto Karo trumps; both Dullen are its own, so nothing unseen beats them
    const char* h1 = "cD cD sD sD hD dD cB cB sB sB hB";
    const char* h2 = "hD dD hB dB dB dA dA c9 c9 s9 s9";
    const char* h3 = "dZ cA cA cZ cZ cK cK sA sA hA hA";
    const char* h4 = "hZ hZ d9 sZ sZ sK sK hK hK h9 h9 dK";
    struct Fall {
        int solo;
        bool partnerGewinnt;  // seat 3, winning so far, is seat 4's own side
        int offenbart;
        float dulle, d9;
    };
    const Fall faelle[] = {
        {0, false, 0, 180, 0},  // 120 + 40 + 20 while the seat has not shown its side
        {0, false, 1, 160, 0},  // once it has, the party term goes
        {0, true, 0, 540, 0},   // taking a partner's sure trick costs three times
        {4, false, 0, 160, 0},  // a solo has no party term
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.solo << " " << f.partnerGewinnt << " " << f.offenbart);
        Lage l = lage(h1, h2, h3, h4, {{1, "d9"}, {2, "dK"}, {3, "dZ"}});
        l.soloTyp = f.solo;
        if (f.solo) {
            l.solist = 4;
            sieht(l, 4, {{1, 11}, {2, 11}, {3, 11}, {4, 10}});
        } else {
            sieht(l, 4, {{4, 10}, {3, f.partnerGewinnt ? 10 : 11}});
        }
        l.sichten[4].frei2[3] = f.offenbart;
        doppelkopfki::wissenAktualisieren(l, 4);
        const auto c = doppelkopfki::kartenBewertung();
        EXPECT_EQ(fuer(c, "hZ").pGewinn, 1.0f);
        EXPECT_EQ(fuer(c, "hZ").kartenWert, f.dulle);
        // the Karo 9 lies below 12 unseen trumps or more: spending it costs nothing
        EXPECT_EQ(fuer(c, "d9").kartenWert, f.d9);
    }
}

TEST(DoppelkopfKiSpiel, TakingATrickForASurePartnerIsCertainForAPossibleOneNinetyPercent) {
    // seat 3 follows in Kreuz with the As; seat 4 plays last
    struct Fall {
        bool sicher;
        float p;
    };
    for (const Fall f : {Fall{true, 1.0f}, Fall{false, 0.9f}}) {
        Lage l = lage("cD sD hD dD cB sB hB dB hA hA h9", "hZ sD hD dD cB sB hB dB dA dA d9",
                      "cA hZ cD dZ dZ dK dK sA sA sK sK s9", "cA cZ cZ cK hK hK h9 s9 sZ sZ d9 dB", {{1, "c9"}, {2, "cK"}});
        sieht(l, 3, {{3, 10}, {4, 10}}, !f.sicher);
        doppelkopfki::wissenAktualisieren(l, 3);
        const auto c = doppelkopfki::kartenBewertung();
        EXPECT_EQ(fuer(c, "cA").pGewinn, f.p) << f.sicher;
    }
}

TEST(DoppelkopfKiSpiel, TheFirstKreuzDameShowsTheSideUntilTheSideIsKnown) {
    struct Fall {
        int gespielt;   // Kreuz-Damen played before
        int offenbart;  // the seat has shown its side already
        int oeffentlich;
        int erwartet;
    };
    const Fall faelle[] = {{0, 0, 9, 2}, {1, 0, 9, 1}, {0, 1, 9, 0}, {0, 0, 10, 0}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.gespielt << " " << f.offenbart << " " << f.oeffentlich);
        Lage l = lage("sD sD hD dD cB sB hB dB hA hA h9", "cD d9 dK dZ dA cA cZ cK c9 sA sZ sK",
                      "hZ hZ cD hD dD dK dZ cB sB hB dB dA", "cA cZ cK c9 sA sZ sK s9 s9 hK hK h9", {{1, "dB"}});
        sieht(l, 2, {{2, 10}});
        l.kreuzDamenGespielt[3] = f.gespielt;
        l.sichten[2].frei2[3] = f.offenbart;
        l.sichten[0].code[1] = f.oeffentlich;
        doppelkopfki::wissenAktualisieren(l, 2);
        const auto c = doppelkopfki::kartenBewertung();
        EXPECT_EQ(fuer(c, "cD").offenbar, f.erwartet);
        EXPECT_EQ(fuer(c, "d9").offenbar, 0);
    }
}

TEST(DoppelkopfKiSpiel, ATrickOfFortyPointsWeighsByWhoTakesIt) {
    // seat 4 adds its Pik Zehn to 32 points: 42 in the trick, which the first Pik As keeps
    struct Fall {
        int code1;  // seat 1's side as seat 4 sees it; seat 4 plays Kontra
        bool vermutet;
        int fig2;
    };
    // a sure partner keeps it (p 1.0), a believed one (p 0.9), an opponent (p 0)
    const Fall faelle[] = {{11, false, 100}, {11, true, 90}, {10, false, -100}, {10, true, -100}};
    for (const Fall& f : faelle) {
        Lage l = lage("cD sD hD dD cB sB hB dB hA hA h9", "hZ sD hD dD cB sB hB dB dA dA d9",
                      "hZ cD dZ dZ dK dK cA cA cZ cK c9", "cZ cK c9 sK sK s9 s9 hK hK h9 d9 sZ",
                      {{1, "sA"}, {2, "sA"}, {3, "sZ"}});
        sieht(l, 4, {{4, 11}, {1, f.code1}}, f.vermutet);
        doppelkopfki::wissenAktualisieren(l, 4);
        const auto c = doppelkopfki::kartenBewertung();
        EXPECT_EQ(fuer(c, "sZ").fig2, f.fig2) << f.code1 << " " << f.vermutet;
        EXPECT_EQ(fuer(c, "sZ").fig1, 0);
    }
}

TEST(DoppelkopfKiSpiel, TheLastCardOfTheDealComparesWithNothingUnseen) {
    Lage l = lage("", "", "", "cA", {{1, "c9"}, {2, "cK"}, {3, "cZ"}});
    sieht(l, 4, {{4, 11}});
    doppelkopfki::wissenAktualisieren(l, 4);
    const auto c = doppelkopfki::kartenBewertung();
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].vergleich, 0.0f);
    EXPECT_EQ(c[0].stichAugen, 25.0f);  // 0 + 4 + 10 + 11, nothing left to expect
    EXPECT_EQ(c[0].pGewinn, 1.0f);
}

TEST(DoppelkopfKiSpiel, TheSoloistLeadsTheLowestOfItsSureTrumps) {
    // every trump above the Pik-Dame is the soloist's own; the Karo 9 lies below many
    Lage l = lage("hZ hZ cD cD sD d9 cA cA sA sA hA hA", "sD hD hD dD dD cB cB sB sB hB hB dB",
                  "dB dA dA dZ dZ dK dK d9 cZ cZ cK cK", "c9 c9 sZ sZ sK sK s9 s9 hK hK h9 h9");
    l.soloTyp = 4;
    l.solist = 1;
    doppelkopfki::wissenAktualisieren(l, 1);
    const auto& sp = doppelkopfki::arbeit().spielbar;
    const int i = doppelkopfki::trumpfAnspielen();
    ASSERT_GE(i, 0);
    EXPECT_EQ(sdtest::name(sp[static_cast<size_t>(i)], true), "sD");
}

}  // namespace
