// The computer player's win probability and its situation record. Before the flop the preflop
// table answers; after it every board still possible is walked, and on each board every pair of
// hole cards an opponent may hold. The seat's categories are walked from the Royal Flush down:
// a category's reach is its share of the boards not yet counted for a better one, and its win
// the share of those boards on which no opponent beats the seat (a tie counts for the seat).
#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>

#include "games/casino/holdem_bewertung.h"
#include "games/casino/holdem_ki.h"
#include "games/casino/holdem_preflop.h"
#include "platform/num.h"
#include "platform/rnd.h"

namespace holdem::ki {

double Zufall::draw() const {
    const double d = quelle ? quelle() : rnd::uniform();
    return std::clamp(d, 0.0, std::nextafter(1.0, 0.0));
}
int Zufall::random(int n) const {
    if (n <= 1) return 0;
    return std::min(n - 1, static_cast<int>(draw() * n));
}
Zufall programmZufall() { return Zufall{[] { return rnd::uniform(); }}; }

int Tisch::minErhoehungBB() const {
    const int32_t bb = std::max(1, bigBlind);
    return (minErhoehung - 1) / bb + 1;
}

float (*bildRate)() = nullptr;

uint32_t zeitBudget(float rate) {
    const double r = rate > 0 ? rate : 60.0;
    return static_cast<uint32_t>(std::max<int64_t>(1, num::round(1000.0 / (2.0 * r))));
}

// ---- hand values ----

int kartenIndex(const karte& k) { return (cardRank(k) - 9) * 4 + (k.f - 1) % 4; }

namespace {

struct Basis {
    uint16_t farbe[4] = {};
    uint8_t anz[13] = {};
    void dazu(uint8_t c) {
        farbe[c & 3] = static_cast<uint16_t>(farbe[c & 3] | (1u << (c >> 2)));
        ++anz[c >> 2];
    }
};

// Top rank of the best straight in a rank mask, -1 without one (the As also below the 2).
int strasseOben(unsigned m) {
    const unsigned e = (m << 1) | ((m >> 12) & 1u);
    for (int top = 13; top >= 4; --top)
        if (((e >> (top - 4)) & 0x1Fu) == 0x1Fu) return top - 1;
    return -1;
}

uint32_t packen(unsigned kat, std::initializer_list<int> r) {
    uint32_t w = kat;
    int n = 0;
    for (int x : r) {
        w = (w << 4) | static_cast<uint32_t>(x);
        ++n;
    }
    for (; n < 5; ++n) w <<= 4;
    return w;
}

KS_BITZAEHLEN uint32_t wert(const Basis& b) {
    for (int f = 0; f < 4; ++f) {
        if (std::popcount(static_cast<unsigned>(b.farbe[f])) < 5) continue;
        const int s = strasseOben(b.farbe[f]);
        if (s >= 0) return packen(s == 12 ? kRoyalFlush : kStraightFlush, {s});
        int k[5], n = 0;
        for (int r = 12; r >= 0 && n < 5; --r)
            if (b.farbe[f] & (1u << r)) k[n++] = r;
        return packen(kFlush, {k[0], k[1], k[2], k[3], k[4]});
    }
    int vier = -1, drei[2] = {-1, -1}, paar[3] = {-1, -1, -1}, einzel[7] = {};
    int nd = 0, np = 0, ne = 0;
    unsigned alle = 0;
    for (int r = 12; r >= 0; --r) {
        const int a = b.anz[r];
        if (a) alle |= 1u << r;
        if (a == 4) vier = r;
        else if (a == 3 && nd < 2) drei[nd++] = r;
        else if (a == 2 && np < 3) paar[np++] = r;
        else if (a == 1) einzel[ne++] = r;
    }
    auto bester = [&](int ohne) {
        for (int r = 12; r >= 0; --r)
            if (r != ohne && b.anz[r]) return r;
        return 0;
    };
    if (vier >= 0) return packen(kFourOfAKind, {vier, bester(vier)});
    if (drei[0] >= 0 && (drei[1] >= 0 || paar[0] >= 0))
        return packen(kFullHouse, {drei[0], std::max(drei[1], paar[0])});
    if (const int s = strasseOben(alle); s >= 0) return packen(kStraight, {s});
    if (drei[0] >= 0) return packen(kThreeOfAKind, {drei[0], einzel[0], einzel[1]});
    if (np >= 2) {
        const int k = std::max(paar[2], ne > 0 ? einzel[0] : -1);
        return packen(kTwoPairs, {paar[0], paar[1], k});
    }
    if (np == 1) return packen(kPair, {paar[0], einzel[0], einzel[1], einzel[2]});
    return packen(kHighCard, {einzel[0], einzel[1], einzel[2], einzel[3], einzel[4]});
}

// The chance that at least one of n seats ends above the seat when one does with chance q
// (the seat itself counts among the n).
double mehrere(double q, int n) { return n > 1 ? 1.0 - std::pow(1.0 - q, n) : q; }

}  // namespace

uint32_t handWert(const uint8_t* karten, int n) {
    Basis b;
    for (int i = 0; i < n; ++i) b.dazu(karten[i]);
    return wert(b);
}

// ---- the walk ----

void Schaetzer::start(const std::array<uint8_t, 2>& hole, const std::vector<uint8_t>& board, int imSpiel,
                      int inPartie, const std::array<float, 13>* gewichte) {
    hole_ = hole;
    board_ = board;
    imSpiel_ = std::max(1, imSpiel);
    inPartie_ = std::max(1, inPartie);
    gewichtet_ = gewichte != nullptr;
    if (gewichte) g_ = *gewichte;
    bool belegt[52] = {};
    belegt[hole[0]] = belegt[hole[1]] = true;
    for (uint8_t c : board) belegt[c] = true;
    offen_.clear();
    for (uint8_t c = 0; c < 52; ++c)
        if (!belegt[c]) offen_.push_back(c);
    laeufe_.clear();
    const int fehlen = 5 - static_cast<int>(board.size());
    const auto n = static_cast<uint8_t>(offen_.size());
    constexpr uint8_t kKeine = 0xFF;
    if (fehlen <= 0) {
        laeufe_.push_back({kKeine, kKeine});
    } else if (fehlen == 1) {
        for (uint8_t i = 0; i < n; ++i) laeufe_.push_back({i, kKeine});
    } else {
        for (uint8_t i = 0; i < n; ++i)
            for (uint8_t j = static_cast<uint8_t>(i + 1); j < n; ++j) laeufe_.push_back({i, j});
    }
    naechster_ = 0;
    anz_ = sA_ = sB_ = sAw_ = sBw_ = {};
    gestartet_ = true;
}

KS_BITZAEHLEN void Schaetzer::lauf(size_t i) {
    const auto& l = laeufe_[i];
    Basis tisch;
    for (uint8_t c : board_) tisch.dazu(c);
    bool weg[52] = {};
    for (uint8_t x : l)
        if (x != 0xFF) {
            tisch.dazu(offen_[x]);
            weg[x] = true;
        }
    Basis meine = tisch;
    meine.dazu(hole_[0]);
    meine.dazu(hole_[1]);
    const uint32_t mein = wert(meine);
    const unsigned kat = mein >> 20;
    // The suit a flush can still be made in, and how many of its cards the board holds (a
    // five-card board has at most one suit with three or more).
    int flushFarbe = -1, flushAnz = 0;
    for (int f = 0; f < 4; ++f) {
        const int a = std::popcount(static_cast<unsigned>(tisch.farbe[f]));
        if (a >= 3) {
            flushFarbe = f;
            flushAnz = a;
        }
    }
    // Without a flush the value of a hole pair depends on its two ranks only.
    Basis raenge;
    std::copy(std::begin(tisch.anz), std::end(tisch.anz), std::begin(raenge.anz));
    uint32_t nachRang[13][13] = {};
    // per category of the opponent: how many hole pairs beat the seat (and their weight)
    double schlagen[11] = {}, schlagenG[11] = {};
    double paare = 0;
    const size_t n = offen_.size();
    for (size_t a = 0; a < n; ++a) {
        if (weg[a]) continue;
        const uint8_t ca = offen_[a];
        const bool aFarbe = (ca & 3) == flushFarbe;
        for (size_t b = a + 1; b < n; ++b) {
            if (weg[b]) continue;
            paare += 1;
            const uint8_t cb = offen_[b];
            const bool bFarbe = (cb & 3) == flushFarbe;
            uint32_t w;
            if (flushFarbe >= 0 && (flushAnz >= 4 ? (aFarbe || bFarbe) : (aFarbe && bFarbe))) {
                Basis o = tisch;
                o.dazu(ca);
                o.dazu(cb);
                w = wert(o);
            } else {
                uint32_t& c = nachRang[ca >> 2][cb >> 2];
                if (c == 0) {
                    Basis o = raenge;
                    ++o.anz[ca >> 2];
                    ++o.anz[cb >> 2];
                    c = nachRang[cb >> 2][ca >> 2] = wert(o);
                }
                w = c;
            }
            if (w <= mein) continue;
            const unsigned k = w >> 20;
            schlagen[k] += 1;
            if (gewichtet_) schlagenG[k] += 0.2 + 0.8 * 0.5 * (g_[ca >> 2] + g_[cb >> 2]);
        }
    }
    auto ueberleben = [&](const double* q, int spieler) {
        double s = 1, w = 1;
        for (unsigned k = kRoyalFlush; k >= kat && k >= 1; --k) {
            const double qn = mehrere(paare > 0 ? q[k] / paare : 0.0, spieler);
            s -= qn * w;
            w -= w * qn;
        }
        return std::max(0.0, s);
    };
    anz_[kat] += 1;
    sA_[kat] += ueberleben(schlagen, imSpiel_);
    sB_[kat] += ueberleben(schlagen, inPartie_);
    sAw_[kat] += ueberleben(gewichtet_ ? schlagenG : schlagen, imSpiel_);
    sBw_[kat] += ueberleben(gewichtet_ ? schlagenG : schlagen, inPartie_);
}

bool Schaetzer::weiter(uint32_t budgetMs) {
    if (!gestartet_) return true;
    // the time the computation really takes, whatever clock the table runs on
    const auto start = std::chrono::steady_clock::now();
    const auto budget = std::chrono::milliseconds(budgetMs);
    while (naechster_ < laeufe_.size()) {
        lauf(naechster_++);
        if (budgetMs > 0 && std::chrono::steady_clock::now() - start >= budget) break;
    }
    return fertig();
}

Schaetzung Schaetzer::ergebnis() const {
    Schaetzung e;
    double rest = 0;
    for (double a : anz_) rest += a;
    double w = 1;
    for (int k = kRoyalFlush; k >= kHighCard; --k) {
        if (rest <= 0) break;
        const auto i = static_cast<size_t>(k);
        const double reach = anz_[i] / rest;
        e.reach[i] = reach;
        e.ersteExakt += sA_[i] / rest * w;
        e.zweiteExakt += sB_[i] / rest * w;
        e.erste += sAw_[i] / rest * w;
        e.zweite += sBw_[i] / rest * w;
        w -= w * reach;
        rest -= anz_[i];
    }
    return e;
}

Schaetzung schaetzen(const karte& a, const karte& b, const hand64& board, int imSpiel, int inPartie,
                     const std::array<float, 13>* gewichte) {
    Schaetzung e;
    if (board.anz == 0) {
        e.erste = e.ersteExakt = preflopWinChance(a, b, std::clamp(imSpiel, 2, 7));
        e.zweite = e.zweiteExakt = preflopWinChance(a, b, std::clamp(inPartie, 2, 7));
        return e;
    }
    std::vector<uint8_t> bk;
    for (int i = 1; i <= board.anz; ++i) bk.push_back(static_cast<uint8_t>(kartenIndex(board.at(i))));
    Schaetzer s;
    s.start({static_cast<uint8_t>(kartenIndex(a)), static_cast<uint8_t>(kartenIndex(b))}, bk, imSpiel,
            inPartie, gewichte);
    s.weiter(0);
    return s.ergebnis();
}

// ---- the situation ----

int aggressionOffset(int32_t a, int computerImSpiel, bool menschImSpiel, int inPartie) {
    static constexpr int32_t kBis[] = {20, 60, 90, 150, 200, 250, 300, 400, 500, 600, 700, 800};
    static constexpr int kWert[] = {-2, -1, 0, 2, 4, 6, 8, 10, 12, 14, 15, 17};
    int o = 18;
    for (size_t i = 0; i < std::size(kBis); ++i)
        if (a <= kBis[i]) {
            o = kWert[i];
            break;
        }
    auto mal = [&](double f) { o = static_cast<int>(num::round(o * f)); };
    if (computerImSpiel == 2) mal(0.9);
    else if (computerImSpiel == 3) mal(0.8);
    else if (computerImSpiel >= 4) mal(0.6);
    if (!menschImSpiel) mal(0.3);
    if (inPartie == 2) mal(0.6);
    else if (inPartie == 3) mal(0.8);
    return o;
}

double ruhe(const Tisch& t) {
    const int32_t bb = std::max(1, t.bigBlind);
    const int32_t zu = t.zuZahlen();
    const double anteil = num::round((t.position - 1) * 100.0 / std::max(1, t.spieler));
    double c = 100;
    c -= std::min(30, 5 * t.andereErhoeht + 3 * t.andereErhoehungen);
    c -= std::min<int32_t>(20, t.pot / bb);
    c -= std::min<int32_t>(20, std::max<int32_t>(0, 2 * (zu / bb - t.gesetzt / bb)) + 2 * (zu / bb));
    c -= std::min<double>(20, num::round(zu / (t.chips + 0.01) * 20));
    c -= std::min<double>(10, num::round(10 - anteil / 10));
    return std::clamp(c, 0.0, 100.0);
}

double mischung(double c, double p1, double p2) {
    if (c <= 10) return p2 - 0.05;
    if (c <= 20) return p2;
    if (c >= 80) return p1;
    const double f = (c - 20) / 60;
    return p2 + (p1 - p2) * f;  // exact when both are equal
}

namespace {
int16_t kurz(double v) { return static_cast<int16_t>(std::clamp<double>(num::round(v), -32768, 32767)); }
int16_t gekappt(int32_t v) { return static_cast<int16_t>(std::clamp<int32_t>(v, 0, 200)); }
uint8_t prozentByte(double p) { return static_cast<uint8_t>(std::clamp<int64_t>(num::round(p * 255 / 100), 0, 255)); }
double blur(double p, int n) { return std::clamp<double>(num::round(p + n), 0, 100); }
}  // namespace

PokerSituation computeBringSetSums(const Tisch& t, double e1, double e2, const Zufall& z) {
    const int32_t bb = std::max(1, t.bigBlind);
    const int32_t zu = t.zuZahlen();
    double p1 = std::clamp(e1 * 100, 0.0, 100.0), p2 = std::clamp(e2 * 100, 0.0, 100.0);
    if (t.level == 2) {
        const int n = z.random(28) - 15;
        p1 = blur(p1, n);
        p2 = blur(p2, n);
    } else if (t.level == 1) {
        int n = z.draw() < 0.6 ? z.random(62) - 35 : 0;
        if (p1 < 21) n += 11;
        if (p1 > 69) n -= 16;
        if (p1 > 50) n -= 5;
        n -= 10;
        p1 = blur(p1, n);
        p2 = blur(p2, n);
    } else {
        int n = -7 + t.aggressionOffset;
        const int q = t.strasse / 2 + 1 + t.imSpiel;
        n += q >= 8 ? -2 : q == 7 ? 0 : q == 6 ? 2 : 4;
        if (p1 < 95) {
            p1 = blur(p1, n);
            p2 = std::max(0.0, std::min(p1, blur(p2, n)));
        }
    }
    const double c = ruhe(t);
    const double p = mischung(c, p1, p2);
    PokerSituation s;
    s.win = prozentByte(p);
    s.winFirst = prozentByte(p1);
    s.winSecond = prozentByte(p2);
    s.pot = gekappt(t.pot / bb);
    s.ownBet = gekappt(t.gesetzt / bb);
    s.toCall = gekappt(zu / bb);
    const int strasse = t.strasse <= 1 ? 0 : t.strasse == 3 ? 3 : t.strasse == 5 ? 4 : 6;
    s.street = static_cast<uint8_t>(strasse + (zu >= 0 ? 10 : 0));
    s.calm = static_cast<uint8_t>(std::min<int64_t>(255, num::round(c * 255 / 100)));
    const double pf = p / 100;
    s.value = kurz(t.pot * pf - zu * (1 - pf));
    s.multiValue = kurz(bb * (0.5 * pf * (t.imSpiel - 1) - (1 - pf)));
    s.seat = static_cast<uint8_t>(t.seat);
    s.label = -10;
    return s;
}

}  // namespace holdem::ki
