// The computer player of Texas Hold'em: the win-probability estimate (the preflop table before
// the flop, a walk over every board and opponent hand still possible after it), the 20-byte
// situation record, the learning store with its file brain.txt, the preflop rules, the rules of
// the later streets and the decision by level. The routines take the table as a value and draw
// from a random source they are given, so tests can fix both.
#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/karten.h"

namespace holdem::ki {

// ---- random source ----
// draw(): uniform in [0, 1); random(n): uniform whole number 0..n-1 made from one draw.
struct Zufall {
    std::function<double()> quelle;
    double draw() const;
    int random(int n) const;
};
// The program's one generator.
Zufall programmZufall();

// ---- the situation record (also the record of brain.txt; little-endian) ----
#pragma pack(push, 1)
struct PokerSituation {
    uint8_t win = 0;         // decision probability, percent x 2.55
    uint8_t winFirst = 0;    // first estimate (seats in the hand)
    uint8_t winSecond = 0;   // second estimate (seats in the game)
    uint8_t frei1 = 0;
    int16_t pot = 0;         // in big blinds, 0..200
    int16_t ownBet = 0;      // in big blinds, 0..200
    int16_t toCall = 0;      // in big blinds, 0..200
    uint8_t street = 0;      // 0, 3, 4, 6, plus 10 when the amount to call is not negative
    uint8_t calm = 0;        // calm value x 2.55
    int16_t value = 0;       // expected value in chips
    int16_t multiValue = 0;  // multi-way value in chips
    uint8_t seat = 0;
    uint8_t frei2 = 0;
    int16_t label = -10;     // -2 fold/check, -1 call, 1..100 raise in big blinds (100 all-in)
};
#pragma pack(pop)
static_assert(sizeof(PokerSituation) == 20);

// ---- the decision ----
struct PokerDecision {
    uint8_t kind = 3;  // 0 bet/raise, 1 check/call, 2 check, 3 fold, 4 all-in
    uint8_t unit = 2;  // for kind 0: 1 big blinds, 3 chips, 2 no amount
    int32_t amount = 0;
};
enum Art : uint8_t { kErhoehen = 0, kMitgehen = 1, kSchieben = 2, kPassen = 3, kAllesRein = 4 };
enum Einheit : uint8_t { kBigBlinds = 1, kOhne = 2, kChips = 3 };

// The table as the deciding seat sees it (chip amounts in chips).
struct Tisch {
    int seat = 2;
    int level = 2;    // 1 "AnfÃ¤nger", 2 "Normal", 3 "Profi"
    int strasse = 1;  // 1 preflop, 3 flop, 5 turn, 7 river
    int32_t bigBlind = 2;
    int32_t einsatz = 0;  // current bet
    int32_t gesetzt = 0;  // the seat's own bet
    int32_t pot = 0;
    int32_t minErhoehung = 2;
    int32_t maxErhoehung = 1000000;
    int32_t chips = 0;  // not yet in the pot
    int erhoehungenRunde = 0;
    bool splitLimit = false;
    bool allInErlaubt = true;
    bool kannErhoehen = true;
    int imSpiel = 2;    // seats in the hand
    int inPartie = 2;   // seats in the game
    int spieler = 6;    // seats at the table
    int position = 1;   // 1-based place in the order of play after the dealer
    int andereErhoeht = 0;      // other seats in the hand that raised in this round
    int andereErhoehungen = 0;  // their raises summed
    bool andereAllIn = false;   // every other seat in the hand is all-in
    int allInSitze = 0;         // seats in the hand that are all-in
    bool allInHand = false;     // some seat went all-in in this hand
    bool ersterBlind = false;   // the seat posted the first blind
    int aggressionOffset = 0;
    int32_t tischEinsatz = 0;   // the table stake of the options
    int32_t teiler = 0;         // divisor of the short-stack rule; 0: never
    int32_t ablaufZaehler = 0;  // the flow counter
    int32_t zuZahlen() const { return einsatz - gesetzt; }
    bool kannZahlen(int32_t x) const { return int64_t{zuZahlen()} + x <= chips; }
    int minErhoehungBB() const;
};

// ---- the estimate ----
// Cards as 0..51: rank 0 (the 2) .. 12 (the As) times 4 plus the suit 0..3.
int kartenIndex(const karte& k);
// The value of the best five of the given cards (up to 7 distinct), the game's own staerke():
// category (1 High Card .. 10 Royal Flush) times 2^20 plus the ranks that break ties; a larger
// value is a better hand.
uint32_t handWert(const uint8_t* karten, int n);

struct Schaetzung {
    double erste = 0, zweite = 0;              // with the level's weights ("Profi")
    double ersteExakt = 0, zweiteExakt = 0;    // every opponent hand counting alike
    std::array<double, 11> reach{};            // per seat category 1..10: share of the rest
};

// The walk over every card still to come. Start it, then call weiter() until it returns true;
// with a budget in milliseconds it stops after that much time and goes on at the next call.
class Schaetzer {
public:
    // hole: the seat's two cards; board: 0, 3, 4 or 5 cards. gewichte (optional): the weight of
    // an opponent's hole card by its rank index 0..12 ("Profi" from the flop on).
    void start(const std::array<uint8_t, 2>& hole, const std::vector<uint8_t>& board, int imSpiel,
               int inPartie, const std::array<float, 13>* gewichte);
    bool weiter(uint32_t budgetMs);
    bool fertig() const { return naechster_ >= laeufe_.size(); }
    bool laeuft() const { return gestartet_ && !fertig(); }
    void abbrechen() { gestartet_ = false; laeufe_.clear(); naechster_ = 0; }
    Schaetzung ergebnis() const;

private:
    void lauf(size_t i);
    std::array<uint8_t, 2> hole_{};
    std::vector<uint8_t> board_, offen_;
    std::vector<std::array<uint8_t, 2>> laeufe_;
    size_t naechster_ = 0;
    int imSpiel_ = 2, inPartie_ = 2;
    bool gestartet_ = false, gewichtet_ = false;
    // the weight of an opponent's hole pair by its two ranks
    double gewicht_[13][13] = {};
    std::array<double, 11> anz_{}, sA_{}, sB_{}, sAw_{}, sBw_{};
    // the share of better pairs by their count, for the seats in the hand and in the game (-1: not yet)
    std::vector<double> anteilIm_, anteilPartie_;
};

// Both estimates in [0, 1] at once (no slicing); before the flop from the preflop table.
Schaetzung schaetzen(const karte& a, const karte& b, const hand64& board, int imSpiel, int inPartie,
                     const std::array<float, 13>* gewichte);

// The "Profi" offset from the table's aggression value, scaled by who is still playing.
int aggressionOffset(int32_t aggression, int computerImSpiel, bool menschImSpiel, int inPartie);

// The calm value (0..100) and the blend of the estimates (percent) it gives.
double ruhe(const Tisch& t);
double mischung(double ruhe, double p1, double p2);

// The situation record of a seat from its raw estimates (0..1); the level blurs them.
PokerSituation computeBringSetSums(const Tisch& t, double e1, double e2, const Zufall& z);

// ---- the learning store ----
constexpr int kLernMax = 10000;
constexpr int kLaufMax = 100;
constexpr int kPaareMax = 51;
constexpr size_t kBrainBytes = 200024;

int32_t situationDistance(const PokerSituation& a, const PokerSituation& b, int level, const Zufall& z);

class Clusterer {
public:
    Clusterer();
    // Reads brain.txt; false with a reason when it is missing or damaged (the store is then empty).
    bool loadClusters(const std::filesystem::path& datei, std::string& fehler);
    // Writes through a temporary file renamed over the old one; false when that failed.
    bool saveClusters(const std::filesystem::path& datei) const;
    void ClearStore() {
        lernAnz_ = 0;
        geaendert_ = true;
    }
    void newHand() { laufAnz_ = 0; paarAnz_ = 0; }
    void addSituation(const PokerSituation& s);
    // true when records were copied.
    bool learnFromWinner(int seat, bool clearRunning);
    // true when records were removed.
    bool forgetLoser(int seat);
    // The label of the nearest learned record; -10 when the store is empty.
    int nearestAdvice(const PokerSituation& q, int seat, int level, const Zufall& z);

