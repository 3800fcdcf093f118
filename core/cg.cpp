#include "core/cg.h"

#include <cstring>

#include "core/envparam.h"
#include "core/spiele.h"
#include "platform/msgsink.h"

constinit TCG cg{};
TEnvParam envParam;

namespace {
constexpr int kSpielbareSitze = 138852;  // inside Poker seat 1's record
}  // namespace

int32_t TCG::spielbareSitze() const {
    int32_t n;
    std::memcpy(&n, reinterpret_cast<const unsigned char*>(this) + kSpielbareSitze, sizeof n);
    return n;
}

void TCG::setzeSpielbareSitze(int32_t n) {
    std::memcpy(reinterpret_cast<unsigned char*>(this) + kSpielbareSitze, &n, sizeof n);
}

namespace tcg {

ShortString<50> spielNamen[kSpiele];
ShortString<50> spielOrdner[kSpiele];
ShortString<50> spielKuerzel[kSpiele];

namespace {

struct Zeile {
    const char* name;  // UTF-8
    const char* ordner;
    const char* kuerzel;
};

constexpr Zeile kStart[kSpiele] = {
    {"Mau Mau", "maumau", "mau"},
    {"Skat", "skat", "ska"},
    {"Schwimmen", "schwimmen", "swi"},
    {"Rommé", "romme", "rom"},
    {"Canasta", "canasta", "can"},
    {"Doppelkopf", "doppelkopf", "dok"},
    {"Schafkopf", "schafkopf", "shk"},
    {"Schnapsen", "schnapsen", "snp"},
    {"Texas Hold`em Poker", "poker", "pok"},
    {"Black Jack", "blackjack", "bjk"},
    {"Sechsundsechzig", "66", "66_"},
    {"17 und 4", "17und4", "174"},
    {"Jass", "jass", "jas"},
};

constexpr Zeile kPoker[3] = {
    {"No Limit Poker", "nlpoker", "nlp"},
    {"Pot Limit Poker", "plpoker", "plp"},
    {"Split Limit Poker", "slpoker", "slp"},
};

void schreiben(int id, const Zeile& z) {
    spielNamen[id] = text::w(z.name);
    spielOrdner[id] = text::w(z.ordner);
    spielKuerzel[id] = text::w(z.kuerzel);
}

// The tables hold their start values before anything else runs.
const bool kGefuellt = (spielNamenFuellen(), true);

}  // namespace

void spielNamenFuellen() {
    for (int id = 0; id < kSpiele; ++id) schreiben(id, kStart[id]);
}

uint8_t laufId(int id) {
    if (id == spiele::kSechsundsechzig) return spiele::kSchnapsen;
    if (id == spiele::kSiebzehnUndVier) return spiele::kBlackJack;
    return static_cast<uint8_t>(id);
}

void varianteEintragen(int id) {
    if (id == spiele::kSechsundsechzig) schreiben(spiele::kSchnapsen, kStart[id]);
    if (id == spiele::kSiebzehnUndVier) schreiben(spiele::kBlackJack, kStart[id]);
}

void variantenZuruecksetzen() {
    schreiben(spiele::kSchnapsen, kStart[spiele::kSchnapsen]);
    schreiben(spiele::kBlackJack, kStart[spiele::kBlackJack]);
}

void pokerVarianteEintragen(PokerVariante v) {
    const int i = static_cast<int>(v);
    if (i < 0 || i > 2) return;
    schreiben(spiele::kPoker, kPoker[i]);
}

PokerVariante pokerVariante(const TCG& c) {
    if (c.poker.splitLimit) return PokerVariante::SplitLimit;
    if (c.poker.potLimit) return PokerVariante::PotLimit;
    return PokerVariante::NoLimit;
}

uint8_t spielStarten(TCG& c, int id) {
    if (id < 0 || id >= kSpiele) {
        msgsink::show(text::w("ACHTUNG! tcg.spielStarten: unbekannte Spiel-Id ") + text::fromInt(id));
        return 255;
    }
    const uint8_t lauf = laufId(id);
    // A variant flag left over from the last game would otherwise turn plain Schnapsen into
    // Sechsundsechzig (or Black Jack into 17 und 4).
    if (lauf == spiele::kSchnapsen) c.schnapsen.sechsundsechzig = id == spiele::kSechsundsechzig ? 1 : 0;
    if (lauf == spiele::kBlackJack) c.blackjack.siebzehnUndVier = id == spiele::kSiebzehnUndVier ? 1 : 0;
    variantenZuruecksetzen();
    varianteEintragen(id);
    c.spielId = lauf;
    c.spielIdMenue = static_cast<uint8_t>(id);
    return lauf;
}

}  // namespace tcg
