#include "core/ui/Control.h"

namespace vantrel::ui {

void Control::setVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    changed();
}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    changed();
}

void Control::setToolTip(std::string toolTip) {
    toolTip_ = std::move(toolTip);
    changed();
}

void Control::changed() {
    if (observer_)
        observer_->controlChanged(*this);
}

} // namespace vantrel::ui
