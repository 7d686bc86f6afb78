#include "core/ui/ControlLookup.h"

#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

// Two bases of the same name under Earth, only the second with a pad 2, as a catalogue with a
// base listed twice gives them.
struct LandingTree : testing::Test {
    TreeView tree{"ShipLandingTree"};
    int earth = tree.add(0, "Earth", 1);
    int moon = tree.add(0, " Moon ", 1);
    int first = tree.add(earth, "Harbor  Point", 2);
    int firstPad = tree.add(first, "Landing pad  1", 3);
    int second = tree.add(earth, "Harbor Point", 2);
    int secondPad1 = tree.add(second, "Landing pad  1", 3);
    int secondPad2 = tree.add(second, "Landing pad  2", 3);
    int crater = tree.add(moon, "Brighton\tBeach", 2);
};

TEST_F(LandingTree, PathsLeadToTheFirstNodeThatHasTheWholePath) {
    const std::vector<std::pair<const char*, int>> cases{
        {"Earth", earth},
        {"Moon", moon},
        {"Earth/Harbor Point", first},
        {"Earth/Harbor Point/Landing pad 1", firstPad},
        {" Earth / Harbor   Point /Landing pad\t2", secondPad2},
        {"Moon/Brighton Beach", crater},
        {"Earth/Harbor Point/Landing pad 3", 0},
        {"Harbor Point", 0},
        {"Earth//Harbor Point", 0},
        {"", 0},
        {"Earth/", 0},
        {"earth", 0},
    };
    for (const auto& [path, node] : cases)
        EXPECT_EQ(node, nodeAtPath(tree, path)) << path;
    EXPECT_NE(secondPad1, nodeAtPath(tree, "Earth/Harbor Point/Landing pad 1"));
}

} // namespace
} // namespace vantrel::ui
