// The developer's unattended run for a harness test: a library application without a window
// holds the result table with its "Weiter" button, and the developer switch that lets every
// result table go on by itself (11) is on, so the table starts the next game from inside the
// settlement. It lives inside the harness's Lauf, which resets the core's services, and keeps the
// Lauf's clock running.
#pragma once
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/central.h"
#include "core/spielliste.h"
#include "gui/pvl.h"
#include "gui/pvlhost.h"
#include "harness/lib/harness.h"

namespace harness {

class TabelleGehtWeiter {
public:
    explicit TabelleGehtWeiter(Lauf& lauf)
        : lauf_(lauf),
          ordner_(std::filesystem::temp_directory_path() / ("ks_tabelle_weiter_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(ordner_);
        host_ = std::make_unique<pvlhost::FakeHost>();
        app_ = std::make_unique<pvl::TPVLApplication>(*host_, ordner_);
        auto& ids = spielliste::ids;
        ids.dialog = app_->CreateCustomDialog(80, 50, 640, 500, true, "Spielliste", 0, 0, "", 1.0f);
        ids.weiter = app_->CreateCustomObject(pvl::ekButton, 230, 440, "!Weiter", 140, 36, 0, 1);
        app_->Options.RenderFlags[11 - 2] = 1;
        central::dienste.app = app_.get();
        lauf_.uhrAnbinden();
    }
    ~TabelleGehtWeiter() {
        central::dienste.app = nullptr;
        spielliste::ids = {};
        app_.reset();
        host_.reset();
        lauf_.uhrAnbinden();
        std::error_code ec;
        std::filesystem::remove_all(ordner_, ec);
    }
    TabelleGehtWeiter(const TabelleGehtWeiter&) = delete;
    TabelleGehtWeiter& operator=(const TabelleGehtWeiter&) = delete;

private:
    Lauf& lauf_;
    std::filesystem::path ordner_;
    std::unique_ptr<pvlhost::FakeHost> host_;
    std::unique_ptr<pvl::TPVLApplication> app_;
};

}  // namespace harness
