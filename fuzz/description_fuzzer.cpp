// The description block of a scenario file or of a folder's "description.txt".

#include "FuzzSupport.h"
#include "core/files/Description.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel;
    const std::string path = fuzz::writeScratch("description.txt", data, size);
    const std::string text = GetDescription(path);
    if (text.size() > 2 * size) // each line gains at most a CR LF
        std::abort();
    // The folder window writes a description it read as a block that reads back the same: the
    // text holds no end marker, since reading stopped at the first one.
    if (!text.empty()) {
        const std::string block = descriptionBlock(text);
        fuzz::writeScratch("description.txt", reinterpret_cast<const uint8_t*>(block.data()), block.size());
        if (GetDescription(path) != text)
            std::abort();
    }
    return 0;
}
