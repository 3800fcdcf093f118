// The deal flow in the headless harness: whole matches by random and searching seats with their
// invariants after every frame, and set-up positions for drawing the last talon card, 20 and 40
// before and after a trick, and reaching 66 by an announcement.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "core/central.h"
#include "core/envparam.h"
#include "core/panel.h"
#include "core/spiele.h"
#include "core/spielstand.h"
#include "games/skat_jass_schnapsen/schnapsen.h"
#include "games/skat_jass_schnapsen/schnapsen_ki.h"
#include "harness/lib/harness.h"
#include "harness/lib/tabelle_weiter.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/tischdienste.h"

namespace {

using schnapsen::kAss;
using schnapsen::kDame;
using schnapsen::kKoenig;

int g_staerke[3] = {0, 0, 0};
int staerke(int, int seat) { return seat >= 1 && seat <= 2 ? g_staerke[seat] : 2; }

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }

harness::Einstellung einstellung(int id, uint64_t seed, bool mensch) {
    harness::Einstellung e;
    e.spielId = id;
    e.spieler = 2;
    e.seed = seed;
    e.menschAlsComputer = mensch;
    return e;
}

struct Runde {
    int32_t konto[3] = {};
};

// Plays `deals` deals of one match and checks each deal's booking and the alternating lead.
void matchSpielen(int id, uint64_t seed, int s1, int s2, int deals) {
    harness::Lauf lauf(einstellung(id, seed, true));
    schnapsen::anmelden();
    central::dienste.staerke = staerke;
    g_staerke[1] = s1;
    g_staerke[2] = s2;
    schnapsen::Zugpruefung zuege;
    lauf.invariante = [&zuege](const TCG&, std::string& warum) {
        return schnapsen::kartenErhalten(warum) && zuege.pruefen(warum);
    };
    ASSERT_TRUE(lauf.starten(0));
    cg.sitzEinstellungen.at(1).staerke = static_cast<uint8_t>(s1);
    const int abgelehnt = schnapsen::abgelehnteZuege();
    int32_t vorher[3] = {0, cg.konto[1], cg.konto[2]};
    int startVorher = cg.schnapsen.startSitz;
    for (int d = 1; d <= deals; ++d) {
        SCOPED_TRACE(testing::Message() << "deal " << d);
        ASSERT_GE(lauf.bis(schnapsen::dealVorbei), 0);
        std::string warum;
        EXPECT_TRUE(schnapsen::dealPruefen(vorher, warum)) << warum;
        const TGameResult& r = schnapsen::letztesErgebnis();
        // zero-sum in game points: the loser's remaining points never move
        EXPECT_EQ(+cg.konto[3 - r.spieler], vorher[3 - r.spieler]);
        if (schnapsen::partieEnde()) break;
        ASSERT_TRUE(lauf.starten(1));
        EXPECT_EQ(+cg.schnapsen.startSitz, 3 - startVorher);
        startVorher = cg.schnapsen.startSitz;
        for (int s = 1; s <= 2; ++s) vorher[s] = cg.konto[s];
    }
    EXPECT_EQ(schnapsen::abgelehnteZuege(), abgelehnt);
}

TEST(SchnapsenAblauf, RandomSeatsPlayWholeMatches) {
    for (int id : {int{spiele::kSchnapsen}, int{spiele::kSechsundsechzig}})
        for (uint64_t seed = 1; seed <= 6; ++seed) {
            SCOPED_TRACE(testing::Message() << "game " << id << ", seed " << seed);
            matchSpielen(id, seed, 0, 0, 10);
        }
}

TEST(SchnapsenAblauf, SearchingSeatsPlayDeals) {
    for (int id : {int{spiele::kSchnapsen}, int{spiele::kSechsundsechzig}})
        for (uint64_t seed = 1; seed <= 2; ++seed) {
            SCOPED_TRACE(testing::Message() << "game " << id << ", seed " << seed);
            matchSpielen(id, seed, 3, 1, 3);
            matchSpielen(id, seed + 10, 2, 0, 2);
        }
}

