#pragma once

// The main window on screen: the menu bar, the file name line, the start picture and the three
// tabs, every widget named after its core control and bound to it.

#include <QMainWindow>
#include <QSize>

class QLabel;
class QTimer;

namespace vantrel {
class Vantrel;
}

namespace vantrel::desktop {

class Binder;

class MainWindowView : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindowView(Vantrel& main, QWidget* parent = nullptr);
    ~MainWindowView() override;

    static constexpr QSize defaultWindowSize{1200, 700};
    static constexpr QSize minimumWindowSize{800, 560};
    // How long the status bar tells what just happened.
    static constexpr int reportMilliseconds = 6000;
    // How long the window waits after the last refresh before it checks for unsaved changes.
    static constexpr int unsavedCheckMilliseconds = 250;

    Binder& binder() const { return *binder_; }

protected:
    // The close box goes through the Files / Exit command; the window closes only once the
    // program has unloaded it.
    void closeEvent(QCloseEvent* event) override;
    // A scenario file dropped on the window opens as File/Open would open it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The status bar: the edited file's path, shown after every refresh of the window and after
    // every report (once the action that reported is over), and its unsaved state, checked once
    // the person pauses: the check writes the whole scenario, which at 20,000 ships takes longer
    // than an edit should.
    void queueStatus();
    void showStatus();
    void showUnsaved();

    Vantrel& main_;
    QLabel* path_ = nullptr;
    QLabel* unsaved_ = nullptr;
    QLabel* format_ = nullptr;
    bool statusQueued_ = false;
    QTimer* unsavedCheck_ = nullptr;
    Binder* binder_ = nullptr;
};

} // namespace vantrel::desktop
