#include "core/ui/MainWindowParts.h"

#include "core/platform/FileSystem.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"


namespace vantrel {

namespace {
const char* const NoData = "No Data";
}

MainWindowParts::MainWindowParts(ui::Services services, Options options)
    : ui::Window("Vantrel", "Vantrel"), status(*this),
      services{status.dialogs(services.dialogs), services.screen, services.launcher}, options(std::move(options)) {
    for (ui::Control* c : env.all())
        add(*c);
    for (ui::Control* c : stationTab.all())
        add(*c);
    for (ui::Control* c : shipTab.all())
        add(*c);
    for (ui::Control* c : menu.all())
        add(*c);
    for (ui::Control* c : state.all())
        add(*c);
}

std::string MainWindowParts::resolveFile(const std::string& FileName) const {
    if (FileName.empty())
        return FileName;
    std::string path = FileName;
    if (!platform::isAbsolute(path) && !cat.currentFolder.empty())
        path = platform::withTrailingSeparator(cat.currentFolder) + path;
    return platform::resolveIgnoringCase(path);
}

void MainWindowParts::logUnreadable(const UnreadableFiles& files) {
    for (const std::string& path : files)
        model.logScanError("Can not open the file " + path + ". ");
}

std::string MainWindowParts::GetData(const std::string& FileName, const std::string& Flag) {
    const std::vector<std::string>* fields = fieldCache_.fields(resolveFile(FileName));
    if (!fields) {
        logUnreadable({FileName});
        return NoData;
    }
    const auto field = lastField(*fields, Flag);
    return field ? *field : std::string(NoData);
}

double MainWindowParts::numberOf(const std::string& FileName, const std::string& Flag) {
    const std::string field = GetData(FileName, Flag);
    return field == NoData ? 0.0 : leadingNumberValue(trim(configValue(field)));
}

int MainWindowParts::StationDockNumberDisplay(const std::string& sn) const {
    int result = 0;
    const std::string wanted = trim(sn);
    for (int i = 0; i < cat.StationClassCount && i < static_cast<int>(cat.StationClassNames.size()); ++i)
        if (equalsIgnoringCase(trim(cat.StationClassNames[i]), wanted))
            result = static_cast<int>(roundHalfEven(leadingNumberValue(cat.StationClassDockCounts[i])));
    return result;
}

} // namespace vantrel
