#include "games/schafkopf_doppelkopf/schafkopf_regeln.h"

#include <algorithm>

#include "core/entscheidung.h"
#include "platform/text.h"

namespace schafkopf {

namespace {

bool gleicheKarte(const karte& a, const karte& b) { return a.t == b.t && a.f == b.f; }

std::string zahl(int v) { return text::fromInt(v); }

}  // namespace

Ordnung trumpfOrdnung(int typ, int farbe) {
    Ordnung o;
    bool ober = false, unter = false;
    int trumpfFarbe = 0;
    switch (typ) {
        case kSie:
            ober = unter = true;
            break;
        case kSolo:
            ober = unter = true;
            trumpfFarbe = farbe;
            break;
        case kWenz:
            unter = true;
            break;
        case kGeier:
            ober = true;
            break;
        case kFarbwenz:
            unter = true;
            trumpfFarbe = farbe;
            break;
        case kFarbgeier:
            ober = true;
            trumpfFarbe = farbe;
            break;
        case kBettel:
            break;
        default:  // no game, Rufspiel and Ramsch: Ober, Unter and Herz
            ober = unter = true;
            trumpfFarbe = kHerz;
            break;
    }
    int z = 33;
    auto trumpf = [&](int t, int f) {
        o.rang[f - 1][t - 1] = --z;
        o.trumpf[f - 1][t - 1] = true;
        o.trumpfListe.push_back(karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0});
    };
    if (ober)
        for (int f = 1; f <= 4; ++f) trumpf(kOber, f);
    if (unter)
        for (int f = 1; f <= 4; ++f) trumpf(kUnter, f);
    static const int absteigend[] = {kAs, kZehn, kKoenig, kOber, kUnter, k9, k8, k7};
    if (trumpfFarbe >= 1 && trumpfFarbe <= 4)
        for (int t : absteigend) {
            if ((t == kOber && ober) || (t == kUnter && unter)) continue;
            trumpf(t, trumpfFarbe);
        }
    // In the Bettel the Zehn ranks below the Unter, as in the natural order of the cards.
    static const int bettel[] = {kAs, kKoenig, kOber, kUnter, kZehn, k9, k8, k7};
    const int* folge = typ == kBettel ? bettel : absteigend;
    for (int f = 1; f <= 4; ++f)
        for (int i = 0; i < 8; ++i) {
            const int t = folge[i];
            if (!o.trumpf[f - 1][t - 1]) o.rang[f - 1][t - 1] = --z;
        }
    return o;
}

std::vector<karte> kartenSatz() {
    std::vector<karte> d;
    for (uint8_t t = 1; t <= 8; ++t)
        for (uint8_t f = 1; f <= 4; ++f) d.push_back(karte{t, f, 0});
    return d;
}

bool istTrumpf(const Ordnung& o, const karte& k) {
    return k.t >= 1 && k.t <= 8 && k.f >= 1 && k.f <= 4 && o.trumpf[k.f - 1][k.t - 1];
}

int rang(const Ordnung& o, const karte& k) {
    return k.t >= 1 && k.t <= 8 && k.f >= 1 && k.f <= 4 ? o.rang[k.f - 1][k.t - 1] : 0;
}

bool bedient(const Ordnung& o, const karte& k, const karte& led) {
    if (led.t == 0) return true;
    if (istTrumpf(o, led)) return istTrumpf(o, k);
    return k.f == led.f && !istTrumpf(o, k);
}

std::vector<karte> spielbareKarten(const Ordnung& o, const TSchafkopfSpiel& spiel,
                                   const std::vector<karte>& hand, const std::vector<karte>& stich) {
    const bool ruf = spiel.typ == kRufspiel;
    const karte as{kAs, spiel.farbe, 0};
    const bool hatAs =
        ruf && std::any_of(hand.begin(), hand.end(), [&](const karte& k) { return gleicheKarte(k, as); });
    std::vector<karte> r;
    if (stich.empty()) {
        r = hand;
        if (hatAs) {
            // With three or fewer cards of the called suit the ace may not hide behind them:
            // the suit is led with the ace or not at all. Four or more may run away.
            const auto n = std::count_if(hand.begin(), hand.end(), [&](const karte& k) {
                return k.f == spiel.farbe && !istTrumpf(o, k);
            });
            if (n <= 3)
                r.erase(std::remove_if(r.begin(), r.end(),
                                       [&](const karte& k) {
                                           return k.f == spiel.farbe && !istTrumpf(o, k) &&
                                                  !gleicheKarte(k, as);
                                       }),
                        r.end());
        }
        return r;
    }
    const karte led = stich.front();
    for (const karte& k : hand)
        if (bedient(o, k, led)) r.push_back(k);
    if (r.empty()) return hand;
    if (hatAs && std::any_of(r.begin(), r.end(), [&](const karte& k) { return gleicheKarte(k, as); }))
        return {as};  // the called suit is led: its ace must come
    return r;
}

