// The Rommé computer seats: a search over the melds and lay-offs of one turn into a fixed move
// buffer, the choice of the entry to play, the draw from the talon or the discard pile, and the
// discard of the least useful card. The player reads the table and rates on copies; it acts only
// through central::antwort, as a click does.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/central.h"
#include "core/kommentar.h"
#include "games/rummy_shedding/romme.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/k12.h"

namespace rommeki {

using romme::anhaengen;
using romme::einfuegen;
using romme::entfernen;
using romme::istJoker;
using romme::kartenKopieren;

namespace {

int g_druck = 0;
Zugbuffer g_buffer;

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }
int anz(int stack) { return st(stack).anz; }
int seats() { return std::clamp<int>(cg.ablauf.anzSpieler, 1, 6); }

void leeren(hand& h) { std::memset(static_cast<void*>(&h), 0, sizeof(h)); }

// The player kind in the seat settings that weighs moves by their meld points.
constexpr int kNachWert = 12;
int staerke(int seat) { return seat >= 1 && seat <= 6 ? cg.sitzEinstellungen.at(seat).staerke : 2; }

// The table's rank of a value in a run (2 .. As = 2 .. 14): the table lays a card on by it.
int tischRang(int t) {
    static const int r[15] = {0, 7, 8, 9, 11, 12, 13, 10, 14, 2, 3, 4, 5, 6, 0};
    return t >= 0 && t <= 14 ? r[t] : 0;
}

// angelegt into h, which takes only the pile's cards in use.
void anlegenIn(const hand& pile, const karte& c, hand& h, karte* frei) {
    kartenKopieren(h, pile);
    if (frei) *frei = karte{};
    int firstRang = 0, lastRang = 0, firstIdx = 0, wert = 0;
    bool satz = true;
    for (int i = 1; i <= h.anz; ++i) {
        if (istJoker(h.at(i))) continue;
        if (!firstIdx) {
            firstIdx = i;
            firstRang = tischRang(h.at(i).t);
            wert = h.at(i).t;
        } else if (h.at(i).t != wert) {
            satz = false;
        }
    }
    if (firstIdx) {
        firstRang -= firstIdx - 1;
        lastRang = firstRang + h.anz - 1;
    }
    if (istJoker(c)) {
        if (!satz && lastRang >= 14)
            einfuegen(h, 1, c);
        else
            anhaengen(h, c);
        return;
    }
    if (satz && firstIdx && c.t == wert) {
        anhaengen(h, c);
        return;
    }
    const int rg = tischRang(c.t);
    if (firstIdx && rg >= firstRang && rg <= lastRang) {
        const int idx = rg - firstRang + 1;
        if (istJoker(h.at(idx))) {
            if (frei) *frei = h.at(idx);
            h.at(idx) = c;
        } else {
            anhaengen(h, c);
        }
    } else if (firstIdx && rg == firstRang - 1) {
        einfuegen(h, 1, c);
    } else {
        anhaengen(h, c);
    }
}

// The cards a seat cannot see (the other hands and the talon) counted once by suit and value, so
// that the discard choice asks for the chances of many cards without walking the stacks again.
class Vorrat {
public:
    explicit Vorrat(int seat) : seat_(seat) {
        for (int s = 1; s <= seats(); ++s)
            if (s != seat) zaehlen(s);
        zaehlen(11);
    }

    // The chance that a card of (suit, value) is among them; 0 for a suit or a value means any,
    // ohneFarbe and ohneFarbe2 leave a suit out, a Joker stands in for every card unless ohneJoker.
    float chance(int farbe, int wert, int ohneFarbe, bool ohneJoker, int ohneFarbe2) const {
        if (pool_ <= 0) return 0.0f;
        auto farbeOk = [](int f) { return f >= 0 && f <= 4; };
        int treffer = ohneJoker ? 0 : joker_;
        if (farbeOk(farbe) && farbeOk(ohneFarbe) && farbeOk(ohneFarbe2) && wert >= 0 && wert <= romme::kJoker) {
            for (int f = 1; f <= kAndere; ++f) {
                if ((farbe != 0 && f != farbe) || f == ohneFarbe || f == ohneFarbe2) continue;
                if (wert == 0) {
                    for (int t = 0; t < kWerte; ++t) treffer += karten_[f][t];
                } else if (wert != romme::kJoker) {
                    treffer += karten_[f][wert];
                }
            }
        } else {
            treffer += seltene(farbe, wert, ohneFarbe, ohneFarbe2);
        }
        return static_cast<float>(treffer) / static_cast<float>(pool_);
    }

private:
    // the bucket of suits outside 1..4 and of values outside 0..13 that are no Joker
    static constexpr int kAndere = 5;
    static constexpr int kWerte = 16;

