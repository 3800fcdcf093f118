// The Skat option pages read into `cg.skat.optionen` and written back, the standard rules, the
// ISkO box, and the computer characters of ch.txt.
#include <algorithm>

#include "core/central.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "gui/pvl.h"
#include "platform/fileio.h"
#include "platform/text.h"

namespace skat {

Seiten seiten;
int standardCharakter = 2;

namespace {

// Element ids of the pages. The ones the shell has no fixed id for are ours: the Bock/Ramsch
// page's further boxes and lists, the ISkO box and the characters list of the main page.
namespace haupt {
constexpr int liste = 4, limit18 = 8, limit36 = 9, limit72 = 10, eigene = 11, eigeneZahl = 19;
constexpr int geber1 = 14, zufall = 17, rum = 21, spitze = 22, grand20 = 23, kontraRe = 24, bockRamsch = 25,
              umGeld = 26, wertung1 = 31, isko = 37;
}  // namespace haupt
namespace kontra {
constexpr int mit = 4, mitRe = 5, alle = 6, nachAnsage = 9, nachStich = 10;
}
namespace bock {
constexpr int eingepasst = 4, kontraVerloren = 5, ghGewonnen = 6, ghVerloren = 7, nach6060 = 8, ueber100 = 9,
              schneider = 10, abschluss = 11, keinerReizt = 12, bockrunden = 13, ramschrunden = 14,
              bubenSchieben = 15, jungfrau = 16, grandHand = 17, durchmarsch = 18, meisteAugen = 19,
              letzterStich = 20;
}
namespace geld {
constexpr int cent1 = 4;
}

// The check boxes that are one option byte each, read and written alike.
struct Box {
    int Seiten::*seite;
    int element;
    uint8_t TSkatOptionen::*feld;
};
const Box kBoxen[] = {
    {&Seiten::haupt, haupt::liste, &TSkatOptionen::liste},
    {&Seiten::haupt, haupt::eigene, &TSkatOptionen::eigene},
    {&Seiten::haupt, haupt::rum, &TSkatOptionen::rum},
    {&Seiten::haupt, haupt::spitze, &TSkatOptionen::spitze},
    {&Seiten::haupt, haupt::grand20, &TSkatOptionen::grand20},
    {&Seiten::haupt, haupt::kontraRe, &TSkatOptionen::kontraRe},
    {&Seiten::haupt, haupt::bockRamsch, &TSkatOptionen::bockRamsch},
    {&Seiten::haupt, haupt::umGeld, &TSkatOptionen::umGeld},
    {&Seiten::kontra, kontra::mit, &TSkatOptionen::mitKontra},
    {&Seiten::kontra, kontra::mitRe, &TSkatOptionen::mitKontraRe},
    {&Seiten::kontra, kontra::alle, &TSkatOptionen::mitKontraAlle},
    {&Seiten::kontra, kontra::nachAnsage, &TSkatOptionen::nachSpielansage},
    {&Seiten::bock, bock::eingepasst, &TSkatOptionen::beiEingepasst},
    {&Seiten::bock, bock::kontraVerloren, &TSkatOptionen::kontraVerloren},
    {&Seiten::bock, bock::ghVerloren, &TSkatOptionen::grandHandVerloren},
    {&Seiten::bock, bock::ghGewonnen, &TSkatOptionen::grandHandGewonnen},
    {&Seiten::bock, bock::keinerReizt, &TSkatOptionen::ramschKeinerReizt},
    {&Seiten::bock, bock::nach6060, &TSkatOptionen::nach6060},
    {&Seiten::bock, bock::ueber100, &TSkatOptionen::ueber100},
    {&Seiten::bock, bock::schneider, &TSkatOptionen::schneider},
    {&Seiten::bock, bock::abschluss, &TSkatOptionen::spielabschluss},
    {&Seiten::bock, bock::bubenSchieben, &TSkatOptionen::bubenSchieben},
    {&Seiten::bock, bock::jungfrau, &TSkatOptionen::jungfrauAnsagen},
    {&Seiten::bock, bock::grandHand, &TSkatOptionen::grandHand},
    {&Seiten::bock, bock::durchmarsch, &TSkatOptionen::durchmarsch},
    {&Seiten::bock, bock::meisteAugen, &TSkatOptionen::skatMeisteAugen},
};

pvl::TPVLApplication* app() { return central::dienste.app; }
bool da(int d, int e) { return app() && d > 0 && app()->validElement(d, e); }

uint8_t box(int d, int e, uint8_t alt) {
    return da(d, e) ? static_cast<uint8_t>(app()->isChecked(d, e)) : alt;
}
void boxSetzen(int d, int e, bool v) {
    if (da(d, e)) app()->SetBoolean(d, e, v);
}
int liste(int d, int e, int alt) {
    if (!da(d, e)) return alt;
    int v = 0;
    app()->ReadTopIndex(d, e, v);
    return v;
}
void listeSetzen(int d, int e, int v) {
    if (da(d, e)) app()->SetTopIndex(d, e, v);
}
void freigeben(int d, int e, bool v) {
    if (da(d, e)) app()->SetEnabled(d, e, v);
}

// ch.txt, read once: its text, or empty when it could not be read.
const std::string& charakterDatei(const std::string& datei) {
    static std::string gelesenAus;
    static std::string inhalt;
    static bool gelesen = false;
    if (gelesen && gelesenAus == datei) return inhalt;
    gelesen = true;
    gelesenAus = datei;
    inhalt.clear();
    if (!fileio::readAll(fileio::local(datei), inhalt)) {
        inhalt.clear();
        if (app()) app()->wrp2("skat.charakterFeldLesen: " + datei + " fehlt, neutrale Spieler");
    }
    return inhalt;
}

int charakterWert(const std::string& datei, int record, int item) {
    std::string t;
    charakterFeldLesen(datei, record, item, t);
    int64_t v = 0;
    if (!text::toInt(t, v)) return 0;  // neutral: the value has no effect
    return static_cast<int>(std::clamp<int64_t>(v, -1000, 1000));
}

void grundwerteSetzen(TSkatOptionen& o) {
    o.wertung = 1;
    o.limit = 36;
    o.grandGrundwert = 24;
    o.bockrunden = 1;
    o.ramschrunden = 1;
    o.geldProPunkt = 1;
}

}  // namespace

bool charakterFeld(const std::string& inhalt, int record, int item, std::string& text) {
    text.clear();
    size_t pos = 0;
    for (int r = 1; r < record; ++r) {
        pos = inhalt.find(';', pos);
        if (pos == std::string::npos) return false;
        ++pos;
    }
    for (int i = 0; i < item; ++i) {
        const size_t komma = inhalt.find_first_of(",;", pos);
        if (komma == std::string::npos || inhalt[komma] == ';') return false;
        pos = komma + 1;
    }
    const size_t ende = inhalt.find_first_of(",;", pos);
    text = inhalt.substr(pos, ende == std::string::npos ? std::string::npos : ende - pos);
    return true;
}

void charakterFeldLesen(const std::string& datei, int record, int item, std::string& text) {
    charakterFeld(charakterDatei(datei), record, item, text);
}

std::vector<std::string> charakterNamen() {
    const std::string& inhalt = charakterDatei(skat_1::datenOrdner + "ch.txt");
    std::vector<std::string> namen;
    std::string t;
    // A record counts when all seven values are there; its name is the last line of its label
    // (the file's first record carries the file's description before it).
    for (int r = 1; charakterFeld(inhalt, r, 7, t); ++r) {
        charakterFeld(inhalt, r, 0, t);
        const size_t zeile = t.find_last_of("\r\n");
        if (zeile != std::string::npos) t = t.substr(zeile + 1);
        const size_t a = t.find_first_not_of(" \t"), b = t.find_last_not_of(" \t");
        namen.push_back(a == std::string::npos ? "Spieler " + text::fromInt(r) : t.substr(a, b - a + 1));
    }
    return namen;
}

void grundwerteWennLeer() {
    TSkatOptionen& o = cg.skat.optionen;
    if (o.wertung == 0) grundwerteSetzen(o);  // a record never filled: the standard rules
}

void optionenLesen(bool ohneDialog) {
    TSkatOptionen& o = cg.skat.optionen;
    grundwerteWennLeer();
    const std::string datei = skat_1::datenOrdner + "ch.txt";
    int index = liste(seiten.haupt, seiten.charakterListe, standardCharakter);
    if (index < 1) index = standardCharakter;  // a list with nothing chosen
    for (int s = 1; s <= 3; ++s) {
        TSkatCharakter& c = cg.sitzEinstellungen.at(s).skat;
        c.index = index;
        c.krafe = charakterWert(datei, index, 7);
        c.wafe = charakterWert(datei, index, 6);
        c.reizen = charakterWert(datei, index, 1);
        c.reizenr = charakterWert(datei, index, 2);
        c.wahrs = charakterWert(datei, index, 3);
        c.wahr0 = charakterWert(datei, index, 4);
        c.kont = charakterWert(datei, index, 5);
    }
    if (ohneDialog || !app()) return;
    const int h = seiten.haupt, b = seiten.bock, g = seiten.geld;
    for (const Box& x : kBoxen) o.*x.feld = box(seiten.*x.seite, x.element, o.*x.feld);
    for (int i = 0; i < 4; ++i)
        if (box(h, haupt::wertung1 + i, 0)) o.wertung = i + 1;
    if (da(h, haupt::eigeneZahl)) {
        int64_t n = 0;
        text::toInt(app()->GetCaption(h, haupt::eigeneZahl, true), n);
        if (n > 200) {
            n = 200;
            app()->SetCaption(h, haupt::eigeneZahl, "200");
        }
        o.limit = static_cast<int32_t>(std::max<int64_t>(n, 0));
    }
    if (box(h, haupt::limit18, 0)) o.limit = 18;
    if (box(h, haupt::limit36, 0)) o.limit = 36;
    if (box(h, haupt::limit72, 0)) o.limit = 72;
    for (int i = 0; i < 3; ++i)
        if (box(h, haupt::geber1 + i, 0)) o.ersterGeber = i + 1;
    if (box(h, haupt::zufall, 0)) o.ersterGeber = 0;
    o.grandGrundwert = o.grand20 ? 20 : 24;
    o.bockrunden = std::clamp(liste(b, bock::bockrunden, o.bockrunden), 1, 5);
    o.ramschrunden = std::clamp(liste(b, bock::ramschrunden, o.ramschrunden), 1, 5);
    for (int i = 0; i < 4; ++i)
        if (box(g, geld::cent1 + i, 0)) o.geldProPunkt = i + 1;
}

void optionenSchreiben() {
    if (!app()) return;
    const TSkatOptionen& o = cg.skat.optionen;
    const int h = seiten.haupt, k = seiten.kontra, b = seiten.bock, g = seiten.geld;
    for (const Box& x : kBoxen) boxSetzen(seiten.*x.seite, x.element, o.*x.feld);
    for (int i = 0; i < 4; ++i) boxSetzen(h, haupt::wertung1 + i, o.wertung == i + 1);
    if (o.eigene && da(h, haupt::eigeneZahl)) app()->SetCaption(h, haupt::eigeneZahl, text::fromInt(o.limit));
    boxSetzen(h, haupt::limit18, !o.eigene && o.limit == 18);
    boxSetzen(h, haupt::limit36, !o.eigene && o.limit == 36);
    boxSetzen(h, haupt::limit72, !o.eigene && o.limit == 72);
    for (int i = 0; i < 3; ++i) boxSetzen(h, haupt::geber1 + i, o.ersterGeber == i + 1);
    boxSetzen(h, haupt::zufall, o.ersterGeber == 0);
    boxSetzen(k, kontra::nachStich, !o.nachSpielansage);
    listeSetzen(b, bock::bockrunden, o.bockrunden);
    listeSetzen(b, bock::ramschrunden, o.ramschrunden);
    boxSetzen(b, bock::letzterStich, !o.skatMeisteAugen);
    for (int i = 0; i < 4; ++i) boxSetzen(g, geld::cent1 + i, o.geldProPunkt == i + 1);
    freigeben(h, haupt::eigeneZahl, o.eigene);
}

void standardRegeln() {
    optionenLesen(false);
    TSkatOptionen& o = cg.skat.optionen;
    o.rum = o.spitze = o.grand20 = 0;
    o.grandGrundwert = 24;
    o.kontraRe = o.mitKontra = o.mitKontraRe = o.mitKontraAlle = 0;
    o.bockRamsch = 0;
    o.wertung = 1;
    optionenSchreiben();
    boxSetzen(seiten.haupt, haupt::isko, true);
}

bool iskoRegeln(const TSkatOptionen& o) {
    return !o.rum && !o.spitze && !o.grand20 && !o.kontraRe && !o.bockRamsch && o.wertung == 1;
}

void optionenAbgleichen() {
    optionenLesen(false);
    const TSkatOptionen& o = cg.skat.optionen;
    boxSetzen(seiten.haupt, haupt::isko, iskoRegeln(o));
    freigeben(seiten.haupt, haupt::eigeneZahl, o.eigene);
    // The rule pages are locked while a match runs.
    const bool frei = cg.spielId != spiele::kSkat || cg.spielliste.runden == 0;
    for (int d : {seiten.kontra, seiten.bock})
        if (app() && d > 0 && app()->validDialog(d)) app()->AbleChilds(d, 0, frei);
}

}  // namespace skat
