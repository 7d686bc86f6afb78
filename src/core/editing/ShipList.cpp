#include "core/editing/ShipList.h"

#include "core/editing/VesselName.h"

#include "core/platform/GccWarnings.h"
#include "core/editing/SelectionTrees.h"
#include "core/editing/ShipDisplay.h"
#include "core/editing/ShipEditor.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/ui/MainWindowParts.h"


namespace vantrel {

ShipList::ShipList(MainWindowParts& main, ShipDisplay& shipDisplay, ShipEditor& shipEditor, SelectionTrees& trees)
    : w_(main), shipDisplay_(shipDisplay), shipEditor_(shipEditor), trees_(trees) {
    w_.shipTab.Command5.onClick = [this] { Command5_Click(); };
    w_.shipTab.Command6.onClick = [this] { Command6_Click(); };
    w_.env.Command7.onClick = [this] { Command7_Click(); };
}

void ShipList::Command5_Click() {
    auto& names = w_.shipTab.ShipName;
    const int n = w_.shipCount();
    // Row n is the new ship, row n + 1 the spare row. After a deletion row n still holds the
    // ship that was last, its extra lines included; the new ship starts from an empty row so
    // that nothing of that ship is shown or saved again under the new one.
    w_.model.ShipTableRedimPreserve(n + 1);
    w_.model.ships[static_cast<size_t>(n)] = ShipRow{};
    names.addItem("New Ship");
    names.setListIndex(n);
    shipDisplay_.ShipParameterDisplay();
}

void ShipList::Command6_Click() {
    auto& tab = w_.shipTab;
    auto& dialogs = w_.services.dialogs;
    const int n = w_.shipCount();

    // With several ships the row shown is removed; a label naming no row removes nothing.
    const double shown = leadingNumberValue(tab.ShipIndex.caption());
    const int r = shown >= 0 && shown < n ? static_cast<int>(roundHalfEven(shown)) : -1;
    if (n >= 2 && (r < 0 || r >= n || !w_.model.validShip(r)))
        return;

    // A today's vessel carrying others: the question names them, since their attachment goes.
    const bool carries = w_.model.format == FileFormat::Today && r >= 0 && w_.model.validShip(r);
    const std::string& name = carries ? w_.model.ships[static_cast<size_t>(r)].ShipNameTable : std::string();
    const std::vector<std::string> children = carries ? attachedChildren(w_.model, n, name) : std::vector<std::string>();
    const std::vector<std::string> docked = carries ? dockedFollowers(w_.model, n, name) : std::vector<std::string>();
    if (dialogs.msgBox(children.empty() && docked.empty() ? std::string("Are you sure you want to delete the ship ?")
                                                          : detachQuestion(name, children, docked),
                       ui::MsgYesNoQuestion, "Deleting confirmation") != ui::AnswerYes)
        return;

    if (n == 0) {
        shipDisplay_.ShipTabReset();
    } else if (n == 1) {
        dialogs.msgBox("You may not delete this ship : the scenario must keep at least one ship !",
                       ui::MsgInformation, "Warning");
    } else {
        auto& rows = w_.model.ships;
        // The ship where reading stopped holds the ships after it as read: they go to a neighbour.
        const int keeper = r > 0 ? r - 1 : r + 1;
        if (keeper < n && keeper < static_cast<int>(rows.size()))
            passLinesNotTaken(rows[static_cast<size_t>(r)].ShipLinesNotTaken,
                              rows[static_cast<size_t>(keeper)].ShipLinesNotTaken);
        for (int k = r; k <= n - 2 && k + 1 < static_cast<int>(rows.size()); ++k) {
            ShipRow& row = rows[static_cast<size_t>(k)];
            row = rows[static_cast<size_t>(k + 1)];
            if (leadingNumberValue(row.ShipFuelTable) == 0) {
                VANTREL_STRING_COPY_WARNING_OFF
                row.ShipFuelTable = "0";
                VANTREL_STRING_COPY_WARNING_ON
            }
        }
        w_.model.ShipTableRedimPreserve(n - 1);
        tab.ShipName.removeItem(r);
        if (r > 0)
            tab.ShipIndex.setCaption(displayForm(r - 1));
        tab.ShipName.setListIndex(static_cast<int>(leadingNumberValue(tab.ShipIndex.caption())));
    }

    const int m = w_.shipCount();
    if (m == 0) {
        dialogs.msgBox("You have deleted all the ships : the ship focus is also deleted. Do not save "
                       "this scenario until a new ship is created !",
                       ui::MsgExclamation, "Warning");
        w_.env.PossibleShipFocus.clear();
        w_.env.ShipFocus.setCaption("");
    } else {
        // A name typed but not validated is dropped here: the lists come from the table.
        shipEditor_.rebuildShipLists(m);
        tab.ShipName.setListIndex(static_cast<int>(leadingNumberValue(tab.ShipIndex.caption())));
        shipEditor_.ShipFocusCheck();
    }

    trees_.StationDockTreeUpdate();
    trees_.BasePadTreeUpdate();
}

void ShipList::Command7_Click() {
    const std::string t = trim(w_.env.PossibleShipFocus.text());
    w_.env.ShipFocus.setCaption(t.substr(0, t.find(':')));
}

} // namespace vantrel
