#include "games/casino/pokerchips.h"

#include <cmath>
#include <cstring>

#include "core/cg.h"
#include "core/envparam.h"
#include "games/casino/chipanim.h"
#include "games/casino/chiplayout.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"

namespace pokerchips {

ChipSeat ChipStacks[kSitze];

namespace {
bool g_abgang = true;  // see abgangMelden
}  // namespace

void abgangMelden() { g_abgang = true; }
ChipSaveRecord geladen{};
bool (*sitzImSpiel)(int s) = nullptr;
bool gleicheChips = false;

namespace {

constexpr int kWert[kTypen] = {1, 5, 10, 25, 100, 0, 0};
constexpr int kCode[kTypen] = {1, 2, 3, 4, 5, 0, 10};

int spielerAnzahl() { return num::clamp<int>(cg.ablauf.anzSpieler, 1, 6); }

bool imSpiel(int s) { return sitzImSpiel ? sitzImSpiel(s) : true; }

// Queued single-chip requests out of a seat for one chip value.
int angefragt(int s, int wert) {
    const auto& h = chipanim::AnimationHandler;
    int n = 0;
    for (int i = 0; i < h.anfragen(); ++i) {
        const auto& r = h.anfrage(i);
        if (r.von == s && r.einzeln == 1 && r.wert == wert) ++n;
    }
    return n;
}

int ruhend(const ChipStack& st) {
    int n = 0;
    for (int i = 0; i < st.count; ++i)
        if (st.entries[i].zustand == kRuht) ++n;
    return n;
}

}  // namespace

int chipValue(int type) { return type >= 0 && type < kTypen ? kWert[type] : 0; }
int chipTypeToCode(int type) { return type >= 0 && type < kTypen ? kCode[type] : 0; }
int chipCodeToType(int code) {
    if (code >= 1 && code <= 5) return code - 1;
    if (code == 10) return kMarke;
    return kKeinTyp;
}
int chipValueToType(int value) {
    switch (value) {
        case 1:
            return 0;
        case 5:
            return 1;
        case 10:
            return 2;
        case 25:
            return 3;
        case 100:
            return 4;
        case kMarkenWert:
            return kMarke;
        default:
            return kKeinTyp;
    }
}

bool IsChipGame() { return cg.spielId == 8 || cg.spielId == 9; }

bool ChipsAsEuroCents() {
    if (cg.spielId == 9) return cg.blackjack.waehrung == 1;
    if (cg.spielId == 8) return pokerWaehrung && pokerWaehrung() == 1;
    return false;
}

int32_t seatChipTotal(int s) {
    if (!seatOk(s)) return 0;
    int32_t sum = 0;
    for (int t = 0; t <= 4; ++t) sum += seat(s).stacks[t].count * kWert[t];
    return sum;
}

int32_t chipsAvailable(int s, int type) {
    if (!seatOk(s)) return 0;
    if (type == kKeinTyp) {
        int32_t sum = 0;
        for (int t = 0; t <= 4; ++t) sum += (ruhend(seat(s).stacks[t]) - angefragt(s, kWert[t])) * kWert[t];
        return sum;
    }
    if (type < 0 || type >= kTypen) return 0;
    const int wert = type == kMarke ? kMarkenWert : kWert[type];
    return ruhend(seat(s).stacks[type]) - angefragt(s, wert);
}

bool higherChipsAvailable(int s, int type) {
    if (type < 0 || type >= 4) return false;
    for (int t = type + 1; t <= 4; ++t)
        if (chipsAvailable(s, t) > 0) return true;
    return false;
}

void AddChipsToStack(int s, int type, int n, int index) {
    g_abgang = true;
    if (!seatOk(s) || type < 0 || type >= kTypen || type == kKeinTyp || n < 1) return;
    ChipStack& st = seat(s).stacks[type];
    int erster, letzter;
    if (index < 0) {
        erster = st.count;
        letzter = st.count + n - 1;
    } else {
        erster = index - n + 1;
        letzter = index;
    }
    if (erster < 0 || letzter >= kStapelMax) {
        // A full stack: the chips are not added. Every caller that moves money checks this
        // before the move, so only a damaged saved game ends up here.
        chipanim::log("AddChipsToStack: stack full, chips not added");
        return;
    }
    if (index >= 0 && st.count < index + 1) {
        for (int i = st.count; i < erster; ++i) {
            st.entries[i] = ChipEntry{};
            st.entries[i].typ = static_cast<uint8_t>(type);
            st.entries[i].typ2 = static_cast<uint8_t>(type);
            st.entries[i].slot = i;
            st.entries[i].sitz = s;
            st.entries[i].zustand = kReserviert;
        }
        st.count = index + 1;
    } else if (index < 0) {
        st.count += n;
    }
    const bool euro = ChipsAsEuroCents();
    for (int i = erster; i <= letzter; ++i) {
        ChipEntry& e = st.entries[i];
        e = ChipEntry{};
        e.typ = e.typ2 = static_cast<uint8_t>(type);
        e.slot = i;
        e.wert = static_cast<int16_t>(type == kMarke ? 0 : kWert[type]);
        e.sitz = s;
        e.zustand = kRuht;
        e.flug = -1;
        if (type == kMarke)
            e.shade = 1.0f;
        else
            e.shade = gleicheChips ? 0.95f : static_cast<float>(0.8 + 0.2 * rnd::uniform());
        const int spalte = type == kMarke ? (s == kBank ? 3 : 4) : ChipStackColumn(s, type, i);
        e.pose = chiplayout::chipPose(2, i, s, spalte, false, type);
        if (euro && type <= 3) e.pose.z *= chiplayout::euroHoehe(type);
    }
}

namespace {

// The bank's supply at the start of a series, by start cash x and player count n.
void bankVorrat(int n, int x) {
    int menge[5];
    if (x == 100) {
        const int k = x / 20;
        menge[0] = (3 * n + 4) * k + 7;
        menge[1] = (3 * n + 4) * k + 6;
        menge[2] = (n * k) / 2 + 14;
        menge[3] = (n * k) / 3 + 10;
        menge[4] = k / 2 + 3;
    } else if (x == 200) {
        const int k = x / 30;
        menge[0] = (2 * n + 6) * k + 4;
        menge[1] = (2 * n + 5) * k + 3;
        menge[2] = 2 * k * n + 15;
        menge[3] = (n * k) / 3 + 5;
        menge[4] = k / 2 + 3;
    } else {
        const int k = x / 50;
        const int r = static_cast<int>(num::round(1.4 * n));
        menge[0] = 2 * n * (k + 2) + 3;
        menge[1] = r * (k + 3) + 14;
        menge[2] = (k + 3) * n + 32;
        menge[3] = n * k + 14;
        menge[4] = k / 2 + 3;
    }
    for (int t = 0; t <= 4; ++t) AddChipsToStack(kBank, t, std::min(menge[t], kStapelMax), -1);
}

}  // namespace

int32_t (*startGeld)() = nullptr;
int32_t (*pokerWaehrung)() = nullptr;

void initChipSeat(int s, bool keep) {
    g_abgang = true;
    if (!seatOk(s)) return;
    ChipSeat& cs = seat(s);
    cs.kind = s == kBank ? 0 : (s == kPot ? 2 : 1);
    cs.removal = 0;
    const bool bj = cg.spielId == 9;
    if (cs.kind == 1) {
        if (s <= 6) {
            cs.tischPos = chiplayout::tischPosition(s);
            if (bj) {
                cs.tischPos.x = 1.6f * cs.tischPos.x - 315;
                cs.tischPos.z = 2.1f * cs.tischPos.z + 0.14f * cs.tischPos.x + 320;
            }
        } else if (s >= 9) {
            cs.tischPos = seat(s - 8).tischPos;
        }
    }
    cs.base = chiplayout::chipPose(0, 0, s, 0, true, 0);
    for (int t = 0; t < kTypen; ++t) {
        ChipStack& st = cs.stacks[t];
        st.count = 0;
        st.incoming = 0;
        st.base = chiplayout::chipPose(1, 0, s, 0, false, t);
    }
    if (!keep && s == kBank) {
        const int marken = bj ? 1 : 3;
        // Black Jack's one marker is the dealer button (the middle picture of the marker atlas)
        const int16_t codes[3] = {static_cast<int16_t>(bj ? 1 : 0), 2, 1};
        for (int i = 0; i < marken; ++i) {
            AddChipsToStack(kBank, kMarke, 1, -1);
            cs.stacks[kMarke].entries[i].wert = codes[i];
        }
        bankVorrat(spielerAnzahl(), startGeld ? startGeld() : 100);
    }
}

void RestoreChipCounts(const ChipSaveRecord& rec) {
    for (int s = 1; s <= kSitze; ++s) {
        initChipSeat(s, true);
        const ChipSaveSitz& r = rec.at(s);
        for (int t = 0; t < kTypen; ++t) {
            if (t == kKeinTyp) continue;
            const int n = r.anzahl[t];
            // A count that does not fit a stack comes from a damaged file: nothing is added.
            if (n > 0 && n <= kStapelMax) AddChipsToStack(s, t, n, -1);
        }
        ChipStack& m = seat(s).stacks[kMarke];
        if (m.count >= 1) m.entries[0].wert = r.marke1;
        if (m.count >= 2) m.entries[1].wert = r.marke2;
    }
}

void SaveChipCounts(ChipSaveRecord& rec) {
    std::memset(&rec, 0, sizeof(rec));
    const auto& h = chipanim::AnimationHandler;
    for (int s = 1; s <= kSitze; ++s)
        for (int t = 0; t < kTypen; ++t) {
            const ChipStack& st = seat(s).stacks[t];
            for (int i = 0; i < st.count; ++i) {
                const ChipEntry& e = st.entries[i];
                int ziel = 0;
                if (e.zustand == kRuht)
                    ziel = s;
                else if (e.zustand == kFliegt && e.flug >= 0 && e.flug < h.fluege()) {
                    const auto& f = h.flug(e.flug);
                    // a chip lifted by the hover stays where it is
                    ziel = (f.kind == 2 || f.kind == 3 || f.kind == 4) ? s : f.nach;
                }
                if (ziel >= 1 && ziel <= kSitze) rec.at(ziel).anzahl[t] += 1;
            }
        }
    for (int s = 1; s <= kSitze; ++s) {
        const ChipStack& m = seat(s).stacks[kMarke];
        if (m.count >= 1) rec.at(s).marke1 = static_cast<int8_t>(m.entries[0].wert);
        if (m.count >= 2) rec.at(s).marke2 = static_cast<int8_t>(m.entries[1].wert);
    }
}

int ChipStackColumn(int s, int type, int index) {
    if (!seatOk(s) || type < 0 || type >= kTypen) return 0;
    if (index == -1) index = seat(s).stacks[type].count - 1;
    const int hoehe = (s == kBank || s == kPot) ? 33 : 66;
    if (index < hoehe) return 0;
    if (index < 2 * hoehe) return 1;
    return 2;
}

int chipRowInColumn(int index, int s) {
    const int hoehe = (s == kBank || s == kPot) ? 33 : 66;
    if (index >= 2 * hoehe) return index - 2 * hoehe;
    return index % hoehe;
}

bool potCanPayShares() {
    if (!potAuszahlung) return true;
    int kopie[5];
    for (int t = 0; t <= 4; ++t) kopie[t] = seat(kPot).stacks[t].count;
    for (int s = 1; s <= spielerAnzahl(); ++s) {
        int rest = 0;
        if (!potAuszahlung(s, rest)) continue;
        int t = 4;
        while (t >= 0 && rest > 0) {
            if (kWert[t] <= rest && kopie[t] > 0) {
                kopie[t] -= 1;
                rest -= kWert[t];
            } else {
                --t;
            }
        }
        if (rest != 0) return false;
    }
    return true;
}
bool (*potAuszahlung)(int s, int& betrag) = nullptr;

void breakPotChip() {
    int gebrochen = kKeinTyp;
    for (int t = 4; t >= 1; --t)
        if (seat(kPot).stacks[t].count > 0) {
            gebrochen = t;
            break;
        }
    // Nothing above a 1-chip in the pot: nothing to break.
    if (gebrochen == kKeinTyp) return;
    int rest = kWert[gebrochen];
    int t = gebrochen - 1;
    while (rest > 0) {
        if (kWert[t] <= rest) {
            chipanim::queueChipMove(kBank, kPot, kWert[t], true, 0, 0);
            rest -= kWert[t];
        }
        t = t == 0 ? gebrochen - 1 : t - 1;
    }
    chipanim::queueChipMove(kPot, kBank, kWert[gebrochen], true, 0, 0);
}

namespace {

template <class F>
void wechselSitze(F f) {
    f(kPot, 84);
    for (int s = 1; s <= spielerAnzahl(); ++s)
        if (imSpiel(s)) f(s, 28);
}

}  // namespace

bool needsChange() {
    bool antwort = false;
    wechselSitze([&](int s, int schwelle) {
        if (antwort) return;
        int zustand = 0;
        for (int t = 0; t <= 4; ++t) {
            const int a = chipsAvailable(s, t);
            if (zustand == 0 && a > schwelle) {
                zustand = 2;
                continue;
            }
            if (s != kPot && zustand == 0 && a <= 4 && higherChipsAvailable(s, t)) {
                zustand = 1;
                continue;
            }
            if (zustand == 2 || (zustand == 1 && seat(s).stacks[t].count >= 1)) {
                antwort = true;
                return;
            }
        }
    });
    return antwort;
}

void LowTerminateNew() {
    int d[9][kTypen] = {};
    wechselSitze([&](int s, int schwelle) {
        int zustand = 0;
        for (int t = 0; t <= 4; ++t) {
            if (cg.phase.nr == 4 && cg.phase.schritt > 0 && seat(kBank).stacks[t].count > 120)
                seat(kBank).stacks[t].count = 120;
            const int a = chipsAvailable(s, t);
            if (zustand == 0 && a > schwelle) {
                d[s][t] = a - schwelle + 5;
            } else if (s == kPot || zustand != 0 || a > 4 || !higherChipsAvailable(s, t)) {
                if (a == 0) {
                    zustand = 10;
                } else if (zustand == 10 && seat(s).stacks[t].count > 0) {
                    d[s][t] = a;
                    break;
                }
            } else {
                d[s][t] = a - 10;
            }
        }
    });
    for (int s = 1; s <= 8; ++s) {
        int b = 0;
        for (int t = 0; t <= 4; ++t) b += d[s][t] * kWert[t];
        int u = 4;
        while (b != 0) {
            bool fortschritt = false;
            if (b < 0 && kWert[u] <= -b && seat(s).stacks[u].count > d[s][u]) {
                d[s][u] += 1;
                b += kWert[u];
                fortschritt = true;
            } else if (b > 0 && kWert[u] <= b) {
                d[s][u] -= 1;
                b -= kWert[u];
                fortschritt = true;
            }
            if (fortschritt) continue;
            if (u == 0) {
                msgsink::show(text::w("Fehler in LowTerminateNew Snr:") + text::fromInt(s) +
                              ", Saldo:" + text::fromInt(b));
                return;
            }
            --u;
        }
    }
    for (int s = 1; s <= 8; ++s) {
        bool etwas = false;
        for (int t = 0; t <= 4; ++t) etwas = etwas || d[s][t] != 0;
        if (!etwas) continue;
        for (int t = 0; t <= 4; ++t) {
            if (d[s][t] < 0) {
                const int fehlt = -d[s][t] - chipsAvailable(kBank, t);
                if (fehlt > 0) AddChipsToStack(kBank, t, fehlt, -1);
                for (int i = 0; i < -d[s][t]; ++i) chipanim::queueChipMove(kBank, s, kWert[t], true, 0, 0);
            } else {
                for (int i = 0; i < d[s][t]; ++i) chipanim::queueChipMove(s, kBank, kWert[t], true, 0, 0);
            }
        }
        return;
    }
}

void abgangEntfernen() {
    if (!g_abgang) return;
    g_abgang = false;
    for (int s = 1; s <= kSitze; ++s) {
        ChipSeat& cs = seat(s);
        for (int t = 0; t < kTypen; ++t) {
            ChipStack& st = cs.stacks[t];
            for (int i = 0; i < st.count;) {
                ChipEntry& e = st.entries[i];
                if (e.zustand != kFort) {
                    ++i;
                    continue;
                }
                cs.removal = std::max(0, cs.removal - 1);
                // A marker away from the bank keeps its slot reserved.
                if (t == kMarke && s != kBank) {
                    e.zustand = kReserviert;
                    ++i;
                    continue;
                }
                for (int j = i; j + 1 < st.count; ++j) {
                    st.entries[j] = st.entries[j + 1];
                    st.entries[j].slot = j;
                    if (st.entries[j].zustand == kFliegt && st.entries[j].flug >= 0)
                        chipanim::AnimationHandler.flugQuelleVerschieben(st.entries[j].flug, j);
                }
                st.count -= 1;
            }
            // reserved slots at the top of a stack hold nothing any more
            while (st.count > 0 && st.entries[st.count - 1].zustand == kReserviert && st.incoming == 0)
                st.count -= 1;
        }
    }
}

void markeVersetzen(int von, int nach) {
    g_abgang = true;
    if (!seatOk(von) || !seatOk(nach)) return;
    ChipStack& q = seat(von).stacks[kMarke];
    int i = q.count - 1;
    while (i >= 0 && q.entries[i].zustand != kRuht) --i;
    if (i < 0) return;
    const int16_t code = q.entries[i].wert;
    for (int j = i; j + 1 < q.count; ++j) {
        q.entries[j] = q.entries[j + 1];
        q.entries[j].slot = j;
    }
    q.count -= 1;
    ChipStack& z = seat(nach).stacks[kMarke];
    AddChipsToStack(nach, kMarke, 1, -1);
    if (z.count > 0) z.entries[z.count - 1].wert = code;
}

void leeren() {
    for (int s = 1; s <= kSitze; ++s) initChipSeat(s, true);
}

}  // namespace pokerchips
