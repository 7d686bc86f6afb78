#pragma once

#include <QDialog>

namespace vantrel {
class CoordinateConverter;
}

namespace vantrel::desktop {

// The spherical to cartesian converter: three fields in, three labels out.
class CoordinateConverterView : public QDialog {
    Q_OBJECT
public:
    explicit CoordinateConverterView(CoordinateConverter& window, QWidget* parent = nullptr);
};

} // namespace vantrel::desktop