bool sticht(const Ordnung& o, const karte& k, const karte& best) {
    if (istTrumpf(o, best)) return istTrumpf(o, k) && rang(o, k) > rang(o, best);
    if (istTrumpf(o, k)) return true;
    return k.f == best.f && rang(o, k) > rang(o, best);
}

int stichSieger(const Ordnung& o, const std::vector<karte>& stich) {
    int best = 0;
    for (int i = 1; i < static_cast<int>(stich.size()); ++i)
        if (sticht(o, stich[static_cast<size_t>(i)], stich[static_cast<size_t>(best)])) best = i;
    return best;
}

int augen(const karte& k) {
    switch (k.t) {
        case kAs:
            return 11;
        case kZehn:
            return 10;
        case kKoenig:
            return 4;
        case kOber:
            return 3;
        case kUnter:
            return 2;
        default:
            return 0;
    }
}

int augenSumme(const std::vector<karte>& h) {
    int s = 0;
    for (const karte& k : h) s += augen(k);
    return s;
}

int spielWert(int typ, bool tout) {
    switch (typ) {
        case kSie:
            return 13;
        case kSolo:
            return tout ? 12 : 7;
        case kWenz:
            return tout ? 11 : 6;
        case kGeier:
            return tout ? 10 : 5;
        case kFarbwenz:
            return tout ? 9 : 4;
        case kFarbgeier:
            return tout ? 8 : 3;
        case kBettel:
            return 2;
        case kRufspiel:
            return 1;
        default:
            return 0;
    }
}

int spielWert(const TSchafkopfSpiel& s) { return spielWert(s.typ, s.tout != 0); }

bool rufbar(const std::vector<karte>& hand, int f, bool eigenesAs) {
    if (f == kHerz || f < 1 || f > 4) return false;
    bool farbe = false, as = false;
    for (const karte& k : hand) {
        if (k.f != f) continue;
        if (k.t != kOber && k.t != kUnter) farbe = true;
        if (k.t == kAs) as = true;
    }
    return farbe && (eigenesAs || !as);
}

bool sieHand(const std::vector<karte>& hand) {
    const auto ober = std::count_if(hand.begin(), hand.end(), [](const karte& k) { return k.t == kOber; });
    const auto unter = std::count_if(hand.begin(), hand.end(), [](const karte& k) { return k.t == kUnter; });
    return ober == 4 && unter == 4;
}

int laufende(const Ordnung& o, const std::vector<karte>& seite, const std::vector<karte>& gegner) {
    int hoechster = 0;
    for (const karte& k : gegner)
        if (istTrumpf(o, k)) hoechster = std::max(hoechster, rang(o, k));
    int n = 0;
    for (const karte& k : seite)
        if (istTrumpf(o, k) && rang(o, k) > hoechster) ++n;
    return n;
}

std::string farbName(int farbe) {
    if (entscheidung::fragen.farbName) return entscheidung::fragen.farbName(farbe);
    static const char* const namen[] = {"Kreuz", "Pik", "Herz", "Karo"};
    return farbe >= 1 && farbe <= 4 ? std::string(namen[farbe - 1]) : std::string();
}

std::string spielTypName(int typ, bool kurz) {
    switch (typ) {
        case kSie:
            return "Sie";
        case kSolo:
            return kurz ? "Solo" : "Farbsolo";
        case kWenz:
            return "Wenz";
        case kGeier:
            return "Geier";
        case kFarbwenz:
            return kurz ? "Wenz" : "Farbwenz";
        case kFarbgeier:
            return kurz ? "Geier" : "Farbgeier";
        case kBettel:
            return "Bettel";
        case kRufspiel:
            return "Rufspiel";
        case kRamsch:
            return "Ramsch";
        default:
            return "Fehler";
    }
}

std::string spielName(const TSchafkopfSpiel& s) {
    std::string n;
    switch (s.typ) {
        case kSie:
        case kWenz:
        case kGeier:
        case kBettel:
        case kRamsch:
            n = spielTypName(s.typ, false);
            break;
        default:
            n = farbName(s.farbe) + "-" + spielTypName(s.typ, true);
            break;
    }
    if (s.tout) n += "-Tout";
    return n;
}

int ramschVerlierer(const Ordnung& o, const std::array<std::vector<karte>, 5>& stiche) {
    struct Schluessel {
        int augen, stiche, truempfe, hoechster;
        auto tupel() const { return std::tie(augen, stiche, truempfe, hoechster); }
    };
    int verlierer = 1;
    Schluessel bester{-1, 0, 0, 0};
    for (int s = 1; s <= 4; ++s) {
        const auto& p = stiche[static_cast<size_t>(s)];
        Schluessel k{augenSumme(p), static_cast<int>(p.size()) / 4, 0, 0};
        for (const karte& c : p) {
            if (istTrumpf(o, c)) ++k.truempfe;
            k.hoechster = std::max(k.hoechster, rang(o, c));
        }
        // >=: on full equality the later seat loses
        if (k.tupel() >= bester.tupel()) {
            bester = k;
            verlierer = s;
        }
    }
    return verlierer;
}

