// Party estimation: evidence points, the believed parties with their threshold and hysteresis,
// known parties clearing contrary evidence, direct signals, and evidence from a played card.
#include <gtest/gtest.h>

#include "games/schafkopf_doppelkopf/sd_partei.h"
#include "platform/msgsink.h"
#include "sd_karten.h"

namespace {

using sdtest::SH;
using sdtest::SK;

TEST(SdPartei, EvidencePointsByTheStepTable) {
    struct Fall {
        float p;
        int punkte;
    };
    const Fall faelle[] = {{1.0f, 120},  {0.976f, 120}, {0.975f, 100}, {0.951f, 100}, {0.95f, 90},
                           {0.9f, 72},   {0.76f, 38},   {0.75f, 32},   {0.61f, 5},    {0.6f, 3},
                           {0.53f, 1},   {0.525f, 0},   {0.3f, 0},     {0.0f, 0},     {-1.0f, 0}};
    for (const Fall& f : faelle) EXPECT_EQ(sdki::evidenzPunkte(f.p), f.punkte) << f.p;
}

// Views where seat 1 knows itself in party 10 and sees the others open.
struct Matrix {
    TParteiSicht v[5]{};
    Matrix() {
        for (TParteiSicht& s : v)
            for (int i = 0; i < 4; ++i) s.code[i] = s.code2[i] = 9;
        v[1].code[0] = v[1].code2[0] = 10;
    }
    int glaube(int seat) const { return sdki::parteievt(v, seat, 1); }
};

TEST(SdPartei, ASeatIsAssignedAbove40AndKeptUntilItsScoreTurns) {
    struct Schritt {
        int e21;  // evidence E[2][1]: seat 2 gave points to the observer
        int punkte;
        int code;
    };
    // 11 x 3.5 = 38.5 rounds (halves to even) to 38: not yet; 12 x 3.5 = 42: assigned; then
    // held down to 0 (3.5 rounds to 4, 0 stays), and turned once negative: -4 beyond -0 gives
    // the other party, 17.5 (to 18) brings it back
    const Schritt schritte[] = {{11, 38, 9}, {12, 42, 10}, {1, 4, 10}, {0, 0, 10}, {-1, -4, 11}, {5, 18, 10}};
    Matrix m;
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(s.e21);
        sdki::evidenz(m.v[1], 2, 1) = s.e21;
        sdki::zuordnen(m.v, 1);
        EXPECT_EQ(sdki::punkte(m.v[1], 2), s.punkte);
        EXPECT_EQ(m.glaube(2), s.code);
    }
}

TEST(SdPartei, OnlyOnePartnerAndTwoOpponentsAreBelieved) {
    {
        Matrix m;  // seat 2 scores 63, seat 3 scores 70: the stronger is the partner
        sdki::evidenz(m.v[1], 2, 1) = 18;
        sdki::evidenz(m.v[1], 3, 1) = 20;
        sdki::zuordnen(m.v, 1);
        EXPECT_EQ(m.glaube(2), 9);
        EXPECT_EQ(m.glaube(3), 10);
    }
    {
        Matrix m;  // the earlier seat is stronger: it stays, the later waits
        sdki::evidenz(m.v[1], 2, 1) = 20;
        sdki::evidenz(m.v[1], 3, 1) = 18;
        sdki::zuordnen(m.v, 1);
        EXPECT_EQ(m.glaube(2), 10);
        EXPECT_EQ(m.glaube(3), 9);
    }
    {
        Matrix m;  // three seats against the observer: at most two are opponents
        m.v[1].code[3] = m.v[1].code2[3] = 10;  // seat 4 is publicly the partner
        sdki::evidenz(m.v[1], 2, 1) = -20;
        sdki::evidenz(m.v[1], 3, 1) = -20;
        sdki::zuordnen(m.v, 1);
        EXPECT_EQ(m.glaube(2), 11);
        EXPECT_EQ(m.glaube(3), 11);
        EXPECT_EQ(m.glaube(4), 10);
    }
    {
        Matrix m;  // a public partner leaves no place for a believed one
        m.v[1].code[3] = m.v[1].code2[3] = 10;
        sdki::evidenz(m.v[1], 2, 1) = 30;
        sdki::zuordnen(m.v, 1);
        EXPECT_EQ(m.glaube(2), 9);
    }
}

