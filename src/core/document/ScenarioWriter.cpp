#include "core/document/ScenarioWriter.h"

#include "core/document/Dates.h"
#include "core/document/NumberText.h"
#include "core/document/TextHelpers.h"
#include "core/files/Description.h"
#include "core/platform/TextFile.h"
#include "core/ui/Vantrel.h"

#include <chrono>

namespace vantrel {

namespace {

class Lines {
public:
    void line(std::string_view text) {
        text_ += text;
        text_ += "\r\n";
    }
    void raw(std::string_view text) { text_ += text; }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

// A text that is a number as a whole (blanks around allowed): "45", "-1.5e2"; not "Toto".
bool wholeNumber(const std::string& text) { return plainNumberValue(trim(text)).has_value(); }

std::string number(const std::string& text) { return numberText(leadingNumberValue(trim(text))); }

int today() {
    using namespace std::chrono;
    const sys_days now = floor<days>(system_clock::now());
    return static_cast<int>(now.time_since_epoch().count()) + 25569;
}

} // namespace

ScenarioWriter::ScenarioWriter(Vantrel& main) : w_(main) {}

std::string ScenarioWriter::scenarioText() const {
    const ui::EnvironmentTab& env = w_.env;
    Lines out;

    out.raw(descriptionBlock(env.Description.text()));
    out.line("");

    // A calendar without a date (it always has one once the window is open) starts today.
    const int day = env.Calendar.date().value_or(today());
    const double startMjd =
        mjdFromDayTime(day, leadingNumberValue(env.Hour.text()), leadingNumberValue(env.Minute.text()));
    out.line("BEGIN_ENVIRONMENT");
    out.line("  System " + trim(env.PlanetarySystem.text()));
    out.line("  Date MJD " + numberText(startMjd));
    out.line("END_ENVIRONMENT");
    out.line("");

    const std::string focus = trim(env.ShipFocus.caption());
    out.line("BEGIN_FOCUS");
    out.line("  Ship " + focus);
    out.line("END_FOCUS");
    out.line("");

    out.line("BEGIN_CAMERA");
    out.line("  Target " + focus);
    out.line("  MODE Extern");
    out.line("  POS 40 -115.88 -24.15");
    out.line("  TRACKMODE TargetRelative");
    out.line("  FOV 20#");
    out.line("END_CAMERA");
    out.line("");
    out.line("BEGIN_HUD");
    out.line("  Type Surface");
    out.line("END_HUD");
    out.line("");
    out.line("BEGIN_MFD Left");
    out.line("  Type Surface");
    out.line("END_MFD");
    out.line("");
    out.line("BEGIN_MFD Right");
    out.line("  Type Launch");
    out.line("END_MFD");
    out.line("");

    const int stations = w_.stationCount();
    if (stations > 0) {
        out.line("BEGIN_STATIONS");
        for (int i = 0; i < stations && w_.model.validStation(i); ++i) {
            const StationRow& s = w_.model.stations[static_cast<size_t>(i)];
            out.line(trim(s.StationNameTable) + ":" + trim(s.StationClassTable));
            // A keyword line without any value could not be read back (and would end the
            // reading of every station after it), so it is left out.
            if (!trim(s.StationRefTable).empty())
                out.line("  REF " + trim(s.StationRefTable));
            // A station never given an epoch has none to write; the simulator then takes the
            // scenario's start.
            if (s.StationOrbitalRefDate)
                out.line("  EL_MJD " + numberText(mjdFromDayTime(*s.StationOrbitalRefDate,
                                                                 leadingNumberValue(s.StationOrbitalRefHourTable),
                                                                 leadingNumberValue(s.StationOrbitalRefMinTable))));
            const std::string elements =
                trim(s.StationSemiMajorAxisTable) + " " + trim(s.StationExcentricityTable) + " " +
                trim(s.StationInclinationTable) + " " + trim(s.StationAscendingNodeLongitudeTable) + " " +
                trim(s.StationPeriapsisLongitudeTable) + " " + trim(s.StationMeanLongitudeTable);
            if (!trim(elements).empty())
                out.line("  ELEMENTS " + elements);
            const std::string angles =
                trim(s.StationXAngleTable) + " " + trim(s.StationYAngleTable) + " " + trim(s.StationZAngleTable);
            if (s.StationUseClassFrequency) {
                if (!trim(angles).empty())
                    out.line("  AROT " + angles);
            } else if (!trim(s.StationRotationFrequencyTable).empty()) {
                out.line("  ZROT_FREQUENCY " + trim(s.StationRotationFrequencyTable));
            }
            out.line("END");
        }
        out.line("END_STATIONS");
    }
    out.line("");

    const int ships = w_.shipCount();
    if (ships > 0) {
        out.line("BEGIN_SHIPS");
        for (int i = 0; i < ships && w_.model.validShip(i); ++i) {
            const ShipRow& s = w_.model.ships[static_cast<size_t>(i)];
            out.line(trim(s.ShipNameTable) + ":" + trim(s.ShipClassTable));
            const std::string status = trim(s.ShipStatusTable);
            const std::string planet = trim(s.ShipPlanetTable);
            if (equalsIgnoringCase(status, "Landed")) {
                out.line("  STATUS " + status + " " + planet);
                // A base without a pad is written as the simulator writes it ("BASE Habana").
                const std::string base = trim(s.ShipLandedBaseTable);
                const std::string pad = trim(s.ShipLandedPadTable);
                out.line("  BASE " + base + (pad.empty() && !base.empty() ? "" : ":" + pad));
                // The blank heading of a ship read without one is no heading at all.
                if (wholeNumber(s.ShipLandedHeadingTable))
                    out.line("  HEADING " + trim(s.ShipLandedHeadingTable));
                out.line("  FUEL " + number(s.ShipFuelTable));
            } else if (equalsIgnoringCase(status, "Orbiting")) {
                out.line("  STATUS " + status + " " + planet);
                out.line("  FUEL " + number(s.ShipFuelTable));
                out.line("  RPOS " + trim(s.ShipRposXTable) + " " + trim(s.ShipRposYTable) + " " +
                         trim(s.ShipRposZTable));
                out.line("  RVEL " + trim(s.ShipRvelXTable) + " " + trim(s.ShipRvelYTable) + " " +
                         trim(s.ShipRvelZTable));
                out.line("  AROT " + trim(s.ShipArotXTable) + " " + trim(s.ShipArotYTable) + " " +
                         trim(s.ShipArotZTable));
                out.line("  VROT " + number(s.ShipVrotTable));
            } else if (equalsIgnoringCase(status, "Docked")) {
                out.line("  STATUS " + status + " " + planet + ":" + trim(s.ShipDockedStationTable) + ":" +
                         trim(s.ShipDockedPortTable));
                out.line("  FUEL " + number(s.ShipFuelTable));
            }
            if (!s.ShipExtraLines.empty())
                out.line(s.ShipExtraLines);
            out.line("END");
        }
        out.line("END_SHIPS");
    }
    return out.take();
}

bool ScenarioWriter::ScenarioFileSaving(const std::string& path) {
    const std::string reason = platform::writeFileAtomically(path, scenarioText());
    if (reason.empty())
        return true;
    w_.services.dialogs.msgBox("The scenario could not be saved to the file " + path + " : " + reason +
                                   "\rThe file was left as it was.",
                               ui::MsgExclamation, "Saving failed");
    return false;
}

} // namespace vantrel
