#pragma once

#include <QDialog>

namespace vantrel {
class OrbiterFolderSearch;
}

namespace vantrel::desktop {

// The folder search window: a drive list, a folder list, the folder shown and "Validate".
class OrbiterFolderSearchView : public QDialog {
    Q_OBJECT
public:
    explicit OrbiterFolderSearchView(OrbiterFolderSearch& window, QWidget* parent = nullptr);
};

} // namespace vantrel::desktop
