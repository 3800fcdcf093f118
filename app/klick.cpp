// The clicks on the elements of every dialog the shell built: the first dialog that matches the
// clicked one handles the click.
#include "app/klick.h"

#include <filesystem>

#include "app/diag_intern.h"
#include "app/entwickler.h"
#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/ton.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "core/highscore.h"
#include "core/hilfe.h"
#include "core/panel.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "core/spielstand.h"
#include "games/casino/chiplayout.h"
#include "games/casino/holdem_ki.h"
#include "platform/text.h"

namespace dialoge {

Haken haken;

int reihenIndex(int element) {
    if (element <= 0) return 0;
    for (int n = 1; n <= 8; ++n)
        for (int k = 1; k <= n; ++k)
            if (central::ids.reihe[n][k] == element) return k;
    return 0;
}

int pfeilIndex(int element) {
    for (int i = 0; i < 4; ++i)
        if (element > 0 && ids().ingamePfeile[i] == element) return i + 1;
    return 0;
}

int blackjackSchritt(int pfeil, bool siebzehnUndVier) {
    const int klein = siebzehnUndVier ? 1 : 2, gross = siebzehnUndVier ? 5 : 8;
    switch (pfeil) {
        case 1:
            return klein;
        case 2:
            return -klein;
        case 3:
            return gross;
        case 4:
            return -gross;
        default:
            return 0;
    }
}

int32_t pokerBetrag(int32_t betrag, int32_t schritt, int pfeil, int32_t limit, int32_t minimum, int32_t geld,
                    int32_t zuZahlen) {
    if (pfeil == 1) betrag += schritt / 2;
    if (pfeil == 2) betrag -= schritt / 2;
    if (pfeil == 3) betrag += schritt * 2;
    if (pfeil == 4) betrag -= schritt * 2;
    if (betrag > limit) betrag = limit;
    if (betrag < minimum) betrag = minimum;
    // A seat that cannot even call raises nothing: the amount never goes below 0.
    const int32_t hoechstens = std::max<int32_t>(0, geld - zuZahlen);
    if (betrag > hoechstens) betrag = hoechstens;
    return betrag;
}

namespace {

bool chipSpiel() { return ::cg.spielId == spiele::kPoker || ::cg.spielId == spiele::kBlackJack; }

void optionen(int spiel, int element, bool flag) {
    if (haken.optionen) haken.optionen(spiel, element, flag);
    if (spiel >= 0 && spiel <= 12 && haken.optionenJe[spiel]) haken.optionenJe[spiel](element, flag);
}

// Whatever the game left shows over the table goes with it: the information panel with its game
// symbol, seat texts and markers, the decision buttons, the hint and its icon, the information
// line and the seats' bubbles. The next game or the next load builds its own.
void spielPanelsVerbergen(glapp::Tglapp& a) {
    const Ids& d = ids();
    for (int p : {d.ipanel, d.ingame, d.buttonpanel, d.farbpanel, d.helppanel, d.textpanel, d.pokerpanel})
        if (a.validDialog(p)) a.InvsbDialog(p);
    if (a.validElement(d.textpanel, d.textZeile)) a.SetCaption(d.textpanel, d.textZeile, "");
    if (a.validElement(d.iconLayer, d.iconHilfe)) a.SetVisible(d.iconLayer, d.iconHilfe, false);
    panel::leeren();
}

void zumHauptmenue(glapp::Tglapp& a) {
    const Ids& d = ids();
    glapp::spielAktiv = 0;
    if (haken.maumauDialogeSchliessen) haken.maumauDialogeSchliessen();
    spielPanelsVerbergen(a);
    a.ShowDialog(d.kartenspiele);
}

std::filesystem::path saveOrdner(glapp::Tglapp& a) { return a.AppDir / "save"; }

// The in-game decision buttons: the amount arrows of Black Jack and Poker only change the
// amount; every other button answers with the code stored for its row.
void entscheidung(glapp::Tglapp& a, int element) {
    const int pfeil = pfeilIndex(element);
    if (pfeil != 0) {
        if (::cg.spielId == spiele::kBlackJack && haken.blackjackEinsatz)
            haken.blackjackEinsatz(blackjackSchritt(pfeil, ::cg.blackjack.siebzehnUndVier != 0));
        if (::cg.spielId == spiele::kPoker && haken.pokerPfeil) haken.pokerPfeil(pfeil);
        return;
    }
    const int r = reihenIndex(element);
    if (r == 0) return;
    const int code = ::cg.entscheidung.code(r);
    a.InvsbDialog(ids().ingame);
    int wert1 = 0;
    if (::cg.spielId == spiele::kPoker && haken.pokerBetrag) wert1 = haken.pokerBetrag();
    if (::cg.spielId == spiele::kSchafkopf) wert1 = r;
    central::antwort(::cg, central::kKnopf, wert1, code);
}

void entwicklerMeldung(glapp::Tglapp& a, const std::string& t) {
    if (!t.empty()) a.msgbox(t, "Info", 0, "!Weiter", 0, false);
}

// The developer panel: high scores reset, the card-sum check, the two test hands, the test
// save, the table's reflection (+5/-5) and its fade-out (+1/-1), the chips laid out anew, the
// stopwatch report and the two poker estimate tests.
void entwicklerKnopf(glapp::Tglapp& a, int element) {
    const int* k = ids().debugKnoepfe;
    if (element == k[1]) highscore::highscoreReset(::cg, false);
    if (element == k[2]) entwicklerMeldung(a, entwickler::kartenSumme(::cg.spielId));
    if (element == k[3]) entwickler::testHand(::cg.spielId, 2);
    if (element == k[4]) entwickler::testHand(::cg.spielId, 1);
    if (element == k[5]) dotestsave(a);
    if (element == k[6]) envParam.reflection += 5;
    if (element == k[7]) envParam.reflection -= 5;
    if (element == k[8]) envParam.ref_weg += 1;
    if (element == k[9]) envParam.ref_weg -= 1;
    if (element == k[10]) chiplayout::RelayoutChips();
    if (element == k[11]) a.timeshow();
    if (element == k[12]) entwicklerMeldung(a, holdem::ki::PokerTestfall1());
    if (element == k[13]) entwicklerMeldung(a, holdem::ki::PokerTimeWinProbability());
}

void spielmenueOeffnen(glapp::Tglapp& a) {
    const Ids& d = ids();
    glapp::spielAktiv = 2;
    const int g = ::cg.spielId;
    std::string oben,
        unten = g <= 12 ? central::spielNamen.anzeige[::cg.spielIdMenue <= 12 ? ::cg.spielIdMenue : g] : "";
    if (g == spiele::kPoker) {
        oben = central::spielNamen.anzeige[8];
        unten = "Poker";
    }
    a.SetCaption(d.spielmenue, d.smTitel[0], oben);
    a.SetCaption(d.spielmenue, d.smTitel[1], unten);
    a.SetEnabled(d.spielmenue, d.smSpielliste, true);
    a.SetEnabled(d.spielmenue, d.smSpeichern, true);
    a.CallDialog(d.spielmenue);
}

void spielliste(glapp::Tglapp& a, int element) {
    const Ids& d = ids();
    if (element != d.slWeiter) return;
    const std::string c = a.GetCaption(d.spielliste, d.slWeiter, false);
    if (c == text::w("Zurück")) {
        a.HideDialog(d.spielliste);
    } else if (c == "Weiter") {
        a.InvsbDialog(d.spielliste);
        glapp::spielAktiv = 1;
        central::neuesSpiel(::cg, ::cg.spielIdMenue, 1);
    } else {
        if (::cg.spielId == spiele::kPoker && haken.pokerSitzeLoeschen) haken.pokerSitzeLoeschen();
        a.InvsbDialog(d.spielliste);
        highscore::spielergebnis(::cg);
        const std::string t = highscore::highscoreEintragen(::cg);
        if (!t.empty()) {
            ton::effekt(17, 0, 0);
            a.msgbox(t, text::w("Herzlichen Glückwunsch"), 0, "!Weiter", 0, false);
        }
        zumHauptmenue(a);
        resetGameNames(a);
    }
}

// A rule page or one of the three Skat sub-pages; false when the dialog is none of them.
bool regelSeite(glapp::Tglapp& a, int dialog, int element) {
    Ids& d = ids();
    if (dialog == d.kontra || dialog == d.bockRamsch || dialog == d.umGeld) {
        if (element == 2) a.HideDialog(dialog);
        optionen(spiele::kSkat, element, false);
        return true;
    }
    const int g = regelSpiel(dialog);
    if (g == 13) return false;
    if (element == d.allgemeinKnoepfe[g]) bau::seiteZeigen(a, g, 1);
    if (element == d.regelnKnoepfe[g]) bau::seiteZeigen(a, g, 2);
    if (element == d.zurueckKnoepfe[g]) a.HideDialog(dialog);
    if (element == 2) {
        a.InvsbDialog(dialog);
        glapp::spielAktiv = 1;
        ::cg.blackjack.siebzehnUndVier = 0;
        ::cg.schnapsen.sechsundsechzig = 0;
        // The game core sets the variant flag again from the id chosen in the menu.
        if (!central::neuesSpiel(::cg, g, 0)) {
            glapp::spielAktiv = 0;
            spielPanelsVerbergen(a);
            a.VsbDialog(dialog, 1);
        }
        return true;
    }
    // Only the page of the game chosen reloads its defaults; any page's click reaches its
    // option handler.
    const int aktuell = ::cg.spielIdMenue <= 12 ? ::cg.spielIdMenue : ::cg.spielId;
    if (element == d.standardKnoepfe[g] && g == aktuell) {
        a.LoadFromFile(dialog, a.AppDir / "data" / "settings" / ("di_" + std::to_string(dialog) + "_def.dco"),
                       0);
        // The file holds the visibility of the tab it was written on: show the tab in front.
        const int k = d.regelContainer[g];
        if (a.validElement(dialog, k)) bau::seiteZeigen(a, g, a.dlg(dialog).el(k).PageIndex);
    }
    if (g == spiele::kSkat) {
        for (int i = 0; i < 3; ++i)
            if (element == d.skatOptionen[i])
                a.CallDialog(i == 0 ? d.kontra : i == 1 ? d.bockRamsch : d.umGeld);
        if (element == 37 && haken.skatStandardRegeln) haken.skatStandardRegeln();
        optionen(g, element, false);
        return true;
    }
    if (!a.validElement(dialog, element)) return true;
    const int parent = a.dlg(dialog).el(element).ParentElement;
    if (parent == 0 || parent == d.regelContainer[g])
        optionen(g, element, false);
    else
        optionen(g, parent, parent == element - 1);
    return true;
}

void hilfeKlick(glapp::Tglapp& a, int element) {
    Ids& d = ids();
    if (element == 2) a.HideDialog(d.hilfe);
    if (element == d.hilfeInhalt) a.SetPageIndex(d.hilfe, d.hilfeContainer, 1);
    if (element == d.hilfeSucheTab) a.SetPageIndex(d.hilfe, d.hilfeContainer, 2);
    if (element == d.hilfeSuchen && glapp::hc) {
        const std::string wort = a.GetCaption(d.hilfe, d.hilfeSuche, false);
        const HelpPage p = glapp::hc->suchen(wort);
        const int alt = a.CreateInDialog;
        a.SetCreateIn(d.hilfe);
        a.DelStrings(d.hilfe, d.hilfeErgebnis, true);
        for (const std::string& z : p.lines) a.AddString(d.hilfeErgebnis, z, 0);
        a.SetCreateIn(alt);
        writehelptext(a, p.caption, p.title, wort, p.text);
    }
    if ((element == d.hilfeErgebnis || element == d.hilfeThemen) && glapp::hc) {
        int sel = 0;
        a.ReadSelIndex(d.hilfe, element, sel);
        const bool ergebnis = element == d.hilfeErgebnis;
        const THelpIndexList& l = ergebnis ? glapp::hc->results : glapp::hc->topics;
        // Entries from 100 on are result lines without a topic.
        if (sel >= 1 && sel < 100 && sel <= l.count()) {
            const THelpIndex& i = l.items[sel - 1];
            const THelpChapter& c = glapp::hc->chapters[i.position];
            writehelptext(a, c.heading, c.title, ergebnis ? i.word : "", c.text);
        }
    }
}

}  // namespace

void klick(glapp::Tglapp& a, int dialog, int element) {
    Ids& d = ids();
    if (dialog <= 0) return;
    if (dialog == a.GraphicsDialog) {
        if (chipSpiel()) {
            a.PVLOptionFromDialog(true);
            if (haken.relayoutChips) haken.relayoutChips();
        }
        return;
    }
    if (dialog == d.helppanel) {
        if (element == d.hilfePanelText || element == d.hilfePanelZu) {
            a.InvsbDialog(d.helppanel);
            a.SetVisible(d.iconLayer, d.iconHilfe, true);
        }
        return;
    }
    if (dialog == d.speichern) {
        if (element == 2) a.HideDialog(d.speichern);
        if (element == d.speichernListe) {
            int sel = 0;
            a.ReadSelIndex(d.speichern, d.speichernListe, sel);
            if (sel >= 1)
                a.SetCaption(d.speichern, d.speichernName, a.GetLine(d.speichern, d.speichernListe, sel));
            a.SetSelIndex(d.speichern, d.speichernName, 0);
        }
        if (element == d.speichernOk) {
            spielstand::spielSpeichern(::cg, saveOrdner(a), a.GetCaption(d.speichern, d.speichernName, false),
                                       false);
            showspeichern(a);
        }
        return;
    }
    if (dialog == d.laden) {
        if (element == 2) a.HideDialog(d.laden);
        if (element == d.ladenOk) {
            int sel = 0;
            a.ReadSelIndex(d.laden, d.ladenListe, sel);
            const std::string name = sel >= 1 ? a.GetLine(d.laden, d.ladenListe, sel) : "";
            // A failed load has said why; the dialog stays open and the game state unchanged.
            if (!name.empty() && spielstand::spielLaden(::cg, saveOrdner(a), name, ladeCode())) {
                // the hint of the game left does not belong to the one loaded
                a.InvsbDialog(d.helppanel);
                glapp::spielAktiv = 1;
                central::nachLaden(::cg);
                a.InvsbDialog(d.laden);
                a.InvsbDialog(d.gameMenue);
                a.InvsbDialog(d.kartenspiele);
            }
        }
        return;
    }
    if (dialog == d.ingame) {
        entscheidung(a, element);
        return;
    }
    if (dialog == d.clusterpanel || dialog == d.infopanel) {
        if (dialog == d.infopanel) entwicklerKnopf(a, element);
        if (haken.entwickler) haken.entwickler(dialog, element);
        return;
    }
    if (dialog == d.iconLayer) {
        if (element == d.iconHilfe) showinnerhelp(a);
        if (element == d.iconMenue) spielmenueOeffnen(a);
        return;
    }
    if (dialog == d.spielliste &&
        (glapp::spielAktiv == 2 || (a.CurrentDialog == d.spielliste && a.dlg(dialog).Visible))) {
        spielliste(a, element);
        return;
    }
    if (dialog == d.hilfe) {
        hilfeKlick(a, element);
        return;
    }
    if (dialog == d.highscore) {
        if (element == 2) a.HideDialog(d.highscore);
        if (element == d.hsLoeschen) {
            highscore::highscoreReset(::cg, true);
            buildhighscore(a, 1);
        }
        for (int i = 0; i < 3; ++i)
            if (element == d.hsTab[i]) buildhighscore(a, i + 1);
        return;
    }
    if (dialog == d.sortRomme) {
        if (haken.rommeSortieren && (element == d.sortRommeKnopf[0] || element == d.sortRommeKnopf[1]))
            haken.rommeSortieren(element == d.sortRommeKnopf[0]);
        return;
    }
    if (dialog == d.sortSkat) {
        for (int i = 0; i < 6; ++i)
            if (element == d.sortSkatKnopf[i] && haken.skatSortieren) haken.skatSortieren(i + 1);
        return;
    }
    if (dialog == d.dlgCredits) {
        if (element == 2) {
            ton::musikEinstellen(false);
            a.HideDialog(d.dlgCredits);
        }
        return;
    }
    if (regelSeite(a, dialog, element)) return;
    if (dialog == d.anzeige) {
        if (element == 2) {
            a.loadenv(false);
            a.HideDialog(d.anzeige);
        } else {
            anzactualize(a, element);
        }
        return;
    }
    if (dialog == d.einstellungen) {
        if (element == 2) a.HideDialog(d.einstellungen);
        if (element == d.einGrafik) a.CallDialog(a.GraphicsDialog);
        if (element == d.einAnzeige) a.CallDialog(d.anzeige);
        return;
    }
    if (dialog == d.spielmenue) {
        if (element == d.smHilfe) {
            buildhelp(a);
            a.CallDialog(d.hilfe);
        }
        if (element == d.smSpielliste) {
            if (::cg.phase.nr == 5) {
                a.HideDialog(d.spielmenue);
            } else {
                spielliste::pokerTabelle(::cg);
                a.SetCaption(d.spielliste, d.slWeiter, text::w("Zurück"));
                a.CallDialog(d.spielliste);
            }
        }
        if (element == 2) {
            if (glapp::spielAktiv == 2) glapp::spielAktiv = 1;
            a.HideDialog(d.spielmenue);
        }
        if (element == d.smSpeichern) showspeichern(a);
        if (element == d.smBeenden) {
            a.HideDialog(d.spielmenue);
            zumHauptmenue(a);
            a.CallDialog(d.gameMenue);
            if (haken.flyingCards) haken.flyingCards();
            resetGameNames(a);
        }
        if (element == d.smEinstellungen) {
            endis(a, d.anzeige);
            a.CallDialog(d.einstellungen);
        }
        return;
    }
    if (dialog == d.gameMenue) {
        if (element == d.gmLaden) showladen(a);
        if (element == 2) a.HideDialog(d.gameMenue);
        if (element == d.gmHilfe) {
            if (haken.pokerReadOptions) haken.pokerReadOptions();
            buildhelp(a);
            a.CallDialog(d.hilfe);
        }
        if (element == d.gmHighscore) {
            int stufe = 1;
            if (::cg.spielId == spiele::kPoker)
                stufe = ::cg.poker.splitLimit ? 3 : ::cg.poker.potLimit ? 2 : 1;
            buildhighscore(a, stufe);
            a.CallDialog(d.highscore);
        }
        if (element == d.gmEinstellungen) {
            endis(a, d.anzeige);
            a.CallDialog(d.einstellungen);
        }
        if (element == d.gmNeu) {
            const int g = ::cg.spielIdMenue <= 12 ? ::cg.spielIdMenue : ::cg.spielId;
            optionen(g, 0, false);
            endis(a, d.regeln[g]);
            bau::seiteZeigen(a, g, 1);
            a.CallDialog(d.regeln[g]);
        }
        return;
    }
    if (dialog == d.kartenspiele) {
        // The poker siblings count as game 8 for the game buttons only.
        if (isinga(element, d.spielKnoepfe)) {
            spielWaehlen(a, getga(element, d.spielKnoepfe), element);
        } else if (element == d.credits) {
            if (haken.musikDatei) haken.musikDatei("credits");
            // The text starts low in its window, its heading readable at once, and rolls up;
            // the offset below zero wraps to the list's end, so its blank lines come first.
            if (a.validElement(d.dlgCredits, d.creditsListe)) {
                pvl::TPVLElement& l = a.dlg(d.dlgCredits).el(d.creditsListe);
                l.TopIndex = 0;
                l.Angle = -100;
            }
            a.CallDialog(d.dlgCredits);
        } else if (element == d.ende) {
            a.closeme();
        }
        return;
    }
}

}  // namespace dialoge
