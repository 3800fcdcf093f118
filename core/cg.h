// The central game record: all state of a running game in one record `cg` of type TCG.
//
// How it is organised (offsets from the start of the record, all little-endian):
// - +0 object header (4 bytes, never saved), +4 `cg.spielId`, +8 `cg.stapelListen`.
// - +0x4568 .. +0x1072F common flow part: `cg.ablauf`, `cg.kartenSkala`, `cg.spielliste` (match
//   history with `cg.konto`), `cg.phase`, `cg.antwort`, `cg.schrittZeit`, `cg.aktSpieler`,
//   `cg.sprechblasen`, `cg.bewegungWarten`, `cg.entscheidung` (with `cg.gespielteHand`).
// - +0x10730 .. +0x2A917 the game blocks side by side (`cg.maumau` ... `cg.jass`), then the meld
//   container's copy `cg.k12Kopie`. A game owns the inner layout of its block; bytes whose use is
//   not settled yet are `bereich...` arrays that the owning game carves into its fields.
// - +0x2A918 player part: seats' settings, `cg.bekannteKarten`, `cg.letzterZug`, `cg.spieler`.
// - +0x2F4F0 `cg.highscore` to the end (the whole content of hs.dat).
// A saved game is the bytes +4 .. +0x2F4EF, in two pieces that meet at `cg.kartenSkala`.
//
// Where a group of fields is interleaved with another group, both are laid over the same bytes
// in an anonymous union: e.g. `cg.antwort` spans +0xF9AC .. +0xF9EE and the bytes between its
// fields that belong to `cg.schrittZeit` or `cg.aktSpieler` are placeholders (`_...`) in it.
// Use each field through its own group; never write a placeholder.
//
// Arrays whose first index is 1 in the game rules and that have no unused entry 0 in the layout
// are `Feld1<T, N>` with 1-based at(i); arrays that do have the unused entry 0 keep it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/karten.h"
#include "platform/text.h"

#pragma pack(push, 1)

// N records addressed 1..N (no unused element 0 in the layout).
template <typename T, int N>
struct Feld1 {
    T e[N];
    T& at(int i) { return e[i - 1]; }
    const T& at(int i) const { return e[i - 1]; }
    static constexpr int size() { return N; }
};

// ---------------------------------------------------------------------------------------------
// Common part

// Compact card list of one card holder (packed before saves and computer turns).
struct TStapelListe {
    karte k[kHandMax];  // slots 1..anz at k[0..anz-1]
    int32_t anz;
    int32_t id;        // the holder's stack id
    uint8_t computer;  // 1 = the holder is a computer seat; packing leaves it alone
    uint8_t frei[3];
};
static_assert(sizeof(TStapelListe) == 676);
static_assert(offsetof(TStapelListe, anz) == 664);
static_assert(offsetof(TStapelListe, id) == 668);
static_assert(offsetof(TStapelListe, computer) == 672);

// Common flow values at +0x4568. The card scale lies among them; it is also `cg.kartenSkala`.
struct TAblauf {
    uint8_t tischModus;  // copy of the table mode byte, taken when saving, given back on load
    uint8_t frei1[3];
    int32_t anzSpieler;      // player count of the running game (1..6)
    int32_t schrittZaehler;  // step counter of the frame routine
    int32_t rahmenWert;      // a further frame-routine value
    int32_t leerlauf;        // idle counter: cleared by every key and by human-seat steps
    float kartenSkala;       // = cg.kartenSkala
    uint8_t meldModus;       // Rommé and Canasta keep their melds in the meld container
    uint8_t frei2[3];
};
static_assert(sizeof(TAblauf) == 28);
static_assert(offsetof(TAblauf, anzSpieler) == 4);
static_assert(offsetof(TAblauf, schrittZaehler) == 8);
static_assert(offsetof(TAblauf, rahmenWert) == 12);
static_assert(offsetof(TAblauf, leerlauf) == 16);
static_assert(offsetof(TAblauf, kartenSkala) == 20);
static_assert(offsetof(TAblauf, meldModus) == 24);

constexpr int kRundenMax = 200;

// Match history at +0x4584 (+17796): seat 0 and round 0 exist but are never used.
struct TSpielliste {
    int32_t runden;  // rounds played in the running match (the match counter)
    uint8_t frei1[4];
    int32_t punkte[7][kRundenMax + 1];      // [seat][round]
    ShortString<200> text[kRundenMax + 1];  // text line of round r
    uint8_t frei2[3];
    int32_t konto[7];  // = cg.konto: each seat's total in the match (entry 0 unused)
    int32_t summe[7];  // summary value of each seat (entry 0 unused)
};
static_assert(sizeof(TSpielliste) == 0xF994 - 0x4584);
static_assert(offsetof(TSpielliste, punkte) == 8);
static_assert(offsetof(TSpielliste, text) == 5636);
static_assert(offsetof(TSpielliste, konto) == 46040);
static_assert(offsetof(TSpielliste, summe) == 46068);

// Phase of the running game at +0xF994.
struct TPhase {
    uint8_t nr;  // 4 = cards are being played
    uint8_t frei[3];
    int32_t schritt;  // sub-step within the phase
    int32_t fluss1;   // first, second and third flow dwords of the games;
    int32_t fluss2;   // the third is cleared by the common new-game part
    int32_t fluss3;
};
static_assert(sizeof(TPhase) == 20);
static_assert(offsetof(TPhase, schritt) == 4);
static_assert(offsetof(TPhase, fluss1) == 8);
static_assert(offsetof(TPhase, fluss3) == 16);

