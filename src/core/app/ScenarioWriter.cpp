#include "core/app/ScenarioWriter.h"

#include "core/app/Vantrel.h"
#include "core/platform/TextFile.h"
#include "core/scenario/ScenarioFile.h"

namespace vantrel {

ScenarioWriter::ScenarioWriter(Vantrel& main) : w_(main) {}

void ScenarioWriter::collect() {
    Scenario& m = w_.model;
    m.description = w_.env.Description.text();
    m.start = {w_.env.Calendar.date(), w_.env.Hour.text(), w_.env.Minute.text()};
    m.system = w_.env.PlanetarySystem.text();
    m.focus = w_.env.ShipFocus.caption();
    m.stationCount = w_.stationCount();
    m.shipCount = w_.shipCount();
}

std::string ScenarioWriter::scenarioText() {
    collect();
    return writeScenario(w_.model);
}

bool ScenarioWriter::ScenarioFileSaving(const std::string& path) {
    const std::string reason = platform::writeFileAtomically(path, scenarioText());
    if (reason.empty())
        return true;
    w_.services.dialogs.msgBox("The scenario could not be saved to the file " + path + " : " + reason +
                                   "\rThe file was left as it was.",
                               ui::MsgExclamation, "Saving failed");
    return false;
}

} // namespace vantrel
