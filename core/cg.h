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
#include <cstring>
#include <string>
#include <type_traits>

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

// N values addressed 1..N at a place the packed record leaves unaligned: read and written by
// value, as a reference to an element there would be a misaligned access.
template <typename T, int N>
struct FeldLose1 {
    static_assert(std::is_trivially_copyable_v<T>);
    uint8_t b[sizeof(T) * N];
    class Wert {
    public:
        explicit Wert(uint8_t* p) : p_(p) {}
        operator T() const {
            T v;
            std::memcpy(&v, p_, sizeof v);
            return v;
        }
        Wert& operator=(T v) {
            std::memcpy(p_, &v, sizeof v);
            return *this;
        }
        Wert& operator=(const Wert& w) { return *this = static_cast<T>(w); }
        Wert& operator+=(T d) { return *this = static_cast<T>(static_cast<T>(*this) + d); }
        Wert& operator-=(T d) { return *this = static_cast<T>(static_cast<T>(*this) - d); }

    private:
        uint8_t* p_;
    };
    Wert at(int i) { return Wert(b + sizeof(T) * static_cast<size_t>(i - 1)); }
    T at(int i) const {
        T v;
        std::memcpy(&v, b + sizeof(T) * static_cast<size_t>(i - 1), sizeof v);
        return v;
    }
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
    uint8_t meldStapelHover;  // 1: the hovered meld rises as a whole pile (Rommé, Canasta)
    uint8_t frei2[2];
};
static_assert(sizeof(TAblauf) == 28);
static_assert(offsetof(TAblauf, anzSpieler) == 4);
static_assert(offsetof(TAblauf, schrittZaehler) == 8);
static_assert(offsetof(TAblauf, rahmenWert) == 12);
static_assert(offsetof(TAblauf, leerlauf) == 16);
static_assert(offsetof(TAblauf, kartenSkala) == 20);
static_assert(offsetof(TAblauf, meldModus) == 24);
static_assert(offsetof(TAblauf, meldStapelHover) == 25);

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

// Mau Mau: fields from +0x10730 and from +67988. Roles are 31 draw two, 32 sit out, 33 wish a
// suit, 34 reverse, 35 lay another card.
struct TMaumau {
    int32_t richtung;     // 1 seat numbers upwards, 2 downwards
    int32_t wunschFarbe;  // 0 none, 1..4
    int32_t offen;        // count of the pending draw or sit-out effect
    int32_t offenArt;     // 31, 32 or 0
    int32_t sonderWert[36];  // [31..35] value code 1..8 of the role's card, 9 none; 0..30 unused
    int32_t decks;           // packs of 32 cards: 1 or 2
    int32_t geberWahl;       // "Kartengeber" list position: 1 "Zufall", k + 1 "Spieler k"
    int32_t startKarten;     // cards dealt to each seat
    int32_t rundenLimit;     // 200 = none
    int32_t punkteLimit;     // 0 = none
    uint8_t positiv;         // "Punkte-Wertung" "Positiv"
    uint8_t wunschAufWunsch;
    uint8_t ziehenSammeln;     // "4,6 usw. Karten ziehen"
    uint8_t aussetzenSammeln;  // "Mehrere setzen aus"
    karte letzteKarte;         // the card just laid (cleared once its question was asked)
    int32_t zugZaehler;        // turns of the round
    int32_t spielerAnzahl;     // seats in play, 2..6
    uint8_t bereich1[67988 - 0x10730 - 196];
    uint8_t bereich2[68052 - 67988];
};
static_assert(sizeof(TMaumau) == 68052 - 0x10730);
static_assert(offsetof(TMaumau, sonderWert) == 16);
static_assert(offsetof(TMaumau, positiv) == 180);
static_assert(offsetof(TMaumau, letzteKarte) == 184);
static_assert(offsetof(TMaumau, bereich1) == 196);

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