// The stored action and the waiting state, +0xF9AC .. +0xF9EE.
struct TAntwort {
    uint8_t warten;  // waiting sub-state: 3 while a decision dialog waits
    uint8_t _antwort1[0xF9D8 - 0xF9AD];
    uint8_t offen;  // 2 = the seat on turn must act, 0 = answered
    uint8_t _antwort2[0xF9EA - 0xF9D9];
    int16_t wert1;  // value1 of the last accepted action
    int16_t wert2;  // value2 of the last accepted action
    uint8_t art;    // kind of the last accepted action (0..6)
};
static_assert(sizeof(TAntwort) == 0xF9EF - 0xF9AC);
static_assert(offsetof(TAntwort, offen) == 0xF9D8 - 0xF9AC);
static_assert(offsetof(TAntwort, wert1) == 0xF9EA - 0xF9AC);
static_assert(offsetof(TAntwort, wert2) == 0xF9EC - 0xF9AC);
static_assert(offsetof(TAntwort, art) == 0xF9EE - 0xF9AC);

// Step timing, +0xF9C0 .. +0xFADD.
struct TSchrittZeit {
    uint32_t tick;  // tick (ms) of the last game step
    int32_t seit;   // milliseconds since the last game step, refreshed every frame
    uint8_t _schrittZeit1[0xFADD - 0xF9C8];
    uint8_t sprache;  // non-zero while a speech sample plays (refreshed every frame)
};
static_assert(sizeof(TSchrittZeit) == 0xFADE - 0xF9C0);
static_assert(offsetof(TSchrittZeit, seit) == 4);
static_assert(offsetof(TSchrittZeit, sprache) == 0xFADD - 0xF9C0);

// One speech-bubble slot (slot = seat).
struct TBlasenSlot {
    uint32_t start;  // start tick
    uint32_t dauer;  // duration in milliseconds
    uint8_t frei1[2];
    int16_t dialog;   // dialog id of the text element that shows the bubble
    int16_t element;  // element id of that text element
    uint8_t frei2[6];
};
static_assert(sizeof(TBlasenSlot) == 20);
static_assert(offsetof(TBlasenSlot, dauer) == 4);
static_assert(offsetof(TBlasenSlot, dialog) == 10);
static_assert(offsetof(TBlasenSlot, element) == 12);

constexpr int kBlasenSlots = 11;  // slots 0..10

// Speech bubbles at +0xF9F0.
struct TSprechblasen {
    uint8_t aktiv;                  // non-zero while any bubble is shown
    uint8_t zustand[kBlasenSlots];  // per slot: 3 shown, 0 closed
    TBlasenSlot slot[kBlasenSlots];
    int32_t zaehler;  // speech counter; 0 at a new game
};
static_assert(sizeof(TSprechblasen) == 0xFADC - 0xF9F0);
static_assert(offsetof(TSprechblasen, zustand) == 1);
static_assert(offsetof(TSprechblasen, slot) == 0xF9FC - 0xF9F0);
static_assert(offsetof(TSprechblasen, zaehler) == 0xFAD8 - 0xF9F0);

// The card move a game waits for, +0xFADC .. +0xFAED.
struct TBewegungWarten {
    uint8_t aktiv;  // non-zero while the game waits for a card move
    uint8_t _bewegung1[0xFAEA - 0xFADD];
    int16_t halter;  // holder of the awaited move
    int16_t marke;   // tag (slot) of the awaited move
};
static_assert(sizeof(TBewegungWarten) == 0xFAEE - 0xFADC);
static_assert(offsetof(TBewegungWarten, halter) == 0xFAEA - 0xFADC);
static_assert(offsetof(TBewegungWarten, marke) == 0xFAEC - 0xFADC);

constexpr int kKnoepfeMax = 8;

// The whole decision-dialog state, +0xFAF8 .. +0x10113 (1,564 bytes); the in-game dialog layout
// keeps a copy of it right behind it. The hand handed over with a kind-1 action lies inside; it
// is also `cg.gespielteHand`.
struct TEntscheidung {
    uint8_t stapelKlick;   // 1: pile clicks (action kind 3) accepted
    uint8_t kartenSpiel;   // 1: card plays (action kind 0) accepted
    uint8_t inBenutzung;   // in-use flag of the decision dialog
    uint8_t mitKnoepfen;   // 1: the question has buttons
    int32_t klickStapel1;  // first clickable table stack (default 11)
    int32_t klickStapel2;  // second clickable table stack, 0 = none
    uint8_t mehrfachWahl;  // 1: several hand cards may be raised at once
    uint8_t frei1[3];
    int32_t knopfAnzahl;                     // 1..8
    hand gespielteHand;                      // = cg.gespielteHand
    ShortString<80> texte[kKnoepfeMax + 1];  // [0] message line, [1..8] button captions
    uint8_t frei2;
    int16_t codes[kKnoepfeMax];  // answer codes of buttons 1..8: use code(i) / setzeCode(i, v)
    int32_t art;                 // kind of the open decision; also the in-game hint topic

    int16_t code(int i) const { return codes[i - 1]; }
    void setzeCode(int i, int16_t v) { codes[i - 1] = v; }
};
static_assert(sizeof(TEntscheidung) == 1564);
static_assert(offsetof(TEntscheidung, klickStapel1) == 0xFAFC - 0xFAF8);
static_assert(offsetof(TEntscheidung, klickStapel2) == 0xFB00 - 0xFAF8);
static_assert(offsetof(TEntscheidung, mehrfachWahl) == 0xFB04 - 0xFAF8);
static_assert(offsetof(TEntscheidung, knopfAnzahl) == 0xFB08 - 0xFAF8);
static_assert(offsetof(TEntscheidung, gespielteHand) == 0xFB0C - 0xFAF8);
static_assert(offsetof(TEntscheidung, texte) == 0xFE26 - 0xFAF8);
static_assert(offsetof(TEntscheidung, codes) == 0x10100 - 0xFAF8);
static_assert(offsetof(TEntscheidung, art) == 0x10110 - 0xFAF8);

