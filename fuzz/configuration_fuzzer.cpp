// The configuration readers: a key lookup, a planetary system file with the bases of its
// bodies, all on the sample installation with the fuzzed bytes as the file read.

#include "FuzzSupport.h"
#include "core/ui/CatalogueLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel;
    auto& window = fuzz::sampleWindow();
    CatalogueLoader& cat = window.main->catalogueLoader();
    const std::string path = fuzz::writeScratch("fuzz.cfg", data, size);
    for (const char* key : {"Mass", "Size", "SidRotPeriod", "AtmAltLimit", "Date", "Ship", "System"})
        cat.GetData(path, key);
    cat.ExtractPlanet(path);
    cat.BaseUpDate();
    return 0;
}
