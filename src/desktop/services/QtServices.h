#pragma once

// The program's services on a real screen: message and input boxes, windows shown through
// the views registered in the ViewRegistry, the busy pointer, and starting other programs.

#include "core/ui/Services.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <map>

namespace vantrel::desktop {

class QtDialogs : public ui::Dialogs {
public:
    // Styles 0, 16, 33, 36, 48, 64 with their buttons and icons; answers 1, 2, 6, 7. A box
    // without a title shows "Vantrel".
    int msgBox(const std::string& text, int style = ui::MsgOk, const std::string& title = {}) override;
    // The text typed, or an empty text when cancelled.
    std::string inputBox(const std::string& prompt, const std::string& title = {},
                         const std::string& defaultText = {}) override;
};

class QtScreen : public QObject, public ui::Screen {
    Q_OBJECT
public:
    QtScreen() = default;
    ~QtScreen() override;

    // Runs the window's load handler, then its dialog until the program unloads or hides it.
    // Closing the dialog with its close box or Escape unloads the window.
    void showModal(ui::Window& window) override;
    void showModeless(ui::Window& window) override;
    void hide(ui::Window& window) override;
    // Runs the unload handler and closes the view.
    void unload(ui::Window& window) override;
    void setEnabled(ui::Window& window, bool enabled) override;
    void setBusy(bool busy) override;

    // The view of a window, made through the registry when `make` is set and none exists yet.
    QWidget* viewOf(ui::Window& window, bool make = false);
    // The view other windows are centred on (the main window's).
    void setMainView(QWidget* view) { mainView_ = view; }
    // Closes and deletes every view at once; call before the core windows go away.
    void releaseViews();

private:
    struct Entry {
        QPointer<QWidget> view;
        bool hiddenByProgram = false;
    };
    bool eventFilter(QObject* watched, QEvent* event) override;
    void place(QWidget* view);
    void closeView(ui::Window& window);

    std::map<ui::Window*, Entry> views_;
    std::map<QObject*, ui::Window*> windowOfView_;
    QPointer<QWidget> mainView_;
    int busyDepth_ = 0;
    bool closingByProgram_ = false;
};

class QtLauncher : public ui::Launcher {
public:
    bool start(const std::string& program, const std::vector<std::string>& arguments,
               bool minimized = false) override;
    bool openDocument(const std::string& path) override;
    bool available(const std::string& program) override;
};

} // namespace vantrel::desktop
