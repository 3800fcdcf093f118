// The help texts of a game: the rules (chapters, topics, search) and the in-game hints (one
// text per decision kind). Both come from '#'-separated Windows-1252 files in data/help/.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct THelpChapter {
    int32_t number = 0;
    std::string title;
    std::string text;
    int32_t level = 0;    // leading "!" of the number token: 2 chapter, 1 section, 0 topic
    std::string heading;  // title of the last level 1 or 2 topic read up to this one
};

struct THelpIndex {
    std::string text;  // topic list: the title; search results: title + " (hits)"
    std::string word;  // search results: the word searched for
    int32_t hits = 0;
    int32_t position = 0;  // 1-based position of the topic in the file
    int32_t number = 0;
};

struct THelpIndexList {
    std::vector<THelpIndex> items;
    int32_t count() const { return static_cast<int32_t>(items.size()); }
};

// What the help dialog shows: its caption, the lines of its list and the topic in its text area.
// The shell copies it into its elements.
struct HelpPage {
    std::string caption;
    std::vector<std::string> lines;
    std::string title;
    std::string text;
};

class THelpContainer {
public:
    static constexpr int kMaxTopics = 100;

    std::string title;
    std::string fileName;
    std::array<THelpChapter, kMaxTopics + 1> chapters;  // [0] is the fixed "not found" entry
    int32_t count = 0;
    THelpIndexList topics;
    THelpIndexList results;

    THelpContainer();

    // Loads data/help/<name>.txt. A missing or damaged file never keeps the previous game's
    // texts: what could be read stays, the rest is dropped and a log line says why.
    bool laden(const std::string& name);
    void neuLaden();
    // The same from text already read (Windows-1252, lines joined with CR LF).
    void parse(const std::string& whole);

    HelpPage inhaltZeigen() const;
    // Fills results (most hits first, file order on ties) and returns the page to show.
    HelpPage suchen(const std::string& word);
    void themaHolen(int32_t number, THelpChapter& chapter) const;
    static int32_t zaehlen(const std::string& text, const std::string& word);
    static std::string naechstesToken(std::string& rest);

private:
    void clear();
};

namespace hilfe {

// The shell's wording filter (card words of the chosen picture, poker terms); every token
// passes through it. Identity until the shell installs its own.
extern std::function<std::string(const std::string&)> filter;
// Where the help unit's log lines go (the program's log once the GUI library installs it).
extern std::function<void(const std::string&)> log;

// Joins the lines of a text file as the help reader sees them: every line ends in CR LF.
std::string joinLines(const std::string& raw);

// Width and x of the four buttons of the in-game decision dialog for a game.
struct ButtonLayout {
    std::array<int, 4> width;
    std::array<int, 4> x;
};
ButtonLayout knopfLayout(int spielId, bool pokerGermanTerms);

// The hint part of the game-start set-up: the hint container gets the game's hint file, or is
// emptied when there is none, so no hint of the previous game is shown.
void hinweiseLaden(THelpContainer& hints, const std::string& folder, bool loadHints);
// The same for the running game, by its folder name in the game-name table.
void hinweiseLaden(THelpContainer& hints, int spielId, bool loadHints);

}  // namespace hilfe
