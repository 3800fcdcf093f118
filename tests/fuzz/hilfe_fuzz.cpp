// Help texts (data/help/<name>.txt): read, then the contents page, a search and every topic.
#include "core/hilfe.h"
#include "fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::programFolder();
    hilfe::log = [](const std::string&) {};
    fuzz::put("data/help/regeln.txt", data, size);
    static THelpContainer h;
    h.laden("regeln");
    h.inhaltZeigen();
    h.suchen("Trumpf");
    h.suchen("");
    for (int i = 0; i <= h.count; ++i) {
        THelpChapter c;
        h.themaHolen(h.chapters[i].number, c);
    }
    return 0;
}
