// The Schafkopf flow with scripted answers: the order of the bidding and every path through it
// (nobody plays, Ramsch, one bidder, two bidders, the first bidder passing), the Kontra and Re
// laps, the first lead, a Bettel ending early, and a game saved and restored inside a trick.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/central.h"
#include "core/spiele.h"
#include "core/spielstand.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "harness/lib/harness.h"
#include "sd_karten.h"
#include "table/glu.h"
#include "table/tischdienste.h"

namespace {

struct Frage {
    int seat, art;
    std::vector<std::string> knoepfe;  // the captions offered
    bool operator==(const Frage& o) const { return seat == o.seat && art == o.art; }
};
[[maybe_unused]] std::ostream& operator<<(std::ostream& os, const Frage& f) {
    return os << f.seat << ":" << f.art;
}

// seat 1 can call Grün (seat 2 holds its ace) or Schellen (seat 3), not Eichel (its own ace)
const char* const kHaende[4] = {"EO GO HA HZ EA E7 G7 S7", "HO SO EU GU GA GZ G8 G9",
                                "HU SU HK H9 SA SZ SK S8", "H8 H7 EZ EK E8 E9 GK S9"};

class SchafkopfAblauf : public testing::Test {
protected:
    void SetUp() override {
        harness::Einstellung e;
        e.spielId = spiele::kSchafkopf;
        e.seed = 3;
        e.menschAlsComputer = false;
        lauf = std::make_unique<harness::Lauf>(e);
        schafkopf::anmelden();
        schafkopf::optionenStandard();
        ASSERT_TRUE(schafkopf::optionSetzen("Laufende", 0));
        cg.schafkopf.optionen.geber = 5;  // seat 4 deals, seat 1 is asked first
        lauf->antworter = [this](TCG& g) {
            const int art = g.phase.fluss3;
            Frage f{g.aktSpieler, art, {}};
            for (int i = 1; g.entscheidung.mitKnoepfen && i <= g.entscheidung.knopfAnzahl; ++i)
                f.knoepfe.push_back(g.entscheidung.texte[i].str());
            if (art != 47) fragen.push_back(f);
            if (art == 47 && ersteKarte == 0) ersteKarte = g.aktSpieler;
            auto it = skript.find(art);
            if (it != skript.end() && !it->second.empty()) {
                const int code = it->second.front();
                it->second.erase(it->second.begin());
                return central::antwort(g, central::kKnopf, 0, code);
            }
            schafkopf::kiTick();
            return true;
        };
    }
    void TearDown() override { lauf.reset(); }

    // Starts a deal and gives the seats the hands of kHaende once the cards are out.
    void starten() {
        ASSERT_TRUE(lauf->starten(0));
        for (int s = 1; s <= 4; ++s) cg.stapelListen[s].computer = 0;
        bis([] { return cg.phase.nr == 3 && glu::zugliste.anz == 0; });
        for (int s = 1; s <= 4; ++s) {
            const auto h = sdtest::SH(kHaende[s - 1]);
            ASSERT_EQ(glu::spieler[s - 1].anz, 8);
            for (int i = 1; i <= 8; ++i) {
                glu::spieler[s - 1].at(i).c = h[static_cast<size_t>(i - 1)];
                cg.schafkopf.z.gegeben[s - 1][i - 1] = h[static_cast<size_t>(i - 1)];
            }
        }
    }
    void bis(const std::function<bool()>& ziel) {
        ASSERT_GE(lauf->bis([&](const TCG& g) { return ziel() || schafkopf::dealVorbei(g); }), 0);
        ASSERT_FALSE(lauf->fehlgeschlagen());
    }
    void zuEnde() {
        bis([] { return false; });
    }
    std::vector<Frage> von(int art) const {
        std::vector<Frage> v;
        for (const Frage& f : fragen)
            if (f.art == art) v.push_back(f);
        return v;
    }
    std::vector<int> sitze(int art) const {
        std::vector<int> v;
        for (const Frage& f : von(art)) v.push_back(f.seat);
        return v;
    }
    std::array<int, 4> betraege() const {
        const TGameResult& r = schafkopf::letztesErgebnis();
        return {r.at(1), r.at(2), r.at(3), r.at(4)};
    }

    std::unique_ptr<harness::Lauf> lauf;
    std::map<int, std::vector<int>> skript;
    std::vector<Frage> fragen;
    int ersteKarte = 0;
};

constexpr int kSpielen = 93, kWeiter = 37, kPassen = 43, kAnsagen = 96, kNormal = 95;

}  // namespace

