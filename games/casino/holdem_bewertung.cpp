#include "games/casino/holdem_bewertung.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "core/cg.h"
#include "core/gtool.h"
#include "platform/text.h"

namespace holdem {

namespace {

constexpr const int (&kRang)[15] = kPokerRang;

inline int rang(const karte& k) { return k.t <= 14 ? kRang[k.t] : 0; }

void entfernen(hand64& h, int i) {
    for (int j = i; j < h.anz; ++j) h.at(j) = h.at(j + 1);
    --h.anz;
}

bool enthaeltWert(const hand64& h, int t) {
    for (int i = 1; i <= h.anz; ++i)
        if (h.at(i).t == t) return true;
    return false;
}

// A low ace: while an As leads a list that also holds 2, 3, 4 and 5, it goes to the end.
void assNachHinten(hand64& h) {
    if (h.anz == 0 ||
        !(enthaeltWert(h, 9) && enthaeltWert(h, 10) && enthaeltWert(h, 11) && enthaeltWert(h, 12)))
        return;
    while (h.at(1).t == kAs) {
        const karte as = h.at(1);
        for (int i = 1; i < h.anz; ++i) h.at(i) = h.at(i + 1);
        h.at(h.anz) = as;
    }
}

// Takes the cards of one pattern from the sorted list: m the matched cards in the order taken,
// w the rest in sorted order.
bool matchPattern(const hand64& sorted, const HandPattern& p, hand64& m, hand64& w) {
    w = sorted;
    if (p.category == kStraight || p.category == kStraightFlush) assNachHinten(w);
    hand64 s = w;
    leeren(m);
    hand64 t;
    leeren(t);
    bool found = false;
    bool zweiteBegonnen = false;
    int i = 1, letzterStart = 1, neustart = 0;
    if (w.anz == 0) return false;
    // A group that cannot be completed starts over at the first card it rejected.
    auto neuBeginnen = [&] {
        if (neustart == 0) {
            i = w.anz + 1;  // it rejected nothing: no later start can do better
            return;
        }
        i = neustart;
        if (i == letzterStart) ++i;
        letzterStart = i;
        neustart = 0;
        w = s;
        m = t;
    };
    for (;;) {
        const karte k = w.at(i);
        bool ok = true;
        if (m.anz == 0 || (p.twoGroups && m.anz == p.group1)) {
            if (p.aceFirst && k.t != kAs) ok = false;
        } else {
            const karte& v = m.at(m.anz);
            if (p.straight && !(k.t == straightPredecessor(v.t) || (v.t == 9 && k.t == kAs))) ok = false;
            if (p.sameRank && k.t != v.t) ok = false;
            if (p.sameSuit && k.f != v.f) ok = false;
        }
        if (ok) {
            anhaengen(m, k);
            entfernen(w, i);
        } else {
            if (neustart == 0) {
                neustart = m.anz + i - t.anz;
                if (neustart == 0) neustart = 1;
            }
            if (i < w.anz)
                ++i;
            else
                neuBeginnen();
        }
        if (m.anz == p.needed) found = true;
        if (p.twoGroups && !zweiteBegonnen && m.anz == p.group1) {
            zweiteBegonnen = true;
            neustart = 0;
            i = 1;
            letzterStart = 1;
            t = m;
            s = w;
        }
        // The last card joined a group that is still short: the list is used up for this start,
        // as after a rejected last card (stopping here would miss e.g. a flush below an odd
        // card of another suit).
        if (ok && !found && i > w.anz && w.anz > 0) neuBeginnen();
        if (found || i > w.anz || w.anz == 0) break;
    }
    return found;
}

int anzahlWert(const hand64& h, int t) {
    int n = 0;
    for (int i = 1; i <= h.anz; ++i)
        if (h.at(i).t == t) ++n;
    return n;
}

}  // namespace

void leeren(hand64& h) { h.anz = 0; }

void anhaengen(hand64& h, const karte& k) {
    if (h.anz >= kHand64Max) return;
    ++h.anz;
    h.at(h.anz) = k;
}

void sortiert(const hand64& in, hand64& out) {
    out.anz = 0;
    out.besitzer = in.besitzer;
    const int n = in.anz < 0 ? 0 : (in.anz > kHand64Max ? kHand64Max : in.anz);
    for (int i = 1; i <= n; ++i) {
        const karte k = in.at(i);
        const int r = rang(k);
        int j = out.anz;
        while (j >= 1 && rang(out.at(j)) < r) {
            out.at(j + 1) = out.at(j);
            --j;
        }
        out.at(j + 1) = k;
        ++out.anz;
    }
}

int cardRank(const karte& k) { return rang(k); }

void PokerCardOrder() {
    for (int f = 0; f < 4; ++f)
        for (int t = 1; t <= 14; ++t) Kartenwerte[f][t - 1] = kRang[t];
}

karte rankToCard(int rank) {
    for (uint8_t f = 1; f <= 4; ++f)
        for (uint8_t t = 1; t <= 13; ++t)
            if (kRang[t] == rank) return karte{t, f, 0};
    return karte{0, 0, 0};
}

int nthDistinctRank(const hand64& cards, int n) {
    hand64 s;
    sortiert(cards, s);
    if (s.anz == 0 || n < 1) return 0;
    int i = 1;
    for (int schritt = 1; schritt < n; ++schritt) {
        const int t = s.at(i).t;
        while (i <= s.anz && s.at(i).t == t) ++i;
        if (i > s.anz) return 0;
    }
    return rang(s.at(i));
}

int straightPredecessor(int t) {
    switch (t) {
        case 2:
            return 1;  // 8 -> 7
        case 3:
            return 2;  // 9 -> 8
        case 7:
            return 3;  // 10 -> 9
        case 4:
            return 7;  // Bube -> 10
        case 5:
            return 4;  // Dame -> Bube
        case 6:
            return 5;  // König -> Dame
        case 8:
            return 6;  // As -> König
        case 1:
            return 13;  // 7 -> 6
        case 13:
            return 12;
        case 12:
            return 11;
        case 11:
            return 10;
        case 10:
            return 9;
        case 9:
            return 8;  // 2 -> As
        default:
            return 0;
    }
}

void handPattern(int category, HandPattern& p) {
    p = HandPattern{};
    p.category = static_cast<uint8_t>(category);
    switch (category) {
        case kRoyalFlush:
            p.needed = 5, p.straight = 1, p.sameSuit = 1, p.aceFirst = 1;
            break;
        case kStraightFlush:
            p.needed = 5, p.straight = 1, p.sameSuit = 1;
            break;
        case kFourOfAKind:
            p.needed = 4, p.sameRank = 1;
            break;
        case kFullHouse:
            p.needed = 5, p.twoGroups = 1, p.group1 = 3, p.group2 = 2, p.sameRank = 1;
            break;
        case kFlush:
            p.needed = 5, p.sameSuit = 1;
            break;
        case kStraight:
            p.needed = 5, p.straight = 1;
            break;
        case kThreeOfAKind:
            p.needed = 3, p.sameRank = 1;
            break;
        case kTwoPairs:
            p.needed = 4, p.twoGroups = 1, p.group1 = 2, p.group2 = 2, p.sameRank = 1;
            break;
        case kPair:
            p.needed = 2, p.sameRank = 1;
            break;
        case kHighCard:
            p.needed = 1;
            break;
        default:
            p.category = 0;
            break;
    }
}

namespace {

// The values of evaluateHand's definition for up to seven distinct cards, from rank masks: the
// cards' ranks (alle), those held twice, three and four times, and the ranks of a suit with five
// or more cards. Ranks are indexes 0..12 (2 .. As). They fill the tables of the fast evaluation.
inline int hoechstes(uint32_t m) { return m ? 31 - std::countl_zero(m) : -1; }

// The top of the highest straight in a rank mask (3 for 5-4-3-2-As), -1 for none.
inline int strassenSpitze(uint32_t m) {
    const uint32_t mitAs = (m << 1) | ((m >> 12) & 1u);  // bit 0: the As below the 2
    const uint32_t fuenf = mitAs & (mitAs >> 1) & (mitAs >> 2) & (mitAs >> 3) & (mitAs >> 4);
    return fuenf ? hoechstes(fuenf) + 3 : -1;
}

// The category and tie ranks in the packed form of staerke(): the ranks of `vorne`, highest first,
// then up to `n` highest ranks of `rest`, five in all at most.
uint32_t packen(int kat, std::initializer_list<int> vorne, uint32_t rest = 0, int n = 0) {
    uint32_t w = static_cast<uint32_t>(kat);
    int stellen = 0;
    for (int r : vorne) w = (w << 4) | static_cast<uint32_t>(r + 1), ++stellen;
    for (int j = 0; j < n; ++j, ++stellen) {
        const int h = hoechstes(rest);
        w = (w << 4) | static_cast<uint32_t>(h + 1);
        if (h >= 0) rest &= ~(1u << h);
    }
    return w << (4 * (5 - stellen));
}

uint32_t flushWert(uint32_t farbe) {
    const int sp = strassenSpitze(farbe);
    if (sp >= 0) return packen(sp == 12 ? kRoyalFlush : kStraightFlush, {sp});
    return packen(kFlush, {}, farbe, 5);
}

uint32_t rangWert(uint32_t alle, uint32_t zwei, uint32_t drei, uint32_t vier) {
    if (!alle) return 0;
    if (vier) {
        const int q = hoechstes(vier);
        return packen(kFourOfAKind, {q}, alle & ~(1u << q), 1);
    }
    const int t = hoechstes(drei);
    if (drei && (zwei & ~(1u << t))) return packen(kFullHouse, {t, hoechstes(zwei & ~(1u << t))});
    if (const int sp = strassenSpitze(alle); sp >= 0) return packen(kStraight, {sp});
    if (drei) return packen(kThreeOfAKind, {t}, alle & ~(1u << t), 2);
    if (!zwei) return packen(kHighCard, {}, alle, 5);
    const int p1 = hoechstes(zwei);
    const uint32_t weitere = zwei & ~(1u << p1);
    if (!weitere) return packen(kPair, {p1}, alle & ~(1u << p1), 3);
    const int p2 = hoechstes(weitere);
    return packen(kTwoPairs, {p1, p2}, alle & ~(1u << p1) & ~(1u << p2), 1);
}

// The rank counts of the quinary key q over `n` ranks from rank `erster`, as masks; false when
// they hold more than seven cards.
bool zerlegen(int q, int n, int erster, uint32_t m[4], int& karten) {
    karten = 0;
    for (int r = 0; r < n; ++r, q /= 5) {
        const int a = q % 5;
        karten += a;
        for (int j = 0; j < a; ++j) m[j] |= 1u << (erster + r);
    }
    return karten <= 7;
}

void aufbauen(Staerketabellen& t) {
    // the low patterns in the order of their card count, so each block is a prefix of them;
    // bisAnzahl[k]: how many hold fewer than k cards (8: more than seven)
    int bisAnzahl[10] = {};
    std::vector<int> anzahlLo(kRangSchluesselLo);
    for (int q = 0; q < kRangSchluesselLo; ++q) {
        uint32_t m[4] = {};
        int k = 0;
        anzahlLo[static_cast<size_t>(q)] = zerlegen(q, 7, 0, m, k) ? k : 8;
        ++bisAnzahl[anzahlLo[static_cast<size_t>(q)] + 1];
    }
    for (int k = 1; k <= 9; ++k) bisAnzahl[k] += bisAnzahl[k - 1];
    std::vector<int> loNachPlatz(kRangSchluesselLo);
    {
        int naechster[10];
        std::copy(bisAnzahl, bisAnzahl + 10, naechster);
        for (int q = 0; q < kRangSchluesselLo; ++q) {
            const int k = anzahlLo[static_cast<size_t>(q)];
            const int platz = naechster[k]++;
            t.dicht[static_cast<size_t>(q)] = static_cast<uint16_t>(k <= 7 ? platz : 0);
            loNachPlatz[static_cast<size_t>(platz)] = q;
        }
    }
    uint32_t ende = 0;
    for (int q = 0; q < kRangSchluesselHi; ++q) {
        uint32_t hi[4] = {};
        int k = 0;
        t.basis[static_cast<size_t>(q)] = ende;
        if (!zerlegen(q, 6, 7, hi, k)) continue;
        for (int platz = 0; platz < bisAnzahl[8 - k]; ++platz) {
            uint32_t m[4] = {hi[0], hi[1], hi[2], hi[3]};
            int kLo = 0;
            zerlegen(loNachPlatz[static_cast<size_t>(platz)], 7, 0, m, kLo);
            t.werte[ende + static_cast<size_t>(platz)] = rangWert(m[0], m[1], m[2], m[3]);
        }
        ende += static_cast<uint32_t>(bisAnzahl[8 - k]);
    }
    if (ende != kRangMuster) std::abort();  // the layout above and kRangMuster disagree
    for (uint32_t m = 0; m < 8192; ++m) t.flush[m] = std::popcount(m) >= 5 ? flushWert(m) : 0;
}

}  // namespace

const Staerketabellen* baueStaerketabellen() {
    auto* neu = new Staerketabellen;
    aufbauen(*neu);
    return neu;
}

void evaluateHandReference(const hand64& cards, bool wantBestFive, HandValue& result) {
    result.category = 0;
    result.categoryNumber = 0;
    for (int& k : result.keys) k = 0;
    result.bestFive.anz = 0;
    hand64 s;
    sortiert(cards, s);
    if (s.anz == 0) return;
    hand64 m, r;
    HandPattern p;
    int kat = kRoyalFlush;
    for (; kat >= kHighCard; --kat) {
        handPattern(kat, p);
        if (matchPattern(s, p, m, r)) break;
    }
    result.category = static_cast<uint8_t>(kat);
    result.categoryNumber = kat;
    int32_t* key = result.keys;
    switch (kat) {
        case kStraight:
        case kFlush:
        case kStraightFlush:
        case kRoyalFlush:
            key[0] = nthDistinctRank(m, 1);
            key[1] = nthDistinctRank(m, 2);
            for (int j = 3; j <= 5; ++j) key[j - 1] = j <= m.anz ? rang(m.at(j)) : 0;
            break;
        case kFullHouse:
            for (int i = 1; i <= m.anz; ++i)
                if (anzahlWert(m, m.at(i).t) == 3) {
                    key[0] = rang(m.at(i));
                    break;
                }
            for (int i = 1; i <= m.anz; ++i)
                if (anzahlWert(m, m.at(i).t) == 2) {
                    key[1] = rang(m.at(i));
                    break;
                }
            break;
        default:
            key[0] = nthDistinctRank(m, 1);
            key[1] = nthDistinctRank(m, 2);
            for (int j = 1; j <= 5 - p.needed; ++j) key[1 + j] = nthDistinctRank(r, j);
            break;
    }
    if (wantBestFive) {
        result.bestFive = m;
        int i = 1;
        while (result.bestFive.anz < 5 && i <= r.anz) anhaengen(result.bestFive, r.at(i++));
    }
}

int compareHands(const hand64& a, const hand64& b) {
    HandValue va, vb;
    evaluateHand(a, false, va);
    evaluateHand(b, false, vb);
    return compareHandValues(va, vb);
}

namespace {

const char* const kNameDe[11] = {"",      "Höchste Karte", "Paar",  "Zwei Paare",     "Drilling",   "Straße",
                                 "Flush", "Full House",    "Poker", "Straight Flush", "Royal Flush"};
const char* const kNameEn[11] = {"",           "High Card", "Pair",       "Two Pairs",      "Three Of A Kind",
                                 "Straight",   "Flush",     "Full House", "Four Of A Kind", "Straight Flush",
                                 "Royal Flush"};

// Rank names by value code 1..13.
const char* const kWertDe[14] = {"",   "7",  "8", "9", "Bube", "Dame", "König",
                                 "10", "As", "2", "3", "4",    "5",    "6"};
const char* const kWertDePl[14] = {"",     "7er",  "8er", "9er", "Buben", "Damen", "Könige",
                                   "10er", "Asse", "2er", "3er", "4er",   "5er",   "6er"};
const char* const kWertEn[14] = {"",   "7",   "8", "9", "Jack", "Queen", "King",
                                 "10", "Ace", "2", "3", "4",    "5",     "6"};

std::string rangName(int t, bool mehrzahl, bool deutsch) {
    if (t < 1 || t > 13) return "";
    if (deutsch) return text::w(mehrzahl ? kWertDePl[t] : kWertDe[t]);
    std::string s = kWertEn[t];
    if (mehrzahl) s += t == 13 ? "es" : "s";
    return s;
}

std::string kuerzen(const std::string& s) { return s.substr(0, s.rfind("10", 0) == 0 ? 2 : 1); }

}  // namespace

void handName(const HandValue& v, std::string& text, bool deutsch, int nameOption) {
    const int c = v.category <= 10 ? v.category : 0;
    text = deutsch ? text::w(kNameDe[c]) : std::string(kNameEn[c]);
    if (c == 0 || (nameOption != 2 && nameOption != 3)) return;
    int r1 = rankToCard(v.keys[0]).t;
    if ((c == kStraight || c == kStraightFlush) && r1 == kAs && rankToCard(v.keys[1]).t == 12) r1 = 12;
    const bool mehrzahl =
        c == kPair || c == kTwoPairs || c == kThreeOfAKind || c == kFullHouse || c == kFourOfAKind;
    std::string n1 = rangName(r1, mehrzahl, deutsch);
    std::string n2;
    const bool zwei = c == kTwoPairs || c == kFullHouse;
    if (zwei) n2 = rangName(rankToCard(v.keys[1]).t, true, deutsch);
    if (nameOption == 2) {
        n1 = kuerzen(n1);
        if (zwei) n2 = kuerzen(n2);
    } else {
        text = "?" + text;
    }
    text += " (" + n1 + (zwei ? "," + n2 : std::string()) + ")";
}

void handName(const HandValue& v, std::string& text) {
    const auto& o = cg.poker;
    handName(v, text, o.deutsch != 0, o.handNameOption);
}

}  // namespace holdem
