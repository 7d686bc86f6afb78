#pragma once

#include <future>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

class Vantrel;

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
    // Waits until what the last reading replaced is freed.
    void settle();

private:
    void selectSystem(const std::string& name);
    // Shows what the file's HYPERDESC or URLDESC block says beside its description.
    void showHtmlDescription(std::string_view bytes);

    Vantrel& w_;
    // The freeing of what the last reading replaced, which runs beside the program.
    std::future<void> leftovers_;
};

} // namespace vantrel
