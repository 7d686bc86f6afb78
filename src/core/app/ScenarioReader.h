#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class Vantrel;

// Why the file at `path` cannot be opened as a scenario, as the message that refuses it, or
// nothing when it can: it cannot be read, it holds a NUL byte (it is not text), or no line of
// it begins a section ("BEGIN_..."). Opening such a file would empty the open scenario and
// leave nothing in its place.
std::optional<std::string> scenarioFileRefusal(const std::string& path);

// Reads a scenario file into the model and the main window's fields.
class ScenarioReader {
public:
    explicit ScenarioReader(Vantrel& main);

    // Reads the file named by the folder caption ScnDir and the file name caption scnfile:
    // start date, focus and planetary system (with its bodies and bases), then the stations
    // and ships, and shows the first of each with both trees. Problems go to the scan log;
    // when there are any, a message box says so at the end. A file that cannot be read leaves
    // empty lists; a section that breaks off keeps what was read before the break.
    void TabSettings();

private:
    // The answer to a key as the configuration lookup gives it, taken from the key's own
    // section when the file has that section, from the whole file otherwise.
    std::string lookup(const std::vector<std::string>* lines, const std::string& path, const char* beginMarker,
                       const char* endMarker, const char* key);
    void readStartDate(const std::string& answer, const std::string& path);
    void selectSystem(const std::string& name);
    int countHeads(const std::vector<std::string>& lines, const char* beginMarker, const char* endMarker,
                   bool candidates);
    bool readStations(const std::vector<std::string>& lines, const std::string& path);
    bool readShips(const std::vector<std::string>& lines, int& row);

    Vantrel& w_;
};

} // namespace vantrel
