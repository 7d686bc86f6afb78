// The scenario reader, on the sample installation: any bytes as a scenario file.

#include "FuzzSupport.h"
#include "core/document/ScenarioReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel;
    auto& window = fuzz::sampleWindow();
    fuzz::writeScratch("fuzz.scn", data, size);
    window.main->state.ScnDir.setCaption(fuzz::scratchFolder() + "/");
    window.main->state.scnfile.setCaption("fuzz.scn");
    window.main->reader().TabSettings();
    return 0;
}
