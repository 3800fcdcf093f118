#include "core/spielliste.h"

#include <gtest/gtest.h>

#include <clocale>
#include <memory>

#include "core/central.h"
#include "core/envparam.h"
#include "core/highscore.h"
#include "core/spiele.h"
#include "core/spielstand.h"
#include "core/statunit.h"
#include "files_tempdir.h"
#include "gui/pvl.h"
#include "gui/pvlhost.h"
#include "platform/msgsink.h"
#include "platform/text.h"

using spielliste::Zeile;

namespace {

constexpr int kSkat = 1, kCanasta = 4, kSchafkopf = 6, kSchnapsen = 7, kPoker = 8, kBlackJack = 9,
              kMauMau = 0;

std::unique_ptr<TSpielliste> freshList() {
    auto l = std::make_unique<TSpielliste>();
    std::memset(static_cast<void*>(l.get()), 0, sizeof(TSpielliste));
    return l;
}

TGameResult round(std::array<int32_t, 6> pts, const std::string& line = "") {
    TGameResult r;
    r.punkte = pts;
    r.text1 = line;
    return r;
}

}  // namespace

TEST(ResultTable, EnteringARoundAddsToTotalsSchnapsenReplaces) {
    auto l = freshList();
    spielliste::eintragen(*l, round({10, -5, 0, 0, 0, 0}, "Grand"), kSkat, 3);
    spielliste::eintragen(*l, round({3, 4, 5, 9, 9, 9}), kSkat, 3);
    EXPECT_EQ(l->runden, 2);
    EXPECT_EQ(l->konto[1], 13);
    EXPECT_EQ(l->konto[2], -1);
    EXPECT_EQ(l->konto[3], 5);
    EXPECT_EQ(l->konto[4], 0);  // only the game's seats
    EXPECT_EQ(l->text[1].str(), "Grand");

    TGameResult onlyTable = round({100, 100, 100, 0, 0, 0});
    onlyTable.nurTabelle = 1;
    spielliste::eintragen(*l, onlyTable, kSkat, 3);
    EXPECT_EQ(l->runden, 2);
    EXPECT_EQ(l->konto[1], 13);

    auto s = freshList();
    spielliste::eintragen(*s, round({2, 0, 0, 0, 0, 0}), kSchnapsen, 2);
    spielliste::eintragen(*s, round({1, 3, 0, 0, 0, 0}), kSchnapsen, 2);
    EXPECT_EQ(s->konto[1], 1);
    EXPECT_EQ(s->konto[2], 3);
}

TEST(ResultTable, FromRound201TheRowsAre1To199AndTheLatest) {
    auto l = freshList();
    for (int r = 1; r <= 205; ++r)
        spielliste::eintragen(*l, round({r, 0, 0, 0, 0, 0}, "R" + std::to_string(r)), kSkat, 3);
    auto t = spielliste::punkteZeilen(*l, kSkat, {"A", "B", "C"});
    ASSERT_EQ(t.size(), 1u + 200u + 1u);
    EXPECT_EQ(t[1], (Zeile{"!1.", "!+1", "!", "!", "R1"}));
    EXPECT_EQ(t[199][0], "!199.");
    EXPECT_EQ(t[200], (Zeile{"!205.", "!+205", "!", "!", "R205"}));
    EXPECT_EQ(t[201], Zeile(5));
    EXPECT_EQ(l->konto[1], 205 * 206 / 2);

    // A damaged count never leads outside the history.
    l->runden = -7;
    spielliste::eintragen(*l, round({1, 0, 0, 0, 0, 0}), kSkat, 9);
    EXPECT_EQ(l->runden, 1);
}

TEST(ResultTable, PointsTableHeaderRowsAndCashRows) {
    auto l = freshList();
    spielliste::eintragen(*l, round({12, -12, 0, 0, 0, 0}, "Pik"), kMauMau, 3);
    spielliste::summenBerechnen(*l, 3);
    EXPECT_EQ(l->summe[1], 36);  // (12 - -12) + (12 - 0)
    EXPECT_EQ(l->summe[2], -36);
    EXPECT_EQ(l->summe[3], 0);

    auto t = spielliste::punkteZeilen(*l, kMauMau, {"Ich", "Anna", "Otto"});
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0], (Zeile{"!^Spiel", "!Ich", "!^Anna", "!Otto", "!"}));
    EXPECT_EQ(t[1], (Zeile{"!1.", "!+12", "!-12", "!", "Pik"}));

    auto c = spielliste::kassenZeilen(*l, kMauMau, {"Ich", "Anna", "Otto"},
                                      spielliste::geldArt(kMauMau, false, 0, 0));
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(c[0], (Zeile{"!", "!Ich", "!^Anna", "!Otto", "!", "!"}));
    EXPECT_EQ(c[1], (Zeile{"", "!+12", "!-12", "!0", "!", "Summe"}));
    EXPECT_EQ(c[2], (Zeile{"", "!+36", "!-36", "!", "!", "Gewinn/Verlust"}));
    EXPECT_EQ(c[3], Zeile(6));

    // Six seats put the label before the filler; Canasta has no summary row.
    auto six = spielliste::kassenZeilen(*l, kCanasta, {"a", "b", "c", "d", "e", "f"},
                                        spielliste::geldArt(kCanasta, false, 0, 0));
    ASSERT_EQ(six.size(), 3u);
    EXPECT_EQ(six[1].size(), 9u);
    EXPECT_EQ(six[1][7], "Summe");
    EXPECT_EQ(six[1][8], "!");
}

