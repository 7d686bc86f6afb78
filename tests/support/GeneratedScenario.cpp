#include "support/GeneratedScenario.h"

#include "InstallationGenerator.h"

#include "core/app/ScenarioReader.h"

#include <gtest/gtest.h>

namespace vantrel::test {

GeneratedScenario::GeneratedScenario(int stations, int ships) {
    const std::string folder = temp / "Orbiter";
    EXPECT_EQ(bench::writeInstallation(folder, {stations, ships, 12}), "");
    Vantrel::Options options;
    options.startFolder = temp.makeFolder("Start");
    options.orbiterFolder = folder;
    main = std::make_unique<Vantrel>(scripted.services(), options);
    main->load();
    main->state.ScnDir.setCaption(folder + "/Scenarios/");
    main->state.scnfile.setCaption("Huge.scn");
    main->reader().TabSettings();
}

} // namespace vantrel::test
