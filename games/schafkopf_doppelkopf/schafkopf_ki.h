// The Schafkopf computer player: it rates its hand to bid and choose a game, weighs for every
// playable card the chance that the trick goes its way, keeps every seat's card knowledge after
// each card and answers the game's questions through the same action entry as the human.
// Levels: 1 "Anfänger", 2 "Normal", 3 "Profi"; level 0 is the uniformly random yardstick.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/cg.h"
#include "games/schafkopf_doppelkopf/schafkopf_regeln.h"
#include "games/schafkopf_doppelkopf/sd_partei.h"
#include "games/schafkopf_doppelkopf/sd_wkt.h"

namespace schafkopfki {

// The seat's level 0..3 (2 when the program sets none).
int stufe(int seat);

// ---- what the running game shows a seat
// The card rules of the game being played (of no game yet: the Rufspiel's trumps).
const sdki::Regeln& regeln();
// The working set of an observer (0: the seat on turn), partners filled in.
sdki::Sicht sicht(int beobachter);

// The facts of the game the card choice reads.
struct Tischlage {
    int typ = 0, farbe = 0;
    int spieler = 0;     // the declarer
    bool offen = false;  // one against three, openly
    const schafkopf::Ordnung* o = nullptr;
    karte stich[4]{};    // the current trick, tags the seats
    int stichAnz = 0;
    const TParteiSicht* sichten = nullptr;
    int stufe = 3;       // the level of the seat deciding
};
Tischlage tischlage();

// ---- bidding and game choice
int trumpfWert(const std::vector<karte>& hand, const schafkopf::Ordnung& o, int stufe);
int seitenWert(const std::vector<karte>& hand, const schafkopf::Ordnung& o, int rufFarbe, bool ohne,
               int stufe);
// 100 minus the danger of the hand in a Bettel against the other seats' cards.
int bettelWert(const std::vector<karte>& hand, const std::vector<karte>& andere);
// Every class of the hand holds enough cards that nobody outranks.
bool toutWahl(const std::vector<karte>& hand, const std::vector<karte>& andere, const schafkopf::Ordnung& o);
// The chance that the card wins its trick when led (from the working set's observer).
float stichSicher(const sdki::Sicht& s, const Tischlage& t, const karte& k);

// What the rating of a hand reads.
struct Bietlage {
    int seat = 0;
    std::vector<karte> hand;
    std::vector<karte> andere;  // the other seats' cards together
    int geber = 0;
    int gebote = 0;  // seats that said they play
    int stufe = 3;
    TSchafkopfOptionen optionen{};
};
// The Rufspiel rating: Asse, voids, bare Asse, trumps and the reductions.
void rufspielBewerten(TSchafkopfKiGebot& g, const Bietlage& b, const sdki::Sicht& s);
struct Schwellen {
    int trumpf = 56, seite = 56, summe = 130;
};
Schwellen schwellen(const Bietlage& b);
// The counter level 0..4 of a candidate rated (side, trump) against the thresholds.
int kandidatStufe(int typ, int seite, int trumpf, const Schwellen& s);
// Rates every candidate game and leaves the wish and the levels in `g`; the game record stays.
void spielWahl(TSchafkopfKiGebot& g, const Bietlage& b, const sdki::Sicht& s);
// The same for a seat of the running game.
void spielWahl(int seat);

// ---- card play
struct Kandidat {
    float pGewinn = 0;
    const char* grund = "";  // the rule that set pGewinn (trace only, Windows-1252)
    float stichAugen = 0;
    float kartenWert = 0;
    float vergleich = 0;
};
// Fills one record per playable card.
void bewerten(const sdki::Sicht& s, const Tischlage& t, const std::vector<karte>& spielbar,
              std::vector<Kandidat>& out);
// The score of one candidate (without the level noise of "Anfänger" and "Normal").
int kandidatPunkte(const sdki::Sicht& s, const Tischlage& t, const karte& k, const Kandidat& c);
// The position (0-based) of the best candidate.
int stichBewertung(const sdki::Sicht& s, const Tischlage& t, const std::vector<karte>& spielbar,
                   const std::vector<Kandidat>& k);
int partnerAnspielen(const sdki::Sicht& s, const std::vector<karte>& spielbar);  // 1-based, 0 none
int trumpfAnspielen(const sdki::Sicht& s, const std::vector<karte>& spielbar);   // 1-based
karte kartenWahl(const sdki::Sicht& s, const Tischlage& t, const std::vector<karte>& spielbar);

// ---- driver
void kiTick();
// After every accepted action, human or computer.
void nachZug(int art, int wert1, int wert2);

}  // namespace schafkopfki
