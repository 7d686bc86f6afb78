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
// Which widget suits which kind of control: binding/Adapters.h. A menu title (a MenuItem whose
// items form a menu) pairs with the QMenu's menuAction(): give that action the control's name.
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
//   3. Register a factory (binding/ViewRegistry.h) so the screen service can show the window
//      by name:
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
// Pictures: binding/Pictures.h.

#include "core/ui/Control.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vantrel::ui {
class Window;
}

namespace vantrel::desktop {

class ControlAdapter;

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

private:
    struct Binding;

    void controlChanged(ui::Control& control) override;
    void markDirty(Binding& binding);
    void refresh(Binding& binding);
    // Runs a person's action on a control, then shows its outcome at once.
    void userAction(Binding& binding, const std::function<void()>& action);
    bool eventFilter(QObject* watched, QEvent* event) override;

    ui::Window& window_;
    QPointer<QWidget> root_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    std::map<const ui::Control*, Binding*> byControl_;
    // Every watched object (a widget or a part of it, such as a drop-down's popup) → its binding.
    std::map<const QObject*, Binding*> byWidget_;
    std::vector<std::string> missing_;
    bool flushQueued_ = false;
    int userDepth_ = 0;
};

} // namespace vantrel::desktop
