// The game-tree search of the Schnapsen computer seat.
#include "games/skat_jass_schnapsen/schnapsen_suche.h"

#include <algorithm>
#include <bit>

#include "games/skat_jass_schnapsen/schnapsen.h"
#include "platform/num.h"
#include "platform/text.h"
#include "platform/ticks.h"

namespace schnapsenki {

namespace {

using schnapsen::kAss;
using schnapsen::kDame;

// The places of the cards of a search (see BaumBuilder).
constexpr int kHandPlatz[3] = {0, 0, 7};
constexpr int kTalonPlatz = 14, kAtoutPlatz = 26, kStichPlatz = 27;

constexpr uint32_t bit(int platz) { return 1u << platz; }
int niedrigster(uint32_t menge) { return std::countr_zero(menge); }

// The place of card i (1..) of a hand, kKeinPlatz past its end.
int platzVon(uint32_t hand, int i) {
    for (int j = 1; j < i && hand != 0; ++j) hand &= hand - 1;
    return hand != 0 ? niedrigster(hand) : kKeinPlatz;
}

// A hand takes no more cards than a search hand holds.
void dazu(uint32_t& hand, int platz) {
    if (std::popcount(hand) < kSuchHandMax) hand |= bit(platz);
}

int anderer(int seat) { return seat == 1 ? 2 : 1; }

int gesamt(const BaumKnoten& k, int seat) {
    return schnapsen::dealAugen(k.stichAugen[seat], k.angesagt[seat], k.gewonnen[seat].anz > 0);
}

float schluessel(float win, float avg) { return win * 1000.0f + avg; }

std::string kartenText(const karte& k) {
    static const char* const farben[5] = {"?", "Kreuz", "Pik", "Herz", "Karo"};
    static const char* const werte[9] = {"?", "?", "?", "Neun", "Bube", "Dame", "König", "Zehn", "Ass"};
    const int f = k.f <= 4 ? k.f : 0, t = k.t <= 8 ? k.t : 0;
    return text::w(farben[f]) + " " + text::w(werte[t]);
}

std::string hundert(float v) { return std::to_string(static_cast<int>(num::round(v * 100.0))); }

}  // namespace

BaumBuilder::BaumBuilder()
    : pool_(static_cast<BaumKnoten*>(::operator new(sizeof(BaumKnoten) * kPoolGroesse))),
      zugTabelle_(new ZugListe[size_t{1} << kZugTabelleBits]),
      werte_(static_cast<Wert*>(::operator new(sizeof(Wert) * kPoolGroesse))) {}

int BaumBuilder::zuegeMitPlatz(const BaumKnoten& k, int out[kKinderMax], uint8_t plaetze[kKinderMax]) const {
    int n = 0;
    if (!k.streng && k.stichAnz == 0 && sperrenErlaubt_ && k.talonAnz > 0) {
        plaetze[n] = kKeinPlatz;
        out[n++] = kSchliessen;
    }
    // the mover's hand in hand order, for the rules' own test of a card
    struct {
        int anz = 0;
        karte k[kSuchHandMax] = {};
        uint8_t platz[kSuchHandMax] = {};
        const karte& at(int i) const { return k[i - 1]; }
    } h;
    for (uint32_t rest = k.hand[k.amZug]; rest != 0 && h.anz < kSuchHandMax; rest &= rest - 1) {
        h.platz[h.anz] = static_cast<uint8_t>(niedrigster(rest));
        h.k[h.anz] = karteAn(h.platz[h.anz]);
        ++h.anz;
    }
    const karte lead = karteAn(k.stich1);
    for (int i = 1; i <= h.anz && n < kKinderMax; ++i)
        if (k.stichAnz == 0 || schnapsen::regelPruefen(h.at(i), lead, h, k.streng != 0, trumpf_)) {
            plaetze[n] = h.platz[i - 1];
            out[n++] = i;
        }
    return n;
}

int BaumBuilder::zuege(const BaumKnoten& k, int out[kKinderMax]) const {
    uint8_t plaetze[kKinderMax];
    return zuegeMitPlatz(k, out, plaetze);
}

namespace {

[[gnu::always_inline]] inline void blattWert(BaumKnoten& k, int suchSitz, bool sechsundsechzig) {
    int augen[3] = {0, gesamt(k, 1), gesamt(k, 2)};
    // seat 2 is tested last and prevails
    int sieger = augen[2] > 65 ? 2 : augen[1] > 65 ? 1 : 0;
    if (sieger == 0 && k.stichAnz == 0 && (k.hand[1] | k.hand[2]) == 0) {
        if (k.sperrSitz == 0) {
            sieger = k.letzterSieger;
            if (sechsundsechzig) {
                k.stichAugen[sieger] = static_cast<uint8_t>(k.stichAugen[sieger] + 10);
            } else {
                // The last trick wins the deal: it counts as at least 100 points.
                const int t = gesamt(k, sieger);
                if (t < 100) k.angesagt[sieger] = static_cast<uint8_t>(k.angesagt[sieger] + (100 - t));
            }
            augen[1] = gesamt(k, 1);
            augen[2] = gesamt(k, 2);
        } else {
            sieger = anderer(k.sperrSitz);
        }
    }
    const float diff = static_cast<float>(suchSitz == 1 ? augen[1] - augen[2] : augen[2] - augen[1]);
    if (sieger == 0) {
        k.win = k.avg = k.streng && k.sperrSitz == suchSitz ? -0.5f : 0.01f * diff;
        return;
    }
    const float faktor = k.streng && k.sperrSitz ? 2.0f : 1.0f;
    const float tiefe = static_cast<float>(k.tiefe);
    if (sieger == suchSitz)
        k.win = k.avg = faktor - 0.01f * tiefe + 0.01f * diff;
    else
        k.win = k.avg = -faktor + 0.01f * tiefe + 0.01f * diff;
    k.seite = 2;
}

}  // namespace

void BaumBuilder::bewerten(BaumKnoten& k, int suchSitz, bool sechsundsechzig) {
    blattWert(k, suchSitz, sechsundsechzig);
}

[[gnu::always_inline]] inline void BaumBuilder::anwenden(BaumKnoten& kind, const BaumKnoten& eltern, int p,
                                                         bool wertGeerbt) const {
    kind.tiefe = static_cast<uint8_t>(eltern.tiefe + 1);
    if (kind.kartenIndex == kSchliessen) {
        kind.seite = eltern.seite;
        kind.zugSitz = kind.amZug = eltern.amZug;
        kind.streng = 1;
        kind.sperrSitz = static_cast<uint8_t>(eltern.amZug);
        blattWert(kind, suchSitz_, sechsundsechzig_);
        return;
    }
    const int mover = eltern.amZug;
    kind.zugSitz = static_cast<uint8_t>(mover);
    kind.amZug = static_cast<uint8_t>(anderer(mover));
    kind.seite = eltern.seite == 1 ? 0 : eltern.seite == 0 ? 1 : 3;
    kind.hand[mover] &= ~bit(p & 31);
    kind.gespielt = static_cast<uint8_t>(p);
    if (eltern.stichAnz == 0) {
        kind.stich1 = static_cast<uint8_t>(p);
        kind.stichAnz = 1;
        if (eltern.hand[mover] & partner_[p & 31]) {
            kind.angesagt[mover] =
                static_cast<uint8_t>(kind.angesagt[mover] + schnapsen::ansageWert(karteAn(p), trumpf_));
        } else if (wertGeerbt) {
            // A lead without an announcement changes no points and leaves the trick open: the
            // parent's score (the copy holds it) is the child's.
            return;
        }
    } else {
        const int sieger = schnapsen::stichSieger(karteAn(kind.stich1), karteAn(p), mover, trumpf_);
        kind.amZug = static_cast<uint8_t>(sieger);
        kind.letzterSieger = static_cast<uint8_t>(sieger);
        kind.seite = sieger == suchSitz_ ? 1 : 0;
        kind.gewonnen[sieger].anz = static_cast<int8_t>(kind.gewonnen[sieger].anz + 2);
        kind.stichAugen[sieger] =
            static_cast<uint8_t>(kind.stichAugen[sieger] + augen_[kind.stich1 & 31] + augen_[p & 31]);
        kind.stichAnz = 0;
        if (!kind.streng) {
            // the taker draws first; the last card of the talon leaves the open trump card
            // to the other seat
            const int naechster = kTalonPlatz + talonStart_ - kind.talonAnz;
            if (kind.talonAnz > 0) {
                dazu(kind.hand[sieger], naechster);
                --kind.talonAnz;
            }
            if (kind.talonAnz > 0) {
                dazu(kind.hand[anderer(sieger)], naechster + 1);
                --kind.talonAnz;
            } else if (kind.atoutDa) {
                dazu(kind.hand[anderer(sieger)], kAtoutPlatz);
                kind.atoutDa = 0;
            }
            if (kind.talonAnz == 0) kind.streng = 1;
        }
    }
    blattWert(kind, suchSitz_, sechsundsechzig_);
}

void BaumBuilder::zugAnwenden(BaumKnoten& kind, const BaumKnoten& eltern) const {
    const int p =
        kind.kartenIndex == kSchliessen ? kKeinPlatz : platzVon(eltern.hand[eltern.amZug], kind.kartenIndex);
    anwenden(kind, eltern, p, false);
}

bool BaumBuilder::zugVerwerfen(const BaumKnoten& k, int i, int c) const {
    if (i == kSchliessen || k.streng) return false;
    const uint32_t andere = k.hand[k.amZug] & ~bit(c);
    const uint32_t trumpfKarten = inFarbe_[trumpf_ & 15];
    const bool trumpf = farbe_[c] == trumpf_;
    if (k.stichAnz == 0) {
        if (!trumpf && wert_[c] >= schnapsen::kZehn && (andere & ~trumpfKarten & kleiner_[c])) return true;
        return trumpf && (andere & ~trumpfKarten & unterAss_);
    }
    const int lead = k.stich1;
    const bool bedient = farbe_[c] == farbe_[lead];
    if (!trumpf && !bedient && wert_[c] >= kDame && (andere & kleiner_[c])) return true;
    if (bedient && wert_[c] > wert_[lead]) {
        int hoechste = 0;
        for (uint32_t m = k.hand[k.amZug] & inFarbe_[farbe_[lead]]; m != 0; m &= m - 1)
            hoechste = std::max<int>(hoechste, wert_[niedrigster(m)]);
        if (hoechste == wert_[c] + 1) return true;
    }
    return bedient && wert_[c] < wert_[lead] && (andere & tiefer_[c]);
}

const BaumBuilder::ZugListe& BaumBuilder::zugListe(const BaumKnoten& k) {
    const uint64_t schluessel = k.hand[k.amZug] | uint64_t{k.stichAnz != 0 ? k.stich1 : kKeinPlatz} << 28 |
                                uint64_t{k.streng != 0} << 33 | uint64_t{k.talonAnz > 0} << 34;
    ZugListe& z = zugTabelle_[(schluessel * 0x9E3779B97F4A7C15ull) >> (64 - kZugTabelleBits)];
    if (z.schluessel == schluessel) return z;
    int kand[kKinderMax];
    uint8_t plaetze[kKinderMax];
    const int anzahl = zuegeMitPlatz(k, kand, plaetze);
    bool erlaubt[kKinderMax];
    int rest = anzahl;
    for (int i = 0; i < anzahl; ++i) erlaubt[i] = true;
    z.verworfen = 0;
    for (int i = 0; i < anzahl && rest > 1; ++i)
        if (zugVerwerfen(k, kand[i], plaetze[i])) {
            erlaubt[i] = false;
            --rest;
            ++z.verworfen;
        }
    z.anz = 0;
    for (int i = 0; i < anzahl; ++i) {
        if (!erlaubt[i]) continue;
        z.index[z.anz] = static_cast<uint8_t>(kand[i]);
        z.platz[z.anz] = plaetze[i];
        ++z.anz;
    }
    z.schluessel = schluessel;
    return z;
}

void BaumBuilder::kinderErzeugen(int n) {
    const int platzFrei = std::min(knotenLimit_, kPoolGroesse) - poolAnz_;
    if (platzFrei <= 0) return;
    BaumKnoten& eltern = platz(n);
    const ZugListe& z = zugListe(eltern);
    gedroppt_ += z.verworfen;
    const int anz = std::min<int>(z.anz, platzFrei);
    if (anz <= 0) return;
    // The children are played out at once, while their parent is at hand; a child counts as
    // expanded only when the search reaches it.
    eltern.kinder.erstes = poolAnz_;
    for (int i = 0; i < anz; ++i) {
        BaumKnoten& kind = *new (&platz(poolAnz_)) BaumKnoten(eltern);
        ++poolAnz_;
        kind.bester = -1;
        kind.kartenIndex = z.index[i];
        anwenden(kind, eltern, z.platz[i], n != 0);
    }
    eltern.kinderAnz = static_cast<uint8_t>(anz);
}

void BaumBuilder::offeneAbschliessen() {
    if (lesePos_ + 1 >= poolAnz_) return;
    for (int e = 0; e <= lesePos_; ++e) {
        const BaumKnoten& eltern = platz(e);
        for (int i = 0; i < eltern.kinderAnz; ++i) {
            const int n = eltern.kinder[i];
            if (n <= lesePos_) continue;
            BaumKnoten& k = platz(n);
            const int kartenIndex = k.kartenIndex;
            k = eltern;
            k.kinderAnz = 0;
            k.bester = -1;
            k.kartenIndex = static_cast<uint8_t>(kartenIndex);
        }
    }
}

void BaumBuilder::kartenLegen(const Lage& l, BaumKnoten& w) {
    // the moves kept belong to the cards of the last search
    for (int i = 0; i < 1 << kZugTabelleBits; ++i) zugTabelle_[i].schluessel = 0;
    for (int p = 0; p < 32; ++p) wert_[p] = farbe_[p] = 0;
    const auto legen = [this](int p, const karte& k) {
        wert_[p] = static_cast<uint8_t>(k.t & 15);
        farbe_[p] = static_cast<uint8_t>(k.f & 15);
    };
    for (int s = 1; s <= 2; ++s) {
        w.hand[s] = 0;
        for (int i = 1; i <= l.haende[s].anz && i <= kSuchHandMax; ++i) {
            legen(kHandPlatz[s] + i - 1, l.haende[s].at(i));
            w.hand[s] |= bit(kHandPlatz[s] + i - 1);
        }
    }
    // the talon is drawn from its last card
    talonStart_ = std::min<int>(l.talon.anz, kSuchTalonMax);
    for (int i = 1; i <= talonStart_; ++i) legen(kTalonPlatz + talonStart_ - i, l.talon.at(i));
    w.talonAnz = static_cast<uint8_t>(talonStart_);
    legen(kAtoutPlatz, l.atout);
    w.atoutDa = l.atout.t != 0;
    if (l.stich.anz >= 1) {
        legen(kStichPlatz, l.stich.at(1));
        w.stich1 = kStichPlatz;
    }
    for (uint32_t& m : inFarbe_) m = 0;
    unterAss_ = 0;
    for (int p = 0; p < 32; ++p) {
        inFarbe_[farbe_[p]] |= bit(p);
        if (wert_[p] < kAss) unterAss_ |= bit(p);
        augen_[p] = static_cast<uint8_t>(schnapsen::kartenAugen(karteAn(p)));
    }
    for (int p = 0; p < 32; ++p) {
        tiefer_[p] = kleiner_[p] = partner_[p] = 0;
        for (int q = 0; q < 32; ++q) {
            if (wert_[q] < wert_[p]) kleiner_[p] |= bit(q);
            if (farbe_[q] == farbe_[p] && wert_[q] < wert_[p]) tiefer_[p] |= bit(q);
            // the rules say which two cards make a pair
            struct {
                int anz = 2;
                karte k[2];
                const karte& at(int i) const { return k[i - 1]; }
            } paar{2, {karteAn(p), karteAn(q)}};
            if (schnapsen::paarPartner(paar, 1) == 2) partner_[p] |= bit(q);
        }
    }
}

void BaumBuilder::starten(const Lage& l, int tiefe, int zeitLimit, int knotenLimit, int zeiger) {
    poolAnz_ = 1;
    lesePos_ = pflicht_ = offene1_ = maxTiefe_ = 0;
    verarbeitet_ = gedroppt_ = zeit_ = scheibe_ = 0;
    tiefenLimit_ = tiefe;
    zeitLimit_ = zeitLimit;
    knotenLimit_ = std::min(knotenLimit, kKnotenMax);
    suchSitz_ = l.suchSitz;
    trumpf_ = l.trumpf;
    sechsundsechzig_ = l.sechsundsechzig;
    sperrenErlaubt_ = l.sperrenErlaubt;
    zustand_ = 1;

    BaumKnoten& w = *new (&platz(0)) BaumKnoten{};
    w.zugSitz = w.amZug = static_cast<uint8_t>(l.amZug);
    w.streng = l.streng;
    w.sperrSitz = static_cast<uint8_t>(l.sperrSitz);
    w.stichAnz = static_cast<uint8_t>(std::min<int>(l.stich.anz, 1));
    kartenLegen(l, w);
    for (int s = 1; s <= 2; ++s) {
        w.gewonnen[s].anz = static_cast<int8_t>(std::min<int>(l.gewonnen[s].anz, kHand25Max));
        int augen = 0;
        for (int i = 1; i <= l.gewonnen[s].anz; ++i) augen += schnapsen::kartenAugen(l.gewonnen[s].at(i));
        w.stichAugen[s] = static_cast<uint8_t>(augen);
        w.angesagt[s] = static_cast<uint8_t>(l.angesagt[s]);
    }
    if (zeiger > 0) {
        // The seat on turn plays the pointed card in the root; the search answers it.
        BaumKnoten nach = w;
        nach.kartenIndex = static_cast<uint8_t>(zeiger);
        zugAnwenden(nach, w);
        nach.tiefe = 0;
        nach.kartenIndex = kWurzelIndex;
        nach.seite = nach.seite == 2 ? 2 : 1;
        w = nach;
    }
    if (w.amZug != suchSitz_ || w.seite == 2) {
        zustand_ = 3;
        return;
    }
    w.seite = 1;
    kinderErzeugen(0);
}

void BaumBuilder::rechnen(float fps) {
    if (zustand_ != 1 && zustand_ != 2) return;
    double f = fps > 1 ? fps : 60.0;
    int64_t budget;
    if (f <= 100)
        budget = num::round(80000.0 / f);
    else if (f <= 250)
        budget = num::round((std::max<double>(static_cast<double>(num::round((f - 100) / 4)), 20) + 80) *
                            1000 / f);
    else
        budget = num::round((std::max<double>(static_cast<double>(num::round((f - 250) / 4)), 20) + 100) *
                            1000 / f);
    const int64_t grenze = num::round(1.5 * static_cast<double>(budget));
    const uint32_t start = ticks::now();
    const int poolGrenze = std::min(knotenLimit_, kPoolGroesse);
    const bool breite = zustand_ == 1;
    int anzahl = 0, lese = lesePos_, tiefste = maxTiefe_;
    while (lese + 1 < poolAnz_) {
        if (breite && tiefste >= tiefenLimit_) break;
        if (anzahl >= grenze) break;
        // the clock is read every 16 nodes: a node costs far less than reading it
        if (anzahl >= 30 && (anzahl & 15) == 14 && ticks::since(start) >= 50) break;
        if (poolAnz_ >= poolGrenze && !breite) {
            // A full pool grows nothing more, and past the breadth phase no move is pruned (only
            // positions under the strict rule would grow): the nodes left are only counted, up to
            // the next look at the clock or the slice's end. The pool lies in breadth order: the
            // last node counted is the deepest.
            int64_t m = std::min<int64_t>(poolAnz_ - 1 - lese, grenze - anzahl);
            const int uhr = anzahl < 30 ? 30 : ((anzahl - 14) / 16 + 1) * 16 + 14;
            m = std::min<int64_t>(m, uhr - anzahl);
            lese += static_cast<int>(m);
            anzahl += static_cast<int>(m);
            tiefste = std::max<int>(tiefste, platz(lese).tiefe);
            continue;
        }
        const int n = ++lese;
        const BaumKnoten& k = platz(n);
        tiefste = std::max<int>(tiefste, k.tiefe);
        // Past the breadth phase only positions under the strict rule grow further; a full pool
        // takes no more children, but the moves it would have pruned still count.
        const bool weiter = breite ? (k.tiefe < tiefenLimit_ || k.streng) : k.streng != 0;
        if (weiter && k.seite != 2) {
            if (poolAnz_ < poolGrenze)
                kinderErzeugen(n);
            else
                gedroppt_ += zugListe(k).verworfen;
        }
        ++anzahl;
    }
    lesePos_ = lese;
    maxTiefe_ = tiefste;
    verarbeitet_ += anzahl;
    if (!breite) pflicht_ += anzahl;
    scheibe_ = anzahl;
    zeit_ += static_cast<int>(ticks::since(start));
    const int offen = poolAnz_ - 1 - lesePos_;
    if (zustand_ == 1 && (maxTiefe_ >= tiefenLimit_ || offen == 0)) {
        offene1_ = offen;
        zustand_ = 2;
    }
    if ((zustand_ == 2 && offen == 0) || zeit_ > zeitLimit_ || verarbeitet_ > knotenLimit_) {
        offeneAbschliessen();
        zurueckrechnen();
        zustand_ = 3;
    }
}

// Children lie behind their parent in the pool: from the back, every node finds its children's
// values final.
void BaumBuilder::zurueckrechnen() {
    Wert* const wert = werte_.get();
    for (int n = poolAnz_ - 1; n >= 0; --n) {
        BaumKnoten& k = platz(n);
        const int anz = k.kinderAnz;
        for (int i = 0; i < anz; ++i) {
            const int c = k.kinder[i];
            const Wert kind = wert[c];
            k.avg = (i == 0 ? 0.0f : k.avg) + kind.avg / static_cast<float>(anz);
            const float ks = schluessel(kind.win, kind.avg);
            bool nehmen = i == 0;
            if (!nehmen) {
                const float eigen = schluessel(k.win, k.avg);
                if (k.seite == 1)
                    nehmen = ks > eigen;
                else if (k.seite == 0)
                    nehmen = ks < eigen;
                else
                    nehmen = true;
            }
            if (nehmen) {
                k.win = kind.win;
                k.bester = c;
            }
        }
        if (k.kartenIndex == kSchliessen) {
            if (k.tiefe <= 1)
                k.win *= 1.6f;
            else if (k.tiefe == 2)
                k.win *= 1.4f;
            else if (k.tiefe == 3)
                k.win *= 1.2f;
        }
        wert[n] = Wert{k.win, k.avg};
    }
}

BesterKnoten BaumBuilder::besterKnoten() const {
    const BaumKnoten& w = platz(0);
    int best = -1;
    for (int i = 0; i < w.kinderAnz; ++i) {
        const BaumKnoten& k = platz(w.kinder[i]);
        if (best < 0 || schluessel(k.win, k.avg) > schluessel(platz(best).win, platz(best).avg))
            best = w.kinder[i];
    }
    BesterKnoten k;
    if (best < 0) return k;
    static_cast<BaumKnoten&>(k) = platz(best);
    k.index = best;
    return k;
}

std::string BaumBuilder::baumText() const {
    if (poolAnz_ < 1) return "";
    std::string t;
    const auto zeile = [this, &t](int n, const std::string& marke) {
        const BaumKnoten& k = platz(n);
        const int s = k.zugSitz;
        t += marke + "Spieler " + std::to_string(s);
        if (k.kartenIndex == kSchliessen)
            t += " blockiert. ";
        else
            t += " spielt " + kartenText(karteAn(k.gespielt)) + ". ";
        t += " stichcount:" + std::to_string(k.stichAugen[s]) + " und hat dann " +
             std::to_string(gesamt(k, s)) + " Punkte." + " Win:" + hundert(k.win) + " Avg:" + hundert(k.avg);
        const char* art = k.seite == 2 ? (k.win > 0 ? " <S>" : " <G>") : k.kinderAnz > 0 ? " <E>" : " <?>";
        t += std::string(art) + "\r";
    };
    const BaumKnoten& w = platz(0);
    for (int i = 0; i < w.kinderAnz; ++i) {
        const int n = w.kinder[i];
        zeile(n, "");
        const int antwort = platz(n).bester;
        if (antwort < 0 || platz(n).kinderAnz == 0) continue;
        zeile(antwort, "-");
        const int danach = platz(antwort).bester;
        if (danach >= 0 && platz(antwort).kinderAnz > 0) zeile(danach, "--");
    }
    return t;
}

std::string BaumBuilder::besterText() const {
    std::string t = "BESTER:";
    const BesterKnoten erster = besterKnoten();
    int n = erster.index;
    while (n >= 1 && n < poolAnz_) {
        const BaumKnoten& k = platz(n);
        if (k.kartenIndex == kSchliessen)
            t += k.zugSitz == suchSitz_ ? " STAPELSPERRE" : " Talonsperre";
        else
            t += " " + kartenText(karteAn(k.gespielt));
        if (k.kinderAnz == 0) break;
        n = k.bester;
    }
    return t;
}

std::string BaumBuilder::statistikText() const {
    return "Verarbeitet: " + std::to_string(verarbeitet_) +
           ", Offen: " + std::to_string(poolAnz_ - 1 - lesePos_) + ", Offene1: " + std::to_string(offene1_) +
           ", Pflicht: " + std::to_string(pflicht_) + ", Gedroppt: " + std::to_string(gedroppt_) +
           ", Zeit: " + std::to_string(zeit_) + ", Tiefe: " + std::to_string(maxTiefe_);
}

}  // namespace schnapsenki
