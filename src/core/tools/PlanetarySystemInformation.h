#pragma once

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

namespace vantrel {

class Vantrel;

class PlanetarySystemInformation : public ui::Window {
public:
    explicit PlanetarySystemInformation(Vantrel& main);

    // The bodies of the current system, filled by the planetary-system reader.
    ui::ComboBox Planet{"Planet"};

private:
    Vantrel& main_;
};

} // namespace vantrel
