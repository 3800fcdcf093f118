// The flow of a hand in the headless harness: the turn start's order of going out and an empty
// talon, the cases where "!Fertig" is withheld, "!Neu beginnen" giving back hand, points and the
// taken card, and the soak of whole matches at every level.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/central.h"
#include "core/envparam.h"
#include "core/spiele.h"
#include "core/spielstand.h"
#include "games/canasta/canasta_karten.h"
#include "gui/pvl.h"
#include "harness/lib/harness.h"
#include "table/tischdienste.h"

using namespace canastatest;

namespace {

bool hatKnopf(int code) {
    const TEntscheidung& e = cg.entscheidung;
    for (int i = 1; i <= e.knopfAnzahl && i <= 8; ++i)
        if (e.code(i) == code) return true;
    return false;
}

// The human's meld dialog is open.
bool meldFrage(const TCG& g) {
    return g.phase.nr == 4 && g.phase.schritt == 3 && g.aktSpieler == 1 && g.antwort.offen == 2;
}

// A hand of the human seat written over its first cards (the stack keeps its count and places).
void handSetzen(std::initializer_list<karte> ks) {
    TSpieler& s = glu::spieler[0];
    int i = 0;
    for (const karte& k : ks) s.at(++i).c = k;
    glu::stapelZuHand(s);
}

// A Canasta run with the human's seat answered by the test.
harness::Einstellung menschRunde(int spieler, uint64_t seed) {
    harness::Einstellung e;
    e.spielId = spiele::kCanasta;
    e.spieler = spieler;
    e.seed = seed;
    e.menschAlsComputer = false;
    return e;
}

hand auswahl(std::initializer_list<int> slots) {
    hand h{};
    for (int s : slots) {
        h.at(++h.anz) = glu::spieler[0].at(s).c;
        h.at(h.anz).nr = static_cast<uint16_t>(s);
    }
    return h;
}

// The piles of the take-back reports the watch hook heard (kind 5, stack 12).
std::vector<int> g_zurueck;
void zuhoeren(int art, int wert1, int wert2) {
    if (art == 5 && wert1 == 12) g_zurueck.push_back(wert2);
    canastaki::nachZug(art, wert1, wert2);
}

}  // namespace

TEST(CanastaAblauf, TurnStartChecksGoingOutBeforeTheEmptyTalon) {
    struct Case {
        int letzterKarten, talon;
        bool frueher;
        int ausgemachtVon, handAusgemacht;
    };
    const Case cases[] = {{0, 0, true, 2, 0}, {0, 0, false, 2, 1}, {0, 5, true, 2, 0}, {3, 0, true, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.letzterKarten) + " cards, talon " + std::to_string(c.talon));
        frisch(2);
        cg.phase.nr = 4;
        cg.phase.schritt = 0;
        cg.aktSpieler = 1;
        cg.canasta.letzterSitz = 2;
        cg.canasta.frueherGelegt.at(2) = c.frueher;
        stapel(1, H({K(Dame), K(W7)}));
        hand zwei = H({});
        for (int i = 0; i < c.letzterKarten; ++i) zwei.at(++zwei.anz) = K(Koenig);
        stapel(2, zwei);
        hand talon = H({});
        for (int i = 0; i < c.talon; ++i) talon.at(++talon.anz) = K(W8);
        stapel(11, talon);
        canasta::spielSchritt(cg);
        EXPECT_EQ(+cg.phase.schritt, 9);
        EXPECT_EQ(+cg.canasta.ausgemachtVon, c.ausgemachtVon);
        EXPECT_EQ(+cg.canasta.handAusgemacht, c.handAusgemacht);
    }
}

TEST(CanastaAblauf, FertigIsWithheldWhileTheTurnOwesSomething) {
    struct Case {
        int karten;
        bool canasta, zwang;
        int gelegt, minimum;
        bool fertig;
    };
    const Case cases[] = {{5, false, false, 0, 50, true},   {1, false, false, 0, 0, false},
                          {1, true, false, 0, 0, true},     {5, false, true, 0, 0, false},
                          {5, false, false, 30, 50, false}, {5, false, false, 60, 50, true},
                          {5, false, false, 50, 50, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.karten) + " cards, laid " + std::to_string(c.gelegt));
        frisch(2);
        cg.aktSpieler = 1;
        hand h = H({});
        for (int i = 0; i < c.karten; ++i) h.at(++h.anz) = K(W7);
        stapel(1, h);
        if (c.canasta) meld(1, H({K(Dame), K(Dame), K(Dame), K(Dame), K(Dame), K(Dame), K(Dame)}));
        if (c.zwang) cg.canasta.zwangkarte = K(Koenig);
        cg.canasta.gelegtePunkte = c.gelegt;
        cg.canasta.mindestpunkte = c.minimum;
        EXPECT_EQ(canasta::fertigErlaubt(1), c.fertig);
        central::entscheidungAbfragen(cg, 82);
        EXPECT_EQ(hatKnopf(37), c.fertig);
        EXPECT_TRUE(hatKnopf(82));
    }
}