TEST(ResultTable, MoneyRowsUseTheGermanCommaWhateverTheLocale) {
    // Whatever locale the process runs in, the separator stays a comma.
    const char* was = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = was ? was : "C";
    std::setlocale(LC_NUMERIC, "C");

    struct Case {
        int64_t cent;
        const char* euro;
    };
    const Case cases[] = {
        {2, "0,02 €"}, {-150, "-1,50 €"}, {0, "0,00 €"}, {123456, "1234,56 €"}, {-5, "-0,05 €"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cent);
        EXPECT_EQ(spielliste::euro(c.cent), text::w(c.euro));
    }

    struct Skat {
        int32_t summe;
        int option;
        int64_t cent;
        const char* label;
    };
    const Skat skat[] = {{10, 2, 2, "[1/4 ct pro Punkt]"},    {14, 2, 4, "[1/4 ct pro Punkt]"},
                         {100, 1, 10, "[1/10 ct pro Punkt]"}, {100, 3, 50, "[1/2 ct pro Punkt]"},
                         {100, 4, 100, "[1 ct pro Punkt]"},   {100, 0, 10, "[1/10 ct pro Punkt]"},
                         {100, 9, 10, "[1/10 ct pro Punkt]"}, {-25, 1, -2, "[1/10 ct pro Punkt]"}};
    for (const auto& c : skat) {
        SCOPED_TRACE(testing::Message() << c.summe << "/" << c.option);
        EXPECT_EQ(spielliste::skatCent(c.summe, c.option), c.cent);
        EXPECT_EQ(spielliste::skatGeldLabel(c.option), c.label);
    }

    auto l = freshList();
    l->konto[1] = 30;
    l->konto[2] = -30;
    l->summe[1] = 10;
    l->summe[2] = -10;
    auto sk = spielliste::kassenZeilen(*l, kSkat, {"A", "B"}, spielliste::geldArt(kSkat, true, 2, 0));
    EXPECT_EQ(sk[2], (Zeile{"", "!" + text::w("0,02 €"), "!" + text::w("-0,02 €"), "!",
                            "Gewinn/Verlust [1/4 ct pro Punkt]"}));
    auto shk =
        spielliste::kassenZeilen(*l, kSchafkopf, {"A", "B"}, spielliste::geldArt(kSchafkopf, false, 0, 5));
    EXPECT_EQ(shk[2], (Zeile{"", "!" + text::w("1,50 €"), "!" + text::w("-1,50 €"), "!",
                             "Gewinn/Verlust [5 ct/Pkt]"}));
    EXPECT_EQ(l->summe[1], 30);
    EXPECT_EQ(
        spielliste::kassenZeilen(*l, kSchafkopf, {"A", "B"}, spielliste::geldArt(kSchafkopf, false, 0, 0))
            .size(),
        3u);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(MoneyTable, SortTiesAndDepartedSeats) {
    using S = spielliste::GeldSitz;
    // seat 1: 300 chips, seat 2: 500, seat 3: left 5th, seat 4: 300, seat 5: left 4th, seat 6: 50
    // (in the game but below the stake).
    std::vector<S> seats = {{"Ich", 300, true, true, 0, 20}, {"B", 500, true, true, 0, -20},
                            {"C", 0, false, false, 5, 0},    {"D", 300, true, true, 0, 0},
                            {"E", 0, false, false, 4, 0},    {"F", 50, true, false, 0, 0}};
    auto g = spielliste::geldZeilen(kPoker, seats, false);
    ASSERT_EQ(g.zeilen.size(), 2u + 6u + 1u);
    EXPECT_EQ(g.zeilen[0], (Zeile{"!Platz", "Name", "!Spiel", "!Cash"}));
    EXPECT_EQ(g.zeilen[1], Zeile(4));
    struct Row {
        const char* platz;
        const char* name;
        const char* cash;
    };
    const Row rows[] = {{"!1.", "B", "!500"},           {"!2.", "Ich", "!300"},
                        {"!2.", "D", "!300"},           {"!4.", "F", "!Ausgeschieden"},
                        {"!4.", "E", "!Ausgeschieden"}, {"!5.", "C", "!Ausgeschieden"}};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(g.zeilen[2 + i][0], rows[i].platz);
        EXPECT_EQ(g.zeilen[2 + i][1], rows[i].name);
        EXPECT_EQ(g.zeilen[2 + i][3], rows[i].cash);
    }
    EXPECT_EQ(g.zeilen[3][2], "!+ 20");
    EXPECT_EQ(g.zeilen[2][2], "!- 20");
    EXPECT_EQ(g.zeilen[4][2], "!");
    EXPECT_EQ(g.platz, 2);
    EXPECT_EQ(g.highlight, "35");
    EXPECT_EQ(spielliste::geldZeilen(kPoker, seats, true).zeilen[0][2], "!Im Pot");

    // Black Jack, seat 1 second of the seats still in the game, no one out: place 2, highlight "39".
    std::vector<S> bj = {
        {"Ich", 200, true, true, 0, 0}, {"B", 100, true, true, 0, 0}, {"C", 900, true, true, 0, 0}};
    auto b = spielliste::geldZeilen(kBlackJack, bj, false);
    EXPECT_EQ(b.platz, 2);
    EXPECT_EQ(b.highlight, "39");
}