// Moves a card, wherever it lies, to the top of a stack.
void legen(const karte& k, int ziel) {
    for (int s : {1, 2, 7, 8, 11, 13}) {
        TSpieler& x = st(s);
        for (int i = 1; i <= x.anz; ++i) {
            if (!gleich(x.at(i).c, k)) continue;
            if (s == ziel) return;
            const TKartenSlot slot = x.at(i);
            for (int j = i; j < x.anz; ++j) x.at(j) = x.at(j + 1);
            x.anz -= 1;
            TSpieler& z = st(ziel);
            z.anz += 1;
            z.at(z.anz) = slot;
            z.at(z.anz).bewegung = TBewegung{};
            return;
        }
    }
}

karte K(int t, int f) { return karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0}; }

int index(int stack, const karte& k) {
    for (int i = 1; i <= st(stack).anz; ++i)
        if (gleich(st(stack).at(i).c, k)) return i;
    return 0;
}

// A match whose first deal seat 1 leads, stopped at its first question; the human seat is
// scripted and seat 2 plays at random.
struct Aufbau {
    std::unique_ptr<harness::Lauf> lauf;
    // paarFrei: the open trump card is neither Dame nor König, so the pair can be taken in hand;
    // tauschFrei: it is not the card that may be exchanged for it.
    bool bereit(int id, int gegner = 0, bool paarFrei = false, bool tauschFrei = false) {
        for (uint64_t seed = 1; seed < 50; ++seed) {
            lauf.reset();  // the old run empties the services when it goes: before the new one comes
            lauf = std::make_unique<harness::Lauf>(einstellung(id, seed, false));
            schnapsen::anmelden();
            central::dienste.staerke = staerke;
            g_staerke[1] = 0;
            g_staerke[2] = gegner;
            if (!lauf->starten(0)) return false;
            lauf->bis([](const TCG& g) { return g.phase.nr == 4 && g.antwort.offen == 2; });
            const int t = st(13).anz >= 1 ? st(13).at(1).c.t : 0;
            const bool tauschOk = !tauschFrei || t != schnapsen::tauschWert(id == spiele::kSechsundsechzig);
            if (cg.aktSpieler == 1 && (!paarFrei || (t != kDame && t != kKoenig)) && tauschOk) return true;
        }
        return false;
    }
};

TEST(SchnapsenAblauf, LastTalonCardToWinnerTrumpCardToLoser) {
    int geprueft = 0;
    for (int id : {int{spiele::kSchnapsen}, int{spiele::kSechsundsechzig}}) {
        SCOPED_TRACE(id);
        Aufbau a;
        ASSERT_TRUE(a.bereit(id));
        // all talon cards but one into the won tricks (at most 5 cards, under 66, each)
        while (st(11).anz > 1) legen(st(11).at(1).c, st(7).anz <= st(8).anz ? 7 : 8);
        ASSERT_LT(schnapsen::stapelAugen(7), 66);
        ASSERT_LT(schnapsen::stapelAugen(8), 66);
        const karte letzte = st(11).at(1).c, atout = st(13).at(1).c;
        a.lauf->antworter = [](TCG& g) { return central::antwort(g, central::kKarte, 0, 1); };
        // after the trick: the talon and the open card are gone, the strict rule holds
        ASSERT_GE(a.lauf->bis([](const TCG& g) {
            return g.phase.nr != 4 || (st(11).anz == 0 && st(13).anz == 0 && g.bewegungWarten.aktiv == 0 &&
                                       glu::zugliste.anz == 0);
        }),
                  0);
        if (cg.phase.nr != 4) continue;  // the trick ended the deal at 66
        const int sieger = cg.aktSpieler;
        ++geprueft;
        EXPECT_GT(index(sieger, letzte), 0);
        EXPECT_GT(index(3 - sieger, atout), 0);
        EXPECT_EQ(+cg.schnapsen.talon.streng, 1);
    }
    EXPECT_GE(geprueft, 1);
}