TEST(CanastaAblauf, NeuBeginnenGivesBackHandPointsAndTheTakenCard) {
    harness::Lauf lauf(menschRunde(2, 7));
    canasta::anmelden();
    ASSERT_TRUE(canasta::optionSetzen("Teams", 0));
    bool amZug = false;
    lauf.antworter = [&](TCG& g) {
        // the human draws from the talon and discards the first card; in the meld phase the test
        // takes over
        if (g.phase.schritt == 1) return central::antwort(g, central::kStapel, 11, 0);
        if (g.phase.schritt == 6) return central::antwort(g, central::kKarte, 0, 1);
        if (meldFrage(g)) amZug = true;
        return false;
    };
    ASSERT_TRUE(lauf.starten());
    ASSERT_GE(lauf.bis([&](const TCG& g) { return amZug && meldFrage(g); }), 0);
    cg.canasta.mindestpunkte = 50;
    cg.konto[1] = 0;
    // Damen on 1..3, Könige on 4..5, a Joker on 6
    handSetzen({K(Dame, 1), K(Dame, 2), K(Dame, 3), K(Koenig, 1), K(Koenig, 2), K(Joker, 1)});
    const int vorher = harness::anzahl(1);
    const int piles = k12.d.anz1;
    hand sel = auswahl({1, 2, 3});
    central::antwort(cg, central::kAuswahl, 0, 1, &sel);
    ASSERT_TRUE(central::antwort(cg, central::kKnopf, 1, 82));
    amZug = false;
    ASSERT_GE(lauf.bis([&](const TCG& g) { return meldFrage(g); }), 0);
    EXPECT_EQ(harness::anzahl(1), vorher - 3);
    EXPECT_EQ(+cg.canasta.gelegtePunkte, 30);
    EXPECT_FALSE(hatKnopf(37));  // 30 of 50

    // the Könige and the Joker find their slots again after the first meld left
    glu::stapelZuHand(glu::spieler[0]);
    hand zweite{};
    for (int i = 1; i <= glu::spieler[0].anz; ++i) {
        const karte k = glu::spieler[0].at(i).c;
        if ((k.t == Koenig && (k.f == 1 || k.f == 2) && zweite.anz < 2) || (k.t == Joker && k.f == 1)) {
            zweite.at(++zweite.anz) = k;
            zweite.at(zweite.anz).nr = static_cast<uint16_t>(i);
        }
    }
    ASSERT_GE(+zweite.anz, 3);
    zweite.anz = 3;
    central::antwort(cg, central::kAuswahl, 0, 1, &zweite);
    ASSERT_TRUE(central::antwort(cg, central::kKnopf, 1, 82));
    ASSERT_GE(lauf.bis([&](const TCG& g) { return meldFrage(g); }), 0);
    EXPECT_EQ(+cg.canasta.gelegtePunkte, 100);
    EXPECT_TRUE(hatKnopf(37));
    EXPECT_EQ(+k12.d.anz1, piles + 2);

    // a taken top card that was laid must be laid again after the take-back; the computer
    // players' watch hook hears of every card that goes back, with its pile
    cg.canasta.zwangkarteGenommen = K(Dame, 4);
    g_zurueck.clear();
    spiele::Eintrag e = *spiele::eintrag(spiele::kCanasta);
    e.nachZug = zuhoeren;
    ASSERT_TRUE(spiele::anmelden(spiele::kCanasta, e));
    ASSERT_TRUE(central::antwort(cg, central::kKnopf, 2, 83));
    ASSERT_GE(lauf.bis([&](const TCG& g) { return meldFrage(g); }), 0);
    EXPECT_EQ(g_zurueck.size(), 6u);
    for (int p : g_zurueck) EXPECT_TRUE(p == piles + 1 || p == piles + 2) << "pile " << p;
    EXPECT_EQ(harness::anzahl(1), vorher);
    EXPECT_EQ(+cg.canasta.gelegtePunkte, 0);
    EXPECT_EQ(+cg.canasta.rueckAnzahl, 0);
    EXPECT_EQ(+k12.d.anz1, piles);
    EXPECT_TRUE(gleich(cg.canasta.zwangkarte, K(Dame, 4)));
    EXPECT_FALSE(hatKnopf(37));
    glu::stapelZuHand(glu::spieler[0]);
    int damen = 0, koenige = 0, joker = 0;
    for (int i = 1; i <= glu::spieler[0].hand.anz; ++i) {
        const karte k = glu::spieler[0].hand.at(i);
        damen += k.t == Dame ? 1 : 0;
        koenige += k.t == Koenig ? 1 : 0;
        joker += k.t == Joker ? 1 : 0;
    }
    EXPECT_GE(damen, 3);
    EXPECT_GE(koenige, 2);
    EXPECT_GE(joker, 1);
}

