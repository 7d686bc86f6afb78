#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// Reads a scenario file into the model and the main window's fields.
class ScenarioReader {
public:
    explicit ScenarioReader(Vantrel& main);

    void TabSettings();

private:
    Vantrel& w_;
};

} // namespace vantrel
