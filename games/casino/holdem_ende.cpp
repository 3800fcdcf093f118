// Texas Hold'em around the betting: the showdown and the pots, the end of a hand and of the
// match, the texts of the result tables, the seat captions, the options and the aggression
// measure.
#include <algorithm>
#include <cstring>

#include "core/blockpruefung.h"
#include "core/central.h"
#include "core/envparam.h"
#include "core/highscore.h"
#include "core/kommentar.h"
#include "core/panel.h"
#include "core/seams.h"
#include "core/spielliste.h"
#include "games/casino/chipanim.h"
#include "games/casino/geldtext.h"
#include "games/casino/holdem.h"
#include "games/casino/holdem_zaehler.h"
#include "games/casino/pokerchips.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"

namespace holdem {

namespace {
TPoker& pk() { return cg.poker; }
std::string spur;
}  // namespace

// ---- showdown ----

void seatSevenCards(int s, hand64& cards) {
    leeren(cards);
    cards.besitzer = static_cast<uint8_t>(s);
    const TSpieler& h = glu::spieler[num::clamp(s, 1, kSitze) - 1];
    for (int i = 1; i <= std::min<int>(h.anz, 2); ++i) anhaengen(cards, h.at(i).c);
    const TSpieler& b = glu::spieler[kBoard - 1];
    for (int i = 1; i <= std::min<int>(b.anz, 5); ++i) anhaengen(cards, b.at(i).c);
}

void determineWinners(const bool (&kandidat)[kSitze + 1]) {
    for (int s = 1; s <= kSitze; ++s) {
        sitz(s).gewinnt = 0;
        sitz(s).gewinn = 0;
    }
    HandValue best{};
    bool da = false;
    for (int s = 1; s <= anzahl(); ++s) {
        if (!kandidat[s] || sitz(s).zustand != 1) continue;
        hand64 h;
        seatSevenCards(s, h);
        HandValue v;
        evaluateHand(h, true, v);
        for (int n = 0; n < 7; ++n) {
            bool drin = false;
            if (n < h.anz)
                for (int i = 1; i <= v.bestFive.anz; ++i)
                    drin = drin || gleich(v.bestFive.at(i), h.at(n + 1));
            sitz(s).besteHand[n] = drin ? 1 : 0;
        }
        const int c = da ? compareHandValues(v, best) : 1;
        if (c == 1) {
            best = v;
            da = true;
            for (int t = 1; t <= kSitze; ++t) sitz(t).gewinnt = 0;
            sitz(s).gewinnt = 1;
        } else if (c == 0) {
            sitz(s).gewinnt = 1;
        }
    }
}

void markBestHands() {
    bool alle[kSitze + 1];
    for (bool& b : alle) b = true;
    determineWinners(alle);
}

bool splitPot() {
    PotSitz sitze[kSitze];
    for (int s = 1; s <= kSitze; ++s) {
        PotSitz& p = sitze[s - 1];
        p.zustand = s <= anzahl() ? sitz(s).zustand : 0;
        p.gesetzt = sitz(s).gesetzt;
        if (p.zustand == 1) {
            hand64 h;
            seatSevenCards(s, h);
            evaluateHand(h, false, p.wert);
        }
    }
    PotAnteil a[kSitze];
    holdem::splitPot(sitze, a);
    for (int s = 1; s <= kSitze; ++s) {
        sitz(s).gewinnt = a[s - 1].gewinnt ? 1 : 0;
        sitz(s).potNummer = a[s - 1].potNummer;
        sitz(s).gewinn = a[s - 1].betrag;
    }
    return true;
}

namespace {
std::string name(int s) { return cg.spieler.at(s).name.str(); }
}  // namespace

void announcePotWinners(std::string& t) {
    std::string haupt, neben;
    for (int s = 1; s <= anzahl(); ++s) {
        const TPokerSitz& z = sitz(s);
        if (z.zustand != 1 || !z.gewinnt) continue;
        std::string& liste = z.potNummer <= 1 ? haupt : neben;
        if (!liste.empty()) liste += ", ";
        liste += name(s) + " (" + geldtext::formatMoney(z.gewinn) + ")";
    }
    t.clear();
    if (!haupt.empty()) t = "Pot geht an: " + haupt;
    if (!neben.empty()) t += "\rSidepot: " + neben;
    int raus = 0;
    for (int s = 1; s <= anzahl(); ++s) {
        if (!PokerSeatInGame(s) || chips(s) + (sitz(s).gewinnt ? 0 : 0) >= pk().bigBlind) continue;
        t += (raus == 0 ? ". " : ", ") + name(s);
        ++raus;
    }
    if (raus == 1) t += " ist ausgeschieden.";
    if (raus > 1) t += " sind ausgeschieden.";
}

void PokerPotResultText(std::string& t) { announcePotWinners(t); }

// ---- end of hand and match ----

void PokerRemoveBrokeSeats(bool dryRun) {
    int pleite = 0;
    for (int s = 1; s <= anzahl(); ++s)
        if (PokerSeatInGame(s) && chips(s) < pk().bigBlind) ++pleite;
    const int platz = PokerCountSeatsInGame() + 1 - pleite;
    for (int s = 1; s <= anzahl(); ++s) {
        if (!PokerSeatInGame(s) || chips(s) >= pk().bigBlind) continue;
        sitz(s).platz = platz;
        if (!dryRun) {
            sitz(s).ausgeschiedenIn = cg.spielliste.runden;
            sitz(s).zustand = 0;
        }
    }
}

int PokerCountPlayableSeats() {
    int n = PokerCountSeatsInGame();
    for (int s = 2; s <= anzahl(); ++s)
        if (PokerSeatInGame(s) && chips(s) < pk().bigBlind) --n;
    return n;
}

bool PokerCheckMatchEnd() {
    bool zwei = false;
    for (int s = 1; s <= anzahl(); ++s)
        if (PokerSeatInHand(s) && chips(s) >= 2 * pk().bigBlind) zwei = true;
    pk().bigBlind = nextBigBlind(pk().bigBlind, pk().startGeld, cg.spielliste.runden, pk().intervall, zwei);
    pk().preflopStufe = pk().bigBlind;
    pk().spaeteStufe = pk().splitLimit ? 2 * pk().bigBlind : pk().bigBlind;
    int zahlen = 0;
    for (int s = 1; s <= anzahl(); ++s)
        if (PokerSeatInGame(s) && chips(s) >= pk().bigBlind) ++zahlen;
    bool ende = zahlen <= 1;
    if (!ende && !automatik && chips(1) < pk().bigBlind) ende = true;
    if (zahlen <= 1) {
        if (automatik) PokerRemoveBrokeSeats(false);
        for (int s = 1; s <= anzahl(); ++s) {
            const int p = sitz(s).platz;
            if (p == 3) PokerCounter.AddPoints(s, 1);
            if (p == 2) PokerCounter.AddPoints(s, 2);
            if (p <= 1 && PokerSeatInGame(s)) PokerCounter.AddPoints(s, 4);
        }
    }
    return ende;
}

namespace {
bool letztesEnde = false;
}

bool partieEnde() {
    // the result table asks once per hand, after the broke seats were given their places
    letztesEnde = PokerCheckMatchEnd();
    return letztesEnde;
}

bool partieVorbei() { return letztesEnde; }

int PokerMinOpponentLevel() {
    int m = 3;
    for (int s = 2; s <= anzahl(); ++s) m = std::min<int>(m, cg.sitzEinstellungen.at(s).staerke);
    return std::max(m, 1);
}

void PokerLimitText(std::string& t) {
    // the totals after "von" are not known to the game: the text names what was reached
    int32_t best = 0;
    for (int s = 0; s < 6; ++s) best = std::max(best, PokerCounter.points[s]);
    t = text::fromInt(cg.spielliste.runden) + " Runden gespielt, " + text::fromInt(best) +
        " max. Punkten erreicht";
}

void PokerEnterHighscore(std::string& t) {
    t.clear();
    if (anzahl() != 6) return;
    const int32_t score = cg.spielliste.summe[1];
    if (score < 1) return;
    t = highscore::eintragenText(cg.highscore, 8, variante() + 1, score,
                                 cg.spieler.at(1).name.str().substr(0, 100));
}

// ---- table talk ----

bool PokerTableTalk(int event, int s, int erregung) {
    struct Z {
        int event, art, a, b;
    };
    static const Z tabelle[] = {{1, 0, 2, 1},    {2, 0, 3, 2},    {3, 0, 3, 3},
                                {11, 0, -1, -2}, {12, 0, -2, -3}, {13, 0, -3, -3},
                                {36, 3, 36, 36}, {37, 3, 38, 38}, {38, 3, 37, 37}};
    if (automatik) return false;  // the unattended run plays without comments
    for (const Z& z : tabelle) {
        if (z.event != event) continue;
        if (event >= 36) {
            // once per hand
            if (pk().geredet) return false;
            pk().geredet = 1;
        }
        return central::kommentar(s, z.art, z.b, z.a, erregung);
    }
    return false;
}

bool PokerShowdownComment() {
    const int32_t bb = pk().bigBlind, start = pk().startGeld;
    int sieger = 0, anzahlSieger = 0, verlierer = 0;
    int32_t w = 0, l = 0;
    for (int s = 1; s <= anzahl(); ++s) {
        if (!PokerSeatInHand(s)) continue;
        const TPokerSitz& z = sitz(s);
        if (z.gewinn > 0 && z.potNummer == 1) {
            ++anzahlSieger;
            if (z.gewinn >= w) w = z.gewinn, sieger = s;
        }
        if (z.gewinn == 0 && z.gesetzt >= l) l = z.gesetzt, verlierer = s;
    }
    bool gesagt = false;
    const bool allein = PokerCountSeatsInHand() == 1;
    if (anzahlSieger == 1 && w >= 3 * bb && (!allein || rnd::uniform() >= 0.5)) {
        const float p = sitz(sieger).gewinnChance / 2.55f;
        int bonus = p < 40 ? 10 : p < 50 ? 5 : p < 62 ? 0 : p < 75 ? -3 : p < 100 ? -6 : 0;
        if (allein) bonus = -20;
        const int32_t t = chips(sieger) + sitz(sieger).gesetzt;
        if (w >= 3 * t || w >= 2 * start || w >= 30 * bb)
            gesagt = PokerTableTalk(3, sieger, std::min(100, 92 + bonus));
        else if (w >= 2 * t || w >= start)
            gesagt = PokerTableTalk(2, sieger, std::min(100, 88 + bonus));
        else if (w >= t || 2 * w >= start || w >= 10 * bb)
            gesagt = PokerTableTalk(1, sieger, std::min(100, 85 + bonus));
    }
    if (verlierer != 0 && l >= 2 * bb && sitz(verlierer).erwartung >= 2.0f * static_cast<float>(bb)) {
        const float p = sitz(verlierer).gewinnChance / 2.55f;
        const int bonus = p >= 75 ? 10 : p >= 60 ? 5 : p >= 45 ? 0 : p >= 30 ? -4 : -8;
        const int32_t t = chips(verlierer) + l;
        bool v = false;
        if (l >= t || l >= start || l >= 20 * bb)
            v = PokerTableTalk(13, verlierer, std::min(100, 95 + bonus));
        else if (2 * l >= t || 2 * l >= start || l >= 12 * bb)
            v = PokerTableTalk(12, verlierer, std::min(100, 92 + bonus));
        else if (4 * l >= t || 4 * l >= start || l >= 6 * bb)
            v = PokerTableTalk(11, verlierer, std::min(100, 88 + bonus));
        gesagt = gesagt || v;
    }
    return gesagt;
}

// ---- aggression and trace ----

void updateAggression() {
    int32_t eintrag = 0;
    const int32_t bb = pk().bigBlind;
    if (PokerCountSeatsInHand() == 1 && PokerSeatInHand(1)) {
        if (pk().pot >= 5 * bb || pk().pot >= pk().startGeld) eintrag = 100;
    } else if (PokerSeatInHand(1) && sitz(1).allIn) {
        eintrag = 100;
    }
    int32_t* v = pk().aggressionVerlauf;
    std::memmove(v + 1, v, 30 * sizeof(int32_t));
    v[0] = eintrag;
    const int n = std::min(30, cg.spielliste.runden + 1);
    const double faktor = n < 7 ? 1.0 : n < 12 ? 1.2 : n < 18 ? 1.4 : n < 24 ? 1.6 : 1.8;
    const int spieler = anzahl();
    double summe = 0;
    for (int i = 0; i < n; ++i) {
        const double e = v[i];
        if (i <= 3)
            summe += e / 50 * faktor;
        else if (i <= 6)
            summe += e / 75 * faktor;
        else if (i > 2 * spieler + 10)
            summe += e / 300;
        else if (i > spieler + 5)
            summe += e / 150;
        else
            summe += e / 100;
    }
    const int m = std::min(n, 20);
    pk().aggression = m >= 2 ? static_cast<int32_t>(num::round(100.0 * spieler * summe / m)) : 180;
}

void PokerTrace(const std::string& tag) {
    spur += tag + ",";
    if (spur.size() > 100) spur.erase(0, spur.size() - 100);
}
const std::string& pokerTrace() { return spur; }

// ---- wording, speed and captions ----

bool PokerGermanTerms() { return pk().deutsch != 0; }
float PokerSpeedFactor() { return pk().tempo == 3 ? 2.8f : pk().tempo == 2 ? 1.7f : 1.0f; }
bool PokerSpeedUpActive() { return cg.spielId == 8 && !PokerSeatInHand(1); }

bool PokerRevealSeatCards(int s) {
    if (s == 1 || !PokerSeatInHand(s)) return false;
    // from the showdown on, and while the result of the hand is shown
    return (cg.phase.nr == 4 && cg.antwort.warten == 8 && cg.phase.schritt >= 9) ||
           (cg.phase.nr == 4 && cg.antwort.warten == 6) || cg.phase.nr == 5;
}
bool PokerRevealAtShowdown(int s) { return PokerRevealSeatCards(s) && PokerCountSeatsInHand() >= 2; }

void (*panelTexte)(const std::string& pot, const std::string& einsatz) = nullptr;

std::string PokerPotText() { return "Pot: " + geldtext::formatMoney(pk().pot); }
std::string PokerBetText() { return "Einsatz: " + geldtext::formatMoney(pk().einsatz); }

void PokerSeatCaptions() {
    if (panelTexte) panelTexte(PokerPotText(), PokerBetText());
    const bool de = PokerGermanTerms();
    for (int s = 1; s <= anzahl(); ++s) {
        TPokerSitz& z = sitz(s);
        if (z.zustand != 1 && z.zustand != 2) continue;
        std::string t;
        auto label = [&](int code) { geldtext::actionLabel(code, t, de, false, false); };
        if (z.zustand == 1 && PokerCountSeatsInHand() == 1) {
            z.aktion = 9;
            t = "Gewinnt";
        } else {
            switch (z.aktion) {
                case 0:
                    if (chips(s) == 0) z.aktion = 2;
                    break;
                case 2:
                    label(9);
                    break;
                case 1:
                    label(6);
                    break;
                case 3:
                    label(7);
                    break;
                case 7:
                    if (z.blase.size() > 0 && z.blase.str() != "leer") label(8);
                    break;
                case 4:
                    label(5), t += " ";
                    break;
                case 5:
                    label(10), t += " ";
                    break;
                case 8: {
                    if (s == 1 || PokerRevealAtShowdown(s)) {
                        hand64 h;
                        seatSevenCards(s, h);
                        HandValue v;
                        evaluateHand(h, false, v);
                        handName(v, t);
                    }
                    if (chips(s) < pk().bigBlind && !z.gewinnt) t = "Ausgeschieden";
                    break;
                }
                default:
                    break;
            }
            if ((z.aktion == 4 || z.aktion == 5) && !t.empty() && z.gesetzt > 0)
                t += geldtext::formatMoney(z.letzterBetrag);
        }
        z.vorigerTitel = z.titel;
        z.titel.assign(t);
        // the table shows the caption beside the seat unless the seat is speaking
        if (cg.sprechblasen.zustand[s] != 3) panel::text(s, t);
    }
}

// ---- options ----

void PokerReadOptions() {
    if (optionenLesen) optionenLesen(optionen);
    const Optionen& o = optionen;
    pk().gelesen = 1;
    cg.ablauf.anzSpieler = num::clamp(o.spieler + 1, 2, 6);
    if (central::dienste.spielerAnzahlSetzen) central::dienste.spielerAnzahlSetzen(cg.ablauf.anzSpieler);
    pk().waehrung = num::clamp(o.waehrung, 1, 3);
    pk().startGeld = o.startGeld == 1 ? 100 : o.startGeld == 2 ? 200 : 500;
    pk().bigBlindStart = o.blinds == 1 ? 2 : o.blinds == 2 ? 4 : 10;
    static const int32_t intervalle[] = {100000, 7, 10, 15, 20, 25};
    pk().intervall = o.intervall >= 1 && o.intervall <= 6 ? intervalle[o.intervall - 1] : 30;
    pk().bigBlind = pk().bigBlindStart;
    pk().minErhoehung = pk().bigBlind;
    pk().preflopStufe = pk().bigBlind;
    pk().spaeteStufe = pk().splitLimit ? 2 * pk().bigBlind : pk().bigBlind;
    pk().handNameOption = o.abkuerzungen ? 2 : 3;
    pk().tempo = num::clamp(o.tempo, 1, 3);
    pk().deutsch = o.englisch ? 0 : 1;
    pk().optionByte = 0;
}

bool PokerPreset(const bool (&boxen)[3], Vorwahl& v) {
    int wahl = 0;
    for (int i = 0; i < 3; ++i)
        if (boxen[i]) wahl = i + 1;
    if (wahl == 0) return false;
    // currency, blinds, variant, interval
    static const int werte[3][4] = {{2, 1, 3, 3}, {1, 1, 2, 3}, {3, 2, 1, 3}};
    const int* w = werte[wahl - 1];
    v = Vorwahl{5, 2, w[0], w[1], w[2], w[3]};
    return true;
}

bool PokerMatchesFirstPreset() {
    return !pk().splitLimit && !pk().potLimit && cg.ablauf.anzSpieler == 6 && pk().waehrung == 2 &&
           pk().intervall == 10 && pk().bigBlindStart == 2 && pk().startGeld == 200;
}

namespace {

// Money texts in a currency the options page shows, also while another game is running.
template <class F>
std::array<std::string, 3> inWaehrung(int waehrung, F text) {
    pk().waehrung = num::clamp(waehrung, 1, 3);
    const uint8_t spiel = cg.spielId;
    cg.spielId = 8;
    std::array<std::string, 3> t;
    for (int i = 0; i < 3; ++i) t[static_cast<size_t>(i)] = text(i);
    cg.spielId = spiel;
    return t;
}

}  // namespace

std::array<std::string, 3> PokerStartCashTexts(int waehrung) {
    static const int betrag[3] = {100, 200, 500};
    return inWaehrung(waehrung, [](int i) { return geldtext::formatMoney(betrag[i]); });
}

std::array<std::string, 3> PokerBlindsTexts(int waehrung) {
    static const int gross[3] = {2, 4, 10};
    return inWaehrung(waehrung, [](int i) {
        return geldtext::formatMoney(gross[i]) + " (B), " + geldtext::formatMoney(gross[i] / 2) + " (S)";
    });
}

std::string PokerAbbreviationCaption(bool deutsch) {
    return text::w(deutsch ? "Abkürzungen verwenden (z.B. \"Paar K\" statt \"Paar König\")"
                           : "Abkürzungen verwenden (z.B. \"Paar K\" statt \"Pair King\")");
}

// ---- the game core's questions ----

bool handVorbei(const TCG& g) { return g.spielId == 8 && g.phase.nr == 5; }

int64_t tischGeld() {
    int64_t summe = 0;
    for (int s = 1; s <= 16; ++s)
        if (s != pokerchips::kBank) summe += pokerchips::seatChipTotal(s);
    return summe;
}

bool chipsInRuhe() {
    if (chipanim::AnimationHandler.anfragen() != 0 || chipanim::AnimationHandler.fluege() != 0) return false;
    for (int s = 1; s <= pokerchips::kSitze; ++s)
        if (pokerchips::seat(s).removal > 0) return false;
    return true;
}

std::string blockPruefen(const TCG& g) {
    blockpruefung::Befund b;
    blockpruefung::gemeinsam(b, g, {2, 6, 5, 6, 13});
    const TPoker& p = g.poker;
    b.zahl(p.sbSitz, 0, 6, "Small Blind");
    b.zahl(p.bbSitz, 0, 6, "Big Blind");
    b.zahl(p.dealer, 0, 6, "Dealer");
    b.zahl(p.ersterNachBB, 0, 6, "erster Spieler");
    b.zahl(p.strasse, 0, 7, "Setzrunde");
    b.zahl(p.pot, 0, INT32_MAX, "Pot");
    b.zahl(p.einsatz, 0, INT32_MAX, "Einsatz");
    b.zahl(p.bigBlind, 0, INT32_MAX, "Big Blind");
    for (int s = 1; s <= 6; ++s) {
        const TPokerSitz& x = p.sitz.at(s);
        b.zahl(x.zustand, 0, 2, "Zustand von Spieler " + text::fromInt(s));
        b.zahl(x.gesetzt, 0, INT32_MAX, "Einsatz von Spieler " + text::fromInt(s));
    }
    return b.text();
}

void PokerRestoreView() {
    // Cards still flying belong to the game the load replaced.
    glu::bewegungenVerwerfen();
    if (optionenSchreiben) optionenSchreiben();
    chipanim::AnimationHandler.Clear();
    central::tischWiederherstellen(cg);
    for (int s = 1; s <= 20; ++s) {
        glu::spielerZwilling[s - 1].pos = glu::spieler[s - 1].pos;
    }
    PokerCardOrder();
    pokerchips::RestoreChipCounts(pokerchips::geladen);
}

}  // namespace holdem
