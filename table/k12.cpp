#include "table/k12.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "core/blockpruefung.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/text.h"
#include "table/glu_intern.h"

Tk12Container k12;

namespace {

auto& hk = tischhooks::tab;

bool istJoker(const karte& c) { return hk().istJoker ? hk().istJoker(c) : c.t == 14; }
bool istWild(const karte& c) { return hk().istWild ? hk().istWild(c) : (c.t == 14 || c.t == 9); }
bool partnerVon1(int seat) { return seat == 1 || (hk().gleichePartei && hk().gleichePartei(1, seat)); }

void leer(hand& h) { std::memset(static_cast<void*>(&h), 0, sizeof(h)); }

void anhaengen(hand& h, const karte& c) {
    if (h.anz >= kHandMax) return;
    h.anz = static_cast<int16_t>(h.anz + 1);
    h.at(h.anz) = c;
}

void einfuegen(hand& h, int pos, const karte& c) {
    if (h.anz >= kHandMax) return;
    for (int i = h.anz; i >= pos; --i) h.at(i + 1) = h.at(i);
    h.at(pos) = c;
    h.anz = static_cast<int16_t>(h.anz + 1);
}

// Rank of a value code in a run: 2..6 (codes 9..13), 7, 8, 9, 10, Bube, Dame, König, As.
int rang(int t) {
    static const int r[15] = {0, 7, 8, 9, 11, 12, 13, 10, 14, 2, 3, 4, 5, 6, 0};
    return t >= 0 && t <= 14 ? r[t] : 0;
}

}  // namespace

bool Tk12Container::inUse(int p) const {
    if (p >= 1 && p <= kSide1Piles) return p <= d.anz1;
    return p > kSide1Piles && p <= kPiles && p <= kSide1Piles + d.anz2;
}

void Tk12Container::leeren() {
    d.anz1 = d.anz2 = 0;
    d.aktiv = 0;
    d.anlegen = 0;
    for (auto& p : d.stapel) std::memset(static_cast<void*>(&p), 0, sizeof(p));
    std::memset(hoch_, 0, sizeof(hoch_));
    hochBekannt_ = true;
    kopie_ = nullptr;
    std::memset(flags, 0, sizeof(flags));
    jokerFrei = 0;
    jokerSlot = 0;
    TSpieler& s = glu::st(12);
    for (int i = 1; i <= kSlots; ++i) {
        s.at(i).hi = 0;
        s.at(i).pilePos = 0;
    }
}

int Tk12Container::neuerStapel(int seat, int count) {
    int p;
    int besitzer;
    // side 1 holds piles 1..20, side 2 piles 21..60: a 21st pile on side 1 would overwrite
    // the opponents' first pile
    if (partnerVon1(seat)) {
        if (d.anz1 >= kSide1Piles) {
            msgsink::show(text::w("Fehler in k12.neuerStapel: kein Platz für einen weiteren Stapel"));
            return 0;
        }
        d.anz1 += 1;
        p = d.anz1;
        besitzer = seat;
    } else {
        if (d.anz2 >= kPiles - kSide1Piles) {
            msgsink::show(text::w("Fehler in k12.neuerStapel: kein Platz für einen weiteren Stapel"));
            return 0;
        }
        d.anz2 += 1;
        p = kSide1Piles + d.anz2;
        besitzer = cg.aktSpieler;
    }
    TPile& pl = pile(p);
    pl.anz = static_cast<int16_t>(num::clamp(count, 0, kPileMax));
    pl.besitzer = static_cast<uint8_t>(besitzer);
    hoch_[p - 1] = static_cast<uint8_t>(std::max<int>(hoch_[p - 1], pl.anz));
    return p;
}

int Tk12Container::stapelAnzahl(int side) const { return side == 1 ? d.anz1 : kSide1Piles + d.anz2; }

void Tk12Container::stapelZuHand(int p, hand& out) const {
    leer(out);
    stapelKarten(p, out);
}