TEST(MoneyTable, InfoLineAddsTheBlindsEveryIntervalInPoker) {
    struct Case {
        int game;
        int rounds;
        int interval;
        const char* info;
    };
    const Case cases[] = {
        {kPoker, 10, 5, "10 Spiele gespielt.\rBlinds wurden erhöht auf 40 (B), 20 (S)."},
        {kPoker, 11, 5, "11 Spiele gespielt.\r"},
        {kPoker, 0, 5, "0 Spiele gespielt.\r"},
        {kPoker, 10, 0, "10 Spiele gespielt.\r"},
        {kBlackJack, 10, 5, "10 Spiele gespielt.\r"},
        {kPoker, 1, 1, "1 Spiel gespielt.\rBlinds wurden erhöht auf 40 (B), 20 (S)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.game << "/" << c.rounds);
        EXPECT_EQ(spielliste::geldInfo(c.game, c.rounds, c.interval, 40), text::w(c.info));
    }
}

TEST(MoneyTable, SummaryValueOfASeat) {
    struct Case {
        int platz;
        int level;
        int rounds;
        int32_t v;
    };
    const Case cases[] = {{0, 3, 12, 60000 + 3000 + 488},
                          {1, 1, 12, 60000 + 1000 + 488},
                          {2, 2, 12, 50000 + 2000 + 512},
                          {6, 1, 3, 10000 + 1000 + 503}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.platz);
        EXPECT_EQ(spielliste::geldSumme(c.platz, c.level, c.rounds), c.v);
    }
}

// ---- the dialog "Spielliste" ----

namespace {

class ResultDialog : public files_test::ProgramFolder {
protected:
    void SetUp() override {
        files_test::ProgramFolder::SetUp();
        app = std::make_unique<pvl::TPVLApplication>(host, dir_);
        auto& ids = spielliste::ids;
        ids.dialog = app->CreateCustomDialog(80, 50, 640, 500, true, "Spielliste", 0, 0, "", 1.0f);
        ids.weiter = app->CreateCustomObject(pvl::ekButton, 230, 440, "!Weiter", 140, 36, 0, 1);
        ids.haupt = app->CreateCustomObject(pvl::ekScrollText, 20, 40, "", 580, 180, 5, 1);
        ids.kasse = app->CreateCustomObject(pvl::ekScrollText, 20, 240, "", 580, 100, 6, 1);
        ids.info = app->CreateCustomObject(pvl::ekLabel, 20, 401, "", 400, 0, 0, 1);
        central::dienste.app = app.get();
        for (int s = 1; s <= 6; ++s) envParam.namen[s] = "Sitz" + std::to_string(s);
        rec = std::make_unique<TCG>();
        rec->ablauf.anzSpieler = 3;
    }
    void TearDown() override {
        central::dienste.app = nullptr;
        spielliste::anbindung = {};
        spielliste::ids = {};
        central::ids = central::PanelIds{};
        envParam = TEnvParam{};
        app.reset();
        files_test::ProgramFolder::TearDown();
    }
    // The cells of a table element in order.
    std::vector<std::string> cells(int e) {
        std::vector<std::string> v;
        const int n = app->dlg(spielliste::ids.dialog).el(e).LineCount;
        for (int i = 1; i <= n; ++i) v.push_back(app->GetLine(spielliste::ids.dialog, e, i));
        return v;
    }
    pvlhost::FakeHost host;
    std::unique_ptr<pvl::TPVLApplication> app;
    std::unique_ptr<TCG> rec;
    msgsink::Capture cap;
};

}  // namespace

