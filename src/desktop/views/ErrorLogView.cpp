#include "views/ErrorLogView.h"

#include "binding/Binder.h"
#include "views/FileWindowForms.h"

#include "core/tools/ErrorLog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vantrel::desktop {

using namespace forms;

ErrorLogView::ErrorLogView(ErrorLog& window, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ErrorLog"));
    auto* layout = new QVBoxLayout(this);
    auto* text = descriptionBox("Text1");
    text->setMinimumSize(480, 220);
    layout->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* close = button("Command1");
    buttons->addWidget(close);
    layout->addLayout(buttons);
    new Binder(window, this, this);
    close->setFocus();
}

} // namespace vantrel::desktop
