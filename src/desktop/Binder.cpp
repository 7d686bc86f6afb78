#include "Binder.h"

#include "DisplayText.h"

#include "core/platform/FileSystem.h"
#include "core/ui/Controls.h"
#include "core/ui/FileControls.h"
#include "core/ui/TreeView.h"
#include "core/ui/Window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <array>

namespace vantrel::desktop {

namespace {

enum class Kind {
    Label,
    Image,
    Button,
    MenuItem,
    Frame,
    LineEdit,
    PlainTextEdit,
    ComboBox,
    ListBox,
    CheckBox,
    OptionButton,
    Slider,
    Calendar,
    Tabs,
    Tree,
    DriveList,
    FolderList,
    FileList,
};

// The widget kinds a control may be bound to, most specific control class first.
std::vector<Kind> candidateKinds(ui::Control& c) {
    if (dynamic_cast<ui::MenuItem*>(&c))
        return {Kind::MenuItem};
    if (dynamic_cast<ui::Button*>(&c))
        return {Kind::Button};
    if (dynamic_cast<ui::Image*>(&c))
        return {Kind::Image};
    if (dynamic_cast<ui::Label*>(&c))
        return {Kind::Label};
    if (dynamic_cast<ui::Frame*>(&c))
        return {Kind::Frame};
    if (dynamic_cast<ui::TextField*>(&c))
        return {Kind::LineEdit, Kind::PlainTextEdit};
    if (dynamic_cast<ui::ComboBox*>(&c))
        return {Kind::ComboBox};
    if (dynamic_cast<ui::ListBox*>(&c))
        return {Kind::ListBox};
    if (dynamic_cast<ui::CheckBox*>(&c))
        return {Kind::CheckBox};
    if (dynamic_cast<ui::OptionButton*>(&c))
        return {Kind::OptionButton};
    if (dynamic_cast<ui::Slider*>(&c))
        return {Kind::Slider};
    if (dynamic_cast<ui::MonthCalendar*>(&c))
        return {Kind::Calendar};
    if (dynamic_cast<ui::TabControl*>(&c))
        return {Kind::Tabs};
    if (dynamic_cast<ui::TreeView*>(&c))
        return {Kind::Tree};
    if (dynamic_cast<ui::DriveList*>(&c))
        return {Kind::DriveList};
    if (dynamic_cast<ui::FolderList*>(&c))
        return {Kind::FolderList};
    if (dynamic_cast<ui::FileList*>(&c))
        return {Kind::FileList};
    return {};
}

bool fits(Kind kind, QObject* o) {
    switch (kind) {
    case Kind::Label:
    case Kind::Image:
        return qobject_cast<QLabel*>(o);
    case Kind::Button:
        return qobject_cast<QAbstractButton*>(o);
    case Kind::MenuItem:
        return qobject_cast<QAction*>(o);
    case Kind::Frame:
        return qobject_cast<QGroupBox*>(o);
    case Kind::LineEdit:
        return qobject_cast<QLineEdit*>(o);
    case Kind::PlainTextEdit:
        return qobject_cast<QPlainTextEdit*>(o);
    case Kind::ComboBox:
    case Kind::DriveList:
        return qobject_cast<QComboBox*>(o);
    case Kind::ListBox:
    case Kind::FolderList:
    case Kind::FileList:
        return qobject_cast<QListWidget*>(o);
    case Kind::CheckBox:
        return qobject_cast<QCheckBox*>(o);
    case Kind::OptionButton:
        return qobject_cast<QRadioButton*>(o);
    case Kind::Slider:
        return qobject_cast<QAbstractSlider*>(o);
    case Kind::Calendar:
        return qobject_cast<QCalendarWidget*>(o);
    case Kind::Tabs:
        return qobject_cast<QTabWidget*>(o);
    case Kind::Tree:
        return qobject_cast<QTreeWidget*>(o);
    }
    return false;
}

// The key code a key press stands for: the character code, 13 for Enter; 0 for keys that type
// nothing (arrows, function keys), which are not reported.
int keyCodeOf(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ui::KeyEnter;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    const QString text = e.text();
    if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() != 127) {
        const std::string bytes = fromDisplay(text, "\x80");
        if (bytes.size() == 1)
            return static_cast<unsigned char>(bytes[0]);
    }
    return 0;
}

// Days since 1899-12-30, the calendar's count.
const QDate dayZero(1899, 12, 30);

const int PositionRole = Qt::UserRole + 1;
const int PathRole = Qt::UserRole + 2;

QStringList displayItems(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& item : items)
        list.append(toDisplay(item));
    return list;
}

