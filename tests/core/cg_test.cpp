#include "core/cg.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/chipsave.h"
#include "core/envparam.h"
#include "core/spiele.h"
#include "platform/msgsink.h"
#include "platform/text.h"

namespace {

std::unique_ptr<TCG> frisch() { return std::make_unique<TCG>(); }

unsigned char* bytes(TCG& c) { return reinterpret_cast<unsigned char*>(&c); }

}  // namespace

// The variant and betting-form flags are read by byte position elsewhere (the high-score reset
// takes the poker level from them).
TEST(TcgRecord, VariantAndPokerFlagsSitAtTheirBytes) {
    auto c = frisch();
    c->poker.potLimit = 0x11;
    c->poker.splitLimit = 0x22;
    c->schnapsen.sechsundsechzig = 1;
    c->blackjack.siebzehnUndVier = 1;
    c->spielIdMenue = 10;
    EXPECT_EQ(bytes(*c)[138316], 0x11);
    EXPECT_EQ(bytes(*c)[138317], 0x22);
    EXPECT_EQ(bytes(*c)[141716], 1);
    EXPECT_EQ(bytes(*c)[145215], 1);
    EXPECT_EQ(bytes(*c)[0x2A924], 10);
}

TEST(TcgRecord, FreshRecordIsAllZero) {
    auto c = frisch();
    const unsigned char* b = bytes(*c);
    size_t nichtNull = 0;
    for (size_t i = 0; i < sizeof(TCG); ++i) nichtNull += b[i] != 0;
    EXPECT_EQ(nichtNull, 0u);
}

TEST(TcgRecord, SavePiecesMeetAtTheCardScale) {
    auto c = frisch();
    unsigned char* b = bytes(*c);
    for (size_t i = 0; i < sizeof(TCG); ++i) b[i] = static_cast<unsigned char>(i * 7 + 3);
    c->kartenSkala = 0.8f;

    // The writer moves 17,784 bytes from +4 and 175,988 bytes from the card scale.
    std::vector<unsigned char> datei;
    const unsigned char* teil2 = reinterpret_cast<const unsigned char*>(&c->kartenSkala);
    datei.insert(datei.end(), b + 4, b + 4 + 17784);
    datei.insert(datei.end(), teil2, teil2 + 175988);

    ASSERT_EQ(datei.size(), 193772u);
    EXPECT_EQ(std::memcmp(datei.data(), b + 4, datei.size()), 0) << "the pieces are not adjacent";
    float skala;
    std::memcpy(&skala, datei.data() + 17784, sizeof skala);
    EXPECT_EQ(skala, 0.8f);
    // The image ends right before the high scores, which a save never carries.
    EXPECT_EQ(b + 4 + datei.size(), reinterpret_cast<unsigned char*>(&c->highscore));
    EXPECT_EQ(datei.size() + sizeof(ChipSaveRecord), 194028u);
}

TEST(TcgRecord, InterleavedGroupsShareTheirBytes) {
    auto c = frisch();
    c->gespielteHand.anz = 3;
    EXPECT_EQ(c->entscheidung.gespielteHand.anz, 3);
    c->konto[2] = -40;
    EXPECT_EQ(c->spielliste.konto[2], -40);
    c->ablauf.kartenSkala = 0.85f;
    EXPECT_EQ(c->kartenSkala, 0.85f);

    // Each group's fields land on their own bytes and leave the neighbours' alone.
    c->antwort.offen = 2;
    c->antwort.art = 4;
    c->schrittZeit.tick = 0x01020304;
    c->schrittZeit.sprache = 9;
    c->aktSpieler = 3;
    c->bewegungWarten.aktiv = 1;
    c->bewegungWarten.halter = 11;
    c->sprechblasen.zustand[10] = 3;
    c->sprechblasen.zaehler = 5;
    const unsigned char* b = bytes(*c);
    EXPECT_EQ(b[0xF9D8], 2);
    EXPECT_EQ(b[0xF9EE], 4);
    EXPECT_EQ(b[0xF9C0], 0x04);
    EXPECT_EQ(b[0xFADD], 9);
    EXPECT_EQ(b[0xF9C8], 3);
    EXPECT_EQ(b[0xFADC], 1);
    EXPECT_EQ(b[0xFAEA], 11);
    EXPECT_EQ(b[0xF9FB], 3);
    EXPECT_EQ(b[0xFAD8], 5);
    EXPECT_EQ(c->antwort.warten, 0);

    // The in-game dialog layout keeps the whole decision state, the handed-over cards included.
    c->entscheidung.setzeCode(8, -1);
    c->entscheidung.texte[0] = text::w("Wählen Sie");
    c->entscheidungKopie = c->entscheidung;
    EXPECT_EQ(std::memcmp(b + 0xFAF8, b + 0x10114, 1564), 0);
    EXPECT_EQ(c->entscheidungKopie.code(8), -1);
    EXPECT_EQ(b[0x1010E], 0xFF);
}

