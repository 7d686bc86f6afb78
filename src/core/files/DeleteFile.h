#pragma once

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

namespace vantrel {

class Vantrel;

class DeleteFile : public ui::Window {
public:
    explicit DeleteFile(Vantrel& main);

private:
    Vantrel& main_;
};

} // namespace vantrel
