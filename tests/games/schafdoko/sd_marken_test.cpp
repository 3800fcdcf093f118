// What the table shows beside the seats of Schafkopf and Doppelkopf besides the captions: the
// seat icons, the special-point marks the table engine draws, the deal order in both directions,
// the trick gathered in four moves, the solo names in the deck style's words and the hand sorted
// for a hovered choice.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/envparam.h"
#include "core/gtool.h"
#include "core/panel.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "games/schafkopf_doppelkopf/sd_anzeige.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"
#include "sd_karten.h"
#include "sd_lauf.h"
#include "table/overlays.h"

namespace {

// Distinct numbers for the panel pictures (there is no display to load them).
struct Bilder {
    Bilder() {
        panel::Bilder& b = panel::bilder;
        b = panel::Bilder{};
        b.re = 501;
        b.kontra = 502;
        b.u[0] = 600;  // "?"
        for (int i = 1; i <= 12; ++i) b.ansage[i] = 700 + i;
        for (int i = 0; i < 6; ++i) b.solo[i] = 800 + i;
        for (int i = 0; i < 5; ++i) b.schafkopf[i] = 900 + i;
    }
    ~Bilder() { panel::bilder = panel::Bilder{}; }
};

using Icons = std::array<int32_t, 4>;

Icons schafkopfIcons() {
    Icons r{};
    for (int s = 1; s <= 4; ++s) r[static_cast<size_t>(s - 1)] = schafkopf::sitzIcon(s);
    return r;
}
Icons doppelkopfIcons() {
    Icons r{};
    for (int s = 1; s <= 4; ++s) r[static_cast<size_t>(s - 1)] = doppelkopf::sitzIcon(s);
    return r;
}

}  // namespace