void Tk12Container::stapelKarten(int p, hand& out) const {
    out.anz = 0;
    if (p < 1 || p > kPiles) return;
    const TPile& pl = pile(p);
    const TSpieler& s = glu::st(12);
    const int n = num::clamp<int>(pl.anz, 0, kPileMax);
    out.anz = static_cast<int16_t>(n);
    out.besitzer = pl.besitzer;
    for (int i = 1; i <= n; ++i) {
        const int slot = pl.at(i).nr;
        karte c{};
        if (slot >= 1 && slot <= kSlots) c = s.at(slot).c;
        c.nr = static_cast<uint16_t>(slot);
        out.at(i) = c;
    }
}

void Tk12Container::sitzMeldungen(int seat, hand& out) const {
    leer(out);
    if (partnerVon1(seat)) {
        for (int p = 1; p <= d.anz1; ++p) anhaengen(out, karte{0, 0, static_cast<uint16_t>(p)});
    } else {
        for (int p = kSide1Piles + 1; p <= kSide1Piles + d.anz2 && p <= kPiles; ++p)
            if (pile(p).besitzer == seat) anhaengen(out, karte{0, 0, static_cast<uint16_t>(p)});
    }
}

void Tk12Container::teamMeldungen(int seat, hand& out) const {
    leer(out);
    if (!cg.canasta.teamSpiel || seat < 1 || seat > 6) return;
    const int partei = cg.canasta.teamId.at(seat);
    if (partei == 1)
        for (int p = 1; p <= d.anz1; ++p) anhaengen(out, karte{0, 0, static_cast<uint16_t>(p)});
    for (int p = kSide1Piles + 1; p <= kSide1Piles + d.anz2 && p <= kPiles; ++p) {
        const int b = pile(p).besitzer;
        if (b >= 1 && b <= 6 && cg.canasta.teamId.at(b) == partei)
            anhaengen(out, karte{0, 0, static_cast<uint16_t>(p)});
    }
}

int Tk12Container::grenze(int p) const {
    if (!hochBekannt_) return kPileMax;
    return std::max<int>(hoch_[p - 1], num::clamp<int>(pile(p).anz, 0, kPileMax));
}

void Tk12Container::zellenAusKarten() {
    // Every pile empties and keeps its owner. This runs in every game step of the meld games:
    // only the positions that can hold a card are cleared.
    for (int p = 1; p <= kPiles; ++p) {
        TPile& pl = pile(p);
        if (const int n = grenze(p); n > 0) std::memset(static_cast<void*>(pl.k), 0, sizeof(karte) * static_cast<size_t>(n));
        pl.anz = 0;
    }
    const TSpieler& s = glu::st(12);
    const int n = num::clamp<int>(s.anz, 0, kSlots);
    for (int i = 1; i <= n; ++i) {
        const int p = s.at(i).hi, pos = s.at(i).pilePos;
        if (p < 1 || p > kPiles || pos < 1 || pos > kPileMax) continue;
        TPile& pl = pile(p);
        pl.at(pos) = s.at(i).c;
        pl.at(pos).nr = static_cast<uint16_t>(i);
        if (pos > pl.anz) pl.anz = static_cast<int16_t>(pos);
    }
    for (int p = 1; p <= kPiles; ++p) hoch_[p - 1] = static_cast<uint8_t>(pile(p).anz);
    hochBekannt_ = true;
}

void Tk12Container::stapelSichern(uint8_t* ziel) {
    static_assert(sizeof(d.stapel) == kPiles * sizeof(TPile));
    const bool ganz = ziel != kopie_;
    if (ganz) std::memcpy(ziel, d.stapel, sizeof(d.stapel));
    for (int p = 1; p <= kPiles; ++p) {
        const int g = grenze(p);
        if (!ganz) {
            // Above both bounds the pile and its copy hold nothing but zeros.
            const TPile& pl = pile(p);
            uint8_t* z = ziel + static_cast<size_t>(p - 1) * sizeof(TPile);
            if (const int n = std::max<int>(g, kopieHoch_[p - 1]); n > 0)
                std::memcpy(z, pl.k, sizeof(karte) * static_cast<size_t>(n));
            std::memcpy(z + offsetof(TPile, anz), &pl.anz, sizeof(TPile) - offsetof(TPile, anz));
        }
        kopieHoch_[p - 1] = static_cast<uint8_t>(g);
    }
    kopie_ = hochBekannt_ ? ziel : nullptr;
}