    void zaehlen(int stack) {
        const TSpieler& x = st(stack);
        for (int i = 1; i <= x.anz; ++i) {
            const karte& c = x.at(i).c;
            ++pool_;
            if (istJoker(c)) {
                ++joker_;
                continue;
            }
            const int f = c.f >= 1 && c.f <= 4 ? c.f : kAndere;
            const int t = c.t <= 13 ? c.t : kWerte - 1;
            ++karten_[f][t];
        }
    }

    // A question the buckets cannot answer is counted card by card.
    int seltene(int farbe, int wert, int ohneFarbe, int ohneFarbe2) const {
        int treffer = 0;
        auto zaehlen = [&](int stack) {
            const TSpieler& x = st(stack);
            for (int i = 1; i <= x.anz; ++i) {
                const karte& c = x.at(i).c;
                if (!istJoker(c) && (farbe == 0 || c.f == farbe) && (wert == 0 || c.t == wert) &&
                    (ohneFarbe == 0 || c.f != ohneFarbe) && (ohneFarbe2 == 0 || c.f != ohneFarbe2))
                    ++treffer;
            }
        };
        for (int s = 1; s <= seats(); ++s)
            if (s != seat_) zaehlen(s);
        zaehlen(11);
        return treffer;
    }

    int seat_;
    int pool_ = 0;
    int joker_ = 0;
    int karten_[kAndere + 1][kWerte] = {};
};

// ---- the search

struct Lauf {
    Zugbuffer& b;
    Suche& s;
};

// Appends meld m to entry n (0: a new entry); false once the buffer is full.
int zugAnhaengen(Zugbuffer& b, int n, const Meldung& m, int karten) {
    if (b.anzahl >= kBufferMax) return 0;
    if (n > 0 && b.e[n].anzahl > kNextMax) {
        msgsink::show(text::w("Rommé: Überlauf Zugbuffer.next[..]"));
        return 0;
    }
    const int neu = ++b.anzahl;
    Eintrag& e = b.e[neu];
    if (n == 0) {
        e.anzahl = 0;
        e.wertSumme = 0;
        e.kartenSumme = 0;
        e.zurueck = 0;
    } else {
        // the melds in use only: an entry of nine melds is some seven kilobytes
        const Eintrag& vorher = b.e[n];
        for (int k = 0; k < vorher.anzahl; ++k) e.m[k] = vorher.m[k];
        e.anzahl = vorher.anzahl;
        e.wertSumme = vorher.wertSumme;
        e.kartenSumme = vorher.kartenSumme;
        e.zurueck = vorher.zurueck;
    }
    e.m[e.anzahl] = m;
    e.anzahl += 1;
    e.wertSumme += m.wert;
    e.kartenSumme += karten;
    e.zurueck += m.zurueck;
    return neu;
}

bool fremdErlaubt(const Suche& s, const karte& c, int handAnz) {
    if (!s.fremd) return false;
    if (!istJoker(c)) return true;
    return !cg.romme.positiv && (handAnz < 3 || s.druck > 18);
}

// A card could lie at an end of the pile or in a Joker's place. A meld holds natural cards of
// one value (a set) or of one suit (a run), so the pile's natural cards must all share the
// card's value or all share its suit, and there must be one. Saves building melds that cannot be.
bool koennte(const hand& pile, const karte& c) {
    if (istJoker(c)) return true;
    bool natur = false, wert = true, farbe = true;
    for (int i = 1; i <= pile.anz; ++i) {
        const karte& k = pile.at(i);
        if (istJoker(k)) continue;
        natur = true;
        wert = wert && k.t == c.t;
        farbe = farbe && k.f == c.f;
        if (!wert && !farbe) return false;
    }
    return natur;
}

void rekursion(Lauf& l, hand& h, int tiefe, int eintrag);

void anlegenVersuchen(Lauf& l, hand& h, int tiefe, int eintrag) {
    Suche& s = l.s;
    if (h.anz <= 1) return;
    const bool jokerGesperrt = s.druck <= 18 && h.anz >= 3 && s.fremd;
    for (int i = 1; i <= h.anz; ++i) {
        const karte c = h.at(i);
        if (istJoker(c) && jokerGesperrt) continue;
        for (int p = 1; p <= s.tisch.anzahl; ++p) {
            if (l.b.anzahl >= kBufferMax) return;
            hand& pile = s.tisch.pile[p];
            if (pile.anz < 1 || !koennte(pile, c)) continue;
            if (s.tisch.besitzer[p] != s.seat && !fremdErlaubt(s, c, h.anz)) continue;
            karte frei{};
            hand neu;
            anlegenIn(pile, c, neu, &frei);
            if (!romme::isset(neu, s.sitzHatMeldung, true, false, s.r)) continue;
            Meldung m;
            leeren(m.karten);
            anhaengen(m.karten, c);
            m.art = 1;
            m.ziel = p;
            m.wert = anlegeWert(pile, c, s);
            m.zurueck = frei.t != 0 ? 1 : 0;
            const int n = zugAnhaengen(l.b, eintrag, m, 1);
            if (n == 0) return;
            hand alt;
            kartenKopieren(alt, pile);
            kartenKopieren(pile, neu);
            hand rest;
            kartenKopieren(rest, h);
            entfernen(rest, i);
            if (frei.t != 0) anhaengen(rest, frei);
            rekursion(l, rest, tiefe + 1, n);
            kartenKopieren(pile, alt);
        }
    }
}

// Where each card of a hand first lies by suit and value, and the hand's last Joker: the
// candidates of every card of the hand look their neighbours up here.
struct HandIndex {
    uint8_t erste[5][14] = {};  // [suit][value], 0: not in the hand
    int joker = 0;
    bool vollstaendig = true;  // every natural card has a suit 1..4 and a value 1..13

