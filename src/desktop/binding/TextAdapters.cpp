// Adapters of the text fields: a single line, or several.

#include "binding/Adapters.h"

#include "binding/DisplayText.h"

#include "core/ui/Controls.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace vantrel::desktop {

template <typename W> void TextFieldAdapter<W>::keyPress(QObject*, int code, const ControlAdapter::Act& act) {
    auto& field = this->ctl();
    act([&field, code] { field.userKeyPress(code); });
}
template class TextFieldAdapter<QLineEdit>;
template class TextFieldAdapter<QPlainTextEdit>;

void LineEditAdapter::refresh() {
    refreshWidget(*w());
    const QString text = toDisplay(ctl().text());
    if (w()->text() != text)
        w()->setText(text);
}

void LineEditAdapter::wire(QObject& receiver, const Act& act, const Watch& watch) {
    auto& field = ctl();
    QObject::connect(w(), &QLineEdit::textEdited, &receiver, [act, &field](const QString& text) {
        std::string bytes = fromDisplay(text, field.text());
        act([&field, &bytes] { field.userSetText(std::move(bytes)); });
    });
    watch(w());
}

void PlainTextEditAdapter::refresh() {
    refreshWidget(*w());
    const QString text = toDisplayLines(ctl().text());
    if (w()->toPlainText() != text)
        w()->setPlainText(text);
}

void PlainTextEditAdapter::wire(QObject& receiver, const Act& act, const Watch& watch) {
    auto& field = ctl();
    QPlainTextEdit* edit = w();
    QObject::connect(edit, &QPlainTextEdit::textChanged, &receiver, [act, &field, edit] {
        std::string bytes = fromDisplayLines(edit->toPlainText(), field.text());
        if (bytes != field.text())
            act([&field, &bytes] { field.userSetText(std::move(bytes)); });
    });
    watch(edit);
}

} // namespace vantrel::desktop
