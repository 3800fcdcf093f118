#include "games/casino/holdem_regeln.h"

#include <algorithm>

#include "platform/text.h"

namespace holdem {

namespace {
constexpr int64_t kTeile = 60;  // shares in sixtieths: every split among up to six is whole
}

void splitPot(const PotSitz (&sitze)[kSitze], PotAnteil (&anteile)[kSitze]) {
    int64_t rest[kSitze], gewonnen[kSitze] = {};
    bool bewerber[kSitze], zahler[kSitze], bekommt[kSitze] = {};
    for (int s = 0; s < kSitze; ++s) {
        anteile[s] = PotAnteil{};
        rest[s] = sitze[s].zustand == 0 ? 0 : int64_t{std::max(0, sitze[s].gesetzt)} * kTeile;
        bewerber[s] = sitze[s].zustand == 1;
        zahler[s] = (sitze[s].zustand == 1 || sitze[s].zustand == 2) && rest[s] > 0;
    }
    bool sieger[kSitze] = {};
    for (int runde = 1;; ++runde) {
        // the best hands among the seats that still contend
        const HandValue* best = nullptr;
        int k = 0;
        for (int s = 0; s < kSitze; ++s) sieger[s] = false;
        for (int s = 0; s < kSitze; ++s) {
            if (!bewerber[s]) continue;
            const int c = best ? compareHandValues(sitze[s].wert, *best) : 1;
            if (c == 1) {
                for (int t = 0; t < s; ++t) sieger[t] = false;
                best = &sitze[s].wert;
                k = 1;
                sieger[s] = true;
            } else if (c == 0) {
                sieger[s] = true;
                ++k;
            }
        }
        bool offen = false;
        for (int s = 0; s < kSitze; ++s) offen = offen || (zahler[s] && rest[s] > 0);
        if (!offen) break;
        if (k == 0) {
            // Money of folded seats above every contender's set: it goes with the last pot.
            for (int s = 0; s < kSitze; ++s)
                if (bekommt[s]) sieger[s] = true, ++k;
            if (k == 0) break;
            for (int p = 0; p < kSitze; ++p) {
                if (!zahler[p]) continue;
                const int64_t teil = rest[p] / k;
                int64_t uebrig = rest[p];
                for (int w = 0; w < kSitze; ++w)
                    if (sieger[w]) gewonnen[w] += teil, uebrig -= teil;
                for (int w = kSitze - 1; w >= 0; --w)
                    if (sieger[w]) {
                        gewonnen[w] += uebrig;
                        break;
                    }
                rest[p] = 0;
            }
            break;
        }
        int64_t m = -1;
        for (int s = 0; s < kSitze; ++s)
            if (sieger[s] && (m < 0 || rest[s] < m)) m = rest[s];
        for (int p = 0; p < kSitze; ++p) {
            if (!zahler[p]) continue;
            const int64_t zahlt = std::min(m, rest[p]);  // a multiple of 60, so divisible by k
            rest[p] -= zahlt;
            for (int w = 0; w < kSitze; ++w)
                if (sieger[w]) gewonnen[w] += zahlt / k;
        }
        for (int w = 0; w < kSitze; ++w)
            if (sieger[w]) {
                bekommt[w] = true;
                if (anteile[w].potNummer == 0) anteile[w].potNummer = runde;
            }
        for (int s = 0; s < kSitze; ++s)
            if (rest[s] <= 0) zahler[s] = bewerber[s] = false;
    }
    // whole chips to each winner; the fractions together make whole chips for the last winner
    int64_t uebertrag = 0;
    int letzter = -1;
    for (int s = 0; s < kSitze; ++s) {
        if (!bekommt[s]) continue;
        anteile[s].gewinnt = true;
        anteile[s].betrag = static_cast<int32_t>(gewonnen[s] / kTeile);
        uebertrag += gewonnen[s] % kTeile;
        letzter = s;
    }
    if (letzter >= 0) anteile[letzter].betrag += static_cast<int32_t>(uebertrag / kTeile);
}

int32_t maxErhoehung(int variante, int32_t limitStufe, int32_t pot) {
    if (variante == kSplitLimit) return limitStufe;
    if (variante == kPotLimit) return pot;
    return 1000000;
}

Freiheit freiheit(const Lage& l) {
    Freiheit f;
    f.maxErhoehung = maxErhoehung(l.variante, l.limitStufe, l.pot);
    const int64_t chipsPlusSet = int64_t{l.chips} + l.gesetzt;
    f.kannMitgehen = chipsPlusSet >= l.einsatz || l.einsatz == l.gesetzt;
    f.kannErhoehen = int64_t{l.einsatz} + l.minErhoehung <= chipsPlusSet;
    f.allInErlaubt = !l.allIn && int64_t{l.chips} <= int64_t{f.maxErhoehung} + l.einsatz - l.gesetzt;
    if (l.variante == kSplitLimit && (l.erhoehungenRunde >= 4 || (l.preflop && l.erhoehungenRunde >= 3))) {
        f.kannErhoehen = false;
        if (f.maxErhoehung < l.chips) f.allInErlaubt = false;
    }
    if (l.allIn || l.chips <= 0) f.kannErhoehen = false;
    return f;
}

std::vector<Zug> erlaubteZuege(const Lage& l) {
    std::vector<Zug> z;
    const Freiheit f = freiheit(l);
    const int32_t zuZahlen = l.einsatz - l.gesetzt;
    z.push_back({kFold, 0});
    if (zuZahlen <= 0)
        z.push_back({kCheck, 0});
    else if (f.kannMitgehen)
        z.push_back({kCall, 0});
    if (f.kannErhoehen) {
        // a raise whose cost reaches the chips is an all-in: the largest raise leaves a chip
        const int32_t oben = std::min<int64_t>(f.maxErhoehung, int64_t{l.chips} - zuZahlen - 1);
        if (oben >= l.minErhoehung) {
            z.push_back({kRaise, l.minErhoehung});
            if (oben > l.minErhoehung) z.push_back({kRaise, oben});
        }
    }
    if (f.allInErlaubt && l.chips > 0) z.push_back({kAllIn, 0});
    return z;
}

bool erlaubt(const Lage& l, const Zug& z) {
    const std::vector<Zug> liste = erlaubteZuege(l);
    if (z.code != kRaise) {
        for (const Zug& e : liste)
            if (e.code == z.code) return true;
        return false;
    }
    int32_t lo = -1, hi = -1;
    for (const Zug& e : liste)
        if (e.code == kRaise) {
            if (lo < 0) lo = e.betrag;
            hi = e.betrag;
        }
    return lo >= 0 && z.betrag >= lo && z.betrag <= hi;
}

int32_t nextBigBlind(int32_t bigBlind, int32_t startGeld, int32_t haende, int32_t intervall,
                     bool zweiBlindsDa) {
    if (intervall <= 0 || haende % intervall != 0 || !zweiBlindsDa) return bigBlind;
    const int32_t haelfte = startGeld / 2;
    return haelfte > bigBlind ? bigBlind * 2 : bigBlind + haelfte;
}

void formatHighscoreEntry(int32_t score, std::string& t) {
    if (score <= 0) {
        t = "-";
        return;
    }
    const int32_t platz = 7 - score / 10000;
    const int32_t haende = platz == 1 ? 500 - score % 500 : score % 500;
    const int32_t stufe = (score % 10000) / 1000;
    const char* wort = stufe == 3 ? "Profi" : stufe == 2 ? "Normal" : "Anfänger";
    t = text::fromInt(platz) + ". Platz nach " + text::fromInt(haende) +
        (haende == 1 ? " Spiel (" : " Spielen (") + text::w(wort) + ")";
}

}  // namespace holdem