TEST(SchnapsenAblauf, AnnouncementWaitsForATrickAndCanEndTheDeal) {
    Aufbau a;
    ASSERT_TRUE(a.bereit(spiele::kSchnapsen, 0, true));
    const int t = cg.schnapsen.trumpf;
    legen(K(kDame, t), 1);
    legen(K(kKoenig, t), 1);
    // seat 1 has no trick yet: the 40 are announced but count nothing
    a.lauf->antworter = [t](TCG& g) { return central::antwort(g, central::kKarte, 0, index(1, K(kDame, t))); };
    ASSERT_GE(a.lauf->bis([](const TCG&) { return st(12).anz == 1; }), 0);
    EXPECT_EQ(cg.schnapsen.angesagt.at(1), 40);
    EXPECT_EQ(cg.schnapsen.augen.at(1), 0);
    EXPECT_EQ(schnapsen::stichPunkteText(7), "(40)");

    // a seat with 32 in tricks that announces 40 has 72 at once: the deal ends before its card
    Aufbau b;
    ASSERT_TRUE(b.bereit(spiele::kSchnapsen, 0, true));
    const int u = cg.schnapsen.trumpf;
    legen(K(kDame, u), 1);
    legen(K(kKoenig, u), 1);
    int plain = u == 1 ? 2 : 1;
    legen(K(kAss, plain), 7);
    legen(K(kAss, plain + 1 == u ? plain + 2 : plain + 1), 7);
    legen(K(schnapsen::kZehn, plain), 7);
    ASSERT_EQ(schnapsen::stapelAugen(7), 32);
    const int handVorher = st(1).anz;
    b.lauf->antworter = [u](TCG& g) { return central::antwort(g, central::kKarte, 0, index(1, K(kKoenig, u))); };
    ASSERT_GE(b.lauf->bis(schnapsen::dealVorbei), 0);
    const TGameResult& r = schnapsen::letztesErgebnis();
    EXPECT_EQ(+r.spieler, 1);
    EXPECT_EQ(+st(1).anz, handVorher);  // the König was never played
    EXPECT_EQ(+st(12).anz, 0);
    // 72 against a seat without a trick: 3 game points
    EXPECT_EQ(cg.schnapsen.augen.at(1), 72);
    EXPECT_EQ(+r.spielWerte[0], 3);
    // 7 points per Bummerl less 3: no Bummerl yet; the reason names the seat without a trick
    EXPECT_EQ(+cg.konto[1], 4);
    EXPECT_NE(r.text1.find(text::w(" erhält 3 Punkte.")), std::string::npos) << r.text1;
    EXPECT_NE(r.text2.find(" hat 0 Augen."), std::string::npos) << r.text2;
    EXPECT_NE(r.text2.find(" hat 72 Augen erzielt."), std::string::npos) << r.text2;
}

