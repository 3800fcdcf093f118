// How often each card (value and suit) lies on the table: the checks of whole-game runs that
// every card is there exactly as often as the decks hold it count with this in every frame.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/karten.h"

class Kartenzaehler {
public:
    // Counts the card once more; returns how often it has been counted now.
    int zaehlen(const karte& k) {
        const int n = ++anzahl_[schluessel(k)];
        if (n > hoechste_) hoechste_ = n;
        return n;
    }
    // The first card code (value x 10 + suit, in ascending order) counted more than `grenze`
    // times, with its count; -1 when there is none.
    int ueber(int grenze, int& wieOft) const {
        if (hoechste_ <= grenze) return -1;  // the usual answer, without a pass over every code
        for (size_t i = 0; i < anzahl_.size(); ++i)
            if (anzahl_[i] > grenze) {
                wieOft = anzahl_[i];
                return static_cast<int>(i);
            }
        return -1;
    }

private:
    static size_t schluessel(const karte& k) { return static_cast<size_t>(k.t) * 10 + k.f; }
    std::array<uint16_t, 255 * 10 + 255 + 1> anzahl_{};
    int hoechste_ = 0;
};