// The human takes a frozen pile whose top Dame the turn start's best move lays with three Damen
// of the hand: the forced meld lays the taken Dame with two of them at once, and the best move
// keeps the third Dame as a lay-off onto the new pile beside its Könige.
TEST(CanastaAblauf, FrozenPileTakenLaysTheForcedMeldAndKeepsTheRestOfTheBestMove) {
    harness::Lauf lauf(menschRunde(2, 5));
    canasta::anmelden();
    bool dran = false;
    lauf.antworter = [&](TCG& g) {
        if (g.entscheidung.art == 81 && g.aktSpieler == 1) dran = true;
        return false;
    };
    ASSERT_TRUE(lauf.starten());
    // the human's first turn is about to start
    ASSERT_GE(lauf.bis([](const TCG& g) {
        return g.phase.nr == 4 && g.phase.schritt == 0 && g.aktSpieler == 1 && glu::zugliste.anz == 0 &&
               g.bewegungWarten.aktiv == 0;
    }),
              0);
    ASSERT_EQ(+k12.d.anz1, 0);
    cg.konto[1] = 0;  // a first meld of 50
    stapel(1, H({K(Dame, 1), K(Dame, 2), K(Dame, 3), K(Koenig, 1), K(Koenig, 2), K(Koenig, 3), K(W7),
                 K(Fuenf), K(Vier)}));
    // a Joker inside the pile freezes it
    stapel(13, H({K(W8, 2), K(Joker, 1), K(W9, 3), K(Dame, 4)}));
    ASSERT_GE(lauf.bis([&](const TCG&) { return dran; }), 0);
    ASSERT_EQ(+cg.canasta.ablageModus, 1);
    ASSERT_TRUE(central::antwort(cg, central::kStapel, 13, harness::anzahl(13)));
    ASSERT_GE(lauf.bis([](const TCG& g) { return meldFrage(g) && g.bewegungWarten.aktiv == 0; }), 0);
    ASSERT_EQ(+k12.d.anz1, 1);
    const hand pile = canasta::stapelKarten(1);
    ASSERT_EQ(+pile.anz, 3);
    bool genommen = false;
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(+pile.at(i).t, Dame);
        genommen = genommen || gleich(pile.at(i), K(Dame, 4));
    }
    EXPECT_TRUE(genommen);
    // the rest of the pile came after the forced meld: 9 cards and the pile's 4, less the 3 laid
    EXPECT_EQ(harness::anzahl(1), 10);
    EXPECT_EQ(harness::anzahl(13), 0);
    const TMultizug& z = cg.canasta.maxzug;
    ASSERT_EQ(+z.anz, 2);
    EXPECT_EQ(+z.at(1).ziel, 1);
    ASSERT_EQ(+z.at(1).karten.anz, 1);
    EXPECT_EQ(+z.at(1).karten.at(1).t, Dame);
    EXPECT_EQ(+z.at(2).ziel, 0);
    EXPECT_EQ(+z.at(2).karten.anz, 3);
    EXPECT_EQ(+cg.canasta.gelegtePunkte, 30);
    for (const std::string& f : lauf.fehler()) ADD_FAILURE() << f;
}

