#include "games/schafkopf_doppelkopf/doppelkopf_regeln.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "sd_karten.h"

using namespace doppelkopf;
using sdtest::DH;

namespace {

std::string dh(const std::vector<karte>& h) { return sdtest::namen(h, true); }

std::string farbFolge(const Ordnung& o, int f) {
    std::vector<karte> h;
    for (int t = k9; t <= kAs; ++t) {
        const karte k{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0};
        if (!istTrumpf(o, k)) h.push_back(k);
    }
    std::sort(h.begin(), h.end(), [&](const karte& a, const karte& b) { return rang(o, a) > rang(o, b); });
    return dh(h);
}

int trumpfKarten(const Ordnung& o) {
    const auto d = kartenSatz();
    return static_cast<int>(
        std::count_if(d.begin(), d.end(), [&](const karte& k) { return istTrumpf(o, k); }));
}

}  // namespace

TEST(DoppelkopfKarten, DeckHoldsEveryCardTwiceAnd240Points) {
    const auto d = kartenSatz();
    ASSERT_EQ(d.size(), 48u);
    std::map<int, int> n;
    for (const karte& k : d) n[k.t * 10 + k.f] += 1;
    EXPECT_EQ(n.size(), 24u);
    for (const auto& [karte, anzahl] : n) EXPECT_EQ(anzahl, 2) << karte;
    EXPECT_EQ(augenSumme(d), 240);
}

TEST(DoppelkopfTrumpf, EachSoloSetsItsTrumpsAndPlainOrders) {
    struct Case {
        int solo;
        const char* truempfe;
        int trumpfKarten;
        int farbe;
        const char* plain;
    };
    const Case cases[] = {
        {kNormal, "hZ cD sD hD dD cB sB hB dB dA dZ dK d9", 26, 1, "cA cZ cK c9"},
        {kNormal, "hZ cD sD hD dD cB sB hB dB dA dZ dK d9", 26, 3, "hA hK h9"},
        // a Herz solo keeps the Dulle on top and does not list the Herz-Zehn twice
        {3, "hZ cD sD hD dD cB sB hB dB hA hK h9", 24, 4, "dA dZ dK d9"},
        {1, "hZ cD sD hD dD cB sB hB dB cA cZ cK c9", 26, 3, "hA hK h9"},
        {kBubensolo, "cB sB hB dB", 8, 3, "hA hZ hK hD h9"},
        {kDamensolo, "cD sD hD dD", 8, 3, "hA hZ hK hB h9"},
        {kBubenDamen, "cD sD hD dD cB sB hB dB", 16, 1, "cA cZ cK c9"},
        {kFleischlos, "", 0, 2, "sA sZ sK sD sB s9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.solo);
        const Ordnung o = trumpfOrdnung(c.solo);
        EXPECT_EQ(dh(o.trumpfListe), c.truempfe);
        EXPECT_EQ(trumpfKarten(o), c.trumpfKarten);
        EXPECT_EQ(farbFolge(o, c.farbe), c.plain);
    }
}

TEST(DoppelkopfStich, DullenAndEqualCards) {
    struct Case {
        int solo;
        const char* stich;
        bool zweiteDulle;
        int sieger;
    };
    const Case cases[] = {
        {kNormal, "hZ hZ cD d9", false, 0},  // the first Dulle stays
        {kNormal, "hZ hZ cD d9", true, 1},   // the second Dulle beats the first
        {kNormal, "cD cD hZ d9", true, 2},
        {kNormal, "cA cA c9 cK", true, 0},     // an equal plain card never wins
        {kNormal, "cA c9 d9 cA", false, 2},    // the smallest trump beats the ace
        {kNormal, "hA hA hZ h9", false, 2},    // Herz led, the Dulle is a trump
        {kDamensolo, "hZ hZ hA h9", true, 2},  // no Dulle in a Damensolo: the ace wins
        {kFleischlos, "dB dD dK d9", false, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stich << " option " << c.zweiteDulle);
        const auto stich = DH(c.stich);
        EXPECT_EQ(stichSieger(trumpfOrdnung(c.solo), stich, c.zweiteDulle), c.sieger);
    }
    // the best card follows the same rule: with the option it is the second Dulle, tag and all
    auto zweiDullen = DH("hZ hZ cD d9");
    for (size_t i = 0; i < zweiDullen.size(); ++i) zweiDullen[i].nr = static_cast<uint16_t>(i + 1);
    EXPECT_EQ(stichBesteKarte(trumpfOrdnung(kNormal), zweiDullen, true).nr, 2);
    EXPECT_EQ(stichBesteKarte(trumpfOrdnung(kNormal), zweiDullen, false).nr, 1);
}

TEST(DoppelkopfSpielbar, FollowTrumpOrSuit) {
    const Ordnung o = trumpfOrdnung(kNormal);
    struct Case {
        const char* hand;
        const char* stich;
        const char* spielbar;
    };
    const Case cases[] = {
        {"cA hZ d9", "", "cA hZ d9"},   {"cA hZ d9 hA", "h9", "hA"},  // the Dulle does not follow Herz
        {"cA hZ d9 hA", "dA", "hZ d9"},                               // trump led: every trump
        {"cA cK sA", "hA", "cA cK sA"},                               // cannot follow: anything
        {"cD cA c9", "cK", "cA c9"},  // the Kreuz-Dame is a trump, not a Kreuz
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.hand) + " / " + c.stich);
        EXPECT_EQ(dh(spielbareKarten(o, DH(c.hand), DH(c.stich))), c.spielbar);
    }
}

