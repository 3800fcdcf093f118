#include "core/central.h"
#include "core/panel.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/entscheidung.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/seams.h"
#include "core/spiele.h"
#include "gui/pvl.h"
#include "platform/msgsink.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "platform/ticks.h"

namespace {

// A game that only counts what the core asks of it.
struct Zaehler {
    int schritte = 0, ki = 0, neu = 0, laden = 0, nachZug = 0;
    bool frisch = false;
    int letzteArt = -1;
};
Zaehler z;

spiele::Eintrag fakeSpiel(bool mitNachZug) {
    spiele::Eintrag e;
    e.spielSchritt = [](TCG&) { ++z.schritte; };
    e.kiTick = [] { ++z.ki; };
    e.neuesSpiel = [](bool frisch) {
        ++z.neu;
        z.frisch = frisch;
    };
    e.spielLaden = [] { ++z.laden; };
    if (mitNachZug)
        e.nachZug = [](int art, int, int) {
            ++z.nachZug;
            z.letzteArt = art;
        };
    return e;
}

class Central : public testing::Test {
protected:
    void SetUp() override {
        std::memset(static_cast<void*>(&cg), 0, sizeof(TCG));
        z = Zaehler{};
        central::dienste = central::Dienste{};
        central::ids = central::PanelIds{};
        entscheidung::fragen = entscheidung::Fragen{};
        for (int id = 0; id < spiele::kAnzahl; ++id) spiele::abmelden(id);
        central::spielNamenZuruecksetzen();
        envParam = TEnvParam{};
        envParam.kiVerzoegerung = 0;
        rnd::seed(7);
    }
    void TearDown() override {
        for (int id = 0; id < spiele::kAnzahl; ++id) spiele::abmelden(id);
        central::dienste = central::Dienste{};
        central::ids = central::PanelIds{};
        central::spielNamenZuruecksetzen();
        envParam = TEnvParam{};
    }
    // A game in its trick phase whose question is open.
    void laufend(int id) {
        ASSERT_TRUE(spiele::anmelden(id, fakeSpiel(true)));
        cg.spielId = static_cast<uint8_t>(id);
        cg.ablauf.anzSpieler = 4;
        cg.aktSpieler = 1;
    }
    msgsink::Capture meldungen;
    ticks::Manual uhr{100000};
};

// ---- the action entry ----

TEST_F(Central, AntwortAcceptanceMatrix) {
    laufend(spiele::kSchwimmen);
    struct Case {
        int art;
        uint8_t piles, cards;
        bool accepted;
    };
    const Case cases[] = {
        {0, 0, 0, false}, {0, 1, 0, false}, {0, 0, 1, true},   {3, 0, 1, false},
        {3, 1, 0, true},  {2, 0, 0, true},  {4, 0, 0, true},   {6, 0, 0, true},
        {5, 1, 1, false}, {7, 1, 1, false}, {-1, 1, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "kind " << c.art << " piles " << int(c.piles) << " cards " << int(c.cards));
        cg.entscheidung.stapelKlick = c.piles;
        cg.entscheidung.kartenSpiel = c.cards;
        cg.entscheidung.mitKnoepfen = 0;
        cg.antwort.offen = 2;
        cg.antwort.art = 99;
        cg.antwort.wert1 = cg.antwort.wert2 = -7;
        z.nachZug = 0;
        EXPECT_EQ(central::antwort(cg, c.art, 12, 3), c.accepted);
        EXPECT_EQ(cg.antwort.offen, c.accepted ? 0 : 2);
        EXPECT_EQ(cg.antwort.art, c.accepted ? c.art : 99);
        EXPECT_EQ(cg.antwort.wert1, c.accepted ? 12 : -7);
        EXPECT_EQ(cg.antwort.wert2, c.accepted ? 3 : -7);
        EXPECT_EQ(z.nachZug, c.accepted ? 1 : 0);
    }
}

TEST_F(Central, AntwortKindOneOnlyStoresTheHand) {
    laufend(spiele::kRomme);
    hand h{};
    h.anz = 2;
    h.at(1) = karte{3, 2, 0};
    h.at(2) = karte{4, 1, 0};
    cg.antwort.offen = 2;
    cg.entscheidung.stapelKlick = cg.entscheidung.kartenSpiel = 0;
    central::antwort(cg, central::kAuswahl, 5, 5, &h);
    EXPECT_EQ(cg.gespielteHand.anz, 2);
    EXPECT_EQ(cg.gespielteHand.at(2).t, 4);
    EXPECT_EQ(cg.antwort.offen, 2);
    EXPECT_EQ(z.nachZug, 0);
}

// A computer seat pressing a code the open question does not offer is refused.
TEST_F(Central, AntwortRefusesCodeNotOffered) {
    laufend(spiele::kSkat);
    cg.aktSpieler = 2;
    central::entscheidungAbfragen(cg, 50);  // "Skat nehmen" 51, "Handspiel" 45
    for (int code : {0, 43, 52, -1}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(central::antwort(cg, central::kKnopf, 0, code));
        EXPECT_EQ(cg.antwort.offen, 2);
    }
    EXPECT_TRUE(central::antwort(cg, central::kKnopf, 0, 45));
    EXPECT_EQ(cg.antwort.offen, 0);
    EXPECT_EQ(cg.antwort.wert2, 45);
    // A question without buttons lets announcements through.
    central::entscheidungsDialog(cg, 58);
    EXPECT_TRUE(central::antwort(cg, central::kKnopf, 0, 99));
}

TEST_F(Central, AntwortClampsValuesOutside16BitsAndSaysSo) {
    laufend(spiele::kPoker);
    struct Case {
        int w1, w2;
        int16_t s1, s2;
        bool meldung;
    };
    const Case cases[] = {{32767, -32768, 32767, -32768, false},
                          {32768, 0, 32767, 0, true},
                          {0, -40000, 0, -32768, true},
                          {100000, 2, 32767, 2, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w1 << "/" << c.w2);
        msgsink::clear();
        EXPECT_TRUE(central::antwort(cg, central::kStich, c.w1, c.w2));
        EXPECT_EQ(cg.antwort.wert1, c.s1);
        EXPECT_EQ(cg.antwort.wert2, c.s2);
        EXPECT_EQ(meldungen.contains("central.antwort"), c.meldung);
    }
}

// ---- the game step ----

TEST_F(Central, StepGateEachBlockerHoldsTheStep) {
    laufend(spiele::kMauMau);
    static bool zustand2, pause, chipsBusy;
    static int sprache, chipsGefragt;
    central::dienste.spielZustand = [] { return static_cast<uint8_t>(zustand2 ? 2 : 1); };
    central::dienste.pause = [] { return pause; };
    central::dienste.chipsFertig = [] {
        ++chipsGefragt;
        return !chipsBusy;
    };
    seams::ton.sprachQueue = [](int) { return sprache; };
    struct Case {
        const char* name;
        void (*setzen)();
        bool chipsAsked;  // the chip animation advances only behind the first three tests
    };
    const Case cases[] = {
        {"none", [] {}, true},
        {"game state 2", [] { zustand2 = true; }, false},
        {"pause", [] { pause = true; }, false},
        {"speech", [] { sprache = 3; }, false},
        {"chips", [] { chipsBusy = true; }, true},
        {"pending", [] { cg.antwort.offen = 2; }, true},
        {"bubble",
         [] {
             cg.sprechblasen.zustand[3] = 3;
             cg.sprechblasen.slot[3].start = ticks::now();
             cg.sprechblasen.slot[3].dauer = 5000;
         },
         true},
        {"move", [] { cg.bewegungWarten.aktiv = 1; }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        zustand2 = pause = chipsBusy = false;
        sprache = chipsGefragt = 0;
        cg.antwort.offen = 0;
        cg.sprechblasen = TSprechblasen{};
        cg.bewegungWarten.aktiv = 0;
        c.setzen();
        const int vorher = z.schritte;
        central::spielSchritt(cg);
        EXPECT_EQ(z.schritte - vorher, std::string(c.name) == "none" ? 1 : 0);
        EXPECT_EQ(chipsGefragt > 0, c.chipsAsked);
    }
    seams::ton = seams::Ton{};
}

// Without a shell hook a seat's words show in the bubble beside its cards, and the step closes
// the bubble once its time has run out; a bubble said with the flag stays.
TEST_F(Central, SpokenBubbleShowsBesideTheSeatUntilItsTimeRunsOut) {
    laufend(spiele::kJass);
    panel::leeren();
    gtool::umgebung.blasenZeit = 1000;
    uhr.set(10000);
    gtool::sagen("Weiter", 2, 0, false);
    gtool::sagen("Bleibt", 3, 0, true);
    EXPECT_TRUE(panel::sitz[2].bubbleVisible);
    EXPECT_EQ(panel::sitz[2].bubble, "?Weiter");
    central::spielSchritt(cg);
    EXPECT_TRUE(panel::sitz[2].bubbleVisible);
    uhr.set(11001);
    central::spielSchritt(cg);
    EXPECT_FALSE(panel::sitz[2].bubbleVisible);
    EXPECT_TRUE(panel::sitz[3].bubbleVisible);
    EXPECT_EQ(panel::sitz[3].bubble, "?Bleibt");
    panel::leeren();
}

// The turn marker stands at one seat at a time; status icons of other seats stay.
TEST(Panel, TurnMarkerMovesAndLeavesStatusIcons) {
    panel::leeren();
    panel::bilder.dran = 7;
    panel::bilder.klopf = 9;
    panel::icon(3, panel::bilder.klopf);
    panel::amZug(1);
    panel::amZug(2);
    EXPECT_FALSE(panel::sitz[1].iconVisible);
    EXPECT_TRUE(panel::sitz[2].iconVisible);
    EXPECT_EQ(panel::sitz[2].icon, 7);
    EXPECT_EQ(panel::sitz[3].icon, 9);
    panel::amZug(0);
    EXPECT_FALSE(panel::sitz[2].iconVisible);
    EXPECT_TRUE(panel::sitz[3].iconVisible);
    panel::iconsVerbergen();
    EXPECT_FALSE(panel::sitz[3].iconVisible);
    panel::bilder = panel::Bilder{};
}

TEST_F(Central, StepRunsOnlyForRunningGames) {
    for (int id : {10, 11, 13, 255}) {
        SCOPED_TRACE(id);
        cg.spielId = static_cast<uint8_t>(id);
        central::spielSchritt(cg);
    }
    cg.spielId = spiele::kSkat;  // not registered: nothing pretends to play
    central::spielSchritt(cg);
    EXPECT_EQ(z.schritte, 0);
    laufend(spiele::kJass);
    central::spielSchritt(cg);
    EXPECT_EQ(z.schritte, 1);
    EXPECT_EQ(cg.schrittZeit.tick, ticks::now());
}

// The computer seat acts in the first frame in which the delay has passed since the last step;
// a sped-up poker table reaches it sooner.
TEST_F(Central, ComputerDelay) {
    struct Case {
        int id;
        float faktor;  // 0: no speed-up
        uint32_t ersterZug;
    };
    const Case cases[] = {
        {spiele::kSchafkopf, 0, 2000}, {spiele::kPoker, 2.8f, 715}, {spiele::kPoker, 0, 2000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " " << c.faktor);
        SetUp();
        laufend(c.id);
        static float faktor;
        faktor = c.faktor;
        envParam.kiVerzoegerung = 2000;
        central::dienste.pokerTempo = [](float& f) {
            f = faktor;
            return faktor > 0;
        };
        cg.aktSpieler = 2;
        cg.stapelListen[2].computer = 1;
        central::spielSchritt(cg);
        central::spielSchritt(cg);  // the last step ran now, and a frame measured it
        ASSERT_EQ(z.schritte, 2);
        cg.antwort.offen = 2;  // what the step's question does
        uint32_t vergangen = 0;
        while (z.ki == 0 && vergangen < 5000) {
            uhr.advance(1);
            ++vergangen;
            central::spielSchritt(cg);
        }
        // The time is measured in one frame and acted on in the next.
        EXPECT_EQ(vergangen, c.ersterZug + 1);
    }
}

TEST_F(Central, ComputerTurnPacksAndUnpacksExceptInSkat) {
    static int gepackt, entpackt;
    for (int id : {spiele::kSkat, spiele::kDoppelkopf}) {
        SCOPED_TRACE(id);
        SetUp();
        laufend(id);
        gepackt = entpackt = 0;
        central::dienste.packen = [] { ++gepackt; };
        central::dienste.entpacken = [] { ++entpackt; };
        cg.aktSpieler = 3;
        cg.stapelListen[3].computer = 1;
        cg.antwort.offen = 2;
        central::spielSchritt(cg);
        EXPECT_EQ(z.ki, 1);
        EXPECT_EQ(gepackt, 1);
        EXPECT_EQ(entpackt, id == spiele::kSkat ? 0 : 1);
        // The human seat on turn is never played by the computer.
        cg.aktSpieler = 1;
        central::spielSchritt(cg);
        EXPECT_EQ(z.ki, 1);
    }
}

// Stopwatch 4 times the packing, 3 the computer turn, 2 the game's step, each around its work.
TEST_F(Central, StopwatchesTimePackingComputerTurnAndStep) {
    static std::string spur;
    spur.clear();
    spiele::Eintrag e = fakeSpiel(false);
    e.spielSchritt = [](TCG&) { spur += "S "; };
    e.kiTick = [] { spur += "K "; };
    ASSERT_TRUE(spiele::anmelden(spiele::kDoppelkopf, e));
    cg.spielId = spiele::kDoppelkopf;
    cg.ablauf.anzSpieler = 4;
    central::dienste.stoppuhrStart = [](int nr) { spur += "+" + std::to_string(nr) + " "; };
    central::dienste.stoppuhrStopp = [](int nr) { spur += "-" + std::to_string(nr) + " "; };
    central::dienste.packen = [] { spur += "P "; };
    central::dienste.entpacken = [] { spur += "E "; };
    struct Case {
        int seat;
        uint8_t offen;
        const char* spur;
    };
    const Case cases[] = {{3, 2, "+4 P -4 +3 K -3 E "}, {3, 0, "+2 S -2 "}, {1, 2, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.seat << "/" << int(c.offen));
        spur.clear();
        cg.aktSpieler = c.seat;
        cg.stapelListen[3].computer = 1;
        cg.antwort.offen = c.offen;
        central::spielSchritt(cg);
        EXPECT_EQ(spur, c.spur);
    }
}

TEST_F(Central, BubblesCloseAfterTheirTimeAndSpeech) {
    laufend(spiele::kSchwimmen);
    static int spricht;
    seams::ton.sprachQueue = [](int seat) { return seat == 2 ? spricht : 0; };
    cg.sprechblasen.zustand[2] = 3;
    cg.sprechblasen.slot[2].start = ticks::now();
    cg.sprechblasen.slot[2].dauer = 1000;
    spricht = 3;
    uhr.advance(1001);
    central::spielSchritt(cg);
    EXPECT_EQ(cg.sprechblasen.zustand[2], 3);  // still speaking
    EXPECT_EQ(cg.sprechblasen.aktiv, 3);
    EXPECT_EQ(z.schritte, 0);
    spricht = 0;
    central::spielSchritt(cg);
    EXPECT_EQ(cg.sprechblasen.zustand[2], 0);
    EXPECT_EQ(cg.sprechblasen.aktiv, 0);
    EXPECT_EQ(z.schritte, 1);
    seams::ton = seams::Ton{};
}

// ---- move completion ----

std::vector<karte> stapel;

TEST_F(Central, MoveCompletionNeedsTheAwaitedTag) {
    laufend(spiele::kMauMau);
    stapel = {karte{1, 1, 0}, karte{0, 0, 0}, karte{0, 0, 0}, karte{3, 2, 0}};
    central::dienste.stapelAnzahl = [](int) { return static_cast<int>(stapel.size()); };
    central::dienste.stapelKarte = [](int, int slot) { return stapel[static_cast<size_t>(slot - 1)]; };
    central::dienste.stapelKarteEntfernen = [](int, int slot) { stapel.erase(stapel.begin() + (slot - 1)); };
    cg.bewegungWarten.aktiv = 1;
    cg.bewegungWarten.halter = 12;
    cg.bewegungWarten.marke = 4;
    central::bewegungFertig(cg, 12, 0, 3);
    central::bewegungFertig(cg, 11, 0, 4);
    EXPECT_EQ(cg.bewegungWarten.aktiv, 1);
    EXPECT_EQ(stapel.size(), 4u);
    central::spielSchritt(cg);
    EXPECT_EQ(z.schritte, 0);
    central::bewegungFertig(cg, 12, 0, 4);
    EXPECT_EQ(cg.bewegungWarten.aktiv, 0);
    EXPECT_EQ(cg.bewegungWarten.halter, 0);
    EXPECT_EQ(cg.bewegungWarten.marke, 0);
    ASSERT_EQ(stapel.size(), 2u);  // both emptied slots, side by side, are gone
    EXPECT_EQ(stapel[1].t, 3);
    central::spielSchritt(cg);
    EXPECT_EQ(z.schritte, 1);
}

// ---- decision state in the record ----

TEST_F(Central, KindWithoutRowKeepsButtonsAndKind) {
    laufend(spiele::kMauMau);
    static int32_t zieh, rolle;
    entscheidung::fragen.maumauSetzen = [](int32_t n, int32_t r) {
        zieh = n;
        rolle = r;
    };
    central::entscheidungsDialog(cg, 33);
    EXPECT_EQ(cg.entscheidung.knopfAnzahl, 4);
    EXPECT_EQ(cg.entscheidung.stapelKlick, 0);
    EXPECT_EQ(cg.entscheidung.kartenSpiel, 0);
    zieh = rolle = 9;
    central::entscheidungsDialog(cg, 0);
    EXPECT_EQ(cg.entscheidung.stapelKlick, 1);
    EXPECT_EQ(cg.entscheidung.kartenSpiel, 1);
    EXPECT_EQ(cg.entscheidung.mitKnoepfen, 0);
    EXPECT_EQ(cg.entscheidung.klickStapel1, 11);
    EXPECT_EQ(cg.entscheidung.knopfAnzahl, 4);
    EXPECT_EQ(cg.entscheidung.art, 33);
    EXPECT_EQ(cg.entscheidung.texte[1].str(), "! Kreuz");
    EXPECT_EQ(zieh, 0);
    EXPECT_EQ(rolle, 0);
    // A row without buttons keeps the captions but shows none.
    central::entscheidungsDialog(cg, 80);
    EXPECT_EQ(cg.entscheidung.mitKnoepfen, 0);
    EXPECT_EQ(cg.entscheidung.art, 80);
    EXPECT_EQ(cg.entscheidung.code(1), 1);
}

TEST_F(Central, ButtonsMessageLineAndCodesInTheRecord) {
    laufend(spiele::kPoker);
    static entscheidung::PokerLage lage;
    lage.label[0] = "Setzen ";
    lage.label[2] = "Weiter ";
    lage.label[3] = "Passen";
    lage.label[4] = "Alles setzen";
    lage.erhoehung = std::string(90, 'x');
    lage.potGewinner = "Anna gewinnt 40";
    entscheidung::fragen.poker = [](int) { return lage; };
    central::entscheidungsDialog(cg, 98);
    const TEntscheidung& st = cg.entscheidung;
    EXPECT_EQ(st.mitKnoepfen, 1);
    EXPECT_EQ(st.knopfAnzahl, 4);
    EXPECT_EQ(st.texte[0].size(), 0);
    EXPECT_EQ(st.texte[3].size(), 80);  // cut to the record's 80 characters
    const int16_t codes[] = {43, 42, 100, 101};
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(st.code(k), codes[k - 1]);
    EXPECT_EQ(st.art, 98);
    central::entscheidungsDialog(cg, 102);
    EXPECT_EQ(st.knopfAnzahl, 1);
    EXPECT_EQ(st.texte[0].str(), "Anna gewinnt 40");
    EXPECT_EQ(st.texte[2].size(), 0);
}

TEST_F(Central, CommonStartClearsTheRound) {
    laufend(spiele::kRomme);
    envParam.kartenGroesse = 1;
    envParam.austeilen = 2;
    central::dienste.menschName = [](int) { return std::string("Hanna"); };
    central::dienste.staerke = [](int, int seat) { return seat == 2 ? 1 : 2; };
    cg.bekannteKarten.at(2).anz = 3;
    cg.bekannteKarten.at(9).anz = 3;
    cg.bekannteKarten.at(16).anz = 3;
    cg.bekannteKarten.at(5).anz = 3;  // seat 5 does not play
    cg.entscheidung.stapelKlick = 1;
    cg.entscheidung.art = 79;
    cg.ablauf.meldModus = 1;
    cg.bewegungWarten.aktiv = 1;
    cg.phase.fluss3 = 4;
    cg.spieler.at(1).stimme = 9;
    central::neuesSpielAllgemein(cg);
    EXPECT_FLOAT_EQ(cg.kartenSkala, 0.8f);
    EXPECT_EQ(cg.ablaufEinstellung, 2);
    EXPECT_EQ(cg.bekannteKarten.at(2).anz, 0);
    EXPECT_EQ(cg.bekannteKarten.at(9).anz, 0);
    EXPECT_EQ(cg.bekannteKarten.at(16).anz, 0);
    EXPECT_EQ(cg.bekannteKarten.at(5).anz, 3);
    EXPECT_EQ(cg.entscheidung.stapelKlick, 0);
    EXPECT_EQ(cg.entscheidung.art, 0);
    EXPECT_EQ(cg.ablauf.meldModus, 0);
    EXPECT_EQ(cg.bewegungWarten.aktiv, 0);
    EXPECT_EQ(cg.phase.fluss3, 0);
    EXPECT_EQ(cg.spieler.at(1).name.str(), "Hanna");
    EXPECT_EQ(cg.spieler.at(1).stimme, 4);
    EXPECT_EQ(cg.sitzEinstellungen.at(1).staerke, 3);
    EXPECT_EQ(cg.sitzEinstellungen.at(2).staerke, 1);
    EXPECT_EQ(cg.sitzEinstellungen.at(4).staerke, 2);
}

TEST_F(Central, RestoreNamesTheVariantAndPokerForm) {
    struct Case {
        int id;
        uint8_t flag, pot, split;
        int eintrag;
        const char* anzeige;
        const char* code;
    };
    const Case cases[] = {{spiele::kSchnapsen, 1, 0, 0, 7, "Sechsundsechzig", "66_"},
                          {spiele::kBlackJack, 1, 0, 0, 9, "17 und 4", "174"},
                          {spiele::kPoker, 0, 0, 0, 8, "No Limit Poker", "nlp"},
                          {spiele::kPoker, 0, 1, 0, 8, "Pot Limit Poker", "plp"},
                          {spiele::kPoker, 0, 1, 1, 8, "Split Limit Poker", "slp"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        central::spielNamenZuruecksetzen();
        cg.spielId = static_cast<uint8_t>(c.id);
        cg.schnapsen.sechsundsechzig = c.flag;
        cg.blackjack.siebzehnUndVier = c.flag;
        cg.poker.potLimit = c.pot;
        cg.poker.splitLimit = c.split;
        central::tischWiederherstellen(cg);
        EXPECT_EQ(central::spielNamen.anzeige[c.eintrag], c.anzeige);
        EXPECT_EQ(central::spielNamen.code[c.eintrag], c.code);
    }
}

TEST_F(Central, LoadRestoresOnlyAGameThatCanRun) {
    for (int id : {10, 11, 13, 200}) {
        SCOPED_TRACE(id);
        msgsink::clear();
        cg.spielId = static_cast<uint8_t>(id);
        EXPECT_FALSE(central::nachLaden(cg));
        EXPECT_FALSE(meldungen.texts().empty());
    }
    cg.spielId = spiele::kJass;
    EXPECT_FALSE(central::nachLaden(cg));  // not built
    EXPECT_EQ(z.laden, 0);
    laufend(spiele::kJass);
    cg.optionenWahl = 3;
    cg.spieler.at(2).name = std::string(120, 'n');
    cg.spieler.at(2).stimme = 0;
    EXPECT_TRUE(central::nachLaden(cg));
    EXPECT_EQ(z.laden, 1);
    EXPECT_EQ(envParam.optionenWahl, 3);
    EXPECT_EQ(envParam.namen[2].str().size(), 100u);
    EXPECT_EQ(envParam.stimmen[2], 4);
}

// ---- game start ----

TEST_F(Central, VariantIdsStartTheirBaseGame) {
    ASSERT_TRUE(spiele::anmelden(spiele::kSchnapsen, fakeSpiel(false)));
    ASSERT_TRUE(spiele::anmelden(spiele::kBlackJack, fakeSpiel(false)));
    struct Case {
        int id, basis;
        uint8_t flag66, flag174;
        const char* name7;
        const char* name9;
    };
    const Case cases[] = {{10, 7, 1, 0, "Sechsundsechzig", "Black Jack"},
                          {7, 7, 0, 0, "Schnapsen", "Black Jack"},
                          {11, 9, 0, 1, "Schnapsen", "17 und 4"},
                          {9, 9, 0, 0, "Schnapsen", "Black Jack"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_TRUE(central::neuesSpiel(cg, c.id, 0));
        EXPECT_EQ(cg.spielId, c.basis);
        EXPECT_EQ(cg.spielIdMenue, c.id);
        EXPECT_EQ(cg.schnapsen.sechsundsechzig, c.flag66);
        EXPECT_EQ(cg.blackjack.siebzehnUndVier, c.flag174);
        EXPECT_EQ(central::spielNamen.anzeige[7], c.name7);
        EXPECT_EQ(central::spielNamen.anzeige[9], c.name9);
        EXPECT_TRUE(z.frisch);
    }
    EXPECT_EQ(central::spielNamen.code[7], "snp");
}

TEST_F(Central, AbsentGameSaysSoAndChangesNothing) {
    cg.spielId = spiele::kMauMau;
    cg.konto[1] = 77;
    EXPECT_FALSE(central::neuesSpiel(cg, spiele::kDoppelkopf, 0));
    EXPECT_TRUE(meldungen.contains("Doppelkopf"));
    EXPECT_EQ(cg.spielId, spiele::kMauMau);
    EXPECT_EQ(cg.konto[1], 77);
    EXPECT_EQ(z.neu, 0);
    // A half-filled table is never registered.
    spiele::Eintrag halb = fakeSpiel(false);
    halb.kiTick = nullptr;
    EXPECT_FALSE(spiele::anmelden(spiele::kDoppelkopf, halb));
    EXPECT_FALSE(spiele::anmelden(spiele::kSechsundsechzig, fakeSpiel(false)));
}

TEST_F(Central, NewMatchResetsAccountsNextGameKeepsThem) {
    ASSERT_TRUE(spiele::anmelden(spiele::kPoker, fakeSpiel(false)));
    ASSERT_TRUE(spiele::anmelden(spiele::kSchnapsen, fakeSpiel(false)));
    ASSERT_TRUE(spiele::anmelden(spiele::kRomme, fakeSpiel(false)));
    central::dienste.spielerAnzahl = [] { return 3; };
    central::dienste.schnapsenBummerl = [] { return int32_t{7}; };
    struct Case {
        int id;
        int32_t start;
    };
    for (const Case c : {Case{spiele::kRomme, 0}, Case{spiele::kPoker, 150}, Case{spiele::kSchnapsen, 7}}) {
        SCOPED_TRACE(c.id);
        cg.konto[1] = cg.konto[3] = 99;
        cg.spielliste.runden = 5;
        cg.antwort.offen = 2;
        cg.bewegungWarten.aktiv = 1;
        cg.sprechblasen.zustand[0] = cg.sprechblasen.zustand[4] = 3;
        EXPECT_TRUE(central::neuesSpiel(cg, c.id, 1));
        EXPECT_FALSE(z.frisch);
        EXPECT_EQ(cg.konto[1], 99);
        EXPECT_EQ(cg.spielliste.runden, 5);
        EXPECT_EQ(cg.antwort.offen, 0);
        EXPECT_EQ(cg.bewegungWarten.aktiv, 0);
        EXPECT_EQ(cg.sprechblasen.zustand[0], 3);  // slot 0 keeps its state
        EXPECT_EQ(cg.sprechblasen.zustand[4], 0);
        EXPECT_TRUE(central::neuesSpiel(cg, c.id, 0));
        EXPECT_EQ(cg.konto[1], c.start);
        EXPECT_EQ(cg.konto[3], c.start);
        EXPECT_EQ(cg.spielliste.runden, 0);
        EXPECT_EQ(cg.stapelListen[1].computer, 0);
        EXPECT_EQ(cg.stapelListen[8].computer, 1);
    }
}

std::string ersterName(const std::string& s) { return s.substr(0, s.find(' ')); }

TEST_F(Central, OpponentNamesAvoidEarlierFirstNames) {
    ASSERT_TRUE(spiele::anmelden(spiele::kSkat, fakeSpiel(false)));
    central::dienste.spielerAnzahl = [] { return 3; };
    for (auto& n : gtool::umgebung.gegnerNamen) n = "Anna";
    gtool::umgebung.gegnerNamen[40] = "Bert";
    cg.spieler.at(1).name = "anna maria";
    // Every draw clashes with seat 1: after 21 draws the last one is kept.
    gtool::umgebung.gegnerAnzahl = 1;
    EXPECT_TRUE(central::neuesSpiel(cg, spiele::kSkat, 0));
    EXPECT_EQ(cg.spieler.at(2).name.str(), "Anna");
    // With two names to draw from, seat 3 never keeps the first name of seat 2.
    cg.spieler.at(1).name = "Zoe";
    gtool::umgebung.gegnerNamen[0] = "Bert";
    gtool::umgebung.gegnerNamen[1] = "Carl Otto";
    gtool::umgebung.gegnerAnzahl = 2;
    for (int runde = 0; runde < 5; ++runde) {
        EXPECT_TRUE(central::neuesSpiel(cg, spiele::kSkat, 0));
        EXPECT_NE(ersterName(cg.spieler.at(2).name.str()), ersterName(cg.spieler.at(3).name.str()));
    }
    gtool::umgebung = gtool::Umgebung{};
}

// ---- with the GUI library ----

class Panels : public Central {
protected:
    void SetUp() override {
        Central::SetUp();
        dir = std::filesystem::temp_directory_path() / ("central_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        host = std::make_unique<pvlhost::FakeHost>();
        app = std::make_unique<pvl::TPVLApplication>(*host, dir);
        auto& ids = central::ids;
        ids.ingame = app->CreateCustomDialog(290, 560, 0, 0, false, "#ingamedialog", 0, 0, "", 1.0f);
        ids.textZeile = app->CreateObject(pvl::ekLabel, -210, 0, "");
        int x = 0;
        for (int n = 1; n <= 6; ++n)
            for (int k = 1; k <= n; ++k)
                ids.reihe[n][k] = app->CreateCustomObject(pvl::ekButton, x += 10, 0, "!", 100, 30, 0, 1);
        for (int k = 1; k <= 7; ++k)
            ids.reihe[7][k] = ids.reihe[8][k] =
                app->CreateCustomObject(pvl::ekButton, x += 10, 0, "!", 100, 30, 0, 1);
        ids.reihe[8][8] = app->CreateCustomObject(pvl::ekButton, 0, 0, "!", 100, 30, 0, 1);
        ids.knopfVon = ids.reihe[1][1];
        ids.knopfBis = ids.reihe[8][8];
        for (int& c : ids.chip) c = app->CreateCustomObject(pvl::ekButton, 0, 0, "!", 80, 30, 0, 1);
        ids.ipanel = app->CreateCustomDialog(0, 0, 800, 600, false, "#ipanel", 0, 0, "", 1.0f);
        for (int i = 1; i <= 25; ++i) ids.tab[i] = app->CreateObject(pvl::ekButton, 0, 0, "!");
        central::dienste.app = app.get();
        msgsink::clear();
    }
    void TearDown() override {
        central::dienste.app = nullptr;
        app.reset();
        std::filesystem::remove_all(dir);
        Central::TearDown();
    }
    bool zu(int d, int e) { return app->dlg(d).el(e).Visible != 0; }
    std::filesystem::path dir;
    std::unique_ptr<pvlhost::FakeHost> host;
    std::unique_ptr<pvl::TPVLApplication> app;
};

// Every answer count shows its own row with captions 1..n; nothing of another row stays.
TEST_F(Panels, RowForEachAnswerCount) {
    laufend(spiele::kJass);
    for (int n = 1; n <= 8; ++n) {
        SCOPED_TRACE(n);
        TEntscheidung& st = cg.entscheidung;
        st.mitKnoepfen = 1;
        st.knopfAnzahl = n;
        st.art = 110;
        for (int k = 1; k <= 8; ++k) st.texte[k] = "!K" + std::to_string(k);
        central::dialogAnordnen(cg, false, false);
        EXPECT_TRUE(app->dlg(central::ids.ingame).Visible);
        int sichtbar = 0;
        for (int e = 1; e <= app->dlg(central::ids.ingame).ElementCount; ++e)
            sichtbar += zu(central::ids.ingame, e);
        EXPECT_EQ(sichtbar, n);
        for (int k = 1; k <= n; ++k) {
            const int e = central::ids.reihe[n][k];
            EXPECT_TRUE(zu(central::ids.ingame, e));
            EXPECT_EQ(app->GetCaption(central::ids.ingame, e, false), "!K" + std::to_string(k));
            int pos = 0, code = 0;
            EXPECT_TRUE(central::knopfCode(cg, e, pos, code));
            EXPECT_EQ(pos, k);
        }
        app->InvsbDialog(central::ids.ingame);
    }
}

TEST_F(Panels, ComputerSeatShowsNothingAndCopiesTheState) {
    laufend(spiele::kDoppelkopf);
    cg.aktSpieler = 3;
    cg.stapelListen[3].computer = 1;
    cg.antwort.wert2 = 55;
    central::entscheidungAbfragen(cg, 89);
    EXPECT_FALSE(app->dlg(central::ids.ingame).Visible);
    EXPECT_EQ(cg.antwort.offen, 2);
    EXPECT_EQ(cg.antwort.warten, 3);
    EXPECT_EQ(cg.antwort.wert2, 0);
    EXPECT_EQ(cg.folgeHalter, 3);
    EXPECT_EQ(std::memcmp(&cg.entscheidungKopie, &cg.entscheidung, sizeof(TEntscheidung)), 0);
}

TEST_F(Panels, RelayoutOfHiddenDialogChangesNothing) {
    laufend(spiele::kRomme);
    pvl::TPVLDialog vorher = app->dlg(central::ids.ingame);
    central::dialogAnordnen(cg, false, true);
    EXPECT_EQ(std::memcmp(&vorher, &app->dlg(central::ids.ingame), sizeof(pvl::TPVLDialog)), 0);
    central::dialogAnordnen(cg, false, false);
    EXPECT_EQ(app->dlg(central::ids.ingame).X, 330);
}

TEST_F(Panels, HumanQuestionIsShownAndAnswerHidesIt) {
    laufend(spiele::kCanasta);
    central::entscheidungAbfragen(cg, 79);
    EXPECT_TRUE(app->dlg(central::ids.ingame).Visible);
    EXPECT_TRUE(central::antwort(cg, central::kKnopf, 0, 79));
    EXPECT_FALSE(app->dlg(central::ids.ingame).Visible);
    // Mau Mau's "Weiter" keeps the pile permission of the question before it.
    cg.spielId = spiele::kMauMau;
    central::entscheidungAbfragen(cg, 78);
    central::entscheidungsDialog(cg, 35);
    EXPECT_EQ(cg.entscheidung.stapelKlick, 1);
    central::entscheidungAbfragen(cg, 37);
    central::entscheidungsDialog(cg, 35);
    EXPECT_EQ(cg.entscheidung.stapelKlick, 0);
    EXPECT_EQ(cg.entscheidung.art, 37);
}

// A window relayout while a question with buttons is open moves the dialog and leaves its
// buttons, captions and message line shown.
TEST_F(Panels, RelayoutKeepsTheButtonsOfAnOpenQuestion) {
    laufend(spiele::kDoppelkopf);
    TEntscheidung& st = cg.entscheidung;
    st.mitKnoepfen = 1;
    st.knopfAnzahl = 3;
    st.art = 110;
    st.texte[0] = "Ansagen?";
    for (int k = 1; k <= 3; ++k) st.texte[k] = "!K" + std::to_string(k);
    central::dialogAnordnen(cg, false, false);
    const int d = central::ids.ingame;
    ASSERT_TRUE(app->dlg(d).Visible);
    app->dlg(d).X = 5;  // moved away: the relayout puts it back
    central::dialogAnordnen(cg, false, true);
    EXPECT_TRUE(app->dlg(d).Visible);
    EXPECT_EQ(app->dlg(d).X, 320);
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(zu(d, central::ids.reihe[3][k]));
        EXPECT_EQ(app->GetCaption(d, central::ids.reihe[3][k], false), "!K" + std::to_string(k));
    }
    EXPECT_TRUE(zu(d, central::ids.textZeile));
}

// The decision dialog's in-use byte follows the dialog: set when a question with buttons is laid
// out for the human, cleared by the answer; a computer's question or a relayout leave it.
TEST_F(Panels, InUseByteFollowsTheDecisionDialog) {
    laufend(spiele::kCanasta);
    cg.entscheidung.inBenutzung = 0;
    central::entscheidungAbfragen(cg, 79);
    EXPECT_EQ(cg.entscheidung.inBenutzung, 1);
    central::dialogAnordnen(cg, false, true);
    EXPECT_EQ(cg.entscheidung.inBenutzung, 1);
    EXPECT_TRUE(central::antwort(cg, central::kKnopf, 0, 79));
    EXPECT_EQ(cg.entscheidung.inBenutzung, 0);
    cg.aktSpieler = 2;
    cg.stapelListen[2].computer = 1;
    central::entscheidungAbfragen(cg, 79);
    EXPECT_EQ(cg.entscheidung.inBenutzung, 0);
}

TEST_F(Panels, SchafkopfLongCaptionsShrinkOnNarrowButtons) {
    laufend(spiele::kSchafkopf);
    struct Case {
        int breite;
        float skala;
    };
    for (const Case c : {Case{100, 0.79f}, Case{104, 0.92f}, Case{120, 1.0f}}) {
        SCOPED_TRACE(c.breite);
        const int e = central::ids.reihe[1][1];
        app->dlg(central::ids.ingame).el(e).Width = c.breite;
        cg.entscheidung.mitKnoepfen = 1;
        cg.entscheidung.knopfAnzahl = 1;
        cg.entscheidung.texte[1] = "!Wenz-Tout12";
        central::dialogAnordnen(cg, false, false);
        EXPECT_FLOAT_EQ(app->dlg(central::ids.ingame).el(e).Scale, c.skala);
    }
}

TEST_F(Panels, HintButtonOnlyForTheHumanWithATopic) {
    laufend(spiele::kSkat);
    central::ids.hinweisDialog = central::ids.ipanel;
    central::ids.hinweisKnopf = central::ids.tab[21];
    central::ids.helpPanel = app->CreateCustomDialog(0, 0, 100, 100, false, "#helppanel", 0, 0, "", 1.0f);
    central::ids.helpText = app->CreateObject(pvl::ekLabel, 0, 0, "alt");
    static int gezeigt;
    gezeigt = 0;
    central::dienste.hinweisThema = [](int nr) { return nr == 50; };
    central::dienste.hinweisZeigen = [] { ++gezeigt; };
    struct Case {
        int seat, art;
        bool auto_;
        bool knopf;
        int gezeigt;
    };
    const Case cases[] = {
        {1, 50, false, true, 0}, {1, 50, true, false, 1}, {2, 50, false, false, 0}, {1, 44, false, false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.seat << " " << c.art << " " << c.auto_);
        gezeigt = 0;
        app->SetVisible(central::ids.ipanel, central::ids.hinweisKnopf, !c.knopf);
        envParam.hinweiseAn = c.auto_ ? 1 : 0;
        cg.aktSpieler = c.seat;
        central::entscheidungsDialog(cg, c.art);
        if (!c.auto_) {
            EXPECT_EQ(zu(central::ids.ipanel, central::ids.hinweisKnopf), c.knopf);
        }
        EXPECT_EQ(gezeigt, c.gezeigt);
        if (!c.knopf && !c.auto_) {
            EXPECT_EQ(app->GetCaption(central::ids.helpPanel, central::ids.helpText, false), "");
        }
    }
}

TEST_F(Panels, PokerPermissionsEnableButtonsTwoToFour) {
    laufend(spiele::kPoker);
    central::dienste.pokerErlaubt = [](int, int knopf) { return knopf != 3; };
    cg.entscheidung.mitKnoepfen = 1;
    cg.entscheidung.knopfAnzahl = 4;
    cg.entscheidung.art = 98;
    central::dialogAnordnen(cg, false, false);
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(app->dlg(central::ids.ingame).el(central::ids.reihe[4][k]).Enabled != 0, k != 3);
    }
    EXPECT_EQ(app->dlg(central::ids.ingame).Y, 546);
    EXPECT_EQ(app->dlg(central::ids.ingame).Height, 53);
}

TEST_F(Panels, QuestionLeftWithoutButtonsShowsNoStaleButton) {
    laufend(spiele::kSchafkopf);
    static entscheidung::SchafkopfLage lage;
    lage.eigenerTyp = 8;  // a Rufspiel, and no suit to call
    entscheidung::fragen.schafkopf = [](int) { return lage; };
    entscheidung::fragen.handVon = [](int, hand& h) {
        h.anz = 1;
        h.at(1) = karte{4, 3, 0};
    };
    central::entscheidungAbfragen(cg, 44);  // an earlier question with two buttons
    app->InvsbDialog(central::ids.ingame);
    central::entscheidungAbfragen(cg, 91);
    EXPECT_EQ(cg.entscheidung.mitKnoepfen, 0);
    EXPECT_FALSE(app->dlg(central::ids.ingame).Visible);
    int pos = 0, code = 0;
    EXPECT_FALSE(central::knopfCode(cg, central::ids.reihe[2][1], pos, code));
}

// An 8-card hand shows card buttons 1..8 (the legal ones) and hides 9..19.
TEST_F(Panels, CardButtonsOfAnEightCardHand) {
    laufend(spiele::kSkat);
    central::dienste.stapelAnzahl = [](int s) { return s == 1 ? 8 : 0; };
    central::dienste.karteLegal = [](int slot) { return slot % 2 == 1; };
    central::entscheidungsDialog(cg, 58);
    central::panelFreigeben(cg);
    for (int i = 1; i <= 19; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(zu(central::ids.ipanel, central::ids.tab[i]), i <= 8 && i % 2 == 1);
        if (i <= 8) {
            EXPECT_TRUE(app->dlg(central::ids.ipanel).el(central::ids.tab[i]).Enabled);
        }
    }
    // No card to play: every button shown and disabled.
    central::entscheidungsDialog(cg, 50);
    central::panelFreigeben(cg);
    for (int i = 1; i <= 19; ++i) {
        EXPECT_TRUE(zu(central::ids.ipanel, central::ids.tab[i]));
        EXPECT_FALSE(app->dlg(central::ids.ipanel).el(central::ids.tab[i]).Enabled);
    }
}

TEST_F(Panels, StockZoneOnlyWhenTheStockMayBeClickedAndHoldsCards) {
    laufend(spiele::kRomme);
    static int talon;
    central::dienste.stapelAnzahl = [](int s) { return s == 11 ? talon : 0; };
    struct Case {
        int seat, art, talon;
        bool zone;
    };
    const Case cases[] = {
        {1, 78, 5, true}, {1, 78, 0, false}, {2, 78, 5, false}, {1, 80, 5, false}, {1, 75, 5, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.seat << " " << c.art << " " << c.talon);
        cg.aktSpieler = c.seat;
        talon = c.talon;
        central::entscheidungsDialog(cg, c.art);
        central::panelFreigeben(cg);
        EXPECT_EQ(zu(central::ids.ipanel, central::ids.tab[20]), c.zone);
        EXPECT_FALSE(zu(central::ids.ipanel, central::ids.tab[21]));
    }
}

// The human's question sets the keyboard's start element (the first card button) and the
// keyboard flag; a relayout, fast mode or a computer seat on turn leave both alone.
TEST_F(Panels, HumanQuestionSetsTheKeyboardStart) {
    laufend(spiele::kSkat);
    static int startDialog, startElement, flag;
    static bool schnell;
    central::dienste.tastaturStart = [](int d, int e) {
        startDialog = d;
        startElement = e;
    };
    central::dienste.tastaturFlag = [](uint8_t v) { flag = v; };
    central::dienste.schnellModus = [] { return schnell; };
    cg.stapelListen[3].computer = 1;
    struct Case {
        int seat;
        bool fast, relayout, gesetzt;
    };
    const Case cases[] = {
        {1, false, false, true}, {1, false, true, false}, {1, true, false, false}, {3, false, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.seat << " " << c.fast << " " << c.relayout);
        startDialog = startElement = flag = 0;
        schnell = c.fast;
        cg.aktSpieler = c.seat;
        central::entscheidungsDialog(cg, 58);
        app->ShowDialog(central::ids.ingame);  // a relayout only moves a dialog that is shown
        central::dialogAnordnen(cg, false, c.relayout);
        EXPECT_EQ(startDialog, c.gesetzt ? central::ids.ipanel : 0);
        EXPECT_EQ(startElement, c.gesetzt ? central::ids.tab[1] : 0);
        EXPECT_EQ(flag, c.gesetzt ? 1 : 0);
    }
}

// In keyboard mode every legal card asks for the focus, the last one last; the focus then goes
// to the first card button that is shown and enabled, and only when a request is set.
TEST_F(Panels, LegalCardsRequestTheKeyboardFocus) {
    laufend(spiele::kSkat);
    static std::vector<int> anfragen;
    static bool angefragt;
    central::dienste.stapelAnzahl = [](int s) { return s == 1 ? 8 : 0; };
    central::dienste.karteLegal = [](int slot) { return slot == 3 || slot == 6; };
    central::dienste.fokusAnfrage = [](int d, int e) {
        EXPECT_EQ(d, central::ids.ipanel);
        anfragen.push_back(e);
    };
    central::dienste.fokusAngefragt = [] { return angefragt; };
    app->ShowDialog(central::ids.ipanel);
    // No button fades: hidden means hidden for the focus search.
    for (int i = 1; i <= 25; ++i)
        app->dlg(central::ids.ipanel).el(central::ids.tab[i]).Fade = pvl::TPVLFade{};
    central::entscheidungsDialog(cg, 58);
    struct Case {
        bool tastatur, angefragt;
        std::vector<int> anfragen;
        int fokus;
    };
    const auto& t = central::ids.tab;
    const Case cases[] = {
        {true, true, {t[3], t[6]}, t[3]}, {false, true, {}, t[3]}, {true, false, {t[3], t[6]}, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tastatur << " " << c.angefragt);
        anfragen.clear();
        angefragt = c.angefragt;
        app->KbdFocusOn = c.tastatur;
        app->KbdFocusElement = app->KbdFocusDialog = 0;
        central::panelFreigeben(cg);
        EXPECT_EQ(anfragen, c.anfragen);
        EXPECT_EQ(app->KbdFocusElement, c.fokus);
    }
}

}  // namespace
