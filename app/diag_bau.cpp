// Dialog building: the fixed order of every dialog (which decides every dialog id and so the
// names of the option files), the menus, the settings dialogs and the in-game panels.
#include "app/diag_intern.h"
#include "app/dialoge.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/hilfe.h"
#include "core/panel.h"
#include "core/spielliste.h"
#include "games/casino/blackjack.h"
#include "table/overlays.h"

namespace dialoge {

Ids& ids() {
    static Ids i;
    return i;
}

std::function<int(const std::filesystem::path& file)> texturLaden;
std::function<std::vector<std::string>(bool hoechst, int variante)> einsatzTexte =
    [](bool hoechst, int variante) { return blackjack::BlackJackBetTexts(hoechst, variante == 1, 2); };

namespace {

using bau::Bauer;

int tex(glapp::Tglapp& a, const std::string& datei) {
    if (!texturLaden) return 0;
    return texturLaden(a.AppDir / "data" / "bilder" / datei);
}

void texturen(glapp::Tglapp& a) {
    Ids::Texturen& t = ids().tex;
    panel::Bilder& p = panel::bilder;
    p.aussetz = tex(a, "aussetz.jpg");
    p.dran = tex(a, "dran.jpg");
    p.ziehen = tex(a, "ziehen.jpg");
    p.schieb = tex(a, "schieb.jpg");
    p.klopf = tex(a, "klopf.jpg");
    for (int n = 1; n <= 2; ++n) p.r[n] = tex(a, "r" + std::to_string(n) + ".jpg");
    for (int n = 10; n <= 12; ++n) p.ansage[n] = tex(a, "f1" + std::to_string(n) + ".jpg");
    p.obenabe = tex(a, "f_obenabe.jpg");
    p.undenufe = tex(a, "f_undenufe.jpg");
    p.slalomO = tex(a, "f_slalomo.jpg");
    p.slalomU = tex(a, "f_slalomu.jpg");
    p.fuchs = tex(a, "f_fox.jpg");
    p.karl = tex(a, "f_karl.jpg");
    p.doko = tex(a, "f_dk.jpg");
    for (int i = 1; i <= 4; ++i) t.farbe[i] = p.ansage[i];
    const char* solo[] = {"f_b.jpg", "f_d.jpg", "f_f.jpg", "f_bd.jpg", "f_x.jpg"};
    for (int i = 0; i < 5; ++i) p.solo[i] = tex(a, solo[i]);
    p.solo[5] = p.ansage[12];
    const char* sk[] = {"f_k.jpg", "f_w.jpg", "f_sie.jpg", "f_tout.jpg"};
    for (int i = 0; i < 4; ++i) p.schafkopf[i] = tex(a, sk[i]);
    p.schafkopf[4] = p.solo[0];
    for (int n = 0; n <= 5; ++n) p.u[n] = tex(a, "f_u" + std::to_string(n) + ".jpg");
    p.re = tex(a, "f_re.jpg");
    p.kontra = tex(a, "f_kontra.jpg");
    // What the table draws beside the Schafkopf and Doppelkopf markers.
    for (int k = 1; k <= 12; ++k) glu::markerIcons.suit[k] = p.ansage[k];
    glu::markerIcons.tout = p.schafkopf[3];
    glu::markerIcons.marks[0] = p.doko;
    glu::markerIcons.marks[1] = p.fuchs;
    glu::markerIcons.marks[2] = p.karl;
    t.logo2 = tex(a, "logo2.jpg");
    t.logo3 = tex(a, "logo3.bmp");
    t.back = tex(a, "back.bmp");
    a.checkTdetail();
    const std::string detail = std::to_string(a.Options.TextureDetail);
    t.chips2 = tex(a, detail + "/chips2.jpg");
    t.chipk2 = tex(a, detail + "/chipk2.jpg");
    // The chip pictures need the display; the option-file tool builds without one.
    if (texturLaden) a.pk_loadchips2();

    central::PanelIds& c = central::ids;
    for (int k = 10; k <= 12; ++k) c.icon1Tex[k] = p.ansage[k];
    for (int k = 1; k <= 2; ++k) c.icon2Tex[k] = p.r[k];
    for (int k = 1; k <= 6; ++k) c.icon3Tex[k] = p.u[k - 1];
}

// A status image of "#ipanel": its animation speed is v / 100.
int statusBild(Bauer& b, int y, int v) {
    return b.a.CreateCustomSpecialObject(10, 56, y, 20, 60, 8, " ", "", v, 40, 20, 5, 1.3f);
}

void pnlInfo(Bauer& b) {
    Ids& d = ids();
    central::PanelIds& c = central::ids;
    d.ipanel = b.dialog(0, 0, 0, 600, false, "#ipanel", 0, 0, "", 2.0f);
    c.ipanel = d.ipanel;
    texturen(b.a);
    const int ys[8] = {470, 410, 350, 290, 230, 170, 110, 50}, vs[8] = {100, 80, 60, 40, 30, 20, 10, 10};
    for (int i = 0; i < 8; ++i) c.statusElem[i + 1] = statusBild(b, ys[i], vs[i]);
    for (int k = 1; k <= 2; ++k) {
        c.icon2Elem[k] = statusBild(b, 536, 100);
        b.a.SetTi(d.ipanel, c.icon2Elem[k], c.icon2Tex[k]);
    }
    for (int k = 1; k <= 5; ++k) {
        c.icon1Elem[k] = statusBild(b, 470, 100);
        if (k <= 4) {
            b.a.SetTi(d.ipanel, c.icon1Elem[k], panel::bilder.ansage[k]);
            d.ipanelFarbe[k] = c.icon1Elem[k];
        }
    }
    for (int k = 10; k <= 12; ++k) {
        c.icon1Elem[k] = statusBild(b, 470, 100);
        b.a.SetTi(d.ipanel, c.icon1Elem[k], c.icon1Tex[k]);
    }
    for (int s = 1; s <= 11; ++s) {
        const int txt = b.obj(2, 20, 20, -1, -1, 0.0f, 1.0f, "");
        b.a.SetVisible(d.ipanel, txt, false);
        const int marke = b.label(20, 20, "");
        b.a.SetVisible(d.ipanel, marke, false);
        if (s <= 6) c.zugMarke[s] = marke;
    }
    for (int k = 0; k <= 25; ++k) c.tab[k] = b.obj(0, 20 + 20 * k, 20, 10, 10, 0.02f, 1.0f, "_");
    c.ipanelStart = b.obj(0, 3, 20, 10, 10, 0.02f, 1.0f, "_");
    for (int k = 1; k <= 6; ++k) {
        const int e = b.obj(0, 20 + 20 * k, 50, 10, 10, 0.02f, 1.0f, "_");
        b.a.SetVisible(d.ipanel, e, false);
    }
    const int linie = b.label(-2, 250, std::string(61, '-'));
    b.a.SetTi(d.ipanel, linie, 124);
    b.label(0, 0, "");
}

void pnlInGame(Bauer& b) {
    Ids& d = ids();
    central::PanelIds& c = central::ids;
    d.ingame = b.dialog(290, 560, 0, 0, true, "#ingamedialog", 0, 10, "menu2.jpg", 2.0f);
    c.ingame = d.ingame;
    auto knopf = [&](int x, int w, const char* cap) { return b.obj(0, x, 0, w, 35, 0.02f, 1.0f, cap); };
    c.reihe[1][1] = knopf(65, 160, "!Weiter");
    c.reihe[2][1] = knopf(20, 120, "Ja");
    c.reihe[2][2] = knopf(160, 120, "Nein");
    const int drei[3] = {-50, 80, 210};
    for (int k = 1; k <= 3; ++k) c.reihe[3][k] = knopf(drei[k - 1], 120, std::to_string(k).c_str());
    const char* farben[4] = {"Kreuz", "Pik", "Herz", "Karo"};
    for (int k = 1; k <= 4; ++k) c.reihe[4][k] = knopf(80 * (k - 1), 75, farben[k - 1]);
    d.ingameHilfe = knopf(-250, 85, "?");
    c.reihe[8][8] = d.ingameHilfe;
    const char* typen[7] = {"Kein Spiel", "Kreuz", "Pik", "Herz", "Karo", "Grand", "Null"};
    for (int k = 1; k <= 7; ++k) c.reihe[7][k] = c.reihe[8][k] = knopf(-160 + 90 * (k - 1), 87, typen[k - 1]);
    for (int k = 1; k <= 5; ++k) c.reihe[5][k] = knopf(-110 + 110 * (k - 1), 105, std::to_string(k).c_str());
    for (int k = 1; k <= 6; ++k) c.reihe[6][k] = knopf(-180 + 110 * (k - 1), 105, std::to_string(k).c_str());
    c.knopfVon = c.reihe[1][1];
    c.knopfBis = c.reihe[6][6];
    const int pfeile[4][2] = {{10, 13}, {28, 14}, {10, 15}, {28, 16}};
    for (int i = 0; i < 4; ++i) {
        const int e = b.a.CreateCustomSpecialObject(
            10, 100, pfeile[i][0], 10, 10, static_cast<uint8_t>(pfeile[i][1]), "", "", 45, 40, 20, 5, 1.3f);
        pvl::TPVLElement& el = b.el(d.ingame, e);
        el.Width = 18;
        el.Height = 18;
        el.AnimSpeed = 0.008f;
        d.ingamePfeile[i] = e;
        c.chip[i] = e;
    }
    d.ingameText = b.label(-210, 0, "text");
    c.textZeile = d.ingameText;
    b.a.SetTi(d.ingame, d.ingameText, 123);
}

void menueTitel(Bauer& b, int dlg, int (&titel)[2], float unten) {
    titel[0] = b.obj(1, 0, -34, 200, 32, 1.0f, 1.9f, "");
    titel[1] = b.obj(1, 0, 41, 200, 32, 1.0f, unten, "");
    b.el(dlg, 1).Y = static_cast<int16_t>(b.el(dlg, 1).Y - 15);
}

void anzeige(Bauer& b) {
    Ids& d = ids();
    d.anzeige = b.gross("Anzeige");
    b.knopf(270, 440, 140, 40, "Zurück");
    b.rahmen(30, 60, 290, 150, "Umgebung");
    b.label(20, 100, "Umgebung");
    d.umgebung = b.wahl(130, 105, 150, 20, {"Holztisch", "Marmortisch", "Glastisch", "Gruft", "Pokertisch"});
    b.rahmen(30, 150, 290, 150, "Karten");
    b.label(20, 190, "Rückseite");
    d.rueckseite = b.wahl(130, 195, 150, 20,
                          {"Rückseite 1", "Rückseite 2", "Rückseite 3", "Rückseite 4", "Rückseite 5"});
    d.kartenbildLabel = b.label(20, 230, "Kartenbild");
    d.kartenbild = b.wahl(130, 235, 150, 20, {"Französisch", "Englisch"});
    b.label(20, 270, "Ausblenden");
    d.ausblenden = b.wahl(130, 275, 150, 20, {"Nicht", "Dunkel", "Transparent", "Dunkel&Transp."});
    b.label(20, 310, "Kartengröße");
    d.kartengroesse = b.wahl(130, 315, 150, 20, {"Mini", "Klein", "Normal"});
    b.rahmen(325, 60, 295, 150, "Spielgeschwindigkeit");
    b.label(320, 100, "Animationen");
    d.animationen = b.wahl(430, 105, 150, 20,
                           {"Sehr langsam", "Langsam", "Normal", "Schnell", "Sehr schnell", "Blitzschnell"});
    b.label(320, 140, "Anzeigedauer");
    d.anzeigedauer =
        b.wahl(430, 145, 150, 20, {"Sehr lange", "Lange", "Normal", "Kurz", "Sehr kurz", "Minimal"});
    b.rahmen(325, 190, 295, 150, "Austeilen");
    b.label(320, 230, "Austeilen");
    d.austeilen = b.wahl(430, 235, 150, 20, {"Alle auf einmal", "Einzeln"});
    b.label(320, 270, "Richtung");
    d.richtung = b.wahl(430, 275, 150, 20, {"Uhrzeigersinn", "Gegen Uhrzeiger"});
    b.rahmen(325, 320, 295, 150, "Kommentare der Mitspieler");
    b.label(320, 360, "Häufigkeit");
    d.haeufigkeit = b.wahl(430, 365, 150, 20, {"Keine", "Selten", "Normal", "Oft"});
    d.hinweise = b.check(42, 363, "Hilfshinweise automatisch anzeigen  ");
}

void hilfeDialog(Bauer& b) {
    Ids& d = ids();
    d.hilfe = b.gross("Hilfe");
    b.knopf(270, 470, 140, 40, "Zurück");
    d.hilfeInhalt = static_cast<int16_t>(b.knopf(63, 54, 35, 40, "Inhalt", 10));
    b.el(d.hilfe, d.hilfeInhalt).AnimSpeed = 0.01f;
    d.hilfeSucheTab = static_cast<int16_t>(b.knopf(149, 54, 45, 40, "Suche", 10));
    b.el(d.hilfe, d.hilfeSucheTab).AnimSpeed = 0.01f;
    d.hilfeThemen = b.obj(13, 20, 100, 180, 345, 4.0f, 1.0f, "Contentliste");
    b.a.SetPageIndex(d.hilfe, d.hilfeThemen, 1);
    d.hilfeSuche = b.obj(12, 30, 105, 110, 0, 28.0f, 1.0f, "..");
    b.a.SetPageIndex(d.hilfe, d.hilfeSuche, 2);
    d.hilfeSucheX = b.el(d.hilfe, d.hilfeSuche).X;
    d.hilfeSuchen = b.obj(0, 150, 105, 75, 28, 0.05f, 1.0f, "Suchen");
    b.a.SetPageIndex(d.hilfe, d.hilfeSuchen, 2);
    d.hilfeErgebnis = b.obj(13, 20, 140, 180, 305, 4.0f, 1.0f, "Searchliste");
    b.a.SetPageIndex(d.hilfe, d.hilfeErgebnis, 2);
    d.hilfeContainer = b.obj(19, 10, 91, 224, 362, 175.0f, 1.0f, "Inhalt/Suche");
    for (int e : {d.hilfeThemen, d.hilfeErgebnis, d.hilfeSuche, d.hilfeSuchen})
        b.a.AddChild(d.hilfeContainer, e);
    b.a.SetPageIndex(d.hilfe, d.hilfeContainer, 1);
    d.hilfeText = b.obj(15, 244, 100, 360, 352, 1.0f, 1.0f, "highlight");
    b.a.SetHighlight(d.hilfe, d.hilfeText, "de");
}

void panelsNachMenue(Bauer& b) {
    Ids& d = ids();
    d.farbpanel = b.dialog(310, 560, 0, 0, true, "#farbpanel", 0, 10, "", 2.0f);
    const char* farben[4] = {"Kreuz", "Pik", "Herz", "Karo"};
    for (int i = 0; i < 4; ++i) d.farbKnopf[i] = b.obj(0, 70 * i, 0, 60, 35, 0.02f, 1.0f, farben[i]);
    pnlInGame(b);
    d.textpanel = b.dialog(200, 25, 400, 32, false, "#textpanel", 0, 50, "", 2.0f);
    d.textZeile = b.obj(1, 190, -3, 150, 35, 0.02f, 1.0f, "!Information");
    d.buttonpanel = b.dialog(370, 560, 0, 0, true, "#buttonpanel", 0, 10, "", 2.0f);
    d.buttonWeiter = b.obj(0, 0, 0, 150, 35, 0.02f, 1.0f, "!Weiter");

    d.infopanel = b.dialog(10, 10, 500, 200, false, "#infopanel", 0, 10, "", 2.0f);
    d.debugTexte[0] = b.label(6, 6, "");
    const char* zeilen[4] = {"Selcard: 0", "Getcard: 0", "aStatus: 0", "Info: 0"};
    for (int i = 0; i < 4; ++i) d.debugTexte[i + 1] = b.label(6, 26 + 20 * i, zeilen[i]);
    const struct {
        const char* t;
        int x, y, w;
    } knoepfe[14] = {{"Grafikoptionen", 240, 5, 140},
                     {"ResetHighscore", 240, 35, 140},
                     {"Konsistenz", 390, 5, 100},
                     {"Cheat", 390, 35, 100},
                     {"X", 240, 65, 140},
                     {"Save", 390, 65, 100},
                     {"+", 240, 92, 30},
                     {"-", 280, 92, 30},
                     {"+", 340, 92, 30},
                     {"-", 380, 92, 30},
                     {"TimerStart", 240, 120, 100},
                     {"TimerStop", 350, 120, 100},
                     {"Testfall1", 240, 150, 100},
                     {"Testfall2", 350, 150, 100}};
    for (int i = 0; i < 14; ++i)
        d.debugKnoepfe[i] = b.obj(0, knoepfe[i].x, knoepfe[i].y, knoepfe[i].w, 24, 0.02f, 1.0f, knoepfe[i].t);
    d.debugSb = b.obj(1, 6, 286, 20, 0, 0.0f, 1.0f, "SBSTRING");
}

void speichernLaden(Bauer& b) {
    Ids& d = ids();
    d.speichern = b.dialog(280, 80, 260, 460, true, "Spiel speichern", 0, 10, "", 1.8f);
    b.knopf(80, 360, 140, 40, "Zurück");
    d.speichernListe = b.obj(13, 20, 70, 200, 165, 0.0f, 1.0f, "Dateiname");
    b.obj(1, 5, 260, 180, 0, 128.0f, 1.0f, "Name");
    d.speichernName = b.obj(12, 85, 265, 140, 0, 24.0f, 1.0f, "Spiel");
    d.speichernOk = b.knopf(80, 310, 140, 40, "OK");

    d.laden = b.dialog(280, 80, 260, 440, true, "Spiel laden", 0, 10, "", 2.0f);
    b.knopf(80, 392, 140, 40, "Zurück");
    d.ladenListe = b.obj(13, 20, 80, 200, 200, 0.0f, 1.0f, "Dateiname");
    d.ladenOk = b.knopf(80, 310, 140, 40, "OK");

    d.spielliste = b.a.CreateCapDialog(true, text::w("Spielliste"));
    b.a.dlg(d.spielliste).Stay = 1;
    b.a.SetNewDialog(d.spielliste, 10, "menu2.jpg", 1.8f, 0);
    b.a.SetCreateIn(d.spielliste);
    d.slWeiter = b.knopf(270, 440, 140, 40, "Weiter");
    d.slHaupt = b.obj(15, 20, 100, 580, 180, 8.0f, 1.0f, "Spielliste");
    d.slKasse = b.obj(15, 20, 325, 580, 60, 8.0f, 1.0f, "Spielliste");
    for (int n = 1; n <= 80; ++n) b.a.AddString(d.slHaupt, "Nr. " + std::to_string(n), 0);
    d.slInfo = b.obj(1, 16, 401, 600, 28, 0.02f, 1.0f, "info");
    spielliste::ids.dialog = d.spielliste;
    spielliste::ids.haupt = d.slHaupt;
    spielliste::ids.kasse = d.slKasse;
    spielliste::ids.info = d.slInfo;
    spielliste::ids.weiter = d.slWeiter;
}

void credits(Bauer& b) {
    Ids& d = ids();
    d.dlgCredits = b.a.CreateCapDialog(true, "Credits");
    pvl::TPVLDialog& dl = b.a.dlg(d.dlgCredits);
    dl.X = static_cast<int16_t>(dl.X + 140);
    dl.Width = static_cast<int16_t>(dl.Width - 280);
    b.a.SetNewDialog(d.dlgCredits, 10, "menu2.jpg", 1.8f, 0);
    b.a.SetCreateIn(d.dlgCredits);
    b.knopf(130, 460, 140, 40, "Zurück");
    d.creditsListe = b.obj(14, 15, 85, 280, 365, 5.0f, 1.0f, "Credits");
    d.creditsBild[0] = b.obj(10, 70, 393, 112, 34, 0.006f, 1.0f, " ");
    d.creditsBild[1] = b.obj(10, 205, 390, 60, 46, 0.006f, 1.0f, " ");
    for (int i = 0; i < 2; ++i) b.el(d.dlgCredits, d.creditsBild[i]).SubKind = 9;
    b.a.SetTi(d.dlgCredits, d.creditsBild[0], d.tex.logo3);
    b.a.SetTi(d.dlgCredits, d.creditsBild[1], d.tex.logo2);
    bau::creditsFuellen(b.a, d.dlgCredits, d.creditsListe);
}

}  // namespace

void diagcreate(glapp::Tglapp& a) {
    Ids& d = ids();
    d = Ids{};
    central::ids = central::PanelIds{};
    Bauer b{a};
    a.OverCall = [&a](int dlg, int e) { a.mouseover(dlg, e); };
    a.OutCall = [&a](int dlg, int e) { a.mouseout(dlg, e); };
    ::cg.spielIdMenue = 9;
    bau::wortTabellen();
    // Every help token is read through the card-word and poker-term filter.
    hilfe::filter = [](const std::string& t) { return filtertext(t); };
    glapp::spielAktiv = 0;

    d.optionen = b.dialog(280, 80, 260, 440, true, "Optionen", 0, 10, "menu.jpg", 2.0f);
    a.SetNewDialog(a.GraphicsDialog, 10, "menu2.jpg", 1.8f, 0);
    d.iconLayer = a.FirstPanel;
    a.SetCreateIn(d.iconLayer);
    d.iconMenue = b.icon(785, 69, 0, 0, 0, "");
    a.SetVisibleAbsolute(d.iconLayer, d.iconMenue, false);
    d.iconHilfe = b.icon(785, 91, 0, 0, 11, "?");
    a.SetVisible(d.iconLayer, d.iconHilfe, false);
    a.ShowDialog(d.iconLayer);
    central::ids.hinweisDialog = d.iconLayer;
    central::ids.hinweisKnopf = d.iconHilfe;

    d.fpspanel = b.dialog(200, 20, 0, 0, false, "#fpspanel", 0, 10, "", 1.0f);
    d.fpsText = b.label(6, 6, "");
    b.el(d.fpspanel, d.fpsText).Scale = 2.5f;
    pnlInfo(b);

    d.helppanel =
        b.dialog(kHinweisLinks, kHinweisOben, kHinweisBreite, 120, false, "#helppanel", 0, 0, "", 2.0f);
    a.SetNewDialog(d.helppanel, 10, "menu2.jpg", 1.8f, 0);
    a.SetCreateIn(d.helppanel);
    d.hilfePanelText = b.obj(1, 10, 0, 73, 100, 0.02f, 1.0f, "text");
    d.hilfePanelZu = b.icon(534, 8, 0, 0, 1, "");
    central::ids.helpPanel = d.helppanel;
    central::ids.helpText = d.hilfePanelText;

    d.gameMenue = b.dialog(280, 80, 260, 440, true, "Game Menü", 0, 10, "menu.jpg", 2.0f);
    b.knopf(80, 360, 140, 40, "Zurück");
    d.gmNeu = b.knopf(80, 100, 140, 40, "Neues Spiel");
    d.gmLaden = b.knopf(80, 140, 140, 40, "Spiel laden");
    d.gmEinstellungen = b.knopf(80, 180, 140, 40, "Einstellungen");
    d.gmHighscore = b.knopf(80, 220, 140, 40, "Highscore");
    d.gmHilfe = b.knopf(80, 260, 140, 40, "Hilfe");
    menueTitel(b, d.gameMenue, d.gmTitel, 1.14f);

    d.highscore = b.gross("Highscore");
    b.knopf(270, 440, 140, 40, "Zurück");
    d.hsTitel = b.label(304, 52, "Liste x");
    b.el(d.highscore, d.hsTitel).Scale = 1.2f;
    d.hsListe = b.obj(15, 20, 120, 580, 250, 4.0f, 1.0f, "Highscoreliste");
    for (int i = 0; i < 3; ++i)
        d.hsTab[i] = b.knopf(80 + 190 * i, 385, 140, 40, "Liste " + std::to_string(i + 1));
    d.hsLoeschen = b.knopf(480, 440, 140, 40, "Löschen");

    hilfeDialog(b);

    d.sortSkat = b.dialog(0, 0, 0, 0, false, "#farbsortiermenü_skat", 1, 0, "", 1.0f);
    const char* sortiert[6] = {"1", "2", "3", "4", "G", "N"};
    for (int i = 0; i < 6; ++i) d.sortSkatKnopf[i] = b.icon(785, 450 + 22 * i, 0, 0, 11, sortiert[i]);
    a.InvsbDialog(d.sortSkat);

    for (int i = 0; i < 3; ++i) bau::skatUnterseiten(b, i);
    bau::regelnSkat(b);
    bau::regelnMauMau(b);
    anzeige(b);

    d.einstellungen = b.dialog(280, 80, 260, 440, true, "Einstellungen", 0, 10, "menu.jpg", 2.0f);
    b.knopf(80, 360, 100, 40, "Zurück");
    d.einGrafik = b.knopf(80, 100, 140, 40, "Grafik/Sound");
    d.einAnzeige = b.knopf(80, 140, 140, 40, "Anzeige");

    d.spielmenue = b.dialog(280, 80, 260, 440, true, "Spielmenü", 0, 10, "", 2.0f);
    b.knopf(80, 360, 140, 40, "Zurück");
    d.smBeenden = b.knopf(80, 100, 140, 40, "Spiel beenden");
    d.smSpeichern = b.knopf(80, 140, 140, 40, "Speichern");
    d.smEinstellungen = b.knopf(80, 180, 140, 40, "Einstellungen");
    d.smHilfe = b.knopf(80, 260, 140, 40, "Hilfe");
    d.smSpielliste = b.knopf(80, 220, 140, 40, "Spielliste");
    menueTitel(b, d.spielmenue, d.smTitel, 1.235f);

    // Wide enough for both columns of game buttons, and Credits and Ende below them instead of
    // across the last buttons of the left column.
    d.kartenspiele = b.dialog(150, 40, 520, 540, true, "Kartenspiele", 0, 10, "", 2.0f);
    d.kartenspieleTitel = b.obj(1, 0, -19, 200, 32, 1.0f, 1.9f, "");
    const char* links[] = {"Mau Mau", "Schwimmen",  "Rommé",     "Canasta",
                           "Skat",    "Doppelkopf", "Schafkopf", "Jass"};
    const int linksId[] = {0, 2, 3, 4, 1, 5, 6, 12};
    for (int k = 1; k <= 8; ++k)
        d.spielKnoepfe[linksId[k - 1]] = b.knopf(60, 60 + 42 * k, 140, 38, links[k - 1]);
    const char* rechts[] = {"No Limit Poker",  "Pot Limit Poker", "Split Limit Poker", "Schnapsen",
                            "Sechsundsechzig", "Black Jack",      "17 und 4"};
    const int rechtsId[] = {8, -1, -1, 7, 10, 9, 11};
    for (int k = 1; k <= 7; ++k) {
        const int e = b.knopf(260, 60 + 42 * k, 140, 38, rechts[k - 1]);
        if (rechtsId[k - 1] >= 0) d.spielKnoepfe[rechtsId[k - 1]] = e;
    }
    d.credits = b.knopf(190, 440, 110, 38, "Credits");
    d.ende = b.knopf(190, 482, 110, 38, "Ende");
    a.CallDialog(d.kartenspiele);

    panelsNachMenue(b);
    speichernLaden(b);
    bau::regelnSchwimmen(b);
    bau::regelnRomme(b);
    bau::regelnCanasta(b);
    bau::regelnDoppelkopf(b);
    bau::regelnSchafkopf(b);
    bau::regelnPoker(b);
    credits(b);

    d.pokerpanel = b.dialog(15, 520, 140, 60, false, "#pokerpanel", 0, 10, "", 2.0f);
    d.pokerPot = b.label(6, 6, "Pot: 0 €");
    d.pokerEinsatz = b.label(6, 26, "Einsatz: 0 €");
    a.SetCreateIn(a.SettingsDialog);

    d.sortRomme = b.dialog(0, 0, 0, 0, false, "#sortiermenü_romme", 1, 0, "", 1.0f);
    d.sortRommeKnopf[0] = a.CreateSpecialObject(10, 785, 538, 0, 0, 11, std::string(1, '\x8A'));
    d.sortRommeKnopf[1] = a.CreateSpecialObject(10, 785, 560, 0, 0, 11, std::string(1, '\x89'));
    a.InvsbDialog(d.sortRomme);

    d.clusterpanel = b.dialog(5, 500, 155, 100, false, "#clusterpanel", 0, 10, "", 2.0f);
    d.clusterText[0] = b.label(0, 4, "-");
    d.clusterText[1] = b.label(0, 24, ".in:");
    d.clusterText[2] = b.label(50, 24, ".brain:");
    const struct {
        const char* t;
        int x, y, w;
    } cl[6] = {{"!on", 10, 52, 35},  {"!off", 45, 52, 35},  {"!reset", 100, 52, 47},
               {"!pon", 10, 80, 35}, {"!poff", 45, 80, 35}, {"!save", 100, 80, 47}};
    for (int i = 0; i < 6; ++i) d.cluster[i] = b.obj(0, cl[i].x, cl[i].y, cl[i].w, 22, 0.02f, 1.0f, cl[i].t);

    bau::regelnSchnapsen(b, false);
    bau::regelnBlackJack(b, false);
    bau::regelnBlackJack(b, true);
    bau::regelnSchnapsen(b, true);
    bau::regelnJass(b);

    anbinden();
    d.tiefer[0] = d.gameMenue;
    d.tiefer[1] = d.spielmenue;
    ::cg.spielId = 9;
    a.ziehrunter();
}

}  // namespace dialoge
