#include "core/gtool.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/central.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "core/seams.h"
#include "core/skat_1.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "gui/pvl.h"
#include "gui/pvlhost.h"
#include "hand_fixture.h"
#include "platform/msgsink.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "platform/ticks.h"

namespace {

using hand_test::H;
using hand_test::S;

class GTool : public testing::Test {
protected:
    void SetUp() override {
        // Skat order: 7 < 8 < 9 < Dame < König < 10 < As < Bube, suits equal except for the Buben.
        const int rang[9] = {0, 1, 2, 3, 20, 5, 6, 7, 8};
        for (int f = 1; f <= 4; ++f)
            for (int t = 1; t <= 14; ++t) {
                Kartenwerte[f - 1][t - 1] = t <= 8 ? rang[t] + (t == 4 ? 5 - f : 0) : t;
                Kartenwerte0[f - 1][t - 1] = -Kartenwerte[f - 1][t - 1];
            }
        cg.spielId = spiele::kSkat;
    }
    void TearDown() override {
        cg.spielId = 0;
        gtool::umgebung = gtool::Umgebung{};
        envParam = TEnvParam{};
    }
    msgsink::Capture msgs;
};

TEST_F(GTool, ComparisonIsStrictAndRefusesCodesOutsideTheTable) {
    const karte herz7 = skat_1::karteBilden(1, 3), pik7 = skat_1::karteBilden(1, 2);
    EXPECT_FALSE(mehrwertn(herz7, pik7));
    EXPECT_FALSE(mehrwertn(pik7, herz7));
    EXPECT_TRUE(mehrwertn(skat_1::karteBilden(8, 1), herz7));
    EXPECT_TRUE(mehrwertn0(herz7, skat_1::karteBilden(8, 1)));
    EXPECT_TRUE(msgs.texts().empty());

    struct Case {
        karte a;
        karte b;
        const char* routine;
    };
    const Case cases[] = {{{0, 1, 0}, {1, 1, 0}, "gtool.mehrwertn"},
                          {{1, 1, 0}, {1, 0, 0}, "gtool.mehrwertn"},
                          {{15, 1, 0}, {1, 1, 0}, "gtool.mehrwertn"},
                          {{1, 5, 0}, {1, 1, 0}, "gtool.mehrwertn0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.routine);
        msgsink::clear();
        const bool r =
            std::string(c.routine) == "gtool.mehrwertn" ? mehrwertn(c.a, c.b) : mehrwertn0(c.a, c.b);
        EXPECT_FALSE(r);
        ASSERT_EQ(msgs.texts().size(), 1u);
        EXPECT_EQ(msgs.texts()[0], std::string("ACHTUNG! ") + c.routine +
                                       ": Bereichsfehler beim vergleichen von Kartenwerten");
    }
}

TEST_F(GTool, PriorityValueOutsideTheTableIsZero) {
    EXPECT_EQ(prlwert(skat_1::karteBilden(8, 2)), 8);
    EXPECT_TRUE(msgs.texts().empty());
    EXPECT_EQ(prlwert(skat_1::karteBilden(3, 5)), 0);
    ASSERT_EQ(msgs.texts().size(), 1u);
    EXPECT_EQ(msgs.texts()[0],
              text::w("ACHTUNG! gtool.prlwert: Bereichsfehler beim Lesen des Prioritätswerts von f,t: 5,3"));
}

TEST_F(GTool, BubbleSortsByTheValueTable) {
    struct Case {
        int first;
        int count;
        bool flag;
        std::string sortiert;
    };
    const Case cases[] = {
        {1, 0, false, "4/2 8/3 7/1 6/4 1/1"},  // whole hand, strongest first
        {1, 0, true, "1/1 6/4 7/1 8/3 4/2"},   // weakest first
        {2, 3, false, "1/1 4/2 8/3 7/1 6/4"},  // only positions 2..4
        {3, 2, false, "1/1 7/1 4/2 8/3 6/4"},  // only positions 3..4
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << "," << c.count << "," << c.flag);
        hand h = H({{1, 1}, {7, 1}, {8, 3}, {4, 2}, {6, 4}});
        gtool::handSortieren(h, c.first, c.count, c.flag);
        EXPECT_EQ(S(h), c.sortiert);
    }
    hand eine = H({{8, 3}});
    eine.at(1).nr = 9;
    gtool::handSortieren(eine, 1, 0, false);
    EXPECT_EQ(eine.at(1).nr, 9);
    hand64 h64{};
    for (auto [t, f] : {std::pair{1, 1}, {8, 1}, {4, 4}}) handaddk64(h64, skat_1::karteBilden(t, f));
    gtool::hand64Sortieren(h64, 1, 0, false);
    EXPECT_EQ(h64.at(1).t, 4);
    EXPECT_EQ(h64.at(3).t, 1);
    hand n = H({{1, 1}, {8, 1}});
    gtool::handSortieren0(n, 1, 0, false);  // the second order is the reverse here
    EXPECT_EQ(S(n), "1/1 8/1");
}

TEST_F(GTool, LowAceGoesBehindTheFive) {
    cg.spielId = spiele::kPoker;
    auto h64 = [](std::initializer_list<int> ts) {
        hand64 h{};
        for (int t : ts) handaddk64(h, skat_1::karteBilden(t, 1));
        return h;
    };
    auto werte = [](const hand64& h) {
        std::string s;
        for (int i = 1; i <= h.anz; ++i) s += std::to_string(h.at(i).t) + " ";
        return s;
    };
    struct Case {
        std::initializer_list<int> vorher;
        std::string nachher;
    };
    const Case cases[] = {
        {{8, 9, 10, 11, 12}, "9 10 11 12 8 "},
        {{8, 8, 9, 10, 11, 12}, "9 10 11 12 8 8 "},
        {{8, 9, 10, 11, 13}, "8 9 10 11 13 "},  // no 5: the As stays high
        {{9, 8, 10, 11, 12}, "9 8 10 11 12 "},
    };
    for (const auto& c : cases) {
        hand64 h = h64(c.vorher);
        gtool::assNachHinten(h);
        EXPECT_EQ(werte(h), c.nachher);
    }
    hand64 leer{};
    gtool::assNachHinten(leer);
    EXPECT_EQ(leer.anz, 0);
    cg.spielId = spiele::kSkat;  // other games leave the hand alone
    hand64 h = h64({8, 9, 10, 11, 12});
    gtool::assNachHinten(h);
    EXPECT_EQ(werte(h), "8 9 10 11 12 ");
}

TEST_F(GTool, SentenceFileNames) {
    struct Case {
        const char* text;
        const char* name;
    };
    const Case cases[] = {
        {"Grüß dich!", "Grueß_dich!"},      {"Na, wie geht's?", "Na_wie_geht's_"},
        {"Café Ölmühle", "Cafe_oelmuehle"},  // capitals become lower-case pairs too
        {"Äh - 100%.", "aeh__100_"},        {"../x\\y:z/w", "___x_y_z_w"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string n;
        gtool::dateiNameAusText(text::w(c.text), n);
        EXPECT_EQ(n, text::w(c.name));
    }
    envParam.stimmen[3] = 5;
    envParam.stimmen[4] = 9;
    struct Pfad {
        int seat;
        const char* path;
    };
    const Pfad pfade[] = {{3, "data/sound/5/Hallo.wav"},
                          {4, "data/sound/4/Hallo.wav"},
                          {0, "data/sound/4/Hallo.wav"},
                          {1, "data/sound/4/Hallo.wav"}};
    for (const auto& p : pfade) {
        std::string path;
        gtool::sprachDatei("Hallo", p.seat, path);
        EXPECT_EQ(path, p.path);
    }
}

TEST_F(GTool, CardNamesInEachDeckStyle) {
    auto& u = gtool::umgebung;
    u.wertNamen[0][4] = "Bube";
    u.wertNamen[0][7] = "10";
    u.wertNamen[1][4] = "Unter";
    u.wertNamen[1][7] = "Zehn";
    u.wertNamen[3][7] = "Zehner";
    u.farbNamen[0][1] = "Kreuz";
    u.farbNamen[1][1] = "Eichel";
    u.farbNamen[2][1] = "Treff";
    struct Case {
        int stil;
        int t;
        std::string name;
        std::string kuerzel;
        std::string stilKuerzel;
    };
    const Case cases[] = {
        {1, 4, "Bube Kreuz", "B\x98", "\x98 B"},    {2, 4, "Unter Eichel", "B\x98", "\x9C U"},
        {2, 7, "Zehn Eichel", "1\x98", "\x9C Ze"},  {3, 7, " Treff", "1\x98", "\x98 "},
        {4, 7, "Zehner Treff", "1\x98", "\x98 Ze"},  // styles past the suit table use its last style
        {9, 7, " Treff", "1\x98", "\x98 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stil << "/" << c.t);
        envParam.Kartenstil = c.stil;
        std::string s;
        gtool::kartenName(skat_1::karteBilden(c.t, 1), s);
        EXPECT_EQ(s, c.name);
        gtool::kartenKuerzel(skat_1::karteBilden(c.t, 1), s);
        EXPECT_EQ(s, c.kuerzel);
        gtool::kartenKuerzelKurz(kurzkarte{static_cast<uint8_t>(c.t), 1}, s);
        EXPECT_EQ(s, c.kuerzel);
        gtool::kartenKuerzelStil(skat_1::karteBilden(c.t, 1), s);
        EXPECT_EQ(s, c.stilKuerzel);
    }
    envParam.Kartenstil = 1;
    std::string s = "alt";
    gtool::wertName(21, s);  // outside the table: empty, never past it
    EXPECT_EQ(s, "");
    gtool::kartenName(karte{200, 200, 0}, s);
    EXPECT_EQ(s, " ");
}

TEST_F(GTool, SmallCardHelpers) {
    struct Case {
        kurzkarte k;
        bool gueltig;
    };
    const Case cases[] = {{{1, 1}, true},   {{15, 4}, true}, {{0, 1}, false},
                          {{16, 1}, false}, {{3, 0}, false}, {{3, 5}, false}};
    for (const auto& c : cases) EXPECT_EQ(gtool::karteGueltig(c.k), c.gueltig);
    const karte k = gtool::karteErweitern(kurzkarte{7, 3});
    EXPECT_EQ(k.t, 7);
    EXPECT_EQ(k.f, 3);
    EXPECT_EQ(k.nr, 0);
    EXPECT_TRUE(gtool::sonderDialog(98));
    EXPECT_TRUE(gtool::sonderDialog(106));
    EXPECT_FALSE(gtool::sonderDialog(97));
    EXPECT_EQ(kiLog("egal"), 0);
}

// The shape of the table engine's stack that the stack helpers rely on: 166 slots, each with its
// card, its deal number and a placement that must stay with the slot.
struct Slot {
    karte c;
    float x;
    int32_t dealNr;
};
struct Stapel {
    Slot k[166];
    int32_t anz;
    Slot& at(int i) { return k[i - 1]; }
    const Slot& at(int i) const { return k[i - 1]; }
};

class GToolStapel : public GTool {
protected:
    std::unique_ptr<Stapel> stapel = std::make_unique<Stapel>();
    void legen(std::initializer_list<std::pair<int, int>> ks) {
        *stapel = Stapel{};
        for (auto [t, f] : ks) {
            ++stapel->anz;
            auto& s = stapel->at(stapel->anz);
            s.c = skat_1::karteBilden(t, f);
            s.dealNr = 550 + stapel->anz;
            s.x = static_cast<float>(stapel->anz);  // the placement, which must stay with its slot
        }
    }
    std::string karten() const {
        std::string s;
        for (int i = 1; i <= stapel->anz; ++i)
            s += std::to_string(stapel->at(i).c.t) + "/" + std::to_string(stapel->at(i).c.f) + "#" +
                 std::to_string(stapel->at(i).dealNr) + " ";
        return s;
    }
};

TEST_F(GToolStapel, Deck32FillsValueBySuitForEachDeck) {
    EXPECT_EQ(gtool::deck32Fuellen(*stapel, 2), 64);
    const int erwartet[][2] = {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 1}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(stapel->at(i + 1).c.t, erwartet[i][0]);
        EXPECT_EQ(stapel->at(i + 1).c.f, erwartet[i][1]);
        EXPECT_EQ(stapel->at(i + 33).c.t, erwartet[i][0]);
        EXPECT_EQ(stapel->at(i + 33).c.f, erwartet[i][1]);
    }
    EXPECT_EQ(stapel->at(32).c.t, 8);
    EXPECT_EQ(stapel->at(32).c.f, 4);
    EXPECT_EQ(stapel->anz, 0);  // the caller sets the count
    EXPECT_TRUE(msgs.texts().empty());
}

TEST_F(GToolStapel, DeckFillRefusesMoreThanTheTalonHolds) {
    struct Case {
        int decks;
        bool zweiundfuenfzig;
        int karten;
        bool meldung;
    };
    const Case cases[] = {{0, true, 0, false},   {-3, false, 0, false}, {1, true, 52, false},
                          {3, true, 156, false}, {4, true, 0, true},    {5, false, 160, false},
                          {6, false, 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.decks << (c.zweiundfuenfzig ? " x 52" : " x 32"));
        msgsink::clear();
        *stapel = Stapel{};
        const int n = c.zweiundfuenfzig ? gtool::deck52Fuellen(*stapel, c.decks)
                                        : gtool::deck32Fuellen(*stapel, c.decks);
        EXPECT_EQ(n, c.karten);
        EXPECT_EQ(msgs.texts().size(), c.meldung ? 1u : 0u);
        if (c.meldung) {
            EXPECT_EQ(stapel->at(1).c.t, 0);  // nothing written
        }
    }
}

TEST_F(GToolStapel, SlotInsertOnTopOrBottomAndRefusedWhenFull) {
    legen({{1, 1}, {2, 2}});
    Slot neu{};
    neu.c = skat_1::karteBilden(8, 4);
    neu.dealNr = 7;
    EXPECT_TRUE(gtool::slotEinfuegen(*stapel, neu, true));
    EXPECT_EQ(karten(), "8/4#7 1/1#551 2/2#552 ");
    EXPECT_EQ(stapel->at(1).x, 1.0f);  // placements stay where they are
    EXPECT_TRUE(gtool::slotEinfuegen(*stapel, neu, false));
    EXPECT_EQ(karten(), "8/4#7 1/1#551 2/2#552 8/4#7 ");

    stapel->anz = 166;
    EXPECT_FALSE(gtool::slotEinfuegen(*stapel, neu, true));
    EXPECT_EQ(stapel->anz, 166);
    EXPECT_EQ(stapel->at(1).c.t, 8);
    EXPECT_EQ(stapel->at(2).c.t, 1);
    EXPECT_TRUE(msgs.contains("gtool.slotEinfuegen"));
}

TEST_F(GToolStapel, SlotSearchAndInsertPosition) {
    legen({{8, 1}, {7, 2}, {1, 3}});
    Slot such{};
    such.c = skat_1::karteBilden(7, 2);
    such.dealNr = 552;
    EXPECT_EQ(gtool::slotSuchen(such, *stapel), 2);
    such.dealNr = 1;  // same card, another deal number: not this slot
    EXPECT_EQ(gtool::slotSuchen(such, *stapel), 3);
    EXPECT_EQ(gtool::einfuegePosition(*stapel, skat_1::karteBilden(6, 4)), 3);
    EXPECT_EQ(gtool::einfuegePosition(*stapel, skat_1::karteBilden(4, 1)), 1);
    EXPECT_EQ(gtool::einfuegePosition(*stapel, skat_1::karteBilden(1, 1)), 4);
}

TEST_F(GToolStapel, StackSortMovesCardsButNotPlacements) {
    legen({{1, 1}, {8, 2}, {4, 3}});
    gtool::stapelSortieren(*stapel, 1, 0, false);
    EXPECT_EQ(karten(), "4/3#553 8/2#552 1/1#551 ");
    EXPECT_EQ(stapel->at(1).x, 1.0f);
    EXPECT_EQ(stapel->at(3).x, 3.0f);
    EXPECT_TRUE(mehrwert(stapel->at(1), stapel->at(2)));
    gtool::stapelSortieren(*stapel, 1, 0, true);
    EXPECT_EQ(karten(), "1/1#551 8/2#552 4/3#553 ");
}

}  // namespace

namespace {

struct Probe {
    std::string datei, text;
    int seat;
};
std::vector<Probe> g_queue;
int g_belegt = 0;
std::string g_satz;
bool g_entwickler = false;
std::string g_blase;

class Sagen : public GTool {
protected:
    void SetUp() override {
        GTool::SetUp();
        g_queue.clear();
        g_belegt = 0;
        g_satz.clear();
        g_entwickler = false;
        g_blase.clear();
        seams::ton.sprachQueue = [](int) { return g_belegt; };
        seams::ton.sprachEinreihen = [](const std::string& d, const std::string& t, int s) {
            g_queue.push_back({d, t, s});
        };
        seams::ton.satzHolen = [](int stimme, int code) {
            return stimme == 5 && code == 15 ? g_satz : std::string();
        };
        gtool::blasen.zeigen = [](int seat, const std::string& c, int16_t& d, int16_t& e) {
            g_blase = c;
            d = 40;
            e = static_cast<int16_t>(100 + seat);
            return true;
        };
        gtool::blasen.entwicklerAnzeige = [] { return g_entwickler; };
        envParam.stimmen[3] = 5;
        gtool::umgebung.blasenZeit = 2500;
        cg.sprechblasen = TSprechblasen{};
    }
    void TearDown() override {
        seams::ton = {};
        seams::spiele = {};
        gtool::blasen = {};
        cg.sprechblasen = TSprechblasen{};
        cg.phase.schritt = 0;
        GTool::TearDown();
    }
    std::string dateien() const {
        std::string s;
        for (const auto& p : g_queue) s += p.datei.substr(13) + "|" + p.text + " ";  // drop "data/sound/5/"
        return s;
    }
};

TEST_F(Sagen, SamplesByCode) {
    struct Case {
        int code;
        const char* text;
        const char* satz;
        const char* samples;
        const char* blase;
    };
    const Case cases[] = {
        {0, "Hallo du", "", "", "?Hallo du"},
        {1, "Hallo du", "", "Hallo_du.wav| ", "?Hallo du"},
        {2, "Hallo du", "", "", "?Hallo du"},
        {4, "Achtzehn zwanzig", "", "Achtzehn.wav| zwanzig.wav| ", "?Achtzehn zwanzig"},
        {100, "Farbsolo", "", "Farb_.wav| _solo.wav| ", "?Farbsolo"},
        {100, "Ramsch", "", "", "?Ramsch"},
        {101, "Eichel-Wenz", "", "Eichel_.wav| _Wenz.wav| ", "?Eichel-Wenz"},
        {101, "Re", "", "Re.wav| ", "?Re"},
        {15, "Anna", "% gewinnt.", "Anna.wav| _gewinnt_.wav| ", "?Anna gewinnt."},
        {15, "Anna", "Weiter, %!", "Weiter_!.wav| Anna.wav| ", "?Weiter, Anna!"},
        {15, "Karo", "%?", "Karo_.wav| ", "?Karo?"},
        {15, "egal", "Gut gemacht", "Gut_gemacht.wav| ", "?Gut gemacht"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " " << c.text);
        g_queue.clear();
        g_satz = c.satz;
        gtool::sagen(c.text, 3, c.code, false);
        EXPECT_EQ(dateien(), c.samples);
        EXPECT_EQ(g_blase, c.blase);
    }
}

TEST_F(Sagen, BubbleFillsTheSeatsSlot) {
    ticks::Manual uhr(5000);
    gtool::sagen("Hallo", 3, 0, false);
    EXPECT_EQ(cg.sprechblasen.zaehler, 1);
    EXPECT_EQ(cg.sprechblasen.zustand[3], 3);
    const TBlasenSlot slot = cg.sprechblasen.slot[3];
    EXPECT_EQ(slot.start, 5000u);
    EXPECT_EQ(slot.dauer, 2500u);
    EXPECT_EQ(slot.dialog, 40);
    EXPECT_EQ(slot.element, 103);
    gtool::sagen("Hallo", 10, 0, true);  // with flag the slot keeps no element
    EXPECT_EQ(cg.sprechblasen.zaehler, 2);
    EXPECT_EQ(cg.sprechblasen.slot[10].element, 0);
    gtool::sagen("Hallo", 11, 0, false);  // no such slot
    gtool::sagen("Hallo", -1, 0, false);
    EXPECT_EQ(cg.sprechblasen.zaehler, 2);
}

TEST_F(Sagen, BusySpeechCarriesTheTextAndShowsNoBubble) {
    g_belegt = 3;
    g_satz = "% gewinnt.";
    gtool::sagen("Anna", 3, 15, false);
    EXPECT_EQ(dateien(), "Anna.wav|Anna gewinnt. _gewinnt_.wav| ");
    EXPECT_EQ(g_blase, "");
    EXPECT_EQ(cg.sprechblasen.zaehler, 0);
    g_queue.clear();
    gtool::sagen("Hallo du", 3, 1, false);
    EXPECT_EQ(dateien(), "Hallo_du.wav|Hallo du ");
}

TEST_F(Sagen, BubbleTimeRules) {
    struct Case {
        int spiel;
        int schritt;
        const char* text;
        bool poker;
        uint32_t dauer;
    };
    const Case cases[] = {
        {spiele::kSchnapsen, 77, "Ich tausche", false, 0},
        {spiele::kSchnapsen, 76, "Ich tausche", false, 2500},
        {spiele::kSchnapsen, 77, "Zugedreht", false, 2500},
        {spiele::kPoker, 0, "Call", true, 893},  // 2500 / 2.8 = 892.86
        {spiele::kPoker, 0, "Call", false, 2500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        cg.spielId = static_cast<uint8_t>(c.spiel);
        cg.phase.schritt = c.schritt;
        seams::spiele.pokerSpeedUpActive = c.poker ? +[] { return true; } : nullptr;
        seams::spiele.pokerSpeedFactor = [] { return 2.8f; };
        gtool::sagen(c.text, 2, 0, false);
        EXPECT_EQ(cg.sprechblasen.slot[2].dauer, c.dauer);
    }
    g_entwickler = true;
    g_blase.clear();
    gtool::sagen("Hallo", 2, 0, false);
    EXPECT_EQ(g_blase, "");
}

TEST_F(GTool, OpponentsComeFromTheNameTableWithFittingVoices) {
    auto& u = gtool::umgebung;
    for (int i = 0; i < gtool::kGegnerNamen; ++i)
        u.gegnerNamen[i] = (i < 30 ? "Frau" : "Herr") + std::to_string(i);
    struct Case {
        int spiel;
        int seat;
        int stimme1;
        int lo;
        int hi;
    };
    const Case cases[] = {
        {spiele::kSkat, 2, 0, 1, 6}, {spiele::kSchnapsen, 2, 1, 1, 5}, {spiele::kSchnapsen, 2, 5, 1, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spiel << " seat 1 voice " << c.stimme1);
        cg.spielId = static_cast<uint8_t>(c.spiel);
        cg.spieler.at(1).stimme = static_cast<uint8_t>(c.stimme1);
        bool frau = false, herr = false;
        for (int s = 0; s < 300; ++s) {
            rnd::seed(static_cast<uint64_t>(s));
            TSpielerEintrag e{};
            e.name = "alt";
            gtool::gegnerName(c.seat, e);
            const std::string n = e.name.str();
            const bool weiblich = n.rfind("Frau", 0) == 0;
            frau |= weiblich;
            herr |= !weiblich;
            EXPECT_EQ(e.weiblich, weiblich ? 1 : 0) << n;
            EXPECT_GE(e.stimme, weiblich ? c.lo : 4) << n;
            EXPECT_LE(e.stimme, weiblich ? 3 : c.hi) << n;
            if (c.spiel == spiele::kSchnapsen) {
                EXPECT_NE(e.stimme, c.stimme1);
                EXPECT_NE(e.stimme, weiblich ? 3 : 6);
            }
        }
        EXPECT_TRUE(frau && herr);
    }
    cg.spieler.at(1).stimme = 0;
}

}  // namespace

namespace {

int g_schild = 0;

TEST_F(GTool, SeatHelpersAskTheTable) {
    static_assert(sizeof(int32_t) == 4);
    const int32_t zwei = 2;
    std::memcpy(reinterpret_cast<uint8_t*>(&cg) + 141780, &zwei, sizeof(zwei));
    EXPECT_EQ(gtool::deckAnzahl(), 2);
    const int32_t null = 0;
    std::memcpy(reinterpret_cast<uint8_t*>(&cg) + 141780, &null, sizeof(null));

    EXPECT_EQ(gtool::sitzFaktor(3), 1.0f);
    gtool::sitze.faktor = [](int seat) { return seat == 3 ? 0.25f : 0.0f; };
    EXPECT_EQ(gtool::sitzFaktor(3), 0.25f);
    EXPECT_EQ(gtool::sitzFaktor(4), 0.0f);
    EXPECT_EQ(gtool::sitzFaktor(0), 1.0f);
    EXPECT_EQ(gtool::sitzFaktor(7), 1.0f);

    gtool::sitze.faktor = nullptr;  // every panel fully shown
    gtool::sitze.namensschild = [](int seat) { g_schild = seat; };
    cg.ablauf.anzSpieler = 3;
    struct Case {
        int spiel;
        int seat;
        int gezeichnet;
    };
    const Case cases[] = {{spiele::kSkat, 2, 2},
                          {spiele::kSkat, 3, 3},
                          {spiele::kSkat, 1, 0},
                          {spiele::kSkat, 4, 0},
                          {spiele::kPoker, 2, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spiel << "/" << c.seat);
        g_schild = 0;
        cg.spielId = static_cast<uint8_t>(c.spiel);
        gtool::sitzNameZeigen(c.seat);
        EXPECT_EQ(g_schild, c.gezeichnet);
    }
    gtool::sitze = {};
    cg.ablauf.anzSpieler = 0;
}

// ---- what the table answers ----

// Twenty stacks as plain hands; a slot's deal number is stack x 1000 + slot.
hand g_stapel[21];
int g_zurueck = -1;

class GToolTisch : public GTool {
protected:
    void SetUp() override {
        GTool::SetUp();
        for (hand& h : g_stapel) h = hand{};
        g_zurueck = -1;
        central::dienste = central::Dienste{};
        central::dienste.slotKopie = [](int st, int slot, karte& c, int32_t& deal) {
            if (st < 1 || st > 20 || slot < 1 || slot > 166) return false;
            c = g_stapel[st].at(slot);
            deal = 1000 * st + slot;
            return true;
        };
        central::dienste.stapelSpiegeln = [](int st) {
            return st >= 1 && st <= 20 ? &g_stapel[st] : nullptr;
        };
        central::dienste.spiegelZurueck = [](int st) { g_zurueck = st; };
    }
    void TearDown() override {
        central::dienste = central::Dienste{};
        GTool::TearDown();
    }
    static void deck(int st, int n) {
        g_stapel[st].anz = static_cast<int16_t>(n);
        for (int i = 1; i <= n; ++i)
            g_stapel[st].at(i) = karte{uint8_t(1 + (i - 1) % 8), uint8_t(1 + (i - 1) / 8), 0};
    }
    static std::vector<int> reihe(int st) {
        std::vector<int> r;
        for (int i = 1; i <= g_stapel[st].anz; ++i)
            r.push_back(g_stapel[st].at(i).t * 10 + g_stapel[st].at(i).f);
        return r;
    }
};

TEST_F(GToolTisch, OpenCardIsSlotOneOfTheDiscardPile) {
    g_stapel[14].at(1) = karte{5, 2, 0};
    g_stapel[14].anz = 1;
    gtool::SlotKopie k = gtool::offeneKarte();
    EXPECT_EQ(k.c.t, 5);
    EXPECT_EQ(k.c.f, 2);
    EXPECT_EQ(k.dealNr, 14001);
    // A table that has no such slot, or no table at all: an empty card.
    using Kopie = bool (*)(int, int, karte&, int32_t&);
    const Kopie ohne[] = {[](int, int, karte&, int32_t&) { return false; }, nullptr};
    for (Kopie kopie : ohne) {
        central::dienste.slotKopie = kopie;
        k = gtool::offeneKarte();
        EXPECT_EQ(k.c.t, 0);
        EXPECT_EQ(k.c.f, 0);
        EXPECT_EQ(k.dealNr, 0);
    }
}

TEST_F(GToolTisch, ShufflingKeepsTheCardsAndWritesThemBack) {
    struct Case {
        int stack;
        bool talon;  // through talonMischen
        int karten;
    };
    const Case cases[] = {{11, true, 32}, {11, false, 52}, {3, false, 10}, {12, false, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stack << " " << c.talon << " " << c.karten);
        deck(c.stack, c.karten);
        const std::vector<int> vorher = reihe(c.stack);
        std::vector<int> laeufe[2];
        for (auto& lauf : laeufe) {
            deck(c.stack, c.karten);
            g_zurueck = -1;
            rnd::seed(42);
            EXPECT_EQ(c.talon ? gtool::talonMischen() : gtool::stapelMischen(c.stack), 0);
            EXPECT_EQ(g_zurueck, c.stack);
            lauf = reihe(c.stack);
        }
        EXPECT_EQ(laeufe[0], laeufe[1]);  // one seed, one order
        if (c.karten > 8) {
            EXPECT_NE(laeufe[0], vorher);
        }
        std::vector<int> a = laeufe[0], b = vorher;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        EXPECT_EQ(a, b);
    }
    // No such stack: nothing to shuffle, nothing written back.
    g_zurueck = -1;
    EXPECT_EQ(gtool::stapelMischen(0), 0);
    EXPECT_EQ(g_zurueck, -1);
    central::dienste.stapelSpiegeln = nullptr;
    EXPECT_EQ(gtool::talonMischen(), 0);
    EXPECT_EQ(g_zurueck, -1);
    EXPECT_TRUE(msgs.texts().empty());
}

// The name plate shows as opaque as the most opaque of the seat's panel, the score table and
// the result box, and not at all while all three are faded out.
class GToolSchild : public GTool {
protected:
    void SetUp() override {
        GTool::SetUp();
        dir = std::filesystem::temp_directory_path() / ("gtool_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        host = std::make_unique<pvlhost::FakeHost>();
        app = std::make_unique<pvl::TPVLApplication>(*host, dir);
        spielliste::ids.dialog = app->CreateCustomDialog(0, 0, 600, 400, false, "Spielliste", 0, 0, "", 1.0f);
        app->MsgDialog = app->CreateCustomDialog(100, 230, 600, 165, true, "", 0, 0, "", 1.0f);
        app->CreateObject(pvl::ekLabel, 10, 10, "");  // the box's title
        central::dienste.app = app.get();
        cg.ablauf.anzSpieler = 3;
        envParam.namen[2] = "Anna";
        gezeichnet = 0;
        gtool::sitze.schild = [](int seat, const std::string& t, float alpha) {
            gezeichnet = seat;
            text = t;
            deckkraft = alpha;
        };
    }
    void TearDown() override {
        gtool::sitze = {};
        spielliste::ids = spielliste::Ids{};
        central::dienste = central::Dienste{};
        app.reset();
        std::filesystem::remove_all(dir);
        cg.ablauf.anzSpieler = 0;
        GTool::TearDown();
    }
    static inline int gezeichnet = 0;
    static inline std::string text;
    static inline float deckkraft = 0;
    static inline float faktor = 0;
    std::filesystem::path dir;
    std::unique_ptr<pvlhost::FakeHost> host;
    std::unique_ptr<pvl::TPVLApplication> app;
};

TEST_F(GToolSchild, OpacityIsTheLargestOfPanelScoreTableAndResultBox) {
    gtool::sitze.faktor = [](int) { return faktor; };
    struct Case {
        float panel, liste;
        const char* titel;
        float box;
        bool gezeigt;
        float alpha;
    };
    const Case cases[] = {
        {0.5f, 0, "Spielergebnis", 0, true, 0.5f},
        {0, 0.3f, "", 0, true, 0.3f},
        {0.2f, 0.7f, "", 0, true, 0.7f},
        {0, 0, "\rSpielergebnis", 0.6f, true, 0.6f},
        {0, 0, "Spielergebnis", 0.6f, true, 0.6f},
        {0.1f, 0, "Spielergebnis", 0.9f, true, 0.9f},
        {0.8f, 0, "Spielergebnis", 0.4f, true, 0.8f},
        {0, 0, "Hinweis", 0.6f, false, 0},
        {0, 0, "Spielergebnis", 0, false, 0},
        {0, 0, "", 0, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.panel << " " << c.liste << " " << c.titel << " " << c.box);
        faktor = c.panel;
        app->dlg(spielliste::ids.dialog).Fade.Alpha = c.liste;
        app->SetCaption(app->MsgDialog, 1, c.titel);
        app->dlg(app->MsgDialog).Fade.Alpha = c.box;
        gezeichnet = 0;
        gtool::sitzNameZeigen(2);
        EXPECT_EQ(gezeichnet, c.gezeigt ? 2 : 0);
        if (c.gezeigt) {
            EXPECT_FLOAT_EQ(deckkraft, c.alpha);
            EXPECT_EQ(text, "!Anna");
        }
    }
    // Without the seat's panel hook the seat counts as fully shown.
    gtool::sitze.faktor = nullptr;
    gezeichnet = 0;
    gtool::sitzNameZeigen(3);
    EXPECT_EQ(gezeichnet, 3);
    EXPECT_FLOAT_EQ(deckkraft, 1.0f);
}

}  // namespace

TEST(GebeFolge, FromTheDealersNeighbourOrBySeatNumberInEitherDirection) {
    struct Case {
        int n, geber;
        bool nachNummer, gegenUhr;
        std::vector<int> folge;
    };
    const Case cases[] = {
        {4, 2, false, false, {3, 4, 1, 2}}, {4, 2, false, true, {1, 4, 3, 2}},
        {3, 3, false, false, {1, 2, 3}},    {3, 1, false, true, {3, 2, 1}},
        {4, 3, true, false, {1, 2, 3, 4}},  {4, 3, true, true, {4, 3, 2, 1}},
        {6, 6, false, false, {1, 2, 3, 4, 5, 6}}, {2, 2, false, true, {1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << " seats, dealer " << c.geber << (c.nachNummer ? " by number" : "")
                                        << (c.gegenUhr ? " against the clock" : ""));
        int folge[6] = {};
        gtool::gebeFolge(c.n, c.geber, c.nachNummer, c.gegenUhr, folge);
        EXPECT_EQ(std::vector<int>(folge, folge + c.n), c.folge);
    }
}