// Schwimmen: statistics, options, the round's state and the computer player's seat records.
struct TSchwimmen {
    int32_t statistik[6][2];  // seats 1..6: two statistic values each, cleared at every new game
    int32_t geberWahl;        // "1. Kartengeber": 1 "Zufall", k + 1 "Spieler k"
    int32_t rundenLimit;      // 200 = none
    int32_t punkteLimit;      // 0 = none
    int32_t zuegeNachKlopfen;
    int32_t schiebenInFolge;
    int32_t abgelegtPos;  // table slot of the card the seat on turn just laid down, 0 none
    uint8_t mitPasch;
    uint8_t alleTauschen;
    uint8_t positiv;
    uint8_t geklopft;
    int32_t sitzInfo[6][12];  // seats 1..6, values 0..11
};
static_assert(sizeof(TSchwimmen) == 364);
static_assert(offsetof(TSchwimmen, geberWahl) == 48);
static_assert(offsetof(TSchwimmen, abgelegtPos) == 68);
static_assert(offsetof(TSchwimmen, mitPasch) == 72);
static_assert(offsetof(TSchwimmen, sitzInfo) == 76);

// Rommé block from +80536.
// One 16-bit mark per card slot of a seat's hand (1: held back for a Rommé Hand).
struct TRommeMarken {
    int16_t m[kHandMax];
    int16_t& at(int i) { return m[i - 1]; }
    int16_t at(int i) const { return m[i - 1]; }
};

// Rommé block from +80536: options, the turn's counters, the human's selection, the markers.
struct TRomme {
    int32_t ersterGeber;     // "1. Kartengeber": 1 "Zufall", 2..7 "Spieler 1".."Spieler 6"
    int32_t naechsterGeber;  // "Nächster Geber": 1 "Zufall" .. 7 "wie 1. Geber"
    uint8_t positiv;         // +80544 "Punkte-Wertung" positive; while 0 the limit counts downward
    uint8_t ecke;            // "Um die Ecke legen erlauben"
    uint8_t doppelteFarben;  // "Doppelte Farben in Sätzen erlauben"
    uint8_t fremdAnlegen;    // "Anlegen an fremde Sätze erlauben"
    uint8_t nachWert;        // "Sortieren nach" "Kartenwert"
    uint8_t frei1[3];
    int32_t rundenGrenze;        // 200: none
    int32_t punkteGrenze;        // 0: none
    int32_t mindestpunkte;       // "1. Satz ab"
    int32_t saetze;              // decks 1..3
    int32_t jokerWert;           // "Joker zählt"
    int32_t letzterAbwurf;       // the seat that discarded last
    int32_t kartenBeiZugbeginn;  // cards the seat on turn held when it drew (13+: Rommé Hand)
    int32_t zugNummer;           // draws since the discard pile was opened
    int32_t auslegeRunde;        // lay-out decisions asked in this turn
    int32_t warteSchritte;       // steps spent on the current lay-out decision
    int32_t talonPaesse;         // shuffle passes of a re-used talon still to come
    hand auswahl;                // the human's selection as a meld
    Feld1<TRommeMarken, 6> marken;
    uint8_t frei2[2];
    int32_t tischKarten;  // meld cards on the table when the talon was last renewed
    int32_t leerePaesse;  // renewals of the talon in a row with no card laid in between
    uint8_t bereich[86936 - 83392];
};
static_assert(sizeof(TRomme) == 86936 - 80536);
static_assert(offsetof(TRomme, positiv) == 80544 - 80536);
static_assert(offsetof(TRomme, rundenGrenze) == 80552 - 80536);
static_assert(offsetof(TRomme, auswahl) == 80596 - 80536);
static_assert(offsetof(TRomme, marken) == 81390 - 80536);
static_assert(offsetof(TRomme, tischKarten) == 83384 - 80536);

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

// A party view: what one seat (or everybody) knows of the parties. Codes per seat 1..4:
// 9 unknown, 10 the declarer's (Re) side, 11 the other (Kontra) side, 0 for himself (Ramsch),
// 4 the silent soloist of Doppelkopf; a second copy of the codes; the game when it was built.
struct TParteiSicht {
    int32_t code[4];
    int32_t code2[4];
    int32_t frei1[20];
    int32_t spielTyp;  // entry 28
    int32_t frei2[4];
};
static_assert(sizeof(TParteiSicht) == 33 * 4);
static_assert(offsetof(TParteiSicht, spielTyp) == 28 * 4);

