// The scenario reader, on the sample installation: any bytes as a scenario file, read, shown and
// written back. Bytes the reader accepts come back unchanged, through the main window and as a
// document alone.

#include "FuzzSupport.h"
#include "core/app/ScenarioReader.h"
#include "core/app/ScenarioWriter.h"
#include "core/scenario/ScenarioFile.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    auto& window = fuzz::sampleWindow();
    fuzz::writeScratch("fuzz.scn", data, size);
    window.main->state.ScnDir.setCaption(fuzz::scratchFolder() + "/");
    window.main->state.scnfile.setCaption("fuzz.scn");
    window.main->reader().TabSettings();
    const std::string shown = window.main->writer().scenarioText();
    const std::string alone = writeScenario(readScenario(bytes, "fuzz.scn").scenario);
    if (scenarioRefusal(bytes, "fuzz.scn"))
        return 0;
    if (shown != bytes || alone != bytes) {
        std::fprintf(stderr, "an untouched save changed the file (%s)\n", shown != bytes ? "window" : "document");
        std::abort();
    }
    return 0;
}
