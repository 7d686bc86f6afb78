#pragma once

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

namespace vantrel {

class Vantrel;

class SaveAs : public ui::Window {
public:
    explicit SaveAs(Vantrel& main);

private:
    Vantrel& main_;
};

} // namespace vantrel
