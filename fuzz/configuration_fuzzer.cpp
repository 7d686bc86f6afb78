// The configuration readers: a key lookup, a planetary system file with the bases of its
// bodies, all on the sample installation with the fuzzed bytes as the file read; then the same
// bytes as a body file and as a base file of today's layout (the body's own Base folder), and as
// the system file and a body file of the typed bodies.

#include "FuzzSupport.h"
#include "core/catalogue/Bodies.h"
#include "core/catalogue/Catalogue.h"
#include "core/platform/TextFile.h"
#include "core/app/CatalogueLoader.h"

#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel;
    auto& window = fuzz::sampleWindow();
    CatalogueLoader& cat = window.main->catalogueLoader();
    const std::string path = fuzz::writeScratch("fuzz.cfg", data, size);
    for (const char* key : {"Mass", "Size", "SidRotPeriod", "AtmAltLimit", "Date", "Ship", "System"})
        cat.GetData(path, key);
    cat.ExtractPlanet(path);
    cat.BaseUpDate();

    const std::string folder = fuzz::scratchFolder() + "/";
    fuzz::writeScratch("Fuzz.cfg", data, size);
    std::filesystem::create_directories(folder + "Fuzz/Base");
    fuzz::writeScratch("Fuzz/Base/base.cfg", data, size);
    UnreadableFiles unreadable;
    readBases(folder, {"Fuzz"}, unreadable);
    for (const Body& body : readSystemBodies(folder, folder + "Fuzz.cfg").bodies)
        (void)body.equatorAt(60000.5);
    if (const auto lines = platform::readLines(folder + "Fuzz.cfg")) {
        std::vector<std::string> problems;
        (void)bodyFromLines(*lines, "Fuzz.cfg", problems).equatorAt(51544.5);
    }
    return 0;
}