TEST(SdPartei, KnownPartiesClearContraryEvidence) {
    Matrix m;
    for (int o = 1; o <= 4; ++o) {
        m.v[o].code[0] = m.v[o].code[1] = 10;
        m.v[o].code[2] = 11;
        sdki::evidenz(m.v[o], 1, 2) = -5;  // partners: negative goes
        sdki::evidenz(m.v[o], 2, 1) = 7;   // positive stays
        sdki::evidenz(m.v[o], 1, 3) = 6;   // opponents: positive goes
        sdki::evidenz(m.v[o], 3, 1) = -8;  // negative stays
        sdki::evidenz(m.v[o], 4, 1) = -9;  // seat 4 is open: untouched
    }
    sdki::konsistenz(m.v);
    for (int o = 1; o <= 4; ++o) {
        EXPECT_EQ(sdki::evidenz(m.v[o], 1, 2), 0);
        EXPECT_EQ(sdki::evidenz(m.v[o], 2, 1), 7);
        EXPECT_EQ(sdki::evidenz(m.v[o], 1, 3), 0);
        EXPECT_EQ(sdki::evidenz(m.v[o], 3, 1), -8);
        EXPECT_EQ(sdki::evidenz(m.v[o], 4, 1), -9);
    }
}

TEST(SdPartei, DirectSignalsGoToEveryObserverByItsOwnParty) {
    Matrix m;              // seat 1 knows itself in 10
    m.v[2].code[1] = 11;   // seat 2 in 11; seat 4 does not know its own party
    msgsink::Capture c;
    EXPECT_FALSE(sdki::signal(m.v, 3, 11, 100));  // seat 3 shows itself in party 11
    const std::vector<std::string> meldungen = c.texts();
    EXPECT_EQ(sdki::evidenz(m.v[1], 3, 1), -100);
    EXPECT_EQ(sdki::evidenz(m.v[2], 3, 2), 100);
    EXPECT_EQ(sdki::evidenz(m.v[3], 3, 3), 0);  // the player itself is no observer here
    EXPECT_EQ(sdki::evidenz(m.v[4], 3, 4), 0);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], "ACHTUNG! Logikfehler: partei_evt[4,4]=9");
}

TEST(SdPartei, PartnersComeFromTheMatrixOrFromTheLoneDeclarer) {
    Matrix m;
    m.v[1].code[2] = 10;  // seat 3 publicly with seat 1
    m.v[1].code2[3] = 10;  // seat 4 believed with seat 1: only the second view sees it
    m.v[1].code[3] = 9;
    sdki::Sicht s;
    s.ich = 1;
    s.letzter = 4;
    sdki::partnerSetzen(s, m.v, false, 0);
    EXPECT_EQ(s.partner1, 3);
    EXPECT_EQ(s.partner1Letzter, 0);
    EXPECT_EQ(s.partner2, 4);
    EXPECT_EQ(s.partner2Letzter, 1);
    // one against three, seat 2 the declarer: seats 3 and 4 are partners of seat 1
    sdki::partnerSetzen(s, m.v, true, 2);
    EXPECT_EQ(s.partner2, 4);
    EXPECT_EQ(s.partner2Letzter, 1);
    s.letzter = 2;
    sdki::partnerSetzen(s, m.v, true, 2);
    EXPECT_EQ(s.partner2, 0);
    EXPECT_EQ(s.partner2Letzter, 0);
}

