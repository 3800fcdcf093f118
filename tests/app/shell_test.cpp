// The shell without a window: the frame logic the program and the harness share, the pick
// schedule, the slow-frame counter, speeds and card scale, param.txt, the configuration values,
// the female-name test, keys and access codes, the hover lift and the shut-down log.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/pendrelshare.h"
#include "app/rahmen.h"
#include "app/texturen.h"
#include "app/ton.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "core/spielstand.h"
#include "gui/pvlhost.h"
#include "platform/fileio.h"
#include "platform/msgsink.h"
#include "platform/text.h"
#include "platform/ticks.h"
#include "platform/vk.h"
#include "table/glu.h"
#include "table/tischhooks.h"

namespace fs = std::filesystem;

namespace {

// A fresh folder per test.
fs::path ordnerFuer(const char* name) {
    const fs::path d = fs::temp_directory_path() / (std::string("ks_app_") + name + "_" + std::to_string(getpid()));
    fs::remove_all(d);
    fs::create_directories(d);
    return d;
}

void leeren() {
    std::memset(static_cast<void*>(&cg), 0, sizeof(TCG));
    glu::reset();
    tischhooks::reset();
    central::dienste = central::Dienste{};
    envParam = TEnvParam{};
}

// ---------------------------------------------------------------- the shared frame logic

constexpr int kTestSpiel = spiele::kMauMau;
int g_schritte = 0;

void testSchritt(TCG& g) {
    ++g_schritte;
    // Phase 0 sends one card from the talon to seat 1 and waits for it; phase 1 follows once it
    // has landed.
    if (g.phase.nr == 0 && !g.bewegungWarten.aktiv) {
        if (glu::movecardrecord(11, 1, 1, 1, 1, 2, 14, 0, 0)) g.bewegungWarten.aktiv = 1;
        g.phase.nr = 1;
    } else if (g.phase.nr == 1 && !g.bewegungWarten.aktiv) {
        g.phase.nr = 2;
    }
}
void leer() {}
void leerFrisch(bool) {}

class Rahmen : public ::testing::Test {
protected:
    void SetUp() override {
        leeren();
        g_schritte = 0;
        spiele::Eintrag e;
        e.spielSchritt = testSchritt;
        e.kiTick = leer;
        e.neuesSpiel = leerFrisch;
        e.spielLaden = leer;
        ASSERT_TRUE(spiele::anmelden(kTestSpiel, e));
        cg.spielId = kTestSpiel;
        glu::anzSitze = 2;
        glu::anzTischStapel = 3;
        for (int s = 1; s <= 20; ++s) glu::spieler[s - 1].id = s;
        TSpieler& talon = glu::spieler[10];
        talon.anz = 2;
        talon.at(1).c = karte{3, 1, 0};
        talon.at(2).c = karte{4, 2, 0};
        envParam.kartenSpeed = 16;
    }
    void TearDown() override {
        spiele::abmelden(kTestSpiel);
        leeren();
    }
    msgsink::Capture meldungen;
};

TEST_F(Rahmen, ModalFramesMoveAndReportCardsButRunNoGameStep) {
    rahmen::Takt t;
    t.spiel = true;
    t.fps = 50;
    rahmen::ablauf(cg, t);  // the step sends the card
    ASSERT_EQ(g_schritte, 1);
    ASSERT_EQ(cg.bewegungWarten.aktiv, 1);
    t.modal = true;
    for (int i = 0; i < 200 && cg.bewegungWarten.aktiv; ++i) rahmen::ablauf(cg, t);
    EXPECT_EQ(g_schritte, 1) << "a modal frame ran the game step";
    EXPECT_EQ(cg.bewegungWarten.aktiv, 0) << "the landed card was not reported";
    EXPECT_EQ(glu::spieler[0].anz, 1);
    EXPECT_EQ(cg.phase.nr, 1);
    t.modal = false;
    rahmen::ablauf(cg, t);
    EXPECT_EQ(cg.phase.nr, 2) << "the game did not resume after its card landed";
    EXPECT_TRUE(meldungen.texts().empty());
}

TEST_F(Rahmen, LandedCardWaitsUntilNothingFlies) {
    rahmen::Takt t;
    t.spiel = true;
    t.fps = 50;
    rahmen::ablauf(cg, t);
    // A second, slow card from the talon to seat 2: the first lands long before it.
    ASSERT_TRUE(glu::movecard(11, 2, 2, 1, 1, 2, 14, 0, 0, 0));
    glu::spieler[10].at(2).bewegung.speed = 0.5f;
    t.modal = true;
    int frames = 0;
    while (glu::spieler[0].anz == 0 && frames < 500) rahmen::ablauf(cg, t), ++frames;
    ASSERT_EQ(glu::spieler[0].anz, 1) << "the first card never landed";
    EXPECT_EQ(cg.bewegungWarten.aktiv, 1) << "reported while another card was still flying";
    while (glu::zugliste.anz > 0 && frames < 5000) rahmen::ablauf(cg, t), ++frames;
    rahmen::ablauf(cg, t);
    EXPECT_EQ(cg.bewegungWarten.aktiv, 0);
}

TEST_F(Rahmen, NoGameNoStepAndFrozenMotionStands) {
    rahmen::Takt t;
    t.fps = 50;
    rahmen::ablauf(cg, t);
    EXPECT_EQ(g_schritte, 0);
    t.spiel = true;
    rahmen::ablauf(cg, t);
    ASSERT_EQ(glu::zugliste.anz, 1);
    const float vorher = glu::spieler[10].at(1).bewegung.progress;
    t.eingefroren = true;
    t.modal = true;
    rahmen::ablauf(cg, t);
    const float nachher = glu::spieler[10].at(1).bewegung.progress;
    EXPECT_EQ(nachher, vorher);
}

TEST(RahmenPlan, PickSchedule) {
    struct Fall {
        float fps;
        int32_t frame;
        bool bewegt;
        bool pick;
    };
    const Fall faelle[] = {
        {30, 7, false, false},                         // slow and the mouse still: never
        {30, 7, true, true},                           // slow: every frame the mouse moved
        {39.9f, 1, true, true}, {40, 1, false, true},  // from 40 on the mouse need not move
        {45, 3, false, true},   {46, 3, false, false},  {46, 4, false, true},  // every 2nd above 45
        {60, 2, false, true},   {60, 3, false, false},  {66, 3, false, true},  // every 3rd above 65
        {106, 4, false, true},  {106, 6, false, false},                        // every 4th above 105
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.fps << " fps, frame " << f.frame);
        rahmen::Maus letzte{10, 10};
        const rahmen::Maus jetzt = f.bewegt ? rahmen::Maus{11, 10} : rahmen::Maus{10, 10};
        EXPECT_EQ(rahmen::pickFaellig(f.frame, f.fps, jetzt, letzte), f.pick);
    }
}

