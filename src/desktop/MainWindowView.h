#pragma once

// The main window on screen: the menu bar, the file name line, the start picture and the three
// tabs, every widget named after its core control and bound to it.

#include <QMainWindow>
#include <QSize>

namespace vantrel {
class Vantrel;
}

namespace vantrel::desktop {

class Binder;

class MainWindowView : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindowView(Vantrel& main, QWidget* parent = nullptr);

    static constexpr QSize defaultWindowSize{1200, 700};
    static constexpr QSize minimumWindowSize{800, 560};

    Binder& binder() const { return *binder_; }

protected:
    // The close box goes through the Files / Exit command; the window closes only once the
    // program has unloaded it.
    void closeEvent(QCloseEvent* event) override;
    // A scenario file dropped on the window opens as File/Open would open it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Vantrel& main_;
    Binder* binder_ = nullptr;
};

} // namespace vantrel::desktop
