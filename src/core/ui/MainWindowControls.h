#pragma once

// The controls of the main window, grouped by where they stand: the three tabs, the menu bar
// and the hidden working values. Captions and tool tips are set where the controls are made
// (MainWindowControls.cpp), so every text a person reads on the main window is in one place.

#include "core/ui/Controls.h"
#include "core/ui/FileControls.h"
#include "core/ui/OrbitPicture.h"
#include "core/ui/TreeView.h"

#include <vector>

namespace vantrel::ui {

// First tab: "Description, environment and focus".
struct EnvironmentTab {
    EnvironmentTab();
    // Every control, in the order they are declared.
    std::vector<Control*> all();
    Frame Frame1{"Frame1", "Description of the scenario"};
    TextField Description{"Description", true};
    // What the file says of itself in HTML (HYPERDESC, shown as text when there is no DESC) or
    // the help page it names (URLDESC), read-only; hidden when it has neither.
    Label DescriptionHtml{"DescriptionHtml"};
    Label DescriptionHtmlNote{"DescriptionHtmlNote",
                              "The simulator's HTML view still shows the HYPERDESC description of this file."};
    Frame Frame2{"Frame2", "Scenario start time"};
    MonthCalendar Calendar{"Calendar"};
    ComboBox Hour{"Hour"};
    ComboBox Minute{"Minute"};
    Frame Frame3{"Frame3", "Environment"};
    Label Label1{"Label1", "Planetary System"};
    ComboBox PlanetarySystem{"PlanetarySystem"};
    CheckBox Check2{"Check2", "Lock security"};
    Label Label2{"Label2", "User-controlled ship"};
    Label ShipFocus{"ShipFocus"};
    Label Label3{"Label3", "Possible ships"};
    ComboBox PossibleShipFocus{"PossibleShipFocus"};
    Button Command7{"Command7", "Change user-controled ship"};
};

// Second tab: "Orbital station list".
struct StationTab {
    StationTab();
    // Every control, in the order they are declared.
    std::vector<Control*> all();
    Label Label10{"Label10", "Station name"};
    ComboBox StationName{"StationName", true};
    Label Label11{"Label11", "Station Class"};
    Label StationClassName{"StationClassName"};
    Label Label12{"Label12", "Possible station class"};
    ComboBox StationClass{"StationClass"};
    Button Command9{"Command9", "Change class"};
    Label Label13{"Label13", "Station Ref Planet"};
    Label StationRefPlanet{"StationRefPlanet"};
    Label Label14{"Label14", "Possible planet"};
    ComboBox StationRef{"StationRef"};
    Button Command8{"Command8", "Change Planet"};
    Frame Frame4{"Frame4", "Rotation frequency (Hz)"};
    TextField StationRotationFrequency{"StationRotationFrequency"};
    CheckBox Check1{"Check1", "Refered to station class"};
    Frame Frame5{"Frame5", "Station frame rotation angles"};
    Label Label15{"Label15", "X angle (\xC2\xB0)"};
    TextField StationXAngle{"StationXAngle"};
    Label Label16{"Label16", "Y angle (\xC2\xB0)"};
    TextField StationYAngle{"StationYAngle"};
    Label Label17{"Label17", "Z angle (\xC2\xB0)"};
    TextField StationZAngle{"StationZAngle"};
    Frame Frame6{"Frame6", "Orbital element references"};
    Label Label18{"Label18", "Semi-major axis (m)"};
    TextField StationSemiMajorAxis{"StationSemiMajorAxis"};
    Label Label19{"Label19", "Excentricity"};
    TextField StationExcentricity{"StationExcentricity"};
    Label Label20{"Label20", "Inclination (\xC2\xB0)"};
    TextField StationInclination{"StationInclination"};
    Label Label21{"Label21", "Ascending node longitude (\xC2\xB0)"};
    TextField StationAscendingNodeLongitude{"StationAscendingNodeLongitude"};
    Label Label22{"Label22", "Periapsis longitude (\xC2\xB0)"};
    TextField StationPeriapsisLongitude{"StationPeriapsisLongitude"};
    Label Label23{"Label23", "Mean longitude (\xC2\xB0)"};
    TextField StationMeanLongitude{"StationMeanLongitude"};
    Label Label24{"Label24", "Orbital element reference time"};
    MonthCalendar StationOrbitalRefTime{"StationOrbitalRefTime"};
    Label Label25{"Label25", "h"};
    ComboBox StationOrbitalRefHour{"StationOrbitalRefHour"};
    Label Label26{"Label26", "mn"};
    ComboBox StationOrbitalRefMin{"StationOrbitalRefMin"};
    // The orbit the element fields give, as they are typed.
    OrbitPicture StationOrbitPicture{"StationOrbitPicture"};
    // What today's simulator does with the station shown that its fields do not say; hidden
    // when there is nothing to say.
    Label StationNote{"StationNote"};
    Frame Frame7{"Frame7", "Actions"};
    Button Command1{"Command1", "Station parameter validation"};
    Button Command2{"Command2", "Delete station"};
    Button Command3{"Command3", "Add a new station"};
    Label StationIndex{"StationIndex", "0"}; // hidden: the row shown
};

// Third tab: "Ship list".
struct ShipTab {
    ShipTab();
    // Every control, in the order they are declared.
    std::vector<Control*> all();
    Label Label30{"Label30", "Ship name"};
    ComboBox ShipName{"ShipName", true};
    Label ShipIndex{"ShipIndex", "0"}; // hidden: the row shown
    Label Label31{"Label31", "Ship Class"};
    Label ShipClass{"ShipClass"};
    Label Label32{"Label32", "Possible Ship Class"};
    ComboBox Spacecraft{"Spacecraft"};
    Button Command10{"Command10", "Change class"};
    Button Command4{"Command4", "Ship parameter validation"};
    Button Command5{"Command5", "Add a new ship"};
    Button Command6{"Command6", "Delete ship"};

