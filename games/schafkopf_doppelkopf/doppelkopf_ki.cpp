// The Doppelkopf computer seat's answers to the game's questions, and the watch hook that keeps
// the seats' card knowledge and party beliefs current after every card.
#include "games/schafkopf_doppelkopf/doppelkopf_ki.h"

#include <algorithm>

#include "core/central.h"
#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"

namespace doppelkopfki {

namespace {

constexpr int kStiche = 4;
constexpr int kAnsagen = 8;

TDoppelkopfZustand& Z() { return cg.doppelkopf.z; }

int kreuzDamen(const std::vector<karte>& h) {
    return static_cast<int>(std::count_if(h.begin(), h.end(), istKreuzDame));
}

bool knopf(int code) {
    if (!sd::angeboten(cg, code)) return false;
    central::antwort(cg, central::kKnopf, 0, code);
    return true;
}

void ersterKnopf() {
    if (cg.entscheidung.mitKnoepfen && cg.entscheidung.knopfAnzahl >= 1)
        central::antwort(cg, central::kKnopf, 0, cg.entscheidung.code(1));
}

// ---- the party matrix: evidence and scores live in the free words of each view

int32_t& evidenz(TParteiSicht& v, int p, int w) { return v.frei1[4 * p + w - 1]; }
int32_t& score(TParteiSicht& v, int u) { return v.frei1[u - 1]; }

void parteiSignal(int p, int c, int w) {
    for (int v = 1; v <= 4; ++v) {
        if (v == p) continue;
        TParteiSicht& row = Z().sichten[v];
        const int eigen = doppelkopf::parteiCode(v, v);
        if (eigen == 9) {
            logZeile(text::w("ACHTUNG! Logikfehler: partei_evt[") + std::to_string(v) + "," + std::to_string(v) +
                     "]=" + std::to_string(eigen));
            continue;
        }
        evidenz(row, p, v) += eigen == c ? w : -w;
    }
}

bool istHochkarte(const karte& k) { return k.t >= doppelkopf::kKoenig && k.t <= doppelkopf::kAs; }

int oeffentlich(int seat) { return Z().sichten[0].code[seat - 1]; }

bool reOeffentlich() {
    for (int s = 1; s <= 4; ++s)
        if (oeffentlich(s) == 10) return true;
    return false;
}

int kreuzDamenGespielt() {
    int n = 0;
    for (int s = 0; s < 4; ++s) n += Z().sitz[s].kreuzDamen;
    return n;
}

void zuordnen() {
    for (int o = 1; o <= 4; ++o) {
        TParteiSicht& row = Z().sichten[o];
        const int eigen = doppelkopf::parteiCode(o, o);
        if (eigen != 10 && eigen != 11) continue;
        const int anders = eigen == 10 ? 11 : 10;
        int eigenAnz = 0, andersAnz = 0;
        for (int u = 1; u <= 4; ++u) {
            if (u == o) continue;
            eigenAnz += row.code[u - 1] == eigen;
            andersAnz += row.code[u - 1] == anders;
        }
        for (int u = 1; u <= 4; ++u) {
            if (u == o || row.code[u - 1] != 9) continue;
            int s = static_cast<int>(num::round(evidenz(row, u, o) * 3.5));
            for (int v = 1; v <= 4; ++v) {
                if (v == o || v == u) continue;
                s += doppelkopf::parteiCode(v, o) == eigen ? evidenz(row, u, v) : -evidenz(row, u, v);
            }
            score(row, u) = s;
            const int schwelle = row.code2[u - 1] == 9 ? 40 : 0;
            if (s > schwelle) {
                ++eigenAnz;
                if (eigenAnz <= 1) {
                    row.code2[u - 1] = eigen;
                } else {
                    for (int x = 1; x <= 4; ++x)
                        if (x != o && x != u && row.code[x - 1] == 9 && row.code2[x - 1] == eigen &&
                            score(row, x) < s) {
                            row.code2[x - 1] = 9;
                            row.code2[u - 1] = eigen;
                            break;
                        }
                }
            } else if (s < -schwelle) {
                ++andersAnz;
                if (andersAnz <= 2) {
                    row.code2[u - 1] = anders;
                } else {
                    for (int x = 1; x <= 4; ++x)
                        if (x != o && x != u && row.code[x - 1] == 9 && row.code2[x - 1] == anders &&
                            score(row, x) > s) {
                            row.code2[x - 1] = 9;
                            row.code2[u - 1] = anders;
                            break;
                        }
                }
            }
        }
        // one partner and two opponents at most
        auto zaehlen = [&](int code) {
            int n = 0;
            for (int u = 1; u <= 4; ++u) n += u != o && doppelkopf::parteiCode(u, o) == code;
            return n;
        };
        if (zaehlen(eigen) > 1) {
            int x = 0, min = 100000;
            for (int u = 1; u <= 4; ++u)
                if (u != o && row.code[u - 1] == 9 && row.code2[u - 1] == eigen && score(row, u) < min) {
                    min = score(row, u);
                    x = u;
                }
            if (x) row.code2[x - 1] = 9;
        }
        if (zaehlen(anders) > 2) {
            int x = 0, max = -100000;
            for (int u = 1; u <= 4; ++u)
                if (u != o && row.code[u - 1] == 9 && row.code2[u - 1] == anders && score(row, u) > max) {
                    max = score(row, u);
                    x = u;
                }
            if (x) row.code2[x - 1] = 9;
        }
        sd::folgern(row);
    }
}

// What the card K of seat P tells of the parties (P's hand still holds it).
void parteiLernen(int p, const karte& k) {
    const std::vector<karte> stich(Z().stich, Z().stich + std::clamp<int>(Z().stichAnz, 0, 3));
    const doppelkopf::Ordnung& ord = doppelkopf::ordnung();
    const bool zweite = cg.doppelkopf.optionen.zweiteDulle != 0;
    wissenAktualisieren(p);
    const bool offen = oeffentlich(p) == 9;
    // direct signals
    if (!stich.empty()) {
        const int klasseK = farbklasse(k), klasseA = farbklasse(stich.front());
        if (offen && kreuzDamenGespielt() == 0 && !reOeffentlich() && klasseK != klasseA && !istKreuzDame(k) &&
            !istFuchs(k))
            parteiSignal(p, 11, 100);
        std::vector<karte> t = stich;
        t.push_back(karte{k.t, k.f, static_cast<uint16_t>(p)});
        const karte vorher = doppelkopf::stichBesteKarte(ord, stich, zweite);
        const int vorherSitz = stich[static_cast<size_t>(doppelkopf::stichSieger(ord, stich, zweite))].nr;
        const int i = doppelkopf::stichSieger(ord, t, zweite);
        const bool dulleGewinnt = i == static_cast<int>(t.size()) - 1 && istDulle(k);
        if (dulleGewinnt) {
            if (istKreuzDame(vorher))
                parteiSignal(p, 11, 100);
            else if (kreuzDamenGespielt() == 0 && !reOeffentlich() && offen)
                parteiSignal(p, 11, 60);
            if (istKreuzDame(vorher) && offen) {
                for (int u = 1; u <= 4; ++u) {
                    if (u == p) continue;
                    int w = oeffentlich(vorherSitz) != 9 ? 60 : 0;
                    wissenAktualisieren(u);
                    if (wktWenigerAugen(p, k, farbklasse(k)) < 0.6f) w = 0;
                    if (w > 0) parteiSignal(p, doppelkopf::parteiCode(vorherSitz, u), -w);
                }
            }
        }
    }
    // evidence from a valuable or cheap card onto a trick another seat is expected to take
    if (!stich.empty()) {
        wissenAktualisieren(p);
        std::vector<karte> t = stich;
        t.push_back(karte{k.t, k.f, static_cast<uint16_t>(p)});
        const int iw = doppelkopf::stichSieger(ord, t, zweite);
        const karte c = t[static_cast<size_t>(iw)];
        const int w = c.nr;
        const int kl = farbklasse(t.front());
        const int n1 = sd::naechster(p), n2 = sd::naechster(p, 2);
        const int vorKarten = static_cast<int>(stich.size());
        int x = w;
        float eintrag = 0.0f;
        if (vorKarten == 1) {
            const float h1 = wktHoeher(n1, c), h2 = wktHoeher(n2, c);
            float r1 = 0.0f, r2 = 0.0f;
            if (farbklasse(c) != 6) {
                r1 = wktFreiUndFarbe(n1, farbklasse(c), 6);
                r2 = wktFreiUndFarbe(n2, farbklasse(c), 6);
            }
            const float halten = (1 - h1) * (1 - r1) * (1 - h2) * (1 - r2);
            const float nimmt1 = 1 - (1 - h1) * (1 - r1), nimmt2 = 1 - (1 - h2) * (1 - r2);
            if (halten > 0.5f) {
                eintrag = halten;
            } else if (nimmt1 > 0.5f) {
                x = n1;
                eintrag = nimmt1;
            } else if (nimmt2 > 0.5f) {
                x = n2;
                eintrag = nimmt2;
            }
        } else if (vorKarten == 2) {
            const float nimmt = farbklasse(c) == kl
                                    ? 1 - (1 - wktHoeher(n1, c)) * (1 - wktFreiUndFarbe(n1, kl, 6))
                                    : wktFrei(n1, kl) * wktHoeher(n1, c);
            if (nimmt > 0.5f) {
                x = n1;
                eintrag = nimmt;
            } else {
                eintrag = 1 - nimmt;
            }
        } else {
            eintrag = 1.0f;
        }
        // a cheap card would speak against a partnership, which is not kept; a Dame says nothing
        if (x != p && istHochkarte(k)) {
            for (int o = 0; o <= 4; ++o) {
                wissenAktualisieren(o == 0 ? p : o);
                evidenz(Z().sichten[o], p, x) += evidenzPunkte(wktWenigerAugen(p, k, kl) * eintrag);
            }
        }
    }
    // what the public parties settle
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j) {
            if (i == j || oeffentlich(i) == 9 || oeffentlich(j) == 9) continue;
            const bool gleich = oeffentlich(i) == oeffentlich(j);
            for (int o = 1; o <= 4; ++o) {
                int32_t& e = evidenz(Z().sichten[o], i, j);
                if (gleich ? e < 0 : e > 0) e = 0;
            }
        }
    zuordnen();
}

}  // namespace

