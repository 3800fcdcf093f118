#include "core/cg.h"

#include <cstring>

#include "core/envparam.h"

// Aligned, so that the fields at aligned offsets of the packed record are aligned in memory too.
alignas(8) constinit TCG cg{};
TEnvParam envParam;

namespace {
constexpr int kSpielbareSitze = 138852;  // inside Poker seat 1's record
}  // namespace

int32_t TCG::spielbareSitze() const {
    int32_t n;
    std::memcpy(&n, reinterpret_cast<const unsigned char*>(this) + kSpielbareSitze, sizeof n);
    return n;
}

void TCG::setzeSpielbareSitze(int32_t n) {
    std::memcpy(reinterpret_cast<unsigned char*>(this) + kSpielbareSitze, &n, sizeof n);
}
