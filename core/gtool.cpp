#include "core/gtool.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

#include "core/central.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "core/highscore.h"
#include "core/panel.h"
#include "core/seams.h"
#include "core/skat_1.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "gui/pvl.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/ticks.h"

int32_t Kartenwerte[4][14] = {};
int32_t Kartenwerte0[4][14] = {};

bool mehrwertn(const karte& a, const karte& b) {
    return gtool::detail::vergleich(a, b, Kartenwerte, "gtool.mehrwertn");
}

bool mehrwertn0(const karte& a, const karte& b) {
    return gtool::detail::vergleich(a, b, Kartenwerte0, "gtool.mehrwertn0");
}

int32_t prlwert(const karte& k) {
    if (k.f >= 1 && k.f <= 4 && k.t >= 1 && k.t <= 14) return Kartenwerte[k.f - 1][k.t - 1];
    msgsink::show(text::w("ACHTUNG! gtool.prlwert: Bereichsfehler beim Lesen des Prioritätswerts von f,t: ") +
                  text::fromInt(k.f) + "," + text::fromInt(k.t));
    return 0;
}

namespace gtool {
bool kiLogAn = false;
bool entwicklerModus = false;
namespace {
std::string g_kiLogLetzte;
}  // namespace
const std::string& kiLogLetzte() { return g_kiLogLetzte; }
}  // namespace gtool

int kiLog(const std::string& text) {
    if (gtool::kiLogAn) gtool::g_kiLogLetzte = text;
    return 0;
}

namespace gtool {

Umgebung umgebung;
Blasen blasen;
Sitze sitze;

int deckAnzahl() {
    int32_t n = 0;
    std::memcpy(&n, &cg.blackjack.deckAnzahl, sizeof(n));  // packed: no aligned read
    return n;
}

float sitzFaktor(int seat) {
    if (seat < 1 || seat > 6 || !sitze.faktor) return 1.0f;
    return sitze.faktor(seat);
}

namespace {

// The result box is the message box while its title reads "Spielergebnis".
bool ergebnisBox(pvl::TPVLApplication& a) {
    if (!a.validElement(a.MsgDialog, 1)) return false;
    std::string titel = a.GetCaption(a.MsgDialog, 1, false);
    if (!titel.empty() && titel[0] == '\r') titel.erase(0, 1);
    return titel == "Spielergebnis";
}

}  // namespace

void sitzNameZeigen(int seat) {
    if (cg.spielId == spiele::kPoker || seat < 2 || seat > cg.ablauf.anzSpieler) return;
    float alpha = sitzFaktor(seat);
    if (pvl::TPVLApplication* a = central::dienste.app) {
        if (a->validDialog(spielliste::ids.dialog))
            alpha = std::max(alpha, static_cast<float>(a->dlg(spielliste::ids.dialog).Fade.Alpha));
        if (a->validDialog(a->MsgDialog) && ergebnisBox(*a))
            alpha = std::max(alpha, static_cast<float>(a->dlg(a->MsgDialog).Fade.Alpha));
    }
    if (!(alpha > 0)) return;
    if (sitze.schild)
        sitze.schild(seat, "!" + highscore::spielerName(cg, seat, true), alpha);
    else if (sitze.namensschild)
        sitze.namensschild(seat);
}

SlotKopie offeneKarte() {
    SlotKopie k;
    const auto& d = central::dienste;
    if (d.slotKopie && !d.slotKopie(14, 1, k.c, k.dealNr)) k = SlotKopie{};
    return k;
}

int stapelMischen(int stack) {
    const auto& d = central::dienste;
    hand* h = d.stapelSpiegeln ? d.stapelSpiegeln(stack) : nullptr;
    if (!h) return 0;
    skat_1::mischen(*h);
    if (d.spiegelZurueck) d.spiegelZurueck(stack);
    return 0;
}

int talonMischen() { return stapelMischen(11); }

void sitzPanelZeigen() {
    if (sitze.panelZeigen) sitze.panelZeigen();
}

namespace detail {

void meldung(const std::string& text) { msgsink::show(text); }

bool vergleich(const karte& a, const karte& b, const int32_t (&werte)[4][14], const char* routine) {
    auto gueltig = [](const karte& k) { return k.t >= 1 && k.t <= 14 && k.f >= 1 && k.f <= 4; };
    if (!gueltig(a) || !gueltig(b)) {
        msgsink::show(text::w("ACHTUNG! ") + routine + ": Bereichsfehler beim vergleichen von Kartenwerten");
        return false;
    }
    return werte[a.f - 1][a.t - 1] > werte[b.f - 1][b.t - 1];
}

int deckKarten(int decks, int werte, karte* out, int platz, const char* routine) {
    if (decks < 1) return 0;
    if (static_cast<int64_t>(decks) * werte * 4 > platz) {
        msgsink::show(text::w("ACHTUNG! ") + routine + ": " + text::fromInt(decks) +
                      " Kartenspiele passen nicht in den Talon");
        return 0;
    }
    int n = 0;
    for (int d = 1; d <= decks; ++d)
        for (int t = 1; t <= werte; ++t)
            for (int f = 1; f <= 4; ++f)
                out[n++] = karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0};
    return n;
}

}  // namespace detail

