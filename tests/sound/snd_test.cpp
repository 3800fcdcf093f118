#include "sound/snd.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "core/files_tempdir.h"
#include "platform/rnd.h"
#include "sound/mixer.h"
#include "table/glu.h"
#include "wav_fixture.h"

namespace {

namespace fs = std::filesystem;

class Snd : public files_test::ProgramFolder {
protected:
    void SetUp() override {
        files_test::ProgramFolder::SetUp();
        mixer::zuruecksetzen();
        isg::cacheLeeren();
        rnd::seed(7);
        glu::reset();
    }
    void TearDown() override {
        snd.reset();
        mixer::zuruecksetzen();
        isg::cacheLeeren();
        files_test::ProgramFolder::TearDown();
    }
    void datei(const std::string& rel, size_t frames = 2205) {
        wavfix::schreiben(dir_ / rel, wavfix::pcm16(frames));
    }
    TSoundContainer& machen() {
        TSoundContainer::Umgebung u;
        u.ordner = dir_;
        u.ausgabe = isg::TISGSound::Ausgabe::Puffer;
        u.optionen = [this] { return opt; };
        u.log = [this](const std::string& s) { log.push_back(s); };
        u.musikOeffnen = [this](const fs::path& p) {
            geoeffnet.push_back(p.filename().string());
            laeuft = true;
            return oeffnenGelingt;
        };
        u.musikStoppen = [this] {
            laeuft = false;
            ++gestoppt;
        };
        u.musikLaeuft = [this] { return laeuft; };
        snd = std::make_unique<TSoundContainer>(std::move(u));
        snd->lautstaerken(true);
        return *snd;
    }
    void rendern(int frames) {
        std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
        mixer::mischen(out.data(), frames);
    }

    std::unique_ptr<TSoundContainer> snd;
    TSoundContainer::Optionen opt;
    std::vector<std::string> log, geoeffnet;
    bool laeuft = false, oeffnenGelingt = true;
    int gestoppt = 0;
};

}  // namespace

TEST_F(Snd, VariantsAreCountedUpToTheFirstGap) {
    datei("data/sound/_zieh.wav");
    datei("data/sound/_zieh2.wav");
    datei("data/sound/_zieh4.wav");
    datei("data/sound/_leg.wav");
    datei("data/sound/_leg2.wav");
    datei("data/sound/_leg3.wav");
    TSoundContainer& s = machen();
    std::map<std::string, int> zieh, leg;
    for (int i = 0; i < 300; ++i) {
        ++zieh[s.sampleDatei("_zieh").filename().string()];
        ++leg[s.sampleDatei("_leg").filename().string()];
    }
    EXPECT_EQ(zieh.size(), 2u);
    EXPECT_GT(zieh["_zieh.wav"], 100);
    EXPECT_GT(zieh["_zieh2.wav"], 100);
    EXPECT_EQ(leg.size(), 3u);
    for (const auto& [n, c] : leg) EXPECT_GT(c, 60) << n;
    EXPECT_TRUE(s.sampleDatei("gibtsnicht").empty());
}

TEST_F(Snd, AQuestionedNameFallsBackToThePlainRecording) {
    datei("data/sound/3/Anna.wav");
    TSoundContainer& s = machen();
    EXPECT_EQ(s.sampleDatei("data/sound/3/Anna_.wav").filename(), "Anna.wav");
    EXPECT_TRUE(s.sampleDatei("data/sound/3/Bert_.wav").empty());
    // Only the underscore right before the extension goes.
    datei("data/sound/3/Ca_rl.wav");
    EXPECT_TRUE(s.sampleDatei("data/sound/3/Carl.wav").empty());
}

TEST_F(Snd, AttenuationSteps) {
    struct Case {
        int level, mB;
    };
    const Case cases[] = {{100, 0},   {90, 0},     {89, -150}, {80, -150}, {79, -300},
                          {50, -600}, {10, -1200}, {9, -1300}, {1, -1300}, {0, -10000}};
    for (const Case& c : cases) EXPECT_EQ(TSoundContainer::daempfung(c.level), c.mB) << c.level;
}

