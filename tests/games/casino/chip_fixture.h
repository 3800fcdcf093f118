// A Black Jack table of four seats with empty chip seats, an empty chip handler, a manual clock
// and a fixed seed; chips are placed by hand and moved by running the handler's frames.
#pragma once
#include <gtest/gtest.h>

#include <cstring>

#include "core/cg.h"
#include "core/envparam.h"
#include "games/casino/chipanim.h"
#include "games/casino/pokerchips.h"
#include "platform/msgsink.h"
#include "platform/rnd.h"
#include "platform/ticks.h"

class ChipTisch : public testing::Test {
protected:
    void SetUp() override {
        std::memset(static_cast<void*>(&cg), 0, sizeof(TCG));
        cg.spielId = 9;
        cg.ablauf.anzSpieler = 4;
        cg.phase.nr = 4;
        envParam = TEnvParam{};
        rnd::seed(5);
        pokerchips::sitzImSpiel = nullptr;
        pokerchips::leeren();
        chipanim::AnimationHandler.Clear();
        msgsink::clear();
    }
    // Runs frames of 20 ms until the chips are at rest (at most n frames); the number run.
    int ruhen(int n = 2000) {
        for (int i = 0; i < n; ++i) {
            const bool ruhig = chipanim::animationStep();
            if (ruhig && chipanim::AnimationHandler.anfragen() == 0) return i;
            uhr.advance(20);
            chipanim::AnimationHandler.Frame();
        }
        return n;
    }
    static int anzahl(int sitz, int typ) { return pokerchips::seat(sitz).stacks[typ].count; }

    ticks::Manual uhr{5000};
    msgsink::Capture meldungen;
};
