// Adapters of the lists: drop-down lists, list boxes, and the drive, folder and file lists.

#include "binding/Adapters.h"

#include "binding/DisplayText.h"

#include "core/platform/FileSystem.h"
#include "core/ui/Controls.h"
#include "core/ui/FileControls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>

namespace vantrel::desktop {

namespace {

const int PathRole = Qt::UserRole + 2;

QStringList displayItems(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& item : items)
        list.append(toDisplay(item));
    return list;
}

void setComboItems(QComboBox& combo, const QStringList& items) {
    QStringList shown;
    for (int i = 0; i < combo.count(); ++i)
        shown.append(combo.itemText(i));
    if (shown == items)
        return;
    combo.clear();
    combo.addItems(items);
}

// The rows of a list and the chosen one.
void showRows(QListWidget& list, const QStringList& items, int index) {
    QStringList shown;
    for (int i = 0; i < list.count(); ++i)
        shown.append(list.item(i)->text());
    if (shown != items) {
        list.clear();
        list.addItems(items);
    }
    if (list.currentRow() != index)
        list.setCurrentRow(index);
}

// A person chooses a row of a list, or double-clicks it.
template <typename C>
void wireRows(QListWidget& list, QObject& receiver, const ControlAdapter::Act& act, C& control) {
    QObject::connect(&list, &QListWidget::currentRowChanged, &receiver, [act, &control](int row) {
        if (row >= 0)
            act([&control, row] { control.userSelect(row); });
    });
    QObject::connect(&list, &QListWidget::itemDoubleClicked, &receiver, [act, &control, &list](QListWidgetItem* item) {
        const int row = list.row(item);
        act([&control, row] { control.userDoubleClick(row); });
    });
}

// A folder the window refuses to open (one outside the scenario folders) leaves the list as it
// was; the highlight goes back to the folder still shown instead of staying on the refused one.
void highlightShownFolder(QListWidget& list, const ui::FolderList& folders) {
    const QString shown = QString::fromStdString(folders.path());
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->data(PathRole).toString() == shown) {
            if (list.currentRow() != row) {
                const QSignalBlocker blocker(&list);
                list.setCurrentRow(row);
            }
            return;
        }
}

} // namespace

// Sends the entries a list says changed, or every entry when it changed as a whole (or the
// widget has never shown it): a list of 20,000 ships is not sent again for one renamed ship.
template <typename Widget, typename SetText, typename SetAll>
void sendEntries(Widget& widget, ui::ListControl& list, bool& shown, SetText setText, SetAll setAll) {
    const ui::PendingChanges changes = list.takeItemChanges();
    if (changes.all() || !shown || widget.count() != list.listCount()) {
        setAll();
        shown = true;
        return;
    }
    for (int i : changes.entries())
        if (i >= 0 && i < list.listCount())
            setText(i, toDisplay(list.list(i)));
}

void ComboBoxAdapter::refresh() {
    QComboBox* combo = w();
    refreshWidget(*combo);
    auto& list = ctl();
    sendEntries(
        *combo, list, shown_, [combo](int i, const QString& text) { combo->setItemText(i, text); },
        [combo, &list] { setComboItems(*combo, displayItems(list.items())); });
    if (combo->currentIndex() != list.listIndex())
        combo->setCurrentIndex(list.listIndex());
    if (combo->isEditable()) {
        const QString text = toDisplay(list.text());
        if (combo->currentText() != text)
            combo->setEditText(text);
    }
}

void ComboBoxAdapter::wire(QObject& receiver, const Act& act, const Watch& watch) {
    QComboBox* combo = w();
    auto& list = ctl();
    QObject::connect(combo, &QComboBox::activated, &receiver,
                     [act, &list](int index) { act([&list, index] { list.userSelect(index); }); });
    if (QLineEdit* edit = combo->lineEdit()) {
        QObject::connect(edit, &QLineEdit::textEdited, &receiver, [act, &list](const QString& text) {
            std::string bytes = fromDisplay(text, list.text());
            act([&list, &bytes] { list.userSetText(std::move(bytes)); });
        });
        watch(edit);
    }
    watch(combo->view()->window());
    watch(combo);
}

void ComboBoxAdapter::keyPress(QObject*, int code, const Act& act) {
    auto& list = ctl();
    act([&list, code] { list.userKeyPress(code); });
}

void ComboBoxAdapter::shown(QObject* watched, const Act& act) {
    auto* popup = qobject_cast<QWidget*>(watched);
    if (watched == w() || !popup || !popup->isWindow())
        return;
    auto& list = ctl();
    act([&list] { list.userDropDown(); });
}

