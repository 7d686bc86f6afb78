#pragma once

// A main window over scripted services, started on a folder of the test's temporary folder.

#include "support/MiniInstallation.h"
#include "support/TempFolder.h"

#include "core/app/CatalogueLoader.h"
#include "core/ui/ScriptedServices.h"
#include "core/app/Vantrel.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace vantrel::test {

class CatalogueFixture : public ::testing::Test {
protected:
    // Makes the main window with its start folder in temp / "Start" (created) and, when given,
    // a simulator folder from outside.
    Vantrel& make(std::optional<std::string> orbiterFolder = std::nullopt) {
        Vantrel::Options options;
        options.startFolder = temp.makeFolder("Start");
        options.orbiterFolder = std::move(orbiterFolder);
        main = std::make_unique<Vantrel>(scripted.services(), options);
        return *main;
    }
    // Makes the main window and runs its start-up.
    Vantrel& start(std::optional<std::string> orbiterFolder = std::nullopt) {
        make(std::move(orbiterFolder)).load();
        return *main;
    }
    CatalogueLoader& catalogueLoader() { return main->catalogueLoader(); }
    std::string startFolder() const { return temp / "Start"; }

    TempFolder temp;
    ui::ScriptedServices scripted;
    std::unique_ptr<Vantrel> main;
};

} // namespace vantrel::test
