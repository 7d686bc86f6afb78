#pragma once

#include <QDialog>

namespace vantrel {
class PlanetarySystemInformation;
}

namespace vantrel::desktop {

// "Planetary System Information": the bodies of the system and four values of the chosen one.
class PlanetarySystemInformationView : public QDialog {
    Q_OBJECT
public:
    explicit PlanetarySystemInformationView(PlanetarySystemInformation& window, QWidget* parent = nullptr);
};

} // namespace vantrel::desktop
