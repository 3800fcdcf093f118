#include "tisch_fixture.h"

using Piles = Tisch;

namespace {

bool partner13(int a, int b) { return (a % 2) == (b % 2); }

// Lays `n` cards into stack 12 as pile p, positions 1..n.
void stapelLegen(int p, int n, uint8_t t) {
    TSpieler& s = glu::spieler[11];
    for (int i = 1; i <= n; ++i) {
        s.anz += 1;
        TKartenSlot& k = s.at(s.anz);
        k.c = karte{t, static_cast<uint8_t>(1 + i % 4), 0};
        k.hi = p;
        k.pilePos = i;
    }
}

}  // namespace

TEST_F(Piles, EmptyContainerCountsBothSides) {
    legen(12, 1, 1);
    st(12).at(1).hi = 3;
    k12.d.anz1 = 4;
    k12.leeren();
    EXPECT_EQ(+k12.stapelAnzahl(1), 0);
    EXPECT_EQ(+k12.stapelAnzahl(2), 20);
    EXPECT_EQ(+st(12).at(1).hi, 0);
}

TEST_F(Piles, NewPilesOpenOnTheSideOfTheirParty) {
    tischhooks::tab().gleichePartei = partner13;
    struct Case {
        int seat, aktSpieler, pile, owner;
    };
    const Case cases[] = {{2, 2, 21, 2}, {4, 4, 22, 4}, {3, 3, 1, 3}, {1, 1, 2, 1}, {2, 4, 23, 4}};
    for (const auto& c : cases) {
        cg.aktSpieler = c.aktSpieler;
        EXPECT_EQ(+k12.neuerStapel(c.seat, 3), c.pile) << c.seat;
        EXPECT_EQ(+k12.pile(c.pile).anz, 3);
        EXPECT_EQ(+k12.pile(c.pile).besitzer, c.owner);
    }
}

TEST_F(Piles, ATwentyFirstPileOnSideOneIsRefused) {
    for (int i = 1; i <= 20; ++i) ASSERT_EQ(+k12.neuerStapel(1, 3), i);
    EXPECT_EQ(+k12.neuerStapel(1, 5), 0);
    EXPECT_EQ(+k12.d.anz1, 20);
    EXPECT_EQ(+k12.pile(21).anz, 0);
    EXPECT_EQ(meldungen.texts().size(), 1u);
    cg.aktSpieler = 2;
    EXPECT_EQ(+k12.neuerStapel(2, 5), 21);
}

// The piles rebuilt from the cards of stack 12: what they held before is gone, even above the
// new counts, and each pile keeps its owner.
TEST_F(Piles, RebuiltFromTheCardsPilesKeepTheirOwners) {
    stapelLegen(1, 3, 5);
    stapelLegen(21, 2, 9);
    k12.d.anz1 = 1;
    k12.d.anz2 = 1;
    k12.pile(1).besitzer = 3;
    k12.pile(21).besitzer = 2;
    k12.pile(1).anz = 7;
    k12.pile(1).at(7) = karte{11, 2, 40};
    k12.pile(40).at(1) = karte{12, 1, 9};
    k12.zellenAusKarten();
    EXPECT_EQ(+k12.pile(1).anz, 3);
    EXPECT_EQ(+k12.pile(1).at(7).t, 0);
    EXPECT_EQ(+k12.pile(40).at(1).t, 0);
    EXPECT_EQ(+k12.pile(1).besitzer, 3);
    EXPECT_EQ(+k12.pile(21).besitzer, 2);
    ASSERT_EQ(+k12.pile(21).anz, 2);
    EXPECT_EQ(+k12.pile(21).at(2).t, 9);
    EXPECT_EQ(+k12.pile(21).at(2).nr, 5);  // the fifth card of stack 12
    EXPECT_EQ(+k12.pile(1).at(3).nr, 3);
}

