// The game-tree search of the Schnapsen computer seat: a tree of positions built breadth-first in
// slices of one frame each, leaves scored by the points and the depth at which a deal is decided,
// values backed up by maximum and minimum, and the best first move (a card or closing the talon).
// It works on its own compact copy of the deal and never touches the game record.
#pragma once
#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include "core/karten.h"

namespace schnapsenki {

constexpr int kKnotenMax = 199999;  // pool and processed-node limit
constexpr int kPoolGroesse = 200001;
constexpr int kKinderMax = 11;
constexpr int kSchliessen = 0;  // card index of the closing move
constexpr int kWurzelIndex = 100;

// A node's cards are bit sets over the card places of one search (see BaumBuilder): a hand is
// the set of the places it holds, and its order (the order its moves are tried in) is the order
// of the places, which is the order the cards came into the hand.
constexpr int kSuchHandMax = 7;     // 6 cards a hand in Sechsundsechzig
constexpr int kSuchTalonMax = 12;   // 11 cards in the talon of Sechsundsechzig
constexpr uint8_t kKeinPlatz = 31;  // the place of no card

// The tricks a seat has taken: only whether there is one counts, their points are kept apart.
struct StichZahl {
    int8_t anz = 0;
};

// A node's children lie side by side in the pool: the first one and kinderAnz say where.
struct KinderFolge {
    int32_t erstes = 0;
    int32_t operator[](int i) const { return erstes + i; }
};

struct BaumKnoten {
    int32_t bester = -1;
    KinderFolge kinder;
    float win = 0, avg = 0;
    uint32_t hand[3] = {};          // [1], [2]: the places held
    uint8_t gespielt = kKeinPlatz;  // the place of the card played (BaumBuilder::karteAn)
    uint8_t stich1 = kKeinPlatz;    // the lead of the open trick
    uint8_t kinderAnz = 0;
    uint8_t tiefe = 0;
    uint8_t kartenIndex = kWurzelIndex;  // 1.. the card of the mover's hand, 0 closing
    // seats and flags in a few bits each: the pool holds up to 200,001 nodes
    uint8_t seite : 2 = 1;  // 1 the searched seat moves next, 0 the other, 2 decided
    uint8_t zugSitz : 2 = 0, amZug : 2 = 0, sperrSitz : 2 = 0;
    uint8_t letzterSieger : 2 = 0, streng : 1 = 0, stichAnz : 1 = 0;
    uint8_t atoutDa : 1 = 0;  // the open trump card lies under the talon
    uint8_t stichAugen[3] = {}, angesagt[3] = {};
    uint8_t talonAnz = 0;        // cards left in the talon, drawn in the order of their places
    StichZahl gewonnen[3] = {};  // [1], [2]
};
static_assert(sizeof(BaumKnoten) <= 48);

// A first move as the search found it best, with its place in the pool (-1: there is none).
struct BesterKnoten : BaumKnoten {
    int32_t index = -1;
};

// What the search needs of a deal; the flow fills it from the table, tests build it by hand.
struct Lage {
    bool sechsundsechzig = false;
    bool sperrenErlaubt = true;
    int trumpf = 1;
    int suchSitz = 2;  // the seat searched for
    int amZug = 2;     // the seat on turn in the deal
    bool streng = false;
    int sperrSitz = 0;
    hand haende[3] = {};
    hand gewonnen[3] = {};
    hand talon{};   // slot order: the last card is drawn next
    karte atout{};  // t == 0: none
    hand stich{};   // the cards of the open trick, lead first
    int angesagt[3] = {};
};

// The cards of a search lie on fixed places 0..30: the first hand on 0..6, the second on 7..13,
// the talon on 14..25 in the order it is drawn, the open trump card on 26, the lead of an open
// trick on 27. Every card set of a node is a bit set over these places.
class BaumBuilder {
public:
    BaumBuilder();
    // Builds the root. tiefe: the depth limit. When zeiger > 0 the seat on turn plays card zeiger
    // of its hand in the root first (the reply to the human's pointed card is searched).
    void starten(const Lage& l, int tiefe, int zeitLimit, int knotenLimit, int zeiger = 0);
    // One slice: fps is the smoothed frame rate; the clock is the program's one clock.
    void rechnen(float fps);
    int zustand() const { return zustand_; }
    void zuruecksetzen() { zustand_ = 0; }
    // The best first move; index -1 when there is none.
    BesterKnoten besterKnoten() const;
    const BaumKnoten& knoten(int i) const { return platz(i); }
    // The card on a place of the running search (value and suit 0 for kKeinPlatz).
    karte karteAn(int platz) const { return karte{wert_[platz & 31], farbe_[platz & 31], 0}; }
    int poolAnzahl() const { return poolAnz_; }
    // Counters of the last search.
    int verarbeitet() const { return verarbeitet_; }
    int gedroppt() const { return gedroppt_; }
    int tiefe() const { return maxTiefe_; }
    int zeit() const { return zeit_; }
    int scheibenKnoten() const { return scheibe_; }  // nodes expanded in the last slice
    std::string statistikText() const;
    // For the developer panel, after a search: a line for every first move (the seat, its card
    // or "blockiert", its points, win and average x 100), its best reply marked "-" and the move
    // after that "--"; each line ends in <S> (the searched seat wins there), <G> (the other seat
    // wins), <E> (expanded, undecided) or <?> (not expanded).
    std::string baumText() const;
    // "BESTER: " and the line the backed-up values expect, move by move.
    std::string besterText() const;

