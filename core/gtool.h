// Small routines every game and the table engine share: card comparison by the current game's
// value table, bubble sorts of hands and stacks, card names in the chosen deck style, the random
// opponent of a seat, sentence file names, a seat's speech, and deck filling.
#pragma once
#include <cstdint>
#include <string>

#include "core/karten.h"
#include "platform/text.h"

struct TSpielerEintrag;  // a seat's player record of the central record

// Card order of the running game, [suit 1..4][value 1..14] as element [f-1][t-1]; the higher
// number is the stronger card. Each game fills them when it starts; Kartenwerte0 is the second
// order of Rommé and Jass.
extern int32_t Kartenwerte[4][14];
extern int32_t Kartenwerte0[4][14];

bool mehrwertn(const karte& a, const karte& b);
bool mehrwertn0(const karte& a, const karte& b);
// A card slot of a stack compares by the card it holds.
template <class Slot>
bool mehrwert(const Slot& a, const Slot& b);
int32_t prlwert(const karte& k);
// The computer players pass their reasoning here. While the developer panel asks for it
// (gtool::kiLogAn) the last line is kept for it to show; otherwise it is dropped.
int kiLog(const std::string& text);

namespace gtool {

constexpr int kStile = 5;  // deck styles of the value names (the suit names have 3)
constexpr int kFarbStile = 3;
constexpr int kGegnerNamen = 56;  // 0..29 female, 30..55 male first names

// The name tables and the speech-bubble time, filled by the application shell at start-up. The
// deck style and the seats' voices are read from the settings record envParam.
struct Umgebung {
    std::string wertNamen[kStile][21];      // [style-1][value code 0..20]
    std::string farbNamen[kFarbStile][31];  // [style-1][suit 0..30]
    ShortString<10> gegnerNamen[kGegnerNamen];
    int gegnerAnzahl = kGegnerNamen;
    int weiblich = 30;  // the first this many opponent names are female
    int blasenZeit = 0;  // how long a speech bubble shows, in ms
};
extern Umgebung umgebung;

// The developer panel shows the computer players' reasoning; a player builds a trace only
// while this is set.
extern bool kiLogAn;
// The hidden developer mode: the computer players' extra consistency checks speak only then.
extern bool entwicklerModus;
const std::string& kiLogLetzte();

bool karteGueltig(const kurzkarte& k);
karte karteErweitern(const kurzkarte& k);
bool sonderDialog(int art);

// Bubble sorts over positions first .. first + count - 1 (count 0: the whole set from 1);
// flag true puts the weakest first, false the strongest.
void handSortieren(hand& h, int first, int count, bool flag);
void handSortieren0(hand& h, int first, int count, bool flag);
void hand64Sortieren(hand64& h, int first, int count, bool flag);
// Poker with the low ace: an As in front of 2, 3, 4, 5 goes to the end of the hand.
void assNachHinten(hand64& h);

// Stack helpers, for any stack record with anz and 1-based slots at(i) that hold a card c and
// a deal number dealNr (the table engine's TSpieler).
template <class Stapel>
void stapelSortieren(Stapel& s, int first, int count, bool flag);
template <class Stapel>
int einfuegePosition(const Stapel& s, const karte& k);
template <class Stapel, class Slot>
int slotSuchen(const Slot& slot, const Stapel& s);
// Refuses (with a message, stack unchanged) when the stack is full.
template <class Stapel, class Slot>
bool slotEinfuegen(Stapel& s, const Slot& slot, bool oben);
// Write every deck's cards into the talon from slot 1; the caller sets its anz. More cards than
// the talon holds are refused with a message, and nothing is written.
template <class Stapel>
int deck52Fuellen(Stapel& talon, int decks);
template <class Stapel>
int deck32Fuellen(Stapel& talon, int decks);

// The seats in the order they are dealt to, n seats: from the seat after the dealer round the
// table (against the clock: the seat before), or, with nachNummer, by seat number 1..n (n..1
// against the clock). folge[0..n-1] receives them; n is clamped to 1..6.
void gebeFolge(int n, int geber, bool nachNummer, bool gegenUhr, int folge[6]);

void wertName(int t, std::string& text);
void kartenName(const karte& k, std::string& text);
void kartenKuerzel(const karte& k, std::string& text);
void kartenKuerzelKurz(const kurzkarte& k, std::string& text);
void kartenKuerzelStil(const karte& k, std::string& text);
// Draws a random computer opponent (name, female flag, voice) into a player record.
void gegnerName(int seat, TSpielerEintrag& name);
void dateiNameAusText(const std::string& text, std::string& name);
// "data/sound/<voice of the seat>/<name>.wav" (Windows-1252; convert when opening).
void sprachDatei(const std::string& name, int seat, std::string& path);

// Lets a seat (0..10) say a sentence: its speech samples go to the sound manager's queue by code
// (0 or below: bubble only; 1: the text's sample; 4: word by word; 100: a solo name; 101: an
// announcement; 10 and above: a sentence of the seat's voice for that code) and the bubble shows.
void sagen(const std::string& text, int seat, int code, bool flag);
// Fills the "%" of a sentence with text (text becomes the shown sentence) and queues the samples
// in speaking order. With mitnehmen the shown text travels with the first sample, for its bubble
// to show when the sound manager plays it.
void platzhalter(std::string& text, const std::string& satz, int seat, bool mitnehmen);
void wortweiseSagen(const std::string& text, int seat, bool mitnehmen);
void ansageSagen(const std::string& text, int seat, bool mitnehmen);

// The GUI side of speech bubbles, installed by the application shell.
struct Blasen {
    // Hides the seat's bubble if shown, writes the caption into its element and shows it;
    // returns false when the seat has no bubble element.
    bool (*zeigen)(int seat, const std::string& caption, int16_t& dialog, int16_t& element) = nullptr;
    // The developer display that the developer keys toggle: no bubbles while it is on.
    bool (*entwicklerAnzeige)() = nullptr;
};
extern Blasen blasen;

// The card of a stack slot and its deal number; the rest of the slot stays with the table.
struct SlotKopie {
    karte c{};
    int32_t dealNr = 0;
};
// The open card of the discard pile (slot 1 of stack 14); an empty card without a table.
SlotKopie offeneKarte();
// Shuffles the cards of a stack (the talon is stack 11) in place; the deal numbers stay with
// their slots. Returns 0.
int stapelMischen(int stack);
int talonMischen();

// The deck count of the running game (`cg.blackjack.deckAnzahl`), for the
// deck fills.
int deckAnzahl();

// Seat helpers of the table. The drawing lives in the table engine and the shell, which install
// it here; without it a seat counts as fully shown and nothing is drawn.
struct Sitze {
    float (*faktor)(int seat) = nullptr;  // fade of the seat's panel, 0 when it is hidden
    // Draws a seat's name plate with its text ("!" + display name) at an opacity 0..1.
    void (*schild)(int seat, const std::string& text, float alpha) = nullptr;
    void (*namensschild)(int seat) = nullptr;  // without schild: the plate of the settings name
    void (*panelZeigen)() = nullptr;           // the poker table's seat panel under the mouse
};
extern Sitze sitze;
// 1.0 outside seats 1..6, else the fade of the seat's panel.
float sitzFaktor(int seat);
// The name plate of a computer seat (2 .. seat count), in every game but Poker, as opaque as
// the most opaque of the seat's panel, the score table and the result box; none while all three
// are faded out.
void sitzNameZeigen(int seat);
void sitzPanelZeigen();

// --- details of the templates ---
namespace detail {
void meldung(const std::string& text);
bool vergleich(const karte& a, const karte& b, const int32_t (&werte)[4][14], const char* routine);
int deckKarten(int decks, int werte, karte* out, int platz, const char* routine);
}  // namespace detail

template <class Stapel>
void stapelSortieren(Stapel& s, int first, int count, bool flag) {
    int n = count;
    if (count == 0) {
        n = s.anz;
        first = 1;
    }
    if (n > 166) n = 166;
    for (int pass = 1; pass < n; ++pass)
        for (int j = first; j <= first + n - 2; ++j) {
            if (j < 1 || j + 1 > 166) continue;
            auto& cur = s.at(j);
            auto& next = s.at(j + 1);
            if (mehrwert(next, cur) != flag) {
                // Only the card and its deal number move; the placement stays with the slot.
                const karte c = cur.c;
                const int32_t d = cur.dealNr;
                cur.c.t = next.c.t;
                cur.c.f = next.c.f;
                cur.dealNr = next.dealNr;
                next.c.t = c.t;
                next.c.f = c.f;
                next.dealNr = d;
            }
        }
}

template <class Stapel>
int einfuegePosition(const Stapel& s, const karte& k) {
    const int n = s.anz < 0 ? 0 : (s.anz > 166 ? 166 : s.anz);
    for (int i = 1; i <= n; ++i)
        if (mehrwertn(k, s.at(i).c)) return i;
    return n + 1;
}

template <class Stapel, class Slot>
int slotSuchen(const Slot& slot, const Stapel& s) {
    const int n = s.anz < 0 ? 0 : (s.anz > 166 ? 166 : s.anz);
    for (int i = 1; i <= n; ++i) {
        const auto& x = s.at(i);
        if (x.c.t == slot.c.t && x.c.f == slot.c.f && x.dealNr == slot.dealNr) return i;
    }
    return s.anz;
}

template <class Stapel, class Slot>
bool slotEinfuegen(Stapel& s, const Slot& slot, bool oben) {
    if (s.anz < 0 || s.anz >= 166) {
        detail::meldung(text::w("ACHTUNG! gtool.slotEinfuegen: Stapel ist voll (") + text::fromInt(s.anz) +
                        " Karten)");
        return false;
    }
    const int n = s.anz;
    if (oben) {
        for (int i = n; i >= 1; --i) {
            s.at(i + 1).c.t = s.at(i).c.t;
            s.at(i + 1).c.f = s.at(i).c.f;
            s.at(i + 1).dealNr = s.at(i).dealNr;
        }
    }
    auto& ziel = s.at(oben ? 1 : n + 1);
    ziel.c.t = slot.c.t;
    ziel.c.f = slot.c.f;
    ziel.dealNr = slot.dealNr;
    s.anz = n + 1;
    return true;
}

namespace detail {
template <class Stapel>
int deckFuellen(Stapel& talon, int decks, int werte, const char* routine) {
    karte k[166];
    const int n = deckKarten(decks, werte, k, 166, routine);
    for (int i = 1; i <= n; ++i) {
        talon.at(i).c.t = k[i - 1].t;
        talon.at(i).c.f = k[i - 1].f;
    }
    return n;
}
}  // namespace detail

template <class Stapel>
int deck52Fuellen(Stapel& talon, int decks) {
    return detail::deckFuellen(talon, decks, 13, "gtool.deck52Fuellen");
}

template <class Stapel>
int deck32Fuellen(Stapel& talon, int decks) {
    return detail::deckFuellen(talon, decks, 8, "gtool.deck32Fuellen");
}

}  // namespace gtool

template <class Slot>
bool mehrwert(const Slot& a, const Slot& b) {
    return gtool::detail::vergleich(a.c, b.c, Kartenwerte, "gtool.mehrwert");
}
