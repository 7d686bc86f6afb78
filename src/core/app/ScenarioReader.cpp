#include "core/app/ScenarioReader.h"

#include "core/app/CatalogueLoader.h"
#include "core/app/Vantrel.h"
#include "core/app/Windows.h"
#include "core/editing/SelectionTrees.h"
#include "core/editing/ShipDisplay.h"
#include "core/editing/StationDisplay.h"
#include "core/files/Description.h"
#include "core/platform/Beside.h"
#include "core/platform/TextFile.h"
#include "core/scenario/ScenarioFile.h"
#include "core/text/TextHelpers.h"
#include "core/tools/ErrorLog.h"
#include "core/vessels/TodaysStations.h"
#include "core/vessels/VesselReader.h"

#include <algorithm>
#include <chrono>
#include <future>
#include <utility>

namespace vantrel {

namespace {

// The moment of the run, as the simulator takes a Date that means now.
double mjdNow() {
    using namespace std::chrono;
    const double seconds = duration<double>(system_clock::now().time_since_epoch()).count();
    return seconds / 86400.0 + 40587.0;
}

// What a today's file needs beyond its early-layout reading: its format, and its vessel list as
// the simulator reads it, with the names of the planetary system that was open before it.
struct VesselsAhead {
    FileFormat format = FileFormat::Early;
    std::vector<std::string> bodies;
    vessels::VesselList list;
};

// A file smaller than this reads faster than a thread starts.
constexpr size_t BytesWorthAThread = 64 * 1024;

// Reads those beside the early-layout reading, on a thread of their own: on a huge file the
// vessel list takes as long as the rest. The bytes stay alive with the task.
std::future<VesselsAhead> readAhead(SourceBytes source, bool vesselsFolder, std::vector<std::string> bodies) {
    const bool worthAThread = source->size() >= BytesWorthAThread;
    return platform::startBeside(worthAThread, [source, vesselsFolder, bodies = std::move(bodies)]() mutable {
        VesselsAhead ahead;
        ahead.format = fileFormatOf(*source, vesselsFolder);
        if (ahead.format == FileFormat::Today)
            ahead.list = vessels::readVessels(*source, bodies);
        ahead.bodies = std::move(bodies);
        return ahead;
    });
}

// What a reading replaces: tens of thousands of rows take a while to free, and nothing needs to
// wait for it.
struct Leftovers {
    std::vector<ShipRow> ships;
    std::vector<StationRow> stations;
    vessels::VesselList vessels;
};

// Frees `old` on a thread of its own, once the freeing before it is done; a few rows go at once.
void throwAway(Leftovers old, std::future<void>& pending) {
    if (pending.valid())
        pending.get();
    constexpr size_t RowsWorthAThread = 2000;
    if (old.ships.size() + old.stations.size() + old.vessels.vessels.size() < RowsWorthAThread)
        return;
    pending = platform::startBeside(true, [old = std::move(old)]() mutable { Leftovers gone = std::move(old); });
}

} // namespace

ScenarioReader::ScenarioReader(Vantrel& main) : w_(main) {}

void ScenarioReader::selectSystem(const std::string& name) {
    ui::ComboBox& systems = w_.env.PlanetarySystem;
    int index = -1;
    for (int i = 0; i < systems.listCount(); ++i)
        if (systems.list(i) == name) {
            index = i;
            break;
        }
    if (index < 0) {
        systems.addItem(name);
        w_.state.PlanetarySystemFile.addItem(name + ".cfg");
        index = systems.listCount() - 1;
    }
    systems.setListIndex(index);
    {
        ui::BusyPointer busy(w_.services.screen);
        w_.state.PlanetarySystemFile.setListIndex(index);
        w_.catalogueLoader().ExtractPlanet(w_.state.CfgDir.caption() + w_.state.PlanetarySystemFile.text());
    }
    w_.catalogueLoader().BaseUpDate();
}

void ScenarioReader::showHtmlDescription(std::string_view bytes) {
    // Beside the DESC field, which stays the one the person edits: the HYPERDESC as text when
    // the file has no DESC (the simulator would show it), or the help page a URLDESC names.
    ui::EnvironmentTab& env = w_.env;
    const HtmlDescription html = htmlDescriptionOf(bytes);
    // Whether the file has a DESC block matters only beside a HYPERDESC: most files have
    // neither, and finding out splits the whole file into lines.
    const auto hasDesc = [&] { return descriptionBlockLines(platform::lineViews(bytes)).has_value(); };
    std::string shown;
    if (html.kind == HtmlDescription::Kind::Url)
        shown = helpPageText(html.text);
    else if (html.kind == HtmlDescription::Kind::Hyper && !hasDesc())
        shown = html.text;
    env.DescriptionHtml.setCaption(shown);
    env.DescriptionHtml.setVisible(!shown.empty());
    env.DescriptionHtmlNote.setVisible(html.kind == HtmlDescription::Kind::Hyper);
}

void ScenarioReader::settle() {
    if (leftovers_.valid())
        leftovers_.get();
}

void ScenarioReader::TabSettings() {
    Scenario& m = w_.model;
    ui::TextField& logText = w_.windows().errorLog().Text1;
    const std::string path = w_.state.ScnDir.caption() + w_.state.scnfile.caption();

    {
        ui::BusyPointer busy(w_.services.screen);

        m.ScanLog.clear();
        m.ScanErrorsFound = false;
        logText.setText({});
        Leftovers replaced;

        std::optional<std::string> bytes = platform::readFile(path);
        const SourceBytes source = bytes ? std::make_shared<const std::string>(std::move(*bytes)) : nullptr;
        std::future<VesselsAhead> vesselsAhead;
        if (source)
            vesselsAhead = readAhead(source, w_.cat.VesselsFolder, w_.cat.bodies.namesStarFirst());
        showHtmlDescription(source ? *source : std::string());
        ScenarioReading read;
        if (source) {
            read = readScenario(source, path);
        } else {
            // Without the file each key is looked up as in a configuration file, which logs
            // the file it cannot open.
            w_.catalogueLoader().GetData(path, "Date");
            const std::string ship = w_.catalogueLoader().GetData(path, "Ship");
            read.scenario.focus = ship == "No Data" ? std::string() : trim(dropLeft(ship, 4));
            read.scenario.system = trim(dropLeft(w_.catalogueLoader().GetData(path, "System"), 7));
        }
        Scenario& doc = read.scenario;
        m.layout = std::move(doc.layout);
        m.sizeAsRead = doc.sizeAsRead;
        m.source = doc.source;
        VesselsAhead ahead = vesselsAhead.valid() ? vesselsAhead.get() : VesselsAhead{};
        m.format = m.source ? ahead.format : FileFormat::Early;
        m.startMjdAsRead = doc.startMjdAsRead;
        m.descriptionAsRead = w_.env.Description.text();

        if (read.dateEntry)
            m.logScanError(*read.dateEntry);
        if (read.start) {
            w_.env.Calendar.setDate(read.start->day);
            w_.env.Hour.setListIndex(read.start->hour);
            w_.env.Minute.setListIndex(read.start->minute);
        }
        m.startAsRead = {w_.env.Calendar.date(), w_.env.Hour.text(), w_.env.Minute.text()};
        w_.env.ShipFocus.setCaption(doc.focus);
        selectSystem(doc.system);
        // Today's simulator also flies vessels around a star: the body lists offer the stars too.
        if (m.format == FileFormat::Today)
            for (const Body& body : w_.cat.bodies.bodies)
                if (body.kind == Body::Kind::Star)
                    for (ui::ComboBox* list : {&w_.stationTab.StationRef, &w_.shipTab.OrbitingRef})
                        if (std::find(list->items().begin(), list->items().end(), body.name) == list->items().end())
                            list->addItem(body.name);

        if (!bytes) {
            m.logScanError("Can not open the file " + path);
            m.logScanError("Can not open the file " + path);
        }
        // The lists take the reading's names as they are: tens of thousands in a huge scenario.
        w_.env.PossibleShipFocus.clear();
        w_.env.PossibleShipFocus.setItems(std::move(read.focusCandidates));
        if (w_.env.PossibleShipFocus.listCount() > 0)
            w_.env.PossibleShipFocus.setListIndex(0);

        // A today's file lists its stations among its ships: the station tab takes those in orbit.
        if (m.format == FileFormat::Today) {
            const int classes = std::min(w_.cat.StationClassCount, static_cast<int>(w_.cat.StationClassNames.size()));
            const std::vector<std::string> stationClasses(w_.cat.StationClassNames.begin(),
                                                          w_.cat.StationClassNames.begin() + std::max(classes, 0));
            // A file of another system than the one open before names other bodies.
            std::vector<std::string> bodies = w_.cat.bodies.namesStarFirst();
            if (bodies != ahead.bodies)
                ahead.list = vessels::readVessels(*m.source, bodies);
            vessels::takeTodaysStations(read, m.layout, stationClasses, w_.cat.bodies, m.startMjdAsRead.value_or(mjdNow()),
                                        ahead.list);
        }

        // The document's tables replace the window's only when the file has stations or ships;
        // the name lists say how many rows are in use.
        w_.stationDisplay().StationTabReset();
        if (read.stationHeads > 0) {
            replaced.stations = std::exchange(m.stations, std::move(doc.stations));
            w_.stationTab.StationName.clear();
            w_.stationTab.StationName.setItems(std::move(read.stationNames));
            if (read.lastEpochDay)
                w_.stationTab.StationOrbitalRefTime.setDate(*read.lastEpochDay);
            if (read.lastFrequency)
                w_.stationTab.StationRotationFrequency.setText(*read.lastFrequency);
            for (const std::string& entry : read.stationEntries)
                m.logScanError(entry);
            if (w_.stationTab.StationName.listCount() > 0) {
                w_.stationTab.StationName.setListIndex(0);
                w_.stationDisplay().StationParameterDisplay();
            }
        }

        w_.trees().StationTreeUpdate();
        w_.trees().BaseTreeUpdate();

        w_.shipTab.ShipName.clear();
        if (read.shipHeads > 0) {
            replaced.ships = std::exchange(m.ships, std::move(doc.ships));
            w_.shipTab.ShipName.setItems(std::move(read.shipNames));
            for (const std::string& entry : read.shipEntries)
                m.logScanError(entry);
            w_.shipTab.ShipIndex.setCaption(std::to_string(read.shipRow) + ":" + std::to_string(read.shipHeads));
        }
        m.cameraTargetIsShip = doc.cameraTargetIsShip;
        if (w_.shipTab.ShipName.listCount() > 0) {
            w_.shipTab.ShipName.setListIndex(0);
            if (w_.shipTab.Spacecraft.listCount() > 0)
                w_.shipTab.Spacecraft.setListIndex(0);
            w_.shipDisplay().ShipParameterDisplay();
            w_.shipTab.ShipName.setListIndex(0);
        } else {
            // No ship to show: the previous scenario's ship must not stay on the tab.
            w_.shipDisplay().ShipTabReset();
            if (w_.shipTab.Spacecraft.listCount() > 0)
                w_.shipTab.Spacecraft.setListIndex(0);
        }
        w_.shipTab.ShipDockedTree.setVisible(true);
        w_.shipTab.ShipLandingTree.setVisible(true);
        w_.env.Description.setVisible(true);
        w_.env.PossibleShipFocus.setVisible(true);
        if (w_.stationTab.StationRef.listCount() > 0)
            w_.stationTab.StationRef.setListIndex(0);
        if (w_.shipTab.OrbitingRef.listCount() > 0)
            w_.shipTab.OrbitingRef.setListIndex(0);
        w_.trees().StationDockTreeUpdate();
        w_.trees().BasePadTreeUpdate();

        // What showing left on the first tab is the file as read: a save writes only what the
        // person changes from here.
        m.systemAsRead = w_.env.PlanetarySystem.text();
        m.focusAsRead = w_.env.ShipFocus.caption();
        replaced.vessels = std::move(ahead.list);
        throwAway(std::move(replaced), leftovers_);
    }

    if (m.ScanErrorsFound) {
        logText.setText(m.ScanLog);
        w_.services.dialogs.msgBox(
            "Errors were found during file scanning; you can display them through the menu Tools/Error Log !",
            ui::MsgExclamation, "Warning");
    } else {
        logText.setText("No errors were found during file scanning for this scenario.");
    }
}

} // namespace vantrel
