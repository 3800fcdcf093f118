// The captions beside the seats: who bids, who plays which game, and which side a seat is on as
// far as the human at seat 1 knows it; first from set-up deal states, then as scripted deals of
// both games move on.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "games/schafkopf_doppelkopf/sd_anzeige.h"
#include "sd_karten.h"
#include "sd_lauf.h"
#include "table/overlays.h"
#include "table/tischdienste.h"

namespace {

using Texte = std::array<std::string, 4>;

Texte schafkopfTexte() {
    Texte t;
    for (int s = 1; s <= 4; ++s) t[static_cast<size_t>(s - 1)] = schafkopf::sitzText(s);
    return t;
}
Texte doppelkopfTexte() {
    Texte t;
    for (int s = 1; s <= 4; ++s) t[static_cast<size_t>(s - 1)] = doppelkopf::sitzText(s);
    return t;
}
// What the table draws beside the seats; an invisible caption reads as empty.
Texte gezeigt() {
    Texte t;
    for (int s = 1; s <= 4; ++s) {
        const glu::SeatOverlay& o = glu::seatOverlay[s];
        t[static_cast<size_t>(s - 1)] = o.bubbleVisible ? o.bubble : std::string();
        if (o.bubbleVisible && o.bubble.empty()) ADD_FAILURE() << "seat " << s << " shows an empty caption";
    }
    return t;
}

}  // namespace