    explicit HandIndex(const hand& h) {
        for (int x = h.anz; x >= 1; --x) {
            const karte& c = h.at(x);
            if (istJoker(c)) {
                if (!joker) joker = x;
            } else if (c.f >= 1 && c.f <= 4 && c.t >= 1 && c.t <= 13 && x <= 255) {
                erste[c.f][c.t] = static_cast<uint8_t>(x);
            } else {
                vollstaendig = false;
            }
        }
    }

    // The first card of value v and suit f, 0 for none.
    int finde(const hand& h, int v, int f) const {
        if (vollstaendig && f >= 1 && f <= 4) return v >= 1 && v <= 13 ? erste[f][v] : 0;
        for (int x = 1; x <= h.anz; ++x)
            if (h.at(x).t == v && h.at(x).f == f) return x;
        return 0;
    }
};

// The three candidates that start with card i: a set, a run upwards, a run downwards.
void kandidaten(const hand& h, const HandIndex& index, int i, const Suche& s, hand out[3]) {
    const karte a = h.at(i);
    const int joker = index.joker;
    // the set
    hand& satz = out[0];
    satz.anz = 0;
    anhaengen(satz, a);
    bool farbe[5] = {};
    farbe[a.f] = true;
    for (int k = 1; k <= h.anz; ++k) {
        if (k == i || h.at(k).t != a.t) continue;
        if (s.r.doppelteFarben || !farbe[h.at(k).f]) {
            farbe[h.at(k).f] = true;
            anhaengen(satz, h.at(k));
        }
    }
    if (joker) anhaengen(satz, h.at(joker));
    // the runs: the next value of the suit while the hand holds it, or a free Joker stands in
    for (int richtung = 0; richtung < 2; ++richtung) {
        hand& r = out[1 + richtung];
        r.anz = 0;
        anhaengen(r, a);
        bool jokerFrei = joker != 0;
        int t = a.t;
        while (r.anz < 13) {
            if (!s.r.ecke && t == romme::kAss) break;
            const int v = richtung == 0 ? romme::nachfolger(t) : romme::vorgaenger(t);
            const int k = index.finde(h, v, a.f);
            if (k) {
                anhaengen(r, h.at(k));
            } else if (jokerFrei) {
                anhaengen(r, h.at(joker));
                jokerFrei = false;
            } else {
                break;
            }
            t = v;
        }
        if (richtung == 1)
            for (int x = 1, y = r.anz; x < y; ++x, --y) std::swap(r.at(x), r.at(y));
    }
}

void meldenVersuchen(Lauf& l, hand& h, int tiefe, int eintrag) {
    Suche& s = l.s;
    const HandIndex index(h);
    for (int i = 1; i <= h.anz; ++i) {
        // a meld never starts from a Joker: it would count the Joker as whatever it stands for
        if (istJoker(h.at(i))) continue;
        hand kand[3];
        kandidaten(h, index, i, s, kand);
        for (hand& m : kand) {
            if (l.b.anzahl >= kBufferMax) return;
            if (m.anz < 3 || m.anz >= h.anz) continue;
            int wert = 0;
            if (s.sitzHatMeldung) {
                if (!romme::isset(m, true, false, false, s.r)) continue;
                wert = romme::meldungPunkte(m, false, false, s.r);
            } else {
                // the seat's first meld must reach the minimum: its points, counted once, come first
                int joker = 0;
                for (int k = 1; k <= m.anz; ++k) joker += istJoker(m.at(k)) ? 1 : 0;
                if (joker >= 2) continue;
                wert = romme::meldungPunkte(m, false, false, s.r);
                if (wert < s.r.mindestpunkte || !romme::isset(m, true, false, false, s.r)) continue;
            }
            Meldung me;
            leeren(me.karten);
            kartenKopieren(me.karten, m);
            me.art = 0;
            me.wert = wert;
            const int n = zugAnhaengen(l.b, eintrag, me, m.anz);
            if (n == 0) return;
            hand rest;
            kartenKopieren(rest, h);
            for (int k = 1; k <= m.anz; ++k)
                for (int x = 1; x <= rest.anz; ++x)
                    if (rest.at(x).nr == m.at(k).nr) {
                        entfernen(rest, x);
                        break;
                    }
            if (s.tisch.anzahl >= kTischMax) continue;
            const int p = ++s.tisch.anzahl;
            kartenKopieren(s.tisch.pile[p], m);
            s.tisch.besitzer[p] = static_cast<uint8_t>(s.seat);
            s.tisch.id[p] = 0;
            const bool hatte = s.sitzHatMeldung;
            s.sitzHatMeldung = true;
            rekursion(l, rest, tiefe + 1, n);
            s.sitzHatMeldung = hatte;
            --s.tisch.anzahl;
        }
    }
}

void rekursion(Lauf& l, hand& h, int tiefe, int eintrag) {
    ++l.b.knoten;
    if (tiefe > l.s.limit || l.b.anzahl >= kBufferMax) return;
    for (int i = 1; i <= h.anz; ++i)
        if (h.at(i).t < 1 || h.at(i).t > 14) {
            msgsink::show("error recursivecalc.cardtyp=0");
            return;
        }
    anlegenVersuchen(l, h, tiefe, eintrag);
    meldenVersuchen(l, h, tiefe, eintrag);
}

bool jokerImZug(const Eintrag& e) {
    const hand& m = e.m[0].karten;
    for (int i = 1; i <= m.anz; ++i)
        if (istJoker(m.at(i))) return true;
    return false;
}

// Takes the first Joker out of the entry's first meld when the rest is still a meld.
void ohneJoker(Eintrag& e, const Suche& s) {
    Meldung& m = e.m[0];
    if (m.art != 0) return;
    for (int i = 1; i <= m.karten.anz; ++i) {
        if (!istJoker(m.karten.at(i))) continue;
        hand rest = m.karten;
        entfernen(rest, i);
        if (!romme::isset(rest, s.sitzHatMeldung, false, false, s.r)) return;
        hand allein;
        leeren(allein);
        anhaengen(allein, m.karten.at(i));
        e.wertSumme -= romme::meldungPunkte(allein, true, false, s.r);
        e.kartenSumme -= 1;
        m.karten = rest;
        m.wert = romme::meldungPunkte(rest, false, false, s.r);
        return;
    }
}

int druckBerechnen() {
    const int n = seats();
    int d = 0, alle = 0;
    for (int s = 1; s <= n; ++s) {
        const int k = anz(s);
        alle += k;
        if (k <= 6) d += 1;
        if (k == 2) d += 1;
        if (k == 3 || k == 1) d += 9;
    }
    d += static_cast<int>(num::round(static_cast<double>(cg.romme.zugNummer) / n * 3.0));
    const int schnitt = static_cast<int>(num::round(static_cast<double>(alle) / n));
    for (int grenze : {12, 11, 10})
        if (schnitt <= grenze) d += 2;
    return d;
}

Suche sucheFuer(int seat, int limit) {
    Suche s;
    s.seat = seat;
    s.limit = limit;
    s.fremd = cg.romme.fremdAnlegen != 0;
    s.sitzHatMeldung = romme::hatMeldung(seat);
    s.druck = g_druck;
    s.nachWert = staerke(seat) == kNachWert;
    s.r = romme::regeln();
    s.tisch = tischLesen();
    return s;
}

int besteKartenSumme(const hand& h, int seat) {
    Suche s = sucheFuer(seat, 8);
    zugSuche(g_buffer, h, s);
    int best = 0;
    for (int i = 1; i <= g_buffer.anzahl; ++i) best = std::max<int>(best, g_buffer.e[i].kartenSumme);
    return best;
}

void auswahlGeben(const hand& karten) {
    hand sel = karten;
    central::antwort(cg, central::kAuswahl, 0, 0, &sel);
}

// "Fertig" with nothing selected: the seat goes on to discard.
void fertig() {
    hand leer;
    leeren(leer);
    auswahlGeben(leer);
    central::antwort(cg, central::kKnopf, 0, 0);
}

void ziehen(int seat) {
    const int lv = staerke(seat);
    const hand h = romme::stapelHand(seat);
    double ohne = besteKartenSumme(h, seat);
    double mit = ohne;
    if (anz(13) >= 1) {
        hand h2 = h;
        karte oben = st(13).at(anz(13)).c;
        oben.nr = static_cast<uint16_t>(h2.anz + 1);
        anhaengen(h2, oben);
        mit = besteKartenSumme(h2, seat);
        if (istJoker(oben)) mit = ohne + 1;
    }
    if ((lv == 2 && rnd::uniform() < 0.1) || (lv == 1 && rnd::uniform() < 0.3)) {
        ohne = rnd::uniform();
        mit = rnd::uniform();
    }
    if (anz(13) >= 1 && ohne < mit)
        central::antwort(cg, central::kStapel, 13, anz(13));
    else
        central::antwort(cg, central::kStapel, 11, anz(11));
}

void kommentieren(int seat, int ereignis) {
    // 1 going out with a Rommé Hand, 2 going out, 3 the first meld
    static const int erregung[4] = {0, 95, 90, 80};
    static const int art[4] = {0, 3, 3, 2};
    static const int code[4] = {0, 3, 1, 1};
    central::kommentar(seat, art[ereignis], code[ereignis], 0, erregung[ereignis]);
}

void auslegen(int seat) {
    const int lv = staerke(seat);
    const hand h = romme::stapelHand(seat);
    Suche s = sucheFuer(seat, lv >= 3 ? 8 : 3);
    if (lv == 1)
        einfacheSuche(g_buffer, h, s);
    else
        zugSuche(g_buffer, h, s);
    if (lv == 2 && g_buffer.anzahl < 5 && rnd::uniform() < 0.1) g_buffer.anzahl = 0;
    if (lv == 1 && g_buffer.anzahl < 9 && rnd::uniform() < 0.3) g_buffer.anzahl = 0;
    const bool erste = cg.romme.auslegeRunde == 1;
    g_druck = erste && g_buffer.anzahl > 0 ? druckBerechnen() : 0;
    s.druck = g_druck;
    const int k = besterZug(g_buffer, h, s);
    TRommeMarken& marken = cg.romme.marken.at(seat);
    for (int i = 1; i <= std::min<int>(h.anz + 1, kHandMax); ++i) marken.at(i) = 0;
    if (k == 0) {
        fertig();
        return;
    }
    const Eintrag& e = g_buffer.e[k];
    if (erste && lv != 2) {
        const int n = e.kartenSumme;
        const int d = druckBerechnen();
        if (h.anz > 13 && n > 5 && n != 13 && n != 14 && n <= h.anz - 2 &&
            13 - n <= 4 - cg.romme.zugNummer / seats() && d < 18) {
            // hold the melds back for a Rommé Hand: their cards are kept from the discard
            bool belegt[kHandMax + 1] = {};
            for (int x = 0; x < e.anzahl; ++x)
                for (int y = 1; y <= e.m[x].karten.anz; ++y) {
                    const karte& c = e.m[x].karten.at(y);
                    for (int i = 1; i <= h.anz; ++i)
                        if (!belegt[i] && h.at(i).t == c.t && h.at(i).f == c.f) {
                            belegt[i] = true;
                            marken.at(i) = 1;
                            break;
                        }
                }
            g_buffer.anzahl = 0;
            fertig();
            return;
        }
    }
    if (e.kartenSumme - e.zurueck >= h.anz) msgsink::show("error: plays too much (all) cards");
    if (cg.romme.warteSchritte <= 1) {
        if (h.anz - e.kartenSumme + e.zurueck == 1)
            kommentieren(seat, cg.romme.kartenBeiZugbeginn >= 13 ? 1 : 2);
        else if (!s.sitzHatMeldung)
            kommentieren(seat, 3);
    }
    const Meldung& m = e.m[0];
    auswahlGeben(m.karten);
    if (m.art == 0) {
        central::antwort(cg, central::kKnopf, 0, 79);
    } else {
        const hand& pile = s.tisch.pile[m.ziel];
        central::antwort(cg, central::kStapel, 12, pile.anz >= 1 ? pile.at(1).nr : 0);
    }
}

void abwerfen(int seat) {
    const int lv = staerke(seat);
    const hand h = romme::stapelHand(seat);
    if (h.anz < 1) return;
    float u[kHandMax + 1] = {};
    int k = abwurfWahl(h, cg.romme.marken.at(seat).m, seat, u);
    if ((lv == 2 && rnd::uniform() < 0.1) || (lv == 1 && rnd::uniform() < 0.3)) k = rnd::random(h.anz) + 1;
    central::antwort(cg, central::kKarte, 0, k);
}

}  // namespace