TEST(DoppelkopfAnsage, DeadlinesFollowTheCardsInHand) {
    struct Case {
        int naechste, karten;
        bool hochzeitOffen;
        int partnerKarten;
        bool erlaubt;
    };
    const Case cases[] = {
        {1, 12, false, 0, true},
        {1, 11, false, 0, true},
        {1, 10, false, 0, false},
        {2, 10, false, 0, true},
        {2, 9, false, 0, false},
        {3, 9, false, 0, true},
        {5, 7, false, 0, true},
        {5, 6, false, 0, false},
        {0, 12, false, 0, false},
        {1, 12, true, 0, false},  // nobody announces while the Hochzeit seeks its partner
        // a Hochzeit clarified in trick 1 (partner held 11) moves every deadline by one card
        {1, 10, false, 11, true},
        {1, 9, false, 11, false},
        // clarified in trick 3 (partner held 9): by three cards
        {1, 8, false, 9, true},
        {1, 7, false, 9, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.naechste << "/" << c.karten << "/" << c.partnerKarten);
        EXPECT_EQ(ansageErlaubt(c.naechste, c.karten, c.hochzeitOffen, c.partnerKarten), c.erlaubt);
    }
    // with "Re / Kontra" switched off the first announcement is "Keine 90", due one card later
    const std::array<bool, 5> ohneRe{false, true, true, true, true};
    EXPECT_EQ(naechsteAnsage(0, ohneRe), 2);
    EXPECT_TRUE(ansageErlaubt(naechsteAnsage(0, ohneRe), 10, false, 0));
    EXPECT_EQ(naechsteAnsage(2, {true, true, false, false, true}), 5);
    EXPECT_EQ(naechsteAnsage(5, {true, true, true, true, true}), 0);
    EXPECT_EQ(ansageText(true, 1), "Kontra");
    EXPECT_EQ(ansageText(false, 1), "Re");
    EXPECT_EQ(ansageText(false, 3), "Keine 60");
    EXPECT_EQ(ansageText(false, 6), "");
}

