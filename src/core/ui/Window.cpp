#include "core/ui/Window.h"

namespace vantrel::ui {

Control* Window::control(const std::string& name) const {
    for (Control* c : controls_)
        if (c->name() == name)
            return c;
    return nullptr;
}

void Window::load() {
    if (loaded_)
        return;
    loaded_ = true;
    Form_Load();
}

void Window::unload() {
    if (!loaded_)
        return;
    loaded_ = false;
    Form_Unload();
}

} // namespace vantrel::ui
