// Saved games of every game, loaded back: what the games write in any state is taken, a save
// whose game part is damaged or whose game is not the game of its file is refused with the
// running game left as it was, and a load over flying cards keeps every card.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/central.h"
#include "core/spiele.h"
#include "core/spielstand.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/spielstaende/alle_spiele.h"
#include "gui/pvl.h"
#include "harness/lib/harness.h"
#include "platform/fileio.h"
#include "platform/msgsink.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/tischdienste.h"

namespace {

namespace fs = std::filesystem;

// The save folder of this process (ctest runs test programs side by side) with the table's
// save hooks and a live table dialog.
struct Ordner {
    // In memory where there is such a folder: every save is written and synced.
    fs::path pfad = (fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) /
                    ("spielstaende_test_" + std::to_string(getpid()));
    Ordner() {
        tischdienste::anbinden(spielstand::anbindung);
        static pvl::TPVLDialog panel{};
        spielstand::anbindung.ipanel = [] { return &panel; };
        fs::create_directories(pfad);
    }
    ~Ordner() {
        std::error_code ec;
        fs::remove_all(pfad, ec);
        spielstand::anbindung = spielstand::Anbindung{};
    }
};

harness::Einstellung einstellung(const alle_spiele::Spiel& s, uint64_t seed) {
    harness::Einstellung e;
    e.spielId = s.id;
    e.spieler = s.spieler;
    e.seed = seed;
    return e;
}

void vorbereiten(const alle_spiele::Spiel& s) {
    skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
    alle_spiele::anmelden();
    alle_spiele::vorbereiten(s.id, s.spieler);
}

bool ruhig(const TCG& g) { return glu::zugliste.anz == 0 && g.bewegungWarten.aktiv == 0; }

int kartenAufDemTisch() {
    int n = 0;
    for (int s = 1; s <= 20; ++s) n += harness::anzahl(s);
    return n;
}

// Plays on; a round that has been over for a while is followed by the next (or a new match).
void weiterSpielen(harness::Lauf& lauf, int frames) {
    int stehend = 0;
    for (int i = 0; i < frames && !lauf.fehlgeschlagen(); ++i) {
        lauf.frame();
        stehend = alle_spiele::rundeVorbei(cg) && ruhig(cg) ? stehend + 1 : 0;
        if (stehend > 50) {
            const spiele::Eintrag* e = spiele::eintrag(cg.spielId);
            const bool ende = e && e->partieEnde && e->partieEnde();
            if (!lauf.starten(ende ? 0 : 1)) return;
            stehend = 0;
        }
    }
}

std::string lesen(const fs::path& p) {
    std::string s;
    EXPECT_TRUE(fileio::readAll(p, s)) << p;
    return s;
}
void schreiben(const fs::path& p, const std::string& s) {
    ASSERT_TRUE(fileio::writeAll(p, reinterpret_cast<const uint8_t*>(s.data()), s.size())) << p;
}

// The record a load checks: the running one with the file laid over it.
std::unique_ptr<TCG> ausDatei(const std::string& spiel) {
    auto rec = std::make_unique<TCG>();
    std::memcpy(static_cast<void*>(rec.get()), &cg, sizeof(TCG));
    std::memcpy(reinterpret_cast<uint8_t*>(rec.get()) + spielstand::kBildAnfang, spiel.data(),
                spielstand::kBildGroesse);
    return rec;
}

std::string meldungen() {
    std::string alle;
    for (const std::string& t : msgsink::recorded()) alle += text::toUtf8(t) + "\n";
    return alle;
}

template <class T>
void setzen(std::string& spiel, size_t cgOffset, T wert) {
    std::memcpy(spiel.data() + cgOffset - spielstand::kBildAnfang, &wert, sizeof wert);
}

}  // namespace

// Every game's own state must pass its check, in every phase: checked after every frame of
// several rounds, and through a real save file every 40 frames.
TEST(Spielstaende, WhatEveryGameWritesInAnyStateIsTaken) {
    for (const alle_spiele::Spiel& s : alle_spiele::kSpiele) {
        SCOPED_TRACE(testing::Message() << "game " << s.id);
        harness::Lauf lauf(einstellung(s, 5));
        vorbereiten(s);
        Ordner ordner;
        int frame = 0, dateien = 0;
        lauf.invariante = [&](const TCG& g, std::string& warum) {
            const std::string code = spielstand::spielCode(g);
            warum = spielstand::geladenesSpielPruefen(g, "lebend", code);
            if (!warum.empty() || ++frame % 40 != 0) return warum.empty();
            if (!spielstand::spielSpeichern(cg, ordner.pfad, "stand", true)) {
                warum = "nicht gespeichert";
                return false;
            }
            ++dateien;
            const std::string datei = lesen(spielstand::spielDatei(ordner.pfad, "stand", code));
            warum = spielstand::spielPruefen(datei) +
                    spielstand::dialogPruefen(lesen(spielstand::dialogDatei(ordner.pfad, "stand", code)));
            if (warum.empty()) warum = spielstand::geladenesSpielPruefen(*ausDatei(datei), "stand", code);
            return warum.empty();
        };
        ASSERT_TRUE(lauf.starten());
        weiterSpielen(lauf, 4000);
        EXPECT_FALSE(lauf.fehlgeschlagen());
        EXPECT_GE(dateien, 100);
    }
}