TGameResult abrechnen(const Abrechnung& a) {
    TGameResult r;
    r.spieler = a.spieler;
    const TSchafkopfSpiel& sp = a.spiel;
    if (a.niemandSpielt || sp.typ == kKeinSpiel) {
        r.text1 = "Kein Spiel";
        r.text2 = r.text1 + "\r\rNiemand will spielen.";
        return r;
    }
    if (sp.typ == kRamsch) {
        const int v = ramschVerlierer(trumpfOrdnung(kRamsch, 0), a.stiche);
        const int p = augenSumme(a.stiche[static_cast<size_t>(v)]);
        for (int s = 1; s <= 4; ++s) r.at(s) = s == v ? -6 : 2;
        r.spieler = v;
        r.text1 = "Ramsch " + zahl(p);
        r.text2 = r.text1 + "\r\r" + a.namen[static_cast<size_t>(v)] + " verliert beim Ramsch mit " +
                  zahl(p) + " Augen.";
        return r;
    }
    int seiteAugen = 0;
    for (int s = 1; s <= 4; ++s)
        if (a.spielerPartei[static_cast<size_t>(s)])
            seiteAugen += augenSumme(a.stiche[static_cast<size_t>(s)]);
    const auto& eigene = a.stiche[static_cast<size_t>(a.spieler)];
    bool gewonnen = seiteAugen >= 61;
    if (sp.typ == kBettel) gewonnen = eigene.empty();
    if (sp.tout) gewonnen = eigene.size() == 32;
    r.gewonnen = gewonnen;
    std::array<bool, 5> sieger{};
    int W = 0, L = 0, wKarten = 0;
    for (int s = 1; s <= 4; ++s) {
        sieger[static_cast<size_t>(s)] = a.spielerPartei[static_cast<size_t>(s)] == gewonnen;
        const int p = augenSumme(a.stiche[static_cast<size_t>(s)]);
        if (sieger[static_cast<size_t>(s)]) {
            W += p;
            wKarten += static_cast<int>(a.stiche[static_cast<size_t>(s)].size());
        } else {
            L += p;
        }
    }
    std::string zeile;
    if (sp.typ == kBettel) {
        zeile = a.namen[static_cast<size_t>(a.spieler)] +
                (gewonnen ? " gewinnt den Bettel." : " verliert den Bettel.");
    } else {
        std::vector<int> w, l;
        for (int s = 1; s <= 4; ++s) (sieger[static_cast<size_t>(s)] ? w : l).push_back(s);
        auto n = [&](int s) { return a.namen[static_cast<size_t>(s)]; };
        if (w.size() == 1)
            zeile = n(w[0]) + " gewinnt mit " + zahl(W) + " Augen.";
        else if (w.size() == 2)
            zeile = n(w[0]) + " und " + n(w[1]) + " gewinnen mit " + zahl(W) + " Augen.";
        else if (l.size() == 1)
            zeile = n(l[0]) + " verliert mit " + zahl(L) + " Augen.";
    }
    int v = 0;
    std::string sum;
    if (sp.typ == kBettel) {
        v = 3;
        sum = "Bettel 3";
    } else {
        // The option "Solo, Wenz und Geier Spielwert" is the base of every game played alone.
        v = sp.typ == kRufspiel ? 1 : a.soloWert;
        sum = spielName(sp) + " " + (gewonnen ? "(gewonnen)" : "(verloren)") + " " + zahl(v);
        if (!sp.tout) {
            if (wKarten == 32) {
                v += 2;
                sum += " - Schwarz " + zahl(v);
            } else if (W >= 91) {
                v += 1;
                sum += " - Schneider " + zahl(v);
            }
        }
        const bool zweiGenug = sp.typ == kSolo || sp.typ == kRufspiel;
        const bool dreiGenug = sp.typ == kSie || sp.typ == kWenz || sp.typ == kGeier || sp.typ == kFarbwenz ||
                               sp.typ == kFarbgeier;
        if (a.laufendeZaehlen && ((zweiGenug && a.laufende >= 2) || (dreiGenug && a.laufende >= 3))) {
            v += a.laufende;
            sum += " - Laufende " + zahl(v);
        }
        if (sp.tout) {
            v *= 2;
            sum += " - Tout " + zahl(v);
        }
        if (sp.typ == kSie) {
            v *= 4;
            sum += " - Sie (x4) " + zahl(v);
        }
    }
    if (a.kontra >= 1) {
        v *= 2;
        sum += " - Kontra " + zahl(v);
    }
    if (a.kontra >= 2) {
        v *= 2;
        sum += " - Re " + zahl(v);
    }
    const bool mal3 = sp.typ != kRufspiel || a.eigenesAs;
    for (int s = 1; s <= 4; ++s) {
        int x = sieger[static_cast<size_t>(s)] ? v : -v;
        if (s == a.gewerteterSpieler && mal3) x *= 3;
        r.at(s) = x;
    }
    r.spielWerte[0] = seiteAugen;
    r.spielWerte[1] = v;
    r.text1 = sum;
    r.text2 = sum + "\r\r" + zeile;
    return r;
}

}  // namespace schafkopf
