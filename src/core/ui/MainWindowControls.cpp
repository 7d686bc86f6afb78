#include "core/ui/MainWindowControls.h"

namespace vantrel::ui {

EnvironmentTab::EnvironmentTab() {
    Description.setToolTip(
        "Contains the scenario description that will be displayed to summarize the scenario at its selection");
    DescriptionHtml.setToolTip("The description this file gives in HTML or in the help; it is kept as it is");
    DescriptionHtml.setVisible(false);
    DescriptionHtmlNote.setVisible(false);
    Calendar.setToolTip("Defines the scenario start time date");
    Hour.setToolTip("Defines the scenario start time hour");
    Minute.setToolTip("Defines the scenario start time minutes");
    PlanetarySystem.setToolTip(
        "Allows to select a planetary system from the ones installed in the orbiter configuration, and then only "
        "the planets and moons of the selected palentary system will be available for (coherent scenario) "
        "settings");
    Check2.setToolTip("Forbids to change the planetary system to avoid to reset the scenario by mystake");
    ShipFocus.setToolTip("Displays the user-controlled ship. It can be selected from the \"possible ships\" list, "
                         "that can be updated at the Ship list tab");
    PossibleShipFocus.setToolTip("List of the ships available in the scenario");
    Command7.setToolTip(
        "Replace the user-controlled ship by the ship displayed at the \"Possible ships\" combo box");
    // The lock is on when the window opens, so the system cannot be changed by mistake.
    Check2.setValue(1);
    PlanetarySystem.setEnabled(false);
}

StationTab::StationTab() {
    StationNote.setVisible(false);
    StationName.setToolTip("Displays all the stations integrated in the scenario file");
    StationClassName.setToolTip("Displays the station class");
    StationClass.setToolTip(
        "Defines the station class, from the station class files available in the Orbiter configuration");
    Command9.setToolTip(
        "Sets the Station class to thestation class selected in the \"Possible station class\" combo box");
    StationRefPlanet.setToolTip("Defines the planet/moon the station orbits around");
    StationRef.setToolTip(
        "List of the planets (belonging to the selected planetary system) that can be set to the station");
    Command8.setToolTip(
        "Sets the Station reference planet to the planet selected in the \"Possible planet\" combo box");
    StationRotationFrequency.setToolTip(
        "Rotation frequency for spinning stations; if not specified, the class value is used");
    Check1.setToolTip("Select the option either to enter a customised spinning frequency, or to use the spinning "
                      "frequency of the station class value");
    StationXAngle.setToolTip("Station frame rotation angle around X axis");
    StationYAngle.setToolTip("Station frame rotation angle around Y axis");
    StationZAngle.setToolTip("Station frame rotation angle around Z axis");
    StationSemiMajorAxis.setToolTip("Defines the station orbit semi-major axis (in m)");
    StationExcentricity.setToolTip("Defines the station orbit excentricity");
    StationInclination.setToolTip("Defines the station orbit  inclination");
    StationAscendingNodeLongitude.setToolTip("Defines the station orbit  ascending node longitude");
    StationPeriapsisLongitude.setToolTip("Defines the station orbit periapsis longitude");
    StationMeanLongitude.setToolTip("Defines the station orbit mean longitude");
    StationOrbitalRefTime.setToolTip("Defines the date for which the orbital element parameters are valid");
    StationOrbitalRefHour.setToolTip("Defines the time hour for which the orbital element parameters are valid");
    StationOrbitalRefMin.setToolTip("Defines the time minutes for which the orbital element parameters are valid");
    Command1.setToolTip("Validates all station parameters. If the values are not validated, they are not "
                        "memorized and lost and the former values taken into account when passing to another "
                        "station.");
    Command2.setToolTip(
        "Deletes the station from the scenario (the station file in the configuration is not removed)");
    Command3.setToolTip("To create a new station within the scenario");
    StationIndex.setVisible(false);
}

ShipTab::ShipTab() {
    ShipNote.setVisible(false);
    for (Control* c : std::initializer_list<Control*>{&ShipVectorOption, &ShipElementsOption, &Frame13, &ShipPadOption,
                                                      &ShipCoordinatesOption})
        c->setVisible(false);
    ShipPadOption.setToolTip("The landed ship stands on a base's pad, chosen in the tree (BASE)");
    ShipCoordinatesOption.setToolTip("The landed ship stands at a longitude and latitude (POS)");
    ShipVectorOption.setToolTip("Places the orbiting ship by its position and velocity (RPOS and RVEL)");
    ShipElementsOption.setToolTip("Places the orbiting ship by its orbital elements (ELEMENTS)");
    ShipElementsEpoch.setToolTip("The date (MJD) for which the orbital elements are valid");
    for (Control* c : std::initializer_list<Control*>{&Label56, &ShipLandedLongitude, &Label57, &ShipLandedLatitude})
        c->setVisible(false);
    ShipName.setToolTip("List of the ship integrated in the scenario");
    ShipIndex.setVisible(false);
    ShipClass.setToolTip("Class of the ship selected in the Ship name combo box");
    Spacecraft.setToolTip(
        "List of all the available ship class, according to the Orbiter configuration including the add-ons");
    Command10.setToolTip("Sets the Ship class to the class selected in the \"Possible Ship Class\" combo box");
    Command4.setToolTip("Validates all ship parameters. If the values are not validated, they are not memorized "
                        "and lost and the former values taken into account when passing to another ship.");
    Command5.setToolTip("To create a new ship within the scenario");
    Command6.setToolTip("Deletes the ship from the scenario (the ship file in the configuration is not removed)");
    LandedShipOption.setToolTip("Sets the ship status to \"Landed\"");
    DockedShipOption.setToolTip("Sets the ship status to \"Docked\"");
    OrbitingShipOption.setToolTip("Sets the ship status to Orbiting\"");
    ShipFuel.setToolTip("Defines the ship tank fuel level (percentage from 0 to 1)");
    MainEngineStatus.setToolTip("Main/retro engine power percentage in action (percentage from -1 to 1). This "
                                "value must be set to zero when landed or docked");
    HoverEngineStatus.setToolTip("Hover engine power percentage in action (from 0 to 1). This value must be set "
                                 "to zero when landed or docked");

    ShipLandedPlanet.setToolTip("Planet of the base where the ship is parked");
    ShipLandedBase.setToolTip("Name of the base where the ship is parked");
    ShipLandedPad.setToolTip("Pad number where the is is parked");
    ShipLandedHeading.setToolTip("Ship orientation (in \xC2\xB0) at the landing pad");
    ShipLandingTree.setToolTip("Base (with their landing pads) list within the planetary system; double click on "
                               "a pad to select it for the ship");

    ShipDockedStation.setToolTip("Name of the Station where the ship is docked");
    ShipDockedPort.setToolTip("Station dock port number where the ship is docked");
    ShipDockedPlanet.setToolTip("Planet the station orbits around");
    ShipDockedTree.setToolTip("Station (with their dock ports) list within the planetary system; double click on "
                              "a dock to select it for the ship");

    ShipOrbitingPlanet.setToolTip("Displays the planet the ship orbits around");
    OrbitingRef.setToolTip("List of the planets within the planetary system");
    Command11.setToolTip(
        "Changes the planet the ships orbits around by choosing it from the \"Possible Planet\" list");
    ShipOrbitingAngularVelocity.setToolTip("Displays the ship orbiting angular velocity");
    ShipOrbitingRposX.setToolTip("Displays the ship position relative to reference on axis X");
    ShipOrbitingRposY.setToolTip("Displays the ship position relative to reference on axis Y");
    ShipOrbitingRposZ.setToolTip("Displays the ship position relative to reference on axis Z");
    ShipOrbitingRvelX.setToolTip("Displays the ship velocity relative to reference on axis X");
    ShipOrbitingRvelY.setToolTip("Displays the ship velocity relative to reference on axis Y");
    ShipOrbitingRvelZ.setToolTip("Displays the ship velocity relative to reference on axis Z");
    ShipOrbitingArotX.setToolTip("Object frame rotation angle orientation on axis X");
    ShipOrbitingArotY.setToolTip("Object frame rotation angle orientation on axis Y");
    ShipOrbitingArotZ.setToolTip("Object frame rotation angle orientation on axis Z");

    // No status is chosen until a ship is shown.
    Landed.setVisible(false);
    Docked.setVisible(false);
    Orbiting.setVisible(false);
}

MainMenuBar::MainMenuBar() {
    Menu13.setEnabled(false);
    Menu14.setEnabled(false);
    Menu35.setEnabled(false);
    Menu31.setEnabled(false);
}

std::vector<MainMenuBar::Menu> MainMenuBar::menus() {
    return {
        {&MenuFiles, {&Menu12, &Menu13, &Menu14, &Menu11, &Menu17, &Menu15, &Menu16}},
        {&MenuTools, {&Menu35, &Menu32, &Menu31, &Menu34, &Menu33}},
        {&MenuHelp, {&Menu21, &Menu22}},
    };
}

MainWindowState::MainWindowState() {
    // No scenario yet: the start picture stands where the tabs will be.
    SSTab1.setVisible(false);
    Label9.setVisible(false);
    scnfile.setVisible(false);
    scnfile.setToolTip("Edited scenario file name");
    CfgDir.setVisible(false);
    ScnDir.setVisible(false);
    for (Control* hidden : std::initializer_list<Control*>{&BufferList, &Buffer, &NBuffer, &Transit,
                                                           &PlanetarySystemFile, &SpacecraftFile, &Findings,
                                                           &FindingsCount})
        hidden->setVisible(false);
    Findings.setToolTip("What the simulator would do wrong with the scenario; double click on a finding to show "
                        "its vessel");
}

std::vector<Control*> EnvironmentTab::all() {
    return {&Frame1, &Description, &DescriptionHtml, &DescriptionHtmlNote, &Frame2, &Calendar, &Hour, &Minute, &Frame3, &Label1, &PlanetarySystem, &Check2, &Label2, &ShipFocus, &Label3, &PossibleShipFocus, &Command7};
}

std::vector<Control*> StationTab::all() {
    return {&Label10, &StationName, &Label11, &StationClassName, &Label12, &StationClass, &Command9, &Label13, &StationRefPlanet, &Label14, &StationRef, &Command8, &Frame4, &StationRotationFrequency, &Check1, &Frame5, &Label15, &StationXAngle, &Label16, &StationYAngle, &Label17, &StationZAngle, &Frame6, &Label18, &StationSemiMajorAxis, &Label19, &StationExcentricity, &Label20, &StationInclination, &Label21, &StationAscendingNodeLongitude, &Label22, &StationPeriapsisLongitude, &Label23, &StationMeanLongitude, &Label24, &StationOrbitalRefTime, &Label25, &StationOrbitalRefHour, &Label26, &StationOrbitalRefMin, &StationOrbitPicture, &StationNote, &Frame7, &Command1, &Command2, &Command3, &StationIndex};
}

std::vector<Control*> ShipTab::all() {
    return {&Label30, &ShipName, &ShipIndex, &Label31, &ShipClass, &Label32, &Spacecraft, &Command10, &Command4, &Command5, &Command6, &Frame8, &Label33, &LandedShipOption, &DockedShipOption, &OrbitingShipOption, &Frame9, &Label34, &ShipFuel, &ShipFuelSlider, &Label35, &MainEngineStatus, &MainEngineStatusSlider, &Label36, &HoverEngineStatus, &HoverEngineStatusSlider, &Landed, &Label37, &ShipLandedPlanet, &Label38, &ShipLandedBase, &Label39, &ShipLandedPad, &Label40, &ShipLandedHeading, &Label56, &ShipLandedLongitude, &Label57, &ShipLandedLatitude, &ShipPadOption, &ShipCoordinatesOption, &ShipLandingTree, &Docked, &Label41, &ShipDockedStation, &Label42, &ShipDockedPort, &Label43, &ShipDockedPlanet, &ShipDockedTree, &Orbiting, &Label44, &ShipOrbitingPlanet, &Label45, &OrbitingRef, &Command11, &Label46, &ShipOrbitingAngularVelocity, &Frame10, &Label47, &ShipOrbitingRposX, &Label48, &ShipOrbitingRposY, &Label49, &ShipOrbitingRposZ, &Frame11, &Label50, &ShipOrbitingRvelX, &Label51, &ShipOrbitingRvelY, &Label52, &ShipOrbitingRvelZ, &Frame12, &Label53, &ShipOrbitingArotX, &Label54, &ShipOrbitingArotY, &Label55, &ShipOrbitingArotZ, &ShipVectorOption, &ShipElementsOption, &Frame13, &Label58, &ShipSemiMajorAxis, &Label59, &ShipExcentricity, &Label60, &ShipInclination, &Label61, &ShipAscendingNodeLongitude, &Label62, &ShipPeriapsisLongitude, &Label63, &ShipMeanLongitude, &Label64, &ShipElementsEpoch, &ShipOrbitPicture, &ShipNote};
}

std::vector<Control*> MainMenuBar::all() {
    return {&MenuFiles, &Menu12, &Menu13, &Menu14, &Menu11, &Menu17, &Menu15, &Menu16, &MenuTools, &Menu35, &Menu32, &Menu31, &Menu34, &Menu33, &MenuHelp, &Menu21, &Menu22};
}

std::vector<Control*> MainWindowState::all() {
    return {&SSTab1, &Image5, &Label9, &scnfile, &CfgDir, &ScnDir, &BufferList, &Buffer, &NBuffer, &Transit, &PlanetarySystemFile, &SpacecraftFile, &Findings, &FindingsCount};
}

} // namespace vantrel::ui