TEST_F(ResultDialog, RoundEnteredTableFilledAndOpened) {
    rec->spielId = kMauMau;
    TGameResult r = round({5, -5, 0, 0, 0, 0}, "Kreuz");
    spielliste::punkteTabelle(*rec, r, true);
    EXPECT_EQ(rec->phase.nr, 5);
    EXPECT_EQ(rec->spielliste.runden, 1);
    const auto& ids = spielliste::ids;
    EXPECT_EQ(app->dlg(ids.dialog).el(ids.haupt).ListOption, 5);
    EXPECT_EQ(cells(ids.haupt),
              (std::vector<std::string>{"!^Spiel", "!Sitz1", "!^Sitz2", "!Sitz3", "!", "!1.", "!+5", "!-5",
                                        "!", "Kreuz", "", "", "", "", ""}));
    const auto kasse = cells(ids.kasse);
    ASSERT_EQ(kasse.size(), 4u * 6u);
    EXPECT_EQ(kasse[6 + 5], "Summe");
    EXPECT_EQ(app->dlg(ids.dialog).el(ids.kasse).Visible, 1);
    EXPECT_EQ(app->GetCaption(ids.dialog, ids.weiter, false), "Weiter");
    EXPECT_EQ(app->dlg(ids.dialog).Visible, 1);  // opened

    // Refilling (byte 0 set) enters nothing.
    TGameResult again;
    again.nurTabelle = 1;
    spielliste::punkteTabelle(*rec, again, false);
    EXPECT_EQ(rec->spielliste.runden, 1);
    EXPECT_EQ(rec->spielliste.konto[1], 5);
    EXPECT_EQ(cells(ids.haupt).size(), 15u);
}

TEST_F(ResultDialog, PokerRefreshShowsThePotAndSeatOnesPlace) {
    rec->spielId = kPoker;
    rec->spielliste.runden = 10;
    rec->poker.bigBlind = 40;
    auto& a = spielliste::anbindung;
    const int64_t chips[7] = {0, 300, 500, 0};
    a.chips = [&](int s) { return chips[s]; };
    a.imSpiel = [](int s) { return s != 3; };
    a.platz = [](int s) { return s == 3 ? 3 : 0; };
    a.pot = [](int s) { return s == 1 ? int64_t{20} : int64_t{0}; };
    a.mindestEinsatz = [] { return int64_t{40}; };
    a.blindInterval = [] { return 5; };
    spielliste::pokerTabelle(*rec);
    const auto& ids = spielliste::ids;
    const auto c = cells(ids.haupt);
    ASSERT_EQ(c.size(), 4u * 6u);
    EXPECT_EQ(c[2], "!Im Pot");
    EXPECT_EQ((std::vector<std::string>(c.begin() + 8, c.begin() + 12)),
              (std::vector<std::string>{"!1.", "Sitz2", "!", "!500"}));
    EXPECT_EQ((std::vector<std::string>(c.begin() + 12, c.begin() + 16)),
              (std::vector<std::string>{"!2.", "Sitz1", "!+ 20", "!300"}));
    EXPECT_EQ(c[19], "!Ausgeschieden");
    EXPECT_EQ(rec->platz, 2);
    EXPECT_EQ(app->GetHighlight(ids.dialog, ids.haupt, false), "34");
    EXPECT_EQ(app->dlg(ids.dialog).el(ids.kasse).Visible, 0);
    EXPECT_EQ(app->dlg(ids.dialog).OrigX, 170);
    EXPECT_EQ(app->GetCaption(ids.dialog, ids.info, false),
              text::w("10 Spiele gespielt.\rBlinds wurden erhöht auf 40 (B), 20 (S)."));
}

