// The move executor: one move of a game turned into the card moves of the table.
#include <cstring>

#include "core/gtool.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/text.h"
#include "table/glu_intern.h"
#include "table/k12.h"

namespace glu {

namespace {

auto& hk = tischhooks::tab;

constexpr int kUnset = 7777777;

void record(int s, int n) {
    cg.bewegungWarten.halter = static_cast<int16_t>(s);
    cg.bewegungWarten.marke = static_cast<int16_t>(n);
    cg.bewegungWarten.aktiv = 3;
}

bool istSitz(int s) { return s >= 1 && s <= 10; }
bool istMitte(int s) { return s == 12 || s == 13 || s == 16; }
bool istTalon(int s) { return s == 11 || s == 15; }
bool istWild(const karte& c) { return hk().istWild ? hk().istWild(c) : (c.t == 14 || c.t == 9); }
bool istJoker(const karte& c) { return hk().istJoker ? hk().istJoker(c) : c.t == 14; }

// The seat's cards that stay close up in its twin as a fresh fan; the selected ones leave.
// Returns the last seat slot moved (0 when none remained).
int restInZwilling(int A, const bool* gewaehlt, int anzGewaehlt, bool jokerZurueck, float delay) {
    TSpieler& S = st(A);
    TSpieler& T = st(-A);
    const int n = num::clamp<int>(S.anz, 0, kSlots);
    T.anz = n - anzGewaehlt + (jokerZurueck ? 1 : 0);
    if (T.anz < 0) T.anz = 0;
    seatposition(T, 0, static_cast<float>(T.anz));
    int davor = 0, letzter = 0;
    for (int s = 1; s <= n; ++s) {
        if (gewaehlt[s]) {
            ++davor;
            continue;
        }
        const int ziel = s - davor + (jokerZurueck ? 1 : 0);
        T.at(ziel).c = S.at(s).c;
        movecard(A, s, -A, ziel, 0, 2, 1, delay, -1, 0);
        letzter = s;
    }
    return letzter;
}

// Marks the seat's slots named by the first n cards of the selection. Refuses with the message,
// before any card moves, a slot outside the stack, one chosen twice, or more than stack 12 holds.
bool auswahlMarkieren(const hand& sel, int n, const TSpieler& S, const TSpieler& M, bool* gewaehlt) {
    std::memset(gewaehlt, 0, sizeof(bool) * (kSlots + 1));
    for (int i = 1; i <= n; ++i) {
        const int slot = sel.at(i).nr;
        if (slot < 1 || slot > S.anz || gewaehlt[slot] || M.anz + n > kSlots) {
            msgsink::show(text::w("Fehler in glu.executemove: ungültige Auswahl ") + zahl(slot));
            return false;
        }
        gewaehlt[slot] = true;
    }
    return true;
}

std::string amtText(int A, int T) {
    return "FEHLER at amtAnlegen(" + zahl(A) + "->" + zahl(T) + "." + zahl(T) + "): ";
}

void neueMeldung(int A, int T) {
    if (!istSitz(A)) return;
    hand sel = cg.gespielteHand;
    const int n = num::clamp<int>(sel.anz, 0, kHandMax);
    if (cg.spielId == 4) {
        hand geordnet = sel;
        int k = 0;
        for (int i = 1; i <= n; ++i)
            if (istWild(sel.at(i))) geordnet.at(++k) = sel.at(i);
        for (int i = 1; i <= n; ++i)
            if (!istWild(sel.at(i))) geordnet.at(++k) = sel.at(i);
        sel = geordnet;
    }
    TSpieler& S = st(A);
    TSpieler& M = st(12);
    static bool gewaehlt[kSlots + 1];
    if (!auswahlMarkieren(sel, n, S, M, gewaehlt)) return;
    if (n == 0 || zugliste.anz + S.anz > kZuege) return;
    const int p = k12.neuerStapel(cg.aktSpieler, n);
    if (p == 0) return;
    for (int i = 1; i <= S.anz; ++i) S.at(i).c.nr = static_cast<uint16_t>(i);
    const bool nichtsBleibt = n == S.anz;
    const int basis = M.anz;
    int letzterGewaehlt = 0;
    for (int i = 1; i <= n; ++i) {
        const int slot = sel.at(i).nr;
        const int t = basis + i;
        M.at(t).c = S.at(slot).c;
        M.at(t).hi = p;
        M.at(t).pilePos = i;
        k12.pile(p).at(i) = S.at(slot).c;
        k12.pile(p).at(i).nr = static_cast<uint16_t>(t);
        // with no card left in the hand the last card sets the seat's count (to its twin's, 0)
        const int marker = (nichtsBleibt && i == n) ? 0 : -1;
        movecard(A, slot, T, t, 1, 2, 2, 0.15f * static_cast<float>(i - 1), marker, 0);
        letzterGewaehlt = slot;
    }
    if (nichtsBleibt) st(-A).anz = 0;
    const int letzter = restInZwilling(A, gewaehlt, n, false, 0.15f * static_cast<float>(n));
    record(A, letzter != 0 ? letzter : letzterGewaehlt);
}

void anlegen(int A, int B, int T, int D) {
    if (!istSitz(A) || !slotOk(D)) return;
    const hand sel = cg.gespielteHand;
    const int n = num::clamp<int>(sel.anz, 0, kHandMax);
    if (n == 0) {
        // nothing to lay: starting the meld animation without a card would never end
        msgsink::show(text::w(amtText(A, T) + "cg.gs.bl.selhand.anz=0"));
        return;
    }
    TSpieler& S = st(A);
    TSpieler& M = st(12);
    stapelZuHand(S);
    hand work;
    std::memset(static_cast<void*>(&work), 0, sizeof(work));
    static bool gewaehlt[kSlots + 1];
    if (!auswahlMarkieren(sel, n, S, M, gewaehlt)) return;
    for (int i = 1; i <= n; ++i) {
        const int slot = sel.at(i).nr;
        work.at(i) = S.hand.at(slot);
        work.at(i).nr = static_cast<uint16_t>(slot);
    }
    work.anz = static_cast<int16_t>(n);
    if (zugliste.anz + S.anz + 1 > kZuege) return;
    const int p = M.at(D).hi;
    const int position = M.at(D).pilePos;
    hand neu;
    if (cg.spielId == 3) {
        neu = k12.legenanhand(work, p, position);
        if (hk().isset && !hk().isset(neu)) msgsink::show(text::w(amtText(A, T) + "isset(newh)=false"));
    } else {
        neu = k12.calegenanhand(work, p);
        if (hk().ismeldung && !hk().ismeldung(neu))
            msgsink::show(text::w(amtText(A, T) + "ismeldung(newh)=false"));
    }
    // the pile's own cards take their new places in the grown meld
    for (int x = 1; x <= neu.anz; ++x) {
        const int tag = neu.at(x).nr;
        if (tag >= 1 && tag <= kSlots && M.at(tag).hi == p) M.at(tag).pilePos = x;
    }
    hand vorher;
    k12.stapelZuHand(p, vorher);
    int jokerSlot = 0;
    for (int i = vorher.anz; i >= 1; --i)
        if (istJoker(vorher.at(i))) {
            jokerSlot = vorher.at(i).nr;
            break;
        }

    bool genommen[kHandMax + 1] = {};
    int j = 0, moveIndex = kUnset, laidPos = 0, freiSlot = 0;
    karte ersatz{};
    for (int i = 1; i <= n; ++i) {
        const int quelle = work.at(i).nr;
        int t = M.anz + i - j;
        int x = 0;
        for (int k = 1; k <= neu.anz && !x; ++k)
            if (!genommen[k] && neu.at(k).nr == 1000 + i) x = k;
        for (int k = 1; k <= neu.anz && !x; ++k)
            if (!genommen[k] && neu.at(k).nr == 444 && gleich(neu.at(k), work.at(i))) x = k;
        if (x == 0) continue;
        genommen[x] = true;
        if (cg.spielId == 3 && neu.at(x).nr == 444 && jokerSlot != 0) {
            ++j;
            t = jokerSlot;
            laidPos = x;
            freiSlot = jokerSlot;
            ersatz = work.at(i);
        }
        M.at(t).hi = p;
        M.at(t).pilePos = x;
        if (t > M.anz && slotOk(quelle)) {
            M.at(t).c.t = S.at(quelle).c.t;
            M.at(t).c.f = S.at(quelle).c.f;
        }
        movecard(A, quelle, T, t, 1, 2, 2, 0, -1, 0);
        moveIndex = quelle;
    }
    if (moveIndex == kUnset && n >= 1) moveIndex = work.at(n).nr;
    if (moveIndex == kUnset)
        msgsink::show(text::w("ACHTUNG! Speicherfehler at amove.amtAnlegen(") + zahl(A) + "." + zahl(B) +
                      "->" + zahl(T) + "." + zahl(D) + "): movei not set!");
    k12.anlegenStarten(work, neu, p, A, moveIndex, true, laidPos, freiSlot, ersatz, freiSlot);
    const bool jokerZurueck = k12.jokerFrei != 0;
    if (jokerZurueck) {
        const karte joker = M.at(k12.jokerSlot).c;
        // the Joker's cell goes with it: the natural card now holds its place in the meld
        st(-A).at(1).c = joker;
        movecard(12, k12.jokerSlot, -A, 1, 1, 2, 3, 0, 0, 0);
    }
    const int letzter = restInZwilling(A, gewaehlt, n, jokerZurueck, 0);
    record(A, letzter);
}

void ablegen(int A, int B, int T, int D, int count) {
    if (!gueltig(A) || !gueltig(T)) return;
    if (count == 1) {
        TSpieler& Z = st(T);
        if (Z.anz >= kSlots) {
            // shifting the pile up would push its top card into slot 167
            msgsink::show(text::w("Fehler in glu.executemove: Stapel ") + zahl(T) + text::w(" ist voll"));
            return;
        }
        if (!slotOk(B) || B > st(A).anz) return;
        const karte c = st(A).at(B).c;
        int p = gtool::einfuegePosition(Z, c);
        p = num::clamp(p, 1, Z.anz + 1);
        if (cg.spielId == 2) cg.schwimmen.abgelegtPos = p;
        TSpieler& Zw = st(-T);
        for (int k = Z.anz; k >= p; --k) {
            TKartenSlot& oben = Zw.at(k + 1);
            oben.c = Z.at(k).c;
            copyplacement(oben, Z.at(k));
            oben.z = -97;
            Z.at(k).z = -97;
            movecard(T, k, T, k + 1, 0, 2, 1, 0, 0, 0);
        }
        playcard(A, B, -1, p);
        record(A, B);
        return;
    }
    TSpieler& Q = st(A);
    if (Q.anz >= 3) gtool::stapelSortieren(Q, Q.anz - 2, 3, true);
    for (int i = 0; i < count; ++i) movecard(A, B - i, T, D - i, 0, 2, 1, 0, 0, 0);
    record(A, B + count - 1);
}

void allgemein(int A, int B, int T, int D, int count) {
    if (A == 13 && istSitz(T)) {
        for (int i = 0; i < count; ++i) movecard(13, B + i, T, D + i, 1, 2, 14, 0, 0, 0);
        record(13, B + count - 1);
    } else if (istMitte(A) && istSitz(T)) {
        if (count == 1) {
            TSpieler& Q = st(A);
            if (!slotOk(B) || B > Q.anz) return;
            const int anz = Q.anz;
            dealcards(T, 1, anz - B, 0, A, 0);
            TSpieler& Zw = st(-A);
            for (int j = B; j <= anz - 1; ++j) {
                Zw.at(j).c = Q.at(j + 1).c;
                copyplacement(Zw.at(j), Q.at(j));
                Zw.at(j).z = -97;
                movecard(A, j + 1, A, j, 0, 2, 1, 0, 0, 0);
            }
        } else {
            for (int i = 0; i < count; ++i) movecard(A, B - i, -T, D - i, 1, 2, 3, 0, 0, 0);
        }
        record(A, B);
    } else if (istTalon(A) && istSitz(T)) {
        dealcards(T, count, 0, 0, 11, 0);
        record(11, B - count + 1);
    } else if (A == 11 && T == 15) {
        for (int i = 0; i < count; ++i) movecard(11, B - i, 15, D - i, 1, 2, 14, 0, 0, 0);
        record(11, B - count + 1);
    } else if (istSitz(A) && istMitte(T)) {
        if (count > 1) {
            const int basis = st(T).anz;
            static bool gewaehlt[kSlots + 1];
            std::memset(gewaehlt, 0, sizeof(gewaehlt));
            for (int i = 0; i < count; ++i) {
                if (slotOk(B + i) && B + i <= st(A).anz) gewaehlt[B + i] = true;
                movecard(A, B + i, T, basis + 1 + i, 1, 2, 2, 0, -1, 0);
            }
            // the seat's other cards close up, so its count follows the cards it holds
            restInZwilling(A, gewaehlt, count, false, 0);
        } else {
            playcard(A, B, T == 13 ? 13 : 12, 0);
        }
        record(A, B + count - 1);
    } else if (istTalon(A) && T == 12) {
        for (int i = 0; i < count; ++i)
            movecardrecord(11, B - i, 12, D + i, 0, 3, 7, 0.1f * static_cast<float>(i), count);
        record(11, B - count + 1);
    } else if (istMitte(A) && istMitte(T)) {
        for (int i = 0; i < count; ++i) movecard(A, B - i, T, D - i, 1, 2, 15, 0, 0, 0);
        record(A, B - count + 1);
    } else if (istTalon(A) && istTalon(T)) {
        for (int i = 0; i < count; ++i) movecard(A, B - i, T, D - i, 1, 2, 14, 0, 0, 0);
        record(A, B - count + 1);
    } else if (istMitte(A) && istTalon(T)) {
        for (int i = 0; i < count; ++i) movecard(A, B - i, T, D - i, 1, 3, 7, 0, count, 0);
        record(A, B - count + 1);
    }
}

}  // namespace

void executemove(int A, int B, int T, int D, int count, uint8_t type, int last) {
    (void)last;
    if (count < 0 || count > kSlots) {
        msgsink::error(text::w("Fehler in glu.executemove: Anzahl ") + zahl(count));
        return;
    }
    switch (type) {
        case 7:
            dealcards(T, count, 0, 0, 13, 0);
            record(13, 1);
            break;
        case 6:
            for (int i = 0; i < count; ++i)
                movecard(A, B - i, T, D + i, 1, 3, 16, 0.1f * static_cast<float>(i), 0, 0);
            record(A, 1);
            break;
        case 5:
            if (A == 13 && T >= 1 && T <= 9) {
                dealcards(T, count, 0, 0, 13, 0);
                record(A, B - count + 1);
            }
            break;
        case 4:
            anlegen(A, B, T, D);
            break;
        case 3:
            neueMeldung(A, T);
            break;
        case 2:
            ablegen(A, B, T, D, count);
            break;
        case 1:
            playcard(A, B, -1, 0);
            record(A, B + count - 1);
            break;
        case 0:
            allgemein(A, B, T, D, count);
            break;
        default:
            break;
    }
}

}  // namespace glu
