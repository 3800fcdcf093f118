// Canasta (game id 4): the rule core (cards, points, melds, canastas, the first-meld minimum and
// the right to take the discard pile), the move builders, the per-frame phase machine of a hand,
// the settlement, options and match, and the hooks the game core and the table engine call.
#pragma once
#include <string>

#include "core/cg.h"
#include "core/spielliste.h"

namespace canasta {

// ---- cards
constexpr int kZwei = 9, kDrei = 10, kJoker = 14;
constexpr int kZwangTag = 777;  // tag of the card taken from the discard pile inside a move

bool istWild(const karte& k);
bool istRoteDrei(const karte& k);
bool istSchwarzeDrei(const karte& k);
// A wild card or a black three on top of the discard pile blocks it.
bool sperrKarte(const karte& k);
// Display order: Zwei .. Sechs, 7 .. Ass, Joker last, suits side by side.
void sortWerte();
int kartePunkte(const karte& k);
// Card points of a set. Red threes count nothing: their worth is the red-three bonus.
int kartenPunkte(const hand& h);

// ---- teams
bool teamSpiel();
int team(int seat);  // the team id with team play, else the seat itself
bool gleichePartei(int a, int b);
int naechsterSitz(int seat);  // -1: the seat on turn
int vorigerSitz(int seat);

// ---- melds
bool gleicheWerte(const hand& h);
bool ismeldung(const hand& h);
int ersterNaturWert(const hand& h);
int meldWert(const hand& h);
bool istCanasta(const hand& h);
// Worth by kind: 0 everything, 1 card points, 2 red-three bonus, 3 canasta bonus.
int meldungWertung(const hand& h, int art);
int fertigBonus(int seat, int art);
// The first-meld minimum of a seat whose team has not laid out, by its total in the match.
int mindestpunkteFuer(int32_t gesamt);

// ---- melds on the table (piles of the meld container)
// The piles of the seat's team (of the seat without team play); tags hold the pile numbers.
void meldungen(int seat, hand& piles);
hand stapelKarten(int pile);
bool stapelIstCanasta(int pile);
bool hatCanasta(int seat);
bool teamHatMeldungWert(int seat, int wert);
bool hatMeldungWert(int seat, int wert);  // never for threes: they may lie as further piles
int meldungMitWert(int seat, int wert);
// While one stands, no card is laid or taken: the meld value of each pile and whether it is a
// canasta are worked out once, as a computer seat asks them again and again while it thinks.
class TischStill {
public:
    TischStill();
    ~TischStill();
    TischStill(const TischStill&) = delete;
    TischStill& operator=(const TischStill&) = delete;
};
bool nochNichtAusgelegt(int seat);
bool zweiGleiche(int stack, int wert);
karte ablageOben();

// ---- taking the discard pile and laying out
bool ablageVerwendbar(int seat, const karte& x, int darunter);
// The right of the seat on turn to take the discard pile; sets the pile's mode and card.
bool ablageNehmbar();
// May the selection be laid out as a new meld by the seat (0: the seat on turn).
bool auslegbar(const hand& s, int seat);

// ---- hand splitting for the move builders and the computer player
void kleinsteMeldung(const hand& h, int wert, hand& out);
void canastaMeldung(const hand& h, int wert, hand& out);
karte canastaErgaenzung(const hand& meld, const hand& h);

// ---- moves
void abschnittNeu(TMultizug& z, const hand& karten, int index);
void abschnittAnlegen(TMultizug& z, const hand& karten, int ziel, int index);
void abschnittLoeschen(TMultizug& z, int index);
void abschnitteTauschen(TMultizug& z, int i, int j);
void zugPunkte(TMultizug& z);
void anlegeReihenfolge(TMultizug& z);
bool zugMachtCanasta(const TMultizug& z, int seat);
int zugKarten(const TMultizug& z);
// The move that lays the most points (count 0: none reaches the minimum).
void maxpunktezug(int seat, const hand& h, const karte& zwang, bool mitAblage, TMultizug& z);
void maxzugMitAblage(int seat, TMultizug& z);
// A move that leaves exactly the one card that goes out.
void fertigzug(int seat, const hand& h, const karte& zwang, bool letzteMeldung, TMultizug& z);
// The smallest first meld that reaches the minimum.
void minzug2(int seat, const hand& h, const karte& zwang, TMultizug& z);
hand abschnittHand(const TMultizugabschnitt& a);
// The forced meld of a frozen discard pile as the turn's best move planned it: the taken card
// and the first two other cards of the last section that holds it as a meld of three or more.
// False when no section does.
bool zwangMeldung(const TMultizug& z, const karte& zwang, hand& sel);
// Takes the cards of `sel` out of the move, each from the first section that holds it, and
// tidies what is left: empty sections go, and a new meld left with one or two cards is laid
// card by card onto `ziel`, the pile the forced meld becomes. False when a card of `sel` is in
// no section.
bool zwangAbziehen(TMultizug& z, const hand& sel, int ziel);

// ---- flow
void spielSchritt(TCG& g);
void neuesSpiel(bool frisch);
// The game's part of a loaded record: empty when the game can go on from it, else the fault.
std::string blockPruefen(const TCG& g);
void spielLaden();
bool handOffen(int seat);
void auswahlPruefen();
void auswahlHand(hand& out);
// "!Neu beginnen", one card per step: true while a card is on its way back to the hand.
bool zuruecknehmenSchritt();
// Consistency message sink of the whole game (message box, or the harness's sink).
void logikfehler(const std::string& text);
void ablaufProtokoll(const std::string& text);
// Spoken remarks: 1 the seat keeps one card, 2 a canasta, 3 a red three drawn, 4 a large
// discard pile taken (anzahl: its cards), 5 the same remarked by another seat, 10 a canasta made.
void kommentieren(int ereignis, int seat, int anzahl);
// The hand has ended and its result is booked.
bool handVorbei(const TCG& g);
const TGameResult& letztesErgebnis();
TGameResult& ergebnisSpeicher();
// Answers refused by the flow since the match began (an illegal move never moves a card).
extern int abgelehnt;
// The cards of `sel` mapped onto distinct slots of the seat's stack (tags); false when a card
// is not there.
bool slotsZuordnen(int seat, hand& sel);
int letzterSlot(int pile);  // the stack-12 slot of a pile's last card
int rote3Stapel(int seat);  // the team's pile of red threes, 0 for none
// The legality tests of the meld phase, for the flow and the computer player alike.
bool fertigErlaubt(int seat);
bool auslegenErlaubt(int seat, const hand& sel);
bool anlegenErlaubt(int seat, const hand& sel, int pile);
// The buttons of the meld dialog that the selection leaves enabled: "!Melden" for a selection
// that may be laid out as a new meld, "!Neu beginnen" once this turn has laid a card.
struct MeldKnoepfe {
    bool melden = false;
    bool neuBeginnen = false;
};
MeldKnoepfe meldKnoepfe(int seat, const hand& sel);

// ---- settlement, options and match
// The rule page's elements, handed in by the shell once its dialogs exist (0 = not built): in
// page order the dealer lists, "Kartenblatt", rounds, points, hand size, "Karten ziehen", the
// check boxes (teams, wild canastas, always frozen, negative, red threes positive) and the eight
// number fields (Joker, the two going-out bonuses, the two red-three bonuses, the three
// canastas).
struct Seiten {
    int haupt = 0;
    int e[20] = {};
};
extern Seiten seiten;
void optionenStandard();
void optionenLesen();
// Clamps every numeric option into its range; a field out of range gets its default.
void optionenPruefen();
int standardKartenzahl(int seats);
int zahlAusText(const std::string& t);
int abrechnung(int seat, std::string& text);
void rundenAbrechnung();
// The rule page's change handler: team play only with four or six seats, the wild-canasta
// bonus only with wild canastas, and neither while a game runs.
void optionenAbgleichen(int element, bool rueckwaerts);
bool partieEnde();
void limitText(std::string& text);
void abrechnungText(const TGameResult& r, std::string& text);
void highscoreText(std::string& text);
// A rule option by its page name (self-play and tests); false for an unknown name.
bool optionSetzen(const std::string& name, int wert);

// ---- whole-game checks (soak tests, self-play)
// Every card of the deck exactly once on the table while no card is in flight.
bool kartenErhalten(std::string& warum);
int deckKarten();

void anmelden();

}  // namespace canasta

namespace canastaki {
void kiTick();
void nachZug(int art, int wert1, int wert2);
int abwurfWahl(int seat);
// Level 0 of self-play: a uniformly random legal answer.
void zufallsAntwort();
}  // namespace canastaki
