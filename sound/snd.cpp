#include "sound/snd.h"

#include <system_error>

#include "core/gtool.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "sound/mp3.h"
#include "table/glu.h"

namespace {

namespace fs = std::filesystem;

bool existiert(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

struct Art {
    int art;
    const char* name;
    bool amPlatz;
};
// The effect kinds: 1..3 the GUI's centred clicks, the rest placed at the card.
constexpr Art kArten[] = {
    {1, "up", false},    {2, "down", false},  {3, "over", false},    {10, "_leg", true},
    {11, "_sel", true},  {12, "_zieh", true}, {13, "_sel", true},    {14, "_x", true},
    {15, "_sel", true},  {16, "_x", true},    {17, "applaus", true}, {20, "_cleg", true},
    {21, "_zieh", true}, {30, "_eleg", true}, {31, "_zieh", true},   {32, "poch", true}};

// The speech queue counts a sentence as still speaking until this much of it is left, told in
// bytes of 16-bit mono at 22,050 Hz (a quarter second), so the next one follows without a gap.
constexpr double kNachlaufBytes = 10000.0;
constexpr double kNachlaufRate = 44100.0;

// The music is decoded this far ahead of what plays (frames), a second and a half: a frame
// loop that stalls that long is already unusable.
constexpr size_t kMusikVorlauf = mixer::kRate * 3 / 2;

}  // namespace

TSoundContainer::TSoundContainer(Umgebung u) : u_(std::move(u)) {
    geraet = std::make_unique<isg::TISGSound>(u_.ausgabe);
    keinSound = !geraet->vorhanden();
    if (!keinSound) geraet->SetCooperativeLevel(0);
    // The music plays in our mixer: without a device there is nobody to hear it.
    keinMusikSpieler = keinSound;
}

TSoundContainer::~TSoundContainer() {
    for (auto& s : ring) s.reset();
    if (musikOffen) stoppen();
}

void TSoundContainer::loggen(const std::string& s) const {
    if (u_.log) u_.log(s);
}

// ---- effects ----

fs::path TSoundContainer::sampleDatei(const std::string& name) const {
    auto voll = [&](const std::string& n) {
        const fs::path p(text::toUtf8(n));
        return p.is_absolute() ? p : u_.ordner / p;
    };
    std::string n = name;
    fs::path p = voll(n);
    // "Anna_.wav" (a name asked as a question) falls back to "Anna.wav".
    if (!existiert(p) && n.size() >= 5 && n[n.size() - 5] == '_') {
        n.erase(n.size() - 5, 1);
        p = voll(n);
    }
    if (!existiert(p)) {
        p = u_.ordner / "data" / "sound" / text::toUtf8(name + ".wav");
        if (!existiert(p)) p = u_.ordner / "data" / "sound" / text::toUtf8(name + ".mp3");
        if (!existiert(p)) return fs::path();
    }
    // Variants: stem2.ext, stem3.ext, ... counted up to the first gap; each equally likely.
    const std::string s = p.string();
    if (s.size() < 4) return p;
    const std::string stamm = s.substr(0, s.size() - 4), ext = s.substr(s.size() - 4);
    int n2 = 1;
    while (existiert(fs::path(stamm + std::to_string(n2 + 1) + ext))) ++n2;
    const int r = rnd::random(n2) + 1;
    return r > 1 ? fs::path(stamm + std::to_string(r) + ext) : p;
}

int TSoundContainer::daempfung(int level) {
    if (level >= 90) return 0;
    if (level < 1) return mixer::kStill;
    if (level < 10) return -1300;
    return -150 * (9 - level / 10);
}

bool TSoundContainer::spieleSound(const std::string& name, int seat, bool sprache, int pan, int level) {
    const fs::path datei = sampleDatei(name);
    const bool gefunden = !datei.empty();
    if (!gefunden || keinSound || (u_.schliesst && u_.schliesst())) return gefunden;
    ringZaehler = ringZaehler >= 9 ? 1 : ringZaehler + 1;
    const int i = ringZaehler - 1;
    ring[i].reset();
    ringZustand[i] = 0;
    ringSitz[i] = 0;
    ring[i] = std::make_unique<isg::TISGSoundFileSample>(*geraet, 8 + 4, datei);
    isg::TISGSoundFileSample& s = *ring[i];
    if (!s.hatPuffer()) return gefunden;  // a damaged file (logged by the loader) never plays
    s.SetVol(daempfung(level));
    s.SetPan(pan * 12);
    if (level >= 1) {
        s.Play();
        ringSitz[i] = seat > 0 ? seat : 0;
        ringZustand[i] = sprache ? 1 : 0;
    }
    return gefunden;
}

int TSoundContainer::platzPan(int seat, int n) {
    if (seat == 1 || n < 3) return 0;
    return static_cast<int>(num::round(static_cast<double>((seat - 2) * 2 + 2 - n) / (n - 2) * 100.0));
}

void TSoundContainer::spielePlatz(const std::string& datei, int seat) {
    if (schnell()) return;
    try {
        spieleSound(datei, seat, true, platzPan(seat, glu::anzSitze), stimmenVol);
    } catch (const isg::EISGError& e) {
        loggen(e.what());
    }
}

void TSoundContainer::effektPosition(int holder, int slot, int& level, int& pan) const {
    level = 100;
    pan = 0;
    const int h = holder;
    if (holder < 1 || slot < 1 || h > kStapel || slot > kSlots) return;
    const TSpieler& s = glu::spieler[h - 1];
    const double x = num::round(static_cast<double>(s.pos.v[0]) + static_cast<double>(s.at(slot).x));
    const double z = num::round(static_cast<double>(s.pos.v[2]));
    level = static_cast<int>(num::clamp<int64_t>(num::round(120.0 + z / 14.0), 0, 100));
    int64_t p = num::round((x - 650.0) / 5.6);
    // The human's own cards lie close to the listener: spread them wider.
    if (holder == 1) p *= 3;
    pan = static_cast<int>(num::clamp<int64_t>(p, -100, 100));
}

void TSoundContainer::effekt(int art, int holder, int slot) {
    if (keinSound || effekteVol <= 0 || schnell()) return;
    for (const Art& a : kArten) {
        if (a.art != art) continue;
        try {
            if (!a.amPlatz) {
                spieleSound(a.name, 0, false, 0, effekteVol);
            } else {
                int level = 100, pan = 0;
                effektPosition(holder, slot, level, pan);
                spieleSound(a.name, 0, false, pan, effekteVol * level / 100);
            }
        } catch (const isg::EISGError& e) {
            // A sound that fails inside the card engine's frame is skipped, never fatal.
            loggen(e.what());
        }
        return;
    }
}

int TSoundContainer::stufeZuLautstaerke(int stufe) {
    static constexpr int kWerte[] = {100, 100, 60, 40, 24, 12, 0};
    return kWerte[num::clamp(stufe, 1, 6)];
}

void TSoundContainer::lautstaerken(bool apply) {
    const Optionen o = u_.optionen ? u_.optionen() : Optionen{};
    kanalLautstaerke(stufeZuLautstaerke(o.stimmen), 2, apply);
    kanalLautstaerke(stufeZuLautstaerke(o.effekte), 3, apply);
    kanalLautstaerke(stufeZuLautstaerke(o.musik), 1, apply);
}

void TSoundContainer::kanalLautstaerke(int wert, int kanal, bool apply) {
    // Effects and voices keep their volume even without a music player.
    if (kanal == 0 || kanal == 1) {
        musikVol = wert;
        if (apply && !keinMusikSpieler) mciLautstaerke(wert);
    }
    if (kanal == 0 || kanal == 2) stimmenVol = wert;
    if (kanal == 0 || kanal == 3) effekteVol = wert;
}

// ---- speech queue ----

void TSoundContainer::sprachEinreihen(const std::string& datei, const std::string& text, int seat) {
    if (queueAnzahl >= kQueue) return;
    queue[static_cast<size_t>(queueAnzahl)] = Eintrag{datei, text, seat};
    ++queueAnzahl;
}

int TSoundContainer::sprachQueue(int seat) {
    if (keinSound) return 0;
    int ergebnis = 0;
    for (int i = 0; i < kRing; ++i) {
        if (!ring[i] || !ring[i]->hatPuffer() || ringZustand[i] != 1) continue;
        if (seat != 0 && ringSitz[i] != seat) continue;
        if (!ring[i]->GetPlayStatus()) continue;
        const double rest = static_cast<double>(ring[i]->groesse()) - ring[i]->GetCursorPos();
        if (rest * kNachlaufRate > kNachlaufBytes * ring[i]->byteRate()) ergebnis = 3;
    }
    if (seat != 0 || ergebnis == 3 || queueAnzahl == 0) return ergebnis;
    const Eintrag e = queue[0];
    for (int i = 1; i < queueAnzahl; ++i) queue[static_cast<size_t>(i - 1)] = queue[static_cast<size_t>(i)];
    queue[static_cast<size_t>(queueAnzahl - 1)] = Eintrag{};
    --queueAnzahl;
    spielePlatz(e.datei, e.sitz);
    if (!e.text.empty()) gtool::sagen(e.text, e.sitz, 0, false);
    return 3;
}

// ---- music ----

std::string TSoundContainer::musterAusWahl(int wahl) {
    static const char* const kMuster[] = {"xx", "1x", "2x", "11", "12", "13", "14", "15", "16", "17", "18",
                                          "19", "21", "22", "23", "24", "25", "26", "27", "28", "29"};
    if (wahl < 1 || wahl > 21) return std::string();
    return kMuster[wahl - 1];
}

fs::path TSoundContainer::titelName(int s, int t) const {
    return u_.ordner / "data" / "music" / (std::to_string(s) + std::to_string(t) + ".mp3");
}

bool TSoundContainer::musikMoeglich() const { return musikVol >= 1 && !keinMusikSpieler && !musikPausiert; }

bool TSoundContainer::oeffnen(const fs::path& p) {
    letzteMusik = p.string();
    if (u_.musikOeffnen) return u_.musikOeffnen(p);
    strom_ = std::make_unique<mp3::Strom>();
    std::string grund;
    if (!strom_->oeffnen(p, grund)) {
        strom_.reset();
        loggen("Music file refused (" + grund + "): " + p.string());
        return false;
    }
    mixer::musikStarten();
    fuellen();
    return true;
}

void TSoundContainer::fuellen() {
    if (!strom_) return;
    std::vector<int16_t> stueck;
    while (!strom_->fertig() && mixer::musikGepuffert() < kMusikVorlauf) {
        stueck.clear();
        strom_->lesen(stueck, 4096);
        mixer::musikSchreiben(stueck.data(), stueck.size() / 2);
    }
    if (strom_->fertig()) {
        if (!strom_->grund().empty()) loggen("Music file damaged (" + strom_->grund() + "): " + letzteMusik);
        mixer::musikFertig();
        strom_.reset();
    }
}

void TSoundContainer::stoppen() {
    if (u_.musikStoppen) {
        u_.musikStoppen();
    } else {
        strom_.reset();
        mixer::musikStoppen();
    }
    musikOffen = false;
}

void TSoundContainer::mciLautstaerke(int wert) { mixer::musikLautstaerke(wert * 10); }

void TSoundContainer::naechsterTitel() {
    if (keinMusikSpieler) return;
    if (muster.size() < 2) muster = "xx";
    int titelSchritte = 0, stilSchritte = 0;
    if (muster[1] >= '0' && muster[1] <= '9')
        titel = muster[1] - '0';
    else
        titelSchritte = rnd::random(9) + 1;
    if (muster[0] >= '0' && muster[0] <= '9')
        stil = muster[0] - '0';
    else
        stilSchritte = rnd::random(9) + 1;
    for (int i = 0; i < stilSchritte; ++i) {
        ++stil;
        if (!existiert(titelName(stil, 1))) stil = 1;
    }
    for (int i = 0; i < titelSchritte; ++i) {
        ++titel;
        if (!existiert(titelName(stil, titel))) titel = 1;
    }
    // A fixed style or track that does not exist falls back to track 1; without that either
    // (or without a music folder) the music just stays off.
    if (!existiert(titelName(stil, titel))) titel = 1;
    if (musikOffen) stoppen();
    if (!existiert(titelName(stil, titel))) return;
    if (!oeffnen(titelName(stil, titel))) return;  // logged; effects and later tracks go on
    musikOffen = true;
    lautstaerken(true);
}

void TSoundContainer::musikMuster(const std::string& m) {
    muster = m;
    naechsterTitel();
}

void TSoundContainer::musikEinstellen(bool restart) {
    // The volumes of effects and voices are taken even when there is no music player.
    lautstaerken(false);
    if (keinMusikSpieler) return;
    const std::string m = musterAusWahl(u_.optionen ? u_.optionen().musikWahl : 1);
    if (musikVol < 1) {
        benachrichtigen = false;
        musikPausiert = true;
        if (musikOffen) stoppen();
        return;
    }
    benachrichtigen = true;
    if (m != muster || restart || musikPausiert) musikMuster(m);
    lautstaerken(true);
    musikPausiert = false;
}

void TSoundContainer::musikEnde() {
    if (keinMusikSpieler || musikPausiert || musikVol < 1) return;
    const bool laeuft = u_.musikLaeuft ? u_.musikLaeuft() : mixer::musikLaeuft();
    if (!laeuft) naechsterTitel();
}

void TSoundContainer::musikDatei(const std::string& name) {
    if (!musikMoeglich()) return;
    if (u_.einfrieren) u_.einfrieren(true);
    muster.clear();
    if (musikOffen) stoppen();
    const fs::path p = u_.ordner / "data" / "music" / text::toUtf8(name + ".mp3");
    // One more try, as with a fresh player; a second failure is only logged.
    musikOffen = oeffnen(p) || oeffnen(p);
    lautstaerken(true);
    if (u_.einfrieren) u_.einfrieren(false);
}

void TSoundContainer::musikSchliessen() {
    if (musikOffen) stoppen();
    benachrichtigen = false;
}

void TSoundContainer::schritt() {
    fuellen();
    if (mixer::musikZuEnde() && benachrichtigen && musikOffen) musikEnde();
}
