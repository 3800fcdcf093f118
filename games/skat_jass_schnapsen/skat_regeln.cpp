#include "games/skat_jass_schnapsen/skat_regeln.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/text.h"
#include "table/glu.h"

namespace skat_1 {

int Grundwert[21] = {};
int Rangtabelle[9] = {};
int RangInvers[9] = {};
std::string kartenNamen[9];
std::string kontraNamen[5];
std::string stufenNamen[6];

hand& stich() { return cg.skat.spiegel1[0]; }
hand& skatKopie() { return cg.skat.spiegel1[1]; }
hand& letzterStich() { return cg.skat.spiegel1[2]; }
hand& skatOriginal() { return cg.skat.spiegel1[3]; }
hand& stichKarten() { return cg.skat.spiegel1[4]; }
hand& gegebeneHand(int seat) { return cg.skat.spiegelFeld1[std::clamp(seat, 1, 3) - 1]; }
hand& gewonnenAllein() { return cg.skat.spiegel2[0]; }
hand& gewonnenGegner() { return cg.skat.spiegel2[1]; }
hand& alleGespielt() { return cg.skat.spiegel2[2]; }
hand& gewonnenSitz(int seat) { return cg.skat.spiegelFeld2[std::clamp(seat, 1, 3) - 1]; }

void tabellenSetzen() {
    const char* namen[] = {"", "7", "8", "9", "Bube", "Dame", "König", "10", "As"};
    for (int t = 1; t <= 8; ++t) kartenNamen[t] = text::w(namen[t]);
    augenZuruecksetzen();
    std::fill(std::begin(Grundwert), std::end(Grundwert), 0);
    Grundwert[kKreuz] = 12;
    Grundwert[kPik] = 11;
    Grundwert[kHerz] = 10;
    Grundwert[kKaro] = 9;
    Grundwert[kNull] = 23;
    Grundwert[kGrand] = cg.skat.optionen.grand20 ? 20 : 24;
    const char* kontra[] = {"", "Kontra", "Re", "Sup", "Hirsch"};
    for (int i = 0; i <= 4; ++i) kontraNamen[i] = kontra[i];
    const char* stufen[] = {"Normal",  "Schneider",        "Schneider angesagt",
                            "Schwarz", "Schwarz angesagt", "Offen"};
    for (int i = 0; i <= 5; ++i) stufenNamen[i] = stufen[i];
    for (int t = 1; t <= 8; ++t) Rangtabelle[t] = RangInvers[t] = t;
}

void rangTabelle(int typ) {
    // Null numbers the cards from the top: As 1, König 2, Dame 3, Bube 4, 10 5, 9 6, 8 7, 7 8;
    // Ramsch: As 1, 10 2, König 3, Dame 4, Bube 5, 9 6, 8 7, 7 8. A higher number is a lower card.
    static const int nullRang[9] = {0, 8, 7, 6, 4, 3, 2, 5, 1};
    static const int ramschRang[9] = {0, 8, 7, 6, 5, 4, 3, 2, 1};
    for (int t = 1; t <= 8; ++t) {
        if ((typ >= 1 && typ <= 4) || typ == kGrand)
            Rangtabelle[t] = t;
        else if (typ == kRamsch)
            Rangtabelle[t] = ramschRang[t];
        else
            Rangtabelle[t] = nullRang[t];
    }
    for (int t = 1; t <= 8; ++t) RangInvers[Rangtabelle[t]] = t;
    sortierGewichte(typ);
}

void reizliste(int g) {
    std::vector<int> l;
    for (int basis : {9, 10, 11, 12})
        for (int m = 2; m <= 18; ++m) l.push_back(basis * m);
    for (int n : {23, 35, 46, 59}) l.push_back(n);
    for (int m = 1; m <= 8; ++m) l.push_back(g * m);
    std::sort(l.begin(), l.end());
    l.erase(std::unique(l.begin(), l.end()), l.end());
    const int n = std::min<int>(static_cast<int>(l.size()), kReizlisteMax);
    for (int i = 0; i < kReizlisteMax; ++i) cg.skat.reizliste[i] = i < n ? l[static_cast<size_t>(i)] : 0;
    cg.skat.reizAnzahl = n;
    cg.skat.reizPos = 0;
    Grundwert[kGrand] = g;
}

int reizwert(int pos) {
    if (pos < 1 || pos > cg.skat.reizAnzahl || pos > kReizlisteMax) return 0;
    return cg.skat.reizliste[pos - 1];
}

int kleinsterReizwert(int w, int typ) {
    if (typ == kNull) {
        for (int n : {23, 35, 46, 59})
            if (n >= w) return n;
        return 59;
    }
    const int basis = typ >= 1 && typ <= 20 ? Grundwert[typ] : 0;
    if (basis <= 0) return w;
    if (w <= basis) return basis;
    return (w + basis - 1) / basis * basis;
}

int kleinsterReizwert(int w) { return kleinsterReizwert(w, cg.skat.spiel.typ2); }

int mitOhne(const hand& h, bool& mit, int typ) {
    mit = enthaeltKarte(h, karteBilden(kBube, 1));
    int n = 0;
    for (int f = 1; f <= 4; ++f) {
        if (enthaeltKarte(h, karteBilden(kBube, f)) != mit) return n;
        ++n;
    }
    if (typ < 1 || typ > 4) return n;
    // All four Buben held or all four missing: the chain goes on through the trump suit.
    for (int t : {8, 7, 6, 5, 3, 2, 1}) {
        if (enthaeltKarte(h, karteBilden(t, typ)) != mit) return n;
        ++n;
    }
    return n;
}

int spielFaktor(const hand& h, int typ, bool handSpiel, int erreicht, int angesagt) {
    bool mit = false;
    int f = mitOhne(h, mit, typ) + 1;
    if (handSpiel) ++f;
    if (erreicht >= kSchneider || angesagt >= kSchneiderAngesagt) ++f;
    if (angesagt >= kSchneiderAngesagt) ++f;
    if (erreicht >= kSchwarz || angesagt >= kSchwarzAngesagt) ++f;
    if (angesagt >= kSchwarzAngesagt) ++f;
    if (angesagt >= kOffen) ++f;
    return f;
}

int nullWert(bool handSpiel, bool offen) {
    if (offen) return handSpiel ? 59 : 46;
    return handSpiel ? 35 : 23;
}

bool sticht(const karte& a, const karte& b) {
    const bool ta = istTrumpf(a), tb = istTrumpf(b);
    if (ta && !tb) return true;
    if (tb && !ta) return false;
    if (ta && tb) {
        if (a.t == kBube && b.t == kBube) return a.f < b.f;
        if (a.t != b.t) {
            if (b.t == kBube) return false;
            if (a.t == kBube) return true;
        }
        return a.t > b.t;
    }
    if (a.f != b.f) return false;
    if (cg.skat.sk.typ == kNull) {
        auto rang = [](int t) { return t == 7 ? 3.5 : static_cast<double>(t); };
        return rang(a.t) > rang(b.t);
    }
    return a.t > b.t;
}

int stichGewinner(int anspieler) {
    int best = anspieler;
    int s = anspieler;
    for (int i = 0; i < 2; ++i) {
        s = naechster(s);
        if (sticht(stichKarten().at(s), stichKarten().at(best))) best = s;
    }
    return best;
}

int naechster(int seat) { return seat >= 3 ? 1 : seat + 1; }
int voriger(int seat) { return seat <= 1 ? 3 : seat - 1; }
int hinterhand() { return num::clamp<int>(cg.skat.geber, 1, 3); }
int vorhand() { return naechster(hinterhand()); }
int mittelhand() { return naechster(vorhand()); }

bool nullOderRamsch() { return cg.skat.sk.typ == kNull || cg.skat.sk.typ == kRamsch; }

bool augenSpiel() { return !cg.skat.spiel.ramsch && cg.skat.sk.typ != kNull && cg.skat.sk.typ != kRamsch; }

// ---------------------------------------------------------------------------------------------
// Card choice

bool kartenPruefen(const karte& kar, const std::string& tag) {
    if (kar.t >= 1 && kar.t <= 8 && kar.f >= 1 && kar.f <= 4) return true;
    char b[64];
    std::snprintf(b, sizeof b, "Values t: %d f: %d", kar.t, kar.f);
    msgsink::error("ConstructError, Caller: " + tag + "\n\r" + b);
    return false;
}

namespace {

int rang(const karte& k) { return k.t >= 1 && k.t <= 8 ? Rangtabelle[k.t] : 0; }

bool vergleich(const karte& a, const karte& b, bool immerFarbe) {
    const bool ta = istTrumpf(a), tb = istTrumpf(b);
    if (ta && !tb) return true;
    if (!ta && tb) return false;
    if (ta && tb) {
        if (a.t == b.t) {
            if (!immerFarbe && cg.skat.sk.typ == kRamsch) return a.f > b.f;
            return a.f < b.f;
        }
        if (a.t == kBube) return true;
        if (b.t == kBube) return false;
        return rang(a) > rang(b);
    }
    return a.f == b.f && rang(a) > rang(b);
}

}  // namespace

bool winsu(const karte& a, const karte& b) {
    kartenPruefen(a, "winsu.uk1");
    kartenPruefen(b, "winsu.uk2");
    return vergleich(a, b, false);
}

bool winsu2(const karte& a, const karte& b) {
    kartenPruefen(a, "winsu2.uk1");
    kartenPruefen(b, "winsu2.uk2");
    return vergleich(a, b, true);
}

void loosehand(const hand& h, const karte& kar, hand& r) {
    kartenPruefen(kar, "loosehand.kar");
    handLeeren(r);
    for (int i = 1; i <= h.anz; ++i)
        if (!vergleich(h.at(i), kar, false)) handaddk(r, h.at(i));
}

void loosehand2(const hand& h, const karte& kar, hand& r) {
    kartenPruefen(kar, "loosehand.kar");
    handLeeren(r);
    for (int i = 1; i <= h.anz; ++i)
        if (vergleich(kar, h.at(i), false)) handaddk(r, h.at(i));
}

void winhand(const hand& h, const karte& kar, hand& r) {
    kartenPruefen(kar, "winhand.kar");
    handLeeren(r);
    for (int i = 1; i <= h.anz; ++i)
        if (vergleich(h.at(i), kar, false)) handaddk(r, h.at(i));
}

karte kleinsteKarte(const hand& h) {
    if (h.anz < 1) return karte{};
    karte m = h.at(1);
    for (int i = 2; i <= h.anz; ++i)
        if (h.at(i).t < m.t) m = h.at(i);
    return m;
}

karte hoechsteAugenKarte(const hand& h) {
    if (h.anz < 1) return karte{};
    karte m = h.at(1);
    for (int i = 2; i <= h.anz; ++i)
        if (augen[h.at(i).t - 1] > augen[m.t - 1]) m = h.at(i);
    return m;
}

karte hoechsteKarte(const hand& h) {
    if (h.anz < 1) return karte{};
    karte m = h.at(1);
    for (int i = 2; i <= h.anz; ++i)
        if (vergleich(h.at(i), m, false)) m = h.at(i);
    return m;
}

karte billigsterStecher(const hand& h, const karte& kar) {
    if (h.anz < 1) return karte{};
    int best = 0;
    for (int i = 1; i <= h.anz; ++i)
        if (vergleich(h.at(i), kar, false) && (best == 0 || rang(h.at(i)) < rang(h.at(best)))) best = i;
    if (best == 0)
        for (int i = 1; i <= h.anz; ++i)
            if (vergleich(kar, h.at(i), false) && (best == 0 || rang(h.at(i)) < rang(h.at(best)))) best = i;
    return h.at(best == 0 ? 1 : best);
}

karte niedrigsteKarte(const hand& h) {
    if (h.anz < 1) return karte{};
    if (cg.skat.spiel.schieberamsch) {
        for (int f = 4; f >= 1; --f)
            if (enthaeltKarte(h, karteBilden(kBube, f))) return karteBilden(kBube, f);
    }
    if (cg.skat.sk.typ == kNull || cg.skat.sk.typ == kRamsch) {
        karte m = h.at(1);
        for (int i = 2; i <= h.anz; ++i)
            if (rang(h.at(i)) < rang(m)) m = h.at(i);
        return m;
    }
    for (int i = 1; i <= h.anz; ++i) {
        bool alle = true;
        for (int j = 1; j <= h.anz && alle; ++j)
            if (j != i && !vergleich(h.at(j), h.at(i), false)) alle = false;
        if (alle) return h.at(i);
    }
    karte m = h.at(1);
    for (int i = 2; i <= h.anz; ++i)
        if (vergleich(m, h.at(i), false)) m = h.at(i);
    return m;
}

int rangZaehlen(const hand& h, int t, bool unter) {
    if (t < 1 || t > 8) return 0;
    int n = 0;
    for (int i = 1; i <= h.anz; ++i) {
        const int r = rang(h.at(i));
        if (unter ? r < Rangtabelle[t] : r > Rangtabelle[t]) ++n;
    }
    return n;
}

namespace {
// The seat's hand as its stack was last mirrored.
const hand& sitzHand(int seat) { return glu::spieler[std::clamp(seat, 1, 3) - 1].hand; }
}  // namespace

bool gegnerHatKarte(int seat, const karte& kar) {
    const int allein = cg.skat.sk.alleinspieler;
    if (seat != allein) return enthaeltKarte(sitzHand(allein), kar);
    for (int s = 1; s <= 3; ++s)
        if (s != allein && enthaeltKarte(sitzHand(s), kar)) return true;
    return false;
}

void unbekannteKarten(int seat, const hand& a, const hand& b, hand& r) {
    handVereinen(a, b, r);
    const bool eigenerSkat = seat == cg.skat.sk.alleinspieler && !cg.skat.spiel.hand;
    if (!eigenerSkat && !cg.skat.spiel.rum) handAnhaengen(r, skatKopie());
}

void handVereinen(const hand& a, const hand& b, hand& r) {
    hand x = a;
    handAnhaengen(x, b);
    r = x;
}

}  // namespace skat_1
