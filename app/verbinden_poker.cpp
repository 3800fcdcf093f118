// The shell's connection to Texas Hold'em: registration, its rule page read into the game's
// options, the raise amount of the table panel and its arrows.
#include <filesystem>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/klick.h"
#include "app/spielanbindung.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/spiele.h"
#include "games/casino/chipdraw.h"
#include "games/casino/holdem.h"
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

}  // namespace

void pokerVerbinden(Tglapp& a) {
    holdem::anmelden();
    if (!holdem::loadPreflopTable(a.AppDir))
        a.wrp2("holdem.loadPreflopTable: data/pfp.txt fehlt oder hat nicht 2028 Bytes, alle Werte 0");
    holdem::optionenLesen = optionenLesen;
    holdem::optionenSchreiben = optionenSchreiben;
    dialoge::haken.pokerReadOptions = [] { holdem::PokerReadOptions(); };
    dialoge::haken.optionenJe[spiele::kPoker] = [](int, bool) {
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
