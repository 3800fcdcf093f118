// The decision dialogs of every game: a decision kind becomes the decision state of the central
// record (which actions are accepted, up to eight buttons with captions and answer codes, the
// message line, the clickable stacks and the stored kind, which is also the hint topic).
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/cg.h"
#include "core/karten.h"

namespace entscheidung {

constexpr int kMaxKnoepfe = 8;
constexpr int kTextLaenge = 80;

// The buttons of one question while it is built: captions and codes of positions 1..anzahl.
struct Knoepfe {
    int anzahl = 0;
    std::string text[kMaxKnoepfe + 1];  // [0] the message line, [1..8] the captions
    int16_t code[kMaxKnoepfe + 1] = {};

    // Up to eight caption/code pairs; the count is the captions before the first empty one
    // among positions 2..8 (position 1 always counts).
    static Knoepfe fuellen(std::initializer_list<std::pair<std::string, int>> liste);
    void entfernen(int i);    // removes button i, the later ones move up
    int finden(int c) const;  // position of the first button with code c, 0 if none
};

// What the decision dialogs ask of the games. Each game fills its entry when it registers; an
// empty entry answers as if the game's options were all off and its lists empty.
struct MauMauLage {
    int32_t ziehAnzahl = 0;         // pending draw count
    bool ziehenSummieren = false;   // "4,6 usw. Karten ziehen"
    bool mehrereAussetzen = false;  // "Mehrere setzen aus"
};
struct DoppelkopfLage {
    bool ansageErlaubt = false;
    std::string ansageText;   // the next announcement of the seat's party
    bool kreuzDamen = false;  // the seat holds both Kreuz-Damen
    bool fuehrt = false;      // no card of the trick is played yet
    bool bubenDamenSolo = false;
    std::string soloWort5, soloWort6, soloWort8Kurz;
};
struct SchafkopfLage {
    bool tout = false, farbgeier = false, farbwenz = false, bettel = false, sie = false, eigenesAs = false;
    bool fuehrt = false;                           // no card of the trick is played yet
    int stufe = 0;                                 // bidding stage
    int wahlen = 0;                                // game choices made in this deal's bidding
    int eigenerTyp = 0;                            // the seat's declaration type (8 = Rufspiel)
    int hoechsterWert = 0;                         // worth of the highest game named so far
    std::string hoechsterSpieler, hoechstesSpiel;  // its seat's name and the game's name
    std::string ersterSpieler;                     // first seat that wanted to play
    int (*spielWert)(int typ, int farbe, bool tout) = nullptr;
};
struct PokerLage {
    std::string label[5];  // actionLabel 0..4
    bool nichtsZuZahlen = true;
    std::string zuZahlen, erhoehung;  // money texts without plus sign
    std::string potGewinner;
};
struct SchnapsenLage {
    bool talonOffen = false;  // neither closed nor used up
    bool fuehrt = false;      // no card on the trick pile: the seat leads
    bool tauschMoeglich = false, tauschRegel = false, sperrRegel = false;
};
struct CanastaLage {
    bool ablageNehmbar = false;
    int kartenAnzahl = 0;  // cards in the seat's hand
    bool hatCanasta = false;
    karte mussLegen{};  // t == 0: none
    std::string mussLegenName;
    bool mitPunktenBegonnen = false;
    bool herausgekommen = false;
    int32_t punkte = 0, minimum = 0;
};
struct JassLage {
    bool obenabe = false, undenufe = false, slalom = false;
    int weisAnzahl = 0;  // 0..8
    std::string weisText[kMaxKnoepfe];
    int32_t weisCode[kMaxKnoepfe] = {};
};
struct Fragen {
    std::string (*farbName)(int farbe) = nullptr;  // empty: Kreuz, Pik, Herz, Karo
    MauMauLage (*maumau)() = nullptr;
    void (*maumauSetzen)(int32_t ziehAnzahl, int32_t sonderRolle) = nullptr;
    int (*skatReizwert)() = nullptr;  // bidding list entry at the current position
    int (*skatGebot)() = nullptr;     // current bid
    DoppelkopfLage (*doppelkopf)(int seat) = nullptr;
    SchafkopfLage (*schafkopf)(int seat) = nullptr;
    PokerLage (*poker)(int seat) = nullptr;
    SchnapsenLage (*schnapsen)(int seat) = nullptr;
    std::string (*blackjackEinsatz)() = nullptr;  // money text of the bet
    bool (*blackjackVerdoppeln)() = nullptr;
    CanastaLage (*canasta)(int seat) = nullptr;
    JassLage (*jass)(int seat) = nullptr;
    // The cards of a seat's hand (its stack); empty: no cards.
    void (*handVon)(int seat, hand& h) = nullptr;
};
extern Fragen fragen;

// The buttons, accepted actions and stored kind of one kind for the seat on turn, before they
// are written into the central record. hatZeile is false for a kind without a row.
struct Ergebnis {
    bool hatZeile = false;
    uint8_t stapelKlicks = 1, kartenSpiel = 1, mehrfach = 0;
    int32_t stapel1 = 11, stapel2 = 0;
    bool stapelAusKopie = false;  // kind 35: pile clicks from the saved copy
    bool mitKnoepfen = false;
    Knoepfe knoepfe;
    int32_t gespeicherteArt = 0;
};
Ergebnis bauen(int art, int seat, int spielId);

// Writes a result into cg's decision state (the central routine calls this).
void anwenden(TCG& cg, const Ergebnis& e);

}  // namespace entscheidung