TEST(RahmenPlan, MouseKeyTellsPointsApartThatTheOldKeyMixedUp) {
    // (0, 1) and (64, 0) in steps of two pixels once gave the same key.
    rahmen::Maus letzte{64, 0};
    EXPECT_TRUE(rahmen::pickFaellig(0, 30, rahmen::Maus{0, 1}, letzte));
    EXPECT_EQ(letzte, (rahmen::Maus{0, 1}));
    EXPECT_FALSE(rahmen::pickFaellig(0, 30, rahmen::Maus{0, 1}, letzte));
}

TEST(RahmenPlan, SlowFramesSwitchEffectsOffForGood) {
    int z = 0;
    z = rahmen::langsam(z, 151);
    EXPECT_EQ(z, 1);
    z = rahmen::langsam(z, 150);  // 150 ms is not slow
    EXPECT_EQ(z, 0);
    for (int i = 0; i < 3; ++i) z = rahmen::langsam(z, 200);
    EXPECT_EQ(z, 3);
    for (int i = 0; i < 50; ++i) z = rahmen::langsam(z, 5);
    EXPECT_EQ(z, 3) << "past 2 the counter never falls back";
    for (int i = 0; i < 20; ++i) z = rahmen::langsam(z, 500);
    EXPECT_EQ(z, 10);
}

// ---------------------------------------------------------------- speeds and card scale

TEST(Tempo, LevelsAndGames) {
    struct Fall {
        int spiel, animation, anzeige;
        bool entwickler;
        int32_t speed, ki, zweite;
    };
    const Fall faelle[] = {
        {spiele::kSkat, 1, 1, false, 4, 900, 2800},
        {spiele::kSkat, 3, 3, false, 16, 420, 950},
        {spiele::kSkat, 6, 6, false, 50, 20, 50},
        {spiele::kSkat, 5, 5, true, 50, 90, 400},
        {spiele::kSkat, 6, 6, true, 10000000, 0, 0},
        {spiele::kSkat, 1, 2, true, 2, 600, 1700},
        {spiele::kBlackJack, 3, 3, false, 16, 630, 1425},
        {spiele::kSiebzehnUndVier, 3, 2, false, 16, 900, 2550},
        // 180 x 1.65 = 297, x 1.45 = 430.65; 620 x 1.65 = 1023, x 1.45 = 1483.35
        {spiele::kPoker, 3, 4, false, 16, 431, 1483},
        {spiele::kPoker, 3, 3, false, 16, 609, 1378},  // 420 x 1.45, 950 x 1.45 = 1377.5 -> 1378
        {spiele::kSchwimmen, 3, 1, false, 16, 900, 1400},
        {spiele::kJass, 3, 3, false, 16, 630, 1900},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message()
                     << "game " << f.spiel << " levels " << f.animation << "/" << f.anzeige);
        texturen::Tempo t = texturen::tempo(f.animation, f.anzeige, f.entwickler);
        texturen::spielTempo(f.spiel, f.anzeige, t);
        EXPECT_EQ(t.kartenSpeed, f.speed);
        EXPECT_EQ(t.kiVerzoegerung, f.ki);
        EXPECT_EQ(t.zweiteVerzoegerung, f.zweite);
    }
}

TEST(Tempo, CardScale) {
    EXPECT_FLOAT_EQ(texturen::kartenSkala(1, spiele::kCanasta), 0.49f);
    EXPECT_FLOAT_EQ(texturen::kartenSkala(3, spiele::kDoppelkopf), 0.855f);
    EXPECT_FLOAT_EQ(texturen::kartenSkala(2, spiele::kSkat), 0.816f);
    EXPECT_FLOAT_EQ(texturen::kartenSkala(3, spiele::kSechsundsechzig), 1.05f);
    EXPECT_FLOAT_EQ(texturen::kartenSkala(0, spiele::kBlackJack), 1.0f);
}

// ---------------------------------------------------------------- param.txt

