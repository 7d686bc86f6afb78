#include "binding/Binder.h"

#include "binding/ControlAdapter.h"
#include "binding/DisplayText.h"
#include "binding/KeyCodes.h"

#include "core/ui/Window.h"

#include <QEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTimer>

namespace vantrel::desktop {

struct Binder::Binding {
    std::unique_ptr<ControlAdapter> adapter;
    bool dirty = false;
    // Hands a person's action to the binder, which runs it and shows its outcome.
    ControlAdapter::Act act;
};

Binder::Binder(ui::Window& window, QWidget* root, QObject* parent)
    : QObject(parent), window_(window), root_(root) {
    if (root)
        root->setWindowTitle(toDisplay(window.caption()));
    for (ui::Control* control : window.controls()) {
        std::unique_ptr<ControlAdapter> adapter;
        if (root)
            adapter = makeAdapter(*control, root->findChildren<QObject*>(QString::fromStdString(control->name())));
        if (!adapter) {
            missing_.push_back(control->name());
            continue;
        }
        auto binding = std::make_unique<Binding>();
        Binding& b = *binding;
        b.adapter = std::move(adapter);
        b.act = [this, &b](const std::function<void()>& action) { userAction(b, action); };
        byControl_[control] = &b;
        byWidget_[b.adapter->widget()] = &b;
        bindings_.push_back(std::move(binding));
        control->setObserver(this);
        b.adapter->wire(*this, b.act, [this, &b](QObject* watched) {
            watched->installEventFilter(this);
            byWidget_[watched] = &b;
        });
        refresh(b);
    }
}

Binder::~Binder() {
    for (const auto& b : bindings_)
        if (b->adapter->control().observer() == this)
            b->adapter->control().setObserver(nullptr);
}

QObject* Binder::widgetOf(const std::string& controlName) const {
    for (const auto& b : bindings_)
        if (b->adapter->control().name() == controlName)
            return b->adapter->widget();
    return nullptr;
}

void Binder::controlChanged(ui::Control& control) {
    auto it = byControl_.find(&control);
    if (it != byControl_.end())
        markDirty(*it->second);
}

void Binder::markDirty(Binding& binding) {
    binding.dirty = true;
    if (flushQueued_ || userDepth_ > 0)
        return;
    flushQueued_ = true;
    QTimer::singleShot(0, this, [this] { flush(); });
}

void Binder::flush() {
    flushQueued_ = false;
    bool any = false;
    for (const auto& b : bindings_)
        if (b->dirty) {
            b->dirty = false;
            refresh(*b);
            any = true;
        }
    if (any)
        emit refreshed();
}

void Binder::userAction(Binding& binding, const std::function<void()>& action) {
    ++userDepth_;
    action();
    --userDepth_;
    // Whatever the handler did (or refused), the widget shows the control's state again.
    binding.dirty = true;
    if (userDepth_ == 0)
        flush();
}

void Binder::refresh(Binding& b) {
    QObject* widget = b.adapter->widget();
    if (!widget)
        return;
    const QSignalBlocker blocker(widget);
    b.adapter->refresh();
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    auto it = byWidget_.find(watched);
    if (it == byWidget_.end())
        return false;
    Binding& b = *it->second;
    if (event->type() == QEvent::Show) {
        b.adapter->shown(watched, b.act);
    } else if (event->type() == QEvent::KeyPress) {
        if (const int code = keyCodeOf(static_cast<const QKeyEvent&>(*event)))
            b.adapter->keyPress(watched, code, b.act);
    }
    return false;
}

} // namespace vantrel::desktop
