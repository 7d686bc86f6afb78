#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// Saves the main window's scenario: collects the window's fields into the document, writes it
// and puts the bytes into the file.
class ScenarioWriter {
public:
    explicit ScenarioWriter(Vantrel& main);

    // Writes the scenario to path (no extension is added). The file is written to a temporary
    // file beside it and renamed over it only when complete, so a failed save leaves the old
    // file as it was; the failure is then shown in a message box naming the file and the
    // reason, and false is returned.
    bool ScenarioFileSaving(const std::string& path);

    // The bytes ScenarioFileSaving writes.
    std::string scenarioText();

    // Puts the first tab's fields and the number of stations and ships listed into the
    // document, as the writer needs them.
    void collect();

private:
    Vantrel& w_;
};

} // namespace vantrel
