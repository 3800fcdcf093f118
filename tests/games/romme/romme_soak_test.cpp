// Whole Rommé matches between computer seats in the headless harness, under several rule sets:
// all cards stay on the table, every meld on it is valid, every round is booked as settled,
// nothing stalls and no consistency message appears.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/central.h"
#include "core/envparam.h"
#include "core/spiele.h"
#include "core/spielstand.h"
#include "games/rummy_shedding/romme.h"
#include "gui/pvl.h"
#include "harness/lib/harness.h"
#include "table/glu.h"
#include "table/k12.h"
#include "table/tischdienste.h"

namespace {

harness::Einstellung einstellung(uint64_t seed, int spieler, bool menschAlsComputer) {
    harness::Einstellung e;
    e.spielId = spiele::kRomme;
    e.spieler = spieler;
    e.seed = seed;
    e.menschAlsComputer = menschAlsComputer;
    return e;
}

// Once the harness is made: the game registered, its options as never read (the standard rules).
void neu() {
    romme::anmelden();
    cg.romme = TRomme{};
}

struct Satz {
    int spieler;
    bool positiv, ecke, doppelt, fremd;
    int saetze, mindest;
};

struct Zahlen {
    int runden = 0, rommeHand = 0, talonNeu = 0, ohneSieger = 0;
};

Zahlen matchSpielen(uint64_t seed, const Satz& satz, bool zufall) {
    Zahlen z;
    harness::Lauf lauf(einstellung(seed, satz.spieler, true));
    neu();
    EXPECT_TRUE(romme::optionSetzen("Positiv", satz.positiv));
    EXPECT_TRUE(romme::optionSetzen("Ecke", satz.ecke));
    EXPECT_TRUE(romme::optionSetzen("DoppelteFarben", satz.doppelt));
    EXPECT_TRUE(romme::optionSetzen("FremdAnlegen", satz.fremd));
    EXPECT_TRUE(romme::optionSetzen("Saetze", satz.saetze));
    EXPECT_TRUE(romme::optionSetzen("Mindestpunkte", satz.mindest));
    EXPECT_TRUE(romme::optionSetzen("Runden", 3));
    EXPECT_FALSE(romme::optionSetzen("Gibt es nicht", 1));
    // the yardstick at seat 1 against computer seats, which end the rounds
    if (zufall) central::dienste.staerke = [](int, int seat) { return seat == 1 ? 0 : 3; };
    lauf.invariante = [&](const TCG& g, std::string& warum) {
        if (g.phase.nr == 3 && g.romme.talonPaesse == 2) ++z.talonNeu;
        return romme::kartenErhalten(warum) && romme::meldungenGueltig(warum);
    };
    bool erstes = true;
    while (erstes || !romme::partieEnde()) {
        int32_t vorher[7] = {};
        for (int s = 1; s <= 6; ++s) vorher[s] = cg.konto[s];
        if (!lauf.starten(erstes ? 0 : 1)) break;
        if (zufall) cg.sitzEinstellungen.at(1).staerke = 0;
        erstes = false;
        const int f = lauf.bis(romme::rundeVorbei);
        EXPECT_GE(f, 0);
        if (f < 0) break;
        ++z.runden;
        const TGameResult& r = romme::letztesErgebnis();
        if (r.spielWerte[0]) ++z.rommeHand;
        for (int s = 1; s <= satz.spieler; ++s) {
            EXPECT_EQ(cg.konto[s] - vorher[s], r.at(s)) << "seat " << s;
            if (satz.positiv) {
                EXPECT_GE(r.at(s), 0);
            } else {
                EXPECT_LE(r.at(s), 0);
            }
        }
        // the seat that went out holds no card, and with penalty points scores nothing
        if (cg.romme.letzterAbwurf >= 1) {
            EXPECT_EQ(harness::anzahl(cg.romme.letzterAbwurf), 0);
            if (!satz.positiv) {
                EXPECT_EQ(r.at(r.spieler), 0);
            }
        } else {
            ++z.ohneSieger;
        }
        if (z.runden > 10) break;
    }
    EXPECT_TRUE(lauf.fehler().empty());
    return z;
}

TEST(RommeSoak, MatchesUnderSeveralRuleSetsPlayToTheEnd) {
    // One deck among several seats can leave every card still in play dead (no meld, no
    // lay-off anywhere), and such a round never ends: the rule sets give each seat room.
    const Satz saetze[] = {
        {4, false, false, false, true, 2, 40},
        {2, true, true, false, false, 1, 0},
        {3, false, true, true, true, 2, 30},
        {6, true, false, true, true, 3, 20},
    };
    int runden = 0;
    for (uint64_t seed = 1; seed <= 3; ++seed)
        for (const Satz& s : saetze) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << s.spieler << " seats");
            runden += matchSpielen(seed, s, false).runden;
        }
    EXPECT_GE(runden, 36);
}

