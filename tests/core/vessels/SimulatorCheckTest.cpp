// What today's simulator does wrong with a scenario, found before launch: one small file of
// tests/data/simulator-check per problem, each finding compared whole but for its text.

#include "core/catalogue/Bodies.h"
#include "core/catalogue/Catalogue.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/text/TextHelpers.h"
#include "core/vessels/SimulatorCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace vantrel::vessels {
namespace {

using S = Severity;

// A finding without its text: line, severity, code, vessel.
using Seen = std::tuple<size_t, Severity, std::string, std::string>;

struct CheckCase {
    const char* file;
    std::vector<Seen> findings;
};

std::string dataFolder() { return std::string(VANTREL_TEST_DATA_DIR) + "/simulator-check/"; }

// The small installation of today's simulator in tests/data/simulator-check/Orbiter: the Sun,
// Earth and the Moon; DeltaGlider builds its ports in its module, ISS has 4 of its own, ShuttleA
// 1, and Wheel's dock list ends on an indented END_DOCKLIST; Habana on Earth has 4 pads.
CheckInstallation installation() {
    const std::string config = dataFolder() + "Orbiter/Config/";
    static const SystemBodies bodies = readSystemBodies(config, config + "Sol.cfg");
    static const std::vector<BaseEntry> bases = [&] {
        UnreadableFiles unreadable;
        return readBases(config, bodies.namesStarFirst(), unreadable);
    }();
    CheckInstallation in;
    in.vesselsFolder = true;
    in.systemExists = [config](const std::string& system) {
        return platform::fileExists(platform::resolveIgnoringCase(config + system + ".cfg"));
    };
    in.bodyNames = [](const std::string&) { return bodies.namesStarFirst(); };
    in.bodyRadius = [](const std::string& body) -> std::optional<double> {
        const Body* found = bodies.find(body);
        return found ? found->radius : std::nullopt;
    };
    in.vesselClass = [config](const std::string& name) { return readVesselClass(config, name); };
    in.basePads = [](const std::string& body, const std::string& base) -> std::optional<long long> {
        for (const BaseEntry& entry : bases)
            if (entry.body == body && entry.name == base)
                return entry.pads;
        return std::nullopt;
    };
    in.bodyOrBaseNamed = [](const std::string& name) {
        for (const std::string& body : bodies.namesStarFirst())
            if (equalsIgnoringCase(body, name))
                return true;
        return std::any_of(bases.begin(), bases.end(),
                           [&](const BaseEntry& base) { return equalsIgnoringCase(base.name, name); });
    };
    return in;
}

class SimulatorCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SimulatorCheck, FindsWhatTheSimulatorDoes) {
    const CheckCase& c = GetParam();
    const std::string path = dataFolder() + c.file;
    const std::optional<std::string> bytes = platform::readFile(path);
    ASSERT_TRUE(bytes) << path;
    std::vector<Seen> seen;
    std::string texts;
    for (const Finding& f : simulatorFindings(*bytes, c.file, installation())) {
        seen.emplace_back(f.line, f.severity, f.code, f.vessel);
        EXPECT_FALSE(f.text.empty());
        texts += f.text + "\n";
    }
    EXPECT_EQ(seen, c.findings) << texts;
}

