#include "core/tools/CoordinateConverter.h"

#include "core/platform/GccWarnings.h"
#include "core/text/NumberText.h"
#include "core/ui/MainWindowParts.h"

#include <cmath>
#include <cstdint>

namespace vantrel {

CoordinateConverter::CoordinateConverter(MainWindowParts& main)
    : ui::Window("CoordinateConverter", "Sperical cartesian coordinate converter"), main_(main) {
    Radius.setToolTip("Vecor radius value");
    Azimuth.setToolTip(
        "azimuth angle between the vector and the vector projection on equatorial plan in degree");
    Elevation.setToolTip("Elevation angle between equatorial plan and the vector in degree");
    X.setToolTip("Projection on X axis");
    Y.setToolTip("Projection on Y axis");
    Z.setToolTip("Projection on Z axis");
    Command1.setToolTip("Closes the converter windows");
    add(Frame1, Label1, Radius, Label2, Azimuth, Label3, Elevation, Frame2, Label4, X, Label5, Y, Label6, Z, Label7,
        Command1);

    Radius.onChange = [this] { Convertion(); };
    Azimuth.onChange = [this] { Convertion(); };
    Elevation.onChange = [this] { Convertion(); };
    Command1.onClick = [this] { Command1_Click(); };
}

void CoordinateConverter::Form_Load() {
    Radius.setText("100");
    Azimuth.setText("60");
    Elevation.setText("30");
    Convertion();
}

void CoordinateConverter::Command1_Click() { main_.services.screen.unload(*this); }

std::optional<int> CoordinateConverter::wholeDegrees(const std::string& text) {
    const double value = leadingNumberValue(text);
    // Halves that round away from the range still fit; anything beyond cannot be a whole angle.
    if (!(value >= static_cast<double>(INT32_MIN) - 0.5 && value <= static_cast<double>(INT32_MAX) + 0.5))
        return std::nullopt;
    const long long whole = roundHalfEven(value);
    if (whole < INT32_MIN || whole > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(whole % 360);
}

std::string CoordinateConverter::generalForm(double value) {
    std::string text = displayForm(value);
    if (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    // The display form drops the zero before the point; the labels show it.
    VANTREL_STRING_COPY_WARNING_OFF
    if (!text.empty() && text.front() == '.')
        text.insert(0, "0");
    else if (text.size() > 1 && text[0] == '-' && text[1] == '.')
        text.insert(1, "0");
    VANTREL_STRING_COPY_WARNING_ON
    if (leadingNumberValue(text) == 0.0)
        return "0";
    return text;
}

void CoordinateConverter::Convertion() {
    const double pi = 4.0 * std::atan(1.0);
    const auto azimuthDegrees = wholeDegrees(Azimuth.text());
    const auto elevationDegrees = wholeDegrees(Elevation.text());
    if (!azimuthDegrees || !elevationDegrees) {
        X.setCaption("0");
        Y.setCaption("0");
        Z.setCaption("0");
        return;
    }
    const double azimuth = *azimuthDegrees * pi / 180.0;
    const double elevation = *elevationDegrees * pi / 180.0;
    const double radius = leadingNumberValue(Radius.text());
    X.setCaption(generalForm(radius * std::cos(elevation) * std::cos(azimuth)));
    Y.setCaption(generalForm(radius * std::cos(elevation) * std::sin(azimuth)));
    Z.setCaption(generalForm(radius * std::sin(elevation)));
}

} // namespace vantrel
