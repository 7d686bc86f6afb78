#pragma once

// The controls the windows are made of. Each holds its own state with exactly the behaviour
// the windows rely on; code changes them through setters, the desktop through the user*
// methods, which stand for what a person does and raise the control's events once.

#include "core/ui/Control.h"
#include "core/ui/PendingChanges.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::ui {

using Event = std::function<void()>;
using KeyEvent = std::function<void(int keyCode)>;

constexpr int KeyEnter = 13;

// A caption; hidden labels serve as named text values.
class Label : public Control {
public:
    ControlKind kind() const override { return ControlKind::Label; }
    explicit Label(std::string name, std::string caption = {});
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

private:
    std::string caption_;
};

// A button or a menu item: a caption and a click.
class Button : public Control {
public:
    ControlKind kind() const override { return ControlKind::Button; }
    explicit Button(std::string name, std::string caption = {});
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    // A person presses the button (or chooses the menu item); raises onClick when enabled.
    void userClick();
    Event onClick;

private:
    std::string caption_;
};

class MenuItem : public Button {
public:
    ControlKind kind() const override { return ControlKind::MenuItem; }
    using Button::Button;
    bool isSeparator() const { return caption() == "-"; }
};

// A frame groups controls and gives option buttons their group.
class Frame : public Control {
public:
    ControlKind kind() const override { return ControlKind::Frame; }
    explicit Frame(std::string name, std::string caption = {});
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

private:
    std::string caption_;
};

// A picture; the desktop shows the resource named by picture().
class Image : public Control {
public:
    ControlKind kind() const override { return ControlKind::Image; }
    explicit Image(std::string name, std::string picture = {});
    const std::string& picture() const { return picture_; }

private:
    std::string picture_;
};

// A single-line or multi-line text field.
class TextField : public Control {
public:
    ControlKind kind() const override { return ControlKind::TextField; }
    explicit TextField(std::string name, bool multiLine = false);
    bool multiLine() const { return multiLine_; }
    const std::string& text() const { return text_; }
    // Sets the text; raises onChange when the text differs, as an edit does.
    void setText(std::string text);
    // A person edits the text.
    void userSetText(std::string text);
    // A person presses a key in the field (13 is Enter).
    void userKeyPress(int keyCode);
    Event onChange;
    KeyEvent onKeyPress;

private:
    bool multiLine_;
    std::string text_;
};

// Combo boxes and list boxes share one state: items, the selected index (-1 none) and the
// text. Setting the selected index to an entry raises onClick, as a person's choice does.
class ListControl : public Control {
public:
    ListControl(std::string name, bool editable);

    bool editable() const { return editable_; }
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& list(int index) const;
    const std::vector<std::string>& items() const { return items_; }
    int listIndex() const { return listIndex_; }
    const std::string& text() const { return text_; }

    // Empties the list; the selection becomes -1 and the text empty.
    void clear();
    void addItem(std::string item);
    // Room for n items in all, so that filling a long list does not grow it step by step.
    void reserve(size_t n) { items_.reserve(n); }
    // Replaces every entry at once (no event); the selection becomes -1, the text is kept.
    void setItems(std::vector<std::string> items);
    // Removes one entry; removing the selected entry leaves nothing selected and an empty text.
    void removeItem(int index);
    // Replaces the text of one entry (no event). The selection is kept; the selected entry's
    // new text becomes the text.
    void setItem(int index, std::string item);
    // Grows by one on every change of the entries (not of the selection or the text), so that
    // an index kept beside the list can tell whether it is still true.
    unsigned long long itemsRevision() const { return itemsRevision_; }
    // The entries changed since the observer last took them (0-based indices).
    PendingChanges takeItemChanges() { return pendingItems_.take(); }
    // Selects an entry (its text becomes the text) and raises onClick; -1 deselects silently.
    void setListIndex(int index);
    // Sets the edit text of an editable combo box (no event; the selection is kept).
    void setText(std::string text);

    // A person chooses an entry.
    void userSelect(int index);
    // A person double-clicks an entry.
    void userDoubleClick(int index);
    // A person types into an editable combo box: the selection is lost, onChange is raised.
    void userSetText(std::string text);
    // A person opens the drop-down list.
    void userDropDown();
    void userKeyPress(int keyCode);

    Event onClick;
    Event onDblClick;
    Event onDropDown;
    Event onChange;
    KeyEvent onKeyPress;

private:
    bool editable_;
    std::vector<std::string> items_;
    unsigned long long itemsRevision_ = 0;
    PendingChanges pendingItems_;
    int listIndex_ = -1;
    std::string text_;
};

class ComboBox : public ListControl {
public:
    ControlKind kind() const override { return ControlKind::ComboBox; }
    explicit ComboBox(std::string name, bool editable = false) : ListControl(std::move(name), editable) {}
};

class ListBox : public ListControl {
public:
    ControlKind kind() const override { return ControlKind::ListBox; }
    explicit ListBox(std::string name) : ListControl(std::move(name), false) {}
};

// A check box holding 0 or 1. Setting the value from code raises onClick, as a click does.
class CheckBox : public Control {
public:
    ControlKind kind() const override { return ControlKind::CheckBox; }
    explicit CheckBox(std::string name, std::string caption = {});
    const std::string& caption() const { return caption_; }
    int value() const { return value_; }
    void setValue(int value);
    // A person toggles the box.
    void userToggle();
    Event onClick;

private:
    std::string caption_;
    int value_ = 0;
};

// Option buttons exclude each other within one group (their frame).
class OptionGroup;

class OptionButton : public Control {
public:
    ControlKind kind() const override { return ControlKind::OptionButton; }
    OptionButton(std::string name, std::string caption, OptionGroup& group);
    const std::string& caption() const { return caption_; }
    bool value() const { return value_; }
    // True clears the other options of the group and raises onClick (also when it already
    // was true); false only deselects.
    void setValue(bool value);
    void userSelect();
    Event onClick;

private:
    friend class OptionGroup;
    void setValueSilently(bool value);
    std::string caption_;
    bool value_ = false;
    OptionGroup& group_;
};

class OptionGroup {
public:
    void add(OptionButton& option) { options_.push_back(&option); }
    void selected(OptionButton& option);
    const std::vector<OptionButton*>& options() const { return options_; }

private:
    std::vector<OptionButton*> options_;
};

// An integer position between a minimum and a maximum. Code moves it silently; a person's
// move raises onChange.
class Slider : public Control {
public:
    ControlKind kind() const override { return ControlKind::Slider; }
    Slider(std::string name, int min, int max);
    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    void setValue(int value);
    void userSetValue(int value);
    Event onChange;

private:
    int min_;
    int max_;
    int value_;
};

// A month calendar holding a calendar day (days since 1899-12-30) or no date.
class MonthCalendar : public Control {
public:
    ControlKind kind() const override { return ControlKind::MonthCalendar; }
    explicit MonthCalendar(std::string name);
    const std::optional<int>& date() const { return date_; }
    void setDate(std::optional<int> date);
    void userSetDate(int date);
    Event onChange;

private:
    std::optional<int> date_;
};

// The tabbed area: tab captions in order and the current tab.
class TabControl : public Control {
public:
    ControlKind kind() const override { return ControlKind::TabControl; }
    TabControl(std::string name, std::vector<std::string> tabs);
    const std::vector<std::string>& tabs() const { return tabs_; }
    int currentTab() const { return currentTab_; }
    void setCurrentTab(int tab);
    void userSetCurrentTab(int tab);

private:
    std::vector<std::string> tabs_;
    int currentTab_ = 0;
};

} // namespace vantrel::ui