int evidenzPunkte(float p) {
    struct Stufe {
        float grenze;
        int punkte;
    };
    static const Stufe stufen[] = {{0.975f, 120}, {0.95f, 100}, {0.925f, 90}, {0.9f, 80}, {0.875f, 72},
                                   {0.85f, 65},   {0.825f, 58}, {0.8f, 52},   {0.775f, 45}, {0.75f, 38},
                                   {0.725f, 32},  {0.7f, 26},   {0.675f, 20}, {0.65f, 15}, {0.625f, 10},
                                   {0.6f, 5},     {0.575f, 3},  {0.55f, 2},   {0.525f, 1}};
    for (const Stufe& s : stufen)
        if (p > s.grenze) return s.punkte;
    return 0;
}

void lernen(TDoppelkopfWissen wissen[4], const doppelkopf::Ordnung& o, const std::vector<karte>& stich, int seat,
            const karte& k) {
    if (seat < 1 || seat > 4) return;
    TDoppelkopfWissen& w = wissen[seat - 1];
    if (!stich.empty()) {
        auto klasse = [&](const karte& x) { return doppelkopf::istTrumpf(o, x) ? 6 : x.f; };
        const int l = klasse(stich.front());
        if (klasse(k) != l) w.frei[l] = 1;
    }
    // one copy leaves what the seat is known to hold
    const int n = std::clamp<int>(w.bekanntAnz, 0, 24);
    for (int i = 0; i < n; ++i)
        if (gleich(w.bekannt[i], k)) {
            for (int j = i; j + 1 < n; ++j) w.bekannt[j] = w.bekannt[j + 1];
            w.bekanntAnz = n - 1;
            break;
        }
}

