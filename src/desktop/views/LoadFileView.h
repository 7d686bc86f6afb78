#pragma once

#include <QDialog>

namespace vantrel {
class LoadFile;
}

namespace vantrel::desktop {

// "Load a scenario": the folder tree with its description, the scenario files with theirs.
class LoadFileView : public QDialog {
    Q_OBJECT
public:
    explicit LoadFileView(LoadFile& window, QWidget* parent = nullptr);
};

} // namespace vantrel::desktop
