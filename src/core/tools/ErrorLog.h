#pragma once

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

namespace vantrel {

class MainWindowParts;

// "Error Log": the files the last scenario read could not open.
class ErrorLog : public ui::Window {
public:
    explicit ErrorLog(MainWindowParts& main);

    ui::TextField Text1{"Text1", true};
    ui::Button Command1{"Command1", "Close"};

    void Command1_Click();

protected:
    void Form_Load() override;

private:
    MainWindowParts& main_;
};

} // namespace vantrel