TEST_F(Snd, VolumeStepsAndSeatPans) {
    const int stufen[][2] = {{0, 100}, {1, 100}, {2, 60}, {3, 40}, {4, 24}, {5, 12}, {6, 0}, {9, 0}};
    for (const auto& c : stufen) EXPECT_EQ(TSoundContainer::stufeZuLautstaerke(c[0]), c[1]) << c[0];
    struct Case {
        int seat, n, pan;
    };
    const Case cases[] = {{1, 4, 0},    {2, 2, 0},   {3, 2, 0}, {2, 4, -100}, {3, 4, 0},   {4, 4, 100},
                          {2, 6, -100}, {3, 6, -50}, {4, 6, 0}, {6, 6, 100},  {3, 5, -33}, {4, 5, 33}};
    for (const Case& c : cases)
        EXPECT_EQ(TSoundContainer::platzPan(c.seat, c.n), c.pan) << c.seat << "/" << c.n;
}

TEST_F(Snd, CardPositionGivesLevelAndPan) {
    TSoundContainer& s = machen();
    TSpieler& hand = glu::spieler[0];
    hand.pos.v[0] = 650;
    hand.pos.v[2] = -280;
    hand.at(2).x = 50;  // x = 700
    int level = 0, pan = 0;
    s.effektPosition(1, 2, level, pan);
    EXPECT_EQ(pan, 27);     // 50 / 5.6 = 8.93 -> 9, three times for the human's cards
    EXPECT_EQ(level, 100);  // 120 - 20
    TSpieler& gegner = glu::spieler[2];
    gegner.pos.v[0] = 100;
    gegner.pos.v[2] = -1120;
    s.effektPosition(3, 1, level, pan);
    EXPECT_EQ(pan, -98);   // -550 / 5.6 = -98.2
    EXPECT_EQ(level, 40);  // 120 - 80
    s.effektPosition(0, 1, level, pan);
    EXPECT_EQ(level, 100);
    EXPECT_EQ(pan, 0);
    s.effektPosition(3, 0, level, pan);
    EXPECT_EQ(level, 100);
}

TEST_F(Snd, RingUsesNineSlotsAndTheEleventhReusesTheFirst) {
    datei("data/sound/up.wav", 22050);
    TSoundContainer& s = machen();
    for (int i = 1; i <= 9; ++i) ASSERT_TRUE(s.spieleSound("up", 0, false, 0, 100));
    EXPECT_EQ(s.ringZaehler, 9);
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(s.ring[i] && s.ring[i]->GetPlayStatus()) << i;
    s.spieleSound("up", 0, false, 0, 100);  // the tenth wraps to slot 1
    EXPECT_EQ(s.ringZaehler, 1);
    EXPECT_FALSE(s.ring[9]);
    rendern(1000);
    EXPECT_GT(s.ring[1]->GetCursorPos(), 0u);
    s.spieleSound("up", 0, false, 0, 100);  // the eleventh takes slot 2's place, stopping it
    EXPECT_EQ(s.ringZaehler, 2);
    EXPECT_EQ(s.ring[1]->GetCursorPos(), 0u);
    EXPECT_FALSE(s.ring[9]);
}

TEST_F(Snd, LevelZeroLoadsButDoesNotPlay) {
    datei("data/sound/up.wav");
    TSoundContainer& s = machen();
    EXPECT_TRUE(s.spieleSound("up", 0, false, 0, 0));
    ASSERT_TRUE(s.ring[0]);
    EXPECT_FALSE(s.ring[0]->GetPlayStatus());
    EXPECT_FALSE(s.spieleSound("fehlt", 0, false, 0, 100));
}

TEST_F(Snd, EffectsFollowTheEffectsVolumeAlone) {
    datei("data/sound/up.wav");
    datei("data/sound/_leg.wav");
    TSoundContainer& s = machen();
    opt.effekte = 6;  // "Aus"
    s.lautstaerken(true);
    s.effekt(1, 0, 0);
    s.effekt(10, 1, 1);
    EXPECT_EQ(s.ringZaehler, 0);
    // A music player that failed does not silence the effects.
    opt.effekte = 1;
    s.keinMusikSpieler = true;
    s.lautstaerken(true);
    s.effekt(1, 0, 0);
    EXPECT_EQ(s.ringZaehler, 1);
    s.effekt(99, 0, 0);  // no such kind
    EXPECT_EQ(s.ringZaehler, 1);
}

TEST_F(Snd, CardLevelIsEffectsTimesPosition) {
    datei("data/sound/_leg.wav");
    TSoundContainer& s = machen();
    glu::spieler[2].pos.v[2] = -1120;  // position level 40
    opt.effekte = 2;                   // 60
    s.lautstaerken(true);
    s.effekt(10, 3, 1);
    ASSERT_TRUE(s.ring[0]);
    EXPECT_EQ(s.ring[0]->vol(), TSoundContainer::daempfung(24));  // 60 x 40 / 100
}

std::vector<std::string> g_isgLog;