// Card knowledge of the Schafkopf and Doppelkopf computer players. Cards are counted by card id
// (suit - 1) * 8 + value - 1; a Doppelkopf card may be there twice.
struct TKartenZahl {
    uint8_t anz[32];
    int32_t n;  // cards in all
};
static_assert(sizeof(TKartenZahl) == 36);
// What may be known of one seat: the classes (suits 1..4, trumps 6) it holds none of, the cards
// it may still hold, those possible but not certain, and those it surely holds.
struct TKartenWissen {
    uint8_t frei[8];    // [class]
    float freiWkt[8];   // [class]: 1.0 where `frei` is set
    TKartenZahl moeglich;
    TKartenZahl ungewiss;
    TKartenZahl bekannt;
};
static_assert(sizeof(TKartenWissen) == 148);

// Doppelkopf seat record: reservations, the Hochzeit party, the Kreuz-Damen played, and the
// special points the seat made.
struct TDoppelkopfSitz {
    uint8_t soloVorbehalt, hochzeitVorbehalt, hochzeitPartei, vorbehalt;
    int32_t kreuzDamen;  // Kreuz-Damen the seat has played
    uint8_t doppelkopf, karlchen, fuchs1, fuchs2;
    int32_t fuchs1Opfer, fuchs2Opfer;  // the seats whose Fuchs the seat caught
    int32_t doppelkopfAnz;             // tricks of 40 or more card points
};

// Doppelkopf options, read from the rule page when a series starts.
struct TDoppelkopfOptionen {
    int32_t runden;  // rounds limit (200 = "Keine Grenze")
    int32_t punkte;  // points limit (0 = none)
    int32_t geber;   // 1 "Zufall", 2..5 seat 1..4
    uint8_t fuchs, doppelkopf, karlchen;
    uint8_t frei;
    int32_t soloAnzug;  // 1 "Solospieler", 2 "normal", 3 "nicht Solospieler"
    uint8_t bubenDamenSolo, zweiteDulle;
    uint8_t stufen[5];  // announcement levels 1..5 allowed
};

// A Doppelkopf computer seat's rating of its hand: the announcement class, the level of the hand
// in each solo (as an opponent, and by the raised thresholds as the soloist), the solo it wishes
// and the parts of the normal-game rating.
struct TDoppelkopfKiWahl {
    int32_t klasse;
    uint8_t stufenGegner[8];  // solo codes 1..8
    uint8_t stufenSolo[8];
    int32_t soloWunsch, sonderkarten, asse, frei, blank, truempfe, summe, trumpfStaerke, seitenStaerke,
        fehlstufen;
};

// The Doppelkopf deal in progress; its fields lie on 4-byte boundaries, as the flow hands out
// its card lists by pointer.
struct TDoppelkopfZustand {
    int32_t soloTyp;       // 0 normal, 1..4 suit solo, 5 Buben, 6 Damen, 7 Fleischlos, 8 Buben-Damen
    int32_t solist;        // the soloist; in a Hochzeit the Hochzeit seat
    int32_t hochzeit;      // the seat that announced a Hochzeit
    int32_t partner;       // the Hochzeit partner found
    uint8_t geklaert;      // the Hochzeit partner is found
    uint8_t stilles;       // the solo is a silent one
    uint8_t darfHeiraten;  // the seat being asked holds both Kreuz-Damen
    uint8_t ende;          // the deal is settled
    int32_t partnerKarten; // the partner's cards at clarification
    int32_t stichKarte, stichNr, anspieler;
    karte stich[4];
    int32_t stichAnz;
    int32_t reStufe, kontraStufe;  // the highest announcement of each side, 0..5
    int32_t fragen;                // announcement questions asked
    TDoppelkopfSitz sitz[4];       // seats 1..4 at [seat - 1]
    karte gegeben[4][12];          // each seat's hand as dealt
    TParteiSicht sichten[5];       // view 0 public, 1..4 the seats'
    TDoppelkopfKiWahl kiWahl[4];   // the computer seats' ratings, seats 1..4 at [seat - 1]
    TKartenWissen wissen[4];       // what the computer seats know of seats 1..4
};
static_assert(sizeof(TDoppelkopfSitz) == 24);
static_assert(offsetof(TDoppelkopfZustand, kiWahl) % 4 == 0);
static_assert(offsetof(TDoppelkopfZustand, wissen) % 4 == 0);
static_assert(offsetof(TDoppelkopfZustand, stich) % 4 == 0);
static_assert(offsetof(TDoppelkopfZustand, sitz) % 4 == 0);
static_assert(offsetof(TDoppelkopfZustand, gegeben) % 4 == 0);
static_assert(offsetof(TDoppelkopfZustand, sichten) % 4 == 0);