const CheckCase cases[] = {
    {"clean.scn", {}},
    {"early-format.scn", {{15, S::Error, "early-format", ""}}},
    {"line-between-vessels.scn",
     {{14, S::Error, "line-between-vessels", ""}, {15, S::Error, "line-between-vessels", ""}}},
    // The class is " DeltaGlider", blank included, as the simulator splits the head.
    {"missing-class-file.scn", {{14, S::Error, "missing-class-file", "GL-02 "}}},
    {"unknown-base.scn", {{16, S::Error, "unknown-base", "GL-02"}}},
    {"pad-out-of-range.scn", {{16, S::Error, "pad-out-of-range", "GL-02"}}},
    {"no-system.scn", {{1, S::Error, "no-system", ""}}},
    // ShuttleA has no module: every line of its block counts.
    {"long-line.scn", {{17, S::Error, "long-line", "SH-01"}}},
    {"missing-end.scn", {{14, S::Error, "missing-end", ""}}},
    {"dockinfo-form.scn",
     {{13, S::Error, "dockinfo-form", "GL-01"}, {13, S::Error, "dockinfo-form", "GL-01"}}},
    {"elements-form.scn",
     {{16, S::Error, "elements-form", "GL-02"},
      {19, S::Warning, "elements-form", "GL-03"},
      {20, S::Warning, "status-order", "GL-03"},
      {24, S::Warning, "elements-form", "GL-04"}}},
    {"dock-remote-port-range.scn",
     {{22, S::Error, "dock-remote-port-range", "SH-01"}, {22, S::Note, "dock-one-sided", "SH-01"}}},
    {"unknown-body.scn", {{15, S::Error, "unknown-body", "GL-02"}, {19, S::Warning, "unknown-body", "GL-03"}}},
    {"unknown-status.scn", {{14, S::Warning, "status-order", "GL-02"}, {15, S::Warning, "unknown-status", "GL-02"}}},
    {"status-order.scn", {{16, S::Warning, "status-order", "GL-02"}, {18, S::Warning, "status-order", "GL-03"}}},
    {"body-case.scn", {{15, S::Warning, "body-case", "GL-02"}}},
    {"group-without-position.scn", {{11, S::Warning, "group-without-position", "SH-01"}}},
    {"dock-unknown-vessel.scn", {{13, S::Warning, "dock-unknown-vessel", "GL-01"}}},
    // ISS and SH-01 disagree on both sides of their link; SH-02 also claims SH-01's port.
    {"dock-conflict.scn",
     {{12, S::Warning, "dock-conflict", "ISS"},
      {12, S::Warning, "dock-conflict", "ISS"},
      {16, S::Warning, "dock-conflict", "SH-01"},
      {20, S::Warning, "dock-conflict", "SH-02"},
      {20, S::Warning, "dock-conflict", "SH-02"}}},
    // ShuttleA has one port: ISS names its port 3, and SH-01 its own.
    {"dock-port-range.scn",
     {{12, S::Error, "dock-remote-port-range", "ISS"}, {16, S::Warning, "dock-port-range", "SH-01"}}},
    {"attach-unknown-parent.scn", {{16, S::Warning, "attach-unknown-parent", "GL-02"}}},
    {"attached-form.scn", {{17, S::Warning, "attached-form", "GL-02"}}},
    {"base-without-position.scn", {{16, S::Warning, "base-without-position", "GL-02"}}},
    {"duplicate-name.scn", {{14, S::Warning, "duplicate-name", "GL-01"}}},
    {"duplicate-section.scn", {{15, S::Warning, "duplicate-section", ""}}},
    {"focus-not-found.scn", {{6, S::Warning, "focus-not-found", ""}}},
    {"camera-target-unknown.scn", {{16, S::Warning, "camera-target-unknown", ""}}},
    {"below-surface.scn", {{16, S::Warning, "below-surface", "GL-02"}}},
    {"alt-without-arot.scn",
     {{17, S::Warning, "alt-without-arot", "GL-02"},
      {22, S::Warning, "alt-without-arot", "GL-03"},
      {29, S::Warning, "alt-without-arot", "GL-04"}}},
    {"header-indented.scn", {{1, S::Warning, "header-indented", ""}, {3, S::Warning, "header-indented", ""}}},
    {"dock-one-sided.scn", {{17, S::Note, "dock-one-sided", "GL-01"}}},
    {"competing-lines.scn",
     {{14, S::Note, "competing-lines", "GL-01"},
      {15, S::Note, "competing-lines", "GL-01"},
      {20, S::Note, "competing-lines", "GL-02"}}},
    {"extension-case.SCN", {{1, S::Note, "extension-case", ""}}},
    // Line 4 of Wheel.cfg: the class file is the finding's file.
    {"header-indented-dock-list.scn", {{4, S::Warning, "header-indented", "Wheel One"}}},
};

TEST(SimulatorCheckClassFile, AnIndentedEndOfTheDockListIsFoundInTheClassFile) {
    const std::optional<std::string> bytes = platform::readFile(dataFolder() + "header-indented-dock-list.scn");
    ASSERT_TRUE(bytes);
    const std::vector<Finding> findings = simulatorFindings(*bytes, "header-indented-dock-list.scn", installation());
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(platform::normalPath(findings.front().file),
              platform::normalPath(dataFolder() + "Orbiter/Config/Vessels/Wheel.cfg"));
    // The simulator reads on to the end of the file: the indented line is a port too.
    const std::optional<VesselClassInfo> wheel = readVesselClass(dataFolder() + "Orbiter/Config/", "wheel");
    ASSERT_TRUE(wheel);
    EXPECT_EQ(wheel->ports, 2);
    EXPECT_EQ(readVesselClass(dataFolder() + "Orbiter/Config/", "DeltaGlider")->ports, std::nullopt);
    EXPECT_EQ(readVesselClass(dataFolder() + "Orbiter/Config/", "ISS")->ports, 4);
}

INSTANTIATE_TEST_SUITE_P(Files, SimulatorCheck, ::testing::ValuesIn(cases), [](const auto& info) {
    std::string name;
    for (const char c : std::string(info.param.file))
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
    return name;
});

// The safe fixes change only the lines they fix: the fixed file of each case is in
// tests/data/simulator-check/fixed, and checking it again finds none of what was fixed.
class SimulatorFix : public ::testing::TestWithParam<const char*> {};

TEST_P(SimulatorFix, ChangesOnlyTheFixedLines) {
    const std::string folder = dataFolder();
    const std::optional<std::string> bytes = platform::readFile(folder + GetParam());
    const std::optional<std::string> expected = platform::readFile(folder + "fixed/" + GetParam());
    ASSERT_TRUE(bytes && expected);
    const Fixed fixed = fixedScenario(*bytes, GetParam(), installation());
    EXPECT_FALSE(fixed.changes.empty());
    EXPECT_EQ(fixed.bytes, *expected);
    for (const Finding& left : simulatorFindings(fixed.bytes, GetParam(), installation()))
        for (const Finding& change : fixed.changes)
            EXPECT_NE(left.code, change.code) << left.text;
}

INSTANTIATE_TEST_SUITE_P(Files, SimulatorFix,
                         ::testing::Values("line-between-vessels.scn", "body-case.scn", "dock-one-sided.scn"),
                         [](const auto& info) {
                             std::string name;
                             for (const char c : std::string(info.param))
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                             return name;
                         });

} // namespace
} // namespace vantrel::vessels
