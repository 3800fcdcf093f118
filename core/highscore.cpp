#include "core/highscore.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "core/central.h"
#include "core/envparam.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "gui/pvl.h"
#include "platform/fileio.h"
#include "platform/msgsink.h"
#include "platform/num.h"

namespace highscore {

std::function<double(const std::string&)> textBreite = [](const std::string& s) {
    if (central::dienste.app) return static_cast<double>(central::dienste.app->charwidth(s));
    return 0.9 * static_cast<double>(s.size());
};

namespace {

constexpr int kRomme = 3, kCanasta = 4, kSchnapsen = 7, kPoker = 8, kBlackJack = 9, kSechsundsechzig = 10,
              kSiebzehnUndVier = 11, kJass = 12;

void setzen(THighscoreEintrag& e, int platz, int32_t punkte, const std::string& name, uint8_t leer) {
    e = THighscoreEintrag{};
    e.platz = static_cast<uint8_t>(platz);
    e.punkte = punkte;
    e.name.assign(name);
    e.leer = leer;
}

std::string stufenName(int stufe) {
    switch (stufe) {
        case 1:
            return text::w("Anfänger");
        case 2:
            return "Normal";
        default:
            return "Profi";
    }
}

}  // namespace

bool highscoreLaden(THighscore& hs) {
    const auto path = fileio::local(kDatei);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !highscoreSpeichern(hs)) return false;
    // A writer stopped before its rename leaves its temporary file beside hs.dat.
    fileio::recover(path.parent_path());
    // The size first: a file of another size is never read.
    const int64_t size = fileio::fileSize(path);
    if (size >= 0 && size != static_cast<int64_t>(sizeof(THighscore))) {
        msgsink::show(text::w("Fehler beim Lesen der Highscores: data\\settings\\hs.dat hat ") +
                      text::fromInt(size) + text::w(" statt 94080 Bytes und wird nicht übernommen."));
        return false;
    }
    std::string buf;
    if (!fileio::readAll(path, buf, sizeof(THighscore)) || buf.size() != sizeof(THighscore)) {
        msgsink::show(
            text::w("Fehler beim Lesen der Highscores: data\\settings\\hs.dat kann nicht gelesen werden."));
        return false;
    }
    std::memcpy(static_cast<void*>(&hs), buf.data(), sizeof(THighscore));
    return true;
}

bool highscoreSpeichern(const THighscore& hs) {
    // every session's end saves the lists; unchanged ones cost no write
    const std::string bytes(reinterpret_cast<const char*>(&hs), sizeof hs);
    if (fileio::writeIfChanged(fileio::local(kDatei), bytes)) return true;
    msgsink::show(
        text::w("Fehler beim Schreiben der Highscores: data\\settings\\hs.dat wurde nicht geändert."));
    return false;
}

int eintragen(THighscore& hs, int tabelle, int stufe, int32_t punkte, const std::string& name) {
    if (tabelle < 0 || tabelle >= kHighscoreTabellen || stufe < 1 || stufe > kHighscoreStufen || punkte < 1)
        return 0;
    int p = 1;
    while (p <= kBelegt && hs.at(tabelle, stufe, p).punkte > punkte) ++p;
    if (p > kBelegt) return 0;
    for (int q = kBelegt - 1; q >= p; --q) {
        hs.at(tabelle, stufe, q + 1) = hs.at(tabelle, stufe, q);
        hs.at(tabelle, stufe, q + 1).platz = static_cast<uint8_t>(q + 1);
    }
    setzen(hs.at(tabelle, stufe, p), p, punkte, name, 0);
    return p;
}

std::string platzText(int platz) {
    return "Sie haben den " + text::fromInt(platz) + ". Platz in der Highscoreliste erreicht.";
}

std::string eintragenText(THighscore& hs, int tabelle, int stufe, int32_t punkte, const std::string& name) {
    const int p = eintragen(hs, tabelle, stufe, punkte, name);
    if (p == 0) return "";
    highscoreSpeichern(hs);
    return platzText(p);
}

std::string highscoreEintragen(const TCG& g) {
    const spiele::Eintrag* e = spiele::eintrag(g.spielId);
    std::string t;
    if (e && e->highscoreText) e->highscoreText(t);
    return t;
}

