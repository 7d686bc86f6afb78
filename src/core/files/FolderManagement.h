#pragma once

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

namespace vantrel {

class Vantrel;

class FolderManagement : public ui::Window {
public:
    explicit FolderManagement(Vantrel& main);

private:
    Vantrel& main_;
};

} // namespace vantrel
