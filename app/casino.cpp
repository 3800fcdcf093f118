// The shell's side of the casino games: the Black Jack rule pages read into the game's options,
// the chips' textures, log and comments, the bet buttons, and the settled round's pause.
#include <cstdlib>
#include <filesystem>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/klick.h"
#include "app/texturen.h"
#include "core/cg.h"
#include "core/kommentar.h"
#include "core/spiele.h"
#include "games/casino/blackjack.h"
#include "games/casino/blackjackki.h"
#include "games/casino/chipanim.h"
#include "games/casino/chipdraw.h"
#include "games/casino/geldtext.h"
#include "platform/num.h"

namespace fs = std::filesystem;

namespace glapp {

namespace {

// Black Jack's page (17 und 4's in brackets): Kartenblatt, Startguthaben, Spielwährung,
// Mindesteinsatz, Höchsteinsatz, Zweite Karte [Dealer wechselt], the check boxes, Rundenzahl.
void optionenLesen(blackjack::Optionen& o, bool) {
    if (!glapp) return;
    Tglapp& a = *glapp;
    const bool siebzehn = &o == &blackjack::optionen[1];
    const int g = siebzehn ? 11 : 9;
    const dialoge::Ids& d = dialoge::ids();
    const int seite = d.regeln[g];
    const auto& e = d.regelOptionen[g];
    const size_t boxen = siebzehn ? 2 : 4;
    if (!a.validDialog(seite) || e.size() != 6 + boxen + 1) return;
    auto wahl = [&](int el) {
        int v = 0;
        a.ReadTopIndex(seite, el, v);
        return v;
    };
    if (a.validElement(seite, d.spielerzahlWahl[g])) o.spieler = wahl(d.spielerzahlWahl[g]) + 1;
    o.decks = num::clamp(wahl(e[0]), 1, 3);
    o.startGeld = wahl(e[1]);
    o.waehrung = wahl(e[2]);
    o.minEinsatz = wahl(e[3]);
    o.maxEinsatz = wahl(e[4]);
    if (siebzehn) {
        o.dealerWechsel = wahl(e[5]);
        o.zweiAsseDoppelt = a.isChecked(seite, e[6]);
        o.mischen = a.isChecked(seite, e[7]);
    } else {
        o.zweiteKarte = wahl(e[5]);
        o.naturalDealer = a.isChecked(seite, e[6]);
        o.keinSoft17 = a.isChecked(seite, e[7]);
        o.mischen = a.isChecked(seite, e[8]);
        o.verdoppeln = a.isChecked(seite, e[9]);
    }
    const int runden = e.back();
    o.runden = a.GetLine(seite, runden, wahl(runden));
    a.pk_loadchips();
}

// After the currency changed on the page (g 9 or 11): the starting money and the bet lists in
// that currency, the bet steps those the game reads.
void BlackJackFillBetLists(int g) {
    if (!glapp) return;
    Tglapp& a = *glapp;
    const dialoge::Ids& d = dialoge::ids();
    const int seite = d.regeln[g];
    const auto& e = d.regelOptionen[g];
    if (!a.validDialog(seite) || e.size() < 5) return;
    int waehrung = 2;
    a.ReadTopIndex(seite, e[2], waehrung);
    const bool kurz = g == spiele::kSiebzehnUndVier;
    const int32_t start[3] = {100, 200, 500};
    for (int i = 0; i < 3; ++i) a.WriteLine(seite, e[1], i + 1, geldtext::formatMoneyIn(start[i], waehrung));
    for (bool hoechst : {false, true}) {
        const auto t = blackjack::BlackJackBetTexts(hoechst, kurz, waehrung);
        for (size_t i = 0; i < t.size(); ++i)
            a.WriteLine(seite, e[hoechst ? 4 : 3], static_cast<int>(i) + 1, t[i]);
    }
}

}  // namespace

void Tglapp::casinoVerbinden() {
    blackjack::anmelden();
    blackjack::optionenLesen = optionenLesen;
    blackjack::spielAktivSetzen = [](uint8_t z) { spielAktiv = z; };
    blackjackki::kommentieren = [](int art, int seat, int code, int erregung) {
        central::kommentar(seat, art, code, code, erregung);
    };
    chipanim::protokoll = [](const char* zeile) {
        if (glapp) glapp->wrp2(zeile);
    };
    for (int g : {spiele::kBlackJack, spiele::kSiebzehnUndVier})
        dialoge::haken.optionenJe[g] = [g](int, bool) { BlackJackFillBetLists(g); };
    // The bet buttons: small and large steps up and down.
    dialoge::haken.blackjackEinsatz = [](int delta) {
        const bool gross = std::abs(delta) > 2;
        blackjack::einsatzKnopf(delta > 0 ? (gross ? 2 : 0) : (gross ? 3 : 1));
    };
}

void Tglapp::pk_loadchips() {
    if (!mitGL()) return;
    const int detail = num::clamp<int>(Options.TextureDetail, 1, 3);
    const bool euro = blackjack::optionen[cg.blackjack.siebzehnUndVier ? 1 : 0].waehrung != 3;
    chipdraw::texturenLaden(fs::current_path() / "data" / "bilder" / std::to_string(detail), euro, -1);
    chipdraw::qualitaet = Options.GeometryDetail;
}

void Tglapp::pk_loadchips2() {
    if (!mitGL()) return;
    const fs::path ordner =
        fs::current_path() / "data" / "bilder" / std::to_string(num::clamp<int>(Options.TextureDetail, 1, 3));
    chipdraw::texturenLaden(ordner, true, -1);
    chipdraw::texturenLaden(ordner, false, -1);
}

}  // namespace glapp
