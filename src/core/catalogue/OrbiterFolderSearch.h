#pragma once

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

namespace vantrel {

class Vantrel;

class OrbiterFolderSearch : public ui::Window {
public:
    explicit OrbiterFolderSearch(Vantrel& main);

private:
    Vantrel& main_;
};

} // namespace vantrel