void Tk12Container::inhaltUnbekannt() {
    hochBekannt_ = false;
    kopie_ = nullptr;
}

void Tk12Container::zellenInKarten() {
    TSpieler& s = glu::st(12);
    auto schreibe = [&](int p) {
        const TPile& pl = pile(p);
        for (int i = 1; i <= num::clamp<int>(pl.anz, 0, kPileMax); ++i) {
            const int slot = pl.at(i).nr;
            if (slot < 1 || slot > kSlots) continue;
            s.at(slot).hi = p;
            s.at(slot).pilePos = i;
        }
    };
    for (int p = 1; p <= d.anz1 && p <= kSide1Piles; ++p) schreibe(p);
    for (int p = kSide1Piles + 1; p <= kSide1Piles + d.anz2 && p <= kPiles; ++p) schreibe(p);
}

void Tk12Container::karteEntfernen(int p, int position) {
    if (p < 1 || p > kPiles) return;
    TPile& pl = pile(p);
    if (position < 1 || position > pl.anz) return;
    TSpieler& s = glu::st(12);
    auto zelle = [&](const karte& c, int pile, int pos) {
        if (c.nr >= 1 && c.nr <= kSlots) {
            s.at(c.nr).hi = pile;
            s.at(c.nr).pilePos = pos;
        }
    };
    zelle(pl.at(position), 0, 0);
    for (int i = position; i < pl.anz; ++i) {
        pl.at(i) = pl.at(i + 1);
        zelle(pl.at(i), p, i);
    }
    pl.at(pl.anz) = karte{};
    pl.anz = static_cast<int16_t>(pl.anz - 1);
    if (pl.anz > 0) return;
    // an empty pile closes: the later piles of its side move down and their cards follow
    const int last = p <= kSide1Piles ? d.anz1 : kSide1Piles + d.anz2;
    for (int q = p; q < last; ++q) {
        pile(q) = pile(q + 1);
        hoch_[q - 1] = hoch_[q];
        for (int i = 1; i <= pile(q).anz; ++i) zelle(pile(q).at(i), q, i);
    }
    if (last >= p) {
        std::memset(static_cast<void*>(&pile(last)), 0, sizeof(TPile));
        hoch_[last - 1] = 0;
    }
    if (p <= kSide1Piles) {
        if (d.anz1 > 0) d.anz1 -= 1;
    } else if (d.anz2 > 0) {
        d.anz2 -= 1;
    }
}

void Tk12Container::anlegenStarten(const hand& lege, const hand& neu, int p, int seatStack, int moveSlot,
                                   bool layOn, int laidPos, int laidSlot, const karte& ersatz,
                                   int jokerSlotArg) {
    d.arbeit1 = neu;
    stapelZuHand(p, d.vorher);
    d.arbeit2 = d.vorher;
    d.lege = lege;
    d.zielStapel = p;
    d.kartenStapel = seatStack;
    d.kartenSlot = moveSlot;
    d.anlegen = layOn ? 1 : 0;
    d.legePos = laidPos;
    d.legeSlot = laidSlot;
    d.ersatz = ersatz;
    d.fortschritt = 0;
    d.aktiv = 1;
    jokerFrei = jokerSlotArg > 0 ? 1 : 0;
    jokerSlot = jokerSlotArg;
}

void Tk12Container::anlegenFertig() {
    // The cards' cells were set when the laying started: the pile is rebuilt from them.
    const int p = d.zielStapel;
    TSpieler& s = glu::st(12);
    if (p >= 1 && p <= kPiles) {
        TPile& pl = pile(p);
        std::memset(static_cast<void*>(pl.k), 0, sizeof(pl.k));
        pl.anz = 0;
        for (int i = 1; i <= num::clamp<int>(s.anz, 0, kSlots); ++i) {
            const int pos = s.at(i).pilePos;
            if (s.at(i).hi != p || pos < 1 || pos > kPileMax) continue;
            pl.at(pos) = s.at(i).c;
            pl.at(pos).nr = static_cast<uint16_t>(i);
            if (pos > pl.anz) pl.anz = static_cast<int16_t>(pos);
        }
        hoch_[p - 1] = static_cast<uint8_t>(pl.anz);
    }
    for (int i = 1; i <= kSlots; ++i) s.at(i).bewegung.fz = 0;
    // the lay-on flag and the laid slot stay: a freed Joker may still be leaving that slot
    d.aktiv = 0;
}

