#include "views/FormExport.h"

#include "binding/OrbitPictureWidget.h"
#include "binding/ViewRegistry.h"
#include "views/MainWindowView.h"
#include "views/Views.h"

#include "core/app/MainMenu.h"
#include "core/app/Vantrel.h"
#include "core/app/Windows.h"
#include "core/ui/ScriptedServices.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QSlider>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace vantrel::desktop {

namespace {

constexpr const char* turnProperty = "vantrelTurn";

// The kind of widget the description names, or an empty text for a widget it leaves out.
std::string widgetKind(const QWidget* w, const ui::Control* control) {
    if (qobject_cast<const OrbitPictureWidget*>(w))
        return "orbit";
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        if (!control)
            return label->text().isEmpty() ? std::string() : "static";
        if (control->kind() == ui::ControlKind::Image)
            return "image";
        if (label->wordWrap())
            return "note";
        return label->frameShape() != QFrame::NoFrame ? "value" : "label";
    }
    if (!control)
        return qobject_cast<const QGroupBox*>(w) ? "group" : std::string();
    if (qobject_cast<const QLineEdit*>(w))
        return "edit";
    if (qobject_cast<const QPlainTextEdit*>(w))
        return "text";
    if (auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->isEditable() ? "combo-edit" : "combo";
    if (qobject_cast<const QListWidget*>(w))
        return "list";
    if (qobject_cast<const QCheckBox*>(w))
        return "check";
    if (qobject_cast<const QRadioButton*>(w))
        return "option";
    if (qobject_cast<const QPushButton*>(w))
        return "button";
    if (qobject_cast<const QSlider*>(w))
        return "slider";
    if (qobject_cast<const QCalendarWidget*>(w))
        return "calendar";
    if (qobject_cast<const QTabWidget*>(w))
        return "tabs";
    if (qobject_cast<const QTreeWidget*>(w))
        return "tree";
    if (qobject_cast<const QGroupBox*>(w))
        return "group";
    return {};
}

// Widgets whose insides are their own business.
bool opaque(const QWidget* w) {
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QCalendarWidget*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const OrbitPictureWidget*>(w);
}

bool laidOut(const QLayout* layout, const QWidget* w) {
    if (!layout)
        return false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w || laidOut(item->layout(), w))
            return true;
    }
    return false;
}

struct Found {
    QWidget* widget;
    std::string kind;
    std::string name;
    // The tab control and page the widget lies on, or none.
    QTabWidget* tabs = nullptr;
    int page = -1;
    // Never shown: a named value kept out of every layout.
    bool holder = false;
    // The innermost widget taking turns that holds it (itself included), or none.
    QWidget* turn = nullptr;
    // The frame that holds it, or none.
    QWidget* frame = nullptr;
};

class Walker {
public:
    Walker(const ui::Window& window, QWidget* root) : window_(window), root_(root) {}

    std::vector<Found> walk() {
        visit(root_, nullptr, -1, nullptr, false, nullptr);
        return std::move(found_);
    }

private:
    void visit(QWidget* w, QTabWidget* tabs, int page, QWidget* turn, bool holder, QWidget* frame) {
        for (QObject* child : w->children()) {
            auto* c = qobject_cast<QWidget*>(child);
            if (!c || c->isWindow())
                continue;
            const std::string name = c->objectName().toStdString();
            const ui::Control* control = name.empty() ? nullptr : window_.control(name);
            QWidget* cTurn = c->property(turnProperty).isValid() ? c : turn;
            const bool cHolder = holder || (c->isHidden() && !laidOut(w->layout(), c) && !control);
            const std::string kind = widgetKind(c, control);
            const bool hiddenValue = control && c->isHidden() && !laidOut(w->layout(), c);
            if (!kind.empty())
                found_.push_back({c, kind, control ? name : std::string(), tabs, page, cHolder || hiddenValue, cTurn, frame});
            if (auto* t = qobject_cast<QTabWidget*>(c)) {
                for (int i = 0; i < t->count(); ++i)
                    visitPage(t->widget(i), t, i, cTurn, cHolder);
                continue;
            }
            if (auto* area = qobject_cast<QScrollArea*>(c)) {
                if (area->widget())
                    visitPage(area->widget(), tabs, page, cTurn, cHolder);
                continue;
            }
            if (!opaque(c))
                visit(c, tabs, page, cTurn, cHolder, kind == "group" ? c : frame);
        }
    }

    void visitPage(QWidget* page, QTabWidget* tabs, int index, QWidget* turn, bool holder) {
        if (auto* area = qobject_cast<QScrollArea*>(page)) {
            if (area->widget())
                visit(area->widget(), tabs, index, turn, holder, nullptr);
        } else {
            visit(page, tabs, index, turn, holder, nullptr);
        }
    }

    const ui::Window& window_;
    QWidget* root_;
    std::vector<Found> found_;
};

std::pair<std::string, std::string> turnOf(const QWidget* w) {
    const QString value = w->property(turnProperty).toString();
    const qsizetype slash = value.indexOf(QLatin1Char('/'));
    return {value.left(slash).toStdString(), value.mid(slash + 1).toStdString()};
}

void settle(QWidget* root) {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        if (root->layout())
            root->layout()->activate();
        for (QLayout* layout : root->findChildren<QLayout*>())
            layout->activate();
    }
}

} // namespace