namespace {

template <class H, class Less>
void sortieren(H& h, int first, int count, bool flag, int max, Less mehr) {
    int n = count;
    if (count == 0) {
        n = h.anz;
        first = 1;
    }
    n = num::clamp(n, 0, max);  // a damaged count must not spin through millions of empty passes
    for (int pass = 1; pass < n; ++pass)
        for (int j = first; j <= first + n - 2; ++j) {
            if (j < 1 || j + 1 > max) continue;
            // Ascending (flag) also swaps equal neighbours; descending keeps them in place.
            if (mehr(h.at(j + 1), h.at(j)) != flag) {
                const karte t = h.at(j);
                h.at(j) = h.at(j + 1);
                h.at(j + 1) = t;
            }
        }
}

const std::string& tabelle(const std::string* zeilen, int anzahl, int i) {
    static const std::string leer;
    return i >= 0 && i < anzahl ? zeilen[i] : leer;
}

int stil(int max) { return num::clamp(envParam.Kartenstil, 1, max); }

// A seat's voice 1..6; 4 when the settings record holds none that exists.
int stimme(int seat) {
    const int v = seat >= 1 && seat <= 6 ? envParam.stimmen[seat] : 4;
    return v >= 1 && v <= 6 ? v : 4;
}

const std::string& wertText(int style, int t) { return tabelle(umgebung.wertNamen[style - 1], 21, t); }
const std::string& farbText(int style, int f) { return tabelle(umgebung.farbNamen[style - 1], 31, f); }

std::string ersteZeichen(const std::string& s, size_t n) { return s.substr(0, n); }

}  // namespace

bool karteGueltig(const kurzkarte& k) { return k.f >= 1 && k.f <= 4 && k.t >= 1 && k.t <= 15; }

karte karteErweitern(const kurzkarte& k) { return karte{k.t, k.f, 0}; }

bool sonderDialog(int art) { return art == 98 || art == 106; }

void handSortieren(hand& h, int first, int count, bool flag) {
    sortieren(h, first, count, flag, kHandMax, mehrwertn);
}
void handSortieren0(hand& h, int first, int count, bool flag) {
    sortieren(h, first, count, flag, kHandMax, mehrwertn0);
}
void hand64Sortieren(hand64& h, int first, int count, bool flag) {
    sortieren(h, first, count, flag, kHand64Max, mehrwertn);
}

void assNachHinten(hand64& h) {
    if (cg.spielId != spiele::kPoker || !seams::pokerAceLowStraight()) return;
    const int n = num::clamp<int>(h.anz, 0, kHand64Max);
    if (n == 0) return;
    auto hat = [&](int t) {
        for (int i = 1; i <= n; ++i)
            if (h.at(i).t == t) return true;
        return false;
    };
    if (!(hat(9) && hat(10) && hat(11) && hat(12))) return;
    // The hand also holds cards other than aces, so this ends after at most n turns.
    while (h.at(1).t == 8) {
        const karte as = h.at(1);
        for (int i = 1; i < n; ++i) h.at(i) = h.at(i + 1);
        h.at(n) = as;
    }
}

void wertName(int t, std::string& text) { text = wertText(stil(kStile), t); }

void kartenName(const karte& k, std::string& text) {
    text = wertText(stil(kStile), k.t) + " " + farbText(stil(kFarbStile), k.f);
}

void kartenKuerzel(const karte& k, std::string& text) {
    text = ersteZeichen(wertText(1, k.t), 1) + static_cast<char>(151 + k.f);
}