TEST_F(SchafkopfAblauf, NobodyPlaysEndsWithoutACard) {
    skript[93] = {kWeiter, kWeiter, kWeiter, kWeiter};
    starten();
    zuEnde();
    EXPECT_EQ(sitze(93), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(schafkopf::letztesErgebnis().text1, "Kein Spiel");
    EXPECT_EQ(betraege(), (std::array<int, 4>{0, 0, 0, 0}));
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(harness::anzahl(s), 8);
    EXPECT_EQ(ersteKarte, 0);
}

TEST_F(SchafkopfAblauf, NobodyPlaysWithRamschPlaysARamsch) {
    ASSERT_TRUE(schafkopf::optionSetzen("Ramsch", 1));
    skript[93] = {kWeiter, kWeiter, kWeiter, kWeiter};
    starten();
    zuEnde();
    EXPECT_EQ(cg.schafkopf.spiel.typ, schafkopf::kRamsch);
    EXPECT_TRUE(von(44).empty());  // no Kontra in a Ramsch
    EXPECT_EQ(schafkopf::letztesErgebnis().text1.rfind("Ramsch ", 0), 0u);
    const auto b = betraege();
    EXPECT_EQ(std::count(b.begin(), b.end(), -6), 1);
    EXPECT_EQ(std::count(b.begin(), b.end(), 2), 3);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(harness::anzahl(s), 0);
}

TEST_F(SchafkopfAblauf, OneBidderNamesARufspielAfterTheLapAndTheSeatAfterTheDealerLeads) {
    skript[93] = {kSpielen, kWeiter, kWeiter, kWeiter};
    skript[92] = {8};
    skript[91] = {2};  // Grün
    skript[44] = {-1, -1, -1, -1};
    starten();
    bis([this] { return ersteKarte != 0; });
    const std::vector<Frage> erwartet = {{1, 93, {}}, {2, 93, {}}, {3, 93, {}}, {4, 93, {}},
                                         {1, 92, {}}, {1, 91, {}}, {3, 44, {}}, {4, 44, {}}};
    EXPECT_EQ(fragen, erwartet);
    // the suits offered to call: not Eichel (own ace), never Herz
    EXPECT_EQ(von(91)[0].knoepfe, (std::vector<std::string>{"!Pik", "!Karo"}));
    EXPECT_EQ(cg.schafkopf.spiel.typ, schafkopf::kRufspiel);
    EXPECT_EQ(cg.schafkopf.spiel.farbe, 2);
    EXPECT_EQ(cg.schafkopf.z.spieler, 1);
    // seat 2 holds the called ace: it knows itself on the declarer's side and is not offered Kontra
    EXPECT_EQ(schafkopf::parteiCode(2, 2), 10);
    EXPECT_EQ(schafkopf::parteiCode(2, 3), 9);
    EXPECT_EQ(ersteKarte, 1);  // dealer 4: seat 1 leads
    zuEnde();
    EXPECT_EQ(schafkopf::letztesErgebnis().text1.rfind("Pik-Rufspiel", 0), 0u);
    const auto b = betraege();
    EXPECT_EQ(b[0], b[1]);
    EXPECT_EQ(b[2], b[3]);
    EXPECT_EQ(b[0], -b[2]);
}

TEST_F(SchafkopfAblauf, TwoBiddersTheSecondMayOnlyNameAHigherGame) {
    skript[93] = {kSpielen, kSpielen, kWeiter, kWeiter};
    skript[97] = {kAnsagen};
    skript[92] = {3, 2};  // seat 1 a Wenz, seat 2 a Farbsolo
    skript[94] = {kNormal, kNormal};
    skript[91] = {4};
    skript[44] = {-1, -1, -1, -1};
    starten();
    bis([this] { return ersteKarte != 0; });
    const std::vector<Frage> erwartet = {{1, 93, {}}, {2, 93, {}}, {1, 97, {}}, {1, 92, {}}, {1, 94, {}},
                                         {2, 92, {}}, {2, 91, {}}, {2, 94, {}}, {3, 93, {}}, {4, 93, {}}};
    std::vector<Frage> bieten(fragen.begin(),
                              fragen.begin() + std::min<size_t>(fragen.size(), erwartet.size()));
    EXPECT_EQ(bieten, erwartet);
    // the first bidder chooses among all games; the second may pass, and a Wenz or Geier only Tout
    EXPECT_EQ(von(92)[0].knoepfe, (std::vector<std::string>{"!Farbsolo", "!Wenz", "!Geier", "!Rufspiel"}));
    EXPECT_EQ(von(92)[1].knoepfe,
              (std::vector<std::string>{"!Passen", "!Farbsolo", "!Wenz-Tout", "!Geier-Tout"}));
    EXPECT_EQ(cg.schafkopf.spiel.typ, schafkopf::kSolo);
    EXPECT_EQ(cg.schafkopf.spiel.farbe, 4);
    EXPECT_EQ(cg.schafkopf.spiel.tout, 0);
    EXPECT_EQ(cg.schafkopf.z.spieler, 2);
    zuEnde();
    const auto b = betraege();
    EXPECT_EQ(b[0] + b[1] + b[2] + b[3], 0);
    EXPECT_EQ(b[1], -3 * b[0]);
}

TEST_F(SchafkopfAblauf, FirstBidderPassesAndTheSecondPlaysAlone) {
    skript[93] = {kSpielen, kSpielen, kWeiter, kWeiter};
    skript[97] = {kPassen};
    skript[92] = {2};
    skript[91] = {1};
    skript[94] = {kNormal};
    skript[44] = {-1, -1, -1, -1};
    starten();
    bis([this] { return ersteKarte != 0; });
    const std::vector<Frage> erwartet = {{1, 93, {}}, {2, 93, {}}, {1, 97, {}}, {3, 93, {}},
                                         {4, 93, {}}, {2, 92, {}}, {2, 91, {}}, {2, 94, {}}};
    std::vector<Frage> bieten(fragen.begin(),
                              fragen.begin() + std::min<size_t>(fragen.size(), erwartet.size()));
    EXPECT_EQ(bieten, erwartet);
    // seat 2 cannot call any suit: no Rufspiel for it, and no pass either
    EXPECT_EQ(von(92)[0].knoepfe, (std::vector<std::string>{"!Farbsolo", "!Wenz", "!Geier"}));
    EXPECT_EQ(cg.schafkopf.z.spieler, 2);
    EXPECT_EQ(cg.schafkopf.spiel.typ, schafkopf::kSolo);
}

TEST_F(SchafkopfAblauf, KontraThenReDoubleTwice) {
    skript[93] = {kSpielen, kWeiter, kWeiter, kWeiter};
    skript[92] = {2};
    skript[91] = {1};
    skript[94] = {kNormal};
    skript[44] = {-1, 1};  // seat 2 no, seat 3 Kontra
    skript[63] = {2};      // the declarer says Re
    starten();
    zuEnde();
    EXPECT_EQ(sitze(44), (std::vector<int>{2, 3}));
    EXPECT_EQ(sitze(63), (std::vector<int>{1}));
    EXPECT_EQ(cg.schafkopf.z.kontra, 2);
    const std::string& t = schafkopf::letztesErgebnis().text1;
    EXPECT_NE(t.find(" - Kontra "), std::string::npos) << t;
    EXPECT_NE(t.find(" - Re "), std::string::npos) << t;
}

TEST_F(SchafkopfAblauf, ABettelEndsWithTheDeclarersFirstTrick) {
    ASSERT_TRUE(schafkopf::optionSetzen("Bettel", 1));
    ASSERT_TRUE(schafkopf::optionSetzen("Kontra", 0));
    skript[93] = {kSpielen, kWeiter, kWeiter, kWeiter};
    skript[92] = {7};
    starten();
    zuEnde();
    // seat 1 leads its Kreuz-As first and nobody can beat it
    EXPECT_EQ(harness::anzahl(7), 4);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(harness::anzahl(s), 7);
    EXPECT_EQ(betraege(), (std::array<int, 4>{-9, 3, 3, 3}));
    EXPECT_EQ(schafkopf::letztesErgebnis().text1, "Bettel 3");
}

// Saving and loading through the saved-games unit, into a folder of the test's own.
struct Speicher {
    std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("schafkopf_ablauf_test_" + std::to_string(getpid()));
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
    bool laden() { return spielstand::spielLaden(cg, ordner, "mitte", "shk") && central::nachLaden(cg); }
};

TEST_F(SchafkopfAblauf, RestoreInTheMiddleOfATrickPlaysOnFromThere) {
    Speicher speicher;
    skript[93] = {kSpielen, kWeiter, kWeiter, kWeiter};
    skript[92] = {2};
    skript[91] = {3};
    skript[94] = {kNormal};
    skript[44] = {-1, -1, -1, -1};
    starten();
    bis([] {
        return cg.phase.nr == 4 && cg.schafkopf.z.stichNr == 2 && cg.schafkopf.z.stichAnz == 2 &&
               glu::zugliste.anz == 0 && cg.bewegungWarten.aktiv == 0;
    });
    const TSchafkopfZustand vorher = cg.schafkopf.z;
    int karten[5] = {0, harness::anzahl(1), harness::anzahl(2), harness::anzahl(3), harness::anzahl(4)};
    const int amZug = cg.aktSpieler;
    ASSERT_TRUE(speicher.sichern());
    lauf->frames(300);  // play on, then go back
    ASSERT_TRUE(speicher.laden());
    for (int s = 1; s <= 4; ++s) cg.stapelListen[s].computer = 0;
    EXPECT_EQ(cg.schafkopf.z.stichAnz, 2);
    EXPECT_TRUE(gleich(cg.schafkopf.z.stich[0], vorher.stich[0]));
    EXPECT_TRUE(gleich(cg.schafkopf.z.stich[1], vorher.stich[1]));
    EXPECT_EQ(cg.aktSpieler, amZug);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(harness::anzahl(s), karten[s]) << s;
    EXPECT_EQ(harness::anzahl(12), 2);
    zuEnde();
    EXPECT_TRUE(schafkopf::dealVorbei(cg));
    std::string warum;
    EXPECT_TRUE(schafkopf::kartenErhalten(warum)) << warum;
    int summe = 0;
    for (int s = 7; s <= 10; ++s)
        for (int i = 1; i <= harness::anzahl(s); ++i) summe += schafkopf::augen(glu::spieler[s - 1].at(i).c);
    EXPECT_EQ(summe, 120);
}