TEST(SchafkopfAnzeige, BiddersUntilTheGameIsFixedThenTheDeclarersGame) {
    using namespace schafkopf;
    struct Case {
        int erster, zweiter, bieter, angesagt, hoechstes;
        int typ, tout, spieler, kontra;
        Texte erwartet;
    };
    const Case cases[] = {
        // one seat wants to play and has not named its game yet
        {2, 0, 0, 0, kKeinSpiel, kKeinSpiel, 0, 0, 0, {"", "Will spielen", "", ""}},
        // the first bidder named a Wenz, the second still has to name his
        {2, 4, 2, 1, kWenz, kKeinSpiel, 0, 0, 0, {"", "Wenz", "", "Will spielen"}},
        // the second named the higher game
        {2, 4, 4, 2, kGeier, kKeinSpiel, 0, 0, 0, {"", "Will spielen", "", "Geier"}},
        // fixed: only the declarer shows, with the doublings
        {3, 1, 3, 2, kWenz, kWenz, 0, 3, 0, {"", "", "Wenz", ""}},
        {3, 0, 3, 1, kWenz, kWenz, 1, 3, 1, {"", "", "Wenz-Tout - Kontra", ""}},
        {4, 0, 4, 1, kBettel, kBettel, 0, 4, 2, {"", "", "", "Bettel - Kontra - Re"}},
        {1, 0, 1, 1, kSie, kSie, 0, 1, 0, {"Sie", "", "", ""}},
        // nobody wanted to play: everyone in the Ramsch
        {0, 0, 0, 0, kKeinSpiel, kRamsch, 0, 0, 0, {"Ramsch", "Ramsch", "Ramsch", "Ramsch"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.erster << " " << c.zweiter << " " << c.typ << " " << c.kontra);
        cg.schafkopf.z = TSchafkopfZustand{};
        cg.schafkopf.spiel = TSchafkopfSpiel{};
        cg.sprechblasen = TSprechblasen{};  // no seat is speaking: every caption shows
        TSchafkopfZustand& z = cg.schafkopf.z;
        z.erster = c.erster;
        z.zweiter = c.zweiter;
        z.bieter = c.bieter;
        z.angesagt = c.angesagt;
        z.hoechstes.typ = static_cast<uint8_t>(c.hoechstes);
        z.spieler = c.spieler;
        z.kontra = c.kontra;
        cg.schafkopf.spiel.typ = static_cast<uint8_t>(c.typ);
        cg.schafkopf.spiel.tout = static_cast<uint8_t>(c.tout);
        EXPECT_EQ(schafkopfTexte(), c.erwartet);
        anzeigeAktualisieren();
        EXPECT_EQ(gezeigt(), c.erwartet);
    }
}

TEST(SchafkopfAnzeige, RufspielSidesShowAsTheHumanLearnsThem) {
    using namespace schafkopf;
    // seat 2 calls the Eichel-As; `asBei` holds it
    const auto rufspiel = [](int asBei) {
        cg.schafkopf.z = TSchafkopfZustand{};
        cg.schafkopf.spiel = TSchafkopfSpiel{};
        cg.schafkopf.spiel.typ = kRufspiel;
        cg.schafkopf.spiel.farbe = 1;
        TSchafkopfZustand& z = cg.schafkopf.z;
        z.spieler = z.gewerteterSpieler = 2;
        const char* ohneAs[3] = {"HO SO EU GU GZ G8 G9 S9", "HU SU HK H9 SA SZ SK S8", "H8 H7 EZ EK E8 E9 GK GA"};
        const auto mitAs = sdtest::SH("EA EO GO HA HZ G7 S7 E7");
        for (int s = 1, i = 0; s <= 4; ++s) {
            if (s == 2) continue;
            const auto h = s == asBei ? mitAs : sdtest::SH(ohneAs[i++]);
            for (int k = 0; k < 8; ++k) z.gegeben[s - 1][k] = h[static_cast<size_t>(k)];
        }
        const auto eigene = sdtest::SH("HO SO EU GU GZ G8 G9 S9");
        for (int k = 0; k < 8; ++k) z.gegeben[1][k] = eigene[static_cast<size_t>(k)];
        parteiEreignis(0, 0);
        parteiEreignis(5, 2);
        for (int s : {1, 3, 4}) parteiEreignis(9, s);
    };
    const auto ausspielen = [](int seat, const char* k) {
        TSchafkopfZustand& z = cg.schafkopf.z;
        karte c = sdtest::SK(k);
        c.nr = static_cast<uint16_t>(seat);
        z.stich[z.stichAnz++] = c;
        parteiEreignis(2, seat);
    };

    // the human holds no ace: he knows only himself an opponent
    rufspiel(4);
    Texte t = schafkopfTexte();
    EXPECT_EQ(t[0], "Gegenspieler");
    EXPECT_FALSE(t[1].empty());
    EXPECT_EQ(t[2], "");
    EXPECT_EQ(t[3], "");
    // the ace is played: its holder is the partner, and the last seat is an opponent
    ausspielen(4, "EA");
    EXPECT_EQ(schafkopfTexte()[3], "Mitspieler");
    EXPECT_EQ(schafkopfTexte()[2], "");
    parteiEreignis(8, 0);
    EXPECT_EQ(schafkopfTexte()[2], "Gegenspieler");

    // the human holds the ace: he knows himself the partner, the table does not yet
    rufspiel(1);
    t = schafkopfTexte();
    EXPECT_EQ(t[0], "Mitspieler");
    EXPECT_EQ(t[2], "");
    EXPECT_EQ(t[3], "");
}

TEST(DoppelkopfAnzeige, PartiesSolosAndAnnouncementsAsTheHumanKnowsThem) {
    using namespace doppelkopf;
    struct Case {
        const char* was;
        int soloTyp, solist, hochzeit;
        std::array<int, 4> codes;  // the human's view of seats 1..4
        int reStufe, kontraStufe;
        Texte erwartet;
    };
    const Case cases[] = {
        {"own Kreuz-Dame", kNormal, 0, 0, {10, 9, 9, 9}, 0, 0, {"Re", "", "", ""}},
        {"Re said", kNormal, 0, 0, {10, 11, 9, 11}, 1, 0, {"Re angesagt", "Kontra", "", "Kontra"}},
        {"both sides further", kNormal, 0, 0, {11, 10, 10, 11}, 2, 3,
         {"Kontra - Keine 60", "Re - Keine 90", "Re - Keine 90", "Kontra - Keine 60"}},
        {"the other side unknown", kNormal, 0, 0, {11, 9, 9, 9}, 5, 0, {"Kontra", "", "", ""}},
        {"Hochzeit seeking", kNormal, 3, 3, {11, 9, 10, 9}, 0, 0, {"Kontra", "", "Hochzeit", ""}},
        {"Hochzeit found", kNormal, 3, 3, {11, 10, 10, 11}, 1, 0,
         {"Kontra", "Re angesagt", "Hochzeit - Re", "Kontra"}},
        {"solo", kDamensolo, 2, 0, {11, 10, 11, 11}, 0, 0, {"", "Damensolo", "", ""}},
        {"solo with announcements", kDamensolo, 2, 0, {11, 10, 11, 11}, 2, 1,
         {"Kontra angesagt", "Damensolo - Keine 90", "Kontra angesagt", "Kontra angesagt"}},
        {"solo of a seat not yet known", kFleischlos, 4, 0, {11, 9, 9, 9}, 0, 0, {"", "", "", ""}},
        {"solo known", kFleischlos, 4, 0, {11, 11, 11, 10}, 0, 0, {"", "", "", "Fleischloses Solo"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        cg.doppelkopf.z = TDoppelkopfZustand{};
        cg.sprechblasen = TSprechblasen{};  // no seat is speaking: every caption shows
        TDoppelkopfZustand& z = cg.doppelkopf.z;
        z.soloTyp = c.soloTyp;
        z.solist = c.solist;
        z.hochzeit = c.hochzeit;
        z.reStufe = c.reStufe;
        z.kontraStufe = c.kontraStufe;
        // only the human's view counts: the public one says something else
        for (int s = 0; s < 4; ++s) {
            z.sichten[1].code[s] = c.codes[static_cast<size_t>(s)];
            z.sichten[0].code[s] = 10;
        }
        EXPECT_EQ(doppelkopfTexte(), c.erwartet);
        anzeigeAktualisieren();
        EXPECT_EQ(gezeigt(), c.erwartet);
    }
}

namespace {

const char* const kSchafkopfHaende[4] = {"EO GO HA HZ EA E7 G7 S7", "HO SO EU GU GA GZ G8 G9",
                                         "HU SU HK H9 SA SZ SK S8", "H8 H7 EZ EK E8 E9 GK S9"};
constexpr int kSpielen = 93, kWeiter = 37, kAnsagen = 96, kNormal = 95;

class SchafkopfAnzeigeAblauf : public sdtest::Ablauf {
protected:
    SchafkopfAnzeigeAblauf() : Ablauf(sdtest::schafkopfSpiel()) {}
};

// Both Kreuz-Damen and both Dullen at seat 1.
const char* const kDokoHaende[4] = {"hZ hZ cD cD sD sD c9 c9 s9 s9 h9 h9", "hD hD dD dD cB cB sB sB hB hB dB dB",
                                    "dA dA dZ dZ dK dK d9 d9 cA cA cZ cZ", "cK cK sA sA sZ sZ sK sK hA hA hK hK"};
// Seats 1 and 3 each hold one Kreuz-Dame.
const char* const kDokoNormal[4] = {"hZ cD sD c9 c9 s9 s9 h9 h9 dA dZ dK", "hZ hD hD dD dD cB cB sB sB hB hB dB",
                                    "cD sD dB dA dZ dK d9 d9 cA cA cZ cZ", "cK cK sA sA sZ sZ sK sK hA hA hK hK"};
constexpr int kGesund = 66, kVorbehalt = 84, kSolo = 86, kHochzeit = 87;

class DoppelkopfAnzeigeAblauf : public sdtest::Ablauf {
protected:
    DoppelkopfAnzeigeAblauf() : Ablauf(sdtest::doppelkopfSpiel()) {}
};

}  // namespace

TEST_F(SchafkopfAnzeigeAblauf, TwoBiddersThenTheHigherGameAloneAtTheDeclarer) {
    skript[93] = {kSpielen, kSpielen, kWeiter, kWeiter};
    skript[97] = {kAnsagen};
    skript[92] = {3, 2};  // seat 1 a Wenz, seat 2 a Farbsolo
    skript[94] = {kNormal, kNormal};
    skript[91] = {4};
    skript[44] = {-1, -1, -1, -1};
    starten(kSchafkopfHaende);
    // the seat that has just spoken shows its words until they close, so compare the captions
    bis([] { return cg.phase.nr == 3 && cg.schafkopf.z.zweiter == 2; });
    EXPECT_EQ(schafkopfTexte(), (Texte{"Will spielen", "Will spielen", "", ""}));
    bis([] { return cg.schafkopf.z.angesagt == 1; });
    EXPECT_EQ(schafkopfTexte(), (Texte{"Wenz", "Will spielen", "", ""}));
    bis([this] { return ersterAusspieler() != 0; });
    EXPECT_EQ(gezeigt(), (Texte{"", "Karo-Solo", "", ""}));
}

TEST_F(SchafkopfAnzeigeAblauf, TheCalledAceShowsThePartnerAndThenTheOpponents) {
    skript[93] = {kSpielen, kWeiter, kWeiter, kWeiter};
    skript[92] = {8};
    skript[91] = {2};  // the ace seat 2 holds
    skript[44] = {-1, -1, -1, -1};
    karten[1] = {"G7"};
    starten(kSchafkopfHaende);
    bis([this] { return ersterAusspieler() != 0; });
    EXPECT_EQ(gezeigt(), (Texte{"Pik-Rufspiel", "", "", ""}));
    bis([] { return cg.schafkopf.z.stichNr == 2; });
    EXPECT_EQ(gezeigt(), (Texte{"Pik-Rufspiel", "Mitspieler", "Gegenspieler", "Gegenspieler"}));
}

TEST_F(SchafkopfAnzeigeAblauf, KontraAndReJoinTheDeclarersCaption) {
    skript[93] = {kSpielen, kWeiter, kWeiter, kWeiter};
    skript[92] = {2};
    skript[91] = {1};
    skript[94] = {kNormal};
    skript[44] = {-1, 1};  // seat 3 Kontra
    skript[63] = {2};      // the declarer Re
    starten(kSchafkopfHaende);
    bis([] { return cg.schafkopf.z.kontra == 1; });
    EXPECT_EQ(gezeigt()[0], "Kreuz-Solo - Kontra");
    bis([this] { return ersterAusspieler() != 0; });
    EXPECT_EQ(gezeigt(), (Texte{"Kreuz-Solo - Kontra - Re", "", "", ""}));
}

TEST_F(DoppelkopfAnzeigeAblauf, AnnouncementsShowAtTheSeatsKnownOnEachSide) {
    skript[66] = {kGesund, kGesund, kGesund, kGesund};
    skript[89] = {89, 89, 0, 89, 0};  // seat 1 Re and Keine 90, seat 2 Kontra
    starten(kDokoNormal);
    bis([this] { return ersterAusspieler() != 0; });
    // seat 3's Kreuz-Dame is not seen yet
    EXPECT_EQ(gezeigt(), (Texte{"Re - Keine 90", "Kontra angesagt", "", ""}));
}

TEST_F(DoppelkopfAnzeigeAblauf, HochzeitThenItsPartnerAndTheOthers) {
    skript[66] = {kVorbehalt, kGesund, kGesund, kGesund};
    skript[84] = {kHochzeit};
    karten[1] = {"c9"};  // seat 2 trumps it and marries
    starten(kDokoHaende);
    bis([this] { return ersterAusspieler() != 0; });
    EXPECT_EQ(gezeigt(), (Texte{"Hochzeit", "", "", ""}));
    bis([] { return cg.doppelkopf.z.stichNr == 2; });
    EXPECT_EQ(gezeigt(), (Texte{"Hochzeit", "Re", "Kontra", "Kontra"}));
}

TEST_F(DoppelkopfAnzeigeAblauf, SolosShowOnlyAtTheSoloist) {
    skript[66] = {kGesund, kVorbehalt, kGesund, kGesund};
    skript[84] = {kSolo};
    skript[88] = {3};  // Herz
    starten(kDokoNormal);
    bis([this] { return ersterAusspieler() != 0; });
    EXPECT_EQ(gezeigt(), (Texte{"", "Herzsolo", "", ""}));
}

TEST_F(DoppelkopfAnzeigeAblauf, ASilentSoloShowsOnceBothKreuzDamenAreOut) {
    skript[66] = {kGesund, kGesund, kGesund, kGesund};
    karten[1] = {"cD", "cD"};
    starten(kDokoHaende);
    bis([] { return cg.doppelkopf.z.stichNr == 2 && cg.doppelkopf.z.stichAnz == 0; });
    EXPECT_EQ(gezeigt(), (Texte{"Re", "", "", ""}));
    bis([] { return cg.doppelkopf.z.stichNr == 3; });
    EXPECT_EQ(gezeigt(), (Texte{"Karosolo", "", "", ""}));
}

TEST(SeatCaptions, ANewDealOfAnyGameStartsWithoutTheCaptionsOfTheLast) {
    for (int s = 1; s <= 4; ++s) {
        glu::seatOverlay[s].bubble = "Herzsolo";
        glu::seatOverlay[s].bubbleVisible = true;
    }
    tischdienste::stapelNeu();
    EXPECT_EQ(gezeigt(), (Texte{"", "", "", ""}));
}