// Doppelkopf block: two hand records of the game's own variables mirrored for saves at +104272,
// its options at +119692.
struct TDoppelkopf {
    hand spiegel[2];
    TDoppelkopfZustand z;
    uint8_t bereich1[119692 - 105860 - sizeof(TDoppelkopfZustand)];
    TDoppelkopfOptionen optionen;
    uint8_t bereichOptionen[121068 - 119692 - sizeof(TDoppelkopfOptionen)];
};
static_assert(sizeof(TDoppelkopf) == 121068 - 104272);
static_assert(offsetof(TDoppelkopf, optionen) == 119692 - 104272);
static_assert((104272 + offsetof(TDoppelkopf, z)) % 4 == 0);

// The 25-byte Schafkopf game record: which game is played (a plain record, copied by value).
struct TSchafkopfSpiel {
    uint8_t typ;    // 0 none, 1 Sie, 2 Solo, 3 Wenz, 4 Geier, 5 Farbwenz, 6 Farbgeier, 7 Bettel, 8 Rufspiel, 9 Ramsch
    uint8_t farbe;  // trump suit of Solo, Farbwenz, Farbgeier; the called suit of a Rufspiel
    uint8_t frei;
    uint8_t tout;          // all tricks must be won
    ShortString<20> titel;  // the caption of the button that chose the game
};
static_assert(sizeof(TSchafkopfSpiel) == 25);

// Schafkopf seat record: the seat's bid, its answered flag and its Laufende.
struct TSchafkopfSitz {
    TSchafkopfSpiel gebot;
    uint8_t beantwortet;
    uint8_t frei[2];
    int32_t laufende;
};
static_assert(sizeof(TSchafkopfSitz) == 32);

// Schafkopf options, read from the rule page when a series starts.
struct TSchafkopfOptionen {
    int32_t runden;      // rounds limit (200 = "Keine Grenze")
    int32_t punkte;      // points limit (0 = none)
    int32_t geber;       // 1 "Zufall", 2..5 seat 1..4
    int32_t centProPunkt;
    int32_t geldIndex;   // 1..7
    uint8_t tout, farbgeier, farbwenz, bettel, sie, kontra, re, ramsch, laufende, stillesSolo;
    uint8_t frei[2];
    int32_t soloWert;  // 2, 4 or 5
};

// A Schafkopf computer seat's rating of its hand and the game it wishes to play, kept from the
// question whether it plays to the choice and doubling dialogs.
struct TSchafkopfKiGebot {
    int32_t asse;           // side-suit Asse that will take a trick
    int32_t frei;           // void side suits
    int32_t blank;          // a bare As, As with Zehn
    int32_t truempfe;
    int32_t rufSumme;       // total for a Rufspiel after the reductions
    int32_t trumpfStaerke;
    int32_t seitenStaerke;
    int32_t fehlstufen;     // thresholds missed
    int32_t rufKlasse;      // class 0..5 of the hand for a Rufspiel
    uint8_t typ, farbe, tout, frei1;  // the wished game
    uint8_t eigeneStufe[10][5];       // [type][suit] 1..3: raised thresholds reached
    uint8_t gegenStufe[10][5];        // [type][suit] 0..4: strength against that game
};
static_assert(sizeof(TSchafkopfKiGebot) == 140);

