#include "views/MainWindowView.h"

#include "binding/Binder.h"
#include "binding/DisplayText.h"
#include "binding/OrbitPictureWidget.h"

#include "core/app/MainMenu.h"
#include "core/app/ScenarioFindings.h"
#include "core/app/Vantrel.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <map>
#include <string>

namespace vantrel::desktop {

namespace {

template <typename W> W* named(const char* name, QWidget* parent = nullptr) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A label that shows a value: sunken, so it reads as a field.
QLabel* valueLabel(const char* name) {
    auto* label = named<QLabel>(name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(140);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* caption(const char* name, QWidget* buddy = nullptr) {
    auto* label = named<QLabel>(name);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QLineEdit* numberField(const char* name) {
    auto* edit = named<QLineEdit>(name);
    edit->setMinimumWidth(120);
    return edit;
}

QComboBox* dropDown(const char* name, bool editable = false) {
    auto* combo = named<QComboBox>(name);
    combo->setEditable(editable);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(12);
    if (editable) {
        combo->setInsertPolicy(QComboBox::NoInsert);
        // The edit text is the name being typed for the row shown. Completing it into another
        // entry's name, or picking the entry of that name on Enter or when the field loses the
        // focus, would show that other row and drop every unvalidated edit of this one.
        combo->setCompleter(nullptr);
        QObject::disconnect(combo->lineEdit(), &QLineEdit::returnPressed, combo, nullptr);
        QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
    }
    return combo;
}

QCalendarWidget* calendar(const char* name) {
    auto* cal = named<QCalendarWidget>(name);
    cal->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    cal->setGridVisible(true);
    cal->setMaximumSize(320, 220);
    return cal;
}

QSlider* slider(const char* name) {
    auto* s = named<QSlider>(name);
    s->setOrientation(Qt::Horizontal);
    s->setMinimumWidth(160);
    return s;
}

QTreeWidget* tree(const char* name) {
    auto* t = named<QTreeWidget>(name);
    t->setHeaderHidden(true);
    t->setColumnCount(1);
    t->setUniformRowHeights(true);
    t->setMinimumSize(240, 200);
    return t;
}

// Tab walks the named widgets of a page in the given order, the way a person fills the tab in.
void chainTabOrder(QWidget* page, std::initializer_list<const char*> names) {
    QWidget* previous = nullptr;
    for (const char* name : names) {
        auto* w = page->findChild<QWidget*>(QString::fromLatin1(name));
        if (!w)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

// A tab page inside a scroll area: below its natural size the page scrolls instead of being
// squeezed, and its size never pushes the window to grow.
QWidget* scrolled(QWidget* page) {
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    return area;
}

// Hidden controls that serve as named values and working lists.
void addHidden(QWidget* holder, QWidget* w) {
    w->setParent(holder);
    w->hide();
}

// Three fields X, Y, Z in a frame.
QGroupBox* xyzFrame(const char* frame, const char* lx, const char* x, const char* ly, const char* y, const char* lz,
                    const char* z) {
    auto* box = named<QGroupBox>(frame);
    auto* grid = new QGridLayout(box);
    const std::pair<const char*, const char*> rows[] = {{lx, x}, {ly, y}, {lz, z}};
    int r = 0;
    for (auto [label, field] : rows) {
        auto* edit = numberField(field);
        grid->addWidget(caption(label, edit), r, 0);
        grid->addWidget(edit, r, 1);
        ++r;
    }
    return box;
}

QWidget* environmentTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* frame1 = named<QGroupBox>("Frame1");
    auto* f1 = new QVBoxLayout(frame1);
    auto* description = named<QPlainTextEdit>("Description");
    description->setTabChangesFocus(true);
    f1->addWidget(description);
    auto* html = valueLabel("DescriptionHtml");
    html->setWordWrap(true);
    html->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    f1->addWidget(html);
    auto* note = named<QLabel>("DescriptionHtmlNote");
    note->setWordWrap(true);
    f1->addWidget(note);
    layout->addWidget(frame1, 1);

    auto* row = new QHBoxLayout;
    auto* frame2 = named<QGroupBox>("Frame2");
    auto* f2 = new QGridLayout(frame2);
    f2->addWidget(calendar("Calendar"), 0, 0, 1, 4);
    auto* hour = dropDown("Hour");
    hour->setMinimumContentsLength(3);
    auto* minute = dropDown("Minute");
    minute->setMinimumContentsLength(3);
    f2->addWidget(hour, 1, 0);
    f2->addWidget(new QLabel(QStringLiteral("h")), 1, 1);
    f2->addWidget(minute, 1, 2);
    f2->addWidget(new QLabel(QStringLiteral("mn")), 1, 3);
    f2->setColumnStretch(3, 1);
    f2->setRowStretch(2, 1);
    row->addWidget(frame2);

    auto* frame3 = named<QGroupBox>("Frame3");
    auto* f3 = new QGridLayout(frame3);
    auto* system = dropDown("PlanetarySystem");
    f3->addWidget(caption("Label1", system), 0, 0);
    f3->addWidget(system, 0, 1);
    f3->addWidget(named<QCheckBox>("Check2"), 0, 2);
    f3->addWidget(caption("Label2"), 1, 0);
    f3->addWidget(valueLabel("ShipFocus"), 1, 1);
    auto* possible = dropDown("PossibleShipFocus");
    f3->addWidget(caption("Label3", possible), 2, 0);
    f3->addWidget(possible, 2, 1);
    f3->addWidget(named<QPushButton>("Command7"), 2, 2);
    f3->setColumnStretch(1, 1);
    f3->setRowStretch(3, 1);
    row->addWidget(frame3, 1);
    layout->addLayout(row, 0);
    return page;
}

QWidget* stationTab() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);

    auto* head = new QGridLayout;
    auto* name = dropDown("StationName", true);
    head->addWidget(caption("Label10", name), 0, 0);
    head->addWidget(name, 0, 1);
    head->addWidget(caption("Label11"), 1, 0);
    head->addWidget(valueLabel("StationClassName"), 1, 1);
    auto* cls = dropDown("StationClass");
    head->addWidget(caption("Label12", cls), 2, 0);
    head->addWidget(cls, 2, 1);
    head->addWidget(named<QPushButton>("Command9"), 2, 2);
    head->addWidget(caption("Label13"), 3, 0);
    head->addWidget(valueLabel("StationRefPlanet"), 3, 1);
    auto* ref = dropDown("StationRef");
    head->addWidget(caption("Label14", ref), 4, 0);
    head->addWidget(ref, 4, 1);
    head->addWidget(named<QPushButton>("Command8"), 4, 2);
    head->setColumnStretch(1, 1);
    layout->addLayout(head, 0, 0);

    auto* frame4 = named<QGroupBox>("Frame4");
    auto* f4 = new QHBoxLayout(frame4);
    f4->addWidget(numberField("StationRotationFrequency"));
    f4->addWidget(named<QCheckBox>("Check1"));
    f4->addStretch();

    auto* frame5 = xyzFrame("Frame5", "Label15", "StationXAngle", "Label16", "StationYAngle", "Label17",
                            "StationZAngle");
    auto* left = new QVBoxLayout;
    left->addWidget(frame4);
    left->addWidget(frame5);
    auto* stationNote = named<QLabel>("StationNote");
    stationNote->setWordWrap(true);
    left->addWidget(stationNote);

    auto* frame7 = named<QGroupBox>("Frame7");
    auto* f7 = new QVBoxLayout(frame7);
    f7->addWidget(named<QPushButton>("Command1"));
    f7->addWidget(named<QPushButton>("Command2"));
    f7->addWidget(named<QPushButton>("Command3"));
    left->addWidget(frame7);
    left->addStretch();
    layout->addLayout(left, 1, 0);

    auto* frame6 = named<QGroupBox>("Frame6");
    auto* f6 = new QGridLayout(frame6);
    const std::pair<const char*, const char*> elements[] = {
        {"Label18", "StationSemiMajorAxis"},          {"Label19", "StationExcentricity"},
        {"Label20", "StationInclination"},            {"Label21", "StationAscendingNodeLongitude"},
        {"Label22", "StationPeriapsisLongitude"},     {"Label23", "StationMeanLongitude"}};
    int r = 0;
    for (auto [label, field] : elements) {
        auto* edit = numberField(field);
        f6->addWidget(caption(label, edit), r, 0);
        f6->addWidget(edit, r, 1, 1, 4);
        ++r;
    }
    f6->addWidget(caption("Label24"), r++, 0, 1, 5);
    f6->addWidget(calendar("StationOrbitalRefTime"), r++, 0, 1, 5);
    auto* hour = dropDown("StationOrbitalRefHour");
    hour->setMinimumContentsLength(3);
    auto* minute = dropDown("StationOrbitalRefMin");
    minute->setMinimumContentsLength(3);
    // Hour and minute sit together under the calendar, not stretched to the field column.
    auto* time = new QHBoxLayout;
    time->addWidget(hour);
    time->addWidget(caption("Label25", hour));
    time->addWidget(minute);
    time->addWidget(caption("Label26", minute));
    time->addStretch();
    f6->addLayout(time, r, 0, 1, 5);
    f6->setColumnStretch(4, 1);
    f6->setRowStretch(r + 1, 1);
    layout->addWidget(frame6, 0, 1, 2, 1);
    layout->setColumnStretch(1, 1);
    // The orbit the elements give, beside them.
    layout->addWidget(named<OrbitPictureWidget>("StationOrbitPicture"), 0, 2, 2, 1);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(1, 1);

    addHidden(page, named<QLabel>("StationIndex"));
    // The fields first, from the name to the reference time; the action buttons last.
    chainTabOrder(page, {"StationName", "StationClass", "Command9", "StationRef", "Command8",
                         "StationRotationFrequency", "Check1", "StationXAngle", "StationYAngle", "StationZAngle",
                         "StationSemiMajorAxis", "StationExcentricity", "StationInclination",
                         "StationAscendingNodeLongitude", "StationPeriapsisLongitude", "StationMeanLongitude",
                         "StationOrbitalRefTime", "StationOrbitalRefHour", "StationOrbitalRefMin", "Command1",
                         "Command2", "Command3"});
    return page;
}

QWidget* shipTab() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);

    auto* head = new QGridLayout;
    auto* name = dropDown("ShipName", true);
    head->addWidget(caption("Label30", name), 0, 0);
    head->addWidget(name, 0, 1);
    head->addWidget(caption("Label31"), 1, 0);
    head->addWidget(valueLabel("ShipClass"), 1, 1);
    auto* spacecraft = dropDown("Spacecraft");
    head->addWidget(caption("Label32", spacecraft), 2, 0);
    head->addWidget(spacecraft, 2, 1);
    head->addWidget(named<QPushButton>("Command10"), 2, 2);
    head->setColumnStretch(1, 1);
    layout->addLayout(head, 0, 0);

    auto* actions = new QVBoxLayout;
    actions->addWidget(named<QPushButton>("Command4"));
    actions->addWidget(named<QPushButton>("Command5"));
    actions->addWidget(named<QPushButton>("Command6"));
    actions->addStretch();
    layout->addLayout(actions, 0, 1);

    auto* frame8 = named<QGroupBox>("Frame8");
    auto* f8 = new QVBoxLayout(frame8);
    f8->addWidget(caption("Label33"));
    f8->addWidget(named<QRadioButton>("LandedShipOption"));
    f8->addWidget(named<QRadioButton>("DockedShipOption"));
    f8->addWidget(named<QRadioButton>("OrbitingShipOption"));
    auto* shipNote = named<QLabel>("ShipNote");
    shipNote->setWordWrap(true);
    f8->addWidget(shipNote);

    auto* frame9 = named<QGroupBox>("Frame9");
    auto* f9 = new QGridLayout(frame9);
    const std::tuple<const char*, const char*, const char*> engines[] = {
        {"Label34", "ShipFuel", "ShipFuelSlider"},
        {"Label35", "MainEngineStatus", "MainEngineStatusSlider"},
        {"Label36", "HoverEngineStatus", "HoverEngineStatusSlider"}};
    int r = 0;
    for (auto [label, value, bar] : engines) {
        auto* s = slider(bar);
        f9->addWidget(caption(label, s), r, 0);
        auto* v = valueLabel(value);
        v->setMinimumWidth(70);
        f9->addWidget(v, r, 1);
        f9->addWidget(s, r, 2);
        ++r;
    }
    f9->setColumnStretch(2, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(frame8);
    left->addWidget(frame9);
    left->addStretch();
    layout->addLayout(left, 1, 0);

    // The three status frames share one place; only the frame of the ship's status shows, and it
    // takes the height of the tab so the trees show as many nodes as they can.
    auto* status = new QVBoxLayout;

    auto* landed = named<QGroupBox>("Landed");
    auto* fl = new QGridLayout(landed);
    fl->addWidget(caption("Label37"), 0, 0);
    fl->addWidget(valueLabel("ShipLandedPlanet"), 0, 1);
    fl->addWidget(caption("Label38"), 1, 0);
    fl->addWidget(valueLabel("ShipLandedBase"), 1, 1);
    fl->addWidget(caption("Label39"), 2, 0);
    fl->addWidget(valueLabel("ShipLandedPad"), 2, 1);
    auto* heading = numberField("ShipLandedHeading");
    fl->addWidget(caption("Label40", heading), 3, 0);
    fl->addWidget(heading, 3, 1);
    auto* longitude = numberField("ShipLandedLongitude");
    fl->addWidget(caption("Label56", longitude), 4, 0);
    fl->addWidget(longitude, 4, 1);
    auto* latitude = numberField("ShipLandedLatitude");
    fl->addWidget(caption("Label57", latitude), 5, 0);
    fl->addWidget(latitude, 5, 1);
    // Today's files: on a pad, or at the coordinates of POS.
    auto* landing = new QVBoxLayout;
    landing->addWidget(named<QRadioButton>("ShipPadOption"));
    landing->addWidget(named<QRadioButton>("ShipCoordinatesOption"));
    fl->addLayout(landing, 6, 0, 1, 2);
    fl->addWidget(tree("ShipLandingTree"), 0, 2, 8, 1);
    fl->setColumnStretch(2, 1);
    fl->setRowStretch(7, 1);
    status->addWidget(landed, 1);
    landed->setProperty("vantrelTurn", QStringLiteral("status/Landed"));

    auto* docked = named<QGroupBox>("Docked");
    auto* fd = new QGridLayout(docked);
    fd->addWidget(caption("Label41"), 0, 0);
    fd->addWidget(valueLabel("ShipDockedStation"), 0, 1);
    fd->addWidget(caption("Label42"), 1, 0);
    fd->addWidget(valueLabel("ShipDockedPort"), 1, 1);
    fd->addWidget(caption("Label43"), 2, 0);
    fd->addWidget(valueLabel("ShipDockedPlanet"), 2, 1);
    fd->addWidget(tree("ShipDockedTree"), 0, 2, 4, 1);
    fd->setColumnStretch(2, 1);
    fd->setRowStretch(3, 1);
    status->addWidget(docked, 1);
    docked->setProperty("vantrelTurn", QStringLiteral("status/Docked"));

    auto* orbiting = named<QGroupBox>("Orbiting");
    auto* fo = new QGridLayout(orbiting);
    fo->addWidget(caption("Label44"), 0, 0);
    fo->addWidget(valueLabel("ShipOrbitingPlanet"), 0, 1);
    auto* ref = dropDown("OrbitingRef");
    fo->addWidget(caption("Label45", ref), 1, 0);
    fo->addWidget(ref, 1, 1);
    fo->addWidget(named<QPushButton>("Command11"), 1, 2);
    auto* angular = numberField("ShipOrbitingAngularVelocity");
    fo->addWidget(caption("Label46", angular), 2, 0);
    fo->addWidget(angular, 2, 1);
    // Today's files: the position and velocity, or the orbital elements in their place.
    auto* forms = new QHBoxLayout;
    forms->addWidget(named<QRadioButton>("ShipVectorOption"));
    forms->addWidget(named<QRadioButton>("ShipElementsOption"));
    forms->addStretch();
    fo->addLayout(forms, 3, 0, 1, 3);
    auto* vectors = new QHBoxLayout;
    vectors->addWidget(xyzFrame("Frame10", "Label47", "ShipOrbitingRposX", "Label48", "ShipOrbitingRposY", "Label49",
                                "ShipOrbitingRposZ"));
    vectors->addWidget(xyzFrame("Frame11", "Label50", "ShipOrbitingRvelX", "Label51", "ShipOrbitingRvelY", "Label52",
                                "ShipOrbitingRvelZ"));
    auto* elements = named<QGroupBox>("Frame13");
    auto* fe = new QGridLayout(elements);
    const std::pair<const char*, const char*> elementFields[] = {
        {"Label58", "ShipSemiMajorAxis"},          {"Label59", "ShipExcentricity"},
        {"Label60", "ShipInclination"},            {"Label61", "ShipAscendingNodeLongitude"},
        {"Label62", "ShipPeriapsisLongitude"},     {"Label63", "ShipMeanLongitude"},
        {"Label64", "ShipElementsEpoch"}};
    for (int k = 0; k < 7; ++k) {
        auto* field = numberField(elementFields[k].second);
        fe->addWidget(caption(elementFields[k].first, field), k % 4, (k / 4) * 2);
        fe->addWidget(field, k % 4, (k / 4) * 2 + 1);
    }
    vectors->addWidget(elements);
    // The two forms of the orbit take turns in one place, as the status frames do (FormExport.h).
    for (auto* form : {vectors->itemAt(0)->widget(), vectors->itemAt(1)->widget()})
        form->setProperty("vantrelTurn", QStringLiteral("orbitForm/vector"));
    elements->setProperty("vantrelTurn", QStringLiteral("orbitForm/elements"));
    vectors->addWidget(xyzFrame("Frame12", "Label53", "ShipOrbitingArotX", "Label54", "ShipOrbitingArotY", "Label55",
                                "ShipOrbitingArotZ"));
    fo->addLayout(vectors, 4, 0, 1, 3);
    fo->addWidget(named<OrbitPictureWidget>("ShipOrbitPicture"), 5, 0, 1, 3);
    fo->setColumnStretch(1, 1);
    fo->setRowStretch(5, 1);
    status->addWidget(orbiting, 1);
    orbiting->setProperty("vantrelTurn", QStringLiteral("status/Orbiting"));
    layout->addLayout(status, 1, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);

    addHidden(page, named<QLabel>("ShipIndex"));
    chainTabOrder(page, {"ShipName", "Spacecraft", "Command10", "LandedShipOption", "DockedShipOption",
                         "OrbitingShipOption", "ShipFuelSlider", "MainEngineStatusSlider", "HoverEngineStatusSlider",
                         "ShipLandedHeading", "ShipLandedLongitude", "ShipLandedLatitude", "ShipPadOption",
                         "ShipCoordinatesOption", "ShipLandingTree", "ShipDockedTree", "OrbitingRef", "Command11",
                         "ShipOrbitingAngularVelocity", "ShipVectorOption", "ShipElementsOption",
                         "ShipOrbitingRposX", "ShipOrbitingRposY", "ShipOrbitingRposZ",
                         "ShipOrbitingRvelX", "ShipOrbitingRvelY", "ShipOrbitingRvelZ", "ShipSemiMajorAxis",
                         "ShipExcentricity", "ShipInclination", "ShipAscendingNodeLongitude", "ShipPeriapsisLongitude",
                         "ShipMeanLongitude", "ShipElementsEpoch", "ShipOrbitingArotX",
                         "ShipOrbitingArotY", "ShipOrbitingArotZ", "Command4", "Command5", "Command6"});
    return page;
}

// The platform's usual keys for the commands every editor has; the captions stay the core's and
// Qt shows the key beside them. Where the platform names no key for a command (Save as and Quit
// have none outside KDE and GNOME), the key most editors use stands in.
QList<QKeySequence> standardShortcuts(const std::string& item) {
    struct Key {
        QKeySequence::StandardKey standard;
        QKeySequence usual;
    };
    static const std::map<std::string, Key> keys = {
        {"Menu12", {QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {"Menu13", {QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {"Menu14", {QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
        {"Menu16", {QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)}},
        {"Menu21", {QKeySequence::HelpContents, QKeySequence(Qt::Key_F1)}}};
    const auto it = keys.find(item);
    if (it == keys.end())
        return {};
    QList<QKeySequence> bound = QKeySequence::keyBindings(it->second.standard);
    if (bound.isEmpty())
        bound.append(it->second.usual);
    return bound;
}

// The one local scenario file a drag carries, or an empty text.
QString droppedScenario(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    const QString path = data->urls().front().toLocalFile();
    return MainMenu::opensAsScenario(path.toStdString()) ? path : QString();
}

} // namespace

MainWindowView::MainWindowView(Vantrel& main, QWidget* parent) : QMainWindow(parent), main_(main) {
    setObjectName(QStringLiteral("Vantrel"));

    for (const auto& m : main.menu.menus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromStdString(m.title->caption()));
        menu->setObjectName(QString::fromStdString(m.title->name()) + QStringLiteral("Menu"));
        menu->menuAction()->setObjectName(QString::fromStdString(m.title->name()));
        for (ui::MenuItem* item : m.items) {
            QAction* action = item->isSeparator() ? menu->addSeparator()
                                                  : menu->addAction(QString::fromStdString(item->caption()));
            action->setObjectName(QString::fromStdString(item->name()));
            action->setShortcuts(standardShortcuts(item->name()));
        }
    }

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);

    auto* fileLine = new QHBoxLayout;
    fileLine->addWidget(named<QLabel>("Label9"));
    auto* file = named<QLabel>("scnfile");
    QFont bold = file->font();
    bold.setBold(true);
    file->setFont(bold);
    fileLine->addWidget(file, 1);
    layout->addLayout(fileLine);

    auto* picture = named<QLabel>("Image5");
    picture->setAlignment(Qt::AlignCenter);
    picture->setMinimumSize(320, 240);
    layout->addWidget(picture, 1);
    picture->setProperty("vantrelTurn", QStringLiteral("start/picture"));

    auto* tabs = named<QTabWidget>("SSTab1");
    tabs->setProperty("vantrelTurn", QStringLiteral("start/tabs"));
    tabs->addTab(scrolled(environmentTab()), QString());
    tabs->addTab(scrolled(stationTab()), QString());
    tabs->addTab(scrolled(shipTab()), QString());
    layout->addWidget(tabs, 1);
    // What today's simulator would do wrong with the scenario, under the tabs.
    auto* findings = named<QListWidget>("Findings");
    findings->setMaximumHeight(110);
    layout->addWidget(findings);

    auto* hidden = new QWidget(central);
    hidden->hide();
    for (const char* name : {"CfgDir", "ScnDir"})
        addHidden(hidden, named<QLabel>(name));
    for (const char* name : {"BufferList", "Buffer", "NBuffer", "Transit", "PlanetarySystemFile", "SpacecraftFile"})
        addHidden(hidden, named<QListWidget>(name));

    setCentralWidget(central);
    path_ = named<QLabel>("StatusPath");
    path_->setTextFormat(Qt::PlainText);
    // A long path is cut at the window's edge (the tool tip shows it whole) rather than widening
    // the window.
    path_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    unsaved_ = named<QLabel>("StatusUnsaved");
    unsaved_->setText(QStringLiteral("Unsaved changes"));
    unsaved_->hide();
    format_ = named<QLabel>("StatusFormat");
    format_->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(path_, 1);
    statusBar()->addPermanentWidget(named<QLabel>("FindingsCount"));
    statusBar()->addPermanentWidget(format_);
    statusBar()->addPermanentWidget(unsaved_);

    unsavedCheck_ = new QTimer(this);
    unsavedCheck_->setSingleShot(true);
    unsavedCheck_->setInterval(unsavedCheckMilliseconds);
    connect(unsavedCheck_, &QTimer::timeout, this, &MainWindowView::showUnsaved);

    binder_ = new Binder(main, this, this);
    connect(binder_, &Binder::refreshed, this, &MainWindowView::showStatus);
    main.status.onReport = [this](const std::string& message) {
        statusBar()->showMessage(toDisplay(message), reportMilliseconds);
        queueStatus();
    };
    showStatus();
    // The window keeps the size it is given: a fixed minimum stops the layout from raising it
    // whenever a larger tab or ship status shows, and the default fits a 1366x768 screen.
    setMinimumSize(minimumWindowSize);
    setAcceptDrops(true);
    resize(defaultWindowSize);
}

MainWindowView::~MainWindowView() { main_.status.onReport = nullptr; }

void MainWindowView::queueStatus() {
    if (statusQueued_)
        return;
    statusQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        statusQueued_ = false;
        showStatus();
    });
}

void MainWindowView::showStatus() {
    path_->setText(toDisplay(main_.status.path()));
    path_->setToolTip(path_->text());
    format_->setText(toDisplay(main_.status.format()));
    unsavedCheck_->start();
}

void MainWindowView::showUnsaved() {
    unsaved_->setVisible(main_.status.unsavedChanges());
    // Once edits pause, the findings catch up with them.
    main_.findings().refreshIfStale();
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    if (!main_.loaded()) {
        event->accept();
        return;
    }
    // Ask through Exit once this event is over; Exit unloads the window when the person confirms.
    event->ignore();
    QTimer::singleShot(0, this, [this] { main_.menu.Menu16.userClick(); });
}

void MainWindowView::dragEnterEvent(QDragEnterEvent* event) {
    if (main_.menu.Menu12.enabled() && !droppedScenario(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindowView::dropEvent(QDropEvent* event) {
    const QString path = droppedScenario(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over: the save question must not hold the program that dragged.
    QTimer::singleShot(0, this, [this, path] { main_.mainMenu().openFile(path.toStdString()); });
}

} // namespace vantrel::desktop
