// The computer player's win probability and its situation record. Before the flop the preflop
// table answers; after it every board still possible is walked, and on each board every pair of
// hole cards an opponent may hold. The seat's categories are walked from the Royal Flush down:
// a category's reach is its share of the boards not yet counted for a better one, and its win
// the share of those boards on which no opponent beats the seat (a tie counts for the seat).
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "games/casino/holdem_bewertung.h"
#include "games/casino/holdem_ki.h"
#include "games/casino/holdem_preflop.h"
#include "core/gtool.h"
#include "platform/msgsink.h"
#include "platform/text.h"
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

// The chance that at least one of n seats ends above the seat when one does with chance q
// (the seat itself counts among the n).
double mehrere(double q, int n) { return n > 1 ? 1.0 - std::pow(1.0 - q, n) : q; }

}  // namespace

uint32_t handWert(const uint8_t* karten, int n) {
    Kartensumme s;
    for (int i = 0; i < n; ++i) dazu(s, karten[i]);
    return staerke(s, staerketabellen());
}

// ---- the walk ----

void Schaetzer::start(const std::array<uint8_t, 2>& hole, const std::vector<uint8_t>& board, int imSpiel,
                      int inPartie, const std::array<float, 13>* gewichte) {
    hole_ = hole;
    board_ = board;
    imSpiel_ = std::max(1, imSpiel);
    inPartie_ = std::max(1, inPartie);
    gewichtet_ = gewichte != nullptr;
    if (gewichte)
        for (int ra = 0; ra < 13; ++ra)
            for (int rb = 0; rb < 13; ++rb)
                gewicht_[ra][rb] = 0.2 + 0.8 * 0.5 * ((*gewichte)[ra] + (*gewichte)[rb]);
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
    // every board leaves the same cards to the opponents: so many pairs, so many counts
    const size_t rest = offen_.size() - static_cast<size_t>(std::max(0, fehlen));
    anteilIm_.assign(rest * (rest - 1) / 2 + 1, -1.0);
    anteilPartie_.assign(rest * (rest - 1) / 2 + 1, -1.0);
    naechster_ = 0;
    anz_ = sA_ = sB_ = sAw_ = sBw_ = {};
    gestartet_ = true;
}

