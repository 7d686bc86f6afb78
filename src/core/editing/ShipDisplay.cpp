#include "core/editing/ShipDisplay.h"
#include "core/editing/OrbitPictures.h"
#include "core/editing/StationEditor.h"

#include "core/text/Dates.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/ui/MainWindowParts.h"

#include <utility>

namespace vantrel {

namespace {

// A level as its label shows it: " 50 %", "-30 %".
std::string percentText(double percent) { return displayForm(percent) + " %"; }

int sliderPosition(double percent) {
    if (!(percent > -1e9 && percent < 1e9))
        return percent > 0 ? 1'000'000'000 : -1'000'000'000;
    return static_cast<int>(roundHalfEven(percent));
}

std::vector<std::string> textsOf(const std::vector<ui::TextField*>& fields) {
    std::vector<std::string> texts;
    for (const ui::TextField* field : fields)
        texts.push_back(field->text());
    return texts;
}

void setTexts(const std::vector<ui::TextField*>& fields, const std::vector<std::string>& texts) {
    for (size_t k = 0; k < fields.size() && k < texts.size(); ++k)
        fields[k]->setText(texts[k]);
}

std::vector<ui::TextField*> vectorFields(ui::ShipTab& t) {
    return {&t.ShipOrbitingRposX, &t.ShipOrbitingRposY, &t.ShipOrbitingRposZ,
            &t.ShipOrbitingRvelX, &t.ShipOrbitingRvelY, &t.ShipOrbitingRvelZ};
}

// The numbers of the fields, or nothing when one of them is not a number.
std::optional<std::vector<double>> numbersOf(const std::vector<ui::TextField*>& fields) {
    std::vector<double> values;
    for (const ui::TextField* field : fields) {
        if (!IsANumber(field->text()))
            return std::nullopt;
        values.push_back(leadingNumberValue(field->text()));
    }
    return values;
}

} // namespace

std::vector<ui::TextField*> elementFields(ui::ShipTab& t) {
    return {&t.ShipSemiMajorAxis,      &t.ShipExcentricity,  &t.ShipInclination,  &t.ShipAscendingNodeLongitude,
            &t.ShipPeriapsisLongitude, &t.ShipMeanLongitude, &t.ShipElementsEpoch};
}

ShipDisplay::ShipDisplay(MainWindowParts& main) : w_(main) {
    ui::ShipTab& t = w_.shipTab;
    t.ShipName.onClick = [this] { ShipName_Click(); };
    t.LandedShipOption.onClick = [this] { LandedShipOption_Click(); };
    t.DockedShipOption.onClick = [this] { DockedShipOption_Click(); };
    t.OrbitingShipOption.onClick = [this] { OrbitingShipOption_Click(); };
    t.ShipFuelSlider.onChange = [this] { ShipFuelSlider_Change(); };
    t.MainEngineStatusSlider.onChange = [this] { MainEngineStatusSlider_Change(); };
    t.HoverEngineStatusSlider.onChange = [this] { HoverEngineStatusSlider_Change(); };
    for (ui::TextField* field : {&t.ShipOrbitingRposX, &t.ShipOrbitingRposY, &t.ShipOrbitingRposZ,
                                 &t.ShipOrbitingRvelX, &t.ShipOrbitingRvelY, &t.ShipOrbitingRvelZ})
        field->onChange = [this] { showOrbit(); };
    for (ui::TextField* field : elementFields(t))
        field->onChange = [this] { showOrbit(); };
    t.ShipVectorOption.onClick = [this] { formChosen(false); };
    t.ShipPadOption.onClick = [this] { landingChosen(false); };
    t.ShipCoordinatesOption.onClick = [this] { landingChosen(true); };
    t.ShipElementsOption.onClick = [this] { formChosen(true); };
}

void ShipDisplay::showOrbit() {
    // Filling the tab sets the position and velocity fields one by one; it draws once at its end.
    if (filling_)
        return;
    w_.shipTab.ShipOrbitPicture.setDrawing(shipOrbitDrawing(w_));
}

void ShipDisplay::landingChosen(bool coordinates) {
    ui::ShipTab& t = w_.shipTab;
    if (filling_ || !(coordinates ? t.ShipCoordinatesOption : t.ShipPadOption).value())
        return;
    if (!coordinates) {
        showCoordinates(false);
        return;
    }
    // At coordinates the pad goes from BASE; the fields start where the base stands.
    const bool wasShown = t.ShipLandedLongitude.visible();
    showCoordinates(true);
    if (wasShown)
        return;
    t.ShipLandedPad.setCaption({});
    const auto found = w_.cat.BaseLocations.find(trim(t.ShipLandedPlanet.caption()) + ":" + trim(t.ShipLandedBase.caption()));
    if (found != w_.cat.BaseLocations.end() && t.ShipLandedLongitude.text().empty()) {
        t.ShipLandedLongitude.setText(numberText(found->second.first));
        t.ShipLandedLatitude.setText(numberText(found->second.second));
    }
}

void ShipDisplay::showCoordinates(bool shown) {
    ui::ShipTab& t = w_.shipTab;
    // The choice between a pad and coordinates, in today's files.
    const bool today = w_.model.format == FileFormat::Today;
    t.ShipPadOption.setVisible(today);
    t.ShipCoordinatesOption.setVisible(today);
    if (today) {
        const bool filling = std::exchange(filling_, true);
        (shown ? t.ShipCoordinatesOption : t.ShipPadOption).setValue(true);
        filling_ = filling;
    }
    for (ui::Control* c : std::initializer_list<ui::Control*>{&t.Label56, &t.ShipLandedLongitude, &t.Label57,
                                                              &t.ShipLandedLatitude})
        c->setVisible(shown);
    if (!shown) {
        t.ShipLandedLongitude.setText({});
        t.ShipLandedLatitude.setText({});
    }
}

void ShipDisplay::ShipTabReset() {
    shown_.reset();
    switchedFrom_.clear();
    switchedTo_.clear();
    ui::ShipTab& t = w_.shipTab;
    filling_ = true;
    t.ShipClass.setCaption({});
    t.LandedShipOption.setValue(false);
    t.DockedShipOption.setValue(false);
    t.OrbitingShipOption.setValue(false);
    showFrames(false, false, false);
    for (ui::Label* label : {&t.ShipFuel, &t.MainEngineStatus, &t.HoverEngineStatus, &t.ShipLandedPlanet,
                             &t.ShipLandedBase, &t.ShipLandedPad})
        label->setCaption({});
    t.ShipLandedHeading.setText({});
    for (ui::Label* label : {&t.ShipDockedStation, &t.ShipDockedPort, &t.ShipDockedPlanet, &t.ShipOrbitingPlanet})
        label->setCaption({});
    for (ui::TextField* field : {&t.ShipOrbitingAngularVelocity, &t.ShipOrbitingArotX, &t.ShipOrbitingArotY,
                                 &t.ShipOrbitingArotZ, &t.ShipOrbitingRposX, &t.ShipOrbitingRposY,
                                 &t.ShipOrbitingRposZ, &t.ShipOrbitingRvelX, &t.ShipOrbitingRvelY,
                                 &t.ShipOrbitingRvelZ})
        field->setText({});
    showCoordinates(false);
    for (ui::TextField* field : elementFields(t))
        field->setText({});
    t.ShipVectorOption.setValue(false);
    t.ShipElementsOption.setValue(false);
    showForm(false);
    t.ShipNote.setCaption({});
    t.ShipNote.setVisible(false);
    setPlacementEnabled(true);
    filling_ = false;
    showOrbit();
}

void ShipDisplay::ShipParameterDisplay() {
    ui::ShipTab& t = w_.shipTab;
    const int r = t.ShipName.listIndex();
    if (r < 0 || !w_.model.validShip(r))
        return;
    // Showing never writes into the document: a landed or docked ship shows the level stored
    // for it, which changes only when the person moves the slider and validates.
    const ShipRow& row = w_.model.ships[static_cast<size_t>(r)];

    filling_ = true;
    switchedFrom_.clear();
    switchedTo_.clear();
    t.ShipIndex.setCaption(std::to_string(r));
    t.ShipClass.setCaption(row.ShipClassTable);

    const double fuel = leadingNumberValue(row.ShipFuelTable) * 100.0;
    t.ShipFuel.setCaption(percentText(fuel));
    t.ShipFuelSlider.setValue(sliderPosition(fuel));

    t.MainEngineStatus.setCaption("0 %");
    t.HoverEngineStatus.setCaption("0 %");
    t.MainEngineStatusSlider.setValue(0);
    t.HoverEngineStatusSlider.setValue(0);

    const std::string status = trim(row.ShipStatusTable);
    if (equalsIgnoringCase(status, "Docked")) {
        t.DockedShipOption.setValue(true);
        t.OrbitingShipOption.setValue(false);
        t.LandedShipOption.setValue(false);
        showFrames(false, true, false);
        t.ShipDockedStation.setCaption(row.ShipDockedStationTable);
        t.ShipDockedPort.setCaption(row.ShipDockedPortTable);
        t.ShipDockedPlanet.setCaption(row.ShipPlanetTable);
        setEngineLabelsEnabled(false);
    }
    if (equalsIgnoringCase(status, "Landed")) {
        t.LandedShipOption.setValue(true);
        t.DockedShipOption.setValue(false);
        t.OrbitingShipOption.setValue(false);
        showFrames(true, false, false);
        t.ShipLandedPlanet.setCaption(row.ShipPlanetTable);
        t.ShipLandedBase.setCaption(row.ShipLandedBaseTable);
        t.ShipLandedPad.setCaption(row.ShipLandedPadTable);
        showCoordinates(!row.ShipLandedLongitudeTable.empty());
        t.ShipLandedLongitude.setText(row.ShipLandedLongitudeTable);
        t.ShipLandedLatitude.setText(row.ShipLandedLatitudeTable);
        // Today's simulator takes a block without HEADING as heading 0.
        const bool noHeading = !IsANumber(row.ShipLandedHeadingTable);
        t.ShipLandedHeading.setText(w_.model.format == FileFormat::Today && noHeading ? std::string("0")
                                                                                      : row.ShipLandedHeadingTable);
        setEngineLabelsEnabled(false);
    }
    if (equalsIgnoringCase(status, "Orbiting")) {
        t.OrbitingShipOption.setValue(true);
        t.DockedShipOption.setValue(false);
        t.LandedShipOption.setValue(false);
        showFrames(false, false, true);
        t.ShipOrbitingPlanet.setCaption(row.ShipPlanetTable);
        const std::pair<ui::TextField*, const std::string*> fields[] = {
            {&t.ShipOrbitingAngularVelocity, &row.ShipVrotTable},
            {&t.ShipOrbitingRposX, &row.ShipRposXTable},
            {&t.ShipOrbitingRposY, &row.ShipRposYTable},
            {&t.ShipOrbitingRposZ, &row.ShipRposZTable},
            {&t.ShipOrbitingArotX, &row.ShipArotXTable},
            {&t.ShipOrbitingArotY, &row.ShipArotYTable},
            {&t.ShipOrbitingArotZ, &row.ShipArotZTable},
            {&t.ShipOrbitingRvelX, &row.ShipRvelXTable},
            {&t.ShipOrbitingRvelY, &row.ShipRvelYTable},
            {&t.ShipOrbitingRvelZ, &row.ShipRvelZTable},
        };
        for (const auto& [field, value] : fields)
            field->setText(displayForm(leadingNumberValue(*value)));
        // A today's ship placed by ELEMENTS shows them as written.
        const bool byElements = w_.model.format == FileFormat::Today && row.ShipByElements;
        std::vector<std::string> words;
        for (std::string_view rest = trimmed(row.ShipElementsTable); !rest.empty();) {
            const size_t blank = std::min(rest.find(' '), rest.size());
            words.emplace_back(rest.substr(0, blank));
            rest = trimmed(rest.substr(blank));
        }
        words.resize(7);
        setTexts(elementFields(t), byElements ? words : std::vector<std::string>(7));
        (byElements ? t.ShipElementsOption : t.ShipVectorOption).setValue(true);
        showForm(byElements);
        setEngineLabelsEnabled(true);
        const double main = leadingNumberValue(row.ShipMainEngineTable) * 100.0;
        t.MainEngineStatus.setCaption(percentText(main));
        t.MainEngineStatusSlider.setValue(sliderPosition(main));
        const double hover = leadingNumberValue(row.ShipHoverEngineTable) * 100.0;
        t.HoverEngineStatus.setCaption(percentText(hover));
        t.HoverEngineStatusSlider.setValue(sliderPosition(hover));
    }
    t.ShipNote.setCaption(row.ShipNote);
    t.ShipNote.setVisible(!row.ShipNote.empty());
    // A vessel attached to another goes where its parent goes: what places it is shown, not edited.
    setPlacementEnabled(!(w_.model.format == FileFormat::Today && row.ShipPlacement == TodaysPlacement::Attached));
    shown_ = fieldsNow();
    shownRow_ = r;
    filling_ = false;
    showOrbit();
}

std::vector<std::string> ShipDisplay::fieldsNow() const {
    const ui::ShipTab& t = w_.shipTab;
    std::vector<std::string> fields = {t.ShipName.text(),
                                       t.ShipClass.caption(),
                                       std::to_string(t.LandedShipOption.value()),
                                       std::to_string(t.DockedShipOption.value()),
                                       std::to_string(t.OrbitingShipOption.value()),
                                       t.ShipFuel.caption(),
                                       t.MainEngineStatus.caption(),
                                       t.HoverEngineStatus.caption(),
                                       t.ShipLandedPlanet.caption(),
                                       t.ShipLandedBase.caption(),
                                       t.ShipLandedPad.caption(),
                                       t.ShipLandedHeading.text(),
                                       t.ShipDockedStation.caption(),
                                       t.ShipDockedPort.caption(),
                                       t.ShipDockedPlanet.caption(),
                                       t.ShipOrbitingPlanet.caption()};
    for (const ui::TextField* field : {&t.ShipOrbitingAngularVelocity, &t.ShipOrbitingArotX, &t.ShipOrbitingArotY,
                                       &t.ShipOrbitingArotZ, &t.ShipOrbitingRposX, &t.ShipOrbitingRposY,
                                       &t.ShipOrbitingRposZ, &t.ShipOrbitingRvelX, &t.ShipOrbitingRvelY,
                                       &t.ShipOrbitingRvelZ, &t.ShipLandedLongitude, &t.ShipLandedLatitude})
        fields.push_back(field->text());
    for (const ui::TextField* field : {&t.ShipSemiMajorAxis, &t.ShipExcentricity, &t.ShipInclination,
                                       &t.ShipAscendingNodeLongitude, &t.ShipPeriapsisLongitude, &t.ShipMeanLongitude,
                                       &t.ShipElementsEpoch})
        fields.push_back(field->text());
    fields.push_back(std::to_string(t.ShipElementsOption.value()));
    return fields;
}

bool ShipDisplay::hasUnvalidatedEdits() const {
    if (!shown_ || shownRow_ < 0 || shownRow_ >= w_.shipCount() || !w_.model.validShip(shownRow_))
        return false;
    return fieldsNow() != *shown_;
}

std::string ShipDisplay::shownName() const {
    if (!shown_ || !w_.model.validShip(shownRow_))
        return {};
    // The list's entry: a ship added but never validated has no name of its own yet.
    const auto& names = w_.shipTab.ShipName;
    return shownRow_ < names.listCount() ? names.list(shownRow_)
                                         : w_.model.ships[static_cast<size_t>(shownRow_)].ShipNameTable;
}

void ShipDisplay::ShipName_Click() {
    const int r = w_.shipTab.ShipName.listIndex();
    if (r < 0)
        return;
    w_.shipTab.ShipIndex.setCaption(std::to_string(r));
    ShipTabReset();
    ShipParameterDisplay();
}

void ShipDisplay::LandedShipOption_Click() {
    if (!w_.shipTab.LandedShipOption.value())
        return;
    showFrames(true, false, false);
    setEngineLabelsEnabled(false);
    // Today's simulator takes a ship without heading as heading 0.
    if (w_.model.format == FileFormat::Today && trim(w_.shipTab.ShipLandedHeading.text()).empty())
        w_.shipTab.ShipLandedHeading.setText("0");
    w_.shipTab.MainEngineStatus.setCaption("0");
    w_.shipTab.HoverEngineStatus.setCaption("0");
}

void ShipDisplay::DockedShipOption_Click() {
    if (!w_.shipTab.DockedShipOption.value())
        return;
    showFrames(false, true, false);
    setEngineLabelsEnabled(false);
    w_.shipTab.MainEngineStatus.setCaption("0");
    w_.shipTab.HoverEngineStatus.setCaption("0");
}

void ShipDisplay::OrbitingShipOption_Click() {
    if (!w_.shipTab.OrbitingShipOption.value())
        return;
    showFrames(false, false, true);
    setEngineLabelsEnabled(true);
    // A today's ship put into orbit starts with the form of its position and velocity.
    auto& t = w_.shipTab;
    if (w_.model.format == FileFormat::Today && !t.ShipVectorOption.value() && !t.ShipElementsOption.value()) {
        const bool filling = std::exchange(filling_, true);
        t.ShipVectorOption.setValue(true);
        filling_ = filling;
    }
    showForm(t.ShipElementsOption.value());
    undockInPlace();
}

void ShipDisplay::showForm(bool elements) {
    ui::ShipTab& t = w_.shipTab;
    const bool today = w_.model.format == FileFormat::Today;
    t.ShipVectorOption.setVisible(today);
    t.ShipElementsOption.setVisible(today);
    t.Frame10.setVisible(!(today && elements));
    t.Frame11.setVisible(!(today && elements));
    t.Frame13.setVisible(today && elements);
}

void ShipDisplay::formChosen(bool elements) {
    ui::ShipTab& t = w_.shipTab;
    if (!(elements ? t.ShipElementsOption : t.ShipVectorOption).value())
        return;
    showForm(elements);
    if (filling_)
        return;
    const std::vector<ui::TextField*> from = elements ? vectorFields(t) : elementFields(t);
    const std::vector<ui::TextField*> to = elements ? elementFields(t) : vectorFields(t);
    // Back to the form the last switch left, unedited: the texts it had.
    if (textsOf(from) == switchedTo_ && switchedFrom_.size() == to.size()) {
        setTexts(to, switchedFrom_);
        std::swap(switchedFrom_, switchedTo_);
        showOrbit();
        return;
    }
    const Body* body = w_.cat.bodies.find(trim(t.ShipOrbitingPlanet.caption()));
    const std::optional<double> mu = body ? body->mu() : std::nullopt;
    const std::optional<double> mjd = shownStartMjd(w_);
    const std::optional<std::vector<double>> values = numbersOf(from);
    if (!mu || !mjd || !values)
        return;
    const std::vector<double>& v = *values;
    if (elements) {
        const orbit::StateVector state{{v[0], v[1], v[2]}, {v[3], v[4], v[5]}};
        const orbit::Result<orbit::Elements> e = orbit::elementsFromState(state, *mu, *mjd);
        if (!e)
            return;
        setTexts(to, {numberText(e->semiMajorAxis), numberText(e->eccentricity), numberText(e->inclination),
                      numberText(e->ascendingNode), numberText(e->periapsisLongitude), numberText(e->meanLongitude),
                      numberText(*mjd)});
    } else {
        const orbit::Elements e{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
        const orbit::Result<orbit::StateVector> state = orbit::stateFromElements(e, *mu, *mjd);
        if (!state)
            return;
        setTexts(to, {numberText(state->position.x), numberText(state->position.y), numberText(state->position.z),
                      numberText(state->velocity.x), numberText(state->velocity.y), numberText(state->velocity.z)});
    }
    switchedFrom_ = textsOf(from);
    switchedTo_ = textsOf(to);
    showOrbit();
}

void ShipDisplay::undockInPlace() {
    // A today's ship leaving its station starts where the station is, at the start.
    if (w_.model.format != FileFormat::Today || !shown_ || !w_.model.validShip(shownRow_))
        return;
    const ShipRow& row = w_.model.ships[static_cast<size_t>(shownRow_)];
    if (!equalsIgnoringCase(trim(row.ShipStatusTable), "Docked"))
        return;
    const int stations = std::min(w_.stationCount(), static_cast<int>(w_.model.stations.size()));
    for (int k = 0; k < stations; ++k) {
        const StationRow& station = w_.model.stations[static_cast<size_t>(k)];
        if (trim(station.StationNameTable) != trim(row.ShipDockedStationTable))
            continue;
        const std::optional<orbit::StateVector> state = stationStateAtStart(w_, station);
        if (!state)
            return;
        auto& t = w_.shipTab;
        const bool filling = std::exchange(filling_, true);
        t.ShipVectorOption.setValue(true);
        filling_ = filling;
        showForm(false);
        t.ShipOrbitingPlanet.setCaption(trim(station.StationRefTable));
        t.ShipOrbitingRposX.setText(numberText(state->position.x));
        t.ShipOrbitingRposY.setText(numberText(state->position.y));
        t.ShipOrbitingRposZ.setText(numberText(state->position.z));
        t.ShipOrbitingRvelX.setText(numberText(state->velocity.x));
        t.ShipOrbitingRvelY.setText(numberText(state->velocity.y));
        t.ShipOrbitingRvelZ.setText(numberText(state->velocity.z));
        // Its attitude and spin are its own.
        const std::pair<ui::TextField*, const std::string*> own[] = {
            {&t.ShipOrbitingAngularVelocity, &row.ShipVrotTable},
            {&t.ShipOrbitingArotX, &row.ShipArotXTable},
            {&t.ShipOrbitingArotY, &row.ShipArotYTable},
            {&t.ShipOrbitingArotZ, &row.ShipArotZTable},
        };
        for (const auto& [field, value] : own)
            field->setText(displayForm(leadingNumberValue(*value)));
        showOrbit();
        return;
    }
}

void ShipDisplay::ShipFuelSlider_Change() {
    w_.shipTab.ShipFuel.setCaption(percentText(w_.shipTab.ShipFuelSlider.value()));
}

void ShipDisplay::MainEngineStatusSlider_Change() {
    w_.shipTab.MainEngineStatus.setCaption(percentText(w_.shipTab.MainEngineStatusSlider.value()));
}

void ShipDisplay::HoverEngineStatusSlider_Change() {
    w_.shipTab.HoverEngineStatus.setCaption(percentText(w_.shipTab.HoverEngineStatusSlider.value()));
}

void ShipDisplay::showFrames(bool landed, bool docked, bool orbiting) {
    w_.shipTab.Landed.setVisible(landed);
    w_.shipTab.Docked.setVisible(docked);
    w_.shipTab.Orbiting.setVisible(orbiting);
}

void ShipDisplay::setPlacementEnabled(bool enabled) {
    ui::ShipTab& t = w_.shipTab;
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &t.LandedShipOption, &t.DockedShipOption, &t.OrbitingShipOption, &t.Landed, &t.Docked, &t.Orbiting,
             &t.ShipFuelSlider, &t.MainEngineStatusSlider, &t.HoverEngineStatusSlider})
        c->setEnabled(enabled);
}

void ShipDisplay::setEngineLabelsEnabled(bool enabled) {
    w_.shipTab.MainEngineStatus.setEnabled(enabled);
    w_.shipTab.HoverEngineStatus.setEnabled(enabled);
}

} // namespace vantrel
