#include "games/schafkopf_doppelkopf/schafkopf_regeln.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "sd_karten.h"

using namespace schafkopf;
using sdtest::SH;
using sdtest::SK;

namespace {

std::string sh(const std::vector<karte>& h) { return sdtest::namen(h, false); }

TSchafkopfSpiel spiel(int typ, int farbe = 0, bool tout = false) {
    TSchafkopfSpiel s{};
    s.typ = static_cast<uint8_t>(typ);
    s.farbe = static_cast<uint8_t>(farbe);
    s.tout = tout ? 1 : 0;
    return s;
}

// The cards of one suit (plain ones) from strongest to weakest in the game's order.
std::string farbFolge(const Ordnung& o, int f) {
    std::vector<karte> h;
    for (const karte& k : kartenSatz())
        if (k.f == f && !istTrumpf(o, k)) h.push_back(k);
    std::sort(h.begin(), h.end(), [&](const karte& a, const karte& b) { return rang(o, a) > rang(o, b); });
    return sh(h);
}

}  // namespace

TEST(SchafkopfTrumpf, EachGameTypeSetsItsTrumpsAndPlainOrders) {
    struct Case {
        int typ, farbe;
        const char* truempfe;
        int plainFarbe;
        const char* plain;
    };
    const Case cases[] = {
        {kRufspiel, 1, "EO GO HO SO EU GU HU SU HA HZ HK H9 H8 H7", 1, "EA EZ EK E9 E8 E7"},
        {kRamsch, 0, "EO GO HO SO EU GU HU SU HA HZ HK H9 H8 H7", 4, "SA SZ SK S9 S8 S7"},
        {kSolo, 4, "EO GO HO SO EU GU HU SU SA SZ SK S9 S8 S7", 3, "HA HZ HK H9 H8 H7"},
        {kWenz, 0, "EU GU HU SU", 2, "GA GZ GK GO G9 G8 G7"},
        {kGeier, 0, "EO GO HO SO", 1, "EA EZ EK EU E9 E8 E7"},
        {kFarbwenz, 2, "EU GU HU SU GA GZ GK GO G9 G8 G7", 3, "HA HZ HK HO H9 H8 H7"},
        {kFarbgeier, 3, "EO GO HO SO HA HZ HK HU H9 H8 H7", 4, "SA SZ SK SU S9 S8 S7"},
        {kSie, 0, "EO GO HO SO EU GU HU SU", 3, "HA HZ HK H9 H8 H7"},
        {kBettel, 0, "", 1, "EA EK EO EU EZ E9 E8 E7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typ);
        const Ordnung o = trumpfOrdnung(c.typ, c.farbe);
        EXPECT_EQ(sh(o.trumpfListe), c.truempfe);
        EXPECT_EQ(farbFolge(o, c.plainFarbe), c.plain);
        // the strongest trump gets 32, and every trump outranks every plain card
        if (!o.trumpfListe.empty()) {
            EXPECT_EQ(rang(o, o.trumpfListe.front()), 32);
        }
    }
}

TEST(SchafkopfTrumpf, TrickGoesToTheHighestTrumpOrTheHighestCardOfTheLedSuit) {
    struct Case {
        int typ, farbe;
        const char* stich;
        int sieger;
    };
    const Case cases[] = {
        {kRufspiel, 1, "EA EZ EK E7", 0},  // the led suit, highest rank
        {kRufspiel, 1, "EA EZ H7 E7", 2},  // the smallest trump beats the ace
        {kRufspiel, 1, "EA GA SA EK", 0},  // another suit never wins
        {kRufspiel, 1, "HA SU EO H7", 2},  // Ober above Unter above Herz
        {kWenz, 0, "EA EO SU E7", 2},      // in a Wenz the Ober is a plain card
        {kGeier, 0, "GU GK GA G9", 2},     // in a Geier the Unter is below the König
        {kBettel, 0, "EU EZ E9 EO", 3},    // in the Bettel the Zehn is below the Unter
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stich);
        EXPECT_EQ(stichSieger(trumpfOrdnung(c.typ, c.farbe), SH(c.stich)), c.sieger);
    }
}