ui::FormDescription describeForm(const ui::Window& window, QWidget* root) {
    ui::FormDescription form;
    form.window = window.name();
    std::vector<Found> found = Walker(window, root).walk();

    // Every control shown, so that each has its place; then the widgets taking turns, one turn
    // of each place at a time.
    std::map<std::string, std::vector<QWidget*>> places;
    for (const Found& f : found) {
        if (f.holder)
            continue;
        if (f.widget->property(turnProperty).isValid())
            places[turnOf(f.widget).first].push_back(f.widget);
        else if (f.widget->isHidden())
            f.widget->show();
    }
    for (const auto& [place, members] : places)
        for (QWidget* m : members)
            m->setVisible(turnOf(m).second == turnOf(members.front()).second);

    auto showTurn = [&](QWidget* turn) {
        // The turns of the places that hold this one, then this one.
        std::vector<QWidget*> chain;
        for (QWidget* w = turn; w && w != root; w = w->parentWidget())
            if (w->property(turnProperty).isValid())
                chain.insert(chain.begin(), w);
        for (QWidget* t : chain) {
            const auto [place, which] = turnOf(t);
            for (QWidget* m : places[place])
                m->setVisible(turnOf(m).second == which);
        }
    };

    std::map<const QWidget*, ui::FormItem> items;
    auto record = [&](QWidget* turn) {
        std::set<QTabWidget*> tabControls;
        for (const Found& f : found)
            if (f.tabs)
                tabControls.insert(f.tabs);
        auto take = [&](QTabWidget* tabs, int page) {
            for (const Found& f : found) {
                if (f.turn != turn || f.tabs != tabs || (tabs && f.page != page) || items.count(f.widget))
                    continue;
                ui::FormItem item{f.kind, f.name, {}, 0, 0, 0, 0, {}, {}};
                if (f.frame && !f.holder)
                    item.frame = f.frame->objectName().toStdString();
                if (f.holder) {
                    item.place = "-";
                } else {
                    QWidget* base = tabs ? tabs->widget(page) : root;
                    const QPoint at = f.widget->mapTo(base, QPoint(0, 0));
                    item.x = at.x();
                    item.y = at.y();
                    item.width = f.widget->width();
                    item.height = f.widget->height();
                    if (tabs)
                        item.place = tabs->objectName().toStdString() + ':' + std::to_string(page);
                }
                if (f.kind == "static")
                    item.text = static_cast<QLabel*>(f.widget)->text().toStdString();
                items[f.widget] = item;
            }
        };
        settle(root);
        take(nullptr, -1);
        for (QTabWidget* tabs : tabControls)
            for (int page = 0; page < tabs->count(); ++page) {
                tabs->setCurrentIndex(page);
                settle(root);
                take(tabs, page);
            }
    };

    record(nullptr);
    for (const auto& [place, members] : places)
        for (QWidget* m : members) {
            showTurn(m);
            record(m);
        }

    for (const Found& f : found)
        if (auto it = items.find(f.widget); it != items.end())
            form.items.push_back(it->second);
    form.width = root->width();
    form.height = root->height();
    return form;
}

std::vector<ui::Window*> programWindows(Vantrel& main) {
    std::vector<ui::Window*> windows{&main};
    for (ui::Window* window : main.windows().all())
        windows.push_back(window);
    return windows;
}

bool exportForms(const QString& path, const QString& scenario, QString& error) {
    registerViews();
    ui::ScriptedDialogs dialogs;
    ui::ScriptedScreen screen;
    ui::ScriptedLauncher launcher;
    Vantrel::Options options;
    // With a scenario open, the labels have their captions and the lists their entries, and Qt
    // gives them the room they take.
    QTemporaryDir settings;
    if (!scenario.isEmpty()) {
        const QString installation = QFileInfo(scenario).absoluteDir().absolutePath();
        const qsizetype cut = installation.lastIndexOf(QStringLiteral("/Scenarios"));
        QFile cfg(QDir(settings.path()).filePath(QStringLiteral("vantrel.cfg")));
        if (cut < 0 || !cfg.open(QIODevice::WriteOnly)) {
            error = QStringLiteral("%1 is not in the Scenarios folder of an installation").arg(scenario);
            return false;
        }
        cfg.write(installation.left(cut).toUtf8() + "\r\n");
        cfg.close();
        options.startFolder = settings.path().toStdString();
    }
    Vantrel main(ui::Services{dialogs, screen, launcher}, options);
    if (!scenario.isEmpty()) {
        main.load();
        if (!main.loaded() || !main.mainMenu().openFile(QFileInfo(scenario).absoluteFilePath().toStdString())) {
            error = QStringLiteral("could not open %1").arg(scenario);
            return false;
        }
    }
    std::string text;
    for (ui::Window* window : programWindows(main)) {
        std::unique_ptr<QWidget> view(ViewRegistry::instance().make(*window, nullptr));
        if (!view) {
            error = QStringLiteral("no view for the window %1").arg(QString::fromStdString(window->name()));
            return false;
        }
        view->setAttribute(Qt::WA_DontShowOnScreen);
        view->show();
        settle(view.get());
        QWidget* root = view.get();
        if (auto* mainView = qobject_cast<QMainWindow*>(root))
            root = mainView->centralWidget();
        text += ui::writeForm(describeForm(*window, root));
        view->hide();
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.data(), qint64(text.size())) != qint64(text.size()) ||
        !out.commit()) {
        error = QStringLiteral("could not write %1: %2").arg(path, out.errorString());
        return false;
    }
    return true;
}

} // namespace vantrel::desktop