    // Scores a node's position as a leaf and says whether the deal is decided there (the same
    // rules as the expansion, for tests that search exhaustively).
    static void bewerten(BaumKnoten& k, int suchSitz, bool sechsundsechzig);
    // The legal moves of the node's mover in the running search, before pruning: card indexes,
    // 0 for closing.
    int zuege(const BaumKnoten& k, int out[kKinderMax]) const;
    // Applies a move to a copy of its parent (the child's kartenIndex set).
    void zugAnwenden(BaumKnoten& kind, const BaumKnoten& eltern) const;

private:
    BaumKnoten& platz(int i) { return pool_.get()[i]; }
    const BaumKnoten& platz(int i) const { return pool_.get()[i]; }
    void kartenLegen(const Lage& l, BaumKnoten& w);
    // The moves with the places of their cards (kSchliessen: kKeinPlatz).
    int zuegeMitPlatz(const BaumKnoten& k, int out[kKinderMax], uint8_t plaetze[kKinderMax]) const;
    // wertGeerbt: the parent's win and average are still its own score as a leaf (every node but
    // the root until the values are backed up).
    void anwenden(BaumKnoten& kind, const BaumKnoten& eltern, int platz, bool wertGeerbt) const;
    bool zugVerwerfen(const BaumKnoten& k, int kandidat, int platz) const;
    // The moves a node grows children for, after pruning. They depend only on the mover's hand,
    // the lead, the strict rule and whether the talon may be closed, which repeat from node to
    // node: a small table keeps the last answer for each.
    struct ZugListe {
        uint64_t schluessel = 0;  // 0: empty
        uint8_t anz = 0, verworfen = 0;
        uint8_t index[kSuchHandMax + 1] = {}, platz[kSuchHandMax + 1] = {};
    };
    static constexpr int kZugTabelleBits = 12;
    const ZugListe& zugListe(const BaumKnoten& k);
    void kinderErzeugen(int knoten);
    // Nodes the search never reached are their parent's position, as they were made.
    void offeneAbschliessen();
    void zurueckrechnen();

    // Raw storage: a node is built when the search reaches it, so a fresh pool costs no frame
    // and only the pages a search uses are ever touched.
    struct PoolFrei {
        void operator()(BaumKnoten* p) const { ::operator delete(p); }
    };
    std::unique_ptr<BaumKnoten, PoolFrei> pool_;
    std::unique_ptr<ZugListe[]> zugTabelle_;
    // The backed-up values side by side, so that a parent reads its children's values from a
    // small array rather than from their nodes, long gone from the cache.
    struct Wert {
        float win, avg;
    };
    struct WertFrei {
        void operator()(Wert* p) const { ::operator delete(p); }
    };
    std::unique_ptr<Wert, WertFrei> werte_;
    // The nodes wait in pool order: node lesePos_ + 1 is expanded next.
    int poolAnz_ = 0, lesePos_ = 0;
    int pflicht_ = 0, offene1_ = 0, maxTiefe_ = 0, tiefenLimit_ = 0;
    int verarbeitet_ = 0, gedroppt_ = 0, zeit_ = 0, scheibe_ = 0;
    int zustand_ = 0, zeitLimit_ = 200, knotenLimit_ = kKnotenMax;
    int suchSitz_ = 2, trumpf_ = 1;
    bool sechsundsechzig_ = false, sperrenErlaubt_ = true;
    // The cards on the places and what the moves ask of them.
    int talonStart_ = 0;
    uint8_t wert_[32] = {}, farbe_[32] = {}, augen_[32] = {};
    uint32_t inFarbe_[16] = {};  // the places of a suit
    uint32_t tiefer_[32] = {};   // same suit, lower value
    uint32_t kleiner_[32] = {};  // any suit, lower value
    uint32_t partner_[32] = {};  // a card of a pair: the place of the other card
    uint32_t unterAss_ = 0;      // any card but an Ass
};

}  // namespace schnapsenki