// ---------------------------------------------------------------------------------------------
// Game blocks

// Mau Mau: fields from +0x10730 and from +67988.
struct TMaumau {
    uint8_t bereich1[67988 - 0x10730];
    uint8_t bereich2[68052 - 67988];
};
static_assert(sizeof(TMaumau) == 68052 - 0x10730);

// Skat game record `cg.skat.spiel`: bids, declarer, type, level, points and the Ramsch state
// of one deal. Seat-indexed arrays are 1..3.
struct TSkatSpiel {
    Feld1<int32_t, 3> gebot;  // last value each seat bid or held
    int32_t reizwert;         // the bid the game was taken at
    int32_t alleinspieler;    // declarer seat
    int32_t faktor;           // multiplier, written by the settlement
    int32_t typ;              // game type: 1..4 suit, 10 Null, 11 Grand, 12 Ramsch, 0 overbid, 100 passed in
    int32_t typ2;             // the type an overbid game was declared as (smallest-bid rule)
    int32_t spitze;           // 1 = Spitze announced
    uint8_t frei1;
    uint8_t stufe;  // 0 Normal, 1 Schneider, 2 Schneider angesagt, 3 Schwarz, 4 Schwarz angesagt, 5 Offen
    uint8_t hand;   // Hand game
    uint8_t frei2;
    int32_t wert;  // signed game value
    uint8_t gewonnen;
    uint8_t frei3[3];
    int32_t augen;       // declarer's card points
    int32_t gegenAugen;  // the defenders' card points
    uint8_t ramsch;
    uint8_t schieberamsch;  // Ramsch with Schieben and Jungfrau
    uint8_t frei4[2];
    Feld1<uint8_t, 3> ohneStich;  // seat has taken no trick yet
    Feld1<uint8_t, 3> jungfrau;   // seat announced Jungfrau
    uint8_t frei5[2];
    int32_t geschoben;  // how often the Skat was pushed on
    int32_t frei6;
    int32_t jungfrauFehler;  // seat whose Jungfrau announcement failed
    int32_t kontra;          // 0 none, 1 Kontra, 2 Re, 3 Sup, 4 Hirsch
    int32_t kontraSitz;      // the defender who said Kontra (or is asked)
    uint8_t spitzeFalsch;
    uint8_t rum;            // the Skat was shown to all
    uint8_t stufeAngesagt;  // the announced level, kept apart from the level reached in play
    uint8_t frei8;
    int32_t hinterhandSitz;
    int32_t hoererSitz;  // the seat that holds
    int32_t sagerSitz;   // the seat that bids
    int32_t passSitz;    // the seat that passed last
    int32_t frei9;
    int32_t reizwertAktuell;  // value reached; 1: nobody has bid
    uint8_t sagerFragen;      // 0: the holder is asked, 1: the bidder
    uint8_t frei10[3];
    uint8_t frei11[8];
};
static_assert(sizeof(TSkatSpiel) == 68188 - 68060);
static_assert(offsetof(TSkatSpiel, reizwert) == 12);
static_assert(offsetof(TSkatSpiel, typ) == 24);
static_assert(offsetof(TSkatSpiel, stufe) == 37);
static_assert(offsetof(TSkatSpiel, wert) == 40);
static_assert(offsetof(TSkatSpiel, augen) == 48);
static_assert(offsetof(TSkatSpiel, ramsch) == 56);
static_assert(offsetof(TSkatSpiel, ohneStich) == 60);
static_assert(offsetof(TSkatSpiel, geschoben) == 68);
static_assert(offsetof(TSkatSpiel, kontra) == 80);
static_assert(offsetof(TSkatSpiel, spitzeFalsch) == 88);
static_assert(offsetof(TSkatSpiel, hinterhandSitz) == 92);
static_assert(offsetof(TSkatSpiel, reizwertAktuell) == 112);
static_assert(offsetof(TSkatSpiel, sagerFragen) == 116);

constexpr int kReizlisteMax = 100;

// Skat declaration record `cg.skat.sk`: the trump test and the trick rules read its type.
struct TSkatSk {
    int32_t alleinspieler;  // declarer seat, 0 = none
    int32_t frei[2];
    int32_t typ;        // 1..4 suit, 10 Null, 11 Grand, 12 Ramsch, 14 no game, 100 all passed
    int32_t anspieler;  // seat that leads the next trick
    int32_t rest;       // cards still to come in the trick
};
static_assert(sizeof(TSkatSk) == 24);
static_assert(offsetof(TSkatSk, typ) == 12);

// Skat options `cg.skat.optionen`, read from the Skat option pages.
struct TSkatOptionen {
    uint8_t liste;        // first check box of the main page: high-score category 1 when set
    int32_t wertung;      // 1 Standard, 2 Turnier, 3 Nur Minuspunkte, 4 Nur Pluspunkte
    uint8_t eigene;       // "Eigene:" games limit
    int32_t limit;        // games in the match
    int32_t ersterGeber;  // 1..3, 0 "Zufällig"
    uint8_t rum, spitze, grand20;
    int32_t grandGrundwert;  // 20 or 24
    uint8_t kontraRe, mitKontra, mitKontraRe, mitKontraAlle, nachSpielansage;
    uint8_t bockRamsch;
    int32_t bockrunden, ramschrunden;  // list positions 1 "Keine" .. 5
    uint8_t beiEingepasst, kontraVerloren, grandHandVerloren, grandHandGewonnen, ramschKeinerReizt, nach6060,
        ueber100, schneider, spielabschluss;
    uint8_t bubenSchieben, jungfrauAnsagen, grandHand, durchmarsch, skatMeisteAugen;
    uint8_t umGeld;
    int32_t geldProPunkt;  // 1..4
};
static_assert(sizeof(TSkatOptionen) == 54);

