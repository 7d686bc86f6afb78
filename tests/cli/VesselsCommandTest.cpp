// vantrel-scn vessels, run as a program on the sample installation and on the corpus.

#include "support/TempFolder.h"
#include "support/ToolRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace vantrel::test {
namespace {

std::vector<std::vector<std::string>> rows(const std::string& out) {
    std::vector<std::vector<std::string>> table;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> cells;
        size_t start = 0;
        for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            cells.push_back(line.substr(start, tab - start));
        cells.push_back(line.substr(start));
        table.push_back(cells);
    }
    return table;
}

double value(const std::string& cell) { return std::strtod(cell.c_str(), nullptr); }

// The orbit columns (from the sixth on) against figures given to ten significant digits; the
// angles of the mean longitude compared modulo 360°.
void expectOrbit(const std::vector<std::string>& row, const std::vector<double>& expected) {
    ASSERT_EQ(row.size(), 5 + expected.size());
    for (size_t k = 0; k < expected.size(); ++k) {
        const double got = value(row[5 + k]);
        if (k == 5) {
            EXPECT_NEAR(std::remainder(got - expected[k], 360.0), 0.0, 1e-7) << row[0] << " L";
        } else {
            EXPECT_NEAR(got, expected[k], std::max(1e-9, std::abs(expected[k]) * 5e-10))
                << row[0] << " column " << 5 + k;
        }
    }
}

TEST(VesselsCommand, GivesTheFiguresOfTheStationsOfDockedAtIss) {
    const std::string install = std::string(VANTREL_CORPUS_DIR) + "/orbiter-2016";
    const std::string file = install + "/Scenarios/Delta-glider/Docked at ISS.scn";
    if (!std::filesystem::exists(file))
        GTEST_SKIP() << "no corpus at " << VANTREL_CORPUS_DIR;
    TempFolder temp;
    const ToolRun run = runScn(temp, {"vessels", install, file});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto table = rows(run.out);
    ASSERT_GE(table.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(table[0].begin(), table[0].begin() + 5),
              (std::vector<std::string>{"ISS", "ProjectAlpha_ISS", "Orbiting", "Earth", "elements"}));
    expectOrbit(table[0], {6734919, 0.0009, 74.513, 169.034, 328.305, 280.8709354, 357847.5729, 369970.4271,
                           5500.593443});
    EXPECT_EQ(table[1][0], "Mir");
    expectOrbit(table[1], {6671000, 0.0006, 3.5, 0, 0, 162.4451113, 295987.4, 303992.6, 5422.472928});
}

constexpr double Mu = 6.67259e-11 * 5.9722e24; // the sample's Earth
constexpr double Radius = 6.371e6;