hand Tk12Container::legenanhand(const hand& work, int p, int position) const {
    (void)position;
    hand h;
    stapelZuHand(p, h);
    if (p < 1) return h;
    int firstRang = 0, lastRang = 0, firstIdx = 0;
    bool satz = true;
    int wert = 0;
    for (int i = 1; i <= h.anz; ++i) {
        if (istJoker(h.at(i))) continue;
        if (!firstIdx) {
            firstIdx = i;
            firstRang = rang(h.at(i).t);
            wert = h.at(i).t;
        } else if (h.at(i).t != wert) {
            satz = false;
        }
    }
    if (firstIdx) {
        // the rank each place of a run stands for
        firstRang -= firstIdx - 1;
        lastRang = firstRang + h.anz - 1;
    }
    hand jokers;
    leer(jokers);
    // cards from the pile keep their stack-12 slot as tag, laid cards get 1000 + their index
    for (int i = 1; i <= work.anz; ++i) {
        karte c = work.at(i);
        c.nr = static_cast<uint16_t>(1000 + i);
        if (istJoker(c)) {
            anhaengen(jokers, c);
            continue;
        }
        if (satz && firstIdx && c.t == wert) {
            anhaengen(h, c);
            continue;
        }
        const int rg = rang(c.t);
        if (firstIdx && rg >= firstRang && rg <= lastRang) {
            // the natural card takes the place a Joker held; 444 marks that place
            const int idx = rg - firstRang + 1;
            if (istJoker(h.at(idx))) {
                h.at(idx) = c;
                h.at(idx).nr = 444;
            } else {
                anhaengen(h, c);
            }
        } else if (firstIdx && rg == firstRang - 1) {
            einfuegen(h, 1, c);
            firstRang -= 1;
        } else {
            anhaengen(h, c);
            lastRang += 1;
        }
    }
    for (int i = 1; i <= jokers.anz; ++i) {
        if (!satz && lastRang >= 14)
            einfuegen(h, 1, jokers.at(i));
        else
            anhaengen(h, jokers.at(i));
    }
    return h;
}

hand Tk12Container::calegenanhand(const hand& work, int p) const {
    hand h;
    leer(h);
    if (p < 1) return h;
    stapelZuHand(p, h);
    int natuerlich = 0;
    for (int i = 1; i <= h.anz; ++i)
        if (!istWild(h.at(i))) natuerlich = i;
    // cards from the pile keep their stack-12 slot as tag, laid cards get 1000 + their index
    for (int i = 1; i <= work.anz; ++i) {
        if (istWild(work.at(i))) continue;
        karte c = work.at(i);
        c.nr = static_cast<uint16_t>(1000 + i);
        einfuegen(h, natuerlich + 1, c);
        ++natuerlich;
    }
    for (int i = 1; i <= work.anz; ++i) {
        if (!istWild(work.at(i))) continue;
        karte c = work.at(i);
        c.nr = static_cast<uint16_t>(1000 + i);
        anhaengen(h, c);
    }
    if (hk().ismeldung && !hk().ismeldung(h)) leer(h);
    return h;
}

hand Tk12Container::vorschau(const hand& auswahl, int p) const {
    hand h;
    leer(h);
    if (!inUse(p) || auswahl.anz < 1) return h;
    if (cg.spielId == 3) return legenanhand(auswahl, p, 0);
    if (cg.spielId == 4) return calegenanhand(auswahl, p);
    return h;
}

bool Tk12Container::anlegbar(const hand& auswahl, int p) const {
    const hand h = vorschau(auswahl, p);
    if (h.anz < 1) return false;
    // Canasta's preview has passed its meld test already
    if (cg.spielId == 3 && hk().isset) return hk().isset(h);
    return true;
}

