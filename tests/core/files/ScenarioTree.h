#pragma once

// A scenario tree in a temporary folder and a main window pointed at it, for the tests of the
// scenario-file windows.

#include "support/TempFolder.h"

#include "core/platform/FileSystem.h"
#include "core/ui/ScriptedServices.h"
#include "core/app/Vantrel.h"

#include <string>

namespace vantrel::test {

// Orbiter/Scenarios/            description.txt "Root of the tree"
//   (Current state).scn, (Quicksave state).scn, (current state).scn (where letter case makes a
//   name of its own), Alpha.scn ("About Alpha"),
//   Beta.scn (no description)
//   Plain/                      no description; Alpha.scn ("Plain Alpha")
//   Described/                  Description.txt "Described folder"; Gamma.scn
//   Empty/                      nothing
// Orbiter/ScenariosOutside/     Secret.scn (a folder beside the tree, with a longer path)
struct ScenarioTree {
    ScenarioTree() : w(scripted.services(), Vantrel::Options{}) {
        const std::string s = "Orbiter/Scenarios/";
        temp.write(s + "description.txt", crlf({"BEGIN_DESC", "Root of the tree", "END_DESC"}));
        temp.write(s + "(Current state).scn", crlf({"BEGIN_DESC", "Current", "END_DESC"}));
        temp.write(s + "(Quicksave state).scn", crlf({"BEGIN_DESC", "Quick", "END_DESC"}));
        // Where letter case makes no other name (Windows), this would overwrite the one above.
        if (!platform::fileExists(temp / (s + "(current state).scn")))
            temp.write(s + "(current state).scn", crlf({"BEGIN_DESC", "Not protected", "END_DESC"}));
        temp.write(s + "Alpha.scn", crlf({"BEGIN_DESC", "About Alpha", "END_DESC", "BEGIN_ENVIRONMENT", "END_ENVIRONMENT"}));
        temp.write(s + "Beta.scn", crlf({"BEGIN_ENVIRONMENT", "END_ENVIRONMENT"}));
        temp.write(s + "Plain/Alpha.scn", crlf({"BEGIN_DESC", "Plain Alpha", "END_DESC"}));
        temp.write(s + "Described/Description.txt", crlf({"BEGIN_DESC", "Described folder", "END_DESC"}));
        temp.write(s + "Described/Gamma.scn", crlf({"BEGIN_DESC", "Gamma", "END_DESC"}));
        temp.makeFolder(s + "Empty");
        temp.write("Orbiter/ScenariosOutside/Secret.scn", crlf({"BEGIN_DESC", "Secret", "END_DESC"}));

        w.cat.OrbiterFolder = temp / "Orbiter/";
        w.cat.ScenarioDir = platform::nativeSeparators("Scenarios/");
        w.state.ScnDir.setCaption(platform::withTrailingSeparator(root()));
    }

    // The scenario root without its trailing separator, as folder lists show it.
    std::string root() const { return temp / "Orbiter/Scenarios"; }
    std::string in(const std::string& relative) const { return temp / ("Orbiter/Scenarios/" + relative); }

    TempFolder temp;
    ui::ScriptedServices scripted;
    Vantrel w;
};

// The index of a name in a file list, -1 when it is not listed.
template <typename List> int indexOf(const List& list, const std::string& name) {
    for (int i = 0; i < list.listCount(); ++i)
        if (list.list(i) == name)
            return i;
    return -1;
}

} // namespace vantrel::test