// The Schafkopf deal in progress.
// Its fields lie on 4-byte boundaries: the flow hands out its card lists by pointer.
struct TSchafkopfZustand {
    TSchafkopfSpiel hoechstes;  // the highest bid so far
    uint8_t frei1[3];
    TSchafkopfSitz sitz[4];     // seats 1..4 at [seat - 1]
    int32_t bieter;             // declarer seat of the bidding
    int32_t erster, zweiter;    // first and second seat that wanted to play
    int32_t gebote;             // number of bids 0..3
    int32_t spieler;            // declarer seat of the game
    int32_t gewerteterSpieler;  // the seat scored as playing alone
    uint8_t eigenesAs;          // the declarer played the ace he called himself
    uint8_t asGespielt;         // the called ace has been played
    uint8_t frei2[2];
    int32_t angesagt;           // games announced in this bidding
    int32_t stichKarte;         // 1 before the first card of a trick, 5 after the fourth
    int32_t kontra;             // 0 none, 1 Kontra, 2 Re
    int32_t stichNr;            // trick 1..8
    int32_t anspieler;          // the seat that led the current trick
    karte stich[4];             // the current trick in play order, the tag the seat
    int32_t stichAnz;
    karte gegeben[4][8];        // each seat's hand as dealt
    TParteiSicht sichten[5];    // view 0 public, 1..4 the seats'
    uint8_t ende;               // the deal is settled
    uint8_t frei3[3];
    TKartenWissen wissen[4];    // the computer players' knowledge of seats 1..4 at [seat - 1]
    TSchafkopfKiGebot kiGebot[4];  // computer seats 1..4 at [seat - 1]
};
static_assert(offsetof(TSchafkopfZustand, wissen) % 4 == 0);
static_assert(offsetof(TSchafkopfZustand, sitz) % 4 == 0);
static_assert(offsetof(TSchafkopfZustand, angesagt) % 4 == 0);
static_assert(offsetof(TSchafkopfZustand, stich) % 4 == 0);
static_assert(offsetof(TSchafkopfZustand, gegeben) % 4 == 0);
static_assert(offsetof(TSchafkopfZustand, sichten) % 4 == 0);

// Schafkopf block: mirrored hands at +121068, options at +136488, game record at +138228.
struct TSchafkopf {
    hand spiegel[2];
    TSchafkopfZustand z;
    uint8_t bereich1[136488 - 122656 - sizeof(TSchafkopfZustand)];
    TSchafkopfOptionen optionen;
    uint8_t bereichOptionen[138228 - 136488 - sizeof(TSchafkopfOptionen)];
    TSchafkopfSpiel spiel;  // +138228
    uint8_t frei[3];
};
static_assert(sizeof(TSchafkopf) == 138256 - 121068);
static_assert((121068 + offsetof(TSchafkopf, z)) % 4 == 0);
static_assert(offsetof(TSchafkopf, optionen) == 136488 - 121068);
static_assert(offsetof(TSchafkopf, spiel) == 138228 - 121068);