// Saving in the middle of a trick and loading again restores the deal, which then plays out.
TEST(SchnapsenAblauf, RestoreInTheMiddleOfATrick) {
    const std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("schnapsen_ablauf_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(ordner);
    harness::Lauf lauf(einstellung(spiele::kSechsundsechzig, 5, true));
    schnapsen::anmelden();
    envParam.austeilen = 2;  // card by card: the seed's deal gets to a trick after drawing
    central::dienste.staerke = staerke;
    g_staerke[1] = g_staerke[2] = 0;
    tischdienste::anbinden(spielstand::anbindung);
    static pvl::TPVLDialog panel{};
    spielstand::anbindung.ipanel = [] { return &panel; };
    lauf.invariante = [](const TCG&, std::string& warum) { return schnapsen::kartenErhalten(warum); };
    ASSERT_TRUE(lauf.starten(0));
    ASSERT_GE(lauf.bis([](const TCG& g) {
        return g.phase.nr == 4 && st(12).anz == 1 && glu::zugliste.anz == 0 && g.bewegungWarten.aktiv == 0 &&
               st(11).anz < 10;
    }),
              0);
    const karte erste = st(12).at(1).c;
    const int karten[3] = {0, st(1).anz, st(2).anz};
    const int talon = st(11).anz, trumpf = cg.schnapsen.trumpf;
    const int32_t angesagt1 = cg.schnapsen.angesagt.at(1), angesagt2 = cg.schnapsen.angesagt.at(2);
    ASSERT_TRUE(spielstand::spielSpeichern(cg, ordner, "mitte", true));
    lauf.frames(300);  // play on, then go back
    ASSERT_TRUE(spielstand::spielLaden(cg, ordner, "mitte", "66_") && central::nachLaden(cg));
    EXPECT_EQ(+st(12).anz, 1);
    EXPECT_TRUE(gleich(st(12).at(1).c, erste));
    for (int s = 1; s <= 2; ++s) EXPECT_EQ(+st(s).anz, karten[s]) << s;
    EXPECT_EQ(+st(11).anz, talon);
    // the talon lies across the trump card again, shifted once
    for (int i = 1; i <= st(11).anz; ++i) {
        EXPECT_FLOAT_EQ(+st(11).at(i).x, 20) << i;
        EXPECT_FLOAT_EQ(+st(11).at(i).y, 350) << i;
    }
    EXPECT_EQ(+cg.schnapsen.trumpf, trumpf);
    EXPECT_EQ(+cg.schnapsen.sechsundsechzig, 1);
    EXPECT_EQ(cg.schnapsen.angesagt.at(1), angesagt1);
    EXPECT_EQ(cg.schnapsen.angesagt.at(2), angesagt2);
    ASSERT_GE(lauf.bis(schnapsen::dealVorbei), 0);
    EXPECT_EQ(schnapsen::stapelAugen(7) + schnapsen::stapelAugen(8) + schnapsen::stapelAugen(1) +
                  schnapsen::stapelAugen(2) + schnapsen::stapelAugen(11) + schnapsen::stapelAugen(13),
              120);
    spielstand::anbindung = spielstand::Anbindung{};
    std::filesystem::remove_all(ordner);
}

// A card the hand does not hold is refused and the question put again; nothing moves.
TEST(SchnapsenAblauf, CardOutsideTheHandIsRefused) {
    Aufbau a;
    ASSERT_TRUE(a.bereit(spiele::kSchnapsen));
    const int vorher = schnapsen::abgelehnteZuege();
    bool einmal = false;
    a.lauf->antworter = [&einmal](TCG& g) {
        if (einmal) return false;
        einmal = true;
        return central::antwort(g, central::kKarte, 0, 9);
    };
    a.lauf->frames(5);
    EXPECT_EQ(schnapsen::abgelehnteZuege(), vorher + 1);
    EXPECT_EQ(+st(1).anz, 5);
    EXPECT_EQ(+st(12).anz, 0);
    EXPECT_EQ(+cg.aktSpieler, 1);
    EXPECT_EQ(+cg.antwort.offen, 2);  // asked again
}

// The reply searched while the human points at a card is played at once when that card comes,
// and thrown away when another card comes.
TEST(SchnapsenAblauf, PonderedReplyOnlyForItsPosition) {
    for (bool gleicheKarte : {true, false}) {
        SCOPED_TRACE(gleicheKarte);
        Aufbau a;
        ASSERT_TRUE(a.bereit(spiele::kSchnapsen, 3));
        schnapsen::zeigerKarteSetzen(1, 1);
        ASSERT_TRUE(schnapsenki::zeigerKarteGesetzt());
        for (int i = 0; i < 10000 && !schnapsenki::sucheFertig(); ++i) schnapsenki::kiTick();
        ASSERT_TRUE(schnapsenki::sucheFertig());
        EXPECT_FALSE(schnapsenki::zeigerKarteGesetzt());  // the pointer is cleared, the result waits
        const int karte = gleicheKarte ? 1 : 2;
        a.lauf->antworter = [karte](TCG& g) { return central::antwort(g, central::kKarte, 0, karte); };
        ASSERT_GE(a.lauf->bis([](const TCG& g) { return g.aktSpieler == 2 && g.antwort.offen == 2; }), 0);
        schnapsenki::kiTick();
        if (gleicheKarte) {
            EXPECT_EQ(+cg.antwort.offen, 0);  // answered from the pondered search
        } else {
            EXPECT_EQ(+cg.antwort.offen, 2);  // not this position: nothing played, a new search starts
            EXPECT_FALSE(schnapsenki::sucheFertig());
        }
    }
}

}  // namespace

