#include "core/cg.h"

#include <cstring>

#include "core/envparam.h"

constinit TCG cg{};
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
