// The main form's life: the central objects at creation, the start-up stages, the shut-down in
// logged steps.
#include "app/glapp.h"

#include <GL/gl.h>

#include <exception>

#include "app/dialoge.h"
#include "app/klick.h"
#include "app/pendrelshare.h"
#include "app/spielanbindung.h"
#include "app/texturen.h"
#include "app/ton.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/highscore.h"
#include "core/hilfe.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "core/spielstand.h"
#include "core/statunit.h"
#include "games/casino/holdem_ki.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "gui/glframe.h"
#include "gui/glstate.h"
#include "gui/gltex.h"
#include "gui/gltext.h"
#include "platform/fileio.h"
#include "platform/rnd.h"
#include "platform/sdl/window.h"
#include "platform/text.h"
#include "platform/ticks.h"
#include "table/flugkarten.h"
#include "table/gtooldienste.h"
#include "table/k12.h"
#include "table/kartenmesh.h"
#include "table/render.h"
#include "table/tischdienste.h"

namespace fs = std::filesystem;

namespace glapp {

uint8_t spielAktiv = 0;
tischhooks::Schale schale;
uint8_t& aStatus = schale.tischModus;
int32_t zeigerKarte = 0, zeigerStapel = 0, zeigerStapelKarte = 0;
std::string tastenPuffer;
bool fpsAnzeige = false;
std::string userName;
bool nameWeiblich = false;
uint32_t startTick = 0;
std::string initZeile;
Tglapp* glapp = nullptr;
THelpContainer* hc = nullptr;
THelpContainer* ihc = nullptr;

bool mitGL() { return window::hasContext(); }

void ladeAnzeige(const std::string& text, int prozent) {
    if (!mitGL()) return;
    if (!text.empty()) gltex::SetiCaption(text);
    gltex::SetPos(prozent);
}

void Tglapp::verbinden() {
    glapp = this;
    central::Dienste& d = central::dienste;
    d = central::Dienste{};
    tischdienste::eintragen(d);
    gtooldienste::eintragen(d, gtool::sitze);
    d.app = this;
    d.spielZustand = [] { return spielAktiv; };
    d.schnellModus = [] { return glapp && glapp->Options.RenderFlags[11 - 2] != 0; };
    d.weiblich = [](const std::string& n) { return glapp && pendrelshare::checkmaedel(n, glapp->AppDir); };
    d.weiblichMerken = [](bool w) { nameWeiblich = w; };
    d.zufallNeu = [] { rnd::randomize(); };
    d.setksize = [] {
        if (glapp) glapp->setksize();
    };
    d.loadenv = [](int first) {
        if (glapp) glapp->loadenv(first != 0);
    };
    d.hinweisZeigen = [] {
        if (glapp) dialoge::showinnerhelp(*glapp);
    };
    d.horizontal = [] { return glapp ? static_cast<int>(glapp->Options.WideOffsets[0]) : 0; };
    d.tastaturStart = [](int dialog, int element) {
        if (!glapp) return;
        glapp->KbdFocusDialog = dialog;
        glapp->KbdFocusElement = element;
    };
    d.tischModusSetzen = [](uint8_t v) { aStatus = v; };
    d.stoppuhrStart = [](int nr) {
        if (glapp) glapp->timestart0(nr);
    };
    d.stoppuhrStopp = [](int nr) {
        if (glapp) glapp->timestop(nr);
    };
    d.stoppuhrenNeu = [](int anzahl) {
        if (glapp) glapp->timeini(anzahl);
    };
    spielliste::anbindung.spielZustandSetzen = [](uint8_t z) { spielAktiv = z; };
    tischhooks::tab().schale = &schale;
    spielstand::anbindung.tischModus = [] { return aStatus; };
    spielstand::anbindung.setzeTischModus = [](uint8_t v) { aStatus = v; };
    tischdienste::anbinden(spielstand::anbindung);
    // A game saved after its round was over: no panels, the score table as it was.
    spielstand::anbindung.phaseFuenf = [] {
        const dialoge::Ids& ids = dialoge::ids();
        for (int p : {ids.farbpanel, ids.buttonpanel, central::ids.ingame})
            if (glapp && glapp->validDialog(p)) glapp->dlg(p).Visible = 0;
        TGameResult nurTabelle;
        nurTabelle.nurTabelle = 1;
        spielliste::punkteTabelle(cg, nurTabelle, true);
    };
    Hooks.statisticsRefresh = [] { statunit::aktualisieren(); };
    Hooks.toggleStatistics = [] { statunit::umschalten(); };
    // The form paints nothing of its own before the library's start.
    SavedPaint = [] {};
    OnEvent = [this](int code, int arg) { FormMouseWheelDown(code, arg, 56); };
    OverCall = [this](int dialog, int element) { mouseover(dialog, element); };
    OutCall = [this](int dialog, int element) { mouseout(dialog, element); };
    // The units below outlive the form: they log through the form while it exists.
    hilfe::log = [](const std::string& t) {
        if (glapp) glapp->wrp2(t);
    };
    glu::renderLog = [](const std::string& t) {
        if (glapp) glapp->wrp2(t);
    };
}

void Tglapp::FormCreate() {
    verbinden();
    casinoVerbinden();
    skatVerbinden();
    pokerVerbinden(*this);
    schnapsenVerbinden(*this);
    jassVerbinden(*this);
    schafkopfDoppelkopfVerbinden(*this);
    canastaVerbinden(*this);
    rommeVerbinden(*this);
    maumauSchwimmenVerbinden(*this);
    glu::cardLabel = stapelBeschriftung;
    DevMode = 0;
    KbdNavigation = 1;
    startTick = ticks::now();
    // A save that was cut off between its renames is finished (or undone) before anything reads.
    fileio::recover(AppDir / "save");
    if (!hc) hc = new THelpContainer();
    if (!ihc) ihc = new THelpContainer();
    // The speech tables and the sound manager (the chip handler is a program-wide object of the
    // casino games); the poker statistics and the poker player's tables join here with Poker.
    ton::erstellen(AppDir);
    userName.clear();
    pendrelshare::FillFirstNames();
    if (!CloseQueryCall) CloseQueryCall = [this] { return ccapp(); };
}

Tglapp::~Tglapp() {
    if (glapp == this) glapp = nullptr;
    if (central::dienste.app == this) central::dienste = central::Dienste{};
}

bool Tglapp::wirklichbeenden() { return true; }

bool Tglapp::ccapp() {
    if (spielAktiv == 0) return true;
    if (spielAktiv == 1) {
        const dialoge::Ids& d = dialoge::ids();
        FormMouseWheelDown(d.iconLayer, d.iconMenue);
    }
    return false;
}

namespace {

// The progress line on black: white text on a grey plate of 100 x 20, centred 100 above the
// lower edge (the dialog colours are not read yet at this point).
void initZeileZeigen(const std::string& zeile) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const float x = 400 - 50, y = 600 - 100, k = 1 / 497.0f;
    gltext::pre_text(x, y - 17);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glColor4f(0.3f, 0.3f, 0.35f, 1);
    glBegin(GL_QUADS);
    glVertex2f(0, 0);
    glVertex2f(0, -20 * k);
    glVertex2f(100 * k, -20 * k);
    glVertex2f(100 * k, 0);
    glEnd();
    glColor4f(1, 1, 1, 1);
    std::string rest;
    gltext::bprintit(zeile, 0, 1.0f, x + 4, y, 0, 2, 0, 1.0f, 0, 0, "", rest);
    if (glstate::gl().present) glstate::gl().present();
}

}  // namespace