bool Tk12Container::werdend(int p) const {
    return d.aktiv && !d.anlegen && p == d.zielStapel && wirdCanasta();
}

float Tk12Container::fortschritt01() const { return num::clamp(d.fortschritt, 0.0f, 1.0f); }

int Tk12Container::rueckflug(int p, float* rest) const {
    if (rest) *rest = 0;
    if (!inUse(p) || cg.aktSpieler < 1) return 0;
    const TPile& pl = pile(p);
    const TSpieler& s = glu::st(12);
    int n = 0;
    for (int i = 1; i <= num::clamp<int>(pl.anz, 0, kPileMax); ++i) {
        const int slot = pl.at(i).nr;
        if (slot < 1 || slot > kSlots) continue;
        const TBewegung& b = s.at(slot).bewegung;
        if (!b.active || b.toStack != -cg.aktSpieler) continue;
        ++n;
        if (rest) *rest += 1 - num::clamp(b.progress, 0.0f, 1.0f);
    }
    return n;
}

float Tk12Container::platzKarten(int p) const {
    if (p < 1 || p > kPiles) return 0;
    float rest = 0;
    const int zurueck = rueckflug(p, &rest);
    int voll = pile(p).anz;
    if (d.aktiv && !d.anlegen && p == d.zielStapel) voll += d.lege.anz;
    const float n = static_cast<float>(voll - zurueck) + rest;
    if (cg.spielId != 4 || flags[p - 1]) return n;
    // a canasta lies closed: one card wide, or shrinking to that while it is being made
    if (werdend(p)) return n + (1 - n) * fortschritt01();
    return voll >= 7 ? 1.0f : n;
}

void Tk12Container::rueckflugPruefen() {
    if (cg.spielId != 4) return;
    const auto pruefe = [&](int p) {
        if (flags[p - 1] || pile(p).anz < 7) return;
        if (pile(p).anz - rueckflug(p) < 7) flags[p - 1] = 1;
    };
    for (int p = 1; p <= d.anz1 && p <= kSide1Piles; ++p) pruefe(p);
    for (int p = kSide1Piles + 1; p <= kSide1Piles + d.anz2 && p <= kPiles; ++p) pruefe(p);
}

bool Tk12Container::wirdCanasta() const { return d.vorher.anz < 7 && d.vorher.anz + d.lege.anz >= 7; }
bool Tk12Container::warCanasta() const { return d.vorher.anz >= 7; }

bool Tk12Container::inLegeHand(int position) const {
    for (int i = 1; i <= d.lege.anz; ++i)
        if (d.lege.at(i).nr == position) return true;
    return false;
}

float Tk12Container::pitch() const {
    float p = 104;
    if (cg.spielId == 4) {
        p *= 0.85f;
        if (envParam.kartenGroesse == 1) p *= 0.7f;
        if (envParam.kartenGroesse == 2) p *= 0.85f;
    }
    return p;
}

void Tk12Container::stapelPosition(int p, Pos6& out) const {
    out = Pos6{{150, 272, -780, -79, -6, 0}};
    if (p < 1 || p > kPiles) return;
    const bool ca = cg.spielId == 4;
    const float pt = pitch();
    struct Reihe {
        float breite, z, x;
    };
    const Reihe s1[2] = {{18.5f * pt, ca ? -570.0f : -550.0f, ca ? -175.0f : 40.0f},
                         {1000 * pt, ca ? -345.0f : -305.0f, 390}};
    const Reihe s2[4] = {{(ca ? 19.8f : 16.9f) * pt, -800, ca ? -225.0f : -210.0f},
                         {(ca ? 15.8f : 14.0f) * pt, ca ? -1020.0f : -1050.0f, -100},
                         {(ca ? 14.0f : 11.0f) * pt, ca ? -1240.0f : -1300.0f, ca ? 50.0f : 90.0f},
                         {1000 * pt, ca ? -1460.0f : -1550.0f, ca ? 250.0f : 260.0f}};
    const bool seite1 = p <= kSide1Piles;
    const int first = seite1 ? 1 : kSide1Piles + 1;
    const Reihe* reihen = seite1 ? s1 : s2;
    const int anzReihen = seite1 ? 2 : 4;
    int reihe = 0, idx = 0;
    float karten = 0, offset = 0;
    for (int q = first; q <= p; ++q) {
        offset = karten * pt * 0.2f + static_cast<float>(idx) * pt * 1.3f;
        if (offset >= reihen[reihe].breite && idx > 0) {
            reihe = std::min(reihe + 1, anzReihen - 1);
            idx = 0;
            karten = 0;
            offset = 0;
        }
        const float n = platzKarten(q);
        karten += n;
        ++idx;
    }
    out.v[0] = reihen[reihe].x + offset;
    out.v[2] = reihen[reihe].z;
}