// A Rufspiel trick: the working sets come from one table of hands, each observer seeing its own.
struct Tisch {
    sdki::Regeln regeln = sdki::regelnAus(schafkopf::trumpfOrdnung(schafkopf::kRufspiel, 1));
    std::vector<karte> hand[5];
    TKartenWissen wissen[4]{};
    int amZug = 0;
    static sdki::Sicht sichtFuer(int o, void* ctx) {
        const Tisch& t = *static_cast<const Tisch*>(ctx);
        sdki::Lage l;
        l.regeln = &t.regeln;
        l.ich = o == 0 ? t.amZug : o;
        for (int u = 1; u <= 4; ++u) {
            l.handAnz[u] = static_cast<int>(t.hand[u].size());
            for (const karte& k : t.hand[u]) sdki::dazu(u == l.ich ? l.eigeneHand : l.unsichtbar, k);
        }
        l.wissen = t.wissen;
        return sdki::wissenAktualisieren(l);
    }
};

TEST(SdPartei, AHighCardOnAnotherSeatsTrickIsEvidence) {
    struct Fall {
        const char* karte;
        const char* stich;  // the trick before the card, led by `ausspieler`
        int ausspieler;
        int eigeneSicht;  // evidence E[3][winner] in seat 3's own row and the public row
        int sichtVon1;    // in seat 1's row
    };
    // Seat 3 holds GZ G7 EU SU S9 and puts a card on a Gras trick that the Gras-As wins.
    // Playing third after GA (seat 1) and G9 (seat 2): seat 4 still to come keeps the trick
    // with the As unless void in Gras with a trump: from seat 3's view it holds none of the 2
    // unseen Gras cards with C(10,2)/C(15,2) = 3/7 and a trump (7 of 15 unseen) with
    // 1 - C(10,7)/C(15,7) = 6315/6435, so it takes with 0.4206 and the As holds with 0.5794.
    // Seat 3 knows it had the G7: q = 1, 0.5794 gives 3 points. Seat 1 sees three cheaper
    // Gras cards among 15 unseen (seat 3: 5 cards, others 10): q = 1 - C(10,3)/C(15,3) =
    // 0.7363, times 0.5794 = 0.4266: nothing.
    // Playing last after GA of seat 4: the As surely wins: 120 in seat 3's own view.
    // A low card and a lead prove nothing.
    const Fall faelle[] = {{"GZ", "GA G9", 1, 3, 0},
                           {"GZ", "GA G9 E8", 4, 120, -1},
                           {"G7", "GA G9", 1, 0, 0},
                           {"GZ", "", 3, 0, 0}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.karte) + " auf " + f.stich);
        Tisch t;
        t.hand[1] = SH("EO SO EA E7 H7");
        t.hand[2] = SH("GO HO S7 S8 EK");
        t.hand[3] = SH("GZ G7 EU SU S9");
        t.hand[4] = SH("GK G8 HU HA SA");
        t.amZug = 3;
        Matrix m;
        std::vector<karte> stich = SH(f.stich);
        for (size_t i = 0; i < stich.size(); ++i)
            stich[i].nr = static_cast<uint16_t>((f.ausspieler - 1 + static_cast<int>(i)) % 4 + 1);
        const int sieger = stich.empty() ? 3 : stich[0].nr;
        sdki::LernLage l;
        l.sichten = m.v;
        l.spieler = 3;
        l.karte_ = SK(f.karte);
        l.stich = stich.data();
        l.stichAnz = static_cast<int>(stich.size());
        l.sieger = sieger;
        l.besteKarte = stich.empty() ? SK(f.karte) : SK("GA");
        l.sichtFuer = Tisch::sichtFuer;
        l.ctx = &t;
        sdki::parteiLernen(l);
        EXPECT_EQ(sdki::evidenz(m.v[3], 3, sieger), f.eigeneSicht);
        EXPECT_EQ(sdki::evidenz(m.v[0], 3, sieger), f.eigeneSicht);
        if (f.sichtVon1 >= 0) {
            EXPECT_EQ(sdki::evidenz(m.v[1], 3, sieger), f.sichtVon1);
        }
        int summe = 0;
        for (int o = 0; o <= 4; ++o)
            for (int w = 1; w <= 4; ++w) summe += w == sieger ? 0 : sdki::evidenz(m.v[o], 3, w);
        EXPECT_EQ(summe, 0);  // only the expected winner gets evidence
    }
}

}  // namespace
