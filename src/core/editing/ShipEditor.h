#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// The ship tab's validation and its class and planet choices.
class ShipEditor {
public:
    explicit ShipEditor(Vantrel& main);

    void Command4_Click();
    void Command10_Click();
    void Command11_Click();
    void ShipFocusCheck();

private:
    Vantrel& w_;
};

} // namespace vantrel
