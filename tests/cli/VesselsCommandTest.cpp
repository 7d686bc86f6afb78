// vantrel-scn vessels, run as a program on the sample installation and on the corpus.

#include "support/ShellQuote.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace vantrel::test {
namespace {

struct ScnRun {
    int status = -1;
    std::string out;
    std::string err;
};

ScnRun runScn(const TempFolder& temp, const std::string& arguments) {
    const std::string errFile = temp / "stderr.txt";
    const std::string command = quoted(VANTREL_SCN) + " " + arguments + " 2>" + quoted(errFile);
    ScnRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> chunk{};
    size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        run.out.append(chunk.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = temp.read("stderr.txt");
    return run;
}

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
    const ScnRun run = runScn(temp, "vessels " + quoted(install) + " " + quoted(file));
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
    const ScnRun run = runScn(temp, "vessels " + quoted(VANTREL_SAMPLE_DIR) + " " + quoted(file));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto table = rows(run.out);
    ASSERT_EQ(table.size(), 5u) << run.out;
    EXPECT_EQ(table[0], (std::vector<std::string>{"Robin", "Lander", "Landed", "Earth", "pad", "Canaveral", "1"}));
    EXPECT_EQ(table[1], (std::vector<std::string>{"Kite", "Skiff", "Landed", "Earth", "coordinates", "-80.5", "28.25"}));
    EXPECT_EQ(std::vector<std::string>(table[2].begin(), table[2].begin() + 5),
              (std::vector<std::string>{"Gull", "Courier", "Orbiting", "Earth", "vector"}));
    // A circle at 7000 km in the ecliptic: the state converted at the scenario date.
    const double period = 2 * M_PI * std::sqrt(7e6 * 7e6 * 7e6 / Mu);
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
    const double motion = std::sqrt(Mu / (7e6 * 7e6 * 7e6)) * 180 / M_PI * 86400; // degrees a day
    const double before = mjdNow();
    const ScnRun run = runScn(temp, "vessels " + quoted(VANTREL_SAMPLE_DIR) + " " + quoted(file));
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
    const std::string sample = quoted(VANTREL_SAMPLE_DIR);
    const std::string good = temp.write("Good.scn", crlf({"BEGIN_ENVIRONMENT", "  System Sol", "END_ENVIRONMENT"}));
    const std::string noSystem =
        temp.write("Elsewhere.scn", crlf({"BEGIN_ENVIRONMENT", "  System Vega", "END_ENVIRONMENT"}));

    EXPECT_EQ(runScn(temp, "vessels").status, 2);
    EXPECT_EQ(runScn(temp, "vessels " + sample).status, 2);
    EXPECT_EQ(runScn(temp, "vessels " + sample + " " + quoted(good) + " extra").status, 2);

    ScnRun run = runScn(temp, "vessels " + quoted(temp / "nowhere") + " " + quoted(good));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("does not exist"), std::string::npos) << run.err;
    run = runScn(temp, "vessels " + sample + " " + quoted(temp / "missing.scn"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot read the scenario file"), std::string::npos) << run.err;
    run = runScn(temp, "vessels " + sample + " " + quoted(noSystem));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Vega"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");

    run = runScn(temp, "vessels " + sample + " " + quoted(good));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
}

} // namespace
} // namespace vantrel::test
