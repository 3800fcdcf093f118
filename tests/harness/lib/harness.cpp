#include "harness/lib/harness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "app/rahmen.h"
#include "core/central.h"
#include "core/envparam.h"
#include "core/spiele.h"
#include "platform/msgsink.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "platform/ticks.h"
#include "table/glu.h"
#include "table/gtooldienste.h"
#include "table/k12.h"
#include "table/tischcg.h"
#include "table/tischdienste.h"
#include "table/tischhooks.h"

namespace harness {

namespace {

// The seat count the shell would hold; read by central::neuesSpiel.
int g_spieler = 4;

central::Dienste tischDienste() {
    central::Dienste d;
    tischdienste::eintragen(d);
    // The game tools' stack entries, but no name plates: nothing is drawn here.
    gtool::Sitze ohneSchilder;
    gtooldienste::eintragen(d, ohneSchilder);
    d.spielerAnzahl = [] { return g_spieler; };
    return d;
}

}  // namespace

struct Lauf::Innen {
    ticks::Manual uhr{100000};
    msgsink::Capture meldungen;
    double msRest = 0;
};

int anzahl(int stapel) { return tischdienste::anzahl(stapel); }

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
    // The program's own frame logic; a click of the human comes after it, as in the program.
    rahmen::Takt t;
    t.spiel = true;
    t.fps = e_.fps;
    rahmen::ablauf(cg, t);
    const int akt = cg.aktSpieler;
    const bool computer = akt >= 1 && akt <= 20 && cg.stapelListen[akt].computer == 1;
    if (antworter && cg.antwort.offen == 2 && !computer) antworter(cg);
    innen_->msRest += 1000.0 / e_.fps;
    const double ganz = std::floor(innen_->msRest);
    innen_->msRest -= ganz;
    innen_->uhr.advance(static_cast<uint32_t>(ganz));
    pruefen();
}

void Lauf::uhrAnbinden() {
    ticks::Manual* uhr = &innen_->uhr;
    ticks::setSource([uhr] { return uhr->value(); });
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