TEST(CanastaSoak, WholeMatchesAtEveryLevelAndSeatCount) {
    struct Case {
        int seats;
        int level;
        bool wild;
    };
    const Case cases[] = {{2, 3, false}, {2, 1, true},  {3, 2, false}, {4, 3, true},
                          {4, 1, false}, {6, 2, false}, {3, 0, false}};
    static int stufe = 3;
    for (const auto& c : cases) {
        for (uint64_t seed = 1; seed <= 2; ++seed) {
            SCOPED_TRACE(std::to_string(c.seats) + " seats, level " + std::to_string(c.level) + ", seed " +
                         std::to_string(seed));
            harness::Einstellung e;
            e.spielId = spiele::kCanasta;
            e.spieler = c.seats;
            e.seed = seed;
            harness::Lauf lauf(e);
            canasta::anmelden();
            stufe = c.level;
            central::dienste.staerke = [](int, int) { return stufe; };
            ASSERT_TRUE(canasta::optionSetzen("Runden", 2));
            ASSERT_TRUE(canasta::optionSetzen("Wild", c.wild));
            ASSERT_TRUE(canasta::optionSetzen("Teams", 1));
            EXPECT_FALSE(canasta::optionSetzen("Gibt es nicht", 1));
            canasta::abgelehnt = 0;
            lauf.invariante = [](const TCG&, std::string& warum) { return canasta::kartenErhalten(warum); };
            bool erstes = true;
            int haende = 0;
            while (erstes || !canasta::partieEnde()) {
                int32_t vorher[7] = {};
                for (int s = 1; s <= 6; ++s) vorher[s] = cg.konto[s];
                ASSERT_TRUE(lauf.starten(erstes ? 0 : 1));
                cg.sitzEinstellungen.at(1).staerke = stufe;
                erstes = false;
                ASSERT_GE(lauf.bis(canasta::handVorbei), 0);
                ++haende;
                const TGameResult& r = canasta::letztesErgebnis();
                for (int s = 1; s <= c.seats; ++s)
                    EXPECT_EQ(cg.konto[s] - vorher[s], r.at(s)) << "seat " << s;
                if (c.seats == 4) {
                    for (int s = 1; s <= 2; ++s) EXPECT_EQ(r.at(s), r.at(s + 2));  // partners score alike
                }
            }
            EXPECT_EQ(haende, 2);
            EXPECT_EQ(canasta::abgelehnt, 0);
        }
    }
}

// The other seats' hands lie open while the hand's result shows (the score table has booked the
// hand by then), the human's stays in its fan, and the next deal closes them again.
TEST(CanastaAblauf, OtherHandsLieOpenWhileTheResultShows) {
    harness::Einstellung e;
    e.spielId = spiele::kCanasta;
    e.spieler = 4;
    e.seed = 5;
    harness::Lauf lauf(e);
    canasta::anmelden();
    ASSERT_TRUE(lauf.starten(0));
    ASSERT_GE(lauf.bis(canasta::handVorbei), 0);
    for (int s = 2; s <= 4; ++s) {
        EXPECT_TRUE(canasta::handOffen(s)) << "seat " << s;
        EXPECT_TRUE(glu::ishandopen(s)) << "seat " << s;
    }
    EXPECT_FALSE(canasta::handOffen(1));
    ASSERT_TRUE(lauf.starten(1));
    lauf.frames(1);
    for (int s = 2; s <= 4; ++s) EXPECT_FALSE(canasta::handOffen(s)) << "seat " << s << " in the next deal";
    EXPECT_TRUE(lauf.fehler().empty());
}