// Skat block from +68052. The `spiegel...` fields hold the Skat unit's own hands, so that a saved
// game carries them: the trick, the Skat copy, the last trick, the Skat as dealt, the card each
// seat played to the trick; each seat's hand as dealt; the won cards of the declarer, of the
// defenders, all played cards; the won cards of each seat.
struct TSkat {
    int32_t geber;                     // dealer seat 1..3 (Hinterhand)
    int32_t anspieler;                 // seat that led the current trick
    TSkatSpiel spiel;                  // +68060
    int32_t reizliste[kReizlisteMax];  // the bidding list: value i at [i - 1]
    int32_t reizAnzahl;                // values in the list
    int32_t reizPos;                   // read position, 1-based (0 before the first bid)
    TSkatSk sk;                        // +68596
    TSkatOptionen optionen;            // +68620
    ShortString<1> sonderMarke;        // "B", "R" or empty: the special game this deal is
    uint8_t bereich[68794 - 68676];
    hand spiegel1[5];              // +68794
    hand spiegelFeld1[3];          // +72764
    hand spiegel2[3];              // +75146
    uint8_t spiegelFlag;           // +77528 the deal ended before its last trick
    ShortString<255> spiegelText;  // +77529 the special-games queue
    uint8_t frei1;
    hand spiegelFeld2[3];  // +77786
    uint8_t frei2[4];
};
static_assert(sizeof(TSkat) == 80172 - 68052);
static_assert(offsetof(TSkat, spiel) == 68060 - 68052);
static_assert(offsetof(TSkat, reizliste) == 68188 - 68052);
static_assert(offsetof(TSkat, reizPos) == 68592 - 68052);
static_assert(offsetof(TSkat, sk) == 68596 - 68052);
static_assert(offsetof(TSkat, optionen) == 68620 - 68052);
static_assert(offsetof(TSkat, sonderMarke) == 68674 - 68052);
static_assert(offsetof(TSkat, spiegel1) == 68794 - 68052);
static_assert(offsetof(TSkat, spiegelFeld1) == 72764 - 68052);
static_assert(offsetof(TSkat, spiegel2) == 75146 - 68052);
static_assert(offsetof(TSkat, spiegelFlag) == 77528 - 68052);
static_assert(offsetof(TSkat, spiegelText) == 77529 - 68052);
static_assert(offsetof(TSkat, spiegelFeld2) == 77786 - 68052);

// A Skat seat's computer character, inside the seat's settings record: the character index
// right after the strength, the seven values at the record's 4th..10th words.
struct TSkatCharakter {
    int32_t index;  // list position of the character
    int32_t frei;
    int32_t reizen, reizenr, wahrs, wahr0, kont, wafe, krafe;
};
static_assert(sizeof(TSkatCharakter) == 36);

struct TSchwimmen {
    uint8_t bereich[80536 - 80172];
};
static_assert(sizeof(TSchwimmen) == 364);

// Rommé block from +80536.
struct TRomme {
    uint8_t bereich1[80544 - 80536];
    uint8_t positiv;  // +80544 "Punkte-Wertung" positive; while 0 the limit counts downward
    uint8_t bereich2[86936 - 80545];
};
static_assert(sizeof(TRomme) == 86936 - 80536);
static_assert(offsetof(TRomme, positiv) == 80544 - 80536);

// One section of a Canasta move: cards laid out as a new meld (ziel 0) or onto a meld.
struct TMultizugabschnitt {
    hand64 karten;   // a card's tag: 777 for the card taken from the discard pile, else its hand index
    int16_t ziel;    // pile of the meld container; 0 = a new meld
    int16_t punkte;  // card points of the section's cards
    int16_t wert;    // card points plus red-three and canasta bonuses of the cards alone
};
static_assert(sizeof(TMultizugabschnitt) == 265);

constexpr int kMultizugMax = 30;

// A whole Canasta move: sections 1..anz executed in order.
struct TMultizug {
    int32_t anz;  // 0 = no move
    TMultizugabschnitt abschnitt[kMultizugMax];
    int32_t punkte;
    TMultizugabschnitt& at(int i) { return abschnitt[i - 1]; }
    const TMultizugabschnitt& at(int i) const { return abschnitt[i - 1]; }
};
static_assert(sizeof(TMultizug) == 7958);

// The computer seat's move under way: one section per decision.
struct TCanastaZugPlan {
    uint8_t aktiv;
    uint8_t frei[3];
    int32_t index;  // the last section executed
    int32_t art;    // 1 going out, 2 smallest first meld, 3 most points
    TMultizug zug;
};

