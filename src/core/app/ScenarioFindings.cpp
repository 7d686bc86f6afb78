#include "core/app/ScenarioFindings.h"

#include "core/platform/FileSystem.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/ui/MainWindowParts.h"

namespace vantrel {

vessels::CheckInstallation checkInstallation(MainWindowParts& w) {
    vessels::CheckInstallation in;
    in.vesselsFolder = w.cat.VesselsFolder;
    in.systemExists = [&w](const std::string& system) {
        return platform::fileExists(platform::resolveIgnoringCase(w.state.CfgDir.caption() + system + ".cfg"));
    };
    // The window has chosen the file's system by the time the check runs.
    in.bodyNames = [&w](const std::string&) { return w.cat.bodies.namesStarFirst(); };
    in.bodyRadius = [&w](const std::string& body) -> std::optional<double> {
        const Body* found = w.cat.bodies.find(body);
        return found ? found->radius : std::nullopt;
    };
    in.vesselClass = [&w](const std::string& className) {
        return vessels::readVesselClass(w.state.CfgDir.caption(), className);
    };
    in.basePads = [&w](const std::string& body, const std::string& base) -> std::optional<long long> {
        for (int k = 0; k < w.cat.BaseCount && k < static_cast<int>(w.cat.BaseTable.size()); ++k) {
            // "name:pads:body"
            const std::string& entry = w.cat.BaseTable[static_cast<size_t>(k)];
            const size_t first = entry.find(':');
            const size_t second = first == std::string::npos ? first : entry.find(':', first + 1);
            if (second == std::string::npos)
                continue;
            if (trim(entry.substr(0, first)) == base && trim(entry.substr(second + 1)) == body)
                return static_cast<long long>(leadingNumberValue(entry.substr(first + 1, second - first - 1)));
        }
        return std::nullopt;
    };
    in.bodyOrBaseNamed = [&w](const std::string& name) {
        for (const std::string& body : w.cat.bodies.namesStarFirst())
            if (equalsIgnoringCase(body, name))
                return true;
        for (const std::string& entry : w.cat.BaseTable)
            if (!entry.empty() && equalsIgnoringCase(trim(entry.substr(0, entry.find(':'))), name))
                return true;
        return false;
    };
    return in;
}

ScenarioFindings::ScenarioFindings(MainWindowParts& main) : w_(main) {
    w_.state.Findings.onDblClick = [this] { Findings_DblClick(); };
}

void ScenarioFindings::refreshIfStale() {
    if (stale_)
        refresh();
}

void ScenarioFindings::refresh() {
    stale_ = false;
    findings_.clear();
    auto& list = w_.state.Findings;
    const bool loaded = !w_.state.scnfile.caption().empty();
    if (loaded && (w_.model.format == FileFormat::Today || w_.cat.VesselsFolder))
        findings_ = vessels::simulatorFindings(w_.scenarioText(), w_.state.scnfile.caption(), checkInstallation(w_));
    std::vector<std::string> entries;
    int problems = 0;
    for (const vessels::Finding& f : findings_) {
        problems += f.severity != vessels::Severity::Note ? 1 : 0;
        entries.push_back("Line " + std::to_string(f.line) + "  " + vessels::severityName(f.severity) + "  " + f.code +
                          (f.vessel.empty() ? std::string() : "  " + f.vessel) + ": " + f.text);
    }
    list.clear();
    list.setItems(std::move(entries));
    list.setVisible(!findings_.empty());
    // The count is of what the simulator does wrong; notes are only listed.
    w_.state.FindingsCount.setCaption(problems == 0   ? std::string()
                                      : problems == 1 ? std::string("1 problem")
                                                      : std::to_string(problems) + " problems");
    w_.state.FindingsCount.setVisible(problems > 0);
}

void ScenarioFindings::Findings_DblClick() {
    const int k = w_.state.Findings.listIndex();
    if (k < 0 || k >= static_cast<int>(findings_.size()))
        return;
    const std::string& vessel = findings_[static_cast<size_t>(k)].vessel;
    if (vessel.empty())
        return;
    // The vessel's own tab: a station of the station tab, else a ship.
    for (auto [list, tab] : {std::pair<ui::ComboBox*, int>{&w_.stationTab.StationName, 1},
                             std::pair<ui::ComboBox*, int>{&w_.shipTab.ShipName, 2}}) {
        for (int row = 0; row < list->listCount(); ++row)
            if (trim(list->list(row)) == vessel) {
                w_.state.SSTab1.userSetCurrentTab(tab);
                list->userSelect(row);
                return;
            }
    }
}

} // namespace vantrel
