// The configuration file that stands in for the registry and the "#"-separated name list.
#include <string>

#include "platform/konfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string inhalt(reinterpret_cast<const char*>(data), size);
    for (const char* key : {"Username", "Computername", "tempdir", ""}) {
        const std::string w = konfig::wert(inhalt, key);
        if (w.size() > inhalt.size()) __builtin_trap();  // a value is never longer than its file
    }
    konfig::inListe(inhalt, "ANNA");
    konfig::inListe(inhalt, "");
    return 0;
}
