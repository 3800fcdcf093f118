#include "games/skat_jass_schnapsen/skat_bewertung.h"

#include <algorithm>

#include "core/central.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "gui/pvl.h"
#include "platform/fileio.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"

namespace skat_1 {

std::string datenOrdner = "data\\oldsk\\";

namespace {

Mustertabelle g_tabellen[11];
Bewertung g_bewertung[4];

void protokoll(const std::string& zeile) {
    if (central::dienste.app) central::dienste.app->wrp2(zeile);
}

// Reads a decimal number (optional sign) at pos; false when none is there.
bool zahlLesen(const std::string& s, size_t& pos, int& wert) {
    size_t p = pos;
    bool minus = false;
    if (p < s.size() && (s[p] == '-' || s[p] == '+')) minus = s[p++] == '-';
    const size_t start = p;
    long v = 0;
    while (p < s.size() && s[p] >= '0' && s[p] <= '9' && p - start < 6) v = v * 10 + (s[p++] - '0');
    if (p == start || (p < s.size() && s[p] >= '0' && s[p] <= '9')) return false;
    wert = static_cast<int>(minus ? -v : v);
    pos = p;
    return true;
}

bool zeichen(const std::string& s, size_t& pos, char c) {
    if (pos < s.size() && s[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

}  // namespace

int musterParsen(const std::string& text, Mustertabelle& tab, std::string& meldung) {
    tab.anzahl = 0;
    int probleme = 0;
    const size_t kopf = text.find("|data|");
    if (kopf == std::string::npos) return 0;  // no data part: no rules
    size_t pos = kopf + 6;
    bool gewarnt = false;
    while ((pos = text.find('#', pos)) != std::string::npos) {
        ++pos;
        int art = 0, t = 0, f = 0, punkte = 0;
        if (!zahlLesen(text, pos, art)) continue;
        if (art != 1) {
            // another kind's rule: skipped up to its "(", the next "#" opens the next scan
            const size_t klammer = text.find('(', pos);
            if (klammer == std::string::npos) break;
            pos = klammer + 1;
            continue;
        }
        const size_t regelStart = pos;
        const bool ok = zeichen(text, pos, '(') && zahlLesen(text, pos, t) && zeichen(text, pos, ',') &&
                        zahlLesen(text, pos, f) && zeichen(text, pos, ')') && zahlLesen(text, pos, punkte) &&
                        pos < text.size() && text[pos] == '#';
        if (!ok || t < 1 || t > 8 || f < 0 || f > 5 || punkte < -128 || punkte > 127) {
            ++probleme;
            meldung +=
                "Regel ohne Form bei Zeichen " + text::fromInt(static_cast<int64_t>(regelStart)) + "\n";
            pos = regelStart;
            continue;
        }
        ++pos;  // the closing '#'
        if (tab.anzahl >= kMusterRegeln) {
            if (!gewarnt) {
                ++probleme;
                meldung += "mehr als 20 Regeln, der Rest bleibt unbeachtet\n";
                gewarnt = true;
            }
            continue;
        }
        tab.regel[tab.anzahl++] =
            MusterRegel{static_cast<int8_t>(t), static_cast<int8_t>(f), static_cast<int8_t>(punkte)};
    }
    return probleme;
}

int musterWert(const Mustertabelle& tab, const hand& h, int trumpf) {
    int wert = 0;
    for (int i = 0; i < tab.anzahl && i < kMusterRegeln; ++i) {
        const MusterRegel& r = tab.regel[i];
        int f = r.f;
        if (f == 5 && trumpf >= 1 && trumpf <= 4) f = trumpf;
        if (f == 0 ? enthaeltWert(h, r.t) : enthaeltKarte(h, karteBilden(r.t, f))) wert += r.punkte;
    }
    return wert;
}

const Mustertabelle& muster(int n) {
    static const char* dateien[] = {"", "buben.txt", "karten.txt", "kartenf.txt"};
    n = std::clamp(n, 1, 3);
    Mustertabelle& tab = g_tabellen[n];
    if (tab.geladen) return tab;
    tab.geladen = 1;
    const std::string name = datenOrdner + dateien[n];
    std::string inhalt;
    if (!fileio::readAll(fileio::local(name), inhalt)) {
        tab.anzahl = 0;
        protokoll("skat_1.musterLesen: " + name + " fehlt, alle Werte 0");
        return tab;
    }
    std::string meldung;
    if (musterParsen(inhalt, tab, meldung) > 0) protokoll("skat_1.musterLesen: " + name + ": " + meldung);
    return tab;
}

int musterLesen(const std::string& datei, const hand& h, int trumpf, int n) {
    (void)datei;
    return musterWert(muster(n), h, trumpf);
}

void musterVergessen() {
    for (auto& t : g_tabellen) t = Mustertabelle{};
}

Bewertung& bewertung(int seat) { return g_bewertung[std::clamp(seat, 1, 3)]; }

int hoechstgebotAus(int punkte, int hoechsterWert) {
    int limit = 0;
    if (punkte < 103)
        limit = 0;
    else if (punkte < 118)
        limit = 19;
    else
        limit = hoechsterWert - 115 + punkte;
    return std::min(limit, hoechsterWert);
}

namespace {

int bubenAnzahl(const hand& h) { return wertAnzahl(h, kBube); }

// Sums, per other seat, how many of its cards beat each trump of the seat, against how many of
// the seat's cards beat each trump of that other seat; true when some other seat is stronger.
bool schwaecherImDurchspiel(const hand& eigene, const hand& a, const hand& b) {
    for (const hand* andere : {&a, &b}) {
        int fremd = 0, eigen = 0;
        hand r;
        for (int i = 1; i <= eigene.anz; ++i)
            if (istTrumpf(eigene.at(i))) {
                winhand(*andere, eigene.at(i), r);
                fremd += r.anz;
            }
        for (int i = 1; i <= andere->anz; ++i)
            if (istTrumpf(andere->at(i))) {
                winhand(eigene, andere->at(i), r);
                eigen += r.anz;
            }
        if (fremd > eigen) return true;
    }
    return false;
}

int farbAnzahlReal(const hand& h, int f) {
    int n = 0;
    for (int i = 1; i <= h.anz; ++i) n += h.at(i).f == f && h.at(i).t != kBube;
    return n;
}

}  // namespace

int reizwertBerechnen(int seat) {
    seat = std::clamp(seat, 1, 3);
    // The trial types and rank tables below must not leak into the running deal.
    const int altTyp = cg.skat.sk.typ;
    int altRang[9], altInvers[9];
    std::copy(std::begin(Rangtabelle), std::end(Rangtabelle), altRang);
    std::copy(std::begin(RangInvers), std::end(RangInvers), altInvers);

    const hand eigene = glu::spieler[seat - 1].hand;
    const hand a = glu::spieler[naechster(seat) - 1].hand;
    const hand b = glu::spieler[voriger(seat) - 1].hand;
    const hand skat = skatKopie();
    Bewertung e{};
    e.sitz = seat;
    e.augen = static_cast<int16_t>(augenSumme(eigene));
    e.buben = static_cast<int16_t>(num::round(musterWert(muster(1), eigene, 0) / 2.0));
    e.karten = static_cast<int16_t>(musterWert(muster(2), eigene, 0));
    e.basis = static_cast<int16_t>(e.buben * 6 + e.karten * 2 + e.augen);
    const int eigeneBuben = bubenAnzahl(eigene);

    for (int f = 1; f <= 4; ++f) {
        cg.skat.sk.typ = f;
        rangTabelle(f);
        const int n = farbAnzahlReal(eigene, f);
        int w = musterWert(muster(3), eigene, f) + 3 * (n - 2);
        const int na = farbAnzahlReal(a, f), nb = farbAnzahlReal(b, f);
        if (na >= n - 1 || nb >= n - 1) w -= 3;
        if (na >= n || nb >= n) w -= 5;
        if (na > n || nb > n) w -= 10;
        if (eigeneBuben < 2) w -= 3;
        if (eigeneBuben == 0) w -= 5;
        if (schwaecherImDurchspiel(eigene, a, b)) w -= 12;
        e.typWert[f - 1] = static_cast<int16_t>(w);
    }
    {
        cg.skat.sk.typ = kGrand;
        rangTabelle(kGrand);
        int w = static_cast<int>(num::round(e.buben * 0.6 * 1.1 + e.karten * 0.2 * 1.1));
        const int asse = wertAnzahl(eigene, 8), zehnen = wertAnzahl(eigene, 7);
        if (asse >= 3) w += 6;
        if (asse + zehnen >= 5) w += 10;
        const int ba = bubenAnzahl(a), bb = bubenAnzahl(b);
        if (ba >= eigeneBuben || bb >= eigeneBuben) w -= 3;
        if (ba > eigeneBuben || bb > eigeneBuben) w -= 4;
        if (ba > eigeneBuben + 1 || bb > eigeneBuben + 1) w -= 5;
        if (eigeneBuben < 2) w -= 3;
        if (eigeneBuben == 0) w -= 5;
        if (schwaecherImDurchspiel(eigene, a, b)) w -= 7;
        e.typWert[4] = static_cast<int16_t>(w);
    }

    int besteFarbe = 1;
    for (int f = 2; f <= 4; ++f)
        if (e.typWert[f - 1] > e.typWert[besteFarbe - 1]) besteFarbe = f;
    e.spielTyp = static_cast<int16_t>(besteFarbe);
    if (e.typWert[4] > e.typWert[besteFarbe - 1] || e.typWert[4] >= 14) e.spielTyp = kGrand;
    const int typWert = e.spielTyp == kGrand ? e.typWert[4] : e.typWert[e.spielTyp - 1];

    double punkte = num::round(e.basis * 0.6 + typWert * 2.4);
    const TSkatCharakter& ch = cg.sitzEinstellungen.at(seat).skat;
    const bool ramschStatt = cg.skat.optionen.bockRamsch && cg.skat.optionen.ramschKeinerReizt;
    const int reizen = ramschStatt ? ch.reizenr : ch.reizen;
    if (reizen != 0) punkte = punkte * (1.0 + (reizen - 50) / 100.0);
    if (ch.wafe != 0) punkte += num::round((rnd::uniform() - 0.4) * 1.4 * ch.wafe);
    e.punkte = static_cast<int16_t>(std::clamp<double>(num::round(punkte), -30000, 30000));

    // A hand strong enough to win without the Skat is played Hand.
    e.hand = e.punkte >= 165 ? 1 : 0;
    e.schneiderAnsagen = 0;
    e.schwarzAnsagen = 0;
    e.offen = 0;
    {
        hand zwoelf = eigene;
        if (!e.hand) handAnhaengen(zwoelf, skat);
        const int angesagt = e.schwarzAnsagen     ? kSchwarzAngesagt
                             : e.schneiderAnsagen ? kSchneiderAngesagt
                                                  : 0;
        e.faktor =
            static_cast<int16_t>(spielFaktor(zwoelf, e.spielTyp, e.hand, 0, e.offen ? kOffen : angesagt));
    }
    e.hoechsterWert = static_cast<int16_t>(e.faktor * Grundwert[e.spielTyp]);
    e.hoechstgebot = static_cast<int16_t>(hoechstgebotAus(e.punkte, e.hoechsterWert));
    if (e.punkte <= 140) e.schneiderAnsagen = 0;

    if (e.punkte < 110) {
        cg.skat.sk.typ = kNull;
        rangTabelle(kNull);
        bool moeglich = false, handNull = false, ouvert = false;
        hand mitSkat = eigene;
        handAnhaengen(mitSkat, skat);
        karte erste{}, zweite{};
        const int u1 = nullUnsicher(mitSkat, a, b, erste, zweite);
        if (u1 < 3) {
            moeglich = true;
            ouvert = u1 < 2;
            e.nullDrueckKarten[0] = erste;
            e.nullDrueckKarten[1] = zweite;
            e.nullDrueckAnzahl = static_cast<int16_t>(u1);
        }
        hand bMitSkat = b;
        handAnhaengen(bMitSkat, skat);
        karte e2{}, z2{};
        const int u2 = nullUnsicher(eigene, a, bMitSkat, e2, z2);
        if (u2 == 1) {
            moeglich = true;
            handNull = u1 < 2;
            ouvert = false;
        } else if (u2 == 0) {
            moeglich = true;
            handNull = true;
            ouvert = true;
        }
        if (handNull || ouvert) {
            for (int f = 1; f <= 4; ++f) {
                hand teil;
                farbKarten(eigene, f, teil);
                bool klein = false;
                for (int i = 1; i <= teil.anz; ++i) klein = klein || teil.at(i).t <= 3;
                if (teil.anz > 0 && !klein) handNull = ouvert = false;
            }
        }
        if (moeglich) {
            e.spielTyp = kNull;
            e.hand = handNull ? 1 : 0;
            e.offen = ouvert ? 1 : 0;
            e.nullArt = static_cast<int16_t>(ouvert ? 2 : handNull ? 1 : 0);
            e.hoechstgebot = static_cast<int16_t>(nullWert(handNull, ouvert));
            e.hoechsterWert = e.hoechstgebot;
        }
    }

    gegebeneHand(seat) = eigene;
    skatOriginal() = skat;
    g_bewertung[seat] = e;

    cg.skat.sk.typ = altTyp;
    std::copy(std::begin(altRang), std::end(altRang), Rangtabelle);
    std::copy(std::begin(altInvers), std::end(altInvers), RangInvers);
    sortierGewichte(altTyp);
    return e.hoechstgebot;
}

}  // namespace skat_1
