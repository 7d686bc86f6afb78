#pragma once

#include "core/ui/Control.h"

#include <string>
#include <vector>

namespace vantrel::ui {

// A window of the program: its controls (listed by name, so the desktop binds them to the
// widgets of the same object name) and its load and unload handlers.
class Window {
public:
    Window(std::string name, std::string caption) : name_(std::move(name)), caption_(std::move(caption)) {}
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    const std::vector<Control*>& controls() const { return controls_; }
    Control* control(const std::string& name) const;

    bool loaded() const { return loaded_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

    // Runs the load handler the first time; later calls do nothing until the window is unloaded.
    void load();
    // Runs the unload handler of a loaded window and marks it unloaded.
    void unload();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // Every control of the window registers here, in the order the window lists them.
    void add(Control& control) { controls_.push_back(&control); }
    template <typename... C> void add(C&... controls) { (add(static_cast<Control&>(controls)), ...); }

private:
    std::string name_;
    std::string caption_;
    std::vector<Control*> controls_;
    bool loaded_ = false;
    bool enabled_ = true;
};

} // namespace vantrel::ui
