#include "core/editing/VesselName.h"

#include "core/scenario/Scenario.h"
#include "core/scenario/BlockLines.h"
#include "core/text/TextHelpers.h"

#include <algorithm>

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

bool dockInfoNames(const ShipRow& ship, const std::string& vessel) {
    for (const BlockLine& line : ship.ShipBlockLines) {
        if (keyOf(line.text()) != "DOCKINFO")
            continue;
        std::string_view rest = trimmed(clearedOfComments(line.text()));
        while (!rest.empty()) {
            const size_t comma = rest.find(',');
            if (comma == std::string_view::npos)
                break;
            rest = rest.substr(comma + 1);
            const size_t end = std::min(rest.find_first_of(" \t"), rest.size());
            if (rest.substr(0, end) == vessel)
                return true;
            rest = rest.substr(end);
        }
    }
    return false;
}

std::vector<std::string> dockedFollowers(const Scenario& scenario, int shipCount, const std::string& vessel) {
    std::vector<std::string> followers;
    const std::string name = trim(vessel);
    for (int k = 0; k < shipCount && scenario.validShip(k); ++k) {
        const ShipRow& ship = scenario.ships[static_cast<size_t>(k)];
        const bool docked = equalsIgnoringCase(trim(ship.ShipStatusTable), "Docked")
                                ? trim(ship.ShipDockedStationTable) == name
                                : ship.ShipPlacement == TodaysPlacement::Docked && dockInfoNames(ship, name);
        if (docked)
            followers.push_back(ship.ShipNameTable);
    }
    return followers;
}

std::string detachQuestion(const std::string& vessel, const std::vector<std::string>& children,
                           const std::vector<std::string>& docked, bool station) {
    auto list = [](const std::vector<std::string>& names) {
        std::string text;
        for (const std::string& name : names)
            text += (text.empty() ? "" : ", ") + name;
        return text;
    };
    std::string question;
    if (!children.empty())
        question += trim(vessel) + " carries " + list(children) +
                    ": deleting it removes their ATTACHED lines, and the simulator then places them by their own "
                    "lines. ";
    if (!docked.empty() && station)
        question += list(docked) + " docked at " + trim(vessel) + " will orbit where it is, on their own. ";
    else if (!docked.empty())
        question += trim(vessel) + " places the docked group of " + list(docked) +
                    ": deleting it removes their DOCKINFO tokens naming it, and the simulator then places them by "
                    "their own lines. ";
    return question + "Are you sure you want to delete it ?";
}

} // namespace vantrel
