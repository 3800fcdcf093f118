// The whole program built without a display: the main form created and started as at a program
// start, in a fresh folder of its own, with the central record, the table and the core's services
// emptied before and after.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "app/glapp.h"
#include "app/ton.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "gui/pvlhost.h"
#include "table/glu.h"
#include "table/tischhooks.h"

class ProgrammOhneBild : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(static_cast<void*>(&cg), 0, sizeof(TCG));
        glu::reset();
        central::dienste = central::Dienste{};
        envParam = TEnvParam{};
        dir = std::filesystem::temp_directory_path() /
              (std::string("ks_programm_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
               "_" + std::to_string(getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        app = std::make_unique<glapp::Tglapp>(host, dir);
        app->FormCreate();
        app->event(pvl::peStartup, -1);
        app->AppState = 2;
    }
    void TearDown() override {
        app.reset();
        ton::sndFreigeben();
        ton::scodeFreigeben();
        glapp::spielAktiv = 0;
        std::memset(static_cast<void*>(&cg), 0, sizeof(TCG));
        glu::reset();
        tischhooks::reset();
        central::dienste = central::Dienste{};
        std::filesystem::remove_all(dir);
    }
    pvlhost::FakeHost host;
    std::filesystem::path dir;
    std::unique_ptr<glapp::Tglapp> app;
};
