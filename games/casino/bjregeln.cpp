#include "games/casino/bjregeln.h"

#include <algorithm>

#include "platform/text.h"

namespace bjregeln {

namespace {
constexpr int kAs = 8;
}

int kartenWert(int t, bool aceLow, bool kurz) {
    switch (t) {
        case 1:
            return 7;
        case 2:
            return 8;
        case 3:
            return 9;
        case 4:
            return kurz ? 2 : 10;
        case 5:
            return kurz ? 3 : 10;
        case 6:
            return kurz ? 4 : 10;
        case 7:
            return 10;
        case kAs:
            return (aceLow && !kurz) ? 1 : 11;
        default:
            return (!kurz && t >= 9 && t <= 13) ? t - 7 : 0;
    }
}

bool zweiAsse(const karte* k, int n, bool kurz) { return kurz && n == 2 && k[0].t == kAs && k[1].t == kAs; }

int handWert(const karte* k, int n, int mode, bool kurz) {
    if (zweiAsse(k, n, kurz)) return 21;
    int summe = 0, asse = 0;
    for (int i = 0; i < n; ++i) {
        summe += kartenWert(k[i].t, mode == 1, kurz);
        if (k[i].t == kAs) ++asse;
    }
    if (kurz || mode == 1) return summe;
    // every As but one counts 1, and that one too when 11 would bust the hand
    while (summe > 21 && asse > 0) {
        summe -= 10;
        --asse;
    }
    return summe;
}

bool istNatural(const karte* k, int n, bool kurz) {
    return !kurz && n == 2 && handWert(k, n, -1, false) == 21;
}

bool weicheSiebzehn(const karte* k, int n, bool kurz) {
    if (kurz) return false;
    return handWert(k, n, -1, false) == 17 && handWert(k, n, 1, false) != 17;
}

bool dealerZieht(const karte* k, int n, bool soft17) {
    const int w = handWert(k, n, -1, false);
    if (w <= 16) return true;
    return soft17 && weicheSiebzehn(k, n, false);
}

int32_t clampBet(int32_t bet, int32_t minimum, int32_t maximum, int32_t chips) {
    const int32_t b = std::min(std::min(std::max(bet, minimum), maximum), chips);
    return b < minimum ? -1 : b;
}

int32_t minBetStep(int index, bool kurz, int32_t standard) {
    constexpr int32_t lang[5] = {2, 4, 6, 8, 10}, kurzListe[5] = {1, 2, 3, 5, 10};
    if (index < 1 || index > 5) return standard;
    return kurz ? kurzListe[index - 1] : lang[index - 1];
}

int32_t maxBetStep(int index, bool kurz, int32_t standard) {
    constexpr int32_t lang[5] = {10, 20, 30, 40, 50}, kurzListe[5] = {10, 15, 25, 40, 50};
    if (index < 1 || index > 5) return standard;
    return kurz ? kurzListe[index - 1] : lang[index - 1];
}

int32_t gewinn(int32_t bet, bool natural, bool zweiAsseDoppelt, bool asse) {
    if (natural) return bet * 3 / 2;
    if (zweiAsseDoppelt && asse) return 2 * bet;
    return bet;
}

int32_t rundenLimit(const std::string& t) {
    if (t == "Keine Grenze") return 200;
    const auto p = t.find(' ');
    if (p == std::string::npos) return 99999;
    int32_t n = 0;
    for (size_t i = 0; i < p; ++i) {
        if (t[i] < '0' || t[i] > '9') return 99999;
        n = n * 10 + (t[i] - '0');
        if (n > 99999) return 99999;
    }
    return n;
}

int zaehlWert(int t) {
    if (t >= 1 && t <= 3) return 0;
    if (t >= 9 && t <= 13) return 1;
    return -1;
}

}  // namespace bjregeln
