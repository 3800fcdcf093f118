#include "games/schafkopf_doppelkopf/sd_anzeige.h"

#include "core/cg.h"
#include "games/schafkopf_doppelkopf/doppelkopf_regeln.h"
#include "games/schafkopf_doppelkopf/schafkopf_regeln.h"
#include "table/overlays.h"

namespace {

constexpr int kRe = 10;      // party code: the declarer's side
constexpr int kKontra = 11;  // party code: the other side
constexpr int kStill = 4;    // party code: the silent soloist

// What the human at seat 1 knows of a seat's party.
int bekannt(const TParteiSicht* sichten, int seat) { return sichten[1].code[seat - 1]; }

void zeigen(std::string (*text)(int seat)) {
    for (int s = 1; s <= 4; ++s) {
        glu::SeatOverlay& o = glu::seatOverlay[s];
        o.bubble = text(s);
        o.bubbleVisible = !o.bubble.empty();
    }
}

}  // namespace

namespace schafkopf {

std::string sitzText(int seat) {
    if (seat < 1 || seat > 4) return {};
    const TSchafkopfZustand& z = cg.schafkopf.z;
    const TSchafkopfSpiel& sp = cg.schafkopf.spiel;
    if (sp.typ == kKeinSpiel) {
        // Bidding: the seats that want to play, with the game once it is named.
        if (seat != z.erster && seat != z.zweiter) return {};
        if (seat == z.bieter && z.angesagt >= 1 && z.hoechstes.typ != kKeinSpiel) return spielName(z.hoechstes);
        return "Will spielen";
    }
    if (sp.typ == kRamsch) return "Ramsch";
    if (seat == z.spieler) {
        std::string t = spielName(sp);
        if (z.kontra >= 1) t += " - Kontra";
        if (z.kontra >= 2) t += " - Re";
        return t;
    }
    if (sp.typ != kRufspiel) return {};
    switch (bekannt(z.sichten, seat)) {
        case kRe:
            return "Mitspieler";
        case kKontra:
            return "Gegenspieler";
        default:
            return {};
    }
}

void anzeigeAktualisieren() { zeigen(sitzText); }

}  // namespace schafkopf

namespace doppelkopf {

std::string sitzText(int seat) {
    if (seat < 1 || seat > 4) return {};
    const TDoppelkopfZustand& z = cg.doppelkopf.z;
    const int code = bekannt(z.sichten, seat);
    const bool solo = z.soloTyp != kNormal;
    std::string t;
    bool kontra = false;
    if (solo && seat == z.solist && (code == kRe || code == kStill)) {
        t = soloName(z.soloTyp);
    } else if (solo) {
        // the solo's opponents show only their own announcement
        if (code != kKontra || z.kontraStufe < 1) return {};
        t = "Kontra";
        kontra = true;
    } else if (seat == z.hochzeit && code == kRe) {
        t = "Hochzeit";
    } else if (code == kRe) {
        t = "Re";
    } else if (code == kKontra) {
        t = "Kontra";
        kontra = true;
    } else {
        return {};
    }
    const int stufe = kontra ? z.kontraStufe : z.reStufe;
    if (stufe >= 1) {
        const std::string ansage = ansageText(kontra, stufe);
        t += ansage == t ? " angesagt" : " - " + ansage;
    }
    return t;
}

void anzeigeAktualisieren() { zeigen(sitzText); }

}  // namespace doppelkopf
