// The GUI library on a fake host, with one dialog of the element kinds whose readers walk lines
// and children: button, label, text field, list with three lines, a paged container holding a
// check box. Made once per process.
#pragma once
#include <filesystem>
#include <memory>

#include "fuzz_folder.h"
#include "gui/pvl.h"
#include "gui/pvlhost.h"

namespace fuzz {

struct Library {
    pvl::TPVLApplication& app;
    int dialog;
};

inline Library library() {
    programFolder();
    static pvlhost::FakeHost host;
    static std::unique_ptr<pvl::TPVLApplication> app;
    static int d = 0;
    if (!app) {
        using namespace pvl;
        app = std::make_unique<TPVLApplication>(host, std::filesystem::current_path());
        d = app->CreateCustomDialog(50, 50, 500, 400, false, "#ipanel", 1, 0, "", 1.0f);
        app->CreateObject(ekButton, 10, 10, "!OK");
        app->CreateObject(ekLabel, 10, 40, "Punkte");
        app->CreateCustomObject(ekEdit, 10, 60, "Name", 200, 0, 0.0f, 1.0f);
        const int list = app->CreateObject(ekList, 10, 80, "");
        for (const char* s : {"eins", "zwei", "drei"}) app->AddString(list, s, 0);
        const int pages = app->CreateCustomObject(ekPagedContainer, 200, 10, "Seiten", 200, 200, 0.0f, 1.0f);
        app->AddChild(pages, app->CreateObject(ekCheckBox, 210, 40, "Bock"));
    }
    return {*app, d};
}

// After a run: the library's log grows by a line per refusal and is rewritten whole each time.
inline void libraryRunDone() {
    std::error_code ignored;
    std::filesystem::remove("proto2.txt", ignored);
    msgsink::clear();
}

}  // namespace fuzz
