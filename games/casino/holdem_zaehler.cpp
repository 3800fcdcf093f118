#include "games/casino/holdem_zaehler.h"

#include "core/central.h"
#include "core/cg.h"
#include "platform/text.h"

namespace holdem {

TPokerCounter PokerCounter;

namespace {
// Factors by rank from the 2 up to the As, streets 2..4.
constexpr float kFaktoren[3][13] = {
    {0.62f, 0.72f, 0.77f, 0.82f, 0.87f, 0.92f, 1.03f, 1.08f, 1.13f, 1.18f, 1.23f, 1.28f, 1.38f},
    {0.58f, 0.66f, 0.73f, 0.76f, 0.89f, 0.93f, 0.99f, 1.08f, 1.16f, 1.23f, 1.26f, 1.32f, 1.41f},
    {0.50f, 0.61f, 0.72f, 0.77f, 0.85f, 0.89f, 0.99f, 1.11f, 1.21f, 1.25f, 1.29f, 1.36f, 1.49f},
};
// Position of a value code in the order 2 .. As.
constexpr int kPosition[14] = {0, 5, 6, 7, 9, 10, 11, 8, 12, 0, 1, 2, 3, 4};
int spieler() {
    const int n = cg.ablauf.anzSpieler;
    return n < 1 ? 1 : (n > 6 ? 6 : n);
}
}  // namespace

void TPokerCounter::Init() {
    matchLimit = 20;
    rounds = 0;
    matches = 0;
    for (int s = 0; s < spieler(); ++s) points[s] = 0;
    NextMatch();
    NextRound();
    // the developer panel's stopwatch report covers the series
    if (central::dienste.stoppuhrenNeu) central::dienste.stoppuhrenNeu(10);
    for (int st = 0; st < 3; ++st)
        for (int t = 1; t <= 13; ++t) rankFactors[st][t - 1] = kFaktoren[st][kPosition[t]];
}

void TPokerCounter::NextMatch() {
    playersAtStart = spieler();
    ++matches;
}

void TPokerCounter::AddPoints(int seat, int32_t p) {
    if (seat >= 1 && seat <= 6) points[seat - 1] += p;
}

std::string TPokerCounter::StatText() const {
    std::string t = text::fromInt(matches) + " Matches, " + text::fromInt(rounds) + " Runden";
    for (int s = 1; s <= spieler(); ++s)
        t += "\n\rSpieler " + text::fromInt(s) + ": " + text::fromInt(points[s - 1]) + " Punkte";
    return t;
}

float TPokerCounter::rankFactor(int street, int t) const {
    if (street < 2 || street > 4 || t < 1 || t > 13) return 0.0f;
    return rankFactors[street - 2][t - 1];
}

}  // namespace holdem
