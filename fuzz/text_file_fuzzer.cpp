// Line and comma-field splitting: every configuration and scenario file goes through these.

#include "core/platform/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel::platform;
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t kept = 0;
    for (const std::string& line : splitLines(text)) {
        // A line never holds a line end, and no byte other than line ends is lost.
        if (line.find_first_of("\r\n") != std::string::npos)
            std::abort();
        kept += line.size();
        for (const std::string& field : commaFields(line))
            if (field.size() > line.size())
                std::abort();
    }
    size_t ends = 0;
    for (char c : text)
        ends += c == '\r' || c == '\n';
    if (kept + ends != text.size())
        std::abort();
    return 0;
}