void Tk12Container::zellenPlatz(int p, int position, TKartenSlot& out, bool isDestination, int cardNr) const {
    (void)isDestination;
    (void)cardNr;
    // A placement query never writes the container; positions run to 64, since Canasta melds
    // of two or three decks grow past 20 cards.
    if (!inUse(p) || position < 1 || position > kPileMax) {
        p = 1;
        position = 1;
    }
    out.y = 0;
    out.z = 0;
    out.a1 = 0;
    out.a2 = 0.5f;
    out.a3 = 0;
    out.draw1 = out.draw2 = 0;
    out.face = 0;
    out.hi = p;
    out.pilePos = position;
    float collapsed = 0;
    if (cg.spielId == 4 && !flags[p - 1]) {
        if (pile(p).anz >= 7)
            collapsed = static_cast<float>(position - 1);
        else if (werdend(p))
            collapsed = static_cast<float>(position - 1) * fortschritt01();
    }
    out.x = (static_cast<float>(position - 1) - collapsed) * 0.2f * pitch();
    // the face card of a closed canasta rises in an arc while cards are laid onto it
    if (collapsed && d.aktiv && p == d.zielStapel && position == pile(p).anz)
        out.z += bogenHoehe(d.fortschritt);
    const int jy = (p * 37777) % 733 % 9 - 5;
    if (jy >= 0) out.y += static_cast<float>(jy) * 0.8f;
    const int ja = (p * 57777) % 917 % 11 - 3;
    if (ja >= 0) out.a3 += static_cast<float>(ja) * 0.3f;
}

float Tk12Container::bogenHoehe(float x) {
    const float v = x <= 0.2f ? 2.5f * x : (x - 0.2f) / 8 * 5 + 0.5f;
    const float s = std::sin(3.14159f * v);
    return 420 * s * s;
}

std::string k12Pruefen(const TCG& g) {
    auto d = std::make_unique<Tk12Daten>();
    std::memcpy(static_cast<void*>(d.get()), g.k12Kopie + 4, sizeof(Tk12Daten));
    blockpruefung::Befund b;
    b.zahl(d->anz1, 0, kSide1Piles, "Meldungen Seite 1");
    b.zahl(d->anz2, 0, kPiles - kSide1Piles, "Meldungen Seite 2");
    for (int p = 1; p <= kPiles && b.ok(); ++p) {
        const TPile& pl = d->stapel[p - 1];
        const std::string was = "Meldung " + text::fromInt(p);
        if (!b.zahl(pl.anz, 0, kPileMax, was + ": Kartenzahl")) break;
        for (int i = 1; i <= pl.anz; ++i) {
            b.karte(pl.at(i), 14, was);
            b.zahl(pl.at(i).nr, 0, kSlots, was + ": Platz");
        }
    }
    b.zahl(d->zielStapel, 0, kPiles, "Meldeziel");
    b.zahl(d->legeSlot, 0, kSlots, "Meldeplatz");
    b.zahl(d->kartenSlot, 0, kSlots, "Meldekarte");
    b.hand(d->arbeit1, kHandMax, 14, "Meldung");
    b.hand(d->arbeit2, kHandMax, 14, "Meldung");
    b.hand(d->vorher, kHandMax, 14, "Meldung");
    b.hand(d->lege, kHandMax, 14, "Meldung");
    return b.text();
}
