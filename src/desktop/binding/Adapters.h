#pragma once

// The adapter of every kind of control, by the widget it shows the control on:
//   Label ↔ QLabel            Button ↔ QAbstractButton   MenuItem ↔ QAction   Frame ↔ QGroupBox
//   TextField ↔ QLineEdit or QPlainTextEdit (multi-line)   ComboBox ↔ QComboBox (editable or not)
//   ListBox ↔ QListWidget     CheckBox ↔ QCheckBox       OptionButton ↔ QRadioButton
//   Slider ↔ QAbstractSlider  MonthCalendar ↔ QCalendarWidget      TabControl ↔ QTabWidget
//   TreeView ↔ QTreeWidget    Image ↔ QLabel (shows a picture)    DriveList ↔ QComboBox
//   FolderList ↔ QListWidget  FileList ↔ QListWidget  OrbitPicture ↔ OrbitPictureWidget

#include "binding/ControlAdapter.h"

#include "core/ui/TreeView.h"

#include <string>
#include <vector>

class QAbstractButton;
class QAbstractSlider;
class QAction;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantrel::desktop {
class OrbitPictureWidget;
}

namespace vantrel::ui {
class Button;
class CheckBox;
class DriveList;
class FileList;
class FolderList;
class Frame;
class Image;
class Label;
class ListControl;
class MenuItem;
class MonthCalendar;
class OptionButton;
class OrbitPicture;
class Slider;
class TabControl;
class TextField;
} // namespace vantrel::ui

namespace vantrel::desktop {

// An adapter of control class C on widget class W.
template <typename C, typename W> class Adapter : public ControlAdapter {
public:
    using Widget = W;
    Adapter(ui::Control& control, W& widget) : ControlAdapter(control, widget) {}

protected:
    C& ctl() const { return static_cast<C&>(control_); }
    W* w() const { return static_cast<W*>(widget_.data()); }
};

class LabelAdapter : public Adapter<ui::Label, QLabel> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
};

class ImageAdapter : public Adapter<ui::Image, QLabel> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
};

class ButtonAdapter : public Adapter<ui::Button, QAbstractButton> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
};

class MenuItemAdapter : public Adapter<ui::MenuItem, QAction> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
};

class FrameAdapter : public Adapter<ui::Frame, QGroupBox> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
};

class CheckBoxAdapter : public Adapter<ui::CheckBox, QCheckBox> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
};

class OptionButtonAdapter : public Adapter<ui::OptionButton, QRadioButton> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
};

class SliderAdapter : public Adapter<ui::Slider, QAbstractSlider> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
};

class CalendarAdapter : public Adapter<ui::MonthCalendar, QCalendarWidget> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
};

class TabsAdapter : public Adapter<ui::TabControl, QTabWidget> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
};

class OrbitPictureAdapter : public Adapter<ui::OrbitPicture, OrbitPictureWidget> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
};

class DriveListAdapter : public Adapter<ui::DriveList, QComboBox> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
};

// Text fields report every key that types a character.
template <typename W> class TextFieldAdapter : public Adapter<ui::TextField, W> {
public:
    using Adapter<ui::TextField, W>::Adapter;
    void keyPress(QObject* watched, int code, const ControlAdapter::Act& act) override;
};

class LineEditAdapter : public TextFieldAdapter<QLineEdit> {
public:
    using TextFieldAdapter::TextFieldAdapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
};

class PlainTextEditAdapter : public TextFieldAdapter<QPlainTextEdit> {
public:
    using TextFieldAdapter::TextFieldAdapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
};

class ListBoxAdapter : public Adapter<ui::ListControl, QListWidget> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
    void keyPress(QObject* watched, int code, const Act& act) override;

private:
    bool shown_ = false;
};

class FileListAdapter : public Adapter<ui::FileList, QListWidget> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
    void keyPress(QObject* watched, int code, const Act& act) override;
};

// The list opening is the drop-down event; the popup is a window of its own.
class ComboBoxAdapter : public Adapter<ui::ListControl, QComboBox> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
    void keyPress(QObject* watched, int code, const Act& act) override;
    void shown(QObject* watched, const Act& act) override;

private:
    bool shown_ = false;
};

class FolderListAdapter : public Adapter<ui::FolderList, QListWidget> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;
    void keyPress(QObject* watched, int code, const Act& act) override;

private:
    void open(const std::string& path, const Act& act);
    // The path and sub-folders on screen: a click must not rebuild the list under the pointer,
    // or the double-click that follows would be lost.
    std::vector<std::string> shownFolders_;
};

class TreeAdapter : public Adapter<ui::TreeView, QTreeWidget> {
public:
    using Adapter::Adapter;
    void refresh() override;
    void wire(QObject& receiver, const Act& act, const Watch& watch) override;

private:
    // Shows only the nodes the tree says were moved or expanded; false when it cannot.
    bool refreshChanged(const ui::PendingChanges& changes);
    // The nodes on screen and their items, so adding nodes adds items only.
    std::vector<ui::TreeView::Node> shownNodes_;
    std::vector<QTreeWidgetItem*> items_;
};

} // namespace vantrel::desktop
