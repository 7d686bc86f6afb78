// Every scenario of our sample and of the simulator's own (../shared/corpus, when it is there),
// and a generated one of a few thousand ships, opened on the sample installation as the load window opens it and saved: compared section by
// section and line by line (trimmed and without comments, numbers by value, "Mir" as
// "Mir:Mir"), nothing is lost and nothing made up, and a second save gives the same bytes. The
// only lines allowed in are the fixed view blocks of a file that lacked them, and the full tank
// of the ship shown first.

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

#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

namespace vantrel::test {
namespace {

void collect(const std::string& folder, std::vector<std::string>& files) {
    for (const std::string& sub : platform::listFolders(folder))
        collect(folder + "/" + sub, files);
    for (const std::string& name : platform::listFiles(folder, "*.scn"))
        files.push_back(folder + "/" + name);
}

// A line as compared: without comment, words single-spaced, each number as its value, "A:A"
// as "A", and a station's frequency under the keyword the editor writes.
std::string item(const std::string& line) {
    std::istringstream words(ClearComments(line));
    std::string word, out;
    while (words >> word) {
        if (out.empty() && equalsIgnoringCase(word, "ZROT_FREQ"))
            word = "ZROT_FREQUENCY";
        if (const std::optional<double> value = plainNumberValue(word))
            word = numberText(*value);
        const size_t colon = word.find(':');
        if (colon != std::string::npos && word.substr(0, colon) == word.substr(colon + 1))
            word.resize(colon);
        out += (out.empty() ? "" : " ") + word;
    }
    return out;
}

// The items of each section, by the section's key.
std::map<std::string, std::multiset<std::string>> items(const std::string& bytes) {
    std::map<std::string, std::multiset<std::string>> sections;
    for (const SectionAsRead& section : scanLayout(platform::splitLines(bytes)).sections)
        for (const std::string& line : section.lines)
            if (!item(line).empty())
                sections[section.key].insert(item(line));
    return sections;
}

// Fails for every item of the original that the saved text lacks, and every one it adds, apart
// from the fixed view blocks and, when the ship shown first had its tank filled, that tank.
void expectNothingLostOrMadeUp(const std::string& file, const std::string& original, const std::string& saved,
                               bool tankFilled) {
    const auto before = items(original);
    auto after = items(saved);
    for (const auto& [key, lines] : before) {
        std::multiset<std::string>& written = after[key];
        for (const std::string& line : lines) {
            const auto found = written.find(line);
            if (found != written.end()) {
                written.erase(found);
                continue;
            }
            if (tankFilled && key == "SHIPS" && line.rfind("FUEL ", 0) == 0 && written.count("FUEL 1") > 0) {
                written.erase(written.find("FUEL 1"));
                continue;
            }
            ADD_FAILURE() << file << ": lost in " << key << ": " << line;
        }
    }
    for (const auto& [key, lines] : after)
        if (!lines.empty() && (before.count(key) || (key != "CAMERA" && key != "HUD" && key.rfind("MFD", 0) != 0)))
            for (const std::string& line : lines)
                ADD_FAILURE() << file << ": made up in " << key << ": " << line;
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

// The document alone, without a window or an installation: read and written, then again.
TEST(Corpus, EveryScenarioReadAndWrittenAsADocumentKeepsEveryItem) {
    for (const std::string& file : scenarios()) {
        const std::string original = platform::readFile(file).value_or("");
        if (scenarioRefusal(original, file))
            continue;
        const std::string written = writeScenario(readScenario(original, file).scenario);
        expectNothingLostOrMadeUp(file, original, written, false);
        EXPECT_EQ(written, writeScenario(readScenario(written, file).scenario)) << file << " changes when written again";
    }
}

TEST(Corpus, EveryScenarioSavesWithNothingLostAndNothingMadeUp) {
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

        // The ship shown first has its tank filled.
        expectNothingLostOrMadeUp(file, original, saved, true);

        const std::string again = temp.write("again.scn", saved);
        open(again);
        EXPECT_EQ(saved, main.writer().scenarioText()) << file << " changes on a second save";
    }
}

} // namespace
} // namespace vantrel::test
