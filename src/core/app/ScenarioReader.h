#pragma once

#include <optional>
#include <string>

namespace vantrel {

class Vantrel;

// Why the file at `path` cannot be opened as a scenario, as the message that refuses it, or
// nothing when it can: it cannot be read, it holds a NUL byte (it is not text), or no line of
// it begins a section ("BEGIN_..."). Opening such a file would empty the open scenario and
// leave nothing in its place.
std::optional<std::string> scenarioFileRefusal(const std::string& path);

// Opens a scenario file in the main window: reads it into the document, then shows it.
class ScenarioReader {
public:
    explicit ScenarioReader(Vantrel& main);

    // Reads the file named by the folder caption ScnDir and the file name caption scnfile,
    // then shows it: start date, focus and planetary system (with its bodies and bases), the
    // stations and ships with the first of each, and both trees. Problems go to the scan log in
    // this order: the start date, the bodies and bases, the stations' and ships' passes; when
    // there are any, a message box says so at the end. A file that cannot be read leaves empty
    // lists; a section that breaks off keeps what was read before the break.
    void TabSettings();

private:
    void selectSystem(const std::string& name);

    Vantrel& w_;
};

} // namespace vantrel