// A save made in the middle of play loads, and the game plays on from it.
TEST(Spielstaende, ASaveOfEveryGameLoadsAndPlaysOn) {
    for (const alle_spiele::Spiel& s : alle_spiele::kSpiele) {
        SCOPED_TRACE(testing::Message() << "game " << s.id);
        harness::Lauf lauf(einstellung(s, 9));
        vorbereiten(s);
        Ordner ordner;
        ASSERT_TRUE(lauf.starten());
        weiterSpielen(lauf, 700);
        ASSERT_GE(lauf.bis(ruhig), 0);
        const std::string code = spielstand::spielCode(cg);
        ASSERT_TRUE(spielstand::spielSpeichern(cg, ordner.pfad, "mitte", true));
        weiterSpielen(lauf, 300);
        ASSERT_TRUE(spielstand::spielLaden(cg, ordner.pfad, "mitte", code)) << meldungen();
        ASSERT_TRUE(central::nachLaden(cg));
        weiterSpielen(lauf, 1500);
        EXPECT_FALSE(lauf.fehlgeschlagen());
    }
}

// Damaged saves: each is refused with its fault named, and the running game is not touched.
TEST(Spielstaende, DamagedSavesAreRefusedAndTheRunningGameStays) {
    struct Fall {
        int spiel;  // the game that wrote the save
        size_t offset;
        int32_t wert;
        int bytes;             // 1, 2 or 4
        const char* erwartet;  // in the message
    };
    const size_t sn = offsetof(TCG, schnapsen), dk = offsetof(TCG, doppelkopf) + offsetof(TDoppelkopf, z);
    const size_t sk = offsetof(TCG, schafkopf);
    const Fall faelle[] = {
        // The seat that leads the first trick picks a stack far outside the table.
        {spiele::kSechsundsechzig, sn + offsetof(TSchnapsen, startSitz), 7, 4,
         "Sechsundsechzig ist beschädigt (Startsitz 7)"},
        // A negative count lets the computer player write before the list.
        {spiele::kSchwimmen, offsetof(TCG, bekannteKarten) + 2 * sizeof(hand) + offsetof(hand, anz), -5, 2,
         "(bekannte Karten 3: Kartenzahl -5)"},
        // The game-id byte names another game than the file's.
        {spiele::kCanasta, offsetof(TCG, spielId), spiele::kSkat, 1, "enthält ein anderes Spiel (Skat)"},
        {spiele::kCanasta, offsetof(TCG, spielId), spiele::kPoker, 1, "enthält ein anderes Spiel"},
        {spiele::kSkat, offsetof(TCG, spielId), spiele::kJass, 1, "enthält ein anderes Spiel (Jass)"},
        {spiele::kMauMau, offsetof(TCG, maumau) + offsetof(TMaumau, wunschFarbe), 9, 4, "(Wunschfarbe 9)"},
        {spiele::kSkat, offsetof(TCG, skat) + offsetof(TSkat, spiel) + offsetof(TSkatSpiel, alleinspieler), 4,
         4, "(Alleinspieler 4)"},
        {spiele::kSchwimmen, offsetof(TCG, stapelListen) + sizeof(TStapelListe), 20, 1,
         "(Stapel 1: Karte 20/"},
        {spiele::kRomme, offsetof(TCG, romme) + offsetof(TRomme, saetze), 0, 4, "(Kartenspiele 0)"},
        {spiele::kCanasta, offsetof(TCG, canasta) + offsetof(TCanasta, maxzug), 31, 4, "(bester Zug 31)"},
        {spiele::kDoppelkopf, dk + offsetof(TDoppelkopfZustand, stichAnz), 9, 4, "(Stichkarten 9)"},
        {spiele::kSchafkopf, sk + offsetof(TSchafkopf, spiel), 12, 1, "(Spiel 12)"},
        {spiele::kSchnapsen, sn + offsetof(TSchnapsen, sperrSitz), 3, 4,
         "Schnapsen ist beschädigt (Sperrsitz 3)"},
        {spiele::kPoker, offsetof(TCG, poker) + offsetof(TPoker, dealer), 9, 4, "(Dealer 9)"},
        {spiele::kBlackJack,
         offsetof(TCG, blackjack) + offsetof(TBlackjack, ki) + offsetof(TBlackjackKI, index), -1, 4,
         "(gesehene Karten -1)"},
        {spiele::kSiebzehnUndVier, offsetof(TCG, aktSpieler), 9, 4,
         "17 und 4 ist beschädigt (Spieler am Zug 9)"},
        {spiele::kJass, offsetof(TCG, jass) + offsetof(TJass, trumpf), 20, 4, "(Trumpf 20)"},
        {spiele::kMauMau, offsetof(TCG, ablauf) + offsetof(TAblauf, anzSpieler), 1, 4, "(Spielerzahl 1)"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "game " << f.spiel << " at +" << f.offset);
        alle_spiele::Spiel s{f.spiel, 4};
        for (const alle_spiele::Spiel& x : alle_spiele::kSpiele)
            if (x.id == f.spiel) s = x;
        harness::Lauf lauf(einstellung(s, 3));
        vorbereiten(s);
        Ordner ordner;
        ASSERT_TRUE(lauf.starten());
        weiterSpielen(lauf, 400);
        ASSERT_GE(lauf.bis(ruhig), 0);
        const std::string code = spielstand::spielCode(cg);
        ASSERT_TRUE(spielstand::spielSpeichern(cg, ordner.pfad, "gut", true));
        std::string spiel = lesen(spielstand::spielDatei(ordner.pfad, "gut", code));
        if (f.bytes == 1) setzen(spiel, f.offset, static_cast<uint8_t>(f.wert));
        if (f.bytes == 2) setzen(spiel, f.offset, static_cast<int16_t>(f.wert));
        if (f.bytes == 4) setzen(spiel, f.offset, f.wert);
        schreiben(spielstand::spielDatei(ordner.pfad, "kaputt", code), spiel);
        schreiben(spielstand::dialogDatei(ordner.pfad, "kaputt", code),
                  lesen(spielstand::dialogDatei(ordner.pfad, "gut", code)));

        weiterSpielen(lauf, 50);
        const std::vector<uint8_t> vorher(reinterpret_cast<const uint8_t*>(&cg),
                                          reinterpret_cast<const uint8_t*>(&cg) + sizeof(TCG));
        const int karten = kartenAufDemTisch();
        EXPECT_FALSE(spielstand::spielLaden(cg, ordner.pfad, "kaputt", code));
        ASSERT_EQ(msgsink::recorded().size(), 1u);
        const std::string meldung = msgsink::recorded().front();
        msgsink::clear();
        EXPECT_EQ(meldung.rfind(text::w("Fehler beim Laden des Spielstands: "), 0), 0u)
            << text::toUtf8(meldung);
        EXPECT_NE(meldung.find(text::w(f.erwartet)), std::string::npos) << text::toUtf8(meldung);
        EXPECT_EQ(std::memcmp(vorher.data(), &cg, sizeof(TCG)), 0);
        EXPECT_EQ(kartenAufDemTisch(), karten);
        // The same save undamaged loads.
        EXPECT_TRUE(spielstand::spielLaden(cg, ordner.pfad, "gut", code));
    }
}

