// The score of a series of Texas Hold'em matches: matches and hands played, the match points of
// the seats, and the card-rank factors per street that the computer player reads.
#pragma once
#include <cstdint>
#include <string>

namespace holdem {

class TPokerCounter {
public:
    int32_t matchLimit = 20;
    int32_t rounds = 0;
    int32_t matches = 0;
    int32_t points[6] = {};  // seats 1..6 at [0..5]
    int32_t playersAtStart = 0;
    float rankFactors[3][13] = {};  // [street 2..4][value code 1..13]

    void Init();
    bool SeriesOver() const { return matches >= matchLimit; }
    void NextRound() { ++rounds; }
    void NextMatch();
    void AddPoints(int seat, int32_t p);
    std::string StatText() const;
    float rankFactor(int street, int valueCode) const;
};

extern TPokerCounter PokerCounter;

}  // namespace holdem