TEST(CanastaAblauf, SavedGameInTheMiddleOfAHandPlaysOnToTheEnd) {
    const std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("canasta_ablauf_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(ordner);
    harness::Einstellung e;
    e.spielId = spiele::kCanasta;
    e.spieler = 4;
    e.seed = 3;
    harness::Lauf lauf(e);
    canasta::anmelden();
    ASSERT_TRUE(canasta::optionSetzen("Teams", 1));
    tischdienste::anbinden(spielstand::anbindung);
    static pvl::TPVLDialog panel{};
    spielstand::anbindung.ipanel = [] { return &panel; };
    canasta::abgelehnt = 0;
    lauf.invariante = [](const TCG&, std::string& warum) { return canasta::kartenErhalten(warum); };
    ASSERT_TRUE(lauf.starten());
    // a quiet moment of the turns with melds on both sides
    ASSERT_GE(lauf.bis([](const TCG& g) {
        return g.phase.nr == 4 && g.phase.schritt == 1 && k12.d.anz1 >= 2 && k12.d.anz2 >= 2 &&
               glu::zugliste.anz == 0 && g.bewegungWarten.aktiv == 0;
    }),
              0);
    int karten[14] = {};
    for (int s : {1, 2, 3, 4, 11, 12, 13}) karten[s] = harness::anzahl(s);
    const int seiten[2] = {k12.d.anz1, k12.d.anz2};
    hand meldungen[2];
    canasta::meldungen(1, meldungen[0]);
    canasta::meldungen(2, meldungen[1]);
    const int aktiv = cg.aktSpieler;
    ASSERT_TRUE(spielstand::spielSpeichern(cg, ordner, "mitte", true));
    lauf.frames(400);  // play on, then go back
    ASSERT_TRUE(spielstand::spielLaden(cg, ordner, "mitte", "can") && central::nachLaden(cg));
    for (int s : {1, 2, 3, 4, 11, 12, 13}) EXPECT_EQ(harness::anzahl(s), karten[s]) << "stack " << s;
    EXPECT_EQ(+k12.d.anz1, seiten[0]);
    EXPECT_EQ(+k12.d.anz2, seiten[1]);
    EXPECT_EQ(+cg.aktSpieler, aktiv);
    for (int seite = 0; seite < 2; ++seite) {
        hand jetzt;
        canasta::meldungen(seite + 1, jetzt);
        ASSERT_EQ(+jetzt.anz, meldungen[seite].anz);
        for (int i = 1; i <= jetzt.anz; ++i) EXPECT_EQ(+jetzt.at(i).nr, meldungen[seite].at(i).nr);
    }
    std::string warum;
    EXPECT_TRUE(canasta::kartenErhalten(warum)) << warum;
    ASSERT_GE(lauf.bis(canasta::handVorbei), 0);
    EXPECT_EQ(canasta::abgelehnt, 0);
    spielstand::anbindung = spielstand::Anbindung{};
    std::filesystem::remove_all(ordner);
}

// The deal serves the hands in the order the settings give: one seat per step starts at the
// dealer's next seat in the deal's direction and ends at the dealer; all hands at once go by seat
// number, the last seat first against the clock. The talon's top hand is all Kreuz, the next all
// Pik, the third all Herz (no threes and no wild cards, so nothing is laid out after the deal).
TEST(CanastaAblauf, DealStyleAndDirectionDecideWhichSeatGetsWhichHand) {
    struct Fall {
        int stil, richtung, geber;
        int kreuz, pik, herz;  // the seats served first, second and third
    };
    const Fall faelle[] = {{2, 1, 1, 2, 3, 1}, {2, 2, 1, 3, 2, 1}, {2, 1, 3, 1, 2, 3},
                           {1, 1, 1, 1, 2, 3}, {1, 2, 1, 3, 2, 1}, {1, 1, 2, 1, 2, 3}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "style " << f.stil << ", direction " << f.richtung << ", dealer "
                                        << f.geber);
        harness::Einstellung e;
        e.spielId = spiele::kCanasta;
        e.spieler = 3;
        e.seed = 2;
        harness::Lauf lauf(e);
        canasta::anmelden();
        ASSERT_TRUE(lauf.starten());
        const int hand = cg.canasta.handKarten;
        ASSERT_EQ(hand, 13);
        envParam.spielrichtung = f.richtung;
        cg.ablaufEinstellung = static_cast<int16_t>(f.stil);
        cg.geber = f.geber;
        cg.aktSpieler = f.geber;
        // 7, 8, 9, Bube, Dame, König, 10, As, 4, 5, 6 in turn; the talon's top is its last slot
        const uint8_t werte[11] = {1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13};
        TSpieler& talon = glu::spieler[10];
        for (int block = 0; block < 3; ++block)
            for (int i = 0; i < hand; ++i)
                talon.at(talon.anz - block * hand - i).c = karte{werte[i % 11], static_cast<uint8_t>(block + 1), 0};
        glu::stapelZuHand(talon);
        ASSERT_GE(lauf.bis([](const TCG& g) { return g.phase.nr >= 3; }), 0);
        const int seats[3] = {f.kreuz, f.pik, f.herz};
        for (int block = 0; block < 3; ++block) {
            const TSpieler& s = glu::spieler[seats[block] - 1];
            ASSERT_EQ(+s.anz, hand) << "seat " << seats[block];
            for (int i = 1; i <= s.anz; ++i) EXPECT_EQ(+s.at(i).c.f, block + 1) << "seat " << seats[block];
        }
        envParam.spielrichtung = 1;
    }
}