TEST(SdGeben, PacketsAndTheFastDealFollowTheDealDirection) {
    struct Case {
        int geber;
        bool rueckwaerts;
        std::array<int, 5> sitze;  // the seats of packets 0..4
    };
    const Case cases[] = {
        {4, false, {1, 2, 3, 4, 1}},
        {2, false, {3, 4, 1, 2, 3}},
        {4, true, {3, 2, 1, 4, 3}},
        {1, true, {4, 3, 2, 1, 4}},
        {3, true, {2, 1, 4, 3, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "dealer " << c.geber << (c.rueckwaerts ? " backwards" : ""));
        for (int i = 0; i < 5; ++i) EXPECT_EQ(sd::paketSitz(c.geber, i, c.rueckwaerts), c.sitze[static_cast<size_t>(i)]);
    }
}

TEST(SchafkopfIcons, GameTypePartnerStateAndTheMarksBesideTheDeclarer) {
    using namespace schafkopf;
    const Bilder bilder;
    struct Case {
        const char* was;
        int typ, farbe, tout, spieler, phase;
        std::array<int, 4> codes;  // the human's view
        Icons icons;
        int suit, tout_;
    };
    const Case cases[] = {
        // a Rufspiel on the called Gras-As: the declarer shows the suit in play, Re before it
        {"Rufspiel bidding", kRufspiel, 2, 0, 2, 8, {11, 10, 9, 9}, {502, 501, 600, 600}, 0, 0},
        {"Rufspiel partner open", kRufspiel, 2, 0, 2, 4, {11, 10, 9, 9}, {502, 702, 600, 600}, 0, 0},
        {"Rufspiel partner known", kRufspiel, 2, 0, 2, 4, {11, 10, 10, 11}, {502, 702, 501, 502}, 0, 0},
        {"Wenz", kWenz, 0, 0, 3, 4, {11, 11, 10, 11}, {0, 0, 901, 0}, 0, 0},
        {"Farbgeier-Tout", kFarbgeier, 3, 1, 1, 4, {10, 11, 11, 11}, {900, 0, 0, 0}, 3, 1},
        {"Solo shows its suit only beside", kSolo, 4, 0, 4, 4, {11, 11, 11, 10}, {0, 0, 0, 0}, 4, 0},
        {"Sie", kSie, 0, 0, 2, 4, {11, 10, 11, 11}, {0, 902, 0, 0}, 0, 0},
        {"Bettel", kBettel, 0, 0, 1, 4, {10, 11, 11, 11}, {904, 0, 0, 0}, 0, 0},
        {"Ramsch", kRamsch, 0, 0, 0, 4, {0, 0, 0, 0}, {712, 712, 712, 712}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        cg.schafkopf.z = TSchafkopfZustand{};
        cg.schafkopf.spiel = TSchafkopfSpiel{};
        TSchafkopfSpiel& sp = cg.schafkopf.spiel;
        sp.typ = static_cast<uint8_t>(c.typ);
        sp.farbe = static_cast<uint8_t>(c.farbe);
        sp.tout = static_cast<uint8_t>(c.tout);
        cg.schafkopf.z.spieler = c.spieler;
        cg.phase.nr = static_cast<uint8_t>(c.phase);
        for (int s = 0; s < 4; ++s) cg.schafkopf.z.sichten[1].code[s] = c.codes[static_cast<size_t>(s)];
        EXPECT_EQ(schafkopfIcons(), c.icons);
        glu::SeatMarks m;
        ASSERT_TRUE(sitzMarken(c.spieler == 0 ? 1 : c.spieler, m));
        EXPECT_EQ(m.declarer, c.spieler);
        EXPECT_EQ(m.spiel.suit, c.suit);
        EXPECT_EQ(m.spiel.tout, c.tout_);
        anzeigeAktualisieren();
        for (int s = 1; s <= 4; ++s) EXPECT_EQ(panel::sitz[s].icon, c.icons[static_cast<size_t>(s - 1)]) << s;
    }
    cg.phase.nr = 0;
}

TEST(SchafkopfIcons, TheNamedGameStandsAtItsBidderWhileBidding) {
    using namespace schafkopf;
    const Bilder bilder;
    cg.schafkopf.z = TSchafkopfZustand{};
    cg.schafkopf.spiel = TSchafkopfSpiel{};
    TSchafkopfZustand& z = cg.schafkopf.z;
    z.erster = 3;
    z.zweiter = 1;
    z.bieter = 3;
    z.angesagt = 1;
    z.hoechstes.typ = kFarbwenz;
    z.hoechstes.farbe = 1;
    cg.phase.nr = 7;
    EXPECT_EQ(schafkopfIcons(), (Icons{0, 0, 901, 0}));
    glu::SeatMarks m;
    ASSERT_TRUE(sitzMarken(3, m));
    EXPECT_EQ(m.declarer, 3);
    EXPECT_EQ(m.ansage.suit, 1);
    EXPECT_EQ(m.spiel.type, kKeinSpiel);
    cg.phase.nr = 0;
}

TEST(DoppelkopfIcons, PartiesAsTheHumanKnowsThemAndTheSolosPicture) {
    using namespace doppelkopf;
    const Bilder bilder;
    struct Case {
        const char* was;
        int soloTyp, solist, stilles;
        std::array<int, 4> codes;
        Icons icons;
    };
    const Case cases[] = {
        {"normal, partner unknown", kNormal, 0, 0, {10, 9, 9, 9}, {501, 600, 600, 600}},
        {"normal, all known", kNormal, 0, 0, {11, 10, 11, 10}, {502, 501, 502, 501}},
        {"Damensolo", kDamensolo, 2, 0, {11, 10, 11, 11}, {0, 801, 0, 0}},
        {"Herzsolo", 3, 4, 0, {11, 11, 11, 10}, {0, 0, 0, 703}},
        {"Fleischlos not yet known", kFleischlos, 3, 0, {11, 9, 9, 9}, {0, 0, 0, 0}},
        {"Buben-Damensolo", kBubenDamen, 1, 0, {10, 11, 11, 11}, {803, 0, 0, 0}},
        {"silent solo", kKaroSolo, 2, 1, {11, 4, 11, 11}, {0, 804, 0, 0}},
    };
    cg.phase.nr = 4;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        cg.doppelkopf.z = TDoppelkopfZustand{};
        TDoppelkopfZustand& z = cg.doppelkopf.z;
        z.soloTyp = c.soloTyp;
        z.solist = c.solist;
        z.stilles = static_cast<uint8_t>(c.stilles);
        for (int s = 0; s < 4; ++s) z.sichten[1].code[s] = c.codes[static_cast<size_t>(s)];
        EXPECT_EQ(doppelkopfIcons(), c.icons);
    }
    cg.phase.nr = 1;  // while the cards are dealt nothing shows yet
    cg.doppelkopf.z = TDoppelkopfZustand{};
    EXPECT_EQ(doppelkopfIcons(), (Icons{0, 0, 0, 0}));
    cg.phase.nr = 0;
}

TEST(DoppelkopfMarken, FuchsKarlchenAndDoppelkopfByWhatIsKnown) {
    using namespace doppelkopf;
    struct Case {
        const char* was;
        int opfer;                  // seat 2 caught the Fuchs of this seat (0: none)
        std::array<int, 4> offen;   // public view
        std::array<int, 4> mensch;  // the human's view
        int soloTyp;
        int fuchs;
    };
    const Case cases[] = {
        {"no catch", 0, {10, 11, 10, 11}, {10, 11, 10, 11}, kNormal, 0},
        {"opponent, all known", 1, {10, 11, 10, 11}, {10, 11, 10, 11}, kNormal, 1},
        {"public view still open", 1, {10, 9, 9, 9}, {10, 11, 10, 11}, kNormal, 2},
        {"human does not know the catcher", 1, {10, 11, 10, 11}, {10, 9, 10, 11}, kNormal, 2},
        {"the human knows both on one side", 4, {9, 9, 9, 9}, {10, 11, 10, 11}, kNormal, 0},
        {"the table knows both on one side", 4, {10, 11, 10, 11}, {10, 9, 10, 9}, kNormal, 0},
        {"in a solo nothing counts", 1, {11, 10, 11, 11}, {11, 10, 11, 11}, kDamensolo, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        cg.doppelkopf.z = TDoppelkopfZustand{};
        TDoppelkopfZustand& z = cg.doppelkopf.z;
        z.soloTyp = c.soloTyp;
        for (int s = 0; s < 4; ++s) {
            z.sichten[0].code[s] = c.offen[static_cast<size_t>(s)];
            z.sichten[1].code[s] = c.mensch[static_cast<size_t>(s)];
        }
        TDoppelkopfSitz& x = z.sitz[1];
        x.fuchs1 = c.opfer != 0;
        x.fuchs1Opfer = c.opfer;
        x.karlchen = 1;
        x.doppelkopf = 1;
        EXPECT_EQ(fuchsMarke(2), c.fuchs);
        EXPECT_EQ(karlchenMarke(2), c.soloTyp == kNormal ? 1 : 0);
        EXPECT_EQ(doppelkopfMarke(2), c.soloTyp == kNormal ? 1 : 0);
        EXPECT_EQ(fuchsMarke(1) + karlchenMarke(1) + doppelkopfMarke(1), 0);
    }
    // a second catch from a partner does not make the first uncertain, an uncertain one does
    TDoppelkopfZustand& z = cg.doppelkopf.z;
    z = TDoppelkopfZustand{};
    for (int s = 0; s < 4; ++s) z.sichten[0].code[s] = z.sichten[1].code[s] = s % 2 == 0 ? 10 : 11;
    z.sitz[1] = TDoppelkopfSitz{};
    z.sitz[1].fuchs1 = z.sitz[1].fuchs2 = 1;
    z.sitz[1].fuchs1Opfer = 1;
    z.sitz[1].fuchs2Opfer = 4;
    EXPECT_EQ(fuchsMarke(2), 1);
    z.sichten[1].code[2] = 9;
    z.sitz[1].fuchs2Opfer = 3;
    EXPECT_EQ(fuchsMarke(2), 2);
}

TEST(SdAnzeige, ASpokenBubbleStaysUntilItClosesThenTheCaptionReturns) {
    const Bilder bilder;
    cg.sprechblasen = TSprechblasen{};
    cg.doppelkopf.z = TDoppelkopfZustand{};
    cg.phase.nr = 4;
    for (int s = 0; s < 4; ++s) cg.doppelkopf.z.sichten[1].code[s] = 10;
    panel::text(3, "?Gesund");
    cg.sprechblasen.zustand[3] = 3;
    doppelkopf::anzeigeAktualisieren();
    EXPECT_EQ(panel::sitz[3].bubble, "?Gesund");
    EXPECT_EQ(panel::sitz[2].bubble, "Re");
    EXPECT_EQ(panel::sitz[3].icon, 501);  // the icon is not the bubble's
    cg.sprechblasen.zustand[3] = 0;
    doppelkopf::anzeigeAktualisieren();
    EXPECT_EQ(panel::sitz[3].bubble, "Re");
    cg.phase.nr = 0;
}

TEST(DoppelkopfSoloNamen, TheDeckStylesWordsForBubeAndDame) {
    using namespace doppelkopf;
    const int stil = envParam.Kartenstil;
    const gtool::Umgebung vorher = gtool::umgebung;
    gtool::umgebung.wertNamen[0][4] = "Bube";
    gtool::umgebung.wertNamen[0][5] = "Dame";
    gtool::umgebung.wertNamen[1][4] = "Unter";
    gtool::umgebung.wertNamen[1][5] = "Ober";
    struct Case {
        int stil;
        const char *buben, *damen, *beide, *kurz;
    };
    const Case cases[] = {
        {1, "Bubensolo", "Damensolo", "Buben-Damensolo", "Bu.-Damen"},
        {2, "Untersolo", "Obersolo", "Unter-Obersolo", "Un.-Ober"},
    };
    for (const Case& c : cases) {
        envParam.Kartenstil = c.stil;
        EXPECT_EQ(soloName(kBubensolo), c.buben);
        EXPECT_EQ(soloName(kDamensolo), c.damen);
        EXPECT_EQ(soloName(kBubenDamen), c.beide);
        EXPECT_EQ(soloWort(kBubenDamen, true), c.kurz);
    }
    envParam.Kartenstil = stil;
    gtool::umgebung = vorher;
}

namespace {

// Seats 1 and 3 each hold one Kreuz-Dame; seat 2 holds a Dulle, seats 1 and 3 a Fuchs each.
const char* const kDokoNormal[4] = {"hZ cD sD c9 c9 s9 s9 h9 h9 dA dZ dK", "hZ hD hD dD dD cB cB sB sB hB hB dB",
                                    "cD sD dB dA dZ dK d9 d9 cA cA cZ cZ", "cK cK sA sA sZ sZ sK sK hA hA hK hK"};
// Seat 2 holds both Kreuz-Damen.
const char* const kDokoHochzeit[4] = {"hD hD dD dD cB cB sB sB hB hB dB dB", "hZ hZ cD cD sD sD c9 c9 s9 s9 h9 h9",
                                      "dA dA dZ dZ dK dK d9 d9 cA cA cZ cZ", "cK cK sA sA sZ sZ sK sK hA hA hK hK"};
constexpr int kGesund = 66, kVorbehalt = 84, kHochzeit = 87;

class DoppelkopfMarkenAblauf : public sdtest::Ablauf {
protected:
    DoppelkopfMarkenAblauf() : Ablauf(sdtest::doppelkopfSpiel()) {}
};

}  // namespace

// Seat 1 leads its Fuchs, seat 2 takes it with the Dulle, seat 3 adds the other Fuchs and seat 4
// an As: 43 points, two Füchse caught, a Doppelkopf, all at seat 2. The human (seat 1) does not
// know seat 2's side yet, so the Fuchs is marked uncertain.
TEST_F(DoppelkopfMarkenAblauf, ATrickOfFortyWithTwoFuechseMarksTheWinner) {
    const Bilder bilder;
    skript[kGesund] = {kGesund, kGesund, kGesund, kGesund};
    skript[89] = {0, 0, 0, 0, 0, 0, 0, 0};
    karten[1] = {"dA"};
    karten[2] = {"hZ"};
    karten[3] = {"dA"};
    karten[4] = {"hA"};
    starten(kDokoNormal);
    // the four cards leave the trick pile in one step, each 0.1 s after the one before
    bis([] { return cg.phase.nr == 4 && cg.phase.schritt == 5; });
    const TSpieler& stich = glu::spieler[sd::kStich - 1];
    ASSERT_EQ(stich.anz, 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(stich.at(i).bewegung.active) << i;
        EXPECT_EQ(+stich.at(i).bewegung.toStack, 2 + 6) << i;
    }
    // the top card goes first; the waits may have run down by the frame's time step already
    EXPECT_GT(+stich.at(1).bewegung.startDelay, 0.2f);
    for (int i = 1; i <= 2; ++i)
        EXPECT_NEAR(stich.at(i).bewegung.startDelay - stich.at(i + 1).bewegung.startDelay, 0.1f, 1e-4f) << i;
    bis([] { return cg.doppelkopf.z.stichNr == 2; });
    EXPECT_EQ(glu::spieler[2 + 6 - 1].anz, 4);
    EXPECT_EQ(doppelkopf::fuchsMarke(2), 2);
    EXPECT_EQ(doppelkopf::doppelkopfMarke(2), 1);
    EXPECT_EQ(doppelkopf::karlchenMarke(2), 0);
    for (int s : {1, 3, 4}) EXPECT_EQ(doppelkopf::fuchsMarke(s) + doppelkopf::doppelkopfMarke(s), 0) << s;
    // the table engine asks through its hook
    ASSERT_NE(glu::seatMarks, nullptr);
    glu::SeatMarks m;
    ASSERT_TRUE(glu::seatMarks(2, m));
    EXPECT_EQ(m.marks[0], 1);  // Doppelkopf
    EXPECT_EQ(m.marks[1], 2);  // Fuchs, not yet certain
    EXPECT_EQ(m.marks[2], 0);
}

// While another seat's Hochzeit is open the human does not know his own side.
TEST_F(DoppelkopfMarkenAblauf, AnOpenHochzeitLeavesTheHumansSideUnknown) {
    const Bilder bilder;
    skript[kGesund] = {kGesund, kVorbehalt, kGesund, kGesund};
    skript[kVorbehalt] = {kHochzeit};
    starten(kDokoHochzeit);
    bis([this] { return ersterAusspieler() != 0; });
    EXPECT_EQ(doppelkopf::sitzText(1), "");
    EXPECT_EQ(doppelkopf::sitzText(2), "Hochzeit");
    EXPECT_EQ(doppelkopfIcons(), (Icons{600, 501, 600, 600}));
}

TEST_F(DoppelkopfMarkenAblauf, HoveringASoloSortsTheHumansHandForIt) {
    starten(kDokoNormal);
    cg.phase.nr = 7;
    cg.aktSpieler = 1;
    doppelkopf::vorschau(88, doppelkopf::kDamensolo);
    std::vector<karte> h;
    for (int i = 1; i <= 12; ++i) h.push_back(glu::spieler[0].at(i).c);
    // the Damen first (Kreuz before Pik), then the suits from Kreuz, each As first
    EXPECT_EQ(sdtest::namen(h, true), "cD sD c9 c9 s9 s9 hZ h9 h9 dA dZ dK");
}

namespace {
int g_hinweise = 0;
}  // namespace

// A game loaded while the human's card question was open asks it again, with its hint.
TEST_F(DoppelkopfMarkenAblauf, AfterLoadingTheOpenQuestionShowsItsHintAgain) {
    sdtest::Speicher speicher("dok");
    skript[kGesund] = {kGesund, kGesund, kGesund, kGesund};
    skript[89] = {0, 0, 0, 0, 0, 0, 0, 0};
    karten[1] = {"dA"};
    starten(kDokoNormal);
    // the human's card question of the second trick stays open
    const auto frage = [] {
        return cg.phase.nr == 4 && cg.doppelkopf.z.stichNr == 2 && cg.aktSpieler == 1 && cg.phase.fluss3 == 47;
    };
    const harness::Antworter skriptiert = lauf->antworter;
    lauf->antworter = [&](TCG& g) { return frage() ? false : skriptiert(g); };
    bis([&] { return frage() && cg.antwort.offen != 0; });
    ASSERT_TRUE(speicher.sichern());
    const auto thema = central::dienste.hinweisThema;
    const auto zeigen = central::dienste.hinweisZeigen;
    const uint8_t an = envParam.hinweiseAn;
    central::dienste.hinweisThema = [](int nr) { return nr == 47 || nr == 147 || nr == 247 || nr == 347; };
    central::dienste.hinweisZeigen = [] { ++g_hinweise; };
    envParam.hinweiseAn = 1;
    g_hinweise = 0;
    cg.entscheidung = TEntscheidung{};
    const bool geladen = speicher.laden();
    central::dienste.hinweisThema = thema;
    central::dienste.hinweisZeigen = zeigen;
    envParam.hinweiseAn = an;
    ASSERT_TRUE(geladen);
    EXPECT_EQ(g_hinweise, 1);
    EXPECT_EQ(cg.phase.fluss3, 47);
    EXPECT_EQ(cg.entscheidung.art % 100, 47);
}

TEST(SdDiagnose, PartyMatrixAndHowManyComputerViewsAreRight) {
    cg.spielId = spiele::kDoppelkopf;
    cg.doppelkopf.z = TDoppelkopfZustand{};
    TDoppelkopfZustand& z = cg.doppelkopf.z;
    // seats 1 and 3 hold the Kreuz-Damen
    z.gegeben[0][0] = sdtest::DK("cD");
    z.gegeben[2][5] = sdtest::DK("cD");
    const int codes[5][4] = {{}, {10, 9, 9, 9}, {9, 11, 9, 9}, {10, 11, 10, 11}, {11, 10, 9, 10}};
    for (int v = 1; v <= 4; ++v)
        for (int s = 0; s < 4; ++s) z.sichten[v].code[s] = codes[v][s];
    const std::array<std::string, 4> erwartet = {"Sicht 1: (R), , , ", "Sicht 2:  ,(K), , ",
                                                 "Sicht 3: R,K,(R),K", "Sicht 4: K,R, ,(R)"};
    EXPECT_EQ(sd::parteiAnzeige(), erwartet);
    // the 9 views seats 2..4 hold of the others: seat 3 has 3 right, seat 4 2 wrong, 4 are open
    EXPECT_EQ(sd::trefferStatistik(), "Richtig: 33.3%  Falsch: 22.2%  Unknown: 44.4%");
    cg.spielId = spiele::kSchafkopf;
    EXPECT_EQ(sd::trefferStatistik(), "");
    cg.spielId = 0;
    EXPECT_EQ(sd::parteiAnzeige()[0], "");
}

// Against the clock the packets go from the seat before the dealer (seat 4) backwards.
TEST_F(DoppelkopfMarkenAblauf, ThePacketsGoRoundAgainstTheClockWhenTheTableSaysSo) {
    const auto richtung = envParam.spielrichtung;
    const auto schnell = envParam.austeilen;
    envParam.spielrichtung = 2;
    envParam.austeilen = 0;
    ASSERT_TRUE(lauf->starten(0));
    std::vector<int> sitze;
    lauf->bis([&](const TCG& g) {
        if (g.phase.nr == 1 && g.phase.schritt >= 1 && (sitze.empty() || sitze.back() != g.aktSpieler))
            sitze.push_back(g.aktSpieler);
        return g.phase.nr == 3 || sitze.size() >= 8;
    });
    envParam.spielrichtung = richtung;
    envParam.austeilen = schnell;
    EXPECT_EQ(sitze, (std::vector<int>{3, 2, 1, 4, 3, 2, 1, 4}));
}
