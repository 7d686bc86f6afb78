#include "views/SaveAsView.h"

#include "binding/Binder.h"
#include "views/FileWindowForms.h"

#include "core/files/SaveAs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>

namespace vantrel::desktop {

using namespace forms;

SaveAsView::SaveAsView(SaveAs& window, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SaveAs"));
    auto* grid = new QGridLayout(this);

    grid->addWidget(list("Dir1", 260, 260), 0, 0, 2, 1);
    grid->addLayout(captioned("Label1", descriptionBox("Text1")), 0, 1);
    grid->addWidget(list("ScenarioFileList", 260, 160), 1, 1);

    auto* nameRow = new QHBoxLayout;
    auto* nameLabel = label("Label2");
    nameLabel->setWordWrap(false);
    nameRow->addWidget(nameLabel);
    auto* name = named("FileToSave", new QLineEdit);
    nameLabel->setBuddy(name);
    nameRow->addWidget(name, 1);
    grid->addLayout(nameRow, 2, 0, 1, 2);

    grid->addLayout(buttonRow("Command1", "Command2"), 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    new Binder(window, this, this);
    resize(720, 520);
    name->setFocus();
    name->selectAll();
}

} // namespace vantrel::desktop
