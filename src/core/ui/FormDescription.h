#pragma once

// A window's form described without a toolkit: which widget shows each control, where, and the
// few static texts that are not controls. The Qt desktop lays its windows out with Qt's layouts
// and writes what they give into this description (vantrel --export-forms); the Windows program,
// which has no layouts of its own, places the common controls where the description says. So a
// window's layout is written once, in the Qt view.
//
// The text form, one item per line, fields separated by tabs:
//   form  <window name>  <width>  <height>
//   <widget>  <name>  <place>  <x>  <y>  <width>  <height>  <text>  <frame>
// <widget> is one of the kinds below; <name> is the control's name (empty for a static text);
// <place> is "" for the window itself, "<tabs>:<page>" for a page of a tab control (0-based), and
// "-" for a control that is never shown; <frame> names the frame (a "group") that holds the
// control, empty for none: hiding a frame hides what it holds. Places and sizes are in pixels at
// 96 dots per inch, from the top left of the window or page, frames included. Items are listed
// back to front: a frame comes before the controls inside it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::ui {

struct FormItem {
    // static, label, value (a sunken label showing a value), note (a wrapping label), image,
    // edit, text (multi-line edit), combo, combo-edit, list, button, check, option, slider,
    // calendar, tabs, tree, group, orbit.
    std::string widget;
    std::string name;
    std::string place;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string text;
    std::string frame;

    bool operator==(const FormItem&) const = default;
};

struct FormDescription {
    std::string window;
    int width = 0;
    int height = 0;
    std::vector<FormItem> items;

    // The item showing a control, or nullptr.
    const FormItem* item(const std::string& name) const;
    bool operator==(const FormDescription&) const = default;
};

// The text form of a description. Tabs and line breaks inside a text become spaces.
std::string writeForm(const FormDescription& form);

// Reads the text form: every description in it, in order (a line "form ..." starts the next).
// A line that is not an item (too few fields, a size that is not a number) is skipped; lines
// before the first "form" line are ignored.
std::vector<FormDescription> readForms(std::string_view text);

} // namespace vantrel::ui
