#include "views/FolderManagementView.h"

#include "binding/Binder.h"
#include "views/FileWindowForms.h"

#include "core/files/FolderManagement.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace vantrel::desktop {

using namespace forms;

FolderManagementView::FolderManagementView(FolderManagement& window, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FolderManagement"));
    auto* grid = new QGridLayout(this);

    auto* folderSide = new QVBoxLayout;
    folderSide->addWidget(label("Label1"));
    auto* folders = list("Dir1", 280, 300);
    folderSide->addWidget(folders, 1);
    grid->addLayout(folderSide, 0, 0);

    auto* descriptionSide = new QVBoxLayout;
    descriptionSide->addWidget(label("Label2"));
    descriptionSide->addWidget(descriptionBox("Text1", false), 1);
    auto* html = label("DescriptionHtml");
    html->setFrameShape(QFrame::StyledPanel);
    html->setTextInteractionFlags(Qt::TextSelectableByMouse);
    descriptionSide->addWidget(html);
    grid->addLayout(descriptionSide, 0, 1);

    auto* buttons = new QVBoxLayout;
    for (const char* name : {"Command1", "Command2", "Command3"})
        buttons->addWidget(button(name));
    buttons->addStretch();
    buttons->addWidget(button("Command4"));
    grid->addLayout(buttons, 0, 2);
    grid->setColumnStretch(1, 1);

    new Binder(window, this, this);
    resize(760, 420);
    folders->setFocus();
}

} // namespace vantrel::desktop
