// Every scenario of our sample and of the simulator's own (../shared/corpus, when it is there),
// and a generated one of a few thousand ships, opened and saved without an edit: the saved bytes
// are the file's, as a document alone and through the main window on the sample installation.

#include "support/TempFolder.h"

#include "InstallationGenerator.h"

#include "core/text/Dates.h"
#include "core/scenario/FileLayout.h"
#include "core/text/NumberText.h"
#include "core/files/LoadFile.h"
#include "core/app/ScenarioWriter.h"
#include "core/scenario/ScenarioFile.h"
#include "core/text/TextHelpers.h"
#include "core/files/Description.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/ui/ScriptedServices.h"
#include "core/app/Vantrel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <memory>

namespace vantrel::test {
namespace {

void collect(const std::string& folder, std::vector<std::string>& files) {
    for (const std::string& sub : platform::listFolders(folder))
        collect(folder + "/" + sub, files);
    for (const std::string& name : platform::listFiles(folder, "*.scn"))
        files.push_back(folder + "/" + name);
}

std::vector<std::string> scenarios() {
    std::vector<std::string> files;
    collect(std::string(VANTREL_SAMPLE_DIR) + "/Scenarios", files);
    const size_t sampleFiles = files.size();
    collect(std::string(VANTREL_CORPUS_DIR), files);
    EXPECT_GT(sampleFiles, 0u);
    if (files.size() == sampleFiles)
        std::cout << "no simulator scenarios under " << VANTREL_CORPUS_DIR << ": only the sample is checked\n";
    return files;
}

// The first bytes where two texts part, with the line they are on.
std::string firstDifference(const std::string& a, const std::string& b) {
    const size_t at = static_cast<size_t>(std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(std::min(a.size(), b.size())), b.begin()).first - a.begin());
    const size_t line = static_cast<size_t>(std::count(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(at), '\n')) + 1;
    return "line " + std::to_string(line) + ": \"" + a.substr(at, 40) + "\" became \"" + b.substr(at, 40) + "\"";
}

// The document alone, without a window or an installation.
TEST(Corpus, EveryScenarioReadAndWrittenAsADocumentGivesItsBytes) {
    for (const std::string& file : scenarios()) {
        const std::string original = platform::readFile(file).value_or("");
        if (scenarioRefusal(original, file))
            continue;
        const std::string written = writeScenario(readScenario(original, file).scenario);
        EXPECT_TRUE(written == original) << file << ": " << firstDifference(original, written);
    }
}

TEST(Corpus, EveryScenarioOpenedAndSavedInTheWindowGivesItsBytes) {
    const std::vector<std::string> files = scenarios();

    TempFolder temp;
    ui::ScriptedServices scripted;
    Vantrel::Options options;
    options.startFolder = temp.makeFolder("Start");
    options.orbiterFolder = VANTREL_SAMPLE_DIR;
    Vantrel main(scripted.services(), options);
    main.load();
    auto open = [&](const std::string& file) {
        const std::string path = platform::normalPath(file);
        const std::string folder = platform::withTrailingSeparator(platform::parentFolder(path));
        main.state.ScnDir.setCaption(folder);
        main.state.scnfile.setCaption(path.substr(folder.size()));
        main.env.Description.setText(GetDescription(path));
        main.TabSettings();
    };

    // A generated scenario of a few thousand ships stands for the huge ones.
    const std::string generated = temp / "Generated";
    ASSERT_EQ(bench::writeInstallation(generated, {150, 1500, 12}), "");
    std::vector<std::string> all = files;
    all.push_back(generated + "/Scenarios/Huge.scn");

    for (const std::string& file : all) {
        const std::string original = platform::readFile(file).value_or("");
        if (scenarioFileRefusal(file))
            continue;
        open(file);
        const std::string saved = main.writer().scenarioText();
        EXPECT_TRUE(saved == original) << file << ": " << firstDifference(original, saved);
    }
}

} // namespace
} // namespace vantrel::test
