#include "binding/KeyCodes.h"

#include "binding/DisplayText.h"

#include "core/ui/Controls.h"

#include <QKeyEvent>

namespace vantrel::desktop {

int keyCodeOf(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ui::KeyEnter;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    const QString text = e.text();
    if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() != 127) {
        const std::string bytes = fromDisplay(text, "\x80");
        if (bytes.size() == 1)
            return static_cast<unsigned char>(bytes[0]);
    }
    return 0;
}

} // namespace vantrel::desktop
