// Today's vessel blocks: any bytes give vessels in file order whose facts point into their own
// blocks.

#include "core/platform/TextFile.h"
#include "core/vessels/VesselReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel::vessels;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto lines = vantrel::platform::lineViews(text);
    const VesselList list = readVessels(text, {"Sun", "Earth", "Moon"});
    size_t previousEnd = 0;
    for (size_t i = 0; i < list.vessels.size(); ++i) {
        const Vessel& v = list.vessels[i];
        const size_t last = v.endLine == NoLine ? lines.size() : v.endLine;
        if (v.headLine >= lines.size() || last > lines.size() || (i > 0 && v.headLine <= previousEnd))
            std::abort();
        previousEnd = last;
        const auto inBlock = [&](size_t line) {
            return line == NoLine || (line > v.headLine && line < last);
        };
        if (!inBlock(v.status.line) || !inBlock(v.placement.line) || !inBlock(v.tanks.line))
            std::abort();
        for (const DockToken& token : v.docking)
            if (!inBlock(token.line) || token.offset >= lines[token.line].size())
                std::abort();
        // Only a vessel earlier in the list places a docked group.
        if (v.placement.kind == PlacementKind::Docked && !v.placement.placedBy.empty()) {
            bool earlier = false;
            for (size_t j = 0; j < i; ++j)
                earlier = earlier || list.vessels[j].name == v.placement.placedBy;
            if (!earlier)
                std::abort();
        }
    }
    return 0;
}
