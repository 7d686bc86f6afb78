#pragma once

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

#include <string>

namespace vantrel {

class MainWindowParts;

// "Planetary System Information": mass, mean radius, sidereal rotation period and atmosphere
// limit of each body of the current system, read from the body's configuration file. Closing
// only hides it, so it keeps its list.
class PlanetarySystemInformation : public ui::Window {
public:
    explicit PlanetarySystemInformation(MainWindowParts& main);

    // The bodies of the current system, filled by the planetary-system reader.
    ui::ComboBox Planet{"Planet"};
    ui::Label Label1{"Label1", "Mass"};
    ui::Label PlanetMass{"PlanetMass"};
    ui::Label Label2{"Label2", "Mean radius"};
    ui::Label PlanetMeanRadius{"PlanetMeanRadius"};
    ui::Label Label3{"Label3", "Sideral rotation period"};
    ui::Label PlanetSideralRotationPeriod{"PlanetSideralRotationPeriod"};
    ui::Label Label5{"Label5", "Atmosphere altitude limit"};
    ui::Label PlanetAtmosphereLimit{"PlanetAtmosphereLimit"};
    ui::Button Command1{"Command1", "Close"};

    // The person's thousands separator; the desktop sets it from the locale.
    std::string thousandsSeparator = ",";

    void Planet_Click();
    void Command1_Click();

    // A number rounded to a whole number and grouped by thousands ("##,##0").
    static std::string groupedWhole(double value, const std::string& separator);
    // A period in seconds as hours, minutes and whole seconds: "5h49min57sec". The sign is dropped.
    static std::string rotationPeriodText(double seconds);

protected:
    void Form_Load() override;

private:
    MainWindowParts& main_;
};

} // namespace vantrel
