// The flow of a deal with scripted answers: the order of the bidding, all passing, a Hand game
// that never sees the Skat, the Kontra chain under each option, Schieberamsch, and a game saved
// and restored in the middle of a trick.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/central.h"
#include "core/envparam.h"
#include "core/spielstand.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "harness/lib/harness.h"
#include "harness/lib/tabelle_weiter.h"
#include "platform/ticks.h"
#include "table/glu.h"
#include "table/tischdienste.h"

namespace {

struct Frage {
    int seat, art;
    std::string knopf1;  // the first button's caption
    int gespielt = 0;    // cards played in the deal when it was asked
    int rang7 = 0;       // the 7's rank number in the order the cards are weighed by then
    bool operator==(const Frage& o) const { return seat == o.seat && art == o.art; }
};

std::ostream& operator<<(std::ostream& os, const Frage& f) {
    return os << f.seat << ":" << f.art << "'" << f.knopf1 << "'";
}

// Every seat is scripted: a question answered by the script (by dialog kind, in order of
// asking, per kind) or else as a computer seat would.
class SkatAblauf : public testing::Test {
protected:
    void SetUp() override {
        skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
        skat_1::musterVergessen();
        harness::Einstellung e;
        e.spielId = spiele::kSkat;
        e.spieler = 3;
        e.seed = 5;
        e.menschAlsComputer = false;
        lauf = std::make_unique<harness::Lauf>(e);
        skat::anmelden();
        TSkatOptionen& o = cg.skat.optionen;
        o.wertung = 1;
        o.limit = 36;
        o.grandGrundwert = 24;
        o.bockrunden = o.ramschrunden = 1;
        o.ersterGeber = 3;  // Vorhand 1, Mittelhand 2, Hinterhand 3
        lauf->antworter = [this](TCG& g) {
            const int art = g.entscheidung.art;
            fragen.push_back({g.aktSpieler, art, g.entscheidung.texte[1].str(), skat_1::alleGespielt().anz,
                              skat_1::Rangtabelle[1]});
            auto it = skript.find(art);
            if (it != skript.end() && !it->second.empty()) {
                const int code = it->second.front();
                it->second.erase(it->second.begin());
                return central::antwort(g, central::kKnopf, 0, code);
            }
            skatki::kiTick();
            return true;
        };
    }
    void TearDown() override { lauf.reset(); }

    void starten(int weiter = 0) {
        ASSERT_TRUE(lauf->starten(weiter));
        for (int s = 2; s <= 3; ++s) cg.stapelListen[s].computer = 0;
    }
    // Runs until the condition or the end of the deal.
    void bis(const std::function<bool()>& ziel) {
        ASSERT_GE(lauf->bis([&](const TCG& g) { return ziel() || skat::dealVorbei(g); }), 0);
        ASSERT_FALSE(lauf->fehlgeschlagen());
    }
    std::vector<Frage> von(int art) const {
        std::vector<Frage> v;
        for (const Frage& f : fragen)
            if (f.art == art) v.push_back(f);
        return v;
    }
    bool gefragt(int art) const { return !von(art).empty(); }

    std::unique_ptr<harness::Lauf> lauf;
    std::map<int, std::vector<int>> skript;
    std::vector<Frage> fragen;
};

constexpr int kReizen = 41, kHalten = 42, kPassen = 43;

}  // namespace

