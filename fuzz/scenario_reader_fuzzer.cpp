// The scenario reader, on the sample installation: any bytes as a scenario file, read and
// written back.

#include "FuzzSupport.h"
#include "core/app/ScenarioReader.h"
#include "core/app/ScenarioWriter.h"
#include "core/scenario/ScenarioFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel;
    auto& window = fuzz::sampleWindow();
    fuzz::writeScratch("fuzz.scn", data, size);
    window.main->state.ScnDir.setCaption(fuzz::scratchFolder() + "/");
    window.main->state.scnfile.setCaption("fuzz.scn");
    window.main->reader().TabSettings();
    // What was read is written back: the sections kept as read and the ships' own lines.
    window.main->writer().scenarioText();
    // And the document alone, without a window.
    writeScenario(readScenario(std::string(reinterpret_cast<const char*>(data), size), "fuzz.scn").scenario);
    return 0;
}
