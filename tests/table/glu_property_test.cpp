// Random moves between random stacks for thousands of frames: every card stays in exactly one
// place and the move lists drain.
#include <algorithm>
#include <map>

#include "tisch_fixture.h"

namespace {

const int kStapelImSpiel[] = {1, 2, 3, 4, 11, 12, 13, 15, 16};

// Card (value and suit, all distinct here) -> how often it lies within the counts of the
// stacks in play (14 only mirrors 12).
std::map<int, int> zaehlen() {
    std::map<int, int> m;
    for (int s : kStapelImSpiel) {
        const TSpieler& t = glu::spieler[s - 1];
        for (int i = 1; i <= t.anz; ++i) m[t.at(i).c.t * 10 + t.at(i).c.f] += 1;
    }
    return m;
}

bool belegt(int s) {
    const TSpieler& t = glu::spieler[s - 1];
    for (int i = 1; i <= kSlots; ++i)
        if (t.at(i).bewegung.active) return true;
    if (s <= 10) {
        const TSpieler& z = glu::spielerZwilling[s - 1];
        for (int i = 1; i <= kSlots; ++i)
            if (z.at(i).bewegung.active) return true;
    }
    for (int i = 1; i <= glu::zugliste.anz; ++i) {
        const TZug& z = glu::zugliste.at(i);
        if (z.toStack == s || z.toStack == -s || z.fromStack == s) return true;
    }
    return false;
}

}  // namespace

using Property = Tisch;

TEST_F(Property, RandomMovesKeepEveryCardInExactlyOnePlace) {
    rnd::seed(12345);
    cg.spielId = 3;
    envParam.kartenSpeed = 25;
    // 48 distinct cards spread over the stacks
    int n = 0;
    auto karteNr = [](int i) {
        return karte{static_cast<uint8_t>(1 + i % 12), static_cast<uint8_t>(1 + i / 12), 0};
    };
    for (int s : kStapelImSpiel)
        for (int i = 0; i < 5; ++i, ++n) legen(s, karteNr(n).t, karteNr(n).f);
    for (; n < 48; ++n) legen(11, karteNr(n).t, karteNr(n).f);
    const auto erwartet = zaehlen();
    ASSERT_EQ(erwartet.size(), 48u);

    const uint8_t arten[] = {14, 15, 16, 4, 5};
    int angefordert = 0, gespielt = 0, gegeben = 0;
    bool ganzerTisch = false;
    for (int frame = 0; frame < 6000; ++frame) {
        const float fps = 20.0f + static_cast<float>(rnd::random(100));
        const int phase = frame % 200;
        if (frame < 5800 && phase < 150 && rnd::random(3) == 0) {
            const int von = kStapelImSpiel[rnd::random(9)];
            const int nach = kStapelImSpiel[rnd::random(9)];
            if (von != nach && st(von).anz > 0 && !belegt(von) && !belegt(nach)) {
                const float verzug = static_cast<float>(rnd::random(3)) * 0.1f;
                ASSERT_TRUE(glu::movecard(von, st(von).anz, nach, st(nach).anz + 1, 1, 2,
                                          arten[rnd::random(5)], verzug, 0, 0));
                ++angefordert;
            }
        } else if (frame < 5800 && phase >= 150 && glu::zugliste.anz == 0 && !ganzerTisch) {
            // whole-table actions only at rest: a seat plays, or the talon deals
            ganzerTisch = true;
            const int seat = 1 + rnd::random(4);
            if (rnd::random(2) == 0 && st(seat).anz > 0) {
                EXPECT_GT(glu::playcard(seat, 1 + rnd::random(st(seat).anz), rnd::random(2) ? 12 : 13, 0), 0);
                ++gespielt;
            } else if (st(11).anz > 0) {
                glu::dealcards(seat, 1 + rnd::random(std::min(3, static_cast<int>(st(11).anz))), 0, 0, 11, 0);
                ++gegeben;
            }
        }
        if (phase == 0) ganzerTisch = false;
        glu::stepanimation(glu::FrameTime{fps});
        glu::drainfinished(nullptr);  // as the shell does every frame
        ASSERT_EQ(zaehlen(), erwartet) << "frame " << frame;
        for (int s : kStapelImSpiel) {
            ASSERT_GE(+st(s).anz, 0);
            ASSERT_LE(+st(s).anz, kSlots);
        }
    }
    EXPECT_EQ(+glu::zugliste.anz, 0);
    glu::drainfinished(nullptr);
    EXPECT_EQ(+glu::fertigliste.anz, 0);
    EXPECT_GT(angefordert, 200);
    EXPECT_GE(gespielt, 5);
    EXPECT_GE(gegeben, 5);
    EXPECT_TRUE(meldungen.texts().empty()) << meldungen.texts().front();
}
