#pragma once

// An adapter pairs one kind of core control with one kind of widget. It shows the control's
// state on the widget, forwards what a person does on the widget to the control, and takes the
// widget's key presses. The binder makes one adapter for every pair it binds and knows nothing
// of the kinds; a new kind of control is a new adapter and a line in makeAdapter().

#include "core/ui/Control.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QWidget;

namespace vantrel::desktop {

class ControlAdapter {
public:
    // Runs a person's action on the control, then shows its outcome at once (the binder does it).
    using Act = std::function<void(const std::function<void()>& action)>;
    // Sends the events of an object (the widget or a part of it) to keyPress() and shown().
    using Watch = std::function<void(QObject* watched)>;

    ControlAdapter(ui::Control& control, QObject& widget) : control_(control), widget_(&widget) {}
    virtual ~ControlAdapter() = default;
    ControlAdapter(const ControlAdapter&) = delete;
    ControlAdapter& operator=(const ControlAdapter&) = delete;

    ui::Control& control() const { return control_; }
    QObject* widget() const { return widget_; }

    // Shows the control's state on the widget. The widget's signals are blocked meanwhile, so
    // nothing written here looks like a person's action.
    virtual void refresh() = 0;
    // Connects the widget's signals to the control's user* methods. `receiver` owns the
    // connections.
    virtual void wire(QObject& receiver, const Act& act, const Watch& watch) = 0;
    // A key that stands for a key code (see KeyCodes.h) was pressed on a watched object.
    virtual void keyPress(QObject* watched, int code, const Act& act);
    // A watched object was shown.
    virtual void shown(QObject* watched, const Act& act);

protected:
    // Visibility, enabled state and tool tip, which every widget shows the same way.
    void refreshWidget(QWidget& widget) const;

    ui::Control& control_;
    QPointer<QObject> widget_;
};

// The adapter for a control and the first of the widgets named after it that suits the control's
// kind; nullptr when none does.
std::unique_ptr<ControlAdapter> makeAdapter(ui::Control& control, const QList<QObject*>& named);

} // namespace vantrel::desktop