TEST(RommeSoak, RandomLegalPlayNeverBreaksTheRules) {
    int runden = 0;
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        runden += matchSpielen(seed, {3, seed % 2 == 0, seed % 3 == 0, false, true, 2, 0}, true).runden;
    }
    EXPECT_EQ(runden, 18);
}

}  // namespace

namespace {

// Saving and loading through the saved-games unit, into a folder of the test's own.
struct Speicher {
    std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("romme_soak_test_" + std::to_string(getpid()));
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
    bool laden() { return spielstand::spielLaden(cg, ordner, "mitte", "rom") && central::nachLaden(cg); }
};

TEST(RommeSpielstand, ARoundLoadedWithMeldsOnTheTableGoesOnToItsEnd) {
    harness::Lauf lauf(einstellung(5, 3, true));
    neu();
    ASSERT_TRUE(romme::optionSetzen("Mindestpunkte", 0));
    Speicher speicher;
    lauf.invariante = [](const TCG&, std::string& warum) {
        return romme::kartenErhalten(warum) && romme::meldungenGueltig(warum);
    };
    ASSERT_TRUE(lauf.starten());
    ASSERT_GE(lauf.bis([](const TCG& g) {
        return g.phase.nr == romme::kSpielPhase && g.phase.schritt == romme::kZiehFrage &&
               k12.d.anz1 + k12.d.anz2 >= 2 && glu::zugliste.anz == 0 && g.bewegungWarten.aktiv == 0;
    }),
              0);
    int karten[14] = {};
    for (int s : {1, 2, 3, 11, 12, 13}) karten[s] = harness::anzahl(s);
    const int piles = k12.d.anz1 + k12.d.anz2;
    const int seat = cg.aktSpieler;
    ASSERT_TRUE(speicher.sichern());
    lauf.frames(300);  // play on, then go back
    ASSERT_TRUE(speicher.laden());
    EXPECT_EQ(cg.aktSpieler, seat);
    EXPECT_EQ(k12.d.anz1 + k12.d.anz2, piles);
    for (int s : {1, 2, 3, 11, 12, 13}) EXPECT_EQ(harness::anzahl(s), karten[s]) << s;
    ASSERT_GE(lauf.bis(romme::rundeVorbei), 0);
    EXPECT_TRUE(lauf.fehler().empty());
}

// Saved while the cards fly to the seats, in both ways of dealing: loaded, the deal goes on where
// it stopped, every seat starts the round with 13 cards and the round plays to its end.
TEST(RommeSpielstand, AGameSavedWhileTheCardsAreDealtPlaysOn) {
    struct Case {
        int austeilen;  // 1: all seats at once, else one seat per step
        int schritt;    // the deal's step when it is saved
    };
    const Case cases[] = {{1, 4}, {0, 2}, {0, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "austeilen " << c.austeilen << " schritt " << c.schritt);
        harness::Lauf lauf(einstellung(9, 4, true));
        neu();
        envParam.austeilen = c.austeilen;
        Speicher speicher;
        lauf.invariante = [](const TCG&, std::string& warum) { return romme::kartenErhalten(warum); };
        ASSERT_TRUE(lauf.starten());
        const int schritt = c.schritt;
        ASSERT_GE(lauf.bis([schritt](const TCG& g) {
            return g.phase.nr == 1 && g.phase.schritt == schritt && glu::zugliste.anz > 0;
        }),
                  0);
        const int geber = cg.geber;
        ASSERT_TRUE(speicher.sichern());
        lauf.frames(200);  // the deal ends and the seats play on, then the test goes back
        ASSERT_TRUE(speicher.laden());
        EXPECT_EQ(+cg.phase.nr, 1);
        EXPECT_EQ(cg.geber, geber);
        ASSERT_GE(lauf.bis([](const TCG& g) {
            return g.phase.nr == romme::kSpielPhase && g.phase.schritt == romme::kZiehFrage &&
                   glu::zugliste.anz == 0;
        }),
                  0);
        for (int s = 1; s <= 4; ++s) EXPECT_EQ(harness::anzahl(s), 13) << "seat " << s;
        EXPECT_EQ(harness::anzahl(13), 1);
        EXPECT_EQ(harness::anzahl(11), 2 * 55 - 4 * 13 - 1);
        ASSERT_GE(lauf.bis(romme::rundeVorbei), 0);
        EXPECT_TRUE(lauf.fehler().empty());
    }
}

}  // namespace

