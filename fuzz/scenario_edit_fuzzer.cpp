// One validated edit on a generated scenario, on the sample installation: the bytes choose the
// ships (status, spelling of numbers, indentation, comments, line ends) and the edit (a fuel
// level, a coordinate, a rename, a deletion, the start hour). Saved, the file differs from the
// one read only in the lines that hold what the edit changed.

#include "FuzzSupport.h"
#include "core/app/ScenarioReader.h"
#include "core/app/ScenarioWriter.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

[[noreturn]] void fail(const std::string& why, const std::string& before, const std::string& after) {
    std::fprintf(stderr, "%s\n--- read\n%s\n--- saved\n%s\n", why.c_str(), before.c_str(), after.c_str());
    std::abort();
}

// The file's lines with their line ends.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

struct Generated {
    std::string text;
    std::vector<size_t> heads, ends, fuels, rposes; // line numbers, per ship
    size_t date = 0, focus = 0, target = 0;
    std::vector<std::string> names;
};

Generated generate(FuzzedDataProvider& in) {
    Generated g;
    const bool crlf = in.ConsumeBool();
    const std::string indent(in.ConsumeIntegralInRange<size_t>(0, 3), ' ');
    std::vector<std::string> lines;
    auto line = [&](std::string text) {
        lines.push_back(std::move(text));
        return lines.size() - 1;
    };
    const int ships = in.ConsumeIntegralInRange<int>(1, 5);
    for (int i = 0; i < ships; ++i)
        g.names.push_back("S" + std::to_string(i));
    line("BEGIN_ENVIRONMENT");
    line("  System Sol");
    g.date = line("  Date MJD 60310." + std::to_string(in.ConsumeIntegralInRange<int>(0, 999999)));
    line("END_ENVIRONMENT");
    line("");
    line("BEGIN_FOCUS");
    g.focus = line("  Ship " + g.names[0]);
    line("END_FOCUS");
    if (in.ConsumeBool()) {
        line("BEGIN_CAMERA");
        g.target = line("  TARGET " + g.names[0]);
        line("END_CAMERA");
    }
    line("BEGIN_SHIPS");
    const char* fuels[] = {"0.5", "0.50", "1.000", ".25", "1", "0"};
    const char* xs[] = {"7000000", "7000000.0", "7e6", "7000000.25"};
    for (int i = 0; i < ships; ++i) {
        g.heads.push_back(line(g.names[static_cast<size_t>(i)] + ":Skiff"));
        line(indent + "STATUS Orbiting Earth");
        g.rposes.push_back(line(indent + "RPOS " + in.PickValueInArray(xs) + " 0 " +
                                std::to_string(in.ConsumeIntegralInRange<int>(-1000, 1000))));
        line(indent + "RVEL 0 7546.05 0");
        if (in.ConsumeBool())
            line(indent + "; a comment");
        g.fuels.push_back(line(indent + "FUEL " + in.PickValueInArray(fuels) + (in.ConsumeBool() ? " ; tank" : "")));
        if (in.ConsumeBool())
            line(indent + "XPDR " + std::to_string(in.ConsumeIntegralInRange<int>(0, 99)) + "   ");
        g.ends.push_back(line("END"));
    }
    const size_t last = line("END_SHIPS");
    for (size_t i = 0; i < lines.size(); ++i)
        g.text += lines[i] + (i == last && in.ConsumeBool() ? "" : crlf ? "\r\n" : "\n");
    return g;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel;
    FuzzedDataProvider in(data, size);
    const Generated g = generate(in);
    auto& window = fuzz::sampleWindow();
    Vantrel& w = *window.main;
    fuzz::writeScratch("edit.scn", reinterpret_cast<const uint8_t*>(g.text.data()), g.text.size());
    w.state.ScnDir.setCaption(fuzz::scratchFolder() + "/");
    w.state.scnfile.setCaption("edit.scn");
    w.reader().TabSettings();

    const size_t ship = in.ConsumeIntegralInRange<size_t>(0, g.heads.size() - 1);
    w.shipTab.ShipName.userSelect(static_cast<int>(ship));
    std::set<size_t> allowed;
    std::vector<std::string> expected = linesOf(g.text);
    switch (in.ConsumeIntegralInRange<int>(0, 4)) {
    case 0:
        w.shipTab.ShipFuelSlider.userSetValue(in.ConsumeIntegralInRange<int>(0, 100));
        w.shipTab.Command4.userClick();
        allowed = {g.fuels[ship]};
        break;
    case 1:
        w.shipTab.ShipOrbitingRposX.userSetText(std::to_string(in.ConsumeIntegralInRange<int>(6950000, 7100000)));
        w.shipTab.Command4.userClick();
        allowed = {g.rposes[ship]};
        break;
    case 2:
        w.shipTab.ShipName.userSetText("R" + std::to_string(ship));
        w.shipTab.Command4.userClick();
        allowed = {g.heads[ship], g.focus};
        if (g.target)
            allowed.insert(g.target);
        break;
    case 3:
        if (g.heads.size() < 2)
            return 0;
        w.shipTab.Command6.userClick();
        // The block's own lines go, and the focus when it named the ship.
        expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(g.heads[ship]),
                       expected.begin() + static_cast<std::ptrdiff_t>(g.ends[ship]) + 1);
        allowed = {g.focus};
        if (g.target)
            allowed.insert(g.target);
        break;
    default:
        w.env.Hour.userSelect(in.ConsumeIntegralInRange<int>(0, 23));
        allowed = {g.date};
        break;
    }
    for (const auto& message : window.scripted.dialogs.messages())
        if (message.title.find("not accepted") != std::string::npos)
            fail("refused: " + message.text, g.text, "");

    const std::string saved = w.writer().scenarioText();
    const std::vector<std::string> after = linesOf(saved);
    if (after.size() != expected.size())
        fail("lines were added or lost", g.text, saved);
    // The allowed lines where they stand once a deleted block is gone.
    const size_t gone = expected.size() < linesOf(g.text).size() ? g.ends[ship] - g.heads[ship] + 1 : 0;
    std::set<size_t> moved;
    for (size_t i : allowed)
        moved.insert(gone && i > g.ends[ship] ? i - gone : i);
    for (size_t i = 0; i < after.size(); ++i)
        if (after[i] != expected[i] && !moved.count(i))
            fail("line " + std::to_string(i + 1) + " changed: " + expected[i], g.text, saved);
    return 0;
}
