// The work one edit does, counted rather than timed: showing, validating and moving a ship or a
// station must send the same number of list entries and tree nodes to the widgets in a scenario
// of 200 ships as in one of 20,000.

#include "support/GeneratedScenario.h"

#include "core/ui/TreeView.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace vantrel::test {
namespace {

// Stands for the desktop: it takes every change a control reports, as the widgets would get it.
struct SentCounter : ui::ControlObserver {
    std::set<ui::Control*> changed;
    void controlChanged(ui::Control& control) override { changed.insert(&control); }

    // Entries and nodes the widgets would be sent for the changes since the last call.
    std::map<std::string, size_t> take() {
        std::map<std::string, size_t> sent;
        for (ui::Control* c : changed) {
            if (auto* list = dynamic_cast<ui::ListControl*>(c)) {
                const ui::PendingChanges p = list->takeItemChanges();
                sent[c->name()] += p.all() ? size_t(list->listCount()) : p.entries().size();
            } else if (auto* tree = dynamic_cast<ui::TreeView*>(c)) {
                const ui::PendingChanges p = tree->takeNodeChanges();
                sent[c->name()] += p.all() ? size_t(tree->count()) : p.entries().size();
            }
        }
        changed.clear();
        return sent;
    }
};

struct Scenario : GeneratedScenario {
    SentCounter counter;

    Scenario(int stations, int ships) : GeneratedScenario(stations, ships) {
        // What the window shows after the read has been sent; from here on only edits count.
        for (ui::Control* c : main->controls()) {
            c->setObserver(&counter);
            counter.changed.insert(c);
        }
        counter.take();
    }

    // The first free landing pad after the given one, 0 when none.
    int freePad(int after = 0) {
        const ui::TreeView& t = main->shipTab.ShipLandingTree;
        for (int p = after + 1; p <= t.count(); ++p)
            if (t.node(p).image == 5 && t.node(p).children == 0)
                return p;
        return 0;
    }

    // Each edit a person makes, in turn; what each one sends.
    std::map<std::string, size_t> edits() {
        auto& tab = main->shipTab;
        std::map<std::string, size_t> all;
        auto record = [&](const std::string& what) {
            EXPECT_TRUE(scripted.dialogs.messages().empty()) << what;
            scripted.dialogs.clear();
            for (const auto& [control, n] : counter.take())
                all[what + " " + control] = n;
        };
        counter.take();
        for (int row : {1, 2, 3}) {
            tab.ShipName.userSelect(row);
            record("show ship " + std::to_string(row));
            tab.Command4.userClick();
            record("validate ship " + std::to_string(row));
        }
        main->stationTab.StationName.userSelect(1);
        record("show station");
        main->stationTab.Command1.userClick();
        record("validate station");
        // A landed ship moves to a free pad, and back.
        for (int row = 0; row < main->shipCount(); ++row)
            if (main->model.ships[size_t(row)].ShipStatusTable == "Landed") {
                tab.ShipName.userSelect(row);
                break;
            }
        counter.take();
        const int pad = freePad();
        tab.ShipLandingTree.userDoubleClick(pad);
        record("choose a pad");
        tab.Command4.userClick();
        record("validate the move");
        return all;
    }
};

TEST(EditCost, OneEditSendsTheSameAtTwoHundredAndTwentyThousandShips) {
    Scenario small(20, 200);
    Scenario huge(2000, 20000);
    // The first validation after a read may bring the lists in step with the table once.
    for (Scenario* s : {&small, &huge}) {
        s->main->shipTab.ShipName.userSelect(0);
        s->main->shipTab.Command4.userClick();
        s->main->stationTab.StationName.userSelect(0);
        s->main->stationTab.Command1.userClick();
        s->scripted.dialogs.clear();
    }
    const auto a = small.edits();
    const auto b = huge.edits();
    EXPECT_EQ(a, b);
    EXPECT_FALSE(a.empty());
}

} // namespace
} // namespace vantrel::test
