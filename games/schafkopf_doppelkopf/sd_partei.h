// Party estimation of the Schafkopf and Doppelkopf computer players: evidence that a seat plays
// on another seat's side, gathered from the cards played, and the party each observer then
// believes every open seat to belong to.
//
// The matrix is the game's five party views (`TParteiSicht sichten[5]`, view 0 public, 1..4 the
// seats'): `code` the public party (10, 11, or 9 open), `code2` the inferred one, and in the
// remaining words the last score of each seat (`punkte`) and the evidence E[p][w] (`evidenz`).
//
// Usage after a card K of seat P, before it reaches the trick:
//   LernLage l; l.sichten = view array; l.spieler = P; l.karte = K; l.stich / l.stichAnz = the
//   trick before K; l.sieger / l.besteKarte = winner seat and card of the trick with K (the
//   game's trick rule); l.sichtFuer = a function returning the refreshed working set of an
//   observer (0 = P), l.ctx its argument; then `parteiLernen(l)`, and hand every row 1..4 to
//   the game's party event afterwards. Direct signals of a game go through `signal`.
// Before queries, `partnerSetzen(sicht, sichten, istSolo, solist)` fills the partner fields of
// a working set from the matrix.
#pragma once
#include <cstdint>

#include "core/cg.h"
#include "games/schafkopf_doppelkopf/sd_wkt.h"

namespace sdki {

// Points of evidence for a probability: 120 above 0.975 down to 1 above 0.525, else 0.
int evidenzPunkte(float p);

int32_t& evidenz(TParteiSicht& v, int p, int w);
int32_t evidenz(const TParteiSicht& v, int p, int w);
int32_t& punkte(TParteiSicht& v, int u);

// The seat's code in the viewer's row: public, or the inferred one while the public is open (9).
int parteievt(const TParteiSicht* sichten, int seat, int viewer);
// a and b are on different sides in the viewer's belief; in a one-against-three game exactly
// when one of them is the declarer.
bool gegner(const TParteiSicht* sichten, int a, int b, int viewer, bool istSolo, int solist);
inline bool partner(const TParteiSicht* sichten, int a, int b, int viewer, bool istSolo, int solist) {
    return !gegner(sichten, a, b, viewer, istSolo, solist);
}

// Fills partner1/2 and their plays-last flags of the observer's working set.
void partnerSetzen(Sicht& s, const TParteiSicht* sichten, bool istSolo, int solist);

struct LernLage {
    TParteiSicht* sichten = nullptr;
    int spieler = 0;        // P, who played
    karte karte_{};         // K
    const karte* stich = nullptr;  // the trick before K, in play order
    int stichAnz = 0;
    int sieger = 0;         // W, the seat winning the trick with K
    karte besteKarte{};     // C, the winning card of the trick with K
    Sicht (*sichtFuer)(int observer, void* ctx) = nullptr;  // 0 = the player
    void* ctx = nullptr;
};

// Expected winner X of the trick after K and the weight of that expectation (from P's view).
struct Erwartung {
    int seat = 0;
    float gewicht = 0.0f;
};
Erwartung erwarteterSieger(const Sicht& sp, const LernLage& l);
// Points of evidence that P plays for the expected winner, from observer o's working set.
int evidenzAus(const Sicht& so, int spieler, const karte& k, const karte& led, float gewicht);
// The evidence steps, the consistency of known parties and the assignment of every row 1..4.
void parteiLernen(const LernLage& l);
// Known parties: evidence against a known partner and for a known opponent is cleared.
void konsistenz(TParteiSicht* sichten);
// The inferred codes of observer o's row from the evidence, with threshold 40 and hysteresis.
void zuordnen(TParteiSicht* sichten, int o);
// Direct evidence: every observer v other than P whose own party is `code` gets E[P][v] + w, of
// the other party - w; an observer without a known party of its own is skipped (false).
bool signal(TParteiSicht* sichten, int p, int code, int w);

}  // namespace sdki
