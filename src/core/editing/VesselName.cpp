#include "core/editing/VesselName.h"

#include "core/scenario/Scenario.h"
#include "core/text/TextHelpers.h"

namespace vantrel {

std::string vesselNameErrors(const std::string& name, const std::string& kind) {
    constexpr char CR = '\r';
    if (name.find_first_not_of(" \t") == std::string::npos)
        return "You must enter a name for the " + kind + "." + CR;
    std::string errors;
    if (name.find(':') != std::string::npos)
        errors += "The " + kind + " name cannot hold \":\": the scenario file would read what follows as its class." + CR;
    if (name.find(';') != std::string::npos)
        errors += "The " + kind + " name cannot hold \";\": the scenario file would read what follows as a comment." + CR;
    return errors;
}

std::vector<std::string> attachedChildren(const Scenario& scenario, int shipCount, const std::string& parent) {
    std::vector<std::string> children;
    const std::string name = trim(parent);
    for (int k = 0; k < shipCount && scenario.validShip(k); ++k) {
        const ShipRow& ship = scenario.ships[static_cast<size_t>(k)];
        if (!ship.ShipAttachedTo.empty() && equalsIgnoringCase(trim(ship.ShipAttachedTo), name))
            children.push_back(ship.ShipNameTable);
    }
    return children;
}

std::string detachQuestion(const std::string& vessel, const std::vector<std::string>& children) {
    std::string names;
    for (const std::string& child : children)
        names += (names.empty() ? "" : ", ") + child;
    return trim(vessel) + " carries " + names + ": deleting it removes their ATTACHED lines, and the simulator "
           "then places them by their own lines. Are you sure you want to delete it ?";
}

} // namespace vantrel