TEST_F(ResultDialog, GameSavedAfterARoundComesBackWithItsTable) {
    central::ids.ipanel = app->CreateCustomDialog(0, 0, 800, 600, false, "#ipanel", 0, 0, "", 1.0f);
    central::ids.ingame = app->CreateCustomDialog(290, 560, 0, 0, false, "#ingamedialog", 0, 0, "", 1.0f);
    rec->spielId = kMauMau;
    spielliste::punkteTabelle(*rec, round({7, -7, 0, 0, 0, 0}, "Herz"), false);
    ASSERT_EQ(rec->phase.nr, 5);
    ASSERT_TRUE(spielstand::spielSpeichern(*rec, "save", "Nach der Runde", true));

    auto other = std::make_unique<TCG>();
    other->ablauf.anzSpieler = 4;
    app->DelStrings(spielliste::ids.dialog, spielliste::ids.haupt, false);
    app->dlg(spielliste::ids.dialog).Visible = 0;
    app->dlg(central::ids.ingame).Visible = 1;
    ASSERT_TRUE(spielstand::spielLaden(*other, "save", "Nach der Runde", "mau"));
    EXPECT_EQ(other->spielliste.runden, 1);
    EXPECT_EQ(app->dlg(central::ids.ingame).Visible, 0);
    EXPECT_EQ(app->dlg(spielliste::ids.dialog).Visible, 1);
    const auto c = cells(spielliste::ids.haupt);
    ASSERT_GE(c.size(), 10u);
    EXPECT_EQ((std::vector<std::string>(c.begin() + 5, c.begin() + 10)),
              (std::vector<std::string>{"!1.", "!+7", "!-7", "!", "Herz"}));
}

// While the statistics are shown every result table goes on by itself; a finished Black Jack
// match is counted first.
TEST_F(ResultDialog, StatisticsRunContinuesEveryTable) {
    static int klicks = 0;
    klicks = 0;
    statunit::oberflaeche.klickSpielliste = [](int element) { klicks += element == 2; };
    struct Case {
        uint8_t spiel;
        bool ende;
        int klicks, matches, serien;
    };
    const Case cases[] = {
        {kMauMau, false, 1, 0, 0}, {kBlackJack, false, 1, 0, 0}, {kBlackJack, true, 1, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spiel);
        klicks = 0;
        statunit::matchAnzahl = 0;
        statunit::spieleOffset = 0;
        int serien = 0;
        spielliste::anbindung.blackjackSerie = [&] { ++serien; };
        rec->spielId = c.spiel;
        rec->spielliste.runden = 0;
        spiele::Eintrag e;
        e.spielSchritt = [](TCG&) {};
        e.kiTick = [] {};
        e.neuesSpiel = [](bool) {};
        e.spielLaden = [] {};
        static bool ende;
        ende = c.ende;
        e.partieEnde = [] { return ende; };
        ASSERT_TRUE(spiele::anmelden(c.spiel, e));
        // Display off: nothing goes on by itself.
        spielliste::punkteTabelle(*rec, round({1, 0, 0, 0, 0, 0}), false);
        EXPECT_EQ(klicks, 0);
        EXPECT_EQ(serien, 0);
        ASSERT_TRUE(statunit::umschalten());
        spielliste::punkteTabelle(*rec, round({1, 0, 0, 0, 0, 0}), false);
        EXPECT_FALSE(statunit::umschalten());
        spiele::abmelden(c.spiel);
        EXPECT_EQ(klicks, c.klicks);
        EXPECT_EQ(statunit::matchAnzahl, c.matches);
        EXPECT_EQ(statunit::spieleOffset, c.matches * 2);
        EXPECT_EQ(serien, c.serien);
    }
    statunit::oberflaeche = {};
    statunit::matchAnzahl = 0;
    statunit::spieleOffset = 0;
}

// A game saved with a question open shows the question again once it is loaded.
TEST_F(ResultDialog, GameSavedWithAnOpenQuestionShowsItAgain) {
    central::ids.ipanel = app->CreateCustomDialog(0, 0, 800, 600, false, "#ipanel", 0, 0, "", 1.0f);
    central::ids.ingame = app->CreateCustomDialog(290, 560, 0, 0, false, "#ingamedialog", 0, 0, "", 1.0f);
    central::ids.reihe[2][1] = app->CreateCustomObject(pvl::ekButton, 0, 0, "!", 100, 30, 0, 1);
    central::ids.reihe[2][2] = app->CreateCustomObject(pvl::ekButton, 110, 0, "!", 100, 30, 0, 1);
    rec->spielId = kMauMau;
    rec->aktSpieler = 1;
    rec->phase.nr = 2;
    TEntscheidung& st = rec->entscheidung;
    st.mitKnoepfen = 1;
    st.knopfAnzahl = 2;
    st.art = 69;
    st.texte[1] = "!Neue Karten";
    st.texte[2] = "!Behalten";
    ASSERT_TRUE(spielstand::spielSpeichern(*rec, "save", "Offene Frage", true));

    auto other = std::make_unique<TCG>();
    app->dlg(central::ids.ingame).X = 0;
    ASSERT_TRUE(spielstand::spielLaden(*other, "save", "Offene Frage", "mau"));
    EXPECT_EQ(app->dlg(central::ids.ingame).Visible, 1);
    EXPECT_EQ(app->GetCaption(central::ids.ingame, central::ids.reihe[2][1], false), "!Neue Karten");
    EXPECT_EQ(app->GetCaption(central::ids.ingame, central::ids.reihe[2][2], false), "!Behalten");
    EXPECT_EQ(app->dlg(central::ids.ingame).X, 290);
}