// During the deal the talon waits 100 to the left of and 400 behind its usual place (40, -310);
// after the deal its cards lie 20 to the right and 350 to the front of that, across the open
// trump card at (0, -350), face down.
TEST(SchnapsenAblauf, TalonLiesAcrossTheTrumpCardAfterTheDeal) {
    for (int id : {int{spiele::kSchnapsen}, int{spiele::kSechsundsechzig}}) {
        SCOPED_TRACE(id);
        Aufbau a;
        ASSERT_TRUE(a.bereit(id));
        const TSpieler& talon = st(11);
        const TSpieler& atout = st(13);
        ASSERT_EQ(+talon.anz, id == spiele::kSchnapsen ? 9 : 11);
        EXPECT_FLOAT_EQ(+talon.pos.v[0], -60);
        EXPECT_FLOAT_EQ(+talon.pos.v[2], -710);
        EXPECT_FLOAT_EQ(+atout.pos.v[0], 0);
        EXPECT_FLOAT_EQ(+atout.pos.v[2], -350);
        for (int i = 1; i <= talon.anz; ++i) {
            const TKartenSlot& k = talon.at(i);
            EXPECT_FLOAT_EQ(+k.x, 20) << i;
            EXPECT_FLOAT_EQ(+k.y, 350) << i;
            EXPECT_EQ(+k.a1, 180) << i;  // turned over: the back faces up
            EXPECT_EQ(+k.face, 0) << i;
        }
        // the slots already dealt keep that place in the second stack array
        for (int i = talon.anz + 1; i <= kSlots; ++i) {
            ASSERT_FLOAT_EQ(glu::spielerZwilling[10].at(i).x, 20) << i;
            ASSERT_FLOAT_EQ(glu::spielerZwilling[10].at(i).y, 350) << i;
        }
    }
}

// Closing turns the open trump card down across the talon; the computer still knows it as the
// trump card, not as a hidden talon card, and the next deal's talon lies straight again.
TEST(SchnapsenAblauf, ClosingLaysTheTrumpCardAcrossTheTalon) {
    for (int id : {int{spiele::kSchnapsen}, int{spiele::kSechsundsechzig}}) {
        SCOPED_TRACE(id);
        Aufbau a;
        ASSERT_TRUE(a.bereit(id));
        const karte atout = st(13).at(1).c;
        const int talon = st(11).anz;
        central::antwort(cg, central::kKnopf, 0, 104);
        ASSERT_GE(a.lauf->bis([](const TCG& g) {
            return g.schnapsen.talon.zu == 1 && g.bewegungWarten.aktiv == 0 && glu::zugliste.anz == 0;
        }),
                  0);
        EXPECT_EQ(+st(13).anz, 0);
        ASSERT_EQ(+st(11).anz, talon + 1);
        const TKartenSlot& oben = st(11).at(talon + 1);
        EXPECT_TRUE(gleich(oben.c, atout));
        EXPECT_EQ(+oben.a1, 180);      // face down like the talon
        EXPECT_FLOAT_EQ(+oben.a3, 110);  // across the talon's cards (20)
        EXPECT_FLOAT_EQ(+st(11).at(talon).a3, 20);
        const schnapsenki::Lage l = schnapsenki::lageAusSpiel(2, true);
        EXPECT_TRUE(gleich(l.atout, atout));
        EXPECT_EQ(+l.talon.anz, talon);
        {
            // a saved game brings the card back across the talon, turned once
            const std::filesystem::path ordner = std::filesystem::temp_directory_path() /
                                                 ("schnapsen_zu_test_" + std::to_string(getpid()));
            std::filesystem::create_directories(ordner);
            tischdienste::anbinden(spielstand::anbindung);
            static pvl::TPVLDialog panel{};
            spielstand::anbindung.ipanel = [] { return &panel; };
            ASSERT_TRUE(spielstand::spielSpeichern(cg, ordner, "zu", true));
            ASSERT_TRUE(spielstand::spielLaden(cg, ordner, "zu", id == spiele::kSchnapsen ? "snp" : "66_") &&
                        central::nachLaden(cg));
            ASSERT_EQ(+st(11).anz, talon + 1);
            EXPECT_TRUE(gleich(st(11).at(talon + 1).c, atout));
            EXPECT_FLOAT_EQ(+st(11).at(talon + 1).a3, 110);
            EXPECT_FLOAT_EQ(+st(11).at(talon).a3, 20);
            spielstand::anbindung = spielstand::Anbindung{};
            std::filesystem::remove_all(ordner);
        }
        a.lauf->antworter = [](TCG& g) {
            for (int i = 1; i <= st(g.aktSpieler).anz; ++i)
                if (schnapsen::spielbar(st(g.aktSpieler).at(i))) return central::antwort(g, central::kKarte, 0, i);
            return false;
        };
        ASSERT_GE(a.lauf->bis(schnapsen::dealVorbei), 0);
        ASSERT_TRUE(a.lauf->starten(1));
        ASSERT_GE(a.lauf->bis([](const TCG& g) { return g.phase.nr == 4; }), 0);
        for (int i = 1; i <= st(11).anz; ++i) EXPECT_LT(st(11).at(i).a3, 90.0f) << i;
    }
}

