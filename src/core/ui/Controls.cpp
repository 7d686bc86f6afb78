#include "core/ui/Controls.h"

#include <algorithm>

namespace vantrel::ui {

namespace {
void raise(const Event& event) {
    if (event)
        event();
}
const std::string emptyText;
} // namespace

Label::Label(std::string name, std::string caption) : Control(std::move(name)), caption_(std::move(caption)) {}

void Label::setCaption(std::string caption) {
    if (caption_ == caption)
        return;
    caption_ = std::move(caption);
    changed();
}

Button::Button(std::string name, std::string caption) : Control(std::move(name)), caption_(std::move(caption)) {}

void Button::setCaption(std::string caption) {
    caption_ = std::move(caption);
    changed();
}

void Button::userClick() {
    if (enabled())
        raise(onClick);
}

Frame::Frame(std::string name, std::string caption) : Control(std::move(name)), caption_(std::move(caption)) {}

void Frame::setCaption(std::string caption) {
    caption_ = std::move(caption);
    changed();
}

Image::Image(std::string name, std::string picture) : Control(std::move(name)), picture_(std::move(picture)) {}

TextField::TextField(std::string name, bool multiLine) : Control(std::move(name)), multiLine_(multiLine) {}

void TextField::setText(std::string text) {
    if (text_ == text)
        return;
    text_ = std::move(text);
    changed();
    raise(onChange);
}

void TextField::userSetText(std::string text) { setText(std::move(text)); }

void TextField::userKeyPress(int keyCode) {
    if (onKeyPress)
        onKeyPress(keyCode);
}

ListControl::ListControl(std::string name, bool editable) : Control(std::move(name)), editable_(editable) {}

const std::string& ListControl::list(int index) const {
    if (index < 0 || index >= listCount())
        return emptyText;
    return items_[static_cast<size_t>(index)];
}

void ListControl::clear() {
    ++itemsRevision_;
    pendingItems_.everything();
    items_.clear();
    listIndex_ = -1;
    text_.clear();
    changed();
}

void ListControl::addItem(std::string item) {
    ++itemsRevision_;
    pendingItems_.everything();
    items_.push_back(std::move(item));
    changed();
}

void ListControl::setItems(std::vector<std::string> items) {
    ++itemsRevision_;
    pendingItems_.everything();
    items_ = std::move(items);
    listIndex_ = -1;
    changed();
}

void ListControl::removeItem(int index) {
    if (index < 0 || index >= listCount())
        return;
    items_.erase(items_.begin() + index);
    ++itemsRevision_;
    pendingItems_.everything();
    if (listIndex_ == index) {
        listIndex_ = -1;
        text_.clear();
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    changed();
}

void ListControl::setItem(int index, std::string item) {
    if (index < 0 || index >= listCount())
        return;
    ++itemsRevision_;
    pendingItems_.touch(index);
    if (index == listIndex_)
        text_ = item;
    items_[static_cast<size_t>(index)] = std::move(item);
    changed();
}

void ListControl::setListIndex(int index) {
    if (index < 0 || index >= listCount()) {
        if (listIndex_ != -1) {
            listIndex_ = -1;
            if (!editable_)
                text_.clear();
            changed();
        }
        return;
    }
    listIndex_ = index;
    text_ = items_[static_cast<size_t>(index)];
    changed();
    raise(onClick);
}

void ListControl::setText(std::string text) {
    if (text_ == text)
        return;
    text_ = std::move(text);
    changed();
}

void ListControl::userSelect(int index) {
    if (index >= 0 && index < listCount())
        setListIndex(index);
}

void ListControl::userDoubleClick(int index) {
    if (index >= 0 && index < listCount() && index != listIndex_)
        setListIndex(index);
    raise(onDblClick);
}

void ListControl::userSetText(std::string text) {
    text_ = std::move(text);
    listIndex_ = -1;
    changed();
    raise(onChange);
}

void ListControl::userDropDown() { raise(onDropDown); }

void ListControl::userKeyPress(int keyCode) {
    if (onKeyPress)
        onKeyPress(keyCode);
}

CheckBox::CheckBox(std::string name, std::string caption) : Control(std::move(name)), caption_(std::move(caption)) {}

void CheckBox::setValue(int value) {
    value_ = value ? 1 : 0;
    changed();
    raise(onClick);
}

void CheckBox::userToggle() { setValue(value_ ? 0 : 1); }

OptionButton::OptionButton(std::string name, std::string caption, OptionGroup& group)
    : Control(std::move(name)), caption_(std::move(caption)), group_(group) {
    group_.add(*this);
}

void OptionButton::setValue(bool value) {
    if (!value) {
        setValueSilently(false);
        return;
    }
    group_.selected(*this);
    setValueSilently(true);
    raise(onClick);
}

void OptionButton::userSelect() { setValue(true); }

void OptionButton::setValueSilently(bool value) {
    if (value_ == value)
        return;
    value_ = value;
    changed();
}

void OptionGroup::selected(OptionButton& option) {
    for (OptionButton* other : options_)
        if (other != &option)
            other->setValueSilently(false);
}

Slider::Slider(std::string name, int min, int max) : Control(std::move(name)), min_(min), max_(max), value_(min) {}

void Slider::setValue(int value) {
    value = std::clamp(value, min_, max_);
    if (value_ == value)
        return;
    value_ = value;
    changed();
}

void Slider::userSetValue(int value) {
    value_ = std::clamp(value, min_, max_);
    changed();
    raise(onChange);
}

MonthCalendar::MonthCalendar(std::string name) : Control(std::move(name)) {}

void MonthCalendar::setDate(std::optional<int> date) {
    if (date_ == date)
        return;
    date_ = date;
    changed();
}

void MonthCalendar::userSetDate(int date) {
    setDate(date);
    raise(onChange);
}

TabControl::TabControl(std::string name, std::vector<std::string> tabs)
    : Control(std::move(name)), tabs_(std::move(tabs)) {}

void TabControl::setCurrentTab(int tab) {
    if (tab < 0 || tab >= static_cast<int>(tabs_.size()) || tab == currentTab_)
        return;
    currentTab_ = tab;
    changed();
}

void TabControl::userSetCurrentTab(int tab) { setCurrentTab(tab); }

} // namespace vantrel::ui
