#pragma once

// Reading and writing a scenario file: pure functions from bytes to the document and back. They
// touch no file, no control and no catalogue; the main window shows what was read and collects
// the person's edits before writing.

#include "core/scenario/Scenario.h"
#include "core/text/Dates.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// What reading a scenario file gives: the document, and what showing it needs besides.
struct ScenarioReading {
    Scenario scenario;
    // The start time of the file's Date line. Nothing when the file has none (the start shown
    // stays) or when it is out of range, which dateEntry then says for the scan log.
    std::optional<DayTime> start;
    std::optional<std::string> dateEntry;
    // The heads counted in the stations' and ships' sections: each table has rows 0..count
    // when the count is not 0.
    int stationHeads = 0;
    int shipHeads = 0;
    // The names for the station and ship lists, in file order, and every ship head as a
    // candidate for the user-controlled ship.
    std::vector<std::string> stationNames;
    std::vector<std::string> shipNames;
    std::vector<std::string> focusCandidates;
    // The last epoch and rotation frequency the stations' pass read: the station tab holds them
    // until a station is shown.
    std::optional<int> lastEpochDay;
    std::optional<std::string> lastFrequency;
    // The row the ships' pass ended on.
    int shipRow = 0;
    // The scan-log entries of the stations' pass and of the ships' pass, in order; they follow
    // the entries of the planetary system's bodies and bases.
    std::vector<std::string> stationEntries;
    std::vector<std::string> shipEntries;
};

// Reads a scenario file's bytes; path names the file in scan-log entries. The environment's and
// focus's keys are looked up in their own sections (in the whole file when it has no such
// section); the stations and ships are counted by their heads and read pass by pass. A pass
// that meets a line it cannot read stops there, logs "Can not open the file <path>", and keeps
// that line and the rest of its section as read with the station or ship being read.
ScenarioReading readScenario(std::string bytes, const std::string& path);
// The same for bytes that someone else reads too, while this reading runs.
ScenarioReading readScenario(SourceBytes source, const std::string& path);

// The bytes of the document as a scenario file. A document read from a file gives the bytes read
// with only the lines that hold what changed edited in place: each such line keeps its
// indentation, keyword, comment, line end and the spelling of every value that did not change,
// a line a block lacked is added only when its value changed, and a deleted block takes its own
// lines with it. A document without a file is written whole: the description, the environment,
// the focus, the view blocks, the stations and the ships, every line ending with CR LF, a blank
// line between sections.
std::string writeScenario(const Scenario& scenario);

// Whether the bytes are an early scenario file: one with a BEGIN_STATIONS line or a
// `STATUS Docked` line (in any case, blanks and a comment around them not counting). Today's
// simulator knows neither, so a file with one was written for the early one.
bool isEarlyScenario(std::string_view bytes);

// Why these bytes are not a scenario file, as the message that refuses the file at path, or
// nothing when they are: they hold a NUL byte (they are not text), or no line begins a section
// ("BEGIN_...").
std::optional<std::string> scenarioRefusal(std::string_view bytes, const std::string& path);

} // namespace vantrel
