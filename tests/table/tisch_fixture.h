// A clean table for every test: empty stacks, default central record and settings, a fixed
// random seed and a manual clock.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/cg.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "platform/msgsink.h"
#include "platform/rnd.h"
#include "platform/ticks.h"
#include "table/glu.h"
#include "table/k12.h"
#include "table/tischcg.h"
#include "table/tischhooks.h"

class Tisch : public ::testing::Test {
protected:
    ticks::Manual uhr{1000};
    msgsink::Capture meldungen;

    void SetUp() override {
        glu::reset();
        tischcg::reset();
        tischhooks::reset();
        std::memset(static_cast<void*>(&cg), 0, sizeof(cg));
        envParam = TEnvParam{};
        envParam.kartenSpeed = 10;
        k12 = Tk12Container{};
        rnd::seed(7);
        glu::anzSitze = 4;
        glu::anzTischStapel = 6;
        // card order by value, then suit
        for (int f = 1; f <= 4; ++f)
            for (int t = 1; t <= 14; ++t) Kartenwerte[f - 1][t - 1] = t * 10 + f;
    }

    static TSpieler& st(int spi) { return spi > 0 ? glu::spieler[spi - 1] : glu::spielerZwilling[-spi - 1]; }

    // Puts a card with value t, suit f and tag nr on top of the stack.
    static void legen(int spi, uint8_t t, uint8_t f, uint16_t nr = 0) {
        TSpieler& s = st(spi);
        s.anz += 1;
        s.at(s.anz).c = karte{t, f, nr};
    }

    // Values of a stack's slots 1..anz.
    static std::vector<int> werte(const TSpieler& s) {
        std::vector<int> v;
        for (int i = 1; i <= s.anz; ++i) v.push_back(s.at(i).c.t);
        return v;
    }

    // Runs frames at the frame rate until no move is under way; returns the frames run.
    static int bisRuhe(float fps, int maxFrames = 100000) {
        int n = 0;
        while (glu::zugliste.anz > 0 && n < maxFrames) {
            glu::stepanimation(glu::FrameTime{fps});
            ++n;
        }
        return n;
    }
    static void frames(int n, float fps) {
        for (int i = 0; i < n; ++i) glu::stepanimation(glu::FrameTime{fps});
    }
};