Tisch tischLesen() {
    Tisch t;
    t.anzahl = 0;
    auto lesen = [&](int p) {
        if (t.anzahl >= kTischMax) return;
        const int i = ++t.anzahl;
        k12.stapelZuHand(p, t.pile[i]);
        t.besitzer[i] = static_cast<uint8_t>(p <= kSide1Piles ? 1 : k12.pile(p).besitzer);
        t.id[i] = static_cast<int16_t>(p);
    };
    for (int p = kSide1Piles + 1; p <= kSide1Piles + k12.d.anz2 && p <= kPiles; ++p) lesen(p);
    for (int p = 1; p <= k12.d.anz1 && p <= kSide1Piles; ++p) lesen(p);
    return t;
}

hand angelegt(const hand& pile, const karte& c, karte* frei) {
    hand h = pile;
    anlegenIn(pile, c, h, frei);
    return h;
}

int anlegeWert(const hand& pile, const karte& c, const Suche& s) {
    const int p0 = romme::meldungPunkte(pile, false, false, s.r);
    int best = -1;
    auto pruefen = [&](const hand& alt) {
        if (romme::isset(alt, s.sitzHatMeldung, true, false, s.r))
            best = std::max(best, romme::meldungPunkte(alt, false, false, s.r));
        else
            best = std::max(best, 0);
    };
    hand vorn;
    kartenKopieren(vorn, pile);
    einfuegen(vorn, 1, c);
    pruefen(vorn);
    hand hinten;
    kartenKopieren(hinten, pile);
    anhaengen(hinten, c);
    pruefen(hinten);
    for (int i = pile.anz; i >= 1; --i)
        if (istJoker(pile.at(i))) {
            hand statt;
            kartenKopieren(statt, pile);
            statt.at(i) = c;
            pruefen(statt);
            break;
        }
    bool gueltig = false;
    for (const hand* alt : {&vorn, &hinten})
        gueltig = gueltig || romme::isset(*alt, s.sitzHatMeldung, true, false, s.r);
    if (!gueltig && best <= 0) return 0;
    return best - p0;
}

