#pragma once

// What the fuzz targets share: a scratch folder for the bytes under test, and the main window
// started once on the bundled sample installation.

#include "core/ui/ScriptedServices.h"
#include "core/app/Vantrel.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace vantrel::fuzz {

// A folder of our own under the system's temporary folder, made on first use.
inline const std::string& scratchFolder() {
    static const std::string folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vantrel-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        return pattern;
    }();
    return folder;
}

// Writes the bytes to a file of the scratch folder and returns its path.
inline std::string writeScratch(const std::string& name, const uint8_t* data, size_t size) {
    const std::string path = scratchFolder() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

// The main window, started once on the sample installation without settings file or folder
// search. Message boxes are recorded and answered with their first button.
struct SampleWindow {
    ui::ScriptedServices scripted;
    std::unique_ptr<Vantrel> main;

    SampleWindow() {
        Vantrel::Options options;
        options.startFolder = scratchFolder();
        options.orbiterFolder = VANTREL_SAMPLE_DIR;
        main = std::make_unique<Vantrel>(scripted.services(), options);
        main->load();
    }
};

inline SampleWindow& sampleWindow() {
    static SampleWindow window;
    window.scripted.dialogs.clear();
    return window;
}

} // namespace vantrel::fuzz
