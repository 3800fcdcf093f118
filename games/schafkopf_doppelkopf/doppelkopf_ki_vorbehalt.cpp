// The rating of a hand before the first card: the normal game (for the announcement class), every
// solo the options allow (for the solo wish and the levels the announcements use in a solo).
#include <algorithm>
#include <cstring>

#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/doppelkopf_ki.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"
#include "platform/num.h"
#include "platform/rnd.h"

namespace doppelkopfki {

namespace {

// The level's noise on a rating of 0..100.
int rauschen(int wert) {
    const int st = stufeIch();
    if (st == 2) wert += -5 + rnd::random(10);
    if (st <= 1) wert += -10 + rnd::random(20);
    return std::clamp(wert, 0, 100);
}

int round(double x) { return static_cast<int>(num::round(x)); }

bool istAs(const karte& k) { return k.t == doppelkopf::kAs; }

}  // namespace

float stichSicher(const karte& k0) {
    const Arbeit& a = arbeit();
    karte k = k0;
    const int kl = farbklasse(k);
    const int freund = a.partner1;
    if (freund >= 1) {
        // the partner's best known card of the class above it stands in for it
        const TKartenZahl& b = bekannt(freund);
        for (int id = 0; id < sdki::kIds; ++id) {
            const karte x = sdki::idKarte(id);
            if (b.anz[id] && farbklasse(x) == kl && kartenRang(x) > kartenRang(k)) k = x;
        }
    }
    float keinStechen = 1.0f;
    float keinHoeher = 1.0f;
    for (int u = 1; u <= 4; ++u) {
        if (u == a.ich || u == freund) continue;
        if (kl != 6) {
            const float r = freiBekannt(u, kl)
                                ? wktFarbe(u, 6)
                                : static_cast<float>(num::round(wktFreiUndFarbe(u, kl, 6) * 100.0f)) / 100.0f;
            keinStechen *= 1.0f - r;
        }
        if (freund >= 1) keinHoeher *= 1.0f - wktHoeher(u, k);
    }
    if (freund < 1 && hoeherUnbekannt(k, true) > 0) keinHoeher = 0.0f;
    return keinStechen * keinHoeher;
}

int trumpfWert(const std::vector<karte>& h) {
    const auto& liste = arbeit().ord.trumpfListe;  // each trump once, strongest first
    const int n = static_cast<int>(liste.size());
    double score = 0.0;
    if (n >= 2)
        for (const karte& t : h) {
            if (farbklasse(t) != 6) continue;
            int hoeher = 0;
            for (const karte& x : liste) hoeher += kartenRang(x) > kartenRang(t);
            score += (2.0 - static_cast<double>(hoeher) / (n - 1)) / n / 1.5;
        }
    return rauschen(round(score * 100.0));
}

int seitenWert(const std::vector<karte>& h, bool anzug) {
    const Arbeit& a = arbeit();
    const int solo = a.lage.soloTyp;
    const bool fleischlos = solo == doppelkopf::kFleischlos;
    double summe = 0.0;
    int farben = 0;
    for (int f = 1; f <= 4; ++f) {
        if (solo >= 1 && solo <= 4 && f == solo) continue;
        ++farben;
        int k = 0, asse = 0, zehnen = 0;
        std::vector<karte> asKarten;
        for (const karte& x : h) {
            if (farbklasse(x) != f) continue;
            ++k;
            if (x.t == doppelkopf::kAs) {
                ++asse;
                asKarten.push_back(x);
            }
            if (x.t == doppelkopf::kZehn) ++zehnen;
        }
        double wert = 0.0;
        if (k == 0) {
            wert = fleischlos ? (anzug ? 0.4 : 0.2) : 1.0;
        } else if (!anzug) {
            if (k <= 3 && asse == 2)
                wert = 1.0;
            else if (asse + zehnen >= 2 && k >= 3)
                wert = 0.5;
            else if (asse + zehnen == k)
                wert = 0.0;
            else
                wert = 0.2;
        } else {
            int p = 0;
            for (const karte& as : asKarten) {
                const float s = stichSicher(as);
                p += s > 0.85f ? 5 : (s > 0.78f ? 4 : (s > 0.72f ? 3 : 0));
            }
            if (p >= 9)
                wert = 1.0;
            else if (p == 8)
                wert = 0.9;
            else if (p >= 5)
                wert = 0.85;
            else if (p == 4)
                wert = 0.78;
            else if (p == 3)
                wert = 0.64;
            else if (asse + zehnen == k)
                wert = 0.3 - (asse + zehnen) / 10.0;
            else if (asse == 0)
                wert = 0.0;
            else
                wert = 0.3;
        }
        summe += wert;
    }
    return rauschen(farben ? round(summe / farben * 100.0) : 0);
}

int kandidatStufe(int code, int trumpf, int seite, int tSchwelle, int sSchwelle, int uSchwelle) {
    if (code == doppelkopf::kFleischlos) return seite >= 60 ? 3 : (seite >= 50 ? 2 : (seite >= 40 ? 1 : 0));
    struct Rung {
        double faktor;
        int stufe;
    };
    for (const Rung r : {Rung{1.1, 4}, Rung{1.0, 3}, Rung{0.85, 2}, Rung{0.65, 1}})
        if (trumpf + seite >= round(uSchwelle * r.faktor) && seite >= round(sSchwelle * r.faktor) &&
            trumpf >= round(tSchwelle * r.faktor))
            return r.stufe;
    return 0;
}

int reduziert(int trumpfStaerke, int seitenStaerke, int& fehlstufen) {
    int summe = trumpfStaerke + seitenStaerke;
    fehlstufen = 0;
    for (int s : {15, 13, 11, 9, 7}) fehlstufen += trumpfStaerke < s;
    for (int s : {12, 10, 8, 6}) fehlstufen += seitenStaerke < s;
    static const double faktor1[] = {1.0, 0.92, 0.84, 0.76, 0.68, 0.6, 0.5, 0.4};
    summe = round(summe * faktor1[std::min(fehlstufen, 7)]);
    if (summe >= 27) {
        fehlstufen = 0;
        for (int s : {19, 18, 17}) fehlstufen += trumpfStaerke < s;
        for (int s : {15, 13}) fehlstufen += seitenStaerke < s;
        static const double faktor2[] = {1.0, 0.94, 0.86, 0.78, 0.72, 0.64};
        summe = std::max(26, round(summe * faktor2[fehlstufen]));
    }
    return summe;
}

int klasseAus(int summe) {
    if (summe >= 56) return 5;
    if (summe >= 48) return 4;
    if (summe >= 40) return 3;
    if (summe >= 27) return 2;
    if (summe >= 23) return 1;
    return 0;
}

int ansageKlasse(const TDoppelkopfKiWahl& w, int soloTyp, bool solist) {
    if (soloTyp < 1 || soloTyp > 8) return w.klasse;
    return solist ? w.stufenSolo[soloTyp - 1] : w.stufenGegner[soloTyp - 1];
}

bool ansagen(int naechste, int klasse) { return naechste != 0 && naechste <= klasse; }

void vorbehaltWahl(const Lage& lage0, int seat, const Optionen& opt, TDoppelkopfKiWahl& w) {
    Lage lage = lage0;
    lage.soloTyp = 0;
    lage.solist = 0;
    wissenAktualisieren(lage, seat);
    const std::vector<karte> h = arbeit().eigeneHand;
    const int stufe = lage.stufe[static_cast<size_t>(seat)];
    const bool nachGeber = seat == sd::naechster(lage.geber);

    // normal game
    w.sonderkarten = 0;
    w.asse = 0;
    for (const karte& k : h) {
        if (istKreuzDame(k)) w.sonderkarten += 4;
        if (istDulle(k)) w.sonderkarten += 5;
        if (istAs(k)) {
            const float p = stichSicher(k);
            w.asse += p > 0.85f ? 5 : (p > 0.75f ? 4 : 0);
        }
    }
    w.frei = 0;
    w.blank = 0;
    int tr = -12;
    for (int f = 1; f <= 4; ++f) {
        int k = 0, asse = 0;
        bool zehn = false;
        for (const karte& x : h)
            if (farbklasse(x) == f) {
                ++k;
                asse += x.t == doppelkopf::kAs;
                zehn = zehn || x.t == doppelkopf::kZehn;
            }
        if (k == 0) w.frei += 5;
        if (k == 1 && asse > 0) w.blank += 1;
        if (k == 2 && asse > 0) w.blank += 1 + (asse == 1 && zehn ? 1 : 0);
    }
    if (w.frei > 0 && nachGeber) w.frei += 2;
    for (const karte& k : h) {
        if (farbklasse(k) != 6) continue;
        tr += istDulle(k) || k.t == doppelkopf::kDame ? 4 : (k.t == doppelkopf::kBube ? 3 : 2);
    }
    w.truempfe = round(std::max(tr, 0) / 2.0);
    w.trumpfStaerke = w.sonderkarten + w.truempfe;
    w.seitenStaerke = w.frei + w.blank + w.asse;
    w.summe = reduziert(w.trumpfStaerke, w.seitenStaerke, w.fehlstufen);
    if (stufe == 2) w.summe += -2 + rnd::random(4);
    if (stufe <= 1) w.summe += -4 + rnd::random(8);
    w.klasse = klasseAus(w.summe);

    // solos, each rated on a copy of the situation with its trumps
    std::vector<int> kandidaten = {doppelkopf::kBubensolo, doppelkopf::kDamensolo};
    if (opt.bubenDamenSolo) kandidaten.push_back(doppelkopf::kBubenDamen);
    for (int c : {1, 2, 3, 4, 7}) kandidaten.push_back(c);
    for (int pass = 1; pass <= 2; ++pass) {
        bool anzug = nachGeber;
        if (opt.soloAnzug == 1) anzug = pass == 1;
        if (opt.soloAnzug == 3) anzug = false;
        const int tS = anzug ? 72 : 78, sS = anzug ? 42 : 58, uS = anzug ? 145 : 152;
        int beste = 0;
        if (pass == 1) {
            w.soloWunsch = 0;
            std::memset(w.stufenSolo, 0, sizeof w.stufenSolo);
        } else {
            std::memset(w.stufenGegner, 0, sizeof w.stufenGegner);
        }
        for (int code : kandidaten) {
            Lage kopie = lage;
            kopie.soloTyp = code;
            kopie.solist = seat;
            wissenAktualisieren(kopie, seat);
            const int trumpf = trumpfWert(h);
            const int seite = seitenWert(h, anzug);
            const int summe = trumpf + seite;
            uint8_t& solo = w.stufenSolo[code - 1];
            if (pass == 2) {
                w.stufenGegner[code - 1] = static_cast<uint8_t>(kandidatStufe(code, trumpf, seite, tS, sS, uS));
            } else if (code == doppelkopf::kFleischlos) {
                if (seite >= (anzug ? 60 : 65) && beste < 160) {
                    w.soloWunsch = code;
                    const int stufen[] = {anzug ? 70 : 85, anzug ? 80 : 95, anzug ? 90 : 1000, anzug ? 100 : 1000};
                    solo = 0;
                    for (int i = 0; i < 4; ++i)
                        if (seite >= stufen[i]) solo = static_cast<uint8_t>(i + 1);
                }
            } else if (trumpf >= tS && seite >= sS && summe > beste && summe > uS) {
                w.soloWunsch = code;
                beste = summe;
                solo = 0;
                const int plusT[] = {4, 10, 16}, plusS[] = {15, 27, 35}, plusU[] = {8, 18, 26};
                for (int i = 0; i < 3; ++i)
                    if (trumpf >= tS + plusT[i] && seite >= sS + plusS[i] && summe >= uS + plusU[i])
                        solo = static_cast<uint8_t>(i + 1);
            }
        }
    }
    if (w.soloWunsch > 0) w.klasse = 0;
    wissenAktualisieren(lage0, seat);
}

void vorbehaltWahl(int seat) {
    if (seat < 1 || seat > 4) return;
    Optionen opt;
    opt.bubenDamenSolo = cg.doppelkopf.optionen.bubenDamenSolo != 0;
    opt.soloAnzug = cg.doppelkopf.optionen.soloAnzug;
    vorbehaltWahl(lageAusSpiel(), seat, opt, cg.doppelkopf.z.kiWahl[seat - 1]);
}

}  // namespace doppelkopfki
