#include "table/glu.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <utility>

#include "core/central.h"
#include "core/gtool.h"
#include "core/seams.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "platform/ticks.h"
#include "table/glu_intern.h"
#include "table/k12.h"

namespace tischcg {
Felder tz;
}

namespace tischhooks {
namespace {
Tabelle tabelle;
Schale ohneSchale;
}  // namespace
Tabelle& tab() { return tabelle; }
void reset() {
    tabelle = Tabelle{};
    ohneSchale = Schale{};
}
Schale& schale() { return tabelle.schale ? *tabelle.schale : ohneSchale; }
}  // namespace tischhooks

namespace glu {

alignas(8) TSpieler spieler[kStapel];
alignas(8) TSpieler spielerZwilling[kStapel];
int32_t anzSitze = 0;
int32_t anzTischStapel = 0;
TZugliste zugliste;
TFertigliste fertigliste;
float zeitschritt = 0;
int32_t vergangen = 0;
bool bjEroeffnung = false;
float aktFps = 0;

namespace {
uint32_t letzterTick = 0;
// Per stack (with its twin): the highest slot where a card may be in motion, 0 for none. A frame
// visits the slots of a stack up to this or up to the counts of the stack and its twin, whichever
// is higher. A motion starts only in movecard or liftcard, and a frame lowers the bound to the
// highest slot it leaves moving.
std::array<int, kStapel + 1> g_grenze = [] {
    std::array<int, kStapel + 1> g{};
    g.fill(kSlots);
    return g;
}();
void alleBewegt() { g_grenze.fill(kSlots); }
void bewegtMelden(int stack, int slot) {
    const int a = stack < 0 ? -stack : stack;
    if (a >= 1 && a <= kStapel && slot >= 1 && slot <= kSlots) {
        if (g_grenze[static_cast<size_t>(a)] < slot) g_grenze[static_cast<size_t>(a)] = slot;
    } else {
        alleBewegt();
    }
}
auto& tz = tischcg::tz;
auto& hk = tischhooks::tab;
}  // namespace

TSpieler* stapel(int spi, const char* routine) {
    if (gueltig(spi)) return &st(spi);
    msgsink::error(text::w("Fehler in ") + routine + text::w(": ungültiger Stapel ") + zahl(spi));
    return nullptr;
}

void reset() {
    std::memset(static_cast<void*>(spieler), 0, sizeof(spieler));
    std::memset(static_cast<void*>(spielerZwilling), 0, sizeof(spielerZwilling));
    std::memset(static_cast<void*>(&zugliste), 0, sizeof(zugliste));
    std::memset(static_cast<void*>(&fertigliste), 0, sizeof(fertigliste));
    for (int s = 1; s <= kStapel; ++s) {
        spieler[s - 1].id = s;
        spielerZwilling[s - 1].id = s;  // a twin shares its stack's place and fan
    }
    anzSitze = 0;
    anzTischStapel = 0;
    zeitschritt = 0;
    vergangen = 0;
    letzterTick = 0;
    bjEroeffnung = false;
    hover = Hover{};
    alleBewegt();
}

void copyplacement(TKartenSlot& dst, const TKartenSlot& src) {
    std::memcpy(reinterpret_cast<char*>(&dst) + kPlacementBegin,
                reinterpret_cast<const char*>(&src) + kPlacementBegin, kPlacementEnd - kPlacementBegin);
}

void copyplacementkeepcell(TKartenSlot& dst, const TKartenSlot& src) {
    int32_t hi = dst.hi, pp = dst.pilePos;
    copyplacement(dst, src);
    dst.hi = hi;
    dst.pilePos = pp;
}

void stapelZuHand(TSpieler& s) {
    int n = num::clamp<int>(s.anz, 0, kHandMax);
    s.hand.anz = static_cast<int16_t>(n);
    for (int i = 1; i <= n; ++i) {
        s.hand.at(i) = s.at(i).c;
        s.hand.at(i).nr = static_cast<uint16_t>(i);
    }
    s.idKopie = s.id;
}

void handVonSitz(int seat, hand& h) {
    if (seat < 1 || seat > 20) return;
    stapelZuHand(spieler[seat - 1]);
    h = spieler[seat - 1].hand;
}

void handZuStapel(TSpieler& s) {
    int n = num::clamp<int>(s.hand.anz, 0, kSlots);
    s.anz = n;
    for (int i = 1; i <= n; ++i) s.at(i).c = s.hand.at(i);
}

void effekt(int sound, int stack, int slot) {
    if (hk().effekt) hk().effekt(sound, stack, slot);
}

// ---------------------------------------------------------------- card moves

namespace {

// Adds 0x80 and 0x01 each with even chance: the side and kind of a flight's wobble.
int32_t variation() {
    int32_t v = 0;
    if (rnd::uniform() < 0.5) v += 0x80;
    if (rnd::uniform() < 0.5) v += 1;
    return v;
}

bool schwimmenTausch() { return cg.spielId == 2 && cg.phase.nr == 4 && tz.phase2 == 4; }

// The motion step advances the cards of the seats (at most six) with their twins and of the
// table stacks 11..16; a move from any other stack would never land.
bool wirdBewegt(int spi) {
    const int a = spi < 0 ? -spi : spi;
    return a <= 6 || (spi >= 11 && spi <= 16);
}

bool fuegtHinzu(int moveKind) {
    switch (moveKind) {
        case 2:
        case 4:
        case 5:
        case 7:
        case 14:
        case 15:
        case 16:
            return true;
        default:
            return false;
    }
}

}  // namespace

Flug flugcode(int moveKind, uint8_t flag, int fromStack, int toStack, int marker) {
    Flug f;
    f.marker = marker == -1 ? -1 : 0;
    switch (moveKind) {
        case 8:
            f.code = 0x2020;
            f.speedOne = true;
            break;
        case 7:
            if (marker == 0) {
                f.code = 0x2021 + variation();
                f.random = static_cast<float>(rnd::uniform());
            } else {
                f.code = 0x12121;
                f.random = 0.5f;
            }
            if (cg.spielId == 7 && toStack == 11) f.code = 0x12141;
            break;
        case 16:
            f.code = 0x12241;
            break;
        case 14:
        case 5:
            f.code = 0x2020;
            break;
        case 15:
        case 17:
        case 18:
        case 19:
        case 20:
        case 21:
            f.code = 0;
            break;
        case 4:
            f.code = toStack == 11 ? 0x13331 : 0x3231;
            if (marker == 0) {
                f.code += variation();
                f.random = static_cast<float>(rnd::uniform());
            } else {
                f.random = 0.5f;
            }
            break;
        case 3:
            f.code = toStack == -1 ? 0xd09 : 0x201;
            if (marker == 0) {
                f.code += variation();
                f.random = 1.0f;
            } else {
                f.code += 1;
                f.random = 0.8f;
                f.marker = marker;
            }
            if (fromStack == 16 && schwimmenTausch()) f.code = toStack == -1 ? 0 : 0x1230;
            if (cg.spielId == 9) f.code = 0x2021;
            break;
        default:
            if (flag == 0) {
                f.code = 0;
            } else if (toStack == 11) {
                f.code = fromStack == 1 ? 0x161 : 0x8c89;
            } else if (fromStack == 1) {
                f.code = 0x3091;
                f.random = static_cast<float>(rnd::uniform());
                if (schwimmenTausch()) {
                    f.delaySet = true;
                    f.startDelay = 0.05f;
                    f.random = 0;
                }
            } else {
                f.code = 0x1471 + variation();
                f.random = static_cast<float>(rnd::uniform());
                f.option = 1;
                if (schwimmenTausch()) {
                    f.delaySet = true;
                    f.startDelay = 0.05f;
                    f.random = 0;
                }
            }
            break;
    }
    return f;
}

bool movecard(int fromStack, int fromSlot, int toStack, int toSlot, uint8_t flag, uint8_t motionKind,
              uint8_t moveKind, float startDelay, int marker, float endHold) {
    // Everything is checked before anything changes: a refused request must leave no move
    // behind that never lands, or the game would wait for it forever.
    const std::string ids =
        zahl(fromStack) + "." + zahl(fromSlot) + ":spi" + zahl(toStack) + "." + zahl(toSlot);
    if (fromSlot < 1) {
        msgsink::show(text::w("Fehler 0: movecard from zero index at spi") + ids);
        return false;
    }
    if (!gueltig(fromStack) || fromSlot > kSlots) {
        msgsink::error(text::w("Fehler: Bereichsüberschreitung bei glu.movecard:") + zahl(fromStack) + "." +
                       zahl(fromSlot));
        return false;
    }
    if (!gueltig(toStack) || !slotOk(toSlot)) {
        msgsink::error(text::w("Fehler: Bereichsüberschreitung bei glu.movecard:") + ids);
        return false;
    }
    if (!wirdBewegt(fromStack)) {
        msgsink::error(text::w("Fehler in glu.movecard: Stapel wird nicht bewegt ") + ids);
        return false;
    }
    const TBewegung& alt = st(fromStack).at(fromSlot).bewegung;
    if (alt.active && alt.kind != 1) {
        msgsink::error(text::w("Fehler in glu.movecard: Karte fliegt schon ") + ids);
        return false;
    }
    if (fuegtHinzu(moveKind) && st(toStack).anz >= kSlots) {
        msgsink::error(text::w("Fehler in glu.movecard: Stapel voll ") + ids);
        return false;
    }
    if (zugliste.anz >= kZuege) {
        msgsink::error(text::w("Fehler in glu.movecard: Zugliste voll ") + ids);
        return false;
    }

    if (cg.spielId == 9) {
        bool offen = hk().bjKarteOffen && hk().bjKarteOffen(toStack, toSlot);
        LayoutCardPositions(toStack < 0 ? -toStack : toStack, toSlot, 1, offen ? 3 : 2, motionKind, fromSlot);
    }
    if (toStack == 11 && !(fromStack == 11 && moveKind == 1)) {
        TKartenSlot& z = st(11).at(toSlot);
        z.bewegung.state = 3;
        z.bewegung.fz = 0;
        z.a1 = 180;
        z.a3 = 20;
        z.z = 2.0f * toSlot;
        z.draw1 = z.draw2 = 0;
        z.face = 0;
    }
    tischhooks::schale().tischModus = 2;

    TKartenSlot k = st(fromStack).at(fromSlot);
    if (toStack == 12) {
        TSpieler& s14 = st(14);
        s14.anz = 1;
        s14.at(1).c.t = k.c.t;
        s14.at(1).c.f = k.c.f;
    }
    zugliste.anz += 1;
    zugliste.at(zugliste.anz) = TZug{moveKind, fromStack, fromSlot, toStack, toSlot};
    const int nr = zugliste.anz;

    if ((fromStack == 11 || fromStack == 12 || fromStack == 13) && toStack != fromStack &&
        toStack != -fromStack) {
        int n = st(fromStack).anz;
        if (fromSlot == n || fromSlot == n - 1) effekt(12, fromStack, fromSlot);
    }

    Flug f = flugcode(moveKind, flag, fromStack, toStack, marker);
    TBewegung& b = k.bewegung;
    b.state = 3;
    b.kind = motionKind;
    b.toStack = toStack;
    b.toSlot = toSlot;
    float speed = static_cast<float>(envParam.kartenSpeed);
    if (cg.spielId == 8 && seams::pokerSpeedUpActive()) speed *= seams::pokerSpeedFactor();
    if (toStack >= 7 && toStack <= 10) speed *= 0.8f;
    if (f.speedOne) speed = 1.0f;
    b.speed = speed;
    b.progress = 0;
    b.recorded = 0;
    b.started = 0;
    b.marker = f.marker;
    b.option = f.option;
    b.startDelay = f.delaySet ? f.startDelay : startDelay;
    b.endHold = endHold;
    b.flightCode = f.code;
    b.flightRandom = f.random;
    if (b.active) {
        // a raised hand card starts its flight from where it is shown
        k.x += b.fx;
        k.y += b.fy;
        k.z += b.fz;
    }
    b.active = 1;
    bewegtMelden(fromStack, fromSlot);
    b.fromStack = fromStack;
    b.fromSlot = fromSlot;
    b.moveNr = nr;
    st(fromStack).at(fromSlot) = k;
    return true;
}

bool movecardrecord(int fromStack, int fromSlot, int toStack, int toSlot, uint8_t flag, uint8_t motionKind,
                    uint8_t moveKind, float startDelay, int marker) {
    if (!movecard(fromStack, fromSlot, toStack, toSlot, flag, motionKind, moveKind, startDelay, marker, 0.0f))
        return false;
    cg.bewegungWarten.halter = static_cast<int16_t>(fromStack);
    cg.bewegungWarten.marke = static_cast<int16_t>(fromSlot);
    return true;
}

int drainfinished(CardDone done) {
    int n = 0;
    while (fertigliste.anz > 0 && zugliste.anz == 0) {
        const TFertig f = fertigliste.at(fertigliste.anz);
        fertigliste.anz -= 1;
        if (done) done(f.fromStack, f.toStack, f.fromSlot, f.toSlot, f.kind);
        ++n;
    }
    return n;
}

// ---------------------------------------------------------------- helpers

void clearplacement(TKartenSlot& s) {
    s.x = s.y = s.z = 0;
    s.a1 = s.a2 = s.a3 = 0;
    s.face = 0;
    s.draw1 = s.draw2 = 0;
    for (int i = 0; i < 6; ++i) s.words[i] = 0;
}

void karteEinlegen(TKartenSlot& s, const karte& k) {
    s.c = k;
    s.bewegung = TBewegung{};
}

int insertsorted(const TSpieler& s, const TKartenSlot& card) {
    const int8_t t = static_cast<int8_t>(card.c.t);
    for (int j = num::clamp<int>(s.anz, 0, kSlots); j >= 1; --j) {
        if (static_cast<int8_t>(s.at(j).c.t) < t) return j + 1;
    }
    return 1;
}

void playmovesound(int n) {
    if (n < 1 || n > zugliste.anz) {
        msgsink::error(text::w("Fehler in glu.playmovesound: Zug ") + zahl(n));
        return;
    }
    const TZug z = zugliste.at(n);
    const int to = z.toStack, from = z.fromStack, toSlot = z.toSlot;
    bool sound = !(to < 7 || to == from);
    if (sound && cg.spielId == 2 && (from == 15 || to == 15))
        sound = toSlot == 1 || toSlot == 4 || toSlot == 5;
    if (sound && cg.spielId == 9) {
        if (from == 13 || to == 13)
            sound = false;
        else if (to == 11)
            sound = toSlot == 1 || toSlot == 3;
    }
    if (sound) effekt(10, to, toSlot);

    if (gueltig(from) && slotOk(z.fromSlot)) {
        TKartenSlot& q = st(from).at(z.fromSlot);
        cg.letzterZug.k = q.c;
        q.bewegung.active = 0;
        q.bewegung.flightCode = 0;
        q.bewegung.option = 0;
    }
    cg.letzterZug.zielStapel = to;
    cg.letzterZug.zielSlot = toSlot;
    cg.letzterZug.quellStapel = from;
    cg.letzterZug.quellSlot = z.fromSlot;

    for (int i = n; i < zugliste.anz; ++i) {
        zugliste.at(i) = zugliste.at(i + 1);
        const TZug& m = zugliste.at(i);
        if (gueltig(m.fromStack) && slotOk(m.fromSlot)) st(m.fromStack).at(m.fromSlot).bewegung.moveNr = i;
    }
    zugliste.anz -= 1;
}

void movestack(const Pos6& target, int spi, float parameter) {
    if (spi < 1 || spi > kStapel) {
        msgsink::error(text::w("Fehler in glu.movestack: ungültiger Stapel ") + zahl(spi));
        return;
    }
    TSpieler& s = st(spi);
    s.aktPos = s.pos;
    s.gleiten.target = target;
    s.gleiten.parameter = parameter;
    s.gleiten.speed = static_cast<float>(envParam.kartenSpeed);
    s.gleiten.state = 2;
    s.gleiten.progress = 0;
    s.gleiten.startTick = ticks::now();
    s.gleiten.active = 1;
}

void liftcard(TBewegung& b, uint8_t up, int stack, int slot) {
    if (cg.spielId == 7 && up && slot == tischhooks::schale().gehobeneKarte && !cg.schnapsen.talon.paarTest &&
        hk().schnapsenPaarPruefen)
        hk().schnapsenPaarPruefen(2, 0);
    // A card in flight is never lifted: its motion record belongs to the flight.
    if (up && b.active && b.kind != 1) return;
    const bool warOben = b.active && b.kind == 1 && b.state != 1;
    if (up && !b.active) {
        // a card at rest starts its lift from its place: what a finished flight left is gone
        b.fx = b.fy = b.fz = 0;
        b.fa1 = b.fa2 = b.fa3 = 0;
    }
    b.toStack = b.fromStack = stack;
    b.toSlot = b.fromSlot = slot;
    b.active = 1;
    alleBewegt();  // the record may be any slot's
    b.kind = 1;
    b.speed = 3.0f;
    const uint32_t jetzt = ticks::now();
    if (up) {
        if (warOben) {
            b.liftStart = jetzt;
            b.liftDuration = 100;
        } else {
            b.liftDuration = jetzt - b.liftStart;
            b.liftStart = jetzt;
        }
        // the hover raises its card every frame: a card on its way up or raised stays so
        if (!warOben) b.state = 0;  // rising
    } else {
        b.progress = 0;
        b.fromStack = stack;
        b.fx = b.fy = b.fz = 0;
        b.extraA = b.extraB = 0;
        b.fa1 = b.fa2 = b.fa3 = 0;
        b.fface = 0;
        b.ftilt2 = 0;
        b.liftPhase = 0;
        b.ftilt1 = 0;
        b.liftDuration = 100;
        b.liftStart = jetzt;
        b.marker = 0;
        b.state = 1;  // lowering
    }
}

// ---------------------------------------------------------------- stack slide

void stepstackslide(int spi) {
    if (spi < 1 || spi > kStapel) return;
    TSpieler& s = st(spi);
    TGleiten& g = s.gleiten;
    if (g.active && g.progress <= 0.99999f) {
        g.progress += zeitschritt * g.speed;
        // a glide that is done rests exactly on its target
        if (g.progress > 0.99999f) g.progress = 1.0f;
        for (int i = 0; i < 6; ++i)
            s.aktPos.v[i] = s.pos.v[i] * (1 - g.progress) + g.target.v[i] * g.progress;
    }
    if (g.active && g.progress > 0.99999f) {
        g.active = 0;
        s.pos = s.aktPos;
    } else if (!g.active) {
        s.aktPos = s.pos;
    }
    TSpieler& z = st(-spi);
    z.pos = s.pos;
    z.aktPos = s.aktPos;
}

bool pvl_getplayerpos(int spi, int slot, Pos6& out) {
    if (!gueltig(spi)) {
        msgsink::error(text::w("pvl_getplayerpos:illegal playerid"));
        return false;
    }
    // a twin glides with its stack: the stack's slide decides
    const TSpieler& s = st(spi);
    out = st(spi < 0 ? -spi : spi).gleiten.active ? s.aktPos : s.pos;
    if (cg.ablauf.meldModus && (spi == 12 || spi == -12) && slotOk(slot)) {
        int p = st(12).at(slot).hi;
        if (k12.inUse(p)) k12.stapelPosition(p, out);
    }
    return true;
}

void getcardslot(int stack, int slot, bool isDestination, TKartenSlot& out) {
    if (slot < 1 || !gueltig(stack) || slot > kSlots) {
        out.bewegung.active = 0;
        out.bewegung.flightCode = 0;
        out.bewegung.flightRandom = 0;
        out.bewegung.option = 0;
        out.bewegung.marker = 0;
        return;
    }
    out = st(stack).at(slot);
    if (cg.ablauf.meldModus && (stack == 12 || stack == -12)) {
        const int p = out.hi, pos = out.pilePos;
        k12.zellenPlatz(p, pos, out, isDestination, slot);
        if (k12.inUse(p) && pos >= 1 && pos <= k12.pile(p).anz) {
            const karte e = k12.pile(p).at(pos);
            out.c.t = e.t;
            out.c.f = e.f;
        } else {
            out.c.t = 0;
        }
    }
}

// ---------------------------------------------------------------- per-frame motion

namespace {

bool kind2Fliegt() {
    for (int i = 1; i <= zugliste.anz; ++i)
        if ((zugliste.at(i).kind & 0xff) == 2) return true;
    return false;
}

bool zielImFlug(int spi) {
    for (int i = 1; i <= zugliste.anz; ++i)
        if (zugliste.at(i).toStack == spi || zugliste.at(i).toStack == -spi) return true;
    return false;
}

void setAnz(TSpieler& s, int n) { s.anz = num::clamp(n, 0, kSlots); }

void bjZaehlen(int kind, int from, int to, const TKartenSlot& k, int slot) {
    if (cg.spielId != 9 || !hk().bjKarteZaehlen) return;
    bool talon = from == 11 || from == -11 || to == 11 || to == -11;
    bool zaehlt = (kind >= 17 && kind <= 19) || ((kind == 3 || (kind >= 16 && kind <= 19)) && talon);
    if (!zaehlt) return;
    int reason = -1;
    if (cg.phase.nr == 1)
        reason = 0;
    else if (from == 11)
        reason = 1;
    else if (kind == 16)
        reason = 2;
    else if (kind == 18 || kind == 19)
        reason = 3;
    else if (kind == 17)
        reason = 4;
    hk().bjKarteZaehlen(reason, k.face != 0, k.c, slot);
}

void ankunft(TBewegung& b, TKartenSlot& ks) {
    b.progress = 1.0f;
    b.active = 0;
    const int nr = b.moveNr;
    if (nr < 1 || nr > zugliste.anz) {
        msgsink::error(text::w("Fehler in glu.updatecardmotion: Zug ") + zahl(nr));
        return;
    }
    const TZug z = zugliste.at(nr);
    const int kind = z.kind & 0xff;
    const int from = z.fromStack, fromSlot = z.fromSlot;
    int to = z.toStack;
    const int toSlot = z.toSlot;
    // cards above a removed one close the gap through the twin of 12, 13 and 16
    if (kind == 1 && from == to && (to == 12 || to == 13 || to == 16)) to = -to;
    const karte moving = ks.c;
    const int32_t marker = b.marker;
    const int32_t option = b.option;
    playmovesound(nr);

    TSpieler& S = st(from);
    TSpieler& D = st(to);
    switch (kind) {
        case 8:
            D.at(toSlot).c.t = moving.t;
            D.at(toSlot).c.f = moving.f;
            break;
        case 4:
        case 5:
            setAnz(D, D.anz + 1);
            D.at(toSlot).c.t = moving.t;
            D.at(toSlot).c.f = moving.f;
            setAnz(S, S.anz - 1);
            S.at(fromSlot).c.t = 0;
            // the last discard goes to the empty middle by itself, but never from under a card
            // still on its way to either pile
            if (st(12).anz == 0 && st(13).anz == 1 && !zielImFlug(12) && !zielImFlug(13))
                movecard(13, 1, 12, 1, 1, 3, 5, 0, 0, 0);
            break;
        case 2:
        case 7: {
            setAnz(D, D.anz + 1);
            // the last card of a laying ends it; the pile is rebuilt once that card is in place
            const bool ended = cg.ablauf.meldModus && k12.d.aktiv && to == 12 && !kind2Fliegt();
            const bool jass = cg.spielId == 12;
            if ((ended || k12.d.aktiv) && fromSlot <= kHandMax) {
                D.at(toSlot).c = S.hand.at(fromSlot);
            } else {
                D.at(toSlot).c = jass ? cg.jass.gespielteKarte : moving;
            }
            if (ended) k12.anlegenFertig();
            const bool legtAn = to == 12 && toSlot == k12.d.legeSlot && k12.d.anlegen;
            if (fromSlot > S.anz || !(jass || legtAn)) S.at(fromSlot).c = karte{};
            // seats re-slot their remaining cards through the twin; table piles just lose one
            const int a = from < 0 ? -from : from;
            if (from == 11 || a > 10)
                setAnz(S, S.anz - 1);
            else if (marker != -1)
                setAnz(S, st(-from).anz);
            break;
        }
        case 1:
            if (to < 0) {
                TSpieler& L = st(-to);
                const TKartenSlot& tw = D.at(toSlot);
                L.at(toSlot).c = tw.c;
                copyplacement(L.at(toSlot), tw);
                if (marker == -1) setAnz(S, st(-from).anz);
                // the seat's game and its entries in the in-game dialog follow the new order
                if (cg.spielId != 2 && -to <= 10 && hk().umgesteckt) hk().umgesteckt(-to, toSlot);
            }
            break;
        case 3: {
            (void)option;
            const int a = to < 0 ? -to : to;
            TSpieler& L = st(a);
            TSpieler& T = st(-a);
            // A Joker freed from a meld leaves a slot that the natural card replacing it may
            // already hold: the Joker itself was written into the twin slot.
            const bool jokerRaus =
                cg.ablauf.meldModus && from == 12 && fromSlot == k12.d.legeSlot && k12.d.anlegen;
            L.at(toSlot).c = (moving.t != 0 && !jokerRaus) ? moving : T.at(toSlot).c;
            copyplacement(L.at(toSlot), T.at(toSlot));
            if (jokerRaus)
                S.at(fromSlot).c = k12.d.ersatz;
            else
                S.at(fromSlot).c = karte{};
            setAnz(S, S.anz - 1);
            setAnz(L, T.anz);
            break;
        }
        case 14:
        case 15:
        case 16:
            D.at(toSlot).c = moving;
            setAnz(S, S.anz - 1);
            setAnz(D, D.anz + 1);
            break;
        case 18:
        case 19:
        case 20:
        case 21: {
            const int a = from < 0 ? -from : from;
            TKartenSlot& live = st(a).at(fromSlot);
            const TKartenSlot& tw = st(-a).at(fromSlot);
            if (kind <= 19) {
                copyplacement(live, tw);
            } else {
                live.x = tw.x;
                live.y = tw.y;
                live.z = tw.z;
                live.a1 = tw.a1;
                live.a2 = tw.a2;
                live.a3 = tw.a3;
            }
            break;
        }
        default:
            break;
    }
    bjZaehlen(kind, from, to, gueltig(to) && slotOk(toSlot) ? st(to).at(toSlot) : ks, toSlot);
}

void fertigAnhaengen(const TBewegung& b) {
    if (b.moveNr < 1 || b.moveNr > zugliste.anz) return;
    if (fertigliste.anz >= kZuege) {
        msgsink::error(text::w("Fehler in glu.updatecardmotion: Liste der fertigen Züge voll"));
        return;
    }
    const TZug& z = zugliste.at(b.moveNr);
    fertigliste.anz += 1;
    fertigliste.at(fertigliste.anz) =
        TFertig{z.fromStack < 0 ? -z.fromStack : z.fromStack, z.toStack < 0 ? -z.toStack : z.toStack,
                z.fromSlot, z.toSlot, z.kind & 0xff};
}

}  // namespace

void updatecardmotion(int spi, int slot) {
    TKartenSlot& ks = st(spi).at(slot);
    TBewegung& b = ks.bewegung;
    if (!b.active) return;
    if (b.kind == 1) {
        liftstep(b, spi, slot);
        return;
    }
    if (b.kind == 5) {
        if (shufflestep(b, spi, slot)) {
            if (slot <= 3) effekt(10, 12, 1);
            b.active = 0;
            if (!b.recorded) {
                b.recorded = 1;
                fertigAnhaengen(b);
            }
            if (b.moveNr >= 1 && b.moveNr <= zugliste.anz) playmovesound(b.moveNr);
        }
        return;
    }
    if (b.kind != 2 && b.kind != 3 && b.kind != 6) return;
    const int moveKind =
        (b.moveNr >= 1 && b.moveNr <= zugliste.anz) ? (zugliste.at(b.moveNr).kind & 0xff) : 0;
    flightstep(b, spi, slot, moveKind);

    const float inc = zeitschritt * b.speed;
    if (b.startDelay > 0) {
        float v = inc;
        if (cg.spielId == 3 && cg.ablauf.meldModus && k12.d.aktiv && gueltig(k12.d.kartenStapel) &&
            slotOk(k12.d.kartenSlot))
            v = zeitschritt * st(k12.d.kartenStapel).at(k12.d.kartenSlot).bewegung.speed;
        b.startDelay -= v;
    } else {
        b.started = 1;
        b.progress += inc;
        if (b.progress > 1.0f) b.progress = 1.0f;
    }
    if (b.progress > 0.99999f && b.endHold > 0) {
        b.endHold -= inc;
        if (b.endHold < 0) b.endHold = 0;
        b.progress = 0.99998f;
    }
    if (b.progress > 0.99999f) {
        if (!b.recorded) {
            b.recorded = 1;
            fertigAnhaengen(b);
        }
        ankunft(b, ks);
    }
}

void bewegungenVerwerfen() {
    zugliste.anz = 0;
    fertigliste.anz = 0;
    for (int s = 1; s <= kStapel; ++s)
        for (TSpieler* x : {&spieler[s - 1], &spielerZwilling[s - 1]})
            for (int i = 1; i <= kSlots; ++i) x->at(i).bewegung.active = 0;
    if (cg.bewegungWarten.aktiv)
        central::bewegungFertig(cg, cg.bewegungWarten.halter, 0, cg.bewegungWarten.marke);
}

void stepanimation(const FrameTime& t) {
    const uint32_t jetzt = ticks::now();
    vergangen = static_cast<int32_t>(ticks::elapsed(letzterTick, jetzt));
    letzterTick = jetzt;
    // A frame rate of 0 (first frame, minimised window) moves nothing this frame.
    if (!(t.fps > 0) || !std::isfinite(t.fps)) {
        zeitschritt = 0;
        aktFps = 0;
        return;
    }
    aktFps = t.fps;
    zeitschritt = 1.0f / t.fps / 10.0f;

    if (cg.spielId == 8 || cg.spielId == 9) {
        if (hk().chipSchritt) hk().chipSchritt(t.fps);
    } else {
        tz.tischWinkel += 1.0f / t.fps * 30.0f;
        if (tz.tischWinkel > 360.0f) tz.tischWinkel = 0.0f;
    }
    if (k12.d.aktiv && gueltig(k12.d.kartenStapel) && slotOk(k12.d.kartenSlot))
        k12.d.fortschritt += zeitschritt * st(k12.d.kartenStapel).at(k12.d.kartenSlot).bewegung.speed;
    if (cg.ablauf.meldModus) k12.rueckflugPruefen();

    // The slots of a stack in motion are visited up to the highest moving one, and at least up
    // to the counts: a card still in flight above a count that an earlier arrival lowered must
    // land too. A move started during the visit raises the bound, and the visit goes on to it.
    auto schritt = [](int s, bool zwilling) {
        const size_t si = static_cast<size_t>(s);
        if (g_grenze[si] == 0) return;
        const TSpieler& L = spieler[s - 1];
        const TSpieler& T = spielerZwilling[s - 1];
        auto grenze = [&] { return std::min(kSlots, std::max({g_grenze[si], +L.anz, +T.anz})); };
        int bis = grenze();
        g_grenze[si] = 0;
        int hoechste = 0;
        for (int i = 1; i <= bis; ++i) {
            const TBewegung& b = L.at(i).bewegung;
            if (b.active) {
                updatecardmotion(s, i);
                if (b.active) hoechste = i;
            }
            if (zwilling) {
                const TBewegung& z = T.at(i).bewegung;
                if (z.active) {
                    updatecardmotion(-s, i);
                    if (z.active) hoechste = i;
                }
            }
            bis = std::max(bis, grenze());
        }
        // the table stacks' twins are not moved here: a motion there keeps the stack visited
        if (!zwilling)
            for (int i = bis; i > hoechste; --i)
                if (T.at(i).bewegung.active) {
                    hoechste = i;
                    break;
                }
        if (g_grenze[si] < hoechste) g_grenze[si] = hoechste;
    };
    if (!(tischhooks::schale().anzeigeTest && tischhooks::schale().pokerHalt)) {
        const int n = num::clamp<int>(anzSitze, 0, kStapel);
        for (int s = 1; s <= n; ++s) {
            stepstackslide(s);
            schritt(s, true);
        }
    }
    const int last = num::clamp<int>(10 + anzTischStapel, 10, kStapel);
    for (int s = 11; s <= last; ++s) {
        stepstackslide(s);
        schritt(s, false);
    }
}

// ---------------------------------------------------------------- dealing and playing

namespace {

struct DealKarte {
    karte c;
    int32_t dealNr;
};

// The seat's hand as it will be after the deal: the cards and their deal numbers only.
struct DealKopie {
    int32_t anz = 0;
    DealKarte k[kSlots];
    DealKarte& at(int i) { return k[i - 1]; }
    const DealKarte& at(int i) const { return k[i - 1]; }
};

int findeDeal(const DealKopie& a, int32_t deal) {
    for (int i = 1; i <= a.anz; ++i)
        if (a.at(i).dealNr == deal) return i;
    return 0;
}

}  // namespace

void dealcards(int seat, int n, int skip, int sourceCount, int sourceStack, float delay) {
    if (seat < 1 || seat > kStapel || !gueltig(sourceStack) || skip < 0) {
        msgsink::error(text::w("Fehler in glu.dealcards: Sitz ") + zahl(seat) + " Quelle " +
                       zahl(sourceStack));
        return;
    }
    if (n > kSlots) {
        msgsink::show(text::w("Fehler in glu.dealcards: ") + zahl(n) + text::w(" Karten sind zu viele"));
        return;
    }
    TSpieler& S = st(seat);
    TSpieler& T = st(-seat);
    TSpieler& Q = st(sourceStack);
    const int m = sourceCount != 0 ? num::clamp(sourceCount, 0, Q.anz) : Q.anz;
    const int seatAnz = S.anz;
    if (n >= 1) {
        // deal what the source holds, never cards that are not there
        const int vorhanden = m - skip > 0 ? m - skip : 0;
        if (n > vorhanden) {
            msgsink::show(text::w("Fehler in glu.dealcards: nur ") + zahl(vorhanden) + text::w(" von ") +
                          zahl(n) + text::w(" Karten vorhanden"));
            n = vorhanden;
            if (n == 0) return;
        }
        if (seatAnz + n > kSlots) {
            msgsink::show(text::w("Fehler in glu.dealcards: Sitz ") + zahl(seat) + text::w(" ist voll"));
            return;
        }
    }
    const int neededMoves = (n >= 1 ? n : 0) + seatAnz;
    if (zugliste.anz + neededMoves > kZuege) {
        msgsink::error(text::w("Fehler in glu.dealcards: Zugliste voll"));
        return;
    }

    if (n < 1) {
        T.anz = seatAnz;
        seatposition(T, 0, static_cast<float>(T.anz));
        for (int i = 1; i <= seatAnz; ++i) {
            T.at(i).c = S.at(i).c;
            movecard(seat, i, -seat, i, 0, 2, 1, delay, 0, 0);
        }
        return;
    }

    if (sourceStack == 11) gtool::stapelSortieren(Q, m + 1 - n - skip, n, true);

    static DealKopie kopie;
    kopie.anz = 0;
    for (int i = 1; i <= seatAnz; ++i) {
        S.at(i).dealNr = seat * 50 + i;
        kopie.anz += 1;
        kopie.at(kopie.anz) = DealKarte{S.at(i).c, S.at(i).dealNr};
    }
    for (int i = skip + 1; i <= skip + n; ++i) {
        TKartenSlot& q = Q.at(m + 1 - i);
        q.dealNr = sourceStack * 50 + (m + 1 - i);
        for (int j = kopie.anz; j >= 1; --j) kopie.at(j + 1) = kopie.at(j);
        kopie.at(1) = DealKarte{q.c, q.dealNr};
        kopie.anz += 1;
    }
    if (seat == 1) gtool::stapelSortieren(kopie, 0, 0, true);

    const bool bj = cg.spielId == 9;
    float d = delay;
    for (int i = skip + 1; i <= skip + n; ++i) {
        const int qslot = m + 1 - i;
        const TKartenSlot& q = Q.at(qslot);
        int ziel;
        if (bj) {
            ziel = seatAnz + (i - skip);
            T.at(ziel).c.t = 0;
            T.at(ziel).c.f = 0;
        } else if (seat == 1) {
            ziel = findeDeal(kopie, q.dealNr);
        } else {
            ziel = i - skip;
        }
        if (q.c.t > 8 && (cg.spielId == 0 || cg.spielId == 1 || cg.spielId == 2))
            msgsink::show(text::w("getcardtyp fehler"));
        if (bj && bjEroeffnung) {
            bool unterschied = false;
            if (hk().bjKarteOffen) unterschied = hk().bjKarteOffen(-seat, 1) != hk().bjKarteOffen(-seat, 2);
            if (i - skip == 2 && unterschied)
                d += 0.25f;
            else if (cg.blackjack.siebzehnUndVier && seat == 1)
                d += 0.25f;
            else
                d += 0.05f;
        }
        T.at(ziel).c = q.c;
        movecard(sourceStack, qslot, -seat, ziel, 1, 2, 3, d, n - (i - skip) + 1, 0);
    }
    T.anz = seatAnz + n;
    if (bj || seat == 15) return;
    seatposition(T, 0, static_cast<float>(T.anz));
    for (int i = 1; i <= seatAnz; ++i) {
        const int neu = seat == 1 ? findeDeal(kopie, seat * 50 + i) : i + n;
        T.at(neu).c = S.at(i).c;
        movecard(seat, i, -seat, neu, 0, 2, 1, delay, 0, 0);
    }
}

int mischPass(int stack, float basis) {
    if (!gueltig(stack)) return 0;
    TSpieler& s = st(stack);
    int n = 0;
    for (int i = 1; i <= s.anz; ++i) {
        if (!movecard(stack, i, stack, i, 0, 5, 0, 0, 0, 0)) continue;
        s.at(i).bewegung.flightRandom = basis + 0.2f * static_cast<float>(rnd::uniform());
        ++n;
    }
    return n;
}

int playcard(int seat, int slot, int targetStack, int targetSlot) {
    if (!gueltig(seat) || seat < 0 || slot < 1 || slot > st(seat).anz) {
        msgsink::error(text::w("Fehler in glu.playcard: ") + zahl(seat) + "." + zahl(slot));
        return 0;
    }
    TSpieler& S = st(seat);
    if (zugliste.anz + S.anz > kZuege) {
        msgsink::error(text::w("Fehler in glu.playcard: Zugliste voll"));
        return 0;
    }
    const int g = cg.spielId;
    const bool stichspiel = g == 1 || g == 5 || g == 6 || g == 12;
    const int akt = num::clamp<int>(cg.aktSpieler, 1, 6);
    if (stichspiel && (targetStack == 12 || targetStack == -1) && targetSlot == 0 && seat != 1 &&
        !ishandopen(seat) && cg.sitzEinstellungen.at(akt).staerke >= 3) {
        // a hidden hand does not give away which card was played
        const int r = rnd::random(S.anz) + 1;
        if (r != slot) {
            stapelZuHand(S);
            std::swap(S.hand.at(r), S.hand.at(slot));
            handZuStapel(S);
        }
        slot = r;
    }
    bool frei = false;
    if (targetStack == -1) {
        targetStack = 12;
        frei = true;
    }
    if (!gueltig(targetStack)) {
        msgsink::error(text::w("Fehler in glu.playcard: Ziel ") + zahl(targetStack));
        return 0;
    }
    TSpieler& Z = st(targetStack);
    if (targetSlot == 0) targetSlot = Z.anz + 1;
    if (!slotOk(targetSlot)) {
        msgsink::error(text::w("Fehler in glu.playcard: Ziel ") + zahl(targetStack) + "." + zahl(targetSlot));
        return 0;
    }
    if (g == 2 && (targetStack == 12 || targetStack == 16) && !frei) {
        throwposition(seat, 1, Z.at(targetSlot));
        Z.at(targetSlot).z = -97.0f;
    }
    if (stichspiel && targetStack == 12) {
        throwposition(seat, 1, Z.at(targetSlot));
        if (g == 12) Z.at(targetSlot).z = cg.jass.kartenHoehe - 97.0f;
    }
    if (!movecard(seat, slot, targetStack, targetSlot, 1, g == 12 ? 3 : 2, 2, 0, 0, 0)) return 0;
    TSpieler& T = st(-seat);
    T.anz = S.anz - 1;
    seatposition(T, 0, static_cast<float>(T.anz));
    if (seat <= 10) {
        for (int i = 1; i <= S.anz; ++i) {
            if (i == slot) continue;
            const int neu = i < slot ? i : i - 1;
            T.at(neu).c = S.at(i).c;
            movecard(seat, i, -seat, neu, 0, 2, 1, 0, 0, 0);
        }
    }
    return slot;
}

// ---------------------------------------------------------------- per-game table rules

namespace {
// The games that answer which card may be played and which fits a lead; the others allow all.
bool mitKartenregeln(int g) { return g == 0 || g == 1 || g == 2 || g == 5 || g == 6 || g == 7 || g == 12; }
}  // namespace

bool islegalcard(const TKartenSlot& s) {
    if (!cg.entscheidung.kartenSpiel) return false;
    const int g = cg.spielId;
    if (mitKartenregeln(g) && hk().spielbar[g]) return hk().spielbar[g](s);
    return true;
}

bool cardfitslead(const karte& card, const karte& lead, int alt) {
    if (!cg.entscheidung.kartenSpiel) return false;
    const int g = cg.spielId;
    if (mitKartenregeln(g) && hk().passtAuf[g]) return hk().passtAuf[g](card, lead, alt);
    return true;
}

bool anycardselectable() {
    if (!cg.entscheidung.kartenSpiel) return true;
    const int g = cg.spielId;
    if ((g == 0 || g == 1) && hk().alleKartenWaehlbar[g]) return hk().alleKartenWaehlbar[g]();
    return true;
}

bool ishandopen(int seat) {
    if (tischhooks::schale().passSelector == 2) return false;
    const int g = cg.spielId;
    if (g == 8) return hk().pokerZeigen ? hk().pokerZeigen(seat) : false;
    if (g <= 4 && hk().handOffen[g]) return hk().handOffen[g](seat);
    return false;
}

int suittofollow() {
    karte offen{};
    if (hk().offeneKarte) {
        offen = hk().offeneKarte();
    } else if (st(13).anz >= 1 && st(13).anz <= kSlots) {
        offen = st(13).at(st(13).anz).c;
    }
    if (cg.maumau.wunschFarbe != 0 && hk().sonderKarte && hk().sonderKarte(offen) == 33) return cg.maumau.wunschFarbe;
    return offen.f;
}

bool highlightlegal() {
    if (cg.spielId == 3 && cg.romme.fremdAnlegen) return false;
    return envParam.hervorheben >= 2;
}

bool isfacedownstack(int spi) {
    if (spi == 11) return true;
    const int g = cg.spielId;
    return (g == 5 || g == 6 || g == 12) && spi >= 7 && spi <= 11;
}

bool iscardvisible(int spi, int k) {
    if (spi < 1 || spi > kStapel) return false;
    const TSpieler& s = st(spi);
    if (s.anz < k || k < 1) return false;
    if (k == 1) return true;
    for (int j = num::clamp<int>(s.anz, 0, kSlots); j >= 1; --j) {
        if (!s.at(j).bewegung.active) return j == k;
    }
    return false;
}

int panelelement(int i) { return central::ids.tab[num::clamp(i, 0, 25)]; }

// ---------------------------------------------------------------- picking

Hover hover;

int pickdecode(const uint32_t* buffer, int bufferWords, int hits) {
    hover.prevTableStack = hover.tableStack;
    hover.prevTableSlot = hover.tableSlot;
    hover.tableStack = 0;
    hover.tableSlot = 0;
    if (hits < 0) hits = 1;  // selection buffer overflow
    int best = 0;
    bool treffer = false;
    // records: name count, depth min, depth max, names...; the largest last name wins
    int p = 0;
    for (int h = 0; h < hits && p < bufferWords; ++h) {
        const uint32_t names = buffer[p];
        if (names == 0 || p + 3 + static_cast<int>(names) > bufferWords) break;
        const int name = static_cast<int>(buffer[p + 2 + names]);
        if (!treffer || name > best) best = name;
        treffer = true;
        p += 3 + static_cast<int>(names);
    }
    if (!treffer) {
        hover.chipName = 0;
        hover.lastHandHit = 0;
        if (!hover.keyboardHold) hover.handCard = 0;
    } else {
        hover.chipName = best;
        int handSlot = 0;
        if (best > 100 && best < 2000) {
            handSlot = best - 100;
        } else if (best > 2200) {
            const int stack = best < 2400 ? 11 : (best < 2600 ? 12 : 13);
            hover.tableStack = stack;
            hover.tableSlot = best - 200 * stack;
        }
        hover.keyboardHold = false;
        hover.handCard = handSlot;
        hover.lastHandHit = handSlot;
    }
    if (hover.forcedHandCard != 0) {
        hover.handCard = hover.forcedHandCard;
        hover.forcedHandCard = 0;
    }
    return treffer ? best : 0;
}

}  // namespace glu