// The record's copy of the piles, written every game step, holds exactly the piles after any
// change: piles that shrink, close and move down, and a copy into a place written before by
// something else.
TEST_F(Piles, TheRecordsCopyOfThePilesFollowsEveryChange) {
    constexpr size_t kGroesse = sizeof(Tk12Daten::stapel);
    static_assert(kGroesse == 60 * 260);
    std::vector<uint8_t> kopie(kGroesse, 0x5A);
    auto gleich = [&](const std::vector<uint8_t>& k) { return std::memcmp(k.data(), k12.d.stapel, kGroesse) == 0; };
    auto anzahl = [&](int p) { return kopie[static_cast<size_t>(p - 1) * 260 + 256]; };
    stapelLegen(1, 5, 1);
    stapelLegen(2, 3, 2);
    stapelLegen(21, 4, 3);
    k12.d.anz1 = 2;
    k12.d.anz2 = 1;
    k12.zellenAusKarten();
    k12.stapelSichern(kopie.data());
    EXPECT_TRUE(gleich(kopie));
    EXPECT_EQ(+anzahl(1), 5);
    // Pile 1 empties: pile 2 with its three cards moves down into it.
    for (int i = 0; i < 5; ++i) k12.karteEntfernen(1, 1);
    k12.stapelSichern(kopie.data());
    EXPECT_TRUE(gleich(kopie));
    EXPECT_EQ(+anzahl(1), 3);
    EXPECT_EQ(+anzahl(2), 0);
    EXPECT_EQ(+kopie[3 * 4], 0);  // position 4 of pile 1: the fourth of the five cards was there
    EXPECT_EQ(+kopie[260], 0);    // pile 2 is empty
    // The next step rebuilds the piles from the cards; a new pile opens on side 2.
    k12.zellenAusKarten();
    stapelLegen(22, 2, 4);
    k12.d.anz2 = 2;
    k12.zellenAusKarten();
    k12.stapelSichern(kopie.data());
    EXPECT_TRUE(gleich(kopie));
    EXPECT_EQ(+anzahl(22), 2);
    // Another record's copy gets every byte.
    std::vector<uint8_t> andere(kGroesse, 0xA5);
    k12.stapelSichern(andere.data());
    EXPECT_TRUE(gleich(andere));
    k12.stapelSichern(kopie.data());
    EXPECT_TRUE(gleich(kopie));
}

// A loaded game may bring bytes above a pile's count; after the load the first rebuild clears
// them as it clears everything else.
TEST_F(Piles, ALoadedContainerIsClearedWholeByTheNextRebuild) {
    k12.leeren();
    stapelLegen(1, 2, 5);
    k12.d.anz1 = 1;
    k12.zellenAusKarten();
    k12.pile(1).at(9) = karte{7, 1, 30};
    k12.pile(40).at(64) = karte{8, 2, 31};
    k12.inhaltUnbekannt();
    k12.zellenAusKarten();
    EXPECT_EQ(+k12.pile(1).anz, 2);
    EXPECT_EQ(+k12.pile(1).at(9).t, 0);
    EXPECT_EQ(+k12.pile(1).at(9).nr, 0);
    EXPECT_EQ(+k12.pile(40).at(64).t, 0);
}

TEST_F(Piles, RemovingTheLastCardOfAPileClosesTheRow) {
    stapelLegen(1, 2, 1);
    stapelLegen(2, 1, 2);
    stapelLegen(3, 3, 3);
    k12.d.anz1 = 3;
    k12.zellenAusKarten();
    k12.karteEntfernen(2, 1);
    EXPECT_EQ(+k12.d.anz1, 2);
    EXPECT_EQ(+k12.pile(2).anz, 3);
    EXPECT_EQ(+k12.pile(3).anz, 0);
    // the cards of the pile that moved down name their new pile
    for (int slot = 4; slot <= 6; ++slot) EXPECT_EQ(+st(12).at(slot).hi, 2) << slot;
    EXPECT_EQ(+st(12).at(3).hi, 0);
    k12.karteEntfernen(2, 1);  // a card from the middle: the later ones renumber
    EXPECT_EQ(+k12.pile(2).anz, 2);
    EXPECT_EQ(+st(12).at(5).pilePos, 1);
    EXPECT_EQ(+st(12).at(6).pilePos, 2);
    EXPECT_EQ(+st(12).at(4).hi, 0);
}

TEST_F(Piles, CellsAndPilesRoundTrip) {
    stapelLegen(1, 3, 1);
    stapelLegen(2, 25, 2);  // a Canasta meld of two decks passes 20 cards
    stapelLegen(21, 4, 3);
    k12.d.anz1 = 2;
    k12.d.anz2 = 1;
    k12.zellenAusKarten();
    EXPECT_EQ(+k12.pile(2).anz, 25);
    const Tk12Daten vorher = k12.d;
    for (int i = 1; i <= st(12).anz; ++i) st(12).at(i).hi = st(12).at(i).pilePos = 0;
    k12.zellenInKarten();
    EXPECT_EQ(+st(12).at(4 + 24).hi, 2);
    EXPECT_EQ(+st(12).at(4 + 24).pilePos, 25);
    k12.zellenAusKarten();
    EXPECT_EQ(std::memcmp(&vorher, &k12.d, sizeof(Tk12Daten)), 0);
    hand h;
    k12.stapelZuHand(2, h);
    EXPECT_EQ(+h.anz, 25);
    EXPECT_EQ(+h.at(25).nr, 28);
    k12.stapelZuHand(0, h);
    EXPECT_EQ(+h.anz, 0);
}