TEST_F(Snd, ADamagedSampleIsLoggedOnceAndNeverPlayed) {
    g_isgLog.clear();
    isg::setLog([](const std::string& s) { g_isgLog.push_back(s); });
    std::string kurz = wavfix::pcm16(100);
    kurz.resize(kurz.size() - 10);  // the data chunk claims more than is there
    kurz[4] = static_cast<char>(kurz.size() - 8);
    wavfix::schreiben(dir_ / "data/sound/up.wav", kurz);
    TSoundContainer& s = machen();
    EXPECT_TRUE(s.spieleSound("up", 0, false, 0, 100));
    EXPECT_TRUE(s.spieleSound("up", 0, false, 0, 100));
    ASSERT_TRUE(s.ring[0]);
    EXPECT_FALSE(s.ring[0]->hatPuffer());
    EXPECT_EQ(s.sprachQueue(0), 0);
    isg::setLog(nullptr);
    ASSERT_EQ(g_isgLog.size(), 1u);
    EXPECT_EQ(g_isgLog[0].rfind("EOF in file: ", 0), 0u);
}

TEST_F(Snd, SpeechQueueHoldsFiveAndPlaysInOrder) {
    for (const char* n : {"a", "b", "c", "d", "e", "f"})
        datei(std::string("data/sound/4/") + n + ".wav", 22050);
    TSoundContainer& s = machen();
    glu::anzSitze = 4;
    for (const char* n : {"a", "b", "c", "d", "e", "f"})
        s.sprachEinreihen(std::string("data/sound/4/") + n + ".wav", "", 3);
    EXPECT_EQ(s.queueAnzahl, 5);
    EXPECT_EQ(s.queue[4].datei, "data/sound/4/e.wav");
    EXPECT_EQ(s.sprachQueue(0), 3);  // starts "a"
    EXPECT_EQ(s.queueAnzahl, 4);
    EXPECT_EQ(s.queue[0].datei, "data/sound/4/b.wav");
    EXPECT_EQ(s.sprachQueue(3), 3);
    EXPECT_EQ(s.sprachQueue(2), 0);  // another seat is not speaking
    EXPECT_EQ(s.sprachQueue(0), 3);  // still speaking: nothing new starts
    EXPECT_EQ(s.queueAnzahl, 4);
    // The last quarter second no longer counts as speaking, so the next sentence follows.
    rendern(22050 - 5000);
    EXPECT_EQ(s.sprachQueue(3), 0);
    EXPECT_EQ(s.sprachQueue(0), 3);
    EXPECT_EQ(s.queueAnzahl, 3);
    EXPECT_EQ(s.ring[1]->pan(), 0);  // seat 3 of 4 sits in the middle
}

TEST_F(Snd, NoDeviceMeansNoSpeechAndNoWaiting) {
    datei("data/sound/4/a.wav");
    TSoundContainer& s = machen();
    s.keinSound = true;
    s.sprachEinreihen("data/sound/4/a.wav", "", 2);
    EXPECT_EQ(s.sprachQueue(0), 0);
    EXPECT_FALSE(s.ring[0]);
}

TEST_F(Snd, MusicPatternsFromTheOption) {
    EXPECT_EQ(TSoundContainer::musterAusWahl(1), "xx");
    EXPECT_EQ(TSoundContainer::musterAusWahl(3), "2x");
    EXPECT_EQ(TSoundContainer::musterAusWahl(4), "11");
    EXPECT_EQ(TSoundContainer::musterAusWahl(12), "19");
    EXPECT_EQ(TSoundContainer::musterAusWahl(13), "21");
    EXPECT_EQ(TSoundContainer::musterAusWahl(21), "29");
    EXPECT_EQ(TSoundContainer::musterAusWahl(0), "");
    EXPECT_EQ(TSoundContainer::musterAusWahl(22), "");
}

TEST_F(Snd, MusicWalksAroundTheTracksOfAStyle) {
    for (const char* n : {"11", "12", "13", "14", "21", "22"})
        wavfix::schreiben(dir_ / "data/music" / (std::string(n) + ".mp3"), "x");
    TSoundContainer& s = machen();
    opt.musikWahl = 2;  // "1x"
    s.musikEinstellen(false);
    std::set<std::string> gesehen;
    for (int i = 0; i < 60; ++i) {
        laeuft = false;
        s.musikEnde();
        gesehen.insert(geoeffnet.back());
    }
    EXPECT_EQ(gesehen, (std::set<std::string>{"11.mp3", "12.mp3", "13.mp3", "14.mp3"}));
    // "xx" walks the styles too; a style without track 1 does not exist.
    opt.musikWahl = 1;
    s.musikEinstellen(false);
    gesehen.clear();
    for (int i = 0; i < 80; ++i) {
        laeuft = false;
        s.musikEnde();
        gesehen.insert(geoeffnet.back());
    }
    EXPECT_EQ(gesehen, (std::set<std::string>{"11.mp3", "12.mp3", "13.mp3", "14.mp3", "21.mp3", "22.mp3"}));
}