bool parteiInferenz(int soloTyp, bool hochzeitOffen, const TParteiSicht& oeffentlich) {
    if (soloTyp > 0 || hochzeitOffen) return false;
    for (int s = 0; s < 4; ++s)
        if (oeffentlich.code[s] == 9) return true;
    return false;
}

void nachZug(int art, int, int wert2) {
    if (cg.spielId != spiele::kDoppelkopf || cg.phase.nr != kStiche || art != central::kKarte) return;
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 4 || wert2 < 1 || wert2 > sd::anz(seat)) return;
    const karte k = sd::st(seat).at(wert2).c;
    if (!sd::enthalten(doppelkopf::spielbareKarten(), k)) return;  // the step refuses it
    const std::vector<karte> stich(Z().stich, Z().stich + std::clamp<int>(Z().stichAnz, 0, 3));
    if (parteiInferenz(Z().soloTyp, doppelkopf::hochzeitOffen(), Z().sichten[0])) parteiLernen(seat, k);
    lernen(Z().wissen, doppelkopf::ordnung(), stich, seat, k);
}

void kiTick() {
    const int s = cg.aktSpieler;
    if (s < 1 || s > 4) return;
    TDoppelkopfKiWahl& w = Z().kiWahl[s - 1];
    const int art = cg.phase.fluss3;
    const bool karten = cg.phase.nr == kStiche && art == 47;
    if (karten || (cg.phase.nr == kAnsagen && art == 89)) {
        const int klasse = ansageKlasse(w, Z().soloTyp, s == Z().solist);
        const bool ansage = ansagen(doppelkopf::naechsteAnsageSitz(s), klasse);
        if (!karten) {
            if (!(ansage && knopf(89))) knopf(0);
            return;
        }
        if (ansage && doppelkopf::ansageErlaubtSitz(s)) {
            central::antwort(cg, central::kKnopf, 0, 0);
            return;
        }
        wissenAktualisieren(s);
        bool offenbart = false;
        const karte k = kartenWahl(offenbart);
        if (offenbart) Z().sichten[s].frei2[3] = 1;
        const TSpieler& st = sd::st(s);
        for (int i = 1; i <= st.anz; ++i)
            if (gleich(st.at(i).c, k)) {
                central::antwort(cg, central::kKarte, 0, i);
                return;
            }
        return;
    }
    if (!cg.entscheidung.mitKnoepfen || cg.entscheidung.knopfAnzahl < 1) return;
    const std::vector<karte> hand = sd::karten(s);
    switch (art) {
        case 66:
            vorbehaltWahl(s);
            if (!((w.soloWunsch > 0 || kreuzDamen(hand) >= 2) && knopf(84))) ersterKnopf();
            return;
        case 84:
            if (w.soloWunsch > 0 && knopf(86)) return;
            if (kreuzDamen(hand) >= 2 && knopf(87)) return;
            ersterKnopf();
            return;
        case 88: {
            if (w.soloWunsch > 0 && knopf(w.soloWunsch)) return;
            // no wish among the offered solos: the one the hand holds best as the soloist
            int beste = 0, stufe = -1;
            for (int i = 1; i <= std::min<int>(cg.entscheidung.knopfAnzahl, 8); ++i) {
                const int code = cg.entscheidung.code(i);
                if (code < 1 || code > 8) continue;
                const int x = w.stufenGegner[code - 1];
                if (x > stufe) {
                    stufe = x;
                    beste = code;
                }
            }
            if (beste) knopf(beste);
            return;
        }
        default:
            return;
    }
}

}  // namespace doppelkopfki
