#pragma once

// The binder pairs every control of a core window with the widget of the same object name
// and keeps the two in step:
//
//  - a core change marks the widget dirty; dirty widgets are refreshed once per turn of the
//    event loop (filling a tree of 40,000 nodes is one refresh), and at once after a person's
//    action, so the screen answers the keystroke that caused it;
//  - while the binder writes to a widget its signals are blocked, so writing never looks like
//    a person's action;
//  - a person's action calls the control's user* method, which raises the control's event once.
//
// Pairs, by control kind:
//   Label ↔ QLabel            Button ↔ QPushButton/QAbstractButton   MenuItem ↔ QAction
//   TextField ↔ QLineEdit or QPlainTextEdit (multi-line)               Frame ↔ QGroupBox
//   ComboBox ↔ QComboBox (editable or not)    ListBox ↔ QListWidget    CheckBox ↔ QCheckBox
//   OptionButton ↔ QRadioButton  Slider ↔ QSlider  MonthCalendar ↔ QCalendarWidget
//   TabControl ↔ QTabWidget   TreeView ↔ QTreeWidget   Image ↔ QLabel (shows a picture)
//   DriveList ↔ QComboBox     FolderList ↔ QListWidget  FileList ↔ QListWidget
// A menu title (a MenuItem whose items form a menu) pairs with the QMenu's menuAction(): give
// that action the control's name.
//
// Writing the view of a window:
//
//   1. Build the form, in a Qt Designer .ui file or in code. Give every widget the object name
//      of its control (QObject::setObjectName("Command1")). Static texts that are not controls
//      need no name. Captions, tool tips, items and visibility come from the core; whatever the
//      form says about them is overwritten when it is bound.
//   2. Bind it: `new Binder(window, root, root);` (the binder lives as long as the form).
//      Every control of the window must find its widget; missingControls() lists the ones that
//      did not (tests check that it is empty).
//   3. Register a factory so the screen service can show the window by name:
//
//        ViewRegistry::instance().add("LoadFile", [](ui::Window& w, QWidget* parent) {
//            auto* dialog = new QDialog(parent);
//            Ui::LoadFile form;
//            form.setupUi(dialog);
//            new Binder(w, dialog, dialog);
//            return dialog;
//        });
//
//   A modal window is a QDialog; closing it with its close box unloads the core window.
//
// Pictures: an Image control shows the resource ":/pictures/<picture>.png"; tree node images
// 1..7 (planet, moon, station, base, landing pad, dock port, ship) are ":/pictures/tree<N>.png".

#include "core/ui/Control.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QIcon;

namespace vantrel::ui {
class Window;
}

namespace vantrel::desktop {

class Binder : public QObject, private ui::ControlObserver {
    Q_OBJECT
public:
    // Binds every control of `window` to the child of `root` (or a QAction under it) of the same
    // object name, and shows the controls' current state at once.
    Binder(ui::Window& window, QWidget* root, QObject* parent = nullptr);
    ~Binder() override;

    ui::Window& window() const { return window_; }
    QWidget* root() const { return root_; }
    // The names of the controls that found no widget of their kind.
    const std::vector<std::string>& missingControls() const { return missing_; }
    // The widget (or action) bound to a control, or nullptr.
    QObject* widgetOf(const std::string& controlName) const;

    // Refreshes every dirty widget now.
    void flush();

signals:
    // Some widgets were refreshed: the core changed, or a person acted.
    void refreshed();

public:
    // The picture of a tree node image (1..7) and of a named picture.
    static QIcon treeIcon(int image);
    static QString picturePath(const std::string& picture);

private:
    struct Binding;

    void controlChanged(ui::Control& control) override;
    void markDirty(Binding& binding);
    void refresh(Binding& binding);
    void connectUser(Binding& binding);
    // Runs a person's action on a control, then shows its outcome at once.
    void userAction(Binding& binding, const std::function<void()>& action);
    bool eventFilter(QObject* watched, QEvent* event) override;

    ui::Window& window_;
    QPointer<QWidget> root_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    std::map<const ui::Control*, Binding*> byControl_;
    std::map<const QObject*, Binding*> byWidget_;
    std::vector<std::string> missing_;
    bool flushQueued_ = false;
    int userDepth_ = 0;
};

// Window name → the factory that makes its view. The Qt screen service shows any window of the
// program by name through it; each view registers itself at start-up.
class ViewRegistry {
public:
    using Factory = std::function<QWidget*(ui::Window& window, QWidget* parent)>;

    static ViewRegistry& instance();
    void add(const std::string& windowName, Factory factory);
    bool has(const std::string& windowName) const;
    // Makes the view of a window; nullptr when none is registered under its name.
    QWidget* make(ui::Window& window, QWidget* parent) const;

private:
    std::map<std::string, Factory> factories_;
};

} // namespace vantrel::desktop
