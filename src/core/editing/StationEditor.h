#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// The station tab's actions: change class and planet, validation, add and delete.
class StationEditor {
public:
    explicit StationEditor(Vantrel& main);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command8_Click();
    void Command9_Click();

private:
    Vantrel& w_;
};

} // namespace vantrel
