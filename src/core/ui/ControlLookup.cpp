#include "core/ui/ControlLookup.h"

namespace vantrel::ui {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The segments of a path between its "/" separators, as readCaption reads them.
std::vector<std::string> pathSegments(std::string_view path) {
    std::vector<std::string> segments;
    size_t start = 0;
    while (true) {
        const size_t slash = path.find('/', start);
        segments.push_back(readCaption(path.substr(start, slash == std::string_view::npos ? path.npos : slash - start)));
        if (slash == std::string_view::npos)
            return segments;
        start = slash + 1;
    }
}

// The first node under `parent` that leads to the rest of the path, depth first.
int findBelow(const TreeView& tree, int parent, const std::vector<std::string>& segments, size_t depth) {
    // Children always come after their parent, so the search starts there.
    for (int p = parent + 1; p <= tree.count(); ++p) {
        const TreeView::Node& node = tree.node(p);
        if (node.parent != parent || readCaption(node.text) != segments[depth])
            continue;
        if (depth + 1 == segments.size())
            return p;
        if (const int found = findBelow(tree, p, segments, depth + 1))
            return found;
    }
    return 0;
}

} // namespace

std::string readCaption(std::string_view caption) {
    std::string read;
    read.reserve(caption.size());
    bool pendingBlank = false;
    for (char c : caption) {
        if (isBlank(c)) {
            pendingBlank = !read.empty();
            continue;
        }
        if (pendingBlank)
            read += ' ';
        pendingBlank = false;
        read += c;
    }
    return read;
}

int nodeAtPath(const TreeView& tree, std::string_view path) {
    const std::vector<std::string> segments = pathSegments(path);
    for (const std::string& segment : segments)
        if (segment.empty())
            return 0;
    return findBelow(tree, 0, segments, 0);
}

std::vector<std::vector<Control*>> tabControls(MainWindowParts& main) {
    return {main.env.all(), main.stationTab.all(), main.shipTab.all()};
}

TabControlPlace tabControl(MainWindowParts& main, const std::string& name) {
    const std::vector<std::vector<Control*>> tabs = tabControls(main);
    for (size_t tab = 0; tab < tabs.size(); ++tab)
        for (Control* control : tabs[tab])
            if (control->name() == name)
                return {control, static_cast<int>(tab)};
    return {};
}

bool reachable(MainWindowParts& main, const Control& control) {
    if (!main.enabled() || !main.state.SSTab1.visible() || !control.visible() || !control.enabled())
        return false;
    // The ship tab declares each status frame just before the controls it holds, the orbiting
    // frame last, so the frame of a control is the last of them declared before it.
    ShipTab& ship = main.shipTab;
    const Frame* frame = nullptr;
    for (Control* c : ship.all()) {
        if (c == &ship.Landed || c == &ship.Docked || c == &ship.Orbiting)
            frame = static_cast<const Frame*>(c);
        if (c == &control)
            return frame == nullptr || frame->visible();
    }
    return true;
}

} // namespace vantrel::ui