// A load while cards are flying: the moves under way belong to the game being left, so the loaded
// table keeps exactly the cards of the save, over the same game and over another one.
TEST(Spielstaende, LoadOverFlyingCardsKeepsEveryCard) {
    struct Fall {
        int gespeichert;  // the game of the save
        int laufend;      // the game running when it is loaded
    };
    const Fall faelle[] = {
        {spiele::kPoker, spiele::kPoker},
        {spiele::kPoker, spiele::kRomme},
        {spiele::kBlackJack, spiele::kBlackJack},
        {spiele::kBlackJack, spiele::kMauMau},
        {spiele::kSiebzehnUndVier, spiele::kSiebzehnUndVier},
        {spiele::kSiebzehnUndVier, spiele::kSkat},
    };
    auto spielVon = [](int id) {
        for (const alle_spiele::Spiel& x : alle_spiele::kSpiele)
            if (x.id == id) return x;
        return alle_spiele::Spiel{id, 4};
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "game " << f.gespeichert << " over " << f.laufend);
        Ordner ordner;
        std::string code;
        int gespeichert = 0;
        {
            harness::Lauf lauf(einstellung(spielVon(f.gespeichert), 4));
            vorbereiten(spielVon(f.gespeichert));
            ASSERT_TRUE(lauf.starten());
            weiterSpielen(lauf, 500);
            ASSERT_GE(lauf.bis([](const TCG& g) { return ruhig(g) && kartenAufDemTisch() > 0; }), 0);
            code = spielstand::spielCode(cg);
            gespeichert = kartenAufDemTisch();
            ASSERT_GT(gespeichert, 0);
            ASSERT_TRUE(spielstand::spielSpeichern(cg, ordner.pfad, "ruhig", true));
        }
        harness::Lauf lauf(einstellung(spielVon(f.laufend), 6));
        vorbereiten(spielVon(f.laufend));
        ASSERT_TRUE(lauf.starten());
        ASSERT_GE(lauf.bis([](const TCG&) { return glu::zugliste.anz >= 2; }), 0);
        ASSERT_TRUE(spielstand::spielLaden(cg, ordner.pfad, "ruhig", code));
        ASSERT_TRUE(central::nachLaden(cg));
        EXPECT_EQ(kartenAufDemTisch(), gespeichert);
        ASSERT_GE(lauf.bis(ruhig), 0);
        EXPECT_EQ(kartenAufDemTisch(), gespeichert);
    }
}