void zugSuche(Zugbuffer& b, const hand& h0, Suche& s) {
    hand h = h0;
    for (int i = 1; i <= h.anz; ++i) h.at(i).nr = static_cast<uint16_t>(i);
    b.anzahl = 0;
    b.knoten = 0;
    Lauf l{b, s};
    rekursion(l, h, 0, 0);
}

void einfacheSuche(Zugbuffer& b, const hand& h0, Suche& s) {
    hand h = h0;
    for (int i = 1; i <= h.anz; ++i) h.at(i).nr = static_cast<uint16_t>(i);
    b.anzahl = 0;
    b.knoten = 0;
    const int limit = s.limit;
    s.limit = 0;
    Lauf l{b, s};
    rekursion(l, h, 0, 0);
    s.limit = limit;
}

int besterZug(Zugbuffer& b, const hand& h, const Suche& s) {
    int gewaehlt = 0;
    int wert = -1000, karten = 0, jc = 0;
    for (int k = 1; k <= b.anzahl; ++k) {
        Eintrag& e = b.e[k];
        if (h.anz <= e.m[0].karten.anz) continue;
        if (s.nachWert) {
            if (e.wertSumme > wert) {
                gewaehlt = k;
                wert = e.wertSumme;
                karten = e.kartenSumme;
            }
        } else if (s.fremd) {
            int j;
            if (e.kartenSumme - e.zurueck == h.anz - 1) {
                j = -1;
            } else {
                ohneJoker(e, s);
                j = jokerImZug(e) ? 1 : 0;
            }
            if (e.kartenSumme - j > karten - jc) {
                gewaehlt = k;
                wert = e.wertSumme;
                karten = e.kartenSumme;
                jc = j;
            }
        } else if (e.kartenSumme > karten) {
            gewaehlt = k;
            wert = e.wertSumme;
            karten = e.kartenSumme;
        }
    }
    if (gewaehlt && s.druck <= 18 && s.fremd) ohneJoker(b.e[gewaehlt], s);
    if (wert == -1000) {
        b.anzahl = 0;
        return 0;
    }
    return gewaehlt;
}