// Canasta block from +86936 up to the first Doppelkopf field.
struct TCanasta {
    // options (read from the rule page once per match)
    int32_t ersterGeber, naechsterGeber, rundenLimit, punkteLimit, kartenblatt, ziehKarten;
    int32_t kartenzahlWahl, handKarten;
    uint8_t teamSpiel, wildeCanastas, immerEingefroren, negativOhneCanasta, rote3Positiv;
    uint8_t frei1[3];
    int32_t jokerWert, bonusFertig, bonusHandFertig, bonusRote3, bonus4Rote3, bonusUnecht, bonusEcht,
        bonusWild;
    Feld1<int32_t, 6> teamId;  // team of each seat with team play
    // per team (the seat without team play) or per seat, 1..6
    Feld1<uint8_t, 6> ausgelegt, hatCanastaCache, frueherGelegt, legtJetzt;
    // state of the hand and of the turn
    uint8_t autoLegen, nachziehen, ablageGenommen, eingefroren, handAusgemacht, paarAblage;
    uint8_t frei2[2];
    int32_t nachziehAnzahl, zugQuelle, gelegtePunkte, mindestpunkte, maxzugPunkte, maxMitAblage, ablageModus,
        ausgemachtVon, zugZaehler, letzterSitz, meldRuhe;
    karte zwangkarte, zwangkarteGenommen, zwangDrei, ablageKarte;
    uint8_t rueckStapel[kHand64Max];  // the cards laid this turn: their pile
    uint8_t rueckKarte[kHand64Max];   // and the card as (value - 1) x 4 + suit - 1
    int32_t rueckAnzahl;
    hand auswahl;      // the selection to be laid; tags: slots in the seat's stack
    TMultizug maxzug;  // the best move of the seat on turn at its turn start
    TCanastaZugPlan multizug;
    uint8_t bereich[104272 - 86936 - 17042];
};
static_assert(sizeof(TCanasta) == 104272 - 86936);
static_assert(offsetof(TCanasta, auswahl) == 320);
static_assert(offsetof(TCanasta, maxzug) == 1114);

// Doppelkopf block: two hand records of the game's own variables mirrored for saves at +104272,
// its options at +119692.
struct TDoppelkopf {
    hand spiegel[2];
    uint8_t bereich1[119692 - 105860];
    uint8_t bereichOptionen[121068 - 119692];
};
static_assert(sizeof(TDoppelkopf) == 121068 - 104272);
static_assert(offsetof(TDoppelkopf, bereichOptionen) == 119692 - 104272);

// The 25-byte Schafkopf game record (type, suit, Tout flag ...), laid out by the Schafkopf unit.
struct TSchafkopfSpiel {
    uint8_t bereich[25];
};

// Schafkopf block: mirrored hands at +121068, options at +136488, game record at +138228.
struct TSchafkopf {
    hand spiegel[2];
    uint8_t bereich1[136488 - 122656];
    uint8_t bereichOptionen[138228 - 136488];
    TSchafkopfSpiel spiel;  // +138228
    uint8_t frei[3];
};
static_assert(sizeof(TSchafkopf) == 138256 - 121068);
static_assert(offsetof(TSchafkopf, bereichOptionen) == 136488 - 121068);
static_assert(offsetof(TSchafkopf, spiel) == 138228 - 121068);

// Seat record of the Poker block (520 bytes), seat p at +137836 + 520 p.
struct TPokerSitz {
    uint8_t markiert;  // 2: the seat's cards are highlighted
    uint8_t zustand;   // 7 hides the seat's panel element, 8 lifts and turns its speech bubble
    uint8_t bereich1[12];
    uint8_t blase;  // +14 with `wackeln`: the bubble wobble
    uint8_t bereich2[468 - 15];
    float wackeln;  // +468
    uint8_t bereich3[485 - 472];
    uint8_t inHand;  // +485 the seat is in the hand
    uint8_t frei[2];
    int32_t wert488;  // +488, read by the table drawing
    uint8_t bereich4[520 - 492];
};
static_assert(sizeof(TPokerSitz) == 520);
static_assert(offsetof(TPokerSitz, blase) == 14);
static_assert(offsetof(TPokerSitz, wackeln) == 468);
static_assert(offsetof(TPokerSitz, inHand) == 485);
static_assert(offsetof(TPokerSitz, wert488) == 488);

// Poker block. Its seat array is addressed as if it began at +137836 with a seat 0, but that
// slot lies over the end of the Schafkopf block: only its last 100 bytes are Poker's, which hold
// the Poker options. Seats 1..6 start at +138356.
struct TPoker {
    uint8_t bereichOptionen1[138308 - 138256];
    int32_t bigBlindStart;  // +138308 the big blind of a new match
    uint8_t bereichOptionen2[4];
    uint8_t potLimit;    // +138316 Pot Limit is played
    uint8_t splitLimit;  // +138317 Split Limit is played
    uint8_t bereichOptionen3[138356 - 138318];
    Feld1<TPokerSitz, 6> sitz;  // +138356
    uint8_t bereich1[141500 - 141476];
    int32_t pot;  // +141500
    uint8_t bereich2[4];
    int32_t bigBlind;  // +141508
    uint8_t bereich3[141660 - 141512];
};
static_assert(sizeof(TPoker) == 141660 - 138256);
static_assert(offsetof(TPoker, bigBlindStart) == 138308 - 138256);
static_assert(offsetof(TPoker, potLimit) == 138316 - 138256);
static_assert(offsetof(TPoker, splitLimit) == 138317 - 138256);
static_assert(offsetof(TPoker, sitz) == 138356 - 138256);
static_assert(offsetof(TPoker, pot) == 141500 - 138256);
static_assert(offsetof(TPoker, bigBlind) == 141508 - 138256);

constexpr int kSchnapsenStart = 141660;
// The Black Jack block starts with its deck count, the dword every deck fill reads at +141780.
constexpr int kBlackjackStart = 141780;

