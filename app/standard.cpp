// The standard rules and display settings: what a first start shows before any option was
// saved, and what "Standardregeln" brings back. They are written into the default option files
// at build time from the dialogs as built, so every chooser stands on an entry and every radio
// group has one member ticked.
#include <vector>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "platform/text.h"

namespace dialoge {

namespace {

constexpr int kLassen = -1;

// A chooser's value is its entry (from 1), a check box's 0 or 1; kLassen keeps what the
// builder gave (the Canasta number fields).
void setzen(glapp::Tglapp& a, int d, int e, int wert) {
    if (wert == kLassen || !a.validElement(d, e)) return;
    pvl::TPVLElement& el = a.dlg(d).el(e);
    if (el.Kind == pvl::ekChooser) {
        const int n = el.LineCount;
        if (n == 0) return;
        const int top = wert < 1 ? 1 : (wert > n ? n : wert);
        el.TopIndex = static_cast<int16_t>(top);
        a.SetCaption(d, e, a.ReadLine(d, e, top).substr(0, 24));
    } else if (el.Kind == pvl::ekCheckBox) {
        el.Checked = wert ? 1 : 0;
    }
}

void liste(glapp::Tglapp& a, int d, const std::vector<int>& elemente, const std::vector<int>& werte) {
    for (size_t i = 0; i < elemente.size() && i < werte.size(); ++i) setzen(a, d, elemente[i], werte[i]);
}

}  // namespace

void standardWerte(glapp::Tglapp& a) {
    Ids& d = ids();
    mauMauListen(a);
    // By game id, in the order of the page's option elements.
    const std::vector<int> werte[13] = {
        // Mau Mau: dealer, deck, 5 cards, positive, 10 rounds, no point limit; 7 draws two, 8
        // skips, 9 turns, the As plays again, the Bube chooses the suit; stacked sevens add up.
        {1, 1, 3, 1, 6, 15, 1, 2, 3, 8, 4, 2, 1, 0},
        {},  // Skat: by element below
        // Schwimmen: dealer, positive, no round limit, 10 points, three of a kind, all cards.
        {1, 1, 16, 3, 1, 1},
        // Rommé: dealer, clockwise, two decks, penalty points, no round limit, 500 points,
        // joker 20, first meld 40, no corner runs, no double suits, laying off allowed, by suit.
        {1, 5, 2, 2, 16, 5, 1, 4, 0, 0, 1, 1},
        // Canasta: dealer, clockwise, two decks, no round limit, 5000, standard hand, one card,
        // partnerships, the rest off; the number fields keep their values.
        {1, 5, 2,       16,      7,       1,       1,       1,       0,       0,
         0, 0, kLassen, kLassen, kLassen, kLassen, kLassen, kLassen, kLassen, kLassen},
        // Doppelkopf: dealer, 10 rounds, no point limit, second Dulle higher, all special
        // points and announcements, normal lead in a solo, no Buben-Damen solo.
        {1, 6, 14, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 0},
        // Schafkopf: dealer, 10 rounds, no limit, Tout and Sie, Kontra and Re, no money, no
        // Ramsch, no silent solo, solo 5 points, runners count.
        {1, 6, 14, 1, 0, 0, 0, 1, 1, 1, 1, 0, 0, 3, 1},
        // Schnapsen: one Bummerl, 7 points, closing and exchanging allowed.
        {1, 1, 1, 1},
        // Poker: 1000, blinds 20/10 rising every 10 games, chips in euro, German terms, full
        // words, double speed after folding.
        {1, 1, 3, 2, 0, 0, 2},
        // Black Jack: two decks, 1000, chips in euro, lowest minimum, third maximum, dealer's
        // second card hidden, Soft 17 stands, shuffle, doubling; no round limit.
        {2, 1, 2, 1, 3, 2, 0, 1, 1, 1, 16},
        // Sechsundsechzig as Schnapsen.
        {1, 1, 1, 1},
        // 17 und 4: one deck, 1000, chips in euro, lowest minimum, third maximum, dealer
        // changes when broke, two aces double, shuffle; no round limit.
        {1, 1, 2, 1, 3, 1, 1, 1, 16},
        // Jass: no round limit, 1000 points, Weis and Stöck, Stöck-Weis-Stich, all directions
        // but Slalom.
        {16, 3, 1, 1, 1, 1, 1, 0},
    };
    for (int g = 0; g <= 12; ++g) {
        const int s = d.regeln[g];
        if (!a.validDialog(s)) continue;
        if (g != 1) liste(a, s, d.regelOptionen[g], werte[g]);
        setzen(a, s, d.schwierigkeitsWahl[g], 2);
        setzen(a, s, d.spielerzahlWahl[g], g == 8 ? 5 : 3);  // six at the poker table, else four
        if (a.validElement(s, d.nameFeld[g])) a.SetCaption(s, d.nameFeld[g], "Spieler");
    }
    // Skat: the international rules, 6 rounds, dealer by chance, standard scoring.
    const int skat = d.regeln[1];
    for (int e : {4, 8, 17, 31, 37}) setzen(a, skat, e, 1);
    liste(a, d.kontra, d.kontraOptionen, {1, 0, 0, 1, 0});
    liste(a, d.bockRamsch, d.bockRamschOptionen, {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 1, 1, 0, 0});
    liste(a, d.umGeld, d.umGeldOptionen, {1, 0, 0, 0});
    // Display: wooden table, first back, French picture, no fading, normal size and speeds,
    // all at once, clockwise, normal comments, hints shown.
    liste(a, d.anzeige,
          {d.umgebung, d.rueckseite, d.kartenbild, d.ausblenden, d.kartengroesse, d.animationen,
           d.anzeigedauer, d.austeilen, d.richtung, d.haeufigkeit, d.hinweise},
          {1, 1, 1, 1, 3, 3, 3, 1, 1, 3, 1});
}

}  // namespace dialoge
