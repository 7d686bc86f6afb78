#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// Writes the model and the main window's fields as a scenario file.
class ScenarioWriter {
public:
    explicit ScenarioWriter(Vantrel& main);

    // Writes the scenario to path (no extension is added). The file is written to a temporary
    // file beside it and renamed over it only when complete, so a failed save leaves the old
    // file as it was; the failure is then shown in a message box naming the file and the
    // reason, and false is returned. Neither the model nor the fields change.
    bool ScenarioFileSaving(const std::string& path);

    // The bytes ScenarioFileSaving writes: the description, the environment, the focus, the
    // fixed view blocks, the stations and the ships, every line ending with CR LF.
    std::string scenarioText() const;

private:
    Vantrel& w_;
};

} // namespace vantrel