// Schnapsen block from +141660.
struct TSchnapsen {
    uint8_t bereich1[141716 - kSchnapsenStart];
    uint8_t sechsundsechzig;  // +141716 Sechsundsechzig runs as game 7
    uint8_t bereich2[kBlackjackStart - 141717];
};
static_assert(offsetof(TSchnapsen, sechsundsechzig) == 141716 - kSchnapsenStart);

// Black Jack rules as read from the rule page at every round start. The deck count, which
// every game's deck fill reads, is not part of it: it is the first dword of the block.
struct TBlackjackRegeln {
    int32_t rundenLimit;          // rounds in the series (200 for "Keine Grenze")
    int32_t startGeld;            // starting money per seat in chip units (100, 200, 500)
    int32_t minEinsatz;           // minimum bet
    int32_t maxEinsatz;           // maximum bet
    uint8_t naturalDealer;        // a seat with a natural becomes the next dealer
    uint8_t dealerZweiteOffen;    // the dealer's second card is dealt face up
    uint8_t spielerZweiteOffen;   // the players' second card is dealt face up
    uint8_t dealerSoft17;         // the dealer draws on a soft 17
    int32_t dealerWechsel;        // 17 und 4: rounds per dealer (-1: only when broke)
    uint8_t zweiAsseDoppelt;      // 17 und 4: two aces win twice the bet
    uint8_t verdoppeln;           // Black Jack: doubling allowed
    uint8_t mischen;              // shuffle before every round
    uint8_t frei;
};
static_assert(sizeof(TBlackjackRegeln) == 28);

// One seat's Black Jack record. The block holds two arrays of them: the shared records and the
// view the step works on (copied in at the start of every step and back at its end).
struct TBlackjackSitz {
    uint8_t zustand;  // 0 out of the game, 1 playing this round, 2 settled this round
    uint8_t imSpiel;  // still seated at the table
    uint8_t verdoppelt;
    uint8_t frei1;
    int32_t einsatz;         // chips in the seat's bet box
    int32_t startChips;      // chips at the start of the round
    int32_t ergebnis;        // 1 won, 0 push, -1 lost
    int32_t betrag;          // money won (+) or lost (-) this round; the dealer's is minus the rest
    int32_t platz;           // finishing place, given when the seat goes broke
    int32_t ausgeschieden;   // rounds played when it left
    ShortString<150> text;   // the last bubble text of the seat
    uint8_t frei2;
    int32_t textWert;        // cleared whenever the text is written
};
static_assert(sizeof(TBlackjackSitz) == 184);
static_assert(offsetof(TBlackjackSitz, text) == 28);
static_assert(offsetof(TBlackjackSitz, textWert) == 180);

constexpr int kBjGesehenMax = 200;

// The Black Jack computer players' memory since the last shuffle, kept in the record so that a
// saved game goes on as it would have.
struct TBlackjackKI {
    int32_t laufend;          // running Hi-Lo count of the cards seen
    int32_t gesehenAnz;       // cards seen
    int32_t talonBeimMischen;  // talon count at the last shuffle
    int32_t index;            // last used entry of the seen-card list (starts at 1)
    uint8_t stil[6];          // betting style of seats 1..6: 0 strictly, 1 randomly, 2 increasingly
    uint8_t frei[2];
    uint8_t gesehenT[kBjGesehenMax];  // seen cards: value code and suit of entry i at [i - 1]
    uint8_t gesehenF[kBjGesehenMax];
};
static_assert(sizeof(TBlackjackKI) == 424);

// Black Jack block, ending with the 17-und-4 flag and seat 1's place in the money table.
struct TBlackjack {
    int32_t deckAnzahl;  // +141780 decks in the talon (every game's deck fill reads it)
    TBlackjackRegeln regeln;
    int32_t waehrung;               // currency option (1 euros and cents, 3 dollars, else euros)
    int32_t einsatzVorschlag;       // the bet being set, shown on the bet buttons
    int32_t dealer;                 // dealer seat
    int32_t neuerDealer;            // chosen next dealer, 0 = none
    int32_t rundenMitDealer;        // rounds played with this dealer
    int32_t dealerWert;             // the dealer's final hand value
    int32_t blasenSitz;             // seat whose settlement text waits to be spoken, 0 = none
    ShortString<150> blasenText;    // that text
    uint8_t einsammeln;             // the discard pile goes back under the talon at the next step
    uint8_t mischenAusgelassen;     // this round was dealt without a shuffle
    uint8_t entscheidungFlag;       // a Black Jack decision is open for the computer player
    uint8_t frei1;
    int32_t gesammelt;              // cards collected since the last shuffle
    int32_t letzterVorschlag;       // the human's last bet, where the next proposal starts
    uint8_t offen[6][20];           // face-up flags of cards 1..20 of seats 1..6
    Feld1<TBlackjackSitz, 6> sitz;  // the shared seat records
    Feld1<TBlackjackSitz, 6> sicht;  // the step's view of them
    TBlackjackKI ki;
    uint8_t bereich1[145215 - kBlackjackStart - 2551 - 424];
    uint8_t siebzehnUndVier;  // +145215 "17 und 4" runs as game 9 (32-card deck)
    uint8_t bereich2[145224 - 145216];
};
static_assert(sizeof(TBlackjack) == 145224 - kBlackjackStart);
static_assert(offsetof(TBlackjack, siebzehnUndVier) == 145215 - kBlackjackStart);
static_assert(offsetof(TBlackjack, deckAnzahl) == 0);
static_assert(offsetof(TBlackjack, regeln) == 4);
static_assert(offsetof(TBlackjack, sitz) == 343);
static_assert(offsetof(TBlackjack, sicht) == 343 + 6 * 184);



