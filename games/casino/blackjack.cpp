#include "games/casino/blackjack.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/blockpruefung.h"
#include "core/central.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/highscore.h"
#include "core/panel.h"
#include "core/spielliste.h"
#include "games/casino/bjregeln.h"
#include "games/casino/blackjackki.h"
#include "games/casino/chipanim.h"
#include "games/casino/geldtext.h"
#include "games/casino/pokerchips.h"
#include "gui/pvl.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "platform/ticks.h"
#include "table/glu.h"

namespace blackjack {

Optionen optionen[2];
void (*optionenLesen)(Optionen& o, bool kurz) = nullptr;
void (*spielAktivSetzen)(uint8_t zustand) = nullptr;

namespace {

using pokerchips::kBank;
using pokerchips::seatChipTotal;

constexpr int kTalon = 11;
constexpr int kAblage = 13;
// Counter values of phase 4: the dealer's showdown starts at 10, the dealer is done at 20, the
// round is over at 99 and settled at 100.
constexpr int kShowdown = 10, kDealerFertig = 20, kRundeAus = 99, kAbgerechnet = 100;

bool imSchritt = false;
TBlackjack& bj() { return cg.blackjack; }
const TBlackjackRegeln& regeln() { return cg.blackjack.regeln; }

TSpieler& stapel(int s) { return glu::spieler[s - 1]; }
TSpieler& zwilling(int s) { return glu::spielerZwilling[s - 1]; }

int karten(int s, karte* k) {
    if (s < 1 || s > 6) return 0;
    const TSpieler& st = stapel(s);
    const int n = num::clamp<int>(st.anz, 0, 20);
    for (int i = 1; i <= n; ++i) k[i - 1] = st.at(i).c;
    return n;
}

uint8_t& unterZustand() { return cg.antwort.warten; }
int32_t& zaehler() { return cg.phase.schritt; }
int dealer() { return bj().dealer; }

void sagen(const std::string& t, int s) { gtool::sagen(text::w(t), s, 0, false); }

// Moves money between chip seats; amounts out of a seat are taken greedily from its chips.
void geld(int von, int nach, int32_t betrag) {
    if (betrag <= 0) return;
    chipanim::queueChipMove(von, nach, betrag, false, von == kBank ? 0 : 4, 0);
}

// The next seat in table order; in phases 1, 4 and 10 seats out of the game are passed over,
// and after the showdown also the settled ones other than the dealer.
int naechster(int von, bool erledigteAuslassen) {
    const int n = anzahl();
    const int richtung = envParam.spielrichtung == 2 ? -1 : 1;
    const bool aktive = cg.phase.nr == 1 || cg.phase.nr == 4 || cg.phase.nr == 10;
    int s = num::clamp(von, 1, n);
    for (int k = 0; k < n; ++k) {
        s += richtung;
        if (s > n) s = 1;
        if (s < 1) s = n;
        if (aktive && sitz(s).zustand == 0) continue;
        if (erledigteAuslassen && sitz(s).zustand == 2 && s != dealer()) continue;
        return s;
    }
    return von;
}

void weiter(bool erledigteAuslassen = false) { cg.aktSpieler = naechster(cg.aktSpieler, erledigteAuslassen); }

void fragen(int art) {
    bj().entscheidungFlag = 1;
    central::entscheidungAbfragen(cg, art);
}

void karteGeben(int s) {
    const int m = stapel(kTalon).anz;
    if (m < 1) return;
    glu::dealcards(s, 1, 0, 0, kTalon, 0.0f);
    central::bewegungAbwarten(cg, kTalon, m);
}

bool karteVerdeckt(int s, int nr) { return !BlackJackCardFaceUp(s, nr); }

bool BlackJackTurnCards() {
    const int s = cg.aktSpieler;
    const int n = stapel(s).anz;
    int start = BlackJackLastHiddenCard(s);
    if (start == 0) return false;
    if (kurz() && karteVerdeckt(s, 1)) start = 1;
    for (int i = start; i <= n; ++i) {
        const bool offen = BlackJackCardFaceUp(s, i);
        const uint8_t art = offen ? 17 : ((kurz() && s != dealer()) ? 19 : 18);
        glu::movecard(s, i, s, i, 0, 6, art, 0.0f, 0, 0.0f);
        if (i <= 20) bj().offen[s - 1][i - 1] = 1;
    }
    central::bewegungAbwarten(cg, s, n);
    return true;
}

bool BlackJackAllSeatsDone() {
    for (int s = 1; s <= anzahl(); ++s)
        if (s != dealer() && sitz(s).zustand == 1) return false;
    return true;
}

void BlackJackShowTable() {
    // The human's hint belongs to its own turn: it goes once another seat, the dealer or the
    // showdown is on.
    if (cg.aktSpieler != 1 || zaehler() >= kShowdown) central::hinweisVerbergen();
    if (zaehler() >= kDealerFertig) {
        bj().entscheidungFlag = 0;
        if (central::dienste.app && central::dienste.app->validDialog(central::ids.ingame))
            central::dienste.app->InvsbDialog(central::ids.ingame);
    }
}

// The turn marker beside the seat on turn while the seats play; the seats before and after it
// lose theirs, and outside the play the seat on turn shows none.
void markenSetzen() {
    auto zeigen = [](int s, bool v) {
        if (s < 1 || s > 6) return;
        if (v)
            panel::icon(s, panel::bilder.dran);
        else if (panel::sitz[s].icon == panel::bilder.dran)
            panel::icon(s, 0);
    };
    const int akt = cg.aktSpieler;
    if (cg.phase.nr == 4) {
        zeigen(akt, true);
        zeigen(naechster(akt, false), false);
        const int n = anzahl();
        zeigen(akt > 1 ? akt - 1 : n, false);
    } else {
        zeigen(akt, false);
    }
}

// The settlement text of one seat against the dealer and its result.
void vergleichen(int s) {
    TBlackjackSitz& z = sitz(s);
    // a natural beats any other 21; a bust counts nothing
    int eigen = handWert(s, -1);
    if (eigen > 21) eigen = 0;
    if (BlackJackIsNatural(s)) eigen += 1;
    int gegen = bj().dealerWert;
    if (gegen > 21) gegen = 0;
    if (BlackJackIsNatural(dealer())) gegen += 1;
    std::string t;
    if (gegen == 0 || eigen > gegen) {
        t = "Gewinnt mit " + BlackJackHandTextDative(s);
        z.ergebnis = 1;
        z.betrag = z.einsatz;
    } else if (eigen == gegen && !kurz()) {
        t = "Unentschieden mit " + BlackJackHandTextDative(s);
        z.ergebnis = 0;
        z.betrag = 0;
    } else {
        t = "Verliert mit " + BlackJackHandTextDative(s);
        z.ergebnis = -1;
        z.betrag = -z.einsatz;
    }
    bj().blasenSitz = s;
    bj().blasenText = text::w(t);
    blackjackki::kommentar(s);
    if (BlackJackIsNatural(s) && regeln().naturalDealer) bj().neuerDealer = s;
    unterZustand() = 6;
}

// The cards of a seat go to the discard pile, whence the next step puts them under the talon.
void einsammeln(int s) {
    const int n = stapel(s).anz;
    if (n < 1) return;
    if (kurz() && s != dealer() && s != 1 && zaehler() >= kDealerFertig) {
        for (TSpieler* st : {&stapel(s), &zwilling(s)})
            for (int i = 1, j = n; i < j; ++i, --j) std::swap(st->at(i).c, st->at(j).c);
    }
    const int basis = stapel(kAblage).anz;
    for (int i = n, k = 1; i >= 1; --i, ++k) glu::movecard(s, i, kAblage, basis + k, 0, 3, 16, 0.0f, 0, 0.0f);
    bj().gesammelt += n;
    central::bewegungAbwarten(cg, s, 1);
    bj().einsammeln = 1;
}

// Puts the discard pile under the talon, so that the cards of the last rounds come last.
void ablageUnterTalon() {
    TSpieler& t = stapel(kTalon);
    TSpieler& a = stapel(kAblage);
    const int k = num::clamp<int>(a.anz, 0, kSlots - t.anz);
    for (int i = t.anz; i >= 1; --i) {
        t.at(i + k).c = t.at(i).c;
        t.at(i + k).dealNr = t.at(i).dealNr;
    }
    for (int i = 1; i <= k; ++i) {
        t.at(i).c = a.at(i).c;
        t.at(i).dealNr = 0;
    }
    t.anz += k;
    a.anz = 0;
    zwilling(kAblage).anz = 0;
}

void bezahlen() {
    const int s = cg.aktSpieler;
    TBlackjackSitz& z = sitz(s);
    if (s != dealer() && zaehler() >= kShowdown) {
        if (z.ergebnis < 0) {
            geld(8 + s, dealer(), z.einsatz);
        } else if (z.ergebnis == 0) {
            geld(8 + s, s, z.einsatz);
        } else {
            int32_t gewinn =
                bjregeln::gewinn(z.einsatz, BlackJackIsNatural(s), regeln().zweiAsseDoppelt, zweiAsse(s));
            const int32_t kasse = pokerchips::chipsAvailable(dealer(), pokerchips::kKeinTyp);
            if (gewinn > kasse) {
                sagen("Dealer ist pleite", dealer());
                gewinn = std::max<int32_t>(0, kasse);
            }
            // what was paid is what is booked
            z.betrag = gewinn;
            geld(dealer(), s, gewinn);
            geld(8 + s, s, z.einsatz);
        }
        z.zustand = 2;
    } else if (s != dealer()) {
        z.betrag = -z.einsatz;
        z.ergebnis = -1;
        z.zustand = 2;
        geld(8 + s, dealer(), z.einsatz);
    }
    einsammeln(s);
    weiter(zaehler() >= kShowdown);
    unterZustand() = 4;
}

void dealerWechsel() {
    const int n = anzahl();
    const bool pleite = seatChipTotal(dealer()) < regeln().minEinsatz;
    const bool turnus = kurz() && regeln().dealerWechsel == bj().rundenMitDealer + 1;
    if ((pleite || turnus) && bj().neuerDealer == 0) {
        int s = naechster(dealer(), false);
        for (int versuch = 1; seatChipTotal(s) < regeln().minEinsatz && versuch < n; ++versuch)
            s = naechster(s, false);
        bj().neuerDealer = s;
    }
    const int neu = bj().neuerDealer;
    if (neu != 0 && neu != dealer()) {
        sagen("Neuer Dealer", neu);
        chipanim::queueChipMove(8 + dealer(), 8 + neu, pokerchips::kMarkenWert, true, 0, 0);
    }
    unterZustand() = 6;
    zaehler() = kRundeAus;
}

void BlackJackSettleRound() {
    TGameResult r;
    int32_t dealerBetrag = 0;
    for (int s = 1; s <= anzahl(); ++s)
        if (s != dealer()) dealerBetrag -= sitz(s).betrag;
    sitz(dealer()).betrag = dealerBetrag;
    for (int s = 1; s <= anzahl(); ++s) r.at(s) = sitz(s).betrag;
    r.spieler = dealer();
    // the view goes back before the table reads the records
    for (int s = 1; s <= 6; ++s) bj().sitz.at(s) = bj().sicht.at(s);
    spielliste::punkteTabelle(cg, r, false);
}

void spielen() {
    const int akt = cg.aktSpieler;
    TBlackjackSitz& z = sitz(akt);
    uint8_t& u = unterZustand();
    int32_t& c = zaehler();

    if (c == kAbgerechnet) return;
    if (u == 6 && bj().blasenSitz != 0) {
        gtool::sagen(bj().blasenText.str(), bj().blasenSitz, 0, false);
        bj().blasenSitz = 0;
        return;
    }
    if (u == 0) {
        karteGeben(akt);
        u = 4;
        return;
    }
    if (c == kRundeAus && u != 6) {
        if (spielAktivSetzen) spielAktivSetzen(2);
        BlackJackSettleRound();
        c = kAbgerechnet;
        return;
    }
    if (c >= kDealerFertig && akt == dealer() && u != 6) {
        dealerWechsel();
        return;
    }
    if (u != 6 && BlackJackAllSeatsDone()) {
        u = 6;
        c = kRundeAus;
        return;
    }
    if (c >= kShowdown && u != 6) {
        if (akt != dealer()) {
            if (!BlackJackTurnCards()) vergleichen(akt);
            c += 1;
        } else if (c == kShowdown) {
            BlackJackTurnCards();
            c += 1;
        } else {
            bj().dealerWert = handWert(dealer(), -1);
            if (bj().dealerWert < 22)
                sagen("Dealer hat " + text::toUtf8(text::w(BlackJackHandText(dealer()))), dealer());
            else
                sagen("Dealer überzieht mit " + BlackJackHandTextDative(dealer()), dealer());
            c = kDealerFertig;
            weiter(true);
        }
        return;
    }
    if (u == 3 && cg.antwort.art == central::kKnopf) {
        switch (cg.antwort.wert2) {
            case 109:
                geld(akt, 8 + akt, z.einsatz);
                z.einsatz *= 2;
                z.verdoppelt = 1;
                sagen("Verdoppelt", akt);
                u = 0;
                return;
            case 75:
                sagen("Karte", akt);
                karteGeben(akt);
                u = 4;
                return;
            case 37:
                sagen("Keine Karte", akt);
                if (kurz() && akt == dealer()) {
                    c = kShowdown;
                } else {
                    weiter();
                }
                u = 4;
                return;
            default:
                break;
        }
    }
    if (u == 4) {
        const int wert = handWert(akt, -1);
        if (akt == dealer()) {
            if (kurz() && wert <= 21) {
                if (!BlackJackTurnCards()) fragen(107);
                return;
            }
            karte k[20];
            const int n = karten(akt, k);
            if (!kurz() && bjregeln::dealerZieht(k, n, regeln().dealerSoft17)) {
                cg.antwort.art = central::kKnopf;
                cg.antwort.wert2 = 75;
                u = 3;
            } else {
                c = kShowdown;
            }
            return;
        }
        if (wert < 22) {
            if (z.verdoppelt && stapel(akt).anz >= 3)
                weiter();
            else
                fragen(107);
        } else {
            sagen("Verliert mit " + BlackJackHandTextDative(akt), akt);
            u = 6;
        }
        return;
    }
    if (u == 6) bezahlen();
}

int aktiveSitze() {
    int n = 0;
    for (int s = 1; s <= anzahl(); ++s) n += sitz(s).zustand == 1 ? 1 : 0;
    return n;
}

void geben() {
    int32_t& c = zaehler();
    const int aktive = aktiveSitze();
    if (c < 0) {
        // the shuffle show: the talon's cards shuffle in place, once per pass
        const int n = stapel(kTalon).anz;
        // the direction the halves fly apart, one per pass, leaning the other way every pass
        const float richtung = static_cast<float>(rnd::uniform()) * 0.4f + (c % 2 != 0 ? 1.27f : 1.57f);
        for (int i = 1; i <= n; ++i)
            if (glu::movecard(kTalon, i, kTalon, i, 0, 5, 0, 0.0f, 0, 0.0f))
                stapel(kTalon).at(i).bewegung.flightRandom = richtung;
        if (n > 0) central::bewegungAbwarten(cg, kTalon, n);
        c += 1;
        return;
    }
    if (c < 2 * aktive) {
        if (cg.ablaufEinstellung == 1) {
            // every card at once, with rising start delays
            int genommen = 0;
            float verzoegerung = 0;
            int s = cg.aktSpieler;
            glu::bjEroeffnung = true;
            for (int k = 0; k < aktive; ++k) {
                s = naechster(s, false);
                const int n = (kurz() && s == dealer()) ? 1 : 2;
                const int oben = stapel(kTalon).anz - genommen;
                if (oben < n) break;
                glu::dealcards(s, n, 0, oben, kTalon, verzoegerung);
                genommen += n;
                verzoegerung += 0.1f;
            }
            glu::bjEroeffnung = false;
            cg.aktSpieler = s;
            if (genommen > 0) central::bewegungAbwarten(cg, kTalon, stapel(kTalon).anz - genommen + 1);
            c += 2 * aktive;
            return;
        }
        weiter();
        c += 1;
        if (kurz() && cg.aktSpieler == dealer() && stapel(dealer()).anz >= 1) return;
        karteGeben(cg.aktSpieler);
        return;
    }
    cg.phase.nr = 4;
    c = 1;
    unterZustand() = 4;
    cg.aktSpieler = dealer();
    weiter();
}

void setzen() {
    uint8_t& u = unterZustand();
    const int akt = cg.aktSpieler;
    if (u == 4 && akt != dealer()) {
        const int32_t b = BlackJackClampBet(bj().letzterVorschlag);
        if (b < 0) {
            // A seat that cannot pay the minimum sits this round out and leaves at the next.
            sitz(akt).zustand = 0;
            weiter();
            zaehler() += 1;
            return;
        }
        bj().einsatzVorschlag = b;
        fragen(106);
        return;
    }
    if (u == 3 && cg.antwort.art == central::kKnopf) {
        int32_t b = BlackJackClampBet(bj().einsatzVorschlag);
        if (b < 0) b = 0;
        sagen("Setzt " + text::toUtf8(geldtext::formatMoney(b)), akt);
        geld(akt, 8 + akt, b);
        sitz(akt).einsatz = b;
        weiter();
        zaehler() += 1;
        u = 4;
        return;
    }
    if (u == 4 && akt == dealer()) {
        cg.phase.nr = 1;
        zaehler() = cg.ablaufEinstellung == 1 ? -1 : -3;
        if (bj().mischenAusgelassen) zaehler() = 0;
        cg.aktSpieler = dealer();
    }
}

void startGeldVerteilen() {
    const int n = anzahl();
    int32_t& c = zaehler();
    if (c < n) {
        if (cg.ablaufEinstellung == 1) {
            for (int k = c; k < n; ++k) {
                weiter();
                geld(kBank, cg.aktSpieler, regeln().startGeld);
            }
            c = n;
            return;
        }
        weiter();
        c += 1;
        geld(kBank, cg.aktSpieler, regeln().startGeld);
        return;
    }
    if (c == n) {
        chipanim::queueChipMove(kBank, 8 + dealer(), pokerchips::kMarkenWert, true, 0, 0);
        c += 1;
        return;
    }
    cg.phase.nr = 10;
    unterZustand() = 4;
    cg.aktSpieler = dealer();
    weiter();
    c = 0;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

TBlackjackSitz& sitz(int s) {
    s = num::clamp(s, 1, 6);
    return imSchritt ? cg.blackjack.sicht.at(s) : cg.blackjack.sitz.at(s);
}

int anzahl() { return num::clamp<int>(cg.ablauf.anzSpieler, 1, 6); }
bool kurz() { return cg.blackjack.siebzehnUndVier != 0; }

int handWert(int s, int mode) {
    karte k[20];
    const int n = karten(s, k);
    return bjregeln::handWert(k, n, mode, kurz());
}

bool BlackJackIsNatural(int s) {
    karte k[20];
    const int n = karten(s, k);
    return bjregeln::istNatural(k, n, kurz());
}

bool zweiAsse(int s) {
    karte k[20];
    const int n = karten(s, k);
    return bjregeln::zweiAsse(k, n, kurz());
}

bool weicheSiebzehn(int s) {
    karte k[20];
    const int n = karten(s, k);
    return bjregeln::weicheSiebzehn(k, n, kurz());
}

bool BlackJackCardFaceUp(int s, int nr) {
    if (s < 0) s = -s;
    if (s < 1 || s > anzahl() || nr < 1 || nr > 20) return false;
    const bool flag = cg.blackjack.offen[s - 1][nr - 1] != 0;
    const bool istDealer = s == cg.blackjack.dealer;
    if (!kurz()) {
        if (nr != 2) return true;
        if (istDealer) return regeln().dealerZweiteOffen || flag;
        return regeln().spielerZweiteOffen || flag;
    }
    if (istDealer && nr >= 2) return true;
    return flag;
}

int BlackJackLastHiddenCard(int s) {
    const int n = num::clamp<int>(stapel(num::clamp(s, 1, 6)).anz, 0, 20);
    for (int i = n; i >= 1; --i)
        if (!BlackJackCardFaceUp(s, i)) return i;
    return 0;
}

bool BlackJackCanDouble() {
    const int s = cg.aktSpieler;
    if (s < 1 || s > 6 || kurz() || !regeln().verdoppeln) return false;
    return seatChipTotal(s) >= sitz(s).einsatz && stapel(s).anz < 3;
}

int32_t BlackJackClampBet(int32_t bet) {
    return bjregeln::clampBet(bet, regeln().minEinsatz, regeln().maxEinsatz, seatChipTotal(cg.aktSpieler));
}

std::string BlackJackHandText(int s) {
    if (BlackJackIsNatural(s)) return "Black Jack";
    return std::to_string(handWert(s, -1)) + " Punkte";
}

std::string BlackJackHandTextDative(int s) {
    if (BlackJackIsNatural(s)) return "Black Jack";
    return std::to_string(handWert(s, -1)) + " Punkten";
}

bool BlackJackSeatActive(int s) { return s >= 1 && s <= anzahl() && sitz(s).imSpiel != 0; }

int BlackJackCountActiveSeats() {
    int n = 0;
    for (int s = 1; s <= anzahl(); ++s) n += BlackJackSeatActive(s) ? 1 : 0;
    return n;
}

int BlackJackCountPlayableSeats() {
    int n = BlackJackCountActiveSeats();
    for (int s = 2; s <= anzahl(); ++s)
        if (BlackJackSeatActive(s) && seatChipTotal(s) < regeln().minEinsatz) --n;
    return n;
}

int BlackJackMinOpponentLevel() {
    if (anzahl() < 2) return 3;
    int m = 3;
    for (int s = 2; s <= anzahl(); ++s) m = std::min<int>(m, cg.sitzEinstellungen.at(s).staerke);
    return num::clamp(m, 1, 3);
}

void BlackJackRemoveBrokeSeats(bool dryRun) {
    int platz = BlackJackCountActiveSeats() + 1;
    for (int s = 1; s <= anzahl(); ++s)
        if (BlackJackSeatActive(s) && seatChipTotal(s) < regeln().minEinsatz) --platz;
    for (int s = 1; s <= anzahl(); ++s) {
        TBlackjackSitz& z = sitz(s);
        if (!BlackJackSeatActive(s) || seatChipTotal(s) >= regeln().minEinsatz) continue;
        z.platz = platz;
        if (!dryRun) {
            z.ausgeschieden = cg.spielliste.runden;
            z.zustand = 0;
            z.imSpiel = 0;
        }
    }
}

bool automatik = false;

bool BlackJackCheckGameEnd() {
    for (int s = 1; s <= anzahl(); ++s) sitz(s).startChips = seatChipTotal(s);
    if (regeln().rundenLimit <= cg.spielliste.runden) return true;
    if (!automatik && seatChipTotal(1) < regeln().minEinsatz) return true;
    int zahlen = 0;
    for (int s = 1; s <= anzahl(); ++s)
        if (BlackJackSeatActive(s) && seatChipTotal(s) >= regeln().minEinsatz) ++zahlen;
    if (zahlen < 2) {
        if (automatik) BlackJackRemoveBrokeSeats(false);
        return true;
    }
    return false;
}

void BlackJackEnterHighscore(std::string& text) {
    text.clear();
    const int tabelle = kurz() ? 11 : 9;
    const int stufe = BlackJackMinOpponentLevel();
    const int64_t punkte = std::max<int64_t>(0, sitz(1).startChips - regeln().startGeld) * 10;
    if (punkte < 1) return;
    int platz = 0;
    for (int p = 1; p <= 10; ++p)
        if (cg.highscore.at(tabelle, stufe, p).punkte <= punkte) {
            platz = p;
            break;
        }
    if (platz == 0) return;
    for (int p = 9; p >= platz; --p)
        cg.highscore.at(tabelle, stufe, p + 1) = cg.highscore.at(tabelle, stufe, p);
    THighscoreEintrag& e = cg.highscore.at(tabelle, stufe, platz);
    e.platz = static_cast<uint8_t>(platz);
    e.punkte = static_cast<int32_t>(punkte);
    e.name = cg.spieler.at(1).name.str().substr(0, 100);
    e.leer = 0;
    for (int p = platz + 1; p <= 10; ++p) cg.highscore.at(tabelle, stufe, p).platz = static_cast<uint8_t>(p);
    highscore::highscoreSpeichern(cg);
    text =
        text::w("Sie haben den ") + text::fromInt(platz) + text::w(". Platz in der Highscoreliste erreicht.");
}

// The result line of a round says nothing beyond the table.
void BlackJackStatText(std::string& text) { text.clear(); }

void BlackJackPlaceSeatPile(TSpieler& st) {
    const int i = st.id < 0 ? -st.id : st.id;
    const int n = anzahl();
    float r;
    if (i == 1) {
        r = 2.0f;
    } else {
        float x = static_cast<float>(i - 1);
        if (n >= 2 && n <= 5) x -= 0.1f * static_cast<float>(6 - n);
        r = n > 1 ? -((x / static_cast<float>(n - 1)) - 0.5f - 0.1f) * 100.0f : 0.0f;
    }
    const float a = (r + 97.0f) / 180.0f * 3.14159265f;
    st.pos.v[0] = 950.0f * std::cos(a) + 620.0f;
    st.pos.v[1] = 273.0f;
    st.pos.v[2] = -1000.0f * std::sin(a) - 60.0f;
    st.pos.v[3] = -80.0f;
    st.pos.v[4] = -6.0f;
    st.pos.v[5] = r;
    if (i == 1) {
        st.pos.v[0] = 750.0f;
        st.pos.v[2] = -160.0f;
    }
}

void BlackJackReadOptions() {
    Optionen& o = optionen[kurz() ? 1 : 0];
    if (optionenLesen) optionenLesen(o, kurz());
    TBlackjackRegeln& r = cg.blackjack.regeln;
    const int n = num::clamp(o.spieler, 2, 6);
    cg.ablauf.anzSpieler = n;
    if (central::dienste.spielerAnzahlSetzen) central::dienste.spielerAnzahlSetzen(n);
    r.rundenLimit = bjregeln::rundenLimit(o.runden);
    cg.blackjack.waehrung = o.waehrung;
    r.startGeld = o.startGeld == 1 ? 100 : (o.startGeld == 2 ? 200 : 500);
    r.minEinsatz = bjregeln::minBetStep(o.minEinsatz, kurz(), kurz() ? 1 : 2);
    r.maxEinsatz = bjregeln::maxBetStep(o.maxEinsatz, kurz(), kurz() ? 10 : 10);
    if (r.maxEinsatz < r.minEinsatz) r.maxEinsatz = r.minEinsatz;
    r.dealerZweiteOffen = (!kurz() && o.zweiteKarte == 1) ? 1 : 0;
    r.spielerZweiteOffen = (!kurz() && o.zweiteKarte <= 2) ? 1 : 0;
    r.naturalDealer = o.naturalDealer ? 1 : 0;
    r.dealerSoft17 = o.keinSoft17 ? 0 : 1;
    r.verdoppeln = (!kurz() && o.verdoppeln) ? 1 : 0;
    constexpr int32_t wechsel[5] = {-1, -1, 3, 5, 10};
    r.dealerWechsel = kurz() ? wechsel[num::clamp(o.dealerWechsel, 1, 4)] : -1;
    r.zweiAsseDoppelt = (kurz() && o.zweiAsseDoppelt) ? 1 : 0;
    r.mischen = o.mischen ? 1 : 0;
    cg.blackjack.deckAnzahl = num::clamp(o.decks, 1, 3);
}

void rundeStarten(bool neueSerie) {
    TBlackjack& b = cg.blackjack;
    if (neueSerie) {
        b.rundenMitDealer = 0;
        b.gesammelt = 0;
    }
    BlackJackReadOptions();
    central::neuesSpielAllgemein(cg);
    const int n = anzahl();
    b.mischenAusgelassen = (!b.regeln.mischen && b.gesammelt < 39) ? 1 : 0;
    if (neueSerie || !b.mischenAusgelassen) {
        TSpieler& t = stapel(kTalon);
        const int k = kurz() ? gtool::deck32Fuellen(t, b.deckAnzahl) : gtool::deck52Fuellen(t, b.deckAnzahl);
        t.anz = k;
        stapel(kAblage).anz = 0;
        gtool::talonMischen();
        b.gesammelt = 0;
        blackjackki::bjKIInitDeck(k);
        b.mischenAusgelassen = 0;
    }
    if (neueSerie) {
        b.letzterVorschlag = b.regeln.minEinsatz;
        b.dealer = n >= 2 ? rnd::random(n - 1) + 2 : 1;
        b.einsammeln = 0;
        b.blasenSitz = 0;
        b.neuerDealer = 0;
        chipanim::AnimationHandler.Clear();
        pokerchips::initChipSeat(kBank, false);
        pokerchips::initChipSeat(pokerchips::kPot, true);
        for (int s = 1; s <= 6; ++s) {
            pokerchips::initChipSeat(s, true);
            pokerchips::initChipSeat(8 + s, true);
            TBlackjackSitz& z = b.sitz.at(s);
            z = TBlackjackSitz{};
            z.imSpiel = s <= n ? 1 : 0;
            b.sicht.at(s) = z;
        }
        for (int s = 1; s <= 16; ++s)
            if (s != kTalon) {
                stapel(s).anz = 0;
                zwilling(s).anz = 0;
            }
    }
    for (int s = 1; s <= 6; ++s) {
        TBlackjackSitz& z = b.sitz.at(s);
        if (z.imSpiel) {
            z.zustand = 1;
            z.verdoppelt = 0;
            z.einsatz = 0;
            z.betrag = 0;
            z.ergebnis = 0;
        }
        stapel(s).anz = 0;
        zwilling(s).anz = 0;
    }
    std::memset(b.offen, 0, sizeof(b.offen));
    if (!neueSerie) {
        if (b.neuerDealer != 0) {
            b.dealer = b.neuerDealer;
            b.rundenMitDealer = 0;
        } else {
            b.rundenMitDealer += 1;
        }
        b.neuerDealer = 0;
        BlackJackRemoveBrokeSeats(false);
        // A broke dealer has left: the marker goes to the next seat still playing.
        if (!BlackJackSeatActive(b.dealer)) {
            const int alt = b.dealer;
            for (int k = 1; k <= n; ++k) {
                const int s = (alt - 1 + k) % n + 1;
                if (BlackJackSeatActive(s)) {
                    b.dealer = s;
                    break;
                }
            }
            // the game core empties the chip queue after this: the marker is put over at once
            if (b.dealer != alt) pokerchips::markeVersetzen(8 + alt, 8 + b.dealer);
        }
    }
    for (int s = 1; s <= 6; ++s) b.sicht.at(s) = b.sitz.at(s);
    chipanim::bankMovesAudible = 0;
    cg.phase.schritt = 0;
    cg.antwort.warten = 0;
    b.entscheidungFlag = 0;
}

void spielSchritt(TCG&) {
    TBlackjack& b = cg.blackjack;
    for (int s = 1; s <= 6; ++s) b.sicht.at(s) = b.sitz.at(s);
    imSchritt = true;
    cg.ablauf.schrittZaehler += 1;

    if (pokerchips::needsChange()) {
        pokerchips::LowTerminateNew();
    } else if (b.einsammeln) {
        if (glu::zugliste.anz == 0) {
            ablageUnterTalon();
            b.einsammeln = 0;
        }
    } else {
        switch (cg.phase.nr) {
            case 0:
                cg.aktSpieler = b.dealer;
                cg.schrittZeit.tick = ticks::now();
                cg.phase.nr = 2;
                zaehler() = cg.spielliste.runden == 0 ? 0 : anzahl() + 1;
                break;
            case 2:
                startGeldVerteilen();
                break;
            case 10:
                setzen();
                break;
            case 1:
                geben();
                break;
            case 4:
                spielen();
                BlackJackShowTable();
                break;
            default:
                break;
        }
    }
    markenSetzen();
    for (int s = 1; s <= 6; ++s) b.sitz.at(s) = b.sicht.at(s);
    imSchritt = false;
}

std::string blockPruefen(const TCG& g) {
    blockpruefung::Befund b;
    blockpruefung::gemeinsam(b, g, {1, 6, 10, 6, 13});
    const TBlackjack& j = g.blackjack;
    b.zahl(j.deckAnzahl, 1, 3, "Kartenspiele");
    b.zahl(j.dealer, 0, 6, "Dealer");
    b.zahl(j.neuerDealer, 0, 6, text::w("nächster Dealer"));
    b.zahl(j.blasenSitz, 0, 6, "Sprechblase");
    b.zahl(j.ki.index, 0, kBjGesehenMax, "gesehene Karten");
    for (int s = 1; s <= 6; ++s)
        for (const TBlackjackSitz* x : {&j.sitz.at(s), &j.sicht.at(s)}) {
            b.zahl(x->zustand, 0, 2, "Zustand von Spieler " + text::fromInt(s));
            b.zahl(x->einsatz, 0, INT32_MAX, "Einsatz von Spieler " + text::fromInt(s));
        }
    return b.text();
}

void BlackJackRestoreView() {
    // Cards still flying belong to the game the load replaced.
    glu::bewegungenVerwerfen();
    central::tischWiederherstellen(cg);
    pokerchips::RestoreChipCounts(pokerchips::geladen);
    for (int s = 1; s <= kStapel; ++s) {
        zwilling(s).pos = stapel(s).pos;
    }
    for (int s = 1; s <= anzahl(); ++s) {
        const int n = stapel(s).anz;
        if (n > 0) glu::LayoutCardPositions(s, 1, n, 2, 2, 0);
    }
    markenSetzen();
    geldtext::UpdateBlackJackBetButtons();
}

bool partieEnde() { return BlackJackCheckGameEnd(); }

void limitText(std::string& text) {
    text = text::w("Runde ") + text::fromInt(cg.spielliste.runden) + text::w(" von ") +
           text::fromInt(regeln().rundenLimit);
}

bool rundeVorbei(const TCG& g) {
    return g.spielId == 9 && (g.phase.nr == 4 || g.phase.nr == 5) && g.phase.schritt == kAbgerechnet;
}

int64_t tischGeld() {
    int64_t summe = 0;
    for (int s = 1; s <= anzahl(); ++s) summe += seatChipTotal(s) + seatChipTotal(8 + s);
    return summe;
}

bool BlackJackEventHook(int) { return true; }

std::vector<std::string> BlackJackBetTexts(bool hoechst, bool kurz, int waehrungListe) {
    std::vector<std::string> t;
    for (int i = 1; i <= 5; ++i)
        t.push_back(geldtext::formatMoneyIn(hoechst ? bjregeln::maxBetStep(i, kurz, 0) : bjregeln::minBetStep(i, kurz, 0),
                                            waehrungListe));
    return t;
}

void einsatzKnopf(int knopf) {
    static constexpr int lang[4] = {2, -2, 8, -8}, kurzSchritt[4] = {1, -1, 5, -5};
    if (knopf < 0 || knopf > 3) return;
    TBlackjack& b = cg.blackjack;
    const int32_t neu = BlackJackClampBet(b.einsatzVorschlag + (kurz() ? kurzSchritt[knopf] : lang[knopf]));
    if (neu < 0) return;
    b.einsatzVorschlag = neu;
    b.letzterVorschlag = neu;
    pvl::TPVLApplication* a = central::dienste.app;
    const int d = central::ids.ingame, e = central::ids.reihe[1][1];
    if (a && a->validElement(d, e))
        a->SetCaption(d, e, "!" + geldtext::formatMoney(neu) + text::w(" setzen"));
    geldtext::UpdateBlackJackBetButtons();
}

}  // namespace blackjack
