#pragma once

// A main window started on a generated installation, with its scenario "Huge.scn" opened as
// the load window opens it.

#include "support/TempFolder.h"

#include "core/app/Vantrel.h"
#include "core/ui/ScriptedServices.h"

#include <memory>

namespace vantrel::test {

struct GeneratedScenario {
    TempFolder temp;
    ui::ScriptedServices scripted;
    std::unique_ptr<Vantrel> main;

    GeneratedScenario(int stations, int ships);
};

} // namespace vantrel::test