void Schaetzer::lauf(size_t i) {
    const Staerketabellen& tab = staerketabellen();
    const auto& l = laeufe_[i];
    Kartensumme tisch;
    for (uint8_t c : board_) dazu(tisch, c);
    bool weg[52] = {};
    for (uint8_t x : l)
        if (x != 0xFF) {
            dazu(tisch, offen_[x]);
            weg[x] = true;
        }
    Kartensumme meine = tisch;
    dazu(meine, hole_[0]);
    dazu(meine, hole_[1]);
    const uint32_t mein = staerke(meine, tab);
    const unsigned kat = mein >> 20;
    // The suit a flush can still be made in, and how many of its cards the board holds (a
    // five-card board has at most one suit with three or more).
    int flushFarbe = -1, flushAnz = 0;
    for (int f = 0; f < 4; ++f) {
        const int a = static_cast<int>(tisch.zaehler >> (48 + 4 * f)) & 15;
        if (a >= 3) {
            flushFarbe = f;
            flushAnz = a;
        }
    }
    // The cards an opponent may hold (by rank, as the walk of the pairs goes), how many of each
    // rank are left and how many of those are not of the flush suit.
    uint8_t rest[52];
    int anzRest = 0, proRang[13] = {}, ohneFarbe[13] = {};
    const size_t n = offen_.size();
    for (size_t a = 0; a < n; ++a)
        if (!weg[a]) {
            const uint8_t c = offen_[a];
            rest[anzRest++] = c;
            ++proRang[c >> 2];
            if ((c & 3) != flushFarbe) ++ohneFarbe[c >> 2];
        }
    // A hole pair's value on this board by its two ranks: without a flush that is all it
    // depends on.
    uint32_t nachRang[13][13] = {};
    for (int ra = 0; ra < 13; ++ra)
        for (int rb = ra; rb < 13; ++rb)
            if (proRang[ra] >= (ra == rb ? 2 : 1) && proRang[rb] >= 1)
                nachRang[ra][rb] = nachRang[rb][ra] =
                    rangStaerke(tisch.zaehler + kKartenZaehler[4 * ra] + kKartenZaehler[4 * rb], tab);
    // Per category of the opponent: how many hole pairs beat the seat, and their weight. The
    // pairs are taken in the order of the cards, first card before second; the weights of one
    // category are summed in that order, so the sums come out the same to the last bit however
    // the pairs are grouped. A pair that makes a flush lands in a flush category, one that does
    // not in a category of ranks alone, so the two kinds are summed apart.
    uint32_t zahl[11] = {};
    double schlagenG[11] = {};
    const bool mitFlush = flushFarbe >= 0;
    for (int a = 0; a < anzRest;) {
        // all cards of one rank: the higher ranks whose pairs with it beat the seat are the same
        // for each of them
        const int ra = rest[a] >> 2;
        int ende = a;
        while (ende < anzRest && rest[ende] >> 2 == ra) ++ende;
        const uint32_t* zeile = nachRang[ra];
        uint8_t schlagRang[13], schlagKat[13];
        int anzSchlag = 0;
        for (int rb = ra + 1; rb < 13; ++rb)
            if (proRang[rb] > 0 && zeile[rb] > mein) {
                schlagRang[anzSchlag] = static_cast<uint8_t>(rb);
                schlagKat[anzSchlag++] = static_cast<uint8_t>(zeile[rb] >> 20);
            }
        const bool gleichSchlaegt = zeile[ra] > mein;
        for (; a < ende; ++a) {
            const bool aFarbe = mitFlush && (rest[a] & 3) == flushFarbe;
            if (mitFlush && flushAnz >= 4 && aFarbe) continue;
            // the partners that make no flush with this card: all, or those not of the suit
            const bool nurOhne = mitFlush && (flushAnz >= 4 || aFarbe);
            const int* anzahl = nurOhne ? ohneFarbe : proRang;
            if (gleichSchlaegt) {
                int gleich = 0;  // the same rank after this card
                for (int b = a + 1; b < ende; ++b)
                    if (!nurOhne || (rest[b] & 3) != flushFarbe) ++gleich;
                const unsigned k = zeile[ra] >> 20;
                zahl[k] += static_cast<uint32_t>(gleich);
                if (gewichtet_) {
                    double s = schlagenG[k];
                    for (int j = 0; j < gleich; ++j) s += gewicht_[ra][ra];
                    schlagenG[k] = s;
                }
            }
            for (int e = 0; e < anzSchlag; ++e) {
                const int rb = schlagRang[e];
                const unsigned k = schlagKat[e];
                const int anz = anzahl[rb];
                zahl[k] += static_cast<uint32_t>(anz);
                if (gewichtet_) {
                    double s = schlagenG[k];
                    for (int j = 0; j < anz; ++j) s += gewicht_[ra][rb];
                    schlagenG[k] = s;
                }
            }
        }
    }
    if (mitFlush)
        for (int a = 0; a < anzRest; ++a) {
            const uint8_t ca = rest[a];
            const bool aFarbe = (ca & 3) == flushFarbe;
            if (flushAnz < 4 && !aFarbe) continue;
            for (int b = a + 1; b < anzRest; ++b) {
                const uint8_t cb = rest[b];
                const bool bFarbe = (cb & 3) == flushFarbe;
                if (!(flushAnz >= 4 ? (aFarbe || bFarbe) : bFarbe)) continue;
                Kartensumme o = tisch;
                dazu(o, ca);
                dazu(o, cb);
                const uint32_t w = staerke(o, tab);
                if (w <= mein) continue;
                const unsigned k = w >> 20;
                ++zahl[k];
                if (gewichtet_) schlagenG[k] += gewicht_[ca >> 2][cb >> 2];
            }
        }
    const double paare = anzRest * (anzRest - 1) / 2;
    double schlagen[11];
    for (int k = 0; k < 11; ++k) schlagen[k] = zahl[k];
    // merk: the shares by the count of pairs, kept for the whole walk (counts recur on many boards)
    auto ueberleben = [&](const double* q, int spieler, std::vector<double>* merk) {
        double s = 1, w = 1;
        for (unsigned k = kRoyalFlush; k >= kat && k >= 1; --k) {
            if (q[k] == 0) continue;  // no share: s and w stay as they are
            double qn;
            if (merk && zahl[k] < merk->size()) {
                double& m = (*merk)[zahl[k]];
                if (m < 0) m = mehrere(q[k] / paare, spieler);
                qn = m;
            } else {
                qn = mehrere(q[k] / paare, spieler);
            }
            s -= qn * w;
            w -= w * qn;
        }
        return std::max(0.0, s);
    };
    // equal inputs give equal shares: each is worked out once
    const double a = ueberleben(schlagen, imSpiel_, &anteilIm_);
    const double b = inPartie_ == imSpiel_ ? a : ueberleben(schlagen, inPartie_, &anteilPartie_);
    const double aw = gewichtet_ ? ueberleben(schlagenG, imSpiel_, nullptr) : a;
    const double bw =
        !gewichtet_ ? b : inPartie_ == imSpiel_ ? aw : ueberleben(schlagenG, inPartie_, nullptr);
    anz_[kat] += 1;
    sA_[kat] += a;
    sB_[kat] += b;
    sAw_[kat] += aw;
    sBw_[kat] += bw;
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
    // Amounts the flow can never give; only a developer is told.
    if (gtool::entwicklerModus) {
        const std::string sitzNr = text::fromInt(t.seat);
        if (zu < 0) msgsink::show(text::w("ACHTUNG! Fehler: Negative BringSum.b bei Spieler ") + sitzNr);
        if (t.gesetzt < 0) msgsink::show(text::w("ACHTUNG! Fehler: Negative SetSum.b bei Spieler ") + sitzNr);
        if (zu < 0) msgsink::show(text::w("ACHTUNG! Fehler: Negative A_BRING.b bei Spieler ") + sitzNr);
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

// ---- the developer panel ----

std::string tausendstel(double x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f %%", x / 10);
    return buf;
}

namespace {

// Ass and König of one suit on a flop of Dame, Bube and 10 of that suit.
constexpr std::array<uint8_t, 2> kTestHole = {12 * 4, 11 * 4};
const std::vector<uint8_t> kTestFlop = {10 * 4, 9 * 4, 8 * 4};

using Uhr = std::chrono::steady_clock;

int64_t msSeit(Uhr::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Uhr::now() - start).count();
}

}  // namespace

std::string PokerTestfall1() {
    Schaetzer s;
    s.start(kTestHole, kTestFlop, 4, 4, nullptr);
    s.weiter(0);
    return "Testfall1: \r3-GEGENSPIELER: " + tausendstel(s.ergebnis().ersteExakt * 1000);
}

std::string PokerTimeWinProbability() {
    std::string t;
    for (int imSpiel : {2, 3}) {
        const std::string nr = "GETWKT" + std::to_string(imSpiel);
        Schaetzer s;
        auto start = Uhr::now();
        s.start(kTestHole, kTestFlop, imSpiel, imSpiel, nullptr);
        s.weiter(0);
        t += nr + ".1: 1: " + std::to_string(msSeit(start)) + " ms\r";
        start = Uhr::now();
        s.start(kTestHole, kTestFlop, imSpiel, imSpiel, nullptr);
        while (!s.weiter(zeitBudget(60.0f))) {
        }
        t += nr + ".2: 1: " + std::to_string(msSeit(start)) + " ms";
        if (imSpiel == 2) t += "\r";
    }
    return t;
}

}  // namespace holdem::ki
