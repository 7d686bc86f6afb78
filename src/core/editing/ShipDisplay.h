#pragma once

#include <string>

namespace vantrel {

class MainWindowParts;

// Shows a ship of the table on the ship tab: the ship list's selection, the status options
// with their frames, and the level labels of the sliders.
class ShipDisplay {
public:
    explicit ShipDisplay(MainWindowParts& main);

    // Empties every ship field of the tab; the sliders and the enabled state of the labels
    // are left as they are.
    void ShipTabReset();
    // Shows the ship selected in ShipName, writing nothing into the document. Does nothing when
    // no ship is selected or the selection has no table row.
    void ShipParameterDisplay();
    // A ship chosen in the list (also raised when code selects an entry).
    void ShipName_Click();

    // The status options' selection behaviour: frames and engine labels.
    void LandedShipOption_Click();
    void DockedShipOption_Click();
    void OrbitingShipOption_Click();

    // A person moved a slider: its label shows the new position.
    void ShipFuelSlider_Change();
    void MainEngineStatusSlider_Change();
    void HoverEngineStatusSlider_Change();

private:
    void showFrames(bool landed, bool docked, bool orbiting);
    void setEngineLabelsEnabled(bool enabled);
    MainWindowParts& w_;
};

} // namespace vantrel
