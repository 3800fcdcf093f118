#include "core/spiele.h"

namespace spiele {
namespace {
Eintrag g_tabelle[kAnzahl];
bool g_da[kAnzahl] = {};

bool vollstaendig(const Eintrag& e) { return e.spielSchritt && e.kiTick && e.neuesSpiel && e.spielLaden; }
}  // namespace

int basisId(int id) {
    if (id == kSechsundsechzig) return kSchnapsen;
    if (id == kSiebzehnUndVier) return kBlackJack;
    if (id < 0 || id >= kAnzahl) return -1;
    return id;
}

bool anmelden(int id, const Eintrag& e) {
    const int b = basisId(id);
    if (b < 0 || b != id || !vollstaendig(e)) return false;
    g_tabelle[b] = e;
    g_da[b] = true;
    return true;
}

void abmelden(int id) {
    const int b = basisId(id);
    if (b < 0) return;
    g_tabelle[b] = Eintrag{};
    g_da[b] = false;
}

const Eintrag* eintrag(int id) {
    const int b = basisId(id);
    if (b < 0 || !g_da[b]) return nullptr;
    return &g_tabelle[b];
}

bool vorhanden(int id) { return eintrag(id) != nullptr; }

}  // namespace spiele
