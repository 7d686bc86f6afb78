#include "core/editing/StationDisplay.h"

#include "core/editing/OrbitPictures.h"
#include "core/text/NumberText.h"
#include "core/ui/MainWindowParts.h"

namespace vantrel {

namespace {

// An hour or minute entry from its stored text; -1 (no entry) for a value no list holds.
int entryIndex(const std::string& text) {
    const double value = leadingNumberValue(text);
    return value >= 0 && value < 1000 ? static_cast<int>(value) : -1;
}

} // namespace

StationDisplay::StationDisplay(MainWindowParts& main) : w_(main) {
    w_.stationTab.StationName.onClick = [this] { StationName_Click(); };
    w_.stationTab.Check1.onClick = [this] { Check1_Click(); };
    ui::StationTab& t = w_.stationTab;
    for (ui::TextField* field : {&t.StationSemiMajorAxis, &t.StationExcentricity, &t.StationInclination,
                                 &t.StationAscendingNodeLongitude, &t.StationPeriapsisLongitude,
                                 &t.StationMeanLongitude})
        field->onChange = [this] { showOrbit(); };
    t.StationOrbitalRefTime.onChange = [this] { showOrbit(); };
    // The hour and minute lists move the epoch, and with it where the station is at the start.
    for (ui::ComboBox* list : {&t.StationOrbitalRefHour, &t.StationOrbitalRefMin}) {
        list->onClick = [this] { showOrbit(); };
        list->onChange = [this] { showOrbit(); };
    }
}

void StationDisplay::showOrbit() {
    // Filling the tab sets each element field and selects the hour and minute entries, which
    // would draw a picture of half the station each time; the filling draws once at its end.
    if (filling_)
        return;
    w_.stationTab.StationOrbitPicture.setDrawing(stationOrbitDrawing(w_));
}

void StationDisplay::StationTabReset() {
    shown_.reset();
    ui::StationTab& t = w_.stationTab;
    filling_ = true;
    t.StationName.clear();
    t.StationRefPlanet.setCaption({});
    t.StationClassName.setCaption({});
    for (ui::TextField* field : {&t.StationRotationFrequency, &t.StationXAngle, &t.StationYAngle, &t.StationZAngle,
                                 &t.StationSemiMajorAxis, &t.StationExcentricity, &t.StationInclination,
                                 &t.StationAscendingNodeLongitude, &t.StationPeriapsisLongitude,
                                 &t.StationMeanLongitude})
        field->setText({});
    t.StationOrbitalRefTime.setDate(std::nullopt);
    t.StationOrbitalRefHour.setListIndex(0);
    t.StationOrbitalRefMin.setListIndex(0);
    t.StationNote.setCaption({});
    t.StationNote.setVisible(false);
    filling_ = false;
    showOrbit();
}

void StationDisplay::StationParameterDisplay() {
    ui::StationTab& t = w_.stationTab;
    const int i = t.StationName.listIndex();
    if (i < 0 || !w_.model.validStation(i))
        return;
    const StationRow& row = w_.model.stations[static_cast<size_t>(i)];

    filling_ = true;
    t.StationIndex.setCaption(std::to_string(i));
    t.StationRefPlanet.setCaption(row.StationRefTable);
    t.StationClassName.setCaption(row.StationClassTable);
    t.StationExcentricity.setText(row.StationExcentricityTable);
    t.StationOrbitalRefTime.setDate(row.StationOrbitalRefDate);
    t.StationOrbitalRefHour.setListIndex(entryIndex(row.StationOrbitalRefHourTable));
    t.StationOrbitalRefMin.setListIndex(entryIndex(row.StationOrbitalRefMinTable));
    t.StationSemiMajorAxis.setText(row.StationSemiMajorAxisTable);
    t.StationExcentricity.setText(row.StationExcentricityTable);
    t.StationInclination.setText(row.StationInclinationTable);
    t.StationAscendingNodeLongitude.setText(row.StationAscendingNodeLongitudeTable);
    t.StationPeriapsisLongitude.setText(row.StationPeriapsisLongitudeTable);
    t.StationMeanLongitude.setText(row.StationMeanLongitudeTable);
    if (!row.StationUseClassFrequency) {
        t.Check1.setValue(0);
        // A today's station spinning about other axes than its own Z keeps its spin as read.
        t.StationRotationFrequency.setEnabled(!row.StationSpinAsRead);
        t.StationRotationFrequency.setText(row.StationRotationFrequencyTable);
    } else {
        t.Check1.setValue(1);
        t.StationRotationFrequency.setText("Class value");
        t.StationRotationFrequency.setEnabled(false);
    }
    t.StationXAngle.setText(row.StationXAngleTable);
    t.StationYAngle.setText(row.StationYAngleTable);
    t.StationZAngle.setText(row.StationZAngleTable);
    t.StationNote.setCaption(row.StationNote);
    t.StationNote.setVisible(!row.StationNote.empty());
    shown_ = fieldsNow();
    shownRow_ = i;
    filling_ = false;
    showOrbit();
}

std::vector<std::string> StationDisplay::fieldsNow() const {
    const ui::StationTab& t = w_.stationTab;
    const std::optional<int> epoch = t.StationOrbitalRefTime.date();
    return {t.StationName.text(),
            t.StationRefPlanet.caption(),
            t.StationClassName.caption(),
            t.StationRotationFrequency.text(),
            std::to_string(t.Check1.value()),
            t.StationXAngle.text(),
            t.StationYAngle.text(),
            t.StationZAngle.text(),
            t.StationSemiMajorAxis.text(),
            t.StationExcentricity.text(),
            t.StationInclination.text(),
            t.StationAscendingNodeLongitude.text(),
            t.StationPeriapsisLongitude.text(),
            t.StationMeanLongitude.text(),
            epoch ? std::to_string(*epoch) : std::string("-"),
            t.StationOrbitalRefHour.text(),
            t.StationOrbitalRefMin.text()};
}

bool StationDisplay::hasUnvalidatedEdits() const {
    if (!shown_ || shownRow_ < 0 || shownRow_ >= w_.stationCount() || !w_.model.validStation(shownRow_))
        return false;
    return fieldsNow() != *shown_;
}

std::string StationDisplay::shownName() const {
    if (!shown_ || !w_.model.validStation(shownRow_))
        return {};
    // The list's entry: a station added but never validated has no name of its own yet.
    const auto& names = w_.stationTab.StationName;
    return shownRow_ < names.listCount() ? names.list(shownRow_)
                                         : w_.model.stations[static_cast<size_t>(shownRow_)].StationNameTable;
}

void StationDisplay::takeShownFields() {
    if (shown_)
        shown_ = fieldsNow();
}

void StationDisplay::StationName_Click() { StationParameterDisplay(); }

void StationDisplay::Check1_Click() {
    ui::TextField& frequency = w_.stationTab.StationRotationFrequency;
    if (w_.stationTab.Check1.value() == 1) {
        frequency.setEnabled(false);
        frequency.setText("Station class");
    } else {
        frequency.setEnabled(true);
        frequency.setText("0");
    }
}

} // namespace vantrel
