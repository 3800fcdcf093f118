#include "games/casino/chipanim.h"

#include <algorithm>
#include <cmath>

#include "core/central.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "games/casino/pokerchips.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/text.h"
#include "platform/ticks.h"
#include "table/tischhooks.h"

namespace chipanim {

tAnimationHandler AnimationHandler;
uint8_t bankMovesAudible = 0;
void (*protokoll)(const char* zeile) = nullptr;

void log(const char* zeile) {
    if (protokoll) protokoll(zeile);
}

bool animationStep() { return AnimationHandler.animationStep(); }
bool queueChipMove(int von, int nach, int wert, bool einzeln, int modus, int divisor) {
    return AnimationHandler.queueChipMove(von, nach, wert, einzeln, modus, divisor);
}

namespace {

using namespace pokerchips;

// Moves to and from the bank are silent (and do not fly) unless the game asks for them to be
// heard; the starting money (phase 2) is always shown.
bool bankLeise(int von, int nach) {
    return bankMovesAudible == 0 && (von == kBank || nach == kBank) && cg.phase.nr != 2;
}

void klang(int nr, int sitz) {
    const auto f = tischhooks::tab().effekt;
    if (f) f(nr, sitz >= 1 && sitz <= 6 ? sitz : 11, 0);
}

}  // namespace

void tAnimationHandler::Clear() {
    fluegeAnz_ = 0;
    anfragenAnz_ = 0;
    hover_ = 0;
    handled_ = 0;
    tickGesetzt_ = false;
}

bool tAnimationHandler::bankAuffuellen(int typ, int fehlt) {
    if (fehlt <= 0) return true;
    ChipStack& st = seat(kBank).stacks[typ];
    if (st.count + fehlt > kStapelMax) {
        log("chip move: bank stack full, request refused");
        return false;
    }
    for (int i = st.count - 1; i >= 0; --i) {
        st.entries[i + fehlt] = st.entries[i];
        st.entries[i + fehlt].slot = i + fehlt;
        if (st.entries[i + fehlt].zustand == kFliegt)
            flugQuelleVerschieben(st.entries[i + fehlt].flug, i + fehlt);
    }
    const int alt = st.count;
    st.count = 0;
    AddChipsToStack(kBank, typ, fehlt, -1);
    st.count = alt + fehlt;
    return true;
}

bool tAnimationHandler::anhaengen(const ChipMoveRequest& r) {
    // A full queue refuses the request instead of writing past its end.
    if (anfragenAnz_ >= kAnfragenMax) {
        log("queueChipMove: request queue full, request refused");
        return false;
    }
    anfragen_[anfragenAnz_++] = r;
    return true;
}

bool tAnimationHandler::queueChipMove(int von, int nach, int wert, bool einzeln, int modus, int divisor) {
    if (wert < 1 && wert != kMarkenWert) return false;
    if (!seatOk(von) || !seatOk(nach)) return false;
    if (!einzeln && !bankLeise(von, nach)) klang(21, von);
    if (einzeln && von == kBank) {
        // The bank never runs dry: missing chips appear at the bottom of its stack.
        const int typ = chipValueToType(wert);
        if (typ != kKeinTyp) {
            const ChipStack& st = seat(kBank).stacks[typ];
            int ruhend = 0;
            for (int i = 0; i < st.count; ++i) ruhend += st.entries[i].zustand == kRuht ? 1 : 0;
            int angefragt = 0;
            for (int i = 0; i < anfragenAnz_; ++i)
                if (anfragen_[i].von == kBank && anfragen_[i].einzeln && anfragen_[i].wert == wert)
                    ++angefragt;
            if (!bankAuffuellen(typ, angefragt + 1 - ruhend)) return false;
        }
    }
    if (wert != kMarkenWert && seatChipTotal(von) < wert && von != kBank)
        msgsink::show(text::w("ACHTUNG! Fehler: ChipMove Inkonsistenz at ") + text::fromInt(von) + ":" +
                      text::fromInt(seatChipTotal(von)) + "<" + text::fromInt(wert));
    ChipMoveRequest r;
    r.von = static_cast<int16_t>(von);
    r.nach = static_cast<int16_t>(nach);
    r.wert = static_cast<int16_t>(wert);
    r.divisor = static_cast<int16_t>(divisor);
    r.modus = static_cast<uint8_t>(modus);
    r.einzeln = einzeln ? 1 : 0;
    return anhaengen(r);
}

void tAnimationHandler::flugQuelleVerschieben(int index, int neuerSlot) {
    if (index >= 0 && index < fluegeAnz_) fluege_[index].vonSlot = static_cast<uint8_t>(neuerSlot);
}

void tAnimationHandler::startChipFlight(int vonSitz, int vonTyp, int vonSlot, int nachSitz, int nachTyp,
                                        int nachSlot, int kind) {
    if (fluegeAnz_ >= kFluegeMax) return;
    ChipFlight& f = fluege_[fluegeAnz_];
    f.von = static_cast<uint8_t>(vonSitz);
    f.nach = static_cast<uint8_t>(nachSitz);
    f.vonSlot = static_cast<uint8_t>(vonSlot);
    f.nachSlot = static_cast<uint8_t>(nachSlot);
    f.vonTyp = static_cast<uint8_t>(vonTyp);
    f.nachTyp = static_cast<uint8_t>(nachTyp);
    f.kind = static_cast<uint8_t>(kind);
    f.progress = 0;
    f.speed = static_cast<float>(envParam.kartenSpeed) * 1.5f * (vonTyp == kMarke ? 0.7f : 1.0f);
    ChipEntry& e = seat(vonSitz).stacks[vonTyp].entries[vonSlot];
    e.flug = fluegeAnz_;
    e.zustand = kFliegt;
    ++fluegeAnz_;
}

void tAnimationHandler::liftTopChip(int sitz, int typ, int kind) {
    if (!seatOk(sitz) || typ < 0 || typ > 4) return;
    ChipStack& st = seat(sitz).stacks[typ];
    if (st.count < 1) return;
    ChipEntry& e = st.entries[st.count - 1];
    int i = -1;
    if (e.zustand == kFliegt && e.flug >= 0 && e.flug < fluegeAnz_) {
        i = e.flug;
        const uint8_t alt = fluege_[i].kind;
        // Only a hovered chip may be turned round; a chip flying elsewhere keeps its flight.
        if (alt != 2 && alt != 3 && alt != 4) return;
        const bool wechsel = (alt == 2 || alt == 3) != (kind == 2);
        fluege_[i].progress = wechsel ? 1 - std::min(1.0f, fluege_[i].progress) : 0;
    } else if (e.zustand == kRuht) {
        if (fluegeAnz_ >= kFluegeMax) return;
        i = fluegeAnz_++;
        fluege_[i].progress = 0;
    } else {
        return;
    }
    ChipFlight& f = fluege_[i];
    f.kind = static_cast<uint8_t>(kind);
    f.von = f.nach = static_cast<uint8_t>(sitz);
    f.vonTyp = f.nachTyp = static_cast<uint8_t>(typ);
    f.vonSlot = f.nachSlot = static_cast<uint8_t>(st.count - 1);
    f.speed = 50;
    e.zustand = kFliegt;
    e.flug = i;
}

void tAnimationHandler::removeChipFlight(int i) {
    if (i < 0 || i >= fluegeAnz_) return;
    for (int j = i; j + 1 < fluegeAnz_; ++j) {
        fluege_[j] = fluege_[j + 1];
        const ChipFlight& f = fluege_[j];
        if (seatOk(f.von) && f.vonTyp < kTypen && f.vonSlot < kStapelMax) {
            ChipEntry& e = seat(f.von).stacks[f.vonTyp].entries[f.vonSlot];
            if (e.flug == j + 1) e.flug = j;
        }
    }
    --fluegeAnz_;
}

void tAnimationHandler::SetHoverStack(int pickId, bool force) {
    if (pickId == hover_ && !force) return;
    auto zerlegen = [](int id, int& sitz, int& typ) {
        sitz = 0;
        if (id >= 11 && id <= 15) sitz = 1;
        if (id >= 21 && id <= 25) sitz = kBank;
        typ = chipCodeToType(id % 10);
    };
    int s, t;
    zerlegen(hover_, s, t);
    if (s && t <= 4) liftTopChip(s, t, 4);
    hover_ = pickId;
    zerlegen(hover_, s, t);
    if (s && t <= 4) liftTopChip(s, t, 2);
}

void tAnimationHandler::ClickStack() {
    int sitz = 0;
    if (hover_ >= 11 && hover_ <= 15) sitz = 1;
    if (hover_ >= 21 && hover_ <= 25) sitz = kBank;
    if (!sitz) return;
    central::antwort(cg, central::kWeiter, sitz, hover_ % 10);
    handled_ = 1;
}

void tAnimationHandler::einzeln(const ChipMoveRequest& r) {
    const int typ = chipValueToType(r.wert);
    if (typ == kKeinTyp) return;
    ChipStack& q = seat(r.von).stacks[typ];
    int idx = q.count - 1;
    while (idx >= 0 && q.entries[idx].zustand != kRuht) --idx;
    // the chips an amount from the bank is split into are made as they are needed
    if (idx < 0 && r.von == kBank && bankAuffuellen(typ, 1)) idx = 0;
    if (idx < 0) {
        msgsink::show(text::w("ACHTUNG! Fehler: Stapel:ChipTyp:Idx-Downcount invalid Index at ") +
                      text::fromInt(r.von) + ":" + text::fromInt(chipTypeToCode(typ)) + ":" +
                      text::fromInt(idx));
        return;
    }
    ChipStack& z = seat(r.nach).stacks[typ];
    const int slot = z.count + z.incoming;
    // A chip landing on a full stack would vanish: the bank takes it instead, which holds every
    // amount.
    int nach = r.nach;
    if (slot >= kStapelMax) {
        log("chip move: destination stack full, chip sent to the bank");
        nach = kBank;
    }
    ChipStack& ziel = seat(nach).stacks[typ];
    int nachSlot = ziel.count + ziel.incoming;
    if (nachSlot >= kStapelMax) {
        log("chip move: bank stack full, chip stays");
        return;
    }
    ziel.incoming += 1;
    // The chip started last lands lowest on a shared route.
    for (int i = 0; i < fluegeAnz_; ++i) {
        ChipFlight& f = fluege_[i];
        if ((f.kind == 1 || f.kind == 5 || f.kind == 6) && f.von == r.von && f.nach == nach &&
            f.vonTyp == typ && f.nachSlot < nachSlot) {
            const int alt = f.nachSlot;
            f.nachSlot = static_cast<uint8_t>(nachSlot);
            nachSlot = alt;
        }
    }
    int kind = 1;
    if (r.wert == kMarkenWert)
        kind = 5;
    else if (bankLeise(r.von, nach))
        kind = 6;
    startChipFlight(r.von, typ, idx, nach, typ, nachSlot, kind);
}

void tAnimationHandler::aufteilen(const ChipMoveRequest& r) {
    int rest = r.wert;
    auto single = [&](int t) {
        ChipMoveRequest e;
        e.von = r.von;
        e.nach = r.nach;
        e.wert = static_cast<int16_t>(chipValue(t));
        e.modus = 4;
        e.einzeln = 1;
        if (anhaengen(e)) rest -= chipValue(t);
    };
    if (r.modus == 0) {
        for (int t = 0; t <= 4; ++t)
            for (int k = 0; k < 15 && chipValue(t) <= rest; ++k) single(t);
        while (rest > 0) {
            const int vorher = rest;
            for (int t = 0; t <= 4; ++t)
                if (chipValue(t) <= rest) single(t);
            if (rest == vorher) break;
        }
        return;
    }
    if (r.modus == 2) {
        const int div = r.divisor > 0 ? r.divisor : 1;
        for (int t = 0; t <= 3; ++t) {
            const int n = chipsAvailable(r.von, t) / div;
            for (int k = 0; k < n && chipValue(t) <= rest; ++k) single(t);
        }
    }
    for (int t = 4; t >= 0 && rest > 0;) {
        if (chipValue(t) <= rest && chipsAvailable(r.von, t) > 0) {
            const int vorher = rest;
            single(t);
            if (rest == vorher) break;
        } else {
            --t;
        }
    }
    if (rest <= 0) return;
    // The seat's chips do not make the amount exactly. Rather than dropping the rest (which
    // would destroy money), the smallest chip above the rest goes to the bank, which pays the
    // rest to the destination and the change back to the source.
    for (int t = 0; t <= 4; ++t) {
        if (chipValue(t) > rest && chipsAvailable(r.von, t) > 0) {
            log("chip move: no exact change, the bank changes a chip");
            const int wechsel = chipValue(t) - rest;
            ChipMoveRequest a{r.von, kBank, static_cast<int16_t>(chipValue(t)), 0, 4, 1};
            ChipMoveRequest b{kBank, r.nach, static_cast<int16_t>(rest), 0, 0, 0};
            ChipMoveRequest c{kBank, r.von, static_cast<int16_t>(wechsel), 0, 0, 0};
            anhaengen(c);
            anhaengen(b);
            anhaengen(a);
            return;
        }
    }
    msgsink::show(text::w(r.modus == 2 ? "ACHTUNG! Fehler bei Multi-Movesum typ:selDIV "
                                       : "ACHTUNG! Fehler bei Multi-Movesum typ:selMAX ") +
                  text::fromInt(r.von) + "->" + text::fromInt(r.nach) + ", sum:" + text::fromInt(r.wert));
}

void tAnimationHandler::verarbeiten(const ChipMoveRequest& r) {
    if (r.einzeln)
        einzeln(r);
    else
        aufteilen(r);
}

bool tAnimationHandler::animationStep() {
    abgangEntfernen();
    // Only chips on their way hold the game; a chip lifted under the mouse does not.
    int unterwegs = 0;
    for (int i = 0; i < fluegeAnz_; ++i)
        if (fluege_[i].kind == 1 || fluege_[i].kind == 5 || fluege_[i].kind == 6) ++unterwegs;
    bool bereit = !(unterwegs > 0 && IsChipGame() && !handled_);
    if (IsChipGame()) {
        bool offen = false;
        const int n = num::clamp<int>(cg.ablauf.anzSpieler, 1, 6);
        for (int s = 1; s <= 8; ++s)
            if ((s >= 7 || s <= n) && seat(s).removal > 0) offen = true;
        if (bereit && offen) {
            bereit = false;
        } else if (!handled_ && (bereit || cg.phase.nr == 2)) {
            while (anfragenAnz_ > 0 && fluegeAnz_ < 80) {
                bereit = false;
                const ChipMoveRequest r = anfragen_[--anfragenAnz_];
                verarbeiten(r);
                if (anfragenAnz_ == 0 || !anfragen_[anfragenAnz_ - 1].einzeln || fluegeAnz_ > 129) break;
                if (fluegeAnz_ >= 80 && anfragen_[anfragenAnz_ - 1].nach != r.nach) break;
            }
        }
    }
    handled_ = 0;
    return bereit;
}

void tAnimationHandler::landen(int i) {
    const ChipFlight f = fluege_[i];
    ChipStack& q = seat(f.von).stacks[f.vonTyp];
    ChipEntry& quelle = q.entries[f.vonSlot];
    const int16_t marke = quelle.wert;
    quelle.zustand = kFort;
    abgangMelden();
    quelle.flug = -1;
    seat(f.von).removal += 1;
    ChipStack& z = seat(f.nach).stacks[f.nachTyp];
    AddChipsToStack(f.nach, f.nachTyp, 1, f.nachSlot);
    if (f.nachTyp == kMarke) z.entries[f.nachSlot].wert = marke;
    z.incoming = std::max(0, z.incoming - 1);
    if (z.incoming == 0 && f.kind != 6 && !bankLeise(f.von, f.nach))
        klang(f.vonTyp != kMarke && ChipsAsEuroCents() ? 30 : 20, f.nach);
    removeChipFlight(i);
}

void tAnimationHandler::landenAlle() {
    for (int i = 0; i < fluegeAnz_;) {
        ChipFlight& fl = fluege_[i];
        if (fl.kind == 1 || fl.kind == 5 || fl.kind == 6) {
            landen(i);
            continue;
        }
        ChipEntry& e = seat(fl.von).stacks[fl.vonTyp].entries[fl.vonSlot];
        e.zustand = kRuht;
        e.flug = -1;
        removeChipFlight(i);
    }
    hover_ = 0;
}

bool tAnimationHandler::abarbeiten() {
    for (int pass = 0; pass < 4 * kAnfragenMax; ++pass) {
        landenAlle();
        abgangEntfernen();
        if (anfragenAnz_ == 0 && fluegeAnz_ == 0) return true;
        const uint8_t h = handled_;
        handled_ = 0;
        animationStep();
        handled_ = h;
    }
    return false;
}

void tAnimationHandler::Frame() {
    const uint32_t jetzt = ticks::now();
    if (!tickGesetzt_) {
        letzterTick_ = jetzt;
        tickGesetzt_ = true;
    }
    const uint32_t dt = std::min<uint32_t>(ticks::elapsed(letzterTick_, jetzt), 300);
    letzterTick_ = jetzt;
    const float f = static_cast<float>(dt) / 6000.0f;
    spinWinkel += 150 * f;
    if (spinWinkel >= 360) spinWinkel = 0;
    abgangEntfernen();
    for (int i = 0; i < fluegeAnz_;) {
        ChipFlight& fl = fluege_[i];
        const float p = fl.progress;
        if (fl.kind == 6)
            fl.progress += f * fl.speed * 0.5f;
        else
            fl.progress += f * fl.speed * std::max(std::sin(3.14159f * p) + 0.04f + 0.1f * (1 - p), 0.78f);
        if (fl.progress < 1.0f) {
            ++i;
            continue;
        }
        if (fl.kind == 1 || fl.kind == 5 || fl.kind == 6) {
            landen(i);
            SetHoverStack(0, true);
            continue;
        }
        if (fl.kind == 2) {
            fl.kind = 3;
            fl.progress = 0;
        } else if (fl.kind == 3) {
            fl.progress = 0;
        } else if (fl.kind == 4) {
            ChipEntry& e = seat(fl.von).stacks[fl.vonTyp].entries[fl.vonSlot];
            e.zustand = kRuht;
            e.flug = -1;
            removeChipFlight(i);
            continue;
        }
        ++i;
    }
}

}  // namespace chipanim
