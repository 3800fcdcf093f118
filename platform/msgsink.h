// Where the program's consistency messages ("ACHTUNG! ...", "Fehler ...") go. The GUI library
// installs its message box and error dialog here; until then, and in tests, the texts are
// recorded so they can be inspected.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace msgsink {

enum class Kind { Message, Error };

// Shows a consistency message (Windows-1252 text) and returns when it has been seen.
void show(const std::string& text);
// Shows a range error of the table engine ("Fehler in ...").
void error(const std::string& text);

using Handler = std::function<void(Kind, const std::string&)>;
// Installs the GUI's presenter; an empty handler restores recording only.
void setHandler(Handler h);

// Every message since the last clear(), in order.
const std::vector<std::string>& recorded();
void clear();

// Records messages for the lifetime of a test scope and restores the previous state after.
class Capture {
public:
    Capture();
    ~Capture();
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;
    const std::vector<std::string>& texts() const { return recorded(); }
    bool contains(const std::string& part) const;

private:
    Handler saved_;
};

}  // namespace msgsink