QStringList comboItems(const QComboBox& combo) {
    QStringList list;
    for (int i = 0; i < combo.count(); ++i)
        list.append(combo.itemText(i));
    return list;
}

QStringList listItems(const QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items.append(list.item(i)->text());
    return items;
}

void setComboItems(QComboBox& combo, const QStringList& items) {
    if (comboItems(combo) == items)
        return;
    combo.clear();
    combo.addItems(items);
}

void setListItems(QListWidget& list, const QStringList& items) {
    if (listItems(list) == items)
        return;
    list.clear();
    list.addItems(items);
}

bool sameNode(const ui::TreeView::Node& a, const ui::TreeView::Node& b) {
    return a.text == b.text && a.image == b.image && a.parent == b.parent;
}

} // namespace

struct Binder::Binding {
    ui::Control* control = nullptr;
    QPointer<QObject> widget;
    Kind kind = Kind::Label;
    bool dirty = false;
    // Trees: the nodes on screen and their items, so adding nodes adds items only.
    std::vector<ui::TreeView::Node> shownNodes;
    std::vector<QTreeWidgetItem*> items;
    // Folder lists: the path and sub-folders on screen.
    std::vector<std::string> shownFolders;
};

Binder::Binder(ui::Window& window, QWidget* root, QObject* parent)
    : QObject(parent), window_(window), root_(root) {
    if (root)
        root->setWindowTitle(toDisplay(window.caption()));
    for (ui::Control* control : window.controls()) {
        QObject* found = nullptr;
        Kind kind = Kind::Label;
        const QString name = QString::fromStdString(control->name());
        const auto kinds = candidateKinds(*control);
        if (root) {
            QList<QObject*> named = root->findChildren<QObject*>(name);
            for (Kind k : kinds) {
                for (QObject* o : named)
                    if (fits(k, o)) {
                        found = o;
                        kind = k;
                        break;
                    }
                if (found)
                    break;
            }
        }
        if (!found) {
            missing_.push_back(control->name());
            continue;
        }
        auto binding = std::make_unique<Binding>();
        binding->control = control;
        binding->widget = found;
        binding->kind = kind;
        Binding& b = *binding;
        byControl_[control] = &b;
        byWidget_[found] = &b;
        bindings_.push_back(std::move(binding));
        control->setObserver(this);
        connectUser(b);
        refresh(b);
    }
}

Binder::~Binder() {
    for (const auto& b : bindings_)
        if (b->control->observer() == this)
            b->control->setObserver(nullptr);
}

QObject* Binder::widgetOf(const std::string& controlName) const {
    for (const auto& b : bindings_)
        if (b->control->name() == controlName)
            return b->widget;
    return nullptr;
}

QIcon Binder::treeIcon(int image) {
    static std::array<QIcon, 8> icons;
    if (image < 1 || image > 7)
        return {};
    QIcon& icon = icons[static_cast<size_t>(image)];
    if (icon.isNull())
        icon = QIcon(QStringLiteral(":/pictures/tree%1.png").arg(image));
    return icon;
}

QString Binder::picturePath(const std::string& picture) {
    return QStringLiteral(":/pictures/%1.png").arg(QString::fromStdString(picture));
}

void Binder::controlChanged(ui::Control& control) {
    auto it = byControl_.find(&control);
    if (it != byControl_.end())
        markDirty(*it->second);
}

void Binder::markDirty(Binding& binding) {
    binding.dirty = true;
    if (flushQueued_ || userDepth_ > 0)
        return;
    flushQueued_ = true;
    QTimer::singleShot(0, this, [this] { flush(); });
}

