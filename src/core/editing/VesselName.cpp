#include "core/editing/VesselName.h"

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

} // namespace vantrel