TEST_F(Piles, PlacementQueryNeverWritesAndReachesPosition64) {
    stapelLegen(1, 30, 1);
    k12.d.anz1 = 1;
    k12.zellenAusKarten();
    const Tk12Daten vorher = k12.d;
    struct Case {
        int pile, position, cellPile, cellPos;
    };
    const Case cases[] = {{1, 25, 1, 25}, {1, 64, 1, 64}, {1, 65, 1, 1},
                          {2, 3, 1, 1},   {0, 3, 1, 1},   {21, 1, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pile << "/" << c.position);
        TKartenSlot k{};
        k12.zellenPlatz(c.pile, c.position, k, true, 99);
        EXPECT_EQ(+k.hi, c.cellPile);
        EXPECT_EQ(+k.pilePos, c.cellPos);
        EXPECT_FLOAT_EQ(+k.x, static_cast<float>(c.cellPos - 1) * 0.2f * 104);
        EXPECT_FLOAT_EQ(+k.a2, 0.5f);
    }
    EXPECT_EQ(std::memcmp(&vorher, &k12.d, sizeof(Tk12Daten)), 0);
}

TEST_F(Piles, PileRowsAndArc) {
    stapelLegen(1, 3, 1);
    stapelLegen(2, 3, 2);
    k12.d.anz1 = 2;
    k12.zellenAusKarten();
    Pos6 p{};
    k12.stapelPosition(1, p);
    EXPECT_FLOAT_EQ(+p.v[0], 40);
    EXPECT_FLOAT_EQ(+p.v[2], -550);
    k12.stapelPosition(2, p);
    EXPECT_NEAR(+p.v[0], 40 + 3 * 104 * 0.2f + 104 * 1.3f, 1e-3);
    k12.stapelPosition(21, p);
    EXPECT_FLOAT_EQ(+p.v[2], -800);
    EXPECT_NEAR(Tk12Container::bogenHoehe(0.2f), 420, 1e-2);
    EXPECT_NEAR(Tk12Container::bogenHoehe(0), 0, 1e-3);
}

TEST_F(Piles, SeatMeldsListThePilesOfTheSeat) {
    cg.aktSpieler = 2;
    k12.neuerStapel(1, 3);
    k12.neuerStapel(2, 3);
    cg.aktSpieler = 3;
    k12.neuerStapel(3, 3);
    hand h;
    k12.sitzMeldungen(3, h);
    ASSERT_EQ(+h.anz, 1);
    EXPECT_EQ(+h.at(1).nr, 22);
    k12.sitzMeldungen(1, h);
    ASSERT_EQ(+h.anz, 1);
    EXPECT_EQ(+h.at(1).nr, 1);
}

TEST_F(Piles, MeldCardsTakeTheirPlaceAndPileFromTheContainer) {
    cg.ablauf.meldModus = 1;
    stapelLegen(1, 4, 6);
    k12.d.anz1 = 1;
    k12.zellenAusKarten();
    TKartenSlot k{};
    glu::getcardslot(12, 3, true, k);
    EXPECT_FLOAT_EQ(+k.x, 2 * 0.2f * 104);
    EXPECT_EQ(+k.hi, 1);
    EXPECT_EQ(+k.pilePos, 3);
    EXPECT_EQ(+k.c.t, 6);
    Pos6 p{}, erwartet{};
    ASSERT_TRUE(glu::pvl_getplayerpos(12, 3, p));
    k12.stapelPosition(1, erwartet);
    EXPECT_FLOAT_EQ(+p.v[0], +erwartet.v[0]);
    EXPECT_FLOAT_EQ(+p.v[2], -550);
    st(12).at(3).hi = 0;  // a card in no pile shows no card
    glu::getcardslot(12, 3, true, k);
    EXPECT_EQ(+k.c.t, 0);
}

