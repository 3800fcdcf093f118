// The Doppelkopf computer player's rating of a hand before the first card, at level "Profi" (no
// noise): the normal-game points for the special cards, bare and guarded Asse, void suits and
// trumps; the solo it wishes with its levels; the Fleischlose only while no other solo reached
// 160; and the game left as it was found.
#include <gtest/gtest.h>

#include "core/cg.h"
#include "games/schafkopf_doppelkopf/doppelkopf_ki.h"
#include "sd_karten.h"

namespace {

using doppelkopfki::Lage;

// A fresh deal: seat `seat` holds `hand`, the other seats share the rest of the deck, the dealer
// is seat 4 (so seat 1 leads).
Lage deal(int seat, const char* hand) {
    Lage l = doppelkopfki::leereLage();
    const auto h = sdtest::DH(hand);
    std::vector<karte> rest = doppelkopf::kartenSatz();
    for (const karte& k : h) {
        auto it = std::find_if(rest.begin(), rest.end(), [&](const karte& x) { return gleich(x, k); });
        EXPECT_NE(it, rest.end()) << sdtest::name(k, true);
        if (it != rest.end()) rest.erase(it);
    }
    size_t i = 0;
    for (int s = 1; s <= 4; ++s) {
        if (s == seat) {
            l.haende[static_cast<size_t>(s)] = h;
            continue;
        }
        for (int n = 0; n < 12 && i < rest.size(); ++n) l.haende[static_cast<size_t>(s)].push_back(rest[i++]);
    }
    l.amZug = seat;
    l.sichten[static_cast<size_t>(seat)].code[seat - 1] = 10;
    return l;
}

TDoppelkopfKiWahl rate(int seat, const char* hand, int soloAnzug = 2) {
    TDoppelkopfKiWahl w{};
    doppelkopfki::Optionen o;
    o.soloAnzug = soloAnzug;
    doppelkopfki::vorbehaltWahl(deal(seat, hand), seat, o, w);
    return w;
}

TEST(DoppelkopfKiVorbehalt, BareAndGuardedAsseVoidSuitsAndTrumpsCountAsTheRulesSay) {
    // ten trumps: both Dullen (4 + 4) and eight Damen (8 x 4): -12 + 40 = 28, halved 14;
    // Kreuz-Damen 2 x 4 and Dullen 2 x 5 give 18 special points; Pik, Herz and Karo are void
    struct Fall {
        const char* kreuz;
        int blank;
    };
    const Fall faelle[] = {{"cA cZ", 2}, {"cA cA", 1}, {"cK cZ", 0}, {"cA cK", 1}};
    for (const Fall& f : faelle) {
        const std::string hand = std::string(f.kreuz) + " hZ hZ cD cD sD sD hD hD dD dD";
        for (int seat : {1, 2}) {
            SCOPED_TRACE(hand + " seat " + std::to_string(seat));
            const TDoppelkopfKiWahl w = rate(seat, hand.c_str());
            EXPECT_EQ(w.blank, f.blank);
            EXPECT_EQ(w.sonderkarten, 18);
            EXPECT_EQ(w.truempfe, 14);
            EXPECT_EQ(w.frei, seat == 1 ? 17 : 15);  // the seat after the dealer gets 2 more
            EXPECT_EQ(w.trumpfStaerke, 32);
            EXPECT_EQ(w.seitenStaerke, w.frei + w.blank + w.asse);
        }
    }
}

TEST(DoppelkopfKiVorbehalt, AHandWithoutTrumpsMissesEveryTrumpThreshold) {
    // no trump at all: the trump points stay 0
    const TDoppelkopfKiWahl w = rate(2, "cA cA cK cK sA sA sK sK hA hA hK hK");
    EXPECT_EQ(w.truempfe, 0);
    EXPECT_EQ(w.sonderkarten, 0);
    EXPECT_EQ(w.frei, 5);  // Karo
}

TEST(DoppelkopfKiVorbehalt, TheStrongestSoloIsWishedAndTheFleischloseOnlyWithoutOne) {
    // Damensolo: the four Damen of Kreuz and Pik rate above 100 (kept at 100), each suit held as
    // two Asse rates 1.0: 200 against 78, 58, 152, and the third raised level (94, 93, 178).
    // The Fleischlose would rate 75 (Kreuz and Pik 0.5, Herz and Karo 1.0) but comes too late.
    TDoppelkopfKiWahl w = rate(2, "cA cA sA sA hA hA dA dA cD cD sD sD");
    EXPECT_EQ(w.soloWunsch, 6);
    EXPECT_EQ(w.stufenSolo[6 - 1], 3);
    EXPECT_EQ(w.stufenSolo[7 - 1], 0);
    EXPECT_EQ(w.klasse, 0);  // a seat that wishes a solo announces nothing in a normal game
    EXPECT_EQ(w.stufenGegner[6 - 1], 4);
    // every suit as two Asse and a 9: only the Fleischlose reaches its threshold, by 100 points
    // of side rating (1 from 85, 2 from 95 for a seat that does not lead)
    w = rate(2, "cA cA sA sA hA hA dA dA c9 s9 h9 d9");
    EXPECT_EQ(w.soloWunsch, 7);
    EXPECT_EQ(w.stufenSolo[7 - 1], 2);
    EXPECT_EQ(w.stufenGegner[7 - 1], 3);
    // the seat that leads rates each As by its chance to take the trick (no trump can ruff):
    // 5 + 5 per suit, 1.0, so 100, which is level 4
    w = rate(1, "cA cA sA sA hA hA dA dA c9 s9 h9 d9");
    EXPECT_EQ(w.soloWunsch, 7);
    EXPECT_EQ(w.stufenSolo[7 - 1], 4);
}

TEST(DoppelkopfKiVorbehalt, TheRatingLeavesTheGameAsItFoundIt) {
    cg.doppelkopf.z.soloTyp = 0;
    Lage l = deal(2, "cA cA sA sA hA hA dA dA cD cD sD sD");
    l.soloTyp = 0;
    TDoppelkopfKiWahl w{};
    doppelkopfki::vorbehaltWahl(l, 2, doppelkopfki::Optionen{}, w);
    EXPECT_EQ(cg.doppelkopf.z.soloTyp, 0);
    // the working set is the seat's normal game again
    EXPECT_EQ(doppelkopfki::arbeit().lage.soloTyp, 0);
    EXPECT_EQ(doppelkopfki::farbklasse(sdtest::DK("hZ")), 6);
    EXPECT_EQ(doppelkopfki::farbklasse(sdtest::DK("cA")), 1);
}

}  // namespace