TEST(DoppelkopfAnsage, TargetsOfBothSides) {
    struct Case {
        int re, kontra, reZiel, kontraZiel;
    };
    const Case cases[] = {{0, 0, 121, 120}, {1, 0, 121, 120}, {0, 1, 120, 121}, {1, 1, 121, 121},
                          {2, 0, 151, 90},  {0, 2, 90, 151},  {2, 1, 151, 121}, {5, 0, 240, 1}};
    for (const auto& c : cases) {
        int r = 0, k = 0;
        ziele(c.re, c.kontra, r, k);
        EXPECT_EQ(r, c.reZiel) << c.re << "/" << c.kontra;
        EXPECT_EQ(k, c.kontraZiel) << c.re << "/" << c.kontra;
    }
}

// ---------------------------------------------------------------------------------------------
// Settlement

namespace {

Abrechnung normal(int reAugen, int reStufe, int kontraStufe) {
    Abrechnung a;
    a.re = {false, true, true, false, false};  // seats 1 and 2 hold the Kreuz-Damen
    a.reAugen = reAugen;
    a.kontraAugen = 240 - reAugen;
    a.reStufe = reStufe;
    a.kontraStufe = kontraStufe;
    a.namen = {"", "Anna", "Bert", "Carl", "Dora"};
    return a;
}

Abrechnung solo(int solist, int typ, int soloAugen) {
    Abrechnung a = normal(soloAugen, 0, 0);
    a.re = {};
    a.re[static_cast<size_t>(solist)] = true;
    a.solist = solist;
    a.soloTyp = typ;
    return a;
}

}  // namespace