// Seat record of the Poker block (520 bytes), seat p at +137836 + 520 p. Fields at their
// natural alignment, as the block was laid out.
struct TPokerSitz {
    uint8_t zustand;  // 0 out of the match, 1 in the hand, 2 folded in this hand
    uint8_t aktion;   // action code of the seat in this betting round
    uint8_t frei1[2];
    int32_t gesetzt;     // +4 chips put into the pot in this hand
    int32_t letzterBetrag;  // +8 the amount of the seat's last raise answer
    uint8_t smallBlind;  // +12
    uint8_t bigBlind;    // +13
    ShortString<150> blase;         // +14 what the seat said
    ShortString<150> titel;         // +165 the seat's caption
    ShortString<150> vorigerTitel;  // +316
    uint8_t frei2;
    int32_t chipsPlusGesetzt;  // +468 computed when the seat's turn begins
    uint8_t kannErhoehen;      // +472
    uint8_t kannMitgehen;      // +473
    uint8_t allInErlaubt;      // +474
    uint8_t frei3;
    int32_t erhoehungen;  // +476 raises by this seat in the hand
    uint8_t allIn;        // +480
    uint8_t gewinnt;      // +481
    uint8_t frei4[2];
    int32_t potNummer;   // +484 the first pot the seat won (1 main pot)
    int32_t gewinn;      // +488 amount won
    int32_t platz;       // +492 finishing place
    uint8_t frei5[4];    // +496 seat 1: the playable-seat count of the result table
    uint8_t besteHand[7];  // +500 hole cards and board: part of the best five
    uint8_t frei6;
    float erwartung;         // +508 the computer player's expected value
    float gewinnChance;      // +512 percent x 2.55
    int32_t ausgeschiedenIn;  // +516 hand number of elimination
};
static_assert(sizeof(TPokerSitz) == 520);
static_assert(offsetof(TPokerSitz, gesetzt) == 4);
static_assert(offsetof(TPokerSitz, blase) == 14);
static_assert(offsetof(TPokerSitz, chipsPlusGesetzt) == 468);
static_assert(offsetof(TPokerSitz, gewinn) == 488);
static_assert(offsetof(TPokerSitz, frei5) == 496);
static_assert(offsetof(TPokerSitz, besteHand) == 500);
static_assert(offsetof(TPokerSitz, ausgeschiedenIn) == 516);

// Poker block. Its seat array is addressed as if it began at +137836 with a seat 0, but that
// slot lies over the end of the Schafkopf block: only its last 100 bytes are Poker's, which hold
// the Poker options. Seats 1..6 start at +138356.
struct TPoker {
    uint8_t bereichOptionen1[138292 - 138256];
    int32_t richtung;       // +138292 direction of play, 1
    int32_t waehrung;       // +138296 chip currency: 1 cents, 2 euros, 3 dollars
    int32_t gelesen;        // +138300 1 once the options were read
    int32_t startGeld;      // +138304 100, 200 or 500
    int32_t bigBlindStart;  // +138308 the big blind of a new match
    int32_t intervall;      // +138312 hands between blind rises (100000: never)
    uint8_t potLimit;    // +138316 Pot Limit is played
    uint8_t splitLimit;  // +138317 Split Limit is played
    uint8_t frei1[2];
    int32_t tempo;           // +138320 1..3
    int32_t handNameOption;  // +138324 2 abbreviations, 3 full names
    uint8_t optionByte;      // +138328 cleared when the options are read
    uint8_t deutsch;         // +138329 German terms
    uint8_t strasse;         // +138330 1 preflop betting .. 7 river betting
    uint8_t rundeOffen;      // +138331 1 a betting round runs, 0 cards are dealt, 2 start chips out
    uint8_t gesetztFlag;     // +138332 a bet was made in this round
    uint8_t frei2[3];
    int32_t ersterNachBB;  // +138336 first seat after the big blind
    int32_t sbSitz;        // +138340 small blind seat
    int32_t bbSitz;        // +138344 big blind seat
    int32_t dealer;        // +138348
    uint8_t frei3[4];
    Feld1<TPokerSitz, 6> sitz;  // +138356
    int32_t limitStufe;     // +141476
    int32_t maxErhoehung;   // +141480
    int32_t preflopStufe;   // +141484
    int32_t spaeteStufe;    // +141488
    int32_t minErhoehung;   // +141492
    int32_t erhoehung;      // +141496 raise amount
    int32_t pot;            // +141500
    int32_t einsatz;        // +141504 current bet: the highest set of any seat
    int32_t bigBlind;       // +141508
    int32_t erhoehungenHand;   // +141512
    int32_t erhoehungenRunde;  // +141516
    uint8_t allInGeschehen;    // +141520
    uint8_t frei4[3];
    int32_t tischZaehler;     // +141524
    uint8_t geredet;          // +141528 table talk made in this hand
    uint8_t showdownKommentar;  // +141529
    uint8_t frei5[2];
    int32_t aggression;        // +141532 100 at a new match
    int32_t aggressionVerlauf[31];  // +141536 newest first
};
static_assert(sizeof(TPoker) == 141660 - 138256);
static_assert(offsetof(TPoker, richtung) == 138292 - 138256);
static_assert(offsetof(TPoker, bigBlindStart) == 138308 - 138256);
static_assert(offsetof(TPoker, potLimit) == 138316 - 138256);
static_assert(offsetof(TPoker, splitLimit) == 138317 - 138256);
static_assert(offsetof(TPoker, dealer) == 138348 - 138256);
static_assert(offsetof(TPoker, sitz) == 138356 - 138256);
static_assert(offsetof(TPoker, limitStufe) == 141476 - 138256);
static_assert(offsetof(TPoker, pot) == 141500 - 138256);
static_assert(offsetof(TPoker, bigBlind) == 141508 - 138256);
static_assert(offsetof(TPoker, aggressionVerlauf) == 141536 - 138256);