// The round's result and the end of the match hide the turn markers, except in the games that
// keep them for their next round.
TEST_F(ResultDialog, TurnMarkersHiddenExceptInSkatDoppelkopfSchafkopfJass) {
    central::ids.ipanel = app->CreateCustomDialog(0, 0, 800, 600, true, "#ipanel", 0, 0, "", 1.0f);
    for (int s = 1; s <= 3; ++s) central::ids.zugMarke[s] = app->CreateObject(pvl::ekLabel, 0, 0, "");
    auto markerShown = [&](int s) {
        return app->dlg(central::ids.ipanel).el(central::ids.zugMarke[s]).Visible != 0;
    };
    struct Case {
        uint8_t spiel;
        bool hidden;
    };
    const Case cases[] = {{kMauMau, true}, {kCanasta, true},    {kSkat, false},
                          {5, false},      {kSchafkopf, false}, {12, false}};
    for (int weg = 0; weg < 2; ++weg)
        for (const auto& c : cases) {
            SCOPED_TRACE(std::to_string(weg) + " " + std::to_string(c.spiel));
            for (int s = 1; s <= 3; ++s) app->SetVisible(central::ids.ipanel, central::ids.zugMarke[s], true);
            rec->spielId = c.spiel;
            if (weg == 0)
                spielliste::punkteTabelle(*rec, round({1, 0, 0, 0, 0, 0}), false);
            else
                highscore::spielergebnis(*rec);
            for (int s = 1; s <= 3; ++s) EXPECT_EQ(markerShown(s), !c.hidden);
        }
}

// Jass empties its info line before it fills its own table, and the limit summary comes after
// it in every case: a refresh (a game saved in phase 5 and loaded) shows the summary too.
TEST_F(ResultDialog, JassInfoLineShowsTheLimitSummaryAfterARefresh) {
    rec->spielId = spiele::kJass;
    rec->ablauf.anzSpieler = 4;
    spiele::Eintrag e;
    e.spielSchritt = [](TCG&) {};
    e.kiTick = [] {};
    e.neuesSpiel = [](bool) {};
    e.spielLaden = [] {};
    e.limitText = [](std::string& t) { t = "Gespielt wird bis 2500 Punkte."; };
    ASSERT_TRUE(spiele::anmelden(spiele::kJass, e));
    int tabellen = 0;
    spielliste::anbindung.jassTabelle = [&](bool) { ++tabellen; };
    const auto& ids = spielliste::ids;
    spielliste::punkteTabelle(*rec, round({57, 100, 57, 100, 0, 0}), false);
    EXPECT_EQ(app->GetCaption(ids.dialog, ids.info, false), "Gespielt wird bis 2500 Punkte.");
    app->SetCaption(ids.dialog, ids.info, "");
    TGameResult nurTabelle;
    nurTabelle.nurTabelle = 1;
    spielliste::punkteTabelle(*rec, nurTabelle, false);
    EXPECT_EQ(app->GetCaption(ids.dialog, ids.info, false), "Gespielt wird bis 2500 Punkte.");
    EXPECT_EQ(tabellen, 2);
    spiele::abmelden(spiele::kJass);
}

