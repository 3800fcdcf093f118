#include "games/schafkopf_doppelkopf/sd_anzeige.h"

#include "core/cg.h"
#include "core/panel.h"
#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/doppelkopf_regeln.h"
#include "games/schafkopf_doppelkopf/schafkopf_regeln.h"

namespace {

constexpr int kRe = 10;      // party code: the declarer's side
constexpr int kKontra = 11;  // party code: the other side
constexpr int kStill = 4;    // party code: the silent soloist

// What the human at seat 1 knows of a seat's party.
int bekannt(const TParteiSicht* sichten, int seat) { return sichten[1].code[seat - 1]; }

bool gueltig(int seat) { return seat >= 1 && seat <= 4; }

// The party icon: Re, Kontra, or "?" while the human does not know the seat's side.
int32_t parteiIcon(int code) {
    const panel::Bilder& b = panel::bilder;
    if (code == kRe || code == kStill) return b.re;
    if (code == kKontra) return b.kontra;
    return b.u[0];
}

void zeigen(std::string (*text)(int seat), int32_t (*icon)(int seat)) {
    for (int s = 1; s <= 4; ++s) {
        // a seat speaking keeps its bubble; its caption comes back when the bubble closes
        if (cg.sprechblasen.zustand[s] != 3) panel::text(s, text(s));
        const int32_t t = icon(s);
        if (panel::sitz[s].icon != t) panel::icon(s, t);
    }
}

}  // namespace

