// The hand library every game shares: appending with a range check, inserting, removing,
// finding, counting and filtering under the current game's trump rule, the Skat display sort,
// shuffling and card points. Indexes are 1-based like the records' at(i).
#pragma once
#include <string>

#include "core/karten.h"

// Append one card; a full hand shows "ACHTUNG! handaddk: Fehler bei Bereichsüberprüfung" and
// keeps its cards.
void handaddk(hand& h, const karte& k);
void handaddk64(hand64& h, const karte& k);
void handaddk25(hand25& h, const karte& k);
void handaddk25k(hand25& h, const kurzkarte& k);
// Sets each target card's tag to the index of an equal card of hsrc, each source card used once.
void xassignfromto(const hand& hsrc, hand& hdst);

namespace skat_1 {

// Card points by value code 1..15 (Skat values at start; games that count differently rewrite
// them). Element t-1 belongs to value code t.
extern int augen[15];
// Display-sort weights by value code 1..8 (element t-1), set by sortierGewichte.
extern double gewichte[8];
void augenZuruecksetzen();  // back to the Skat points

karte karteBilden(int t, int f);
void einzelkarte(const karte& k, hand& h);
void karteEinfuegen(hand& h, const karte& k, int pos);
void handAnhaengen(hand& dst, const hand& src);
void hand64Anhaengen(hand64& dst, const hand64& src);
void hand64Anhaengen2(hand64& dst, const hand64& src);
void handAbziehen(hand& dst, const hand& src);
void handAbziehenAlle(hand& dst, const hand& src);

void karteEntfernen(hand& h, const karte& k);
void karteEntfernen64(hand64& h, const karte& k);
void karteEntfernen25(hand25& h, const karte& k);
void karteAlleEntfernen(hand& h, const karte& k);
karte karteEntfernenBei(hand& h, int index);
karte karteEntfernenBei64(hand64& h, int index);
karte karteEntfernenBei25(hand25& h, int index);
int wertEntfernen(hand& h, int t);
void wertKarten(const hand& src, int t, hand& dst);
void wertKartenNehmen(hand& src, int t, hand& dst);

void handLeeren(hand& h);
void handLeeren2(hand& h);
void hand64Leeren(hand64& h);
void hand64Leeren2(hand64& h);
void hand25Leeren(hand25& h);
void nrNummerieren(hand& h);
void kartenTauschen(karte& a, karte& b);

int kartenIndex(const hand& h, const karte& k);
int kartenIndex64(const hand64& h, const karte& k);
int letzterKartenIndex(const hand& h, const karte& k);
int letzterWertIndex(const hand& h, int t);
bool enthaeltKarte(const hand& h, const karte& k);
bool enthaeltKarte64(const hand64& h, const karte& k);
bool enthaeltGenau(const hand& h, const karte& k);
bool enthaeltWert(const hand& h, int t);
bool enthaeltWert64(const hand64& h, int t);
int kartenAnzahl(const hand& h, const karte& k);
int kartenAnzahl2(const hand& h, const karte& k);
int wertAnzahl(const hand& h, int t);
int wertAnzahl64(const hand64& h, int t);
int wertAnzahl64Ref(const hand64& h, int t);

// farbe 1..4: a suit; 6: the trumps of the current game.
int farbAnzahl(const hand& h, int farbe);
int farbAnzahlOhneTrumpf(const hand& h, int farbe);
int farbAnzahl64(const hand64& h, int farbe);
int farbAnzahl64Ref(const hand64& h, int farbe);
int nurFarbe(hand& h, int farbe);
int nurFarbe64(hand64& h, int farbe);
int ohneFarbe(hand& h, int farbe);
void farbKarten(const hand& src, int farbe, hand& dst);
// mode 0: the suit StrToInt(farbText); mode 2: the trumps. dst := that part when teil, else the rest.
void farbeTeilen(const hand& h, int mode, const std::string& farbText, bool teil, hand& dst);
void bedienbareKarten(const hand& h, hand& dst);

bool istTrumpf(const karte& k);
bool istTrumpfSpiel(const karte& k);

karte zufallsKarte(hand& h);
void mischen(hand& h);
int augenSumme(const hand& h);
void sortierGewichte(int typ);
void handOrdnen(hand& h, int typ);
int nullUnsicher(const hand& a, const hand& b, const hand& c, karte& erste, karte& zweite);

void handZuHand64(const hand& src, hand64& dst);
void hand64ZuHand(const hand64& src, hand& dst);
void handZuHand25(const hand& src, hand25& dst);
void hand25ZuHand(const hand25& src, hand& dst);

}  // namespace skat_1