// A save loaded into a table that never held it (the program started afresh, or the save came
// from another run) finds its melds in the record: every pile keeps its cards, each card lying in
// its pile's cell, none left without a pile.
TEST(CanastaAblauf, SavedMeldsComeBackIntoAFreshTable) {
    const std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("canasta_frisch_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(ordner);
    harness::Einstellung e;
    e.spielId = spiele::kCanasta;
    e.spieler = 2;
    e.seed = 4;
    harness::Lauf lauf(e);
    canasta::anmelden();
    tischdienste::anbinden(spielstand::anbindung);
    static pvl::TPVLDialog panel{};
    spielstand::anbindung.ipanel = [] { return &panel; };
    lauf.invariante = [](const TCG&, std::string& warum) { return canasta::kartenErhalten(warum); };
    ASSERT_TRUE(lauf.starten());
    ASSERT_GE(lauf.bis([](const TCG& g) {
        return g.phase.nr == 4 && g.phase.schritt == 1 && k12.d.anz1 + k12.d.anz2 >= 3 && glu::zugliste.anz == 0 &&
               g.bewegungWarten.aktiv == 0;
    }),
              0);
    std::vector<std::vector<std::pair<int, int>>> vorher;  // per pile its cards (value, suit)
    const auto stapel = [] {
        std::vector<std::vector<std::pair<int, int>>> v;
        for (int p = 1; p <= kPiles; ++p) {
            std::vector<std::pair<int, int>> k;
            for (int i = 1; i <= k12.pile(p).anz; ++i) k.emplace_back(+k12.pile(p).at(i).t, +k12.pile(p).at(i).f);
            v.push_back(k);
        }
        return v;
    };
    vorher = stapel();
    ASSERT_TRUE(spielstand::spielSpeichern(cg, ordner, "frisch", true));
    // a fresh table: every slot without its cell, the container empty
    glu::reset();
    k12.leeren();
    ASSERT_TRUE(spielstand::spielLaden(cg, ordner, "frisch", "can") && central::nachLaden(cg));
    EXPECT_EQ(stapel(), vorher);
    const TSpieler& melde = glu::spieler[11];
    for (int i = 1; i <= melde.anz; ++i) {
        SCOPED_TRACE(i);
        const int p = melde.at(i).hi, pos = melde.at(i).pilePos;
        ASSERT_TRUE(p >= 1 && p <= kPiles && pos >= 1 && pos <= k12.pile(p).anz) << "a meld card without a pile";
        EXPECT_TRUE(gleich(k12.pile(p).at(pos), melde.at(i).c));
    }
    std::string warum;
    EXPECT_TRUE(canasta::kartenErhalten(warum)) << warum;
    ASSERT_GE(lauf.bis(canasta::handVorbei), 0);
    spielstand::anbindung = spielstand::Anbindung{};
    std::filesystem::remove_all(ordner);
}

// The talon lies face down at its own place to the left of the discard pile, its cards turned
// as the table lays them, so the human has a pile to click; after the human's first draw too.
TEST(CanastaAblauf, TalonLiesFaceDownBesideTheDiscardPile) {
    harness::Lauf lauf(menschRunde(4, 3));
    canasta::anmelden();
    bool gezogen = false;
    lauf.antworter = [&](TCG& g) {
        if (g.phase.schritt == 1) {
            gezogen = true;
            return central::antwort(g, central::kStapel, 11, 0);
        }
        return false;
    };
    ASSERT_TRUE(lauf.starten());
    for (const bool nachZug : {false, true}) {
        SCOPED_TRACE(nachZug);
        ASSERT_GE(lauf.bis([&](const TCG& g) {
            return (nachZug ? gezogen && meldFrage(g) : g.phase.nr == 4) && glu::zugliste.anz == 0 &&
                   g.bewegungWarten.aktiv == 0;
        }),
                  0);
        const TSpieler& talon = glu::spieler[10];
        const TSpieler& ablage = glu::spieler[12];
        ASSERT_GT(+talon.anz, 40);
        // x -18 and z -210 for the talon, 212 and -240 for the discard pile: 230 units apart
        EXPECT_FLOAT_EQ(+talon.pos.v[0], -18);
        EXPECT_FLOAT_EQ(+talon.pos.v[2], -210);
        EXPECT_FLOAT_EQ(ablage.pos.v[0] - talon.pos.v[0], 230);
        for (int i = 1; i <= talon.anz; ++i) {
            const TKartenSlot& k = talon.at(i);
            ASSERT_EQ(+k.a1, 180) << i;  // turned over: the back faces up
            ASSERT_EQ(+k.a3, 38) << i;
            ASSERT_EQ(+k.face, 0) << i;
            ASSERT_EQ(+k.z, 2.0f * static_cast<float>(i)) << i;
        }
    }
}
