#include "views/DeleteFileView.h"

#include "binding/Binder.h"
#include "views/FileWindowForms.h"

#include "core/files/DeleteFile.h"

#include <QGridLayout>

namespace vantrel::desktop {

using namespace forms;

DeleteFileView::DeleteFileView(DeleteFile& window, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DeleteFile"));
    auto* grid = new QGridLayout(this);

    auto* folders = list("Dir1", 260, 260);
    grid->addWidget(folders, 0, 0);
    grid->addLayout(captioned("Label1", descriptionBox("Text2")), 0, 1);
    grid->addLayout(captioned("Label2", list("FileListtoDelete", 260, 200)), 1, 0);
    grid->addLayout(captioned("Label3", descriptionBox("Text1")), 1, 1);

    grid->addLayout(buttonRow("Command1", "Command2"), 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    new Binder(window, this, this);
    resize(720, 560);
    folders->setFocus();
}

} // namespace vantrel::desktop
