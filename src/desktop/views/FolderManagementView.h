#pragma once

#include <QDialog>

namespace vantrel {
class FolderManagement;
}

namespace vantrel::desktop {

// "Scenario folder management": the folder tree, the open folder's description and the commands.
class FolderManagementView : public QDialog {
    Q_OBJECT
public:
    explicit FolderManagementView(FolderManagement& window, QWidget* parent = nullptr);
};

} // namespace vantrel::desktop