TEST_F(SkatAblauf, BiddingOrderAndAHoldAnsweredWithPass) {
    // Mittelhand (2) bids 18 and 20, Vorhand (1) holds 18 and passes at 20, Hinterhand (3) passes
    // at 22: Mittelhand plays at 20.
    skript[48] = {kReizen, kReizen, kPassen};
    skript[49] = {kHalten, kPassen};
    skript[50] = {45};  // Hand
    skript[55] = {11};  // Grand
    skript[56] = {1};
    starten();
    bis([] { return cg.phase.nr == 4; });
    const std::vector<Frage> erwartet = {{2, 48, ""}, {1, 49, ""}, {2, 48, ""}, {1, 49, ""}, {3, 48, ""}};
    std::vector<Frage> reizen;
    for (const Frage& f : fragen)
        if (f.art == 48 || f.art == 49) reizen.push_back(f);
    EXPECT_EQ(reizen, erwartet);
    EXPECT_EQ(reizen[0].knopf1, "! 18 reizen");
    EXPECT_EQ(reizen[1].knopf1, "! 18 halten");
    EXPECT_EQ(reizen[2].knopf1, "! 20 reizen");
    EXPECT_EQ(reizen[4].knopf1, "! 22 reizen");
    EXPECT_EQ(cg.skat.spiel.alleinspieler, 2);
    EXPECT_EQ(cg.skat.spiel.reizwert, 20);
    // a Hand game skips laying away and asks for the level
    EXPECT_FALSE(gefragt(54));
    EXPECT_FALSE(gefragt(53));
    EXPECT_TRUE(gefragt(56));
    EXPECT_EQ(harness::anzahl(11), 2);
    EXPECT_EQ(cg.skat.sk.typ, skat_1::kGrand);
    EXPECT_FALSE(gefragt(59));  // no Spitze in Grand
}

TEST_F(SkatAblauf, BiddingToTheEndOfTheListAsksNoFurtherBid) {
    skript[48] = std::vector<int>(200, kReizen);
    skript[49] = std::vector<int>(200, kHalten);
    skript[50] = {45};
    skript[55] = {11};
    skript[56] = {1};
    starten();
    bis([] { return cg.phase.nr == 4; });
    const int letzter = skat_1::reizwert(cg.skat.reizAnzahl);
    EXPECT_EQ(letzter, 216);  // Kreuz x 18
    for (const Frage& f : von(48)) EXPECT_NE(f.knopf1, "! 0 reizen");
    EXPECT_EQ(von(48).back().knopf1, "! " + std::to_string(letzter) + " reizen");
    EXPECT_EQ(cg.skat.spiel.alleinspieler, 1);  // Vorhand held every value
    EXPECT_EQ(cg.skat.spiel.reizwert, letzter);
}

TEST_F(SkatAblauf, PacketDealGivesTenCardsEachAndTheSkat) {
    envParam.austeilen = 2;  // one packet after the other: 3, Skat, 4, 3
    skript[48] = {kPassen, kPassen, kPassen};
    starten();
    bis([] { return cg.phase.nr == 6; });
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(harness::anzahl(s), 10) << s;
    EXPECT_EQ(harness::anzahl(11), 2);
    EXPECT_EQ(harness::anzahl(15), 0);
    std::string warum;
    EXPECT_TRUE(skat::kartenErhalten(warum)) << warum;
    bis([] { return false; });
}

