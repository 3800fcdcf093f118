// Registration of Texas Hold'em with the game core, the decision dialogs, the table engine, the
// chips, the result tables, the high scores and the saved games. Where Black Jack fills the same
// shared entry, the entry answers for poker while poker runs and hands on otherwise.
#include <algorithm>

#include "core/central.h"
#include "core/entscheidung.h"
#include "core/seams.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "core/spielstand.h"
#include "games/casino/chipanim.h"
#include "games/casino/geldtext.h"
#include "games/casino/holdem.h"
#include "games/casino/holdem_zaehler.h"
#include "games/casino/pokerchips.h"
#include "gui/pvl.h"
#include "table/overlays.h"
#include "table/tischhooks.h"

namespace holdem {

namespace {

bool laeuft() { return cg.spielId == spiele::kPoker; }

bool (*vorigImSpiel)(int) = nullptr;
int32_t (*vorigStartGeld)() = nullptr;

entscheidung::PokerLage pokerLage(int s) {
    entscheidung::PokerLage p;
    const bool de = PokerGermanTerms();
    const int32_t zuZahlen = cg.poker.einsatz - sitz(s).gesetzt;
    const bool gesetzt = cg.poker.gesetztFlag != 0;
    for (int k = 0; k <= 4; ++k) geldtext::actionLabel(k, p.label[k], de, gesetzt, zuZahlen > 0);
    p.nichtsZuZahlen = zuZahlen <= 0;
    p.zuZahlen = geldtext::formatMoney(std::max(0, zuZahlen));
    p.erhoehung = geldtext::formatMoney(cg.poker.erhoehung);
    announcePotWinners(p.potGewinner);
    return p;
}

bool erlaubtKnopf(int s, int knopf) {
    const TPokerSitz& z = sitz(s);
    if (knopf == 2) return z.kannMitgehen || cg.poker.einsatz <= z.gesetzt;
    if (knopf == 3) return z.kannErhoehen;
    if (knopf == 4) return z.allInErlaubt;
    return true;
}

// The four raise arrows of the poker row: all off first; for the human on turn with chips left
// beyond its set, up while the amount may still grow, down while it is above the minimum.
void UpdatePokerRaiseButtons() {
    pvl::TPVLApplication* a = central::dienste.app;
    const int d = central::ids.ingame;
    if (!a || !a->validDialog(d)) return;
    const int s = cg.aktSpieler;
    const TPoker& pk = cg.poker;
    bool hoch = false, runter = false;
    if (s >= 1 && s <= 6 && chips(s) > 0) {
        const int32_t zuZahlen = std::max(0, pk.einsatz - sitz(s).gesetzt);
        const int32_t limit = maxErhoehung(variante(), pk.limitStufe, pk.pot);
        hoch = pk.erhoehung < limit && pk.erhoehung + zuZahlen < chips(s);
        runter = pk.erhoehung > pk.minErhoehung;
    }
    for (int k = 0; k < 4; ++k) {
        const int e = central::ids.chip[k];
        if (!a->validElement(d, e)) continue;
        a->SetVisible(d, e, true);
        a->SetEnabled(d, e, k % 2 == 0 ? hoch : runter);
    }
}

}  // namespace

void anmelden() {
    spiele::Eintrag e;
    e.spielSchritt = pokerStep;
    e.kiTick = kiTick;
    e.neuesSpiel = newPokerGame;
    e.blockPruefen = blockPruefen;
    e.spielLaden = PokerRestoreView;
    e.highscoreText = PokerEnterHighscore;
    e.partieEnde = partieEnde;
    e.limitText = PokerLimitText;
    e.abrechnungText = [](const TGameResult&, std::string& t) { PokerPotResultText(t); };
    spiele::anmelden(spiele::kPoker, e);

    entscheidung::fragen.poker = pokerLage;

    auto& t = tischhooks::tab();
    t.pokerZeigen = PokerRevealAtShowdown;
    t.chipSchritt = [](float) { chipanim::AnimationHandler.Frame(); };
    glu::pokerRevealSeatCards = PokerRevealSeatCards;

    auto& d = central::dienste;
    d.chipsFertig = chipanim::animationStep;
    d.chipsLeeren = [] { chipanim::AnimationHandler.Clear(); };
    d.pokerTempo = [](float& f) {
        f = PokerSpeedFactor();
        return PokerSpeedUpActive();
    };
    d.pokerDeutsch = PokerGermanTerms;
    d.pokerErlaubt = erlaubtKnopf;
    d.pokerSitzAus = [](int s) { return sitz(s).aktion == 7; };
    d.pokerKnoepfe = UpdatePokerRaiseButtons;

    seams::spiele.pokerAceLowStraight = [] { return true; };
    seams::spiele.pokerSpeedUpActive = PokerSpeedUpActive;
    seams::spiele.pokerSpeedFactor = PokerSpeedFactor;

    if (pokerchips::sitzImSpiel != nullptr && vorigImSpiel == nullptr) vorigImSpiel = pokerchips::sitzImSpiel;
    if (pokerchips::startGeld != nullptr && vorigStartGeld == nullptr) vorigStartGeld = pokerchips::startGeld;
    pokerchips::sitzImSpiel = [](int s) {
        if (laeuft()) return PokerSeatInGame(s);
        return vorigImSpiel ? vorigImSpiel(s) : true;
    };
    pokerchips::startGeld = []() -> int32_t {
        if (laeuft()) return PokerStartCash() > 0 ? PokerStartCash() : 100;
        return vorigStartGeld ? vorigStartGeld() : 100;
    };
    pokerchips::pokerWaehrung = [] { return static_cast<int32_t>(cg.poker.waehrung); };
    pokerchips::potAuszahlung = [](int s, int& betrag) {
        if (!laeuft() || !PokerSeatInHand(s) || !sitz(s).gewinnt || sitz(s).gewinn <= 0) return false;
        betrag = sitz(s).gewinn;
        return true;
    };

    spielliste::formatMoney = [](int64_t betrag, bool plus) { return geldtext::formatMoney(betrag, plus); };
    auto& l = spielliste::anbindung;
    auto weiter = [](auto poker, auto vorig) {
        return [poker, vorig](auto... a) { return laeuft() || !vorig ? poker(a...) : vorig(a...); };
    };
    l.chips = weiter([](int s) -> int64_t { return pokerchips::seatChipTotal(s); }, l.chips);
    l.imSpiel = weiter([](int s) { return PokerSeatInGame(s); }, l.imSpiel);
    l.platz = weiter([](int s) { return static_cast<int>(sitz(s).platz); }, l.platz);
    l.pot = weiter([](int s) -> int64_t { return sitz(s).gesetzt; }, l.pot);
    l.mindestEinsatz = weiter([]() -> int64_t { return cg.poker.bigBlind; }, l.mindestEinsatz);
    l.pleiteSitze = weiter(
        [] {
            PokerRemoveBrokeSeats(true);
            cg.setzeSpielbareSitze(PokerCountPlayableSeats());
        },
        l.pleiteSitze);
    l.minStaerke = weiter([] { return PokerMinOpponentLevel(); }, l.minStaerke);
    l.blindInterval = weiter([]() -> int32_t { return cg.poker.intervall; }, l.blindInterval);
    l.pokerTrace = [](const std::string& tag) { PokerTrace(tag); };
    l.pokerSerieVorbei = [] { return PokerCounter.SeriesOver(); };
    l.pokerNaechstePartie = [] { PokerCounter.NextMatch(); };
    l.pokerSerieAbschliessen = [] { PokerCounter.Init(); };
    l.pokerNaechsteRunde = [] { PokerCounter.NextRound(); };

    spielstand::anbindung.chipsSichern = [](ChipSaveRecord& r) {
        if (!chipanim::AnimationHandler.abarbeiten()) chipanim::log("save: chip moves still queued");
        pokerchips::SaveChipCounts(r);
    };
    spielstand::anbindung.chipsLaden = [](const ChipSaveRecord& r) { pokerchips::geladen = r; };
    if (PokerCounter.matches == 0) PokerCounter.Init();
}

}  // namespace holdem