void zuruecksetzen(THighscore& hs, int tabelle, int stufe) {
    for (int g = 0; g < kHighscoreTabellen; ++g) {
        if (tabelle >= 0 && g != tabelle) continue;
        for (int l = 1; l <= kHighscoreStufen; ++l) {
            if (stufe > 0 && l != stufe) continue;
            for (int p = 1; p <= kHighscorePlaetze; ++p) setzen(hs.at(g, l, p), p, 0, "Leer", 1);
        }
    }
}

int pokerStufe(bool potLimit, bool splitLimit) { return splitLimit ? 3 : (potLimit ? 2 : 1); }

std::string resetFrage(const std::string& spielName) {
    return "Soll die " + spielName + text::w(" Highscoreliste wirklich gelöscht werden?");
}
std::string resetFertig(const std::string& spielName) {
    return spielName.empty() ? text::w("Highscores wurden zurückgesetzt.")
                             : "Die " + spielName + text::w(" Highscoreliste wurde gelöscht.");
}

std::string spielerName(const std::array<std::string, 6>& names, int player, bool fit, bool narrow,
                        const std::string& nameOverride, bool poker) {
    std::string name = "Spieler " + text::fromInt(player);
    if (player >= 1 && player <= 6) name = names[player - 1];
    if (!nameOverride.empty()) name = nameOverride;
    if (!fit) return name;
    const double limit = narrow ? 70 : (poker ? 120 : 125);
    bool cut = false;
    while (name.size() > 1 && textBreite(name) * 11.5 > limit) {
        if (name.back() == '.') name.pop_back();
        name.pop_back();
        name += ".";
        cut = true;
    }
    if (cut) {
        // "Hans ." reads as a stray point: the blank before it goes.
        while (name.size() >= 2 && name[name.size() - 2] == ' ') name.erase(name.size() - 2, 1);
        if (name.back() != '.') name += ".";
    }
    return name;
}

std::string spielerName(const TCG& g, int player, bool fit, bool narrow, const std::string& nameOverride) {
    std::array<std::string, 6> env;
    for (int s = 1; s <= 6; ++s) env[s - 1] = envParam.namen[s].str();
    return spielerName(env, player, fit, narrow, nameOverride, g.spielId == kPoker);
}

std::vector<int> gewinner(const std::vector<int32_t>& werte) {
    std::vector<int> w;
    if (werte.empty()) return w;
    const int32_t best = *std::max_element(werte.begin(), werte.end());
    for (size_t i = 0; i < werte.size(); ++i)
        if (werte[i] == best) w.push_back(static_cast<int>(i) + 1);
    return w;
}

std::string spielergebnisText(const Ergebnis& e) {
    const int n = static_cast<int>(std::min({e.namen.size(), e.konto.size(), e.summe.size(), size_t{6}}));
    auto name = [&](int s) { return s >= 1 && s <= n ? e.namen[s - 1] : "Spieler " + text::fromInt(s); };
    auto pt = [&](int64_t v) { return spielliste::punkteText(e.spielId, v, false); };
    const bool konto = e.spielId == kRomme || e.spielId == kCanasta;
    std::vector<int32_t> werte(konto ? e.konto.begin() : e.summe.begin(),
                               konto ? e.konto.begin() + n : e.summe.begin() + n);
    const std::vector<int> w = gewinner(werte);
    const int32_t best = w.empty() ? 0 : werte[w[0] - 1];

    std::string s;
    for (size_t i = 0; i < w.size(); ++i) {
        if (i > 0) s += (i + 1 == w.size()) ? " und " : ", ";
        s += name(w[i]);
    }
    s += w.size() == 1 ? " gewinnt" : " gewinnen";

    if (konto) {
        s += " das Spiel mit einem Punktestand von " + pt(best) + ".\r\r" + text::w("Punktestände: ");
        for (int i = 1; i <= n; ++i) s += "\r" + name(i) + ": " + pt(e.konto[i - 1]) + " Punkte";
    } else if (e.spielId == kSchnapsen || e.spielId == kSechsundsechzig) {
        s += " die Partie mit " + pt(best) + " Bummerl.\r ";
        for (int i = 1; i <= std::min(n, 2); ++i)
            s += "\r" + name(i) + ": " + pt(e.bummerl[i - 1]) + " Bummerl";
    } else if (e.spielId == kPoker || e.spielId == kBlackJack || e.spielId == kSiebzehnUndVier) {
        const int32_t score = n >= 1 ? e.summe[0] : 0;
        const bool bj = e.spielId != kPoker;
        int rating = (score % 10000) / 1000;
        if (bj) {
            const int64_t punkte = std::max<int64_t>(0, (e.bjGeld - e.bjStartGeld) * 10);
            s = "Sie erreichen " + text::fromInt(punkte) + " Punkte und den " + text::fromInt(e.bjPlatz) +
                ". Platz mit " + spielliste::formatMoney(e.bjGeld, false) + ".";
            rating = e.bjMinStufe;
        } else {
            const int platz = 7 - score / 10000;
            const int spiele = platz == 1 ? 500 - score % 500 : score % 500;
            s = "Sie erreichen den " + text::fromInt(platz) + ". Platz nach " + text::fromInt(spiele) +
                (spiele == 1 ? " Spiel." : " Spielen.");
        }
        if (n == 6 || bj)
            s += "\r\rGewerteter Schwierigkeitsgrad: " + stufenName(rating);
        else
            s += "\r\rSpiele mit weniger als 6 Spielern werden nicht in die Highscoreliste aufgenommen.";
    } else if (e.spielId == kJass) {
        // Jass is won by a team: the seat holding the maximum and its partner across the table.
        const int t = w.empty() ? 1 : (w[0] - 1) % 2 + 1;
        s = name(t) + " und " + name(t + 2) + " haben zuerst " + text::fromInt(e.jassLimit) +
            " Punkte erreicht und gewinnen die Partie.\r\rGesamtpunkte: ";
        for (int team = 1; team <= 2; ++team)
            s += "\r" + name(team) + " und " + name(team + 2) + ": " +
                 text::fromInt(team <= n ? e.summe[team - 1] : 0) + " Punkte";
    } else {
        s += " das Spiel mit einem Gewinn von " + pt(best) + ".\r\rGewinn / Verlust: ";
        for (int i = 1; i <= n; ++i) s += "\r" + name(i) + ": " + pt(e.summe[i - 1]) + " Punkte";
    }
    return s;
}

