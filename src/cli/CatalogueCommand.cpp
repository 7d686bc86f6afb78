// vantrel-scn catalogue ORBITER_FOLDER: the catalogue the main window reads at start-up, and
// the bodies and bases of every planetary system, one TAB-separated item per line.

#include "cli/Commands.h"
#include "cli/Headless.h"

#include "core/app/CatalogueLoader.h"
#include "core/app/Vantrel.h"

#include <algorithm>

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
    CatalogueLoader& loader = w.catalogueLoader();
    const Catalogue& catalogue = loader.data();
    // Files are named relative to the configuration folder, with "/" whatever the system.
    auto slashed = [](std::string file) {
        std::replace(file.begin(), file.end(), '\\', '/');
        return file;
    };
    out << "config\t" << s.CfgDir.caption() << "\n";
    out << "scenarios\t" << s.ScnDir.caption() << "\n";
    for (const NamedFile& system : catalogue.systems)
        out << "system\t" << system.name << "\t" << slashed(system.file) << "\n";
    for (const NamedFile& ship : catalogue.shipClasses)
        out << "shipclass\t" << ship.name << "\t" << slashed(ship.file) << "\n";
    for (const StationClassEntry& station : catalogue.stationClasses)
        out << "stationclass\t" << station.name << "\t" << station.docks << "\n";

    // Each system as a scenario read selects it: its bodies, then the bases of its bodies.
    for (size_t i = 0; i < catalogue.systems.size(); ++i) {
        const NamedFile& system = catalogue.systems[i];
        w.env.PlanetarySystem.setListIndex(static_cast<int>(i));
        s.PlanetarySystemFile.setListIndex(static_cast<int>(i));
        loader.ExtractPlanet(s.CfgDir.caption() + system.file);
        loader.BaseUpDate();
        for (const std::string& body : w.stationTab.StationRef.items())
            out << "body\t" << system.name << "\t" << body << "\n";
        for (int b = 0; b < w.cat.BaseCount; ++b)
            out << "base\t" << system.name << "\t" << w.cat.BaseTable[static_cast<size_t>(b)] << "\n";
    }

    if (!w.model.ScanLog.empty())
        out << "scanlog\t" << w.model.ScanLog << "\n";
    return 0;
}

} // namespace vantrel::cli
