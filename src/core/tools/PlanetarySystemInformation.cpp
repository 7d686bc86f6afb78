#include "core/tools/PlanetarySystemInformation.h"

#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/ui/MainWindowParts.h"

#include <cmath>
#include <cstdio>

namespace vantrel {

namespace {
const char* const NoData = "No Data";

std::string wholeText(double value) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", value);
    return buffer;
}
} // namespace

PlanetarySystemInformation::PlanetarySystemInformation(MainWindowParts& main)
    : ui::Window("PlanetarySystemInformation", "Planetary System Information"), main_(main) {
    Planet.setToolTip("Displays the planetary system planet list.");
    PlanetMass.setToolTip("Displays the planet mass in kg.");
    PlanetMeanRadius.setToolTip("Displays the planet mean radius in m.");
    PlanetSideralRotationPeriod.setToolTip("Displays the planet sideral rotation period.");
    Command1.setToolTip("Hide the Planetary System Information dialog box.");
    add(Planet, Label1, PlanetMass, Label2, PlanetMeanRadius, Label3, PlanetSideralRotationPeriod, Label5,
        PlanetAtmosphereLimit, Command1);

    // The body-list reader selects an entry while the window may still be unloaded: the values
    // follow every selection.
    Planet.onClick = [this] { Planet_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
}

void PlanetarySystemInformation::Form_Load() {
    if (!main_.menu.Menu31.enabled())
        return;
    Planet.clear();
    for (const std::string& body : main_.stationTab.StationRef.items())
        Planet.addItem(body);
    if (Planet.listCount() > 0)
        Planet.setListIndex(0);
}

void PlanetarySystemInformation::Planet_Click() {
    if (Planet.listIndex() < 0)
        return;
    const std::string file = main_.state.CfgDir.caption() + trim(Planet.text()) + ".cfg";

    const std::string mass = main_.GetData(file, "Mass");
    PlanetMass.setCaption(mass == NoData ? std::string(NoData) : configValue(mass) + " kg");

    const std::string atmosphere = main_.GetData(file, "AtmAltLimit");
    PlanetAtmosphereLimit.setCaption(
        atmosphere == NoData ? std::string("0 m")
                             : groupedWhole(leadingNumberValue(configValue(atmosphere)), thousandsSeparator) + " m");

    const std::string period = main_.GetData(file, "SidRotPeriod");
    PlanetSideralRotationPeriod.setCaption(
        period == NoData ? std::string(NoData) : rotationPeriodText(leadingNumberValue(configValue(period))));

    const std::string size = main_.GetData(file, "Size");
    PlanetMeanRadius.setCaption(groupedWhole(leadingNumberValue(configValue(size)), thousandsSeparator) + " m");
}

void PlanetarySystemInformation::Command1_Click() { main_.services.screen.hide(*this); }

std::string PlanetarySystemInformation::groupedWhole(double value, const std::string& separator) {
    if (!std::isfinite(value))
        value = 0.0;
    const double rounded = std::round(value);
    std::string digits = wholeText(std::fabs(rounded));
    std::string grouped;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return (rounded < 0 ? "-" : "") + grouped;
}

std::string PlanetarySystemInformation::rotationPeriodText(double seconds) {
    double v = std::isfinite(seconds) ? std::fabs(seconds) : 0.0;
    const double h = std::floor(v / 3600.0);
    const double r = v - 3600.0 * h;
    const double m = std::floor(r / 60.0);
    const double s = std::floor(r - 60.0 * m);
    return wholeText(h) + "h" + wholeText(m) + "min" + wholeText(s) + "sec";
}

} // namespace vantrel
