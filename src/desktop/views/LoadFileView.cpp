#include "views/LoadFileView.h"

#include "binding/Binder.h"
#include "views/FileWindowForms.h"

#include "core/files/LoadFile.h"

#include <QGridLayout>

namespace vantrel::desktop {

using namespace forms;

LoadFileView::LoadFileView(LoadFile& window, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LoadFile"));
    auto* grid = new QGridLayout(this);

    auto* folders = list("Dir1", 260, 260);
    grid->addWidget(folders, 0, 0, 2, 1);
    grid->addLayout(captioned("Label1", descriptionBox("Text2")), 0, 1);
    grid->addLayout(captioned("Label2", list("FilelisttoLoad", 260, 200)), 2, 0);
    grid->addLayout(captioned("Label3", descriptionBox("Text1")), 2, 1);

    grid->addLayout(buttonRow("Command1", "Command2"), 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    new Binder(window, this, this);
    resize(720, 560);
    folders->setFocus();
}

} // namespace vantrel::desktop
