#pragma once

// The rules the four scenario-file windows share: where the scenario tree starts, keeping a
// folder list inside it, the folder description file, and the names a person may type.

#include <string>
#include <string_view>

namespace vantrel::ui {
class FolderList;
}

namespace vantrel {

class MainWindowParts;

// The top of the scenario tree: the simulator folder followed by the scenario folder name,
// joined as they stand.
std::string scenarioRoot(const MainWindowParts& main);

// Keeps a folder list inside the scenario tree: a path that is neither the root nor inside it
// (compared on normalised paths) is replaced by the root, which raises the list's change event
// again. Returns true when the path was moved. An empty root confines nothing.
bool confineFolderList(ui::FolderList& folders, const std::string& root);

// Tells the person when the scenario tree is missing (the simulator folder moved, or its
// scenario folder was removed). True when the tree is there.
bool scenarioRootFound(MainWindowParts& main);

// Is the list showing a real folder of the scenario tree, one the commands may act on?
bool folderListUsable(const ui::FolderList& folders, const std::string& root);

// Opens a folder in a list and makes sure its change handler runs, even when the list already
// showed that folder (a window opened again). A folder that no longer exists opens the root.
void openFolder(ui::FolderList& folders, const std::string& path, const std::string& root);

// The description file of a folder: "description.txt" in whatever letter case the folder
// already holds it, otherwise that name.
std::string folderDescriptionPath(const std::string& folder);

// The description of a folder, empty when it has no readable description file.
std::string folderDescription(const std::string& folder);

// What a folder's description file shows in a window that only previews it: its DESC text, or
// else what its HYPERDESC or URLDESC block says (descriptionPreview).
std::string folderDescriptionPreview(const std::string& folder);

// Whether a description text says nothing: empty, or only blanks and line breaks.
bool isBlankDescription(std::string_view text);

// Whether the folder's description file describes it: a DESC block with text, or an HTML block.
// A blank box never replaces such a description.
bool folderDescribed(const std::string& folder);

// Writes the text as the DESC block of the folder's description file; returns an empty text, or
// why it could not be written. An existing file keeps every other byte (its HTML block, its
// line ends); a folder without one gets a file holding the block alone. A blank text leaves a
// described folder's file as it is.
std::string saveFolderDescription(const std::string& folder, const std::string& text);

// Does the folder hold nothing but (at most) its description file?
bool holdsOnlyDescription(const std::string& folder);

// A name that stays in the folder it is created in: not empty, no folder separator, not "."
// or "..".
bool isPlainName(const std::string& name);

// folder + separator + name.
std::string pathIn(const std::string& folder, const std::string& name);

} // namespace vantrel
