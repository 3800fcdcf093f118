// The card rules and the settlement of a deal, checked against the rules of the game by hand.
#include <gtest/gtest.h>

#include "games/skat_jass_schnapsen/schnapsen.h"

namespace {

using namespace schnapsen;

constexpr int kKreuz = 1, kPik = 2, kHerz = 3, kKaro = 4;

karte K(int t, int f) { return karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0}; }

hand H(std::initializer_list<karte> cards) {
    hand h{};
    for (const karte& c : cards) h.at(++h.anz) = c;
    return h;
}

TEST(SchnapsenRegeln, CardPointsAddUpToTheDeck) {
    int schnapsen = 0, sechsundsechzig = 0;
    for (int f = 1; f <= 4; ++f)
        for (int t = kNeun; t <= kAss; ++t) {
            sechsundsechzig += kartenAugen(K(t, f));
            if (t >= kBube) schnapsen += kartenAugen(K(t, f));
        }
    // 4 x (11 + 10 + 4 + 3 + 2) and the Neunen worth nothing
    EXPECT_EQ(schnapsen, 120);
    EXPECT_EQ(sechsundsechzig, 120);
}

TEST(SchnapsenRegeln, TrickWinner) {
    struct Case {
        karte erste, zweite;
        int sitzZweite, trumpf, sieger;
    };
    const Case cases[] = {
        {K(kZehn, kHerz), K(kAss, kHerz), 2, kKreuz, 2},    // higher in suit
        {K(kAss, kHerz), K(kZehn, kHerz), 2, kKreuz, 1},    // lower in suit
        {K(kAss, kHerz), K(kBube, kKreuz), 2, kKreuz, 2},   // trump on a plain lead
        {K(kAss, kHerz), K(kAss, kPik), 1, kKreuz, 2},      // other plain suit: the leader (seat 2)
        {K(kBube, kKreuz), K(kAss, kHerz), 1, kKreuz, 2},   // trump lead, plain answer
        {K(kBube, kKreuz), K(kDame, kKreuz), 1, kKreuz, 1}, // trump over trump
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.erste.t) << "/" << int(c.zweite.t) << " seat " << c.sitzZweite);
        EXPECT_EQ(stichSieger(c.erste, c.zweite, c.sitzZweite, c.trumpf), c.sieger);
    }
}

TEST(SchnapsenRegeln, FollowRuleOpenTalonAllowsEverything) {
    const hand h = H({K(kAss, kHerz), K(kBube, kKreuz), K(kNeun, kPik)});
    for (int i = 1; i <= h.anz; ++i) EXPECT_TRUE(regelPruefen(h.at(i), K(kZehn, kHerz), h, false, kKreuz));
}