// Jass block from +145228.
struct TJass {
    uint8_t bereich[155528 - 145228];
};

// ---------------------------------------------------------------------------------------------
// Player part

// Per-seat settings of the options page.
struct TSitzEinstellung {
    int32_t staerke;  // strength of the seat's computer player (1..3; seat 1 is 3)
    union {
        uint8_t bereich[160];
        TSkatCharakter skat;  // Skat keeps the seat's computer character here
    };
};
static_assert(sizeof(TSitzEinstellung) == 164);

// The last finished card move.
struct TLetzterZug {
    karte k;  // the card, taken from the move's source slot when it arrives
    uint8_t frei[2];
    int32_t zielStapel;
    int32_t zielSlot;
    int32_t quellStapel;
    int32_t quellSlot;
};
static_assert(sizeof(TLetzterZug) == 22);
static_assert(offsetof(TLetzterZug, zielStapel) == 6);
static_assert(offsetof(TLetzterZug, quellStapel) == 14);

// One seat's player.
struct TSpielerEintrag {
    ShortString<255> name;
    uint8_t weiblich;  // drawn from the female first names
    uint8_t stimme;    // voice 1..6 (1..3 female, 4..6 male)
};
static_assert(sizeof(TSpielerEintrag) == 258);
static_assert(offsetof(TSpielerEintrag, weiblich) == 256);

// One high-score entry, the unit of hs.dat.
struct THighscoreEintrag {
    uint8_t platz;  // 1..20
    uint8_t frei1[3];
    int32_t punkte;  // higher is better
    ShortString<100> name;
    uint8_t leer;  // 1 = placeholder written by a reset ("Leer")
    uint8_t frei2[2];
};
static_assert(sizeof(THighscoreEintrag) == 112);
static_assert(offsetof(THighscoreEintrag, punkte) == 4);
static_assert(offsetof(THighscoreEintrag, name) == 8);
static_assert(offsetof(THighscoreEintrag, leer) == 109);

constexpr int kHighscoreTabellen = 14;  // game ids 0..12 and a spare table 13
constexpr int kHighscoreStufen = 3;
constexpr int kHighscorePlaetze = 20;

// The high-score tables: table g (game id 0..13), level 1..3, place 1..20.
struct THighscore {
    THighscoreEintrag e[kHighscoreTabellen][kHighscoreStufen][kHighscorePlaetze];
    THighscoreEintrag& at(int g, int stufe, int platz) { return e[g][stufe - 1][platz - 1]; }
    const THighscoreEintrag& at(int g, int stufe, int platz) const { return e[g][stufe - 1][platz - 1]; }
};
static_assert(sizeof(THighscore) == 94080);

// ---------------------------------------------------------------------------------------------

struct TCG {
    uint8_t kopf[4];  // object header, never saved
    uint8_t spielId;  // game id of the running game: 0..9 or 12 (10 and 11 run as 7 and 9)
    uint8_t frei1[3];
    TStapelListe stapelListen[21];  // per card holder 1..20; entry 0 unused
    uint8_t reserviert1[0x4568 - 0x377C];
    union {
        TAblauf ablauf;
        struct {
            uint8_t _ablauf1[20];
            float kartenSkala;  // +0x457C; every game step addresses its block from here
            uint8_t _ablauf2[4];
        };
    };
    union {
        TSpielliste spielliste{};
        struct {
            uint8_t _spielliste1[46040];
            int32_t konto[7];  // +0xF95C: each seat's account in the match (entry 0 unused)
            uint8_t _spielliste2[28];
        };
    };
    // +0xF994 .. +0xFAF7: phase, stored action, timing, seat on turn, bubbles, move wait.
    union {
        struct {
            TPhase phase;  // +0xF994
            uint8_t _fluss1[0xF9C8 - 0xF9A8];
            int32_t aktSpieler;  // +0xF9C8 card holder on turn, 1..20 (seat 1 is the human)
            int32_t geber;       // +0xF9CC dealer: the seat that opens a round
            int32_t startWert;   // +0xF9D0 cleared at every game start
            uint8_t _fluss2[0xF9F0 - 0xF9D4];
            TSprechblasen sprechblasen;  // +0xF9F0
            uint8_t _fluss3[0xFAF8 - 0xFADC];
        };
        struct {
            uint8_t _fluss4[0xF9AC - 0xF994];
            TAntwort antwort;  // +0xF9AC
            uint8_t _fluss5[0xFAF8 - 0xF9EF];
        };
        struct {
            uint8_t _fluss6[0xF9C0 - 0xF994];
            TSchrittZeit schrittZeit;  // +0xF9C0
            uint8_t _fluss7[0xFAF8 - 0xFADE];
        };
        struct {
            uint8_t _fluss8[0xFADC - 0xF994];
            TBewegungWarten bewegungWarten;  // +0xFADC
            uint8_t _fluss9[0xFAF8 - 0xFAEE];
        };
    };
    union {
        TEntscheidung entscheidung{};  // +0xFAF8
        struct {
            uint8_t _entscheidung1[0xFB0C - 0xFAF8];
            hand gespielteHand;  // +0xFB0C the cards handed over with the last kind-1 action
            uint8_t _entscheidung2[0x10114 - 0xFE26];
        };
    };
    TEntscheidung entscheidungKopie;  // +0x10114 kept by the in-game dialog layout