    int lernAnz() const { return lernAnz_; }
    // whether the learned table changed since it was read or written
    bool geaendert() const { return geaendert_; }
    void gesichert() { geaendert_ = false; }
    int laufAnz() const { return laufAnz_; }
    int paarAnz() const { return paarAnz_; }
    const PokerSituation& gelernt(int i) const { return lern_[static_cast<size_t>(i)]; }
    void anhaengen(const PokerSituation& s);  // appends to the learned table (full: dropped)

    bool learn = false;
    bool playing = false;
    int mode = 0;

private:
    void rememberUse(int index, int seat);
    std::vector<PokerSituation> lauf_, lern_;
    int laufAnz_ = 0, lernAnz_ = 0;
    std::array<std::array<int32_t, 2>, kPaareMax> paare_{};
    int paarAnz_ = 0;
    bool geaendert_ = false;
};

// The program's store and where it lives (set at start-up; empty: nothing is written).
Clusterer& clusterer();
extern std::filesystem::path brainDatei;
// Loads the store from brainDatei, or from the program's starting store `vorlage` while that
// file does not exist yet; a missing or damaged file leaves it empty and gives the line for the
// log. Saving reports whether the file was written.
bool brainLaden(std::string& meldung, const std::filesystem::path& vorlage = {});
bool brainSpeichern();

// ---- what the Hold'em flow tells the store ----
// A new hand: the running table and the used advice are emptied.
void neueHand();
// A seat is about to give an answer (code and raise amount as the flow takes them): with
// learning on, its situation is kept with the answer as label.
void aktionMerken(int seat, int code, int32_t betrag);
// The pot was divided: winners' situations are learned, losers' used advice forgotten; a
// changed store is written to its file.
void potVerteilt();

// ---- the rules ----
// Before the flop, from the raw estimates (0..1).
void preflopRules(const Tisch& t, double e1, double e2, const Zufall& z, PokerDecision& d);
// Later streets without advice, from the exact estimates (0..1).
void ruleDecision(const Tisch& t, double e1, double e2, const Zufall& z, PokerDecision& d);
// The rules every street ends with.
void commonFinalRules(const Tisch& t, const PokerSituation& s, PokerDecision& d);
// The whole decision of a seat from its estimates; advice from the store on later streets.
void decideAction(const Tisch& t, const Schaetzung& e, Clusterer& store, const Zufall& z, PokerDecision& d);

// The table talk bonus of a raise of so many big blinds.
int talkBonus(int32_t bigBlinds);

// ---- the developer panel ----
// A share given in thousandths as the developer lines write it: 125 gives "12.50 %".
std::string tausendstel(double x);
// The estimate with three opponents on a fixed flop: the seat holds Ass and König to Dame, Bube
// and 10 of one suit, a Royal Flush nobody can reach, so a sound walk says 100 %.
std::string PokerTestfall1();
// The time of the whole estimate and of the same walk in slices of half a frame, with one and
// with two opponents on a fixed flop: "GETWKT2.1: 1: 12 ms" and so on, one line each.
std::string PokerTimeWinProbability();

// The frame rate of the window (the shell sets it; empty: headless, an estimate runs whole).
extern float (*bildRate)();
// Half a frame in milliseconds; a rate of 0 or less counts as 60 frames.
uint32_t zeitBudget(float rate);

}  // namespace holdem::ki
