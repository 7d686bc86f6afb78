#include "views/OrbiterFolderSearchView.h"

#include "binding/Binder.h"

#include "core/tools/OrbiterFolderSearch.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel::desktop {

OrbiterFolderSearchView::OrbiterFolderSearchView(OrbiterFolderSearch& window, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OrbiterFolderSearch"));
    auto* layout = new QVBoxLayout(this);

    auto* instruction = new QLabel;
    instruction->setObjectName(QStringLiteral("Label2"));
    instruction->setWordWrap(true);
    layout->addWidget(instruction);

    auto* drives = new QComboBox;
    drives->setObjectName(QStringLiteral("Drive1"));
    layout->addWidget(drives);

    auto* folders = new QListWidget;
    folders->setObjectName(QStringLiteral("Dir1"));
    folders->setMinimumSize(420, 300);
    layout->addWidget(folders, 1);

    auto* shown = new QLabel;
    shown->setObjectName(QStringLiteral("Label1"));
    shown->setFrameShape(QFrame::StyledPanel);
    shown->setFrameShadow(QFrame::Sunken);
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(shown);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* validate = new QPushButton;
    validate->setObjectName(QStringLiteral("Command1"));
    validate->setAutoDefault(false);
    buttons->addWidget(validate);
    layout->addLayout(buttons);

    new Binder(window, this, this);
    folders->setFocus();
}

} // namespace vantrel::desktop
