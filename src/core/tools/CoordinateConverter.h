#pragma once

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

#include <optional>
#include <string>

namespace vantrel {

class MainWindowParts;

// The spherical to cartesian converter: radius, azimuth and elevation become X, Y and Z while
// the person types.
class CoordinateConverter : public ui::Window {
public:
    explicit CoordinateConverter(MainWindowParts& main);

    ui::Frame Frame1{"Frame1", "Spherical coordinates"};
    ui::Label Label1{"Label1", "Radiius"};
    ui::TextField Radius{"Radius"};
    ui::Label Label2{"Label2", "Azimuth"};
    ui::TextField Azimuth{"Azimuth"};
    ui::Label Label3{"Label3", "Elevation"};
    ui::TextField Elevation{"Elevation"};
    ui::Frame Frame2{"Frame2", "Cartesian coordinates"};
    ui::Label Label4{"Label4", "X"};
    ui::Label X{"X"};
    ui::Label Label5{"Label5", "Y"};
    ui::Label Y{"Y"};
    ui::Label Label6{"Label6", "Z"};
    ui::Label Z{"Z"};
    ui::Label Label7{"Label7", "See in help for coordinate definition"};
    ui::Button Command1{"Command1", "Close"};

    void Convertion();
    void Command1_Click();

    // An angle text in whole degrees: its leading number rounded (halves to even), then reduced
    // modulo 360 keeping its sign. Nothing when the number lies outside the 32-bit range.
    static std::optional<int> wholeDegrees(const std::string& text);
    // A result as the labels show it: up to 15 significant digits, "0" when that reads as 0.
    static std::string generalForm(double value);

protected:
    void Form_Load() override;

private:
    MainWindowParts& main_;
};

} // namespace vantrel
