#include "views/PlanetarySystemInformationView.h"

#include "binding/Binder.h"
#include "views/FileWindowForms.h"

#include "core/tools/PlanetarySystemInformation.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QVBoxLayout>

namespace vantrel::desktop {

using namespace forms;

PlanetarySystemInformationView::PlanetarySystemInformationView(PlanetarySystemInformation& window, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("PlanetarySystemInformation"));
    // The radius and the atmosphere are grouped with the person's own thousands separator.
    window.thousandsSeparator = QLocale().groupSeparator().toStdString();

    auto* layout = new QVBoxLayout(this);
    auto* planets = named("Planet", new QComboBox);
    planets->setMinimumWidth(220);
    layout->addWidget(planets);

    auto* values = new QFormLayout;
    const char* rows[][2] = {{"Label1", "PlanetMass"},
                             {"Label2", "PlanetMeanRadius"},
                             {"Label3", "PlanetSideralRotationPeriod"},
                             {"Label5", "PlanetAtmosphereLimit"}};
    for (const auto& row : rows) {
        auto* value = label(row[1]);
        value->setWordWrap(false);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setMinimumWidth(160);
        auto* title = label(row[0]);
        title->setWordWrap(false);
        values->addRow(title, value);
    }
    layout->addLayout(values);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button("Command1"));
    layout->addLayout(buttons);

    new Binder(window, this, this);
    planets->setFocus();
}

} // namespace vantrel::desktop
