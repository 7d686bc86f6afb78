#pragma once

// A picture of an orbit in its own plane, as plain data a front-end paints with scaling only:
// the body, its atmosphere, the orbit's outline, its apsides and the vessel, with the figures
// as lines of text.

#include "core/ui/Control.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel::ui {

struct OrbitDrawing {
    // A point of the orbit's plane in metres: the body's centre at the origin, the periapsis on
    // +x, the motion turning from +x to +y.
    struct Point {
        double x = 0;
        double y = 0;
        bool operator==(const Point&) const = default;
    };
    struct Text {
        std::string text;
        bool warning = false; // shown in the warning colour
        bool operator==(const Text&) const = default;
    };

    // The body's disc and the top of its atmosphere (0 when the picture has no body or the body
    // no atmosphere), in metres.
    double bodyRadius = 0;
    double atmosphereRadius = 0;
    // The orbit as a polyline; empty when there is no orbit to draw.
    std::vector<Point> outline;
    std::optional<Point> periapsis;
    std::optional<Point> apoapsis;
    std::optional<Point> vessel;
    // The half-width, in metres, of the square around the centre the picture shows; 0 when
    // there is nothing to draw.
    double extent = 0;
    // The figures, one line each, in order.
    std::vector<Text> labels;

    bool operator==(const OrbitDrawing&) const = default;
};

class OrbitPicture : public Control {
public:
    ControlKind kind() const override { return ControlKind::OrbitPicture; }
    explicit OrbitPicture(std::string name) : Control(std::move(name)) {}
    const OrbitDrawing& drawing() const { return drawing_; }
    // Tells the observer only when the drawing differs.
    void setDrawing(OrbitDrawing drawing);

private:
    OrbitDrawing drawing_;
};

} // namespace vantrel::ui
