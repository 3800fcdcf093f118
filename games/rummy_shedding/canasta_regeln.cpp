// Canasta rules: cards, points, melds, canastas, teams, the minimum of the first meld, the right
// to take the discard pile and the splitting of hands into melds.
#include <algorithm>
#include <cstring>

#include "core/gtool.h"
#include "core/spiele.h"
#include "games/rummy_shedding/canasta.h"
#include "table/glu.h"
#include "table/k12.h"

namespace canasta {

namespace {

void leer(hand& h) { h.anz = 0; }
void dazu(hand& h, const karte& k) {
    if (h.anz < kHandMax) h.at(++h.anz) = k;
}
int wildAnzahl(const hand& h) {
    int w = 0;
    for (int i = 1; i <= h.anz; ++i) w += istWild(h.at(i)) ? 1 : 0;
    return w;
}
int wertAnzahl(const hand& h, int t) {
    int n = 0;
    for (int i = 1; i <= h.anz; ++i) n += h.at(i).t == t ? 1 : 0;
    return n;
}
int anz(int stack) { return glu::spieler[stack - 1].anz; }

}  // namespace

bool istWild(const karte& k) { return k.t == kZwei || k.t == kJoker; }
bool istRoteDrei(const karte& k) { return k.t == kDrei && (k.f == 3 || k.f == 4); }
bool istSchwarzeDrei(const karte& k) { return k.t == kDrei && (k.f == 1 || k.f == 2); }
bool sperrKarte(const karte& k) { return istWild(k) || istSchwarzeDrei(k); }

void sortWerte() {
    // rank by value code 1..14: 7 8 9 Bube Dame König 10 Ass, then Zwei..Sechs, Joker
    static const int rang[15] = {0, 14, 15, 16, 18, 19, 20, 17, 21, 9, 10, 11, 12, 13, 22};
    for (int f = 1; f <= 4; ++f)
        for (int t = 1; t <= 14; ++t) Kartenwerte[f - 1][t - 1] = rang[t] * 5 + f;
}

int kartePunkte(const karte& k) {
    if (k.t == kJoker) return cg.canasta.jokerWert;
    if (istRoteDrei(k)) return 0;
    switch (k.t) {
        case kZwei:
        case 8:  // Ass
            return 20;
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
        case 7:
            return 10;
        case 1:
        case 10:
        case 11:
        case 12:
        case 13:
            return 5;
        default:
            return 0;
    }
}

int kartenPunkte(const hand& h) {
    int s = 0;
    for (int i = 1; i <= h.anz; ++i) s += kartePunkte(h.at(i));
    return s;
}

bool teamSpiel() { return cg.canasta.teamSpiel != 0; }

int team(int seat) {
    if (teamSpiel() && seat >= 1 && seat <= 6) return cg.canasta.teamId.at(seat);
    return seat;
}

bool gleichePartei(int a, int b) {
    if (cg.spielId == spiele::kCanasta && teamSpiel() && a >= 1 && a <= 6 && b >= 1 && b <= 6)
        return cg.canasta.teamId.at(a) == cg.canasta.teamId.at(b);
    return a == b;
}

int naechsterSitz(int seat) {
    if (seat == -1) seat = cg.aktSpieler;
    const int n = cg.ablauf.anzSpieler < 1 ? 1 : cg.ablauf.anzSpieler;
    return seat >= n ? 1 : seat + 1;
}

int vorigerSitz(int seat) {
    if (seat == -1) seat = cg.aktSpieler;
    const int n = cg.ablauf.anzSpieler < 1 ? 1 : cg.ablauf.anzSpieler;
    return seat <= 1 ? n : seat - 1;
}

int ersterNaturWert(const hand& h) {
    for (int i = 1; i <= h.anz; ++i)
        if (!istWild(h.at(i))) return h.at(i).t;
    return 0;
}

bool gleicheWerte(const hand& h) {
    const int w = wildAnzahl(h);
    if (cg.canasta.wildeCanastas && h.anz > 0 && 2 * w >= h.anz) return w == h.anz;
    const int t = ersterNaturWert(h);
    for (int i = 1; i <= h.anz; ++i)
        if (!istWild(h.at(i)) && h.at(i).t != t) return false;
    return true;
}

bool ismeldung(const hand& h) {
    const int n = h.anz;
    if (n < 1) return false;
    const int w = wildAnzahl(h);
    const bool gleich = gleicheWerte(h);
    if (2 * w < n && n >= 3 && w <= 3 && ersterNaturWert(h) != kDrei && gleich) return true;
    if (w == 0 && istRoteDrei(h.at(1)) && istRoteDrei(h.at(n)) && gleich) return true;
    if (w == 0 && n >= 3 && istSchwarzeDrei(h.at(1)) && istSchwarzeDrei(h.at(2)) &&
        istSchwarzeDrei(h.at(n)) && gleich)
        return true;
    // a wild canasta never takes threes, which may only be laid among themselves
    return cg.canasta.wildeCanastas && gleich && w >= 3 && ersterNaturWert(h) != kDrei;
}

int meldWert(const hand& h) {
    if (!ismeldung(h)) return 0;
    const int t = ersterNaturWert(h);
    if (t == 0 && cg.canasta.wildeCanastas) return kJoker;
    return t;
}

bool istCanasta(const hand& h) { return h.anz >= 7 && ismeldung(h); }

int meldungWertung(const hand& h, int art) {
    if (h.anz < 1) return 0;
    int s = 0;
    if (istRoteDrei(h.at(1))) {
        if (art == 0 || art == 2) {
            if (h.anz < 4) {
                for (int i = 1; i <= h.anz; ++i) s += istRoteDrei(h.at(i)) ? cg.canasta.bonusRote3 : 0;
            } else {
                s += cg.canasta.bonus4Rote3;
            }
        }
    } else if (art == 0 || art == 1) {
        s += kartenPunkte(h);
    }
    if ((art == 0 || art == 3) && istCanasta(h)) {
        const int w = wildAnzahl(h);
        if (w == h.anz)
            s += cg.canasta.bonusWild;
        else if (w == 0)
            s += cg.canasta.bonusEcht;
        else
            s += cg.canasta.bonusUnecht;
    }
    return s;
}

int fertigBonus(int seat, int art) {
    if (art != 4) return 0;
    const int von = cg.canasta.ausgemachtVon;
    if (von == 0) return 0;
    const bool ja = seat == von || (teamSpiel() && team(seat) == team(von));
    if (!ja) return 0;
    return cg.canasta.handAusgemacht ? cg.canasta.bonusHandFertig : cg.canasta.bonusFertig;
}

int mindestpunkteFuer(int32_t gesamt) {
    if (gesamt >= 3000) return 120;
    if (gesamt >= 1500) return 90;
    if (gesamt >= 0) return 50;
    return 15;
}

// ---------------------------------------------------------------------------------------------

void meldungen(int seat, hand& piles) {
    if (teamSpiel())
        k12.teamMeldungen(seat, piles);
    else
        k12.sitzMeldungen(seat, piles);
}

hand stapelKarten(int pile) {
    hand h;
    k12.stapelZuHand(pile, h);
    return h;
}

namespace {

// What a TischStill keeps of each pile: -1 not yet worked out.
struct StillerTisch {
    int offen = 0;
    int8_t wert[kPiles + 1] = {};
    int8_t canasta[kPiles + 1] = {};
};
StillerTisch g_still;

int stapelMeldWert(int pile) {
    if (g_still.offen == 0 || pile < 1 || pile > kPiles) return meldWert(stapelKarten(pile));
    int8_t& w = g_still.wert[pile];
    if (w < 0) w = static_cast<int8_t>(meldWert(stapelKarten(pile)));
    return w;
}

}  // namespace

TischStill::TischStill() {
    if (g_still.offen++ > 0) return;
    std::memset(g_still.wert, -1, sizeof(g_still.wert));
    std::memset(g_still.canasta, -1, sizeof(g_still.canasta));
}

TischStill::~TischStill() { --g_still.offen; }

bool stapelIstCanasta(int pile) {
    if (g_still.offen == 0 || pile < 1 || pile > kPiles) return istCanasta(stapelKarten(pile));
    int8_t& c = g_still.canasta[pile];
    if (c < 0) c = istCanasta(stapelKarten(pile)) ? 1 : 0;
    return c != 0;
}

bool hatCanasta(int seat) {
    hand p;
    meldungen(seat, p);
    bool ja = false;
    for (int i = 1; i <= p.anz && !ja; ++i) ja = stapelIstCanasta(p.at(i).nr);
    const int t = team(seat);
    if (t >= 1 && t <= 6) cg.canasta.hatCanastaCache.at(t) = ja ? 1 : 0;
    return ja;
}

bool teamHatMeldungWert(int seat, int wert) { return meldungMitWert(seat, wert) != 0; }

bool hatMeldungWert(int seat, int wert) { return wert != kDrei && teamHatMeldungWert(seat, wert); }

int meldungMitWert(int seat, int wert) {
    hand p;
    meldungen(seat, p);
    int gefunden = 0;
    for (int i = 1; i <= p.anz; ++i)
        if (stapelMeldWert(p.at(i).nr) == wert) gefunden = p.at(i).nr;
    return gefunden;
}

bool nochNichtAusgelegt(int seat) {
    const int t = team(seat);
    return t < 1 || t > 6 || cg.canasta.ausgelegt.at(t) == 0;
}

bool zweiGleiche(int stack, int wert) {
    const TSpieler& s = glu::spieler[stack - 1];
    int n = 0;
    for (int i = 1; i <= s.anz; ++i) n += s.at(i).c.t == wert ? 1 : 0;
    return n >= 2;
}

karte ablageOben() {
    TSpieler& s = glu::spieler[12];
    glu::stapelZuHand(s);
    return s.anz > 0 ? s.at(s.anz).c : karte{};
}

// ---------------------------------------------------------------------------------------------

bool ablageVerwendbar(int seat, const karte& x, int darunter) {
    if (x.t == 0 || anz(13) == 0 || seat < 1) return false;
    const int h = anz(seat);
    const bool canasta = hatCanasta(seat);
    const auto behaelt = [&](int k) {
        const int r = h - k + (darunter > 0 ? darunter : 0);
        return r >= 2 || (r == 1 && canasta);
    };
    TSpieler& s = glu::spieler[seat - 1];
    glu::stapelZuHand(s);
    const int gleiche = wertAnzahl(s.hand, x.t);
    if (gleiche >= 2 && behaelt(2)) return true;
    if (gleiche == 1 && wildAnzahl(s.hand) >= 1 && behaelt(2)) return true;
    hand p;
    meldungen(seat, p);
    for (int i = 1; i <= p.anz; ++i) {
        hand m = stapelKarten(p.at(i).nr);
        dazu(m, x);
        if (!ismeldung(m)) continue;
        const int rest = h + darunter - 1;
        if (rest >= 1 || (rest == 0 && (canasta || istCanasta(m)))) return true;
    }
    return false;
}

bool ablageNehmbar() {
    TCanasta& c = cg.canasta;
    const int seat = cg.aktSpieler;
    const TSpieler& a = glu::spieler[12];
    bool wild = false;
    for (int i = 1; i <= a.anz; ++i) wild = wild || istWild(a.at(i).c);
    c.eingefroren = (wild || c.immerEingefroren) ? 1 : 0;
    c.ablageModus = 0;
    c.ablageGenommen = 0;
    const karte oben = ablageOben();
    if (oben.t == 0 || sperrKarte(oben)) return false;
    if (c.eingefroren) {
        if (c.maxMitAblage >= c.mindestpunkte) {
            c.ablageModus = 1;
            c.ablageKarte = oben;
            return true;
        }
        return false;
    }
    if (nochNichtAusgelegt(seat)) {
        if (c.maxzugPunkte >= c.mindestpunkte && ablageVerwendbar(seat, oben, a.anz - 1)) {
            c.ablageModus = 2;
            c.ablageKarte = oben;
            return true;
        }
        return false;
    }
    if (ablageVerwendbar(seat, oben, a.anz - 1)) {
        c.ablageModus = 3;
        c.ablageKarte = oben;
        return true;
    }
    return false;
}

bool auslegbar(const hand& s, int seat) {
    if (seat == 0) seat = cg.aktSpieler;
    if (!ismeldung(s)) return false;
    const int rest = anz(seat) - s.anz;
    if (istSchwarzeDrei(s.at(1)) && rest != 1) return false;
    if (rest < 1) return false;
    if (hatMeldungWert(seat, meldWert(s))) return false;
    // the last card may be kept only with a canasta; a meld that is one itself brings it along
    if (rest == 1 && !hatCanasta(seat) && !istCanasta(s)) return false;
    return true;
}

// ---------------------------------------------------------------------------------------------

namespace {
// Takes the first n cards of value t (or of the wild kind t) in hand order.
void nehmen(const hand& h, int t, int n, hand& out) {
    for (int i = 1; i <= h.anz && n > 0; ++i)
        if (h.at(i).t == t) {
            dazu(out, h.at(i));
            --n;
        }
}
}  // namespace

void kleinsteMeldung(const hand& h, int wert, hand& out) {
    leer(out);
    const int natur = std::min(3, wertAnzahl(h, wert));
    int joker = std::min(3 - natur, wertAnzahl(h, kJoker));
    int zwei = std::min(3 - natur - joker, wertAnzahl(h, kZwei));
    if (wert == kJoker || wert == kZwei) joker = zwei = 0;
    // cards are taken in hand order once the numbers of each kind are fixed
    int n = natur, j = joker, z = zwei;
    for (int i = 1; i <= h.anz; ++i) {
        const karte& k = h.at(i);
        if (k.t == wert && n > 0) {
            dazu(out, k);
            --n;
        } else if (k.t == kJoker && j > 0) {
            dazu(out, k);
            --j;
        } else if (k.t == kZwei && z > 0) {
            dazu(out, k);
            --z;
        }
    }
}

void canastaMeldung(const hand& h, int wert, hand& out) {
    leer(out);
    if (!(wert == kZwei || wert == kJoker)) nehmen(h, wert, kHandMax, out);
    const int fehlt = std::max(0, 7 - out.anz);
    const int j = std::min(fehlt, wertAnzahl(h, kJoker));
    const int z = std::min(fehlt - j, wertAnzahl(h, kZwei));
    hand wild;
    leer(wild);
    int jj = j, zz = z;
    for (int i = 1; i <= h.anz; ++i) {
        if (h.at(i).t == kJoker && jj > 0) {
            dazu(wild, h.at(i));
            --jj;
        } else if (h.at(i).t == kZwei && zz > 0) {
            dazu(wild, h.at(i));
            --zz;
        }
    }
    for (int i = 1; i <= wild.anz; ++i) dazu(out, wild.at(i));
}

karte canastaErgaenzung(const hand& a, const hand& b) {
    const int v = meldWert(a);
    const int wildB = wildAnzahl(b);
    bool moeglich = false;
    if ((v == kZwei || v == kJoker) && cg.canasta.wildeCanastas) {
        moeglich = wildB + a.anz >= 7;
    } else if (v != 0) {
        bool rot = false;
        for (int i = 1; i <= a.anz; ++i) rot = rot || istRoteDrei(a.at(i));
        const int naturB = wertAnzahl(b, v);
        const int naturA = wertAnzahl(a, v);
        moeglich = !rot && naturA + naturB >= 4 && wildB + a.anz + naturB >= 7;
    }
    if (!moeglich) return karte{};
    for (int i = b.anz; i >= 1; --i)
        if (b.at(i).t == v && !istWild(b.at(i))) return b.at(i);
    if (a.anz >= 7) return karte{};
    for (int i = b.anz; i >= 1; --i)
        if (b.at(i).t == kJoker) return b.at(i);
    for (int i = b.anz; i >= 1; --i)
        if (b.at(i).t == kZwei) return b.at(i);
    return karte{};
}

}  // namespace canasta