TEST(SchafkopfSpielbar, CalledAceRunsAwayOnlyWithFourCardsAndIsForcedWhenItsSuitIsLed) {
    const TSchafkopfSpiel ruf = spiel(kRufspiel, 1);  // Eichel called
    const Ordnung o = trumpfOrdnung(kRufspiel, 1);
    struct Case {
        const char* hand;
        const char* stich;
        const char* spielbar;
    };
    const Case cases[] = {
        // leading with three Eichel: the suit only with its ace
        {"EA EK E9 HO GA G7 S8 SZ", "", "EA HO GA G7 S8 SZ"},
        // the Eichel-Ober is a trump, not an Eichel
        {"EA EO EK E9 GA G7 S8 SZ", "", "EA EO GA G7 S8 SZ"},
        // four Eichel: the partner may run away
        {"EA EK E9 E8 HO GA G7 S8", "", "EA EK E9 E8 HO GA G7 S8"},
        // a seat without the ace leads what it likes
        {"EK E9 HO GA G7 S8 SZ S7", "", "EK E9 HO GA G7 S8 SZ S7"},
        // Eichel led: the ace alone
        {"EA EK E9 HO", "E7", "EA"},
        // Herz led without Herz or trump: anything, the ace too
        {"EA EK GA", "H7", "EA EK GA"},
        // trump led: a trump
        {"EA HU GA", "EO", "HU"},
        // another suit led: follow it, the ace stays
        {"EA GK G9", "GA", "GK G9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.hand) + " / " + c.stich);
        EXPECT_EQ(sh(spielbareKarten(o, ruf, SH(c.hand), SH(c.stich))), c.spielbar);
    }
}

TEST(SchafkopfBieten, PrecedenceOfEveryGame) {
    struct Case {
        int typ;
        bool tout;
        int wert;
    };
    const Case cases[] = {
        {kSie, false, 13},   {kSie, true, 13},       {kSolo, true, 12},     {kWenz, true, 11},
        {kGeier, true, 10},  {kFarbwenz, true, 9},   {kFarbgeier, true, 8}, {kSolo, false, 7},
        {kWenz, false, 6},   {kGeier, false, 5},     {kFarbwenz, false, 4}, {kFarbgeier, false, 3},
        {kBettel, false, 2}, {kBettel, true, 2},     {kRufspiel, false, 1}, {kRufspiel, true, 1},
        {kRamsch, false, 0}, {kKeinSpiel, false, 0}, {12, false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.typ << " tout " << c.tout);
        EXPECT_EQ(spielWert(c.typ, c.tout), c.wert);
    }
}

TEST(SchafkopfBieten, CallableSuits) {
    struct Case {
        const char* hand;
        bool eigenesAs;
        const char* rufbar;  // suits 1..4 as E G H S
    };
    const Case cases[] = {
        {"EA GA SA E7 G8 S9 HO HU", false, ""},  // every callable ace in hand: no Rufspiel
        {"EA GA SA E7 G8 S9 HO HU", true, "EGS"},
        {"E7 G8 HO HU HA HZ EO GO", false, "EG"},  // Herz never; Schellen missing
        {"EO EU E7 GA G8 HA SA S9", false, "E"},   // Eichel only through a plain card
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hand);
        std::string r;
        for (int f = 1; f <= 4; ++f)
            if (rufbar(SH(c.hand), f, c.eigenesAs)) r += "EGHS"[f - 1];
        EXPECT_EQ(r, c.rufbar);
    }
}

TEST(SchafkopfLaufende, OnlyTrumpsAboveEveryOpponentTrumpCount) {
    struct Case {
        int typ;
        const char* seite;
        const char* gegner;
        int laufende;
    };
    const Case cases[] = {
        // every trump and two aces: the aces are plain cards and never count
        {kRufspiel, "EO GO HO SO EU GU HU SU HA HZ HK H9 H8 H7 EA GA",
         "EZ EK E9 E8 GZ GK G9 G8 SA SZ SK S9 S8 S7 E7 G7", 14},
        {kRufspiel, "EO GO HO E7", "SO GA", 3},
        {kRufspiel, "EO GO SO E7", "HO GA", 2},
        {kRufspiel, "GO HO SO", "EO", 0},
        {kWenz, "EU GU HU EA GA SA", "SU EZ", 3},
        {kBettel, "EA GA SA HA", "E7", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seite);
        EXPECT_EQ(laufende(trumpfOrdnung(c.typ, 1), SH(c.seite), SH(c.gegner)), c.laufende);
    }
}

// ---------------------------------------------------------------------------------------------
// Settlement

