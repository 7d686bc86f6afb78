// vantrel-scn catalogue ORBITER_FOLDER: the catalogue the main window reads at start-up, and
// the bodies and bases of every planetary system, one TAB-separated item per line.

#include "cli/Commands.h"
#include "cli/Headless.h"

#include "core/catalogue/Catalogue.h"
#include "core/document/NumberText.h"

namespace vantrel::cli {

int runCatalogue(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args.front().empty()) {
        err << "vantrel-scn: catalogue takes one argument, the Orbiter folder\n"
               "Usage: vantrel-scn catalogue ORBITER_FOLDER\n";
        return 2;
    }

    Headless headless(args.front());
    if (headless.startupFailed()) {
        err << headless.failureMessage() << "\n";
        return 1;
    }

    Vantrel& w = headless.main();
    auto& s = w.state;
    out << "config\t" << s.CfgDir.caption() << "\n";
    out << "scenarios\t" << s.ScnDir.caption() << "\n";
    const auto& systems = w.env.PlanetarySystem;
    for (int i = 0; i < systems.listCount(); ++i)
        out << "system\t" << systems.list(i) << "\t" << s.PlanetarySystemFile.list(i) << "\n";
    const auto& ships = w.shipTab.Spacecraft;
    for (int i = 0; i < ships.listCount(); ++i)
        out << "shipclass\t" << ships.list(i) << "\t" << s.SpacecraftFile.list(i) << "\n";
    for (size_t i = 0; i < static_cast<size_t>(w.cat.StationClassCount); ++i)
        out << "stationclass\t" << w.cat.StationClassNames[i] << "\t"
            << roundHalfEven(leadingNumberValue(w.cat.StationClassDockCounts[i])) << "\n";

    // Each system as a scenario read selects it: its bodies, then the bases of its bodies.
    for (int i = 0; i < systems.listCount(); ++i) {
        const std::string name = systems.list(i);
        w.env.PlanetarySystem.setListIndex(i);
        s.PlanetarySystemFile.setListIndex(i);
        w.catalogue().ExtractPlanet(s.CfgDir.caption() + s.PlanetarySystemFile.list(i));
        w.catalogue().BaseUpDate();
        for (const std::string& body : w.stationTab.StationRef.items())
            out << "body\t" << name << "\t" << body << "\n";
        for (int b = 0; b < w.cat.BaseCount; ++b)
            out << "base\t" << name << "\t" << w.cat.BaseTable[static_cast<size_t>(b)] << "\n";
    }

    if (!w.model.ScanLog.empty())
        out << "scanlog\t" << w.model.ScanLog << "\n";
    return 0;
}

} // namespace vantrel::cli