namespace {

TEST(RommeTalon, TheDiscardPileBecomesTheNewTalonWhenTheTalonRunsOut) {
    harness::Lauf lauf(einstellung(7, 3, true));
    neu();
    lauf.invariante = [](const TCG&, std::string& warum) { return romme::kartenErhalten(warum); };
    ASSERT_TRUE(lauf.starten());
    ASSERT_GE(lauf.bis([](const TCG& g) {
        return g.phase.nr == romme::kSpielPhase && g.phase.schritt == romme::kZiehFrage &&
               g.romme.zugNummer >= 3 && glu::zugliste.anz == 0 && g.bewegungWarten.aktiv == 0;
    }),
              0);
    // the talon's cards go under the discard pile: the next draw finds the talon empty
    TSpieler& talon = glu::spieler[10];
    TSpieler& ablage = glu::spieler[12];
    const int alle = talon.anz + ablage.anz;
    for (int i = ablage.anz; i >= 1; --i) ablage.at(i + talon.anz) = ablage.at(i);
    for (int i = 1; i <= talon.anz; ++i) ablage.at(i) = talon.at(i);
    ablage.anz = alle;
    talon.anz = 0;
    const karte oben = ablage.at(alle).c;
    ASSERT_GE(lauf.bis([](const TCG& g) { return g.phase.nr == 3 && g.romme.talonPaesse == 2; }), 0);
    ASSERT_GE(lauf.bis([](const TCG& g) {
        return g.phase.nr == romme::kSpielPhase && glu::zugliste.anz == 0 && g.bewegungWarten.aktiv == 0;
    }),
              0);
    // all of the pile, its top card too, is the talon now, less the card that opened the new pile
    EXPECT_EQ(harness::anzahl(11) + harness::anzahl(13), alle);
    EXPECT_EQ(harness::anzahl(13), 1);
    EXPECT_EQ(cg.romme.zugNummer, 0);
    bool obenImTalon = false;
    for (int i = 1; i <= talon.anz; ++i)
        obenImTalon = obenImTalon || (talon.at(i).c.t == oben.t && talon.at(i).c.f == oben.f);
    EXPECT_TRUE(obenImTalon || (ablage.at(1).c.t == oben.t && ablage.at(1).c.f == oben.f));
    ASSERT_GE(lauf.bis(romme::rundeVorbei), 0);
    EXPECT_TRUE(lauf.fehler().empty());
}

}  // namespace

namespace {

// The human's turn scripted: a selection that is no meld is refused and the lay-out question
// comes again; "Fertig" goes on to the discard.
TEST(RommeMensch, ASelectionThatIsNoMeldIsRefusedAndAskedAgain) {
    harness::Lauf lauf(einstellung(3, 2, false));
    neu();
    int gefragt79 = 0, abgeworfen = 0;
    lauf.antworter = [&](TCG& g) {
        switch (g.entscheidung.art) {
            case 78:
                return central::antwort(g, central::kStapel, 11, harness::anzahl(11));
            case 79: {
                ++gefragt79;
                if (gefragt79 == 1) {
                    // three cards that make no meld
                    const TSpieler& s = glu::spieler[0];
                    for (int a = 1; a <= s.anz; ++a)
                        for (int b = a + 1; b <= s.anz; ++b)
                            for (int c = b + 1; c <= s.anz; ++c) {
                                hand m{};
                                for (int x : {a, b, c}) {
                                    m.at(++m.anz) = s.at(x).c;
                                    m.at(m.anz).nr = static_cast<uint16_t>(x);
                                }
                                if (romme::isset(m, 1, false, true)) continue;
                                central::antwort(g, central::kAuswahl, 0, 0, &m);
                                return central::antwort(g, central::kKnopf, 0, 79);
                            }
                }
                hand leer{};
                central::antwort(g, central::kAuswahl, 0, 0, &leer);
                return central::antwort(g, central::kKnopf, 0, 0);
            }
            case 80:
                ++abgeworfen;
                return central::antwort(g, central::kKarte, 0, 1);
            default:
                return false;
        }
    };
    ASSERT_TRUE(lauf.starten());
    ASSERT_GE(lauf.bis([&](const TCG& g) {
        return abgeworfen == 1 && g.aktSpieler == 2 && glu::zugliste.anz == 0;
    }),
              0);
    EXPECT_EQ(gefragt79, 2);
    EXPECT_EQ(k12.d.anz1, 0);
    EXPECT_EQ(harness::anzahl(1), 13);
    EXPECT_TRUE(lauf.fehler().empty());
}

}  // namespace

