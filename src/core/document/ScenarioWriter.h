#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// Writes the model and the main window's fields as a scenario file.
class ScenarioWriter {
public:
    explicit ScenarioWriter(Vantrel& main);

    bool ScenarioFileSaving(const std::string& path);

private:
    Vantrel& w_;
};

} // namespace vantrel
