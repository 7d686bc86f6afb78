#pragma once

#include <QDialog>

namespace vantrel {
class About;
}

namespace vantrel::desktop {

// The About box: our picture, the program's name, its makers and how to reach them.
class AboutView : public QDialog {
    Q_OBJECT
public:
    explicit AboutView(About& window, QWidget* parent = nullptr);
};

} // namespace vantrel::desktop