namespace {

std::vector<karte> rest(std::initializer_list<const char*> weg) {
    std::vector<karte> r = kartenSatz();
    for (const char* w : weg)
        for (const karte& k : SH(w))
            r.erase(
                std::find_if(r.begin(), r.end(), [&](const karte& x) { return x.t == k.t && x.f == k.f; }));
    return r;
}

Abrechnung grund(int typ, int farbe, std::initializer_list<int> partei) {
    Abrechnung a;
    a.spiel = spiel(typ, farbe);
    a.spieler = 1;
    a.gewerteterSpieler = 1;
    for (int s : partei) a.spielerPartei[static_cast<size_t>(s)] = true;
    a.namen = {"", "Anna", "Bert", "Carl", "Dora"};
    return a;
}

// Seat 1 won `pile`, seat 3 the rest of the deck.
void piles(Abrechnung& a, const char* pile) {
    a.stiche[1] = SH(pile);
    a.stiche[3] = rest({pile});
}

int summe(const TGameResult& r) { return r.at(1) + r.at(2) + r.at(3) + r.at(4); }

}  // namespace

TEST(SchafkopfAbrechnung, GameValuesAndAmountsAddUpToZero) {
    const char* p61 = "EA GA HA SA EZ EK EO";           // 61
    const char* p60 = "EA GA HA SA EZ EK EU";           // 60
    const char* p90 = "EA GA HA SA EZ GZ HZ SZ EK EU";  // 90
    const char* p91 = "EA GA HA SA EZ GZ HZ SZ EK EO";  // 91
    struct Case {
        const char* name;
        int typ;
        std::vector<int> partei;
        const char* pile;  // seat 1's tricks; seat 3 holds the rest; nullptr: seat 1 holds all
        bool tout;
        int kontra;
        int laufende;  // with the option on
        int soloWert;
        bool eigenesAs;
        std::array<int, 4> betrag;
        const char* summary;
    };
    const std::vector<Case> cases = {
        {"Rufspiel 61",
         kRufspiel,
         {1, 2},
         p61,
         false,
         0,
         0,
         2,
         false,
         {1, 1, -1, -1},
         "Kreuz-Rufspiel (gewonnen) 1"},
        {"Rufspiel 60",
         kRufspiel,
         {1, 2},
         p60,
         false,
         0,
         0,
         2,
         false,
         {-1, -1, 1, 1},
         "Kreuz-Rufspiel (verloren) 1"},
        {"Rufspiel Kontra",
         kRufspiel,
         {1, 2},
         p61,
         false,
         1,
         0,
         2,
         false,
         {2, 2, -2, -2},
         "Kreuz-Rufspiel (gewonnen) 1 - Kontra 2"},
        {"Rufspiel Kontra Re",
         kRufspiel,
         {1, 2},
         p61,
         false,
         2,
         0,
         2,
         false,
         {4, 4, -4, -4},
         "Kreuz-Rufspiel (gewonnen) 1 - Kontra 2 - Re 4"},
        {"Rufspiel Laufende 2",
         kRufspiel,
         {1, 2},
         p61,
         false,
         0,
         2,
         2,
         false,
         {3, 3, -3, -3},
         "Kreuz-Rufspiel (gewonnen) 1 - Laufende 3"},
        {"Stilles Solo",
         kRufspiel,
         {1},
         p61,
         false,
         0,
         0,
         2,
         true,
         {3, -1, -1, -1},
         "Kreuz-Rufspiel (gewonnen) 1"},
        {"Solo lost", kSolo, {1}, p60, false, 0, 0, 2, false, {-6, 2, 2, 2}, "Kreuz-Solo (verloren) 2"},
        {"Solo 90 no Schneider",
         kSolo,
         {1},
         p90,
         false,
         0,
         0,
         2,
         false,
         {6, -2, -2, -2},
         "Kreuz-Solo (gewonnen) 2"},
        {"Solo Schneider",
         kSolo,
         {1},
         p91,
         false,
         0,
         0,
         2,
         false,
         {9, -3, -3, -3},
         "Kreuz-Solo (gewonnen) 2 - Schneider 3"},
        {"Solo Schwarz",
         kSolo,
         {1},
         nullptr,
         false,
         0,
         0,
         2,
         false,
         {12, -4, -4, -4},
         "Kreuz-Solo (gewonnen) 2 - Schwarz 4"},
        {"Solo value 5", kSolo, {1}, p61, false, 0, 0, 5, false, {15, -5, -5, -5}, "Kreuz-Solo (gewonnen) 5"},
        {"Solo value 4 Kontra",
         kSolo,
         {1},
         p60,
         false,
         1,
         0,
         4,
         false,
         {-24, 8, 8, 8},
         "Kreuz-Solo (verloren) 4 - Kontra 8"},
        {"Wenz 2 Laufende", kWenz, {1}, p61, false, 0, 2, 2, false, {6, -2, -2, -2}, "Wenz (gewonnen) 2"},
        {"Wenz 3 Laufende",
         kWenz,
         {1},
         p61,
         false,
         0,
         3,
         2,
         false,
         {15, -5, -5, -5},
         "Wenz (gewonnen) 2 - Laufende 5"},
        {"Geier Schneider lost",
         kGeier,
         {1},
         "EZ",
         false,
         0,
         0,
         2,
         false,
         {-9, 3, 3, 3},
         "Geier (verloren) 2 - Schneider 3"},
        {"Farbwenz", kFarbwenz, {1}, p61, false, 0, 0, 2, false, {6, -2, -2, -2}, "Kreuz-Wenz (gewonnen) 2"},
        {"Farbgeier Laufende 3",
         kFarbgeier,
         {1},
         p61,
         false,
         0,
         3,
         2,
         false,
         {15, -5, -5, -5},
         "Kreuz-Geier (gewonnen) 2 - Laufende 5"},
        {"Sie",
         kSie,
         {1},
         nullptr,
         false,
         0,
         8,
         2,
         false,
         {144, -48, -48, -48},
         "Sie (gewonnen) 2 - Schwarz 4 - Laufende 12 - Sie (x4) 48"},
        {"Tout won",
         kSolo,
         {1},
         nullptr,
         true,
         0,
         0,
         2,
         false,
         {12, -4, -4, -4},
         "Kreuz-Solo-Tout (gewonnen) 2 - Tout 4"},
        // the others take 119 points: still no Schneider in a Tout
        {"Tout lost, no Schneider",
         kSolo,
         {1},
         "E7",
         true,
         0,
         0,
         2,
         false,
         {-12, 4, 4, 4},
         "Kreuz-Solo-Tout (verloren) 2 - Tout 4"},
        {"Bettel won", kBettel, {1}, "", false, 0, 0, 5, false, {9, -3, -3, -3}, "Bettel 3"},
        {"Bettel lost Kontra Re",
         kBettel,
         {1},
         "E7",
         false,
         2,
         0,
         2,
         false,
         {-36, 12, 12, 12},
         "Bettel 3 - Kontra 6 - Re 12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Abrechnung a = grund(c.typ, 1, {});
        for (int s : c.partei) a.spielerPartei[static_cast<size_t>(s)] = true;
        a.spiel.tout = c.tout ? 1 : 0;
        a.kontra = c.kontra;
        a.laufendeZaehlen = c.laufende > 0;
        a.laufende = c.laufende;
        a.soloWert = c.soloWert;
        a.eigenesAs = c.eigenesAs;
        if (c.pile)
            piles(a, c.pile);
        else
            a.stiche[1] = kartenSatz();
        const TGameResult r = abrechnen(a);
        EXPECT_EQ((std::array<int, 4>{r.at(1), r.at(2), r.at(3), r.at(4)}), c.betrag);
        EXPECT_EQ(r.text1, c.summary);
        EXPECT_EQ(summe(r), 0);
        EXPECT_EQ(r.text2.rfind(r.text1 + "\r\r", 0), 0u);
    }
}

TEST(SchafkopfAbrechnung, ResultLinesNameWinnersOrTheLoser) {
    Abrechnung ruf = grund(kRufspiel, 1, {1, 2});
    piles(ruf, "EA GA HA SA EZ EK EO");
    EXPECT_EQ(abrechnen(ruf).text2, "Kreuz-Rufspiel (gewonnen) 1\r\rAnna und Bert gewinnen mit 61 Augen.");
    piles(ruf, "EA GA HA SA EZ EK EU");
    EXPECT_EQ(abrechnen(ruf).text2, "Kreuz-Rufspiel (verloren) 1\r\rCarl und Dora gewinnen mit 60 Augen.");
    Abrechnung solo = grund(kSolo, 2, {1});
    piles(solo, "EA GA HA SA EZ EK EU");
    EXPECT_EQ(abrechnen(solo).text2, "Pik-Solo (verloren) 2\r\rAnna verliert mit 60 Augen.");
    piles(solo, "EA GA HA SA EZ EK EO");
    EXPECT_EQ(abrechnen(solo).text2, "Pik-Solo (gewonnen) 2\r\rAnna gewinnt mit 61 Augen.");
    Abrechnung bettel = grund(kBettel, 0, {1});
    EXPECT_EQ(abrechnen(bettel).text2, "Bettel 3\r\rAnna gewinnt den Bettel.");
    bettel.stiche[1] = SH("E7 E8 E9 EU");
    EXPECT_EQ(abrechnen(bettel).text2, "Bettel 3\r\rAnna verliert den Bettel.");
}

TEST(SchafkopfAbrechnung, NobodyPlaysGivesNothing) {
    Abrechnung a = grund(kKeinSpiel, 0, {});
    a.niemandSpielt = true;
    const TGameResult r = abrechnen(a);
    EXPECT_EQ(r.text1, "Kein Spiel");
    EXPECT_EQ(r.text2, "Kein Spiel\r\rNiemand will spielen.");
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(r.at(s), 0);
}

TEST(SchafkopfRamsch, LoserByPointsThenTricksThenTrumpsThenRankThenLaterSeat) {
    struct Case {
        const char* name;
        std::vector<std::vector<karte>> stiche;  // seats 1..4
        int verlierer;
    };
    auto n = [](const char* s, int mal) {
        std::vector<karte> r;
        for (int i = 0; i < mal; ++i)
            for (const karte& k : SH(s)) r.push_back(k);
        return r;
    };
    const std::vector<Case> cases = {
        {"points", {SH("EA E7 E8 E9"), SH("GA GZ G7 G8"), SH("SK S7 S8 S9"), {}}, 2},
        // equal points: the seat with more tricks loses, however many trumps the other took
        {"tricks before trumps", {n("E7", 16), n("H7 H8 H9", 4), {}, {}}, 1},
        {"trumps", {SH("EA E7 E8 E9"), SH("HA H7 H8 H9"), {}, {}}, 2},
        {"highest rank", {SH("EO E7 E8 E9"), SH("SO G7 G8 G9"), {}, {}}, 1},
        {"later seat", {SH("E7 E8 E9 G7"), SH("E7 E8 E9 G7"), {}, {}}, 2},
        {"nobody took a trick", {{}, {}, {}, {}}, 4},
    };
    const Ordnung o = trumpfOrdnung(kRamsch, 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::array<std::vector<karte>, 5> stiche{};
        for (size_t s = 0; s < c.stiche.size(); ++s) stiche[s + 1] = c.stiche[s];
        EXPECT_EQ(ramschVerlierer(o, stiche), c.verlierer);
    }
    Abrechnung a = grund(kRamsch, 0, {});
    a.stiche[2] = SH("EA GA HA SA");
    a.stiche[3] = SH("EZ GZ E7 E8");
    const TGameResult r = abrechnen(a);
    EXPECT_EQ((std::array<int, 4>{r.at(1), r.at(2), r.at(3), r.at(4)}), (std::array<int, 4>{2, -6, 2, 2}));
    EXPECT_EQ(r.text2, "Ramsch 44\r\rBert verliert beim Ramsch mit 44 Augen.");
}

TEST(SchafkopfNamen, GameNamesFollowTheType) {
    struct Case {
        int typ, farbe;
        bool tout;
        const char* name;
    };
    const Case cases[] = {{kRufspiel, 4, false, "Karo-Rufspiel"}, {kSolo, 3, true, "Herz-Solo-Tout"},
                          {kFarbwenz, 2, false, "Pik-Wenz"},      {kFarbgeier, 1, false, "Kreuz-Geier"},
                          {kWenz, 0, true, "Wenz-Tout"},          {kSie, 0, false, "Sie"},
                          {kBettel, 0, false, "Bettel"},          {kRamsch, 0, false, "Ramsch"}};
    for (const auto& c : cases) EXPECT_EQ(spielName(spiel(c.typ, c.farbe, c.tout)), c.name);
    EXPECT_EQ(spielTypName(42, false), "Fehler");
}
