#pragma once

#include <QDialog>

namespace vantrel {
class DeleteFile;
}

namespace vantrel::desktop {

// "Delete a scenario file": browse the tree and delete scenario files one at a time.
class DeleteFileView : public QDialog {
    Q_OBJECT
public:
    explicit DeleteFileView(DeleteFile& window, QWidget* parent = nullptr);
};

} // namespace vantrel::desktop
