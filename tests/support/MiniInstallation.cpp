#include "MiniInstallation.h"

#include "core/platform/FileSystem.h"

namespace vantrel::test {

namespace {

std::string body(const char* mass, const char* size, const char* period, const char* atmosphere,
                 std::initializer_list<const char*> bases = {}) {
    std::string text = crlf({"; body parameters", mass, size, period, atmosphere});
    for (const char* base : bases)
        text += std::string(base) + "\r\n";
    return text;
}

std::string pads(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "LPAD" + std::to_string(i) + " = " + std::to_string(i * 10) + " 0 " + std::to_string(i * 5) + "\r\n";
    return text;
}

std::string ports(int count) {
    std::string text = "BEGIN_DOCKLIST\r\n";
    for (int i = 0; i < count; ++i)
        text += "0 " + std::to_string(i) + " 10  0 0 1  0 1 0\r\n";
    return text + "END_DOCKLIST\r\n";
}

} // namespace

const std::vector<std::string>& MiniInstallation::systemNames() {
    static const std::vector<std::string> names{"Tau Ceti", "Sol"};
    return names;
}

const std::vector<std::string>& MiniInstallation::systemFiles() {
    static const std::vector<std::string> files{"Ceti.cfg", "Sol.cfg"};
    return files;
}

const std::vector<std::string>& MiniInstallation::shipClasses() {
    static const std::vector<std::string> names{"DeltaGlider", "Dragonfly", "ShuttleA", "ShuttlePB"};
    return names;
}

const std::vector<std::string>& MiniInstallation::stationClasses() {
    static const std::vector<std::string> names{"ISS", "Mir", "Wheel"};
    return names;
}

const std::vector<std::string>& MiniInstallation::solBodies() {
    static const std::vector<std::string> bodies{"Mercury", "Venus", "Earth", "   Moon", "Mars", "   Phobos", "   Deimos"};
    return bodies;
}

MiniInstallation writeMiniInstallation(const TempFolder& temp, const std::string& relative) {
    const std::string root = relative + "/";
    temp.write(root + "orbiter.cfg", crlf({"; simulator configuration", "ConfigDir = .\\Config\\",
                                           "MeshDir = .\\Meshes\\", "ScenarioDir = .\\Scenarios\\",
                                           "TextureDir = .\\Textures\\"}));

    const std::string cfg = root + "Config/";
    temp.write(cfg + "Sol.cfg", crlf({"; the solar system", "Name = Sol", "Star1 = Sun", "Planet1 = Mercury",
                                      "Planet2 = Venus", "Planet3 = Earth", "Earth1 = Moon", "Planet4 = Mars",
                                      "Mars1 = Phobos", "Mars2 = Deimos"}));
    temp.write(cfg + "Ceti.cfg",
               crlf({"Name = Tau Ceti", "Star1 = TauCeti", "Planet1 = Tceti ; the only planet", "Tceti1 = Pyrrha"}));

    temp.write(cfg + "Mercury.cfg", body("Mass = 3.302e23", "Size = 2.44e6", "SidRotPeriod = 5067360", "AtmAltLimit = 0"));
    temp.write(cfg + "Venus.cfg", body("Mass = 4.869e24", "Size = 6.0518e6", "SidRotPeriod = -20996798", "AtmAltLimit = 250e3"));
    temp.write(cfg + "Earth.cfg", body("Mass = 5.976e24", "Size = 6.37101e6", "SidRotPeriod = 86164.10", "AtmAltLimit = 200e3",
                                       {"Base1 = Habana -82.3 23.0", "Base2 = Cape -80.6 28.6 ; the launch site"}));
    temp.write(cfg + "Moon.cfg", body("Mass = 7.35e22", "Size = 1.738e6", "SidRotPeriod = 2360592", "AtmAltLimit = 0",
                                      {"Base1 = Brighton -33.4 41.1"}));
    temp.write(cfg + "Mars.cfg", body("Mass = 6.4185e23", "Size = 3.38990e6", "SidRotPeriod = 88642.6632", "AtmAltLimit = 150e3",
                                      {"Base1 = Olympus -135.4 12.7"}));
    temp.write(cfg + "Phobos.cfg", body("Mass = 1.08e16", "Size = 11.1e3", "SidRotPeriod = 27553.8", "AtmAltLimit = 0"));
    temp.write(cfg + "Deimos.cfg", body("Mass = 1.8e15", "Size = 6.2e3", "SidRotPeriod = 109074.8", "AtmAltLimit = 0"));
    temp.write(cfg + "Tceti.cfg", body("Mass = 2.4e25", "Size = 1.1e7", "SidRotPeriod = 100000", "AtmAltLimit = 300e3"));
    temp.write(cfg + "Pyrrha.cfg", body("Mass = 3e22", "Size = 1.5e6", "SidRotPeriod = 1500000", "AtmAltLimit = 0"));

    temp.write(cfg + "Habana.cfg", crlf({"Name = Habana", "MAP = 1"}) + pads(3));
    temp.write(cfg + "Cape.cfg", pads(1));
    temp.write(cfg + "Brighton.cfg", crlf({"Name = Brighton Beach ; a moon base"}) + pads(12));
    temp.write(cfg + "Olympus.cfg", crlf({"Name = Olympus"}) + pads(2));

    temp.write(cfg + "Wheel.cfg", crlf({"Meshname = Wheel", "Size = 200"}) + ports(1));
    temp.write(cfg + "ISS.cfg", crlf({"Meshname = ISS", "Size = 100"}) + ports(4));
    temp.write(cfg + "Mir.cfg", crlf({"Meshname = Mir"}) + ports(12));

    temp.write(cfg + "DeltaGlider.cfg", crlf({"ClassName = DeltaGlider", "Module = DeltaGlider"}));
    temp.write(cfg + "Dragonfly.cfg", crlf({"ClassName = Dragonfly", "Module = Dragonfly"}));
    temp.write(cfg + "ShuttleA.cfg", crlf({"ClassName = ShuttleA", "Module = ShuttleA"}));
    temp.write(cfg + "ShuttlePB.cfg", crlf({"ClassName = ShuttlePB", "Module = ShuttlePB"}));

    const std::string scn = root + "Scenarios/";
    temp.write(scn + "description.txt", crlf({"The scenarios of the test installation."}));
    const char* demo[] = {
        "BEGIN_DESC", "A ship on a pad, one in orbit and one docked.", "END_DESC", "",
        "BEGIN_ENVIRONMENT", "  System Sol", "  Date MJD 51982.5", "END_ENVIRONMENT", "",
        "BEGIN_FOCUS", "  Ship GL-01", "END_FOCUS", "",
        "BEGIN_STATIONS", "Alpha:ISS", "  REF Earth", "  EL_MJD 51982.25",
        "  ELEMENTS 6778000 0.0005 51.6 120 30 45", "  AROT 0 0 0", "END",
        "Outpost:Wheel", "  REF Moon ; around the moon", "  EL_MJD 51982",
        "  ELEMENTS 1900000 0.01 10 20 30 40", "  ZROT_FREQ 0.05", "END", "END_STATIONS", "",
        "BEGIN_SHIPS", "GL-01:DeltaGlider", "  STATUS Landed Earth", "  BASE Habana:2", "  HEADING 90",
        "  FUEL 1", "END",
        "PB-01:ShuttlePB", "  STATUS Orbiting Earth", "  RPOS -4000000 3000000 4000000",
        "  RVEL 4000 -3000 2000", "  AROT 0 90 0", "  VROT 0 0 0", "  FUEL 0.5", "END",
        "SH-01:ShuttleA", "  STATUS Docked Earth:Alpha:2", "  FUEL 0.8", "  PRPLEVEL 0:1.000", "END",
        "END_SHIPS"};
    std::string demoText;
    for (const char* line : demo)
        demoText += std::string(line) + "\r\n";
    temp.write(scn + "Demo.scn", demoText);
    temp.write(scn + "(Current state).scn", demoText);
    temp.write(scn + "(Quicksave state).scn", demoText);

    temp.write(scn + "Tours/description.txt", crlf({"Tours of the neighbourhood."}));
    temp.write(scn + "Tours/Moon tour.scn",
               crlf({"BEGIN_DESC", "Landed on the moon.", "END_DESC", "", "BEGIN_ENVIRONMENT", "  System Sol",
                     "  Date MJD 52000", "END_ENVIRONMENT", "", "BEGIN_FOCUS", "  Ship DF-01", "END_FOCUS", "",
                     "BEGIN_SHIPS", "DF-01:Dragonfly", "  STATUS Landed Moon", "  BASE Brighton:12",
                     "  HEADING 0", "  FUEL 1", "END", "END_SHIPS"}));
    temp.write(scn + "Tours/Deep/description.txt", crlf({"Further out."}));
    temp.write(scn + "Tours/Deep/Mars dock.scn",
               crlf({"BEGIN_DESC", "Docked at a station around Mars.", "END_DESC", "", "BEGIN_ENVIRONMENT",
                     "  System Sol", "  Date MJD 52100.75", "END_ENVIRONMENT", "", "BEGIN_FOCUS",
                     "  Ship SA-02", "END_FOCUS", "", "BEGIN_STATIONS", "Red:Mir", "  REF Mars",
                     "  EL_MJD 52100", "  ELEMENTS 4000000 0.001 5 0 0 0", "  AROT 0 0 0", "END",
                     "END_STATIONS", "", "BEGIN_SHIPS", "SA-02:ShuttleA", "  STATUS Docked Mars:Red:7",
                     "  FUEL 1", "END", "END_SHIPS"}));

    MiniInstallation mini;
    mini.folder = temp / relative;
    mini.configFolder = mini.folder + platform::nativeSeparators("/Config/");
    mini.scenarioFolder = mini.folder + platform::nativeSeparators("/Scenarios/");
    return mini;
}

std::string writeSettingsFile(const TempFolder& temp, const std::string& startRelative, const std::string& folder) {
    const std::string start = temp.makeFolder(startRelative);
    temp.write(startRelative + "/vantrel.cfg", folder + "\r\n");
    return start;
}

} // namespace vantrel::test