namespace {

// With one deck among three seats the cards still in play can all be dead: a round that goes
// twice through the talon with no card laid ends with nobody out, and everybody pays.
TEST(RommeTalon, ARoundThatCannotEndEndsAfterTwoPassesWithNothingLaid) {
    harness::Lauf lauf(einstellung(1, 3, true));
    neu();
    cg.ablauf.anzSpieler = 3;
    ASSERT_TRUE(romme::optionSetzen("Saetze", 1));
    lauf.invariante = [](const TCG&, std::string& warum) { return romme::kartenErhalten(warum); };
    bool gefunden = false;
    for (int runde = 0; runde < 80 && !gefunden; ++runde) {
        ASSERT_TRUE(lauf.starten(runde == 0 || romme::partieEnde() ? 0 : 1));
        ASSERT_GE(lauf.bis(romme::rundeVorbei), 0);
        if (cg.romme.letzterAbwurf != 0) continue;
        gefunden = true;
        const TGameResult& r = romme::letztesErgebnis();
        EXPECT_EQ(r.spieler, 0);
        EXPECT_GE(cg.romme.leerePaesse, 2);
        EXPECT_EQ(r.text2.find("gewinnt"), std::string::npos);
        for (int s = 1; s <= 3; ++s) {
            EXPECT_GE(harness::anzahl(s), 1) << s;
            EXPECT_EQ(r.at(s), -romme::stapelPunkte(s, true)) << s;
        }
    }
    EXPECT_TRUE(gefunden);
    EXPECT_TRUE(lauf.fehler().empty());
}

}  // namespace

namespace {

// The human raises three cards of a meld in the hand, as the shell does, and presses
// "Auslegen": the meld goes onto the table.
TEST(RommeMensch, RaisedCardsOfAMeldAreLaidOut) {
    harness::Lauf lauf(einstellung(4, 2, false));
    neu();
    ASSERT_TRUE(romme::optionSetzen("Mindestpunkte", 0));
    int gelegt = 0;
    bool versucht = false;
    lauf.antworter = [&](TCG& g) {
        switch (g.entscheidung.art) {
            case 78:
                return central::antwort(g, central::kStapel, 11, harness::anzahl(11));
            case 79: {
                TSpieler& s = glu::spieler[0];
                if (!versucht) {
                    versucht = true;
                    for (int a = 1; a <= s.anz; ++a)
                        for (int b = a + 1; b <= s.anz; ++b)
                            for (int c = b + 1; c <= s.anz; ++c) {
                                hand m = romme::stapelHand(1);
                                hand drei{};
                                for (int x : {a, b, c}) romme::anhaengen(drei, m.at(x));
                                romme::auswahlOrdnen(drei, romme::regeln());
                                if (!romme::isset(drei, 1, false, false)) continue;
                                for (int x : {a, b, c}) glu::liftcard(s.at(x).bewegung, 1, 1, x);
                                romme::auswahlPruefen();
                                gelegt = 3;
                                return central::antwort(g, central::kKnopf, 0, 79);
                            }
                }
                hand leer{};
                central::antwort(g, central::kAuswahl, 0, 0, &leer);
                return central::antwort(g, central::kKnopf, 0, 0);
            }
            case 80:
                return central::antwort(g, central::kKarte, 0, 1);
            default:
                return false;
        }
    };
    ASSERT_TRUE(lauf.starten());
    ASSERT_GE(lauf.bis([&](const TCG& g) { return versucht && g.aktSpieler == 2 && glu::zugliste.anz == 0; }),
              0);
    ASSERT_EQ(gelegt, 3) << "no meld in the hand of this seed";
    EXPECT_EQ(k12.d.anz1, 1);
    EXPECT_EQ(harness::anzahl(1), 14 - 3 - 1);
    EXPECT_TRUE(lauf.fehler().empty());
}

}  // namespace

