#pragma once

#include <QWidget>

#include <functional>
#include <map>
#include <string>

namespace vantrel::ui {
class Window;
}

namespace vantrel::desktop {

// Window name → the factory that makes its view. The Qt screen service shows any window of the
// program by name through it; each view registers itself at start-up.
class ViewRegistry {
public:
    using Factory = std::function<QWidget*(ui::Window& window, QWidget* parent)>;

    static ViewRegistry& instance();
    void add(const std::string& windowName, Factory factory);
    bool has(const std::string& windowName) const;
    // Makes the view of a window; nullptr when none is registered under its name.
    QWidget* make(ui::Window& window, QWidget* parent) const;

private:
    std::map<std::string, Factory> factories_;
};

} // namespace vantrel::desktop
