#pragma once

#include <QDialog>

namespace vantrel {
class SaveAs;
}

namespace vantrel::desktop {

// "Save the scenario file as ...": a folder, the files already there and the name to save under.
class SaveAsView : public QDialog {
    Q_OBJECT
public:
    explicit SaveAsView(SaveAs& window, QWidget* parent = nullptr);
};

} // namespace vantrel::desktop