float kartenChance(int farbe, int wert, int ohneFarbe, bool ohneJoker, int seat, int ohneFarbe2) {
    return Vorrat(seat).chance(farbe, wert, ohneFarbe, ohneJoker, ohneFarbe2);
}

int abwurfWahl(const hand& h, const int16_t* marken, int seat, float* u) {
    const romme::Regeln r = romme::regeln();
    const bool hat = romme::hatMeldung(seat);
    const Vorrat vorrat(seat);
    auto markiert = [&](int i) { return marken && i <= kHandMax && marken[i - 1] == 1; };
    auto drei = [&](karte a, karte b, karte c, bool sortieren) {
        hand m;
        m.anz = 0;
        anhaengen(m, a);
        anhaengen(m, b);
        anhaengen(m, c);
        if (sortieren)
            for (int i = 2; i <= 3; ++i)
                for (int j = i; j >= 2 && romme::meldSchluessel(m.at(j - 1)) > romme::meldSchluessel(m.at(j));
                     --j)
                    std::swap(m.at(j), m.at(j - 1));
        // Three cards of a run that is still to grow are not held to the first-meld minimum:
        // measured by it, no low run would ever be worth keeping to a seat without a meld, and
        // such seats can hold on to cards that never make a first meld while the round goes on
        // without end.
        return romme::isset(m, hat, false, true, r);
    };
    for (int i = 1; i <= h.anz; ++i) {
        const karte a = h.at(i);
        float& x = u[i];
        if (markiert(i)) {
            x = 1.0f;
        } else {
            x = 0.0f;
            for (int k = 1; k <= h.anz; ++k) {
                if (k == i || markiert(k)) continue;
                const karte b = h.at(k);
                if (istJoker(a) && istJoker(b)) continue;
                if (!istJoker(a) && !istJoker(b)) {
                    // before its first meld a seat keeps only pairs whose set of four could reach
                    // the minimum: low pairs make sets that can never be laid first
                    const bool satzReicht = hat || 4 * romme::kartenWert(a, r) >= r.mindestpunkte;
                    if (a.t == b.t && satzReicht) {
                        if (r.doppelteFarben)
                            x += vorrat.chance(0, a.t, 0, false, 0);
                        else if (a.f != b.f)
                            x += vorrat.chance(0, a.t, a.f, false, b.f);
                    }
                    if (a.f == b.f) {
                        const karte lo = romme::istNachfolger(a.t, b.t) ? a : b;
                        const karte hi = romme::istNachfolger(a.t, b.t) ? b : a;
                        auto dazu = [&](int v) {
                            if (v == 0) return;
                            const karte c{static_cast<uint8_t>(v), a.f, 0};
                            if (drei(a, b, c, true)) x += vorrat.chance(a.f, v, 0, false, 0);
                        };
                        if (romme::istNachfolger(a.t, b.t) || romme::istNachfolger(b.t, a.t)) {
                            dazu(romme::nachfolger(hi.t));
                            dazu(romme::vorgaenger(lo.t));
                        }
                        if (romme::nachfolger(romme::nachfolger(a.t)) == b.t) dazu(romme::nachfolger(a.t));
                        if (romme::nachfolger(romme::nachfolger(b.t)) == a.t) dazu(romme::nachfolger(b.t));
                    }
                    continue;
                }
                const karte c = istJoker(a) ? b : a;  // the natural card of the pair
                const karte j = istJoker(a) ? a : b;
                auto mit = [&](int v, int form) {
                    if (v == 0) return;
                    const karte n{static_cast<uint8_t>(v), c.f, 0};
                    bool ok = false;
                    switch (form) {
                        case 0:
                            ok = drei(n, j, c, false);
                            break;
                        case 1:
                            ok = drei(n, c, j, false);
                            break;
                        case 2:
                            ok = drei(c, n, j, false);
                            break;
                        default:
                            ok = drei(c, j, n, false);
                            break;
                    }
                    if (ok) x += vorrat.chance(c.f, v, 0, true, 0);
                };
                mit(romme::vorgaenger(romme::vorgaenger(c.t)), 0);
                mit(romme::vorgaenger(c.t), 1);
                mit(romme::nachfolger(c.t), 2);
                mit(romme::nachfolger(romme::nachfolger(c.t)), 3);
            }
        }
        for (int k = 1; k < i; ++k)
            if (!istJoker(h.at(k)) && h.at(k).t == a.t && h.at(k).f == a.f) x = 0.0f;
        if (istJoker(a)) x += 0.5f;
    }
    // A Joker thrown away is always taken by the next seat: two seats that cannot use it would
    // hand it to and fro for ever. It goes only from a hand of Jokers.
    bool nurJoker = true;
    for (int i = 1; i <= h.anz; ++i) nurJoker = nurJoker && istJoker(h.at(i));
    int wahl = 1;
    while (!nurJoker && wahl < h.anz && istJoker(h.at(wahl))) ++wahl;
    float tief = 1.0f;
    for (int i = 1; i <= h.anz; ++i) {
        if (!nurJoker && istJoker(h.at(i))) continue;
        if (u[i] < tief) {
            wahl = i;
            tief = u[i];
        } else if (u[i] == tief && romme::kartenWert(h.at(i), r) >= romme::kartenWert(h.at(wahl), r)) {
            wahl = i;
        }
    }
    return wahl;
}

