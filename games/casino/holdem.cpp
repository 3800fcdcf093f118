#include "games/casino/holdem.h"

#include <algorithm>
#include <cstring>

#include "core/central.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/spielliste.h"
#include "games/casino/chipanim.h"
#include "games/casino/holdem_ki.h"
#include "games/casino/pokerchips.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"

namespace holdem {

Optionen optionen;
void (*optionenLesen)(Optionen& o) = nullptr;
void (*optionenSchreiben)() = nullptr;
void (*situationNeu)(int seat) = nullptr;
bool automatik = false;
int abgelehnt = 0;

namespace {

TPoker& pk() { return cg.poker; }
TSpieler& stapel(int s) { return glu::spieler[s - 1]; }
TSpieler& zwilling(int s) { return glu::spielerZwilling[s - 1]; }
uint8_t& unterZustand() { return cg.antwort.warten; }
int32_t& schritt() { return cg.phase.schritt; }
int32_t& rundeBegonnen() { return cg.phase.fluss1; }
int32_t haende() { return cg.spielliste.runden; }

void melden(const std::string& utf8) { msgsink::show(text::w(utf8)); }

void geld(int von, int nach, int32_t betrag) {
    if (betrag <= 0) return;
    chipanim::queueChipMove(von, nach, betrag, false, von == pokerchips::kBank ? 0 : 4, 0);
}

void sagen(int s, const std::string& t) {
    sitz(s).blase.assign(text::w(t));
    if (!automatik) gtool::sagen(text::w(t), s, 0, false);
}

void pruefen() {
    for (int s = 1; s <= anzahl(); ++s) {
        if (!PokerSeatInGame(s)) continue;
        const int32_t d = pk().einsatz - sitz(s).gesetzt;
        if (d < 0 || d > 10000)
            melden("ACHTUNG! Inkonsistenz Spieler" + std::to_string(s) +
                   ": poteinsatz-setsum = " + std::to_string(d));
    }
    if (pk().minErhoehung <= 0)
        melden("ACHTUNG! Inkonsistenz Spieler" + std::to_string(cg.aktSpieler) +
               ":  rminimum = " + std::to_string(pk().minErhoehung));
}

int weiterGeben(int s) {
    const int n = anzahl();
    return envParam.spielrichtung == 2 ? (s <= 1 ? n : s - 1) : (s >= n ? 1 : s + 1);
}

bool rundeFertig() {
    if (pk().rundeOffen != 1) return true;
    for (int s = 1; s <= anzahl(); ++s) {
        const TPokerSitz& z = sitz(s);
        if (z.zustand != 1 || z.allIn) continue;
        if (z.gesetzt < pk().einsatz || z.aktion == 0 || z.aktion == 11) return false;
    }
    return true;
}

int nichtAllIn() {
    int n = 0;
    for (int s = 1; s <= anzahl(); ++s)
        if (PokerSeatInHand(s) && !sitz(s).allIn) ++n;
    return n;
}

void wettrundeBeginnen(uint8_t strasse, bool spaet) {
    pk().strasse = strasse;
    pk().rundeOffen = 1;
    pk().gesetztFlag = 0;
    pk().erhoehungenRunde = 0;
    cg.aktSpieler = pk().dealer;
    pk().limitStufe = spaet ? pk().spaeteStufe : pk().preflopStufe;
    pk().minErhoehung = spaet ? pk().spaeteStufe : pk().bigBlind;
    for (int s = 1; s <= anzahl(); ++s)
        if (PokerSeatInHand(s) && sitz(s).aktion != 2) sitz(s).aktion = 11;
    unterZustand() = 4;
}

void boardKarten(int anzahlKarten, int position) {
    const int m = stapel(kTalon).anz;
    if (m < anzahlKarten) return;
    glu::executemove(kTalon, m, kBoard, position, anzahlKarten, 0, 0);
}

// Seat on turn decides: the seat's situation, its flags and the question.
void naechsterSitz() {
    unterZustand() = 3;
    cg.entscheidung.art = 0;
    if (rundeFertig()) {
        unterZustand() = 8;
        return;
    }
    cg.aktSpieler = nextSeat(1, true, false);
    const int s = cg.aktSpieler;
    TPokerSitz& z = sitz(s);
    pk().maxErhoehung = maxErhoehung(variante(), pk().limitStufe, pk().pot);
    pk().erhoehung = pk().minErhoehung;
    const Freiheit f = freiheit(lage(s));
    z.chipsPlusGesetzt = chips(s) + z.gesetzt;
    z.kannMitgehen = f.kannMitgehen;
    z.kannErhoehen = f.kannErhoehen;
    z.allInErlaubt = f.allInErlaubt;
    if (PokerCountSeatsInHand() < 2) {
        central::antwort(cg, central::kWeiter, 0, kCall);
        cg.antwort.art = central::kKnopf;
        return;
    }
    central::entscheidungAbfragen(cg, 98);
}

// A strong "Profi" seat may answer the human's raise with a remark: the first seat in seat order
// whose dice, hand and level all agree.
void antwortAufErhoehung(int32_t betrag) {
    const int32_t bb = pk().bigBlind;
    for (int t = 2; t <= anzahl(); ++t) {
        if (!PokerSeatInHand(t)) continue;
        const double u = rnd::uniform();
        if (!((betrag >= 2 * bb && u < 0.1) || (betrag >= 5 * bb && u < 0.2) ||
              (betrag >= 10 * bb && u < 0.3)))
            continue;
        if (situationNeu) situationNeu(t);
        const float p = sitz(t).gewinnChance / 2.55f;
        if (p < (pk().strasse <= 1 ? 68.0f : 60.0f)) continue;
        if (cg.sitzEinstellungen.at(t).staerke != 3) continue;
        const int bonus = p >= 90 ? 10 : p >= 84 ? 5 : p >= 76 ? 0 : p >= 68 ? -4 : -8;
        PokerTableTalk(36, t, std::min(100, 85 + bonus));
        return;
    }
}

// Applies the answer of the seat on turn; false when the seat could not give it.
bool anwenden() {
    const int s = cg.aktSpieler;
    TPokerSitz& z = sitz(s);
    const int code = cg.antwort.wert2;
    const int32_t w1 = cg.antwort.wert1;
    const Lage l = lage(s);
    const Freiheit f = freiheit(l);
    const int32_t zuZahlen = std::max(0, pk().einsatz - z.gesetzt);
    const int32_t c = chips(s);
    // What a seat may not do at all is refused and asked again; a call or raise that costs more
    // than the seat has is paid with what it has, as an all-in.
    const bool ok = code == kFold || (code == kCheck && zuZahlen == 0) || code == kCall ||
                    (code == kRaise && f.kannErhoehen && w1 > 0) ||
                    (code == kAllIn && f.allInErlaubt && c > 0);
    if (!ok) return false;
    ki::aktionMerken(s, code, w1);
    int32_t zahlen = 0;
    auto allIn = [&] {
        z.aktion = 2;
        z.allIn = 1;
        pk().allInGeschehen = 1;
        sagen(s, "All In");
    };
    switch (code) {
        case kFold:
            z.aktion = 7;
            z.zustand = 2;
            sagen(s, "Ich passe");
            break;
        case kCheck:
            z.aktion = 3;
            sagen(s, "Ich halte");
            break;
        case kRaise: {
            z.letzterBetrag = w1;
            z.aktion = pk().gesetztFlag ? 4 : 5;
            pk().gesetztFlag = 1;
            int32_t betrag = std::min(w1, f.maxErhoehung);
            if (betrag < pk().minErhoehung)
                melden("ACHTUNG! Regelverstoss Raise(" + std::to_string(betrag) + ") unter Minimum(" +
                       std::to_string(pk().minErhoehung) + ")");
            pk().erhoehung = betrag;
            pk().minErhoehung = std::max(1, betrag);
            zahlen = zuZahlen + betrag;
            if (zahlen < c) {
                sagen(s, "Ich erhöhe");
                ++pk().erhoehungenHand;
                ++pk().erhoehungenRunde;
                ++z.erhoehungen;
            } else {
                zahlen = c;
                allIn();
            }
            pk().einsatz = std::max(pk().einsatz, z.gesetzt + zahlen);
            pruefen();
            break;
        }
        case kAllIn:
            z.letzterBetrag = w1;
            pk().erhoehung = c;
            zahlen = c;
            pk().einsatz = std::max(pk().einsatz, z.gesetzt + c);
            pruefen();
            allIn();
            break;
        case kCall:
            z.letzterBetrag = w1;
            zahlen = std::min(zuZahlen, c);
            if (zahlen == c && c > 0) {
                allIn();
            } else {
                z.aktion = 1;
                sagen(s, "Ich gehe mit");
            }
            break;
        default:
            break;
    }
    if (zahlen > 0) {
        geld(s, pokerchips::kPot, zahlen);
        pk().pot += zahlen;
        z.gesetzt += zahlen;
        pruefen();
    }
    if (s == 1 && code == kRaise) antwortAufErhoehung(w1);
    return true;
}

void antwortVerarbeiten() {
    if (!anwenden()) {
        ++abgelehnt;
        central::entscheidungAbfragen(cg, 98);
        return;
    }
    unterZustand() = rundeFertig() ? 8 : 4;
}

void handUebergeben() {
    TGameResult r;
    for (int s = 1; s <= anzahl(); ++s) r.at(s) = sitz(s).gewinn - sitz(s).gesetzt;
    int sieger = 0;
    for (int s = 1; s <= anzahl(); ++s)
        if (sitz(s).gewinnt && sieger == 0) sieger = s;
    r.spieler = sieger;
    std::string t;
    announcePotWinners(t);
    r.text1 = t;
    spielliste::punkteTabelle(cg, r, false);
}

// Sub-state 8: set-up of the rounds, the board, the showdown and the payout.
void zwischenRunden() {
    int32_t& st = schritt();
    if (st < 9) {
        const int32_t vorher = st;
        ++st;
        if (vorher != 0) rundeBegonnen() = 0;
        if ((st == 3 || st == 5 || st == 7) && nichtAllIn() < 2) ++st;
        if (PokerCountSeatsInHand() < 2) {
            st = 9;
            cg.ablauf.leerlauf = 0;
        }
    }
    switch (st) {
        case 1:
            if (!rundeBegonnen()) {
                pk().strasse = 1;
                pk().rundeOffen = 1;
                pk().gesetztFlag = 1;
                pk().erhoehungenRunde = 0;
                pk().limitStufe = pk().preflopStufe;
                pk().maxErhoehung = 1000000;
                pk().minErhoehung = pk().bigBlind;
                rundeBegonnen() = 1;
                st = 0;
                return;
            }
            for (int s = 1; s <= anzahl(); ++s) {
                TPokerSitz& z = sitz(s);
                if (!z.smallBlind && !z.bigBlind) z.gesetzt = 0;
                z.allIn = (s == pk().bbSitz || s == pk().sbSitz) && z.zustand == 1 && chips(s) == 0 ? 1 : 0;
                z.aktion = 11;
                z.blase.assign("");
                z.gewinnt = 0;
                z.gewinn = 0;
                z.erhoehungen = 0;
            }
            for (int s = 1; s <= anzahl(); ++s) {
                TPokerSitz& z = sitz(s);
                if (z.smallBlind || z.bigBlind) z.aktion = 0;
            }
            unterZustand() = 4;
            return;
        case 2:
            pk().strasse = 2;
            pk().rundeOffen = 0;
            boardKarten(3, 1);
            return;
        case 3:
            wettrundeBeginnen(3, false);
            return;
        case 4:
            pk().strasse = 4;
            pk().rundeOffen = 0;
            boardKarten(1, 4);
            return;
        case 5:
            wettrundeBeginnen(5, true);
            return;
        case 6:
            pk().strasse = 6;
            pk().rundeOffen = 0;
            boardKarten(1, 5);
            return;
        case 7:
            wettrundeBeginnen(7, true);
            return;
        case 8:
            for (int s = 2; s <= anzahl(); ++s) {
                if (!PokerSeatInHand(s)) continue;
                sitz(s).aktion = 10;
                // the cards are laid open where the table shows them
                if (PokerCountSeatsInHand() > 1 && !automatik) {
                    Pos6 p;
                    glu::openhandposition(s, p);
                    glu::movestack(p, s, 200.0f);
                }
            }
            st = 9;
            cg.ablauf.leerlauf = 0;
            return;
        case 9: {
            for (int s = 1; s <= anzahl(); ++s)
                if (stapel(s).gleiten.active) return;
            markBestHands();
            for (int s = 1; s <= anzahl(); ++s)
                if (PokerSeatInHand(s)) sitz(s).aktion = 8;
            pk().tischZaehler = 0;
            st = 10;
            splitPot();
            ki::potVerteilt();
            pk().showdownKommentar = PokerShowdownComment() ? 1 : 0;
            return;
        }
        case 10:
        case 11:
            if (PokerCountSeatsInHand() > 1 && !pk().showdownKommentar) sitz(1).blase.assign("leer");
            ++st;
            return;
        case 12:
            ++st;
            return;
        case 13: {
            if (!pokerchips::potCanPayShares()) {
                pokerchips::breakPotChip();
                return;
            }
            updateAggression();
            for (int s = 1; s <= anzahl(); ++s)
                if (PokerSeatInHand(s) && sitz(s).gewinnt && sitz(s).gewinn > 0)
                    geld(pokerchips::kPot, s, sitz(s).gewinn);
            st = 99;
            unterZustand() = 6;
            return;
        }
        default:
            return;
    }
}

void positionen() {
    pk().einsatz = pk().bigBlind;
    pruefen();
    const int alt[3] = {pk().sbSitz, pk().dealer, pk().bbSitz};
    cg.aktSpieler = pk().sbSitz >= 1 && pk().sbSitz <= anzahl() ? pk().sbSitz : anzahl();
    pk().sbSitz = nextSeat(1, false, true);
    cg.aktSpieler = pk().sbSitz;
    pk().dealer = previousSeat(1, false, true);
    pk().bbSitz = nextSeat(1, false, true);
    cg.aktSpieler = pk().bbSitz;
    pk().ersterNachBB = nextSeat(1, false, true);
    // The markers: 0 small blind, 1 dealer button, 2 big blind. A move takes the top marker of
    // its stack, and the bank stacks them as 0, 2, 1 from the bottom: queued in the order small
    // blind, big blind, button they leave it top first (the queue runs last in, first out).
    const int neu[3] = {pk().sbSitz, pk().dealer, pk().bbSitz};
    const bool vonBank = pokerchips::seat(pokerchips::kBank).stacks[pokerchips::kMarke].count >= 3;
    for (int code : {0, 2, 1}) {
        const int von = vonBank ? pokerchips::kBank : alt[code];
        if (von >= 1 && von != neu[code])
            chipanim::queueChipMove(von, neu[code], pokerchips::kMarkenWert, true, 0, 0);
    }
    schritt() = -2;
}

void blinds() {
    pk().pot = 0;
    const int bb = pk().bbSitz, sb = pk().sbSitz;
    const int32_t b = std::min(pk().bigBlind, chips(bb));
    sitz(bb).gesetzt = b;
    geld(bb, pokerchips::kPot, b);
    pk().pot += b;
    const int32_t k = std::min(pk().bigBlind / 2, chips(sb));
    sitz(sb).gesetzt = k;
    geld(sb, pokerchips::kPot, k);
    pk().pot += k;
    sitz(sb).smallBlind = 1;
    sitz(bb).bigBlind = 1;
    schritt() = 0;
}

void karten() {
    // With the fast deal every seat gets its cards in one tick; the talon gives up its cards only
    // as they land, so each seat's deal skips the cards already on their way.
    const bool schnell = cg.ablaufEinstellung == 1;
    int unterwegs = 0, k = 0;
    do {
        cg.aktSpieler = weiterGeben(cg.aktSpieler);
        ++schritt();
        const int s = cg.aktSpieler;
        if (PokerSeatInGame(s)) {
            const int m = stapel(kTalon).anz;
            glu::dealcards(s, 2, unterwegs, 0, kTalon, schnell ? 0.25f * static_cast<float>(k++) : 0.0f);
            central::bewegungAbwarten(cg, kTalon, m - unterwegs - 1);
            unterwegs += 2;
        }
    } while (schnell && schritt() < anzahl());
    if (schritt() >= anzahl()) {
        cg.phase.nr = 4;
        unterZustand() = 8;
        schritt() = 0;
    }
}

}  // namespace

TPokerSitz& sitz(int s) { return pk().sitz.at(num::clamp(s, 1, kSitze)); }
int anzahl() { return num::clamp<int>(cg.ablauf.anzSpieler, 1, kSitze); }
int variante() { return pk().splitLimit ? kSplitLimit : pk().potLimit ? kPotLimit : kNoLimit; }
int32_t chips(int s) { return pokerchips::seatChipTotal(s); }

bool PokerSeatInGame(int s) { return s >= 1 && s <= anzahl() && sitz(s).zustand != 0; }
bool PokerSeatInHand(int s) { return s >= 1 && s <= anzahl() && sitz(s).zustand == 1; }
int PokerCountSeatsInGame() {
    int n = 0;
    for (int s = 1; s <= anzahl(); ++s) n += PokerSeatInGame(s);
    return n;
}
int PokerCountSeatsInHand() {
    int n = 0;
    for (int s = 1; s <= anzahl(); ++s) n += PokerSeatInHand(s);
    return n;
}
int PokerCountAllInSeats() {
    int n = 0;
    for (int s = 1; s <= anzahl(); ++s) n += PokerSeatInHand(s) && sitz(s).allIn;
    return n;
}
int PokerCountOthersWithRaises(int s) {
    int n = 0;
    for (int t = 1; t <= anzahl(); ++t) n += t != s && PokerSeatInHand(t) && sitz(t).erhoehungen > 0;
    return n;
}
bool PokerOthersAllIn(int s) {
    for (int t = 1; t <= anzahl(); ++t)
        if (t != s && PokerSeatInHand(t) && !sitz(t).allIn) return false;
    return true;
}
int PokerDealerSeat() { return pk().dealer; }
int32_t PokerStartCash() { return pk().startGeld; }

namespace {
int schreiten(int steps, bool inHandOnly, bool strict, int richtung, bool naechster) {
    const int n = anzahl();
    bool alleAllIn = true;
    for (int t = 1; t <= n; ++t)
        if (PokerSeatInHand(t) && !sitz(t).allIn) alleAllIn = false;
    auto angenommen = [&](int t) {
        if (!strict && cg.phase.nr != 4) return true;
        if (!inHandOnly) return sitz(t).zustand != 0;
        if (sitz(t).zustand != 1) return false;
        return !naechster || !sitz(t).allIn || alleAllIn;
    };
    int s = num::clamp<int>(cg.aktSpieler, 1, n);
    for (int k = 0; k < steps; ++k) {
        int t = s;
        for (int versuch = 0; versuch < n; ++versuch) {
            t += richtung;
            if (t > n) t = 1;
            if (t < 1) t = n;
            if (angenommen(t)) break;
        }
        s = t;
    }
    return s;
}
}  // namespace

int nextSeat(int steps, bool inHandOnly, bool strict) {
    return schreiten(steps, inHandOnly, strict, 1, true);
}
int previousSeat(int steps, bool inHandOnly, bool strict) {
    return schreiten(steps, inHandOnly, strict, -1, false);
}

Lage lage(int s) {
    Lage l;
    l.variante = variante();
    l.chips = chips(s);
    l.gesetzt = sitz(s).gesetzt;
    l.einsatz = pk().einsatz;
    l.minErhoehung = pk().minErhoehung;
    l.limitStufe = pk().limitStufe;
    l.pot = pk().pot;
    l.erhoehungenRunde = pk().erhoehungenRunde;
    l.preflop = pk().strasse <= 1;
    l.allIn = sitz(s).allIn != 0;
    return l;
}

void pokerStep(TCG&) {
    PokerTrace("abc[" + std::to_string(cg.ablauf.schrittZaehler) + "]");
    switch (cg.phase.nr) {
        case 0:
            cg.phase.nr = 1;
            schritt() = -1;
            if (haende() == 0) {
                cg.phase.nr = 2;
                schritt() = 0;
            }
            cg.ablauf.leerlauf = 0;
            pk().erhoehungenHand = 0;
            pk().erhoehungenRunde = 0;
            pk().allInGeschehen = 0;
            ki::neueHand();
            for (int s = 1; s <= kSitze; ++s) {
                TPokerSitz& z = sitz(s);
                z.gesetzt = 0;
                z.allIn = 0;
                z.aktion = 11;
                z.blase.assign("");
                z.gewinnt = 0;
                z.gewinn = 0;
                z.smallBlind = z.bigBlind = 0;
                z.erhoehungen = 0;
                std::memset(z.besteHand, 0, sizeof z.besteHand);
            }
            break;
        case 2: {
            const bool schnell = cg.ablaufEinstellung == 1;
            do {
                cg.aktSpieler = weiterGeben(cg.aktSpieler);
                ++schritt();
                if (PokerSeatInGame(cg.aktSpieler)) geld(pokerchips::kBank, cg.aktSpieler, pk().startGeld);
            } while (schnell && schritt() < anzahl());
            if (schritt() >= anzahl()) {
                pk().rundeOffen = 2;
                cg.phase.nr = 1;
                schritt() = -1;
            }
            break;
        }
        case 1:
            if (schritt() == -1)
                positionen();
            else if (schritt() == -2)
                blinds();
            else
                karten();
            break;
        case 4:
            // chips that have left a stack are taken out before anything counts them
            pokerchips::abgangEntfernen();
            if (cg.aktSpieler >= 1 && sitz(cg.aktSpieler).gesetzt < 0)
                melden("ACHTUNG! Fehler: Negative SetSum.a bei Spieler " + std::to_string(cg.aktSpieler));
            if (pokerchips::needsChange()) {
                pokerchips::LowTerminateNew();
                PokerTrace(",low");
                break;
            }
            PokerTrace(",no");
            switch (unterZustand()) {
                case 8:
                    zwischenRunden();
                    break;
                case 4:
                    naechsterSitz();
                    break;
                case 3:
                    antwortVerarbeiten();
                    break;
                case 6:
                    if (schritt() == 99) {
                        schritt() = 100;
                        handUebergeben();
                    }
                    break;
                default:
                    break;
            }
            break;
        default:
            break;
    }
    PokerSeatCaptions();
}

void newPokerGame(bool full) {
    chipanim::AnimationHandler.Clear();
    PokerTrace("pknewgame" + std::to_string(PokerCountSeatsInGame()));
    if (full) {
        pk().aggression = 100;
        PokerReadOptions();
    }
    central::neuesSpielAllgemein(cg);
    PokerCardOrder();
    TSpieler& t = stapel(kTalon);
    t.anz = gtool::deck52Fuellen(t, 1);
    for (int s : {1, 2, 3, 4, 5, 6, kBoard}) {
        stapel(s).anz = 0;
        zwilling(s).anz = 0;
    }
    gtool::talonMischen();
    if (full) {
        for (int s = 1; s <= 16; ++s) pokerchips::initChipSeat(s, s != pokerchips::kBank);
    }
    pk().geredet = 0;
    pk().richtung = 1;
    if (full) cg.aktSpieler = anzahl() >= 2 ? static_cast<int>(rnd::random(anzahl() - 1)) + 2 : 1;
    for (int s = 1; s <= kSitze; ++s) {
        TPokerSitz& z = sitz(s);
        if (full) {
            z.zustand = s <= anzahl() ? 1 : 0;
            z.platz = 0;
        }
        if (PokerSeatInGame(s) || (full && s <= anzahl())) {
            z.aktion = 11;
            z.zustand = 1;
            z.blase.assign("");
            z.gewinnt = 0;
            z.gewinn = 0;
            z.smallBlind = z.bigBlind = 0;
            z.erwartung = 0;
            z.gewinnChance = 0;
            z.ausgeschiedenIn = 0;
        }
    }
    if (!full) {
        PokerRemoveBrokeSeats(false);
        PokerTrace("pokraus" + std::to_string(PokerCountSeatsInGame()));
    }
}

}  // namespace holdem