void Binder::flush() {
    flushQueued_ = false;
    bool any = false;
    for (const auto& b : bindings_)
        if (b->dirty) {
            b->dirty = false;
            refresh(*b);
            any = true;
        }
    if (any)
        emit refreshed();
}

void Binder::userAction(Binding& binding, const std::function<void()>& action) {
    ++userDepth_;
    action();
    --userDepth_;
    // Whatever the handler did (or refused), the widget shows the control's state again.
    binding.dirty = true;
    if (userDepth_ == 0)
        flush();
}

void Binder::refresh(Binding& b) {
    QObject* object = b.widget;
    if (!object)
        return;
    ui::Control& c = *b.control;
    const QSignalBlocker blocker(object);

    if (auto* action = qobject_cast<QAction*>(object)) {
        auto& item = static_cast<ui::MenuItem&>(c);
        if (item.isSeparator())
            action->setSeparator(true);
        else
            action->setText(toDisplay(item.caption()));
        action->setVisible(c.visible());
        action->setEnabled(c.enabled());
        if (!c.toolTip().empty())
            action->setToolTip(toDisplay(c.toolTip()));
        return;
    }

    auto* widget = qobject_cast<QWidget*>(object);
    if (widget->isHidden() == c.visible())
        widget->setVisible(c.visible());
    widget->setEnabled(c.enabled());
    widget->setToolTip(toDisplay(c.toolTip()));

    switch (b.kind) {
    case Kind::Label:
        static_cast<QLabel*>(widget)->setText(toDisplay(static_cast<ui::Label&>(c).caption()));
        break;
    case Kind::Image: {
        auto* label = static_cast<QLabel*>(widget);
        if (!label->pixmap().isNull())
            break;
        QPixmap picture(picturePath(static_cast<ui::Image&>(c).picture()));
        if (!picture.isNull())
            label->setPixmap(picture);
        break;
    }
    case Kind::Button:
        static_cast<QAbstractButton*>(widget)->setText(toDisplay(static_cast<ui::Button&>(c).caption()));
        break;
    case Kind::MenuItem:
        break;
    case Kind::Frame:
        static_cast<QGroupBox*>(widget)->setTitle(toDisplay(static_cast<ui::Frame&>(c).caption()));
        break;
    case Kind::LineEdit: {
        auto* edit = static_cast<QLineEdit*>(widget);
        const QString text = toDisplay(static_cast<ui::TextField&>(c).text());
        if (edit->text() != text)
            edit->setText(text);
        break;
    }
    case Kind::PlainTextEdit: {
        auto* edit = static_cast<QPlainTextEdit*>(widget);
        const QString text = toDisplayLines(static_cast<ui::TextField&>(c).text());
        if (edit->toPlainText() != text)
            edit->setPlainText(text);
        break;
    }
    case Kind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(widget);
        auto& list = static_cast<ui::ListControl&>(c);
        setComboItems(*combo, displayItems(list.items()));
        if (combo->currentIndex() != list.listIndex())
            combo->setCurrentIndex(list.listIndex());
        if (combo->isEditable()) {
            const QString text = toDisplay(list.text());
            if (combo->currentText() != text)
                combo->setEditText(text);
        }
        break;
    }
    case Kind::ListBox: {
        auto* listWidget = static_cast<QListWidget*>(widget);
        auto& list = static_cast<ui::ListControl&>(c);
        setListItems(*listWidget, displayItems(list.items()));
        if (listWidget->currentRow() != list.listIndex())
            listWidget->setCurrentRow(list.listIndex());
        break;
    }
    case Kind::CheckBox: {
        auto* box = static_cast<QCheckBox*>(widget);
        auto& check = static_cast<ui::CheckBox&>(c);
        box->setText(toDisplay(check.caption()));
        box->setChecked(check.value() != 0);
        break;
    }
    case Kind::OptionButton: {
        auto* radio = static_cast<QRadioButton*>(widget);
        auto& option = static_cast<ui::OptionButton&>(c);
        radio->setText(toDisplay(option.caption()));
        radio->setChecked(option.value());
        break;
    }
    case Kind::Slider: {
        auto* slider = static_cast<QAbstractSlider*>(widget);
        auto& s = static_cast<ui::Slider&>(c);
        slider->setRange(s.min(), s.max());
        slider->setValue(s.value());
        break;
    }
    case Kind::Calendar: {
        auto* calendar = static_cast<QCalendarWidget*>(widget);
        const auto& date = static_cast<ui::MonthCalendar&>(c).date();
        if (date) {
            const QDate day = dayZero.addDays(*date);
            calendar->setSelectedDate(day);
            calendar->setCurrentPage(day.year(), day.month());
            calendar->setPalette(QPalette());
        } else {
            // No date: the selection is drawn like any other day, so nothing looks chosen.
            QPalette neutral = QApplication::palette(calendar);
            neutral.setColor(QPalette::Highlight, neutral.color(QPalette::Base));
            neutral.setColor(QPalette::HighlightedText, neutral.color(QPalette::Text));
            calendar->setPalette(neutral);
        }
        break;
    }
    case Kind::Tabs: {
        auto* tabs = static_cast<QTabWidget*>(widget);
        auto& t = static_cast<ui::TabControl&>(c);
        for (int i = 0; i < tabs->count() && i < static_cast<int>(t.tabs().size()); ++i)
            tabs->setTabText(i, toDisplay(t.tabs()[static_cast<size_t>(i)]));
        tabs->setCurrentIndex(t.currentTab());
        break;
    }
    case Kind::Tree: {
        auto* tree = static_cast<QTreeWidget*>(widget);
        auto& t = static_cast<ui::TreeView&>(c);
        const auto& nodes = t.nodes();
        size_t same = 0;
        while (same < nodes.size() && same < b.shownNodes.size() && sameNode(nodes[same], b.shownNodes[same]))
            ++same;
        tree->setUpdatesEnabled(false);
        if (same < b.shownNodes.size()) {
            tree->clear();
            b.items.clear();
            b.shownNodes.clear();
            same = 0;
        }
        QList<QTreeWidgetItem*> topLevel;
        for (size_t i = same; i < nodes.size(); ++i) {
            const auto& node = nodes[i];
            auto* item = new QTreeWidgetItem(QStringList{toDisplay(node.text)});
            item->setIcon(0, treeIcon(node.image));
            item->setData(0, PositionRole, static_cast<int>(i + 1));
            if (node.parent >= 1 && static_cast<size_t>(node.parent) <= b.items.size())
                b.items[static_cast<size_t>(node.parent - 1)]->addChild(item);
            else
                topLevel.append(item);
            b.items.push_back(item);
        }
        tree->addTopLevelItems(topLevel);
        for (size_t i = 0; i < nodes.size(); ++i)
            if (nodes[i].expanded && !b.items[i]->isExpanded())
                b.items[i]->setExpanded(true);
        b.shownNodes = nodes;
        if (t.selected() >= 1 && static_cast<size_t>(t.selected()) <= b.items.size())
            tree->setCurrentItem(b.items[static_cast<size_t>(t.selected() - 1)]);
        else
            tree->setCurrentItem(nullptr);
        tree->setUpdatesEnabled(true);
        break;
    }
    case Kind::DriveList: {
        auto* combo = static_cast<QComboBox*>(widget);
        auto& drives = static_cast<ui::DriveList&>(c);
        setComboItems(*combo, displayItems(drives.drives()));
        combo->setCurrentIndex(combo->findText(toDisplay(drives.drive())));
        break;
    }
    case Kind::FolderList: {
        // The chain of folders down to the path, open, then the sub-folders, one step further in.
        auto* list = static_cast<QListWidget*>(widget);
        auto& folders = static_cast<ui::FolderList&>(c);
        const std::string& path = folders.path();
        // Rebuilt only when the folder or its sub-folders differ: a click must not replace the
        // item under the pointer, or the double-click that follows would be lost.
        std::vector<std::string> shown{path};
        shown.insert(shown.end(), folders.subFolders().begin(), folders.subFolders().end());
        if (shown == b.shownFolders && list->count() > 0)
            break;
        b.shownFolders = std::move(shown);
        list->clear();
        if (path.empty())
            break;
        std::vector<std::string> chain;
        for (std::string p = path;;) {
            chain.insert(chain.begin(), p);
            const std::string up = platform::parentFolder(p);
            if (up == p || up.empty())
                break;
            p = up;
        }
        const QIcon open = list->style()->standardIcon(QStyle::SP_DirOpenIcon);
        const QIcon closed = list->style()->standardIcon(QStyle::SP_DirIcon);
        const QString indent = QStringLiteral("  ");
        int depth = 0;
        for (const auto& p : chain) {
            std::string name = p;
            if (depth > 0) {
                const auto cut = p.find_last_of(platform::separatorText());
                name = cut == std::string::npos ? p : p.substr(cut + 1);
            }
            auto* item = new QListWidgetItem(open, indent.repeated(depth) + toDisplay(name), list);
            item->setData(PathRole, QString::fromStdString(p));
            ++depth;
        }
        list->setCurrentRow(list->count() - 1);
        for (const auto& sub : folders.subFolders()) {
            auto* item = new QListWidgetItem(closed, indent.repeated(depth) + toDisplay(sub), list);
            item->setData(PathRole, QString::fromStdString(platform::withTrailingSeparator(path) + sub));
        }
        break;
    }
    case Kind::FileList: {
        auto* list = static_cast<QListWidget*>(widget);
        auto& files = static_cast<ui::FileList&>(c);
        setListItems(*list, displayItems(files.names()));
        if (list->currentRow() != files.listIndex())
            list->setCurrentRow(files.listIndex());
        break;
    }
    }
}