void Tglapp::windowInit() {
    nameWeiblich = false;
    std::string n = pendrelshare::ReadRegStringClean("Username", pendrelshare::ProductId());
    if (n.empty()) n = pendrelshare::ReadRegStringClean("Computername", pendrelshare::ProductId());
    if (!n.empty()) {
        userName = n;
        // Without namecheck.txt only the endings decide.
        nameWeiblich = pendrelshare::checkmaedel(userName, AppDir);
    }
    // While the graphics test switches modes the window covers the whole screen, and each step
    // adds a dot to the progress line.
    initZeile = (initZeile.empty() ? std::string("Initialisieren") : initZeile) + ".";
    const pvlhost::Point s = Host.screen();
    Host.setWindow({0, 0, s.x, s.y});
    if (!mitGL()) return;
    int cw = 0, ch = 0;
    window::clientSize(cw, ch);
    ResizeViewport(cw, ch);
    initZeileZeigen(initZeile);
}

void Tglapp::skatVerbinden() {
    skat::anmelden();
    dialoge::haken.optionen = [](int spielId, int, bool) {
        if (spielId != spiele::kSkat) return;
        if (glapp) skatCharaktere(*glapp);
        skat::optionenAbgleichen();
    };
    dialoge::haken.skatStandardRegeln = [] { skat::standardRegeln(); };
    vorschau[spiele::kSkat] = [](int art, int code) {
        if (art == 55) skat::vorschau(code);
    };
}

