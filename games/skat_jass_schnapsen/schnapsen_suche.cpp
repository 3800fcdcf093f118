// The game-tree search of the Schnapsen computer seat.
#include "games/skat_jass_schnapsen/schnapsen_suche.h"

#include <algorithm>

#include "games/skat_jass_schnapsen/schnapsen.h"
#include "platform/num.h"
#include "platform/text.h"
#include "platform/ticks.h"

namespace schnapsenki {

namespace {

using schnapsen::kAss;
using schnapsen::kDame;

karte lang(const kurzkarte& k) { return karte{k.t, k.f, 0}; }

template <int N>
void dazu(SuchKarten<N>& h, const karte& k) {
    if (h.anz >= N) return;
    h.code[h.anz] = static_cast<uint8_t>((k.t & 15) | (k.f << 4));
    h.anz = static_cast<int8_t>(h.anz + 1);
}

void dazu(StichZahl& z, const karte&) { z.anz = static_cast<int8_t>(z.anz + 1); }

template <int N>
karte wegnehmen(SuchKarten<N>& h, int i) {
    const karte k = lang(h.at(i));
    for (int j = i; j < h.anz; ++j) h.code[j - 1] = h.code[j];
    h.anz = static_cast<int8_t>(h.anz - 1);
    return k;
}

int anderer(int seat) { return seat == 1 ? 2 : 1; }

int gesamt(const BaumKnoten& k, int seat) {
    return schnapsen::dealAugen(k.stichAugen[seat], k.angesagt[seat], k.gewonnen[seat].anz > 0);
}

float schluessel(float win, float avg) { return win * 1000.0f + avg; }

template <int N>
void vonHand(SuchKarten<N>& ziel, const hand& h) {
    ziel = SuchKarten<N>{};
    for (int i = 1; i <= h.anz && i <= N; ++i) dazu(ziel, h.at(i));
}

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
      offen_(new int32_t[kPoolGroesse - 1]) {}

int BaumBuilder::zuege(const BaumKnoten& k, bool sperrenErlaubt, int trumpf, int out[kKinderMax]) {
    int n = 0;
    if (!k.streng && k.stichAnz == 0 && sperrenErlaubt && k.talon.anz > 0) out[n++] = kSchliessen;
    const SuchHand& h = k.hand[k.amZug];
    for (int i = 1; i <= h.anz && n < kKinderMax; ++i)
        if (k.stichAnz == 0 || schnapsen::regelPruefen(h.at(i), k.stich1, h, k.streng != 0, trumpf)) out[n++] = i;
    return n;
}

void BaumBuilder::bewerten(BaumKnoten& k, int suchSitz, bool sechsundsechzig) {
    int sieger = 0;
    for (int s = 1; s <= 2; ++s)
        if (gesamt(k, s) > 65) sieger = s;  // seat 2 is tested last and prevails
    if (sieger == 0 && k.stichAnz == 0 && k.hand[1].anz == 0 && k.hand[2].anz == 0) {
        if (k.sperrSitz == 0) {
            sieger = k.letzterSieger;
            if (sechsundsechzig) {
                k.stichAugen[sieger] = static_cast<uint8_t>(k.stichAugen[sieger] + 10);
            } else {
                // The last trick wins the deal: it counts as at least 100 points.
                const int t = gesamt(k, sieger);
                if (t < 100) k.angesagt[sieger] = static_cast<uint8_t>(k.angesagt[sieger] + (100 - t));
            }
        } else {
            sieger = anderer(k.sperrSitz);
        }
    }
    const float diff = static_cast<float>(gesamt(k, suchSitz) - gesamt(k, anderer(suchSitz)));
    const float faktor = k.streng && k.sperrSitz ? 2.0f : 1.0f;
    const float tiefe = static_cast<float>(k.tiefe);
    if (sieger == suchSitz) {
        k.win = k.avg = faktor - 0.01f * tiefe + 0.01f * diff;
        k.seite = 2;
    } else if (sieger != 0) {
        k.win = k.avg = -faktor + 0.01f * tiefe + 0.01f * diff;
        k.seite = 2;
    } else {
        k.win = k.avg = k.streng && k.sperrSitz == suchSitz ? -0.5f : 0.01f * diff;
    }
}

void BaumBuilder::zugAnwenden(BaumKnoten& kind, const BaumKnoten& eltern, int suchSitz, int trumpf,
                              bool sechsundsechzig) {
    kind.tiefe = static_cast<uint8_t>(eltern.tiefe + 1);
    kind.elternSeite = eltern.seite;
    if (kind.kartenIndex == kSchliessen) {
        kind.seite = eltern.seite;
        kind.zugSitz = kind.amZug = eltern.amZug;
        kind.streng = 1;
        kind.sperrSitz = static_cast<uint8_t>(eltern.amZug);
        kind.fuehrt = 1;
        bewerten(kind, suchSitz, sechsundsechzig);
        return;
    }
    const int mover = eltern.amZug;
    kind.zugSitz = mover;
    kind.amZug = anderer(mover);
    kind.seite = eltern.seite == 1 ? 0 : eltern.seite == 0 ? 1 : 3;
    kind.fuehrt = eltern.stichAnz == 0;
    if (kind.fuehrt && schnapsen::paarPartner(eltern.hand[mover], kind.kartenIndex) > 0) {
        const karte c = lang(eltern.hand[mover].at(kind.kartenIndex));
        kind.angesagt[mover] = static_cast<uint8_t>(kind.angesagt[mover] + schnapsen::ansageWert(c, trumpf));
    }
    const karte k = wegnehmen(kind.hand[mover], kind.kartenIndex);
    kind.gespielt = k;
    if (eltern.stichAnz == 0) {
        kind.stich1 = k;
        kind.stichAnz = 1;
    } else {
        kind.stich2 = k;
        const int sieger = schnapsen::stichSieger(kind.stich1, k, mover, trumpf);
        kind.amZug = sieger;
        kind.letzterSieger = static_cast<uint8_t>(sieger);
        kind.seite = sieger == suchSitz ? 1 : 0;
        dazu(kind.gewonnen[sieger], kind.stich1);
        dazu(kind.gewonnen[sieger], k);
        kind.stichAugen[sieger] =
            static_cast<uint8_t>(kind.stichAugen[sieger] + schnapsen::kartenAugen(kind.stich1) + schnapsen::kartenAugen(k));
        kind.stichAnz = 0;
        if (!kind.streng) {
            if (kind.talon.anz > 0) dazu(kind.hand[sieger], wegnehmen(kind.talon, kind.talon.anz));
            if (kind.talon.anz > 0) {
                dazu(kind.hand[anderer(sieger)], wegnehmen(kind.talon, kind.talon.anz));
            } else if (kind.atout.t != 0) {
                dazu(kind.hand[anderer(sieger)], lang(kind.atout));
                kind.atout = kurzkarte{};
            }
            if (kind.talon.anz == 0) kind.streng = 1;
        }
    }
    bewerten(kind, suchSitz, sechsundsechzig);
}

bool BaumBuilder::zugVerwerfen(const BaumKnoten& k, int i) const {
    if (i == kSchliessen || k.streng) return false;
    const SuchHand& h = k.hand[k.amZug];
    const kurzkarte c = h.at(i);
    const bool trumpf = c.f == trumpf_;
    auto hat = [&](auto bedingung) {
        for (int j = 1; j <= h.anz; ++j)
            if (j != i && bedingung(h.at(j))) return true;
        return false;
    };
    if (k.stichAnz == 0) {
        if (!trumpf && c.t >= schnapsen::kZehn && hat([&](kurzkarte x) { return x.f != trumpf_ && x.t < c.t; }))
            return true;
        return trumpf && hat([&](kurzkarte x) { return x.f != trumpf_ && x.t < kAss; });
    }
    const karte lead = k.stich1;
    if (!trumpf && c.f != lead.f && c.t >= kDame && hat([&](kurzkarte x) { return x.t < c.t; })) return true;
    if (c.f == lead.f && c.t > lead.t) {
        int hoechste = 0;
        for (int j = 1; j <= h.anz; ++j)
            if (h.at(j).f == lead.f) hoechste = std::max<int>(hoechste, h.at(j).t);
        if (hoechste == c.t + 1) return true;
    }
    return c.f == lead.f && c.t < lead.t && hat([&](kurzkarte x) { return x.f == lead.f && x.t < c.t; });
}

void BaumBuilder::kinderErzeugen(int n) {
    int kand[kKinderMax];
    const int anzahl = zuege(platz(n), sperrenErlaubt_, trumpf_, kand);
    bool erlaubt[kKinderMax];
    int rest = anzahl;
    for (int i = 0; i < anzahl; ++i) erlaubt[i] = true;
    for (int i = 0; i < anzahl && rest > 1; ++i)
        if (zugVerwerfen(platz(n), kand[i])) {
            erlaubt[i] = false;
            --rest;
            ++gedroppt_;
        }
    for (int i = 0; i < anzahl; ++i) {
        if (!erlaubt[i]) continue;
        if (poolAnz_ >= knotenLimit_ || poolAnz_ >= kPoolGroesse) return;
        const int c = poolAnz_++;
        BaumKnoten& eltern = platz(n);
        BaumKnoten& kind = *new (&platz(c)) BaumKnoten(eltern);
        kind.index = c;
        kind.kinderAnz = 0;
        kind.bester = -1;
        kind.eltern = n;
        kind.kartenIndex = static_cast<uint8_t>(kand[i]);
        if (eltern.kinderAnz++ == 0) eltern.kinder.erstes = c;
        offen_[static_cast<size_t>(offenAnz_++)] = c;
    }
}

void BaumBuilder::expandieren(int n) {
    BaumKnoten& k = platz(n);
    zugAnwenden(k, platz(k.eltern), suchSitz_, trumpf_, sechsundsechzig_);
    maxTiefe_ = std::max<int>(maxTiefe_, k.tiefe);
}

void BaumBuilder::starten(const Lage& l, int tiefe, int zeitLimit, int knotenLimit, int zeiger) {
    poolAnz_ = 1;
    offenAnz_ = lesePos_ = pflicht_ = offene1_ = maxTiefe_ = 0;
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
    w.zugSitz = w.amZug = l.amZug;
    w.streng = l.streng;
    w.sperrSitz = static_cast<uint8_t>(l.sperrSitz);
    w.stichAnz = static_cast<uint8_t>(std::min<int>(l.stich.anz, 1));
    if (l.stich.anz >= 1) w.stich1 = l.stich.at(1);
    w.fuehrt = l.stich.anz == 0;
    for (int s = 1; s <= 2; ++s) {
        vonHand(w.hand[s], l.haende[s]);
        w.gewonnen[s].anz = static_cast<int8_t>(std::min<int>(l.gewonnen[s].anz, kHand25Max));
        int augen = 0;
        for (int i = 1; i <= l.gewonnen[s].anz; ++i) augen += schnapsen::kartenAugen(l.gewonnen[s].at(i));
        w.stichAugen[s] = static_cast<uint8_t>(augen);
        w.angesagt[s] = static_cast<uint8_t>(l.angesagt[s]);
    }
    vonHand(w.talon, l.talon);
    w.atout = kurzkarte{l.atout.t, l.atout.f};
    if (zeiger > 0) {
        // The seat on turn plays the pointed card in the root; the search answers it.
        BaumKnoten nach = w;
        nach.kartenIndex = static_cast<uint8_t>(zeiger);
        zugAnwenden(nach, w, suchSitz_, trumpf_, sechsundsechzig_);
        nach.tiefe = 0;
        nach.eltern = -1;
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
        budget = num::round((std::max<double>(static_cast<double>(num::round((f - 100) / 4)), 20) + 80) * 1000 / f);
    else
        budget = num::round((std::max<double>(static_cast<double>(num::round((f - 250) / 4)), 20) + 100) * 1000 / f);
    const int64_t grenze = num::round(1.5 * static_cast<double>(budget));
    const uint32_t start = ticks::now();
    int anzahl = 0;
    while (lesePos_ < offenAnz_) {
        if (zustand_ == 1 && maxTiefe_ >= tiefenLimit_) break;
        if (anzahl >= grenze) break;
        if (anzahl >= 30 && ticks::since(start) >= 50) break;
        const int n = offen_[static_cast<size_t>(lesePos_++)];
        expandieren(n);
        const BaumKnoten& k = platz(n);
        if (zustand_ == 2) ++pflicht_;
        // Past the breadth phase only positions under the strict rule grow further.
        const bool weiter = zustand_ == 1 ? (k.tiefe < tiefenLimit_ || k.streng) : k.streng != 0;
        if (weiter && k.seite != 2) kinderErzeugen(n);
        ++verarbeitet_;
        ++anzahl;
    }
    scheibe_ = anzahl;
    zeit_ += static_cast<int>(ticks::since(start));
    if (zustand_ == 1 && (maxTiefe_ >= tiefenLimit_ || lesePos_ >= offenAnz_)) {
        offene1_ = offenAnz_ - lesePos_;
        zustand_ = 2;
    }
    if ((zustand_ == 2 && lesePos_ >= offenAnz_) || zeit_ > zeitLimit_ || verarbeitet_ > knotenLimit_) {
        zurueckrechnen(0);
        zustand_ = 3;
    }
}

void BaumBuilder::zurueckrechnen(int n) {
    BaumKnoten& k = platz(n);
    for (int i = 0; i < k.kinderAnz; ++i) {
        const int c = k.kinder[i];
        zurueckrechnen(c);
        const BaumKnoten& kind = platz(c);
        k.avg = (i == 0 ? 0.0f : k.avg) + kind.avg / static_cast<float>(k.kinderAnz);
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
}

BaumKnoten BaumBuilder::besterKnoten() const {
    const BaumKnoten& w = platz(0);
    int best = -1;
    for (int i = 0; i < w.kinderAnz; ++i) {
        const BaumKnoten& k = platz(w.kinder[i]);
        if (best < 0 || schluessel(k.win, k.avg) > schluessel(platz(best).win, platz(best).avg))
            best = w.kinder[i];
    }
    if (best < 0) {
        BaumKnoten leer;
        leer.index = -1;
        return leer;
    }
    return platz(best);
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
            t += " spielt " + kartenText(k.gespielt) + ". ";
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
    const BaumKnoten erster = besterKnoten();
    int n = erster.index;
    while (n >= 1 && n < poolAnz_) {
        const BaumKnoten& k = platz(n);
        if (k.kartenIndex == kSchliessen)
            t += k.zugSitz == suchSitz_ ? " STAPELSPERRE" : " Talonsperre";
        else
            t += " " + kartenText(k.gespielt);
        if (k.kinderAnz == 0) break;
        n = k.bester;
    }
    return t;
}

std::string BaumBuilder::statistikText() const {
    return "Verarbeitet: " + std::to_string(verarbeitet_) + ", Offen: " + std::to_string(offenAnz_ - lesePos_) +
           ", Offene1: " + std::to_string(offene1_) + ", Pflicht: " + std::to_string(pflicht_) +
           ", Gedroppt: " + std::to_string(gedroppt_) + ", Zeit: " + std::to_string(zeit_) +
           ", Tiefe: " + std::to_string(maxTiefe_);
}

}  // namespace schnapsenki