TEST(DoppelkopfAbrechnung, ValuesAmountsAndZeroSum) {
    struct Case {
        const char* name;
        Abrechnung a;
        std::array<int, 4> betrag;
        const char* summary;
    };
    Abrechnung fuchs = normal(121, 0, 0);
    fuchs.sonder[1].fuchsOpfer[0] = 3;
    Abrechnung fuchsPartner = normal(121, 0, 0);
    fuchsPartner.sonder[1].fuchsOpfer[0] = 2;  // the partner's Fuchs is no catch
    Abrechnung doko = normal(121, 0, 0);
    doko.sonder[2].doppelkopf = 2;
    Abrechnung verlierer = normal(121, 0, 0);
    verlierer.sonder[3].doppelkopf = 1;
    verlierer.sonder[4].karlchen = true;
    // a draw: Re made a Karlchen, Kontra a Doppelkopf and a Fuchs: the net goes to Kontra
    Abrechnung remis = normal(120, 1, 1);
    remis.sonder[1].karlchen = true;
    remis.sonder[3].doppelkopf = 1;
    remis.sonder[4].fuchsOpfer[1] = 2;
    Abrechnung soloSonder = solo(2, 3, 121);
    soloSonder.sonder[2].doppelkopf = 1;  // no special points in a solo
    const std::vector<Case> cases = {
        {"Re 121", normal(121, 0, 0), {1, 1, -1, -1}, "Gewonnen 1"},
        {"120:120 goes to Kontra", normal(120, 0, 0), {-2, -2, 2, 2}, "Gewonnen 1 - Gegen die Alten 2"},
        {"Re said, 121", normal(121, 1, 0), {3, 3, -3, -3}, "Gewonnen 1 - Re gesagt 3"},
        {"Kontra said, Re wins with 120", normal(120, 0, 1), {3, 3, -3, -3}, "Gewonnen 1 - Kontra gesagt 3"},
        {"both said, 120:120 draw", normal(120, 1, 1), {0, 0, 0, 0}, "Unentschieden 0"},
        {"Re + keine 90 with 151",
         normal(151, 2, 0),
         {5, 5, -5, -5},
         "Gewonnen 1 - Keine 90 gespielt 2 - Re gesagt 4 - Keine 90 gesagt 5"},
        {"Re keine 90 fails at 150",
         normal(150, 2, 0),
         {-5, -5, 5, 5},
         "Gewonnen 1 - Gegen die Alten 2 - Re gesagt 4 - Keine 90 gesagt 5"},
        {"Kontra + keine 60 with 181",
         normal(59, 0, 3),
         {-8, -8, 8, 8},
         "Gewonnen 1 - Gegen die Alten 2 - Keine 60 gespielt 4 - Kontra gesagt 6 - Keine 60 gesagt 8"},
        {"Schwarz", normal(240, 0, 0), {5, 5, -5, -5}, "Gewonnen 1 - Schwarz gespielt 5"},
        {"solo lost", solo(1, 3, 89), {-6, 2, 2, 2}, "Herzsolo verloren - Keine 90 gespielt 2"},
        {"solo won worth 3",
         solo(4, kBubensolo, 181),
         {-3, -3, -3, 9},
         "Bubensolo gewonnen - Keine 60 gespielt 3"},
        {"solo ignores special points", soloSonder, {-1, 3, -1, -1}, "Herzsolo gewonnen"},
        {"Fuchs", fuchs, {2, 2, -2, -2}, "Gewonnen 1 - Fuchs 2"},
        {"partner's Fuchs", fuchsPartner, {1, 1, -1, -1}, "Gewonnen 1"},
        {"Doppelkopf twice", doko, {3, 3, -3, -3}, "Gewonnen 1 - Doppelkopf 2x 3"},
        {"losers' special points",
         verlierer,
         {-1, -1, 1, 1},
         "Gewonnen 1 - Doppelkopf (-) 0 - Karlchen (-) -1"},
        {"draw pays the net special points",
         remis,
         {-1, -1, 1, 1},
         "Unentschieden 0 - Karlchen 1 - Doppelkopf (-) 0 - Fuchs (-) -1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TGameResult r = abrechnen(c.a);
        EXPECT_EQ((std::array<int, 4>{r.at(1), r.at(2), r.at(3), r.at(4)}), c.betrag);
        EXPECT_EQ(r.text1, c.summary);
        EXPECT_EQ(r.at(1) + r.at(2) + r.at(3) + r.at(4), 0);
    }
}

TEST(DoppelkopfAbrechnung, ResultLines) {
    EXPECT_EQ(abrechnen(normal(130, 0, 0)).text2, "Gewonnen 1\r\rAnna und Bert gewinnen mit 130 Augen.");
    EXPECT_EQ(abrechnen(solo(2, 7, 100)).text2,
              "Fleischloses Solo verloren\r\rAnna, Carl und Dora gewinnen mit 140 Augen.");
    EXPECT_EQ(abrechnen(solo(2, 7, 130)).text2, "Fleischloses Solo gewonnen\r\rBert gewinnt mit 130 Augen.");
    EXPECT_EQ(abrechnen(normal(120, 1, 1)).text2,
              "Unentschieden 0\r\rKeiner gewinnt das Spiel, weil beide Absagen nicht erreicht wurden. \r"
              "Die Re - Partei hat 120 Augen.\rDie Kontra - Partei hat 120 Augen.");
}

TEST(DoppelkopfText, PercentWithDecimalsAndSign) {
    struct Case {
        int n, total, stellen;
        const char* text;
    };
    const Case cases[] = {{1, 3, 2, "33.33%"},   {2, 3, 1, "66.6%"},    {5, 0, 1, "0.0%"},
                          {1, 3, 0, "33.0%"},    {1, 8, 3, "12.500%"},  {1, 3000, 2, "0.03%"},
                          {-1, 3, 2, "-33.33%"}, {-1, 200, 1, "-0.5%"}, {3, 3, 1, "100.0%"},
                          {-5, -2, 1, "0.0%"}};
    for (const auto& c : cases)
        EXPECT_EQ(prozentText(c.n, c.total, c.stellen), c.text) << c.n << "/" << c.total;
}

TEST(DoppelkopfText, SoloNames) {
    EXPECT_EQ(soloName(1), "Kreuzsolo");
    EXPECT_EQ(soloName(kBubensolo), "Bubensolo");
    EXPECT_EQ(soloName(kDamensolo), "Damensolo");
    EXPECT_EQ(soloName(kBubenDamen), "Buben-Damensolo");
    EXPECT_EQ(soloName(kFleischlos), "Fleischloses Solo");
    EXPECT_EQ(soloWort(kBubenDamen, true), "Bu.-Damen");
}