TEST(VesselsCommand, ListsLandedOrbitingAndDockedShipsOfTheSample) {
    TempFolder temp;
    const double speed = std::sqrt(Mu / 7e6);
    char rvel[80];
    std::snprintf(rvel, sizeof rvel, "  RVEL 0 0 %.17g", speed);
    const std::string file = temp.write(
        "Ships.scn", crlf({"BEGIN_ENVIRONMENT", "  System Sol", "  Date MJD 51544.5", "END_ENVIRONMENT",
                           "BEGIN_SHIPS", "Robin:Lander", "  STATUS Landed Earth", "  BASE Canaveral:1", "END",
                           "Kite:Skiff", "  STATUS Landed Earth", "  POS -80.5 28.25", "END", "Gull:Courier",
                           "  STATUS Orbiting Earth", "  RPOS 7000000 0 0", rvel, "  DOCKINFO 0:0,Tern", "END",
                           "Tern:Hauler", "  STATUS Orbiting Earth", "  ELEMENTS 1 0 0 0 0 0 51544.5",
                           "  DOCKINFO 0:0,Gull", "END", "Drift:Skiff", "  STATUS Orbiting Vulcan",
                           "  RPOS 0 0 0", "END", "END_SHIPS"}));
    const ToolRun run = runScn(temp, {"vessels", VANTREL_SAMPLE_DIR, file});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto table = rows(run.out);
    ASSERT_EQ(table.size(), 5u) << run.out;
    EXPECT_EQ(table[0], (std::vector<std::string>{"Robin", "Lander", "Landed", "Earth", "pad", "Canaveral", "1"}));
    EXPECT_EQ(table[1], (std::vector<std::string>{"Kite", "Skiff", "Landed", "Earth", "coordinates", "-80.5", "28.25"}));
    EXPECT_EQ(std::vector<std::string>(table[2].begin(), table[2].begin() + 5),
              (std::vector<std::string>{"Gull", "Courier", "Orbiting", "Earth", "vector"}));
    // A circle at 7000 km in the ecliptic: the state converted at the scenario date.
    const double period = 2 * std::numbers::pi * std::sqrt(7e6 * 7e6 * 7e6 / Mu);
    ASSERT_EQ(table[2].size(), 14u);
    EXPECT_NEAR(value(table[2][5]), 7e6, 1e-3);
    EXPECT_NEAR(value(table[2][6]), 0, 1e-9);
    EXPECT_NEAR(value(table[2][7]), 0, 1e-7);
    EXPECT_NEAR(std::remainder(value(table[2][10]), 360.0), 0, 1e-7);
    EXPECT_NEAR(value(table[2][11]), 7e6 - Radius, 1e-3);
    EXPECT_NEAR(value(table[2][12]), 7e6 - Radius, 1e-3);
    EXPECT_NEAR(value(table[2][13]), period, 1e-6);
    // The docked partner ignores its own (impossible) elements; the unknown body is the star.
    EXPECT_EQ(table[3], (std::vector<std::string>{"Tern", "Hauler", "Orbiting", "Earth", "docked", "Gull"}));
    EXPECT_EQ(std::vector<std::string>(table[4].begin(), table[4].begin() + 5),
              (std::vector<std::string>{"Drift", "Skiff", "Orbiting", "Sun", "vector"}));
    EXPECT_EQ(table[4].size(), 6u) << "a reason instead of figures";
}

// An early file: its stations first, each an orbit by its elements, then its ships as the
// editor reads them (landed on a pad, orbiting by position and velocity, docked at a port).
TEST(VesselsCommand, ListsTheStationsAndShipsOfAnEarlyFile) {
    TempFolder temp;
    const std::string file = temp.write(
        "Early.scn",
        crlf({"BEGIN_ENVIRONMENT", "  System Sol", "  Date MJD 51544.5", "END_ENVIRONMENT", "BEGIN_STATIONS",
              "Ring:Outpost", "  REF Earth", "  EL_MJD 51544.5004 ; 34.56 s after the start", "  ELEMENTS 7000000 0 0 0 0 90",
              "END", "Spoke", "  REF Earth", "  ELEMENTS 7000000 0.1 30 40 50 60", "END", "END_STATIONS", "BEGIN_SHIPS",
              "Robin:Lander", "  STATUS Landed Earth", "  BASE Canaveral:2", "END", "Gull:Courier",
              "  STATUS Orbiting Earth", "  RPOS 7000000 0 0", "  RVEL 0 0 7546.05", "END", "Tern:Hauler",
              "  STATUS Docked Earth:Ring:3", "END", "Drift:Skiff", "  STATUS Flying Earth", "END", "END_SHIPS"}));
    const ToolRun run = runScn(temp, {"vessels", VANTREL_SAMPLE_DIR, file});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto table = rows(run.out);
    ASSERT_EQ(table.size(), 6u) << run.out;
    auto head = [](const std::vector<std::string>& row) {
        return std::vector<std::string>(row.begin(), row.begin() + std::min<size_t>(5, row.size()));
    };
    EXPECT_EQ(head(table[0]), (std::vector<std::string>{"Ring", "Outpost", "Orbiting", "Earth", "elements"}));
    EXPECT_EQ(head(table[1]), (std::vector<std::string>{"Spoke", "Spoke", "Orbiting", "Earth", "elements"}));
    EXPECT_EQ(table[2], (std::vector<std::string>{"Robin", "Lander", "Landed", "Earth", "pad", "Canaveral", "2"}));
    EXPECT_EQ(head(table[3]), (std::vector<std::string>{"Gull", "Courier", "Orbiting", "Earth", "vector"}));
    EXPECT_EQ(table[4], (std::vector<std::string>{"Tern", "Hauler", "Docked", "Earth", "docked", "Ring", "3"}));
    // A status the editor does not know gives it no body either.
    EXPECT_EQ(table[5], (std::vector<std::string>{"Drift", "Skiff", "unknown", "", "none"}));

    // The epoch to the second, not to the minute the station tab shows: the start lies 34.56 s
    // before it.
    const double motion = std::sqrt(Mu / (7e6 * 7e6 * 7e6)) * 180 / std::numbers::pi; // degrees a second
    const double period = 2 * std::numbers::pi * std::sqrt(7e6 * 7e6 * 7e6 / Mu);
    expectOrbit(table[0], {7e6, 0, 0, 0, 0, 90 - motion * 34.56, 7e6 - Radius, 7e6 - Radius, period});
    // Without EL_MJD the elements hold at the start.
    expectOrbit(table[1], {7e6, 0.1, 30, 40, 50, 60, 6.3e6 - Radius, 7.7e6 - Radius, period});
    ASSERT_EQ(table[3].size(), 14u);
    EXPECT_NEAR(value(table[3][5]), 7e6, 3e3) << "a circle within a metre a second";
}