TEST_F(Snd, MusicEndOnlyWhenTheTrackHasEnded) {
    wavfix::schreiben(dir_ / "data/music/11.mp3", "x");
    TSoundContainer& s = machen();
    opt.musikWahl = 4;  // "11"
    s.musikEinstellen(false);
    ASSERT_EQ(geoeffnet.size(), 1u);
    s.musikEnde();  // still playing
    EXPECT_EQ(geoeffnet.size(), 1u);
    s.musikEinstellen(false);  // the same option again: the track goes on
    EXPECT_EQ(geoeffnet.size(), 1u);
    s.musikEinstellen(true);
    EXPECT_EQ(geoeffnet.size(), 2u);
}

TEST_F(Snd, MissingTracksFallBackThenStayQuiet) {
    wavfix::schreiben(dir_ / "data/music/21.mp3", "x");
    TSoundContainer& s = machen();
    opt.musikWahl = 16;  // "24": style 2 has only track 1
    s.musikEinstellen(false);
    ASSERT_EQ(geoeffnet.size(), 1u);
    EXPECT_EQ(geoeffnet[0], "21.mp3");
    opt.musikWahl = 4;  // "11": nothing of style 1
    s.musikEinstellen(false);
    EXPECT_EQ(geoeffnet.size(), 1u);
    EXPECT_FALSE(s.musikOffen);
    EXPECT_FALSE(s.keinMusikSpieler);
}

TEST_F(Snd, WithoutAMusicPlayerTheOptionsStillSetTheVolumes) {
    TSoundContainer& s = machen();
    s.keinMusikSpieler = true;
    opt.effekte = 3;
    opt.stimmen = 5;
    s.musikEinstellen(false);
    EXPECT_EQ(s.effekteVol, 40);
    EXPECT_EQ(s.stimmenVol, 12);
    EXPECT_TRUE(geoeffnet.empty());
}

TEST_F(Snd, AFailedTrackKeepsTheFailureToMusic) {
    wavfix::schreiben(dir_ / "data/music/11.mp3", "x");
    datei("data/sound/up.wav");
    TSoundContainer& s = machen();
    oeffnenGelingt = false;
    s.musikEinstellen(false);
    EXPECT_FALSE(s.musikOffen);
    EXPECT_FALSE(s.keinMusikSpieler);
    s.effekt(1, 0, 0);
    EXPECT_EQ(s.ringZaehler, 1);
    oeffnenGelingt = true;
    s.musikEinstellen(true);
    EXPECT_TRUE(s.musikOffen);
}

TEST_F(Snd, VolumeStepSixClosesThePlayerAndRaisingItRestarts) {
    wavfix::schreiben(dir_ / "data/music/11.mp3", "x");
    TSoundContainer& s = machen();
    opt.musikWahl = 4;
    s.musikEinstellen(false);
    ASSERT_TRUE(s.musikOffen);
    opt.musik = 6;
    s.musikEinstellen(false);
    EXPECT_FALSE(s.musikOffen);
    EXPECT_TRUE(s.musikPausiert);
    EXPECT_FALSE(s.benachrichtigen);
    EXPECT_EQ(gestoppt, 1);
    laeuft = false;
    s.musikEnde();  // paused: no next track
    EXPECT_EQ(geoeffnet.size(), 1u);
    opt.musik = 3;
    s.musikEinstellen(false);
    EXPECT_TRUE(s.musikOffen);
    EXPECT_EQ(geoeffnet.size(), 2u);
    EXPECT_EQ(s.musikVol, 40);
}

TEST_F(Snd, ANamedFileClearsThePattern) {
    for (const char* n : {"11", "12", "sieg"})
        wavfix::schreiben(dir_ / "data/music" / (std::string(n) + ".mp3"), "x");
    TSoundContainer& s = machen();
    opt.musikWahl = 4;
    s.musikEinstellen(false);
    s.musikDatei("sieg");
    EXPECT_EQ(geoeffnet.back(), "sieg.mp3");
    EXPECT_EQ(s.muster, "");
    laeuft = false;
    s.musikEnde();
    EXPECT_EQ(s.muster, "xx");
}
