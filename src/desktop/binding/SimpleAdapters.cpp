// Adapters of the controls that show a caption or a value and answer a click or a move.

#include "binding/Adapters.h"

#include "binding/DisplayText.h"
#include "binding/OrbitPictureWidget.h"
#include "binding/Pictures.h"

#include "core/ui/Controls.h"
#include "core/ui/OrbitPicture.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QRadioButton>
#include <QTabWidget>

namespace vantrel::desktop {

namespace {
// Days since 1899-12-30, the calendar's count.
const QDate dayZero(1899, 12, 30);
} // namespace

void LabelAdapter::refresh() {
    refreshWidget(*w());
    // A caption of several lines (a description shown read-only) holds CR LF, as the files do.
    w()->setText(toDisplayLines(ctl().caption()));
}

void LabelAdapter::wire(QObject&, const Act&, const Watch&) { w()->setTextFormat(Qt::PlainText); }

void ImageAdapter::refresh() {
    refreshWidget(*w());
    if (!w()->pixmap().isNull())
        return;
    QPixmap picture(picturePath(ctl().picture()));
    if (!picture.isNull())
        w()->setPixmap(picture);
}

void ImageAdapter::wire(QObject&, const Act&, const Watch&) {}

void OrbitPictureAdapter::refresh() {
    refreshWidget(*w());
    w()->setDrawing(ctl().drawing());
}

void OrbitPictureAdapter::wire(QObject&, const Act&, const Watch&) {}

void ButtonAdapter::refresh() {
    refreshWidget(*w());
    w()->setText(toDisplay(ctl().caption()));
}

void ButtonAdapter::wire(QObject& receiver, const Act& act, const Watch&) {
    auto& button = ctl();
    QObject::connect(w(), &QAbstractButton::clicked, &receiver, [act, &button] { act([&button] { button.userClick(); }); });
}

void MenuItemAdapter::refresh() {
    // An action is no widget: it shows its own visibility, state and tool tip.
    QAction* action = w();
    auto& item = ctl();
    if (item.isSeparator())
        action->setSeparator(true);
    else
        action->setText(toDisplay(item.caption()));
    action->setVisible(item.visible());
    action->setEnabled(item.enabled());
    if (!item.toolTip().empty())
        action->setToolTip(toDisplay(item.toolTip()));
}

void MenuItemAdapter::wire(QObject& receiver, const Act& act, const Watch&) {
    auto& item = ctl();
    QObject::connect(w(), &QAction::triggered, &receiver, [act, &item] { act([&item] { item.userClick(); }); });
}

void FrameAdapter::refresh() {
    refreshWidget(*w());
    w()->setTitle(toDisplay(ctl().caption()));
}

void FrameAdapter::wire(QObject&, const Act&, const Watch&) {}

void CheckBoxAdapter::refresh() {
    refreshWidget(*w());
    w()->setText(toDisplay(ctl().caption()));
    w()->setChecked(ctl().value() != 0);
}

void CheckBoxAdapter::wire(QObject& receiver, const Act& act, const Watch&) {
    auto& check = ctl();
    QObject::connect(w(), &QCheckBox::clicked, &receiver, [act, &check] { act([&check] { check.userToggle(); }); });
}

void OptionButtonAdapter::refresh() {
    refreshWidget(*w());
    w()->setText(toDisplay(ctl().caption()));
    w()->setChecked(ctl().value());
}

void OptionButtonAdapter::wire(QObject& receiver, const Act& act, const Watch&) {
    // The core keeps the options of a frame exclusive, and may clear them all.
    w()->setAutoExclusive(false);
    auto& option = ctl();
    QObject::connect(w(), &QRadioButton::clicked, &receiver,
                     [act, &option] { act([&option] { option.userSelect(); }); });
}

void SliderAdapter::refresh() {
    refreshWidget(*w());
    w()->setRange(ctl().min(), ctl().max());
    w()->setValue(ctl().value());
}

void SliderAdapter::wire(QObject& receiver, const Act& act, const Watch&) {
    auto& slider = ctl();
    QObject::connect(w(), &QAbstractSlider::valueChanged, &receiver,
                     [act, &slider](int v) { act([&slider, v] { slider.userSetValue(v); }); });
}

void CalendarAdapter::refresh() {
    QCalendarWidget* calendar = w();
    refreshWidget(*calendar);
    const auto& date = ctl().date();
    if (date) {
        const QDate day = dayZero.addDays(*date);
        calendar->setSelectedDate(day);
        calendar->setCurrentPage(day.year(), day.month());
        calendar->setPalette(QPalette());
    } else {
        // No date: the selection is drawn like any other day, so nothing looks chosen.
        QPalette neutral = QApplication::palette(calendar);
        neutral.setColor(QPalette::Highlight, neutral.color(QPalette::Base));
        neutral.setColor(QPalette::HighlightedText, neutral.color(QPalette::Text));
        calendar->setPalette(neutral);
    }
}

void CalendarAdapter::wire(QObject& receiver, const Act& act, const Watch&) {
    QCalendarWidget* calendar = w();
    auto& cal = ctl();
    auto pick = [act, &cal](QDate day) {
        const int date = static_cast<int>(dayZero.daysTo(day));
        if (cal.date() != date)
            act([&cal, date] { cal.userSetDate(date); });
    };
    QObject::connect(calendar, &QCalendarWidget::clicked, &receiver, pick);
    QObject::connect(calendar, &QCalendarWidget::selectionChanged, &receiver,
                     [pick, calendar] { pick(calendar->selectedDate()); });
}

void TabsAdapter::refresh() {
    QTabWidget* tabs = w();
    refreshWidget(*tabs);
    const auto& captions = ctl().tabs();
    for (int i = 0; i < tabs->count() && i < static_cast<int>(captions.size()); ++i)
        tabs->setTabText(i, toDisplay(captions[static_cast<size_t>(i)]));
    tabs->setCurrentIndex(ctl().currentTab());
}

void TabsAdapter::wire(QObject& receiver, const Act& act, const Watch&) {
    auto& tabs = ctl();
    QObject::connect(w(), &QTabWidget::currentChanged, &receiver,
                     [act, &tabs](int tab) { act([&tabs, tab] { tabs.userSetCurrentTab(tab); }); });
}

} // namespace vantrel::desktop