constexpr int kSchnapsenStart = 141660;
// The Black Jack block starts with its deck count, the dword every deck fill reads at +141780.
constexpr int kBlackjackStart = 141780;

// Schnapsen block from +141660 (Sechsundsechzig runs in it with the variant byte set). Per-seat
// arrays are seats 1..2.
struct TSchnapsenTalon {
    uint8_t streng;    // the strict follow rule applies: talon closed or used up
    uint8_t zu;        // a seat has closed the talon
    uint8_t paarTest;  // 1 while the pair test runs
};
struct TSchnapsenAnzeige {
    int32_t partner;           // hand index of the other card of the pair last found
    int32_t letzterStichSitz;  // seat that took the trick that emptied the hands (0 none)
    int32_t paar[2];           // hand indexes of the pair the computer seat shows (0 none)
    int32_t zeigerSitz;        // the human's pointed card: seat (0 none) ...
    int32_t zeigerIndex;       // ... and hand index (0 none)
};
struct TSchnapsen {
    int32_t bummerlLimit;      // +141660 Bummerl per match (200 = "Keine Grenze")
    int32_t punkteProBummerl;  // +141664 7 or 11
    uint8_t sperrenErlaubt;    // +141668 closing the talon is allowed
    uint8_t tauschenErlaubt;   // +141669 exchanging the open trump card is allowed
    FeldLose1<int32_t, 2> bummerl;           // +141670 Bummerl won in this match
    FeldLose1<int32_t, 2> augen;             // +141678 deal points (tricks + counted announcements)
    FeldLose1<int32_t, 2> augenBeimSperren;  // +141686 deal points when the talon was closed
    int32_t sperrSitz;                   // +141694 seat that closed the talon (0 none)
    FeldLose1<int32_t, 2> angesagt;          // +141698 points announced with 20 and 40
    int32_t richtung;                    // +141706 seat direction (1)
    Feld1<uint8_t, 2> stichBeimSperren;  // +141710 the seat had taken a trick when the talon was closed
    uint8_t bereich1[141716 - 141712];
    uint8_t sechsundsechzig;   // +141716 Sechsundsechzig runs as game 7
    int32_t trumpf;            // +141717 trump suit 1..4 (0 before play)
    TSchnapsenTalon talon;     // +141721
    TSchnapsenAnzeige anzeige; // +141724
    // The flow's markers, kept apart from its step counter.
    uint8_t tauschMarke;       // +141748 an exchange waits to be booked in the stack records
    uint8_t gebenFertig;       // +141749 dealing is done: play starts with the next step
    uint8_t dealAus;           // +141750 the deal is decided: settle it with the next step
    int32_t startSitz;         // +141751 seat that leads the deal's first trick
    uint8_t bereich2[kBlackjackStart - 141755];
};
static_assert(sizeof(TSchnapsen) == kBlackjackStart - kSchnapsenStart);
static_assert(offsetof(TSchnapsen, bummerl) == 141670 - kSchnapsenStart);
static_assert(offsetof(TSchnapsen, sperrSitz) == 141694 - kSchnapsenStart);
static_assert(offsetof(TSchnapsen, richtung) == 141706 - kSchnapsenStart);
static_assert(offsetof(TSchnapsen, sechsundsechzig) == 141716 - kSchnapsenStart);
static_assert(offsetof(TSchnapsen, talon) == 141721 - kSchnapsenStart);
static_assert(offsetof(TSchnapsen, anzeige) == 141724 - kSchnapsenStart);
static_assert(offsetof(TSchnapsen, startSitz) == 141751 - kSchnapsenStart);

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



