#include "services/QtServices.h"

#include "binding/Binder.h"
#include "binding/ViewRegistry.h"
#include "binding/DisplayText.h"

#include "core/ui/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <QWindow>

namespace vantrel::desktop {

namespace {

QWidget* activeParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

// A box shows the normal pointer even while the program is busy behind it.
class ArrowWhileAsking {
public:
    ArrowWhileAsking() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~ArrowWhileAsking() { QApplication::restoreOverrideCursor(); }
};

QString titleOf(const std::string& title) {
    return toDisplay(title.empty() ? std::string(ui::DefaultMessageTitle) : title);
}

} // namespace

int QtDialogs::msgBox(const std::string& text, int style, const std::string& title) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style & 0xF0) {
    case ui::MsgCritical:
        icon = QMessageBox::Critical;
        break;
    case 32:
        icon = QMessageBox::Question;
        break;
    case ui::MsgExclamation:
        icon = QMessageBox::Warning;
        break;
    case ui::MsgInformation:
        icon = QMessageBox::Information;
        break;
    default:
        break;
    }
    QMessageBox box(icon, titleOf(title), toDisplayLines(text), QMessageBox::NoButton, activeParent());
    box.setTextFormat(Qt::PlainText);
    QPushButton* first = nullptr;
    switch (style & 7) {
    case 1:
        first = box.addButton(QMessageBox::Ok);
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
        break;
    case 3:
        first = box.addButton(QMessageBox::Yes);
        box.addButton(QMessageBox::No);
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
        break;
    case 4:
        first = box.addButton(QMessageBox::Yes);
        box.setEscapeButton(box.addButton(QMessageBox::No));
        break;
    default:
        first = box.addButton(QMessageBox::Ok);
        box.setEscapeButton(first);
        break;
    }
    box.setDefaultButton(first);
    ArrowWhileAsking arrow;
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Cancel:
        return ui::AnswerCancel;
    case QMessageBox::Yes:
        return ui::AnswerYes;
    case QMessageBox::No:
        return ui::AnswerNo;
    default:
        return ui::AnswerOk;
    }
}

std::string QtDialogs::inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
    ArrowWhileAsking arrow;
    bool ok = false;
    const QString text = QInputDialog::getText(activeParent(), titleOf(title), toDisplayLines(prompt),
                                               QLineEdit::Normal, toDisplay(defaultText), &ok);
    return ok ? fromDisplay(text, defaultText) : std::string();
}

QtScreen::~QtScreen() { releaseViews(); }

QWidget* QtScreen::viewOf(ui::Window& window, bool make) {
    Entry& entry = views_[&window];
    if (entry.view || !make)
        return entry.view;
    QWidget* view = ViewRegistry::instance().make(window, nullptr);
    if (!view)
        return nullptr;
    entry.view = view;
    entry.hiddenByProgram = false;
    windowOfView_[view] = &window;
    view->installEventFilter(this);
    view->setEnabled(window.enabled());
    connect(view, &QObject::destroyed, this, [this, view] { windowOfView_.erase(view); });
    return view;
}

void QtScreen::place(QWidget* view) {
    if (!mainView_ || view == mainView_ || !mainView_->isVisible())
        return;
    view->winId();
    if (view->windowHandle() && mainView_->windowHandle())
        view->windowHandle()->setTransientParent(mainView_->windowHandle());
    view->adjustSize();
    QRect frame = view->frameGeometry();
    frame.moveCenter(mainView_->frameGeometry().center());
    view->move(frame.topLeft());
}