TEST(TcgRecord, IndexedEntriesLieWhereTheFormulasPutThem) {
    auto c = frisch();
    const unsigned char* b = bytes(*c);
    auto at = [&](const void* p) { return static_cast<long>(static_cast<const unsigned char*>(p) - b); };

    struct Case {
        long ist, soll;
        const char* was;
    };
    const Case cases[] = {
        {at(&c->stapelListen[20]), 8 + 676 * 20, "compact list 20"},
        {at(&c->spielliste.punkte[6][200]), 17796 + 804 * 6 + 8 + 4 * 200, "round points 6/200"},
        {at(&c->spielliste.text[200]), 17796 + 5636 + 201 * 200, "round text 200"},
        {at(&c->spielliste.summe[1]), 63868, "summary of seat 1 (high-score score)"},
        {at(&c->sprechblasen.slot[10]), 0xF9FC + 20 * 10, "bubble slot 10"},
        {at(&c->skat.sk.typ), 68596 + 12, "Skat game type"},
        {at(&c->poker.sitz.at(1)), 137836 + 520, "poker seat 1"},
        {at(&c->poker.sitz.at(6)), 137836 + 520 * 6, "poker seat 6"},
        {at(&c->romme.positiv), 80544, "Rommé limit direction"},
        {at(&c->k12Kopie[4]), 155528 + 4, "meld container byte 4"},
        {at(&c->k12Kopie[18827]), 155528 + 18827, "meld container byte 18827"},
        {at(&c->sitzEinstellungen.at(6)), 174480 + 164 * 6, "seat settings 6"},
        {at(&c->bekannteKarten.at(1)), 175524 + 794, "known cards 1"},
        {at(&c->bekannteKarten.at(20)), 175524 + 794 * 20, "known cards 20"},
        {at(&c->spieler.at(6)), 191968 + 258 * 6, "player 6"},
        {at(&c->highscore.at(13, 3, 20)), 0x2F4F0 + 13 * 6720 + 2 * 2240 + 19 * 112, "last high score"},
        {at(&c->highscore.at(5, 2, 4)), 0x2F4F0 + 5 * 6720 + 1 * 2240 + 3 * 112, "high score 5/2/4"},
    };
    for (const auto& k : cases) EXPECT_EQ(k.ist, k.soll) << k.was;
    EXPECT_EQ(at(&c->highscore.at(13, 3, 20)) + 112, static_cast<long>(sizeof(TCG)));
}

TEST(TcgRecord, PlayableSeatCountSitsInsidePokerSeat1) {
    auto c = frisch();
    c->setzeSpielbareSitze(4);
    EXPECT_EQ(c->spielbareSitze(), 4);
    int32_t n;
    std::memcpy(&n, reinterpret_cast<const unsigned char*>(&c->poker.sitz.at(1)) + 496, sizeof n);
    EXPECT_EQ(n, 4);
    std::memcpy(&n, bytes(*c) + 138852, sizeof n);
    EXPECT_EQ(n, 4);
    // Seat 2's record is untouched.
    const auto* s2 = reinterpret_cast<const unsigned char*>(&c->poker.sitz.at(2));
    for (int i = 0; i < 520; ++i) ASSERT_EQ(s2[i], 0) << i;
}

TEST(TcgRecord, LongPlayerNameIsKeptWholeAndCutInTheSettings) {
    auto c = frisch();
    const std::string lang(150, 'x');
    c->spieler.at(1).name = lang;
    EXPECT_EQ(c->spieler.at(1).name.str(), lang);
    TEnvParam einstellung;
    einstellung.namen[1] = c->spieler.at(1).name.str();
    EXPECT_EQ(einstellung.namen[1].str(), lang.substr(0, 100));
}
