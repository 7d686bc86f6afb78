#pragma once

#include <string>
#include <vector>

namespace vantrel {

// Why a station or ship name would not read back from a scenario file as the same name, as the
// validation message (ending with the character 13), or an empty text when it would. A block
// head is cut at its first ":" into name and class and at ";" into text and comment, and a
// blank head is no vessel at all. `kind` is "station" or "ship".
std::string vesselNameErrors(const std::string& name, const std::string& kind);

class Scenario;

// The ships of the first `shipCount` rows attached to the vessel of that name (by their
// ATTACHED lines), in list order.
std::vector<std::string> attachedChildren(const Scenario& scenario, int shipCount, const std::string& parent);

struct ShipRow;

// Whether the ship's DOCKINFO line as read has a token naming that vessel.
bool dockInfoNames(const ShipRow& ship, const std::string& vessel);

// The ships of the first `shipCount` rows that the vessel of that name places in a docked group:
// those docked at it on the ship tab, and those placed by their dock whose DOCKINFO names it.
std::vector<std::string> dockedFollowers(const Scenario& scenario, int shipCount, const std::string& vessel);

// Before a vessel that carries others is deleted: the question that names them, answered Yes to
// go on. Attached children lose their ATTACHED lines; docked ships lose their tokens naming it, or
// stay in orbit where a station was. A vessel that carries none needs no such question.
std::string detachQuestion(const std::string& vessel, const std::vector<std::string>& children,
                           const std::vector<std::string>& docked = {}, bool station = false);

} // namespace vantrel