TEST(SchnapsenRegeln, FollowRuleStrictTakesFollowsTrumps) {
    struct Case {
        const char* was;
        hand h;
        karte lead;
        karte k;
        bool erlaubt;
    };
    const hand hoeher = H({K(kAss, kHerz), K(kBube, kHerz), K(kBube, kKreuz), K(kNeun, kPik)});
    const hand nurNiedriger = H({K(kBube, kHerz), K(kBube, kKreuz), K(kNeun, kPik)});
    const hand ohneFarbe = H({K(kBube, kKreuz), K(kNeun, kPik)});
    const hand ohneTrumpf = H({K(kNeun, kPik), K(kAss, kKaro)});
    const karte lead = K(kKoenig, kHerz);
    const Case cases[] = {
        {"must take: the Ass", hoeher, lead, K(kAss, kHerz), true},
        {"must take: not the lower Bube", hoeher, lead, K(kBube, kHerz), false},
        {"must take: not a trump", hoeher, lead, K(kBube, kKreuz), false},
        {"only lower: the Bube follows", nurNiedriger, lead, K(kBube, kHerz), true},
        {"only lower: no trump", nurNiedriger, lead, K(kBube, kKreuz), false},
        {"void: must trump", ohneFarbe, lead, K(kBube, kKreuz), true},
        {"void: not a plain card", ohneFarbe, lead, K(kNeun, kPik), false},
        {"void, no trump: any card", ohneTrumpf, lead, K(kNeun, kPik), true},
        {"void, no trump: any card", ohneTrumpf, lead, K(kAss, kKaro), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        EXPECT_EQ(regelPruefen(c.k, c.lead, c.h, true, kKreuz), c.erlaubt);
    }
}

TEST(SchnapsenRegeln, PairsAndExchangeCard) {
    const hand h = H({K(kDame, kHerz), K(kAss, kHerz), K(kKoenig, kHerz), K(kKoenig, kPik), K(kDame, kKaro)});
    EXPECT_EQ(paarPartner(h, 1), 3);
    EXPECT_EQ(paarPartner(h, 3), 1);
    EXPECT_EQ(paarPartner(h, 2), 0);  // an Ass makes no pair
    EXPECT_EQ(paarPartner(h, 4), 0);  // König without its Dame
    EXPECT_EQ(paarPartner(h, 1, kPik), 0);
    EXPECT_EQ(paarPartner(h, 1, kHerz), 3);
    EXPECT_EQ(ansageWert(K(kDame, kHerz), kHerz), 40);
    EXPECT_EQ(ansageWert(K(kDame, kHerz), kKreuz), 20);
    EXPECT_EQ(tauschWert(false), kBube);
    EXPECT_EQ(tauschWert(true), kNeun);
}

TEST(SchnapsenRegeln, AnnouncementsCountOnlyAfterATrick) {
    EXPECT_EQ(dealAugen(0, 40, false), 0);
    // a trick of two Neunen is worth nothing, yet the announcement counts from then on
    EXPECT_EQ(dealAugen(0, 40, true), 40);
    EXPECT_EQ(dealAugen(26, 20, true), 46);
}

TEST(SchnapsenRegeln, DealGamePoints) {
    struct Case {
        const char* was;
        Deal d;
        int sieger, punkte, grund;
    };
    auto deal = [](int a1, bool s1, int a2, bool s2) {
        Deal d;
        d.augen[1] = a1;
        d.augen[2] = a2;
        d.hatStich[1] = s1;
        d.hatStich[2] = s2;
        return d;
    };
    auto zu = [](Deal d, int seat, int b1, bool t1, int b2, bool t2) {
        d.sperrSitz = seat;
        d.augenBeimSperren[1] = b1;
        d.stichBeimSperren[1] = t1;
        d.augenBeimSperren[2] = b2;
        d.stichBeimSperren[2] = t2;
        return d;
    };
    auto letzter = [](Deal d, int seat, bool sechsundsechzig) {
        d.letzterStich = seat;
        d.sechsundsechzig = sechsundsechzig;
        return d;
    };
    const Case cases[] = {
        {"66 against 33: 1", deal(66, true, 33, true), 1, 1, kKeinGrund},
        {"66 against 32: 2", deal(66, true, 32, true), 1, 2, kWeniger},
        {"66 against a taker of no trick: 3", deal(0, false, 70, true), 2, 3, kOhneStich},
        // two Neunen in Sechsundsechzig: a trick worth 0 is still a trick
        {"66 against a trick worth 0: 2", deal(66, true, 0, true), 1, 2, kWeniger},
        {"tie by reaching goes to seat 2", deal(66, true, 66, true), 2, 1, kKeinGrund},
        {"closer wins, other had no trick: 3", zu(deal(70, true, 20, true), 1, 30, true, 0, false), 1, 3,
         kNullBeimSperren},
        {"closer wins, other had 20: 2", zu(deal(70, true, 40, true), 1, 30, true, 20, true), 1, 2,
         kWenigerBeimSperren},
        {"closer wins, other had 40: 1", zu(deal(70, true, 50, true), 1, 30, true, 40, true), 1, 1, kKeinGrund},
        {"closer fails: 2", zu(deal(60, true, 60, true), 2, 30, true, 40, true), 1, 2, kKeinGrund},
        {"closer fails, other had no trick: 3", zu(deal(50, true, 40, true), 2, 0, false, 40, true), 1, 3,
         kNullBeimSperren},
        {"Schnapsen: last trick wins", letzter(deal(64, true, 56, true), 2, false), 2, 1, kKeinGrund},
        // Sechsundsechzig: the last trick's 10 go to its taker; the loser's 30 give 2
        {"Sechsundsechzig: last trick +10", letzter(deal(30, true, 60, true), 2, true), 2, 2, kWeniger},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        const Wertung w = werten(c.d);
        EXPECT_EQ(w.sieger, c.sieger);
        EXPECT_EQ(w.spielPunkte, c.punkte);
        EXPECT_EQ(w.grund, c.grund);
    }
    EXPECT_EQ(werten(letzter(deal(30, true, 60, true), 2, true)).augenSieger, 70);
}

TEST(SchnapsenRegeln, BummerlCountsDown) {
    struct Case {
        int rest, punkte, danach;
        bool bummerl;
    };
    const Case cases[] = {{7, 3, 4, false}, {2, 3, 0, true}, {1, 1, 0, true}, {11, 2, 9, false}};
    for (const Case& c : cases) {
        int r = c.rest;
        EXPECT_EQ(bummerlAbziehen(r, c.punkte), c.bummerl);
        EXPECT_EQ(r, c.danach);
    }
    EXPECT_EQ(bummerlPunkte(7), 7);
    EXPECT_EQ(bummerlPunkte(11), 11);
    EXPECT_EQ(bummerlPunkte(0), 7);  // "Keine Grenze" would give a Bummerl every deal
}

TEST(SchnapsenRegeln, OptionNumbers) {
    EXPECT_EQ(optionZahl("9 Bummerl", 200), 9);
    EXPECT_EQ(optionZahl("Keine Grenze", 200), 200);
    EXPECT_EQ(optionZahl("11 Punkte", 0), 11);
    EXPECT_EQ(optionZahl("Keine Grenze", 0), 0);
    EXPECT_EQ(optionZahl("x", 0), 99999);
}

}  // namespace