// Developer switches 11 and 12 (the library's render debug flags): the table goes on by itself.
// Flag 12 also leaves the tables and the settlement text alone, except that a finished Poker or
// Black Jack match waits for the player.
TEST_F(ResultDialog, DeveloperSwitchesContinueWithoutThePlayer) {
    struct Case {
        const char* was;
        int spiel;
        bool f11, f12, ende, serieVorbei;
        bool weiter;     // the unattended continuation ran
        int neuesSpiel;  // -1 none, else the weiter argument (0 a new match, 1 the next game)
        bool tabelleGefuellt;
        bool abrechnung;  // the settlement text was fetched
    };
    const Case cases[] = {
        {"11 Mau Mau", kMauMau, true, false, false, false, true, 1, true, true},
        {"12 Mau Mau", kMauMau, false, true, false, false, true, 1, false, false},
        {"12 Mau Mau over", kMauMau, false, true, true, false, true, 1, false, false},
        {"12 Poker going on", kPoker, false, true, false, false, true, 1, false, false},
        {"12 Poker over", kPoker, false, true, true, false, false, -1, false, false},
        {"11 Poker over, series on", kPoker, true, false, true, false, true, 0, true, true},
        {"11 Poker over, series done", kPoker, true, false, true, true, true, 1, true, true},
        {"none", kMauMau, false, false, false, false, false, -1, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.was);
        app->Options.RenderFlags[11 - 2] = c.f11 ? 1 : 0;
        app->Options.RenderFlags[12 - 2] = c.f12 ? 1 : 0;
        static int gestartet, abgerechnet;
        static bool ende;
        gestartet = -1;
        abgerechnet = 0;
        ende = c.ende;
        spiele::Eintrag e;
        e.spielSchritt = [](TCG&) {};
        e.kiTick = [] {};
        e.neuesSpiel = [](bool frisch) { gestartet = frisch ? 0 : 1; };
        e.spielLaden = [] {};
        e.partieEnde = [] { return ende; };
        e.abrechnungText = [](const TGameResult&, std::string& t) {
            ++abgerechnet;
            t = "Abrechnung";
        };
        ASSERT_TRUE(spiele::anmelden(c.spiel, e));
        std::vector<std::string> log;
        auto& a = spielliste::anbindung;
        a.spielZustandSetzen = [&](uint8_t z) { log.push_back("zustand " + std::to_string(z)); };
        a.pokerTrace = [&](const std::string& t) { log.push_back("trace " + t); };
        a.pokerSerieVorbei = [&] { return c.serieVorbei; };
        a.pokerNaechstePartie = [&] { log.push_back("partie"); };
        a.pokerSerieAbschliessen = [&] { log.push_back("abschluss"); };
        a.pokerNaechsteRunde = [&] { log.push_back("runde"); };
        int weiterKlicks = 0;
        app->ClickCall = [&](int d, int el) {
            weiterKlicks += d == spielliste::ids.dialog && el == spielliste::ids.weiter;
        };
        rec->spielId = static_cast<uint8_t>(c.spiel);
        rec->spielIdMenue = static_cast<uint8_t>(c.spiel);
        rec->spielliste.runden = 0;
        rec->poker.bigBlindStart = 20;
        rec->poker.bigBlind = 80;
        app->DelStrings(spielliste::ids.dialog, spielliste::ids.haupt, false);
        app->AddString(spielliste::ids.haupt, "alt", 0);
        app->dlg(spielliste::ids.dialog).Visible = 1;
        spielliste::punkteTabelle(*rec, round({1, -1, 0, 0, 0, 0}), false);
        spiele::abmelden(c.spiel);
        EXPECT_EQ(gestartet, c.neuesSpiel);
        EXPECT_EQ(abgerechnet, c.abrechnung ? 1 : 0);
        EXPECT_EQ(cells(spielliste::ids.haupt) != std::vector<std::string>{"alt"}, c.tabelleGefuellt);
        if (!c.weiter) {
            EXPECT_TRUE(log.empty());
            EXPECT_EQ(weiterKlicks, 0);
            continue;
        }
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.front(), "trace ");
        if (c.neuesSpiel == 0) {
            // The next match of the series: no click, its big blind from the options.
            EXPECT_EQ(log, (std::vector<std::string>{"trace ", "zustand 1", "partie"}));
            EXPECT_EQ(weiterKlicks, 0);
            EXPECT_EQ(rec->poker.bigBlind, 20);
            continue;
        }
        EXPECT_EQ(weiterKlicks, 1);
        EXPECT_EQ(app->dlg(spielliste::ids.dialog).Visible, 0);
        std::vector<std::string> erwartet{"trace "};
        if (c.spiel == kPoker && c.serieVorbei) erwartet.push_back("abschluss");
        if (c.spiel == kPoker) erwartet.push_back("runde");
        erwartet.push_back("zustand 1");
        EXPECT_EQ(log, erwartet);
    }
    app->Options.RenderFlags[11 - 2] = app->Options.RenderFlags[12 - 2] = 0;
}

