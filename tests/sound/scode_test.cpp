#include "sound/scode.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/files_tempdir.h"
#include "platform/msgsink.h"
#include "platform/rnd.h"
#include "wav_fixture.h"

namespace {

// A table whose codes 10..38 each hold the given sentences ("" for none).
std::string tabelle(const std::vector<std::vector<std::string>>& codes) {
    std::string s;
    for (int k = 10; k <= 38; ++k) {
        s += "code " + std::to_string(k) + "#";
        const size_t i = static_cast<size_t>(k - 10);
        if (i < codes.size())
            for (const auto& satz : codes[i]) s += satz + "#";
        s += "#\r\n";
    }
    return s;
}

}  // namespace

TEST(Scode, TokensAreCutAtHashes) {
    std::string rest = "a#b##c";
    EXPECT_EQ(scode::naechstesToken(rest), "a");
    EXPECT_EQ(scode::naechstesToken(rest), "b");
    EXPECT_EQ(scode::naechstesToken(rest), "");
    EXPECT_EQ(scode::naechstesToken(rest), "c");
    EXPECT_EQ(rest, "");
}

TEST(Scode, TableReadsCountsAndSentences) {
    TSCReader r;
    const std::string t =
        tabelle({{"Hallo", "Na du"}, {}, {"Ein sehr langer Satz, der nicht mehr in 36 passt"}});
    r.tabelleLesen(2, t, {}, {});
    EXPECT_EQ(r.anzahl(2, 10), 2);
    EXPECT_EQ(r.satz(2, 10, 2), "Na du");
    EXPECT_EQ(r.anzahl(2, 11), 0);
    EXPECT_EQ(r.satz(2, 12, 1).size(), 36u);
    EXPECT_EQ(r.anzahl(2, 38), 0);
    EXPECT_EQ(r.anzahl(1, 10), 0);  // other voices untouched
}

TEST(Scode, FirstSharpSBecomesDoubleS) {
    TSCReader r;
    r.tabelleLesen(1, tabelle({{text::w("Großer Spaß")}}), {}, {});
    EXPECT_EQ(r.satz(1, 10, 1), text::w("Grosser Spaß"));
}

TEST(Scode, ThirteenSentencesDoNotShiftTheFollowingCodes) {
    std::vector<std::string> viele;
    for (int i = 1; i <= 14; ++i) viele.push_back("Satz" + std::to_string(i));
    TSCReader r;
    r.tabelleLesen(3, tabelle({viele, {"Danach"}, {"Zwei", "Drei"}}), {}, {});
    EXPECT_EQ(r.anzahl(3, 10), 12);
    EXPECT_EQ(r.satz(3, 10, 12), "Satz12");
    EXPECT_EQ(r.anzahl(3, 11), 1);
    EXPECT_EQ(r.satz(3, 11, 1), "Danach");
    EXPECT_EQ(r.anzahl(3, 12), 2);
}

TEST(Scode, LinesWithLfOnlyReadAlike) {
    std::string t = tabelle({{"Hallo"}, {"Tschüss"}});
    std::string lf;
    for (char c : t)
        if (c != '\r') lf += c;
    TSCReader a, b;
    a.tabelleLesen(1, t, {}, {});
    b.tabelleLesen(1, lf, {}, {});
    for (int k = 10; k <= 38; ++k) {
        ASSERT_EQ(a.anzahl(1, k), b.anzahl(1, k)) << k;
        for (int n = 1; n <= a.anzahl(1, k); ++n) EXPECT_EQ(a.satz(1, k, n), b.satz(1, k, n));
    }
}

class ScodeOrdner : public files_test::ProgramFolder {};

TEST_F(ScodeOrdner, MissingRecordingsAreLoggedOncePerFileAndTheSentenceStays) {
    wavfix::schreiben(dir_ / "data/sound/1/Hallo.wav", wavfix::pcm16(10));
    wavfix::schreiben(dir_ / "data/sound/1/codes.txt",
                      tabelle({{"Hallo", "Gut gemacht!", "X-Text", "%?", "a"}, {text::w("Schön")}}));
    std::vector<std::string> meldungen, log;
    TSCReader::Melder m;
    m.meldung = [&](const std::string& s) { meldungen.push_back(s); };
    m.log = [&](const std::string& s) { log.push_back(s); };
    TSCReader r(dir_, m);
    // Voices 2..6 have no table: one message each, and they stay mute.
    ASSERT_EQ(meldungen.size(), 5u);
    EXPECT_NE(meldungen[0].find("SCReader.Create: Datei "), std::string::npos);
    EXPECT_NE(meldungen[0].find("dont exist!"), std::string::npos);
    EXPECT_EQ(r.anzahl(2, 10), 0);
    // "X...", "%?" and one character need no recording.
    ASSERT_EQ(log.size(), 2u);
    EXPECT_NE(log[0].find("SCReader.Create(1.10.2): "), std::string::npos);
    EXPECT_NE(log[0].find("Gut_gemacht!.wav dont exist."), std::string::npos);
    EXPECT_NE(log[1].find("SCReader.Create(1.11.1): "), std::string::npos);
    EXPECT_NE(log[1].find("Schoen.wav"), std::string::npos);
    EXPECT_EQ(r.anzahl(1, 10), 5);
}

TEST(Scode, ChoiceNeverRepeatsTheLastVariant) {
    TSCReader r;
    r.tabelleLesen(4, tabelle({{"Eins"}, {"A", "B"}, {"A", "B", "C", "D"}}), {}, {});
    rnd::seed(11);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(r.satzHolen(10, 4), "Eins");
    std::string vorher = r.satzHolen(11, 4);
    for (int i = 0; i < 6; ++i) {
        const std::string jetzt = r.satzHolen(11, 4);
        EXPECT_NE(jetzt, vorher);  // two variants alternate
        vorher = jetzt;
    }
    vorher = r.satzHolen(12, 4);
    for (int i = 0; i < 200; ++i) {
        const std::string jetzt = r.satzHolen(12, 4);
        ASSERT_NE(jetzt, vorher);
        vorher = jetzt;
    }
    EXPECT_EQ(r.satzHolen(13, 4), "");  // a code without sentences
}

TEST(Scode, VoiceOrCodeOutOfRangeIsRefused) {
    TSCReader::Melder m;
    std::vector<std::string> meldungen;
    m.meldung = [&](const std::string& s) { meldungen.push_back(s); };
    TSCReader r({}, m);  // an empty folder: six mute voices
    meldungen.clear();
    struct Case {
        int code, stimme;
    };
    const Case cases[] = {{10, 0}, {10, 7}, {9, 1}, {39, 1}, {100, 2}};
    for (const Case& c : cases) EXPECT_EQ(r.satzHolen(c.code, c.stimme), "");
    ASSERT_EQ(meldungen.size(), 5u);
    EXPECT_EQ(meldungen[0], text::w("Error: Ungültiger Sound (0.10)"));
    EXPECT_EQ(meldungen[2], text::w("Error: Ungültiger Sound (1.9)"));
}
