#pragma once

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

namespace vantrel {

class Vantrel;

class ErrorLog : public ui::Window {
public:
    explicit ErrorLog(Vantrel& main);

private:
    Vantrel& main_;
};

} // namespace vantrel
