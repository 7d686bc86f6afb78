#pragma once

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

namespace vantrel {

class Vantrel;

class CoordinateConverter : public ui::Window {
public:
    explicit CoordinateConverter(Vantrel& main);

private:
    Vantrel& main_;
};

} // namespace vantrel
