#include "DeleteFileView.h"

#include "Binder.h"
#include "FileWindowForms.h"

#include "core/files/DeleteFile.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vantrel::desktop {

using namespace forms;

DeleteFileView::DeleteFileView(DeleteFile& window, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DeleteFile"));
    auto* grid = new QGridLayout(this);

    auto* folders = list("Dir1", 260, 260);
    grid->addWidget(folders, 0, 0);
    auto* folderSide = new QVBoxLayout;
    folderSide->addWidget(label("Label1"));
    folderSide->addWidget(descriptionBox("Text2"), 1);
    grid->addLayout(folderSide, 0, 1);

    auto* fileSide = new QVBoxLayout;
    fileSide->addWidget(label("Label2"));
    fileSide->addWidget(list("FileListtoDelete", 260, 200), 1);
    grid->addLayout(fileSide, 1, 0);
    auto* descriptionSide = new QVBoxLayout;
    descriptionSide->addWidget(label("Label3"));
    descriptionSide->addWidget(descriptionBox("Text1"), 1);
    grid->addLayout(descriptionSide, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button("Command1"));
    buttons->addWidget(button("Command2"));
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    new Binder(window, this, this);
    resize(720, 560);
    folders->setFocus();
}

} // namespace vantrel::desktop
