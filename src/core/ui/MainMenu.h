#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// The main window's menu commands and its shutdown.
class MainMenu {
public:
    explicit MainMenu(Vantrel& main);

    void Form_Unload();

private:
    Vantrel& w_;
};

} // namespace vantrel
