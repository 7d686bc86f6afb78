#include "LoadFileView.h"

#include "Binder.h"
#include "FileWindowForms.h"

#include "core/files/LoadFile.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vantrel::desktop {

using namespace forms;

LoadFileView::LoadFileView(LoadFile& window, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LoadFile"));
    auto* grid = new QGridLayout(this);

    auto* folders = list("Dir1", 260, 260);
    grid->addWidget(folders, 0, 0, 2, 1);
    auto* folderSide = new QVBoxLayout;
    folderSide->addWidget(label("Label1"));
    folderSide->addWidget(descriptionBox("Text2"), 1);
    grid->addLayout(folderSide, 0, 1);

    auto* fileSide = new QVBoxLayout;
    fileSide->addWidget(label("Label2"));
    fileSide->addWidget(list("FilelisttoLoad", 260, 200), 1);
    grid->addLayout(fileSide, 2, 0);
    auto* descriptionSide = new QVBoxLayout;
    descriptionSide->addWidget(label("Label3"));
    descriptionSide->addWidget(descriptionBox("Text1"), 1);
    grid->addLayout(descriptionSide, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button("Command1"));
    buttons->addWidget(button("Command2"));
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    new Binder(window, this, this);
    resize(720, 560);
    folders->setFocus();
}

} // namespace vantrel::desktop
