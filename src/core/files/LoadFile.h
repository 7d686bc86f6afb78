#pragma once

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

namespace vantrel {

class Vantrel;

class LoadFile : public ui::Window {
public:
    explicit LoadFile(Vantrel& main);

private:
    Vantrel& main_;
};

} // namespace vantrel
