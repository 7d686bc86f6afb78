#pragma once

// A main window started on the small test installation, with helpers that open a scenario as
// the load window does and save it as File/Save does.

#include "support/MiniInstallation.h"
#include "support/TempFolder.h"

#include "core/app/ScenarioReader.h"
#include "core/app/ScenarioWriter.h"
#include "core/files/Description.h"
#include "core/platform/FileSystem.h"
#include "core/ui/ScriptedServices.h"
#include "core/app/Vantrel.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vantrel::test {

class ScenarioFixture : public ::testing::Test {
protected:
    void SetUp() override {
        install = writeMiniInstallation(temp);
        Vantrel::Options options;
        options.startFolder = temp.makeFolder("Start");
        options.orbiterFolder = install.folder;
        main = std::make_unique<Vantrel>(scripted.services(), options);
        main->load();
        scripted.dialogs.clear();
    }

    // Opens a scenario file as choosing it in the load window does.
    void open(const std::string& path) {
        const std::string folder = platform::withTrailingSeparator(platform::parentFolder(path));
        main->state.ScnDir.setCaption(folder);
        main->state.scnfile.setCaption(path.substr(folder.size()));
        main->env.Description.setText(GetDescription(path));
        main->reader().TabSettings();
    }

    // Writes scenario text into the temporary folder and opens it.
    void openText(const std::string& text, const std::string& name = "case.scn") { open(temp.write(name, text)); }

    std::string saved() { return main->writer().scenarioText(); }

    const StationRow& station(int row) const { return main->model.stations.at(static_cast<size_t>(row)); }
    const ShipRow& ship(int row) const { return main->model.ships.at(static_cast<size_t>(row)); }

    TempFolder temp;
    MiniInstallation install;
    ui::ScriptedServices scripted;
    std::unique_ptr<Vantrel> main;
};

} // namespace vantrel::test