TEST_F(SkatAblauf, DealFollowsTheDealSettingAndTheTablesDirection) {
    // Dealer 3: Vorhand 1, Mittelhand 2. Clockwise the packets go 1, 2, 3; against the clock
    // 2, 1, 3 (the seat before the dealer first). The talon is dealt from its top (slot 32).
    struct Case {
        int austeilen, richtung;
        std::vector<std::pair<int, int>> pakete;  // seat (15: the Skat) and cards, in order
    };
    const Case cases[] = {
        {2, 1, {{1, 3}, {2, 3}, {3, 3}, {15, 2}, {1, 4}, {2, 4}, {3, 4}, {1, 3}, {2, 3}, {3, 3}}},
        {2, 2, {{2, 3}, {1, 3}, {3, 3}, {15, 2}, {2, 4}, {1, 4}, {3, 4}, {2, 3}, {1, 3}, {3, 3}}},
        {1, 1, {{1, 10}, {2, 10}, {3, 10}, {15, 2}}},
        {1, 2, {{2, 10}, {1, 10}, {3, 10}, {15, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "austeilen " << c.austeilen << " richtung " << c.richtung);
        envParam.austeilen = c.austeilen;
        envParam.spielrichtung = c.richtung;
        skript[48] = {kPassen, kPassen, kPassen};
        fragen.clear();
        starten();
        bis([] { return cg.phase.nr == 1; });
        ASSERT_EQ(harness::anzahl(11), 32);
        std::vector<karte> talon;
        for (int i = 32; i >= 1; --i) talon.push_back(glu::spieler[10].at(i).c);
        bis([] { return cg.phase.nr == 6; });
        // the Skat lies on the talon's place face down from the deal on, in the layout's
        // heights, not only once a card has been laid on it
        for (int i = 1; i <= 2; ++i) {
            const TKartenSlot& k = glu::spieler[10].at(i);
            EXPECT_FLOAT_EQ(+k.a1, 180) << i;
            EXPECT_FLOAT_EQ(+k.a3, 20) << i;
            EXPECT_FLOAT_EQ(+k.z, 2.0f * static_cast<float>(i)) << i;
        }
        size_t oben = 0;
        for (const auto& [seat, n] : c.pakete) {
            const hand h = seat == 15 ? skat_1::skatKopie() : glu::spieler[seat - 1].hand;
            for (int k = 0; k < n; ++k, ++oben) {
                bool drin = false;
                for (int i = 1; i <= h.anz; ++i) drin = drin || gleich(h.at(i), talon[oben]);
                EXPECT_TRUE(drin) << "seat " << seat << " card " << oben + 1;
            }
        }
        bis([] { return false; });
        lauf = nullptr;
        SetUp();
    }
    envParam.spielrichtung = 1;
}

TEST_F(SkatAblauf, LayingAwayWithACardTakenBack) {
    skript[48] = {kPassen, kPassen, kReizen};  // Vorhand (1) plays
    skript[50] = {51};
    int fertigGefragt = 0;
    auto skriptAntworter = lauf->antworter;
    lauf->antworter = [&](TCG& g) {
        if (g.entscheidung.art == 54) {
            fragen.push_back({g.aktSpieler, 54, ""});
            return central::antwort(g, central::kKarte, 0, 1);
        }
        if (g.entscheidung.art == 53) {
            fragen.push_back({g.aktSpieler, 53, ""});
            if (++fertigGefragt == 1) return central::antwort(g, central::kStapel, 11, 2);
            return central::antwort(g, central::kKnopf, 0, 53);
        }
        return skriptAntworter(g);
    };
    starten();
    bis([] { return cg.entscheidung.art == 55; });
    std::vector<int> folge;
    for (const Frage& f : fragen)
        if (f.art == 53 || f.art == 54) folge.push_back(f.art);
    EXPECT_EQ(folge, (std::vector<int>{54, 54, 53, 54, 53}));
    EXPECT_EQ(harness::anzahl(1), 10);
    EXPECT_EQ(harness::anzahl(11), 2);
    EXPECT_EQ(skat_1::skatKopie().anz, 2);
    bis([] { return false; });
}

TEST_F(SkatAblauf, AllPassIsPassedInOrARamschByTheOptions) {
    skript[48] = {kPassen, kPassen, kPassen};
    starten();
    bis([] { return false; });
    const std::vector<Frage> erwartet = {{2, 48, ""}, {3, 48, ""}, {1, 48, ""}};
    EXPECT_EQ(von(48), erwartet);
    EXPECT_EQ(von(48)[2].knopf1, "! 18 reizen");  // Vorhand is asked to bid 18
    EXPECT_EQ(cg.skat.spiel.typ, skat_1::kEingepasst);
    EXPECT_EQ(skat::letztesErgebnis().text2, "Spiel wurde eingepasst");

    fragen.clear();
    skript[48] = {kPassen, kPassen, kPassen};
    cg.skat.optionen.bockRamsch = 1;
    cg.skat.optionen.ramschKeinerReizt = 1;
    starten(1);
    bis([] { return false; });
    EXPECT_EQ(cg.skat.spiel.ramsch, 1);
    EXPECT_EQ(cg.skat.sk.typ, skat_1::kRamsch);
    EXPECT_EQ(skat::letztesErgebnis().text1.rfind("Ramsch", 0) == 0 ||
                  skat::letztesErgebnis().text1.rfind("Durchmarsch", 0) == 0,
              true)
        << skat::letztesErgebnis().text1;
}

TEST_F(SkatAblauf, KontraChainUnderEachOption) {
    struct Fall {
        const char* was;
        uint8_t mit, mitRe, alle;
        std::vector<int> antworten44, antworten63, antworten64, antworten65;
        std::vector<Frage> erwartet;
        int kontra;
    };
    // Vorhand (1) plays Grand Hand; defenders 2 and 3.
    const Fall faelle[] = {
        {"nur Kontra", 1, 0, 0, {1}, {}, {}, {}, {{2, 44, ""}}, 1},
        {"Kontra und Re", 0, 1, 0, {1}, {2}, {}, {}, {{2, 44, ""}, {1, 63, ""}}, 2},
        {"bis Hirsch", 0, 0, 1, {1}, {2}, {3}, {4}, {{2, 44, ""}, {1, 63, ""}, {2, 64, ""}, {1, 65, ""}}, 4},
        {"zweiter Gegner sagt Kontra",
         0,
         0,
         1,
         {-1, 1},
         {-1},
         {},
         {},
         {{2, 44, ""}, {3, 44, ""}, {1, 63, ""}},
         1},
        {"keiner will", 1, 0, 0, {-1, -1}, {}, {}, {}, {{2, 44, ""}, {3, 44, ""}}, 0},
    };
    bool erstes = true;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        fragen.clear();
        skript.clear();
        skript[48] = {kPassen, kPassen, kReizen};
        skript[50] = {45};
        skript[55] = {11};
        skript[56] = {1};
        skript[44] = f.antworten44;
        skript[63] = f.antworten63;
        skript[64] = f.antworten64;
        skript[65] = f.antworten65;
        TSkatOptionen& o = cg.skat.optionen;
        o.kontraRe = 1;
        o.nachSpielansage = 1;
        o.mitKontra = f.mit;
        o.mitKontraRe = f.mitRe;
        o.mitKontraAlle = f.alle;
        o.ersterGeber = 3;
        cg.skat.geber = 2;  // the next deal moves it on to 3
        starten(erstes ? 0 : 1);
        erstes = false;
        bis([] { return cg.phase.nr == 4; });
        std::vector<Frage> kontra;
        for (const Frage& x : fragen)
            if (x.art == 44 || (x.art >= 63 && x.art <= 65)) kontra.push_back(x);
        EXPECT_EQ(kontra, f.erwartet);
        EXPECT_EQ(cg.skat.spiel.kontra, f.kontra);
        EXPECT_EQ(cg.aktSpieler, 1);  // Vorhand leads after the Kontra round
        bis([] { return false; });
    }
}

TEST_F(SkatAblauf, KontraAfterTheFirstTrick) {
    skript[48] = {kPassen, kPassen, kReizen};
    skript[50] = {45};
    skript[55] = {11};
    skript[56] = {1};
    skript[44] = {-1, 1};  // the second defender says Kontra
    skript[63] = {-1};
    TSkatOptionen& o = cg.skat.optionen;
    o.kontraRe = 1;
    o.mitKontraRe = 1;
    o.nachSpielansage = 0;  // "Nach dem ersten Stich"
    starten();
    bis([] { return false; });
    const std::vector<Frage> kontra = von(44);
    ASSERT_EQ(kontra.size(), 2u);
    EXPECT_EQ(kontra[0].gespielt, 3);  // one trick is over when Kontra is asked
    EXPECT_EQ(kontra[0].seat, 2);
    EXPECT_EQ(kontra[1].seat, 3);
    EXPECT_EQ(von(63).size(), 1u);
    EXPECT_EQ(cg.skat.spiel.kontra, 1);
    EXPECT_NE(skat::letztesErgebnis().text2.find(" - Kontra "), std::string::npos)
        << skat::letztesErgebnis().text2;
}

TEST_F(SkatAblauf, SkatMitRumCountsInTheReckoning) {
    cg.skat.optionen.rum = 1;
    skript[48] = {kPassen, kPassen, kReizen};
    skript[60] = {46};
    skript[55] = {11};
    starten();
    bis([] { return false; });
    EXPECT_TRUE(gefragt(60));
    EXPECT_FALSE(gefragt(50));
    EXPECT_TRUE(gefragt(54));  // the shown Skat is taken up and two cards are laid away
    EXPECT_EQ(cg.skat.spiel.rum, 1);
    if (cg.skat.spiel.typ != skat_1::kUeberreizt) {
        EXPECT_NE(skat::letztesErgebnis().text2.find("- Rum "), std::string::npos)
            << skat::letztesErgebnis().text2;
    }
}

TEST_F(SkatAblauf, SkatMitRumTurnsTheCardsUpOneAfterTheOther) {
    cg.skat.optionen.rum = 1;
    skript[48] = {kPassen, kPassen, kReizen};
    skript[60] = {46};
    skript[55] = {11};
    starten();
    auto offen = [] {
        int n = 0;
        for (int i = 1; i <= harness::anzahl(11); ++i) n += glu::spieler[10].at(i).face;
        return n;
    };
    bis([&] { return offen() >= 1; });
    EXPECT_EQ(offen(), 1);
    const uint32_t erste = ticks::now();
    bis([&] { return offen() == 2; });
    EXPECT_GE(ticks::elapsed(erste, ticks::now()), 300u);
    EXPECT_LT(ticks::elapsed(erste, ticks::now()), 400u);
    // Both lie open a while before the declarer takes them up.
    bis([] { return harness::anzahl(11) < 2; });
    EXPECT_GE(ticks::elapsed(erste, ticks::now()), 1000u);
    bis([] { return false; });
}

TEST_F(SkatAblauf, SchieberamschPushesTheSkatOn) {
    TSkatOptionen& o = cg.skat.optionen;
    o.bockRamsch = 1;
    o.grandHand = 1;
    o.jungfrauAnsagen = 1;
    cg.skat.spiegelText = "R";
    cg.skat.geber = 2;  // dealer 3 for this deal
    skript[66] = {66, 66, 66};
    skript[67] = {45, 45, 51};  // the third seat takes the Skat
    skript[68] = {0, 0, 0};
    starten(1);
    bis([] { return cg.phase.nr == 4; });
    EXPECT_EQ(cg.skat.sonderMarke.str(), "R");
    EXPECT_EQ(cg.skat.spiel.schieberamsch, 1);
    EXPECT_EQ(cg.skat.spiel.geschoben, 2);
    EXPECT_EQ(von(66).size(), 3u);
    EXPECT_EQ(von(67).size(), 3u);
    EXPECT_TRUE(gefragt(54));  // the seat that took it laid two cards away
    EXPECT_EQ(harness::anzahl(11), 2);
    // Laying away in a Ramsch weighs the cards in the Ramsch order, where the 7 ranks 8th.
    for (const Frage& f : von(54)) EXPECT_EQ(f.rang7, 8) << f;
    bis([] { return false; });
    EXPECT_NE(skat::letztesErgebnis().text2.find("2x geschoben"), std::string::npos)
        << skat::letztesErgebnis().text2;
}

// Saving and loading through the saved-games unit, into a folder of the test's own.
struct Speicher {
    // A folder per process: ctest runs the tests that save side by side.
    std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("skat_ablauf_test_" + std::to_string(getpid()));
    Speicher() {
        tischdienste::anbinden(spielstand::anbindung);
        static pvl::TPVLDialog panel{};
        spielstand::anbindung.ipanel = [] { return &panel; };
        std::filesystem::create_directories(ordner);
    }
    ~Speicher() {
        std::filesystem::remove_all(ordner);
        spielstand::anbindung = spielstand::Anbindung{};
    }
    bool sichern() { return spielstand::spielSpeichern(cg, ordner, "mitte", true); }
    bool laden() { return spielstand::spielLaden(cg, ordner, "mitte", "ska") && central::nachLaden(cg); }
};

TEST_F(SkatAblauf, RestoreWhileLayingAwayKeepsTheHandsAsDealt) {
    Speicher speicher;
    skript[48] = {kPassen, kPassen, kReizen};
    skript[50] = {51};
    starten();
    bis([] { return cg.phase.nr == 7 && harness::anzahl(1) == 12 && glu::zugliste.anz == 0; });
    const hand gegeben = skat_1::gegebeneHand(1);
    const hand skat = skat_1::skatOriginal();
    const int typ = skat_1::bewertung(1).spielTyp;
    ASSERT_TRUE(speicher.sichern());
    skat_1::bewertung(1) = skat_1::Bewertung{};
    ASSERT_TRUE(speicher.laden());
    for (int s = 2; s <= 3; ++s) cg.stapelListen[s].computer = 0;
    EXPECT_EQ(skat_1::bewertung(1).spielTyp, typ);
    EXPECT_EQ(std::memcmp(&skat_1::gegebeneHand(1), &gegeben, sizeof(hand)), 0);
    EXPECT_EQ(std::memcmp(&skat_1::skatOriginal(), &skat, sizeof(hand)), 0);
    EXPECT_EQ(harness::anzahl(1), 12);
    bis([] { return false; });
}

TEST_F(SkatAblauf, RestoreInTheMiddleOfATrick) {
    Speicher speicher;
    skript[48] = {kPassen, kPassen, kReizen};
    skript[50] = {51};
    starten();
    bis([] {
        return cg.phase.nr == 4 && skat_1::stich().anz == 1 && glu::zugliste.anz == 0 &&
               cg.bewegungWarten.aktiv == 0;
    });
    ASSERT_EQ(skat_1::stich().anz, 1);
    const karte erste = skat_1::stich().at(1);
    int karten[4] = {0, harness::anzahl(1), harness::anzahl(2), harness::anzahl(3)};
    ASSERT_TRUE(speicher.sichern());
    lauf->frames(200);  // play on, then go back
    ASSERT_TRUE(speicher.laden());
    for (int s = 2; s <= 3; ++s) cg.stapelListen[s].computer = 0;
    EXPECT_EQ(skat_1::stich().anz, 1);
    EXPECT_TRUE(gleich(skat_1::stich().at(1), erste));
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(harness::anzahl(s), karten[s]) << s;
    EXPECT_EQ(harness::anzahl(12), 1);
    bis([] { return false; });
    EXPECT_TRUE(skat::dealVorbei(cg));
    int summe = 0;
    for (int s = 1; s <= 3; ++s) summe += skat_1::augenSumme(skat_1::gewonnenSitz(s));
    EXPECT_EQ(summe + skat_1::augenSumme(skat_1::skatKopie()), 120);
}

TEST(SkatTisch, AThrownCardLiesAboveTheCardsOfTheTrick) {
    glu::reset();
    cg.spielId = spiele::kSkat;
    skat::anmelden();
    skat_1::stich() = hand{};
    TKartenSlot k{};
    glu::throwposition(2, 1, k);
    EXPECT_FLOAT_EQ(k.z, -97.0f);
    handaddk(skat_1::stich(), skat_1::karteBilden(8, 1));
    handaddk(skat_1::stich(), skat_1::karteBilden(7, 1));
    glu::throwposition(3, 1, k);
    EXPECT_FLOAT_EQ(k.z, 0.5f * 2 - 97.0f);
}

TEST(SkatTisch, LegalCardsFollowTheLedSuitAndBubenStayInRamsch) {
    glu::reset();
    std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
    cg.spielId = spiele::kSkat;
    skat::anmelden();
    TSpieler& s1 = glu::spieler[0];
    auto geben = [&](std::initializer_list<karte> ks) {
        s1.anz = 0;
        for (const karte& k : ks) s1.at(++s1.anz).c = k;
    };
    using skat_1::karteBilden;
    cg.skat.sk.typ = skat_1::kGrand;
    cg.phase.nr = 4;
    skat_1::stich() = hand{};
    handaddk(skat_1::stich(), karteBilden(8, 3));  // Herz As led
    geben({karteBilden(4, 3), karteBilden(8, 1), karteBilden(1, 3)});
    EXPECT_FALSE(skat::spielbar(s1.at(1)));  // the Herz Bube is a trump in Grand, not a Herz
    EXPECT_FALSE(skat::spielbar(s1.at(2)));
    EXPECT_TRUE(skat::spielbar(s1.at(3)));
    geben({karteBilden(4, 3), karteBilden(8, 1)});  // no Herz left: anything goes
    EXPECT_TRUE(skat::spielbar(s1.at(1)));
    EXPECT_TRUE(skat::spielbar(s1.at(2)));

    cg.phase.nr = 9;  // laying away in Schieberamsch
    EXPECT_FALSE(skat::spielbar(s1.at(1)));
    EXPECT_TRUE(skat::spielbar(s1.at(2)));
    cg.skat.optionen.bubenSchieben = 1;
    EXPECT_TRUE(skat::spielbar(s1.at(1)));
    skat_1::stich() = hand{};
}

// Saved and loaded again at arbitrary frames, a deal still plays to its end with every card kept.
TEST(SkatSpeichern, SaveAndLoadAtAnyFrameKeepsTheDealWhole) {
    skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
    for (uint64_t seed = 20; seed < 40; ++seed) {
        SCOPED_TRACE(seed);
        harness::Einstellung e;
        e.spielId = spiele::kSkat;
        e.spieler = 3;
        e.seed = seed;
        harness::Lauf lauf(e);
        skat::anmelden();
        Speicher speicher;
        envParam.austeilen = seed % 4 == 0 ? 2 : 1;
        cg.skat.optionen.wertung = 1;
        cg.skat.optionen.limit = 36;
        if (seed % 2) {
            ASSERT_TRUE(skat::optionSetzen("Kontra", 3));
        }
        if (seed % 3 == 0) {
            ASSERT_TRUE(skat::optionSetzen("Bock", 2));
        }
        lauf.invariante = [](const TCG&, std::string& warum) { return skat::kartenErhalten(warum); };
        ASSERT_TRUE(lauf.starten());
        int naechstes = 3 + static_cast<int>(seed);
        while (!skat::dealVorbei(cg) && lauf.frameNr() < 20000) {
            lauf.frame();
            ASSERT_FALSE(lauf.fehlgeschlagen());
            if (lauf.frameNr() == naechstes) {
                ASSERT_TRUE(speicher.sichern());
                lauf.frames(7);
                ASSERT_TRUE(speicher.laden());
                cg.stapelListen[1].computer = 1;
                // far enough apart for a packet deal, which starts again when loaded half dealt
                naechstes += 401 + static_cast<int>(seed) * 7;
            }
        }
        EXPECT_TRUE(skat::dealVorbei(cg))
            << "phase " << int(cg.phase.nr) << "/" << cg.phase.schritt << " bw "
            << int(cg.bewegungWarten.aktiv) << " " << cg.bewegungWarten.halter << ","
            << cg.bewegungWarten.marke << " anz " << harness::anzahl(1) << " " << harness::anzahl(11) << " "
            << harness::anzahl(15) << " z" << glu::zugliste.anz;
        int32_t null[4] = {0, 0, 0, 0};
        std::string warum;
        EXPECT_TRUE(skat::dealPruefen(null, warum)) << warum;
    }
}

// With the developer's switch the result table starts the next deal from inside the settlement:
// the deal's end phase must not fall on the new deal, which would wait forever.
TEST_F(SkatAblauf, ATableThatGoesOnByItselfStartsTheNextDeal) {
    harness::TabelleGehtWeiter weiter(*lauf);
    starten();
    ASSERT_GE(lauf->bis([](const TCG& g) { return g.spielliste.runden == 1; }), 0);
    EXPECT_NE(+cg.phase.nr, 5);
    ASSERT_GE(lauf->bis([](const TCG& g) { return g.spielliste.runden == 2; }), 0);
}