TEST(Parameter, ReaderTable) {
    const fs::path d = ordnerFuer("param");
    const std::string gut =
        "rund=12reflection=05tbreite=40thoehe=30kbreite=07bbreite=20bhoehe=21blight=50wbreite=60"
        "whoehe=61wlight=70gray=33transparenz=44ref_weg=09";
    struct Fall {
        const char* name;
        std::string inhalt;
        bool ok;
    };
    const Fall faelle[] = {
        {"valid", gut, true},
        {"comments between keys", "# Holztisch\nrund=12 runde Ecken\nreflection=05\n" + gut.substr(20), true},
        {"wrong order", "reflection=05rund=12" + gut.substr(20), false},
        {"digit then letter", "rund=1x" + gut.substr(7), false},
        {"missing key", gut.substr(0, gut.find("gray=")) + gut.substr(gut.find("transparenz=")), false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ASSERT_TRUE(fileio::writeAll(d / "param.txt", f.inhalt));
        TEnvParam p;
        p.rund = -1;
        std::string fehler;
        EXPECT_EQ(texturen::LoadTableParams(d, p, fehler), f.ok);
        if (f.ok) {
            EXPECT_EQ(p.rund, 12);
            EXPECT_EQ(p.kbreite, 7);  // "07"
            EXPECT_EQ(p.gray, 33);
            EXPECT_EQ(p.ref_weg, 9);
        } else {
            EXPECT_EQ(p.rund, -1) << "a bad file changed the values";
            EXPECT_FALSE(fehler.empty());
        }
    }
    fs::remove(d / "param.txt");
    TEnvParam p;
    std::string fehler;
    EXPECT_FALSE(texturen::LoadTableParams(d, p, fehler));
}

// ---------------------------------------------------------------- configuration and names

TEST(Konfiguration, CleaningTable) {
    struct Fall {
        const char* roh;
        const char* sauber;
    };
    const Fall faelle[] = {
        {"Anna Maria", "Anna"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCD", "ABCDEFGHIJKLMNOPQRSTUV"},
        {"Jos\xE9", ""},  // Ã© is outside the set: the whole name goes
        {"J\xFCrgen", "J\xFCrgen"},
        {"Stra\xDF"
         "e-1_x",
         "Stra\xDF"
         "e-1_x"},
        {"", ""},
        {"a.b", ""},
    };
    for (const Fall& f : faelle) EXPECT_EQ(pendrelshare::cleanRegString(f.roh), f.sauber) << f.roh;
}

TEST(Konfiguration, ValuesFromTheConfigFileAndTheCacheFolder) {
    const fs::path d = ordnerFuer("config");
    setenv("XDG_CONFIG_HOME", (d / "cfg").c_str(), 1);
    setenv("XDG_CACHE_HOME", (d / "cache").c_str(), 1);
    EXPECT_EQ(pendrelshare::configValue("Username"), "");
    EXPECT_EQ(pendrelshare::TempDir(), d / "cache" / "kartenspiele");
    fs::create_directories(pendrelshare::configFile().parent_path());
    ASSERT_TRUE(
        fileio::writeAll(pendrelshare::configFile(),
                         std::string("Computername=Rechner\nUsername=J\xC3\xBCrgen Meier\r\ntempdir=") +
                             (d / "t").string() + "\n"));
    EXPECT_EQ(pendrelshare::ReadRegStringClean("Username", 208), "J\xFCrgen");
    EXPECT_EQ(pendrelshare::ReadRegStringClean("Computername", 208), "Rechner");
    EXPECT_EQ(pendrelshare::TempDir(), d / "t");
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_CACHE_HOME");
}

TEST(Namen, FemaleNameTest) {
    const fs::path ohne = ordnerFuer("namen_ohne");
    const fs::path mit = ordnerFuer("namen_mit");
    fs::create_directories(mit / "data" / "help");
    ASSERT_TRUE(fileio::writeAll(mit / "data" / "help" / "namecheck.txt", std::string("#Ruth#margit#")));
    struct Fall {
        const char* name;
        bool ohneDatei, mitDatei;
    };
    const Fall faelle[] = {
        {"Anna-Lars", true, true},                          // a double name is female when any part is
        {"Lars-Anna", true, true}, {"Ulrike", true, true},  // by its ending alone
        {"ruth", false, true},                              // only the list knows her
        {"MARGIT", false, true},   {"Karl", false, false}, {"Lars-Ruth", false, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(pendrelshare::checkmaedel(f.name, ohne), f.ohneDatei);
        EXPECT_EQ(pendrelshare::checkmaedel(f.name, mit), f.mitDatei);
    }
}

TEST(Namen, OpponentTablesHaveTheirFemaleNamesFirst) {
    pendrelshare::FillFirstNames();
    EXPECT_EQ(gtool::umgebung.gegnerAnzahl, 56);
    EXPECT_EQ(gtool::umgebung.weiblich, 27);
    for (int i = 0; i < 56; ++i) EXPECT_GT(gtool::umgebung.gegnerNamen[i].size(), 0u) << i;
}

// ---------------------------------------------------------------- the form without a window

class Form : public ::testing::Test {
protected:
    void SetUp() override {
        leeren();
        dir = ordnerFuer(::testing::UnitTest::GetInstance()->current_test_info()->name());
        app = std::make_unique<glapp::Tglapp>(host, dir);
        app->FormCreate();
        app->event(pvl::peStartup, -1);
        app->AppState = 2;
        glapp::spielAktiv = 0;
        glapp::tastenPuffer.clear();
    }
    void TearDown() override {
        app.reset();
        // The form made the sound objects for its own folder; the next test makes its own.
        ton::sndFreigeben();
        ton::scodeFreigeben();
        glapp::spielAktiv = 0;
        leeren();
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    void tippen(const std::string& s) {
        for (char c : s) app->FormMouseWheelDown(pvl::peKey, static_cast<unsigned char>(c));
    }
    std::string log() {
        std::string s;
        fileio::readAll(dir / "proto2.txt", s);
        return s;
    }
    pvlhost::FakeHost host;
    fs::path dir;
    std::unique_ptr<glapp::Tglapp> app;
};

TEST_F(Form, AccessCodes) {
    tippen("ABCKWEDL");
    EXPECT_EQ(app->DevMode, 1);
    tippen("KWEXDL");  // a key between the letters keeps the code from counting
    EXPECT_EQ(app->DevMode, 1);
    tippen("KWEDL");
    EXPECT_EQ(app->DevMode, 0);
    tippen(std::string(100, 'X'));
    EXPECT_LE(glapp::tastenPuffer.size(), 33u);
    tippen("MUROZ");
    EXPECT_EQ(app->DevMode, 1);
    EXPECT_EQ(envParam.kiVerzoegerung, 0);
    EXPECT_EQ(envParam.kartenSpeed, 1000000);
    EXPECT_NE(app->Options.RenderFlags[10 - 2], 0) << "the computer does not play the human's seat";
}

TEST_F(Form, DeveloperNumberPadMovesTheSeatsLayout) {
    cg.spielId = spiele::kSkat;
    glu::anzSitze = 3;
    glu::setuptablelayout(1);
    ASSERT_FLOAT_EQ(glu::spieler[6].pos.v[1], 874.0f);
    app->FormMouseWheelDown(pvl::peKey, vk::Numpad9);
    EXPECT_EQ(glapp::schale.varz, 50) << "only in developer mode";
    app->DevMode = 1;
    for (int i = 0; i < 3; ++i) app->FormMouseWheelDown(pvl::peKey, vk::Numpad9);
    EXPECT_EQ(glapp::schale.varz, 65);
    // The trick pile of seat 1 stands 2 units farther for every step of the offset.
    EXPECT_FLOAT_EQ(glu::spieler[6].pos.v[1], 904.0f) << "the table was not laid out anew";
    for (int i = 0; i < 30; ++i) app->FormMouseWheelDown(pvl::peKey, vk::Numpad0 + 2);
    EXPECT_EQ(glapp::schale.vary, 0);
    glapp::schale = tischhooks::Schale{};
}

TEST_F(Form, EscapeClosesOnlyFromTheMainMenu) {
    const int menue = dialoge::ids().kartenspiele;
    ASSERT_EQ(app->CurrentDialog, menue);
    const int anderer = app->CreateCustomDialog(10, 10, 100, 100, true, "Anderer", 0, 0, "", 1.0f);
    app->CallDialog(anderer);
    app->FormMouseWheelDown(pvl::peKey, vk::Escape);
    EXPECT_NE(app->AppState, 3) << "Esc on another dialog closed the program";
    app->HideDialog(anderer);
    ASSERT_EQ(app->CurrentDialog, menue);
    glapp::spielAktiv = 1;
    app->FormMouseWheelDown(pvl::peKey, vk::Escape);
    EXPECT_NE(app->AppState, 3) << "Esc in a game closed the program";
    EXPECT_EQ(app->CurrentDialog, dialoge::ids().spielmenue) << "Esc in a game opens the game menu";
    app->HideDialog(app->CurrentDialog);
    glapp::spielAktiv = 0;
    ASSERT_EQ(app->CurrentDialog, menue);
    app->FormMouseWheelDown(pvl::peKey, vk::Escape);
    EXPECT_EQ(app->AppState, 3);
}

TEST_F(Form, PlatformWheelEventsChangeNothing) {
    glapp::spielAktiv = 1;
    glapp::aStatus = glapp::asEingabe;
    glapp::zeigerKarte = 1;
    app->FormMouseWheelDown(pvl::peFormMouseDown, 0, 0);
    app->FormMouseWheelDown(pvl::peKey, vk::Escape, 0);
    EXPECT_EQ(glapp::aStatus, glapp::asEingabe);
    EXPECT_NE(app->AppState, 3);
}

TEST_F(Form, ShutDownLogsEveryStepWithItsOk) {
    app->event(pvl::peDestroy, -5);
    const std::string l = log();
    const char* schritte[] = {"SAVEALL", "SAVESETTZ", "K12_FREE",  "HC_FREE,IHC_FREE",
                              "CG_FREE", "SNDFREE",   "SCODEFREE", "POKC_FREE"};
    size_t pos = 0;
    for (const char* s : schritte) {
        const std::string zeile = std::string("unit1.onclose(-5).") + s + "\r\nOK\r\n";
        const size_t p = l.find(zeile, pos);
        ASSERT_NE(p, std::string::npos) << s << " missing or out of order in\n" << l;
        pos = p + zeile.size();
    }
    EXPECT_EQ(l.find("Objekte"), std::string::npos) << "start-up texts belong in no log";
    EXPECT_TRUE(fs::exists(dir / "data" / "settings" /
                           ("di_" + std::to_string(dialoge::ids().kartenspiele) + ".dco")));
}

TEST_F(Form, AFailingShutDownStepIsLoggedAndTheNextOnesRun) {
    glapp::abschnitt(*app, "eins", [] { throw std::runtime_error("kaputt"); });
    glapp::abschnitt(*app, "zwei", [] {});
    EXPECT_NE(log().find("eins\r\nFEHLER: kaputt\r\nzwei\r\nOK\r\n"), std::string::npos) << log();
}

TEST_F(Form, SecondStartRestoresTheSavedDialogStates) {
    const int menue = dialoge::ids().kartenspiele;
    const int knopf = dialoge::ids().ende;
    app->SetBoolean(menue, knopf, true);
    app->event(pvl::peDestroy, -5);
    app.reset();
    leeren();
    app = std::make_unique<glapp::Tglapp>(host, dir);
    app->FormCreate();
    app->event(pvl::peStartup, -1);
    EXPECT_TRUE(app->isChecked(menue, knopf));
}

TEST_F(Form, NameFromTheConfigurationGoesToSeatOne) {
    setenv("XDG_CONFIG_HOME", (dir / "cfg").c_str(), 1);
    fs::create_directories(pendrelshare::configFile().parent_path());
    ASSERT_TRUE(fileio::writeAll(pendrelshare::configFile(), std::string("Username=Ulrike Test\n")));
    app->event(pvl::peWindowInit, -17);
    app->event(pvl::peStartup, -1);
    EXPECT_EQ(glapp::userName, "Ulrike");
    EXPECT_TRUE(glapp::nameWeiblich);
    EXPECT_EQ(cg.spieler.at(1).name.str(), "Ulrike");
    EXPECT_EQ(cg.spieler.at(1).stimme, 1);
    unsetenv("XDG_CONFIG_HOME");
}

// Each step of the first start's graphics test puts the window over the whole screen and adds
// a dot to "Initialisieren", also when no name is configured.
TEST_F(Form, FirstStartStepsCoverTheScreenAndCountDots) {
    setenv("XDG_CONFIG_HOME", (dir / "leer").c_str(), 1);
    glapp::initZeile.clear();
    host.setScreen(1366, 768);
    host.setWindow({40, 30, 640, 480});
    const char* zeilen[] = {"Initialisieren.", "Initialisieren..", "Initialisieren..."};
    for (const char* z : zeilen) {
        SCOPED_TRACE(z);
        app->event(pvl::peWindowInit, -17);
        EXPECT_EQ(glapp::initZeile, z);
        const pvlhost::Rect r = host.window();
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.top, 0);
        EXPECT_EQ(r.width, 1366);
        EXPECT_EQ(r.height, 768);
    }
    glapp::initZeile.clear();
    unsetenv("XDG_CONFIG_HOME");
}

// Hover: legal cards rise, a card the game refuses never does, the card left sinks.
bool ungeradeSpielbar(const TKartenSlot& s) { return s.c.t % 2 == 1; }

TEST_F(Form, HoverMovesFromOneLegalCardToAnotherInOneFrame) {
    cg.spielId = spiele::kMauMau;
    tischhooks::tab().spielbar[spiele::kMauMau] = ungeradeSpielbar;
    cg.entscheidung.kartenSpiel = 1;
    TSpieler& hand = glu::spieler[0];
    hand.anz = 3;
    hand.at(1).c = karte{1, 1, 0};
    hand.at(2).c = karte{2, 1, 0};
    hand.at(3).c = karte{3, 1, 0};
    glapp::aStatus = glapp::asEingabe;
    glapp::zeigerKarte = 1;
    app->checkupdownmoves(false);
    EXPECT_TRUE(glapp::gehoben(hand.at(1).bewegung));
    glapp::zeigerKarte = 2;
    app->checkupdownmoves(false);
    EXPECT_FALSE(glapp::gehoben(hand.at(2).bewegung)) << "a card the game refuses rose";
    EXPECT_FALSE(glapp::gehoben(hand.at(1).bewegung));
    glapp::zeigerKarte = 1;
    app->checkupdownmoves(false);
    glapp::zeigerKarte = 3;
    app->checkupdownmoves(false);
    EXPECT_FALSE(glapp::gehoben(hand.at(1).bewegung));
    EXPECT_TRUE(glapp::gehoben(hand.at(3).bewegung));
    glapp::aStatus = glapp::asAnimation;
    app->checkupdownmoves(false);
    EXPECT_FALSE(glapp::gehoben(hand.at(3).bewegung)) << "a hovered card stays up while the table is busy";
    EXPECT_EQ(glapp::zeigerKarte, 0);
}

// Skat's game-type question: the button under the pointer shows the hand as that game would
// hold it. Kreuz Bube, Kreuz As, Kreuz 7 and Herz As: a Grand puts the Bube at one end of the
// hand; in a Null the Bube stands inside Kreuz between As and 7; in Herz the two trumps, Bube
// and Herz As, lie side by side.
TEST_F(Form, SkatGameTypeButtonUnderThePointerShowsTheHandInThatOrder) {
    const karte kB{4, 1, 0}, kA{8, 1, 0}, k7{1, 1, 0}, hA{8, 3, 0};
    cg.spielId = spiele::kSkat;
    cg.aktSpieler = 1;
    TEntscheidung& e = cg.entscheidung;
    e.art = 55;
    e.mitKnoepfen = 1;
    e.knopfAnzahl = 3;
    e.setzeCode(1, 11);  // Grand
    e.setzeCode(2, 10);  // Null
    e.setzeCode(3, 3);   // Herz
    TSpieler& hand = glu::spieler[0];
    auto stelle = [&](const karte& k) {
        for (int i = 1; i <= hand.anz; ++i)
            if (hand.at(i).c.t == k.t && hand.at(i).c.f == k.f) return i;
        return 0;
    };
    for (int knopf = 1; knopf <= 3; ++knopf) {
        SCOPED_TRACE(knopf);
        // each start order is one the previewed game would not keep
        hand.anz = 4;
        const karte grand[] = {hA, kB, kA, k7}, sonst[] = {kB, kA, k7, hA};
        for (int i = 1; i <= 4; ++i) hand.at(i).c = knopf == 1 ? grand[i - 1] : sonst[i - 1];
        app->CreateMouseOverEvent(central::ids.ingame, central::ids.reihe[3][knopf]);
        const int b = stelle(kB), a = stelle(kA), sieben = stelle(k7), herz = stelle(hA);
        ASSERT_TRUE(b && a && sieben && herz) << "a card went missing";
        const bool grandOrdnung = b == 1 || b == 4;
        const bool nullOrdnung = ((a < b && b < sieben) || (sieben < b && b < a)) && (herz == 1 || herz == 4);
        const bool herzOrdnung = std::abs(b - herz) == 1;
        EXPECT_TRUE(knopf == 1 ? grandOrdnung : knopf == 2 ? nullOrdnung : herzOrdnung)
            << "Bube " << b << ", Kreuz As " << a << ", Kreuz 7 " << sieben << ", Herz As " << herz;
    }
}

// Schnapsen: while the human points at a card the computer already searches its reply; the
// pointer moving onto a decision button points at no card, and that search is dropped. A button
// of another dialog, or the computer's own turn, leaves the pointed card alone.
TEST_F(Form, SchnapsenButtonUnderThePointerDropsThePointedCard) {
    struct Fall {
        bool ingame;
        int amZug;
        int zeigerDanach;
    };
    const Fall faelle[] = {{true, 1, 0}, {false, 1, 3}, {true, 2, 3}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.ingame << "/" << f.amZug);
        leeren();
        cg.spielId = spiele::kSchnapsen;
        cg.aktSpieler = static_cast<uint8_t>(f.amZug);
        cg.entscheidung.mitKnoepfen = 1;
        cg.entscheidung.knopfAnzahl = 2;
        cg.schnapsen.anzeige.zeigerSitz = 1;
        cg.schnapsen.anzeige.zeigerIndex = 3;
        const int dialog = f.ingame ? central::ids.ingame : dialoge::ids().kartenspiele;
        const int knopf = f.ingame ? central::ids.reihe[2][1] : 2;
        ASSERT_TRUE(app->validElement(dialog, knopf));
        app->CreateMouseOverEvent(dialog, knopf);
        EXPECT_EQ(+cg.schnapsen.anzeige.zeigerIndex, f.zeigerDanach);
        EXPECT_EQ(+cg.schnapsen.anzeige.zeigerSitz, f.zeigerDanach ? 1 : 0);
    }
}

// The meld area of Rommé and Canasta with whole-pile hover: the pile under the pointer rises
// with every card of it, the pile left sinks, other piles stay down; the pointer leaving the
// area for the talon or the discard pile lowers the pile as well.
TEST_F(Form, HoveredMeldRisesAsAWholePile) {
    for (int spiel : {spiele::kRomme, spiele::kCanasta}) {
        SCOPED_TRACE(spiel);
        leeren();
        cg.spielId = static_cast<uint8_t>(spiel);
        cg.ablauf.meldStapelHover = 1;
        cg.entscheidung.klickStapel1 = 12;
        cg.entscheidung.klickStapel2 = 13;
        TSpieler& meld = *glu::stapel(12, "test");
        TSpieler& ablage = *glu::stapel(13, "test");
        // pile 1: slots 1..3, pile 2: slots 4..7, pile 3: slots 8..9
        const int pile[] = {0, 1, 1, 1, 2, 2, 2, 2, 3, 3};
        meld.anz = 9;
        for (int i = 1; i <= 9; ++i) {
            meld.at(i).c = karte{static_cast<uint8_t>(i + 1), 2, 0};
            meld.at(i).hi = pile[i];
        }
        ablage.anz = 1;
        ablage.at(1).c = karte{5, 3, 0};
        glapp::aStatus = glapp::asEingabe;
        auto oben = [&] {
            std::string z;
            for (int i = 1; i <= 9; ++i) z += glapp::gehoben(meld.at(i).bewegung) ? '^' : '_';
            return z;
        };
        struct Schritt {
            int stapel, karte;
            const char* erwartet;
        };
        const Schritt schritte[] = {{12, 5, "___^^^^__"},   // a middle card of pile 2 raises all of it
                                    {12, 7, "___^^^^__"},   // along the same pile nothing changes
                                    {12, 2, "^^^______"},   // to pile 1: pile 2 goes down
                                    {12, 9, "_______^^"},   // to the last pile
                                    {0, 0, "_________"},    // off the table
                                    {12, 4, "___^^^^__"},   //
                                    {13, 1, "_________"}};  // straight onto the discard pile
        for (const Schritt& s : schritte) {
            SCOPED_TRACE(testing::Message() << s.stapel << "/" << s.karte);
            glapp::zeigerStapel = s.stapel;
            glapp::zeigerStapelKarte = s.karte;
            app->checkupdownmoves(false);
            EXPECT_EQ(oben(), s.erwartet);
        }
        glapp::zeigerStapel = glapp::zeigerStapelKarte = 0;
        app->checkupdownmoves(false);
    }
}

// Choosing a meld: a press on a hand card raises it or lowers it again; a press on a button
// lying over the hand leaves the card under the button as it is.
TEST_F(Form, MeldSelectionClickTogglesTheCardButNotThroughAButton) {
    cg.spielId = spiele::kRomme;
    cg.entscheidung.mehrfachWahl = 1;
    glapp::spielAktiv = 1;
    TSpieler& hand = glu::spieler[0];
    hand.anz = 3;
    for (int i = 1; i <= 3; ++i) hand.at(i).c = karte{static_cast<uint8_t>(i + 1), 1, 0};
    glapp::aStatus = glapp::asEingabe;
    glapp::zeigerKarte = 2;
    app->OverGui = 0;
    app->FormMouseWheelDown(pvl::peFormMouseDown, 0, 56);
    EXPECT_TRUE(glapp::gehoben(hand.at(2).bewegung));
    EXPECT_EQ(glapp::aStatus, glapp::asEingabe) << "a chosen card was played";
    app->OverGui = 1;
    app->FormMouseWheelDown(pvl::peFormMouseDown, 0, 56);
    EXPECT_TRUE(glapp::gehoben(hand.at(2).bewegung)) << "the press on the button lowered the card under it";
    glapp::zeigerKarte = 3;
    app->FormMouseWheelDown(pvl::peFormMouseDown, 0, 56);
    EXPECT_FALSE(glapp::gehoben(hand.at(3).bewegung)) << "the press on the button raised the card under it";
    app->OverGui = 0;
    glapp::zeigerKarte = 2;
    app->FormMouseWheelDown(pvl::peFormMouseDown, 0, 56);
    EXPECT_FALSE(glapp::gehoben(hand.at(2).bewegung)) << "a second press left the card up";
    cg.entscheidung.mehrfachWahl = 0;
}

// Playing a single card: a press on a button lying over the hand does not play the card under it.
TEST_F(Form, CardClickPlaysTheCardButNotThroughAButton) {
    cg.spielId = spiele::kSchwimmen;
    cg.entscheidung.mehrfachWahl = 0;
    glapp::spielAktiv = 1;
    TSpieler& hand = glu::spieler[0];
    hand.anz = 3;
    for (int i = 1; i <= 3; ++i) hand.at(i).c = karte{static_cast<uint8_t>(i + 1), 1, 0};
    glapp::aStatus = glapp::asEingabe;
    glapp::zeigerKarte = 2;
    app->OverGui = 1;
    app->FormMouseWheelDown(pvl::peFormMouseDown, 0, 56);
    EXPECT_EQ(glapp::aStatus, glapp::asEingabe) << "the press on the button played the card under it";
    app->OverGui = 0;
    app->FormMouseWheelDown(pvl::peFormMouseDown, 0, 56);
    EXPECT_EQ(glapp::aStatus, glapp::asAnimation) << "a press on the card did not play it";
}

// The decision buttons as the shell lays them out lie over the hand: a press on one of them,
// greyed or not, and straight after a move, never reaches the card under it, in any game.
TEST_F(Form, APressOnADecisionButtonNeverReachesTheHandUnderIt) {
    app->ViewWidth = 807;
    app->ViewHeight = 607;
    struct Fall {
        int spiel;
        uint8_t mehrfach;
        const char* texte[4];
    };
    const Fall faelle[] = {{spiele::kCanasta, 1, {"", "!Melden", "!Neu beginnen", "!Fertig"}},
                           {spiele::kRomme, 1, {"", "!Auslegen", "!Fertig", "!Neu beginnen"}},
                           {spiele::kSkat, 0, {"", "!Hand", "!Schneider", "!Schwarz"}}};
    const dialoge::Ids& d = dialoge::ids();
    app->HideDialog(d.kartenspiele);  // in a game the main menu is away
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.spiel);
        cg.spielId = static_cast<uint8_t>(f.spiel);
        cg.aktSpieler = 1;
        cg.entscheidung = TEntscheidung{};
        cg.entscheidung.mitKnoepfen = 1;
        cg.entscheidung.knopfAnzahl = 3;
        cg.entscheidung.kartenSpiel = 1;
        cg.entscheidung.mehrfachWahl = f.mehrfach;
        for (int k = 1; k <= 3; ++k) cg.entscheidung.texte[k] = text::w(f.texte[k]);
        central::dialogAnordnen(cg, false, false);
        ASSERT_TRUE(app->dlg(d.ingame).Visible);
        glapp::spielAktiv = 1;
        TSpieler& hand = glu::spieler[0];
        hand.anz = 3;
        for (int i = 1; i <= 3; ++i)
            hand.at(i) = TKartenSlot{}, hand.at(i).c = karte{static_cast<uint8_t>(i), 1, 0};
        const auto gedrueckt = [&](int k, bool grau) {
            const int e = central::ids.reihe[3][k];
            app->SetEnabled(d.ingame, e, !grau);
            const pvl::TPVLDialog& g = app->dlg(d.ingame);
            const pvl::TPVLElement& el = g.el(e);
            app->pointAt(5, 5);  // the last frame's hover: the pointer rested far away
            glapp::aStatus = glapp::asEingabe;
            glapp::zeigerKarte = 2;  // the card the pick found under the button
            const int x = g.X + el.X + el.Width / 2, y = g.Y + el.Y + el.Height / 2;
            app->FormMouseDown(x, y);
            app->FormMouseUp(5, 5);  // let go elsewhere: the button's own action is not under test
            return glapp::gehoben(hand.at(2).bewegung) || glapp::aStatus != glapp::asEingabe;
        };
        EXPECT_FALSE(gedrueckt(1, true)) << "a greyed button let the press through";
        EXPECT_FALSE(gedrueckt(3, false)) << "the press on the button reached the card";
        // Beside the dialog the same press is a click on the card.
        app->pointAt(5, 5);
        glapp::aStatus = glapp::asEingabe;
        glapp::zeigerKarte = 2;
        app->FormMouseDown(60, 590);
        EXPECT_TRUE(glapp::gehoben(hand.at(2).bewegung) || glapp::aStatus != glapp::asEingabe);
        app->FormMouseUp(60, 590);
        app->InvsbDialog(d.ingame);
    }
    glapp::spielAktiv = 0;
    cg.entscheidung = TEntscheidung{};
}

