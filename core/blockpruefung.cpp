#include "core/blockpruefung.h"

#include "platform/text.h"

namespace blockpruefung {

bool Befund::zahl(int64_t v, int64_t lo, int64_t hi, const std::string& was) {
    if (!ok()) return false;
    if (v >= lo && v <= hi) return true;
    text_ = was + " " + text::fromInt(v);
    return false;
}

bool Befund::karte(const ::karte& k, int tMax, const std::string& was) {
    if (!ok()) return false;
    if (k.t <= tMax && k.f <= 4) return true;
    text_ = was + ": Karte " + text::fromInt(k.t) + "/" + text::fromInt(k.f);
    return false;
}

namespace {
template <class H>
bool karten(Befund& b, const H& h, int max, int tMax, const std::string& was) {
    if (!b.zahl(h.anz, 0, max, was + ": Kartenzahl")) return false;
    for (int i = 1; i <= h.anz; ++i)
        if (!b.karte(h.at(i), tMax, was)) return false;
    return true;
}
}  // namespace

bool Befund::hand(const ::hand& h, int max, int tMax, const std::string& was) {
    return karten(*this, h, max, tMax, was);
}
bool Befund::hand64(const ::hand64& h, int max, int tMax, const std::string& was) {
    return karten(*this, h, max, tMax, was);
}

bool Befund::stapel(const TCG& g, int tMax) {
    for (int s = 1; s <= 20; ++s) {
        const TStapelListe& l = g.stapelListen[s];
        const int32_t n = l.anz;
        for (int i = 1; i <= n && i <= kHandMax; ++i)
            if (!karte(l.k[i - 1], tMax, "Stapel " + text::fromInt(s))) return false;
    }
    return ok();
}

bool Befund::fehler(const std::string& text) {
    if (ok()) text_ = text;
    return false;
}

void gemeinsam(Befund& b, const TCG& g, const Rahmen& r) {
    b.zahl(g.ablauf.anzSpieler, r.spielerMin, r.spielerMax, "Spielerzahl");
    b.zahl(g.phase.nr, 0, r.phaseMax, "Phase");
    b.zahl(g.aktSpieler, 0, r.amZugMax, "Spieler am Zug");
    b.stapel(g, r.tMax);
    b.hand(g.gespielteHand, kHandMax, 14, "gegebene Karten");
    // Every game's computer players may read these; only their counts bound the reads.
    for (int i = 1; i <= 20; ++i)
        b.hand(g.bekannteKarten.at(i), kHandMax, 14, "bekannte Karten " + text::fromInt(i));
}

}  // namespace blockpruefung