// A folder the window refuses to open (one outside the scenario folders) leaves the list as it
// was; the highlight goes back to the folder still shown instead of staying on the refused one.
static void highlightShownFolder(QListWidget& list, const ui::FolderList& folders) {
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

void Binder::connectUser(Binding& b) {
    QObject* object = b.widget;
    ui::Control* c = b.control;
    Binding* bp = &b;

    switch (b.kind) {
    case Kind::Label:
        static_cast<QLabel*>(object)->setTextFormat(Qt::PlainText);
        break;
    case Kind::Image:
    case Kind::Frame:
        break;
    case Kind::Button:
        connect(static_cast<QAbstractButton*>(object), &QAbstractButton::clicked, this,
                [this, bp, c] { userAction(*bp, [c] { static_cast<ui::Button*>(c)->userClick(); }); });
        break;
    case Kind::MenuItem:
        connect(static_cast<QAction*>(object), &QAction::triggered, this,
                [this, bp, c] { userAction(*bp, [c] { static_cast<ui::MenuItem*>(c)->userClick(); }); });
        break;
    case Kind::LineEdit: {
        auto* edit = static_cast<QLineEdit*>(object);
        connect(edit, &QLineEdit::textEdited, this, [this, bp, c](const QString& text) {
            auto* field = static_cast<ui::TextField*>(c);
            std::string bytes = fromDisplay(text, field->text());
            userAction(*bp, [field, &bytes] { field->userSetText(std::move(bytes)); });
        });
        edit->installEventFilter(this);
        break;
    }
    case Kind::PlainTextEdit: {
        auto* edit = static_cast<QPlainTextEdit*>(object);
        connect(edit, &QPlainTextEdit::textChanged, this, [this, bp, c, edit] {
            auto* field = static_cast<ui::TextField*>(c);
            std::string bytes = fromDisplayLines(edit->toPlainText(), field->text());
            if (bytes != field->text())
                userAction(*bp, [field, &bytes] { field->userSetText(std::move(bytes)); });
        });
        edit->installEventFilter(this);
        break;
    }
    case Kind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(object);
        connect(combo, &QComboBox::activated, this, [this, bp, c](int index) {
            userAction(*bp, [c, index] { static_cast<ui::ListControl*>(c)->userSelect(index); });
        });
        if (QLineEdit* edit = combo->lineEdit()) {
            connect(edit, &QLineEdit::textEdited, this, [this, bp, c](const QString& text) {
                auto* list = static_cast<ui::ListControl*>(c);
                std::string bytes = fromDisplay(text, list->text());
                userAction(*bp, [list, &bytes] { list->userSetText(std::move(bytes)); });
            });
            edit->installEventFilter(this);
            byWidget_[edit] = bp;
        }
        // The list opening is the drop-down event; the popup is a window of its own.
        QWidget* popup = combo->view()->window();
        popup->installEventFilter(this);
        byWidget_[popup] = bp;
        combo->installEventFilter(this);
        break;
    }
    case Kind::ListBox: {
        auto* list = static_cast<QListWidget*>(object);
        connect(list, &QListWidget::currentRowChanged, this, [this, bp, c](int row) {
            if (row >= 0)
                userAction(*bp, [c, row] { static_cast<ui::ListControl*>(c)->userSelect(row); });
        });
        connect(list, &QListWidget::itemDoubleClicked, this, [this, bp, c, list](QListWidgetItem* item) {
            const int row = list->row(item);
            userAction(*bp, [c, row] { static_cast<ui::ListControl*>(c)->userDoubleClick(row); });
        });
        list->installEventFilter(this);
        break;
    }
    case Kind::CheckBox:
        connect(static_cast<QCheckBox*>(object), &QCheckBox::clicked, this,
                [this, bp, c] { userAction(*bp, [c] { static_cast<ui::CheckBox*>(c)->userToggle(); }); });
        break;
    case Kind::OptionButton: {
        auto* radio = static_cast<QRadioButton*>(object);
        // The core keeps the options of a frame exclusive, and may clear them all.
        radio->setAutoExclusive(false);
        connect(radio, &QRadioButton::clicked, this,
                [this, bp, c] { userAction(*bp, [c] { static_cast<ui::OptionButton*>(c)->userSelect(); }); });
        break;
    }
    case Kind::Slider:
        connect(static_cast<QAbstractSlider*>(object), &QAbstractSlider::valueChanged, this, [this, bp, c](int v) {
            userAction(*bp, [c, v] { static_cast<ui::Slider*>(c)->userSetValue(v); });
        });
        break;
    case Kind::Calendar: {
        auto* calendar = static_cast<QCalendarWidget*>(object);
        auto pick = [this, bp, c](QDate day) {
            auto* cal = static_cast<ui::MonthCalendar*>(c);
            const int date = static_cast<int>(dayZero.daysTo(day));
            if (cal->date() != date)
                userAction(*bp, [cal, date] { cal->userSetDate(date); });
        };
        connect(calendar, &QCalendarWidget::clicked, this, pick);
        connect(calendar, &QCalendarWidget::selectionChanged, this,
                [pick, calendar] { pick(calendar->selectedDate()); });
        break;
    }
    case Kind::Tabs:
        connect(static_cast<QTabWidget*>(object), &QTabWidget::currentChanged, this, [this, bp, c](int tab) {
            userAction(*bp, [c, tab] { static_cast<ui::TabControl*>(c)->userSetCurrentTab(tab); });
        });
        break;
    case Kind::Tree:
        // Activation is a double-click, or Enter on the current node, so a port can be chosen
        // from the keyboard as well. A double-click only chooses: were it also to fold the node,
        // the rows below would move under the pointer and the next double-click would land on
        // another port. Nodes fold with their arrows and the arrow keys.
        static_cast<QTreeWidget*>(object)->setExpandsOnDoubleClick(false);
        connect(static_cast<QTreeWidget*>(object), &QTreeWidget::itemActivated, this,
                [this, bp, c](QTreeWidgetItem* item) {
                    const int position = item->data(0, PositionRole).toInt();
                    userAction(*bp, [c, position] { static_cast<ui::TreeView*>(c)->userDoubleClick(position); });
                });
        break;
    case Kind::DriveList:
        connect(static_cast<QComboBox*>(object), &QComboBox::activated, this, [this, bp, c](int index) {
            auto* drives = static_cast<ui::DriveList*>(c);
            if (index < 0 || index >= static_cast<int>(drives->drives().size()))
                return;
            const std::string drive = drives->drives()[static_cast<size_t>(index)];
            userAction(*bp, [drives, drive] { drives->userSetDrive(drive); });
        });
        break;
    case Kind::FolderList: {
        auto* list = static_cast<QListWidget*>(object);
        // Open and closed folder pictures come in different sizes; one size keeps the rows even.
        list->setIconSize(QSize(16, 16));
        connect(list, &QListWidget::itemClicked, this,
                [this, bp, c] { userAction(*bp, [c] { static_cast<ui::FolderList*>(c)->userClick(); }); });
        connect(list, &QListWidget::itemDoubleClicked, this, [this, bp, c, list](QListWidgetItem* item) {
            const std::string path = item->data(PathRole).toString().toStdString();
            userAction(*bp, [c, path] { static_cast<ui::FolderList*>(c)->userOpen(path); });
            highlightShownFolder(*list, *static_cast<ui::FolderList*>(c));
        });
        list->installEventFilter(this);
        break;
    }
    case Kind::FileList: {
        auto* list = static_cast<QListWidget*>(object);
        connect(list, &QListWidget::currentRowChanged, this, [this, bp, c](int row) {
            if (row >= 0)
                userAction(*bp, [c, row] { static_cast<ui::FileList*>(c)->userSelect(row); });
        });
        connect(list, &QListWidget::itemDoubleClicked, this, [this, bp, c, list](QListWidgetItem* item) {
            const int row = list->row(item);
            userAction(*bp, [c, row] { static_cast<ui::FileList*>(c)->userDoubleClick(row); });
        });
        list->installEventFilter(this);
        break;
    }
    }
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    auto it = byWidget_.find(watched);
    if (it == byWidget_.end())
        return false;
    Binding& b = *it->second;
    ui::Control* c = b.control;

    if (event->type() == QEvent::Show && b.kind == Kind::ComboBox && watched != b.widget) {
        if (qobject_cast<QWidget*>(watched)->isWindow())
            userAction(b, [c] { static_cast<ui::ListControl*>(c)->userDropDown(); });
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const int code = keyCodeOf(key);
    if (code == 0)
        return false;

    switch (b.kind) {
    case Kind::LineEdit:
    case Kind::PlainTextEdit:
        userAction(b, [c, code] { static_cast<ui::TextField*>(c)->userKeyPress(code); });
        break;
    case Kind::ComboBox:
    case Kind::ListBox:
        userAction(b, [c, code] { static_cast<ui::ListControl*>(c)->userKeyPress(code); });
        break;
    case Kind::FileList:
        userAction(b, [c, code] { static_cast<ui::FileList*>(c)->userKeyPress(code); });
        break;
    case Kind::FolderList: {
        // Enter opens the chosen folder, as a double-click does.
        auto* folders = static_cast<ui::FolderList*>(c);
        if (code == ui::KeyEnter)
            if (auto* item = static_cast<QListWidget*>(watched)->currentItem()) {
                const std::string path = item->data(PathRole).toString().toStdString();
                userAction(b, [folders, path] { folders->userOpen(path); });
                highlightShownFolder(*static_cast<QListWidget*>(watched), *folders);
            }
        userAction(b, [folders, code] { folders->userKeyPress(code); });
        break;
    }
    default:
        break;
    }
    return false;
}

ViewRegistry& ViewRegistry::instance() {
    static ViewRegistry registry;
    return registry;
}

void ViewRegistry::add(const std::string& windowName, Factory factory) {
    factories_[windowName] = std::move(factory);
}

bool ViewRegistry::has(const std::string& windowName) const { return factories_.count(windowName) != 0; }

QWidget* ViewRegistry::make(ui::Window& window, QWidget* parent) const {
    auto it = factories_.find(window.name());
    if (it == factories_.end())
        return nullptr;
    return it->second(window, parent);
}

} // namespace vantrel::desktop