void ListBoxAdapter::refresh() {
    QListWidget* rows = w();
    refreshWidget(*rows);
    auto& list = ctl();
    sendEntries(
        *rows, list, shown_, [rows](int i, const QString& text) { rows->item(i)->setText(text); },
        [rows, &list] { showRows(*rows, displayItems(list.items()), list.listIndex()); });
    if (rows->currentRow() != list.listIndex())
        rows->setCurrentRow(list.listIndex());
}

void ListBoxAdapter::wire(QObject& receiver, const Act& act, const Watch& watch) {
    wireRows(*w(), receiver, act, ctl());
    watch(w());
}

void ListBoxAdapter::keyPress(QObject*, int code, const Act& act) {
    auto& list = ctl();
    act([&list, code] { list.userKeyPress(code); });
}

void DriveListAdapter::refresh() {
    QComboBox* combo = w();
    refreshWidget(*combo);
    auto& drives = ctl();
    setComboItems(*combo, displayItems(drives.drives()));
    combo->setCurrentIndex(combo->findText(toDisplay(drives.drive())));
}

void DriveListAdapter::wire(QObject& receiver, const Act& act, const Watch&) {
    auto& drives = ctl();
    QObject::connect(w(), &QComboBox::activated, &receiver, [act, &drives](int index) {
        if (index < 0 || index >= static_cast<int>(drives.drives().size()))
            return;
        const std::string drive = drives.drives()[static_cast<size_t>(index)];
        act([&drives, drive] { drives.userSetDrive(drive); });
    });
}

void FileListAdapter::refresh() {
    refreshWidget(*w());
    showRows(*w(), displayItems(ctl().names()), ctl().listIndex());
}

void FileListAdapter::wire(QObject& receiver, const Act& act, const Watch& watch) {
    wireRows(*w(), receiver, act, ctl());
    watch(w());
}

void FileListAdapter::keyPress(QObject*, int code, const Act& act) {
    auto& files = ctl();
    act([&files, code] { files.userKeyPress(code); });
}

void FolderListAdapter::refresh() {
    // The chain of folders down to the path, open, then the sub-folders, one step further in.
    QListWidget* list = w();
    refreshWidget(*list);
    auto& folders = ctl();
    const std::string& path = folders.path();
    std::vector<std::string> shown{path};
    shown.insert(shown.end(), folders.subFolders().begin(), folders.subFolders().end());
    if (shown == shownFolders_ && list->count() > 0)
        return;
    shownFolders_ = std::move(shown);
    list->clear();
    if (path.empty())
        return;
    const QIcon open = list->style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = list->style()->standardIcon(QStyle::SP_DirIcon);
    const QString indent = QStringLiteral("  ");
    int depth = 0;
    for (const auto& folder : folders.chain()) {
        auto* item = new QListWidgetItem(open, indent.repeated(depth) + toDisplay(folder.name), list);
        item->setData(PathRole, QString::fromStdString(folder.path));
        ++depth;
    }
    list->setCurrentRow(list->count() - 1);
    for (const auto& sub : folders.subFolders()) {
        auto* item = new QListWidgetItem(closed, indent.repeated(depth) + toDisplay(sub), list);
        item->setData(PathRole, QString::fromStdString(platform::withTrailingSeparator(path) + sub));
    }
}

void FolderListAdapter::open(const std::string& path, const Act& act) {
    auto& folders = ctl();
    act([&folders, path] { folders.userOpen(path); });
    highlightShownFolder(*w(), folders);
}

void FolderListAdapter::wire(QObject& receiver, const Act& act, const Watch& watch) {
    QListWidget* list = w();
    // Open and closed folder pictures come in different sizes; one size keeps the rows even.
    list->setIconSize(QSize(16, 16));
    auto& folders = ctl();
    QObject::connect(list, &QListWidget::itemClicked, &receiver,
                     [act, &folders] { act([&folders] { folders.userClick(); }); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, &receiver, [this, act](QListWidgetItem* item) {
        open(item->data(PathRole).toString().toStdString(), act);
    });
    watch(list);
}

void FolderListAdapter::keyPress(QObject*, int code, const Act& act) {
    // Enter opens the chosen folder, as a double-click does.
    if (code == ui::KeyEnter)
        if (QListWidgetItem* item = w()->currentItem())
            open(item->data(PathRole).toString().toStdString(), act);
    auto& folders = ctl();
    act([&folders, code] { folders.userKeyPress(code); });
}

} // namespace vantrel::desktop
