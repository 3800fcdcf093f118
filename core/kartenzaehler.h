// How often each card (value and suit) lies on the table: the checks of whole-game runs that
// every card is there exactly as often as the decks hold it count with this in every frame.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/karten.h"

class Kartenzaehler {
public:
    // Counts the card once more; returns how often it has been counted now.
    int zaehlen(const karte& k) {
        const size_t s = schluessel(k);
        const int n = ++(s < klein_.size() ? klein_[s] : gross(s));
        if (n > hoechste_) hoechste_ = n;
        return n;
    }
    // The first card code (value x 10 + suit, in ascending order) counted more than `grenze`
    // times, with its count; -1 when there is none.
    int ueber(int grenze, int& wieOft) const {
        if (hoechste_ <= grenze) return -1;  // the usual answer, without a pass over every code
        for (size_t i = 0; i < kCodes; ++i) {
            const uint16_t n = i < klein_.size() ? klein_[i] : (gross_ ? (*gross_)[i] : uint16_t{0});
            if (n > grenze) {
                wieOft = n;
                return static_cast<int>(i);
            }
        }
        return -1;
    }

private:
    static constexpr size_t kCodes = 255 * 10 + 255 + 1;
    static size_t schluessel(const karte& k) { return static_cast<size_t>(k.t) * 10 + k.f; }
    // The codes of every card of a deck fit the small table, which is all a frame clears; the
    // whole range is there only once a damaged card is counted.
    uint16_t& gross(size_t s) {
        if (!gross_) gross_ = std::make_unique<std::array<uint16_t, kCodes>>();
        return (*gross_)[s];
    }
    std::array<uint16_t, 160> klein_{};
    std::unique_ptr<std::array<uint16_t, kCodes>> gross_;
    int hoechste_ = 0;
};
