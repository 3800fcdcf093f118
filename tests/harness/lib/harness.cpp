#include "harness/lib/harness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "core/central.h"
#include "core/envparam.h"
#include "core/skat_1.h"
#include "core/spiele.h"
#include "core/spielstand.h"
#include "platform/msgsink.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "platform/ticks.h"
#include "table/glu.h"
#include "table/k12.h"
#include "table/tischcg.h"
#include "table/tischhooks.h"

namespace harness {

namespace {

// The seat count the shell would hold; read by central::neuesSpiel.
int g_spieler = 4;

TSpieler* st(int spi) { return glu::gueltig(spi) ? glu::stapel(spi, "harness") : nullptr; }

int stKarten(int spi) {
    const TSpieler* s = st(spi);
    return s ? s->anz : 0;
}

karte stKarte(int spi, int slot) {
    const TSpieler* s = st(spi);
    if (!s || slot < 1 || slot > s->anz || slot > kSlots) return karte{};
    return s->at(slot).c;
}

void stEntfernen(int spi, int slot) {
    TSpieler* s = st(spi);
    if (!s) return;
    glu::stapelZuHand(*s);
    skat_1::karteEntfernenBei(s->hand, slot);
    glu::handZuStapel(*s);
}

void stapelNeu() {
    for (int s = 1; s <= kStapel; ++s) {
        glu::spieler[s - 1].id = s;
        glu::spielerZwilling[s - 1].id = s;
    }
    glu::setuptablelayout(1);
    for (TSpieler* reihe : {glu::spieler, glu::spielerZwilling})
        for (int s = 0; s < kStapel; ++s) {
            reihe[s].gleiten.active = 0;
            for (int i = 1; i <= kSlots; ++i) reihe[s].at(i).bewegung.active = 0;
        }
}

void offeneHand(int seat) {
    TSpieler* s = st(seat);
    if (!s) return;
    Pos6 p{};
    glu::openhandposition(seat, p);
    s->pos = p;
    s->aktPos = p;
}

void packen() {
    for (int h = 1; h <= kStapel; ++h) {
        TSpieler& s = glu::spieler[h - 1];
        spielstand::stapelKompakt(cg.stapelListen[h], s.anz, h, [&s](int i) { return s.at(i).c; });
        glu::stapelZuHand(s);
    }
}

void entpacken() {
    for (int h = 1; h <= kStapel; ++h) {
        TSpieler& s = glu::spieler[h - 1];
        s.anz =
            spielstand::stapelEntpacken(cg.stapelListen[h], [&s](int i, const karte& k) { s.at(i).c = k; });
    }
}

void fertig(int fromStack, int, int fromSlot, int, int) {
    central::bewegungFertig(cg, fromStack, 0, fromSlot);
}

central::Dienste tischDienste() {
    central::Dienste d;
    d.spielerAnzahl = [] { return g_spieler; };
    d.spielerAnzahlSetzen = [](int n) { glu::anzSitze = n; };
    d.setuptablelayout = [](int v) { glu::setuptablelayout(static_cast<uint8_t>(v)); };
    d.handOffen = [](int seat) { return glu::ishandopen(seat); };
    d.offeneHandSetzen = offeneHand;
    d.stapelNeu = stapelNeu;
    d.stapelLeeren = [](int s) {
        if (TSpieler* p = st(s)) p->anz = 0;
    };
    d.zuglisteLeeren = [] { glu::zugliste.anz = 0; };
    d.stapelAnzahl = stKarten;
    d.stapelKarte = stKarte;
    d.stapelKarteEntfernen = stEntfernen;
    d.karteLegal = [](int slot) {
        return slot >= 1 && slot <= kSlots && glu::islegalcard(glu::spieler[0].at(slot));
    };
    d.packen = packen;
    d.entpacken = entpacken;
    d.meldZellen = [](bool bewegungLoeschen) {
        k12.zellenAusKarten();
        if (!bewegungLoeschen) return;
        // The 32-bit field at byte 32 of the motion record of every resting card of stack 12.
        static_assert(sizeof(TBewegung) >= 36);
        TSpieler& s = glu::spieler[11];
        for (int i = 1; i <= kSlots; ++i)
            if (!s.at(i).bewegung.active)
                std::memset(reinterpret_cast<uint8_t*>(&s.at(i).bewegung) + 32, 0, 4);
    };
    return d;
}

}  // namespace

struct Lauf::Innen {
    ticks::Manual uhr{100000};
    msgsink::Capture meldungen;
    double msRest = 0;
};

int anzahl(int stapel) { return stKarten(stapel); }

Lauf::Lauf(const Einstellung& e) : e_(e), innen_(std::make_unique<Innen>()) {
    std::memset(static_cast<void*>(&cg), 0, sizeof(TCG));
    glu::reset();
    tischcg::reset();
    tischhooks::reset();
    k12 = Tk12Container{};
    envParam = TEnvParam{};
    envParam.kiVerzoegerung = e.computerDelay;
    rnd::seed(e.seed);
    g_spieler = e.spieler;
    central::dienste = tischDienste();
    central::ids = central::PanelIds{};
    central::spielNamenZuruecksetzen();
}

Lauf::~Lauf() { central::dienste = central::Dienste{}; }

bool Lauf::starten(int weiter) {
    const bool ok = central::neuesSpiel(cg, e_.spielId, weiter);
    if (!ok) fehler("das Spiel " + std::to_string(e_.spielId) + " startet nicht");
    if (e_.menschAlsComputer) cg.stapelListen[1].computer = 1;
    pruefen();
    return ok && !fehlgeschlagen();
}

void Lauf::frame() {
    ++frameNr_;
    // A game that starts its next round itself resets seat 1 to a human.
    if (e_.menschAlsComputer) cg.stapelListen[1].computer = 1;
    glu::drainfinished(fertig);
    central::spielSchritt(cg);
    const int akt = cg.aktSpieler;
    const bool computer = akt >= 1 && akt <= 20 && cg.stapelListen[akt].computer == 1;
    if (antworter && cg.antwort.offen == 2 && !computer) antworter(cg);
    glu::stepanimation(glu::FrameTime{e_.fps});
    innen_->msRest += 1000.0 / e_.fps;
    const double ganz = std::floor(innen_->msRest);
    innen_->msRest -= ganz;
    innen_->uhr.advance(static_cast<uint32_t>(ganz));
    pruefen();
}

void Lauf::frames(int n) {
    for (int i = 0; i < n && !fehlgeschlagen(); ++i) frame();
}

int Lauf::bis(const std::function<bool(const TCG&)>& ende) {
    const int start = frameNr_;
    while (!ende(cg)) {
        if (fehlgeschlagen()) return -1;
        if (frameNr_ - start >= e_.maxFrames) {
            fehler("nach " + std::to_string(e_.maxFrames) + " Frames nicht am Ziel");
            return -1;
        }
        frame();
    }
    return fehlgeschlagen() ? -1 : frameNr_ - start;
}

void Lauf::fehler(const std::string& text) {
    const std::string voll =
        "seed " + std::to_string(e_.seed) + ", frame " + std::to_string(frameNr_) + ": " + text;
    fehler_.push_back(voll);
    ADD_FAILURE() << voll;
}

void Lauf::pruefen() {
    for (const std::string& t : innen_->meldungen.texts()) fehler("Meldung \"" + text::toUtf8(t) + "\"");
    msgsink::clear();
    if (cg.antwort.offen == 2) {
        if (++wartend_ > e_.watchdog) {
            fehler("Entscheidung " + std::to_string(cg.entscheidung.art) + " für Sitz " +
                   std::to_string(cg.aktSpieler) + " seit " + std::to_string(e_.watchdog) +
                   " Frames unbeantwortet");
            wartend_ = 0;
        }
    } else {
        wartend_ = 0;
    }
    std::string warum;
    if (invariante && !invariante(cg, warum)) fehler("Invariante: " + warum);
}

}  // namespace harness
