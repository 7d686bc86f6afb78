#pragma once

#include "core/scenario/FileLayout.h"

#include <string>

namespace vantrel {

class Vantrel;

// Writes the model and the main window's fields as a scenario file.
class ScenarioWriter {
public:
    explicit ScenarioWriter(Vantrel& main);

    // Writes the scenario to path (no extension is added). The file is written to a temporary
    // file beside it and renamed over it only when complete, so a failed save leaves the old
    // file as it was; the failure is then shown in a message box naming the file and the
    // reason, and false is returned. Neither the model nor the fields change.
    bool ScenarioFileSaving(const std::string& path);

    // The bytes ScenarioFileSaving writes: the description, the environment, the focus, the
    // view blocks, the stations and the ships, every line ending with CR LF, a blank line
    // between sections. After a file was read, its other sections and its own camera, HUD and
    // MFD blocks are written as read in their places, and the editor's sections it lacked in
    // their order among them.
    std::string scenarioText() const;

private:
    // Each section as the editor writes it, every line ending with CR LF. The environment
    // keeps the lines of the section as read other than System and Date.
    std::string descriptionText() const;
    std::string environmentText(const SectionAsRead* asRead) const;
    std::string focusText() const;
    std::string cameraText(const SectionAsRead& asRead) const;
    // The fixed camera, HUD or MFD block ("CAMERA", "HUD", "MFD LEFT", "MFD RIGHT"), written
    // only for one the file lacked.
    std::string viewText(const std::string& key) const;
    std::string stationsText() const;
    std::string shipsText() const;

    Vantrel& w_;
};

} // namespace vantrel
