// What a finished Skat deal is worth, its settlement text, the scoring variants, the score-table
// texts and the Bock/Ramsch series.
#include <algorithm>

#include "core/envparam.h"
#include "core/gtool.h"
#include "core/highscore.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "platform/num.h"
#include "platform/text.h"

namespace skat {

using namespace skat_1;

namespace {

std::string zahl(int64_t v) { return text::fromInt(v); }
std::string w(std::string_view s) { return text::w(s); }

std::string name(int seat) { return highscore::spielerName(cg, seat, false); }

std::string typName(int typ) {
    if (typ >= 1 && typ <= 4) {
        const int stil = envParam.Kartenstil;
        if (stil >= 1 && stil <= gtool::kFarbStile && !gtool::umgebung.farbNamen[stil - 1][typ].empty())
            return gtool::umgebung.farbNamen[stil - 1][typ];
        static const char* const namen[] = {"Kreuz", "Pik", "Herz", "Karo"};
        return namen[typ - 1];
    }
    if (typ == kGrand) return "Grand";
    if (typ == kNull) return "Null";
    if (typ == kRamsch) return "Ramsch";
    return "";
}

std::string warteschlange() { return cg.skat.spiegelText.str(); }

// Did the seat take a trick in this deal?
bool hatStich(int seat) { return gewonnenSitz(seat).anz > 0; }

// Scoring variants: which seat gets which amount.
void verteilen(TGameResult& r, int seat, int wert, bool gewonnen) {
    for (int s = 1; s <= 6; ++s) r.at(s) = 0;
    seat = std::clamp(seat, 1, 3);
    switch (cg.skat.optionen.wertung) {
        case 2:
            r.at(seat) = wert + (gewonnen ? 50 : -50);
            if (!gewonnen)
                for (int s = 1; s <= 3; ++s)
                    if (s != seat) r.at(s) = 40;
            break;
        case 3:
            if (wert > 0) {
                for (int s = 1; s <= 3; ++s)
                    if (s != seat) r.at(s) = -wert;
            } else {
                r.at(seat) = wert;
            }
            break;
        case 4:
            if (wert < 0) {
                for (int s = 1; s <= 3; ++s)
                    if (s != seat) r.at(s) = -wert;
            } else {
                r.at(seat) = wert;
            }
            break;
        default:
            r.at(seat) = wert;
            break;
    }
}

void ramschAbrechnen(TGameResult& r) {
    TSkatSpiel& sp = cg.skat.spiel;
    const TSkatOptionen& o = cg.skat.optionen;
    int verlierer = 1;
    for (int s = 2; s <= 3; ++s)
        if (sitzAugen(s) > sitzAugen(verlierer)) verlierer = s;
    const bool jungfrauFalsch = sp.jungfrauFehler >= 1 && sp.jungfrauFehler <= 3;
    if (jungfrauFalsch) verlierer = sp.jungfrauFehler;
    int wert = sitzAugen(verlierer);
    if (o.skatMeisteAugen) wert += augenSumme(skatKopie());
    std::string kopf = name(verlierer) + " " + "verliert den Ramsch mit " + zahl(wert) + " " + "Augen";
    if (jungfrauFalsch) {
        kopf = name(verlierer) + " " + "verliert, weil Jungfrau angesagt und ein Stich gemacht wurde";
        wert = 120;
    }
    std::string label = (sp.schieberamsch ? "Schieberamsch " : "Ramsch ");
    bool gewonnen = false;
    if (o.durchmarsch && wert >= 120 && !jungfrauFalsch) {
        gewonnen = true;
        kopf = name(verlierer) + " " + "gewinnt wegen Durchmarsch";
        label = "Durchmarsch ";
    }
    std::string rechnung;
    for (int i = 0; i < sp.geschoben && i < 3; ++i) {
        wert *= 2;
        rechnung += " - " + zahl(i + 1) + "x geschoben " + zahl(wert);
    }
    if (!gewonnen) {
        if (jungfrauFalsch) {
            wert *= 2;
            rechnung += " - " + name(verlierer) + " hat Jungfrau angesagt " + zahl(wert);
        } else {
            for (int s = 1; s <= 3; ++s) {
                if (hatStich(s)) continue;
                wert *= 2;
                rechnung += " - " + name(s) + " ist Jungfrau " + zahl(wert);
                if (sp.jungfrau.at(s)) {
                    wert *= 2;
                    rechnung += " - Jungfrau angesagt " + zahl(wert);
                }
            }
        }
        wert = -wert;
    }
    rechnung += " (";
    for (int s = 1; s <= 3; ++s) rechnung += name(s) + ": " + zahl(sitzAugen(s)) + ", ";
    rechnung += "Skat: " + zahl(augenSumme(skatKopie())) + ")";
    sp.wert = wert;
    sp.gewonnen = gewonnen;
    sp.alleinspieler = verlierer;
    r.spieler = verlierer;
    r.gewonnen = gewonnen;
    r.spielWerte[0] = sitzAugen(verlierer);
    r.spielWerte[1] = wert;
    r.text1 = w(label) + zahl(std::abs(wert));
    r.text2 = kopf + "\r\r" + rechnung;
    verteilen(r, verlierer, wert, gewonnen);
}

}  // namespace

int sitzAugen(int seat) {
    int n = augenSumme(gewonnenSitz(seat));
    // The Skat of a Ramsch goes to the winner of the last trick unless the option gives it to
    // the seat with the most points (added by the settlement).
    if (!cg.skat.optionen.skatMeisteAugen && seat == cg.aktSpieler) n += augenSumme(skatKopie());
    return n;
}

void abrechnung(TGameResult& r) {
    TSkatSpiel& sp = cg.skat.spiel;
    const TSkatOptionen& o = cg.skat.optionen;
    Grundwert[kGrand] = o.grand20 ? 20 : 24;
    r.spielWerte = {};
    if (sp.ramsch || cg.skat.sk.typ == kRamsch) {
        ramschAbrechnen(r);
        return;
    }
    const int allein = std::clamp(sp.alleinspieler, 1, 3);
    sp.augen = augenSumme(gewonnenAllein());
    sp.gegenAugen = augenSumme(gewonnenGegner());
    if (sp.typ == kEingepasst) {
        sp.wert = 0;
        sp.gewonnen = 0;
        r.spieler = 1;
        r.gewonnen = 0;
        r.text1 = "Eingepasst";
        r.text2 = "Spiel wurde eingepasst";
        verteilen(r, 1, 0, false);
        r.at(1) = 0;
        return;
    }

    sp.reizwert = sp.gebot.at(allein);
    const bool handSpiel = sp.hand != 0;
    const int angesagt = sp.stufeAngesagt;
    bool gewonnen = false;
    std::string kopf, rechnung, label;
    int wert = 0;
    int erreicht = 0;
    bool spitzeFalsch = false;

    if (sp.typ != kUeberreizt) {
        const bool gegnerStich = hatStich(naechster(allein)) || hatStich(voriger(allein));
        const bool alleinStich = hatStich(allein);
        if (sp.typ == kNull) {
            gewonnen = !alleinStich && !cg.skat.spiegelFlag;
            if (alleinStich) gewonnen = false;
            wert = nullWert(handSpiel, angesagt >= kOffen);
        } else {
            if (sp.augen >= 90 || sp.gegenAugen >= 90) erreicht = kSchneider;
            if (!gegnerStich || !alleinStich) erreicht = kSchwarz;
            gewonnen = sp.augen > sp.gegenAugen && sp.augen >= 61;
            if (angesagt >= kSchneiderAngesagt && sp.augen < 90) gewonnen = false;
            if (angesagt >= kSchwarzAngesagt && (gegnerStich || cg.skat.spiegelFlag)) gewonnen = false;
            if (sp.spitze && sp.spitzeFalsch) {
                spitzeFalsch = true;
                gewonnen = false;
                erreicht = 0;
            }
            hand zwoelf = gegebeneHand(allein);
            handAnhaengen(zwoelf, skatOriginal());
            bool mit = false;
            const int spitzen = mitOhne(zwoelf, mit, sp.typ);
            int m = spitzen + 1;
            rechnung = std::string(mit ? "Mit " : "Ohne ") + zahl(spitzen) + " - Spiel " + zahl(m) + " ";
            if (handSpiel) rechnung += "- Hand " + zahl(++m) + " ";
            auto stufeZeigen = [&](bool gilt, int stufe) {
                if (!gilt) return;
                rechnung += "- " + w(stufenNamen[stufe]) + " " + zahl(++m) + " ";
            };
            stufeZeigen(erreicht >= kSchneider || angesagt >= kSchneiderAngesagt, kSchneider);
            stufeZeigen(angesagt >= kSchneiderAngesagt, kSchneiderAngesagt);
            stufeZeigen(erreicht >= kSchwarz || angesagt >= kSchwarzAngesagt, kSchwarz);
            stufeZeigen(angesagt >= kSchwarzAngesagt, kSchwarzAngesagt);
            stufeZeigen(angesagt >= kOffen, kOffen);
            if (sp.spitze) rechnung += "- Spitze " + zahl(++m) + " ";
            if (sp.rum) rechnung += "- Rum " + zahl(++m) + " ";
            wert = Grundwert[sp.typ] * m;
            rechnung += "- mal " + typName(sp.typ) + " ergibt " + zahl(wert);
            sp.faktor = m;
        }
        // One multiplier, fixed above, decides both the value and whether the bid was too high.
        if (wert < sp.reizwert) {
            sp.typ2 = sp.typ;
            sp.typ = kUeberreizt;
        }
    }

    bool bockZaehlt = true;
    if (sp.typ == kUeberreizt) {
        gewonnen = false;
        bockZaehlt = false;
        kopf = name(allein) + " " + w("hat überreizt");
        label = w("Überreizt");
        wert = sp.typ2 != kUeberreizt && sp.typ2 != kKeinSpiel ? kleinsterReizwert(sp.reizwert, sp.typ2)
                                                               : sp.reizwert;
        rechnung = "Gereizt " + zahl(sp.reizwert) + " - Wert " + zahl(wert);
    } else if (sp.typ == kNull) {
        kopf = name(allein) + " " + (gewonnen ? "gewinnt das Nullspiel" : "verliert das Nullspiel");
        const bool offen = angesagt >= kOffen;
        label = std::string("Null ") + (handSpiel ? "Hand " : "") + (offen ? "Offen " : "") + zahl(wert);
        rechnung = label;
    } else {
        sp.stufe = static_cast<uint8_t>(std::max<int>(angesagt, erreicht));
        if (spitzeFalsch) {
            kopf = name(allein) + " " + "verliert, weil die 1. Spitze falsch benutzt wurde";
            sp.stufe = 0;
        } else {
            kopf = name(allein) + " " + (gewonnen ? "gewinnt mit " : "verliert mit ") + zahl(sp.augen) +
                   " Augen";
        }
        label = typName(sp.typ) + " " + zahl(wert);
    }

    r.spielWerte[2] = 0;
    if (bockZaehlt) {
        if (cg.skat.sonderMarke.str() == "B" && o.bockRamsch) {
            wert *= 2;
            rechnung += " - Bock " + zahl(wert);
            label = "Bock";
            r.spielWerte[2] = 1;
        }
        if (o.kontraRe)
            for (int k = 1; k <= sp.kontra && k <= 4; ++k) {
                wert *= 2;
                rechnung += " - " + kontraNamen[k] + " " + zahl(wert);
            }
    }
    if (!gewonnen) {
        wert = -(wert * 2);
        rechnung += " - Verloren " + zahl(wert);
    }
    sp.wert = wert;
    sp.gewonnen = gewonnen;
    r.spieler = allein;
    r.gewonnen = gewonnen;
    r.spielWerte[0] = sp.augen;
    r.spielWerte[1] = wert;
    r.text1 = label;
    r.text2 = kopf + "\r\r" + rechnung;
    verteilen(r, allein, wert, gewonnen);
}

void serieAnhaengen(const std::string& grund, std::string& text) {
    static const int anzahl[6] = {0, 0, 1, 3, 6, 9};
    text += "\r" + grund + " - Neue Bock/Ramschrunde";
    std::string q = warteschlange();
    const int b = num::clamp<int>(cg.skat.optionen.bockrunden, 1, 5);
    const int rr = num::clamp<int>(cg.skat.optionen.ramschrunden, 1, 5);
    q += std::string(static_cast<size_t>(anzahl[b]), 'B');
    q += std::string(static_cast<size_t>(anzahl[rr]), 'R');
    if (q.size() > 255) q.resize(255);  // the queue's room; a longer series is cut
    cg.skat.spiegelText = q;
}

int sonderspielAnzahl() {
    static const int anzahl[6] = {0, 0, 1, 3, 6, 9};
    return anzahl[num::clamp<int>(cg.skat.optionen.bockrunden, 1, 5)] +
           anzahl[num::clamp<int>(cg.skat.optionen.ramschrunden, 1, 5)];
}

void bockRamsch(const TGameResult& r, std::string& text) {
    const TSkatOptionen& o = cg.skat.optionen;
    const TSkatSpiel& sp = cg.skat.spiel;
    if (!o.bockRamsch) return;
    const bool ramsch = sp.ramsch != 0;
    const bool gewoehnlich = !ramsch && ((sp.typ >= 1 && sp.typ <= 4) || sp.typ == kGrand);
    const bool grandHand = sp.typ == kGrand && sp.hand && !ramsch;
    if (o.beiEingepasst && sp.typ == kEingepasst && !ramsch) serieAnhaengen("Spiel wurde eingepasst", text);
    if (o.kontraVerloren && sp.kontra > 0 && !r.gewonnen && !ramsch) serieAnhaengen("Kontra verloren", text);
    if (o.grandHandGewonnen && grandHand && r.gewonnen) serieAnhaengen("Grand Hand gewonnen", text);
    if (o.grandHandVerloren && grandHand && !r.gewonnen) serieAnhaengen("Grand Hand verloren", text);
    if (o.ueber100 && (sp.wert > 100 || sp.wert < -100)) serieAnhaengen(w("Spiel über 100"), text);
    if (o.nach6060 && gewoehnlich && sp.augen == 60) serieAnhaengen("Augenzahl 60:60", text);
    if (o.schneider && gewoehnlich && sp.augen <= 30) serieAnhaengen("Spieler ist Schneider", text);
    const int gespielt = cg.spielliste.runden + 1;
    if (o.spielabschluss && o.limit - gespielt == sonderspielAnzahl() && sonderspielAnzahl() > 0)
        serieAnhaengen("Spielabschluss (Noch " + zahl(o.limit - gespielt) + " Spiele)", text);
}

void abrechnungText(const TGameResult& r, std::string& text) {
    // A deal nobody played has no declarer who could win or lose it.
    if (cg.skat.spiel.typ == kEingepasst && !cg.skat.spiel.ramsch) {
        text = r.text2;
        return;
    }
    const int seat = std::clamp<int>(r.spieler, 1, 3);
    text = name(seat) + (r.gewonnen ? " gewinnt das Spiel mit " : " verliert das Spiel mit ") +
           zahl(r.spielWerte[0]) + " Augen.\r" + r.text2;
}

bool partieEnde() { return cg.skat.optionen.limit <= cg.spielliste.runden; }

void limitText(std::string& text) {
    const int gespielt = cg.spielliste.runden;
    text = zahl(gespielt) + (gespielt == 1 ? " Spiel von " : " Spiele von ") + zahl(cg.skat.optionen.limit) +
           " gespielt.";
    if (cg.skat.optionen.bockRamsch) {
        std::string q = warteschlange();
        if (q.size() >= 31) q = q.substr(0, 29) + "..";
        text += " Sonderspiele: " + (q.empty() ? std::string("Keine") : q);
    }
}

void highscoreText(std::string& text) {
    int kategorie = cg.skat.optionen.liste ? 1 : 2;
    if (cg.spielliste.runden > 12) kategorie = 3;
    // Entered and written to the file at once: a crash later in the session keeps it.
    text =
        highscore::eintragenText(cg.highscore, spiele::kSkat, kategorie, cg.konto[1], name(1).substr(0, 100));
}

}  // namespace skat