Anbindung anbindung;

void spielergebnis(const TCG& g) {
    Ergebnis e;
    e.spielId = g.spielId;
    const int n = num::clamp(g.ablauf.anzSpieler, 1, 6);
    for (int s = 1; s <= n; ++s) {
        e.namen.push_back(spielerName(g, s, false));
        e.konto.push_back(g.spielliste.konto[s]);
        e.summe.push_back(g.spielliste.summe[s]);
    }
    if (anbindung.bummerl) e.bummerl = {anbindung.bummerl(1), anbindung.bummerl(2)};
    if (anbindung.jassLimit) e.jassLimit = anbindung.jassLimit();
    e.bjPlatz = g.platz;
    if (anbindung.bjGeld) e.bjGeld = anbindung.bjGeld();
    if (anbindung.bjStartGeld) e.bjStartGeld = anbindung.bjStartGeld();
    if (anbindung.bjMinStufe) e.bjMinStufe = anbindung.bjMinStufe();
    const std::string text = spielergebnisText(e);

    pvl::TPVLApplication* app = central::dienste.app;
    if (app && app->validDialog(central::ids.helpPanel)) app->VsbDialog(central::ids.helpPanel, 0);
    if (anbindung.tischElementVerbergen) anbindung.tischElementVerbergen();
    const int id = g.spielId;
    if (id != 1 && id != 5 && id != 6 && id != kJass) {
        if (anbindung.zugMarkenVerbergen)
            anbindung.zugMarkenVerbergen();
        else
            central::zugMarkenVerbergen(g);
    }
    if (app)
        app->msgbox(text, "Spielergebnis", 0, "!Weiter", 0, false);
    else
        msgsink::show(text);
}

void highscoreReset(TCG& g, bool nurAktuell) {
    pvl::TPVLApplication* app = central::dienste.app;
    const int id = g.spielId;
    const std::string name = id < 13 ? central::spielNamen.anzeige[id] : text::fromInt(id);
    if (nurAktuell && app && app->msgbox(resetFrage(name), "Achtung", 4, "", 0, false) != 6) return;
    const int stufe =
        nurAktuell && id == kPoker ? pokerStufe(g.poker.potLimit != 0, g.poker.splitLimit != 0) : 0;
    zuruecksetzen(g.highscore, nurAktuell ? id : -1, stufe);
    if (!app) return;
    if (nurAktuell) {
        app->msgbox(resetFertig(name), "Information", 0, "", 0, false);
        if (anbindung.listeAuffrischen) anbindung.listeAuffrischen();
    } else {
        app->msgbox(resetFertig(""), "Info", 0, "", 0, false);
    }
}

}  // namespace highscore