TEST_F(Piles, ACanastaTakesOneCardOfRoomAndShrinksToItWhileItIsMade) {
    cg.spielId = 4;
    stapelLegen(1, 5, 1);
    stapelLegen(2, 3, 2);
    k12.d.anz1 = 2;
    k12.zellenAusKarten();
    const float pt = k12.pitch();
    hand lege;
    std::memset(static_cast<void*>(&lege), 0, sizeof(lege));
    lege.anz = 2;
    struct Case {
        bool laying, layOn;
        float progress;
        float room;  // cards pile 1 takes room for
    };
    // five cards and two being laid make a canasta: from 7 cards wide down to 1 with the
    // progress; laid onto in place (lay-on) it neither grows nor closes
    const Case cases[] = {{false, false, 0, 5},
                          {true, false, 0, 7},
                          {true, false, 0.5f, 4},
                          {true, false, 1, 1},
                          {true, true, 0.5f, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.laying << c.layOn << " " << c.progress);
        k12.anlegenStarten(lege, lege, 1, 1, 1, c.layOn, 0, 0, karte{}, 0);
        k12.d.aktiv = c.laying ? 1 : 0;
        k12.d.fortschritt = c.progress;
        EXPECT_NEAR(k12.platzKarten(1), c.room, 1e-4);
        Pos6 p{};
        k12.stapelPosition(2, p);
        EXPECT_NEAR(+p.v[0], -175 + c.room * pt * 0.2f + pt * 1.3f, 1e-3);
        // the cards of the pile slide together with the same progress
        TKartenSlot k{};
        k12.zellenPlatz(1, 5, k, false, 0);
        const float zusammen = c.laying && !c.layOn ? 4 * c.progress : 0;
        EXPECT_NEAR(+k.x, (4 - zusammen) * 0.2f * pt, 1e-3);
    }
}

TEST_F(Piles, CardsFlyingBackCountByWhatIsLeftAndOpenABrokenCanasta) {
    cg.spielId = 4;
    cg.aktSpieler = 1;
    stapelLegen(1, 7, 1);
    k12.d.anz1 = 1;
    k12.zellenAusKarten();
    EXPECT_FLOAT_EQ(k12.platzKarten(1), 1);
    // two cards on their way back to the human's twin stack, one to another seat's
    struct Flug {
        int slot, to;
        float progress;
    };
    const Flug fluege[] = {{6, -1, 0.25f}, {7, -1, 0.5f}, {5, -2, 0.5f}};
    for (const auto& f : fluege) {
        TBewegung& b = st(12).at(f.slot).bewegung;
        b.active = 1;
        b.toStack = f.to;
        b.progress = f.progress;
    }
    float rest = 0;
    EXPECT_EQ(k12.rueckflug(1, &rest), 2);
    EXPECT_FLOAT_EQ(rest, 1.25f);
    EXPECT_FLOAT_EQ(k12.platzKarten(1), 1);  // still closed until its flag is set
    k12.rueckflugPruefen();
    EXPECT_EQ(+k12.flags[0], 1);
    EXPECT_FLOAT_EQ(k12.platzKarten(1), 5 + 1.25f);
    // a canasta that stays one after its returning cards leaves closed
    k12.flags[0] = 0;
    stapelLegen(1, 2, 1);  // positions 1..2 again: rebuild as nine cards
    for (int i = 8; i <= 9; ++i) st(12).at(i).pilePos = i;
    k12.zellenAusKarten();
    ASSERT_EQ(+k12.pile(1).anz, 9);
    k12.rueckflugPruefen();
    EXPECT_EQ(+k12.flags[0], 0);
}

TEST_F(Piles, PreviewAndLayabilityOfASelection) {
    stapelLegen(1, 3, 6);
    k12.d.anz1 = 1;
    k12.zellenAusKarten();
    hand wahl;
    std::memset(static_cast<void*>(&wahl), 0, sizeof(wahl));
    wahl.anz = 1;
    wahl.at(1) = karte{6, 2, 0};
    static bool erlaubt = true;
    tischhooks::tab().isset = [](const hand&) { return erlaubt; };
    tischhooks::tab().ismeldung = [](const hand&) { return erlaubt; };
    struct Case {
        int game, pile;
        bool allowed;
        int anz;
        bool layable;
    };
    const Case cases[] = {{3, 1, true, 4, true},   {3, 1, false, 4, false}, {4, 1, true, 4, true},
                          {4, 1, false, 0, false}, {3, 2, true, 0, false},  {1, 1, true, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "game " << c.game << " pile " << c.pile << " " << c.allowed);
        cg.spielId = static_cast<uint8_t>(c.game);
        erlaubt = c.allowed;
        const hand h = k12.vorschau(wahl, c.pile);
        EXPECT_EQ(+h.anz, c.anz);
        EXPECT_EQ(k12.anlegbar(wahl, c.pile), c.layable);
    }
    wahl.anz = 0;
    cg.spielId = 3;
    erlaubt = true;
    EXPECT_FALSE(k12.anlegbar(wahl, 1));
}
