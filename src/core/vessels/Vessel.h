#pragma once

// A vessel block of a today's scenario file, read as today's simulator reads it: typed facts,
// each remembering the line of the file it came from (0-based), so that an edit can find the
// line that holds it.

#include "core/orbit/Orbit.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vantrel::vessels {

// The line number of a fact the block does not have.
inline constexpr size_t NoLine = static_cast<size_t>(-1);

// How much a finding matters: the simulator stops or reads memory it should not (error), loads
// the file but not as it seems to say (warning), or works while the file is ambiguous (note).
enum class Severity { Note, Warning, Error };

// Something the simulator does with a block that a person would not guess from reading it.
struct Note {
    size_t line = NoLine; // NoLine: about the whole block
    std::string text;
    // The check's name for the problem ("unknown-status"), empty for a note the check does not
    // report, and how much it matters.
    std::string code;
    Severity severity = Severity::Note;
};

enum class Status {
    Orbiting,
    Landed,
    // No STATUS line, or none with a word the simulator knows ("Docked" is not one): the
    // simulator lets the vessel fly free around the first star.
    Unknown,
};

// The status and the body the simulator uses.
struct StatusFact {
    Status status = Status::Unknown;
    // The body as resolved: the name as written when the system has it, otherwise the first star.
    std::string body;
    // The body as the STATUS line writes it; empty without a STATUS line.
    std::string bodyAsWritten;
    // The word of the STATUS line that counts ("Orbiting", "Landed").
    std::string word;
    bool bodyKnown = false;
    size_t line = NoLine; // the STATUS line that counts
};

// A docking port, by value: the vessel's name and the 0-based index of the port.
struct PortRef {
    std::string vessel;
    int port = 0;
    bool operator==(const PortRef&) const = default;
};

// A landing pad, by value: the base's name and the 1-based pad number (0 is the base's own
// reference point, which occupies no pad).
struct PadRef {
    std::string base;
    int pad = 0;
    bool operator==(const PadRef&) const = default;
};

// One `myPort:partnerPort,partnerName` token of a DOCKINFO line.
struct DockToken {
    int port = 0;
    PortRef partner;
    size_t line = NoLine;
    size_t offset = 0; // where the token starts in its line, in bytes
};

enum class PlacementKind { Attached, Pad, Coordinates, Docked, Elements, Vector, None };

// Where the simulator puts the vessel. Only the members of its kind mean anything.
struct Placement {
    PlacementKind kind = PlacementKind::None;
    // The line that decides it: ATTACHED, BASE or POS, the vessel's DOCKINFO line (none when
    // only its partner lists the link), ELEMENTS, the later of RPOS and RVEL; the STATUS line
    // for a landed vessel with neither BASE nor POS.
    size_t line = NoLine;

    // Attached: this vessel's attachment point (to its parent) and the parent's (to its child),
    // both 0-based, and the parent as written.
    int childPoint = 0;
    int parentPoint = 0;
    std::string parent;

    // Pad.
    PadRef pad;

    // Coordinates in degrees, and the base a `BASE name` line without pad named (it leaves the
    // coordinates to POS, or 0/0 without POS).
    double longitude = 0;
    double latitude = 0;
    std::string base;

    // Docked: the partner of the vessel's first token that names a vessel of the file, and the
    // vessel that places the group (the group's first vessel in the list; empty when this is it).
    PortRef partner;
    std::string placedBy;

    // Elements, as written.
    orbit::Elements elements;

    // Vector: RPOS and RVEL (zero when missing), each with its line.
    orbit::StateVector state;
    size_t positionLine = NoLine;
    size_t velocityLine = NoLine;
};

enum class TankForm {
    None,     // neither FUEL nor PRPLEVEL: the simulator starts every tank empty
    Fuel,     // one level for every tank
    PrpLevel, // levels by tank index
};

struct TankLevel {
    int tank = 0; // 0-based
    double level = 0;
};

// The tanks, from the later of FUEL and PRPLEVEL.
struct Tanks {
    TankForm form = TankForm::None;
    double fuel = 0;               // FUEL's level
    std::vector<TankLevel> levels; // PRPLEVEL's, as written
    size_t line = NoLine;
};

struct Vessel {
    std::string name;
    std::string className; // the name when the head has no class
    size_t headLine = 0;
    size_t endLine = NoLine; // NoLine when the block has no END
    StatusFact status;
    Placement placement;
    std::vector<DockToken> docking; // the tokens of the last DOCKINFO line, in order
    Tanks tanks;
    std::vector<Note> notes;
};

struct VesselList {
    bool hasShipsSection = false;
    std::vector<Vessel> vessels; // in file order
    std::vector<Note> notes;     // about the list itself
};

} // namespace vantrel::vessels