    // Game blocks.
    TMaumau maumau;          // +0x10730
    TSkat skat;              // +68052
    TSchwimmen schwimmen;    // +80172
    TRomme romme;            // +80536
    TCanasta canasta;        // +86936
    TDoppelkopf doppelkopf;  // +104272
    TSchafkopf schafkopf;    // +121068
    TPoker poker;            // +138256 (its seat 0 slot would begin at +137836)
    TSchnapsen schnapsen;    // +141660
    TBlackjack blackjack;    // +141780
    int32_t platz;           // +145224 seat 1's place in the money table (Poker, Black Jack)
    TJass jass;              // +145228
    // +155528: the meld container's bytes 4 .. 18,827 at the same index, copied here for saves
    // (its bytes 15,618 and 15,619 are not copied).
    uint8_t k12Kopie[18828];
    uint8_t frei2[4];

    // Player part.
    karte folgeKarte;        // +0x2A918 Mau Mau's card to follow (the open discard card)
    karte vorigeFolgeKarte;  // the previous card to follow, never read back
    int32_t folgeHalter;     // 1 at new games of several games, else the holder on turn
    uint8_t spielIdMenue;    // +0x2A924 game id as started (10 and 11 kept): the options page
    uint8_t frei3[174644 - 174373];
    Feld1<TSitzEinstellung, 6> sitzEinstellungen;  // +174644 = +174480 + 164 p
    uint8_t frei4[176318 - 175628];
    Feld1<hand, 20> bekannteKarten;     // +176318 = +175524 + 794 i; seat p: p, 7 + p, 14 + p
    TLetzterZug letzterZug;             // +0x2EEC6
    int16_t ablaufEinstellung;          // +0x2EEDC copy of the game-flow setting (tested for 1)
    int16_t optionenWahl;               // +0x2EEDE copy of the game-options chooser value
    int16_t rundenWort;                 // +0x2EEE0 Rommé and Mau Mau; 0 at each new game
    Feld1<TSpielerEintrag, 6> spieler;  // +192226 = +191968 + 258 p
    uint8_t frei5[2];
    THighscore highscore;  // +0x2F4F0 to the end

    // The number of seats that can still play, counted by Poker and Black Jack into the i32 at
    // +138852, which lies inside Poker seat 1's record (its bytes 496..499).
    int32_t spielbareSitze() const;
    void setzeSpielbareSitze(int32_t n);
};

#pragma pack(pop)

static_assert(sizeof(TCG) == 287856);
static_assert(offsetof(TCG, spielId) == 4);
static_assert(offsetof(TCG, stapelListen) == 8);
static_assert(offsetof(TCG, reserviert1) == 0x377C);
static_assert(offsetof(TCG, ablauf) == 0x4568);
static_assert(offsetof(TCG, kartenSkala) == 0x457C);
static_assert(offsetof(TCG, spielliste) == 0x4584);
static_assert(offsetof(TCG, konto) == 0xF95C);
static_assert(offsetof(TCG, phase) == 0xF994);
static_assert(offsetof(TCG, antwort) == 0xF9AC);
static_assert(offsetof(TCG, schrittZeit) == 0xF9C0);
static_assert(offsetof(TCG, aktSpieler) == 0xF9C8);
static_assert(offsetof(TCG, geber) == 0xF9CC);
static_assert(offsetof(TCG, startWert) == 0xF9D0);
static_assert(offsetof(TCG, sprechblasen) == 0xF9F0);
static_assert(offsetof(TCG, bewegungWarten) == 0xFADC);
static_assert(offsetof(TCG, entscheidung) == 0xFAF8);
static_assert(offsetof(TCG, gespielteHand) == 0xFB0C);
static_assert(offsetof(TCG, entscheidungKopie) == 0x10114);
static_assert(offsetof(TCG, maumau) == 0x10730);
static_assert(offsetof(TCG, skat) == 68052);
static_assert(offsetof(TCG, schwimmen) == 80172);
static_assert(offsetof(TCG, romme) == 80536);
static_assert(offsetof(TCG, canasta) == 86936);
static_assert(offsetof(TCG, doppelkopf) == 104272);
static_assert(offsetof(TCG, schafkopf) == 121068);
static_assert(offsetof(TCG, poker) == 138256);
static_assert(offsetof(TCG, schnapsen) == kSchnapsenStart);
static_assert(offsetof(TCG, blackjack) == kBlackjackStart);
static_assert(offsetof(TCG, platz) == 145224);
static_assert(offsetof(TCG, jass) == 145228);
static_assert(offsetof(TCG, k12Kopie) == 155528);
static_assert(offsetof(TCG, folgeKarte) == 0x2A918);
static_assert(offsetof(TCG, vorigeFolgeKarte) == 0x2A91C);
static_assert(offsetof(TCG, spielIdMenue) == 0x2A924);
static_assert(offsetof(TCG, sitzEinstellungen) == 174480 + 164);
static_assert(offsetof(TCG, bekannteKarten) == 175524 + 794);
static_assert(offsetof(TCG, letzterZug) == 0x2EEC6);
static_assert(offsetof(TCG, letzterZug) + offsetof(TLetzterZug, zielStapel) == 0x2EECC);
static_assert(offsetof(TCG, letzterZug) + offsetof(TLetzterZug, quellStapel) == 0x2EED4);
static_assert(offsetof(TCG, ablaufEinstellung) == 0x2EEDC);
static_assert(offsetof(TCG, optionenWahl) == 0x2EEDE);
static_assert(offsetof(TCG, rundenWort) == 0x2EEE0);
static_assert(offsetof(TCG, spieler) == 191968 + 258);
static_assert(offsetof(TCG, highscore) == 0x2F4F0);

// The one central record of the program (zero-filled at start).
extern TCG cg;
