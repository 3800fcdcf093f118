// The computer seats of Texas Hold'em at the table: level 0 answers uniformly among the legal
// answers (the self-play yardstick); levels 1..3 estimate their chance, in slices of half a
// frame when a window is drawn, and press the decision button their rules choose. While a slice
// is pending the seat answers nothing, so the table does not move under the estimate.
#include <algorithm>
#include <utility>
#include <vector>

#include "core/central.h"
#include "games/casino/holdem.h"
#include "games/casino/holdem_ki.h"
#include "games/casino/holdem_zaehler.h"
#include "platform/rnd.h"

namespace holdem {

namespace {

// The smallest and the largest raise listed (both empty when no raise is).
std::pair<const Zug*, const Zug*> erhoehungen(const std::vector<Zug>& zuege) {
    const Zug* tief = nullptr;
    const Zug* hoch = nullptr;
    for (const Zug& e : zuege)
        if (e.code == kRaise) {
            if (!tief) tief = &e;
            hoch = &e;
        }
    return {tief, hoch};
}

Zug zufaelligerZug(const std::vector<Zug>& zuege) {
    const Zug& z = zuege[static_cast<size_t>(rnd::random(static_cast<int32_t>(zuege.size())))];
    if (z.code != kRaise) return z;
    const auto [tief, hoch] = erhoehungen(zuege);
    Zug r = *tief;
    r.betrag = tief->betrag + static_cast<int32_t>(rnd::random(hoch->betrag - tief->betrag + 1));
    return r;
}

const Zug* finde(const std::vector<Zug>& zuege, int code) {
    for (const Zug& z : zuege)
        if (z.code == code) return &z;
    return nullptr;
}

// The answer the flow takes for a decision: a raise within the listed range, else the nearest
// answer the seat may give.
Zug alsZug(const ki::PokerDecision& d, const Lage& l, const std::vector<Zug>& zuege) {
    const int32_t zu = std::max(0, l.einsatz - l.gesetzt);
    const Zug* mit = finde(zuege, zu > 0 ? kCall : kCheck);
    if (!mit) mit = finde(zuege, kCall);
    auto mitgehen = [&]() -> Zug {
        if (mit) return *mit;
        if (const Zug* a = finde(zuege, kAllIn)) return *a;
        return *finde(zuege, kFold);
    };
    switch (d.kind) {
        case ki::kErhoehen: {
            const auto [tief, hoch] = erhoehungen(zuege);
            if (!tief) return mitgehen();
            Zug r = *tief;
            if (d.unit != ki::kOhne && d.amount >= 1) r.betrag = std::clamp(d.amount, tief->betrag, hoch->betrag);
            return r;
        }
        case ki::kAllesRein:
            if (const Zug* a = finde(zuege, kAllIn)) return *a;
            return mitgehen();
        case ki::kPassen:
            if (zu == 0 && mit) return *mit;
            return *finde(zuege, kFold);
        default:
            return mitgehen();
    }
}

// The place of the seat in the order of play: 1 for the seat after the dealer.
int position(int s) {
    const int n = anzahl();
    const int dealer = std::clamp(PokerDealerSeat(), 1, n);
    int p = 0;
    for (int k = 1; k <= n; ++k) {
        const int t = (dealer - 1 + k) % n + 1;
        if (PokerSeatInGame(t)) ++p;
        if (t == s) return std::max(1, p);
    }
    return 1;
}

ki::Tisch tischFuer(int s) {
    const TPoker& p = cg.poker;
    const TPokerSitz& z = sitz(s);
    ki::Tisch t;
    t.seat = s;
    t.level = s == 1 ? 3 : std::clamp<int>(cg.sitzEinstellungen.at(s).staerke, 1, 3);
    t.strasse = p.strasse;
    t.bigBlind = std::max(1, p.bigBlind);
    t.einsatz = p.einsatz;
    t.gesetzt = z.gesetzt;
    t.pot = p.pot;
    t.minErhoehung = p.minErhoehung;
    t.maxErhoehung = maxErhoehung(variante(), p.limitStufe, p.pot);
    t.chips = chips(s);
    t.erhoehungenRunde = p.erhoehungenRunde;
    t.splitLimit = p.splitLimit != 0;
    const Freiheit f = freiheit(lage(s));
    t.allInErlaubt = f.allInErlaubt;
    t.kannErhoehen = f.kannErhoehen;
    t.imSpiel = PokerCountSeatsInHand();
    t.inPartie = PokerCountSeatsInGame();
    t.spieler = anzahl();
    t.position = position(s);
    t.andereErhoeht = PokerCountOthersWithRaises(s);
    int summe = 0, computer = 0;
    for (int o = 1; o <= anzahl(); ++o) {
        if (o != s && PokerSeatInHand(o)) summe += sitz(o).erhoehungen;
        computer += o >= 2 && PokerSeatInHand(o);
    }
    t.andereErhoehungen = summe;
    t.andereAllIn = PokerOthersAllIn(s);
    t.allInSitze = PokerCountAllInSeats();
    t.allInHand = p.allInGeschehen != 0;
    t.ersterBlind = z.smallBlind != 0;
    t.aggressionOffset = ki::aggressionOffset(p.aggression, computer, PokerSeatInHand(1), t.inPartie);
    // the stake at the table: every seat's start cash
    t.tischEinsatz = p.startGeld * anzahl();
    t.teiler = 0;
    t.ablaufZaehler = cg.ablauf.schrittZaehler;
    return t;
}

// The estimate under way and what it was started for.
struct Laufend {
    ki::Schaetzer schaetzer;
    std::vector<uint8_t> schluessel;
    // the last complete estimate, which the store takes when the answer is recorded
    std::vector<uint8_t> fertigFuer;
    ki::Schaetzung fertig;
};
Laufend& laufend() {
    static Laufend l;
    return l;
}

std::vector<uint8_t> schluessel(int s, const hand64& karten) {
    std::vector<uint8_t> k = {static_cast<uint8_t>(s), static_cast<uint8_t>(PokerCountSeatsInHand()),
                              static_cast<uint8_t>(PokerCountSeatsInGame()), cg.poker.strasse,
                              static_cast<uint8_t>(cg.sitzEinstellungen.at(s).staerke)};
    for (int i = 1; i <= karten.anz; ++i) k.push_back(static_cast<uint8_t>(ki::kartenIndex(karten.at(i))));
    return k;
}

// The estimate for the seat, true when it is complete (false: a slice ran, come again).
bool schaetzen(int s, ki::Schaetzung& e) {
    hand64 h;
    seatSevenCards(s, h);
    const int imSpiel = PokerCountSeatsInHand(), inPartie = PokerCountSeatsInGame();
    if (h.anz < 2) return true;
    if (h.anz == 2) {
        hand64 leer{};
        e = ki::schaetzen(h.at(1), h.at(2), leer, imSpiel, inPartie, nullptr);
        return true;
    }
    Laufend& l = laufend();
    const std::vector<uint8_t> k = schluessel(s, h);
    if (k != l.schluessel) {
        std::array<float, 13> g{};
        const bool profi = cg.sitzEinstellungen.at(s).staerke == 3;
        const int runde = std::clamp(cg.poker.strasse / 2 + 1, 2, 4);
        for (int r = 0; r < 13; ++r)
            g[static_cast<size_t>(r)] = PokerCounter.rankFactor(runde, rankToCard(r + 9).t);
        std::vector<uint8_t> board;
        for (int i = 3; i <= h.anz; ++i) board.push_back(static_cast<uint8_t>(ki::kartenIndex(h.at(i))));
        l.schaetzer.start({static_cast<uint8_t>(ki::kartenIndex(h.at(1))),
                           static_cast<uint8_t>(ki::kartenIndex(h.at(2)))},
                          board, imSpiel, inPartie, profi ? &g : nullptr);
        l.schluessel = k;
    }
    const uint32_t budget = ki::bildRate ? ki::zeitBudget(ki::bildRate()) : 0;
    if (!l.schaetzer.weiter(budget)) return false;
    e = l.schaetzer.ergebnis();
    return true;
}

// The label of an answer in the store: -2 fold or check, -1 call, the raise in big blinds, 100
// all-in (and raises of 100 big blinds or more).
int16_t etikett(int code, int32_t betrag) {
    switch (code) {
        case kCall:
            return -1;
        case kRaise:
            return static_cast<int16_t>(std::clamp<int32_t>(betrag / std::max(1, cg.poker.bigBlind), 1, 100));
        case kAllIn:
            return 100;
        default:
            return -2;
    }
}

}  // namespace

namespace ki {

void neueHand() { clusterer().newHand(); }

void aktionMerken(int s, int code, int32_t betrag) {
    Clusterer& c = clusterer();
    if (!c.learn || !(s == 1 || c.mode == 1) || s < 1 || s > anzahl()) return;
    hand64 h;
    seatSevenCards(s, h);
    if (h.anz < 2) return;
    hand64 board{};
    for (int i = 3; i <= h.anz; ++i) board.at(++board.anz) = h.at(i);
    Laufend& l = laufend();
    const Schaetzung e =
        schluessel(s, h) == l.fertigFuer
            ? l.fertig
            : schaetzen(h.at(1), h.at(2), board, PokerCountSeatsInHand(), PokerCountSeatsInGame(), nullptr);
    PokerSituation sit = computeBringSetSums(tischFuer(s), e.erste, e.zweite, programmZufall());
    sit.label = etikett(code, betrag);
    c.addSituation(sit);
}

void potVerteilt() {
    Clusterer& c = clusterer();
    if (!c.learn) return;
    bool geaendert = false;
    for (int s = 1; s <= anzahl(); ++s) {
        if (!PokerSeatInGame(s)) continue;
        if (sitz(s).gewinnt) geaendert |= c.learnFromWinner(s, false);
        else if (c.playing) geaendert |= c.forgetLoser(s);
    }
    geaendert |= c.learnFromWinner(0, true);
    if (geaendert) brainSpeichern();
}

}  // namespace ki

void kiTick() {
    const int s = cg.aktSpieler;
    if (s < 1 || s > anzahl() || cg.antwort.offen != 2) return;
    const Lage l = lage(s);
    const std::vector<Zug> zuege = erlaubteZuege(l);
    if (zuege.empty()) return;
    if (cg.sitzEinstellungen.at(s).staerke == 0) {
        const Zug z = zufaelligerZug(zuege);
        central::antwort(cg, central::kKnopf, z.betrag, z.code);
        return;
    }
    ki::Schaetzung e;
    if (!schaetzen(s, e)) return;
    {
        Laufend& lf = laufend();
        hand64 h;
        seatSevenCards(s, h);
        lf.fertigFuer = schluessel(s, h);
        lf.fertig = e;
        lf.schluessel.clear();
    }
    const ki::Tisch t = tischFuer(s);
    const ki::Zufall zufall = ki::programmZufall();
    ki::PokerDecision d;
    ki::decideAction(t, e, ki::clusterer(), zufall, d);
    // what the seat's caption and the remarks read
    const ki::PokerSituation sit = ki::computeBringSetSums(t, e.erste, e.zweite, zufall);
    sitz(s).erwartung = sit.value;
    sitz(s).gewinnChance = sit.win;
    const Zug z = alsZug(d, l, zuege);
    if (z.code == kRaise && zufall.draw() < 0.2 && t.imSpiel >= 2 && z.betrag >= 2 * t.bigBlind)
        PokerTableTalk(t.imSpiel <= 2 ? 37 : 38, s,
                       std::min(100, 85 + ki::talkBonus(z.betrag / std::max(1, t.bigBlind))));
    central::antwort(cg, central::kKnopf, z.code == kAllIn ? 1 : z.betrag, z.code);
}

}  // namespace holdem
