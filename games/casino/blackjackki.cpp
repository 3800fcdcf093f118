#include "games/casino/blackjackki.h"

#include <cstdio>
#include <string>

#include "core/central.h"
#include "core/cg.h"
#include "core/gtool.h"
#include "games/casino/bjregeln.h"
#include "games/casino/blackjack.h"
#include "games/casino/chipanim.h"
#include "games/casino/pokerchips.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"

namespace blackjackki {

void (*kommentieren)(int event, int seat, int code, int erregung) = nullptr;

namespace {

TBlackjackKI& ki() { return cg.blackjack.ki; }

const char* kStilName[3] = {"strictly", "randomly", "increasingly"};

void log(const std::string& zeile) { chipanim::log(zeile.c_str()); }

int akt() { return num::clamp<int>(cg.aktSpieler, 1, 6); }
int staerke(int s) { return cg.sitzEinstellungen.at(s).staerke; }

int karten(int s, karte* k) {
    const TSpieler& st = glu::spieler[s - 1];
    const int n = num::clamp<int>(st.anz, 0, 20);
    for (int i = 1; i <= n; ++i) k[i - 1] = st.at(i).c;
    return n;
}

// Points of the dealer's first card, the As 11.
int dealerOffen() {
    const int d = cg.blackjack.dealer;
    if (d < 1 || d > 6 || glu::spieler[d - 1].anz < 1) return 10;
    return bjregeln::kartenWert(glu::spieler[d - 1].at(1).c.t, false, blackjack::kurz());
}

void antworten(int code) { central::antwort(cg, central::kKnopf, 0, code); }

}  // namespace

int32_t laufenderZaehler() { return ki().laufend; }

void bjKIInitDeck(int talon) {
    log("### bjKIInitDeck ###");
    TBlackjackKI& k = ki();
    k = TBlackjackKI{};
    k.talonBeimMischen = talon;
    k.index = 1;
    for (int s = 1; s <= blackjack::anzahl(); ++s) {
        const int r = rnd::random(100);
        k.stil[s - 1] = static_cast<uint8_t>(r > 80 ? 1 : (r > 50 ? 2 : 0));
        log("Player: " + std::to_string(s) + " bets now " + kStilName[k.stil[s - 1]]);
    }
}

int bjKICardCountValue(int t) { return bjregeln::zaehlWert(t); }

void bjKICountCard(int reason, bool faceUp, const karte& c, int) {
    if (reason == -1 || reason == 2 || !faceUp) return;
    TBlackjackKI& k = ki();
    k.laufend += bjKICardCountValue(c.t);
    k.gesehenAnz += 1;
    // More cards than the list holds are counted but not remembered one by one.
    if (k.index >= kBjGesehenMax) return;
    k.index += 1;
    k.gesehenT[k.index - 1] = c.t;
    k.gesehenF[k.index - 1] = c.f;
}

int32_t einsatz() {
    const int s = akt();
    const auto& r = cg.blackjack.regeln;
    int32_t b = r.minEinsatz;
    const int32_t laufend = ki().laufend;
    switch (ki().stil[s - 1]) {
        case 0:
            b = laufend >= 1 ? r.minEinsatz * laufend : r.minEinsatz;
            break;
        case 2: {
            const int32_t extra = rnd::random(2) >= 1 ? 2 * cg.spielliste.runden : 0;
            b = (laufend > 0 ? r.minEinsatz * laufend : r.minEinsatz) + extra;
            break;
        }
        default: {
            const int spanne = r.maxEinsatz - r.minEinsatz;
            b = ((spanne > 0 ? rnd::random(spanne) : 0) + r.minEinsatz) / 2 * 2;
            break;
        }
    }
    b = blackjack::BlackJackClampBet(b);
    log("Player : " + std::to_string(s) + " bets " + std::to_string(b) +
        ". DeckCount was: " + std::to_string(ki().laufend));
    return b;
}

bool verdoppeln() {
    const int s = akt();
    if (staerke(s) <= 1) return rnd::random(2) == 0;
    const int up = dealerOffen();
    const int normal = blackjack::handWert(s, -1), low = blackjack::handWert(s, 1);
    bool ja = false;
    if (normal == low) {
        ja = (normal == 9 && up <= 6) || (normal == 10 && up <= 9) || (normal == 11 && up <= 11);
    } else {
        // A soft two-card hand doubles by its other card against a weak dealer card.
        karte k[20];
        const int n = karten(s, k);
        if (n == 2) {
            const karte andere = k[0].t == 8 ? k[1] : k[0];
            const int v = bjregeln::kartenWert(andere.t, true, false);
            constexpr int ab[8] = {0, 0, 4, 4, 4, 4, 2, 3};
            if (v >= 2 && v <= 7) ja = up >= ab[v] && up <= 6;
        }
    }
    if (ja)
        log("Player " + std::to_string(s) + " doubles his bet! Points " + std::to_string(normal) + "/" +
            std::to_string(low));
    return ja;
}

bool ziehenAnfaenger() {
    const int s = akt();
    const int normal = blackjack::handWert(s, -1), low = blackjack::handWert(s, 1);
    if (normal >= 16 && low >= 16) return false;
    return rnd::random(2) == 0;
}

bool ziehenTabelle() {
    constexpr int hart[12] = {0, 0, 13, 13, 12, 12, 12, 17, 17, 17, 17, 17};
    constexpr int weich[12] = {0, 0, 18, 18, 18, 18, 18, 18, 18, 19, 19, 18};
    const int s = akt();
    const int up = num::clamp(dealerOffen(), 2, 11);
    const int normal = blackjack::handWert(s, -1), low = blackjack::handWert(s, 1);
    if (normal == low) return low < hart[up];
    return normal < weich[up];
}

bool ziehen() {
    const int s = akt();
    const int normal = blackjack::handWert(s, -1), low = blackjack::handWert(s, 1);
    const int bisBust = 22 - normal;
    const bool kurz = blackjack::kurz();
    const int decks = num::clamp<int>(cg.blackjack.deckAnzahl, 1, 3);
    karte eigene[20];
    const int n = karten(s, eigene);
    const TBlackjackKI& m = ki();
    int unbekannt = m.talonBeimMischen, bust = 0;
    const int werte = kurz ? 8 : 13;
    for (int t = 1; t <= werte; ++t)
        for (int f = 1; f <= 4; ++f) {
            // every copy of a card in the decks is known once, by a seen card or one in the hand
            int bekannt = 0;
            for (int i = 2; i <= m.index && i <= kBjGesehenMax; ++i)
                bekannt += (m.gesehenT[i - 1] == t && m.gesehenF[i - 1] == f) ? 1 : 0;
            for (int i = 0; i < n; ++i) bekannt += (eigene[i].t == t && eigene[i].f == f) ? 1 : 0;
            bekannt = std::min(bekannt, decks);
            const bool zuViel = bjregeln::kartenWert(t, true, kurz) >= bisBust;
            unbekannt -= bekannt;
            if (zuViel) bust += decks - bekannt;
        }
    const double anteil = unbekannt > 0 ? static_cast<double>(bust) / unbekannt : 1.0;
    log("Player " + std::to_string(s) + " decides whether to draw ...");
    log("Points to bust " + std::to_string(bisBust) + ". Points: " + std::to_string(normal) + "/" +
        std::to_string(low));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", anteil * 100);
    log("Player concludes he would bust with " + std::to_string(bust) + " of " + std::to_string(unbekannt) +
        " cards. That is " + buf + " percent.");
    const bool ja = anteil < 0.6;
    log(ja ? "Player decides to draw a card." : "Player decides to stand.");
    return ja;
}

bool ziehenEntscheiden() {
    const int s = akt();
    const int normal = blackjack::handWert(s, -1), low = blackjack::handWert(s, 1);
    if (normal == 21 || low == 21) {
        if (kommentieren) kommentieren(0, s, 3, 80);
        return false;
    }
    switch (staerke(s)) {
        case 1:
            return ziehenAnfaenger();
        case 2:
            return ziehenTabelle();
        default:
            return ziehen();
    }
}

void kommentar(int s) {
    if (s == cg.blackjack.dealer || s == 1) return;
    const TBlackjackSitz& z = blackjack::sitz(s);
    const int normal = blackjack::handWert(s, -1), low = blackjack::handWert(s, 1);
    const int dealerWert = cg.blackjack.dealerWert;
    int code;
    if (z.ergebnis > 0)
        code = (normal == 21 || low == 21) ? 3 : (normal - dealerWert >= 3 ? 1 : 2);
    else if (z.ergebnis < 0)
        code = (normal == 21 || low == 21) ? -3 : (dealerWert - normal >= 2 ? -1 : -2);
    else
        code = -2;
    if (kommentieren) kommentieren(0, s, code, 80);
}

void kiTick() {
    TBlackjack& b = cg.blackjack;
    if (!b.entscheidungFlag) return;
    const TEntscheidung& e = cg.entscheidung;
    const int s = akt();
    if (staerke(s) == 0) {
        // the yardstick: any legal answer, any legal bet
        if (e.art == 106) {
            const int32_t hoch = blackjack::BlackJackClampBet(b.regeln.maxEinsatz);
            const int32_t tief = b.regeln.minEinsatz;
            b.einsatzVorschlag = hoch > tief ? tief + rnd::random(hoch - tief + 1) : tief;
            antworten(e.code(1));
        } else if (e.knopfAnzahl >= 1) {
            antworten(e.code(1 + rnd::random(num::clamp<int>(e.knopfAnzahl, 1, 8))));
        }
        return;
    }
    if (e.art == 106) {
        b.einsatzVorschlag = einsatz();
        antworten(e.code(1));
        return;
    }
    if (e.art == 107 || e.art == 109) {
        if (e.code(1) == 109 && verdoppeln()) {
            antworten(109);
        } else if (!ziehenEntscheiden()) {
            gtool::sagen(text::w("Schluss"), s, 20, false);
            antworten(37);
        } else {
            antworten(75);
        }
    }
}

}  // namespace blackjackki