void kartenKuerzelKurz(const kurzkarte& k, std::string& text) { kartenKuerzel(karteErweitern(k), text); }

void kartenKuerzelStil(const karte& k, std::string& text) {
    const int s = stil(kStile);
    const char glyph = static_cast<char>((s == 2 ? 155 : 151) + k.f);
    // The 10 keeps both digits.
    text = std::string(1, glyph) + " " + ersteZeichen(wertText(s, k.t), k.t == 7 ? 2 : 1);
}

void dateiNameAusText(const std::string& text, std::string& name) {
    std::string r;
    for (const char ch : text) {
        switch (static_cast<uint8_t>(ch)) {
            case 0xE9:
                r += 'e';
                break;  // é
            case 0xC4:
            case 0xE4:
                r += "ae";
                break;  // Ä ä
            case 0xD6:
            case 0xF6:
                r += "oe";
                break;  // Ö ö
            case 0xDC:
            case 0xFC:
                r += "ue";
                break;  // Ü ü
            case ' ':
            case '.':
            case '?':
                r += '_';
                break;
            // A path separator or drive colon in a sentence must not leave the voice folder.
            case '/':
            case '\\':
            case ':':
                r += '_';
                break;
            case '%':
            case ',':
            case '-':
                break;
            default:
                r += ch;
                break;
        }
    }
    name = r;
}

void gegnerName(int seat, TSpielerEintrag& name) {
    name.name = "";
    const int anzahl = num::clamp(umgebung.gegnerAnzahl, 1, kGegnerNamen);
    const int i = rnd::random(anzahl);
    const bool female = i < umgebung.weiblich;
    name.name = umgebung.gegnerNamen[i].str();
    name.weiblich = female ? 1 : 0;
    int voice;
    if (cg.spielId == spiele::kSchnapsen || cg.spielId == spiele::kSechsundsechzig) {
        voice = rnd::random(2) + (female ? 1 : 4);
        // Two seats only: the opponent must not sound like seat 1.
        if (seat == 2 && voice == cg.spieler.at(1).stimme)
            voice = (voice == 1 || voice == 4) ? voice + 1 : voice - 1;
    } else {
        voice = rnd::random(3) + (female ? 1 : 4);
    }
    name.stimme = static_cast<uint8_t>(voice);
}

void sprachDatei(const std::string& name, int seat, std::string& path) {
    path = "data/sound/" + text::fromInt(stimme(seat)) + "/" + name + ".wav";
}

namespace {

std::string stamm(const std::string& text) {
    std::string s;
    dateiNameAusText(text, s);
    return s;
}

// Queues one sample; only the first sample of an utterance carries the text along.
struct Einreihen {
    int seat;
    std::string mitText;
    void operator()(const std::string& stem) {
        std::string path;
        sprachDatei(stem, seat, path);
        seams::sprachEinreihen(path, mitText, seat);
        mitText.clear();
    }
};

bool endetMit(const std::string& s, const std::string& e) {
    return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0;
}

}  // namespace

void platzhalter(std::string& text, const std::string& satz, int seat, bool mitnehmen) {
    const size_t p = satz.find('%');
    std::string gezeigt;
    std::vector<std::string> stems;
    if (p == std::string::npos) {
        gezeigt = satz;
        stems = {stamm(satz)};
    } else if (satz == "%?") {
        gezeigt = text + "?";
        stems = {stamm(text) + "_"};
    } else {
        gezeigt = satz.substr(0, p) + text + satz.substr(p + 1);
        if (p == 0)
            stems = {stamm(text), stamm(satz)};
        else
            stems = {stamm(satz), stamm(text)};
    }
    Einreihen reihe{seat, mitnehmen ? gezeigt : std::string()};
    for (const auto& st : stems) reihe(st);
    text = gezeigt;
}

void wortweiseSagen(const std::string& text, int seat, bool mitnehmen) {
    Einreihen reihe{seat, mitnehmen ? text : std::string()};
    size_t a = 0;
    while (a <= text.size()) {
        size_t e = text.find(' ', a);
        if (e == std::string::npos) e = text.size();
        if (e > a) reihe(stamm(text.substr(a, e - a)));
        a = e + 1;
    }
}

