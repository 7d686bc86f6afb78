#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class MainWindowParts;
namespace ui {
struct ShipTab;
class TextField;
} // namespace ui

// The orbital elements' fields of the ship tab, in ELEMENTS order, the epoch last.
std::vector<ui::TextField*> elementFields(ui::ShipTab& t);

// Shows a ship of the table on the ship tab: the ship list's selection, the status options
// with their frames, and the level labels of the sliders.
class ShipDisplay {
public:
    explicit ShipDisplay(MainWindowParts& main);

    // Empties every ship field of the tab; the sliders and the enabled state of the labels
    // are left as they are.
    // The coordinates fields of a ship landed by coordinates: shown, or hidden and emptied.
    void showCoordinates(bool shown);
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

    // Whether the tab's fields differ from what showing the ship put there: edits typed but
    // not validated. False while no ship is shown.
    bool hasUnvalidatedEdits() const;
    // The name of the ship shown, as its list names it; empty while none is.
    std::string shownName() const;
    // Draws the orbit the fields give now.
    void showOrbit();

private:
    std::vector<std::string> fieldsNow() const;
    void showFrames(bool landed, bool docked, bool orbiting);
    void setEngineLabelsEnabled(bool enabled);
    // Fills the orbiting fields of a today's ship docked to a station with the station's
    // position and velocity at the start.
    void undockInPlace();
    // The status options, the status frames and the sliders.
    void setPlacementEnabled(bool enabled);
    // The orbiting frame of a today's file offers the two forms; `elements` shows the elements'
    // fields in place of the position and velocity.
    void showForm(bool elements);
    // A person chose a form: the values shown convert to it at the scenario date.
    void formChosen(bool elements);
    // A person chose a pad or coordinates for a landed ship.
    void landingChosen(bool coordinates);

    MainWindowParts& w_;
    // The fields as the last showing left them, with the row shown.
    std::optional<std::vector<std::string>> shown_;
    int shownRow_ = -1;
    // While the tab is being filled the picture waits for the last field.
    bool filling_ = false;
    // The texts of both forms when the last switch converted them: switching back before an edit
    // gives the texts the person had, not a conversion of a conversion.
    std::vector<std::string> switchedFrom_, switchedTo_;
};

} // namespace vantrel