void Tglapp::startup() {
    ladeAnzeige("Objekte erstellen..", 20);
    if (mitGL())
        dialoge::texturLaden = [](const fs::path& f) { return static_cast<int>(texturen::textur(f, false)); };
    dialoge::diagcreate(*this);
    const dialoge::Ids& d = dialoge::ids();
    skatSeiten(*this);
    pokerSeiten(*this);
    schnapsenSeiten(*this);
    jassSeiten(*this);
    schafkopfDoppelkopfSeiten(*this);
    canastaSeiten(*this);
    rommeSeiten(*this);
    maumauSchwimmenSeiten(*this);
    auto englisch = [&] {
        if (validElement(d.anzeige, d.kartenbild)) WriteLine(d.anzeige, d.kartenbild, 2, "Englisch");
    };
    englisch();
    loadsettz();
    ladeAnzeige("Einstellungen laden..", 22);
    loadall();
    // A dialog without a saved state of its own starts from its default file.
    dialoge::standardLaden(*this);
    skatCharaktere(*this);
    for (int e : d.creditsBild) {
        if (!validElement(d.dlgCredits, e)) continue;
        SetVisible(d.dlgCredits, e, false);
        SetEnabled(d.dlgCredits, e, false);
    }
    englisch();
    loadenv(true);
    if (mitGL()) glu::startflyingcards();
    setksize();
    ton::musikEinstellen(false);
    if (!userName.empty()) {
        for (int g = 0; g <= 12; ++g)
            if (validElement(d.regeln[g], d.nameFeld[g])) SetCaption(d.regeln[g], d.nameFeld[g], userName);
        cg.spieler.at(1).name = userName.substr(0, 255);
        cg.spieler.at(1).stimme = nameWeiblich ? 1 : 4;
    }
}

void abschnitt(pvl::TPVLApplication& a, const char* name, const std::function<void()>& f) {
    a.wrp2(name);
    try {
        f();
        a.wrp2("OK");
    } catch (const std::exception& e) {
        a.wrp2(std::string("FEHLER: ") + e.what());
    } catch (...) {
        a.wrp2("FEHLER: Unbekannter Fehler");
    }
}

void Tglapp::shutdown() {
    try {
        ton::musikSchliessen();
    } catch (...) {
        // The music player may fail to stop; shutting down goes on.
    }
    abschnitt(*this, "unit1.onclose(-5).SAVEALL", [this] { saveall(); });
    abschnitt(*this, "unit1.onclose(-5).SAVESETTZ", [this] { savesettz(); });
    // what the poker store learned in this run is kept; an unchanged store is not rewritten
    abschnitt(*this, "unit1.onclose(-5).BRAIN", [this] {
        if (holdem::ki::clusterer().geaendert() && !holdem::ki::brainSpeichern())
            wrp2("holdem: " + holdem::ki::brainDatei.string() + " konnte nicht geschrieben werden");
    });
    abschnitt(*this, "unit1.onclose(-5).K12_FREE", [] { k12 = Tk12Container{}; });
    abschnitt(*this, "unit1.onclose(-5).HC_FREE,IHC_FREE", [] {
        delete hc;
        hc = nullptr;
        delete ihc;
        ihc = nullptr;
    });
    // The central record lives as long as the program; its step stays for the log's sake.
    abschnitt(*this, "unit1.onclose(-5).CG_FREE", [] {});
    abschnitt(*this, "unit1.onclose(-5).SNDFREE", [] { ton::sndFreigeben(); });
    abschnitt(*this, "unit1.onclose(-5).SCODEFREE", [] { ton::scodeFreigeben(); });
    abschnitt(*this, "unit1.onclose(-5).POKC_FREE", [] {});
}

void Tglapp::loadsettz() { highscore::highscoreLaden(cg); }
void Tglapp::savesettz() { highscore::highscoreSpeichern(cg); }

}  // namespace glapp