TEST_F(Form, TheKeyboardOnTheTablePanelStandsForTheMouse) {
    cg.spielId = spiele::kMauMau;
    tischhooks::tab().spielbar[spiele::kMauMau] = ungeradeSpielbar;
    cg.entscheidung.kartenSpiel = 1;
    glu::spieler[0].anz = 3;
    for (int i = 1; i <= 3; ++i) glu::spieler[0].at(i).c = karte{static_cast<uint8_t>(i), 1, 0};
    glu::spieler[10].anz = 5;  // the talon
    glu::spieler[11].anz = 4;  // the middle
    central::ids.ipanel = 7;
    for (int k = 1; k <= 25; ++k) central::ids.tab[k] = 100 + k;
    struct Fall {
        bool tastatur;
        int fokusPlatz, maus;
        int karte, stapel, slot;
    };
    const Fall faelle[] = {
        {false, 0, 3, 3, 0, 0},   // the mouse on a legal card
        {false, 0, 2, 0, 0, 0},   // a card the game refuses is none
        {false, 0, 9, 0, 0, 0},   // beyond the hand
        {true, 2, 3, 2, 0, 0},    // the focused card button wins over the mouse
        {true, 20, 3, 0, 11, 5},  // the talon button: the talon's top card
        {true, 23, 1, 0, 12, 2},  // pile button 23: slot 2 of the middle
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "focus " << f.fokusPlatz << ", mouse " << f.maus);
        app->KbdFocusOn = f.tastatur ? 1 : 0;
        app->KbdFocusDialog = 7;
        app->KbdFocusElement = f.fokusPlatz ? 100 + f.fokusPlatz : 0;
        glapp::zeigerStapel = 0;
        glapp::zeigerStapelKarte = 0;
        int karte = f.maus;
        glapp::tastaturZeiger(*app, karte);
        EXPECT_EQ(karte, f.karte);
        EXPECT_EQ(glapp::zeigerStapel, f.stapel);
        EXPECT_EQ(glapp::zeigerStapelKarte, f.slot);
    }
    central::ids = central::PanelIds{};
}

