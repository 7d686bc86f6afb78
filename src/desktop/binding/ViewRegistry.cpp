#include "binding/ViewRegistry.h"

#include "core/ui/Window.h"

namespace vantrel::desktop {

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
