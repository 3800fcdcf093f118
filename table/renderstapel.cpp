#include "table/renderstapel.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "core/cg.h"
#include "platform/num.h"
#include "table/glu.h"
#include "table/k12.h"
#include "table/kamera.h"
#include "table/kartenmesh.h"
#include "table/render.h"
#include "table/tischhooks.h"

namespace glu {

int32_t picknamefor(int stack, int slot) {
    if (stack >= 11) return stack * 200 + (slot >= 200 ? 1 : slot);
    return stack * 100 + slot;
}

uint8_t (*pokerSeatState)(int seat) = nullptr;
bool (*schnapsenTalonZu)() = nullptr;
bool (*schnapsenPaarKarteOffen)(int stack, int slot) = nullptr;

namespace {

bool isChipGame() { return cg.spielId == 8 || cg.spielId == 9; }

const TSpieler& S(int spi) { return spi > 0 ? spieler[spi - 1] : spielerZwilling[-spi - 1]; }

uint32_t faceTexture(const karte& c) {
    if (c.f < 1 || c.f > 4 || c.t < 1 || c.t > 14) return 0;
    return tex.face[c.f][c.t];
}

bool atRest(const TKartenSlot& k) { return k.bewegung.active == 0; }

void emit(DrawList& out, int stack, int slot, uint32_t texture, bool face, bool back, bool highlight) {
    DrawReq q;
    q.stack = static_cast<int16_t>(stack);
    q.slot = static_cast<int16_t>(slot);
    q.highlight = highlight;
    q.pickName = pickName;
    if (face) {
        q.texture = texture;
        q.backSide = false;
        out.add(q);
    }
    if (back) {
        q.texture = tex.back;
        q.backSide = true;
        q.roundX = true;
        out.add(q);
    }
}

// A face-down card shown open: in flight its face side, then its back side with the face
// picture; at rest only the back side with the face picture.
void emitOpen(DrawList& out, int stack, int slot, uint32_t texture, bool rest, bool highlight) {
    DrawReq q;
    q.stack = static_cast<int16_t>(stack);
    q.slot = static_cast<int16_t>(slot);
    q.highlight = highlight;
    q.pickName = pickName;
    q.texture = texture;
    if (!rest) out.add(q);
    q.backSide = true;
    out.add(q);
}

bool talonClosed() { return cg.spielId == 7 && schnapsenTalonZu && schnapsenTalonZu(); }

bool samePartyOnTurn(int owner) {
    if (owner == cg.aktSpieler) return true;
    const auto& t = tischhooks::tab();
    return cg.spielId == 4 && t.gleichePartei && t.gleichePartei(owner, cg.aktSpieler);
}

// The selection pass in the meld grid offers only the piles the human's selection can be laid
// onto; asked once per pile and pass.
hand auswahl;
int8_t anlegbarMerk[kPiles + 1];

void auswahlNeu() {
    std::memset(static_cast<void*>(&auswahl), 0, sizeof(auswahl));
    if (tischhooks::tab().auswahlHand) tischhooks::tab().auswahlHand(auswahl);
    std::fill(std::begin(anlegbarMerk), std::end(anlegbarMerk), int8_t{-1});
}

bool anlegbarPile(int hi) {
    if (hi < 1 || hi > kPiles) return false;
    if (anlegbarMerk[hi] < 0) anlegbarMerk[hi] = k12.anlegbar(auswahl, hi) ? 1 : 0;
    return anlegbarMerk[hi] != 0;
}

// A canasta: a meld of seven cards or more.
int pileCount(int hi) { return hi >= 1 && hi <= kPiles ? k12.pile(hi).anz : 0; }

void tableCard(DrawList& out, int stack, int slot, int sweep, bool meld) {
    const TSpieler& s = S(stack);
    const TKartenSlot& k = s.at(slot);
    const bool sel = renderPass == 1;
    const bool mirror = renderPass == 3;
    const bool shadow = renderPass == 2;
    const auto& e = cg.entscheidung;
    const bool pileClicks = e.stapelKlick != 0;
    if (sel && !pileClicks && slot != s.anz && slot != 1) return;
    if (pickingFlag && !((stack == e.klickStapel1 || stack == e.klickStapel2) && pileClicks)) return;
    if (k.c.t == 0 || k.c.t >= 100) return;
    pickName = picknamefor(stack, slot);
    uint32_t texture = faceTexture(k.c);
    bool highlight = false;
    const bool rest = atRest(k);
    const TBewegung& b = k.bewegung;
    const bool bj = cg.spielId == 9;
    // Black Jack: does the card land face up where it goes (no game answer: it does)
    const auto bjOffen = [&b] {
        const auto f = tischhooks::tab().bjKarteOffen;
        return f ? f(b.toStack, b.toSlot) : true;
    };
    if (!rest) {
        if (!bj && b.toStack <= -2 && b.toStack >= -10 && b.fromStack != 12 && b.fromStack != 13 &&
            b.fromStack != 16)
            texture = tex.s0;
        if (bj && b.toStack <= -1 && b.toStack >= -10 && !bjOffen()) texture = tex.s0;
        if (cg.spielId == 1 && mirror && (b.fromStack == 11 || b.fromStack == 15) &&
            (b.toStack == 11 || b.toStack == 15))
            texture = tex.s0;
        if (b.toStack == b.fromStack && b.toStack != 12 && b.toStack != 13 && !(bj && bjOffen()))
            texture = tex.s0;
    }
    if (cg.spielId == 0 && stack == 11 && S(14).anz == 1) highlight = true;
    const bool grid = meld && stack == 12;
    if (grid) {
        // another party's meld lights up while the human may lay on
        const int hi = k.hi, m = k12.d.anz2;
        if (hi >= 1 && hi <= 20 + m && hi <= kPiles && !samePartyOnTurn(k12.pile(hi).besitzer)) {
            const int sub = cg.phase.schritt;
            highlight = highlightlegal() && sub != 9 && sub != 10;
        }
    }

    bool face = true, back = true;
    if (rest) {
        if (stack == 11 || stack == 15)
            face = false;
        else
            back = false;
    }
    if (shadow) {
        face = true;
        back = false;
    }
    if (mirror) {
        std::swap(face, back);
        const bool closed = talonClosed();
        const bool bjOpen = bj && bjOffen();
        // a closed Schnapsen talon shows its top card (the trump) in the mirror too
        if (!(closed && stack == 11 && slot == s.anz)) {
            if (stack == 11 && !pileClicks && tischhooks::schale().tischModus == 1 && !closed && !bjOpen)
                texture = slot == 1 ? 0 : tex.s0;
            if (rest && !bjOpen) texture = tex.s0;
        }
    }
    const bool above = slot < s.anz ? atRest(s.at(slot + 1)) : true;
    // a meld card its owner's panel lifts (motion kind 4) is still mirrored and, at low detail,
    // the only card of the middle that casts a shadow
    bool raised = false;
    if ((face || back) && rest && above) {
        const bool kind4 = b.kind == 4;
        if (stack == 12 && mirror && kind4) {
            raised = true;
            face = false;
        }
        if (renderOptions.LowDetailShadows) {
            const bool down = isfacedownstack(stack);
            if (shadow && !iscardvisible(stack, slot)) return;
            if (stack == 12 && shadow) {
                if (!kind4) return;
                back = false;
            }
            if ((sel || mirror) && down && slot != 1 && slot < s.anz && slot % 4 != 0) return;
            if (renderPass == 0 && down && slot != 1 && slot < s.anz - 1 && slot % 2 != 0) return;
        }
    }
    if (sel && grid && !anlegbarPile(k.hi)) return;
    if (mirror) {
        if (sweep == 0)
            face = false;
        else
            back = false;
        const bool lowest = renderOptions.LowestDetail != 0;
        const bool meldGame = cg.spielId == 3 || cg.spielId == 4;
        bool meldBack = false;
        if (stack == 12 && meldGame && (!rest || (k12.d.aktiv && !lowest))) {
            meldBack = sweep == 1 && !highlight;
            back = meldBack;
            face = false;
        }
        // a resting card lying flat on a middle pile leaves no mirror image, but a canasta
        // stands out in it
        if (stack != 11 && !isfacedownstack(stack) && rest && !raised) {
            face = false;
            back = meldBack;
            if (cg.spielId == 4 && stack == 12 && pileCount(k.hi) >= 7 && sweep == 1 && !highlight && !lowest)
                back = true;
        }
    }
    if (cg.spielId == 4 && stack == 12 && rest && renderOptions.LowestDetail && !k12.d.aktiv &&
        cg.bewegungWarten.aktiv == 0) {
        // at the lowest detail a canasta draws every other card only
        const int cnt = pileCount(k.hi);
        if (cnt >= 7 && (cnt - k.pilePos) % 2 != 0) return;
    }
    if (bj && (stack == 11 || stack == 13)) {
        // Black Jack's shoe and discard: these rules replace the sides decided above
        const bool toDiscard = !rest && b.toStack == 13;
        const bool thin = renderOptions.LowDetailShadows && slot != 1 && slot != s.anz && slot % 3 != 0;
        if (renderPass == 0) {
            face = back = true;
            if (rest || stack == 13 || toDiscard) face = false;
            if (thin) back = false;
        } else if (mirror) {
            back = sweep == 0 && !rest;
            face = sweep == 1;
            if (stack == 13 || rest || b.toStack == 11 || b.toStack == 13) texture = tex.s0;
            if (thin) face = false;
        }
    }
    if (renderOptions.keineTische) return;
    const int before = out.n;
    emit(out, stack, slot, texture, face, back, highlight);
    for (int i = before; i < out.n; ++i) out.r[i].meldCell = grid;
}

void seatCard(DrawList& out, int stack, int slot, int sweep) {
    const TSpieler& s = S(stack);
    const TKartenSlot& k = s.at(slot);
    const bool mirror = renderPass == 3;
    const bool shadow = renderPass == 2;
    if (pickingFlag && stack != 1 && stack != 11) return;
    if (k.c.t == 0 || k.c.t >= 100) return;
    pickName = picknamefor(stack, slot);
    uint32_t texture = faceTexture(k.c);
    bool highlight = stack == 1 && highlightlegal();
    const bool rest = atRest(k);
    const bool lifting = !rest && k.bewegung.kind == 1;
    bool face = true, back = true;
    if (rest || lifting) {
        face = stack == 1;
        back = stack != 1;
    }
    if (s.gleiten.active) {
        face = back = true;
    } else if (ishandopen(stack)) {
        face = true;
        back = false;
    }
    if (shadow) {
        face = true;
        back = false;
    }
    if (mirror && stack == 1 && (rest || lifting)) return;
    if (mirror) {
        if (sweep == 0)
            face = false;
        else
            back = false;
        if (isfacedownstack(stack)) {
            face = sweep == 0;
            back = false;
            texture = tex.s0;
        }
        if (cg.spielId == 1 && !rest && k.bewegung.toStack == 11) texture = tex.s0;
    }
    if ((face || back) && renderOptions.LowDetailShadows) {
        const bool above = slot < s.anz ? atRest(s.at(slot + 1)) : true;
        const bool kind2 = k.bewegung.kind == 2 || (slot < s.anz && s.at(slot + 1).bewegung.kind == 2);
        if ((rest && above) || kind2) {
            if (isfacedownstack(stack)) {
                if (mirror && !iscardvisible(stack, slot) && slot % 2 == 1) return;
                if (shadow && !iscardvisible(stack, slot) && slot % 3 != 0) return;
            }
            if (stack == 1 && mirror && renderOptions.LowestDetail) return;
            if (stack != 1 && s.anz >= 10 && cg.spielId != 1 && shadow && slot % 2 == 1 && slot != 1 &&
                slot != s.anz)
                return;
        }
    }
    if (cg.spielId == 9) {
        const auto offen = [](int st, int sl) {
            return tischhooks::tab().bjKarteOffen ? tischhooks::tab().bjKarteOffen(st, sl) : true;
        };
        if (mirror && stack == 1 && !offen(1, slot) && (slot == 1 || !cg.blackjack.siebzehnUndVier)) {
            face = true;
            back = false;
        }
        if (renderPass == 0) {
            face = back = true;
            if (rest || stack == 13 || (!rest && k.bewegung.toStack == 13)) {
                if (stack == 7 || stack == 11 || stack == 13) {
                    face = false;
                    if (renderOptions.LowDetailShadows && slot != 1 && slot != s.anz && slot % 3 != 0)
                        back = false;
                } else if (stack != 1) {
                    face = offen(stack, slot);
                    back = !face;
                }
            }
        }
        const int to = k.bewegung.toStack;
        if (!rest && to <= -2 && to >= -10 && !offen(to, k.bewegung.toSlot)) texture = tex.s0;
    }
    if (isChipGame() && stack <= anzSitze && pokerSeatState && pokerSeatState(stack) == 2) highlight = true;
    // The pick sees every card of a hand that may play, so a card that may not be played still
    // hides the cards beneath it; the pick's caller refuses it.
    if (renderPass == 1 && !cg.entscheidung.kartenSpiel) return;
    if (renderOptions.keineTische) return;
    // an open card replaces the sides decided, once per card (the mirror's other sweep draws none)
    if (!shadow && (face || back) && cg.spielId == 7 && schnapsenPaarKarteOffen &&
        schnapsenPaarKarteOffen(stack, slot)) {
        emitOpen(out, stack, slot, texture, rest, highlight);
        return;
    }
    emit(out, stack, slot, texture, face, back, highlight);
}

}  // namespace

int meldwalk(int out[], int capacity) {
    int n = 0;
    if (!cg.ablauf.meldModus) return 0;
    const bool mirror = renderPass == 3;
    if (!(renderPass == 0 && highlightlegal()) && !mirror) return 0;
    const int anz = S(12).anz;
    const int n1 = k12.d.anz1, n2 = k12.d.anz2;
    const auto take = [&](int p, bool lastFirst) {
        if (p < 1 || p > kPiles) return;
        const TPile& pile = k12.pile(p);
        const int cnt = pile.anz;
        for (int e = 0; e < cnt && e < kPileMax; ++e) {
            const int slot = pile.at(lastFirst ? cnt - e : e + 1).nr;
            if (!mirror && slot > anz) continue;  // passed over
            if (n < capacity) out[n++] = p * 1000 + slot;
        }
    };
    if (mirror) {
        for (int p = 1; p <= n1 && p <= kSide1Piles; ++p) take(p, false);
        for (int p = 21; p <= 20 + n2 && p <= kPiles; ++p) take(p, false);
    } else {
        for (int p = std::min(20 + n2, kPiles); p >= 21; --p) take(p, true);
        for (int p = std::min(n1, kSide1Piles); p >= 1; --p) take(p, true);
    }
    return n;
}

void collectstacks(DrawList& out) {
    out.n = 0;
    const bool sel = renderPass == 1;
    if (sel && cg.aktSpieler != 1) return;
    mirrorSign = renderPass == 3 ? -1.0f : 1.0f;
    anzTischStapel = 6;
    if (sel && cg.ablauf.meldModus) auswahlNeu();
    const bool mirror = renderPass == 3;
    // table stacks 16, 15, 13, 12, 11: stack 14 is never drawn
    for (int sweep = mirror ? 0 : 1; sweep <= 1; ++sweep) {
        for (int j = 1; j <= 6; ++j) {
            if (j == 3) continue;
            const int stack = 10 + anzTischStapel + 1 - j;
            const int anz = S(stack).anz;
            static int walk[kPiles * kPileMax];
            const int walkN = stack == 12 ? meldwalk(walk, kPiles * kPileMax) : 0;
            for (int kk = 1; kk <= anz && kk <= kSlots; ++kk) {
                if (kk <= walkN) {
                    // a walk entry is drawn only where its slot still names its pile
                    const int pile = walk[kk - 1] / 1000, slot = walk[kk - 1] % 1000;
                    if (slot >= 1 && slot <= anz && S(12).at(slot).hi == pile)
                        tableCard(out, stack, slot, sweep, true);
                    continue;
                }
                tableCard(out, stack, sweep == 0 ? anz + 1 - kk : kk, sweep, cg.ablauf.meldModus != 0);
            }
        }
    }
    int last = cg.ablauf.anzSpieler > 0 ? cg.ablauf.anzSpieler : anzSitze;
    const int g = cg.spielId;
    if (g == 5 || g == 6 || g == 7 || g == 9 || g == 12) last = anzSitze + 6;
    if (sel) last = 1;
    if (last > 10) last = 10;
    for (int sweep = mirror ? 0 : 1; sweep <= 1; ++sweep) {
        for (int stack = 1; stack <= last; ++stack) {
            const int anz = S(stack).anz;
            for (int kk = 1; kk <= anz && kk <= kSlots; ++kk) {
                const bool reverse = (mirror && sweep == 1) || g == 9;
                seatCard(out, stack, reverse ? anz + 1 - kk : kk, sweep);
            }
        }
    }
}

void drawstacks(uint8_t /*flag*/) {
    static DrawList list;
    collectstacks(list);
    for (int i = 0; i < list.n; ++i) {
        const DrawReq& q = list.r[i];
        if (q.meldCell) {
            TSpieler& m = spieler[11];
            TKartenSlot& cell = m.at(q.slot);
            const int hi = cell.hi;
            if (hi >= 1 && hi <= kPiles) {
                k12.stapelPosition(hi, m.pos);
                m.aktPos = m.pos;
                if (!(k12.d.aktiv && k12.jokerFrei && k12.jokerSlot == q.slot)) {
                    TKartenSlot placed = cell;
                    k12.zellenPlatz(hi, cell.pilePos, placed, false, q.slot);
                    copyplacement(cell, placed);
                }
            }
        }
        const TKartenSlot& k = S(q.stack).at(q.slot);
        CardArgs a;
        a.texture = q.texture;
        a.sideways = k.face == 2 ? 1 : 0;
        a.backSide = q.backSide;
        a.x = q.roundX ? static_cast<float>(num::round(k.x)) : k.x;
        a.y = k.y;
        a.z = k.z;
        a.corner = 5;
        a.bend = k.draw2;
        a.tilt = k.draw1;
        a.a1 = k.a1;
        a.a2 = k.a2;
        a.a3 = k.a3;
        liftoffset(k.bewegung, a);
        a.stack = q.stack;
        a.slot = q.slot;
        a.highlight = q.highlight;
        pickName = q.pickName;
        drawcard(a);
    }
}

}  // namespace glu
