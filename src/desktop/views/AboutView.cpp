#include "views/AboutView.h"

#include "binding/Binder.h"
#include "views/FileWindowForms.h"

#include "core/tools/About.h"

#include <QFont>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vantrel::desktop {

using namespace forms;

AboutView::AboutView(About& window, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("About"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(named("Image1", new QLabel), 0, Qt::AlignTop);

    auto* text = new QVBoxLayout;
    auto* title = label("Label1");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    text->addWidget(title);
    for (const char* name : {"Label5", "Label2", "Label3", "Label4"})
        text->addWidget(label(name));
    text->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = button("Command1");
    ok->setDefault(true);
    buttons->addWidget(ok);
    text->addLayout(buttons);
    layout->addLayout(text, 1);

    new Binder(window, this, this);
    ok->setFocus();
}

} // namespace vantrel::desktop
