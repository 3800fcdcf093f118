// Registration of Black Jack with the game core, the decision dialogs, the table engine, the
// result tables, the high scores and the saved games.
#include "core/central.h"
#include "core/entscheidung.h"
#include "core/highscore.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "core/spielstand.h"
#include "games/casino/blackjack.h"
#include "games/casino/blackjackki.h"
#include "games/casino/chipanim.h"
#include "games/casino/chipdraw.h"
#include "games/casino/geldtext.h"
#include "games/casino/pokerchips.h"
#include "table/render.h"
#include "table/tischhooks.h"

namespace blackjack {

namespace {
bool laeuft() { return cg.spielId == 9; }
}  // namespace

void anmelden() {
    spiele::Eintrag e;
    e.spielSchritt = spielSchritt;
    e.kiTick = blackjackki::kiTick;
    e.neuesSpiel = rundeStarten;
    e.blockPruefen = blockPruefen;
    e.spielLaden = BlackJackRestoreView;
    e.highscoreText = BlackJackEnterHighscore;
    e.partieEnde = partieEnde;
    e.limitText = limitText;
    e.abrechnungText = [](const TGameResult&, std::string& text) { BlackJackStatText(text); };
    spiele::anmelden(spiele::kBlackJack, e);

    entscheidung::fragen.blackjackEinsatz = [] {
        return geldtext::formatMoney(cg.blackjack.einsatzVorschlag);
    };
    entscheidung::fragen.blackjackVerdoppeln = BlackJackCanDouble;

    auto& t = tischhooks::tab();
    t.bjKarteOffen = BlackJackCardFaceUp;
    t.bjStapelLegen = BlackJackPlaceSeatPile;
    t.bjKarteZaehlen = blackjackki::bjKICountCard;
    t.chipSchritt = [](float) { chipanim::AnimationHandler.Frame(); };

    central::dienste.chipsFertig = chipanim::animationStep;
    central::dienste.chipsLeeren = [] { chipanim::AnimationHandler.Clear(); };
    central::dienste.blackjackKnoepfe = geldtext::UpdateBlackJackBetButtons;
    glu::chipDraw = chipdraw::DrawChips;

    pokerchips::sitzImSpiel = [](int s) { return !laeuft() || BlackJackSeatActive(s); };
    pokerchips::startGeld = [] { return laeuft() ? cg.blackjack.regeln.startGeld : 100; };

    spielliste::formatMoney = [](int64_t betrag, bool plus) { return geldtext::formatMoney(betrag, plus); };
    auto& l = spielliste::anbindung;
    l.chips = [](int s) -> int64_t { return pokerchips::seatChipTotal(s); };
    l.imSpiel = BlackJackSeatActive;
    l.platz = [](int s) { return static_cast<int>(sitz(s).platz); };
    l.pot = [](int s) -> int64_t { return pokerchips::seatChipTotal(8 + s); };
    l.mindestEinsatz = []() -> int64_t { return cg.blackjack.regeln.minEinsatz; };
    l.pleiteSitze = [] {
        BlackJackRemoveBrokeSeats(true);
        cg.setzeSpielbareSitze(BlackJackCountPlayableSeats());
    };
    l.minStaerke = BlackJackMinOpponentLevel;
    l.dealer = [] { return static_cast<int>(cg.blackjack.dealer); };

    auto& h = highscore::anbindung;
    h.bjGeld = []() -> int64_t { return sitz(1).startChips; };
    h.bjStartGeld = []() -> int64_t { return cg.blackjack.regeln.startGeld; };
    h.bjMinStufe = BlackJackMinOpponentLevel;

    spielstand::anbindung.chipsSichern = [](ChipSaveRecord& r) {
        // queued requests have not moved any chip yet: they leave with the save and are lost,
        // so they are carried out first
        if (!chipanim::AnimationHandler.abarbeiten()) chipanim::log("save: chip moves still queued");
        pokerchips::SaveChipCounts(r);
    };
    spielstand::anbindung.chipsLaden = [](const ChipSaveRecord& r) { pokerchips::geladen = r; };
}

}  // namespace blackjack