// Jass block from +145228. Seats 1..4; seats 1 and 3 form team 1, seats 2 and 4 team 2.
struct TJassWeisEintrag {  // one Weis button of the decision dialogs 113 and 114
    ShortString<32> text;
    int32_t wert;
};
static_assert(sizeof(TJassWeisEintrag) == 37);

struct TJassNotizen {  // the kinds of points ("Stöck", "Weis", "Stich") of a team's latest booking
    int32_t anzahl;
    ShortString<32> text[3];
};
static_assert(sizeof(TJassNotizen) == 103);

struct TJass {
    // The 4-byte values first, so that every one of them is aligned; the hands follow.
    int32_t rundenLimit;  // rounds of a match; 200 = no limit
    int32_t punkteLimit;  // points that end the match; 0 = no limit
    int32_t ersterGeber;  // 0 = random
    uint8_t mitWeisen, mitStoecken, obenabe, undenufe, slalom;
    uint8_t frei1[3];
    int32_t reihenfolge;    // 1 Stöck-Weis-Stich, 2 Stöck-Stich-Weis, 3 Stich-Stöck-Weis
    int32_t trumpf;         // -1 not chosen, 1..4 suit, 15 Obenabe, 16 Undenufe, 18/19 Slalom
    int32_t vorhand;        // chooses the trump and leads the first trick
    int32_t stichPosition;  // 1..4: position of the next card in the trick
    int32_t stichZahl;      // completed tricks 0..9
    int32_t stichGewinner;
    int32_t letzterStich;   // winner of the ninth trick
    karte gespielteKarte;   // the card in flight to the trick; written where it lands
    float kartenHoehe;      // its height on the trick pile
    Feld1<int32_t, 4> angesagterWeis, weisVergleich, weisOffen, stoeckOffen;
    Feld1<int32_t, 4> stichPunkte, weisPunkte, stoeckPunkte, letzterStichBonus;
    int32_t stoeckStatus[4][4];  // [seat-1][suit-1]: 0, 1 one of König/Dame played, 2 earned
    int32_t hoechsterWeis, weisGleichAnzahl, weisSieger, weisSchritt;
    int32_t weisAnzahl;
    hand spielbareKarten;       // playable cards of the seat on turn
    hand handAmZug;             // the hand of the seat on turn
    hand stich;                 // the trick's cards in playing order, each tagged with its seat
    Feld1<hand, 4> handKopien;  // the hands as dealt; shown Weis cards leave them
    Feld1<hand, 4> weisHand;    // the cards of the Weis each seat announced or shows
    TJassWeisEintrag weisEintraege[8];
    Feld1<TJassNotizen, 2> teamNotizen;
    uint8_t bereich[155528 - 145228 - 9504];
};
static_assert(sizeof(TJass) == 155528 - 145228);
static_assert(offsetof(TJass, reihenfolge) == 20);
static_assert(offsetof(TJass, gespielteKarte) == 48);
static_assert(offsetof(TJass, angesagterWeis) == 56);
static_assert(offsetof(TJass, stoeckStatus) == 184);
static_assert(offsetof(TJass, weisAnzahl) == 264);
static_assert(offsetof(TJass, spielbareKarten) == 268);
static_assert(offsetof(TJass, handKopien) == 2650);
static_assert(offsetof(TJass, weisHand) == 5826);
static_assert(offsetof(TJass, weisEintraege) == 9002);
static_assert(offsetof(TJass, teamNotizen) == 9298);

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