TEST_F(Form, CardClickPlaysOnceUntilTheTableOpensAgain) {
    cg.spielId = spiele::kMauMau;
    cg.entscheidung.kartenSpiel = 1;
    glapp::spielAktiv = 1;
    glapp::aStatus = glapp::asEingabe;
    glapp::zeigerKarte = 2;
    app->FormMouseWheelDown(pvl::peFormMouseDown, 0);
    EXPECT_EQ(glapp::aStatus, glapp::asAnimation);
    EXPECT_EQ(cg.antwort.art, central::kKarte);
    EXPECT_EQ(cg.antwort.wert2, 2);
    cg.antwort.wert2 = 0;
    app->FormMouseWheelDown(pvl::peFormMouseDown, 0);
    EXPECT_EQ(cg.antwort.wert2, 0) << "a double click sent a second card";
}

TEST_F(Form, ShellFillsWhatTheLowerUnitsLeftOpen) {
    EXPECT_EQ(central::dienste.app, app.get());
    EXPECT_NE(central::dienste.spielZustand, nullptr);
    EXPECT_NE(central::dienste.tischModusSetzen, nullptr);
    EXPECT_NE(central::dienste.stoppuhrStart, nullptr);
    EXPECT_NE(central::dienste.stoppuhrStopp, nullptr);
    EXPECT_TRUE(static_cast<bool>(spielliste::anbindung.spielZustandSetzen));
    EXPECT_NE(central::dienste.stapelAnzahl, nullptr);
    EXPECT_NE(tischhooks::tab().effekt, nullptr);
    EXPECT_EQ(tischhooks::tab().schale, &glapp::schale);
    EXPECT_TRUE(static_cast<bool>(app->Hooks.statisticsRefresh));
    EXPECT_TRUE(static_cast<bool>(app->Hooks.toggleStatistics));
    EXPECT_TRUE(static_cast<bool>(app->SavedPaint));
    EXPECT_GT(gtool::umgebung.blasenZeit, 0);
    // Loading a game saved after its round: the panels go, the score table comes.
    const dialoge::Ids& d = dialoge::ids();
    ASSERT_TRUE(app->validDialog(d.farbpanel));
    ASSERT_TRUE(static_cast<bool>(spielstand::anbindung.phaseFuenf));
    app->dlg(d.farbpanel).Visible = 1;
    app->dlg(d.buttonpanel).Visible = 1;
    spielstand::anbindung.phaseFuenf();
    EXPECT_EQ(app->dlg(d.farbpanel).Visible, 0);
    EXPECT_EQ(app->dlg(d.buttonpanel).Visible, 0);
    // The table engine writes the shell's input state through its hook table.
    central::dienste.tischModusSetzen(glapp::asEingabe);
    EXPECT_EQ(tischhooks::schale().tischModus, glapp::asEingabe);
}

}  // namespace