    Frame Frame8{"Frame8", "Status"};
    Label Label33{"Label33", "Select the ship status"};
    OptionGroup statusGroup;
    OptionButton LandedShipOption{"LandedShipOption", "Landed", statusGroup};
    OptionButton DockedShipOption{"DockedShipOption", "Docked", statusGroup};
    OptionButton OrbitingShipOption{"OrbitingShipOption", "Orbiting", statusGroup};

    Frame Frame9{"Frame9", "Engine settings"};
    Label Label34{"Label34", "Fuel level"};
    Label ShipFuel{"ShipFuel"};
    Slider ShipFuelSlider{"ShipFuelSlider", 0, 100};
    Label Label35{"Label35", "Engine status"};
    Label MainEngineStatus{"MainEngineStatus"};
    Slider MainEngineStatusSlider{"MainEngineStatusSlider", -100, 100};
    Label Label36{"Label36", "Hover engine status"};
    Label HoverEngineStatus{"HoverEngineStatus"};
    Slider HoverEngineStatusSlider{"HoverEngineStatusSlider", 0, 100};

    Frame Landed{"Landed", "Landed ship parameters"};
    Label Label37{"Label37", "Planet"};
    Label ShipLandedPlanet{"ShipLandedPlanet"};
    Label Label38{"Label38", "Base"};
    Label ShipLandedBase{"ShipLandedBase"};
    Label Label39{"Label39", "Landed pad"};
    Label ShipLandedPad{"ShipLandedPad"};
    Label Label40{"Label40", "Heading"};
    TextField ShipLandedHeading{"ShipLandedHeading"};
    // Where a ship of a today's file landed by coordinates (POS) stands; hidden for a ship on a
    // pad, and once a pad is chosen for it.
    Label Label56{"Label56", "Longitude (°)"};
    TextField ShipLandedLongitude{"ShipLandedLongitude"};
    Label Label57{"Label57", "Latitude (°)"};
    TextField ShipLandedLatitude{"ShipLandedLatitude"};
    // A landed ship of a today's file stands on a pad or at coordinates; the choice shows in
    // today's files only.
    OptionGroup landingGroup;
    OptionButton ShipPadOption{"ShipPadOption", "On a pad", landingGroup};
    OptionButton ShipCoordinatesOption{"ShipCoordinatesOption", "At coordinates", landingGroup};
    TreeView ShipLandingTree{"ShipLandingTree"};

    Frame Docked{"Docked", "Docked ship parameters"};
    Label Label41{"Label41", "Station"};
    Label ShipDockedStation{"ShipDockedStation"};
    Label Label42{"Label42", "Dock port"};
    Label ShipDockedPort{"ShipDockedPort"};
    Label Label43{"Label43", "Planet"};
    Label ShipDockedPlanet{"ShipDockedPlanet"};
    TreeView ShipDockedTree{"ShipDockedTree"};

