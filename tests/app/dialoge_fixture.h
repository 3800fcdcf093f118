// The program's dialogs built on the display-free library, in a fresh program folder that is
// also the working directory (the help reader and saved games look there).
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/klick.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/files_tempdir.h"
#include "gui/pvlhost.h"
#include "platform/msgsink.h"

class Dialoge : public files_test::ProgramFolder {
protected:
    void SetUp() override {
        files_test::ProgramFolder::SetUp();
        dir = dir_;
        cap = std::make_unique<msgsink::Capture>();
        std::memset(static_cast<void*>(&::cg), 0, sizeof(TCG));
        central::spielNamenZuruecksetzen();
        app = bauen();
        dialoge::haken = {};
    }
    void TearDown() override {
        dialoge::haken = {};
        central::dienste.app = nullptr;
        glapp::glapp = nullptr;
        app.reset();
        cap.reset();
        files_test::ProgramFolder::TearDown();
    }
    // A second program instance in the same folder (ids are rebuilt alike).
    std::unique_ptr<glapp::Tglapp> bauen() {
        auto a = std::make_unique<glapp::Tglapp>(host, dir);
        a->ViewWidth = 807;
        a->ViewHeight = 607;
        dialoge::diagcreate(*a);
        central::dienste.app = a.get();
        glapp::glapp = a.get();
        return a;
    }
    const dialoge::Ids& d() { return dialoge::ids(); }
    pvl::TPVLElement& el(int dlg, int e) { return app->dlg(dlg).el(e); }

    pvlhost::FakeHost host;
    std::filesystem::path dir;
    std::unique_ptr<msgsink::Capture> cap;
    std::unique_ptr<glapp::Tglapp> app;
};