namespace {

// The result box as the program shows it: the library started, so that boxes have buttons and
// messages open boxes. A wait nobody answers ends the run and fails.
class ResultBox : public ResultDialog {
protected:
    void SetUp() override {
        ResultDialog::SetUp();
        app->OnEvent = [this](int code, int) {
            if (code == pvl::peFrame && ++frameCount == 5000) {
                ADD_FAILURE() << "a wait never ended";
                app->AppState = 3;
            }
        };
        app->Startup();
        menue = app->CreateCustomDialog(280, 80, 260, 440, true, "Spielmenü", 0, 0, "", 1.0f);
        speichern = app->CreateCustomDialog(280, 80, 260, 460, true, "Spiel speichern", 0, 0, "", 1.0f);
        central::ids.ipanel = app->CreateCustomDialog(0, 0, 800, 600, false, "#ipanel", 0, 0, "", 1.0f);
        central::dienste.spielZustand = [] { return uint8_t{1}; };
        spiele::Eintrag e;
        e.spielSchritt = [](TCG&) {};
        e.kiTick = [] {};
        e.neuesSpiel = [](bool) {};
        e.spielLaden = [] {};
        e.abrechnungText = [](const TGameResult&, std::string& t) { t = "Sitz1 gewinnt."; };
        ASSERT_TRUE(spiele::anmelden(kMauMau, e));
        rec->spielId = kMauMau;
    }
    void TearDown() override {
        spiele::abmelden(kMauMau);
        central::dienste.spielZustand = nullptr;
        central::ids.ipanel = 0;
        ResultDialog::TearDown();
    }
    // Runs frames until every queued step has run (or a wait ended the run).
    void bisLeer() {
        for (int i = 0; i < 200 && app->AppState != 3; ++i) app->Mainloop(false);
    }
    bool boxOben() {
        return app->CurrentDialog == app->MsgDialog && app->dlg(app->MsgDialog).Visible &&
               app->GetCaption(app->MsgDialog, 1, false) == "Spielergebnis" &&
               app->GetCaption(app->MsgDialog, app->MsgText, false) == "Sitz1 gewinnt.";
    }
    void weiter() { app->CreateClickEvent(app->MsgDialog, app->MsgButtons[2]); }

    int frameCount = 0, menue = 0, speichern = 0;
};

}  // namespace

// Esc, "Speichern", a name, OK on the message, "Zurück" twice: the result box is up again, and
// its "Weiter" opens the score list. The steps are queued before the round ends, as a player's
// clicks arrive while the box is up.
TEST_F(ResultBox, ComesBackAfterTheGameWasSavedFromTheMenu) {
    bool obenNachZurueck = false, gespeichert = false;
    host.post([&] {
        app->CallDialog(menue);
        app->CallDialog(speichern);
    });
    host.post([&] {
        host.post([&] { weiter(); });  // the OK of "Spielstand … wurde gespeichert"
        gespeichert = spielstand::spielSpeichern(*rec, "save", "Runde", false);
        // Queued only now: the steps before it ran inside the message's wait.
        host.post([&] {
            EXPECT_EQ(app->CurrentDialog, speichern);
            app->HideDialog(speichern);
            app->HideDialog(menue);
            obenNachZurueck = boxOben();
            weiter();
        });
    });
    spielliste::punkteTabelle(*rec, round({5, -5, 0, 0, 0, 0}), false);
    bisLeer();
    EXPECT_TRUE(gespeichert);
    EXPECT_TRUE(obenNachZurueck);
    EXPECT_FALSE(app->dlg(app->MsgDialog).Visible);
    EXPECT_EQ(app->CurrentDialog, spielliste::ids.dialog);  // the score list follows the box
    EXPECT_EQ(rec->phase.nr, 5);
}

// Loading a game while the box is up replaces the round it belonged to: the box goes without
// its score list, and the loaded game runs on (no wait holds the frames).
TEST_F(ResultBox, GoesWhenAGameIsLoadedMeanwhile) {
    auto gespeichert = std::make_unique<TCG>(*rec);
    gespeichert->phase.nr = 4;
    gespeichert->spielliste.runden = 7;
    ASSERT_TRUE(spielstand::spielSpeichern(*gespeichert, "save", "Alt", true));
    bool geladen = false;
    host.post([&] {
        app->CallDialog(menue);
        geladen = spielstand::spielLaden(*rec, "save", "Alt", "mau");
        app->HideDialog(menue);
    });
    spielliste::punkteTabelle(*rec, round({5, -5, 0, 0, 0, 0}), false);
    bisLeer();
    EXPECT_TRUE(geladen);
    EXPECT_EQ(rec->phase.nr, 4);
    EXPECT_EQ(rec->spielliste.runden, 7);
    EXPECT_FALSE(app->dlg(app->MsgDialog).Visible);
    EXPECT_FALSE(app->dlg(spielliste::ids.dialog).Visible);
    // A box answered later changes nothing of the loaded game.
    weiter();
    EXPECT_EQ(rec->phase.nr, 4);
    EXPECT_FALSE(app->dlg(spielliste::ids.dialog).Visible);
    EXPECT_LT(frameCount, 5000);
}