void ansageSagen(const std::string& text, int seat, bool mitnehmen) {
    Einreihen reihe{seat, mitnehmen ? text : std::string()};
    std::vector<std::string> teile;
    size_t a = 0;
    while (true) {
        const size_t e = text.find('-', a);
        teile.push_back(text.substr(a, e == std::string::npos ? std::string::npos : e - a));
        if (e == std::string::npos) break;
        a = e + 1;
    }
    for (size_t i = 0; i < teile.size(); ++i) {
        std::string s = stamm(teile[i]);
        // The recorded pieces: "_Solo", "_Wenz", "_Geier", and a first word that others follow.
        if (teile[i] == "Solo" || teile[i] == "Wenz" || teile[i] == "Geier") s = "_" + s;
        if (i == 0 && teile.size() > 1) s += "_";
        reihe(s);
    }
}

void gebeFolge(int n, int geber, bool nachNummer, bool gegenUhr, int folge[6]) {
    n = n < 1 ? 1 : (n > 6 ? 6 : n);
    int seat = geber < 1 || geber > n ? 1 : geber;
    for (int i = 0; i < n; ++i) {
        if (nachNummer) {
            folge[i] = gegenUhr ? n - i : i + 1;
            continue;
        }
        seat = gegenUhr ? (seat == 1 ? n : seat - 1) : (seat == n ? 1 : seat + 1);
        folge[i] = seat;
    }
}

void sagen(const std::string& text, int seat, int code, bool flag) {
    bool belegt = false;
    if (code >= 1) belegt = seams::sprachQueue(0) != 0;
    // While a sentence still plays, the text travels with the queued sample and its bubble shows
    // when the sound manager plays it (calling here again).
    std::string gezeigt = text;
    Einreihen reihe{seat, belegt ? text : std::string()};

    if (code == 1) {
        reihe(stamm(text));
    } else if (code == 4) {
        wortweiseSagen(text, seat, belegt);
    } else if (code == 100) {
        std::string path;
        sprachDatei(stamm(text), seat, path);
        std::error_code ec;
        if (std::filesystem::exists(std::filesystem::path(text::toUtf8(path)), ec)) {
            reihe(stamm(text));
        } else if (endetMit(text, "solo")) {
            reihe(stamm(text.substr(0, text.size() - 4)) + "_");
            reihe("_solo");
        }
    } else if (code == 101) {
        ansageSagen(text, seat, belegt);
    } else if (code >= 10 && seat >= 1 && seat <= 6) {
        const std::string satz = seams::satzHolen(stimme(seat), code);
        platzhalter(gezeigt, satz, seat, belegt);
    }

    if (belegt || seat < 0 || seat >= kBlasenSlots) return;
    if (blasen.entwicklerAnzeige && blasen.entwicklerAnzeige()) return;
    int16_t dialog = 0, element = 0;
    if (blasen.zeigen) {
        if (!blasen.zeigen(seat, "?" + gezeigt, dialog, element)) return;
    } else {
        // The seat's own bubble beside its cards: dialog 0 and the seat as element let the
        // game step close it when its time has run out.
        panel::text(seat, "?" + gezeigt);
        element = static_cast<int16_t>(seat);
    }
    auto& b = cg.sprechblasen;
    b.zaehler = static_cast<int32_t>(static_cast<uint32_t>(b.zaehler) + 1u);
    b.zustand[seat] = 3;
    auto& slot = b.slot[seat];
    slot.start = ticks::now();
    int64_t dauer = umgebung.blasenZeit;
    // Exchanging the trump card in Schnapsen is said in passing.
    if (cg.spielId == spiele::kSchnapsen && (cg.schnapsen.tauschMarke || cg.phase.schritt == 77) &&
        gezeigt.find("tausche") != std::string::npos)
        dauer = 0;
    if (seams::pokerSpeedUpActive()) {
        const float f = seams::pokerSpeedFactor();
        if (f > 0) dauer = num::round(static_cast<double>(umgebung.blasenZeit) / f);
    }
    slot.dauer = static_cast<uint32_t>(dauer < 0 ? 0 : dauer);
    slot.dialog = dialog;
    slot.element = flag ? 0 : element;

    // Black Jack keeps the shown text in the seat's record, in both of its arrays.
    if (cg.spielId == spiele::kBlackJack && seat >= 1 && seat <= 6) {
        for (auto* bjSitze : {&cg.blackjack.sitz, &cg.blackjack.sicht}) {
            bjSitze->at(seat).text = gezeigt;
            bjSitze->at(seat).textWert = 0;
        }
    }
}

}  // namespace gtool
