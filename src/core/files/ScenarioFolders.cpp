#include "core/files/ScenarioFolders.h"

#include "core/text/TextHelpers.h"
#include "core/files/Description.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/ui/FileControls.h"
#include "core/ui/MainWindowParts.h"


namespace vantrel {

namespace {
const char* const DescriptionFileName = "description.txt";
}

std::string scenarioRoot(const MainWindowParts& main) { return main.cat.OrbiterFolder + main.cat.ScenarioDir; }

bool confineFolderList(ui::FolderList& folders, const std::string& root) {
    if (root.empty() || folders.path().empty() || platform::isInside(folders.path(), root))
        return false;
    const std::string before = folders.path();
    folders.setPath(root);
    return folders.path() != before;
}

bool scenarioRootFound(MainWindowParts& main) {
    const std::string root = scenarioRoot(main);
    if (!root.empty() && platform::folderExists(root))
        return true;
    main.services.dialogs.msgBox("The scenario folder \"" + root +
                                     "\" cannot be found. Locate the Orbiter folder with the folder search in "
                                     "the menu Tools.",
                                 ui::MsgExclamation, "Folder not found");
    return false;
}

bool folderListUsable(const ui::FolderList& folders, const std::string& root) {
    return !root.empty() && !folders.path().empty() && platform::folderExists(folders.path()) &&
           platform::isInside(folders.path(), root);
}

void openFolder(ui::FolderList& folders, const std::string& path, const std::string& root) {
    std::string target = path;
    if (target.empty() || !platform::folderExists(target))
        target = root;
    if (target.empty() || !platform::folderExists(target))
        return;
    const std::string before = folders.path();
    if (platform::normalPath(target) == before) {
        folders.refresh();
        if (folders.onChange)
            folders.onChange();
        return;
    }
    folders.setPath(target);
}

std::string pathIn(const std::string& folder, const std::string& name) {
    return platform::withTrailingSeparator(folder) + name;
}

std::string folderDescriptionPath(const std::string& folder) {
    if (auto existing = platform::findIgnoringCase(folder, DescriptionFileName))
        return pathIn(folder, *existing);
    return pathIn(folder, DescriptionFileName);
}

std::string folderDescription(const std::string& folder) {
    if (folder.empty())
        return {};
    return readDescription(folderDescriptionPath(folder)).value_or(std::string());
}

std::string folderDescriptionPreview(const std::string& folder) {
    if (folder.empty())
        return {};
    return descriptionPreview(folderDescriptionPath(folder));
}

bool isBlankDescription(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }

bool folderDescribed(const std::string& folder) {
    const std::optional<std::string> bytes = platform::readFile(folderDescriptionPath(folder));
    if (!bytes)
        return false;
    return !isBlankDescription(descriptionOf(*bytes)) ||
           htmlDescriptionOf(*bytes).kind != HtmlDescription::Kind::None;
}

std::string saveFolderDescription(const std::string& folder, const std::string& text) {
    // A blank text never replaces a description the file has (an empty DESC would hide its
    // HYPERDESC in the simulator): the file stays as it is.
    if (isBlankDescription(text) && folderDescribed(folder))
        return {};
    const std::string path = folderDescriptionPath(folder);
    const std::string bytes = platform::readFile(path).value_or(std::string());
    return platform::writeFileAtomically(path, withDescription(bytes, text));
}

bool holdsOnlyDescription(const std::string& folder) {
    const auto entries = platform::readFolder(folder);
    if (!entries)
        return false;
    for (const platform::FolderEntry& entry : *entries)
        if (!entry.regularFile || !equalsIgnoringCase(entry.name, DescriptionFileName))
            return false;
    return true;
}

bool isPlainName(const std::string& name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find('/') == std::string::npos && name.find('\\') == std::string::npos;
}

} // namespace vantrel
