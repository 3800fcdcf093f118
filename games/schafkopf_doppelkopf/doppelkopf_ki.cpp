// The Doppelkopf computer seat's answers to the game's questions, and the watch hook that keeps
// the seats' card knowledge and party beliefs current after every card.
#include "games/schafkopf_doppelkopf/doppelkopf_ki.h"

#include <algorithm>

#include "core/central.h"
#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/sd_partei.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"
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

struct LernKontext {
    Lage lage;
    doppelkopf::Ordnung ord;
    int spieler = 0;
};

sdki::Sicht sichtFuer(int o, void* ctx) {
    const auto* k = static_cast<const LernKontext*>(ctx);
    return sichtAus(k->lage, k->ord, o == 0 ? k->spieler : o);
}

// What the card K of seat P tells of the parties (P's hand still holds it): Doppelkopf's direct
// signals around the Kreuz-Damen and the Dullen, then the shared evidence step.
void parteiLernen(int p, const karte& k) {
    const std::vector<karte> stich(Z().stich, Z().stich + std::clamp<int>(Z().stichAnz, 0, 3));
    LernKontext ctx{lageAusSpiel(), doppelkopf::ordnung(), p};
    const bool zweite = ctx.lage.zweiteDulle;
    const bool offen = oeffentlich(p) == 9;
    std::vector<karte> t = stich;
    t.push_back(karte{k.t, k.f, static_cast<uint16_t>(p)});
    const int iw = doppelkopf::stichSieger(ctx.ord, t, zweite);
    if (!stich.empty()) {
        wissenAktualisieren(ctx.lage, p);
        if (offen && kreuzDamenGespielt() == 0 && !reOeffentlich() && farbklasse(k) != farbklasse(stich.front()) &&
            !istKreuzDame(k) && !istFuchs(k))
            parteiSignal(Z().sichten, p, 11, 100);
        const karte vorher = doppelkopf::stichBesteKarte(ctx.ord, stich, zweite);
        const int vorherSitz = stich[static_cast<size_t>(doppelkopf::stichSieger(ctx.ord, stich, zweite))].nr;
        if (iw == static_cast<int>(t.size()) - 1 && istDulle(k)) {
            if (istKreuzDame(vorher))
                parteiSignal(Z().sichten, p, 11, 100);
            else if (kreuzDamenGespielt() == 0 && !reOeffentlich() && offen)
                parteiSignal(Z().sichten, p, 11, 60);
            if (istKreuzDame(vorher) && offen)
                for (int u = 1; u <= 4; ++u) {
                    if (u == p) continue;
                    int w = oeffentlich(vorherSitz) != 9 ? 60 : 0;
                    wissenAktualisieren(ctx.lage, u);
                    if (wktWenigerAugen(p, k, farbklasse(k)) < 0.6f) w = 0;
                    if (w > 0) parteiSignal(Z().sichten, p, doppelkopf::parteiCode(vorherSitz, u), -w);
                }
        }
    }
    ctx.lage.sichten[0] = Z().sichten[0];
    sdki::LernLage l;
    l.sichten = Z().sichten;
    l.spieler = p;
    l.karte_ = k;
    l.stich = stich.data();
    l.stichAnz = static_cast<int>(stich.size());
    l.sieger = t[static_cast<size_t>(iw)].nr;
    l.besteKarte = t[static_cast<size_t>(iw)];
    l.sichtFuer = sichtFuer;
    l.ctx = &ctx;
    sdki::parteiLernen(l);
    // each seat's own view draws its conclusions; the public view is the flow's
    for (int o = 1; o <= 4; ++o) sd::folgern(Z().sichten[o]);
}

}  // namespace

void parteiSignal(TParteiSicht* sichten, int p, int c, int w) {
    for (int v = 1; v <= 4; ++v) {
        if (v == p) continue;
        const int eigen = sdki::parteievt(sichten, v, v);
        if (eigen != 10 && eigen != 11) {
            logZeile(text::w("ACHTUNG! Logikfehler: partei_evt[") + std::to_string(v) + "," + std::to_string(v) +
                     "]=" + std::to_string(eigen));
            continue;
        }
        sdki::evidenz(sichten[v], p, v) += eigen == c ? w : -w;
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
    const sdki::Regeln r = regeln(doppelkopf::ordnung(), cg.doppelkopf.optionen.zweiteDulle != 0);
    sdki::nachKarte(Z().wissen, r, stich.data(), static_cast<int>(stich.size()), k, seat);
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
            // no wish among the offered solos: the one whose level the hand reaches highest
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
