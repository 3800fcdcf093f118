// The shell's connection to Texas Hold'em: registration, its rule page read into the game's
// options, the raise amount of the table panel and its arrows.
#include <algorithm>
#include <filesystem>
#include <string>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/klick.h"
#include "app/spielanbindung.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/spiele.h"
#include "games/casino/chipdraw.h"
#include "games/casino/holdem.h"
#include "games/casino/holdem_ki.h"
#include "games/casino/holdem_preflop.h"
#include "platform/num.h"

namespace fs = std::filesystem;

namespace glapp {

namespace {

// The rule page and its elements, when the shell has built it (a is empty otherwise).
struct Seite {
    Tglapp* a = nullptr;
    int seite = 0;
    const std::vector<int>* e = nullptr;
};
Seite seiteHolen() {
    if (!glapp) return {};
    const dialoge::Ids& d = dialoge::ids();
    const int seite = d.regeln[spiele::kPoker];
    const auto& e = d.regelOptionen[spiele::kPoker];
    if (!glapp->validDialog(seite) || e.size() != 7) return {};
    return {glapp, seite, &e};
}

// The page: Startguthaben, Blinds, Blinds erhöhen, Spielwährung, English terms, abbreviations,
// speed; the player count beside them.
void optionenLesen(holdem::Optionen& o) {
    const Seite p = seiteHolen();
    if (!p.a) return;
    Tglapp& a = *p.a;
    const dialoge::Ids& d = dialoge::ids();
    const int seite = p.seite;
    const auto& e = *p.e;
    auto wahl = [&](int el) {
        int v = 0;
        a.ReadTopIndex(seite, el, v);
        return v;
    };
    if (a.validElement(seite, d.spielerzahlWahl[spiele::kPoker]))
        o.spieler = wahl(d.spielerzahlWahl[spiele::kPoker]);
    o.startGeld = wahl(e[0]);
    o.blinds = wahl(e[1]);
    o.intervall = wahl(e[2]);
    o.waehrung = num::clamp(wahl(e[3]), 1, 3);
    o.englisch = a.isChecked(seite, e[4]);
    o.abkuerzungen = a.isChecked(seite, e[5]);
    o.tempo = num::clamp(wahl(e[6]), 1, 3);
    if (mitGL()) {
        const int detail = num::clamp<int>(a.Options.TextureDetail, 1, 3);
        chipdraw::texturenLaden(fs::current_path() / "data" / "bilder" / std::to_string(detail),
                                o.waehrung != 3, -1);
    }
}

// The record's options back onto the page (after loading a game).
void optionenSchreiben() {
    const Seite p = seiteHolen();
    if (!p.a) return;
    Tglapp& a = *p.a;
    const dialoge::Ids& d = dialoge::ids();
    const int seite = p.seite;
    const auto& e = *p.e;
    const TPoker& pk = ::cg.poker;
    if (a.validElement(seite, d.spielerzahlWahl[spiele::kPoker]))
        a.SetTopIndex(seite, d.spielerzahlWahl[spiele::kPoker], ::cg.ablauf.anzSpieler - 1);
    a.SetTopIndex(seite, e[0], pk.startGeld == 100 ? 1 : pk.startGeld == 200 ? 2 : 3);
    a.SetTopIndex(seite, e[1], pk.bigBlindStart == 2 ? 1 : pk.bigBlindStart == 4 ? 2 : 3);
    const int32_t intervalle[] = {100000, 7, 10, 15, 20, 25, 30};
    int pos = 7;
    for (int i = 0; i < 7; ++i)
        if (intervalle[i] == pk.intervall) pos = i + 1;
    a.SetTopIndex(seite, e[2], pos);
    a.SetTopIndex(seite, e[3], pk.waehrung);
    a.SetBoolean(seite, e[4], pk.deutsch == 0);
    a.SetBoolean(seite, e[5], pk.handNameOption == 2);
    a.SetTopIndex(seite, e[6], pk.tempo);
    // A player who plays by the presets finds the first one ticked for a table that is set up
    // like it.
    bool vorwahl = false;
    for (int b : d.pokerVorwahl) vorwahl = vorwahl || (a.validElement(seite, b) && a.isChecked(seite, b));
    if (vorwahl && holdem::PokerMatchesFirstPreset())
        for (int i = 0; i < 3; ++i)
            if (a.validElement(seite, d.pokerVorwahl[i])) a.SetBoolean(seite, d.pokerVorwahl[i], i == 0);
}

// The preset boxes (the last checked one wins) set the lists they cover and lock them; with no
// box checked the lists are free again.
void vorwahlAnwenden() {
    const Seite p = seiteHolen();
    if (!p.a) return;
    Tglapp& a = *p.a;
    const dialoge::Ids& d = dialoge::ids();
    const int seite = p.seite;
    const auto& e = *p.e;
    bool boxen[3] = {};
    for (int i = 0; i < 3; ++i)
        boxen[i] = a.validElement(seite, d.pokerVorwahl[i]) && a.isChecked(seite, d.pokerVorwahl[i]);
    holdem::Vorwahl v;
    const bool gewaehlt = holdem::PokerPreset(boxen, v);
    const int spielerzahl = d.spielerzahlWahl[spiele::kPoker];
    if (gewaehlt) {
        if (a.validElement(seite, spielerzahl)) a.SetTopIndex(seite, spielerzahl, v.spieler);
        a.SetTopIndex(seite, e[0], v.startGeld);
        a.SetTopIndex(seite, e[1], v.blinds);
        a.SetTopIndex(seite, e[2], v.intervall);
        a.SetTopIndex(seite, e[3], v.waehrung);
        dialoge::pokerVariante(a, v.variante);
    }
    for (int el : {spielerzahl, e[0], e[1], e[2], e[3]}) {
        if (!a.validElement(seite, el)) continue;
        a.SetEnabled(seite, el, !gewaehlt);
        a.AbleChilds(seite, el, !gewaehlt);
    }
}

// The texts that follow the currency and the wording: the start-cash and blinds lists and the
// abbreviation box's example.
void listenTexte(const holdem::Optionen& o) {
    const Seite p = seiteHolen();
    if (!p.a) return;
    Tglapp& a = *p.a;
    const int seite = p.seite;
    const auto& e = *p.e;
    const auto start = holdem::PokerStartCashTexts(o.waehrung);
    const auto blinds = holdem::PokerBlindsTexts(o.waehrung);
    for (int i = 0; i < 3; ++i) {
        a.WriteLine(seite, e[0], i + 1, start[static_cast<size_t>(i)]);
        a.WriteLine(seite, e[1], i + 1, blinds[static_cast<size_t>(i)]);
    }
    a.SetCaption(seite, e[5], holdem::PokerAbbreviationCaption(!o.englisch));
}

// The raise amount shown on the raise button follows the arrows.
void pfeil(int p) {
    TPoker& pk = ::cg.poker;
    const int s = ::cg.aktSpieler;
    if (s < 1 || s > 6) return;
    const int32_t zuZahlen = pk.einsatz - pk.sitz.at(s).gesetzt;
    const int32_t limit = holdem::maxErhoehung(holdem::variante(), pk.limitStufe, pk.pot);
    pk.erhoehung = dialoge::pokerBetrag(pk.erhoehung, pk.bigBlind, p, limit, pk.minErhoehung,
                                        holdem::chips(s), zuZahlen);
    if (::cg.antwort.offen == 2 && s == 1) {
        central::entscheidungsDialog(::cg, 98);
        central::dialogAnordnen(::cg, false, false);
    }
}

// The learning store's debug panel: "!on" switches learning on and steps its mode, "!off"
// switches it off, "!reset" empties the store, "!pon"/"!poff" switch playing with forgetting,
// "!save" writes the file.
void clusterKnopf(int dialog, int element) {
    const dialoge::Ids& d = dialoge::ids();
    if (!glapp || dialog != d.clusterpanel) return;
    holdem::ki::Clusterer& c = holdem::ki::clusterer();
    if (element == d.cluster[0]) {
        c.learn = true;
        c.mode = (c.mode + 1) % 4 + 1;
    } else if (element == d.cluster[1]) {
        c.learn = false;
        c.mode = 0;
    } else if (element == d.cluster[2]) {
        c.ClearStore();
    } else if (element == d.cluster[3]) {
        c.playing = true;
    } else if (element == d.cluster[4]) {
        c.playing = false;
    } else if (element == d.cluster[5] && !holdem::ki::brainSpeichern()) {
        glapp->wrp2("holdem: " + holdem::ki::brainDatei.string() + " konnte nicht geschrieben werden");
    }
    static const char* const kModi[5] = {"", "learn.comp.win", "learn.mensch.all", "learn.mensch.win",
                                         "del.comp.loose"};
    std::string t = c.learn ? std::string("learn ") + kModi[std::clamp(c.mode, 0, 4)] : std::string("-");
    if (c.playing) t += " playing";
    glapp->SetCaption(dialog, d.clusterText[0], t);
    glapp->SetCaption(dialog, d.clusterText[1], ".in:" + std::to_string(c.laufAnz()));
    glapp->SetCaption(dialog, d.clusterText[2], ".brain:" + std::to_string(c.lernAnz()));
}

}  // namespace

void pokerVerbinden(Tglapp& a) {
    holdem::anmelden();
    if (!holdem::loadPreflopTable(a.AppDir))
        a.wrp2("holdem.loadPreflopTable: data/pfp.txt fehlt oder hat nicht 2028 Bytes, alle Werte 0");
    // the learning store beside the high scores, at first the one the program brings; a missing
    // or damaged file starts it empty
    holdem::ki::brainDatei = a.AppDir / "data" / "settings" / "brain.txt";
    if (std::string meldung; !holdem::ki::brainLaden(meldung, a.AppDir / "data" / "brain.txt"))
        a.wrp2(meldung);
    // an estimate runs in slices of half a frame
    holdem::ki::bildRate = [] {
        return glapp && glapp->FpsSmooth > 0 ? static_cast<float>(glapp->FpsSmooth) : 60.0f;
    };
    auto vorher = dialoge::haken.entwickler;
    dialoge::haken.entwickler = [vorher](int dialog, int element) {
        if (vorher) vorher(dialog, element);
        clusterKnopf(dialog, element);
    };
    holdem::optionenLesen = optionenLesen;
    holdem::optionenSchreiben = optionenSchreiben;
    dialoge::haken.pokerReadOptions = [] { holdem::PokerReadOptions(); };
    dialoge::haken.optionenJe[spiele::kPoker] = [](int, bool) {
        vorwahlAnwenden();
        // the wording switches take effect at once, also during a hand
        holdem::Optionen o = holdem::optionen;
        optionenLesen(o);
        ::cg.poker.deutsch = o.englisch ? 0 : 1;
        ::cg.poker.handNameOption = o.abkuerzungen ? 2 : 3;
        ::cg.poker.tempo = o.tempo;
        listenTexte(o);
        if (::cg.spielId != spiele::kPoker) return;
        holdem::PokerSeatCaptions();
        // the human's buttons take the new words at once
        if (::cg.antwort.offen == 2 && ::cg.aktSpieler == 1) {
            central::entscheidungsDialog(::cg, 98);
            central::dialogAnordnen(::cg, false, false);
        }
    };
    holdem::panelTexte = [](const std::string& pot, const std::string& einsatz) {
        if (!glapp) return;
        const dialoge::Ids& d = dialoge::ids();
        if (!glapp->validDialog(d.pokerpanel)) return;
        glapp->SetCaption(d.pokerpanel, d.pokerPot, pot);
        glapp->SetCaption(d.pokerpanel, d.pokerEinsatz, einsatz);
    };
    dialoge::haken.pokerPfeil = pfeil;
    dialoge::haken.pokerBetrag = [] { return ::cg.poker.erhoehung; };
}

void pokerSeiten(Tglapp&) {}

}  // namespace glapp
