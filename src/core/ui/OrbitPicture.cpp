#include "core/ui/OrbitPicture.h"

namespace vantrel::ui {

void OrbitPicture::setDrawing(OrbitDrawing drawing) {
    if (drawing == drawing_)
        return;
    drawing_ = std::move(drawing);
    changed();
}

} // namespace vantrel::ui
