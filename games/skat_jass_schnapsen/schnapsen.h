// Schnapsen (game id 7) and its variant Sechsundsechzig (the variant byte set): the card rules,
// the settlement of a deal and the Bummerl match, the per-frame phase machine of a deal and the
// hooks the game core and the card table engine call. The computer seat is schnapsenki.
#pragma once
#include <string>
#include <vector>

#include "core/cg.h"
#include "core/spielliste.h"
#include "table/tspieler.h"

namespace schnapsen {

// Value codes of the cards in play.
constexpr int kNeun = 3, kBube = 4, kDame = 5, kKoenig = 6, kZehn = 7, kAss = 8;

// ---- rules (pure)
int kartenAugen(const karte& k);
int kartenAugen(const kurzkarte& k);
// The seat that takes a trick: the second card wins with the lead suit and a higher value, or
// as a trump on a non-trump lead.
inline int stichSieger(const karte& erste, const karte& zweite, int sitzZweite, int trumpf) {
    const int andere = 3 - sitzZweite;
    if (zweite.f == erste.f) return zweite.t > erste.t ? sitzZweite : andere;
    return zweite.f == trumpf ? sitzZweite : andere;
}
// May k be played onto lead from h? Without the strict rule always; with it the trick must be
// taken in suit if possible, else the suit followed, else a trump played if possible.
// Any card record with value t and suit f in any card set with anz and at(1..anz).
template <typename K, typename H>
bool regelPruefen(const K& k, const karte& lead, const H& h, bool streng, int trumpf) {
    if (!streng) return true;
    bool hoeher = false, niedriger = false, trumpfDa = false;
    for (int i = 1; i <= h.anz; ++i) {
        const auto& c = h.at(i);
        if (c.f == lead.f && c.t > lead.t) hoeher = true;
        if (c.f == lead.f && c.t < lead.t) niedriger = true;
        if (c.f == trumpf) trumpfDa = true;
    }
    if (hoeher) return k.f == lead.f && k.t > lead.t;
    if (niedriger) return k.f == lead.f;
    if (!trumpfDa) return true;
    return k.f == trumpf;
}
// The trump card that may be exchanged for the open one: Bube, in Sechsundsechzig the Neun.
int tauschWert(bool sechsundsechzig);
// Hand index (1-based) of the card that makes a Dame-König pair with card i of h, 0 for none;
// suit 0 accepts any suit.
template <typename H>
int paarPartner(const H& h, int i, int suit = 0) {
    if (i < 1 || i > h.anz) return 0;
    const auto k = h.at(i);
    if (suit != 0 && k.f != suit) return 0;
    if (k.t != kDame && k.t != kKoenig) return 0;
    const int partner = k.t == kDame ? kKoenig : kDame;
    for (int j = 1; j <= h.anz; ++j)
        if (h.at(j).f == k.f && h.at(j).t == partner) return j;
    return 0;
}
// 40 for a pair in the trump suit, else 20.
int ansageWert(const karte& k, int trumpf);
// Deal points: the announcements count only once the seat has taken a trick (a trick of two
// Neunen is worth 0 but still is a trick).
inline int dealAugen(int stichAugen, int angesagt, bool hatStich) {
    return stichAugen + (hatStich ? angesagt : 0);
}

// The outcome of a finished deal.
struct Deal {
    bool sechsundsechzig = false;
    int sperrSitz = 0;               // 0: the talon was not closed
    int augen[3] = {};               // deal points of seats 1, 2 (index 0 unused)
    bool hatStich[3] = {};           // the seat has taken a trick
    int augenBeimSperren[3] = {};    // deal points when the talon was closed
    bool stichBeimSperren[3] = {};   // the seat had taken a trick when the talon was closed
    int letzterStich = 0;            // seat that took the last trick when the hands were played out
};
enum Grund { kKeinGrund = 0, kNullBeimSperren, kWenigerBeimSperren, kOhneStich, kWeniger };
enum Ausgang { kZugedrehtGewonnen = 1, kZugedrehtVerloren, kErreicht, kLetzterStich };
struct Wertung {
    int sieger = 0;
    int spielPunkte = 0;  // 1, 2 or 3 game points
    int ausgang = 0;      // Ausgang
    int grund = 0;        // Grund (the loser's shortfall that raised the points)
    int augenSieger = 0;  // the winner's deal points as settled (Sechsundsechzig: with the last-trick 10)
};
Wertung werten(const Deal& d);
// The remaining points of the winner after a deal and whether that wins it a Bummerl.
// A Bummerl of fewer than 1 point would be won every deal: it counts as the standard 7.
int bummerlPunkte(int proBummerl);
bool bummerlAbziehen(int& rest, int spielPunkte);
// The number in front of the first blank of an option text ("9 Bummerl" gives 9); "Keine
// Grenze" gives keineGrenze, a text without a blank 99999.
int optionZahl(const std::string& text, int keineGrenze);

// ---- flow
void spielSchritt(TCG& g);
void neuesSpiel(bool frisch);
// The panel: the trump suit's icon and the turn marker; every step and after a load.
void anzeigeAktualisieren();
// The suit the panel shows: the open trump card's, or the trump once the card is gone.
int anzeigeFarbe();
// The game's part of a loaded record: empty when the game can go on from it, else the fault.
std::string blockPruefen(const TCG& g);
void spielLaden();
bool spielbar(const TKartenSlot& slot);
bool passtAuf(const karte& card, const karte& lead, int alt);
int tauschKarteIndex(int seat);  // -1 when the seat lacks the card
int stapelAugen(int stack);
int sitzPunkte(int stack);  // stack 7 or 8: trick points plus announced points
std::string stichPunkteText(int stack);
bool paarKarteOffen(int stack, int index);
bool punkteAktualisieren();
bool hatStich(int seat);
// The deal is settled and booked; the game core starts the next one.
bool dealVorbei(const TCG& g);
const TGameResult& letztesErgebnis();
void zeigerKarteSetzen(int index, int seat);

// ---- settlement and match
void optionenLesen();
void abrechnen();
bool partieEnde();
void limitText(std::string& text);
void abrechnungText(const TGameResult& r, std::string& text);
void highscoreText(std::string& text);
void punkteTabelle(bool matchOver);
// The rows of the score list: header, per deal each seat's remaining points and the deal's text
// (a separator and a fresh row where a Bummerl began), then the Bummerl count. Cells are joined
// by '\t'.
std::vector<std::string> punkteZeilen();
// The shell's option page, when it is built: fills the options of the record from it.
extern void (*optionenVonSeite)(TSchnapsen& s);
// The shell writes the score list rows into the result dialog.
extern void (*tabelleSchreiben)(const std::vector<std::string>& zeilen, bool matchOver);
// A rule option by name: Bummerl (per match), Punkte (per Bummerl), Zudrehen, Tauschen.
bool optionSetzen(const std::string& name, int wert);

// ---- whole-game checks (soak tests, bench/selfplay)
// All 20 (24) cards are on the table exactly once while no card is in flight.
bool kartenErhalten(std::string& warum);
// Every card played was legal when it was played: call after every frame.
struct Zugpruefung {
    int stichAnz = 0;
    hand vorher[3] = {};
    bool strengVorher = false;
    bool pruefen(std::string& warum);
};
// After a deal: the trick points add up to the deck's, and the winner's remaining points fell by
// the game points (kontoVorher: the remaining points before the deal).
bool dealPruefen(const int32_t kontoVorher[3], std::string& warum);
// The yardstick player: a uniformly random legal answer to the open question.
void zufallsAntwort();
// Actions the flow refused as illegal since the program started.
int abgelehnteZuege();

void anmelden();

}  // namespace schnapsen

namespace schnapsenki {
void kiTick();
void sucheZuruecksetzen();
bool sucheFertig();
int suchSitz();
bool zeigerKarteGesetzt();
void kommentar(int event, int seat);
}  // namespace schnapsenki