// The exchange moves both cards on the table: the open trump card flies into the hand, then the
// trump Bube (Neun in Sechsundsechzig) onto its place; the talon keeps its one place across it,
// and the same seat goes on leading, without the exchange offered again.
TEST(SchnapsenAblauf, TrumpExchangeMovesBothCardsAndTheSeatLeadsOn) {
    for (int id : {int{spiele::kSchnapsen}, int{spiele::kSechsundsechzig}}) {
        SCOPED_TRACE(id);
        Aufbau a;
        ASSERT_TRUE(a.bereit(id, 0, false, true));
        const int trumpf = cg.schnapsen.trumpf;
        const karte tausch = K(id == spiele::kSchnapsen ? schnapsen::kBube : schnapsen::kNeun, trumpf);
        const karte offen = st(13).at(1).c;
        // the exchange card into the human's hand in place of its first card
        for (int s : {2, 11}) {
            const int i = index(s, tausch);
            if (i == 0) continue;
            const karte weg = st(1).at(1).c;
            st(1).at(1).c = tausch;
            st(s).at(i).c = weg;
        }
        ASSERT_GT(index(1, tausch), 0);
        central::entscheidungAbfragen(cg, 103);  // the question asked anew for the hand as it is now
        const int handAnz = st(1).anz, talonAnz = st(11).anz;
        central::antwort(cg, central::kKnopf, 0, 105);
        bool insHand = false, aufDenPlatz = false;
        int n = 0;
        for (; n < 2000; ++n) {
            a.lauf->frames(1);
            for (int z = 1; z <= glu::zugliste.anz; ++z) {
                const TZug m = glu::zugliste.at(z);
                insHand = insHand || (m.fromStack == 13 && (m.toStack == 1 || m.toStack == -1));
                aufDenPlatz = aufDenPlatz || (m.fromStack == 1 && m.toStack == 13);
            }
            if (cg.schnapsen.tauschMarke == 0 && glu::zugliste.anz == 0 && cg.bewegungWarten.aktiv == 0 &&
                cg.antwort.offen == 2)
                break;
        }
        ASSERT_LT(n, 2000);
        EXPECT_TRUE(insHand);
        EXPECT_TRUE(aufDenPlatz);
        ASSERT_EQ(+st(13).anz, 1);
        EXPECT_TRUE(gleich(st(13).at(1).c, tausch));
        EXPECT_GT(index(1, offen), 0);
        EXPECT_EQ(index(1, tausch), 0);
        EXPECT_EQ(+st(1).anz, handAnz);
        ASSERT_EQ(+st(11).anz, talonAnz);
        for (int i = 1; i <= talonAnz; ++i) {
            EXPECT_FLOAT_EQ(+st(11).at(i).x, 20) << i;
            EXPECT_FLOAT_EQ(+st(11).at(i).y, 350) << i;
        }
        EXPECT_EQ(cg.aktSpieler, 1);
        EXPECT_EQ(+st(12).anz, 0);
        for (int i = 1; i <= cg.entscheidung.knopfAnzahl; ++i) EXPECT_NE(cg.entscheidung.code(i), 105) << i;
        // and the deal plays on to its end with every card kept
        a.lauf->invariante = [](const TCG&, std::string& warum) { return schnapsen::kartenErhalten(warum); };
        a.lauf->antworter = [](TCG& g) {
            for (int i = 1; i <= st(g.aktSpieler).anz; ++i)
                if (schnapsen::spielbar(st(g.aktSpieler).at(i))) return central::antwort(g, central::kKarte, 0, i);
            return false;
        };
        ASSERT_GE(a.lauf->bis(schnapsen::dealVorbei), 0);
    }
}