namespace {

std::vector<std::string> zellen(const std::string& zeile) {
    std::vector<std::string> v;
    size_t p = 0;
    for (;;) {
        const size_t q = zeile.find('\t', p);
        v.push_back(zeile.substr(p, q == std::string::npos ? std::string::npos : q - p));
        if (q == std::string::npos) return v;
        p = q + 1;
    }
}

}  // namespace

// The score list is a grid of four columns: every row fills all four, or the rows below slide.
// Two deals of a 7-point Bummerl, the second one starting a new Bummerl after seat 1 reached 0.
TEST(SchnapsenRegeln, ScoreListRowsFillFourColumns) {
    TSpielliste& l = cg.spielliste;
    l = TSpielliste{};
    cg.schnapsen.punkteProBummerl = 0;  // 7 points
    cg.schnapsen.bummerl.at(1) = 1;
    cg.schnapsen.bummerl.at(2) = 0;
    l.runden = 2;
    l.punkte[1][1] = 0;
    l.punkte[2][1] = 7;
    l.text[1] = "Spieler erhält 7 Punkte.";
    l.punkte[1][2] = 7;
    l.punkte[2][2] = 4;
    l.text[2] = "Lena erhält 3 Punkte.";
    const std::vector<std::string> z = punkteZeilen();
    ASSERT_EQ(z.size(), 6u);  // header, deal 1, dashes, new Bummerl, deal 2, Bummerl count
    for (const std::string& zeile : z) EXPECT_EQ(zellen(zeile).size(), 4u) << zeile;
    EXPECT_EQ(zellen(z[1]), (std::vector<std::string>{"!1.", "!0", "!7", "Spieler erhält 7 Punkte."}));
    EXPECT_EQ(zellen(z[3]), (std::vector<std::string>{"", "!7", "!7", ""}));
    EXPECT_EQ(zellen(z[4]), (std::vector<std::string>{"!2.", "!7", "!4", "Lena erhält 3 Punkte."}));
    EXPECT_EQ(zellen(z[5]), (std::vector<std::string>{"Bummerl", "!1", "!0", ""}));
    l = TSpielliste{};
    cg.schnapsen = TSchnapsen{};
}