// Every early scenario of the sample lists its stations as orbits ahead of its ships, and every
// ship with the placement its STATUS gives; Meridian yard line by line.
TEST(VesselsCommand, ListsEveryEarlyScenarioOfTheSample) {
    TempFolder temp;
    int early = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(VANTREL_SAMPLE_DIR) + "/Scenarios")) {
        if (entry.path().extension() != ".scn")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (text.find("BEGIN_STATIONS") == std::string::npos && text.find("STATUS Docked") == std::string::npos)
            continue;
        ++early;
        SCOPED_TRACE(entry.path().string());
        const ToolRun run = runScn(temp, {"vessels", VANTREL_SAMPLE_DIR, entry.path().string()});
        ASSERT_EQ(run.status, 0) << run.err;
        std::vector<std::string> stations;
        bool shipSeen = false;
        for (const auto& row : rows(run.out)) {
            ASSERT_GE(row.size(), 5u) << run.out;
            const std::string& placement = row[4];
            if (placement == "elements") {
                EXPECT_FALSE(shipSeen) << row[0] << ": the stations come first";
                EXPECT_EQ("Orbiting", row[2]);
                stations.push_back(row[0]);
            } else {
                shipSeen = true;
            }
            if (placement == "elements" || placement == "vector") {
                EXPECT_EQ(14u, row.size()) << row[0] << ": figures, not a reason";
            } else if (placement == "docked") {
                ASSERT_EQ(7u, row.size());
                EXPECT_EQ("Docked", row[2]);
                EXPECT_NE(std::find(stations.begin(), stations.end(), row[5]), stations.end()) << row[5];
            } else {
                EXPECT_EQ("pad", placement) << row[0];
                EXPECT_EQ("Landed", row[2]);
                EXPECT_EQ(7u, row.size());
            }
        }
    }
    EXPECT_GE(early, 5);

    const ToolRun run =
        runScn(temp, {"vessels", VANTREL_SAMPLE_DIR, VANTREL_SAMPLE_DIR "/Scenarios/Earth orbit/Meridian yard.scn"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> placed;
    for (const auto& row : rows(run.out)) {
        std::string line;
        for (size_t k = 0; k < row.size(); ++k)
            if (k < 5 || row[4] == "docked" || row[4] == "pad")
                line += (k ? " " : "") + row[k];
        placed.push_back(line);
    }
    EXPECT_EQ(placed, (std::vector<std::string>{
                          "Meridian Drydock Orbiting Earth elements",
                          "Aurora Outpost Orbiting Earth elements",
                          "Lantern Beacon Orbiting Moon elements",
                          "Halcyon Courier Docked Earth docked Meridian 1",
                          "Tern Skiff Docked Earth docked Meridian 5",
                          "Osprey Hauler Docked Earth docked Meridian 12",
                          "Wren Courier Docked Earth docked Aurora 2",
                          "Kite Skiff Orbiting Earth vector",
                          "Pelican Lander Docked Moon docked Lantern 1",
                          "Marlin Lander Landed Earth pad Woomera 1",
                      }));
    // Aurora's elements hold six hours before the start.
    const auto aurora = rows(run.out)[1];
    const double a = 7178137;
    const double motion = std::sqrt(Mu / (a * a * a)) * 180 / std::numbers::pi;
    const double period = 2 * std::numbers::pi * std::sqrt(a * a * a / Mu);
    expectOrbit(aurora, {a, 0.0012, 28.5, 10, 20, 30 + motion * 6 * 3600, a * (1 - 0.0012) - Radius,
                         a * (1 + 0.0012) - Radius, period});
}

// A Date without a number is the moment of the run: the mean longitude of a circle of known
// epoch then lies between its values before and after the run.
TEST(VesselsCommand, TakesTheMomentOfTheRunForADateWithoutNumber) {
    TempFolder temp;
    const std::string file = temp.write(
        "Now.scn", crlf({"BEGIN_ENVIRONMENT", "  System Sol", "  Date MJD ;", "END_ENVIRONMENT", "BEGIN_SHIPS",
                         "Gull:Courier", "  STATUS Orbiting Earth", "  ELEMENTS 7000000 0 0 0 0 0 51544.5", "END",
                         "END_SHIPS"}));
    auto mjdNow = [] {
        const auto since = std::chrono::system_clock::now().time_since_epoch();
        return 40587.0 + std::chrono::duration<double>(since).count() / 86400.0;
    };
    const double motion = std::sqrt(Mu / (7e6 * 7e6 * 7e6)) * 180 / std::numbers::pi * 86400; // degrees a day
    const double before = mjdNow();
    const ToolRun run = runScn(temp, {"vessels", VANTREL_SAMPLE_DIR, file});
    const double after = mjdNow();
    ASSERT_EQ(run.status, 0) << run.err;
    const auto table = rows(run.out);
    ASSERT_EQ(table.size(), 1u);
    ASSERT_EQ(table[0].size(), 14u);
    const double longitude = value(table[0][10]);
    EXPECT_GE(longitude, 0);
    EXPECT_LT(longitude, 360);
    const double fromBefore = std::fmod(longitude - std::fmod((before - 51544.5) * motion, 360.0) + 720.0, 360.0);
    EXPECT_LE(fromBefore, (after - before) * motion + 1e-3);
}

TEST(VesselsCommand, RefusesMissingInputsAndWrongUsage) {
    TempFolder temp;
    const std::string sample = VANTREL_SAMPLE_DIR;
    const std::string good = temp.write("Good.scn", crlf({"BEGIN_ENVIRONMENT", "  System Sol", "END_ENVIRONMENT"}));
    const std::string noSystem =
        temp.write("Elsewhere.scn", crlf({"BEGIN_ENVIRONMENT", "  System Vega", "END_ENVIRONMENT"}));

    EXPECT_EQ(runScn(temp, {"vessels"}).status, 2);
    EXPECT_EQ(runScn(temp, {"vessels", sample}).status, 2);
    EXPECT_EQ(runScn(temp, {"vessels", sample, good, "extra"}).status, 2);

    ToolRun run = runScn(temp, {"vessels", temp / "nowhere", good});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("does not exist"), std::string::npos) << run.err;
    run = runScn(temp, {"vessels", sample, temp / "missing.scn"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot read the scenario file"), std::string::npos) << run.err;
    run = runScn(temp, {"vessels", sample, noSystem});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Vega"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");

    run = runScn(temp, {"vessels", sample, good});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
}

} // namespace
} // namespace vantrel::test