int druck() { return g_druck; }

void kiTick() {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > seats() || cg.phase.nr != romme::kSpielPhase) return;
    if (staerke(seat) == 0) {
        romme::zufallsAntwort();
        return;
    }
    switch (cg.phase.schritt) {
        case romme::kZiehen:
            ziehen(seat);
            return;
        case romme::kAuslegeAntwort:
            auslegen(seat);
            return;
        case romme::kAbwerfen:
            abwerfen(seat);
            return;
        default:
            return;
    }
}

void nachZug(int art, int wert1, int wert2) {
    if (cg.phase.nr != romme::kSpielPhase) return;
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 6) return;
    hand& bekannt = cg.bekannteKarten.at(seat);
    auto weg = [&](const karte& c) {
        for (int i = 1; i <= bekannt.anz; ++i)
            if (bekannt.at(i).t == c.t && bekannt.at(i).f == c.f) {
                entfernen(bekannt, i);
                return;
            }
    };
    auto handKarte = [&](int slot) { return slot >= 1 && slot <= anz(seat) ? st(seat).at(slot).c : karte{}; };
    if (art == central::kStapel && wert1 == 13 && wert2 >= 1 && wert2 <= anz(13)) {
        anhaengen(bekannt, st(13).at(wert2).c);
    } else if (art == central::kKarte) {
        weg(handKarte(wert2));
    } else if (art == central::kKnopf && (wert2 == 79 || (wert2 == 0 && cg.gespielteHand.anz == 1))) {
        for (int i = 1; i <= cg.gespielteHand.anz; ++i) weg(handKarte(cg.gespielteHand.at(i).nr));
    } else if (art == central::kStapel && wert1 == 12 && cg.gespielteHand.anz == 1) {
        weg(handKarte(cg.gespielteHand.at(1).nr));
    }
}

}  // namespace rommeki
