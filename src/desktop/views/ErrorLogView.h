#pragma once

#include <QDialog>

namespace vantrel {
class ErrorLog;
}

namespace vantrel::desktop {

// "Error Log": the scan log of the last scenario read.
class ErrorLogView : public QDialog {
    Q_OBJECT
public:
    explicit ErrorLogView(ErrorLog& window, QWidget* parent = nullptr);
};

} // namespace vantrel::desktop
