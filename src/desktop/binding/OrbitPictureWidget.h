#pragma once

#include "core/ui/OrbitPicture.h"

#include <QWidget>

namespace vantrel::desktop {

// Paints an orbit drawing of the core: the plane scaled to the widget, the body, its
// atmosphere, the orbit and its marks in the palette's colours, the figures in the corner.
class OrbitPictureWidget : public QWidget {
    Q_OBJECT

public:
    explicit OrbitPictureWidget(QWidget* parent = nullptr);
    void setDrawing(const ui::OrbitDrawing& drawing);
    const ui::OrbitDrawing& drawing() const { return drawing_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ui::OrbitDrawing drawing_;
};

} // namespace vantrel::desktop