// Dealt at once, each seat gets its whole hand in one packet (the seat after the one on turn
// first), then the trump card; one by one, the packets of three and two cards alternate.
TEST(SchnapsenAblauf, DealFollowsTheDealSetting) {
    struct Case {
        int id, austeilen;
        std::vector<std::pair<int, int>> pakete;  // seat (13: the trump card), cards, from the top
    };
    const Case cases[] = {
        {spiele::kSchnapsen, 1, {{0, 5}, {1, 5}, {13, 1}}},
        {spiele::kSechsundsechzig, 1, {{0, 6}, {1, 6}, {13, 1}}},
        {spiele::kSchnapsen, 2, {{0, 3}, {1, 3}, {13, 1}, {0, 2}, {1, 2}}},
        {spiele::kSechsundsechzig, 2, {{0, 3}, {1, 3}, {0, 3}, {1, 3}, {13, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " austeilen " << c.austeilen);
        harness::Lauf lauf(einstellung(c.id, 3, true));
        schnapsen::anmelden();
        envParam.austeilen = c.austeilen;
        ASSERT_TRUE(lauf.starten(0));
        ASSERT_GE(lauf.bis([](const TCG& g) { return g.phase.nr == 1; }), 0);
        const int n = st(11).anz;
        std::vector<karte> talon;
        for (int i = n; i >= 1; --i) talon.push_back(st(11).at(i).c);
        // The seat on turn before the deal: the first packet goes to the other one.
        const int erster = 3 - cg.aktSpieler;
        ASSERT_GE(lauf.bis([](const TCG& g) { return g.phase.nr == 4; }), 0);
        size_t oben = 0;
        for (const auto& [wer, k] : c.pakete) {
            const int stapel = wer == 13 ? 13 : (wer == 0 ? erster : 3 - erster);
            for (int i = 0; i < k; ++i, ++oben) EXPECT_GT(index(stapel, talon[oben]), 0) << stapel << " " << oben;
        }
    }
}

// The trump suit's icon stays in the information panel after closing, when the open card is gone.
TEST(SchnapsenAblauf, TrumpIconAndTurnMarkerFollowTheDeal) {
    panel::bilder = panel::Bilder{};
    for (int k = 1; k <= 4; ++k) panel::bilder.ansage[k] = 100 + k;
    panel::bilder.dran = 300;
    Aufbau a;
    ASSERT_TRUE(a.bereit(spiele::kSchnapsen));
    EXPECT_EQ(panel::sitz[1].icon, 300);
    EXPECT_FALSE(panel::sitz[2].iconVisible);
    const int trumpf = st(13).at(1).c.f;
    EXPECT_EQ(schnapsen::anzeigeFarbe(), trumpf);
    central::antwort(cg, central::kKnopf, 0, 104);
    ASSERT_GE(a.lauf->bis([](const TCG& g) { return g.schnapsen.talon.zu == 1 && g.bewegungWarten.aktiv == 0; }),
              0);
    EXPECT_EQ(+st(13).anz, 0);
    EXPECT_EQ(+cg.schnapsen.trumpf, trumpf);
    EXPECT_EQ(schnapsen::anzeigeFarbe(), trumpf);
    schnapsen::anzeigeAktualisieren();
    EXPECT_EQ(panel::sitz[1].icon, 300);  // the closer goes on leading
    panel::bilder = panel::Bilder{};
    panel::leeren();
}

// With the developer's switch the result table starts the next deal from inside the settlement:
// the deal's end phase must not fall on the new deal, which would wait forever.
TEST(SchnapsenAblauf, ATableThatGoesOnByItselfStartsTheNextDeal) {
    for (const int id : {spiele::kSchnapsen, spiele::kSechsundsechzig}) {
        SCOPED_TRACE(id);
        harness::Lauf lauf(einstellung(id, 6, true));
        schnapsen::anmelden();
        harness::TabelleGehtWeiter weiter(lauf);
        ASSERT_TRUE(lauf.starten(0));
        ASSERT_GE(lauf.bis([](const TCG& g) { return g.spielliste.runden == 1; }), 0);
        EXPECT_NE(+cg.phase.nr, 5);
        ASSERT_GE(lauf.bis([](const TCG& g) { return g.spielliste.runden == 2; }), 0);
    }
}