void QtScreen::showModal(ui::Window& window) {
    window.load();
    if (!window.loaded())
        return;
    QPointer<QWidget> view = viewOf(window, true);
    if (!view) {
        QMessageBox::warning(activeParent(), titleOf({}),
                             QStringLiteral("The window \"%1\" cannot be shown.").arg(toDisplay(window.caption())));
        return;
    }
    views_[&window].hiddenByProgram = false;
    place(view);
    if (auto* dialog = qobject_cast<QDialog*>(view.data())) {
        while (view && window.loaded() && !views_[&window].hiddenByProgram) {
            dialog->exec();
            // Closed by the person (close box, Escape): that unloads the window.
            if (view && window.loaded() && !views_[&window].hiddenByProgram)
                unload(window);
        }
        return;
    }
    // A view that is not a dialog is made modal for the time it is shown.
    view->setWindowModality(Qt::ApplicationModal);
    view->show();
    QEventLoop loop;
    connect(view, &QObject::destroyed, &loop, &QEventLoop::quit);
    auto finished = [&] { return !view || !window.loaded() || views_[&window].hiddenByProgram || !view->isVisible(); };
    while (!finished())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    if (view)
        view->setWindowModality(Qt::NonModal);
}

void QtScreen::showModeless(ui::Window& window) {
    window.load();
    if (!window.loaded())
        return;
    QWidget* view = viewOf(window, true);
    if (!view) {
        QMessageBox::warning(activeParent(), titleOf({}),
                             QStringLiteral("The window \"%1\" cannot be shown.").arg(toDisplay(window.caption())));
        return;
    }
    views_[&window].hiddenByProgram = false;
    if (!view->isVisible())
        place(view);
    view->show();
    view->raise();
    view->activateWindow();
}

void QtScreen::hide(ui::Window& window) {
    auto it = views_.find(&window);
    if (it == views_.end() || !it->second.view)
        return;
    it->second.hiddenByProgram = true;
    closingByProgram_ = true;
    it->second.view->hide();
    closingByProgram_ = false;
}

void QtScreen::closeView(ui::Window& window) {
    auto it = views_.find(&window);
    if (it == views_.end())
        return;
    QPointer<QWidget> view = it->second.view;
    views_.erase(it);
    if (!view)
        return;
    windowOfView_.erase(view);
    closingByProgram_ = true;
    view->close();
    closingByProgram_ = false;
    // Later: the person's action that unloaded the window may still be running in it.
    view->deleteLater();
}

void QtScreen::unload(ui::Window& window) {
    window.unload();
    closeView(window);
}

void QtScreen::setEnabled(ui::Window& window, bool enabled) {
    window.setEnabled(enabled);
    auto it = views_.find(&window);
    if (it != views_.end() && it->second.view)
        it->second.view->setEnabled(enabled);
}

void QtScreen::setBusy(bool busy) {
    if (busy) {
        ++busyDepth_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0) {
        --busyDepth_;
        QApplication::restoreOverrideCursor();
    }
}

void QtScreen::releaseViews() {
    while (!views_.empty()) {
        QPointer<QWidget> view = views_.begin()->second.view;
        views_.erase(views_.begin());
        if (view) {
            windowOfView_.erase(view);
            view->removeEventFilter(this);
            delete view;
        }
    }
    while (busyDepth_ > 0)
        setBusy(false);
}

bool QtScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Close || closingByProgram_)
        return false;
    auto it = windowOfView_.find(watched);
    if (it == windowOfView_.end())
        return false;
    ui::Window& window = *it->second;
    // Modal dialogs are unloaded when their exec() returns; a window shown without waiting is
    // unloaded when the person closes it. The main window decides for itself (its view asks).
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (watched == mainView_ || (dialog && dialog->isModal()))
        return false;
    if (window.loaded())
        QMetaObject::invokeMethod(this, [this, w = &window] { if (w->loaded()) unload(*w); }, Qt::QueuedConnection);
    return false;
}

bool QtLauncher::start(const std::string& program, const std::vector<std::string>& arguments, bool) {
    QStringList args;
    for (const auto& a : arguments)
        args.append(toDisplay(a));
    return QProcess::startDetached(toDisplay(program), args);
}

bool QtLauncher::openDocument(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toDisplay(path)));
}

bool QtLauncher::available(const std::string& program) {
    const QString name = toDisplay(program);
    if (name.contains(QLatin1Char('/'))) {
        const QFileInfo info(name);
        return info.isFile() && info.isExecutable();
    }
    return !QStandardPaths::findExecutable(name).isEmpty();
}

} // namespace vantrel::desktop