namespace schafkopf {

namespace {

// The picture of a game type; a Solo shows its suit beside the seat instead.
int32_t typIcon(const TSchafkopfSpiel& sp) {
    const panel::Bilder& b = panel::bilder;
    switch (sp.typ) {
        case kWenz:
        case kFarbwenz:
            return b.schafkopf[1];
        case kGeier:
        case kFarbgeier:
            return b.schafkopf[0];
        case kSie:
            return b.schafkopf[2];
        case kBettel:
            return b.schafkopf[4];
        case kRufspiel:
            return b.re;
        default:
            return 0;
    }
}

}  // namespace

std::string sitzText(int seat) {
    if (!gueltig(seat)) return {};
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

int32_t sitzIcon(int seat) {
    if (!gueltig(seat)) return 0;
    const TSchafkopfZustand& z = cg.schafkopf.z;
    const TSchafkopfSpiel& sp = cg.schafkopf.spiel;
    if (sp.typ == kKeinSpiel) {
        const bool genannt = seat == z.bieter && z.angesagt >= 1 && z.hoechstes.typ != kKeinSpiel;
        return genannt ? typIcon(z.hoechstes) : 0;
    }
    if (sp.typ == kRamsch) return panel::bilder.ansage[12];
    if (seat == z.spieler) {
        // in play the declarer of a Rufspiel shows the suit of the ace he called
        if (sp.typ == kRufspiel && cg.phase.nr == 4 && sp.farbe >= 1 && sp.farbe <= 4)
            return panel::bilder.ansage[sp.farbe];
        return typIcon(sp);
    }
    return sp.typ == kRufspiel ? parteiIcon(bekannt(z.sichten, seat)) : 0;
}

bool sitzMarken(int seat, glu::SeatMarks& m) {
    if (!gueltig(seat)) return false;
    const TSchafkopfZustand& z = cg.schafkopf.z;
    const auto marken = [](const TSchafkopfSpiel& sp) {
        glu::SeatMarks::Spiel g;
        g.type = sp.typ;
        // the suit beside the icon is the trump suit; a Rufspiel's called suit is the icon itself
        const bool farbe = sp.typ == kSolo || sp.typ == kFarbwenz || sp.typ == kFarbgeier;
        g.suit = farbe ? sp.farbe : 0;
        g.tout = sp.tout;
        return g;
    };
    m = glu::SeatMarks{};
    m.spiel = marken(cg.schafkopf.spiel);
    if (z.angesagt >= 1) m.ansage = marken(z.hoechstes);
    m.declarer = cg.schafkopf.spiel.typ == kKeinSpiel ? (z.angesagt >= 1 ? z.bieter : 0) : z.spieler;
    return true;
}

void anzeigeAktualisieren() { zeigen(sitzText, sitzIcon); }

}  // namespace schafkopf

namespace doppelkopf {

namespace {

bool imSpiel() { return cg.phase.nr != 0 && cg.phase.nr != 1; }

bool bekanntePartei(int code) { return code == kRe || code == kKontra; }

}  // namespace

std::string sitzText(int seat) {
    if (!gueltig(seat)) return {};
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

int32_t sitzIcon(int seat) {
    if (!gueltig(seat) || !imSpiel()) return 0;
    const TDoppelkopfZustand& z = cg.doppelkopf.z;
    const panel::Bilder& b = panel::bilder;
    const int code = bekannt(z.sichten, seat);
    if (z.soloTyp == kNormal) return parteiIcon(code);
    if (seat != z.solist || (code != kRe && code != kStill)) return 0;
    if (z.stilles) return b.solo[4];
    switch (z.soloTyp) {
        case kBubensolo:
            return b.solo[0];
        case kDamensolo:
            return b.solo[1];
        case kFleischlos:
            return b.solo[2];
        case kBubenDamen:
            return b.solo[3];
        default:
            return z.soloTyp >= 1 && z.soloTyp <= 4 ? b.ansage[z.soloTyp] : 0;
    }
}

int fuchsMarke(int seat) {
    if (!gueltig(seat)) return 0;
    const TDoppelkopfZustand& z = cg.doppelkopf.z;
    if (z.soloTyp != kNormal) return 0;
    const TDoppelkopfSitz& x = z.sitz[seat - 1];
    const TParteiSicht& offen = z.sichten[0];
    const TParteiSicht& mensch = z.sichten[1];
    bool offenUnbekannt = false;
    for (int s = 0; s < 4; ++s) offenUnbekannt = offenUnbekannt || !bekanntePartei(offen.code[s]);
    int marke = 0;
    for (const auto& [gefangen, opfer] : {std::pair{x.fuchs1, x.fuchs1Opfer}, std::pair{x.fuchs2, x.fuchs2Opfer}}) {
        if (!gefangen || !gueltig(opfer)) continue;
        // a Fuchs taken from a seat shown to be the catcher's partner is no catch
        // (a structured binding is passed on by value: older compilers cannot capture one)
        const auto partner = [&, o = opfer](const TParteiSicht& v) {
            return bekanntePartei(v.code[seat - 1]) && v.code[seat - 1] == v.code[o - 1];
        };
        if (partner(offen) || partner(mensch)) continue;
        const bool sicher = !offenUnbekannt && bekanntePartei(mensch.code[seat - 1]) &&
                            bekanntePartei(mensch.code[opfer - 1]);
        marke = sicher && marke != 2 ? 1 : 2;
    }
    return marke;
}

int karlchenMarke(int seat) {
    if (!gueltig(seat) || cg.doppelkopf.z.soloTyp != kNormal) return 0;
    return cg.doppelkopf.z.sitz[seat - 1].karlchen ? 1 : 0;
}

int doppelkopfMarke(int seat) {
    if (!gueltig(seat) || cg.doppelkopf.z.soloTyp != kNormal) return 0;
    return cg.doppelkopf.z.sitz[seat - 1].doppelkopf ? 1 : 0;
}

bool sitzMarken(int seat, glu::SeatMarks& m) {
    if (!gueltig(seat)) return false;
    m = glu::SeatMarks{};
    m.marks[0] = static_cast<uint8_t>(doppelkopfMarke(seat));
    m.marks[1] = static_cast<uint8_t>(fuchsMarke(seat));
    m.marks[2] = static_cast<uint8_t>(karlchenMarke(seat));
    return true;
}

void anzeigeAktualisieren() { zeigen(sitzText, sitzIcon); }

}  // namespace doppelkopf

namespace sd {

namespace {
bool marken(int seat, glu::SeatMarks& m) {
    if (cg.spielId == spiele::kSchafkopf) return schafkopf::sitzMarken(seat, m);
    if (cg.spielId == spiele::kDoppelkopf) return doppelkopf::sitzMarken(seat, m);
    return false;
}
}  // namespace

void markenAnmelden() { glu::seatMarks = marken; }

namespace {

const TParteiSicht* laufendeSichten() {
    if (cg.spielId == spiele::kSchafkopf) return cg.schafkopf.z.sichten;
    if (cg.spielId == spiele::kDoppelkopf) return cg.doppelkopf.z.sichten;
    return nullptr;
}

}  // namespace

std::array<std::string, 4> parteiAnzeige() {
    std::array<std::string, 4> r;
    const TParteiSicht* sichten = laufendeSichten();
    if (!sichten) return r;
    for (int v = 1; v <= 4; ++v) {
        std::string& z = r[static_cast<size_t>(v - 1)];
        z = "Sicht " + std::to_string(v) + ": ";
        for (int s = 1; s <= 4; ++s) {
            const int c = sichten[v].code[s - 1];
            const std::string t = c == 9 ? " " : c == kRe ? "R" : c == kKontra ? "K" : std::to_string(c);
            if (s > 1) z += ",";
            z += s == v ? "(" + t + ")" : t;
        }
    }
    return r;
}

std::string trefferStatistik() {
    if (cg.spielId != spiele::kDoppelkopf) return {};
    const TDoppelkopfZustand& z = cg.doppelkopf.z;
    // the true sides: the soloist alone, the Hochzeit with its partner, else the Kreuz-Damen
    std::array<bool, 5> re{};
    for (int s = 1; s <= 4; ++s) {
        if (z.soloTyp != doppelkopf::kNormal)
            re[static_cast<size_t>(s)] = s == z.solist;
        else if (z.hochzeit != 0)
            re[static_cast<size_t>(s)] = s == z.hochzeit || s == z.partner;
        else
            for (int i = 0; i < 12; ++i)
                re[static_cast<size_t>(s)] = re[static_cast<size_t>(s)] ||
                                             (z.gegeben[s - 1][i].t == doppelkopf::kDame && z.gegeben[s - 1][i].f == 1);
    }
    int richtig = 0, falsch = 0, offen = 0;
    for (int v = 2; v <= 4; ++v)
        for (int s = 1; s <= 4; ++s) {
            if (s == v) continue;
            const int c = z.sichten[v].code[s - 1];
            if (c != kRe && c != kKontra && c != kStill)
                ++offen;
            else if ((c != kKontra) == re[static_cast<size_t>(s)])
                ++richtig;
            else
                ++falsch;
        }
    const int n = richtig + falsch + offen;
    return "Richtig: " + doppelkopf::prozentText(richtig, n, 1) + "  Falsch: " + doppelkopf::prozentText(falsch, n, 1) +
           "  Unknown: " + doppelkopf::prozentText(offen, n, 1);
}

}  // namespace sd