    Frame Orbiting{"Orbiting", "Orbiting ship parameters"};
    Label Label44{"Label44", "Planet"};
    Label ShipOrbitingPlanet{"ShipOrbitingPlanet"};
    Label Label45{"Label45", "Possible planet"};
    ComboBox OrbitingRef{"OrbitingRef"};
    Button Command11{"Command11", "Change planet"};
    Label Label46{"Label46", "Angular velocity (\xC2\xB0/s)"};
    TextField ShipOrbitingAngularVelocity{"ShipOrbitingAngularVelocity"};
    Frame Frame10{"Frame10", "Position rel. to reference"};
    Label Label47{"Label47", "X"};
    TextField ShipOrbitingRposX{"ShipOrbitingRposX"};
    Label Label48{"Label48", "Y"};
    TextField ShipOrbitingRposY{"ShipOrbitingRposY"};
    Label Label49{"Label49", "Z"};
    TextField ShipOrbitingRposZ{"ShipOrbitingRposZ"};
    Frame Frame11{"Frame11", "Velocity rel. to reference"};
    Label Label50{"Label50", "X"};
    TextField ShipOrbitingRvelX{"ShipOrbitingRvelX"};
    Label Label51{"Label51", "Y"};
    TextField ShipOrbitingRvelY{"ShipOrbitingRvelY"};
    Label Label52{"Label52", "Z"};
    TextField ShipOrbitingRvelZ{"ShipOrbitingRvelZ"};
    Frame Frame12{"Frame12", "Rot. angles orientation"};
    Label Label53{"Label53", "X"};
    TextField ShipOrbitingArotX{"ShipOrbitingArotX"};
    Label Label54{"Label54", "Y"};
    TextField ShipOrbitingArotY{"ShipOrbitingArotY"};
    Label Label55{"Label55", "Z"};
    TextField ShipOrbitingArotZ{"ShipOrbitingArotZ"};
    // A ship of a today's file in orbit is placed by its position and velocity or by its orbital
    // elements; the choice shows in today's files only.
    OptionGroup formGroup;
    OptionButton ShipVectorOption{"ShipVectorOption", "Position and velocity", formGroup};
    OptionButton ShipElementsOption{"ShipElementsOption", "Orbital elements", formGroup};
    Frame Frame13{"Frame13", "Orbital elements"};
    Label Label58{"Label58", "Semi-major axis (m)"};
    TextField ShipSemiMajorAxis{"ShipSemiMajorAxis"};
    Label Label59{"Label59", "Excentricity"};
    TextField ShipExcentricity{"ShipExcentricity"};
    Label Label60{"Label60", "Inclination (\xC2\xB0)"};
    TextField ShipInclination{"ShipInclination"};
    Label Label61{"Label61", "Ascending node longitude (\xC2\xB0)"};
    TextField ShipAscendingNodeLongitude{"ShipAscendingNodeLongitude"};
    Label Label62{"Label62", "Periapsis longitude (\xC2\xB0)"};
    TextField ShipPeriapsisLongitude{"ShipPeriapsisLongitude"};
    Label Label63{"Label63", "Mean longitude (\xC2\xB0)"};
    TextField ShipMeanLongitude{"ShipMeanLongitude"};
    Label Label64{"Label64", "Epoch (MJD)"};
    TextField ShipElementsEpoch{"ShipElementsEpoch"};
    // The orbit the position and velocity fields give, as they are typed.
    OrbitPicture ShipOrbitPicture{"ShipOrbitPicture"};
    // What places the ship shown in a today's file when its fields do not ("Attached to GL-01");
    // hidden when there is nothing to say.
    Label ShipNote{"ShipNote"};
};

// The menu bar: top-level menus and their items, in order.
struct MainMenuBar {
    MainMenuBar();
    // Every control, in the order they are declared.
    std::vector<Control*> all();
    MenuItem MenuFiles{"MenuFiles", "&Files"};
    MenuItem Menu12{"Menu12", "&Open"};
    MenuItem Menu13{"Menu13", "&Save"};
    MenuItem Menu14{"Menu14", "S&ave as"};
    MenuItem Menu11{"Menu11", "&Delete a scenario file"};
    MenuItem Menu17{"Menu17", "Scenario &folder management"};
    MenuItem Menu15{"Menu15", "-"};
    MenuItem Menu16{"Menu16", "&Exit"};
    MenuItem MenuTools{"MenuTools", "&Tools"};
    MenuItem Menu35{"Menu35", "&Error Log"};
    MenuItem Menu32{"Menu32", "&Orbiter Folder Search"};
    MenuItem Menu31{"Menu31", "&Planetary system information"};
    MenuItem Menu34{"Menu34", "&Spherical/cartesian converter"};
    MenuItem Menu33{"Menu33", "&Windows Calculator"};
    MenuItem MenuHelp{"MenuHelp", "&?"};
    MenuItem Menu21{"Menu21", "&Help"};
    MenuItem Menu22{"Menu22", "&About"};

    struct Menu {
        MenuItem* title;
        std::vector<MenuItem*> items;
    };
    // The menus in order, for the desktop to build the bar.
    std::vector<Menu> menus();
};

// Labels, pictures and lists of the main window that hold state: the folders, the scenario
// file name, the start picture, and the hidden working lists of the catalogue readers.
struct MainWindowState {
    MainWindowState();
    // Every control, in the order they are declared.
    std::vector<Control*> all();
    TabControl SSTab1{"SSTab1",
                      {"Description, environment and focus", "Orbital station list", "Ship list"}};
    Image Image5{"Image5", "start"};
    Label Label9{"Label9"};
    Label scnfile{"scnfile"};
    Label CfgDir{"CfgDir"};
    Label ScnDir{"ScnDir"};
    FileList BufferList{"BufferList", "*.cfg"};
    ListBox Buffer{"Buffer"};
    ListBox NBuffer{"NBuffer"};
    ListBox Transit{"Transit"};
    ListBox PlanetarySystemFile{"PlanetarySystemFile"};
    ListBox SpacecraftFile{"SpacecraftFile"};
    // What today's simulator would do wrong with the open scenario, one entry per finding under
    // the tabs, and their count ("3 problems") on the status line; hidden while there is none.
    ListBox Findings{"Findings"};
    Label FindingsCount{"FindingsCount"};
};

} // namespace vantrel::ui
