#include "binding/ControlAdapter.h"

#include "binding/Adapters.h"
#include "binding/DisplayText.h"
#include "binding/OrbitPictureWidget.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QWidget>

namespace vantrel::desktop {

void ControlAdapter::keyPress(QObject*, int, const Act&) {}

void ControlAdapter::shown(QObject*, const Act&) {}

void ControlAdapter::refreshWidget(QWidget& widget) const {
    if (widget.isHidden() == control_.visible())
        widget.setVisible(control_.visible());
    widget.setEnabled(control_.enabled());
    widget.setToolTip(toDisplay(control_.toolTip()));
}

namespace {

// The first named object that is an A's widget, with its adapter.
template <typename A> std::unique_ptr<ControlAdapter> first(ui::Control& control, const QList<QObject*>& named) {
    for (QObject* o : named)
        if (auto* widget = qobject_cast<typename A::Widget*>(o))
            return std::make_unique<A>(control, *widget);
    return nullptr;
}

} // namespace

std::unique_ptr<ControlAdapter> makeAdapter(ui::Control& control, const QList<QObject*>& named) {
    using K = ui::ControlKind;
    switch (control.kind()) {
    case K::Label:
        return first<LabelAdapter>(control, named);
    case K::Image:
        return first<ImageAdapter>(control, named);
    case K::Button:
        return first<ButtonAdapter>(control, named);
    case K::MenuItem:
        return first<MenuItemAdapter>(control, named);
    case K::Frame:
        return first<FrameAdapter>(control, named);
    case K::TextField:
        // A single-line field, or a multi-line one.
        if (auto adapter = first<LineEditAdapter>(control, named))
            return adapter;
        return first<PlainTextEditAdapter>(control, named);
    case K::ComboBox:
        return first<ComboBoxAdapter>(control, named);
    case K::ListBox:
        return first<ListBoxAdapter>(control, named);
    case K::CheckBox:
        return first<CheckBoxAdapter>(control, named);
    case K::OptionButton:
        return first<OptionButtonAdapter>(control, named);
    case K::Slider:
        return first<SliderAdapter>(control, named);
    case K::MonthCalendar:
        return first<CalendarAdapter>(control, named);
    case K::TabControl:
        return first<TabsAdapter>(control, named);
    case K::TreeView:
        return first<TreeAdapter>(control, named);
    case K::DriveList:
        return first<DriveListAdapter>(control, named);
    case K::FolderList:
        return first<FolderListAdapter>(control, named);
    case K::FileList:
        return first<FileListAdapter>(control, named);
    case K::OrbitPicture:
        return first<OrbitPictureAdapter>(control, named);
    }
    return nullptr;
}

} // namespace vantrel::desktop
