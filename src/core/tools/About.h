#pragma once

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

namespace vantrel {

class Vantrel;

class About : public ui::Window {
public:
    explicit About(Vantrel& main);

private:
    Vantrel& main_;
};

} // namespace vantrel