namespace {

int slotVon(int stack, const karte& c) {
    const TSpieler& s = glu::spieler[stack - 1];
    for (int i = 1; i <= s.anz; ++i)
        if (s.at(i).c.t == c.t && s.at(i).c.f == c.f) return i;
    return 0;
}

hand slotsAuswahl(std::initializer_list<karte> karten) {
    hand h{};
    for (const karte& c : karten) {
        h.at(++h.anz) = c;
        h.at(h.anz).nr = static_cast<uint16_t>(slotVon(1, c));
    }
    return h;
}

// The human lays a run without a Joker, a set with one and lays a Joker off: the statistics count
// how early in the round each Joker went down (seats 1 and 2 together), and a new match clears them.
TEST(RommeStatistik, JokersLaidCountByHowFarTheRoundHasGone) {
    harness::Lauf lauf(einstellung(4, 2, false));
    neu();
    ASSERT_TRUE(romme::optionSetzen("Mindestpunkte", 0));
    const karte zwei{9, 1, 0}, drei{10, 1, 0}, vier{11, 1, 0}, sechsPik{13, 2, 0}, sechsHerz{13, 3, 0};
    const karte joker1{14, 1, 0}, joker2{14, 2, 0};
    int frage = 0;
    romme::Statistik vorher[4];
    lauf.antworter = [&](TCG& g) {
        switch (g.entscheidung.art) {
            case 78:
                return central::antwort(g, central::kStapel, 11, harness::anzahl(11));
            case 79: {
                vorher[frage] = romme::statistik();
                ++frage;
                hand sel{};
                if (frage == 1) {
                    TSpieler& s = glu::spieler[0];
                    int i = 0;
                    for (const karte& c : {zwei, drei, vier, joker1, joker2, sechsPik, sechsHerz})
                        s.at(++i).c = c;
                    sel = slotsAuswahl({zwei, drei, vier});
                } else if (frage == 2) {
                    sel = slotsAuswahl({sechsPik, sechsHerz, joker1});
                } else if (frage == 3) {
                    sel = slotsAuswahl({joker2});
                    central::antwort(g, central::kAuswahl, 0, 0, &sel);
                    return central::antwort(g, central::kStapel, 12, slotVon(12, vier));
                } else {
                    central::antwort(g, central::kAuswahl, 0, 0, &sel);
                    return central::antwort(g, central::kKnopf, 0, 0);
                }
                central::antwort(g, central::kAuswahl, 0, 0, &sel);
                return central::antwort(g, central::kKnopf, 0, 79);
            }
            case 80:
                return central::antwort(g, central::kKarte, 0, 1);
            default:
                return false;
        }
    };
    ASSERT_TRUE(lauf.starten());
    ASSERT_GE(lauf.bis([&](const TCG&) { return frage == 4; }), 0);
    // the run: no Joker, nothing counted
    EXPECT_EQ(vorher[1].auslegen[0], 0);
    EXPECT_EQ(vorher[1].anlegen[0], 0);
    // the set with a Joker, from 11 + 13 = 24 cards in the hands
    EXPECT_EQ(vorher[2].auslegen[0], 4);
    EXPECT_EQ(vorher[2].anlegen[0], 0);
    // the Joker laid off, from 8 + 13 = 21 cards
    EXPECT_EQ(vorher[3].auslegen[0], 4);
    EXPECT_EQ(vorher[3].anlegen[0], 3);
    EXPECT_EQ(vorher[3].auslegen[1] + vorher[3].anlegen[1], 0);
    EXPECT_EQ(k12.d.anz1, 2);
    EXPECT_TRUE(lauf.fehler().empty());
    romme::neuesSpiel(true);
    EXPECT_EQ(romme::statistik().auslegen[0] + romme::statistik().anlegen[0], 0);
}

}  // namespace

namespace {

// The talon lies face down where the table laid it out, to the left of the discard pile, for the
// human to click: building the deck must not wipe its slots' places.
TEST(RommeTalon, TheTalonLiesFaceDownBesideTheDiscardPile) {
    harness::Lauf lauf(einstellung(3, 4, true));
    neu();
    ASSERT_TRUE(lauf.starten());
    ASSERT_GE(lauf.bis([](const TCG& g) {
        return g.phase.nr == romme::kSpielPhase && glu::zugliste.anz == 0 && g.bewegungWarten.aktiv == 0;
    }),
              0);
    const TSpieler& talon = glu::spieler[10];
    const TSpieler& ablage = glu::spieler[12];
    ASSERT_GT(+talon.anz, 40);
    // x -18 and z -210 for the talon, 212 and -240 for the discard pile: 230 units apart
    EXPECT_FLOAT_EQ(+talon.pos.v[0], -18);
    EXPECT_FLOAT_EQ(ablage.pos.v[0] - talon.pos.v[0], 230);
    for (int i = 1; i <= talon.anz; ++i) {
        const TKartenSlot& k = talon.at(i);
        ASSERT_EQ(+k.a1, 180) << i;  // turned over: the back faces up
        ASSERT_EQ(+k.a3, 38) << i;
        ASSERT_EQ(+k.face, 0) << i;
        ASSERT_EQ(+k.z, 2.0f * static_cast<float>(i)) << i;
    }
}

}  // namespace
