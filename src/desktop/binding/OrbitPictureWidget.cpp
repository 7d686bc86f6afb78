#include "binding/OrbitPictureWidget.h"

#include "binding/DisplayText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPolygonF>

#include <algorithm>

namespace vantrel::desktop {

OrbitPictureWidget::OrbitPictureWidget(QWidget* parent) : QWidget(parent) {
    setMinimumSize(200, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void OrbitPictureWidget::setDrawing(const ui::OrbitDrawing& drawing) {
    drawing_ = drawing;
    update();
}

QSize OrbitPictureWidget::sizeHint() const { return {260, 260}; }

void OrbitPictureWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Base));

    const ui::OrbitDrawing& d = drawing_;
    if (d.extent > 0) {
        // The plane's metres to pixels: the square of half-width `extent` fills the shorter side,
        // north (+y) up.
        const double scale = std::min(width(), height()) / (2.0 * d.extent);
        const QPointF centre(width() / 2.0, height() / 2.0);
        auto at = [&](double x, double y) { return QPointF(centre.x() + x * scale, centre.y() - y * scale); };
        auto disc = [&](double radius) { return QRectF(at(-radius, radius), at(radius, -radius)); };

        if (d.atmosphereRadius > 0) {
            p.setPen(QPen(pal.color(QPalette::Highlight), 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(disc(d.atmosphereRadius));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(pal.color(QPalette::Mid));
        p.drawEllipse(disc(d.bodyRadius));

        QPolygonF outline;
        for (const auto& point : d.outline)
            outline << at(point.x, point.y);
        p.setPen(QPen(pal.color(QPalette::Text), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(outline);

        auto mark = [&](const std::optional<ui::OrbitDrawing::Point>& point, const QColor& colour, double size) {
            if (!point)
                return;
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawEllipse(at(point->x, point->y), size, size);
        };
        mark(d.periapsis, pal.color(QPalette::Highlight), 3);
        mark(d.apoapsis, pal.color(QPalette::Highlight), 3);
        mark(d.vessel, pal.color(QPalette::Link), 4.5);
    }

    const QFontMetrics metrics(font());
    double y = 4 + metrics.ascent();
    for (const auto& label : d.labels) {
        // The palette has no warning role; the usual red shows a warning.
        p.setPen(label.warning ? QColor(Qt::red) : pal.color(QPalette::Text));
        p.drawText(QPointF(6, y), toDisplay(label.text));
        y += metrics.lineSpacing();
    }
}

} // namespace vantrel::desktop
