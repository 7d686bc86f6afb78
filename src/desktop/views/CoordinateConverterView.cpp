#include "views/CoordinateConverterView.h"

#include "binding/Binder.h"
#include "views/FileWindowForms.h"

#include "core/tools/CoordinateConverter.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vantrel::desktop {

using namespace forms;

CoordinateConverterView::CoordinateConverterView(CoordinateConverter& window, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CoordinateConverter"));
    auto* layout = new QVBoxLayout(this);
    auto* frames = new QHBoxLayout;

    auto* spherical = named("Frame1", new QGroupBox);
    auto* inputs = new QFormLayout(spherical);
    QLineEdit* first = nullptr;
    for (const auto& row : {std::pair{"Label1", "Radius"}, std::pair{"Label2", "Azimuth"},
                            std::pair{"Label3", "Elevation"}}) {
        auto* edit = named(row.second, new QLineEdit);
        auto* caption = label(row.first);
        caption->setBuddy(edit);
        inputs->addRow(caption, edit);
        if (!first)
            first = edit;
    }
    frames->addWidget(spherical);

    auto* cartesian = named("Frame2", new QGroupBox);
    auto* outputs = new QFormLayout(cartesian);
    for (const auto& row : {std::pair{"Label4", "X"}, std::pair{"Label5", "Y"}, std::pair{"Label6", "Z"}}) {
        auto* value = label(row.second);
        value->setWordWrap(false);
        value->setMinimumWidth(170);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        outputs->addRow(label(row.first), value);
    }
    frames->addWidget(cartesian);
    layout->addLayout(frames);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(label("Label7"), 1);
    bottom->addWidget(button("Command1"));
    layout->addLayout(bottom);

    new Binder(window, this, this);
    first->setFocus();
}

} // namespace vantrel::desktop
